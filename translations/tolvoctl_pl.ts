<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>tolvoctl</name>
    <message>
        <source>Reads all 25 settings, or the keys named, and prints KEY=VALUE lines (with a line &quot;# ADDRESS&quot; before each device&apos;s when there are several). Values that break a rule are shown as they are, and said so on stderr.</source>
        <translation>Odczytuje wszystkie 25 ustawień albo podane klucze i wypisuje wiersze KEY=VALUE (przy kilku urządzeniach przed wierszami każdego z nich wiersz &quot;# ADDRESS&quot;). Wartości naruszające regułę są pokazywane bez zmian, a informacja o tym trafia na stderr.</translation>
    </message>
    <message>
        <source>Saves the 23 writable settings to a file. With one address PATH is the file, unless it is a folder or ends with a slash; with several, or with --history, it is a folder, with one file per device named by its serial number.</source>
        <translation>Zapisuje do pliku 23 ustawienia dostępne do zapisu. Przy jednym adresie PATH jest plikiem, chyba że jest folderem lub kończy się ukośnikiem; przy kilku adresach albo z --history jest folderem, z jednym plikiem na urządzenie, nazwanym jego numerem seryjnym.</translation>
    </message>
    <message>
        <source>Checks a settings file without any device.</source>
        <translation>Sprawdza plik ustawień bez łączenia się z urządzeniem.</translation>
    </message>
    <message>
        <source>Reads the device and prints each setting that differs from the file; or compares two files. A file may be SERIAL@VERSION: that device&apos;s file at a version (a commit, or HEAD~1 and the like) of a folder kept by &quot;backup --history&quot; (see --dir). Exit status 0 when nothing differs, 1 when something does.</source>
        <translation>Odczytuje urządzenie i wypisuje każde ustawienie, które różni się od pliku, albo porównuje dwa pliki. Plik można podać jako SERIAL@VERSION: plik tego urządzenia w danej wersji (commit, HEAD~1 itp.) folderu prowadzonego przez &quot;backup --history&quot; (zob. --dir). Kod wyjścia 0, gdy nie ma różnic, 1, gdy są.</translation>
    </message>
    <message>
        <source>Checks the file, reads each device, sends the file&apos;s settings and the apply command, reads every setting back and reports each one the device did not keep. FILE &quot;-&quot; reads the settings document from standard input, so that a password needs neither a command line nor a file.</source>
        <translation>Sprawdza plik, odczytuje każde urządzenie, wysyła ustawienia z pliku i polecenie zastosowania, ponownie odczytuje wszystkie ustawienia i zgłasza każde, którego urządzenie nie zachowało. FILE &quot;-&quot; wczytuje dokument z ustawieniami ze standardowego wejścia, dzięki czemu hasło nie musi trafiać ani do wiersza poleceń, ani do pliku.</translation>
    </message>
    <message>
        <source>Sends the settings given and the apply command, and reads them back, as restore does.</source>
        <translation>Wysyła podane ustawienia i polecenie zastosowania, po czym ponownie je odczytuje, tak jak restore.</translation>
    </message>
    <message>
        <source>Tries the command service on every address of the ranges (A.B.C.D/N or FIRST-LAST, at most 4096 in all) and prints the serial number and firmware version of each device that answers.</source>
        <translation>Sprawdza usługę poleceń pod każdym adresem z podanych zakresów (A.B.C.D/N lub FIRST-LAST, łącznie najwyżej 4096) i wypisuje numer seryjny oraz wersję firmware każdego urządzenia, które odpowie.</translation>
    </message>
    <message>
        <source>Lists the versions of one device&apos;s file in a folder kept by &quot;backup --history&quot;: commit, time and the settings that changed.</source>
        <translation>Wyświetla wersje pliku jednego urządzenia w folderze prowadzonym przez &quot;backup --history&quot;: commit, czas i zmienione ustawienia.</translation>
    </message>
    <message>
        <source>Keeps PATH as a folder under version control (git): one file per serial number, and a commit for each backup that changed something.</source>
        <translation>Prowadzi PATH jako folder pod kontrolą wersji (git): jeden plik na numer seryjny i commit dla każdej kopii zapasowej, która coś zmieniła.</translation>
    </message>
    <message>
        <source>The folder kept by &quot;backup --history&quot; where SERIAL@VERSION is read (default: the current folder).</source>
        <translation>Folder prowadzony przez &quot;backup --history&quot;, z którego odczytywane jest SERIAL@VERSION (domyślnie: bieżący folder).</translation>
    </message>
    <message>
        <source>Machine output: one JSON document on stdout.</source>
        <translation>Wyjście maszynowe: jeden dokument JSON na stdout.</translation>
    </message>
    <message>
        <source>Bound on each wait, in ms (default 5000; scan: 1000).</source>
        <translation>Maksymalny czas każdego oczekiwania w ms (domyślnie 5000; scan: 1000).</translation>
    </message>
    <message>
        <source>Writes each device&apos;s exchange to stderr when it ends: every command and reply with its time, bytes escaped, the password&apos;s value masked.</source>
        <translation>Po zakończeniu pracy z każdym urządzeniem wypisuje na stderr przebieg komunikacji: każde polecenie i odpowiedź z czasem, bajty specjalne w postaci sekwencji ucieczki, wartość hasła zamaskowana.</translation>
    </message>
    <message>
        <source>The command service&apos;s TCP port (default 4070).</source>
        <translation>Port TCP usługi poleceń (domyślnie 4070).</translation>
    </message>
    <message>
        <source>The file, or the folder (with several devices, with --history, or when PATH is a folder or ends with a slash).</source>
        <translation>Plik albo folder (przy kilku urządzeniach, z --history lub gdy PATH jest folderem albo kończy się ukośnikiem).</translation>
    </message>
    <message>
        <source>Overwrite files that exist in the folder.</source>
        <translation>Nadpisuj pliki istniejące w folderze.</translation>
    </message>
    <message>
        <source>Print what would be sent, byte for byte but for the password&apos;s value, which shows as asterisks; send nothing (with --only-changed the devices are read).</source>
        <translation>Wypisz, co zostałoby wysłane, bajt po bajcie, z wyjątkiem wartości hasła, pokazanej jako gwiazdki; nic nie wysyłaj (z --only-changed urządzenia są odczytywane).</translation>
    </message>
    <message>
        <source>Send only the settings that differ on the device.</source>
        <translation>Wysyłaj tylko ustawienia, które w urządzeniu mają inną wartość.</translation>
    </message>
    <message>
        <source>As in the usage line above.</source>
        <translation>Jak w wierszu użycia powyżej.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no command; &quot;tolvoctl --help&quot; lists them.</source>
        <translation>„%1” nie jest poleceniem; listę poleceń wyświetla &quot;tolvoctl --help&quot;.</translation>
    </message>
    <message>
        <source>--%1 takes a whole number from %2 to %3.</source>
        <translation>--%1 przyjmuje liczbę całkowitą od %2 do %3.</translation>
    </message>
    <message>
        <source>No device address given (there is no default): give ADDRESS or --hosts FILE.</source>
        <translation>Nie podano adresu urządzenia (nie ma adresu domyślnego): podaj ADDRESS lub --hosts FILE.</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>standardowe wejście</translation>
    </message>
    <message>
        <source>%1 is not valid; nothing was sent.</source>
        <translation>%1: dane niepoprawne; nic nie wysłano.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither an address nor a setting&apos;s key.</source>
        <translation>„%1” nie jest ani adresem, ani kluczem ustawienia.</translation>
    </message>
    <message>
        <source>backup needs -o PATH.</source>
        <translation>backup wymaga -o PATH.</translation>
    </message>
    <message>
        <source>Cannot make the folder %1.</source>
        <translation>Nie można utworzyć folderu %1.</translation>
    </message>
    <message>
        <source>check takes one FILE.</source>
        <translation>check przyjmuje jeden argument FILE.</translation>
    </message>
    <message>
        <source>diff takes ADDRESS and FILE, or two FILEs (a FILE may be SERIAL@VERSION).</source>
        <translation>diff przyjmuje ADDRESS i FILE albo dwa argumenty FILE (FILE można podać jako SERIAL@VERSION).</translation>
    </message>
    <message>
        <source>diff compares one device with a file.</source>
        <translation>diff porównuje jedno urządzenie z plikiem.</translation>
    </message>
    <message>
        <source>restore takes ADDRESS... and FILE.</source>
        <translation>restore przyjmuje ADDRESS... i FILE.</translation>
    </message>
    <message>
        <source>set takes ADDRESS... and KEY=VALUE....</source>
        <translation>set przyjmuje ADDRESS... i KEY=VALUE....</translation>
    </message>
    <message>
        <source>%1 Nothing was sent.</source>
        <translation>%1 Nic nie wysłano.</translation>
    </message>
    <message>
        <source>scan takes RANGE....</source>
        <translation>scan przyjmuje RANGE....</translation>
    </message>
    <message>
        <source>%1: value &quot;%2&quot; breaks the rule; %3</source>
        <translation>%1: wartość „%2” narusza regułę; %3</translation>
    </message>
    <message>
        <source>%1 of %2 devices</source>
        <translation>%1 z %2 urządzeń</translation>
    </message>
    <message>
        <source>1 setting</source>
        <translation>1 ustawienie</translation>
    </message>
    <message>
        <source>%1 settings</source>
        <translation>ustawienia (%1)</translation>
    </message>
    <message>
        <source>%1 of %2 devices succeeded.</source>
        <translation>Powodzenie: %1 z %2 urządzeń.</translation>
    </message>
    <message>
        <source>%1 of %2 devices read.</source>
        <translation>Odczytano %1 z %2 urządzeń.</translation>
    </message>
    <message>
        <source>another device has the serial number &quot;%1&quot;; %2 was not written</source>
        <translation>inne urządzenie ma numer seryjny „%1”; nie zapisano %2</translation>
    </message>
    <message>
        <source>%1 exists; not overwritten (--force overwrites)</source>
        <translation>%1 już istnieje; nie nadpisano (--force nadpisuje)</translation>
    </message>
    <message>
        <source>%1 holds the backup of another device (serial number &quot;%2&quot;); not overwritten</source>
        <translation>%1 zawiera kopię zapasową innego urządzenia (numer seryjny „%2”); nie nadpisano</translation>
    </message>
    <message>
        <source>saved %1 to %2</source>
        <translation>zapisano %1 w %2</translation>
    </message>
    <message>
        <source>%1: valid, %2 settings.</source>
        <translation>%1: bez błędów, liczba ustawień: %2.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; in %3, &quot;%4&quot; in %5</source>
        <translation>%1: „%2” w %3, „%4” w %5</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; in %3, not in %4</source>
        <translation>%1: „%2” w %3, brak w %4</translation>
    </message>
    <message>
        <source>%1: not in %2, &quot;%3&quot; in %4</source>
        <translation>%1: brak w %2, „%3” w %4</translation>
    </message>
    <message>
        <source>A history needs the git program, and none was found.</source>
        <translation>Historia wymaga programu git, którego nie znaleziono.</translation>
    </message>
    <message>
        <source>git %1 failed: %2</source>
        <translation>Polecenie git %1 nie powiodło się: %2</translation>
    </message>
    <message>
        <source>exit status %1</source>
        <translation>kod wyjścia %1</translation>
    </message>
    <message>
        <source>git %1 gave output that could not be read, for %2.</source>
        <translation>Polecenie git %1 zwróciło nieczytelne dane wyjściowe dla %2.</translation>
    </message>
    <message>
        <source>git %1 did not finish within %2 seconds.</source>
        <translation>Polecenie git %1 nie zakończyło się w ciągu %2 sekund.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no version of %2: give a commit, or HEAD~1 and the like.</source>
        <translation>„%1” nie jest wersją %2: podaj commit, HEAD~1 itp.</translation>
    </message>
    <message>
        <source>Cannot make the lock file %1.</source>
        <translation>Nie można utworzyć pliku blokady %1.</translation>
    </message>
    <message>
        <source>process %1 on %2</source>
        <translation>proces %1 na %2</translation>
    </message>
    <message>
        <source>%1 is in use by another backup (%2); nothing was read or written.</source>
        <translation>%1 jest zajęty przez inne polecenie backup (%2); nic nie odczytano ani nie zapisano.</translation>
    </message>
    <message>
        <source>%1 is in use by another backup; waiting for it to end (at most %2 minutes).</source>
        <translation>%1 jest zajęty przez inne polecenie backup; oczekiwanie na jego zakończenie (najwyżej %2 min).</translation>
    </message>
    <message>
        <source>History: the files already in the folder, committed first as %1.</source>
        <translation>Historia: pliki, które już były w folderze, najpierw dodano jako commit %1.</translation>
    </message>
    <message>
        <source>History: commit %1 (%2).</source>
        <translation>Historia: commit %1 (%2).</translation>
    </message>
    <message>
        <source>History: nothing changed, no commit.</source>
        <translation>Historia: brak zmian, bez commita.</translation>
    </message>
    <message>
        <source>new</source>
        <translation>nowy</translation>
    </message>
    <message>
        <source>history takes DIR and SERIAL.</source>
        <translation>history przyjmuje DIR i SERIAL.</translation>
    </message>
    <message>
        <source>%1 has no versions of %2.</source>
        <translation>W %1 nie ma wersji %2.</translation>
    </message>
    <message>
        <source>%1: device &quot;%2&quot;, file &quot;%3&quot;</source>
        <translation>%1: urządzenie „%2”, plik „%3”</translation>
    </message>
    <message>
        <source>%1 differs</source>
        <translation>różni się %1</translation>
    </message>
    <message>
        <source>%1 differ</source>
        <translation>różnią się %1</translation>
    </message>
    <message>
        <source>would send</source>
        <translation>zostałoby wysłane</translation>
    </message>
    <message>
        <source>nothing sent (dry run)</source>
        <translation>nic nie wysłano (przebieg próbny)</translation>
    </message>
    <message>
        <source>%1 sent, all kept</source>
        <translation>wysłano %1, wszystkie zachowane</translation>
    </message>
    <message>
        <source>nothing differs, nothing sent</source>
        <translation>brak różnic, nic nie wysłano</translation>
    </message>
    <message>
        <source>%1 sent; NOT KEPT: %2</source>
        <translation>wysłano %1; NIE ZACHOWANO: %2</translation>
    </message>
    <message>
        <source>ADDRESS</source>
        <translation>ADRES</translation>
    </message>
    <message>
        <source>SERIAL NUMBER</source>
        <translation>NUMER SERYJNY</translation>
    </message>
    <message>
        <source>FIRMWARE</source>
        <translation>FIRMWARE</translation>
    </message>
    <message>
        <source>%1 of %2 addresses answered.</source>
        <translation>Odpowiedziało %1 z %2 adresów.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no IPv4 address (four numbers from 0 to 255 joined by dots).</source>
        <translation>„%1” nie jest adresem IPv4 (cztery liczby od 0 do 255 rozdzielone kropkami).</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: a prefix length is 0 to 32.</source>
        <translation>„%1”: długość prefiksu musi wynosić od 0 do 32.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the last address comes before the first.</source>
        <translation>„%1”: ostatni adres poprzedza pierwszy.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no range: give A.B.C.D/N or FIRST-LAST.</source>
        <translation>„%1” nie jest zakresem: podaj A.B.C.D/N lub FIRST-LAST.</translation>
    </message>
    <message>
        <source>A scan takes at most %1 addresses in all.</source>
        <translation>Skanowanie obejmuje łącznie najwyżej %1 adresów.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation>Błąd odczytu (%1): %2.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>Błąd zapisu (%1): %2.</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, wiersz %2: %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no setting: give KEY=VALUE.</source>
        <translation>„%1” nie jest ustawieniem: podaj KEY=VALUE.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no setting that can be written.</source>
        <translation>„%1” nie jest ustawieniem, które można zapisać.</translation>
    </message>
    <message>
        <source>%1: value &quot;%2&quot; is not valid; %3.</source>
        <translation>%1: wartość „%2” jest niepoprawna; %3.</translation>
    </message>
    <message>
        <source>Not JSON: %1 at byte %2.</source>
        <translation>To nie jest JSON: %1 (bajt %2).</translation>
    </message>
    <message>
        <source>Not a settings file: the top level is no JSON object.</source>
        <translation>To nie jest plik ustawień: najwyższy poziom nie jest obiektem JSON.</translation>
    </message>
    <message>
        <source>Not a settings file of format &quot;%1&quot;, version %2.</source>
        <translation>To nie jest plik ustawień w formacie &quot;%1&quot;, wersja %2.</translation>
    </message>
    <message>
        <source>The file has no &quot;settings&quot; object.</source>
        <translation>Plik nie zawiera obiektu &quot;settings&quot;.</translation>
    </message>
    <message>
        <source>%1: no setting of that name can be written.</source>
        <translation>%1: nie ma ustawienia o tej nazwie, które można zapisać.</translation>
    </message>
    <message>
        <source>%1: the value must be a JSON string.</source>
        <translation>%1: wartość musi być łańcuchem JSON.</translation>
    </message>
    <message>
        <source>allowed: %1</source>
        <translation>dozwolone: %1</translation>
    </message>
    <message>
        <source>an IPv4 address: four numbers from 0 to 255 joined by dots</source>
        <translation>adres IPv4: cztery liczby od 0 do 255 rozdzielone kropkami</translation>
    </message>
    <message>
        <source>a whole number from %1 to %2</source>
        <translation>liczba całkowita od %1 do %2</translation>
    </message>
    <message>
        <source>one of %1</source>
        <translation>jedna z wartości: %1</translation>
    </message>
    <message>
        <source>text of at most %1 Latin-1 characters, without line breaks or zero characters</source>
        <translation>tekst o długości najwyżej %1 znaków Latin-1, bez podziałów wierszy i znaków zerowych</translation>
    </message>
    <message>
        <source>connecting</source>
        <translation>nawiązywania połączenia</translation>
    </message>
    <message>
        <source>reading</source>
        <translation>odczytu</translation>
    </message>
    <message>
        <source>sending</source>
        <translation>wysyłania</translation>
    </message>
    <message>
        <source>failed while %1: %2</source>
        <translation>błąd podczas %1: %2</translation>
    </message>
    <message>
        <source>no connection could be made</source>
        <translation>nie udało się nawiązać połączenia</translation>
    </message>
    <message>
        <source>the device did not answer in time</source>
        <translation>urządzenie nie odpowiedziało na czas</translation>
    </message>
    <message>
        <source>the device closed the connection</source>
        <translation>urządzenie zamknęło połączenie</translation>
    </message>
    <message>
        <source>a reply was longer than %1 bytes</source>
        <translation>odpowiedź przekroczyła limit %1 bajtów</translation>
    </message>
    <message>
        <source>a command would be longer than %1 bytes</source>
        <translation>polecenie przekroczyłoby limit %1 bajtów</translation>
    </message>
    <message>
        <source>sending to the device failed</source>
        <translation>wysyłanie do urządzenia nie powiodło się</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>anulowano</translation>
    </message>
    <message>
        <source>the device sent more reply lines than it was asked for; its replies cannot be matched to the settings</source>
        <translation>urządzenie wysłało więcej wierszy odpowiedzi, niż o nie poproszono; nie można przypisać jego odpowiedzi do ustawień</translation>
    </message>
    <message>
        <source>%1: sent &quot;%2&quot;, the device holds &quot;%3&quot;</source>
        <translation>%1: wysłano „%2”, urządzenie ma „%3”</translation>
    </message>
    <message>
        <source>%1 (the apply command was not answered)</source>
        <translation>%1 (brak odpowiedzi na polecenie zastosowania)</translation>
    </message>
    <message>
        <source>Exit status: 0 success; 1 differences found or a read-back did not match; 2 a malformed argument or file (nothing is sent); 3 a device could not be read or written, or a file or the output could not be written.</source>
        <translation>Kod wyjścia: 0 – powodzenie; 1 – znaleziono różnice lub odczyt kontrolny się nie zgadza; 2 – błędny argument lub plik (nic nie jest wysyłane); 3 – nie udało się odczytać lub zapisać urządzenia albo nie udało się zapisać pliku lub wyjścia.</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>standardowe wyjście</translation>
    </message>
    <message>
        <source>History: nothing changed in the files written, no commit.</source>
        <translation>Historia: zapisane pliki się nie zmieniły, bez commita.</translation>
    </message>
    <message>
        <source>Send values that are a device&apos;s error reply (&quot;ERROR&quot; alone or followed by a blank, as a device answers a key it does not know), which restore refuses otherwise: a backup of a device that lacked a setting holds one.</source>
        <translation>Wysyłaj wartości będące odpowiedzią z błędem urządzenia (&quot;ERROR&quot; samodzielnie lub z następującym po nim odstępem – tak urządzenie odpowiada na nieznany klucz), których restore w przeciwnym razie nie wysyła: taką wartość zawiera kopia zapasowa urządzenia, które nie miało danego ustawienia.</translation>
    </message>
    <message>
        <source>%1 The file holds it as the device sent it; restore sends it only with --send-error-replies.</source>
        <translation>%1 Plik zawiera ją w postaci wysłanej przez urządzenie; restore wysyła ją tylko z --send-error-replies.</translation>
    </message>
    <message>
        <source>%1 A restore sends it only with --send-error-replies.</source>
        <translation>%1 Polecenie restore wysyła ją tylko z --send-error-replies.</translation>
    </message>
    <message>
        <source>%1 It is sent only with --send-error-replies.</source>
        <translation>%1 Zostanie wysłana tylko z --send-error-replies.</translation>
    </message>
    <message>
        <source>%1 holds a device&apos;s error reply as a value; nothing was sent.</source>
        <translation>%1 zawiera jako wartość odpowiedź z błędem urządzenia; nic nie wysłano.</translation>
    </message>
    <message>
        <source>%1: value &quot;%2&quot; holds a line break or a zero byte, which would end the command early and send the rest as a command of its own; no value may hold one.</source>
        <translation>%1: wartość „%2” zawiera podział wiersza lub bajt zerowy, który przedwcześnie zakończyłby polecenie, a resztę wysłałby jako osobne polecenie; żadna wartość nie może ich zawierać.</translation>
    </message>
    <message>
        <source>%1: value &quot;%2&quot; is the error reply a device gives for a key it does not know, not a setting.</source>
        <translation>%1: wartość „%2” to odpowiedź z błędem, jaką urządzenie daje na nieznany klucz, a nie ustawienie.</translation>
    </message>
    <message>
        <source>Devices talked to at once (default 16; scan: 64), up to 1000; fewer where this computer&apos;s limit on open files (ulimit -n) leaves room for fewer.</source>
        <translation>Liczba urządzeń obsługiwanych jednocześnie (domyślnie 16; scan: 64), najwyżej 1000; mniej, jeśli limit otwartych plików na tym komputerze (ulimit -n) pozwala tylko na mniej.</translation>
    </message>
    <message>
        <source>Also the addresses in FILE, one a line; # starts a comment. At most 4096 devices in all, and a FILE of at most 1 MiB.</source>
        <translation>Również adresy z pliku FILE, po jednym w wierszu; # rozpoczyna komentarz. Łącznie najwyżej 4096 urządzeń, a FILE najwyżej 1 MiB.</translation>
    </message>
    <message>
        <source>%1 The run stopped: %2 of %3 devices were not tried, and nothing was sent to them.</source>
        <translation>%1 Działanie przerwano: do %2 z %3 urządzeń nie podjęto próby połączenia i nic do nich nie wysłano.</translation>
    </message>
    <message>
        <source>%1 The scan stopped: %2 of %3 addresses were not tried.</source>
        <translation>%1 Skanowanie przerwano: nie sprawdzono %2 z %3 adresów.</translation>
    </message>
    <message>
        <source>This computer could not open another connection: it has too many files and connections open.</source>
        <translation>Ten komputer nie mógł otworzyć kolejnego połączenia: ma otwartych zbyt wiele plików i połączeń.</translation>
    </message>
    <message>
        <source>A program may hold %1 open at once here (ulimit -n).</source>
        <translation>Limit jednocześnie otwartych plików i połączeń programu na tym komputerze: %1 (ulimit -n).</translation>
    </message>
    <message>
        <source>Not tried: nothing was sent to it.</source>
        <translation>Nie podjęto próby: nic do niego nie wysłano.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 KiB, which no settings file is (one of every setting is about 1 KiB).</source>
        <translation>%1: rozmiar przekracza %2 KiB, a żaden plik ustawień nie jest tak duży (plik ze wszystkimi ustawieniami ma ok. 1 KiB).</translation>
    </message>
    <message>
        <source>%1 is larger than %2 KiB, which no list of at most %3 addresses needs to be.</source>
        <translation>%1: rozmiar przekracza %2 KiB, a lista zawierająca najwyżej %3 adresów nie musi być aż tak duża.</translation>
    </message>
    <message>
        <source>At most %1 devices are taken at a time; split the list of addresses.</source>
        <translation>Jednorazowo można podać najwyżej %1 urządzeń; podziel listę adresów.</translation>
    </message>
    <message>
        <source>%1 sent and kept</source>
        <translation>wysłano i zachowano %1</translation>
    </message>
    <message>
        <source>%1; BUT SETTINGS THAT WERE NOT SENT READ OTHERWISE AFTER THE APPLY (any apply commits a value that an earlier, interrupted write left pending on the device): %2</source>
        <translation>%1; ALE NIEWYSŁANE USTAWIENIA MAJĄ PO ZASTOSOWANIU INNE WARTOŚCI (każde zastosowanie zatwierdza wartość, którą wcześniejszy, przerwany zapis pozostawił w urządzeniu jako oczekującą): %2</translation>
    </message>
    <message>
        <source>%1: not sent, but read as &quot;%2&quot; before the apply and &quot;%3&quot; after it</source>
        <translation>%1: nie wysłano, ale odczytano „%2” przed zastosowaniem i „%3” po nim</translation>
    </message>
    <message>
        <source>%1; settings had been sent without the apply command: the device may hold them pending, and its next apply, of any write, commits them</source>
        <translation>%1; ustawienia zostały wysłane bez polecenia zastosowania: urządzenie może je przechowywać jako oczekujące, a jego następne zastosowanie, po dowolnym zapisie, je zatwierdzi</translation>
    </message>
    <message>
        <source>%1 after the settings and the apply command were sent: the device may have applied them, and any value an earlier write left pending on it; read it to see what it holds</source>
        <translation>%1 po wysłaniu ustawień i polecenia zastosowania: urządzenie mogło je zastosować, a wraz z nimi każdą wartość, którą wcześniejszy zapis pozostawił w nim jako oczekującą; odczytaj urządzenie, aby sprawdzić, co zawiera</translation>
    </message>
    <message>
        <source>Usage: tolvoctl COMMAND [options] ...

Commands:
%1
&quot;tolvoctl COMMAND --help&quot; describes a command. Every command that takes ADDRESS takes several, or --hosts FILE; there is no default address. restore and set give many devices each its own static address with an address plan: --plan FILE (a line for each device, its serial number or current address, then its new address) or --plan-first A.B.C.D/N (counted upward in the order of the devices); a plan with one address for several devices, the network or broadcast address, an address outside the subnet, a device or line that does not match, or an address where another device already answers (a device switched off cannot be seen) is refused with exit status 2, and nothing is sent.

%2
</source>
        <translation>Użycie: tolvoctl COMMAND [opcje] ...

Polecenia:
%1
&quot;tolvoctl COMMAND --help&quot; opisuje polecenie. Każde polecenie, które przyjmuje ADDRESS, przyjmuje też kilka adresów albo --hosts FILE; nie ma adresu domyślnego. restore i set nadają wielu urządzeniom osobne adresy statyczne według planu adresacji: --plan FILE (wiersz dla każdego urządzenia: jego numer seryjny lub bieżący adres, a następnie nowy adres) lub --plan-first A.B.C.D/N (adresy rosnące w kolejności urządzeń); plan, który daje jeden adres kilku urządzeniom, zawiera adres sieci lub adres rozgłoszeniowy, adres spoza podsieci, urządzenie lub wiersz bez dopasowania albo adres, pod którym odpowiada już inne urządzenie (wyłączonego urządzenia nie widać), jest odrzucany z kodem wyjścia 2 i nic nie zostaje wysłane.

%2
</translation>
    </message>
    <message>
        <source>Bound on the wait for a device that the settings sent move (a new address, DHCP, another network) to answer again, in ms (default 60000).</source>
        <translation>Maksymalny czas oczekiwania, aż urządzenie przeniesione przez wysłane ustawienia (nowy adres, DHCP, inna sieć) znów odpowie, w ms (domyślnie 60000).</translation>
    </message>
    <message>
        <source>An address plan for the devices: a line for each, its serial number or current address, then its new address (# starts a comment). Each gets its own IPADDRESS, the IPMASK sent and DHCP 0; the plan is checked before anything is sent.</source>
        <translation>Plan adresacji urządzeń: wiersz dla każdego – jego numer seryjny lub bieżący adres, a następnie nowy adres (# rozpoczyna komentarz). Każde otrzymuje własny IPADDRESS, wysyłaną maskę IPMASK i DHCP 0; plan jest sprawdzany przed wysłaniem czegokolwiek.</translation>
    </message>
    <message>
        <source>An address plan counted upward from A.B.C.D in the order of the devices, with the mask of prefix length N: each gets its own IPADDRESS, that IPMASK and DHCP 0; checked before anything is sent.</source>
        <translation>Plan adresacji z adresami rosnącymi od A.B.C.D w kolejności urządzeń, z maską o długości prefiksu N: każde otrzymuje własny IPADDRESS, tę maskę IPMASK i DHCP 0; sprawdzany przed wysłaniem czegokolwiek.</translation>
    </message>
    <message>
        <source>Give --plan or --plan-first, not both.</source>
        <translation>Podaj --plan albo --plan-first, nie obie opcje naraz.</translation>
    </message>
    <message>
        <source>--plan needs the mask among the settings sent (IPMASK=...).</source>
        <translation>--plan wymaga maski wśród wysyłanych ustawień (IPMASK=...).</translation>
    </message>
    <message>
        <source>looking for the device after the apply</source>
        <translation>szukania urządzenia po zastosowaniu</translation>
    </message>
    <message>
        <source>%1; read back at its new address %2</source>
        <translation>%1; odczyt kontrolny pod nowym adresem %2</translation>
    </message>
    <message>
        <source>the settings and the apply command were sent; they move the device to %1, and it answered neither there nor at %2 within %3 seconds: look for it at %1 (it may still be restarting, or that address is not reachable from this computer)</source>
        <translation>wysłano ustawienia i polecenie zastosowania; przenoszą one urządzenie pod adres %1, a nie odpowiedziało ono ani tam, ani pod %2 w ciągu %3 sekund: szukaj go pod %1 (może nadal uruchamiać się ponownie albo ten adres jest nieosiągalny z tego komputera)</translation>
    </message>
    <message>
        <source>the settings and the apply command were sent; they turn DHCP on, and the device did not answer at %1 within %2 seconds: its DHCP server chooses its address; find it with a scan of the site&apos;s addresses</source>
        <translation>wysłano ustawienia i polecenie zastosowania; włączają one DHCP, a urządzenie nie odpowiedziało pod %1 w ciągu %2 sekund: jego adres wybiera serwer DHCP; znajdź je, skanując adresy w obiekcie</translation>
    </message>
    <message>
        <source>the settings and the apply command were sent; they join the device to another network (SSID, password or network type), and it did not answer at %1 within %2 seconds: join that network to reach it, then find it with a scan</source>
        <translation>wysłano ustawienia i polecenie zastosowania; przyłączają one urządzenie do innej sieci (SSID, hasło lub typ sieci), a nie odpowiedziało ono pod %1 w ciągu %2 sekund: połącz się z tą siecią, aby do niego dotrzeć, a potem znajdź je skanowaniem</translation>
    </message>
    <message>
        <source>the settings and the apply command were sent; they join the device to another network (SSID, password or network type) at the address %1, and it answered neither there nor at %2 within %3 seconds: join that network to reach it at %1</source>
        <translation>wysłano ustawienia i polecenie zastosowania; przyłączają one urządzenie do innej sieci (SSID, hasło lub typ sieci) pod adresem %1, a nie odpowiedziało ono ani tam, ani pod %2 w ciągu %3 sekund: połącz się z tą siecią, aby dotrzeć do niego pod %1</translation>
    </message>
    <message>
        <source>the settings and the apply command were sent; another device (serial number &quot;%1&quot;) answers at %2, where this one was looked for after the apply: it was not read back; look for it with a scan, and give the two devices addresses of their own</source>
        <translation>wysłano ustawienia i polecenie zastosowania; pod adresem %2, pod którym szukano tego urządzenia po zastosowaniu, odpowiada inne urządzenie (numer seryjny „%1”): nie wykonano odczytu kontrolnego; znajdź urządzenie skanowaniem i nadaj obu urządzeniom osobne adresy</translation>
    </message>
    <message>
        <source>the settings and the apply command were sent; the device may restart on them, and it did not answer at %1 within %2 seconds</source>
        <translation>wysłano ustawienia i polecenie zastosowania; urządzenie może się po nich uruchamiać ponownie, a nie odpowiedziało pod %1 w ciągu %2 sekund</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 → %2</translation>
    </message>
    <message>
        <source>%1 (no address)</source>
        <translation>%1 (brak adresu)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no first address of a plan: give A.B.C.D/N (the prefix length is the mask).</source>
        <translation>„%1” nie jest pierwszym adresem planu: podaj A.B.C.D/N (długość prefiksu określa maskę).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no line of a plan: give the device&apos;s serial number or current address, then blanks, then its new address.</source>
        <translation>„%1” nie jest wierszem planu: podaj numer seryjny lub bieżący adres urządzenia, następnie odstęp, a potem jego nowy adres.</translation>
    </message>
    <message>
        <source>%1 gives no device an address.</source>
        <translation>%1 nie przydziela adresu żadnemu urządzeniu.</translation>
    </message>
    <message>
        <source>%1 is no mask of a subnet (its ones do not come first).</source>
        <translation>%1 nie jest maską podsieci (jedynki nie są na jej początku).</translation>
    </message>
    <message>
        <source>One address for several devices: %1.</source>
        <translation>Jeden adres dla kilku urządzeń: %1.</translation>
    </message>
    <message>
        <source>%1: the network address of the subnet %2, which no device may have.</source>
        <translation>%1: adres sieci (podsieć %2) – żadne urządzenie nie może go mieć.</translation>
    </message>
    <message>
        <source>%1: the broadcast address of the subnet %2, which no device may have.</source>
        <translation>%1: adres rozgłoszeniowy (podsieć %2) – żadne urządzenie nie może go mieć.</translation>
    </message>
    <message>
        <source>%1: outside the subnet %2 of the mask.</source>
        <translation>%1: poza podsiecią %2 wynikającą z maski.</translation>
    </message>
    <message>
        <source>%1: no line of the plan names this device.</source>
        <translation>%1: żaden wiersz planu nie wskazuje tego urządzenia.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is none of the devices sent to.</source>
        <translation>„%1” nie jest żadnym z urządzeń docelowych.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names a device that an earlier line names too.</source>
        <translation>„%1” wskazuje urządzenie wskazane już we wcześniejszym wierszu.</translation>
    </message>
    <message>
        <source>%1: another device already answers at this address (a device that is switched off cannot be seen).</source>
        <translation>%1: pod tym adresem odpowiada już inne urządzenie (wyłączonego urządzenia nie widać).</translation>
    </message>
    <message>
        <source>The address plan is refused; nothing was sent:</source>
        <translation>Plan adresacji odrzucono; nic nie wysłano:</translation>
    </message>
    <message>
        <source>the plan</source>
        <translation>plan</translation>
    </message>
    <message>
        <source>Messages and help are in the language of --lang LANGUAGE (%1), else of LC_ALL, LC_MESSAGES or LANG, else of the system. --json output is always in English, whatever the language.</source>
        <translation>Komunikaty i pomoc są w języku podanym w --lang LANGUAGE (%1), a bez tej opcji – w języku z LC_ALL, LC_MESSAGES lub LANG, a gdy i tych brak – w języku systemu. Wyjście --json jest zawsze po angielsku, niezależnie od języka.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no language tolvoctl speaks; it speaks %2.</source>
        <translation>„%1” nie jest językiem obsługiwanym przez tolvoctl; dostępne języki: %2.</translation>
    </message>
    <message>
        <source>--lang needs a language, for instance --lang de.</source>
        <translation>--lang wymaga podania języka, na przykład --lang de.</translation>
    </message>
    <message>
        <source>The technician&apos;s note in the record of --record.</source>
        <translation>Notatka technika w protokole z --record.</translation>
    </message>
    <message>
        <source>--note goes into a record: give --record FILE too.</source>
        <translation>--note trafia do protokołu: podaj też --record FILE.</translation>
    </message>
    <message>
        <source>%1; matches: the device holds every value</source>
        <translation>%1; zgodne: urządzenie ma wszystkie wartości</translation>
    </message>
    <message>
        <source>%1; differs: %2</source>
        <translation>%1; niezgodne: %2</translation>
    </message>
    <message>
        <source>Record: %1, SHA-256 %2</source>
        <translation>Protokół: %1, SHA-256 %2</translation>
    </message>
    <message>
        <source>%1 The record was not written; each device&apos;s result stands as reported.</source>
        <translation>%1 Nie zapisano protokołu; wyniki urządzeń pozostają takie, jak je zgłoszono.</translation>
    </message>
    <message>
        <source>the settings and the apply command were sent, but they could not be read back: the device may have applied them; read it to see what it holds</source>
        <translation>wysłano ustawienia i polecenie zastosowania, ale nie udało się ich ponownie odczytać: urządzenie mogło je zastosować; odczytaj urządzenie, aby sprawdzić, co zawiera</translation>
    </message>
    <message>
        <source>Not a commissioning record of format &quot;%1&quot;, version %2.</source>
        <translation>To nie jest protokół uruchomienia w formacie &quot;%1&quot;, wersja %2.</translation>
    </message>
    <message>
        <source>The record&apos;s member %1 is missing or of the wrong type.</source>
        <translation>Element protokołu %1 nie istnieje lub ma niewłaściwy typ.</translation>
    </message>
    <message>
        <source>The record&apos;s member %1 holds &quot;%2&quot;, which a record does not.</source>
        <translation>Element protokołu %1 zawiera wartość „%2”, której protokół nie może zawierać.</translation>
    </message>
    <message>
        <source>The record&apos;s member %1 holds a Wi-Fi password&apos;s value, which a record never does (only &quot;********&quot; or nothing).</source>
        <translation>Element protokołu %1 zawiera wartość hasła Wi-Fi, której protokół nigdy nie zawiera (tylko &quot;********&quot; albo nic).</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MiB, which no record is.</source>
        <translation>%1: rozmiar przekracza %2 MiB, a żaden protokół nie jest tak duży.</translation>
    </message>
    <message>
        <source>Also writes the run&apos;s commissioning record to FILE: for every device its address, serial number, firmware, every setting as read back (the password as asterisks), whether each was verified and what changed, with the time and the note, as JSON; it prints the file&apos;s SHA-256. With --dry-run of restore the devices are read and compared with the file (a check): each matches or differs, and exit status 1 says that one differs.</source>
        <translation>Zapisuje też w pliku FILE protokół uruchomienia z tego działania: dla każdego urządzenia jego adres, numer seryjny, firmware, wszystkie ustawienia według odczytu kontrolnego (hasło jako gwiazdki), informację, czy każde zostało zweryfikowane, i co się zmieniło, wraz z czasem i notatką, w formacie JSON; wypisuje SHA-256 pliku. Z --dry-run polecenia restore urządzenia są odczytywane i porównywane z plikiem (sprawdzenie): każde jest zgodne albo niezgodne, a kod wyjścia 1 oznacza, że któreś jest niezgodne.</translation>
    </message>
    <message>
        <source>%1 matching, %2 differing, %3 failed</source>
        <translation>zgodne: %1, niezgodne: %2, nieudane: %3</translation>
    </message>
    <message>
        <source>it is no regular file (a folder, a device or a pipe)</source>
        <translation>to nie jest zwykły plik (lecz folder, plik urządzenia lub potok)</translation>
    </message>
    <message>
        <source>The record&apos;s member %1 is longer than a record&apos;s ever is (at most %2).</source>
        <translation>Element protokołu %1 jest dłuższy, niż bywa w jakimkolwiek protokole (maksymalnie %2).</translation>
    </message>
    <message>
        <source>%1 is also a file this command reads or writes: a record needs a file of its own.</source>
        <translation>%1 to także plik, który to polecenie odczytuje lub zapisuje: protokół wymaga osobnego pliku.</translation>
    </message>
    <message>
        <source>%1 exists and is no commissioning record: a record replaces only an earlier record.</source>
        <translation>%1 już istnieje i nie jest protokołem uruchomienia: protokół zastępuje tylko wcześniejszy protokół.</translation>
    </message>
</context>
</TS>
