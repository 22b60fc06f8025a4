<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
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
        <translation>Kelvane – prise en main

Trois choses à essayer :
1. Ouvrir &gt; faisceau unique : la vue de la lentille et la boîte Contrôle de la
   lentille s&apos;ouvrent. Faites glisser un curseur et regardez les rayons se
   courber, le foyer, la largeur et la déviation changer.
2. Ouvrir &gt; multi-faisceaux : la même lentille sous cinq éventails de lumière
   arrivant à 40, 30, 20, 10 et 0 degrés.
3. Dans la vue de la lentille, Lentilles &gt; Foyer parfait, puis Aberration :
   chaque rayon rejoint l&apos;axe en un seul point. Faites glisser un curseur et
   regardez la courbe se déformer.

Touches :
- Alt + la lettre soulignée : ouvre un menu ou appuie sur un bouton
- Ctrl+Z et Ctrl+Y : annuler et rétablir une modification de la lentille
- flèches, Page préc. et Page suiv. : déplacent le curseur qui a le focus
- Alt+? ou Alt+/ : À propos de Kelvane
- Entrée ou Échap : ferme cette boîte

Le guide : Aide &gt; Aide HTML l&apos;affiche, avec les menus, les scripts et les fichiers.
C&apos;est la page %1
</translation>
    </message>
    <message>
        <source>e&amp;Xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>script</source>
        <translation>script</translation>
    </message>
    <message>
        <source>multi-beam</source>
        <translation>multi-faisceaux</translation>
    </message>
    <message>
        <source>single-beam</source>
        <translation>faisceau unique</translation>
    </message>
    <message>
        <source>lens &amp;Maker</source>
        <translation>&amp;Concepteur de lentille</translation>
    </message>
    <message>
        <source>&amp;Kill background calc</source>
        <translation>&amp;Arrêter le calcul de fond</translation>
    </message>
    <message>
        <source>focus &amp;Matrix</source>
        <translation>&amp;Matrice des foyers</translation>
    </message>
    <message>
        <source>focus &amp;Table</source>
        <translation>&amp;Table des foyers</translation>
    </message>
    <message>
        <source>open focus &amp;Results…</source>
        <translation>Ouvrir les &amp;résultats de foyer…</translation>
    </message>
    <message>
        <source>&amp;Basic info</source>
        <translation>&amp;Informations de base</translation>
    </message>
    <message>
        <source>&amp;Normal refract table</source>
        <translation>Table de réfraction (&amp;normale)</translation>
    </message>
    <message>
        <source>&amp;Face refract table</source>
        <translation>Table de réfraction (&amp;face)</translation>
    </message>
    <message>
        <source>&amp;Slope refract table</source>
        <translation>Table de réfraction (&amp;pente)</translation>
    </message>
    <message>
        <source>&amp;Deflection table</source>
        <translation>Table de &amp;déviation</translation>
    </message>
    <message>
        <source>&amp;Test refract formulas</source>
        <translation>&amp;Tester les formules de réfraction</translation>
    </message>
    <message>
        <source>test &amp;Ellipse intersect</source>
        <translation>Tester l&apos;intersection d&apos;&amp;ellipse</translation>
    </message>
    <message>
        <source>test findFocus</source>
        <translation>Tester findFocus</translation>
    </message>
    <message>
        <source>test multi-beam lens</source>
        <translation>Tester la lentille multi-faisceaux</translation>
    </message>
    <message>
        <source>open trace &amp;File</source>
        <translation>Ouvrir le &amp;fichier de trace</translation>
    </message>
    <message>
        <source>open trace &amp;PsView</source>
        <translation>Ouvrir la trace &amp;PsView</translation>
    </message>
    <message>
        <source>open trace &amp;Listbox</source>
        <translation>Ouvrir la trace &amp;Listbox</translation>
    </message>
    <message>
        <source>demo trace messages</source>
        <translation>Messages de trace de démonstration</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>&amp;HTML help</source>
        <translation>Aide &amp;HTML</translation>
    </message>
    <message>
        <source>h&amp;Elp</source>
        <translation>Aide &amp;rapide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Calc</source>
        <translation>&amp;Calcul</translation>
    </message>
    <message>
        <source>&amp;Debug</source>
        <translation>&amp;Débogage</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Paramètres</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>close trace &amp;File</source>
        <translation>Fermer le &amp;fichier de trace</translation>
    </message>
    <message>
        <source>close trace &amp;PsView</source>
        <translation>Fermer la trace &amp;PsView</translation>
    </message>
    <message>
        <source>close trace &amp;Listbox</source>
        <translation>Fermer la trace &amp;Listbox</translation>
    </message>
    <message>
        <source>Focus Results</source>
        <translation>Résultats de foyer</translation>
    </message>
    <message>
        <source>Open Focus Results</source>
        <translation>Ouvrir des résultats de foyer</translation>
    </message>
    <message>
        <source>Focus tables (*.csv)</source>
        <translation>Tables de foyers (*.csv)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <source>focus table written to %1: &lt;a href=&quot;open&quot;&gt;%2&lt;/a&gt;</source>
        <translation>table des foyers écrite dans %1 : &lt;a href=&quot;open&quot;&gt;%2&lt;/a&gt;</translation>
    </message>
    <message>
        <source>open results</source>
        <translation>ouvrir les résultats</translation>
    </message>
    <message>
        <source>Step into lens</source>
        <translation>Passer à la lentille</translation>
    </message>
    <message>
        <source>lens %1,%2,%3,%4 depth %5 %6, index %7: </source>
        <translation>lentille %1,%2,%3,%4 épaisseur %5 %6, indice %7 : </translation>
    </message>
    <message>
        <source>no focus, unlike the row</source>
        <translation>pas de foyer, contrairement à la ligne</translation>
    </message>
    <message>
        <source>focus %1, dev %2 (%3%)</source>
        <translation>foyer %1, dev %2 (%3%)</translation>
    </message>
    <message>
        <source> as in the row</source>
        <translation> comme dans la ligne</translation>
    </message>
    <message>
        <source>, the row has focus %1, dev %2 (%3%)</source>
        <translation>, la ligne a le foyer %1, dev %2 (%3%)</translation>
    </message>
    <message>
        <source>1 trace line</source>
        <translation>1 ligne de trace</translation>
    </message>
    <message>
        <source>%1 trace lines</source>
        <translation>%1 lignes de trace</translation>
    </message>
    <message>
        <source>%1 went to the trace file %2: open it to see them</source>
        <translation>%1 sont allées dans le fichier de trace %2 : ouvrez-le pour les voir</translation>
    </message>
    <message>
        <source>%1 went to standard error: see Debug &gt; open trace PsView</source>
        <translation>%1 sont allées sur la sortie d&apos;erreur : voir Débogage &gt; Ouvrir la trace PsView</translation>
    </message>
    <message>
        <source>No trace file or trace window is open, so trace lines go to the standard error output (the terminal Kelvane was started from).</source>
        <translation>Aucun fichier ni fenêtre de trace n&apos;est ouvert : les lignes de trace vont sur la sortie d&apos;erreur standard (le terminal d&apos;où Kelvane a été lancé).</translation>
    </message>
    <message>
        <source>The trace file %1 holds them.</source>
        <translation>Le fichier de trace %1 les contient.</translation>
    </message>
    <message>
        <source> Debug &gt; open trace PsView or open trace Listbox shows trace lines in a window; run the command again once one is open.</source>
        <translation> Débogage &gt; Ouvrir la trace PsView ou Ouvrir la trace Listbox affiche les lignes de trace dans une fenêtre ; relancez la commande une fois l&apos;une d&apos;elles ouverte.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Kelvane shows the chosen language when it starts again.</source>
        <translation>Kelvane affichera la langue choisie au prochain démarrage.</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>Aberration</source>
        <translation>Aberration</translation>
    </message>
    <message>
        <source>Exit rays</source>
        <translation>Rayons sortants</translation>
    </message>
    <message>
        <source>Rays inside the glass</source>
        <translation>Rayons dans le verre</translation>
    </message>
    <message>
        <source>Axis crossing x (units, 100 = 1 inch)</source>
        <translation>Croisement de l&apos;axe x (unités, 100 = 1 pouce)</translation>
    </message>
    <message>
        <source>Beam height (units)</source>
        <translation>Hauteur du rayon (unités)</translation>
    </message>
    <message>
        <source>Lens Control</source>
        <translation>Contrôle de la lentille</translation>
    </message>
    <message>
        <source>Depth</source>
        <translation>Épais.</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Verrouiller</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Remplissage</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>&amp;Browse…</source>
        <translation>&amp;Parcourir…</translation>
    </message>
    <message>
        <source>&amp;Caption under the picture</source>
        <translation>&amp;Légende sous l&apos;image</translation>
    </message>
    <message>
        <source>Animated GIF of a script…</source>
        <translation>GIF animé d&apos;un script…</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>&amp;Fichier :</translation>
    </message>
    <message>
        <source>PNG &amp;resolution:</source>
        <translation>&amp;Résolution PNG :</translation>
    </message>
    <message>
        <source> written to </source>
        <translation> écrit dans </translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>SVG picture (*.svg);;PNG image (*.png);;PDF document (*.pdf)</source>
        <translation>Image SVG (*.svg);;Image PNG (*.png);;Document PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Lens Maker</source>
        <translation>Concepteur de lentille</translation>
    </message>
    <message>
        <source>Focus -- %1 spread -- %1 width %2</source>
        <translation>Foyer -- %1 étalement -- %1 largeur %2</translation>
    </message>
    <message>
        <source>Lens read-out</source>
        <translation>Lecture de la lentille</translation>
    </message>
    <message>
        <source>Fans 40..0°: %1 %2 %3 %4 %5</source>
        <translation>Éventails 40..0° : %1 %2 %3 %4 %5</translation>
    </message>
    <message>
        <source>Beams traced in the 40°, 30°, 20°, 10° and 0° fans</source>
        <translation>Rayons tracés dans les éventails à 40°, 30°, 20°, 10° et 0°</translation>
    </message>
    <message>
        <source>Start-up meniscus</source>
        <translation>Ménisque de départ</translation>
    </message>
    <message>
        <source>Biconvex lens</source>
        <translation>Lentille biconvexe</translation>
    </message>
    <message>
        <source>Thin lens</source>
        <translation>Lentille mince</translation>
    </message>
    <message>
        <source>Diverging lens</source>
        <translation>Lentille divergente</translation>
    </message>
    <message>
        <source>Perfect focus</source>
        <translation>Foyer parfait</translation>
    </message>
    <message>
        <source>&amp;Aberration</source>
        <translation>&amp;Aberration</translation>
    </message>
    <message>
        <source>&amp;Lenses</source>
        <translation>&amp;Lentilles</translation>
    </message>
    <message>
        <source>Script</source>
        <translation>Script</translation>
    </message>
    <message>
        <source>Kelvane Lens Demo</source>
        <translation>Kelvane – démonstration de lentille</translation>
    </message>
    <message>
        <source>must be above 0</source>
        <translation>doit être supérieur à 0</translation>
    </message>
    <message>
        <source>must be 0 or more</source>
        <translation>doit être au moins 0</translation>
    </message>
    <message>
        <source>above 0, at most 500</source>
        <translation>supérieur à 0, au plus 500</translation>
    </message>
    <message>
        <source>enter a number</source>
        <translation>saisissez un nombre</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>pas un nombre</translation>
    </message>
    <message>
        <source>below the first</source>
        <translation>inférieur au premier</translation>
    </message>
    <message>
        <source>focus %1: no lens in the bounds has a focus</source>
        <translation>foyer %1 : aucune lentille dans les bornes n&apos;a de foyer</translation>
    </message>
    <message>
        <source>focus %1: not reached; the nearest is %2</source>
        <translation>foyer %1 : non atteint ; le plus proche est %2</translation>
    </message>
    <message>
        <source>Designed lens</source>
        <translation>Lentille conçue</translation>
    </message>
    <message>
        <source>Move object</source>
        <translation>Déplacer l&apos;objet</translation>
    </message>
    <message>
        <source>Animated GIF</source>
        <translation>GIF animé</translation>
    </message>
    <message>
        <source>Animated GIF (*.gif)</source>
        <translation>GIF animé (*.gif)</translation>
    </message>
    <message>
        <source>Recording the script: %1 retrace so far</source>
        <translation>Enregistrement du script : %1 retraçage jusqu&apos;ici</translation>
    </message>
    <message>
        <source>Recording the script: %1 retraces so far</source>
        <translation>Enregistrement du script : %1 retraçages jusqu&apos;ici</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>GIF</source>
        <translation>GIF</translation>
    </message>
    <message>
        <source>Listbox Trace</source>
        <translation>Trace Listbox</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Effacer</translation>
    </message>
    <message>
        <source>&amp;ScrollOff</source>
        <translation>&amp;Défilement désactivé</translation>
    </message>
    <message>
        <source>&amp;ScrollOn</source>
        <translation>&amp;Défilement activé</translation>
    </message>
    <message>
        <source>PsView Window Configuration</source>
        <translation>Configuration de la fenêtre PsView</translation>
    </message>
    <message>
        <source>Invalid max line value</source>
        <translation>Longueur de ligne maximale invalide</translation>
    </message>
    <message>
        <source>Invalid buffer size value</source>
        <translation>Taille de tampon invalide</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Save in File</source>
        <translation>Enregistrer dans un fichier</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>con&amp;Figure</source>
        <translation>&amp;Configurer</translation>
    </message>
    <message>
        <source>&amp;Inspect</source>
        <translation>&amp;Inspecter</translation>
    </message>
    <message>
        <source>&amp;Test message</source>
        <translation>Message de &amp;test</translation>
    </message>
    <message>
        <source>PsView Trace</source>
        <translation>Trace PsView</translation>
    </message>
    <message>
        <source>You are already inspecting a message. To analyze another you must close the existing window.</source>
        <translation>Vous inspectez déjà un message. Pour en analyser un autre, fermez d&apos;abord la fenêtre existante.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file.</source>
        <translation>« %1 » n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a system file, not one to open here.</source>
        <translation>« %1 » est un fichier système, qui ne s&apos;ouvre pas ici.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Script</source>
        <translation>&amp;Script</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Arrêt</translation>
    </message>
    <message>
        <source>re&amp;Sume</source>
        <translation>&amp;Reprise</translation>
    </message>
    <message>
        <source>Focus %1 (%2 in) %3 spread %4 (%5 %) %3%7 width %6</source>
        <translation>Foyer %1 (%2 po) %3 étalement %4 (%5 %) %3%7 largeur %6</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisé</translation>
    </message>
