#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>
#include <QTimer>

#include "TestHttpServer.h"
#include "config/Failure.h"
#include "translate/AnswerCollection.h"
#include "translate/InetTransfer.h"

namespace {

const QString kUserAgent =
    QStringLiteral("user-agent:Mozilla/4.0 (compatible;\"MSIE 6.0; Windows NT 5.1)\"\"");

int freePort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();  // closed again when probe goes away
}

QByteArray drain(InetTransfer& t, qint64 size) {
    QByteArray all;
    for (QByteArray piece = t.GetChunk(size); !piece.isEmpty(); piece = t.GetChunk(size)) {
        if (piece.size() > size) return "piece too large";
        all += piece;
    }
    return all;
}

}  // namespace

class TestInetTransfer : public QObject {
    Q_OBJECT

    TestHttpServer* m_server = nullptr;

private slots:
    void init() {
        m_server = new TestHttpServer;
        QVERIFY(m_server->start());
    }
    void cleanup() { delete m_server; }

private:
    // Runs a transfer of its own all the way through: whatever an earlier
    // transfer still had queued would have been delivered by then.
    void completeAnother() {
        TestHttpServer other;
        QVERIFY(other.start());
        InetTransfer u;
        QSignalSpy done(&u, &InetTransfer::StateChanged);
        u.Execute(other.baseUrl() + "/", "GET");
        QTRY_COMPARE(done.size(), 1);
    }

private slots:
    void sendsTheRequestAsGiven_data() {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QByteArray>("method");
        QTest::addRow("GET") << "GET" << QByteArray("GET");
        QTest::addRow("no method means GET") << "" << QByteArray("GET");
        QTest::addRow("POST") << "POST" << QByteArray("POST");
    }
    void sendsTheRequestAsGiven() {
        QFETCH(QString, operation);
        QFETCH(QByteArray, method);
        m_server->setDefaultResponse(ScriptedResponse::text("answer"));
        InetTransfer t;
        QSignalSpy states(&t, &InetTransfer::StateChanged);
        t.Execute(m_server->baseUrl() + "/t?q=a%20b%25%2B%26%C3%A9&l=x&o=100%&p=%2f", operation, {},
                  kUserAgent);
        QVERIFY(t.StillExecuting());
        QTRY_COMPARE(states.size(), 1);
        QCOMPARE(states.at(0).at(0).toInt(), int(InetTransfer::icResponseCompleted));
        QVERIFY(!t.StillExecuting());

        const RecordedRequest r = m_server->lastRequest();
        QCOMPARE(r.method, method);
        // As built: escapes kept in their case, a lone "%" sent as "%25".
        QCOMPARE(r.target, QByteArray("/t?q=a%20b%25%2B%26%C3%A9&l=x&o=100%25&p=%2f"));
        QCOMPARE(r.header("User-Agent"),
                 QByteArray("Mozilla/4.0 (compatible;\"MSIE 6.0; Windows NT 5.1)\"\""));
        int agents = 0;
        for (const auto& h : r.headers) agents += h.first.toLower() == "user-agent";
        QCOMPARE(agents, 1);
        QVERIFY(r.body.isEmpty());
        if (method == "POST") QCOMPARE(r.header("Content-Length"), QByteArray("0"));
        QCOMPARE(drain(t, 1024), QByteArray("answer"));
        QCOMPARE(t.contentType(), QByteArray("text/html; charset=utf-8"));
    }

    void handsOutTheBodyInPieces() {
        const QByteArray body = ScriptedResponse::patternBytes(5000);
        ScriptedResponse r = ScriptedResponse::text(body);
        r.chunked = true;
        r.chunkSize = 333;
        m_server->setDefaultResponse(r);
        InetTransfer t;
        QSignalSpy states(&t, &InetTransfer::StateChanged);
        QVERIFY(t.GetChunk(1024).isEmpty());  // nothing before completion
        t.Execute(m_server->baseUrl() + "/", "GET");
        QTRY_COMPARE(states.size(), 1);
        QCOMPARE(t.GetChunk(1024), body.left(1024));
        QCOMPARE(t.GetChunk(4000), body.mid(1024));
        QVERIFY(t.GetChunk(1024).isEmpty());
        QVERIFY(t.GetChunk(1024).isEmpty());
    }

    void errorStatusStillDeliversThePage() {
        m_server->setDefaultResponse(ScriptedResponse::withStatus(404, "[[not here]]"));
        InetTransfer t;
        QSignalSpy states(&t, &InetTransfer::StateChanged);
        t.Execute(m_server->baseUrl() + "/missing", "GET");
        QTRY_COMPARE(states.size(), 1);
        QCOMPARE(states.at(0).at(0).toInt(), int(InetTransfer::icResponseCompleted));
        QCOMPARE(t.httpStatus(), 404);
        QCOMPARE(drain(t, 1024), QByteArray("[[not here]]"));
    }

