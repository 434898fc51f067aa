<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Strings</name>
    <message>
        <source>&amp;About TolvoConfig...</source>
        <translation>&amp;Informazioni su TolvoConfig...</translation>
    </message>
    <message>
        <source>Windows sockets initialization failed.</source>
        <translation>Inizializzazione dei socket di Windows non riuscita.</translation>
    </message>
    <message>
        <source>Info / DSC Parameters</source>
        <translation>Info / Parametri DSC</translation>
    </message>
    <message>
        <source>WiFi Settings</source>
        <translation>Impostazioni WiFi</translation>
    </message>
    <message>
        <source>Port Settings</source>
        <translation>Impostazioni porte</translation>
    </message>
    <message>
        <source>Port Routing</source>
        <translation>Instradamento porte</translation>
    </message>
    <message>
        <source>%1 - version: %2</source>
        <translation>%1 - versione: %2</translation>
    </message>
    <message>
        <source>Discard the changes that have not been saved to the device?</source>
        <translation>Scartare le modifiche non ancora salvate sul dispositivo?</translation>
    </message>
    <message>
        <source>Unsaved Changes</source>
        <translation>Modifiche non salvate</translation>
    </message>
    <message>
        <source>Reading the settings from %1</source>
        <translation>Lettura delle impostazioni da %1</translation>
    </message>
    <message>
        <source>Nothing was loaded: the pages still show what they showed before.</source>
        <translation>Non è stato caricato nulla: le pagine mostrano ancora quello che mostravano prima.</translation>
    </message>
    <message>
        <source>Load Failed</source>
        <translation>Caricamento non riuscito</translation>
    </message>
    <message>
        <source>Current configuration has been loaded from Tolvo.</source>
        <translation>La configurazione attuale è stata caricata dal Tolvo.</translation>
    </message>
    <message>
        <source>Success!</source>
        <translation>Operazione riuscita</translation>
    </message>
    <message>
        <source>Some values cannot be shown exactly as the device holds them. Their fields are marked, and a save leaves them as the device holds them unless you edit them:
%1</source>
        <translation>Alcuni valori non possono essere mostrati esattamente come risultano sul dispositivo. I loro campi sono evidenziati e un salvataggio li lascia come sono sul dispositivo, a meno che non vengano modificati:
%1</translation>
    </message>
    <message>
        <source>%1: the device holds &quot;%2&quot;</source>
        <translation>%1: sul dispositivo risulta &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Changed since the last load or save.</source>
        <translation>Modificato dall&apos;ultimo caricamento o salvataggio.</translation>
    </message>
    <message>
        <source>The device holds &quot;%1&quot;; shown here as near as this field can.</source>
        <translation>Sul dispositivo risulta &quot;%1&quot;; qui è mostrato nel modo più fedele consentito da questo campo.</translation>
    </message>
    <message>
        <source>Current configuration has been saved to Tolvo.</source>
        <translation>La configurazione attuale è stata salvata sul Tolvo.</translation>
    </message>
    <message>
        <source>Not sent, the device&apos;s value matches no item: %1.</source>
        <translation>Impostazioni non inviate, il valore del dispositivo non corrisponde a nessuna voce dell&apos;elenco: %1.</translation>
    </message>
    <message>
        <source>Load the configuration from the device first.

Until a load has succeeded the pages hold blank values, and saving them would overwrite the device&apos;s settings.</source>
        <translation>Caricare prima la configurazione dal dispositivo.

Finché un caricamento non è riuscito, le pagine contengono valori vuoti e salvarli sovrascriverebbe le impostazioni del dispositivo.</translation>
    </message>
    <message>
        <source>Save Configuration</source>
        <translation>Salva configurazione</translation>
    </message>
    <message>
        <source>A text setting cannot be stored on the device. Nothing was sent.</source>
        <translation>Un&apos;impostazione di testo non può essere memorizzata sul dispositivo. Non è stato inviato nulla.</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>Salvataggio non riuscito</translation>
    </message>
    <message>
        <source>Sending the settings to %1</source>
        <translation>Invio delle impostazioni a %1</translation>
    </message>
    <message>
        <source>All settings were sent, but the device did not confirm that it applied them (it may have restarted).

Load the configuration to see what the device holds.</source>
        <translation>Tutte le impostazioni sono state inviate, ma il dispositivo non ha confermato di averle applicate (potrebbe essersi riavviato).

