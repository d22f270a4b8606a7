#include <QTcpServer>
#include <QTest>

#include "TestEnv.h"
#include "TestHttpServer.h"
#include "config/ServiceDocument.h"
#include "translate/TranslationPipeline.h"

using Pipeline = TranslationPipeline;
Q_DECLARE_METATYPE(Pipeline::StatusPolicy)
Q_DECLARE_METATYPE(Pipeline::Fault)
Q_DECLARE_METATYPE(ScriptedResponse)

// One translation from engine, pair and text to what is shown, against the
// loopback server, the way every adapter runs it. The adapters' own tests
// (the window's Translate command, the command line) keep what they add:
// busy state, texts, exit codes, and which status policy each one uses.
class TestPipeline : public QObject {
    Q_OBJECT

    TestHttpServer m_server;
    ServiceDocument m_doc;

private slots:
    void initTestCase() {
        QVERIFY(m_server.start());
        QByteArray xml = TestEnv::readFile(TestEnv::sourceDir() +
                                           QStringLiteral("/tests/translate/translate-config.xml"));
        QTcpServer probe;  // a port nobody listens on
        QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
        xml.replace("PORT0", QByteArray::number(probe.serverPort()));
        probe.close();
        xml.replace("FEATURES", "").replace("MESSAGE_LIMIT", "");
        xml.replace("BASE", m_server.baseUrl().toUtf8());
        QVERIFY(m_doc.loadFromBytes(xml));
    }

