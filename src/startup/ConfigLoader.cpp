#include "startup/ConfigLoader.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>
#include <memory>

#include "config/ConfigDocument.h"
#include "platform/AppInfo.h"

QString ConfigLoader::requestAddress(const QString& host, const QString& uid,
                                     const QString& installdate) {
    return QStringLiteral("http://") + host + QStringLiteral("/translator/3/config.asp?uid=") +
           uid + QStringLiteral("&version=") + AppInfo::versionText() +
           QStringLiteral("&installdate=") + installdate;
}

namespace {
bool fail(QString* error, const QString& why) {
    if (error) *error = why;
    return false;
}

// Plain words for the failures people meet; Qt's own text for the rest.
QString networkFailure(QNetworkReply::NetworkError code, const QString& qtText) {
    switch (code) {
        case QNetworkReply::ConnectionRefusedError:
            return QStringLiteral("the connection was refused");
        case QNetworkReply::HostNotFoundError:
            return QStringLiteral("the host was not found");
        case QNetworkReply::RemoteHostClosedError:
            return QStringLiteral("the server closed the connection before answering");
        case QNetworkReply::TimeoutError:
            return QStringLiteral("timed out");
        default:
            return qtText;
    }
}

}  // namespace

bool ConfigLoader::load(ConfigDocument& document, const QString& address, int timeoutMs,
                        QString* error) {
    // Tolerant parsing percent-encodes what may not stand in a request line
    // (spaces, for one) and leaves everything else as the program wrote it.
    const QUrl url(address, QUrl::TolerantMode);
    if (!url.isValid() || url.host().isEmpty() ||
        url.scheme().compare(QStringLiteral("http"), Qt::CaseInsensitive) != 0)
        return fail(error, QStringLiteral("not a usable address: ") + address);

    QNetworkAccessManager manager;
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    std::unique_ptr<QNetworkReply> reply(manager.get(request));

    QEventLoop loop;
    // No configuration document comes near this size; a server that keeps
    // sending must not fill the memory while the start-up waits.
    constexpr qint64 kMaxDocumentSize = 32 * 1024 * 1024;
    bool tooLarge = false;
    QObject::connect(reply.get(), &QNetworkReply::downloadProgress, &loop,
                     [&](qint64 received, qint64 total) {
                         if (received <= kMaxDocumentSize && total <= kMaxDocumentSize) return;
                         tooLarge = true;
                         loop.quit();
                     });
    QTimer giveUp;
    giveUp.setSingleShot(true);
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QObject::connect(&giveUp, &QTimer::timeout, &loop, &QEventLoop::quit);
    giveUp.start(timeoutMs);
    // The start-up screen must not react to clicks or keys meanwhile; paint
    // and timer events still run.
    if (!reply->isFinished()) loop.exec(QEventLoop::ExcludeUserInputEvents);

    if (tooLarge) {
        reply->abort();
        return fail(error, QStringLiteral("the answer is larger than 32 MiB"));
    }
    if (!reply->isFinished()) {
        reply->abort();
        return fail(error, QStringLiteral("timed out: no answer within %1 ms").arg(timeoutMs));
    }
    // The status first: Qt reports a refusing server as a network error too.
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (status.isValid() && (status.toInt() < 200 || status.toInt() > 299))
        return fail(
            error, (QStringLiteral("the server answered with HTTP status %1 ").arg(status.toInt()) +
                    reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString())
                       .trimmed());
    if (reply->error() != QNetworkReply::NoError)
        return fail(error, networkFailure(reply->error(), reply->errorString()));
    if (!document.loadFromBytes(reply->readAll()))
        return fail(error, QStringLiteral("not a well-formed document: ") + document.lastError());
    return true;
}
