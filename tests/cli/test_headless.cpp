#include <QDirIterator>
#include <QFileInfo>
#include <QProcess>
#include <QTcpServer>
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
        <Language name="English to Spanish" value="en|es"/>
        <Language name="Spanish to English" value="es|en"/>
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

}  // namespace

class TestHeadless : public QObject {
    Q_OBJECT
private slots:
    void commandLine_data();
    void commandLine();
};

void TestHeadless::commandLine_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("messages");  // extra Messages attributes
    QTest::addColumn<QByteArray>("limit");
    QTest::addColumn<QString>("change");  // "", "engineDown", "configDown", "configError",
                                          // "engineError", "noMarkers", "nothingStored"
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("out");
    QTest::addColumn<QStringList>("errParts");     // "HOST" stands for the server named
    QTest::addColumn<QByteArray>("engineTarget");  // empty: no translation request

    const QByteArray noOut;
    QTest::addRow("default engine and pair")
        << QStringList{"--translate", "Hello world"} << noOut << noOut << QByteArray("5") << "" << 0
        << QByteArray("Hola mundo\n") << QStringList{}
        << QByteArray("GET /main?text=Hello%20world&pair=es%7Cen&x=1");
    QTest::addRow("named engine and pair, decode json")
        << QStringList{"--engine", "First", "--pair", "en-de", "--translate", "Grüße"} << noOut
        << noOut << QByteArray("5") << "" << 0 << QByteArray("Hallo \"Welt\"\n") << QStringList{}
        << QByteArray("POST /first?q=Gr%C3%BC%C3%9Fe&lp=en%7Cde");
    QTest::addRow("standard input, nothing stored")
        << QStringList{"--translate", "-", "--pair", "English to Spanish"}
        << QByteArray("two\nlines é\n") << noOut << QByteArray("5") << "nothingStored" << 0
        << QByteArray("Hola mundo\n") << QStringList{}
        << QByteArray("GET /main?text=two%0D%0Alines%20%C3%A9&pair=en%7Ces&x=1");
    QTest::addRow("list") << QStringList{"--list"} << noOut << noOut << QByteArray("5") << "" << 0
                          << QByteArray(
                                 "First: en-de [default]\n"
                                 "Main [default]: English to Spanish, Spanish to English "
                                 "[default]\n")
                          << QStringList{} << QByteArray();
    QTest::addRow("unknown engine")
        << QStringList{"--engine", "Nope", "--translate", "x"} << noOut << noOut << QByteArray("5")
        << "" << 2 << noOut << QStringList{"\"Nope\"", "\"First\", \"Main\""} << QByteArray();
    QTest::addRow("unknown pair") << QStringList{"--pair", "Klingon", "--translate", "x"} << noOut
                                  << noOut << QByteArray("5") << "" << 2 << noOut
                                  << QStringList{"\"Klingon\"", "\"Main\"",
                                                 "\"English to Spanish\", \"Spanish to English\""}
                                  << QByteArray();
    QTest::addRow("engine down") << QStringList{"--translate", "x"} << noOut << noOut
                                 << QByteArray("5") << "engineDown" << 1 << noOut
                                 << QStringList{"\"Main\"", "HOST"} << QByteArray();
    QTest::addRow("engine answers an error")
        << QStringList{"--translate", "x"} << noOut << noOut << QByteArray("5") << "engineError"
        << 1 << noOut << QStringList{"\"Main\"", "HOST", "HTTP status 503"}
        << QByteArray("GET /main?text=x&pair=es%7Cen&x=1");
    QTest::addRow("markers not found")
        << QStringList{"--translate", "x"} << noOut << noOut << QByteArray("5") << "noMarkers" << 1
        << noOut << QStringList{"\"Main\"", "HOST", "markers"}
        << QByteArray("GET /main?text=x&pair=es%7Cen&x=1");
    QTest::addRow("configuration server down")
        << QStringList{"--translate", "x"} << noOut << noOut << QByteArray("5") << "configDown" << 1
        << noOut << QStringList{"configuration", "HOST"} << QByteArray();
    QTest::addRow("configuration server refuses")
        << QStringList{"--list"} << noOut << noOut << QByteArray("5") << "configError" << 1 << noOut
        << QStringList{"configuration", "HOST", "HTTP status 500"} << QByteArray();
    QTest::addRow("end of service")
        << QStringList{"--translate", "x"} << noOut
        << QByteArray(R"(endmessage="This service has ended." endurl="http://x.invalid/")")
        << QByteArray("5") << "" << 3 << noOut
        << QStringList{"This service has ended. (http://x.invalid/)"} << QByteArray();
    QTest::addRow("limit of 0") << QStringList{"--translate", "x"} << noOut
                                << QByteArray(R"(maxtranslation="No more today.")")
                                << QByteArray("0") << "" << 3 << noOut
                                << QStringList{"No more today."} << QByteArray();
}

void TestHeadless::commandLine() {
    QFETCH(QStringList, args);
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, messages);
    QFETCH(QByteArray, limit);
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
    doc.replace("MESSAGES", messages).replace("LIMIT", limit);
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
    run.write(input);
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
    if (change != "configDown") {
        QVERIFY(!asked.isEmpty());
        QCOMPARE(asked.first().target,
                 change == "nothingStored"
                     ? QByteArray("/translator/3/config.asp?uid=&version=3.1.108&installdate=Null")
                     : QByteArray("/translator/3/config.asp?uid=U-7&version=3.1.108"
                                  "&installdate=7/8/21%209:10%20AM"));
    }
    const qsizetype translations = asked.size() - (change == "configDown" ? 0 : 1);
    QCOMPARE(translations, engineTarget.isEmpty() ? 0 : 1);
    if (!engineTarget.isEmpty()) {
        QCOMPARE(asked.last().method + ' ' + asked.last().target, engineTarget);
        QVERIFY(asked.last().body.isEmpty());
    }

    QCOMPARE(snapshot(env.root()), before);
    const QFileInfo copyAfter(besideProgram);
    QCOMPARE(copyAfter.exists(), copyBefore.exists());
    QCOMPARE(copyAfter.lastModified(), copyBefore.lastModified());
}

QTEST_GUILESS_MAIN(TestHeadless)
#include "test_headless.moc"
