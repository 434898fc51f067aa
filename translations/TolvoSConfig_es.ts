<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Strings</name>
    <message>
        <source>&amp;About TolvoConfig...</source>
        <translation>&amp;Acerca de TolvoConfig...</translation>
    </message>
    <message>
        <source>Windows sockets initialization failed.</source>
        <translation>Falló la inicialización de los sockets de Windows.</translation>
    </message>
    <message>
        <source>Info / DSC Parameters</source>
        <translation>Info / Parámetros DSC</translation>
    </message>
    <message>
        <source>WiFi Settings</source>
        <translation>Parámetros WiFi</translation>
    </message>
    <message>
        <source>Port Settings</source>
        <translation>Parámetros de puertos</translation>
    </message>
    <message>
        <source>Port Routing</source>
        <translation>Enrutamiento de puertos</translation>
    </message>
    <message>
        <source>%1 - version: %2</source>
        <translation>%1 - versión: %2</translation>
    </message>
    <message>
        <source>Discard the changes that have not been saved to the device?</source>
        <translation>¿Descartar los cambios que no se han guardado en el dispositivo?</translation>
    </message>
    <message>
        <source>Unsaved Changes</source>
        <translation>Cambios sin guardar</translation>
    </message>
    <message>
        <source>Reading the settings from %1</source>
        <translation>Leyendo los parámetros de %1</translation>
    </message>
    <message>
        <source>Nothing was loaded: the pages still show what they showed before.</source>
        <translation>No se cargó nada: las páginas siguen mostrando lo mismo que antes.</translation>
    </message>
    <message>
        <source>Load Failed</source>
        <translation>Error al cargar</translation>
    </message>
    <message>
        <source>Current configuration has been loaded from Tolvo.</source>
        <translation>Configuración actual cargada desde el Tolvo.</translation>
    </message>
    <message>
        <source>Success!</source>
        <translation>Operación correcta</translation>
    </message>
    <message>
        <source>Some values cannot be shown exactly as the device holds them. Their fields are marked, and a save leaves them as the device holds them unless you edit them:
%1</source>
        <translation>Algunos valores no se pueden mostrar exactamente como los tiene el dispositivo. Sus campos están marcados, y al guardar se dejan como los tiene el dispositivo, salvo que usted los modifique:
%1</translation>
    </message>
    <message>
        <source>%1: the device holds &quot;%2&quot;</source>
        <translation>%1: el dispositivo tiene &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Changed since the last load or save.</source>
        <translation>Modificado desde la última carga o el último guardado.</translation>
    </message>
    <message>
        <source>The device holds &quot;%1&quot;; shown here as near as this field can.</source>
        <translation>El dispositivo tiene &quot;%1&quot;; aquí se muestra de la forma más aproximada que permite este campo.</translation>
    </message>
    <message>
        <source>Current configuration has been saved to Tolvo.</source>
        <translation>Configuración actual guardada en el Tolvo.</translation>
    </message>
    <message>
        <source>Not sent, the device&apos;s value matches no item: %1.</source>
        <translation>No enviados, el valor del dispositivo no coincide con ningún elemento de la lista: %1.</translation>
    </message>
    <message>
        <source>Load the configuration from the device first.

Until a load has succeeded the pages hold blank values, and saving them would overwrite the device&apos;s settings.</source>
        <translation>Cargue primero la configuración del dispositivo.

Hasta que una carga se complete correctamente, las páginas contienen valores vacíos, y guardarlos sobrescribiría los parámetros del dispositivo.</translation>
    </message>
    <message>
        <source>Save Configuration</source>
        <translation>Guardar configuración</translation>
    </message>
    <message>
        <source>A text setting cannot be stored on the device. Nothing was sent.</source>
        <translation>Un parámetro de texto no se puede almacenar en el dispositivo. No se envió nada.</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>Error al guardar</translation>
    </message>
    <message>
        <source>Sending the settings to %1</source>
        <translation>Enviando los parámetros a %1</translation>
    </message>
    <message>
        <source>All settings were sent, but the device did not confirm that it applied them (it may have restarted).

Load the configuration to see what the device holds.</source>
        <translation>Se enviaron todos los parámetros, pero el dispositivo no confirmó que los aplicara (puede que se haya reiniciado).

