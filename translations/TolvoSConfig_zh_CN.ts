<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Strings</name>
    <message>
        <source>&amp;About TolvoConfig...</source>
        <translation>关于 TolvoConfig(&amp;A)...</translation>
    </message>
    <message>
        <source>Windows sockets initialization failed.</source>
        <translation>Windows 套接字初始化失败。</translation>
    </message>
    <message>
        <source>Info / DSC Parameters</source>
        <translation>信息 / DSC 参数</translation>
    </message>
    <message>
        <source>WiFi Settings</source>
        <translation>WiFi 设置</translation>
    </message>
    <message>
        <source>Port Settings</source>
        <translation>串口设置</translation>
    </message>
    <message>
        <source>Port Routing</source>
        <translation>端口路由</translation>
    </message>
    <message>
        <source>%1 - version: %2</source>
        <translation>%1 - 版本：%2</translation>
    </message>
    <message>
        <source>Discard the changes that have not been saved to the device?</source>
        <translation>放弃尚未保存到设备的更改吗？</translation>
    </message>
    <message>
        <source>Unsaved Changes</source>
        <translation>未保存的更改</translation>
    </message>
    <message>
        <source>Reading the settings from %1</source>
        <translation>正在从 %1 读取参数</translation>
    </message>
    <message>
        <source>Nothing was loaded: the pages still show what they showed before.</source>
        <translation>未读取任何内容：各页面仍显示原来的内容。</translation>
    </message>
    <message>
        <source>Load Failed</source>
        <translation>读取失败</translation>
    </message>
    <message>
        <source>Current configuration has been loaded from Tolvo.</source>
        <translation>已从 Tolvo 读取当前配置。</translation>
    </message>
    <message>
        <source>Success!</source>
        <translation>成功！</translation>
    </message>
    <message>
        <source>Some values cannot be shown exactly as the device holds them. Their fields are marked, and a save leaves them as the device holds them unless you edit them:
%1</source>
        <translation>有些值无法按设备中的原样显示。这些字段已做标记；除非您编辑它们，否则保存时设备中的原值保持不变：
%1</translation>
    </message>
    <message>
        <source>%1: the device holds &quot;%2&quot;</source>
        <translation>%1：设备中的值为“%2”</translation>
    </message>
    <message>
        <source>Changed since the last load or save.</source>
        <translation>自上次读取或保存以来已更改。</translation>
    </message>
    <message>
        <source>The device holds &quot;%1&quot;; shown here as near as this field can.</source>
        <translation>设备中的值为“%1”；此处以该字段所能显示的最接近形式显示。</translation>
    </message>
    <message>
        <source>Current configuration has been saved to Tolvo.</source>
        <translation>当前配置已保存到 Tolvo。</translation>
    </message>
    <message>
        <source>Not sent, the device&apos;s value matches no item: %1.</source>
        <translation>未发送，设备中的值与任何选项都不匹配：%1。</translation>
    </message>
    <message>
        <source>Load the configuration from the device first.

Until a load has succeeded the pages hold blank values, and saving them would overwrite the device&apos;s settings.</source>
        <translation>请先从设备读取配置。

在读取成功之前，各页面中的值为空，保存它们会覆盖设备的参数。</translation>
    </message>
    <message>
        <source>Save Configuration</source>
        <translation>保存配置</translation>
    </message>
    <message>
        <source>A text setting cannot be stored on the device. Nothing was sent.</source>
        <translation>有一个文本参数无法保存到设备中。未发送任何内容。</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>保存失败</translation>
    </message>
    <message>
        <source>Sending the settings to %1</source>
        <translation>正在向 %1 发送参数</translation>
    </message>
    <message>
        <source>All settings were sent, but the device did not confirm that it applied them (it may have restarted).

Load the configuration to see what the device holds.</source>
        <translation>所有参数均已发送，但设备未确认已应用这些参数（设备可能已重启）。

请读取配置，查看设备中的实际值。</translation>
    </message>
    <message>
        <source>Save Not Confirmed</source>
        <translation>保存未确认</translation>
    </message>
    <message>
        <source>Saving was cancelled. Some settings may have reached the device, but the apply command was not sent, so the device has not applied them.</source>
        <translation>保存已取消。部分参数可能已到达设备，但未发送应用命令，因此设备尚未应用这些参数。</translation>
    </message>
    <message>
        <source>Saving was cancelled before anything was sent: the device keeps its settings.</source>
        <translation>保存在发送任何内容之前已取消：设备保留其原有参数。</translation>
    </message>
    <message>
        <source>Save Cancelled</source>
        <translation>保存已取消</translation>
    </message>
    <message>
        <source>Nothing was sent: the device keeps its settings.</source>
        <translation>未发送任何内容：设备保留其原有参数。</translation>
    </message>
    <message>
        <source>Saving stopped before the device confirmed every setting. The apply command was not sent, so the device has not applied the new settings.</source>
        <translation>在设备确认全部参数之前保存已中止。未发送应用命令，因此设备尚未应用新参数。</translation>
    </message>
    <message>
        <source>The settings were loaded from %1. Send them to %2?</source>
        <translation>这些参数是从 %1 读取的。要将其发送到 %2 吗？</translation>
    </message>
    <message>
        <source>The device applied the settings, but reading them back gave other values for: %1.

