<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>AppCommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>このヘルプを表示して終了します。</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>バージョンを表示して終了します。</translation>
    </message>
    <message>
        <source>Translate the selected text in a small window (the running program&apos;s, or this one&apos;s once its window is loaded). Meant for a desktop shortcut.</source>
        <translation>選択したテキストを小さなウィンドウで翻訳します (実行中のプログラムのウィンドウ、なければこのプログラムのウィンドウの読み込み後)。デスクトップのショートカット用です。</translation>
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
        <translation>Parlamo はオンライン翻訳のためのデスクトップクライアントです。起動のたびに
設定サーバー (組み込み。PARLAMO_CONFIG_HOST=ホスト[:ポート] で上書き可能) から
サービス設定を取得します。
プロキシは curl と同様に http_proxy、https_proxy、all_proxy、no_proxy (および
HTTPS_PROXY、ALL_PROXY、NO_PROXY) から読み取ります。いずれもない場合は
デスクトップのプロキシ設定を使います。
--help、--version、--translate、--list、--history のいずれもなければ
ウィンドウが開き、その他のオプションは無視されます。
RaDudezozad(1) を参照してください。</translation>
    </message>
    <message>
        <source>Started at log-on: in tray mode, go to the tray without a notice.</source>
        <translation>ログイン時の起動: トレイモードでは通知を出さずにシステムトレイに入ります。</translation>
    </message>
    <message>
        <source>Show the window, without a tray icon, even in tray mode.</source>
        <translation>トレイモードでも、トレイアイコンなしでウィンドウを表示します。</translation>
    </message>
    <message>
        <source>Usage: %1 [options] [/startup] [/debug]</source>
        <translation>使い方: %1 [オプション] [/startup] [/debug]</translation>
    </message>
    <message>
        <source>Pick an area of the screen, read its text and translate it in a small window (the running program&apos;s, or this one&apos;s once its window is loaded).</source>
        <translation>画面の領域を選び、そのテキストを読み取って小さなウィンドウで翻訳します (実行中のプログラムのウィンドウ、なければこのプログラムのウィンドウの読み込み後).</translation>
    </message>
</context>
<context>
    <name>AppRequests</name>
    <message>
        <source>Parlamo has ended.</source>
        <translation>Parlamo は終了しました。</translation>
    </message>
    <message>
        <source>Parlamo is closing.</source>
        <translation>Parlamo を終了しています。</translation>
    </message>
</context>
<context>
    <name>ConfigCheck</name>
    <message>
        <source>the %1 attribute %2</source>
        <translation>%1 の属性 %2</translation>
    </message>
    <message>
        <source>a numeric %1 attribute %2</source>
        <translation>%1 の数値属性 %2</translation>
    </message>
    <message>
        <source>a numeric Sizes attribute %1</source>
        <translation>Sizes の数値属性 %1</translation>
    </message>
    <message>
        <source>a Sizes attribute %1 that a screen can hold (at most %2 twips, not %3)</source>
        <translation>画面に収まる Sizes の属性 %1 (%3 ではなく最大 %2 twip)</translation>
    </message>
    <message>
        <source>the Engines element</source>
        <translation>Engines 要素</translation>
    </message>
    <message>
        <source>the name of engine %1</source>
        <translation>エンジン %1 の名前</translation>
    </message>
    <message>
        <source>an engine name without an apostrophe (%1)</source>
        <translation>アポストロフィを含まないエンジン名 (%1)</translation>
    </message>
    <message>
        <source>a usable name for engine %1</source>
        <translation>エンジン %1 の使用可能な名前</translation>
    </message>
    <message>
        <source>the Languages element of engine %1</source>
        <translation>エンジン %1 の Languages 要素</translation>
    </message>
    <message>
        <source>the name of language %1 of engine %2</source>
        <translation>エンジン %2 の言語 %1 の名前</translation>
    </message>
    <message>
        <source>a language at the Languages default %1 of engine %2 (there are %3)</source>
        <translation>エンジン %2 の Languages の既定値 %1 の位置にある言語 (全 %3 個)</translation>
    </message>
    <message>
        <source>an engine at the Engines default %1 (there are %2)</source>
        <translation>Engines の既定値 %1 の位置にあるエンジン (全 %2 個)</translation>
    </message>
    <message>
        <source>a configuration document</source>
        <translation>設定ドキュメント</translation>
    </message>
    <message>
        <source>the Messages element</source>
        <translation>Messages 要素</translation>
    </message>
    <message>
        <source>the Features element</source>
        <translation>Features 要素</translation>
    </message>
    <message>
        <source>the Sizes element</source>
        <translation>Sizes 要素</translation>
    </message>
    <message>
        <source>The configuration sent by the server is incomplete, so the program cannot start. It lacks %1.</source>
        <translation>サーバーから送られた設定が不完全なため、プログラムを起動できません。不足しているもの: %1.</translation>
    </message>
    <message>
        <source>Please start again later.</source>
        <translation>後でもう一度起動してください。</translation>
    </message>
</context>
<context>
    <name>ConfigDocument</name>
    <message>
        <source>%1 at offset %2</source>
        <translation>%1 (オフセット %2)</translation>
    </message>
    <message>
        <source>no root element</source>
        <translation>ルート要素がありません</translation>
    </message>
    <message>
        <source>no configuration document is loaded</source>
        <translation>設定ドキュメントが読み込まれていません</translation>
    </message>
    <message>
        <source>invalid lookup %1: %2</source>
        <translation>無効な参照 %1: %2</translation>
    </message>
</context>
<context>
    <name>ConfigElement</name>
    <message>
        <source>(missing element)</source>
        <translation>(要素がありません)</translation>
    </message>
    <message>
        <source>missing element for %1</source>
        <translation>%1 の要素がありません</translation>
    </message>
    <message>
        <source>missing attribute %1</source>
        <translation>属性 %1 がありません</translation>
    </message>
    <message>
        <source>not a 16-bit whole number: %1</source>
        <translation>16 ビット整数ではありません: %1</translation>
    </message>
    <message>
        <source>not a 32-bit whole number: %1</source>
        <translation>32 ビット整数ではありません: %1</translation>
    </message>
    <message>
        <source>not a number: %1</source>
        <translation>数値ではありません: %1</translation>
    </message>
