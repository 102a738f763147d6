<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
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
    <name>AudioSettings</name>
    <message>
        <source>Audio Settings</source>
        <translation>音频设置</translation>
    </message>
    <message>
        <source>Microphone Gain</source>
        <translation>麦克风增益</translation>
    </message>
    <message>
        <source>Accessory Microphone Gain</source>
        <translation>配件麦克风增益</translation>
    </message>
    <message>
        <source>VOX Level</source>
        <translation>耳机声控等级</translation>
    </message>
    <message>
        <source>iVOX Level</source>
        <translation>语音声控等级</translation>
    </message>
    <message>
        <source>VOX delay (Sec)</source>
        <translation>声控延时 (秒)</translation>
    </message>
    <message>
        <source>Channel Annunciation</source>
        <translation>语音提示类型</translation>
    </message>
    <message>
        <source>Repeater Burst Tone</source>
        <translation>中继脉冲音</translation>
    </message>
    <message>
        <source>Call Tone</source>
        <translation>发射提示音</translation>
    </message>
    <message>
        <source>Roger Beep Tone</source>
        <translation>发射结束提示音</translation>
    </message>
    <message>
        <source>Emergency Settings</source>
        <translation>报警设置</translation>
    </message>
    <message>
        <source>Emergency Channel</source>
        <translation>报警信道</translation>
    </message>
    <message>
        <source>Select Channel</source>
        <translation>选择信道</translation>
    </message>
    <message>
        <source>Lone Worker Mode</source>
        <translation>单独工作模式</translation>
    </message>
    <message>
        <source>Lone Worker Timer</source>
        <translation>单独工作计时器</translation>
    </message>
    <message>
        <source>(min)</source>
        <translation>(分钟)</translation>
    </message>
    <message>
        <source>English</source>
        <translation>英文</translation>
    </message>
    <message>
        <source>Current CH</source>
        <translation>当前信道</translation>
    </message>
    <message>
        <source>PRI CH</source>
        <translation>优先信道</translation>
    </message>
    <message>
        <source>Select CH</source>
        <translation>选择信道</translation>
    </message>
</context>
<context>
    <name>Channel</name>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>Delete channels</source>
        <translation>删除信道</translation>
    </message>
    <message>
        <source>The channels cannot be pasted: %1</source>
        <translation>无法粘贴信道：%1</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>信道号</translation>
    </message>
    <message>
        <source>CH Name</source>
        <translation>信道名称</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>信道模式</translation>
    </message>
    <message>
        <source>RX Freq.</source>
        <translation>接收频率</translation>
    </message>
    <message>
        <source>RX CTCSS/DCS</source>
        <translation>接收亚音</translation>
    </message>
    <message>
        <source>TX Freq.</source>
        <translation>发射频率</translation>
    </message>
    <message>
        <source>TX CTCSS/DCS</source>
        <translation>发射亚音</translation>
    </message>
    <message>
        <source>TX Power</source>
        <translation>发射功率</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>信道带宽</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>扫描</translation>
    </message>
    <message>
        <source>Busy Lock</source>
        <translation>繁忙锁定</translation>
    </message>
    <message>
        <source>Reverse Burst</source>
        <translation>尾音消除</translation>
    </message>
    <message>
        <source>Talk Around</source>
        <translation>脱网</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>信道</translation>
    </message>
    <message>
        <source>Simplex</source>
        <translation>单工</translation>
    </message>
    <message>
        <source>Repeater</source>
        <translation>中继</translation>
    </message>
    <message>
        <source>RX only</source>
        <translation>禁止发射</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>低</translation>
    </message>
    <message>
        <source>High</source>
        <translation>高</translation>
    </message>
    <message>
        <source>Narrow</source>
        <translation>窄带</translation>
    </message>
    <message>
        <source>Wide</source>
        <translation>宽带</translation>
    </message>
    <message>
        <source>Carrier</source>
        <translation>载波</translation>
    </message>
    <message>
        <source>Carrier Squelch</source>
        <translation>载波</translation>
    </message>
    <message>
        <source>CTCSS/DCS</source>
        <translation>亚音</translation>
    </message>
    <message>
        <source>Make channel %1 a repeater?</source>
        <translation>将信道 %1 设为中继？</translation>
    </message>
    <message>
        <source>Channel table</source>
        <translation>信道表</translation>
    </message>
    <message>
        <source>The radio stores up to 6 characters: A-Z, a-z, 0-9, space and ! &quot; # $ % &amp; &apos; ( ) * + , - . / : ; &lt; = &gt; ? @ [ \ ] ^ _ `</source>
        <translation>对讲机的信道名称最多 6 个字符：A-Z、a-z、0-9、空格及 ! " # $ % &amp; ' ( ) * + , - . / : ; &lt; = &gt; ? @ [ \ ] ^ _ `（不能使用中文等其他字符）</translation>
    </message>
