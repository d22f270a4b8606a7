<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>AppCommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Показать эту справку и выйти.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Показать версию и выйти.</translation>
    </message>
    <message>
        <source>Translate the selected text in a small window (the running program&apos;s, or this one&apos;s once its window is loaded). Meant for a desktop shortcut.</source>
        <translation>Перевести выделенный текст в маленьком окне (запущенной программы или, когда её окно загрузится, этой). Предназначено для комбинации клавиш рабочего окружения.</translation>
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
        <translation>Parlamo — настольный клиент для онлайн-перевода. При каждом запуске он получает
настройки службы с сервера конфигурации (встроенного; его можно заменить через
PARLAMO_CONFIG_HOST=хост[:порт]).
Прокси берутся из http_proxy, https_proxy, all_proxy и no_proxy (а также
HTTPS_PROXY, ALL_PROXY, NO_PROXY) так же, как их читает curl; если ни одна
из них не задана — из настроек прокси рабочего окружения.
Без --help, --version, --translate, --list или --history открывается окно,
а остальные параметры игнорируются. См. RaDudezozad(1).</translation>
    </message>
    <message>
        <source>Started at log-on: in tray mode, go to the tray without a notice.</source>
        <translation>Запуск при входе в систему: в режиме системного лотка свернуться в лоток без уведомления.</translation>
    </message>
    <message>
        <source>Show the window, without a tray icon, even in tray mode.</source>
        <translation>Показать окно без значка в системном лотке, даже в режиме лотка.</translation>
    </message>
    <message>
        <source>Usage: %1 [options] [/startup] [/debug]</source>
        <translation>Использование: %1 [параметры] [/startup] [/debug]</translation>
    </message>
    <message>
        <source>Pick an area of the screen, read its text and translate it in a small window (the running program&apos;s, or this one&apos;s once its window is loaded).</source>
        <translation>Выбрать область экрана, прочитать её текст и перевести его в маленьком окне (запущенной программы или, когда её окно загрузится, этой).</translation>
    </message>
</context>
<context>
    <name>AppRequests</name>
    <message>
        <source>Parlamo has ended.</source>
        <translation>Parlamo завершил работу.</translation>
    </message>
    <message>
        <source>Parlamo is closing.</source>
        <translation>Parlamo завершает работу.</translation>
    </message>
</context>
<context>
    <name>ConfigCheck</name>
    <message>
        <source>the %1 attribute %2</source>
        <translation>атрибут %2 элемента %1</translation>
    </message>
    <message>
        <source>a numeric %1 attribute %2</source>
        <translation>числовой атрибут %2 элемента %1</translation>
    </message>
    <message>
        <source>a numeric Sizes attribute %1</source>
        <translation>числовой атрибут %1 элемента Sizes</translation>
    </message>
    <message>
        <source>a Sizes attribute %1 that a screen can hold (at most %2 twips, not %3)</source>
        <translation>атрибут %1 элемента Sizes, который помещается на экране (не более %2 твипов, а не %3)</translation>
    </message>
    <message>
        <source>the Engines element</source>
        <translation>элемент Engines</translation>
    </message>
    <message>
        <source>the name of engine %1</source>
        <translation>название сервиса %1</translation>
    </message>
    <message>
        <source>an engine name without an apostrophe (%1)</source>
        <translation>название сервиса без апострофа (%1)</translation>
    </message>
    <message>
        <source>a usable name for engine %1</source>
        <translation>пригодное название для сервиса %1</translation>
    </message>
    <message>
        <source>the Languages element of engine %1</source>
        <translation>элемент Languages сервиса %1</translation>
    </message>
    <message>
        <source>the name of language %1 of engine %2</source>
        <translation>название языка %1 сервиса %2</translation>
    </message>
    <message>
        <source>a language at the Languages default %1 of engine %2 (there are %3)</source>
        <translation>язык в позиции %1, заданной по умолчанию в Languages сервиса %2 (всего языков: %3)</translation>
    </message>
    <message>
        <source>an engine at the Engines default %1 (there are %2)</source>
        <translation>сервис в позиции %1, заданной по умолчанию в Engines (всего сервисов: %2)</translation>
    </message>
    <message>
        <source>a configuration document</source>
        <translation>документ конфигурации</translation>
    </message>
    <message>
        <source>the Messages element</source>
        <translation>элемент Messages</translation>
    </message>
    <message>
        <source>the Features element</source>
        <translation>элемент Features</translation>
    </message>
    <message>
        <source>the Sizes element</source>
        <translation>элемент Sizes</translation>
    </message>
    <message>
        <source>The configuration sent by the server is incomplete, so the program cannot start. It lacks %1.</source>
        <translation>Конфигурация, присланная сервером, неполна, поэтому программа не может запуститься. Отсутствует: %1.</translation>
    </message>
    <message>
        <source>Please start again later.</source>
        <translation>Попробуйте запустить программу позже.</translation>
    </message>
</context>
<context>
    <name>ConfigDocument</name>
    <message>
        <source>%1 at offset %2</source>
        <translation>%1 в позиции %2</translation>
    </message>
    <message>
        <source>no root element</source>
        <translation>нет корневого элемента</translation>
    </message>
    <message>
        <source>no configuration document is loaded</source>
        <translation>документ конфигурации не загружен</translation>
    </message>
    <message>
        <source>invalid lookup %1: %2</source>
        <translation>недопустимый запрос %1: %2</translation>
    </message>
