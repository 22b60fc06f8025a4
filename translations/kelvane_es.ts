<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
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
        <translation>Kelvane: primeros pasos

Tres cosas para probar:
1. Abrir &gt; haz único: se abren la vista de la lente y el diálogo Control de la
   lente. Arrastre un deslizador y observe cómo se desvían los rayos y cambian
   el foco, la anchura y la desviación.
2. Abrir &gt; multihaz: la misma lente bajo cinco abanicos de luz que llegan a
   40, 30, 20, 10 y 0 grados.
3. En la vista de la lente, Lentes &gt; Foco perfecto y luego Aberración: todos
   los rayos cortan el eje en un mismo punto. Arrastre un deslizador y observe
   cómo se curva la gráfica.

Teclas:
- Alt + la letra subrayada: abre un menú o pulsa un botón
- Ctrl+Z y Ctrl+Y: deshacer y rehacer un cambio de la lente
- flechas, Re Pág y Av Pág: mueven el deslizador que tiene el foco
- Alt+? o Alt+/: Acerca de Kelvane
- Intro o Escape: cierra este cuadro

La guía: Ayuda &gt; Ayuda HTML la muestra, con los menús, los scripts y los archivos.
Es la página %1
</translation>
    </message>
    <message>
        <source>e&amp;Xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>script</source>
        <translation>script</translation>
    </message>
    <message>
        <source>multi-beam</source>
        <translation>multihaz</translation>
    </message>
    <message>
        <source>single-beam</source>
        <translation>haz único</translation>
    </message>
    <message>
        <source>lens &amp;Maker</source>
        <translation>&amp;Diseñador de lentes</translation>
    </message>
    <message>
        <source>&amp;Kill background calc</source>
        <translation>&amp;Detener cálculo de fondo</translation>
    </message>
    <message>
        <source>focus &amp;Matrix</source>
        <translation>&amp;Matriz de focos</translation>
    </message>
    <message>
        <source>focus &amp;Table</source>
        <translation>&amp;Tabla de focos</translation>
    </message>
    <message>
        <source>open focus &amp;Results…</source>
        <translation>Abrir &amp;resultados de foco…</translation>
    </message>
    <message>
        <source>&amp;Basic info</source>
        <translation>&amp;Información básica</translation>
    </message>
    <message>
        <source>&amp;Normal refract table</source>
        <translation>Tabla de refracción (&amp;normal)</translation>
    </message>
    <message>
        <source>&amp;Face refract table</source>
        <translation>Tabla de refracción (&amp;cara)</translation>
    </message>
    <message>
        <source>&amp;Slope refract table</source>
        <translation>Tabla de refracción (&amp;pendiente)</translation>
    </message>
    <message>
        <source>&amp;Deflection table</source>
        <translation>Tabla de &amp;desviación</translation>
    </message>
    <message>
        <source>&amp;Test refract formulas</source>
        <translation>&amp;Probar fórmulas de refracción</translation>
    </message>
    <message>
        <source>test &amp;Ellipse intersect</source>
        <translation>Probar intersección de &amp;elipse</translation>
    </message>
    <message>
        <source>test findFocus</source>
        <translation>Probar findFocus</translation>
    </message>
    <message>
        <source>test multi-beam lens</source>
        <translation>Probar lente multihaz</translation>
    </message>
    <message>
        <source>open trace &amp;File</source>
        <translation>Abrir &amp;archivo de traza</translation>
    </message>
    <message>
        <source>open trace &amp;PsView</source>
        <translation>Abrir traza &amp;PsView</translation>
    </message>
    <message>
        <source>open trace &amp;Listbox</source>
        <translation>Abrir traza &amp;Listbox</translation>
    </message>
    <message>
        <source>demo trace messages</source>
        <translation>Mensajes de traza de ejemplo</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>&amp;HTML help</source>
        <translation>Ayuda &amp;HTML</translation>
    </message>
    <message>
        <source>h&amp;Elp</source>
        <translation>Ayuda &amp;rápida</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>A&amp;brir</translation>
    </message>
    <message>
        <source>&amp;Calc</source>
        <translation>&amp;Cálculo</translation>
    </message>
    <message>
        <source>&amp;Debug</source>
        <translation>&amp;Depuración</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Preferencias</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>close trace &amp;File</source>
        <translation>Cerrar &amp;archivo de traza</translation>
    </message>
    <message>
        <source>close trace &amp;PsView</source>
        <translation>Cerrar traza &amp;PsView</translation>
    </message>
    <message>
        <source>close trace &amp;Listbox</source>
        <translation>Cerrar traza &amp;Listbox</translation>
    </message>
    <message>
        <source>Focus Results</source>
        <translation>Resultados de foco</translation>
    </message>
    <message>
        <source>Open Focus Results</source>
        <translation>Abrir resultados de foco</translation>
    </message>
    <message>
        <source>Focus tables (*.csv)</source>
        <translation>Tablas de focos (*.csv)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Todos los archivos (*.*)</translation>
    </message>
    <message>
        <source>focus table written to %1: &lt;a href=&quot;open&quot;&gt;%2&lt;/a&gt;</source>
        <translation>tabla de focos escrita en %1: &lt;a href=&quot;open&quot;&gt;%2&lt;/a&gt;</translation>
    </message>
    <message>
        <source>open results</source>
        <translation>abrir resultados</translation>
    </message>
    <message>
        <source>Step into lens</source>
        <translation>Ir a la lente</translation>
    </message>
    <message>
        <source>lens %1,%2,%3,%4 depth %5 %6, index %7: </source>
        <translation>lente %1,%2,%3,%4 espesor %5 %6, índice %7: </translation>
    </message>
    <message>
        <source>no focus, unlike the row</source>
        <translation>sin foco, a diferencia de la fila</translation>
    </message>
    <message>
        <source>focus %1, dev %2 (%3%)</source>
        <translation>foco %1, dev %2 (%3%)</translation>
    </message>
    <message>
        <source> as in the row</source>
        <translation> como en la fila</translation>
    </message>
    <message>
        <source>, the row has focus %1, dev %2 (%3%)</source>
        <translation>, la fila tiene foco %1, dev %2 (%3%)</translation>
    </message>
    <message>
        <source>1 trace line</source>
        <translation>1 línea de traza</translation>
    </message>
    <message>
        <source>%1 trace lines</source>
        <translation>%1 líneas de traza</translation>
    </message>
    <message>
        <source>%1 went to the trace file %2: open it to see them</source>
        <translation>%1 fueron al archivo de traza %2: ábralo para verlas</translation>
    </message>
    <message>
        <source>%1 went to standard error: see Debug &gt; open trace PsView</source>
        <translation>%1 fueron a la salida de error: vea Depuración &gt; Abrir traza PsView</translation>
    </message>
    <message>
        <source>No trace file or trace window is open, so trace lines go to the standard error output (the terminal Kelvane was started from).</source>
        <translation>No hay ningún archivo ni ventana de traza abiertos, así que las líneas de traza van a la salida de error estándar (la terminal desde la que se inició Kelvane).</translation>
    </message>
    <message>
        <source>The trace file %1 holds them.</source>
        <translation>El archivo de traza %1 las contiene.</translation>
    </message>
    <message>
        <source> Debug &gt; open trace PsView or open trace Listbox shows trace lines in a window; run the command again once one is open.</source>
        <translation> Depuración &gt; Abrir traza PsView o Abrir traza Listbox muestra las líneas de traza en una ventana; ejecute de nuevo la orden cuando haya una abierta.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Kelvane shows the chosen language when it starts again.</source>
        <translation>Kelvane mostrará el idioma elegido la próxima vez que se inicie.</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Aberration</source>
        <translation>Aberración</translation>
    </message>
    <message>
        <source>Exit rays</source>
        <translation>Rayos de salida</translation>
    </message>
    <message>
        <source>Rays inside the glass</source>
        <translation>Rayos dentro del vidrio</translation>
    </message>
    <message>
        <source>Axis crossing x (units, 100 = 1 inch)</source>
        <translation>Cruce del eje x (unidades, 100 = 1 pulgada)</translation>
    </message>
    <message>
        <source>Beam height (units)</source>
        <translation>Altura del rayo (unidades)</translation>
    </message>
    <message>
        <source>Lens Control</source>
        <translation>Control de la lente</translation>
    </message>
    <message>
        <source>Depth</source>
        <translation>Grosor</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Bloquear</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Relleno</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>&amp;Browse…</source>
        <translation>&amp;Examinar…</translation>
    </message>
    <message>
        <source>&amp;Caption under the picture</source>
        <translation>&amp;Leyenda bajo la imagen</translation>
    </message>
    <message>
        <source>Animated GIF of a script…</source>
        <translation>GIF animado de un script…</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>&amp;Archivo:</translation>
    </message>
    <message>
        <source>PNG &amp;resolution:</source>
        <translation>&amp;Resolución PNG:</translation>
    </message>
    <message>
        <source> written to </source>
        <translation> escrito en </translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>SVG picture (*.svg);;PNG image (*.png);;PDF document (*.pdf)</source>
        <translation>Imagen SVG (*.svg);;Imagen PNG (*.png);;Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Lens Maker</source>
        <translation>Diseñador de lentes</translation>
    </message>
    <message>
        <source>Focus -- %1 spread -- %1 width %2</source>
        <translation>Foco -- %1 dispersión -- %1 anchura %2</translation>
    </message>
    <message>
        <source>Lens read-out</source>
        <translation>Lectura de la lente</translation>
    </message>
    <message>
        <source>Fans 40..0°: %1 %2 %3 %4 %5</source>
        <translation>Abanicos 40..0°: %1 %2 %3 %4 %5</translation>
    </message>
    <message>
        <source>Beams traced in the 40°, 30°, 20°, 10° and 0° fans</source>
        <translation>Rayos trazados en los abanicos de 40°, 30°, 20°, 10° y 0°</translation>
    </message>
    <message>
        <source>Start-up meniscus</source>
        <translation>Menisco inicial</translation>
    </message>
    <message>
        <source>Biconvex lens</source>
        <translation>Lente biconvexa</translation>
    </message>
    <message>
        <source>Thin lens</source>
        <translation>Lente delgada</translation>
    </message>
    <message>
        <source>Diverging lens</source>
        <translation>Lente divergente</translation>
    </message>
    <message>
        <source>Perfect focus</source>
        <translation>Foco perfecto</translation>
    </message>
    <message>
        <source>&amp;Aberration</source>
        <translation>&amp;Aberración</translation>
    </message>
    <message>
        <source>&amp;Lenses</source>
        <translation>&amp;Lentes</translation>
    </message>
    <message>
        <source>Script</source>
        <translation>Script</translation>
    </message>
    <message>
        <source>Kelvane Lens Demo</source>
        <translation>Kelvane – demostración de lentes</translation>
    </message>
    <message>
        <source>must be above 0</source>
        <translation>debe ser mayor que 0</translation>
    </message>
    <message>
        <source>must be 0 or more</source>
        <translation>debe ser 0 o más</translation>
    </message>
    <message>
        <source>above 0, at most 500</source>
        <translation>mayor que 0, como máximo 500</translation>
    </message>
    <message>
        <source>enter a number</source>
        <translation>introduzca un número</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>no es un número</translation>
    </message>
    <message>
        <source>below the first</source>
        <translation>menor que el primero</translation>
    </message>
    <message>
        <source>focus %1: no lens in the bounds has a focus</source>
        <translation>foco %1: ninguna lente dentro de los límites tiene foco</translation>
    </message>
    <message>
        <source>focus %1: not reached; the nearest is %2</source>
        <translation>foco %1: no alcanzado; el más cercano es %2</translation>
    </message>
    <message>
        <source>Designed lens</source>
        <translation>Lente diseñada</translation>
    </message>
    <message>
        <source>Move object</source>
        <translation>Mover el objeto</translation>
    </message>
    <message>
        <source>Animated GIF</source>
        <translation>GIF animado</translation>
    </message>
    <message>
        <source>Animated GIF (*.gif)</source>
        <translation>GIF animado (*.gif)</translation>
    </message>
    <message>
        <source>Recording the script: %1 retrace so far</source>
        <translation>Grabando el script: %1 retrazado hasta ahora</translation>
    </message>
    <message>
        <source>Recording the script: %1 retraces so far</source>
        <translation>Grabando el script: %1 retrazados hasta ahora</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>GIF</source>
        <translation>GIF</translation>
    </message>
    <message>
        <source>Listbox Trace</source>
        <translation>Traza Listbox</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>&amp;ScrollOff</source>
        <translation>&amp;Desplazamiento no</translation>
    </message>
    <message>
        <source>&amp;ScrollOn</source>
        <translation>&amp;Desplazamiento sí</translation>
    </message>
    <message>
        <source>PsView Window Configuration</source>
        <translation>Configuración de la ventana PsView</translation>
    </message>
    <message>
        <source>Invalid max line value</source>
        <translation>Longitud máxima de línea no válida</translation>
    </message>
    <message>
        <source>Invalid buffer size value</source>
        <translation>Tamaño de búfer no válido</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Save in File</source>
        <translation>Guardar en archivo</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>con&amp;Figure</source>
        <translation>&amp;Configurar</translation>
    </message>
    <message>
        <source>&amp;Inspect</source>
        <translation>&amp;Inspeccionar</translation>
    </message>
    <message>
        <source>&amp;Test message</source>
        <translation>Mensaje de &amp;prueba</translation>
    </message>
    <message>
        <source>PsView Trace</source>
        <translation>Traza PsView</translation>
    </message>
    <message>
        <source>You are already inspecting a message. To analyze another you must close the existing window.</source>
        <translation>Ya está inspeccionando un mensaje. Para analizar otro, cierre primero la ventana existente.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file.</source>
        <translation>«%1» no es un archivo normal.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a system file, not one to open here.</source>
        <translation>«%1» es un archivo del sistema que no se abre aquí.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>&amp;Script</source>
        <translation>&amp;Script</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <source>re&amp;Sume</source>
        <translation>&amp;Seguir</translation>
    </message>
    <message>
        <source>Focus %1 (%2 in) %3 spread %4 (%5 %) %3%7 width %6</source>
        <translation>Foco %1 (%2 pulg.) %3 dispersión %4 (%5 %) %3%7 anchura %6</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Propio</translation>
    </message>
