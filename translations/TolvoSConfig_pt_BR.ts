<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Strings</name>
    <message>
        <source>&amp;About TolvoConfig...</source>
        <translation>&amp;Sobre o TolvoConfig...</translation>
    </message>
    <message>
        <source>Windows sockets initialization failed.</source>
        <translation>Falha ao inicializar os sockets do Windows.</translation>
    </message>
    <message>
        <source>Info / DSC Parameters</source>
        <translation>Info / Parâmetros DSC</translation>
    </message>
    <message>
        <source>WiFi Settings</source>
        <translation>Configuração WiFi</translation>
    </message>
    <message>
        <source>Port Settings</source>
        <translation>Configuração das portas</translation>
    </message>
    <message>
        <source>Port Routing</source>
        <translation>Roteamento das portas</translation>
    </message>
    <message>
        <source>%1 - version: %2</source>
        <translation>%1 - versão: %2</translation>
    </message>
    <message>
        <source>Discard the changes that have not been saved to the device?</source>
        <translation>Descartar as alterações que não foram salvas no dispositivo?</translation>
    </message>
    <message>
        <source>Unsaved Changes</source>
        <translation>Alterações não salvas</translation>
    </message>
    <message>
        <source>Reading the settings from %1</source>
        <translation>Lendo os parâmetros de %1</translation>
    </message>
    <message>
        <source>Nothing was loaded: the pages still show what they showed before.</source>
        <translation>Nada foi carregado: as páginas continuam mostrando o que mostravam antes.</translation>
    </message>
    <message>
        <source>Load Failed</source>
        <translation>Falha ao carregar</translation>
    </message>
    <message>
        <source>Current configuration has been loaded from Tolvo.</source>
        <translation>A configuração atual foi carregada do Tolvo.</translation>
    </message>
    <message>
        <source>Success!</source>
        <translation>Sucesso!</translation>
    </message>
    <message>
        <source>Some values cannot be shown exactly as the device holds them. Their fields are marked, and a save leaves them as the device holds them unless you edit them:
%1</source>
        <translation>Alguns valores não podem ser mostrados exatamente como estão no dispositivo. Os campos deles estão marcados, e ao salvar eles ficam como estão no dispositivo, a menos que você os edite:
%1</translation>
    </message>
    <message>
        <source>%1: the device holds &quot;%2&quot;</source>
        <translation>%1: o valor no dispositivo é &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Changed since the last load or save.</source>
        <translation>Alterado desde o último carregamento ou salvamento.</translation>
    </message>
    <message>
        <source>The device holds &quot;%1&quot;; shown here as near as this field can.</source>
        <translation>O valor no dispositivo é &quot;%1&quot;; mostrado aqui da forma mais próxima que este campo permite.</translation>
    </message>
    <message>
        <source>Current configuration has been saved to Tolvo.</source>
        <translation>A configuração atual foi salva no Tolvo.</translation>
    </message>
    <message>
        <source>Not sent, the device&apos;s value matches no item: %1.</source>
        <translation>Não enviados, pois o valor do dispositivo não corresponde a nenhum item da lista: %1.</translation>
    </message>
    <message>
        <source>Load the configuration from the device first.

Until a load has succeeded the pages hold blank values, and saving them would overwrite the device&apos;s settings.</source>
        <translation>Carregue primeiro a configuração do dispositivo.

Até que um carregamento seja bem-sucedido, as páginas contêm valores em branco, e salvá-los sobrescreveria os parâmetros do dispositivo.</translation>
    </message>
    <message>
        <source>Save Configuration</source>
        <translation>Salvar configuração</translation>
    </message>
    <message>
        <source>A text setting cannot be stored on the device. Nothing was sent.</source>
        <translation>Um parâmetro de texto não pode ser armazenado no dispositivo. Nada foi enviado.</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>Falha ao salvar</translation>
    </message>
    <message>
        <source>Sending the settings to %1</source>
        <translation>Enviando os parâmetros para %1</translation>
    </message>
    <message>
        <source>All settings were sent, but the device did not confirm that it applied them (it may have restarted).

Load the configuration to see what the device holds.</source>
        <translation>Todos os parâmetros foram enviados, mas o dispositivo não confirmou que os aplicou (ele pode ter reiniciado).

