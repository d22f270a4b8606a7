#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include "net/HttpLimits.h"
#include "net/HttpTransfer.h"

// An asynchronous HTTP transfer over HttpEngine: one request per Execute,
// its answer body kept in memory and handed out in pieces. Reports through
// StateChanged on the thread that created it: icResponseCompleted when the
// whole answer is in (whatever its HTTP status), icError when the transfer
// failed, was cut short, stalled or ran past the overall bound.
class InetTransfer : public QObject {
    Q_OBJECT
public:
    enum State {
        icNone = 0,
        icError = 11,
        icResponseCompleted = 12,
    };

    // Larger answers are cut off and reported as an error.
    static constexpr qint64 kMaxBodySize = HttpLimits::translationMaxBody;

    explicit InetTransfer(QObject* parent = nullptr);
    ~InetTransfer() override;

    // Starts the request and returns at once. url goes out exactly as built
    // (existing %XX kept, see HttpRequest::address); operation is the HTTP method ("GET" when
    // empty); data is the request body; headers holds extra header lines "name:value", separated by
    // line breaks. Throws Failure when the request cannot be started (bad address,
    // unsupported scheme, malformed header or method, a transfer still running).
    void Execute(const QString& url, const QString& operation, const QByteArray& data = {},
                 const QString& headers = {});

    // The next piece of the answer body, at most size bytes; empty once the
    // body has been handed out (or before the answer is complete).
    QByteArray GetChunk(qint64 size);

    // Ends a running transfer at once: no StateChanged or DataArrived of it
    // comes afterwards, and the state is back to icNone. Does nothing when
    // no transfer runs.
    void abort();

    bool StillExecuting() const { return m_transfer != nullptr; }
    int state() const { return m_state; }
    // The reason of the last icError.
    QString errorText() const { return m_errorText; }
    // The Content-Type of the answer, for decoding its text.
    QByteArray contentType() const { return m_contentType; }
    int httpStatus() const { return m_httpStatus; }

signals:
    void StateChanged(int State);
    // Some of the answer has arrived: the transfer is alive.
    void DataArrived();

private:
    void onFinished();

    HttpTransferPtr m_transfer;
    QByteArray m_body;
    qint64 m_readPos = 0;
    QByteArray m_contentType;
    QString m_errorText;
    int m_httpStatus = 0;
    int m_state = icNone;
};
