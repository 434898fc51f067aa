<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Strings</name>
    <message>
        <source>&amp;About TolvoConfig...</source>
        <translation>Ü&amp;ber TolvoConfig...</translation>
    </message>
    <message>
        <source>Windows sockets initialization failed.</source>
        <translation>Die Initialisierung der Windows Sockets ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Info / DSC Parameters</source>
        <translation>Info / DSC-Parameter</translation>
    </message>
    <message>
        <source>WiFi Settings</source>
        <translation>WiFi-Einstellungen</translation>
    </message>
    <message>
        <source>Port Settings</source>
        <translation>Port-Einstellungen</translation>
    </message>
    <message>
        <source>Port Routing</source>
        <translation>Port-Routing</translation>
    </message>
    <message>
        <source>%1 - version: %2</source>
        <translation>%1 - Version: %2</translation>
    </message>
    <message>
        <source>Discard the changes that have not been saved to the device?</source>
        <translation>Die noch nicht im Gerät gespeicherten Änderungen verwerfen?</translation>
    </message>
    <message>
        <source>Unsaved Changes</source>
        <translation>Ungespeicherte Änderungen</translation>
    </message>
    <message>
        <source>Reading the settings from %1</source>
        <translation>Einstellungen werden von %1 gelesen</translation>
    </message>
    <message>
        <source>Nothing was loaded: the pages still show what they showed before.</source>
        <translation>Es wurde nichts geladen: Die Seiten zeigen weiterhin den bisherigen Inhalt.</translation>
    </message>
    <message>
        <source>Load Failed</source>
        <translation>Laden fehlgeschlagen</translation>
    </message>
    <message>
        <source>Current configuration has been loaded from Tolvo.</source>
        <translation>Die aktuelle Konfiguration wurde vom Tolvo geladen.</translation>
    </message>
    <message>
        <source>Success!</source>
        <translation>Erfolgreich!</translation>
    </message>
    <message>
        <source>Some values cannot be shown exactly as the device holds them. Their fields are marked, and a save leaves them as the device holds them unless you edit them:
%1</source>
        <translation>Einige Werte lassen sich nicht genau so anzeigen, wie sie im Gerät stehen. Ihre Felder sind markiert, und beim Speichern bleiben diese Werte im Gerät unverändert, sofern Sie sie nicht bearbeiten:
%1</translation>
    </message>
    <message>
        <source>%1: the device holds &quot;%2&quot;</source>
        <translation>%1: im Gerät steht „%2“</translation>
    </message>
    <message>
        <source>Changed since the last load or save.</source>
        <translation>Geändert seit dem letzten Laden oder Speichern.</translation>
    </message>
    <message>
        <source>The device holds &quot;%1&quot;; shown here as near as this field can.</source>
        <translation>Im Gerät steht „%1“; hier so genau angezeigt, wie dieses Feld es erlaubt.</translation>
    </message>
    <message>
        <source>Current configuration has been saved to Tolvo.</source>
        <translation>Die aktuelle Konfiguration wurde im Tolvo gespeichert.</translation>
    </message>
    <message>
        <source>Not sent, the device&apos;s value matches no item: %1.</source>
        <translation>Nicht gesendet, da der Wert des Geräts keinem Listeneintrag entspricht: %1.</translation>
    </message>
    <message>
        <source>Load the configuration from the device first.

Until a load has succeeded the pages hold blank values, and saving them would overwrite the device&apos;s settings.</source>
        <translation>Laden Sie zuerst die Konfiguration vom Gerät.

Solange kein Laden gelungen ist, enthalten die Seiten leere Werte, und deren Speichern würde die Einstellungen des Geräts überschreiben.</translation>
    </message>
    <message>
        <source>Save Configuration</source>
        <translation>Konfiguration speichern</translation>
    </message>
    <message>
        <source>A text setting cannot be stored on the device. Nothing was sent.</source>
        <translation>Eine Texteinstellung kann im Gerät nicht gespeichert werden. Es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>Speichern fehlgeschlagen</translation>
    </message>
    <message>
        <source>Sending the settings to %1</source>
        <translation>Einstellungen werden an %1 gesendet</translation>
    </message>
    <message>
        <source>All settings were sent, but the device did not confirm that it applied them (it may have restarted).

Load the configuration to see what the device holds.</source>
        <translation>Alle Einstellungen wurden gesendet, aber das Gerät hat nicht bestätigt, dass es sie aktiviert hat (möglicherweise wurde es neu gestartet).

