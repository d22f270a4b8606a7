<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AppCommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostrar esta ayuda y salir.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostrar la versión y salir.</translation>
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
        <translation>Parlamo, un cliente de escritorio para traducción en línea. En cada inicio
obtiene su configuración de servicio del servidor de configuración (integrado;
se puede cambiar con PARLAMO_CONFIG_HOST=host[:puerto]).
Los proxies se toman de http_proxy, https_proxy, all_proxy y no_proxy (también
HTTPS_PROXY, ALL_PROXY, NO_PROXY), como los lee curl; sin ninguno de ellos, de
la configuración de proxy del escritorio.
Sin --help, --version, --translate, --list ni --history se abre la ventana, y
las demás opciones se ignoran. Véase RaDudezozad(1).</translation>
    </message>
    <message>
        <source>Started at log-on: in tray mode, go to the tray without a notice.</source>
        <translation>Iniciado al entrar en la sesión: si el programa vive en la bandeja del sistema, va allí sin aviso.</translation>
    </message>
    <message>
        <source>Show the window, without a tray icon, even in tray mode.</source>
        <translation>Mostrar la ventana, sin icono en la bandeja, aunque el programa viva en la bandeja del sistema.</translation>
    </message>
    <message>
        <source>Usage: %1 [options] [/startup] [/debug]</source>
        <translation>Uso: %1 [opciones] [/startup] [/debug]</translation>
    </message>
    <message>
        <source>Translate the selected text in a small window (the running program&apos;s, or this one&apos;s once its window is loaded). Meant for a desktop shortcut.</source>
        <translation>Traducir el texto seleccionado en una ventana pequeña (la del programa en ejecución o, una vez cargada su ventana, la de este). Pensado para un atajo del escritorio.</translation>
    </message>
    <message>
        <source>Pick an area of the screen, read its text and translate it in a small window (the running program&apos;s, or this one&apos;s once its window is loaded).</source>
        <translation>Elegir un área de la pantalla, leer su texto y traducirlo en una ventana pequeña (la del programa en ejecución o, una vez cargada su ventana, la de este).</translation>
    </message>
</context>
<context>
    <name>AppRequests</name>
    <message>
        <source>Parlamo has ended.</source>
        <translation>Parlamo ha terminado.</translation>
    </message>
    <message>
        <source>Parlamo is closing.</source>
        <translation>Parlamo se está cerrando.</translation>
    </message>
</context>
<context>
    <name>ConfigCheck</name>
    <message>
        <source>the %1 attribute %2</source>
        <translation>el atributo %2 de %1</translation>
    </message>
    <message>
        <source>a numeric %1 attribute %2</source>
        <translation>un atributo numérico %2 de %1</translation>
    </message>
    <message>
        <source>a numeric Sizes attribute %1</source>
        <translation>un atributo numérico %1 de Sizes</translation>
    </message>
    <message>
        <source>a Sizes attribute %1 that a screen can hold (at most %2 twips, not %3)</source>
        <translation>un atributo %1 de Sizes que quepa en una pantalla (como máximo %2 twips, no %3)</translation>
    </message>
    <message>
        <source>the Engines element</source>
        <translation>el elemento Engines</translation>
    </message>
    <message>
        <source>the name of engine %1</source>
        <translation>el nombre del motor %1</translation>
    </message>
    <message>
        <source>an engine name without an apostrophe (%1)</source>
        <translation>un nombre de motor sin apóstrofo (%1)</translation>
    </message>
    <message>
        <source>a usable name for engine %1</source>
        <translation>un nombre utilizable para el motor %1</translation>
    </message>
    <message>
        <source>the Languages element of engine %1</source>
        <translation>el elemento Languages del motor %1</translation>
    </message>
    <message>
        <source>the name of language %1 of engine %2</source>
        <translation>el nombre del idioma %1 del motor %2</translation>
    </message>
    <message>
        <source>a language at the Languages default %1 of engine %2 (there are %3)</source>
        <translation>un idioma en la posición predeterminada %1 de Languages del motor %2 (hay %3)</translation>
    </message>
    <message>
        <source>an engine at the Engines default %1 (there are %2)</source>
        <translation>un motor en la posición predeterminada %1 de Engines (hay %2)</translation>
    </message>
    <message>
        <source>a configuration document</source>
        <translation>un documento de configuración</translation>
    </message>
    <message>
        <source>the Messages element</source>
        <translation>el elemento Messages</translation>
    </message>
    <message>
        <source>the Features element</source>
        <translation>el elemento Features</translation>
    </message>
    <message>
        <source>the Sizes element</source>
        <translation>el elemento Sizes</translation>
    </message>
    <message>
        <source>The configuration sent by the server is incomplete, so the program cannot start. It lacks %1.</source>
        <translation>La configuración enviada por el servidor está incompleta, así que el programa no puede iniciarse. Le falta: %1.</translation>
    </message>
    <message>
        <source>Please start again later.</source>
        <translation>Vuelva a iniciarlo más tarde.</translation>
    </message>
</context>
<context>
    <name>ConfigDocument</name>
    <message>
        <source>%1 at offset %2</source>
        <translation>%1 en la posición %2</translation>
    </message>
    <message>
        <source>no root element</source>
        <translation>no hay elemento raíz</translation>
    </message>
    <message>
        <source>no configuration document is loaded</source>
        <translation>no hay ningún documento de configuración cargado</translation>
    </message>
    <message>
        <source>invalid lookup %1: %2</source>
        <translation>consulta no válida %1: %2</translation>
    </message>
</context>
<context>
    <name>ConfigElement</name>
    <message>
        <source>(missing element)</source>
        <translation>(elemento ausente)</translation>
    </message>
    <message>
        <source>missing element for %1</source>
        <translation>falta el elemento de %1</translation>
    </message>
    <message>
        <source>missing attribute %1</source>
        <translation>falta el atributo %1</translation>
    </message>
    <message>
        <source>not a 16-bit whole number: %1</source>
        <translation>no es un número entero de 16 bits: %1</translation>
    </message>
    <message>
        <source>not a 32-bit whole number: %1</source>
        <translation>no es un número entero de 32 bits: %1</translation>
    </message>
    <message>
        <source>not a number: %1</source>
        <translation>no es un número: %1</translation>
    </message>
