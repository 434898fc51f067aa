<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>tolvoctl</name>
    <message>
        <source>Reads all 25 settings, or the keys named, and prints KEY=VALUE lines (with a line &quot;# ADDRESS&quot; before each device&apos;s when there are several). Values that break a rule are shown as they are, and said so on stderr.</source>
        <translation>Liest alle 25 Einstellungen oder die genannten Schlüssel und gibt KEY=VALUE-Zeilen aus (bei mehreren Geräten vor denen jedes Geräts eine Zeile &quot;# ADDRESS&quot;). Werte, die gegen eine Regel verstoßen, werden unverändert angezeigt und auf stderr gemeldet.</translation>
    </message>
    <message>
        <source>Saves the 23 writable settings to a file. With one address PATH is the file, unless it is a folder or ends with a slash; with several, or with --history, it is a folder, with one file per device named by its serial number.</source>
        <translation>Speichert die 23 beschreibbaren Einstellungen in einer Datei. Bei einer Adresse ist PATH die Datei, außer es ist ein Ordner oder endet mit einem Schrägstrich; bei mehreren Adressen oder mit --history ist es ein Ordner mit einer Datei je Gerät, benannt nach dessen Seriennummer.</translation>
    </message>
    <message>
        <source>Checks a settings file without any device.</source>
        <translation>Prüft eine Einstellungsdatei, ohne ein Gerät anzusprechen.</translation>
    </message>
    <message>
        <source>Reads the device and prints each setting that differs from the file; or compares two files. A file may be SERIAL@VERSION: that device&apos;s file at a version (a commit, or HEAD~1 and the like) of a folder kept by &quot;backup --history&quot; (see --dir). Exit status 0 when nothing differs, 1 when something does.</source>
        <translation>Liest das Gerät aus und gibt jede Einstellung aus, die von der Datei abweicht; oder vergleicht zwei Dateien. Eine Datei kann SERIAL@VERSION sein: die Datei dieses Geräts in einer Version (ein Commit, HEAD~1 o. Ä.) eines mit &quot;backup --history&quot; geführten Ordners (siehe --dir). Exit-Status 0, wenn nichts abweicht, 1, wenn etwas abweicht.</translation>
    </message>
    <message>
        <source>Checks the file, reads each device, sends the file&apos;s settings and the apply command, reads every setting back and reports each one the device did not keep. FILE &quot;-&quot; reads the settings document from standard input, so that a password needs neither a command line nor a file.</source>
        <translation>Prüft die Datei, liest jedes Gerät aus, sendet die Einstellungen der Datei und den Aktivierungsbefehl, liest jede Einstellung zurück und meldet jede, die das Gerät nicht übernommen hat. FILE &quot;-&quot; liest das Einstellungsdokument von der Standardeingabe, sodass ein Passwort weder in einer Befehlszeile noch in einer Datei stehen muss.</translation>
    </message>
    <message>
        <source>Sends the settings given and the apply command, and reads them back, as restore does.</source>
        <translation>Sendet die angegebenen Einstellungen und den Aktivierungsbefehl und liest sie zurück, wie restore.</translation>
    </message>
    <message>
        <source>Tries the command service on every address of the ranges (A.B.C.D/N or FIRST-LAST, at most 4096 in all) and prints the serial number and firmware version of each device that answers.</source>
        <translation>Spricht den Befehlsdienst an jeder Adresse der Bereiche an (A.B.C.D/N oder FIRST-LAST, insgesamt höchstens 4096) und gibt Seriennummer und Firmware-Version jedes antwortenden Geräts aus.</translation>
    </message>
    <message>
        <source>Lists the versions of one device&apos;s file in a folder kept by &quot;backup --history&quot;: commit, time and the settings that changed.</source>
        <translation>Listet die Versionen der Datei eines Geräts in einem mit &quot;backup --history&quot; geführten Ordner auf: Commit, Zeit und die geänderten Einstellungen.</translation>
    </message>
    <message>
        <source>Keeps PATH as a folder under version control (git): one file per serial number, and a commit for each backup that changed something.</source>
        <translation>Führt PATH als Ordner unter Versionsverwaltung (git): eine Datei je Seriennummer und ein Commit für jede Sicherung, die etwas geändert hat.</translation>
    </message>
    <message>
        <source>The folder kept by &quot;backup --history&quot; where SERIAL@VERSION is read (default: the current folder).</source>
        <translation>Der mit &quot;backup --history&quot; geführte Ordner, aus dem SERIAL@VERSION gelesen wird (Standard: der aktuelle Ordner).</translation>
    </message>
    <message>
        <source>Machine output: one JSON document on stdout.</source>
        <translation>Maschinenlesbare Ausgabe: ein JSON-Dokument auf stdout.</translation>
    </message>
    <message>
        <source>Bound on each wait, in ms (default 5000; scan: 1000).</source>
        <translation>Obergrenze für jede Wartezeit, in ms (Standard 5000; scan: 1000).</translation>
    </message>
    <message>
        <source>Writes each device&apos;s exchange to stderr when it ends: every command and reply with its time, bytes escaped, the password&apos;s value masked.</source>
        <translation>Schreibt den Austausch mit jedem Gerät, sobald er endet, auf stderr: jeden Befehl und jede Antwort mit Zeitstempel, Bytes als Escape-Sequenzen, den Wert des Passworts maskiert.</translation>
    </message>
    <message>
        <source>The command service&apos;s TCP port (default 4070).</source>
        <translation>Der TCP-Port des Befehlsdienstes (Standard 4070).</translation>
    </message>
    <message>
        <source>The file, or the folder (with several devices, with --history, or when PATH is a folder or ends with a slash).</source>
        <translation>Die Datei oder der Ordner (bei mehreren Geräten, mit --history oder wenn PATH ein Ordner ist oder mit einem Schrägstrich endet).</translation>
    </message>
    <message>
        <source>Overwrite files that exist in the folder.</source>
        <translation>Im Ordner vorhandene Dateien überschreiben.</translation>
    </message>
    <message>
        <source>Print what would be sent, byte for byte but for the password&apos;s value, which shows as asterisks; send nothing (with --only-changed the devices are read).</source>
        <translation>Ausgeben, was gesendet würde, Byte für Byte bis auf den Wert des Passworts, der als Sternchen erscheint; nichts senden (mit --only-changed werden die Geräte ausgelesen).</translation>
    </message>
    <message>
        <source>Send only the settings that differ on the device.</source>
        <translation>Nur die Einstellungen senden, die auf dem Gerät abweichen.</translation>
    </message>
    <message>
        <source>As in the usage line above.</source>
        <translation>Wie in der Aufrufzeile oben.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no command; &quot;tolvoctl --help&quot; lists them.</source>
        <translation>„%1“ ist kein Befehl; &quot;tolvoctl --help&quot; listet die Befehle auf.</translation>
    </message>
    <message>
        <source>--%1 takes a whole number from %2 to %3.</source>
        <translation>--%1 erwartet eine ganze Zahl von %2 bis %3.</translation>
    </message>
    <message>
        <source>No device address given (there is no default): give ADDRESS or --hosts FILE.</source>
        <translation>Keine Geräteadresse angegeben (es gibt keine Standardadresse): ADDRESS oder --hosts FILE angeben.</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>Standardeingabe</translation>
    </message>
    <message>
        <source>%1 is not valid; nothing was sent.</source>
        <translation>%1 ist ungültig; es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither an address nor a setting&apos;s key.</source>
        <translation>„%1“ ist weder eine Adresse noch der Schlüssel einer Einstellung.</translation>
    </message>
    <message>
        <source>backup needs -o PATH.</source>
        <translation>backup benötigt -o PATH.</translation>
    </message>
    <message>
        <source>Cannot make the folder %1.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>check takes one FILE.</source>
        <translation>check erwartet genau ein Argument FILE.</translation>
    </message>
    <message>
        <source>diff takes ADDRESS and FILE, or two FILEs (a FILE may be SERIAL@VERSION).</source>
        <translation>diff erwartet ADDRESS und FILE oder zweimal FILE (FILE kann SERIAL@VERSION sein).</translation>
    </message>
    <message>
        <source>diff compares one device with a file.</source>
        <translation>diff vergleicht genau ein Gerät mit einer Datei.</translation>
    </message>
    <message>
        <source>restore takes ADDRESS... and FILE.</source>
        <translation>restore erwartet ADDRESS... und FILE.</translation>
    </message>
    <message>
        <source>set takes ADDRESS... and KEY=VALUE....</source>
        <translation>set erwartet ADDRESS... und KEY=VALUE....</translation>
    </message>
    <message>
        <source>%1 Nothing was sent.</source>
        <translation>%1 Es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>scan takes RANGE....</source>
        <translation>scan erwartet RANGE....</translation>
    </message>
    <message>
        <source>%1: value &quot;%2&quot; breaks the rule; %3</source>
        <translation>%1: Wert „%2“ verstößt gegen die Regel; %3</translation>
    </message>
    <message>
        <source>%1 of %2 devices</source>
        <translation>%1 von %2 Geräten</translation>
    </message>
    <message>
        <source>1 setting</source>
        <translation>1 Einstellung</translation>
    </message>
    <message>
        <source>%1 settings</source>
        <translation>%1 Einstellungen</translation>
    </message>
    <message>
        <source>%1 of %2 devices succeeded.</source>
        <translation>%1 von %2 Geräten erfolgreich.</translation>
    </message>
    <message>
        <source>%1 of %2 devices read.</source>
        <translation>%1 von %2 Geräten ausgelesen.</translation>
    </message>
    <message>
        <source>another device has the serial number &quot;%1&quot;; %2 was not written</source>
        <translation>ein anderes Gerät hat die Seriennummer „%1“; %2 wurde nicht geschrieben</translation>
    </message>
    <message>
        <source>%1 exists; not overwritten (--force overwrites)</source>
        <translation>%1 existiert; nicht überschrieben (--force überschreibt)</translation>
    </message>
    <message>
        <source>%1 holds the backup of another device (serial number &quot;%2&quot;); not overwritten</source>
        <translation>%1 enthält die Sicherung eines anderen Geräts (Seriennummer „%2“); nicht überschrieben</translation>
    </message>
    <message>
        <source>saved %1 to %2</source>
        <translation>%1 in %2 gespeichert</translation>
    </message>
    <message>
        <source>%1: valid, %2 settings.</source>
        <translation>%1: gültig, %2 Einstellungen.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; in %3, &quot;%4&quot; in %5</source>
        <translation>%1: „%2“ in %3, „%4“ in %5</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; in %3, not in %4</source>
        <translation>%1: „%2“ in %3, nicht in %4</translation>
    </message>
    <message>
        <source>%1: not in %2, &quot;%3&quot; in %4</source>
        <translation>%1: nicht in %2, „%3“ in %4</translation>
    </message>
    <message>
        <source>A history needs the git program, and none was found.</source>
        <translation>Ein Verlauf benötigt das Programm git, es wurde aber keines gefunden.</translation>
    </message>
    <message>
        <source>git %1 failed: %2</source>
        <translation>git %1 fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>exit status %1</source>
        <translation>Exit-Status %1</translation>
    </message>
    <message>
        <source>git %1 gave output that could not be read, for %2.</source>
        <translation>git %1 lieferte für %2 eine Ausgabe, die nicht gelesen werden konnte.</translation>
    </message>
    <message>
        <source>git %1 did not finish within %2 seconds.</source>
        <translation>git %1 wurde nicht innerhalb von %2 Sekunden beendet.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no version of %2: give a commit, or HEAD~1 and the like.</source>
        <translation>„%1“ ist keine Version von %2: einen Commit, HEAD~1 o. Ä. angeben.</translation>
    </message>
    <message>
        <source>Cannot make the lock file %1.</source>
        <translation>Die Sperrdatei %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>process %1 on %2</source>
        <translation>Prozess %1 auf %2</translation>
    </message>
    <message>
        <source>%1 is in use by another backup (%2); nothing was read or written.</source>
        <translation>%1 wird von einer anderen Sicherung verwendet (%2); es wurde nichts gelesen oder geschrieben.</translation>
    </message>
    <message>
        <source>%1 is in use by another backup; waiting for it to end (at most %2 minutes).</source>
        <translation>%1 wird von einer anderen Sicherung verwendet; warte auf deren Ende (höchstens %2 Minuten).</translation>
    </message>
    <message>
        <source>History: the files already in the folder, committed first as %1.</source>
        <translation>Verlauf: Die bereits im Ordner vorhandenen Dateien wurden zuerst als Commit %1 erfasst.</translation>
    </message>
    <message>
        <source>History: commit %1 (%2).</source>
        <translation>Verlauf: Commit %1 (%2).</translation>
    </message>
    <message>
        <source>History: nothing changed, no commit.</source>
        <translation>Verlauf: nichts geändert, kein Commit.</translation>
    </message>
    <message>
        <source>new</source>
        <translation>neu</translation>
    </message>
    <message>
        <source>history takes DIR and SERIAL.</source>
        <translation>history erwartet DIR und SERIAL.</translation>
    </message>
    <message>
        <source>%1 has no versions of %2.</source>
        <translation>%1 enthält keine Versionen von %2.</translation>
    </message>
    <message>
        <source>%1: device &quot;%2&quot;, file &quot;%3&quot;</source>
        <translation>%1: Gerät „%2“, Datei „%3“</translation>
    </message>
    <message>
        <source>%1 differs</source>
        <translation>%1 weicht ab</translation>
    </message>
    <message>
        <source>%1 differ</source>
        <translation>%1 weichen ab</translation>
    </message>
    <message>
        <source>would send</source>
        <translation>würde senden</translation>
    </message>
    <message>
        <source>nothing sent (dry run)</source>
        <translation>nichts gesendet (Probelauf)</translation>
    </message>
    <message>
        <source>%1 sent, all kept</source>
        <translation>%1 gesendet, alle übernommen</translation>
    </message>
    <message>
        <source>nothing differs, nothing sent</source>
        <translation>keine Abweichung, nichts gesendet</translation>
    </message>
    <message>
        <source>%1 sent; NOT KEPT: %2</source>
        <translation>%1 gesendet; NICHT ÜBERNOMMEN: %2</translation>
    </message>
    <message>
        <source>ADDRESS</source>
        <translation>ADRESSE</translation>
    </message>
    <message>
        <source>SERIAL NUMBER</source>
        <translation>SERIENNUMMER</translation>
    </message>
    <message>
        <source>FIRMWARE</source>
        <translation>FIRMWARE</translation>
    </message>
    <message>
        <source>%1 of %2 addresses answered.</source>
        <translation>%1 von %2 Adressen haben geantwortet.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no IPv4 address (four numbers from 0 to 255 joined by dots).</source>
        <translation>„%1“ ist keine IPv4-Adresse (vier Zahlen von 0 bis 255, durch Punkte getrennt).</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: a prefix length is 0 to 32.</source>
        <translation>„%1“: Eine Präfixlänge liegt zwischen 0 und 32.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the last address comes before the first.</source>
        <translation>„%1“: Die letzte Adresse liegt vor der ersten.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no range: give A.B.C.D/N or FIRST-LAST.</source>
        <translation>„%1“ ist kein Bereich: A.B.C.D/N oder FIRST-LAST angeben.</translation>
    </message>
    <message>
        <source>A scan takes at most %1 addresses in all.</source>
        <translation>Ein Scan umfasst insgesamt höchstens %1 Adressen.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation>%1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>%1 kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, Zeile %2: %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no setting: give KEY=VALUE.</source>
        <translation>„%1“ ist keine Einstellung: KEY=VALUE angeben.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no setting that can be written.</source>
        <translation>„%1“ ist keine beschreibbare Einstellung.</translation>
    </message>
    <message>
        <source>%1: value &quot;%2&quot; is not valid; %3.</source>
        <translation>%1: Wert „%2“ ist ungültig; %3.</translation>
    </message>
    <message>
        <source>Not JSON: %1 at byte %2.</source>
        <translation>Kein JSON: %1 bei Byte %2.</translation>
    </message>
    <message>
        <source>Not a settings file: the top level is no JSON object.</source>
        <translation>Keine Einstellungsdatei: Die oberste Ebene ist kein JSON-Objekt.</translation>
    </message>
    <message>
        <source>Not a settings file of format &quot;%1&quot;, version %2.</source>
        <translation>Keine Einstellungsdatei im Format &quot;%1&quot;, Version %2.</translation>
    </message>
    <message>
        <source>The file has no &quot;settings&quot; object.</source>
        <translation>Die Datei enthält kein Objekt &quot;settings&quot;.</translation>
    </message>
    <message>
        <source>%1: no setting of that name can be written.</source>
        <translation>%1: Es gibt keine beschreibbare Einstellung dieses Namens.</translation>
    </message>
    <message>
        <source>%1: the value must be a JSON string.</source>
        <translation>%1: Der Wert muss ein JSON-String sein.</translation>
    </message>
    <message>
        <source>allowed: %1</source>
        <translation>zulässig: %1</translation>
    </message>
    <message>
        <source>an IPv4 address: four numbers from 0 to 255 joined by dots</source>
        <translation>eine IPv4-Adresse: vier Zahlen von 0 bis 255, durch Punkte getrennt</translation>
    </message>
    <message>
        <source>a whole number from %1 to %2</source>
        <translation>eine ganze Zahl von %1 bis %2</translation>
    </message>
    <message>
        <source>one of %1</source>
        <translation>einer der Werte %1</translation>
    </message>
    <message>
        <source>text of at most %1 Latin-1 characters, without line breaks or zero characters</source>
        <translation>Text aus höchstens %1 Latin-1-Zeichen, ohne Zeilenumbrüche und Nullzeichen</translation>
    </message>
    <message>
        <source>connecting</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>reading</source>
        <translation>Lesen</translation>
    </message>
    <message>
        <source>sending</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>failed while %1: %2</source>
        <translation>Fehler beim %1: %2</translation>
    </message>
    <message>
        <source>no connection could be made</source>
        <translation>keine Verbindung möglich</translation>
    </message>
    <message>
        <source>the device did not answer in time</source>
        <translation>das Gerät hat nicht rechtzeitig geantwortet</translation>
    </message>
    <message>
        <source>the device closed the connection</source>
        <translation>das Gerät hat die Verbindung geschlossen</translation>
    </message>
    <message>
        <source>a reply was longer than %1 bytes</source>
        <translation>eine Antwort war länger als %1 Bytes</translation>
    </message>
    <message>
        <source>a command would be longer than %1 bytes</source>
        <translation>ein Befehl wäre länger als %1 Bytes</translation>
    </message>
    <message>
        <source>sending to the device failed</source>
        <translation>das Senden an das Gerät ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>abgebrochen</translation>
    </message>
    <message>
        <source>the device sent more reply lines than it was asked for; its replies cannot be matched to the settings</source>
        <translation>das Gerät hat mehr Antwortzeilen gesendet als angefragt; seine Antworten lassen sich den Einstellungen nicht zuordnen</translation>
    </message>
    <message>
        <source>%1: sent &quot;%2&quot;, the device holds &quot;%3&quot;</source>
        <translation>%1: „%2“ gesendet, im Gerät steht „%3“</translation>
    </message>
    <message>
        <source>%1 (the apply command was not answered)</source>
        <translation>%1 (der Aktivierungsbefehl wurde nicht beantwortet)</translation>
    </message>
    <message>
        <source>Exit status: 0 success; 1 differences found or a read-back did not match; 2 a malformed argument or file (nothing is sent); 3 a device could not be read or written, or a file or the output could not be written.</source>
        <translation>Exit-Status: 0 Erfolg; 1 Abweichungen gefunden oder ein zurückgelesener Wert stimmte nicht überein; 2 fehlerhaftes Argument oder fehlerhafte Datei (es wird nichts gesendet); 3 ein Gerät konnte nicht gelesen oder beschrieben werden, oder eine Datei oder die Ausgabe konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>Standardausgabe</translation>
    </message>
    <message>
        <source>History: nothing changed in the files written, no commit.</source>
        <translation>Verlauf: In den geschriebenen Dateien hat sich nichts geändert, kein Commit.</translation>
    </message>
    <message>
        <source>Send values that are a device&apos;s error reply (&quot;ERROR&quot; alone or followed by a blank, as a device answers a key it does not know), which restore refuses otherwise: a backup of a device that lacked a setting holds one.</source>
        <translation>Werte senden, die eine Fehlerantwort eines Geräts sind (&quot;ERROR&quot; allein oder gefolgt von einem Leerzeichen, so antwortet ein Gerät auf einen unbekannten Schlüssel), die restore sonst verweigert: Die Sicherung eines Geräts, dem eine Einstellung fehlte, enthält eine solche.</translation>
    </message>
    <message>
        <source>%1 The file holds it as the device sent it; restore sends it only with --send-error-replies.</source>
        <translation>%1 Die Datei enthält ihn so, wie das Gerät ihn gesendet hat; restore sendet ihn nur mit --send-error-replies.</translation>
    </message>
    <message>
        <source>%1 A restore sends it only with --send-error-replies.</source>
        <translation>%1 Ein restore sendet ihn nur mit --send-error-replies.</translation>
    </message>
    <message>
        <source>%1 It is sent only with --send-error-replies.</source>
        <translation>%1 Er wird nur mit --send-error-replies gesendet.</translation>
    </message>
    <message>
        <source>%1 holds a device&apos;s error reply as a value; nothing was sent.</source>
        <translation>%1 enthält eine Fehlerantwort eines Geräts als Wert; es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>%1: value &quot;%2&quot; holds a line break or a zero byte, which would end the command early and send the rest as a command of its own; no value may hold one.</source>
        <translation>%1: Wert „%2“ enthält einen Zeilenumbruch oder ein Nullbyte, wodurch der Befehl vorzeitig enden und der Rest als eigener Befehl gesendet würde; kein Wert darf so etwas enthalten.</translation>
    </message>
    <message>
        <source>%1: value &quot;%2&quot; is the error reply a device gives for a key it does not know, not a setting.</source>
        <translation>%1: Wert „%2“ ist die Fehlerantwort, die ein Gerät auf einen unbekannten Schlüssel gibt, keine Einstellung.</translation>
    </message>
    <message>
        <source>Devices talked to at once (default 16; scan: 64), up to 1000; fewer where this computer&apos;s limit on open files (ulimit -n) leaves room for fewer.</source>
        <translation>Anzahl gleichzeitig angesprochener Geräte (Standard 16; scan: 64), bis zu 1000; weniger, wenn die Grenze dieses Computers für offene Dateien (ulimit -n) nur weniger zulässt.</translation>
    </message>
    <message>
        <source>Also the addresses in FILE, one a line; # starts a comment. At most 4096 devices in all, and a FILE of at most 1 MiB.</source>
        <translation>Zusätzlich die Adressen in FILE, eine pro Zeile; # leitet einen Kommentar ein. Insgesamt höchstens 4096 Geräte, und FILE darf höchstens 1 MiB groß sein.</translation>
    </message>
    <message>
        <source>%1 The run stopped: %2 of %3 devices were not tried, and nothing was sent to them.</source>
        <translation>%1 Der Lauf wurde abgebrochen: %2 von %3 Geräten wurden nicht angesprochen, und an sie wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>%1 The scan stopped: %2 of %3 addresses were not tried.</source>
        <translation>%1 Der Scan wurde abgebrochen: %2 von %3 Adressen wurden nicht abgefragt.</translation>
    </message>
    <message>
        <source>This computer could not open another connection: it has too many files and connections open.</source>
        <translation>Dieser Computer konnte keine weitere Verbindung öffnen: Er hat zu viele Dateien und Verbindungen offen.</translation>
    </message>
    <message>
        <source>A program may hold %1 open at once here (ulimit -n).</source>
        <translation>Ein Programm darf hier höchstens %1 gleichzeitig offen halten (ulimit -n).</translation>
    </message>
    <message>
        <source>Not tried: nothing was sent to it.</source>
        <translation>Nicht angesprochen: Es wurde nichts an das Gerät gesendet.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 KiB, which no settings file is (one of every setting is about 1 KiB).</source>
        <translation>%1 ist größer als %2 KiB; so groß ist keine Einstellungsdatei (eine mit allen Einstellungen hat etwa 1 KiB).</translation>
    </message>
    <message>
        <source>%1 is larger than %2 KiB, which no list of at most %3 addresses needs to be.</source>
        <translation>%1 ist größer als %2 KiB; so groß muss keine Liste mit höchstens %3 Adressen sein.</translation>
    </message>
    <message>
        <source>At most %1 devices are taken at a time; split the list of addresses.</source>
        <translation>Es werden höchstens %1 Geräte auf einmal verarbeitet; die Adressliste aufteilen.</translation>
    </message>
    <message>
        <source>%1 sent and kept</source>
        <translation>%1 gesendet und übernommen</translation>
    </message>
    <message>
        <source>%1; BUT SETTINGS THAT WERE NOT SENT READ OTHERWISE AFTER THE APPLY (any apply commits a value that an earlier, interrupted write left pending on the device): %2</source>
        <translation>%1; ABER NICHT GESENDETE EINSTELLUNGEN HATTEN NACH DEM AKTIVIEREN ANDERE WERTE (jedes Aktivieren macht einen Wert wirksam, den ein früherer, unterbrochener Schreibvorgang ausstehend auf dem Gerät hinterlassen hat): %2</translation>
    </message>
    <message>
        <source>%1: not sent, but read as &quot;%2&quot; before the apply and &quot;%3&quot; after it</source>
        <translation>%1: nicht gesendet, aber vor dem Aktivieren als „%2“ und danach als „%3“ gelesen</translation>
    </message>
    <message>
        <source>%1; settings had been sent without the apply command: the device may hold them pending, and its next apply, of any write, commits them</source>
        <translation>%1; es wurden Einstellungen ohne den Aktivierungsbefehl gesendet: Sie können auf dem Gerät ausstehend sein, und das nächste Aktivieren, gleich durch welchen Schreibvorgang, macht sie wirksam</translation>
    </message>
    <message>
        <source>%1 after the settings and the apply command were sent: the device may have applied them, and any value an earlier write left pending on it; read it to see what it holds</source>
        <translation>%1, nachdem die Einstellungen und der Aktivierungsbefehl gesendet wurden: Das Gerät hat sie möglicherweise aktiviert, ebenso jeden Wert, den ein früherer Schreibvorgang ausstehend hinterlassen hat; das Gerät auslesen, um zu sehen, was darin steht</translation>
    </message>
    <message>
        <source>Usage: tolvoctl COMMAND [options] ...

Commands:
%1
&quot;tolvoctl COMMAND --help&quot; describes a command. Every command that takes ADDRESS takes several, or --hosts FILE; there is no default address. restore and set give many devices each its own static address with an address plan: --plan FILE (a line for each device, its serial number or current address, then its new address) or --plan-first A.B.C.D/N (counted upward in the order of the devices); a plan with one address for several devices, the network or broadcast address, an address outside the subnet, a device or line that does not match, or an address where another device already answers (a device switched off cannot be seen) is refused with exit status 2, and nothing is sent.

%2
</source>
        <translation>Aufruf: tolvoctl COMMAND [Optionen] ...

Befehle:
%1
&quot;tolvoctl COMMAND --help&quot; beschreibt einen Befehl. Jeder Befehl, der ADDRESS erwartet, nimmt auch mehrere Adressen oder --hosts FILE; eine Standardadresse gibt es nicht. restore und set geben vielen Geräten mit einem Adressplan jeweils eine eigene statische Adresse: --plan FILE (eine Zeile je Gerät: seine Seriennummer oder aktuelle Adresse, dann seine neue Adresse) oder --plan-first A.B.C.D/N (aufwärts gezählt in der Reihenfolge der Geräte); ein Plan mit einer Adresse für mehrere Geräte, mit der Netz- oder Broadcast-Adresse, mit einer Adresse außerhalb des Subnetzes, einem Gerät oder einer Zeile ohne Gegenstück oder einer Adresse, unter der bereits ein anderes Gerät antwortet (ein ausgeschaltetes Gerät ist nicht zu sehen), wird mit Exit-Status 2 abgelehnt, und es wird nichts gesendet.

%2
</translation>
    </message>
    <message>
        <source>Bound on the wait for a device that the settings sent move (a new address, DHCP, another network) to answer again, in ms (default 60000).</source>
        <translation>Obergrenze für das Warten, bis ein Gerät, das durch die gesendeten Einstellungen umzieht (neue Adresse, DHCP, anderes Netzwerk), wieder antwortet, in ms (Standard 60000).</translation>
    </message>
    <message>
        <source>An address plan for the devices: a line for each, its serial number or current address, then its new address (# starts a comment). Each gets its own IPADDRESS, the IPMASK sent and DHCP 0; the plan is checked before anything is sent.</source>
        <translation>Ein Adressplan für die Geräte: eine Zeile je Gerät, seine Seriennummer oder aktuelle Adresse, dann seine neue Adresse (# leitet einen Kommentar ein). Jedes erhält seine eigene IPADDRESS, die gesendete IPMASK und DHCP 0; der Plan wird geprüft, bevor etwas gesendet wird.</translation>
    </message>
    <message>
        <source>An address plan counted upward from A.B.C.D in the order of the devices, with the mask of prefix length N: each gets its own IPADDRESS, that IPMASK and DHCP 0; checked before anything is sent.</source>
        <translation>Ein Adressplan, aufwärts gezählt ab A.B.C.D in der Reihenfolge der Geräte, mit der Subnetzmaske der Präfixlänge N: Jedes Gerät erhält seine eigene IPADDRESS, diese IPMASK und DHCP 0; wird geprüft, bevor etwas gesendet wird.</translation>
    </message>
    <message>
        <source>Give --plan or --plan-first, not both.</source>
        <translation>--plan oder --plan-first angeben, nicht beides.</translation>
    </message>
    <message>
        <source>--plan needs the mask among the settings sent (IPMASK=...).</source>
        <translation>--plan benötigt die Subnetzmaske unter den gesendeten Einstellungen (IPMASK=...).</translation>
    </message>
    <message>
        <source>looking for the device after the apply</source>
        <translation>Suchen des Geräts nach dem Aktivieren</translation>
    </message>
    <message>
        <source>%1; read back at its new address %2</source>
        <translation>%1; unter seiner neuen Adresse %2 zurückgelesen</translation>
    </message>
    <message>
        <source>the settings and the apply command were sent; they move the device to %1, and it answered neither there nor at %2 within %3 seconds: look for it at %1 (it may still be restarting, or that address is not reachable from this computer)</source>
        <translation>die Einstellungen und der Aktivierungsbefehl wurden gesendet; sie verlegen das Gerät auf %1, und es hat innerhalb von %3 Sekunden weder dort noch unter %2 geantwortet: unter %1 danach suchen (es startet möglicherweise noch neu, oder diese Adresse ist von diesem Computer aus nicht erreichbar)</translation>
    </message>
    <message>
        <source>the settings and the apply command were sent; they turn DHCP on, and the device did not answer at %1 within %2 seconds: its DHCP server chooses its address; find it with a scan of the site&apos;s addresses</source>
        <translation>die Einstellungen und der Aktivierungsbefehl wurden gesendet; sie schalten DHCP ein, und das Gerät hat innerhalb von %2 Sekunden nicht unter %1 geantwortet: Seine Adresse vergibt sein DHCP-Server; das Gerät mit einem Scan der Adressen des Standorts suchen</translation>
    </message>
    <message>
        <source>the settings and the apply command were sent; they join the device to another network (SSID, password or network type), and it did not answer at %1 within %2 seconds: join that network to reach it, then find it with a scan</source>
        <translation>die Einstellungen und der Aktivierungsbefehl wurden gesendet; sie verbinden das Gerät mit einem anderen Netzwerk (SSID, Passwort oder Netzwerktyp), und es hat innerhalb von %2 Sekunden nicht unter %1 geantwortet: mit diesem Netzwerk verbinden, um es zu erreichen, und es dann mit einem Scan suchen</translation>
    </message>
    <message>
        <source>the settings and the apply command were sent; they join the device to another network (SSID, password or network type) at the address %1, and it answered neither there nor at %2 within %3 seconds: join that network to reach it at %1</source>
        <translation>die Einstellungen und der Aktivierungsbefehl wurden gesendet; sie verbinden das Gerät mit einem anderen Netzwerk (SSID, Passwort oder Netzwerktyp) unter der Adresse %1, und es hat innerhalb von %3 Sekunden weder dort noch unter %2 geantwortet: mit diesem Netzwerk verbinden, um es unter %1 zu erreichen</translation>
    </message>
    <message>
        <source>the settings and the apply command were sent; another device (serial number &quot;%1&quot;) answers at %2, where this one was looked for after the apply: it was not read back; look for it with a scan, and give the two devices addresses of their own</source>
        <translation>die Einstellungen und der Aktivierungsbefehl wurden gesendet; unter %2, wo dieses Gerät nach dem Aktivieren gesucht wurde, antwortet ein anderes Gerät (Seriennummer „%1“): Es wurde nicht zurückgelesen; mit einem Scan danach suchen und den beiden Geräten eigene Adressen geben</translation>
    </message>
    <message>
        <source>the settings and the apply command were sent; the device may restart on them, and it did not answer at %1 within %2 seconds</source>
        <translation>die Einstellungen und der Aktivierungsbefehl wurden gesendet; das Gerät startet dadurch möglicherweise neu, und es hat innerhalb von %2 Sekunden nicht unter %1 geantwortet</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 nach %2</translation>
    </message>
    <message>
        <source>%1 (no address)</source>
        <translation>%1 (keine Adresse)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no first address of a plan: give A.B.C.D/N (the prefix length is the mask).</source>
        <translation>„%1“ ist keine Startadresse eines Plans: A.B.C.D/N angeben (die Präfixlänge ergibt die Subnetzmaske).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no line of a plan: give the device&apos;s serial number or current address, then blanks, then its new address.</source>
        <translation>„%1“ ist keine Zeile eines Plans: Seriennummer oder aktuelle Adresse des Geräts angeben, dann Leerzeichen, dann seine neue Adresse.</translation>
    </message>
    <message>
        <source>%1 gives no device an address.</source>
        <translation>%1: Keinem Gerät wird eine Adresse zugewiesen.</translation>
    </message>
    <message>
        <source>%1 is no mask of a subnet (its ones do not come first).</source>
        <translation>%1 ist keine Subnetzmaske (ihre Einsen stehen nicht vorn).</translation>
    </message>
    <message>
        <source>One address for several devices: %1.</source>
        <translation>Eine Adresse für mehrere Geräte: %1.</translation>
    </message>
    <message>
        <source>%1: the network address of the subnet %2, which no device may have.</source>
        <translation>%1: die Netzadresse des Subnetzes %2, die kein Gerät haben darf.</translation>
    </message>
    <message>
        <source>%1: the broadcast address of the subnet %2, which no device may have.</source>
        <translation>%1: die Broadcast-Adresse des Subnetzes %2, die kein Gerät haben darf.</translation>
    </message>
    <message>
        <source>%1: outside the subnet %2 of the mask.</source>
        <translation>%1: außerhalb des durch die Subnetzmaske gegebenen Subnetzes %2.</translation>
    </message>
    <message>
        <source>%1: no line of the plan names this device.</source>
        <translation>%1: Keine Zeile des Plans nennt dieses Gerät.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is none of the devices sent to.</source>
        <translation>„%1“ ist keines der Geräte, an die gesendet wird.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names a device that an earlier line names too.</source>
        <translation>„%1“ nennt ein Gerät, das schon eine frühere Zeile nennt.</translation>
    </message>
    <message>
        <source>%1: another device already answers at this address (a device that is switched off cannot be seen).</source>
        <translation>%1: Unter dieser Adresse antwortet bereits ein anderes Gerät (ein ausgeschaltetes Gerät ist nicht zu sehen).</translation>
    </message>
    <message>
        <source>The address plan is refused; nothing was sent:</source>
        <translation>Der Adressplan wird abgelehnt; es wurde nichts gesendet:</translation>
    </message>
    <message>
        <source>the plan</source>
        <translation>Adressplan</translation>
    </message>
    <message>
        <source>Messages and help are in the language of --lang LANGUAGE (%1), else of LC_ALL, LC_MESSAGES or LANG, else of the system. --json output is always in English, whatever the language.</source>
        <translation>Meldungen und Hilfe erscheinen in der Sprache von --lang LANGUAGE (%1), sonst in der von LC_ALL, LC_MESSAGES oder LANG, sonst in der des Systems. Die Ausgabe von --json ist immer englisch, unabhängig von der Sprache.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no language tolvoctl speaks; it speaks %2.</source>
        <translation>„%1“ ist keine Sprache, die tolvoctl beherrscht; verfügbar sind %2.</translation>
    </message>
    <message>
        <source>--lang needs a language, for instance --lang de.</source>
        <translation>--lang benötigt eine Sprache, z. B. --lang de.</translation>
    </message>
    <message>
        <source>The technician&apos;s note in the record of --record.</source>
        <translation>Die Bemerkung des Technikers im Protokoll von --record.</translation>
    </message>
    <message>
        <source>--note goes into a record: give --record FILE too.</source>
        <translation>--note gehört in ein Protokoll: auch --record FILE angeben.</translation>
    </message>
    <message>
        <source>%1; matches: the device holds every value</source>
        <translation>%1; stimmt überein: Das Gerät enthält alle Werte</translation>
    </message>
    <message>
        <source>%1; differs: %2</source>
        <translation>%1; weicht ab: %2</translation>
    </message>
    <message>
        <source>Record: %1, SHA-256 %2</source>
        <translation>Protokoll: %1, SHA-256 %2</translation>
    </message>
    <message>
        <source>%1 The record was not written; each device&apos;s result stands as reported.</source>
        <translation>%1 Das Protokoll wurde nicht geschrieben; das Ergebnis jedes Geräts gilt wie gemeldet.</translation>
    </message>
    <message>
        <source>the settings and the apply command were sent, but they could not be read back: the device may have applied them; read it to see what it holds</source>
        <translation>die Einstellungen und der Aktivierungsbefehl wurden gesendet, aber sie konnten nicht zurückgelesen werden: Das Gerät hat sie möglicherweise aktiviert; das Gerät auslesen, um zu sehen, was darin steht</translation>
    </message>
    <message>
        <source>Not a commissioning record of format &quot;%1&quot;, version %2.</source>
        <translation>Kein Inbetriebnahmeprotokoll im Format &quot;%1&quot;, Version %2.</translation>
    </message>
    <message>
        <source>The record&apos;s member %1 is missing or of the wrong type.</source>
        <translation>Das Element %1 des Protokolls fehlt oder hat den falschen Typ.</translation>
    </message>
    <message>
        <source>The record&apos;s member %1 holds &quot;%2&quot;, which a record does not.</source>
        <translation>Das Element %1 des Protokolls enthält „%2“, was in einem Protokoll nicht vorkommt.</translation>
    </message>
    <message>
        <source>The record&apos;s member %1 holds a Wi-Fi password&apos;s value, which a record never does (only &quot;********&quot; or nothing).</source>
        <translation>Das Element %1 des Protokolls enthält den Wert eines Wi-Fi-Passworts, was ein Protokoll nie tut (nur &quot;********&quot; oder nichts).</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MiB, which no record is.</source>
        <translation>%1 ist größer als %2 MiB; so groß ist kein Protokoll.</translation>
    </message>
    <message>
        <source>Also writes the run&apos;s commissioning record to FILE: for every device its address, serial number, firmware, every setting as read back (the password as asterisks), whether each was verified and what changed, with the time and the note, as JSON; it prints the file&apos;s SHA-256. With --dry-run of restore the devices are read and compared with the file (a check): each matches or differs, and exit status 1 says that one differs.</source>
        <translation>Schreibt zusätzlich das Inbetriebnahmeprotokoll des Laufs in FILE: für jedes Gerät seine Adresse, Seriennummer, Firmware, jede Einstellung wie zurückgelesen (das Passwort als Sternchen), ob jede verifiziert wurde und was sich geändert hat, mit Zeitpunkt und Bemerkung, als JSON; gibt den SHA-256 der Datei aus. Mit --dry-run von restore werden die Geräte ausgelesen und mit der Datei verglichen (eine Prüfung): Jedes stimmt überein oder weicht ab, und Exit-Status 1 zeigt an, dass eines abweicht.</translation>
    </message>
    <message>
        <source>%1 matching, %2 differing, %3 failed</source>
        <translation>%1 übereinstimmend, %2 abweichend, %3 fehlgeschlagen</translation>
    </message>
    <message>
        <source>it is no regular file (a folder, a device or a pipe)</source>
        <translation>es ist keine reguläre Datei (sondern ein Ordner, eine Gerätedatei oder eine Pipe)</translation>
    </message>
    <message>
        <source>The record&apos;s member %1 is longer than a record&apos;s ever is (at most %2).</source>
        <translation>Das Element %1 des Protokolls ist länger, als es in einem Protokoll je vorkommt (höchstens %2).</translation>
    </message>
    <message>
        <source>%1 is also a file this command reads or writes: a record needs a file of its own.</source>
        <translation>%1 ist auch eine Datei, die dieser Befehl liest oder schreibt: Ein Protokoll braucht eine eigene Datei.</translation>
    </message>
    <message>
        <source>%1 exists and is no commissioning record: a record replaces only an earlier record.</source>
        <translation>%1 existiert und ist kein Inbetriebnahmeprotokoll: Ein Protokoll ersetzt nur ein früheres Protokoll.</translation>
    </message>
</context>
</TS>