</context>
<context>
    <name>ConfigElement</name>
    <message>
        <source>(missing element)</source>
        <translation>(отсутствующий элемент)</translation>
    </message>
    <message>
        <source>missing element for %1</source>
        <translation>отсутствует элемент для %1</translation>
    </message>
    <message>
        <source>missing attribute %1</source>
        <translation>отсутствует атрибут %1</translation>
    </message>
    <message>
        <source>not a 16-bit whole number: %1</source>
        <translation>не 16-битное целое число: %1</translation>
    </message>
    <message>
        <source>not a 32-bit whole number: %1</source>
        <translation>не 32-битное целое число: %1</translation>
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
        <translation>в соединении отказано</translation>
    </message>
    <message>
        <source>the host was not found</source>
        <translation>узел не найден</translation>
    </message>
    <message>
        <source>the server closed the connection before answering</source>
        <translation>сервер закрыл соединение, не ответив</translation>
    </message>
    <message>
        <source>timed out: %1</source>
        <translation>время ожидания истекло: %1</translation>
    </message>
    <message>
        <source>not a usable address: %1</source>
        <translation>непригодный адрес: %1</translation>
    </message>
    <message>
        <source>the server answered with HTTP status %1</source>
        <translation>сервер ответил с HTTP-статусом %1</translation>
    </message>
    <message>
        <source>not a well-formed document: %1</source>
        <translation>документ составлен неправильно: %1</translation>
    </message>
</context>
<context>
    <name>DBusInterface</name>
    <message>
        <source>Parlamo has ended.</source>
        <translation>Parlamo завершил работу.</translation>
    </message>
</context>
<context>
    <name>EngineLists</name>
    <message>
        <source>the document has no Engines element</source>
        <translation>в документе нет элемента Engines</translation>
    </message>
    <message>
        <source>no Languages element for the engine &quot;%1&quot;</source>
        <translation>нет элемента Languages для сервиса «%1»</translation>
    </message>
    <message>
        <source>%1 %2 selects no entry of %3</source>
        <translation>%1 %2 не указывает ни на одну запись (всего записей: %3)</translation>
    </message>
    <message>
        <source>the kept language</source>
        <translation>сохранённый язык</translation>
    </message>
</context>
<context>
    <name>HeadlessCommandLine</name>
    <message>
        <source>Translate TEXT without opening a window and print the result; &quot;-&quot; reads the text from standard input.</source>
        <translation>Перевести ТЕКСТ, не открывая окна, и вывести результат; «-» читает текст со стандартного ввода.</translation>
    </message>
    <message>
        <source>TEXT</source>
        <translation>ТЕКСТ</translation>
    </message>
    <message>
        <source>The engine to translate with (default: the service&apos;s).</source>
        <translation>Сервис для перевода (по умолчанию — заданный службой).</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>ИМЯ</translation>
    </message>
    <message>
        <source>The language pair to translate with (default: the engine&apos;s).</source>
        <translation>Языковая пара для перевода (по умолчанию — заданная сервисом).</translation>
    </message>
    <message>
        <source>--list and --translate cannot be used together</source>
        <translation>--list и --translate нельзя использовать вместе</translation>
    </message>
    <message>
        <source>--engine and --pair need --translate</source>
        <translation>--engine и --pair требуют --translate</translation>
    </message>
    <message>
        <source>standard input is not UTF-8 text</source>
        <translation>стандартный ввод не является текстом в UTF-8</translation>
    </message>
    <message>
        <source>cannot read standard input</source>
        <translation>не удаётся прочитать стандартный ввод</translation>
    </message>
    <message>
        <source>List the engines and their language pairs, with the codes of their languages where known; the defaults are marked.</source>
        <translation>Перечислить сервисы и их языковые пары с кодами языков, где они известны; значения по умолчанию отмечены.</translation>
    </message>
    <message>
        <source>Print the code of the language of TEXT (the arguments, or standard input for none or &quot;-&quot;); exit 1 when not sure.</source>
        <translation>Вывести код языка TEXT (аргументы или стандартный ввод, если их нет или указан &quot;-&quot;); завершиться с кодом 1, если нет уверенности.</translation>
    </message>
    <message>
        <source>With --pair auto: translate into the language of this code (&quot;en&quot;) from the text&apos;s language.</source>
        <translation>С --pair auto: переводить с языка текста на язык с этим кодом (&quot;en&quot;).</translation>
    </message>
    <message>
        <source>CODE</source>
        <translation>КОД</translation>
    </message>
    <message>
        <source>With --translate: print the translation, then on the next line the translation translated back with the reverse pair.</source>
        <translation>С --translate: вывести перевод, а на следующей строке — перевод, переведённый обратно обратной парой.</translation>
    </message>
    <message>
        <source>--detect cannot be used with --translate or --list</source>
        <translation>--detect нельзя использовать вместе с --translate или --list</translation>
    </message>
    <message>
        <source>--to needs --pair auto</source>
        <translation>--to требует --pair auto</translation>
    </message>
</context>
<context>
    <name>HeadlessTranslation</name>
    <message>
        <source>none</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>cannot load the configuration from %1: %2</source>
        <translation>не удаётся загрузить конфигурацию с %1: %2</translation>
    </message>
    <message>
        <source>the document has no Messages element</source>
        <translation>в документе нет элемента Messages</translation>
    </message>
    <message>
        <source>the service allows no translations now</source>
        <translation>служба сейчас не разрешает переводы</translation>
    </message>
    <message>
        <source>the configuration from %1 cannot be used: %2</source>
        <translation>конфигурацию с %1 нельзя использовать: %2</translation>
    </message>
    <message>
        <source>[default]</source>
        <translation>[по умолчанию]</translation>
    </message>
    <message>
        <source>there is no text to translate</source>
        <translation>нет текста для перевода</translation>
    </message>
    <message>
        <source>unknown engine %1; the engines are %2</source>
        <translation>неизвестный сервис %1; доступные сервисы: %2</translation>
    </message>
    <message>
        <source>unknown language pair %1 of engine %2; its pairs are %3</source>
        <translation>неизвестная языковая пара %1 сервиса %2; его пары: %3</translation>
    </message>
    <message>
        <source>engine %1 at %2</source>
        <translation>сервис %1 по адресу %2</translation>
    </message>
    <message>
        <source>cannot ask %1: %2</source>
        <translation>не удаётся отправить запрос (%1): %2</translation>
    </message>
    <message>
        <source>cannot reach %1: %2</source>
        <translation>%1 недоступен: %2</translation>
    </message>
    <message>
        <source>%1 sent no answer within %2 s</source>
        <translation>%1 не ответил в течение %2 с</translation>
    </message>
    <message>
        <source>%1 answered with HTTP status %2</source>
        <translation>%1 ответил с HTTP-статусом %2</translation>
    </message>
    <message>
        <source>no translation found in the answer of %1 (its markers do not occur in it)</source>
        <translation>в ответе %1 не найден перевод (в нём нет меток сервиса)</translation>
    </message>
    <message>
        <source>not sure</source>
        <translation>нет уверенности</translation>
    </message>
    <message>
        <source>language detection is not available: %1</source>
        <translation>определение языка недоступно: %1</translation>
    </message>
    <message>
        <source>not sure which language the text is in</source>
        <translation>нет уверенности, на каком языке текст</translation>
    </message>
    <message>
        <source>engine %1 has no language pair from %2 to %3</source>
        <translation>у сервиса %1 нет языковой пары с %2 на %3</translation>
    </message>
    <message>
        <source>engine %1 has no language pair that translates back from %2</source>
        <translation>у сервиса %1 нет языковой пары для обратного перевода с %2</translation>
    </message>
