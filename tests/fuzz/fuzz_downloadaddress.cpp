// How the downloader splits an address text and a port number into a request.
// Input: four bytes of port argument, then the address text.
#include <QUrl>
#include <cstring>

#include "FuzzInput.h"
#include "net/DownloadAddress.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    qint32 lngPort = 0;
    const std::size_t portSize = std::min(size, sizeof lngPort);
    std::memcpy(&lngPort, data, portSize);
    const auto port = DownloadAddress::portFromArgument(lngPort);
    fuzz::require(!port || (*port >= 0 && *port <= 65535));

    const auto address =
        DownloadAddress::split(QString::fromUtf8(fuzz::bytes(data + portSize, size - portSize)));
    if (!address) return 0;
    fuzz::require(!address->host.contains(QLatin1Char('/')));

    // Either no address at all, or a web address with a host: never another
    // scheme, never a request without a host.
    const QUrl url = address->toUrl(port.value_or(80));
    if (!url.isEmpty()) {
        fuzz::require(url.isValid());
        fuzz::require(url.scheme() == QLatin1String("http") ||
                      url.scheme() == QLatin1String("https"));
        fuzz::require(!url.host().isEmpty());
    }
    return 0;
}
