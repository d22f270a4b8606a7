<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AppCommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Diese Hilfe anzeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Die Version anzeigen und beenden.</translation>
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
        <translation>Parlamo, ein Desktop-Programm für Online-Übersetzungen. Bei jedem Start holt es
seine Dienstkonfiguration vom Konfigurationsserver (eingebaut; mit
PARLAMO_CONFIG_HOST=Host[:Port] überschreibbar).
Proxys kommen aus http_proxy, https_proxy, all_proxy und no_proxy (auch
HTTPS_PROXY, ALL_PROXY, NO_PROXY), wie curl sie liest; ohne diese aus der
Proxy-Einstellung der Arbeitsumgebung.
Ohne --help, --version, --translate, --list oder --history öffnet sich das
Fenster, und andere Optionen werden ignoriert. Siehe RaDudezozad(1).</translation>
    </message>
    <message>
        <source>Started at log-on: in tray mode, go to the tray without a notice.</source>
        <translation>Beim Anmelden gestartet: lebt das Programm im Benachrichtigungsfeld, geht es ohne Hinweis dorthin.</translation>
    </message>
    <message>
        <source>Show the window, without a tray icon, even in tray mode.</source>
        <translation>Das Fenster ohne Symbol im Benachrichtigungsfeld zeigen, auch wenn das Programm dort lebt.</translation>
    </message>
    <message>
        <source>Usage: %1 [options] [/startup] [/debug]</source>
        <translation>Aufruf: %1 [Optionen] [/startup] [/debug]</translation>
    </message>
    <message>
        <source>Translate the selected text in a small window (the running program&apos;s, or this one&apos;s once its window is loaded). Meant for a desktop shortcut.</source>
        <translation>Den markierten Text in einem kleinen Fenster übersetzen (dem des laufenden Programms oder, sobald sein Fenster geladen ist, diesem). Für ein Tastenkürzel der Arbeitsumgebung gedacht.</translation>
    </message>
    <message>
        <source>Pick an area of the screen, read its text and translate it in a small window (the running program&apos;s, or this one&apos;s once its window is loaded).</source>
        <translation>Einen Bildschirmbereich wählen, seinen Text lesen und in einem kleinen Fenster übersetzen (dem des laufenden Programms oder, sobald sein Fenster geladen ist, diesem).</translation>
    </message>
</context>
<context>
    <name>AppRequests</name>
    <message>
        <source>Parlamo has ended.</source>
        <translation>Parlamo wurde beendet.</translation>
    </message>
    <message>
        <source>Parlamo is closing.</source>
        <translation>Parlamo wird beendet.</translation>
    </message>
</context>
<context>
    <name>ConfigCheck</name>
    <message>
        <source>the %1 attribute %2</source>
        <translation>das Attribut %2 von %1</translation>
    </message>
    <message>
        <source>a numeric %1 attribute %2</source>
        <translation>ein numerisches Attribut %2 von %1</translation>
    </message>
    <message>
        <source>a numeric Sizes attribute %1</source>
        <translation>ein numerisches Attribut %1 von Sizes</translation>
    </message>
    <message>
        <source>a Sizes attribute %1 that a screen can hold (at most %2 twips, not %3)</source>
        <translation>ein Attribut %1 von Sizes, das ein Bildschirm fassen kann (höchstens %2 Twips, nicht %3)</translation>
    </message>
    <message>
        <source>the Engines element</source>
        <translation>das Element Engines</translation>
    </message>
    <message>
        <source>the name of engine %1</source>
        <translation>der Name von Dienst %1</translation>
    </message>
    <message>
        <source>an engine name without an apostrophe (%1)</source>
        <translation>ein Dienstname ohne Apostroph (%1)</translation>
    </message>
    <message>
        <source>a usable name for engine %1</source>
        <translation>ein verwendbarer Name für Dienst %1</translation>
    </message>
    <message>
        <source>the Languages element of engine %1</source>
        <translation>das Element Languages von Dienst %1</translation>
    </message>
    <message>
        <source>the name of language %1 of engine %2</source>
        <translation>der Name von Sprache %1 von Dienst %2</translation>
    </message>
    <message>
        <source>a language at the Languages default %1 of engine %2 (there are %3)</source>
        <translation>eine Sprache an der Languages-Vorgabe %1 von Dienst %2 (es gibt %3)</translation>
    </message>
    <message>
        <source>an engine at the Engines default %1 (there are %2)</source>
        <translation>ein Dienst an der Engines-Vorgabe %1 (es gibt %2)</translation>
    </message>
    <message>
        <source>a configuration document</source>
        <translation>ein Konfigurationsdokument</translation>
    </message>
    <message>
        <source>the Messages element</source>
        <translation>das Element Messages</translation>
    </message>
    <message>
        <source>the Features element</source>
        <translation>das Element Features</translation>
    </message>
    <message>
        <source>the Sizes element</source>
        <translation>das Element Sizes</translation>
    </message>
    <message>
        <source>The configuration sent by the server is incomplete, so the program cannot start. It lacks %1.</source>
        <translation>Die vom Server gesendete Konfiguration ist unvollständig, daher kann das Programm nicht starten. Es fehlt: %1.</translation>
    </message>
    <message>
        <source>Please start again later.</source>
        <translation>Bitte starten Sie später erneut.</translation>
    </message>
</context>
<context>
    <name>ConfigDocument</name>
    <message>
        <source>%1 at offset %2</source>
        <translation>%1 an Position %2</translation>
    </message>
    <message>
        <source>no root element</source>
        <translation>kein Wurzelelement</translation>
    </message>
    <message>
        <source>no configuration document is loaded</source>
        <translation>es ist kein Konfigurationsdokument geladen</translation>
    </message>
    <message>
        <source>invalid lookup %1: %2</source>
        <translation>ungültige Abfrage %1: %2</translation>
    </message>
</context>
<context>
    <name>ConfigElement</name>
    <message>
        <source>(missing element)</source>
        <translation>(fehlendes Element)</translation>
    </message>
    <message>
        <source>missing element for %1</source>
        <translation>fehlendes Element für %1</translation>
    </message>
    <message>
        <source>missing attribute %1</source>
        <translation>fehlendes Attribut %1</translation>
    </message>
    <message>
        <source>not a 16-bit whole number: %1</source>
        <translation>keine 16-Bit-Ganzzahl: %1</translation>
    </message>
    <message>
        <source>not a 32-bit whole number: %1</source>
        <translation>keine 32-Bit-Ganzzahl: %1</translation>
    </message>
    <message>
        <source>not a number: %1</source>
        <translation>keine Zahl: %1</translation>
    </message>
