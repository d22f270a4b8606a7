#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTest>

#include "TestHttpServer.h"

// The loopback server is the ground truth of every network test: check that
// it records and answers the way the other tests assume.
class TestHttpServerSelf : public QObject {
    Q_OBJECT

    QByteArray fetch(QNetworkAccessManager& nam, QNetworkRequest req, const QByteArray& verb,
                     const QByteArray& body, QNetworkReply::NetworkError* err = nullptr) {
        QNetworkReply* r = nam.sendCustomRequest(req, verb, body);
        QEventLoop loop;
        connect(r, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        loop.exec();
        if (err) *err = r->error();
        const QByteArray out = r->readAll();
        r->deleteLater();
        return out;
    }

private slots:
    void recordsAndAnswers() {
        TestHttpServer server;
        QVERIFY(server.start());
        server.setResponse("/a", ScriptedResponse::text("hello"));
        ScriptedResponse chunked = ScriptedResponse::text(ScriptedResponse::patternBytes(5000));
        chunked.chunked = true;
        chunked.chunkSize = 700;
        server.setResponse("/chunked", chunked);
        ScriptedResponse gen;
        gen.generatedBodySize = 3 * 1000 * 1000 + 7;
        server.setResponse("/huge", gen);

        QNetworkAccessManager nam;
        QNetworkRequest req(QUrl(server.baseUrl() + "/a?x=%20y"));
        req.setRawHeader("X-Test", "1");
        QCOMPARE(fetch(nam, req, "GET", {}), QByteArray("hello"));
        QCOMPARE(fetch(nam, QNetworkRequest(QUrl(server.baseUrl() + "/chunked")), "GET", {}),
                 ScriptedResponse::patternBytes(5000));
        QCOMPARE(fetch(nam, QNetworkRequest(QUrl(server.baseUrl() + "/huge")), "GET", {}),
                 ScriptedResponse::patternBytes(3 * 1000 * 1000 + 7));
        QNetworkRequest post(QUrl(server.baseUrl() + "/p"));
        post.setHeader(QNetworkRequest::ContentTypeHeader, "text/plain");
        fetch(nam, post, "POST", "body!");

        const auto reqs = server.requests();
        QCOMPARE(reqs.size(), 4);
        QCOMPARE(reqs[0].method, QByteArray("GET"));
        QCOMPARE(reqs[0].target, QByteArray("/a?x=%20y"));
        QCOMPARE(reqs[0].path(), QByteArray("/a"));
        QCOMPARE(reqs[0].header("x-test"), QByteArray("1"));
        QCOMPARE(reqs[3].method, QByteArray("POST"));
        QCOMPARE(reqs[3].body, QByteArray("body!"));
    }

    void cutOffAnswerIsAnError() {
        TestHttpServer server;
        QVERIFY(server.start());
        ScriptedResponse cut = ScriptedResponse::text(QByteArray(4000, 'x'));
        cut.cutAfterBodyBytes = 100;
        server.setDefaultResponse(cut);
        QNetworkAccessManager nam;
        QNetworkReply::NetworkError err = QNetworkReply::NoError;
        fetch(nam, QNetworkRequest(QUrl(server.baseUrl() + "/")), "GET", {}, &err);
        QVERIFY(err != QNetworkReply::NoError);
    }
};

QTEST_GUILESS_MAIN(TestHttpServerSelf)
#include "test_httpserver.moc"
