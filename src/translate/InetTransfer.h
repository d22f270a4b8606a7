#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QNetworkAccessManager;
class QNetworkReply;

// An asynchronous HTTP transfer: one request per Execute, its answer body
// kept in memory and handed out in pieces. Reports through StateChanged on
// the thread that created it: icResponseCompleted when the answer is in
// (whatever its HTTP status), icError when the transfer failed.
class InetTransfer : public QObject {
    Q_OBJECT
public:
    enum State {
        icNone = 0,
        icError = 11,
        icResponseCompleted = 12,
    };

    // Larger answers are cut off and reported as an error.
    static constexpr qint64 kMaxBodySize = 32 * 1024 * 1024;

    explicit InetTransfer(QObject* parent = nullptr);
    ~InetTransfer() override;

    // Starts the request and returns at once. url is sent as given (already
    // percent-encoded); operation is the HTTP method ("GET" when empty); data
    // is the request body; headers holds extra header lines "name:value",
    // separated by line breaks. Throws TransferError when the request cannot
    // be started (bad address, unsupported scheme, malformed header or
    // method, a transfer still running).
    void Execute(const QString& url, const QString& operation, const QByteArray& data = {},
                 const QString& headers = {});

    // The next piece of the answer body, at most size bytes; empty once the
    // body has been handed out (or before the answer is complete).
    QByteArray GetChunk(qint64 size);

    // Ends a running transfer without reporting a state.
    void abort();

    bool StillExecuting() const { return m_reply != nullptr; }
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
    void onMetaData();
    void onReadyRead();
    void onFinished();
    void fail(const QString& reason);
    void dropReply();

    QNetworkAccessManager* m_nam = nullptr;
    QNetworkReply* m_reply = nullptr;
    QByteArray m_body;
    qint64 m_readPos = 0;
    QByteArray m_contentType;
    QString m_errorText;
    int m_httpStatus = 0;
    int m_state = icNone;
};
