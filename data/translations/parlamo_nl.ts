<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>AppCommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Deze hulp tonen en afsluiten.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>De versie tonen en afsluiten.</translation>
    </message>
    <message>
        <source>Translate the selected text in a small window (the running program&apos;s, or this one&apos;s once its window is loaded). Meant for a desktop shortcut.</source>
        <translation>De geselecteerde tekst in een klein venster vertalen (dat van het al draaiende programma, of van dit programma zodra het venster geladen is). Bedoeld voor een sneltoets van de bureaubladomgeving.</translation>
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
        <translation>Parlamo, een bureaubladprogramma voor online vertalen. Bij elke start haalt het
zijn dienstconfiguratie op bij de configuratieserver (ingebouwd; te vervangen
met PARLAMO_CONFIG_HOST=host[:poort]).
Proxy&apos;s komen uit http_proxy, https_proxy, all_proxy en no_proxy (ook
HTTPS_PROXY, ALL_PROXY, NO_PROXY), zoals curl ze leest; zonder een daarvan uit
de proxy-instelling van de bureaubladomgeving.
Zonder --help, --version, --translate, --list of --history opent het venster,
en worden andere opties genegeerd. Zie RaDudezozad(1).</translation>
    </message>
    <message>
        <source>Started at log-on: in tray mode, go to the tray without a notice.</source>
        <translation>Gestart bij het aanmelden: staat het programma in het systeemvak, dan gaat het daarheen zonder melding.</translation>
    </message>
    <message>
        <source>Show the window, without a tray icon, even in tray mode.</source>
        <translation>Het venster tonen, zonder pictogram in het systeemvak, ook als het programma in het systeemvak staat.</translation>
    </message>
    <message>
        <source>Usage: %1 [options] [/startup] [/debug]</source>
        <translation>Gebruik: %1 [opties] [/startup] [/debug]</translation>
    </message>
    <message>
        <source>Pick an area of the screen, read its text and translate it in a small window (the running program&apos;s, or this one&apos;s once its window is loaded).</source>
        <translation>Een gebied van het scherm kiezen, de tekst ervan lezen en die in een klein venster vertalen (dat van het al draaiende programma, of van dit programma zodra het venster geladen is).</translation>
    </message>
</context>
<context>
    <name>AppRequests</name>
    <message>
        <source>Parlamo has ended.</source>
        <translation>Parlamo is afgesloten.</translation>
    </message>
    <message>
        <source>Parlamo is closing.</source>
        <translation>Parlamo wordt afgesloten.</translation>
    </message>
</context>
<context>
    <name>ConfigCheck</name>
    <message>
        <source>the %1 attribute %2</source>
        <translation>het attribuut %2 van %1</translation>
    </message>
    <message>
        <source>a numeric %1 attribute %2</source>
        <translation>een numeriek attribuut %2 van %1</translation>
    </message>
    <message>
        <source>a numeric Sizes attribute %1</source>
        <translation>een numeriek attribuut %1 van Sizes</translation>
    </message>
    <message>
        <source>a Sizes attribute %1 that a screen can hold (at most %2 twips, not %3)</source>
        <translation>een attribuut %1 van Sizes dat op een scherm past (hoogstens %2 twips, niet %3)</translation>
    </message>
    <message>
        <source>the Engines element</source>
        <translation>het element Engines</translation>
    </message>
    <message>
        <source>the name of engine %1</source>
        <translation>de naam van dienst %1</translation>
    </message>
    <message>
        <source>an engine name without an apostrophe (%1)</source>
        <translation>een dienstnaam zonder apostrof (%1)</translation>
    </message>
    <message>
        <source>a usable name for engine %1</source>
        <translation>een bruikbare naam voor dienst %1</translation>
    </message>
    <message>
        <source>the Languages element of engine %1</source>
        <translation>het element Languages van dienst %1</translation>
    </message>
    <message>
        <source>the name of language %1 of engine %2</source>
        <translation>de naam van taal %1 van dienst %2</translation>
    </message>
    <message>
        <source>a language at the Languages default %1 of engine %2 (there are %3)</source>
        <translation>een taal op de standaardpositie %1 van Languages van dienst %2 (er zijn er %3)</translation>
    </message>
    <message>
        <source>an engine at the Engines default %1 (there are %2)</source>
        <translation>een dienst op de standaardpositie %1 van Engines (er zijn er %2)</translation>
    </message>
    <message>
        <source>a configuration document</source>
        <translation>een configuratiedocument</translation>
    </message>
    <message>
        <source>the Messages element</source>
        <translation>het element Messages</translation>
    </message>
    <message>
        <source>the Features element</source>
        <translation>het element Features</translation>
    </message>
    <message>
        <source>the Sizes element</source>
        <translation>het element Sizes</translation>
    </message>
    <message>
        <source>The configuration sent by the server is incomplete, so the program cannot start. It lacks %1.</source>
        <translation>De configuratie die de server stuurde is onvolledig, dus het programma kan niet starten. Er ontbreekt: %1.</translation>
    </message>
    <message>
        <source>Please start again later.</source>
        <translation>Start het programma later opnieuw.</translation>
    </message>
</context>
<context>
    <name>ConfigDocument</name>
    <message>
        <source>%1 at offset %2</source>
        <translation>%1 op positie %2</translation>
    </message>
    <message>
        <source>no root element</source>
        <translation>geen hoofdelement</translation>
    </message>
    <message>
        <source>no configuration document is loaded</source>
        <translation>er is geen configuratiedocument geladen</translation>
    </message>
    <message>
        <source>invalid lookup %1: %2</source>
        <translation>ongeldige zoekopdracht %1: %2</translation>
    </message>
</context>
<context>
    <name>ConfigElement</name>
    <message>
        <source>(missing element)</source>
        <translation>(ontbrekend element)</translation>
    </message>
    <message>
        <source>missing element for %1</source>
        <translation>ontbrekend element voor %1</translation>
    </message>
    <message>
        <source>missing attribute %1</source>
        <translation>ontbrekend attribuut %1</translation>
    </message>
    <message>
        <source>not a 16-bit whole number: %1</source>
        <translation>geen geheel getal van 16 bits: %1</translation>
    </message>
    <message>
        <source>not a 32-bit whole number: %1</source>
        <translation>geen geheel getal van 32 bits: %1</translation>
    </message>
    <message>
        <source>not a number: %1</source>
        <translation>geen getal: %1</translation>
    </message>
