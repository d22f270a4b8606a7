#include <QDirIterator>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

#include "TestEnv.h"
#include "TestHttpServer.h"
#include "config/cVeRegistry.h"

namespace {

// The second engine and its second pair are the defaults, so that a run
// without --engine/--pair cannot pass by taking the first entries.
const QByteArray kDocument = R"(<?xml version="1.0" encoding="UTF-8"?>
<Parlamo>
  <Messages titlemsgbox="Parlamo Test" cmdTranslate="Go" MESSAGES/>
  <Features maxtranslation="LIMIT"/>
  <Engines default="1" commonlanguages="0">
    <Engine name="First" url="ENGINE/first" textstring="q" languagestring="lp" method="post"
            tokenbefore="[[" tokenafter="]]" decode="json">
      <Languages default="0"><Language name="en-de" value="en|de"/></Languages>
    </Engine>
    <Engine name="Main" url="ENGINE/main" textstring="text" languagestring="pair"
            otherstring="&amp;amp;x=1" method="GET" tokenbefore="&lt;b&gt;" tokenafter="&lt;/b&gt;">
      <Languages default="1">
        <Language name="English to Spanish" value="en|es" from="en" to="es"/>
        <Language name="Spanish to English" value="es|en" from="es" to="en"/>
      </Languages>
    </Engine>
  </Engines>
</Parlamo>
)";

quint16 closedPort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

// Every file below the folder with its size and time, to see that a run
// left it as it was.
QStringList snapshot(const QString& folder) {
    QStringList out;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        out += info.filePath() + QLatin1Char(' ') + QString::number(info.size()) +
               QLatin1Char(' ') + QString::number(info.lastModified().toMSecsSinceEpoch());
    }
    out.sort();
    return out;
}

// "Hello world" drawn as a window shows it, for the image options.
QString imageFile() {
    static QTemporaryDir folder;
    const QString file = folder.filePath("hello.png");
    if (!QFileInfo::exists(file)) {
        QImage image(240, 50, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        QFont font("DejaVu Sans");
        font.setPixelSize(20);
        painter.setFont(font);
        painter.drawText(12, 32, "Hello world");
        painter.end();
        image.save(file);
    }
    return file;
}

}  // namespace

class TestHeadless : public QObject {
    Q_OBJECT
private slots:
    void commandLine_data();
    void commandLine();
};

