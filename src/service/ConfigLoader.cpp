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

bool ConfigLoader::load(ConfigDocument& document, const QString& address, int timeoutMs,
                        QString* error) {
    if (!address.startsWith(QStringLiteral("http://"), Qt::CaseInsensitive) ||
        !HttpAddress::parse(address))
        return fail(error, tr("not a usable address: %1").arg(address));

    HttpRequest request;
    request.address = address;
    request.sizeLimit = HttpLimits::configMaxBody;
    request.stallTimeout = std::chrono::milliseconds(timeoutMs);
    request.overallBound = std::max(HttpLimits::overallBound, request.stallTimeout);
    // The start-up screen must not react to clicks or keys meanwhile; paint
    // and timer events still run.
    const HttpResult result =
        HttpEngine::forThread().fetch(request, QEventLoop::ExcludeUserInputEvents);
    if (!result.ok()) return fail(error, transferFailure(result));
    if (result.status < 200 || result.status > 299)
        return fail(error, tr("the server answered with HTTP status %1")
                               .arg((QString::number(result.status) + QLatin1Char(' ') +
                                     QString::fromLatin1(result.reason))
                                        .trimmed()));
    if (!document.loadFromBytes(result.body))
        return fail(error, tr("not a well-formed document: %1").arg(document.lastError()));
    return true;
}
