<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>AppCommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Показати цю довідку й вийти.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Показати версію й вийти.</translation>
    </message>
    <message>
        <source>Translate the selected text in a small window (the running program&apos;s, or this one&apos;s once its window is loaded). Meant for a desktop shortcut.</source>
        <translation>Перекласти виділений текст у маленькому вікні (запущеної програми або, щойно її вікно завантажиться, цієї). Призначено для комбінації клавіш стільничного середовища.</translation>
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
        <translation>Parlamo — стільничний клієнт для онлайн-перекладу. Під час кожного запуску він
отримує налаштування служби з сервера конфігурації (вбудованого; його можна
замінити через PARLAMO_CONFIG_HOST=хост[:порт]).
Проксі беруться з http_proxy, https_proxy, all_proxy і no_proxy (а також
HTTPS_PROXY, ALL_PROXY, NO_PROXY) так само, як їх читає curl; якщо жодної з них
не задано — з налаштувань проксі стільничного середовища.
Без --help, --version, --translate, --list або --history відкривається вікно,
а інші параметри ігноруються. Див. RaDudezozad(1).</translation>
    </message>
    <message>
        <source>Started at log-on: in tray mode, go to the tray without a notice.</source>
        <translation>Запуск під час входу в систему: у режимі системного лотка згорнутися в лоток без сповіщення.</translation>
    </message>
    <message>
        <source>Show the window, without a tray icon, even in tray mode.</source>
        <translation>Показати вікно без значка в системному лотку, навіть у режимі лотка.</translation>
    </message>
    <message>
        <source>Usage: %1 [options] [/startup] [/debug]</source>
        <translation>Використання: %1 [параметри] [/startup] [/debug]</translation>
    </message>
    <message>
        <source>Pick an area of the screen, read its text and translate it in a small window (the running program&apos;s, or this one&apos;s once its window is loaded).</source>
        <translation>Вибрати область екрана, прочитати її текст і перекласти його в маленькому вікні (запущеної програми або, щойно її вікно завантажиться, цієї).</translation>
    </message>
</context>
<context>
    <name>AppRequests</name>
    <message>
        <source>Parlamo has ended.</source>
        <translation>Parlamo завершив роботу.</translation>
    </message>
    <message>
        <source>Parlamo is closing.</source>
        <translation>Parlamo завершує роботу.</translation>
    </message>
</context>
<context>
    <name>ConfigCheck</name>
    <message>
        <source>the %1 attribute %2</source>
        <translation>атрибут %2 елемента %1</translation>
    </message>
    <message>
        <source>a numeric %1 attribute %2</source>
        <translation>числовий атрибут %2 елемента %1</translation>
    </message>
    <message>
        <source>a numeric Sizes attribute %1</source>
        <translation>числовий атрибут %1 елемента Sizes</translation>
    </message>
    <message>
        <source>a Sizes attribute %1 that a screen can hold (at most %2 twips, not %3)</source>
        <translation>атрибут %1 елемента Sizes, що вміщається на екрані (не більше %2 твіпів, а не %3)</translation>
    </message>
    <message>
        <source>the Engines element</source>
        <translation>елемент Engines</translation>
    </message>
    <message>
        <source>the name of engine %1</source>
        <translation>назва сервісу %1</translation>
    </message>
    <message>
        <source>an engine name without an apostrophe (%1)</source>
        <translation>назва сервісу без апострофа (%1)</translation>
    </message>
    <message>
        <source>a usable name for engine %1</source>
        <translation>придатна назва для сервісу %1</translation>
    </message>
    <message>
        <source>the Languages element of engine %1</source>
        <translation>елемент Languages сервісу %1</translation>
    </message>
    <message>
        <source>the name of language %1 of engine %2</source>
        <translation>назва мови %1 сервісу %2</translation>
    </message>
    <message>
        <source>a language at the Languages default %1 of engine %2 (there are %3)</source>
        <translation>мова в позиції %1, заданій типово в Languages сервісу %2 (усього мов: %3)</translation>
    </message>
    <message>
        <source>an engine at the Engines default %1 (there are %2)</source>
        <translation>сервіс у позиції %1, заданій типово в Engines (усього сервісів: %2)</translation>
    </message>
    <message>
        <source>a configuration document</source>
        <translation>документ конфігурації</translation>
    </message>
    <message>
        <source>the Messages element</source>
        <translation>елемент Messages</translation>
    </message>
    <message>
        <source>the Features element</source>
        <translation>елемент Features</translation>
    </message>
    <message>
        <source>the Sizes element</source>
        <translation>елемент Sizes</translation>
    </message>
    <message>
        <source>The configuration sent by the server is incomplete, so the program cannot start. It lacks %1.</source>
        <translation>Конфігурація, надіслана сервером, неповна, тому програма не може запуститися. Бракує: %1.</translation>
    </message>
    <message>
        <source>Please start again later.</source>
        <translation>Спробуйте запустити програму пізніше.</translation>
    </message>
</context>
<context>
    <name>ConfigDocument</name>
    <message>
        <source>%1 at offset %2</source>
        <translation>%1 у позиції %2</translation>
    </message>
    <message>
        <source>no root element</source>
        <translation>немає кореневого елемента</translation>
    </message>
    <message>
        <source>no configuration document is loaded</source>
        <translation>документ конфігурації не завантажено</translation>
    </message>
    <message>
        <source>invalid lookup %1: %2</source>
        <translation>неприпустимий запит %1: %2</translation>
    </message>
</context>
<context>
    <name>ConfigElement</name>
    <message>
        <source>(missing element)</source>
        <translation>(відсутній елемент)</translation>
    </message>
    <message>
        <source>missing element for %1</source>
        <translation>бракує елемента для %1</translation>
    </message>
    <message>
        <source>missing attribute %1</source>
        <translation>бракує атрибута %1</translation>
    </message>
    <message>
        <source>not a 16-bit whole number: %1</source>
        <translation>не 16-бітне ціле число: %1</translation>
    </message>
    <message>
        <source>not a 32-bit whole number: %1</source>
        <translation>не 32-бітне ціле число: %1</translation>
    </message>
    <message>
        <source>not a number: %1</source>
        <translation>не число: %1</translation>
    </message>