Cargue la configuración para ver qué contiene el dispositivo.</translation>
    </message>
    <message>
        <source>Save Not Confirmed</source>
        <translation>Guardado sin confirmar</translation>
    </message>
    <message>
        <source>Saving was cancelled. Some settings may have reached the device, but the apply command was not sent, so the device has not applied them.</source>
        <translation>Se canceló el guardado. Puede que algunos parámetros hayan llegado al dispositivo, pero no se envió el comando de aplicar, así que el dispositivo no los ha aplicado.</translation>
    </message>
    <message>
        <source>Saving was cancelled before anything was sent: the device keeps its settings.</source>
        <translation>Se canceló el guardado antes de enviar nada: el dispositivo conserva sus parámetros.</translation>
    </message>
    <message>
        <source>Save Cancelled</source>
        <translation>Guardado cancelado</translation>
    </message>
    <message>
        <source>Nothing was sent: the device keeps its settings.</source>
        <translation>No se envió nada: el dispositivo conserva sus parámetros.</translation>
    </message>
    <message>
        <source>Saving stopped before the device confirmed every setting. The apply command was not sent, so the device has not applied the new settings.</source>
        <translation>El guardado se detuvo antes de que el dispositivo confirmara todos los parámetros. No se envió el comando de aplicar, así que el dispositivo no ha aplicado los nuevos parámetros.</translation>
    </message>
    <message>
        <source>The settings were loaded from %1. Send them to %2?</source>
        <translation>Los parámetros se cargaron desde %1. ¿Enviarlos a %2?</translation>
    </message>
    <message>
        <source>The device applied the settings, but reading them back gave other values for: %1.

Load the configuration to see what the device holds.</source>
        <translation>El dispositivo aplicó los parámetros, pero al volver a leerlos se obtuvieron otros valores para: %1.

Cargue la configuración para ver qué contiene el dispositivo.</translation>
    </message>
    <message>
        <source>The device confirmed that it applied the settings, but they could not be read back to check them (it may have restarted).

Load the configuration to see what the device holds.</source>
        <translation>El dispositivo confirmó que aplicó los parámetros, pero no se pudieron volver a leer para comprobarlos (puede que se haya reiniciado).

