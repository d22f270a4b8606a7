#pragma once

#include <QString>
#include <optional>

// How the downloader turns its address text and port number into a request.
//
// The split keeps the old rules exactly: when the text holds a "/", every
// "http://" and then every "https://" is removed wherever it stands; the host
// is the text before the first "/" that is left and the path the text after
// it. Without any "/" the whole text is the host.
//
// The host text goes into the request unchanged, so "name:port" written in the
// address stays in the host. We honour such a port: the connection goes to that
// port and the Host header carries "name:port". Otherwise the port argument is
// the port. Either way the port argument alone picks the scheme: 443 is HTTPS,
// anything else plain HTTP.
class DownloadAddress {
public:
    QString host;
    QString path;  // without the leading "/"

    // Nothing when the text holds a "/" but none is left after the scheme text
    // has been removed ("http://server"): the host cannot be cut out.
    static std::optional<DownloadAddress> split(const QString& strUrl);

    // The port argument as the old 16-bit port field saw it: nothing outside
    // -32768..32767, negative numbers wrap to 32768..65535, 0 means the
    // default port of the scheme.
    static std::optional<int> portFromArgument(qint32 lngPort);

    // The request address for the HTTP engine, the path as written (the
    // engine sends it exactly so). Empty when the host is empty or unusable.
    QString toAddress(int port) const;
};