</context>
<context>
    <name>ConfigLoader</name>
    <message>
        <source>the connection was refused</source>
        <translation>die Verbindung wurde abgelehnt</translation>
    </message>
    <message>
        <source>the host was not found</source>
        <translation>der Rechner wurde nicht gefunden</translation>
    </message>
    <message>
        <source>the server closed the connection before answering</source>
        <translation>der Server hat die Verbindung vor der Antwort geschlossen</translation>
    </message>
    <message>
        <source>timed out: %1</source>
        <translation>Zeitüberschreitung: %1</translation>
    </message>
    <message>
        <source>not a usable address: %1</source>
        <translation>keine verwendbare Adresse: %1</translation>
    </message>
    <message>
        <source>the server answered with HTTP status %1</source>
        <translation>der Server antwortete mit HTTP-Status %1</translation>
    </message>
    <message>
        <source>not a well-formed document: %1</source>
        <translation>kein wohlgeformtes Dokument: %1</translation>
    </message>
</context>
<context>
    <name>DBusInterface</name>
    <message>
        <source>Parlamo has ended.</source>
        <translation>Parlamo wurde beendet.</translation>
    </message>
</context>
<context>
    <name>EngineLists</name>
    <message>
        <source>the document has no Engines element</source>
        <translation>das Dokument hat kein Element Engines</translation>
    </message>
    <message>
        <source>no Languages element for the engine &quot;%1&quot;</source>
        <translation>kein Element Languages für den Dienst &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 %2 selects no entry of %3</source>
        <translation>%1 %2 wählt keinen der %3 Einträge</translation>
    </message>
    <message>
        <source>the kept language</source>
        <translation>die beibehaltene Sprache</translation>
    </message>
</context>
<context>
    <name>HeadlessCommandLine</name>
    <message>
        <source>Translate TEXT without opening a window and print the result; &quot;-&quot; reads the text from standard input.</source>
        <translation>TEXT übersetzen, ohne ein Fenster zu öffnen, und das Ergebnis ausgeben; &quot;-&quot; liest den Text von der Standardeingabe.</translation>
    </message>
    <message>
        <source>TEXT</source>
        <translation>TEXT</translation>
    </message>
    <message>
        <source>The engine to translate with (default: the service&apos;s).</source>
        <translation>Der Dienst, mit dem übersetzt wird (Standard: der voreingestellte).</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>The language pair to translate with (default: the engine&apos;s).</source>
        <translation>Das Sprachpaar, mit dem übersetzt wird (Standard: das des Dienstes).</translation>
    </message>
    <message>
        <source>--list and --translate cannot be used together</source>
        <translation>--list und --translate können nicht zusammen verwendet werden</translation>
    </message>
    <message>
        <source>--engine and --pair need --translate</source>
        <translation>--engine und --pair benötigen --translate</translation>
    </message>
    <message>
        <source>standard input is not UTF-8 text</source>
        <translation>die Standardeingabe ist kein UTF-8-Text</translation>
    </message>
    <message>
        <source>cannot read standard input</source>
        <translation>die Standardeingabe kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>List the engines and their language pairs, with the codes of their languages where known; the defaults are marked.</source>
        <translation>Die Dienste und ihre Sprachpaare auflisten, mit den Codes ihrer Sprachen, wo bekannt; die Standards sind markiert.</translation>
    </message>
    <message>
        <source>Print the code of the language of TEXT (the arguments, or standard input for none or &quot;-&quot;); exit 1 when not sure.</source>
        <translation>Den Code der Sprache von TEXT ausgeben (die Argumente, oder die Standardeingabe bei keinem oder &quot;-&quot;); Ende mit 1, wenn nicht sicher.</translation>
    </message>
    <message>
        <source>With --pair auto: translate into the language of this code (&quot;en&quot;) from the text&apos;s language.</source>
        <translation>Mit --pair auto: aus der Sprache des Textes in die Sprache dieses Codes (&quot;en&quot;) übersetzen.</translation>
    </message>
    <message>
        <source>CODE</source>
        <translation>CODE</translation>
    </message>
    <message>
        <source>With --translate: print the translation, then on the next line the translation translated back with the reverse pair.</source>
        <translation>Mit --translate: die Übersetzung ausgeben, dann in der nächsten Zeile die mit dem umgekehrten Paar zurückübersetzte Übersetzung.</translation>
    </message>
    <message>
        <source>--detect cannot be used with --translate or --list</source>
        <translation>--detect kann nicht mit --translate oder --list verwendet werden</translation>
    </message>
    <message>
        <source>--to needs --pair auto</source>
        <translation>--to braucht --pair auto</translation>
    </message>
</context>
<context>
    <name>HeadlessTranslation</name>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>cannot load the configuration from %1: %2</source>
        <translation>die Konfiguration kann nicht von %1 geladen werden: %2</translation>
    </message>
    <message>
        <source>the document has no Messages element</source>
        <translation>das Dokument hat kein Element Messages</translation>
    </message>
    <message>
        <source>the service allows no translations now</source>
        <translation>der Dienst erlaubt derzeit keine Übersetzungen</translation>
    </message>
    <message>
        <source>the configuration from %1 cannot be used: %2</source>
        <translation>die Konfiguration von %1 ist nicht verwendbar: %2</translation>
    </message>
    <message>
        <source>[default]</source>
        <translation>[Standard]</translation>
    </message>
    <message>
        <source>there is no text to translate</source>
        <translation>es gibt keinen Text zum Übersetzen</translation>
    </message>
    <message>
        <source>unknown engine %1; the engines are %2</source>
        <translation>unbekannter Dienst %1; die Dienste sind %2</translation>
    </message>
    <message>
        <source>unknown language pair %1 of engine %2; its pairs are %3</source>
        <translation>unbekanntes Sprachpaar %1 von Dienst %2; seine Sprachpaare sind %3</translation>
    </message>
    <message>
        <source>engine %1 at %2</source>
        <translation>Dienst %1 auf %2</translation>
    </message>
    <message>
        <source>cannot ask %1: %2</source>
        <translation>%1 kann nicht gefragt werden: %2</translation>
    </message>
    <message>
        <source>cannot reach %1: %2</source>
        <translation>%1 ist nicht erreichbar: %2</translation>
    </message>
    <message>
        <source>%1 sent no answer within %2 s</source>
        <translation>%1 hat innerhalb von %2 s nicht geantwortet</translation>
    </message>
    <message>
        <source>%1 answered with HTTP status %2</source>
        <translation>%1 antwortete mit HTTP-Status %2</translation>
    </message>
    <message>
        <source>no translation found in the answer of %1 (its markers do not occur in it)</source>
        <translation>keine Übersetzung in der Antwort von %1 gefunden (die Markierungen des Dienstes kommen darin nicht vor)</translation>
    </message>
    <message>
        <source>not sure</source>
        <translation>nicht sicher</translation>
    </message>
    <message>
        <source>language detection is not available: %1</source>
        <translation>Spracherkennung ist nicht verfügbar: %1</translation>
    </message>
    <message>
        <source>not sure which language the text is in</source>
        <translation>nicht sicher, in welcher Sprache der Text ist</translation>
    </message>
    <message>
        <source>engine %1 has no language pair from %2 to %3</source>
        <translation>Dienst %1 hat kein Sprachpaar von %2 nach %3</translation>
    </message>
    <message>
        <source>engine %1 has no language pair that translates back from %2</source>
        <translation>Dienst %1 hat kein Sprachpaar, das von %2 zurückübersetzt</translation>
    </message>