</context>
<context>
    <name>kelvane::AberrationWnd</name>
    <message>
        <source>&amp;Fixed axes</source>
        <translation>Axes &amp;fixes</translation>
    </message>
    <message>
        <source>The axes grow but never shrink while the lens is dragged; a preset, a script or a Focus Results row starts them afresh</source>
        <translation>Les axes s&apos;agrandissent sans jamais rétrécir pendant qu&apos;on modifie la lentille ; un préréglage, un script ou une ligne des résultats de foyer les réinitialise</translation>
    </message>
    <message>
        <source>Where each beam crosses the axis</source>
        <translation>Où chaque rayon croise l&apos;axe</translation>
    </message>
    <message>
        <source>No focus: no exit ray comes down to the axis</source>
        <translation>Pas de foyer : aucun rayon sortant ne rejoint l&apos;axe</translation>
    </message>
</context>
<context>
    <name>kelvane::AboutDialog</name>
    <message>
        <source>About Kelvane</source>
        <translation>À propos de Kelvane</translation>
    </message>
    <message>
        <source>Program Version:</source>
        <translation>Version du programme :</translation>
    </message>
    <message>
        <source>Updated:</source>
        <translation>Mis à jour :</translation>
    </message>
    <message>
        <source>Compiled:</source>
        <translation>Compilé :</translation>
    </message>