Caricare la configurazione per vedere cosa contiene il dispositivo.</translation>
    </message>
    <message>
        <source>Save Not Confirmed</source>
        <translation>Salvataggio non confermato</translation>
    </message>
    <message>
        <source>Saving was cancelled. Some settings may have reached the device, but the apply command was not sent, so the device has not applied them.</source>
        <translation>Il salvataggio è stato annullato. Alcune impostazioni potrebbero aver raggiunto il dispositivo, ma il comando di applicazione non è stato inviato, quindi il dispositivo non le ha applicate.</translation>
    </message>
    <message>
        <source>Saving was cancelled before anything was sent: the device keeps its settings.</source>
        <translation>Il salvataggio è stato annullato prima di inviare qualsiasi cosa: il dispositivo mantiene le sue impostazioni.</translation>
    </message>
    <message>
        <source>Save Cancelled</source>
        <translation>Salvataggio annullato</translation>
    </message>
    <message>
        <source>Nothing was sent: the device keeps its settings.</source>
        <translation>Non è stato inviato nulla: il dispositivo mantiene le sue impostazioni.</translation>
    </message>
    <message>
        <source>Saving stopped before the device confirmed every setting. The apply command was not sent, so the device has not applied the new settings.</source>
        <translation>Il salvataggio si è interrotto prima che il dispositivo confermasse tutte le impostazioni. Il comando di applicazione non è stato inviato, quindi il dispositivo non ha applicato le nuove impostazioni.</translation>
    </message>
    <message>
        <source>The settings were loaded from %1. Send them to %2?</source>
        <translation>Le impostazioni sono state caricate da %1. Inviarle a %2?</translation>
    </message>
    <message>
        <source>The device applied the settings, but reading them back gave other values for: %1.

Load the configuration to see what the device holds.</source>
        <translation>Il dispositivo ha applicato le impostazioni, ma la rilettura ha dato valori diversi per: %1.

Caricare la configurazione per vedere cosa contiene il dispositivo.</translation>
    </message>
    <message>
        <source>The device confirmed that it applied the settings, but they could not be read back to check them (it may have restarted).

Load the configuration to see what the device holds.</source>
        <translation>Il dispositivo ha confermato di aver applicato le impostazioni, ma non è stato possibile rileggerle per verificarle (potrebbe essersi riavviato).

Caricare la configurazione per vedere cosa contiene il dispositivo.</translation>
    </message>
    <message>
        <source>Not sent, the device keeps the value it holds: %1.</source>
        <translation>Impostazioni non inviate, il dispositivo mantiene il valore attuale: %1.</translation>
    </message>
    <message>
        <source>Changed: %1.</source>
        <translation>Impostazioni modificate: %1.</translation>
    </message>
    <message>
        <source>No setting changed on the device.</source>
        <translation>Nessuna impostazione è cambiata sul dispositivo.</translation>
    </message>
    <message>
        <source>Could not connecto to Tolvo.</source>
        <translation>Impossibile connettersi al Tolvo.</translation>
    </message>
    <message>
        <source>Connection Error</source>
        <translation>Errore di connessione</translation>
    </message>
    <message>
        <source>Sending to the device failed.</source>
        <translation>Invio al dispositivo non riuscito.</translation>
    </message>
    <message>
        <source>The device&apos;s address could not be found.</source>
        <translation>Impossibile trovare l&apos;indirizzo del dispositivo.</translation>
    </message>
    <message>
        <source>The device&apos;s address has no data record.</source>
        <translation>L&apos;indirizzo del dispositivo non ha alcun record di dati.</translation>
    </message>
    <message>
        <source>The connection to the device failed: %1.</source>
        <translation>Connessione al dispositivo non riuscita: %1.</translation>
    </message>
    <message>
        <source>The device did not answer within %1 seconds.</source>
        <translation>Il dispositivo non ha risposto entro %1 secondi.</translation>
    </message>
    <message>
        <source>The device closed the connection.</source>
        <translation>Il dispositivo ha chiuso la connessione.</translation>
    </message>
    <message>
        <source>The device sent a reply longer than %1 bytes.</source>
        <translation>Il dispositivo ha inviato una risposta più lunga di %1 byte.</translation>
    </message>
    <message>
        <source>A setting is too long to send: a command may hold at most %1 bytes.</source>
        <translation>Un&apos;impostazione è troppo lunga per essere inviata: un comando può contenere al massimo %1 byte.</translation>
    </message>
    <message>
        <source>No connection to the device could be made.</source>
        <translation>Impossibile stabilire una connessione con il dispositivo.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Annullato.</translation>
    </message>
    <message>
        <source>Unknown result %1.</source>
        <translation>Risultato sconosciuto %1.</translation>
    </message>
    <message>
        <source>The device sent more reply lines than it was asked for, so its replies cannot be matched to the settings.</source>
        <translation>Il dispositivo ha inviato più righe di risposta di quelle richieste, quindi le sue risposte non si possono associare alle impostazioni.</translation>
    </message>
    <message>
        <source>The device name</source>
        <translation>Il nome del dispositivo</translation>
    </message>
    <message>
        <source>The SSID</source>
        <translation>L&apos;SSID</translation>
    </message>
    <message>
        <source>The password</source>
        <translation>La password</translation>
    </message>
    <message>
        <source>%1 can hold at most %2 characters; this one has %3.</source>
        <translation>%1 può contenere al massimo %2 caratteri; il valore inserito ne ha %3.</translation>
    </message>
    <message>
        <source>%1 can hold only Latin-1 characters (U+0000 to U+00FF).</source>
        <translation>%1 può contenere solo caratteri Latin-1 (da U+0000 a U+00FF).</translation>
    </message>
    <message>
        <source>%1 cannot hold line breaks or zero characters.</source>
        <translation>%1 non può contenere interruzioni di riga né caratteri nulli.</translation>
    </message>
    <message>
        <source>Please enter a whole number.</source>
        <translation>Inserire un numero intero.</translation>
    </message>
    <message>
        <source>Please enter a whole number between %1 and %2.</source>
        <translation>Inserire un numero intero compreso tra %1 e %2.</translation>
    </message>
    <message>
        <source>Choose the %1 from the list: %2.</source>
        <translation>Scegliere dall&apos;elenco il valore del campo %1: %2.</translation>
    </message>
    <message>
        <source>%1 is not a valid entry. Please specify a value between 0 and 255.</source>
        <translation>%1 non è un valore valido. Specificare un valore compreso tra 0 e 255.</translation>
    </message>
    <message>
        <source>%1, part %2 of 4</source>
        <translation>%1, parte %2 di 4</translation>
    </message>
    <message>
        <source>%1
