<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AppCommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>显示此帮助并退出。</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>显示版本并退出。</translation>
    </message>
    <message>
        <source>Translate the selected text in a small window (the running program&apos;s, or this one&apos;s once its window is loaded). Meant for a desktop shortcut.</source>
        <translation>在小窗口中翻译选中的文本(由正在运行的程序显示；若没有，则在本程序的窗口加载后由其显示)。供桌面快捷键使用。</translation>
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
        <translation>Parlamo，一个在线翻译桌面客户端。每次启动时，它从配置服务器获取
服务配置(内置；可用 PARLAMO_CONFIG_HOST=主机[:端口] 覆盖)。
代理取自 http_proxy、https_proxy、all_proxy 和 no_proxy(以及
HTTPS_PROXY、ALL_PROXY、NO_PROXY)，读取方式与 curl 相同；
若均未设置，则使用桌面的代理设置。
未指定 --help、--version、--translate、--list 或 --history 时
启动窗口，其他选项将被忽略。参见 RaDudezozad(1).</translation>
    </message>
    <message>
        <source>Started at log-on: in tray mode, go to the tray without a notice.</source>
        <translation>登录时启动：在托盘模式下，直接进入系统托盘而不显示通知。</translation>
    </message>
    <message>
        <source>Show the window, without a tray icon, even in tray mode.</source>
        <translation>显示窗口，不显示托盘图标，即使处于托盘模式。</translation>
    </message>
    <message>
        <source>Usage: %1 [options] [/startup] [/debug]</source>
        <translation>用法：%1 [选项] [/startup] [/debug]</translation>
    </message>
    <message>
        <source>Pick an area of the screen, read its text and translate it in a small window (the running program&apos;s, or this one&apos;s once its window is loaded).</source>
        <translation>选择屏幕上的一个区域，读取其中的文本并在小窗口中翻译(由正在运行的程序显示；若没有，则在本程序的窗口加载后由其显示).</translation>
    </message>
</context>
<context>
    <name>AppRequests</name>
    <message>
        <source>Parlamo has ended.</source>
        <translation>Parlamo 已退出。</translation>
    </message>
    <message>
        <source>Parlamo is closing.</source>
        <translation>Parlamo 正在关闭。</translation>
    </message>
</context>
<context>
    <name>ConfigCheck</name>
    <message>
        <source>the %1 attribute %2</source>
        <translation>%1 的属性 %2</translation>
    </message>
    <message>
        <source>a numeric %1 attribute %2</source>
        <translation>%1 的数值属性 %2</translation>
    </message>
    <message>
        <source>a numeric Sizes attribute %1</source>
        <translation>Sizes 的数值属性 %1</translation>
    </message>
    <message>
        <source>a Sizes attribute %1 that a screen can hold (at most %2 twips, not %3)</source>
        <translation>屏幕能容纳的 Sizes 属性 %1(最多 %2 缇，而不是 %3)</translation>
    </message>
    <message>
        <source>the Engines element</source>
        <translation>Engines 元素</translation>
    </message>
    <message>
        <source>the name of engine %1</source>
        <translation>引擎 %1 的名称</translation>
    </message>
    <message>
        <source>an engine name without an apostrophe (%1)</source>
        <translation>不含撇号的引擎名称(%1)</translation>
    </message>
    <message>
        <source>a usable name for engine %1</source>
        <translation>引擎 %1 的可用名称</translation>
    </message>
    <message>
        <source>the Languages element of engine %1</source>
        <translation>引擎 %1 的 Languages 元素</translation>
    </message>
    <message>
        <source>the name of language %1 of engine %2</source>
        <translation>引擎 %2 的语言 %1 的名称</translation>
    </message>
    <message>
        <source>a language at the Languages default %1 of engine %2 (there are %3)</source>
        <translation>位于引擎 %2 的 Languages 默认值 %1 处的语言(共有 %3 个)</translation>
    </message>
    <message>
        <source>an engine at the Engines default %1 (there are %2)</source>
        <translation>位于 Engines 默认值 %1 处的引擎(共有 %2 个)</translation>
    </message>
    <message>
        <source>a configuration document</source>
        <translation>一个配置文档</translation>
    </message>
    <message>
        <source>the Messages element</source>
        <translation>Messages 元素</translation>
    </message>
    <message>
        <source>the Features element</source>
        <translation>Features 元素</translation>
    </message>
    <message>
        <source>the Sizes element</source>
        <translation>Sizes 元素</translation>
    </message>
    <message>
        <source>The configuration sent by the server is incomplete, so the program cannot start. It lacks %1.</source>
        <translation>服务器发送的配置不完整，程序无法启动。缺少：%1.</translation>
    </message>
    <message>
        <source>Please start again later.</source>
        <translation>请稍后再启动。</translation>
    </message>
</context>
<context>
    <name>ConfigDocument</name>
    <message>
        <source>%1 at offset %2</source>
        <translation>%1，位于偏移量 %2</translation>
    </message>
    <message>
        <source>no root element</source>
        <translation>没有根元素</translation>
    </message>
    <message>
        <source>no configuration document is loaded</source>
        <translation>未加载配置文档</translation>
    </message>
    <message>
        <source>invalid lookup %1: %2</source>
        <translation>无效的查找 %1：%2</translation>
    </message>
</context>
<context>
    <name>ConfigElement</name>
    <message>
        <source>(missing element)</source>
        <translation>(缺少元素)</translation>
    </message>
    <message>
        <source>missing element for %1</source>
        <translation>缺少 %1 的元素</translation>
    </message>
    <message>
        <source>missing attribute %1</source>
        <translation>缺少属性 %1</translation>
    </message>
    <message>
        <source>not a 16-bit whole number: %1</source>
        <translation>不是 16 位整数：%1</translation>
    </message>
    <message>
        <source>not a 32-bit whole number: %1</source>
        <translation>不是 32 位整数：%1</translation>
    </message>
    <message>
        <source>not a number: %1</source>
        <translation>不是数字：%1</translation>
    </message>
