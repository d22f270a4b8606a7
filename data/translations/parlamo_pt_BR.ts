<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AppCommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostra esta ajuda e sai.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostra a versão e sai.</translation>
    </message>
    <message>
        <source>Translate the selected text in a small window (the running program&apos;s, or this one&apos;s once its window is loaded). Meant for a desktop shortcut.</source>
        <translation>Traduz o texto selecionado em uma pequena janela (a do programa em execução ou, quando a janela dele estiver carregada, a deste). Pensado para um atalho do ambiente de trabalho.</translation>
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
        <translation>Parlamo, um cliente de desktop para tradução on-line. A cada início, ele busca
a configuração do serviço no servidor de configuração (embutido; substitua-o
com PARLAMO_CONFIG_HOST=host[:porta]).
Os proxies vêm de http_proxy, https_proxy, all_proxy e no_proxy (também
HTTPS_PROXY, ALL_PROXY, NO_PROXY), como o curl os lê; sem nenhum deles, da
configuração de proxy do ambiente de trabalho.
Sem --help, --version, --translate, --list ou --history a janela é aberta,
e as outras opções são ignoradas. Veja RaDudezozad(1).</translation>
    </message>
    <message>
        <source>Started at log-on: in tray mode, go to the tray without a notice.</source>
        <translation>Iniciado ao entrar na sessão: se o programa fica na bandeja do sistema, vai para ela sem aviso.</translation>
    </message>
    <message>
        <source>Show the window, without a tray icon, even in tray mode.</source>
        <translation>Mostra a janela, sem ícone na bandeja do sistema, mesmo que o programa fique na bandeja.</translation>
    </message>
    <message>
        <source>Usage: %1 [options] [/startup] [/debug]</source>
        <translation>Uso: %1 [opções] [/startup] [/debug]</translation>
    </message>
    <message>
        <source>Pick an area of the screen, read its text and translate it in a small window (the running program&apos;s, or this one&apos;s once its window is loaded).</source>
        <translation>Escolhe uma área da tela, lê o texto dela e o traduz em uma pequena janela (a do programa em execução ou, quando a janela dele estiver carregada, a deste).</translation>
    </message>
</context>
<context>
    <name>AppRequests</name>
    <message>
        <source>Parlamo has ended.</source>
        <translation>O Parlamo foi encerrado.</translation>
    </message>
    <message>
        <source>Parlamo is closing.</source>
        <translation>O Parlamo está sendo fechado.</translation>
    </message>
</context>
<context>
    <name>ConfigCheck</name>
    <message>
        <source>the %1 attribute %2</source>
        <translation>o atributo %2 de %1</translation>
    </message>
    <message>
        <source>a numeric %1 attribute %2</source>
        <translation>um atributo numérico %2 de %1</translation>
    </message>
    <message>
        <source>a numeric Sizes attribute %1</source>
        <translation>um atributo numérico %1 de Sizes</translation>
    </message>
    <message>
        <source>a Sizes attribute %1 that a screen can hold (at most %2 twips, not %3)</source>
        <translation>um atributo %1 de Sizes que caiba em uma tela (no máximo %2 twips, não %3)</translation>
    </message>
    <message>
        <source>the Engines element</source>
        <translation>o elemento Engines</translation>
    </message>
    <message>
        <source>the name of engine %1</source>
        <translation>o nome do serviço %1</translation>
    </message>
    <message>
        <source>an engine name without an apostrophe (%1)</source>
        <translation>um nome de serviço sem apóstrofo (%1)</translation>
    </message>
    <message>
        <source>a usable name for engine %1</source>
        <translation>um nome utilizável para o serviço %1</translation>
    </message>
    <message>
        <source>the Languages element of engine %1</source>
        <translation>o elemento Languages do serviço %1</translation>
    </message>
    <message>
        <source>the name of language %1 of engine %2</source>
        <translation>o nome do idioma %1 do serviço %2</translation>
    </message>
    <message>
        <source>a language at the Languages default %1 of engine %2 (there are %3)</source>
        <translation>um idioma na posição padrão %1 de Languages do serviço %2 (há %3)</translation>
    </message>
    <message>
        <source>an engine at the Engines default %1 (there are %2)</source>
        <translation>um serviço na posição padrão %1 de Engines (há %2)</translation>
    </message>
    <message>
        <source>a configuration document</source>
        <translation>um documento de configuração</translation>
    </message>
    <message>
        <source>the Messages element</source>
        <translation>o elemento Messages</translation>
    </message>
    <message>
        <source>the Features element</source>
        <translation>o elemento Features</translation>
    </message>
    <message>
        <source>the Sizes element</source>
        <translation>o elemento Sizes</translation>
    </message>
    <message>
        <source>The configuration sent by the server is incomplete, so the program cannot start. It lacks %1.</source>
        <translation>A configuração enviada pelo servidor está incompleta, por isso o programa não pode iniciar. Falta: %1.</translation>
    </message>
    <message>
        <source>Please start again later.</source>
        <translation>Tente iniciar novamente mais tarde.</translation>
    </message>
</context>
<context>
    <name>ConfigDocument</name>
    <message>
        <source>%1 at offset %2</source>
        <translation>%1 na posição %2</translation>
    </message>
    <message>
        <source>no root element</source>
        <translation>nenhum elemento raiz</translation>
    </message>
    <message>
        <source>no configuration document is loaded</source>
        <translation>nenhum documento de configuração foi carregado</translation>
    </message>
    <message>
        <source>invalid lookup %1: %2</source>
        <translation>consulta inválida %1: %2</translation>
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
        <translation>elemento ausente para %1</translation>
    </message>
    <message>
        <source>missing attribute %1</source>
        <translation>atributo ausente %1</translation>
    </message>
    <message>
        <source>not a 16-bit whole number: %1</source>
        <translation>não é um número inteiro de 16 bits: %1</translation>
    </message>
    <message>
        <source>not a 32-bit whole number: %1</source>
        <translation>não é um número inteiro de 32 bits: %1</translation>
    </message>
    <message>
        <source>not a number: %1</source>
        <translation>não é um número: %1</translation>
    </message>
