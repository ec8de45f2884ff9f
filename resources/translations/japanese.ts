<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>ApCompletionPopup</name>
    <message>
        <source>This is an executable file.
Please scan it before opening.</source>
        <translation>これは実行ファイルです。
開く前にウイルススキャンしてください。</translation>
    </message>
</context>
<context>
    <name>ApCompletionPopupClass</name>
    <message>
        <source>Download Completed</source>
        <translation>ダウンロード完了</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>フォルダーを開く</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>ApConfigDialog</name>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>General</source>
        <translation>全般</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>プロキシ</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>コンテンツ</translation>
    </message>
    <message>
        <source>Virus Scan</source>
        <translation>ウイルススキャン</translation>
    </message>
    <message>
        <source>General Settings</source>
        <translation>全般の設定</translation>
    </message>
    <message>
        <source>Basic Settings</source>
        <translation>基本設定</translation>
    </message>
    <message>
        <source>Start automatically on system startup</source>
        <translation>システム起動時に自動的に開始する</translation>
    </message>
    <message>
        <source>Minimize to system tray icon by clicking close button</source>
        <translation>閉じるボタンでシステムトレイに最小化する</translation>
    </message>
    <message>
        <source>Prompt on completion of a task</source>
        <translation>タスク完了時に通知する</translation>
    </message>
    <message>
        <source>Check update automatically each time on startup</source>
        <translation>起動時に毎回自動的に更新を確認する</translation>
    </message>
    <message>
        <source>Speed panel bandwidth display limit:</source>
        <translation>速度パネルの帯域幅表示上限:</translation>
    </message>
    <message>
        <source>KB/s</source>
        <translation>KB/s</translation>
    </message>
    <message>
        <source>Show floating window</source>
        <translation>フローティングウィンドウを表示する</translation>
    </message>
    <message>
        <source>Download Settings</source>
        <translation>ダウンロードの設定</translation>
    </message>
    <message>
        <source>Downloaded to:</source>
        <translation>保存先:</translation>
    </message>
    <message>
        <source>Enable monitoring clipboard URL file types</source>
        <translation>クリップボードの URL をファイルの種類で監視する</translation>
    </message>
    <message>
        <source>File types to monitor:</source>
        <translation>監視するファイルの種類:</translation>
    </message>
    <message>
        <source>Maximum number of splits for HTTP/FTP task</source>
        <translation>HTTP/FTP タスクの最大分割数</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>Customized</source>
        <translation>カスタム</translation>
    </message>
    <message>
        <source>Maximum failure retry times:</source>
        <translation>失敗時の最大再試行回数:</translation>
    </message>
    <message>
        <source>Download speed limit (0 = unlimited):</source>
        <translation>ダウンロード速度制限 (0 = 無制限):</translation>
    </message>
    <message>
        <source>Proxy Settings</source>
        <translation>プロキシの設定</translation>
    </message>
    <message>
        <source>List of open proxy servers</source>
        <translation>公開プロキシサーバーの一覧</translation>
    </message>
    <message>
        <source>Host:</source>
        <translation>ホスト:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>ポート:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>種類:</translation>
    </message>
    <message>
        <source>Socks5</source>
        <translation>Socks5</translation>
    </message>
    <message>
        <source>HTTP</source>
        <translation>HTTP</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Proxy - Searching Resources</source>
        <translation>プロキシ - リソースの検索</translation>
    </message>
    <message>
        <source>Non Proxy</source>
        <translation>プロキシなし</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>ユーザー名:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>パスワード:</translation>
    </message>
    <message>
        <source>Load settings from proxy server list</source>
        <translation>プロキシサーバーの一覧から設定を読み込む</translation>
    </message>
    <message>
        <source>Proxy - HTTP/FTP Downloads</source>
        <translation>プロキシ - HTTP/FTP ダウンロード</translation>
    </message>
    <message>
        <source>Content Lock Settings</source>
        <translation>コンテンツロックの設定</translation>
    </message>
    <message>
        <source>Content locking allows you to filter specified search keywords and lock some content under parental control.</source>
        <translation>コンテンツロックを使うと、指定した検索キーワードをフィルターし、ペアレンタルコントロールで一部のコンテンツをロックできます。</translation>
    </message>
    <message>
        <source>Please enter your password twice to lock</source>
        <translation>ロックするにはパスワードを 2 回入力してください</translation>
    </message>
    <message>
        <source>Keywords:</source>
        <translation>キーワード:</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>ロック</translation>
    </message>
    <message>
        <source>Please enter password to unlock</source>
        <translation>ロックを解除するにはパスワードを入力してください</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>ロック解除</translation>
    </message>
    <message>
        <source>Content NOT locked. Last modification time:</source>
        <translation>コンテンツはロックされていません。最終変更日時:</translation>
    </message>
    <message>
        <source>Virus Scan Settings</source>
        <translation>ウイルススキャンの設定</translation>
    </message>
    <message>
        <source>Scan downloaded files by the following Anti-Virus program</source>
        <translation>次のウイルス対策プログラムでダウンロードしたファイルをスキャンする</translation>
    </message>
    <message>
        <source>Program path:</source>
        <translation>プログラムのパス:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>参照...</translation>
    </message>
    <message>
        <source>Program arguments:</source>
        <translation>プログラムの引数:</translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation>すべてリセット</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>適用</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Are you sure to reset all settings? Press OK to confirm.</source>
        <translation>すべての設定をリセットしますか? OK を押して確定します。</translation>
    </message>
    <message>
        <source>Content is locked. Last modification time:</source>
        <translation>コンテンツはロックされています。最終変更日時:</translation>
    </message>
    <message>
        <source>Please enter your password twice.</source>
        <translation>パスワードを 2 回入力してください。</translation>
    </message>
    <message>
        <source>The two passwords do not match.</source>
        <translation>2 つのパスワードが一致しません。</translation>
    </message>
    <message>
        <source>Please enter a password containing minimum 6 characters or numbers.</source>
        <translation>6 文字以上の英数字でパスワードを入力してください。</translation>
    </message>
    <message>
        <source>Passwords do not match.</source>
        <translation>パスワードが一致しません。</translation>
    </message>
    <message>
        <source>Choose save path</source>
        <translation>保存先を選択</translation>
    </message>
    <message>
        <source>Choose Anti-virus scanning program</source>
        <translation>ウイルス対策プログラムを選択</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Take over downloads from web browsers</source>
        <translation>Web ブラウザーのダウンロードを引き受ける</translation>
    </message>
    <message>
        <source>Add downloads from the browser without asking</source>
        <translation>ブラウザーからのダウンロードを確認せずに追加する</translation>
    </message>
    <message>
        <source>Enter the password to reset the locked content settings.</source>
        <translation>ロックされたコンテンツ設定をリセットするには、パスワードを入力してください。</translation>
    </message>
    <message>
        <source>Maximum active downloads (0 = no limit):</source>
        <translation>同時ダウンロード数の上限 (0 = 無制限):</translation>
    </message>