Load the configuration to see what the device holds.</source>
        <translation>设备已应用参数，但回读时以下参数的值不同：%1。

请读取配置，查看设备中的实际值。</translation>
    </message>
    <message>
        <source>The device confirmed that it applied the settings, but they could not be read back to check them (it may have restarted).

Load the configuration to see what the device holds.</source>
        <translation>设备已确认应用参数，但无法回读以进行核对（设备可能已重启）。

请读取配置，查看设备中的实际值。</translation>
    </message>
    <message>
        <source>Not sent, the device keeps the value it holds: %1.</source>
        <translation>未发送，设备保留其现有值：%1。</translation>
    </message>
    <message>
        <source>Changed: %1.</source>
        <translation>已更改：%1。</translation>
    </message>
    <message>
        <source>No setting changed on the device.</source>
        <translation>设备上没有参数发生更改。</translation>
    </message>
    <message>
        <source>Could not connecto to Tolvo.</source>
        <translation>无法连接到 Tolvo。</translation>
    </message>
    <message>
        <source>Connection Error</source>
        <translation>连接错误</translation>
    </message>
    <message>
        <source>Sending to the device failed.</source>
        <translation>向设备发送失败。</translation>
    </message>
    <message>
        <source>The device&apos;s address could not be found.</source>
        <translation>找不到设备的地址。</translation>
    </message>
    <message>
        <source>The device&apos;s address has no data record.</source>
        <translation>设备的地址没有数据记录。</translation>
    </message>
    <message>
        <source>The connection to the device failed: %1.</source>
        <translation>与设备的连接失败：%1。</translation>
    </message>
    <message>
        <source>The device did not answer within %1 seconds.</source>
        <translation>设备在 %1 秒内未响应。</translation>
    </message>
    <message>
        <source>The device closed the connection.</source>
        <translation>设备关闭了连接。</translation>
    </message>
    <message>
        <source>The device sent a reply longer than %1 bytes.</source>
        <translation>设备发送的应答超过了 %1 字节。</translation>
    </message>
    <message>
        <source>A setting is too long to send: a command may hold at most %1 bytes.</source>
        <translation>有一个参数过长，无法发送：一条命令最多只能有 %1 字节。</translation>
    </message>
    <message>
        <source>No connection to the device could be made.</source>
        <translation>无法与设备建立连接。</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>已取消。</translation>
    </message>
    <message>
        <source>Unknown result %1.</source>
        <translation>未知结果 %1。</translation>
    </message>
    <message>
        <source>The device sent more reply lines than it was asked for, so its replies cannot be matched to the settings.</source>
        <translation>设备发送的应答行多于所请求的行数，因此其应答无法与参数一一对应。</translation>
    </message>
    <message>
        <source>The device name</source>
        <translation>设备名称</translation>
    </message>
    <message>
        <source>The SSID</source>
        <translation>SSID</translation>
    </message>
    <message>
        <source>The password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>%1 can hold at most %2 characters; this one has %3.</source>
        <translation>%1 最多只能有 %2 个字符；当前为 %3 个。</translation>
    </message>
    <message>
        <source>%1 can hold only Latin-1 characters (U+0000 to U+00FF).</source>
        <translation>%1 只能包含 Latin-1 字符（U+0000 到 U+00FF）。</translation>
    </message>
    <message>
        <source>%1 cannot hold line breaks or zero characters.</source>
        <translation>%1 不能包含换行符或零字符。</translation>
    </message>
    <message>
        <source>Please enter a whole number.</source>
        <translation>请输入整数。</translation>
    </message>
    <message>
        <source>Please enter a whole number between %1 and %2.</source>
        <translation>请输入 %1 到 %2 之间的整数。</translation>
    </message>
    <message>
        <source>Choose the %1 from the list: %2.</source>
        <translation>请从列表中选择%1：%2。</translation>
    </message>
    <message>
        <source>%1 is not a valid entry. Please specify a value between 0 and 255.</source>
        <translation>%1 不是有效的输入。请指定 0 到 255 之间的值。</translation>
    </message>
    <message>
        <source>%1, part %2 of 4</source>
        <translation>%1，第 %2 部分（共 4 部分）</translation>
    </message>
    <message>
        <source>%1
