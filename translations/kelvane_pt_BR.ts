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
        <translation>Kelvane: primeiros passos

Três coisas para experimentar:
1. Abrir &gt; feixe único: a vista da lente e o diálogo Controle da lente se
   abrem. Arraste um controle deslizante e veja os raios se desviarem e o foco,
   a largura e o desvio mudarem.
2. Abrir &gt; multifeixe: a mesma lente sob cinco leques de luz que chegam a
   40, 30, 20, 10 e 0 graus.
3. Na vista da lente, Lentes &gt; Foco perfeito e depois Aberração: todos os raios
   cruzam o eixo em um só ponto. Arraste um controle e veja a curva se dobrar.

Teclas:
- Alt + a letra sublinhada: abre um menu ou pressiona um botão
- Ctrl+Z e Ctrl+Y: desfazer e refazer uma mudança da lente
- setas, Page Up e Page Down: movem o controle deslizante que tem o foco
- Alt+? ou Alt+/: Sobre o Kelvane
- Enter ou Esc: fecha esta janela

O guia: Ajuda &gt; Ajuda HTML o mostra, com os menus, os scripts e os arquivos.
É a página %1
</translation>
    </message>
    <message>
        <source>e&amp;Xit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>script</source>
        <translation>script</translation>
    </message>
    <message>
        <source>multi-beam</source>
        <translation>multifeixe</translation>
    </message>
    <message>
        <source>single-beam</source>
        <translation>feixe único</translation>
    </message>
    <message>
        <source>lens &amp;Maker</source>
        <translation>&amp;Projetista de lentes</translation>
    </message>
    <message>
        <source>&amp;Kill background calc</source>
        <translation>&amp;Parar cálculo em segundo plano</translation>
    </message>
    <message>
        <source>focus &amp;Matrix</source>
        <translation>&amp;Matriz de focos</translation>
    </message>
    <message>
        <source>focus &amp;Table</source>
        <translation>&amp;Tabela de focos</translation>
    </message>
    <message>
        <source>open focus &amp;Results…</source>
        <translation>Abrir &amp;resultados de foco…</translation>
    </message>
    <message>
        <source>&amp;Basic info</source>
        <translation>&amp;Informações básicas</translation>
    </message>
    <message>
        <source>&amp;Normal refract table</source>
        <translation>Tabela de refração (&amp;normal)</translation>
    </message>
    <message>
        <source>&amp;Face refract table</source>
        <translation>Tabela de refração (&amp;face)</translation>
    </message>
    <message>
        <source>&amp;Slope refract table</source>
        <translation>Tabela de refração (&amp;inclinação)</translation>
    </message>
    <message>
        <source>&amp;Deflection table</source>
        <translation>Tabela de &amp;desvio</translation>
    </message>
    <message>
        <source>&amp;Test refract formulas</source>
        <translation>&amp;Testar fórmulas de refração</translation>
    </message>
    <message>
        <source>test &amp;Ellipse intersect</source>
        <translation>Testar interseção de &amp;elipse</translation>
    </message>
    <message>
        <source>test findFocus</source>
        <translation>Testar findFocus</translation>
    </message>
    <message>
        <source>test multi-beam lens</source>
        <translation>Testar lente multifeixe</translation>
    </message>
    <message>
        <source>open trace &amp;File</source>
        <translation>Abrir &amp;arquivo de rastreamento</translation>
    </message>
    <message>
        <source>open trace &amp;PsView</source>
        <translation>Abrir rastreamento &amp;PsView</translation>
    </message>
    <message>
        <source>open trace &amp;Listbox</source>
        <translation>Abrir rastreamento &amp;Listbox</translation>
    </message>
    <message>
        <source>demo trace messages</source>
        <translation>Mensagens de rastreamento de exemplo</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>&amp;HTML help</source>
        <translation>Ajuda &amp;HTML</translation>
    </message>
    <message>
        <source>h&amp;Elp</source>
        <translation>Ajuda &amp;rápida</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
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
        <translation>&amp;Depuração</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Preferências</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>close trace &amp;File</source>
        <translation>Fechar &amp;arquivo de rastreamento</translation>
    </message>
    <message>
        <source>close trace &amp;PsView</source>
        <translation>Fechar rastreamento &amp;PsView</translation>
    </message>
    <message>
        <source>close trace &amp;Listbox</source>
        <translation>Fechar rastreamento &amp;Listbox</translation>
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
        <translation>Tabelas de focos (*.csv)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Todos os arquivos (*.*)</translation>
    </message>
    <message>
        <source>focus table written to %1: &lt;a href=&quot;open&quot;&gt;%2&lt;/a&gt;</source>
        <translation>tabela de focos gravada em %1: &lt;a href=&quot;open&quot;&gt;%2&lt;/a&gt;</translation>
    </message>
    <message>
        <source>open results</source>
        <translation>abrir resultados</translation>
    </message>
    <message>
        <source>Step into lens</source>
        <translation>Ir para a lente</translation>
    </message>
    <message>
        <source>lens %1,%2,%3,%4 depth %5 %6, index %7: </source>
        <translation>lente %1,%2,%3,%4 espessura %5 %6, índice %7: </translation>
    </message>
    <message>
        <source>no focus, unlike the row</source>
        <translation>sem foco, ao contrário da linha</translation>
    </message>
    <message>
        <source>focus %1, dev %2 (%3%)</source>
        <translation>foco %1, dev %2 (%3%)</translation>
    </message>
    <message>
        <source> as in the row</source>
        <translation> como na linha</translation>
    </message>
    <message>
        <source>, the row has focus %1, dev %2 (%3%)</source>
        <translation>, a linha tem foco %1, dev %2 (%3%)</translation>
    </message>
    <message>
        <source>1 trace line</source>
        <translation>1 linha de rastreamento</translation>
    </message>
    <message>
        <source>%1 trace lines</source>
        <translation>%1 linhas de rastreamento</translation>
    </message>
    <message>
        <source>%1 went to the trace file %2: open it to see them</source>
        <translation>%1 foram para o arquivo de rastreamento %2: abra-o para vê-las</translation>
    </message>
    <message>
        <source>%1 went to standard error: see Debug &gt; open trace PsView</source>
        <translation>%1 foram para a saída de erro: veja Depuração &gt; Abrir rastreamento PsView</translation>
    </message>
    <message>
        <source>No trace file or trace window is open, so trace lines go to the standard error output (the terminal Kelvane was started from).</source>
        <translation>Nenhum arquivo ou janela de rastreamento está aberto, então as linhas de rastreamento vão para a saída de erro padrão (o terminal de onde o Kelvane foi iniciado).</translation>
    </message>
    <message>
        <source>The trace file %1 holds them.</source>
        <translation>O arquivo de rastreamento %1 as contém.</translation>
    </message>
    <message>
        <source> Debug &gt; open trace PsView or open trace Listbox shows trace lines in a window; run the command again once one is open.</source>
        <translation> Depuração &gt; Abrir rastreamento PsView ou Abrir rastreamento Listbox mostra as linhas em uma janela; execute o comando de novo quando uma estiver aberta.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Kelvane shows the chosen language when it starts again.</source>
        <translation>O Kelvane mostrará o idioma escolhido na próxima vez que for iniciado.</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Aberration</source>
        <translation>Aberração</translation>
    </message>
    <message>
        <source>Exit rays</source>
        <translation>Raios de saída</translation>
    </message>
    <message>
        <source>Rays inside the glass</source>
        <translation>Raios dentro do vidro</translation>
    </message>
    <message>
        <source>Axis crossing x (units, 100 = 1 inch)</source>
        <translation>Cruzamento do eixo x (unidades, 100 = 1 polegada)</translation>
    </message>
    <message>
        <source>Beam height (units)</source>
        <translation>Altura do raio (unidades)</translation>
    </message>
    <message>
        <source>Lens Control</source>
        <translation>Controle da lente</translation>
    </message>
    <message>
        <source>Depth</source>
        <translation>Espess.</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Travar</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Preenchimento</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>&amp;Browse…</source>
        <translation>&amp;Procurar…</translation>
    </message>
    <message>
        <source>&amp;Caption under the picture</source>
        <translation>&amp;Legenda sob a imagem</translation>
    </message>
    <message>
        <source>Animated GIF of a script…</source>
        <translation>GIF animado de um script…</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>&amp;Arquivo:</translation>
    </message>
    <message>
        <source>PNG &amp;resolution:</source>
        <translation>&amp;Resolução PNG:</translation>
    </message>
    <message>
        <source> written to </source>
        <translation> gravado em </translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagem</translation>
    </message>
    <message>
        <source>SVG picture (*.svg);;PNG image (*.png);;PDF document (*.pdf)</source>
        <translation>Imagem SVG (*.svg);;Imagem PNG (*.png);;Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Lens Maker</source>
        <translation>Projetista de lentes</translation>
    </message>
    <message>
        <source>Focus -- %1 spread -- %1 width %2</source>
        <translation>Foco -- %1 dispersão -- %1 largura %2</translation>
    </message>
    <message>
        <source>Lens read-out</source>
        <translation>Leitura da lente</translation>
    </message>
    <message>
        <source>Fans 40..0°: %1 %2 %3 %4 %5</source>
        <translation>Leques 40..0°: %1 %2 %3 %4 %5</translation>
    </message>
    <message>
        <source>Beams traced in the 40°, 30°, 20°, 10° and 0° fans</source>
        <translation>Raios traçados nos leques de 40°, 30°, 20°, 10° e 0°</translation>
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
        <translation>Foco perfeito</translation>
    </message>
    <message>
        <source>&amp;Aberration</source>
        <translation>&amp;Aberração</translation>
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
        <translation>Kelvane – demonstração de lentes</translation>
    </message>
    <message>
        <source>must be above 0</source>
        <translation>deve ser maior que 0</translation>
    </message>
    <message>
        <source>must be 0 or more</source>
        <translation>deve ser 0 ou mais</translation>
    </message>
    <message>
        <source>above 0, at most 500</source>
        <translation>maior que 0, no máximo 500</translation>
    </message>
    <message>
        <source>enter a number</source>
        <translation>digite um número</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>não é um número</translation>
    </message>
    <message>
        <source>below the first</source>
        <translation>menor que o primeiro</translation>
    </message>
    <message>
        <source>focus %1: no lens in the bounds has a focus</source>
        <translation>foco %1: nenhuma lente dentro dos limites tem foco</translation>
    </message>
    <message>
        <source>focus %1: not reached; the nearest is %2</source>
        <translation>foco %1: não alcançado; o mais próximo é %2</translation>
    </message>
    <message>
        <source>Designed lens</source>
        <translation>Lente projetada</translation>
    </message>
    <message>
        <source>Move object</source>
        <translation>Mover o objeto</translation>
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
        <translation>Gravando o script: %1 retraçado até agora</translation>
    </message>
    <message>
        <source>Recording the script: %1 retraces so far</source>
        <translation>Gravando o script: %1 retraçados até agora</translation>
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
        <translation>Rastreamento Listbox</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Limpar</translation>
    </message>
    <message>
        <source>&amp;ScrollOff</source>
        <translation>&amp;Rolagem desligada</translation>
    </message>
    <message>
        <source>&amp;ScrollOn</source>
        <translation>&amp;Rolagem ligada</translation>
    </message>
    <message>
        <source>PsView Window Configuration</source>
        <translation>Configuração da janela PsView</translation>
    </message>
    <message>
        <source>Invalid max line value</source>
        <translation>Comprimento máximo de linha inválido</translation>
    </message>
    <message>
        <source>Invalid buffer size value</source>
        <translation>Tamanho de buffer inválido</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Save in File</source>
        <translation>Salvar em arquivo</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>con&amp;Figure</source>
        <translation>&amp;Configurar</translation>
    </message>
    <message>
        <source>&amp;Inspect</source>
        <translation>&amp;Inspecionar</translation>
    </message>
    <message>
        <source>&amp;Test message</source>
        <translation>Mensagem de &amp;teste</translation>
    </message>
    <message>
        <source>PsView Trace</source>
        <translation>Rastreamento PsView</translation>
    </message>
    <message>
        <source>You are already inspecting a message. To analyze another you must close the existing window.</source>
        <translation>Você já está inspecionando uma mensagem. Para analisar outra, feche primeiro a janela existente.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file.</source>
        <translation>“%1” não é um arquivo comum.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a system file, not one to open here.</source>
        <translation>“%1” é um arquivo do sistema, que não se abre aqui.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salvar como</translation>
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
        <translation>&amp;Parar</translation>
    </message>
    <message>
        <source>re&amp;Sume</source>
        <translation>&amp;Retomar</translation>
    </message>
    <message>
        <source>Focus %1 (%2 in) %3 spread %4 (%5 %) %3%7 width %6</source>
        <translation>Foco %1 (%2 pol.) %3 dispersão %4 (%5 %) %3%7 largura %6</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Próprio</translation>
    </message>