%2 of %3</source>
        <translation>%1
%2 di %3</translation>
    </message>
    <message>
        <source>Find Devices</source>
        <translation>Trova dispositivi</translation>
    </message>
    <message>
        <source>&amp;Addresses:</source>
        <translation>&amp;Indirizzi:</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Cerca</translation>
    </message>
    <message>
        <source>Ca&amp;ncel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Indirizzo</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Numero di serie</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Versione firmware</translation>
    </message>
    <message>
        <source>Trying %1 addresses: %2 done, %3 found.</source>
        <translation>Prova di %1 indirizzi: completati %2, trovati %3.</translation>
    </message>
    <message>
        <source>%1 found among %2 addresses. Double-click a device, or select it and press Enter, to use its address.</source>
        <translation>Dispositivi trovati: %1 tra %2 indirizzi. Fare doppio clic su un dispositivo, oppure selezionarlo e premere Invio, per usarne l&apos;indirizzo.</translation>
    </message>
    <message>
        <source>The search was stopped: %1 found among the %2 addresses tried.</source>
        <translation>La ricerca è stata interrotta; dispositivi trovati: %1 tra i %2 indirizzi provati.</translation>
    </message>
    <message>
        <source>No network of this computer was found. Type a range such as 192.168.1.1-192.168.1.254 or 192.168.1.0/24.</source>
        <translation>Non è stata trovata nessuna rete di questo computer. Digitare un intervallo come 192.168.1.1-192.168.1.254 o 192.168.1.0/24.</translation>
    </message>
    <message>
        <source>Type a range to search, such as 192.168.1.1-192.168.1.254 or 192.168.1.0/24.</source>
        <translation>Digitare un intervallo da cercare, come 192.168.1.1-192.168.1.254 o 192.168.1.0/24.</translation>
    </message>
    <message>
        <source>Ranges to search: FIRST-LAST or A.B.C.D/N, several separated by commas</source>
        <translation>Intervalli da cercare: FIRST-LAST o A.B.C.D/N, più intervalli separati da virgole</translation>
    </message>
    <message>
        <source>Devices found</source>
        <translation>Dispositivi trovati</translation>
    </message>
    <message>
        <source>Find devices on the network</source>
        <translation>Trova dispositivi in rete</translation>
    </message>
    <message>
        <source>Import settings from a file</source>
        <translation>Importa impostazioni da un file</translation>
    </message>
    <message>
        <source>Export settings to a file</source>
        <translation>Esporta impostazioni in un file</translation>
    </message>
    <message>
        <source>Settings files (*.json);;All files (*)</source>
        <translation>File di impostazioni (*.json);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Export Settings</source>
        <translation>Esporta impostazioni</translation>
    </message>
    <message>
        <source>Import Settings</source>
        <translation>Importa impostazioni</translation>
    </message>
    <message>
        <source>The settings shown were exported to %1.</source>
        <translation>Le impostazioni visualizzate sono state esportate in %1.</translation>
    </message>
    <message>
        <source>Export Failed</source>
        <translation>Esportazione non riuscita</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>Importazione non riuscita</translation>
    </message>
    <message>
        <source>%1 cannot be imported; the pages were not changed.

%2</source>
        <translation>Impossibile importare %1; le pagine non sono state modificate.

