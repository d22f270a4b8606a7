#include <QElapsedTimer>
#include <QTcpServer>
#include <QTest>
#include <QTimer>

#include "TestHttpServer.h"
#include "net/DownloadError.h"
#include "net/cVeNetWrapper.h"

using namespace std::chrono_literals;

namespace {
// Every byte value, so that nothing on the way may treat the body as text.
QByteArray binaryBody(qsizetype size) {
    QByteArray out(size, '\0');
    for (qsizetype i = 0; i < size; ++i) out[i] = static_cast<char>((i * 7 + i / 256) & 0xFF);
    return out;
}

// Calls Download and hands back the error it raised, if any.
std::optional<DownloadError> downloadError(cVeNetWrapper& net, const QString& url, qint32 port = 80,
                                           const QString& post = QString()) {
    try {
        net.Download(url, post, port);
    } catch (const DownloadError& e) {
        return e;
    }
    return std::nullopt;
}

void verifyIsError11(const std::optional<DownloadError>& e) {
    QVERIFY2(e.has_value(), "no error raised");
    QCOMPARE(e->number(), 11);
    QCOMPARE(e->source(), QStringLiteral("cVeNetWrapper.Download"));
    QCOMPARE(e->description(), QStringLiteral("Download Error, cannot read file."));
}
}  // namespace

class TestNetWrapper : public QObject {
    Q_OBJECT

    TestHttpServer m_server;

private slots:
    void initTestCase() { QVERIFY(m_server.start()); }
    void init() {
        m_server.clearRequests();
        m_server.setDefaultResponse(ScriptedResponse::text("default"));
    }

    void getSendsPathWithoutCachesOrForm() {
        m_server.setResponse("/dir/file.wav", ScriptedResponse::text("wave"));
        cVeNetWrapper net;
        QCOMPARE(net.Download("http://" + m_server.hostPort() + "/dir/file.wav", "", 80),
                 QByteArray("wave"));
        QCOMPARE(m_server.requestCount(), 1);
        const RecordedRequest r = m_server.lastRequest();
        QCOMPARE(r.method, QByteArray("GET"));
        QCOMPARE(r.target, QByteArray("/dir/file.wav"));
        QCOMPARE(r.header("Host"), m_server.hostPort().toLatin1());
        QCOMPARE(r.header("User-Agent"),
                 QByteArray("Mozilla/4.0 (compatible; MSIE 5.0; Windows NT; DigExt)"));
        QCOMPARE(r.header("Cache-Control"), QByteArray("no-cache"));
        QCOMPARE(r.header("Pragma"), QByteArray("no-cache"));
        QVERIFY(!r.hasHeader("Content-Type"));
        QVERIFY(r.body.isEmpty());
    }

    void postSendsTheFormHeaderAndBody() {
        cVeNetWrapper net;
        QCOMPARE(net.Download(m_server.baseUrl() + "/form", "a=1&b=two%20words", 80),
                 QByteArray("default"));
        const RecordedRequest r = m_server.lastRequest();
        QCOMPARE(r.method, QByteArray("POST"));
        QCOMPARE(r.target, QByteArray("/form"));
        QCOMPARE(r.header("Content-Type"), QByteArray("application/x-www-form-urlencoded"));
        QCOMPARE(r.body, QByteArray("a=1&b=two%20words"));
    }

    // A port in the upper half reaches the server through the 16-bit wrap.
    void portArgumentIsUsedWithoutPortInTheHost() {
        const int port = m_server.port();
        if (port <= 32767) QSKIP("the server's port is reachable without the wrap");
        cVeNetWrapper net;
        QCOMPARE(net.Download("http://127.0.0.1/p", "", port - 65536), QByteArray("default"));
        QCOMPARE(m_server.lastRequest().header("Host"), m_server.hostPort().toLatin1());
    }

    void bodiesComeBackByteForByte_data() {
        QTest::addColumn<qsizetype>("size");
        QTest::addColumn<bool>("chunked");
        QTest::addRow("empty") << qsizetype(0) << false;
        QTest::addRow("one byte") << qsizetype(1) << false;
        QTest::addRow("2048") << qsizetype(2048) << false;
        QTest::addRow("2049") << qsizetype(2049) << false;
        QTest::addRow("2049 chunked") << qsizetype(2049) << true;
        QTest::addRow("1 MiB + 3 chunked") << qsizetype(1024 * 1024 + 3) << true;
    }
    void bodiesComeBackByteForByte() {
        QFETCH(qsizetype, size);
        QFETCH(bool, chunked);
        ScriptedResponse r = ScriptedResponse::text(binaryBody(size), "audio/wav");
        r.chunked = chunked;
        r.chunkSize = 997;
        m_server.setResponse("/bin", r);
        cVeNetWrapper net;
        const QByteArray got = net.Download(m_server.baseUrl() + "/bin", "", 80);
        QCOMPARE(got.size(), size);
        QVERIFY(got == binaryBody(size));
    }

    void errorStatusBodyIsReturned() {
        const QByteArray page = "<html><body>404 Not Found</body></html>";
        m_server.setResponse("/missing.wav", ScriptedResponse::withStatus(404, page));
        cVeNetWrapper net;
        QCOMPARE(net.Download(m_server.baseUrl() + "/missing.wav", "", 80), page);
    }

    void nothingAfterTheHostRaises() {
        cVeNetWrapper net;
        verifyIsError11(downloadError(net, "http://server"));
        verifyIsError11(downloadError(net, "http://" + m_server.hostPort()));
        QCOMPARE(m_server.requestCount(), 0);
    }