</context>
<context>
    <name>kelvane::AberrationWnd</name>
    <message>
        <source>&amp;Fixed axes</source>
        <translation>Ejes &amp;fijos</translation>
    </message>
    <message>
        <source>The axes grow but never shrink while the lens is dragged; a preset, a script or a Focus Results row starts them afresh</source>
        <translation>Los ejes crecen pero nunca se reducen mientras se arrastra la lente; una lente predefinida, un script o una fila de Resultados de foco los reinician</translation>
    </message>
    <message>
        <source>Where each beam crosses the axis</source>
        <translation>Dónde cruza cada rayo el eje</translation>
    </message>
    <message>
        <source>No focus: no exit ray comes down to the axis</source>
        <translation>Sin foco: ningún rayo de salida llega al eje</translation>
    </message>
</context>
<context>
    <name>kelvane::AboutDialog</name>
    <message>
        <source>About Kelvane</source>
        <translation>Acerca de Kelvane</translation>
    </message>
    <message>
        <source>Program Version:</source>
        <translation>Versión del programa:</translation>
    </message>
    <message>
        <source>Updated:</source>
        <translation>Actualizado:</translation>
    </message>
    <message>
        <source>Compiled:</source>
        <translation>Compilado:</translation>
    </message>
</context>
<context>
    <name>kelvane::ExistingFileDialog</name>
    <message>
        <source>Existing File</source>
        <translation>Archivo existente</translation>
    </message>
    <message>
        <source>This file exists</source>
        <translation>Este archivo existe</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Sobrescribir</translation>
    </message>
    <message>
        <source>Append</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
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
        <translation>%1 puntos</translation>
    </message>
    <message>
        <source>%1 of %2 shown rows plotted</source>
        <translation>%1 de %2 filas mostradas representadas</translation>
    </message>