Laden Sie die Konfiguration, um zu sehen, was im Gerät steht.</translation>
    </message>
    <message>
        <source>Save Not Confirmed</source>
        <translation>Speichern nicht bestätigt</translation>
    </message>
    <message>
        <source>Saving was cancelled. Some settings may have reached the device, but the apply command was not sent, so the device has not applied them.</source>
        <translation>Das Speichern wurde abgebrochen. Einige Einstellungen haben das Gerät möglicherweise erreicht, aber der Aktivierungsbefehl wurde nicht gesendet, daher hat das Gerät sie nicht aktiviert.</translation>
    </message>
    <message>
        <source>Saving was cancelled before anything was sent: the device keeps its settings.</source>
        <translation>Das Speichern wurde abgebrochen, bevor etwas gesendet wurde: Das Gerät behält seine Einstellungen.</translation>
    </message>
    <message>
        <source>Save Cancelled</source>
        <translation>Speichern abgebrochen</translation>
    </message>
    <message>
        <source>Nothing was sent: the device keeps its settings.</source>
        <translation>Es wurde nichts gesendet: Das Gerät behält seine Einstellungen.</translation>
    </message>
    <message>
        <source>Saving stopped before the device confirmed every setting. The apply command was not sent, so the device has not applied the new settings.</source>
        <translation>Das Speichern wurde beendet, bevor das Gerät jede Einstellung bestätigt hatte. Der Aktivierungsbefehl wurde nicht gesendet, daher hat das Gerät die neuen Einstellungen nicht aktiviert.</translation>
    </message>
    <message>
        <source>The settings were loaded from %1. Send them to %2?</source>
        <translation>Die Einstellungen wurden von %1 geladen. An %2 senden?</translation>
    </message>
    <message>
        <source>The device applied the settings, but reading them back gave other values for: %1.

Load the configuration to see what the device holds.</source>
        <translation>Das Gerät hat die Einstellungen aktiviert, aber beim Zurücklesen ergaben sich andere Werte für: %1.

Laden Sie die Konfiguration, um zu sehen, was im Gerät steht.</translation>
    </message>
    <message>
        <source>The device confirmed that it applied the settings, but they could not be read back to check them (it may have restarted).

Load the configuration to see what the device holds.</source>
        <translation>Das Gerät hat bestätigt, dass es die Einstellungen aktiviert hat, aber sie konnten zur Prüfung nicht zurückgelesen werden (möglicherweise wurde es neu gestartet).

Laden Sie die Konfiguration, um zu sehen, was im Gerät steht.</translation>
    </message>
    <message>
        <source>Not sent, the device keeps the value it holds: %1.</source>
        <translation>Nicht gesendet, das Gerät behält seinen bisherigen Wert: %1.</translation>
    </message>
    <message>
        <source>Changed: %1.</source>
        <translation>Geändert: %1.</translation>
    </message>
    <message>
        <source>No setting changed on the device.</source>
        <translation>Im Gerät hat sich keine Einstellung geändert.</translation>
    </message>
    <message>
        <source>Could not connecto to Tolvo.</source>
        <translation>Verbindung zum Tolvo nicht möglich.</translation>
    </message>
    <message>
        <source>Connection Error</source>
        <translation>Verbindungsfehler</translation>
    </message>
    <message>
        <source>Sending to the device failed.</source>
        <translation>Das Senden an das Gerät ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The device&apos;s address could not be found.</source>
        <translation>Die Adresse des Geräts wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The device&apos;s address has no data record.</source>
        <translation>Zur Adresse des Geräts gibt es keinen Datensatz.</translation>
    </message>
    <message>
        <source>The connection to the device failed: %1.</source>
        <translation>Die Verbindung zum Gerät ist fehlgeschlagen: %1.</translation>
    </message>
    <message>
        <source>The device did not answer within %1 seconds.</source>
        <translation>Das Gerät hat nicht innerhalb von %1 Sekunden geantwortet.</translation>
    </message>
    <message>
        <source>The device closed the connection.</source>
        <translation>Das Gerät hat die Verbindung geschlossen.</translation>
    </message>
    <message>
        <source>The device sent a reply longer than %1 bytes.</source>
        <translation>Das Gerät hat eine Antwort gesendet, die länger als %1 Bytes ist.</translation>
    </message>
    <message>
        <source>A setting is too long to send: a command may hold at most %1 bytes.</source>
        <translation>Eine Einstellung ist zu lang zum Senden: Ein Befehl darf höchstens %1 Bytes lang sein.</translation>
    </message>
    <message>
        <source>No connection to the device could be made.</source>
        <translation>Es konnte keine Verbindung zum Gerät hergestellt werden.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Abgebrochen.</translation>
    </message>
    <message>
        <source>Unknown result %1.</source>
        <translation>Unbekanntes Ergebnis %1.</translation>
    </message>
    <message>
        <source>The device sent more reply lines than it was asked for, so its replies cannot be matched to the settings.</source>
        <translation>Das Gerät hat mehr Antwortzeilen gesendet als angefragt, daher lassen sich seine Antworten den Einstellungen nicht zuordnen.</translation>
    </message>
    <message>
        <source>The device name</source>
        <translation>Der Gerätename</translation>
    </message>
    <message>
        <source>The SSID</source>
        <translation>Die SSID</translation>
    </message>
    <message>
        <source>The password</source>
        <translation>Das Passwort</translation>
    </message>
    <message>
        <source>%1 can hold at most %2 characters; this one has %3.</source>
        <translation>%1 darf höchstens %2 Zeichen lang sein; eingegeben sind %3.</translation>
    </message>
    <message>
        <source>%1 can hold only Latin-1 characters (U+0000 to U+00FF).</source>
        <translation>%1 darf nur Latin-1-Zeichen enthalten (U+0000 bis U+00FF).</translation>
    </message>
    <message>
        <source>%1 cannot hold line breaks or zero characters.</source>
        <translation>%1 darf keine Zeilenumbrüche oder Nullzeichen enthalten.</translation>
    </message>
    <message>
        <source>Please enter a whole number.</source>
        <translation>Bitte geben Sie eine ganze Zahl ein.</translation>
    </message>
    <message>
        <source>Please enter a whole number between %1 and %2.</source>
        <translation>Bitte geben Sie eine ganze Zahl zwischen %1 und %2 ein.</translation>
    </message>
    <message>
        <source>Choose the %1 from the list: %2.</source>
        <translation>Wählen Sie für %1 einen Eintrag aus der Liste: %2.</translation>
    </message>
    <message>
        <source>%1 is not a valid entry. Please specify a value between 0 and 255.</source>
        <translation>%1 ist kein gültiger Eintrag. Bitte geben Sie einen Wert zwischen 0 und 255 an.</translation>
    </message>
    <message>
        <source>%1, part %2 of 4</source>
        <translation>%1, Teil %2 von 4</translation>
    </message>
    <message>
        <source>%1
