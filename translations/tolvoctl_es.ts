<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>tolvoctl</name>
    <message>
        <source>Reads all 25 settings, or the keys named, and prints KEY=VALUE lines (with a line &quot;# ADDRESS&quot; before each device&apos;s when there are several). Values that break a rule are shown as they are, and said so on stderr.</source>
        <translation>Lee los 25 parámetros, o las claves indicadas, e imprime líneas KEY=VALUE (con una línea &quot;# ADDRESS&quot; antes de las de cada dispositivo cuando hay varios). Los valores que incumplen una regla se muestran tal cual, y se indica en stderr.</translation>
    </message>
    <message>
        <source>Saves the 23 writable settings to a file. With one address PATH is the file, unless it is a folder or ends with a slash; with several, or with --history, it is a folder, with one file per device named by its serial number.</source>
        <translation>Guarda en un archivo los 23 parámetros modificables. Con una sola dirección, PATH es el archivo, salvo que sea una carpeta o termine en barra; con varias, o con --history, es una carpeta, con un archivo por dispositivo que lleva como nombre su número de serie.</translation>
    </message>
    <message>
        <source>Checks a settings file without any device.</source>
        <translation>Comprueba un archivo de parámetros sin conectar con ningún dispositivo.</translation>
    </message>
    <message>
        <source>Reads the device and prints each setting that differs from the file; or compares two files. A file may be SERIAL@VERSION: that device&apos;s file at a version (a commit, or HEAD~1 and the like) of a folder kept by &quot;backup --history&quot; (see --dir). Exit status 0 when nothing differs, 1 when something does.</source>
        <translation>Lee el dispositivo e imprime cada parámetro que difiere del archivo; o compara dos archivos. Un archivo puede ser SERIAL@VERSION: el archivo de ese dispositivo en una versión (un commit, o HEAD~1 y similares) de una carpeta mantenida con &quot;backup --history&quot; (véase --dir). Código de salida 0 si no hay diferencias, 1 si las hay.</translation>
    </message>
    <message>
        <source>Checks the file, reads each device, sends the file&apos;s settings and the apply command, reads every setting back and reports each one the device did not keep. FILE &quot;-&quot; reads the settings document from standard input, so that a password needs neither a command line nor a file.</source>
        <translation>Comprueba el archivo, lee cada dispositivo, envía los parámetros del archivo y el comando de aplicar, vuelve a leer todos los parámetros e indica cada uno que el dispositivo no conservó. Con FILE &quot;-&quot; se lee el documento de parámetros de la entrada estándar, para que la contraseña no tenga que figurar ni en la línea de comandos ni en un archivo.</translation>
    </message>
    <message>
        <source>Sends the settings given and the apply command, and reads them back, as restore does.</source>
        <translation>Envía los parámetros indicados y el comando de aplicar, y los vuelve a leer, igual que restore.</translation>
    </message>
    <message>
        <source>Tries the command service on every address of the ranges (A.B.C.D/N or FIRST-LAST, at most 4096 in all) and prints the serial number and firmware version of each device that answers.</source>
        <translation>Prueba el servicio de comandos en cada dirección de los rangos (A.B.C.D/N o FIRST-LAST, como máximo 4096 en total) e imprime el número de serie y la versión de firmware de cada dispositivo que responde.</translation>
    </message>
    <message>
        <source>Lists the versions of one device&apos;s file in a folder kept by &quot;backup --history&quot;: commit, time and the settings that changed.</source>
        <translation>Enumera las versiones del archivo de un dispositivo en una carpeta mantenida con &quot;backup --history&quot;: commit, fecha y hora, y los parámetros que cambiaron.</translation>
    </message>
    <message>
        <source>Keeps PATH as a folder under version control (git): one file per serial number, and a commit for each backup that changed something.</source>
        <translation>Mantiene PATH como carpeta con control de versiones (git): un archivo por número de serie y un commit por cada copia de seguridad que cambió algo.</translation>
    </message>
    <message>
        <source>The folder kept by &quot;backup --history&quot; where SERIAL@VERSION is read (default: the current folder).</source>
        <translation>La carpeta mantenida con &quot;backup --history&quot; de la que se lee SERIAL@VERSION (por defecto: la carpeta actual).</translation>
    </message>
    <message>
        <source>Machine output: one JSON document on stdout.</source>
        <translation>Salida legible por máquina: un único documento JSON en stdout.</translation>
    </message>
    <message>
        <source>Bound on each wait, in ms (default 5000; scan: 1000).</source>
        <translation>Límite de cada espera, en ms (por defecto 5000; scan: 1000).</translation>
    </message>
    <message>
        <source>Writes each device&apos;s exchange to stderr when it ends: every command and reply with its time, bytes escaped, the password&apos;s value masked.</source>
        <translation>Escribe en stderr el intercambio con cada dispositivo cuando termina: cada comando y respuesta con su hora, los bytes escapados y el valor de la contraseña enmascarado.</translation>
    </message>
    <message>
        <source>The command service&apos;s TCP port (default 4070).</source>
        <translation>Puerto TCP del servicio de comandos (por defecto 4070).</translation>
    </message>
    <message>
        <source>The file, or the folder (with several devices, with --history, or when PATH is a folder or ends with a slash).</source>
        <translation>El archivo, o la carpeta (con varios dispositivos, con --history, o cuando PATH es una carpeta o termina en barra).</translation>
    </message>
    <message>
        <source>Overwrite files that exist in the folder.</source>
        <translation>Sobrescribe los archivos que ya existen en la carpeta.</translation>
    </message>
    <message>
        <source>Print what would be sent, byte for byte but for the password&apos;s value, which shows as asterisks; send nothing (with --only-changed the devices are read).</source>
        <translation>Imprime lo que se enviaría, byte a byte salvo el valor de la contraseña, que aparece como asteriscos; no envía nada (con --only-changed sí se leen los dispositivos).</translation>
    </message>
    <message>
        <source>Send only the settings that differ on the device.</source>
        <translation>Envía solo los parámetros que difieren en el dispositivo.</translation>
    </message>
    <message>
        <source>As in the usage line above.</source>
        <translation>Como en la línea de uso anterior.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no command; &quot;tolvoctl --help&quot; lists them.</source>
        <translation>&quot;%1&quot; no es un comando; &quot;tolvoctl --help&quot; los enumera.</translation>
    </message>
    <message>
        <source>--%1 takes a whole number from %2 to %3.</source>
        <translation>--%1 admite un número entero de %2 a %3.</translation>
    </message>
    <message>
        <source>No device address given (there is no default): give ADDRESS or --hosts FILE.</source>
        <translation>No se indicó ninguna dirección de dispositivo (no hay una por defecto): indique ADDRESS o --hosts FILE.</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>entrada estándar</translation>
    </message>
    <message>
        <source>%1 is not valid; nothing was sent.</source>
        <translation>%1 no es válido; no se envió nada.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither an address nor a setting&apos;s key.</source>
        <translation>&quot;%1&quot; no es ni una dirección ni la clave de un parámetro.</translation>
    </message>
    <message>
        <source>backup needs -o PATH.</source>
        <translation>backup requiere -o PATH.</translation>
    </message>
    <message>
        <source>Cannot make the folder %1.</source>
        <translation>No se puede crear la carpeta %1.</translation>
    </message>
    <message>
        <source>check takes one FILE.</source>
        <translation>check admite un único FILE.</translation>
    </message>
    <message>
        <source>diff takes ADDRESS and FILE, or two FILEs (a FILE may be SERIAL@VERSION).</source>
        <translation>diff admite ADDRESS y FILE, o dos FILE (un FILE puede ser SERIAL@VERSION).</translation>
    </message>
    <message>
        <source>diff compares one device with a file.</source>
        <translation>diff compara un solo dispositivo con un archivo.</translation>
    </message>
    <message>
        <source>restore takes ADDRESS... and FILE.</source>
        <translation>restore admite ADDRESS... y FILE.</translation>
    </message>
    <message>
        <source>set takes ADDRESS... and KEY=VALUE....</source>
        <translation>set admite ADDRESS... y KEY=VALUE....</translation>
    </message>
    <message>
        <source>%1 Nothing was sent.</source>
        <translation>%1 No se envió nada.</translation>
    </message>
    <message>
        <source>scan takes RANGE....</source>
        <translation>scan admite RANGE....</translation>
    </message>
    <message>
        <source>%1: value &quot;%2&quot; breaks the rule; %3</source>
        <translation>%1: el valor &quot;%2&quot; incumple la regla; %3</translation>
    </message>
    <message>
        <source>%1 of %2 devices</source>
        <translation>%1 de %2 dispositivos</translation>
    </message>
    <message>
        <source>1 setting</source>
        <translation>1 parámetro</translation>
    </message>
    <message>
        <source>%1 settings</source>
        <translation>%1 parámetros</translation>
    </message>
    <message>
        <source>%1 of %2 devices succeeded.</source>
        <translation>Correcto en %1 de %2 dispositivos.</translation>
    </message>
    <message>
        <source>%1 of %2 devices read.</source>
        <translation>Leídos %1 de %2 dispositivos.</translation>
    </message>
    <message>
        <source>another device has the serial number &quot;%1&quot;; %2 was not written</source>
        <translation>otro dispositivo tiene el número de serie &quot;%1&quot;; no se escribió %2</translation>
    </message>
    <message>
        <source>%1 exists; not overwritten (--force overwrites)</source>
        <translation>%1 ya existe; no se sobrescribe (--force lo sobrescribe)</translation>
    </message>
    <message>
        <source>%1 holds the backup of another device (serial number &quot;%2&quot;); not overwritten</source>
        <translation>%1 contiene la copia de seguridad de otro dispositivo (número de serie &quot;%2&quot;); no se sobrescribe</translation>
    </message>
    <message>
        <source>saved %1 to %2</source>
        <translation>guardado en %2 (%1)</translation>
    </message>
    <message>
        <source>%1: valid, %2 settings.</source>
        <translation>%1: válido, %2 parámetros.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; in %3, &quot;%4&quot; in %5</source>
        <translation>%1: &quot;%2&quot; en %3, &quot;%4&quot; en %5</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; in %3, not in %4</source>
        <translation>%1: &quot;%2&quot; en %3, ausente en %4</translation>
    </message>
    <message>
        <source>%1: not in %2, &quot;%3&quot; in %4</source>
        <translation>%1: ausente en %2, &quot;%3&quot; en %4</translation>
    </message>
    <message>
        <source>A history needs the git program, and none was found.</source>
        <translation>El historial requiere el programa git, y no se encontró.</translation>
    </message>
    <message>
        <source>git %1 failed: %2</source>
        <translation>git %1 falló: %2</translation>
    </message>
    <message>
        <source>exit status %1</source>
        <translation>código de salida %1</translation>
    </message>
    <message>
        <source>git %1 gave output that could not be read, for %2.</source>
        <translation>git %1 devolvió una salida que no se pudo leer, para %2.</translation>
    </message>
    <message>
        <source>git %1 did not finish within %2 seconds.</source>
        <translation>git %1 no terminó en un plazo de %2 segundos.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no version of %2: give a commit, or HEAD~1 and the like.</source>
        <translation>&quot;%1&quot; no es una versión de %2: indique un commit, o HEAD~1 y similares.</translation>
    </message>
    <message>
        <source>Cannot make the lock file %1.</source>
        <translation>No se puede crear el archivo de bloqueo %1.</translation>
    </message>
    <message>
        <source>process %1 on %2</source>
        <translation>proceso %1 en %2</translation>
    </message>
    <message>
        <source>%1 is in use by another backup (%2); nothing was read or written.</source>
        <translation>%1 está en uso por otra copia de seguridad (%2); no se leyó ni se escribió nada.</translation>
    </message>
    <message>
        <source>%1 is in use by another backup; waiting for it to end (at most %2 minutes).</source>
        <translation>%1 está en uso por otra copia de seguridad; esperando a que termine (como máximo %2 minutos).</translation>
    </message>
    <message>
        <source>History: the files already in the folder, committed first as %1.</source>
        <translation>Historial: los archivos que ya estaban en la carpeta, registrados primero en el commit %1.</translation>
    </message>
    <message>
        <source>History: commit %1 (%2).</source>
        <translation>Historial: commit %1 (%2).</translation>
    </message>
    <message>
        <source>History: nothing changed, no commit.</source>
        <translation>Historial: sin cambios, sin commit.</translation>
    </message>
    <message>
        <source>new</source>
        <translation>nuevo</translation>
    </message>
    <message>
        <source>history takes DIR and SERIAL.</source>
        <translation>history admite DIR y SERIAL.</translation>
    </message>
    <message>
        <source>%1 has no versions of %2.</source>
        <translation>%1 no tiene versiones de %2.</translation>
    </message>
    <message>
        <source>%1: device &quot;%2&quot;, file &quot;%3&quot;</source>
        <translation>%1: dispositivo &quot;%2&quot;, archivo &quot;%3&quot;</translation>
    </message>
    <message>
        <source>%1 differs</source>
        <translation>difiere %1</translation>
    </message>
    <message>
        <source>%1 differ</source>
        <translation>difieren %1</translation>
    </message>
    <message>
        <source>would send</source>
        <translation>se enviaría</translation>
    </message>
    <message>
        <source>nothing sent (dry run)</source>
        <translation>nada enviado (simulación)</translation>
    </message>
    <message>
        <source>%1 sent, all kept</source>
        <translation>envío de %1: todo conservado</translation>
    </message>
    <message>
        <source>nothing differs, nothing sent</source>
        <translation>sin diferencias, nada enviado</translation>
    </message>
    <message>
        <source>%1 sent; NOT KEPT: %2</source>
        <translation>envío de %1; NO CONSERVADOS: %2</translation>
    </message>
    <message>
        <source>ADDRESS</source>
        <translation>DIRECCIÓN</translation>
    </message>
    <message>
        <source>SERIAL NUMBER</source>
        <translation>NÚMERO DE SERIE</translation>
    </message>
    <message>
        <source>FIRMWARE</source>
        <translation>FIRMWARE</translation>
    </message>
    <message>
        <source>%1 of %2 addresses answered.</source>
        <translation>Respondieron %1 de %2 direcciones.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no IPv4 address (four numbers from 0 to 255 joined by dots).</source>
        <translation>&quot;%1&quot; no es una dirección IPv4 (cuatro números de 0 a 255 separados por puntos).</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: a prefix length is 0 to 32.</source>
        <translation>&quot;%1&quot;: la longitud de prefijo va de 0 a 32.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the last address comes before the first.</source>
        <translation>&quot;%1&quot;: la última dirección es anterior a la primera.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no range: give A.B.C.D/N or FIRST-LAST.</source>
        <translation>&quot;%1&quot; no es un rango: indique A.B.C.D/N o FIRST-LAST.</translation>
    </message>
    <message>
        <source>A scan takes at most %1 addresses in all.</source>
        <translation>Un escaneo admite como máximo %1 direcciones en total.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation>No se puede leer %1: %2.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>No se puede escribir %1: %2.</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, línea %2: %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no setting: give KEY=VALUE.</source>
        <translation>&quot;%1&quot; no es un parámetro: indique KEY=VALUE.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no setting that can be written.</source>
        <translation>&quot;%1&quot; no es un parámetro modificable.</translation>
    </message>
    <message>
        <source>%1: value &quot;%2&quot; is not valid; %3.</source>
        <translation>%1: el valor &quot;%2&quot; no es válido; %3.</translation>
    </message>
    <message>
        <source>Not JSON: %1 at byte %2.</source>
        <translation>No es JSON: %1 en el byte %2.</translation>
    </message>
    <message>
        <source>Not a settings file: the top level is no JSON object.</source>
        <translation>No es un archivo de parámetros: el nivel superior no es un objeto JSON.</translation>
    </message>
    <message>
        <source>Not a settings file of format &quot;%1&quot;, version %2.</source>
        <translation>No es un archivo de parámetros con formato &quot;%1&quot;, versión %2.</translation>
    </message>
    <message>
        <source>The file has no &quot;settings&quot; object.</source>
        <translation>El archivo no tiene el objeto &quot;settings&quot;.</translation>
    </message>
    <message>
        <source>%1: no setting of that name can be written.</source>
        <translation>%1: no hay ningún parámetro modificable con ese nombre.</translation>
    </message>
    <message>
        <source>%1: the value must be a JSON string.</source>
        <translation>%1: el valor debe ser una cadena JSON.</translation>
    </message>
    <message>
        <source>allowed: %1</source>
        <translation>valores permitidos: %1</translation>
    </message>
    <message>
        <source>an IPv4 address: four numbers from 0 to 255 joined by dots</source>
        <translation>una dirección IPv4: cuatro números de 0 a 255 separados por puntos</translation>
    </message>
    <message>
        <source>a whole number from %1 to %2</source>
        <translation>un número entero de %1 a %2</translation>
    </message>
    <message>
        <source>one of %1</source>
        <translation>uno de estos: %1</translation>
    </message>
    <message>
        <source>text of at most %1 Latin-1 characters, without line breaks or zero characters</source>
        <translation>texto de como máximo %1 caracteres Latin-1, sin saltos de línea ni caracteres nulos</translation>
    </message>
    <message>
        <source>connecting</source>
        <translation>conectar</translation>
    </message>
    <message>
        <source>reading</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>sending</source>
        <translation>enviar</translation>
    </message>
    <message>
        <source>failed while %1: %2</source>
        <translation>error al %1: %2</translation>
    </message>
    <message>
        <source>no connection could be made</source>
        <translation>no se pudo establecer la conexión</translation>
    </message>
    <message>
        <source>the device did not answer in time</source>
        <translation>el dispositivo no respondió a tiempo</translation>
    </message>
    <message>
        <source>the device closed the connection</source>
        <translation>el dispositivo cerró la conexión</translation>
    </message>
    <message>
        <source>a reply was longer than %1 bytes</source>
        <translation>una respuesta superó los %1 bytes</translation>
    </message>
    <message>
        <source>a command would be longer than %1 bytes</source>
        <translation>un comando superaría los %1 bytes</translation>
    </message>
    <message>
        <source>sending to the device failed</source>
        <translation>falló el envío al dispositivo</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>cancelado</translation>
    </message>
    <message>
        <source>the device sent more reply lines than it was asked for; its replies cannot be matched to the settings</source>
        <translation>el dispositivo envió más líneas de respuesta de las solicitadas; no se pueden asociar sus respuestas a los parámetros</translation>
    </message>
    <message>
        <source>%1: sent &quot;%2&quot;, the device holds &quot;%3&quot;</source>
        <translation>%1: enviado &quot;%2&quot;, el dispositivo tiene &quot;%3&quot;</translation>
    </message>
    <message>
        <source>%1 (the apply command was not answered)</source>
        <translation>%1 (el comando de aplicar no obtuvo respuesta)</translation>
    </message>
    <message>
        <source>Exit status: 0 success; 1 differences found or a read-back did not match; 2 a malformed argument or file (nothing is sent); 3 a device could not be read or written, or a file or the output could not be written.</source>
        <translation>Código de salida: 0 éxito; 1 se encontraron diferencias o una relectura no coincidió; 2 un argumento o archivo mal formado (no se envía nada); 3 no se pudo leer o escribir un dispositivo, o no se pudo escribir un archivo o la salida.</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>salida estándar</translation>
    </message>
    <message>
        <source>History: nothing changed in the files written, no commit.</source>
        <translation>Historial: sin cambios en los archivos escritos, sin commit.</translation>
    </message>
    <message>
        <source>Send values that are a device&apos;s error reply (&quot;ERROR&quot; alone or followed by a blank, as a device answers a key it does not know), which restore refuses otherwise: a backup of a device that lacked a setting holds one.</source>
        <translation>Envía valores que son la respuesta de error de un dispositivo (&quot;ERROR&quot; solo o seguido de un espacio, como responde un dispositivo a una clave que no conoce), que restore rechaza en otro caso: la copia de seguridad de un dispositivo al que le faltaba un parámetro contiene una.</translation>
    </message>
    <message>
        <source>%1 The file holds it as the device sent it; restore sends it only with --send-error-replies.</source>
        <translation>%1 El archivo lo contiene tal como lo envió el dispositivo; restore solo lo envía con --send-error-replies.</translation>
    </message>
    <message>
        <source>%1 A restore sends it only with --send-error-replies.</source>
        <translation>%1 Al restaurar, solo se envía con --send-error-replies.</translation>
    </message>
    <message>
        <source>%1 It is sent only with --send-error-replies.</source>
        <translation>%1 Solo se envía con --send-error-replies.</translation>
    </message>
    <message>
        <source>%1 holds a device&apos;s error reply as a value; nothing was sent.</source>
        <translation>%1 contiene como valor la respuesta de error de un dispositivo; no se envió nada.</translation>
    </message>
    <message>
        <source>%1: value &quot;%2&quot; holds a line break or a zero byte, which would end the command early and send the rest as a command of its own; no value may hold one.</source>
        <translation>%1: el valor &quot;%2&quot; contiene un salto de línea o un byte nulo, que terminaría el comando antes de tiempo y enviaría el resto como un comando aparte; ningún valor puede contenerlos.</translation>
    </message>
    <message>
        <source>%1: value &quot;%2&quot; is the error reply a device gives for a key it does not know, not a setting.</source>
        <translation>%1: el valor &quot;%2&quot; es la respuesta de error que da un dispositivo ante una clave que no conoce, no el valor de un parámetro.</translation>
    </message>
    <message>
        <source>Devices talked to at once (default 16; scan: 64), up to 1000; fewer where this computer&apos;s limit on open files (ulimit -n) leaves room for fewer.</source>
        <translation>Dispositivos atendidos a la vez (por defecto 16; scan: 64), hasta 1000; menos si el límite de archivos abiertos de este equipo (ulimit -n) solo deja margen para menos.</translation>
    </message>
    <message>
        <source>Also the addresses in FILE, one a line; # starts a comment. At most 4096 devices in all, and a FILE of at most 1 MiB.</source>
        <translation>Además, las direcciones de FILE, una por línea; # inicia un comentario. Como máximo 4096 dispositivos en total, y un FILE de como máximo 1 MiB.</translation>
    </message>
    <message>
        <source>%1 The run stopped: %2 of %3 devices were not tried, and nothing was sent to them.</source>
        <translation>%1 La ejecución se detuvo: no se probaron %2 de %3 dispositivos, y no se les envió nada.</translation>
    </message>
    <message>
        <source>%1 The scan stopped: %2 of %3 addresses were not tried.</source>
        <translation>%1 El escaneo se detuvo: no se probaron %2 de %3 direcciones.</translation>
    </message>
    <message>
        <source>This computer could not open another connection: it has too many files and connections open.</source>
        <translation>Este equipo no pudo abrir otra conexión: tiene demasiados archivos y conexiones abiertos.</translation>
    </message>
    <message>
        <source>A program may hold %1 open at once here (ulimit -n).</source>
        <translation>Aquí un programa puede tener como máximo %1 archivos y conexiones abiertos a la vez (ulimit -n).</translation>
    </message>
    <message>
        <source>Not tried: nothing was sent to it.</source>
        <translation>No se probó: no se le envió nada.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 KiB, which no settings file is (one of every setting is about 1 KiB).</source>
        <translation>%1 ocupa más de %2 KiB, algo que no ocupa ningún archivo de parámetros (uno con todos los parámetros ocupa alrededor de 1 KiB).</translation>
    </message>
    <message>
        <source>%1 is larger than %2 KiB, which no list of at most %3 addresses needs to be.</source>
        <translation>%1 ocupa más de %2 KiB, tamaño que no necesita ninguna lista de como máximo %3 direcciones.</translation>
    </message>
    <message>
        <source>At most %1 devices are taken at a time; split the list of addresses.</source>
        <translation>Se admiten como máximo %1 dispositivos a la vez; divida la lista de direcciones.</translation>
    </message>
    <message>
        <source>%1 sent and kept</source>
        <translation>envío de %1: lo enviado se conservó</translation>
    </message>
    <message>
        <source>%1; BUT SETTINGS THAT WERE NOT SENT READ OTHERWISE AFTER THE APPLY (any apply commits a value that an earlier, interrupted write left pending on the device): %2</source>
        <translation>%1; PERO HAY PARÁMETROS NO ENVIADOS QUE SE LEEN DISTINTOS TRAS APLICAR (aplicar hace efectivo cualquier valor que una escritura anterior interrumpida dejara pendiente en el dispositivo): %2</translation>
    </message>
    <message>
        <source>%1: not sent, but read as &quot;%2&quot; before the apply and &quot;%3&quot; after it</source>
        <translation>%1: no enviado, pero se leyó &quot;%2&quot; antes de aplicar y &quot;%3&quot; después</translation>
    </message>
    <message>
        <source>%1; settings had been sent without the apply command: the device may hold them pending, and its next apply, of any write, commits them</source>
        <translation>%1; se habían enviado parámetros sin el comando de aplicar: puede que el dispositivo los tenga pendientes, y la próxima vez que aplique, tras cualquier escritura, los hará efectivos</translation>
    </message>
    <message>
        <source>%1 after the settings and the apply command were sent: the device may have applied them, and any value an earlier write left pending on it; read it to see what it holds</source>
        <translation>%1 después de enviar los parámetros y el comando de aplicar: puede que el dispositivo los haya aplicado, junto con cualquier valor que una escritura anterior dejara pendiente en él; léalo para ver qué contiene</translation>
    </message>
    <message>
        <source>Usage: tolvoctl COMMAND [options] ...

Commands:
%1
&quot;tolvoctl COMMAND --help&quot; describes a command. Every command that takes ADDRESS takes several, or --hosts FILE; there is no default address. restore and set give many devices each its own static address with an address plan: --plan FILE (a line for each device, its serial number or current address, then its new address) or --plan-first A.B.C.D/N (counted upward in the order of the devices); a plan with one address for several devices, the network or broadcast address, an address outside the subnet, a device or line that does not match, or an address where another device already answers (a device switched off cannot be seen) is refused with exit status 2, and nothing is sent.

%2
</source>
        <translation>Uso: tolvoctl COMMAND [opciones] ...

Comandos:
%1
&quot;tolvoctl COMMAND --help&quot; describe un comando. Todo comando que admite ADDRESS admite varias, o --hosts FILE; no hay dirección por defecto. restore y set asignan a cada uno de muchos dispositivos su propia dirección estática mediante un plan de direcciones: --plan FILE (una línea por dispositivo, con su número de serie o dirección actual y luego su nueva dirección) o --plan-first A.B.C.D/N (numeradas en orden ascendente según el orden de los dispositivos); un plan con una misma dirección para varios dispositivos, la dirección de red o de broadcast, una dirección fuera de la subred, un dispositivo o una línea sin correspondencia, o una dirección en la que ya responde otro dispositivo (un dispositivo apagado no se puede detectar) se rechaza con el código de salida 2, y no se envía nada.

%2
</translation>
    </message>
    <message>
        <source>Bound on the wait for a device that the settings sent move (a new address, DHCP, another network) to answer again, in ms (default 60000).</source>
        <translation>Límite de la espera a que vuelva a responder un dispositivo al que los parámetros enviados trasladan (una nueva dirección, DHCP, otra red), en ms (por defecto 60000).</translation>
    </message>
    <message>
        <source>An address plan for the devices: a line for each, its serial number or current address, then its new address (# starts a comment). Each gets its own IPADDRESS, the IPMASK sent and DHCP 0; the plan is checked before anything is sent.</source>
        <translation>Un plan de direcciones para los dispositivos: una línea por cada uno, con su número de serie o dirección actual y luego su nueva dirección (# inicia un comentario). Cada uno recibe su propio IPADDRESS, el IPMASK enviado y DHCP 0; el plan se comprueba antes de enviar nada.</translation>
    </message>
    <message>
        <source>An address plan counted upward from A.B.C.D in the order of the devices, with the mask of prefix length N: each gets its own IPADDRESS, that IPMASK and DHCP 0; checked before anything is sent.</source>
        <translation>Un plan de direcciones numeradas en orden ascendente desde A.B.C.D según el orden de los dispositivos, con la máscara de longitud de prefijo N: cada uno recibe su propio IPADDRESS, ese IPMASK y DHCP 0; se comprueba antes de enviar nada.</translation>
    </message>
    <message>
        <source>Give --plan or --plan-first, not both.</source>
        <translation>Indique --plan o --plan-first, no ambos.</translation>
    </message>
    <message>
        <source>--plan needs the mask among the settings sent (IPMASK=...).</source>
        <translation>--plan requiere la máscara entre los parámetros enviados (IPMASK=...).</translation>
    </message>
    <message>
        <source>looking for the device after the apply</source>
        <translation>buscar el dispositivo después de aplicar</translation>
    </message>
    <message>
        <source>%1; read back at its new address %2</source>
        <translation>%1; releído en su nueva dirección %2</translation>
    </message>
    <message>
        <source>the settings and the apply command were sent; they move the device to %1, and it answered neither there nor at %2 within %3 seconds: look for it at %1 (it may still be restarting, or that address is not reachable from this computer)</source>
        <translation>se enviaron los parámetros y el comando de aplicar; trasladan el dispositivo a %1, y no respondió ni allí ni en %2 en un plazo de %3 segundos: búsquelo en %1 (puede que aún se esté reiniciando, o que esa dirección no sea accesible desde este equipo)</translation>
    </message>
    <message>
        <source>the settings and the apply command were sent; they turn DHCP on, and the device did not answer at %1 within %2 seconds: its DHCP server chooses its address; find it with a scan of the site&apos;s addresses</source>
        <translation>se enviaron los parámetros y el comando de aplicar; activan DHCP, y el dispositivo no respondió en %1 en un plazo de %2 segundos: su dirección la elige el servidor DHCP; encuéntrelo con un escaneo de las direcciones de la instalación</translation>
    </message>
    <message>
        <source>the settings and the apply command were sent; they join the device to another network (SSID, password or network type), and it did not answer at %1 within %2 seconds: join that network to reach it, then find it with a scan</source>
        <translation>se enviaron los parámetros y el comando de aplicar; conectan el dispositivo a otra red (SSID, contraseña o tipo de red), y no respondió en %1 en un plazo de %2 segundos: conéctese a esa red para llegar a él y luego encuéntrelo con un escaneo</translation>
    </message>
    <message>
        <source>the settings and the apply command were sent; they join the device to another network (SSID, password or network type) at the address %1, and it answered neither there nor at %2 within %3 seconds: join that network to reach it at %1</source>
        <translation>se enviaron los parámetros y el comando de aplicar; conectan el dispositivo a otra red (SSID, contraseña o tipo de red) con la dirección %1, y no respondió ni allí ni en %2 en un plazo de %3 segundos: conéctese a esa red para llegar a él en %1</translation>
    </message>
    <message>
        <source>the settings and the apply command were sent; another device (serial number &quot;%1&quot;) answers at %2, where this one was looked for after the apply: it was not read back; look for it with a scan, and give the two devices addresses of their own</source>
        <translation>se enviaron los parámetros y el comando de aplicar; otro dispositivo (número de serie &quot;%1&quot;) responde en %2, donde se buscó a este después de aplicar: no se volvió a leer; búsquelo con un escaneo y asigne a los dos dispositivos direcciones propias</translation>
    </message>
    <message>
        <source>the settings and the apply command were sent; the device may restart on them, and it did not answer at %1 within %2 seconds</source>
        <translation>se enviaron los parámetros y el comando de aplicar; puede que el dispositivo se reinicie al aplicarlos, y no respondió en %1 en un plazo de %2 segundos</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 pasa a %2</translation>
    </message>
    <message>
        <source>%1 (no address)</source>
        <translation>%1 (sin dirección)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no first address of a plan: give A.B.C.D/N (the prefix length is the mask).</source>
        <translation>&quot;%1&quot; no es una primera dirección de plan válida: indique A.B.C.D/N (la longitud de prefijo es la máscara).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no line of a plan: give the device&apos;s serial number or current address, then blanks, then its new address.</source>
        <translation>&quot;%1&quot; no es una línea de plan válida: indique el número de serie o la dirección actual del dispositivo, luego espacios y luego su nueva dirección.</translation>
    </message>
    <message>
        <source>%1 gives no device an address.</source>
        <translation>%1 no asigna dirección a ningún dispositivo.</translation>
    </message>
    <message>
        <source>%1 is no mask of a subnet (its ones do not come first).</source>
        <translation>%1 no es una máscara de subred (sus bits a uno no van al principio).</translation>
    </message>
    <message>
        <source>One address for several devices: %1.</source>
        <translation>Una misma dirección para varios dispositivos: %1.</translation>
    </message>
    <message>
        <source>%1: the network address of the subnet %2, which no device may have.</source>
        <translation>%1: es la dirección de red de la subred %2, que ningún dispositivo puede tener.</translation>
    </message>
    <message>
        <source>%1: the broadcast address of the subnet %2, which no device may have.</source>
        <translation>%1: es la dirección de broadcast de la subred %2, que ningún dispositivo puede tener.</translation>
    </message>
    <message>
        <source>%1: outside the subnet %2 of the mask.</source>
        <translation>%1: fuera de la subred %2 de la máscara.</translation>
    </message>
    <message>
        <source>%1: no line of the plan names this device.</source>
        <translation>%1: ninguna línea del plan menciona este dispositivo.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is none of the devices sent to.</source>
        <translation>&quot;%1&quot; no es ninguno de los dispositivos de destino.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names a device that an earlier line names too.</source>
        <translation>&quot;%1&quot; menciona un dispositivo que ya menciona una línea anterior.</translation>
    </message>
    <message>
        <source>%1: another device already answers at this address (a device that is switched off cannot be seen).</source>
        <translation>%1: ya responde otro dispositivo en esta dirección (un dispositivo apagado no se puede detectar).</translation>
    </message>
    <message>
        <source>The address plan is refused; nothing was sent:</source>
        <translation>Se rechaza el plan de direcciones; no se envió nada:</translation>
    </message>
    <message>
        <source>the plan</source>
        <translation>el plan</translation>
    </message>
    <message>
        <source>Messages and help are in the language of --lang LANGUAGE (%1), else of LC_ALL, LC_MESSAGES or LANG, else of the system. --json output is always in English, whatever the language.</source>
        <translation>Los mensajes y la ayuda están en el idioma de --lang LANGUAGE (%1); si no, en el de LC_ALL, LC_MESSAGES o LANG; si no, en el del sistema. La salida de --json siempre está en inglés, sea cual sea el idioma.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no language tolvoctl speaks; it speaks %2.</source>
        <translation>&quot;%1&quot; no es un idioma disponible en tolvoctl; los disponibles son %2.</translation>
    </message>
    <message>
        <source>--lang needs a language, for instance --lang de.</source>
        <translation>--lang requiere un idioma, por ejemplo --lang de.</translation>
    </message>
    <message>
        <source>The technician&apos;s note in the record of --record.</source>
        <translation>La nota del técnico en el registro de --record.</translation>
    </message>
    <message>
        <source>--note goes into a record: give --record FILE too.</source>
        <translation>--note se incluye en un registro: indique también --record FILE.</translation>
    </message>
    <message>
        <source>%1; matches: the device holds every value</source>
        <translation>%1; coincidente: el dispositivo tiene todos los valores</translation>
    </message>
    <message>
        <source>%1; differs: %2</source>
        <translation>%1; con diferencias: %2</translation>
    </message>
    <message>
        <source>Record: %1, SHA-256 %2</source>
        <translation>Registro: %1, SHA-256 %2</translation>
    </message>
    <message>
        <source>%1 The record was not written; each device&apos;s result stands as reported.</source>
        <translation>%1 No se escribió el registro; el resultado de cada dispositivo sigue siendo el indicado.</translation>
    </message>
    <message>
        <source>the settings and the apply command were sent, but they could not be read back: the device may have applied them; read it to see what it holds</source>
        <translation>se enviaron los parámetros y el comando de aplicar, pero no se pudieron volver a leer: puede que el dispositivo los haya aplicado; léalo para ver qué contiene</translation>
    </message>
    <message>
        <source>Not a commissioning record of format &quot;%1&quot;, version %2.</source>
        <translation>No es un registro de puesta en servicio con formato &quot;%1&quot;, versión %2.</translation>
    </message>
    <message>
        <source>The record&apos;s member %1 is missing or of the wrong type.</source>
        <translation>El miembro %1 del registro falta o es de un tipo incorrecto.</translation>
    </message>
    <message>
        <source>The record&apos;s member %1 holds &quot;%2&quot;, which a record does not.</source>
        <translation>El miembro %1 del registro contiene &quot;%2&quot;, valor que un registro no admite.</translation>
    </message>
    <message>
        <source>The record&apos;s member %1 holds a Wi-Fi password&apos;s value, which a record never does (only &quot;********&quot; or nothing).</source>
        <translation>El miembro %1 del registro contiene el valor de una contraseña Wi-Fi, algo que un registro nunca contiene (solo &quot;********&quot; o nada).</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MiB, which no record is.</source>
        <translation>%1 ocupa más de %2 MiB, algo que no ocupa ningún registro.</translation>
    </message>
    <message>
        <source>Also writes the run&apos;s commissioning record to FILE: for every device its address, serial number, firmware, every setting as read back (the password as asterisks), whether each was verified and what changed, with the time and the note, as JSON; it prints the file&apos;s SHA-256. With --dry-run of restore the devices are read and compared with the file (a check): each matches or differs, and exit status 1 says that one differs.</source>
        <translation>Escribe además en FILE el registro de puesta en servicio de la ejecución: para cada dispositivo, su dirección, número de serie, firmware, todos los parámetros releídos (la contraseña como asteriscos), si cada uno se verificó y qué cambió, con la hora y la nota, en JSON; imprime el SHA-256 del archivo. Con --dry-run de restore, los dispositivos se leen y se comparan con el archivo (una comprobación): cada uno resulta coincidente o con diferencias, y el código de salida 1 indica que alguno tiene diferencias.</translation>
    </message>
    <message>
        <source>%1 matching, %2 differing, %3 failed</source>
        <translation>%1 coincidentes, %2 con diferencias, %3 fallidos</translation>
    </message>
    <message>
        <source>it is no regular file (a folder, a device or a pipe)</source>
        <translation>no es un archivo regular (sino una carpeta, un archivo de dispositivo o una tubería)</translation>
    </message>
    <message>
        <source>The record&apos;s member %1 is longer than a record&apos;s ever is (at most %2).</source>
        <translation>El miembro %1 del registro es más largo de lo que admite un registro (como máximo %2).</translation>
    </message>
    <message>
        <source>%1 is also a file this command reads or writes: a record needs a file of its own.</source>
        <translation>%1 es también un archivo que este comando lee o escribe: un registro necesita un archivo propio.</translation>
    </message>
    <message>
        <source>%1 exists and is no commissioning record: a record replaces only an earlier record.</source>
        <translation>%1 ya existe y no es un registro de puesta en servicio: un registro solo reemplaza a un registro anterior.</translation>
    </message>
</context>
</TS>
