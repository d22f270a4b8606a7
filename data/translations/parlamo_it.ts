<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AppCommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostra questo aiuto ed esce.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostra la versione ed esce.</translation>
    </message>
    <message>
        <source>Translate the selected text in a small window (the running program&apos;s, or this one&apos;s once its window is loaded). Meant for a desktop shortcut.</source>
        <translation>Traduce il testo selezionato in una piccola finestra (quella del programma in esecuzione o, una volta caricata la sua finestra, di questo). Pensato per una scorciatoia dell&apos;ambiente desktop.</translation>
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
        <translation>Parlamo, un client desktop per la traduzione online. A ogni avvio scarica la
configurazione del servizio dal server di configurazione (integrato; per
sostituirlo usare PARLAMO_CONFIG_HOST=host[:porta]).
I proxy vengono da http_proxy, https_proxy, all_proxy e no_proxy (anche
HTTPS_PROXY, ALL_PROXY, NO_PROXY), come li legge curl; senza nessuno di essi,
dall&apos;impostazione del proxy dell&apos;ambiente desktop.
Senza --help, --version, --translate, --list o --history si apre la finestra,
e le altre opzioni vengono ignorate. Vedi RaDudezozad(1).</translation>
    </message>
    <message>
        <source>Started at log-on: in tray mode, go to the tray without a notice.</source>
        <translation>Avviato all&apos;accesso: se il programma risiede nell&apos;area di notifica, vi si riduce senza alcun avviso.</translation>
    </message>
    <message>
        <source>Show the window, without a tray icon, even in tray mode.</source>
        <translation>Mostra la finestra, senza icona nell&apos;area di notifica, anche se il programma risiede lì.</translation>
    </message>
    <message>
        <source>Usage: %1 [options] [/startup] [/debug]</source>
        <translation>Utilizzo: %1 [opzioni] [/startup] [/debug]</translation>
    </message>
    <message>
        <source>Pick an area of the screen, read its text and translate it in a small window (the running program&apos;s, or this one&apos;s once its window is loaded).</source>
        <translation>Sceglie un&apos;area dello schermo, ne legge il testo e lo traduce in una piccola finestra (quella del programma in esecuzione o, una volta caricata la sua finestra, di questo).</translation>
    </message>
</context>
<context>
    <name>AppRequests</name>
    <message>
        <source>Parlamo has ended.</source>
        <translation>Parlamo è terminato.</translation>
    </message>
    <message>
        <source>Parlamo is closing.</source>
        <translation>Parlamo si sta chiudendo.</translation>
    </message>
</context>
<context>
    <name>ConfigCheck</name>
    <message>
        <source>the %1 attribute %2</source>
        <translation>l&apos;attributo %2 di %1</translation>
    </message>
    <message>
        <source>a numeric %1 attribute %2</source>
        <translation>un attributo numerico %2 di %1</translation>
    </message>
    <message>
        <source>a numeric Sizes attribute %1</source>
        <translation>un attributo numerico %1 di Sizes</translation>
    </message>
    <message>
        <source>a Sizes attribute %1 that a screen can hold (at most %2 twips, not %3)</source>
        <translation>un attributo %1 di Sizes che uno schermo possa contenere (al massimo %2 twip, non %3)</translation>
    </message>
    <message>
        <source>the Engines element</source>
        <translation>l&apos;elemento Engines</translation>
    </message>
    <message>
        <source>the name of engine %1</source>
        <translation>il nome del servizio %1</translation>
    </message>
    <message>
        <source>an engine name without an apostrophe (%1)</source>
        <translation>un nome di servizio senza apostrofo (%1)</translation>
    </message>
    <message>
        <source>a usable name for engine %1</source>
        <translation>un nome utilizzabile per il servizio %1</translation>
    </message>
    <message>
        <source>the Languages element of engine %1</source>
        <translation>l&apos;elemento Languages del servizio %1</translation>
    </message>
    <message>
        <source>the name of language %1 of engine %2</source>
        <translation>il nome della lingua %1 del servizio %2</translation>
    </message>
    <message>
        <source>a language at the Languages default %1 of engine %2 (there are %3)</source>
        <translation>una lingua alla posizione predefinita %1 di Languages del servizio %2 (ce ne sono %3)</translation>
    </message>
    <message>
        <source>an engine at the Engines default %1 (there are %2)</source>
        <translation>un servizio alla posizione predefinita %1 di Engines (ce ne sono %2)</translation>
    </message>
    <message>
        <source>a configuration document</source>
        <translation>un documento di configurazione</translation>
    </message>
    <message>
        <source>the Messages element</source>
        <translation>l&apos;elemento Messages</translation>
    </message>
    <message>
        <source>the Features element</source>
        <translation>l&apos;elemento Features</translation>
    </message>
    <message>
        <source>the Sizes element</source>
        <translation>l&apos;elemento Sizes</translation>
    </message>
    <message>
        <source>The configuration sent by the server is incomplete, so the program cannot start. It lacks %1.</source>
        <translation>La configurazione inviata dal server è incompleta, quindi il programma non può avviarsi. Manca: %1.</translation>
    </message>
    <message>
        <source>Please start again later.</source>
        <translation>Riprova ad avviare il programma più tardi.</translation>
    </message>
</context>
<context>
    <name>ConfigDocument</name>
    <message>
        <source>%1 at offset %2</source>
        <translation>%1 alla posizione %2</translation>
    </message>
    <message>
        <source>no root element</source>
        <translation>nessun elemento radice</translation>
    </message>
    <message>
        <source>no configuration document is loaded</source>
        <translation>nessun documento di configurazione caricato</translation>
    </message>
    <message>
        <source>invalid lookup %1: %2</source>
        <translation>ricerca non valida %1: %2</translation>
    </message>
</context>
<context>
    <name>ConfigElement</name>
    <message>
        <source>(missing element)</source>
        <translation>(elemento mancante)</translation>
    </message>
    <message>
        <source>missing element for %1</source>
        <translation>elemento mancante per %1</translation>
    </message>
    <message>
        <source>missing attribute %1</source>
        <translation>attributo mancante %1</translation>
    </message>
    <message>
        <source>not a 16-bit whole number: %1</source>
        <translation>non è un numero intero a 16 bit: %1</translation>
    </message>
    <message>
        <source>not a 32-bit whole number: %1</source>
        <translation>non è un numero intero a 32 bit: %1</translation>
    </message>
    <message>
        <source>not a number: %1</source>
        <translation>non è un numero: %1</translation>
    </message>
