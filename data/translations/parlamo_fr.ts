<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AppCommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Afficher la version et quitter.</translation>
    </message>
    <message>
        <source>Parlamo, a desktop client for online translation. At every start it fetches its
service configuration from the configuration server (built in; override it with
PARLAMO_CONFIG_HOST=host[:port]).
Proxies come from http_proxy, https_proxy, all_proxy and no_proxy (also
HTTPS_PROXY, ALL_PROXY, NO_PROXY), as curl reads them; without any of them, from
the desktop&apos;s proxy setting.
Without --help, --version, --translate, --list or --history the window starts,
and other options are ignored. See RaDudezozad(1).</source>
        <translation>Parlamo, un client de bureau pour la traduction en ligne. À chaque démarrage,
il récupère sa configuration de service auprès du serveur de configuration
(intégré ; modifiable avec PARLAMO_CONFIG_HOST=hôte[:port]).
Les proxys sont pris dans http_proxy, https_proxy, all_proxy et no_proxy (ainsi
que HTTPS_PROXY, ALL_PROXY, NO_PROXY), comme curl les lit ; à défaut, dans le
réglage de proxy du bureau.
Sans --help, --version, --translate, --list ou --history, la fenêtre s&apos;ouvre et
les autres options sont ignorées. Voir RaDudezozad(1).</translation>
    </message>
    <message>
        <source>Started at log-on: in tray mode, go to the tray without a notice.</source>
        <translation>Lancé à l&apos;ouverture de session : si le programme vit dans la zone de notification, il s&apos;y place sans avis.</translation>
    </message>
    <message>
        <source>Show the window, without a tray icon, even in tray mode.</source>
        <translation>Afficher la fenêtre, sans icône de notification, même si le programme vit dans la zone de notification.</translation>
    </message>
    <message>
        <source>Usage: %1 [options] [/startup] [/debug]</source>
        <translation>Utilisation : %1 [options] [/startup] [/debug]</translation>
    </message>
    <message>
        <source>Translate the selected text in a small window (the running program&apos;s, or this one&apos;s once its window is loaded). Meant for a desktop shortcut.</source>
        <translation>Traduire le texte sélectionné dans une petite fenêtre (celle du programme déjà lancé ou, une fois sa fenêtre chargée, celle de celui-ci). Prévu pour un raccourci du bureau.</translation>
    </message>
    <message>
        <source>Pick an area of the screen, read its text and translate it in a small window (the running program&apos;s, or this one&apos;s once its window is loaded).</source>
        <translation>Choisir une zone de l&apos;écran, lire son texte et le traduire dans une petite fenêtre (celle du programme déjà lancé ou, une fois sa fenêtre chargée, celle de celui-ci).</translation>
    </message>
</context>
<context>
    <name>AppRequests</name>
    <message>
        <source>Parlamo has ended.</source>
        <translation>Parlamo s&apos;est arrêté.</translation>
    </message>
    <message>
        <source>Parlamo is closing.</source>
        <translation>Parlamo est en cours de fermeture.</translation>
    </message>
</context>
<context>
    <name>ConfigCheck</name>
    <message>
        <source>the %1 attribute %2</source>
        <translation>l&apos;attribut %2 de %1</translation>
    </message>
    <message>
        <source>a numeric %1 attribute %2</source>
        <translation>un attribut numérique %2 de %1</translation>
    </message>
    <message>
        <source>a numeric Sizes attribute %1</source>
        <translation>un attribut numérique %1 de Sizes</translation>
    </message>
    <message>
        <source>a Sizes attribute %1 that a screen can hold (at most %2 twips, not %3)</source>
        <translation>un attribut %1 de Sizes qu&apos;un écran peut contenir (au plus %2 twips, pas %3)</translation>
    </message>
    <message>
        <source>the Engines element</source>
        <translation>l&apos;élément Engines</translation>
    </message>
    <message>
        <source>the name of engine %1</source>
        <translation>le nom du moteur %1</translation>
    </message>
    <message>
        <source>an engine name without an apostrophe (%1)</source>
        <translation>un nom de moteur sans apostrophe (%1)</translation>
    </message>
    <message>
        <source>a usable name for engine %1</source>
        <translation>un nom utilisable pour le moteur %1</translation>
    </message>
    <message>
        <source>the Languages element of engine %1</source>
        <translation>l&apos;élément Languages du moteur %1</translation>
    </message>
    <message>
        <source>the name of language %1 of engine %2</source>
        <translation>le nom de la langue %1 du moteur %2</translation>
    </message>
    <message>
        <source>a language at the Languages default %1 of engine %2 (there are %3)</source>
        <translation>une langue à la position par défaut %1 de Languages du moteur %2 (il y en a %3)</translation>
    </message>
    <message>
        <source>an engine at the Engines default %1 (there are %2)</source>
        <translation>un moteur à la position par défaut %1 de Engines (il y en a %2)</translation>
    </message>
    <message>
        <source>a configuration document</source>
        <translation>un document de configuration</translation>
    </message>
    <message>
        <source>the Messages element</source>
        <translation>l&apos;élément Messages</translation>
    </message>
    <message>
        <source>the Features element</source>
        <translation>l&apos;élément Features</translation>
    </message>
    <message>
        <source>the Sizes element</source>
        <translation>l&apos;élément Sizes</translation>
    </message>
    <message>
        <source>The configuration sent by the server is incomplete, so the program cannot start. It lacks %1.</source>
        <translation>La configuration envoyée par le serveur est incomplète, le programme ne peut donc pas démarrer. Il manque : %1.</translation>
    </message>
    <message>
        <source>Please start again later.</source>
        <translation>Veuillez relancer le programme plus tard.</translation>
    </message>
</context>
<context>
    <name>ConfigDocument</name>
    <message>
        <source>%1 at offset %2</source>
        <translation>%1 à la position %2</translation>
    </message>
    <message>
        <source>no root element</source>
        <translation>aucun élément racine</translation>
    </message>
    <message>
        <source>no configuration document is loaded</source>
        <translation>aucun document de configuration n&apos;est chargé</translation>
    </message>
    <message>
        <source>invalid lookup %1: %2</source>
        <translation>requête non valide %1 : %2</translation>
    </message>
