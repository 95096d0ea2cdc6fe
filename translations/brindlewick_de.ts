<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Brindlewick</name>
    <message><source>Brindlewick について</source><translation>Über Brindlewick</translation></message>
    <message><source>Brindlewick を終了</source><translation>Brindlewick beenden</translation></message>
    <message><source>Brindlewick を終了しますか。</source><translation>Brindlewick beenden?</translation></message>
    <message><source>Claude が作業中</source><translation>Claude arbeitet</translation></message>
    <message><source>「</source><translation>„</translation></message>
    <message><source>」をコピー</source><translation>“ kopieren</translation></message>
    <message><source>あなたの番</source><translation>Du bist dran</translation></message>
    <message><source>どのセッションにも反映されませんでした（未知 card か古いイベント）</source><translation>Auf keine Sitzung angewendet (unbekannte Card oder veraltetes Ereignis)</translation></message>
    <message><source>アプリ内の表示言語を切り替えます。「システムに従う」は OS の言語設定に従います。</source><translation>Wechselt die Sprache der App-Texte. „System folgen“ richtet sich nach der Spracheinstellung des Betriebssystems.</translation></message>
    <message><source>ウインドウ</source><translation>Fenster</translation></message>
    <message><source>キャンセル</source><translation>Abbrechen</translation></message>
    <message><source>コピーしました</source><translation>Kopiert</translation></message>
    <message><source>システムに従う</source><translation>System folgen</translation></message>
    <message><source>セッションが入力を待っています。</source><translation>Die Sitzung wartet auf eine Eingabe.</translation></message>
    <message><source>ファイル</source><translation>Datei</translation></message>
    <message><source>フックログ</source><translation>Hook-Protokoll</translation></message>
    <message><source>プロジェクト</source><translation>Projekte</translation></message>
    <message><source>プロジェクトがありません</source><translation>Keine Projekte</translation></message>
    <message><source>プロジェクトが見つかりません</source><translation>Projekt nicht gefunden</translation></message>
    <message><source>ヘルプ</source><translation>Hilfe</translation></message>
    <message><source>ボード</source><translation>Board</translation></message>
    <message><source>ボードを表示</source><translation>Board anzeigen</translation></message>
    <message><source>ログなし</source><translation>Keine Einträge</translation></message>
    <message><source>一般</source><translation>Allgemein</translation></message>
    <message><source>作業なし</source><translation>Nichts zu tun</translation></message>
    <message><source>作業中</source><translation>In Arbeit</translation></message>
    <message><source>受信ログ（</source><translation>Empfangsprotokoll (</translation></message>
    <message><source>対応が必要</source><translation>Aktion erforderlich</translation></message>
    <message><source>応答が届きました</source><translation>Antwort eingegangen</translation></message>
    <message><source>確認済み</source><translation>Geprüft</translation></message>
    <message><source>稼働中のすべてのセッション（claude プロセス）が終了します。</source><translation>Alle laufenden Sitzungen (ihre claude-Prozesse) werden beendet.</translation></message>
    <message><source>終了する</source><translation>Beenden</translation></message>
    <message><source>表示</source><translation>Ansicht</translation></message>
    <message><source>表示言語</source><translation>Anzeigesprache</translation></message>
    <message><source>要確認</source><translation>Zu prüfen</translation></message>
    <message><source>設定</source><translation>Einstellungen</translation></message>
    <message><source>設定…</source><translation>Einstellungen …</translation></message>
    <message><source>開く</source><translation>Öffnen</translation></message>
    <message><source>）</source><translation>)</translation></message>
</context>
</TS>