</context>
<context>
    <name>ConfigLoader</name>
    <message>
        <source>the connection was refused</source>
        <translation>a conexão foi recusada</translation>
    </message>
    <message>
        <source>the host was not found</source>
        <translation>o host não foi encontrado</translation>
    </message>
    <message>
        <source>the server closed the connection before answering</source>
        <translation>o servidor fechou a conexão antes de responder</translation>
    </message>
    <message>
        <source>timed out: %1</source>
        <translation>tempo esgotado: %1</translation>
    </message>
    <message>
        <source>not a usable address: %1</source>
        <translation>endereço não utilizável: %1</translation>
    </message>
    <message>
        <source>the server answered with HTTP status %1</source>
        <translation>o servidor respondeu com o status HTTP %1</translation>
    </message>
    <message>
        <source>not a well-formed document: %1</source>
        <translation>documento malformado: %1</translation>
    </message>
</context>
<context>
    <name>DBusInterface</name>
    <message>
        <source>Parlamo has ended.</source>
        <translation>O Parlamo foi encerrado.</translation>
    </message>
</context>
<context>
    <name>EngineLists</name>
    <message>
        <source>the document has no Engines element</source>
        <translation>o documento não tem o elemento Engines</translation>
    </message>
    <message>
        <source>no Languages element for the engine &quot;%1&quot;</source>
        <translation>nenhum elemento Languages para o serviço &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 %2 selects no entry of %3</source>
        <translation>%1 %2 não seleciona nenhuma das %3 entradas</translation>
    </message>
    <message>
        <source>the kept language</source>
        <translation>o idioma mantido</translation>
    </message>
</context>
<context>
    <name>HeadlessCommandLine</name>
    <message>
        <source>Translate TEXT without opening a window and print the result; &quot;-&quot; reads the text from standard input.</source>
        <translation>Traduz TEXTO sem abrir uma janela e imprime o resultado; &quot;-&quot; lê o texto da entrada padrão.</translation>
    </message>
    <message>
        <source>TEXT</source>
        <translation>TEXTO</translation>
    </message>
    <message>
        <source>The engine to translate with (default: the service&apos;s).</source>
        <translation>O serviço com o qual traduzir (padrão: o predefinido).</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NOME</translation>
    </message>
    <message>
        <source>The language pair to translate with (default: the engine&apos;s).</source>
        <translation>O par de idiomas com o qual traduzir (padrão: o do serviço).</translation>
    </message>
    <message>
        <source>--list and --translate cannot be used together</source>
        <translation>--list e --translate não podem ser usados juntos</translation>
    </message>
    <message>
        <source>--engine and --pair need --translate</source>
        <translation>--engine e --pair precisam de --translate</translation>
    </message>
    <message>
        <source>standard input is not UTF-8 text</source>
        <translation>a entrada padrão não é texto UTF-8</translation>
    </message>
    <message>
        <source>cannot read standard input</source>
        <translation>não é possível ler a entrada padrão</translation>
    </message>
    <message>
        <source>List the engines and their language pairs, with the codes of their languages where known; the defaults are marked.</source>
        <translation>Lista os serviços e seus pares de idiomas, com os códigos de seus idiomas quando conhecidos; os padrões vêm marcados.</translation>
    </message>
    <message>
        <source>Print the code of the language of TEXT (the arguments, or standard input for none or &quot;-&quot;); exit 1 when not sure.</source>
        <translation>Mostra o código do idioma de TEXT (os argumentos, ou a entrada padrão quando não há nenhum ou com &quot;-&quot;); sai com 1 quando não há certeza.</translation>
    </message>
    <message>
        <source>With --pair auto: translate into the language of this code (&quot;en&quot;) from the text&apos;s language.</source>
        <translation>Com --pair auto: traduz do idioma do texto para o idioma deste código (&quot;en&quot;).</translation>
    </message>
    <message>
        <source>CODE</source>
        <translation>CÓDIGO</translation>
    </message>
    <message>
        <source>With --translate: print the translation, then on the next line the translation translated back with the reverse pair.</source>
        <translation>Com --translate: mostra a tradução e, na linha seguinte, a tradução traduzida de volta com o par inverso.</translation>
    </message>
    <message>
        <source>--detect cannot be used with --translate or --list</source>
        <translation>--detect não pode ser usado com --translate nem com --list</translation>
    </message>
    <message>
        <source>--to needs --pair auto</source>
        <translation>--to precisa de --pair auto</translation>
    </message>
</context>
<context>
    <name>HeadlessTranslation</name>
    <message>
        <source>none</source>
        <translation>nenhum</translation>
    </message>
    <message>
        <source>cannot load the configuration from %1: %2</source>
        <translation>não é possível carregar a configuração de %1: %2</translation>
    </message>
    <message>
        <source>the document has no Messages element</source>
        <translation>o documento não tem o elemento Messages</translation>
    </message>
    <message>
        <source>the service allows no translations now</source>
        <translation>o serviço não permite traduções no momento</translation>
    </message>
    <message>
        <source>the configuration from %1 cannot be used: %2</source>
        <translation>a configuração de %1 não pode ser usada: %2</translation>
    </message>
    <message>
        <source>[default]</source>
        <translation>[padrão]</translation>
    </message>
    <message>
        <source>there is no text to translate</source>
        <translation>não há texto para traduzir</translation>
    </message>
    <message>
        <source>unknown engine %1; the engines are %2</source>
        <translation>serviço %1 desconhecido; os serviços são %2</translation>
    </message>
    <message>
        <source>unknown language pair %1 of engine %2; its pairs are %3</source>
        <translation>par de idiomas %1 do serviço %2 desconhecido; os pares dele são %3</translation>
    </message>
    <message>
        <source>engine %1 at %2</source>
        <translation>serviço %1 em %2</translation>
    </message>
    <message>
        <source>cannot ask %1: %2</source>
        <translation>não é possível consultar %1: %2</translation>
    </message>
    <message>
        <source>cannot reach %1: %2</source>
        <translation>não é possível acessar %1: %2</translation>
    </message>
    <message>
        <source>%1 sent no answer within %2 s</source>
        <translation>%1 não respondeu em %2 s</translation>
    </message>
    <message>
        <source>%1 answered with HTTP status %2</source>
        <translation>%1 respondeu com o status HTTP %2</translation>
    </message>
    <message>
        <source>no translation found in the answer of %1 (its markers do not occur in it)</source>
        <translation>nenhuma tradução encontrada na resposta de %1 (os marcadores dele não aparecem nela)</translation>
    </message>
    <message>
        <source>not sure</source>
        <translation>sem certeza</translation>
    </message>
    <message>
        <source>language detection is not available: %1</source>
        <translation>a detecção de idioma não está disponível: %1</translation>
    </message>
    <message>
        <source>not sure which language the text is in</source>
        <translation>sem certeza de qual é o idioma do texto</translation>
    </message>
    <message>
        <source>engine %1 has no language pair from %2 to %3</source>
        <translation>o serviço %1 não tem par de idiomas de %2 para %3</translation>
    </message>
    <message>
        <source>engine %1 has no language pair that translates back from %2</source>
        <translation>o serviço %1 não tem par de idiomas que traduza de volta de %2</translation>
    </message>
