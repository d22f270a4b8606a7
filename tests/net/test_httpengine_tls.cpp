#include <QSslConfiguration>
#include <QSslSocket>
#include <QTemporaryDir>
#include <QTest>

#include "TestHttpServer.h"
#include "TlsTestServer.h"
#include "net/HttpEngine.h"

// https: the certificate is checked in full, chain and host name.
class TestHttpEngineTls : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QSslCertificate m_rightCert, m_wrongCert, m_untrustedCert;
    QSslKey m_rightKey, m_wrongKey, m_untrustedKey;

private slots:
    void initTestCase() {
        if (!QSslSocket::supportsSsl()) QSKIP("no TLS backend");
        if (!TlsTestServer::makeCertificate(m_dir.path(), "127.0.0.1", true, &m_rightCert,
                                            &m_rightKey) ||
            !TlsTestServer::makeCertificate(m_dir.path(), "wrong.example", false, &m_wrongCert,
                                            &m_wrongKey) ||
            !TlsTestServer::makeCertificate(m_dir.path(), "127.0.0.1", true, &m_untrustedCert,
                                            &m_untrustedKey))
            QSKIP("the openssl tool could not make test certificates");
        // Trust the first two as if a real authority had signed them.
        QSslConfiguration config = QSslConfiguration::defaultConfiguration();
        config.addCaCertificate(m_rightCert);
        config.addCaCertificate(m_wrongCert);
        QSslConfiguration::setDefaultConfiguration(config);
    }

    void httpsIsVerifiedInFull_data() {
        QTest::addColumn<int>("which");  // 0 right, 1 wrong name, 2 untrusted
        QTest::addColumn<bool>("accepted");
        QTest::addRow("trusted, matching name") << 0 << true;
        QTest::addRow("trusted, other host name") << 1 << false;
        QTest::addRow("self-signed, not trusted") << 2 << false;
    }
    void httpsIsVerifiedInFull() {
        QFETCH(int, which);
        QFETCH(bool, accepted);
        const QSslCertificate& cert = which == 0   ? m_rightCert
                                      : which == 1 ? m_wrongCert
                                                   : m_untrustedCert;
        const QSslKey& key = which == 0 ? m_rightKey : which == 1 ? m_wrongKey : m_untrustedKey;
        TlsTestServer server(cert, key, "secret");
        QVERIFY(server.start());
        HttpRequest r;
        r.address = QStringLiteral("https://127.0.0.1:%1/x").arg(server.port());
        const HttpResult got = QCoro::waitFor(HttpEngine::forThread().fetch(r));
        QCOMPARE(got.error, accepted ? HttpResult::Error::None : HttpResult::Error::Tls);
        QCOMPARE(got.body, accepted ? QByteArray("secret") : QByteArray());
        QCOMPARE(server.requestCount(), accepted ? 1 : 0);
    }

    // Once on https, a redirect never leads back to plain http: neither
    // straight away nor after a chain that started on http. The http server
    // is never asked.
    void redirectsNeverLeaveHttps_data() {
        QTest::addColumn<bool>("startOnHttp");
        QTest::addRow("https to http") << false;
        QTest::addRow("http to https to http") << true;
    }
    void redirectsNeverLeaveHttps() {
        QFETCH(bool, startOnHttp);
        TestHttpServer plain;
        QVERIFY(plain.start());
        TlsTestServer secure(m_rightCert, m_rightKey, "");
        secure.setRawAnswer("HTTP/1.1 302 Found\r\nLocation: " + plain.baseUrl().toLatin1() +
                            "/end\r\nContent-Length: 0\r\n\r\n");
        QVERIFY(secure.start());
        const QString https = QStringLiteral("https://127.0.0.1:%1/x").arg(secure.port());
        ScriptedResponse toHttps = ScriptedResponse::withStatus(302);
        toHttps.headers.emplaceBack("Location", https.toLatin1());
        plain.setResponse("/start", toHttps);
        HttpRequest r;
        r.address = startOnHttp ? plain.baseUrl() + "/start" : https;
        const HttpResult got = QCoro::waitFor(HttpEngine::forThread().fetch(r));
        QCOMPARE(got.error, HttpResult::Error::Redirect);
        QCOMPARE(secure.requestCount(), 1);
        QCOMPARE(plain.requestCount(), startOnHttp ? 1 : 0);
    }
};

QTEST_GUILESS_MAIN(TestHttpEngineTls)
#include "test_httpengine_tls.moc"
