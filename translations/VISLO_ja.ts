<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>MainWindow</name>
    <message>
        <source>Document Camera</source>
        <translation>書画カメラ</translation>
    </message>
</context>
</TS>
