#include "TestHttpServer.h"

#include <QDeadlineTimer>
#include <QHostAddress>
#include <QMutexLocker>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>

// ---- RecordedRequest / ScriptedResponse -----------------------------------

QByteArray RecordedRequest::path() const {
    const int q = target.indexOf('?');
    return q < 0 ? target : target.left(q);
}

QByteArray RecordedRequest::query() const {
    const int q = target.indexOf('?');
    return q < 0 ? QByteArray() : target.mid(q + 1);
}

QByteArray RecordedRequest::header(const QByteArray& name) const {
    for (const auto& h : headers)
        if (h.first.compare(name, Qt::CaseInsensitive) == 0) return h.second;
    return QByteArray();
}

bool RecordedRequest::hasHeader(const QByteArray& name) const {
    for (const auto& h : headers)
        if (h.first.compare(name, Qt::CaseInsensitive) == 0) return true;
    return false;
}

ScriptedResponse ScriptedResponse::text(const QByteArray& body, const QByteArray& contentType) {
    ScriptedResponse r;
    r.body = body;
    if (!contentType.isEmpty()) r.headers.emplaceBack("Content-Type", contentType);
    return r;
}

ScriptedResponse ScriptedResponse::withStatus(int status, const QByteArray& body) {
    ScriptedResponse r;
    r.status = status;
    r.reason = status == 200 ? "OK" : status == 404 ? "Not Found" : "Status";
    r.body = body;
    r.headers.emplaceBack("Content-Type", "text/html");
    return r;
}

QByteArray ScriptedResponse::patternBytes(qint64 size) {
    static const QByteArray unit =
        "0123456789abcdefghijklmnopqrstuvwxyz<>ABCDEFGHIJKLMNOPQRSTUVWXYZ\n";
    QByteArray out;
    out.reserve(size);
    while (out.size() + unit.size() <= size) out.append(unit);
    out.append(unit.left(size - out.size()));
    return out;
}

// ---- one connection ---------------------------------------------------------

class HttpConnection : public QObject {
public:
    HttpConnection(QTcpSocket* socket, TestHttpServer* server)
        : QObject(socket), m_socket(socket), m_server(server) {
        connect(socket, &QTcpSocket::readyRead, this, [this] { onReadyRead(); });
        connect(socket, &QTcpSocket::bytesWritten, this, [this] { feed(); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }

private:
    void onReadyRead() {
        m_in.append(m_socket->readAll());
        if (m_done) return;
        if (m_headLength < 0) {
            const int end = m_in.indexOf("\r\n\r\n");
            if (end < 0) return;
            m_headLength = end + 4;
            parseHead(m_in.left(end));
        }
        if (m_in.size() - m_headLength < m_contentLength) return;
        m_req.body = m_in.mid(m_headLength, static_cast<int>(m_contentLength));
        m_done = true;
        m_server->record(m_req);
        m_resp = m_server->responseFor(m_req);
        if (m_resp.neverAnswer) return;
        if (m_resp.closeWithoutAnswer) return m_socket->disconnectFromHost();
        if (m_resp.delayMs > 0)
            QTimer::singleShot(m_resp.delayMs, this, [this] { begin(); });
        else
            begin();
    }

    void parseHead(const QByteArray& head) {
        m_req.rawHead = head;
        const QList<QByteArray> lines = head.split('\n');
        const QByteArray first = lines.value(0).trimmed();
        const QList<QByteArray> parts = first.split(' ');
        m_req.method = parts.value(0);
        m_req.target = parts.value(1);
        m_req.version = parts.value(2);
        for (int i = 1; i < lines.size(); ++i) {
            QByteArray l = lines[i];
            if (l.endsWith('\r')) l.chop(1);
            const int c = l.indexOf(':');
            if (c <= 0) continue;
            m_req.headers.emplaceBack(l.left(c), l.mid(c + 1).trimmed());
        }
        bool ok = false;
        const qint64 len = m_req.header("Content-Length").toLongLong(&ok);
        m_contentLength = ok && len > 0 ? len : 0;
    }

    void begin() {
        m_total = m_resp.generatedBodySize >= 0 ? m_resp.generatedBodySize : m_resp.body.size();
        m_limit = m_total;
        if (m_resp.cutAfterBodyBytes >= 0) m_limit = qMin(m_limit, m_resp.cutAfterBodyBytes);
        if (m_resp.stallAfterBodyBytes >= 0) m_limit = qMin(m_limit, m_resp.stallAfterBodyBytes);
        if (m_resp.generatedBodySize >= 0)
            m_pattern = ScriptedResponse::patternBytes(65 * 1008);  // whole units of the pattern

        QByteArray head =
            "HTTP/1.1 " + QByteArray::number(m_resp.status) + ' ' + m_resp.reason + "\r\n";
        for (const auto& h : m_resp.headers) head += h.first + ": " + h.second + "\r\n";
        if (m_resp.chunked)
            head += "Transfer-Encoding: chunked\r\n";
        else if (!m_resp.omitContentLength)
            head += "Content-Length: " + QByteArray::number(m_total) + "\r\n";
        head += "Connection: close\r\n\r\n";
        m_socket->write(head);
        m_started = true;
        feed();
    }

    QByteArray bodySlice(qint64 from, qint64 n) const {
        if (m_resp.generatedBodySize < 0) return m_resp.body.mid(from, n);
        QByteArray out;
        out.reserve(n);
        const qint64 p = m_pattern.size();
        while (n > 0) {
            const qint64 off = from % p;
            const qint64 take = qMin(n, p - off);
            out.append(m_pattern.constData() + off, take);
            from += take;
            n -= take;
        }
        return out;
    }

    void feed() {
        if (!m_started || m_finished || m_pausing) return;
        // Keep a bounded amount queued so huge bodies never sit in memory.
        while (m_socket->bytesToWrite() < (1 << 18) && m_sent < m_limit) {
            const bool paced = m_resp.pieceDelayMs > 0;
            const qint64 step = m_resp.chunked || paced ? qMax(1, m_resp.chunkSize) : (1 << 16);
            const qint64 n = qMin(step, m_limit - m_sent);
            const QByteArray piece = bodySlice(m_sent, n);
            if (m_resp.chunked)
                m_socket->write(QByteArray::number(piece.size(), 16) + "\r\n" + piece + "\r\n");
            else
                m_socket->write(piece);
            m_sent += n;
            if (paced && m_sent < m_limit) {
                m_pausing = true;
                QTimer::singleShot(m_resp.pieceDelayMs, this, [this] {
                    m_pausing = false;
                    feed();
                });
                return;
            }
        }
        if (m_sent < m_limit) return;
        if (m_resp.stallAfterBodyBytes >= 0 && m_sent < m_total) {
            m_finished = true;  // go silent, keep the connection open
            return;
        }
        if (m_resp.chunked && m_sent >= m_total) m_socket->write("0\r\n\r\n");
        m_finished = true;
        m_socket->disconnectFromHost();
    }

    QTcpSocket* m_socket;
    TestHttpServer* m_server;
    QByteArray m_in;
    int m_headLength = -1;
    qint64 m_contentLength = 0;
    bool m_done = false;
    RecordedRequest m_req;
    ScriptedResponse m_resp;
    QByteArray m_pattern;
    qint64 m_total = 0, m_limit = 0, m_sent = 0;
    bool m_started = false, m_finished = false, m_pausing = false;
};

// ---- the listening worker ----------------------------------------------------

class HttpServerWorker : public QObject {
public:
    explicit HttpServerWorker(TestHttpServer* server) : m_server(server) {}

    quint16 listen() {
        m_tcp = new QTcpServer(this);
        if (!m_tcp->listen(QHostAddress::LocalHost, 0)) return 0;
        connect(m_tcp, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* s = m_tcp->nextPendingConnection()) new HttpConnection(s, m_server);
        });
        return m_tcp->serverPort();
    }

private:
    TestHttpServer* m_server;
    QTcpServer* m_tcp = nullptr;
};