Carregue a configuração para ver o que está no dispositivo.</translation>
    </message>
    <message>
        <source>Save Not Confirmed</source>
        <translation>Salvamento não confirmado</translation>
    </message>
    <message>
        <source>Saving was cancelled. Some settings may have reached the device, but the apply command was not sent, so the device has not applied them.</source>
        <translation>O salvamento foi cancelado. Alguns parâmetros podem ter chegado ao dispositivo, mas o comando de aplicação não foi enviado, portanto o dispositivo não os aplicou.</translation>
    </message>
    <message>
        <source>Saving was cancelled before anything was sent: the device keeps its settings.</source>
        <translation>O salvamento foi cancelado antes de qualquer envio: o dispositivo mantém seus parâmetros.</translation>
    </message>
    <message>
        <source>Save Cancelled</source>
        <translation>Salvamento cancelado</translation>
    </message>
    <message>
        <source>Nothing was sent: the device keeps its settings.</source>
        <translation>Nada foi enviado: o dispositivo mantém seus parâmetros.</translation>
    </message>
    <message>
        <source>Saving stopped before the device confirmed every setting. The apply command was not sent, so the device has not applied the new settings.</source>
        <translation>O salvamento parou antes que o dispositivo confirmasse todos os parâmetros. O comando de aplicação não foi enviado, portanto o dispositivo não aplicou os novos parâmetros.</translation>
    </message>
    <message>
        <source>The settings were loaded from %1. Send them to %2?</source>
        <translation>Os parâmetros foram carregados de %1. Enviá-los para %2?</translation>
    </message>
    <message>
        <source>The device applied the settings, but reading them back gave other values for: %1.

Load the configuration to see what the device holds.</source>
        <translation>O dispositivo aplicou os parâmetros, mas a releitura deu outros valores para: %1.

Carregue a configuração para ver o que está no dispositivo.</translation>
    </message>
    <message>
        <source>The device confirmed that it applied the settings, but they could not be read back to check them (it may have restarted).

Load the configuration to see what the device holds.</source>
        <translation>O dispositivo confirmou que aplicou os parâmetros, mas não foi possível relê-los para verificá-los (ele pode ter reiniciado).

Carregue a configuração para ver o que está no dispositivo.</translation>
    </message>
    <message>
        <source>Not sent, the device keeps the value it holds: %1.</source>
        <translation>Não enviados, o dispositivo mantém o valor que já tem: %1.</translation>
    </message>
    <message>
        <source>Changed: %1.</source>
        <translation>Alterados: %1.</translation>
    </message>
    <message>
        <source>No setting changed on the device.</source>
        <translation>Nenhum parâmetro foi alterado no dispositivo.</translation>
    </message>
    <message>
        <source>Could not connecto to Tolvo.</source>
        <translation>Não foi possível conectar ao Tolvo.</translation>
    </message>
    <message>
        <source>Connection Error</source>
        <translation>Erro de conexão</translation>
    </message>
    <message>
        <source>Sending to the device failed.</source>
        <translation>O envio ao dispositivo falhou.</translation>
    </message>
    <message>
        <source>The device&apos;s address could not be found.</source>
        <translation>O endereço do dispositivo não foi encontrado.</translation>
    </message>
    <message>
        <source>The device&apos;s address has no data record.</source>
        <translation>O endereço do dispositivo não tem registro de dados.</translation>
    </message>
    <message>
        <source>The connection to the device failed: %1.</source>
        <translation>A conexão com o dispositivo falhou: %1.</translation>
    </message>
    <message>
        <source>The device did not answer within %1 seconds.</source>
        <translation>O dispositivo não respondeu em %1 segundos.</translation>
    </message>
    <message>
        <source>The device closed the connection.</source>
        <translation>O dispositivo encerrou a conexão.</translation>
    </message>
    <message>
        <source>The device sent a reply longer than %1 bytes.</source>
        <translation>O dispositivo enviou uma resposta com mais de %1 bytes.</translation>
    </message>
    <message>
        <source>A setting is too long to send: a command may hold at most %1 bytes.</source>
        <translation>Um parâmetro é longo demais para ser enviado: um comando pode ter no máximo %1 bytes.</translation>
    </message>
    <message>
        <source>No connection to the device could be made.</source>
        <translation>Não foi possível estabelecer conexão com o dispositivo.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Cancelado.</translation>
    </message>
    <message>
        <source>Unknown result %1.</source>
        <translation>Resultado desconhecido %1.</translation>
    </message>
    <message>
        <source>The device sent more reply lines than it was asked for, so its replies cannot be matched to the settings.</source>
        <translation>O dispositivo enviou mais linhas de resposta do que foi solicitado, portanto não é possível associar as respostas dele aos parâmetros.</translation>
    </message>
    <message>
        <source>The device name</source>
        <translation>O nome do dispositivo</translation>
    </message>
    <message>
        <source>The SSID</source>
        <translation>O SSID</translation>
    </message>
    <message>
        <source>The password</source>
        <translation>A senha</translation>
    </message>
    <message>
        <source>%1 can hold at most %2 characters; this one has %3.</source>
        <translation>%1 pode ter no máximo %2 caracteres; o valor digitado tem %3.</translation>
    </message>
    <message>
        <source>%1 can hold only Latin-1 characters (U+0000 to U+00FF).</source>
        <translation>%1 só pode conter caracteres Latin-1 (U+0000 a U+00FF).</translation>
    </message>
    <message>
        <source>%1 cannot hold line breaks or zero characters.</source>
        <translation>%1 não pode conter quebras de linha nem caracteres nulos.</translation>
    </message>
    <message>
        <source>Please enter a whole number.</source>
        <translation>Digite um número inteiro.</translation>
    </message>
    <message>
        <source>Please enter a whole number between %1 and %2.</source>
        <translation>Digite um número inteiro entre %1 e %2.</translation>
    </message>
    <message>
        <source>Choose the %1 from the list: %2.</source>
        <translation>Escolha um item da lista para %1: %2.</translation>
    </message>
    <message>
        <source>%1 is not a valid entry. Please specify a value between 0 and 255.</source>
        <translation>%1 não é um valor válido. Informe um valor entre 0 e 255.</translation>
    </message>
    <message>
        <source>%1, part %2 of 4</source>
        <translation>%1, parte %2 de 4</translation>
    </message>
    <message>
        <source>%1
