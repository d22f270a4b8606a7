#pragma once

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QPair>
#include <QString>
#include <QWaitCondition>
#include <functional>
#include <memory>

class QThread;
class HttpServerWorker;

using HeaderList = QList<QPair<QByteArray, QByteArray>>;

// One request as it reached the server.
struct RecordedRequest {
    QByteArray method;   // as sent, e.g. "GET"
    QByteArray target;   // the raw request target, e.g. "/t?q=a%20b"
    QByteArray version;  // e.g. "HTTP/1.1"
    HeaderList headers;  // in order, names as sent
    QByteArray body;
    QByteArray rawHead;  // request line and header lines exactly as received

    QByteArray path() const;   // target up to '?'
    QByteArray query() const;  // after '?', or empty
    // First header of that name (case-insensitive), or a null array.
    QByteArray header(const QByteArray& name) const;
    bool hasHeader(const QByteArray& name) const;
};

// What the server answers. Defaults: 200 OK, empty body, Content-Length set.
struct ScriptedResponse {
    int status = 200;
    QByteArray reason = "OK";
    HeaderList headers;  // extra headers (Content-Length/Transfer-Encoding are added)
    QByteArray body;
    qint64 generatedBodySize = -1;    // >= 0: send this many bytes of a repeating
                                      // pattern instead of body (huge answers)
    bool chunked = false;             // Transfer-Encoding: chunked
    int chunkSize = 1000;             // size of each chunk when chunked
    int pieceDelayMs = 0;             // > 0: send the body a piece (chunkSize bytes)
                                      // at a time, this long apart (a slow server)
    int delayMs = 0;                  // wait this long before answering
    bool neverAnswer = false;         // read the request, then hold the socket silently
    bool closeWithoutAnswer = false;  // read the request, then close the connection
    qint64 cutAfterBodyBytes = -1;    // >= 0: close the connection after this many
                                      // body bytes although more were announced
    qint64 stallAfterBodyBytes = -1;  // >= 0: send this many body bytes, then go
                                      // silent with the connection open
    bool omitContentLength = false;   // end the body by closing the connection

    static ScriptedResponse text(const QByteArray& body,
                                 const QByteArray& contentType = "text/html; charset=utf-8");
    static ScriptedResponse withStatus(int status, const QByteArray& body = QByteArray());
    // The repeating pattern used for generated bodies, for comparisons.
    static QByteArray patternBytes(qint64 size);
};

// A real HTTP/1.1 server on 127.0.0.1 with an ephemeral port, in a thread of
// its own, so that clients that block their own thread still get answers.
// Every response closes its connection.
class TestHttpServer {
public:
    using Handler = std::function<ScriptedResponse(const RecordedRequest&)>;

    TestHttpServer();
    ~TestHttpServer();
    TestHttpServer(const TestHttpServer&) = delete;
    TestHttpServer& operator=(const TestHttpServer&) = delete;

    bool start();  // listen; false when it cannot
    quint16 port() const;
    QString hostPort() const;  // "127.0.0.1:PORT"
    QString baseUrl() const;   // "http://127.0.0.1:PORT"

    // Answers chosen by path (target without the query), else the handler,
    // else the default response.
    void setDefaultResponse(const ScriptedResponse& r);
    void setResponse(const QByteArray& path, const ScriptedResponse& r);
    void setHandler(Handler h);

    QList<RecordedRequest> requests() const;
    int requestCount() const;
    RecordedRequest lastRequest() const;
    // Waits (without spinning the caller's event loop) until n requests are in.
    bool waitForRequests(int n, int timeoutMs = 5000) const;
    void clearRequests();

    // Used by the worker thread.
    ScriptedResponse responseFor(const RecordedRequest& req);
    void record(const RecordedRequest& req);

private:
    mutable QMutex m_mutex;
    mutable QWaitCondition m_arrived;
    QList<RecordedRequest> m_requests;
    ScriptedResponse m_default;
    QList<QPair<QByteArray, ScriptedResponse>> m_byPath;
    Handler m_handler;
    QThread* m_thread = nullptr;
    HttpServerWorker* m_worker = nullptr;
    quint16 m_port = 0;
};