%2</translation>
    </message>
    <message>
        <source>%1 settings from %2 are shown as unsaved changes. Nothing is sent to the device until you press Save Configuration.</source>
        <translation>%1 impostazioni da %2 sono visualizzate come modifiche non salvate. Non viene inviato nulla al dispositivo finché non si preme Salva configurazione.</translation>
    </message>
    <message>
        <source>The file was saved from another device (serial number %1; this one is %2). Its settings are copied to this one as they are.</source>
        <translation>Il file è stato salvato da un altro dispositivo (numero di serie %1; questo ha %2). Le sue impostazioni vengono copiate su questo dispositivo così come sono.</translation>
    </message>
    <message>
        <source>Load the configuration from the device first: the file&apos;s settings are then shown as changes to what the device holds.</source>
        <translation>Caricare prima la configurazione dal dispositivo: le impostazioni del file verranno poi mostrate come modifiche rispetto a quanto contiene il dispositivo.</translation>
    </message>
    <message>
        <source>Not in the file, the page has no value for it: %1.</source>
        <translation>Impostazioni non incluse nel file, la pagina non ha un valore: %1.</translation>
    </message>
    <message>
        <source>Load the configuration from the device first: until then the pages hold no settings to export.</source>
        <translation>Caricare prima la configurazione dal dispositivo: fino ad allora le pagine non contengono impostazioni da esportare.</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>in attesa</translation>
    </message>
    <message>
        <source>reading</source>
        <translation>lettura</translation>
    </message>
    <message>
        <source>sending</source>
        <translation>invio</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>verificato</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>invariato</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>non riuscito</translation>
    </message>
    <message>
        <source>not started</source>
        <translation>non avviato</translation>
    </message>
    <message>
        <source>untouched</source>
        <translation>intatto</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>modificato</translation>
    </message>
    <message>
        <source>unknown state</source>
        <translation>stato sconosciuto</translation>
    </message>
    <message>
        <source>%1 verified, %2 unchanged, %3 failed</source>
        <translation>verificati: %1, invariati: %2, non riusciti: %3</translation>
    </message>
    <message>
        <source>%1, %2 not started</source>
        <translation>%1, non avviati: %2</translation>
    </message>
    <message>
        <source>The device did not keep what was sent: %1.</source>
        <translation>Il dispositivo non ha mantenuto quanto inviato: %1.</translation>
    </message>
    <message>
        <source>The apply command was not answered; the settings read back on a new connection are as sent.</source>
        <translation>Il comando di applicazione non ha avuto risposta; le impostazioni rilette con una nuova connessione corrispondono a quelle inviate.</translation>
    </message>
    <message>
        <source>Cancelled before it started: nothing was sent to it.</source>
        <translation>Annullato prima dell&apos;avvio: non gli è stato inviato nulla.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; to &quot;%3&quot;</source>
        <translation>%1: da &quot;%2&quot; a &quot;%3&quot;</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message>
        <source>Changed Settings</source>
        <translation>Impostazioni modificate</translation>
    </message>
    <message>
        <source>Failure or Note</source>
        <translation>Errore o nota</translation>
    </message>
    <message>
        <source>Send to the Picked Devices</source>
        <translation>Invia ai dispositivi scelti</translation>
    </message>
    <message>
        <source>These settings will be sent to %1 devices. Each device is sent only the settings it holds otherwise, then told to apply them, and then read back to check that it kept them.</source>
        <translation>Queste impostazioni verranno inviate a %1 dispositivi. A ogni dispositivo vengono inviate solo le impostazioni che vi hanno un valore diverso, poi gli viene chiesto di applicarle e infine viene riletto per verificare che le abbia mantenute.</translation>
    </message>
    <message>
        <source>Each device keeps its own of these unless you tick them:</source>
        <translation>Ogni dispositivo mantiene i propri valori di queste impostazioni, a meno che non vengano spuntate:</translation>
    </message>
    <message>
        <source>Device &amp;name: %1</source>
        <translation>&amp;Nome dispositivo: %1</translation>
    </message>
    <message>
        <source>&amp;DHCP mode: %1</source>
        <translation>Modalità &amp;DHCP: %1</translation>
    </message>
    <message>
        <source>&amp;Send</source>
        <translation>In&amp;via</translation>
    </message>
    <message>
        <source>Settings to send</source>
        <translation>Impostazioni da inviare</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Impostazione</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valore</translation>
    </message>
    <message>
        <source>Sending to %1 Devices</source>
        <translation>Invio a %1 dispositivi</translation>
    </message>
    <message>
        <source>&amp;Retry Failed</source>
        <translation>&amp;Riprova non riusciti</translation>
    </message>
    <message>
        <source>&amp;Save Report...</source>
        <translation>&amp;Salva rapporto...</translation>
    </message>
    <message>
        <source>Result of each device</source>
        <translation>Risultato di ogni dispositivo</translation>
    </message>
    <message>
        <source>Details of the selected device</source>
        <translation>Dettagli del dispositivo selezionato</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>File CSV (*.csv);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>The report was saved to %1.</source>
        <translation>Il rapporto è stato salvato in %1.</translation>
    </message>
    <message>
        <source>Devices done</source>
        <translation>Dispositivi completati</translation>
    </message>
    <message>
        <source>&amp;Details:</source>
        <translation>&amp;Dettagli:</translation>
    </message>
    <message>
        <source>Device Name</source>
        <translation>Nome dispositivo</translation>
    </message>
    <message>
        <source>&amp;Tick All</source>
        <translation>&amp;Spunta tutti</translation>
    </message>
    <message>
        <source>&amp;Paste Addresses</source>
        <translation>I&amp;ncolla indirizzi</translation>
    </message>
    <message>
        <source>Add from &amp;File...</source>
        <translation>Aggiungi da &amp;file...</translation>
    </message>
    <message>
        <source>Sen&amp;d to the Picked Devices...</source>
        <translation>In&amp;via ai dispositivi scelti...</translation>
    </message>
    <message>
        <source>Address lists (*.txt);;All files (*)</source>
        <translation>Elenchi di indirizzi (*.txt);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>%1 addresses added and ticked.</source>
        <translation>Indirizzi aggiunti e spuntati: %1.</translation>
    </message>
    <message>
        <source>Tick the devices to send to in Find Devices first (or select them, or paste a list of addresses).</source>
        <translation>Spuntare prima, in Trova dispositivi, i dispositivi a cui inviare (oppure selezionarli, o incollare un elenco di indirizzi).</translation>
    </message>
    <message>
        <source>Send to the Picked Devices...</source>
        <translation>Invia ai dispositivi scelti...</translation>
    </message>
    <message>
        <source>Load the configuration from a device first: the pages&apos; settings as they then stand are what is sent.</source>
        <translation>Caricare prima la configurazione da un dispositivo: verranno inviate le impostazioni delle pagine così come risulteranno a quel punto.</translation>
    </message>
    <message>
        <source>Report Not Saved</source>
        <translation>Rapporto non salvato</translation>
    </message>
    <message>
        <source>Sending: %1 of %2 devices done.</source>
        <translation>Invio in corso: dispositivi completati %1 su %2.</translation>
    </message>
    <message>
        <source>The clipboard holds no addresses: copy a list with one address a line.</source>
        <translation>Gli appunti non contengono indirizzi: copiare un elenco con un indirizzo per riga.</translation>
    </message>
    <message>
        <source>Cancelling: no more devices start; the %1 under way finish first.</source>
        <translation>Annullamento: non vengono avviati altri dispositivi; quelli già in corso (%1) vengono prima completati.</translation>
    </message>
    <message>
        <source>Sent %1 and the apply command, then the device did not answer: it may hold the new values or the old.</source>
        <translation>Sono stati inviati %1 e il comando di applicazione, poi il dispositivo non ha risposto: potrebbe avere i valori nuovi o quelli vecchi.</translation>
    </message>
    <message>
        <source>The device address and the range to search could not be saved in %1 (the disk may be full, or the file or its folder cannot be written), so they will not be remembered at the next start. This is said once until a save of them succeeds again.</source>
        <translation>Non è stato possibile salvare l&apos;indirizzo del dispositivo e l&apos;intervallo di ricerca in %1 (il disco potrebbe essere pieno, oppure il file o la sua cartella non sono scrivibili), quindi non verranno ricordati al prossimo avvio. Questo messaggio compare una sola volta, finché il loro salvataggio non riesce di nuovo.</translation>
    </message>
    <message>
        <source>Settings Not Remembered</source>
        <translation>Impostazioni non memorizzate</translation>
    </message>
    <message>
        <source>The device applied the settings, but settings that were not sent read otherwise after the apply than at the load: %1. An earlier write may have left values waiting on the device, which any apply commits, or another program changed them.