</context>
<context>
    <name>ConfigLoader</name>
    <message>
        <source>the connection was refused</source>
        <translation>se rechazó la conexión</translation>
    </message>
    <message>
        <source>the host was not found</source>
        <translation>no se encontró el servidor</translation>
    </message>
    <message>
        <source>the server closed the connection before answering</source>
        <translation>el servidor cerró la conexión antes de responder</translation>
    </message>
    <message>
        <source>timed out: %1</source>
        <translation>tiempo de espera agotado: %1</translation>
    </message>
    <message>
        <source>not a usable address: %1</source>
        <translation>dirección no utilizable: %1</translation>
    </message>
    <message>
        <source>the server answered with HTTP status %1</source>
        <translation>el servidor respondió con el estado HTTP %1</translation>
    </message>
    <message>
        <source>not a well-formed document: %1</source>
        <translation>no es un documento bien formado: %1</translation>
    </message>
</context>
<context>
    <name>DBusInterface</name>
    <message>
        <source>Parlamo has ended.</source>
        <translation>Parlamo ha terminado.</translation>
    </message>
</context>
<context>
    <name>EngineLists</name>
    <message>
        <source>the document has no Engines element</source>
        <translation>el documento no tiene elemento Engines</translation>
    </message>
    <message>
        <source>no Languages element for the engine &quot;%1&quot;</source>
        <translation>no hay elemento Languages para el motor &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 %2 selects no entry of %3</source>
        <translation>%1 %2 no selecciona ninguna de las %3 entradas</translation>
    </message>
    <message>
        <source>the kept language</source>
        <translation>el idioma conservado</translation>
    </message>
</context>
<context>
    <name>HeadlessCommandLine</name>
    <message>
        <source>Translate TEXT without opening a window and print the result; &quot;-&quot; reads the text from standard input.</source>
        <translation>Traducir TEXTO sin abrir ninguna ventana y mostrar el resultado; &quot;-&quot; lee el texto de la entrada estándar.</translation>
    </message>
    <message>
        <source>TEXT</source>
        <translation>TEXTO</translation>
    </message>
    <message>
        <source>The engine to translate with (default: the service&apos;s).</source>
        <translation>El motor con el que traducir (predeterminado: el del servicio).</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NOMBRE</translation>
    </message>
    <message>
        <source>The language pair to translate with (default: the engine&apos;s).</source>
        <translation>El par de idiomas con el que traducir (predeterminado: el del motor).</translation>
    </message>
    <message>
        <source>--list and --translate cannot be used together</source>
        <translation>--list y --translate no se pueden usar juntos</translation>
    </message>
    <message>
        <source>--engine and --pair need --translate</source>
        <translation>--engine y --pair requieren --translate</translation>
    </message>
    <message>
        <source>standard input is not UTF-8 text</source>
        <translation>la entrada estándar no es texto UTF-8</translation>
    </message>
    <message>
        <source>cannot read standard input</source>
        <translation>no se puede leer la entrada estándar</translation>
    </message>
    <message>
        <source>List the engines and their language pairs, with the codes of their languages where known; the defaults are marked.</source>
        <translation>Listar los servicios y sus pares de idiomas, con los códigos de sus idiomas cuando se conocen; los predeterminados van marcados.</translation>
    </message>
    <message>
        <source>Print the code of the language of TEXT (the arguments, or standard input for none or &quot;-&quot;); exit 1 when not sure.</source>
        <translation>Mostrar el código del idioma de TEXT (los argumentos, o la entrada estándar si no hay ninguno o con &quot;-&quot;); termina con 1 si no es seguro.</translation>
    </message>
    <message>
        <source>With --pair auto: translate into the language of this code (&quot;en&quot;) from the text&apos;s language.</source>
        <translation>Con --pair auto: traducir del idioma del texto al idioma de este código (&quot;en&quot;).</translation>
    </message>
    <message>
        <source>CODE</source>
        <translation>CÓDIGO</translation>
    </message>
    <message>
        <source>With --translate: print the translation, then on the next line the translation translated back with the reverse pair.</source>
        <translation>Con --translate: mostrar la traducción y, en la línea siguiente, la traducción traducida de vuelta con el par inverso.</translation>
    </message>
    <message>
        <source>--detect cannot be used with --translate or --list</source>
        <translation>--detect no se puede usar con --translate ni con --list</translation>
    </message>
    <message>
        <source>--to needs --pair auto</source>
        <translation>--to necesita --pair auto</translation>
    </message>
