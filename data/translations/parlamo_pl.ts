<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>AppCommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Wyświetla tę pomoc i kończy działanie.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Wyświetla wersję i kończy działanie.</translation>
    </message>
    <message>
        <source>Translate the selected text in a small window (the running program&apos;s, or this one&apos;s once its window is loaded). Meant for a desktop shortcut.</source>
        <translation>Tłumaczy zaznaczony tekst w małym oknie (już działającego programu albo tego, gdy jego okno zostanie wczytane). Przeznaczone do skrótu klawiszowego środowiska graficznego.</translation>
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
        <translation>Parlamo, program do tłumaczenia online. Przy każdym uruchomieniu pobiera
konfigurację usługi z serwera konfiguracji (wbudowanego; można go zastąpić
przez PARLAMO_CONFIG_HOST=host[:port]).
Serwery proxy są brane z http_proxy, https_proxy, all_proxy i no_proxy (także
HTTPS_PROXY, ALL_PROXY, NO_PROXY), tak jak odczytuje je curl; bez żadnej z nich
z ustawień proxy środowiska graficznego.
Bez --help, --version, --translate, --list ani --history otwiera się okno,
a inne opcje są pomijane. Zobacz RaDudezozad(1).</translation>
    </message>
    <message>
        <source>Started at log-on: in tray mode, go to the tray without a notice.</source>
        <translation>Uruchomiony przy logowaniu: jeśli program działa w zasobniku systemowym, przechodzi tam bez powiadomienia.</translation>
    </message>
    <message>
        <source>Show the window, without a tray icon, even in tray mode.</source>
        <translation>Pokazuje okno, bez ikony w zasobniku systemowym, nawet gdy program działa w zasobniku.</translation>
    </message>
    <message>
        <source>Usage: %1 [options] [/startup] [/debug]</source>
        <translation>Sposób użycia: %1 [opcje] [/startup] [/debug]</translation>
    </message>
    <message>
        <source>Pick an area of the screen, read its text and translate it in a small window (the running program&apos;s, or this one&apos;s once its window is loaded).</source>
        <translation>Wybiera obszar ekranu, odczytuje jego tekst i tłumaczy go w małym oknie (już działającego programu albo tego, gdy jego okno zostanie wczytane).</translation>
    </message>
</context>
<context>
    <name>AppRequests</name>
    <message>
        <source>Parlamo has ended.</source>
        <translation>Parlamo zakończył działanie.</translation>
    </message>
    <message>
        <source>Parlamo is closing.</source>
        <translation>Parlamo kończy działanie.</translation>
    </message>
</context>
<context>
    <name>ConfigCheck</name>
    <message>
        <source>the %1 attribute %2</source>
        <translation>atrybut %2 elementu %1</translation>
    </message>
    <message>
        <source>a numeric %1 attribute %2</source>
        <translation>liczbowy atrybut %2 elementu %1</translation>
    </message>
    <message>
        <source>a numeric Sizes attribute %1</source>
        <translation>liczbowy atrybut %1 elementu Sizes</translation>
    </message>
    <message>
        <source>a Sizes attribute %1 that a screen can hold (at most %2 twips, not %3)</source>
        <translation>atrybut %1 elementu Sizes mieszczący się na ekranie (najwyżej %2 twipów, nie %3)</translation>
    </message>
    <message>
        <source>the Engines element</source>
        <translation>element Engines</translation>
    </message>
    <message>
        <source>the name of engine %1</source>
        <translation>nazwa usługi %1</translation>
    </message>
    <message>
        <source>an engine name without an apostrophe (%1)</source>
        <translation>nazwa usługi bez apostrofu (%1)</translation>
    </message>
    <message>
        <source>a usable name for engine %1</source>
        <translation>użyteczna nazwa usługi %1</translation>
    </message>
    <message>
        <source>the Languages element of engine %1</source>
        <translation>element Languages usługi %1</translation>
    </message>
    <message>
        <source>the name of language %1 of engine %2</source>
        <translation>nazwa języka %1 usługi %2</translation>
    </message>
    <message>
        <source>a language at the Languages default %1 of engine %2 (there are %3)</source>
        <translation>język na domyślnej pozycji %1 elementu Languages usługi %2 (liczba języków: %3)</translation>
    </message>
    <message>
        <source>an engine at the Engines default %1 (there are %2)</source>
        <translation>usługa na domyślnej pozycji %1 elementu Engines (liczba usług: %2)</translation>
    </message>
    <message>
        <source>a configuration document</source>
        <translation>dokument konfiguracji</translation>
    </message>
    <message>
        <source>the Messages element</source>
        <translation>element Messages</translation>
    </message>
    <message>
        <source>the Features element</source>
        <translation>element Features</translation>
    </message>
    <message>
        <source>the Sizes element</source>
        <translation>element Sizes</translation>
    </message>
    <message>
        <source>The configuration sent by the server is incomplete, so the program cannot start. It lacks %1.</source>
        <translation>Konfiguracja wysłana przez serwer jest niekompletna, dlatego program nie może się uruchomić. Brakuje: %1.</translation>
    </message>
    <message>
        <source>Please start again later.</source>
        <translation>Spróbuj uruchomić program ponownie później.</translation>
    </message>
</context>
<context>
    <name>ConfigDocument</name>
    <message>
        <source>%1 at offset %2</source>
        <translation>%1 na pozycji %2</translation>
    </message>
    <message>
        <source>no root element</source>
        <translation>brak elementu głównego</translation>
    </message>
    <message>
        <source>no configuration document is loaded</source>
        <translation>nie wczytano żadnego dokumentu konfiguracji</translation>
    </message>
    <message>
        <source>invalid lookup %1: %2</source>
        <translation>nieprawidłowe zapytanie %1: %2</translation>
    </message>
</context>
<context>
    <name>ConfigElement</name>
    <message>
        <source>(missing element)</source>
        <translation>(brak elementu)</translation>
    </message>
    <message>
        <source>missing element for %1</source>
        <translation>brak elementu dla %1</translation>
    </message>
    <message>
        <source>missing attribute %1</source>
        <translation>brak atrybutu %1</translation>
    </message>
    <message>
        <source>not a 16-bit whole number: %1</source>
        <translation>to nie jest 16-bitowa liczba całkowita: %1</translation>
    </message>
    <message>
        <source>not a 32-bit whole number: %1</source>
        <translation>to nie jest 32-bitowa liczba całkowita: %1</translation>
    </message>
    <message>
        <source>not a number: %1</source>
        <translation>to nie jest liczba: %1</translation>
    </message>
