<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Brindlewick</name>
    <message><source>%@、プロジェクト %@</source><translation>%@, project %@</translation></message>
    <message><source>%@、停止</source><translation>%@, stopped</translation></message>
    <message><source>%@へ移動</source><translation>Move to %@</translation></message>
    <message><source>%lld か月前</source><translation>%lld months ago</translation></message>
    <message><source>%lld か月後</source><translation>in %lld months</translation></message>
    <message><source>%lld 分前</source><translation>%lld minutes ago</translation></message>
    <message><source>%lld 分後</source><translation>in %lld minutes</translation></message>
    <message><source>%lld 年前</source><translation>%lld years ago</translation></message>
    <message><source>%lld 年後</source><translation>in %lld years</translation></message>
    <message><source>%lld 日前</source><translation>%lld days ago</translation></message>
    <message><source>%lld 日後</source><translation>in %lld days</translation></message>
    <message><source>%lld 時間前</source><translation>%lld hours ago</translation></message>
    <message><source>%lld 時間後</source><translation>in %lld hours</translation></message>
    <message><source>%lld 秒前</source><translation>%lld seconds ago</translation></message>
    <message><source>%lld 秒後</source><translation>in %lld seconds</translation></message>
    <message><source>%lld 週間前</source><translation>%lld weeks ago</translation></message>
    <message><source>%lld 週間後</source><translation>in %lld weeks</translation></message>
    <message><source>1 か月前</source><translation>1 month ago</translation></message>
    <message><source>1 か月後</source><translation>in 1 month</translation></message>
    <message><source>1 分前</source><translation>1 minute ago</translation></message>
    <message><source>1 分後</source><translation>in 1 minute</translation></message>
    <message><source>1 年前</source><translation>1 year ago</translation></message>
    <message><source>1 年後</source><translation>in 1 year</translation></message>
    <message><source>1 日前</source><translation>1 day ago</translation></message>
    <message><source>1 日後</source><translation>in 1 day</translation></message>
    <message><source>1 時間前</source><translation>1 hour ago</translation></message>
    <message><source>1 時間後</source><translation>in 1 hour</translation></message>
    <message><source>1 秒前</source><translation>1 second ago</translation></message>
    <message><source>1 秒後</source><translation>in 1 second</translation></message>
    <message><source>1 週間前</source><translation>1 week ago</translation></message>
    <message><source>1 週間後</source><translation>in 1 week</translation></message>
    <message><source>Claude が作業中</source><translation>Claude is working</translation></message>
    <message><source>あなたの番</source><translation>Your turn</translation></message>
    <message><source>カードなし</source><translation>No cards</translation></message>
    <message><source>クリックで最前面に表示・ドラッグで別の列へ移動</source><translation>Click to bring to front · drag to move to another column</translation></message>
    <message><source>セッション</source><translation>Session</translation></message>
    <message><source>セッションが入力を待っています。</source><translation>The session is waiting for input.</translation></message>
    <message><source>セッションを閉じる</source><translation>Close Session</translation></message>
    <message><source>セッションウィンドウを最前面に表示</source><translation>Brings the session window to the front</translation></message>
    <message><source>ボード</source><translation>Board</translation></message>
    <message><source>作業なし</source><translation>Nothing running</translation></message>
    <message><source>作業中</source><translation>Working</translation></message>
    <message><source>停止</source><translation>Stopped</translation></message>
    <message><source>対応が必要</source><translation>Action needed</translation></message>
    <message><source>応答が届きました</source><translation>Response received</translation></message>
    <message><source>確認済み</source><translation>Reviewed</translation></message>
    <message><source>要確認</source><translation>Needs Review</translation></message>
</context>
</TS>
