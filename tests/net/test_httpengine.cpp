#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>
#include <QTimer>

#include "RawAnswerServer.h"
#include "TestHttpServer.h"
#include "net/HttpEngine.h"

using namespace std::chrono_literals;
using Error = HttpResult::Error;

Q_DECLARE_METATYPE(HttpResult::Error)
Q_DECLARE_METATYPE(ScriptedResponse)

namespace {
HttpResult fetch(const HttpRequest& request) {
    return QCoro::waitFor(HttpEngine::forThread().fetch(request));
}

int closedPort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();  // closed again when probe goes away
}
}  // namespace

// The engine against a real loopback server: what goes on the wire, what
// comes back, and every way a transfer can fail.
class TestHttpEngine : public QObject {
    Q_OBJECT

    TestHttpServer m_server;

    HttpRequest request(const QString& rest) const {
        HttpRequest r;
        r.address = m_server.baseUrl() + rest;
        return r;
    }

private slots:
    void initTestCase() { QVERIFY(m_server.start()); }
    void init() {
        m_server.clearRequests();
        m_server.setHandler(nullptr);
        m_server.setDefaultResponse(ScriptedResponse::text("default"));
    }

    void targetGoesOutAsBuilt_data() {
        QTest::addColumn<QString>("built");
        QTest::addColumn<QByteArray>("target");
        QTest::addRow("escapes kept, their case too")
            << "/t?uid=v%41&b=%2f&c=%2D%2E%5F%7E&d=a%2520b"
            << QByteArray("/t?uid=v%41&b=%2f&c=%2D%2E%5F%7E&d=a%2520b");
        QTest::addRow("a lone percent") << "/t?q=a%20b&a=100%" << QByteArray("/t?q=a%20b&a=100%25");
        QTest::addRow("percent before no escape")
            << "/t?x=%zz&y=%4" << QByteArray("/t?x=%25zz&y=%254");
        QTest::addRow("what a request line cannot carry")
            << QString::fromUtf8("/a b?d=1/2/24 3:04 PM&g=\xce\xbb\"<>\t")
            << QByteArray("/a%20b?d=1/2/24%203:04%20PM&g=%CE%BB%22%3C%3E%09");
        QTest::addRow("reserved characters kept")
            << "/p;a?b=c&d=e+f,g:h@i!j$k'l(m)n*o[]"
            << QByteArray("/p;a?b=c&d=e+f,g:h@i!j$k'l(m)n*o[]");
        QTest::addRow("dot segments kept")
            << "/a/../b/./c/%2e%2e/d?e=/../f" << QByteArray("/a/../b/./c/%2e%2e/d?e=/../f");
        QTest::addRow("query without path") << "?x=1" << QByteArray("/?x=1");
        QTest::addRow("nothing after the host") << "" << QByteArray("/");
        QTest::addRow("the fragment stays home") << "/p?q=1#frag" << QByteArray("/p?q=1");
    }
    void targetGoesOutAsBuilt() {
        QFETCH(QString, built);
        QFETCH(QByteArray, target);
        QVERIFY(fetch(request(built)).ok());
        QCOMPARE(m_server.lastRequest().target, target);
    }

    // The head on the wire, byte for byte: the caller's lines as written, no
    // header of the engine's own beyond Host, credentials and the length.
    void requestHeadIsAsBuilt_data() {
        QTest::addColumn<QByteArray>("method");
        QTest::addColumn<QList<QByteArray>>("lines");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("user");
        QTest::addColumn<QByteArray>("head");  // after the Host line
        QTest::addRow("GET") << QByteArray("GET")
                             << QList<QByteArray>{"user-agent:Mozilla/4.0 (compatible;\"x\"\""}
                             << QByteArray() << QString()
                             << QByteArray("user-agent:Mozilla/4.0 (compatible;\"x\"\"");
        QTest::addRow("POST without body")
            << QByteArray("POST") << QList<QByteArray>{} << QByteArray() << QString()
            << QByteArray("Content-Length: 0");
        QTest::addRow("POST with body, two lines")
            << QByteArray("POST") << QList<QByteArray>{"A: 1", "b:2"} << QByteArray("x=%20&y")
            << QString() << QByteArray("A: 1\r\nb:2\r\nContent-Length: 7");
        QTest::addRow("credentials")
            << QByteArray("GET") << QList<QByteArray>{} << QByteArray() << "ann"
            << "Authorization: Basic " + QByteArray("ann:s3cret").toBase64();
    }
    void requestHeadIsAsBuilt() {
        QFETCH(QByteArray, method);
        QFETCH(QList<QByteArray>, lines);
        QFETCH(QByteArray, body);
        QFETCH(QString, user);
        QFETCH(QByteArray, head);
        HttpRequest r = request("/f");
        r.method = method;
        r.headerLines = lines;
        r.body = body;
        r.username = user;
        r.password = "s3cret";
        QVERIFY(fetch(r).ok());
        const RecordedRequest got = m_server.lastRequest();
        QCOMPARE(got.rawHead, method + " /f HTTP/1.1\r\nHost: " + m_server.hostPort().toLatin1() +
                                  "\r\n" + head);
        QCOMPARE(got.body, body);
    }

