#include "net/DownloadAddress.h"

#include <QRegularExpression>

std::optional<DownloadAddress> DownloadAddress::split(const QString& strUrl) {
    DownloadAddress out;
    if (!strUrl.contains(QLatin1Char('/'))) {
        out.host = strUrl;
        return out;
    }
    QString rest = strUrl;
    rest.remove(QStringLiteral("http://"), Qt::CaseSensitive);
    rest.remove(QStringLiteral("https://"), Qt::CaseSensitive);
    const qsizetype slash = rest.indexOf(QLatin1Char('/'));
    if (slash < 0) return std::nullopt;
    out.host = rest.left(slash);
    out.path = rest.mid(slash + 1);
    return out;
}

std::optional<int> DownloadAddress::portFromArgument(qint32 lngPort) {
    if (lngPort < -32768 || lngPort > 32767) return std::nullopt;
    return static_cast<int>(static_cast<quint16>(static_cast<qint16>(lngPort)));
}

QUrl DownloadAddress::toUrl(int port) const {
    const bool secure = port == 443;
    QUrl url;
    url.setScheme(secure ? QStringLiteral("https") : QStringLiteral("http"));

    // "name:port" in the host text: the digits after the last colon, unless
    // the colon belongs to a bracketed IPv6 literal.
    QString name = host;
    int hostPort = -1;
    static const QRegularExpression withPort(QStringLiteral("^(.+):([0-9]{1,5})$"));
    const QRegularExpressionMatch m = withPort.match(host);
    if (m.hasMatch() && !m.captured(1).endsWith(QLatin1Char(':')) &&
        (m.captured(1).startsWith(QLatin1Char('[')) == m.captured(1).endsWith(QLatin1Char(']')))) {
        const int p = m.captured(2).toInt();
        if (p >= 1 && p <= 65535) {
            name = m.captured(1);
            hostPort = p;
        }
    }
    if (name.isEmpty()) return QUrl();
    url.setHost(name, QUrl::StrictMode);
    if (url.host().isEmpty() || !url.isValid()) return QUrl();

    const int defaultPort = secure ? 443 : 80;
    const int usePort = hostPort > 0 ? hostPort : (port == 0 ? defaultPort : port);
    if (usePort != defaultPort) url.setPort(usePort);

    const qsizetype q = path.indexOf(QLatin1Char('?'));
    url.setPath(QLatin1Char('/') + (q < 0 ? path : path.left(q)), QUrl::TolerantMode);
    if (q >= 0) url.setQuery(path.mid(q + 1), QUrl::TolerantMode);
    if (!url.isValid()) return QUrl();
    return url;
}
