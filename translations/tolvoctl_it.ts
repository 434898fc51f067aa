<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>tolvoctl</name>
    <message>
        <source>Reads all 25 settings, or the keys named, and prints KEY=VALUE lines (with a line &quot;# ADDRESS&quot; before each device&apos;s when there are several). Values that break a rule are shown as they are, and said so on stderr.</source>
        <translation>Legge tutte le 25 impostazioni, o le chiavi indicate, e stampa righe KEY=VALUE (con una riga &quot;# ADDRESS&quot; prima di quelle di ciascun dispositivo, quando i dispositivi sono più di uno). I valori che violano una regola vengono mostrati così come sono, e segnalati su stderr.</translation>
    </message>
    <message>
        <source>Saves the 23 writable settings to a file. With one address PATH is the file, unless it is a folder or ends with a slash; with several, or with --history, it is a folder, with one file per device named by its serial number.</source>
        <translation>Salva in un file le 23 impostazioni scrivibili. Con un solo indirizzo PATH è il file, a meno che non sia una cartella o termini con una barra; con più indirizzi, o con --history, è una cartella, con un file per dispositivo che prende il nome dal suo numero di serie.</translation>
    </message>
    <message>
        <source>Checks a settings file without any device.</source>
        <translation>Controlla un file di impostazioni senza alcun dispositivo.</translation>
    </message>
    <message>
        <source>Reads the device and prints each setting that differs from the file; or compares two files. A file may be SERIAL@VERSION: that device&apos;s file at a version (a commit, or HEAD~1 and the like) of a folder kept by &quot;backup --history&quot; (see --dir). Exit status 0 when nothing differs, 1 when something does.</source>
        <translation>Legge il dispositivo e stampa ogni impostazione che differisce dal file; oppure confronta due file. Un file può essere SERIAL@VERSION: il file di quel dispositivo a una certa versione (un commit, oppure HEAD~1 e simili) di una cartella gestita con &quot;backup --history&quot; (vedere --dir). Codice di uscita 0 se non ci sono differenze, 1 se ce ne sono.</translation>
    </message>
    <message>
        <source>Checks the file, reads each device, sends the file&apos;s settings and the apply command, reads every setting back and reports each one the device did not keep. FILE &quot;-&quot; reads the settings document from standard input, so that a password needs neither a command line nor a file.</source>
        <translation>Controlla il file, legge ogni dispositivo, invia le impostazioni del file e il comando di applicazione, rilegge ogni impostazione e segnala ciascuna di quelle che il dispositivo non ha mantenuto. Con FILE &quot;-&quot; il documento delle impostazioni viene letto dallo standard input, così una password non deve comparire né su una riga di comando né in un file.</translation>
    </message>
    <message>
        <source>Sends the settings given and the apply command, and reads them back, as restore does.</source>
        <translation>Invia le impostazioni indicate e il comando di applicazione, poi le rilegge, come fa restore.</translation>
    </message>
    <message>
        <source>Tries the command service on every address of the ranges (A.B.C.D/N or FIRST-LAST, at most 4096 in all) and prints the serial number and firmware version of each device that answers.</source>
        <translation>Prova il servizio comandi su ogni indirizzo degli intervalli (A.B.C.D/N o FIRST-LAST, al massimo 4096 in tutto) e stampa numero di serie e versione firmware di ogni dispositivo che risponde.</translation>
    </message>
    <message>
        <source>Lists the versions of one device&apos;s file in a folder kept by &quot;backup --history&quot;: commit, time and the settings that changed.</source>
        <translation>Elenca le versioni del file di un dispositivo in una cartella gestita con &quot;backup --history&quot;: commit, ora e impostazioni cambiate.</translation>
    </message>
    <message>
        <source>Keeps PATH as a folder under version control (git): one file per serial number, and a commit for each backup that changed something.</source>
        <translation>Gestisce PATH come cartella sotto controllo di versione (git): un file per numero di serie e un commit per ogni backup che ha cambiato qualcosa.</translation>
    </message>
    <message>
        <source>The folder kept by &quot;backup --history&quot; where SERIAL@VERSION is read (default: the current folder).</source>
        <translation>La cartella gestita con &quot;backup --history&quot; da cui leggere SERIAL@VERSION (predefinita: la cartella corrente).</translation>
    </message>
    <message>
        <source>Machine output: one JSON document on stdout.</source>
        <translation>Output per l&apos;elaborazione automatica: un unico documento JSON su stdout.</translation>
    </message>
    <message>
        <source>Bound on each wait, in ms (default 5000; scan: 1000).</source>
        <translation>Limite di ogni attesa, in ms (predefinito 5000; scan: 1000).</translation>
    </message>
    <message>
        <source>Writes each device&apos;s exchange to stderr when it ends: every command and reply with its time, bytes escaped, the password&apos;s value masked.</source>
        <translation>Scrive su stderr lo scambio con ogni dispositivo quando termina: ogni comando e risposta con il suo orario, i byte con sequenze di escape, il valore della password mascherato.</translation>
    </message>
    <message>
        <source>The command service&apos;s TCP port (default 4070).</source>
        <translation>La porta TCP del servizio comandi (predefinita 4070).</translation>
    </message>
    <message>
        <source>The file, or the folder (with several devices, with --history, or when PATH is a folder or ends with a slash).</source>
        <translation>Il file, o la cartella (con più dispositivi, con --history, o quando PATH è una cartella o termina con una barra).</translation>
    </message>
    <message>
        <source>Overwrite files that exist in the folder.</source>
        <translation>Sovrascrive i file già presenti nella cartella.</translation>
    </message>
    <message>
        <source>Print what would be sent, byte for byte but for the password&apos;s value, which shows as asterisks; send nothing (with --only-changed the devices are read).</source>
        <translation>Stampa ciò che verrebbe inviato, byte per byte tranne il valore della password, mostrato come asterischi; non invia nulla (con --only-changed i dispositivi vengono letti).</translation>
    </message>
    <message>
        <source>Send only the settings that differ on the device.</source>
        <translation>Invia solo le impostazioni che sul dispositivo hanno un valore diverso.</translation>
    </message>
    <message>
        <source>As in the usage line above.</source>
        <translation>Come nella riga di utilizzo qui sopra.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no command; &quot;tolvoctl --help&quot; lists them.</source>
        <translation>&quot;%1&quot; non è un comando; &quot;tolvoctl --help&quot; li elenca.</translation>
    </message>
    <message>
        <source>--%1 takes a whole number from %2 to %3.</source>
        <translation>--%1 richiede un numero intero da %2 a %3.</translation>
    </message>
    <message>
        <source>No device address given (there is no default): give ADDRESS or --hosts FILE.</source>
        <translation>Nessun indirizzo di dispositivo indicato (non esiste un valore predefinito): indicare ADDRESS o --hosts FILE.</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>standard input</translation>
    </message>
    <message>
        <source>%1 is not valid; nothing was sent.</source>
        <translation>%1 non è valido; non è stato inviato nulla.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither an address nor a setting&apos;s key.</source>
        <translation>&quot;%1&quot; non è né un indirizzo né la chiave di un&apos;impostazione.</translation>
    </message>
    <message>
        <source>backup needs -o PATH.</source>
        <translation>backup richiede -o PATH.</translation>
    </message>
    <message>
        <source>Cannot make the folder %1.</source>
        <translation>Impossibile creare la cartella %1.</translation>
    </message>
    <message>
        <source>check takes one FILE.</source>
        <translation>check richiede un solo FILE.</translation>
    </message>
    <message>
        <source>diff takes ADDRESS and FILE, or two FILEs (a FILE may be SERIAL@VERSION).</source>
        <translation>diff richiede ADDRESS e FILE, oppure due FILE (un FILE può essere SERIAL@VERSION).</translation>
    </message>
    <message>
        <source>diff compares one device with a file.</source>
        <translation>diff confronta un solo dispositivo con un file.</translation>
    </message>
    <message>
        <source>restore takes ADDRESS... and FILE.</source>
        <translation>restore richiede ADDRESS... e FILE.</translation>
    </message>
    <message>
        <source>set takes ADDRESS... and KEY=VALUE....</source>
        <translation>set richiede ADDRESS... e KEY=VALUE....</translation>
    </message>
    <message>
        <source>%1 Nothing was sent.</source>
        <translation>%1 Non è stato inviato nulla.</translation>
    </message>
    <message>
        <source>scan takes RANGE....</source>
        <translation>scan richiede RANGE....</translation>
    </message>
    <message>
        <source>%1: value &quot;%2&quot; breaks the rule; %3</source>
        <translation>%1: il valore &quot;%2&quot; viola la regola; %3</translation>
    </message>
    <message>
        <source>%1 of %2 devices</source>
        <translation>%1 di %2 dispositivi</translation>
    </message>
    <message>
        <source>1 setting</source>
        <translation>1 impostazione</translation>
    </message>
    <message>
        <source>%1 settings</source>
        <translation>%1 impostazioni</translation>
    </message>
    <message>
        <source>%1 of %2 devices succeeded.</source>
        <translation>Dispositivi riusciti: %1 su %2.</translation>
    </message>
    <message>
        <source>%1 of %2 devices read.</source>
        <translation>Dispositivi letti: %1 su %2.</translation>
    </message>
    <message>
        <source>another device has the serial number &quot;%1&quot;; %2 was not written</source>
        <translation>un altro dispositivo ha il numero di serie &quot;%1&quot;; %2 non è stato scritto</translation>
    </message>
    <message>
        <source>%1 exists; not overwritten (--force overwrites)</source>
        <translation>%1 esiste già; non sovrascritto (--force lo sovrascrive)</translation>
    </message>
    <message>
        <source>%1 holds the backup of another device (serial number &quot;%2&quot;); not overwritten</source>
        <translation>%1 contiene il backup di un altro dispositivo (numero di serie &quot;%2&quot;); non sovrascritto</translation>
    </message>
    <message>
        <source>saved %1 to %2</source>
        <translation>salvataggio di %1 in %2 eseguito</translation>
    </message>
    <message>
        <source>%1: valid, %2 settings.</source>
        <translation>%1: valido, %2 impostazioni.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; in %3, &quot;%4&quot; in %5</source>
        <translation>%1: &quot;%2&quot; in %3, &quot;%4&quot; in %5</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; in %3, not in %4</source>
        <translation>%1: &quot;%2&quot; in %3, assente in %4</translation>
    </message>
    <message>
        <source>%1: not in %2, &quot;%3&quot; in %4</source>
        <translation>%1: assente in %2, &quot;%3&quot; in %4</translation>
    </message>
    <message>
        <source>A history needs the git program, and none was found.</source>
        <translation>Una cronologia richiede il programma git, che non è stato trovato.</translation>
    </message>
    <message>
        <source>git %1 failed: %2</source>
        <translation>git %1 non riuscito: %2</translation>
    </message>
    <message>
        <source>exit status %1</source>
        <translation>codice di uscita %1</translation>
    </message>
    <message>
        <source>git %1 gave output that could not be read, for %2.</source>
        <translation>git %1 ha prodotto un output illeggibile per %2.</translation>
    </message>
    <message>
        <source>git %1 did not finish within %2 seconds.</source>
        <translation>git %1 non è terminato entro %2 secondi.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no version of %2: give a commit, or HEAD~1 and the like.</source>
        <translation>&quot;%1&quot; non è una versione di %2: indicare un commit, oppure HEAD~1 e simili.</translation>
    </message>
    <message>
        <source>Cannot make the lock file %1.</source>
        <translation>Impossibile creare il file di lock %1.</translation>
    </message>
    <message>
        <source>process %1 on %2</source>
        <translation>processo %1 su %2</translation>
    </message>
    <message>
        <source>%1 is in use by another backup (%2); nothing was read or written.</source>
        <translation>%1 è in uso da parte di un altro backup (%2); non è stato letto né scritto nulla.</translation>
    </message>
    <message>
        <source>%1 is in use by another backup; waiting for it to end (at most %2 minutes).</source>
        <translation>%1 è in uso da parte di un altro backup; attesa che termini (al massimo %2 minuti).</translation>
    </message>
    <message>
        <source>History: the files already in the folder, committed first as %1.</source>
        <translation>Cronologia: i file già presenti nella cartella sono stati registrati prima, come commit %1.</translation>
    </message>
    <message>
        <source>History: commit %1 (%2).</source>
        <translation>Cronologia: commit %1 (%2).</translation>
    </message>
    <message>
        <source>History: nothing changed, no commit.</source>
        <translation>Cronologia: nessuna modifica, nessun commit.</translation>
    </message>
    <message>
        <source>new</source>
        <translation>nuovo</translation>
    </message>
    <message>
        <source>history takes DIR and SERIAL.</source>
        <translation>history richiede DIR e SERIAL.</translation>
    </message>
    <message>
        <source>%1 has no versions of %2.</source>
        <translation>%1 non contiene versioni di %2.</translation>
    </message>
    <message>
        <source>%1: device &quot;%2&quot;, file &quot;%3&quot;</source>
        <translation>%1: dispositivo &quot;%2&quot;, file &quot;%3&quot;</translation>
    </message>
    <message>
        <source>%1 differs</source>
        <translation>%1 differisce</translation>
    </message>
    <message>
        <source>%1 differ</source>
        <translation>%1 differiscono</translation>
    </message>
    <message>
        <source>would send</source>
        <translation>invierebbe</translation>
    </message>
    <message>
        <source>nothing sent (dry run)</source>
        <translation>nessun invio (simulazione)</translation>
    </message>
    <message>
        <source>%1 sent, all kept</source>
        <translation>invio di %1, tutto mantenuto</translation>
    </message>
    <message>
        <source>nothing differs, nothing sent</source>
        <translation>nessuna differenza, nessun invio</translation>
    </message>
    <message>
        <source>%1 sent; NOT KEPT: %2</source>
        <translation>invio di %1; NON MANTENUTI: %2</translation>
    </message>
    <message>
        <source>ADDRESS</source>
        <translation>INDIRIZZO</translation>
    </message>
    <message>
        <source>SERIAL NUMBER</source>
        <translation>NUMERO DI SERIE</translation>
    </message>
    <message>
        <source>FIRMWARE</source>
        <translation>FIRMWARE</translation>
    </message>
    <message>
        <source>%1 of %2 addresses answered.</source>
        <translation>Indirizzi che hanno risposto: %1 su %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no IPv4 address (four numbers from 0 to 255 joined by dots).</source>
        <translation>&quot;%1&quot; non è un indirizzo IPv4 (quattro numeri da 0 a 255 separati da punti).</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: a prefix length is 0 to 32.</source>
        <translation>&quot;%1&quot;: la lunghezza del prefisso va da 0 a 32.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the last address comes before the first.</source>
        <translation>&quot;%1&quot;: l&apos;ultimo indirizzo precede il primo.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no range: give A.B.C.D/N or FIRST-LAST.</source>
        <translation>&quot;%1&quot; non è un intervallo: indicare A.B.C.D/N o FIRST-LAST.</translation>
    </message>
    <message>
        <source>A scan takes at most %1 addresses in all.</source>
        <translation>Una scansione accetta al massimo %1 indirizzi in tutto.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation>Impossibile leggere %1: %2.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>Impossibile scrivere %1: %2.</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, riga %2: %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no setting: give KEY=VALUE.</source>
        <translation>&quot;%1&quot; non è un&apos;impostazione: indicare KEY=VALUE.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no setting that can be written.</source>
        <translation>&quot;%1&quot; non è un&apos;impostazione scrivibile.</translation>
    </message>
    <message>
        <source>%1: value &quot;%2&quot; is not valid; %3.</source>
        <translation>%1: il valore &quot;%2&quot; non è valido; %3.</translation>
    </message>
    <message>
        <source>Not JSON: %1 at byte %2.</source>
        <translation>Non è JSON: %1 al byte %2.</translation>
    </message>
    <message>
        <source>Not a settings file: the top level is no JSON object.</source>
        <translation>Non è un file di impostazioni: il livello principale non è un oggetto JSON.</translation>
    </message>
    <message>
        <source>Not a settings file of format &quot;%1&quot;, version %2.</source>
        <translation>Non è un file di impostazioni nel formato &quot;%1&quot;, versione %2.</translation>
    </message>
    <message>
        <source>The file has no &quot;settings&quot; object.</source>
        <translation>Il file non contiene un oggetto &quot;settings&quot;.</translation>
    </message>
    <message>
        <source>%1: no setting of that name can be written.</source>
        <translation>%1: nessuna impostazione scrivibile ha questo nome.</translation>
    </message>
    <message>
        <source>%1: the value must be a JSON string.</source>
        <translation>%1: il valore deve essere una stringa JSON.</translation>
    </message>
    <message>
        <source>allowed: %1</source>
        <translation>consentito: %1</translation>
    </message>
    <message>
        <source>an IPv4 address: four numbers from 0 to 255 joined by dots</source>
        <translation>un indirizzo IPv4: quattro numeri da 0 a 255 separati da punti</translation>
    </message>
    <message>
        <source>a whole number from %1 to %2</source>
        <translation>un numero intero da %1 a %2</translation>
    </message>
    <message>
        <source>one of %1</source>
        <translation>uno tra %1</translation>
    </message>
    <message>
        <source>text of at most %1 Latin-1 characters, without line breaks or zero characters</source>
        <translation>un testo di al massimo %1 caratteri Latin-1, senza interruzioni di riga né caratteri nulli</translation>
    </message>
    <message>
        <source>connecting</source>
        <translation>la connessione</translation>
    </message>
    <message>
        <source>reading</source>
        <translation>la lettura</translation>
    </message>
    <message>
        <source>sending</source>
        <translation>l&apos;invio</translation>
    </message>
    <message>
        <source>failed while %1: %2</source>
        <translation>errore durante %1: %2</translation>
    </message>
    <message>
        <source>no connection could be made</source>
        <translation>impossibile stabilire una connessione</translation>
    </message>
    <message>
        <source>the device did not answer in time</source>
        <translation>il dispositivo non ha risposto in tempo</translation>
    </message>
    <message>
        <source>the device closed the connection</source>
        <translation>il dispositivo ha chiuso la connessione</translation>
    </message>
    <message>
        <source>a reply was longer than %1 bytes</source>
        <translation>una risposta superava %1 byte</translation>
    </message>
    <message>
        <source>a command would be longer than %1 bytes</source>
        <translation>un comando supererebbe %1 byte</translation>
    </message>
    <message>
        <source>sending to the device failed</source>
        <translation>invio al dispositivo non riuscito</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>annullato</translation>
    </message>
    <message>
        <source>the device sent more reply lines than it was asked for; its replies cannot be matched to the settings</source>
        <translation>il dispositivo ha inviato più righe di risposta di quelle richieste; le sue risposte non si possono associare alle impostazioni</translation>
    </message>
    <message>
        <source>%1: sent &quot;%2&quot;, the device holds &quot;%3&quot;</source>
        <translation>%1: inviato &quot;%2&quot;, sul dispositivo risulta &quot;%3&quot;</translation>
    </message>
    <message>
        <source>%1 (the apply command was not answered)</source>
        <translation>%1 (il comando di applicazione non ha avuto risposta)</translation>
    </message>
    <message>
        <source>Exit status: 0 success; 1 differences found or a read-back did not match; 2 a malformed argument or file (nothing is sent); 3 a device could not be read or written, or a file or the output could not be written.</source>
        <translation>Codice di uscita: 0 successo; 1 differenze trovate o una rilettura non corrispondente; 2 un argomento o un file non valido (non viene inviato nulla); 3 impossibile leggere o scrivere un dispositivo, oppure scrivere un file o l&apos;output.</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>standard output</translation>
    </message>
    <message>
        <source>History: nothing changed in the files written, no commit.</source>
        <translation>Cronologia: nessuna modifica nei file scritti, nessun commit.</translation>
    </message>
    <message>
        <source>Send values that are a device&apos;s error reply (&quot;ERROR&quot; alone or followed by a blank, as a device answers a key it does not know), which restore refuses otherwise: a backup of a device that lacked a setting holds one.</source>
        <translation>Invia i valori che sono una risposta di errore di un dispositivo (&quot;ERROR&quot; da solo o seguito da uno spazio, come un dispositivo risponde a una chiave che non conosce), che altrimenti restore rifiuta: il backup di un dispositivo privo di un&apos;impostazione ne contiene una.</translation>
    </message>
    <message>
        <source>%1 The file holds it as the device sent it; restore sends it only with --send-error-replies.</source>
        <translation>%1 Il file lo contiene così come il dispositivo l&apos;ha inviato; restore lo invia solo con --send-error-replies.</translation>
    </message>
    <message>
        <source>%1 A restore sends it only with --send-error-replies.</source>
        <translation>%1 Il comando restore lo invia solo con --send-error-replies.</translation>
    </message>
    <message>
        <source>%1 It is sent only with --send-error-replies.</source>
        <translation>%1 Viene inviato solo con --send-error-replies.</translation>
    </message>
    <message>
        <source>%1 holds a device&apos;s error reply as a value; nothing was sent.</source>
        <translation>%1 contiene come valore una risposta di errore di un dispositivo; non è stato inviato nulla.</translation>
    </message>
    <message>
        <source>%1: value &quot;%2&quot; holds a line break or a zero byte, which would end the command early and send the rest as a command of its own; no value may hold one.</source>
        <translation>%1: il valore &quot;%2&quot; contiene un&apos;interruzione di riga o un byte nullo, che chiuderebbe il comando in anticipo e invierebbe il resto come comando a sé; nessun valore può contenerne.</translation>
    </message>
    <message>
        <source>%1: value &quot;%2&quot; is the error reply a device gives for a key it does not know, not a setting.</source>
        <translation>%1: il valore &quot;%2&quot; è la risposta di errore che un dispositivo dà per una chiave che non conosce, non un&apos;impostazione.</translation>
    </message>
    <message>
        <source>Devices talked to at once (default 16; scan: 64), up to 1000; fewer where this computer&apos;s limit on open files (ulimit -n) leaves room for fewer.</source>
        <translation>Dispositivi contattati contemporaneamente (predefinito 16; scan: 64), fino a 1000; meno se il limite di file aperti di questo computer (ulimit -n) ne consente meno.</translation>
    </message>
    <message>
        <source>Also the addresses in FILE, one a line; # starts a comment. At most 4096 devices in all, and a FILE of at most 1 MiB.</source>
        <translation>Anche gli indirizzi contenuti in FILE, uno per riga; # inizia un commento. Al massimo 4096 dispositivi in tutto e un FILE di al massimo 1 MiB.</translation>
    </message>
    <message>
        <source>%1 The run stopped: %2 of %3 devices were not tried, and nothing was sent to them.</source>
        <translation>%1 L&apos;esecuzione si è interrotta; dispositivi non provati: %2 su %3 (a questi non è stato inviato nulla).</translation>
    </message>
    <message>
        <source>%1 The scan stopped: %2 of %3 addresses were not tried.</source>
        <translation>%1 La scansione si è interrotta; indirizzi non provati: %2 su %3.</translation>
    </message>
    <message>
        <source>This computer could not open another connection: it has too many files and connections open.</source>
        <translation>Questo computer non ha potuto aprire un&apos;altra connessione: ha troppi file e connessioni aperti.</translation>
    </message>
    <message>
        <source>A program may hold %1 open at once here (ulimit -n).</source>
        <translation>Qui un programma può tenerne aperti al massimo %1 contemporaneamente (ulimit -n).</translation>
    </message>
    <message>
        <source>Not tried: nothing was sent to it.</source>
        <translation>Non provato: non gli è stato inviato nulla.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 KiB, which no settings file is (one of every setting is about 1 KiB).</source>
        <translation>%1 supera %2 KiB, dimensione che nessun file di impostazioni raggiunge (uno con tutte le impostazioni occupa circa 1 KiB).</translation>
    </message>
    <message>
        <source>%1 is larger than %2 KiB, which no list of at most %3 addresses needs to be.</source>
        <translation>%1 supera %2 KiB, dimensione che non serve a nessun elenco di al massimo %3 indirizzi.</translation>
    </message>
    <message>
        <source>At most %1 devices are taken at a time; split the list of addresses.</source>
        <translation>Si accettano al massimo %1 dispositivi alla volta; suddividere l&apos;elenco degli indirizzi.</translation>
    </message>
    <message>
        <source>%1 sent and kept</source>
        <translation>invio di %1, valori mantenuti</translation>
    </message>
    <message>
        <source>%1; BUT SETTINGS THAT WERE NOT SENT READ OTHERWISE AFTER THE APPLY (any apply commits a value that an earlier, interrupted write left pending on the device): %2</source>
        <translation>%1; MA IMPOSTAZIONI NON INVIATE RISULTANO DIVERSE DOPO L&apos;APPLICAZIONE (ogni applicazione rende effettivo un valore che una scrittura precedente, interrotta, ha lasciato in sospeso sul dispositivo): %2</translation>
    </message>
    <message>
        <source>%1: not sent, but read as &quot;%2&quot; before the apply and &quot;%3&quot; after it</source>
        <translation>%1: non inviato, ma letto come &quot;%2&quot; prima dell&apos;applicazione e &quot;%3&quot; dopo</translation>
    </message>
    <message>
        <source>%1; settings had been sent without the apply command: the device may hold them pending, and its next apply, of any write, commits them</source>
        <translation>%1; erano state inviate impostazioni senza il comando di applicazione: il dispositivo potrebbe tenerle in sospeso, e la sua prossima applicazione, dopo una scrittura qualsiasi, le renderà effettive</translation>
    </message>
    <message>
        <source>%1 after the settings and the apply command were sent: the device may have applied them, and any value an earlier write left pending on it; read it to see what it holds</source>
        <translation>%1 dopo l&apos;invio delle impostazioni e del comando di applicazione: il dispositivo potrebbe averle applicate, insieme a ogni valore lasciato in sospeso da una scrittura precedente; leggerlo per vedere cosa contiene</translation>
    </message>
    <message>
        <source>Usage: tolvoctl COMMAND [options] ...

Commands:
%1
&quot;tolvoctl COMMAND --help&quot; describes a command. Every command that takes ADDRESS takes several, or --hosts FILE; there is no default address. restore and set give many devices each its own static address with an address plan: --plan FILE (a line for each device, its serial number or current address, then its new address) or --plan-first A.B.C.D/N (counted upward in the order of the devices); a plan with one address for several devices, the network or broadcast address, an address outside the subnet, a device or line that does not match, or an address where another device already answers (a device switched off cannot be seen) is refused with exit status 2, and nothing is sent.

%2
</source>
        <translation>Uso: tolvoctl COMMAND [opzioni] ...

Comandi:
%1
&quot;tolvoctl COMMAND --help&quot; descrive un comando. Ogni comando che accetta ADDRESS ne accetta anche diversi, oppure --hosts FILE; non esiste un indirizzo predefinito. restore e set assegnano a molti dispositivi un indirizzo statico ciascuno con un piano di indirizzamento: --plan FILE (una riga per dispositivo, con il suo numero di serie o indirizzo attuale, poi il nuovo indirizzo) oppure --plan-first A.B.C.D/N (indirizzi crescenti nell&apos;ordine dei dispositivi); un piano con un indirizzo per più dispositivi, l&apos;indirizzo di rete o di broadcast, un indirizzo fuori dalla sottorete, un dispositivo o una riga senza corrispondenza, o un indirizzo su cui risponde già un altro dispositivo (un dispositivo spento non si può rilevare) viene rifiutato con codice di uscita 2, e non viene inviato nulla.

%2
</translation>
    </message>
    <message>
        <source>Bound on the wait for a device that the settings sent move (a new address, DHCP, another network) to answer again, in ms (default 60000).</source>
        <translation>Limite dell&apos;attesa che un dispositivo spostato dalle impostazioni inviate (nuovo indirizzo, DHCP, altra rete) risponda di nuovo, in ms (predefinito 60000).</translation>
    </message>
    <message>
        <source>An address plan for the devices: a line for each, its serial number or current address, then its new address (# starts a comment). Each gets its own IPADDRESS, the IPMASK sent and DHCP 0; the plan is checked before anything is sent.</source>
        <translation>Un piano di indirizzamento per i dispositivi: una riga per ciascuno, con il suo numero di serie o indirizzo attuale, poi il nuovo indirizzo (# inizia un commento). Ognuno riceve il proprio IPADDRESS, l&apos;IPMASK inviato e DHCP 0; il piano viene controllato prima di inviare qualsiasi cosa.</translation>
    </message>
    <message>
        <source>An address plan counted upward from A.B.C.D in the order of the devices, with the mask of prefix length N: each gets its own IPADDRESS, that IPMASK and DHCP 0; checked before anything is sent.</source>
        <translation>Un piano di indirizzamento con indirizzi crescenti a partire da A.B.C.D nell&apos;ordine dei dispositivi, con la maschera di lunghezza di prefisso N: ognuno riceve il proprio IPADDRESS, quell&apos;IPMASK e DHCP 0; viene controllato prima di inviare qualsiasi cosa.</translation>
    </message>
    <message>
        <source>Give --plan or --plan-first, not both.</source>
        <translation>Indicare --plan o --plan-first, non entrambi.</translation>
    </message>
    <message>
        <source>--plan needs the mask among the settings sent (IPMASK=...).</source>
        <translation>--plan richiede la maschera tra le impostazioni inviate (IPMASK=...).</translation>
    </message>
    <message>
        <source>looking for the device after the apply</source>
        <translation>la ricerca del dispositivo dopo l&apos;applicazione</translation>
    </message>
    <message>
        <source>%1; read back at its new address %2</source>
        <translation>%1; rilettura eseguita al nuovo indirizzo %2</translation>
    </message>
    <message>
        <source>the settings and the apply command were sent; they move the device to %1, and it answered neither there nor at %2 within %3 seconds: look for it at %1 (it may still be restarting, or that address is not reachable from this computer)</source>
        <translation>le impostazioni e il comando di applicazione sono stati inviati; spostano il dispositivo su %1, e questo non ha risposto né lì né su %2 entro %3 secondi: cercarlo su %1 (potrebbe essere ancora in riavvio, oppure quell&apos;indirizzo non è raggiungibile da questo computer)</translation>
    </message>
    <message>
        <source>the settings and the apply command were sent; they turn DHCP on, and the device did not answer at %1 within %2 seconds: its DHCP server chooses its address; find it with a scan of the site&apos;s addresses</source>
        <translation>le impostazioni e il comando di applicazione sono stati inviati; attivano il DHCP, e il dispositivo non ha risposto su %1 entro %2 secondi: il suo indirizzo lo sceglie il server DHCP; trovarlo con una scansione degli indirizzi del sito</translation>
    </message>
    <message>
        <source>the settings and the apply command were sent; they join the device to another network (SSID, password or network type), and it did not answer at %1 within %2 seconds: join that network to reach it, then find it with a scan</source>
        <translation>le impostazioni e il comando di applicazione sono stati inviati; collegano il dispositivo a un&apos;altra rete (SSID, password o tipo di rete), e questo non ha risposto su %1 entro %2 secondi: collegarsi a quella rete per raggiungerlo, poi trovarlo con una scansione</translation>
    </message>
    <message>
        <source>the settings and the apply command were sent; they join the device to another network (SSID, password or network type) at the address %1, and it answered neither there nor at %2 within %3 seconds: join that network to reach it at %1</source>
        <translation>le impostazioni e il comando di applicazione sono stati inviati; collegano il dispositivo a un&apos;altra rete (SSID, password o tipo di rete) all&apos;indirizzo %1, e questo non ha risposto né lì né su %2 entro %3 secondi: collegarsi a quella rete per raggiungerlo su %1</translation>
    </message>
    <message>
        <source>the settings and the apply command were sent; another device (serial number &quot;%1&quot;) answers at %2, where this one was looked for after the apply: it was not read back; look for it with a scan, and give the two devices addresses of their own</source>
        <translation>le impostazioni e il comando di applicazione sono stati inviati; un altro dispositivo (numero di serie &quot;%1&quot;) risponde su %2, dove questo è stato cercato dopo l&apos;applicazione: non è stato riletto; cercarlo con una scansione e assegnare ai due dispositivi indirizzi distinti</translation>
    </message>
    <message>
        <source>the settings and the apply command were sent; the device may restart on them, and it did not answer at %1 within %2 seconds</source>
        <translation>le impostazioni e il comando di applicazione sono stati inviati; il dispositivo potrebbe riavviarsi per applicarle, e non ha risposto su %1 entro %2 secondi</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 diventa %2</translation>
    </message>
    <message>
        <source>%1 (no address)</source>
        <translation>%1 (nessun indirizzo)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no first address of a plan: give A.B.C.D/N (the prefix length is the mask).</source>
        <translation>&quot;%1&quot; non è un primo indirizzo di piano valido: indicare A.B.C.D/N (la lunghezza del prefisso è la maschera).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no line of a plan: give the device&apos;s serial number or current address, then blanks, then its new address.</source>
        <translation>&quot;%1&quot; non è una riga di piano valida: indicare il numero di serie o l&apos;indirizzo attuale del dispositivo, poi degli spazi, poi il nuovo indirizzo.</translation>
    </message>
    <message>
        <source>%1 gives no device an address.</source>
        <translation>%1 non assegna un indirizzo ad alcun dispositivo.</translation>
    </message>
    <message>
        <source>%1 is no mask of a subnet (its ones do not come first).</source>
        <translation>%1 non è una maschera di sottorete (i suoi bit a 1 non sono tutti all&apos;inizio).</translation>
    </message>
    <message>
        <source>One address for several devices: %1.</source>
        <translation>Un solo indirizzo per più dispositivi: %1.</translation>
    </message>
    <message>
        <source>%1: the network address of the subnet %2, which no device may have.</source>
        <translation>%1: l&apos;indirizzo di rete della sottorete %2, che nessun dispositivo può avere.</translation>
    </message>
    <message>
        <source>%1: the broadcast address of the subnet %2, which no device may have.</source>
        <translation>%1: l&apos;indirizzo di broadcast della sottorete %2, che nessun dispositivo può avere.</translation>
    </message>
    <message>
        <source>%1: outside the subnet %2 of the mask.</source>
        <translation>%1: fuori dalla sottorete %2 della maschera.</translation>
    </message>
    <message>
        <source>%1: no line of the plan names this device.</source>
        <translation>%1: nessuna riga del piano indica questo dispositivo.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is none of the devices sent to.</source>
        <translation>&quot;%1&quot; non è nessuno dei dispositivi destinatari.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names a device that an earlier line names too.</source>
        <translation>&quot;%1&quot; indica un dispositivo già indicato da una riga precedente.</translation>
    </message>
    <message>
        <source>%1: another device already answers at this address (a device that is switched off cannot be seen).</source>
        <translation>%1: su questo indirizzo risponde già un altro dispositivo (un dispositivo spento non si può rilevare).</translation>
    </message>
    <message>
        <source>The address plan is refused; nothing was sent:</source>
        <translation>Il piano di indirizzamento è stato rifiutato; non è stato inviato nulla:</translation>
    </message>
    <message>
        <source>the plan</source>
        <translation>il piano</translation>
    </message>
    <message>
        <source>Messages and help are in the language of --lang LANGUAGE (%1), else of LC_ALL, LC_MESSAGES or LANG, else of the system. --json output is always in English, whatever the language.</source>
        <translation>Messaggi e guida sono nella lingua di --lang LANGUAGE (%1), altrimenti in quella di LC_ALL, LC_MESSAGES o LANG, altrimenti in quella del sistema. L&apos;output di --json è sempre in inglese, qualunque sia la lingua.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no language tolvoctl speaks; it speaks %2.</source>
        <translation>&quot;%1&quot; non è una lingua di tolvoctl; quelle disponibili sono %2.</translation>
    </message>
    <message>
        <source>--lang needs a language, for instance --lang de.</source>
        <translation>--lang richiede una lingua, ad esempio --lang de.</translation>
    </message>
    <message>
        <source>The technician&apos;s note in the record of --record.</source>
        <translation>La nota del tecnico nel verbale di --record.</translation>
    </message>
    <message>
        <source>--note goes into a record: give --record FILE too.</source>
        <translation>--note va in un verbale: indicare anche --record FILE.</translation>
    </message>
    <message>
        <source>%1; matches: the device holds every value</source>
        <translation>%1; conforme: il dispositivo contiene tutti i valori</translation>
    </message>
    <message>
        <source>%1; differs: %2</source>
        <translation>%1; difforme: %2</translation>
    </message>
    <message>
        <source>Record: %1, SHA-256 %2</source>
        <translation>Verbale: %1, SHA-256 %2</translation>
    </message>
    <message>
        <source>%1 The record was not written; each device&apos;s result stands as reported.</source>
        <translation>%1 Il verbale non è stato scritto; il risultato di ogni dispositivo resta quello riportato.</translation>
    </message>
    <message>
        <source>the settings and the apply command were sent, but they could not be read back: the device may have applied them; read it to see what it holds</source>
        <translation>le impostazioni e il comando di applicazione sono stati inviati, ma non è stato possibile rileggerle: il dispositivo potrebbe averle applicate; leggerlo per vedere cosa contiene</translation>
    </message>
    <message>
        <source>Not a commissioning record of format &quot;%1&quot;, version %2.</source>
        <translation>Non è un verbale di messa in servizio nel formato &quot;%1&quot;, versione %2.</translation>
    </message>
    <message>
        <source>The record&apos;s member %1 is missing or of the wrong type.</source>
        <translation>Il membro %1 del verbale manca o è di tipo errato.</translation>
    </message>
    <message>
        <source>The record&apos;s member %1 holds &quot;%2&quot;, which a record does not.</source>
        <translation>Il membro %1 del verbale contiene &quot;%2&quot;, valore che un verbale non può contenere.</translation>
    </message>
    <message>
        <source>The record&apos;s member %1 holds a Wi-Fi password&apos;s value, which a record never does (only &quot;********&quot; or nothing).</source>
        <translation>Il membro %1 del verbale contiene il valore di una password Wi-Fi, che un verbale non contiene mai (solo &quot;********&quot; o niente).</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MiB, which no record is.</source>
        <translation>%1 supera %2 MiB, dimensione che nessun verbale raggiunge.</translation>
    </message>
    <message>
        <source>Also writes the run&apos;s commissioning record to FILE: for every device its address, serial number, firmware, every setting as read back (the password as asterisks), whether each was verified and what changed, with the time and the note, as JSON; it prints the file&apos;s SHA-256. With --dry-run of restore the devices are read and compared with the file (a check): each matches or differs, and exit status 1 says that one differs.</source>
        <translation>Scrive inoltre in FILE il verbale di messa in servizio dell&apos;esecuzione: per ogni dispositivo indirizzo, numero di serie, firmware, ogni impostazione come riletta (la password come asterischi), se ciascuna è stata verificata e cosa è cambiato, con l&apos;ora e la nota, in JSON; stampa lo SHA-256 del file. Con --dry-run di restore i dispositivi vengono letti e confrontati con il file (un controllo): ciascuno risulta conforme o difforme, e il codice di uscita 1 indica che almeno uno è difforme.</translation>
    </message>
    <message>
        <source>%1 matching, %2 differing, %3 failed</source>
        <translation>conformi: %1, difformi: %2, non riusciti: %3</translation>
    </message>
    <message>
        <source>it is no regular file (a folder, a device or a pipe)</source>
        <translation>non è un file regolare (ma una cartella, un file di dispositivo o una pipe)</translation>
    </message>
    <message>
        <source>The record&apos;s member %1 is longer than a record&apos;s ever is (at most %2).</source>
        <translation>Il membro %1 del verbale è più lungo di quanto un verbale preveda (al massimo %2).</translation>
    </message>
    <message>
        <source>%1 is also a file this command reads or writes: a record needs a file of its own.</source>
        <translation>%1 è anche un file che questo comando legge o scrive: un verbale richiede un file proprio.</translation>
    </message>
    <message>
        <source>%1 exists and is no commissioning record: a record replaces only an earlier record.</source>
        <translation>%1 esiste già e non è un verbale di messa in servizio: un verbale sostituisce solo un verbale precedente.</translation>
    </message>
</context>
</TS>
