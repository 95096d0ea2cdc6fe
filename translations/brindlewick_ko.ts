<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>Brindlewick</name>
    <message><source>システムに従う</source><translation>시스템 설정 따르기</translation></message>
    <message><source>セッションが入力を待っています。</source><translation>세션이 입력을 기다리고 있습니다.</translation></message>
    <message><source>対応が必要</source><translation>조치 필요</translation></message>
    <message><source>応答が届きました</source><translation>응답이 도착했습니다</translation></message>
    <message><source>開く</source><translation>열기</translation></message>
</context>
</TS>