// ---- TestHttpServer -------------------------------------------------------------

TestHttpServer::TestHttpServer() = default;

TestHttpServer::~TestHttpServer() {
    if (m_thread) {
        QMetaObject::invokeMethod(
            m_worker, [w = m_worker] { delete w; }, Qt::BlockingQueuedConnection);
        m_thread->quit();
        m_thread->wait();
        delete m_thread;
    }
}

bool TestHttpServer::start() {
    if (m_thread) return m_port != 0;
    m_thread = new QThread;
    m_thread->setObjectName(QStringLiteral("TestHttpServer"));
    m_worker = new HttpServerWorker(this);
    m_worker->moveToThread(m_thread);
    m_thread->start();
    quint16 port = 0;
    QMetaObject::invokeMethod(
        m_worker, [&port, w = m_worker] { port = w->listen(); }, Qt::BlockingQueuedConnection);
    m_port = port;
    return m_port != 0;
}

quint16 TestHttpServer::port() const {
    return m_port;
}

QString TestHttpServer::hostPort() const {
    return QStringLiteral("127.0.0.1:%1").arg(m_port);
}

QString TestHttpServer::baseUrl() const {
    return QStringLiteral("http://") + hostPort();
}

void TestHttpServer::setDefaultResponse(const ScriptedResponse& r) {
    QMutexLocker l(&m_mutex);
    m_default = r;
}

void TestHttpServer::setResponse(const QByteArray& path, const ScriptedResponse& r) {
    QMutexLocker l(&m_mutex);
    for (auto& p : m_byPath)
        if (p.first == path) {
            p.second = r;
            return;
        }
    m_byPath.emplaceBack(path, r);
}

void TestHttpServer::setHandler(Handler h) {
    QMutexLocker l(&m_mutex);
    m_handler = std::move(h);
}

QList<RecordedRequest> TestHttpServer::requests() const {
    QMutexLocker l(&m_mutex);
    return m_requests;
}

int TestHttpServer::requestCount() const {
    QMutexLocker l(&m_mutex);
    return static_cast<int>(m_requests.size());
}

RecordedRequest TestHttpServer::lastRequest() const {
    QMutexLocker l(&m_mutex);
    return m_requests.isEmpty() ? RecordedRequest() : m_requests.last();
}

bool TestHttpServer::waitForRequests(int n, int timeoutMs) const {
    QMutexLocker l(&m_mutex);
    QDeadlineTimer deadline(timeoutMs);
    while (m_requests.size() < n)
        if (!m_arrived.wait(&m_mutex, deadline)) return m_requests.size() >= n;
    return true;
}

void TestHttpServer::clearRequests() {
    QMutexLocker l(&m_mutex);
    m_requests.clear();
}

ScriptedResponse TestHttpServer::responseFor(const RecordedRequest& req) {
    Handler h;
    {
        QMutexLocker l(&m_mutex);
        for (const auto& p : m_byPath)
            if (p.first == req.path()) return p.second;
        h = m_handler;
        if (!h) return m_default;
    }
    return h(req);
}

void TestHttpServer::record(const RecordedRequest& req) {
    QMutexLocker l(&m_mutex);
    m_requests.append(req);
    m_arrived.wakeAll();
}