</context>
<context>
    <name>ConfigLoader</name>
    <message>
        <source>the connection was refused</source>
        <translation>de verbinding werd geweigerd</translation>
    </message>
    <message>
        <source>the host was not found</source>
        <translation>de host werd niet gevonden</translation>
    </message>
    <message>
        <source>the server closed the connection before answering</source>
        <translation>de server sloot de verbinding voordat hij antwoordde</translation>
    </message>
    <message>
        <source>timed out: %1</source>
        <translation>time-out: %1</translation>
    </message>
    <message>
        <source>not a usable address: %1</source>
        <translation>geen bruikbaar adres: %1</translation>
    </message>
    <message>
        <source>the server answered with HTTP status %1</source>
        <translation>de server antwoordde met HTTP-status %1</translation>
    </message>
    <message>
        <source>not a well-formed document: %1</source>
        <translation>geen goed gevormd document: %1</translation>
    </message>
</context>
<context>
    <name>DBusInterface</name>
    <message>
        <source>Parlamo has ended.</source>
        <translation>Parlamo is afgesloten.</translation>
    </message>
</context>
<context>
    <name>EngineLists</name>
    <message>
        <source>the document has no Engines element</source>
        <translation>het document heeft geen element Engines</translation>
    </message>
    <message>
        <source>no Languages element for the engine &quot;%1&quot;</source>
        <translation>geen element Languages voor de dienst &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 %2 selects no entry of %3</source>
        <translation>%1 %2 selecteert geen van de %3 items</translation>
    </message>
    <message>
        <source>the kept language</source>
        <translation>de behouden taal</translation>
    </message>
</context>
<context>
    <name>HeadlessCommandLine</name>
    <message>
        <source>Translate TEXT without opening a window and print the result; &quot;-&quot; reads the text from standard input.</source>
        <translation>TEKST vertalen zonder een venster te openen en het resultaat afdrukken; &quot;-&quot; leest de tekst van de standaardinvoer.</translation>
    </message>
    <message>
        <source>TEXT</source>
        <translation>TEKST</translation>
    </message>
    <message>
        <source>The engine to translate with (default: the service&apos;s).</source>
        <translation>De dienst om mee te vertalen (standaard: de vooraf ingestelde).</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAAM</translation>
    </message>
    <message>
        <source>The language pair to translate with (default: the engine&apos;s).</source>
        <translation>Het taalpaar om mee te vertalen (standaard: dat van de dienst).</translation>
    </message>
    <message>
        <source>--list and --translate cannot be used together</source>
        <translation>--list en --translate kunnen niet samen worden gebruikt</translation>
    </message>
    <message>
        <source>--engine and --pair need --translate</source>
        <translation>--engine en --pair vereisen --translate</translation>
    </message>
    <message>
        <source>standard input is not UTF-8 text</source>
        <translation>de standaardinvoer is geen UTF-8-tekst</translation>
    </message>
    <message>
        <source>cannot read standard input</source>
        <translation>kan de standaardinvoer niet lezen</translation>
    </message>
    <message>
        <source>List the engines and their language pairs, with the codes of their languages where known; the defaults are marked.</source>
        <translation>De diensten en hun taalparen opsommen, met de codes van hun talen waar bekend; de standaardwaarden zijn gemarkeerd.</translation>
    </message>
    <message>
        <source>Print the code of the language of TEXT (the arguments, or standard input for none or &quot;-&quot;); exit 1 when not sure.</source>
        <translation>De code van de taal van TEXT afdrukken (de argumenten, of standaardinvoer bij geen of &quot;-&quot;); eindigt met 1 bij twijfel.</translation>
    </message>
    <message>
        <source>With --pair auto: translate into the language of this code (&quot;en&quot;) from the text&apos;s language.</source>
        <translation>Met --pair auto: vertalen uit de taal van de tekst naar de taal van deze code (&quot;en&quot;).</translation>
    </message>
    <message>
        <source>CODE</source>
        <translation>CODE</translation>
    </message>
    <message>
        <source>With --translate: print the translation, then on the next line the translation translated back with the reverse pair.</source>
        <translation>Met --translate: de vertaling afdrukken, dan op de volgende regel de vertaling terugvertaald met het omgekeerde paar.</translation>
    </message>
    <message>
        <source>--detect cannot be used with --translate or --list</source>
        <translation>--detect kan niet samen met --translate of --list worden gebruikt</translation>
    </message>
    <message>
        <source>--to needs --pair auto</source>
        <translation>--to vereist --pair auto</translation>
    </message>
</context>
<context>
    <name>HeadlessTranslation</name>
    <message>
        <source>none</source>
        <translation>geen</translation>
    </message>
    <message>
        <source>cannot load the configuration from %1: %2</source>
        <translation>kan de configuratie niet laden van %1: %2</translation>
    </message>
    <message>
        <source>the document has no Messages element</source>
        <translation>het document heeft geen element Messages</translation>
    </message>
    <message>
        <source>the service allows no translations now</source>
        <translation>de dienst staat momenteel geen vertalingen toe</translation>
    </message>
    <message>
        <source>the configuration from %1 cannot be used: %2</source>
        <translation>de configuratie van %1 is niet bruikbaar: %2</translation>
    </message>
    <message>
        <source>[default]</source>
        <translation>[standaard]</translation>
    </message>
    <message>
        <source>there is no text to translate</source>
        <translation>er is geen tekst om te vertalen</translation>
    </message>
    <message>
        <source>unknown engine %1; the engines are %2</source>
        <translation>onbekende dienst %1; de diensten zijn %2</translation>
    </message>
    <message>
        <source>unknown language pair %1 of engine %2; its pairs are %3</source>
        <translation>onbekend taalpaar %1 van dienst %2; de taalparen ervan zijn %3</translation>
    </message>
    <message>
        <source>engine %1 at %2</source>
        <translation>dienst %1 op %2</translation>
    </message>
    <message>
        <source>cannot ask %1: %2</source>
        <translation>kan %1 niet bevragen: %2</translation>
    </message>
    <message>
        <source>cannot reach %1: %2</source>
        <translation>kan %1 niet bereiken: %2</translation>
    </message>
    <message>
        <source>%1 sent no answer within %2 s</source>
        <translation>%1 gaf binnen %2 s geen antwoord</translation>
    </message>
    <message>
        <source>%1 answered with HTTP status %2</source>
        <translation>%1 antwoordde met HTTP-status %2</translation>
    </message>
    <message>
        <source>no translation found in the answer of %1 (its markers do not occur in it)</source>
        <translation>geen vertaling gevonden in het antwoord van %1 (de markeringen ervan komen er niet in voor)</translation>
    </message>
    <message>
        <source>not sure</source>
        <translation>niet zeker</translation>
    </message>
    <message>
        <source>language detection is not available: %1</source>
        <translation>taalherkenning is niet beschikbaar: %1</translation>
    </message>
    <message>
        <source>not sure which language the text is in</source>
        <translation>niet zeker in welke taal de tekst is</translation>
    </message>
    <message>
        <source>engine %1 has no language pair from %2 to %3</source>
        <translation>dienst %1 heeft geen taalpaar van %2 naar %3</translation>
    </message>
    <message>
        <source>engine %1 has no language pair that translates back from %2</source>
        <translation>dienst %1 heeft geen taalpaar dat terugvertaalt uit %2</translation>
    </message>