Load the configuration to see what the device holds.</source>
        <translation>Il dispositivo ha applicato le impostazioni, ma alcune impostazioni non inviate risultano diverse dopo l&apos;applicazione rispetto al caricamento: %1. Una scrittura precedente potrebbe aver lasciato sul dispositivo valori in sospeso, che qualsiasi applicazione rende effettivi, oppure un altro programma li ha modificati.

Caricare la configurazione per vedere cosa contiene il dispositivo.</translation>
    </message>
    <message>
        <source>Settings that were not sent read otherwise after the apply (an earlier write may have left values waiting on the device, which any apply commits): %1.</source>
        <translation>Impostazioni non inviate che risultano diverse dopo l&apos;applicazione (una scrittura precedente potrebbe aver lasciato sul dispositivo valori in sospeso, che qualsiasi applicazione rende effettivi): %1.</translation>
    </message>
    <message>
        <source>The device now answers at its new address, %1, where the settings were read back: the address field shows it.</source>
        <translation>Il dispositivo ora risponde sul suo nuovo indirizzo, %1, dove le impostazioni sono state rilette: il campo dell&apos;indirizzo lo mostra.</translation>
    </message>
    <message>
        <source>The device was not verified: %1.

The address field is left as it was. Find Devices searches a range of addresses for it.</source>
        <translation>Il dispositivo non è stato verificato: %1.

