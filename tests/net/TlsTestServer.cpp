#include "TlsTestServer.h"

#include <QFile>
#include <QProcess>
#include <QSslSocket>
#include <QTcpServer>
#include <QThread>

class TlsListener : public QTcpServer {
public:
    TlsListener(const QSslCertificate& c, const QSslKey& k, QByteArray answer,
                std::atomic<int>* requests)
        : m_certificate(c), m_key(k), m_answer(std::move(answer)), m_requests(requests) {}

protected:
    void incomingConnection(qintptr descriptor) override {
        auto* socket = new QSslSocket(this);
        if (!socket->setSocketDescriptor(descriptor)) {
            delete socket;
            return;
        }
        socket->setLocalCertificate(m_certificate);
        socket->setPrivateKey(m_key);
        auto* received = new QByteArray;
        connect(socket, &QSslSocket::readyRead, socket, [this, socket, received] {
            received->append(socket->readAll());
            if (!received->contains("\r\n\r\n")) return;
            ++*m_requests;
            socket->write(m_answer);
            socket->disconnectFromHost();
        });
        connect(socket, &QSslSocket::disconnected, socket, [socket, received] {
            delete received;
            socket->deleteLater();
        });
        connect(socket, &QSslSocket::errorOccurred, socket, [socket] { socket->abort(); });
        socket->startServerEncryption();
    }

private:
    QSslCertificate m_certificate;
    QSslKey m_key;
    QByteArray m_answer;
    std::atomic<int>* m_requests;
};

TlsTestServer::TlsTestServer(const QSslCertificate& certificate, const QSslKey& key,
                             QByteArray body)
    : m_certificate(certificate), m_key(key), m_body(std::move(body)) {}

TlsTestServer::~TlsTestServer() {
    if (!m_thread) return;
    QMetaObject::invokeMethod(
        m_listener, [l = m_listener] { delete l; }, Qt::BlockingQueuedConnection);
    m_thread->quit();
    m_thread->wait();
    delete m_thread;
}

bool TlsTestServer::start() {
    m_thread = new QThread;
    const QByteArray answer =
        !m_raw.isEmpty()
            ? m_raw
            : "HTTP/1.1 200 OK\r\nContent-Length: " + QByteArray::number(m_body.size()) +
                  "\r\nConnection: close\r\n\r\n" + m_body;
    m_listener = new TlsListener(m_certificate, m_key, answer, &m_requests);
    m_listener->moveToThread(m_thread);
    m_thread->start();
    quint16 port = 0;
    QMetaObject::invokeMethod(
        m_listener,
        [&port, l = m_listener] {
            if (l->listen(QHostAddress::LocalHost, 0)) port = l->serverPort();
        },
        Qt::BlockingQueuedConnection);
    m_port = port;
    return m_port != 0;
}

bool TlsTestServer::makeCertificate(const QString& folder, const QString& name, bool ipAddress,
                                    QSslCertificate* certificate, QSslKey* key) {
    const QString certPath = folder + "/" + name + ".crt";
    const QString keyPath = folder + "/" + name + ".key";
    QProcess openssl;
    openssl.start("openssl",
                  {"req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1",
                   "-nodes", "-days", "2", "-subj", "/CN=" + name, "-addext",
                   QString(ipAddress ? "subjectAltName=IP:" : "subjectAltName=DNS:") + name,
                   "-keyout", keyPath, "-out", certPath});
    if (!openssl.waitForFinished(20000) || openssl.exitCode() != 0) return false;
    QFile c(certPath), k(keyPath);
    if (!c.open(QIODevice::ReadOnly) || !k.open(QIODevice::ReadOnly)) return false;
    *certificate = QSslCertificate(c.readAll(), QSsl::Pem);
    *key = QSslKey(k.readAll(), QSsl::Ec, QSsl::Pem);
    return !certificate->isNull() && !key->isNull();
}