</context>
<context>
    <name>ChannelList</name>
    <message>
        <source>QV-730 Channel List</source>
        <translation>QV-730 信道表</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>文件：%1</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>日期：%1</translation>
    </message>
    <message>
        <source>Print Channel List</source>
        <translation>打印信道表</translation>
    </message>
    <message>
        <source>Export Channel List (PDF)</source>
        <translation>导出信道表 (PDF)</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF 文件 (*.pdf)</translation>
    </message>
    <message>
        <source>The PDF could not be made.</source>
        <translation>无法生成 PDF 文件。</translation>
    </message>
    <message>
        <source>Channel list exported to %1</source>
        <translation>信道表已导出到 %1</translation>
    </message>
</context>
<context>
    <name>CloneDialog</name>
    <message>
        <source>Read Data From Radio</source>
        <translation>从对讲机读出数据</translation>
    </message>
    <message>
        <source>Write Data To Radio</source>
        <translation>向对讲机写入数据</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>Press [OK] to Begin</source>
        <translation>按【确定】开始</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>读取中...</translation>
    </message>
    <message>
        <source>Writing...</source>
        <translation>写入中...</translation>
    </message>
    <message>
        <source>Reading Complete!</source>
        <translation>读频完成!</translation>
    </message>
    <message>
        <source>Writing Complete!</source>
        <translation>写频完成!</translation>
    </message>
    <message>
        <source>Connection Fail!</source>
        <translation>通讯出错!</translation>
    </message>
</context>
<context>
    <name>ComPortDialog</name>
    <message>
        <source>Communication Port</source>
        <translation>通信端口</translation>
    </message>
</context>
<context>
    <name>Common</name>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>On</source>
        <translation>开</translation>
    </message>
</context>
<context>
    <name>CustomizedTones</name>
    <message>
        <source>Customized CTCSS/DCS</source>
        <translation>自定义亚音</translation>
    </message>
    <message>
        <source>Customized CTCSS</source>
        <translation>自定义模拟亚音</translation>
    </message>
    <message>
        <source>Customized DCS</source>
        <translation>自定义数字亚音</translation>
    </message>
</context>
<context>
    <name>DataFile</name>
    <message>
        <source>Incorrect File Type.</source>
        <translation>文件类型不正确。</translation>
    </message>
    <message>
        <source>The file could not be saved.</source>
        <translation>文件保存失败。</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>File has been modified, save it now?</source>
        <translation>文件已被修改，是否保存？</translation>
    </message>
    <message>
        <source>The channel plan was not imported.</source>
        <translation>信道表未导入。</translation>
    </message>
    <message>
        <source>This file is a channel list in the common CSV of other radio programs.
Put its channels into channels 1, 2, 3, ... in file order?
(No: each goes to the channel its Location names.)</source>
        <translation>此文件是其他写频软件通用 CSV 格式的信道表。
