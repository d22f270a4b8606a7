#include <QSslConfiguration>
#include <QSslSocket>
#include <QTemporaryDir>
#include <QTest>

#include "TlsTestServer.h"
#include "net/cVeNetWrapper.h"

// Port 443 means HTTPS, and the certificate is checked in full: chain and
// host name.
class TestNetWrapperTls : public QObject {
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

    void port443IsVerifiedHttps_data() {
        QTest::addColumn<int>("which");  // 0 right, 1 wrong name, 2 untrusted
        QTest::addColumn<bool>("accepted");
        QTest::addRow("trusted, matching name") << 0 << true;
        QTest::addRow("trusted, other host name") << 1 << false;
        QTest::addRow("self-signed, not trusted") << 2 << false;
    }
    void port443IsVerifiedHttps() {
        QFETCH(int, which);
        QFETCH(bool, accepted);
        const QSslCertificate& cert = which == 0   ? m_rightCert
                                      : which == 1 ? m_wrongCert
                                                   : m_untrustedCert;
        const QSslKey& key = which == 0 ? m_rightKey : which == 1 ? m_wrongKey : m_untrustedKey;
        TlsTestServer server(cert, key, "secret");
        QVERIFY(server.start());
        cVeNetWrapper net;
        // The address says http: the port argument alone picks TLS.
        const QByteArray got =
            net.Download(QStringLiteral("http://127.0.0.1:%1/x").arg(server.port()), "", 443);
        QCOMPARE(got, accepted ? QByteArray("secret") : QByteArray());
        QCOMPARE(server.requestCount(), accepted ? 1 : 0);
    }
};

QTEST_GUILESS_MAIN(TestNetWrapperTls)
#include "test_netwrapper_tls.moc"
