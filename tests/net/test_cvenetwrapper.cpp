#include <QElapsedTimer>
#include <QTcpServer>
#include <QTest>
#include <QTimer>

#include "TestHttpServer.h"
#include "net/DownloadError.h"
#include "net/cVeNetWrapper.h"

Q_DECLARE_METATYPE(ScriptedResponse)

using namespace std::chrono_literals;

namespace {
// Every byte value, so that nothing on the way may treat the body as text.
QByteArray binaryBody(qsizetype size) {
    QByteArray out(size, '\0');
    for (qsizetype i = 0; i < size; ++i) out[i] = static_cast<char>((i * 7 + i / 256) & 0xFF);
    return out;
}

// Runs a Download to its end, raising what it raised.
QByteArray download(cVeNetWrapper& net, const QString& url, const QString& post, qint32 port) {
    std::exception_ptr error;
    const QByteArray body = QCoro::waitFor([](cVeNetWrapper& n, QString u, QString p, qint32 at,
                                              std::exception_ptr& e) -> QCoro::Task<QByteArray> {
        try {
            co_return co_await n.Download(u, p, at);
        } catch (...) {
            e = std::current_exception();
        }
        co_return QByteArray();
    }(net, url, post, port, error));
    if (error) std::rethrow_exception(error);
    return body;
}

// Calls Download and hands back the error it raised, if any.
std::optional<DownloadError> downloadError(cVeNetWrapper& net, const QString& url, qint32 port = 80,
                                           const QString& post = QString()) {
    try {
        download(net, url, post, port);
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
        QCOMPARE(download(net, "http://" + m_server.hostPort() + "/dir/file.wav", "", 80),
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
        QCOMPARE(download(net, m_server.baseUrl() + "/form", "a=1&b=two%20words", 80),
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
        QCOMPARE(download(net, "http://127.0.0.1/p", "", port - 65536), QByteArray("default"));
        QCOMPARE(m_server.lastRequest().header("Host"), m_server.hostPort().toLatin1());
    }

    // Only a whole answer is returned; an error page that arrives whole is
    // one. Anything short of it raises error 11 instead of passing a shorter
    // body for a file.
    void outcomes_data() {
        QTest::addColumn<ScriptedResponse>("answer");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<bool>("raises");
        const QByteArray page = "<html><body>404 Not Found</body></html>";
        ScriptedResponse s = ScriptedResponse::withStatus(404, page);
        QTest::addRow("error page") << s << false << false;
        QTest::addRow("connection refused") << s << true << true;
        s = ScriptedResponse::text(binaryBody(5000), "audio/wav");
        s.cutAfterBodyBytes = 2000;
        QTest::addRow("fewer bytes than announced") << s << false << true;
        s = ScriptedResponse::text(binaryBody(5000), "audio/wav");
        s.stallAfterBodyBytes = 2000;
        QTest::addRow("silent mid-body") << s << false << true;
        s = ScriptedResponse::text(binaryBody(5000), "audio/wav");
        s.pieceDelayMs = 20;
        s.chunkSize = 10;
        QTest::addRow("trickling past the overall bound") << s << false << true;
    }
    void outcomes() {
        QFETCH(ScriptedResponse, answer);
        QFETCH(bool, refused);
        QFETCH(bool, raises);
        m_server.setResponse("/w.wav", answer);
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        const QString host =
            refused ? QStringLiteral("127.0.0.1:%1").arg(closed.serverPort()) : m_server.hostPort();
        closed.close();
        cVeNetWrapper net;
        QCOMPARE(net.stallTimeout(), 30000ms);
        QCOMPARE(net.overallBound(), 120000ms);
        net.setStallTimeout(300ms);
        net.setOverallBound(600ms);
        if (raises) {
            verifyIsError11(downloadError(net, "http://" + host + "/w.wav"));
        } else {
            QCOMPARE(download(net, "http://" + host + "/w.wav", "", 80), answer.body);
        }
    }

    void unusableAddressRaises() {
        cVeNetWrapper net;
        verifyIsError11(downloadError(net, "http://server"));
        verifyIsError11(downloadError(net, "http://ser ver/x"));
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

    // Cancel from an event handler (Escape, closing the window) while a
    // download waits: it raises at once, and so does every later Download,
    // without sending anything.
    void cancelEndsTheDownload() {
        ScriptedResponse r = ScriptedResponse::text(binaryBody(10000));
        r.stallAfterBodyBytes = 100;
        m_server.setResponse("/slow.wav", r);
        cVeNetWrapper net;
        QTimer poll;
        connect(&poll, &QTimer::timeout, [&] {
            if (m_server.requestCount() > 0) net.Cancel();
        });
        poll.start(1);
        verifyIsError11(downloadError(net, m_server.baseUrl() + "/slow.wav"));
        poll.stop();
        verifyIsError11(downloadError(net, m_server.baseUrl() + "/slow.wav"));
        QCOMPARE(m_server.requestCount(), 1);
    }
};

QTEST_GUILESS_MAIN(TestNetWrapper)
#include "test_cvenetwrapper.moc"