    void portOutsideSixteenBitsRaises_data() {
        QTest::addColumn<qint32>("port");
        QTest::addRow("32768") << 32768;
        QTest::addRow("-32769") << -32769;
    }
    void portOutsideSixteenBitsRaises() {
        QFETCH(qint32, port);
        cVeNetWrapper net;
        verifyIsError11(downloadError(net, m_server.baseUrl() + "/x", port));
    }

    void unreachableHostGivesEmptyText() {
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        const quint16 port = closed.serverPort();
        closed.close();
        cVeNetWrapper net;
        QCOMPARE(net.Download(QStringLiteral("http://127.0.0.1:%1/x").arg(port), "", 80),
                 QByteArray());
        QCOMPARE(net.Download("http://ser ver/x", "", 80), QByteArray());
    }

    void silentServerRaisesAfterTheStallTimeout_data() {
        QTest::addColumn<bool>("neverAnswer");
        QTest::addRow("no answer at all") << true;
        QTest::addRow("silent mid-body") << false;
    }
    void silentServerRaisesAfterTheStallTimeout() {
        QFETCH(bool, neverAnswer);
        ScriptedResponse r = ScriptedResponse::text(binaryBody(10000));
        r.neverAnswer = neverAnswer;
        r.stallAfterBodyBytes = neverAnswer ? -1 : 3000;
        m_server.setResponse("/stall", r);
        cVeNetWrapper net;
        QCOMPARE(net.stallTimeout(), 30000ms);
        net.setStallTimeout(300ms);
        verifyIsError11(downloadError(net, m_server.baseUrl() + "/stall"));
    }

    // A slow but steady server is no stall.
    void slowStartIsNoStall() {
        ScriptedResponse r = ScriptedResponse::text("late");
        r.delayMs = 200;
        m_server.setResponse("/late", r);
        cVeNetWrapper net;
        net.setStallTimeout(1000ms);
        QCOMPARE(net.Download(m_server.baseUrl() + "/late", "", 80), QByteArray("late"));
    }

    void bodyOverTheLimitRaises_data() {
        QTest::addColumn<bool>("chunked");
        QTest::addRow("announced length") << false;
        QTest::addRow("chunked") << true;
    }
    void bodyOverTheLimitRaises() {
        QFETCH(bool, chunked);
        ScriptedResponse r;
        r.generatedBodySize = cVeNetWrapper::defaultMaximumBodySize + 1;
        r.chunked = chunked;
        r.chunkSize = 1 << 16;
        m_server.setResponse("/huge", r);
        cVeNetWrapper net;
        QCOMPARE(net.maximumBodySize(), qint64(64) * 1024 * 1024);
        verifyIsError11(downloadError(net, m_server.baseUrl() + "/huge"));
    }

    void bodyAtTheLimitIsReturned() {
        ScriptedResponse r;
        r.generatedBodySize = 1 << 20;
        r.chunked = true;
        r.chunkSize = 4096;
        m_server.setResponse("/edge", r);
        cVeNetWrapper net;
        net.setMaximumBodySize(1 << 20);
        QCOMPARE(net.Download(m_server.baseUrl() + "/edge", "", 80),
                 ScriptedResponse::patternBytes(1 << 20));
        net.setMaximumBodySize((1 << 20) - 1);
        verifyIsError11(downloadError(net, m_server.baseUrl() + "/edge"));
    }

    // The window's events keep running while a download waits.
    void eventsAreProcessedWhileWaiting() {
        ScriptedResponse r = ScriptedResponse::text("done");
        r.delayMs = 300;
        m_server.setResponse("/slow", r);
        bool ranDuring = false;
        QTimer::singleShot(20, this, [&] { ranDuring = true; });
        cVeNetWrapper net;
        QCOMPARE(net.Download(m_server.baseUrl() + "/slow", "", 80), QByteArray("done"));
        QVERIFY(ranDuring);
    }

    // Quitting the application ends every event loop; the half-read body must
    // not pass for a whole one.
    void brokenOffWaitRaises() {
        ScriptedResponse r = ScriptedResponse::text(binaryBody(10000));
        r.stallAfterBodyBytes = 5000;
        m_server.setResponse("/half", r);
        QTimer::singleShot(200, qApp, [] { QCoreApplication::exit(0); });
        cVeNetWrapper net;
        const auto error = downloadError(net, m_server.baseUrl() + "/half");
        // Exiting leaves every later local loop ending at once until the
        // application's own loop has run again.
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        QCoreApplication::exec();
        verifyIsError11(error);
    }

    void credentialsAnswerTheChallenge() {
        const QByteArray expected = "Basic " + QByteArray("ann:s3cret").toBase64();
        m_server.setHandler([expected](const RecordedRequest& req) {
            if (req.header("Authorization") == expected) return ScriptedResponse::text("welcome");
            ScriptedResponse r = ScriptedResponse::withStatus(401, "who are you?");
            r.reason = "Unauthorized";
            r.headers.emplaceBack("WWW-Authenticate", "Basic realm=\"test\"");
            return r;
        });
        cVeNetWrapper net;
        QCOMPARE(net.Download(m_server.baseUrl() + "/private", "", 80), QByteArray("who are you?"));
        net.setUsername("ann");
        net.setPassword("s3cret");
        QCOMPARE(net.Download(m_server.baseUrl() + "/private", "", 80), QByteArray("welcome"));
        m_server.setHandler(nullptr);
    }
};

QTEST_GUILESS_MAIN(TestNetWrapper)
#include "test_cvenetwrapper.moc"