</context>
<context>
    <name>ConfigElement</name>
    <message>
        <source>(missing element)</source>
        <translation>(élément manquant)</translation>
    </message>
    <message>
        <source>missing element for %1</source>
        <translation>élément manquant pour %1</translation>
    </message>
    <message>
        <source>missing attribute %1</source>
        <translation>attribut manquant %1</translation>
    </message>
    <message>
        <source>not a 16-bit whole number: %1</source>
        <translation>pas un nombre entier sur 16 bits : %1</translation>
    </message>
    <message>
        <source>not a 32-bit whole number: %1</source>
        <translation>pas un nombre entier sur 32 bits : %1</translation>
    </message>
    <message>
        <source>not a number: %1</source>
        <translation>pas un nombre : %1</translation>
    </message>
</context>
<context>
    <name>ConfigLoader</name>
    <message>
        <source>the connection was refused</source>
        <translation>la connexion a été refusée</translation>
    </message>
    <message>
        <source>the host was not found</source>
        <translation>l&apos;hôte est introuvable</translation>
    </message>
    <message>
        <source>the server closed the connection before answering</source>
        <translation>le serveur a fermé la connexion avant de répondre</translation>
    </message>
    <message>
        <source>timed out: %1</source>
        <translation>délai dépassé : %1</translation>
    </message>
    <message>
        <source>not a usable address: %1</source>
        <translation>adresse inutilisable : %1</translation>
    </message>
    <message>
        <source>the server answered with HTTP status %1</source>
        <translation>le serveur a répondu avec le statut HTTP %1</translation>
    </message>
    <message>
        <source>not a well-formed document: %1</source>
        <translation>document mal formé : %1</translation>
    </message>
</context>
<context>
    <name>DBusInterface</name>
    <message>
        <source>Parlamo has ended.</source>
        <translation>Parlamo s&apos;est arrêté.</translation>
    </message>
</context>
<context>
    <name>EngineLists</name>
    <message>
        <source>the document has no Engines element</source>
        <translation>le document n&apos;a pas d&apos;élément Engines</translation>
    </message>
    <message>
        <source>no Languages element for the engine &quot;%1&quot;</source>
        <translation>aucun élément Languages pour le moteur &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 %2 selects no entry of %3</source>
        <translation>%1 %2 ne sélectionne aucune des %3 entrées</translation>
    </message>
    <message>
        <source>the kept language</source>
        <translation>la langue conservée</translation>
    </message>
</context>
<context>
    <name>HeadlessCommandLine</name>
    <message>
        <source>Translate TEXT without opening a window and print the result; &quot;-&quot; reads the text from standard input.</source>
        <translation>Traduire TEXTE sans ouvrir de fenêtre et afficher le résultat ; &quot;-&quot; lit le texte sur l&apos;entrée standard.</translation>
    </message>
    <message>
        <source>TEXT</source>
        <translation>TEXTE</translation>
    </message>
    <message>
        <source>The engine to translate with (default: the service&apos;s).</source>
        <translation>Le moteur de traduction à utiliser (par défaut : celui du service).</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NOM</translation>
    </message>
    <message>
        <source>The language pair to translate with (default: the engine&apos;s).</source>
        <translation>La paire de langues à utiliser (par défaut : celle du moteur).</translation>
    </message>
    <message>
        <source>--list and --translate cannot be used together</source>
        <translation>--list et --translate ne peuvent pas être utilisés ensemble</translation>
    </message>
    <message>
        <source>--engine and --pair need --translate</source>
        <translation>--engine et --pair nécessitent --translate</translation>
    </message>
    <message>
        <source>standard input is not UTF-8 text</source>
        <translation>l&apos;entrée standard n&apos;est pas du texte UTF-8</translation>
    </message>
    <message>
        <source>cannot read standard input</source>
        <translation>impossible de lire l&apos;entrée standard</translation>
    </message>
    <message>
        <source>List the engines and their language pairs, with the codes of their languages where known; the defaults are marked.</source>
        <translation>Lister les services et leurs paires de langues, avec les codes de leurs langues s&apos;ils sont connus ; les valeurs par défaut sont marquées.</translation>
    </message>
    <message>
        <source>Print the code of the language of TEXT (the arguments, or standard input for none or &quot;-&quot;); exit 1 when not sure.</source>
        <translation>Afficher le code de la langue de TEXT (les arguments, ou l&apos;entrée standard s&apos;il n&apos;y en a pas ou pour &quot;-&quot;) ; sortie 1 en cas de doute.</translation>
    </message>
    <message>
        <source>With --pair auto: translate into the language of this code (&quot;en&quot;) from the text&apos;s language.</source>
        <translation>Avec --pair auto : traduire de la langue du texte vers la langue de ce code (&quot;en&quot;).</translation>
    </message>
    <message>
        <source>CODE</source>
        <translation>CODE</translation>
    </message>
    <message>
        <source>With --translate: print the translation, then on the next line the translation translated back with the reverse pair.</source>
        <translation>Avec --translate : afficher la traduction, puis à la ligne suivante la traduction retraduite avec la paire inverse.</translation>
    </message>
    <message>
        <source>--detect cannot be used with --translate or --list</source>
        <translation>--detect ne peut pas être utilisé avec --translate ou --list</translation>
    </message>
    <message>
        <source>--to needs --pair auto</source>
        <translation>--to nécessite --pair auto</translation>
    </message>