</context>
<context>
    <name>kelvane::FocusResultsWindow</name>
    <message>
        <source>filter, e.g. focus 250-300, devpcnt &lt; 0.005, depth 60</source>
        <translation>filtro, p. ej. focus 250-300, devpcnt &lt; 0.005, depth 60</translation>
    </message>
    <message>
        <source>%1 rows from %2</source>
        <translation>%1 filas de %2</translation>
    </message>
    <message>
        <source>, swept as %1</source>
        <translation>, recorridas como %1</translation>
    </message>
    <message>
        <source> with index %1</source>
        <translation> con índice %1</translation>
    </message>
    <message>
        <source>; the last of %1 tables, from line %2</source>
        <translation>; la última de %1 tablas, desde la línea %2</translation>
    </message>
    <message>
        <source>; %1 other trace lines passed over</source>
        <translation>; %1 otras líneas de traza omitidas</translation>
    </message>
    <message>
        <source>; line %1 was cut short (the table was stopped mid-write) and is passed over</source>
        <translation>; la línea %1 quedó cortada (la tabla se detuvo a mitad de escritura) y se omite</translation>
    </message>
    <message>
        <source>%1 of %2 rows shown</source>
        <translation>%1 de %2 filas mostradas</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a focus table that can be shown:
%2</source>
        <translation>«%1» no es una tabla de focos que se pueda mostrar:
%2</translation>
    </message>
</context>
<context>
    <name>kelvane::HelpDialog</name>
    <message>
        <source>Kelvane Help</source>
        <translation>Ayuda de Kelvane</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>kelvane::LensColourGroup</name>
    <message>
        <source>Colour</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Glass</source>
        <translation>Vidrio</translation>
    </message>
    <message>
        <source>Custom: the Refractive Index field, the same for every colour; a catalogue glass bends blue more than red</source>
        <translation>Propio: el índice del campo Índice de refracción, igual para todos los colores; un vidrio del catálogo desvía el azul más que el rojo</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medio</translation>
    </message>
    <message>
        <source>air</source>
        <translation>aire</translation>
    </message>
    <message>
        <source>water</source>
        <translation>agua</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Luz</translation>
    </message>
    <message>
        <source>One wavelength</source>
        <translation>Monocromática</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanca</translation>
    </message>
    <message>
        <source>Wavelength</source>
        <translation>Longitud de onda</translation>
    </message>
    <message>
        <source>white light</source>
        <translation>luz blanca</translation>
    </message>
    <message>
        <source>Not changed</source>
        <translation>Sin cambios</translation>
    </message>
</context>
<context>
    <name>kelvane::LensControl</name>
    <message>
        <source>Copied to the clipboard</source>
        <translation>Copiado al portapapeles</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>Foco</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Anchura</translation>
    </message>
    <message>
        <source>Ingress</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>Eccentricity</source>
        <translation>Excentric.</translation>
    </message>
    <message>
        <source>Egress</source>
        <translation>Salida</translation>
    </message>
    <message>
        <source>&amp;Lock</source>
        <translation>&amp;Fijo</translation>
    </message>
    <message>
        <source>Refractive Index</source>
        <translation>Índice de refr.</translation>
    </message>
    <message>
        <source>Multi</source>
        <translation>Multi</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
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
        <translation>Foco</translation>
    </message>
    <message>
        <source>Depth</source>
        <translation>Grosor</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Anchura</translation>
    </message>
    <message>
        <source>Ingress</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>Egress</source>
        <translation>Salida</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Índice</translation>
    </message>
    <message>
        <source>Empty values are searched within:</source>
        <translation>Los valores vacíos se buscan entre:</translation>
    </message>
    <message>
        <source>X and Y</source>
        <translation>X e Y</translation>
    </message>
    <message>
        <source>to</source>
        <translation>a</translation>
    </message>
    <message>
        <source>&amp;Make</source>
        <translation>&amp;Crear</translation>
    </message>
    <message>
        <source>Double-click a lens to show it in the lens view</source>
        <translation>Haga doble clic en una lente para verla en la vista de la lente</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Copy the lens&apos;s script line</source>
        <translation>Copiar la línea de script de la lente</translation>
    </message>
    <message>
        <source>Check the fields marked in red.</source>
        <translation>Revise los campos marcados en rojo.</translation>
    </message>
    <message>
        <source>Designing...</source>
        <translation>Diseñando...</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Detenido.</translation>
    </message>
    <message>
        <source>%1 lenses traced in %2 s.</source>
        <translation>%1 lentes trazadas en %2 s.</translation>
    </message>
    <message>
        <source>No lens in the bounds reaches the focus.</source>
        <translation>Ninguna lente dentro de los límites alcanza el foco.</translation>
    </message>
    <message>
        <source>Script line copied.</source>
        <translation>Línea de script copiada.</translation>
    </message>