</context>
<context>
    <name>ConfigLoader</name>
    <message>
        <source>the connection was refused</source>
        <translation>la connessione è stata rifiutata</translation>
    </message>
    <message>
        <source>the host was not found</source>
        <translation>host non trovato</translation>
    </message>
    <message>
        <source>the server closed the connection before answering</source>
        <translation>il server ha chiuso la connessione prima di rispondere</translation>
    </message>
    <message>
        <source>timed out: %1</source>
        <translation>tempo scaduto: %1</translation>
    </message>
    <message>
        <source>not a usable address: %1</source>
        <translation>indirizzo non utilizzabile: %1</translation>
    </message>
    <message>
        <source>the server answered with HTTP status %1</source>
        <translation>il server ha risposto con lo stato HTTP %1</translation>
    </message>
    <message>
        <source>not a well-formed document: %1</source>
        <translation>documento non ben formato: %1</translation>
    </message>
</context>
<context>
    <name>DBusInterface</name>
    <message>
        <source>Parlamo has ended.</source>
        <translation>Parlamo è terminato.</translation>
    </message>
</context>
<context>
    <name>EngineLists</name>
    <message>
        <source>the document has no Engines element</source>
        <translation>il documento non ha l&apos;elemento Engines</translation>
    </message>
    <message>
        <source>no Languages element for the engine &quot;%1&quot;</source>
        <translation>nessun elemento Languages per il servizio &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 %2 selects no entry of %3</source>
        <translation>%1 %2 non seleziona nessuna delle %3 voci</translation>
    </message>
    <message>
        <source>the kept language</source>
        <translation>la lingua mantenuta</translation>
    </message>
</context>
<context>
    <name>HeadlessCommandLine</name>
    <message>
        <source>Translate TEXT without opening a window and print the result; &quot;-&quot; reads the text from standard input.</source>
        <translation>Traduce TESTO senza aprire una finestra e ne stampa il risultato; &quot;-&quot; legge il testo dallo standard input.</translation>
    </message>
    <message>
        <source>TEXT</source>
        <translation>TESTO</translation>
    </message>
    <message>
        <source>The engine to translate with (default: the service&apos;s).</source>
        <translation>Il servizio con cui tradurre (predefinito: quello preimpostato).</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NOME</translation>
    </message>
    <message>
        <source>The language pair to translate with (default: the engine&apos;s).</source>
        <translation>La coppia di lingue con cui tradurre (predefinita: quella del servizio).</translation>
    </message>
    <message>
        <source>--list and --translate cannot be used together</source>
        <translation>--list e --translate non possono essere usati insieme</translation>
    </message>
    <message>
        <source>--engine and --pair need --translate</source>
        <translation>--engine e --pair richiedono --translate</translation>
    </message>
    <message>
        <source>standard input is not UTF-8 text</source>
        <translation>lo standard input non è testo UTF-8</translation>
    </message>
    <message>
        <source>cannot read standard input</source>
        <translation>impossibile leggere lo standard input</translation>
    </message>
    <message>
        <source>List the engines and their language pairs, with the codes of their languages where known; the defaults are marked.</source>
        <translation>Elenca i servizi e le loro coppie di lingue, con i codici delle lingue quando sono noti; quelli predefiniti sono contrassegnati.</translation>
    </message>
    <message>
        <source>Print the code of the language of TEXT (the arguments, or standard input for none or &quot;-&quot;); exit 1 when not sure.</source>
        <translation>Stampa il codice della lingua di TEXT (gli argomenti, o lo standard input se non ce ne sono o con &quot;-&quot;); esce con 1 se non è sicuro.</translation>
    </message>
    <message>
        <source>With --pair auto: translate into the language of this code (&quot;en&quot;) from the text&apos;s language.</source>
        <translation>Con --pair auto: traduce dalla lingua del testo nella lingua di questo codice (&quot;en&quot;).</translation>
    </message>
    <message>
        <source>CODE</source>
        <translation>CODICE</translation>
    </message>
    <message>
        <source>With --translate: print the translation, then on the next line the translation translated back with the reverse pair.</source>
        <translation>Con --translate: stampa la traduzione, poi alla riga successiva la traduzione ritradotta con la coppia inversa.</translation>
    </message>
    <message>
        <source>--detect cannot be used with --translate or --list</source>
        <translation>--detect non si può usare con --translate o --list</translation>
    </message>
    <message>
        <source>--to needs --pair auto</source>
        <translation>--to richiede --pair auto</translation>
    </message>
</context>
<context>
    <name>HeadlessTranslation</name>
    <message>
        <source>none</source>
        <translation>nessuno</translation>
    </message>
    <message>
        <source>cannot load the configuration from %1: %2</source>
        <translation>impossibile caricare la configurazione da %1: %2</translation>
    </message>
    <message>
        <source>the document has no Messages element</source>
        <translation>il documento non ha l&apos;elemento Messages</translation>
    </message>
    <message>
        <source>the service allows no translations now</source>
        <translation>il servizio al momento non consente traduzioni</translation>
    </message>
    <message>
        <source>the configuration from %1 cannot be used: %2</source>
        <translation>la configurazione da %1 non è utilizzabile: %2</translation>
    </message>
    <message>
        <source>[default]</source>
        <translation>[predefinito]</translation>
    </message>
    <message>
        <source>there is no text to translate</source>
        <translation>non c&apos;è testo da tradurre</translation>
    </message>
    <message>
        <source>unknown engine %1; the engines are %2</source>
        <translation>servizio %1 sconosciuto; i servizi sono %2</translation>
    </message>
    <message>
        <source>unknown language pair %1 of engine %2; its pairs are %3</source>
        <translation>coppia di lingue %1 del servizio %2 sconosciuta; le sue coppie sono %3</translation>
    </message>
    <message>
        <source>engine %1 at %2</source>
        <translation>servizio %1 su %2</translation>
    </message>
    <message>
        <source>cannot ask %1: %2</source>
        <translation>impossibile interrogare %1: %2</translation>
    </message>
    <message>
        <source>cannot reach %1: %2</source>
        <translation>impossibile raggiungere %1: %2</translation>
    </message>
    <message>
        <source>%1 sent no answer within %2 s</source>
        <translation>%1 non ha risposto entro %2 s</translation>
    </message>
    <message>
        <source>%1 answered with HTTP status %2</source>
        <translation>%1 ha risposto con lo stato HTTP %2</translation>
    </message>
    <message>
        <source>no translation found in the answer of %1 (its markers do not occur in it)</source>
        <translation>nessuna traduzione trovata nella risposta di %1 (i suoi marcatori non vi compaiono)</translation>
    </message>
    <message>
        <source>not sure</source>
        <translation>non sicuro</translation>
    </message>
    <message>
        <source>language detection is not available: %1</source>
        <translation>il rilevamento della lingua non è disponibile: %1</translation>
    </message>
    <message>
        <source>not sure which language the text is in</source>
        <translation>non è sicuro in quale lingua sia il testo</translation>
    </message>
    <message>
        <source>engine %1 has no language pair from %2 to %3</source>
        <translation>il servizio %1 non ha una coppia di lingue da %2 a %3</translation>
    </message>
    <message>
        <source>engine %1 has no language pair that translates back from %2</source>
        <translation>il servizio %1 non ha una coppia di lingue che ritraduca da %2</translation>
    </message>
