<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Strings</name>
    <message>
        <source>&amp;About TolvoConfig...</source>
        <translation>À &amp;propos de TolvoConfig...</translation>
    </message>
    <message>
        <source>Windows sockets initialization failed.</source>
        <translation>L&apos;initialisation des sockets Windows a échoué.</translation>
    </message>
    <message>
        <source>Info / DSC Parameters</source>
        <translation>Infos / paramètres DSC</translation>
    </message>
    <message>
        <source>WiFi Settings</source>
        <translation>Paramètres WiFi</translation>
    </message>
    <message>
        <source>Port Settings</source>
        <translation>Paramètres des ports</translation>
    </message>
    <message>
        <source>Port Routing</source>
        <translation>Routage des ports</translation>
    </message>
    <message>
        <source>%1 - version: %2</source>
        <translation>%1 - version&#xa0;: %2</translation>
    </message>
    <message>
        <source>Discard the changes that have not been saved to the device?</source>
        <translation>Abandonner les modifications qui n&apos;ont pas été écrites dans l&apos;appareil&#xa0;?</translation>
    </message>
    <message>
        <source>Unsaved Changes</source>
        <translation>Modifications non écrites</translation>
    </message>
    <message>
        <source>Reading the settings from %1</source>
        <translation>Lecture des paramètres de %1</translation>
    </message>
    <message>
        <source>Nothing was loaded: the pages still show what they showed before.</source>
        <translation>Rien n&apos;a été lu&#xa0;: les pages affichent toujours ce qu&apos;elles affichaient avant.</translation>
    </message>
    <message>
        <source>Load Failed</source>
        <translation>Échec de la lecture</translation>
    </message>
    <message>
        <source>Current configuration has been loaded from Tolvo.</source>
        <translation>La configuration actuelle du Tolvo a été lue.</translation>
    </message>
    <message>
        <source>Success!</source>
        <translation>Succès&#xa0;!</translation>
    </message>
    <message>
        <source>Some values cannot be shown exactly as the device holds them. Their fields are marked, and a save leaves them as the device holds them unless you edit them:
%1</source>
        <translation>Certaines valeurs ne peuvent pas être affichées exactement telles que l&apos;appareil les contient. Leurs champs sont marqués, et une écriture les laisse telles que l&apos;appareil les contient, sauf si vous les modifiez&#xa0;:
%1</translation>
    </message>
    <message>
        <source>%1: the device holds &quot;%2&quot;</source>
        <translation>%1&#xa0;: l&apos;appareil contient «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>Changed since the last load or save.</source>
        <translation>Modifié depuis la dernière lecture ou écriture.</translation>
    </message>
    <message>
        <source>The device holds &quot;%1&quot;; shown here as near as this field can.</source>
        <translation>L&apos;appareil contient «&#xa0;%1&#xa0;»&#xa0;; affiché ici aussi fidèlement que ce champ le permet.</translation>
    </message>
    <message>
        <source>Current configuration has been saved to Tolvo.</source>
        <translation>La configuration actuelle a été écrite dans le Tolvo.</translation>
    </message>
    <message>
        <source>Not sent, the device&apos;s value matches no item: %1.</source>
        <translation>Non envoyé, la valeur de l&apos;appareil ne correspond à aucun élément de la liste&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Load the configuration from the device first.

Until a load has succeeded the pages hold blank values, and saving them would overwrite the device&apos;s settings.</source>
        <translation>Lisez d&apos;abord la configuration de l&apos;appareil.

Tant qu&apos;aucune lecture n&apos;a réussi, les pages contiennent des valeurs vides, et les écrire écraserait les paramètres de l&apos;appareil.</translation>
    </message>
    <message>
        <source>Save Configuration</source>
        <translation>Écrire la configuration</translation>
    </message>
    <message>
        <source>A text setting cannot be stored on the device. Nothing was sent.</source>
        <translation>Un paramètre texte ne peut pas être stocké dans l&apos;appareil. Rien n&apos;a été envoyé.</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>Échec de l&apos;écriture</translation>
    </message>
    <message>
        <source>Sending the settings to %1</source>
        <translation>Envoi des paramètres à %1</translation>
    </message>
    <message>
        <source>All settings were sent, but the device did not confirm that it applied them (it may have restarted).

Load the configuration to see what the device holds.</source>
        <translation>Tous les paramètres ont été envoyés, mais l&apos;appareil n&apos;a pas confirmé les avoir appliqués (il a peut-être redémarré).

Lisez la configuration pour voir ce que contient l&apos;appareil.</translation>
    </message>
    <message>
        <source>Save Not Confirmed</source>
        <translation>Écriture non confirmée</translation>
    </message>
    <message>
        <source>Saving was cancelled. Some settings may have reached the device, but the apply command was not sent, so the device has not applied them.</source>
        <translation>L&apos;écriture a été annulée. Certains paramètres ont peut-être atteint l&apos;appareil, mais la commande d&apos;application n&apos;a pas été envoyée&#xa0;: l&apos;appareil ne les a donc pas appliqués.</translation>
    </message>
    <message>
        <source>Saving was cancelled before anything was sent: the device keeps its settings.</source>
        <translation>L&apos;écriture a été annulée avant tout envoi&#xa0;: l&apos;appareil garde ses paramètres.</translation>
    </message>
    <message>
        <source>Save Cancelled</source>
        <translation>Écriture annulée</translation>
    </message>
    <message>
        <source>Nothing was sent: the device keeps its settings.</source>
        <translation>Rien n&apos;a été envoyé&#xa0;: l&apos;appareil garde ses paramètres.</translation>
    </message>
    <message>
        <source>Saving stopped before the device confirmed every setting. The apply command was not sent, so the device has not applied the new settings.</source>
        <translation>L&apos;écriture s&apos;est arrêtée avant que l&apos;appareil ait confirmé chaque paramètre. La commande d&apos;application n&apos;a pas été envoyée&#xa0;: l&apos;appareil n&apos;a donc pas appliqué les nouveaux paramètres.</translation>
    </message>
    <message>
        <source>The settings were loaded from %1. Send them to %2?</source>
        <translation>Les paramètres ont été lus depuis %1. Les envoyer à %2&#xa0;?</translation>
    </message>
    <message>
        <source>The device applied the settings, but reading them back gave other values for: %1.