</context>
<context>
    <name>ConfigLoader</name>
    <message>
        <source>the connection was refused</source>
        <translation>у з’єднанні відмовлено</translation>
    </message>
    <message>
        <source>the host was not found</source>
        <translation>вузол не знайдено</translation>
    </message>
    <message>
        <source>the server closed the connection before answering</source>
        <translation>сервер закрив з’єднання, не відповівши</translation>
    </message>
    <message>
        <source>timed out: %1</source>
        <translation>час очікування минув: %1</translation>
    </message>
    <message>
        <source>not a usable address: %1</source>
        <translation>непридатна адреса: %1</translation>
    </message>
    <message>
        <source>the server answered with HTTP status %1</source>
        <translation>сервер відповів з HTTP-статусом %1</translation>
    </message>
    <message>
        <source>not a well-formed document: %1</source>
        <translation>документ складено неправильно: %1</translation>
    </message>
</context>
<context>
    <name>DBusInterface</name>
    <message>
        <source>Parlamo has ended.</source>
        <translation>Parlamo завершив роботу.</translation>
    </message>
</context>
<context>
    <name>EngineLists</name>
    <message>
        <source>the document has no Engines element</source>
        <translation>у документі немає елемента Engines</translation>
    </message>
    <message>
        <source>no Languages element for the engine &quot;%1&quot;</source>
        <translation>немає елемента Languages для сервісу «%1»</translation>
    </message>
    <message>
        <source>%1 %2 selects no entry of %3</source>
        <translation>%1 %2 не вказує на жоден запис (усього записів: %3)</translation>
    </message>
    <message>
        <source>the kept language</source>
        <translation>збережена мова</translation>
    </message>
</context>
<context>
    <name>HeadlessCommandLine</name>
    <message>
        <source>Translate TEXT without opening a window and print the result; &quot;-&quot; reads the text from standard input.</source>
        <translation>Перекласти ТЕКСТ, не відкриваючи вікна, і вивести результат; «-» читає текст зі стандартного введення.</translation>
    </message>
    <message>
        <source>TEXT</source>
        <translation>ТЕКСТ</translation>
    </message>
    <message>
        <source>The engine to translate with (default: the service&apos;s).</source>
        <translation>Сервіс для перекладу (типово — заданий службою).</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>НАЗВА</translation>
    </message>
    <message>
        <source>The language pair to translate with (default: the engine&apos;s).</source>
        <translation>Мовна пара для перекладу (типово — задана сервісом).</translation>
    </message>
    <message>
        <source>--list and --translate cannot be used together</source>
        <translation>--list і --translate не можна використовувати разом</translation>
    </message>
    <message>
        <source>--engine and --pair need --translate</source>
        <translation>--engine і --pair потребують --translate</translation>
    </message>
    <message>
        <source>standard input is not UTF-8 text</source>
        <translation>стандартне введення не є текстом у UTF-8</translation>
    </message>
    <message>
        <source>cannot read standard input</source>
        <translation>не вдається прочитати стандартне введення</translation>
    </message>
    <message>
        <source>List the engines and their language pairs, with the codes of their languages where known; the defaults are marked.</source>
        <translation>Перелічити сервіси та їхні мовні пари з кодами мов, де вони відомі; типові значення позначено.</translation>
    </message>
    <message>
        <source>Print the code of the language of TEXT (the arguments, or standard input for none or &quot;-&quot;); exit 1 when not sure.</source>
        <translation>Вивести код мови TEXT (аргументи або стандартний ввід, якщо їх немає або вказано &quot;-&quot;); завершитися з кодом 1, якщо немає певності.</translation>
    </message>
    <message>
        <source>With --pair auto: translate into the language of this code (&quot;en&quot;) from the text&apos;s language.</source>
        <translation>З --pair auto: перекладати з мови тексту мовою з цим кодом (&quot;en&quot;).</translation>
    </message>
    <message>
        <source>CODE</source>
        <translation>КОД</translation>
    </message>
    <message>
        <source>With --translate: print the translation, then on the next line the translation translated back with the reverse pair.</source>
        <translation>З --translate: вивести переклад, а в наступному рядку — переклад, перекладений назад зворотною парою.</translation>
    </message>
    <message>
        <source>--detect cannot be used with --translate or --list</source>
        <translation>--detect не можна використовувати разом із --translate або --list</translation>
    </message>
    <message>
        <source>--to needs --pair auto</source>
        <translation>--to потребує --pair auto</translation>
    </message>
</context>
<context>
    <name>HeadlessTranslation</name>
    <message>
        <source>none</source>
        <translation>немає</translation>
    </message>
    <message>
        <source>cannot load the configuration from %1: %2</source>
        <translation>не вдається завантажити конфігурацію з %1: %2</translation>
    </message>
    <message>
        <source>the document has no Messages element</source>
        <translation>у документі немає елемента Messages</translation>
    </message>
    <message>
        <source>the service allows no translations now</source>
        <translation>служба зараз не дозволяє перекладів</translation>
    </message>
    <message>
        <source>the configuration from %1 cannot be used: %2</source>
        <translation>конфігурацію з %1 не можна використати: %2</translation>
    </message>
    <message>
        <source>[default]</source>
        <translation>[типово]</translation>
    </message>
    <message>
        <source>there is no text to translate</source>
        <translation>немає тексту для перекладу</translation>
    </message>
    <message>
        <source>unknown engine %1; the engines are %2</source>
        <translation>невідомий сервіс %1; доступні сервіси: %2</translation>
    </message>
    <message>
        <source>unknown language pair %1 of engine %2; its pairs are %3</source>
        <translation>невідома мовна пара %1 сервісу %2; його пари: %3</translation>
    </message>
    <message>
        <source>engine %1 at %2</source>
        <translation>сервіс %1 за адресою %2</translation>
    </message>
    <message>
        <source>cannot ask %1: %2</source>
        <translation>не вдається надіслати запит (%1): %2</translation>
    </message>
    <message>
        <source>cannot reach %1: %2</source>
        <translation>%1 недоступний: %2</translation>
    </message>
    <message>
        <source>%1 sent no answer within %2 s</source>
        <translation>%1 не відповів протягом %2 с</translation>
    </message>
    <message>
        <source>%1 answered with HTTP status %2</source>
        <translation>%1 відповів з HTTP-статусом %2</translation>
    </message>
    <message>
        <source>no translation found in the answer of %1 (its markers do not occur in it)</source>
        <translation>у відповіді %1 не знайдено перекладу (у ній немає міток сервісу)</translation>
    </message>
    <message>
        <source>not sure</source>
        <translation>немає певності</translation>
    </message>
    <message>
        <source>language detection is not available: %1</source>
        <translation>визначення мови недоступне: %1</translation>
    </message>
    <message>
        <source>not sure which language the text is in</source>
        <translation>немає певності, якою мовою текст</translation>
    </message>
    <message>
        <source>engine %1 has no language pair from %2 to %3</source>
        <translation>сервіс %1 не має мовної пари з %2 на %3</translation>
    </message>
    <message>
        <source>engine %1 has no language pair that translates back from %2</source>
        <translation>сервіс %1 не має мовної пари для зворотного перекладу з %2</translation>
    </message>