</context>
<context>
    <name>ConfigLoader</name>
    <message>
        <source>the connection was refused</source>
        <translation>连接被拒绝</translation>
    </message>
    <message>
        <source>the host was not found</source>
        <translation>找不到主机</translation>
    </message>
    <message>
        <source>the server closed the connection before answering</source>
        <translation>服务器在响应前关闭了连接</translation>
    </message>
    <message>
        <source>timed out: %1</source>
        <translation>超时：%1</translation>
    </message>
    <message>
        <source>not a usable address: %1</source>
        <translation>不是可用的地址：%1</translation>
    </message>
    <message>
        <source>the server answered with HTTP status %1</source>
        <translation>服务器返回 HTTP 状态 %1</translation>
    </message>
    <message>
        <source>not a well-formed document: %1</source>
        <translation>文档格式不正确：%1</translation>
    </message>
</context>
<context>
    <name>DBusInterface</name>
    <message>
        <source>Parlamo has ended.</source>
        <translation>Parlamo 已退出。</translation>
    </message>
</context>
<context>
    <name>EngineLists</name>
    <message>
        <source>the document has no Engines element</source>
        <translation>文档中没有 Engines 元素</translation>
    </message>
    <message>
        <source>no Languages element for the engine &quot;%1&quot;</source>
        <translation>引擎“%1”没有 Languages 元素</translation>
    </message>
    <message>
        <source>%1 %2 selects no entry of %3</source>
        <translation>%1 %2 未选中 %3 个条目中的任何一个</translation>
    </message>
    <message>
        <source>the kept language</source>
        <translation>保留的语言</translation>
    </message>
</context>
<context>
    <name>HeadlessCommandLine</name>
    <message>
        <source>Translate TEXT without opening a window and print the result; &quot;-&quot; reads the text from standard input.</source>
        <translation>不打开窗口翻译“文本”并输出结果；“-”表示从标准输入读取文本。</translation>
    </message>
    <message>
        <source>TEXT</source>
        <translation>文本</translation>
    </message>
    <message>
        <source>The engine to translate with (default: the service&apos;s).</source>
        <translation>用于翻译的引擎(默认：服务指定的引擎).</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>The language pair to translate with (default: the engine&apos;s).</source>
        <translation>用于翻译的语言对(默认：引擎指定的语言对).</translation>
    </message>
    <message>
        <source>--list and --translate cannot be used together</source>
        <translation>--list 和 --translate 不能同时使用</translation>
    </message>
    <message>
        <source>--engine and --pair need --translate</source>
        <translation>--engine 和 --pair 需要配合 --translate 使用</translation>
    </message>
    <message>
        <source>standard input is not UTF-8 text</source>
        <translation>标准输入不是 UTF-8 文本</translation>
    </message>
    <message>
        <source>cannot read standard input</source>
        <translation>无法读取标准输入</translation>
    </message>
    <message>
        <source>List the engines and their language pairs, with the codes of their languages where known; the defaults are marked.</source>
        <translation>列出引擎及其语言对，已知时附带其语言代码；默认项已标记。</translation>
    </message>
    <message>
        <source>Print the code of the language of TEXT (the arguments, or standard input for none or &quot;-&quot;); exit 1 when not sure.</source>
        <translation>输出 TEXT 的语言代码（取自参数；没有参数或为 &quot;-&quot; 时取自标准输入）；不确定时以 1 退出。</translation>
    </message>
    <message>
        <source>With --pair auto: translate into the language of this code (&quot;en&quot;) from the text&apos;s language.</source>
        <translation>与 --pair auto 一起使用：从文本的语言翻译为此代码（&quot;en&quot;）的语言。</translation>
    </message>
    <message>
        <source>CODE</source>
        <translation>代码</translation>
    </message>
    <message>
        <source>With --translate: print the translation, then on the next line the translation translated back with the reverse pair.</source>
        <translation>与 --translate 一起使用：输出译文，然后在下一行输出用反向语言对译回的结果。</translation>
    </message>
    <message>
        <source>--detect cannot be used with --translate or --list</source>
        <translation>--detect 不能与 --translate 或 --list 一起使用</translation>
    </message>
    <message>
        <source>--to needs --pair auto</source>
        <translation>--to 需要 --pair auto</translation>
    </message>
