<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>DataFile</name>
    <message>
        <source>Incorrect File Type.</source>
        <translation>文件类型不正确。</translation>
    </message>
</context>
<context>
    <name>Tone</name>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
</context>
</TS>