</context>
<context>
    <name>kelvane::LensSourceGroup</name>
    <message>
        <source>Light source</source>
        <translation>Fuente de luz</translation>
    </message>
    <message>
        <source>Parallel</source>
        <translation>Paralela</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Punto</translation>
    </message>
    <message>
        <source>Object</source>
        <translation>Objeto</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distancia</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altura</translation>
    </message>
</context>
<context>
    <name>kelvane::LensUndo</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Undo </source>
        <translation>Deshacer: </translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>Nada que deshacer</translation>
    </message>
    <message>
        <source>Redo </source>
        <translation>Rehacer: </translation>
    </message>
    <message>
        <source>Nothing to redo</source>
        <translation>Nada que rehacer</translation>
    </message>
</context>
<context>
    <name>kelvane::LensViewOptions</name>
    <message>
        <source>&amp;Classroom view</source>
        <translation>Vista de &amp;aula</translation>
    </message>
    <message>
        <source>F&amp;ans</source>
        <translation>A&amp;banicos</translation>
    </message>
    <message>
        <source>&amp;All fans</source>
        <translation>&amp;Todos los abanicos</translation>
    </message>
    <message>
        <source>%1° fan only</source>
        <translation>Solo abanico de %1°</translation>
    </message>
    <message>
        <source>&amp;Fit to window</source>
        <translation>&amp;Ajustar a la ventana</translation>
    </message>
    <message>
        <source>&amp;True scale</source>
        <translation>&amp;Escala real</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>&amp;Acercar</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>A&amp;lejar</translation>
    </message>
    <message>
        <source>F&amp;ull screen</source>
        <translation>&amp;Pantalla completa</translation>
    </message>