</context>
<context>
    <name>ConfigLoader</name>
    <message>
        <source>the connection was refused</source>
        <translation>接続が拒否されました</translation>
    </message>
    <message>
        <source>the host was not found</source>
        <translation>ホストが見つかりません</translation>
    </message>
    <message>
        <source>the server closed the connection before answering</source>
        <translation>サーバーが応答する前に接続を閉じました</translation>
    </message>
    <message>
        <source>timed out: %1</source>
        <translation>タイムアウト: %1</translation>
    </message>
    <message>
        <source>not a usable address: %1</source>
        <translation>使用できないアドレス: %1</translation>
    </message>
    <message>
        <source>the server answered with HTTP status %1</source>
        <translation>サーバーが HTTP ステータス %1 で応答しました</translation>
    </message>
    <message>
        <source>not a well-formed document: %1</source>
        <translation>整形式のドキュメントではありません: %1</translation>
    </message>
</context>
<context>
    <name>DBusInterface</name>
    <message>
        <source>Parlamo has ended.</source>
        <translation>Parlamo は終了しました。</translation>
    </message>
</context>
<context>
    <name>EngineLists</name>
    <message>
        <source>the document has no Engines element</source>
        <translation>ドキュメントに Engines 要素がありません</translation>
    </message>
    <message>
        <source>no Languages element for the engine &quot;%1&quot;</source>
        <translation>エンジン「%1」の Languages 要素がありません</translation>
    </message>
    <message>
        <source>%1 %2 selects no entry of %3</source>
        <translation>%1 %2 は %3 個の項目のどれも選択していません</translation>
    </message>
    <message>
        <source>the kept language</source>
        <translation>保持された言語</translation>
    </message>
</context>
<context>
    <name>HeadlessCommandLine</name>
    <message>
        <source>Translate TEXT without opening a window and print the result; &quot;-&quot; reads the text from standard input.</source>
        <translation>ウィンドウを開かずに「テキスト」を翻訳して結果を出力します。「-」を指定すると標準入力からテキストを読み取ります。</translation>
    </message>
    <message>
        <source>TEXT</source>
        <translation>テキスト</translation>
    </message>
    <message>
        <source>The engine to translate with (default: the service&apos;s).</source>
        <translation>翻訳に使うエンジン (既定: サービスが指定するもの).</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>The language pair to translate with (default: the engine&apos;s).</source>
        <translation>翻訳に使う言語ペア (既定: エンジンが指定するもの).</translation>
    </message>
    <message>
        <source>--list and --translate cannot be used together</source>
        <translation>--list と --translate は同時に使えません</translation>
    </message>
    <message>
        <source>--engine and --pair need --translate</source>
        <translation>--engine と --pair には --translate が必要です</translation>
    </message>
    <message>
        <source>standard input is not UTF-8 text</source>
        <translation>標準入力が UTF-8 のテキストではありません</translation>
    </message>
    <message>
        <source>cannot read standard input</source>
        <translation>標準入力を読み取れません</translation>
    </message>
    <message>
        <source>List the engines and their language pairs, with the codes of their languages where known; the defaults are marked.</source>
        <translation>エンジンとその言語ペアを、分かる場合は言語コード付きで一覧表示します。既定のものには印が付きます。</translation>
    </message>
    <message>
        <source>Print the code of the language of TEXT (the arguments, or standard input for none or &quot;-&quot;); exit 1 when not sure.</source>
        <translation>TEXT（引数、引数がないか &quot;-&quot; のときは標準入力）の言語のコードを出力します。確かでないときは 1 で終了します。</translation>
    </message>
    <message>
        <source>With --pair auto: translate into the language of this code (&quot;en&quot;) from the text&apos;s language.</source>
        <translation>--pair auto と共に: テキストの言語からこのコード（&quot;en&quot;）の言語へ翻訳します。</translation>
    </message>
    <message>
        <source>CODE</source>
        <translation>コード</translation>
    </message>
    <message>
        <source>With --translate: print the translation, then on the next line the translation translated back with the reverse pair.</source>
        <translation>--translate と共に: 翻訳を出力し、次の行に逆向きのペアで翻訳し戻した結果を出力します。</translation>
    </message>
    <message>
        <source>--detect cannot be used with --translate or --list</source>
        <translation>--detect は --translate や --list と一緒に使えません</translation>
    </message>
    <message>
        <source>--to needs --pair auto</source>
        <translation>--to には --pair auto が必要です</translation>
    </message>
</context>
<context>
    <name>HeadlessTranslation</name>
    <message>
        <source>none</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>cannot load the configuration from %1: %2</source>
        <translation>%1 から設定を読み込めません: %2</translation>
    </message>
    <message>
        <source>the document has no Messages element</source>
        <translation>ドキュメントに Messages 要素がありません</translation>
    </message>
    <message>
        <source>the service allows no translations now</source>
        <translation>サービスは現在翻訳を許可していません</translation>
    </message>
    <message>
        <source>the configuration from %1 cannot be used: %2</source>
        <translation>%1 からの設定は使用できません: %2</translation>
    </message>
    <message>
        <source>[default]</source>
        <translation>[既定]</translation>
    </message>
    <message>
        <source>there is no text to translate</source>
        <translation>翻訳するテキストがありません</translation>
    </message>
    <message>
        <source>unknown engine %1; the engines are %2</source>
        <translation>不明なエンジン %1。エンジンは %2 です</translation>
    </message>
    <message>
        <source>unknown language pair %1 of engine %2; its pairs are %3</source>
        <translation>エンジン %2 の不明な言語ペア %1。このエンジンの言語ペアは %3 です</translation>
    </message>
    <message>
        <source>engine %1 at %2</source>
        <translation>%2 のエンジン %1</translation>
    </message>
    <message>
        <source>cannot ask %1: %2</source>
        <translation>%1 に問い合わせできません: %2</translation>
    </message>
    <message>
        <source>cannot reach %1: %2</source>
        <translation>%1 に到達できません: %2</translation>
    </message>
    <message>
        <source>%1 sent no answer within %2 s</source>
        <translation>%1 から %2 秒以内に応答がありませんでした</translation>
    </message>
    <message>
        <source>%1 answered with HTTP status %2</source>
        <translation>%1 が HTTP ステータス %2 で応答しました</translation>
    </message>
    <message>
        <source>no translation found in the answer of %1 (its markers do not occur in it)</source>
        <translation>%1 の応答に翻訳が見つかりません (エンジンの目印が含まれていません)</translation>
    </message>
    <message>
        <source>not sure</source>
        <translation>確かではありません</translation>
    </message>
    <message>
        <source>language detection is not available: %1</source>
        <translation>言語の検出は利用できません: %1</translation>
    </message>
    <message>
        <source>not sure which language the text is in</source>
        <translation>テキストの言語が確かではありません</translation>
    </message>
    <message>
        <source>engine %1 has no language pair from %2 to %3</source>
        <translation>エンジン %1 には %2 から %3 への言語ペアがありません</translation>
    </message>
    <message>
        <source>engine %1 has no language pair that translates back from %2</source>
        <translation>エンジン %1 には %2 から翻訳し戻す言語ペアがありません</translation>
    </message>