</context>
<context>
    <name>ConfigLoader</name>
    <message>
        <source>the connection was refused</source>
        <translation>połączenie zostało odrzucone</translation>
    </message>
    <message>
        <source>the host was not found</source>
        <translation>nie znaleziono hosta</translation>
    </message>
    <message>
        <source>the server closed the connection before answering</source>
        <translation>serwer zamknął połączenie przed udzieleniem odpowiedzi</translation>
    </message>
    <message>
        <source>timed out: %1</source>
        <translation>przekroczono limit czasu: %1</translation>
    </message>
    <message>
        <source>not a usable address: %1</source>
        <translation>nieużyteczny adres: %1</translation>
    </message>
    <message>
        <source>the server answered with HTTP status %1</source>
        <translation>serwer odpowiedział stanem HTTP %1</translation>
    </message>
    <message>
        <source>not a well-formed document: %1</source>
        <translation>dokument nie jest poprawnie sformułowany: %1</translation>
    </message>
</context>
<context>
    <name>DBusInterface</name>
    <message>
        <source>Parlamo has ended.</source>
        <translation>Parlamo zakończył działanie.</translation>
    </message>
</context>
<context>
    <name>EngineLists</name>
    <message>
        <source>the document has no Engines element</source>
        <translation>dokument nie ma elementu Engines</translation>
    </message>
    <message>
        <source>no Languages element for the engine &quot;%1&quot;</source>
        <translation>brak elementu Languages dla usługi &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 %2 selects no entry of %3</source>
        <translation>%1 %2 nie wybiera żadnej z pozycji (liczba pozycji: %3)</translation>
    </message>
    <message>
        <source>the kept language</source>
        <translation>zachowany język</translation>
    </message>
</context>
<context>
    <name>HeadlessCommandLine</name>
    <message>
        <source>Translate TEXT without opening a window and print the result; &quot;-&quot; reads the text from standard input.</source>
        <translation>Tłumaczy TEKST bez otwierania okna i wypisuje wynik; &quot;-&quot; czyta tekst ze standardowego wejścia.</translation>
    </message>
    <message>
        <source>TEXT</source>
        <translation>TEKST</translation>
    </message>
    <message>
        <source>The engine to translate with (default: the service&apos;s).</source>
        <translation>Usługa używana do tłumaczenia (domyślnie: wskazana w konfiguracji).</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAZWA</translation>
    </message>
    <message>
        <source>The language pair to translate with (default: the engine&apos;s).</source>
        <translation>Para języków używana do tłumaczenia (domyślnie: domyślna para usługi).</translation>
    </message>
    <message>
        <source>--list and --translate cannot be used together</source>
        <translation>--list i --translate nie można używać razem</translation>
    </message>
    <message>
        <source>--engine and --pair need --translate</source>
        <translation>--engine i --pair wymagają --translate</translation>
    </message>
    <message>
        <source>standard input is not UTF-8 text</source>
        <translation>standardowe wejście nie jest tekstem UTF-8</translation>
    </message>
    <message>
        <source>cannot read standard input</source>
        <translation>nie można odczytać standardowego wejścia</translation>
    </message>
    <message>
        <source>List the engines and their language pairs, with the codes of their languages where known; the defaults are marked.</source>
        <translation>Wypisuje usługi i ich pary języków, z kodami ich języków, gdy są znane; domyślne są oznaczone.</translation>
    </message>
    <message>
        <source>Print the code of the language of TEXT (the arguments, or standard input for none or &quot;-&quot;); exit 1 when not sure.</source>
        <translation>Wypisuje kod języka TEXT (argumenty albo standardowe wejście, gdy ich brak lub dla &quot;-&quot;); kończy z kodem 1 w razie niepewności.</translation>
    </message>
    <message>
        <source>With --pair auto: translate into the language of this code (&quot;en&quot;) from the text&apos;s language.</source>
        <translation>Z --pair auto: tłumaczy z języka tekstu na język o tym kodzie (&quot;en&quot;).</translation>
    </message>
    <message>
        <source>CODE</source>
        <translation>KOD</translation>
    </message>
    <message>
        <source>With --translate: print the translation, then on the next line the translation translated back with the reverse pair.</source>
        <translation>Z --translate: wypisuje tłumaczenie, a w następnym wierszu tłumaczenie przetłumaczone z powrotem odwrotną parą.</translation>
    </message>
    <message>
        <source>--detect cannot be used with --translate or --list</source>
        <translation>--detect nie może być użyte z --translate ani --list</translation>
    </message>
    <message>
        <source>--to needs --pair auto</source>
        <translation>--to wymaga --pair auto</translation>
    </message>
</context>
<context>
    <name>HeadlessTranslation</name>
    <message>
        <source>none</source>
        <translation>brak</translation>
    </message>
    <message>
        <source>cannot load the configuration from %1: %2</source>
        <translation>nie można wczytać konfiguracji z %1: %2</translation>
    </message>
    <message>
        <source>the document has no Messages element</source>
        <translation>dokument nie ma elementu Messages</translation>
    </message>
    <message>
        <source>the service allows no translations now</source>
        <translation>usługa nie pozwala teraz na tłumaczenia</translation>
    </message>
    <message>
        <source>the configuration from %1 cannot be used: %2</source>
        <translation>nie można użyć konfiguracji z %1: %2</translation>
    </message>
    <message>
        <source>[default]</source>
        <translation>[domyślna]</translation>
    </message>
    <message>
        <source>there is no text to translate</source>
        <translation>brak tekstu do przetłumaczenia</translation>
    </message>
    <message>
        <source>unknown engine %1; the engines are %2</source>
        <translation>nieznana usługa %1; dostępne usługi: %2</translation>
    </message>
    <message>
        <source>unknown language pair %1 of engine %2; its pairs are %3</source>
        <translation>nieznana para języków %1 usługi %2; jej pary: %3</translation>
    </message>
    <message>
        <source>engine %1 at %2</source>
        <translation>usługa %1 na %2</translation>
    </message>
    <message>
        <source>cannot ask %1: %2</source>
        <translation>nie można wysłać zapytania do %1: %2</translation>
    </message>
    <message>
        <source>cannot reach %1: %2</source>
        <translation>nie można połączyć się z %1: %2</translation>
    </message>
    <message>
        <source>%1 sent no answer within %2 s</source>
        <translation>%1 nie odpowiedziała w ciągu %2 s</translation>
    </message>
    <message>
        <source>%1 answered with HTTP status %2</source>
        <translation>%1 odpowiedziała stanem HTTP %2</translation>
    </message>
    <message>
        <source>no translation found in the answer of %1 (its markers do not occur in it)</source>
        <translation>nie znaleziono tłumaczenia w odpowiedzi od %1 (nie występują w niej znaczniki tej usługi)</translation>
    </message>
    <message>
        <source>not sure</source>
        <translation>niepewne</translation>
    </message>
    <message>
        <source>language detection is not available: %1</source>
        <translation>wykrywanie języka jest niedostępne: %1</translation>
    </message>
    <message>
        <source>not sure which language the text is in</source>
        <translation>nie wiadomo na pewno, w jakim języku jest tekst</translation>
    </message>
    <message>
        <source>engine %1 has no language pair from %2 to %3</source>
        <translation>usługa %1 nie ma pary języków z %2 na %3</translation>
    </message>
    <message>
        <source>engine %1 has no language pair that translates back from %2</source>
        <translation>usługa %1 nie ma pary języków tłumaczącej z powrotem z %2</translation>
    </message>