</context>
<context>
    <name>HeadlessTranslation</name>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>cannot load the configuration from %1: %2</source>
        <translation>no se puede cargar la configuración desde %1: %2</translation>
    </message>
    <message>
        <source>the document has no Messages element</source>
        <translation>el documento no tiene elemento Messages</translation>
    </message>
    <message>
        <source>the service allows no translations now</source>
        <translation>el servicio no permite traducciones ahora</translation>
    </message>
    <message>
        <source>the configuration from %1 cannot be used: %2</source>
        <translation>no se puede usar la configuración de %1: %2</translation>
    </message>
    <message>
        <source>[default]</source>
        <translation>[predeterminado]</translation>
    </message>
    <message>
        <source>there is no text to translate</source>
        <translation>no hay texto que traducir</translation>
    </message>
    <message>
        <source>unknown engine %1; the engines are %2</source>
        <translation>motor desconocido %1; los motores son %2</translation>
    </message>
    <message>
        <source>unknown language pair %1 of engine %2; its pairs are %3</source>
        <translation>par de idiomas desconocido %1 del motor %2; sus pares son %3</translation>
    </message>
    <message>
        <source>engine %1 at %2</source>
        <translation>el motor %1 en %2</translation>
    </message>
    <message>
        <source>cannot ask %1: %2</source>
        <translation>no se puede consultar %1: %2</translation>
    </message>
    <message>
        <source>cannot reach %1: %2</source>
        <translation>no se puede contactar con %1: %2</translation>
    </message>
    <message>
        <source>%1 sent no answer within %2 s</source>
        <translation>%1 no respondió en %2 s</translation>
    </message>
    <message>
        <source>%1 answered with HTTP status %2</source>
        <translation>%1 respondió con el estado HTTP %2</translation>
    </message>
    <message>
        <source>no translation found in the answer of %1 (its markers do not occur in it)</source>
        <translation>no se encontró ninguna traducción en la respuesta de %1 (sus marcadores no aparecen en ella)</translation>
    </message>
    <message>
        <source>not sure</source>
        <translation>no es seguro</translation>
    </message>
    <message>
        <source>language detection is not available: %1</source>
        <translation>la detección de idioma no está disponible: %1</translation>
    </message>
    <message>
        <source>not sure which language the text is in</source>
        <translation>no es seguro en qué idioma está el texto</translation>
    </message>
    <message>
        <source>engine %1 has no language pair from %2 to %3</source>
        <translation>el servicio %1 no tiene ningún par de idiomas de %2 a %3</translation>
    </message>
    <message>
        <source>engine %1 has no language pair that translates back from %2</source>
        <translation>el servicio %1 no tiene ningún par de idiomas que traduzca de vuelta desde %2</translation>
    </message>
</context>
<context>
    <name>HearItCommand</name>
    <message>
        <source>No Sound file found.</source>
        <translation>No se encontró ningún archivo de sonido.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Cancelado.</translation>
    </message>
    <message>
        <source>Downloading Sound file...</source>
        <translation>Descargando el archivo de sonido...</translation>
    </message>
    <message>
        <source>Unable to detect WAV device in this system.</source>
        <translation>No se detectó ningún dispositivo WAV en este sistema.</translation>
    </message>
</context>
<context>
    <name>HistoryCommandLine</name>
    <message>
        <source>Print the translation history, newest first, without opening a window.</source>
        <translation>Mostrar el historial de traducciones, las más recientes primero, sin abrir ninguna ventana.</translation>
    </message>
    <message>
        <source>With --history: only the entries whose text or translation holds WORD, in any letter case.</source>
        <translation>Con --history: solo las entradas cuyo texto o traducción contiene PALABRA, sin distinguir mayúsculas y minúsculas.</translation>
    </message>
    <message>
        <source>WORD</source>
        <translation>PALABRA</translation>
    </message>
    <message>
        <source>With --history: tsv (the default: tab-separated, no header) or csv (RFC 4180, with a header row).</source>
        <translation>Con --history: tsv (predeterminado: separado por tabuladores, sin cabecera) o csv (RFC 4180, con fila de cabecera).</translation>
    </message>
    <message>
        <source>--search and --format need --history</source>
        <translation>--search y --format requieren --history</translation>
    </message>
    <message>
        <source>--history cannot be used with --%1</source>
        <translation>--history no se puede usar con --%1</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot;: tsv or csv</source>
        <translation>formato desconocido &quot;%1&quot;: tsv o csv</translation>
    </message>
    <message>
        <source>cannot read the history in %1: %2</source>
        <translation>no se puede leer el historial de %1: %2</translation>
    </message>
</context>
<context>
    <name>HistoryModel</name>
    <message>
        <source>Time</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Idiomas</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Traducción</translation>
    </message>
</context>
<context>
    <name>HistoryReader</name>
    <message>
        <source>unknown database error</source>
        <translation>error de base de datos desconocido</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 no es un archivo</translation>
    </message>
    <message>
        <source>the SQLite driver of Qt SQL is not installed</source>
        <translation>el controlador SQLite de Qt SQL no está instalado</translation>
    </message>
    <message>
        <source>the history database is damaged</source>
        <translation>la base de datos del historial está dañada</translation>
    </message>