</context>
<context>
    <name>HearItCommand</name>
    <message>
        <source>No Sound file found.</source>
        <translation>Keine Tondatei gefunden.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Abgebrochen.</translation>
    </message>
    <message>
        <source>Downloading Sound file...</source>
        <translation>Tondatei wird heruntergeladen...</translation>
    </message>
    <message>
        <source>Unable to detect WAV device in this system.</source>
        <translation>Kein WAV-Gerät in diesem System gefunden.</translation>
    </message>
</context>
<context>
    <name>HistoryCommandLine</name>
    <message>
        <source>Print the translation history, newest first, without opening a window.</source>
        <translation>Den Übersetzungsverlauf ausgeben, neueste zuerst, ohne ein Fenster zu öffnen.</translation>
    </message>
    <message>
        <source>With --history: only the entries whose text or translation holds WORD, in any letter case.</source>
        <translation>Mit --history: nur die Einträge, deren Text oder Übersetzung WORT enthält, ohne Unterscheidung von Groß- und Kleinschreibung.</translation>
    </message>
    <message>
        <source>WORD</source>
        <translation>WORT</translation>
    </message>
    <message>
        <source>With --history: tsv (the default: tab-separated, no header) or csv (RFC 4180, with a header row).</source>
        <translation>Mit --history: tsv (Standard: durch Tabulatoren getrennt, ohne Kopfzeile) oder csv (RFC 4180, mit Kopfzeile).</translation>
    </message>
    <message>
        <source>--search and --format need --history</source>
        <translation>--search und --format benötigen --history</translation>
    </message>
    <message>
        <source>--history cannot be used with --%1</source>
        <translation>--history kann nicht mit --%1 verwendet werden</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot;: tsv or csv</source>
        <translation>unbekanntes Format &quot;%1&quot;: tsv oder csv</translation>
    </message>
    <message>
        <source>cannot read the history in %1: %2</source>
        <translation>der Verlauf in %1 kann nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>HistoryModel</name>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Dienst</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Sprachen</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Übersetzung</translation>
    </message>
</context>
<context>
    <name>HistoryReader</name>
    <message>
        <source>unknown database error</source>
        <translation>unbekannter Datenbankfehler</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 ist keine Datei</translation>
    </message>
    <message>
        <source>the SQLite driver of Qt SQL is not installed</source>
        <translation>der SQLite-Treiber von Qt SQL ist nicht installiert</translation>
    </message>
    <message>
        <source>the history database is damaged</source>
        <translation>die Verlaufsdatenbank ist beschädigt</translation>
    </message>
</context>
<context>
    <name>HistoryStore</name>
    <message>
        <source>unknown database error</source>
        <translation>unbekannter Datenbankfehler</translation>
    </message>
    <message>
        <source>cannot create the folder of %1</source>
        <translation>der Ordner von %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>the SQLite driver of Qt SQL is not installed</source>
        <translation>der SQLite-Treiber von Qt SQL ist nicht installiert</translation>
    </message>
    <message>
        <source>the history database is damaged</source>
        <translation>die Verlaufsdatenbank ist beschädigt</translation>
    </message>
    <message>
        <source>History is off for this run: %1.</source>
        <translation>Verlauf bis zum nächsten Start abgeschaltet: %1.</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Search the history</source>
        <translation>Verlauf durchsuchen</translation>
    </message>
    <message>
        <source>Translations</source>
        <translation>Übersetzungen</translation>
    </message>
    <message>
        <source>Enter or a double click puts the translation back</source>
        <translation>Eingabetaste oder Doppelklick übernimmt die Übersetzung wieder</translation>
    </message>
    <message>
        <source>Writes the listed translations to a CSV file</source>
        <translation>Schreibt die aufgelisteten Übersetzungen in eine CSV-Datei</translation>
    </message>
    <message>
        <source>Clear the whole history? This cannot be undone.</source>
        <translation>Den gesamten Verlauf leeren? Dies kann nicht rückgängig gemacht werden.</translation>
    </message>
    <message>
        <source>Export History</source>
        <translation>Verlauf exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The history could not be written to %1.</source>
        <translation>Der Verlauf konnte nicht in %1 geschrieben werden.</translation>
    </message>
    <message>
        <source>Lists only the translations whose texts hold these letters; the arrow keys walk the list.</source>
        <translation>Listet nur die Übersetzungen, deren Texte diese Buchstaben enthalten; die Pfeiltasten gehen durch die Liste.</translation>
    </message>
    <message>
        <source>&amp;Keep a history</source>
        <translation>&amp;Verlauf aufzeichnen</translation>
    </message>
    <message>
        <source>Whether new translations are kept, also after a restart</source>
        <translation>Ob neue Übersetzungen aufbewahrt werden, auch über einen Neustart hinaus</translation>
    </message>
    <message>
        <source>C&amp;lear History</source>
        <translation>Verlauf &amp;leeren</translation>
    </message>
    <message>
        <source>Forgets every kept translation, after asking</source>
        <translation>Vergisst alle aufbewahrten Übersetzungen, nach einer Rückfrage</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exportieren...</translation>
    </message>