</context>
<context>
    <name>ApExLineEdit</name>
    <message>
        <source>Search...</source>
        <translation>検索...</translation>
    </message>
</context>
<context>
    <name>ApInfoDialogClass</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>ApNewTaskDialog</name>
    <message>
        <source>New Task</source>
        <translation>新しいタスク</translation>
    </message>
    <message>
        <source>General</source>
        <translation>全般</translation>
    </message>
    <message>
        <source>URL:</source>
        <translation>URL:</translation>
    </message>
    <message>
        <source>Referer:</source>
        <translation>リファラー:</translation>
    </message>
    <message>
        <source>Save Path:</source>
        <translation>保存先:</translation>
    </message>
    <message>
        <source>Rename:</source>
        <translation>名前の変更:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>説明:</translation>
    </message>
    <message>
        <source>Authentication</source>
        <translation>認証</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>ユーザー名:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>パスワード:</translation>
    </message>
    <message>
        <source>Mirror URLs</source>
        <translation>ミラー URL</translation>
    </message>
    <message>
        <source>Proxy Settings</source>
        <translation>プロキシの設定</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>種類:</translation>
    </message>
    <message>
        <source>Non Proxy</source>
        <translation>プロキシなし</translation>
    </message>
    <message>
        <source>Socks5</source>
        <translation>Socks5</translation>
    </message>
    <message>
        <source>HTTP</source>
        <translation>HTTP</translation>
    </message>
    <message>
        <source>Host:</source>
        <translation>ホスト:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>ポート:</translation>
    </message>
    <message>
        <source>List of open proxy servers over Internet (without authentication)</source>
        <translation>インターネット上の公開プロキシサーバーの一覧 (認証なし)</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Load settings from proxy server list</source>
        <translation>プロキシサーバーの一覧から設定を読み込む</translation>
    </message>
    <message>
        <source>Start Download</source>
        <translation>ダウンロード開始</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>New HTTP/FTP Task</source>
        <translation>新しい HTTP/FTP タスク</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>HTTP/FTP Task Properties</source>
        <translation>HTTP/FTP タスクのプロパティ</translation>
    </message>
    <message>
        <source>Choose save path</source>
        <translation>保存先を選択</translation>
    </message>
    <message>
        <source>This is an incorrect URL. Please check the validity of input URL.</source>
        <translation>URL が正しくありません。入力した URL が有効か確認してください。</translation>
    </message>
    <message>
        <source>The path you choose does not exist. Please choose another one.</source>
        <translation>選択したパスは存在しません。別のパスを選択してください。</translation>
    </message>
    <message>
        <source>A file with the same name already exists. Please choose another save path or file name.</source>
        <translation>同じ名前のファイルが既にあります。別の保存先またはファイル名を選択してください。</translation>
    </message>
    <message>
        <source>One or more mirror URLs are not valid.</source>
        <translation>無効なミラー URL があります。</translation>
    </message>
    <message>
        <source>Speed Limit:</source>
        <translation>速度制限:</translation>
    </message>
    <message>
        <source>Unlimited</source>
        <translation>無制限</translation>
    </message>
    <message>
        <source> KB/s</source>
        <translation> KB/s</translation>
    </message>
    <message>
        <source>Checksum:</source>
        <translation>チェックサム:</translation>
    </message>
    <message>
        <source>SHA-256, SHA-1 or MD5 of the file (optional)</source>
        <translation>SHA-256、SHA-1、MD5 (省略可)</translation>
    </message>
    <message>
        <source>The checksum must be the SHA-256, SHA-1 or MD5 digest of the file, in hexadecimal digits.</source>
        <translation>チェックサムには、ファイルの SHA-256、SHA-1 または MD5 ダイジェストを 16 進数で指定してください。</translation>
    </message>