</context>
<context>
    <name>HeadlessTranslation</name>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
    <message>
        <source>cannot load the configuration from %1: %2</source>
        <translation>无法从 %1 加载配置：%2</translation>
    </message>
    <message>
        <source>the document has no Messages element</source>
        <translation>文档中没有 Messages 元素</translation>
    </message>
    <message>
        <source>the service allows no translations now</source>
        <translation>服务当前不允许翻译</translation>
    </message>
    <message>
        <source>the configuration from %1 cannot be used: %2</source>
        <translation>无法使用来自 %1 的配置：%2</translation>
    </message>
    <message>
        <source>[default]</source>
        <translation>[默认]</translation>
    </message>
    <message>
        <source>there is no text to translate</source>
        <translation>没有要翻译的文本</translation>
    </message>
    <message>
        <source>unknown engine %1; the engines are %2</source>
        <translation>未知引擎 %1；可用引擎：%2</translation>
    </message>
    <message>
        <source>unknown language pair %1 of engine %2; its pairs are %3</source>
        <translation>引擎 %2 没有语言对 %1；其语言对为 %3</translation>
    </message>
    <message>
        <source>engine %1 at %2</source>
        <translation>位于 %2 的引擎 %1</translation>
    </message>
    <message>
        <source>cannot ask %1: %2</source>
        <translation>无法向 %1 发出请求：%2</translation>
    </message>
    <message>
        <source>cannot reach %1: %2</source>
        <translation>无法连接 %1：%2</translation>
    </message>
    <message>
        <source>%1 sent no answer within %2 s</source>
        <translation>%1 在 %2 秒内未响应</translation>
    </message>
    <message>
        <source>%1 answered with HTTP status %2</source>
        <translation>%1 返回 HTTP 状态 %2</translation>
    </message>
    <message>
        <source>no translation found in the answer of %1 (its markers do not occur in it)</source>
        <translation>在 %1 的响应中找不到译文(其中没有该引擎的标记)</translation>
    </message>
    <message>
        <source>not sure</source>
        <translation>不确定</translation>
    </message>
    <message>
        <source>language detection is not available: %1</source>
        <translation>语言检测不可用：%1</translation>
    </message>
    <message>
        <source>not sure which language the text is in</source>
        <translation>不确定文本是哪种语言</translation>
    </message>
    <message>
        <source>engine %1 has no language pair from %2 to %3</source>
        <translation>引擎 %1 没有从 %2 到 %3 的语言对</translation>
    </message>
    <message>
        <source>engine %1 has no language pair that translates back from %2</source>
        <translation>引擎 %1 没有从 %2 译回的语言对</translation>
    </message>
</context>
<context>
    <name>HearItCommand</name>
    <message>
        <source>No Sound file found.</source>
        <translation>未找到声音文件。</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>已取消。</translation>
    </message>
    <message>
        <source>Downloading Sound file...</source>
        <translation>正在下载声音文件...</translation>
    </message>
    <message>
        <source>Unable to detect WAV device in this system.</source>
        <translation>无法在此系统中检测到 WAV 设备。</translation>
    </message>
</context>
<context>
    <name>HistoryCommandLine</name>
    <message>
        <source>Print the translation history, newest first, without opening a window.</source>
        <translation>不打开窗口，输出翻译历史记录，最新的在前。</translation>
    </message>
    <message>
        <source>With --history: only the entries whose text or translation holds WORD, in any letter case.</source>
        <translation>与 --history 一起使用：只列出文本或译文包含“词语”的条目，不区分大小写。</translation>
    </message>
    <message>
        <source>WORD</source>
        <translation>词语</translation>
    </message>
    <message>
        <source>With --history: tsv (the default: tab-separated, no header) or csv (RFC 4180, with a header row).</source>
        <translation>与 --history 一起使用：tsv(默认：以制表符分隔，无标题行)或 csv(RFC 4180，含标题行).</translation>
    </message>
    <message>
        <source>--search and --format need --history</source>
        <translation>--search 和 --format 需要配合 --history 使用</translation>
    </message>
    <message>
        <source>--history cannot be used with --%1</source>
        <translation>--history 不能与 --%1 一起使用</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot;: tsv or csv</source>
        <translation>未知格式“%1”：可用 tsv 或 csv</translation>
    </message>
    <message>
        <source>cannot read the history in %1: %2</source>
        <translation>无法读取 %1 中的历史记录：%2</translation>
    </message>
</context>
<context>
    <name>HistoryModel</name>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>引擎</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文本</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>译文</translation>
    </message>
</context>
<context>
    <name>HistoryReader</name>
    <message>
        <source>unknown database error</source>
        <translation>未知的数据库错误</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 不是文件</translation>
    </message>
    <message>
        <source>the SQLite driver of Qt SQL is not installed</source>
        <translation>未安装 Qt SQL 的 SQLite 驱动</translation>
    </message>
    <message>
        <source>the history database is damaged</source>
        <translation>历史记录数据库已损坏</translation>
    </message>
</context>
<context>
    <name>HistoryStore</name>
    <message>
        <source>unknown database error</source>
        <translation>未知的数据库错误</translation>
    </message>
    <message>
        <source>cannot create the folder of %1</source>
        <translation>无法创建 %1 所在的文件夹</translation>
    </message>
    <message>
        <source>the SQLite driver of Qt SQL is not installed</source>
        <translation>未安装 Qt SQL 的 SQLite 驱动</translation>
    </message>
    <message>
        <source>the history database is damaged</source>
        <translation>历史记录数据库已损坏</translation>
    </message>
    <message>
        <source>History is off for this run: %1.</source>
        <translation>本次运行期间历史记录已关闭：%1.</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>History</source>
        <translation>历史记录</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜索</translation>
    </message>
    <message>
        <source>Search the history</source>
        <translation>搜索历史记录</translation>
    </message>
    <message>
        <source>Translations</source>
        <translation>翻译列表</translation>
    </message>
    <message>
        <source>Enter or a double click puts the translation back</source>
        <translation>按 Enter 或双击可将该翻译放回主窗口</translation>
    </message>
    <message>
        <source>Writes the listed translations to a CSV file</source>
        <translation>将列出的翻译写入 CSV 文件</translation>
    </message>
    <message>
        <source>Clear the whole history? This cannot be undone.</source>
        <translation>清除全部历史记录？此操作无法撤销。</translation>
    </message>
    <message>
        <source>Export History</source>
        <translation>导出历史记录</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV 文件 (*.csv);;所有文件 (*)</translation>
    </message>
    <message>
        <source>The history could not be written to %1.</source>
        <translation>无法将历史记录写入 %1.</translation>
    </message>
    <message>
        <source>Lists only the translations whose texts hold these letters; the arrow keys walk the list.</source>
        <translation>仅列出文本中包含这些字母的翻译；可用方向键在列表中移动。</translation>
    </message>
    <message>
        <source>&amp;Keep a history</source>
        <translation>保留历史记录(&amp;K)</translation>
    </message>
    <message>
        <source>Whether new translations are kept, also after a restart</source>
        <translation>是否保留新的翻译，重启后也保留</translation>
    </message>
    <message>
        <source>C&amp;lear History</source>
        <translation>清除历史记录(&amp;L)</translation>
    </message>
    <message>
        <source>Forgets every kept translation, after asking</source>
        <translation>询问后清除所有保留的翻译</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>导出(&amp;E)...</translation>
    </message>