</context>
<context>
    <name>HearItCommand</name>
    <message>
        <source>No Sound file found.</source>
        <translation>Nenhum arquivo de som encontrado.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Cancelado.</translation>
    </message>
    <message>
        <source>Downloading Sound file...</source>
        <translation>Baixando arquivo de som...</translation>
    </message>
    <message>
        <source>Unable to detect WAV device in this system.</source>
        <translation>Não foi possível detectar um dispositivo WAV neste sistema.</translation>
    </message>
</context>
<context>
    <name>HistoryCommandLine</name>
    <message>
        <source>Print the translation history, newest first, without opening a window.</source>
        <translation>Imprime o histórico de traduções, do mais recente ao mais antigo, sem abrir uma janela.</translation>
    </message>
    <message>
        <source>With --history: only the entries whose text or translation holds WORD, in any letter case.</source>
        <translation>Com --history: apenas as entradas cujo texto ou tradução contém PALAVRA, sem diferenciar maiúsculas e minúsculas.</translation>
    </message>
    <message>
        <source>WORD</source>
        <translation>PALAVRA</translation>
    </message>
    <message>
        <source>With --history: tsv (the default: tab-separated, no header) or csv (RFC 4180, with a header row).</source>
        <translation>Com --history: tsv (o padrão: separado por tabulações, sem cabeçalho) ou csv (RFC 4180, com uma linha de cabeçalho).</translation>
    </message>
    <message>
        <source>--search and --format need --history</source>
        <translation>--search e --format precisam de --history</translation>
    </message>
    <message>
        <source>--history cannot be used with --%1</source>
        <translation>--history não pode ser usado com --%1</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot;: tsv or csv</source>
        <translation>formato &quot;%1&quot; desconhecido: tsv ou csv</translation>
    </message>
    <message>
        <source>cannot read the history in %1: %2</source>
        <translation>não é possível ler o histórico em %1: %2</translation>
    </message>
</context>
<context>
    <name>HistoryModel</name>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Serviço</translation>
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
        <translation>Tradução</translation>
    </message>
</context>
<context>
    <name>HistoryReader</name>
    <message>
        <source>unknown database error</source>
        <translation>erro desconhecido do banco de dados</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 não é um arquivo</translation>
    </message>
    <message>
        <source>the SQLite driver of Qt SQL is not installed</source>
        <translation>o driver SQLite do Qt SQL não está instalado</translation>
    </message>
    <message>
        <source>the history database is damaged</source>
        <translation>o banco de dados do histórico está danificado</translation>
    </message>
