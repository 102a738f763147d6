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
    <name>Backups</name>
    <message>
        <source>Compare With File</source>
        <translation>与文件比较</translation>
    </message>
    <message>
        <source>The data in the program and %1 are the same.</source>
        <translation>程序中的数据与 %1 相同。</translation>
    </message>
    <message>
        <source>From the data in the program to %1 (%2 differ):</source>
        <translation>从程序中的数据到 %1（%2有差别）：</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>Open Radio Backup</source>
        <translation>打开对讲机备份</translation>
    </message>
</context>
<context>
    <name>Channel</name>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>粘贴</translation>
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
        <source>%1 MHz is outside this radio&apos;s band, %2 to %3 MHz</source>
        <translation>%1 MHz 超出本机频段（%2 至 %3 MHz）</translation>
    </message>
    <message>
        <source>channel %1</source>
        <translation>信道 %1</translation>
    </message>
    <message>
        <source>header line</source>
        <translation>标题行</translation>
    </message>
    <message>
        <source>%1, column &quot;%2&quot;: %3</source>
        <translation>%1，列“%2”：%3</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>剪切</translation>
    </message>
    <message>
        <source>Delete Channels</source>
        <translation>删除信道</translation>
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
        <translation>对讲机的信道名称最多 6 个字符：A-Z、a-z、0-9、空格及 ! &quot; # $ % &amp; &apos; ( ) * + , - . / : ; &lt; = &gt; ? @ [ \ ] ^ _ `（不能使用中文等其他字符）</translation>
    </message>