</context>
<context>
    <name>HttpTransfer</name>
    <message>
        <source>The answer is larger than %1 MiB.</source>
        <translation>响应大于 %1 MiB.</translation>
    </message>
    <message>
        <source>The answer is larger than %1 bytes.</source>
        <translation>响应大于 %1 字节。</translation>
    </message>
    <message>
        <source>The transfer took longer than %1 seconds.</source>
        <translation>传输时间超过 %1 秒。</translation>
    </message>
    <message>
        <source>Not a usable address: %1</source>
        <translation>不是可用的地址：%1</translation>
    </message>
    <message>
        <source>Not a usable method: %1</source>
        <translation>不是可用的方法：%1</translation>
    </message>
    <message>
        <source>Not a usable header line: %1</source>
        <translation>不是可用的标头行：%1</translation>
    </message>
    <message>
        <source>Cannot start the transfer.</source>
        <translation>无法开始传输。</translation>
    </message>
    <message>
        <source>Refused a redirect to %1</source>
        <translation>已拒绝重定向到 %1</translation>
    </message>
    <message>
        <source>The answer&apos;s header has a broken line.</source>
        <translation>响应的标头中有损坏的行。</translation>
    </message>
    <message>
        <source>The answer&apos;s trailer is too large.</source>
        <translation>响应的尾部(trailer)过大。</translation>
    </message>
    <message>
        <source>The answer&apos;s header is too large.</source>
        <translation>响应的标头过大。</translation>
    </message>
    <message>
        <source>The server&apos;s answer is not HTTP.</source>
        <translation>服务器的响应不是 HTTP.</translation>
    </message>
    <message>
        <source>The server switched protocols.</source>
        <translation>服务器切换了协议。</translation>
    </message>
    <message>
        <source>The answer&apos;s transfer coding is not readable: %1</source>
        <translation>无法读取响应的传输编码：%1</translation>
    </message>
    <message>
        <source>The answer&apos;s length is unreadable.</source>
        <translation>无法读取响应的长度。</translation>
    </message>
    <message>
        <source>The connection ended inside the answer&apos;s header.</source>
        <translation>连接在响应标头中途中断。</translation>
    </message>
    <message>
        <source>Cannot connect to %1: %2</source>
        <translation>无法连接到 %1：%2</translation>
    </message>
    <message>
        <source>The server&apos;s certificate was refused: %1</source>
        <translation>服务器的证书被拒绝：%1</translation>
    </message>
    <message>
        <source>The secure connection failed: %1</source>
        <translation>安全连接失败：%1</translation>
    </message>
    <message>
        <source>The server closed the connection without answering.</source>
        <translation>服务器未响应就关闭了连接。</translation>
    </message>
    <message>
        <source>The connection ended before the whole answer.</source>
        <translation>连接在收到完整响应之前中断。</translation>
    </message>
    <message>
        <source>The connection ended after %1 of %2 bytes.</source>
        <translation>连接在收到 %2 字节中的 %1 字节后中断。</translation>
    </message>
    <message>
        <source>Too many redirects.</source>
        <translation>重定向次数过多。</translation>
    </message>
    <message>
        <source>The server&apos;s answer is not readable HTTP: %1</source>
        <translation>服务器的响应不是可读的 HTTP：%1</translation>
    </message>
    <message>
        <source>The server sent nothing for %1 seconds.</source>
        <translation>服务器 %1 秒内没有发送任何数据。</translation>
    </message>
    <message>
        <source>The server sent no answer within %1 seconds.</source>
        <translation>服务器在 %1 秒内没有响应。</translation>
    </message>
    <message>
        <source>The transfer was cancelled.</source>
        <translation>传输已取消。</translation>
    </message>
    <message>
        <source>The answer could not be stored.</source>
        <translation>无法保存应答。</translation>
    </message>
</context>
<context>
    <name>ImageCommandLine</name>
    <message>
        <source>there is no screen to read</source>
        <translation>没有可读取的屏幕</translation>
    </message>
    <message>
        <source>the screen cannot be read here</source>
        <translation>无法在此处读取屏幕</translation>
    </message>
    <message>
        <source>Print the text read from an image file (PNG, JPEG...) in the language of --pair&apos;s source, else in English.</source>
        <translation>输出从图像文件(PNG、JPEG...)中读取的文本，按 --pair 的源语言读取，否则按英语读取。</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Print the translation of the text read from an image file.</source>
        <translation>输出从图像文件中读取的文本的译文。</translation>
    </message>
    <message>
        <source>Print the text read from an area of the screen (needs a display).</source>
        <translation>输出从屏幕区域中读取的文本(需要图形显示环境).</translation>
    </message>
    <message>
        <source>X,Y,W,H</source>
        <translation>X,Y,宽,高</translation>
    </message>
    <message>
        <source>--read-image, --translate-image, --read-screen, --translate and --list cannot be used together</source>
        <translation>--read-image、--translate-image、--read-screen、--translate 和 --list 不能同时使用</translation>
    </message>
    <message>
        <source>--read-screen wants X,Y,W,H with a positive width and height</source>
        <translation>--read-screen 需要 X,Y,宽,高，且宽度和高度均为正数</translation>
    </message>
    <message>
        <source>cannot read the image %1: %2</source>
        <translation>无法读取图像 %1：%2</translation>
    </message>
    <message>
        <source>no text was found in the image</source>
        <translation>图像中未找到文本</translation>
    </message>