</context>
<context>
    <name>HearItCommand</name>
    <message>
        <source>No Sound file found.</source>
        <translation>Звуковий файл не знайдено.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Скасовано.</translation>
    </message>
    <message>
        <source>Downloading Sound file...</source>
        <translation>Завантаження звукового файлу...</translation>
    </message>
    <message>
        <source>Unable to detect WAV device in this system.</source>
        <translation>Не вдалося виявити WAV-пристрій у цій системі.</translation>
    </message>
</context>
<context>
    <name>HistoryCommandLine</name>
    <message>
        <source>Print the translation history, newest first, without opening a window.</source>
        <translation>Вивести журнал перекладів, починаючи з нових, не відкриваючи вікна.</translation>
    </message>
    <message>
        <source>With --history: only the entries whose text or translation holds WORD, in any letter case.</source>
        <translation>З --history: лише записи, текст або переклад яких містить СЛОВО, без урахування регістру.</translation>
    </message>
    <message>
        <source>WORD</source>
        <translation>СЛОВО</translation>
    </message>
    <message>
        <source>With --history: tsv (the default: tab-separated, no header) or csv (RFC 4180, with a header row).</source>
        <translation>З --history: tsv (типово: через табуляцію, без заголовка) або csv (RFC 4180, з рядком заголовка).</translation>
    </message>
    <message>
        <source>--search and --format need --history</source>
        <translation>--search і --format потребують --history</translation>
    </message>
    <message>
        <source>--history cannot be used with --%1</source>
        <translation>--history не можна використовувати з --%1</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot;: tsv or csv</source>
        <translation>невідомий формат «%1»: допустимі tsv або csv</translation>
    </message>
    <message>
        <source>cannot read the history in %1: %2</source>
        <translation>не вдається прочитати журнал у %1: %2</translation>
    </message>
</context>
<context>
    <name>HistoryModel</name>
    <message>
        <source>Time</source>
        <translation>Час</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Сервіс</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Мови</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Переклад</translation>
    </message>
</context>
<context>
    <name>HistoryReader</name>
    <message>
        <source>unknown database error</source>
        <translation>невідома помилка бази даних</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 не є файлом</translation>
    </message>
    <message>
        <source>the SQLite driver of Qt SQL is not installed</source>
        <translation>драйвер SQLite для Qt SQL не встановлено</translation>
    </message>
    <message>
        <source>the history database is damaged</source>
        <translation>базу даних журналу пошкоджено</translation>
    </message>
</context>
<context>
    <name>HistoryStore</name>
    <message>
        <source>unknown database error</source>
        <translation>невідома помилка бази даних</translation>
    </message>
    <message>
        <source>cannot create the folder of %1</source>
        <translation>не вдається створити теку для %1</translation>
    </message>
    <message>
        <source>the SQLite driver of Qt SQL is not installed</source>
        <translation>драйвер SQLite для Qt SQL не встановлено</translation>
    </message>
    <message>
        <source>the history database is damaged</source>
        <translation>базу даних журналу пошкоджено</translation>
    </message>
    <message>
        <source>History is off for this run: %1.</source>
        <translation>Журнал вимкнено до наступного запуску: %1.</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>History</source>
        <translation>Журнал</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Пошук</translation>
    </message>
    <message>
        <source>Search the history</source>
        <translation>Шукати в журналі</translation>
    </message>
    <message>
        <source>Translations</source>
        <translation>Переклади</translation>
    </message>
    <message>
        <source>Enter or a double click puts the translation back</source>
        <translation>Enter або подвійне клацання повертає переклад у вікно</translation>
    </message>
    <message>
        <source>Writes the listed translations to a CSV file</source>
        <translation>Записує показані переклади у файл CSV</translation>
    </message>
    <message>
        <source>Clear the whole history? This cannot be undone.</source>
        <translation>Очистити весь журнал? Цю дію не можна скасувати.</translation>
    </message>
    <message>
        <source>Export History</source>
        <translation>Експорт журналу</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Файли CSV (*.csv);;Усі файли (*)</translation>
    </message>
    <message>
        <source>The history could not be written to %1.</source>
        <translation>Не вдалося записати журнал у %1.</translation>
    </message>
    <message>
        <source>Lists only the translations whose texts hold these letters; the arrow keys walk the list.</source>
        <translation>Показує лише переклади, тексти яких містять ці літери; клавіші зі стрілками переміщують списком.</translation>
    </message>
    <message>
        <source>&amp;Keep a history</source>
        <translation>&amp;Вести журнал</translation>
    </message>
    <message>
        <source>Whether new translations are kept, also after a restart</source>
        <translation>Чи зберігати нові переклади, зокрема після перезапуску</translation>
    </message>
    <message>
        <source>C&amp;lear History</source>
        <translation>&amp;Очистити журнал</translation>
    </message>
    <message>
        <source>Forgets every kept translation, after asking</source>
        <translation>Видаляє всі збережені переклади після підтвердження</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Експорт...</translation>
    </message>