</context>
<context>
    <name>ChannelCsv</name>
    <message>
        <source>TX %1 MHz is outside this radio&apos;s band (%2 to %3 MHz)</source>
        <translation>发射频率 %1 MHz 超出本机频段（%2 至 %3 MHz）</translation>
    </message>
    <message>
        <source>%1 MHz is outside this radio&apos;s band (%2 to %3 MHz)</source>
        <translation>%1 MHz 超出本机频段（%2 至 %3 MHz）</translation>
    </message>
    <message>
        <source>&quot;%1&quot; stored as &quot;%2&quot;</source>
        <translation>“%1”存为“%2”</translation>
    </message>
    <message>
        <source>Names longer than six characters are cut to six: %1</source>
        <translation>超过六个字符的名称已截为六个字符：%1</translation>
    </message>
    <message>
        <source>Power and Mode are not applied: this radio&apos;s power and bandwidth are fixed (%1)</source>
        <translation>未导入功率 (Power) 和模式 (Mode)：本机的发射功率和信道带宽是固定的（%1）</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>第 %1 行：%2</translation>
    </message>
    <message>
        <source>there is no column &quot;Location&quot;; fill the channels in file order instead (renumber)</source>
        <translation>没有“Location”列；请改为按文件顺序放入信道（重新编号）</translation>
    </message>
    <message>
        <source>no row of the plan can be stored in this radio</source>
        <translation>信道表中没有一行能存入本机</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a channel number from 1 to 16</source>
        <translation>“%1”不是 1 到 16 之间的信道号</translation>
    </message>
    <message>
        <source>channel %1 is already on line %2</source>
        <translation>信道 %1 已在第 %2 行给出</translation>
    </message>
    <message>
        <source>the radio has 16 channels and the rows before took them all</source>
        <translation>本机只有 16 个信道，已被前面的行全部占用</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be part of a name (codes 32 to 122 only)</source>
        <translation>“%1”不能用于名称（只允许代码 32 到 122 的字符）</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is longer than 6 characters</source>
        <translation>“%1”超过 6 个字符</translation>
    </message>
    <message>
        <source>line %1, column &quot;%2&quot;: %3</source>
        <translation>第 %1 行，列 &quot;%2&quot;：%3</translation>
    </message>
    <message>
        <source>the file is no channel list of the common CSV</source>
        <translation>此文件不是通用 CSV 格式的信道表</translation>
    </message>
    <message>
        <source>column &quot;%1&quot;: %2</source>
        <translation>列 &quot;%1&quot;：%2</translation>
    </message>
    <message>
        <source>%1 of %2 rows checked (at most 16, one per channel); %3 rows cannot be used</source>
        <translation>已选 %1 行，共 %2 行（最多 16 行，每个信道一行）；%3 行无法使用</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not in the tone list (standard tones and the customized tones of this image)</source>
        <translation>“%1”不在亚音列表中（标准亚音及本数据的自定义亚音）</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a frequency in MHz</source>
        <translation>“%1”不是以 MHz 为单位的频率</translation>
    </message>
    <message>
        <source>Frequency - Offset is below zero</source>
        <translation>Frequency 减 Offset 小于零</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not one of: (empty), +, -, split, off</source>
        <translation>“%1”不是以下之一：（空）、+、-、split、off</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs the column &quot;%2&quot;</source>
        <translation>“%1”需要“%2”列</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a DCS code</source>
        <translation>“%1”不是数字亚音码</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not two letters N or R</source>
        <translation>“%1”不是两个字母 N 或 R</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a cross mode such as Tone-&gt;Tone, DTCS-&gt;, -&gt;Tone, Tone-&gt;DTCS</source>
        <translation>“%1”不是交叉模式，例如 Tone-&gt;Tone、DTCS-&gt;、-&gt;Tone、Tone-&gt;DTCS</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a tone mode this radio can hold (empty, Tone, TSQL, DTCS, Cross)</source>
        <translation>“%1”不是本机支持的亚音模式（空、Tone、TSQL、DTCS、Cross）</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not one of: (empty), S</source>
        <translation>“%1”不是以下之一：（空）、S</translation>
    </message>
    <message>
        <source>the row has %1 cells but the header only %2 (quote a cell that holds a comma)</source>
        <translation>该行有 %1 个单元格，但表头只有 %2 个（含逗号的单元格请加引号）</translation>
    </message>
    <message>
        <source>the file holds no header row</source>
        <translation>文件中没有表头行</translation>
    </message>
    <message>
        <source>line %1: the header names neither the channel editor&apos;s columns (No., CH Name, RX Freq., ...) nor those of the common channel CSV (Location, Name, Frequency, ...)%2</source>
        <translation>第 %1 行：表头既不是信道编辑器的列（No.、CH Name、RX Freq. 等），也不是通用信道 CSV 的列（Location、Name、Frequency 等）%2</translation>
    </message>
    <message>
        <source>; the cells are separated by &quot;;&quot;, save the file with &quot;,&quot; instead</source>
        <translation>；单元格以“;”分隔，请改用“,”保存文件</translation>
    </message>
    <message>
        <source>the column &quot;%1&quot; appears twice</source>
        <translation>列“%1”出现了两次</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has more decimals than the tone list (67.0, 71.9, ...)</source>
        <translation>“%1”的小数位多于亚音列表（67.0、71.9 等）</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a tone (write 67.0, D023N, D023I or None)</source>
        <translation>“%1”不是亚音（请写 67.0、D023N、D023I 或 None）</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not one of: %2</source>
        <translation>“%1”不是以下之一：%2</translation>
    </message>
    <message>
        <source>line %1: a quoted field is not closed</source>
        <translation>第 %1 行：引号括起的字段没有结束</translation>
    </message>
    <message>
        <source>there is no column &quot;%1&quot;</source>
        <translation>没有列“%1”</translation>
    </message>
    <message>
        <source>a channel without TX Freq. has no TX tone</source>
        <translation>没有发射频率的信道不能有发射亚音</translation>
    </message>
    <message>
        <source>channel %1 is empty: give its RX Freq. first</source>
        <translation>信道 %1 为空：请先填写其接收频率</translation>
    </message>
    <message>
        <source>a channel without RX Freq. is empty and takes no other value</source>
        <translation>没有接收频率的信道为空，不能填写其他值</translation>
    </message>
    <message>
        <source>the channel editor cannot change this column (the channel has %1)</source>
        <translation>信道编辑器不能更改此列（该信道为 %1）</translation>
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
    <message>
        <source>Back up the radio first</source>
        <translation>写入前备份对讲机</translation>
    </message>
    <message>
        <source>Verify after writing</source>
        <translation>写入后校验</translation>
    </message>
    <message>
        <source>The backup could not be saved:</source>
        <translation>无法保存备份：</translation>
    </message>
    <message>
        <source>Backing up the radio...</source>
        <translation>正在备份对讲机...</translation>
    </message>
    <message>
        <source>Writing: %1 change</source>
        <translation>写入中：%1有改动</translation>
    </message>
    <message>
        <source>Verifying...</source>
        <translation>校验中...</translation>
    </message>
    <message>
        <source>Writing Complete! The radio was read back and holds what was written.</source>
        <translation>写频完成！已回读校验，对讲机中的数据与写入的一致。</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>……另有 %1 项</translation>
    </message>
    <message>
        <source>Not verified: the radio holds other data than was written.</source>
        <translation>校验失败：对讲机中的数据与写入的不一致。</translation>
    </message>
    <message>
        <source>Written, but not verified: the radio did not answer the read-back.</source>
        <translation>已写入，但未校验：对讲机没有响应回读。</translation>
    </message>
    <message>
        <source>The radio&apos;s backup could not be saved, so nothing was written.</source>
        <translation>无法保存对讲机备份，因此未写入任何数据。</translation>
    </message>
    <message>
        <source>1 radio written and verified</source>
        <translation>已写入并校验 1 台对讲机</translation>
    </message>
    <message>
        <source>%1 radios written and verified</source>
        <translation>已写入并校验 %1 台对讲机</translation>
    </message>
    <message>
        <source>1 radio written</source>
        <translation>已写入 1 台对讲机</translation>
    </message>
    <message>
        <source>%1 radios written</source>
        <translation>已写入 %1 台对讲机</translation>
    </message>
    <message>
        <source>radio %1</source>
        <translation>第 %1 台</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>失败：%1</translation>
    </message>
    <message>
        <source>, </source>
        <translation>、</translation>
    </message>
    <message>
        <source>Connect the next radio, then press OK.</source>
        <translation>请连接下一台对讲机，然后按【确定】。</translation>
    </message>
    <message>
        <source>Writing...</source>
        <translation>写入中...</translation>
    </message>
