<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Strings</name>
    <message>
        <source>&amp;About TolvoConfig...</source>
        <translation>&amp;O programie TolvoConfig...</translation>
    </message>
    <message>
        <source>Windows sockets initialization failed.</source>
        <translation>Nie udało się zainicjować gniazd Windows.</translation>
    </message>
    <message>
        <source>Info / DSC Parameters</source>
        <translation>Info / parametry DSC</translation>
    </message>
    <message>
        <source>WiFi Settings</source>
        <translation>Ustawienia WiFi</translation>
    </message>
    <message>
        <source>Port Settings</source>
        <translation>Ustawienia portów</translation>
    </message>
    <message>
        <source>Port Routing</source>
        <translation>Routing portów</translation>
    </message>
    <message>
        <source>%1 - version: %2</source>
        <translation>%1 - wersja: %2</translation>
    </message>
    <message>
        <source>Discard the changes that have not been saved to the device?</source>
        <translation>Odrzucić zmiany, które nie zostały zapisane w urządzeniu?</translation>
    </message>
    <message>
        <source>Unsaved Changes</source>
        <translation>Niezapisane zmiany</translation>
    </message>
    <message>
        <source>Reading the settings from %1</source>
        <translation>Odczyt ustawień z %1</translation>
    </message>
    <message>
        <source>Nothing was loaded: the pages still show what they showed before.</source>
        <translation>Nic nie odczytano: karty nadal pokazują to samo co wcześniej.</translation>
    </message>
    <message>
        <source>Load Failed</source>
        <translation>Błąd odczytu</translation>
    </message>
    <message>
        <source>Current configuration has been loaded from Tolvo.</source>
        <translation>Bieżąca konfiguracja została odczytana z Tolvo.</translation>
    </message>
    <message>
        <source>Success!</source>
        <translation>Gotowe!</translation>
    </message>
    <message>
        <source>Some values cannot be shown exactly as the device holds them. Their fields are marked, and a save leaves them as the device holds them unless you edit them:
%1</source>
        <translation>Niektórych wartości nie da się pokazać dokładnie tak, jak są zapisane w urządzeniu. Ich pola są oznaczone, a zapis pozostawi je w urządzeniu bez zmian, chyba że je zmienisz:
%1</translation>
    </message>
    <message>
        <source>%1: the device holds &quot;%2&quot;</source>
        <translation>%1: w urządzeniu „%2”</translation>
    </message>
    <message>
        <source>Changed since the last load or save.</source>
        <translation>Zmienione od ostatniego odczytu lub zapisu.</translation>
    </message>
    <message>
        <source>The device holds &quot;%1&quot;; shown here as near as this field can.</source>
        <translation>Wartość w urządzeniu: „%1”; pokazana tu tak dokładnie, jak pozwala to pole.</translation>
    </message>
    <message>
        <source>Current configuration has been saved to Tolvo.</source>
        <translation>Bieżąca konfiguracja została zapisana w Tolvo.</translation>
    </message>
    <message>
        <source>Not sent, the device&apos;s value matches no item: %1.</source>
        <translation>Nie wysłano, bo wartość w urządzeniu nie odpowiada żadnej pozycji listy: %1.</translation>
    </message>
    <message>
        <source>Load the configuration from the device first.

Until a load has succeeded the pages hold blank values, and saving them would overwrite the device&apos;s settings.</source>
        <translation>Najpierw odczytaj konfigurację z urządzenia.

Dopóki odczyt się nie powiedzie, karty zawierają puste wartości, a ich zapisanie nadpisałoby ustawienia urządzenia.</translation>
    </message>
    <message>
        <source>Save Configuration</source>
        <translation>Zapisz konfigurację</translation>
    </message>
    <message>
        <source>A text setting cannot be stored on the device. Nothing was sent.</source>
        <translation>Ustawienia tekstowego nie można zapisać w urządzeniu. Nic nie wysłano.</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>Błąd zapisu</translation>
    </message>
    <message>
        <source>Sending the settings to %1</source>
        <translation>Wysyłanie ustawień do %1</translation>
    </message>
    <message>
        <source>All settings were sent, but the device did not confirm that it applied them (it may have restarted).

Load the configuration to see what the device holds.</source>
        <translation>Wszystkie ustawienia zostały wysłane, ale urządzenie nie potwierdziło ich zastosowania (mogło się uruchomić ponownie).

Odczytaj konfigurację, aby zobaczyć, co zawiera urządzenie.</translation>
    </message>
    <message>
        <source>Save Not Confirmed</source>
        <translation>Zapis niepotwierdzony</translation>
    </message>
    <message>
        <source>Saving was cancelled. Some settings may have reached the device, but the apply command was not sent, so the device has not applied them.</source>
        <translation>Zapis anulowano. Część ustawień mogła dotrzeć do urządzenia, ale polecenie zastosowania nie zostało wysłane, więc urządzenie ich nie zastosowało.</translation>
    </message>
    <message>
        <source>Saving was cancelled before anything was sent: the device keeps its settings.</source>
        <translation>Zapis anulowano przed wysłaniem czegokolwiek: urządzenie zachowuje swoje ustawienia.</translation>
    </message>
    <message>
        <source>Save Cancelled</source>
        <translation>Zapis anulowany</translation>
    </message>
    <message>
        <source>Nothing was sent: the device keeps its settings.</source>
        <translation>Nic nie wysłano: urządzenie zachowuje swoje ustawienia.</translation>
    </message>
    <message>
        <source>Saving stopped before the device confirmed every setting. The apply command was not sent, so the device has not applied the new settings.</source>
        <translation>Zapis przerwano, zanim urządzenie potwierdziło wszystkie ustawienia. Polecenie zastosowania nie zostało wysłane, więc urządzenie nie zastosowało nowych ustawień.</translation>
    </message>
    <message>
        <source>The settings were loaded from %1. Send them to %2?</source>
        <translation>Ustawienia odczytano z %1. Wysłać je do %2?</translation>
    </message>
    <message>
        <source>The device applied the settings, but reading them back gave other values for: %1.