</context>
<context>
    <name>kelvane::AberrationWnd</name>
    <message>
        <source>&amp;Fixed axes</source>
        <translation>Eixos &amp;fixos</translation>
    </message>
    <message>
        <source>The axes grow but never shrink while the lens is dragged; a preset, a script or a Focus Results row starts them afresh</source>
        <translation>Os eixos crescem mas nunca encolhem enquanto a lente é arrastada; uma lente predefinida, um script ou uma linha de Resultados de foco os reiniciam</translation>
    </message>
    <message>
        <source>Where each beam crosses the axis</source>
        <translation>Onde cada raio cruza o eixo</translation>
    </message>
    <message>
        <source>No focus: no exit ray comes down to the axis</source>
        <translation>Sem foco: nenhum raio de saída chega ao eixo</translation>
    </message>
</context>
<context>
    <name>kelvane::AboutDialog</name>
    <message>
        <source>About Kelvane</source>
        <translation>Sobre o Kelvane</translation>
    </message>
    <message>
        <source>Program Version:</source>
        <translation>Versão do programa:</translation>
    </message>
    <message>
        <source>Updated:</source>
        <translation>Atualizado:</translation>
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
        <translation>Arquivo existente</translation>
    </message>
    <message>
        <source>This file exists</source>
        <translation>Este arquivo existe</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Sobrescrever</translation>
    </message>
    <message>
        <source>Append</source>
        <translation>Acrescentar</translation>
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
        <translation>%1 pontos</translation>
    </message>
    <message>
        <source>%1 of %2 shown rows plotted</source>
        <translation>%1 de %2 linhas exibidas plotadas</translation>
    </message>