</context>
<context>
    <name>HistoryStore</name>
    <message>
        <source>unknown database error</source>
        <translation>erro desconhecido do banco de dados</translation>
    </message>
    <message>
        <source>cannot create the folder of %1</source>
        <translation>não é possível criar a pasta de %1</translation>
    </message>
    <message>
        <source>the SQLite driver of Qt SQL is not installed</source>
        <translation>o driver SQLite do Qt SQL não está instalado</translation>
    </message>
    <message>
        <source>the history database is damaged</source>
        <translation>o banco de dados do histórico está danificado</translation>
    </message>
    <message>
        <source>History is off for this run: %1.</source>
        <translation>Histórico desativado até o próximo início: %1.</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>History</source>
        <translation>Histórico</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Pesquisar</translation>
    </message>
    <message>
        <source>Search the history</source>
        <translation>Pesquisar no histórico</translation>
    </message>
    <message>
        <source>Translations</source>
        <translation>Traduções</translation>
    </message>
    <message>
        <source>Enter or a double click puts the translation back</source>
        <translation>Enter ou um clique duplo traz a tradução de volta</translation>
    </message>
    <message>
        <source>Writes the listed translations to a CSV file</source>
        <translation>Grava as traduções listadas em um arquivo CSV</translation>
    </message>
    <message>
        <source>Clear the whole history? This cannot be undone.</source>
        <translation>Limpar todo o histórico? Esta ação não pode ser desfeita.</translation>
    </message>
    <message>
        <source>Export History</source>
        <translation>Exportar histórico</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Arquivos CSV (*.csv);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>The history could not be written to %1.</source>
        <translation>Não foi possível gravar o histórico em %1.</translation>
    </message>
    <message>
        <source>Lists only the translations whose texts hold these letters; the arrow keys walk the list.</source>
        <translation>Lista apenas as traduções cujos textos contêm estas letras; as teclas de seta percorrem a lista.</translation>
    </message>
    <message>
        <source>&amp;Keep a history</source>
        <translation>&amp;Manter um histórico</translation>
    </message>
    <message>
        <source>Whether new translations are kept, also after a restart</source>
        <translation>Se as novas traduções são guardadas, também depois de reiniciar</translation>
    </message>
    <message>
        <source>C&amp;lear History</source>
        <translation>&amp;Limpar histórico</translation>
    </message>
    <message>
        <source>Forgets every kept translation, after asking</source>
        <translation>Esquece todas as traduções guardadas, depois de perguntar</translation>
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
        <translation>A resposta é maior que %1 MiB.</translation>
    </message>
    <message>
        <source>The answer is larger than %1 bytes.</source>
        <translation>A resposta é maior que %1 bytes.</translation>
    </message>
    <message>
        <source>The transfer took longer than %1 seconds.</source>
        <translation>A transferência levou mais de %1 segundos.</translation>
    </message>
    <message>
        <source>Not a usable address: %1</source>
        <translation>Endereço não utilizável: %1</translation>
    </message>
    <message>
        <source>Not a usable method: %1</source>
        <translation>Método não utilizável: %1</translation>
    </message>
    <message>
        <source>Not a usable header line: %1</source>
        <translation>Linha de cabeçalho não utilizável: %1</translation>
    </message>
    <message>
        <source>Cannot start the transfer.</source>
        <translation>Não é possível iniciar a transferência.</translation>
    </message>
    <message>
        <source>Refused a redirect to %1</source>
        <translation>Redirecionamento para %1 recusado</translation>
    </message>
    <message>
        <source>The answer&apos;s header has a broken line.</source>
        <translation>O cabeçalho da resposta tem uma linha corrompida.</translation>
    </message>
    <message>
        <source>The answer&apos;s trailer is too large.</source>
        <translation>O trailer da resposta é grande demais.</translation>
    </message>
    <message>
        <source>The answer&apos;s header is too large.</source>
        <translation>O cabeçalho da resposta é grande demais.</translation>
    </message>
    <message>
        <source>The server&apos;s answer is not HTTP.</source>
        <translation>A resposta do servidor não é HTTP.</translation>
    </message>
    <message>
        <source>The server switched protocols.</source>
        <translation>O servidor mudou de protocolo.</translation>
    </message>
    <message>
        <source>The answer&apos;s transfer coding is not readable: %1</source>
        <translation>A codificação de transferência da resposta não é legível: %1</translation>
    </message>
    <message>
        <source>The answer&apos;s length is unreadable.</source>
        <translation>O comprimento da resposta não é legível.</translation>
    </message>
    <message>
        <source>The connection ended inside the answer&apos;s header.</source>
        <translation>A conexão terminou no meio do cabeçalho da resposta.</translation>
    </message>
    <message>
        <source>Cannot connect to %1: %2</source>
        <translation>Não é possível conectar a %1: %2</translation>
    </message>
    <message>
        <source>The server&apos;s certificate was refused: %1</source>
        <translation>O certificado do servidor foi recusado: %1</translation>
    </message>
    <message>
        <source>The secure connection failed: %1</source>
        <translation>A conexão segura falhou: %1</translation>
    </message>
    <message>
        <source>The server closed the connection without answering.</source>
        <translation>O servidor fechou a conexão sem responder.</translation>
    </message>
    <message>
        <source>The connection ended before the whole answer.</source>
        <translation>A conexão terminou antes do fim da resposta.</translation>
    </message>
    <message>
        <source>The connection ended after %1 of %2 bytes.</source>
        <translation>A conexão terminou após %1 de %2 bytes.</translation>
    </message>
    <message>
        <source>Too many redirects.</source>
        <translation>Redirecionamentos demais.</translation>
    </message>
    <message>
        <source>The server&apos;s answer is not readable HTTP: %1</source>
        <translation>A resposta do servidor não é HTTP legível: %1</translation>
    </message>
    <message>
        <source>The server sent nothing for %1 seconds.</source>
        <translation>O servidor não enviou nada por %1 segundos.</translation>
    </message>
    <message>
        <source>The server sent no answer within %1 seconds.</source>
        <translation>O servidor não respondeu em %1 segundos.</translation>
    </message>
    <message>
        <source>The transfer was cancelled.</source>
        <translation>A transferência foi cancelada.</translation>
    </message>
    <message>
        <source>The answer could not be stored.</source>
        <translation>Não foi possível armazenar a resposta.</translation>
    </message>
</context>
<context>
    <name>ImageCommandLine</name>
    <message>
        <source>there is no screen to read</source>
        <translation>não há tela para ler</translation>
    </message>
    <message>
        <source>the screen cannot be read here</source>
        <translation>a tela não pode ser lida aqui</translation>
    </message>
    <message>
        <source>Print the text read from an image file (PNG, JPEG...) in the language of --pair&apos;s source, else in English.</source>
        <translation>Mostra o texto lido de um arquivo de imagem (PNG, JPEG...) no idioma de origem de --pair, ou então em inglês.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>ARQUIVO</translation>
    </message>
    <message>
        <source>Print the translation of the text read from an image file.</source>
        <translation>Mostra a tradução do texto lido de um arquivo de imagem.</translation>
    </message>
    <message>
        <source>Print the text read from an area of the screen (needs a display).</source>
        <translation>Mostra o texto lido de uma área da tela (requer um display).</translation>
    </message>
    <message>
        <source>X,Y,W,H</source>
        <translation>X,Y,L,A</translation>
    </message>
    <message>
        <source>--read-image, --translate-image, --read-screen, --translate and --list cannot be used together</source>
        <translation>--read-image, --translate-image, --read-screen, --translate e --list não podem ser usados juntos</translation>
    </message>
    <message>
        <source>--read-screen wants X,Y,W,H with a positive width and height</source>
        <translation>--read-screen precisa de X,Y,L,A com largura e altura positivas</translation>
    </message>
    <message>
        <source>cannot read the image %1: %2</source>
        <translation>não é possível ler a imagem %1: %2</translation>
    </message>
    <message>
        <source>no text was found in the image</source>
        <translation>nenhum texto foi encontrado na imagem</translation>
    </message>
