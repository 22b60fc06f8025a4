<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>kelvane</name>
    <message>
        <source>Kelvane quick start

Three things to try:
1. Open &gt; single-beam: the lens view and the Lens Control dialog open. Drag a
   slider and watch the beams bend and the focus, width and deviation change.
2. Open &gt; multi-beam: the same lens under five fans of light that arrive at
   40, 30, 20, 10 and 0 degrees.
3. In the lens view, Lenses &gt; Perfect focus, then Aberration: every beam
   meets the axis at one point. Drag a slider and watch the curve bend.

Keys:
- Alt + the underlined letter: opens a menu or presses a button
- Ctrl+Z and Ctrl+Y: undo and redo a change of the lens
- arrow keys, Page Up and Page Down: move the slider that has the focus
- Alt+? or Alt+/: About Kelvane
- Enter or Escape: closes this box

The guide: Help &gt; HTML help shows it, with the menus, scripts and files.
It is the page %1
</source>
        <translation>Kelvane – Schnellstart

Drei Dinge zum Ausprobieren:
1. Öffnen &gt; Einzelstrahl: Die Linsenansicht und der Dialog Linsensteuerung öffnen
   sich. Ziehen Sie einen Schieberegler und sehen Sie, wie die Strahlen sich
   brechen und Brennpunkt, Breite und Abweichung sich ändern.
2. Öffnen &gt; Mehrstrahl: dieselbe Linse unter fünf Lichtfächern, die unter
   40, 30, 20, 10 und 0 Grad einfallen.
3. In der Linsenansicht Linsen &gt; Perfekter Brennpunkt, dann Aberration: Jeder
   Strahl trifft die Achse in einem Punkt. Ziehen Sie einen Schieberegler und
   sehen Sie, wie sich die Kurve biegt.

Tasten:
- Alt + der unterstrichene Buchstabe: öffnet ein Menü oder drückt eine Schaltfläche
- Strg+Z und Strg+Y: eine Änderung der Linse rückgängig machen und wiederholen
- Pfeiltasten, Bild auf und Bild ab: den Schieberegler mit dem Fokus bewegen
- Alt+? oder Alt+/: Über Kelvane
- Eingabe oder Escape: schließt dieses Fenster