</context>
<context>
    <name>kelvane::FocusResultsWindow</name>
    <message>
        <source>filter, e.g. focus 250-300, devpcnt &lt; 0.005, depth 60</source>
        <translation>filtro, p. ex. focus 250-300, devpcnt &lt; 0.005, depth 60</translation>
    </message>
    <message>
        <source>%1 rows from %2</source>
        <translation>%1 linhas de %2</translation>
    </message>
    <message>
        <source>, swept as %1</source>
        <translation>, varridas como %1</translation>
    </message>
    <message>
        <source> with index %1</source>
        <translation> com índice %1</translation>
    </message>
    <message>
        <source>; the last of %1 tables, from line %2</source>
        <translation>; a última de %1 tabelas, a partir da linha %2</translation>
    </message>
    <message>
        <source>; %1 other trace lines passed over</source>
        <translation>; %1 outras linhas de rastreamento ignoradas</translation>
    </message>
    <message>
        <source>; line %1 was cut short (the table was stopped mid-write) and is passed over</source>
        <translation>; a linha %1 ficou cortada (a tabela foi parada no meio da gravação) e é ignorada</translation>
    </message>
    <message>
        <source>%1 of %2 rows shown</source>
        <translation>%1 de %2 linhas exibidas</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a focus table that can be shown:
%2</source>
        <translation>“%1” não é uma tabela de focos que possa ser exibida:
%2</translation>
    </message>
</context>
<context>
    <name>kelvane::HelpDialog</name>
    <message>
        <source>Kelvane Help</source>
        <translation>Ajuda do Kelvane</translation>
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
        <translation>Cor</translation>
    </message>
    <message>
        <source>Glass</source>
        <translation>Vidro</translation>
    </message>
    <message>
        <source>Custom: the Refractive Index field, the same for every colour; a catalogue glass bends blue more than red</source>
        <translation>Próprio: o índice do campo Índice de refração, igual para todas as cores; um vidro do catálogo desvia o azul mais que o vermelho</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Meio</translation>
    </message>
    <message>
        <source>air</source>
        <translation>ar</translation>
    </message>
    <message>
        <source>water</source>
        <translation>água</translation>
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
        <translation>Branca</translation>
    </message>
    <message>
        <source>Wavelength</source>
        <translation>Comprimento de onda</translation>
    </message>
    <message>
        <source>white light</source>
        <translation>luz branca</translation>
    </message>
    <message>
        <source>Not changed</source>
        <translation>Sem alteração</translation>
    </message>
</context>
<context>
    <name>kelvane::LensControl</name>
    <message>
        <source>Copied to the clipboard</source>
        <translation>Copiado para a área de transferência</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>Foco</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largura</translation>
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
        <translation>Saída</translation>
    </message>
    <message>
        <source>&amp;Lock</source>
        <translation>&amp;Fixo</translation>
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
        <translation>Salvar</translation>
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
        <translation>Espess.</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largura</translation>
    </message>
    <message>
        <source>Ingress</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>Egress</source>
        <translation>Saída</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Índice</translation>
    </message>
    <message>
        <source>Empty values are searched within:</source>
        <translation>Os valores vazios são buscados entre:</translation>
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
        <translation>&amp;Criar</translation>
    </message>
    <message>
        <source>Double-click a lens to show it in the lens view</source>
        <translation>Clique duas vezes em uma lente para mostrá-la na vista da lente</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Copy the lens&apos;s script line</source>
        <translation>Copiar a linha de script da lente</translation>
    </message>
    <message>
        <source>Check the fields marked in red.</source>
        <translation>Verifique os campos marcados em vermelho.</translation>
    </message>
    <message>
        <source>Designing...</source>
        <translation>Projetando...</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Parado.</translation>
    </message>
    <message>
        <source>%1 lenses traced in %2 s.</source>
        <translation>%1 lentes traçadas em %2 s.</translation>
    </message>
    <message>
        <source>No lens in the bounds reaches the focus.</source>
        <translation>Nenhuma lente dentro dos limites alcança o foco.</translation>
    </message>
    <message>
        <source>Script line copied.</source>
        <translation>Linha de script copiada.</translation>
    </message>
