<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>kv</name>
    <message>
        <source>帮助文件未找到</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>使用帮助---%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法创建文件夹</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