Load the configuration to see what the device holds.</source>
        <translation>L&apos;appareil a appliqué les paramètres, mais leur relecture a donné d&apos;autres valeurs pour&#xa0;: %1.

Lisez la configuration pour voir ce que contient l&apos;appareil.</translation>
    </message>
    <message>
        <source>The device confirmed that it applied the settings, but they could not be read back to check them (it may have restarted).

Load the configuration to see what the device holds.</source>
        <translation>L&apos;appareil a confirmé avoir appliqué les paramètres, mais ils n&apos;ont pas pu être relus pour vérification (il a peut-être redémarré).

Lisez la configuration pour voir ce que contient l&apos;appareil.</translation>
    </message>
    <message>
        <source>Not sent, the device keeps the value it holds: %1.</source>
        <translation>Non envoyé, l&apos;appareil garde la valeur qu&apos;il contient&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Changed: %1.</source>
        <translation>Paramètres modifiés&#xa0;: %1.</translation>
    </message>
    <message>
        <source>No setting changed on the device.</source>
        <translation>Aucun paramètre n&apos;a changé sur l&apos;appareil.</translation>
    </message>
    <message>
        <source>Could not connecto to Tolvo.</source>
        <translation>Impossible de se connecter au Tolvo.</translation>
    </message>
    <message>
        <source>Connection Error</source>
        <translation>Erreur de connexion</translation>
    </message>
    <message>
        <source>Sending to the device failed.</source>
        <translation>L&apos;envoi à l&apos;appareil a échoué.</translation>
    </message>
    <message>
        <source>The device&apos;s address could not be found.</source>
        <translation>L&apos;adresse de l&apos;appareil est introuvable.</translation>
    </message>
    <message>
        <source>The device&apos;s address has no data record.</source>
        <translation>L&apos;adresse de l&apos;appareil n&apos;a aucun enregistrement de données.</translation>
    </message>
    <message>
        <source>The connection to the device failed: %1.</source>
        <translation>La connexion à l&apos;appareil a échoué&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The device did not answer within %1 seconds.</source>
        <translation>L&apos;appareil n&apos;a pas répondu en %1 secondes.</translation>
    </message>
    <message>
        <source>The device closed the connection.</source>
        <translation>L&apos;appareil a fermé la connexion.</translation>
    </message>
    <message>
        <source>The device sent a reply longer than %1 bytes.</source>
        <translation>L&apos;appareil a envoyé une réponse de plus de %1 octets.</translation>
    </message>
    <message>
        <source>A setting is too long to send: a command may hold at most %1 bytes.</source>
        <translation>Un paramètre est trop long pour être envoyé&#xa0;: une commande peut contenir %1 octets au plus.</translation>
    </message>
    <message>
        <source>No connection to the device could be made.</source>
        <translation>Aucune connexion à l&apos;appareil n&apos;a pu être établie.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Annulé.</translation>
    </message>
    <message>
        <source>Unknown result %1.</source>
        <translation>Résultat inconnu %1.</translation>
    </message>
    <message>
        <source>The device sent more reply lines than it was asked for, so its replies cannot be matched to the settings.</source>
        <translation>L&apos;appareil a envoyé plus de lignes de réponse que demandé&#xa0;: ses réponses ne peuvent donc pas être associées aux paramètres.</translation>
    </message>
    <message>
        <source>The device name</source>
        <translation>Le nom de l&apos;appareil</translation>
    </message>
    <message>
        <source>The SSID</source>
        <translation>Le SSID</translation>
    </message>
    <message>
        <source>The password</source>
        <translation>Le mot de passe</translation>
    </message>
    <message>
        <source>%1 can hold at most %2 characters; this one has %3.</source>
        <translation>%1 peut contenir %2 caractères au plus&#xa0;; celui-ci en a %3.</translation>
    </message>
    <message>
        <source>%1 can hold only Latin-1 characters (U+0000 to U+00FF).</source>
        <translation>%1 ne peut contenir que des caractères Latin-1 (U+0000 à U+00FF).</translation>
    </message>
    <message>
        <source>%1 cannot hold line breaks or zero characters.</source>
        <translation>%1 ne peut contenir ni saut de ligne ni caractère nul.</translation>
    </message>
    <message>
        <source>Please enter a whole number.</source>
        <translation>Veuillez saisir un nombre entier.</translation>
    </message>
    <message>
        <source>Please enter a whole number between %1 and %2.</source>
        <translation>Veuillez saisir un nombre entier entre %1 et %2.</translation>
    </message>
    <message>
        <source>Choose the %1 from the list: %2.</source>
        <translation>Choisissez dans la liste une valeur pour «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 is not a valid entry. Please specify a value between 0 and 255.</source>
        <translation>%1 n&apos;est pas une entrée valide. Veuillez indiquer une valeur entre 0 et 255.</translation>
    </message>
    <message>
        <source>%1, part %2 of 4</source>
        <translation>%1, partie %2 sur 4</translation>
    </message>
    <message>
        <source>%1