%2 of %3</source>
        <translation>%1
%2 de %3</translation>
    </message>
    <message>
        <source>Find Devices</source>
        <translation>Localizar dispositivos</translation>
    </message>
    <message>
        <source>&amp;Addresses:</source>
        <translation>&amp;Endereços:</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <source>Ca&amp;ncel</source>
        <translation>Ca&amp;ncelar</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Endereço</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Número de série</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Versão do firmware</translation>
    </message>
    <message>
        <source>Trying %1 addresses: %2 done, %3 found.</source>
        <translation>Testando %1 endereços: %2 concluídos, %3 encontrados.</translation>
    </message>
    <message>
        <source>%1 found among %2 addresses. Double-click a device, or select it and press Enter, to use its address.</source>
        <translation>%1 encontrados entre %2 endereços. Clique duas vezes em um dispositivo, ou selecione-o e pressione Enter, para usar o endereço dele.</translation>
    </message>
    <message>
        <source>The search was stopped: %1 found among the %2 addresses tried.</source>
        <translation>A busca foi interrompida: %1 encontrados entre os %2 endereços testados.</translation>
    </message>
    <message>
        <source>No network of this computer was found. Type a range such as 192.168.1.1-192.168.1.254 or 192.168.1.0/24.</source>
        <translation>Nenhuma rede deste computador foi encontrada. Digite uma faixa como 192.168.1.1-192.168.1.254 ou 192.168.1.0/24.</translation>
    </message>
    <message>
        <source>Type a range to search, such as 192.168.1.1-192.168.1.254 or 192.168.1.0/24.</source>
        <translation>Digite uma faixa a buscar, como 192.168.1.1-192.168.1.254 ou 192.168.1.0/24.</translation>
    </message>
    <message>
        <source>Ranges to search: FIRST-LAST or A.B.C.D/N, several separated by commas</source>
        <translation>Faixas a buscar: FIRST-LAST ou A.B.C.D/N, várias separadas por vírgulas</translation>
    </message>
    <message>
        <source>Devices found</source>
        <translation>Dispositivos encontrados</translation>
    </message>
    <message>
        <source>Find devices on the network</source>
        <translation>Localizar dispositivos na rede</translation>
    </message>
    <message>
        <source>Import settings from a file</source>
        <translation>Importar configuração de um arquivo</translation>
    </message>
    <message>
        <source>Export settings to a file</source>
        <translation>Exportar configuração para um arquivo</translation>
    </message>
    <message>
        <source>Settings files (*.json);;All files (*)</source>
        <translation>Arquivos de configuração (*.json);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Export Settings</source>
        <translation>Exportar configuração</translation>
    </message>
    <message>
        <source>Import Settings</source>
        <translation>Importar configuração</translation>
    </message>
    <message>
        <source>The settings shown were exported to %1.</source>
        <translation>Os parâmetros exibidos foram exportados para %1.</translation>
    </message>
    <message>
        <source>Export Failed</source>
        <translation>Falha ao exportar</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>Falha ao importar</translation>
    </message>
    <message>
        <source>%1 cannot be imported; the pages were not changed.

%2</source>
        <translation>Não é possível importar %1; as páginas não foram alteradas.