</context>
<context>
    <name>HistoryStore</name>
    <message>
        <source>unknown database error</source>
        <translation>error de base de datos desconocido</translation>
    </message>
    <message>
        <source>cannot create the folder of %1</source>
        <translation>no se puede crear la carpeta de %1</translation>
    </message>
    <message>
        <source>the SQLite driver of Qt SQL is not installed</source>
        <translation>el controlador SQLite de Qt SQL no está instalado</translation>
    </message>
    <message>
        <source>the history database is damaged</source>
        <translation>la base de datos del historial está dañada</translation>
    </message>
    <message>
        <source>History is off for this run: %1.</source>
        <translation>Historial desactivado hasta el próximo inicio: %1.</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Search the history</source>
        <translation>Buscar en el historial</translation>
    </message>
    <message>
        <source>Translations</source>
        <translation>Traducciones</translation>
    </message>
    <message>
        <source>Enter or a double click puts the translation back</source>
        <translation>Intro o un doble clic recupera la traducción</translation>
    </message>
    <message>
        <source>Writes the listed translations to a CSV file</source>
        <translation>Escribe las traducciones de la lista en un archivo CSV</translation>
    </message>
    <message>
        <source>Clear the whole history? This cannot be undone.</source>
        <translation>¿Borrar todo el historial? Esta acción no se puede deshacer.</translation>
    </message>
    <message>
        <source>Export History</source>
        <translation>Exportar el historial</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Archivos CSV (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>The history could not be written to %1.</source>
        <translation>No se pudo escribir el historial en %1.</translation>
    </message>
    <message>
        <source>Lists only the translations whose texts hold these letters; the arrow keys walk the list.</source>
        <translation>Muestra solo las traducciones cuyos textos contienen estas letras; las flechas recorren la lista.</translation>
    </message>
    <message>
        <source>&amp;Keep a history</source>
        <translation>&amp;Guardar un historial</translation>
    </message>
    <message>
        <source>Whether new translations are kept, also after a restart</source>
        <translation>Si las nuevas traducciones se guardan, también tras reiniciar</translation>
    </message>
    <message>
        <source>C&amp;lear History</source>
        <translation>&amp;Borrar el historial</translation>
    </message>
    <message>
        <source>Forgets every kept translation, after asking</source>
        <translation>Olvida todas las traducciones guardadas, tras preguntar</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exportar...</translation>
    </message>
</context>
<context>
    <name>HttpTransfer</name>
    <message>
        <source>The answer is larger than %1 MiB.</source>
        <translation>La respuesta ocupa más de %1 MiB.</translation>
    </message>
    <message>
        <source>The answer is larger than %1 bytes.</source>
        <translation>La respuesta ocupa más de %1 bytes.</translation>
    </message>
    <message>
        <source>The transfer took longer than %1 seconds.</source>
        <translation>La transferencia tardó más de %1 segundos.</translation>
    </message>
    <message>
        <source>Not a usable address: %1</source>
        <translation>Dirección no utilizable: %1</translation>
    </message>
    <message>
        <source>Not a usable method: %1</source>
        <translation>Método no utilizable: %1</translation>
    </message>
    <message>
        <source>Not a usable header line: %1</source>
        <translation>Línea de cabecera no utilizable: %1</translation>
    </message>
    <message>
        <source>Cannot start the transfer.</source>
        <translation>No se puede iniciar la transferencia.</translation>
    </message>
    <message>
        <source>Refused a redirect to %1</source>
        <translation>Se rechazó una redirección a %1</translation>
    </message>
    <message>
        <source>The answer&apos;s header has a broken line.</source>
        <translation>La cabecera de la respuesta tiene una línea defectuosa.</translation>
    </message>
    <message>
        <source>The answer&apos;s trailer is too large.</source>
        <translation>Los campos finales de la respuesta son demasiado grandes.</translation>
    </message>
    <message>
        <source>The answer&apos;s header is too large.</source>
        <translation>La cabecera de la respuesta es demasiado grande.</translation>
    </message>
    <message>
        <source>The server&apos;s answer is not HTTP.</source>
        <translation>La respuesta del servidor no es HTTP.</translation>
    </message>
    <message>
        <source>The server switched protocols.</source>
        <translation>El servidor cambió de protocolo.</translation>
    </message>
    <message>
        <source>The answer&apos;s transfer coding is not readable: %1</source>
        <translation>La codificación de transferencia de la respuesta no es legible: %1</translation>
    </message>
    <message>
        <source>The answer&apos;s length is unreadable.</source>
        <translation>La longitud de la respuesta no es legible.</translation>
    </message>
    <message>
        <source>The connection ended inside the answer&apos;s header.</source>
        <translation>La conexión terminó en mitad de la cabecera de la respuesta.</translation>
    </message>
    <message>
        <source>Cannot connect to %1: %2</source>
        <translation>No se puede conectar con %1: %2</translation>
    </message>
    <message>
        <source>The server&apos;s certificate was refused: %1</source>
        <translation>Se rechazó el certificado del servidor: %1</translation>
    </message>
    <message>
        <source>The secure connection failed: %1</source>
        <translation>La conexión segura falló: %1</translation>
    </message>
    <message>
        <source>The server closed the connection without answering.</source>
        <translation>El servidor cerró la conexión sin responder.</translation>
    </message>
    <message>
        <source>The connection ended before the whole answer.</source>
        <translation>La conexión terminó antes de recibir toda la respuesta.</translation>
    </message>
    <message>
        <source>The connection ended after %1 of %2 bytes.</source>
        <translation>La conexión terminó tras %1 de %2 bytes.</translation>
    </message>
    <message>
        <source>Too many redirects.</source>
        <translation>Demasiadas redirecciones.</translation>
    </message>
    <message>
        <source>The server&apos;s answer is not readable HTTP: %1</source>
        <translation>La respuesta del servidor no es HTTP legible: %1</translation>
    </message>
    <message>
        <source>The server sent nothing for %1 seconds.</source>
        <translation>El servidor no envió nada durante %1 segundos.</translation>
    </message>
    <message>
        <source>The server sent no answer within %1 seconds.</source>
        <translation>El servidor no respondió en %1 segundos.</translation>
    </message>
    <message>
        <source>The transfer was cancelled.</source>
        <translation>Se canceló la transferencia.</translation>
    </message>
    <message>
        <source>The answer could not be stored.</source>
        <translation>No se pudo guardar la respuesta.</translation>
    </message>
</context>
<context>
    <name>ImageCommandLine</name>
    <message>
        <source>there is no screen to read</source>
        <translation>no hay ninguna pantalla que leer</translation>
    </message>
    <message>
        <source>the screen cannot be read here</source>
        <translation>aquí no se puede leer la pantalla</translation>
    </message>
    <message>
        <source>Print the text read from an image file (PNG, JPEG...) in the language of --pair&apos;s source, else in English.</source>
        <translation>Mostrar el texto leído de un archivo de imagen (PNG, JPEG...) en el idioma de origen de --pair o, si no, en inglés.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>ARCHIVO</translation>
    </message>
    <message>
        <source>Print the translation of the text read from an image file.</source>
        <translation>Mostrar la traducción del texto leído de un archivo de imagen.</translation>
    </message>
    <message>
        <source>Print the text read from an area of the screen (needs a display).</source>
        <translation>Mostrar el texto leído de un área de la pantalla (necesita una pantalla gráfica).</translation>
    </message>
    <message>
        <source>X,Y,W,H</source>
        <translation>X,Y,AN,AL</translation>
    </message>
    <message>
        <source>--read-image, --translate-image, --read-screen, --translate and --list cannot be used together</source>
        <translation>--read-image, --translate-image, --read-screen, --translate y --list no se pueden usar juntos</translation>
    </message>
    <message>
        <source>--read-screen wants X,Y,W,H with a positive width and height</source>
        <translation>--read-screen espera X,Y,AN,AL con un ancho y un alto positivos</translation>
    </message>
    <message>
        <source>cannot read the image %1: %2</source>
        <translation>no se puede leer la imagen %1: %2</translation>
    </message>
    <message>
        <source>no text was found in the image</source>
        <translation>no se encontró ningún texto en la imagen</translation>
    </message>
</context>
<context>
    <name>LayoutMath</name>
    <message>
        <source>not a number: %1</source>
        <translation>no es un número: %1</translation>
    </message>
    <message>
        <source>the document has no Sizes element</source>
        <translation>el documento no tiene elemento Sizes</translation>
    </message>
</context>
<context>
    <name>LazySoundOutput</name>
    <message>
        <source>%1 belongs to another user</source>
        <translation>%1 pertenece a otro usuario</translation>
    </message>
    <message>
        <source>other users may change %1</source>
        <translation>otros usuarios pueden modificar %1</translation>
    </message>
    <message>
        <source>No sound: the sound module %1 was not found.</source>
        <translation>Sin sonido: no se encontró el módulo de sonido %1.</translation>
    </message>
    <message>
        <source>No sound: the sound module could not be loaded (%1).</source>
        <translation>Sin sonido: no se pudo cargar el módulo de sonido (%1).</translation>
    </message>
</context>
<context>
    <name>NoScreenArea</name>
    <message>
        <source>The screen cannot be read on this desktop.</source>
        <translation>En este escritorio no se puede leer la pantalla.</translation>
    </message>
</context>
<context>
    <name>OutsideTranslation</name>
    <message>
        <source>Choose a language pair in the main window first.</source>
        <translation>Elija primero un par de idiomas en la ventana principal.</translation>
    </message>
    <message>
        <source>There is no text to translate.</source>
        <translation>No hay texto que traducir.</translation>
    </message>
</context>
<context>
    <name>PairRule</name>
    <message>
        <source>The language pairs of this engine do not say which languages they join, so the language of a text cannot pick one.</source>
        <translation>Los pares de idiomas de este servicio no indican qué idiomas unen, así que el idioma de un texto no puede elegir ninguno.</translation>
    </message>
    <message>
        <source>%1 → %2 (detected)</source>
        <translation>%1 → %2 (detectado)</translation>
    </message>
    <message>
        <source>%1 (the language of the text is not clear)</source>
        <translation>%1 (el idioma del texto no está claro)</translation>
    </message>
    <message>
        <source>No pair from %1</source>
        <translation>Ningún par desde %1</translation>
    </message>
    <message>
        <source>%1 (no pair from %2)</source>
        <translation>%1 (ningún par desde %2)</translation>
    </message>
</context>
<context>
    <name>PortalGlobalShortcut</name>
    <message>
        <source>The selection shortcut %1 is not a key the desktop can bind.</source>
        <translation>El escritorio no puede asignar el atajo de selección %1.</translation>
    </message>
    <message>
        <source>The desktop did not bind the selection shortcut %1 (%2).</source>
        <translation>El escritorio no asignó el atajo de selección %1 (%2).</translation>
    </message>
    <message>
        <source>The selection shortcut %1 was not bound: the desktop&apos;s question was cancelled.</source>
        <translation>El atajo de selección %1 no se asignó: se canceló la pregunta del escritorio.</translation>
    </message>
    <message>
        <source>The desktop did not bind the selection shortcut %1.</source>
        <translation>El escritorio no asignó el atajo de selección %1.</translation>
    </message>
    <message>
        <source>Translate the selection</source>
        <translation>Traducir la selección</translation>
    </message>
    <message>
        <source>This desktop holds no keys for programs, so the selection shortcut %1 is off: bind &quot;%2 --translate-selection&quot; to a key in the desktop&apos;s keyboard settings instead.</source>
        <translation>Este escritorio no asigna teclas a los programas, así que el atajo de selección %1 está desactivado: asigne en su lugar &quot;%2 --translate-selection&quot; a una tecla en la configuración del teclado del escritorio.</translation>
    </message>
    <message>
        <source>The screen area shortcut %1 is not a key the desktop can bind.</source>
        <translation>El escritorio no puede asignar el atajo de área de pantalla %1.</translation>
    </message>
    <message>
        <source>The desktop did not bind the screen area shortcut %1 (%2).</source>
        <translation>El escritorio no asignó el atajo de área de pantalla %1 (%2).</translation>
    </message>
    <message>
        <source>The screen area shortcut %1 was not bound: the desktop&apos;s question was cancelled.</source>
        <translation>El atajo de área de pantalla %1 no se asignó: se canceló la pregunta del escritorio.</translation>
    </message>
    <message>
        <source>Translate an area of the screen</source>
        <translation>Traducir un área de la pantalla</translation>
    </message>
    <message>
        <source>This desktop holds no keys for programs, so the screen area shortcut %1 is off: bind &quot;%2 --translate-screen-area&quot; to a key in the desktop&apos;s keyboard settings instead.</source>
        <translation>Este escritorio no asigna teclas a los programas, así que el atajo de área de pantalla %1 está desactivado: asigne en su lugar &quot;%2 --translate-screen-area&quot; a una tecla en la configuración del teclado del escritorio.</translation>
    </message>
    <message>
        <source>The desktop did not bind the screen area shortcut %1.</source>
        <translation>El escritorio no asignó el atajo de área de pantalla %1.</translation>
    </message>
</context>
<context>
    <name>ReversePair</name>
    <message>
        <source>no language pairs for engine %1</source>
        <translation>no hay pares de idiomas para el motor %1</translation>
    </message>
</context>
<context>
    <name>RunningCopy</name>
    <message>
        <source>Parlamo is already running but does not answer (%1).</source>
        <translation>Parlamo ya se está ejecutando, pero no responde (%1).</translation>
    </message>
    <message>
        <source>Parlamo is already running but does not answer.</source>
        <translation>Parlamo ya se está ejecutando, pero no responde.</translation>
    </message>
    <message>
        <source>%1 cannot be made (%2).</source>
        <translation>No se puede crear %1 (%2).</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 no es una carpeta.</translation>
    </message>
    <message>
        <source>%1 belongs to another user.</source>
        <translation>%1 pertenece a otro usuario.</translation>
    </message>
    <message>
        <source>Other users may use %1.</source>
        <translation>Otros usuarios pueden usar %1.</translation>
    </message>
    <message>
        <source>Cannot make sure that only one copy of Parlamo runs: %1</source>
        <translation>No se puede asegurar que solo se ejecute una copia de Parlamo: %1</translation>
    </message>
</context>
<context>
    <name>ScreenAreaPicker</name>
    <message>
        <source>The screen cannot be read on this desktop.</source>
        <translation>En este escritorio no se puede leer la pantalla.</translation>
    </message>
    <message>
        <source>The desktop does not let Parlamo read the screen (%1).</source>
        <translation>El escritorio no permite a Parlamo leer la pantalla (%1).</translation>
    </message>
    <message>
        <source>The desktop gave no picture of the screen.</source>
        <translation>El escritorio no ha dado ninguna imagen de la pantalla.</translation>
    </message>
</context>
<context>
    <name>SelectionPopup</name>
    <message>
        <source>Parlamo Translation</source>
        <translation>Traducción de Parlamo</translation>
    </message>
    <message>
        <source>Source text</source>
        <translation>Texto de origen</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Traducción</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Copy the translation to the clipboard (Ctrl+Shift+C).</source>
        <translation>Copiar la traducción al portapapeles (Ctrl+Mayús+C).</translation>
    </message>
    <message>
        <source>&amp;Open in Window</source>
        <translation>Abrir en la &amp;ventana</translation>
    </message>
    <message>
        <source>Show both texts in the main window (Ctrl+O).</source>
        <translation>Mostrar ambos textos en la ventana principal (Ctrl+O).</translation>
    </message>
    <message>
        <source>Copied to the clipboard.</source>
        <translation>Copiado al portapapeles.</translation>
    </message>
    <message>
        <source>The translation. Ctrl+Shift+C copies it, Ctrl+Shift+S speaks it, Esc closes.</source>
        <translation>La traducción. Ctrl+Mayús+C la copia, Ctrl+Mayús+S la lee en voz alta, Esc cierra.</translation>
    </message>
    <message>
        <source>The translation of the selected text.</source>
        <translation>La traducción del texto seleccionado.</translation>
    </message>
    <message>
        <source>The selected text.</source>
        <translation>El texto seleccionado.</translation>
    </message>
    <message>
        <source>Its translation, or what went wrong.</source>
        <translation>Su traducción, o lo que salió mal.</translation>
    </message>
    <message>
        <source>What the translation is doing or has done.</source>
        <translation>Lo que la traducción está haciendo o ha hecho.</translation>
    </message>
    <message>
        <source>Translation back</source>
        <translation>Traducción de vuelta</translation>
    </message>
    <message>
        <source>The text read from the screen. Correct it and press Ctrl+Enter to translate it again.</source>
        <translation>El texto leído de la pantalla. Corríjalo y pulse Ctrl+Intro para traducirlo de nuevo.</translation>
    </message>
</context>
<context>
    <name>ShortcutDialog</name>
    <message>
        <source>Selection Shortcut</source>
        <translation>Atajo de selección</translation>
    </message>
    <message>
        <source>Select text in any application and press this key to read its translation in a small window. Press the new key here, or clear it to turn the shortcut off.</source>
        <translation>Seleccione un texto en cualquier aplicación y pulse esta tecla para leer su traducción en una ventana pequeña. Pulse aquí la nueva tecla, o bórrela para desactivar el atajo.</translation>
    </message>
    <message>
        <source>Selection shortcut</source>
        <translation>Atajo de selección</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>Turns the shortcut off</source>
        <translation>Desactiva el atajo</translation>
    </message>
    <message>
        <source>Screen Area Shortcut</source>
        <translation>Atajo de área de pantalla</translation>
    </message>
    <message>
        <source>Press this key in any application, then drag over an area of the screen to read its text and its translation in a small window. Press the new key here, or clear it to turn the shortcut off.</source>
        <translation>Pulse esta tecla en cualquier aplicación y arrastre sobre un área de la pantalla para leer su texto y su traducción en una ventana pequeña. Pulse aquí la nueva tecla, o bórrela para desactivar el atajo.</translation>
    </message>
    <message>
        <source>Screen area shortcut</source>
        <translation>Atajo de área de pantalla</translation>
    </message>
</context>
<context>
    <name>SpeakCommand</name>
    <message>
        <source>There is no translation to speak.</source>
        <translation>No hay ninguna traducción que leer.</translation>
    </message>
    <message>
        <source>No speech for this language pair.</source>
        <translation>No hay voz para este par de idiomas.</translation>
    </message>
    <message>
        <source>The spoken translation could not be fetched.</source>
        <translation>No se pudo obtener la traducción hablada.</translation>
    </message>
    <message>
        <source>Speaking...</source>
        <translation>Leyendo en voz alta...</translation>
    </message>
    <message>
        <source>The spoken translation could not be stored.</source>
        <translation>No se pudo guardar la traducción hablada.</translation>
    </message>
    <message>
        <source>No sound output device was found.</source>
        <translation>No se encontró ningún dispositivo de salida de sonido.</translation>
    </message>
    <message>
        <source>The spoken translation is not a playable sound.</source>
        <translation>La traducción hablada no es un sonido reproducible.</translation>
    </message>
    <message>
        <source>Spoken.</source>
        <translation>Lectura terminada.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Cancelado.</translation>
    </message>
</context>
<context>
    <name>StartMode</name>
    <message>
        <source>the document has no Features element</source>
        <translation>el documento no tiene elemento Features</translation>
    </message>
</context>
<context>
    <name>StartupSequence</name>
    <message>
        <source>v%1.%2 build %3</source>
        <translation>v%1.%2 compilación %3</translation>
    </message>
    <message>
        <source>You are not connected to the internet. Please connect, and start again.</source>
        <translation>No está conectado a Internet. Conéctese y vuelva a iniciar el programa.</translation>
    </message>
    <message>
        <source>Address asked for: %1</source>
        <translation>Dirección solicitada: %1</translation>
    </message>
    <message>
        <source>What went wrong: %1</source>
        <translation>Causa: %1</translation>
    </message>
    <message>
        <source>Loading preferences</source>
        <translation>Cargando las preferencias</translation>
    </message>
    <message>
        <source>the document was refused: it lacks %1</source>
        <translation>se rechazó el documento; le falta: %1</translation>
    </message>
    <message>
        <source>Loading updated server configuration</source>
        <translation>Cargando configuración del servidor</translation>
    </message>
    <message>
        <source>Initialized</source>
        <translation>Inicializado</translation>
    </message>
    <message>
        <source>, minimizing to tray.</source>
        <translation>, a la bandeja del sistema.</translation>
    </message>
</context>
<context>
    <name>TextRecognizer</name>
    <message>
        <source>The reading was cancelled.</source>
        <translation>Se canceló la lectura.</translation>
    </message>
    <message>
        <source>Text in this language cannot be read: its data (%1) is missing. Install the package %2.</source>
        <translation>No se puede leer texto en este idioma: faltan sus datos (%1). Instale el paquete %2.</translation>
    </message>
    <message>
        <source>The text could not be read: %1</source>
        <translation>No se pudo leer el texto: %1</translation>
    </message>
</context>
<context>
    <name>TranslateAnywhere</name>
    <message>
        <source>Choose another one under Options &gt; Selection Shortcut...</source>
        <translation>Elija otro en Opciones &gt; Atajo de selección...</translation>
    </message>
    <message>
        <source>No text is selected. Select a text, then press the key again.</source>
        <translation>No hay ningún texto seleccionado. Seleccione un texto y vuelva a pulsar la tecla.</translation>
    </message>
    <message>
        <source>The clipboard holds no text.</source>
        <translation>El portapapeles no contiene texto.</translation>
    </message>
    <message>
        <source>Translating from %1</source>
        <translation>Traduciendo: %1</translation>
    </message>
    <message>
        <source>Reading the selection...</source>
        <translation>Leyendo la selección...</translation>
    </message>
    <message>
        <source>Reading the clipboard...</source>
        <translation>Leyendo el portapapeles...</translation>
    </message>
    <message>
        <source>The selection&apos;s owner did not answer.</source>
        <translation>El programa dueño de la selección no ha respondido.</translation>
    </message>
    <message>
        <source>The language of the text is not clear.</source>
        <translation>El idioma del texto no está claro.</translation>
    </message>
    <message>
        <source>No language pair translates %1 into %2.</source>
        <translation>Ningún par de idiomas traduce del %1 al %2.</translation>
    </message>
    <message>
        <source>No language pair translates back from %1.</source>
        <translation>Ningún par de idiomas traduce de vuelta desde %1.</translation>
    </message>
    <message>
        <source>Translating back from %1</source>
        <translation>Traduciendo de vuelta con %1</translation>
    </message>
    <message>
        <source>Back: %1</source>
        <translation>De vuelta: %1</translation>
    </message>
    <message>
        <source>Choose another one under Options &gt; Screen Area Shortcut...</source>
        <translation>Elija otro en Opciones &gt; Atajo de área de pantalla...</translation>
    </message>
    <message>
        <source>Reading the screen...</source>
        <translation>Leyendo la pantalla...</translation>
    </message>
    <message>
        <source>No text was found in the area.</source>
        <translation>No se encontró ningún texto en el área.</translation>
    </message>
</context>
<context>
    <name>TranslateCommand</name>
    <message>
        <source>Translation failed: %1</source>
        <translation>La traducción falló: %1</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Cancelado.</translation>
    </message>
    <message>
        <source>Translation failed at %1: %2</source>
        <translation>La traducción falló en %1: %2</translation>
    </message>
    <message>
        <source>Translation timed out: %1 did not answer.</source>
        <translation>Tiempo de espera agotado al traducir: %1 no respondió.</translation>
    </message>
    <message>
        <source>No translation found in the answer of %1.</source>
        <translation>No se encontró ninguna traducción en la respuesta de %1.</translation>
    </message>
</context>
<context>
    <name>TranslationHistory</name>
    <message>
        <source>History is off for this run.</source>
        <translation>Historial desactivado hasta el próximo inicio.</translation>
    </message>
</context>
<context>
    <name>TranslationPipeline</name>
    <message>
        <source>no engine named %1</source>
        <translation>no hay ningún motor llamado %1</translation>
    </message>
    <message>
        <source>no language pair named %1</source>
        <translation>no hay ningún par de idiomas llamado %1</translation>
    </message>
    <message>
        <source>The text is too long to send (%1 characters in its request; at most %2).</source>
        <translation>El texto es demasiado largo para enviarlo (%1 caracteres en su solicitud; como máximo %2).</translation>
    </message>
</context>
<context>
    <name>X11GlobalShortcut</name>
    <message>
        <source>The selection shortcut %1 is not a key this keyboard has.</source>
        <translation>El atajo de selección %1 no es una tecla de este teclado.</translation>
    </message>
    <message>
        <source>The selection shortcut %1 is taken by another program.</source>
        <translation>El atajo de selección %1 ya lo usa otro programa.</translation>
    </message>
    <message>
        <source>The screen area shortcut %1 is not a key this keyboard has.</source>
        <translation>El atajo de área de pantalla %1 no es una tecla de este teclado.</translation>
    </message>
    <message>
        <source>The screen area shortcut %1 is taken by another program.</source>
        <translation>El atajo de área de pantalla %1 ya lo usa otro programa.</translation>
    </message>
</context>
<context>
    <name>frmTranslate</name>
    <message>
        <source>Translating from %1</source>
        <translation>Traduciendo: %1</translation>
    </message>
    <message>
        <source>Translated.</source>
        <translation>Traducido.</translation>
    </message>
    <message>
        <source>The service configuration could not be used (%1). The program will close.</source>
        <translation>No se pudo usar la configuración del servicio (%1). El programa se cerrará.</translation>
    </message>
    <message>
        <source>no configuration document</source>
        <translation>no hay ningún documento de configuración</translation>
    </message>
    <message>
        <source>The languages of this engine could not be listed (%1).</source>
        <translation>No se pudieron listar los idiomas de este motor (%1).</translation>
    </message>
    <message>
        <source>The window layout could not be applied (%1).</source>
        <translation>No se pudo aplicar la disposición de la ventana (%1).</translation>
    </message>
    <message>
        <source>No address for %1 has been configured. Please try again later.</source>
        <translation>No se ha configurado ninguna dirección para %1. Inténtelo de nuevo más tarde.</translation>
    </message>
    <message>
        <source>Online Help</source>
        <translation>Ayuda en línea</translation>
    </message>
    <message>
        <source>Online Support</source>
        <translation>Soporte en línea</translation>
    </message>
    <message>
        <source>CAPS</source>
        <translation>MAYÚS</translation>
    </message>
    <message>
        <source>INS</source>
        <translation>INS</translation>
    </message>
    <message>
        <source>&amp;Hear It!</source>
        <translation>¡&amp;Escuchar!</translation>
    </message>
    <message>
        <source>Type a word to Hear It</source>
        <translation>Palabra para escuchar</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Load on Startup</source>
        <translation>&amp;Cargar al iniciar la sesión</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Historial...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Ayuda en &amp;línea</translation>
    </message>
    <message>
        <source>Online &amp;Support</source>
        <translation>&amp;Soporte en línea</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>Source text</source>
        <translation>Texto de origen</translation>
    </message>
    <message>
        <source>The text to translate.</source>
        <translation>El texto que se va a traducir.</translation>
    </message>
    <message>
        <source>The text to translate. Ctrl+Enter translates it.</source>
        <translation>El texto que se va a traducir. Ctrl+Intro lo traduce.</translation>
    </message>
    <message>
        <source>Language pair</source>
        <translation>Par de idiomas</translation>
    </message>
    <message>
        <source>From which language into which one.</source>
        <translation>De qué idioma a cuál.</translation>
    </message>
    <message>
        <source>The online service that translates.</source>
        <translation>El servicio en línea que traduce.</translation>
    </message>
    <message>
        <source>The translation engine</source>
        <translation>El motor de traducción</translation>
    </message>
    <message>
        <source>Translate</source>
        <translation>Traducir</translation>
    </message>
    <message>
        <source>Sends the source text to the engine and shows the translation.</source>
        <translation>Envía el texto de origen al motor y muestra la traducción.</translation>
    </message>
    <message>
        <source>Translate the text (Ctrl+Enter in the text). Esc cancels.</source>
        <translation>Traducir el texto (Ctrl+Intro en el texto). Esc cancela.</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Traducción</translation>
    </message>
    <message>
        <source>The translated text of the last translation.</source>
        <translation>El texto traducido de la última traducción.</translation>
    </message>
    <message>
        <source>Word to hear</source>
        <translation>Palabra para escuchar</translation>
    </message>
    <message>
        <source>A word to hear spoken; messages about the sound show here too.</source>
        <translation>Una palabra para oírla pronunciada; aquí también aparecen los mensajes sobre el sonido.</translation>
    </message>
    <message>
        <source>Hear It</source>
        <translation>Escuchar</translation>
    </message>
    <message>
        <source>Fetches and plays the pronunciation of the word.</source>
        <translation>Descarga y reproduce la pronunciación de la palabra.</translation>
    </message>
    <message>
        <source>Hear the word spoken (Enter in the word box). Esc cancels.</source>
        <translation>Oír la palabra pronunciada (Intro en el cuadro de la palabra). Esc cancela.</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Sugerencia</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Barra de estado</translation>
    </message>
    <message>
        <source>What the program is doing, and the keyboard&apos;s state.</source>
        <translation>Lo que hace el programa y el estado del teclado.</translation>
    </message>
    <message>
        <source>What the program is doing or has just done.</source>
        <translation>Lo que el programa hace o acaba de hacer.</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>Bloq Mayús</translation>
    </message>
    <message>
        <source>Caps Lock indicator.</source>
        <translation>Indicador de Bloq Mayús.</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insertar</translation>
    </message>
    <message>
        <source>Insert indicator.</source>
        <translation>Indicador de inserción.</translation>
    </message>
    <message>
        <source>Type a word and press Enter to hear it.</source>
        <translation>Escriba una palabra y pulse Intro para escucharla.</translation>
    </message>
    <message>
        <source>&amp;Selection Shortcut...</source>
        <translation>&amp;Atajo de selección...</translation>
    </message>
    <message>
        <source>The language pair (Ctrl+R: the other way round)</source>
        <translation>El par de idiomas (Ctrl+R: en sentido inverso)</translation>
    </message>
    <message>
        <source>The translation. Ctrl+Shift+C copies it.</source>
        <translation>La traducción. Ctrl+Mayús+C la copia.</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>&amp;Detect Language</source>
        <translation>&amp;Detectar idioma</translation>
    </message>
    <message>
        <source>Screen &amp;Area Shortcut...</source>
        <translation>Atajo de á&amp;rea de pantalla...</translation>
    </message>
    <message>
        <source>Translate an &amp;Area of the Screen</source>
        <translation>Traducir un á&amp;rea de la pantalla</translation>
    </message>
</context>
<context>
    <name>mGlobal</name>
    <message>
        <source>Loaded, and mimized to tray.</source>
        <translation>Cargado y minimizado en la bandeja del sistema.</translation>
    </message>
    <message>
        <source>Double-click to open.</source>
        <translation>Haga doble clic para abrirlo.</translation>
    </message>
</context>
<context>
    <name>mMain</name>
    <message>
        <source>The configuration sent by the server cannot be used: %1</source>
        <translation>No se puede usar la configuración enviada por el servidor: %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Parlamo could not start.</source>
        <translation>Parlamo no pudo iniciarse.</translation>
    </message>
    <message>
        <source>reading the screen needs a display</source>
        <translation>leer la pantalla necesita una pantalla gráfica</translation>
    </message>
</context>
</TS>