%2 of %3</source>
        <translation>%1
%2 sur %3</translation>
    </message>
    <message>
        <source>Find Devices</source>
        <translation>Chercher des appareils</translation>
    </message>
    <message>
        <source>&amp;Addresses:</source>
        <translation>&amp;Adresses&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Rechercher</translation>
    </message>
    <message>
        <source>Ca&amp;ncel</source>
        <translation>A&amp;nnuler</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Numéro de série</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Version firmware</translation>
    </message>
    <message>
        <source>Trying %1 addresses: %2 done, %3 found.</source>
        <translation>Essai de %1 adresses&#xa0;: %2 traitée(s), %3 appareil(s) trouvé(s).</translation>
    </message>
    <message>
        <source>%1 found among %2 addresses. Double-click a device, or select it and press Enter, to use its address.</source>
        <translation>%1 appareil(s) trouvé(s) parmi %2 adresses. Double-cliquez sur un appareil, ou sélectionnez-le et appuyez sur Entrée, pour utiliser son adresse.</translation>
    </message>
    <message>
        <source>The search was stopped: %1 found among the %2 addresses tried.</source>
        <translation>La recherche a été arrêtée&#xa0;: %1 appareil(s) trouvé(s) parmi les %2 adresses essayées.</translation>
    </message>
    <message>
        <source>No network of this computer was found. Type a range such as 192.168.1.1-192.168.1.254 or 192.168.1.0/24.</source>
        <translation>Aucun réseau de cet ordinateur n&apos;a été trouvé. Saisissez une plage comme 192.168.1.1-192.168.1.254 ou 192.168.1.0/24.</translation>
    </message>
    <message>
        <source>Type a range to search, such as 192.168.1.1-192.168.1.254 or 192.168.1.0/24.</source>
        <translation>Saisissez une plage à parcourir, comme 192.168.1.1-192.168.1.254 ou 192.168.1.0/24.</translation>
    </message>
    <message>
        <source>Ranges to search: FIRST-LAST or A.B.C.D/N, several separated by commas</source>
        <translation>Plages à parcourir&#xa0;: FIRST-LAST ou A.B.C.D/N, plusieurs séparées par des virgules</translation>
    </message>
    <message>
        <source>Devices found</source>
        <translation>Appareils trouvés</translation>
    </message>
    <message>
        <source>Find devices on the network</source>
        <translation>Chercher des appareils sur le réseau</translation>
    </message>
    <message>
        <source>Import settings from a file</source>
        <translation>Importer des paramètres depuis un fichier</translation>
    </message>
    <message>
        <source>Export settings to a file</source>
        <translation>Exporter les paramètres vers un fichier</translation>
    </message>
    <message>
        <source>Settings files (*.json);;All files (*)</source>
        <translation>Fichiers de paramètres (*.json);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Export Settings</source>
        <translation>Exporter les paramètres</translation>
    </message>
    <message>
        <source>Import Settings</source>
        <translation>Importer des paramètres</translation>
    </message>
    <message>
        <source>The settings shown were exported to %1.</source>
        <translation>Les paramètres affichés ont été exportés vers %1.</translation>
    </message>
    <message>
        <source>Export Failed</source>
        <translation>Échec de l&apos;exportation</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>Échec de l&apos;importation</translation>
    </message>
    <message>
        <source>%1 cannot be imported; the pages were not changed.

%2</source>
        <translation>%1 ne peut pas être importé&#xa0;; les pages n&apos;ont pas été modifiées.

