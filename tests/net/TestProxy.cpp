#include "TestProxy.h"

#include <QMutexLocker>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

namespace {

// "host:port" of a request, as the proxy connects to it.
bool splitAuthority(const QByteArray& authority, QByteArray* host, quint16* port) {
    const qsizetype colon = authority.lastIndexOf(':');
    *host = colon < 0 ? authority : authority.left(colon);
    bool ok = colon < 0;
    *port = colon < 0 ? 80 : authority.mid(colon + 1).toUShort(&ok);
    return ok && (host->endsWith(".invalid") || *host == "127.0.0.1");
}

}  // namespace

// One client connection and, once the request is read, its way on.
class ProxyTunnel : public QObject {
public:
    ProxyTunnel(QTcpSocket* client, TestProxy* proxy) : QObject(client), m_client(client) {
        m_proxy = proxy;
        connect(client, &QTcpSocket::readyRead, this, [this] { fromClient(); });
        connect(client, &QTcpSocket::disconnected, this, [this] {
            if (m_upstream) m_upstream->disconnectFromHost();
            m_client->deleteLater();
        });
    }

private:
    void fromClient() {
        m_in += m_client->readAll();
        if (m_upstream) {
            if (m_open) {
                m_upstream->write(m_in);
                m_in.clear();
            }
            return;
        }
        const qsizetype end = m_in.indexOf("\r\n\r\n");
        if (end < 0) return;
        const QByteArray head = m_in.left(end + 4);
        m_in.remove(0, end + 4);
        m_proxy->record(head);

        QList<QByteArray> lines = head.left(end).split('\n');
        for (QByteArray& l : lines) l = l.trimmed();
        const QList<QByteArray> request = lines.takeFirst().split(' ');
        const QByteArray method = request.value(0);
        const QByteArray target = request.value(1);
        const QByteArray wanted = m_proxy->credentials();
        if (!wanted.isEmpty() && !lines.contains("Proxy-Authorization: Basic " + wanted.toBase64()))
            return refuse("407 Proxy Authentication Required",
                          "Proxy-Authenticate: Basic realm=\"test\"\r\n");

        QByteArray authority;
        QByteArray onward;  // what goes to the server first
        if (method == "CONNECT") {
            authority = target;
        } else if (target.startsWith("http://")) {
            const qsizetype slash = target.indexOf('/', 7);
            authority = target.mid(7, slash < 0 ? -1 : slash - 7);
            onward = method + ' ' + (slash < 0 ? QByteArray("/") : target.mid(slash)) + ' ' +
                     request.value(2) + "\r\n";
            for (const QByteArray& l : std::as_const(lines))
                if (!l.startsWith("Proxy-Authorization:")) onward += l + "\r\n";
            onward += "\r\n";
        } else {
            return refuse("400 Bad Request", "");
        }
        QByteArray host;
        quint16 port = 0;
        if (!splitAuthority(authority, &host, &port)) return refuse("502 Bad Gateway", "");

        m_upstream = new QTcpSocket(this);
        connect(m_upstream, &QTcpSocket::connected, this, [this, method, onward] {
            if (method == "CONNECT") m_client->write("HTTP/1.1 200 Connection established\r\n\r\n");
            m_upstream->write(onward + m_in);
            m_in.clear();
            m_open = true;
        });
        connect(m_upstream, &QTcpSocket::readyRead, this,
                [this] { m_client->write(m_upstream->readAll()); });
        connect(m_upstream, &QTcpSocket::disconnected, this, [this] {
            m_client->write(m_upstream->readAll());
            m_client->disconnectFromHost();
        });
        connect(m_upstream, &QTcpSocket::errorOccurred, this, [this] {
            if (m_upstream->state() != QAbstractSocket::ConnectedState)
                refuse("502 Bad Gateway", "");
        });
        m_upstream->connectToHost(QHostAddress::LocalHost, port);
    }

    void refuse(const QByteArray& status, const QByteArray& headers) {
        m_client->write("HTTP/1.1 " + status + "\r\n" + headers +
                        "Content-Length: 0\r\nConnection: close\r\n\r\n");
        m_client->disconnectFromHost();
    }

    QTcpSocket* m_client;
    TestProxy* m_proxy;
    QPointer<QTcpSocket> m_upstream;
    QByteArray m_in;
    bool m_open = false;
};

class ProxyListener : public QTcpServer {
public:
    explicit ProxyListener(TestProxy* proxy) : m_proxy(proxy) {
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* s = nextPendingConnection()) new ProxyTunnel(s, m_proxy);
        });
    }

private:
    TestProxy* m_proxy;
};

TestProxy::TestProxy() = default;

TestProxy::~TestProxy() {
    if (!m_thread) return;
    QMetaObject::invokeMethod(
        m_listener, [l = m_listener] { delete l; }, Qt::BlockingQueuedConnection);
    m_thread->quit();
    m_thread->wait();
    delete m_thread;
}

bool TestProxy::start() {
    m_thread = new QThread;
    m_listener = new ProxyListener(this);
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

QString TestProxy::address(const QString& credentials) const {
    const QString userInfo = credentials.isEmpty() ? QString() : credentials + '@';
    return QStringLiteral("http://") + userInfo + QStringLiteral("127.0.0.1:") +
           QString::number(m_port);
}

void TestProxy::requireCredentials(const QByteArray& userAndPassword) {
    QMutexLocker l(&m_mutex);
    m_credentials = userAndPassword;
}

QByteArray TestProxy::credentials() const {
    QMutexLocker l(&m_mutex);
    return m_credentials;
}

QList<QByteArray> TestProxy::heads() const {
    QMutexLocker l(&m_mutex);
    return m_heads;
}

void TestProxy::clear() {
    QMutexLocker l(&m_mutex);
    m_heads.clear();
}

void TestProxy::record(const QByteArray& head) {
    QMutexLocker l(&m_mutex);
    m_heads.append(head);
}