</context>
<context>
    <name>HearItCommand</name>
    <message>
        <source>No Sound file found.</source>
        <translation>Звуковой файл не найден.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Отменено.</translation>
    </message>
    <message>
        <source>Downloading Sound file...</source>
        <translation>Загрузка звукового файла...</translation>
    </message>
    <message>
        <source>Unable to detect WAV device in this system.</source>
        <translation>Не удалось обнаружить WAV-устройство в этой системе.</translation>
    </message>
</context>
<context>
    <name>HistoryCommandLine</name>
    <message>
        <source>Print the translation history, newest first, without opening a window.</source>
        <translation>Вывести журнал переводов, начиная с новых, не открывая окна.</translation>
    </message>
    <message>
        <source>With --history: only the entries whose text or translation holds WORD, in any letter case.</source>
        <translation>С --history: только записи, текст или перевод которых содержит СЛОВО, без учёта регистра.</translation>
    </message>
    <message>
        <source>WORD</source>
        <translation>СЛОВО</translation>
    </message>
    <message>
        <source>With --history: tsv (the default: tab-separated, no header) or csv (RFC 4180, with a header row).</source>
        <translation>С --history: tsv (по умолчанию: через табуляцию, без заголовка) или csv (RFC 4180, со строкой заголовка).</translation>
    </message>
    <message>
        <source>--search and --format need --history</source>
        <translation>--search и --format требуют --history</translation>
    </message>
    <message>
        <source>--history cannot be used with --%1</source>
        <translation>--history нельзя использовать с --%1</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot;: tsv or csv</source>
        <translation>неизвестный формат «%1»: допустимы tsv или csv</translation>
    </message>
    <message>
        <source>cannot read the history in %1: %2</source>
        <translation>не удаётся прочитать журнал в %1: %2</translation>
    </message>
</context>
<context>
    <name>HistoryModel</name>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Сервис</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Языки</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Перевод</translation>
    </message>
</context>
<context>
    <name>HistoryReader</name>
    <message>
        <source>unknown database error</source>
        <translation>неизвестная ошибка базы данных</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 не является файлом</translation>
    </message>
    <message>
        <source>the SQLite driver of Qt SQL is not installed</source>
        <translation>драйвер SQLite для Qt SQL не установлен</translation>
    </message>
    <message>
        <source>the history database is damaged</source>
        <translation>база данных журнала повреждена</translation>
    </message>
</context>
<context>
    <name>HistoryStore</name>
    <message>
        <source>unknown database error</source>
        <translation>неизвестная ошибка базы данных</translation>
    </message>
    <message>
        <source>cannot create the folder of %1</source>
        <translation>не удаётся создать папку для %1</translation>
    </message>
    <message>
        <source>the SQLite driver of Qt SQL is not installed</source>
        <translation>драйвер SQLite для Qt SQL не установлен</translation>
    </message>
    <message>
        <source>the history database is damaged</source>
        <translation>база данных журнала повреждена</translation>
    </message>
    <message>
        <source>History is off for this run: %1.</source>
        <translation>Журнал отключён до следующего запуска: %1.</translation>
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
        <translation>Поиск</translation>
    </message>
    <message>
        <source>Search the history</source>
        <translation>Искать в журнале</translation>
    </message>
    <message>
        <source>Translations</source>
        <translation>Переводы</translation>
    </message>
    <message>
        <source>Enter or a double click puts the translation back</source>
        <translation>Enter или двойной щелчок возвращает перевод в окно</translation>
    </message>
    <message>
        <source>Writes the listed translations to a CSV file</source>
        <translation>Записывает показанные переводы в файл CSV</translation>
    </message>
    <message>
        <source>Clear the whole history? This cannot be undone.</source>
        <translation>Очистить весь журнал? Это действие нельзя отменить.</translation>
    </message>
    <message>
        <source>Export History</source>
        <translation>Экспорт журнала</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Файлы CSV (*.csv);;Все файлы (*)</translation>
    </message>
    <message>
        <source>The history could not be written to %1.</source>
        <translation>Не удалось записать журнал в %1.</translation>
    </message>
    <message>
        <source>Lists only the translations whose texts hold these letters; the arrow keys walk the list.</source>
        <translation>Показывает только переводы, тексты которых содержат эти буквы; клавиши со стрелками перемещают по списку.</translation>
    </message>
    <message>
        <source>&amp;Keep a history</source>
        <translation>&amp;Вести журнал</translation>
    </message>
    <message>
        <source>Whether new translations are kept, also after a restart</source>
        <translation>Сохранять ли новые переводы, в том числе после перезапуска</translation>
    </message>
    <message>
        <source>C&amp;lear History</source>
        <translation>&amp;Очистить журнал</translation>
    </message>
    <message>
        <source>Forgets every kept translation, after asking</source>
        <translation>Удаляет все сохранённые переводы после подтверждения</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Экспорт...</translation>
    </message>