</context>
<context>
    <name>ApOpenLinkGui</name>
    <message>
        <source>Open Link</source>
        <translation>リンクを開く</translation>
    </message>
    <message>
        <source>Enter the link to download:</source>
        <translation>ダウンロードするリンクを入力:</translation>
    </message>
    <message>
        <source>Save Path:</source>
        <translation>保存先:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Invalid URL</source>
        <translation>無効な URL</translation>
    </message>
    <message>
        <source>Failed to download Torrent. %1</source>
        <translation>Torrent のダウンロードに失敗しました。%1</translation>
    </message>
    <message>
        <source>Choose save path</source>
        <translation>保存先を選択</translation>
    </message>
</context>
<context>
    <name>ApPluginUpdater</name>
    <message>
        <source>An update package is available to download, do you want to continue?</source>
        <translation>ダウンロード可能な更新パッケージがあります。続行しますか?</translation>
    </message>
</context>
<context>
    <name>ApPolicingThread</name>
    <message>
        <source>No update</source>
        <translation>更新はありません</translation>
    </message>
    <message>
        <source>Update available.</source>
        <translation>更新があります。</translation>
    </message>
    <message>
        <source>Update cancelled</source>
        <translation>更新を中止しました</translation>
    </message>
    <message>
        <source>Update failed - cannot connect to server.</source>
        <translation>更新に失敗しました - サーバーに接続できません。</translation>
    </message>
    <message>
        <source>No running task</source>
        <translation>実行中のタスクはありません</translation>
    </message>
    <message>
        <source>Download rate: </source>
        <translation>ダウンロード速度: </translation>
    </message>
    <message>
        <source>Unfinished download tasks: </source>
        <translation>未完了のダウンロードタスク: </translation>
    </message>
    <message>
        <source>Remaining time: </source>
        <translation>残り時間: </translation>
    </message>
    <message>
        <source>Total downloads - </source>
        <translation>全体のダウンロード - </translation>
    </message>
    <message>
        <source>Retrying in %1 s</source>
        <translation>%1 秒後に再試行</translation>
    </message>
</context>
<context>
    <name>ApQuickUrlDownloader</name>
    <message>
        <source>Request failed</source>
        <translation>リクエストに失敗しました</translation>
    </message>
    <message>
        <source>Failed to open file</source>
        <translation>ファイルを開けませんでした</translation>
    </message>
    <message>
        <source>Failed to write file</source>
        <translation>ファイルに書き込めませんでした</translation>
    </message>
</context>
<context>
    <name>ApScheduleController</name>
    <message>
        <source>Schedule Task</source>
        <translation>タスクのスケジュール</translation>
    </message>
    <message>
        <source>Cancel Scheduled Task</source>
        <translation>スケジュールを取り消す</translation>
    </message>
    <message>
        <source>Turn off computer after download finish</source>
        <translation>ダウンロード完了後にシャットダウン</translation>
    </message>
    <message>
        <source>Turn off computer</source>
        <translation>シャットダウン</translation>
    </message>
    <message>
        <source>Log off</source>
        <translation>ログアウト</translation>
    </message>
    <message>
        <source>Start all tasks</source>
        <translation>すべてのタスクを開始</translation>
    </message>
    <message>
        <source>Pause all tasks</source>
        <translation>すべてのタスクを一時停止</translation>
    </message>
    <message>
        <source>Stop all tasks</source>
        <translation>すべてのタスクを停止</translation>
    </message>
    <message>
        <source>Task Scheduled</source>
        <translation>タスクをスケジュールしました</translation>
    </message>