</context>
<context>
    <name>LayoutMath</name>
    <message>
        <source>not a number: %1</source>
        <translation>não é um número: %1</translation>
    </message>
    <message>
        <source>the document has no Sizes element</source>
        <translation>o documento não tem o elemento Sizes</translation>
    </message>
</context>
<context>
    <name>LazySoundOutput</name>
    <message>
        <source>%1 belongs to another user</source>
        <translation>%1 pertence a outro usuário</translation>
    </message>
    <message>
        <source>other users may change %1</source>
        <translation>outros usuários podem alterar %1</translation>
    </message>
    <message>
        <source>No sound: the sound module %1 was not found.</source>
        <translation>Sem som: o módulo de som %1 não foi encontrado.</translation>
    </message>
    <message>
        <source>No sound: the sound module could not be loaded (%1).</source>
        <translation>Sem som: não foi possível carregar o módulo de som (%1).</translation>
    </message>
</context>
<context>
    <name>NoScreenArea</name>
    <message>
        <source>The screen cannot be read on this desktop.</source>
        <translation>A tela não pode ser lida neste ambiente de trabalho.</translation>
    </message>
</context>
<context>
    <name>OutsideTranslation</name>
    <message>
        <source>Choose a language pair in the main window first.</source>
        <translation>Escolha primeiro um par de idiomas na janela principal.</translation>
    </message>
    <message>
        <source>There is no text to translate.</source>
        <translation>Não há texto para traduzir.</translation>
    </message>
</context>
<context>
    <name>PairRule</name>
    <message>
        <source>The language pairs of this engine do not say which languages they join, so the language of a text cannot pick one.</source>
        <translation>Os pares de idiomas deste serviço não dizem quais idiomas ligam, então o idioma de um texto não pode escolher nenhum.</translation>
    </message>
    <message>
        <source>%1 → %2 (detected)</source>
        <translation>%1 → %2 (detectado)</translation>
    </message>
    <message>
        <source>%1 (the language of the text is not clear)</source>
        <translation>%1 (o idioma do texto não está claro)</translation>
    </message>
    <message>
        <source>No pair from %1</source>
        <translation>Nenhum par de %1</translation>
    </message>
    <message>
        <source>%1 (no pair from %2)</source>
        <translation>%1 (nenhum par de %2)</translation>
    </message>
</context>
<context>
    <name>PortalGlobalShortcut</name>
    <message>
        <source>The selection shortcut %1 is not a key the desktop can bind.</source>
        <translation>O atalho da seleção %1 não é uma tecla que o ambiente de trabalho possa atribuir.</translation>
    </message>
    <message>
        <source>The desktop did not bind the selection shortcut %1 (%2).</source>
        <translation>O ambiente de trabalho não atribuiu o atalho da seleção %1 (%2).</translation>
    </message>
    <message>
        <source>The selection shortcut %1 was not bound: the desktop&apos;s question was cancelled.</source>
        <translation>O atalho da seleção %1 não foi atribuído: a pergunta do ambiente de trabalho foi cancelada.</translation>
    </message>
    <message>
        <source>The desktop did not bind the selection shortcut %1.</source>
        <translation>O ambiente de trabalho não atribuiu o atalho da seleção %1.</translation>
    </message>
    <message>
        <source>Translate the selection</source>
        <translation>Traduzir a seleção</translation>
    </message>
    <message>
        <source>This desktop holds no keys for programs, so the selection shortcut %1 is off: bind &quot;%2 --translate-selection&quot; to a key in the desktop&apos;s keyboard settings instead.</source>
        <translation>Este ambiente de trabalho não reserva teclas para programas, por isso o atalho da seleção %1 está desativado: em vez disso, atribua &quot;%2 --translate-selection&quot; a uma tecla nas configurações de teclado do ambiente de trabalho.</translation>
    </message>
    <message>
        <source>The screen area shortcut %1 is not a key the desktop can bind.</source>
        <translation>O atalho da área da tela %1 não é uma tecla que o ambiente de trabalho possa atribuir.</translation>
    </message>
    <message>
        <source>The desktop did not bind the screen area shortcut %1 (%2).</source>
        <translation>O ambiente de trabalho não atribuiu o atalho da área da tela %1 (%2).</translation>
    </message>
    <message>
        <source>The screen area shortcut %1 was not bound: the desktop&apos;s question was cancelled.</source>
        <translation>O atalho da área da tela %1 não foi atribuído: a pergunta do ambiente de trabalho foi cancelada.</translation>
    </message>
    <message>
        <source>Translate an area of the screen</source>
        <translation>Traduzir uma área da tela</translation>
    </message>
    <message>
        <source>This desktop holds no keys for programs, so the screen area shortcut %1 is off: bind &quot;%2 --translate-screen-area&quot; to a key in the desktop&apos;s keyboard settings instead.</source>
        <translation>Este ambiente de trabalho não reserva teclas para programas, por isso o atalho da área da tela %1 está desativado: em vez disso, atribua &quot;%2 --translate-screen-area&quot; a uma tecla nas configurações de teclado do ambiente de trabalho.</translation>
    </message>
    <message>
        <source>The desktop did not bind the screen area shortcut %1.</source>
        <translation>O ambiente de trabalho não atribuiu o atalho da área da tela %1.</translation>
    </message>
</context>
<context>
    <name>ReversePair</name>
    <message>
        <source>no language pairs for engine %1</source>
        <translation>nenhum par de idiomas para o serviço %1</translation>
    </message>
</context>
<context>
    <name>RunningCopy</name>
    <message>
        <source>Parlamo is already running but does not answer (%1).</source>
        <translation>O Parlamo já está em execução, mas não responde (%1).</translation>
    </message>
    <message>
        <source>Parlamo is already running but does not answer.</source>
        <translation>O Parlamo já está em execução, mas não responde.</translation>
    </message>
    <message>
        <source>%1 cannot be made (%2).</source>
        <translation>Não é possível criar %1 (%2).</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 não é uma pasta.</translation>
    </message>
    <message>
        <source>%1 belongs to another user.</source>
        <translation>%1 pertence a outro usuário.</translation>
    </message>
    <message>
        <source>Other users may use %1.</source>
        <translation>Outros usuários podem usar %1.</translation>
    </message>
    <message>
        <source>Cannot make sure that only one copy of Parlamo runs: %1</source>
        <translation>Não é possível garantir que só uma cópia do Parlamo esteja em execução: %1</translation>
    </message>