</context>
<context>
    <name>HearItCommand</name>
    <message>
        <source>No Sound file found.</source>
        <translation>音声ファイルが見つかりません。</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>キャンセルしました。</translation>
    </message>
    <message>
        <source>Downloading Sound file...</source>
        <translation>音声ファイルをダウンロードしています...</translation>
    </message>
    <message>
        <source>Unable to detect WAV device in this system.</source>
        <translation>このシステムで WAV デバイスを検出できません。</translation>
    </message>
</context>
<context>
    <name>HistoryCommandLine</name>
    <message>
        <source>Print the translation history, newest first, without opening a window.</source>
        <translation>ウィンドウを開かずに翻訳履歴を新しい順に出力します。</translation>
    </message>
    <message>
        <source>With --history: only the entries whose text or translation holds WORD, in any letter case.</source>
        <translation>--history と併用: テキストまたは翻訳に「単語」を含む項目だけを表示します (大文字と小文字は区別しません).</translation>
    </message>
    <message>
        <source>WORD</source>
        <translation>単語</translation>
    </message>
    <message>
        <source>With --history: tsv (the default: tab-separated, no header) or csv (RFC 4180, with a header row).</source>
        <translation>--history と併用: tsv (既定: タブ区切り、ヘッダーなし) または csv (RFC 4180、ヘッダー行あり).</translation>
    </message>
    <message>
        <source>--search and --format need --history</source>
        <translation>--search と --format には --history が必要です</translation>
    </message>
    <message>
        <source>--history cannot be used with --%1</source>
        <translation>--history は --%1 と一緒に使えません</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot;: tsv or csv</source>
        <translation>不明な形式「%1」: tsv または csv を指定してください</translation>
    </message>
    <message>
        <source>cannot read the history in %1: %2</source>
        <translation>%1 の履歴を読み取れません: %2</translation>
    </message>
</context>
<context>
    <name>HistoryModel</name>
    <message>
        <source>Time</source>
        <translation>日時</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>エンジン</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>テキスト</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>翻訳</translation>
    </message>
</context>
<context>
    <name>HistoryReader</name>
    <message>
        <source>unknown database error</source>
        <translation>不明なデータベースエラー</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 はファイルではありません</translation>
    </message>
    <message>
        <source>the SQLite driver of Qt SQL is not installed</source>
        <translation>Qt SQL の SQLite ドライバーがインストールされていません</translation>
    </message>
    <message>
        <source>the history database is damaged</source>
        <translation>履歴データベースが破損しています</translation>
    </message>
</context>
<context>
    <name>HistoryStore</name>
    <message>
        <source>unknown database error</source>
        <translation>不明なデータベースエラー</translation>
    </message>
    <message>
        <source>cannot create the folder of %1</source>
        <translation>%1 のフォルダーを作成できません</translation>
    </message>
    <message>
        <source>the SQLite driver of Qt SQL is not installed</source>
        <translation>Qt SQL の SQLite ドライバーがインストールされていません</translation>
    </message>
    <message>
        <source>the history database is damaged</source>
        <translation>履歴データベースが破損しています</translation>
    </message>
    <message>
        <source>History is off for this run: %1.</source>
        <translation>次回の起動まで履歴はオフです: %1.</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>History</source>
        <translation>履歴</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Search the history</source>
        <translation>履歴を検索</translation>
    </message>
    <message>
        <source>Translations</source>
        <translation>翻訳一覧</translation>
    </message>
    <message>
        <source>Enter or a double click puts the translation back</source>
        <translation>Enter キーまたはダブルクリックで翻訳をメインウィンドウに戻します</translation>
    </message>
    <message>
        <source>Writes the listed translations to a CSV file</source>
        <translation>一覧の翻訳を CSV ファイルに書き出します</translation>
    </message>
    <message>
        <source>Clear the whole history? This cannot be undone.</source>
        <translation>履歴をすべて消去しますか? この操作は元に戻せません。</translation>
    </message>
    <message>
        <source>Export History</source>
        <translation>履歴のエクスポート</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV ファイル (*.csv);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>The history could not be written to %1.</source>
        <translation>履歴を %1 に書き込めませんでした。</translation>
    </message>
    <message>
        <source>Lists only the translations whose texts hold these letters; the arrow keys walk the list.</source>
        <translation>テキストにこれらの文字を含む翻訳だけを一覧表示します。矢印キーで一覧内を移動します。</translation>
    </message>
    <message>
        <source>&amp;Keep a history</source>
        <translation>履歴を残す(&amp;K)</translation>
    </message>
    <message>
        <source>Whether new translations are kept, also after a restart</source>
        <translation>新しい翻訳を再起動後も残すかどうか</translation>
    </message>
    <message>
        <source>C&amp;lear History</source>
        <translation>履歴を消去(&amp;L)</translation>
    </message>
    <message>
        <source>Forgets every kept translation, after asking</source>
        <translation>確認のうえ、残してあるすべての翻訳を消去します</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>エクスポート(&amp;E)...</translation>
    </message>
