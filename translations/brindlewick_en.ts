<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Brindlewick</name>
    <message><source>%1$@ を書き込めませんでした（%2$@）。</source><translation>Could not write %1$@ (%2$@).</translation></message>
    <message><source>hooks が object ではありません</source><translation>hooks is not an object</translation></message>
    <message><source>hooks.%@ が object の配列ではありません</source><translation>hooks.%@ is not an array of objects</translation></message>
    <message><source>settings.json が不正な JSON です。バックアップを取得し、上書きせずに中止しました。手動修正後に再実行してください。</source><translation>settings.json is not valid JSON. A backup was made and the file was left unchanged. Fix it by hand and try again.</translation></message>
    <message><source>settings.json の構造が想定外です（%@）。安全のため変更を中止しました。</source><translation>The structure of settings.json is not as expected (%@). The change was cancelled for safety.</translation></message>
    <message><source>settings.json を読み取れませんでした</source><translation>settings.json could not be read</translation></message>
    <message><source>セッションが入力を待っています。</source><translation>The session is waiting for input.</translation></message>
    <message><source>トップレベルが object ではありません</source><translation>the top level is not an object</translation></message>
    <message><source>フォルダ %@ を作成できませんでした。</source><translation>Could not create the folder %@.</translation></message>
    <message><source>対応が必要</source><translation>Action needed</translation></message>
    <message><source>応答が届きました</source><translation>Response received</translation></message>
</context>
</TS>