</context>
<context>
    <name>HttpTransfer</name>
    <message>
        <source>The answer is larger than %1 MiB.</source>
        <translation>Die Antwort ist größer als %1 MiB.</translation>
    </message>
    <message>
        <source>The answer is larger than %1 bytes.</source>
        <translation>Die Antwort ist größer als %1 Bytes.</translation>
    </message>
    <message>
        <source>The transfer took longer than %1 seconds.</source>
        <translation>Die Übertragung dauerte länger als %1 Sekunden.</translation>
    </message>
    <message>
        <source>Not a usable address: %1</source>
        <translation>Keine verwendbare Adresse: %1</translation>
    </message>
    <message>
        <source>Not a usable method: %1</source>
        <translation>Keine verwendbare Methode: %1</translation>
    </message>
    <message>
        <source>Not a usable header line: %1</source>
        <translation>Keine verwendbare Kopfzeile: %1</translation>
    </message>
    <message>
        <source>Cannot start the transfer.</source>
        <translation>Die Übertragung kann nicht gestartet werden.</translation>
    </message>
    <message>
        <source>Refused a redirect to %1</source>
        <translation>Weiterleitung nach %1 abgelehnt</translation>
    </message>
    <message>
        <source>The answer&apos;s header has a broken line.</source>
        <translation>Der Kopf der Antwort enthält eine fehlerhafte Zeile.</translation>
    </message>
    <message>
        <source>The answer&apos;s trailer is too large.</source>
        <translation>Der Nachspann der Antwort ist zu groß.</translation>
    </message>
    <message>
        <source>The answer&apos;s header is too large.</source>
        <translation>Der Kopf der Antwort ist zu groß.</translation>
    </message>
    <message>
        <source>The server&apos;s answer is not HTTP.</source>
        <translation>Die Antwort des Servers ist kein HTTP.</translation>
    </message>
    <message>
        <source>The server switched protocols.</source>
        <translation>Der Server hat das Protokoll gewechselt.</translation>
    </message>
    <message>
        <source>The answer&apos;s transfer coding is not readable: %1</source>
        <translation>Die Übertragungskodierung der Antwort ist nicht lesbar: %1</translation>
    </message>
    <message>
        <source>The answer&apos;s length is unreadable.</source>
        <translation>Die Länge der Antwort ist nicht lesbar.</translation>
    </message>
    <message>
        <source>The connection ended inside the answer&apos;s header.</source>
        <translation>Die Verbindung endete mitten im Kopf der Antwort.</translation>
    </message>
    <message>
        <source>Cannot connect to %1: %2</source>
        <translation>Keine Verbindung zu %1 möglich: %2</translation>
    </message>
    <message>
        <source>The server&apos;s certificate was refused: %1</source>
        <translation>Das Zertifikat des Servers wurde abgelehnt: %1</translation>
    </message>
    <message>
        <source>The secure connection failed: %1</source>
        <translation>Die sichere Verbindung ist fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>The server closed the connection without answering.</source>
        <translation>Der Server hat die Verbindung ohne Antwort geschlossen.</translation>
    </message>
    <message>
        <source>The connection ended before the whole answer.</source>
        <translation>Die Verbindung endete vor dem Ende der Antwort.</translation>
    </message>
    <message>
        <source>The connection ended after %1 of %2 bytes.</source>
        <translation>Die Verbindung endete nach %1 von %2 Bytes.</translation>
    </message>
    <message>
        <source>Too many redirects.</source>
        <translation>Zu viele Weiterleitungen.</translation>
    </message>
    <message>
        <source>The server&apos;s answer is not readable HTTP: %1</source>
        <translation>Die Antwort des Servers ist kein lesbares HTTP: %1</translation>
    </message>
    <message>
        <source>The server sent nothing for %1 seconds.</source>
        <translation>Der Server hat %1 Sekunden lang nichts gesendet.</translation>
    </message>
    <message>
        <source>The server sent no answer within %1 seconds.</source>
        <translation>Der Server hat innerhalb von %1 Sekunden nicht geantwortet.</translation>
    </message>
    <message>
        <source>The transfer was cancelled.</source>
        <translation>Die Übertragung wurde abgebrochen.</translation>
    </message>
    <message>
        <source>The answer could not be stored.</source>
        <translation>Die Antwort konnte nicht gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>ImageCommandLine</name>
    <message>
        <source>there is no screen to read</source>
        <translation>es gibt keinen Bildschirm zum Lesen</translation>
    </message>
    <message>
        <source>the screen cannot be read here</source>
        <translation>der Bildschirm kann hier nicht gelesen werden</translation>
    </message>
    <message>
        <source>Print the text read from an image file (PNG, JPEG...) in the language of --pair&apos;s source, else in English.</source>
        <translation>Den aus einer Bilddatei (PNG, JPEG...) gelesenen Text ausgeben, in der Ausgangssprache von --pair, sonst auf Englisch.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>DATEI</translation>
    </message>
    <message>
        <source>Print the translation of the text read from an image file.</source>
        <translation>Die Übersetzung des aus einer Bilddatei gelesenen Textes ausgeben.</translation>
    </message>
    <message>
        <source>Print the text read from an area of the screen (needs a display).</source>
        <translation>Den aus einem Bildschirmbereich gelesenen Text ausgeben (braucht eine Anzeige).</translation>
    </message>
    <message>
        <source>X,Y,W,H</source>
        <translation>X,Y,B,H</translation>
    </message>
    <message>
        <source>--read-image, --translate-image, --read-screen, --translate and --list cannot be used together</source>
        <translation>--read-image, --translate-image, --read-screen, --translate und --list können nicht zusammen verwendet werden</translation>
    </message>
    <message>
        <source>--read-screen wants X,Y,W,H with a positive width and height</source>
        <translation>--read-screen erwartet X,Y,B,H mit positiver Breite und Höhe</translation>
    </message>
    <message>
        <source>cannot read the image %1: %2</source>
        <translation>das Bild %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>no text was found in the image</source>
        <translation>im Bild wurde kein Text gefunden</translation>
    </message>
</context>
<context>
    <name>LayoutMath</name>
    <message>
        <source>not a number: %1</source>
        <translation>keine Zahl: %1</translation>
    </message>
    <message>
        <source>the document has no Sizes element</source>
        <translation>das Dokument hat kein Element Sizes</translation>
    </message>
