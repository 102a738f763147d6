<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>MainBar</name>
    <message>
        <source>Menu Bar</source>
        <translation>菜单栏</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>&amp;Model</source>
        <translation>机型(&amp;M)</translation>
    </message>
    <message>
        <source>Radio Settings</source>
        <translation>对讲机设置</translation>
    </message>
    <message>
        <source>Communication Port</source>
        <translation>通讯端口</translation>
    </message>
    <message>
        <source>Read/Write</source>
        <translation>读写频</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>视图(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>窗口(&amp;W)</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>新建(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>打开(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>打印(&amp;P)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Program</source>
        <translation>编程(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Read Data From Radio</source>
        <translation>从对讲机读取数据(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Write Data To Radio</source>
        <translation>向对讲机写入数据(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>General Settings</source>
        <translation>整机设置</translation>
    </message>
    <message>
        <source>Audio Settings</source>
        <translation>音频设置</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>信道</translation>
    </message>
    <message>
        <source>Side Button Function Settings</source>
        <translation>侧键功能设置</translation>
    </message>
    <message>
        <source>&amp;Scan Information</source>
        <translation>扫描信息(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Emergency</source>
        <translation>紧急报警(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;DTMF</source>
        <translation>DTMF(&amp;D)</translation>
    </message>
    <message>
        <source>5-&amp;Tone</source>
        <translation>五音(&amp;T)</translation>
    </message>
    <message>
        <source>E&amp;mbedded Message</source>
        <translation>嵌入信息(&amp;M)</translation>
    </message>
    <message>
        <source>Customized CTCSS/DCS</source>
        <translation>自定义亚音</translation>
    </message>
    <message>
        <source>Tree View</source>
        <translation>树视图</translation>
    </message>
    <message>
        <source>&amp;Tool Bar</source>
        <translation>工具栏(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>状态栏(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>层叠(&amp;C)</translation>
    </message>
    <message>
        <source>Tile &amp;Horizontally</source>
        <translation>水平平铺(&amp;H)</translation>
    </message>
    <message>
        <source>Tile &amp;Vertically</source>
        <translation>垂直平铺(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Arrange Icons</source>
        <translation>排列图标(&amp;A)</translation>
    </message>
    <message>
        <source>Close All &amp;Windows</source>
        <translation>关闭所有窗口(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>关于...(&amp;A)</translation>
    </message>
    <message>
        <source>Port Selection</source>
        <translation>端口选择</translation>
    </message>
    <message>
        <source>Initial Settings</source>
        <translation>初始化设置</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>语言(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Chinese</source>
        <translation>中文(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;English</source>
        <translation>英语(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Model Information</source>
        <translation>机型信息(&amp;M)</translation>
    </message>
    <message>
        <source>Tool Bar</source>
        <translation>工具栏</translation>
    </message>
    <message>
        <source>Export Channels (CSV)...</source>
        <translation>导出信道 (CSV)...</translation>
    </message>
    <message>
        <source>Import Channels (CSV)...</source>
        <translation>导入信道 (CSV)...</translation>
    </message>
</context>
<context>
    <name>TreeView</name>
    <message>
        <source>General Settings</source>
        <translation>整机设置</translation>
    </message>
    <message>
        <source>Audio Settings</source>
        <translation>音频设置</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>信道</translation>
    </message>
    <message>
        <source>Side Button Function Settings</source>
        <translation>侧键功能设置</translation>
    </message>
</context>
<context>
    <name>About</name>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Programming SoftWare</source>
        <translation>编程软件</translation>
    </message>
    <message>
        <source>O&amp;K</source>
        <translation>确定(&amp;K)</translation>
    </message>
    <message>
        <source>Programs the channels and settings of the QV-730 two-way radio.</source>
        <translation>为 QV-730 对讲机编写信道与设置。</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>All data will be cleared.</source>
        <translation>所有数据将被清空。</translation>
    </message>
    <message>
        <source>Alert!</source>
        <translation>警告!</translation>
    </message>
    <message>
        <source>File has been modified, save it now?</source>
        <translation>文件已被修改，是否保存？</translation>
    </message>
    <message>
        <source>The channel plan was not imported.</source>
        <translation>信道表未导入。</translation>
    </message>
</context>
</TS>