</context>
<context>
    <name>HttpTransfer</name>
    <message>
        <source>The answer is larger than %1 MiB.</source>
        <translation>Розмір відповіді перевищує %1 МіБ.</translation>
    </message>
    <message>
        <source>The answer is larger than %1 bytes.</source>
        <translation>Розмір відповіді перевищує %1 байтів.</translation>
    </message>
    <message>
        <source>The transfer took longer than %1 seconds.</source>
        <translation>Передавання тривало довше за %1 с.</translation>
    </message>
    <message>
        <source>Not a usable address: %1</source>
        <translation>Непридатна адреса: %1</translation>
    </message>
    <message>
        <source>Not a usable method: %1</source>
        <translation>Непридатний метод: %1</translation>
    </message>
    <message>
        <source>Not a usable header line: %1</source>
        <translation>Непридатний рядок заголовка: %1</translation>
    </message>
    <message>
        <source>Cannot start the transfer.</source>
        <translation>Не вдається розпочати передавання.</translation>
    </message>
    <message>
        <source>Refused a redirect to %1</source>
        <translation>Відхилено переспрямування на %1</translation>
    </message>
    <message>
        <source>The answer&apos;s header has a broken line.</source>
        <translation>У заголовку відповіді є пошкоджений рядок.</translation>
    </message>
    <message>
        <source>The answer&apos;s trailer is too large.</source>
        <translation>Трейлер відповіді завеликий.</translation>
    </message>
    <message>
        <source>The answer&apos;s header is too large.</source>
        <translation>Заголовок відповіді завеликий.</translation>
    </message>
    <message>
        <source>The server&apos;s answer is not HTTP.</source>
        <translation>Відповідь сервера не є HTTP.</translation>
    </message>
    <message>
        <source>The server switched protocols.</source>
        <translation>Сервер змінив протокол.</translation>
    </message>
    <message>
        <source>The answer&apos;s transfer coding is not readable: %1</source>
        <translation>Не вдається прочитати кодування передавання відповіді: %1</translation>
    </message>
    <message>
        <source>The answer&apos;s length is unreadable.</source>
        <translation>Не вдається прочитати довжину відповіді.</translation>
    </message>
    <message>
        <source>The connection ended inside the answer&apos;s header.</source>
        <translation>З’єднання обірвалося посеред заголовка відповіді.</translation>
    </message>
    <message>
        <source>Cannot connect to %1: %2</source>
        <translation>Не вдається під’єднатися до %1: %2</translation>
    </message>
    <message>
        <source>The server&apos;s certificate was refused: %1</source>
        <translation>Сертифікат сервера відхилено: %1</translation>
    </message>
    <message>
        <source>The secure connection failed: %1</source>
        <translation>Не вдалося встановити захищене з’єднання: %1</translation>
    </message>
    <message>
        <source>The server closed the connection without answering.</source>
        <translation>Сервер закрив з’єднання, не відповівши.</translation>
    </message>
    <message>
        <source>The connection ended before the whole answer.</source>
        <translation>З’єднання обірвалося до отримання всієї відповіді.</translation>
    </message>
    <message>
        <source>The connection ended after %1 of %2 bytes.</source>
        <translation>З’єднання обірвалося після %1 з %2 байтів.</translation>
    </message>
    <message>
        <source>Too many redirects.</source>
        <translation>Забагато переспрямувань.</translation>
    </message>
    <message>
        <source>The server&apos;s answer is not readable HTTP: %1</source>
        <translation>Відповідь сервера не є читабельним HTTP: %1</translation>
    </message>
    <message>
        <source>The server sent nothing for %1 seconds.</source>
        <translation>Сервер нічого не надсилав протягом %1 с.</translation>
    </message>
    <message>
        <source>The server sent no answer within %1 seconds.</source>
        <translation>Сервер не відповів протягом %1 с.</translation>
    </message>
    <message>
        <source>The transfer was cancelled.</source>
        <translation>Передавання скасовано.</translation>
    </message>
    <message>
        <source>The answer could not be stored.</source>
        <translation>Не вдалося зберегти відповідь.</translation>
    </message>
</context>
<context>
    <name>ImageCommandLine</name>
    <message>
        <source>there is no screen to read</source>
        <translation>немає екрана для читання</translation>
    </message>
    <message>
        <source>the screen cannot be read here</source>
        <translation>тут неможливо прочитати екран</translation>
    </message>
    <message>
        <source>Print the text read from an image file (PNG, JPEG...) in the language of --pair&apos;s source, else in English.</source>
        <translation>Вивести текст, прочитаний з файлу зображення (PNG, JPEG...), початковою мовою пари --pair, а без неї — англійською.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>ФАЙЛ</translation>
    </message>
    <message>
        <source>Print the translation of the text read from an image file.</source>
        <translation>Вивести переклад тексту, прочитаного з файлу зображення.</translation>
    </message>
    <message>
        <source>Print the text read from an area of the screen (needs a display).</source>
        <translation>Вивести текст, прочитаний з області екрана (потрібен дисплей).</translation>
    </message>
    <message>
        <source>X,Y,W,H</source>
        <translation>X,Y,Ш,В</translation>
    </message>
    <message>
        <source>--read-image, --translate-image, --read-screen, --translate and --list cannot be used together</source>
        <translation>--read-image, --translate-image, --read-screen, --translate і --list не можна використовувати разом</translation>
    </message>
    <message>
        <source>--read-screen wants X,Y,W,H with a positive width and height</source>
        <translation>--read-screen очікує X,Y,Ш,В з додатними шириною й висотою</translation>
    </message>
    <message>
        <source>cannot read the image %1: %2</source>
        <translation>не вдається прочитати зображення %1: %2</translation>
    </message>
    <message>
        <source>no text was found in the image</source>
        <translation>на зображенні не знайдено тексту</translation>
    </message>