    void answersArriveWhole_data() {
        QTest::addColumn<int>("status");
        QTest::addColumn<qsizetype>("size");
        QTest::addColumn<int>("framing");  // 0 length, 1 chunked, 2 closed
        QTest::addRow("empty") << 200 << qsizetype(0) << 0;
        QTest::addRow("one byte") << 200 << qsizetype(1) << 0;
        QTest::addRow("2049 chunked") << 200 << qsizetype(2049) << 1;
        QTest::addRow("1 MiB + 3 chunked") << 200 << qsizetype(1024 * 1024 + 3) << 1;
        QTest::addRow("1 MiB ended by closing") << 200 << qsizetype(1024 * 1024) << 2;
        QTest::addRow("an error page is an answer") << 404 << qsizetype(300) << 0;
    }
    void answersArriveWhole() {
        QFETCH(int, status);
        QFETCH(qsizetype, size);
        QFETCH(int, framing);
        // Every byte value, so that nothing on the way may treat it as text.
        QByteArray body(size, '\0');
        for (qsizetype i = 0; i < size; ++i) body[i] = char((i * 7 + i / 256) & 0xFF);
        ScriptedResponse s = ScriptedResponse::withStatus(status, body);
        s.chunked = framing == 1;
        s.chunkSize = 997;
        s.omitContentLength = framing == 2;
        m_server.setDefaultResponse(s);
        const HttpResult got = fetch(request("/bin"));
        QVERIFY2(got.ok(), qPrintable(got.errorText));
        QCOMPARE(got.status, status);
        QCOMPARE(got.header("content-type"), QByteArray("text/html"));
        QCOMPARE(got.body.size(), size);
        QVERIFY(got.body == body);
    }

    void failuresAreReported_data() {
        QTest::addColumn<ScriptedResponse>("answer");
        QTest::addColumn<QString>("address");  // empty: the server
        QTest::addColumn<Error>("error");
        const ScriptedResponse page = ScriptedResponse::text(QByteArray(4000, 'x'));
        ScriptedResponse s = page;
        QTest::addRow("refused") << s << QStringLiteral("http://127.0.0.1:%1/").arg(closedPort())
                                 << Error::Refused;
        QTest::addRow("unusable address") << s << "ftp://127.0.0.1/" << Error::BadRequest;
        QTest::addRow("space in the host") << s << "http://ser ver/" << Error::BadRequest;
        s.closeWithoutAnswer = true;
        QTest::addRow("closed without answer") << s << "" << Error::NoAnswer;
        s = page;
        s.cutAfterBodyBytes = 100;
        QTest::addRow("fewer bytes than announced") << s << "" << Error::CutShort;
        s.chunked = true;
        QTest::addRow("chunks cut short") << s << "" << Error::CutShort;
        s = page;
        s.neverAnswer = true;
        QTest::addRow("silent before answering") << s << "" << Error::Stalled;
        s = page;
        s.stallAfterBodyBytes = 1000;
        QTest::addRow("silent mid-body") << s << "" << Error::Stalled;
        s = page;
        s.chunkSize = 1;
        s.pieceDelayMs = 50;
        QTest::addRow("trickling, never stalling") << s << "" << Error::TimedOut;
        s = ScriptedResponse();
        s.generatedBodySize = 4097;
        QTest::addRow("announced over the limit") << s << "" << Error::TooLarge;
        s.chunked = true;
        QTest::addRow("chunked over the limit") << s << "" << Error::TooLarge;
        s.generatedBodySize = 4096;
        QTest::addRow("exactly the limit") << s << "" << Error::None;
    }
    void failuresAreReported() {
        QFETCH(ScriptedResponse, answer);
        QFETCH(QString, address);
        QFETCH(Error, error);
        m_server.setDefaultResponse(answer);
        HttpRequest r = request("/x");
        if (!address.isEmpty()) r.address = address;
        r.sizeLimit = 4096;
        r.stallTimeout = 400ms;
        r.overallBound = 800ms;
        const HttpResult got = fetch(r);
        QCOMPARE(got.error, error);
        QCOMPARE(got.errorText.isEmpty(), error == Error::None);
        if (error != Error::None) QVERIFY(got.body.isEmpty());
        // One request per call: a connection closed without an answer is
        // not a reason to send it again.
        if (address.isEmpty()) QCOMPARE(m_server.requestCount(), 1);
    }

