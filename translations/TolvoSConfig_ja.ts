<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>Strings</name>
    <message>
        <source>&amp;About TolvoConfig...</source>
        <translation>TolvoConfig のバージョン情報(&amp;A)...</translation>
    </message>
    <message>
        <source>Windows sockets initialization failed.</source>
        <translation>Windows ソケットの初期化に失敗しました。</translation>
    </message>
    <message>
        <source>Info / DSC Parameters</source>
        <translation>情報 / DSC パラメーター</translation>
    </message>
    <message>
        <source>WiFi Settings</source>
        <translation>WiFi 設定</translation>
    </message>
    <message>
        <source>Port Settings</source>
        <translation>ポート設定</translation>
    </message>
    <message>
        <source>Port Routing</source>
        <translation>ポートルーティング</translation>
    </message>
    <message>
        <source>%1 - version: %2</source>
        <translation>%1 - バージョン: %2</translation>
    </message>
    <message>
        <source>Discard the changes that have not been saved to the device?</source>
        <translation>機器に書き込んでいない変更を破棄しますか?</translation>
    </message>
    <message>
        <source>Unsaved Changes</source>
        <translation>未保存の変更</translation>
    </message>
    <message>
        <source>Reading the settings from %1</source>
        <translation>%1 から設定を読み込んでいます</translation>
    </message>
    <message>
        <source>Nothing was loaded: the pages still show what they showed before.</source>
        <translation>何も読み込んでいません: 各ページの表示は以前のままです。</translation>
    </message>
    <message>
        <source>Load Failed</source>
        <translation>読み込み失敗</translation>
    </message>
    <message>
        <source>Current configuration has been loaded from Tolvo.</source>
        <translation>Tolvo から現在の設定を読み込みました。</translation>
    </message>
    <message>
        <source>Success!</source>
        <translation>成功</translation>
    </message>
    <message>
        <source>Some values cannot be shown exactly as the device holds them. Their fields are marked, and a save leaves them as the device holds them unless you edit them:
%1</source>
        <translation>一部の値は、機器が保持しているとおりには表示できません。該当する欄には印が付いています。それらの欄を編集しない限り、書き込みでは機器の値がそのまま残ります:
%1</translation>
    </message>
    <message>
        <source>%1: the device holds &quot;%2&quot;</source>
        <translation>%1: 機器の値は「%2」</translation>
    </message>
    <message>
        <source>Changed since the last load or save.</source>
        <translation>前回の読み込みまたは書き込みの後に変更されています。</translation>
    </message>
    <message>
        <source>The device holds &quot;%1&quot;; shown here as near as this field can.</source>
        <translation>機器の値は「%1」です。この欄では、できる限り近い形で表示しています。</translation>
    </message>
    <message>
        <source>Current configuration has been saved to Tolvo.</source>
        <translation>現在の設定を Tolvo に書き込みました。</translation>
    </message>
    <message>
        <source>Not sent, the device&apos;s value matches no item: %1.</source>
        <translation>機器の値がどの選択肢にも一致しないため、送信していません: %1。</translation>
    </message>
    <message>
        <source>Load the configuration from the device first.

Until a load has succeeded the pages hold blank values, and saving them would overwrite the device&apos;s settings.</source>
        <translation>先に機器から設定を読み込んでください。

読み込みが成功するまで各ページの値は空欄であり、それを書き込むと機器の設定が上書きされてしまいます。</translation>
    </message>
    <message>
        <source>Save Configuration</source>
        <translation>設定の書き込み</translation>
    </message>
    <message>
        <source>A text setting cannot be stored on the device. Nothing was sent.</source>
        <translation>テキストの設定を機器に保存できません。何も送信していません。</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>書き込み失敗</translation>
    </message>
    <message>
        <source>Sending the settings to %1</source>
        <translation>%1 に設定を送信しています</translation>
    </message>
    <message>
        <source>All settings were sent, but the device did not confirm that it applied them (it may have restarted).

Load the configuration to see what the device holds.</source>
        <translation>すべての設定を送信しましたが、機器から適用の確認応答がありませんでした (再起動した可能性があります)。

設定を読み込んで、機器の現在の値を確認してください。</translation>
    </message>
    <message>
        <source>Save Not Confirmed</source>
        <translation>書き込み未確認</translation>
    </message>
    <message>
        <source>Saving was cancelled. Some settings may have reached the device, but the apply command was not sent, so the device has not applied them.</source>
        <translation>書き込みはキャンセルされました。一部の設定は機器に届いている可能性がありますが、適用コマンドは送信していないため、機器はそれらを適用していません。</translation>
    </message>
    <message>
        <source>Saving was cancelled before anything was sent: the device keeps its settings.</source>
        <translation>何も送信しないうちに書き込みがキャンセルされました: 機器の設定は変わっていません。</translation>
    </message>
    <message>
        <source>Save Cancelled</source>
        <translation>書き込みキャンセル</translation>
    </message>
    <message>
        <source>Nothing was sent: the device keeps its settings.</source>
        <translation>何も送信していません: 機器の設定は変わっていません。</translation>
    </message>
    <message>
        <source>Saving stopped before the device confirmed every setting. The apply command was not sent, so the device has not applied the new settings.</source>
        <translation>機器がすべての設定を確認応答する前に書き込みが止まりました。適用コマンドは送信していないため、機器は新しい設定を適用していません。</translation>
    </message>
    <message>
        <source>The settings were loaded from %1. Send them to %2?</source>
        <translation>この設定は %1 から読み込んだものです。%2 に送信しますか?</translation>
    </message>
    <message>
        <source>The device applied the settings, but reading them back gave other values for: %1.