Die Anleitung: Hilfe &gt; HTML-Hilfe zeigt sie, mit den Menüs, Skripten und Dateien.
Sie ist die Seite %1
</translation>
    </message>
    <message>
        <source>e&amp;Xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>script</source>
        <translation>Skript</translation>
    </message>
    <message>
        <source>multi-beam</source>
        <translation>Mehrstrahl</translation>
    </message>
    <message>
        <source>single-beam</source>
        <translation>Einzelstrahl</translation>
    </message>
    <message>
        <source>lens &amp;Maker</source>
        <translation>Linsen-&amp;Designer</translation>
    </message>
    <message>
        <source>&amp;Kill background calc</source>
        <translation>Hintergrundrechnung &amp;abbrechen</translation>
    </message>
    <message>
        <source>focus &amp;Matrix</source>
        <translation>Brennpunkt-&amp;Matrix</translation>
    </message>
    <message>
        <source>focus &amp;Table</source>
        <translation>Brennpunkt-&amp;Tabelle</translation>
    </message>
    <message>
        <source>open focus &amp;Results…</source>
        <translation>Brennpunkt-&amp;Ergebnisse öffnen…</translation>
    </message>
    <message>
        <source>&amp;Basic info</source>
        <translation>&amp;Grunddaten</translation>
    </message>
    <message>
        <source>&amp;Normal refract table</source>
        <translation>Brechungstabelle (&amp;Normale)</translation>
    </message>
    <message>
        <source>&amp;Face refract table</source>
        <translation>Brechungstabelle (&amp;Fläche)</translation>
    </message>
    <message>
        <source>&amp;Slope refract table</source>
        <translation>Brechungstabelle (&amp;Steigung)</translation>
    </message>
    <message>
        <source>&amp;Deflection table</source>
        <translation>&amp;Ablenkungstabelle</translation>
    </message>
    <message>
        <source>&amp;Test refract formulas</source>
        <translation>Brechungsformeln &amp;testen</translation>
    </message>
    <message>
        <source>test &amp;Ellipse intersect</source>
        <translation>&amp;Ellipsenschnitt testen</translation>
    </message>
    <message>
        <source>test findFocus</source>
        <translation>findFocus testen</translation>
    </message>
    <message>
        <source>test multi-beam lens</source>
        <translation>Mehrstrahl-Linse testen</translation>
    </message>
    <message>
        <source>open trace &amp;File</source>
        <translation>Trace-&amp;Datei öffnen</translation>
    </message>
    <message>
        <source>open trace &amp;PsView</source>
        <translation>Trace-&amp;PsView öffnen</translation>
    </message>
    <message>
        <source>open trace &amp;Listbox</source>
        <translation>Trace-&amp;Listbox öffnen</translation>
    </message>
    <message>
        <source>demo trace messages</source>
        <translation>Trace-Beispielmeldungen</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>&amp;HTML help</source>
        <translation>&amp;HTML-Hilfe</translation>
    </message>
    <message>
        <source>h&amp;Elp</source>
        <translation>&amp;Kurzhilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Calc</source>
        <translation>&amp;Rechnen</translation>
    </message>
    <message>
        <source>&amp;Debug</source>
        <translation>De&amp;bug</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>close trace &amp;File</source>
        <translation>Trace-&amp;Datei schließen</translation>
    </message>
    <message>
        <source>close trace &amp;PsView</source>
        <translation>Trace-&amp;PsView schließen</translation>
    </message>
    <message>
        <source>close trace &amp;Listbox</source>
        <translation>Trace-&amp;Listbox schließen</translation>
    </message>
    <message>
        <source>Focus Results</source>
        <translation>Brennpunkt-Ergebnisse</translation>
    </message>
    <message>
        <source>Open Focus Results</source>
        <translation>Brennpunkt-Ergebnisse öffnen</translation>
    </message>
    <message>
        <source>Focus tables (*.csv)</source>
        <translation>Brennpunkttabellen (*.csv)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>focus table written to %1: &lt;a href=&quot;open&quot;&gt;%2&lt;/a&gt;</source>
        <translation>Brennpunkttabelle in %1 geschrieben: &lt;a href=&quot;open&quot;&gt;%2&lt;/a&gt;</translation>
    </message>
    <message>
        <source>open results</source>
        <translation>Ergebnisse öffnen</translation>
    </message>
    <message>
        <source>Step into lens</source>
        <translation>Zur Linse wechseln</translation>
    </message>
    <message>
        <source>lens %1,%2,%3,%4 depth %5 %6, index %7: </source>
        <translation>Linse %1,%2,%3,%4 Dicke %5 %6, Index %7: </translation>
    </message>
    <message>
        <source>no focus, unlike the row</source>
        <translation>kein Brennpunkt, anders als in der Zeile</translation>
    </message>
    <message>
        <source>focus %1, dev %2 (%3%)</source>
        <translation>Brennpunkt %1, dev %2 (%3%)</translation>
    </message>
    <message>
        <source> as in the row</source>
        <translation> wie in der Zeile</translation>
    </message>
    <message>
        <source>, the row has focus %1, dev %2 (%3%)</source>
        <translation>, die Zeile hat Brennpunkt %1, dev %2 (%3%)</translation>
    </message>
    <message>
        <source>1 trace line</source>
        <translation>1 Trace-Zeile</translation>
    </message>
    <message>
        <source>%1 trace lines</source>
        <translation>%1 Trace-Zeilen</translation>
    </message>
    <message>
        <source>%1 went to the trace file %2: open it to see them</source>
        <translation>%1 gingen in die Trace-Datei %2: öffnen Sie sie, um sie zu sehen</translation>
    </message>
    <message>
        <source>%1 went to standard error: see Debug &gt; open trace PsView</source>
        <translation>%1 gingen auf die Standardfehlerausgabe: siehe Debug &gt; Trace-PsView öffnen</translation>
    </message>
    <message>
        <source>No trace file or trace window is open, so trace lines go to the standard error output (the terminal Kelvane was started from).</source>
        <translation>Weder eine Trace-Datei noch ein Trace-Fenster ist offen, daher gehen Trace-Zeilen auf die Standardfehlerausgabe (das Terminal, aus dem Kelvane gestartet wurde).</translation>
    </message>
    <message>
        <source>The trace file %1 holds them.</source>
        <translation>Die Trace-Datei %1 enthält sie.</translation>
    </message>
    <message>
        <source> Debug &gt; open trace PsView or open trace Listbox shows trace lines in a window; run the command again once one is open.</source>
        <translation> Debug &gt; Trace-PsView öffnen oder Trace-Listbox öffnen zeigt Trace-Zeilen in einem Fenster; führen Sie den Befehl erneut aus, sobald eines offen ist.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Kelvane shows the chosen language when it starts again.</source>
        <translation>Kelvane zeigt die gewählte Sprache beim nächsten Start.</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Aberration</source>
        <translation>Aberration</translation>
    </message>
    <message>
        <source>Exit rays</source>
        <translation>Austretende Strahlen</translation>
    </message>
    <message>
        <source>Rays inside the glass</source>
        <translation>Strahlen im Glas</translation>
    </message>
    <message>
        <source>Axis crossing x (units, 100 = 1 inch)</source>
        <translation>Achsenschnitt x (Einheiten, 100 = 1 Zoll)</translation>
    </message>
    <message>
        <source>Beam height (units)</source>
        <translation>Strahlhöhe (Einheiten)</translation>
    </message>
    <message>
        <source>Lens Control</source>
        <translation>Linsensteuerung</translation>
    </message>
    <message>
        <source>Depth</source>
        <translation>Dicke</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Sperren</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Füllung</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>&amp;Browse…</source>
        <translation>&amp;Durchsuchen…</translation>
    </message>
    <message>
        <source>&amp;Caption under the picture</source>
        <translation>&amp;Beschriftung unter dem Bild</translation>
    </message>
    <message>
        <source>Animated GIF of a script…</source>
        <translation>Animiertes GIF eines Skripts…</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>&amp;Datei:</translation>
    </message>
    <message>
        <source>PNG &amp;resolution:</source>
        <translation>PNG-&amp;Auflösung:</translation>
    </message>
    <message>
        <source> written to </source>
        <translation> geschrieben nach </translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>SVG picture (*.svg);;PNG image (*.png);;PDF document (*.pdf)</source>
        <translation>SVG-Grafik (*.svg);;PNG-Bild (*.png);;PDF-Dokument (*.pdf)</translation>
    </message>
    <message>
        <source>Lens Maker</source>
        <translation>Linsen-Designer</translation>
    </message>
    <message>
        <source>Focus -- %1 spread -- %1 width %2</source>
        <translation>Brennpunkt -- %1 Streuung -- %1 Breite %2</translation>
    </message>
    <message>
        <source>Lens read-out</source>
        <translation>Linsenanzeige</translation>
    </message>
    <message>
        <source>Fans 40..0°: %1 %2 %3 %4 %5</source>
        <translation>Fächer 40..0°: %1 %2 %3 %4 %5</translation>
    </message>
    <message>
        <source>Beams traced in the 40°, 30°, 20°, 10° and 0° fans</source>
        <translation>Verfolgte Strahlen in den Fächern 40°, 30°, 20°, 10° und 0°</translation>
    </message>
    <message>
        <source>Start-up meniscus</source>
        <translation>Start-Meniskus</translation>
    </message>
    <message>
        <source>Biconvex lens</source>
        <translation>Bikonvexe Linse</translation>
    </message>
    <message>
        <source>Thin lens</source>
        <translation>Dünne Linse</translation>
    </message>
    <message>
        <source>Diverging lens</source>
        <translation>Zerstreuungslinse</translation>
    </message>
    <message>
        <source>Perfect focus</source>
        <translation>Perfekter Brennpunkt</translation>
    </message>
    <message>
        <source>&amp;Aberration</source>
        <translation>&amp;Aberration</translation>
    </message>
    <message>
        <source>&amp;Lenses</source>
        <translation>&amp;Linsen</translation>
    </message>
    <message>
        <source>Script</source>
        <translation>Skript</translation>
    </message>
    <message>
        <source>Kelvane Lens Demo</source>
        <translation>Kelvane Linsen-Demo</translation>
    </message>
    <message>
        <source>must be above 0</source>
        <translation>muss über 0 liegen</translation>
    </message>
    <message>
        <source>must be 0 or more</source>
        <translation>muss 0 oder mehr sein</translation>
    </message>
    <message>
        <source>above 0, at most 500</source>
        <translation>über 0, höchstens 500</translation>
    </message>
    <message>
        <source>enter a number</source>
        <translation>Zahl eingeben</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>keine Zahl</translation>
    </message>
    <message>
        <source>below the first</source>
        <translation>kleiner als der erste</translation>
    </message>
    <message>
        <source>focus %1: no lens in the bounds has a focus</source>
        <translation>Brennpunkt %1: keine Linse in den Grenzen hat einen Brennpunkt</translation>
    </message>
    <message>
        <source>focus %1: not reached; the nearest is %2</source>
        <translation>Brennpunkt %1: nicht erreicht; am nächsten liegt %2</translation>
    </message>
    <message>
        <source>Designed lens</source>
        <translation>Entworfene Linse</translation>
    </message>
    <message>
        <source>Move object</source>
        <translation>Gegenstand verschieben</translation>
    </message>
    <message>
        <source>Animated GIF</source>
        <translation>Animiertes GIF</translation>
    </message>
    <message>
        <source>Animated GIF (*.gif)</source>
        <translation>Animiertes GIF (*.gif)</translation>
    </message>
    <message>
        <source>Recording the script: %1 retrace so far</source>
        <translation>Skript wird aufgezeichnet: bisher %1 Neuberechnung</translation>
    </message>
    <message>
        <source>Recording the script: %1 retraces so far</source>
        <translation>Skript wird aufgezeichnet: bisher %1 Neuberechnungen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>GIF</source>
        <translation>GIF</translation>
    </message>
    <message>
        <source>Listbox Trace</source>
        <translation>Listbox-Trace</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Leeren</translation>
    </message>
    <message>
        <source>&amp;ScrollOff</source>
        <translation>&amp;Rollen aus</translation>
    </message>
    <message>
        <source>&amp;ScrollOn</source>
        <translation>&amp;Rollen an</translation>
    </message>
    <message>
        <source>PsView Window Configuration</source>
        <translation>PsView-Fenster einrichten</translation>
    </message>
    <message>
        <source>Invalid max line value</source>
        <translation>Ungültige maximale Zeilenlänge</translation>
    </message>
    <message>
        <source>Invalid buffer size value</source>
        <translation>Ungültige Puffergröße</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Save in File</source>
        <translation>In Datei speichern</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>con&amp;Figure</source>
        <translation>&amp;Einrichten</translation>
    </message>
    <message>
        <source>&amp;Inspect</source>
        <translation>&amp;Untersuchen</translation>
    </message>
    <message>
        <source>&amp;Test message</source>
        <translation>&amp;Testmeldung</translation>
    </message>
    <message>
        <source>PsView Trace</source>
        <translation>PsView-Trace</translation>
    </message>
    <message>
        <source>You are already inspecting a message. To analyze another you must close the existing window.</source>
        <translation>Sie untersuchen bereits eine Meldung. Um eine andere zu analysieren, schließen Sie zuerst das vorhandene Fenster.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file.</source>
        <translation>„%1“ ist keine normale Datei.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a system file, not one to open here.</source>
        <translation>„%1“ ist eine Systemdatei, die hier nicht geöffnet wird.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>&amp;Script</source>
        <translation>S&amp;kript</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Stopp</translation>
    </message>
    <message>
        <source>re&amp;Sume</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>Focus %1 (%2 in) %3 spread %4 (%5 %) %3%7 width %6</source>
        <translation>Brennpunkt %1 (%2 Zoll) %3 Streuung %4 (%5 %) %3%7 Breite %6</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Eigene</translation>
    </message>