</context>
<context>
    <name>ApScheduleTaskDialog</name>
    <message>
        <source>Schedule Task</source>
        <translation>タスクのスケジュール</translation>
    </message>
    <message>
        <source>Turn off computer after download finish</source>
        <translation>ダウンロード完了後にシャットダウン</translation>
    </message>
    <message>
        <source>Schedule a timed task</source>
        <translation>時刻指定でタスクを実行</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>時間</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>分</translation>
    </message>
    <message>
        <source>Turn off computer</source>
        <translation>シャットダウン</translation>
    </message>
    <message>
        <source>Log off</source>
        <translation>ログアウト</translation>
    </message>
    <message>
        <source>Start all downloads</source>
        <translation>すべてのダウンロードを開始</translation>
    </message>
    <message>
        <source>Pause all downloads</source>
        <translation>すべてのダウンロードを一時停止</translation>
    </message>
    <message>
        <source>Stop all downloads</source>
        <translation>すべてのダウンロードを停止</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Task will be started after the time expires.
Current Time: </source>
        <translation>指定した時間が経過するとタスクを実行します。
現在の時刻: </translation>
    </message>
</context>
<context>
    <name>ApSearchPage</name>
    <message>
        <source>Loading...</source>
        <translation>読み込み中...</translation>
    </message>
</context>
<context>
    <name>ApTaskInfoPanel</name>
    <message>
        <source>General</source>
        <translation>全般</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>ファイル名:</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>プレビュー:</translation>
    </message>
    <message>
        <source>File SHA-1 Hash:</source>
        <translation>ファイルの SHA-1 ハッシュ:</translation>
    </message>
    <message>
        <source>URL Host Location:</source>
        <translation>URL ホストの所在地:</translation>
    </message>
    <message>
        <source>Downloaded:</source>
        <translation>ダウンロード済み:</translation>
    </message>
    <message>
        <source>Save Path:</source>
        <translation>保存先:</translation>
    </message>
    <message>
        <source>Failure Reason:</source>
        <translation>失敗の理由:</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Source URLs</source>
        <translation>ソース URL</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>ダウンロード</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>進行状況</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>ダウンロード中</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>失敗</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>読み込み中...</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>一時停止中</translation>
    </message>
</context>
<context>
    <name>ApTaskStore</name>
    <message>
        <source>Loading</source>
        <translation>読み込み中</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>ダウンロード中</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>一時停止中</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>検証中</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>失敗</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>待機中</translation>
    </message>
</context>
<context>
    <name>ApToolBox</name>
    <message>
        <source>Downloads</source>
        <translation>ダウンロード</translation>
    </message>
</context>
<context>
    <name>ApToolbarSearch</name>
    <message>
        <source>No Search Records</source>
        <translation>検索履歴はありません</translation>
    </message>
    <message>
        <source>Clear Search History</source>
        <translation>検索履歴を消去</translation>
    </message>
</context>
<context>
    <name>ApTvoDownloadTaskThread</name>
    <message>
        <source>Checksum mismatch</source>
        <translation>チェックサムが一致しません</translation>
    </message>
</context>
<context>
    <name>ApUpdateHttp</name>
    <message>
        <source>Request failed: %1</source>
        <translation>リクエストに失敗しました: %1</translation>
    </message>
    <message>
        <source>Download failed: %1.</source>
        <translation>ダウンロードに失敗しました: %1。</translation>
    </message>
    <message>
        <source>the server did not answer</source>
        <translation>サーバーが応答しませんでした</translation>
    </message>
    <message>
        <source>the manifest is too large</source>
        <translation>マニフェストが大きすぎます</translation>
    </message>