</context>
<context>
    <name>HearItCommand</name>
    <message>
        <source>No Sound file found.</source>
        <translation>Geen geluidsbestand gevonden.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Geannuleerd.</translation>
    </message>
    <message>
        <source>Downloading Sound file...</source>
        <translation>Geluidsbestand downloaden...</translation>
    </message>
    <message>
        <source>Unable to detect WAV device in this system.</source>
        <translation>Kan geen WAV-apparaat vinden op dit systeem.</translation>
    </message>
</context>
<context>
    <name>HistoryCommandLine</name>
    <message>
        <source>Print the translation history, newest first, without opening a window.</source>
        <translation>De vertaalgeschiedenis afdrukken, nieuwste eerst, zonder een venster te openen.</translation>
    </message>
    <message>
        <source>With --history: only the entries whose text or translation holds WORD, in any letter case.</source>
        <translation>Met --history: alleen de items waarvan de tekst of vertaling WOORD bevat, ongeacht hoofdletters en kleine letters.</translation>
    </message>
    <message>
        <source>WORD</source>
        <translation>WOORD</translation>
    </message>
    <message>
        <source>With --history: tsv (the default: tab-separated, no header) or csv (RFC 4180, with a header row).</source>
        <translation>Met --history: tsv (de standaard: gescheiden door tabs, zonder kopregel) of csv (RFC 4180, met een kopregel).</translation>
    </message>
    <message>
        <source>--search and --format need --history</source>
        <translation>--search en --format vereisen --history</translation>
    </message>
    <message>
        <source>--history cannot be used with --%1</source>
        <translation>--history kan niet samen met --%1 worden gebruikt</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot;: tsv or csv</source>
        <translation>onbekende indeling &quot;%1&quot;: tsv of csv</translation>
    </message>
    <message>
        <source>cannot read the history in %1: %2</source>
        <translation>kan de geschiedenis in %1 niet lezen: %2</translation>
    </message>
</context>
<context>
    <name>HistoryModel</name>
    <message>
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Dienst</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Talen</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Vertaling</translation>
    </message>
</context>
<context>
    <name>HistoryReader</name>
    <message>
        <source>unknown database error</source>
        <translation>onbekende databasefout</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 is geen bestand</translation>
    </message>
    <message>
        <source>the SQLite driver of Qt SQL is not installed</source>
        <translation>het SQLite-stuurprogramma van Qt SQL is niet geïnstalleerd</translation>
    </message>
    <message>
        <source>the history database is damaged</source>
        <translation>de geschiedenisdatabase is beschadigd</translation>
    </message>
</context>
<context>
    <name>HistoryStore</name>
    <message>
        <source>unknown database error</source>
        <translation>onbekende databasefout</translation>
    </message>
    <message>
        <source>cannot create the folder of %1</source>
        <translation>kan de map van %1 niet aanmaken</translation>
    </message>
    <message>
        <source>the SQLite driver of Qt SQL is not installed</source>
        <translation>het SQLite-stuurprogramma van Qt SQL is niet geïnstalleerd</translation>
    </message>
    <message>
        <source>the history database is damaged</source>
        <translation>de geschiedenisdatabase is beschadigd</translation>
    </message>
    <message>
        <source>History is off for this run: %1.</source>
        <translation>Geschiedenis uitgeschakeld tot de volgende start: %1.</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>History</source>
        <translation>Geschiedenis</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Zoeken</translation>
    </message>
    <message>
        <source>Search the history</source>
        <translation>In de geschiedenis zoeken</translation>
    </message>
    <message>
        <source>Translations</source>
        <translation>Vertalingen</translation>
    </message>
    <message>
        <source>Enter or a double click puts the translation back</source>
        <translation>Enter of dubbelklikken zet de vertaling terug</translation>
    </message>
    <message>
        <source>Writes the listed translations to a CSV file</source>
        <translation>Schrijft de getoonde vertalingen naar een CSV-bestand</translation>
    </message>
    <message>
        <source>Clear the whole history? This cannot be undone.</source>
        <translation>De hele geschiedenis wissen? Dit kan niet ongedaan worden gemaakt.</translation>
    </message>
    <message>
        <source>Export History</source>
        <translation>Geschiedenis exporteren</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-bestanden (*.csv);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>The history could not be written to %1.</source>
        <translation>De geschiedenis kon niet naar %1 worden geschreven.</translation>
    </message>
    <message>
        <source>Lists only the translations whose texts hold these letters; the arrow keys walk the list.</source>
        <translation>Toont alleen de vertalingen waarvan de teksten deze letters bevatten; de pijltjestoetsen lopen door de lijst.</translation>
    </message>
    <message>
        <source>&amp;Keep a history</source>
        <translation>Geschiedenis &amp;bijhouden</translation>
    </message>
    <message>
        <source>Whether new translations are kept, also after a restart</source>
        <translation>Of nieuwe vertalingen bewaard worden, ook na een herstart</translation>
    </message>
    <message>
        <source>C&amp;lear History</source>
        <translation>Geschiedenis &amp;wissen</translation>
    </message>
    <message>
        <source>Forgets every kept translation, after asking</source>
        <translation>Vergeet alle bewaarde vertalingen, na een bevestiging</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exporteren...</translation>
    </message>
