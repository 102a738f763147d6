<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>Channel</name>
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
        <source>Off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>On</source>
        <translation>开</translation>
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
</context>
</TS>
