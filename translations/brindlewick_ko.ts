<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>Brindlewick</name>
    <message><source>%@、プロジェクト %@</source><translation>%@, 프로젝트 %@</translation></message>
    <message><source>%@、停止</source><translation>%@, 중지됨</translation></message>
    <message><source>%@へ移動</source><translation>%@ 열로 이동</translation></message>
    <message><source>%lld か月前</source><translation>%lld개월 전</translation></message>
    <message><source>%lld か月後</source><translation>%lld개월 후</translation></message>
    <message><source>%lld 分前</source><translation>%lld분 전</translation></message>
    <message><source>%lld 分後</source><translation>%lld분 후</translation></message>
    <message><source>%lld 年前</source><translation>%lld년 전</translation></message>
    <message><source>%lld 年後</source><translation>%lld년 후</translation></message>
    <message><source>%lld 日前</source><translation>%lld일 전</translation></message>
    <message><source>%lld 日後</source><translation>%lld일 후</translation></message>
    <message><source>%lld 時間前</source><translation>%lld시간 전</translation></message>
    <message><source>%lld 時間後</source><translation>%lld시간 후</translation></message>
    <message><source>%lld 秒前</source><translation>%lld초 전</translation></message>
    <message><source>%lld 秒後</source><translation>%lld초 후</translation></message>
    <message><source>%lld 週間前</source><translation>%lld주 전</translation></message>
    <message><source>%lld 週間後</source><translation>%lld주 후</translation></message>
    <message><source>1 か月前</source><translation>1개월 전</translation></message>
    <message><source>1 か月後</source><translation>1개월 후</translation></message>
    <message><source>1 分前</source><translation>1분 전</translation></message>
    <message><source>1 分後</source><translation>1분 후</translation></message>
    <message><source>1 年前</source><translation>1년 전</translation></message>
    <message><source>1 年後</source><translation>1년 후</translation></message>
    <message><source>1 日前</source><translation>1일 전</translation></message>
    <message><source>1 日後</source><translation>1일 후</translation></message>
    <message><source>1 時間前</source><translation>1시간 전</translation></message>
    <message><source>1 時間後</source><translation>1시간 후</translation></message>
    <message><source>1 秒前</source><translation>1초 전</translation></message>
    <message><source>1 秒後</source><translation>1초 후</translation></message>
    <message><source>1 週間前</source><translation>1주 전</translation></message>
    <message><source>1 週間後</source><translation>1주 후</translation></message>
    <message><source>Claude が作業中</source><translation>Claude가 작업 중</translation></message>
    <message><source>あなたの番</source><translation>내 차례</translation></message>
    <message><source>カードなし</source><translation>카드 없음</translation></message>
    <message><source>クリックで最前面に表示・ドラッグで別の列へ移動</source><translation>클릭하면 맨 앞으로 가져오기 · 드래그하면 다른 열로 이동</translation></message>
    <message><source>セッション</source><translation>세션</translation></message>
    <message><source>セッションが入力を待っています。</source><translation>세션이 입력을 기다리고 있습니다.</translation></message>
    <message><source>セッションを閉じる</source><translation>세션 닫기</translation></message>
    <message><source>セッションウィンドウを最前面に表示</source><translation>세션 창을 맨 앞으로 가져옵니다</translation></message>
    <message><source>ボード</source><translation>보드</translation></message>
    <message><source>作業なし</source><translation>작업 없음</translation></message>
    <message><source>作業中</source><translation>작업 중</translation></message>
    <message><source>停止</source><translation>중지됨</translation></message>
    <message><source>対応が必要</source><translation>조치 필요</translation></message>
    <message><source>応答が届きました</source><translation>응답이 도착했습니다</translation></message>
    <message><source>確認済み</source><translation>확인 완료</translation></message>
    <message><source>要確認</source><translation>확인 필요</translation></message>
</context>
</TS>