Load the configuration to see what the device holds.</source>
        <translation>Urządzenie zastosowało ustawienia, ale odczyt kontrolny dał inne wartości dla: %1.

Odczytaj konfigurację, aby zobaczyć, co zawiera urządzenie.</translation>
    </message>
    <message>
        <source>The device confirmed that it applied the settings, but they could not be read back to check them (it may have restarted).

Load the configuration to see what the device holds.</source>
        <translation>Urządzenie potwierdziło zastosowanie ustawień, ale nie udało się ich ponownie odczytać w celu sprawdzenia (mogło się uruchomić ponownie).

Odczytaj konfigurację, aby zobaczyć, co zawiera urządzenie.</translation>
    </message>
    <message>
        <source>Not sent, the device keeps the value it holds: %1.</source>
        <translation>Nie wysłano, urządzenie zachowuje swoją obecną wartość: %1.</translation>
    </message>
    <message>
        <source>Changed: %1.</source>
        <translation>Zmieniono: %1.</translation>
    </message>
    <message>
        <source>No setting changed on the device.</source>
        <translation>W urządzeniu nie zmieniło się żadne ustawienie.</translation>
    </message>
    <message>
        <source>Could not connecto to Tolvo.</source>
        <translation>Nie można połączyć się z Tolvo.</translation>
    </message>
    <message>
        <source>Connection Error</source>
        <translation>Błąd połączenia</translation>
    </message>
    <message>
        <source>Sending to the device failed.</source>
        <translation>Wysyłanie do urządzenia nie powiodło się.</translation>
    </message>
    <message>
        <source>The device&apos;s address could not be found.</source>
        <translation>Nie można odnaleźć adresu urządzenia.</translation>
    </message>
    <message>
        <source>The device&apos;s address has no data record.</source>
        <translation>Dla adresu urządzenia nie ma rekordu danych.</translation>
    </message>
    <message>
        <source>The connection to the device failed: %1.</source>
        <translation>Połączenie z urządzeniem nie powiodło się: %1.</translation>
    </message>
    <message>
        <source>The device did not answer within %1 seconds.</source>
        <translation>Urządzenie nie odpowiedziało w ciągu %1 sekund.</translation>
    </message>
    <message>
        <source>The device closed the connection.</source>
        <translation>Urządzenie zamknęło połączenie.</translation>
    </message>
    <message>
        <source>The device sent a reply longer than %1 bytes.</source>
        <translation>Urządzenie wysłało odpowiedź przekraczającą limit %1 bajtów.</translation>
    </message>
    <message>
        <source>A setting is too long to send: a command may hold at most %1 bytes.</source>
        <translation>Ustawienie jest za długie do wysłania: limit długości polecenia to %1 B.</translation>
    </message>
    <message>
        <source>No connection to the device could be made.</source>
        <translation>Nie udało się nawiązać połączenia z urządzeniem.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Anulowano.</translation>
    </message>
    <message>
        <source>Unknown result %1.</source>
        <translation>Nieznany wynik %1.</translation>
    </message>
    <message>
        <source>The device sent more reply lines than it was asked for, so its replies cannot be matched to the settings.</source>
        <translation>Urządzenie wysłało więcej wierszy odpowiedzi, niż o nie poproszono, więc nie można przypisać jego odpowiedzi do ustawień.</translation>
    </message>
    <message>
        <source>The device name</source>
        <translation>Nazwa urządzenia</translation>
    </message>
    <message>
        <source>The SSID</source>
        <translation>SSID</translation>
    </message>
    <message>
        <source>The password</source>
        <translation>Hasło</translation>
    </message>
    <message>
        <source>%1 can hold at most %2 characters; this one has %3.</source>
        <translation>%1: maksymalna liczba znaków to %2, a ta wartość ma ich %3.</translation>
    </message>
    <message>
        <source>%1 can hold only Latin-1 characters (U+0000 to U+00FF).</source>
        <translation>%1 może zawierać tylko znaki Latin-1 (od U+0000 do U+00FF).</translation>
    </message>
    <message>
        <source>%1 cannot hold line breaks or zero characters.</source>
        <translation>%1 nie może zawierać podziałów wierszy ani znaków zerowych.</translation>
    </message>
    <message>
        <source>Please enter a whole number.</source>
        <translation>Wpisz liczbę całkowitą.</translation>
    </message>
    <message>
        <source>Please enter a whole number between %1 and %2.</source>
        <translation>Wpisz liczbę całkowitą od %1 do %2.</translation>
    </message>
    <message>
        <source>Choose the %1 from the list: %2.</source>
        <translation>Wybierz z listy wartość ustawienia „%1”: %2.</translation>
    </message>
    <message>
        <source>%1 is not a valid entry. Please specify a value between 0 and 255.</source>
        <translation>%1 nie jest poprawną wartością. Podaj wartość od 0 do 255.</translation>
    </message>
    <message>
        <source>%1, part %2 of 4</source>
        <translation>%1, część %2 z 4</translation>
    </message>
    <message>
        <source>%1
