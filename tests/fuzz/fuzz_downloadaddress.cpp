// How the downloader splits an address text and a port number into a request.
// Input: four bytes of port argument, then the address text.
#include <cstring>

#include "FuzzInput.h"
#include "net/DownloadAddress.h"
#include "net/HttpAddress.h"

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
    const QString text = address->toAddress(port.value_or(80));
    if (!text.isEmpty()) {
        const auto parsed = HttpAddress::parse(text);
        fuzz::require(parsed.has_value());
        fuzz::require(!parsed->host.isEmpty());
        fuzz::require(parsed->target.startsWith('/'));
        // Nothing that could end the request line or start a header.
        for (const char c : parsed->target) fuzz::require(c > ' ' && c < 0x7F);
        for (const char c : parsed->hostHeader) fuzz::require(c > ' ' && c < 0x7F);
    }
    return 0;
}
