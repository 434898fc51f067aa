<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>tolvoctl</name>
    <message>
        <source>Reads all 25 settings, or the keys named, and prints KEY=VALUE lines (with a line &quot;# ADDRESS&quot; before each device&apos;s when there are several). Values that break a rule are shown as they are, and said so on stderr.</source>
        <translation>读取全部 25 个参数或所指定的键，并以 KEY=VALUE 行输出（有多台设备时，在每台设备的输出前加一行 &quot;# ADDRESS&quot;）。违反规则的值按原样显示，并在 stderr 上加以说明。</translation>
    </message>
    <message>
        <source>Saves the 23 writable settings to a file. With one address PATH is the file, unless it is a folder or ends with a slash; with several, or with --history, it is a folder, with one file per device named by its serial number.</source>
        <translation>将 23 个可写参数保存到文件。只给出一个地址时，PATH 即为文件，除非它是目录或以斜杠结尾；给出多个地址或使用 --history 时，PATH 为目录，每台设备一个文件，以其序列号命名。</translation>
    </message>
    <message>
        <source>Checks a settings file without any device.</source>
        <translation>检查参数文件，不连接任何设备。</translation>
    </message>
    <message>
        <source>Reads the device and prints each setting that differs from the file; or compares two files. A file may be SERIAL@VERSION: that device&apos;s file at a version (a commit, or HEAD~1 and the like) of a folder kept by &quot;backup --history&quot; (see --dir). Exit status 0 when nothing differs, 1 when something does.</source>
        <translation>读取设备，并输出与文件不同的每个参数；或比较两个文件。文件可以写作 SERIAL@VERSION：即由 &quot;backup --history&quot; 维护的目录（见 --dir）中该设备文件的某个版本（一个提交，或 HEAD~1 之类）。无差异时退出状态为 0，有差异时为 1。</translation>
    </message>
    <message>
        <source>Checks the file, reads each device, sends the file&apos;s settings and the apply command, reads every setting back and reports each one the device did not keep. FILE &quot;-&quot; reads the settings document from standard input, so that a password needs neither a command line nor a file.</source>
        <translation>检查文件，读取每台设备，发送文件中的参数和应用命令，回读全部参数，并报告设备未保留的每个参数。FILE 为 &quot;-&quot; 时从标准输入读取参数文档，这样密码既不必出现在命令行中，也不必写入文件。</translation>
    </message>
    <message>
        <source>Sends the settings given and the apply command, and reads them back, as restore does.</source>
        <translation>发送给定的参数和应用命令，并像 restore 一样回读。</translation>
    </message>
    <message>
        <source>Tries the command service on every address of the ranges (A.B.C.D/N or FIRST-LAST, at most 4096 in all) and prints the serial number and firmware version of each device that answers.</source>
        <translation>在各范围（A.B.C.D/N 或 FIRST-LAST，总共最多 4096 个地址）的每个地址上尝试连接命令服务，并输出每台响应设备的序列号和固件版本。</translation>
    </message>
    <message>
        <source>Lists the versions of one device&apos;s file in a folder kept by &quot;backup --history&quot;: commit, time and the settings that changed.</source>
        <translation>列出由 &quot;backup --history&quot; 维护的目录中某台设备文件的各个版本：提交、时间以及有更改的参数。</translation>
    </message>
    <message>
        <source>Keeps PATH as a folder under version control (git): one file per serial number, and a commit for each backup that changed something.</source>
        <translation>将 PATH 作为受版本控制（git）的目录来维护：每个序列号一个文件，每次有更改的备份产生一个提交。</translation>
    </message>
    <message>
        <source>The folder kept by &quot;backup --history&quot; where SERIAL@VERSION is read (default: the current folder).</source>
        <translation>由 &quot;backup --history&quot; 维护、从中读取 SERIAL@VERSION 的目录（默认：当前目录）。</translation>
    </message>
    <message>
        <source>Machine output: one JSON document on stdout.</source>
        <translation>机器可读输出：在 stdout 上输出一个 JSON 文档。</translation>
    </message>
    <message>
        <source>Bound on each wait, in ms (default 5000; scan: 1000).</source>
        <translation>每次等待的上限，单位为 ms（默认 5000；scan：1000）。</translation>
    </message>
    <message>
        <source>Writes each device&apos;s exchange to stderr when it ends: every command and reply with its time, bytes escaped, the password&apos;s value masked.</source>
        <translation>每台设备的通信结束时，将其通信记录写到 stderr：每条命令和应答均带时间，字节经过转义，密码的值已屏蔽。</translation>
    </message>
    <message>
        <source>The command service&apos;s TCP port (default 4070).</source>
        <translation>命令服务的 TCP 端口（默认 4070）。</translation>
    </message>
    <message>
        <source>The file, or the folder (with several devices, with --history, or when PATH is a folder or ends with a slash).</source>
        <translation>文件；或目录（有多台设备、使用 --history，或 PATH 是目录或以斜杠结尾时）。</translation>
    </message>
    <message>
        <source>Overwrite files that exist in the folder.</source>
        <translation>覆盖目录中已存在的文件。</translation>
    </message>
    <message>
        <source>Print what would be sent, byte for byte but for the password&apos;s value, which shows as asterisks; send nothing (with --only-changed the devices are read).</source>
        <translation>逐字节输出将要发送的内容（密码的值除外，显示为星号）；不发送任何内容（使用 --only-changed 时会读取设备）。</translation>
    </message>
    <message>
        <source>Send only the settings that differ on the device.</source>
        <translation>只发送与设备上的值不同的参数。</translation>
    </message>
    <message>
        <source>As in the usage line above.</source>
        <translation>见上方的用法行。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no command; &quot;tolvoctl --help&quot; lists them.</source>
        <translation>“%1”不是命令；&quot;tolvoctl --help&quot; 会列出所有命令。</translation>
    </message>
    <message>
        <source>--%1 takes a whole number from %2 to %3.</source>
        <translation>--%1 需要 %2 到 %3 之间的整数。</translation>
    </message>
    <message>
        <source>No device address given (there is no default): give ADDRESS or --hosts FILE.</source>
        <translation>未给出设备地址（没有默认地址）：请给出 ADDRESS 或 --hosts FILE。</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>标准输入</translation>
    </message>
    <message>
        <source>%1 is not valid; nothing was sent.</source>
        <translation>%1 无效；未发送任何内容。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither an address nor a setting&apos;s key.</source>
        <translation>“%1”既不是地址，也不是参数的键。</translation>
    </message>
    <message>
        <source>backup needs -o PATH.</source>
        <translation>backup 需要 -o PATH。</translation>
    </message>
    <message>
        <source>Cannot make the folder %1.</source>
        <translation>无法创建目录 %1。</translation>
    </message>
    <message>
        <source>check takes one FILE.</source>
        <translation>check 需要一个 FILE。</translation>
    </message>
    <message>
        <source>diff takes ADDRESS and FILE, or two FILEs (a FILE may be SERIAL@VERSION).</source>
        <translation>diff 需要 ADDRESS 和 FILE，或两个 FILE（FILE 可以是 SERIAL@VERSION）。</translation>
    </message>
    <message>
        <source>diff compares one device with a file.</source>
        <translation>diff 只能将一台设备与文件比较。</translation>
    </message>
    <message>
        <source>restore takes ADDRESS... and FILE.</source>
        <translation>restore 需要 ADDRESS... 和 FILE。</translation>
    </message>
    <message>
        <source>set takes ADDRESS... and KEY=VALUE....</source>
        <translation>set 需要 ADDRESS... 和 KEY=VALUE...。</translation>
    </message>
    <message>
        <source>%1 Nothing was sent.</source>
        <translation>%1 未发送任何内容。</translation>
    </message>
    <message>
        <source>scan takes RANGE....</source>
        <translation>scan 需要 RANGE...。</translation>
    </message>
    <message>
        <source>%1: value &quot;%2&quot; breaks the rule; %3</source>
        <translation>%1：值“%2”违反规则；%3</translation>
    </message>
    <message>
        <source>%1 of %2 devices</source>
        <translation>%1/%2 台设备</translation>
    </message>
    <message>
        <source>1 setting</source>
        <translation>1 个参数</translation>
    </message>
    <message>
        <source>%1 settings</source>
        <translation>%1 个参数</translation>
    </message>
    <message>
        <source>%1 of %2 devices succeeded.</source>
        <translation>%2 台设备中有 %1 台成功。</translation>
    </message>
    <message>
        <source>%1 of %2 devices read.</source>
        <translation>%2 台设备中已读取 %1 台。</translation>
    </message>
    <message>
        <source>another device has the serial number &quot;%1&quot;; %2 was not written</source>
        <translation>另一台设备的序列号也是“%1”；未写入 %2</translation>
    </message>
    <message>
        <source>%1 exists; not overwritten (--force overwrites)</source>
        <translation>%1 已存在；未覆盖（--force 可覆盖）</translation>
    </message>
    <message>
        <source>%1 holds the backup of another device (serial number &quot;%2&quot;); not overwritten</source>
        <translation>%1 中是另一台设备（序列号“%2”）的备份；未覆盖</translation>
    </message>
    <message>
        <source>saved %1 to %2</source>
        <translation>已将 %1 保存到 %2</translation>
    </message>
    <message>
        <source>%1: valid, %2 settings.</source>
        <translation>%1：有效，%2 个参数。</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; in %3, &quot;%4&quot; in %5</source>
        <translation>%1：%3 中为“%2”，%5 中为“%4”</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; in %3, not in %4</source>
        <translation>%1：%3 中为“%2”，%4 中没有</translation>
    </message>
    <message>
        <source>%1: not in %2, &quot;%3&quot; in %4</source>
        <translation>%1：%2 中没有，%4 中为“%3”</translation>
    </message>
    <message>
        <source>A history needs the git program, and none was found.</source>
        <translation>历史记录需要 git 程序，但未找到。</translation>
    </message>
    <message>
        <source>git %1 failed: %2</source>
        <translation>git %1 失败：%2</translation>
    </message>
    <message>
        <source>exit status %1</source>
        <translation>退出状态 %1</translation>
    </message>
    <message>
        <source>git %1 gave output that could not be read, for %2.</source>
        <translation>git %1 为 %2 给出的输出无法解读。</translation>
    </message>
    <message>
        <source>git %1 did not finish within %2 seconds.</source>
        <translation>git %1 未在 %2 秒内完成。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no version of %2: give a commit, or HEAD~1 and the like.</source>
        <translation>“%1”不是 %2 的版本：请给出一个提交，或 HEAD~1 之类。</translation>
    </message>
    <message>
        <source>Cannot make the lock file %1.</source>
        <translation>无法创建锁文件 %1。</translation>
    </message>
    <message>
        <source>process %1 on %2</source>
        <translation>%2 上的进程 %1</translation>
    </message>
    <message>
        <source>%1 is in use by another backup (%2); nothing was read or written.</source>
        <translation>%1 正被另一个备份（%2）使用；未读取或写入任何内容。</translation>
    </message>
    <message>
        <source>%1 is in use by another backup; waiting for it to end (at most %2 minutes).</source>
        <translation>%1 正被另一个备份使用；正在等待其结束（最多 %2 分钟）。</translation>
    </message>
    <message>
        <source>History: the files already in the folder, committed first as %1.</source>
        <translation>历史记录：目录中原有的文件已先行提交为 %1。</translation>
    </message>
    <message>
        <source>History: commit %1 (%2).</source>
        <translation>历史记录：提交 %1（%2）。</translation>
    </message>
    <message>
        <source>History: nothing changed, no commit.</source>
        <translation>历史记录：无更改，未提交。</translation>
    </message>
    <message>
        <source>new</source>
        <translation>新增</translation>
    </message>
    <message>
        <source>history takes DIR and SERIAL.</source>
        <translation>history 需要 DIR 和 SERIAL。</translation>
    </message>
    <message>
        <source>%1 has no versions of %2.</source>
        <translation>%1 中没有 %2 的任何版本。</translation>
    </message>
    <message>
        <source>%1: device &quot;%2&quot;, file &quot;%3&quot;</source>
        <translation>%1：设备中为“%2”，文件中为“%3”</translation>
    </message>
    <message>
        <source>%1 differs</source>
        <translation>%1 不同</translation>
    </message>
    <message>
        <source>%1 differ</source>
        <translation>%1 不同</translation>
    </message>
    <message>
        <source>would send</source>
        <translation>将发送</translation>
    </message>
    <message>
        <source>nothing sent (dry run)</source>
        <translation>未发送任何内容（试运行）</translation>
    </message>
    <message>
        <source>%1 sent, all kept</source>
        <translation>已发送 %1，全部保留</translation>
    </message>
    <message>
        <source>nothing differs, nothing sent</source>
        <translation>无差异，未发送任何内容</translation>
    </message>
    <message>
        <source>%1 sent; NOT KEPT: %2</source>
        <translation>已发送 %1；【未保留】：%2</translation>
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
        <translation>%2 个地址中有 %1 个响应。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no IPv4 address (four numbers from 0 to 255 joined by dots).</source>
        <translation>“%1”不是 IPv4 地址（以点连接的四个 0 到 255 的数）。</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: a prefix length is 0 to 32.</source>
        <translation>“%1”：前缀长度应为 0 到 32。</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the last address comes before the first.</source>
        <translation>“%1”：末地址在首地址之前。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no range: give A.B.C.D/N or FIRST-LAST.</source>
        <translation>“%1”不是范围：请给出 A.B.C.D/N 或 FIRST-LAST。</translation>
    </message>
    <message>
        <source>A scan takes at most %1 addresses in all.</source>
        <translation>一次扫描总共最多 %1 个地址。</translation>
    </message>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation>无法读取 %1：%2。</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>无法写入 %1：%2。</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1，第 %2 行：%3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no setting: give KEY=VALUE.</source>
        <translation>“%1”不是参数设置：请给出 KEY=VALUE。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no setting that can be written.</source>
        <translation>“%1”不是可写的参数。</translation>
    </message>
    <message>
        <source>%1: value &quot;%2&quot; is not valid; %3.</source>
        <translation>%1：值“%2”无效；%3。</translation>
    </message>
    <message>
        <source>Not JSON: %1 at byte %2.</source>
        <translation>不是 JSON：%1（第 %2 字节处）。</translation>
    </message>
    <message>
        <source>Not a settings file: the top level is no JSON object.</source>
        <translation>不是参数文件：顶层不是 JSON 对象。</translation>
    </message>
    <message>
        <source>Not a settings file of format &quot;%1&quot;, version %2.</source>
        <translation>不是格式为“%1”、版本为 %2 的参数文件。</translation>
    </message>
    <message>
        <source>The file has no &quot;settings&quot; object.</source>
        <translation>文件中没有 &quot;settings&quot; 对象。</translation>
    </message>
    <message>
        <source>%1: no setting of that name can be written.</source>
        <translation>%1：没有此名称的可写参数。</translation>
    </message>
    <message>
        <source>%1: the value must be a JSON string.</source>
        <translation>%1：值必须是 JSON 字符串。</translation>
    </message>
    <message>
        <source>allowed: %1</source>
        <translation>允许的值：%1</translation>
    </message>
    <message>
        <source>an IPv4 address: four numbers from 0 to 255 joined by dots</source>
        <translation>IPv4 地址：以点连接的四个 0 到 255 的数</translation>
    </message>
    <message>
        <source>a whole number from %1 to %2</source>
        <translation>%1 到 %2 之间的整数</translation>
    </message>
    <message>
        <source>one of %1</source>
        <translation>以下之一：%1</translation>
    </message>
    <message>
        <source>text of at most %1 Latin-1 characters, without line breaks or zero characters</source>
        <translation>最多 %1 个 Latin-1 字符的文本，不含换行符或零字符</translation>
    </message>
    <message>
        <source>connecting</source>
        <translation>连接</translation>
    </message>
    <message>
        <source>reading</source>
        <translation>读取</translation>
    </message>
    <message>
        <source>sending</source>
        <translation>发送</translation>
    </message>
    <message>
        <source>failed while %1: %2</source>
        <translation>%1时失败：%2</translation>
    </message>
    <message>
        <source>no connection could be made</source>
        <translation>无法建立连接</translation>
    </message>
    <message>
        <source>the device did not answer in time</source>
        <translation>设备未及时响应</translation>
    </message>
    <message>
        <source>the device closed the connection</source>
        <translation>设备关闭了连接</translation>
    </message>
    <message>
        <source>a reply was longer than %1 bytes</source>
        <translation>应答超过了 %1 字节</translation>
    </message>
    <message>
        <source>a command would be longer than %1 bytes</source>
        <translation>命令将超过 %1 字节</translation>
    </message>
    <message>
        <source>sending to the device failed</source>
        <translation>向设备发送失败</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>已取消</translation>
    </message>
    <message>
        <source>the device sent more reply lines than it was asked for; its replies cannot be matched to the settings</source>
        <translation>设备发送的应答行多于所请求的行数；其应答无法与参数一一对应</translation>
    </message>
    <message>
        <source>%1: sent &quot;%2&quot;, the device holds &quot;%3&quot;</source>
        <translation>%1：发送的是“%2”，设备中的值为“%3”</translation>
    </message>
    <message>
        <source>%1 (the apply command was not answered)</source>
        <translation>%1（应用命令未得到应答）</translation>
    </message>
    <message>
        <source>Exit status: 0 success; 1 differences found or a read-back did not match; 2 a malformed argument or file (nothing is sent); 3 a device could not be read or written, or a file or the output could not be written.</source>
        <translation>退出状态：0 成功；1 发现差异或回读结果不一致；2 命令行参数或文件格式错误（不发送任何内容）；3 无法读取或写入设备，或无法写入文件或输出。</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>标准输出</translation>
    </message>
    <message>
        <source>History: nothing changed in the files written, no commit.</source>
        <translation>历史记录：所写入的文件无更改，未提交。</translation>
    </message>
    <message>
        <source>Send values that are a device&apos;s error reply (&quot;ERROR&quot; alone or followed by a blank, as a device answers a key it does not know), which restore refuses otherwise: a backup of a device that lacked a setting holds one.</source>
        <translation>发送属于设备错误应答的值（单独的 &quot;ERROR&quot;，或 &quot;ERROR&quot; 后跟空白，即设备对不认识的键给出的应答）；否则 restore 会拒绝这类值：从缺少某个参数的设备所做的备份就含有这样的值。</translation>
    </message>
    <message>
        <source>%1 The file holds it as the device sent it; restore sends it only with --send-error-replies.</source>
        <translation>%1 文件按设备发来的原样保存了该值；只有指定 --send-error-replies 时 restore 才会发送它。</translation>
    </message>
    <message>
        <source>%1 A restore sends it only with --send-error-replies.</source>
        <translation>%1 只有指定 --send-error-replies 时 restore 才会发送它。</translation>
    </message>
    <message>
        <source>%1 It is sent only with --send-error-replies.</source>
        <translation>%1 只有指定 --send-error-replies 时才会发送它。</translation>
    </message>
    <message>
        <source>%1 holds a device&apos;s error reply as a value; nothing was sent.</source>
        <translation>%1 中有值是设备的错误应答；未发送任何内容。</translation>
    </message>
    <message>
        <source>%1: value &quot;%2&quot; holds a line break or a zero byte, which would end the command early and send the rest as a command of its own; no value may hold one.</source>
        <translation>%1：值“%2”含有换行符或零字节，会使命令提前结束，并把其余部分作为另一条命令发送；任何值都不得含有这类字符。</translation>
    </message>
    <message>
        <source>%1: value &quot;%2&quot; is the error reply a device gives for a key it does not know, not a setting.</source>
        <translation>%1：值“%2”是设备对不认识的键给出的错误应答，而不是参数值。</translation>
    </message>
    <message>
        <source>Devices talked to at once (default 16; scan: 64), up to 1000; fewer where this computer&apos;s limit on open files (ulimit -n) leaves room for fewer.</source>
        <translation>同时通信的设备数（默认 16；scan：64），最多 1000；若本机的打开文件数上限（ulimit -n）容纳不下，则相应减少。</translation>
    </message>
    <message>
        <source>Also the addresses in FILE, one a line; # starts a comment. At most 4096 devices in all, and a FILE of at most 1 MiB.</source>
        <translation>另外使用 FILE 中的地址，每行一个；# 开始注释。总共最多 4096 台设备，FILE 最大 1 MiB。</translation>
    </message>
    <message>
        <source>%1 The run stopped: %2 of %3 devices were not tried, and nothing was sent to them.</source>
        <translation>%1 运行已停止：%3 台设备中有 %2 台未尝试，也未向它们发送任何内容。</translation>
    </message>
    <message>
        <source>%1 The scan stopped: %2 of %3 addresses were not tried.</source>
        <translation>%1 扫描已停止：%3 个地址中有 %2 个未尝试。</translation>
    </message>
    <message>
        <source>This computer could not open another connection: it has too many files and connections open.</source>
        <translation>本机无法再打开新的连接：打开的文件和连接过多。</translation>
    </message>
    <message>
        <source>A program may hold %1 open at once here (ulimit -n).</source>
        <translation>在本机上，一个程序最多可同时打开 %1 个文件和连接（ulimit -n）。</translation>
    </message>
    <message>
        <source>Not tried: nothing was sent to it.</source>
        <translation>未尝试：未向其发送任何内容。</translation>
    </message>
    <message>
        <source>%1 is larger than %2 KiB, which no settings file is (one of every setting is about 1 KiB).</source>
        <translation>%1 大于 %2 KiB，而任何参数文件都不会这么大（包含全部参数的文件约为 1 KiB）。</translation>
    </message>
    <message>
        <source>%1 is larger than %2 KiB, which no list of at most %3 addresses needs to be.</source>
        <translation>%1 大于 %2 KiB，而最多 %3 个地址的列表不需要这么大。</translation>
    </message>
    <message>
        <source>At most %1 devices are taken at a time; split the list of addresses.</source>
        <translation>一次最多处理 %1 台设备；请拆分地址列表。</translation>
    </message>
    <message>
        <source>%1 sent and kept</source>
        <translation>已发送 %1 并已保留</translation>
    </message>
    <message>
        <source>%1; BUT SETTINGS THAT WERE NOT SENT READ OTHERWISE AFTER THE APPLY (any apply commits a value that an earlier, interrupted write left pending on the device): %2</source>
        <translation>%1；【但未发送的参数在应用后读出的值已改变】（任何一次应用都会使之前被中断的写入遗留在设备上的待生效值生效）：%2</translation>
    </message>
    <message>
        <source>%1: not sent, but read as &quot;%2&quot; before the apply and &quot;%3&quot; after it</source>
        <translation>%1：未发送，但应用前读出为“%2”，应用后为“%3”</translation>
    </message>
    <message>
        <source>%1; settings had been sent without the apply command: the device may hold them pending, and its next apply, of any write, commits them</source>
        <translation>%1；参数已发送，但未发送应用命令：设备可能将其保留为待生效状态，其下一次应用（无论来自哪次写入）都会使其生效</translation>
    </message>
    <message>
        <source>%1 after the settings and the apply command were sent: the device may have applied them, and any value an earlier write left pending on it; read it to see what it holds</source>
        <translation>%1，此时参数和应用命令均已发送：设备可能已应用这些参数，以及之前的写入遗留在设备上的任何待生效值；请读取设备以查看其实际值</translation>
    </message>
    <message>
        <source>Usage: tolvoctl COMMAND [options] ...

Commands:
%1
&quot;tolvoctl COMMAND --help&quot; describes a command. Every command that takes ADDRESS takes several, or --hosts FILE; there is no default address. restore and set give many devices each its own static address with an address plan: --plan FILE (a line for each device, its serial number or current address, then its new address) or --plan-first A.B.C.D/N (counted upward in the order of the devices); a plan with one address for several devices, the network or broadcast address, an address outside the subnet, a device or line that does not match, or an address where another device already answers (a device switched off cannot be seen) is refused with exit status 2, and nothing is sent.

%2
</source>
        <translation>用法：tolvoctl COMMAND [选项] ...

命令：
%1
&quot;tolvoctl COMMAND --help&quot; 介绍某个命令。凡是接受 ADDRESS 的命令都可接受多个地址，或 --hosts FILE；没有默认地址。restore 和 set 可通过地址规划为多台设备各分配一个静态地址：--plan FILE（每台设备一行，先写序列号或当前地址，再写新地址）或 --plan-first A.B.C.D/N（按设备顺序递增分配）；如果地址规划把同一地址分给多台设备、使用网络地址或广播地址、地址不在子网内、设备或行无法对应，或某个地址上已有另一台设备响应（已关机的设备无法被发现），则该规划被拒绝，退出状态为 2，且不发送任何内容。

%2
</translation>
    </message>
    <message>
        <source>Bound on the wait for a device that the settings sent move (a new address, DHCP, another network) to answer again, in ms (default 60000).</source>
        <translation>所发送的参数使设备迁移（新地址、DHCP、其他网络）后，等待设备重新响应的上限，单位为 ms（默认 60000）。</translation>
    </message>
    <message>
        <source>An address plan for the devices: a line for each, its serial number or current address, then its new address (# starts a comment). Each gets its own IPADDRESS, the IPMASK sent and DHCP 0; the plan is checked before anything is sent.</source>
        <translation>设备的地址规划：每台设备一行，先写序列号或当前地址，再写新地址（# 开始注释）。每台设备获得各自的 IPADDRESS、所发送的 IPMASK 以及 DHCP 0；发送任何内容之前先检查规划。</translation>
    </message>
    <message>
        <source>An address plan counted upward from A.B.C.D in the order of the devices, with the mask of prefix length N: each gets its own IPADDRESS, that IPMASK and DHCP 0; checked before anything is sent.</source>
        <translation>从 A.B.C.D 起按设备顺序递增的地址规划，掩码的前缀长度为 N：每台设备获得各自的 IPADDRESS、该 IPMASK 以及 DHCP 0；发送任何内容之前先行检查。</translation>
    </message>
    <message>
        <source>Give --plan or --plan-first, not both.</source>
        <translation>请给出 --plan 或 --plan-first，不能两者都给。</translation>
    </message>
    <message>
        <source>--plan needs the mask among the settings sent (IPMASK=...).</source>
        <translation>--plan 要求所发送的参数中包含掩码（IPMASK=...）。</translation>
    </message>
    <message>
        <source>looking for the device after the apply</source>
        <translation>应用后查找设备</translation>
    </message>
    <message>
        <source>%1; read back at its new address %2</source>
        <translation>%1；已在新地址 %2 回读</translation>
    </message>
    <message>
        <source>the settings and the apply command were sent; they move the device to %1, and it answered neither there nor at %2 within %3 seconds: look for it at %1 (it may still be restarting, or that address is not reachable from this computer)</source>
        <translation>参数和应用命令已发送；这些参数使设备迁移到 %1，但设备在 %3 秒内既未在该地址也未在 %2 响应：请在 %1 查找它（它可能仍在重启，或本机无法访问该地址）</translation>
    </message>
    <message>
        <source>the settings and the apply command were sent; they turn DHCP on, and the device did not answer at %1 within %2 seconds: its DHCP server chooses its address; find it with a scan of the site&apos;s addresses</source>
        <translation>参数和应用命令已发送；这些参数开启了 DHCP，但设备在 %2 秒内未在 %1 响应：其地址由 DHCP 服务器分配；请扫描现场的地址来查找它</translation>
    </message>
    <message>
        <source>the settings and the apply command were sent; they join the device to another network (SSID, password or network type), and it did not answer at %1 within %2 seconds: join that network to reach it, then find it with a scan</source>
        <translation>参数和应用命令已发送；这些参数使设备加入另一个网络（SSID、密码或网络类型），但设备在 %2 秒内未在 %1 响应：请加入该网络以访问它，然后通过扫描查找它</translation>
    </message>
    <message>
        <source>the settings and the apply command were sent; they join the device to another network (SSID, password or network type) at the address %1, and it answered neither there nor at %2 within %3 seconds: join that network to reach it at %1</source>
        <translation>参数和应用命令已发送；这些参数使设备以地址 %1 加入另一个网络（SSID、密码或网络类型），但设备在 %3 秒内既未在该地址也未在 %2 响应：请加入该网络，在 %1 访问它</translation>
    </message>
    <message>
        <source>the settings and the apply command were sent; another device (serial number &quot;%1&quot;) answers at %2, where this one was looked for after the apply: it was not read back; look for it with a scan, and give the two devices addresses of their own</source>
        <translation>参数和应用命令已发送；应用后在 %2 查找本设备时，响应的是另一台设备（序列号“%1”）：本设备未回读；请通过扫描查找它，并为这两台设备各分配不同的地址</translation>
    </message>
    <message>
        <source>the settings and the apply command were sent; the device may restart on them, and it did not answer at %1 within %2 seconds</source>
        <translation>参数和应用命令已发送；设备可能因此重启，它在 %2 秒内未在 %1 响应</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 → %2</translation>
    </message>
    <message>
        <source>%1 (no address)</source>
        <translation>%1（无地址）</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no first address of a plan: give A.B.C.D/N (the prefix length is the mask).</source>
        <translation>“%1”不是有效的规划起始地址：请给出 A.B.C.D/N（前缀长度即为掩码）。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no line of a plan: give the device&apos;s serial number or current address, then blanks, then its new address.</source>
        <translation>“%1”不是有效的规划行：请给出设备的序列号或当前地址，接着是空白，然后是其新地址。</translation>
    </message>
    <message>
        <source>%1 gives no device an address.</source>
        <translation>%1 未给任何设备分配地址。</translation>
    </message>
    <message>
        <source>%1 is no mask of a subnet (its ones do not come first).</source>
        <translation>%1 不是有效的子网掩码（其中的 1 没有全部排在前面）。</translation>
    </message>
    <message>
        <source>One address for several devices: %1.</source>
        <translation>同一地址分配给了多台设备：%1。</translation>
    </message>
    <message>
        <source>%1: the network address of the subnet %2, which no device may have.</source>
        <translation>%1：这是子网 %2 的网络地址，不能分配给任何设备。</translation>
    </message>
    <message>
        <source>%1: the broadcast address of the subnet %2, which no device may have.</source>
        <translation>%1：这是子网 %2 的广播地址，不能分配给任何设备。</translation>
    </message>
    <message>
        <source>%1: outside the subnet %2 of the mask.</source>
        <translation>%1：不在掩码所定的子网 %2 内。</translation>
    </message>
    <message>
        <source>%1: no line of the plan names this device.</source>
        <translation>%1：地址规划中没有任何一行指定此设备。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is none of the devices sent to.</source>
        <translation>“%1”不是任何一台发送目标设备。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names a device that an earlier line names too.</source>
        <translation>“%1”指定的设备已在前面的行中指定过。</translation>
    </message>
    <message>
        <source>%1: another device already answers at this address (a device that is switched off cannot be seen).</source>
        <translation>%1：此地址上已有另一台设备响应（已关机的设备无法被发现）。</translation>
    </message>
    <message>
        <source>The address plan is refused; nothing was sent:</source>
        <translation>地址规划被拒绝；未发送任何内容：</translation>
    </message>
    <message>
        <source>the plan</source>
        <translation>地址规划</translation>
    </message>
    <message>
        <source>Messages and help are in the language of --lang LANGUAGE (%1), else of LC_ALL, LC_MESSAGES or LANG, else of the system. --json output is always in English, whatever the language.</source>
        <translation>消息和帮助使用 --lang LANGUAGE（%1）指定的语言；未指定时使用 LC_ALL、LC_MESSAGES 或 LANG 的语言；都没有时使用系统语言。无论使用何种语言，--json 的输出始终为英文。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no language tolvoctl speaks; it speaks %2.</source>
        <translation>“%1”不是 tolvoctl 支持的语言；支持的语言为 %2。</translation>
    </message>
    <message>
        <source>--lang needs a language, for instance --lang de.</source>
        <translation>--lang 需要指定语言，例如 --lang de。</translation>
    </message>
    <message>
        <source>The technician&apos;s note in the record of --record.</source>
        <translation>写入 --record 记录中的技术人员备注。</translation>
    </message>
    <message>
        <source>--note goes into a record: give --record FILE too.</source>
        <translation>--note 用于写入记录：请同时给出 --record FILE。</translation>
    </message>
    <message>
        <source>%1; matches: the device holds every value</source>
        <translation>%1；一致：设备中的值全部相符</translation>
    </message>
    <message>
        <source>%1; differs: %2</source>
        <translation>%1；不一致：%2</translation>
    </message>
    <message>
        <source>Record: %1, SHA-256 %2</source>
        <translation>记录：%1，SHA-256 %2</translation>
    </message>
    <message>
        <source>%1 The record was not written; each device&apos;s result stands as reported.</source>
        <translation>%1 未写入记录；各设备的结果以已报告的为准。</translation>
    </message>
    <message>
        <source>the settings and the apply command were sent, but they could not be read back: the device may have applied them; read it to see what it holds</source>
        <translation>参数和应用命令已发送，但无法回读：设备可能已应用这些参数；请读取设备以查看其实际值</translation>
    </message>
    <message>
        <source>Not a commissioning record of format &quot;%1&quot;, version %2.</source>
        <translation>不是格式为“%1”、版本为 %2 的调试记录。</translation>
    </message>
    <message>
        <source>The record&apos;s member %1 is missing or of the wrong type.</source>
        <translation>记录的成员 %1 缺失或类型错误。</translation>
    </message>
    <message>
        <source>The record&apos;s member %1 holds &quot;%2&quot;, which a record does not.</source>
        <translation>记录的成员 %1 的值为“%2”，而记录中不会有这样的值。</translation>
    </message>
    <message>
        <source>The record&apos;s member %1 holds a Wi-Fi password&apos;s value, which a record never does (only &quot;********&quot; or nothing).</source>
        <translation>记录的成员 %1 含有 Wi-Fi 密码的值，而记录中绝不会包含密码的值（只会是 &quot;********&quot; 或为空）。</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MiB, which no record is.</source>
        <translation>%1 大于 %2 MiB，而任何记录都不会这么大。</translation>
    </message>
    <message>
        <source>Also writes the run&apos;s commissioning record to FILE: for every device its address, serial number, firmware, every setting as read back (the password as asterisks), whether each was verified and what changed, with the time and the note, as JSON; it prints the file&apos;s SHA-256. With --dry-run of restore the devices are read and compared with the file (a check): each matches or differs, and exit status 1 says that one differs.</source>
        <translation>同时将本次运行的调试记录以 JSON 格式写入 FILE：包括每台设备的地址、序列号、固件、回读的全部参数（密码显示为星号）、各参数是否已验证以及更改了什么，并附有时间和备注；同时输出该文件的 SHA-256。restore 使用 --dry-run 时，会读取各设备并与文件比较（检查）：每台设备的结果为一致或不一致，退出状态 1 表示有设备不一致。</translation>
    </message>
    <message>
        <source>%1 matching, %2 differing, %3 failed</source>
        <translation>%1 台一致，%2 台不一致，%3 台失败</translation>
    </message>
    <message>
        <source>it is no regular file (a folder, a device or a pipe)</source>
        <translation>它不是普通文件（而是目录、设备文件或管道）</translation>
    </message>
    <message>
        <source>The record&apos;s member %1 is longer than a record&apos;s ever is (at most %2).</source>
        <translation>记录的成员 %1 过长，任何记录中的该成员都不会这么长（最多 %2）。</translation>
    </message>
    <message>
        <source>%1 is also a file this command reads or writes: a record needs a file of its own.</source>
        <translation>%1 也是此命令读取或写入的文件：记录需要单独的文件。</translation>
    </message>
    <message>
        <source>%1 exists and is no commissioning record: a record replaces only an earlier record.</source>
        <translation>%1 已存在且不是调试记录：记录只会替换先前的记录。</translation>
    </message>
</context>
</TS>
