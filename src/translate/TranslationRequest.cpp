#include "translate/TranslationRequest.h"

#include <QUrl>

#include "config/ConfigElement.h"

TranslationRequest TranslationRequest::build(const ConfigElement& engine,
                                             const ConfigElement& language,
                                             const QString& encodedText) {
    QString address = engine.joinedText("url") + QLatin1Char('?') +
                      engine.joinedText("textstring") + QLatin1Char('=') + encodedText +
                      QLatin1Char('&') + engine.joinedText("languagestring") + QLatin1Char('=') +
                      language.joinedText("value") + engine.joinedText("otherstring");
    // The document writes literal ampersands of extra parameters as "&amp;".
    address.replace(QStringLiteral("&amp;"), QStringLiteral("&"));

    TranslationRequest r;
    r.url = address;
    r.operation = engine.joinedText("method").toUpper();
    r.headers = userAgentHeader();
    return r;
}

QString TranslationRequest::serverName() const {
    const QUrl address = QUrl::fromEncoded(url.toUtf8(), QUrl::TolerantMode);
    if (address.host().isEmpty()) return url;
    return address.port() < 0 ? address.host()
                              : address.host() + QLatin1Char(':') + QString::number(address.port());
}

QString TranslationRequest::userAgentHeader() {
    // The engines know this client by this exact line, quotes included.
    return QStringLiteral("user-agent:Mozilla/4.0 (compatible;") + QLatin1Char('"') +
           QStringLiteral("MSIE 6.0; Windows NT 5.1)") + QStringLiteral("\"\"");
}