是否按文件中的顺序依次放入信道 1、2、3……？
（否：按 Location 列指定的信道放入。）</translation>
    </message>
    <message>
        <source>Power and Mode are not applied: this radio&apos;s power and bandwidth are fixed.</source>
        <translation>未导入功率 (Power) 和模式 (Mode)：本机的发射功率和信道带宽是固定的。</translation>
    </message>
    <message>
        <source>The file %1 no longer exists. It has been removed from the recent files.</source>
        <translation>文件 %1 已不存在，已从最近的文件中移除。</translation>
    </message>
    <message>
        <source>Channels exported to %1</source>
        <translation>信道已导出到 %1</translation>
    </message>
</context>
<context>
    <name>GeneralSettings</name>
    <message>
        <source>General Settings</source>
        <translation>整机设置</translation>
    </message>
    <message>
        <source>Scan Settings</source>
        <translation>扫描设置</translation>
    </message>
    <message>
        <source>Reverse Burst</source>
        <translation>尾音消除相位</translation>
    </message>
    <message>
        <source>Squelch Level</source>
        <translation>静噪电平</translation>
    </message>
    <message>
        <source>Transmit Timeout Timer</source>
        <translation>发射超时定时器</translation>
    </message>
    <message>
        <source>Battery Save</source>
        <translation>省电功能</translation>
    </message>
    <message>
        <source>Enable Radio to Radio Cloning</source>
        <translation>允许有线复制</translation>
    </message>
    <message>
        <source>Enable Restore Factory Default Settings</source>
        <translation>允许恢复出厂默认设置</translation>
    </message>
    <message>
        <source>Scan Mode</source>
        <translation>扫描方式</translation>
    </message>
    <message>
        <source>Priority Channel</source>
        <translation>优先信道</translation>
    </message>
    <message>
        <source>Scan Resume Time</source>
        <translation>扫描恢复时间</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>普通</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>优先</translation>
    </message>
</context>
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
        <translation>退出(&amp;X)</translation>
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
    <message>
        <source>Export Channels (Common CSV)...</source>
        <translation>导出信道 (通用 CSV)...</translation>
    </message>
    <message>
        <source>Print Channel List...</source>
        <translation>打印信道表...</translation>
    </message>
    <message>
        <source>Export Channel List (PDF)...</source>
        <translation>导出信道表 (PDF)...</translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>重试</translation>
    </message>
</context>
<context>
    <name>SerialLink</name>
    <message>
        <source>There is no serial device for this port.</source>
        <translation>此端口没有串口设备。</translation>
    </message>
    <message>
        <source>Invalid port settings: %1</source>
        <translation>端口设置无效：%1</translation>
    </message>
</context>
<context>
    <name>SettingsWords</name>
    <message>
        <source>CH</source>
        <translation>信道</translation>
    </message>
    <message>
        <source>High</source>
        <translation>高</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>中</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>低</translation>
    </message>
    <message>
        <source>(Sec)</source>
        <translation>(秒)</translation>
    </message>
</context>
<context>
    <name>SideButtons</name>
    <message>
        <source>Side Button Function Settings</source>
        <translation>侧键功能设置</translation>
    </message>
    <message>
        <source>Side Button</source>
        <translation>侧键</translation>
    </message>
    <message>
        <source>Short Press</source>
        <translation>短按</translation>
    </message>
    <message>
        <source>Long Press</source>
        <translation>长按</translation>
    </message>
    <message>
        <source>No Operation</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Scan + Temporary Delete</source>
        <translation>扫描/信道暂时删除</translation>
    </message>
    <message>
        <source>Emergency Calling</source>
        <translation>报警</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>监听</translation>
    </message>
    <message>
        <source>Repeater / Talkaround</source>
        <translation>中继/脱网</translation>
    </message>
</context>
<context>
    <name>Tone</name>
    <message>
        <source>None</source>
        <translation>无</translation>
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
    <message>
        <source>Navigation</source>
        <translation>导航</translation>
    </message>
</context>
</TS>