</context>
<context>
    <name>kelvane::ExistingFileDialog</name>
    <message>
        <source>Existing File</source>
        <translation>Fichier existant</translation>
    </message>
    <message>
        <source>This file exists</source>
        <translation>Ce fichier existe</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Écraser</translation>
    </message>
    <message>
        <source>Append</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>kelvane::FocusResultsPlot</name>
    <message>
        <source>x:</source>
        <translation>x :</translation>
    </message>
    <message>
        <source>y:</source>
        <translation>y :</translation>
    </message>
    <message>
        <source>%1 points</source>
        <translation>%1 points</translation>
    </message>
    <message>
        <source>%1 of %2 shown rows plotted</source>
        <translation>%1 des %2 lignes affichées tracées</translation>
    </message>
</context>
<context>
    <name>kelvane::FocusResultsWindow</name>
    <message>
        <source>filter, e.g. focus 250-300, devpcnt &lt; 0.005, depth 60</source>
        <translation>filtre, p. ex. focus 250-300, devpcnt &lt; 0.005, depth 60</translation>
    </message>
    <message>
        <source>%1 rows from %2</source>
        <translation>%1 lignes de %2</translation>
    </message>
    <message>
        <source>, swept as %1</source>
        <translation>, balayées en %1</translation>
    </message>
    <message>
        <source> with index %1</source>
        <translation> avec l&apos;indice %1</translation>
    </message>
    <message>
        <source>; the last of %1 tables, from line %2</source>
        <translation>; la dernière de %1 tables, à partir de la ligne %2</translation>
    </message>
    <message>
        <source>; %1 other trace lines passed over</source>
        <translation>; %1 autres lignes de trace ignorées</translation>
    </message>
    <message>
        <source>; line %1 was cut short (the table was stopped mid-write) and is passed over</source>
        <translation>; la ligne %1 est tronquée (la table a été arrêtée en cours d&apos;écriture) et est ignorée</translation>
    </message>
    <message>
        <source>%1 of %2 rows shown</source>
        <translation>%1 lignes affichées sur %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a focus table that can be shown:
%2</source>
        <translation>« %1 » n&apos;est pas une table de foyers affichable :
%2</translation>
    </message>
</context>
<context>
    <name>kelvane::HelpDialog</name>
    <message>
        <source>Kelvane Help</source>
        <translation>Aide de Kelvane</translation>
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
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Glass</source>
        <translation>Verre</translation>
    </message>
    <message>
        <source>Custom: the Refractive Index field, the same for every colour; a catalogue glass bends blue more than red</source>
        <translation>Personnalisé : l&apos;indice du champ Indice de réfraction, le même pour toutes les couleurs ; un verre du catalogue dévie le bleu plus que le rouge</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Milieu</translation>
    </message>
    <message>
        <source>air</source>
        <translation>air</translation>
    </message>
    <message>
        <source>water</source>
        <translation>eau</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Lum.</translation>
    </message>
    <message>
        <source>One wavelength</source>
        <translation>Monochrome</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanche</translation>
    </message>
    <message>
        <source>Wavelength</source>
        <translation>Longueur d&apos;onde</translation>
    </message>
    <message>
        <source>white light</source>
        <translation>lumière blanche</translation>
    </message>
    <message>
        <source>Not changed</source>
        <translation>Inchangé</translation>
    </message>
</context>
<context>
    <name>kelvane::LensControl</name>
    <message>
        <source>Copied to the clipboard</source>
        <translation>Copié dans le presse-papiers</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>Foyer</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>Ingress</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>Eccentricity</source>
        <translation>Excentricité</translation>
    </message>
    <message>
        <source>Egress</source>
        <translation>Sortie</translation>
    </message>
    <message>
        <source>&amp;Lock</source>
        <translation>&amp;Fixe</translation>
    </message>
    <message>
        <source>Refractive Index</source>
        <translation>Indice de réfr.</translation>
    </message>
    <message>
        <source>Multi</source>
        <translation>Multi</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Sauver</translation>
    </message>
    <message>
        <source>&amp;Script</source>
        <translation>&amp;Script</translation>
    </message>