%2 of %3</source>
        <translation>%1
%2 von %3</translation>
    </message>
    <message>
        <source>Find Devices</source>
        <translation>Geräte suchen</translation>
    </message>
    <message>
        <source>&amp;Addresses:</source>
        <translation>&amp;Adressen:</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>Ca&amp;ncel</source>
        <translation>Abbre&amp;chen</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Firmware-Version</translation>
    </message>
    <message>
        <source>Trying %1 addresses: %2 done, %3 found.</source>
        <translation>%1 Adressen werden geprüft: %2 erledigt, %3 gefunden.</translation>
    </message>
    <message>
        <source>%1 found among %2 addresses. Double-click a device, or select it and press Enter, to use its address.</source>
        <translation>%1 unter %2 Adressen gefunden. Doppelklicken Sie auf ein Gerät oder markieren Sie es und drücken Sie die Eingabetaste, um seine Adresse zu verwenden.</translation>
    </message>
    <message>
        <source>The search was stopped: %1 found among the %2 addresses tried.</source>
        <translation>Die Suche wurde angehalten: %1 unter den %2 geprüften Adressen gefunden.</translation>
    </message>
    <message>
        <source>No network of this computer was found. Type a range such as 192.168.1.1-192.168.1.254 or 192.168.1.0/24.</source>
        <translation>Es wurde kein Netzwerk dieses Computers gefunden. Geben Sie einen Bereich ein, z. B. 192.168.1.1-192.168.1.254 oder 192.168.1.0/24.</translation>
    </message>
    <message>
        <source>Type a range to search, such as 192.168.1.1-192.168.1.254 or 192.168.1.0/24.</source>
        <translation>Geben Sie einen zu durchsuchenden Bereich ein, z. B. 192.168.1.1-192.168.1.254 oder 192.168.1.0/24.</translation>
    </message>
    <message>
        <source>Ranges to search: FIRST-LAST or A.B.C.D/N, several separated by commas</source>
        <translation>Zu durchsuchende Bereiche: FIRST-LAST oder A.B.C.D/N, mehrere durch Kommas getrennt</translation>
    </message>
    <message>
        <source>Devices found</source>
        <translation>Gefundene Geräte</translation>
    </message>
    <message>
        <source>Find devices on the network</source>
        <translation>Geräte im Netzwerk suchen</translation>
    </message>
    <message>
        <source>Import settings from a file</source>
        <translation>Einstellungen aus einer Datei importieren</translation>
    </message>
    <message>
        <source>Export settings to a file</source>
        <translation>Einstellungen in eine Datei exportieren</translation>
    </message>
    <message>
        <source>Settings files (*.json);;All files (*)</source>
        <translation>Einstellungsdateien (*.json);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Export Settings</source>
        <translation>Einstellungen exportieren</translation>
    </message>
    <message>
        <source>Import Settings</source>
        <translation>Einstellungen importieren</translation>
    </message>
    <message>
        <source>The settings shown were exported to %1.</source>
        <translation>Die angezeigten Einstellungen wurden nach %1 exportiert.</translation>
    </message>
    <message>
        <source>Export Failed</source>
        <translation>Export fehlgeschlagen</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>Import fehlgeschlagen</translation>
    </message>
    <message>
        <source>%1 cannot be imported; the pages were not changed.

%2</source>
        <translation>%1 kann nicht importiert werden; die Seiten wurden nicht geändert.

