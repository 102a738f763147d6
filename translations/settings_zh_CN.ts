<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>SettingsWords</name>
    <message>
        <source>CH</source>
        <translation>信道</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>On</source>
        <translation>开</translation>
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
</TS>
