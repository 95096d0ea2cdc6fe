<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Brindlewick</name>
    <message><source>システムに従う</source><translation>System folgen</translation></message>
    <message><source>セッションが入力を待っています。</source><translation>Die Sitzung wartet auf eine Eingabe.</translation></message>
    <message><source>対応が必要</source><translation>Aktion erforderlich</translation></message>
    <message><source>応答が届きました</source><translation>Antwort eingegangen</translation></message>
    <message><source>開く</source><translation>Öffnen</translation></message>
</context>
</TS>
