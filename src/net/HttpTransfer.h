#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>

#include "net/HttpAddress.h"
#include "net/HttpMessage.h"

class HttpEngine;
class QTcpSocket;

// One request and its answer (following redirects), made by HttpEngine.
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

    // Waits in a local event loop until the transfer is over. When that loop
    // is ended from outside (the application quits), the transfer is aborted.
    HttpResult wait(QEventLoop::ProcessEventsFlags flags = QEventLoop::AllEvents);

signals:
    // Some of the answer has arrived.
    void progress();
    // The result is final; emitted once, never after abort().
    void finished();

private:
    friend class HttpEngine;
    enum class Phase { Idle, Connecting, Head, Body, Done };
    enum class Framing { None, Length, Chunked, Close };
    enum class ChunkState { Size, Data, DataEnd, Trailer };

    HttpTransfer(HttpEngine& engine, HttpRequest request);
    bool prepare(const QString& address);
    void connectNow();
    void sendRequest();
    void onReadyRead();
    void onSocketError();
    void onClosed();
    bool readIncoming();
    bool parseHead();
    bool takeBody(const char* data, qint64 n);
    bool readChunks();
    void complete();
    void fail(HttpResult::Error error, const QString& text);
    void failTooLarge();
    void finish();
    // Ends the transfer where it stands: timers, socket, a blocked wait.
    void stop();
    void dropSocket();
    void touch() { m_lastActivity.restart(); }
    void onStallCheck();

    HttpEngine& m_engine;
    HttpRequest m_request;
    HttpAddress m_address;
    QByteArray m_method;
    QByteArray m_head;  // the request line and headers as they go out
    int m_redirects = 0;

    QTcpSocket* m_socket = nullptr;
    Phase m_phase = Phase::Idle;
    Framing m_framing = Framing::None;
    ChunkState m_chunkState = ChunkState::Size;
    qint64 m_remaining = 0;  // of a Length body, or of the current chunk
    QByteArray m_in;         // bytes not yet parsed (head, chunk framing)
    qint64 m_inPos = 0;
    bool m_anyAnswer = false;

    HttpResult m_result;
    bool m_running = false;
    QTimer m_stall;
    QTimer m_overall;
    QElapsedTimer m_lastActivity;
    QPointer<QEventLoop> m_waitLoop;
};

// Owner of a transfer: aborts it and deletes it safely, also from inside one
// of its own signals.
struct HttpTransferDeleter {
    void operator()(HttpTransfer* t) const;
};
using HttpTransferPtr = std::unique_ptr<HttpTransfer, HttpTransferDeleter>;