</context>
<context>
    <name>HttpTransfer</name>
    <message>
        <source>The answer is larger than %1 MiB.</source>
        <translation>応答が %1 MiB を超えています。</translation>
    </message>
    <message>
        <source>The answer is larger than %1 bytes.</source>
        <translation>応答が %1 バイトを超えています。</translation>
    </message>
    <message>
        <source>The transfer took longer than %1 seconds.</source>
        <translation>転送に %1 秒以上かかりました。</translation>
    </message>
    <message>
        <source>Not a usable address: %1</source>
        <translation>使用できないアドレスです: %1</translation>
    </message>
    <message>
        <source>Not a usable method: %1</source>
        <translation>使用できないメソッドです: %1</translation>
    </message>
    <message>
        <source>Not a usable header line: %1</source>
        <translation>使用できないヘッダー行です: %1</translation>
    </message>
    <message>
        <source>Cannot start the transfer.</source>
        <translation>転送を開始できません。</translation>
    </message>
    <message>
        <source>Refused a redirect to %1</source>
        <translation>%1 へのリダイレクトを拒否しました</translation>
    </message>
    <message>
        <source>The answer&apos;s header has a broken line.</source>
        <translation>応答のヘッダーに壊れた行があります。</translation>
    </message>
    <message>
        <source>The answer&apos;s trailer is too large.</source>
        <translation>応答のトレーラーが大きすぎます。</translation>
    </message>
    <message>
        <source>The answer&apos;s header is too large.</source>
        <translation>応答のヘッダーが大きすぎます。</translation>
    </message>
    <message>
        <source>The server&apos;s answer is not HTTP.</source>
        <translation>サーバーの応答が HTTP ではありません。</translation>
    </message>
    <message>
        <source>The server switched protocols.</source>
        <translation>サーバーがプロトコルを切り替えました。</translation>
    </message>
    <message>
        <source>The answer&apos;s transfer coding is not readable: %1</source>
        <translation>応答の転送コーディングを読み取れません: %1</translation>
    </message>
    <message>
        <source>The answer&apos;s length is unreadable.</source>
        <translation>応答の長さを読み取れません。</translation>
    </message>
    <message>
        <source>The connection ended inside the answer&apos;s header.</source>
        <translation>応答ヘッダーの途中で接続が切れました。</translation>
    </message>
    <message>
        <source>Cannot connect to %1: %2</source>
        <translation>%1 に接続できません: %2</translation>
    </message>
    <message>
        <source>The server&apos;s certificate was refused: %1</source>
        <translation>サーバーの証明書が拒否されました: %1</translation>
    </message>
    <message>
        <source>The secure connection failed: %1</source>
        <translation>安全な接続に失敗しました: %1</translation>
    </message>
    <message>
        <source>The server closed the connection without answering.</source>
        <translation>サーバーが応答せずに接続を閉じました。</translation>
    </message>
    <message>
        <source>The connection ended before the whole answer.</source>
        <translation>応答をすべて受け取る前に接続が切れました。</translation>
    </message>
    <message>
        <source>The connection ended after %1 of %2 bytes.</source>
        <translation>%2 バイト中 %1 バイトで接続が切れました。</translation>
    </message>
    <message>
        <source>Too many redirects.</source>
        <translation>リダイレクトが多すぎます。</translation>
    </message>
    <message>
        <source>The server&apos;s answer is not readable HTTP: %1</source>
        <translation>サーバーの応答は読み取れる HTTP ではありません: %1</translation>
    </message>
    <message>
        <source>The server sent nothing for %1 seconds.</source>
        <translation>サーバーから %1 秒間何も送られてきませんでした。</translation>
    </message>
    <message>
        <source>The server sent no answer within %1 seconds.</source>
        <translation>サーバーから %1 秒以内に応答がありませんでした。</translation>
    </message>
    <message>
        <source>The transfer was cancelled.</source>
        <translation>転送はキャンセルされました。</translation>
    </message>
    <message>
        <source>The answer could not be stored.</source>
        <translation>応答を保存できませんでした。</translation>
    </message>
</context>
<context>
    <name>ImageCommandLine</name>
    <message>
        <source>there is no screen to read</source>
        <translation>読み取る画面がありません</translation>
    </message>
    <message>
        <source>the screen cannot be read here</source>
        <translation>ここでは画面を読み取れません</translation>
    </message>
    <message>
        <source>Print the text read from an image file (PNG, JPEG...) in the language of --pair&apos;s source, else in English.</source>
        <translation>画像ファイル (PNG、JPEG...) から読み取ったテキストを出力します。--pair の翻訳元の言語で、指定がなければ英語で読み取ります。</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Print the translation of the text read from an image file.</source>
        <translation>画像ファイルから読み取ったテキストの翻訳を出力します。</translation>
    </message>
    <message>
        <source>Print the text read from an area of the screen (needs a display).</source>
        <translation>画面の領域から読み取ったテキストを出力します (ディスプレイが必要です).</translation>
    </message>
    <message>
        <source>X,Y,W,H</source>
        <translation>X,Y,幅,高さ</translation>
    </message>
    <message>
        <source>--read-image, --translate-image, --read-screen, --translate and --list cannot be used together</source>
        <translation>--read-image、--translate-image、--read-screen、--translate、--list は同時に使えません</translation>
    </message>
    <message>
        <source>--read-screen wants X,Y,W,H with a positive width and height</source>
        <translation>--read-screen には X,Y,幅,高さ (幅と高さは正の値) が必要です</translation>
    </message>
    <message>
        <source>cannot read the image %1: %2</source>
        <translation>画像 %1 を読み取れません: %2</translation>
    </message>
    <message>
        <source>no text was found in the image</source>
        <translation>画像にテキストが見つかりませんでした</translation>
    </message>
