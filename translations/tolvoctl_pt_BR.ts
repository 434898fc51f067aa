<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>tolvoctl</name>
    <message>
        <source>Reads all 25 settings, or the keys named, and prints KEY=VALUE lines (with a line &quot;# ADDRESS&quot; before each device&apos;s when there are several). Values that break a rule are shown as they are, and said so on stderr.</source>
        <translation>Lê os 25 parâmetros, ou as chaves indicadas, e imprime linhas KEY=VALUE (com uma linha &quot;# ADDRESS&quot; antes das linhas de cada dispositivo quando há vários). Valores que violam uma regra são mostrados como estão, e isso é informado no stderr.</translation>
    </message>
    <message>
        <source>Saves the 23 writable settings to a file. With one address PATH is the file, unless it is a folder or ends with a slash; with several, or with --history, it is a folder, with one file per device named by its serial number.</source>
        <translation>Salva os 23 parâmetros graváveis em um arquivo. Com um só endereço, PATH é o arquivo, a menos que seja uma pasta ou termine com barra; com vários, ou com --history, é uma pasta, com um arquivo por dispositivo, nomeado pelo número de série.</translation>
    </message>
    <message>
        <source>Checks a settings file without any device.</source>
        <translation>Verifica um arquivo de configuração sem usar nenhum dispositivo.</translation>
    </message>
    <message>
        <source>Reads the device and prints each setting that differs from the file; or compares two files. A file may be SERIAL@VERSION: that device&apos;s file at a version (a commit, or HEAD~1 and the like) of a folder kept by &quot;backup --history&quot; (see --dir). Exit status 0 when nothing differs, 1 when something does.</source>
        <translation>Lê o dispositivo e imprime cada parâmetro que difere do arquivo; ou compara dois arquivos. Um arquivo pode ser SERIAL@VERSION: o arquivo desse dispositivo em uma versão (um commit, ou HEAD~1 e similares) de uma pasta mantida por &quot;backup --history&quot; (veja --dir). Código de saída 0 quando nada difere, 1 quando algo difere.</translation>
    </message>
    <message>
        <source>Checks the file, reads each device, sends the file&apos;s settings and the apply command, reads every setting back and reports each one the device did not keep. FILE &quot;-&quot; reads the settings document from standard input, so that a password needs neither a command line nor a file.</source>
        <translation>Verifica o arquivo, lê cada dispositivo, envia os parâmetros do arquivo e o comando de aplicação, relê todos os parâmetros e informa cada um que o dispositivo não manteve. FILE &quot;-&quot; lê o documento de configuração da entrada padrão, para que a senha não precise aparecer na linha de comando nem em um arquivo.</translation>
    </message>
    <message>
        <source>Sends the settings given and the apply command, and reads them back, as restore does.</source>
        <translation>Envia os parâmetros informados e o comando de aplicação, e os relê, como faz o restore.</translation>
    </message>
    <message>
        <source>Tries the command service on every address of the ranges (A.B.C.D/N or FIRST-LAST, at most 4096 in all) and prints the serial number and firmware version of each device that answers.</source>
        <translation>Testa o serviço de comandos em cada endereço das faixas (A.B.C.D/N ou FIRST-LAST, no máximo 4096 no total) e imprime o número de série e a versão do firmware de cada dispositivo que responder.</translation>
    </message>
    <message>
        <source>Lists the versions of one device&apos;s file in a folder kept by &quot;backup --history&quot;: commit, time and the settings that changed.</source>
        <translation>Lista as versões do arquivo de um dispositivo em uma pasta mantida por &quot;backup --history&quot;: commit, horário e os parâmetros que mudaram.</translation>
    </message>
    <message>
        <source>Keeps PATH as a folder under version control (git): one file per serial number, and a commit for each backup that changed something.</source>
        <translation>Mantém PATH como uma pasta sob controle de versão (git): um arquivo por número de série e um commit para cada backup que alterou algo.</translation>
    </message>
    <message>
        <source>The folder kept by &quot;backup --history&quot; where SERIAL@VERSION is read (default: the current folder).</source>
        <translation>A pasta mantida por &quot;backup --history&quot; de onde SERIAL@VERSION é lido (padrão: a pasta atual).</translation>
    </message>
    <message>
        <source>Machine output: one JSON document on stdout.</source>
        <translation>Saída para máquinas: um documento JSON no stdout.</translation>
    </message>
    <message>
        <source>Bound on each wait, in ms (default 5000; scan: 1000).</source>
        <translation>Limite de cada espera, em ms (padrão 5000; scan: 1000).</translation>
    </message>
    <message>
        <source>Writes each device&apos;s exchange to stderr when it ends: every command and reply with its time, bytes escaped, the password&apos;s value masked.</source>
        <translation>Escreve a comunicação de cada dispositivo no stderr quando ela termina: cada comando e resposta com seu horário, bytes escapados, o valor da senha mascarado.</translation>
    </message>
    <message>
        <source>The command service&apos;s TCP port (default 4070).</source>
        <translation>A porta TCP do serviço de comandos (padrão 4070).</translation>
    </message>
    <message>
        <source>The file, or the folder (with several devices, with --history, or when PATH is a folder or ends with a slash).</source>
        <translation>O arquivo, ou a pasta (com vários dispositivos, com --history, ou quando PATH é uma pasta ou termina com barra).</translation>
    </message>
    <message>
        <source>Overwrite files that exist in the folder.</source>
        <translation>Sobrescrever os arquivos que já existem na pasta.</translation>
    </message>
    <message>
        <source>Print what would be sent, byte for byte but for the password&apos;s value, which shows as asterisks; send nothing (with --only-changed the devices are read).</source>
        <translation>Imprimir o que seria enviado, byte a byte, exceto o valor da senha, que aparece como asteriscos; não enviar nada (com --only-changed os dispositivos são lidos).</translation>
    </message>
    <message>
        <source>Send only the settings that differ on the device.</source>
        <translation>Enviar somente os parâmetros que diferem no dispositivo.</translation>
    </message>
    <message>
        <source>As in the usage line above.</source>
        <translation>Como na linha de uso acima.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no command; &quot;tolvoctl --help&quot; lists them.</source>
        <translation>&quot;%1&quot; não é um comando; &quot;tolvoctl --help&quot; lista os comandos.</translation>
    </message>
    <message>
        <source>--%1 takes a whole number from %2 to %3.</source>
        <translation>--%1 recebe um número inteiro de %2 a %3.</translation>
    </message>
    <message>
        <source>No device address given (there is no default): give ADDRESS or --hosts FILE.</source>
        <translation>Nenhum endereço de dispositivo informado (não há padrão): informe ADDRESS ou --hosts FILE.</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>a entrada padrão</translation>
    </message>
    <message>
        <source>%1 is not valid; nothing was sent.</source>
        <translation>%1 não passou na verificação; nada foi enviado.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither an address nor a setting&apos;s key.</source>
        <translation>&quot;%1&quot; não é um endereço nem a chave de um parâmetro.</translation>
    </message>
    <message>
        <source>backup needs -o PATH.</source>
        <translation>backup precisa de -o PATH.</translation>
    </message>
    <message>
        <source>Cannot make the folder %1.</source>
        <translation>Não foi possível criar a pasta %1.</translation>
    </message>
    <message>
        <source>check takes one FILE.</source>
        <translation>check recebe um único FILE.</translation>
    </message>
    <message>
        <source>diff takes ADDRESS and FILE, or two FILEs (a FILE may be SERIAL@VERSION).</source>
        <translation>diff recebe ADDRESS e FILE, ou dois FILEs (um FILE pode ser SERIAL@VERSION).</translation>
    </message>
    <message>
        <source>diff compares one device with a file.</source>
        <translation>diff compara um único dispositivo com um arquivo.</translation>
    </message>
    <message>
        <source>restore takes ADDRESS... and FILE.</source>
        <translation>restore recebe ADDRESS... e FILE.</translation>
    </message>
    <message>
        <source>set takes ADDRESS... and KEY=VALUE....</source>
        <translation>set recebe ADDRESS... e KEY=VALUE....</translation>
    </message>
    <message>
        <source>%1 Nothing was sent.</source>
        <translation>%1 Nada foi enviado.</translation>
    </message>
    <message>
        <source>scan takes RANGE....</source>
        <translation>scan recebe RANGE....</translation>
    </message>
    <message>
        <source>%1: value &quot;%2&quot; breaks the rule; %3</source>
        <translation>%1: o valor &quot;%2&quot; viola a regra; %3</translation>
    </message>
    <message>
        <source>%1 of %2 devices</source>
        <translation>%1 de %2 dispositivos</translation>
    </message>
    <message>
        <source>1 setting</source>
        <translation>1 parâmetro</translation>
    </message>
    <message>
        <source>%1 settings</source>
        <translation>%1 parâmetros</translation>
    </message>
    <message>
        <source>%1 of %2 devices succeeded.</source>
        <translation>%1 de %2 dispositivos concluídos com sucesso.</translation>
    </message>
    <message>
        <source>%1 of %2 devices read.</source>
        <translation>%1 de %2 dispositivos lidos.</translation>
    </message>
    <message>
        <source>another device has the serial number &quot;%1&quot;; %2 was not written</source>
        <translation>outro dispositivo tem o número de série &quot;%1&quot;; %2 não foi gravado</translation>
    </message>
    <message>
        <source>%1 exists; not overwritten (--force overwrites)</source>
        <translation>%1 já existe; não foi sobrescrito (--force sobrescreve)</translation>
    </message>
    <message>
        <source>%1 holds the backup of another device (serial number &quot;%2&quot;); not overwritten</source>
        <translation>%1 contém o backup de outro dispositivo (número de série &quot;%2&quot;); não foi sobrescrito</translation>
    </message>
    <message>
        <source>saved %1 to %2</source>
        <translation>salvos em %2: %1</translation>
    </message>
    <message>
        <source>%1: valid, %2 settings.</source>
        <translation>%1: válido, %2 parâmetros.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; in %3, &quot;%4&quot; in %5</source>
        <translation>%1: &quot;%2&quot; em %3, &quot;%4&quot; em %5</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; in %3, not in %4</source>
        <translation>%1: &quot;%2&quot; em %3, ausente em %4</translation>
    </message>
    <message>
        <source>%1: not in %2, &quot;%3&quot; in %4</source>
        <translation>%1: ausente em %2, &quot;%3&quot; em %4</translation>
    </message>
    <message>
        <source>A history needs the git program, and none was found.</source>
        <translation>Um histórico requer o programa git, que não foi encontrado.</translation>
    </message>
    <message>
        <source>git %1 failed: %2</source>
        <translation>git %1 falhou: %2</translation>
    </message>
    <message>
        <source>exit status %1</source>
        <translation>código de saída %1</translation>
    </message>
    <message>
        <source>git %1 gave output that could not be read, for %2.</source>
        <translation>git %1 produziu uma saída que não pôde ser lida, para %2.</translation>
    </message>
    <message>
        <source>git %1 did not finish within %2 seconds.</source>
        <translation>git %1 não terminou em %2 segundos.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no version of %2: give a commit, or HEAD~1 and the like.</source>
        <translation>&quot;%1&quot; não é uma versão de %2: informe um commit, ou HEAD~1 e similares.</translation>
    </message>
    <message>
        <source>Cannot make the lock file %1.</source>
        <translation>Não foi possível criar o arquivo de bloqueio %1.</translation>
    </message>
    <message>
        <source>process %1 on %2</source>
        <translation>processo %1 em %2</translation>
    </message>
    <message>
        <source>%1 is in use by another backup (%2); nothing was read or written.</source>
        <translation>%1 está em uso por outro backup (%2); nada foi lido nem gravado.</translation>
    </message>
    <message>
        <source>%1 is in use by another backup; waiting for it to end (at most %2 minutes).</source>
        <translation>%1 está em uso por outro backup; aguardando o término dele (no máximo %2 minutos).</translation>
    </message>
    <message>
        <source>History: the files already in the folder, committed first as %1.</source>
        <translation>Histórico: os arquivos que já estavam na pasta, registrados primeiro no commit %1.</translation>
    </message>
    <message>
        <source>History: commit %1 (%2).</source>
        <translation>Histórico: commit %1 (%2).</translation>
    </message>
    <message>
        <source>History: nothing changed, no commit.</source>
        <translation>Histórico: nada mudou, nenhum commit.</translation>
    </message>
    <message>
        <source>new</source>
        <translation>novo</translation>
    </message>
    <message>
        <source>history takes DIR and SERIAL.</source>
        <translation>history recebe DIR e SERIAL.</translation>
    </message>
    <message>
        <source>%1 has no versions of %2.</source>
        <translation>%1 não tem versões de %2.</translation>
    </message>
    <message>
        <source>%1: device &quot;%2&quot;, file &quot;%3&quot;</source>
        <translation>%1: dispositivo &quot;%2&quot;, arquivo &quot;%3&quot;</translation>
    </message>
    <message>
        <source>%1 differs</source>
        <translation>%1 difere</translation>
    </message>
    <message>
        <source>%1 differ</source>
        <translation>%1 diferem</translation>
    </message>
    <message>
        <source>would send</source>
        <translation>enviaria</translation>
    </message>
    <message>
        <source>nothing sent (dry run)</source>
        <translation>nada enviado (simulação)</translation>
    </message>
    <message>
        <source>%1 sent, all kept</source>
        <translation>enviados: %1, tudo mantido</translation>
    </message>
    <message>
        <source>nothing differs, nothing sent</source>
        <translation>nada difere, nada enviado</translation>
    </message>
    <message>
        <source>%1 sent; NOT KEPT: %2</source>
        <translation>enviados: %1; NÃO MANTIDOS: %2</translation>
    </message>
    <message>
        <source>ADDRESS</source>
        <translation>ENDEREÇO</translation>
    </message>
    <message>
        <source>SERIAL NUMBER</source>
        <translation>NÚMERO DE SÉRIE</translation>
    </message>
    <message>
        <source>FIRMWARE</source>
        <translation>FIRMWARE</translation>
    </message>
    <message>
        <source>%1 of %2 addresses answered.</source>
        <translation>%1 de %2 endereços responderam.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no IPv4 address (four numbers from 0 to 255 joined by dots).</source>
        <translation>&quot;%1&quot; não é um endereço IPv4 (quatro números de 0 a 255 separados por pontos).</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: a prefix length is 0 to 32.</source>
        <translation>&quot;%1&quot;: o comprimento do prefixo vai de 0 a 32.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the last address comes before the first.</source>
        <translation>&quot;%1&quot;: o último endereço vem antes do primeiro.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no range: give A.B.C.D/N or FIRST-LAST.</source>
        <translation>&quot;%1&quot; não é uma faixa: informe A.B.C.D/N ou FIRST-LAST.</translation>
    </message>
    <message>
        <source>A scan takes at most %1 addresses in all.</source>
        <translation>Uma varredura aceita no máximo %1 endereços no total.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation>Não foi possível ler %1: %2.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>Não foi possível gravar %1: %2.</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, linha %2: %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no setting: give KEY=VALUE.</source>
        <translation>&quot;%1&quot; não é um parâmetro: informe KEY=VALUE.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no setting that can be written.</source>
        <translation>&quot;%1&quot; não é um parâmetro gravável.</translation>
    </message>
    <message>
        <source>%1: value &quot;%2&quot; is not valid; %3.</source>
        <translation>%1: o valor &quot;%2&quot; não é válido; %3.</translation>
    </message>
    <message>
        <source>Not JSON: %1 at byte %2.</source>
        <translation>Não é JSON: %1 no byte %2.</translation>
    </message>
    <message>
        <source>Not a settings file: the top level is no JSON object.</source>
        <translation>Não é um arquivo de configuração: o nível superior não é um objeto JSON.</translation>
    </message>
    <message>
        <source>Not a settings file of format &quot;%1&quot;, version %2.</source>
        <translation>Não é um arquivo de configuração do formato &quot;%1&quot;, versão %2.</translation>
    </message>
    <message>
        <source>The file has no &quot;settings&quot; object.</source>
        <translation>O arquivo não tem o objeto &quot;settings&quot;.</translation>
    </message>
    <message>
        <source>%1: no setting of that name can be written.</source>
        <translation>%1: não há parâmetro gravável com esse nome.</translation>
    </message>
    <message>
        <source>%1: the value must be a JSON string.</source>
        <translation>%1: o valor deve ser uma string JSON.</translation>
    </message>
    <message>
        <source>allowed: %1</source>
        <translation>permitido: %1</translation>
    </message>
    <message>
        <source>an IPv4 address: four numbers from 0 to 255 joined by dots</source>
        <translation>um endereço IPv4: quatro números de 0 a 255 separados por pontos</translation>
    </message>
    <message>
        <source>a whole number from %1 to %2</source>
        <translation>um número inteiro de %1 a %2</translation>
    </message>
    <message>
        <source>one of %1</source>
        <translation>um dos valores %1</translation>
    </message>
    <message>
        <source>text of at most %1 Latin-1 characters, without line breaks or zero characters</source>
        <translation>texto de no máximo %1 caracteres Latin-1, sem quebras de linha nem caracteres nulos</translation>
    </message>
    <message>
        <source>connecting</source>
        <translation>conectar</translation>
    </message>
    <message>
        <source>reading</source>
        <translation>ler</translation>
    </message>
    <message>
        <source>sending</source>
        <translation>enviar</translation>
    </message>
    <message>
        <source>failed while %1: %2</source>
        <translation>falha ao %1: %2</translation>
    </message>
    <message>
        <source>no connection could be made</source>
        <translation>não foi possível estabelecer a conexão</translation>
    </message>
    <message>
        <source>the device did not answer in time</source>
        <translation>o dispositivo não respondeu a tempo</translation>
    </message>
    <message>
        <source>the device closed the connection</source>
        <translation>o dispositivo encerrou a conexão</translation>
    </message>
    <message>
        <source>a reply was longer than %1 bytes</source>
        <translation>uma resposta excedeu %1 bytes</translation>
    </message>
    <message>
        <source>a command would be longer than %1 bytes</source>
        <translation>um comando excederia %1 bytes</translation>
    </message>
    <message>
        <source>sending to the device failed</source>
        <translation>o envio ao dispositivo falhou</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>cancelado</translation>
    </message>
    <message>
        <source>the device sent more reply lines than it was asked for; its replies cannot be matched to the settings</source>
        <translation>o dispositivo enviou mais linhas de resposta do que foi solicitado; não é possível associar as respostas dele aos parâmetros</translation>
    </message>
    <message>
        <source>%1: sent &quot;%2&quot;, the device holds &quot;%3&quot;</source>
        <translation>%1: enviado &quot;%2&quot;, o valor no dispositivo é &quot;%3&quot;</translation>
    </message>
    <message>
        <source>%1 (the apply command was not answered)</source>
        <translation>%1 (o comando de aplicação não foi respondido)</translation>
    </message>
    <message>
        <source>Exit status: 0 success; 1 differences found or a read-back did not match; 2 a malformed argument or file (nothing is sent); 3 a device could not be read or written, or a file or the output could not be written.</source>
        <translation>Código de saída: 0 sucesso; 1 diferenças encontradas ou uma releitura não conferiu; 2 argumento ou arquivo malformado (nada é enviado); 3 não foi possível ler ou gravar um dispositivo, ou não foi possível gravar um arquivo ou a saída.</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>a saída padrão</translation>
    </message>
    <message>
        <source>History: nothing changed in the files written, no commit.</source>
        <translation>Histórico: nada mudou nos arquivos gravados, nenhum commit.</translation>
    </message>
    <message>
        <source>Send values that are a device&apos;s error reply (&quot;ERROR&quot; alone or followed by a blank, as a device answers a key it does not know), which restore refuses otherwise: a backup of a device that lacked a setting holds one.</source>
        <translation>Enviar valores que são a resposta de erro de um dispositivo (&quot;ERROR&quot; sozinho ou seguido de um espaço, como um dispositivo responde a uma chave que não conhece), que o restore recusa sem esta opção: o backup de um dispositivo ao qual faltava um parâmetro contém uma resposta dessas.</translation>
    </message>
    <message>
        <source>%1 The file holds it as the device sent it; restore sends it only with --send-error-replies.</source>
        <translation>%1 O arquivo o guarda como o dispositivo o enviou; o restore só o envia com --send-error-replies.</translation>
    </message>
    <message>
        <source>%1 A restore sends it only with --send-error-replies.</source>
        <translation>%1 Um restore só o envia com --send-error-replies.</translation>
    </message>
    <message>
        <source>%1 It is sent only with --send-error-replies.</source>
        <translation>%1 Ele só é enviado com --send-error-replies.</translation>
    </message>
    <message>
        <source>%1 holds a device&apos;s error reply as a value; nothing was sent.</source>
        <translation>%1 contém a resposta de erro de um dispositivo como valor; nada foi enviado.</translation>
    </message>
    <message>
        <source>%1: value &quot;%2&quot; holds a line break or a zero byte, which would end the command early and send the rest as a command of its own; no value may hold one.</source>
        <translation>%1: o valor &quot;%2&quot; contém uma quebra de linha ou um byte nulo, que encerraria o comando antes da hora e enviaria o restante como um comando separado; nenhum valor pode conter esses caracteres.</translation>
    </message>
    <message>
        <source>%1: value &quot;%2&quot; is the error reply a device gives for a key it does not know, not a setting.</source>
        <translation>%1: o valor &quot;%2&quot; é a resposta de erro que um dispositivo dá a uma chave que não conhece, e não um valor de parâmetro.</translation>
    </message>
    <message>
        <source>Devices talked to at once (default 16; scan: 64), up to 1000; fewer where this computer&apos;s limit on open files (ulimit -n) leaves room for fewer.</source>
        <translation>Dispositivos atendidos ao mesmo tempo (padrão 16; scan: 64), até 1000; menos quando o limite de arquivos abertos deste computador (ulimit -n) só comporta menos.</translation>
    </message>
    <message>
        <source>Also the addresses in FILE, one a line; # starts a comment. At most 4096 devices in all, and a FILE of at most 1 MiB.</source>
        <translation>Também os endereços de FILE, um por linha; # inicia um comentário. No máximo 4096 dispositivos no total, e um FILE de no máximo 1 MiB.</translation>
    </message>
    <message>
        <source>%1 The run stopped: %2 of %3 devices were not tried, and nothing was sent to them.</source>
        <translation>%1 A execução parou: %2 de %3 dispositivos não foram tentados, e nada foi enviado a eles.</translation>
    </message>
    <message>
        <source>%1 The scan stopped: %2 of %3 addresses were not tried.</source>
        <translation>%1 A varredura parou: %2 de %3 endereços não foram tentados.</translation>
    </message>
    <message>
        <source>This computer could not open another connection: it has too many files and connections open.</source>
        <translation>Este computador não conseguiu abrir outra conexão: há arquivos e conexões abertos demais.</translation>
    </message>
    <message>
        <source>A program may hold %1 open at once here (ulimit -n).</source>
        <translation>Aqui, um programa pode manter %1 deles abertos ao mesmo tempo (ulimit -n).</translation>
    </message>
    <message>
        <source>Not tried: nothing was sent to it.</source>
        <translation>Não tentado: nada foi enviado a ele.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 KiB, which no settings file is (one of every setting is about 1 KiB).</source>
        <translation>%1 tem mais de %2 KiB, tamanho que nenhum arquivo de configuração tem (um com todos os parâmetros tem cerca de 1 KiB).</translation>
    </message>
    <message>
        <source>%1 is larger than %2 KiB, which no list of at most %3 addresses needs to be.</source>
        <translation>%1 tem mais de %2 KiB, tamanho de que nenhuma lista de no máximo %3 endereços precisa.</translation>
    </message>
    <message>
        <source>At most %1 devices are taken at a time; split the list of addresses.</source>
        <translation>São aceitos no máximo %1 dispositivos de uma vez; divida a lista de endereços.</translation>
    </message>
    <message>
        <source>%1 sent and kept</source>
        <translation>enviados e mantidos: %1</translation>
    </message>
    <message>
        <source>%1; BUT SETTINGS THAT WERE NOT SENT READ OTHERWISE AFTER THE APPLY (any apply commits a value that an earlier, interrupted write left pending on the device): %2</source>
        <translation>%1; MAS PARÂMETROS NÃO ENVIADOS TINHAM OUTRO VALOR APÓS A APLICAÇÃO (toda aplicação efetiva um valor que uma gravação anterior, interrompida, deixou pendente no dispositivo): %2</translation>
    </message>
    <message>
        <source>%1: not sent, but read as &quot;%2&quot; before the apply and &quot;%3&quot; after it</source>
        <translation>%1: não enviado, mas lido como &quot;%2&quot; antes da aplicação e como &quot;%3&quot; depois dela</translation>
    </message>
    <message>
        <source>%1; settings had been sent without the apply command: the device may hold them pending, and its next apply, of any write, commits them</source>
        <translation>%1; havia parâmetros enviados sem o comando de aplicação: o dispositivo pode mantê-los pendentes, e a próxima aplicação dele, de qualquer gravação, os efetiva</translation>
    </message>
    <message>
        <source>%1 after the settings and the apply command were sent: the device may have applied them, and any value an earlier write left pending on it; read it to see what it holds</source>
        <translation>%1 depois do envio dos parâmetros e do comando de aplicação: o dispositivo pode tê-los aplicado, assim como qualquer valor que uma gravação anterior tenha deixado pendente nele; leia-o para ver o que ele contém</translation>
    </message>
    <message>
        <source>Usage: tolvoctl COMMAND [options] ...

Commands:
%1
&quot;tolvoctl COMMAND --help&quot; describes a command. Every command that takes ADDRESS takes several, or --hosts FILE; there is no default address. restore and set give many devices each its own static address with an address plan: --plan FILE (a line for each device, its serial number or current address, then its new address) or --plan-first A.B.C.D/N (counted upward in the order of the devices); a plan with one address for several devices, the network or broadcast address, an address outside the subnet, a device or line that does not match, or an address where another device already answers (a device switched off cannot be seen) is refused with exit status 2, and nothing is sent.

%2
</source>
        <translation>Uso: tolvoctl COMMAND [opções] ...

Comandos:
%1
&quot;tolvoctl COMMAND --help&quot; descreve um comando. Todo comando que recebe ADDRESS aceita vários, ou --hosts FILE; não há endereço padrão. restore e set dão a cada um de vários dispositivos o seu próprio endereço estático com um plano de endereços: --plan FILE (uma linha para cada dispositivo, com o número de série ou o endereço atual e depois o novo endereço) ou --plan-first A.B.C.D/N (em sequência crescente, na ordem dos dispositivos); um plano com um mesmo endereço para vários dispositivos, com o endereço de rede ou de broadcast, com um endereço fora da sub-rede, com um dispositivo ou uma linha sem correspondência, ou com um endereço em que outro dispositivo já responde (um dispositivo desligado não pode ser detectado) é recusado com código de saída 2, e nada é enviado.

%2
</translation>
    </message>
    <message>
        <source>Bound on the wait for a device that the settings sent move (a new address, DHCP, another network) to answer again, in ms (default 60000).</source>
        <translation>Limite da espera, em ms, para que um dispositivo que os parâmetros enviados movem (novo endereço, DHCP, outra rede) volte a responder (padrão 60000).</translation>
    </message>
    <message>
        <source>An address plan for the devices: a line for each, its serial number or current address, then its new address (# starts a comment). Each gets its own IPADDRESS, the IPMASK sent and DHCP 0; the plan is checked before anything is sent.</source>
        <translation>Um plano de endereços para os dispositivos: uma linha para cada um, com o número de série ou o endereço atual e depois o novo endereço (# inicia um comentário). Cada um recebe seu próprio IPADDRESS, o IPMASK enviado e DHCP 0; o plano é verificado antes de qualquer envio.</translation>
    </message>
    <message>
        <source>An address plan counted upward from A.B.C.D in the order of the devices, with the mask of prefix length N: each gets its own IPADDRESS, that IPMASK and DHCP 0; checked before anything is sent.</source>
        <translation>Um plano de endereços em sequência crescente a partir de A.B.C.D, na ordem dos dispositivos, com a máscara de comprimento de prefixo N: cada um recebe seu próprio IPADDRESS, esse IPMASK e DHCP 0; verificado antes de qualquer envio.</translation>
    </message>
    <message>
        <source>Give --plan or --plan-first, not both.</source>
        <translation>Informe --plan ou --plan-first, não ambos.</translation>
    </message>
    <message>
        <source>--plan needs the mask among the settings sent (IPMASK=...).</source>
        <translation>--plan precisa da máscara entre os parâmetros enviados (IPMASK=...).</translation>
    </message>
    <message>
        <source>looking for the device after the apply</source>
        <translation>procurar o dispositivo após a aplicação</translation>
    </message>
    <message>
        <source>%1; read back at its new address %2</source>
        <translation>%1; relido no novo endereço dele, %2</translation>
    </message>
    <message>
        <source>the settings and the apply command were sent; they move the device to %1, and it answered neither there nor at %2 within %3 seconds: look for it at %1 (it may still be restarting, or that address is not reachable from this computer)</source>
        <translation>os parâmetros e o comando de aplicação foram enviados; eles movem o dispositivo para %1, e ele não respondeu nem lá nem em %2 dentro de %3 segundos: procure-o em %1 (ele pode ainda estar reiniciando, ou esse endereço não é alcançável a partir deste computador)</translation>
    </message>
    <message>
        <source>the settings and the apply command were sent; they turn DHCP on, and the device did not answer at %1 within %2 seconds: its DHCP server chooses its address; find it with a scan of the site&apos;s addresses</source>
        <translation>os parâmetros e o comando de aplicação foram enviados; eles habilitam o DHCP, e o dispositivo não respondeu em %1 dentro de %2 segundos: o servidor DHCP escolhe o endereço dele; encontre-o com uma varredura dos endereços da instalação</translation>
    </message>
    <message>
        <source>the settings and the apply command were sent; they join the device to another network (SSID, password or network type), and it did not answer at %1 within %2 seconds: join that network to reach it, then find it with a scan</source>
        <translation>os parâmetros e o comando de aplicação foram enviados; eles conectam o dispositivo a outra rede (SSID, senha ou tipo de rede), e ele não respondeu em %1 dentro de %2 segundos: conecte-se a essa rede para alcançá-lo e depois encontre-o com uma varredura</translation>
    </message>
    <message>
        <source>the settings and the apply command were sent; they join the device to another network (SSID, password or network type) at the address %1, and it answered neither there nor at %2 within %3 seconds: join that network to reach it at %1</source>
        <translation>os parâmetros e o comando de aplicação foram enviados; eles conectam o dispositivo a outra rede (SSID, senha ou tipo de rede) no endereço %1, e ele não respondeu nem lá nem em %2 dentro de %3 segundos: conecte-se a essa rede para alcançá-lo em %1</translation>
    </message>
    <message>
        <source>the settings and the apply command were sent; another device (serial number &quot;%1&quot;) answers at %2, where this one was looked for after the apply: it was not read back; look for it with a scan, and give the two devices addresses of their own</source>
        <translation>os parâmetros e o comando de aplicação foram enviados; outro dispositivo (número de série &quot;%1&quot;) responde em %2, onde este foi procurado após a aplicação: ele não foi relido; procure-o com uma varredura e dê a cada um dos dois dispositivos um endereço próprio</translation>
    </message>
    <message>
        <source>the settings and the apply command were sent; the device may restart on them, and it did not answer at %1 within %2 seconds</source>
        <translation>os parâmetros e o comando de aplicação foram enviados; o dispositivo pode reiniciar ao aplicá-los, e ele não respondeu em %1 dentro de %2 segundos</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 para %2</translation>
    </message>
    <message>
        <source>%1 (no address)</source>
        <translation>%1 (sem endereço)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no first address of a plan: give A.B.C.D/N (the prefix length is the mask).</source>
        <translation>&quot;%1&quot; não é um primeiro endereço de plano: informe A.B.C.D/N (o comprimento do prefixo é a máscara).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no line of a plan: give the device&apos;s serial number or current address, then blanks, then its new address.</source>
        <translation>&quot;%1&quot; não é uma linha de plano: informe o número de série ou o endereço atual do dispositivo, depois espaços, depois o novo endereço.</translation>
    </message>
    <message>
        <source>%1 gives no device an address.</source>
        <translation>%1 não atribui endereço a nenhum dispositivo.</translation>
    </message>
    <message>
        <source>%1 is no mask of a subnet (its ones do not come first).</source>
        <translation>%1 não é uma máscara de sub-rede (os bits 1 não vêm primeiro).</translation>
    </message>
    <message>
        <source>One address for several devices: %1.</source>
        <translation>Um mesmo endereço para vários dispositivos: %1.</translation>
    </message>
    <message>
        <source>%1: the network address of the subnet %2, which no device may have.</source>
        <translation>%1: o endereço de rede da sub-rede %2, que nenhum dispositivo pode ter.</translation>
    </message>
    <message>
        <source>%1: the broadcast address of the subnet %2, which no device may have.</source>
        <translation>%1: o endereço de broadcast da sub-rede %2, que nenhum dispositivo pode ter.</translation>
    </message>
    <message>
        <source>%1: outside the subnet %2 of the mask.</source>
        <translation>%1: fora da sub-rede %2 da máscara.</translation>
    </message>
    <message>
        <source>%1: no line of the plan names this device.</source>
        <translation>%1: nenhuma linha do plano indica este dispositivo.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is none of the devices sent to.</source>
        <translation>&quot;%1&quot; não é nenhum dos dispositivos de destino.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names a device that an earlier line names too.</source>
        <translation>&quot;%1&quot; indica um dispositivo que uma linha anterior também indica.</translation>
    </message>
    <message>
        <source>%1: another device already answers at this address (a device that is switched off cannot be seen).</source>
        <translation>%1: outro dispositivo já responde neste endereço (um dispositivo desligado não pode ser detectado).</translation>
    </message>
    <message>
        <source>The address plan is refused; nothing was sent:</source>
        <translation>O plano de endereços foi recusado; nada foi enviado:</translation>
    </message>
    <message>
        <source>the plan</source>
        <translation>o plano</translation>
    </message>
    <message>
        <source>Messages and help are in the language of --lang LANGUAGE (%1), else of LC_ALL, LC_MESSAGES or LANG, else of the system. --json output is always in English, whatever the language.</source>
        <translation>As mensagens e a ajuda ficam no idioma de --lang LANGUAGE (%1); senão, no de LC_ALL, LC_MESSAGES ou LANG; senão, no do sistema. A saída de --json é sempre em inglês, qualquer que seja o idioma.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no language tolvoctl speaks; it speaks %2.</source>
        <translation>&quot;%1&quot; não é um idioma disponível no tolvoctl; os disponíveis são %2.</translation>
    </message>
    <message>
        <source>--lang needs a language, for instance --lang de.</source>
        <translation>--lang precisa de um idioma, por exemplo --lang de.</translation>
    </message>
    <message>
        <source>The technician&apos;s note in the record of --record.</source>
        <translation>A observação do técnico no registro de --record.</translation>
    </message>
    <message>
        <source>--note goes into a record: give --record FILE too.</source>
        <translation>--note vai para um registro: informe também --record FILE.</translation>
    </message>
    <message>
        <source>%1; matches: the device holds every value</source>
        <translation>%1; conforme: o dispositivo tem todos os valores</translation>
    </message>
    <message>
        <source>%1; differs: %2</source>
        <translation>%1; divergente: %2</translation>
    </message>
    <message>
        <source>Record: %1, SHA-256 %2</source>
        <translation>Registro: %1, SHA-256 %2</translation>
    </message>
    <message>
        <source>%1 The record was not written; each device&apos;s result stands as reported.</source>
        <translation>%1 O registro não foi gravado; o resultado de cada dispositivo continua valendo como informado.</translation>
    </message>
    <message>
        <source>the settings and the apply command were sent, but they could not be read back: the device may have applied them; read it to see what it holds</source>
        <translation>os parâmetros e o comando de aplicação foram enviados, mas não foi possível relê-los: o dispositivo pode tê-los aplicado; leia-o para ver o que ele contém</translation>
    </message>
    <message>
        <source>Not a commissioning record of format &quot;%1&quot;, version %2.</source>
        <translation>Não é um registro de comissionamento do formato &quot;%1&quot;, versão %2.</translation>
    </message>
    <message>
        <source>The record&apos;s member %1 is missing or of the wrong type.</source>
        <translation>O membro %1 do registro está ausente ou é de tipo errado.</translation>
    </message>
    <message>
        <source>The record&apos;s member %1 holds &quot;%2&quot;, which a record does not.</source>
        <translation>O membro %1 do registro contém &quot;%2&quot;, valor que um registro não admite.</translation>
    </message>
    <message>
        <source>The record&apos;s member %1 holds a Wi-Fi password&apos;s value, which a record never does (only &quot;********&quot; or nothing).</source>
        <translation>O membro %1 do registro contém o valor de uma senha Wi-Fi, o que um registro nunca contém (só &quot;********&quot; ou nada).</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MiB, which no record is.</source>
        <translation>%1 tem mais de %2 MiB, tamanho que nenhum registro tem.</translation>
    </message>
    <message>
        <source>Also writes the run&apos;s commissioning record to FILE: for every device its address, serial number, firmware, every setting as read back (the password as asterisks), whether each was verified and what changed, with the time and the note, as JSON; it prints the file&apos;s SHA-256. With --dry-run of restore the devices are read and compared with the file (a check): each matches or differs, and exit status 1 says that one differs.</source>
        <translation>Também grava em FILE o registro de comissionamento da execução: para cada dispositivo, o endereço, o número de série, o firmware, todos os parâmetros relidos (a senha como asteriscos), se cada um foi verificado e o que mudou, com o horário e a observação, em JSON; imprime o SHA-256 do arquivo. Com --dry-run de restore, os dispositivos são lidos e comparados com o arquivo (uma conferência): cada um fica conforme ou divergente, e o código de saída 1 indica que algum está divergente.</translation>
    </message>
    <message>
        <source>%1 matching, %2 differing, %3 failed</source>
        <translation>%1 conformes, %2 divergentes, %3 com falha</translation>
    </message>
    <message>
        <source>it is no regular file (a folder, a device or a pipe)</source>
        <translation>não é um arquivo comum (e sim uma pasta, um arquivo de dispositivo ou um pipe)</translation>
    </message>
    <message>
        <source>The record&apos;s member %1 is longer than a record&apos;s ever is (at most %2).</source>
        <translation>O membro %1 do registro é mais longo do que um registro admite (no máximo %2).</translation>
    </message>
    <message>
        <source>%1 is also a file this command reads or writes: a record needs a file of its own.</source>
        <translation>%1 também é um arquivo que este comando lê ou grava: um registro precisa de um arquivo próprio.</translation>
    </message>
    <message>
        <source>%1 exists and is no commissioning record: a record replaces only an earlier record.</source>
        <translation>%1 já existe e não é um registro de comissionamento: um registro só substitui um registro anterior.</translation>
    </message>
</context>
</TS>
