<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>MainWindow</name>
    <message>
        <source>Document Camera</source>
        <translation>Dokumentenkamera</translation>
    </message>
</context>
</TS>
