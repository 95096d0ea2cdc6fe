<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>Brindlewick</name>
    <message><source>%1$@ を書き込めませんでした（%2$@）。</source><translation>%1$@ 파일을 쓸 수 없습니다(%2$@).</translation></message>
    <message><source>%@、%lld pt</source><translation>%@, %lld pt</translation></message>
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
    <message><source>Brindlewick について</source><translation>Brindlewick 정보</translation></message>
    <message><source>Brindlewick を終了</source><translation>Brindlewick 종료</translation></message>
    <message><source>Brindlewick を終了しますか。</source><translation>Brindlewick을 종료할까요?</translation></message>
    <message><source>Brindlewick（既定）</source><translation>Brindlewick (기본)</translation></message>
    <message><source>Claude Code フック</source><translation>Claude Code 훅</translation></message>
    <message><source>Claude Code フックの初回セットアップ</source><translation>Claude Code 훅 초기 설정</translation></message>
    <message><source>Claude が作業中</source><translation>Claude 작업 중</translation></message>
    <message><source>OK</source><translation>확인</translation></message>
    <message><source>ON にすると `claude --dangerously-skip-permissions` で起動し、ツール実行の権限確認をすべてスキップします。確認なしでファイル変更やコマンド実行が走るため、信頼できる作業のみで使ってください（危険）。</source><translation>켜면 `claude --dangerously-skip-permissions`로 시작해 도구 실행 권한 확인을 모두 건너뜁니다. 확인 없이 파일이 바뀌고 명령이 실행되므로 신뢰할 수 있는 작업에만 사용하세요(위험).</translation></message>
    <message><source>ON にすると `claude --remote-control` で起動し、同じセッションを claude.ai・Claude のスマートフォンアプリ・Claude Desktop から続けられます。claude はこのコンピュータ上で動き続けるため、スリープやシャットダウンでセッションは止まります。Pro や Max などのサブスクリプションで claude.ai にログインしている必要があります。既定値は設定の「ターミナル」で変更できます。</source><translation>켜면 `claude --remote-control`로 시작해 같은 세션을 claude.ai, Claude 휴대폰 앱, Claude Desktop에서 이어갈 수 있습니다. claude는 이 컴퓨터에서 계속 실행되므로 절전이나 종료 시 세션이 멈춥니다. Pro나 Max 같은 구독으로 claude.ai에 로그인해 있어야 합니다. 기본값은 설정의 “터미널”에서 바꿀 수 있습니다.</translation></message>
    <message><source>ON にすると worktree 削除後にブランチ（%@）も削除します。</source><translation>켜면 worktree를 삭제한 뒤 브랜치(%@)도 삭제합니다.</translation></message>
    <message><source>ON にすると専用の git worktree（別ブランチ）を作り、そこで claude を起動します。同じリポジトリの並行セッションがファイル衝突しません。</source><translation>켜면 전용 git worktree(별도 브랜치)를 만들고 그곳에서 claude를 시작합니다. 같은 저장소의 병렬 세션끼리 파일이 충돌하지 않습니다.</translation></message>
    <message><source>Remote Control を有効にして（--remote-control）claude を起動します。同じセッションを claude.ai やスマートフォンアプリから操作できます。</source><translation>Remote Control을 켜고(--remote-control) claude를 시작합니다. 같은 세션을 claude.ai나 휴대폰 앱에서 조작할 수 있습니다.</translation></message>
    <message><source>Remote Control を有効にする</source><translation>Remote Control 사용</translation></message>
    <message><source>claude が終了しました。表示内容はそのまま確認できます。セッションを終了（カードを削除）するには、このウィンドウを閉じてください。</source><translation>claude가 종료되었습니다. 표시된 내용은 그대로 확인할 수 있습니다. 세션을 종료(카드 삭제)하려면 이 창을 닫으세요.</translation></message>
    <message><source>claude の返答など端末の文字色です。暗い背景で読みにくい場合は文字色を明るく（白く）してください。</source><translation>claude의 응답 등 터미널의 글자색입니다. 어두운 배경에서 읽기 어렵다면 글자색을 밝게(희게) 하세요.</translation></message>
    <message><source>claude を権限確認なし（--dangerously-skip-permissions）で起動します。確認なしでツールが実行される危険な設定です。</source><translation>claude를 권한 확인 없이(--dangerously-skip-permissions) 시작합니다. 확인 없이 도구가 실행되는 위험한 설정입니다.</translation></message>
    <message><source>git が見つかりません。git をインストールし、PATH に含まれているか確認してください。</source><translation>git을 찾을 수 없습니다. git을 설치하고 PATH에 포함되어 있는지 확인하세요.</translation></message>
    <message><source>hooks が object ではありません</source><translation>hooks가 object가 아닙니다</translation></message>
    <message><source>hooks.%@ が object の配列ではありません</source><translation>hooks.%@이(가) object 배열이 아닙니다</translation></message>
    <message><source>settings.json が不正</source><translation>settings.json이 올바르지 않음</translation></message>
    <message><source>settings.json が不正な JSON です。バックアップを取得し、上書きせずに中止しました。手動修正後に再実行してください。</source><translation>settings.json이 올바른 JSON이 아닙니다. 백업을 만든 뒤 덮어쓰지 않고 중단했습니다. 직접 수정한 후 다시 시도하세요.</translation></message>
    <message><source>settings.json の構造が想定外です（%@）。安全のため変更を中止しました。</source><translation>settings.json의 구조가 예상과 다릅니다(%@). 안전을 위해 변경을 중단했습니다.</translation></message>
    <message><source>settings.json を手動で修正してから「再確認」を押してください。</source><translation>settings.json을 직접 수정한 다음 “다시 확인”을 누르세요.</translation></message>
    <message><source>settings.json を読み取れませんでした</source><translation>settings.json을 읽을 수 없습니다</translation></message>
    <message><source>worktree がディスクに残っています。手動で削除する場合の場所:&#10;%@</source><translation>worktree가 디스크에 남아 있습니다. 직접 삭제하려면 위치는 다음과 같습니다:&#10;%@</translation></message>
    <message><source>worktree に未コミットの変更がある可能性があります</source><translation>worktree에 커밋하지 않은 변경 사항이 있을 수 있습니다</translation></message>
    <message><source>worktree の一覧を再取得します。</source><translation>worktree 목록을 다시 가져옵니다.</translation></message>
    <message><source>worktree の作成に失敗しました。git リポジトリか、ディスク状態を確認してください。</source><translation>worktree를 만들지 못했습니다. git 저장소나 디스크 상태를 확인하세요.</translation></message>
    <message><source>worktree の削除に失敗: %@</source><translation>worktree 삭제 실패: %@</translation></message>
    <message><source>worktree は削除しました。ブランチ「%@」だけが残っています。このブランチには未マージのコミットがある可能性があり、強制削除するとそのコミットは失われます。</source><translation>worktree는 삭제했습니다. 브랜치 “%@”만 남아 있습니다. 이 브랜치에는 병합되지 않은 커밋이 있을 수 있으며, 강제 삭제하면 그 커밋은 사라집니다.</translation></message>
    <message><source>worktree を保持しました: %@</source><translation>worktree를 보존했습니다: %@</translation></message>
    <message><source>worktree を削除できませんでした</source><translation>worktree를 삭제할 수 없었습니다</translation></message>
    <message><source>worktree を確認できませんでした。git の状態を確認して「更新」してください。</source><translation>worktree를 확인할 수 없습니다. git 상태를 확인한 뒤 “새로 고침”을 누르세요.</translation></message>
    <message><source>worktree 用ディレクトリを作成できませんでした。</source><translation>worktree용 디렉터리를 만들 수 없습니다.</translation></message>
    <message><source>worktree「%@」を削除</source><translation>worktree “%@” 삭제</translation></message>
    <message><source>● claude: 応答テキスト abc 0123</source><translation>● claude: 응답 텍스트 abc 0123</translation></message>
    <message><source>「</source><translation>“</translation></message>
    <message><source>「%@」には稼働中または worktree のセッションが %lld 件あります。先にそれらのセッションを閉じてください（閉じると worktree も後始末されます）。</source><translation>“%@”에 실행 중이거나 worktree를 쓰는 세션이 %lld개 있습니다. 먼저 그 세션들을 닫으세요(닫으면 worktree도 정리됩니다).</translation></message>
    <message><source>「%@」は既に追加済みです</source><translation>“%@”은(는) 이미 추가되어 있습니다</translation></message>
    <message><source>「%@」を削除します。セッション %lld 件・タスク %lld 件・メモ %lld 件も一緒に削除されます。元に戻せません。</source><translation>“%@”을(를) 삭제합니다. 세션 %lld개, 작업 %lld개, 메모 %lld개도 함께 삭제됩니다. 되돌릴 수 없습니다.</translation></message>
    <message><source>「未フォーカスを暗く」はいま操作していないセッション窓を薄く表示し、どれが手番か分かりやすくします。「選択でコピー」はドラッグ選択した瞬間にクリップボードへ入れます（Ctrl+Shift+C のコピーは設定に関係なく使えます）。</source><translation>“포커스 없는 세션 어둡게”는 지금 조작하지 않는 세션 창을 흐리게 표시해 어느 쪽 차례인지 알기 쉽게 합니다. “선택하면 복사”는 드래그로 선택하는 순간 클립보드에 넣습니다(Ctrl+Shift+C 복사는 설정과 관계없이 쓸 수 있습니다).</translation></message>
    <message><source>」をコピー</source><translation>” 복사</translation></message>
    <message><source>あなたの番</source><translation>당신 차례</translation></message>
    <message><source>この worktree を削除すると、コミットしていない変更は失われます。保持すれば後で確認・コミットできます。&#10;場所: %@</source><translation>이 worktree를 삭제하면 커밋하지 않은 변경 사항이 사라집니다. 보존하면 나중에 확인하고 커밋할 수 있습니다.&#10;위치: %@</translation></message>
    <message><source>このまま確認</source><translation>계속 보기</translation></message>
    <message><source>このセッションを終了しますか。</source><translation>이 세션을 종료할까요?</translation></message>
    <message><source>このプロジェクトは git リポジトリではないため、worktree は利用できません。</source><translation>이 프로젝트는 git 저장소가 아니므로 worktree를 사용할 수 없습니다.</translation></message>
    <message><source>この補助シェルを閉じる</source><translation>이 보조 셸 닫기</translation></message>
    <message><source>どのセッションにも反映されませんでした（未知 card か古いイベント）</source><translation>어떤 세션에도 반영되지 않았습니다 (알 수 없는 card 또는 오래된 이벤트)</translation></message>
    <message><source>なし</source><translation>없음</translation></message>
    <message><source>アプリ内の表示言語を切り替えます。「システムに従う」は OS の言語設定に従います。</source><translation>앱의 표시 언어를 바꿉니다. “시스템 설정 따르기”는 운영 체제의 언어 설정을 따릅니다.</translation></message>
    <message><source>イエロー</source><translation>노란색</translation></message>
    <message><source>ウィンドウを閉じる</source><translation>창 닫기</translation></message>
    <message><source>ウィンドウを閉じると claude プロセスが終了し、このセッション（カード）が削除されます。</source><translation>창을 닫으면 claude 프로세스가 종료되고 이 세션(카드)이 삭제됩니다.</translation></message>
    <message><source>ウインドウ</source><translation>창</translation></message>
    <message><source>オレンジ</source><translation>주황색</translation></message>
    <message><source>オンにすると、セッション起動時の Remote Control スイッチが最初からオンになり、claude は --remote-control 付きで起動します。同じセッションを Claude の Web アプリ、スマートフォンアプリ、Claude Desktop から続けられます。スイッチは起動前にセッションごとに変更できます。&#10;&#10;claude はこのコンピューター上で動き続け、リモートの画面はその窓にすぎません。スリープやシャットダウンでセッションは止まります（復帰すると再接続します）。Claude の Web サービスへのログインと有料プラン（Pro / Max など）が必要で、オンの間は同期のため会話が Anthropic 側に保存されます。</source><translation>켜면 세션 시작 시 Remote Control 스위치가 처음부터 켜진 상태가 되고, claude가 --remote-control과 함께 시작됩니다. 같은 세션을 Claude 웹 앱, 스마트폰 앱, Claude Desktop에서 이어 갈 수 있습니다. 스위치는 시작 전에 세션마다 바꿀 수 있습니다.&#10;&#10;claude는 이 컴퓨터에서 계속 실행되며, 원격 화면은 그 창일 뿐입니다. 절전이나 종료 시 세션이 멈춥니다(깨어나면 다시 연결됩니다). Claude 웹 서비스 로그인과 유료 플랜(Pro / Max 등)이 필요하며, 켜져 있는 동안 동기화를 위해 대화가 Anthropic 쪽에 저장됩니다.</translation></message>
    <message><source>カラーテーマ</source><translation>색상 테마</translation></message>
    <message><source>カードなし</source><translation>카드 없음</translation></message>
    <message><source>カードの「いま誰のターン？」を自動で切り替えるため、~/.claude/settings.json に Brindlewick のフックを追加します。&#10;&#10;・既存の設定や他ツールのフックは変更しません。&#10;・追加前に自動でバックアップを作成します。&#10;・「今はしない」を選ぶとこの案内は次回から表示しません。設定ウィンドウの「フック」からいつでも導入・除去できます。</source><translation>카드의 “지금 누구 차례?”를 자동으로 바꾸기 위해 ~/.claude/settings.json에 Brindlewick 훅을 추가합니다.&#10;&#10;・기존 설정이나 다른 도구의 훅은 바꾸지 않습니다.&#10;・추가하기 전에 자동으로 백업을 만듭니다.&#10;・“나중에”를 선택하면 이 안내는 다음부터 표시되지 않습니다. 설정 창의 “훅”에서 언제든지 설치하거나 제거할 수 있습니다.</translation></message>
    <message><source>カードの自動列移動は ~/.claude/settings.json のフックで動きます。導入すると 4 つのイベント（プロンプト送信・ツール実行・通知・停止）に Brindlewick のフックを追加します。既存の設定や他ツールのフックは変更せず、追加前に自動でバックアップを作成します。</source><translation>카드의 자동 열 이동은 ~/.claude/settings.json의 훅으로 동작합니다. 설치하면 4가지 이벤트(프롬프트 전송·도구 실행·알림·정지)에 Brindlewick 훅을 추가합니다. 기존 설정이나 다른 도구의 훅은 바꾸지 않으며, 추가하기 전에 자동으로 백업을 만듭니다.</translation></message>
    <message><source>キャンセル</source><translation>취소</translation></message>
    <message><source>クリックで最前面に表示・ドラッグで別の列へ移動</source><translation>클릭하면 맨 앞으로 가져오기 · 드래그하면 다른 열로 이동</translation></message>
    <message><source>グリーン</source><translation>초록색</translation></message>
    <message><source>グレー</source><translation>회색</translation></message>
    <message><source>コピーしました</source><translation>복사했습니다</translation></message>
    <message><source>サイズ: %lld pt</source><translation>크기: %lld pt</translation></message>
    <message><source>システムに従う</source><translation>시스템 설정 따르기</translation></message>
    <message><source>システム既定</source><translation>시스템 기본값</translation></message>
    <message><source>セッション</source><translation>세션</translation></message>
    <message><source>セッション %lld</source><translation>세션 %lld</translation></message>
    <message><source>セッションがありません。「セッションを開始」で claude を起動します。</source><translation>세션이 없습니다. “세션 시작”으로 claude를 실행합니다.</translation></message>
    <message><source>セッションが入力を待っています。</source><translation>세션이 입력을 기다리고 있습니다.</translation></message>
    <message><source>セッションが終了しました</source><translation>세션이 종료되었습니다</translation></message>
    <message><source>セッションが見つかりません</source><translation>세션을 찾을 수 없습니다</translation></message>
    <message><source>セッションの保存に失敗しました。</source><translation>세션을 저장하지 못했습니다.</translation></message>
    <message><source>セッションの保存に失敗しました。作成した worktree は撤去しました。</source><translation>세션을 저장하지 못했습니다. 만든 worktree는 제거했습니다.</translation></message>
    <message><source>セッションの起動</source><translation>세션 시작</translation></message>
    <message><source>セッションを格子状に整列</source><translation>세션을 격자로 정렬</translation></message>
    <message><source>セッションを閉じても保持された worktree です。不要なら削除できます（ブランチは既定で残します）。</source><translation>세션을 닫은 뒤에도 남겨진 worktree입니다. 필요 없으면 삭제할 수 있습니다(브랜치는 기본적으로 남깁니다).</translation></message>
    <message><source>セッションを閉じる</source><translation>세션 닫기</translation></message>
    <message><source>セッションを開始</source><translation>세션 시작</translation></message>
    <message><source>セッションウィンドウを最前面に表示</source><translation>세션 창을 맨 앞으로 가져옵니다</translation></message>
    <message><source>セッション削除に失敗: %@</source><translation>세션 삭제 실패: %@</translation></message>
    <message><source>ターミナル</source><translation>터미널</translation></message>
    <message><source>ターミナルの挙動</source><translation>터미널 동작</translation></message>
    <message><source>ターミナルの色</source><translation>터미널 색상</translation></message>
    <message><source>ターミナルを上下に分割</source><translation>터미널을 상하로 분할</translation></message>
    <message><source>ターミナルを左右に分割</source><translation>터미널을 좌우로 분할</translation></message>
    <message><source>ターミナル色のプレビュー</source><translation>터미널 색상 미리 보기</translation></message>
    <message><source>テーマ</source><translation>테마</translation></message>
    <message><source>トップレベルが object ではありません</source><translation>최상위 값이 object가 아닙니다</translation></message>
    <message><source>パープル</source><translation>보라색</translation></message>
    <message><source>ファイル</source><translation>파일</translation></message>
    <message><source>ファミリー</source><translation>글꼴 패밀리</translation></message>
    <message><source>フォルダ %@ を作成できませんでした。</source><translation>%@ 폴더를 만들 수 없습니다.</translation></message>
    <message><source>フォルダが移動または削除されたため、claude を起動できません。フォルダを元の場所に戻して「再試行」を押してください。セッション（カード）は残っています。</source><translation>폴더가 이동되었거나 삭제되어 claude를 시작할 수 없습니다. 폴더를 원래 위치로 되돌린 뒤 “다시 시도”를 누르세요. 세션(카드)은 그대로 남아 있습니다.</translation></message>
    <message><source>フォルダを選択してプロジェクトを追加します（git リポジトリならルートに束ねます）。</source><translation>폴더를 선택해 프로젝트를 추가합니다(git 저장소라면 루트로 묶습니다).</translation></message>
    <message><source>フォント</source><translation>글꼴</translation></message>
    <message><source>フォントのプレビュー</source><translation> 글꼴 미리보기</translation></message>
    <message><source>フック</source><translation>훅</translation></message>
    <message><source>フックを再導入</source><translation>훅 다시 설치</translation></message>
    <message><source>フックを導入</source><translation>훅 설치</translation></message>
    <message><source>フックを除去</source><translation>훅 제거</translation></message>
    <message><source>フックログ</source><translation>훅 로그</translation></message>
    <message><source>ブランチ「%@」の削除に失敗しました。</source><translation>브랜치 “%@”을(를) 삭제하지 못했습니다.</translation></message>
    <message><source>ブランチ「%@」を強制削除しますか？</source><translation>브랜치 “%@”을(를) 강제 삭제할까요?</translation></message>
    <message><source>ブランチも削除</source><translation>브랜치도 삭제</translation></message>
    <message><source>ブランチも削除 %@</source><translation>브랜치 %@도 삭제</translation></message>
    <message><source>ブルー</source><translation>파란색</translation></message>
    <message><source>プロジェクト</source><translation>프로젝트</translation></message>
    <message><source>プロジェクトがありません</source><translation>프로젝트 없음</translation></message>
    <message><source>プロジェクトが見つかりません</source><translation>프로젝트를 찾을 수 없음</translation></message>
    <message><source>プロジェクトのフォルダを選択してください</source><translation>프로젝트 폴더를 선택하세요</translation></message>
    <message><source>プロジェクトの保存に失敗しました: %@</source><translation>프로젝트를 저장하지 못했습니다: %@</translation></message>
    <message><source>プロジェクトを削除</source><translation>프로젝트 삭제</translation></message>
    <message><source>プロジェクトを追加</source><translation>프로젝트 추가</translation></message>
    <message><source>プロジェクトを追加できません</source><translation>프로젝트를 추가할 수 없습니다</translation></message>
    <message><source>プロジェクト名</source><translation>프로젝트 이름</translation></message>
    <message><source>プロジェクト名を入力してください。</source><translation>프로젝트 이름을 입력하세요.</translation></message>
    <message><source>プロジェクト名を変更</source><translation>프로젝트 이름 변경</translation></message>
    <message><source>ヘルプ</source><translation>도움말</translation></message>
    <message><source>ボード</source><translation>보드</translation></message>
    <message><source>ボードを表示</source><translation>보드 보기</translation></message>
    <message><source>モノスペース</source><translation>고정폭</translation></message>
    <message><source>モノスペースのファミリー</source><translation>고정폭 글꼴 패밀리</translation></message>
    <message><source>モノスペース（ターミナル・コード・コードブロック）</source><translation>고정폭 (터미널, 코드, 코드 블록)</translation></message>
    <message><source>レッド</source><translation>빨간색</translation></message>
    <message><source>ログなし</source><translation>로그 없음</translation></message>
    <message><source>ロックされた worktree</source><translation>잠긴 worktree</translation></message>
    <message><source>ロックされています（`git worktree unlock` で解除してから削除できます）。</source><translation>잠겨 있습니다(`git worktree unlock`으로 해제한 뒤 삭제할 수 있습니다).</translation></message>
    <message><source>ロック中。`git worktree unlock` で解除してから削除してください。</source><translation>잠겨 있습니다. `git worktree unlock`으로 해제한 뒤 삭제하세요.</translation></message>
    <message><source>一般</source><translation>일반</translation></message>
    <message><source>上へ移動</source><translation>위로 이동</translation></message>
    <message><source>下へ移動</source><translation>아래로 이동</translation></message>
    <message><source>今はしない</source><translation>나중에</translation></message>
    <message><source>作成中…</source><translation>만드는 중…</translation></message>
    <message><source>作業なし</source><translation>작업 없음</translation></message>
    <message><source>作業フォルダ「%@」がありません。</source><translation>작업 폴더 “%@”이(가) 없습니다.</translation></message>
    <message><source>作業フォルダが見つかりません</source><translation>작업 폴더를 찾을 수 없습니다</translation></message>
    <message><source>作業中</source><translation>작업 중</translation></message>
    <message><source>保存に失敗しました: %@</source><translation>저장하지 못했습니다: %@</translation></message>
    <message><source>保持</source><translation>보존</translation></message>
    <message><source>停止</source><translation>중지됨</translation></message>
    <message><source>再確認</source><translation>다시 확인</translation></message>
    <message><source>再試行</source><translation>다시 시도</translation></message>
    <message><source>削除</source><translation>삭제</translation></message>
    <message><source>削除…</source><translation>삭제…</translation></message>
    <message><source>削除できません</source><translation>삭제할 수 없습니다</translation></message>
    <message><source>前を検索</source><translation>이전 찾기</translation></message>
    <message><source>前景・背景色と ANSI 16 色パレットを一括で切り替えます。選択後に下の文字色・背景色で微調整もできます。</source><translation>전경·배경색과 ANSI 16색 팔레트를 한꺼번에 바꿉니다. 선택한 뒤 아래의 글자색·배경색으로 미세 조정할 수도 있습니다.</translation></message>
    <message><source>受信ログ（</source><translation>수신 로그 (</translation></message>
    <message><source>名前を変更…</source><translation>이름 변경…</translation></message>
    <message><source>変更</source><translation>변경</translation></message>
    <message><source>変更の有無を確認できませんでした。削除前に確認します。</source><translation>변경 여부를 확인할 수 없습니다. 삭제하기 전에 확인합니다.</translation></message>
    <message><source>子プロセスを起動できませんでした: %@</source><translation>하위 프로세스를 시작할 수 없습니다: %@</translation></message>
    <message><source>実行ファイル「%@」が見つかりません。</source><translation>실행 파일 “%@”을(를) 찾을 수 없습니다.</translation></message>
    <message><source>対応が必要</source><translation>조치 필요</translation></message>
    <message><source>専用の git worktree（別ブランチ）を作成して claude を起動します。並行セッションのファイル衝突を防ぎます。</source><translation>전용 git worktree(별도 브랜치)를 만들어 claude를 시작합니다. 병렬 세션의 파일 충돌을 막습니다.</translation></message>
    <message><source>導入済み</source><translation>설치됨</translation></message>
    <message><source>強制削除</source><translation>강제 삭제</translation></message>
    <message><source>応答が届きました</source><translation>응답이 도착했습니다</translation></message>
    <message><source>操作に失敗しました</source><translation>작업에 실패했습니다</translation></message>
    <message><source>文字を拡大</source><translation>글자 크게</translation></message>
    <message><source>文字を縮小</source><translation>글자 작게</translation></message>
    <message><source>文字サイズをリセット</source><translation>글자 크기 재설정</translation></message>
    <message><source>文字色（前景）</source><translation>글자색(전경)</translation></message>
    <message><source>新しいプロジェクト名を入力してください。</source><translation>새 프로젝트 이름을 입력하세요.</translation></message>
    <message><source>新規セッションで Remote Control を有効にする</source><translation>새 세션에서 Remote Control 사용</translation></message>
    <message><source>既存プロジェクトの読み込みに失敗しました: %@</source><translation>기존 프로젝트를 불러오지 못했습니다: %@</translation></message>
    <message><source>既定（白文字／暗背景）に戻す</source><translation>기본값(흰 글자/어두운 배경)으로 되돌리기</translation></message>
    <message><source>更新</source><translation>새로 고침</translation></message>
    <message><source>更新中</source><translation>새로 고치는 중</translation></message>
    <message><source>最初の指示（任意）</source><translation>첫 지시(선택)</translation></message>
    <message><source>未コミットの変更があります。削除前に確認します。</source><translation>커밋하지 않은 변경이 있습니다. 삭제하기 전에 확인합니다.</translation></message>
    <message><source>未コミット変更</source><translation>커밋하지 않은 변경</translation></message>
    <message><source>未フォーカスのセッションを暗くする</source><translation>포커스 없는 세션 어둡게 하기</translation></message>
    <message><source>未導入</source><translation>설치 안 됨</translation></message>
    <message><source>未導入（設定ファイルなし）</source><translation>설치 안 됨 (설정 파일 없음)</translation></message>
    <message><source>本文</source><translation>본문</translation></message>
    <message><source>本文のファミリー</source><translation>본문 글꼴 패밀리</translation></message>
    <message><source>本文（Markdown 地の文・メモ）</source><translation>본문 (Markdown 본문, 메모)</translation></message>
    <message><source>検索…</source><translation>찾기…</translation></message>
    <message><source>権限確認をスキップ</source><translation>권한 확인 건너뛰기</translation></message>
    <message><source>次を検索</source><translation>다음 찾기</translation></message>
    <message><source>残す</source><translation>남기기</translation></message>
    <message><source>残った worktree</source><translation>남은 worktree</translation></message>
    <message><source>状態</source><translation>상태</translation></message>
    <message><source>状態不明</source><translation>상태 알 수 없음</translation></message>
    <message><source>独立 worktree で作成</source><translation>별도 worktree에서 만들기</translation></message>
    <message><source>確認済み</source><translation>확인됨</translation></message>
    <message><source>稼働中のすべてのセッション（claude プロセス）が終了します。</source><translation>실행 중인 모든 세션(claude 프로세스)이 종료됩니다.</translation></message>
    <message><source>等幅フォントのみ表示</source><translation>고정폭 글꼴만 표시</translation></message>
    <message><source>終了する</source><translation>종료</translation></message>
    <message><source>背景色</source><translation>배경색</translation></message>
    <message><source>色</source><translation>색상</translation></message>
    <message><source>表示</source><translation>보기</translation></message>
    <message><source>表示言語</source><translation>표시 언어</translation></message>
    <message><source>補助シェルを閉じる</source><translation>보조 셸 닫기</translation></message>
    <message><source>要確認</source><translation>확인 필요</translation></message>
    <message><source>設定</source><translation>설정</translation></message>
    <message><source>設定…</source><translation>설정…</translation></message>
    <message><source>起動後、端末の入力欄にこのテキストを挿入します（送信は手動）。空なら何もしません。</source><translation>시작한 뒤 터미널 입력란에 이 텍스트를 넣습니다(전송은 직접). 비어 있으면 아무것도 하지 않습니다.</translation></message>
    <message><source>起動後に端末の入力欄へ挿入します。送信は手動です。</source><translation>시작한 뒤 터미널 입력란에 넣습니다. 전송은 직접 합니다.</translation></message>
    <message><source>追加</source><translation>추가</translation></message>
    <message><source>選択されたフォルダのパスを解決できませんでした。別のフォルダを選択してください。</source><translation>선택한 폴더의 경로를 확인할 수 없습니다. 다른 폴더를 선택하세요.</translation></message>
    <message><source>選択でクリップボードへコピー</source><translation>선택하면 클립보드에 복사</translation></message>
    <message><source>開く</source><translation>열기</translation></message>
    <message><source>）</source><translation>)</translation></message>
</context>
</TS>
