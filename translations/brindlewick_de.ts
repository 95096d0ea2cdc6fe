<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Brindlewick</name>
    <message><source>%1$@ を書き込めませんでした（%2$@）。</source><translation>%1$@ konnte nicht geschrieben werden (%2$@).</translation></message>
    <message><source>hooks が object ではありません</source><translation>hooks ist kein Objekt</translation></message>
    <message><source>hooks.%@ が object の配列ではありません</source><translation>hooks.%@ ist kein Array von Objekten</translation></message>
    <message><source>settings.json が不正な JSON です。バックアップを取得し、上書きせずに中止しました。手動修正後に再実行してください。</source><translation>settings.json ist kein gültiges JSON. Es wurde eine Sicherung angelegt und die Datei nicht überschrieben. Bitte von Hand korrigieren und erneut versuchen.</translation></message>
    <message><source>settings.json の構造が想定外です（%@）。安全のため変更を中止しました。</source><translation>Der Aufbau von settings.json entspricht nicht der Erwartung (%@). Die Änderung wurde aus Sicherheitsgründen abgebrochen.</translation></message>
    <message><source>settings.json を読み取れませんでした</source><translation>settings.json konnte nicht gelesen werden</translation></message>
    <message><source>セッションが入力を待っています。</source><translation>Die Sitzung wartet auf eine Eingabe.</translation></message>
    <message><source>トップレベルが object ではありません</source><translation>die oberste Ebene ist kein Objekt</translation></message>
    <message><source>フォルダ %@ を作成できませんでした。</source><translation>Der Ordner %@ konnte nicht angelegt werden.</translation></message>
    <message><source>対応が必要</source><translation>Aktion erforderlich</translation></message>
    <message><source>応答が届きました</source><translation>Antwort eingegangen</translation></message>
</context>
</TS>