Load the configuration to see what the device holds.</source>
        <translation>機器は設定を適用しましたが、読み戻すと次の設定の値が異なっていました: %1。

設定を読み込んで、機器の現在の値を確認してください。</translation>
    </message>
    <message>
        <source>The device confirmed that it applied the settings, but they could not be read back to check them (it may have restarted).

Load the configuration to see what the device holds.</source>
        <translation>機器から設定の適用の確認応答がありましたが、確認のための読み戻しができませんでした (再起動した可能性があります)。

設定を読み込んで、機器の現在の値を確認してください。</translation>
    </message>
    <message>
        <source>Not sent, the device keeps the value it holds: %1.</source>
        <translation>送信せず、機器の値をそのまま残しました: %1。</translation>
    </message>
    <message>
        <source>Changed: %1.</source>
        <translation>変更された設定: %1。</translation>
    </message>
    <message>
        <source>No setting changed on the device.</source>
        <translation>機器上で変更された設定はありません。</translation>
    </message>
    <message>
        <source>Could not connecto to Tolvo.</source>
        <translation>Tolvo に接続できませんでした。</translation>
    </message>
    <message>
        <source>Connection Error</source>
        <translation>接続エラー</translation>
    </message>
    <message>
        <source>Sending to the device failed.</source>
        <translation>機器への送信に失敗しました。</translation>
    </message>
    <message>
        <source>The device&apos;s address could not be found.</source>
        <translation>機器のアドレスが見つかりませんでした。</translation>
    </message>
    <message>
        <source>The device&apos;s address has no data record.</source>
        <translation>機器のアドレスにデータレコードがありません。</translation>
    </message>
    <message>
        <source>The connection to the device failed: %1.</source>
        <translation>機器への接続に失敗しました: %1。</translation>
    </message>
    <message>
        <source>The device did not answer within %1 seconds.</source>
        <translation>機器が %1 秒以内に応答しませんでした。</translation>
    </message>
    <message>
        <source>The device closed the connection.</source>
        <translation>機器が接続を閉じました。</translation>
    </message>
    <message>
        <source>The device sent a reply longer than %1 bytes.</source>
        <translation>機器が %1 バイトを超える応答を送ってきました。</translation>
    </message>
    <message>
        <source>A setting is too long to send: a command may hold at most %1 bytes.</source>
        <translation>設定が長すぎて送信できません: 1 つのコマンドは %1 バイトまでです。</translation>
    </message>
    <message>
        <source>No connection to the device could be made.</source>
        <translation>機器に接続できませんでした。</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>キャンセルされました。</translation>
    </message>
    <message>
        <source>Unknown result %1.</source>
        <translation>不明な結果です (%1)。</translation>
    </message>
    <message>
        <source>The device sent more reply lines than it was asked for, so its replies cannot be matched to the settings.</source>
        <translation>機器が要求より多くの応答行を送ってきたため、応答を設定に対応付けられません。</translation>
    </message>
    <message>
        <source>The device name</source>
        <translation>機器名</translation>
    </message>
    <message>
        <source>The SSID</source>
        <translation>SSID</translation>
    </message>
    <message>
        <source>The password</source>
        <translation>パスワード</translation>
    </message>
    <message>
        <source>%1 can hold at most %2 characters; this one has %3.</source>
        <translation>%1 は %2 文字までです。入力された値は %3 文字です。</translation>
    </message>
    <message>
        <source>%1 can hold only Latin-1 characters (U+0000 to U+00FF).</source>
        <translation>%1 に使えるのは Latin-1 文字 (U+0000～U+00FF) だけです。</translation>
    </message>
    <message>
        <source>%1 cannot hold line breaks or zero characters.</source>
        <translation>%1 に改行やゼロ文字は使えません。</translation>
    </message>
    <message>
        <source>Please enter a whole number.</source>
        <translation>整数を入力してください。</translation>
    </message>
    <message>
        <source>Please enter a whole number between %1 and %2.</source>
        <translation>%1～%2 の整数を入力してください。</translation>
    </message>
    <message>
        <source>Choose the %1 from the list: %2.</source>
        <translation>%1 を一覧から選んでください: %2。</translation>
    </message>
    <message>
        <source>%1 is not a valid entry. Please specify a value between 0 and 255.</source>
        <translation>%1 は無効な値です。0～255 の値を指定してください。</translation>
    </message>
    <message>
        <source>%1, part %2 of 4</source>
        <translation>%1 (4 つ中 %2 番目)</translation>
    </message>
    <message>
        <source>%1