Il campo dell&apos;indirizzo resta com&apos;era. Trova dispositivi può cercarlo in un intervallo di indirizzi.</translation>
    </message>
    <message>
        <source>The settings were applied, and they move the device: looking for it at %1</source>
        <translation>Le impostazioni sono state applicate e spostano il dispositivo: ricerca su %1</translation>
    </message>
    <message>
        <source>&amp;IP address and mask from an address plan, not as each device holds them (DHCP off; the pages hold %1 / %2):</source>
        <translation>&amp;Indirizzo IP e maschera da un piano di indirizzamento, non quelli di ciascun dispositivo (DHCP disattivato; nelle pagine: %1 / %2):</translation>
    </message>
    <message>
        <source>Applied, Not Seen</source>
        <translation>Applicato, non rilevato</translation>
    </message>
    <message>
        <source>Read back at its new address, %1.</source>
        <translation>Riletto al nuovo indirizzo, %1.</translation>
    </message>
    <message>
        <source>Now At</source>
        <translation>Ora su</translation>
    </message>
    <message>
        <source>%1, %2 applied but not seen since</source>
        <translation>%1, applicati ma non più rilevati: %2</translation>
    </message>
    <message>
        <source>Count &amp;upward from:</source>
        <translation>In &amp;sequenza da:</translation>
    </message>
    <message>
        <source>From a &amp;list: a line for each device, its serial number or current address, then its new address</source>
        <translation>Da un &amp;elenco: una riga per dispositivo, con il numero di serie o l&apos;indirizzo attuale, poi il nuovo indirizzo</translation>
    </message>
    <message>
        <source>Load Plan from &amp;File...</source>
        <translation>Carica piano da &amp;file...</translation>
    </message>
    <message>
        <source>First address of the plan</source>
        <translation>Primo indirizzo del piano</translation>
    </message>
    <message>
        <source>Address plan list</source>
        <translation>Elenco del piano di indirizzamento</translation>
    </message>
    <message>
        <source>mask %1 (from the pages)</source>
        <translation>maschera %1 (dalle pagine)</translation>
    </message>
    <message>
        <source>Planned &amp;addresses:</source>
        <translation>Indirizzi &amp;previsti:</translation>
    </message>
    <message>
        <source>Each device with its planned address</source>
        <translation>Ogni dispositivo con il suo indirizzo previsto</translation>
    </message>
    <message>
        <source>Planned Address</source>
        <translation>Indirizzo previsto</translation>
    </message>
    <message>
        <source>Looking for devices that already answer at the planned addresses...</source>
        <translation>Ricerca di dispositivi che rispondono già sugli indirizzi previsti...</translation>
    </message>
    <message>
        <source>&amp;Language...</source>
        <translation>&amp;Lingua...</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>&amp;Show the window in:</source>
        <translation>&amp;Mostra la finestra in:</translation>
    </message>
    <message>
        <source>The language of the system</source>
        <translation>Lingua del sistema</translation>
    </message>
    <message>
        <source>The window is shown in the chosen language from its next start.</source>
        <translation>Dal prossimo avvio la finestra sarà mostrata nella lingua scelta.</translation>
    </message>
    <message>
        <source>The language could not be saved in %1, so the window will not be shown in it at the next start.</source>
        <translation>Non è stato possibile salvare la lingua in %1, quindi al prossimo avvio la finestra non sarà mostrata in questa lingua.</translation>
    </message>
    <message>
        <source>Chec&amp;k the Picked Devices...</source>
        <translation>C&amp;ontrolla i dispositivi scelti...</translation>
    </message>
    <message>
        <source>Check the picked devices: read each and compare it with the pages&apos; settings, sending nothing</source>
        <translation>Controlla i dispositivi scelti: legge ciascuno e lo confronta con le impostazioni delle pagine, senza inviare nulla</translation>
    </message>
    <message>
        <source>Check the Picked Devices...</source>
        <translation>Controlla i dispositivi scelti...</translation>
    </message>
    <message>
        <source>Tick the devices to check in Find Devices first (or select them, or paste a list of addresses).</source>
        <translation>Spuntare prima, in Trova dispositivi, i dispositivi da controllare (oppure selezionarli, o incollare un elenco di indirizzi).</translation>
    </message>
    <message>
        <source>Load the configuration from a device first: the devices are compared with the pages&apos; settings as they then stand.</source>
        <translation>Caricare prima la configurazione da un dispositivo: i dispositivi verranno confrontati con le impostazioni delle pagine così come risulteranno a quel punto.</translation>
    </message>
    <message>
        <source>Check the Picked Devices</source>
        <translation>Controlla i dispositivi scelti</translation>
    </message>
    <message>
        <source>Checking %1 Devices</source>
        <translation>Controllo di %1 dispositivi</translation>
    </message>
    <message>
        <source>matches</source>
        <translation>conforme</translation>
    </message>
    <message>
        <source>differs</source>
        <translation>difforme</translation>
    </message>
    <message>
        <source>%1 matching, %2 differing, %3 failed</source>
        <translation>conformi: %1, difformi: %2, non riusciti: %3</translation>
    </message>
    <message>
        <source>Checking: %1 of %2 devices done.</source>
        <translation>Controllo in corso: dispositivi completati %1 su %2.</translation>
    </message>
    <message>
        <source>Differing Settings</source>
        <translation>Impostazioni diverse</translation>
    </message>
    <message>
        <source>%1: the device holds &quot;%2&quot;, the pages &quot;%3&quot;</source>
        <translation>%1: sul dispositivo risulta &quot;%2&quot;, nelle pagine &quot;%3&quot;</translation>
    </message>
    <message>
        <source>%1: differs</source>
        <translation>%1: differisce</translation>
    </message>
    <message>
        <source>Cancelled before it started: it was not read.</source>
        <translation>Annullato prima dell&apos;avvio: non è stato letto.</translation>
    </message>
    <message>
        <source>Each device is read and compared with these settings of the pages, and is sent nothing: %1. Each device&apos;s own settings are not compared: %2.</source>
        <translation>Ogni dispositivo viene letto (senza inviargli nulla) e confrontato con queste impostazioni delle pagine: %1. Le impostazioni proprie di ciascun dispositivo non vengono confrontate: %2.</translation>
    </message>
    <message>
        <source>Save Rec&amp;ord...</source>
        <translation>Salva &amp;verbale...</translation>
    </message>
    <message>
        <source>Commissioning Record</source>
        <translation>Verbale di messa in servizio</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programma</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Esecuzione</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Data e ora</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Fuso orario</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>SHA-256 of %1: %2</source>
        <translation>SHA-256 di %1: %2</translation>
    </message>
    <message>
        <source>The JSON file named above holds this record as data. sha256sum prints its SHA-256: any other value than the one above means the file was changed after the record was made.</source>
        <translation>Il file JSON indicato sopra contiene questo verbale sotto forma di dati. sha256sum ne stampa lo SHA-256: un valore diverso da quello riportato sopra significa che il file è stato modificato dopo la creazione del verbale.</translation>
    </message>
    <message>
        <source>Device %1 of %2: %3</source>
        <translation>Dispositivo %1 di %2: %3</translation>
    </message>
    <message>
        <source>Read back at</source>
        <translation>Riletto all&apos;indirizzo</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Esito</translation>
    </message>
    <message>
        <source>Why</source>
        <translation>Motivo</translation>
    </message>
    <message>
        <source>Every setting as read back</source>
        <translation>Tutte le impostazioni come rilette</translation>
    </message>
    <message>
        <source>No setting was read from this device.</source>
        <translation>Da questo dispositivo non è stata letta alcuna impostazione.</translation>
    </message>
    <message>
        <source>Verified after the apply</source>
        <translation>Verificata dopo l&apos;applicazione</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sì</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>What this run changed</source>
        <translation>Modifiche di questa esecuzione</translation>
    </message>
    <message>
        <source>This run changed no setting of this device.</source>
        <translation>Questa esecuzione non ha modificato alcuna impostazione di questo dispositivo.</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Prima</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Dopo</translation>
    </message>
    <message>
        <source>Settings that differ from those compared</source>
        <translation>Impostazioni diverse da quelle di confronto</translation>
    </message>
    <message>
        <source>Every setting compared matches.</source>
        <translation>Tutte le impostazioni confrontate corrispondono.</translation>
    </message>
    <message>
        <source>The device holds</source>
        <translation>Valore sul dispositivo</translation>
    </message>
    <message>
        <source>Compared with</source>
        <translation>Valore di confronto</translation>
    </message>
    <message>
        <source>set, not shown</source>
        <translation>impostata, non mostrata</translation>
    </message>
    <message>
        <source>Load from the device</source>
        <translation>Caricamento dal dispositivo</translation>
    </message>
    <message>
        <source>Save to the device</source>
        <translation>Salvataggio sul dispositivo</translation>
    </message>
    <message>
        <source>Send to many devices</source>
        <translation>Invio a più dispositivi</translation>
    </message>
    <message>
        <source>Check against settings, nothing sent</source>
        <translation>Controllo rispetto alle impostazioni, nessun invio</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Backup</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Ripristino (restore)</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Impostazione (set)</translation>
    </message>
    <message>
        <source>read</source>
        <translation>letto</translation>
    </message>
    <message>
        <source>not read</source>
        <translation>non letto</translation>
    </message>
    <message>
        <source>Save Record</source>
        <translation>Salva verbale</translation>
    </message>
    <message>
        <source>&amp;Note for the record (who, where, what was done):</source>
        <translation>&amp;Nota per il verbale (chi, dove, cosa è stato fatto):</translation>
    </message>
    <message>
        <source>PDF files (*.pdf);;All files (*)</source>
        <translation>File PDF (*.pdf);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>The record was saved to %1, and its JSON document beside it to %2.

