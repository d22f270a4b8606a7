#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

class QNetworkProxy;

// Which proxy a request goes through. The environment comes first, in the
// variables and with the rules libcurl itself reads (http_proxy,
// https_proxy, all_proxy, no_proxy and their upper-case forms, except
// HTTP_PROXY, which libcurl never reads). Only where none of them is set is
// the desktop asked, through Qt (on Debian through libproxy, which also
// follows the GNOME and KDE proxy settings).
class SystemProxy {
public:
    // Nothing when libcurl is to read the environment itself; otherwise the
    // proxy address to hand to it, empty for a direct connection.
    static std::optional<QByteArray> forAddress(const QString& address);

    // A proxy of the desktop as libcurl takes it: "http://user:pw@host:port"
    // or "socks5h://…"; empty for a direct connection, nothing for a kind
    // libcurl cannot use.
    static std::optional<QByteArray> curlAddress(const QNetworkProxy& proxy);

    // True when one of the variables libcurl reads is set.
    static bool environmentDecides();

    // localhost, 127.0.0.0/8 or ::1 (as a URL gives the host, without
    // brackets).
    static bool isLoopback(const QString& host);
};