</context>
<context>
    <name>HeadlessTranslation</name>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>cannot load the configuration from %1: %2</source>
        <translation>impossible de charger la configuration depuis %1 : %2</translation>
    </message>
    <message>
        <source>the document has no Messages element</source>
        <translation>le document n&apos;a pas d&apos;élément Messages</translation>
    </message>
    <message>
        <source>the service allows no translations now</source>
        <translation>le service n&apos;autorise aucune traduction pour le moment</translation>
    </message>
    <message>
        <source>the configuration from %1 cannot be used: %2</source>
        <translation>la configuration de %1 est inutilisable : %2</translation>
    </message>
    <message>
        <source>[default]</source>
        <translation>[par défaut]</translation>
    </message>
    <message>
        <source>there is no text to translate</source>
        <translation>il n&apos;y a aucun texte à traduire</translation>
    </message>
    <message>
        <source>unknown engine %1; the engines are %2</source>
        <translation>moteur inconnu %1 ; les moteurs sont %2</translation>
    </message>
    <message>
        <source>unknown language pair %1 of engine %2; its pairs are %3</source>
        <translation>paire de langues inconnue %1 du moteur %2 ; ses paires sont %3</translation>
    </message>
    <message>
        <source>engine %1 at %2</source>
        <translation>le moteur %1 sur %2</translation>
    </message>
    <message>
        <source>cannot ask %1: %2</source>
        <translation>impossible d&apos;interroger %1 : %2</translation>
    </message>
    <message>
        <source>cannot reach %1: %2</source>
        <translation>impossible de joindre %1 : %2</translation>
    </message>
    <message>
        <source>%1 sent no answer within %2 s</source>
        <translation>%1 n&apos;a pas répondu en %2 s</translation>
    </message>
    <message>
        <source>%1 answered with HTTP status %2</source>
        <translation>%1 a répondu avec le statut HTTP %2</translation>
    </message>
    <message>
        <source>no translation found in the answer of %1 (its markers do not occur in it)</source>
        <translation>aucune traduction trouvée dans la réponse de %1 (ses marqueurs n&apos;y figurent pas)</translation>
    </message>
    <message>
        <source>not sure</source>
        <translation>pas sûr</translation>
    </message>
    <message>
        <source>language detection is not available: %1</source>
        <translation>la détection de la langue n&apos;est pas disponible : %1</translation>
    </message>
    <message>
        <source>not sure which language the text is in</source>
        <translation>pas sûr de la langue du texte</translation>
    </message>
    <message>
        <source>engine %1 has no language pair from %2 to %3</source>
        <translation>le service %1 n&apos;a aucune paire de langues de %2 vers %3</translation>
    </message>
    <message>
        <source>engine %1 has no language pair that translates back from %2</source>
        <translation>le service %1 n&apos;a aucune paire de langues qui retraduise depuis %2</translation>
    </message>
</context>
<context>
    <name>HearItCommand</name>
    <message>
        <source>No Sound file found.</source>
        <translation>Aucun fichier son trouvé.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Annulé.</translation>
    </message>
    <message>
        <source>Downloading Sound file...</source>
        <translation>Téléchargement du fichier son...</translation>
    </message>
    <message>
        <source>Unable to detect WAV device in this system.</source>
        <translation>Aucun périphérique WAV détecté sur ce système.</translation>
    </message>
</context>
<context>
    <name>HistoryCommandLine</name>
    <message>
        <source>Print the translation history, newest first, without opening a window.</source>
        <translation>Afficher l&apos;historique des traductions, les plus récentes d&apos;abord, sans ouvrir de fenêtre.</translation>
    </message>
    <message>
        <source>With --history: only the entries whose text or translation holds WORD, in any letter case.</source>
        <translation>Avec --history : seulement les entrées dont le texte ou la traduction contient MOT, sans tenir compte de la casse.</translation>
    </message>
    <message>
        <source>WORD</source>
        <translation>MOT</translation>
    </message>
    <message>
        <source>With --history: tsv (the default: tab-separated, no header) or csv (RFC 4180, with a header row).</source>
        <translation>Avec --history : tsv (par défaut : séparé par des tabulations, sans en-tête) ou csv (RFC 4180, avec une ligne d&apos;en-tête).</translation>
    </message>
    <message>
        <source>--search and --format need --history</source>
        <translation>--search et --format nécessitent --history</translation>
    </message>
    <message>
        <source>--history cannot be used with --%1</source>
        <translation>--history ne peut pas être utilisé avec --%1</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot;: tsv or csv</source>
        <translation>format inconnu &quot;%1&quot; : tsv ou csv</translation>
    </message>
    <message>
        <source>cannot read the history in %1: %2</source>
        <translation>impossible de lire l&apos;historique dans %1 : %2</translation>
    </message>
</context>
<context>
    <name>HistoryModel</name>
    <message>
        <source>Time</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Moteur</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Langues</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Traduction</translation>
    </message>
</context>
<context>
    <name>HistoryReader</name>
    <message>
        <source>unknown database error</source>
        <translation>erreur de base de données inconnue</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 n&apos;est pas un fichier</translation>
    </message>
    <message>
        <source>the SQLite driver of Qt SQL is not installed</source>
        <translation>le pilote SQLite de Qt SQL n&apos;est pas installé</translation>
    </message>
    <message>
        <source>the history database is damaged</source>
        <translation>la base de données de l&apos;historique est endommagée</translation>
    </message>
