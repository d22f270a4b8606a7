#include <QSslConfiguration>
#include <QSslSocket>
#include <QTemporaryDir>
#include <QTest>

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
        const HttpResult got = HttpEngine::forThread().fetch(r);
        QCOMPARE(got.error, accepted ? HttpResult::Error::None : HttpResult::Error::Tls);
        QCOMPARE(got.body, accepted ? QByteArray("secret") : QByteArray());
        QCOMPARE(server.requestCount(), accepted ? 1 : 0);
    }
};

QTEST_GUILESS_MAIN(TestHttpEngineTls)
#include "test_httpengine_tls.moc"
