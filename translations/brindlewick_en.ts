<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Brindlewick</name>
    <message><source>%1$@ を書き込めませんでした（%2$@）。</source><translation>Could not write %1$@ (%2$@).</translation></message>
    <message><source>%@、%lld pt</source><translation>%@, %lld pt</translation></message>
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
    <message><source>Brindlewick について</source><translation>About Brindlewick</translation></message>
    <message><source>Brindlewick を終了</source><translation>Quit Brindlewick</translation></message>
    <message><source>Brindlewick を終了しますか。</source><translation>Quit Brindlewick?</translation></message>
    <message><source>Brindlewick（既定）</source><translation>Brindlewick (default)</translation></message>
    <message><source>Claude Code フック</source><translation>Claude Code Hooks</translation></message>
    <message><source>Claude Code フックの初回セットアップ</source><translation>First-Time Setup of Claude Code Hooks</translation></message>
    <message><source>Claude が作業中</source><translation>Claude is working</translation></message>
    <message><source>OK</source><translation>OK</translation></message>
    <message><source>ON にすると `claude --dangerously-skip-permissions` で起動し、ツール実行の権限確認をすべてスキップします。確認なしでファイル変更やコマンド実行が走るため、信頼できる作業のみで使ってください（危険）。</source><translation>When on, claude starts with `claude --dangerously-skip-permissions` and skips every permission check for tool use. Files are changed and commands run without asking, so use it only for work you trust (dangerous).</translation></message>
    <message><source>ON にすると `claude --remote-control` で起動し、同じセッションを claude.ai・Claude のスマートフォンアプリ・Claude Desktop から続けられます。claude はこのコンピュータ上で動き続けるため、スリープやシャットダウンでセッションは止まります。Pro や Max などのサブスクリプションで claude.ai にログインしている必要があります。既定値は設定の「ターミナル」で変更できます。</source><translation>When on, claude starts with `claude --remote-control`, so the same session can be continued from claude.ai, the Claude phone app and Claude Desktop. claude keeps running on this computer, so the session stops when it sleeps or shuts down. You need to be logged in to claude.ai with a subscription such as Pro or Max. The default can be changed under “Terminal” in the settings.</translation></message>
    <message><source>ON にすると worktree 削除後にブランチ（%@）も削除します。</source><translation>When on, the branch (%@) is deleted after the worktree.</translation></message>
    <message><source>ON にすると専用の git worktree（別ブランチ）を作り、そこで claude を起動します。同じリポジトリの並行セッションがファイル衝突しません。</source><translation>When on, a dedicated git worktree (on its own branch) is created and claude starts there, so parallel sessions of one repository never edit the same files.</translation></message>
    <message><source>Remote Control を有効にして（--remote-control）claude を起動します。同じセッションを claude.ai やスマートフォンアプリから操作できます。</source><translation>Starts claude with Remote Control enabled (--remote-control). The same session can then be used from claude.ai or the phone app.</translation></message>
    <message><source>Remote Control を有効にする</source><translation>Enable Remote Control</translation></message>
    <message><source>claude が終了しました。表示内容はそのまま確認できます。セッションを終了（カードを削除）するには、このウィンドウを閉じてください。</source><translation>claude has exited. What is shown stays readable. To end the session (and delete its card), close this window.</translation></message>
    <message><source>claude の返答など端末の文字色です。暗い背景で読みにくい場合は文字色を明るく（白く）してください。</source><translation>This is the terminal's text colour, for example of claude's replies. If it is hard to read on a dark background, make the text colour lighter (whiter).</translation></message>
    <message><source>claude を権限確認なし（--dangerously-skip-permissions）で起動します。確認なしでツールが実行される危険な設定です。</source><translation>Starts claude without permission checks (--dangerously-skip-permissions). Tools then run without asking, which is dangerous.</translation></message>
    <message><source>git が見つかりません。git をインストールし、PATH に含まれているか確認してください。</source><translation>git could not be found. Install git and make sure it is on your PATH.</translation></message>
    <message><source>hooks が object ではありません</source><translation>hooks is not an object</translation></message>
    <message><source>hooks.%@ が object の配列ではありません</source><translation>hooks.%@ is not an array of objects</translation></message>
    <message><source>settings.json が不正</source><translation>settings.json is invalid</translation></message>
    <message><source>settings.json が不正な JSON です。バックアップを取得し、上書きせずに中止しました。手動修正後に再実行してください。</source><translation>settings.json is not valid JSON. A backup was made and the file was left unchanged. Fix it by hand and try again.</translation></message>
    <message><source>settings.json の構造が想定外です（%@）。安全のため変更を中止しました。</source><translation>The structure of settings.json is not as expected (%@). The change was cancelled for safety.</translation></message>
    <message><source>settings.json を手動で修正してから「再確認」を押してください。</source><translation>Fix settings.json by hand, then press “Check Again”.</translation></message>
    <message><source>settings.json を読み取れませんでした</source><translation>settings.json could not be read</translation></message>
    <message><source>worktree がディスクに残っています。手動で削除する場合の場所:&#10;%@</source><translation>The worktree is still on disk. To delete it by hand, it is at:&#10;%@</translation></message>
    <message><source>worktree に未コミットの変更がある可能性があります</source><translation>The worktree may have uncommitted changes</translation></message>
    <message><source>worktree の一覧を再取得します。</source><translation>Fetch the list of worktrees again.</translation></message>
    <message><source>worktree の作成に失敗しました。git リポジトリか、ディスク状態を確認してください。</source><translation>Creating the worktree failed. Check the git repository or the disk.</translation></message>
    <message><source>worktree の削除に失敗: %@</source><translation>Removing the worktree failed: %@</translation></message>
    <message><source>worktree は削除しました。ブランチ「%@」だけが残っています。このブランチには未マージのコミットがある可能性があり、強制削除するとそのコミットは失われます。</source><translation>The worktree was deleted; only the branch “%@” remains. It may hold unmerged commits, which a forced deletion would lose.</translation></message>
    <message><source>worktree を保持しました: %@</source><translation>Kept the worktree: %@</translation></message>
    <message><source>worktree を削除できませんでした</source><translation>The worktree could not be deleted</translation></message>
    <message><source>worktree を確認できませんでした。git の状態を確認して「更新」してください。</source><translation>The worktrees could not be checked. Check git, then press “Refresh”.</translation></message>
    <message><source>worktree 用ディレクトリを作成できませんでした。</source><translation>The folder for the worktree could not be created.</translation></message>
    <message><source>worktree「%@」を削除</source><translation>Delete worktree “%@”</translation></message>
    <message><source>● claude: 応答テキスト abc 0123</source><translation>● claude: reply text abc 0123</translation></message>
    <message><source>「</source><translation>“</translation></message>
    <message><source>「%@」には稼働中または worktree のセッションが %lld 件あります。先にそれらのセッションを閉じてください（閉じると worktree も後始末されます）。</source><translation>“%@” has %lld running or worktree sessions. Close those sessions first (closing them also cleans up their worktrees).</translation></message>
    <message><source>「%@」は既に追加済みです</source><translation>“%@” has already been added</translation></message>
    <message><source>「%@」を削除します。セッション %lld 件・タスク %lld 件・メモ %lld 件も一緒に削除されます。元に戻せません。</source><translation>“%@” will be deleted, together with %lld sessions, %lld tasks and %lld memos. This cannot be undone.</translation></message>
    <message><source>「未フォーカスを暗く」はいま操作していないセッション窓を薄く表示し、どれが手番か分かりやすくします。「選択でコピー」はドラッグ選択した瞬間にクリップボードへ入れます（Ctrl+Shift+C のコピーは設定に関係なく使えます）。</source><translation>Dimming shows the session windows you are not using more faintly, so it is clear whose turn it is. Copy on selection puts a dragged selection on the clipboard at once (Ctrl+Shift+C copies regardless of this setting).</translation></message>
    <message><source>」をコピー</source><translation>” – copy</translation></message>
    <message><source>あなたの番</source><translation>Your turn</translation></message>
    <message><source>この worktree を削除すると、コミットしていない変更は失われます。保持すれば後で確認・コミットできます。&#10;場所: %@</source><translation>Deleting this worktree loses any uncommitted changes. If you keep it, you can review and commit them later.&#10;Location: %@</translation></message>
    <message><source>このまま確認</source><translation>Keep Looking</translation></message>
    <message><source>このセッションを終了しますか。</source><translation>End this session?</translation></message>
    <message><source>このプロジェクトは git リポジトリではないため、worktree は利用できません。</source><translation>This project is not a git repository, so worktrees are not available.</translation></message>
    <message><source>この補助シェルを閉じる</source><translation>Close this auxiliary shell</translation></message>
    <message><source>どのセッションにも反映されませんでした（未知 card か古いイベント）</source><translation>Not applied to any session (unknown card or stale event)</translation></message>
    <message><source>なし</source><translation>None</translation></message>
    <message><source>アプリ内の表示言語を切り替えます。「システムに従う」は OS の言語設定に従います。</source><translation>Switches the language of the app's texts. “Follow the system” uses the operating system's language setting.</translation></message>
    <message><source>イエロー</source><translation>Yellow</translation></message>
    <message><source>ウィンドウを閉じる</source><translation>Close Window</translation></message>
    <message><source>ウィンドウを閉じると claude プロセスが終了し、このセッション（カード）が削除されます。</source><translation>Closing the window ends the claude process and deletes this session (its card).</translation></message>
    <message><source>ウインドウ</source><translation>Window</translation></message>
    <message><source>オレンジ</source><translation>Orange</translation></message>
    <message><source>オンにすると、セッション起動時の Remote Control スイッチが最初からオンになり、claude は --remote-control 付きで起動します。同じセッションを Claude の Web アプリ、スマートフォンアプリ、Claude Desktop から続けられます。スイッチは起動前にセッションごとに変更できます。&#10;&#10;claude はこのコンピューター上で動き続け、リモートの画面はその窓にすぎません。スリープやシャットダウンでセッションは止まります（復帰すると再接続します）。Claude の Web サービスへのログインと有料プラン（Pro / Max など）が必要で、オンの間は同期のため会話が Anthropic 側に保存されます。</source><translation>When this is on, the Remote Control switch of the session launcher starts switched on and claude is started with --remote-control, so you can continue the same session from Claude's web app, the Claude phone app or Claude Desktop. You can still change the switch for each session before starting it.&#10;&#10;claude keeps running on this computer; the remote screen is only a window onto it, so sleep or shutdown stops the session (it reconnects on wake). You need to be signed in to Claude's web service with a paid plan (Pro, Max or similar), and while this is on the conversation is stored on Anthropic's side for syncing.</translation></message>
    <message><source>カラーテーマ</source><translation>Colour Theme</translation></message>
    <message><source>カードなし</source><translation>No cards</translation></message>
    <message><source>カードの「いま誰のターン？」を自動で切り替えるため、~/.claude/settings.json に Brindlewick のフックを追加します。&#10;&#10;・既存の設定や他ツールのフックは変更しません。&#10;・追加前に自動でバックアップを作成します。&#10;・「今はしない」を選ぶとこの案内は次回から表示しません。設定ウィンドウの「フック」からいつでも導入・除去できます。</source><translation>To switch each card's “whose turn is it?” automatically, Brindlewick adds its hooks to ~/.claude/settings.json.&#10;&#10;• Existing settings and other tools' hooks are not changed.&#10;• A backup is made automatically before anything is added.&#10;• If you choose “Not Now”, this prompt will not appear again. You can install or remove the hooks at any time on the “Hooks” page of the preferences.</translation></message>
    <message><source>カードの自動列移動は ~/.claude/settings.json のフックで動きます。導入すると 4 つのイベント（プロンプト送信・ツール実行・通知・停止）に Brindlewick のフックを追加します。既存の設定や他ツールのフックは変更せず、追加前に自動でバックアップを作成します。</source><translation>Cards move between columns by themselves through hooks in ~/.claude/settings.json. Installing adds Brindlewick's hook to four events (prompt submission, tool use, notification, stop). Existing settings and other tools' hooks are left unchanged, and a backup is made automatically before anything is added.</translation></message>
    <message><source>キャンセル</source><translation>Cancel</translation></message>
    <message><source>クリックで最前面に表示・ドラッグで別の列へ移動</source><translation>Click to bring to front · drag to move to another column</translation></message>
    <message><source>グリーン</source><translation>Green</translation></message>
    <message><source>グレー</source><translation>Grey</translation></message>
    <message><source>コピーしました</source><translation>Copied</translation></message>
    <message><source>サイズ: %lld pt</source><translation>Size: %lld pt</translation></message>
    <message><source>システムに従う</source><translation>Follow the system</translation></message>
    <message><source>システム既定</source><translation>System Default</translation></message>
    <message><source>セッション</source><translation>Session</translation></message>
    <message><source>セッション %lld</source><translation>Session %lld</translation></message>
    <message><source>セッションがありません。「セッションを開始」で claude を起動します。</source><translation>No sessions. “Start Session” launches claude.</translation></message>
    <message><source>セッションが入力を待っています。</source><translation>The session is waiting for input.</translation></message>
    <message><source>セッションが終了しました</source><translation>The session has ended</translation></message>
    <message><source>セッションが見つかりません</source><translation>Session not found</translation></message>
    <message><source>セッションの保存に失敗しました。</source><translation>Saving the session failed.</translation></message>
    <message><source>セッションの保存に失敗しました。作成した worktree は撤去しました。</source><translation>Saving the session failed. The worktree that was created has been removed.</translation></message>
    <message><source>セッションの起動</source><translation>Starting Sessions</translation></message>
    <message><source>セッションを格子状に整列</source><translation>Arrange Sessions in a Grid</translation></message>
    <message><source>セッションを閉じても保持された worktree です。不要なら削除できます（ブランチは既定で残します）。</source><translation>Worktrees kept after their sessions were closed. Delete the ones you no longer need (by default the branch is kept).</translation></message>
    <message><source>セッションを閉じる</source><translation>Close Session</translation></message>
    <message><source>セッションを開始</source><translation>Start Session</translation></message>
    <message><source>セッションウィンドウを最前面に表示</source><translation>Brings the session window to the front</translation></message>
    <message><source>セッション削除に失敗: %@</source><translation>Deleting the session failed: %@</translation></message>
    <message><source>ターミナル</source><translation>Terminal</translation></message>
    <message><source>ターミナルの挙動</source><translation>Terminal Behaviour</translation></message>
    <message><source>ターミナルの色</source><translation>Terminal Colours</translation></message>
    <message><source>ターミナルを上下に分割</source><translation>Split Terminal Top and Bottom</translation></message>
    <message><source>ターミナルを左右に分割</source><translation>Split Terminal Left and Right</translation></message>
    <message><source>ターミナル色のプレビュー</source><translation>Preview of the terminal colours</translation></message>
    <message><source>テーマ</source><translation>Theme</translation></message>
    <message><source>トップレベルが object ではありません</source><translation>the top level is not an object</translation></message>
    <message><source>パープル</source><translation>Purple</translation></message>
    <message><source>ファイル</source><translation>File</translation></message>
    <message><source>ファミリー</source><translation>Family</translation></message>
    <message><source>フォルダ %@ を作成できませんでした。</source><translation>Could not create the folder %@.</translation></message>
    <message><source>フォルダが移動または削除されたため、claude を起動できません。フォルダを元の場所に戻して「再試行」を押してください。セッション（カード）は残っています。</source><translation>The folder was moved or deleted, so claude cannot start. Put the folder back where it was and press “Retry”. The session (card) is kept.</translation></message>
    <message><source>フォルダを選択してプロジェクトを追加します（git リポジトリならルートに束ねます）。</source><translation>Choose a folder to add a project (a git repository is added at its root).</translation></message>
    <message><source>フォント</source><translation>Fonts</translation></message>
    <message><source>フォントのプレビュー</source><translation> font preview</translation></message>
    <message><source>フック</source><translation>Hooks</translation></message>
    <message><source>フックを再導入</source><translation>Reinstall Hooks</translation></message>
    <message><source>フックを導入</source><translation>Install Hooks</translation></message>
    <message><source>フックを除去</source><translation>Remove Hooks</translation></message>
    <message><source>フックログ</source><translation>Hook Log</translation></message>
    <message><source>ブランチ「%@」の削除に失敗しました。</source><translation>Deleting the branch “%@” failed.</translation></message>
    <message><source>ブランチ「%@」を強制削除しますか？</source><translation>Force-delete the branch “%@”?</translation></message>
    <message><source>ブランチも削除</source><translation>Delete branch too</translation></message>
    <message><source>ブランチも削除 %@</source><translation>Delete branch %@ too</translation></message>
    <message><source>ブルー</source><translation>Blue</translation></message>
    <message><source>プロジェクト</source><translation>Projects</translation></message>
    <message><source>プロジェクトがありません</source><translation>No Projects</translation></message>
    <message><source>プロジェクトが見つかりません</source><translation>Project Not Found</translation></message>
    <message><source>プロジェクトのフォルダを選択してください</source><translation>Choose the project’s folder</translation></message>
    <message><source>プロジェクトの保存に失敗しました: %@</source><translation>Saving the project failed: %@</translation></message>
    <message><source>プロジェクトを削除</source><translation>Delete Project</translation></message>
    <message><source>プロジェクトを追加</source><translation>Add Project</translation></message>
    <message><source>プロジェクトを追加できません</source><translation>The project cannot be added</translation></message>
    <message><source>プロジェクト名</source><translation>Project name</translation></message>
    <message><source>プロジェクト名を入力してください。</source><translation>Please enter a project name.</translation></message>
    <message><source>プロジェクト名を変更</source><translation>Rename Project</translation></message>
    <message><source>ヘルプ</source><translation>Help</translation></message>
    <message><source>ボード</source><translation>Board</translation></message>
    <message><source>ボードを表示</source><translation>Show Board</translation></message>
    <message><source>モノスペース</source><translation>Monospace</translation></message>
    <message><source>モノスペースのファミリー</source><translation>Monospace family</translation></message>
    <message><source>モノスペース（ターミナル・コード・コードブロック）</source><translation>Monospace (terminal, code, code blocks)</translation></message>
    <message><source>レッド</source><translation>Red</translation></message>
    <message><source>ログなし</source><translation>No entries</translation></message>
    <message><source>ロックされた worktree</source><translation>Locked worktree</translation></message>
    <message><source>ロックされています（`git worktree unlock` で解除してから削除できます）。</source><translation>Locked (unlock it with `git worktree unlock` before deleting it).</translation></message>
    <message><source>ロック中。`git worktree unlock` で解除してから削除してください。</source><translation>Locked. Unlock it with `git worktree unlock` before deleting it.</translation></message>
    <message><source>一般</source><translation>General</translation></message>
    <message><source>上へ移動</source><translation>Move Up</translation></message>
    <message><source>下へ移動</source><translation>Move Down</translation></message>
    <message><source>今はしない</source><translation>Not Now</translation></message>
    <message><source>作成中…</source><translation>Creating…</translation></message>
    <message><source>作業なし</source><translation>Nothing to do</translation></message>
    <message><source>作業フォルダ「%@」がありません。</source><translation>The working folder “%@” does not exist.</translation></message>
    <message><source>作業フォルダが見つかりません</source><translation>Working folder not found</translation></message>
    <message><source>作業中</source><translation>Working</translation></message>
    <message><source>保存に失敗しました: %@</source><translation>Saving failed: %@</translation></message>
    <message><source>保持</source><translation>Keep</translation></message>
    <message><source>停止</source><translation>Stopped</translation></message>
    <message><source>再確認</source><translation>Check Again</translation></message>
    <message><source>再試行</source><translation>Retry</translation></message>
    <message><source>削除</source><translation>Delete</translation></message>
    <message><source>削除…</source><translation>Delete…</translation></message>
    <message><source>削除できません</source><translation>Cannot delete</translation></message>
    <message><source>前を検索</source><translation>Find Previous</translation></message>
    <message><source>前景・背景色と ANSI 16 色パレットを一括で切り替えます。選択後に下の文字色・背景色で微調整もできます。</source><translation>Switches the foreground and background colours and the 16-colour ANSI palette together. You can fine-tune the text and background colours below afterwards.</translation></message>
    <message><source>受信ログ（</source><translation>Received log (</translation></message>
    <message><source>名前を変更…</source><translation>Rename…</translation></message>
    <message><source>変更</source><translation>Rename</translation></message>
    <message><source>変更の有無を確認できませんでした。削除前に確認します。</source><translation>Whether there are changes could not be checked. You will be asked before deletion.</translation></message>
    <message><source>子プロセスを起動できませんでした: %@</source><translation>The child process could not be started: %@</translation></message>
    <message><source>実行ファイル「%@」が見つかりません。</source><translation>The program “%@” could not be found.</translation></message>
    <message><source>対応が必要</source><translation>Action needed</translation></message>
    <message><source>専用の git worktree（別ブランチ）を作成して claude を起動します。並行セッションのファイル衝突を防ぎます。</source><translation>Creates a dedicated git worktree (on its own branch) and starts claude in it, so parallel sessions do not collide over files.</translation></message>
    <message><source>導入済み</source><translation>Installed</translation></message>
    <message><source>強制削除</source><translation>Force Delete</translation></message>
    <message><source>応答が届きました</source><translation>Response received</translation></message>
    <message><source>操作に失敗しました</source><translation>The operation failed</translation></message>
    <message><source>文字を拡大</source><translation>Larger Text</translation></message>
    <message><source>文字を縮小</source><translation>Smaller Text</translation></message>
    <message><source>文字サイズをリセット</source><translation>Reset Text Size</translation></message>
    <message><source>文字色（前景）</source><translation>Text colour (foreground)</translation></message>
    <message><source>新しいプロジェクト名を入力してください。</source><translation>Enter the new project name.</translation></message>
    <message><source>新規セッションで Remote Control を有効にする</source><translation>Enable Remote Control for new sessions</translation></message>
    <message><source>既存プロジェクトの読み込みに失敗しました: %@</source><translation>Loading the existing projects failed: %@</translation></message>
    <message><source>既定（白文字／暗背景）に戻す</source><translation>Back to the default (white text on dark background)</translation></message>
    <message><source>更新</source><translation>Refresh</translation></message>
    <message><source>更新中</source><translation>Refreshing</translation></message>
    <message><source>最初の指示（任意）</source><translation>First instruction (optional)</translation></message>
    <message><source>未コミットの変更があります。削除前に確認します。</source><translation>There are uncommitted changes. You will be asked before deletion.</translation></message>
    <message><source>未コミット変更</source><translation>Uncommitted changes</translation></message>
    <message><source>未フォーカスのセッションを暗くする</source><translation>Dim sessions without focus</translation></message>
    <message><source>未導入</source><translation>Not installed</translation></message>
    <message><source>未導入（設定ファイルなし）</source><translation>Not installed (no settings file)</translation></message>
    <message><source>本文</source><translation>Body</translation></message>
    <message><source>本文のファミリー</source><translation>Body family</translation></message>
    <message><source>本文（Markdown 地の文・メモ）</source><translation>Body (Markdown prose, memos)</translation></message>
    <message><source>検索…</source><translation>Find…</translation></message>
    <message><source>権限確認をスキップ</source><translation>Skip permission checks</translation></message>
    <message><source>次を検索</source><translation>Find Next</translation></message>
    <message><source>残す</source><translation>Keep</translation></message>
    <message><source>残った worktree</source><translation>Left-over worktrees</translation></message>
    <message><source>状態</source><translation>Status</translation></message>
    <message><source>状態不明</source><translation>State unknown</translation></message>
    <message><source>独立 worktree で作成</source><translation>Create in its own worktree</translation></message>
    <message><source>確認済み</source><translation>Reviewed</translation></message>
    <message><source>稼働中のすべてのセッション（claude プロセス）が終了します。</source><translation>All running sessions (their claude processes) will end.</translation></message>
    <message><source>等幅フォントのみ表示</source><translation>Show only monospaced fonts</translation></message>
    <message><source>終了する</source><translation>Quit</translation></message>
    <message><source>背景色</source><translation>Background colour</translation></message>
    <message><source>色</source><translation>Color</translation></message>
    <message><source>表示</source><translation>View</translation></message>
    <message><source>表示言語</source><translation>Display language</translation></message>
    <message><source>補助シェルを閉じる</source><translation>Close auxiliary shell</translation></message>
    <message><source>要確認</source><translation>Needs Review</translation></message>
    <message><source>設定</source><translation>Preferences</translation></message>
    <message><source>設定…</source><translation>Preferences…</translation></message>
    <message><source>起動後、端末の入力欄にこのテキストを挿入します（送信は手動）。空なら何もしません。</source><translation>After start-up this text is put into the terminal’s input line (you send it yourself). Empty does nothing.</translation></message>
    <message><source>起動後に端末の入力欄へ挿入します。送信は手動です。</source><translation>Put into the terminal’s input line after start-up; you send it yourself.</translation></message>
    <message><source>追加</source><translation>Add</translation></message>
    <message><source>選択されたフォルダのパスを解決できませんでした。別のフォルダを選択してください。</source><translation>The path of the chosen folder could not be resolved. Please choose another folder.</translation></message>
    <message><source>選択でクリップボードへコピー</source><translation>Copy to the clipboard on selection</translation></message>
    <message><source>開く</source><translation>Open</translation></message>
    <message><source>）</source><translation>)</translation></message>
</context>
</TS>