</context>
<context>
    <name>LazySoundOutput</name>
    <message>
        <source>%1 belongs to another user</source>
        <translation>%1 gehört einem anderen Benutzer</translation>
    </message>
    <message>
        <source>other users may change %1</source>
        <translation>andere Benutzer dürfen %1 ändern</translation>
    </message>
    <message>
        <source>No sound: the sound module %1 was not found.</source>
        <translation>Kein Ton: Das Tonmodul %1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>No sound: the sound module could not be loaded (%1).</source>
        <translation>Kein Ton: Das Tonmodul konnte nicht geladen werden (%1).</translation>
    </message>
</context>
<context>
    <name>NoScreenArea</name>
    <message>
        <source>The screen cannot be read on this desktop.</source>
        <translation>Der Bildschirm kann auf dieser Arbeitsumgebung nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>OutsideTranslation</name>
    <message>
        <source>Choose a language pair in the main window first.</source>
        <translation>Wählen Sie zuerst im Hauptfenster ein Sprachpaar.</translation>
    </message>
    <message>
        <source>There is no text to translate.</source>
        <translation>Es gibt keinen Text zum Übersetzen.</translation>
    </message>
</context>
<context>
    <name>PairRule</name>
    <message>
        <source>The language pairs of this engine do not say which languages they join, so the language of a text cannot pick one.</source>
        <translation>Die Sprachpaare dieses Dienstes geben ihre Sprachen nicht an, daher kann die Sprache eines Textes keines auswählen.</translation>
    </message>
    <message>
        <source>%1 → %2 (detected)</source>
        <translation>%1 → %2 (erkannt)</translation>
    </message>
    <message>
        <source>%1 (the language of the text is not clear)</source>
        <translation>%1 (die Sprache des Textes ist nicht eindeutig)</translation>
    </message>
    <message>
        <source>No pair from %1</source>
        <translation>Kein Paar aus %1</translation>
    </message>
    <message>
        <source>%1 (no pair from %2)</source>
        <translation>%1 (kein Paar aus %2)</translation>
    </message>
</context>
<context>
    <name>PortalGlobalShortcut</name>
    <message>
        <source>The selection shortcut %1 is not a key the desktop can bind.</source>
        <translation>Das Auswahl-Tastenkürzel %1 kann die Arbeitsumgebung nicht zuweisen.</translation>
    </message>
    <message>
        <source>The desktop did not bind the selection shortcut %1 (%2).</source>
        <translation>Die Arbeitsumgebung hat das Auswahl-Tastenkürzel %1 nicht zugewiesen (%2).</translation>
    </message>
    <message>
        <source>The selection shortcut %1 was not bound: the desktop&apos;s question was cancelled.</source>
        <translation>Das Auswahl-Tastenkürzel %1 wurde nicht zugewiesen: Die Nachfrage der Arbeitsumgebung wurde abgebrochen.</translation>
    </message>
    <message>
        <source>The desktop did not bind the selection shortcut %1.</source>
        <translation>Die Arbeitsumgebung hat das Auswahl-Tastenkürzel %1 nicht zugewiesen.</translation>
    </message>
    <message>
        <source>Translate the selection</source>
        <translation>Auswahl übersetzen</translation>
    </message>
    <message>
        <source>This desktop holds no keys for programs, so the selection shortcut %1 is off: bind &quot;%2 --translate-selection&quot; to a key in the desktop&apos;s keyboard settings instead.</source>
        <translation>Diese Arbeitsumgebung vergibt keine Tasten an Programme, daher ist das Auswahl-Tastenkürzel %1 aus: Weisen Sie stattdessen &quot;%2 --translate-selection&quot; in den Tastatureinstellungen der Arbeitsumgebung eine Taste zu.</translation>
    </message>
    <message>
        <source>The screen area shortcut %1 is not a key the desktop can bind.</source>
        <translation>Das Bildschirmbereich-Tastenkürzel %1 kann die Arbeitsumgebung nicht zuweisen.</translation>
    </message>
    <message>
        <source>The desktop did not bind the screen area shortcut %1 (%2).</source>
        <translation>Die Arbeitsumgebung hat das Bildschirmbereich-Tastenkürzel %1 nicht zugewiesen (%2).</translation>
    </message>
    <message>
        <source>The screen area shortcut %1 was not bound: the desktop&apos;s question was cancelled.</source>
        <translation>Das Bildschirmbereich-Tastenkürzel %1 wurde nicht zugewiesen: Die Nachfrage der Arbeitsumgebung wurde abgebrochen.</translation>
    </message>
    <message>
        <source>Translate an area of the screen</source>
        <translation>Bildschirmbereich übersetzen</translation>
    </message>
    <message>
        <source>This desktop holds no keys for programs, so the screen area shortcut %1 is off: bind &quot;%2 --translate-screen-area&quot; to a key in the desktop&apos;s keyboard settings instead.</source>
        <translation>Diese Arbeitsumgebung vergibt keine Tasten an Programme, daher ist das Bildschirmbereich-Tastenkürzel %1 aus: Weisen Sie stattdessen &quot;%2 --translate-screen-area&quot; in den Tastatureinstellungen der Arbeitsumgebung eine Taste zu.</translation>
    </message>
    <message>
        <source>The desktop did not bind the screen area shortcut %1.</source>
        <translation>Die Arbeitsumgebung hat das Bildschirmbereich-Tastenkürzel %1 nicht zugewiesen.</translation>
    </message>
</context>
<context>
    <name>ReversePair</name>
    <message>
        <source>no language pairs for engine %1</source>
        <translation>keine Sprachpaare für Dienst %1</translation>
    </message>
</context>
<context>
    <name>RunningCopy</name>
    <message>
        <source>Parlamo is already running but does not answer (%1).</source>
        <translation>Parlamo läuft bereits, antwortet aber nicht (%1).</translation>
    </message>
    <message>
        <source>Parlamo is already running but does not answer.</source>
        <translation>Parlamo läuft bereits, antwortet aber nicht.</translation>
    </message>
    <message>
        <source>%1 cannot be made (%2).</source>
        <translation>%1 kann nicht angelegt werden (%2).</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 ist kein Ordner.</translation>
    </message>
    <message>
        <source>%1 belongs to another user.</source>
        <translation>%1 gehört einem anderen Benutzer.</translation>
    </message>
    <message>
        <source>Other users may use %1.</source>
        <translation>Andere Benutzer dürfen %1 verwenden.</translation>
    </message>
    <message>
        <source>Cannot make sure that only one copy of Parlamo runs: %1</source>
        <translation>Es lässt sich nicht sicherstellen, dass nur eine Kopie von Parlamo läuft: %1</translation>
    </message>