</context>
<context>
    <name>LayoutMath</name>
    <message>
        <source>not a number: %1</source>
        <translation>数値ではありません: %1</translation>
    </message>
    <message>
        <source>the document has no Sizes element</source>
        <translation>ドキュメントに Sizes 要素がありません</translation>
    </message>
</context>
<context>
    <name>LazySoundOutput</name>
    <message>
        <source>%1 belongs to another user</source>
        <translation>%1 は別のユーザーのものです</translation>
    </message>
    <message>
        <source>other users may change %1</source>
        <translation>他のユーザーが %1 を変更できます</translation>
    </message>
    <message>
        <source>No sound: the sound module %1 was not found.</source>
        <translation>音声なし: 音声モジュール %1 が見つかりません。</translation>
    </message>
    <message>
        <source>No sound: the sound module could not be loaded (%1).</source>
        <translation>音声なし: 音声モジュールを読み込めませんでした (%1)。</translation>
    </message>
</context>
<context>
    <name>NoScreenArea</name>
    <message>
        <source>The screen cannot be read on this desktop.</source>
        <translation>このデスクトップでは画面を読み取れません。</translation>
    </message>
</context>
<context>
    <name>OutsideTranslation</name>
    <message>
        <source>Choose a language pair in the main window first.</source>
        <translation>先にメインウィンドウで言語ペアを選択してください。</translation>
    </message>
    <message>
        <source>There is no text to translate.</source>
        <translation>翻訳するテキストがありません。</translation>
    </message>
</context>
<context>
    <name>PairRule</name>
    <message>
        <source>The language pairs of this engine do not say which languages they join, so the language of a text cannot pick one.</source>
        <translation>このエンジンの言語ペアはどの言語を結ぶかを示していないため、テキストの言語からペアを選べません。</translation>
    </message>
    <message>
        <source>%1 → %2 (detected)</source>
        <translation>%1 → %2（検出）</translation>
    </message>
    <message>
        <source>%1 (the language of the text is not clear)</source>
        <translation>%1（テキストの言語がはっきりしません）</translation>
    </message>
    <message>
        <source>No pair from %1</source>
        <translation>%1 からのペアはありません</translation>
    </message>
    <message>
        <source>%1 (no pair from %2)</source>
        <translation>%1（%2 からのペアはありません）</translation>
    </message>
</context>
<context>
    <name>PortalGlobalShortcut</name>
    <message>
        <source>The selection shortcut %1 is not a key the desktop can bind.</source>
        <translation>選択範囲の翻訳ショートカット %1 はデスクトップで割り当てられないキーです。</translation>
    </message>
    <message>
        <source>The desktop did not bind the selection shortcut %1 (%2).</source>
        <translation>デスクトップは選択範囲の翻訳ショートカット %1 を割り当てませんでした (%2).</translation>
    </message>
    <message>
        <source>The selection shortcut %1 was not bound: the desktop&apos;s question was cancelled.</source>
        <translation>選択範囲の翻訳ショートカット %1 は割り当てられませんでした: デスクトップの確認がキャンセルされました。</translation>
    </message>
    <message>
        <source>The desktop did not bind the selection shortcut %1.</source>
        <translation>デスクトップは選択範囲の翻訳ショートカット %1 を割り当てませんでした。</translation>
    </message>
    <message>
        <source>Translate the selection</source>
        <translation>選択範囲を翻訳</translation>
    </message>
    <message>
        <source>This desktop holds no keys for programs, so the selection shortcut %1 is off: bind &quot;%2 --translate-selection&quot; to a key in the desktop&apos;s keyboard settings instead.</source>
        <translation>このデスクトップはプログラムにキーを割り当てないため、選択範囲の翻訳ショートカット %1 はオフです。代わりにデスクトップのキーボード設定で「%2 --translate-selection」をキーに割り当ててください。</translation>
    </message>
    <message>
        <source>The screen area shortcut %1 is not a key the desktop can bind.</source>
        <translation>画面領域の翻訳ショートカット %1 はデスクトップで割り当てられないキーです。</translation>
    </message>
    <message>
        <source>The desktop did not bind the screen area shortcut %1 (%2).</source>
        <translation>デスクトップは画面領域の翻訳ショートカット %1 を割り当てませんでした (%2).</translation>
    </message>
    <message>
        <source>The screen area shortcut %1 was not bound: the desktop&apos;s question was cancelled.</source>
        <translation>画面領域の翻訳ショートカット %1 は割り当てられませんでした: デスクトップの確認がキャンセルされました。</translation>
    </message>
    <message>
        <source>Translate an area of the screen</source>
        <translation>画面の領域を翻訳</translation>
    </message>
    <message>
        <source>This desktop holds no keys for programs, so the screen area shortcut %1 is off: bind &quot;%2 --translate-screen-area&quot; to a key in the desktop&apos;s keyboard settings instead.</source>
        <translation>このデスクトップはプログラムにキーを割り当てないため、画面領域の翻訳ショートカット %1 はオフです。代わりにデスクトップのキーボード設定で「%2 --translate-screen-area」をキーに割り当ててください。</translation>
    </message>
    <message>
        <source>The desktop did not bind the screen area shortcut %1.</source>
        <translation>デスクトップは画面領域の翻訳ショートカット %1 を割り当てませんでした。</translation>
    </message>
</context>
<context>
    <name>ReversePair</name>
    <message>
        <source>no language pairs for engine %1</source>
        <translation>エンジン %1 の言語ペアがありません</translation>
    </message>
</context>
<context>
    <name>RunningCopy</name>
    <message>
        <source>Parlamo is already running but does not answer (%1).</source>
        <translation>Parlamo はすでに実行中ですが応答しません (%1).</translation>
    </message>
    <message>
        <source>Parlamo is already running but does not answer.</source>
        <translation>Parlamo はすでに実行中ですが応答しません。</translation>
    </message>
    <message>
        <source>%1 cannot be made (%2).</source>
        <translation>%1 を作成できません (%2)。</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 はフォルダーではありません。</translation>
    </message>
    <message>
        <source>%1 belongs to another user.</source>
        <translation>%1 は別のユーザーのものです。</translation>
    </message>
    <message>
        <source>Other users may use %1.</source>
        <translation>他のユーザーが %1 を使用できます。</translation>
    </message>
    <message>
        <source>Cannot make sure that only one copy of Parlamo runs: %1</source>
        <translation>Parlamo が 1 つだけ実行されていることを確認できません: %1</translation>
    </message>