</context>
<context>
    <name>LayoutMath</name>
    <message>
        <source>not a number: %1</source>
        <translation>不是数字：%1</translation>
    </message>
    <message>
        <source>the document has no Sizes element</source>
        <translation>文档中没有 Sizes 元素</translation>
    </message>
</context>
<context>
    <name>LazySoundOutput</name>
    <message>
        <source>%1 belongs to another user</source>
        <translation>%1 属于其他用户</translation>
    </message>
    <message>
        <source>other users may change %1</source>
        <translation>其他用户可以修改 %1</translation>
    </message>
    <message>
        <source>No sound: the sound module %1 was not found.</source>
        <translation>没有声音：找不到声音模块 %1。</translation>
    </message>
    <message>
        <source>No sound: the sound module could not be loaded (%1).</source>
        <translation>没有声音：无法加载声音模块（%1）。</translation>
    </message>
</context>
<context>
    <name>NoScreenArea</name>
    <message>
        <source>The screen cannot be read on this desktop.</source>
        <translation>无法在此桌面上读取屏幕。</translation>
    </message>
</context>
<context>
    <name>OutsideTranslation</name>
    <message>
        <source>Choose a language pair in the main window first.</source>
        <translation>请先在主窗口中选择语言对。</translation>
    </message>
    <message>
        <source>There is no text to translate.</source>
        <translation>没有要翻译的文本。</translation>
    </message>
</context>
<context>
    <name>PairRule</name>
    <message>
        <source>The language pairs of this engine do not say which languages they join, so the language of a text cannot pick one.</source>
        <translation>此引擎的语言对没有说明它们连接哪些语言，因此无法按文本的语言选择语言对。</translation>
    </message>
    <message>
        <source>%1 → %2 (detected)</source>
        <translation>%1 → %2（已检测）</translation>
    </message>
    <message>
        <source>%1 (the language of the text is not clear)</source>
        <translation>%1（文本的语言不明确）</translation>
    </message>
    <message>
        <source>No pair from %1</source>
        <translation>没有从%1出发的语言对</translation>
    </message>
    <message>
        <source>%1 (no pair from %2)</source>
        <translation>%1（没有从%2出发的语言对）</translation>
    </message>
</context>
<context>
    <name>PortalGlobalShortcut</name>
    <message>
        <source>The selection shortcut %1 is not a key the desktop can bind.</source>
        <translation>桌面无法绑定划词翻译快捷键 %1.</translation>
    </message>
    <message>
        <source>The desktop did not bind the selection shortcut %1 (%2).</source>
        <translation>桌面未绑定划词翻译快捷键 %1(%2).</translation>
    </message>
    <message>
        <source>The selection shortcut %1 was not bound: the desktop&apos;s question was cancelled.</source>
        <translation>划词翻译快捷键 %1 未绑定：桌面的询问已被取消。</translation>
    </message>
    <message>
        <source>The desktop did not bind the selection shortcut %1.</source>
        <translation>桌面未绑定划词翻译快捷键 %1.</translation>
    </message>
    <message>
        <source>Translate the selection</source>
        <translation>翻译选中的文本</translation>
    </message>
    <message>
        <source>This desktop holds no keys for programs, so the selection shortcut %1 is off: bind &quot;%2 --translate-selection&quot; to a key in the desktop&apos;s keyboard settings instead.</source>
        <translation>此桌面不为程序保留按键，因此划词翻译快捷键 %1 已关闭：请改为在桌面的键盘设置中为“%2 --translate-selection”绑定一个按键。</translation>
    </message>
    <message>
        <source>The screen area shortcut %1 is not a key the desktop can bind.</source>
        <translation>桌面无法绑定屏幕区域翻译快捷键 %1.</translation>
    </message>
    <message>
        <source>The desktop did not bind the screen area shortcut %1 (%2).</source>
        <translation>桌面未绑定屏幕区域翻译快捷键 %1(%2).</translation>
    </message>
    <message>
        <source>The screen area shortcut %1 was not bound: the desktop&apos;s question was cancelled.</source>
        <translation>屏幕区域翻译快捷键 %1 未绑定：桌面的询问已被取消。</translation>
    </message>
    <message>
        <source>Translate an area of the screen</source>
        <translation>翻译屏幕区域</translation>
    </message>
    <message>
        <source>This desktop holds no keys for programs, so the screen area shortcut %1 is off: bind &quot;%2 --translate-screen-area&quot; to a key in the desktop&apos;s keyboard settings instead.</source>
        <translation>此桌面不为程序保留按键，因此屏幕区域翻译快捷键 %1 已关闭：请改为在桌面的键盘设置中为“%2 --translate-screen-area”绑定一个按键。</translation>
    </message>
    <message>
        <source>The desktop did not bind the screen area shortcut %1.</source>
        <translation>桌面未绑定屏幕区域翻译快捷键 %1.</translation>
    </message>
</context>
<context>
    <name>ReversePair</name>
    <message>
        <source>no language pairs for engine %1</source>
        <translation>引擎 %1 没有语言对</translation>
    </message>
</context>
<context>
    <name>RunningCopy</name>
    <message>
        <source>Parlamo is already running but does not answer (%1).</source>
        <translation>Parlamo 已在运行，但没有响应(%1).</translation>
    </message>
    <message>
        <source>Parlamo is already running but does not answer.</source>
        <translation>Parlamo 已在运行，但没有响应。</translation>
    </message>
    <message>
        <source>%1 cannot be made (%2).</source>
        <translation>无法创建 %1（%2）。</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 不是文件夹。</translation>
    </message>
    <message>
        <source>%1 belongs to another user.</source>
        <translation>%1 属于其他用户。</translation>
    </message>
    <message>
        <source>Other users may use %1.</source>
        <translation>其他用户可以使用 %1。</translation>
    </message>
    <message>
        <source>Cannot make sure that only one copy of Parlamo runs: %1</source>
        <translation>无法确保只运行一个 Parlamo 副本：%1</translation>
    </message>