</context>
<context>
    <name>kelvane::LensWnd</name>
    <message>
        <source>para&amp;Meters</source>
        <translation>&amp;Parámetros</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>E&amp;xport…</source>
        <translation>E&amp;xportar…</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Legend</source>
        <translation>&amp;Leyenda</translation>
    </message>
</context>
<context>
    <name>kelvane::PsvConfigDialog</name>
    <message>
        <source>Max Line Length (range 6-254; typ 60)</source>
        <translation>Longitud máx. de línea (6-254; típ. 60)</translation>
    </message>
    <message>
        <source>Buffer Size (min 3 * max line length; typ 2048)</source>
        <translation>Tamaño del búfer (mín. 3 * longitud máx.; típ. 2048)</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>kelvane::draw</name>
    <message>
        <source>beams through the lens</source>
        <translation>haces a través de la lente</translation>
    </message>
    <message>
        <source>rays bent by the ingress face alone</source>
        <translation>rayos desviados solo por la cara de entrada</translation>
    </message>
    <message>
        <source>far focus of the ingress ellipse</source>
        <translation>foco lejano de la elipse de entrada</translation>
    </message>
    <message>
        <source>centre depth</source>
        <translation>grosor central</translation>
    </message>
    <message>
        <source>paraxial focus (lens equation)</source>
        <translation>foco paraxial (ecuación de la lente)</translation>
    </message>
    <message>
        <source>white light before the lens</source>
        <translation>luz blanca antes de la lente</translation>
    </message>
    <message>
        <source>object</source>
        <translation>objeto</translation>
    </message>
    <message>
        <source>point source</source>
        <translation>fuente puntual</translation>
    </message>
    <message>
        <source>rays from the object&apos;s foot</source>
        <translation>rayos desde el pie del objeto</translation>
    </message>
    <message>
        <source>rays from the point</source>
        <translation>rayos desde el punto</translation>
    </message>
    <message>
        <source>rays from the object&apos;s tip</source>
        <translation>rayos desde la punta del objeto</translation>
    </message>
    <message>
        <source>virtual image (traced)</source>
        <translation>imagen virtual (trazada)</translation>
    </message>
    <message>
        <source>real image (traced)</source>
        <translation>imagen real (trazada)</translation>
    </message>
    <message>
        <source>paraxial image (diamond)</source>
        <translation>imagen paraxial (rombo)</translation>
    </message>
    <message>
        <source>glass</source>
        <translation>vidrio</translation>
    </message>
    <message>
        <source>axis</source>
        <translation>eje</translation>
    </message>
    <message>
        <source>dotted upright: the ingress vertex</source>
        <translation>vertical punteada: el vértice de entrada</translation>
    </message>
    <message>
        <source>below the axis: the upper half mirrored</source>
        <translation>bajo el eje: la mitad superior reflejada</translation>
    </message>
    <message>
        <source>mean focus</source>
        <translation>foco medio</translation>
    </message>
    <message>
        <source>V: nearest crossing to farthest crossing</source>
        <translation>V: cruce más cercano a cruce más lejano</translation>
    </message>
    <message>
        <source>V: nearest crossing to farthest crossing (green)</source>
        <translation>V: cruce más cercano a cruce más lejano (verde)</translation>
    </message>
    <message>
        <source>%1 × true scale</source>
        <translation>%1 × escala real</translation>
    </message>
    <message>
        <source>f = -- (afocal lens)</source>
        <translation>f = -- (lente afocal)</translation>
    </message>
    <message>
        <source>f = %1   paraxial focus %2</source>
        <translation>f = %1   foco paraxial %2</translation>
    </message>
    <message>
        <source>traced - paraxial focus %1</source>
        <translation>foco trazado - paraxial %1</translation>
    </message>
    <message>
        <source>s = %1   s&apos; = %2 traced, %3 paraxial</source>
        <translation>s = %1   s&apos; = %2 trazado, %3 paraxial</translation>
    </message>
    <message>
        <source>infinite</source>
        <translation>infinito</translation>
    </message>
    <message>
        <source>m = %1 traced, %2 paraxial</source>
        <translation>m = %1 trazado, %2 paraxial</translation>
    </message>
    <message>
        <source>blur %1</source>
        <translation>desenfoque %1</translation>
    </message>
    <message>
        <source>virtual image</source>
        <translation>imagen virtual</translation>
    </message>
    <message>
        <source>real image</source>
        <translation>imagen real</translation>
    </message>
    <message>
        <source>no image</source>
        <translation>sin imagen</translation>
    </message>
    <message>
        <source>%1° fan: %2 beams</source>
        <translation>abanico de %1°: %2 haces</translation>
    </message>
    <message>
        <source>%1° fan: %2 beam</source>
        <translation>abanico de %1°: %2 haz</translation>
    </message>
    <message>
        <source>fans at %1, %2, %3, %4 and %5°</source>
        <translation>abanicos de %1, %2, %3, %4 y %5°</translation>
    </message>
    <message>
        <source>fans at %1</source>
        <translation>abanicos a %1</translation>
    </message>
    <message>
        <source>beams through the lens at %1</source>
        <translation>haces a través de la lente a %1</translation>
    </message>
    <message>
        <source>focus %1   width %2   dev %3 (%4%)</source>
        <translation>foco %1   anchura %2   dev %3 (%4%)</translation>
    </message>
    <message>
        <source>focus --   width %1   dev -- (--%)</source>
        <translation>foco --   anchura %1   dev -- (--%)</translation>
    </message>
    <message>
        <source>%1 inch</source>
        <translation>%1 pulgada</translation>
    </message>
</context>
</TS>
