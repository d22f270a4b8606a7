#pragma once

#include <QByteArray>
#include <QCoro/QCoroTask>
#include <QString>
#include <chrono>
#include <functional>
#include <optional>

#include "net/HttpLimits.h"
#include "net/HttpMessage.h"

class HttpTransfer;

// An HTTP downloader: Download() is a job that ends when the whole body is
// in; the caller co_awaits it, so the window stays responsive meanwhile. One
// instance serves one Hear It command and must outlive its jobs. A thin
// adapter over HttpEngine.
class cVeNetWrapper {
public:
    static constexpr int errorNumber = 11;
    static constexpr std::chrono::milliseconds defaultStallTimeout = HttpLimits::stallTimeout;
    static constexpr qint64 defaultMaximumBodySize = HttpLimits::downloadMaxBody;

    cVeNetWrapper();
    ~cVeNetWrapper();
    cVeNetWrapper(const cVeNetWrapper&) = delete;
    cVeNetWrapper& operator=(const cVeNetWrapper&) = delete;

    // Credentials take part in every request; the proxy values are only kept.
    QString Username() const { return m_username; }
    void setUsername(const QString& strUsername) { m_username = strUsername; }
    QString Password() const { return m_password; }
    void setPassword(const QString& strPassword) { m_password = strPassword; }
    qint16 ProxyPort() const { return m_proxyPort; }
    void setProxyPort(qint16 intProxyPort) { m_proxyPort = intProxyPort; }
    QString ProxyServer() const { return m_proxyServer; }
    void setProxyServer(const QString& strProxyServer) { m_proxyServer = strProxyServer; }
    QString ProxyUser() const { return m_proxyUser; }
    void setProxyUser(const QString& strProxyUserName) { m_proxyUser = strProxyUserName; }
    QString ProxyPassword() const { return m_proxyPassword; }
    void setProxyPassword(const QString& strProxyPassword) { m_proxyPassword = strProxyPassword; }

    // Fetches the address and returns the body exactly as received, whatever
    // the HTTP status. GET when strPostData is empty, else a form POST of it.
    // Port 443 means HTTPS with full certificate checks, any other port plain
    // HTTP past every cache. Throws DownloadError (number 11) when the host
    // cannot be cut out of the address, the port does not fit 16 bits, and
    // whenever the whole body did not arrive: the host cannot be reached,
    // the connection fails or ends early (fewer bytes than announced), the
    // server goes silent for the stall time-out, the transfer runs past the
    // overall bound, the body grows past the maximum size, or Cancel() is
    // called. The error comes out of the co_await.
    QCoro::Task<QByteArray> Download(QString strUrl, QString strPostData, qint32 lngPort);
    // The same, with the body handed to sink as it arrives (nothing comes
    // back); a sink that returns false ends it with error 11. What the sink
    // took is whole only when no error is raised.
    QCoro::Task<QByteArray> DownloadInto(QString strUrl, QString strPostData, qint32 lngPort,
                                         std::function<bool(QByteArrayView)> sink);

    // The request Download sends for these arguments, with this instance's
    // credentials and limits, for a caller that starts it on the engine
    // itself and waits for no one. Nothing when the host cannot be cut out
    // or the port does not fit (Download raises then).
    std::optional<HttpRequest> request(const QString& strUrl, const QString& strPostData,
                                       qint32 lngPort) const;

    // Breaks off a Download that is running (its co_await raises error 11)
    // and makes every later one raise it at once.
    // Safe to call from any event handler on the downloading thread (Escape,
    // closing the window); nothing of the broken-off transfer arrives later.
    void Cancel();

    // Limits that keep a bad server from hanging or flooding the program.
    void setStallTimeout(std::chrono::milliseconds timeout) { m_stallTimeout = timeout; }
    std::chrono::milliseconds stallTimeout() const { return m_stallTimeout; }
    void setMaximumBodySize(qint64 bytes) { m_maximumBodySize = bytes; }
    qint64 maximumBodySize() const { return m_maximumBodySize; }
    void setOverallBound(std::chrono::milliseconds bound) { m_overallBound = bound; }
    std::chrono::milliseconds overallBound() const { return m_overallBound; }

    static constexpr const char* userAgent =
        "Mozilla/4.0 (compatible; MSIE 5.0; Windows NT; DigExt)";

private:
    [[noreturn]] static void raiseDownloadError();

    QString m_username;
    QString m_password;
    qint16 m_proxyPort = 0;
    QString m_proxyServer;
    QString m_proxyUser;
    QString m_proxyPassword;
    std::chrono::milliseconds m_stallTimeout = defaultStallTimeout;
    qint64 m_maximumBodySize = defaultMaximumBodySize;
    std::chrono::milliseconds m_overallBound = HttpLimits::overallBound;
    bool m_cancelled = false;
    HttpTransfer* m_running = nullptr;  // set while a Download is running
};
