#include "service/ConfigLoader.h"

#include <algorithm>

#include "config/ConfigDocument.h"
#include "net/HttpEngine.h"

namespace {
bool fail(QString* error, const QString& why) {
    if (error) *error = why;
    return false;
}

// Plain words for the failures people meet; the engine's own text for the rest.
QString transferFailure(const HttpResult& result) {
    switch (result.error) {
        case HttpResult::Error::Refused:
            return ConfigLoader::tr("the connection was refused");
        case HttpResult::Error::HostNotFound:
            return ConfigLoader::tr("the host was not found");
        case HttpResult::Error::NoAnswer:
            return ConfigLoader::tr("the server closed the connection before answering");
        case HttpResult::Error::Stalled:
        case HttpResult::Error::TimedOut:
            return ConfigLoader::tr("timed out: %1").arg(result.errorText);
        default:
            return result.errorText;
    }
}
}  // namespace

QCoro::Task<bool> ConfigLoader::load(ConfigDocument& document, QString address, int timeoutMs,
                                     QString* error) {
    if (!address.startsWith(QStringLiteral("http://"), Qt::CaseInsensitive) ||
        !HttpAddress::parse(address))
        co_return fail(error, tr("not a usable address: %1").arg(address));

    HttpRequest request;
    request.address = address;
    request.sizeLimit = HttpLimits::configMaxBody;
    request.stallTimeout = std::chrono::milliseconds(timeoutMs);
    request.overallBound = std::max(HttpLimits::overallBound, request.stallTimeout);
    // A named job: GCC 12 destroys the temporaries of a co_await
    // expression (here the request's copy) twice.
    QCoro::Task<HttpResult> job = HttpEngine::forThread().fetch(request);
    const HttpResult result = co_await job;
    if (!result.ok()) co_return fail(error, transferFailure(result));
    if (result.status < 200 || result.status > 299)
        co_return fail(error, tr("the server answered with HTTP status %1")
                                  .arg((QString::number(result.status) + QLatin1Char(' ') +
                                        QString::fromLatin1(result.reason))
                                           .trimmed()));
    if (!document.loadFromBytes(result.body))
        co_return fail(error, tr("not a well-formed document: %1").arg(document.lastError()));
    co_return true;
}