</context>
<context>
    <name>HearItCommand</name>
    <message>
        <source>No Sound file found.</source>
        <translation>Nie znaleziono pliku dźwiękowego.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Anulowano.</translation>
    </message>
    <message>
        <source>Downloading Sound file...</source>
        <translation>Pobieranie pliku dźwiękowego...</translation>
    </message>
    <message>
        <source>Unable to detect WAV device in this system.</source>
        <translation>Nie można wykryć urządzenia WAV w tym systemie.</translation>
    </message>
</context>
<context>
    <name>HistoryCommandLine</name>
    <message>
        <source>Print the translation history, newest first, without opening a window.</source>
        <translation>Wypisuje historię tłumaczeń, od najnowszych, bez otwierania okna.</translation>
    </message>
    <message>
        <source>With --history: only the entries whose text or translation holds WORD, in any letter case.</source>
        <translation>Z --history: tylko wpisy, których tekst lub tłumaczenie zawiera SŁOWO, bez rozróżniania wielkości liter.</translation>
    </message>
    <message>
        <source>WORD</source>
        <translation>SŁOWO</translation>
    </message>
    <message>
        <source>With --history: tsv (the default: tab-separated, no header) or csv (RFC 4180, with a header row).</source>
        <translation>Z --history: tsv (domyślnie: rozdzielany tabulatorami, bez nagłówka) lub csv (RFC 4180, z wierszem nagłówka).</translation>
    </message>
    <message>
        <source>--search and --format need --history</source>
        <translation>--search i --format wymagają --history</translation>
    </message>
    <message>
        <source>--history cannot be used with --%1</source>
        <translation>--history nie można używać razem z --%1</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot;: tsv or csv</source>
        <translation>nieznany format &quot;%1&quot;: tsv lub csv</translation>
    </message>
    <message>
        <source>cannot read the history in %1: %2</source>
        <translation>nie można odczytać historii w %1: %2</translation>
    </message>
</context>
<context>
    <name>HistoryModel</name>
    <message>
        <source>Time</source>
        <translation>Czas</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Usługa</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Języki</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Tłumaczenie</translation>
    </message>
</context>
<context>
    <name>HistoryReader</name>
    <message>
        <source>unknown database error</source>
        <translation>nieznany błąd bazy danych</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 nie jest plikiem</translation>
    </message>
    <message>
        <source>the SQLite driver of Qt SQL is not installed</source>
        <translation>sterownik SQLite modułu Qt SQL nie jest zainstalowany</translation>
    </message>
    <message>
        <source>the history database is damaged</source>
        <translation>baza danych historii jest uszkodzona</translation>
    </message>
</context>
<context>
    <name>HistoryStore</name>
    <message>
        <source>unknown database error</source>
        <translation>nieznany błąd bazy danych</translation>
    </message>
    <message>
        <source>cannot create the folder of %1</source>
        <translation>nie można utworzyć katalogu dla %1</translation>
    </message>
    <message>
        <source>the SQLite driver of Qt SQL is not installed</source>
        <translation>sterownik SQLite modułu Qt SQL nie jest zainstalowany</translation>
    </message>
    <message>
        <source>the history database is damaged</source>
        <translation>baza danych historii jest uszkodzona</translation>
    </message>
    <message>
        <source>History is off for this run: %1.</source>
        <translation>Historia wyłączona do następnego uruchomienia: %1.</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>History</source>
        <translation>Historia</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Szukaj</translation>
    </message>
    <message>
        <source>Search the history</source>
        <translation>Przeszukaj historię</translation>
    </message>
    <message>
        <source>Translations</source>
        <translation>Tłumaczenia</translation>
    </message>
    <message>
        <source>Enter or a double click puts the translation back</source>
        <translation>Enter lub dwukrotne kliknięcie przywraca tłumaczenie</translation>
    </message>
    <message>
        <source>Writes the listed translations to a CSV file</source>
        <translation>Zapisuje wyświetlone tłumaczenia do pliku CSV</translation>
    </message>
    <message>
        <source>Clear the whole history? This cannot be undone.</source>
        <translation>Wyczyścić całą historię? Tej operacji nie można cofnąć.</translation>
    </message>
    <message>
        <source>Export History</source>
        <translation>Eksport historii</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Pliki CSV (*.csv);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>The history could not be written to %1.</source>
        <translation>Nie można zapisać historii do %1.</translation>
    </message>
    <message>
        <source>Lists only the translations whose texts hold these letters; the arrow keys walk the list.</source>
        <translation>Wyświetla tylko tłumaczenia, których teksty zawierają te litery; klawisze strzałek przechodzą po liście.</translation>
    </message>
    <message>
        <source>&amp;Keep a history</source>
        <translation>&amp;Zapisuj historię</translation>
    </message>
    <message>
        <source>Whether new translations are kept, also after a restart</source>
        <translation>Czy nowe tłumaczenia są zachowywane, także po ponownym uruchomieniu</translation>
    </message>
    <message>
        <source>C&amp;lear History</source>
        <translation>&amp;Wyczyść historię</translation>
    </message>
    <message>
        <source>Forgets every kept translation, after asking</source>
        <translation>Usuwa wszystkie zachowane tłumaczenia, po potwierdzeniu</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Eksportuj...</translation>
    </message>