</context>
<context>
    <name>HttpTransfer</name>
    <message>
        <source>The answer is larger than %1 MiB.</source>
        <translation>Размер ответа превышает %1 МиБ.</translation>
    </message>
    <message>
        <source>The answer is larger than %1 bytes.</source>
        <translation>Размер ответа превышает %1 байт.</translation>
    </message>
    <message>
        <source>The transfer took longer than %1 seconds.</source>
        <translation>Передача длилась дольше %1 с.</translation>
    </message>
    <message>
        <source>Not a usable address: %1</source>
        <translation>Непригодный адрес: %1</translation>
    </message>
    <message>
        <source>Not a usable method: %1</source>
        <translation>Непригодный метод: %1</translation>
    </message>
    <message>
        <source>Not a usable header line: %1</source>
        <translation>Непригодная строка заголовка: %1</translation>
    </message>
    <message>
        <source>Cannot start the transfer.</source>
        <translation>Не удаётся начать передачу.</translation>
    </message>
    <message>
        <source>Refused a redirect to %1</source>
        <translation>Отклонено перенаправление на %1</translation>
    </message>
    <message>
        <source>The answer&apos;s header has a broken line.</source>
        <translation>В заголовке ответа есть повреждённая строка.</translation>
    </message>
    <message>
        <source>The answer&apos;s trailer is too large.</source>
        <translation>Трейлер ответа слишком велик.</translation>
    </message>
    <message>
        <source>The answer&apos;s header is too large.</source>
        <translation>Заголовок ответа слишком велик.</translation>
    </message>
    <message>
        <source>The server&apos;s answer is not HTTP.</source>
        <translation>Ответ сервера не является HTTP.</translation>
    </message>
    <message>
        <source>The server switched protocols.</source>
        <translation>Сервер сменил протокол.</translation>
    </message>
    <message>
        <source>The answer&apos;s transfer coding is not readable: %1</source>
        <translation>Не удаётся прочитать кодирование передачи ответа: %1</translation>
    </message>
    <message>
        <source>The answer&apos;s length is unreadable.</source>
        <translation>Не удаётся прочитать длину ответа.</translation>
    </message>
    <message>
        <source>The connection ended inside the answer&apos;s header.</source>
        <translation>Соединение оборвалось посреди заголовка ответа.</translation>
    </message>
    <message>
        <source>Cannot connect to %1: %2</source>
        <translation>Не удаётся подключиться к %1: %2</translation>
    </message>
    <message>
        <source>The server&apos;s certificate was refused: %1</source>
        <translation>Сертификат сервера отклонён: %1</translation>
    </message>
    <message>
        <source>The secure connection failed: %1</source>
        <translation>Не удалось установить защищённое соединение: %1</translation>
    </message>
    <message>
        <source>The server closed the connection without answering.</source>
        <translation>Сервер закрыл соединение, не ответив.</translation>
    </message>
    <message>
        <source>The connection ended before the whole answer.</source>
        <translation>Соединение оборвалось до получения всего ответа.</translation>
    </message>
    <message>
        <source>The connection ended after %1 of %2 bytes.</source>
        <translation>Соединение оборвалось после %1 из %2 байт.</translation>
    </message>
    <message>
        <source>Too many redirects.</source>
        <translation>Слишком много перенаправлений.</translation>
    </message>
    <message>
        <source>The server&apos;s answer is not readable HTTP: %1</source>
        <translation>Ответ сервера не является читаемым HTTP: %1</translation>
    </message>
    <message>
        <source>The server sent nothing for %1 seconds.</source>
        <translation>Сервер ничего не присылал в течение %1 с.</translation>
    </message>
    <message>
        <source>The server sent no answer within %1 seconds.</source>
        <translation>Сервер не ответил в течение %1 с.</translation>
    </message>
    <message>
        <source>The transfer was cancelled.</source>
        <translation>Передача отменена.</translation>
    </message>
    <message>
        <source>The answer could not be stored.</source>
        <translation>Не удалось сохранить ответ.</translation>
    </message>
</context>
<context>
    <name>ImageCommandLine</name>
    <message>
        <source>there is no screen to read</source>
        <translation>нет экрана для чтения</translation>
    </message>
    <message>
        <source>the screen cannot be read here</source>
        <translation>здесь невозможно прочитать экран</translation>
    </message>
    <message>
        <source>Print the text read from an image file (PNG, JPEG...) in the language of --pair&apos;s source, else in English.</source>
        <translation>Вывести текст, прочитанный из файла изображения (PNG, JPEG...), на исходном языке пары --pair, а без неё — на английском.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>ФАЙЛ</translation>
    </message>
    <message>
        <source>Print the translation of the text read from an image file.</source>
        <translation>Вывести перевод текста, прочитанного из файла изображения.</translation>
    </message>
    <message>
        <source>Print the text read from an area of the screen (needs a display).</source>
        <translation>Вывести текст, прочитанный из области экрана (нужен дисплей).</translation>
    </message>
    <message>
        <source>X,Y,W,H</source>
        <translation>X,Y,Ш,В</translation>
    </message>
    <message>
        <source>--read-image, --translate-image, --read-screen, --translate and --list cannot be used together</source>
        <translation>--read-image, --translate-image, --read-screen, --translate и --list нельзя использовать вместе</translation>
    </message>
    <message>
        <source>--read-screen wants X,Y,W,H with a positive width and height</source>
        <translation>--read-screen ожидает X,Y,Ш,В с положительными шириной и высотой</translation>
    </message>
    <message>
        <source>cannot read the image %1: %2</source>
        <translation>не удаётся прочитать изображение %1: %2</translation>
    </message>
    <message>
        <source>no text was found in the image</source>
        <translation>на изображении не найден текст</translation>
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
        <translation>в документе нет элемента Sizes</translation>
    </message>