</context>
<context>
    <name>HttpTransfer</name>
    <message>
        <source>The answer is larger than %1 MiB.</source>
        <translation>Het antwoord is groter dan %1 MiB.</translation>
    </message>
    <message>
        <source>The answer is larger than %1 bytes.</source>
        <translation>Het antwoord is groter dan %1 bytes.</translation>
    </message>
    <message>
        <source>The transfer took longer than %1 seconds.</source>
        <translation>De overdracht duurde langer dan %1 seconden.</translation>
    </message>
    <message>
        <source>Not a usable address: %1</source>
        <translation>Geen bruikbaar adres: %1</translation>
    </message>
    <message>
        <source>Not a usable method: %1</source>
        <translation>Geen bruikbare methode: %1</translation>
    </message>
    <message>
        <source>Not a usable header line: %1</source>
        <translation>Geen bruikbare kopregel: %1</translation>
    </message>
    <message>
        <source>Cannot start the transfer.</source>
        <translation>Kan de overdracht niet starten.</translation>
    </message>
    <message>
        <source>Refused a redirect to %1</source>
        <translation>Doorverwijzing naar %1 geweigerd</translation>
    </message>
    <message>
        <source>The answer&apos;s header has a broken line.</source>
        <translation>De kop van het antwoord bevat een beschadigde regel.</translation>
    </message>
    <message>
        <source>The answer&apos;s trailer is too large.</source>
        <translation>De trailer van het antwoord is te groot.</translation>
    </message>
    <message>
        <source>The answer&apos;s header is too large.</source>
        <translation>De kop van het antwoord is te groot.</translation>
    </message>
    <message>
        <source>The server&apos;s answer is not HTTP.</source>
        <translation>Het antwoord van de server is geen HTTP.</translation>
    </message>
    <message>
        <source>The server switched protocols.</source>
        <translation>De server wisselde van protocol.</translation>
    </message>
    <message>
        <source>The answer&apos;s transfer coding is not readable: %1</source>
        <translation>De overdrachtscodering van het antwoord is niet leesbaar: %1</translation>
    </message>
    <message>
        <source>The answer&apos;s length is unreadable.</source>
        <translation>De lengte van het antwoord is niet leesbaar.</translation>
    </message>
    <message>
        <source>The connection ended inside the answer&apos;s header.</source>
        <translation>De verbinding werd midden in de kop van het antwoord verbroken.</translation>
    </message>
    <message>
        <source>Cannot connect to %1: %2</source>
        <translation>Kan geen verbinding maken met %1: %2</translation>
    </message>
    <message>
        <source>The server&apos;s certificate was refused: %1</source>
        <translation>Het certificaat van de server werd geweigerd: %1</translation>
    </message>
    <message>
        <source>The secure connection failed: %1</source>
        <translation>De beveiligde verbinding is mislukt: %1</translation>
    </message>
    <message>
        <source>The server closed the connection without answering.</source>
        <translation>De server sloot de verbinding zonder te antwoorden.</translation>
    </message>
    <message>
        <source>The connection ended before the whole answer.</source>
        <translation>De verbinding werd verbroken voordat het hele antwoord binnen was.</translation>
    </message>
    <message>
        <source>The connection ended after %1 of %2 bytes.</source>
        <translation>De verbinding werd verbroken na %1 van %2 bytes.</translation>
    </message>
    <message>
        <source>Too many redirects.</source>
        <translation>Te veel doorverwijzingen.</translation>
    </message>
    <message>
        <source>The server&apos;s answer is not readable HTTP: %1</source>
        <translation>Het antwoord van de server is geen leesbaar HTTP: %1</translation>
    </message>
    <message>
        <source>The server sent nothing for %1 seconds.</source>
        <translation>De server stuurde %1 seconden lang niets.</translation>
    </message>
    <message>
        <source>The server sent no answer within %1 seconds.</source>
        <translation>De server gaf binnen %1 seconden geen antwoord.</translation>
    </message>
    <message>
        <source>The transfer was cancelled.</source>
        <translation>De overdracht werd geannuleerd.</translation>
    </message>
    <message>
        <source>The answer could not be stored.</source>
        <translation>Het antwoord kon niet worden opgeslagen.</translation>
    </message>
</context>
<context>
    <name>ImageCommandLine</name>
    <message>
        <source>there is no screen to read</source>
        <translation>er is geen scherm om te lezen</translation>
    </message>
    <message>
        <source>the screen cannot be read here</source>
        <translation>het scherm kan hier niet worden gelezen</translation>
    </message>
    <message>
        <source>Print the text read from an image file (PNG, JPEG...) in the language of --pair&apos;s source, else in English.</source>
        <translation>De tekst afdrukken die uit een afbeeldingsbestand (PNG, JPEG...) is gelezen, in de brontaal van --pair, anders in het Engels.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>BESTAND</translation>
    </message>
    <message>
        <source>Print the translation of the text read from an image file.</source>
        <translation>De vertaling afdrukken van de tekst die uit een afbeeldingsbestand is gelezen.</translation>
    </message>
    <message>
        <source>Print the text read from an area of the screen (needs a display).</source>
        <translation>De tekst afdrukken die uit een gebied van het scherm is gelezen (vereist een display).</translation>
    </message>
    <message>
        <source>X,Y,W,H</source>
        <translation>X,Y,B,H</translation>
    </message>
    <message>
        <source>--read-image, --translate-image, --read-screen, --translate and --list cannot be used together</source>
        <translation>--read-image, --translate-image, --read-screen, --translate en --list kunnen niet samen worden gebruikt</translation>
    </message>
    <message>
        <source>--read-screen wants X,Y,W,H with a positive width and height</source>
        <translation>--read-screen verwacht X,Y,B,H met een positieve breedte en hoogte</translation>
    </message>
    <message>
        <source>cannot read the image %1: %2</source>
        <translation>kan de afbeelding %1 niet lezen: %2</translation>
    </message>
    <message>
        <source>no text was found in the image</source>
        <translation>er is geen tekst in de afbeelding gevonden</translation>
    </message>