%2 of %3</source>
        <translation>%1
%2 z %3</translation>
    </message>
    <message>
        <source>Find Devices</source>
        <translation>Znajdź urządzenia</translation>
    </message>
    <message>
        <source>&amp;Addresses:</source>
        <translation>&amp;Adresy:</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Szukaj</translation>
    </message>
    <message>
        <source>Ca&amp;ncel</source>
        <translation>A&amp;nuluj</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adres</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Numer seryjny</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Wersja firmware</translation>
    </message>
    <message>
        <source>Trying %1 addresses: %2 done, %3 found.</source>
        <translation>Sprawdzanie adresów: %2 z %1, znalezione urządzenia: %3.</translation>
    </message>
    <message>
        <source>%1 found among %2 addresses. Double-click a device, or select it and press Enter, to use its address.</source>
        <translation>Znalezione urządzenia: %1 (spośród %2 adresów). Kliknij dwukrotnie urządzenie albo wybierz je i naciśnij Enter, aby użyć jego adresu.</translation>
    </message>
    <message>
        <source>The search was stopped: %1 found among the %2 addresses tried.</source>
        <translation>Wyszukiwanie przerwano. Znalezione urządzenia: %1 (spośród %2 sprawdzonych adresów).</translation>
    </message>
    <message>
        <source>No network of this computer was found. Type a range such as 192.168.1.1-192.168.1.254 or 192.168.1.0/24.</source>
        <translation>Nie znaleziono żadnej sieci tego komputera. Wpisz zakres, np. 192.168.1.1-192.168.1.254 lub 192.168.1.0/24.</translation>
    </message>
    <message>
        <source>Type a range to search, such as 192.168.1.1-192.168.1.254 or 192.168.1.0/24.</source>
        <translation>Wpisz zakres do przeszukania, np. 192.168.1.1-192.168.1.254 lub 192.168.1.0/24.</translation>
    </message>
    <message>
        <source>Ranges to search: FIRST-LAST or A.B.C.D/N, several separated by commas</source>
        <translation>Zakresy do przeszukania: FIRST-LAST lub A.B.C.D/N, kilka rozdzielonych przecinkami</translation>
    </message>
    <message>
        <source>Devices found</source>
        <translation>Znalezione urządzenia</translation>
    </message>
    <message>
        <source>Find devices on the network</source>
        <translation>Znajdź urządzenia w sieci</translation>
    </message>
    <message>
        <source>Import settings from a file</source>
        <translation>Importuj ustawienia z pliku</translation>
    </message>
    <message>
        <source>Export settings to a file</source>
        <translation>Eksportuj ustawienia do pliku</translation>
    </message>
    <message>
        <source>Settings files (*.json);;All files (*)</source>
        <translation>Pliki ustawień (*.json);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Export Settings</source>
        <translation>Eksport ustawień</translation>
    </message>
    <message>
        <source>Import Settings</source>
        <translation>Import ustawień</translation>
    </message>
    <message>
        <source>The settings shown were exported to %1.</source>
        <translation>Wyświetlane ustawienia wyeksportowano do pliku %1.</translation>
    </message>
    <message>
        <source>Export Failed</source>
        <translation>Błąd eksportu</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>Błąd importu</translation>
    </message>
    <message>
        <source>%1 cannot be imported; the pages were not changed.

%2</source>
        <translation>Nie można zaimportować pliku %1; karty nie zostały zmienione.

