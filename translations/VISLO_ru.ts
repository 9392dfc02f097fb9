<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>MainWindow</name>
    <message>
        <source>Document Camera</source>
        <translation>Документ-камера</translation>
    </message>
</context>
</TS>
