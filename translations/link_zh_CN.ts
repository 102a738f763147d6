<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
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
        <source>Writting...  </source>
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
</TS>
