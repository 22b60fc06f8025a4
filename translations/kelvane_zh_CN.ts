<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
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
        <translation>Kelvane 快速入门

可以试试这三件事：
1. 打开 &gt; 单光束：透镜视图和“透镜控制”对话框随之打开。拖动滑块，
   观察光线如何折射，以及焦点、宽度和偏差如何变化。
2. 打开 &gt; 多光束：同一透镜处于五束以 40、30、20、10 和 0 度
   入射的扇形光线之下。
3. 在透镜视图中选择 透镜 &gt; 完美焦点，再选 像差：每条光线都在同一点
   与光轴相交。拖动滑块，观察曲线如何弯曲。

按键：
- Alt + 带下划线的字母：打开菜单或按下按钮
- Ctrl+Z 和 Ctrl+Y：撤销和重做对透镜的修改
- 方向键、Page Up 和 Page Down：移动具有焦点的滑块
- Alt+? 或 Alt+/：关于 Kelvane
- Enter 或 Escape：关闭此窗口

指南：帮助 &gt; HTML 帮助 可显示指南，其中介绍菜单、脚本和文件。
指南页面为 %1
</translation>
    </message>
    <message>
        <source>e&amp;Xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>script</source>
        <translation>脚本</translation>
    </message>
    <message>
        <source>multi-beam</source>
        <translation>多光束</translation>
    </message>
    <message>
        <source>single-beam</source>
        <translation>单光束</translation>
    </message>
    <message>
        <source>lens &amp;Maker</source>
        <translation>透镜设计器(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Kill background calc</source>
        <translation>终止后台计算(&amp;K)</translation>
    </message>
    <message>
        <source>focus &amp;Matrix</source>
        <translation>焦点矩阵(&amp;M)</translation>
    </message>
    <message>
        <source>focus &amp;Table</source>
        <translation>焦点表(&amp;T)</translation>
    </message>
    <message>
        <source>open focus &amp;Results…</source>
        <translation>打开焦点结果(&amp;R)…</translation>
    </message>
    <message>
        <source>&amp;Basic info</source>
        <translation>基本信息(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Normal refract table</source>
        <translation>法线折射表(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Face refract table</source>
        <translation>面折射表(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Slope refract table</source>
        <translation>斜率折射表(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Deflection table</source>
        <translation>偏折表(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Test refract formulas</source>
        <translation>测试折射公式(&amp;T)</translation>
    </message>
    <message>
        <source>test &amp;Ellipse intersect</source>
        <translation>测试椭圆求交(&amp;E)</translation>
    </message>
    <message>
        <source>test findFocus</source>
        <translation>测试 findFocus</translation>
    </message>
    <message>
        <source>test multi-beam lens</source>
        <translation>测试多光束透镜</translation>
    </message>
    <message>
        <source>open trace &amp;File</source>
        <translation>打开跟踪文件(&amp;F)</translation>
    </message>
    <message>
        <source>open trace &amp;PsView</source>
        <translation>打开跟踪 PsView(&amp;P)</translation>
    </message>
    <message>
        <source>open trace &amp;Listbox</source>
        <translation>打开跟踪列表框(&amp;L)</translation>
    </message>
    <message>
        <source>demo trace messages</source>
        <translation>示例跟踪消息</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>语言(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;HTML help</source>
        <translation>HTML 帮助(&amp;H)</translation>
    </message>
    <message>
        <source>h&amp;Elp</source>
        <translation>帮助(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>关于(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>打开(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Calc</source>
        <translation>计算(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Debug</source>
        <translation>调试(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>设置(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>close trace &amp;File</source>
        <translation>关闭跟踪文件(&amp;F)</translation>
    </message>
    <message>
        <source>close trace &amp;PsView</source>
        <translation>关闭跟踪 PsView(&amp;P)</translation>
    </message>
    <message>
        <source>close trace &amp;Listbox</source>
        <translation>关闭跟踪列表框(&amp;L)</translation>
    </message>
    <message>
        <source>Focus Results</source>
        <translation>焦点结果</translation>
    </message>
    <message>
        <source>Open Focus Results</source>
        <translation>打开焦点结果</translation>
    </message>
    <message>
        <source>Focus tables (*.csv)</source>
        <translation>焦点表 (*.csv)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>所有文件 (*.*)</translation>
    </message>
    <message>
        <source>focus table written to %1: &lt;a href=&quot;open&quot;&gt;%2&lt;/a&gt;</source>
        <translation>焦点表已写入 %1：&lt;a href=&quot;open&quot;&gt;%2&lt;/a&gt;</translation>
    </message>
    <message>
        <source>open results</source>
        <translation>打开结果</translation>
    </message>
    <message>
        <source>Step into lens</source>
        <translation>转到透镜</translation>
    </message>
    <message>
        <source>lens %1,%2,%3,%4 depth %5 %6, index %7: </source>
        <translation>透镜 %1,%2,%3,%4 厚度 %5 %6，折射率 %7：</translation>
    </message>
    <message>
        <source>no focus, unlike the row</source>
        <translation>无焦点，与该行不同</translation>
    </message>
    <message>
        <source>focus %1, dev %2 (%3%)</source>
        <translation>焦点 %1，dev %2 (%3%)</translation>
    </message>
    <message>
        <source> as in the row</source>
        <translation>，与该行一致</translation>
    </message>
    <message>
        <source>, the row has focus %1, dev %2 (%3%)</source>
        <translation>，该行焦点为 %1，dev %2 (%3%)</translation>
    </message>
    <message>
        <source>1 trace line</source>
        <translation>1 行跟踪</translation>
    </message>
    <message>
        <source>%1 trace lines</source>
        <translation>%1 行跟踪</translation>
    </message>
    <message>
        <source>%1 went to the trace file %2: open it to see them</source>
        <translation>%1 已写入跟踪文件 %2：打开它即可查看</translation>
    </message>
    <message>
        <source>%1 went to standard error: see Debug &gt; open trace PsView</source>
        <translation>%1 已输出到标准错误：见 调试 &gt; 打开跟踪 PsView</translation>
    </message>
    <message>
        <source>No trace file or trace window is open, so trace lines go to the standard error output (the terminal Kelvane was started from).</source>
        <translation>没有打开跟踪文件或跟踪窗口，因此跟踪行输出到标准错误（启动 Kelvane 的终端）。</translation>
    </message>
    <message>
        <source>The trace file %1 holds them.</source>
        <translation>跟踪文件 %1 中包含这些行。</translation>
    </message>
    <message>
        <source> Debug &gt; open trace PsView or open trace Listbox shows trace lines in a window; run the command again once one is open.</source>
        <translation> 调试 &gt; 打开跟踪 PsView 或 打开跟踪列表框 可在窗口中显示跟踪行；打开后请再次运行该命令。</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Kelvane shows the chosen language when it starts again.</source>
        <translation>Kelvane 将在下次启动时使用所选语言。</translation>
    </message>
    <message>
        <source>System</source>
        <translation>系统</translation>
    </message>
    <message>
        <source>Aberration</source>
        <translation>像差</translation>
    </message>
    <message>
        <source>Exit rays</source>
        <translation>出射光线</translation>
    </message>
    <message>
        <source>Rays inside the glass</source>
        <translation>玻璃内的光线</translation>
    </message>
    <message>
        <source>Axis crossing x (units, 100 = 1 inch)</source>
        <translation>与光轴交点 x（单位，100 = 1 英寸）</translation>
    </message>
    <message>
        <source>Beam height (units)</source>
        <translation>光线高度（单位）</translation>
    </message>
    <message>
        <source>Lens Control</source>
        <translation>透镜控制</translation>
    </message>
    <message>
        <source>Depth</source>
        <translation>厚度</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>锁定</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>填充</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>&amp;Browse…</source>
        <translation>浏览(&amp;B)…</translation>
    </message>
    <message>
        <source>&amp;Caption under the picture</source>
        <translation>图片下方的说明(&amp;C)</translation>
    </message>
    <message>
        <source>Animated GIF of a script…</source>
        <translation>脚本的动画 GIF…</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>文件(&amp;F)：</translation>
    </message>
    <message>
        <source>PNG &amp;resolution:</source>
        <translation>PNG 分辨率(&amp;R)：</translation>
    </message>
    <message>
        <source> written to </source>
        <translation> 已写入 </translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>图片</translation>
    </message>
    <message>
        <source>SVG picture (*.svg);;PNG image (*.png);;PDF document (*.pdf)</source>
        <translation>SVG 图形 (*.svg);;PNG 图像 (*.png);;PDF 文档 (*.pdf)</translation>
    </message>
    <message>
        <source>Lens Maker</source>
        <translation>透镜设计器</translation>
    </message>
    <message>
        <source>Focus -- %1 spread -- %1 width %2</source>
        <translation>焦点 -- %1 弥散 -- %1 宽度 %2</translation>
    </message>
    <message>
        <source>Lens read-out</source>
        <translation>透镜读数</translation>
    </message>
    <message>
        <source>Fans 40..0°: %1 %2 %3 %4 %5</source>
        <translation>光束扇 40..0°：%1 %2 %3 %4 %5</translation>
    </message>
    <message>
        <source>Beams traced in the 40°, 30°, 20°, 10° and 0° fans</source>
        <translation>40°、30°、20°、10° 和 0° 光束扇中追迹的光线</translation>
    </message>
    <message>
        <source>Start-up meniscus</source>
        <translation>初始弯月透镜</translation>
    </message>
    <message>
        <source>Biconvex lens</source>
        <translation>双凸透镜</translation>
    </message>
    <message>
        <source>Thin lens</source>
        <translation>薄透镜</translation>
    </message>
    <message>
        <source>Diverging lens</source>
        <translation>发散透镜</translation>
    </message>
    <message>
        <source>Perfect focus</source>
        <translation>完美焦点</translation>
    </message>
    <message>
        <source>&amp;Aberration</source>
        <translation>像差(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Lenses</source>
        <translation>透镜(&amp;L)</translation>
    </message>
    <message>
        <source>Script</source>
        <translation>脚本</translation>
    </message>
    <message>
        <source>Kelvane Lens Demo</source>
        <translation>Kelvane 透镜演示</translation>
    </message>
    <message>
        <source>must be above 0</source>
        <translation>必须大于 0</translation>
    </message>
    <message>
        <source>must be 0 or more</source>
        <translation>必须大于或等于 0</translation>
    </message>
    <message>
        <source>above 0, at most 500</source>
        <translation>大于 0，最多 500</translation>
    </message>
    <message>
        <source>enter a number</source>
        <translation>请输入数字</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>不是数字</translation>
    </message>
    <message>
        <source>below the first</source>
        <translation>小于第一个值</translation>
    </message>
    <message>
        <source>focus %1: no lens in the bounds has a focus</source>
        <translation>焦点 %1：范围内没有透镜有焦点</translation>
    </message>
    <message>
        <source>focus %1: not reached; the nearest is %2</source>
        <translation>焦点 %1：未达到；最接近的是 %2</translation>
    </message>
    <message>
        <source>Designed lens</source>
        <translation>设计的透镜</translation>
    </message>
    <message>
        <source>Move object</source>
        <translation>移动物体</translation>
    </message>
    <message>
        <source>Animated GIF</source>
        <translation>动画 GIF</translation>
    </message>
    <message>
        <source>Animated GIF (*.gif)</source>
        <translation>动画 GIF (*.gif)</translation>
    </message>
    <message>
        <source>Recording the script: %1 retrace so far</source>
        <translation>正在录制脚本：目前已重新追迹 %1 次</translation>
    </message>
    <message>
        <source>Recording the script: %1 retraces so far</source>
        <translation>正在录制脚本：目前已重新追迹 %1 次</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>GIF</source>
        <translation>GIF</translation>
    </message>
    <message>
        <source>Listbox Trace</source>
        <translation>列表框跟踪</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>清除(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;ScrollOff</source>
        <translation>停止滚动(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;ScrollOn</source>
        <translation>开始滚动(&amp;S)</translation>
    </message>
    <message>
        <source>PsView Window Configuration</source>
        <translation>PsView 窗口配置</translation>
    </message>
    <message>
        <source>Invalid max line value</source>
        <translation>最大行长度无效</translation>
    </message>
    <message>
        <source>Invalid buffer size value</source>
        <translation>缓冲区大小无效</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Save in File</source>
        <translation>保存到文件</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>con&amp;Figure</source>
        <translation>配置(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Inspect</source>
        <translation>检查(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Test message</source>
        <translation>测试消息(&amp;T)</translation>
    </message>
    <message>
        <source>PsView Trace</source>
        <translation>PsView 跟踪</translation>
    </message>
    <message>
        <source>You are already inspecting a message. To analyze another you must close the existing window.</source>
        <translation>您已在检查一条消息。要分析另一条，请先关闭现有窗口。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file.</source>
        <translation>“%1”不是普通文件。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a system file, not one to open here.</source>
        <translation>“%1”是系统文件，不能在此打开。</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>另存为</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>&amp;Script</source>
        <translation>脚本(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>停止(&amp;S)</translation>
    </message>
    <message>
        <source>re&amp;Sume</source>
        <translation>继续(&amp;S)</translation>
    </message>
    <message>
        <source>Focus %1 (%2 in) %3 spread %4 (%5 %) %3%7 width %6</source>
        <translation>焦点 %1（%2 英寸）%3 弥散 %4 (%5 %) %3%7 宽度 %6</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>自定义</translation>
    </message>
</context>
<context>
    <name>kelvane::AberrationWnd</name>
    <message>
        <source>&amp;Fixed axes</source>
        <translation>固定坐标轴(&amp;F)</translation>
    </message>
    <message>
        <source>The axes grow but never shrink while the lens is dragged; a preset, a script or a Focus Results row starts them afresh</source>
        <translation>拖动透镜时坐标轴只会扩大不会缩小；预设透镜、脚本或焦点结果中的一行会重新设置坐标轴</translation>
    </message>
    <message>
        <source>Where each beam crosses the axis</source>
        <translation>各光线与光轴的交点</translation>
    </message>
    <message>
        <source>No focus: no exit ray comes down to the axis</source>
        <translation>无焦点：没有出射光线到达光轴</translation>
    </message>
</context>
<context>
    <name>kelvane::AboutDialog</name>
    <message>
        <source>About Kelvane</source>
        <translation>关于 Kelvane</translation>
    </message>
    <message>
        <source>Program Version:</source>
        <translation>程序版本：</translation>
    </message>
    <message>
        <source>Updated:</source>
        <translation>更新：</translation>
    </message>
    <message>
        <source>Compiled:</source>
        <translation>编译：</translation>
    </message>
</context>
<context>
    <name>kelvane::ExistingFileDialog</name>
    <message>
        <source>Existing File</source>
        <translation>文件已存在</translation>
    </message>
    <message>
        <source>This file exists</source>
        <translation>此文件已存在</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>覆盖</translation>
    </message>
    <message>
        <source>Append</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>kelvane::FocusResultsPlot</name>
    <message>
        <source>x:</source>
        <translation>x：</translation>
    </message>
    <message>
        <source>y:</source>
        <translation>y：</translation>
    </message>
    <message>
        <source>%1 points</source>
        <translation>%1 个点</translation>
    </message>
    <message>
        <source>%1 of %2 shown rows plotted</source>
        <translation>已绘制 %2 个显示行中的 %1 个</translation>
    </message>
</context>
<context>
    <name>kelvane::FocusResultsWindow</name>
    <message>
        <source>filter, e.g. focus 250-300, devpcnt &lt; 0.005, depth 60</source>
        <translation>筛选，例如 focus 250-300, devpcnt &lt; 0.005, depth 60</translation>
    </message>
    <message>
        <source>%1 rows from %2</source>
        <translation>来自 %2 的 %1 行</translation>
    </message>
    <message>
        <source>, swept as %1</source>
        <translation>，以 %1 扫描</translation>
    </message>
    <message>
        <source> with index %1</source>
        <translation>，折射率 %1</translation>
    </message>
    <message>
        <source>; the last of %1 tables, from line %2</source>
        <translation>；%1 个表中的最后一个，从第 %2 行开始</translation>
    </message>
    <message>
        <source>; %1 other trace lines passed over</source>
        <translation>；跳过了 %1 行其他跟踪行</translation>
    </message>
    <message>
        <source>; line %1 was cut short (the table was stopped mid-write) and is passed over</source>
        <translation>；第 %1 行不完整（写表时被中止），已跳过</translation>
    </message>
    <message>
        <source>%1 of %2 rows shown</source>
        <translation>显示 %2 行中的 %1 行</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a focus table that can be shown:
%2</source>
        <translation>“%1”不是可显示的焦点表：
%2</translation>
    </message>
</context>
<context>
    <name>kelvane::HelpDialog</name>
    <message>
        <source>Kelvane Help</source>
        <translation>Kelvane 帮助</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>kelvane::LensColourGroup</name>
    <message>
        <source>Colour</source>
        <translation>颜色</translation>
    </message>
    <message>
        <source>Glass</source>
        <translation>玻璃</translation>
    </message>
    <message>
        <source>Custom: the Refractive Index field, the same for every colour; a catalogue glass bends blue more than red</source>
        <translation>自定义：使用“折射率”字段的值，各颜色相同；目录中的玻璃对蓝光的折射强于红光</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>介质</translation>
    </message>
    <message>
        <source>air</source>
        <translation>空气</translation>
    </message>
    <message>
        <source>water</source>
        <translation>水</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>光</translation>
    </message>
    <message>
        <source>One wavelength</source>
        <translation>单一波长</translation>
    </message>
    <message>
        <source>White</source>
        <translation>白光</translation>
    </message>
    <message>
        <source>Wavelength</source>
        <translation>波长</translation>
    </message>
    <message>
        <source>white light</source>
        <translation>白光</translation>
    </message>
    <message>
        <source>Not changed</source>
        <translation>未更改</translation>
    </message>
</context>
<context>
    <name>kelvane::LensControl</name>
    <message>
        <source>Copied to the clipboard</source>
        <translation>已复制到剪贴板</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>焦点</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>宽度</translation>
    </message>
    <message>
        <source>Ingress</source>
        <translation>入射面</translation>
    </message>
    <message>
        <source>Eccentricity</source>
        <translation>偏心率</translation>
    </message>
    <message>
        <source>Egress</source>
        <translation>出射面</translation>
    </message>
    <message>
        <source>&amp;Lock</source>
        <translation>锁(&amp;L)</translation>
    </message>
    <message>
        <source>Refractive Index</source>
        <translation>折射率</translation>
    </message>
    <message>
        <source>Multi</source>
        <translation>多束</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>&amp;Script</source>
        <translation>脚本(&amp;S)</translation>
    </message>
</context>
<context>
    <name>kelvane::LensMaker</name>
    <message>
        <source>Focus</source>
        <translation>焦点</translation>
    </message>
    <message>
        <source>Depth</source>
        <translation>厚度</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>宽度</translation>
    </message>
    <message>
        <source>Ingress</source>
        <translation>入射面</translation>
    </message>
    <message>
        <source>Egress</source>
        <translation>出射面</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>折射率</translation>
    </message>
    <message>
        <source>Empty values are searched within:</source>
        <translation>空值在以下范围内搜索：</translation>
    </message>
    <message>
        <source>X and Y</source>
        <translation>X 和 Y</translation>
    </message>
    <message>
        <source>to</source>
        <translation>至</translation>
    </message>
    <message>
        <source>&amp;Make</source>
        <translation>设计(&amp;M)</translation>
    </message>
    <message>
        <source>Double-click a lens to show it in the lens view</source>
        <translation>双击透镜即可在透镜视图中显示</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Copy the lens&apos;s script line</source>
        <translation>复制该透镜的脚本行</translation>
    </message>
    <message>
        <source>Check the fields marked in red.</source>
        <translation>请检查标为红色的字段。</translation>
    </message>
    <message>
        <source>Designing...</source>
        <translation>正在设计...</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>已停止。</translation>
    </message>
    <message>
        <source>%1 lenses traced in %2 s.</source>
        <translation>%2 秒内追迹了 %1 个透镜。</translation>
    </message>
    <message>
        <source>No lens in the bounds reaches the focus.</source>
        <translation>范围内没有透镜能达到该焦点。</translation>
    </message>
    <message>
        <source>Script line copied.</source>
        <translation>脚本行已复制。</translation>
    </message>
</context>
<context>
    <name>kelvane::LensSourceGroup</name>
    <message>
        <source>Light source</source>
        <translation>光源</translation>
    </message>
    <message>
        <source>Parallel</source>
        <translation>平行光</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>点光源</translation>
    </message>
    <message>
        <source>Object</source>
        <translation>物体</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>距离</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>高度</translation>
    </message>
</context>
<context>
    <name>kelvane::LensUndo</name>
    <message>
        <source>&amp;Undo</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>重做(&amp;R)</translation>
    </message>
    <message>
        <source>Undo </source>
        <translation>撤销：</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>没有可撤销的操作</translation>
    </message>
    <message>
        <source>Redo </source>
        <translation>重做：</translation>
    </message>
    <message>
        <source>Nothing to redo</source>
        <translation>没有可重做的操作</translation>
    </message>
</context>
<context>
    <name>kelvane::LensViewOptions</name>
    <message>
        <source>&amp;Classroom view</source>
        <translation>课堂视图(&amp;C)</translation>
    </message>
    <message>
        <source>F&amp;ans</source>
        <translation>光束扇(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;All fans</source>
        <translation>所有光束扇(&amp;A)</translation>
    </message>
    <message>
        <source>%1° fan only</source>
        <translation>仅 %1° 光束扇</translation>
    </message>
    <message>
        <source>&amp;Fit to window</source>
        <translation>适应窗口(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;True scale</source>
        <translation>真实比例(&amp;T)</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>放大(&amp;I)</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>缩小(&amp;O)</translation>
    </message>
    <message>
        <source>F&amp;ull screen</source>
        <translation>全屏(&amp;U)</translation>
    </message>
</context>
<context>
    <name>kelvane::LensWnd</name>
    <message>
        <source>para&amp;Meters</source>
        <translation>参数(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>打印(&amp;P)</translation>
    </message>
    <message>
        <source>E&amp;xport…</source>
        <translation>导出(&amp;X)…</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>视图(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Legend</source>
        <translation>图例(&amp;L)</translation>
    </message>
</context>
<context>
    <name>kelvane::PsvConfigDialog</name>
    <message>
        <source>Max Line Length (range 6-254; typ 60)</source>
        <translation>最大行长度（范围 6-254；通常 60）</translation>
    </message>
    <message>
        <source>Buffer Size (min 3 * max line length; typ 2048)</source>
        <translation>缓冲区大小（至少 3 * 最大行长度；通常 2048）</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
</context>
<context>
    <name>kelvane::draw</name>
    <message>
        <source>beams through the lens</source>
        <translation>穿过透镜的光束</translation>
    </message>
    <message>
        <source>rays bent by the ingress face alone</source>
        <translation>仅经入射面折射的光线</translation>
    </message>
    <message>
        <source>far focus of the ingress ellipse</source>
        <translation>入射椭圆的远焦点</translation>
    </message>
    <message>
        <source>centre depth</source>
        <translation>中心厚度</translation>
    </message>
    <message>
        <source>paraxial focus (lens equation)</source>
        <translation>近轴焦点（透镜方程）</translation>
    </message>
    <message>
        <source>white light before the lens</source>
        <translation>透镜前的白光</translation>
    </message>
    <message>
        <source>object</source>
        <translation>物体</translation>
    </message>
    <message>
        <source>point source</source>
        <translation>点光源</translation>
    </message>
    <message>
        <source>rays from the object&apos;s foot</source>
        <translation>来自物体底端的光线</translation>
    </message>
    <message>
        <source>rays from the point</source>
        <translation>来自该点的光线</translation>
    </message>
    <message>
        <source>rays from the object&apos;s tip</source>
        <translation>来自物体顶端的光线</translation>
    </message>
    <message>
        <source>virtual image (traced)</source>
        <translation>虚像（追迹）</translation>
    </message>
    <message>
        <source>real image (traced)</source>
        <translation>实像（追迹）</translation>
    </message>
    <message>
        <source>paraxial image (diamond)</source>
        <translation>近轴像（菱形）</translation>
    </message>
    <message>
        <source>glass</source>
        <translation>玻璃</translation>
    </message>
    <message>
        <source>axis</source>
        <translation>光轴</translation>
    </message>
    <message>
        <source>dotted upright: the ingress vertex</source>
        <translation>点状竖线：入射顶点</translation>
    </message>
    <message>
        <source>below the axis: the upper half mirrored</source>
        <translation>光轴下方：上半部分的镜像</translation>
    </message>
    <message>
        <source>mean focus</source>
        <translation>平均焦点</translation>
    </message>
    <message>
        <source>V: nearest crossing to farthest crossing</source>
        <translation>V：最近交点至最远交点</translation>
    </message>
    <message>
        <source>V: nearest crossing to farthest crossing (green)</source>
        <translation>V：最近交点至最远交点（绿色）</translation>
    </message>
    <message>
        <source>%1 × true scale</source>
        <translation>%1 × 实际比例</translation>
    </message>
    <message>
        <source>f = -- (afocal lens)</source>
        <translation>f = --（无焦透镜）</translation>
    </message>
    <message>
        <source>f = %1   paraxial focus %2</source>
        <translation>f = %1   近轴焦点 %2</translation>
    </message>
    <message>
        <source>traced - paraxial focus %1</source>
        <translation>追迹焦点 - 近轴焦点 %1</translation>
    </message>
    <message>
        <source>s = %1   s&apos; = %2 traced, %3 paraxial</source>
        <translation>s = %1   s&apos; = %2 追迹，%3 近轴</translation>
    </message>
    <message>
        <source>infinite</source>
        <translation>无穷远</translation>
    </message>
    <message>
        <source>m = %1 traced, %2 paraxial</source>
        <translation>m = %1 追迹，%2 近轴</translation>
    </message>
    <message>
        <source>blur %1</source>
        <translation>模糊 %1</translation>
    </message>
    <message>
        <source>virtual image</source>
        <translation>虚像</translation>
    </message>
    <message>
        <source>real image</source>
        <translation>实像</translation>
    </message>
    <message>
        <source>no image</source>
        <translation>无像</translation>
    </message>
    <message>
        <source>%1° fan: %2 beams</source>
        <translation>%1° 光束扇：%2 条光束</translation>
    </message>
    <message>
        <source>%1° fan: %2 beam</source>
        <translation>%1° 光束扇：%2 条光束</translation>
    </message>
    <message>
        <source>fans at %1, %2, %3, %4 and %5°</source>
        <translation>%1、%2、%3、%4 和 %5° 光束扇</translation>
    </message>
    <message>
        <source>fans at %1</source>
        <translation>%1 的光束扇</translation>
    </message>
    <message>
        <source>beams through the lens at %1</source>
        <translation>%1 下穿过透镜的光束</translation>
    </message>
    <message>
        <source>focus %1   width %2   dev %3 (%4%)</source>
        <translation>焦点 %1   宽度 %2   dev %3 (%4%)</translation>
    </message>
    <message>
        <source>focus --   width %1   dev -- (--%)</source>
        <translation>焦点 --   宽度 %1   dev -- (--%)</translation>
    </message>
    <message>
        <source>%1 inch</source>
        <translation>%1 英寸</translation>
    </message>
</context>
</TS>
