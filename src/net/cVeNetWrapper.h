#pragma once

#include <QByteArray>
#include <QString>
#include <chrono>
#include <functional>
#include <memory>

class QNetworkAccessManager;

// A blocking HTTP downloader: Download() returns when the whole body is in,
// running a local event loop meanwhile so the window stays responsive. One
// instance serves one Hear It command; it owns its network session.
class cVeNetWrapper {
public:
    static constexpr int errorNumber = 11;
    static constexpr std::chrono::milliseconds defaultStallTimeout{30000};
    static constexpr qint64 defaultMaximumBodySize = qint64(64) * 1024 * 1024;

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
    // HTTP past every cache. A host that cannot be reached gives an empty
    // body. Throws DownloadError (number 11) when the host cannot be cut out
    // of the address, the port does not fit 16 bits, the server goes silent
    // for the stall time-out, the body grows past the maximum size, or the
    // wait is broken off because the application is quitting.
    QByteArray Download(const QString& strUrl, const QString& strPostData, qint32 lngPort);

    // Breaks off a Download that is running (it raises error 11) and makes
    // every later one raise it at once: the window that needs it is going.
    void Cancel();

    // Limits that keep a bad server from hanging or flooding the program.
    void setStallTimeout(std::chrono::milliseconds timeout) { m_stallTimeout = timeout; }
    std::chrono::milliseconds stallTimeout() const { return m_stallTimeout; }
    void setMaximumBodySize(qint64 bytes) { m_maximumBodySize = bytes; }
    qint64 maximumBodySize() const { return m_maximumBodySize; }

    static constexpr const char* userAgent =
        "Mozilla/4.0 (compatible; MSIE 5.0; Windows NT; DigExt)";

private:
    [[noreturn]] static void raiseDownloadError();

    std::unique_ptr<QNetworkAccessManager> m_session;
    QString m_username;
    QString m_password;
    qint16 m_proxyPort = 0;
    QString m_proxyServer;
    QString m_proxyUser;
    QString m_proxyPassword;
    std::chrono::milliseconds m_stallTimeout = defaultStallTimeout;
    qint64 m_maximumBodySize = defaultMaximumBodySize;
    bool m_cancelled = false;
    std::function<void()> m_breakOff;  // set while a Download waits
};
