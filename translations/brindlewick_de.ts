<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Brindlewick</name>
    <message><source>%@、プロジェクト %@</source><translation>%@, Projekt %@</translation></message>
    <message><source>%@、停止</source><translation>%@, gestoppt</translation></message>
    <message><source>%@へ移動</source><translation>Nach „%@“ verschieben</translation></message>
    <message><source>%lld か月前</source><translation>vor %lld Monaten</translation></message>
    <message><source>%lld か月後</source><translation>in %lld Monaten</translation></message>
    <message><source>%lld 分前</source><translation>vor %lld Minuten</translation></message>
    <message><source>%lld 分後</source><translation>in %lld Minuten</translation></message>
    <message><source>%lld 年前</source><translation>vor %lld Jahren</translation></message>
    <message><source>%lld 年後</source><translation>in %lld Jahren</translation></message>
    <message><source>%lld 日前</source><translation>vor %lld Tagen</translation></message>
    <message><source>%lld 日後</source><translation>in %lld Tagen</translation></message>
    <message><source>%lld 時間前</source><translation>vor %lld Stunden</translation></message>
    <message><source>%lld 時間後</source><translation>in %lld Stunden</translation></message>
    <message><source>%lld 秒前</source><translation>vor %lld Sekunden</translation></message>
    <message><source>%lld 秒後</source><translation>in %lld Sekunden</translation></message>
    <message><source>%lld 週間前</source><translation>vor %lld Wochen</translation></message>
    <message><source>%lld 週間後</source><translation>in %lld Wochen</translation></message>
    <message><source>1 か月前</source><translation>vor 1 Monat</translation></message>
    <message><source>1 か月後</source><translation>in 1 Monat</translation></message>
    <message><source>1 分前</source><translation>vor 1 Minute</translation></message>
    <message><source>1 分後</source><translation>in 1 Minute</translation></message>
    <message><source>1 年前</source><translation>vor 1 Jahr</translation></message>
    <message><source>1 年後</source><translation>in 1 Jahr</translation></message>
    <message><source>1 日前</source><translation>vor 1 Tag</translation></message>
    <message><source>1 日後</source><translation>in 1 Tag</translation></message>
    <message><source>1 時間前</source><translation>vor 1 Stunde</translation></message>
    <message><source>1 時間後</source><translation>in 1 Stunde</translation></message>
    <message><source>1 秒前</source><translation>vor 1 Sekunde</translation></message>
    <message><source>1 秒後</source><translation>in 1 Sekunde</translation></message>
    <message><source>1 週間前</source><translation>vor 1 Woche</translation></message>
    <message><source>1 週間後</source><translation>in 1 Woche</translation></message>
    <message><source>Claude が作業中</source><translation>Claude arbeitet</translation></message>
    <message><source>あなたの番</source><translation>Du bist dran</translation></message>
    <message><source>カードなし</source><translation>Keine Karten</translation></message>
    <message><source>クリックで最前面に表示・ドラッグで別の列へ移動</source><translation>Klicken, um nach vorne zu holen · ziehen, um in eine andere Spalte zu verschieben</translation></message>
    <message><source>セッション</source><translation>Sitzung</translation></message>
    <message><source>セッションが入力を待っています。</source><translation>Die Sitzung wartet auf eine Eingabe.</translation></message>
    <message><source>セッションを閉じる</source><translation>Sitzung schließen</translation></message>
    <message><source>セッションウィンドウを最前面に表示</source><translation>Holt das Sitzungsfenster nach vorne</translation></message>
    <message><source>ボード</source><translation>Board</translation></message>
    <message><source>作業なし</source><translation>Keine Arbeit</translation></message>
    <message><source>作業中</source><translation>In Arbeit</translation></message>
    <message><source>停止</source><translation>Gestoppt</translation></message>
    <message><source>対応が必要</source><translation>Aktion erforderlich</translation></message>
    <message><source>応答が届きました</source><translation>Antwort eingegangen</translation></message>
    <message><source>確認済み</source><translation>Geprüft</translation></message>
    <message><source>要確認</source><translation>Zu prüfen</translation></message>
</context>
</TS>