</context>
<context>
    <name>HttpTransfer</name>
    <message>
        <source>The answer is larger than %1 MiB.</source>
        <translation>Odpowiedź jest większa niż %1 MiB.</translation>
    </message>
    <message>
        <source>The answer is larger than %1 bytes.</source>
        <translation>Odpowiedź jest większa niż %1 B.</translation>
    </message>
    <message>
        <source>The transfer took longer than %1 seconds.</source>
        <translation>Przesyłanie trwało dłużej niż %1 s.</translation>
    </message>
    <message>
        <source>Not a usable address: %1</source>
        <translation>Nieużyteczny adres: %1</translation>
    </message>
    <message>
        <source>Not a usable method: %1</source>
        <translation>Nieużyteczna metoda: %1</translation>
    </message>
    <message>
        <source>Not a usable header line: %1</source>
        <translation>Nieużyteczny wiersz nagłówka: %1</translation>
    </message>
    <message>
        <source>Cannot start the transfer.</source>
        <translation>Nie można rozpocząć przesyłania.</translation>
    </message>
    <message>
        <source>Refused a redirect to %1</source>
        <translation>Odrzucono przekierowanie do %1</translation>
    </message>
    <message>
        <source>The answer&apos;s header has a broken line.</source>
        <translation>Nagłówek odpowiedzi zawiera uszkodzony wiersz.</translation>
    </message>
    <message>
        <source>The answer&apos;s trailer is too large.</source>
        <translation>Zakończenie (trailer) odpowiedzi jest za duże.</translation>
    </message>
    <message>
        <source>The answer&apos;s header is too large.</source>
        <translation>Nagłówek odpowiedzi jest za duży.</translation>
    </message>
    <message>
        <source>The server&apos;s answer is not HTTP.</source>
        <translation>Odpowiedź serwera nie jest w protokole HTTP.</translation>
    </message>
    <message>
        <source>The server switched protocols.</source>
        <translation>Serwer zmienił protokół.</translation>
    </message>
    <message>
        <source>The answer&apos;s transfer coding is not readable: %1</source>
        <translation>Nie można odczytać kodowania przesyłania odpowiedzi: %1</translation>
    </message>
    <message>
        <source>The answer&apos;s length is unreadable.</source>
        <translation>Nie można odczytać długości odpowiedzi.</translation>
    </message>
    <message>
        <source>The connection ended inside the answer&apos;s header.</source>
        <translation>Połączenie zakończyło się w trakcie nagłówka odpowiedzi.</translation>
    </message>
    <message>
        <source>Cannot connect to %1: %2</source>
        <translation>Nie można połączyć się z %1: %2</translation>
    </message>
    <message>
        <source>The server&apos;s certificate was refused: %1</source>
        <translation>Certyfikat serwera został odrzucony: %1</translation>
    </message>
    <message>
        <source>The secure connection failed: %1</source>
        <translation>Nie udało się nawiązać bezpiecznego połączenia: %1</translation>
    </message>
    <message>
        <source>The server closed the connection without answering.</source>
        <translation>Serwer zamknął połączenie bez odpowiedzi.</translation>
    </message>
    <message>
        <source>The connection ended before the whole answer.</source>
        <translation>Połączenie zakończyło się przed otrzymaniem całej odpowiedzi.</translation>
    </message>
    <message>
        <source>The connection ended after %1 of %2 bytes.</source>
        <translation>Połączenie zakończyło się po %1 z %2 bajtów.</translation>
    </message>
    <message>
        <source>Too many redirects.</source>
        <translation>Za dużo przekierowań.</translation>
    </message>
    <message>
        <source>The server&apos;s answer is not readable HTTP: %1</source>
        <translation>Odpowiedź serwera nie jest czytelnym HTTP: %1</translation>
    </message>
    <message>
        <source>The server sent nothing for %1 seconds.</source>
        <translation>Serwer nic nie wysłał przez %1 s.</translation>
    </message>
    <message>
        <source>The server sent no answer within %1 seconds.</source>
        <translation>Serwer nie odpowiedział w ciągu %1 s.</translation>
    </message>
    <message>
        <source>The transfer was cancelled.</source>
        <translation>Przesyłanie zostało anulowane.</translation>
    </message>
    <message>
        <source>The answer could not be stored.</source>
        <translation>Nie można było zapisać odpowiedzi.</translation>
    </message>
</context>
<context>
    <name>ImageCommandLine</name>
    <message>
        <source>there is no screen to read</source>
        <translation>brak ekranu do odczytania</translation>
    </message>
    <message>
        <source>the screen cannot be read here</source>
        <translation>nie można tutaj odczytać ekranu</translation>
    </message>
    <message>
        <source>Print the text read from an image file (PNG, JPEG...) in the language of --pair&apos;s source, else in English.</source>
        <translation>Wypisuje tekst odczytany z pliku obrazu (PNG, JPEG...) w języku źródłowym --pair, a bez niego po angielsku.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>PLIK</translation>
    </message>
    <message>
        <source>Print the translation of the text read from an image file.</source>
        <translation>Wypisuje tłumaczenie tekstu odczytanego z pliku obrazu.</translation>
    </message>
    <message>
        <source>Print the text read from an area of the screen (needs a display).</source>
        <translation>Wypisuje tekst odczytany z obszaru ekranu (wymaga wyświetlacza).</translation>
    </message>
    <message>
        <source>X,Y,W,H</source>
        <translation>X,Y,S,W</translation>
    </message>
    <message>
        <source>--read-image, --translate-image, --read-screen, --translate and --list cannot be used together</source>
        <translation>--read-image, --translate-image, --read-screen, --translate i --list nie można używać razem</translation>
    </message>
    <message>
        <source>--read-screen wants X,Y,W,H with a positive width and height</source>
        <translation>--read-screen wymaga X,Y,S,W z dodatnią szerokością i wysokością</translation>
    </message>
    <message>
        <source>cannot read the image %1: %2</source>
        <translation>nie można odczytać obrazu %1: %2</translation>
    </message>
    <message>
        <source>no text was found in the image</source>
        <translation>nie znaleziono tekstu na obrazie</translation>
    </message>