</context>
<context>
    <name>ScreenAreaPicker</name>
    <message>
        <source>The screen cannot be read on this desktop.</source>
        <translation>このデスクトップでは画面を読み取れません。</translation>
    </message>
    <message>
        <source>The desktop does not let Parlamo read the screen (%1).</source>
        <translation>デスクトップが Parlamo による画面の読み取りを許可していません (%1).</translation>
    </message>
    <message>
        <source>The desktop gave no picture of the screen.</source>
        <translation>デスクトップから画面の画像が得られませんでした。</translation>
    </message>
</context>
<context>
    <name>SelectionPopup</name>
    <message>
        <source>Parlamo Translation</source>
        <translation>Parlamo 翻訳</translation>
    </message>
    <message>
        <source>Source text</source>
        <translation>原文</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>翻訳</translation>
    </message>
    <message>
        <source>The translation. Ctrl+Shift+C copies it, Ctrl+Shift+S speaks it, Esc closes.</source>
        <translation>翻訳です。Ctrl+Shift+C でコピー、Ctrl+Shift+S で読み上げ、Esc で閉じます。</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>Copy the translation to the clipboard (Ctrl+Shift+C).</source>
        <translation>翻訳をクリップボードにコピーします (Ctrl+Shift+C).</translation>
    </message>
    <message>
        <source>&amp;Open in Window</source>
        <translation>ウィンドウで開く(&amp;O)</translation>
    </message>
    <message>
        <source>Show both texts in the main window (Ctrl+O).</source>
        <translation>両方のテキストをメインウィンドウに表示します (Ctrl+O).</translation>
    </message>
    <message>
        <source>Copied to the clipboard.</source>
        <translation>クリップボードにコピーしました。</translation>
    </message>
    <message>
        <source>Translation back</source>
        <translation>逆翻訳</translation>
    </message>
    <message>
        <source>The translation of the selected text.</source>
        <translation>選択したテキストの翻訳です。</translation>
    </message>
    <message>
        <source>The selected text.</source>
        <translation>選択したテキストです。</translation>
    </message>
    <message>
        <source>Its translation, or what went wrong.</source>
        <translation>その翻訳、またはうまくいかなかった理由です。</translation>
    </message>
    <message>
        <source>What the translation is doing or has done.</source>
        <translation>翻訳の現在の状況、または結果です。</translation>
    </message>
    <message>
        <source>The text read from the screen. Correct it and press Ctrl+Enter to translate it again.</source>
        <translation>画面から読み取ったテキストです。修正して Ctrl+Enter を押すと、もう一度翻訳します。</translation>
    </message>
</context>
<context>
    <name>ShortcutDialog</name>
    <message>
        <source>Selection Shortcut</source>
        <translation>選択範囲の翻訳ショートカット</translation>
    </message>
    <message>
        <source>Select text in any application and press this key to read its translation in a small window. Press the new key here, or clear it to turn the shortcut off.</source>
        <translation>任意のアプリケーションでテキストを選択してこのキーを押すと、小さなウィンドウで翻訳を読めます。ここで新しいキーを押すか、消去してショートカットをオフにしてください。</translation>
    </message>
    <message>
        <source>Selection shortcut</source>
        <translation>選択範囲の翻訳ショートカット</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>消去(&amp;L)</translation>
    </message>
    <message>
        <source>Turns the shortcut off</source>
        <translation>ショートカットをオフにします</translation>
    </message>
    <message>
        <source>Screen Area Shortcut</source>
        <translation>画面領域の翻訳ショートカット</translation>
    </message>
    <message>
        <source>Press this key in any application, then drag over an area of the screen to read its text and its translation in a small window. Press the new key here, or clear it to turn the shortcut off.</source>
        <translation>任意のアプリケーションでこのキーを押してから画面の領域をドラッグすると、小さなウィンドウでそのテキストと翻訳を読めます。ここで新しいキーを押すか、消去してショートカットをオフにしてください。</translation>
    </message>
    <message>
        <source>Screen area shortcut</source>
        <translation>画面領域の翻訳ショートカット</translation>
    </message>
</context>
<context>
    <name>SpeakCommand</name>
    <message>
        <source>There is no translation to speak.</source>
        <translation>読み上げる翻訳がありません。</translation>
    </message>
    <message>
        <source>No speech for this language pair.</source>
        <translation>この言語ペアには音声がありません。</translation>
    </message>
    <message>
        <source>The spoken translation could not be fetched.</source>
        <translation>翻訳の音声を取得できませんでした。</translation>
    </message>
    <message>
        <source>Speaking...</source>
        <translation>読み上げています...</translation>
    </message>
    <message>
        <source>The spoken translation could not be stored.</source>
        <translation>翻訳の音声を保存できませんでした。</translation>
    </message>
    <message>
        <source>No sound output device was found.</source>
        <translation>音声出力デバイスが見つかりませんでした。</translation>
    </message>
    <message>
        <source>The spoken translation is not a playable sound.</source>
        <translation>翻訳の音声は再生できる形式ではありません。</translation>
    </message>
    <message>
        <source>Spoken.</source>
        <translation>読み上げました。</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>キャンセルしました。</translation>
    </message>
</context>
<context>
    <name>StartMode</name>
    <message>
        <source>the document has no Features element</source>
        <translation>ドキュメントに Features 要素がありません</translation>
    </message>
