<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>Brindlewick</name>
    <message><source>%1$@ を書き込めませんでした（%2$@）。</source><translation>%1$@ 파일을 쓸 수 없습니다(%2$@).</translation></message>
    <message><source>hooks が object ではありません</source><translation>hooks가 object가 아닙니다</translation></message>
    <message><source>hooks.%@ が object の配列ではありません</source><translation>hooks.%@이(가) object 배열이 아닙니다</translation></message>
    <message><source>settings.json が不正な JSON です。バックアップを取得し、上書きせずに中止しました。手動修正後に再実行してください。</source><translation>settings.json이 올바른 JSON이 아닙니다. 백업을 만든 뒤 덮어쓰지 않고 중단했습니다. 직접 수정한 후 다시 시도하세요.</translation></message>
    <message><source>settings.json の構造が想定外です（%@）。安全のため変更を中止しました。</source><translation>settings.json의 구조가 예상과 다릅니다(%@). 안전을 위해 변경을 중단했습니다.</translation></message>
    <message><source>settings.json を読み取れませんでした</source><translation>settings.json을 읽을 수 없습니다</translation></message>
    <message><source>セッションが入力を待っています。</source><translation>세션이 입력을 기다리고 있습니다.</translation></message>
    <message><source>トップレベルが object ではありません</source><translation>최상위 값이 object가 아닙니다</translation></message>
    <message><source>フォルダ %@ を作成できませんでした。</source><translation>%@ 폴더를 만들 수 없습니다.</translation></message>
    <message><source>対応が必要</source><translation>조치 필요</translation></message>
    <message><source>応答が届きました</source><translation>응답이 도착했습니다</translation></message>
</context>
</TS>