</context>
<context>
    <name>ScreenAreaPicker</name>
    <message>
        <source>The screen cannot be read on this desktop.</source>
        <translation>A tela não pode ser lida neste ambiente de trabalho.</translation>
    </message>
    <message>
        <source>The desktop does not let Parlamo read the screen (%1).</source>
        <translation>O ambiente de trabalho não permite que o Parlamo leia a tela (%1).</translation>
    </message>
    <message>
        <source>The desktop gave no picture of the screen.</source>
        <translation>O ambiente de trabalho não forneceu uma imagem da tela.</translation>
    </message>
</context>
<context>
    <name>SelectionPopup</name>
    <message>
        <source>Parlamo Translation</source>
        <translation>Tradução do Parlamo</translation>
    </message>
    <message>
        <source>Source text</source>
        <translation>Texto de origem</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Tradução</translation>
    </message>
    <message>
        <source>The translation. Ctrl+Shift+C copies it, Ctrl+Shift+S speaks it, Esc closes.</source>
        <translation>A tradução. Ctrl+Shift+C a copia, Ctrl+Shift+S a lê em voz alta, Esc fecha.</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Copy the translation to the clipboard (Ctrl+Shift+C).</source>
        <translation>Copiar a tradução para a área de transferência (Ctrl+Shift+C).</translation>
    </message>
    <message>
        <source>&amp;Open in Window</source>
        <translation>&amp;Abrir na janela</translation>
    </message>
    <message>
        <source>Show both texts in the main window (Ctrl+O).</source>
        <translation>Mostrar os dois textos na janela principal (Ctrl+O).</translation>
    </message>
    <message>
        <source>Copied to the clipboard.</source>
        <translation>Copiado para a área de transferência.</translation>
    </message>
    <message>
        <source>Translation back</source>
        <translation>Tradução de volta</translation>
    </message>
    <message>
        <source>The translation of the selected text.</source>
        <translation>A tradução do texto selecionado.</translation>
    </message>
    <message>
        <source>The selected text.</source>
        <translation>O texto selecionado.</translation>
    </message>
    <message>
        <source>Its translation, or what went wrong.</source>
        <translation>A tradução dele, ou o que deu errado.</translation>
    </message>
    <message>
        <source>What the translation is doing or has done.</source>
        <translation>O que a tradução está fazendo ou fez.</translation>
    </message>
    <message>
        <source>The text read from the screen. Correct it and press Ctrl+Enter to translate it again.</source>
        <translation>O texto lido da tela. Corrija-o e pressione Ctrl+Enter para traduzi-lo novamente.</translation>
    </message>
</context>
<context>
    <name>ShortcutDialog</name>
    <message>
        <source>Selection Shortcut</source>
        <translation>Atalho da seleção</translation>
    </message>
    <message>
        <source>Select text in any application and press this key to read its translation in a small window. Press the new key here, or clear it to turn the shortcut off.</source>
        <translation>Selecione um texto em qualquer aplicativo e pressione esta tecla para ler a tradução dele em uma pequena janela. Pressione aqui a nova tecla, ou limpe o campo para desativar o atalho.</translation>
    </message>
    <message>
        <source>Selection shortcut</source>
        <translation>Atalho da seleção</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Limpar</translation>
    </message>
    <message>
        <source>Turns the shortcut off</source>
        <translation>Desativa o atalho</translation>
    </message>
    <message>
        <source>Screen Area Shortcut</source>
        <translation>Atalho da área da tela</translation>
    </message>
    <message>
        <source>Press this key in any application, then drag over an area of the screen to read its text and its translation in a small window. Press the new key here, or clear it to turn the shortcut off.</source>
        <translation>Pressione esta tecla em qualquer aplicativo e depois arraste sobre uma área da tela para ler o texto dela e a tradução em uma pequena janela. Pressione aqui a nova tecla, ou limpe o campo para desativar o atalho.</translation>
    </message>
    <message>
        <source>Screen area shortcut</source>
        <translation>Atalho da área da tela</translation>
    </message>
</context>
<context>
    <name>SpeakCommand</name>
    <message>
        <source>There is no translation to speak.</source>
        <translation>Não há tradução para ler em voz alta.</translation>
    </message>
    <message>
        <source>No speech for this language pair.</source>
        <translation>Sem síntese de voz para este par de idiomas.</translation>
    </message>
    <message>
        <source>The spoken translation could not be fetched.</source>
        <translation>Não foi possível obter a tradução falada.</translation>
    </message>
    <message>
        <source>Speaking...</source>
        <translation>Lendo em voz alta...</translation>
    </message>
    <message>
        <source>The spoken translation could not be stored.</source>
        <translation>Não foi possível armazenar a tradução falada.</translation>
    </message>
    <message>
        <source>No sound output device was found.</source>
        <translation>Nenhum dispositivo de saída de som foi encontrado.</translation>
    </message>
    <message>
        <source>The spoken translation is not a playable sound.</source>
        <translation>A tradução falada não é um som reproduzível.</translation>
    </message>
    <message>
        <source>Spoken.</source>
        <translation>Lido em voz alta.</translation>
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
        <translation>o documento não tem o elemento Features</translation>
    </message>