</context>
<context>
    <name>StartupSequence</name>
    <message>
        <source>v%1.%2 build %3</source>
        <translation>v%1.%2 ビルド %3</translation>
    </message>
    <message>
        <source>You are not connected to the internet. Please connect, and start again.</source>
        <translation>インターネットに接続されていません。接続してから、もう一度起動してください。</translation>
    </message>
    <message>
        <source>Address asked for: %1</source>
        <translation>接続先アドレス: %1</translation>
    </message>
    <message>
        <source>What went wrong: %1</source>
        <translation>原因: %1</translation>
    </message>
    <message>
        <source>Loading preferences</source>
        <translation>設定を読み込んでいます</translation>
    </message>
    <message>
        <source>the document was refused: it lacks %1</source>
        <translation>ドキュメントは拒否されました: %1 がありません</translation>
    </message>
    <message>
        <source>Loading updated server configuration</source>
        <translation>サーバー設定を読み込んでいます</translation>
    </message>
    <message>
        <source>Initialized</source>
        <translation>初期化しました</translation>
    </message>
    <message>
        <source>, minimizing to tray.</source>
        <translation>, システムトレイに最小化します。</translation>
    </message>
</context>
<context>
    <name>TextRecognizer</name>
    <message>
        <source>The reading was cancelled.</source>
        <translation>読み取りはキャンセルされました。</translation>
    </message>
    <message>
        <source>Text in this language cannot be read: its data (%1) is missing. Install the package %2.</source>
        <translation>この言語のテキストは読み取れません: そのデータ (%1) がありません。パッケージ %2 をインストールしてください。</translation>
    </message>
    <message>
        <source>The text could not be read: %1</source>
        <translation>テキストを読み取れませんでした: %1</translation>
    </message>
</context>
<context>
    <name>TranslateAnywhere</name>
    <message>
        <source>Choose another one under Options &gt; Selection Shortcut...</source>
        <translation>別のキーを選んでください: オプション &gt; 選択範囲の翻訳ショートカット...</translation>
    </message>
    <message>
        <source>Reading the selection...</source>
        <translation>選択範囲を読み取っています...</translation>
    </message>
    <message>
        <source>No text is selected. Select a text, then press the key again.</source>
        <translation>テキストが選択されていません。テキストを選択してから、もう一度キーを押してください。</translation>
    </message>
    <message>
        <source>Reading the clipboard...</source>
        <translation>クリップボードを読み取っています...</translation>
    </message>
    <message>
        <source>The clipboard holds no text.</source>
        <translation>クリップボードにテキストがありません。</translation>
    </message>
    <message>
        <source>Translating from %1</source>
        <translation>翻訳中: %1</translation>
    </message>
    <message>
        <source>The language of the text is not clear.</source>
        <translation>テキストの言語がはっきりしません。</translation>
    </message>
    <message>
        <source>No language pair translates %1 into %2.</source>
        <translation>%1 から %2 へ翻訳する言語ペアはありません。</translation>
    </message>
    <message>
        <source>No language pair translates back from %1.</source>
        <translation>%1 から翻訳し戻す言語ペアはありません。</translation>
    </message>
    <message>
        <source>Translating back from %1</source>
        <translation>%1 で翻訳し戻しています</translation>
    </message>
    <message>
        <source>Back: %1</source>
        <translation>逆翻訳: %1</translation>
    </message>
    <message>
        <source>Choose another one under Options &gt; Screen Area Shortcut...</source>
        <translation>別のキーを選んでください: オプション &gt; 画面領域の翻訳ショートカット...</translation>
    </message>
    <message>
        <source>Reading the screen...</source>
        <translation>画面を読み取っています...</translation>
    </message>
    <message>
        <source>No text was found in the area.</source>
        <translation>この領域にテキストが見つかりませんでした。</translation>
    </message>
    <message>
        <source>The selection&apos;s owner did not answer.</source>
        <translation>選択範囲を持つプログラムが応答しませんでした。</translation>
    </message>
</context>
<context>
    <name>TranslateCommand</name>
    <message>
        <source>Translation failed: %1</source>
        <translation>翻訳に失敗しました: %1</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>キャンセルしました。</translation>
    </message>
    <message>
        <source>Translation failed at %1: %2</source>
        <translation>サーバー %1 での翻訳に失敗しました: %2</translation>
    </message>
    <message>
        <source>Translation timed out: %1 did not answer.</source>
        <translation>翻訳がタイムアウトしました: %1 が応答しませんでした。</translation>
    </message>
    <message>
        <source>No translation found in the answer of %1.</source>
        <translation>%1 の応答に翻訳が見つかりません。</translation>
    </message>
</context>
<context>
    <name>TranslationHistory</name>
    <message>
        <source>History is off for this run.</source>
        <translation>次回の起動まで履歴はオフです。</translation>
    </message>
</context>
<context>
    <name>TranslationPipeline</name>
    <message>
        <source>The text is too long to send (%1 characters in its request; at most %2).</source>
        <translation>テキストが長すぎて送信できません (リクエスト中 %1 文字、最大 %2 文字).</translation>
    </message>
    <message>
        <source>no engine named %1</source>
        <translation>%1 という名前のエンジンはありません</translation>
    </message>
    <message>
        <source>no language pair named %1</source>
        <translation>%1 という名前の言語ペアはありません</translation>
    </message>
</context>
<context>
    <name>X11GlobalShortcut</name>
    <message>
        <source>The selection shortcut %1 is not a key this keyboard has.</source>
        <translation>選択範囲の翻訳ショートカット %1 はこのキーボードにないキーです。</translation>
    </message>
    <message>
        <source>The selection shortcut %1 is taken by another program.</source>
        <translation>選択範囲の翻訳ショートカット %1 は別のプログラムが使用しています。</translation>
    </message>
    <message>
        <source>The screen area shortcut %1 is not a key this keyboard has.</source>
        <translation>画面領域の翻訳ショートカット %1 はこのキーボードにないキーです。</translation>
    </message>
    <message>
        <source>The screen area shortcut %1 is taken by another program.</source>
        <translation>画面領域の翻訳ショートカット %1 は別のプログラムが使用しています。</translation>
    </message>
