<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Brindlewick</name>
    <message><source>%1$@ を書き込めませんでした（%2$@）。</source><translation>%1$@ konnte nicht geschrieben werden (%2$@).</translation></message>
    <message><source>%@、%lld pt</source><translation>%@, %lld pt</translation></message>
    <message><source>%@、プロジェクト %@</source><translation>%@, Projekt %@</translation></message>
    <message><source>%@、停止</source><translation>%@, gestoppt</translation></message>
    <message><source>%@へ移動</source><translation>Nach „%@“ verschieben</translation></message>
    <message><source>%lld か月前</source><translation>vor %lld Monaten</translation></message>
    <message><source>%lld か月後</source><translation>in %lld Monaten</translation></message>
    <message><source>%lld 分前</source><translation>vor %lld Minuten</translation></message>
    <message><source>%lld 分後</source><translation>in %lld Minuten</translation></message>
    <message><source>%lld 年前</source><translation>vor %lld Jahren</translation></message>
    <message><source>%lld 年後</source><translation>in %lld Jahren</translation></message>
    <message><source>%lld 日前</source><translation>vor %lld Tagen</translation></message>
    <message><source>%lld 日後</source><translation>in %lld Tagen</translation></message>
    <message><source>%lld 時間前</source><translation>vor %lld Stunden</translation></message>
    <message><source>%lld 時間後</source><translation>in %lld Stunden</translation></message>
    <message><source>%lld 秒前</source><translation>vor %lld Sekunden</translation></message>
    <message><source>%lld 秒後</source><translation>in %lld Sekunden</translation></message>
    <message><source>%lld 週間前</source><translation>vor %lld Wochen</translation></message>
    <message><source>%lld 週間後</source><translation>in %lld Wochen</translation></message>
    <message><source>1 か月前</source><translation>vor 1 Monat</translation></message>
    <message><source>1 か月後</source><translation>in 1 Monat</translation></message>
    <message><source>1 分前</source><translation>vor 1 Minute</translation></message>
    <message><source>1 分後</source><translation>in 1 Minute</translation></message>
    <message><source>1 年前</source><translation>vor 1 Jahr</translation></message>
    <message><source>1 年後</source><translation>in 1 Jahr</translation></message>
    <message><source>1 日前</source><translation>vor 1 Tag</translation></message>
    <message><source>1 日後</source><translation>in 1 Tag</translation></message>
    <message><source>1 時間前</source><translation>vor 1 Stunde</translation></message>
    <message><source>1 時間後</source><translation>in 1 Stunde</translation></message>
    <message><source>1 秒前</source><translation>vor 1 Sekunde</translation></message>
    <message><source>1 秒後</source><translation>in 1 Sekunde</translation></message>
    <message><source>1 週間前</source><translation>vor 1 Woche</translation></message>
    <message><source>1 週間後</source><translation>in 1 Woche</translation></message>
    <message><source>Brindlewick について</source><translation>Über Brindlewick</translation></message>
    <message><source>Brindlewick を終了</source><translation>Brindlewick beenden</translation></message>
    <message><source>Brindlewick を終了しますか。</source><translation>Brindlewick beenden?</translation></message>
    <message><source>Brindlewick（既定）</source><translation>Brindlewick (Standard)</translation></message>
    <message><source>Claude Code フック</source><translation>Claude-Code-Hooks</translation></message>
    <message><source>Claude Code フックの初回セットアップ</source><translation>Ersteinrichtung der Claude-Code-Hooks</translation></message>
    <message><source>Claude が作業中</source><translation>Claude arbeitet</translation></message>
    <message><source>OK</source><translation>OK</translation></message>
    <message><source>ON にすると `claude --dangerously-skip-permissions` で起動し、ツール実行の権限確認をすべてスキップします。確認なしでファイル変更やコマンド実行が走るため、信頼できる作業のみで使ってください（危険）。</source><translation>Wenn aktiviert, startet claude mit `claude --dangerously-skip-permissions` und überspringt jede Berechtigungsprüfung für Werkzeuge. Dateien werden ohne Rückfrage geändert und Befehle ausgeführt – nur für vertrauenswürdige Arbeit verwenden (gefährlich).</translation></message>
    <message><source>ON にすると `claude --remote-control` で起動し、同じセッションを claude.ai・Claude のスマートフォンアプリ・Claude Desktop から続けられます。claude はこのコンピュータ上で動き続けるため、スリープやシャットダウンでセッションは止まります。Pro や Max などのサブスクリプションで claude.ai にログインしている必要があります。既定値は設定の「ターミナル」で変更できます。</source><translation>Wenn aktiviert, startet claude mit `claude --remote-control`, sodass dieselbe Sitzung auf claude.ai, in der Claude-App fürs Telefon und in Claude Desktop fortgesetzt werden kann. claude läuft weiter auf diesem Computer; im Ruhezustand oder beim Herunterfahren hält die Sitzung an. Sie müssen mit einem Abonnement wie Pro oder Max bei claude.ai angemeldet sein. Die Voreinstellung lässt sich in den Einstellungen unter „Terminal“ ändern.</translation></message>
    <message><source>ON にすると worktree 削除後にブランチ（%@）も削除します。</source><translation>Wenn aktiviert, wird nach dem Worktree auch der Branch (%@) gelöscht.</translation></message>
    <message><source>ON にすると専用の git worktree（別ブランチ）を作り、そこで claude を起動します。同じリポジトリの並行セッションがファイル衝突しません。</source><translation>Wenn aktiviert, wird ein eigener git-Worktree (auf eigenem Branch) angelegt und claude dort gestartet, sodass parallele Sitzungen eines Repositorys nicht dieselben Dateien bearbeiten.</translation></message>
    <message><source>Remote Control を有効にして（--remote-control）claude を起動します。同じセッションを claude.ai やスマートフォンアプリから操作できます。</source><translation>Startet claude mit aktiviertem Remote Control (--remote-control). Dieselbe Sitzung lässt sich dann auf claude.ai oder in der Telefon-App bedienen.</translation></message>
    <message><source>Remote Control を有効にする</source><translation>Remote Control aktivieren</translation></message>
    <message><source>claude が終了しました。表示内容はそのまま確認できます。セッションを終了（カードを削除）するには、このウィンドウを閉じてください。</source><translation>claude wurde beendet. Die Ausgabe bleibt lesbar. Um die Sitzung zu beenden (und ihre Karte zu löschen), schließen Sie dieses Fenster.</translation></message>
    <message><source>claude の返答など端末の文字色です。暗い背景で読みにくい場合は文字色を明るく（白く）してください。</source><translation>Das ist die Textfarbe des Terminals, etwa für die Antworten von claude. Wenn sie auf dunklem Grund schwer lesbar ist, wählen Sie eine hellere (weißere) Textfarbe.</translation></message>
    <message><source>claude を権限確認なし（--dangerously-skip-permissions）で起動します。確認なしでツールが実行される危険な設定です。</source><translation>Startet claude ohne Berechtigungsprüfungen (--dangerously-skip-permissions). Werkzeuge laufen dann ohne Rückfrage – eine gefährliche Einstellung.</translation></message>
    <message><source>git が見つかりません。git をインストールし、PATH に含まれているか確認してください。</source><translation>git wurde nicht gefunden. Installieren Sie git und prüfen Sie, ob es im PATH liegt.</translation></message>
    <message><source>hooks が object ではありません</source><translation>hooks ist kein Objekt</translation></message>
    <message><source>hooks.%@ が object の配列ではありません</source><translation>hooks.%@ ist kein Array von Objekten</translation></message>
    <message><source>settings.json が不正</source><translation>settings.json ist ungültig</translation></message>
    <message><source>settings.json が不正な JSON です。バックアップを取得し、上書きせずに中止しました。手動修正後に再実行してください。</source><translation>settings.json ist kein gültiges JSON. Es wurde eine Sicherung angelegt und die Datei nicht überschrieben. Bitte von Hand korrigieren und erneut versuchen.</translation></message>
    <message><source>settings.json の構造が想定外です（%@）。安全のため変更を中止しました。</source><translation>Der Aufbau von settings.json entspricht nicht der Erwartung (%@). Die Änderung wurde aus Sicherheitsgründen abgebrochen.</translation></message>
    <message><source>settings.json を手動で修正してから「再確認」を押してください。</source><translation>Korrigiere settings.json von Hand und klicke dann auf „Erneut prüfen“.</translation></message>
    <message><source>settings.json を読み取れませんでした</source><translation>settings.json konnte nicht gelesen werden</translation></message>
    <message><source>worktree がディスクに残っています。手動で削除する場合の場所:&#10;%@</source><translation>Der Worktree liegt noch auf der Festplatte. Zum Löschen von Hand finden Sie ihn hier:&#10;%@</translation></message>
    <message><source>worktree に未コミットの変更がある可能性があります</source><translation>Der Worktree enthält möglicherweise nicht committete Änderungen</translation></message>
    <message><source>worktree の一覧を再取得します。</source><translation>Die Liste der Worktrees neu abrufen.</translation></message>
    <message><source>worktree の作成に失敗しました。git リポジトリか、ディスク状態を確認してください。</source><translation>Der Worktree konnte nicht angelegt werden. Prüfen Sie das git-Repository oder den Datenträger.</translation></message>
    <message><source>worktree の削除に失敗: %@</source><translation>Entfernen des Worktrees fehlgeschlagen: %@</translation></message>
    <message><source>worktree は削除しました。ブランチ「%@」だけが残っています。このブランチには未マージのコミットがある可能性があり、強制削除するとそのコミットは失われます。</source><translation>Der Worktree wurde gelöscht; nur der Branch „%@“ ist übrig. Er enthält möglicherweise nicht zusammengeführte Commits, die bei einer erzwungenen Löschung verloren gehen.</translation></message>
    <message><source>worktree を保持しました: %@</source><translation>Worktree behalten: %@</translation></message>
    <message><source>worktree を削除できませんでした</source><translation>Der Worktree konnte nicht gelöscht werden</translation></message>
    <message><source>worktree を確認できませんでした。git の状態を確認して「更新」してください。</source><translation>Die Worktrees konnten nicht geprüft werden. Prüfen Sie git und klicken Sie dann auf „Aktualisieren“.</translation></message>
    <message><source>worktree 用ディレクトリを作成できませんでした。</source><translation>Der Ordner für den Worktree konnte nicht angelegt werden.</translation></message>
    <message><source>worktree「%@」を削除</source><translation>Worktree „%@“ löschen</translation></message>
    <message><source>● claude: 応答テキスト abc 0123</source><translation>● claude: Antworttext abc 0123</translation></message>
    <message><source>「</source><translation>„</translation></message>
    <message><source>「%@」には稼働中または worktree のセッションが %lld 件あります。先にそれらのセッションを閉じてください（閉じると worktree も後始末されます）。</source><translation>„%@“ hat %lld laufende oder Worktree-Sitzungen. Schließen Sie diese Sitzungen zuerst (dabei werden auch ihre Worktrees aufgeräumt).</translation></message>
    <message><source>「%@」は既に追加済みです</source><translation>„%@“ wurde bereits hinzugefügt</translation></message>
    <message><source>「%@」を削除します。セッション %lld 件・タスク %lld 件・メモ %lld 件も一緒に削除されます。元に戻せません。</source><translation>„%@“ wird gelöscht, zusammen mit %lld Sitzungen, %lld Aufgaben und %lld Notizen. Dies kann nicht rückgängig gemacht werden.</translation></message>
    <message><source>「未フォーカスを暗く」はいま操作していないセッション窓を薄く表示し、どれが手番か分かりやすくします。「選択でコピー」はドラッグ選択した瞬間にクリップボードへ入れます（Ctrl+Shift+C のコピーは設定に関係なく使えます）。</source><translation>Abdunkeln zeigt die Sitzungsfenster, die Sie gerade nicht bedienen, blasser, damit klar ist, wer am Zug ist. Kopieren beim Markieren legt eine gezogene Auswahl sofort in die Zwischenablage (Strg+Umschalt+C kopiert unabhängig von dieser Einstellung).</translation></message>
    <message><source>」をコピー</source><translation>“ kopieren</translation></message>
    <message><source>あなたの番</source><translation>Du bist dran</translation></message>
    <message><source>この worktree を削除すると、コミットしていない変更は失われます。保持すれば後で確認・コミットできます。&#10;場所: %@</source><translation>Wenn Sie diesen Worktree löschen, gehen nicht committete Änderungen verloren. Wenn Sie ihn behalten, können Sie sie später prüfen und committen.&#10;Ort: %@</translation></message>
    <message><source>このまま確認</source><translation>Weiter ansehen</translation></message>
    <message><source>このセッションを終了しますか。</source><translation>Diese Sitzung beenden?</translation></message>
    <message><source>このプロジェクトは git リポジトリではないため、worktree は利用できません。</source><translation>Dieses Projekt ist kein git-Repository, daher sind keine Worktrees verfügbar.</translation></message>
    <message><source>この補助シェルを閉じる</source><translation>Diese Hilfs-Shell schließen</translation></message>
    <message><source>どのセッションにも反映されませんでした（未知 card か古いイベント）</source><translation>Auf keine Sitzung angewendet (unbekannte Card oder veraltetes Ereignis)</translation></message>
    <message><source>なし</source><translation>Keine</translation></message>
    <message><source>アプリ内の表示言語を切り替えます。「システムに従う」は OS の言語設定に従います。</source><translation>Wechselt die Sprache der App-Texte. „System folgen“ richtet sich nach der Spracheinstellung des Betriebssystems.</translation></message>
    <message><source>イエロー</source><translation>Gelb</translation></message>
    <message><source>ウィンドウを閉じる</source><translation>Fenster schließen</translation></message>
    <message><source>ウィンドウを閉じると claude プロセスが終了し、このセッション（カード）が削除されます。</source><translation>Wenn Sie das Fenster schließen, wird der claude-Prozess beendet und diese Sitzung (ihre Karte) gelöscht.</translation></message>
    <message><source>ウインドウ</source><translation>Fenster</translation></message>
    <message><source>オレンジ</source><translation>Orange</translation></message>
    <message><source>オンにすると、セッション起動時の Remote Control スイッチが最初からオンになり、claude は --remote-control 付きで起動します。同じセッションを Claude の Web アプリ、スマートフォンアプリ、Claude Desktop から続けられます。スイッチは起動前にセッションごとに変更できます。&#10;&#10;claude はこのコンピューター上で動き続け、リモートの画面はその窓にすぎません。スリープやシャットダウンでセッションは止まります（復帰すると再接続します）。Claude の Web サービスへのログインと有料プラン（Pro / Max など）が必要で、オンの間は同期のため会話が Anthropic 側に保存されます。</source><translation>Ist dies eingeschaltet, steht der Remote-Control-Schalter beim Starten einer Sitzung von Anfang an auf „ein“, und claude startet mit --remote-control. So können Sie dieselbe Sitzung in der Web-App von Claude, in der Claude-App auf dem Telefon oder in Claude Desktop fortsetzen. Den Schalter können Sie vor dem Start für jede Sitzung ändern.&#10;&#10;claude läuft weiter auf diesem Computer; der entfernte Bildschirm ist nur ein Fenster darauf. Ruhezustand oder Herunterfahren hält die Sitzung an (nach dem Aufwachen verbindet sie sich neu). Nötig sind eine Anmeldung beim Webdienst von Claude und ein kostenpflichtiger Tarif (Pro, Max o. ä.); solange die Option an ist, wird das Gespräch zum Abgleich bei Anthropic gespeichert.</translation></message>
    <message><source>カラーテーマ</source><translation>Farbschema</translation></message>
    <message><source>カードなし</source><translation>Keine Karten</translation></message>
    <message><source>カードの「いま誰のターン？」を自動で切り替えるため、~/.claude/settings.json に Brindlewick のフックを追加します。&#10;&#10;・既存の設定や他ツールのフックは変更しません。&#10;・追加前に自動でバックアップを作成します。&#10;・「今はしない」を選ぶとこの案内は次回から表示しません。設定ウィンドウの「フック」からいつでも導入・除去できます。</source><translation>Damit jede Karte „Wer ist gerade dran?“ selbst umschaltet, fügt Brindlewick seine Hooks zu ~/.claude/settings.json hinzu.&#10;&#10;• Bestehende Einstellungen und Hooks anderer Werkzeuge bleiben unverändert.&#10;• Vorher wird automatisch eine Sicherung angelegt.&#10;• Mit „Jetzt nicht“ erscheint dieser Hinweis nicht wieder. Auf der Seite „Hooks“ der Einstellungen lassen sich die Hooks jederzeit installieren oder entfernen.</translation></message>
    <message><source>カードの自動列移動は ~/.claude/settings.json のフックで動きます。導入すると 4 つのイベント（プロンプト送信・ツール実行・通知・停止）に Brindlewick のフックを追加します。既存の設定や他ツールのフックは変更せず、追加前に自動でバックアップを作成します。</source><translation>Karten wechseln ihre Spalte selbst über Hooks in ~/.claude/settings.json. Die Installation fügt vier Ereignissen (Prompt-Eingabe, Werkzeugaufruf, Benachrichtigung, Stopp) den Hook von Brindlewick hinzu. Bestehende Einstellungen und Hooks anderer Werkzeuge bleiben unverändert; vorher wird automatisch eine Sicherung angelegt.</translation></message>
    <message><source>キャンセル</source><translation>Abbrechen</translation></message>
    <message><source>クリックで最前面に表示・ドラッグで別の列へ移動</source><translation>Klicken, um nach vorne zu holen · ziehen, um in eine andere Spalte zu verschieben</translation></message>
    <message><source>グリーン</source><translation>Grün</translation></message>
    <message><source>グレー</source><translation>Grau</translation></message>
    <message><source>コピーしました</source><translation>Kopiert</translation></message>
    <message><source>サイズ: %lld pt</source><translation>Größe: %lld pt</translation></message>
    <message><source>システムに従う</source><translation>System folgen</translation></message>
    <message><source>システム既定</source><translation>Systemstandard</translation></message>
    <message><source>セッション</source><translation>Sitzung</translation></message>
    <message><source>セッション %lld</source><translation>Sitzung %lld</translation></message>
    <message><source>セッションがありません。「セッションを開始」で claude を起動します。</source><translation>Keine Sitzungen. „Sitzung starten“ startet claude.</translation></message>
    <message><source>セッションが入力を待っています。</source><translation>Die Sitzung wartet auf eine Eingabe.</translation></message>
    <message><source>セッションが終了しました</source><translation>Die Sitzung wurde beendet</translation></message>
    <message><source>セッションが見つかりません</source><translation>Sitzung nicht gefunden</translation></message>
    <message><source>セッションの保存に失敗しました。</source><translation>Die Sitzung konnte nicht gespeichert werden.</translation></message>
    <message><source>セッションの保存に失敗しました。作成した worktree は撤去しました。</source><translation>Die Sitzung konnte nicht gespeichert werden. Der angelegte Worktree wurde entfernt.</translation></message>
    <message><source>セッションの起動</source><translation>Sitzungen starten</translation></message>
    <message><source>セッションを格子状に整列</source><translation>Sitzungen im Raster anordnen</translation></message>
    <message><source>セッションを閉じても保持された worktree です。不要なら削除できます（ブランチは既定で残します）。</source><translation>Worktrees, die nach dem Schließen ihrer Sitzungen erhalten blieben. Nicht mehr benötigte können Sie löschen (der Branch bleibt standardmäßig erhalten).</translation></message>
    <message><source>セッションを閉じる</source><translation>Sitzung schließen</translation></message>
    <message><source>セッションを開始</source><translation>Sitzung starten</translation></message>
    <message><source>セッションウィンドウを最前面に表示</source><translation>Holt das Sitzungsfenster nach vorne</translation></message>
    <message><source>セッション削除に失敗: %@</source><translation>Löschen der Sitzung fehlgeschlagen: %@</translation></message>
    <message><source>ターミナル</source><translation>Terminal</translation></message>
    <message><source>ターミナルの挙動</source><translation>Terminalverhalten</translation></message>
    <message><source>ターミナルの色</source><translation>Terminalfarben</translation></message>
    <message><source>ターミナルを上下に分割</source><translation>Terminal oben und unten teilen</translation></message>
    <message><source>ターミナルを左右に分割</source><translation>Terminal links und rechts teilen</translation></message>
    <message><source>ターミナル色のプレビュー</source><translation>Vorschau der Terminalfarben</translation></message>
    <message><source>テーマ</source><translation>Schema</translation></message>
    <message><source>トップレベルが object ではありません</source><translation>die oberste Ebene ist kein Objekt</translation></message>
    <message><source>パープル</source><translation>Lila</translation></message>
    <message><source>ファイル</source><translation>Datei</translation></message>
    <message><source>ファミリー</source><translation>Familie</translation></message>
    <message><source>フォルダ %@ を作成できませんでした。</source><translation>Der Ordner %@ konnte nicht angelegt werden.</translation></message>
    <message><source>フォルダが移動または削除されたため、claude を起動できません。フォルダを元の場所に戻して「再試行」を押してください。セッション（カード）は残っています。</source><translation>Der Ordner wurde verschoben oder gelöscht, daher kann claude nicht starten. Legen Sie den Ordner wieder an seinen Platz und klicken Sie auf „Erneut versuchen“. Die Sitzung (Karte) bleibt erhalten.</translation></message>
    <message><source>フォルダを選択してプロジェクトを追加します（git リポジトリならルートに束ねます）。</source><translation>Wählen Sie einen Ordner, um ein Projekt hinzuzufügen (ein git-Repository wird mit seinem Stammordner hinzugefügt).</translation></message>
    <message><source>フォント</source><translation>Schriften</translation></message>
    <message><source>フォントのプレビュー</source><translation> – Schriftvorschau</translation></message>
    <message><source>フック</source><translation>Hooks</translation></message>
    <message><source>フックを再導入</source><translation>Hooks neu installieren</translation></message>
    <message><source>フックを導入</source><translation>Hooks installieren</translation></message>
    <message><source>フックを除去</source><translation>Hooks entfernen</translation></message>
    <message><source>フックログ</source><translation>Hook-Protokoll</translation></message>
    <message><source>ブランチ「%@」の削除に失敗しました。</source><translation>Der Branch „%@“ konnte nicht gelöscht werden.</translation></message>
    <message><source>ブランチ「%@」を強制削除しますか？</source><translation>Den Branch „%@“ zwangsweise löschen?</translation></message>
    <message><source>ブランチも削除</source><translation>Branch ebenfalls löschen</translation></message>
    <message><source>ブランチも削除 %@</source><translation>Branch %@ ebenfalls löschen</translation></message>
    <message><source>ブルー</source><translation>Blau</translation></message>
    <message><source>プロジェクト</source><translation>Projekte</translation></message>
    <message><source>プロジェクトがありません</source><translation>Keine Projekte</translation></message>
    <message><source>プロジェクトが見つかりません</source><translation>Projekt nicht gefunden</translation></message>
    <message><source>プロジェクトのフォルダを選択してください</source><translation>Wählen Sie den Ordner des Projekts</translation></message>
    <message><source>プロジェクトの保存に失敗しました: %@</source><translation>Das Projekt konnte nicht gespeichert werden: %@</translation></message>
    <message><source>プロジェクトを削除</source><translation>Projekt löschen</translation></message>
    <message><source>プロジェクトを追加</source><translation>Projekt hinzufügen</translation></message>
    <message><source>プロジェクトを追加できません</source><translation>Das Projekt kann nicht hinzugefügt werden</translation></message>
    <message><source>プロジェクト名</source><translation>Projektname</translation></message>
    <message><source>プロジェクト名を入力してください。</source><translation>Bitte geben Sie einen Projektnamen ein.</translation></message>
    <message><source>プロジェクト名を変更</source><translation>Projekt umbenennen</translation></message>
    <message><source>ヘルプ</source><translation>Hilfe</translation></message>
    <message><source>ボード</source><translation>Board</translation></message>
    <message><source>ボードを表示</source><translation>Board anzeigen</translation></message>
    <message><source>モノスペース</source><translation>Festbreite</translation></message>
    <message><source>モノスペースのファミリー</source><translation>Festbreiten-Schriftfamilie</translation></message>
    <message><source>モノスペース（ターミナル・コード・コードブロック）</source><translation>Festbreite (Terminal, Code, Codeblöcke)</translation></message>
    <message><source>レッド</source><translation>Rot</translation></message>
    <message><source>ログなし</source><translation>Keine Einträge</translation></message>
    <message><source>ロックされた worktree</source><translation>Gesperrter Worktree</translation></message>
    <message><source>ロックされています（`git worktree unlock` で解除してから削除できます）。</source><translation>Gesperrt (mit `git worktree unlock` entsperren, dann kann er gelöscht werden).</translation></message>
    <message><source>ロック中。`git worktree unlock` で解除してから削除してください。</source><translation>Gesperrt. Entsperren Sie ihn mit `git worktree unlock`, bevor Sie ihn löschen.</translation></message>
    <message><source>一般</source><translation>Allgemein</translation></message>
    <message><source>上へ移動</source><translation>Nach oben</translation></message>
    <message><source>下へ移動</source><translation>Nach unten</translation></message>
    <message><source>今はしない</source><translation>Jetzt nicht</translation></message>
    <message><source>作成中…</source><translation>Wird erstellt…</translation></message>
    <message><source>作業なし</source><translation>Nichts zu tun</translation></message>
    <message><source>作業フォルダ「%@」がありません。</source><translation>Der Arbeitsordner „%@“ existiert nicht.</translation></message>
    <message><source>作業フォルダが見つかりません</source><translation>Arbeitsordner nicht gefunden</translation></message>
    <message><source>作業中</source><translation>In Arbeit</translation></message>
    <message><source>保存に失敗しました: %@</source><translation>Speichern fehlgeschlagen: %@</translation></message>
    <message><source>保持</source><translation>Behalten</translation></message>
    <message><source>停止</source><translation>Gestoppt</translation></message>
    <message><source>再確認</source><translation>Erneut prüfen</translation></message>
    <message><source>再試行</source><translation>Erneut versuchen</translation></message>
    <message><source>削除</source><translation>Löschen</translation></message>
    <message><source>削除…</source><translation>Löschen…</translation></message>
    <message><source>削除できません</source><translation>Löschen nicht möglich</translation></message>
    <message><source>前を検索</source><translation>Rückwärts suchen</translation></message>
    <message><source>前景・背景色と ANSI 16 色パレットを一括で切り替えます。選択後に下の文字色・背景色で微調整もできます。</source><translation>Wechselt Vorder- und Hintergrundfarbe und die ANSI-Palette mit 16 Farben auf einmal. Danach können Sie Text- und Hintergrundfarbe unten noch feinjustieren.</translation></message>
    <message><source>受信ログ（</source><translation>Empfangsprotokoll (</translation></message>
    <message><source>名前を変更…</source><translation>Umbenennen…</translation></message>
    <message><source>変更</source><translation>Ändern</translation></message>
    <message><source>変更の有無を確認できませんでした。削除前に確認します。</source><translation>Ob es Änderungen gibt, konnte nicht geprüft werden. Vor dem Löschen wird nachgefragt.</translation></message>
    <message><source>子プロセスを起動できませんでした: %@</source><translation>Der Kindprozess konnte nicht gestartet werden: %@</translation></message>
    <message><source>実行ファイル「%@」が見つかりません。</source><translation>Das Programm „%@“ wurde nicht gefunden.</translation></message>
    <message><source>対応が必要</source><translation>Aktion erforderlich</translation></message>
    <message><source>専用の git worktree（別ブランチ）を作成して claude を起動します。並行セッションのファイル衝突を防ぎます。</source><translation>Legt einen eigenen git-Worktree (auf eigenem Branch) an und startet claude darin; parallele Sitzungen geraten so nicht an dieselben Dateien.</translation></message>
    <message><source>導入済み</source><translation>Installiert</translation></message>
    <message><source>強制削除</source><translation>Löschen erzwingen</translation></message>
    <message><source>応答が届きました</source><translation>Antwort eingegangen</translation></message>
    <message><source>操作に失敗しました</source><translation>Der Vorgang ist fehlgeschlagen</translation></message>
    <message><source>文字を拡大</source><translation>Text vergrößern</translation></message>
    <message><source>文字を縮小</source><translation>Text verkleinern</translation></message>
    <message><source>文字サイズをリセット</source><translation>Textgröße zurücksetzen</translation></message>
    <message><source>文字色（前景）</source><translation>Textfarbe (Vordergrund)</translation></message>
    <message><source>新しいプロジェクト名を入力してください。</source><translation>Geben Sie den neuen Projektnamen ein.</translation></message>
    <message><source>新規セッションで Remote Control を有効にする</source><translation>Remote Control für neue Sitzungen einschalten</translation></message>
    <message><source>既存プロジェクトの読み込みに失敗しました: %@</source><translation>Die vorhandenen Projekte konnten nicht geladen werden: %@</translation></message>
    <message><source>既定（白文字／暗背景）に戻す</source><translation>Auf Standard zurücksetzen (weiße Schrift auf dunklem Grund)</translation></message>
    <message><source>更新</source><translation>Aktualisieren</translation></message>
    <message><source>更新中</source><translation>Wird aktualisiert</translation></message>
    <message><source>最初の指示（任意）</source><translation>Erste Anweisung (optional)</translation></message>
    <message><source>未コミットの変更があります。削除前に確認します。</source><translation>Es gibt nicht committete Änderungen. Vor dem Löschen wird nachgefragt.</translation></message>
    <message><source>未コミット変更</source><translation>Nicht committete Änderungen</translation></message>
    <message><source>未フォーカスのセッションを暗くする</source><translation>Sitzungen ohne Fokus abdunkeln</translation></message>
    <message><source>未導入</source><translation>Nicht installiert</translation></message>
    <message><source>未導入（設定ファイルなし）</source><translation>Nicht installiert (keine Einstellungsdatei)</translation></message>
    <message><source>本文</source><translation>Fließtext</translation></message>
    <message><source>本文のファミリー</source><translation>Fließtext-Schriftfamilie</translation></message>
    <message><source>本文（Markdown 地の文・メモ）</source><translation>Fließtext (Markdown-Text, Notizen)</translation></message>
    <message><source>検索…</source><translation>Suchen…</translation></message>
    <message><source>権限確認をスキップ</source><translation>Berechtigungsprüfungen überspringen</translation></message>
    <message><source>次を検索</source><translation>Weitersuchen</translation></message>
    <message><source>残す</source><translation>Behalten</translation></message>
    <message><source>残った worktree</source><translation>Verbliebene Worktrees</translation></message>
    <message><source>状態</source><translation>Status</translation></message>
    <message><source>状態不明</source><translation>Status unbekannt</translation></message>
    <message><source>独立 worktree で作成</source><translation>In eigenem Worktree anlegen</translation></message>
    <message><source>確認済み</source><translation>Geprüft</translation></message>
    <message><source>稼働中のすべてのセッション（claude プロセス）が終了します。</source><translation>Alle laufenden Sitzungen (ihre claude-Prozesse) werden beendet.</translation></message>
    <message><source>等幅フォントのみ表示</source><translation>Nur Festbreitenschriften anzeigen</translation></message>
    <message><source>終了する</source><translation>Beenden</translation></message>
    <message><source>背景色</source><translation>Hintergrundfarbe</translation></message>
    <message><source>色</source><translation>Farbe</translation></message>
    <message><source>表示</source><translation>Ansicht</translation></message>
    <message><source>表示言語</source><translation>Anzeigesprache</translation></message>
    <message><source>補助シェルを閉じる</source><translation>Hilfs-Shell schließen</translation></message>
    <message><source>要確認</source><translation>Zu prüfen</translation></message>
    <message><source>設定</source><translation>Einstellungen</translation></message>
    <message><source>設定…</source><translation>Einstellungen …</translation></message>
    <message><source>起動後、端末の入力欄にこのテキストを挿入します（送信は手動）。空なら何もしません。</source><translation>Nach dem Start wird dieser Text in die Eingabezeile des Terminals eingefügt (abschicken müssen Sie selbst). Leer bewirkt nichts.</translation></message>
    <message><source>起動後に端末の入力欄へ挿入します。送信は手動です。</source><translation>Wird nach dem Start in die Eingabezeile des Terminals eingefügt; abschicken müssen Sie selbst.</translation></message>
    <message><source>追加</source><translation>Hinzufügen</translation></message>
    <message><source>選択されたフォルダのパスを解決できませんでした。別のフォルダを選択してください。</source><translation>Der Pfad des gewählten Ordners konnte nicht aufgelöst werden. Bitte wählen Sie einen anderen Ordner.</translation></message>
    <message><source>選択でクリップボードへコピー</source><translation>Beim Markieren in die Zwischenablage kopieren</translation></message>
    <message><source>開く</source><translation>Öffnen</translation></message>
    <message><source>）</source><translation>)</translation></message>
</context>
</TS>