</context>
<context>
    <name>StartupSequence</name>
    <message>
        <source>v%1.%2 build %3</source>
        <translation>v%1.%2 compilação %3</translation>
    </message>
    <message>
        <source>You are not connected to the internet. Please connect, and start again.</source>
        <translation>Você não está conectado à internet. Conecte-se e inicie novamente.</translation>
    </message>
    <message>
        <source>Address asked for: %1</source>
        <translation>Endereço solicitado: %1</translation>
    </message>
    <message>
        <source>What went wrong: %1</source>
        <translation>O que deu errado: %1</translation>
    </message>
    <message>
        <source>Loading preferences</source>
        <translation>Carregando preferências</translation>
    </message>
    <message>
        <source>the document was refused: it lacks %1</source>
        <translation>o documento foi recusado, falta: %1</translation>
    </message>
    <message>
        <source>Loading updated server configuration</source>
        <translation>Carregando a configuração atualizada do servidor</translation>
    </message>
    <message>
        <source>Initialized</source>
        <translation>Inicializado</translation>
    </message>
    <message>
        <source>, minimizing to tray.</source>
        <translation>, minimizando para a bandeja do sistema.</translation>
    </message>
</context>
<context>
    <name>TextRecognizer</name>
    <message>
        <source>The reading was cancelled.</source>
        <translation>A leitura foi cancelada.</translation>
    </message>
    <message>
        <source>Text in this language cannot be read: its data (%1) is missing. Install the package %2.</source>
        <translation>Textos neste idioma não podem ser lidos: faltam os dados dele (%1). Instale o pacote %2.</translation>
    </message>
    <message>
        <source>The text could not be read: %1</source>
        <translation>Não foi possível ler o texto: %1</translation>
    </message>
</context>
<context>
    <name>TranslateAnywhere</name>
    <message>
        <source>Choose another one under Options &gt; Selection Shortcut...</source>
        <translation>Escolha outro em Opções &gt; Atalho da seleção...</translation>
    </message>
    <message>
        <source>Reading the selection...</source>
        <translation>Lendo a seleção...</translation>
    </message>
    <message>
        <source>No text is selected. Select a text, then press the key again.</source>
        <translation>Nenhum texto selecionado. Selecione um texto e pressione a tecla novamente.</translation>
    </message>
    <message>
        <source>Reading the clipboard...</source>
        <translation>Lendo a área de transferência...</translation>
    </message>
    <message>
        <source>The clipboard holds no text.</source>
        <translation>A área de transferência não contém texto.</translation>
    </message>
    <message>
        <source>Translating from %1</source>
        <translation>Traduzindo: %1</translation>
    </message>
    <message>
        <source>The language of the text is not clear.</source>
        <translation>O idioma do texto não está claro.</translation>
    </message>
    <message>
        <source>No language pair translates %1 into %2.</source>
        <translation>Nenhum par de idiomas traduz do %1 para o %2.</translation>
    </message>
    <message>
        <source>No language pair translates back from %1.</source>
        <translation>Nenhum par de idiomas traduz de volta do %1.</translation>
    </message>
    <message>
        <source>Translating back from %1</source>
        <translation>Traduzindo de volta com %1</translation>
    </message>
    <message>
        <source>Back: %1</source>
        <translation>De volta: %1</translation>
    </message>
    <message>
        <source>Choose another one under Options &gt; Screen Area Shortcut...</source>
        <translation>Escolha outro em Opções &gt; Atalho da área da tela...</translation>
    </message>
    <message>
        <source>Reading the screen...</source>
        <translation>Lendo a tela...</translation>
    </message>
    <message>
        <source>No text was found in the area.</source>
        <translation>Nenhum texto foi encontrado na área.</translation>
    </message>
    <message>
        <source>The selection&apos;s owner did not answer.</source>
        <translation>O programa dono da seleção não respondeu.</translation>
    </message>
</context>
<context>
    <name>TranslateCommand</name>
    <message>
        <source>Translation failed: %1</source>
        <translation>Falha na tradução: %1</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Cancelado.</translation>
    </message>
    <message>
        <source>Translation failed at %1: %2</source>
        <translation>Falha na tradução em %1: %2</translation>
    </message>
    <message>
        <source>Translation timed out: %1 did not answer.</source>
        <translation>Tempo esgotado na tradução: %1 não respondeu.</translation>
    </message>
    <message>
        <source>No translation found in the answer of %1.</source>
        <translation>Nenhuma tradução encontrada na resposta de %1.</translation>
    </message>
</context>
<context>
    <name>TranslationHistory</name>
    <message>
        <source>History is off for this run.</source>
        <translation>Histórico desativado até o próximo início.</translation>
    </message>
</context>
<context>
    <name>TranslationPipeline</name>
    <message>
        <source>The text is too long to send (%1 characters in its request; at most %2).</source>
        <translation>O texto é longo demais para enviar (%1 caracteres na requisição; no máximo %2).</translation>
    </message>
    <message>
        <source>no engine named %1</source>
        <translation>nenhum serviço chamado %1</translation>
    </message>
    <message>
        <source>no language pair named %1</source>
        <translation>nenhum par de idiomas chamado %1</translation>
    </message>
</context>
<context>
    <name>X11GlobalShortcut</name>
    <message>
        <source>The selection shortcut %1 is not a key this keyboard has.</source>
        <translation>O atalho da seleção %1 não é uma tecla deste teclado.</translation>
    </message>
    <message>
        <source>The selection shortcut %1 is taken by another program.</source>
        <translation>O atalho da seleção %1 já está sendo usado por outro programa.</translation>
    </message>
    <message>
        <source>The screen area shortcut %1 is not a key this keyboard has.</source>
        <translation>O atalho da área da tela %1 não é uma tecla deste teclado.</translation>
    </message>
    <message>
        <source>The screen area shortcut %1 is taken by another program.</source>
        <translation>O atalho da área da tela %1 já está sendo usado por outro programa.</translation>
    </message>