%2</translation>
    </message>
    <message>
        <source>%1 settings from %2 are shown as unsaved changes. Nothing is sent to the device until you press Save Configuration.</source>
        <translation>%1 paramètres de %2 sont affichés comme modifications non écrites. Rien n&apos;est envoyé à l&apos;appareil tant que vous n&apos;avez pas cliqué sur «&#xa0;Écrire la configuration&#xa0;».</translation>
    </message>
    <message>
        <source>The file was saved from another device (serial number %1; this one is %2). Its settings are copied to this one as they are.</source>
        <translation>Le fichier provient d&apos;un autre appareil (numéro de série %1&#xa0;; celui-ci a le %2). Ses paramètres sont copiés tels quels sur celui-ci.</translation>
    </message>
    <message>
        <source>Load the configuration from the device first: the file&apos;s settings are then shown as changes to what the device holds.</source>
        <translation>Lisez d&apos;abord la configuration de l&apos;appareil&#xa0;: les paramètres du fichier sont alors affichés comme des modifications de ce que contient l&apos;appareil.</translation>
    </message>
    <message>
        <source>Not in the file, the page has no value for it: %1.</source>
        <translation>Absent du fichier, faute de valeur dans la page&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Load the configuration from the device first: until then the pages hold no settings to export.</source>
        <translation>Lisez d&apos;abord la configuration de l&apos;appareil&#xa0;: jusque-là, les pages ne contiennent aucun paramètre à exporter.</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>en attente</translation>
    </message>
    <message>
        <source>reading</source>
        <translation>lecture</translation>
    </message>
    <message>
        <source>sending</source>
        <translation>envoi</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>vérifié</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>inchangé</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>échec</translation>
    </message>
    <message>
        <source>not started</source>
        <translation>non démarré</translation>
    </message>
    <message>
        <source>untouched</source>
        <translation>intact</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>modifié</translation>
    </message>
    <message>
        <source>unknown state</source>
        <translation>état inconnu</translation>
    </message>
    <message>
        <source>%1 verified, %2 unchanged, %3 failed</source>
        <translation>%1 vérifié(s), %2 inchangé(s), %3 en échec</translation>
    </message>
    <message>
        <source>%1, %2 not started</source>
        <translation>%1, %2 non démarré(s)</translation>
    </message>
    <message>
        <source>The device did not keep what was sent: %1.</source>
        <translation>L&apos;appareil n&apos;a pas conservé ce qui a été envoyé&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The apply command was not answered; the settings read back on a new connection are as sent.</source>
        <translation>La commande d&apos;application est restée sans réponse&#xa0;; les paramètres relus sur une nouvelle connexion sont conformes à l&apos;envoi.</translation>
    </message>
    <message>
        <source>Cancelled before it started: nothing was sent to it.</source>
        <translation>Annulé avant le début&#xa0;: rien ne lui a été envoyé.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; to &quot;%3&quot;</source>
        <translation>%1&#xa0;: de «&#xa0;%2&#xa0;» à «&#xa0;%3&#xa0;»</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Appareil</translation>
    </message>
    <message>
        <source>Changed Settings</source>
        <translation>Paramètres modifiés</translation>
    </message>
    <message>
        <source>Failure or Note</source>
        <translation>Échec ou remarque</translation>
    </message>
    <message>
        <source>Send to the Picked Devices</source>
        <translation>Envoyer aux appareils choisis</translation>
    </message>
    <message>
        <source>These settings will be sent to %1 devices. Each device is sent only the settings it holds otherwise, then told to apply them, and then read back to check that it kept them.</source>
        <translation>Ces paramètres seront envoyés à %1 appareils. Chaque appareil ne reçoit que les paramètres dont sa valeur diffère, puis l&apos;ordre de les appliquer, puis il est relu pour vérifier qu&apos;il les a conservés.</translation>
    </message>
    <message>
        <source>Each device keeps its own of these unless you tick them:</source>
        <translation>Chaque appareil garde ses propres valeurs pour ceux-ci, sauf si vous les cochez&#xa0;:</translation>
    </message>
    <message>
        <source>Device &amp;name: %1</source>
        <translation>&amp;Nom de l&apos;appareil&#xa0;: %1</translation>
    </message>
    <message>
        <source>&amp;DHCP mode: %1</source>
        <translation>Mode &amp;DHCP&#xa0;: %1</translation>
    </message>
    <message>
        <source>&amp;Send</source>
        <translation>&amp;Envoyer</translation>
    </message>
    <message>
        <source>Settings to send</source>
        <translation>Paramètres à envoyer</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Paramètre</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Sending to %1 Devices</source>
        <translation>Envoi à %1 appareils</translation>
    </message>
    <message>
        <source>&amp;Retry Failed</source>
        <translation>&amp;Réessayer les échecs</translation>
    </message>
    <message>
        <source>&amp;Save Report...</source>
        <translation>&amp;Enregistrer le rapport...</translation>
    </message>
    <message>
        <source>Result of each device</source>
        <translation>Résultat de chaque appareil</translation>
    </message>
    <message>
        <source>Details of the selected device</source>
        <translation>Détails de l&apos;appareil sélectionné</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Fichiers CSV (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The report was saved to %1.</source>
        <translation>Le rapport a été enregistré dans %1.</translation>
    </message>
    <message>
        <source>Devices done</source>
        <translation>Appareils traités</translation>
    </message>
    <message>
        <source>&amp;Details:</source>
        <translation>&amp;Détails&#xa0;:</translation>
    </message>
    <message>
        <source>Device Name</source>
        <translation>Nom de l&apos;appareil</translation>
    </message>
    <message>
        <source>&amp;Tick All</source>
        <translation>Tout &amp;cocher</translation>
    </message>
    <message>
        <source>&amp;Paste Addresses</source>
        <translation>Co&amp;ller des adresses</translation>
    </message>
    <message>
        <source>Add from &amp;File...</source>
        <translation>Ajouter depuis un &amp;fichier...</translation>
    </message>
    <message>
        <source>Sen&amp;d to the Picked Devices...</source>
        <translation>&amp;Envoyer aux appareils choisis...</translation>
    </message>
    <message>
        <source>Address lists (*.txt);;All files (*)</source>
        <translation>Listes d&apos;adresses (*.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>%1 addresses added and ticked.</source>
        <translation>%1 adresses ajoutées et cochées.</translation>
    </message>
    <message>
        <source>Tick the devices to send to in Find Devices first (or select them, or paste a list of addresses).</source>
        <translation>Cochez d&apos;abord les appareils destinataires dans «&#xa0;Chercher des appareils&#xa0;» (ou sélectionnez-les, ou collez une liste d&apos;adresses).</translation>
    </message>
    <message>
        <source>Send to the Picked Devices...</source>
        <translation>Envoyer aux appareils choisis...</translation>
    </message>
    <message>
        <source>Load the configuration from a device first: the pages&apos; settings as they then stand are what is sent.</source>
        <translation>Lisez d&apos;abord la configuration d&apos;un appareil&#xa0;: ce sont les paramètres des pages, tels qu&apos;ils seront alors, qui sont envoyés.</translation>
    </message>
    <message>
        <source>Report Not Saved</source>
        <translation>Rapport non enregistré</translation>
    </message>
    <message>
        <source>Sending: %1 of %2 devices done.</source>
        <translation>Envoi&#xa0;: %1 appareil(s) traité(s) sur %2.</translation>
    </message>
    <message>
        <source>The clipboard holds no addresses: copy a list with one address a line.</source>
        <translation>Le presse-papiers ne contient aucune adresse&#xa0;: copiez une liste avec une adresse par ligne.</translation>
    </message>
    <message>
        <source>Cancelling: no more devices start; the %1 under way finish first.</source>
        <translation>Annulation&#xa0;: plus aucun appareil ne démarre&#xa0;; les %1 en cours se terminent d&apos;abord.</translation>
    </message>
    <message>
        <source>Sent %1 and the apply command, then the device did not answer: it may hold the new values or the old.</source>
        <translation>Envoi de %1 et de la commande d&apos;application, puis l&apos;appareil n&apos;a plus répondu&#xa0;: il contient peut-être les nouvelles valeurs, ou les anciennes.</translation>
    </message>
    <message>
        <source>The device address and the range to search could not be saved in %1 (the disk may be full, or the file or its folder cannot be written), so they will not be remembered at the next start. This is said once until a save of them succeeds again.</source>
        <translation>L&apos;adresse de l&apos;appareil et la plage de recherche n&apos;ont pas pu être enregistrées dans %1 (le disque est peut-être plein, ou le fichier ou son dossier n&apos;est pas accessible en écriture)&#xa0;: elles ne seront donc pas mémorisées au prochain démarrage. Ce message ne s&apos;affiche qu&apos;une fois, jusqu&apos;à ce qu&apos;un enregistrement réussisse à nouveau.</translation>
    </message>
    <message>
        <source>Settings Not Remembered</source>
        <translation>Préférences non mémorisées</translation>
    </message>
    <message>
        <source>The device applied the settings, but settings that were not sent read otherwise after the apply than at the load: %1. An earlier write may have left values waiting on the device, which any apply commits, or another program changed them.

Load the configuration to see what the device holds.</source>
        <translation>L&apos;appareil a appliqué les paramètres, mais des paramètres non envoyés ont après l&apos;application une autre valeur qu&apos;à la lecture&#xa0;: %1. Une écriture antérieure a peut-être laissé sur l&apos;appareil des valeurs en attente, que toute application rend effectives, ou un autre programme les a modifiés.

Lisez la configuration pour voir ce que contient l&apos;appareil.</translation>
    </message>
    <message>
        <source>Settings that were not sent read otherwise after the apply (an earlier write may have left values waiting on the device, which any apply commits): %1.</source>
        <translation>Des paramètres non envoyés ont une autre valeur après l&apos;application (une écriture antérieure a peut-être laissé sur l&apos;appareil des valeurs en attente, que toute application rend effectives)&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The device now answers at its new address, %1, where the settings were read back: the address field shows it.</source>
        <translation>L&apos;appareil répond désormais à sa nouvelle adresse, %1, où les paramètres ont été relus&#xa0;: le champ d&apos;adresse l&apos;affiche.</translation>
    </message>
    <message>
        <source>The device was not verified: %1.

The address field is left as it was. Find Devices searches a range of addresses for it.</source>
        <translation>L&apos;appareil n&apos;a pas été vérifié&#xa0;: %1.

Le champ d&apos;adresse reste inchangé. «&#xa0;Chercher des appareils&#xa0;» permet de le rechercher dans une plage d&apos;adresses.</translation>
    </message>
    <message>
        <source>The settings were applied, and they move the device: looking for it at %1</source>
        <translation>Les paramètres ont été appliqués et déplacent l&apos;appareil&#xa0;: recherche de celui-ci à %1</translation>
    </message>
    <message>
        <source>&amp;IP address and mask from an address plan, not as each device holds them (DHCP off; the pages hold %1 / %2):</source>
        <translation>Adresse &amp;IP et masque selon un plan d&apos;adressage, et non tels que chaque appareil les contient (DHCP désactivé&#xa0;; les pages contiennent %1 / %2)&#xa0;:</translation>
    </message>
    <message>
        <source>Applied, Not Seen</source>
        <translation>Appliqué, non revu</translation>
    </message>
    <message>
        <source>Read back at its new address, %1.</source>
        <translation>Relu à sa nouvelle adresse, %1.</translation>
    </message>
    <message>
        <source>Now At</source>
        <translation>Désormais à</translation>
    </message>
    <message>
        <source>%1, %2 applied but not seen since</source>
        <translation>%1, %2 appliqué(s) mais non revu(s) depuis</translation>
    </message>
    <message>
        <source>Count &amp;upward from:</source>
        <translation>Incrémenter à &amp;partir de&#xa0;:</translation>
    </message>
    <message>
        <source>From a &amp;list: a line for each device, its serial number or current address, then its new address</source>
        <translation>D&apos;après une &amp;liste&#xa0;: une ligne par appareil, son numéro de série ou son adresse actuelle, puis sa nouvelle adresse</translation>
    </message>
    <message>
        <source>Load Plan from &amp;File...</source>
        <translation>Charger le plan depuis un &amp;fichier...</translation>
    </message>
    <message>
        <source>First address of the plan</source>
        <translation>Première adresse du plan</translation>
    </message>
    <message>
        <source>Address plan list</source>
        <translation>Liste du plan d&apos;adressage</translation>
    </message>
    <message>
        <source>mask %1 (from the pages)</source>
        <translation>masque %1 (selon les pages)</translation>
    </message>
    <message>
        <source>Planned &amp;addresses:</source>
        <translation>&amp;Adresses prévues&#xa0;:</translation>
    </message>
    <message>
        <source>Each device with its planned address</source>
        <translation>Chaque appareil avec son adresse prévue</translation>
    </message>
    <message>
        <source>Planned Address</source>
        <translation>Adresse prévue</translation>
    </message>
    <message>
        <source>Looking for devices that already answer at the planned addresses...</source>
        <translation>Recherche des appareils qui répondent déjà aux adresses prévues...</translation>
    </message>
    <message>
        <source>&amp;Language...</source>
        <translation>&amp;Langue...</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>&amp;Show the window in:</source>
        <translation>&amp;Afficher la fenêtre en&#xa0;:</translation>
    </message>
    <message>
        <source>The language of the system</source>
        <translation>Langue du système</translation>
    </message>
    <message>
        <source>The window is shown in the chosen language from its next start.</source>
        <translation>La fenêtre s&apos;affichera dans la langue choisie au prochain démarrage.</translation>
    </message>
    <message>
        <source>The language could not be saved in %1, so the window will not be shown in it at the next start.</source>
        <translation>La langue n&apos;a pas pu être enregistrée dans %1&#xa0;; la fenêtre ne s&apos;affichera donc pas dans cette langue au prochain démarrage.</translation>
    </message>
    <message>
        <source>Chec&amp;k the Picked Devices...</source>
        <translation>&amp;Vérifier les appareils choisis...</translation>
    </message>
    <message>
        <source>Check the picked devices: read each and compare it with the pages&apos; settings, sending nothing</source>
        <translation>Vérifier les appareils choisis&#xa0;: lire chacun et le comparer aux paramètres des pages, sans rien envoyer</translation>
    </message>
    <message>
        <source>Check the Picked Devices...</source>
        <translation>Vérifier les appareils choisis...</translation>
    </message>
    <message>
        <source>Tick the devices to check in Find Devices first (or select them, or paste a list of addresses).</source>
        <translation>Cochez d&apos;abord les appareils à vérifier dans «&#xa0;Chercher des appareils&#xa0;» (ou sélectionnez-les, ou collez une liste d&apos;adresses).</translation>
    </message>
    <message>
        <source>Load the configuration from a device first: the devices are compared with the pages&apos; settings as they then stand.</source>
        <translation>Lisez d&apos;abord la configuration d&apos;un appareil&#xa0;: les appareils sont comparés aux paramètres des pages, tels qu&apos;ils seront alors.</translation>
    </message>
    <message>
        <source>Check the Picked Devices</source>
        <translation>Vérifier les appareils choisis</translation>
    </message>
    <message>
        <source>Checking %1 Devices</source>
        <translation>Vérification de %1 appareils</translation>
    </message>
    <message>
        <source>matches</source>
        <translation>conforme</translation>
    </message>
    <message>
        <source>differs</source>
        <translation>différent</translation>
    </message>
    <message>
        <source>%1 matching, %2 differing, %3 failed</source>
        <translation>%1 conforme(s), %2 différent(s), %3 en échec</translation>
    </message>
    <message>
        <source>Checking: %1 of %2 devices done.</source>
        <translation>Vérification&#xa0;: %1 appareil(s) traité(s) sur %2.</translation>
    </message>
    <message>
        <source>Differing Settings</source>
        <translation>Paramètres différents</translation>
    </message>
    <message>
        <source>%1: the device holds &quot;%2&quot;, the pages &quot;%3&quot;</source>
        <translation>%1&#xa0;: l&apos;appareil contient «&#xa0;%2&#xa0;», les pages «&#xa0;%3&#xa0;»</translation>
    </message>
    <message>
        <source>%1: differs</source>
        <translation>%1&#xa0;: diffère</translation>
    </message>
    <message>
        <source>Cancelled before it started: it was not read.</source>
        <translation>Annulé avant le début&#xa0;: il n&apos;a pas été lu.</translation>
    </message>
    <message>
        <source>Each device is read and compared with these settings of the pages, and is sent nothing: %1. Each device&apos;s own settings are not compared: %2.</source>
        <translation>Chaque appareil est lu et comparé à ces paramètres des pages, sans que rien ne lui soit envoyé&#xa0;: %1. Les paramètres propres à chaque appareil ne sont pas comparés&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Save Rec&amp;ord...</source>
        <translation>Enregistrer le procès-&amp;verbal...</translation>
    </message>
    <message>
        <source>Commissioning Record</source>
        <translation>Procès-verbal de mise en service</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Opération</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Date et heure</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Fuseau horaire</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>SHA-256 of %1: %2</source>
        <translation>SHA-256 de %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The JSON file named above holds this record as data. sha256sum prints its SHA-256: any other value than the one above means the file was changed after the record was made.</source>
        <translation>Le fichier JSON nommé ci-dessus contient ce procès-verbal sous forme de données. sha256sum affiche son SHA-256&#xa0;: toute autre valeur que celle ci-dessus signifie que le fichier a été modifié après l&apos;établissement du procès-verbal.</translation>
    </message>
    <message>
        <source>Device %1 of %2: %3</source>
        <translation>Appareil %1 sur %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>Read back at</source>
        <translation>Relu à</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Why</source>
        <translation>Cause</translation>
    </message>
    <message>
        <source>Every setting as read back</source>
        <translation>Tous les paramètres, tels que relus</translation>
    </message>
    <message>
        <source>No setting was read from this device.</source>
        <translation>Aucun paramètre n&apos;a été lu sur cet appareil.</translation>
    </message>
    <message>
        <source>Verified after the apply</source>
        <translation>Vérifié après l&apos;application</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>no</source>
        <translation>non</translation>
    </message>
    <message>
        <source>What this run changed</source>
        <translation>Ce que cette opération a modifié</translation>
    </message>
    <message>
        <source>This run changed no setting of this device.</source>
        <translation>Cette opération n&apos;a modifié aucun paramètre de cet appareil.</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Avant</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Après</translation>
    </message>
    <message>
        <source>Settings that differ from those compared</source>
        <translation>Paramètres qui diffèrent des valeurs comparées</translation>
    </message>
    <message>
        <source>Every setting compared matches.</source>
        <translation>Tous les paramètres comparés sont conformes.</translation>
    </message>
    <message>
        <source>The device holds</source>
        <translation>L&apos;appareil contient</translation>
    </message>
    <message>
        <source>Compared with</source>
        <translation>Comparé à</translation>
    </message>
    <message>
        <source>set, not shown</source>
        <translation>défini, non affiché</translation>
    </message>
    <message>
        <source>Load from the device</source>
        <translation>Lecture de l&apos;appareil</translation>
    </message>
    <message>
        <source>Save to the device</source>
        <translation>Écriture dans l&apos;appareil</translation>
    </message>
    <message>
        <source>Send to many devices</source>
        <translation>Envoi à plusieurs appareils</translation>
    </message>
    <message>
        <source>Check against settings, nothing sent</source>
        <translation>Vérification par rapport à des paramètres, rien envoyé</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Sauvegarde</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restauration</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Définition de paramètres</translation>
    </message>
    <message>
        <source>read</source>
        <translation>lu</translation>
    </message>
    <message>
        <source>not read</source>
        <translation>non lu</translation>
    </message>
    <message>
        <source>Save Record</source>
        <translation>Enregistrer le procès-verbal</translation>
    </message>
    <message>
        <source>&amp;Note for the record (who, where, what was done):</source>
        <translation>&amp;Remarque pour le procès-verbal (qui, où, ce qui a été fait)&#xa0;:</translation>
    </message>
    <message>
        <source>PDF files (*.pdf);;All files (*)</source>
        <translation>Fichiers PDF (*.pdf);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The record was saved to %1, and its JSON document beside it to %2.

SHA-256 of %3: %4</source>
        <translation>Le procès-verbal a été enregistré dans %1, et son document JSON, à côté, dans %2.

SHA-256 de %3&#xa0;: %4</translation>
    </message>
    <message>
        <source>Record Not Saved</source>
        <translation>Procès-verbal non enregistré</translation>
    </message>
    <message>
        <source>%1

Neither file of the record was written: files of those names are as they were.</source>
        <translation>%1

Aucun des deux fichiers du procès-verbal n&apos;a été écrit&#xa0;: les fichiers portant ces noms sont restés tels quels.</translation>
    </message>
    <message>
        <source>%1

The JSON document was written to %2, but the PDF was not.</source>
        <translation>%1

Le document JSON a été écrit dans %2, mais pas le PDF.</translation>
    </message>
    <message>
        <source>Save a commissioning record of what was read back, as PDF and JSON</source>
        <translation>Enregistrer un procès-verbal de mise en service de ce qui a été relu, en PDF et en JSON</translation>
    </message>
    <message>
        <source>Note for the record</source>
        <translation>Remarque pour le procès-verbal</translation>
    </message>
    <message>
        <source>Usage: %1 --record-pdf RECORD.json OUT.pdf</source>
        <translation>Utilisation&#xa0;: %1 --record-pdf RECORD.json OUT.pdf</translation>
    </message>
    <message>
        <source>%1: no PDF was made of it. %2</source>
        <translation>%1&#xa0;: aucun PDF n&apos;en a été créé. %2</translation>
    </message>
    <message>
        <source>%1 No PDF was made.</source>
        <translation>%1 Aucun PDF n&apos;a été créé.</translation>
    </message>
    <message>
        <source>%1 already exists and is not the record beside this PDF (a settings file, say).

Replace it with the record&apos;s JSON document?</source>
        <translation>%1 existe déjà et n&apos;est pas le procès-verbal qui accompagne ce PDF (c&apos;est par exemple un fichier de paramètres).

Le remplacer par le document JSON du procès-verbal&#xa0;?</translation>
    </message>
    <message>
        <source>Devices in this record</source>
        <translation>Appareils de ce procès-verbal</translation>
    </message>
</context>
<context>
    <name>Templates</name>
    <message>
        <source>About TolvoConfig</source>
        <translation>À propos de TolvoConfig</translation>
    </message>
    <message>
        <source>Program icon</source>
        <translation>Icône du programme</translation>
    </message>
    <message>
        <source>Tolvo-S Configuration Utility, Version 1.0</source>
        <translation>Utilitaire de configuration Tolvo-S, version 1.0</translation>
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
        <translation>Configuration Tolvo-S - Halvane</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Tolvo&apos;s IP address:</source>
        <translation>Adresse IP du Tolvo&#xa0;:</translation>
    </message>
    <message>
        <source>Load Configuration</source>
        <translation>Lire la configuration</translation>
    </message>
    <message>
        <source>Save Configuration</source>
        <translation>Écrire la configuration</translation>
    </message>
    <message>
        <source>Find Devices...</source>
        <translation>Chercher des appareils...</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>Importer...</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exporter...</translation>
    </message>
    <message>
        <source>Serial Number:</source>
        <translation>N° de série&#xa0;:</translation>
    </message>
    <message>
        <source>Firmware Version:</source>
        <translation>Version firmware&#xa0;:</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>Adresse IP&#xa0;:</translation>
    </message>
    <message>
        <source>IP mask:</source>
        <translation>Masque IP&#xa0;:</translation>
    </message>
    <message>
        <source>SSID:</source>
        <translation>SSID&#xa0;:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Mot de passe&#xa0;:</translation>
    </message>
    <message>
        <source>Wi-Fi channel:</source>
        <translation>Canal Wi-Fi&#xa0;:</translation>
    </message>
    <message>
        <source>Transmission Power:</source>
        <translation>Puissance d&apos;émission&#xa0;:</translation>
    </message>
    <message>
        <source>Network Type:</source>
        <translation>Type de réseau&#xa0;:</translation>
    </message>
    <message>
        <source>Network type</source>
        <translation>Type de réseau</translation>
    </message>
    <message>
        <source>Access Point</source>
        <translation>Point d&apos;accès</translation>
    </message>
    <message>
        <source>Infrastracture</source>
        <translation>Infrastructure</translation>
    </message>
    <message>
        <source>DHCP mode</source>
        <translation>Mode DHCP</translation>
    </message>
    <message>
        <source>DHCP Disabled</source>
        <translation>DHCP désactivé</translation>
    </message>
    <message>
        <source>DHCP Enabled</source>
        <translation>DHCP activé</translation>
    </message>
    <message>
        <source>DHCP Access Point</source>
        <translation>DHCP point d&apos;accès</translation>
    </message>
    <message>
        <source>Device Name:</source>
        <translation>Nom de l&apos;appareil&#xa0;:</translation>
    </message>
    <message>
        <source>Port 0 connect to:</source>
        <translation>Port 0 relié à&#xa0;:</translation>
    </message>
    <message>
        <source>Port 0 connection</source>
        <translation>Liaison du port 0</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuration</translation>
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
        <translation>Aucune liaison</translation>
    </message>
    <message>
        <source>TCP/IP Port:</source>
        <translation>Port TCP/IP&#xa0;:</translation>
    </message>
    <message>
        <source>Port 0 TCP/IP port</source>
        <translation>Port TCP/IP du port 0</translation>
    </message>
    <message>
        <source>Port 1 connect to:</source>
        <translation>Port 1 relié à&#xa0;:</translation>
    </message>
    <message>
        <source>Port 1 connection</source>
        <translation>Liaison du port 1</translation>
    </message>
    <message>
        <source>Port 1 TCP/IP port</source>
        <translation>Port TCP/IP du port 1</translation>
    </message>
    <message>
        <source>Port 2 connect to:</source>
        <translation>Port 2 relié à&#xa0;:</translation>
    </message>
    <message>
        <source>Port 2 connection</source>
        <translation>Liaison du port 2</translation>
    </message>
    <message>
        <source>Port 2 TCP/IP port</source>
        <translation>Port TCP/IP du port 2</translation>
    </message>
    <message>
        <source>Baudrate:</source>
        <translation>Débit en bauds&#xa0;:</translation>
    </message>
    <message>
        <source>Data Bits:</source>
        <translation>Bits de données&#xa0;:</translation>
    </message>
    <message>
        <source>Stop Bits:</source>
        <translation>Bits d&apos;arrêt&#xa0;:</translation>
    </message>
    <message>
        <source>Parity:</source>
        <translation>Parité&#xa0;:</translation>
    </message>
    <message>
        <source>RS232 baud rate</source>
        <translation>Débit en bauds RS232</translation>
    </message>
    <message>
        <source>RS232 data bits</source>
        <translation>Bits de données RS232</translation>
    </message>
    <message>
        <source>RS232 stop bits</source>
        <translation>Bits d&apos;arrêt RS232</translation>
    </message>
    <message>
        <source>RS232 parity</source>
        <translation>Parité RS232</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Impaire</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Paire</translation>
    </message>
    <message>
        <source>DIRECT baud rate</source>
        <translation>Débit en bauds DIRECT</translation>
    </message>
    <message>
        <source>DIRECT data bits</source>
        <translation>Bits de données DIRECT</translation>
    </message>
    <message>
        <source>DIRECT stop bits</source>
        <translation>Bits d&apos;arrêt DIRECT</translation>
    </message>
    <message>
        <source>DIRECT parity</source>
        <translation>Parité DIRECT</translation>
    </message>
</context>
</TS>