SHA-256 of %3: %4</source>
        <translation>Il verbale è stato salvato in %1 e, accanto, il relativo documento JSON in %2.

SHA-256 di %3: %4</translation>
    </message>
    <message>
        <source>Record Not Saved</source>
        <translation>Verbale non salvato</translation>
    </message>
    <message>
        <source>%1

Neither file of the record was written: files of those names are as they were.</source>
        <translation>%1

Nessuno dei due file del verbale è stato scritto: i file con quei nomi sono rimasti com&apos;erano.</translation>
    </message>
    <message>
        <source>%1

The JSON document was written to %2, but the PDF was not.</source>
        <translation>%1

Il documento JSON è stato scritto in %2, ma il PDF no.</translation>
    </message>
    <message>
        <source>Save a commissioning record of what was read back, as PDF and JSON</source>
        <translation>Salva in PDF e JSON un verbale di messa in servizio di quanto riletto</translation>
    </message>
    <message>
        <source>Note for the record</source>
        <translation>Nota per il verbale</translation>
    </message>
    <message>
        <source>Usage: %1 --record-pdf RECORD.json OUT.pdf</source>
        <translation>Uso: %1 --record-pdf RECORD.json OUT.pdf</translation>
    </message>
    <message>
        <source>%1: no PDF was made of it. %2</source>
        <translation>%1: non ne è stato creato alcun PDF. %2</translation>
    </message>
    <message>
        <source>%1 No PDF was made.</source>
        <translation>%1 Non è stato creato alcun PDF.</translation>
    </message>
    <message>
        <source>%1 already exists and is not the record beside this PDF (a settings file, say).

Replace it with the record&apos;s JSON document?</source>
        <translation>%1 esiste già e non è il verbale che accompagna questo PDF (potrebbe essere, ad esempio, un file di impostazioni).

Sostituirlo con il documento JSON del verbale?</translation>
    </message>
    <message>
        <source>Devices in this record</source>
        <translation>Dispositivi in questo verbale</translation>
    </message>
