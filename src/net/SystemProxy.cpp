#include "net/SystemProxy.h"

#include <QHostAddress>
#include <QNetworkProxyFactory>
#include <QUrl>

bool SystemProxy::isLoopback(const QString& host) {
    if (host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0) return true;
    const QHostAddress address(host);
    return !address.isNull() && address.isLoopback();
}

bool SystemProxy::environmentDecides() {
    // An exception list alone decides too: the desktop's proxy would
    // otherwise be used for the very hosts the user excepted.
    for (const char* name : {"http_proxy", "https_proxy", "HTTPS_PROXY", "all_proxy", "ALL_PROXY",
                             "no_proxy", "NO_PROXY"})
        if (!qEnvironmentVariableIsEmpty(name)) return true;
    return false;
}

std::optional<QByteArray> SystemProxy::curlAddress(const QNetworkProxy& proxy) {
    QByteArray scheme;
    switch (proxy.type()) {
        case QNetworkProxy::NoProxy:
        case QNetworkProxy::DefaultProxy:
            return QByteArray();
        case QNetworkProxy::HttpProxy:
            scheme = "http://";
            break;
        case QNetworkProxy::Socks5Proxy:
            scheme = "socks5h://";  // names are resolved by the proxy, as for http
            break;
        default:
            return std::nullopt;
    }
    if (proxy.hostName().isEmpty()) return std::nullopt;
    QByteArray out = scheme;
    if (!proxy.user().isEmpty()) {
        out += QUrl::toPercentEncoding(proxy.user());
        if (!proxy.password().isEmpty()) out += ':' + QUrl::toPercentEncoding(proxy.password());
        out += '@';
    }
    const QString name = proxy.hostName();
    if (name.contains(QLatin1Char(':'))) {  // an IPv6 address
        out += '[' + name.toLatin1() + ']';
    } else {
        const QByteArray host = QUrl::toAce(name);
        if (host.isEmpty()) return std::nullopt;
        out += host;
    }
    if (proxy.port() > 0) out += ':' + QByteArray::number(proxy.port());
    return out;
}

std::optional<QByteArray> SystemProxy::forAddress(const QString& address) {
    if (environmentDecides()) return std::nullopt;
    const QUrl url(address);
    // This machine itself is never reached through the desktop's proxy (the
    // desktops leave it out by default), and the lookup, a round trip to
    // libproxy's own thread, would cost a local request more than its answer.
    if (isLoopback(url.host())) return QByteArray();
    const QList<QNetworkProxy> offered =
        QNetworkProxyFactory::systemProxyForQuery(QNetworkProxyQuery(url));
    for (const QNetworkProxy& proxy : offered)
        if (std::optional<QByteArray> usable = curlAddress(proxy)) return usable;
    return QByteArray();
}