</context>
<context>
    <name>LayoutMath</name>
    <message>
        <source>not a number: %1</source>
        <translation>to nie jest liczba: %1</translation>
    </message>
    <message>
        <source>the document has no Sizes element</source>
        <translation>dokument nie ma elementu Sizes</translation>
    </message>
</context>
<context>
    <name>LazySoundOutput</name>
    <message>
        <source>%1 belongs to another user</source>
        <translation>%1 należy do innego użytkownika</translation>
    </message>
    <message>
        <source>other users may change %1</source>
        <translation>inni użytkownicy mogą zmieniać %1</translation>
    </message>
    <message>
        <source>No sound: the sound module %1 was not found.</source>
        <translation>Brak dźwięku: nie znaleziono modułu dźwięku %1.</translation>
    </message>
    <message>
        <source>No sound: the sound module could not be loaded (%1).</source>
        <translation>Brak dźwięku: nie można wczytać modułu dźwięku (%1).</translation>
    </message>
</context>
<context>
    <name>NoScreenArea</name>
    <message>
        <source>The screen cannot be read on this desktop.</source>
        <translation>W tym środowisku graficznym nie można odczytać ekranu.</translation>
    </message>
</context>
<context>
    <name>OutsideTranslation</name>
    <message>
        <source>Choose a language pair in the main window first.</source>
        <translation>Najpierw wybierz parę języków w oknie głównym.</translation>
    </message>
    <message>
        <source>There is no text to translate.</source>
        <translation>Brak tekstu do przetłumaczenia.</translation>
    </message>
</context>
<context>
    <name>PairRule</name>
    <message>
        <source>The language pairs of this engine do not say which languages they join, so the language of a text cannot pick one.</source>
        <translation>Pary języków tej usługi nie podają, jakie języki łączą, więc język tekstu nie może wybrać żadnej.</translation>
    </message>
    <message>
        <source>%1 → %2 (detected)</source>
        <translation>%1 → %2 (wykryto)</translation>
    </message>
    <message>
        <source>%1 (the language of the text is not clear)</source>
        <translation>%1 (język tekstu nie jest jasny)</translation>
    </message>
    <message>
        <source>No pair from %1</source>
        <translation>Brak pary z języka: %1</translation>
    </message>
    <message>
        <source>%1 (no pair from %2)</source>
        <translation>%1 (brak pary z języka: %2)</translation>
    </message>
</context>
<context>
    <name>PortalGlobalShortcut</name>
    <message>
        <source>The selection shortcut %1 is not a key the desktop can bind.</source>
        <translation>Skrót zaznaczenia %1 nie jest klawiszem, który środowisko graficzne może przypisać.</translation>
    </message>
    <message>
        <source>The desktop did not bind the selection shortcut %1 (%2).</source>
        <translation>Środowisko graficzne nie przypisało skrótu zaznaczenia %1 (%2).</translation>
    </message>
    <message>
        <source>The selection shortcut %1 was not bound: the desktop&apos;s question was cancelled.</source>
        <translation>Skrót zaznaczenia %1 nie został przypisany: pytanie środowiska graficznego zostało anulowane.</translation>
    </message>
    <message>
        <source>The desktop did not bind the selection shortcut %1.</source>
        <translation>Środowisko graficzne nie przypisało skrótu zaznaczenia %1.</translation>
    </message>
    <message>
        <source>Translate the selection</source>
        <translation>Przetłumacz zaznaczenie</translation>
    </message>
    <message>
        <source>This desktop holds no keys for programs, so the selection shortcut %1 is off: bind &quot;%2 --translate-selection&quot; to a key in the desktop&apos;s keyboard settings instead.</source>
        <translation>To środowisko graficzne nie przydziela programom klawiszy, dlatego skrót zaznaczenia %1 jest wyłączony: zamiast tego przypisz &quot;%2 --translate-selection&quot; do klawisza w ustawieniach klawiatury środowiska graficznego.</translation>
    </message>
    <message>
        <source>The screen area shortcut %1 is not a key the desktop can bind.</source>
        <translation>Skrót obszaru ekranu %1 nie jest klawiszem, który środowisko graficzne może przypisać.</translation>
    </message>
    <message>
        <source>The desktop did not bind the screen area shortcut %1 (%2).</source>
        <translation>Środowisko graficzne nie przypisało skrótu obszaru ekranu %1 (%2).</translation>
    </message>
    <message>
        <source>The screen area shortcut %1 was not bound: the desktop&apos;s question was cancelled.</source>
        <translation>Skrót obszaru ekranu %1 nie został przypisany: pytanie środowiska graficznego zostało anulowane.</translation>
    </message>
    <message>
        <source>Translate an area of the screen</source>
        <translation>Przetłumacz obszar ekranu</translation>
    </message>
    <message>
        <source>This desktop holds no keys for programs, so the screen area shortcut %1 is off: bind &quot;%2 --translate-screen-area&quot; to a key in the desktop&apos;s keyboard settings instead.</source>
        <translation>To środowisko graficzne nie przydziela programom klawiszy, dlatego skrót obszaru ekranu %1 jest wyłączony: zamiast tego przypisz &quot;%2 --translate-screen-area&quot; do klawisza w ustawieniach klawiatury środowiska graficznego.</translation>
    </message>
    <message>
        <source>The desktop did not bind the screen area shortcut %1.</source>
        <translation>Środowisko graficzne nie przypisało skrótu obszaru ekranu %1.</translation>
    </message>
</context>
<context>
    <name>ReversePair</name>
    <message>
        <source>no language pairs for engine %1</source>
        <translation>brak par języków dla usługi %1</translation>
    </message>
</context>
<context>
    <name>RunningCopy</name>
    <message>
        <source>Parlamo is already running but does not answer (%1).</source>
        <translation>Parlamo już działa, ale nie odpowiada (%1).</translation>
    </message>
    <message>
        <source>Parlamo is already running but does not answer.</source>
        <translation>Parlamo już działa, ale nie odpowiada.</translation>
    </message>
    <message>
        <source>%1 cannot be made (%2).</source>
        <translation>Nie można utworzyć %1 (%2).</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 nie jest folderem.</translation>
    </message>
    <message>
        <source>%1 belongs to another user.</source>
        <translation>%1 należy do innego użytkownika.</translation>
    </message>
    <message>
        <source>Other users may use %1.</source>
        <translation>Inni użytkownicy mogą używać %1.</translation>
    </message>
    <message>
        <source>Cannot make sure that only one copy of Parlamo runs: %1</source>
        <translation>Nie można zapewnić, że działa tylko jedna kopia Parlamo: %1</translation>
    </message>
