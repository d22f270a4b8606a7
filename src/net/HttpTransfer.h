#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <memory>

#include "net/HttpAddress.h"
#include "net/HttpAnswerHead.h"
#include "net/HttpMessage.h"

class HttpEngine;
struct curl_slist;

// One request and its answer (following redirects), made by HttpEngine over
// one libcurl easy handle.
class HttpTransfer : public QObject {
    Q_OBJECT
public:
    ~HttpTransfer() override;

    bool isRunning() const { return m_running; }
    const HttpResult& result() const { return m_result; }
    HttpResult takeResult() { return std::move(m_result); }

    // Ends the transfer now: the connection is dropped, the result says
    // Aborted, and no signal of this transfer comes after this call.
    void abort();

signals:
    // Some of the answer has arrived.
    void progress();
    // The result is final; emitted once, never after abort().
    void finished();
    // The transfer is over, finished or aborted: what a coroutine awaits
    // (HttpEngine::fetch). Emitted once, right before finished() or from
    // abort().
    void ended();

private:
    friend class HttpEngine;
    friend class CurlDriver;

    HttpTransfer(HttpEngine& engine, HttpRequest request);
    bool prepare();
    bool setUp(const QByteArray& url);
    void begin();

    // libcurl's callbacks (on this thread, inside the engine's calls into
    // libcurl); a short count or a non-zero answer ends the transfer.
    static size_t onHeader(char* data, size_t size, size_t count, void* self);
    static size_t onBody(char* data, size_t size, size_t count, void* self);
    static int beforeRequest(void* self, char* remoteIp, char* localIp, int remotePort,
                             int localPort);
    bool takeHeaderLine(QByteArrayView line);
    bool takeBody(const char* data, size_t n);
    void noteProgress();

    // From the engine: activity on one of the transfer's sockets, and the end.
    void touch() { m_lastActivity.restart(); }
    void done(int curlCode);

    void refuse(HttpResult::Error error, const QString& text);
    void fail(HttpResult::Error error, const QString& text);
    void finish();
    // Ends the transfer where it stands: timers, the easy handle.
    void stop();
    void onStallCheck();

    HttpEngine& m_engine;
    HttpRequest m_request;
    bool m_secure = false;
    QByteArray m_hostHeader;  // "host[:port]", for messages

    void* m_easy = nullptr;
    curl_slist* m_headerList = nullptr;
    std::unique_ptr<char[]> m_curlError;

    // The answer as it comes in.
    HttpAnswerHead m_head;
    bool m_anyAnswer = false;
    bool m_lastHopSecure = false;
    // Set by a callback that ends the transfer for a reason of ours.
    HttpResult::Error m_refusal = HttpResult::Error::None;
    QString m_refusalText;
    bool m_progressQueued = false;
    qint64 m_received = 0;  // body bytes of the final answer

    HttpResult m_result;
    bool m_running = false;
    QTimer m_stall;
    QTimer m_overall;
    QElapsedTimer m_lastActivity;
};

// Owner of a transfer: aborts it and deletes it safely, also from inside one
// of its own signals.
struct HttpTransferDeleter {
    void operator()(HttpTransfer* t) const;
};
using HttpTransferPtr = std::unique_ptr<HttpTransfer, HttpTransferDeleter>;