</context>
<context>
    <name>HearItCommand</name>
    <message>
        <source>No Sound file found.</source>
        <translation>Nessun file audio trovato.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Annullato.</translation>
    </message>
    <message>
        <source>Downloading Sound file...</source>
        <translation>Scaricamento del file audio...</translation>
    </message>
    <message>
        <source>Unable to detect WAV device in this system.</source>
        <translation>Impossibile rilevare un dispositivo WAV in questo sistema.</translation>
    </message>
</context>
<context>
    <name>HistoryCommandLine</name>
    <message>
        <source>Print the translation history, newest first, without opening a window.</source>
        <translation>Stampa la cronologia delle traduzioni, dalla più recente, senza aprire una finestra.</translation>
    </message>
    <message>
        <source>With --history: only the entries whose text or translation holds WORD, in any letter case.</source>
        <translation>Con --history: solo le voci il cui testo o la cui traduzione contiene PAROLA, senza distinguere maiuscole e minuscole.</translation>
    </message>
    <message>
        <source>WORD</source>
        <translation>PAROLA</translation>
    </message>
    <message>
        <source>With --history: tsv (the default: tab-separated, no header) or csv (RFC 4180, with a header row).</source>
        <translation>Con --history: tsv (predefinito: separato da tabulazioni, senza intestazione) o csv (RFC 4180, con una riga di intestazione).</translation>
    </message>
    <message>
        <source>--search and --format need --history</source>
        <translation>--search e --format richiedono --history</translation>
    </message>
    <message>
        <source>--history cannot be used with --%1</source>
        <translation>--history non può essere usato con --%1</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot;: tsv or csv</source>
        <translation>formato &quot;%1&quot; sconosciuto: tsv o csv</translation>
    </message>
    <message>
        <source>cannot read the history in %1: %2</source>
        <translation>impossibile leggere la cronologia in %1: %2</translation>
    </message>
</context>
<context>
    <name>HistoryModel</name>
    <message>
        <source>Time</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Servizio</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Lingue</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Traduzione</translation>
    </message>
</context>
<context>
    <name>HistoryReader</name>
    <message>
        <source>unknown database error</source>
        <translation>errore sconosciuto del database</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 non è un file</translation>
    </message>
    <message>
        <source>the SQLite driver of Qt SQL is not installed</source>
        <translation>il driver SQLite di Qt SQL non è installato</translation>
    </message>
    <message>
        <source>the history database is damaged</source>
        <translation>il database della cronologia è danneggiato</translation>
    </message>
</context>
<context>
    <name>HistoryStore</name>
    <message>
        <source>unknown database error</source>
        <translation>errore sconosciuto del database</translation>
    </message>
    <message>
        <source>cannot create the folder of %1</source>
        <translation>impossibile creare la cartella di %1</translation>
    </message>
    <message>
        <source>the SQLite driver of Qt SQL is not installed</source>
        <translation>il driver SQLite di Qt SQL non è installato</translation>
    </message>
    <message>
        <source>the history database is damaged</source>
        <translation>il database della cronologia è danneggiato</translation>
    </message>
    <message>
        <source>History is off for this run: %1.</source>
        <translation>Cronologia disattivata fino al prossimo avvio: %1.</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>History</source>
        <translation>Cronologia</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>Search the history</source>
        <translation>Cerca nella cronologia</translation>
    </message>
    <message>
        <source>Translations</source>
        <translation>Traduzioni</translation>
    </message>
    <message>
        <source>Enter or a double click puts the translation back</source>
        <translation>Invio o un doppio clic riporta la traduzione nella finestra</translation>
    </message>
    <message>
        <source>Writes the listed translations to a CSV file</source>
        <translation>Scrive le traduzioni elencate in un file CSV</translation>
    </message>
    <message>
        <source>Clear the whole history? This cannot be undone.</source>
        <translation>Cancellare l&apos;intera cronologia? L&apos;operazione non può essere annullata.</translation>
    </message>
    <message>
        <source>Export History</source>
        <translation>Esporta cronologia</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>File CSV (*.csv);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>The history could not be written to %1.</source>
        <translation>Impossibile scrivere la cronologia in %1.</translation>
    </message>
    <message>
        <source>Lists only the translations whose texts hold these letters; the arrow keys walk the list.</source>
        <translation>Elenca solo le traduzioni i cui testi contengono queste lettere; i tasti freccia scorrono l&apos;elenco.</translation>
    </message>
    <message>
        <source>&amp;Keep a history</source>
        <translation>&amp;Conserva la cronologia</translation>
    </message>
    <message>
        <source>Whether new translations are kept, also after a restart</source>
        <translation>Se le nuove traduzioni vengono conservate, anche dopo un riavvio</translation>
    </message>
    <message>
        <source>C&amp;lear History</source>
        <translation>&amp;Svuota cronologia</translation>
    </message>
    <message>
        <source>Forgets every kept translation, after asking</source>
        <translation>Dimentica tutte le traduzioni conservate, dopo una conferma</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Esporta...</translation>
    </message>