%2</translation>
    </message>
    <message>
        <source>%1 settings from %2 are shown as unsaved changes. Nothing is sent to the device until you press Save Configuration.</source>
        <translation>%1 parâmetros de %2 são mostrados como alterações não salvas. Nada é enviado ao dispositivo até você clicar em Salvar configuração.</translation>
    </message>
    <message>
        <source>The file was saved from another device (serial number %1; this one is %2). Its settings are copied to this one as they are.</source>
        <translation>O arquivo foi salvo a partir de outro dispositivo (número de série %1; o deste é %2). Os parâmetros dele são copiados para este como estão.</translation>
    </message>
    <message>
        <source>Load the configuration from the device first: the file&apos;s settings are then shown as changes to what the device holds.</source>
        <translation>Carregue primeiro a configuração do dispositivo: os parâmetros do arquivo serão então mostrados como alterações em relação ao que está no dispositivo.</translation>
    </message>
    <message>
        <source>Not in the file, the page has no value for it: %1.</source>
        <translation>Não incluídos no arquivo, pois a página não tem valor para eles: %1.</translation>
    </message>
    <message>
        <source>Load the configuration from the device first: until then the pages hold no settings to export.</source>
        <translation>Carregue primeiro a configuração do dispositivo: até lá, as páginas não têm parâmetros para exportar.</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>aguardando</translation>
    </message>
    <message>
        <source>reading</source>
        <translation>lendo</translation>
    </message>
    <message>
        <source>sending</source>
        <translation>enviando</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>verificado</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>inalterado</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>com falha</translation>
    </message>
    <message>
        <source>not started</source>
        <translation>não iniciado</translation>
    </message>
    <message>
        <source>untouched</source>
        <translation>intocado</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>alterado</translation>
    </message>
    <message>
        <source>unknown state</source>
        <translation>estado desconhecido</translation>
    </message>
    <message>
        <source>%1 verified, %2 unchanged, %3 failed</source>
        <translation>%1 verificados, %2 inalterados, %3 com falha</translation>
    </message>
    <message>
        <source>%1, %2 not started</source>
        <translation>%1, %2 não iniciados</translation>
    </message>
    <message>
        <source>The device did not keep what was sent: %1.</source>
        <translation>O dispositivo não manteve o que foi enviado: %1.</translation>
    </message>
    <message>
        <source>The apply command was not answered; the settings read back on a new connection are as sent.</source>
        <translation>O comando de aplicação não foi respondido; os parâmetros relidos em uma nova conexão estão como foram enviados.</translation>
    </message>
    <message>
        <source>Cancelled before it started: nothing was sent to it.</source>
        <translation>Cancelado antes de começar: nada foi enviado a ele.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; to &quot;%3&quot;</source>
        <translation>%1: de &quot;%2&quot; para &quot;%3&quot;</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message>
        <source>Changed Settings</source>
        <translation>Parâmetros alterados</translation>
    </message>
    <message>
        <source>Failure or Note</source>
        <translation>Falha ou observação</translation>
    </message>
    <message>
        <source>Send to the Picked Devices</source>
        <translation>Enviar aos dispositivos escolhidos</translation>
    </message>
    <message>
        <source>These settings will be sent to %1 devices. Each device is sent only the settings it holds otherwise, then told to apply them, and then read back to check that it kept them.</source>
        <translation>Estes parâmetros serão enviados a %1 dispositivos. Cada dispositivo recebe somente os parâmetros em que tem outro valor, depois a ordem de aplicá-los, e então é relido para verificar se os manteve.</translation>
    </message>
    <message>
        <source>Each device keeps its own of these unless you tick them:</source>
        <translation>Cada dispositivo mantém os próprios valores destes parâmetros, a menos que você os marque:</translation>
    </message>
    <message>
        <source>Device &amp;name: %1</source>
        <translation>&amp;Nome do dispositivo: %1</translation>
    </message>
    <message>
        <source>&amp;DHCP mode: %1</source>
        <translation>Modo &amp;DHCP: %1</translation>
    </message>
    <message>
        <source>&amp;Send</source>
        <translation>&amp;Enviar</translation>
    </message>
    <message>
        <source>Settings to send</source>
        <translation>Parâmetros a enviar</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Parâmetro</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Sending to %1 Devices</source>
        <translation>Enviando a %1 dispositivos</translation>
    </message>
    <message>
        <source>&amp;Retry Failed</source>
        <translation>&amp;Repetir os com falha</translation>
    </message>
    <message>
        <source>&amp;Save Report...</source>
        <translation>&amp;Salvar relatório...</translation>
    </message>
    <message>
        <source>Result of each device</source>
        <translation>Resultado de cada dispositivo</translation>
    </message>
    <message>
        <source>Details of the selected device</source>
        <translation>Detalhes do dispositivo selecionado</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Arquivos CSV (*.csv);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>The report was saved to %1.</source>
        <translation>O relatório foi salvo em %1.</translation>
    </message>
    <message>
        <source>Devices done</source>
        <translation>Dispositivos concluídos</translation>
    </message>
    <message>
        <source>&amp;Details:</source>
        <translation>&amp;Detalhes:</translation>
    </message>
    <message>
        <source>Device Name</source>
        <translation>Nome do dispositivo</translation>
    </message>
    <message>
        <source>&amp;Tick All</source>
        <translation>&amp;Marcar todos</translation>
    </message>
    <message>
        <source>&amp;Paste Addresses</source>
        <translation>&amp;Colar endereços</translation>
    </message>
    <message>
        <source>Add from &amp;File...</source>
        <translation>Adicionar de &amp;arquivo...</translation>
    </message>
    <message>
        <source>Sen&amp;d to the Picked Devices...</source>
        <translation>En&amp;viar aos dispositivos escolhidos...</translation>
    </message>
    <message>
        <source>Address lists (*.txt);;All files (*)</source>
        <translation>Listas de endereços (*.txt);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>%1 addresses added and ticked.</source>
        <translation>%1 endereços adicionados e marcados.</translation>
    </message>
    <message>
        <source>Tick the devices to send to in Find Devices first (or select them, or paste a list of addresses).</source>
        <translation>Primeiro marque, em Localizar dispositivos, os dispositivos de destino (ou selecione-os, ou cole uma lista de endereços).</translation>
    </message>
    <message>
        <source>Send to the Picked Devices...</source>
        <translation>Enviar aos dispositivos escolhidos...</translation>
    </message>
    <message>
        <source>Load the configuration from a device first: the pages&apos; settings as they then stand are what is sent.</source>
        <translation>Carregue primeiro a configuração de um dispositivo: o que é enviado são os parâmetros das páginas como estiverem nesse momento.</translation>
    </message>
    <message>
        <source>Report Not Saved</source>
        <translation>Relatório não salvo</translation>
    </message>
    <message>
        <source>Sending: %1 of %2 devices done.</source>
        <translation>Enviando: %1 de %2 dispositivos concluídos.</translation>
    </message>
    <message>
        <source>The clipboard holds no addresses: copy a list with one address a line.</source>
        <translation>A área de transferência não contém endereços: copie uma lista com um endereço por linha.</translation>
    </message>
    <message>
        <source>Cancelling: no more devices start; the %1 under way finish first.</source>
        <translation>Cancelando: nenhum outro dispositivo será iniciado; os %1 em andamento terminam antes.</translation>
    </message>
    <message>
        <source>Sent %1 and the apply command, then the device did not answer: it may hold the new values or the old.</source>
        <translation>Enviados %1 e o comando de aplicação, depois o dispositivo não respondeu: ele pode ter os valores novos ou os antigos.</translation>
    </message>
    <message>
        <source>The device address and the range to search could not be saved in %1 (the disk may be full, or the file or its folder cannot be written), so they will not be remembered at the next start. This is said once until a save of them succeeds again.</source>
        <translation>O endereço do dispositivo e a faixa de busca não puderam ser salvos em %1 (o disco pode estar cheio, ou o arquivo ou a pasta dele não permite gravação), portanto não serão lembrados na próxima inicialização. Este aviso aparece uma só vez, até que eles voltem a ser salvos com sucesso.</translation>
    </message>
    <message>
        <source>Settings Not Remembered</source>
        <translation>Preferências não memorizadas</translation>
    </message>
    <message>
        <source>The device applied the settings, but settings that were not sent read otherwise after the apply than at the load: %1. An earlier write may have left values waiting on the device, which any apply commits, or another program changed them.