</context>
<context>
    <name>ScreenAreaPicker</name>
    <message>
        <source>The screen cannot be read on this desktop.</source>
        <translation>无法在此桌面上读取屏幕。</translation>
    </message>
    <message>
        <source>The desktop does not let Parlamo read the screen (%1).</source>
        <translation>桌面不允许 Parlamo 读取屏幕(%1).</translation>
    </message>
    <message>
        <source>The desktop gave no picture of the screen.</source>
        <translation>桌面未提供屏幕图像。</translation>
    </message>
</context>
<context>
    <name>SelectionPopup</name>
    <message>
        <source>Parlamo Translation</source>
        <translation>Parlamo 翻译</translation>
    </message>
    <message>
        <source>Source text</source>
        <translation>原文</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>译文</translation>
    </message>
    <message>
        <source>The translation. Ctrl+Shift+C copies it, Ctrl+Shift+S speaks it, Esc closes.</source>
        <translation>译文。Ctrl+Shift+C 复制，Ctrl+Shift+S 朗读，Esc 关闭。</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>Copy the translation to the clipboard (Ctrl+Shift+C).</source>
        <translation>将译文复制到剪贴板(Ctrl+Shift+C).</translation>
    </message>
    <message>
        <source>&amp;Open in Window</source>
        <translation>在窗口中打开(&amp;O)</translation>
    </message>
    <message>
        <source>Show both texts in the main window (Ctrl+O).</source>
        <translation>在主窗口中显示原文和译文(Ctrl+O).</translation>
    </message>
    <message>
        <source>Copied to the clipboard.</source>
        <translation>已复制到剪贴板。</translation>
    </message>
    <message>
        <source>Translation back</source>
        <translation>回译</translation>
    </message>
    <message>
        <source>The translation of the selected text.</source>
        <translation>选中文本的译文。</translation>
    </message>
    <message>
        <source>The selected text.</source>
        <translation>选中的文本。</translation>
    </message>
    <message>
        <source>Its translation, or what went wrong.</source>
        <translation>其译文，或出错的原因。</translation>
    </message>
    <message>
        <source>What the translation is doing or has done.</source>
        <translation>翻译正在进行或已完成的操作。</translation>
    </message>
    <message>
        <source>The text read from the screen. Correct it and press Ctrl+Enter to translate it again.</source>
        <translation>从屏幕读取的文本。请更正后按 Ctrl+Enter 重新翻译。</translation>
    </message>
</context>
<context>
    <name>ShortcutDialog</name>
    <message>
        <source>Selection Shortcut</source>
        <translation>划词翻译快捷键</translation>
    </message>
    <message>
        <source>Select text in any application and press this key to read its translation in a small window. Press the new key here, or clear it to turn the shortcut off.</source>
        <translation>在任意应用程序中选中文本并按下此键，即可在小窗口中查看其译文。在此处按下新的按键，或将其清除以关闭此快捷键。</translation>
    </message>
    <message>
        <source>Selection shortcut</source>
        <translation>划词翻译快捷键</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>清除(&amp;L)</translation>
    </message>
    <message>
        <source>Turns the shortcut off</source>
        <translation>关闭此快捷键</translation>
    </message>
    <message>
        <source>Screen Area Shortcut</source>
        <translation>屏幕区域翻译快捷键</translation>
    </message>
    <message>
        <source>Press this key in any application, then drag over an area of the screen to read its text and its translation in a small window. Press the new key here, or clear it to turn the shortcut off.</source>
        <translation>在任意应用程序中按下此键，然后在屏幕上拖动选择一个区域，即可在小窗口中查看其中的文本及其译文。在此处按下新的按键，或将其清除以关闭此快捷键。</translation>
    </message>
    <message>
        <source>Screen area shortcut</source>
        <translation>屏幕区域翻译快捷键</translation>
    </message>
</context>
<context>
    <name>SpeakCommand</name>
    <message>
        <source>There is no translation to speak.</source>
        <translation>没有可朗读的译文。</translation>
    </message>
    <message>
        <source>No speech for this language pair.</source>
        <translation>此语言对不支持朗读。</translation>
    </message>
    <message>
        <source>The spoken translation could not be fetched.</source>
        <translation>无法获取译文的朗读音频。</translation>
    </message>
    <message>
        <source>Speaking...</source>
        <translation>正在朗读...</translation>
    </message>
    <message>
        <source>The spoken translation could not be stored.</source>
        <translation>无法保存译文的朗读音频。</translation>
    </message>
    <message>
        <source>No sound output device was found.</source>
        <translation>未找到声音输出设备。</translation>
    </message>
    <message>
        <source>The spoken translation is not a playable sound.</source>
        <translation>译文的朗读音频无法播放。</translation>
    </message>
    <message>
        <source>Spoken.</source>
        <translation>已朗读。</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>已取消。</translation>
    </message>
</context>
<context>
    <name>StartMode</name>
    <message>
        <source>the document has no Features element</source>
        <translation>文档中没有 Features 元素</translation>
    </message>