    void redirects_data() {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("method");  // on the second request
        QTest::addColumn<QByteArray>("body");
        QTest::addRow("302 after GET") << 302 << QByteArray("GET") << QByteArray();
        QTest::addRow("303 turns POST into GET") << 303 << QByteArray("GET") << QByteArray();
        QTest::addRow("307 keeps POST and body") << 307 << QByteArray("POST") << QByteArray("b=1");
        QTest::addRow("endless") << 301 << QByteArray() << QByteArray();
    }
    void redirects() {
        QFETCH(int, status);
        QFETCH(QByteArray, method);
        QFETCH(QByteArray, body);
        const bool endless = method.isEmpty();
        m_server.setHandler([&](const RecordedRequest& req) {
            if (req.path() == "/there" && !endless) return ScriptedResponse::text("arrived");
            ScriptedResponse r = ScriptedResponse::withStatus(status, "moved");
            r.headers.emplaceBack("Location", endless ? "again" : "/there?x=%2f");
            return r;
        });
        HttpRequest r = request("/here");
        r.method = status == 302 ? "GET" : "POST";
        r.body = status == 302 ? QByteArray() : QByteArray("b=1");
        const HttpResult got = fetch(r);
        if (endless) {
            QCOMPARE(got.error, Error::Redirect);
            QCOMPARE(m_server.requestCount(), HttpLimits::maxRedirects + 1);
            return;
        }
        QVERIFY2(got.ok(), qPrintable(got.errorText));
        QCOMPARE(got.body, QByteArray("arrived"));
        QCOMPARE(m_server.requestCount(), 2);
        const RecordedRequest second = m_server.lastRequest();
        QCOMPARE(second.target, QByteArray("/there?x=%2f"));
        QCOMPARE(second.method, method);
        QCOMPARE(second.body, body);
    }

