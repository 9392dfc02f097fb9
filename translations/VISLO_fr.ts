<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>MainWindow</name>
    <message>
        <source>Document Camera</source>
        <translation>Caméra de documents</translation>
    </message>
</context>
</TS>
