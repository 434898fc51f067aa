<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>tolvoctl</name>
    <message>
        <source>Reads all 25 settings, or the keys named, and prints KEY=VALUE lines (with a line &quot;# ADDRESS&quot; before each device&apos;s when there are several). Values that break a rule are shown as they are, and said so on stderr.</source>
        <translation>Lit les 25 paramètres, ou les clés nommées, et affiche des lignes KEY=VALUE (précédées pour chaque appareil d&apos;une ligne &quot;# ADDRESS&quot; lorsqu&apos;il y en a plusieurs). Les valeurs qui enfreignent une règle sont affichées telles quelles, et signalées sur stderr.</translation>
    </message>
    <message>
        <source>Saves the 23 writable settings to a file. With one address PATH is the file, unless it is a folder or ends with a slash; with several, or with --history, it is a folder, with one file per device named by its serial number.</source>
        <translation>Enregistre les 23 paramètres modifiables dans un fichier. Avec une seule adresse, PATH est le fichier, sauf s&apos;il s&apos;agit d&apos;un dossier ou s&apos;il se termine par une barre oblique&#xa0;; avec plusieurs adresses, ou avec --history, c&apos;est un dossier, avec un fichier par appareil nommé d&apos;après son numéro de série.</translation>
    </message>
    <message>
        <source>Checks a settings file without any device.</source>
        <translation>Vérifie un fichier de paramètres, sans contacter d&apos;appareil.</translation>
    </message>
    <message>
        <source>Reads the device and prints each setting that differs from the file; or compares two files. A file may be SERIAL@VERSION: that device&apos;s file at a version (a commit, or HEAD~1 and the like) of a folder kept by &quot;backup --history&quot; (see --dir). Exit status 0 when nothing differs, 1 when something does.</source>
        <translation>Lit l&apos;appareil et affiche chaque paramètre qui diffère du fichier&#xa0;; ou compare deux fichiers. Un fichier peut être SERIAL@VERSION&#xa0;: le fichier de cet appareil dans une version (un commit, HEAD~1 ou équivalent) d&apos;un dossier géré par &quot;backup --history&quot; (voir --dir). Code de sortie 0 si rien ne diffère, 1 sinon.</translation>
    </message>
    <message>
        <source>Checks the file, reads each device, sends the file&apos;s settings and the apply command, reads every setting back and reports each one the device did not keep. FILE &quot;-&quot; reads the settings document from standard input, so that a password needs neither a command line nor a file.</source>
        <translation>Vérifie le fichier, lit chaque appareil, envoie les paramètres du fichier et la commande d&apos;application, relit tous les paramètres et signale chacun de ceux que l&apos;appareil n&apos;a pas conservés. FILE &quot;-&quot; lit le document de paramètres sur l&apos;entrée standard, pour qu&apos;un mot de passe n&apos;ait à figurer ni sur une ligne de commande ni dans un fichier.</translation>
    </message>
    <message>
        <source>Sends the settings given and the apply command, and reads them back, as restore does.</source>
        <translation>Envoie les paramètres indiqués et la commande d&apos;application, puis les relit, comme le fait restore.</translation>
    </message>
    <message>
        <source>Tries the command service on every address of the ranges (A.B.C.D/N or FIRST-LAST, at most 4096 in all) and prints the serial number and firmware version of each device that answers.</source>
        <translation>Interroge le service de commande à chaque adresse des plages (A.B.C.D/N ou FIRST-LAST, 4096 au plus en tout) et affiche le numéro de série et la version firmware de chaque appareil qui répond.</translation>
    </message>
    <message>
        <source>Lists the versions of one device&apos;s file in a folder kept by &quot;backup --history&quot;: commit, time and the settings that changed.</source>
        <translation>Liste les versions du fichier d&apos;un appareil dans un dossier géré par &quot;backup --history&quot;&#xa0;: commit, heure et paramètres modifiés.</translation>
    </message>
    <message>
        <source>Keeps PATH as a folder under version control (git): one file per serial number, and a commit for each backup that changed something.</source>
        <translation>Gère PATH comme un dossier sous contrôle de version (git)&#xa0;: un fichier par numéro de série, et un commit pour chaque sauvegarde qui a changé quelque chose.</translation>
    </message>
    <message>
        <source>The folder kept by &quot;backup --history&quot; where SERIAL@VERSION is read (default: the current folder).</source>
        <translation>Le dossier géré par &quot;backup --history&quot; dans lequel SERIAL@VERSION est lu (par défaut&#xa0;: le dossier courant).</translation>
    </message>
    <message>
        <source>Machine output: one JSON document on stdout.</source>
        <translation>Sortie pour machine&#xa0;: un document JSON sur stdout.</translation>
    </message>
    <message>
        <source>Bound on each wait, in ms (default 5000; scan: 1000).</source>
        <translation>Durée maximale de chaque attente, en ms (par défaut 5000&#xa0;; scan&#xa0;: 1000).</translation>
    </message>
    <message>
        <source>Writes each device&apos;s exchange to stderr when it ends: every command and reply with its time, bytes escaped, the password&apos;s value masked.</source>
        <translation>Écrit l&apos;échange avec chaque appareil sur stderr quand il se termine&#xa0;: chaque commande et chaque réponse avec son heure, octets échappés, valeur du mot de passe masquée.</translation>
    </message>
    <message>
        <source>The command service&apos;s TCP port (default 4070).</source>
        <translation>Port TCP du service de commande (par défaut 4070).</translation>
    </message>
    <message>
        <source>The file, or the folder (with several devices, with --history, or when PATH is a folder or ends with a slash).</source>
        <translation>Le fichier, ou le dossier (avec plusieurs appareils, avec --history, ou si PATH est un dossier ou se termine par une barre oblique).</translation>
    </message>
    <message>
        <source>Overwrite files that exist in the folder.</source>
        <translation>Écraser les fichiers déjà présents dans le dossier.</translation>
    </message>
    <message>
        <source>Print what would be sent, byte for byte but for the password&apos;s value, which shows as asterisks; send nothing (with --only-changed the devices are read).</source>
        <translation>Afficher ce qui serait envoyé, octet par octet, sauf la valeur du mot de passe, remplacée par des astérisques&#xa0;; ne rien envoyer (avec --only-changed, les appareils sont lus).</translation>
    </message>
    <message>
        <source>Send only the settings that differ on the device.</source>
        <translation>N&apos;envoyer que les paramètres qui diffèrent sur l&apos;appareil.</translation>
    </message>
    <message>
        <source>As in the usage line above.</source>
        <translation>Comme dans la ligne d&apos;utilisation ci-dessus.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no command; &quot;tolvoctl --help&quot; lists them.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une commande&#xa0;; &quot;tolvoctl --help&quot; les liste.</translation>
    </message>
    <message>
        <source>--%1 takes a whole number from %2 to %3.</source>
        <translation>--%1 attend un nombre entier de %2 à %3.</translation>
    </message>
    <message>
        <source>No device address given (there is no default): give ADDRESS or --hosts FILE.</source>
        <translation>Aucune adresse d&apos;appareil indiquée (il n&apos;y en a pas par défaut)&#xa0;: indiquez ADDRESS ou --hosts FILE.</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>entrée standard</translation>
    </message>
    <message>
        <source>%1 is not valid; nothing was sent.</source>
        <translation>%1 n&apos;est pas valide&#xa0;; rien n&apos;a été envoyé.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither an address nor a setting&apos;s key.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est ni une adresse ni la clé d&apos;un paramètre.</translation>
    </message>
    <message>
        <source>backup needs -o PATH.</source>
        <translation>backup nécessite -o PATH.</translation>
    </message>
    <message>
        <source>Cannot make the folder %1.</source>
        <translation>Impossible de créer le dossier %1.</translation>
    </message>
    <message>
        <source>check takes one FILE.</source>
        <translation>check attend un seul FILE.</translation>
    </message>
    <message>
        <source>diff takes ADDRESS and FILE, or two FILEs (a FILE may be SERIAL@VERSION).</source>
        <translation>diff attend ADDRESS et FILE, ou deux FILE (un FILE peut être SERIAL@VERSION).</translation>
    </message>
    <message>
        <source>diff compares one device with a file.</source>
        <translation>diff compare un seul appareil avec un fichier.</translation>
    </message>
    <message>
        <source>restore takes ADDRESS... and FILE.</source>
        <translation>restore attend ADDRESS... et FILE.</translation>
    </message>
    <message>
        <source>set takes ADDRESS... and KEY=VALUE....</source>
        <translation>set attend ADDRESS... et KEY=VALUE....</translation>
    </message>
    <message>
        <source>%1 Nothing was sent.</source>
        <translation>%1 Rien n&apos;a été envoyé.</translation>
    </message>
    <message>
        <source>scan takes RANGE....</source>
        <translation>scan attend RANGE....</translation>
    </message>
    <message>
        <source>%1: value &quot;%2&quot; breaks the rule; %3</source>
        <translation>%1&#xa0;: la valeur «&#xa0;%2&#xa0;» enfreint la règle&#xa0;; %3</translation>
    </message>
    <message>
        <source>%1 of %2 devices</source>
        <translation>appareils&#xa0;: %1 sur %2</translation>
    </message>
    <message>
        <source>1 setting</source>
        <translation>1 paramètre</translation>
    </message>
    <message>
        <source>%1 settings</source>
        <translation>%1 paramètres</translation>
    </message>
    <message>
        <source>%1 of %2 devices succeeded.</source>
        <translation>Réussite pour %1 appareil(s) sur %2.</translation>
    </message>
    <message>
        <source>%1 of %2 devices read.</source>
        <translation>%1 appareil(s) lu(s) sur %2.</translation>
    </message>
    <message>
        <source>another device has the serial number &quot;%1&quot;; %2 was not written</source>
        <translation>un autre appareil a le numéro de série «&#xa0;%1&#xa0;»&#xa0;; %2 n&apos;a pas été écrit</translation>
    </message>
    <message>
        <source>%1 exists; not overwritten (--force overwrites)</source>
        <translation>%1 existe&#xa0;; non écrasé (--force l&apos;écrase)</translation>
    </message>
    <message>
        <source>%1 holds the backup of another device (serial number &quot;%2&quot;); not overwritten</source>
        <translation>%1 contient la sauvegarde d&apos;un autre appareil (numéro de série «&#xa0;%2&#xa0;»)&#xa0;; non écrasé</translation>
    </message>
    <message>
        <source>saved %1 to %2</source>
        <translation>sauvegarde de %1 dans %2</translation>
    </message>
    <message>
        <source>%1: valid, %2 settings.</source>
        <translation>%1&#xa0;: valide, %2 paramètres.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; in %3, &quot;%4&quot; in %5</source>
        <translation>%1&#xa0;: «&#xa0;%2&#xa0;» dans %3, «&#xa0;%4&#xa0;» dans %5</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; in %3, not in %4</source>
        <translation>%1&#xa0;: «&#xa0;%2&#xa0;» dans %3, absent de %4</translation>
    </message>
    <message>
        <source>%1: not in %2, &quot;%3&quot; in %4</source>
        <translation>%1&#xa0;: absent de %2, «&#xa0;%3&#xa0;» dans %4</translation>
    </message>
    <message>
        <source>A history needs the git program, and none was found.</source>
        <translation>Un historique nécessite le programme git, qui est introuvable.</translation>
    </message>
    <message>
        <source>git %1 failed: %2</source>
        <translation>git %1 a échoué&#xa0;: %2</translation>
    </message>
    <message>
        <source>exit status %1</source>
        <translation>code de sortie %1</translation>
    </message>
    <message>
        <source>git %1 gave output that could not be read, for %2.</source>
        <translation>git %1 a produit une sortie illisible, pour %2.</translation>
    </message>
    <message>
        <source>git %1 did not finish within %2 seconds.</source>
        <translation>git %1 ne s&apos;est pas terminé en %2 secondes.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no version of %2: give a commit, or HEAD~1 and the like.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une version de %2&#xa0;: indiquez un commit, HEAD~1 ou équivalent.</translation>
    </message>
    <message>
        <source>Cannot make the lock file %1.</source>
        <translation>Impossible de créer le fichier verrou %1.</translation>
    </message>
    <message>
        <source>process %1 on %2</source>
        <translation>processus %1 sur %2</translation>
    </message>
    <message>
        <source>%1 is in use by another backup (%2); nothing was read or written.</source>
        <translation>%1 est utilisé par une autre sauvegarde (%2)&#xa0;; rien n&apos;a été lu ni écrit.</translation>
    </message>
    <message>
        <source>%1 is in use by another backup; waiting for it to end (at most %2 minutes).</source>
        <translation>%1 est utilisé par une autre sauvegarde&#xa0;; attente de sa fin (%2 minutes au plus).</translation>
    </message>
    <message>
        <source>History: the files already in the folder, committed first as %1.</source>
        <translation>Historique&#xa0;: les fichiers déjà présents dans le dossier, d&apos;abord enregistrés dans le commit %1.</translation>
    </message>
    <message>
        <source>History: commit %1 (%2).</source>
        <translation>Historique&#xa0;: commit %1 (%2).</translation>
    </message>
    <message>
        <source>History: nothing changed, no commit.</source>
        <translation>Historique&#xa0;: aucun changement, pas de commit.</translation>
    </message>
    <message>
        <source>new</source>
        <translation>nouveau</translation>
    </message>
    <message>
        <source>history takes DIR and SERIAL.</source>
        <translation>history attend DIR et SERIAL.</translation>
    </message>
    <message>
        <source>%1 has no versions of %2.</source>
        <translation>%1 ne contient aucune version de %2.</translation>
    </message>
    <message>
        <source>%1: device &quot;%2&quot;, file &quot;%3&quot;</source>
        <translation>%1&#xa0;: appareil «&#xa0;%2&#xa0;», fichier «&#xa0;%3&#xa0;»</translation>
    </message>
    <message>
        <source>%1 differs</source>
        <translation>%1 diffère</translation>
    </message>
    <message>
        <source>%1 differ</source>
        <translation>%1 diffèrent</translation>
    </message>
    <message>
        <source>would send</source>
        <translation>enverrait</translation>
    </message>
    <message>
        <source>nothing sent (dry run)</source>
        <translation>rien envoyé (simulation)</translation>
    </message>
    <message>
        <source>%1 sent, all kept</source>
        <translation>envoi de %1, tout est conservé</translation>
    </message>
    <message>
        <source>nothing differs, nothing sent</source>
        <translation>aucune différence, rien envoyé</translation>
    </message>
    <message>
        <source>%1 sent; NOT KEPT: %2</source>
        <translation>envoi de %1&#xa0;; NON CONSERVÉ&#xa0;: %2</translation>
    </message>
    <message>
        <source>ADDRESS</source>
        <translation>ADRESSE</translation>
    </message>
    <message>
        <source>SERIAL NUMBER</source>
        <translation>NUMÉRO DE SÉRIE</translation>
    </message>
    <message>
        <source>FIRMWARE</source>
        <translation>FIRMWARE</translation>
    </message>
    <message>
        <source>%1 of %2 addresses answered.</source>
        <translation>%1 adresse(s) sur %2 ont répondu.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no IPv4 address (four numbers from 0 to 255 joined by dots).</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une adresse IPv4 (quatre nombres de 0 à 255 séparés par des points).</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: a prefix length is 0 to 32.</source>
        <translation>«&#xa0;%1&#xa0;»&#xa0;: une longueur de préfixe va de 0 à 32.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the last address comes before the first.</source>
        <translation>«&#xa0;%1&#xa0;»&#xa0;: la dernière adresse précède la première.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no range: give A.B.C.D/N or FIRST-LAST.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une plage&#xa0;: indiquez A.B.C.D/N ou FIRST-LAST.</translation>
    </message>
    <message>
        <source>A scan takes at most %1 addresses in all.</source>
        <translation>Un scan porte sur %1 adresses au plus en tout.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation>Impossible de lire %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, ligne %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no setting: give KEY=VALUE.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un paramètre&#xa0;: indiquez KEY=VALUE.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no setting that can be written.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un paramètre modifiable.</translation>
    </message>
    <message>
        <source>%1: value &quot;%2&quot; is not valid; %3.</source>
        <translation>%1&#xa0;: la valeur «&#xa0;%2&#xa0;» n&apos;est pas valide&#xa0;; %3.</translation>
    </message>
    <message>
        <source>Not JSON: %1 at byte %2.</source>
        <translation>Pas du JSON&#xa0;: %1 à l&apos;octet %2.</translation>
    </message>
    <message>
        <source>Not a settings file: the top level is no JSON object.</source>
        <translation>Pas un fichier de paramètres&#xa0;: le niveau supérieur n&apos;est pas un objet JSON.</translation>
    </message>
    <message>
        <source>Not a settings file of format &quot;%1&quot;, version %2.</source>
        <translation>Pas un fichier de paramètres au format «&#xa0;%1&#xa0;», version %2.</translation>
    </message>
    <message>
        <source>The file has no &quot;settings&quot; object.</source>
        <translation>Le fichier n&apos;a pas d&apos;objet &quot;settings&quot;.</translation>
    </message>
    <message>
        <source>%1: no setting of that name can be written.</source>
        <translation>%1&#xa0;: aucun paramètre modifiable ne porte ce nom.</translation>
    </message>
    <message>
        <source>%1: the value must be a JSON string.</source>
        <translation>%1&#xa0;: la valeur doit être une chaîne JSON.</translation>
    </message>
    <message>
        <source>allowed: %1</source>
        <translation>valeurs autorisées&#xa0;: %1</translation>
    </message>
    <message>
        <source>an IPv4 address: four numbers from 0 to 255 joined by dots</source>
        <translation>une adresse IPv4&#xa0;: quatre nombres de 0 à 255 séparés par des points</translation>
    </message>
    <message>
        <source>a whole number from %1 to %2</source>
        <translation>un nombre entier de %1 à %2</translation>
    </message>
    <message>
        <source>one of %1</source>
        <translation>l&apos;une des valeurs %1</translation>
    </message>
    <message>
        <source>text of at most %1 Latin-1 characters, without line breaks or zero characters</source>
        <translation>un texte de %1 caractères Latin-1 au plus, sans saut de ligne ni caractère nul</translation>
    </message>
    <message>
        <source>connecting</source>
        <translation>la connexion</translation>
    </message>
    <message>
        <source>reading</source>
        <translation>la lecture</translation>
    </message>
    <message>
        <source>sending</source>
        <translation>l&apos;envoi</translation>
    </message>
    <message>
        <source>failed while %1: %2</source>
        <translation>échec pendant %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>no connection could be made</source>
        <translation>aucune connexion n&apos;a pu être établie</translation>
    </message>
    <message>
        <source>the device did not answer in time</source>
        <translation>l&apos;appareil n&apos;a pas répondu à temps</translation>
    </message>
    <message>
        <source>the device closed the connection</source>
        <translation>l&apos;appareil a fermé la connexion</translation>
    </message>
    <message>
        <source>a reply was longer than %1 bytes</source>
        <translation>une réponse dépassait %1 octets</translation>
    </message>
    <message>
        <source>a command would be longer than %1 bytes</source>
        <translation>une commande dépasserait %1 octets</translation>
    </message>
    <message>
        <source>sending to the device failed</source>
        <translation>l&apos;envoi à l&apos;appareil a échoué</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>annulé</translation>
    </message>
    <message>
        <source>the device sent more reply lines than it was asked for; its replies cannot be matched to the settings</source>
        <translation>l&apos;appareil a envoyé plus de lignes de réponse que demandé&#xa0;; ses réponses ne peuvent pas être associées aux paramètres</translation>
    </message>
    <message>
        <source>%1: sent &quot;%2&quot;, the device holds &quot;%3&quot;</source>
        <translation>%1&#xa0;: envoyé «&#xa0;%2&#xa0;», l&apos;appareil contient «&#xa0;%3&#xa0;»</translation>
    </message>
    <message>
        <source>%1 (the apply command was not answered)</source>
        <translation>%1 (la commande d&apos;application est restée sans réponse)</translation>
    </message>
    <message>
        <source>Exit status: 0 success; 1 differences found or a read-back did not match; 2 a malformed argument or file (nothing is sent); 3 a device could not be read or written, or a file or the output could not be written.</source>
        <translation>Code de sortie&#xa0;: 0 succès&#xa0;; 1 différences trouvées ou relecture non conforme&#xa0;; 2 argument ou fichier mal formé (rien n&apos;est envoyé)&#xa0;; 3 un appareil n&apos;a pas pu être lu ou écrit, ou un fichier ou la sortie n&apos;a pas pu être écrit.</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>sortie standard</translation>
    </message>
    <message>
        <source>History: nothing changed in the files written, no commit.</source>
        <translation>Historique&#xa0;: aucun changement dans les fichiers écrits, pas de commit.</translation>
    </message>
    <message>
        <source>Send values that are a device&apos;s error reply (&quot;ERROR&quot; alone or followed by a blank, as a device answers a key it does not know), which restore refuses otherwise: a backup of a device that lacked a setting holds one.</source>
        <translation>Envoyer les valeurs qui sont une réponse d&apos;erreur d&apos;un appareil (&quot;ERROR&quot; seul ou suivi d&apos;un blanc, comme un appareil répond à une clé qu&apos;il ne connaît pas), que restore refuse sinon&#xa0;: la sauvegarde d&apos;un appareil auquel manquait un paramètre en contient une.</translation>
    </message>
    <message>
        <source>%1 The file holds it as the device sent it; restore sends it only with --send-error-replies.</source>
        <translation>%1 Le fichier la contient telle que l&apos;appareil l&apos;a envoyée&#xa0;; restore ne l&apos;envoie qu&apos;avec --send-error-replies.</translation>
    </message>
    <message>
        <source>%1 A restore sends it only with --send-error-replies.</source>
        <translation>%1 Une restauration ne l&apos;envoie qu&apos;avec --send-error-replies.</translation>
    </message>
    <message>
        <source>%1 It is sent only with --send-error-replies.</source>
        <translation>%1 Elle n&apos;est envoyée qu&apos;avec --send-error-replies.</translation>
    </message>
    <message>
        <source>%1 holds a device&apos;s error reply as a value; nothing was sent.</source>
        <translation>%1 contient comme valeur une réponse d&apos;erreur d&apos;un appareil&#xa0;; rien n&apos;a été envoyé.</translation>
    </message>
    <message>
        <source>%1: value &quot;%2&quot; holds a line break or a zero byte, which would end the command early and send the rest as a command of its own; no value may hold one.</source>
        <translation>%1&#xa0;: la valeur «&#xa0;%2&#xa0;» contient un saut de ligne ou un octet nul, qui terminerait la commande prématurément et enverrait le reste comme une commande à part&#xa0;; aucune valeur ne peut en contenir.</translation>
    </message>
    <message>
        <source>%1: value &quot;%2&quot; is the error reply a device gives for a key it does not know, not a setting.</source>
        <translation>%1&#xa0;: la valeur «&#xa0;%2&#xa0;» est la réponse d&apos;erreur qu&apos;un appareil donne pour une clé qu&apos;il ne connaît pas, et non un paramètre.</translation>
    </message>
    <message>
        <source>Devices talked to at once (default 16; scan: 64), up to 1000; fewer where this computer&apos;s limit on open files (ulimit -n) leaves room for fewer.</source>
        <translation>Nombre d&apos;appareils traités simultanément (par défaut 16&#xa0;; scan&#xa0;: 64), jusqu&apos;à 1000&#xa0;; moins si la limite de fichiers ouverts de cet ordinateur (ulimit -n) n&apos;en permet pas autant.</translation>
    </message>
    <message>
        <source>Also the addresses in FILE, one a line; # starts a comment. At most 4096 devices in all, and a FILE of at most 1 MiB.</source>
        <translation>Ajoute les adresses de FILE, une par ligne&#xa0;; # commence un commentaire. 4096 appareils au plus en tout, et un FILE de 1 MiB au plus.</translation>
    </message>
    <message>
        <source>%1 The run stopped: %2 of %3 devices were not tried, and nothing was sent to them.</source>
        <translation>%1 L&apos;exécution s&apos;est arrêtée&#xa0;: %2 appareil(s) sur %3 n&apos;ont pas été essayés, et rien ne leur a été envoyé.</translation>
    </message>
    <message>
        <source>%1 The scan stopped: %2 of %3 addresses were not tried.</source>
        <translation>%1 Le scan s&apos;est arrêté&#xa0;: %2 adresse(s) sur %3 n&apos;ont pas été essayées.</translation>
    </message>
    <message>
        <source>This computer could not open another connection: it has too many files and connections open.</source>
        <translation>Cet ordinateur n&apos;a pas pu ouvrir une connexion de plus&#xa0;: il a trop de fichiers et de connexions ouverts.</translation>
    </message>
    <message>
        <source>A program may hold %1 open at once here (ulimit -n).</source>
        <translation>Ici, un programme peut en garder %1 ouverts à la fois (ulimit -n).</translation>
    </message>
    <message>
        <source>Not tried: nothing was sent to it.</source>
        <translation>Non essayé&#xa0;: rien ne lui a été envoyé.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 KiB, which no settings file is (one of every setting is about 1 KiB).</source>
        <translation>%1 dépasse %2 KiB, ce qu&apos;aucun fichier de paramètres ne fait (un fichier contenant chaque paramètre une fois fait environ 1 KiB).</translation>
    </message>
    <message>
        <source>%1 is larger than %2 KiB, which no list of at most %3 addresses needs to be.</source>
        <translation>%1 dépasse %2 KiB, taille qu&apos;aucune liste de %3 adresses au plus n&apos;atteint.</translation>
    </message>
    <message>
        <source>At most %1 devices are taken at a time; split the list of addresses.</source>
        <translation>%1 appareils au plus sont pris à la fois&#xa0;; divisez la liste d&apos;adresses.</translation>
    </message>
    <message>
        <source>%1 sent and kept</source>
        <translation>envoi de %1, conservation vérifiée</translation>
    </message>
    <message>
        <source>%1; BUT SETTINGS THAT WERE NOT SENT READ OTHERWISE AFTER THE APPLY (any apply commits a value that an earlier, interrupted write left pending on the device): %2</source>
        <translation>%1&#xa0;; MAIS DES PARAMÈTRES NON ENVOYÉS ONT UNE AUTRE VALEUR APRÈS L&apos;APPLICATION (toute application rend effective une valeur qu&apos;une écriture antérieure, interrompue, a laissée en attente sur l&apos;appareil)&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1: not sent, but read as &quot;%2&quot; before the apply and &quot;%3&quot; after it</source>
        <translation>%1&#xa0;: non envoyé, mais lu «&#xa0;%2&#xa0;» avant l&apos;application et «&#xa0;%3&#xa0;» après</translation>
    </message>
    <message>
        <source>%1; settings had been sent without the apply command: the device may hold them pending, and its next apply, of any write, commits them</source>
        <translation>%1&#xa0;; des paramètres avaient été envoyés sans la commande d&apos;application&#xa0;: l&apos;appareil peut les garder en attente, et sa prochaine application, quelle que soit l&apos;écriture, les rendra effectifs</translation>
    </message>
    <message>
        <source>%1 after the settings and the apply command were sent: the device may have applied them, and any value an earlier write left pending on it; read it to see what it holds</source>
        <translation>%1 après l&apos;envoi des paramètres et de la commande d&apos;application&#xa0;: l&apos;appareil les a peut-être appliqués, ainsi que toute valeur qu&apos;une écriture antérieure y avait laissée en attente&#xa0;; lisez-le pour voir ce qu&apos;il contient</translation>
    </message>
    <message>
        <source>Usage: tolvoctl COMMAND [options] ...

Commands:
%1
&quot;tolvoctl COMMAND --help&quot; describes a command. Every command that takes ADDRESS takes several, or --hosts FILE; there is no default address. restore and set give many devices each its own static address with an address plan: --plan FILE (a line for each device, its serial number or current address, then its new address) or --plan-first A.B.C.D/N (counted upward in the order of the devices); a plan with one address for several devices, the network or broadcast address, an address outside the subnet, a device or line that does not match, or an address where another device already answers (a device switched off cannot be seen) is refused with exit status 2, and nothing is sent.

%2
</source>
        <translation>Utilisation&#xa0;: tolvoctl COMMAND [options] ...

Commandes&#xa0;:
%1
&quot;tolvoctl COMMAND --help&quot; décrit une commande. Toute commande qui attend ADDRESS en accepte plusieurs, ou --hosts FILE&#xa0;; il n&apos;y a pas d&apos;adresse par défaut. restore et set donnent à chacun de plusieurs appareils sa propre adresse statique grâce à un plan d&apos;adressage&#xa0;: --plan FILE (une ligne par appareil&#xa0;: son numéro de série ou son adresse actuelle, puis sa nouvelle adresse) ou --plan-first A.B.C.D/N (adresses croissantes dans l&apos;ordre des appareils)&#xa0;; un plan qui donne une même adresse à plusieurs appareils, l&apos;adresse de réseau ou de diffusion, une adresse hors du sous-réseau, un appareil ou une ligne sans correspondance, ou une adresse où un autre appareil répond déjà (un appareil éteint ne peut pas être vu) est refusé avec le code de sortie 2, et rien n&apos;est envoyé.

%2
</translation>
    </message>
    <message>
        <source>Bound on the wait for a device that the settings sent move (a new address, DHCP, another network) to answer again, in ms (default 60000).</source>
        <translation>Durée maximale d&apos;attente, en ms, pour qu&apos;un appareil que les paramètres envoyés déplacent (nouvelle adresse, DHCP, autre réseau) réponde de nouveau (par défaut 60000).</translation>
    </message>
    <message>
        <source>An address plan for the devices: a line for each, its serial number or current address, then its new address (# starts a comment). Each gets its own IPADDRESS, the IPMASK sent and DHCP 0; the plan is checked before anything is sent.</source>
        <translation>Un plan d&apos;adressage des appareils&#xa0;: une ligne pour chacun, son numéro de série ou son adresse actuelle, puis sa nouvelle adresse (# commence un commentaire). Chacun reçoit son propre IPADDRESS, l&apos;IPMASK envoyé et DHCP 0&#xa0;; le plan est vérifié avant tout envoi.</translation>
    </message>
    <message>
        <source>An address plan counted upward from A.B.C.D in the order of the devices, with the mask of prefix length N: each gets its own IPADDRESS, that IPMASK and DHCP 0; checked before anything is sent.</source>
        <translation>Un plan d&apos;adressage croissant à partir de A.B.C.D dans l&apos;ordre des appareils, avec le masque de longueur de préfixe N&#xa0;: chacun reçoit son propre IPADDRESS, cet IPMASK et DHCP 0&#xa0;; vérifié avant tout envoi.</translation>
    </message>
    <message>
        <source>Give --plan or --plan-first, not both.</source>
        <translation>Indiquez --plan ou --plan-first, pas les deux.</translation>
    </message>
    <message>
        <source>--plan needs the mask among the settings sent (IPMASK=...).</source>
        <translation>--plan nécessite le masque parmi les paramètres envoyés (IPMASK=...).</translation>
    </message>
    <message>
        <source>looking for the device after the apply</source>
        <translation>la recherche de l&apos;appareil après l&apos;application</translation>
    </message>
    <message>
        <source>%1; read back at its new address %2</source>
        <translation>%1&#xa0;; relu à sa nouvelle adresse %2</translation>
    </message>
    <message>
        <source>the settings and the apply command were sent; they move the device to %1, and it answered neither there nor at %2 within %3 seconds: look for it at %1 (it may still be restarting, or that address is not reachable from this computer)</source>
        <translation>les paramètres et la commande d&apos;application ont été envoyés&#xa0;; ils déplacent l&apos;appareil vers %1, et il n&apos;a répondu ni là ni à %2 en %3 secondes&#xa0;: cherchez-le à %1 (il redémarre peut-être encore, ou cette adresse n&apos;est pas joignable depuis cet ordinateur)</translation>
    </message>
    <message>
        <source>the settings and the apply command were sent; they turn DHCP on, and the device did not answer at %1 within %2 seconds: its DHCP server chooses its address; find it with a scan of the site&apos;s addresses</source>
        <translation>les paramètres et la commande d&apos;application ont été envoyés&#xa0;; ils activent le DHCP, et l&apos;appareil n&apos;a pas répondu à %1 en %2 secondes&#xa0;: son serveur DHCP choisit son adresse&#xa0;; retrouvez-le par un scan des adresses du site</translation>
    </message>
    <message>
        <source>the settings and the apply command were sent; they join the device to another network (SSID, password or network type), and it did not answer at %1 within %2 seconds: join that network to reach it, then find it with a scan</source>
        <translation>les paramètres et la commande d&apos;application ont été envoyés&#xa0;; ils connectent l&apos;appareil à un autre réseau (SSID, mot de passe ou type de réseau), et il n&apos;a pas répondu à %1 en %2 secondes&#xa0;: connectez-vous à ce réseau pour l&apos;atteindre, puis retrouvez-le par un scan</translation>
    </message>
    <message>
        <source>the settings and the apply command were sent; they join the device to another network (SSID, password or network type) at the address %1, and it answered neither there nor at %2 within %3 seconds: join that network to reach it at %1</source>
        <translation>les paramètres et la commande d&apos;application ont été envoyés&#xa0;; ils connectent l&apos;appareil à un autre réseau (SSID, mot de passe ou type de réseau) à l&apos;adresse %1, et il n&apos;a répondu ni là ni à %2 en %3 secondes&#xa0;: connectez-vous à ce réseau pour l&apos;atteindre à %1</translation>
    </message>
    <message>
        <source>the settings and the apply command were sent; another device (serial number &quot;%1&quot;) answers at %2, where this one was looked for after the apply: it was not read back; look for it with a scan, and give the two devices addresses of their own</source>
        <translation>les paramètres et la commande d&apos;application ont été envoyés&#xa0;; un autre appareil (numéro de série «&#xa0;%1&#xa0;») répond à %2, où celui-ci a été cherché après l&apos;application&#xa0;: il n&apos;a pas été relu&#xa0;; cherchez-le par un scan, et donnez aux deux appareils des adresses distinctes</translation>
    </message>
    <message>
        <source>the settings and the apply command were sent; the device may restart on them, and it did not answer at %1 within %2 seconds</source>
        <translation>les paramètres et la commande d&apos;application ont été envoyés&#xa0;; l&apos;appareil redémarre peut-être pour les appliquer, et il n&apos;a pas répondu à %1 en %2 secondes</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 vers %2</translation>
    </message>
    <message>
        <source>%1 (no address)</source>
        <translation>%1 (sans adresse)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no first address of a plan: give A.B.C.D/N (the prefix length is the mask).</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une première adresse de plan&#xa0;: indiquez A.B.C.D/N (la longueur de préfixe donne le masque).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no line of a plan: give the device&apos;s serial number or current address, then blanks, then its new address.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une ligne de plan&#xa0;: indiquez le numéro de série ou l&apos;adresse actuelle de l&apos;appareil, puis des blancs, puis sa nouvelle adresse.</translation>
    </message>
    <message>
        <source>%1 gives no device an address.</source>
        <translation>%1 ne donne d&apos;adresse à aucun appareil.</translation>
    </message>
    <message>
        <source>%1 is no mask of a subnet (its ones do not come first).</source>
        <translation>%1 n&apos;est pas un masque de sous-réseau (ses bits à 1 ne sont pas en tête).</translation>
    </message>
    <message>
        <source>One address for several devices: %1.</source>
        <translation>Une même adresse pour plusieurs appareils&#xa0;: %1.</translation>
    </message>
    <message>
        <source>%1: the network address of the subnet %2, which no device may have.</source>
        <translation>%1&#xa0;: l&apos;adresse de réseau du sous-réseau %2, qu&apos;aucun appareil ne peut avoir.</translation>
    </message>
    <message>
        <source>%1: the broadcast address of the subnet %2, which no device may have.</source>
        <translation>%1&#xa0;: l&apos;adresse de diffusion du sous-réseau %2, qu&apos;aucun appareil ne peut avoir.</translation>
    </message>
    <message>
        <source>%1: outside the subnet %2 of the mask.</source>
        <translation>%1&#xa0;: hors du sous-réseau %2 du masque.</translation>
    </message>
    <message>
        <source>%1: no line of the plan names this device.</source>
        <translation>%1&#xa0;: aucune ligne du plan ne désigne cet appareil.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is none of the devices sent to.</source>
        <translation>«&#xa0;%1&#xa0;» ne fait pas partie des appareils destinataires.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names a device that an earlier line names too.</source>
        <translation>«&#xa0;%1&#xa0;» désigne un appareil déjà désigné par une ligne précédente.</translation>
    </message>
    <message>
        <source>%1: another device already answers at this address (a device that is switched off cannot be seen).</source>
        <translation>%1&#xa0;: un autre appareil répond déjà à cette adresse (un appareil éteint ne peut pas être vu).</translation>
    </message>
    <message>
        <source>The address plan is refused; nothing was sent:</source>
        <translation>Le plan d&apos;adressage est refusé&#xa0;; rien n&apos;a été envoyé&#xa0;:</translation>
    </message>
    <message>
        <source>the plan</source>
        <translation>le plan</translation>
    </message>
    <message>
        <source>Messages and help are in the language of --lang LANGUAGE (%1), else of LC_ALL, LC_MESSAGES or LANG, else of the system. --json output is always in English, whatever the language.</source>
        <translation>Les messages et l&apos;aide sont dans la langue de --lang LANGUAGE (%1), sinon dans celle de LC_ALL, LC_MESSAGES ou LANG, sinon dans celle du système. La sortie de --json est toujours en anglais, quelle que soit la langue.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no language tolvoctl speaks; it speaks %2.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une langue de tolvoctl&#xa0;; langues disponibles&#xa0;: %2.</translation>
    </message>
    <message>
        <source>--lang needs a language, for instance --lang de.</source>
        <translation>--lang nécessite une langue, par exemple --lang de.</translation>
    </message>
    <message>
        <source>The technician&apos;s note in the record of --record.</source>
        <translation>La remarque du technicien dans le procès-verbal de --record.</translation>
    </message>
    <message>
        <source>--note goes into a record: give --record FILE too.</source>
        <translation>--note va dans un procès-verbal&#xa0;: indiquez aussi --record FILE.</translation>
    </message>
    <message>
        <source>%1; matches: the device holds every value</source>
        <translation>%1&#xa0;; conforme&#xa0;: l&apos;appareil contient toutes les valeurs</translation>
    </message>
    <message>
        <source>%1; differs: %2</source>
        <translation>%1&#xa0;; différent&#xa0;: %2</translation>
    </message>
    <message>
        <source>Record: %1, SHA-256 %2</source>
        <translation>Procès-verbal&#xa0;: %1, SHA-256 %2</translation>
    </message>
    <message>
        <source>%1 The record was not written; each device&apos;s result stands as reported.</source>
        <translation>%1 Le procès-verbal n&apos;a pas été écrit&#xa0;; le résultat de chaque appareil reste tel que signalé.</translation>
    </message>
    <message>
        <source>the settings and the apply command were sent, but they could not be read back: the device may have applied them; read it to see what it holds</source>
        <translation>les paramètres et la commande d&apos;application ont été envoyés, mais ils n&apos;ont pas pu être relus&#xa0;: l&apos;appareil les a peut-être appliqués&#xa0;; lisez-le pour voir ce qu&apos;il contient</translation>
    </message>
    <message>
        <source>Not a commissioning record of format &quot;%1&quot;, version %2.</source>
        <translation>Pas un procès-verbal de mise en service au format «&#xa0;%1&#xa0;», version %2.</translation>
    </message>
    <message>
        <source>The record&apos;s member %1 is missing or of the wrong type.</source>
        <translation>Le membre %1 du procès-verbal est absent ou d&apos;un type incorrect.</translation>
    </message>
    <message>
        <source>The record&apos;s member %1 holds &quot;%2&quot;, which a record does not.</source>
        <translation>Le membre %1 du procès-verbal contient «&#xa0;%2&#xa0;», ce qu&apos;un procès-verbal ne contient pas.</translation>
    </message>
    <message>
        <source>The record&apos;s member %1 holds a Wi-Fi password&apos;s value, which a record never does (only &quot;********&quot; or nothing).</source>
        <translation>Le membre %1 du procès-verbal contient la valeur d&apos;un mot de passe Wi-Fi, ce qu&apos;un procès-verbal ne fait jamais (seulement &quot;********&quot; ou rien).</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MiB, which no record is.</source>
        <translation>%1 dépasse %2 MiB, ce qu&apos;aucun procès-verbal ne fait.</translation>
    </message>
    <message>
        <source>Also writes the run&apos;s commissioning record to FILE: for every device its address, serial number, firmware, every setting as read back (the password as asterisks), whether each was verified and what changed, with the time and the note, as JSON; it prints the file&apos;s SHA-256. With --dry-run of restore the devices are read and compared with the file (a check): each matches or differs, and exit status 1 says that one differs.</source>
        <translation>Écrit aussi le procès-verbal de mise en service de l&apos;exécution dans FILE&#xa0;: pour chaque appareil, son adresse, son numéro de série, son firmware, chaque paramètre tel que relu (le mot de passe en astérisques), si chacun a été vérifié et ce qui a changé, avec l&apos;heure et la remarque, en JSON&#xa0;; affiche le SHA-256 du fichier. Avec --dry-run de restore, les appareils sont lus et comparés au fichier (une vérification)&#xa0;: chacun est conforme ou différent, et le code de sortie 1 indique que l&apos;un d&apos;eux est différent.</translation>
    </message>
    <message>
        <source>%1 matching, %2 differing, %3 failed</source>
        <translation>%1 conforme(s), %2 différent(s), %3 en échec</translation>
    </message>
    <message>
        <source>it is no regular file (a folder, a device or a pipe)</source>
        <translation>ce n&apos;est pas un fichier ordinaire (mais un dossier, un fichier de périphérique ou un tube)</translation>
    </message>
    <message>
        <source>The record&apos;s member %1 is longer than a record&apos;s ever is (at most %2).</source>
        <translation>Le membre %1 du procès-verbal est plus long que ce qu&apos;un procès-verbal admet (%2 au maximum).</translation>
    </message>
    <message>
        <source>%1 is also a file this command reads or writes: a record needs a file of its own.</source>
        <translation>%1 est aussi un fichier que cette commande lit ou écrit&#xa0;: un procès-verbal doit avoir son propre fichier.</translation>
    </message>
    <message>
        <source>%1 exists and is no commissioning record: a record replaces only an earlier record.</source>
        <translation>%1 existe et n&apos;est pas un procès-verbal de mise en service&#xa0;: un procès-verbal ne remplace qu&apos;un procès-verbal antérieur.</translation>
    </message>
</context>
</TS>