%2 of %3</source>
        <translation>%1
%2/%3</translation>
    </message>
    <message>
        <source>Find Devices</source>
        <translation>機器の検索</translation>
    </message>
    <message>
        <source>&amp;Addresses:</source>
        <translation>アドレス(&amp;A):</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>検索(&amp;S)</translation>
    </message>
    <message>
        <source>Ca&amp;ncel</source>
        <translation>キャンセル(&amp;N)</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>アドレス</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>シリアル番号</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>ファームウェアバージョン</translation>
    </message>
    <message>
        <source>Trying %1 addresses: %2 done, %3 found.</source>
        <translation>%1 個のアドレスを試行中: %2 個完了、%3 台検出。</translation>
    </message>
    <message>
        <source>%1 found among %2 addresses. Double-click a device, or select it and press Enter, to use its address.</source>
        <translation>%2 個のアドレスから %1 台見つかりました。機器をダブルクリックするか、選択して Enter キーを押すと、そのアドレスを使用します。</translation>
    </message>
    <message>
        <source>The search was stopped: %1 found among the %2 addresses tried.</source>
        <translation>検索を中止しました: 試行した %2 個のアドレスから %1 台見つかりました。</translation>
    </message>
    <message>
        <source>No network of this computer was found. Type a range such as 192.168.1.1-192.168.1.254 or 192.168.1.0/24.</source>
        <translation>このコンピューターのネットワークが見つかりませんでした。192.168.1.1-192.168.1.254 や 192.168.1.0/24 のように範囲を入力してください。</translation>
    </message>
    <message>
        <source>Type a range to search, such as 192.168.1.1-192.168.1.254 or 192.168.1.0/24.</source>
        <translation>192.168.1.1-192.168.1.254 や 192.168.1.0/24 のように、検索する範囲を入力してください。</translation>
    </message>
    <message>
        <source>Ranges to search: FIRST-LAST or A.B.C.D/N, several separated by commas</source>
        <translation>検索する範囲: FIRST-LAST または A.B.C.D/N (複数の場合はカンマ区切り)</translation>
    </message>
    <message>
        <source>Devices found</source>
        <translation>見つかった機器</translation>
    </message>
    <message>
        <source>Find devices on the network</source>
        <translation>ネットワーク上の機器を検索</translation>
    </message>
    <message>
        <source>Import settings from a file</source>
        <translation>ファイルから設定をインポート</translation>
    </message>
    <message>
        <source>Export settings to a file</source>
        <translation>設定をファイルにエクスポート</translation>
    </message>
    <message>
        <source>Settings files (*.json);;All files (*)</source>
        <translation>設定ファイル (*.json);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Export Settings</source>
        <translation>設定のエクスポート</translation>
    </message>
    <message>
        <source>Import Settings</source>
        <translation>設定のインポート</translation>
    </message>
    <message>
        <source>The settings shown were exported to %1.</source>
        <translation>表示中の設定を %1 にエクスポートしました。</translation>
    </message>
    <message>
        <source>Export Failed</source>
        <translation>エクスポート失敗</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>インポート失敗</translation>
    </message>
    <message>
        <source>%1 cannot be imported; the pages were not changed.

%2</source>
        <translation>%1 はインポートできません。各ページは変更していません。

