#include "net/CurlRequest.h"

#include <curl/curl.h>

#include <QFile>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <cstring>

#ifdef Q_OS_LINUX
#include <link.h>
#endif

#include "net/HttpTransfer.h"
#include "net/SystemProxy.h"

namespace {

bool isToken(QByteArrayView s) {
    if (s.isEmpty()) return false;
    for (const char c : s) {
        const bool alnum =
            (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        if (!alnum && !QByteArrayView("!#$%&'*+.^_`|~-").contains(c)) return false;
    }
    return true;
}

// Header names that libcurl writes itself from the request.
bool isFramingHeader(QByteArrayView name) {
    for (const char* own : {"host", "content-length", "transfer-encoding", "connection"})
        if (name.compare(own, Qt::CaseInsensitive) == 0) return true;
    return false;
}

bool hasHeader(const QList<QByteArray>& lines, QByteArrayView name) {
    for (const QByteArray& line : lines)
        if (QByteArrayView(line)
                .first(line.indexOf(':'))
                .trimmed()
                .compare(name, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

// The authorities an https server may be vouched for by: the system's, and
// any the program added to Qt's default TLS configuration (tests do, to trust
// a certificate of their own). Empty when nothing was added, so libcurl keeps
// its own defaults. The added ones take the place of libcurl's bundle file;
// the system's stay in its folder of hashed certificates, looked up only as
// needed, or where libcurl has no such folder, are copied from the bundle.
// Whether Qt's TLS support is loaded: a certificate can only be added to its
// configuration through it, so without it nothing was added, and asking Qt
// would load it (and OpenSSL's tables through it) for nothing: megabytes of
// an idle program that only speaks plain http.
bool qtTlsLoaded() {
#ifdef Q_OS_LINUX
    const auto isTlsPlugin = [](dl_phdr_info* info, size_t, void*) -> int {
        return info->dlpi_name && std::strstr(info->dlpi_name, "/plugins/tls/") ? 1 : 0;
    };
    return dl_iterate_phdr(isTlsPlugin, nullptr) != 0;
#else
    return true;
#endif
}

QByteArray addedAuthorities(void* easy) {
    if (!qtTlsLoaded()) return QByteArray();
    thread_local QList<QSslCertificate> added;
    thread_local QByteArray pem;
    const QList<QSslCertificate> now = QSslConfiguration::defaultConfiguration().caCertificates();
    if (now.isEmpty()) return QByteArray();
    if (now == added) return pem;
    added = now;
    pem.clear();
    char* folder = nullptr;
    char* bundle = nullptr;
    if ((curl_easy_getinfo(easy, CURLINFO_CAPATH, &folder) != CURLE_OK || !folder) &&
        curl_easy_getinfo(easy, CURLINFO_CAINFO, &bundle) == CURLE_OK && bundle) {
        QFile system(QString::fromLocal8Bit(bundle));
        if (system.open(QIODevice::ReadOnly)) pem = system.readAll() + '\n';
    }
    for (const QSslCertificate& certificate : now) pem += certificate.toPem();
    return pem;
}

}  // namespace

std::optional<QString> CurlRequest::refusal(const HttpRequest& request) {
    if (!isToken(request.method))
        return HttpTransfer::tr("Not a usable method: %1").arg(QString::fromLatin1(request.method));
    for (const QByteArray& line : request.headerLines) {
        const qsizetype colon = line.indexOf(':');
        const QByteArray name = line.left(colon).trimmed();
        if (colon < 0 || !isToken(name) || isFramingHeader(name) || line.contains('\r') ||
            line.contains('\n') || line.contains('\0'))
            return HttpTransfer::tr("Not a usable header line: %1").arg(QString::fromLatin1(line));
    }
    return std::nullopt;
}

bool CurlRequest::configure(void* easy, const HttpRequest& request, bool secure,
                            curl_slist** headers) {
    CURL* const e = easy;
    const auto set = [e](CURLoption option, auto value) {
        return curl_easy_setopt(e, option, value) == CURLE_OK;
    };
    // http and https only, also after a redirect, and never back from https
    // to http (beforeRequest checks every hop of a chain).
    bool ok = set(CURLOPT_PROTOCOLS_STR, "http,https") &&
              set(CURLOPT_REDIR_PROTOCOLS_STR, secure ? "https" : "http,https") &&
              set(CURLOPT_FOLLOWLOCATION, 1L) &&
              set(CURLOPT_MAXREDIRS, long(HttpLimits::maxRedirects));
    // One request per call: a connection of its own, closed afterwards, so
    // libcurl has no reused connection to retry a request on.
    ok = ok && set(CURLOPT_FRESH_CONNECT, 1L) && set(CURLOPT_FORBID_REUSE, 1L);
    ok = ok && set(CURLOPT_SSL_VERIFYPEER, 1L) && set(CURLOPT_SSL_VERIFYHOST, 2L);
    // The body as the server sent it, whatever its Content-Encoding.
    ok = ok && set(CURLOPT_HTTP_CONTENT_DECODING, 0L) &&
         set(CURLOPT_MAXFILESIZE_LARGE, curl_off_t(request.sizeLimit)) &&
         set(CURLOPT_SUPPRESS_CONNECT_HEADERS, 1L);
    // Reads larger than the default, still small enough to stay in the cache
    // between libcurl's buffer and the body: measured fastest for large bodies.
    // Written to a sink (a file) as it comes, larger reads cost fewer calls.
    ok = ok && set(CURLOPT_BUFFERSIZE, request.bodySink ? 512L * 1024 : 64L * 1024);
    if (!ok) return false;

    if (const std::optional<QByteArray> proxy = SystemProxy::forAddress(request.address))
        set(CURLOPT_PROXY, proxy->constData());
    // Also for http: a redirect may lead to https.
    const QByteArray authorities = addedAuthorities(e);
    if (!authorities.isEmpty()) {
        curl_blob blob{const_cast<char*>(authorities.constData()),
                       static_cast<size_t>(authorities.size()), CURL_BLOB_COPY};
        set(CURLOPT_CAINFO_BLOB, &blob);
    }

    if (!request.username.isEmpty()) {
        set(CURLOPT_HTTPAUTH, long(CURLAUTH_BASIC));
        set(CURLOPT_USERNAME, request.username.toUtf8().constData());
        set(CURLOPT_PASSWORD, request.password.toUtf8().constData());
    }

    const QByteArray& method = request.method;
    const bool formMethod = method == "POST" || method == "PUT" || method == "PATCH";
    const bool withBody = !request.body.isEmpty() || formMethod;
    if (method == "HEAD") {
        set(CURLOPT_NOBODY, 1L);
    } else if (method == "POST") {
        set(CURLOPT_POST, 1L);
    } else if (method != "GET" || withBody) {
        set(CURLOPT_CUSTOMREQUEST, method.constData());
    }
    if (withBody) {
        set(CURLOPT_POSTFIELDSIZE_LARGE, curl_off_t(request.body.size()));
        set(CURLOPT_POSTFIELDS, request.body.constData());
    }

    // The caller's lines as written, and none of libcurl's own beyond Host,
    // the credentials and the length: an empty "Name:" removes one of them.
    QList<QByteArray> lines = request.headerLines;
    for (QByteArray& line : lines) {
        // An empty value goes out as "name:", which libcurl writes for "name;".
        const qsizetype colon = line.indexOf(':');
        if (QByteArrayView(line).sliced(colon + 1).trimmed().isEmpty())
            line = line.left(colon).trimmed() + ';';
    }
    QList<QByteArray> removed = {"Accept", "Expect", "Proxy-Connection"};
    if (withBody) removed << "Content-Type";
    for (const QByteArray& name : std::as_const(removed))
        if (!hasHeader(request.headerLines, name)) lines << name + ':';
    for (const QByteArray& line : std::as_const(lines)) {
        curl_slist* const more = curl_slist_append(*headers, line.constData());
        if (!more) return false;
        *headers = more;
    }
    return set(CURLOPT_HTTPHEADER, *headers);
}