void TestHeadless::commandLine_data() {
    QTest::addColumn<QStringList>("args");  // "-" reads "two\nlines é\n"
    QTest::addColumn<QString>("change");    // what differs from a good run
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("out");
    QTest::addColumn<QStringList>("errParts");     // "HOST" stands for the server named
    QTest::addColumn<QByteArray>("engineTarget");  // empty: no translation request
    const auto row = [](const char* name, const QStringList& args, const QString& change,
                        int exitCode, const QByteArray& out, const QStringList& errParts,
                        const QByteArray& engineTarget) {
        QTest::addRow("%s", name) << args << change << exitCode << out << errParts << engineTarget;
    };
    const QStringList x{"--translate", "x"};
    const QByteArray xTarget = "GET /main?text=x&pair=es%7Cen&x=1";

    row("default engine and pair", {"--translate", "Hello world"}, "", 0, "Hola mundo\n", {},
        "GET /main?text=Hello%20world&pair=es%7Cen&x=1");
    row("named engine and pair, decode json",
        {"--engine", "First", "--pair", "en-de", "--translate", "Grüße"}, "", 0, "Hallo \"Welt\"\n",
        {}, "POST /first?q=Gr%C3%BC%C3%9Fe&lp=en%7Cde");
    row("standard input, nothing stored", {"--translate", "-", "--pair", "English to Spanish"},
        "nothingStored", 0, "Hola mundo\n", {},
        "GET /main?text=two%0D%0Alines%20%C3%A9&pair=en%7Ces&x=1");
    row("list", {"--list"}, "", 0,
        "First: en-de [default]\n"
        "Main [default]: English to Spanish (en → es), Spanish to English (es → en) [default]\n",
        {}, {});
    const QString german = "Wir fahren morgen mit dem Zug nach Berlin zu meiner Tante.";
    const QString english = "She has been learning to play the piano since she was six";
    row("detect", {"--detect", german}, "", 0, "de\n", {}, {});
    row("detect: too short to be sure", {"--detect", "Hallo"}, "", 1, {}, {"not sure"}, {});
    row("pair auto: an English text with Spanish to English goes into Spanish",
        {"--translate", english, "--pair", "auto"}, "", 0, "Hola mundo\n", {},
        "GET /main?text=" + english.toUtf8().replace(" ", "%20") + "&pair=en%7Ces&x=1");
    row("pair auto to a language without a pair",
        {"--translate", german, "--pair", "auto", "--to", "es"}, "", 2, {},
        {"\"Main\"", "de", "es"}, {});
    row("back: the reverse pair translates the translation",
        {"--translate", "Hello world", "--back"}, "", 0, "Hola mundo\nHola mundo\n", {},
        "GET /main?text=Hola%20mundo&pair=en%7Ces&x=1");
    row("unknown engine", {"--engine", "Nope", "--translate", "x"}, "", 2, {},
        {"\"Nope\"", "\"First\", \"Main\""}, {});
    row("unknown pair", {"--pair", "Klingon", "--translate", "x"}, "", 2, {},
        {"\"Klingon\"", "\"Main\"", "\"English to Spanish\", \"Spanish to English\""}, {});
    row("engine down", x, "engineDown", 1, {}, {"\"Main\"", "HOST"}, {});
    row("engine answers an error", x, "engineError", 1, {}, {"\"Main\"", "HOST", "HTTP status 503"},
        xTarget);
    row("markers not found", x, "noMarkers", 1, {}, {"\"Main\"", "HOST", "markers"}, xTarget);
    row("configuration server down", x, "configDown", 1, {}, {"configuration", "HOST"}, {});
    row("configuration server refuses", {"--list"}, "configError", 1, {},
        {"configuration", "HOST", "HTTP status 500"}, {});
    row("end of service", x, "endOfService", 3, {}, {"This service has ended. (http://x.invalid/)"},
        {});
    row("limit of 0", x, "limit0", 3, {}, {"No more today."}, {});
    // IMAGE: "Hello world"; read in the pair's `from` language, English
    // without a pair, and then without asking for the configuration.
    row("translate an image", {"--translate-image", "IMAGE"}, "", 0, "Hola mundo\n", {},
        "GET /main?text=Hello%20world&pair=es%7Cen&x=1");
    row("read an image in the pair's language",
        {"--read-image", "IMAGE", "--pair", "English to Spanish"}, "", 0, "Hello world\n", {}, {});
    row("read an image without the configuration", {"--read-image", "IMAGE"}, "configDown", 0,
        "Hello world\n", {}, {});
    row("missing image", {"--read-image", "/nonexistent/x.png"}, "configDown", 1, {},
        {"/nonexistent/x.png"}, {});
    row("image and text at once", {"--read-image", "IMAGE", "--translate", "x"}, "configDown", 2,
        {}, {"--read-image"}, {});
}