</context>
<context>
    <name>ScreenAreaPicker</name>
    <message>
        <source>The screen cannot be read on this desktop.</source>
        <translation>Der Bildschirm kann auf dieser Arbeitsumgebung nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The desktop does not let Parlamo read the screen (%1).</source>
        <translation>Die Arbeitsumgebung lässt Parlamo den Bildschirm nicht lesen (%1).</translation>
    </message>
    <message>
        <source>The desktop gave no picture of the screen.</source>
        <translation>Die Arbeitsumgebung hat kein Bild des Bildschirms geliefert.</translation>
    </message>
</context>
<context>
    <name>SelectionPopup</name>
    <message>
        <source>Parlamo Translation</source>
        <translation>Parlamo-Übersetzung</translation>
    </message>
    <message>
        <source>Source text</source>
        <translation>Ausgangstext</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Übersetzung</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy the translation to the clipboard (Ctrl+Shift+C).</source>
        <translation>Die Übersetzung in die Zwischenablage kopieren (Strg+Umschalt+C).</translation>
    </message>
    <message>
        <source>&amp;Open in Window</source>
        <translation>Im &amp;Fenster öffnen</translation>
    </message>
    <message>
        <source>Show both texts in the main window (Ctrl+O).</source>
        <translation>Beide Texte im Hauptfenster zeigen (Strg+O).</translation>
    </message>
    <message>
        <source>Copied to the clipboard.</source>
        <translation>In die Zwischenablage kopiert.</translation>
    </message>
    <message>
        <source>The translation. Ctrl+Shift+C copies it, Ctrl+Shift+S speaks it, Esc closes.</source>
        <translation>Die Übersetzung. Strg+Umschalt+C kopiert sie, Strg+Umschalt+S liest sie vor, Esc schließt.</translation>
    </message>
    <message>
        <source>The translation of the selected text.</source>
        <translation>Die Übersetzung des markierten Textes.</translation>
    </message>
    <message>
        <source>The selected text.</source>
        <translation>Der markierte Text.</translation>
    </message>
    <message>
        <source>Its translation, or what went wrong.</source>
        <translation>Seine Übersetzung, oder was schiefging.</translation>
    </message>
    <message>
        <source>What the translation is doing or has done.</source>
        <translation>Was die Übersetzung gerade tut oder getan hat.</translation>
    </message>
    <message>
        <source>Translation back</source>
        <translation>Rückübersetzung</translation>
    </message>
    <message>
        <source>The text read from the screen. Correct it and press Ctrl+Enter to translate it again.</source>
        <translation>Der vom Bildschirm gelesene Text. Korrigieren Sie ihn und drücken Sie Strg+Eingabe, um ihn erneut zu übersetzen.</translation>
    </message>
</context>
<context>
    <name>ShortcutDialog</name>
    <message>
        <source>Selection Shortcut</source>
        <translation>Auswahl-Tastenkürzel</translation>
    </message>
    <message>
        <source>Select text in any application and press this key to read its translation in a small window. Press the new key here, or clear it to turn the shortcut off.</source>
        <translation>Markieren Sie in einem beliebigen Programm einen Text und drücken Sie diese Taste, um seine Übersetzung in einem kleinen Fenster zu lesen. Drücken Sie hier die neue Taste, oder leeren Sie das Feld, um das Tastenkürzel abzuschalten.</translation>
    </message>
    <message>
        <source>Selection shortcut</source>
        <translation>Auswahl-Tastenkürzel</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Leeren</translation>
    </message>
    <message>
        <source>Turns the shortcut off</source>
        <translation>Schaltet das Tastenkürzel aus</translation>
    </message>
    <message>
        <source>Screen Area Shortcut</source>
        <translation>Bildschirmbereich-Tastenkürzel</translation>
    </message>
    <message>
        <source>Press this key in any application, then drag over an area of the screen to read its text and its translation in a small window. Press the new key here, or clear it to turn the shortcut off.</source>
        <translation>Drücken Sie diese Taste in einem beliebigen Programm und ziehen Sie dann über einen Bildschirmbereich, um seinen Text und dessen Übersetzung in einem kleinen Fenster zu lesen. Drücken Sie hier die neue Taste, oder leeren Sie das Feld, um das Tastenkürzel abzuschalten.</translation>
    </message>
    <message>
        <source>Screen area shortcut</source>
        <translation>Bildschirmbereich-Tastenkürzel</translation>
    </message>
</context>
<context>
    <name>SpeakCommand</name>
    <message>
        <source>There is no translation to speak.</source>
        <translation>Es gibt keine Übersetzung zum Vorlesen.</translation>
    </message>
    <message>
        <source>No speech for this language pair.</source>
        <translation>Keine Sprachausgabe für dieses Sprachpaar.</translation>
    </message>
    <message>
        <source>The spoken translation could not be fetched.</source>
        <translation>Die gesprochene Übersetzung konnte nicht abgerufen werden.</translation>
    </message>
    <message>
        <source>Speaking...</source>
        <translation>Wird vorgelesen...</translation>
    </message>
    <message>
        <source>The spoken translation could not be stored.</source>
        <translation>Die gesprochene Übersetzung konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>No sound output device was found.</source>
        <translation>Es wurde kein Tonausgabegerät gefunden.</translation>
    </message>
    <message>
        <source>The spoken translation is not a playable sound.</source>
        <translation>Die gesprochene Übersetzung ist kein abspielbarer Ton.</translation>
    </message>
    <message>
        <source>Spoken.</source>
        <translation>Vorgelesen.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Abgebrochen.</translation>
    </message>
</context>
<context>
    <name>StartMode</name>
    <message>
        <source>the document has no Features element</source>
        <translation>das Dokument hat kein Element Features</translation>
    </message>
