<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Brindlewick</name>
    <message><source>システムに従う</source><translation>Follow the system</translation></message>
    <message><source>セッションが入力を待っています。</source><translation>The session is waiting for input.</translation></message>
    <message><source>対応が必要</source><translation>Action needed</translation></message>
    <message><source>応答が届きました</source><translation>Response received</translation></message>
    <message><source>開く</source><translation>Open</translation></message>
</context>
</TS>