</context>
<context>
    <name>LazySoundOutput</name>
    <message>
        <source>%1 belongs to another user</source>
        <translation>%1 принадлежит другому пользователю</translation>
    </message>
    <message>
        <source>other users may change %1</source>
        <translation>другие пользователи могут изменять %1</translation>
    </message>
    <message>
        <source>No sound: the sound module %1 was not found.</source>
        <translation>Нет звука: звуковой модуль %1 не найден.</translation>
    </message>
    <message>
        <source>No sound: the sound module could not be loaded (%1).</source>
        <translation>Нет звука: не удалось загрузить звуковой модуль (%1).</translation>
    </message>
</context>
<context>
    <name>NoScreenArea</name>
    <message>
        <source>The screen cannot be read on this desktop.</source>
        <translation>В этом рабочем окружении невозможно прочитать экран.</translation>
    </message>
</context>
<context>
    <name>OutsideTranslation</name>
    <message>
        <source>Choose a language pair in the main window first.</source>
        <translation>Сначала выберите языковую пару в главном окне.</translation>
    </message>
    <message>
        <source>There is no text to translate.</source>
        <translation>Нет текста для перевода.</translation>
    </message>
</context>
<context>
    <name>PairRule</name>
    <message>
        <source>The language pairs of this engine do not say which languages they join, so the language of a text cannot pick one.</source>
        <translation>Языковые пары этого сервиса не указывают, какие языки они связывают, поэтому язык текста не может выбрать пару.</translation>
    </message>
    <message>
        <source>%1 → %2 (detected)</source>
        <translation>%1 → %2 (определено)</translation>
    </message>
    <message>
        <source>%1 (the language of the text is not clear)</source>
        <translation>%1 (язык текста неясен)</translation>
    </message>
    <message>
        <source>No pair from %1</source>
        <translation>Нет пары с языка: %1</translation>
    </message>
    <message>
        <source>%1 (no pair from %2)</source>
        <translation>%1 (нет пары с языка: %2)</translation>
    </message>
</context>
<context>
    <name>PortalGlobalShortcut</name>
    <message>
        <source>The selection shortcut %1 is not a key the desktop can bind.</source>
        <translation>Рабочее окружение не может назначить клавишу перевода выделенного %1.</translation>
    </message>
    <message>
        <source>The desktop did not bind the selection shortcut %1 (%2).</source>
        <translation>Рабочее окружение не назначило клавишу перевода выделенного %1 (%2).</translation>
    </message>
    <message>
        <source>The selection shortcut %1 was not bound: the desktop&apos;s question was cancelled.</source>
        <translation>Клавиша перевода выделенного %1 не назначена: запрос рабочего окружения отменён.</translation>
    </message>
    <message>
        <source>The desktop did not bind the selection shortcut %1.</source>
        <translation>Рабочее окружение не назначило клавишу перевода выделенного %1.</translation>
    </message>
    <message>
        <source>Translate the selection</source>
        <translation>Перевести выделенное</translation>
    </message>
    <message>
        <source>This desktop holds no keys for programs, so the selection shortcut %1 is off: bind &quot;%2 --translate-selection&quot; to a key in the desktop&apos;s keyboard settings instead.</source>
        <translation>Это рабочее окружение не назначает клавиши программам, поэтому клавиша перевода выделенного %1 отключена: вместо этого назначьте клавишу команде «%2 --translate-selection» в настройках клавиатуры рабочего окружения.</translation>
    </message>
    <message>
        <source>The screen area shortcut %1 is not a key the desktop can bind.</source>
        <translation>Рабочее окружение не может назначить клавишу перевода области экрана %1.</translation>
    </message>
    <message>
        <source>The desktop did not bind the screen area shortcut %1 (%2).</source>
        <translation>Рабочее окружение не назначило клавишу перевода области экрана %1 (%2).</translation>
    </message>
    <message>
        <source>The screen area shortcut %1 was not bound: the desktop&apos;s question was cancelled.</source>
        <translation>Клавиша перевода области экрана %1 не назначена: запрос рабочего окружения отменён.</translation>
    </message>
    <message>
        <source>Translate an area of the screen</source>
        <translation>Перевести область экрана</translation>
    </message>
    <message>
        <source>This desktop holds no keys for programs, so the screen area shortcut %1 is off: bind &quot;%2 --translate-screen-area&quot; to a key in the desktop&apos;s keyboard settings instead.</source>
        <translation>Это рабочее окружение не назначает клавиши программам, поэтому клавиша перевода области экрана %1 отключена: вместо этого назначьте клавишу команде «%2 --translate-screen-area» в настройках клавиатуры рабочего окружения.</translation>
    </message>
    <message>
        <source>The desktop did not bind the screen area shortcut %1.</source>
        <translation>Рабочее окружение не назначило клавишу перевода области экрана %1.</translation>
    </message>
</context>
<context>
    <name>ReversePair</name>
    <message>
        <source>no language pairs for engine %1</source>
        <translation>нет языковых пар для сервиса %1</translation>
    </message>
</context>
<context>
    <name>RunningCopy</name>
    <message>
        <source>Parlamo is already running but does not answer (%1).</source>
        <translation>Parlamo уже запущен, но не отвечает (%1).</translation>
    </message>
    <message>
        <source>Parlamo is already running but does not answer.</source>
        <translation>Parlamo уже запущен, но не отвечает.</translation>
    </message>
    <message>
        <source>%1 cannot be made (%2).</source>
        <translation>Не удаётся создать %1 (%2).</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 не является папкой.</translation>
    </message>
    <message>
        <source>%1 belongs to another user.</source>
        <translation>%1 принадлежит другому пользователю.</translation>
    </message>
    <message>
        <source>Other users may use %1.</source>
        <translation>Другие пользователи могут использовать %1.</translation>
    </message>
    <message>
        <source>Cannot make sure that only one copy of Parlamo runs: %1</source>
        <translation>Не удаётся гарантировать, что запущена только одна копия Parlamo: %1</translation>
    </message>
