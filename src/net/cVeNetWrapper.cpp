#include "net/cVeNetWrapper.h"

#include <utility>

#include "net/DownloadAddress.h"
#include "net/DownloadError.h"
#include "net/HttpEngine.h"

cVeNetWrapper::cVeNetWrapper() = default;

cVeNetWrapper::~cVeNetWrapper() {
    Cancel();
}

void cVeNetWrapper::raiseDownloadError() {
    throw DownloadError(errorNumber, QStringLiteral("cVeNetWrapper.Download"),
                        QStringLiteral("Download Error, cannot read file."));
}

std::optional<HttpRequest> cVeNetWrapper::request(const QString& strUrl, const QString& strPostData,
                                                  qint32 lngPort) const {
    const std::optional<DownloadAddress> address = DownloadAddress::split(strUrl);
    if (!address) return std::nullopt;
    const std::optional<int> port = DownloadAddress::portFromArgument(lngPort);
    if (!port) return std::nullopt;

    HttpRequest request;
    request.address = address->toAddress(*port);
    if (request.address.isEmpty()) return std::nullopt;  // no host to connect to
    request.username = m_username;
    request.password = m_password;
    request.headerLines = {QByteArray("User-Agent: ") + userAgent};
    // Past every cache for plain HTTP.
    if (*port != 443)
        request.headerLines << "Cache-Control: no-cache"
                            << "Pragma: no-cache";
    if (!strPostData.isEmpty()) {
        request.method = "POST";
        request.headerLines << "Content-Type: application/x-www-form-urlencoded";
        request.body = strPostData.toUtf8();
    }
    request.sizeLimit = m_maximumBodySize;
    request.stallTimeout = m_stallTimeout;
    request.overallBound = m_overallBound;
    return request;
}

QCoro::Task<QByteArray> cVeNetWrapper::Download(QString strUrl, QString strPostData,
                                                qint32 lngPort) {
    // Named before it is awaited, as below.
    QCoro::Task<QByteArray> job =
        DownloadInto(std::move(strUrl), std::move(strPostData), lngPort, nullptr);
    co_return co_await job;
}

QCoro::Task<QByteArray> cVeNetWrapper::DownloadInto(QString strUrl, QString strPostData,
                                                    qint32 lngPort,
                                                    std::function<bool(QByteArrayView)> sink) {
    if (m_cancelled) raiseDownloadError();
    std::optional<HttpRequest> built = request(strUrl, strPostData, lngPort);
    if (!built) raiseDownloadError();
    built->bodySink = std::move(sink);

    // Only a whole answer counts: a failed or cut-short transfer must never
    // pass for a (shorter) file. An error page that arrives whole does.
    // A named job: GCC 12 destroys the temporaries of a co_await expression
    // (here the request's copy and the callback) twice.
    QCoro::Task<HttpResult> job =
        HttpEngine::forThread().fetch(*built, [this](HttpTransfer* t) { m_running = t; });
    HttpResult result = co_await job;
    if (!result.ok()) raiseDownloadError();
    co_return std::move(result.body);
}

void cVeNetWrapper::Cancel() {
    m_cancelled = true;
    if (m_running) m_running->abort();
}
