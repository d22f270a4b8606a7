#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// An address taken apart for the wire, without any decoding: the request
// target is the built text itself, made fit for a request line and no more.
struct HttpAddress {
    bool secure = false;  // https
    QString host;         // to connect to; an IPv6 literal without brackets
    quint16 port = 80;
    QByteArray hostHeader;  // "host" or "host:port" when the port is not the default
    QByteArray target;      // "/path?query", never empty
    QString username;       // from "user:password@" in the address, decoded
    QString password;

    // Nothing when the text is no http or https address with a host.
    static std::optional<HttpAddress> parse(const QString& address);

    // The target as it goes out: every %XX kept as written (its case too),
    // a "%" that starts no escape becomes "%25", and bytes outside the
    // characters an address may hold become %XX; the rest is untouched.
    static QByteArray wireTarget(const QString& text);
};