</context>
<context>
    <name>kelvane::LensMaker</name>
    <message>
        <source>Focus</source>
        <translation>Foyer</translation>
    </message>
    <message>
        <source>Depth</source>
        <translation>Épais.</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>Ingress</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>Egress</source>
        <translation>Sortie</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>Empty values are searched within:</source>
        <translation>Les valeurs vides sont cherchées entre :</translation>
    </message>
    <message>
        <source>X and Y</source>
        <translation>X et Y</translation>
    </message>
    <message>
        <source>to</source>
        <translation>à</translation>
    </message>
    <message>
        <source>&amp;Make</source>
        <translation>&amp;Lancer</translation>
    </message>
    <message>
        <source>Double-click a lens to show it in the lens view</source>
        <translation>Double-cliquez sur une lentille pour l&apos;afficher dans la vue de la lentille</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Copy the lens&apos;s script line</source>
        <translation>Copier la ligne de script de la lentille</translation>
    </message>
    <message>
        <source>Check the fields marked in red.</source>
        <translation>Vérifiez les champs marqués en rouge.</translation>
    </message>
    <message>
        <source>Designing...</source>
        <translation>Conception en cours...</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Arrêté.</translation>
    </message>
    <message>
        <source>%1 lenses traced in %2 s.</source>
        <translation>%1 lentilles tracées en %2 s.</translation>
    </message>
    <message>
        <source>No lens in the bounds reaches the focus.</source>
        <translation>Aucune lentille dans les bornes n&apos;atteint le foyer.</translation>
    </message>
    <message>
        <source>Script line copied.</source>
        <translation>Ligne de script copiée.</translation>
    </message>