</context>
<context>
    <name>ApWebFrameTalker</name>
    <message>
        <source>Search</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>P2P Files</source>
        <translation>P2P ファイル</translation>
    </message>
    <message>
        <source>Web Videos</source>
        <translation>Web 動画</translation>
    </message>
    <message>
        <source>Featured Downloads</source>
        <translation>おすすめのダウンロード</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>ホーム</translation>
    </message>
    <message>
        <source>Contact Us</source>
        <translation>お問い合わせ</translation>
    </message>
    <message>
        <source>More Torrent Searches</source>
        <translation>その他の Torrent 検索</translation>
    </message>
    <message>
        <source>Submit Torrent</source>
        <translation>Torrent を投稿</translation>
    </message>
    <message>
        <source>More Video Searches</source>
        <translation>その他の動画検索</translation>
    </message>
    <message>
        <source>Publish Web Video</source>
        <translation>Web 動画を公開</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>前のページ</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>次のページ</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>ソース</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>カテゴリー</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Top</source>
        <extracomment>Heading of the most popular results of a search</extracomment>
        <translation>人気</translation>
    </message>
    <message>
        <source>Please confirm you are over 18 years old</source>
        <translation>18 歳以上であることを確認してください</translation>
    </message>
    <message>
        <source>Search locked</source>
        <translation>検索はロックされています</translation>
    </message>
    <message>
        <source>View more</source>
        <translation>もっと見る</translation>
    </message>
    <message>
        <source>Require login. Click &apos;View more&apos; for details.</source>
        <translation>ログインが必要です。詳細は「もっと見る」をクリックしてください。</translation>
    </message>
    <message>
        <source>No suitable results? Click here for more searches.</source>
        <translation>適切な結果がありませんか? ここをクリックするとさらに検索できます。</translation>
    </message>
    <message>
        <source>Failed to connect to server. Please try it again later.</source>
        <translation>サーバーに接続できませんでした。しばらくしてから再試行してください。</translation>
    </message>
    <message>
        <source>All</source>
        <translation>すべて</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>動画</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>音声</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>ゲーム</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>ソフトウェア</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>書籍</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>画像</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>テレビ</translation>
    </message>
    <message>
        <source>Anime</source>
        <translation>アニメ</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>その他</translation>
    </message>
    <message>
        <source>Unable to connect to server</source>
        <translation>サーバーに接続できません</translation>
    </message>
    <message>
        <source>Enter a valid web video URL</source>
        <translation>有効な Web 動画の URL を入力してください</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>ダウンロード</translation>
    </message>
    <message>
        <source>Play Video</source>
        <translation>動画を再生</translation>
    </message>
    <message>
        <source>Download Video</source>
        <translation>動画をダウンロード</translation>
    </message>
    <message>
        <source>The selected content has been locked for parental control.</source>
        <translation>選択したコンテンツはペアレンタルコントロールでロックされています。</translation>
    </message>
    <message>
        <source>Your input keywords are filtered by parental control.</source>
        <translation>入力したキーワードはペアレンタルコントロールでフィルターされています。</translation>
    </message>
    <message>
        <source>Please upgrade to a newer version for better results.</source>
        <translation>より良い結果を得るには新しいバージョンにアップグレードしてください。</translation>
    </message>
    <message>
        <source>The video service cannot be reached. Please check the network connection and try again.</source>
        <translation>動画サービスに接続できません。ネットワーク接続を確認して、もう一度お試しください。</translation>
    </message>
    <message>
        <source>No video was found on this page. It may be private, removed or not a video page.</source>
        <translation>このページで動画が見つかりませんでした。非公開か削除された動画、または動画のページではない可能性があります。</translation>
    </message>
    <message>
        <source>The plugin for this video service failed. Please try again later or update the program.</source>
        <translation>この動画サービスのプラグインでエラーが発生しました。後でもう一度お試しいただくか、プログラムを更新してください。</translation>
    </message>
</context>
<context>
    <name>FailureReason</name>
    <message>
        <source>File not found on the server</source>
        <translation>サーバー上にファイルが見つかりません</translation>
    </message>
    <message>
        <source>The server asks for a user name and password</source>
        <translation>サーバーがユーザー名とパスワードを要求しています</translation>
    </message>
    <message>
        <source>The server refuses access to the file</source>
        <translation>サーバーがファイルへのアクセスを拒否しました</translation>
    </message>
    <message>
        <source>The proxy server asks for a user name and password</source>
        <translation>プロキシサーバーがユーザー名とパスワードを要求しています</translation>
    </message>
    <message>
        <source>The server refused the requested part of the file</source>
        <translation>サーバーが要求されたファイルの部分を拒否しました</translation>
    </message>
    <message>
        <source>The server is busy, try again later</source>
        <translation>サーバーが混雑しています。しばらくしてから再試行してください</translation>
    </message>
    <message>
        <source>Server error</source>
        <translation>サーバーエラー</translation>
    </message>
    <message>
        <source>The server does not send parts of this file</source>
        <translation>サーバーはこのファイルの分割転送に対応していません</translation>
    </message>
    <message>
        <source>Unexpected answer from the server</source>
        <translation>サーバーから予期しない応答がありました</translation>
    </message>
    <message>
        <source>The server refused the login</source>
        <translation>サーバーがログインを拒否しました</translation>
    </message>
    <message>
        <source>The server stopped the transfer</source>
        <translation>サーバーが転送を中止しました</translation>
    </message>
    <message>
        <source>The server refused the request</source>
        <translation>サーバーがリクエストを拒否しました</translation>
    </message>
    <message>
        <source>Server certificate is not trusted</source>
        <translation>サーバー証明書は信頼されていません</translation>
    </message>
    <message>
        <source>The secure connection to the server failed</source>
        <translation>サーバーとの安全な接続に失敗しました</translation>
    </message>
    <message>
        <source>Server name not found</source>
        <translation>サーバー名が見つかりません</translation>
    </message>
    <message>
        <source>Proxy server name not found</source>
        <translation>プロキシサーバー名が見つかりません</translation>
    </message>
    <message>
        <source>The server refused the connection</source>
        <translation>サーバーが接続を拒否しました</translation>
    </message>
    <message>
        <source>The server did not answer in time</source>
        <translation>サーバーの応答がタイムアウトしました</translation>
    </message>
    <message>
        <source>The server closed the connection without an answer</source>
        <translation>サーバーが応答せずに接続を閉じました</translation>
    </message>
    <message>
        <source>The connection to the server was lost</source>
        <translation>サーバーとの接続が切断されました</translation>
    </message>
    <message>
        <source>The file could not be written</source>
        <translation>ファイルに書き込めませんでした</translation>
    </message>
    <message>
        <source>The proxy server refused the connection</source>
        <translation>プロキシサーバーが接続を拒否しました</translation>
    </message>
    <message>
        <source>The proxy server setting cannot be used</source>
        <translation>このプロキシサーバーの設定は使用できません</translation>
    </message>
    <message>
        <source>The request holds a line break in a header value</source>
        <translation>リクエストのヘッダー値に改行が含まれています</translation>
    </message>
    <message>
        <source>Connection failed: </source>
        <translation>接続に失敗しました: </translation>
    </message>
    <message>
        <source>Connection failed</source>
        <translation>接続に失敗しました</translation>
    </message>
    <message>
        <source>No permission to write the file</source>
        <translation>ファイルへの書き込み権限がありません</translation>
    </message>
    <message>
        <source>The file could not be written: </source>
        <translation>ファイルに書き込めませんでした: </translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>ディスクがいっぱいです</translation>
    </message>
    <message>
        <source>Too many redirections</source>
        <translation>リダイレクトが多すぎます</translation>
    </message>
    <message>
        <source>The server stopped sending data</source>
        <translation>サーバーがデータの送信を停止しました</translation>
    </message>
    <message>
        <source>The file keeps changing on the server</source>
        <translation>サーバー上のファイルが変わり続けています</translation>
    </message>