    void translation_data() {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QString>("text");
        QTest::addColumn<Pipeline::StatusPolicy>("policy");
        QTest::addColumn<ScriptedResponse>("answer");
        QTest::addColumn<QByteArray>("request");  // method and target; empty: not checked
        QTest::addColumn<QString>("shown");       // null: a fault instead
        QTest::addColumn<Pipeline::Fault>("fault");
        QTest::addColumn<QString>("detail");  // what the fault's detail starts with

        const auto any = Pipeline::StatusPolicy::AnyStatus;
        const auto success = Pipeline::StatusPolicy::SuccessOnly;
        const auto none = Pipeline::Fault::Unusable;  // unused where a text is shown
        const auto page = [](const QByteArray& body) { return ScriptedResponse::text(body); };
        ScriptedResponse silent;
        silent.neverAnswer = true;
        const QByteArray get = "GET /get?q=a%20b%0D%0Ac&langpair=eng%7Cspa&markUnknown=no";

        QTest::addRow("get: request and trimmed result")
            << "Get"
            << "a b\nc" << any << page("<p>[[ hola \r\n]]</p>") << get << "hola" << none << "";
        // The window's box gives bare line feeds, standard input may bring
        // CR LF: both go out as CR LF.
        QTest::addRow("typed line break sent the same")
            << "Get"
            << "a b\r\nc" << any << page("[[x]]") << get << "x" << none << "";
        QTest::addRow("post: query in the address, no body")
            << "Post"
            << "hola" << success << page("x<b>hello</b>y")
            << QByteArray("POST /post?text=hola&pair=es-en") << "hello" << none << "";
        QTest::addRow("absent attributes keep their separators")
            << "Bare"
            << "ab c" << any << page("[[y]]") << QByteArray("GET /bare?=ab%20c&=") << "y" << none
            << "";
        QTest::addRow("charset of the answer, across the pieces")
            << "Get"
            << "x" << any
            << ScriptedResponse::text(QByteArray(1023, ' ') + "[[\xe9t\xe9]]",
                                      "text/html; charset=ISO-8859-1")
            << QByteArray() << QString::fromUtf8("été") << none << "";
        QTest::addRow("error page shown where any status counts")
            << "Get"
            << "x" << any << ScriptedResponse::withStatus(500, "oops [[a<br>&amp;b]]")
            << QByteArray() << "a<br>&amp;b" << none << "";
        QTest::addRow("error status refused where only success counts")
            << "Get"
            << "x" << success << ScriptedResponse::withStatus(503, "[[busy]]") << QByteArray()
            << QString() << Pipeline::Fault::HttpStatus << "503";
        QTest::addRow("markers not in the answer")
            << "Get"
            << "x" << any << page("]] [[ no end") << QByteArray() << QString()
            << Pipeline::Fault::NoTranslation << "";
        QTest::addRow("engine without markers")
            << "NoMarkers"
            << "x" << any << page("[[x]]") << QByteArray() << QString()
            << Pipeline::Fault::NoTranslation << "";
        QTest::addRow("engine not in the document")
            << "Gone"
            << "x" << any << page("") << QByteArray() << QString() << Pipeline::Fault::Unusable
            << "no engine named Gone";
        QTest::addRow("apostrophe in the engine's name")
            << "O'Brien"
            << "x" << any << page("") << QByteArray() << QString() << Pipeline::Fault::Unusable
            << "invalid lookup";
        QTest::addRow("request cannot start") << "Ftp"
                                              << "x" << any << page("") << QByteArray() << QString()
                                              << Pipeline::Fault::NotSent << "Not a usable address";
        QTest::addRow("connection refused") << "Refused"
                                            << "x" << any << page("") << QByteArray() << QString()
                                            << Pipeline::Fault::Unreachable << "";
        QTest::addRow("never answers")
            << "Get"
            << "x" << any << silent << QByteArray() << QString() << Pipeline::Fault::TimedOut << "";
    }
    void translation() {
        QFETCH(QString, engine);
        QFETCH(QString, text);
        QFETCH(Pipeline::StatusPolicy, policy);
        QFETCH(ScriptedResponse, answer);
        QFETCH(QByteArray, request);
        QFETCH(QString, shown);
        QFETCH(Pipeline::Fault, fault);
        QFETCH(QString, detail);
        m_server.setDefaultResponse(answer);
        m_server.clearRequests();

        Pipeline::Options options;
        options.policy = policy;
        options.stallTimeout = std::chrono::milliseconds(300);
        const QString pair = engine == "Get"    ? QStringLiteral("English to Spanish")
                             : engine == "Post" ? QStringLiteral("Spanish to English")
                                                : QStringLiteral("Pair");
        const Pipeline::Result got =
            QCoro::waitFor(Pipeline::run(m_doc, engine, pair, text, options));

        if (!shown.isNull()) {
            QVERIFY2(got.ok(), qPrintable(got.detail));
            QCOMPARE(got.shown, shown);
        } else {
            QCOMPARE(got.fault, fault);
            if (fault == Pipeline::Fault::Unusable || fault == Pipeline::Fault::NotSent)
                QCOMPARE(m_server.requestCount(), 0);
            QVERIFY2(detail.isEmpty() || got.detail.startsWith(detail), qPrintable(got.detail));
            if (fault == Pipeline::Fault::Unreachable) QVERIFY(!got.detail.isEmpty());
        }
        if (!request.isEmpty()) {
            QCOMPARE(m_server.requestCount(), 1);
            const RecordedRequest sent = m_server.lastRequest();
            QCOMPARE(sent.method + ' ' + sent.target, request);
            QVERIFY(sent.body.isEmpty());
            QCOMPARE(sent.header("user-agent"),
                     QByteArray("Mozilla/4.0 (compatible;\"MSIE 6.0; Windows NT 5.1)\"\""));
        }
    }

    // Broken off by its owner, before or while it runs: the connection is
    // dropped and the result says so, whatever the server sends later.
    void cancelledEndsAsCancelled_data() {
        QTest::addColumn<bool>("beforeStart");
        QTest::addRow("while it runs") << false;
        QTest::addRow("before it starts") << true;
    }
    void cancelledEndsAsCancelled() {
        QFETCH(bool, beforeStart);
        ScriptedResponse slow = ScriptedResponse::text("[[late]]");
        slow.delayMs = 200;
        m_server.setDefaultResponse(slow);
        m_server.clearRequests();
        Pipeline::Options options;
        options.cancel = std::make_shared<Pipeline::Cancel>();
        if (beforeStart) (*options.cancel)();
        QCoro::Task<Pipeline::Result> job =
            Pipeline::run(m_doc, "Get", "English to Spanish", "x", options);
        if (!beforeStart) (*options.cancel)();
        QCOMPARE(QCoro::waitFor(job).fault, Pipeline::Fault::Cancelled);
        if (beforeStart) QCOMPARE(m_server.requestCount(), 0);
    }
};

QTEST_GUILESS_MAIN(TestPipeline)
#include "test_pipeline.moc"