</context>
<context>
    <name>kelvane::AberrationWnd</name>
    <message>
        <source>&amp;Fixed axes</source>
        <translation>&amp;Feste Achsen</translation>
    </message>
    <message>
        <source>The axes grow but never shrink while the lens is dragged; a preset, a script or a Focus Results row starts them afresh</source>
        <translation>Die Achsen wachsen, schrumpfen aber nie, während die Linse gezogen wird; eine Vorlage, ein Skript oder eine Zeile der Brennpunkt-Ergebnisse setzt sie neu</translation>
    </message>
    <message>
        <source>Where each beam crosses the axis</source>
        <translation>Wo jeder Strahl die Achse schneidet</translation>
    </message>
    <message>
        <source>No focus: no exit ray comes down to the axis</source>
        <translation>Kein Brennpunkt: kein austretender Strahl erreicht die Achse</translation>
    </message>
</context>
<context>
    <name>kelvane::AboutDialog</name>
    <message>
        <source>About Kelvane</source>
        <translation>Über Kelvane</translation>
    </message>
    <message>
        <source>Program Version:</source>
        <translation>Programmversion:</translation>
    </message>
    <message>
        <source>Updated:</source>
        <translation>Aktualisiert:</translation>
    </message>
    <message>
        <source>Compiled:</source>
        <translation>Kompiliert:</translation>
    </message>