</context>
<context>
    <name>LayoutMath</name>
    <message>
        <source>not a number: %1</source>
        <translation>не число: %1</translation>
    </message>
    <message>
        <source>the document has no Sizes element</source>
        <translation>у документі немає елемента Sizes</translation>
    </message>
</context>
<context>
    <name>LazySoundOutput</name>
    <message>
        <source>%1 belongs to another user</source>
        <translation>%1 належить іншому користувачеві</translation>
    </message>
    <message>
        <source>other users may change %1</source>
        <translation>інші користувачі можуть змінювати %1</translation>
    </message>
    <message>
        <source>No sound: the sound module %1 was not found.</source>
        <translation>Немає звуку: звуковий модуль %1 не знайдено.</translation>
    </message>
    <message>
        <source>No sound: the sound module could not be loaded (%1).</source>
        <translation>Немає звуку: не вдалося завантажити звуковий модуль (%1).</translation>
    </message>
</context>
<context>
    <name>NoScreenArea</name>
    <message>
        <source>The screen cannot be read on this desktop.</source>
        <translation>У цьому стільничному середовищі неможливо прочитати екран.</translation>
    </message>
</context>
<context>
    <name>OutsideTranslation</name>
    <message>
        <source>Choose a language pair in the main window first.</source>
        <translation>Спочатку виберіть мовну пару в головному вікні.</translation>
    </message>
    <message>
        <source>There is no text to translate.</source>
        <translation>Немає тексту для перекладу.</translation>
    </message>
</context>
<context>
    <name>PairRule</name>
    <message>
        <source>The language pairs of this engine do not say which languages they join, so the language of a text cannot pick one.</source>
        <translation>Мовні пари цього сервісу не вказують, які мови вони поєднують, тож мова тексту не може вибрати пару.</translation>
    </message>
    <message>
        <source>%1 → %2 (detected)</source>
        <translation>%1 → %2 (визначено)</translation>
    </message>
    <message>
        <source>%1 (the language of the text is not clear)</source>
        <translation>%1 (мова тексту неясна)</translation>
    </message>
    <message>
        <source>No pair from %1</source>
        <translation>Немає пари з мови: %1</translation>
    </message>
    <message>
        <source>%1 (no pair from %2)</source>
        <translation>%1 (немає пари з мови: %2)</translation>
    </message>
</context>
<context>
    <name>PortalGlobalShortcut</name>
    <message>
        <source>The selection shortcut %1 is not a key the desktop can bind.</source>
        <translation>Стільничне середовище не може призначити клавішу перекладу виділеного %1.</translation>
    </message>
    <message>
        <source>The desktop did not bind the selection shortcut %1 (%2).</source>
        <translation>Стільничне середовище не призначило клавішу перекладу виділеного %1 (%2).</translation>
    </message>
    <message>
        <source>The selection shortcut %1 was not bound: the desktop&apos;s question was cancelled.</source>
        <translation>Клавішу перекладу виділеного %1 не призначено: запит стільничного середовища скасовано.</translation>
    </message>
    <message>
        <source>The desktop did not bind the selection shortcut %1.</source>
        <translation>Стільничне середовище не призначило клавішу перекладу виділеного %1.</translation>
    </message>
    <message>
        <source>Translate the selection</source>
        <translation>Перекласти виділене</translation>
    </message>
    <message>
        <source>This desktop holds no keys for programs, so the selection shortcut %1 is off: bind &quot;%2 --translate-selection&quot; to a key in the desktop&apos;s keyboard settings instead.</source>
        <translation>Це стільничне середовище не призначає клавіш програмам, тому клавішу перекладу виділеного %1 вимкнено: натомість призначте клавішу команді «%2 --translate-selection» у налаштуваннях клавіатури стільничного середовища.</translation>
    </message>
    <message>
        <source>The screen area shortcut %1 is not a key the desktop can bind.</source>
        <translation>Стільничне середовище не може призначити клавішу перекладу області екрана %1.</translation>
    </message>
    <message>
        <source>The desktop did not bind the screen area shortcut %1 (%2).</source>
        <translation>Стільничне середовище не призначило клавішу перекладу області екрана %1 (%2).</translation>
    </message>
    <message>
        <source>The screen area shortcut %1 was not bound: the desktop&apos;s question was cancelled.</source>
        <translation>Клавішу перекладу області екрана %1 не призначено: запит стільничного середовища скасовано.</translation>
    </message>
    <message>
        <source>Translate an area of the screen</source>
        <translation>Перекласти область екрана</translation>
    </message>
    <message>
        <source>This desktop holds no keys for programs, so the screen area shortcut %1 is off: bind &quot;%2 --translate-screen-area&quot; to a key in the desktop&apos;s keyboard settings instead.</source>
        <translation>Це стільничне середовище не призначає клавіш програмам, тому клавішу перекладу області екрана %1 вимкнено: натомість призначте клавішу команді «%2 --translate-screen-area» у налаштуваннях клавіатури стільничного середовища.</translation>
    </message>
    <message>
        <source>The desktop did not bind the screen area shortcut %1.</source>
        <translation>Стільничне середовище не призначило клавішу перекладу області екрана %1.</translation>
    </message>
</context>
<context>
    <name>ReversePair</name>
    <message>
        <source>no language pairs for engine %1</source>
        <translation>немає мовних пар для сервісу %1</translation>
    </message>
</context>
<context>
    <name>RunningCopy</name>
    <message>
        <source>Parlamo is already running but does not answer (%1).</source>
        <translation>Parlamo вже запущено, але він не відповідає (%1).</translation>
    </message>
    <message>
        <source>Parlamo is already running but does not answer.</source>
        <translation>Parlamo вже запущено, але він не відповідає.</translation>
    </message>
    <message>
        <source>%1 cannot be made (%2).</source>
        <translation>Не вдається створити %1 (%2).</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 не є текою.</translation>
    </message>
    <message>
        <source>%1 belongs to another user.</source>
        <translation>%1 належить іншому користувачеві.</translation>
    </message>
    <message>
        <source>Other users may use %1.</source>
        <translation>Інші користувачі можуть використовувати %1.</translation>
    </message>
    <message>
        <source>Cannot make sure that only one copy of Parlamo runs: %1</source>
        <translation>Не вдається гарантувати, що запущено лише одну копію Parlamo: %1</translation>
    </message>