%2</translation>
    </message>
    <message>
        <source>%1 settings from %2 are shown as unsaved changes. Nothing is sent to the device until you press Save Configuration.</source>
        <translation>%2 の設定 %1 件を未保存の変更として表示しています。[設定の書き込み] を押すまで、機器には何も送信されません。</translation>
    </message>
    <message>
        <source>The file was saved from another device (serial number %1; this one is %2). Its settings are copied to this one as they are.</source>
        <translation>このファイルは別の機器 (シリアル番号 %1。この機器は %2) から保存したものです。その設定がこの機器にそのままコピーされます。</translation>
    </message>
    <message>
        <source>Load the configuration from the device first: the file&apos;s settings are then shown as changes to what the device holds.</source>
        <translation>先に機器から設定を読み込んでください: その後、ファイルの設定が機器の値に対する変更として表示されます。</translation>
    </message>
    <message>
        <source>Not in the file, the page has no value for it: %1.</source>
        <translation>ページに値がないため、ファイルに含めていません: %1。</translation>
    </message>
    <message>
        <source>Load the configuration from the device first: until then the pages hold no settings to export.</source>
        <translation>先に機器から設定を読み込んでください: それまでは、各ページにエクスポートできる設定がありません。</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>待機中</translation>
    </message>
    <message>
        <source>reading</source>
        <translation>読み取り中</translation>
    </message>
    <message>
        <source>sending</source>
        <translation>送信中</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>確認済み</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>変更不要</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>失敗</translation>
    </message>
    <message>
        <source>not started</source>
        <translation>未開始</translation>
    </message>
    <message>
        <source>untouched</source>
        <translation>変更なし</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>変更あり</translation>
    </message>
    <message>
        <source>unknown state</source>
        <translation>状態不明</translation>
    </message>
    <message>
        <source>%1 verified, %2 unchanged, %3 failed</source>
        <translation>確認済み %1、変更不要 %2、失敗 %3</translation>
    </message>
    <message>
        <source>%1, %2 not started</source>
        <translation>%1、未開始 %2</translation>
    </message>
    <message>
        <source>The device did not keep what was sent: %1.</source>
        <translation>機器は送信した値を保持しませんでした: %1。</translation>
    </message>
    <message>
        <source>The apply command was not answered; the settings read back on a new connection are as sent.</source>
        <translation>適用コマンドへの応答はありませんでしたが、新しい接続で読み戻した設定は送信したとおりです。</translation>
    </message>
    <message>
        <source>Cancelled before it started: nothing was sent to it.</source>
        <translation>開始前にキャンセルされました: この機器には何も送信していません。</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; to &quot;%3&quot;</source>
        <translation>%1: 「%2」→「%3」</translation>
    </message>
    <message>
        <source>State</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>機器</translation>
    </message>
    <message>
        <source>Changed Settings</source>
        <translation>変更された設定</translation>
    </message>
    <message>
        <source>Failure or Note</source>
        <translation>失敗・備考</translation>
    </message>
    <message>
        <source>Send to the Picked Devices</source>
        <translation>選んだ機器に送信</translation>
    </message>
    <message>
        <source>These settings will be sent to %1 devices. Each device is sent only the settings it holds otherwise, then told to apply them, and then read back to check that it kept them.</source>
        <translation>これらの設定を %1 台の機器に送信します。各機器には値が異なる設定だけを送信して適用を指示し、その後に読み戻して、保持されたことを確認します。</translation>
    </message>
    <message>
        <source>Each device keeps its own of these unless you tick them:</source>
        <translation>以下の設定は、チェックしない限り各機器の現在の値がそのまま残ります:</translation>
    </message>
    <message>
        <source>Device &amp;name: %1</source>
        <translation>機器名(&amp;N): %1</translation>
    </message>
    <message>
        <source>&amp;DHCP mode: %1</source>
        <translation>DHCP モード(&amp;D): %1</translation>
    </message>
    <message>
        <source>&amp;Send</source>
        <translation>送信(&amp;S)</translation>
    </message>
    <message>
        <source>Settings to send</source>
        <translation>送信する設定</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>値</translation>
    </message>
    <message>
        <source>Sending to %1 Devices</source>
        <translation>%1 台の機器に送信</translation>
    </message>
    <message>
        <source>&amp;Retry Failed</source>
        <translation>失敗した機器を再試行(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Save Report...</source>
        <translation>レポートを保存(&amp;S)...</translation>
    </message>
    <message>
        <source>Result of each device</source>
        <translation>各機器の結果</translation>
    </message>
    <message>
        <source>Details of the selected device</source>
        <translation>選択した機器の詳細</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV ファイル (*.csv);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>The report was saved to %1.</source>
        <translation>レポートを %1 に保存しました。</translation>
    </message>
    <message>
        <source>Devices done</source>
        <translation>完了した機器</translation>
    </message>
    <message>
        <source>&amp;Details:</source>
        <translation>詳細(&amp;D):</translation>
    </message>
    <message>
        <source>Device Name</source>
        <translation>機器名</translation>
    </message>
    <message>
        <source>&amp;Tick All</source>
        <translation>すべてチェック(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Paste Addresses</source>
        <translation>アドレスを貼り付け(&amp;P)</translation>
    </message>
    <message>
        <source>Add from &amp;File...</source>
        <translation>ファイルから追加(&amp;F)...</translation>
    </message>
    <message>
        <source>Sen&amp;d to the Picked Devices...</source>
        <translation>選んだ機器に送信(&amp;D)...</translation>
    </message>
    <message>
        <source>Address lists (*.txt);;All files (*)</source>
        <translation>アドレス一覧 (*.txt);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>%1 addresses added and ticked.</source>
        <translation>%1 個のアドレスを追加してチェックしました。</translation>
    </message>
    <message>
        <source>Tick the devices to send to in Find Devices first (or select them, or paste a list of addresses).</source>
        <translation>先に [機器の検索] で送信先の機器をチェックしてください (または選択するか、アドレスの一覧を貼り付けてください)。</translation>
    </message>
    <message>
        <source>Send to the Picked Devices...</source>
        <translation>選んだ機器に送信...</translation>
    </message>
    <message>
        <source>Load the configuration from a device first: the pages&apos; settings as they then stand are what is sent.</source>
        <translation>先に機器から設定を読み込んでください: 送信されるのは、その時点の各ページの設定です。</translation>
    </message>
    <message>
        <source>Report Not Saved</source>
        <translation>レポート未保存</translation>
    </message>
    <message>
        <source>Sending: %1 of %2 devices done.</source>
        <translation>送信中: %2 台中 %1 台完了。</translation>
    </message>
    <message>
        <source>The clipboard holds no addresses: copy a list with one address a line.</source>
        <translation>クリップボードにアドレスがありません: 1 行に 1 アドレスの一覧をコピーしてください。</translation>
    </message>
    <message>
        <source>Cancelling: no more devices start; the %1 under way finish first.</source>
        <translation>キャンセル中: 新たな機器は開始しません。処理中の %1 台の完了を待っています。</translation>
    </message>
    <message>
        <source>Sent %1 and the apply command, then the device did not answer: it may hold the new values or the old.</source>
        <translation>%1 と適用コマンドを送信した後、機器が応答しませんでした: 機器の値が新しい値か古い値かは分かりません。</translation>
    </message>
    <message>
        <source>The device address and the range to search could not be saved in %1 (the disk may be full, or the file or its folder cannot be written), so they will not be remembered at the next start. This is said once until a save of them succeeds again.</source>
        <translation>機器のアドレスと検索範囲を %1 に保存できませんでした (ディスクがいっぱいか、ファイルまたはそのフォルダーに書き込めない可能性があります)。そのため、次回の起動時には復元されません。このメッセージは、保存が再び成功するまでは 1 回だけ表示されます。</translation>
    </message>
    <message>
        <source>Settings Not Remembered</source>
        <translation>設定を記憶できません</translation>
    </message>
    <message>
        <source>The device applied the settings, but settings that were not sent read otherwise after the apply than at the load: %1. An earlier write may have left values waiting on the device, which any apply commits, or another program changed them.

Load the configuration to see what the device holds.</source>
        <translation>機器は設定を適用しましたが、送信していない設定が、適用後には読み込み時と異なる値で読み取られました: %1。以前の書き込みが機器に保留中の値を残し、それがいずれかの適用で確定したか、別のプログラムが変更した可能性があります。

設定を読み込んで、機器の現在の値を確認してください。</translation>
    </message>
    <message>
        <source>Settings that were not sent read otherwise after the apply (an earlier write may have left values waiting on the device, which any apply commits): %1.</source>
        <translation>送信していない設定が、適用後に異なる値で読み取られました (以前の書き込みが機器に保留中の値を残し、それがいずれかの適用で確定した可能性があります): %1。</translation>
    </message>
    <message>
        <source>The device now answers at its new address, %1, where the settings were read back: the address field shows it.</source>
        <translation>機器は新しいアドレス %1 で応答しており、そこで設定を読み戻しました: アドレス欄にはこのアドレスを表示しています。</translation>
    </message>
    <message>
        <source>The device was not verified: %1.

The address field is left as it was. Find Devices searches a range of addresses for it.</source>
        <translation>機器を確認できませんでした: %1。

アドレス欄は変更していません。[機器の検索] でアドレスの範囲から機器を探せます。</translation>
    </message>
    <message>
        <source>The settings were applied, and they move the device: looking for it at %1</source>
        <translation>設定を適用しました。これにより機器の場所が変わるため、%1 で機器を探しています</translation>
    </message>
    <message>
        <source>&amp;IP address and mask from an address plan, not as each device holds them (DHCP off; the pages hold %1 / %2):</source>
        <translation>IP アドレスとマスクを各機器の現在の値ではなくアドレス計画から設定(&amp;I) (DHCP 無効。ページの値は %1 / %2):</translation>
    </message>
    <message>
        <source>Applied, Not Seen</source>
        <translation>適用後に応答なし</translation>
    </message>
    <message>
        <source>Read back at its new address, %1.</source>
        <translation>新しいアドレス %1 で読み戻しました。</translation>
    </message>
    <message>
        <source>Now At</source>
        <translation>現在のアドレス</translation>
    </message>
    <message>
        <source>%1, %2 applied but not seen since</source>
        <translation>%1、適用後に応答なし %2</translation>
    </message>
    <message>
        <source>Count &amp;upward from:</source>
        <translation>次から順に割り当て(&amp;U):</translation>
    </message>
    <message>
        <source>From a &amp;list: a line for each device, its serial number or current address, then its new address</source>
        <translation>一覧から(&amp;L): 機器ごとに 1 行で、シリアル番号または現在のアドレス、続いて新しいアドレス</translation>
    </message>
    <message>
        <source>Load Plan from &amp;File...</source>
        <translation>ファイルから計画を読み込み(&amp;F)...</translation>
    </message>
    <message>
        <source>First address of the plan</source>
        <translation>計画の先頭アドレス</translation>
    </message>
    <message>
        <source>Address plan list</source>
        <translation>アドレス計画の一覧</translation>
    </message>
    <message>
        <source>mask %1 (from the pages)</source>
        <translation>マスク %1 (ページの値)</translation>
    </message>
    <message>
        <source>Planned &amp;addresses:</source>
        <translation>計画したアドレス(&amp;A):</translation>
    </message>
    <message>
        <source>Each device with its planned address</source>
        <translation>各機器と計画したアドレス</translation>
    </message>
    <message>
        <source>Planned Address</source>
        <translation>計画したアドレス</translation>
    </message>
    <message>
        <source>Looking for devices that already answer at the planned addresses...</source>
        <translation>計画したアドレスで既に応答している機器を探しています...</translation>
    </message>
    <message>
        <source>&amp;Language...</source>
        <translation>言語(&amp;L)...</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>&amp;Show the window in:</source>
        <translation>ウィンドウの表示言語(&amp;S):</translation>
    </message>
    <message>
        <source>The language of the system</source>
        <translation>システムの言語</translation>
    </message>
    <message>
        <source>The window is shown in the chosen language from its next start.</source>
        <translation>次回の起動から、ウィンドウは選択した言語で表示されます。</translation>
    </message>
    <message>
        <source>The language could not be saved in %1, so the window will not be shown in it at the next start.</source>
        <translation>言語を %1 に保存できなかったため、次回の起動時にウィンドウはその言語で表示されません。</translation>
    </message>
    <message>
        <source>Chec&amp;k the Picked Devices...</source>
        <translation>選んだ機器を照合(&amp;K)...</translation>
    </message>
    <message>
        <source>Check the picked devices: read each and compare it with the pages&apos; settings, sending nothing</source>
        <translation>選んだ機器を照合: 各機器を読み取って各ページの設定と比較します (何も送信しません)</translation>
    </message>
    <message>
        <source>Check the Picked Devices...</source>
        <translation>選んだ機器を照合...</translation>
    </message>
    <message>
        <source>Tick the devices to check in Find Devices first (or select them, or paste a list of addresses).</source>
        <translation>先に [機器の検索] で照合する機器をチェックしてください (または選択するか、アドレスの一覧を貼り付けてください)。</translation>
    </message>
    <message>
        <source>Load the configuration from a device first: the devices are compared with the pages&apos; settings as they then stand.</source>
        <translation>先に機器から設定を読み込んでください: 各機器は、その時点の各ページの設定と比較されます。</translation>
    </message>
    <message>
        <source>Check the Picked Devices</source>
        <translation>選んだ機器を照合</translation>
    </message>
    <message>
        <source>Checking %1 Devices</source>
        <translation>%1 台の機器を照合</translation>
    </message>
    <message>
        <source>matches</source>
        <translation>一致</translation>
    </message>
    <message>
        <source>differs</source>
        <translation>相違あり</translation>
    </message>
    <message>
        <source>%1 matching, %2 differing, %3 failed</source>
        <translation>一致 %1、相違あり %2、失敗 %3</translation>
    </message>
    <message>
        <source>Checking: %1 of %2 devices done.</source>
        <translation>照合中: %2 台中 %1 台完了。</translation>
    </message>
    <message>
        <source>Differing Settings</source>
        <translation>相違のある設定</translation>
    </message>
    <message>
        <source>%1: the device holds &quot;%2&quot;, the pages &quot;%3&quot;</source>
        <translation>%1: 機器の値は「%2」、ページの値は「%3」</translation>
    </message>
    <message>
        <source>%1: differs</source>
        <translation>%1: 相違あり</translation>
    </message>
    <message>
        <source>Cancelled before it started: it was not read.</source>
        <translation>開始前にキャンセルされました: この機器は読み取っていません。</translation>
    </message>
    <message>
        <source>Each device is read and compared with these settings of the pages, and is sent nothing: %1. Each device&apos;s own settings are not compared: %2.</source>
        <translation>各機器を読み取り、各ページの次の設定と比較します。機器には何も送信しません: %1。各機器固有の次の設定は比較しません: %2。</translation>
    </message>
    <message>
        <source>Save Rec&amp;ord...</source>
        <translation>記録を保存(&amp;O)...</translation>
    </message>
    <message>
        <source>Commissioning Record</source>
        <translation>設定作業記録</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>プログラム</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>実行内容</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>日時</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>タイムゾーン</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>備考</translation>
    </message>
    <message>
        <source>SHA-256 of %1: %2</source>
        <translation>%1 の SHA-256: %2</translation>
    </message>
    <message>
        <source>The JSON file named above holds this record as data. sha256sum prints its SHA-256: any other value than the one above means the file was changed after the record was made.</source>
        <translation>上記の JSON ファイルには、この記録がデータとして保存されています。その SHA-256 は sha256sum で表示できます: 上記と異なる値であれば、記録の作成後にファイルが変更されたことを意味します。</translation>
    </message>
    <message>
        <source>Device %1 of %2: %3</source>
        <translation>機器 %1/%2: %3</translation>
    </message>
    <message>
        <source>Read back at</source>
        <translation>読み戻したアドレス</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>結果</translation>
    </message>
    <message>
        <source>Why</source>
        <translation>理由</translation>
    </message>
    <message>
        <source>Every setting as read back</source>
        <translation>読み戻したすべての設定</translation>
    </message>
    <message>
        <source>No setting was read from this device.</source>
        <translation>この機器からは設定を読み取っていません。</translation>
    </message>
    <message>
        <source>Verified after the apply</source>
        <translation>適用後に確認済み</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>no</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>What this run changed</source>
        <translation>今回の実行による変更</translation>
    </message>
    <message>
        <source>This run changed no setting of this device.</source>
        <translation>今回の実行では、この機器の設定は変更していません。</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>変更前</translation>
    </message>
    <message>
        <source>After</source>
        <translation>変更後</translation>
    </message>
    <message>
        <source>Settings that differ from those compared</source>
        <translation>照合値と異なる設定</translation>
    </message>
    <message>
        <source>Every setting compared matches.</source>
        <translation>比較したすべての設定が一致しています。</translation>
    </message>
    <message>
        <source>The device holds</source>
        <translation>機器の値</translation>
    </message>
    <message>
        <source>Compared with</source>
        <translation>照合値</translation>
    </message>
    <message>
        <source>set, not shown</source>
        <translation>設定済み (非表示)</translation>
    </message>
    <message>
        <source>Load from the device</source>
        <translation>機器から読み込み</translation>
    </message>
    <message>
        <source>Save to the device</source>
        <translation>機器に書き込み</translation>
    </message>
    <message>
        <source>Send to many devices</source>
        <translation>複数の機器に送信</translation>
    </message>
    <message>
        <source>Check against settings, nothing sent</source>
        <translation>設定と照合 (送信なし)</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>バックアップ</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>復元</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>設定変更</translation>
    </message>
    <message>
        <source>read</source>
        <translation>読み取り済み</translation>
    </message>
    <message>
        <source>not read</source>
        <translation>読み取りなし</translation>
    </message>
    <message>
        <source>Save Record</source>
        <translation>記録の保存</translation>
    </message>
    <message>
        <source>&amp;Note for the record (who, where, what was done):</source>
        <translation>記録の備考 (誰が、どこで、何を行ったか)(&amp;N):</translation>
    </message>
    <message>
        <source>PDF files (*.pdf);;All files (*)</source>
        <translation>PDF ファイル (*.pdf);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>The record was saved to %1, and its JSON document beside it to %2.

SHA-256 of %3: %4</source>
        <translation>記録を %1 に、その JSON ドキュメントを同じ場所の %2 に保存しました。

%3 の SHA-256: %4</translation>
    </message>
    <message>
        <source>Record Not Saved</source>
        <translation>記録未保存</translation>
    </message>
    <message>
        <source>%1

Neither file of the record was written: files of those names are as they were.</source>
        <translation>%1

記録のファイルはどちらも書き込んでいません: 同じ名前のファイルは元のままです。</translation>
    </message>
    <message>
        <source>%1

The JSON document was written to %2, but the PDF was not.</source>
        <translation>%1

JSON ドキュメントは %2 に書き込みましたが、PDF は書き込んでいません。</translation>
    </message>
    <message>
        <source>Save a commissioning record of what was read back, as PDF and JSON</source>
        <translation>読み戻した内容の設定作業記録を PDF と JSON で保存</translation>
    </message>
    <message>
        <source>Note for the record</source>
        <translation>記録の備考</translation>
    </message>
    <message>
        <source>Usage: %1 --record-pdf RECORD.json OUT.pdf</source>
        <translation>使用法: %1 --record-pdf RECORD.json OUT.pdf</translation>
    </message>
    <message>
        <source>%1: no PDF was made of it. %2</source>
        <translation>%1: PDF を作成しませんでした。%2</translation>
    </message>
    <message>
        <source>%1 No PDF was made.</source>
        <translation>%1 PDF を作成しませんでした。</translation>
    </message>
    <message>
        <source>%1 already exists and is not the record beside this PDF (a settings file, say).

Replace it with the record&apos;s JSON document?</source>
        <translation>%1 は既に存在し、この PDF に対応する記録ではありません (設定ファイルなどの可能性があります)。

記録の JSON ドキュメントで置き換えますか?</translation>
    </message>
    <message>
        <source>Devices in this record</source>
        <translation>この記録の機器</translation>
    </message>
</context>
<context>
    <name>Templates</name>
    <message>
        <source>About TolvoConfig</source>
        <translation>TolvoConfig のバージョン情報</translation>
    </message>
    <message>
        <source>Program icon</source>
        <translation>プログラムのアイコン</translation>
    </message>
    <message>
        <source>Tolvo-S Configuration Utility, Version 1.0</source>
        <translation>Tolvo-S 設定ユーティリティ バージョン 1.0</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 Halvane</source>
        <translation>Copyright (C) 2026 Halvane</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Tolvo-S Configuration - Halvane</source>
        <translation>Tolvo-S 設定 - Halvane</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Tolvo&apos;s IP address:</source>
        <translation>Tolvo の IP アドレス:</translation>
    </message>
    <message>
        <source>Load Configuration</source>
        <translation>設定の読み込み</translation>
    </message>
    <message>
        <source>Save Configuration</source>
        <translation>設定の書き込み</translation>
    </message>
    <message>
        <source>Find Devices...</source>
        <translation>機器の検索...</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>インポート...</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>エクスポート...</translation>
    </message>
    <message>
        <source>Serial Number:</source>
        <translation>シリアル番号:</translation>
    </message>
    <message>
        <source>Firmware Version:</source>
        <translation>ファームウェアバージョン:</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>IP アドレス:</translation>
    </message>
    <message>
        <source>IP mask:</source>
        <translation>サブネットマスク:</translation>
    </message>
    <message>
        <source>SSID:</source>
        <translation>SSID:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>パスワード:</translation>
    </message>
    <message>
        <source>Wi-Fi channel:</source>
        <translation>Wi-Fi チャンネル:</translation>
    </message>
    <message>
        <source>Transmission Power:</source>
        <translation>送信出力:</translation>
    </message>
    <message>
        <source>Network Type:</source>
        <translation>ネットワーク種別:</translation>
    </message>
    <message>
        <source>Network type</source>
        <translation>ネットワーク種別</translation>
    </message>
    <message>
        <source>Access Point</source>
        <translation>アクセスポイント</translation>
    </message>
    <message>
        <source>Infrastracture</source>
        <translation>インフラストラクチャ</translation>
    </message>
    <message>
        <source>DHCP mode</source>
        <translation>DHCP モード</translation>
    </message>
    <message>
        <source>DHCP Disabled</source>
        <translation>DHCP 無効</translation>
    </message>
    <message>
        <source>DHCP Enabled</source>
        <translation>DHCP 有効</translation>
    </message>
    <message>
        <source>DHCP Access Point</source>
        <translation>DHCP アクセスポイント</translation>
    </message>
    <message>
        <source>Device Name:</source>
        <translation>機器名:</translation>
    </message>
    <message>
        <source>Port 0 connect to:</source>
        <translation>ポート 0 の接続先:</translation>
    </message>
    <message>
        <source>Port 0 connection</source>
        <translation>ポート 0 の接続先</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>設定用</translation>
    </message>
    <message>
        <source>RS232</source>
        <translation>RS232</translation>
    </message>
    <message>
        <source>DIRECT</source>
        <translation>DIRECT</translation>
    </message>
    <message>
        <source>NO Connection</source>
        <translation>接続なし</translation>
    </message>
    <message>
        <source>TCP/IP Port:</source>
        <translation>TCP/IP ポート:</translation>
    </message>
    <message>
        <source>Port 0 TCP/IP port</source>
        <translation>ポート 0 の TCP/IP ポート</translation>
    </message>
    <message>
        <source>Port 1 connect to:</source>
        <translation>ポート 1 の接続先:</translation>
    </message>
    <message>
        <source>Port 1 connection</source>
        <translation>ポート 1 の接続先</translation>
    </message>
    <message>
        <source>Port 1 TCP/IP port</source>
        <translation>ポート 1 の TCP/IP ポート</translation>
    </message>
    <message>
        <source>Port 2 connect to:</source>
        <translation>ポート 2 の接続先:</translation>
    </message>
    <message>
        <source>Port 2 connection</source>
        <translation>ポート 2 の接続先</translation>
    </message>
    <message>
        <source>Port 2 TCP/IP port</source>
        <translation>ポート 2 の TCP/IP ポート</translation>
    </message>
    <message>
        <source>Baudrate:</source>
        <translation>ボーレート:</translation>
    </message>
    <message>
        <source>Data Bits:</source>
        <translation>データビット:</translation>
    </message>
    <message>
        <source>Stop Bits:</source>
        <translation>ストップビット:</translation>
    </message>
    <message>
        <source>Parity:</source>
        <translation>パリティ:</translation>
    </message>
    <message>
        <source>RS232 baud rate</source>
        <translation>RS232 ボーレート</translation>
    </message>
    <message>
        <source>RS232 data bits</source>
        <translation>RS232 データビット</translation>
    </message>
    <message>
        <source>RS232 stop bits</source>
        <translation>RS232 ストップビット</translation>
    </message>
    <message>
        <source>RS232 parity</source>
        <translation>RS232 パリティ</translation>
    </message>
    <message>
        <source>No</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>奇数</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>偶数</translation>
    </message>
    <message>
        <source>DIRECT baud rate</source>
        <translation>DIRECT ボーレート</translation>
    </message>
    <message>
        <source>DIRECT data bits</source>
        <translation>DIRECT データビット</translation>
    </message>
    <message>
        <source>DIRECT stop bits</source>
        <translation>DIRECT ストップビット</translation>
    </message>
    <message>
        <source>DIRECT parity</source>
        <translation>DIRECT パリティ</translation>
    </message>
</context>
</TS>