</context>
<context>
    <name>kelvane::ExistingFileDialog</name>
    <message>
        <source>Existing File</source>
        <translation>Vorhandene Datei</translation>
    </message>
    <message>
        <source>This file exists</source>
        <translation>Diese Datei existiert</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Überschreiben</translation>
    </message>
    <message>
        <source>Append</source>
        <translation>Anhängen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>kelvane::FocusResultsPlot</name>
    <message>
        <source>x:</source>
        <translation>x:</translation>
    </message>
    <message>
        <source>y:</source>
        <translation>y:</translation>
    </message>
    <message>
        <source>%1 points</source>
        <translation>%1 Punkte</translation>
    </message>
    <message>
        <source>%1 of %2 shown rows plotted</source>
        <translation>%1 von %2 angezeigten Zeilen gezeichnet</translation>
    </message>
</context>
<context>
    <name>kelvane::FocusResultsWindow</name>
    <message>
        <source>filter, e.g. focus 250-300, devpcnt &lt; 0.005, depth 60</source>
        <translation>Filter, z. B. focus 250-300, devpcnt &lt; 0.005, depth 60</translation>
    </message>
    <message>
        <source>%1 rows from %2</source>
        <translation>%1 Zeilen aus %2</translation>
    </message>
    <message>
        <source>, swept as %1</source>
        <translation>, durchlaufen als %1</translation>
    </message>
    <message>
        <source> with index %1</source>
        <translation> mit Index %1</translation>
    </message>
    <message>
        <source>; the last of %1 tables, from line %2</source>
        <translation>; die letzte von %1 Tabellen, ab Zeile %2</translation>
    </message>
    <message>
        <source>; %1 other trace lines passed over</source>
        <translation>; %1 andere Trace-Zeilen übergangen</translation>
    </message>
    <message>
        <source>; line %1 was cut short (the table was stopped mid-write) and is passed over</source>
        <translation>; Zeile %1 ist abgeschnitten (die Tabelle wurde beim Schreiben angehalten) und wird übergangen</translation>
    </message>
    <message>
        <source>%1 of %2 rows shown</source>
        <translation>%1 von %2 Zeilen angezeigt</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a focus table that can be shown:
%2</source>
        <translation>„%1“ ist keine Brennpunkttabelle, die angezeigt werden kann:
%2</translation>
    </message>
</context>
<context>
    <name>kelvane::HelpDialog</name>
    <message>
        <source>Kelvane Help</source>
        <translation>Kelvane-Hilfe</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>kelvane::LensColourGroup</name>
    <message>
        <source>Colour</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Glass</source>
        <translation>Glas</translation>
    </message>
    <message>
        <source>Custom: the Refractive Index field, the same for every colour; a catalogue glass bends blue more than red</source>
        <translation>Eigene: der Wert im Feld Brechzahl, für jede Farbe gleich; ein Katalogglas bricht Blau stärker als Rot</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>air</source>
        <translation>Luft</translation>
    </message>
    <message>
        <source>water</source>
        <translation>Wasser</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Licht</translation>
    </message>
    <message>
        <source>One wavelength</source>
        <translation>Eine Wellenlänge</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Wavelength</source>
        <translation>Wellenlänge</translation>
    </message>
    <message>
        <source>white light</source>
        <translation>weißes Licht</translation>
    </message>
    <message>
        <source>Not changed</source>
        <translation>Nicht geändert</translation>
    </message>
</context>
<context>
    <name>kelvane::LensControl</name>
    <message>
        <source>Copied to the clipboard</source>
        <translation>In die Zwischenablage kopiert</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>Brennpunkt</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Ingress</source>
        <translation>Eintritt</translation>
    </message>
    <message>
        <source>Eccentricity</source>
        <translation>Exzentrizität</translation>
    </message>
    <message>
        <source>Egress</source>
        <translation>Austritt</translation>
    </message>
    <message>
        <source>&amp;Lock</source>
        <translation>&amp;Fest</translation>
    </message>
    <message>
        <source>Refractive Index</source>
        <translation>Brechzahl</translation>
    </message>
    <message>
        <source>Multi</source>
        <translation>Multi</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopie</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Sichern</translation>
    </message>
    <message>
        <source>&amp;Script</source>
        <translation>S&amp;kript</translation>
    </message>