Cargue la configuración para ver qué contiene el dispositivo.</translation>
    </message>
    <message>
        <source>Not sent, the device keeps the value it holds: %1.</source>
        <translation>No enviados, el dispositivo conserva el valor que tiene: %1.</translation>
    </message>
    <message>
        <source>Changed: %1.</source>
        <translation>Parámetros modificados: %1.</translation>
    </message>
    <message>
        <source>No setting changed on the device.</source>
        <translation>No cambió ningún parámetro en el dispositivo.</translation>
    </message>
    <message>
        <source>Could not connecto to Tolvo.</source>
        <translation>No se pudo conectar con el Tolvo.</translation>
    </message>
    <message>
        <source>Connection Error</source>
        <translation>Error de conexión</translation>
    </message>
    <message>
        <source>Sending to the device failed.</source>
        <translation>Falló el envío al dispositivo.</translation>
    </message>
    <message>
        <source>The device&apos;s address could not be found.</source>
        <translation>No se encontró la dirección del dispositivo.</translation>
    </message>
    <message>
        <source>The device&apos;s address has no data record.</source>
        <translation>La dirección del dispositivo no tiene registro de datos.</translation>
    </message>
    <message>
        <source>The connection to the device failed: %1.</source>
        <translation>Falló la conexión con el dispositivo: %1.</translation>
    </message>
    <message>
        <source>The device did not answer within %1 seconds.</source>
        <translation>El dispositivo no respondió en un plazo de %1 segundos.</translation>
    </message>
    <message>
        <source>The device closed the connection.</source>
        <translation>El dispositivo cerró la conexión.</translation>
    </message>
    <message>
        <source>The device sent a reply longer than %1 bytes.</source>
        <translation>El dispositivo envió una respuesta de más de %1 bytes.</translation>
    </message>
    <message>
        <source>A setting is too long to send: a command may hold at most %1 bytes.</source>
        <translation>Un parámetro es demasiado largo para enviarlo: un comando puede tener como máximo %1 bytes.</translation>
    </message>
    <message>
        <source>No connection to the device could be made.</source>
        <translation>No se pudo establecer la conexión con el dispositivo.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Cancelado.</translation>
    </message>
    <message>
        <source>Unknown result %1.</source>
        <translation>Resultado desconocido %1.</translation>
    </message>
    <message>
        <source>The device sent more reply lines than it was asked for, so its replies cannot be matched to the settings.</source>
        <translation>El dispositivo envió más líneas de respuesta de las solicitadas, así que no se pueden asociar sus respuestas a los parámetros.</translation>
    </message>
    <message>
        <source>The device name</source>
        <translation>El nombre del dispositivo</translation>
    </message>
    <message>
        <source>The SSID</source>
        <translation>El SSID</translation>
    </message>
    <message>
        <source>The password</source>
        <translation>La contraseña</translation>
    </message>
    <message>
        <source>%1 can hold at most %2 characters; this one has %3.</source>
        <translation>%1 admite como máximo %2 caracteres; el valor introducido tiene %3.</translation>
    </message>
    <message>
        <source>%1 can hold only Latin-1 characters (U+0000 to U+00FF).</source>
        <translation>%1 solo admite caracteres Latin-1 (U+0000 a U+00FF).</translation>
    </message>
    <message>
        <source>%1 cannot hold line breaks or zero characters.</source>
        <translation>%1 no admite saltos de línea ni caracteres nulos.</translation>
    </message>
    <message>
        <source>Please enter a whole number.</source>
        <translation>Escriba un número entero.</translation>
    </message>
    <message>
        <source>Please enter a whole number between %1 and %2.</source>
        <translation>Escriba un número entero entre %1 y %2.</translation>
    </message>
    <message>
        <source>Choose the %1 from the list: %2.</source>
        <translation>Elija de la lista un valor para &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>%1 is not a valid entry. Please specify a value between 0 and 255.</source>
        <translation>%1 no es una entrada válida. Indique un valor entre 0 y 255.</translation>
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
        <translation>Buscar dispositivos</translation>
    </message>
    <message>
        <source>&amp;Addresses:</source>
        <translation>&amp;Direcciones:</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <source>Ca&amp;ncel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Número de serie</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Versión de firmware</translation>
    </message>
    <message>
        <source>Trying %1 addresses: %2 done, %3 found.</source>
        <translation>Probando %1 direcciones: %2 probadas; dispositivos encontrados: %3.</translation>
    </message>
    <message>
        <source>%1 found among %2 addresses. Double-click a device, or select it and press Enter, to use its address.</source>
        <translation>Dispositivos encontrados entre %2 direcciones: %1. Haga doble clic en un dispositivo, o selecciónelo y pulse Enter, para usar su dirección.</translation>
    </message>
    <message>
        <source>The search was stopped: %1 found among the %2 addresses tried.</source>
        <translation>Búsqueda detenida; dispositivos encontrados entre las %2 direcciones probadas: %1.</translation>
    </message>
    <message>
        <source>No network of this computer was found. Type a range such as 192.168.1.1-192.168.1.254 or 192.168.1.0/24.</source>
        <translation>No se encontró ninguna red de este equipo. Escriba un rango como 192.168.1.1-192.168.1.254 o 192.168.1.0/24.</translation>
    </message>
    <message>
        <source>Type a range to search, such as 192.168.1.1-192.168.1.254 or 192.168.1.0/24.</source>
        <translation>Escriba un rango de búsqueda, como 192.168.1.1-192.168.1.254 o 192.168.1.0/24.</translation>
    </message>
    <message>
        <source>Ranges to search: FIRST-LAST or A.B.C.D/N, several separated by commas</source>
        <translation>Rangos de búsqueda: FIRST-LAST o A.B.C.D/N, varios separados por comas</translation>
    </message>
    <message>
        <source>Devices found</source>
        <translation>Dispositivos encontrados</translation>
    </message>
    <message>
        <source>Find devices on the network</source>
        <translation>Buscar dispositivos en la red</translation>
    </message>
    <message>
        <source>Import settings from a file</source>
        <translation>Importar parámetros desde un archivo</translation>
    </message>
    <message>
        <source>Export settings to a file</source>
        <translation>Exportar parámetros a un archivo</translation>
    </message>
    <message>
        <source>Settings files (*.json);;All files (*)</source>
        <translation>Archivos de parámetros (*.json);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Export Settings</source>
        <translation>Exportar parámetros</translation>
    </message>
    <message>
        <source>Import Settings</source>
        <translation>Importar parámetros</translation>
    </message>
    <message>
        <source>The settings shown were exported to %1.</source>
        <translation>Los parámetros mostrados se exportaron a %1.</translation>
    </message>
    <message>
        <source>Export Failed</source>
        <translation>Error al exportar</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>Error al importar</translation>
    </message>
    <message>
        <source>%1 cannot be imported; the pages were not changed.

%2</source>
        <translation>No se puede importar %1; las páginas no se modificaron.