</context>
<context>
    <name>LayoutMath</name>
    <message>
        <source>not a number: %1</source>
        <translation>geen getal: %1</translation>
    </message>
    <message>
        <source>the document has no Sizes element</source>
        <translation>het document heeft geen element Sizes</translation>
    </message>
</context>
<context>
    <name>LazySoundOutput</name>
    <message>
        <source>%1 belongs to another user</source>
        <translation>%1 is van een andere gebruiker</translation>
    </message>
    <message>
        <source>other users may change %1</source>
        <translation>andere gebruikers kunnen %1 wijzigen</translation>
    </message>
    <message>
        <source>No sound: the sound module %1 was not found.</source>
        <translation>Geen geluid: de geluidsmodule %1 is niet gevonden.</translation>
    </message>
    <message>
        <source>No sound: the sound module could not be loaded (%1).</source>
        <translation>Geen geluid: de geluidsmodule kon niet worden geladen (%1).</translation>
    </message>
</context>
<context>
    <name>NoScreenArea</name>
    <message>
        <source>The screen cannot be read on this desktop.</source>
        <translation>Het scherm kan in deze bureaubladomgeving niet worden gelezen.</translation>
    </message>
</context>
<context>
    <name>OutsideTranslation</name>
    <message>
        <source>Choose a language pair in the main window first.</source>
        <translation>Kies eerst een taalpaar in het hoofdvenster.</translation>
    </message>
    <message>
        <source>There is no text to translate.</source>
        <translation>Er is geen tekst om te vertalen.</translation>
    </message>
</context>
<context>
    <name>PairRule</name>
    <message>
        <source>The language pairs of this engine do not say which languages they join, so the language of a text cannot pick one.</source>
        <translation>De taalparen van deze dienst zeggen niet welke talen ze verbinden, dus de taal van een tekst kan er geen kiezen.</translation>
    </message>
    <message>
        <source>%1 → %2 (detected)</source>
        <translation>%1 → %2 (herkend)</translation>
    </message>
    <message>
        <source>%1 (the language of the text is not clear)</source>
        <translation>%1 (de taal van de tekst is niet duidelijk)</translation>
    </message>
    <message>
        <source>No pair from %1</source>
        <translation>Geen paar uit het %1</translation>
    </message>
    <message>
        <source>%1 (no pair from %2)</source>
        <translation>%1 (geen paar uit het %2)</translation>
    </message>
</context>
<context>
    <name>PortalGlobalShortcut</name>
    <message>
        <source>The selection shortcut %1 is not a key the desktop can bind.</source>
        <translation>De selectiesneltoets %1 is geen toets die de bureaubladomgeving kan toewijzen.</translation>
    </message>
    <message>
        <source>The desktop did not bind the selection shortcut %1 (%2).</source>
        <translation>De bureaubladomgeving heeft de selectiesneltoets %1 niet toegewezen (%2).</translation>
    </message>
    <message>
        <source>The selection shortcut %1 was not bound: the desktop&apos;s question was cancelled.</source>
        <translation>De selectiesneltoets %1 is niet toegewezen: de vraag van de bureaubladomgeving werd geannuleerd.</translation>
    </message>
    <message>
        <source>The desktop did not bind the selection shortcut %1.</source>
        <translation>De bureaubladomgeving heeft de selectiesneltoets %1 niet toegewezen.</translation>
    </message>
    <message>
        <source>Translate the selection</source>
        <translation>Selectie vertalen</translation>
    </message>
    <message>
        <source>This desktop holds no keys for programs, so the selection shortcut %1 is off: bind &quot;%2 --translate-selection&quot; to a key in the desktop&apos;s keyboard settings instead.</source>
        <translation>Deze bureaubladomgeving wijst geen toetsen toe aan programma&apos;s, dus de selectiesneltoets %1 staat uit: wijs in plaats daarvan &quot;%2 --translate-selection&quot; toe aan een toets in de toetsenbordinstellingen van de bureaubladomgeving.</translation>
    </message>
    <message>
        <source>The screen area shortcut %1 is not a key the desktop can bind.</source>
        <translation>De schermgebiedsneltoets %1 is geen toets die de bureaubladomgeving kan toewijzen.</translation>
    </message>
    <message>
        <source>The desktop did not bind the screen area shortcut %1 (%2).</source>
        <translation>De bureaubladomgeving heeft de schermgebiedsneltoets %1 niet toegewezen (%2).</translation>
    </message>
    <message>
        <source>The screen area shortcut %1 was not bound: the desktop&apos;s question was cancelled.</source>
        <translation>De schermgebiedsneltoets %1 is niet toegewezen: de vraag van de bureaubladomgeving werd geannuleerd.</translation>
    </message>
    <message>
        <source>Translate an area of the screen</source>
        <translation>Schermgebied vertalen</translation>
    </message>
    <message>
        <source>This desktop holds no keys for programs, so the screen area shortcut %1 is off: bind &quot;%2 --translate-screen-area&quot; to a key in the desktop&apos;s keyboard settings instead.</source>
        <translation>Deze bureaubladomgeving wijst geen toetsen toe aan programma&apos;s, dus de schermgebiedsneltoets %1 staat uit: wijs in plaats daarvan &quot;%2 --translate-screen-area&quot; toe aan een toets in de toetsenbordinstellingen van de bureaubladomgeving.</translation>
    </message>
    <message>
        <source>The desktop did not bind the screen area shortcut %1.</source>
        <translation>De bureaubladomgeving heeft de schermgebiedsneltoets %1 niet toegewezen.</translation>
    </message>
</context>
<context>
    <name>ReversePair</name>
    <message>
        <source>no language pairs for engine %1</source>
        <translation>geen taalparen voor dienst %1</translation>
    </message>
</context>
<context>
    <name>RunningCopy</name>
    <message>
        <source>Parlamo is already running but does not answer (%1).</source>
        <translation>Parlamo draait al, maar antwoordt niet (%1).</translation>
    </message>
    <message>
        <source>Parlamo is already running but does not answer.</source>
        <translation>Parlamo draait al, maar antwoordt niet.</translation>
    </message>
    <message>
        <source>%1 cannot be made (%2).</source>
        <translation>%1 kan niet worden aangemaakt (%2).</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 is geen map.</translation>
    </message>
    <message>
        <source>%1 belongs to another user.</source>
        <translation>%1 is van een andere gebruiker.</translation>
    </message>
    <message>
        <source>Other users may use %1.</source>
        <translation>Andere gebruikers kunnen %1 gebruiken.</translation>
    </message>
    <message>
        <source>Cannot make sure that only one copy of Parlamo runs: %1</source>
        <translation>Kan niet zorgen dat er maar één exemplaar van Parlamo draait: %1</translation>
    </message>
