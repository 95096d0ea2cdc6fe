<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>Brindlewick</name>
    <message><source>Brindlewick について</source><translation>Brindlewick 정보</translation></message>
    <message><source>Brindlewick を終了</source><translation>Brindlewick 종료</translation></message>
    <message><source>Brindlewick を終了しますか。</source><translation>Brindlewick을 종료할까요?</translation></message>
    <message><source>Claude が作業中</source><translation>Claude 작업 중</translation></message>
    <message><source>「</source><translation>“</translation></message>
    <message><source>」をコピー</source><translation>” 복사</translation></message>
    <message><source>あなたの番</source><translation>당신 차례</translation></message>
    <message><source>どのセッションにも反映されませんでした（未知 card か古いイベント）</source><translation>어떤 세션에도 반영되지 않았습니다 (알 수 없는 card 또는 오래된 이벤트)</translation></message>
    <message><source>アプリ内の表示言語を切り替えます。「システムに従う」は OS の言語設定に従います。</source><translation>앱의 표시 언어를 바꿉니다. “시스템 설정 따르기”는 운영 체제의 언어 설정을 따릅니다.</translation></message>
    <message><source>ウインドウ</source><translation>창</translation></message>
    <message><source>キャンセル</source><translation>취소</translation></message>
    <message><source>コピーしました</source><translation>복사했습니다</translation></message>
    <message><source>システムに従う</source><translation>시스템 설정 따르기</translation></message>
    <message><source>セッションが入力を待っています。</source><translation>세션이 입력을 기다리고 있습니다.</translation></message>
    <message><source>ファイル</source><translation>파일</translation></message>
    <message><source>フックログ</source><translation>훅 로그</translation></message>
    <message><source>プロジェクト</source><translation>프로젝트</translation></message>
    <message><source>プロジェクトがありません</source><translation>프로젝트 없음</translation></message>
    <message><source>プロジェクトが見つかりません</source><translation>프로젝트를 찾을 수 없음</translation></message>
    <message><source>ヘルプ</source><translation>도움말</translation></message>
    <message><source>ボード</source><translation>보드</translation></message>
    <message><source>ボードを表示</source><translation>보드 보기</translation></message>
    <message><source>ログなし</source><translation>로그 없음</translation></message>
    <message><source>一般</source><translation>일반</translation></message>
    <message><source>作業なし</source><translation>작업 없음</translation></message>
    <message><source>作業中</source><translation>작업 중</translation></message>
    <message><source>受信ログ（</source><translation>수신 로그 (</translation></message>
    <message><source>対応が必要</source><translation>조치 필요</translation></message>
    <message><source>応答が届きました</source><translation>응답이 도착했습니다</translation></message>
    <message><source>確認済み</source><translation>확인됨</translation></message>
    <message><source>稼働中のすべてのセッション（claude プロセス）が終了します。</source><translation>실행 중인 모든 세션(claude 프로세스)이 종료됩니다.</translation></message>
    <message><source>終了する</source><translation>종료</translation></message>
    <message><source>表示</source><translation>보기</translation></message>
    <message><source>表示言語</source><translation>표시 언어</translation></message>
    <message><source>要確認</source><translation>확인 필요</translation></message>
    <message><source>設定</source><translation>설정</translation></message>
    <message><source>設定…</source><translation>설정…</translation></message>
    <message><source>開く</source><translation>열기</translation></message>
    <message><source>）</source><translation>)</translation></message>
</context>
</TS>