void TestHeadless::commandLine() {
    QFETCH(QStringList, args);
    args.replaceInStrings("IMAGE", imageFile());
    QFETCH(QString, change);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, out);
    QFETCH(QStringList, errParts);
    QFETCH(QByteArray, engineTarget);

    TestEnv env;
    TestHttpServer server;
    QVERIFY(server.start());
    const QString downHost = QStringLiteral("127.0.0.1:%1").arg(closedPort());
    QByteArray doc = kDocument;
    doc.replace("MESSAGES",
                change == "endOfService"
                    ? R"(endmessage="This service has ended." endurl="http://x.invalid/")"
                    : R"(maxtranslation="No more today.")");
    doc.replace("LIMIT", change == "limit0" ? "0" : "5");
    doc.replace("ENGINE",
                "http://" + (change == "engineDown" ? downHost : server.hostPort()).toUtf8());
    server.setResponse("/translator/3/config.asp", change == "configError"
                                                       ? ScriptedResponse::withStatus(500)
                                                       : ScriptedResponse::text(doc, "text/xml"));
    server.setResponse("/main", change == "engineError"
                                    ? ScriptedResponse::withStatus(503, "<b>busy</b>")
                                    : ScriptedResponse::text(
                                          change == "noMarkers" ? "<i>Hola mundo</i>"
                                                                : "<p><b> Hola mundo\r\n</b></p>"));
    server.setResponse("/first", ScriptedResponse::text(R"([[Hallo \"Welt\"]])"));

    if (change != "nothingStored") {
        cVeRegistry reg(env.configHome());
        QVERIFY(reg.SaveSetting(cVeRegistry::programSection(), "uid", "U-7"));
        QVERIFY(reg.SaveSetting(cVeRegistry::programSection(), "installdate", "7/8/21 9:10 AM"));
    }
    const QString configHost = change == "configDown" ? downHost : server.hostPort();

    QProcessEnvironment penv = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) penv.remove(name);
    penv.insert("HOME", env.root());
    penv.insert("XDG_CONFIG_HOME", env.configHome());
    penv.insert("XDG_DATA_HOME", env.dataHome());
    penv.insert("XDG_CACHE_HOME", env.root() + "/cache");
    penv.insert("XDG_STATE_HOME", env.root() + "/state");
    penv.insert("PARLAMO_CONFIG_HOST", configHost);
    const QString besideProgram = QFileInfo(PARLAMO_EXE).absolutePath() + "/config.xml";
    const QFileInfo copyBefore(besideProgram);
    const QStringList before = snapshot(env.root());

    QProcess run;
    run.setProcessEnvironment(penv);
    run.start(PARLAMO_EXE, args);
    QVERIFY(run.waitForStarted());
    if (args.contains("-")) run.write("two\nlines é\n");
    run.closeWriteChannel();
    QVERIFY(run.waitForFinished(30000));
    const QByteArray err = run.readAllStandardError();

    QCOMPARE(run.exitStatus(), QProcess::NormalExit);
    QCOMPARE(run.exitCode(), exitCode);
    QCOMPARE(run.readAllStandardOutput(), out);
    if (exitCode == 0) {
        QCOMPARE(err, QByteArray());
    } else {
        QVERIFY2(err.startsWith("RaDudezozad: ") && err.count('\n') == 1, err.constData());
        const QString host =
            change == "engineDown" || change == "configDown" ? downHost : server.hostPort();
        for (QString part : errParts)
            QVERIFY2(QString::fromUtf8(err).contains(part.replace("HOST", host)), err.constData());
    }

    // Exactly the start-up's request, then at most the one translation.
    const QList<RecordedRequest> asked = server.requests();
    const bool detectOnly = args.contains("--detect");  // needs no document
    if (change != "configDown" && !detectOnly) {
        QVERIFY(!asked.isEmpty());
        QCOMPARE(asked.first().target,
                 change == "nothingStored"
                     ? QByteArray("/translator/3/config.asp?uid=&version=3.1.108&installdate=Null")
                     : QByteArray("/translator/3/config.asp?uid=U-7&version=3.1.108"
                                  "&installdate=7/8/21%209:10%20AM"));
    }
    const qsizetype translations = asked.size() - (change == "configDown" || detectOnly ? 0 : 1);
    QCOMPARE(translations, engineTarget.isEmpty() ? 0 : args.contains("--back") ? 2 : 1);
    if (!engineTarget.isEmpty()) {
        QCOMPARE(asked.last().method + ' ' + asked.last().target, engineTarget);
        QVERIFY(asked.last().body.isEmpty());
        QCOMPARE(asked.last().header("user-agent"),
                 QByteArray("Mozilla/4.0 (compatible;\"MSIE 6.0; Windows NT 5.1)\"\""));
    }

    QCOMPARE(snapshot(env.root()), before);
    const QFileInfo copyAfter(besideProgram);
    QCOMPARE(copyAfter.exists(), copyBefore.exists());
    QCOMPARE(copyAfter.lastModified(), copyBefore.lastModified());
}

QTEST_MAIN(TestHeadless)  // a QGuiApplication: the test draws its image
#include "test_headless.moc"