%2</translation>
    </message>
    <message>
        <source>%1 settings from %2 are shown as unsaved changes. Nothing is sent to the device until you press Save Configuration.</source>
        <translation>Ustawienia z pliku %2 (liczba: %1) są wyświetlane jako niezapisane zmiany. Nic nie zostanie wysłane do urządzenia, dopóki nie naciśniesz „Zapisz konfigurację”.</translation>
    </message>
    <message>
        <source>The file was saved from another device (serial number %1; this one is %2). Its settings are copied to this one as they are.</source>
        <translation>Plik zapisano z innego urządzenia (numer seryjny %1; to urządzenie ma %2). Jego ustawienia są kopiowane do tego urządzenia bez zmian.</translation>
    </message>
    <message>
        <source>Load the configuration from the device first: the file&apos;s settings are then shown as changes to what the device holds.</source>
        <translation>Najpierw odczytaj konfigurację z urządzenia: ustawienia z pliku zostaną wtedy pokazane jako zmiany względem zawartości urządzenia.</translation>
    </message>
    <message>
        <source>Not in the file, the page has no value for it: %1.</source>
        <translation>Pominięte w pliku, bo karta nie ma dla nich wartości: %1.</translation>
    </message>
    <message>
        <source>Load the configuration from the device first: until then the pages hold no settings to export.</source>
        <translation>Najpierw odczytaj konfigurację z urządzenia: do tego czasu karty nie zawierają ustawień do eksportu.</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>oczekuje</translation>
    </message>
    <message>
        <source>reading</source>
        <translation>odczyt</translation>
    </message>
    <message>
        <source>sending</source>
        <translation>wysyłanie</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>zweryfikowane</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>bez zmian</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>nieudane</translation>
    </message>
    <message>
        <source>not started</source>
        <translation>nierozpoczęte</translation>
    </message>
    <message>
        <source>untouched</source>
        <translation>nienaruszone</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>zmienione</translation>
    </message>
    <message>
        <source>unknown state</source>
        <translation>stan nieznany</translation>
    </message>
    <message>
        <source>%1 verified, %2 unchanged, %3 failed</source>
        <translation>zweryfikowane: %1, bez zmian: %2, nieudane: %3</translation>
    </message>
    <message>
        <source>%1, %2 not started</source>
        <translation>%1, nierozpoczęte: %2</translation>
    </message>
    <message>
        <source>The device did not keep what was sent: %1.</source>
        <translation>Urządzenie nie zachowało wysłanych wartości: %1.</translation>
    </message>
    <message>
        <source>The apply command was not answered; the settings read back on a new connection are as sent.</source>
        <translation>Brak odpowiedzi na polecenie zastosowania; odczyt kontrolny przez nowe połączenie pokazuje ustawienia zgodne z wysłanymi.</translation>
    </message>
    <message>
        <source>Cancelled before it started: nothing was sent to it.</source>
        <translation>Anulowano przed rozpoczęciem: nic do niego nie wysłano.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; to &quot;%3&quot;</source>
        <translation>%1: z „%2” na „%3”</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Urządzenie</translation>
    </message>
    <message>
        <source>Changed Settings</source>
        <translation>Zmienione ustawienia</translation>
    </message>
    <message>
        <source>Failure or Note</source>
        <translation>Błąd lub uwaga</translation>
    </message>
    <message>
        <source>Send to the Picked Devices</source>
        <translation>Wyślij do wybranych urządzeń</translation>
    </message>
    <message>
        <source>These settings will be sent to %1 devices. Each device is sent only the settings it holds otherwise, then told to apply them, and then read back to check that it kept them.</source>
        <translation>Te ustawienia zostaną wysłane do wybranych urządzeń (%1). Każde urządzenie otrzyma tylko te ustawienia, które ma inne, następnie polecenie ich zastosowania, po czym zostanie ponownie odczytane, aby sprawdzić, czy je zachowało.</translation>
    </message>
    <message>
        <source>Each device keeps its own of these unless you tick them:</source>
        <translation>Każde urządzenie zachowa własne wartości tych ustawień, chyba że je zaznaczysz:</translation>
    </message>
    <message>
        <source>Device &amp;name: %1</source>
        <translation>&amp;Nazwa urządzenia: %1</translation>
    </message>
    <message>
        <source>&amp;DHCP mode: %1</source>
        <translation>Tryb &amp;DHCP: %1</translation>
    </message>
    <message>
        <source>&amp;Send</source>
        <translation>&amp;Wyślij</translation>
    </message>
    <message>
        <source>Settings to send</source>
        <translation>Ustawienia do wysłania</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Ustawienie</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wartość</translation>
    </message>
    <message>
        <source>Sending to %1 Devices</source>
        <translation>Wysyłanie do urządzeń (%1)</translation>
    </message>
    <message>
        <source>&amp;Retry Failed</source>
        <translation>&amp;Ponów nieudane</translation>
    </message>
    <message>
        <source>&amp;Save Report...</source>
        <translation>&amp;Zapisz raport...</translation>
    </message>
    <message>
        <source>Result of each device</source>
        <translation>Wynik każdego urządzenia</translation>
    </message>
    <message>
        <source>Details of the selected device</source>
        <translation>Szczegóły wybranego urządzenia</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Pliki CSV (*.csv);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>The report was saved to %1.</source>
        <translation>Raport zapisano w pliku %1.</translation>
    </message>
    <message>
        <source>Devices done</source>
        <translation>Ukończone urządzenia</translation>
    </message>
    <message>
        <source>&amp;Details:</source>
        <translation>&amp;Szczegóły:</translation>
    </message>
    <message>
        <source>Device Name</source>
        <translation>Nazwa urządzenia</translation>
    </message>
    <message>
        <source>&amp;Tick All</source>
        <translation>&amp;Zaznacz wszystkie</translation>
    </message>
    <message>
        <source>&amp;Paste Addresses</source>
        <translation>W&amp;klej adresy</translation>
    </message>
    <message>
        <source>Add from &amp;File...</source>
        <translation>Dodaj z &amp;pliku...</translation>
    </message>
    <message>
        <source>Sen&amp;d to the Picked Devices...</source>
        <translation>&amp;Wyślij do wybranych urządzeń...</translation>
    </message>
    <message>
        <source>Address lists (*.txt);;All files (*)</source>
        <translation>Listy adresów (*.txt);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>%1 addresses added and ticked.</source>
        <translation>Dodano i zaznaczono adresy: %1.</translation>
    </message>
    <message>
        <source>Tick the devices to send to in Find Devices first (or select them, or paste a list of addresses).</source>
        <translation>Najpierw zaznacz urządzenia docelowe w oknie „Znajdź urządzenia” (albo je wybierz lub wklej listę adresów).</translation>
    </message>
    <message>
        <source>Send to the Picked Devices...</source>
        <translation>Wyślij do wybranych urządzeń...</translation>
    </message>
    <message>
        <source>Load the configuration from a device first: the pages&apos; settings as they then stand are what is sent.</source>
        <translation>Najpierw odczytaj konfigurację z urządzenia: wysłane zostaną ustawienia w takiej postaci, w jakiej będą wtedy widoczne na kartach.</translation>
    </message>
    <message>
        <source>Report Not Saved</source>
        <translation>Raport niezapisany</translation>
    </message>
    <message>
        <source>Sending: %1 of %2 devices done.</source>
        <translation>Wysyłanie: ukończono %1 z %2 urządzeń.</translation>
    </message>
    <message>
        <source>The clipboard holds no addresses: copy a list with one address a line.</source>
        <translation>Schowek nie zawiera adresów: skopiuj listę z jednym adresem w wierszu.</translation>
    </message>
    <message>
        <source>Cancelling: no more devices start; the %1 under way finish first.</source>
        <translation>Anulowanie: kolejne urządzenia nie będą rozpoczynane; najpierw zostaną dokończone trwające (%1).</translation>
    </message>
    <message>
        <source>Sent %1 and the apply command, then the device did not answer: it may hold the new values or the old.</source>
        <translation>Wysłano %1 i polecenie zastosowania, po czym urządzenie nie odpowiedziało: może mieć nowe albo stare wartości.</translation>
    </message>
    <message>
        <source>The device address and the range to search could not be saved in %1 (the disk may be full, or the file or its folder cannot be written), so they will not be remembered at the next start. This is said once until a save of them succeeds again.</source>
        <translation>Nie udało się zapisać adresu urządzenia i zakresu wyszukiwania w %1 (dysk może być pełny albo nie można zapisywać w pliku lub jego folderze), więc nie zostaną zapamiętane przy następnym uruchomieniu. Ten komunikat pojawia się tylko raz, dopóki ich zapis znów się nie powiedzie.</translation>
    </message>
    <message>
        <source>Settings Not Remembered</source>
        <translation>Ustawienia niezapamiętane</translation>
    </message>
    <message>
        <source>The device applied the settings, but settings that were not sent read otherwise after the apply than at the load: %1. An earlier write may have left values waiting on the device, which any apply commits, or another program changed them.