Load the configuration to see what the device holds.</source>
        <translation>O dispositivo aplicou os parâmetros, mas parâmetros que não foram enviados tinham, após a aplicação, valores diferentes dos lidos no carregamento: %1. Uma gravação anterior pode ter deixado valores pendentes no dispositivo, que qualquer aplicação efetiva, ou outro programa os alterou.

Carregue a configuração para ver o que está no dispositivo.</translation>
    </message>
    <message>
        <source>Settings that were not sent read otherwise after the apply (an earlier write may have left values waiting on the device, which any apply commits): %1.</source>
        <translation>Parâmetros não enviados tinham outro valor após a aplicação (uma gravação anterior pode ter deixado valores pendentes no dispositivo, que qualquer aplicação efetiva): %1.</translation>
    </message>
    <message>
        <source>The device now answers at its new address, %1, where the settings were read back: the address field shows it.</source>
        <translation>O dispositivo agora responde no novo endereço dele, %1, onde os parâmetros foram relidos: o campo de endereço o mostra.</translation>
    </message>
    <message>
        <source>The device was not verified: %1.

The address field is left as it was. Find Devices searches a range of addresses for it.</source>
        <translation>O dispositivo não foi verificado: %1.

O campo de endereço ficou como estava. Localizar dispositivos procura o dispositivo em uma faixa de endereços.</translation>
    </message>
    <message>
        <source>The settings were applied, and they move the device: looking for it at %1</source>
        <translation>Os parâmetros foram aplicados e movem o dispositivo: procurando-o em %1</translation>
    </message>
    <message>
        <source>&amp;IP address and mask from an address plan, not as each device holds them (DHCP off; the pages hold %1 / %2):</source>
        <translation>Endereço &amp;IP e máscara de um plano de endereços, e não como cada dispositivo os tem (DHCP desabilitado; as páginas têm %1 / %2):</translation>
    </message>
    <message>
        <source>Applied, Not Seen</source>
        <translation>Aplicado, não visto</translation>
    </message>
    <message>
        <source>Read back at its new address, %1.</source>
        <translation>Relido no novo endereço dele, %1.</translation>
    </message>
    <message>
        <source>Now At</source>
        <translation>Agora em</translation>
    </message>
    <message>
        <source>%1, %2 applied but not seen since</source>
        <translation>%1, %2 aplicados, mas não vistos desde então</translation>
    </message>
    <message>
        <source>Count &amp;upward from:</source>
        <translation>&amp;Sequencial a partir de:</translation>
    </message>
    <message>
        <source>From a &amp;list: a line for each device, its serial number or current address, then its new address</source>
        <translation>De uma &amp;lista: uma linha para cada dispositivo, com o número de série ou o endereço atual e depois o novo endereço</translation>
    </message>
    <message>
        <source>Load Plan from &amp;File...</source>
        <translation>Carregar plano de &amp;arquivo...</translation>
    </message>
    <message>
        <source>First address of the plan</source>
        <translation>Primeiro endereço do plano</translation>
    </message>
    <message>
        <source>Address plan list</source>
        <translation>Lista do plano de endereços</translation>
    </message>
    <message>
        <source>mask %1 (from the pages)</source>
        <translation>máscara %1 (das páginas)</translation>
    </message>
    <message>
        <source>Planned &amp;addresses:</source>
        <translation>Endereços &amp;planejados:</translation>
    </message>
    <message>
        <source>Each device with its planned address</source>
        <translation>Cada dispositivo com seu endereço planejado</translation>
    </message>
    <message>
        <source>Planned Address</source>
        <translation>Endereço planejado</translation>
    </message>
    <message>
        <source>Looking for devices that already answer at the planned addresses...</source>
        <translation>Procurando dispositivos que já respondem nos endereços planejados...</translation>
    </message>
    <message>
        <source>&amp;Language...</source>
        <translation>&amp;Idioma...</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>&amp;Show the window in:</source>
        <translation>&amp;Mostrar a janela em:</translation>
    </message>
    <message>
        <source>The language of the system</source>
        <translation>Idioma do sistema</translation>
    </message>
    <message>
        <source>The window is shown in the chosen language from its next start.</source>
        <translation>A janela será exibida no idioma escolhido a partir da próxima inicialização.</translation>
    </message>
    <message>
        <source>The language could not be saved in %1, so the window will not be shown in it at the next start.</source>
        <translation>Não foi possível salvar o idioma em %1; por isso a janela não será exibida nele na próxima inicialização.</translation>
    </message>
    <message>
        <source>Chec&amp;k the Picked Devices...</source>
        <translation>C&amp;onferir os dispositivos escolhidos...</translation>
    </message>
    <message>
        <source>Check the picked devices: read each and compare it with the pages&apos; settings, sending nothing</source>
        <translation>Conferir os dispositivos escolhidos: ler cada um e compará-lo com os parâmetros das páginas, sem enviar nada</translation>
    </message>
    <message>
        <source>Check the Picked Devices...</source>
        <translation>Conferir os dispositivos escolhidos...</translation>
    </message>
    <message>
        <source>Tick the devices to check in Find Devices first (or select them, or paste a list of addresses).</source>
        <translation>Primeiro marque, em Localizar dispositivos, os dispositivos a conferir (ou selecione-os, ou cole uma lista de endereços).</translation>
    </message>
    <message>
        <source>Load the configuration from a device first: the devices are compared with the pages&apos; settings as they then stand.</source>
        <translation>Carregue primeiro a configuração de um dispositivo: os dispositivos são comparados com os parâmetros das páginas como estiverem nesse momento.</translation>
    </message>
    <message>
        <source>Check the Picked Devices</source>
        <translation>Conferir os dispositivos escolhidos</translation>
    </message>
    <message>
        <source>Checking %1 Devices</source>
        <translation>Conferindo %1 dispositivos</translation>
    </message>
    <message>
        <source>matches</source>
        <translation>conforme</translation>
    </message>
    <message>
        <source>differs</source>
        <translation>divergente</translation>
    </message>
    <message>
        <source>%1 matching, %2 differing, %3 failed</source>
        <translation>%1 conformes, %2 divergentes, %3 com falha</translation>
    </message>
    <message>
        <source>Checking: %1 of %2 devices done.</source>
        <translation>Conferindo: %1 de %2 dispositivos concluídos.</translation>
    </message>
    <message>
        <source>Differing Settings</source>
        <translation>Parâmetros divergentes</translation>
    </message>
    <message>
        <source>%1: the device holds &quot;%2&quot;, the pages &quot;%3&quot;</source>
        <translation>%1: o valor no dispositivo é &quot;%2&quot;, nas páginas é &quot;%3&quot;</translation>
    </message>
    <message>
        <source>%1: differs</source>
        <translation>%1: difere</translation>
    </message>
    <message>
        <source>Cancelled before it started: it was not read.</source>
        <translation>Cancelado antes de começar: não foi lido.</translation>
    </message>
    <message>
        <source>Each device is read and compared with these settings of the pages, and is sent nothing: %1. Each device&apos;s own settings are not compared: %2.</source>
        <translation>Cada dispositivo é lido e comparado com estes parâmetros das páginas, sem receber nada: %1. Os parâmetros próprios de cada dispositivo não são comparados: %2.</translation>
    </message>
    <message>
        <source>Save Rec&amp;ord...</source>
        <translation>Salvar re&amp;gistro...</translation>
    </message>
    <message>
        <source>Commissioning Record</source>
        <translation>Registro de comissionamento</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programa</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Execução</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Data e hora</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Fuso horário</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Observação</translation>
    </message>
    <message>
        <source>SHA-256 of %1: %2</source>
        <translation>SHA-256 de %1: %2</translation>
    </message>
    <message>
        <source>The JSON file named above holds this record as data. sha256sum prints its SHA-256: any other value than the one above means the file was changed after the record was made.</source>
        <translation>O arquivo JSON indicado acima contém este registro em forma de dados. O sha256sum imprime o SHA-256 dele: qualquer valor diferente do mostrado acima significa que o arquivo foi alterado depois que o registro foi criado.</translation>
    </message>
    <message>
        <source>Device %1 of %2: %3</source>
        <translation>Dispositivo %1 de %2: %3</translation>
    </message>
    <message>
        <source>Read back at</source>
        <translation>Relido em</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Why</source>
        <translation>Motivo</translation>
    </message>
    <message>
        <source>Every setting as read back</source>
        <translation>Todos os parâmetros relidos</translation>
    </message>
    <message>
        <source>No setting was read from this device.</source>
        <translation>Nenhum parâmetro foi lido deste dispositivo.</translation>
    </message>
    <message>
        <source>Verified after the apply</source>
        <translation>Verificado após a aplicação</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sim</translation>
    </message>
    <message>
        <source>no</source>
        <translation>não</translation>
    </message>
    <message>
        <source>What this run changed</source>
        <translation>O que esta execução alterou</translation>
    </message>
    <message>
        <source>This run changed no setting of this device.</source>
        <translation>Esta execução não alterou nenhum parâmetro deste dispositivo.</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Antes</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Depois</translation>
    </message>
    <message>
        <source>Settings that differ from those compared</source>
        <translation>Parâmetros que diferem dos comparados</translation>
    </message>
    <message>
        <source>Every setting compared matches.</source>
        <translation>Todos os parâmetros comparados conferem.</translation>
    </message>
    <message>
        <source>The device holds</source>
        <translation>No dispositivo</translation>
    </message>
    <message>
        <source>Compared with</source>
        <translation>Comparado com</translation>
    </message>
    <message>
        <source>set, not shown</source>
        <translation>definida, não exibida</translation>
    </message>
    <message>
        <source>Load from the device</source>
        <translation>Carregamento do dispositivo</translation>
    </message>
    <message>
        <source>Save to the device</source>
        <translation>Salvamento no dispositivo</translation>
    </message>
    <message>
        <source>Send to many devices</source>
        <translation>Envio a vários dispositivos</translation>
    </message>
    <message>
        <source>Check against settings, nothing sent</source>
        <translation>Conferência com parâmetros, nada enviado</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Backup</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restauração</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Definição de parâmetros</translation>
    </message>
    <message>
        <source>read</source>
        <translation>lido</translation>
    </message>
    <message>
        <source>not read</source>
        <translation>não lido</translation>
    </message>
    <message>
        <source>Save Record</source>
        <translation>Salvar registro</translation>
    </message>
    <message>
        <source>&amp;Note for the record (who, where, what was done):</source>
        <translation>&amp;Observação para o registro (quem, onde, o que foi feito):</translation>
    </message>
    <message>
        <source>PDF files (*.pdf);;All files (*)</source>
        <translation>Arquivos PDF (*.pdf);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>The record was saved to %1, and its JSON document beside it to %2.