    void transferErrors_data() {
        QTest::addColumn<int>("kind");
        QTest::addRow("connection refused") << 0;
        QTest::addRow("answer cut off") << 1;
        QTest::addRow("announced body over the limit") << 2;
    }
    void transferErrors() {
        QFETCH(int, kind);
        QString url = m_server->baseUrl() + "/";
        ScriptedResponse r = ScriptedResponse::text(QByteArray(4000, 'x'));
        if (kind == 0) url = QStringLiteral("http://127.0.0.1:%1/").arg(freePort());
        if (kind == 1) r.cutAfterBodyBytes = 100;
        if (kind == 2) r.generatedBodySize = InetTransfer::kMaxBodySize + 1;
        m_server->setDefaultResponse(r);
        InetTransfer t;
        QSignalSpy states(&t, &InetTransfer::StateChanged);
        t.Execute(url, "GET");
        QTRY_COMPARE_WITH_TIMEOUT(states.size(), 1, 15000);
        QCOMPARE(states.at(0).at(0).toInt(), int(InetTransfer::icError));
        QVERIFY(!t.errorText().isEmpty());
        if (kind == 2) QCOMPARE(t.errorText(), QString("The answer is larger than 32 MiB."));
        QVERIFY(!t.StillExecuting());
        QVERIFY(t.GetChunk(1024).isEmpty());
        completeAnother();
        QCOMPARE(states.size(), 1);  // one report only
    }

    void refusesWhatItCannotStart_data() {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("headers");
        QTest::addRow("no scheme") << "127.0.0.1/x"
                                   << "GET" << kUserAgent;
        QTest::addRow("empty") << ""
                               << "GET" << kUserAgent;
        QTest::addRow("ftp") << "ftp://127.0.0.1/x"
                             << "GET" << kUserAgent;
        QTest::addRow("header without colon") << "http://127.0.0.1:1/"
                                              << "GET"
                                              << "user-agent";
        QTest::addRow("header with space in name") << "http://127.0.0.1:1/"
                                                   << "GET"
                                                   << "a b:c";
        QTest::addRow("method with space") << "http://127.0.0.1:1/"
                                           << "GE T" << kUserAgent;
    }
    void refusesWhatItCannotStart() {
        QFETCH(QString, url);
        QFETCH(QString, operation);
        QFETCH(QString, headers);
        InetTransfer t;
        QVERIFY_THROWS_EXCEPTION(Failure, t.Execute(url, operation, {}, headers));
        QVERIFY(!t.StillExecuting());
    }

    void oneRequestAtATime() {
        ScriptedResponse slow;
        slow.neverAnswer = true;
        m_server->setDefaultResponse(slow);
        InetTransfer t;
        t.Execute(m_server->baseUrl() + "/", "GET");
        QVERIFY_THROWS_EXCEPTION(Failure, t.Execute(m_server->baseUrl() + "/", "GET"));
        QVERIFY(t.StillExecuting());
    }

    void abortIsSilent() {
        ScriptedResponse stall = ScriptedResponse::text(QByteArray(10000, 'y'));
        stall.stallAfterBodyBytes = 10;
        m_server->setDefaultResponse(stall);
        InetTransfer t;
        QSignalSpy states(&t, &InetTransfer::StateChanged);
        QSignalSpy arrived(&t, &InetTransfer::DataArrived);
        t.Execute(m_server->baseUrl() + "/", "GET");
        QTRY_VERIFY(!arrived.isEmpty());
        const qsizetype before = arrived.size();
        t.abort();
        QVERIFY(!t.StillExecuting());
        completeAnother();
        QCOMPARE(states.size(), 0);
        QCOMPARE(arrived.size(), before);
        QVERIFY(t.GetChunk(1024).isEmpty());
    }

    void collectsInPiecesWithEventsBetween() {
        const QByteArray body = ScriptedResponse::patternBytes(10 * 1024 + 17);
        m_server->setDefaultResponse(ScriptedResponse::text(body));
        InetTransfer t;
        QSignalSpy states(&t, &InetTransfer::StateChanged);
        t.Execute(m_server->baseUrl() + "/", "GET");
        QTRY_COMPARE(states.size(), 1);
        int rounds = 0;
        QTimer ticker;  // counts rounds of event processing
        connect(&ticker, &QTimer::timeout, [&] { ++rounds; });
        ticker.start(0);
        const std::optional<QByteArray> got = collectAnswer(&t, [] { return true; });
        QVERIFY(got.has_value());
        QCOMPARE(*got, body);
        QVERIFY2(rounds >= 11, qPrintable(QString::number(rounds)));
    }

    void emptyBodyGivesEmptyAnswer() {
        m_server->setDefaultResponse(ScriptedResponse::text(""));
        InetTransfer t;
        QSignalSpy states(&t, &InetTransfer::StateChanged);
        t.Execute(m_server->baseUrl() + "/", "GET");
        QTRY_COMPARE(states.size(), 1);
        const std::optional<QByteArray> got = collectAnswer(&t, {});
        QVERIFY(got.has_value());
        QVERIFY(got->isEmpty());
    }

    void collectionStopsWhenNoLongerWanted() {
        m_server->setDefaultResponse(ScriptedResponse::text(QByteArray(8000, 'z')));
        auto* t = new InetTransfer;
        QSignalSpy states(t, &InetTransfer::StateChanged);
        t->Execute(m_server->baseUrl() + "/", "GET");
        QTRY_COMPARE(states.size(), 1);
        int asked = 0;
        QVERIFY(!collectAnswer(t, [&] { return ++asked < 3; }).has_value());
        QCOMPARE(asked, 3);

        // The transfer goes away while events run: the loop must notice.
        auto* u = new InetTransfer;
        QSignalSpy ustates(u, &InetTransfer::StateChanged);
        u->Execute(m_server->baseUrl() + "/", "GET");
        QTRY_COMPARE(ustates.size(), 1);
        QTimer::singleShot(0, u, [u] { delete u; });
        QVERIFY(!collectAnswer(u, [] { return true; }).has_value());
        delete t;
    }
};

QTEST_GUILESS_MAIN(TestInetTransfer)
#include "test_inettransfer.moc"