</context>
<context>
    <name>HistoryStore</name>
    <message>
        <source>unknown database error</source>
        <translation>erreur de base de données inconnue</translation>
    </message>
    <message>
        <source>cannot create the folder of %1</source>
        <translation>impossible de créer le dossier de %1</translation>
    </message>
    <message>
        <source>the SQLite driver of Qt SQL is not installed</source>
        <translation>le pilote SQLite de Qt SQL n&apos;est pas installé</translation>
    </message>
    <message>
        <source>the history database is damaged</source>
        <translation>la base de données de l&apos;historique est endommagée</translation>
    </message>
    <message>
        <source>History is off for this run: %1.</source>
        <translation>Historique désactivé jusqu&apos;au prochain démarrage : %1.</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Search the history</source>
        <translation>Rechercher dans l&apos;historique</translation>
    </message>
    <message>
        <source>Translations</source>
        <translation>Traductions</translation>
    </message>
    <message>
        <source>Enter or a double click puts the translation back</source>
        <translation>Entrée ou un double-clic rétablit la traduction</translation>
    </message>
    <message>
        <source>Writes the listed translations to a CSV file</source>
        <translation>Écrit les traductions affichées dans un fichier CSV</translation>
    </message>
    <message>
        <source>Clear the whole history? This cannot be undone.</source>
        <translation>Effacer tout l&apos;historique ? Cette action est irréversible.</translation>
    </message>
    <message>
        <source>Export History</source>
        <translation>Exporter l&apos;historique</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Fichiers CSV (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The history could not be written to %1.</source>
        <translation>L&apos;historique n&apos;a pas pu être écrit dans %1.</translation>
    </message>
    <message>
        <source>Lists only the translations whose texts hold these letters; the arrow keys walk the list.</source>
        <translation>Ne liste que les traductions dont les textes contiennent ces lettres ; les flèches parcourent la liste.</translation>
    </message>
    <message>
        <source>&amp;Keep a history</source>
        <translation>&amp;Conserver un historique</translation>
    </message>
    <message>
        <source>Whether new translations are kept, also after a restart</source>
        <translation>Si les nouvelles traductions sont conservées, même après un redémarrage</translation>
    </message>
    <message>
        <source>C&amp;lear History</source>
        <translation>Effacer l&apos;&amp;historique</translation>
    </message>
    <message>
        <source>Forgets every kept translation, after asking</source>
        <translation>Oublie toutes les traductions conservées, après confirmation</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exporter...</translation>
    </message>
</context>
<context>
    <name>HttpTransfer</name>
    <message>
        <source>The answer is larger than %1 MiB.</source>
        <translation>La réponse dépasse %1 Mio.</translation>
    </message>
    <message>
        <source>The answer is larger than %1 bytes.</source>
        <translation>La réponse dépasse %1 octets.</translation>
    </message>
    <message>
        <source>The transfer took longer than %1 seconds.</source>
        <translation>Le transfert a duré plus de %1 secondes.</translation>
    </message>
    <message>
        <source>Not a usable address: %1</source>
        <translation>Adresse inutilisable : %1</translation>
    </message>
    <message>
        <source>Not a usable method: %1</source>
        <translation>Méthode inutilisable : %1</translation>
    </message>
    <message>
        <source>Not a usable header line: %1</source>
        <translation>Ligne d&apos;en-tête inutilisable : %1</translation>
    </message>
    <message>
        <source>Cannot start the transfer.</source>
        <translation>Impossible de démarrer le transfert.</translation>
    </message>
    <message>
        <source>Refused a redirect to %1</source>
        <translation>Redirection vers %1 refusée</translation>
    </message>
    <message>
        <source>The answer&apos;s header has a broken line.</source>
        <translation>L&apos;en-tête de la réponse contient une ligne défectueuse.</translation>
    </message>
    <message>
        <source>The answer&apos;s trailer is too large.</source>
        <translation>Les champs de fin de la réponse sont trop grands.</translation>
    </message>
    <message>
        <source>The answer&apos;s header is too large.</source>
        <translation>L&apos;en-tête de la réponse est trop grand.</translation>
    </message>
    <message>
        <source>The server&apos;s answer is not HTTP.</source>
        <translation>La réponse du serveur n&apos;est pas du HTTP.</translation>
    </message>
    <message>
        <source>The server switched protocols.</source>
        <translation>Le serveur a changé de protocole.</translation>
    </message>
    <message>
        <source>The answer&apos;s transfer coding is not readable: %1</source>
        <translation>Le codage de transfert de la réponse est illisible : %1</translation>
    </message>
    <message>
        <source>The answer&apos;s length is unreadable.</source>
        <translation>La longueur de la réponse est illisible.</translation>
    </message>
    <message>
        <source>The connection ended inside the answer&apos;s header.</source>
        <translation>La connexion s&apos;est terminée au milieu de l&apos;en-tête de la réponse.</translation>
    </message>
    <message>
        <source>Cannot connect to %1: %2</source>
        <translation>Impossible de se connecter à %1 : %2</translation>
    </message>
    <message>
        <source>The server&apos;s certificate was refused: %1</source>
        <translation>Le certificat du serveur a été refusé : %1</translation>
    </message>
    <message>
        <source>The secure connection failed: %1</source>
        <translation>La connexion sécurisée a échoué : %1</translation>
    </message>
    <message>
        <source>The server closed the connection without answering.</source>
        <translation>Le serveur a fermé la connexion sans répondre.</translation>
    </message>
    <message>
        <source>The connection ended before the whole answer.</source>
        <translation>La connexion s&apos;est terminée avant la fin de la réponse.</translation>
    </message>
    <message>
        <source>The connection ended after %1 of %2 bytes.</source>
        <translation>La connexion s&apos;est terminée après %1 octets sur %2.</translation>
    </message>
    <message>
        <source>Too many redirects.</source>
        <translation>Trop de redirections.</translation>
    </message>
    <message>
        <source>The server&apos;s answer is not readable HTTP: %1</source>
        <translation>La réponse du serveur n&apos;est pas du HTTP lisible : %1</translation>
    </message>
    <message>
        <source>The server sent nothing for %1 seconds.</source>
        <translation>Le serveur n&apos;a rien envoyé pendant %1 secondes.</translation>
    </message>
    <message>
        <source>The server sent no answer within %1 seconds.</source>
        <translation>Le serveur n&apos;a pas répondu en %1 secondes.</translation>
    </message>
    <message>
        <source>The transfer was cancelled.</source>
        <translation>Le transfert a été annulé.</translation>
    </message>
    <message>
        <source>The answer could not be stored.</source>
        <translation>La réponse n’a pas pu être enregistrée.</translation>
    </message>
</context>
<context>
    <name>ImageCommandLine</name>
    <message>
        <source>there is no screen to read</source>
        <translation>il n&apos;y a aucun écran à lire</translation>
    </message>
    <message>
        <source>the screen cannot be read here</source>
        <translation>l&apos;écran ne peut pas être lu ici</translation>
    </message>
    <message>
        <source>Print the text read from an image file (PNG, JPEG...) in the language of --pair&apos;s source, else in English.</source>
        <translation>Afficher le texte lu dans un fichier image (PNG, JPEG...) dans la langue source de --pair, sinon en anglais.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FICHIER</translation>
    </message>
    <message>
        <source>Print the translation of the text read from an image file.</source>
        <translation>Afficher la traduction du texte lu dans un fichier image.</translation>
    </message>
    <message>
        <source>Print the text read from an area of the screen (needs a display).</source>
        <translation>Afficher le texte lu dans une zone de l&apos;écran (nécessite un affichage).</translation>
    </message>
    <message>
        <source>X,Y,W,H</source>
        <translation>X,Y,L,H</translation>
    </message>
    <message>
        <source>--read-image, --translate-image, --read-screen, --translate and --list cannot be used together</source>
        <translation>--read-image, --translate-image, --read-screen, --translate et --list ne peuvent pas être utilisés ensemble</translation>
    </message>
    <message>
        <source>--read-screen wants X,Y,W,H with a positive width and height</source>
        <translation>--read-screen attend X,Y,L,H avec une largeur et une hauteur positives</translation>
    </message>
    <message>
        <source>cannot read the image %1: %2</source>
        <translation>impossible de lire l&apos;image %1 : %2</translation>
    </message>
    <message>
        <source>no text was found in the image</source>
        <translation>aucun texte n&apos;a été trouvé dans l&apos;image</translation>
    </message>
</context>
<context>
    <name>LayoutMath</name>
    <message>
        <source>not a number: %1</source>
        <translation>pas un nombre : %1</translation>
    </message>
    <message>
        <source>the document has no Sizes element</source>
        <translation>le document n&apos;a pas d&apos;élément Sizes</translation>
    </message>
</context>
<context>
    <name>LazySoundOutput</name>
    <message>
        <source>%1 belongs to another user</source>
        <translation>%1 appartient à un autre utilisateur</translation>
    </message>
    <message>
        <source>other users may change %1</source>
        <translation>d&apos;autres utilisateurs peuvent modifier %1</translation>
    </message>
    <message>
        <source>No sound: the sound module %1 was not found.</source>
        <translation>Pas de son : le module de son %1 est introuvable.</translation>
    </message>
    <message>
        <source>No sound: the sound module could not be loaded (%1).</source>
        <translation>Pas de son : le module de son n&apos;a pas pu être chargé (%1).</translation>
    </message>
</context>
<context>
    <name>NoScreenArea</name>
    <message>
        <source>The screen cannot be read on this desktop.</source>
        <translation>L&apos;écran ne peut pas être lu sur ce bureau.</translation>
    </message>
</context>
<context>
    <name>OutsideTranslation</name>
    <message>
        <source>Choose a language pair in the main window first.</source>
        <translation>Choisissez d&apos;abord une paire de langues dans la fenêtre principale.</translation>
    </message>
    <message>
        <source>There is no text to translate.</source>
        <translation>Il n&apos;y a aucun texte à traduire.</translation>
    </message>
</context>
<context>
    <name>PairRule</name>
    <message>
        <source>The language pairs of this engine do not say which languages they join, so the language of a text cannot pick one.</source>
        <translation>Les paires de langues de ce service n&apos;indiquent pas les langues qu&apos;elles relient : la langue d&apos;un texte ne peut donc pas en choisir une.</translation>
    </message>
    <message>
        <source>%1 → %2 (detected)</source>
        <translation>%1 → %2 (détecté)</translation>
    </message>
    <message>
        <source>%1 (the language of the text is not clear)</source>
        <translation>%1 (la langue du texte n&apos;est pas claire)</translation>
    </message>
    <message>
        <source>No pair from %1</source>
        <translation>Aucune paire depuis %1</translation>
    </message>
    <message>
        <source>%1 (no pair from %2)</source>
        <translation>%1 (aucune paire depuis %2)</translation>
    </message>
</context>
<context>
    <name>PortalGlobalShortcut</name>
    <message>
        <source>The selection shortcut %1 is not a key the desktop can bind.</source>
        <translation>Le bureau ne peut pas attribuer le raccourci de sélection %1.</translation>
    </message>
    <message>
        <source>The desktop did not bind the selection shortcut %1 (%2).</source>
        <translation>Le bureau n&apos;a pas attribué le raccourci de sélection %1 (%2).</translation>
    </message>
    <message>
        <source>The selection shortcut %1 was not bound: the desktop&apos;s question was cancelled.</source>
        <translation>Le raccourci de sélection %1 n&apos;a pas été attribué : la demande du bureau a été annulée.</translation>
    </message>
    <message>
        <source>The desktop did not bind the selection shortcut %1.</source>
        <translation>Le bureau n&apos;a pas attribué le raccourci de sélection %1.</translation>
    </message>
    <message>
        <source>Translate the selection</source>
        <translation>Traduire la sélection</translation>
    </message>
    <message>
        <source>This desktop holds no keys for programs, so the selection shortcut %1 is off: bind &quot;%2 --translate-selection&quot; to a key in the desktop&apos;s keyboard settings instead.</source>
        <translation>Ce bureau n&apos;attribue pas de touches aux programmes, le raccourci de sélection %1 est donc désactivé : associez plutôt « %2 --translate-selection » à une touche dans les réglages du clavier du bureau.</translation>
    </message>
    <message>
        <source>The screen area shortcut %1 is not a key the desktop can bind.</source>
        <translation>Le bureau ne peut pas attribuer le raccourci de zone d&apos;écran %1.</translation>
    </message>
    <message>
        <source>The desktop did not bind the screen area shortcut %1 (%2).</source>
        <translation>Le bureau n&apos;a pas attribué le raccourci de zone d&apos;écran %1 (%2).</translation>
    </message>
    <message>
        <source>The screen area shortcut %1 was not bound: the desktop&apos;s question was cancelled.</source>
        <translation>Le raccourci de zone d&apos;écran %1 n&apos;a pas été attribué : la demande du bureau a été annulée.</translation>
    </message>
    <message>
        <source>Translate an area of the screen</source>
        <translation>Traduire une zone de l&apos;écran</translation>
    </message>
    <message>
        <source>This desktop holds no keys for programs, so the screen area shortcut %1 is off: bind &quot;%2 --translate-screen-area&quot; to a key in the desktop&apos;s keyboard settings instead.</source>
        <translation>Ce bureau n&apos;attribue pas de touches aux programmes, le raccourci de zone d&apos;écran %1 est donc désactivé : associez plutôt « %2 --translate-screen-area » à une touche dans les réglages du clavier du bureau.</translation>
    </message>
    <message>
        <source>The desktop did not bind the screen area shortcut %1.</source>
        <translation>Le bureau n&apos;a pas attribué le raccourci de zone d&apos;écran %1.</translation>
    </message>
</context>
<context>
    <name>ReversePair</name>
    <message>
        <source>no language pairs for engine %1</source>
        <translation>aucune paire de langues pour le moteur %1</translation>
    </message>
</context>
<context>
    <name>RunningCopy</name>
    <message>
        <source>Parlamo is already running but does not answer (%1).</source>
        <translation>Parlamo est déjà lancé, mais ne répond pas (%1).</translation>
    </message>
    <message>
        <source>Parlamo is already running but does not answer.</source>
        <translation>Parlamo est déjà lancé, mais ne répond pas.</translation>
    </message>
    <message>
        <source>%1 cannot be made (%2).</source>
        <translation>Impossible de créer %1 (%2).</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 n&apos;est pas un dossier.</translation>
    </message>
    <message>
        <source>%1 belongs to another user.</source>
        <translation>%1 appartient à un autre utilisateur.</translation>
    </message>
    <message>
        <source>Other users may use %1.</source>
        <translation>D&apos;autres utilisateurs peuvent utiliser %1.</translation>
    </message>
    <message>
        <source>Cannot make sure that only one copy of Parlamo runs: %1</source>
        <translation>Impossible de garantir qu&apos;une seule copie de Parlamo s&apos;exécute : %1</translation>
    </message>
</context>
<context>
    <name>ScreenAreaPicker</name>
    <message>
        <source>The screen cannot be read on this desktop.</source>
        <translation>L&apos;écran ne peut pas être lu sur ce bureau.</translation>
    </message>
    <message>
        <source>The desktop does not let Parlamo read the screen (%1).</source>
        <translation>Le bureau ne permet pas à Parlamo de lire l&apos;écran (%1).</translation>
    </message>
    <message>
        <source>The desktop gave no picture of the screen.</source>
        <translation>Le bureau n&apos;a fourni aucune image de l&apos;écran.</translation>
    </message>
</context>
<context>
    <name>SelectionPopup</name>
    <message>
        <source>Parlamo Translation</source>
        <translation>Traduction Parlamo</translation>
    </message>
    <message>
        <source>Source text</source>
        <translation>Texte source</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Traduction</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Copy the translation to the clipboard (Ctrl+Shift+C).</source>
        <translation>Copier la traduction dans le presse-papiers (Ctrl+Maj+C).</translation>
    </message>
    <message>
        <source>&amp;Open in Window</source>
        <translation>Ouvrir dans la &amp;fenêtre</translation>
    </message>
    <message>
        <source>Show both texts in the main window (Ctrl+O).</source>
        <translation>Afficher les deux textes dans la fenêtre principale (Ctrl+O).</translation>
    </message>
    <message>
        <source>Copied to the clipboard.</source>
        <translation>Copié dans le presse-papiers.</translation>
    </message>
    <message>
        <source>The translation. Ctrl+Shift+C copies it, Ctrl+Shift+S speaks it, Esc closes.</source>
        <translation>La traduction. Ctrl+Maj+C la copie, Ctrl+Maj+S la lit à voix haute, Échap ferme.</translation>
    </message>
    <message>
        <source>The translation of the selected text.</source>
        <translation>La traduction du texte sélectionné.</translation>
    </message>
    <message>
        <source>The selected text.</source>
        <translation>Le texte sélectionné.</translation>
    </message>
    <message>
        <source>Its translation, or what went wrong.</source>
        <translation>Sa traduction, ou ce qui n&apos;a pas marché.</translation>
    </message>
    <message>
        <source>What the translation is doing or has done.</source>
        <translation>Ce que fait ou a fait la traduction.</translation>
    </message>
    <message>
        <source>Translation back</source>
        <translation>Retraduction</translation>
    </message>
    <message>
        <source>The text read from the screen. Correct it and press Ctrl+Enter to translate it again.</source>
        <translation>Le texte lu à l&apos;écran. Corrigez-le et appuyez sur Ctrl+Entrée pour le traduire à nouveau.</translation>
    </message>
</context>
<context>
    <name>ShortcutDialog</name>
    <message>
        <source>Selection Shortcut</source>
        <translation>Raccourci de sélection</translation>
    </message>
    <message>
        <source>Select text in any application and press this key to read its translation in a small window. Press the new key here, or clear it to turn the shortcut off.</source>
        <translation>Sélectionnez un texte dans n&apos;importe quelle application et appuyez sur cette touche pour lire sa traduction dans une petite fenêtre. Appuyez ici sur la nouvelle touche, ou effacez-la pour désactiver le raccourci.</translation>
    </message>
    <message>
        <source>Selection shortcut</source>
        <translation>Raccourci de sélection</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Effacer</translation>
    </message>
    <message>
        <source>Turns the shortcut off</source>
        <translation>Désactive le raccourci</translation>
    </message>
    <message>
        <source>Screen Area Shortcut</source>
        <translation>Raccourci de zone d&apos;écran</translation>
    </message>
    <message>
        <source>Press this key in any application, then drag over an area of the screen to read its text and its translation in a small window. Press the new key here, or clear it to turn the shortcut off.</source>
        <translation>Appuyez sur cette touche dans n&apos;importe quelle application, puis faites glisser la souris sur une zone de l&apos;écran pour lire son texte et sa traduction dans une petite fenêtre. Appuyez ici sur la nouvelle touche, ou effacez-la pour désactiver le raccourci.</translation>
    </message>
    <message>
        <source>Screen area shortcut</source>
        <translation>Raccourci de zone d&apos;écran</translation>
    </message>
</context>
<context>
    <name>SpeakCommand</name>
    <message>
        <source>There is no translation to speak.</source>
        <translation>Il n&apos;y a aucune traduction à lire.</translation>
    </message>
    <message>
        <source>No speech for this language pair.</source>
        <translation>Pas de synthèse vocale pour cette paire de langues.</translation>
    </message>
    <message>
        <source>The spoken translation could not be fetched.</source>
        <translation>La traduction parlée n&apos;a pas pu être récupérée.</translation>
    </message>
    <message>
        <source>Speaking...</source>
        <translation>Lecture à voix haute...</translation>
    </message>
    <message>
        <source>The spoken translation could not be stored.</source>
        <translation>La traduction parlée n&apos;a pas pu être enregistrée.</translation>
    </message>
    <message>
        <source>No sound output device was found.</source>
        <translation>Aucun périphérique de sortie audio n&apos;a été trouvé.</translation>
    </message>
    <message>
        <source>The spoken translation is not a playable sound.</source>
        <translation>La traduction parlée n&apos;est pas un son lisible.</translation>
    </message>
    <message>
        <source>Spoken.</source>
        <translation>Lecture terminée.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Annulé.</translation>
    </message>
</context>
<context>
    <name>StartMode</name>
    <message>
        <source>the document has no Features element</source>
        <translation>le document n&apos;a pas d&apos;élément Features</translation>
    </message>
</context>
<context>
    <name>StartupSequence</name>
    <message>
        <source>v%1.%2 build %3</source>
        <translation>v%1.%2 compilation %3</translation>
    </message>
    <message>
        <source>You are not connected to the internet. Please connect, and start again.</source>
        <translation>Vous n&apos;êtes pas connecté à Internet. Connectez-vous, puis relancez le programme.</translation>
    </message>
    <message>
        <source>Address asked for: %1</source>
        <translation>Adresse demandée : %1</translation>
    </message>
    <message>
        <source>What went wrong: %1</source>
        <translation>Cause : %1</translation>
    </message>
    <message>
        <source>Loading preferences</source>
        <translation>Chargement des préférences</translation>
    </message>
    <message>
        <source>the document was refused: it lacks %1</source>
        <translation>le document a été refusé, il manque : %1</translation>
    </message>
    <message>
        <source>Loading updated server configuration</source>
        <translation>Mise à jour de la configuration</translation>
    </message>
    <message>
        <source>Initialized</source>
        <translation>Initialisé</translation>
    </message>
    <message>
        <source>, minimizing to tray.</source>
        <translation>, vers la zone de notification.</translation>
    </message>
</context>
<context>
    <name>TextRecognizer</name>
    <message>
        <source>The reading was cancelled.</source>
        <translation>La lecture a été annulée.</translation>
    </message>
    <message>
        <source>Text in this language cannot be read: its data (%1) is missing. Install the package %2.</source>
        <translation>Le texte dans cette langue ne peut pas être lu : ses données (%1) manquent. Installez le paquet %2.</translation>
    </message>
    <message>
        <source>The text could not be read: %1</source>
        <translation>Le texte n&apos;a pas pu être lu : %1</translation>
    </message>
</context>
<context>
    <name>TranslateAnywhere</name>
    <message>
        <source>Choose another one under Options &gt; Selection Shortcut...</source>
        <translation>Choisissez-en un autre dans Options &gt; Raccourci de sélection...</translation>
    </message>
    <message>
        <source>No text is selected. Select a text, then press the key again.</source>
        <translation>Aucun texte n&apos;est sélectionné. Sélectionnez un texte, puis appuyez à nouveau sur la touche.</translation>
    </message>
    <message>
        <source>The clipboard holds no text.</source>
        <translation>Le presse-papiers ne contient aucun texte.</translation>
    </message>
    <message>
        <source>Translating from %1</source>
        <translation>Traduction en cours : %1</translation>
    </message>
    <message>
        <source>Reading the selection...</source>
        <translation>Lecture de la sélection...</translation>
    </message>
    <message>
        <source>Reading the clipboard...</source>
        <translation>Lecture du presse-papiers...</translation>
    </message>
    <message>
        <source>The selection&apos;s owner did not answer.</source>
        <translation>Le programme qui détient la sélection n&apos;a pas répondu.</translation>
    </message>
    <message>
        <source>The language of the text is not clear.</source>
        <translation>La langue du texte n&apos;est pas claire.</translation>
    </message>
    <message>
        <source>No language pair translates %1 into %2.</source>
        <translation>Aucune paire de langues ne traduit du %1 vers le %2.</translation>
    </message>
    <message>
        <source>No language pair translates back from %1.</source>
        <translation>Aucune paire de langues ne retraduit depuis %1.</translation>
    </message>
    <message>
        <source>Translating back from %1</source>
        <translation>Retraduction avec %1</translation>
    </message>
    <message>
        <source>Back: %1</source>
        <translation>Retour : %1</translation>
    </message>
    <message>
        <source>Choose another one under Options &gt; Screen Area Shortcut...</source>
        <translation>Choisissez-en un autre dans Options &gt; Raccourci de zone d&apos;écran...</translation>
    </message>
    <message>
        <source>Reading the screen...</source>
        <translation>Lecture de l&apos;écran...</translation>
    </message>
    <message>
        <source>No text was found in the area.</source>
        <translation>Aucun texte n&apos;a été trouvé dans la zone.</translation>
    </message>
</context>
<context>
    <name>TranslateCommand</name>
    <message>
        <source>Translation failed: %1</source>
        <translation>Échec de la traduction : %1</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Annulé.</translation>
    </message>
    <message>
        <source>Translation failed at %1: %2</source>
        <translation>Échec de la traduction sur %1 : %2</translation>
    </message>
    <message>
        <source>Translation timed out: %1 did not answer.</source>
        <translation>Délai dépassé pour la traduction : %1 n&apos;a pas répondu.</translation>
    </message>
    <message>
        <source>No translation found in the answer of %1.</source>
        <translation>Aucune traduction trouvée dans la réponse de %1.</translation>
    </message>
</context>
<context>
    <name>TranslationHistory</name>
    <message>
        <source>History is off for this run.</source>
        <translation>Historique désactivé jusqu&apos;au prochain démarrage.</translation>
    </message>
</context>
<context>
    <name>TranslationPipeline</name>
    <message>
        <source>no engine named %1</source>
        <translation>aucun moteur nommé %1</translation>
    </message>
    <message>
        <source>no language pair named %1</source>
        <translation>aucune paire de langues nommée %1</translation>
    </message>
    <message>
        <source>The text is too long to send (%1 characters in its request; at most %2).</source>
        <translation>Le texte est trop long pour être envoyé (%1 caractères dans sa requête ; au plus %2).</translation>
    </message>
</context>
<context>
    <name>X11GlobalShortcut</name>
    <message>
        <source>The selection shortcut %1 is not a key this keyboard has.</source>
        <translation>Le raccourci de sélection %1 n&apos;est pas une touche de ce clavier.</translation>
    </message>
    <message>
        <source>The selection shortcut %1 is taken by another program.</source>
        <translation>Le raccourci de sélection %1 est déjà pris par un autre programme.</translation>
    </message>
    <message>
        <source>The screen area shortcut %1 is not a key this keyboard has.</source>
        <translation>Le raccourci de zone d&apos;écran %1 n&apos;est pas une touche de ce clavier.</translation>
    </message>
    <message>
        <source>The screen area shortcut %1 is taken by another program.</source>
        <translation>Le raccourci de zone d&apos;écran %1 est déjà pris par un autre programme.</translation>
    </message>
</context>
<context>
    <name>frmTranslate</name>
    <message>
        <source>Translating from %1</source>
        <translation>Traduction en cours : %1</translation>
    </message>
    <message>
        <source>Translated.</source>
        <translation>Traduit.</translation>
    </message>
    <message>
        <source>The service configuration could not be used (%1). The program will close.</source>
        <translation>La configuration du service n&apos;a pas pu être utilisée (%1). Le programme va se fermer.</translation>
    </message>
    <message>
        <source>no configuration document</source>
        <translation>aucun document de configuration</translation>
    </message>
    <message>
        <source>The languages of this engine could not be listed (%1).</source>
        <translation>Les langues de ce moteur n&apos;ont pas pu être listées (%1).</translation>
    </message>
    <message>
        <source>The window layout could not be applied (%1).</source>
        <translation>La disposition de la fenêtre n&apos;a pas pu être appliquée (%1).</translation>
    </message>
    <message>
        <source>No address for %1 has been configured. Please try again later.</source>
        <translation>Aucune adresse n&apos;est configurée pour %1. Veuillez réessayer plus tard.</translation>
    </message>
    <message>
        <source>Online Help</source>
        <translation>Aide en ligne</translation>
    </message>
    <message>
        <source>Online Support</source>
        <translation>Assistance en ligne</translation>
    </message>
    <message>
        <source>CAPS</source>
        <translation>MAJ</translation>
    </message>
    <message>
        <source>INS</source>
        <translation>INS</translation>
    </message>
    <message>
        <source>&amp;Hear It!</source>
        <translation>É&amp;couter !</translation>
    </message>
    <message>
        <source>Type a word to Hear It</source>
        <translation>Un mot à écouter</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Load on Startup</source>
        <translation>&amp;Lancer au démarrage</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Historique...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Aide en &amp;ligne</translation>
    </message>
    <message>
        <source>Online &amp;Support</source>
        <translation>&amp;Assistance en ligne</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>Source text</source>
        <translation>Texte source</translation>
    </message>
    <message>
        <source>The text to translate.</source>
        <translation>Le texte à traduire.</translation>
    </message>
    <message>
        <source>The text to translate. Ctrl+Enter translates it.</source>
        <translation>Le texte à traduire. Ctrl+Entrée le traduit.</translation>
    </message>
    <message>
        <source>Language pair</source>
        <translation>Paire de langues</translation>
    </message>
    <message>
        <source>From which language into which one.</source>
        <translation>De quelle langue vers laquelle.</translation>
    </message>
    <message>
        <source>The online service that translates.</source>
        <translation>Le service en ligne qui traduit.</translation>
    </message>
    <message>
        <source>The translation engine</source>
        <translation>Le moteur de traduction</translation>
    </message>
    <message>
        <source>Translate</source>
        <translation>Traduire</translation>
    </message>
    <message>
        <source>Sends the source text to the engine and shows the translation.</source>
        <translation>Envoie le texte source au moteur et affiche la traduction.</translation>
    </message>
    <message>
        <source>Translate the text (Ctrl+Enter in the text). Esc cancels.</source>
        <translation>Traduire le texte (Ctrl+Entrée dans le texte). Échap annule.</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Traduction</translation>
    </message>
    <message>
        <source>The translated text of the last translation.</source>
        <translation>Le texte traduit de la dernière traduction.</translation>
    </message>
    <message>
        <source>Word to hear</source>
        <translation>Mot à écouter</translation>
    </message>
    <message>
        <source>A word to hear spoken; messages about the sound show here too.</source>
        <translation>Un mot à entendre prononcé ; les messages sur le son s&apos;affichent aussi ici.</translation>
    </message>
    <message>
        <source>Hear It</source>
        <translation>Écouter</translation>
    </message>
    <message>
        <source>Fetches and plays the pronunciation of the word.</source>
        <translation>Télécharge et lit la prononciation du mot.</translation>
    </message>
    <message>
        <source>Hear the word spoken (Enter in the word box). Esc cancels.</source>
        <translation>Écouter le mot prononcé (Entrée dans la zone du mot). Échap annule.</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Indication</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Barre d&apos;état</translation>
    </message>
    <message>
        <source>What the program is doing, and the keyboard&apos;s state.</source>
        <translation>Ce que fait le programme, et l&apos;état du clavier.</translation>
    </message>
    <message>
        <source>What the program is doing or has just done.</source>
        <translation>Ce que le programme fait ou vient de faire.</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>Verrouillage des majuscules</translation>
    </message>
    <message>
        <source>Caps Lock indicator.</source>
        <translation>Indicateur de verrouillage des majuscules.</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insertion</translation>
    </message>
    <message>
        <source>Insert indicator.</source>
        <translation>Indicateur d&apos;insertion.</translation>
    </message>
    <message>
        <source>Type a word and press Enter to hear it.</source>
        <translation>Saisissez un mot et appuyez sur Entrée pour l&apos;écouter.</translation>
    </message>
    <message>
        <source>&amp;Selection Shortcut...</source>
        <translation>&amp;Raccourci de sélection...</translation>
    </message>
    <message>
        <source>The language pair (Ctrl+R: the other way round)</source>
        <translation>La paire de langues (Ctrl+R : dans l&apos;autre sens)</translation>
    </message>
    <message>
        <source>The translation. Ctrl+Shift+C copies it.</source>
        <translation>La traduction. Ctrl+Maj+C la copie.</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Moteur</translation>
    </message>
    <message>
        <source>&amp;Detect Language</source>
        <translation>&amp;Détecter la langue</translation>
    </message>
    <message>
        <source>Screen &amp;Area Shortcut...</source>
        <translation>Raccourci de &amp;zone d&apos;écran...</translation>
    </message>
    <message>
        <source>Translate an &amp;Area of the Screen</source>
        <translation>Traduire une &amp;zone de l&apos;écran</translation>
    </message>
</context>
<context>
    <name>mGlobal</name>
    <message>
        <source>Loaded, and mimized to tray.</source>
        <translation>Chargé et réduit dans la zone de notification.</translation>
    </message>
    <message>
        <source>Double-click to open.</source>
        <translation>Double-cliquez pour ouvrir.</translation>
    </message>
</context>
<context>
    <name>mMain</name>
    <message>
        <source>The configuration sent by the server cannot be used: %1</source>
        <translation>La configuration envoyée par le serveur est inutilisable : %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Parlamo could not start.</source>
        <translation>Parlamo n&apos;a pas pu démarrer.</translation>
    </message>
    <message>
        <source>reading the screen needs a display</source>
        <translation>la lecture de l&apos;écran nécessite un affichage</translation>
    </message>
</context>
</TS>