</context>
<context>
    <name>ScreenAreaPicker</name>
    <message>
        <source>The screen cannot be read on this desktop.</source>
        <translation>У цьому стільничному середовищі неможливо прочитати екран.</translation>
    </message>
    <message>
        <source>The desktop does not let Parlamo read the screen (%1).</source>
        <translation>Стільничне середовище не дозволяє Parlamo читати екран (%1).</translation>
    </message>
    <message>
        <source>The desktop gave no picture of the screen.</source>
        <translation>Стільничне середовище не надало зображення екрана.</translation>
    </message>
</context>
<context>
    <name>SelectionPopup</name>
    <message>
        <source>Parlamo Translation</source>
        <translation>Переклад Parlamo</translation>
    </message>
    <message>
        <source>Source text</source>
        <translation>Початковий текст</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Переклад</translation>
    </message>
    <message>
        <source>The translation. Ctrl+Shift+C copies it, Ctrl+Shift+S speaks it, Esc closes.</source>
        <translation>Переклад. Ctrl+Shift+C копіює його, Ctrl+Shift+S читає вголос, Esc закриває.</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копіювати</translation>
    </message>
    <message>
        <source>Copy the translation to the clipboard (Ctrl+Shift+C).</source>
        <translation>Скопіювати переклад до буфера обміну (Ctrl+Shift+C).</translation>
    </message>
    <message>
        <source>&amp;Open in Window</source>
        <translation>&amp;Відкрити у вікні</translation>
    </message>
    <message>
        <source>Show both texts in the main window (Ctrl+O).</source>
        <translation>Показати обидва тексти в головному вікні (Ctrl+O).</translation>
    </message>
    <message>
        <source>Copied to the clipboard.</source>
        <translation>Скопійовано до буфера обміну.</translation>
    </message>
    <message>
        <source>Translation back</source>
        <translation>Зворотний переклад</translation>
    </message>
    <message>
        <source>The translation of the selected text.</source>
        <translation>Переклад виділеного тексту.</translation>
    </message>
    <message>
        <source>The selected text.</source>
        <translation>Виділений текст.</translation>
    </message>
    <message>
        <source>Its translation, or what went wrong.</source>
        <translation>Його переклад або опис помилки.</translation>
    </message>
    <message>
        <source>What the translation is doing or has done.</source>
        <translation>Що відбувається з перекладом зараз або вже відбулося.</translation>
    </message>
    <message>
        <source>The text read from the screen. Correct it and press Ctrl+Enter to translate it again.</source>
        <translation>Текст, прочитаний з екрана. Виправте його й натисніть Ctrl+Enter, щоб перекласти знову.</translation>
    </message>
</context>
<context>
    <name>ShortcutDialog</name>
    <message>
        <source>Selection Shortcut</source>
        <translation>Клавіша перекладу виділеного</translation>
    </message>
    <message>
        <source>Select text in any application and press this key to read its translation in a small window. Press the new key here, or clear it to turn the shortcut off.</source>
        <translation>Виділіть текст у будь-якій програмі й натисніть цю клавішу, щоб прочитати його переклад у маленькому вікні. Натисніть тут нову клавішу або очистьте поле, щоб вимкнути цю комбінацію.</translation>
    </message>
    <message>
        <source>Selection shortcut</source>
        <translation>Клавіша перекладу виділеного</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Очистити</translation>
    </message>
    <message>
        <source>Turns the shortcut off</source>
        <translation>Вимикає комбінацію клавіш</translation>
    </message>
    <message>
        <source>Screen Area Shortcut</source>
        <translation>Клавіша перекладу області екрана</translation>
    </message>
    <message>
        <source>Press this key in any application, then drag over an area of the screen to read its text and its translation in a small window. Press the new key here, or clear it to turn the shortcut off.</source>
        <translation>Натисніть цю клавішу в будь-якій програмі, потім виділіть мишею область екрана, щоб прочитати її текст і його переклад у маленькому вікні. Натисніть тут нову клавішу або очистьте поле, щоб вимкнути цю комбінацію.</translation>
    </message>
    <message>
        <source>Screen area shortcut</source>
        <translation>Клавіша перекладу області екрана</translation>
    </message>
</context>
<context>
    <name>SpeakCommand</name>
    <message>
        <source>There is no translation to speak.</source>
        <translation>Немає перекладу, який можна прочитати вголос.</translation>
    </message>
    <message>
        <source>No speech for this language pair.</source>
        <translation>Для цієї мовної пари немає озвучення.</translation>
    </message>
    <message>
        <source>The spoken translation could not be fetched.</source>
        <translation>Не вдалося отримати озвучений переклад.</translation>
    </message>
    <message>
        <source>Speaking...</source>
        <translation>Озвучення...</translation>
    </message>
    <message>
        <source>The spoken translation could not be stored.</source>
        <translation>Не вдалося зберегти озвучений переклад.</translation>
    </message>
    <message>
        <source>No sound output device was found.</source>
        <translation>Не знайдено пристрою виведення звуку.</translation>
    </message>
    <message>
        <source>The spoken translation is not a playable sound.</source>
        <translation>Озвучений переклад не можна відтворити.</translation>
    </message>
    <message>
        <source>Spoken.</source>
        <translation>Озвучено.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Скасовано.</translation>
    </message>
</context>
<context>
    <name>StartMode</name>
    <message>
        <source>the document has no Features element</source>
        <translation>у документі немає елемента Features</translation>
    </message>
