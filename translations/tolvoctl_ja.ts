<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>tolvoctl</name>
    <message>
        <source>Reads all 25 settings, or the keys named, and prints KEY=VALUE lines (with a line &quot;# ADDRESS&quot; before each device&apos;s when there are several). Values that break a rule are shown as they are, and said so on stderr.</source>
        <translation>全 25 項目の設定、または指定したキーを読み取り、KEY=VALUE 形式の行で出力します (機器が複数の場合は、各機器の行の前に &quot;# ADDRESS&quot; の行を付けます)。規則に反する値はそのまま表示し、その旨を stderr に出力します。</translation>
    </message>
    <message>
        <source>Saves the 23 writable settings to a file. With one address PATH is the file, unless it is a folder or ends with a slash; with several, or with --history, it is a folder, with one file per device named by its serial number.</source>
        <translation>書き込み可能な 23 項目の設定をファイルに保存します。アドレスが 1 つの場合、PATH はファイルです (フォルダーであるか、スラッシュで終わる場合を除く)。アドレスが複数の場合や --history を付けた場合、PATH はフォルダーで、機器ごとにシリアル番号を名前とするファイルを 1 つずつ作成します。</translation>
    </message>
    <message>
        <source>Checks a settings file without any device.</source>
        <translation>機器を使わずに設定ファイルを検査します。</translation>
    </message>
    <message>
        <source>Reads the device and prints each setting that differs from the file; or compares two files. A file may be SERIAL@VERSION: that device&apos;s file at a version (a commit, or HEAD~1 and the like) of a folder kept by &quot;backup --history&quot; (see --dir). Exit status 0 when nothing differs, 1 when something does.</source>
        <translation>機器を読み取り、ファイルと異なる設定をそれぞれ出力します。または 2 つのファイルを比較します。ファイルには SERIAL@VERSION も指定できます。これは &quot;backup --history&quot; で管理しているフォルダーの、あるバージョン (コミット、または HEAD~1 など) におけるその機器のファイルを表します (--dir を参照)。終了ステータスは、違いがなければ 0、あれば 1 です。</translation>
    </message>
    <message>
        <source>Checks the file, reads each device, sends the file&apos;s settings and the apply command, reads every setting back and reports each one the device did not keep. FILE &quot;-&quot; reads the settings document from standard input, so that a password needs neither a command line nor a file.</source>
        <translation>ファイルを検査し、各機器を読み取り、ファイルの設定と適用コマンドを送信した後、すべての設定を読み戻して、機器が保持しなかった設定をそれぞれ報告します。FILE に &quot;-&quot; を指定すると設定ドキュメントを標準入力から読み込むため、パスワードをコマンドラインにもファイルにも書かずに済みます。</translation>
    </message>
    <message>
        <source>Sends the settings given and the apply command, and reads them back, as restore does.</source>
        <translation>指定した設定と適用コマンドを送信し、restore と同様に読み戻します。</translation>
    </message>
    <message>
        <source>Tries the command service on every address of the ranges (A.B.C.D/N or FIRST-LAST, at most 4096 in all) and prints the serial number and firmware version of each device that answers.</source>
        <translation>範囲 (A.B.C.D/N または FIRST-LAST、合計 4096 個まで) のすべてのアドレスでコマンドサービスを試し、応答した各機器のシリアル番号とファームウェアバージョンを出力します。</translation>
    </message>
    <message>
        <source>Lists the versions of one device&apos;s file in a folder kept by &quot;backup --history&quot;: commit, time and the settings that changed.</source>
        <translation>&quot;backup --history&quot; で管理しているフォルダーにある 1 台の機器のファイルについて、バージョンを一覧表示します: コミット、時刻、変更された設定。</translation>
    </message>
    <message>
        <source>Keeps PATH as a folder under version control (git): one file per serial number, and a commit for each backup that changed something.</source>
        <translation>PATH をバージョン管理 (git) 下のフォルダーとして管理します: シリアル番号ごとに 1 ファイル、何かが変わったバックアップごとに 1 コミットです。</translation>
    </message>
    <message>
        <source>The folder kept by &quot;backup --history&quot; where SERIAL@VERSION is read (default: the current folder).</source>
        <translation>SERIAL@VERSION を読み込む、&quot;backup --history&quot; で管理しているフォルダー (既定: カレントフォルダー)。</translation>
    </message>
    <message>
        <source>Machine output: one JSON document on stdout.</source>
        <translation>機械処理用の出力: stdout に 1 つの JSON ドキュメントを出力します。</translation>
    </message>
    <message>
        <source>Bound on each wait, in ms (default 5000; scan: 1000).</source>
        <translation>1 回の待機の上限 (ミリ秒。既定 5000、scan では 1000)。</translation>
    </message>
    <message>
        <source>Writes each device&apos;s exchange to stderr when it ends: every command and reply with its time, bytes escaped, the password&apos;s value masked.</source>
        <translation>各機器とのやり取りを、終了時に stderr に書き出します: すべてのコマンドと応答を時刻付きで、バイトはエスケープし、パスワードの値はマスクして出力します。</translation>
    </message>
    <message>
        <source>The command service&apos;s TCP port (default 4070).</source>
        <translation>コマンドサービスの TCP ポート (既定 4070)。</translation>
    </message>
    <message>
        <source>The file, or the folder (with several devices, with --history, or when PATH is a folder or ends with a slash).</source>
        <translation>ファイル、またはフォルダー (機器が複数の場合、--history を付けた場合、または PATH がフォルダーであるかスラッシュで終わる場合)。</translation>
    </message>
    <message>
        <source>Overwrite files that exist in the folder.</source>
        <translation>フォルダー内の既存のファイルを上書きします。</translation>
    </message>
    <message>
        <source>Print what would be sent, byte for byte but for the password&apos;s value, which shows as asterisks; send nothing (with --only-changed the devices are read).</source>
        <translation>送信される内容を 1 バイト単位で正確に出力し (パスワードの値のみアスタリスクで表示)、何も送信しません (--only-changed を付けた場合、機器の読み取りは行います)。</translation>
    </message>
    <message>
        <source>Send only the settings that differ on the device.</source>
        <translation>機器上の値と異なる設定だけを送信します。</translation>
    </message>
    <message>
        <source>As in the usage line above.</source>
        <translation>上の使用法の行のとおり。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no command; &quot;tolvoctl --help&quot; lists them.</source>
        <translation>「%1」というコマンドはありません。コマンドの一覧は &quot;tolvoctl --help&quot; で表示できます。</translation>
    </message>
    <message>
        <source>--%1 takes a whole number from %2 to %3.</source>
        <translation>--%1 には %2～%3 の整数を指定してください。</translation>
    </message>
    <message>
        <source>No device address given (there is no default): give ADDRESS or --hosts FILE.</source>
        <translation>機器のアドレスが指定されていません (既定値はありません): ADDRESS または --hosts FILE を指定してください。</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>標準入力</translation>
    </message>
    <message>
        <source>%1 is not valid; nothing was sent.</source>
        <translation>%1 は無効です。何も送信していません。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither an address nor a setting&apos;s key.</source>
        <translation>「%1」はアドレスでも設定のキーでもありません。</translation>
    </message>
    <message>
        <source>backup needs -o PATH.</source>
        <translation>backup には -o PATH が必要です。</translation>
    </message>
    <message>
        <source>Cannot make the folder %1.</source>
        <translation>フォルダー %1 を作成できません。</translation>
    </message>
    <message>
        <source>check takes one FILE.</source>
        <translation>check には FILE を 1 つ指定します。</translation>
    </message>
    <message>
        <source>diff takes ADDRESS and FILE, or two FILEs (a FILE may be SERIAL@VERSION).</source>
        <translation>diff には ADDRESS と FILE、または 2 つの FILE を指定します (FILE には SERIAL@VERSION も指定できます)。</translation>
    </message>
    <message>
        <source>diff compares one device with a file.</source>
        <translation>diff で比較できるのは 1 台の機器と 1 つのファイルです。</translation>
    </message>
    <message>
        <source>restore takes ADDRESS... and FILE.</source>
        <translation>restore には ADDRESS... と FILE を指定します。</translation>
    </message>
    <message>
        <source>set takes ADDRESS... and KEY=VALUE....</source>
        <translation>set には ADDRESS... と KEY=VALUE... を指定します。</translation>
    </message>
    <message>
        <source>%1 Nothing was sent.</source>
        <translation>%1 何も送信していません。</translation>
    </message>
    <message>
        <source>scan takes RANGE....</source>
        <translation>scan には RANGE... を指定します。</translation>
    </message>
    <message>
        <source>%1: value &quot;%2&quot; breaks the rule; %3</source>
        <translation>%1: 値「%2」は規則に反しています。%3</translation>
    </message>
    <message>
        <source>%1 of %2 devices</source>
        <translation>%1/%2 台</translation>
    </message>
    <message>
        <source>1 setting</source>
        <translation>設定 1 件</translation>
    </message>
    <message>
        <source>%1 settings</source>
        <translation>設定 %1 件</translation>
    </message>
    <message>
        <source>%1 of %2 devices succeeded.</source>
        <translation>%2 台中 %1 台が成功しました。</translation>
    </message>
    <message>
        <source>%1 of %2 devices read.</source>
        <translation>%2 台中 %1 台を読み取りました。</translation>
    </message>
    <message>
        <source>another device has the serial number &quot;%1&quot;; %2 was not written</source>
        <translation>別の機器も同じシリアル番号「%1」です。%2 は書き込んでいません</translation>
    </message>
    <message>
        <source>%1 exists; not overwritten (--force overwrites)</source>
        <translation>%1 は既に存在します。上書きしていません (--force で上書きします)</translation>
    </message>
    <message>
        <source>%1 holds the backup of another device (serial number &quot;%2&quot;); not overwritten</source>
        <translation>%1 には別の機器 (シリアル番号「%2」) のバックアップがあります。上書きしていません</translation>
    </message>
    <message>
        <source>saved %1 to %2</source>
        <translation>%1を %2 に保存しました</translation>
    </message>
    <message>
        <source>%1: valid, %2 settings.</source>
        <translation>%1: 有効、設定 %2 件。</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; in %3, &quot;%4&quot; in %5</source>
        <translation>%1: %3 では「%2」、%5 では「%4」</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; in %3, not in %4</source>
        <translation>%1: %3 では「%2」、%4 にはなし</translation>
    </message>
    <message>
        <source>%1: not in %2, &quot;%3&quot; in %4</source>
        <translation>%1: %2 にはなし、%4 では「%3」</translation>
    </message>
    <message>
        <source>A history needs the git program, and none was found.</source>
        <translation>履歴には git プログラムが必要ですが、見つかりませんでした。</translation>
    </message>
    <message>
        <source>git %1 failed: %2</source>
        <translation>git %1 が失敗しました: %2</translation>
    </message>
    <message>
        <source>exit status %1</source>
        <translation>終了ステータス %1</translation>
    </message>
    <message>
        <source>git %1 gave output that could not be read, for %2.</source>
        <translation>%2 について、git %1 の出力を読み取れませんでした。</translation>
    </message>
    <message>
        <source>git %1 did not finish within %2 seconds.</source>
        <translation>git %1 が %2 秒以内に終了しませんでした。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no version of %2: give a commit, or HEAD~1 and the like.</source>
        <translation>「%1」は %2 のバージョンではありません: コミット、または HEAD~1 などを指定してください。</translation>
    </message>
    <message>
        <source>Cannot make the lock file %1.</source>
        <translation>ロックファイル %1 を作成できません。</translation>
    </message>
    <message>
        <source>process %1 on %2</source>
        <translation>%2 上のプロセス %1</translation>
    </message>
    <message>
        <source>%1 is in use by another backup (%2); nothing was read or written.</source>
        <translation>%1 は別のバックアップ (%2) が使用中です。読み取りも書き込みもしていません。</translation>
    </message>
    <message>
        <source>%1 is in use by another backup; waiting for it to end (at most %2 minutes).</source>
        <translation>%1 は別のバックアップが使用中です。終了を待っています (最大 %2 分)。</translation>
    </message>
    <message>
        <source>History: the files already in the folder, committed first as %1.</source>
        <translation>履歴: フォルダーに既にあったファイルを、先に %1 としてコミットしました。</translation>
    </message>
    <message>
        <source>History: commit %1 (%2).</source>
        <translation>履歴: コミット %1 (%2)。</translation>
    </message>
    <message>
        <source>History: nothing changed, no commit.</source>
        <translation>履歴: 変更がないため、コミットしていません。</translation>
    </message>
    <message>
        <source>new</source>
        <translation>新規</translation>
    </message>
    <message>
        <source>history takes DIR and SERIAL.</source>
        <translation>history には DIR と SERIAL を指定します。</translation>
    </message>
    <message>
        <source>%1 has no versions of %2.</source>
        <translation>%1 には %2 のバージョンがありません。</translation>
    </message>
    <message>
        <source>%1: device &quot;%2&quot;, file &quot;%3&quot;</source>
        <translation>%1: 機器「%2」、ファイル「%3」</translation>
    </message>
    <message>
        <source>%1 differs</source>
        <translation>%1が異なります</translation>
    </message>
    <message>
        <source>%1 differ</source>
        <translation>%1が異なります</translation>
    </message>
    <message>
        <source>would send</source>
        <translation>送信予定</translation>
    </message>
    <message>
        <source>nothing sent (dry run)</source>
        <translation>何も送信していません (ドライラン)</translation>
    </message>
    <message>
        <source>%1 sent, all kept</source>
        <translation>%1を送信、すべて保持されました</translation>
    </message>
    <message>
        <source>nothing differs, nothing sent</source>
        <translation>違いがないため、何も送信していません</translation>
    </message>
    <message>
        <source>%1 sent; NOT KEPT: %2</source>
        <translation>%1を送信。【保持されず】: %2</translation>
    </message>
    <message>
        <source>ADDRESS</source>
        <translation>ADDRESS</translation>
    </message>
    <message>
        <source>SERIAL NUMBER</source>
        <translation>SERIAL NUMBER</translation>
    </message>
    <message>
        <source>FIRMWARE</source>
        <translation>FIRMWARE</translation>
    </message>
    <message>
        <source>%1 of %2 addresses answered.</source>
        <translation>%2 個のアドレスのうち %1 個が応答しました。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no IPv4 address (four numbers from 0 to 255 joined by dots).</source>
        <translation>「%1」は IPv4 アドレスではありません (0～255 の 4 つの数値をドットでつないだもの)。</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: a prefix length is 0 to 32.</source>
        <translation>「%1」: プレフィックス長は 0～32 です。</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the last address comes before the first.</source>
        <translation>「%1」: 最後のアドレスが最初のアドレスより前にあります。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no range: give A.B.C.D/N or FIRST-LAST.</source>
        <translation>「%1」は範囲ではありません: A.B.C.D/N または FIRST-LAST を指定してください。</translation>
    </message>
    <message>
        <source>A scan takes at most %1 addresses in all.</source>
        <translation>スキャンできるアドレスは合計 %1 個までです。</translation>
    </message>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation>%1 を読み込めません: %2。</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>%1 に書き込めません: %2。</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1、%2 行目: %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no setting: give KEY=VALUE.</source>
        <translation>「%1」は設定ではありません: KEY=VALUE の形で指定してください。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no setting that can be written.</source>
        <translation>「%1」は書き込み可能な設定ではありません。</translation>
    </message>
    <message>
        <source>%1: value &quot;%2&quot; is not valid; %3.</source>
        <translation>%1: 値「%2」は無効です。%3。</translation>
    </message>
    <message>
        <source>Not JSON: %1 at byte %2.</source>
        <translation>JSON ではありません: %1 (%2 バイト目)。</translation>
    </message>
    <message>
        <source>Not a settings file: the top level is no JSON object.</source>
        <translation>設定ファイルではありません: 最上位が JSON オブジェクトではありません。</translation>
    </message>
    <message>
        <source>Not a settings file of format &quot;%1&quot;, version %2.</source>
        <translation>形式 &quot;%1&quot;、バージョン %2 の設定ファイルではありません。</translation>
    </message>
    <message>
        <source>The file has no &quot;settings&quot; object.</source>
        <translation>ファイルに &quot;settings&quot; オブジェクトがありません。</translation>
    </message>
    <message>
        <source>%1: no setting of that name can be written.</source>
        <translation>%1: この名前の書き込み可能な設定はありません。</translation>
    </message>
    <message>
        <source>%1: the value must be a JSON string.</source>
        <translation>%1: 値は JSON 文字列でなければなりません。</translation>
    </message>
    <message>
        <source>allowed: %1</source>
        <translation>許容値: %1</translation>
    </message>
    <message>
        <source>an IPv4 address: four numbers from 0 to 255 joined by dots</source>
        <translation>IPv4 アドレス (0～255 の 4 つの数値をドットでつないだもの)</translation>
    </message>
    <message>
        <source>a whole number from %1 to %2</source>
        <translation>%1～%2 の整数</translation>
    </message>
    <message>
        <source>one of %1</source>
        <translation>%1 のいずれか</translation>
    </message>
    <message>
        <source>text of at most %1 Latin-1 characters, without line breaks or zero characters</source>
        <translation>Latin-1 で %1 文字以内のテキスト (改行やゼロ文字を含まないもの)</translation>
    </message>
    <message>
        <source>connecting</source>
        <translation>接続</translation>
    </message>
    <message>
        <source>reading</source>
        <translation>読み取り</translation>
    </message>
    <message>
        <source>sending</source>
        <translation>送信</translation>
    </message>
    <message>
        <source>failed while %1: %2</source>
        <translation>%1中に失敗しました: %2</translation>
    </message>
    <message>
        <source>no connection could be made</source>
        <translation>接続できませんでした</translation>
    </message>
    <message>
        <source>the device did not answer in time</source>
        <translation>機器が時間内に応答しませんでした</translation>
    </message>
    <message>
        <source>the device closed the connection</source>
        <translation>機器が接続を閉じました</translation>
    </message>
    <message>
        <source>a reply was longer than %1 bytes</source>
        <translation>応答が %1 バイトを超えていました</translation>
    </message>
    <message>
        <source>a command would be longer than %1 bytes</source>
        <translation>コマンドが %1 バイトを超えてしまいます</translation>
    </message>
    <message>
        <source>sending to the device failed</source>
        <translation>機器への送信に失敗しました</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>キャンセルされました</translation>
    </message>
    <message>
        <source>the device sent more reply lines than it was asked for; its replies cannot be matched to the settings</source>
        <translation>機器が要求より多くの応答行を送ってきたため、応答を設定に対応付けられません</translation>
    </message>
    <message>
        <source>%1: sent &quot;%2&quot;, the device holds &quot;%3&quot;</source>
        <translation>%1: 「%2」を送信しましたが、機器の値は「%3」です</translation>
    </message>
    <message>
        <source>%1 (the apply command was not answered)</source>
        <translation>%1 (適用コマンドへの応答なし)</translation>
    </message>
    <message>
        <source>Exit status: 0 success; 1 differences found or a read-back did not match; 2 a malformed argument or file (nothing is sent); 3 a device could not be read or written, or a file or the output could not be written.</source>
        <translation>終了ステータス: 0 = 成功。1 = 違いが見つかった、または読み戻した値が一致しなかった。2 = 引数またはファイルの形式が不正 (何も送信しない)。3 = 機器の読み取りまたは書き込みができなかった、あるいはファイルや出力を書き込めなかった。</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>標準出力</translation>
    </message>
    <message>
        <source>History: nothing changed in the files written, no commit.</source>
        <translation>履歴: 書き込んだファイルに変更がないため、コミットしていません。</translation>
    </message>
    <message>
        <source>Send values that are a device&apos;s error reply (&quot;ERROR&quot; alone or followed by a blank, as a device answers a key it does not know), which restore refuses otherwise: a backup of a device that lacked a setting holds one.</source>
        <translation>機器のエラー応答である値 (&quot;ERROR&quot; 単独、または後に空白が続くもの。機器が知らないキーに対して返す応答) も送信します。このオプションがなければ restore はこれを拒否します。ある設定を持たない機器のバックアップには、このような値が含まれます。</translation>
    </message>
    <message>
        <source>%1 The file holds it as the device sent it; restore sends it only with --send-error-replies.</source>
        <translation>%1 ファイルには機器が送ってきたとおりに記録されています。restore がこれを送信するのは --send-error-replies を付けた場合だけです。</translation>
    </message>
    <message>
        <source>%1 A restore sends it only with --send-error-replies.</source>
        <translation>%1 restore がこれを送信するのは --send-error-replies を付けた場合だけです。</translation>
    </message>
    <message>
        <source>%1 It is sent only with --send-error-replies.</source>
        <translation>%1 これは --send-error-replies を付けた場合にだけ送信されます。</translation>
    </message>
    <message>
        <source>%1 holds a device&apos;s error reply as a value; nothing was sent.</source>
        <translation>%1 には値として機器のエラー応答が含まれています。何も送信していません。</translation>
    </message>
    <message>
        <source>%1: value &quot;%2&quot; holds a line break or a zero byte, which would end the command early and send the rest as a command of its own; no value may hold one.</source>
        <translation>%1: 値「%2」に改行またはゼロバイトが含まれています。これはコマンドを途中で終わらせ、残りを別のコマンドとして送ってしまいます。値に改行やゼロバイトを含めることはできません。</translation>
    </message>
    <message>
        <source>%1: value &quot;%2&quot; is the error reply a device gives for a key it does not know, not a setting.</source>
        <translation>%1: 値「%2」は、機器が知らないキーに対して返すエラー応答であり、設定値ではありません。</translation>
    </message>
    <message>
        <source>Devices talked to at once (default 16; scan: 64), up to 1000; fewer where this computer&apos;s limit on open files (ulimit -n) leaves room for fewer.</source>
        <translation>同時に通信する機器の数 (既定 16、scan では 64)。最大 1000。このコンピューターで開けるファイル数の上限 (ulimit -n) に余裕がない場合は、それより少なくなります。</translation>
    </message>
    <message>
        <source>Also the addresses in FILE, one a line; # starts a comment. At most 4096 devices in all, and a FILE of at most 1 MiB.</source>
        <translation>FILE 内のアドレスも対象にします (1 行に 1 アドレス。# 以降はコメント)。合計 4096 台まで、FILE は 1 MiB までです。</translation>
    </message>
    <message>
        <source>%1 The run stopped: %2 of %3 devices were not tried, and nothing was sent to them.</source>
        <translation>%1 実行を中止しました: %3 台中 %2 台は試行しておらず、何も送信していません。</translation>
    </message>
    <message>
        <source>%1 The scan stopped: %2 of %3 addresses were not tried.</source>
        <translation>%1 スキャンを中止しました: %3 個中 %2 個のアドレスは試行していません。</translation>
    </message>
    <message>
        <source>This computer could not open another connection: it has too many files and connections open.</source>
        <translation>このコンピューターでは、これ以上接続を開けませんでした: 開いているファイルと接続が多すぎます。</translation>
    </message>
    <message>
        <source>A program may hold %1 open at once here (ulimit -n).</source>
        <translation>このコンピューターでは、1 つのプログラムが同時に開けるのは %1 個までです (ulimit -n)。</translation>
    </message>
    <message>
        <source>Not tried: nothing was sent to it.</source>
        <translation>未試行: この機器には何も送信していません。</translation>
    </message>
    <message>
        <source>%1 is larger than %2 KiB, which no settings file is (one of every setting is about 1 KiB).</source>
        <translation>%1 は %2 KiB を超えています。設定ファイルがこれほど大きくなることはありません (すべての設定を 1 つずつ含めても約 1 KiB です)。</translation>
    </message>
    <message>
        <source>%1 is larger than %2 KiB, which no list of at most %3 addresses needs to be.</source>
        <translation>%1 は %2 KiB を超えています。最大 %3 個のアドレスの一覧がこれほど大きくなることはありません。</translation>
    </message>
    <message>
        <source>At most %1 devices are taken at a time; split the list of addresses.</source>
        <translation>一度に扱える機器は %1 台までです。アドレスの一覧を分割してください。</translation>
    </message>
    <message>
        <source>%1 sent and kept</source>
        <translation>%1を送信し、保持されました</translation>
    </message>
    <message>
        <source>%1; BUT SETTINGS THAT WERE NOT SENT READ OTHERWISE AFTER THE APPLY (any apply commits a value that an earlier, interrupted write left pending on the device): %2</source>
        <translation>%1。【ただし、送信していない設定が適用後に異なる値で読み取られました】 (中断された以前の書き込みが機器に保留のまま残した値は、どの適用でも確定されます): %2</translation>
    </message>
    <message>
        <source>%1: not sent, but read as &quot;%2&quot; before the apply and &quot;%3&quot; after it</source>
        <translation>%1: 未送信ですが、適用前は「%2」、適用後は「%3」と読み取られました</translation>
    </message>
    <message>
        <source>%1; settings had been sent without the apply command: the device may hold them pending, and its next apply, of any write, commits them</source>
        <translation>%1。設定は適用コマンドなしで送信済みでした: 機器はそれらを保留中のまま保持している可能性があり、次の適用 (どの書き込みによるものでも) で確定されます</translation>
    </message>
    <message>
        <source>%1 after the settings and the apply command were sent: the device may have applied them, and any value an earlier write left pending on it; read it to see what it holds</source>
        <translation>%1 (設定と適用コマンドの送信後): 機器はそれらの設定と、以前の書き込みが保留のまま残した値を適用した可能性があります。機器を読み取って、保持している値を確認してください</translation>
    </message>
    <message>
        <source>Usage: tolvoctl COMMAND [options] ...

Commands:
%1
&quot;tolvoctl COMMAND --help&quot; describes a command. Every command that takes ADDRESS takes several, or --hosts FILE; there is no default address. restore and set give many devices each its own static address with an address plan: --plan FILE (a line for each device, its serial number or current address, then its new address) or --plan-first A.B.C.D/N (counted upward in the order of the devices); a plan with one address for several devices, the network or broadcast address, an address outside the subnet, a device or line that does not match, or an address where another device already answers (a device switched off cannot be seen) is refused with exit status 2, and nothing is sent.

%2
</source>
        <translation>使用法: tolvoctl COMMAND [オプション] ...

コマンド:
%1
&quot;tolvoctl COMMAND --help&quot; で各コマンドの説明を表示します。ADDRESS を取るコマンドはすべて、複数のアドレス、または --hosts FILE も受け付けます。既定のアドレスはありません。restore と set では、アドレス計画によって多数の機器にそれぞれ固有の固定アドレスを割り当てられます: --plan FILE (機器ごとに 1 行で、シリアル番号または現在のアドレス、続いて新しいアドレス) または --plan-first A.B.C.D/N (機器の順に 1 つずつ増やして割り当て)。複数の機器に同じアドレスを割り当てる計画、ネットワークアドレスやブロードキャストアドレス、サブネット外のアドレス、一致しない機器や行、別の機器が既に応答しているアドレス (電源の切れた機器は検出できません) を含む計画は終了ステータス 2 で拒否され、何も送信されません。

%2
</translation>
    </message>
    <message>
        <source>Bound on the wait for a device that the settings sent move (a new address, DHCP, another network) to answer again, in ms (default 60000).</source>
        <translation>送信した設定によって移動する機器 (新しいアドレス、DHCP、別のネットワーク) が再び応答するまでの待機の上限 (ミリ秒。既定 60000)。</translation>
    </message>
    <message>
        <source>An address plan for the devices: a line for each, its serial number or current address, then its new address (# starts a comment). Each gets its own IPADDRESS, the IPMASK sent and DHCP 0; the plan is checked before anything is sent.</source>
        <translation>機器のアドレス計画: 機器ごとに 1 行で、シリアル番号または現在のアドレス、続いて新しいアドレスを書きます (# 以降はコメント)。各機器には固有の IPADDRESS、送信する IPMASK、DHCP 0 が設定されます。計画は何かを送信する前に検査されます。</translation>
    </message>
    <message>
        <source>An address plan counted upward from A.B.C.D in the order of the devices, with the mask of prefix length N: each gets its own IPADDRESS, that IPMASK and DHCP 0; checked before anything is sent.</source>
        <translation>A.B.C.D から機器の順に 1 つずつ増やして割り当てるアドレス計画 (マスクはプレフィックス長 N): 各機器には固有の IPADDRESS、そのマスクの IPMASK、DHCP 0 が設定されます。何かを送信する前に検査されます。</translation>
    </message>
    <message>
        <source>Give --plan or --plan-first, not both.</source>
        <translation>--plan と --plan-first は、どちらか一方だけを指定してください。</translation>
    </message>
    <message>
        <source>--plan needs the mask among the settings sent (IPMASK=...).</source>
        <translation>--plan を使うには、送信する設定にマスク (IPMASK=...) を含めてください。</translation>
    </message>
    <message>
        <source>looking for the device after the apply</source>
        <translation>適用後の機器の検索</translation>
    </message>
    <message>
        <source>%1; read back at its new address %2</source>
        <translation>%1。新しいアドレス %2 で読み戻しました</translation>
    </message>
    <message>
        <source>the settings and the apply command were sent; they move the device to %1, and it answered neither there nor at %2 within %3 seconds: look for it at %1 (it may still be restarting, or that address is not reachable from this computer)</source>
        <translation>設定と適用コマンドを送信しました。これにより機器のアドレスは %1 に変わりますが、%3 秒以内にそこでも %2 でも応答がありませんでした: %1 で機器を探してください (まだ再起動中か、このコンピューターからそのアドレスに到達できない可能性があります)</translation>
    </message>
    <message>
        <source>the settings and the apply command were sent; they turn DHCP on, and the device did not answer at %1 within %2 seconds: its DHCP server chooses its address; find it with a scan of the site&apos;s addresses</source>
        <translation>設定と適用コマンドを送信しました。これにより DHCP が有効になり、機器は %2 秒以内に %1 で応答しませんでした: 機器のアドレスは DHCP サーバーが決めます。現場のアドレスをスキャンして機器を見つけてください</translation>
    </message>
    <message>
        <source>the settings and the apply command were sent; they join the device to another network (SSID, password or network type), and it did not answer at %1 within %2 seconds: join that network to reach it, then find it with a scan</source>
        <translation>設定と適用コマンドを送信しました。これにより機器は別のネットワーク (SSID、パスワードまたはネットワーク種別) に接続し、%2 秒以内に %1 で応答しませんでした: 機器にアクセスするにはそのネットワークに接続し、スキャンで機器を見つけてください</translation>
    </message>
    <message>
        <source>the settings and the apply command were sent; they join the device to another network (SSID, password or network type) at the address %1, and it answered neither there nor at %2 within %3 seconds: join that network to reach it at %1</source>
        <translation>設定と適用コマンドを送信しました。これにより機器はアドレス %1 で別のネットワーク (SSID、パスワードまたはネットワーク種別) に接続しますが、%3 秒以内にそこでも %2 でも応答がありませんでした: そのネットワークに接続して、%1 で機器にアクセスしてください</translation>
    </message>
    <message>
        <source>the settings and the apply command were sent; another device (serial number &quot;%1&quot;) answers at %2, where this one was looked for after the apply: it was not read back; look for it with a scan, and give the two devices addresses of their own</source>
        <translation>設定と適用コマンドを送信しました。適用後にこの機器を探した %2 では、別の機器 (シリアル番号「%1」) が応答しています: この機器は読み戻していません。スキャンで機器を探し、2 台にそれぞれ別のアドレスを割り当ててください</translation>
    </message>
    <message>
        <source>the settings and the apply command were sent; the device may restart on them, and it did not answer at %1 within %2 seconds</source>
        <translation>設定と適用コマンドを送信しました。機器はこれにより再起動する可能性があり、%2 秒以内に %1 で応答しませんでした</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 → %2</translation>
    </message>
    <message>
        <source>%1 (no address)</source>
        <translation>%1 (アドレスなし)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no first address of a plan: give A.B.C.D/N (the prefix length is the mask).</source>
        <translation>「%1」は計画の先頭アドレスではありません: A.B.C.D/N を指定してください (プレフィックス長がマスクを表します)。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no line of a plan: give the device&apos;s serial number or current address, then blanks, then its new address.</source>
        <translation>「%1」は計画の行として正しくありません: 機器のシリアル番号または現在のアドレス、空白、新しいアドレスの順に書いてください。</translation>
    </message>
    <message>
        <source>%1 gives no device an address.</source>
        <translation>%1 では、どの機器にもアドレスが割り当てられていません。</translation>
    </message>
    <message>
        <source>%1 is no mask of a subnet (its ones do not come first).</source>
        <translation>%1 はサブネットマスクではありません (1 のビットが先頭から連続していません)。</translation>
    </message>
    <message>
        <source>One address for several devices: %1.</source>
        <translation>複数の機器に同じアドレスが割り当てられています: %1。</translation>
    </message>
    <message>
        <source>%1: the network address of the subnet %2, which no device may have.</source>
        <translation>%1: サブネット %2 のネットワークアドレスです。このアドレスはどの機器にも割り当てられません。</translation>
    </message>
    <message>
        <source>%1: the broadcast address of the subnet %2, which no device may have.</source>
        <translation>%1: サブネット %2 のブロードキャストアドレスです。このアドレスはどの機器にも割り当てられません。</translation>
    </message>
    <message>
        <source>%1: outside the subnet %2 of the mask.</source>
        <translation>%1: マスクで決まるサブネット %2 の範囲外です。</translation>
    </message>
    <message>
        <source>%1: no line of the plan names this device.</source>
        <translation>%1: この機器を指定した計画の行がありません。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is none of the devices sent to.</source>
        <translation>「%1」は送信先のどの機器にも該当しません。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names a device that an earlier line names too.</source>
        <translation>「%1」は、前の行でも指定されている機器です。</translation>
    </message>
    <message>
        <source>%1: another device already answers at this address (a device that is switched off cannot be seen).</source>
        <translation>%1: このアドレスでは既に別の機器が応答しています (電源の切れた機器は検出できません)。</translation>
    </message>
    <message>
        <source>The address plan is refused; nothing was sent:</source>
        <translation>アドレス計画は拒否されました。何も送信していません:</translation>
    </message>
    <message>
        <source>the plan</source>
        <translation>アドレス計画</translation>
    </message>
    <message>
        <source>Messages and help are in the language of --lang LANGUAGE (%1), else of LC_ALL, LC_MESSAGES or LANG, else of the system. --json output is always in English, whatever the language.</source>
        <translation>メッセージとヘルプは --lang LANGUAGE (%1) で指定した言語で表示されます。指定がなければ LC_ALL、LC_MESSAGES または LANG の言語、それもなければシステムの言語です。--json の出力は、言語にかかわらず常に英語です。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no language tolvoctl speaks; it speaks %2.</source>
        <translation>「%1」は tolvoctl が対応している言語ではありません。対応している言語: %2。</translation>
    </message>
    <message>
        <source>--lang needs a language, for instance --lang de.</source>
        <translation>--lang には言語の指定が必要です (例: --lang de)。</translation>
    </message>
    <message>
        <source>The technician&apos;s note in the record of --record.</source>
        <translation>--record の記録に書き込む作業者の備考。</translation>
    </message>
    <message>
        <source>--note goes into a record: give --record FILE too.</source>
        <translation>--note は記録に書き込まれます: --record FILE も指定してください。</translation>
    </message>
    <message>
        <source>%1; matches: the device holds every value</source>
        <translation>%1。一致: 機器はすべての値を保持しています</translation>
    </message>
    <message>
        <source>%1; differs: %2</source>
        <translation>%1。相違あり: %2</translation>
    </message>
    <message>
        <source>Record: %1, SHA-256 %2</source>
        <translation>記録: %1、SHA-256 %2</translation>
    </message>
    <message>
        <source>%1 The record was not written; each device&apos;s result stands as reported.</source>
        <translation>%1 記録は書き込んでいません。各機器の結果は報告したとおりです。</translation>
    </message>
    <message>
        <source>the settings and the apply command were sent, but they could not be read back: the device may have applied them; read it to see what it holds</source>
        <translation>設定と適用コマンドを送信しましたが、読み戻せませんでした: 機器は設定を適用した可能性があります。機器を読み取って、保持している値を確認してください</translation>
    </message>
    <message>
        <source>Not a commissioning record of format &quot;%1&quot;, version %2.</source>
        <translation>形式 &quot;%1&quot;、バージョン %2 の設定作業記録ではありません。</translation>
    </message>
    <message>
        <source>The record&apos;s member %1 is missing or of the wrong type.</source>
        <translation>記録のメンバー %1 がないか、型が正しくありません。</translation>
    </message>
    <message>
        <source>The record&apos;s member %1 holds &quot;%2&quot;, which a record does not.</source>
        <translation>記録のメンバー %1 の値「%2」は、記録にはあり得ない値です。</translation>
    </message>
    <message>
        <source>The record&apos;s member %1 holds a Wi-Fi password&apos;s value, which a record never does (only &quot;********&quot; or nothing).</source>
        <translation>記録のメンバー %1 に Wi-Fi パスワードの値が含まれていますが、記録にパスワードの値が含まれることはありません (&quot;********&quot; または空のみ)。</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MiB, which no record is.</source>
        <translation>%1 は %2 MiB を超えています。記録がこれほど大きくなることはありません。</translation>
    </message>
    <message>
        <source>Also writes the run&apos;s commissioning record to FILE: for every device its address, serial number, firmware, every setting as read back (the password as asterisks), whether each was verified and what changed, with the time and the note, as JSON; it prints the file&apos;s SHA-256. With --dry-run of restore the devices are read and compared with the file (a check): each matches or differs, and exit status 1 says that one differs.</source>
        <translation>実行の設定作業記録も JSON 形式で FILE に書き出します: 各機器のアドレス、シリアル番号、ファームウェア、読み戻したすべての設定 (パスワードはアスタリスク)、各設定が確認済みかどうか、変更内容を、時刻と備考とともに記録し、ファイルの SHA-256 を出力します。restore に --dry-run を付けると、機器を読み取ってファイルと比較します (照合): 各機器の結果は一致または相違ありで、終了ステータス 1 は相違ありの機器があることを示します。</translation>
    </message>
    <message>
        <source>%1 matching, %2 differing, %3 failed</source>
        <translation>一致 %1、相違あり %2、失敗 %3</translation>
    </message>
    <message>
        <source>it is no regular file (a folder, a device or a pipe)</source>
        <translation>通常のファイルではありません (フォルダー、デバイスファイル、またはパイプです)</translation>
    </message>
    <message>
        <source>The record&apos;s member %1 is longer than a record&apos;s ever is (at most %2).</source>
        <translation>記録のメンバー %1 が長すぎます。記録でこれほど長くなることはありません (最大 %2)。</translation>
    </message>
    <message>
        <source>%1 is also a file this command reads or writes: a record needs a file of its own.</source>
        <translation>%1 はこのコマンドが読み書きするファイルでもあります。記録には専用のファイルが必要です。</translation>
    </message>
    <message>
        <source>%1 exists and is no commissioning record: a record replaces only an earlier record.</source>
        <translation>%1 は既に存在し、設定作業記録ではありません。記録が置き換えるのは以前の記録だけです。</translation>
    </message>
</context>
</TS>