</context>
<context>
    <name>kelvane::LensMaker</name>
    <message>
        <source>Focus</source>
        <translation>Fokus</translation>
    </message>
    <message>
        <source>Depth</source>
        <translation>Dicke</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Ingress</source>
        <translation>Eintritt</translation>
    </message>
    <message>
        <source>Egress</source>
        <translation>Austritt</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>Empty values are searched within:</source>
        <translation>Leere Werte werden gesucht in:</translation>
    </message>
    <message>
        <source>X and Y</source>
        <translation>X und Y</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>&amp;Make</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>Double-click a lens to show it in the lens view</source>
        <translation>Doppelklick auf eine Linse zeigt sie in der Linsenansicht</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopie</translation>
    </message>
    <message>
        <source>Copy the lens&apos;s script line</source>
        <translation>Skriptzeile der Linse kopieren</translation>
    </message>
    <message>
        <source>Check the fields marked in red.</source>
        <translation>Prüfen Sie die rot markierten Felder.</translation>
    </message>
    <message>
        <source>Designing...</source>
        <translation>Entwurf läuft...</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Angehalten.</translation>
    </message>
    <message>
        <source>%1 lenses traced in %2 s.</source>
        <translation>%1 Linsen in %2 s verfolgt.</translation>
    </message>
    <message>
        <source>No lens in the bounds reaches the focus.</source>
        <translation>Keine Linse in den Grenzen erreicht den Brennpunkt.</translation>
    </message>
    <message>
        <source>Script line copied.</source>
        <translation>Skriptzeile kopiert.</translation>
    </message>
