#include "net/HttpAddress.h"

#include <QUrl>

namespace {

bool isHex(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

// Unreserved and reserved characters: what an address may hold as it is.
bool standsAsIs(unsigned char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) return true;
    return c != 0 && QByteArrayView("-._~:/?#[]@!$&'()*+,;=").contains(char(c));
}

bool isHostChar(QChar c) {
    const char16_t u = c.unicode();
    if (u > 0x7F) return true;  // an international name, made ASCII below
    return (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || (u >= '0' && u <= '9') ||
           QStringView(u"-._~!$&'()*+,;=").contains(c);
}

}  // namespace

QByteArray HttpAddress::wireTarget(const QString& text) {
    static const char hex[] = "0123456789ABCDEF";
    const QByteArray in = text.toUtf8();
    QByteArray out;
    out.reserve(in.size() + 16);
    for (qsizetype i = 0; i < in.size(); ++i) {
        const auto c = static_cast<unsigned char>(in[i]);
        if (c == '%') {
            if (i + 2 < in.size() && isHex(in[i + 1]) && isHex(in[i + 2]))
                out.append('%');
            else
                out.append("%25");
        } else if (standsAsIs(c)) {
            out.append(char(c));
        } else {
            out.append('%').append(hex[c >> 4]).append(hex[c & 15]);
        }
    }
    return out;
}

std::optional<HttpAddress> HttpAddress::parse(const QString& address) {
    const qsizetype sep = address.indexOf(QLatin1String("://"));
    if (sep <= 0) return std::nullopt;
    HttpAddress a;
    const QString scheme = address.left(sep).toLower();
    if (scheme == QLatin1String("https"))
        a.secure = true;
    else if (scheme != QLatin1String("http"))
        return std::nullopt;

    const qsizetype start = sep + 3;
    qsizetype end = start;
    while (end < address.size() && address[end] != QLatin1Char('/') &&
           address[end] != QLatin1Char('?') && address[end] != QLatin1Char('#'))
        ++end;
    QString authority = address.mid(start, end - start);

    const qsizetype at = authority.lastIndexOf(QLatin1Char('@'));
    if (at >= 0) {
        const QString info = authority.left(at);
        const qsizetype colon = info.indexOf(QLatin1Char(':'));
        a.username = QUrl::fromPercentEncoding((colon < 0 ? info : info.left(colon)).toUtf8());
        if (colon >= 0) a.password = QUrl::fromPercentEncoding(info.mid(colon + 1).toUtf8());
        authority = authority.mid(at + 1);
    }

    QString host = authority;
    QString portText;
    if (authority.startsWith(QLatin1Char('['))) {
        const qsizetype close = authority.indexOf(QLatin1Char(']'));
        if (close < 0) return std::nullopt;
        host = authority.mid(1, close - 1);
        const QString after = authority.mid(close + 1);
        if (!after.isEmpty() && !after.startsWith(QLatin1Char(':'))) return std::nullopt;
        portText = after.mid(1);
        for (const QChar c : host)
            if (!c.isDigit() && !QStringView(u"abcdefABCDEF:.").contains(c)) return std::nullopt;
    } else {
        const qsizetype colon = authority.lastIndexOf(QLatin1Char(':'));
        if (colon >= 0) {
            host = authority.left(colon);
            portText = authority.mid(colon + 1);
        }
        for (const QChar c : host)
            if (!isHostChar(c)) return std::nullopt;
        const QByteArray ace = QUrl::toAce(host);
        if (ace.isEmpty() && !host.isEmpty()) return std::nullopt;
        host = QString::fromLatin1(ace);
    }
    if (host.isEmpty()) return std::nullopt;

    const int defaultPort = a.secure ? 443 : 80;
    int port = defaultPort;
    if (!portText.isEmpty()) {
        bool ok = false;
        port = portText.toInt(&ok);
        if (!ok || port < 1 || port > 65535 || portText.size() > 5) return std::nullopt;
        for (const QChar c : portText)
            if (!c.isDigit()) return std::nullopt;
    }
    a.host = host;
    a.port = static_cast<quint16>(port);
    const QByteArray bracketed =
        host.contains(QLatin1Char(':')) ? '[' + host.toLatin1() + ']' : host.toLatin1();
    a.hostHeader = port == defaultPort ? bracketed : bracketed + ':' + QByteArray::number(port);

    // A fragment never goes out.
    const qsizetype hash = address.indexOf(QLatin1Char('#'), end);
    QString target = address.mid(end, hash < 0 ? -1 : hash - end);
    if (!target.startsWith(QLatin1Char('/'))) target.prepend(QLatin1Char('/'));
    a.target = wireTarget(target);
    return a;
}