</context>
<context>
    <name>StartupSequence</name>
    <message>
        <source>v%1.%2 build %3</source>
        <translation>v%1.%2 Build %3</translation>
    </message>
    <message>
        <source>You are not connected to the internet. Please connect, and start again.</source>
        <translation>Sie sind nicht mit dem Internet verbunden. Bitte stellen Sie eine Verbindung her und starten Sie erneut.</translation>
    </message>
    <message>
        <source>Address asked for: %1</source>
        <translation>Angefragte Adresse: %1</translation>
    </message>
    <message>
        <source>What went wrong: %1</source>
        <translation>Ursache: %1</translation>
    </message>
    <message>
        <source>Loading preferences</source>
        <translation>Einstellungen werden geladen</translation>
    </message>
    <message>
        <source>the document was refused: it lacks %1</source>
        <translation>das Dokument wurde abgelehnt, es fehlt: %1</translation>
    </message>
    <message>
        <source>Loading updated server configuration</source>
        <translation>Serverkonfiguration wird geladen</translation>
    </message>
    <message>
        <source>Initialized</source>
        <translation>Initialisiert</translation>
    </message>
    <message>
        <source>, minimizing to tray.</source>
        <translation>, ins Benachrichtigungsfeld.</translation>
    </message>
</context>
<context>
    <name>TextRecognizer</name>
    <message>
        <source>The reading was cancelled.</source>
        <translation>Das Lesen wurde abgebrochen.</translation>
    </message>
    <message>
        <source>Text in this language cannot be read: its data (%1) is missing. Install the package %2.</source>
        <translation>Text in dieser Sprache kann nicht gelesen werden: ihre Daten (%1) fehlen. Installieren Sie das Paket %2.</translation>
    </message>
    <message>
        <source>The text could not be read: %1</source>
        <translation>Der Text konnte nicht gelesen werden: %1</translation>
    </message>
</context>
<context>
    <name>TranslateAnywhere</name>
    <message>
        <source>Choose another one under Options &gt; Selection Shortcut...</source>
        <translation>Wählen Sie ein anderes unter Optionen &gt; Auswahl-Tastenkürzel...</translation>
    </message>
    <message>
        <source>No text is selected. Select a text, then press the key again.</source>
        <translation>Es ist kein Text markiert. Markieren Sie einen Text und drücken Sie dann erneut die Taste.</translation>
    </message>
    <message>
        <source>The clipboard holds no text.</source>
        <translation>Die Zwischenablage enthält keinen Text.</translation>
    </message>
    <message>
        <source>Translating from %1</source>
        <translation>Wird übersetzt: %1</translation>
    </message>
    <message>
        <source>Reading the selection...</source>
        <translation>Auswahl wird gelesen...</translation>
    </message>
    <message>
        <source>Reading the clipboard...</source>
        <translation>Zwischenablage wird gelesen...</translation>
    </message>
    <message>
        <source>The selection&apos;s owner did not answer.</source>
        <translation>Das Programm, dem die Auswahl gehört, hat nicht geantwortet.</translation>
    </message>
    <message>
        <source>The language of the text is not clear.</source>
        <translation>Die Sprache des Textes ist nicht eindeutig.</translation>
    </message>
    <message>
        <source>No language pair translates %1 into %2.</source>
        <translation>Kein Sprachpaar übersetzt %1 nach %2.</translation>
    </message>
    <message>
        <source>No language pair translates back from %1.</source>
        <translation>Kein Sprachpaar übersetzt von %1 zurück.</translation>
    </message>
    <message>
        <source>Translating back from %1</source>
        <translation>Rückübersetzung mit %1</translation>
    </message>
    <message>
        <source>Back: %1</source>
        <translation>Zurück: %1</translation>
    </message>
    <message>
        <source>Choose another one under Options &gt; Screen Area Shortcut...</source>
        <translation>Wählen Sie ein anderes unter Optionen &gt; Bildschirmbereich-Tastenkürzel...</translation>
    </message>
    <message>
        <source>Reading the screen...</source>
        <translation>Bildschirm wird gelesen...</translation>
    </message>
    <message>
        <source>No text was found in the area.</source>
        <translation>In dem Bereich wurde kein Text gefunden.</translation>
    </message>
</context>
<context>
    <name>TranslateCommand</name>
    <message>
        <source>Translation failed: %1</source>
        <translation>Übersetzung fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Abgebrochen.</translation>
    </message>
    <message>
        <source>Translation failed at %1: %2</source>
        <translation>Übersetzung bei %1 fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>Translation timed out: %1 did not answer.</source>
        <translation>Zeitüberschreitung beim Übersetzen: %1 hat nicht geantwortet.</translation>
    </message>
    <message>
        <source>No translation found in the answer of %1.</source>
        <translation>Keine Übersetzung in der Antwort von %1 gefunden.</translation>
    </message>
</context>
<context>
    <name>TranslationHistory</name>
    <message>
        <source>History is off for this run.</source>
        <translation>Verlauf bis zum nächsten Start abgeschaltet.</translation>
    </message>
</context>
<context>
    <name>TranslationPipeline</name>
    <message>
        <source>no engine named %1</source>
        <translation>kein Dienst namens %1</translation>
    </message>
    <message>
        <source>no language pair named %1</source>
        <translation>kein Sprachpaar namens %1</translation>
    </message>
    <message>
        <source>The text is too long to send (%1 characters in its request; at most %2).</source>
        <translation>Der Text ist zu lang zum Senden (%1 Zeichen in seiner Anfrage; höchstens %2).</translation>
    </message>
</context>
<context>
    <name>X11GlobalShortcut</name>
    <message>
        <source>The selection shortcut %1 is not a key this keyboard has.</source>
        <translation>Das Auswahl-Tastenkürzel %1 ist keine Taste dieser Tastatur.</translation>
    </message>
    <message>
        <source>The selection shortcut %1 is taken by another program.</source>
        <translation>Das Auswahl-Tastenkürzel %1 ist von einem anderen Programm belegt.</translation>
    </message>
    <message>
        <source>The screen area shortcut %1 is not a key this keyboard has.</source>
        <translation>Das Bildschirmbereich-Tastenkürzel %1 ist keine Taste dieser Tastatur.</translation>
    </message>
    <message>
        <source>The screen area shortcut %1 is taken by another program.</source>
        <translation>Das Bildschirmbereich-Tastenkürzel %1 ist von einem anderen Programm belegt.</translation>
    </message>
