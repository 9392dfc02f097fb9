<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>MainWindow</name>
    <message>
        <source>Document Camera</source>
        <translation>實物投影機</translation>
    </message>
</context>
</TS>