</context>
<context>
    <name>LocationCommandLine</name>
    <message>
        <source>Shows where a download server is on a map.</source>
        <translation>ダウンロードサーバーの場所を地図で表示します。</translation>
    </message>
    <message>
        <source>The server&apos;s address and domain; a running viewer takes them.</source>
        <translation>サーバーのアドレスとドメイン。実行中のビューアーが受け取ります。</translation>
    </message>
</context>
<context>
    <name>LocationViewer::ApWebFrameTalker</name>
    <message>
        <source>Unable to connect to server</source>
        <translation>サーバーに接続できません</translation>
    </message>
</context>
<context>
    <name>LocationViewer::Dialog</name>
    <message>
        <source>Location</source>
        <translation>所在地</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>読み込み中...</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>準備完了</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>ダウンロード中</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>Task Name</source>
        <translation>タスク名</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Completion Progress</source>
        <translation>進行状況</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>ダウンロード</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>アップロード</translation>
    </message>
    <message>
        <source>Sources</source>
        <translation>ソース</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Queue</source>
        <translation>キュー</translation>
    </message>
    <message>
        <source>Time Left</source>
        <translation>残り時間</translation>
    </message>
    <message>
        <source>Time Elapsed</source>
        <translation>経過時間</translation>
    </message>
    <message>
        <source>Creation Time</source>
        <translation>作成日時</translation>
    </message>
    <message>
        <source>Select a task to see its details.</source>
        <translation>タスクを選択すると詳細が表示されます。</translation>
    </message>
    <message>
        <source>&amp;Tasks</source>
        <translation>タスク(&amp;T)</translation>
    </message>
    <message>
        <source>Main Toolbar</source>
        <translation>メインツールバー</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>タスク</translation>
    </message>
    <message>
        <source>All Tasks</source>
        <translation>すべてのタスク</translation>
    </message>
    <message>
        <source>Start task</source>
        <translation>タスクを開始</translation>
    </message>
    <message>
        <source>Stop task</source>
        <translation>タスクを停止</translation>
    </message>
    <message>
        <source>Delete Task Only</source>
        <translation>タスクのみ削除</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Delete task</source>
        <translation>タスクを削除</translation>
    </message>
    <message>
        <source>Delete Task and Files</source>
        <translation>タスクとファイルを削除</translation>
    </message>
    <message>
        <source>Start All Tasks</source>
        <translation>すべてのタスクを開始</translation>
    </message>
    <message>
        <source>Pause All Tasks</source>
        <translation>すべてのタスクを一時停止</translation>
    </message>
    <message>
        <source>Stop All Tasks</source>
        <translation>すべてのタスクを停止</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>ファイルを開く</translation>
    </message>
    <message>
        <source>Open Containing Folder</source>
        <translation>保存先フォルダーを開く</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>プロパティ</translation>
    </message>
    <message>
        <source>HTTP/FTP Download</source>
        <translation>HTTP/FTP ダウンロード</translation>
    </message>
    <message>
        <source>Web Video Download</source>
        <translation>Web 動画ダウンロード</translation>
    </message>
    <message>
        <source>Search Page</source>
        <translation>検索ページ</translation>
    </message>
    <message>
        <source>Convert Audio/Video</source>
        <translation>音声/動画を変換</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Download rate</source>
        <translation>ダウンロード速度</translation>
    </message>
    <message>
        <source>Upload rate</source>
        <translation>アップロード速度</translation>
    </message>
    <message>
        <source>A task with the same path already exists. This task cannot be added.</source>
        <translation>同じパスのタスクが既にあります。このタスクは追加できません。</translation>
    </message>
    <message>
        <source>It is an incorrect URL. Please try another one.</source>
        <translation>URL が正しくありません。別の URL を試してください。</translation>
    </message>
    <message>
        <source>Delete both task and files? Press OK to confirm.</source>
        <translation>タスクとファイルの両方を削除しますか? OK を押して確定します。</translation>
    </message>
    <message>
        <source>&amp;Languages</source>
        <translation>言語(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>オプション(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>Search Bar</source>
        <translation>検索バー</translation>
    </message>
    <message>
        <source>Speed Display Panel</source>
        <translation>速度表示パネル</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Show the tool box</source>
        <translation>ツールボックスを表示</translation>
    </message>
    <message>
        <source>Search Web Videos</source>
        <translation>Web 動画を検索</translation>
    </message>
    <message>
        <source>More Searches...</source>
        <translation>その他の検索...</translation>
    </message>
    <message>
        <source>Schedule Task</source>
        <translation>タスクのスケジュール</translation>
    </message>
    <message>
        <source>Download Folder</source>
        <translation>ダウンロードフォルダー</translation>
    </message>
    <message>
        <source>My Recent Documents</source>
        <translation>最近使ったドキュメント</translation>
    </message>
    <message>
        <source>My Documents</source>
        <translation>ドキュメント</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>デスクトップ</translation>
    </message>
    <message>
        <source>User Home Folder</source>
        <translation>ホームフォルダー</translation>
    </message>
    <message>
        <source>Show Floating Window</source>
        <translation>フローティングウィンドウを表示</translation>
    </message>
    <message>
        <source>Run at System Startup</source>
        <translation>システム起動時に実行</translation>
    </message>
    <message>
        <source>Monitor Clipboard</source>
        <translation>クリップボードを監視</translation>
    </message>
    <message>
        <source>Prompt on Task Completion</source>
        <translation>タスク完了時に通知</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>全画面表示</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>更新を確認</translation>
    </message>
    <message>
        <source>Capture Audio/Video</source>
        <translation>音声/動画をキャプチャ</translation>
    </message>
    <message>
        <source>Play MP4/FLV Video</source>
        <translation>MP4/FLV 動画を再生</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>ホーム</translation>
    </message>
    <message>
        <source>FAQs</source>
        <translation>よくある質問</translation>
    </message>
    <message>
        <source>Tell a Friend</source>
        <translation>友達に紹介</translation>
    </message>
    <message>
        <source>Link to Us</source>
        <translation>リンクを張る</translation>
    </message>
    <message>
        <source>Report Bugs</source>
        <translation>バグを報告</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>お問い合わせ</translation>
    </message>
    <message>
        <source>About Zantor</source>
        <translation>Zantor について</translation>
    </message>
    <message>
        <source>Show Tarvo</source>
        <translation>Tarvo を表示</translation>
    </message>
    <message>
        <source>Show/Hide Tarvo</source>
        <translation>Tarvo の表示/非表示</translation>
    </message>
    <message>
        <source>Web Image Download</source>
        <translation>Web 画像ダウンロード</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Download Rate</source>
        <translation>ダウンロード速度</translation>
    </message>
    <message>
        <source>New Task</source>
        <translation>新しいタスク</translation>
    </message>
    <message>
        <source>Delete Task</source>
        <translation>タスクを削除</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>Hide Zantor</source>
        <translation>Zantor を隠す</translation>
    </message>
    <message>
        <source>Show Zantor</source>
        <translation>Zantor を表示</translation>
    </message>
    <message>
        <source>Update Notification</source>
        <translation>更新のお知らせ</translation>
    </message>
    <message>
        <source>Media Converter NOT found on your machine. Do you want to download and install it?</source>
        <translation>メディアコンバーターがこのコンピューターに見つかりません。ダウンロードしてインストールしますか?</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Zantor %1&lt;/h3&gt;</source>
        <translation>&lt;h3&gt;Zantor %1&lt;/h3&gt;</translation>
    </message>
    <message>
        <source>A download manager for files and web videos, with many connections per file, mirrors and automatic retries.&lt;br&gt;&lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</source>
        <translation>ファイルと Web 動画のダウンロードマネージャー。ファイルごとの複数接続、ミラー、自動再試行に対応しています。&lt;br&gt;&lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Download completed</source>
        <translation>ダウンロードが完了しました</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>上へ移動</translation>
    </message>
    <message>
        <source>Start this waiting task earlier</source>
        <translation>この待機中のタスクを先に開始します</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>下へ移動</translation>
    </message>
    <message>
        <source>Start this waiting task later</source>
        <translation>この待機中のタスクを後で開始します</translation>
    </message>
    <message>
        <source>Settings cannot be saved to %1. Changes are kept and saved as soon as the file can be written.</source>
        <translation>設定を %1 に保存できません。変更は保持され、ファイルに書き込めるようになり次第保存されます。</translation>
    </message>
</context>
<context>
    <name>Player::MainWindow</name>
    <message>
        <source>MP4/FLV Media Player - Tarvo</source>
        <translation>MP4/FLV メディアプレーヤー - Tarvo</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Play List</source>
        <translation>プレイリスト</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>ファイルを開く</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Always on Top</source>
        <translation>常に手前に表示</translation>
    </message>
    <message>
        <source>Online Help</source>
        <translation>オンラインヘルプ</translation>
    </message>
    <message>
        <source>Show/Hide Play List</source>
        <translation>プレイリストの表示/非表示</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>再読み込み</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>ホーム</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>再生</translation>
    </message>
    <message>
        <source>Remove Non-existent Entries</source>
        <translation>存在しない項目を削除</translation>
    </message>
    <message>
        <source>Open Containing Folder</source>
        <translation>保存先フォルダーを開く</translation>
    </message>
    <message>
        <source>Open URL</source>
        <translation>URL を開く</translation>
    </message>
    <message>
        <source>The GStreamer plugins that play H.264 video were NOT found. Press OK to read how to install them.</source>
        <translation>H.264 動画を再生する GStreamer プラグインが見つかりません。OK を押すとインストール方法を確認できます。</translation>
    </message>
    <message>
        <source>Select media files</source>
        <translation>メディアファイルを選択</translation>
    </message>
    <message>
        <source>MP4/FLV Media Player</source>
        <translation>MP4/FLV メディアプレーヤー</translation>
    </message>
</context>
<context>
    <name>PlayerCommandLine</name>
    <message>
        <source>Media player for MP4 and FLV files, with a play list.</source>
        <translation>MP4 と FLV ファイルのメディアプレーヤー（プレイリスト付き）。</translation>
    </message>
    <message>
        <source>[file [hide-flag advertisement-base]]</source>
        <translation>[ファイル [非表示フラグ 広告アドレス]]</translation>
    </message>
    <message>
        <source>A file to play, added to the play list; a running player takes it. Also: /file FILE HIDE-FLAG ADVERTISEMENT-BASE.</source>
        <translation>再生するファイル。プレイリストに追加されます。実行中のプレーヤーが受け取ります。別の形式: /file ファイル 非表示フラグ 広告アドレス。</translation>
    </message>
</context>
<context>
    <name>ProgramStart</name>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>詳しくは「%1 --help」を実行してください。</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>ScriptWatchdog</name>
    <message numerus="yes">
        <source>the plugin call took more than %n seconds</source>
        <translation>
            <numerusform>プラグインの呼び出しに %n 秒以上かかりました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the script ran for more than %n seconds</source>
        <translation>
            <numerusform>スクリプトが %n 秒以上実行されました</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StartupCommandLine</name>
    <message>
        <source>Download manager for files and web videos.</source>
        <translation>ファイルと Web 動画のダウンロードマネージャー。</translation>
    </message>
    <message>
        <source>Add the links and start them without asking.</source>
        <translation>リンクを追加し、確認せずに開始します。</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>Start in the tray, without the main window (also &quot;/bg&quot;).</source>
        <translation>メインウィンドウを出さずにシステムトレイで起動します（「/bg」も同じ）。</translation>
    </message>
    <message>
        <source>Links to download (http, https, ftp). A running instance takes them; each opens the new task dialog in turn.</source>
        <translation>ダウンロードするリンク（http、https、ftp）。実行中のインスタンスが受け取り、リンクごとに順番に新しいタスクのダイアログを開きます。</translation>
    </message>
    <message>
        <source>[link...]</source>
        <translation>[リンク...]</translation>
    </message>
    <message>
        <source>The save folder is empty.</source>
        <translation>保存先フォルダーが空です。</translation>
    </message>
    <message>
        <source>--add and --save-dir need at least one link.</source>
        <translation>--add と --save-dir には少なくとも 1 つのリンクが必要です。</translation>
    </message>
    <message>
        <source>not a link, ignored: %1</source>
        <translation>リンクではないため無視しました: %1</translation>
    </message>
    <message>
        <source>Save the files of these links in the given folder.</source>
        <translation>これらのリンクのファイルを指定したフォルダーに保存します。</translation>
    </message>
</context>
</TS>