</context>
<context>
    <name>ScreenAreaPicker</name>
    <message>
        <source>The screen cannot be read on this desktop.</source>
        <translation>В этом рабочем окружении невозможно прочитать экран.</translation>
    </message>
    <message>
        <source>The desktop does not let Parlamo read the screen (%1).</source>
        <translation>Рабочее окружение не позволяет Parlamo читать экран (%1).</translation>
    </message>
    <message>
        <source>The desktop gave no picture of the screen.</source>
        <translation>Рабочее окружение не предоставило изображение экрана.</translation>
    </message>
</context>
<context>
    <name>SelectionPopup</name>
    <message>
        <source>Parlamo Translation</source>
        <translation>Перевод Parlamo</translation>
    </message>
    <message>
        <source>Source text</source>
        <translation>Исходный текст</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Перевод</translation>
    </message>
    <message>
        <source>The translation. Ctrl+Shift+C copies it, Ctrl+Shift+S speaks it, Esc closes.</source>
        <translation>Перевод. Ctrl+Shift+C копирует его, Ctrl+Shift+S зачитывает вслух, Esc закрывает.</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копировать</translation>
    </message>
    <message>
        <source>Copy the translation to the clipboard (Ctrl+Shift+C).</source>
        <translation>Скопировать перевод в буфер обмена (Ctrl+Shift+C).</translation>
    </message>
    <message>
        <source>&amp;Open in Window</source>
        <translation>&amp;Открыть в окне</translation>
    </message>
    <message>
        <source>Show both texts in the main window (Ctrl+O).</source>
        <translation>Показать оба текста в главном окне (Ctrl+O).</translation>
    </message>
    <message>
        <source>Copied to the clipboard.</source>
        <translation>Скопировано в буфер обмена.</translation>
    </message>
    <message>
        <source>Translation back</source>
        <translation>Обратный перевод</translation>
    </message>
    <message>
        <source>The translation of the selected text.</source>
        <translation>Перевод выделенного текста.</translation>
    </message>
    <message>
        <source>The selected text.</source>
        <translation>Выделенный текст.</translation>
    </message>
    <message>
        <source>Its translation, or what went wrong.</source>
        <translation>Его перевод или описание ошибки.</translation>
    </message>
    <message>
        <source>What the translation is doing or has done.</source>
        <translation>Что происходит с переводом сейчас или уже произошло.</translation>
    </message>
    <message>
        <source>The text read from the screen. Correct it and press Ctrl+Enter to translate it again.</source>
        <translation>Текст, прочитанный с экрана. Исправьте его и нажмите Ctrl+Enter, чтобы перевести заново.</translation>
    </message>
</context>
<context>
    <name>ShortcutDialog</name>
    <message>
        <source>Selection Shortcut</source>
        <translation>Клавиша перевода выделенного</translation>
    </message>
    <message>
        <source>Select text in any application and press this key to read its translation in a small window. Press the new key here, or clear it to turn the shortcut off.</source>
        <translation>Выделите текст в любом приложении и нажмите эту клавишу, чтобы прочитать его перевод в маленьком окне. Нажмите здесь новую клавишу или очистите поле, чтобы отключить эту комбинацию.</translation>
    </message>
    <message>
        <source>Selection shortcut</source>
        <translation>Клавиша перевода выделенного</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Очистить</translation>
    </message>
    <message>
        <source>Turns the shortcut off</source>
        <translation>Отключает комбинацию клавиш</translation>
    </message>
    <message>
        <source>Screen Area Shortcut</source>
        <translation>Клавиша перевода области экрана</translation>
    </message>
    <message>
        <source>Press this key in any application, then drag over an area of the screen to read its text and its translation in a small window. Press the new key here, or clear it to turn the shortcut off.</source>
        <translation>Нажмите эту клавишу в любом приложении, затем выделите мышью область экрана, чтобы прочитать её текст и его перевод в маленьком окне. Нажмите здесь новую клавишу или очистите поле, чтобы отключить эту комбинацию.</translation>
    </message>
    <message>
        <source>Screen area shortcut</source>
        <translation>Клавиша перевода области экрана</translation>
    </message>
</context>
<context>
    <name>SpeakCommand</name>
    <message>
        <source>There is no translation to speak.</source>
        <translation>Нет перевода, который можно зачитать.</translation>
    </message>
    <message>
        <source>No speech for this language pair.</source>
        <translation>Для этой языковой пары нет озвучивания.</translation>
    </message>
    <message>
        <source>The spoken translation could not be fetched.</source>
        <translation>Не удалось получить озвученный перевод.</translation>
    </message>
    <message>
        <source>Speaking...</source>
        <translation>Озвучивание...</translation>
    </message>
    <message>
        <source>The spoken translation could not be stored.</source>
        <translation>Не удалось сохранить озвученный перевод.</translation>
    </message>
    <message>
        <source>No sound output device was found.</source>
        <translation>Не найдено устройство вывода звука.</translation>
    </message>
    <message>
        <source>The spoken translation is not a playable sound.</source>
        <translation>Озвученный перевод нельзя воспроизвести.</translation>
    </message>
    <message>
        <source>Spoken.</source>
        <translation>Озвучено.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Отменено.</translation>
    </message>
</context>
<context>
    <name>StartMode</name>
    <message>
        <source>the document has no Features element</source>
        <translation>в документе нет элемента Features</translation>
    </message>