</context>
<context>
    <name>Templates</name>
    <message>
        <source>About TolvoConfig</source>
        <translation>Informazioni su TolvoConfig</translation>
    </message>
    <message>
        <source>Program icon</source>
        <translation>Icona del programma</translation>
    </message>
    <message>
        <source>Tolvo-S Configuration Utility, Version 1.0</source>
        <translation>Utilità di configurazione Tolvo-S, versione 1.0</translation>
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
        <translation>Configurazione Tolvo-S - Halvane</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Tolvo&apos;s IP address:</source>
        <translation>Indirizzo IP del Tolvo:</translation>
    </message>
    <message>
        <source>Load Configuration</source>
        <translation>Carica configurazione</translation>
    </message>
    <message>
        <source>Save Configuration</source>
        <translation>Salva configurazione</translation>
    </message>
    <message>
        <source>Find Devices...</source>
        <translation>Trova dispositivi...</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>Importa...</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Esporta...</translation>
    </message>
    <message>
        <source>Serial Number:</source>
        <translation>Numero di serie:</translation>
    </message>
    <message>
        <source>Firmware Version:</source>
        <translation>Versione firmware:</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>Indirizzo IP:</translation>
    </message>
    <message>
        <source>IP mask:</source>
        <translation>Maschera IP:</translation>
    </message>
    <message>
        <source>SSID:</source>
        <translation>SSID:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>Wi-Fi channel:</source>
        <translation>Canale Wi-Fi:</translation>
    </message>
    <message>
        <source>Transmission Power:</source>
        <translation>Potenza di trasmissione:</translation>
    </message>
    <message>
        <source>Network Type:</source>
        <translation>Tipo di rete:</translation>
    </message>
    <message>
        <source>Network type</source>
        <translation>Tipo di rete</translation>
    </message>
    <message>
        <source>Access Point</source>
        <translation>Access Point</translation>
    </message>
    <message>
        <source>Infrastracture</source>
        <translation>Infrastruttura</translation>
    </message>
    <message>
        <source>DHCP mode</source>
        <translation>Modalità DHCP</translation>
    </message>
    <message>
        <source>DHCP Disabled</source>
        <translation>DHCP disattivato</translation>
    </message>
    <message>
        <source>DHCP Enabled</source>
        <translation>DHCP attivato</translation>
    </message>
    <message>
        <source>DHCP Access Point</source>
        <translation>DHCP Access Point</translation>
    </message>
    <message>
        <source>Device Name:</source>
        <translation>Nome dispositivo:</translation>
    </message>
    <message>
        <source>Port 0 connect to:</source>
        <translation>Porta 0 collegata a:</translation>
    </message>
    <message>
        <source>Port 0 connection</source>
        <translation>Collegamento porta 0</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configurazione</translation>
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
        <translation>Nessun collegamento</translation>
    </message>
    <message>
        <source>TCP/IP Port:</source>
        <translation>Porta TCP/IP:</translation>
    </message>
    <message>
        <source>Port 0 TCP/IP port</source>
        <translation>Porta TCP/IP della porta 0</translation>
    </message>
    <message>
        <source>Port 1 connect to:</source>
        <translation>Porta 1 collegata a:</translation>
    </message>
    <message>
        <source>Port 1 connection</source>
        <translation>Collegamento porta 1</translation>
    </message>
    <message>
        <source>Port 1 TCP/IP port</source>
        <translation>Porta TCP/IP della porta 1</translation>
    </message>
    <message>
        <source>Port 2 connect to:</source>
        <translation>Porta 2 collegata a:</translation>
    </message>
    <message>
        <source>Port 2 connection</source>
        <translation>Collegamento porta 2</translation>
    </message>
    <message>
        <source>Port 2 TCP/IP port</source>
        <translation>Porta TCP/IP della porta 2</translation>
    </message>
    <message>
        <source>Baudrate:</source>
        <translation>Baud rate:</translation>
    </message>
    <message>
        <source>Data Bits:</source>
        <translation>Bit di dati:</translation>
    </message>
    <message>
        <source>Stop Bits:</source>
        <translation>Bit di stop:</translation>
    </message>
    <message>
        <source>Parity:</source>
        <translation>Parità:</translation>
    </message>
    <message>
        <source>RS232 baud rate</source>
        <translation>Baud rate RS232</translation>
    </message>
    <message>
        <source>RS232 data bits</source>
        <translation>Bit di dati RS232</translation>
    </message>
    <message>
        <source>RS232 stop bits</source>
        <translation>Bit di stop RS232</translation>
    </message>
    <message>
        <source>RS232 parity</source>
        <translation>Parità RS232</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nessuna</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Dispari</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Pari</translation>
    </message>
    <message>
        <source>DIRECT baud rate</source>
        <translation>Baud rate DIRECT</translation>
    </message>
    <message>
        <source>DIRECT data bits</source>
        <translation>Bit di dati DIRECT</translation>
    </message>
    <message>
        <source>DIRECT stop bits</source>
        <translation>Bit di stop DIRECT</translation>
    </message>
    <message>
        <source>DIRECT parity</source>
        <translation>Parità DIRECT</translation>
    </message>
</context>
</TS>
