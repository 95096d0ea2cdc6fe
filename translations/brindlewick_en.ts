<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Brindlewick</name>
    <message><source>Brindlewick について</source><translation>About Brindlewick</translation></message>
    <message><source>Brindlewick を終了</source><translation>Quit Brindlewick</translation></message>
    <message><source>Brindlewick を終了しますか。</source><translation>Quit Brindlewick?</translation></message>
    <message><source>Claude が作業中</source><translation>Claude is working</translation></message>
    <message><source>「</source><translation>“</translation></message>
    <message><source>」をコピー</source><translation>” – copy</translation></message>
    <message><source>あなたの番</source><translation>Your turn</translation></message>
    <message><source>どのセッションにも反映されませんでした（未知 card か古いイベント）</source><translation>Not applied to any session (unknown card or stale event)</translation></message>
    <message><source>アプリ内の表示言語を切り替えます。「システムに従う」は OS の言語設定に従います。</source><translation>Switches the language of the app's texts. “Follow the system” uses the operating system's language setting.</translation></message>
    <message><source>ウインドウ</source><translation>Window</translation></message>
    <message><source>キャンセル</source><translation>Cancel</translation></message>
    <message><source>コピーしました</source><translation>Copied</translation></message>
    <message><source>システムに従う</source><translation>Follow the system</translation></message>
    <message><source>セッションが入力を待っています。</source><translation>The session is waiting for input.</translation></message>
    <message><source>ファイル</source><translation>File</translation></message>
    <message><source>フックログ</source><translation>Hook Log</translation></message>
    <message><source>プロジェクト</source><translation>Projects</translation></message>
    <message><source>プロジェクトがありません</source><translation>No Projects</translation></message>
    <message><source>プロジェクトが見つかりません</source><translation>Project Not Found</translation></message>
    <message><source>ヘルプ</source><translation>Help</translation></message>
    <message><source>ボード</source><translation>Board</translation></message>
    <message><source>ボードを表示</source><translation>Show Board</translation></message>
    <message><source>ログなし</source><translation>No entries</translation></message>
    <message><source>一般</source><translation>General</translation></message>
    <message><source>作業なし</source><translation>Nothing to do</translation></message>
    <message><source>作業中</source><translation>Working</translation></message>
    <message><source>受信ログ（</source><translation>Received log (</translation></message>
    <message><source>対応が必要</source><translation>Action needed</translation></message>
    <message><source>応答が届きました</source><translation>Response received</translation></message>
    <message><source>確認済み</source><translation>Reviewed</translation></message>
    <message><source>稼働中のすべてのセッション（claude プロセス）が終了します。</source><translation>All running sessions (their claude processes) will end.</translation></message>
    <message><source>終了する</source><translation>Quit</translation></message>
    <message><source>表示</source><translation>View</translation></message>
    <message><source>表示言語</source><translation>Display language</translation></message>
    <message><source>要確認</source><translation>Needs Review</translation></message>
    <message><source>設定</source><translation>Preferences</translation></message>
    <message><source>設定…</source><translation>Preferences…</translation></message>
    <message><source>開く</source><translation>Open</translation></message>
    <message><source>）</source><translation>)</translation></message>
</context>
</TS>