</context>
<context>
    <name>frmTranslate</name>
    <message>
        <source>Translating from %1</source>
        <translation>Traduzindo: %1</translation>
    </message>
    <message>
        <source>Translated.</source>
        <translation>Traduzido.</translation>
    </message>
    <message>
        <source>The service configuration could not be used (%1). The program will close.</source>
        <translation>A configuração do serviço não pôde ser usada (%1). O programa será fechado.</translation>
    </message>
    <message>
        <source>no configuration document</source>
        <translation>nenhum documento de configuração</translation>
    </message>
    <message>
        <source>The languages of this engine could not be listed (%1).</source>
        <translation>Não foi possível listar os idiomas deste serviço (%1).</translation>
    </message>
    <message>
        <source>The window layout could not be applied (%1).</source>
        <translation>Não foi possível aplicar o layout da janela (%1).</translation>
    </message>
    <message>
        <source>No address for %1 has been configured. Please try again later.</source>
        <translation>Nenhum endereço foi configurado para %1. Tente novamente mais tarde.</translation>
    </message>
    <message>
        <source>Online Help</source>
        <translation>Ajuda on-line</translation>
    </message>
    <message>
        <source>Online Support</source>
        <translation>Suporte on-line</translation>
    </message>
    <message>
        <source>CAPS</source>
        <translation>MAIÚS</translation>
    </message>
    <message>
        <source>INS</source>
        <translation>INS</translation>
    </message>
    <message>
        <source>&amp;Hear It!</source>
        <translation>Ou&amp;vir!</translation>
    </message>
    <message>
        <source>Type a word to Hear It</source>
        <translation>Palavra para ouvir</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>&amp;Load on Startup</source>
        <translation>&amp;Iniciar ao entrar na sessão</translation>
    </message>
    <message>
        <source>&amp;Selection Shortcut...</source>
        <translation>&amp;Atalho da seleção...</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Histórico...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Ajuda on-line</translation>
    </message>
    <message>
        <source>Online &amp;Support</source>
        <translation>&amp;Suporte on-line</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>Source text</source>
        <translation>Texto de origem</translation>
    </message>
    <message>
        <source>The text to translate.</source>
        <translation>O texto a traduzir.</translation>
    </message>
    <message>
        <source>The text to translate. Ctrl+Enter translates it.</source>
        <translation>O texto a traduzir. Ctrl+Enter o traduz.</translation>
    </message>
    <message>
        <source>Language pair</source>
        <translation>Par de idiomas</translation>
    </message>
    <message>
        <source>From which language into which one.</source>
        <translation>De qual idioma para qual.</translation>
    </message>
    <message>
        <source>The language pair (Ctrl+R: the other way round)</source>
        <translation>O par de idiomas (Ctrl+R: no sentido inverso)</translation>
    </message>
    <message>
        <source>The online service that translates.</source>
        <translation>O serviço on-line que traduz.</translation>
    </message>
    <message>
        <source>The translation engine</source>
        <translation>O serviço de tradução</translation>
    </message>
    <message>
        <source>Translate</source>
        <translation>Traduzir</translation>
    </message>
    <message>
        <source>Sends the source text to the engine and shows the translation.</source>
        <translation>Envia o texto de origem ao serviço e mostra a tradução.</translation>
    </message>
    <message>
        <source>Translate the text (Ctrl+Enter in the text). Esc cancels.</source>
        <translation>Traduzir o texto (Ctrl+Enter no texto). Esc cancela.</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Tradução</translation>
    </message>
    <message>
        <source>The translated text of the last translation.</source>
        <translation>O texto traduzido da última tradução.</translation>
    </message>
    <message>
        <source>The translation. Ctrl+Shift+C copies it.</source>
        <translation>A tradução. Ctrl+Shift+C a copia.</translation>
    </message>
    <message>
        <source>Word to hear</source>
        <translation>Palavra para ouvir</translation>
    </message>
    <message>
        <source>A word to hear spoken; messages about the sound show here too.</source>
        <translation>Uma palavra para ouvir falada; as mensagens sobre o som também aparecem aqui.</translation>
    </message>
    <message>
        <source>Hear It</source>
        <translation>Ouvir</translation>
    </message>
    <message>
        <source>Fetches and plays the pronunciation of the word.</source>
        <translation>Baixa e reproduz a pronúncia da palavra.</translation>
    </message>
    <message>
        <source>Hear the word spoken (Enter in the word box). Esc cancels.</source>
        <translation>Ouvir a palavra falada (Enter na caixa da palavra). Esc cancela.</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Dica</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Barra de status</translation>
    </message>
    <message>
        <source>What the program is doing, and the keyboard&apos;s state.</source>
        <translation>O que o programa está fazendo, e o estado do teclado.</translation>
    </message>
    <message>
        <source>What the program is doing or has just done.</source>
        <translation>O que o programa está fazendo ou acabou de fazer.</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>Caps Lock</translation>
    </message>
    <message>
        <source>Caps Lock indicator.</source>
        <translation>Indicador de Caps Lock.</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>Insert indicator.</source>
        <translation>Indicador do modo de inserção.</translation>
    </message>
    <message>
        <source>Type a word and press Enter to hear it.</source>
        <translation>Digite uma palavra e pressione Enter para ouvi-la.</translation>
    </message>
    <message>
        <source>&amp;Detect Language</source>
        <translation>&amp;Detectar idioma</translation>
    </message>
    <message>
        <source>Screen &amp;Area Shortcut...</source>
        <translation>Atalho da á&amp;rea da tela...</translation>
    </message>
    <message>
        <source>Translate an &amp;Area of the Screen</source>
        <translation>Traduzir uma á&amp;rea da tela</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Serviço</translation>
    </message>
</context>
<context>
    <name>mGlobal</name>
    <message>
        <source>Loaded, and mimized to tray.</source>
        <translation>Carregado e minimizado para a bandeja do sistema.</translation>
    </message>
    <message>
        <source>Double-click to open.</source>
        <translation>Clique duas vezes para abrir.</translation>
    </message>
</context>
<context>
    <name>mMain</name>
    <message>
        <source>The configuration sent by the server cannot be used: %1</source>
        <translation>A configuração enviada pelo servidor não pode ser usada: %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Parlamo could not start.</source>
        <translation>Não foi possível iniciar o Parlamo.</translation>
    </message>
    <message>
        <source>reading the screen needs a display</source>
        <translation>a leitura da tela requer um display</translation>
    </message>
</context>
</TS>