</context>
<context>
    <name>kelvane::LensSourceGroup</name>
    <message>
        <source>Light source</source>
        <translation>Lichtquelle</translation>
    </message>
    <message>
        <source>Parallel</source>
        <translation>Parallel</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Punkt</translation>
    </message>
    <message>
        <source>Object</source>
        <translation>Objekt</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Abstand</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
</context>
<context>
    <name>kelvane::LensUndo</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Undo </source>
        <translation>Rückgängig: </translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>Nichts rückgängig zu machen</translation>
    </message>
    <message>
        <source>Redo </source>
        <translation>Wiederholen: </translation>
    </message>
    <message>
        <source>Nothing to redo</source>
        <translation>Nichts zu wiederholen</translation>
    </message>
</context>
<context>
    <name>kelvane::LensViewOptions</name>
    <message>
        <source>&amp;Classroom view</source>
        <translation>&amp;Unterrichtsansicht</translation>
    </message>
    <message>
        <source>F&amp;ans</source>
        <translation>&amp;Fächer</translation>
    </message>
    <message>
        <source>&amp;All fans</source>
        <translation>&amp;Alle Fächer</translation>
    </message>
    <message>
        <source>%1° fan only</source>
        <translation>Nur %1°-Fächer</translation>
    </message>
    <message>
        <source>&amp;Fit to window</source>
        <translation>An &amp;Fenster anpassen</translation>
    </message>
    <message>
        <source>&amp;True scale</source>
        <translation>&amp;Maßstabsgetreu</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>F&amp;ull screen</source>
        <translation>&amp;Vollbild</translation>
    </message>
</context>
<context>
    <name>kelvane::LensWnd</name>
    <message>
        <source>para&amp;Meters</source>
        <translation>&amp;Parameter</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>E&amp;xport…</source>
        <translation>E&amp;xportieren…</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Legend</source>
        <translation>&amp;Legende</translation>
    </message>
