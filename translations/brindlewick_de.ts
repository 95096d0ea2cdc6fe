<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Brindlewick</name>
    <message><source>%1$@ を書き込めませんでした（%2$@）。</source><translation>%1$@ konnte nicht geschrieben werden (%2$@).</translation></message>
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
    <message><source>claude が終了しました。表示内容はそのまま確認できます。セッションを終了（カードを削除）するには、このウィンドウを閉じてください。</source><translation>claude wurde beendet. Die Ausgabe bleibt lesbar. Um die Sitzung zu beenden (und ihre Karte zu löschen), schließen Sie dieses Fenster.</translation></message>
    <message><source>claude の返答など端末の文字色です。暗い背景で読みにくい場合は文字色を明るく（白く）してください。</source><translation>Das ist die Textfarbe des Terminals, etwa für die Antworten von claude. Wenn sie auf dunklem Grund schwer lesbar ist, wählen Sie eine hellere (weißere) Textfarbe.</translation></message>
    <message><source>hooks が object ではありません</source><translation>hooks ist kein Objekt</translation></message>
    <message><source>hooks.%@ が object の配列ではありません</source><translation>hooks.%@ ist kein Array von Objekten</translation></message>
    <message><source>settings.json が不正</source><translation>settings.json ist ungültig</translation></message>
    <message><source>settings.json が不正な JSON です。バックアップを取得し、上書きせずに中止しました。手動修正後に再実行してください。</source><translation>settings.json ist kein gültiges JSON. Es wurde eine Sicherung angelegt und die Datei nicht überschrieben. Bitte von Hand korrigieren und erneut versuchen.</translation></message>
    <message><source>settings.json の構造が想定外です（%@）。安全のため変更を中止しました。</source><translation>Der Aufbau von settings.json entspricht nicht der Erwartung (%@). Die Änderung wurde aus Sicherheitsgründen abgebrochen.</translation></message>
    <message><source>settings.json を手動で修正してから「再確認」を押してください。</source><translation>Korrigiere settings.json von Hand und klicke dann auf „Erneut prüfen“.</translation></message>
    <message><source>settings.json を読み取れませんでした</source><translation>settings.json konnte nicht gelesen werden</translation></message>
    <message><source>worktree がディスクに残っています。手動で削除する場合の場所:&#10;%@</source><translation>Der Worktree liegt noch auf der Festplatte. Zum Löschen von Hand finden Sie ihn hier:&#10;%@</translation></message>
    <message><source>worktree に未コミットの変更がある可能性があります</source><translation>Der Worktree enthält möglicherweise nicht committete Änderungen</translation></message>
    <message><source>worktree の削除に失敗: %@</source><translation>Entfernen des Worktrees fehlgeschlagen: %@</translation></message>
    <message><source>worktree は削除しました。ブランチ「%@」だけが残っています。このブランチには未マージのコミットがある可能性があり、強制削除するとそのコミットは失われます。</source><translation>Der Worktree wurde gelöscht; nur der Branch „%@“ ist übrig. Er enthält möglicherweise nicht zusammengeführte Commits, die bei einer erzwungenen Löschung verloren gehen.</translation></message>
    <message><source>worktree を保持しました: %@</source><translation>Worktree behalten: %@</translation></message>
    <message><source>worktree を削除できませんでした</source><translation>Der Worktree konnte nicht gelöscht werden</translation></message>
    <message><source>● claude: 応答テキスト abc 0123</source><translation>● claude: Antworttext abc 0123</translation></message>
    <message><source>「</source><translation>„</translation></message>
    <message><source>「未フォーカスを暗く」はいま操作していないセッション窓を薄く表示し、どれが手番か分かりやすくします。「選択でコピー」はドラッグ選択した瞬間にクリップボードへ入れます（Ctrl+Shift+C のコピーは設定に関係なく使えます）。</source><translation>Abdunkeln zeigt die Sitzungsfenster, die Sie gerade nicht bedienen, blasser, damit klar ist, wer am Zug ist. Kopieren beim Markieren legt eine gezogene Auswahl sofort in die Zwischenablage (Strg+Umschalt+C kopiert unabhängig von dieser Einstellung).</translation></message>
    <message><source>」をコピー</source><translation>“ kopieren</translation></message>
    <message><source>あなたの番</source><translation>Du bist dran</translation></message>
    <message><source>この worktree を削除すると、コミットしていない変更は失われます。保持すれば後で確認・コミットできます。&#10;場所: %@</source><translation>Wenn Sie diesen Worktree löschen, gehen nicht committete Änderungen verloren. Wenn Sie ihn behalten, können Sie sie später prüfen und committen.&#10;Ort: %@</translation></message>
    <message><source>このまま確認</source><translation>Weiter ansehen</translation></message>
    <message><source>このセッションを終了しますか。</source><translation>Diese Sitzung beenden?</translation></message>
    <message><source>この補助シェルを閉じる</source><translation>Diese Hilfs-Shell schließen</translation></message>
    <message><source>どのセッションにも反映されませんでした（未知 card か古いイベント）</source><translation>Auf keine Sitzung angewendet (unbekannte Card oder veraltetes Ereignis)</translation></message>
    <message><source>アプリ内の表示言語を切り替えます。「システムに従う」は OS の言語設定に従います。</source><translation>Wechselt die Sprache der App-Texte. „System folgen“ richtet sich nach der Spracheinstellung des Betriebssystems.</translation></message>
    <message><source>ウィンドウを閉じる</source><translation>Fenster schließen</translation></message>
    <message><source>ウィンドウを閉じると claude プロセスが終了し、このセッション（カード）が削除されます。</source><translation>Wenn Sie das Fenster schließen, wird der claude-Prozess beendet und diese Sitzung (ihre Karte) gelöscht.</translation></message>
    <message><source>ウインドウ</source><translation>Fenster</translation></message>
    <message><source>オンにすると、セッション起動時の Remote Control スイッチが最初からオンになり、claude は --remote-control 付きで起動します。同じセッションを Claude の Web アプリ、スマートフォンアプリ、Claude Desktop から続けられます。スイッチは起動前にセッションごとに変更できます。&#10;&#10;claude はこのコンピューター上で動き続け、リモートの画面はその窓にすぎません。スリープやシャットダウンでセッションは止まります（復帰すると再接続します）。Claude の Web サービスへのログインと有料プラン（Pro / Max など）が必要で、オンの間は同期のため会話が Anthropic 側に保存されます。</source><translation>Ist dies eingeschaltet, steht der Remote-Control-Schalter beim Starten einer Sitzung von Anfang an auf „ein“, und claude startet mit --remote-control. So können Sie dieselbe Sitzung in der Web-App von Claude, in der Claude-App auf dem Telefon oder in Claude Desktop fortsetzen. Den Schalter können Sie vor dem Start für jede Sitzung ändern.&#10;&#10;claude läuft weiter auf diesem Computer; der entfernte Bildschirm ist nur ein Fenster darauf. Ruhezustand oder Herunterfahren hält die Sitzung an (nach dem Aufwachen verbindet sie sich neu). Nötig sind eine Anmeldung beim Webdienst von Claude und ein kostenpflichtiger Tarif (Pro, Max o. ä.); solange die Option an ist, wird das Gespräch zum Abgleich bei Anthropic gespeichert.</translation></message>
    <message><source>カラーテーマ</source><translation>Farbschema</translation></message>
    <message><source>カードなし</source><translation>Keine Karten</translation></message>
    <message><source>カードの「いま誰のターン？」を自動で切り替えるため、~/.claude/settings.json に Brindlewick のフックを追加します。&#10;&#10;・既存の設定や他ツールのフックは変更しません。&#10;・追加前に自動でバックアップを作成します。&#10;・「今はしない」を選ぶとこの案内は次回から表示しません。設定ウィンドウの「フック」からいつでも導入・除去できます。</source><translation>Damit jede Karte „Wer ist gerade dran?“ selbst umschaltet, fügt Brindlewick seine Hooks zu ~/.claude/settings.json hinzu.&#10;&#10;• Bestehende Einstellungen und Hooks anderer Werkzeuge bleiben unverändert.&#10;• Vorher wird automatisch eine Sicherung angelegt.&#10;• Mit „Jetzt nicht“ erscheint dieser Hinweis nicht wieder. Auf der Seite „Hooks“ der Einstellungen lassen sich die Hooks jederzeit installieren oder entfernen.</translation></message>
    <message><source>カードの自動列移動は ~/.claude/settings.json のフックで動きます。導入すると 4 つのイベント（プロンプト送信・ツール実行・通知・停止）に Brindlewick のフックを追加します。既存の設定や他ツールのフックは変更せず、追加前に自動でバックアップを作成します。</source><translation>Karten wechseln ihre Spalte selbst über Hooks in ~/.claude/settings.json. Die Installation fügt vier Ereignissen (Prompt-Eingabe, Werkzeugaufruf, Benachrichtigung, Stopp) den Hook von Brindlewick hinzu. Bestehende Einstellungen und Hooks anderer Werkzeuge bleiben unverändert; vorher wird automatisch eine Sicherung angelegt.</translation></message>
    <message><source>キャンセル</source><translation>Abbrechen</translation></message>
    <message><source>クリックで最前面に表示・ドラッグで別の列へ移動</source><translation>Klicken, um nach vorne zu holen · ziehen, um in eine andere Spalte zu verschieben</translation></message>
    <message><source>コピーしました</source><translation>Kopiert</translation></message>
    <message><source>システムに従う</source><translation>System folgen</translation></message>
    <message><source>セッション</source><translation>Sitzung</translation></message>
    <message><source>セッションが入力を待っています。</source><translation>Die Sitzung wartet auf eine Eingabe.</translation></message>
    <message><source>セッションが終了しました</source><translation>Die Sitzung wurde beendet</translation></message>
    <message><source>セッションが見つかりません</source><translation>Sitzung nicht gefunden</translation></message>
    <message><source>セッションの起動</source><translation>Sitzungen starten</translation></message>
    <message><source>セッションを格子状に整列</source><translation>Sitzungen im Raster anordnen</translation></message>
    <message><source>セッションを閉じる</source><translation>Sitzung schließen</translation></message>
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
    <message><source>ファイル</source><translation>Datei</translation></message>
    <message><source>フォルダ %@ を作成できませんでした。</source><translation>Der Ordner %@ konnte nicht angelegt werden.</translation></message>
    <message><source>フック</source><translation>Hooks</translation></message>
    <message><source>フックを再導入</source><translation>Hooks neu installieren</translation></message>
    <message><source>フックを導入</source><translation>Hooks installieren</translation></message>
    <message><source>フックを除去</source><translation>Hooks entfernen</translation></message>
    <message><source>フックログ</source><translation>Hook-Protokoll</translation></message>
    <message><source>ブランチ「%@」を強制削除しますか？</source><translation>Den Branch „%@“ zwangsweise löschen?</translation></message>
    <message><source>プロジェクト</source><translation>Projekte</translation></message>
    <message><source>プロジェクトがありません</source><translation>Keine Projekte</translation></message>
    <message><source>プロジェクトが見つかりません</source><translation>Projekt nicht gefunden</translation></message>
    <message><source>ヘルプ</source><translation>Hilfe</translation></message>
    <message><source>ボード</source><translation>Board</translation></message>
    <message><source>ボードを表示</source><translation>Board anzeigen</translation></message>
    <message><source>ログなし</source><translation>Keine Einträge</translation></message>
    <message><source>一般</source><translation>Allgemein</translation></message>
    <message><source>今はしない</source><translation>Jetzt nicht</translation></message>
    <message><source>作業なし</source><translation>Nichts zu tun</translation></message>
    <message><source>作業中</source><translation>In Arbeit</translation></message>
    <message><source>保持</source><translation>Behalten</translation></message>
    <message><source>停止</source><translation>Gestoppt</translation></message>
    <message><source>再確認</source><translation>Erneut prüfen</translation></message>
    <message><source>前を検索</source><translation>Rückwärts suchen</translation></message>
    <message><source>前景・背景色と ANSI 16 色パレットを一括で切り替えます。選択後に下の文字色・背景色で微調整もできます。</source><translation>Wechselt Vorder- und Hintergrundfarbe und die ANSI-Palette mit 16 Farben auf einmal. Danach können Sie Text- und Hintergrundfarbe unten noch feinjustieren.</translation></message>
    <message><source>受信ログ（</source><translation>Empfangsprotokoll (</translation></message>
    <message><source>対応が必要</source><translation>Aktion erforderlich</translation></message>
    <message><source>導入済み</source><translation>Installiert</translation></message>
    <message><source>強制削除</source><translation>Löschen erzwingen</translation></message>
    <message><source>応答が届きました</source><translation>Antwort eingegangen</translation></message>
    <message><source>文字色（前景）</source><translation>Textfarbe (Vordergrund)</translation></message>
    <message><source>新規セッションで Remote Control を有効にする</source><translation>Remote Control für neue Sitzungen einschalten</translation></message>
    <message><source>既定（白文字／暗背景）に戻す</source><translation>Auf Standard zurücksetzen (weiße Schrift auf dunklem Grund)</translation></message>
    <message><source>未フォーカスのセッションを暗くする</source><translation>Sitzungen ohne Fokus abdunkeln</translation></message>
    <message><source>未導入</source><translation>Nicht installiert</translation></message>
    <message><source>未導入（設定ファイルなし）</source><translation>Nicht installiert (keine Einstellungsdatei)</translation></message>
    <message><source>検索…</source><translation>Suchen…</translation></message>
    <message><source>次を検索</source><translation>Weitersuchen</translation></message>
    <message><source>残す</source><translation>Behalten</translation></message>
    <message><source>状態</source><translation>Status</translation></message>
    <message><source>確認済み</source><translation>Geprüft</translation></message>
    <message><source>稼働中のすべてのセッション（claude プロセス）が終了します。</source><translation>Alle laufenden Sitzungen (ihre claude-Prozesse) werden beendet.</translation></message>
    <message><source>終了する</source><translation>Beenden</translation></message>
    <message><source>背景色</source><translation>Hintergrundfarbe</translation></message>
    <message><source>表示</source><translation>Ansicht</translation></message>
    <message><source>表示言語</source><translation>Anzeigesprache</translation></message>
    <message><source>補助シェルを閉じる</source><translation>Hilfs-Shell schließen</translation></message>
    <message><source>要確認</source><translation>Zu prüfen</translation></message>
    <message><source>設定</source><translation>Einstellungen</translation></message>
    <message><source>設定…</source><translation>Einstellungen …</translation></message>
    <message><source>選択でクリップボードへコピー</source><translation>Beim Markieren in die Zwischenablage kopieren</translation></message>
    <message><source>開く</source><translation>Öffnen</translation></message>
    <message><source>）</source><translation>)</translation></message>
</context>
</TS>