Load the configuration to see what the device holds.</source>
        <translation>Urządzenie zastosowało ustawienia, ale ustawienia, których nie wysłano, mają po zastosowaniu inne wartości niż przy odczycie: %1. Wcześniejszy zapis mógł pozostawić w urządzeniu oczekujące wartości, które zatwierdza każde zastosowanie, albo zmienił je inny program.

Odczytaj konfigurację, aby zobaczyć, co zawiera urządzenie.</translation>
    </message>
    <message>
        <source>Settings that were not sent read otherwise after the apply (an earlier write may have left values waiting on the device, which any apply commits): %1.</source>
        <translation>Ustawienia, których nie wysłano, mają po zastosowaniu inne wartości (wcześniejszy zapis mógł pozostawić w urządzeniu oczekujące wartości, które zatwierdza każde zastosowanie): %1.</translation>
    </message>
    <message>
        <source>The device now answers at its new address, %1, where the settings were read back: the address field shows it.</source>
        <translation>Urządzenie odpowiada teraz pod nowym adresem %1, pod którym wykonano odczyt kontrolny ustawień; ten adres jest widoczny w polu adresu.</translation>
    </message>
    <message>
        <source>The device was not verified: %1.

The address field is left as it was. Find Devices searches a range of addresses for it.</source>
        <translation>Urządzenia nie zweryfikowano: %1.