</context>
<context>
    <name>kelvane::LensSourceGroup</name>
    <message>
        <source>Light source</source>
        <translation>Fonte de luz</translation>
    </message>
    <message>
        <source>Parallel</source>
        <translation>Paralela</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Ponto</translation>
    </message>
    <message>
        <source>Object</source>
        <translation>Objeto</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distância</translation>
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
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refazer</translation>
    </message>
    <message>
        <source>Undo </source>
        <translation>Desfazer: </translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>Nada a desfazer</translation>
    </message>
    <message>
        <source>Redo </source>
        <translation>Refazer: </translation>
    </message>
    <message>
        <source>Nothing to redo</source>
        <translation>Nada a refazer</translation>
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
        <translation>&amp;Leques</translation>
    </message>
    <message>
        <source>&amp;All fans</source>
        <translation>&amp;Todos os leques</translation>
    </message>
    <message>
        <source>%1° fan only</source>
        <translation>Só o leque de %1°</translation>
    </message>
    <message>
        <source>&amp;Fit to window</source>
        <translation>&amp;Ajustar à janela</translation>
    </message>
    <message>
        <source>&amp;True scale</source>
        <translation>&amp;Escala real</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>&amp;Ampliar</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>&amp;Reduzir</translation>
    </message>
    <message>
        <source>F&amp;ull screen</source>
        <translation>&amp;Tela cheia</translation>
    </message>
</context>
<context>
    <name>kelvane::LensWnd</name>
    <message>
        <source>para&amp;Meters</source>
        <translation>&amp;Parâmetros</translation>
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
        <translation>&amp;Exibir</translation>
    </message>
    <message>
        <source>&amp;Legend</source>
        <translation>&amp;Legenda</translation>
    </message>