</context>
<context>
    <name>ScreenAreaPicker</name>
    <message>
        <source>The screen cannot be read on this desktop.</source>
        <translation>W tym środowisku graficznym nie można odczytać ekranu.</translation>
    </message>
    <message>
        <source>The desktop does not let Parlamo read the screen (%1).</source>
        <translation>Środowisko graficzne nie pozwala Parlamo odczytać ekranu (%1).</translation>
    </message>
    <message>
        <source>The desktop gave no picture of the screen.</source>
        <translation>Środowisko graficzne nie dostarczyło obrazu ekranu.</translation>
    </message>
</context>
<context>
    <name>SelectionPopup</name>
    <message>
        <source>Parlamo Translation</source>
        <translation>Tłumaczenie Parlamo</translation>
    </message>
    <message>
        <source>Source text</source>
        <translation>Tekst źródłowy</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Tłumaczenie</translation>
    </message>
    <message>
        <source>The translation. Ctrl+Shift+C copies it, Ctrl+Shift+S speaks it, Esc closes.</source>
        <translation>Tłumaczenie. Ctrl+Shift+C je kopiuje, Ctrl+Shift+S odczytuje je na głos, Esc zamyka.</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiuj</translation>
    </message>
    <message>
        <source>Copy the translation to the clipboard (Ctrl+Shift+C).</source>
        <translation>Kopiuje tłumaczenie do schowka (Ctrl+Shift+C).</translation>
    </message>
    <message>
        <source>&amp;Open in Window</source>
        <translation>&amp;Otwórz w oknie</translation>
    </message>
    <message>
        <source>Show both texts in the main window (Ctrl+O).</source>
        <translation>Pokazuje oba teksty w oknie głównym (Ctrl+O).</translation>
    </message>
    <message>
        <source>Copied to the clipboard.</source>
        <translation>Skopiowano do schowka.</translation>
    </message>
    <message>
        <source>Translation back</source>
        <translation>Tłumaczenie zwrotne</translation>
    </message>
    <message>
        <source>The translation of the selected text.</source>
        <translation>Tłumaczenie zaznaczonego tekstu.</translation>
    </message>
    <message>
        <source>The selected text.</source>
        <translation>Zaznaczony tekst.</translation>
    </message>
    <message>
        <source>Its translation, or what went wrong.</source>
        <translation>Jego tłumaczenie albo informacja, co poszło nie tak.</translation>
    </message>
    <message>
        <source>What the translation is doing or has done.</source>
        <translation>Co tłumaczenie robi lub zrobiło.</translation>
    </message>
    <message>
        <source>The text read from the screen. Correct it and press Ctrl+Enter to translate it again.</source>
        <translation>Tekst odczytany z ekranu. Popraw go i naciśnij Ctrl+Enter, aby przetłumaczyć go ponownie.</translation>
    </message>
</context>
<context>
    <name>ShortcutDialog</name>
    <message>
        <source>Selection Shortcut</source>
        <translation>Skrót zaznaczenia</translation>
    </message>
    <message>
        <source>Select text in any application and press this key to read its translation in a small window. Press the new key here, or clear it to turn the shortcut off.</source>
        <translation>Zaznacz tekst w dowolnym programie i naciśnij ten klawisz, aby przeczytać jego tłumaczenie w małym oknie. Naciśnij tutaj nowy klawisz lub wyczyść pole, aby wyłączyć skrót.</translation>
    </message>
    <message>
        <source>Selection shortcut</source>
        <translation>Skrót zaznaczenia</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Wyczyść</translation>
    </message>
    <message>
        <source>Turns the shortcut off</source>
        <translation>Wyłącza skrót</translation>
    </message>
    <message>
        <source>Screen Area Shortcut</source>
        <translation>Skrót obszaru ekranu</translation>
    </message>
    <message>
        <source>Press this key in any application, then drag over an area of the screen to read its text and its translation in a small window. Press the new key here, or clear it to turn the shortcut off.</source>
        <translation>Naciśnij ten klawisz w dowolnym programie, a następnie przeciągnij po obszarze ekranu, aby przeczytać jego tekst i tłumaczenie w małym oknie. Naciśnij tutaj nowy klawisz lub wyczyść pole, aby wyłączyć skrót.</translation>
    </message>
    <message>
        <source>Screen area shortcut</source>
        <translation>Skrót obszaru ekranu</translation>
    </message>
</context>
<context>
    <name>SpeakCommand</name>
    <message>
        <source>There is no translation to speak.</source>
        <translation>Brak tłumaczenia do odczytania.</translation>
    </message>
    <message>
        <source>No speech for this language pair.</source>
        <translation>Brak syntezy mowy dla tej pary języków.</translation>
    </message>
    <message>
        <source>The spoken translation could not be fetched.</source>
        <translation>Nie można pobrać nagrania tłumaczenia.</translation>
    </message>
    <message>
        <source>Speaking...</source>
        <translation>Odczytywanie...</translation>
    </message>
    <message>
        <source>The spoken translation could not be stored.</source>
        <translation>Nie można zapisać nagrania tłumaczenia.</translation>
    </message>
    <message>
        <source>No sound output device was found.</source>
        <translation>Nie znaleziono urządzenia wyjścia dźwięku.</translation>
    </message>
    <message>
        <source>The spoken translation is not a playable sound.</source>
        <translation>Nagranie tłumaczenia nie jest odtwarzalnym dźwiękiem.</translation>
    </message>
    <message>
        <source>Spoken.</source>
        <translation>Odczytano.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Anulowano.</translation>
    </message>
</context>
<context>
    <name>StartMode</name>
    <message>
        <source>the document has no Features element</source>
        <translation>dokument nie ma elementu Features</translation>
    </message>