</context>
<context>
    <name>HttpTransfer</name>
    <message>
        <source>The answer is larger than %1 MiB.</source>
        <translation>La risposta supera %1 MiB.</translation>
    </message>
    <message>
        <source>The answer is larger than %1 bytes.</source>
        <translation>La risposta supera %1 byte.</translation>
    </message>
    <message>
        <source>The transfer took longer than %1 seconds.</source>
        <translation>Il trasferimento ha richiesto più di %1 secondi.</translation>
    </message>
    <message>
        <source>Not a usable address: %1</source>
        <translation>Indirizzo non utilizzabile: %1</translation>
    </message>
    <message>
        <source>Not a usable method: %1</source>
        <translation>Metodo non utilizzabile: %1</translation>
    </message>
    <message>
        <source>Not a usable header line: %1</source>
        <translation>Riga di intestazione non utilizzabile: %1</translation>
    </message>
    <message>
        <source>Cannot start the transfer.</source>
        <translation>Impossibile avviare il trasferimento.</translation>
    </message>
    <message>
        <source>Refused a redirect to %1</source>
        <translation>Reindirizzamento verso %1 rifiutato</translation>
    </message>
    <message>
        <source>The answer&apos;s header has a broken line.</source>
        <translation>L&apos;intestazione della risposta contiene una riga danneggiata.</translation>
    </message>
    <message>
        <source>The answer&apos;s trailer is too large.</source>
        <translation>La parte finale (trailer) della risposta è troppo grande.</translation>
    </message>
    <message>
        <source>The answer&apos;s header is too large.</source>
        <translation>L&apos;intestazione della risposta è troppo grande.</translation>
    </message>
    <message>
        <source>The server&apos;s answer is not HTTP.</source>
        <translation>La risposta del server non è HTTP.</translation>
    </message>
    <message>
        <source>The server switched protocols.</source>
        <translation>Il server ha cambiato protocollo.</translation>
    </message>
    <message>
        <source>The answer&apos;s transfer coding is not readable: %1</source>
        <translation>La codifica di trasferimento della risposta non è leggibile: %1</translation>
    </message>
    <message>
        <source>The answer&apos;s length is unreadable.</source>
        <translation>La lunghezza della risposta non è leggibile.</translation>
    </message>
    <message>
        <source>The connection ended inside the answer&apos;s header.</source>
        <translation>La connessione si è interrotta durante l&apos;intestazione della risposta.</translation>
    </message>
    <message>
        <source>Cannot connect to %1: %2</source>
        <translation>Impossibile connettersi a %1: %2</translation>
    </message>
    <message>
        <source>The server&apos;s certificate was refused: %1</source>
        <translation>Il certificato del server è stato rifiutato: %1</translation>
    </message>
    <message>
        <source>The secure connection failed: %1</source>
        <translation>La connessione sicura non è riuscita: %1</translation>
    </message>
    <message>
        <source>The server closed the connection without answering.</source>
        <translation>Il server ha chiuso la connessione senza rispondere.</translation>
    </message>
    <message>
        <source>The connection ended before the whole answer.</source>
        <translation>La connessione si è interrotta prima della fine della risposta.</translation>
    </message>
    <message>
        <source>The connection ended after %1 of %2 bytes.</source>
        <translation>La connessione si è interrotta dopo %1 byte su %2.</translation>
    </message>
    <message>
        <source>Too many redirects.</source>
        <translation>Troppi reindirizzamenti.</translation>
    </message>
    <message>
        <source>The server&apos;s answer is not readable HTTP: %1</source>
        <translation>La risposta del server non è HTTP leggibile: %1</translation>
    </message>
    <message>
        <source>The server sent nothing for %1 seconds.</source>
        <translation>Il server non ha inviato nulla per %1 secondi.</translation>
    </message>
    <message>
        <source>The server sent no answer within %1 seconds.</source>
        <translation>Il server non ha risposto entro %1 secondi.</translation>
    </message>
    <message>
        <source>The transfer was cancelled.</source>
        <translation>Il trasferimento è stato annullato.</translation>
    </message>
    <message>
        <source>The answer could not be stored.</source>
        <translation>Non è stato possibile salvare la risposta.</translation>
    </message>
</context>
<context>
    <name>ImageCommandLine</name>
    <message>
        <source>there is no screen to read</source>
        <translation>non c&apos;è uno schermo da leggere</translation>
    </message>
    <message>
        <source>the screen cannot be read here</source>
        <translation>qui lo schermo non può essere letto</translation>
    </message>
    <message>
        <source>Print the text read from an image file (PNG, JPEG...) in the language of --pair&apos;s source, else in English.</source>
        <translation>Stampa il testo letto da un file immagine (PNG, JPEG...) nella lingua di origine di --pair, altrimenti in inglese.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>Print the translation of the text read from an image file.</source>
        <translation>Stampa la traduzione del testo letto da un file immagine.</translation>
    </message>
    <message>
        <source>Print the text read from an area of the screen (needs a display).</source>
        <translation>Stampa il testo letto da un&apos;area dello schermo (richiede un display).</translation>
    </message>
    <message>
        <source>X,Y,W,H</source>
        <translation>X,Y,L,A</translation>
    </message>
    <message>
        <source>--read-image, --translate-image, --read-screen, --translate and --list cannot be used together</source>
        <translation>--read-image, --translate-image, --read-screen, --translate e --list non possono essere usati insieme</translation>
    </message>
    <message>
        <source>--read-screen wants X,Y,W,H with a positive width and height</source>
        <translation>--read-screen richiede X,Y,L,A con larghezza e altezza positive</translation>
    </message>
    <message>
        <source>cannot read the image %1: %2</source>
        <translation>impossibile leggere l&apos;immagine %1: %2</translation>
    </message>
    <message>
        <source>no text was found in the image</source>
        <translation>nessun testo trovato nell&apos;immagine</translation>
    </message>