</context>
<context>
    <name>kelvane::LensSourceGroup</name>
    <message>
        <source>Light source</source>
        <translation>Source lumineuse</translation>
    </message>
    <message>
        <source>Parallel</source>
        <translation>Parall.</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Point</translation>
    </message>
    <message>
        <source>Object</source>
        <translation>Objet</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Haut.</translation>
    </message>
</context>
<context>
    <name>kelvane::LensUndo</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Undo </source>
        <translation>Annuler : </translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>Rien à annuler</translation>
    </message>
    <message>
        <source>Redo </source>
        <translation>Rétablir : </translation>
    </message>
    <message>
        <source>Nothing to redo</source>
        <translation>Rien à rétablir</translation>
    </message>
</context>
<context>
    <name>kelvane::LensViewOptions</name>
    <message>
        <source>&amp;Classroom view</source>
        <translation>Vue &amp;classe</translation>
    </message>
    <message>
        <source>F&amp;ans</source>
        <translation>É&amp;ventails</translation>
    </message>
    <message>
        <source>&amp;All fans</source>
        <translation>&amp;Tous les éventails</translation>
    </message>
    <message>
        <source>%1° fan only</source>
        <translation>Éventail à %1° seul</translation>
    </message>
    <message>
        <source>&amp;Fit to window</source>
        <translation>&amp;Ajuster à la fenêtre</translation>
    </message>
    <message>
        <source>&amp;True scale</source>
        <translation>&amp;Échelle réelle</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>Zoom &amp;avant</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>F&amp;ull screen</source>
        <translation>&amp;Plein écran</translation>
    </message>
</context>
<context>
    <name>kelvane::LensWnd</name>
    <message>
        <source>para&amp;Meters</source>
        <translation>&amp;Paramètres</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>E&amp;xport…</source>
        <translation>E&amp;xporter…</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Legend</source>
        <translation>&amp;Légende</translation>
    </message>