</context>
<context>
    <name>StartupSequence</name>
    <message>
        <source>v%1.%2 build %3</source>
        <translation>v%1.%2 kompilacja %3</translation>
    </message>
    <message>
        <source>You are not connected to the internet. Please connect, and start again.</source>
        <translation>Brak połączenia z internetem. Połącz się i uruchom program ponownie.</translation>
    </message>
    <message>
        <source>Address asked for: %1</source>
        <translation>Żądany adres: %1</translation>
    </message>
    <message>
        <source>What went wrong: %1</source>
        <translation>Przyczyna błędu: %1</translation>
    </message>
    <message>
        <source>Loading preferences</source>
        <translation>Wczytywanie preferencji</translation>
    </message>
    <message>
        <source>the document was refused: it lacks %1</source>
        <translation>dokument został odrzucony, brakuje: %1</translation>
    </message>
    <message>
        <source>Loading updated server configuration</source>
        <translation>Wczytywanie zaktualizowanej konfiguracji serwera</translation>
    </message>
    <message>
        <source>Initialized</source>
        <translation>Zainicjowano</translation>
    </message>
    <message>
        <source>, minimizing to tray.</source>
        <translation>, minimalizacja do zasobnika systemowego.</translation>
    </message>
</context>
<context>
    <name>TextRecognizer</name>
    <message>
        <source>The reading was cancelled.</source>
        <translation>Odczytywanie zostało anulowane.</translation>
    </message>
    <message>
        <source>Text in this language cannot be read: its data (%1) is missing. Install the package %2.</source>
        <translation>Nie można odczytać tekstu w tym języku: brakuje jego danych (%1). Zainstaluj pakiet %2.</translation>
    </message>
    <message>
        <source>The text could not be read: %1</source>
        <translation>Nie można odczytać tekstu: %1</translation>
    </message>
</context>
<context>
    <name>TranslateAnywhere</name>
    <message>
        <source>Choose another one under Options &gt; Selection Shortcut...</source>
        <translation>Wybierz inny w Opcje &gt; Skrót zaznaczenia...</translation>
    </message>
    <message>
        <source>Reading the selection...</source>
        <translation>Odczytywanie zaznaczenia...</translation>
    </message>
    <message>
        <source>No text is selected. Select a text, then press the key again.</source>
        <translation>Nie zaznaczono tekstu. Zaznacz tekst, a potem naciśnij klawisz ponownie.</translation>
    </message>
    <message>
        <source>Reading the clipboard...</source>
        <translation>Odczytywanie schowka...</translation>
    </message>
    <message>
        <source>The clipboard holds no text.</source>
        <translation>Schowek nie zawiera tekstu.</translation>
    </message>
    <message>
        <source>Translating from %1</source>
        <translation>Tłumaczenie: %1</translation>
    </message>
    <message>
        <source>The language of the text is not clear.</source>
        <translation>Język tekstu nie jest jasny.</translation>
    </message>
    <message>
        <source>No language pair translates %1 into %2.</source>
        <translation>Żadna para języków nie tłumaczy z języka %1 na %2.</translation>
    </message>
    <message>
        <source>No language pair translates back from %1.</source>
        <translation>Żadna para języków nie tłumaczy z powrotem z %1.</translation>
    </message>
    <message>
        <source>Translating back from %1</source>
        <translation>Tłumaczenie zwrotne parą %1</translation>
    </message>
    <message>
        <source>Back: %1</source>
        <translation>Z powrotem: %1</translation>
    </message>
    <message>
        <source>Choose another one under Options &gt; Screen Area Shortcut...</source>
        <translation>Wybierz inny w Opcje &gt; Skrót obszaru ekranu...</translation>
    </message>
    <message>
        <source>Reading the screen...</source>
        <translation>Odczytywanie ekranu...</translation>
    </message>
    <message>
        <source>No text was found in the area.</source>
        <translation>W obszarze nie znaleziono tekstu.</translation>
    </message>
    <message>
        <source>The selection&apos;s owner did not answer.</source>
        <translation>Program, do którego należy zaznaczenie, nie odpowiedział.</translation>
    </message>
</context>
<context>
    <name>TranslateCommand</name>
    <message>
        <source>Translation failed: %1</source>
        <translation>Tłumaczenie nie powiodło się: %1</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Anulowano.</translation>
    </message>
    <message>
        <source>Translation failed at %1: %2</source>
        <translation>Tłumaczenie w %1 nie powiodło się: %2</translation>
    </message>
    <message>
        <source>Translation timed out: %1 did not answer.</source>
        <translation>Przekroczono czas tłumaczenia: brak odpowiedzi od %1.</translation>
    </message>
    <message>
        <source>No translation found in the answer of %1.</source>
        <translation>Nie znaleziono tłumaczenia w odpowiedzi od %1.</translation>
    </message>
</context>
<context>
    <name>TranslationHistory</name>
    <message>
        <source>History is off for this run.</source>
        <translation>Historia wyłączona do następnego uruchomienia.</translation>
    </message>
</context>
<context>
    <name>TranslationPipeline</name>
    <message>
        <source>The text is too long to send (%1 characters in its request; at most %2).</source>
        <translation>Tekst jest za długi do wysłania (liczba znaków w żądaniu: %1; najwyżej %2).</translation>
    </message>
    <message>
        <source>no engine named %1</source>
        <translation>brak usługi o nazwie %1</translation>
    </message>
    <message>
        <source>no language pair named %1</source>
        <translation>brak pary języków o nazwie %1</translation>
    </message>
</context>
<context>
    <name>X11GlobalShortcut</name>
    <message>
        <source>The selection shortcut %1 is not a key this keyboard has.</source>
        <translation>Skrót zaznaczenia %1 nie jest klawiszem tej klawiatury.</translation>
    </message>
    <message>
        <source>The selection shortcut %1 is taken by another program.</source>
        <translation>Skrót zaznaczenia %1 jest zajęty przez inny program.</translation>
    </message>
    <message>
        <source>The screen area shortcut %1 is not a key this keyboard has.</source>
        <translation>Skrót obszaru ekranu %1 nie jest klawiszem tej klawiatury.</translation>
    </message>
    <message>
        <source>The screen area shortcut %1 is taken by another program.</source>
        <translation>Skrót obszaru ekranu %1 jest zajęty przez inny program.</translation>
    </message>