SHA-256 of %3: %4</source>
        <translation>O registro foi salvo em %1, e o documento JSON dele, ao lado, em %2.

SHA-256 de %3: %4</translation>
    </message>
    <message>
        <source>Record Not Saved</source>
        <translation>Registro não salvo</translation>
    </message>
    <message>
        <source>%1

Neither file of the record was written: files of those names are as they were.</source>
        <translation>%1

Nenhum dos dois arquivos do registro foi gravado: os arquivos com esses nomes continuam como estavam.</translation>
    </message>
    <message>
        <source>%1

The JSON document was written to %2, but the PDF was not.</source>
        <translation>%1

O documento JSON foi gravado em %2, mas o PDF não.</translation>
    </message>
    <message>
        <source>Save a commissioning record of what was read back, as PDF and JSON</source>
        <translation>Salvar um registro de comissionamento do que foi relido, em PDF e JSON</translation>
    </message>
    <message>
        <source>Note for the record</source>
        <translation>Observação para o registro</translation>
    </message>
    <message>
        <source>Usage: %1 --record-pdf RECORD.json OUT.pdf</source>
        <translation>Uso: %1 --record-pdf RECORD.json OUT.pdf</translation>
    </message>
    <message>
        <source>%1: no PDF was made of it. %2</source>
        <translation>%1: nenhum PDF foi gerado a partir dele. %2</translation>
    </message>
    <message>
        <source>%1 No PDF was made.</source>
        <translation>%1 Nenhum PDF foi gerado.</translation>
    </message>
    <message>
        <source>%1 already exists and is not the record beside this PDF (a settings file, say).

