<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>MainWindow</name>
    <message>
        <source>Document Camera</source>
        <translation>Cámara de documentos</translation>
    </message>
</context>
</TS>