</context>
<context>
    <name>LayoutMath</name>
    <message>
        <source>not a number: %1</source>
        <translation>non è un numero: %1</translation>
    </message>
    <message>
        <source>the document has no Sizes element</source>
        <translation>il documento non ha l&apos;elemento Sizes</translation>
    </message>
</context>
<context>
    <name>LazySoundOutput</name>
    <message>
        <source>%1 belongs to another user</source>
        <translation>%1 appartiene a un altro utente</translation>
    </message>
    <message>
        <source>other users may change %1</source>
        <translation>altri utenti possono modificare %1</translation>
    </message>
    <message>
        <source>No sound: the sound module %1 was not found.</source>
        <translation>Nessun suono: il modulo audio %1 non è stato trovato.</translation>
    </message>
    <message>
        <source>No sound: the sound module could not be loaded (%1).</source>
        <translation>Nessun suono: impossibile caricare il modulo audio (%1).</translation>
    </message>
</context>
<context>
    <name>NoScreenArea</name>
    <message>
        <source>The screen cannot be read on this desktop.</source>
        <translation>Lo schermo non può essere letto in questo ambiente desktop.</translation>
    </message>
</context>
<context>
    <name>OutsideTranslation</name>
    <message>
        <source>Choose a language pair in the main window first.</source>
        <translation>Scegli prima una coppia di lingue nella finestra principale.</translation>
    </message>
    <message>
        <source>There is no text to translate.</source>
        <translation>Non c&apos;è testo da tradurre.</translation>
    </message>
</context>
<context>
    <name>PairRule</name>
    <message>
        <source>The language pairs of this engine do not say which languages they join, so the language of a text cannot pick one.</source>
        <translation>Le coppie di lingue di questo servizio non dicono quali lingue uniscono, quindi la lingua di un testo non può sceglierne una.</translation>
    </message>
    <message>
        <source>%1 → %2 (detected)</source>
        <translation>%1 → %2 (rilevata)</translation>
    </message>
    <message>
        <source>%1 (the language of the text is not clear)</source>
        <translation>%1 (la lingua del testo non è chiara)</translation>
    </message>
    <message>
        <source>No pair from %1</source>
        <translation>Nessuna coppia da %1</translation>
    </message>
    <message>
        <source>%1 (no pair from %2)</source>
        <translation>%1 (nessuna coppia da %2)</translation>
    </message>
</context>
<context>
    <name>PortalGlobalShortcut</name>
    <message>
        <source>The selection shortcut %1 is not a key the desktop can bind.</source>
        <translation>La scorciatoia per la selezione %1 non è un tasto che l&apos;ambiente desktop può assegnare.</translation>
    </message>
    <message>
        <source>The desktop did not bind the selection shortcut %1 (%2).</source>
        <translation>L&apos;ambiente desktop non ha assegnato la scorciatoia per la selezione %1 (%2).</translation>
    </message>
    <message>
        <source>The selection shortcut %1 was not bound: the desktop&apos;s question was cancelled.</source>
        <translation>La scorciatoia per la selezione %1 non è stata assegnata: la richiesta dell&apos;ambiente desktop è stata annullata.</translation>
    </message>
    <message>
        <source>The desktop did not bind the selection shortcut %1.</source>
        <translation>L&apos;ambiente desktop non ha assegnato la scorciatoia per la selezione %1.</translation>
    </message>
    <message>
        <source>Translate the selection</source>
        <translation>Traduci la selezione</translation>
    </message>
    <message>
        <source>This desktop holds no keys for programs, so the selection shortcut %1 is off: bind &quot;%2 --translate-selection&quot; to a key in the desktop&apos;s keyboard settings instead.</source>
        <translation>Questo ambiente desktop non riserva tasti ai programmi, quindi la scorciatoia per la selezione %1 è disattivata: assegna invece &quot;%2 --translate-selection&quot; a un tasto nelle impostazioni della tastiera dell&apos;ambiente desktop.</translation>
    </message>
    <message>
        <source>The screen area shortcut %1 is not a key the desktop can bind.</source>
        <translation>La scorciatoia per l&apos;area dello schermo %1 non è un tasto che l&apos;ambiente desktop può assegnare.</translation>
    </message>
    <message>
        <source>The desktop did not bind the screen area shortcut %1 (%2).</source>
        <translation>L&apos;ambiente desktop non ha assegnato la scorciatoia per l&apos;area dello schermo %1 (%2).</translation>
    </message>
    <message>
        <source>The screen area shortcut %1 was not bound: the desktop&apos;s question was cancelled.</source>
        <translation>La scorciatoia per l&apos;area dello schermo %1 non è stata assegnata: la richiesta dell&apos;ambiente desktop è stata annullata.</translation>
    </message>
    <message>
        <source>Translate an area of the screen</source>
        <translation>Traduci un&apos;area dello schermo</translation>
    </message>
    <message>
        <source>This desktop holds no keys for programs, so the screen area shortcut %1 is off: bind &quot;%2 --translate-screen-area&quot; to a key in the desktop&apos;s keyboard settings instead.</source>
        <translation>Questo ambiente desktop non riserva tasti ai programmi, quindi la scorciatoia per l&apos;area dello schermo %1 è disattivata: assegna invece &quot;%2 --translate-screen-area&quot; a un tasto nelle impostazioni della tastiera dell&apos;ambiente desktop.</translation>
    </message>
    <message>
        <source>The desktop did not bind the screen area shortcut %1.</source>
        <translation>L&apos;ambiente desktop non ha assegnato la scorciatoia per l&apos;area dello schermo %1.</translation>
    </message>
</context>
<context>
    <name>ReversePair</name>
    <message>
        <source>no language pairs for engine %1</source>
        <translation>nessuna coppia di lingue per il servizio %1</translation>
    </message>
</context>
<context>
    <name>RunningCopy</name>
    <message>
        <source>Parlamo is already running but does not answer (%1).</source>
        <translation>Parlamo è già in esecuzione ma non risponde (%1).</translation>
    </message>
    <message>
        <source>Parlamo is already running but does not answer.</source>
        <translation>Parlamo è già in esecuzione ma non risponde.</translation>
    </message>
    <message>
        <source>%1 cannot be made (%2).</source>
        <translation>Impossibile creare %1 (%2).</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 non è una cartella.</translation>
    </message>
    <message>
        <source>%1 belongs to another user.</source>
        <translation>%1 appartiene a un altro utente.</translation>
    </message>
    <message>
        <source>Other users may use %1.</source>
        <translation>Altri utenti possono usare %1.</translation>
    </message>
    <message>
        <source>Cannot make sure that only one copy of Parlamo runs: %1</source>
        <translation>Impossibile garantire che sia in esecuzione una sola copia di Parlamo: %1</translation>
    </message>