</context>
<context>
    <name>ScreenAreaPicker</name>
    <message>
        <source>The screen cannot be read on this desktop.</source>
        <translation>Het scherm kan in deze bureaubladomgeving niet worden gelezen.</translation>
    </message>
    <message>
        <source>The desktop does not let Parlamo read the screen (%1).</source>
        <translation>De bureaubladomgeving laat Parlamo het scherm niet lezen (%1).</translation>
    </message>
    <message>
        <source>The desktop gave no picture of the screen.</source>
        <translation>De bureaubladomgeving heeft geen afbeelding van het scherm geleverd.</translation>
    </message>
</context>
<context>
    <name>SelectionPopup</name>
    <message>
        <source>Parlamo Translation</source>
        <translation>Parlamo-vertaling</translation>
    </message>
    <message>
        <source>Source text</source>
        <translation>Brontekst</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Vertaling</translation>
    </message>
    <message>
        <source>The translation. Ctrl+Shift+C copies it, Ctrl+Shift+S speaks it, Esc closes.</source>
        <translation>De vertaling. Ctrl+Shift+C kopieert haar, Ctrl+Shift+S leest haar voor, Esc sluit.</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiëren</translation>
    </message>
    <message>
        <source>Copy the translation to the clipboard (Ctrl+Shift+C).</source>
        <translation>De vertaling naar het klembord kopiëren (Ctrl+Shift+C).</translation>
    </message>
    <message>
        <source>&amp;Open in Window</source>
        <translation>&amp;Openen in venster</translation>
    </message>
    <message>
        <source>Show both texts in the main window (Ctrl+O).</source>
        <translation>Beide teksten in het hoofdvenster tonen (Ctrl+O).</translation>
    </message>
    <message>
        <source>Copied to the clipboard.</source>
        <translation>Naar het klembord gekopieerd.</translation>
    </message>
    <message>
        <source>Translation back</source>
        <translation>Terugvertaling</translation>
    </message>
    <message>
        <source>The translation of the selected text.</source>
        <translation>De vertaling van de geselecteerde tekst.</translation>
    </message>
    <message>
        <source>The selected text.</source>
        <translation>De geselecteerde tekst.</translation>
    </message>
    <message>
        <source>Its translation, or what went wrong.</source>
        <translation>De vertaling ervan, of wat er misging.</translation>
    </message>
    <message>
        <source>What the translation is doing or has done.</source>
        <translation>Wat de vertaling doet of heeft gedaan.</translation>
    </message>
    <message>
        <source>The text read from the screen. Correct it and press Ctrl+Enter to translate it again.</source>
        <translation>De tekst die van het scherm is gelezen. Verbeter hem en druk op Ctrl+Enter om hem opnieuw te vertalen.</translation>
    </message>
</context>
<context>
    <name>ShortcutDialog</name>
    <message>
        <source>Selection Shortcut</source>
        <translation>Selectiesneltoets</translation>
    </message>
    <message>
        <source>Select text in any application and press this key to read its translation in a small window. Press the new key here, or clear it to turn the shortcut off.</source>
        <translation>Selecteer tekst in een willekeurig programma en druk op deze toets om de vertaling in een klein venster te lezen. Druk hier op de nieuwe toets, of wis het veld om de sneltoets uit te schakelen.</translation>
    </message>
    <message>
        <source>Selection shortcut</source>
        <translation>Selectiesneltoets</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Wissen</translation>
    </message>
    <message>
        <source>Turns the shortcut off</source>
        <translation>Schakelt de sneltoets uit</translation>
    </message>
    <message>
        <source>Screen Area Shortcut</source>
        <translation>Schermgebiedsneltoets</translation>
    </message>
    <message>
        <source>Press this key in any application, then drag over an area of the screen to read its text and its translation in a small window. Press the new key here, or clear it to turn the shortcut off.</source>
        <translation>Druk op deze toets in een willekeurig programma en sleep dan over een gebied van het scherm om de tekst ervan en de vertaling in een klein venster te lezen. Druk hier op de nieuwe toets, of wis het veld om de sneltoets uit te schakelen.</translation>
    </message>
    <message>
        <source>Screen area shortcut</source>
        <translation>Schermgebiedsneltoets</translation>
    </message>
</context>
<context>
    <name>SpeakCommand</name>
    <message>
        <source>There is no translation to speak.</source>
        <translation>Er is geen vertaling om voor te lezen.</translation>
    </message>
    <message>
        <source>No speech for this language pair.</source>
        <translation>Geen spraakuitvoer voor dit taalpaar.</translation>
    </message>
    <message>
        <source>The spoken translation could not be fetched.</source>
        <translation>De gesproken vertaling kon niet worden opgehaald.</translation>
    </message>
    <message>
        <source>Speaking...</source>
        <translation>Voorlezen...</translation>
    </message>
    <message>
        <source>The spoken translation could not be stored.</source>
        <translation>De gesproken vertaling kon niet worden opgeslagen.</translation>
    </message>
    <message>
        <source>No sound output device was found.</source>
        <translation>Er is geen geluidsuitvoerapparaat gevonden.</translation>
    </message>
    <message>
        <source>The spoken translation is not a playable sound.</source>
        <translation>De gesproken vertaling is geen afspeelbaar geluid.</translation>
    </message>
    <message>
        <source>Spoken.</source>
        <translation>Voorgelezen.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Geannuleerd.</translation>
    </message>
</context>
<context>
    <name>StartMode</name>
    <message>
        <source>the document has no Features element</source>
        <translation>het document heeft geen element Features</translation>
    </message>