</context>
<context>
    <name>StartupSequence</name>
    <message>
        <source>v%1.%2 build %3</source>
        <translation>v%1.%2 збірка %3</translation>
    </message>
    <message>
        <source>You are not connected to the internet. Please connect, and start again.</source>
        <translation>Немає з’єднання з інтернетом. Під’єднайтеся й запустіть програму знову.</translation>
    </message>
    <message>
        <source>Address asked for: %1</source>
        <translation>Запитана адреса: %1</translation>
    </message>
    <message>
        <source>What went wrong: %1</source>
        <translation>Причина: %1</translation>
    </message>
    <message>
        <source>Loading preferences</source>
        <translation>Завантаження налаштувань</translation>
    </message>
    <message>
        <source>the document was refused: it lacks %1</source>
        <translation>документ відхилено: у ньому бракує %1</translation>
    </message>
    <message>
        <source>Loading updated server configuration</source>
        <translation>Завантаження конфігурації сервера</translation>
    </message>
    <message>
        <source>Initialized</source>
        <translation>Ініціалізовано</translation>
    </message>
    <message>
        <source>, minimizing to tray.</source>
        <translation>, згортання до системного лотка.</translation>
    </message>
</context>
<context>
    <name>TextRecognizer</name>
    <message>
        <source>The reading was cancelled.</source>
        <translation>Читання скасовано.</translation>
    </message>
    <message>
        <source>Text in this language cannot be read: its data (%1) is missing. Install the package %2.</source>
        <translation>Текст цією мовою неможливо прочитати: бракує даних мови (%1). Установіть пакет %2.</translation>
    </message>
    <message>
        <source>The text could not be read: %1</source>
        <translation>Не вдалося прочитати текст: %1</translation>
    </message>
</context>
<context>
    <name>TranslateAnywhere</name>
    <message>
        <source>Choose another one under Options &gt; Selection Shortcut...</source>
        <translation>Виберіть іншу: Параметри &gt; Клавіша перекладу виділеного...</translation>
    </message>
    <message>
        <source>Reading the selection...</source>
        <translation>Читання виділеного...</translation>
    </message>
    <message>
        <source>No text is selected. Select a text, then press the key again.</source>
        <translation>Текст не виділено. Виділіть текст і знову натисніть клавішу.</translation>
    </message>
    <message>
        <source>Reading the clipboard...</source>
        <translation>Читання буфера обміну...</translation>
    </message>
    <message>
        <source>The clipboard holds no text.</source>
        <translation>У буфері обміну немає тексту.</translation>
    </message>
    <message>
        <source>Translating from %1</source>
        <translation>Триває переклад: %1</translation>
    </message>
    <message>
        <source>The language of the text is not clear.</source>
        <translation>Мова тексту неясна.</translation>
    </message>
    <message>
        <source>No language pair translates %1 into %2.</source>
        <translation>Жодна мовна пара не перекладає з мови %1 на %2.</translation>
    </message>
    <message>
        <source>No language pair translates back from %1.</source>
        <translation>Жодна мовна пара не перекладає назад з %1.</translation>
    </message>
    <message>
        <source>Translating back from %1</source>
        <translation>Зворотний переклад парою %1</translation>
    </message>
    <message>
        <source>Back: %1</source>
        <translation>Назад: %1</translation>
    </message>
    <message>
        <source>Choose another one under Options &gt; Screen Area Shortcut...</source>
        <translation>Виберіть іншу: Параметри &gt; Клавіша перекладу області екрана...</translation>
    </message>
    <message>
        <source>Reading the screen...</source>
        <translation>Читання екрана...</translation>
    </message>
    <message>
        <source>No text was found in the area.</source>
        <translation>У цій області не знайдено тексту.</translation>
    </message>
    <message>
        <source>The selection&apos;s owner did not answer.</source>
        <translation>Програма, якій належить виділення, не відповіла.</translation>
    </message>
</context>
<context>
    <name>TranslateCommand</name>
    <message>
        <source>Translation failed: %1</source>
        <translation>Не вдалося перекласти: %1</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Скасовано.</translation>
    </message>
    <message>
        <source>Translation failed at %1: %2</source>
        <translation>Не вдалося перекласти на сервері %1: %2</translation>
    </message>
    <message>
        <source>Translation timed out: %1 did not answer.</source>
        <translation>Час очікування перекладу минув: %1 не відповів.</translation>
    </message>
    <message>
        <source>No translation found in the answer of %1.</source>
        <translation>У відповіді %1 не знайдено перекладу.</translation>
    </message>
</context>
<context>
    <name>TranslationHistory</name>
    <message>
        <source>History is off for this run.</source>
        <translation>Журнал вимкнено до наступного запуску.</translation>
    </message>
</context>
<context>
    <name>TranslationPipeline</name>
    <message>
        <source>The text is too long to send (%1 characters in its request; at most %2).</source>
        <translation>Текст задовгий для надсилання (символів у запиті: %1; допустимо не більше %2).</translation>
    </message>
    <message>
        <source>no engine named %1</source>
        <translation>немає сервісу з назвою %1</translation>
    </message>
    <message>
        <source>no language pair named %1</source>
        <translation>немає мовної пари з назвою %1</translation>
    </message>
</context>
<context>
    <name>X11GlobalShortcut</name>
    <message>
        <source>The selection shortcut %1 is not a key this keyboard has.</source>
        <translation>Клавіші перекладу виділеного %1 немає на цій клавіатурі.</translation>
    </message>
    <message>
        <source>The selection shortcut %1 is taken by another program.</source>
        <translation>Клавішу перекладу виділеного %1 зайнято іншою програмою.</translation>
    </message>
    <message>
        <source>The screen area shortcut %1 is not a key this keyboard has.</source>
        <translation>Клавіші перекладу області екрана %1 немає на цій клавіатурі.</translation>
    </message>
    <message>
        <source>The screen area shortcut %1 is taken by another program.</source>
        <translation>Клавішу перекладу області екрана %1 зайнято іншою програмою.</translation>
    </message>