Pole adresu pozostało bez zmian. Funkcja „Znajdź urządzenia” przeszuka zakres adresów, aby je odnaleźć.</translation>
    </message>
    <message>
        <source>The settings were applied, and they move the device: looking for it at %1</source>
        <translation>Ustawienia zostały zastosowane i przenoszą urządzenie: wyszukiwanie go pod %1</translation>
    </message>
    <message>
        <source>&amp;IP address and mask from an address plan, not as each device holds them (DHCP off; the pages hold %1 / %2):</source>
        <translation>&amp;Adres IP i maska z planu adresacji, a nie z poszczególnych urządzeń (DHCP wyłączone; na kartach: %1 / %2):</translation>
    </message>
    <message>
        <source>Applied, Not Seen</source>
        <translation>Zastosowane, nieodnalezione</translation>
    </message>
    <message>
        <source>Read back at its new address, %1.</source>
        <translation>Odczyt kontrolny pod nowym adresem %1.</translation>
    </message>
    <message>
        <source>Now At</source>
        <translation>Obecny adres</translation>
    </message>
    <message>
        <source>%1, %2 applied but not seen since</source>
        <translation>%1, zastosowane, ale nieodnalezione: %2</translation>
    </message>
    <message>
        <source>Count &amp;upward from:</source>
        <translation>&amp;Kolejne adresy od:</translation>
    </message>
    <message>
        <source>From a &amp;list: a line for each device, its serial number or current address, then its new address</source>
        <translation>Z &amp;listy: wiersz dla każdego urządzenia – jego numer seryjny lub bieżący adres, a następnie nowy adres</translation>
    </message>
    <message>
        <source>Load Plan from &amp;File...</source>
        <translation>Wczytaj plan z &amp;pliku...</translation>
    </message>
    <message>
        <source>First address of the plan</source>
        <translation>Pierwszy adres planu</translation>
    </message>
    <message>
        <source>Address plan list</source>
        <translation>Lista planu adresacji</translation>
    </message>
    <message>
        <source>mask %1 (from the pages)</source>
        <translation>maska %1 (z kart)</translation>
    </message>
    <message>
        <source>Planned &amp;addresses:</source>
        <translation>Planowane adr&amp;esy:</translation>
    </message>
    <message>
        <source>Each device with its planned address</source>
        <translation>Każde urządzenie z planowanym adresem</translation>
    </message>
    <message>
        <source>Planned Address</source>
        <translation>Planowany adres</translation>
    </message>
    <message>
        <source>Looking for devices that already answer at the planned addresses...</source>
        <translation>Wyszukiwanie urządzeń, które już odpowiadają pod planowanymi adresami...</translation>
    </message>
    <message>
        <source>&amp;Language...</source>
        <translation>&amp;Język...</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>&amp;Show the window in:</source>
        <translation>&amp;Język okna:</translation>
    </message>
    <message>
        <source>The language of the system</source>
        <translation>Język systemu</translation>
    </message>
    <message>
        <source>The window is shown in the chosen language from its next start.</source>
        <translation>Okno będzie wyświetlane w wybranym języku od następnego uruchomienia.</translation>
    </message>
    <message>
        <source>The language could not be saved in %1, so the window will not be shown in it at the next start.</source>
        <translation>Nie udało się zapisać języka w %1, więc po następnym uruchomieniu okno nie będzie w nim wyświetlane.</translation>
    </message>
    <message>
        <source>Chec&amp;k the Picked Devices...</source>
        <translation>Sp&amp;rawdź wybrane urządzenia...</translation>
    </message>
    <message>
        <source>Check the picked devices: read each and compare it with the pages&apos; settings, sending nothing</source>
        <translation>Sprawdź wybrane urządzenia: odczytaj każde i porównaj z ustawieniami z kart, niczego nie wysyłając</translation>
    </message>
    <message>
        <source>Check the Picked Devices...</source>
        <translation>Sprawdź wybrane urządzenia...</translation>
    </message>
    <message>
        <source>Tick the devices to check in Find Devices first (or select them, or paste a list of addresses).</source>
        <translation>Najpierw zaznacz urządzenia do sprawdzenia w oknie „Znajdź urządzenia” (albo je wybierz lub wklej listę adresów).</translation>
    </message>
    <message>
        <source>Load the configuration from a device first: the devices are compared with the pages&apos; settings as they then stand.</source>
        <translation>Najpierw odczytaj konfigurację z urządzenia: urządzenia zostaną porównane z ustawieniami w takiej postaci, w jakiej będą wtedy widoczne na kartach.</translation>
    </message>
    <message>
        <source>Check the Picked Devices</source>
        <translation>Sprawdź wybrane urządzenia</translation>
    </message>
    <message>
        <source>Checking %1 Devices</source>
        <translation>Sprawdzanie urządzeń (%1)</translation>
    </message>
    <message>
        <source>matches</source>
        <translation>zgodne</translation>
    </message>
    <message>
        <source>differs</source>
        <translation>niezgodne</translation>
    </message>
    <message>
        <source>%1 matching, %2 differing, %3 failed</source>
        <translation>zgodne: %1, niezgodne: %2, nieudane: %3</translation>
    </message>
    <message>
        <source>Checking: %1 of %2 devices done.</source>
        <translation>Sprawdzanie: ukończono %1 z %2 urządzeń.</translation>
    </message>
    <message>
        <source>Differing Settings</source>
        <translation>Niezgodne ustawienia</translation>
    </message>
    <message>
        <source>%1: the device holds &quot;%2&quot;, the pages &quot;%3&quot;</source>
        <translation>%1: w urządzeniu „%2”, na kartach „%3”</translation>
    </message>
    <message>
        <source>%1: differs</source>
        <translation>%1: różni się</translation>
    </message>
    <message>
        <source>Cancelled before it started: it was not read.</source>
        <translation>Anulowano przed rozpoczęciem: nie odczytano go.</translation>
    </message>
    <message>
        <source>Each device is read and compared with these settings of the pages, and is sent nothing: %1. Each device&apos;s own settings are not compared: %2.</source>
        <translation>Każde urządzenie jest odczytywane (nic nie jest do niego wysyłane) i porównywane z tymi ustawieniami z kart: %1. Własne ustawienia poszczególnych urządzeń nie są porównywane: %2.</translation>
    </message>
    <message>
        <source>Save Rec&amp;ord...</source>
        <translation>Zapisz p&amp;rotokół...</translation>
    </message>
    <message>
        <source>Commissioning Record</source>
        <translation>Protokół uruchomienia</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Operacja</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Data i godzina</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Strefa czasowa</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notatka</translation>
    </message>
    <message>
        <source>SHA-256 of %1: %2</source>
        <translation>SHA-256 pliku %1: %2</translation>
    </message>
    <message>
        <source>The JSON file named above holds this record as data. sha256sum prints its SHA-256: any other value than the one above means the file was changed after the record was made.</source>
        <translation>Wymieniony powyżej plik JSON zawiera ten protokół w postaci danych. sha256sum wypisuje jego SHA-256: każda wartość inna niż podana powyżej oznacza, że plik zmieniono po sporządzeniu protokołu.</translation>
    </message>
    <message>
        <source>Device %1 of %2: %3</source>
        <translation>Urządzenie %1 z %2: %3</translation>
    </message>
    <message>
        <source>Read back at</source>
        <translation>Adres odczytu kontrolnego</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>Why</source>
        <translation>Przyczyna</translation>
    </message>
    <message>
        <source>Every setting as read back</source>
        <translation>Wszystkie ustawienia według odczytu</translation>
    </message>
    <message>
        <source>No setting was read from this device.</source>
        <translation>Z tego urządzenia nie odczytano żadnego ustawienia.</translation>
    </message>
    <message>
        <source>Verified after the apply</source>
        <translation>Zweryfikowane po zastosowaniu</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>tak</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nie</translation>
    </message>
    <message>
        <source>What this run changed</source>
        <translation>Zmiany wprowadzone przez tę operację</translation>
    </message>
    <message>
        <source>This run changed no setting of this device.</source>
        <translation>Ta operacja nie zmieniła żadnego ustawienia tego urządzenia.</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Przed</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Po</translation>
    </message>
    <message>
        <source>Settings that differ from those compared</source>
        <translation>Ustawienia niezgodne z porównywanymi</translation>
    </message>
    <message>
        <source>Every setting compared matches.</source>
        <translation>Wszystkie porównane ustawienia są zgodne.</translation>
    </message>
    <message>
        <source>The device holds</source>
        <translation>Wartość w urządzeniu</translation>
    </message>
    <message>
        <source>Compared with</source>
        <translation>Wartość porównywana</translation>
    </message>
    <message>
        <source>set, not shown</source>
        <translation>ustawione, ukryte</translation>
    </message>
    <message>
        <source>Load from the device</source>
        <translation>Odczyt z urządzenia</translation>
    </message>
    <message>
        <source>Save to the device</source>
        <translation>Zapis w urządzeniu</translation>
    </message>
    <message>
        <source>Send to many devices</source>
        <translation>Wysyłanie do wielu urządzeń</translation>
    </message>
    <message>
        <source>Check against settings, nothing sent</source>
        <translation>Sprawdzenie zgodności z ustawieniami, nic nie wysłano</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Kopia zapasowa (backup)</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Przywracanie (restore)</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Ustawianie (set)</translation>
    </message>
    <message>
        <source>read</source>
        <translation>odczytane</translation>
    </message>
    <message>
        <source>not read</source>
        <translation>nie odczytano</translation>
    </message>
    <message>
        <source>Save Record</source>
        <translation>Zapis protokołu</translation>
    </message>
    <message>
        <source>&amp;Note for the record (who, where, what was done):</source>
        <translation>&amp;Notatka do protokołu (kto, gdzie, co zrobiono):</translation>
    </message>
    <message>
        <source>PDF files (*.pdf);;All files (*)</source>
        <translation>Pliki PDF (*.pdf);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>The record was saved to %1, and its JSON document beside it to %2.

