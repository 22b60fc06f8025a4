<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>e&amp;Xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>script</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>multi-beam</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>single-beam</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lens &amp;Maker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Kill background calc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>focus &amp;Matrix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>focus &amp;Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>open focus &amp;Results…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Basic info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Normal refract table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Face refract table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Slope refract table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Deflection table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Test refract formulas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>test &amp;Ellipse intersect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>test findFocus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>test multi-beam lens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>open trace &amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>open trace &amp;PsView</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>open trace &amp;Listbox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>demo trace messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;HTML help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>h&amp;Elp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Calc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Debug</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>close trace &amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>close trace &amp;PsView</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>close trace &amp;Listbox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Focus Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Focus Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Focus tables (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>focus table written to %1: &lt;a href=&quot;open&quot;&gt;%2&lt;/a&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>open results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step into lens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lens %1,%2,%3,%4 depth %5 %6, index %7: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no focus, unlike the row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>focus %1, dev %2 (%3%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> as in the row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, the row has focus %1, dev %2 (%3%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 trace line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 trace lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 went to the trace file %2: open it to see them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 went to standard error: see Debug &gt; open trace PsView</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No trace file or trace window is open, so trace lines go to the standard error output (the terminal Kelvane was started from).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The trace file %1 holds them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Debug &gt; open trace PsView or open trace Listbox shows trace lines in a window; run the command again once one is open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kelvane shows the chosen language when it starts again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aberration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit rays</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rays inside the glass</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Axis crossing x (units, 100 = 1 inch)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beam height (units)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lens Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Depth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Browse…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Caption under the picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Animated GIF of a script…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG &amp;resolution:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> written to </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SVG picture (*.svg);;PNG image (*.png);;PDF document (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lens Maker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Focus -- %1 spread -- %1 width %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Focus %1 (%2 in) %3 spread %4 (%5 %) %3 width %6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lens read-out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fans 40..0°: %1 %2 %3 %4 %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beams traced in the 40°, 30°, 20°, 10° and 0° fans</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start-up meniscus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Biconvex lens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thin lens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diverging lens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Perfect focus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Aberration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Lenses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Script</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kelvane Lens Demo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>must be above 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>must be 0 or more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>above 0, at most 500</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>enter a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>below the first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>focus %1: no lens in the bounds has a focus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>focus %1: not reached; the nearest is %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Designed lens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Animated GIF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Animated GIF (*.gif)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recording the script: %1 retrace so far</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recording the script: %1 retraces so far</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GIF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Listbox Trace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;ScrollOff</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;ScrollOn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PsView Window Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid max line value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid buffer size value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save in File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>con&amp;Figure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Inspect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Test message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PsView Trace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are already inspecting a message. To analyze another you must close the existing window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a system file, not one to open here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvane::AberrationWnd</name>
    <message>
        <source>&amp;Fixed axes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The axes grow but never shrink while the lens is dragged; a preset, a script or a Focus Results row starts them afresh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where each beam crosses the axis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No focus: no exit ray comes down to the axis</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvane::AboutDialog</name>
    <message>
        <source>About Kelvane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program Version:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updated:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compiled:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvane::ExistingFileDialog</name>
    <message>
        <source>Existing File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This file exists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Append</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvane::FocusResultsPlot</name>
    <message>
        <source>x:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>y:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 shown rows plotted</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvane::FocusResultsWindow</name>
    <message>
        <source>filter, e.g. focus 250-300, devpcnt &lt; 0.005, depth 60</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 rows from %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, swept as %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> with index %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; the last of %1 tables, from line %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; %1 other trace lines passed over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; line %1 was cut short (the table was stopped mid-write) and is passed over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 rows shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a focus table that can be shown:
%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvane::HelpDialog</name>
    <message>
        <source>Kelvane Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvane::LensControl</name>
    <message>
        <source>Copied to the clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Focus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ingress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eccentricity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Egress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refractive Index</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Script</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvane::LensMaker</name>
    <message>
        <source>Focus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Depth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ingress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Egress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Index</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empty values are searched within:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X and Y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Make</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double-click a lens to show it in the lens view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the lens&apos;s script line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check the fields marked in red.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Designing...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 lenses traced in %2 s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No lens in the bounds reaches the focus.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Script line copied.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvane::LensSourceGroup</name>
    <message>
        <source>Light source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parallel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvane::LensUndo</name>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing to redo</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvane::LensViewOptions</name>
    <message>
        <source>&amp;Classroom view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F&amp;ans</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;All fans</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1° fan only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fit to window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;True scale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F&amp;ull screen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvane::LensWnd</name>
    <message>
        <source>para&amp;Meters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xport…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Legend</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvane::PsvConfigDialog</name>
    <message>
        <source>Max Line Length (range 6-254; typ 60)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buffer Size (min 3 * max line length; typ 2048)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