</context>
<context>
    <name>frmTranslate</name>
    <message>
        <source>Translating from %1</source>
        <translation>Триває переклад: %1</translation>
    </message>
    <message>
        <source>Translated.</source>
        <translation>Перекладено.</translation>
    </message>
    <message>
        <source>The service configuration could not be used (%1). The program will close.</source>
        <translation>Не вдалося використати конфігурацію служби (%1). Програму буде закрито.</translation>
    </message>
    <message>
        <source>no configuration document</source>
        <translation>немає документа конфігурації</translation>
    </message>
    <message>
        <source>The languages of this engine could not be listed (%1).</source>
        <translation>Не вдалося отримати список мов цього сервісу (%1).</translation>
    </message>
    <message>
        <source>The window layout could not be applied (%1).</source>
        <translation>Не вдалося застосувати компонування вікна (%1).</translation>
    </message>
    <message>
        <source>No address for %1 has been configured. Please try again later.</source>
        <translation>Адресу для «%1» не налаштовано. Повторіть спробу пізніше.</translation>
    </message>
    <message>
        <source>Online Help</source>
        <translation>Онлайн-довідка</translation>
    </message>
    <message>
        <source>Online Support</source>
        <translation>Онлайн-підтримка</translation>
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
        <translation>Про&amp;слухати!</translation>
    </message>
    <message>
        <source>Type a word to Hear It</source>
        <translation>Введіть слово</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>Ви&amp;йти</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Параметри</translation>
    </message>
    <message>
        <source>&amp;Load on Startup</source>
        <translation>&amp;Запускати під час входу в систему</translation>
    </message>
    <message>
        <source>&amp;Selection Shortcut...</source>
        <translation>Клавіша &amp;перекладу виділеного...</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Журнал...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Довідка</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Онлайн-довідка</translation>
    </message>
    <message>
        <source>Online &amp;Support</source>
        <translation>Онлайн-&amp;підтримка</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Відкрити</translation>
    </message>
    <message>
        <source>Source text</source>
        <translation>Початковий текст</translation>
    </message>
    <message>
        <source>The text to translate.</source>
        <translation>Текст для перекладу.</translation>
    </message>
    <message>
        <source>The text to translate. Ctrl+Enter translates it.</source>
        <translation>Текст для перекладу. Ctrl+Enter перекладає його.</translation>
    </message>
    <message>
        <source>Language pair</source>
        <translation>Мовна пара</translation>
    </message>
    <message>
        <source>From which language into which one.</source>
        <translation>З якої мови на яку.</translation>
    </message>
    <message>
        <source>The language pair (Ctrl+R: the other way round)</source>
        <translation>Мовна пара (Ctrl+R: у зворотний бік)</translation>
    </message>
    <message>
        <source>The online service that translates.</source>
        <translation>Онлайн-сервіс, який виконує переклад.</translation>
    </message>
    <message>
        <source>The translation engine</source>
        <translation>Сервіс перекладу</translation>
    </message>
    <message>
        <source>Translate</source>
        <translation>Перекласти</translation>
    </message>
    <message>
        <source>Sends the source text to the engine and shows the translation.</source>
        <translation>Надсилає початковий текст сервісу й показує переклад.</translation>
    </message>
    <message>
        <source>Translate the text (Ctrl+Enter in the text). Esc cancels.</source>
        <translation>Перекласти текст (Ctrl+Enter у полі тексту). Esc скасовує.</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Переклад</translation>
    </message>
    <message>
        <source>The translated text of the last translation.</source>
        <translation>Текст останнього перекладу.</translation>
    </message>
    <message>
        <source>The translation. Ctrl+Shift+C copies it.</source>
        <translation>Переклад. Ctrl+Shift+C копіює його.</translation>
    </message>
    <message>
        <source>Word to hear</source>
        <translation>Слово для прослуховування</translation>
    </message>
    <message>
        <source>A word to hear spoken; messages about the sound show here too.</source>
        <translation>Слово, яке потрібно вимовити; тут також показуються повідомлення про звук.</translation>
    </message>
    <message>
        <source>Hear It</source>
        <translation>Прослухати</translation>
    </message>
    <message>
        <source>Fetches and plays the pronunciation of the word.</source>
        <translation>Завантажує й відтворює вимову слова.</translation>
    </message>
    <message>
        <source>Hear the word spoken (Enter in the word box). Esc cancels.</source>
        <translation>Прослухати вимову слова (Enter у полі слова). Esc скасовує.</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Підказка</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Рядок стану</translation>
    </message>
    <message>
        <source>What the program is doing, and the keyboard&apos;s state.</source>
        <translation>Що зараз робить програма, і стан клавіатури.</translation>
    </message>
    <message>
        <source>What the program is doing or has just done.</source>
        <translation>Що програма робить зараз або щойно зробила.</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>Caps Lock</translation>
    </message>
    <message>
        <source>Caps Lock indicator.</source>
        <translation>Індикатор Caps Lock.</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Вставка</translation>
    </message>
    <message>
        <source>Insert indicator.</source>
        <translation>Індикатор режиму вставлення.</translation>
    </message>
    <message>
        <source>Type a word and press Enter to hear it.</source>
        <translation>Введіть слово й натисніть Enter, щоб прослухати його.</translation>
    </message>
    <message>
        <source>&amp;Detect Language</source>
        <translation>&amp;Визначити мову</translation>
    </message>
    <message>
        <source>Screen &amp;Area Shortcut...</source>
        <translation>Клавіша перекладу області &amp;екрана...</translation>
    </message>
    <message>
        <source>Translate an &amp;Area of the Screen</source>
        <translation>Перекласти область &amp;екрана</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Сервіс</translation>
    </message>
</context>
<context>
    <name>mGlobal</name>
    <message>
        <source>Loaded, and mimized to tray.</source>
        <translation>Завантажено й згорнуто до системного лотка.</translation>
    </message>
    <message>
        <source>Double-click to open.</source>
        <translation>Двічі клацніть, щоб відкрити.</translation>
    </message>
</context>
<context>
    <name>mMain</name>
    <message>
        <source>The configuration sent by the server cannot be used: %1</source>
        <translation>Конфігурацію, надіслану сервером, не можна використати: %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Parlamo could not start.</source>
        <translation>Не вдалося запустити Parlamo.</translation>
    </message>
    <message>
        <source>reading the screen needs a display</source>
        <translation>для читання екрана потрібен дисплей</translation>
    </message>
</context>
</TS>