SHA-256 of %3: %4</source>
        <translation>Protokół zapisano w pliku %1, a obok niego dokument JSON w pliku %2.

SHA-256 pliku %3: %4</translation>
    </message>
    <message>
        <source>Record Not Saved</source>
        <translation>Protokół niezapisany</translation>
    </message>
    <message>
        <source>%1

Neither file of the record was written: files of those names are as they were.</source>
        <translation>%1

Nie zapisano żadnego z plików protokołu: pliki o tych nazwach pozostały bez zmian.</translation>
    </message>
    <message>
        <source>%1

The JSON document was written to %2, but the PDF was not.</source>
        <translation>%1

Dokument JSON zapisano w pliku %2, ale pliku PDF nie.</translation>
    </message>
    <message>
        <source>Save a commissioning record of what was read back, as PDF and JSON</source>
        <translation>Zapisz protokół uruchomienia z odczytanymi ustawieniami jako PDF i JSON</translation>
    </message>
    <message>
        <source>Note for the record</source>
        <translation>Notatka do protokołu</translation>
    </message>
    <message>
        <source>Usage: %1 --record-pdf RECORD.json OUT.pdf</source>
        <translation>Użycie: %1 --record-pdf RECORD.json OUT.pdf</translation>
    </message>
    <message>
        <source>%1: no PDF was made of it. %2</source>
        <translation>%1: nie utworzono z niego pliku PDF. %2</translation>
    </message>
    <message>
        <source>%1 No PDF was made.</source>
        <translation>%1 Nie utworzono pliku PDF.</translation>
    </message>
    <message>
        <source>%1 already exists and is not the record beside this PDF (a settings file, say).

Replace it with the record&apos;s JSON document?</source>
        <translation>%1 już istnieje i nie jest protokołem należącym do tego pliku PDF (może to być np. plik ustawień).

Zastąpić go dokumentem JSON protokołu?</translation>
    </message>
    <message>
        <source>Devices in this record</source>
        <translation>Urządzenia w tym protokole</translation>
    </message>