</context>
<context>
    <name>StartupSequence</name>
    <message>
        <source>v%1.%2 build %3</source>
        <translation>v%1.%2 сборка %3</translation>
    </message>
    <message>
        <source>You are not connected to the internet. Please connect, and start again.</source>
        <translation>Нет подключения к Интернету. Подключитесь и запустите программу снова.</translation>
    </message>
    <message>
        <source>Address asked for: %1</source>
        <translation>Запрошенный адрес: %1</translation>
    </message>
    <message>
        <source>What went wrong: %1</source>
        <translation>Причина: %1</translation>
    </message>
    <message>
        <source>Loading preferences</source>
        <translation>Загрузка настроек</translation>
    </message>
    <message>
        <source>the document was refused: it lacks %1</source>
        <translation>документ отклонён: в нём отсутствует %1</translation>
    </message>
    <message>
        <source>Loading updated server configuration</source>
        <translation>Загрузка конфигурации сервера</translation>
    </message>
    <message>
        <source>Initialized</source>
        <translation>Инициализировано</translation>
    </message>
    <message>
        <source>, minimizing to tray.</source>
        <translation>, сворачивание в системный лоток.</translation>
    </message>
</context>
<context>
    <name>TextRecognizer</name>
    <message>
        <source>The reading was cancelled.</source>
        <translation>Чтение отменено.</translation>
    </message>
    <message>
        <source>Text in this language cannot be read: its data (%1) is missing. Install the package %2.</source>
        <translation>Текст на этом языке невозможно прочитать: отсутствуют данные языка (%1). Установите пакет %2.</translation>
    </message>
    <message>
        <source>The text could not be read: %1</source>
        <translation>Не удалось прочитать текст: %1</translation>
    </message>
</context>
<context>
    <name>TranslateAnywhere</name>
    <message>
        <source>Choose another one under Options &gt; Selection Shortcut...</source>
        <translation>Выберите другую: Параметры &gt; Клавиша перевода выделенного...</translation>
    </message>
    <message>
        <source>Reading the selection...</source>
        <translation>Чтение выделенного...</translation>
    </message>
    <message>
        <source>No text is selected. Select a text, then press the key again.</source>
        <translation>Текст не выделен. Выделите текст и снова нажмите клавишу.</translation>
    </message>
    <message>
        <source>Reading the clipboard...</source>
        <translation>Чтение буфера обмена...</translation>
    </message>
    <message>
        <source>The clipboard holds no text.</source>
        <translation>В буфере обмена нет текста.</translation>
    </message>
    <message>
        <source>Translating from %1</source>
        <translation>Идёт перевод: %1</translation>
    </message>
    <message>
        <source>The language of the text is not clear.</source>
        <translation>Язык текста неясен.</translation>
    </message>
    <message>
        <source>No language pair translates %1 into %2.</source>
        <translation>Ни одна языковая пара не переводит с языка %1 на %2.</translation>
    </message>
    <message>
        <source>No language pair translates back from %1.</source>
        <translation>Ни одна языковая пара не переводит обратно с %1.</translation>
    </message>
    <message>
        <source>Translating back from %1</source>
        <translation>Обратный перевод парой %1</translation>
    </message>
    <message>
        <source>Back: %1</source>
        <translation>Обратно: %1</translation>
    </message>
    <message>
        <source>Choose another one under Options &gt; Screen Area Shortcut...</source>
        <translation>Выберите другую: Параметры &gt; Клавиша перевода области экрана...</translation>
    </message>
    <message>
        <source>Reading the screen...</source>
        <translation>Чтение экрана...</translation>
    </message>
    <message>
        <source>No text was found in the area.</source>
        <translation>В этой области не найден текст.</translation>
    </message>
    <message>
        <source>The selection&apos;s owner did not answer.</source>
        <translation>Программа, которой принадлежит выделение, не ответила.</translation>
    </message>
</context>
<context>
    <name>TranslateCommand</name>
    <message>
        <source>Translation failed: %1</source>
        <translation>Не удалось перевести: %1</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Отменено.</translation>
    </message>
    <message>
        <source>Translation failed at %1: %2</source>
        <translation>Не удалось перевести на сервере %1: %2</translation>
    </message>
    <message>
        <source>Translation timed out: %1 did not answer.</source>
        <translation>Время ожидания перевода истекло: %1 не ответил.</translation>
    </message>
    <message>
        <source>No translation found in the answer of %1.</source>
        <translation>В ответе %1 не найден перевод.</translation>
    </message>
</context>
<context>
    <name>TranslationHistory</name>
    <message>
        <source>History is off for this run.</source>
        <translation>Журнал отключён до следующего запуска.</translation>
    </message>
</context>
<context>
    <name>TranslationPipeline</name>
    <message>
        <source>The text is too long to send (%1 characters in its request; at most %2).</source>
        <translation>Текст слишком длинный для отправки (символов в запросе: %1; допустимо не более %2).</translation>
    </message>
    <message>
        <source>no engine named %1</source>
        <translation>нет сервиса с названием %1</translation>
    </message>
    <message>
        <source>no language pair named %1</source>
        <translation>нет языковой пары с названием %1</translation>
    </message>
</context>
<context>
    <name>X11GlobalShortcut</name>
    <message>
        <source>The selection shortcut %1 is not a key this keyboard has.</source>
        <translation>Клавиши перевода выделенного %1 нет на этой клавиатуре.</translation>
    </message>
    <message>
        <source>The selection shortcut %1 is taken by another program.</source>
        <translation>Клавиша перевода выделенного %1 занята другой программой.</translation>
    </message>
    <message>
        <source>The screen area shortcut %1 is not a key this keyboard has.</source>
        <translation>Клавиши перевода области экрана %1 нет на этой клавиатуре.</translation>
    </message>
    <message>
        <source>The screen area shortcut %1 is taken by another program.</source>
        <translation>Клавиша перевода области экрана %1 занята другой программой.</translation>
    </message>