</context>
<context>
    <name>ScreenAreaPicker</name>
    <message>
        <source>The screen cannot be read on this desktop.</source>
        <translation>Lo schermo non può essere letto in questo ambiente desktop.</translation>
    </message>
    <message>
        <source>The desktop does not let Parlamo read the screen (%1).</source>
        <translation>L&apos;ambiente desktop non consente a Parlamo di leggere lo schermo (%1).</translation>
    </message>
    <message>
        <source>The desktop gave no picture of the screen.</source>
        <translation>L&apos;ambiente desktop non ha fornito un&apos;immagine dello schermo.</translation>
    </message>
</context>
<context>
    <name>SelectionPopup</name>
    <message>
        <source>Parlamo Translation</source>
        <translation>Traduzione di Parlamo</translation>
    </message>
    <message>
        <source>Source text</source>
        <translation>Testo originale</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Traduzione</translation>
    </message>
    <message>
        <source>The translation. Ctrl+Shift+C copies it, Ctrl+Shift+S speaks it, Esc closes.</source>
        <translation>La traduzione. Ctrl+Shift+C la copia, Ctrl+Shift+S la pronuncia, Esc chiude.</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>Copy the translation to the clipboard (Ctrl+Shift+C).</source>
        <translation>Copia la traduzione negli appunti (Ctrl+Shift+C).</translation>
    </message>
    <message>
        <source>&amp;Open in Window</source>
        <translation>&amp;Apri nella finestra</translation>
    </message>
    <message>
        <source>Show both texts in the main window (Ctrl+O).</source>
        <translation>Mostra entrambi i testi nella finestra principale (Ctrl+O).</translation>
    </message>
    <message>
        <source>Copied to the clipboard.</source>
        <translation>Copiato negli appunti.</translation>
    </message>
    <message>
        <source>Translation back</source>
        <translation>Traduzione di ritorno</translation>
    </message>
    <message>
        <source>The translation of the selected text.</source>
        <translation>La traduzione del testo selezionato.</translation>
    </message>
    <message>
        <source>The selected text.</source>
        <translation>Il testo selezionato.</translation>
    </message>
    <message>
        <source>Its translation, or what went wrong.</source>
        <translation>La sua traduzione, o cosa è andato storto.</translation>
    </message>
    <message>
        <source>What the translation is doing or has done.</source>
        <translation>Cosa sta facendo o ha fatto la traduzione.</translation>
    </message>
    <message>
        <source>The text read from the screen. Correct it and press Ctrl+Enter to translate it again.</source>
        <translation>Il testo letto dallo schermo. Correggilo e premi Ctrl+Invio per tradurlo di nuovo.</translation>
    </message>
</context>
<context>
    <name>ShortcutDialog</name>
    <message>
        <source>Selection Shortcut</source>
        <translation>Scorciatoia per la selezione</translation>
    </message>
    <message>
        <source>Select text in any application and press this key to read its translation in a small window. Press the new key here, or clear it to turn the shortcut off.</source>
        <translation>Seleziona un testo in qualsiasi applicazione e premi questo tasto per leggerne la traduzione in una piccola finestra. Premi qui il nuovo tasto, oppure svuota il campo per disattivare la scorciatoia.</translation>
    </message>
    <message>
        <source>Selection shortcut</source>
        <translation>Scorciatoia per la selezione</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Pulisci</translation>
    </message>
    <message>
        <source>Turns the shortcut off</source>
        <translation>Disattiva la scorciatoia</translation>
    </message>
    <message>
        <source>Screen Area Shortcut</source>
        <translation>Scorciatoia per l&apos;area dello schermo</translation>
    </message>
    <message>
        <source>Press this key in any application, then drag over an area of the screen to read its text and its translation in a small window. Press the new key here, or clear it to turn the shortcut off.</source>
        <translation>Premi questo tasto in qualsiasi applicazione, poi trascina su un&apos;area dello schermo per leggerne il testo e la traduzione in una piccola finestra. Premi qui il nuovo tasto, oppure svuota il campo per disattivare la scorciatoia.</translation>
    </message>
    <message>
        <source>Screen area shortcut</source>
        <translation>Scorciatoia per l&apos;area dello schermo</translation>
    </message>
</context>
<context>
    <name>SpeakCommand</name>
    <message>
        <source>There is no translation to speak.</source>
        <translation>Non c&apos;è nessuna traduzione da pronunciare.</translation>
    </message>
    <message>
        <source>No speech for this language pair.</source>
        <translation>Nessuna sintesi vocale per questa coppia di lingue.</translation>
    </message>
    <message>
        <source>The spoken translation could not be fetched.</source>
        <translation>Impossibile ottenere la traduzione pronunciata.</translation>
    </message>
    <message>
        <source>Speaking...</source>
        <translation>Pronuncia in corso...</translation>
    </message>
    <message>
        <source>The spoken translation could not be stored.</source>
        <translation>Impossibile salvare la traduzione pronunciata.</translation>
    </message>
    <message>
        <source>No sound output device was found.</source>
        <translation>Nessun dispositivo di uscita audio trovato.</translation>
    </message>
    <message>
        <source>The spoken translation is not a playable sound.</source>
        <translation>La traduzione pronunciata non è un audio riproducibile.</translation>
    </message>
    <message>
        <source>Spoken.</source>
        <translation>Pronunciata.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Annullato.</translation>
    </message>