%2</translation>
    </message>
    <message>
        <source>%1 settings from %2 are shown as unsaved changes. Nothing is sent to the device until you press Save Configuration.</source>
        <translation>%1 Einstellungen aus %2 werden als ungespeicherte Änderungen angezeigt. An das Gerät wird erst etwas gesendet, wenn Sie auf „Konfiguration speichern“ klicken.</translation>
    </message>
    <message>
        <source>The file was saved from another device (serial number %1; this one is %2). Its settings are copied to this one as they are.</source>
        <translation>Die Datei stammt von einem anderen Gerät (Seriennummer %1; dieses hat %2). Ihre Einstellungen werden unverändert auf dieses Gerät übertragen.</translation>
    </message>
    <message>
        <source>Load the configuration from the device first: the file&apos;s settings are then shown as changes to what the device holds.</source>
        <translation>Laden Sie zuerst die Konfiguration vom Gerät: Die Einstellungen der Datei werden dann als Änderungen gegenüber dem angezeigt, was im Gerät steht.</translation>
    </message>
    <message>
        <source>Not in the file, the page has no value for it: %1.</source>
        <translation>Nicht in der Datei, weil die Seite keinen Wert dafür enthält: %1.</translation>
    </message>
    <message>
        <source>Load the configuration from the device first: until then the pages hold no settings to export.</source>
        <translation>Laden Sie zuerst die Konfiguration vom Gerät: Bis dahin enthalten die Seiten keine Einstellungen zum Exportieren.</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>wartet</translation>
    </message>
    <message>
        <source>reading</source>
        <translation>liest</translation>
    </message>
    <message>
        <source>sending</source>
        <translation>sendet</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>verifiziert</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>unverändert</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>fehlgeschlagen</translation>
    </message>
    <message>
        <source>not started</source>
        <translation>nicht gestartet</translation>
    </message>
    <message>
        <source>untouched</source>
        <translation>unberührt</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>geändert</translation>
    </message>
    <message>
        <source>unknown state</source>
        <translation>Zustand unbekannt</translation>
    </message>
    <message>
        <source>%1 verified, %2 unchanged, %3 failed</source>
        <translation>%1 verifiziert, %2 unverändert, %3 fehlgeschlagen</translation>
    </message>
    <message>
        <source>%1, %2 not started</source>
        <translation>%1, %2 nicht gestartet</translation>
    </message>
    <message>
        <source>The device did not keep what was sent: %1.</source>
        <translation>Das Gerät hat das Gesendete nicht übernommen: %1.</translation>
    </message>
    <message>
        <source>The apply command was not answered; the settings read back on a new connection are as sent.</source>
        <translation>Der Aktivierungsbefehl wurde nicht beantwortet; die über eine neue Verbindung zurückgelesenen Einstellungen entsprechen dem Gesendeten.</translation>
    </message>
    <message>
        <source>Cancelled before it started: nothing was sent to it.</source>
        <translation>Vor dem Start abgebrochen: An das Gerät wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; to &quot;%3&quot;</source>
        <translation>%1: von „%2“ auf „%3“</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>Changed Settings</source>
        <translation>Geänderte Einstellungen</translation>
    </message>
    <message>
        <source>Failure or Note</source>
        <translation>Fehler oder Hinweis</translation>
    </message>
    <message>
        <source>Send to the Picked Devices</source>
        <translation>An gewählte Geräte senden</translation>
    </message>
    <message>
        <source>These settings will be sent to %1 devices. Each device is sent only the settings it holds otherwise, then told to apply them, and then read back to check that it kept them.</source>
        <translation>Diese Einstellungen werden an %1 Geräte gesendet. Jedes Gerät erhält nur die Einstellungen, die bei ihm abweichen, wird dann zum Aktivieren aufgefordert und anschließend zurückgelesen, um zu prüfen, ob es sie übernommen hat.</translation>
    </message>
    <message>
        <source>Each device keeps its own of these unless you tick them:</source>
        <translation>Folgende Einstellungen behält jedes Gerät, sofern Sie sie nicht anhaken:</translation>
    </message>
    <message>
        <source>Device &amp;name: %1</source>
        <translation>Geräte&amp;name: %1</translation>
    </message>
    <message>
        <source>&amp;DHCP mode: %1</source>
        <translation>&amp;DHCP-Modus: %1</translation>
    </message>
    <message>
        <source>&amp;Send</source>
        <translation>&amp;Senden</translation>
    </message>
    <message>
        <source>Settings to send</source>
        <translation>Zu sendende Einstellungen</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Einstellung</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Sending to %1 Devices</source>
        <translation>Senden an %1 Geräte</translation>
    </message>
    <message>
        <source>&amp;Retry Failed</source>
        <translation>Fehlgeschlagene &amp;wiederholen</translation>
    </message>
    <message>
        <source>&amp;Save Report...</source>
        <translation>Bericht &amp;speichern...</translation>
    </message>
    <message>
        <source>Result of each device</source>
        <translation>Ergebnis je Gerät</translation>
    </message>
    <message>
        <source>Details of the selected device</source>
        <translation>Details des markierten Geräts</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The report was saved to %1.</source>
        <translation>Der Bericht wurde in %1 gespeichert.</translation>
    </message>
    <message>
        <source>Devices done</source>
        <translation>Erledigte Geräte</translation>
    </message>
    <message>
        <source>&amp;Details:</source>
        <translation>&amp;Details:</translation>
    </message>
    <message>
        <source>Device Name</source>
        <translation>Gerätename</translation>
    </message>
    <message>
        <source>&amp;Tick All</source>
        <translation>Alle an&amp;haken</translation>
    </message>
    <message>
        <source>&amp;Paste Addresses</source>
        <translation>Adressen &amp;einfügen</translation>
    </message>
    <message>
        <source>Add from &amp;File...</source>
        <translation>Aus &amp;Datei hinzufügen...</translation>
    </message>
    <message>
        <source>Sen&amp;d to the Picked Devices...</source>
        <translation>An &amp;gewählte Geräte senden...</translation>
    </message>
    <message>
        <source>Address lists (*.txt);;All files (*)</source>
        <translation>Adresslisten (*.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>%1 addresses added and ticked.</source>
        <translation>%1 Adressen hinzugefügt und angehakt.</translation>
    </message>
    <message>
        <source>Tick the devices to send to in Find Devices first (or select them, or paste a list of addresses).</source>
        <translation>Haken Sie zuerst unter „Geräte suchen“ die Geräte an, an die gesendet werden soll (oder markieren Sie sie oder fügen Sie eine Adressliste ein).</translation>
    </message>
    <message>
        <source>Send to the Picked Devices...</source>
        <translation>An gewählte Geräte senden...</translation>
    </message>
    <message>
        <source>Load the configuration from a device first: the pages&apos; settings as they then stand are what is sent.</source>
        <translation>Laden Sie zuerst die Konfiguration von einem Gerät: Gesendet werden die Einstellungen der Seiten in ihrem dann aktuellen Stand.</translation>
    </message>
    <message>
        <source>Report Not Saved</source>
        <translation>Bericht nicht gespeichert</translation>
    </message>
    <message>
        <source>Sending: %1 of %2 devices done.</source>
        <translation>Senden: %1 von %2 Geräten erledigt.</translation>
    </message>
    <message>
        <source>The clipboard holds no addresses: copy a list with one address a line.</source>
        <translation>Die Zwischenablage enthält keine Adressen: Kopieren Sie eine Liste mit einer Adresse pro Zeile.</translation>
    </message>
    <message>
        <source>Cancelling: no more devices start; the %1 under way finish first.</source>
        <translation>Abbruch: Es werden keine weiteren Geräte gestartet; die %1 laufenden werden noch abgeschlossen.</translation>
    </message>
    <message>
        <source>Sent %1 and the apply command, then the device did not answer: it may hold the new values or the old.</source>
        <translation>%1 und der Aktivierungsbefehl wurden gesendet, dann hat das Gerät nicht mehr geantwortet: Es kann die neuen oder die alten Werte enthalten.</translation>
    </message>
    <message>
        <source>The device address and the range to search could not be saved in %1 (the disk may be full, or the file or its folder cannot be written), so they will not be remembered at the next start. This is said once until a save of them succeeds again.</source>
        <translation>Die Geräteadresse und der Suchbereich konnten nicht in %1 gespeichert werden (der Datenträger ist möglicherweise voll, oder die Datei bzw. ihr Ordner ist nicht beschreibbar), daher stehen sie beim nächsten Start nicht zur Verfügung. Dieser Hinweis erscheint nur einmal, bis das Speichern wieder gelingt.</translation>
    </message>
    <message>
        <source>Settings Not Remembered</source>
        <translation>Programmeinstellungen nicht gespeichert</translation>
    </message>
    <message>
        <source>The device applied the settings, but settings that were not sent read otherwise after the apply than at the load: %1. An earlier write may have left values waiting on the device, which any apply commits, or another program changed them.

Load the configuration to see what the device holds.</source>
        <translation>Das Gerät hat die Einstellungen aktiviert, aber nicht gesendete Einstellungen hatten nach dem Aktivieren andere Werte als beim Laden: %1. Möglicherweise hat ein früherer Schreibvorgang Werte ausstehend auf dem Gerät hinterlassen, die jedes Aktivieren wirksam macht, oder ein anderes Programm hat sie geändert.

Laden Sie die Konfiguration, um zu sehen, was im Gerät steht.</translation>
    </message>
    <message>
        <source>Settings that were not sent read otherwise after the apply (an earlier write may have left values waiting on the device, which any apply commits): %1.</source>
        <translation>Nicht gesendete Einstellungen hatten nach dem Aktivieren andere Werte (ein früherer Schreibvorgang hat möglicherweise Werte ausstehend auf dem Gerät hinterlassen, die jedes Aktivieren wirksam macht): %1.</translation>
    </message>
    <message>
        <source>The device now answers at its new address, %1, where the settings were read back: the address field shows it.</source>
        <translation>Das Gerät antwortet jetzt unter seiner neuen Adresse %1, unter der die Einstellungen zurückgelesen wurden: Das Adressfeld zeigt sie an.</translation>
    </message>
    <message>
        <source>The device was not verified: %1.

The address field is left as it was. Find Devices searches a range of addresses for it.</source>
        <translation>Das Gerät wurde nicht verifiziert: %1.

Das Adressfeld bleibt unverändert. „Geräte suchen“ durchsucht einen Adressbereich nach dem Gerät.</translation>
    </message>
    <message>
        <source>The settings were applied, and they move the device: looking for it at %1</source>
        <translation>Die Einstellungen wurden aktiviert und verlegen das Gerät: Es wird unter %1 gesucht</translation>
    </message>
    <message>
        <source>&amp;IP address and mask from an address plan, not as each device holds them (DHCP off; the pages hold %1 / %2):</source>
        <translation>&amp;IP-Adresse und Subnetzmaske aus einem Adressplan statt der Werte jedes Geräts (DHCP deaktiviert; die Seiten enthalten %1 / %2):</translation>
    </message>
    <message>
        <source>Applied, Not Seen</source>
        <translation>Aktiviert, nicht wiedergefunden</translation>
    </message>
    <message>
        <source>Read back at its new address, %1.</source>
        <translation>Unter der neuen Adresse %1 zurückgelesen.</translation>
    </message>
    <message>
        <source>Now At</source>
        <translation>Jetzt unter</translation>
    </message>
    <message>
        <source>%1, %2 applied but not seen since</source>
        <translation>%1, %2 aktiviert, aber seitdem nicht wiedergefunden</translation>
    </message>
    <message>
        <source>Count &amp;upward from:</source>
        <translation>&amp;Aufwärts zählen ab:</translation>
    </message>
    <message>
        <source>From a &amp;list: a line for each device, its serial number or current address, then its new address</source>
        <translation>Aus einer &amp;Liste: eine Zeile je Gerät, seine Seriennummer oder aktuelle Adresse, dann seine neue Adresse</translation>
    </message>
    <message>
        <source>Load Plan from &amp;File...</source>
        <translation>Plan aus Da&amp;tei laden...</translation>
    </message>
    <message>
        <source>First address of the plan</source>
        <translation>Startadresse des Plans</translation>
    </message>
    <message>
        <source>Address plan list</source>
        <translation>Adressplan-Liste</translation>
    </message>
    <message>
        <source>mask %1 (from the pages)</source>
        <translation>Subnetzmaske %1 (aus den Seiten)</translation>
    </message>
    <message>
        <source>Planned &amp;addresses:</source>
        <translation>&amp;Geplante Adressen:</translation>
    </message>
    <message>
        <source>Each device with its planned address</source>
        <translation>Jedes Gerät mit seiner geplanten Adresse</translation>
    </message>
    <message>
        <source>Planned Address</source>
        <translation>Geplante Adresse</translation>
    </message>
    <message>
        <source>Looking for devices that already answer at the planned addresses...</source>
        <translation>Suche nach Geräten, die bereits unter den geplanten Adressen antworten...</translation>
    </message>
    <message>
        <source>&amp;Language...</source>
        <translation>Sp&amp;rache...</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>&amp;Show the window in:</source>
        <translation>&amp;Sprache des Programms:</translation>
    </message>
    <message>
        <source>The language of the system</source>
        <translation>Systemsprache</translation>
    </message>
    <message>
        <source>The window is shown in the chosen language from its next start.</source>
        <translation>Das Programm erscheint ab dem nächsten Start in der gewählten Sprache.</translation>
    </message>
    <message>
        <source>The language could not be saved in %1, so the window will not be shown in it at the next start.</source>
        <translation>Die Sprache konnte nicht in %1 gespeichert werden; das Programm erscheint daher beim nächsten Start nicht in ihr.</translation>
    </message>
    <message>
        <source>Chec&amp;k the Picked Devices...</source>
        <translation>Gewählte Geräte &amp;prüfen...</translation>
    </message>
    <message>
        <source>Check the picked devices: read each and compare it with the pages&apos; settings, sending nothing</source>
        <translation>Gewählte Geräte prüfen: jedes auslesen und mit den Einstellungen der Seiten vergleichen, ohne etwas zu senden</translation>
    </message>
    <message>
        <source>Check the Picked Devices...</source>
        <translation>Gewählte Geräte prüfen...</translation>
    </message>
    <message>
        <source>Tick the devices to check in Find Devices first (or select them, or paste a list of addresses).</source>
        <translation>Haken Sie zuerst unter „Geräte suchen“ die zu prüfenden Geräte an (oder markieren Sie sie oder fügen Sie eine Adressliste ein).</translation>
    </message>
    <message>
        <source>Load the configuration from a device first: the devices are compared with the pages&apos; settings as they then stand.</source>
        <translation>Laden Sie zuerst die Konfiguration von einem Gerät: Die Geräte werden mit den Einstellungen der Seiten in ihrem dann aktuellen Stand verglichen.</translation>
    </message>
    <message>
        <source>Check the Picked Devices</source>
        <translation>Gewählte Geräte prüfen</translation>
    </message>
    <message>
        <source>Checking %1 Devices</source>
        <translation>Prüfen von %1 Geräten</translation>
    </message>
    <message>
        <source>matches</source>
        <translation>stimmt überein</translation>
    </message>
    <message>
        <source>differs</source>
        <translation>weicht ab</translation>
    </message>
    <message>
        <source>%1 matching, %2 differing, %3 failed</source>
        <translation>%1 übereinstimmend, %2 abweichend, %3 fehlgeschlagen</translation>
    </message>
    <message>
        <source>Checking: %1 of %2 devices done.</source>
        <translation>Prüfen: %1 von %2 Geräten erledigt.</translation>
    </message>
    <message>
        <source>Differing Settings</source>
        <translation>Abweichende Einstellungen</translation>
    </message>
    <message>
        <source>%1: the device holds &quot;%2&quot;, the pages &quot;%3&quot;</source>
        <translation>%1: im Gerät steht „%2“, in den Seiten „%3“</translation>
    </message>
    <message>
        <source>%1: differs</source>
        <translation>%1: weicht ab</translation>
    </message>
    <message>
        <source>Cancelled before it started: it was not read.</source>
        <translation>Vor dem Start abgebrochen: Das Gerät wurde nicht ausgelesen.</translation>
    </message>
    <message>
        <source>Each device is read and compared with these settings of the pages, and is sent nothing: %1. Each device&apos;s own settings are not compared: %2.</source>
        <translation>Jedes Gerät wird ausgelesen und, ohne dass ihm etwas gesendet wird, mit diesen Einstellungen der Seiten verglichen: %1. Nicht verglichen werden die Einstellungen, die jedes Gerät für sich behält: %2.</translation>
    </message>
    <message>
        <source>Save Rec&amp;ord...</source>
        <translation>&amp;Protokoll speichern...</translation>
    </message>
    <message>
        <source>Commissioning Record</source>
        <translation>Inbetriebnahmeprotokoll</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Vorgang</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Datum und Uhrzeit</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Zeitzone</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Bemerkung</translation>
    </message>
    <message>
        <source>SHA-256 of %1: %2</source>
        <translation>SHA-256 von %1: %2</translation>
    </message>
    <message>
        <source>The JSON file named above holds this record as data. sha256sum prints its SHA-256: any other value than the one above means the file was changed after the record was made.</source>
        <translation>Die oben genannte JSON-Datei enthält dieses Protokoll als Daten. sha256sum gibt ihren SHA-256 aus: Jeder andere Wert als der obige bedeutet, dass die Datei nach dem Erstellen des Protokolls geändert wurde.</translation>
    </message>
    <message>
        <source>Device %1 of %2: %3</source>
        <translation>Gerät %1 von %2: %3</translation>
    </message>
    <message>
        <source>Read back at</source>
        <translation>Zurückgelesen unter</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Why</source>
        <translation>Grund</translation>
    </message>
    <message>
        <source>Every setting as read back</source>
        <translation>Alle Einstellungen, wie zurückgelesen</translation>
    </message>
    <message>
        <source>No setting was read from this device.</source>
        <translation>Von diesem Gerät wurde keine Einstellung gelesen.</translation>
    </message>
    <message>
        <source>Verified after the apply</source>
        <translation>Nach dem Aktivieren verifiziert</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>What this run changed</source>
        <translation>Was dieser Vorgang geändert hat</translation>
    </message>
    <message>
        <source>This run changed no setting of this device.</source>
        <translation>Dieser Vorgang hat keine Einstellung dieses Geräts geändert.</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Vorher</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Nachher</translation>
    </message>
    <message>
        <source>Settings that differ from those compared</source>
        <translation>Einstellungen, die von den Vergleichswerten abweichen</translation>
    </message>
    <message>
        <source>Every setting compared matches.</source>
        <translation>Alle verglichenen Einstellungen stimmen überein.</translation>
    </message>
    <message>
        <source>The device holds</source>
        <translation>Im Gerät steht</translation>
    </message>
    <message>
        <source>Compared with</source>
        <translation>Verglichen mit</translation>
    </message>
    <message>
        <source>set, not shown</source>
        <translation>gesetzt, nicht angezeigt</translation>
    </message>
    <message>
        <source>Load from the device</source>
        <translation>Laden vom Gerät</translation>
    </message>
    <message>
        <source>Save to the device</source>
        <translation>Speichern im Gerät</translation>
    </message>
    <message>
        <source>Send to many devices</source>
        <translation>Senden an mehrere Geräte</translation>
    </message>
    <message>
        <source>Check against settings, nothing sent</source>
        <translation>Prüfen anhand von Einstellungen, nichts gesendet</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Sicherung</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellung</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Setzen von Einstellungen</translation>
    </message>
    <message>
        <source>read</source>
        <translation>gelesen</translation>
    </message>
    <message>
        <source>not read</source>
        <translation>nicht gelesen</translation>
    </message>
    <message>
        <source>Save Record</source>
        <translation>Protokoll speichern</translation>
    </message>
    <message>
        <source>&amp;Note for the record (who, where, what was done):</source>
        <translation>&amp;Bemerkung für das Protokoll (wer, wo, was getan wurde):</translation>
    </message>
    <message>
        <source>PDF files (*.pdf);;All files (*)</source>
        <translation>PDF-Dateien (*.pdf);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The record was saved to %1, and its JSON document beside it to %2.

SHA-256 of %3: %4</source>
        <translation>Das Protokoll wurde in %1 gespeichert und sein JSON-Dokument daneben in %2.

SHA-256 von %3: %4</translation>
    </message>
    <message>
        <source>Record Not Saved</source>
        <translation>Protokoll nicht gespeichert</translation>
    </message>
    <message>
        <source>%1

Neither file of the record was written: files of those names are as they were.</source>
        <translation>%1

Keine der beiden Dateien des Protokolls wurde geschrieben: Dateien mit diesen Namen sind unverändert.</translation>
    </message>
    <message>
        <source>%1

The JSON document was written to %2, but the PDF was not.</source>
        <translation>%1

Das JSON-Dokument wurde in %2 geschrieben, das PDF jedoch nicht.</translation>
    </message>
    <message>
        <source>Save a commissioning record of what was read back, as PDF and JSON</source>
        <translation>Ein Inbetriebnahmeprotokoll des Zurückgelesenen als PDF und JSON speichern</translation>
    </message>
    <message>
        <source>Note for the record</source>
        <translation>Bemerkung für das Protokoll</translation>
    </message>
    <message>
        <source>Usage: %1 --record-pdf RECORD.json OUT.pdf</source>
        <translation>Aufruf: %1 --record-pdf RECORD.json OUT.pdf</translation>
    </message>
    <message>
        <source>%1: no PDF was made of it. %2</source>
        <translation>%1: Daraus wurde kein PDF erstellt. %2</translation>
    </message>
    <message>
        <source>%1 No PDF was made.</source>
        <translation>%1 Es wurde kein PDF erstellt.</translation>
    </message>
    <message>
        <source>%1 already exists and is not the record beside this PDF (a settings file, say).

Replace it with the record&apos;s JSON document?</source>
        <translation>%1 existiert bereits und ist nicht das Protokoll zu diesem PDF (sondern etwa eine Einstellungsdatei).

Durch das JSON-Dokument des Protokolls ersetzen?</translation>
    </message>
    <message>
        <source>Devices in this record</source>
        <translation>Geräte in diesem Protokoll</translation>
    </message>
</context>
<context>
    <name>Templates</name>
    <message>
        <source>About TolvoConfig</source>
        <translation>Über TolvoConfig</translation>
    </message>
    <message>
        <source>Program icon</source>
        <translation>Programmsymbol</translation>
    </message>
    <message>
        <source>Tolvo-S Configuration Utility, Version 1.0</source>
        <translation>Tolvo-S-Konfigurationsprogramm, Version 1.0</translation>
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
        <translation>Tolvo-S-Konfiguration - Halvane</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Tolvo&apos;s IP address:</source>
        <translation>Tolvo-IP-Adresse:</translation>
    </message>
    <message>
        <source>Load Configuration</source>
        <translation>Konfiguration laden</translation>
    </message>
    <message>
        <source>Save Configuration</source>
        <translation>Konfiguration speichern</translation>
    </message>
    <message>
        <source>Find Devices...</source>
        <translation>Geräte suchen...</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>Importieren...</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportieren...</translation>
    </message>
    <message>
        <source>Serial Number:</source>
        <translation>Seriennummer:</translation>
    </message>
    <message>
        <source>Firmware Version:</source>
        <translation>Firmware-Version:</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>IP-Adresse:</translation>
    </message>
    <message>
        <source>IP mask:</source>
        <translation>Subnetzmaske:</translation>
    </message>
    <message>
        <source>SSID:</source>
        <translation>SSID:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>Wi-Fi channel:</source>
        <translation>Wi-Fi-Kanal:</translation>
    </message>
    <message>
        <source>Transmission Power:</source>
        <translation>Sendeleistung:</translation>
    </message>
    <message>
        <source>Network Type:</source>
        <translation>Netzwerktyp:</translation>
    </message>
    <message>
        <source>Network type</source>
        <translation>Netzwerktyp</translation>
    </message>
    <message>
        <source>Access Point</source>
        <translation>Access Point</translation>
    </message>
    <message>
        <source>Infrastracture</source>
        <translation>Infrastruktur</translation>
    </message>
    <message>
        <source>DHCP mode</source>
        <translation>DHCP-Modus</translation>
    </message>
    <message>
        <source>DHCP Disabled</source>
        <translation>DHCP deaktiviert</translation>
    </message>
    <message>
        <source>DHCP Enabled</source>
        <translation>DHCP aktiviert</translation>
    </message>
    <message>
        <source>DHCP Access Point</source>
        <translation>DHCP Access Point</translation>
    </message>
    <message>
        <source>Device Name:</source>
        <translation>Gerätename:</translation>
    </message>
    <message>
        <source>Port 0 connect to:</source>
        <translation>Port 0 verbinden mit:</translation>
    </message>
    <message>
        <source>Port 0 connection</source>
        <translation>Verbindung von Port 0</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Konfiguration</translation>
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
        <translation>Keine Verbindung</translation>
    </message>
    <message>
        <source>TCP/IP Port:</source>
        <translation>TCP/IP-Port:</translation>
    </message>
    <message>
        <source>Port 0 TCP/IP port</source>
        <translation>TCP/IP-Port von Port 0</translation>
    </message>
    <message>
        <source>Port 1 connect to:</source>
        <translation>Port 1 verbinden mit:</translation>
    </message>
    <message>
        <source>Port 1 connection</source>
        <translation>Verbindung von Port 1</translation>
    </message>
    <message>
        <source>Port 1 TCP/IP port</source>
        <translation>TCP/IP-Port von Port 1</translation>
    </message>
    <message>
        <source>Port 2 connect to:</source>
        <translation>Port 2 verbinden mit:</translation>
    </message>
    <message>
        <source>Port 2 connection</source>
        <translation>Verbindung von Port 2</translation>
    </message>
    <message>
        <source>Port 2 TCP/IP port</source>
        <translation>TCP/IP-Port von Port 2</translation>
    </message>
    <message>
        <source>Baudrate:</source>
        <translation>Baudrate:</translation>
    </message>
    <message>
        <source>Data Bits:</source>
        <translation>Datenbits:</translation>
    </message>
    <message>
        <source>Stop Bits:</source>
        <translation>Stoppbits:</translation>
    </message>
    <message>
        <source>Parity:</source>
        <translation>Parität:</translation>
    </message>
    <message>
        <source>RS232 baud rate</source>
        <translation>RS232-Baudrate</translation>
    </message>
    <message>
        <source>RS232 data bits</source>
        <translation>RS232-Datenbits</translation>
    </message>
    <message>
        <source>RS232 stop bits</source>
        <translation>RS232-Stoppbits</translation>
    </message>
    <message>
        <source>RS232 parity</source>
        <translation>RS232-Parität</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Ungerade</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Gerade</translation>
    </message>
    <message>
        <source>DIRECT baud rate</source>
        <translation>DIRECT-Baudrate</translation>
    </message>
    <message>
        <source>DIRECT data bits</source>
        <translation>DIRECT-Datenbits</translation>
    </message>
    <message>
        <source>DIRECT stop bits</source>
        <translation>DIRECT-Stoppbits</translation>
    </message>
    <message>
        <source>DIRECT parity</source>
        <translation>DIRECT-Parität</translation>
    </message>
</context>
</TS>