    // Broken and hostile answers, written byte for byte: each ends in a clean
    // failure of its own kind, after one request, long before the overall
    // bound; what is right but unusual still gets through.
    void hostileAnswers_data() {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<QByteArray>("repeat");  // sent after it until the client leaves
        QTest::addColumn<int>("repeatEveryMs");
        QTest::addColumn<Error>("error");
        const QByteArray ok = "HTTP/1.1 200 OK\r\n";
        const QByteArray chunked = ok + "Transfer-Encoding: chunked\r\n\r\n";
        const QByteArray hello = "5\r\nhello\r\n0\r\n\r\n";
        const QByteArray interim = "HTTP/1.1 100 Continue\r\n\r\n";
        const QByteArray none;
        QTest::addRow("chunk size 0x10") << chunked + "0x10\r\n0123456789abcdef\r\n0\r\n\r\n"
                                         << none << 0 << Error::Protocol;
        QTest::addRow("chunk size +5") << chunked + "+5\r\nhello\r\n0\r\n\r\n"
                                       << none << 0 << Error::Protocol;
        for (const char* coding : {"xchunked", "x-rot13", "gzip", "identity"})
            QTest::addRow("coding %s", coding)
                << ok + "Transfer-Encoding: " + coding + "\r\n\r\nhello" << none << 0
                << Error::Protocol;
        QTest::addRow("codings chunked, gzip")
            << ok + "Transfer-Encoding: chunked, gzip\r\n\r\n" + hello << none << 0
            << Error::Protocol;
        QTest::addRow("coding Chunked")
            << ok + "Transfer-Encoding: Chunked\r\n\r\n" + hello << none << 0 << Error::None;
        QTest::addRow("HTTP/1.3") << QByteArray("HTTP/1.3 200 OK\r\nContent-Length: 5\r\n\r\nhello")
                                  << none << 0 << Error::Protocol;
        QTest::addRow("status line HTTP/200")
            << QByteArray("HTTP/200 OK\r\n\r\nhello") << none << 0 << Error::Protocol;
        QTest::addRow("head cut short")
            << QByteArray("HTTP/1.0 200 OK\r\nContent-Type: x") << none << 0 << Error::CutShort;
        QTest::addRow("no status line") << QByteArray("hello") << none << 0 << Error::Protocol;
        QTest::addRow("a lone CR before Location")
            << QByteArray("HTTP/1.1 302 Found\r\n\rLocation: /x\r\nContent-Length: 5\r\n\r\nhello")
            << none << 0 << Error::Protocol;
        QTest::addRow("length 5x")
            << ok + "Content-Length: 5x\r\n\r\nhello" << none << 0 << Error::Protocol;
        QTest::addRow("switching protocols")
            << QByteArray("HTTP/1.1 101 Switching Protocols\r\nUpgrade: x\r\n\r\nhello") << none
            << 0 << Error::Protocol;
        QTest::addRow("two lengths") << ok + "Content-Length: 5\r\nContent-Length: 6\r\n\r\nhello"
                                     << none << 0 << Error::Protocol;
        QTest::addRow("endless head")
            << ok << QByteArray("X-Head: 0123456789\r\n") << 0 << Error::Protocol;
        QTest::addRow("endless trailer")
            << chunked + "5\r\nhello\r\n0\r\n"
            << QByteArray("X-Trailer: 0123456789\r\n") << 0 << Error::Protocol;
        QTest::addRow("5000 interim answers")
            << interim.repeated(5000) + chunked + hello << none << 0 << Error::None;
        QTest::addRow("80000 interim answers")
            << interim.repeated(80000) + chunked + hello << none << 0 << Error::Protocol;
        QTest::addRow("interim answers without end")
            << QByteArray() << interim << 0 << Error::Protocol;
        // Never silent, so never stalled: the overall bound ends it.
        QTest::addRow("interim answers trickling")
            << QByteArray() << interim << 20 << Error::TimedOut;
        for (const char* to : {"file:///etc/passwd", "ftp://127.0.0.1/x", "gopher://127.0.0.1/"})
            QTest::addRow("redirect to %s", to)
                << "HTTP/1.1 302 Found\r\nLocation: " + QByteArray(to) +
                       "\r\nContent-Length: 0\r\n\r\n"
                << none << 0 << Error::Redirect;
    }
    void hostileAnswers() {
        QFETCH(QByteArray, answer);
        QFETCH(QByteArray, repeat);
        QFETCH(int, repeatEveryMs);
        QFETCH(Error, error);
        RawAnswerServer server;
        QVERIFY(server.port() != 0);
        server.setAnswer({answer.toStdString(), repeat.toStdString(), repeatEveryMs});
        HttpRequest r;
        r.address = QStringLiteral("http://127.0.0.1:%1/h").arg(server.port());
        r.stallTimeout = 3s;
        r.overallBound = repeatEveryMs > 0 ? 1s : 20s;
        const HttpResult got = fetch(r);
        QVERIFY2(got.error == error, qPrintable(got.errorText));
        if (error == Error::None) {
            QCOMPARE(got.body, QByteArray("hello"));
        } else {
            QVERIFY(got.body.isEmpty());
            QVERIFY(!got.errorText.isEmpty() && !got.errorText.contains('\n'));
        }
        QCOMPARE(server.connections(), 1);
    }

    // Aborted from an event handler while the caller waits (so events run
    // meanwhile): the wait ends at once, and nothing of the transfer shows up
    // later, not even once a later transfer has run all the way through.
    void abortLeavesNothingBehind() {
        ScriptedResponse s = ScriptedResponse::text(QByteArray(10000, 'y'));
        s.stallAfterBodyBytes = 10;
        m_server.setDefaultResponse(s);
        HttpTransferPtr t = HttpEngine::forThread().start(request("/a"));
        QSignalSpy progress(t.get(), &HttpTransfer::progress);
        QSignalSpy finished(t.get(), &HttpTransfer::finished);
        QTimer poll;
        connect(&poll, &QTimer::timeout, [&] {
            if (!progress.isEmpty()) t->abort();
        });
        poll.start(1);
        QVERIFY(QTest::qWaitFor([&] { return !t->isRunning(); }, 10000));
        const HttpResult got = t->result();
        QCOMPARE(got.error, Error::Aborted);
        QVERIFY(got.body.isEmpty());
        QVERIFY(!t->isRunning());

        m_server.setDefaultResponse(ScriptedResponse::text("later"));
        QCOMPARE(fetch(request("/b")).body, QByteArray("later"));
        QCOMPARE(finished.size(), 0);
        QCOMPARE(progress.size(), 1);
    }

    // Quitting the application ends every event loop; the half-read body must
    // not pass for a whole one.
};

QTEST_GUILESS_MAIN(TestHttpEngine)
#include "test_httpengine.moc"