</context>
<context>
    <name>StartupSequence</name>
    <message>
        <source>v%1.%2 build %3</source>
        <translation>v%1.%2 构建 %3</translation>
    </message>
    <message>
        <source>You are not connected to the internet. Please connect, and start again.</source>
        <translation>您未连接到互联网。请连接后重新启动。</translation>
    </message>
    <message>
        <source>Address asked for: %1</source>
        <translation>请求的地址：%1</translation>
    </message>
    <message>
        <source>What went wrong: %1</source>
        <translation>出错原因：%1</translation>
    </message>
    <message>
        <source>Loading preferences</source>
        <translation>正在加载首选项</translation>
    </message>
    <message>
        <source>the document was refused: it lacks %1</source>
        <translation>文档被拒绝：缺少 %1</translation>
    </message>
    <message>
        <source>Loading updated server configuration</source>
        <translation>正在加载服务器配置</translation>
    </message>
    <message>
        <source>Initialized</source>
        <translation>已初始化</translation>
    </message>
    <message>
        <source>, minimizing to tray.</source>
        <translation>, 最小化到系统托盘。</translation>
    </message>
</context>
<context>
    <name>TextRecognizer</name>
    <message>
        <source>The reading was cancelled.</source>
        <translation>读取已取消。</translation>
    </message>
    <message>
        <source>Text in this language cannot be read: its data (%1) is missing. Install the package %2.</source>
        <translation>无法读取此语言的文本：缺少其数据(%1)。请安装软件包 %2.</translation>
    </message>
    <message>
        <source>The text could not be read: %1</source>
        <translation>无法读取文本：%1</translation>
    </message>
</context>
<context>
    <name>TranslateAnywhere</name>
    <message>
        <source>Choose another one under Options &gt; Selection Shortcut...</source>
        <translation>请另选一个：选项 &gt; 划词翻译快捷键...</translation>
    </message>
    <message>
        <source>Reading the selection...</source>
        <translation>正在读取选中的文本...</translation>
    </message>
    <message>
        <source>No text is selected. Select a text, then press the key again.</source>
        <translation>未选中任何文本。请选中文本，然后再次按下该键。</translation>
    </message>
    <message>
        <source>Reading the clipboard...</source>
        <translation>正在读取剪贴板...</translation>
    </message>
    <message>
        <source>The clipboard holds no text.</source>
        <translation>剪贴板中没有文本。</translation>
    </message>
    <message>
        <source>Translating from %1</source>
        <translation>正在翻译：%1</translation>
    </message>
    <message>
        <source>The language of the text is not clear.</source>
        <translation>文本的语言不明确。</translation>
    </message>
    <message>
        <source>No language pair translates %1 into %2.</source>
        <translation>没有语言对能把%1翻译成%2。</translation>
    </message>
    <message>
        <source>No language pair translates back from %1.</source>
        <translation>没有语言对能从%1译回。</translation>
    </message>
    <message>
        <source>Translating back from %1</source>
        <translation>正在用 %1 译回</translation>
    </message>
    <message>
        <source>Back: %1</source>
        <translation>回译：%1</translation>
    </message>
    <message>
        <source>Choose another one under Options &gt; Screen Area Shortcut...</source>
        <translation>请另选一个：选项 &gt; 屏幕区域翻译快捷键...</translation>
    </message>
    <message>
        <source>Reading the screen...</source>
        <translation>正在读取屏幕...</translation>
    </message>
    <message>
        <source>No text was found in the area.</source>
        <translation>该区域中未找到文本。</translation>
    </message>
    <message>
        <source>The selection&apos;s owner did not answer.</source>
        <translation>拥有所选内容的程序没有响应。</translation>
    </message>
</context>
<context>
    <name>TranslateCommand</name>
    <message>
        <source>Translation failed: %1</source>
        <translation>翻译失败：%1</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>已取消。</translation>
    </message>
    <message>
        <source>Translation failed at %1: %2</source>
        <translation>在服务器 %1 上翻译失败：%2</translation>
    </message>
    <message>
        <source>Translation timed out: %1 did not answer.</source>
        <translation>翻译超时：%1 没有响应。</translation>
    </message>
    <message>
        <source>No translation found in the answer of %1.</source>
        <translation>在 %1 的响应中找不到译文。</translation>
    </message>
</context>
<context>
    <name>TranslationHistory</name>
    <message>
        <source>History is off for this run.</source>
        <translation>本次运行期间历史记录已关闭。</translation>
    </message>
</context>
<context>
    <name>TranslationPipeline</name>
    <message>
        <source>The text is too long to send (%1 characters in its request; at most %2).</source>
        <translation>文本过长，无法发送(请求中有 %1 个字符；最多 %2 个).</translation>
    </message>
    <message>
        <source>no engine named %1</source>
        <translation>没有名为 %1 的引擎</translation>
    </message>
    <message>
        <source>no language pair named %1</source>
        <translation>没有名为 %1 的语言对</translation>
    </message>
</context>
<context>
    <name>X11GlobalShortcut</name>
    <message>
        <source>The selection shortcut %1 is not a key this keyboard has.</source>
        <translation>此键盘上没有划词翻译快捷键 %1 所用的按键。</translation>
    </message>
    <message>
        <source>The selection shortcut %1 is taken by another program.</source>
        <translation>划词翻译快捷键 %1 已被其他程序占用。</translation>
    </message>
    <message>
        <source>The screen area shortcut %1 is not a key this keyboard has.</source>
        <translation>此键盘上没有屏幕区域翻译快捷键 %1 所用的按键。</translation>
    </message>
    <message>
        <source>The screen area shortcut %1 is taken by another program.</source>
        <translation>屏幕区域翻译快捷键 %1 已被其他程序占用。</translation>
    </message>