</context>
<context>
    <name>kelvane::PsvConfigDialog</name>
    <message>
        <source>Max Line Length (range 6-254; typ 60)</source>
        <translation>Comprimento máx. de linha (6-254; típ. 60)</translation>
    </message>
    <message>
        <source>Buffer Size (min 3 * max line length; typ 2048)</source>
        <translation>Tamanho do buffer (mín. 3 * comprimento máx.; típ. 2048)</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
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
        <translation>feixes através da lente</translation>
    </message>
    <message>
        <source>rays bent by the ingress face alone</source>
        <translation>raios desviados só pela face de entrada</translation>
    </message>
    <message>
        <source>far focus of the ingress ellipse</source>
        <translation>foco distante da elipse de entrada</translation>
    </message>
    <message>
        <source>centre depth</source>
        <translation>espessura central</translation>
    </message>
    <message>
        <source>paraxial focus (lens equation)</source>
        <translation>foco paraxial (equação da lente)</translation>
    </message>
    <message>
        <source>white light before the lens</source>
        <translation>luz branca antes da lente</translation>
    </message>
    <message>
        <source>object</source>
        <translation>objeto</translation>
    </message>
    <message>
        <source>point source</source>
        <translation>fonte pontual</translation>
    </message>
    <message>
        <source>rays from the object&apos;s foot</source>
        <translation>raios do pé do objeto</translation>
    </message>
    <message>
        <source>rays from the point</source>
        <translation>raios do ponto</translation>
    </message>
    <message>
        <source>rays from the object&apos;s tip</source>
        <translation>raios da ponta do objeto</translation>
    </message>
    <message>
        <source>virtual image (traced)</source>
        <translation>imagem virtual (traçada)</translation>
    </message>
    <message>
        <source>real image (traced)</source>
        <translation>imagem real (traçada)</translation>
    </message>
    <message>
        <source>paraxial image (diamond)</source>
        <translation>imagem paraxial (losango)</translation>
    </message>
    <message>
        <source>glass</source>
        <translation>vidro</translation>
    </message>
    <message>
        <source>axis</source>
        <translation>eixo</translation>
    </message>
    <message>
        <source>dotted upright: the ingress vertex</source>
        <translation>vertical pontilhada: o vértice de entrada</translation>
    </message>
    <message>
        <source>below the axis: the upper half mirrored</source>
        <translation>abaixo do eixo: a metade superior espelhada</translation>
    </message>
    <message>
        <source>mean focus</source>
        <translation>foco médio</translation>
    </message>
    <message>
        <source>V: nearest crossing to farthest crossing</source>
        <translation>V: cruzamento mais próximo ao mais distante</translation>
    </message>
    <message>
        <source>V: nearest crossing to farthest crossing (green)</source>
        <translation>V: cruzamento mais próximo ao mais distante (verde)</translation>
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
        <translation>foco traçado - paraxial %1</translation>
    </message>
    <message>
        <source>s = %1   s&apos; = %2 traced, %3 paraxial</source>
        <translation>s = %1   s&apos; = %2 traçado, %3 paraxial</translation>
    </message>
    <message>
        <source>infinite</source>
        <translation>infinito</translation>
    </message>
    <message>
        <source>m = %1 traced, %2 paraxial</source>
        <translation>m = %1 traçado, %2 paraxial</translation>
    </message>
    <message>
        <source>blur %1</source>
        <translation>desfoque %1</translation>
    </message>
    <message>
        <source>virtual image</source>
        <translation>imagem virtual</translation>
    </message>
    <message>
        <source>real image</source>
        <translation>imagem real</translation>
    </message>
    <message>
        <source>no image</source>
        <translation>sem imagem</translation>
    </message>
    <message>
        <source>%1° fan: %2 beams</source>
        <translation>leque de %1°: %2 feixes</translation>
    </message>
    <message>
        <source>%1° fan: %2 beam</source>
        <translation>leque de %1°: %2 feixe</translation>
    </message>
    <message>
        <source>fans at %1, %2, %3, %4 and %5°</source>
        <translation>leques de %1, %2, %3, %4 e %5°</translation>
    </message>
    <message>
        <source>fans at %1</source>
        <translation>leques em %1</translation>
    </message>
    <message>
        <source>beams through the lens at %1</source>
        <translation>feixes através da lente em %1</translation>
    </message>
    <message>
        <source>focus %1   width %2   dev %3 (%4%)</source>
        <translation>foco %1   largura %2   dev %3 (%4%)</translation>
    </message>
    <message>
        <source>focus --   width %1   dev -- (--%)</source>
        <translation>foco --   largura %1   dev -- (--%)</translation>
    </message>
    <message>
        <source>%1 inch</source>
        <translation>%1 polegada</translation>
    </message>
</context>
</TS>