</context>
<context>
    <name>frmTranslate</name>
    <message>
        <source>Translating from %1</source>
        <translation>Wird übersetzt: %1</translation>
    </message>
    <message>
        <source>Translated.</source>
        <translation>Übersetzt.</translation>
    </message>
    <message>
        <source>The service configuration could not be used (%1). The program will close.</source>
        <translation>Die Dienstkonfiguration konnte nicht verwendet werden (%1). Das Programm wird beendet.</translation>
    </message>
    <message>
        <source>no configuration document</source>
        <translation>kein Konfigurationsdokument</translation>
    </message>
    <message>
        <source>The languages of this engine could not be listed (%1).</source>
        <translation>Die Sprachen dieses Dienstes konnten nicht aufgelistet werden (%1).</translation>
    </message>
    <message>
        <source>The window layout could not be applied (%1).</source>
        <translation>Die Fensteranordnung konnte nicht angewendet werden (%1).</translation>
    </message>
    <message>
        <source>No address for %1 has been configured. Please try again later.</source>
        <translation>Für %1 ist keine Adresse eingerichtet. Bitte versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>Online Help</source>
        <translation>Online-Hilfe</translation>
    </message>
    <message>
        <source>Online Support</source>
        <translation>Online-Support</translation>
    </message>
    <message>
        <source>CAPS</source>
        <translation>GROSS</translation>
    </message>
    <message>
        <source>INS</source>
        <translation>EINFG</translation>
    </message>
    <message>
        <source>&amp;Hear It!</source>
        <translation>&amp;Anhören!</translation>
    </message>
    <message>
        <source>Type a word to Hear It</source>
        <translation>Wort zum Anhören</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Load on Startup</source>
        <translation>Beim &amp;Anmelden starten</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Verlauf...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Online-Hilfe</translation>
    </message>
    <message>
        <source>Online &amp;Support</source>
        <translation>Online-&amp;Support</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Source text</source>
        <translation>Ausgangstext</translation>
    </message>
    <message>
        <source>The text to translate.</source>
        <translation>Der zu übersetzende Text.</translation>
    </message>
    <message>
        <source>The text to translate. Ctrl+Enter translates it.</source>
        <translation>Der zu übersetzende Text. Strg+Eingabetaste übersetzt ihn.</translation>
    </message>
    <message>
        <source>Language pair</source>
        <translation>Sprachpaar</translation>
    </message>
    <message>
        <source>From which language into which one.</source>
        <translation>Aus welcher Sprache in welche.</translation>
    </message>
    <message>
        <source>The online service that translates.</source>
        <translation>Der Online-Dienst, der übersetzt.</translation>
    </message>
    <message>
        <source>The translation engine</source>
        <translation>Der Übersetzungsdienst</translation>
    </message>
    <message>
        <source>Translate</source>
        <translation>Übersetzen</translation>
    </message>
    <message>
        <source>Sends the source text to the engine and shows the translation.</source>
        <translation>Sendet den Ausgangstext an den Dienst und zeigt die Übersetzung.</translation>
    </message>
    <message>
        <source>Translate the text (Ctrl+Enter in the text). Esc cancels.</source>
        <translation>Den Text übersetzen (Strg+Eingabetaste im Text). Esc bricht ab.</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Übersetzung</translation>
    </message>
    <message>
        <source>The translated text of the last translation.</source>
        <translation>Der übersetzte Text der letzten Übersetzung.</translation>
    </message>
    <message>
        <source>Word to hear</source>
        <translation>Wort zum Anhören</translation>
    </message>
    <message>
        <source>A word to hear spoken; messages about the sound show here too.</source>
        <translation>Ein Wort, das gesprochen werden soll; Meldungen zum Ton erscheinen ebenfalls hier.</translation>
    </message>
    <message>
        <source>Hear It</source>
        <translation>Anhören</translation>
    </message>
    <message>
        <source>Fetches and plays the pronunciation of the word.</source>
        <translation>Lädt die Aussprache des Wortes und spielt sie ab.</translation>
    </message>
    <message>
        <source>Hear the word spoken (Enter in the word box). Esc cancels.</source>
        <translation>Das Wort gesprochen anhören (Eingabetaste im Wortfeld). Esc bricht ab.</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Statusleiste</translation>
    </message>
    <message>
        <source>What the program is doing, and the keyboard&apos;s state.</source>
        <translation>Was das Programm gerade tut, und der Zustand der Tastatur.</translation>
    </message>
    <message>
        <source>What the program is doing or has just done.</source>
        <translation>Was das Programm gerade tut oder eben getan hat.</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>Feststelltaste</translation>
    </message>
    <message>
        <source>Caps Lock indicator.</source>
        <translation>Anzeige der Feststelltaste.</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Insert indicator.</source>
        <translation>Anzeige des Einfügemodus.</translation>
    </message>
    <message>
        <source>Type a word and press Enter to hear it.</source>
        <translation>Geben Sie ein Wort ein und drücken Sie die Eingabetaste, um es anzuhören.</translation>
    </message>
    <message>
        <source>&amp;Selection Shortcut...</source>
        <translation>Auswahl-&amp;Tastenkürzel...</translation>
    </message>
    <message>
        <source>The language pair (Ctrl+R: the other way round)</source>
        <translation>Das Sprachpaar (Strg+R: in umgekehrter Richtung)</translation>
    </message>
    <message>
        <source>The translation. Ctrl+Shift+C copies it.</source>
        <translation>Die Übersetzung. Strg+Umschalt+C kopiert sie.</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Dienst</translation>
    </message>
    <message>
        <source>&amp;Detect Language</source>
        <translation>Sprache &amp;erkennen</translation>
    </message>
    <message>
        <source>Screen &amp;Area Shortcut...</source>
        <translation>Bildschirm&amp;bereich-Tastenkürzel...</translation>
    </message>
    <message>
        <source>Translate an &amp;Area of the Screen</source>
        <translation>Bildschirmbereich &amp;übersetzen</translation>
    </message>
</context>
<context>
    <name>mGlobal</name>
    <message>
        <source>Loaded, and mimized to tray.</source>
        <translation>Geladen und ins Benachrichtigungsfeld minimiert.</translation>
    </message>
    <message>
        <source>Double-click to open.</source>
        <translation>Zum Öffnen doppelklicken.</translation>
    </message>
</context>
<context>
    <name>mMain</name>
    <message>
        <source>The configuration sent by the server cannot be used: %1</source>
        <translation>Die vom Server gesendete Konfiguration ist nicht verwendbar: %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Parlamo could not start.</source>
        <translation>Parlamo konnte nicht starten.</translation>
    </message>
    <message>
        <source>reading the screen needs a display</source>
        <translation>das Lesen des Bildschirms braucht eine Anzeige</translation>
    </message>
</context>
</TS>