</context>
<context>
    <name>kelvane::PsvConfigDialog</name>
    <message>
        <source>Max Line Length (range 6-254; typ 60)</source>
        <translation>Max. Zeilenlänge (6-254; üblich 60)</translation>
    </message>
    <message>
        <source>Buffer Size (min 3 * max line length; typ 2048)</source>
        <translation>Puffergröße (min. 3 * max. Zeilenlänge; üblich 2048)</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>kelvane::draw</name>
    <message>
        <source>beams through the lens</source>
        <translation>Strahlen durch die Linse</translation>
    </message>
    <message>
        <source>rays bent by the ingress face alone</source>
        <translation>nur an der Eintrittsfläche gebrochene Strahlen</translation>
    </message>
    <message>
        <source>far focus of the ingress ellipse</source>
        <translation>ferner Brennpunkt der Eintrittsellipse</translation>
    </message>
    <message>
        <source>centre depth</source>
        <translation>Mittendicke</translation>
    </message>
    <message>
        <source>paraxial focus (lens equation)</source>
        <translation>paraxialer Brennpunkt (Linsengleichung)</translation>
    </message>
    <message>
        <source>white light before the lens</source>
        <translation>weißes Licht vor der Linse</translation>
    </message>
    <message>
        <source>object</source>
        <translation>Gegenstand</translation>
    </message>
    <message>
        <source>point source</source>
        <translation>Punktquelle</translation>
    </message>
    <message>
        <source>rays from the object&apos;s foot</source>
        <translation>Strahlen vom Fuß des Gegenstands</translation>
    </message>
    <message>
        <source>rays from the point</source>
        <translation>Strahlen vom Punkt</translation>
    </message>
    <message>
        <source>rays from the object&apos;s tip</source>
        <translation>Strahlen von der Spitze des Gegenstands</translation>
    </message>
    <message>
        <source>virtual image (traced)</source>
        <translation>virtuelles Bild (verfolgt)</translation>
    </message>
    <message>
        <source>real image (traced)</source>
        <translation>reelles Bild (verfolgt)</translation>
    </message>
    <message>
        <source>paraxial image (diamond)</source>
        <translation>paraxiales Bild (Raute)</translation>
    </message>
    <message>
        <source>glass</source>
        <translation>Glas</translation>
    </message>
    <message>
        <source>axis</source>
        <translation>Achse</translation>
    </message>
    <message>
        <source>dotted upright: the ingress vertex</source>
        <translation>gepunktete Senkrechte: der Eintrittsscheitel</translation>
    </message>
    <message>
        <source>below the axis: the upper half mirrored</source>
        <translation>unter der Achse: die obere Hälfte gespiegelt</translation>
    </message>
    <message>
        <source>mean focus</source>
        <translation>mittlerer Brennpunkt</translation>
    </message>
    <message>
        <source>V: nearest crossing to farthest crossing</source>
        <translation>V: nächster bis fernster Achsenschnitt</translation>
    </message>
    <message>
        <source>V: nearest crossing to farthest crossing (green)</source>
        <translation>V: nächster bis fernster Achsenschnitt (grün)</translation>
    </message>
    <message>
        <source>%1 × true scale</source>
        <translation>%1 × natürliche Größe</translation>
    </message>
    <message>
        <source>f = -- (afocal lens)</source>
        <translation>f = -- (afokale Linse)</translation>
    </message>
    <message>
        <source>f = %1   paraxial focus %2</source>
        <translation>f = %1   paraxialer Brennpunkt %2</translation>
    </message>
    <message>
        <source>traced - paraxial focus %1</source>
        <translation>verfolgter - paraxialer Brennpunkt %1</translation>
    </message>
    <message>
        <source>s = %1   s&apos; = %2 traced, %3 paraxial</source>
        <translation>s = %1   s&apos; = %2 verfolgt, %3 paraxial</translation>
    </message>
    <message>
        <source>infinite</source>
        <translation>unendlich</translation>
    </message>
    <message>
        <source>m = %1 traced, %2 paraxial</source>
        <translation>m = %1 verfolgt, %2 paraxial</translation>
    </message>
    <message>
        <source>blur %1</source>
        <translation>Unschärfe %1</translation>
    </message>
    <message>
        <source>virtual image</source>
        <translation>virtuelles Bild</translation>
    </message>
    <message>
        <source>real image</source>
        <translation>reelles Bild</translation>
    </message>
    <message>
        <source>no image</source>
        <translation>kein Bild</translation>
    </message>
    <message>
        <source>%1° fan: %2 beams</source>
        <translation>%1°-Fächer: %2 Strahlen</translation>
    </message>
    <message>
        <source>%1° fan: %2 beam</source>
        <translation>%1°-Fächer: %2 Strahl</translation>
    </message>
    <message>
        <source>fans at %1, %2, %3, %4 and %5°</source>
        <translation>Fächer bei %1, %2, %3, %4 und %5°</translation>
    </message>
    <message>
        <source>fans at %1</source>
        <translation>Fächer bei %1</translation>
    </message>
    <message>
        <source>beams through the lens at %1</source>
        <translation>Strahlen durch die Linse bei %1</translation>
    </message>
    <message>
        <source>focus %1   width %2   dev %3 (%4%)</source>
        <translation>Brennpunkt %1   Breite %2   dev %3 (%4%)</translation>
    </message>
    <message>
        <source>focus --   width %1   dev -- (--%)</source>
        <translation>Brennpunkt --   Breite %1   dev -- (--%)</translation>
    </message>
    <message>
        <source>%1 inch</source>
        <translation>%1 Zoll</translation>
    </message>
</context>
</TS>