</context>
<context>
    <name>ComPortDialog</name>
    <message>
        <source>Communication Port</source>
        <translation>通信端口</translation>
    </message>
    <message>
        <source>Find My Cable</source>
        <translation>查找写频线</translation>
    </message>
    <message>
        <source>Unplug the cable, press Find My Cable, then plug the cable in.</source>
        <translation>请先拔下写频线，按“查找写频线”，然后插上写频线。</translation>
    </message>
    <message>
        <source>Plug the cable in now. Watching for %1 s...</source>
        <translation>请现在插上写频线。正在等待 %1 秒...</translation>
    </message>
    <message>
        <source>A device appeared (%1), but none of COM1 to COM16 stands for it: give it one of these numbers in the Device Manager.</source>
        <translation>出现了一个设备（%1），但 COM1 至 COM16 中没有端口对应它：请在设备管理器中为它指定其中一个端口号。</translation>
    </message>
    <message>
        <source>A device appeared (%1), but none of COM1 to COM16 stands for it: name it in Radio.INI, section [Ports], as COMn=%1.</source>
        <translation>出现了一个设备（%1），但 COM1 至 COM16 中没有端口对应它：请在 Radio.INI 的 [Ports] 节中以 COMn=%1 指定它。</translation>
    </message>
    <message>
        <source>Your cable is on COM%1: %2.</source>
        <translation>写频线在 COM%1 上：%2。</translation>
    </message>
    <message>
        <source>No new serial device appeared. Check the cable&apos;s plug, unplug the cable, press Find My Cable and plug it in again.</source>
        <translation>没有出现新的串口设备。请检查写频线插头：拔下写频线，按“查找写频线”，然后重新插上。</translation>
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
    <name>Differences</name>
    <message>
        <source>(empty)</source>
        <translation>（空）</translation>
    </message>
    <message>
        <source>Channel %1 %2: %3 -&gt; %4</source>
        <translation>信道 %1 %2：%3 -&gt; %4</translation>
    </message>
    <message>
        <source>%1, %2: %3 -&gt; %4</source>
        <translation>%1，%2：%3 -&gt; %4</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>第 %1 行：%2</translation>
    </message>
    <message>
        <source>1 channel</source>
        <translation>1 个信道</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 个信道</translation>
    </message>
    <message>
        <source>1 setting</source>
        <translation>1 项设置</translation>
    </message>
    <message>
        <source>%1 settings</source>
        <translation>%1 项设置</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1和 %2</translation>
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
        <source>Names longer than six characters are cut to six:</source>
        <translation>超过六个字符的名称已截为六个字符：</translation>
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
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>剪切(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>粘贴(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Delete Channels</source>
        <translation>删除信道(&amp;D)</translation>
    </message>
    <message>
        <source>Open Radio Backup...</source>
        <translation>打开对讲机备份...</translation>
    </message>
    <message>
        <source>Compare With File...</source>
        <translation>与文件比较...</translation>
    </message>
</context>
<context>
    <name>PlanChoice</name>
    <message>
        <source>Import</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>信道</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>位置 (Location)</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>频率</translation>
    </message>
    <message>
        <source>TX</source>
        <translation>发射频率</translation>
    </message>
    <message>
        <source>RX tone</source>
        <translation>接收亚音</translation>
    </message>
    <message>
        <source>TX tone</source>
        <translation>发射亚音</translation>
    </message>
    <message>
        <source>Why it cannot be used</source>
        <translation>无法使用的原因</translation>
    </message>
    <message>
        <source>Choose the Channels to Import</source>
        <translation>选择要导入的信道</translation>
    </message>
    <message>
        <source>This channel list does not fit the radio as it is. Check the rows to import, at most 16; greyed rows cannot be used, for the reason shown. Each checked row goes to the channel beside it (double-click to change it).</source>
        <translation>此信道表无法原样放入本机。请勾选要导入的行，最多 16 行；灰色的行无法使用，原因见右侧。每个勾选的行放入其旁边所示的信道（双击可更改）。</translation>
    </message>
</context>
<context>
    <name>PortAdvice</name>
    <message>
        <source>You may not open %1: it belongs to the group &quot;%2&quot;. Add yourself with &quot;sudo usermod -aG %2 $USER&quot;, then log out and log in again.</source>
        <translation>您无权打开 %1：它属于用户组“%2”。请用“sudo usermod -aG %2 $USER”把自己加入该组，然后注销并重新登录。</translation>
    </message>
    <message>
        <source>Only its owner &quot;%2&quot; may open %1: ask the administrator to give you access to it (the package&apos;s rule does so for common programming cables).</source>
        <translation>只有其所有者“%2”可以打开 %1：请让管理员为您开放访问权限（本软件安装包中的规则会为常见写频线开放权限）。</translation>
    </message>
    <message>
        <source>Another program holds %1: close any other programming program or terminal program that uses it, then try again.</source>
        <translation>另一个程序正在占用 %1：请关闭正在使用它的其他写频软件或终端程序，然后重试。</translation>
    </message>
    <message>
        <source>Another program holds %1: close it. A modem manager (ModemManager) or a braille-display service (brltty) often takes a freshly plugged USB adapter: stop it, then plug the cable in again.</source>
        <translation>另一个程序正在占用 %1：请关闭它。调制解调器管理服务（ModemManager）或盲文显示服务（brltty）常会占用刚插入的 USB 适配器：请停止该服务，然后重新插入写频线。</translation>
    </message>
    <message>
        <source>No cable is plugged in, or it is on another port: use Find My Cable in Communication Port &gt; Port Selection.</source>
        <translation>未插入写频线，或写频线在另一个端口上：请使用“通讯端口 &gt; 端口选择”中的“查找写频线”。</translation>
    </message>
    <message>
        <source>No cable is plugged in, or it is on another port: &quot;qv730-cli ports&quot; lists the ports and their devices.</source>
        <translation>未插入写频线，或写频线在另一个端口上：“qv730-cli ports”会列出各端口及其设备。</translation>
    </message>
    <message>
        <source>The cable was unplugged or the adapter reset: check the plug and press Retry.</source>
        <translation>写频线已被拔出或适配器已复位：请检查插头，然后按“重试”。</translation>
    </message>
    <message>
        <source>The cable was unplugged or the adapter reset: check the plug and run the command again.</source>
        <translation>写频线已被拔出或适配器已复位：请检查插头，然后重新运行命令。</translation>
    </message>
</context>
<context>
    <name>PortDescription</name>
    <message>
        <source>serial number %1</source>
        <translation>序列号 %1</translation>
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
    <message>
        <source>Write Another Radio</source>
        <translation>写入下一台</translation>
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
<context>
    <name>Undo</name>
    <message>
        <source>Paste Channels</source>
        <translation>粘贴信道</translation>
    </message>
    <message>
        <source>Cut Channels</source>
        <translation>剪切信道</translation>
    </message>
    <message>
        <source>Delete Channels</source>
        <translation>删除信道</translation>
    </message>
    <message>
        <source>Type in Channel %1 %2</source>
        <translation>输入信道 %1 的%2</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>撤销%1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>重做%1</translation>
    </message>
    <message>
        <source>Memory Map</source>
        <translation>内存表</translation>
    </message>
    <message>
        <source>Import Channels</source>
        <translation>导入信道</translation>
    </message>
</context>
</TS>