Replace it with the record&apos;s JSON document?</source>
        <translation>%1 já existe e não é o registro que acompanha este PDF (pode ser, por exemplo, um arquivo de configuração).

Substituí-lo pelo documento JSON do registro?</translation>
    </message>
    <message>
        <source>Devices in this record</source>
        <translation>Dispositivos neste registro</translation>
    </message>
</context>
<context>
    <name>Templates</name>
    <message>
        <source>About TolvoConfig</source>
        <translation>Sobre o TolvoConfig</translation>
    </message>
    <message>
        <source>Program icon</source>
        <translation>Ícone do programa</translation>
    </message>
    <message>
        <source>Tolvo-S Configuration Utility, Version 1.0</source>
        <translation>Utilitário de configuração Tolvo-S, versão 1.0</translation>
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
        <translation>Configuração Tolvo-S - Halvane</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Tolvo&apos;s IP address:</source>
        <translation>Endereço IP do Tolvo:</translation>
    </message>
    <message>
        <source>Load Configuration</source>
        <translation>Carregar configuração</translation>
    </message>
    <message>
        <source>Save Configuration</source>
        <translation>Salvar configuração</translation>
    </message>
    <message>
        <source>Find Devices...</source>
        <translation>Localizar dispositivos...</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>Importar...</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportar...</translation>
    </message>
    <message>
        <source>Serial Number:</source>
        <translation>Número de série:</translation>
    </message>
    <message>
        <source>Firmware Version:</source>
        <translation>Versão do firmware:</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>Endereço IP:</translation>
    </message>
    <message>
        <source>IP mask:</source>
        <translation>Máscara IP:</translation>
    </message>
    <message>
        <source>SSID:</source>
        <translation>SSID:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Senha:</translation>
    </message>
    <message>
        <source>Wi-Fi channel:</source>
        <translation>Canal Wi-Fi:</translation>
    </message>
    <message>
        <source>Transmission Power:</source>
        <translation>Potência de transmissão:</translation>
    </message>
    <message>
        <source>Network Type:</source>
        <translation>Tipo de rede:</translation>
    </message>
    <message>
        <source>Network type</source>
        <translation>Tipo de rede</translation>
    </message>
    <message>
        <source>Access Point</source>
        <translation>Access Point</translation>
    </message>
    <message>
        <source>Infrastracture</source>
        <translation>Infraestrutura</translation>
    </message>
    <message>
        <source>DHCP mode</source>
        <translation>Modo DHCP</translation>
    </message>
    <message>
        <source>DHCP Disabled</source>
        <translation>DHCP desabilitado</translation>
    </message>
    <message>
        <source>DHCP Enabled</source>
        <translation>DHCP habilitado</translation>
    </message>
    <message>
        <source>DHCP Access Point</source>
        <translation>DHCP Access Point</translation>
    </message>
    <message>
        <source>Device Name:</source>
        <translation>Nome do dispositivo:</translation>
    </message>
    <message>
        <source>Port 0 connect to:</source>
        <translation>Porta 0 ligada a:</translation>
    </message>
    <message>
        <source>Port 0 connection</source>
        <translation>Conexão da porta 0</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuração</translation>
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
        <translation>Sem conexão</translation>
    </message>
    <message>
        <source>TCP/IP Port:</source>
        <translation>Porta TCP/IP:</translation>
    </message>
    <message>
        <source>Port 0 TCP/IP port</source>
        <translation>Porta TCP/IP da porta 0</translation>
    </message>
    <message>
        <source>Port 1 connect to:</source>
        <translation>Porta 1 ligada a:</translation>
    </message>
    <message>
        <source>Port 1 connection</source>
        <translation>Conexão da porta 1</translation>
    </message>
    <message>
        <source>Port 1 TCP/IP port</source>
        <translation>Porta TCP/IP da porta 1</translation>
    </message>
    <message>
        <source>Port 2 connect to:</source>
        <translation>Porta 2 ligada a:</translation>
    </message>
    <message>
        <source>Port 2 connection</source>
        <translation>Conexão da porta 2</translation>
    </message>
    <message>
        <source>Port 2 TCP/IP port</source>
        <translation>Porta TCP/IP da porta 2</translation>
    </message>
    <message>
        <source>Baudrate:</source>
        <translation>Baud rate:</translation>
    </message>
    <message>
        <source>Data Bits:</source>
        <translation>Bits de dados:</translation>
    </message>
    <message>
        <source>Stop Bits:</source>
        <translation>Bits de parada:</translation>
    </message>
    <message>
        <source>Parity:</source>
        <translation>Paridade:</translation>
    </message>
    <message>
        <source>RS232 baud rate</source>
        <translation>Baud rate RS232</translation>
    </message>
    <message>
        <source>RS232 data bits</source>
        <translation>Bits de dados RS232</translation>
    </message>
    <message>
        <source>RS232 stop bits</source>
        <translation>Bits de parada RS232</translation>
    </message>
    <message>
        <source>RS232 parity</source>
        <translation>Paridade RS232</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nenhuma</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Ímpar</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Par</translation>
    </message>
    <message>
        <source>DIRECT baud rate</source>
        <translation>Baud rate DIRECT</translation>
    </message>
    <message>
        <source>DIRECT data bits</source>
        <translation>Bits de dados DIRECT</translation>
    </message>
    <message>
        <source>DIRECT stop bits</source>
        <translation>Bits de parada DIRECT</translation>
    </message>
    <message>
        <source>DIRECT parity</source>
        <translation>Paridade DIRECT</translation>
    </message>
</context>
</TS>