</context>
<context>
    <name>frmTranslate</name>
    <message>
        <source>Translating from %1</source>
        <translation>Tłumaczenie: %1</translation>
    </message>
    <message>
        <source>Translated.</source>
        <translation>Przetłumaczono.</translation>
    </message>
    <message>
        <source>The service configuration could not be used (%1). The program will close.</source>
        <translation>Nie można użyć konfiguracji usługi (%1). Program zostanie zamknięty.</translation>
    </message>
    <message>
        <source>no configuration document</source>
        <translation>brak dokumentu konfiguracji</translation>
    </message>
    <message>
        <source>The languages of this engine could not be listed (%1).</source>
        <translation>Nie można wyświetlić języków tej usługi (%1).</translation>
    </message>
    <message>
        <source>The window layout could not be applied (%1).</source>
        <translation>Nie można zastosować układu okna (%1).</translation>
    </message>
    <message>
        <source>No address for %1 has been configured. Please try again later.</source>
        <translation>Nie skonfigurowano adresu dla %1. Spróbuj ponownie później.</translation>
    </message>
    <message>
        <source>Online Help</source>
        <translation>Pomoc online</translation>
    </message>
    <message>
        <source>Online Support</source>
        <translation>Wsparcie online</translation>
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
        <translation>O&amp;dsłuchaj!</translation>
    </message>
    <message>
        <source>Type a word to Hear It</source>
        <translation>Słowo do odsłuchania</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opcje</translation>
    </message>
    <message>
        <source>&amp;Load on Startup</source>
        <translation>&amp;Uruchamiaj przy logowaniu</translation>
    </message>
    <message>
        <source>&amp;Selection Shortcut...</source>
        <translation>&amp;Skrót zaznaczenia...</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Historia...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Pomoc &amp;online</translation>
    </message>
    <message>
        <source>Online &amp;Support</source>
        <translation>&amp;Wsparcie online</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Otwórz</translation>
    </message>
    <message>
        <source>Source text</source>
        <translation>Tekst źródłowy</translation>
    </message>
    <message>
        <source>The text to translate.</source>
        <translation>Tekst do przetłumaczenia.</translation>
    </message>
    <message>
        <source>The text to translate. Ctrl+Enter translates it.</source>
        <translation>Tekst do przetłumaczenia. Ctrl+Enter go tłumaczy.</translation>
    </message>
    <message>
        <source>Language pair</source>
        <translation>Para języków</translation>
    </message>
    <message>
        <source>From which language into which one.</source>
        <translation>Z jakiego języka na jaki.</translation>
    </message>
    <message>
        <source>The language pair (Ctrl+R: the other way round)</source>
        <translation>Para języków (Ctrl+R: w przeciwnym kierunku)</translation>
    </message>
    <message>
        <source>The online service that translates.</source>
        <translation>Usługa online, która tłumaczy.</translation>
    </message>
    <message>
        <source>The translation engine</source>
        <translation>Usługa tłumaczeniowa</translation>
    </message>
    <message>
        <source>Translate</source>
        <translation>Tłumacz</translation>
    </message>
    <message>
        <source>Sends the source text to the engine and shows the translation.</source>
        <translation>Wysyła tekst źródłowy do usługi i pokazuje tłumaczenie.</translation>
    </message>
    <message>
        <source>Translate the text (Ctrl+Enter in the text). Esc cancels.</source>
        <translation>Tłumaczy tekst (Ctrl+Enter w tekście). Esc anuluje.</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Tłumaczenie</translation>
    </message>
    <message>
        <source>The translated text of the last translation.</source>
        <translation>Przetłumaczony tekst ostatniego tłumaczenia.</translation>
    </message>
    <message>
        <source>The translation. Ctrl+Shift+C copies it.</source>
        <translation>Tłumaczenie. Ctrl+Shift+C je kopiuje.</translation>
    </message>
    <message>
        <source>Word to hear</source>
        <translation>Słowo do odsłuchania</translation>
    </message>
    <message>
        <source>A word to hear spoken; messages about the sound show here too.</source>
        <translation>Słowo do odsłuchania; tutaj pojawiają się też komunikaty o dźwięku.</translation>
    </message>
    <message>
        <source>Hear It</source>
        <translation>Odsłuchaj</translation>
    </message>
    <message>
        <source>Fetches and plays the pronunciation of the word.</source>
        <translation>Pobiera i odtwarza wymowę słowa.</translation>
    </message>
    <message>
        <source>Hear the word spoken (Enter in the word box). Esc cancels.</source>
        <translation>Odsłuchuje wymowę słowa (Enter w polu słowa). Esc anuluje.</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Wskazówka</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Pasek stanu</translation>
    </message>
    <message>
        <source>What the program is doing, and the keyboard&apos;s state.</source>
        <translation>Co program robi oraz stan klawiatury.</translation>
    </message>
    <message>
        <source>What the program is doing or has just done.</source>
        <translation>Co program robi lub właśnie zrobił.</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>Caps Lock</translation>
    </message>
    <message>
        <source>Caps Lock indicator.</source>
        <translation>Wskaźnik Caps Lock.</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>Insert indicator.</source>
        <translation>Wskaźnik trybu wstawiania.</translation>
    </message>
    <message>
        <source>Type a word and press Enter to hear it.</source>
        <translation>Wpisz słowo i naciśnij Enter, aby je odsłuchać.</translation>
    </message>
    <message>
        <source>&amp;Detect Language</source>
        <translation>&amp;Wykryj język</translation>
    </message>
    <message>
        <source>Screen &amp;Area Shortcut...</source>
        <translation>Skrót &amp;obszaru ekranu...</translation>
    </message>
    <message>
        <source>Translate an &amp;Area of the Screen</source>
        <translation>&amp;Przetłumacz obszar ekranu</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Usługa</translation>
    </message>
</context>
<context>
    <name>mGlobal</name>
    <message>
        <source>Loaded, and mimized to tray.</source>
        <translation>Wczytano i zminimalizowano do zasobnika systemowego.</translation>
    </message>
    <message>
        <source>Double-click to open.</source>
        <translation>Kliknij dwukrotnie, aby otworzyć.</translation>
    </message>
</context>
<context>
    <name>mMain</name>
    <message>
        <source>The configuration sent by the server cannot be used: %1</source>
        <translation>Konfiguracja wysłana przez serwer nie nadaje się do użycia: %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Parlamo could not start.</source>
        <translation>Nie można uruchomić Parlamo.</translation>
    </message>
    <message>
        <source>reading the screen needs a display</source>
        <translation>odczytywanie ekranu wymaga wyświetlacza</translation>
    </message>
</context>
</TS>
