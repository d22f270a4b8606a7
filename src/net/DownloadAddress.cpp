#include "net/DownloadAddress.h"

#include <QRegularExpression>

#include "net/HttpAddress.h"

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

QString DownloadAddress::toAddress(int port) const {
    const bool secure = port == 443;
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
    if (name.isEmpty() || name.contains(QLatin1Char(':')) != name.startsWith(QLatin1Char('[')))
        return QString();

    const int defaultPort = secure ? 443 : 80;
    const int usePort = hostPort > 0 ? hostPort : (port == 0 ? defaultPort : port);
    QString address = (secure ? QStringLiteral("https://") : QStringLiteral("http://")) + name;
    if (usePort != defaultPort) address += QLatin1Char(':') + QString::number(usePort);
    address += QLatin1Char('/') + path;
    if (!HttpAddress::parse(address)) return QString();
    return address;
}