</context>
<context>
    <name>frmTranslate</name>
    <message>
        <source>Translating from %1</source>
        <translation>正在翻译：%1</translation>
    </message>
    <message>
        <source>Translated.</source>
        <translation>翻译完成。</translation>
    </message>
    <message>
        <source>The service configuration could not be used (%1). The program will close.</source>
        <translation>无法使用服务配置(%1)。程序将关闭。</translation>
    </message>
    <message>
        <source>no configuration document</source>
        <translation>没有配置文档</translation>
    </message>
    <message>
        <source>The languages of this engine could not be listed (%1).</source>
        <translation>无法列出此引擎的语言(%1).</translation>
    </message>
    <message>
        <source>The window layout could not be applied (%1).</source>
        <translation>无法应用窗口布局(%1).</translation>
    </message>
    <message>
        <source>No address for %1 has been configured. Please try again later.</source>
        <translation>尚未配置“%1”的地址。请稍后再试。</translation>
    </message>
    <message>
        <source>Online Help</source>
        <translation>在线帮助</translation>
    </message>
    <message>
        <source>Online Support</source>
        <translation>在线支持</translation>
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
        <translation>朗读(&amp;R)!</translation>
    </message>
    <message>
        <source>Type a word to Hear It</source>
        <translation>输入要朗读的单词</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>退出(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>选项(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Load on Startup</source>
        <translation>登录时启动(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Selection Shortcut...</source>
        <translation>划词翻译快捷键(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>历史记录(&amp;H)...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>在线帮助(&amp;O)</translation>
    </message>
    <message>
        <source>Online &amp;Support</source>
        <translation>在线支持(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>打开(&amp;O)</translation>
    </message>
    <message>
        <source>Source text</source>
        <translation>原文</translation>
    </message>
    <message>
        <source>The text to translate.</source>
        <translation>要翻译的文本。</translation>
    </message>
    <message>
        <source>The text to translate. Ctrl+Enter translates it.</source>
        <translation>要翻译的文本。按 Ctrl+Enter 进行翻译。</translation>
    </message>
    <message>
        <source>Language pair</source>
        <translation>语言对</translation>
    </message>
    <message>
        <source>From which language into which one.</source>
        <translation>从哪种语言翻译成哪种语言。</translation>
    </message>
    <message>
        <source>The language pair (Ctrl+R: the other way round)</source>
        <translation>语言对(Ctrl+R：反向)</translation>
    </message>
    <message>
        <source>The online service that translates.</source>
        <translation>执行翻译的在线服务。</translation>
    </message>
    <message>
        <source>The translation engine</source>
        <translation>翻译引擎</translation>
    </message>
    <message>
        <source>Translate</source>
        <translation>翻译</translation>
    </message>
    <message>
        <source>Sends the source text to the engine and shows the translation.</source>
        <translation>将原文发送给引擎并显示译文。</translation>
    </message>
    <message>
        <source>Translate the text (Ctrl+Enter in the text). Esc cancels.</source>
        <translation>翻译文本(在文本框中按 Ctrl+Enter)。按 Esc 取消。</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>译文</translation>
    </message>
    <message>
        <source>The translated text of the last translation.</source>
        <translation>最近一次翻译的译文。</translation>
    </message>
    <message>
        <source>The translation. Ctrl+Shift+C copies it.</source>
        <translation>译文。按 Ctrl+Shift+C 复制。</translation>
    </message>
    <message>
        <source>Word to hear</source>
        <translation>要朗读的单词</translation>
    </message>
    <message>
        <source>A word to hear spoken; messages about the sound show here too.</source>
        <translation>要朗读的单词；有关声音的消息也显示在此处。</translation>
    </message>
    <message>
        <source>Hear It</source>
        <translation>朗读</translation>
    </message>
    <message>
        <source>Fetches and plays the pronunciation of the word.</source>
        <translation>获取并播放该单词的发音。</translation>
    </message>
    <message>
        <source>Hear the word spoken (Enter in the word box). Esc cancels.</source>
        <translation>朗读该单词(在单词框中按 Enter)。按 Esc 取消。</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>状态栏</translation>
    </message>
    <message>
        <source>What the program is doing, and the keyboard&apos;s state.</source>
        <translation>程序正在执行的操作，以及键盘的状态。</translation>
    </message>
    <message>
        <source>What the program is doing or has just done.</source>
        <translation>程序正在执行或刚刚完成的操作。</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>大写锁定</translation>
    </message>
    <message>
        <source>Caps Lock indicator.</source>
        <translation>大写锁定指示器。</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>插入</translation>
    </message>
    <message>
        <source>Insert indicator.</source>
        <translation>插入模式指示器。</translation>
    </message>
    <message>
        <source>Type a word and press Enter to hear it.</source>
        <translation>输入一个单词并按 Enter 收听其发音。</translation>
    </message>
    <message>
        <source>&amp;Detect Language</source>
        <translation>检测语言(&amp;D)</translation>
    </message>
    <message>
        <source>Screen &amp;Area Shortcut...</source>
        <translation>屏幕区域翻译快捷键(&amp;A)...</translation>
    </message>
    <message>
        <source>Translate an &amp;Area of the Screen</source>
        <translation>翻译屏幕区域(&amp;A)</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>引擎</translation>
    </message>
</context>
<context>
    <name>mGlobal</name>
    <message>
        <source>Loaded, and mimized to tray.</source>
        <translation>已加载并最小化到系统托盘。</translation>
    </message>
    <message>
        <source>Double-click to open.</source>
        <translation>双击打开。</translation>
    </message>
</context>
<context>
    <name>mMain</name>
    <message>
        <source>The configuration sent by the server cannot be used: %1</source>
        <translation>无法使用服务器发送的配置：%1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Parlamo could not start.</source>
        <translation>Parlamo 无法启动。</translation>
    </message>
    <message>
        <source>reading the screen needs a display</source>
        <translation>读取屏幕需要图形显示环境</translation>
    </message>
</context>
</TS>