</context>
<context>
    <name>Templates</name>
    <message>
        <source>About TolvoConfig</source>
        <translation>O programie TolvoConfig</translation>
    </message>
    <message>
        <source>Program icon</source>
        <translation>Ikona programu</translation>
    </message>
    <message>
        <source>Tolvo-S Configuration Utility, Version 1.0</source>
        <translation>Narzędzie konfiguracyjne Tolvo-S, wersja 1.0</translation>
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
        <translation>Konfiguracja Tolvo-S - Halvane</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Tolvo&apos;s IP address:</source>
        <translation>Adres IP Tolvo:</translation>
    </message>
    <message>
        <source>Load Configuration</source>
        <translation>Odczytaj konfigurację</translation>
    </message>
    <message>
        <source>Save Configuration</source>
        <translation>Zapisz konfigurację</translation>
    </message>
    <message>
        <source>Find Devices...</source>
        <translation>Znajdź urządzenia...</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>Importuj...</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Eksportuj...</translation>
    </message>
    <message>
        <source>Serial Number:</source>
        <translation>Numer seryjny:</translation>
    </message>
    <message>
        <source>Firmware Version:</source>
        <translation>Wersja firmware:</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>Adres IP:</translation>
    </message>
    <message>
        <source>IP mask:</source>
        <translation>Maska IP:</translation>
    </message>
    <message>
        <source>SSID:</source>
        <translation>SSID:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Hasło:</translation>
    </message>
    <message>
        <source>Wi-Fi channel:</source>
        <translation>Kanał Wi-Fi:</translation>
    </message>
    <message>
        <source>Transmission Power:</source>
        <translation>Moc nadawania:</translation>
    </message>
    <message>
        <source>Network Type:</source>
        <translation>Typ sieci:</translation>
    </message>
    <message>
        <source>Network type</source>
        <translation>Typ sieci</translation>
    </message>
    <message>
        <source>Access Point</source>
        <translation>Access Point</translation>
    </message>
    <message>
        <source>Infrastracture</source>
        <translation>Infrastruktura</translation>
    </message>
    <message>
        <source>DHCP mode</source>
        <translation>Tryb DHCP</translation>
    </message>
    <message>
        <source>DHCP Disabled</source>
        <translation>DHCP wyłączone</translation>
    </message>
    <message>
        <source>DHCP Enabled</source>
        <translation>DHCP włączone</translation>
    </message>
    <message>
        <source>DHCP Access Point</source>
        <translation>DHCP Access Point</translation>
    </message>
    <message>
        <source>Device Name:</source>
        <translation>Nazwa urządzenia:</translation>
    </message>
    <message>
        <source>Port 0 connect to:</source>
        <translation>Port 0 połączony z:</translation>
    </message>
    <message>
        <source>Port 0 connection</source>
        <translation>Połączenie portu 0</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Konfiguracja</translation>
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
        <translation>Brak połączenia</translation>
    </message>
    <message>
        <source>TCP/IP Port:</source>
        <translation>Port TCP/IP:</translation>
    </message>
    <message>
        <source>Port 0 TCP/IP port</source>
        <translation>Port TCP/IP portu 0</translation>
    </message>
    <message>
        <source>Port 1 connect to:</source>
        <translation>Port 1 połączony z:</translation>
    </message>
    <message>
        <source>Port 1 connection</source>
        <translation>Połączenie portu 1</translation>
    </message>
    <message>
        <source>Port 1 TCP/IP port</source>
        <translation>Port TCP/IP portu 1</translation>
    </message>
    <message>
        <source>Port 2 connect to:</source>
        <translation>Port 2 połączony z:</translation>
    </message>
    <message>
        <source>Port 2 connection</source>
        <translation>Połączenie portu 2</translation>
    </message>
    <message>
        <source>Port 2 TCP/IP port</source>
        <translation>Port TCP/IP portu 2</translation>
    </message>
    <message>
        <source>Baudrate:</source>
        <translation>Prędkość:</translation>
    </message>
    <message>
        <source>Data Bits:</source>
        <translation>Bity danych:</translation>
    </message>
    <message>
        <source>Stop Bits:</source>
        <translation>Bity stopu:</translation>
    </message>
    <message>
        <source>Parity:</source>
        <translation>Parzystość:</translation>
    </message>
    <message>
        <source>RS232 baud rate</source>
        <translation>Prędkość transmisji RS232</translation>
    </message>
    <message>
        <source>RS232 data bits</source>
        <translation>Bity danych RS232</translation>
    </message>
    <message>
        <source>RS232 stop bits</source>
        <translation>Bity stopu RS232</translation>
    </message>
    <message>
        <source>RS232 parity</source>
        <translation>Parzystość RS232</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Brak</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Nieparzysta</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Parzysta</translation>
    </message>
    <message>
        <source>DIRECT baud rate</source>
        <translation>Prędkość transmisji DIRECT</translation>
    </message>
    <message>
        <source>DIRECT data bits</source>
        <translation>Bity danych DIRECT</translation>
    </message>
    <message>
        <source>DIRECT stop bits</source>
        <translation>Bity stopu DIRECT</translation>
    </message>
    <message>
        <source>DIRECT parity</source>
        <translation>Parzystość DIRECT</translation>
    </message>
</context>
</TS>