%2 of %3</source>
        <translation>%1
%2 / %3</translation>
    </message>
    <message>
        <source>Find Devices</source>
        <translation>查找设备</translation>
    </message>
    <message>
        <source>&amp;Addresses:</source>
        <translation>地址(&amp;A)：</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>搜索(&amp;S)</translation>
    </message>
    <message>
        <source>Ca&amp;ncel</source>
        <translation>取消(&amp;N)</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>地址</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>序列号</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>固件版本</translation>
    </message>
    <message>
        <source>Trying %1 addresses: %2 done, %3 found.</source>
        <translation>正在尝试 %1 个地址：已完成 %2 个，找到 %3 台设备。</translation>
    </message>
    <message>
        <source>%1 found among %2 addresses. Double-click a device, or select it and press Enter, to use its address.</source>
        <translation>在 %2 个地址中找到 %1 台设备。双击某台设备，或选中后按 Enter，即可使用其地址。</translation>
    </message>
    <message>
        <source>The search was stopped: %1 found among the %2 addresses tried.</source>
        <translation>搜索已停止：在已尝试的 %2 个地址中找到 %1 台设备。</translation>
    </message>
    <message>
        <source>No network of this computer was found. Type a range such as 192.168.1.1-192.168.1.254 or 192.168.1.0/24.</source>
        <translation>未找到本机所在的网络。请输入范围，例如 192.168.1.1-192.168.1.254 或 192.168.1.0/24。</translation>
    </message>
    <message>
        <source>Type a range to search, such as 192.168.1.1-192.168.1.254 or 192.168.1.0/24.</source>
        <translation>请输入要搜索的范围，例如 192.168.1.1-192.168.1.254 或 192.168.1.0/24。</translation>
    </message>
    <message>
        <source>Ranges to search: FIRST-LAST or A.B.C.D/N, several separated by commas</source>
        <translation>要搜索的范围：FIRST-LAST 或 A.B.C.D/N，多个范围以逗号分隔</translation>
    </message>
    <message>
        <source>Devices found</source>
        <translation>找到的设备</translation>
    </message>
    <message>
        <source>Find devices on the network</source>
        <translation>在网络中查找设备</translation>
    </message>
    <message>
        <source>Import settings from a file</source>
        <translation>从文件导入参数</translation>
    </message>
    <message>
        <source>Export settings to a file</source>
        <translation>将参数导出到文件</translation>
    </message>
    <message>
        <source>Settings files (*.json);;All files (*)</source>
        <translation>参数文件 (*.json);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Export Settings</source>
        <translation>导出参数</translation>
    </message>
    <message>
        <source>Import Settings</source>
        <translation>导入参数</translation>
    </message>
    <message>
        <source>The settings shown were exported to %1.</source>
        <translation>当前显示的参数已导出到 %1。</translation>
    </message>
    <message>
        <source>Export Failed</source>
        <translation>导出失败</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>导入失败</translation>
    </message>
    <message>
        <source>%1 cannot be imported; the pages were not changed.

%2</source>
        <translation>无法导入 %1；各页面未做任何更改。