</context>
<context>
    <name>StartMode</name>
    <message>
        <source>the document has no Features element</source>
        <translation>il documento non ha l&apos;elemento Features</translation>
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
        <translation>Non sei connesso a Internet. Connettiti e avvia di nuovo il programma.</translation>
    </message>
    <message>
        <source>Address asked for: %1</source>
        <translation>Indirizzo richiesto: %1</translation>
    </message>
    <message>
        <source>What went wrong: %1</source>
        <translation>Causa: %1</translation>
    </message>
    <message>
        <source>Loading preferences</source>
        <translation>Caricamento delle preferenze</translation>
    </message>
    <message>
        <source>the document was refused: it lacks %1</source>
        <translation>il documento è stato rifiutato, manca: %1</translation>
    </message>
    <message>
        <source>Loading updated server configuration</source>
        <translation>Caricamento della configurazione aggiornata del server</translation>
    </message>
    <message>
        <source>Initialized</source>
        <translation>Inizializzato</translation>
    </message>
    <message>
        <source>, minimizing to tray.</source>
        <translation>, riduzione nell&apos;area di notifica.</translation>
    </message>
</context>
<context>
    <name>TextRecognizer</name>
    <message>
        <source>The reading was cancelled.</source>
        <translation>La lettura è stata annullata.</translation>
    </message>
    <message>
        <source>Text in this language cannot be read: its data (%1) is missing. Install the package %2.</source>
        <translation>Il testo in questa lingua non può essere letto: mancano i suoi dati (%1). Installa il pacchetto %2.</translation>
    </message>
    <message>
        <source>The text could not be read: %1</source>
        <translation>Impossibile leggere il testo: %1</translation>
    </message>
</context>
<context>
    <name>TranslateAnywhere</name>
    <message>
        <source>Choose another one under Options &gt; Selection Shortcut...</source>
        <translation>Scegline un&apos;altra in Opzioni &gt; Scorciatoia per la selezione...</translation>
    </message>
    <message>
        <source>Reading the selection...</source>
        <translation>Lettura della selezione...</translation>
    </message>
    <message>
        <source>No text is selected. Select a text, then press the key again.</source>
        <translation>Nessun testo selezionato. Seleziona un testo, poi premi di nuovo il tasto.</translation>
    </message>
    <message>
        <source>Reading the clipboard...</source>
        <translation>Lettura degli appunti...</translation>
    </message>
    <message>
        <source>The clipboard holds no text.</source>
        <translation>Gli appunti non contengono testo.</translation>
    </message>
    <message>
        <source>Translating from %1</source>
        <translation>Traduzione in corso: %1</translation>
    </message>
    <message>
        <source>The language of the text is not clear.</source>
        <translation>La lingua del testo non è chiara.</translation>
    </message>
    <message>
        <source>No language pair translates %1 into %2.</source>
        <translation>Nessuna coppia di lingue traduce dal %1 al %2.</translation>
    </message>
    <message>
        <source>No language pair translates back from %1.</source>
        <translation>Nessuna coppia di lingue ritraduce da %1.</translation>
    </message>
    <message>
        <source>Translating back from %1</source>
        <translation>Ritraduzione con %1</translation>
    </message>
    <message>
        <source>Back: %1</source>
        <translation>Ritorno: %1</translation>
    </message>
    <message>
        <source>Choose another one under Options &gt; Screen Area Shortcut...</source>
        <translation>Scegline un&apos;altra in Opzioni &gt; Scorciatoia per l&apos;area dello schermo...</translation>
    </message>
    <message>
        <source>Reading the screen...</source>
        <translation>Lettura dello schermo...</translation>
    </message>
    <message>
        <source>No text was found in the area.</source>
        <translation>Nessun testo trovato nell&apos;area.</translation>
    </message>
    <message>
        <source>The selection&apos;s owner did not answer.</source>
        <translation>Il programma che detiene la selezione non ha risposto.</translation>
    </message>
</context>
<context>
    <name>TranslateCommand</name>
    <message>
        <source>Translation failed: %1</source>
        <translation>Traduzione non riuscita: %1</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Annullato.</translation>
    </message>
    <message>
        <source>Translation failed at %1: %2</source>
        <translation>Traduzione non riuscita su %1: %2</translation>
    </message>
    <message>
        <source>Translation timed out: %1 did not answer.</source>
        <translation>Tempo scaduto per la traduzione: %1 non ha risposto.</translation>
    </message>
    <message>
        <source>No translation found in the answer of %1.</source>
        <translation>Nessuna traduzione trovata nella risposta di %1.</translation>
    </message>
</context>
<context>
    <name>TranslationHistory</name>
    <message>
        <source>History is off for this run.</source>
        <translation>Cronologia disattivata fino al prossimo avvio.</translation>
    </message>
</context>
<context>
    <name>TranslationPipeline</name>
    <message>
        <source>The text is too long to send (%1 characters in its request; at most %2).</source>
        <translation>Il testo è troppo lungo da inviare (%1 caratteri nella richiesta; al massimo %2).</translation>
    </message>
    <message>
        <source>no engine named %1</source>
        <translation>nessun servizio chiamato %1</translation>
    </message>
    <message>
        <source>no language pair named %1</source>
        <translation>nessuna coppia di lingue chiamata %1</translation>
    </message>
</context>
<context>
    <name>X11GlobalShortcut</name>
    <message>
        <source>The selection shortcut %1 is not a key this keyboard has.</source>
        <translation>La scorciatoia per la selezione %1 non è un tasto presente su questa tastiera.</translation>
    </message>
    <message>
        <source>The selection shortcut %1 is taken by another program.</source>
        <translation>La scorciatoia per la selezione %1 è già usata da un altro programma.</translation>
    </message>
    <message>
        <source>The screen area shortcut %1 is not a key this keyboard has.</source>
        <translation>La scorciatoia per l&apos;area dello schermo %1 non è un tasto presente su questa tastiera.</translation>
    </message>
    <message>
        <source>The screen area shortcut %1 is taken by another program.</source>
        <translation>La scorciatoia per l&apos;area dello schermo %1 è già usata da un altro programma.</translation>
    </message>