%2</translation>
    </message>
    <message>
        <source>%1 settings from %2 are shown as unsaved changes. Nothing is sent to the device until you press Save Configuration.</source>
        <translation>Se muestran %1 parámetros de %2 como cambios sin guardar. No se envía nada al dispositivo hasta que pulse Guardar configuración.</translation>
    </message>
    <message>
        <source>The file was saved from another device (serial number %1; this one is %2). Its settings are copied to this one as they are.</source>
        <translation>El archivo se guardó desde otro dispositivo (número de serie %1; el de este es %2). Sus parámetros se copian tal cual a este.</translation>
    </message>
    <message>
        <source>Load the configuration from the device first: the file&apos;s settings are then shown as changes to what the device holds.</source>
        <translation>Cargue primero la configuración del dispositivo: después, los parámetros del archivo se muestran como cambios respecto a lo que contiene el dispositivo.</translation>
    </message>
    <message>
        <source>Not in the file, the page has no value for it: %1.</source>
        <translation>No incluidos en el archivo, la página no tiene valor para ellos: %1.</translation>
    </message>
    <message>
        <source>Load the configuration from the device first: until then the pages hold no settings to export.</source>
        <translation>Cargue primero la configuración del dispositivo: hasta entonces, las páginas no contienen parámetros para exportar.</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>en espera</translation>
    </message>
    <message>
        <source>reading</source>
        <translation>leyendo</translation>
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
        <translation>sin cambios</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>fallido</translation>
    </message>
    <message>
        <source>not started</source>
        <translation>no iniciado</translation>
    </message>
    <message>
        <source>untouched</source>
        <translation>intacto</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>modificado</translation>
    </message>
    <message>
        <source>unknown state</source>
        <translation>estado desconocido</translation>
    </message>
    <message>
        <source>%1 verified, %2 unchanged, %3 failed</source>
        <translation>%1 verificados, %2 sin cambios, %3 fallidos</translation>
    </message>
    <message>
        <source>%1, %2 not started</source>
        <translation>%1, %2 no iniciados</translation>
    </message>
    <message>
        <source>The device did not keep what was sent: %1.</source>
        <translation>El dispositivo no conservó lo enviado: %1.</translation>
    </message>
    <message>
        <source>The apply command was not answered; the settings read back on a new connection are as sent.</source>
        <translation>El comando de aplicar no obtuvo respuesta; los parámetros releídos en una nueva conexión coinciden con lo enviado.</translation>
    </message>
    <message>
        <source>Cancelled before it started: nothing was sent to it.</source>
        <translation>Cancelado antes de empezar: no se le envió nada.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; to &quot;%3&quot;</source>
        <translation>%1: de &quot;%2&quot; a &quot;%3&quot;</translation>
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
        <translation>Parámetros modificados</translation>
    </message>
    <message>
        <source>Failure or Note</source>
        <translation>Error o nota</translation>
    </message>
    <message>
        <source>Send to the Picked Devices</source>
        <translation>Enviar a los dispositivos elegidos</translation>
    </message>
    <message>
        <source>These settings will be sent to %1 devices. Each device is sent only the settings it holds otherwise, then told to apply them, and then read back to check that it kept them.</source>
        <translation>Estos parámetros se enviarán a %1 dispositivos. A cada dispositivo se le envían solo los parámetros en los que tiene otro valor, después se le ordena aplicarlos y luego se vuelve a leer para comprobar que los conservó.</translation>
    </message>
    <message>
        <source>Each device keeps its own of these unless you tick them:</source>
        <translation>Cada dispositivo conserva sus propios valores de estos parámetros, salvo que los marque:</translation>
    </message>
    <message>
        <source>Device &amp;name: %1</source>
        <translation>&amp;Nombre del dispositivo: %1</translation>
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
        <translation>Parámetros a enviar</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Parámetro</translation>
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
        <translation>&amp;Reintentar fallidos</translation>
    </message>
    <message>
        <source>&amp;Save Report...</source>
        <translation>&amp;Guardar informe...</translation>
    </message>
    <message>
        <source>Result of each device</source>
        <translation>Resultado de cada dispositivo</translation>
    </message>
    <message>
        <source>Details of the selected device</source>
        <translation>Detalles del dispositivo seleccionado</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Archivos CSV (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>The report was saved to %1.</source>
        <translation>El informe se guardó en %1.</translation>
    </message>
    <message>
        <source>Devices done</source>
        <translation>Dispositivos completados</translation>
    </message>
    <message>
        <source>&amp;Details:</source>
        <translation>&amp;Detalles:</translation>
    </message>
    <message>
        <source>Device Name</source>
        <translation>Nombre del dispositivo</translation>
    </message>
    <message>
        <source>&amp;Tick All</source>
        <translation>&amp;Marcar todos</translation>
    </message>
    <message>
        <source>&amp;Paste Addresses</source>
        <translation>&amp;Pegar direcciones</translation>
    </message>
    <message>
        <source>Add from &amp;File...</source>
        <translation>Agregar desde a&amp;rchivo...</translation>
    </message>
    <message>
        <source>Sen&amp;d to the Picked Devices...</source>
        <translation>En&amp;viar a los dispositivos elegidos...</translation>
    </message>
    <message>
        <source>Address lists (*.txt);;All files (*)</source>
        <translation>Listas de direcciones (*.txt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>%1 addresses added and ticked.</source>
        <translation>Direcciones agregadas y marcadas: %1.</translation>
    </message>
    <message>
        <source>Tick the devices to send to in Find Devices first (or select them, or paste a list of addresses).</source>
        <translation>Marque primero en Buscar dispositivos los dispositivos de destino (o selecciónelos, o pegue una lista de direcciones).</translation>
    </message>
    <message>
        <source>Send to the Picked Devices...</source>
        <translation>Enviar a los dispositivos elegidos...</translation>
    </message>
    <message>
        <source>Load the configuration from a device first: the pages&apos; settings as they then stand are what is sent.</source>
        <translation>Cargue primero la configuración de un dispositivo: lo que se envía son los parámetros de las páginas tal como queden entonces.</translation>
    </message>
    <message>
        <source>Report Not Saved</source>
        <translation>Informe no guardado</translation>
    </message>
    <message>
        <source>Sending: %1 of %2 devices done.</source>
        <translation>Enviando: %1 de %2 dispositivos completados.</translation>
    </message>
    <message>
        <source>The clipboard holds no addresses: copy a list with one address a line.</source>
        <translation>El portapapeles no contiene direcciones: copie una lista con una dirección por línea.</translation>
    </message>
    <message>
        <source>Cancelling: no more devices start; the %1 under way finish first.</source>
        <translation>Cancelando: no se inician más dispositivos; los %1 en curso terminan primero.</translation>
    </message>
    <message>
        <source>Sent %1 and the apply command, then the device did not answer: it may hold the new values or the old.</source>
        <translation>Se enviaron %1 y el comando de aplicar, y luego el dispositivo no respondió: puede tener los valores nuevos o los anteriores.</translation>
    </message>
    <message>
        <source>The device address and the range to search could not be saved in %1 (the disk may be full, or the file or its folder cannot be written), so they will not be remembered at the next start. This is said once until a save of them succeeds again.</source>
        <translation>No se pudieron guardar la dirección del dispositivo ni el rango de búsqueda en %1 (puede que el disco esté lleno o que no se pueda escribir en el archivo o en su carpeta), así que no se recordarán en el próximo inicio. Este aviso se muestra una sola vez hasta que vuelvan a guardarse correctamente.</translation>
    </message>
    <message>
        <source>Settings Not Remembered</source>
        <translation>Preferencias no guardadas</translation>
    </message>
    <message>
        <source>The device applied the settings, but settings that were not sent read otherwise after the apply than at the load: %1. An earlier write may have left values waiting on the device, which any apply commits, or another program changed them.

Load the configuration to see what the device holds.</source>
        <translation>El dispositivo aplicó los parámetros, pero algunos parámetros que no se enviaron se leen distintos después de aplicar que en la carga: %1. Puede que una escritura anterior dejara valores pendientes en el dispositivo, que se hacen efectivos al aplicar cualquier cambio, o que otro programa los modificara.

Cargue la configuración para ver qué contiene el dispositivo.</translation>
    </message>
    <message>
        <source>Settings that were not sent read otherwise after the apply (an earlier write may have left values waiting on the device, which any apply commits): %1.</source>
        <translation>Parámetros no enviados que se leen distintos después de aplicar (puede que una escritura anterior dejara valores pendientes en el dispositivo, que se hacen efectivos al aplicar cualquier cambio): %1.</translation>
    </message>
    <message>
        <source>The device now answers at its new address, %1, where the settings were read back: the address field shows it.</source>
        <translation>El dispositivo responde ahora en su nueva dirección, %1, donde se volvieron a leer los parámetros: el campo de dirección la muestra.</translation>
    </message>
    <message>
        <source>The device was not verified: %1.

The address field is left as it was. Find Devices searches a range of addresses for it.</source>
        <translation>No se verificó el dispositivo: %1.

El campo de dirección queda como estaba. Buscar dispositivos puede buscarlo en un rango de direcciones.</translation>
    </message>
    <message>
        <source>The settings were applied, and they move the device: looking for it at %1</source>
        <translation>Los parámetros se aplicaron y trasladan el dispositivo: buscándolo en %1</translation>
    </message>
    <message>
        <source>&amp;IP address and mask from an address plan, not as each device holds them (DHCP off; the pages hold %1 / %2):</source>
        <translation>Dirección &amp;IP y máscara de un plan de direcciones, no las que tiene cada dispositivo (DHCP desactivado; las páginas tienen %1 / %2):</translation>
    </message>
    <message>
        <source>Applied, Not Seen</source>
        <translation>Aplicado, no visto</translation>
    </message>
    <message>
        <source>Read back at its new address, %1.</source>
        <translation>Releído en su nueva dirección, %1.</translation>
    </message>
    <message>
        <source>Now At</source>
        <translation>Ahora en</translation>
    </message>
    <message>
        <source>%1, %2 applied but not seen since</source>
        <translation>%1, %2 aplicados pero no vistos desde entonces</translation>
    </message>
    <message>
        <source>Count &amp;upward from:</source>
        <translation>En orden &amp;ascendente desde:</translation>
    </message>
    <message>
        <source>From a &amp;list: a line for each device, its serial number or current address, then its new address</source>
        <translation>De una &amp;lista: una línea por dispositivo, con su número de serie o dirección actual y luego su nueva dirección</translation>
    </message>
    <message>
        <source>Load Plan from &amp;File...</source>
        <translation>Cargar plan desde a&amp;rchivo...</translation>
    </message>
    <message>
        <source>First address of the plan</source>
        <translation>Primera dirección del plan</translation>
    </message>
    <message>
        <source>Address plan list</source>
        <translation>Lista del plan de direcciones</translation>
    </message>
    <message>
        <source>mask %1 (from the pages)</source>
        <translation>máscara %1 (de las páginas)</translation>
    </message>
    <message>
        <source>Planned &amp;addresses:</source>
        <translation>Direcciones &amp;previstas:</translation>
    </message>
    <message>
        <source>Each device with its planned address</source>
        <translation>Cada dispositivo con su dirección prevista</translation>
    </message>
    <message>
        <source>Planned Address</source>
        <translation>Dirección prevista</translation>
    </message>
    <message>
        <source>Looking for devices that already answer at the planned addresses...</source>
        <translation>Buscando dispositivos que ya respondan en las direcciones previstas...</translation>
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
        <translation>&amp;Mostrar la ventana en:</translation>
    </message>
    <message>
        <source>The language of the system</source>
        <translation>Idioma del sistema</translation>
    </message>
    <message>
        <source>The window is shown in the chosen language from its next start.</source>
        <translation>La ventana se mostrará en el idioma elegido a partir del próximo inicio.</translation>
    </message>
    <message>
        <source>The language could not be saved in %1, so the window will not be shown in it at the next start.</source>
        <translation>No se pudo guardar el idioma en %1, así que la ventana no se mostrará en él en el próximo inicio.</translation>
    </message>
    <message>
        <source>Chec&amp;k the Picked Devices...</source>
        <translation>C&amp;omprobar los dispositivos elegidos...</translation>
    </message>
    <message>
        <source>Check the picked devices: read each and compare it with the pages&apos; settings, sending nothing</source>
        <translation>Comprobar los dispositivos elegidos: leer cada uno y compararlo con los parámetros de las páginas, sin enviar nada</translation>
    </message>
    <message>
        <source>Check the Picked Devices...</source>
        <translation>Comprobar los dispositivos elegidos...</translation>
    </message>
    <message>
        <source>Tick the devices to check in Find Devices first (or select them, or paste a list of addresses).</source>
        <translation>Marque primero en Buscar dispositivos los dispositivos que desea comprobar (o selecciónelos, o pegue una lista de direcciones).</translation>
    </message>
    <message>
        <source>Load the configuration from a device first: the devices are compared with the pages&apos; settings as they then stand.</source>
        <translation>Cargue primero la configuración de un dispositivo: los dispositivos se comparan con los parámetros de las páginas tal como queden entonces.</translation>
    </message>
    <message>
        <source>Check the Picked Devices</source>
        <translation>Comprobar los dispositivos elegidos</translation>
    </message>
    <message>
        <source>Checking %1 Devices</source>
        <translation>Comprobando %1 dispositivos</translation>
    </message>
    <message>
        <source>matches</source>
        <translation>coincidente</translation>
    </message>
    <message>
        <source>differs</source>
        <translation>con diferencias</translation>
    </message>
    <message>
        <source>%1 matching, %2 differing, %3 failed</source>
        <translation>%1 coincidentes, %2 con diferencias, %3 fallidos</translation>
    </message>
    <message>
        <source>Checking: %1 of %2 devices done.</source>
        <translation>Comprobando: %1 de %2 dispositivos completados.</translation>
    </message>
    <message>
        <source>Differing Settings</source>
        <translation>Parámetros que difieren</translation>
    </message>
    <message>
        <source>%1: the device holds &quot;%2&quot;, the pages &quot;%3&quot;</source>
        <translation>%1: el dispositivo tiene &quot;%2&quot;; las páginas, &quot;%3&quot;</translation>
    </message>
    <message>
        <source>%1: differs</source>
        <translation>%1: difiere</translation>
    </message>
    <message>
        <source>Cancelled before it started: it was not read.</source>
        <translation>Cancelado antes de empezar: no se leyó.</translation>
    </message>
    <message>
        <source>Each device is read and compared with these settings of the pages, and is sent nothing: %1. Each device&apos;s own settings are not compared: %2.</source>
        <translation>Cada dispositivo se lee y se compara con estos parámetros de las páginas, sin enviarle nada: %1. No se comparan los parámetros propios de cada dispositivo: %2.</translation>
    </message>
    <message>
        <source>Save Rec&amp;ord...</source>
        <translation>Guardar regis&amp;tro...</translation>
    </message>
    <message>
        <source>Commissioning Record</source>
        <translation>Registro de puesta en servicio</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programa</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Ejecución</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Fecha y hora</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Zona horaria</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>SHA-256 of %1: %2</source>
        <translation>SHA-256 de %1: %2</translation>
    </message>
    <message>
        <source>The JSON file named above holds this record as data. sha256sum prints its SHA-256: any other value than the one above means the file was changed after the record was made.</source>
        <translation>El archivo JSON indicado arriba contiene este registro en forma de datos. sha256sum imprime su SHA-256: cualquier valor distinto del indicado arriba significa que el archivo se modificó después de crearse el registro.</translation>
    </message>
    <message>
        <source>Device %1 of %2: %3</source>
        <translation>Dispositivo %1 de %2: %3</translation>
    </message>
    <message>
        <source>Read back at</source>
        <translation>Releído en</translation>
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
        <translation>Todos los parámetros releídos</translation>
    </message>
    <message>
        <source>No setting was read from this device.</source>
        <translation>No se leyó ningún parámetro de este dispositivo.</translation>
    </message>
    <message>
        <source>Verified after the apply</source>
        <translation>Verificado después de aplicar</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>What this run changed</source>
        <translation>Lo que cambió esta ejecución</translation>
    </message>
    <message>
        <source>This run changed no setting of this device.</source>
        <translation>Esta ejecución no cambió ningún parámetro de este dispositivo.</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Antes</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Después</translation>
    </message>
    <message>
        <source>Settings that differ from those compared</source>
        <translation>Parámetros que difieren de los comparados</translation>
    </message>
    <message>
        <source>Every setting compared matches.</source>
        <translation>Todos los parámetros comparados coinciden.</translation>
    </message>
    <message>
        <source>The device holds</source>
        <translation>En el dispositivo</translation>
    </message>
    <message>
        <source>Compared with</source>
        <translation>Comparado con</translation>
    </message>
    <message>
        <source>set, not shown</source>
        <translation>establecida, no mostrada</translation>
    </message>
    <message>
        <source>Load from the device</source>
        <translation>Carga desde el dispositivo</translation>
    </message>
    <message>
        <source>Save to the device</source>
        <translation>Guardado en el dispositivo</translation>
    </message>
    <message>
        <source>Send to many devices</source>
        <translation>Envío a varios dispositivos</translation>
    </message>
    <message>
        <source>Check against settings, nothing sent</source>
        <translation>Comprobación con parámetros, sin envío</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Copia de seguridad</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restauración</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Asignación de parámetros</translation>
    </message>
    <message>
        <source>read</source>
        <translation>leído</translation>
    </message>
    <message>
        <source>not read</source>
        <translation>no leído</translation>
    </message>
    <message>
        <source>Save Record</source>
        <translation>Guardar registro</translation>
    </message>
    <message>
        <source>&amp;Note for the record (who, where, what was done):</source>
        <translation>&amp;Nota para el registro (quién, dónde, qué se hizo):</translation>
    </message>
    <message>
        <source>PDF files (*.pdf);;All files (*)</source>
        <translation>Archivos PDF (*.pdf);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>The record was saved to %1, and its JSON document beside it to %2.

SHA-256 of %3: %4</source>
        <translation>El registro se guardó en %1, y su documento JSON, junto a él, en %2.

SHA-256 de %3: %4</translation>
    </message>
    <message>
        <source>Record Not Saved</source>
        <translation>Registro no guardado</translation>
    </message>
    <message>
        <source>%1

Neither file of the record was written: files of those names are as they were.</source>
        <translation>%1

No se escribió ninguno de los dos archivos del registro: los archivos con esos nombres siguen como estaban.</translation>
    </message>
    <message>
        <source>%1

The JSON document was written to %2, but the PDF was not.</source>
        <translation>%1

El documento JSON se escribió en %2, pero el PDF no.</translation>
    </message>
    <message>
        <source>Save a commissioning record of what was read back, as PDF and JSON</source>
        <translation>Guardar un registro de puesta en servicio de lo releído, en PDF y JSON</translation>
    </message>
    <message>
        <source>Note for the record</source>
        <translation>Nota para el registro</translation>
    </message>
    <message>
        <source>Usage: %1 --record-pdf RECORD.json OUT.pdf</source>
        <translation>Uso: %1 --record-pdf RECORD.json OUT.pdf</translation>
    </message>
    <message>
        <source>%1: no PDF was made of it. %2</source>
        <translation>%1: no se generó ningún PDF de este archivo. %2</translation>
    </message>
    <message>
        <source>%1 No PDF was made.</source>
        <translation>%1 No se generó ningún PDF.</translation>
    </message>
    <message>
        <source>%1 already exists and is not the record beside this PDF (a settings file, say).

Replace it with the record&apos;s JSON document?</source>
        <translation>%1 ya existe y no es el registro que acompaña a este PDF (puede ser, por ejemplo, un archivo de parámetros).

¿Reemplazarlo por el documento JSON del registro?</translation>
    </message>
    <message>
        <source>Devices in this record</source>
        <translation>Dispositivos de este registro</translation>
    </message>
</context>
<context>
    <name>Templates</name>
    <message>
        <source>About TolvoConfig</source>
        <translation>Acerca de TolvoConfig</translation>
    </message>
    <message>
        <source>Program icon</source>
        <translation>Icono del programa</translation>
    </message>
    <message>
        <source>Tolvo-S Configuration Utility, Version 1.0</source>
        <translation>Utilidad de configuración de Tolvo-S, versión 1.0</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 Halvane</source>
        <translation>Copyright (C) 2026 Halvane</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Tolvo-S Configuration - Halvane</source>
        <translation>Configuración de Tolvo-S - Halvane</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Tolvo&apos;s IP address:</source>
        <translation>Dirección IP del Tolvo:</translation>
    </message>
    <message>
        <source>Load Configuration</source>
        <translation>Cargar configuración</translation>
    </message>
    <message>
        <source>Save Configuration</source>
        <translation>Guardar configuración</translation>
    </message>
    <message>
        <source>Find Devices...</source>
        <translation>Buscar dispositivos...</translation>
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
        <translation>Número de serie:</translation>
    </message>
    <message>
        <source>Firmware Version:</source>
        <translation>Versión de firmware:</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>Dirección IP:</translation>
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
        <translation>Contraseña:</translation>
    </message>
    <message>
        <source>Wi-Fi channel:</source>
        <translation>Canal Wi-Fi:</translation>
    </message>
    <message>
        <source>Transmission Power:</source>
        <translation>Potencia de transmisión:</translation>
    </message>
    <message>
        <source>Network Type:</source>
        <translation>Tipo de red:</translation>
    </message>
    <message>
        <source>Network type</source>
        <translation>Tipo de red</translation>
    </message>
    <message>
        <source>Access Point</source>
        <translation>Access Point</translation>
    </message>
    <message>
        <source>Infrastracture</source>
        <translation>Infraestructura</translation>
    </message>
    <message>
        <source>DHCP mode</source>
        <translation>Modo DHCP</translation>
    </message>
    <message>
        <source>DHCP Disabled</source>
        <translation>DHCP desactivado</translation>
    </message>
    <message>
        <source>DHCP Enabled</source>
        <translation>DHCP activado</translation>
    </message>
    <message>
        <source>DHCP Access Point</source>
        <translation>DHCP (Access Point)</translation>
    </message>
    <message>
        <source>Device Name:</source>
        <translation>Nombre del dispositivo:</translation>
    </message>
    <message>
        <source>Port 0 connect to:</source>
        <translation>Puerto 0 conectado a:</translation>
    </message>
    <message>
        <source>Port 0 connection</source>
        <translation>Conexión del puerto 0</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuración</translation>
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
        <translation>Sin conexión</translation>
    </message>
    <message>
        <source>TCP/IP Port:</source>
        <translation>Puerto TCP/IP:</translation>
    </message>
    <message>
        <source>Port 0 TCP/IP port</source>
        <translation>Puerto TCP/IP del puerto 0</translation>
    </message>
    <message>
        <source>Port 1 connect to:</source>
        <translation>Puerto 1 conectado a:</translation>
    </message>
    <message>
        <source>Port 1 connection</source>
        <translation>Conexión del puerto 1</translation>
    </message>
    <message>
        <source>Port 1 TCP/IP port</source>
        <translation>Puerto TCP/IP del puerto 1</translation>
    </message>
    <message>
        <source>Port 2 connect to:</source>
        <translation>Puerto 2 conectado a:</translation>
    </message>
    <message>
        <source>Port 2 connection</source>
        <translation>Conexión del puerto 2</translation>
    </message>
    <message>
        <source>Port 2 TCP/IP port</source>
        <translation>Puerto TCP/IP del puerto 2</translation>
    </message>
    <message>
        <source>Baudrate:</source>
        <translation>Baudios:</translation>
    </message>
    <message>
        <source>Data Bits:</source>
        <translation>Bits de datos:</translation>
    </message>
    <message>
        <source>Stop Bits:</source>
        <translation>Bits de parada:</translation>
    </message>
    <message>
        <source>Parity:</source>
        <translation>Paridad:</translation>
    </message>
    <message>
        <source>RS232 baud rate</source>
        <translation>Baudios RS232</translation>
    </message>
    <message>
        <source>RS232 data bits</source>
        <translation>Bits de datos RS232</translation>
    </message>
    <message>
        <source>RS232 stop bits</source>
        <translation>Bits de parada RS232</translation>
    </message>
    <message>
        <source>RS232 parity</source>
        <translation>Paridad RS232</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Impar</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Par</translation>
    </message>
    <message>
        <source>DIRECT baud rate</source>
        <translation>Baudios DIRECT</translation>
    </message>
    <message>
        <source>DIRECT data bits</source>
        <translation>Bits de datos DIRECT</translation>
    </message>
    <message>
        <source>DIRECT stop bits</source>
        <translation>Bits de parada DIRECT</translation>
    </message>
    <message>
        <source>DIRECT parity</source>
        <translation>Paridad DIRECT</translation>
    </message>
</context>
</TS>