</context>
<context>
    <name>StartupSequence</name>
    <message>
        <source>v%1.%2 build %3</source>
        <translation>v%1.%2 build %3</translation>
    </message>
    <message>
        <source>You are not connected to the internet. Please connect, and start again.</source>
        <translation>U bent niet met het internet verbonden. Maak verbinding en start opnieuw.</translation>
    </message>
    <message>
        <source>Address asked for: %1</source>
        <translation>Gevraagd adres: %1</translation>
    </message>
    <message>
        <source>What went wrong: %1</source>
        <translation>Wat er misging: %1</translation>
    </message>
    <message>
        <source>Loading preferences</source>
        <translation>Voorkeuren laden</translation>
    </message>
    <message>
        <source>the document was refused: it lacks %1</source>
        <translation>het document werd geweigerd, er ontbreekt: %1</translation>
    </message>
    <message>
        <source>Loading updated server configuration</source>
        <translation>Bijgewerkte serverconfiguratie laden</translation>
    </message>
    <message>
        <source>Initialized</source>
        <translation>Geïnitialiseerd</translation>
    </message>
    <message>
        <source>, minimizing to tray.</source>
        <translation>, minimaliseren naar het systeemvak.</translation>
    </message>
</context>
<context>
    <name>TextRecognizer</name>
    <message>
        <source>The reading was cancelled.</source>
        <translation>Het lezen is geannuleerd.</translation>
    </message>
    <message>
        <source>Text in this language cannot be read: its data (%1) is missing. Install the package %2.</source>
        <translation>Tekst in deze taal kan niet worden gelezen: de gegevens ervan (%1) ontbreken. Installeer het pakket %2.</translation>
    </message>
    <message>
        <source>The text could not be read: %1</source>
        <translation>De tekst kon niet worden gelezen: %1</translation>
    </message>
</context>
<context>
    <name>TranslateAnywhere</name>
    <message>
        <source>Choose another one under Options &gt; Selection Shortcut...</source>
        <translation>Kies een andere onder Opties &gt; Selectiesneltoets...</translation>
    </message>
    <message>
        <source>Reading the selection...</source>
        <translation>Selectie lezen...</translation>
    </message>
    <message>
        <source>No text is selected. Select a text, then press the key again.</source>
        <translation>Er is geen tekst geselecteerd. Selecteer tekst en druk dan opnieuw op de toets.</translation>
    </message>
    <message>
        <source>Reading the clipboard...</source>
        <translation>Klembord lezen...</translation>
    </message>
    <message>
        <source>The clipboard holds no text.</source>
        <translation>Het klembord bevat geen tekst.</translation>
    </message>
    <message>
        <source>Translating from %1</source>
        <translation>Bezig met vertalen: %1</translation>
    </message>
    <message>
        <source>The language of the text is not clear.</source>
        <translation>De taal van de tekst is niet duidelijk.</translation>
    </message>
    <message>
        <source>No language pair translates %1 into %2.</source>
        <translation>Geen taalpaar vertaalt %1 naar %2.</translation>
    </message>
    <message>
        <source>No language pair translates back from %1.</source>
        <translation>Geen taalpaar vertaalt terug uit %1.</translation>
    </message>
    <message>
        <source>Translating back from %1</source>
        <translation>Terugvertalen met %1</translation>
    </message>
    <message>
        <source>Back: %1</source>
        <translation>Terug: %1</translation>
    </message>
    <message>
        <source>Choose another one under Options &gt; Screen Area Shortcut...</source>
        <translation>Kies een andere onder Opties &gt; Schermgebiedsneltoets...</translation>
    </message>
    <message>
        <source>Reading the screen...</source>
        <translation>Scherm lezen...</translation>
    </message>
    <message>
        <source>No text was found in the area.</source>
        <translation>Er is geen tekst in het gebied gevonden.</translation>
    </message>
    <message>
        <source>The selection&apos;s owner did not answer.</source>
        <translation>Het programma dat de selectie heeft, antwoordde niet.</translation>
    </message>
</context>
<context>
    <name>TranslateCommand</name>
    <message>
        <source>Translation failed: %1</source>
        <translation>Vertalen mislukt: %1</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Geannuleerd.</translation>
    </message>
    <message>
        <source>Translation failed at %1: %2</source>
        <translation>Vertalen mislukt bij %1: %2</translation>
    </message>
    <message>
        <source>Translation timed out: %1 did not answer.</source>
        <translation>Time-out bij het vertalen: %1 gaf geen antwoord.</translation>
    </message>
    <message>
        <source>No translation found in the answer of %1.</source>
        <translation>Geen vertaling gevonden in het antwoord van %1.</translation>
    </message>
</context>
<context>
    <name>TranslationHistory</name>
    <message>
        <source>History is off for this run.</source>
        <translation>Geschiedenis uitgeschakeld tot de volgende start.</translation>
    </message>
</context>
<context>
    <name>TranslationPipeline</name>
    <message>
        <source>The text is too long to send (%1 characters in its request; at most %2).</source>
        <translation>De tekst is te lang om te verzenden (%1 tekens in het verzoek; hoogstens %2).</translation>
    </message>
    <message>
        <source>no engine named %1</source>
        <translation>geen dienst met de naam %1</translation>
    </message>
    <message>
        <source>no language pair named %1</source>
        <translation>geen taalpaar met de naam %1</translation>
    </message>
</context>
<context>
    <name>X11GlobalShortcut</name>
    <message>
        <source>The selection shortcut %1 is not a key this keyboard has.</source>
        <translation>De selectiesneltoets %1 is geen toets van dit toetsenbord.</translation>
    </message>
    <message>
        <source>The selection shortcut %1 is taken by another program.</source>
        <translation>De selectiesneltoets %1 is al in gebruik door een ander programma.</translation>
    </message>
    <message>
        <source>The screen area shortcut %1 is not a key this keyboard has.</source>
        <translation>De schermgebiedsneltoets %1 is geen toets van dit toetsenbord.</translation>
    </message>
    <message>
        <source>The screen area shortcut %1 is taken by another program.</source>
        <translation>De schermgebiedsneltoets %1 is al in gebruik door een ander programma.</translation>
    </message>