</context>
<context>
    <name>kelvane::PsvConfigDialog</name>
    <message>
        <source>Max Line Length (range 6-254; typ 60)</source>
        <translation>Longueur de ligne max. (6-254 ; typ. 60)</translation>
    </message>
    <message>
        <source>Buffer Size (min 3 * max line length; typ 2048)</source>
        <translation>Taille du tampon (min. 3 * longueur max. ; typ. 2048)</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>kelvane::draw</name>
    <message>
        <source>beams through the lens</source>
        <translation>faisceaux à travers la lentille</translation>
    </message>
    <message>
        <source>rays bent by the ingress face alone</source>
        <translation>rayons déviés par la seule face d&apos;entrée</translation>
    </message>
    <message>
        <source>far focus of the ingress ellipse</source>
        <translation>foyer lointain de l&apos;ellipse d&apos;entrée</translation>
    </message>
    <message>
        <source>centre depth</source>
        <translation>épaisseur au centre</translation>
    </message>
    <message>
        <source>paraxial focus (lens equation)</source>
        <translation>foyer paraxial (équation des lentilles)</translation>
    </message>
    <message>
        <source>white light before the lens</source>
        <translation>lumière blanche avant la lentille</translation>
    </message>
    <message>
        <source>object</source>
        <translation>objet</translation>
    </message>
    <message>
        <source>point source</source>
        <translation>source ponctuelle</translation>
    </message>
    <message>
        <source>rays from the object&apos;s foot</source>
        <translation>rayons issus du pied de l&apos;objet</translation>
    </message>
    <message>
        <source>rays from the point</source>
        <translation>rayons issus du point</translation>
    </message>
    <message>
        <source>rays from the object&apos;s tip</source>
        <translation>rayons issus de la pointe de l&apos;objet</translation>
    </message>
    <message>
        <source>virtual image (traced)</source>
        <translation>image virtuelle (tracée)</translation>
    </message>
    <message>
        <source>real image (traced)</source>
        <translation>image réelle (tracée)</translation>
    </message>
    <message>
        <source>paraxial image (diamond)</source>
        <translation>image paraxiale (losange)</translation>
    </message>
    <message>
        <source>glass</source>
        <translation>verre</translation>
    </message>
    <message>
        <source>axis</source>
        <translation>axe</translation>
    </message>
    <message>
        <source>dotted upright: the ingress vertex</source>
        <translation>verticale pointillée : le sommet d&apos;entrée</translation>
    </message>
    <message>
        <source>below the axis: the upper half mirrored</source>
        <translation>sous l&apos;axe : la moitié supérieure en miroir</translation>
    </message>
    <message>
        <source>mean focus</source>
        <translation>foyer moyen</translation>
    </message>
    <message>
        <source>V: nearest crossing to farthest crossing</source>
        <translation>V : croisement le plus proche au plus lointain</translation>
    </message>
    <message>
        <source>V: nearest crossing to farthest crossing (green)</source>
        <translation>V : croisement le plus proche au plus lointain (vert)</translation>
    </message>
    <message>
        <source>%1 × true scale</source>
        <translation>%1 × l&apos;échelle réelle</translation>
    </message>
    <message>
        <source>f = -- (afocal lens)</source>
        <translation>f = -- (lentille afocale)</translation>
    </message>
    <message>
        <source>f = %1   paraxial focus %2</source>
        <translation>f = %1   foyer paraxial %2</translation>
    </message>
    <message>
        <source>traced - paraxial focus %1</source>
        <translation>foyer tracé - paraxial %1</translation>
    </message>
    <message>
        <source>s = %1   s&apos; = %2 traced, %3 paraxial</source>
        <translation>s = %1   s&apos; = %2 tracé, %3 paraxial</translation>
    </message>
    <message>
        <source>infinite</source>
        <translation>infini</translation>
    </message>
    <message>
        <source>m = %1 traced, %2 paraxial</source>
        <translation>m = %1 tracé, %2 paraxial</translation>
    </message>
    <message>
        <source>blur %1</source>
        <translation>flou %1</translation>
    </message>
    <message>
        <source>virtual image</source>
        <translation>image virtuelle</translation>
    </message>
    <message>
        <source>real image</source>
        <translation>image réelle</translation>
    </message>
    <message>
        <source>no image</source>
        <translation>pas d&apos;image</translation>
    </message>
    <message>
        <source>%1° fan: %2 beams</source>
        <translation>éventail à %1° : %2 faisceaux</translation>
    </message>
    <message>
        <source>%1° fan: %2 beam</source>
        <translation>éventail à %1° : %2 faisceau</translation>
    </message>
    <message>
        <source>fans at %1, %2, %3, %4 and %5°</source>
        <translation>éventails à %1, %2, %3, %4 et %5°</translation>
    </message>
    <message>
        <source>fans at %1</source>
        <translation>éventails à %1</translation>
    </message>
    <message>
        <source>beams through the lens at %1</source>
        <translation>faisceaux à travers la lentille à %1</translation>
    </message>
    <message>
        <source>focus %1   width %2   dev %3 (%4%)</source>
        <translation>foyer %1   largeur %2   dev %3 (%4%)</translation>
    </message>
    <message>
        <source>focus --   width %1   dev -- (--%)</source>
        <translation>foyer --   largeur %1   dev -- (--%)</translation>
    </message>
    <message>
        <source>%1 inch</source>
        <translation>%1 pouce</translation>
    </message>
</context>
</TS>
