#pragma once

#include <QByteArray>
#include <QSslCertificate>
#include <QSslKey>
#include <QString>
#include <atomic>

class QThread;
class TlsListener;

// A minimal HTTPS server on 127.0.0.1 in a thread of its own: answers every
// request with the same body and counts the requests that got through the
// handshake.
class TlsTestServer {
public:
    TlsTestServer(const QSslCertificate& certificate, const QSslKey& key, QByteArray body);
    ~TlsTestServer();
    TlsTestServer(const TlsTestServer&) = delete;
    TlsTestServer& operator=(const TlsTestServer&) = delete;

    // Answers with these bytes instead of a 200 with the body (set before
    // start()).
    void setRawAnswer(const QByteArray& answer) { m_raw = answer; }

    bool start();
    quint16 port() const { return m_port; }
    int requestCount() const { return m_requests.load(); }

    // A self-signed certificate and key for the name, made with the openssl
    // tool; false when the tool is not there or fails.
    static bool makeCertificate(const QString& folder, const QString& name, bool ipAddress,
                                QSslCertificate* certificate, QSslKey* key);

private:
    QSslCertificate m_certificate;
    QSslKey m_key;
    QByteArray m_body;
    QByteArray m_raw;
    QThread* m_thread = nullptr;
    TlsListener* m_listener = nullptr;
    quint16 m_port = 0;
    std::atomic<int> m_requests{0};
};