</context>
<context>
    <name>frmTranslate</name>
    <message>
        <source>Translating from %1</source>
        <translation>Traduzione in corso: %1</translation>
    </message>
    <message>
        <source>Translated.</source>
        <translation>Tradotto.</translation>
    </message>
    <message>
        <source>The service configuration could not be used (%1). The program will close.</source>
        <translation>Impossibile usare la configurazione del servizio (%1). Il programma verrà chiuso.</translation>
    </message>
    <message>
        <source>no configuration document</source>
        <translation>nessun documento di configurazione</translation>
    </message>
    <message>
        <source>The languages of this engine could not be listed (%1).</source>
        <translation>Impossibile elencare le lingue di questo servizio (%1).</translation>
    </message>
    <message>
        <source>The window layout could not be applied (%1).</source>
        <translation>Impossibile applicare la disposizione della finestra (%1).</translation>
    </message>
    <message>
        <source>No address for %1 has been configured. Please try again later.</source>
        <translation>Nessun indirizzo configurato per %1. Riprova più tardi.</translation>
    </message>
    <message>
        <source>Online Help</source>
        <translation>Guida in linea</translation>
    </message>
    <message>
        <source>Online Support</source>
        <translation>Supporto in linea</translation>
    </message>
    <message>
        <source>CAPS</source>
        <translation>MAIUSC</translation>
    </message>
    <message>
        <source>INS</source>
        <translation>INS</translation>
    </message>
    <message>
        <source>&amp;Hear It!</source>
        <translation>A&amp;scolta!</translation>
    </message>
    <message>
        <source>Type a word to Hear It</source>
        <translation>Parola da ascoltare</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>&amp;Load on Startup</source>
        <translation>&amp;Avvia all&apos;accesso</translation>
    </message>
    <message>
        <source>&amp;Selection Shortcut...</source>
        <translation>&amp;Scorciatoia per la selezione...</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Cronologia...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Guida in linea</translation>
    </message>
    <message>
        <source>Online &amp;Support</source>
        <translation>&amp;Supporto in linea</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Apri</translation>
    </message>
    <message>
        <source>Source text</source>
        <translation>Testo originale</translation>
    </message>
    <message>
        <source>The text to translate.</source>
        <translation>Il testo da tradurre.</translation>
    </message>
    <message>
        <source>The text to translate. Ctrl+Enter translates it.</source>
        <translation>Il testo da tradurre. Ctrl+Invio lo traduce.</translation>
    </message>
    <message>
        <source>Language pair</source>
        <translation>Coppia di lingue</translation>
    </message>
    <message>
        <source>From which language into which one.</source>
        <translation>Da quale lingua a quale.</translation>
    </message>
    <message>
        <source>The language pair (Ctrl+R: the other way round)</source>
        <translation>La coppia di lingue (Ctrl+R: nel senso inverso)</translation>
    </message>
    <message>
        <source>The online service that translates.</source>
        <translation>Il servizio online che traduce.</translation>
    </message>
    <message>
        <source>The translation engine</source>
        <translation>Il servizio di traduzione</translation>
    </message>
    <message>
        <source>Translate</source>
        <translation>Traduci</translation>
    </message>
    <message>
        <source>Sends the source text to the engine and shows the translation.</source>
        <translation>Invia il testo originale al servizio e mostra la traduzione.</translation>
    </message>
    <message>
        <source>Translate the text (Ctrl+Enter in the text). Esc cancels.</source>
        <translation>Traduci il testo (Ctrl+Invio nel testo). Esc annulla.</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Traduzione</translation>
    </message>
    <message>
        <source>The translated text of the last translation.</source>
        <translation>Il testo tradotto dell&apos;ultima traduzione.</translation>
    </message>
    <message>
        <source>The translation. Ctrl+Shift+C copies it.</source>
        <translation>La traduzione. Ctrl+Shift+C la copia.</translation>
    </message>
    <message>
        <source>Word to hear</source>
        <translation>Parola da ascoltare</translation>
    </message>
    <message>
        <source>A word to hear spoken; messages about the sound show here too.</source>
        <translation>Una parola di cui ascoltare la pronuncia; qui compaiono anche i messaggi sull&apos;audio.</translation>
    </message>
    <message>
        <source>Hear It</source>
        <translation>Ascolta</translation>
    </message>
    <message>
        <source>Fetches and plays the pronunciation of the word.</source>
        <translation>Scarica e riproduce la pronuncia della parola.</translation>
    </message>
    <message>
        <source>Hear the word spoken (Enter in the word box). Esc cancels.</source>
        <translation>Ascolta la pronuncia della parola (Invio nella casella della parola). Esc annulla.</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Suggerimento</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Barra di stato</translation>
    </message>
    <message>
        <source>What the program is doing, and the keyboard&apos;s state.</source>
        <translation>Cosa sta facendo il programma, e lo stato della tastiera.</translation>
    </message>
    <message>
        <source>What the program is doing or has just done.</source>
        <translation>Cosa sta facendo o ha appena fatto il programma.</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>Bloc Maiusc</translation>
    </message>
    <message>
        <source>Caps Lock indicator.</source>
        <translation>Indicatore di Bloc Maiusc.</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Inserisci</translation>
    </message>
    <message>
        <source>Insert indicator.</source>
        <translation>Indicatore della modalità di inserimento.</translation>
    </message>
    <message>
        <source>Type a word and press Enter to hear it.</source>
        <translation>Scrivi una parola e premi Invio per ascoltarla.</translation>
    </message>
    <message>
        <source>&amp;Detect Language</source>
        <translation>&amp;Rileva la lingua</translation>
    </message>
    <message>
        <source>Screen &amp;Area Shortcut...</source>
        <translation>Scorciatoia per l&apos;ar&amp;ea dello schermo...</translation>
    </message>
    <message>
        <source>Translate an &amp;Area of the Screen</source>
        <translation>Traduci un&apos;a&amp;rea dello schermo</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Servizio</translation>
    </message>
</context>
<context>
    <name>mGlobal</name>
    <message>
        <source>Loaded, and mimized to tray.</source>
        <translation>Caricato e ridotto nell&apos;area di notifica.</translation>
    </message>
    <message>
        <source>Double-click to open.</source>
        <translation>Doppio clic per aprire.</translation>
    </message>
</context>
<context>
    <name>mMain</name>
    <message>
        <source>The configuration sent by the server cannot be used: %1</source>
        <translation>La configurazione inviata dal server non è utilizzabile: %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Parlamo could not start.</source>
        <translation>Impossibile avviare Parlamo.</translation>
    </message>
    <message>
        <source>reading the screen needs a display</source>
        <translation>la lettura dello schermo richiede un display</translation>
    </message>
</context>
</TS>