%2</translation>
    </message>
    <message>
        <source>%1 settings from %2 are shown as unsaved changes. Nothing is sent to the device until you press Save Configuration.</source>
        <translation>来自 %2 的 %1 个参数已显示为未保存的更改。在您按下“保存配置”之前，不会向设备发送任何内容。</translation>
    </message>
    <message>
        <source>The file was saved from another device (serial number %1; this one is %2). Its settings are copied to this one as they are.</source>
        <translation>该文件保存自另一台设备（序列号 %1；本设备为 %2）。其参数将原样复制到本设备。</translation>
    </message>
    <message>
        <source>Load the configuration from the device first: the file&apos;s settings are then shown as changes to what the device holds.</source>
        <translation>请先从设备读取配置：之后文件中的参数将显示为相对于设备现有值的更改。</translation>
    </message>
    <message>
        <source>Not in the file, the page has no value for it: %1.</source>
        <translation>未写入文件，因为页面上没有其值：%1。</translation>
    </message>
    <message>
        <source>Load the configuration from the device first: until then the pages hold no settings to export.</source>
        <translation>请先从设备读取配置：在此之前，各页面中没有可导出的参数。</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>等待中</translation>
    </message>
    <message>
        <source>reading</source>
        <translation>读取中</translation>
    </message>
    <message>
        <source>sending</source>
        <translation>发送中</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>已验证</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>无需更改</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>失败</translation>
    </message>
    <message>
        <source>not started</source>
        <translation>未开始</translation>
    </message>
    <message>
        <source>untouched</source>
        <translation>未改动</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>已更改</translation>
    </message>
    <message>
        <source>unknown state</source>
        <translation>状态未知</translation>
    </message>
    <message>
        <source>%1 verified, %2 unchanged, %3 failed</source>
        <translation>%1 台已验证，%2 台无需更改，%3 台失败</translation>
    </message>
    <message>
        <source>%1, %2 not started</source>
        <translation>%1，%2 台未开始</translation>
    </message>
    <message>
        <source>The device did not keep what was sent: %1.</source>
        <translation>设备未保留发送的值：%1。</translation>
    </message>
    <message>
        <source>The apply command was not answered; the settings read back on a new connection are as sent.</source>
        <translation>应用命令未得到应答；通过新连接回读的参数与发送的一致。</translation>
    </message>
    <message>
        <source>Cancelled before it started: nothing was sent to it.</source>
        <translation>开始前已取消：未向其发送任何内容。</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; to &quot;%3&quot;</source>
        <translation>%1：从“%2”改为“%3”</translation>
    </message>
    <message>
        <source>State</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>设备</translation>
    </message>
    <message>
        <source>Changed Settings</source>
        <translation>已更改的参数</translation>
    </message>
    <message>
        <source>Failure or Note</source>
        <translation>失败原因或备注</translation>
    </message>
    <message>
        <source>Send to the Picked Devices</source>
        <translation>发送到选定设备</translation>
    </message>
    <message>
        <source>These settings will be sent to %1 devices. Each device is sent only the settings it holds otherwise, then told to apply them, and then read back to check that it kept them.</source>
        <translation>这些参数将发送到 %1 台设备。每台设备只会收到与其现有值不同的参数，随后被要求应用这些参数，再经回读核对是否已保留。</translation>
    </message>
    <message>
        <source>Each device keeps its own of these unless you tick them:</source>
        <translation>以下参数除非勾选，否则各设备保留自己的值：</translation>
    </message>
    <message>
        <source>Device &amp;name: %1</source>
        <translation>设备名称(&amp;N)：%1</translation>
    </message>
    <message>
        <source>&amp;DHCP mode: %1</source>
        <translation>DHCP 模式(&amp;D)：%1</translation>
    </message>
    <message>
        <source>&amp;Send</source>
        <translation>发送(&amp;S)</translation>
    </message>
    <message>
        <source>Settings to send</source>
        <translation>要发送的参数</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>参数</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>值</translation>
    </message>
    <message>
        <source>Sending to %1 Devices</source>
        <translation>正在发送到 %1 台设备</translation>
    </message>
    <message>
        <source>&amp;Retry Failed</source>
        <translation>重试失败项(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Save Report...</source>
        <translation>保存报告(&amp;S)...</translation>
    </message>
    <message>
        <source>Result of each device</source>
        <translation>各设备的结果</translation>
    </message>
    <message>
        <source>Details of the selected device</source>
        <translation>所选设备的详细信息</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV 文件 (*.csv);;所有文件 (*)</translation>
    </message>
    <message>
        <source>The report was saved to %1.</source>
        <translation>报告已保存到 %1。</translation>
    </message>
    <message>
        <source>Devices done</source>
        <translation>已完成的设备</translation>
    </message>
    <message>
        <source>&amp;Details:</source>
        <translation>详细信息(&amp;D)：</translation>
    </message>
    <message>
        <source>Device Name</source>
        <translation>设备名称</translation>
    </message>
    <message>
        <source>&amp;Tick All</source>
        <translation>全部勾选(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Paste Addresses</source>
        <translation>粘贴地址(&amp;P)</translation>
    </message>
    <message>
        <source>Add from &amp;File...</source>
        <translation>从文件添加(&amp;F)...</translation>
    </message>
    <message>
        <source>Sen&amp;d to the Picked Devices...</source>
        <translation>发送到选定设备(&amp;D)...</translation>
    </message>
    <message>
        <source>Address lists (*.txt);;All files (*)</source>
        <translation>地址列表 (*.txt);;所有文件 (*)</translation>
    </message>
    <message>
        <source>%1 addresses added and ticked.</source>
        <translation>已添加并勾选 %1 个地址。</translation>
    </message>
    <message>
        <source>Tick the devices to send to in Find Devices first (or select them, or paste a list of addresses).</source>
        <translation>请先在“查找设备”中勾选要发送到的设备（或选中它们，或粘贴地址列表）。</translation>
    </message>
    <message>
        <source>Send to the Picked Devices...</source>
        <translation>发送到选定设备...</translation>
    </message>
    <message>
        <source>Load the configuration from a device first: the pages&apos; settings as they then stand are what is sent.</source>
        <translation>请先从设备读取配置：届时各页面上的参数即为要发送的内容。</translation>
    </message>
    <message>
        <source>Report Not Saved</source>
        <translation>报告未保存</translation>
    </message>
    <message>
        <source>Sending: %1 of %2 devices done.</source>
        <translation>正在发送：%2 台设备中已完成 %1 台。</translation>
    </message>
    <message>
        <source>The clipboard holds no addresses: copy a list with one address a line.</source>
        <translation>剪贴板中没有地址：请复制每行一个地址的列表。</translation>
    </message>
    <message>
        <source>Cancelling: no more devices start; the %1 under way finish first.</source>
        <translation>正在取消：不再开始处理新的设备；正在进行中的 %1 台将先完成。</translation>
    </message>
    <message>
        <source>Sent %1 and the apply command, then the device did not answer: it may hold the new values or the old.</source>
        <translation>已发送 %1 和应用命令，之后设备未响应：设备中可能是新值，也可能是旧值。</translation>
    </message>
    <message>
        <source>The device address and the range to search could not be saved in %1 (the disk may be full, or the file or its folder cannot be written), so they will not be remembered at the next start. This is said once until a save of them succeeds again.</source>
        <translation>无法将设备地址和搜索范围保存到 %1（可能磁盘已满，或该文件或其所在目录不可写），因此下次启动时不会记住它们。在再次保存成功之前，此提示只显示一次。</translation>
    </message>
    <message>
        <source>Settings Not Remembered</source>
        <translation>未能记住设置</translation>
    </message>
    <message>
        <source>The device applied the settings, but settings that were not sent read otherwise after the apply than at the load: %1. An earlier write may have left values waiting on the device, which any apply commits, or another program changed them.

Load the configuration to see what the device holds.</source>
        <translation>设备已应用参数，但有未发送的参数在应用后读出的值与读取配置时不同：%1。可能是之前的某次写入在设备上留下了待生效的值（任何一次应用都会使其生效），或是其他程序更改了它们。

请读取配置，查看设备中的实际值。</translation>
    </message>
    <message>
        <source>Settings that were not sent read otherwise after the apply (an earlier write may have left values waiting on the device, which any apply commits): %1.</source>
        <translation>未发送的参数在应用后读出的值已改变（之前的某次写入可能在设备上留下了待生效的值，任何一次应用都会使其生效）：%1。</translation>
    </message>
    <message>
        <source>The device now answers at its new address, %1, where the settings were read back: the address field shows it.</source>
        <translation>设备现在在新地址 %1 响应，并已在该地址回读参数：地址栏中已显示该地址。</translation>
    </message>
    <message>
        <source>The device was not verified: %1.

The address field is left as it was. Find Devices searches a range of addresses for it.</source>
        <translation>未能验证设备：%1。

地址栏保持不变。可使用“查找设备”在一个地址范围内搜索该设备。</translation>
    </message>
    <message>
        <source>The settings were applied, and they move the device: looking for it at %1</source>
        <translation>参数已应用，设备将随之迁移：正在 %1 查找该设备</translation>
    </message>
    <message>
        <source>&amp;IP address and mask from an address plan, not as each device holds them (DHCP off; the pages hold %1 / %2):</source>
        <translation>按地址规划分配 IP 地址和掩码(&amp;I)，而不沿用各设备现有的值（关闭 DHCP；页面上的值为 %1 / %2）：</translation>
    </message>
    <message>
        <source>Applied, Not Seen</source>
        <translation>已应用，未再发现</translation>
    </message>
    <message>
        <source>Read back at its new address, %1.</source>
        <translation>已在新地址 %1 回读。</translation>
    </message>
    <message>
        <source>Now At</source>
        <translation>当前地址</translation>
    </message>
    <message>
        <source>%1, %2 applied but not seen since</source>
        <translation>%1，%2 台已应用但此后未再发现</translation>
    </message>
    <message>
        <source>Count &amp;upward from:</source>
        <translation>递增起始地址(&amp;U)：</translation>
    </message>
    <message>
        <source>From a &amp;list: a line for each device, its serial number or current address, then its new address</source>
        <translation>按列表(&amp;L)：每台设备一行，先写序列号或当前地址，再写新地址</translation>
    </message>
    <message>
        <source>Load Plan from &amp;File...</source>
        <translation>从文件读取规划(&amp;F)...</translation>
    </message>
    <message>
        <source>First address of the plan</source>
        <translation>地址规划的起始地址</translation>
    </message>
    <message>
        <source>Address plan list</source>
        <translation>地址规划列表</translation>
    </message>
    <message>
        <source>mask %1 (from the pages)</source>
        <translation>掩码 %1（取自页面）</translation>
    </message>
    <message>
        <source>Planned &amp;addresses:</source>
        <translation>规划的地址(&amp;A)：</translation>
    </message>
    <message>
        <source>Each device with its planned address</source>
        <translation>各设备及其规划地址</translation>
    </message>
    <message>
        <source>Planned Address</source>
        <translation>规划地址</translation>
    </message>
    <message>
        <source>Looking for devices that already answer at the planned addresses...</source>
        <translation>正在查找已在规划地址上响应的设备...</translation>
    </message>
    <message>
        <source>&amp;Language...</source>
        <translation>语言(&amp;L)...</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>&amp;Show the window in:</source>
        <translation>窗口显示语言(&amp;S)：</translation>
    </message>
    <message>
        <source>The language of the system</source>
        <translation>系统语言</translation>
    </message>
    <message>
        <source>The window is shown in the chosen language from its next start.</source>
        <translation>下次启动时，窗口将以所选语言显示。</translation>
    </message>
    <message>
        <source>The language could not be saved in %1, so the window will not be shown in it at the next start.</source>
        <translation>无法将语言保存到 %1，因此下次启动时窗口不会以该语言显示。</translation>
    </message>
    <message>
        <source>Chec&amp;k the Picked Devices...</source>
        <translation>检查选定设备(&amp;K)...</translation>
    </message>
    <message>
        <source>Check the picked devices: read each and compare it with the pages&apos; settings, sending nothing</source>
        <translation>检查选定设备：读取每台设备并与各页面上的参数比较，不发送任何内容</translation>
    </message>
    <message>
        <source>Check the Picked Devices...</source>
        <translation>检查选定设备...</translation>
    </message>
    <message>
        <source>Tick the devices to check in Find Devices first (or select them, or paste a list of addresses).</source>
        <translation>请先在“查找设备”中勾选要检查的设备（或选中它们，或粘贴地址列表）。</translation>
    </message>
    <message>
        <source>Load the configuration from a device first: the devices are compared with the pages&apos; settings as they then stand.</source>
        <translation>请先从设备读取配置：届时各设备将与各页面上的参数进行比较。</translation>
    </message>
    <message>
        <source>Check the Picked Devices</source>
        <translation>检查选定设备</translation>
    </message>
    <message>
        <source>Checking %1 Devices</source>
        <translation>正在检查 %1 台设备</translation>
    </message>
    <message>
        <source>matches</source>
        <translation>一致</translation>
    </message>
    <message>
        <source>differs</source>
        <translation>不一致</translation>
    </message>
    <message>
        <source>%1 matching, %2 differing, %3 failed</source>
        <translation>%1 台一致，%2 台不一致，%3 台失败</translation>
    </message>
    <message>
        <source>Checking: %1 of %2 devices done.</source>
        <translation>正在检查：%2 台设备中已完成 %1 台。</translation>
    </message>
    <message>
        <source>Differing Settings</source>
        <translation>不一致的参数</translation>
    </message>
    <message>
        <source>%1: the device holds &quot;%2&quot;, the pages &quot;%3&quot;</source>
        <translation>%1：设备中的值为“%2”，页面上为“%3”</translation>
    </message>
    <message>
        <source>%1: differs</source>
        <translation>%1：不一致</translation>
    </message>
    <message>
        <source>Cancelled before it started: it was not read.</source>
        <translation>开始前已取消：未对其进行读取。</translation>
    </message>
    <message>
        <source>Each device is read and compared with these settings of the pages, and is sent nothing: %1. Each device&apos;s own settings are not compared: %2.</source>
        <translation>将读取每台设备，并与页面上的以下参数进行比较，不向其发送任何内容：%1。各设备自有的以下参数不参与比较：%2。</translation>
    </message>
    <message>
        <source>Save Rec&amp;ord...</source>
        <translation>保存记录(&amp;O)...</translation>
    </message>
    <message>
        <source>Commissioning Record</source>
        <translation>调试记录</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>程序</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>日期和时间</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>时区</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>备注</translation>
    </message>
    <message>
        <source>SHA-256 of %1: %2</source>
        <translation>%1 的 SHA-256：%2</translation>
    </message>
    <message>
        <source>The JSON file named above holds this record as data. sha256sum prints its SHA-256: any other value than the one above means the file was changed after the record was made.</source>
        <translation>上面所列的 JSON 文件以数据形式保存了本记录。sha256sum 可输出其 SHA-256：如果与上面的值不同，则说明该文件在本记录生成后被修改过。</translation>
    </message>
    <message>
        <source>Device %1 of %2: %3</source>
        <translation>设备 %1/%2：%3</translation>
    </message>
    <message>
        <source>Read back at</source>
        <translation>回读地址</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Why</source>
        <translation>原因</translation>
    </message>
    <message>
        <source>Every setting as read back</source>
        <translation>回读的全部参数</translation>
    </message>
    <message>
        <source>No setting was read from this device.</source>
        <translation>未从此设备读取任何参数。</translation>
    </message>
    <message>
        <source>Verified after the apply</source>
        <translation>应用后已验证</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>no</source>
        <translation>否</translation>
    </message>
    <message>
        <source>What this run changed</source>
        <translation>本次操作所做的更改</translation>
    </message>
    <message>
        <source>This run changed no setting of this device.</source>
        <translation>本次操作未更改此设备的任何参数。</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>更改前</translation>
    </message>
    <message>
        <source>After</source>
        <translation>更改后</translation>
    </message>
    <message>
        <source>Settings that differ from those compared</source>
        <translation>与对照值不一致的参数</translation>
    </message>
    <message>
        <source>Every setting compared matches.</source>
        <translation>所比较的参数全部一致。</translation>
    </message>
    <message>
        <source>The device holds</source>
        <translation>设备中的值</translation>
    </message>
    <message>
        <source>Compared with</source>
        <translation>对照值</translation>
    </message>
    <message>
        <source>set, not shown</source>
        <translation>已设置，不显示</translation>
    </message>
    <message>
        <source>Load from the device</source>
        <translation>从设备读取</translation>
    </message>
    <message>
        <source>Save to the device</source>
        <translation>保存到设备</translation>
    </message>
    <message>
        <source>Send to many devices</source>
        <translation>发送到多台设备</translation>
    </message>
    <message>
        <source>Check against settings, nothing sent</source>
        <translation>对照参数检查，未发送任何内容</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>备份</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>恢复</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>设置参数</translation>
    </message>
    <message>
        <source>read</source>
        <translation>已读取</translation>
    </message>
    <message>
        <source>not read</source>
        <translation>未读取</translation>
    </message>
    <message>
        <source>Save Record</source>
        <translation>保存记录</translation>
    </message>
    <message>
        <source>&amp;Note for the record (who, where, what was done):</source>
        <translation>记录备注（人员、地点、所做工作）(&amp;N)：</translation>
    </message>
    <message>
        <source>PDF files (*.pdf);;All files (*)</source>
        <translation>PDF 文件 (*.pdf);;所有文件 (*)</translation>
    </message>
    <message>
        <source>The record was saved to %1, and its JSON document beside it to %2.

SHA-256 of %3: %4</source>
        <translation>记录已保存到 %1，其 JSON 文档已保存到同一位置的 %2。

%3 的 SHA-256：%4</translation>
    </message>
    <message>
        <source>Record Not Saved</source>
        <translation>记录未保存</translation>
    </message>
    <message>
        <source>%1

Neither file of the record was written: files of those names are as they were.</source>
        <translation>%1

记录的两个文件均未写入：同名文件保持原样。</translation>
    </message>
    <message>
        <source>%1

The JSON document was written to %2, but the PDF was not.</source>
        <translation>%1

JSON 文档已写入 %2，但 PDF 未写入。</translation>
    </message>
    <message>
        <source>Save a commissioning record of what was read back, as PDF and JSON</source>
        <translation>将回读的内容保存为调试记录（PDF 和 JSON）</translation>
    </message>
    <message>
        <source>Note for the record</source>
        <translation>记录备注</translation>
    </message>
    <message>
        <source>Usage: %1 --record-pdf RECORD.json OUT.pdf</source>
        <translation>用法：%1 --record-pdf RECORD.json OUT.pdf</translation>
    </message>
    <message>
        <source>%1: no PDF was made of it. %2</source>
        <translation>%1：未为其生成 PDF。%2</translation>
    </message>
    <message>
        <source>%1 No PDF was made.</source>
        <translation>%1 未生成 PDF。</translation>
    </message>
    <message>
        <source>%1 already exists and is not the record beside this PDF (a settings file, say).

Replace it with the record&apos;s JSON document?</source>
        <translation>%1 已存在，且不是与此 PDF 配套的记录（例如可能是参数文件）。

要用记录的 JSON 文档替换它吗？</translation>
    </message>
    <message>
        <source>Devices in this record</source>
        <translation>本记录中的设备</translation>
    </message>
</context>
<context>
    <name>Templates</name>
    <message>
        <source>About TolvoConfig</source>
        <translation>关于 TolvoConfig</translation>
    </message>
    <message>
        <source>Program icon</source>
        <translation>程序图标</translation>
    </message>
    <message>
        <source>Tolvo-S Configuration Utility, Version 1.0</source>
        <translation>Tolvo-S 配置工具，版本 1.0</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 Halvane</source>
        <translation>版权所有 (C) 2026 Halvane</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Tolvo-S Configuration - Halvane</source>
        <translation>Tolvo-S 配置 - Halvane</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Tolvo&apos;s IP address:</source>
        <translation>Tolvo 的 IP 地址：</translation>
    </message>
    <message>
        <source>Load Configuration</source>
        <translation>读取配置</translation>
    </message>
    <message>
        <source>Save Configuration</source>
        <translation>保存配置</translation>
    </message>
    <message>
        <source>Find Devices...</source>
        <translation>查找设备...</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>导入...</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>导出...</translation>
    </message>
    <message>
        <source>Serial Number:</source>
        <translation>序列号：</translation>
    </message>
    <message>
        <source>Firmware Version:</source>
        <translation>固件版本：</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>IP 地址：</translation>
    </message>
    <message>
        <source>IP mask:</source>
        <translation>子网掩码：</translation>
    </message>
    <message>
        <source>SSID:</source>
        <translation>SSID：</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>密码：</translation>
    </message>
    <message>
        <source>Wi-Fi channel:</source>
        <translation>Wi-Fi 信道：</translation>
    </message>
    <message>
        <source>Transmission Power:</source>
        <translation>发射功率：</translation>
    </message>
    <message>
        <source>Network Type:</source>
        <translation>网络类型：</translation>
    </message>
    <message>
        <source>Network type</source>
        <translation>网络类型</translation>
    </message>
    <message>
        <source>Access Point</source>
        <translation>接入点 (AP)</translation>
    </message>
    <message>
        <source>Infrastracture</source>
        <translation>基础架构</translation>
    </message>
    <message>
        <source>DHCP mode</source>
        <translation>DHCP 模式</translation>
    </message>
    <message>
        <source>DHCP Disabled</source>
        <translation>DHCP 禁用</translation>
    </message>
    <message>
        <source>DHCP Enabled</source>
        <translation>DHCP 启用</translation>
    </message>
    <message>
        <source>DHCP Access Point</source>
        <translation>DHCP 接入点 (AP)</translation>
    </message>
    <message>
        <source>Device Name:</source>
        <translation>设备名称：</translation>
    </message>
    <message>
        <source>Port 0 connect to:</source>
        <translation>端口 0 连接到：</translation>
    </message>
    <message>
        <source>Port 0 connection</source>
        <translation>端口 0 连接</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>配置</translation>
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
        <translation>无连接</translation>
    </message>
    <message>
        <source>TCP/IP Port:</source>
        <translation>TCP/IP 端口：</translation>
    </message>
    <message>
        <source>Port 0 TCP/IP port</source>
        <translation>端口 0 的 TCP/IP 端口</translation>
    </message>
    <message>
        <source>Port 1 connect to:</source>
        <translation>端口 1 连接到：</translation>
    </message>
    <message>
        <source>Port 1 connection</source>
        <translation>端口 1 连接</translation>
    </message>
    <message>
        <source>Port 1 TCP/IP port</source>
        <translation>端口 1 的 TCP/IP 端口</translation>
    </message>
    <message>
        <source>Port 2 connect to:</source>
        <translation>端口 2 连接到：</translation>
    </message>
    <message>
        <source>Port 2 connection</source>
        <translation>端口 2 连接</translation>
    </message>
    <message>
        <source>Port 2 TCP/IP port</source>
        <translation>端口 2 的 TCP/IP 端口</translation>
    </message>
    <message>
        <source>Baudrate:</source>
        <translation>波特率：</translation>
    </message>
    <message>
        <source>Data Bits:</source>
        <translation>数据位：</translation>
    </message>
    <message>
        <source>Stop Bits:</source>
        <translation>停止位：</translation>
    </message>
    <message>
        <source>Parity:</source>
        <translation>校验位：</translation>
    </message>
    <message>
        <source>RS232 baud rate</source>
        <translation>RS232 波特率</translation>
    </message>
    <message>
        <source>RS232 data bits</source>
        <translation>RS232 数据位</translation>
    </message>
    <message>
        <source>RS232 stop bits</source>
        <translation>RS232 停止位</translation>
    </message>
    <message>
        <source>RS232 parity</source>
        <translation>RS232 校验位</translation>
    </message>
    <message>
        <source>No</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>奇校验</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>偶校验</translation>
    </message>
    <message>
        <source>DIRECT baud rate</source>
        <translation>DIRECT 波特率</translation>
    </message>
    <message>
        <source>DIRECT data bits</source>
        <translation>DIRECT 数据位</translation>
    </message>
    <message>
        <source>DIRECT stop bits</source>
        <translation>DIRECT 停止位</translation>
    </message>
    <message>
        <source>DIRECT parity</source>
        <translation>DIRECT 校验位</translation>
    </message>
</context>
</TS>