</context>
<context>
    <name>frmTranslate</name>
    <message>
        <source>Translating from %1</source>
        <translation>Идёт перевод: %1</translation>
    </message>
    <message>
        <source>Translated.</source>
        <translation>Переведено.</translation>
    </message>
    <message>
        <source>The service configuration could not be used (%1). The program will close.</source>
        <translation>Не удалось использовать конфигурацию службы (%1). Программа будет закрыта.</translation>
    </message>
    <message>
        <source>no configuration document</source>
        <translation>нет документа конфигурации</translation>
    </message>
    <message>
        <source>The languages of this engine could not be listed (%1).</source>
        <translation>Не удалось получить список языков этого сервиса (%1).</translation>
    </message>
    <message>
        <source>The window layout could not be applied (%1).</source>
        <translation>Не удалось применить компоновку окна (%1).</translation>
    </message>
    <message>
        <source>No address for %1 has been configured. Please try again later.</source>
        <translation>Адрес для «%1» не настроен. Повторите попытку позже.</translation>
    </message>
    <message>
        <source>Online Help</source>
        <translation>Онлайн-справка</translation>
    </message>
    <message>
        <source>Online Support</source>
        <translation>Онлайн-поддержка</translation>
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
        <translation>Прос&amp;лушать!</translation>
    </message>
    <message>
        <source>Type a word to Hear It</source>
        <translation>Введите слово</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Параметры</translation>
    </message>
    <message>
        <source>&amp;Load on Startup</source>
        <translation>&amp;Запускать при входе в систему</translation>
    </message>
    <message>
        <source>&amp;Selection Shortcut...</source>
        <translation>Клавиша &amp;перевода выделенного...</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Журнал...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Онлайн-справка</translation>
    </message>
    <message>
        <source>Online &amp;Support</source>
        <translation>Онлайн-&amp;поддержка</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Открыть</translation>
    </message>
    <message>
        <source>Source text</source>
        <translation>Исходный текст</translation>
    </message>
    <message>
        <source>The text to translate.</source>
        <translation>Текст для перевода.</translation>
    </message>
    <message>
        <source>The text to translate. Ctrl+Enter translates it.</source>
        <translation>Текст для перевода. Ctrl+Enter переводит его.</translation>
    </message>
    <message>
        <source>Language pair</source>
        <translation>Языковая пара</translation>
    </message>
    <message>
        <source>From which language into which one.</source>
        <translation>С какого языка на какой.</translation>
    </message>
    <message>
        <source>The language pair (Ctrl+R: the other way round)</source>
        <translation>Языковая пара (Ctrl+R: в обратную сторону)</translation>
    </message>
    <message>
        <source>The online service that translates.</source>
        <translation>Онлайн-сервис, который выполняет перевод.</translation>
    </message>
    <message>
        <source>The translation engine</source>
        <translation>Сервис перевода</translation>
    </message>
    <message>
        <source>Translate</source>
        <translation>Перевести</translation>
    </message>
    <message>
        <source>Sends the source text to the engine and shows the translation.</source>
        <translation>Отправляет исходный текст сервису и показывает перевод.</translation>
    </message>
    <message>
        <source>Translate the text (Ctrl+Enter in the text). Esc cancels.</source>
        <translation>Перевести текст (Ctrl+Enter в поле текста). Esc отменяет.</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Перевод</translation>
    </message>
    <message>
        <source>The translated text of the last translation.</source>
        <translation>Текст последнего перевода.</translation>
    </message>
    <message>
        <source>The translation. Ctrl+Shift+C copies it.</source>
        <translation>Перевод. Ctrl+Shift+C копирует его.</translation>
    </message>
    <message>
        <source>Word to hear</source>
        <translation>Слово для прослушивания</translation>
    </message>
    <message>
        <source>A word to hear spoken; messages about the sound show here too.</source>
        <translation>Слово, которое нужно произнести; здесь же показываются сообщения о звуке.</translation>
    </message>
    <message>
        <source>Hear It</source>
        <translation>Прослушать</translation>
    </message>
    <message>
        <source>Fetches and plays the pronunciation of the word.</source>
        <translation>Загружает и воспроизводит произношение слова.</translation>
    </message>
    <message>
        <source>Hear the word spoken (Enter in the word box). Esc cancels.</source>
        <translation>Прослушать произношение слова (Enter в поле слова). Esc отменяет.</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Подсказка</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Строка состояния</translation>
    </message>
    <message>
        <source>What the program is doing, and the keyboard&apos;s state.</source>
        <translation>Что сейчас делает программа, и состояние клавиатуры.</translation>
    </message>
    <message>
        <source>What the program is doing or has just done.</source>
        <translation>Что программа делает сейчас или только что сделала.</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>Caps Lock</translation>
    </message>
    <message>
        <source>Caps Lock indicator.</source>
        <translation>Индикатор Caps Lock.</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Вставка</translation>
    </message>
    <message>
        <source>Insert indicator.</source>
        <translation>Индикатор режима вставки.</translation>
    </message>
    <message>
        <source>Type a word and press Enter to hear it.</source>
        <translation>Введите слово и нажмите Enter, чтобы прослушать его.</translation>
    </message>
    <message>
        <source>&amp;Detect Language</source>
        <translation>&amp;Определить язык</translation>
    </message>
    <message>
        <source>Screen &amp;Area Shortcut...</source>
        <translation>Клавиша перевода области &amp;экрана...</translation>
    </message>
    <message>
        <source>Translate an &amp;Area of the Screen</source>
        <translation>Перевести область &amp;экрана</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Сервис</translation>
    </message>
</context>
<context>
    <name>mGlobal</name>
    <message>
        <source>Loaded, and mimized to tray.</source>
        <translation>Загружено и свёрнуто в системный лоток.</translation>
    </message>
    <message>
        <source>Double-click to open.</source>
        <translation>Дважды щёлкните, чтобы открыть.</translation>
    </message>
</context>
<context>
    <name>mMain</name>
    <message>
        <source>The configuration sent by the server cannot be used: %1</source>
        <translation>Конфигурацию, присланную сервером, нельзя использовать: %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Parlamo could not start.</source>
        <translation>Не удалось запустить Parlamo.</translation>
    </message>
    <message>
        <source>reading the screen needs a display</source>
        <translation>для чтения экрана нужен дисплей</translation>
    </message>
</context>
</TS>