</context>
<context>
    <name>frmTranslate</name>
    <message>
        <source>Translating from %1</source>
        <translation>Bezig met vertalen: %1</translation>
    </message>
    <message>
        <source>Translated.</source>
        <translation>Vertaald.</translation>
    </message>
    <message>
        <source>The service configuration could not be used (%1). The program will close.</source>
        <translation>De dienstconfiguratie kon niet worden gebruikt (%1). Het programma wordt afgesloten.</translation>
    </message>
    <message>
        <source>no configuration document</source>
        <translation>geen configuratiedocument</translation>
    </message>
    <message>
        <source>The languages of this engine could not be listed (%1).</source>
        <translation>De talen van deze dienst konden niet worden opgesomd (%1).</translation>
    </message>
    <message>
        <source>The window layout could not be applied (%1).</source>
        <translation>De vensterindeling kon niet worden toegepast (%1).</translation>
    </message>
    <message>
        <source>No address for %1 has been configured. Please try again later.</source>
        <translation>Er is geen adres voor %1 ingesteld. Probeer het later opnieuw.</translation>
    </message>
    <message>
        <source>Online Help</source>
        <translation>Online hulp</translation>
    </message>
    <message>
        <source>Online Support</source>
        <translation>Online ondersteuning</translation>
    </message>
    <message>
        <source>CAPS</source>
        <translation>CAPS</translation>
    </message>
    <message>
        <source>INS</source>
        <translation>INS</translation>
    </message>
    <message>
        <source>&amp;Hear It!</source>
        <translation>&amp;Luister!</translation>
    </message>
    <message>
        <source>Type a word to Hear It</source>
        <translation>Woord om te horen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opties</translation>
    </message>
    <message>
        <source>&amp;Load on Startup</source>
        <translation>Starten bij &amp;aanmelden</translation>
    </message>
    <message>
        <source>&amp;Selection Shortcut...</source>
        <translation>&amp;Selectiesneltoets...</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Geschiedenis...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Online hulp</translation>
    </message>
    <message>
        <source>Online &amp;Support</source>
        <translation>Online onder&amp;steuning</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Openen</translation>
    </message>
    <message>
        <source>Source text</source>
        <translation>Brontekst</translation>
    </message>
    <message>
        <source>The text to translate.</source>
        <translation>De te vertalen tekst.</translation>
    </message>
    <message>
        <source>The text to translate. Ctrl+Enter translates it.</source>
        <translation>De te vertalen tekst. Ctrl+Enter vertaalt hem.</translation>
    </message>
    <message>
        <source>Language pair</source>
        <translation>Taalpaar</translation>
    </message>
    <message>
        <source>From which language into which one.</source>
        <translation>Van welke taal naar welke.</translation>
    </message>
    <message>
        <source>The language pair (Ctrl+R: the other way round)</source>
        <translation>Het taalpaar (Ctrl+R: andersom)</translation>
    </message>
    <message>
        <source>The online service that translates.</source>
        <translation>De online dienst die vertaalt.</translation>
    </message>
    <message>
        <source>The translation engine</source>
        <translation>De vertaaldienst</translation>
    </message>
    <message>
        <source>Translate</source>
        <translation>Vertalen</translation>
    </message>
    <message>
        <source>Sends the source text to the engine and shows the translation.</source>
        <translation>Stuurt de brontekst naar de dienst en toont de vertaling.</translation>
    </message>
    <message>
        <source>Translate the text (Ctrl+Enter in the text). Esc cancels.</source>
        <translation>De tekst vertalen (Ctrl+Enter in de tekst). Esc annuleert.</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Vertaling</translation>
    </message>
    <message>
        <source>The translated text of the last translation.</source>
        <translation>De vertaalde tekst van de laatste vertaling.</translation>
    </message>
    <message>
        <source>The translation. Ctrl+Shift+C copies it.</source>
        <translation>De vertaling. Ctrl+Shift+C kopieert haar.</translation>
    </message>
    <message>
        <source>Word to hear</source>
        <translation>Woord om te horen</translation>
    </message>
    <message>
        <source>A word to hear spoken; messages about the sound show here too.</source>
        <translation>Een woord om uitgesproken te horen; meldingen over het geluid verschijnen hier ook.</translation>
    </message>
    <message>
        <source>Hear It</source>
        <translation>Luisteren</translation>
    </message>
    <message>
        <source>Fetches and plays the pronunciation of the word.</source>
        <translation>Haalt de uitspraak van het woord op en speelt die af.</translation>
    </message>
    <message>
        <source>Hear the word spoken (Enter in the word box). Esc cancels.</source>
        <translation>Het woord uitgesproken horen (Enter in het woordvak). Esc annuleert.</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Statusbalk</translation>
    </message>
    <message>
        <source>What the program is doing, and the keyboard&apos;s state.</source>
        <translation>Wat het programma doet, en de toestand van het toetsenbord.</translation>
    </message>
    <message>
        <source>What the program is doing or has just done.</source>
        <translation>Wat het programma doet of net gedaan heeft.</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>Caps Lock</translation>
    </message>
    <message>
        <source>Caps Lock indicator.</source>
        <translation>Caps Lock-indicator.</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Invoegen</translation>
    </message>
    <message>
        <source>Insert indicator.</source>
        <translation>Indicator van de invoegmodus.</translation>
    </message>
    <message>
        <source>Type a word and press Enter to hear it.</source>
        <translation>Typ een woord en druk op Enter om het te beluisteren.</translation>
    </message>
    <message>
        <source>&amp;Detect Language</source>
        <translation>Taal &amp;detecteren</translation>
    </message>
    <message>
        <source>Screen &amp;Area Shortcut...</source>
        <translation>Schermge&amp;biedsneltoets...</translation>
    </message>
    <message>
        <source>Translate an &amp;Area of the Screen</source>
        <translation>Schermge&amp;bied vertalen</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Dienst</translation>
    </message>
</context>
<context>
    <name>mGlobal</name>
    <message>
        <source>Loaded, and mimized to tray.</source>
        <translation>Geladen en naar het systeemvak geminimaliseerd.</translation>
    </message>
    <message>
        <source>Double-click to open.</source>
        <translation>Dubbelklik om te openen.</translation>
    </message>
</context>
<context>
    <name>mMain</name>
    <message>
        <source>The configuration sent by the server cannot be used: %1</source>
        <translation>De configuratie die de server stuurde is niet bruikbaar: %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Parlamo could not start.</source>
        <translation>Parlamo kon niet starten.</translation>
    </message>
    <message>
        <source>reading the screen needs a display</source>
        <translation>het lezen van het scherm vereist een display</translation>
    </message>
</context>
</TS>