</context>
<context>
    <name>frmTranslate</name>
    <message>
        <source>Translating from %1</source>
        <translation>翻訳中: %1</translation>
    </message>
    <message>
        <source>Translated.</source>
        <translation>翻訳しました。</translation>
    </message>
    <message>
        <source>The service configuration could not be used (%1). The program will close.</source>
        <translation>サービス設定を使用できませんでした (%1)。プログラムを終了します。</translation>
    </message>
    <message>
        <source>no configuration document</source>
        <translation>設定ドキュメントがありません</translation>
    </message>
    <message>
        <source>The languages of this engine could not be listed (%1).</source>
        <translation>このエンジンの言語を一覧表示できませんでした (%1).</translation>
    </message>
    <message>
        <source>The window layout could not be applied (%1).</source>
        <translation>ウィンドウのレイアウトを適用できませんでした (%1).</translation>
    </message>
    <message>
        <source>No address for %1 has been configured. Please try again later.</source>
        <translation>「%1」のアドレスが設定されていません。後でもう一度お試しください。</translation>
    </message>
    <message>
        <source>Online Help</source>
        <translation>オンラインヘルプ</translation>
    </message>
    <message>
        <source>Online Support</source>
        <translation>オンラインサポート</translation>
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
        <translation>読み上げ(&amp;R)!</translation>
    </message>
    <message>
        <source>Type a word to Hear It</source>
        <translation>読み上げる単語を入力</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>終了(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>オプション(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Load on Startup</source>
        <translation>ログイン時に起動(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Selection Shortcut...</source>
        <translation>選択範囲の翻訳ショートカット(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>履歴(&amp;H)...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>オンラインヘルプ(&amp;O)</translation>
    </message>
    <message>
        <source>Online &amp;Support</source>
        <translation>オンラインサポート(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>開く(&amp;O)</translation>
    </message>
    <message>
        <source>Source text</source>
        <translation>原文</translation>
    </message>
    <message>
        <source>The text to translate.</source>
        <translation>翻訳するテキストです。</translation>
    </message>
    <message>
        <source>The text to translate. Ctrl+Enter translates it.</source>
        <translation>翻訳するテキストです。Ctrl+Enter で翻訳します。</translation>
    </message>
    <message>
        <source>Language pair</source>
        <translation>言語ペア</translation>
    </message>
    <message>
        <source>From which language into which one.</source>
        <translation>どの言語からどの言語へ翻訳するか。</translation>
    </message>
    <message>
        <source>The language pair (Ctrl+R: the other way round)</source>
        <translation>言語ペア (Ctrl+R: 逆方向)</translation>
    </message>
    <message>
        <source>The online service that translates.</source>
        <translation>翻訳を行うオンラインサービスです。</translation>
    </message>
    <message>
        <source>The translation engine</source>
        <translation>翻訳エンジン</translation>
    </message>
    <message>
        <source>Translate</source>
        <translation>翻訳</translation>
    </message>
    <message>
        <source>Sends the source text to the engine and shows the translation.</source>
        <translation>原文をエンジンに送信し、翻訳を表示します。</translation>
    </message>
    <message>
        <source>Translate the text (Ctrl+Enter in the text). Esc cancels.</source>
        <translation>テキストを翻訳します (テキスト内で Ctrl+Enter)。Esc でキャンセルします。</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>翻訳</translation>
    </message>
    <message>
        <source>The translated text of the last translation.</source>
        <translation>最後の翻訳で訳されたテキストです。</translation>
    </message>
    <message>
        <source>The translation. Ctrl+Shift+C copies it.</source>
        <translation>翻訳です。Ctrl+Shift+C でコピーします。</translation>
    </message>
    <message>
        <source>Word to hear</source>
        <translation>読み上げる単語</translation>
    </message>
    <message>
        <source>A word to hear spoken; messages about the sound show here too.</source>
        <translation>読み上げる単語です。音声に関するメッセージもここに表示されます。</translation>
    </message>
    <message>
        <source>Hear It</source>
        <translation>読み上げ</translation>
    </message>
    <message>
        <source>Fetches and plays the pronunciation of the word.</source>
        <translation>単語の発音を取得して再生します。</translation>
    </message>
    <message>
        <source>Hear the word spoken (Enter in the word box). Esc cancels.</source>
        <translation>単語の読み上げを聞きます (単語の入力欄で Enter)。Esc でキャンセルします。</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>ヒント</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>ステータスバー</translation>
    </message>
    <message>
        <source>What the program is doing, and the keyboard&apos;s state.</source>
        <translation>プログラムの現在の動作と、キーボードの状態です。</translation>
    </message>
    <message>
        <source>What the program is doing or has just done.</source>
        <translation>プログラムが実行中の、または直前に実行した動作です。</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>Caps Lock</translation>
    </message>
    <message>
        <source>Caps Lock indicator.</source>
        <translation>Caps Lock のインジケーターです。</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>挿入</translation>
    </message>
    <message>
        <source>Insert indicator.</source>
        <translation>挿入モードのインジケーターです。</translation>
    </message>
    <message>
        <source>Type a word and press Enter to hear it.</source>
        <translation>単語を入力して Enter キーを押すと読み上げます。</translation>
    </message>
    <message>
        <source>&amp;Detect Language</source>
        <translation>言語を検出(&amp;D)</translation>
    </message>
    <message>
        <source>Screen &amp;Area Shortcut...</source>
        <translation>画面領域の翻訳ショートカット(&amp;A)...</translation>
    </message>
    <message>
        <source>Translate an &amp;Area of the Screen</source>
        <translation>画面の領域を翻訳(&amp;A)</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>エンジン</translation>
    </message>
</context>
<context>
    <name>mGlobal</name>
    <message>
        <source>Loaded, and mimized to tray.</source>
        <translation>読み込みが完了し、システムトレイに最小化しました。</translation>
    </message>
    <message>
        <source>Double-click to open.</source>
        <translation>ダブルクリックで開きます。</translation>
    </message>
</context>
<context>
    <name>mMain</name>
    <message>
        <source>The configuration sent by the server cannot be used: %1</source>
        <translation>サーバーから送られた設定は使用できません: %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Parlamo could not start.</source>
        <translation>Parlamo を起動できませんでした。</translation>
    </message>
    <message>
        <source>reading the screen needs a display</source>
        <translation>画面の読み取りにはディスプレイが必要です</translation>
    </message>
</context>
</TS>
