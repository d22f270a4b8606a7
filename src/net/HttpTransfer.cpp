#include "net/HttpTransfer.h"

#include <curl/curl.h>

#include <QFile>
#include <QSslConfiguration>
#include <algorithm>
#include <cerrno>
#include <cstring>

#ifdef Q_OS_LINUX
#include <link.h>
#include <sys/mman.h>
#endif

#include "net/CurlDriver.h"
#include "net/HttpAddress.h"
#include "net/HttpEngine.h"
#include "net/SystemProxy.h"

namespace {

using Error = HttpResult::Error;

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

// Room for a body of known size. A large body is written once into fresh
// memory, and faulting it in 4 KiB pages costs more than copying it; on Linux
// ask for huge pages where the buffer spans them (a hint, ignored where not
// supported).
void reserveBody(QByteArray& body, qint64 size) {
    body.reserve(size);
#ifdef Q_OS_LINUX
    constexpr quintptr huge = quintptr(2) * 1024 * 1024;
    const quintptr start = reinterpret_cast<quintptr>(body.constData());
    const quintptr begin = (start + huge - 1) & ~(huge - 1);
    const quintptr end = (start + static_cast<quintptr>(size)) & ~(huge - 1);
    if (end > begin) madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
#endif
}

QString seconds(std::chrono::milliseconds ms) {
    return QString::number(static_cast<double>(ms.count()) / 1000.0);
}

QString tooLargeText(qint64 limit) {
    const qint64 mib = 1024 * 1024;
    return limit % mib == 0 ? HttpTransfer::tr("The answer is larger than %1 MiB.").arg(limit / mib)
                            : HttpTransfer::tr("The answer is larger than %1 bytes.").arg(limit);
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

void HttpTransferDeleter::operator()(HttpTransfer* t) const {
    t->abort();
    t->deleteLater();
}

HttpTransfer::HttpTransfer(HttpEngine& engine, HttpRequest request)
    : m_engine(engine), m_request(std::move(request)), m_curlError(new char[CURL_ERROR_SIZE]) {
    m_curlError[0] = '\0';
    // Precise: a coarse timer may fire 5 % late, six seconds of 120.
    m_stall.setSingleShot(true);
    m_stall.setTimerType(Qt::PreciseTimer);
    m_overall.setSingleShot(true);
    m_overall.setTimerType(Qt::PreciseTimer);
    connect(&m_stall, &QTimer::timeout, this, &HttpTransfer::onStallCheck);
    connect(&m_overall, &QTimer::timeout, this, [this] {
        fail(Error::TimedOut,
             tr("The transfer took longer than %1 seconds.").arg(seconds(m_request.overallBound)));
    });
}

HttpTransfer::~HttpTransfer() {
    abort();
    stop();
}

// Checks the request and hands it to libcurl; false (with the result set)
// when it cannot be sent.
bool HttpTransfer::prepare() {
    const auto badRequest = [this](const QString& text) {
        m_result.error = Error::BadRequest;
        m_result.errorText = text;
        return false;
    };
    const std::optional<HttpAddress> address = HttpAddress::parse(m_request.address);
    if (!address) return badRequest(tr("Not a usable address: %1").arg(m_request.address));
    if (!isToken(m_request.method))
        return badRequest(tr("Not a usable method: %1").arg(QString::fromLatin1(m_request.method)));
    for (const QByteArray& line : std::as_const(m_request.headerLines)) {
        const qsizetype colon = line.indexOf(':');
        const QByteArray name = line.left(colon).trimmed();
        if (colon < 0 || !isToken(name) || isFramingHeader(name) || line.contains('\r') ||
            line.contains('\n') || line.contains('\0'))
            return badRequest(tr("Not a usable header line: %1").arg(QString::fromLatin1(line)));
    }
    m_secure = address->secure;
    m_hostHeader = address->hostHeader;
    if (m_request.username.isEmpty()) {
        m_request.username = address->username;
        m_request.password = address->password;
    }
    // The target is already fit for a request line; libcurl sends it as it
    // stands (PATH_AS_IS), to the server or, in absolute form, to a proxy.
    const QByteArray url = (m_secure ? QByteArray("https://") : QByteArray("http://")) +
                           m_hostHeader + address->target;
    if (!setUp(url)) return badRequest(tr("Not a usable address: %1").arg(m_request.address));
    return true;
}

bool HttpTransfer::setUp(const QByteArray& url) {
    m_easy = curl_easy_init();
    if (!m_easy) return false;
    CURL* const e = m_easy;
    const auto set = [e](CURLoption option, auto value) {
        return curl_easy_setopt(e, option, value) == CURLE_OK;
    };
    bool ok = set(CURLOPT_URL, url.constData()) && set(CURLOPT_PATH_AS_IS, 1L) &&
              set(CURLOPT_PRIVATE, this) && set(CURLOPT_ERRORBUFFER, m_curlError.get()) &&
              set(CURLOPT_NOSIGNAL, 1L) && set(CURLOPT_HTTP_VERSION, long(CURL_HTTP_VERSION_1_1));
    // http and https only, also after a redirect, and never back from https
    // to http (beforeRequest checks every hop of a chain).
    ok = ok && set(CURLOPT_PROTOCOLS_STR, "http,https") &&
         set(CURLOPT_REDIR_PROTOCOLS_STR, m_secure ? "https" : "http,https") &&
         set(CURLOPT_FOLLOWLOCATION, 1L) && set(CURLOPT_MAXREDIRS, long(HttpLimits::maxRedirects));
    // One request per call: a connection of its own, closed afterwards, so
    // libcurl has no reused connection to retry a request on.
    ok = ok && set(CURLOPT_FRESH_CONNECT, 1L) && set(CURLOPT_FORBID_REUSE, 1L);
    ok = ok && set(CURLOPT_SSL_VERIFYPEER, 1L) && set(CURLOPT_SSL_VERIFYHOST, 2L);
    // The body as the server sent it, whatever its Content-Encoding.
    ok = ok && set(CURLOPT_HTTP_CONTENT_DECODING, 0L) &&
         set(CURLOPT_MAXFILESIZE_LARGE, curl_off_t(m_request.sizeLimit)) &&
         set(CURLOPT_SUPPRESS_CONNECT_HEADERS, 1L);
    // Reads larger than the default, still small enough to stay in the cache
    // between libcurl's buffer and the body: measured fastest for large bodies.
    // Written to a sink (a file) as it comes, larger reads cost fewer calls.
    ok = ok && set(CURLOPT_BUFFERSIZE, m_request.bodySink ? 512L * 1024 : 64L * 1024);
    ok = ok && set(CURLOPT_HEADERFUNCTION, &HttpTransfer::onHeader) &&
         set(CURLOPT_HEADERDATA, this) && set(CURLOPT_WRITEFUNCTION, &HttpTransfer::onBody) &&
         set(CURLOPT_WRITEDATA, this) &&
         set(CURLOPT_PREREQFUNCTION, &HttpTransfer::beforeRequest) && set(CURLOPT_PREREQDATA, this);
    if (!ok) return false;

    if (const std::optional<QByteArray> proxy = SystemProxy::forAddress(m_request.address))
        set(CURLOPT_PROXY, proxy->constData());
    // Also for http: a redirect may lead to https.
    const QByteArray authorities = addedAuthorities(e);
    if (!authorities.isEmpty()) {
        curl_blob blob{const_cast<char*>(authorities.constData()),
                       static_cast<size_t>(authorities.size()), CURL_BLOB_COPY};
        set(CURLOPT_CAINFO_BLOB, &blob);
    }

    if (!m_request.username.isEmpty()) {
        set(CURLOPT_HTTPAUTH, long(CURLAUTH_BASIC));
        set(CURLOPT_USERNAME, m_request.username.toUtf8().constData());
        set(CURLOPT_PASSWORD, m_request.password.toUtf8().constData());
    }

    const QByteArray& method = m_request.method;
    const bool formMethod = method == "POST" || method == "PUT" || method == "PATCH";
    const bool withBody = !m_request.body.isEmpty() || formMethod;
    if (method == "HEAD") {
        set(CURLOPT_NOBODY, 1L);
    } else if (method == "POST") {
        set(CURLOPT_POST, 1L);
    } else if (method != "GET" || withBody) {
        set(CURLOPT_CUSTOMREQUEST, method.constData());
    }
    if (withBody) {
        set(CURLOPT_POSTFIELDSIZE_LARGE, curl_off_t(m_request.body.size()));
        set(CURLOPT_POSTFIELDS, m_request.body.constData());
    }

    // The caller's lines as written, and none of libcurl's own beyond Host,
    // the credentials and the length: an empty "Name:" removes one of them.
    QList<QByteArray> lines = m_request.headerLines;
    for (QByteArray& line : lines) {
        // An empty value goes out as "name:", which libcurl writes for "name;".
        const qsizetype colon = line.indexOf(':');
        if (QByteArrayView(line).sliced(colon + 1).trimmed().isEmpty())
            line = line.left(colon).trimmed() + ';';
    }
    QList<QByteArray> removed = {"Accept", "Expect", "Proxy-Connection"};
    if (withBody) removed << "Content-Type";
    for (const QByteArray& name : std::as_const(removed))
        if (!hasHeader(m_request.headerLines, name)) lines << name + ':';
    for (const QByteArray& line : std::as_const(lines)) {
        curl_slist* const more = curl_slist_append(m_headerList, line.constData());
        if (!more) return false;
        m_headerList = more;
    }
    return set(CURLOPT_HTTPHEADER, m_headerList);
}

void HttpTransfer::begin() {
    m_running = true;
    m_lastHopSecure = m_secure;
    touch();
    m_stall.start(m_request.stallTimeout);
    m_overall.start(m_request.overallBound);
    // libcurl starts from the event loop, so every report of the transfer
    // reaches a caller that connects to its signals after start().
    if (!m_engine.driver().add(this)) fail(Error::Connect, tr("Cannot start the transfer."));
}

size_t HttpTransfer::onHeader(char* data, size_t size, size_t count, void* self) {
    const size_t n = size * count;
    return static_cast<HttpTransfer*>(self)->takeHeaderLine(
               QByteArrayView(data, static_cast<qsizetype>(n)))
               ? n
               : 0;
}

size_t HttpTransfer::onBody(char* data, size_t size, size_t count, void* self) {
    const size_t n = size * count;
    return static_cast<HttpTransfer*>(self)->takeBody(data, n) ? n : 0;
}

int HttpTransfer::beforeRequest(void* self, char* /*remoteIp*/, char* /*localIp*/,
                                int /*remotePort*/, int /*localPort*/) {
    auto* t = static_cast<HttpTransfer*>(self);
    const char* url = nullptr;
    curl_easy_getinfo(t->m_easy, CURLINFO_EFFECTIVE_URL, &url);
    const bool secure = url && qstrnicmp(url, "https:", 6) == 0;
    if (t->m_lastHopSecure && !secure) {
        t->refuse(Error::Redirect,
                  tr("Refused a redirect to %1").arg(QString::fromUtf8(url ? url : "")));
        return CURL_PREREQFUNC_ABORT;
    }
    t->m_lastHopSecure = secure;
    t->m_blockStart = true;
    t->m_headComplete = false;
    return CURL_PREREQFUNC_OK;
}

void HttpTransfer::refuse(HttpResult::Error error, const QString& text) {
    if (m_refusal != Error::None) return;
    m_refusal = error;
    m_refusalText = text;
}

// One line of a head or of a trailer, whole, as libcurl read it. Each block
// of lines is capped, so neither an endless head nor an endless trailer
// takes more memory than the cap.
bool HttpTransfer::takeHeaderLine(QByteArrayView line) {
    touch();
    m_anyAnswer = true;
    noteProgress();
    // A lone CR is no line end: libcurl would take "\rLocation: …" for the
    // end of the head and the rest for the body.
    const QByteArrayView text = line.endsWith("\r\n") ? line.chopped(2)
                                : line.endsWith('\n') ? line.chopped(1)
                                                      : line;
    if (text.size() == line.size() || text.contains('\r')) {
        refuse(Error::Protocol, tr("The answer's header has a broken line."));
        return false;
    }
    if (m_blockStart) {
        m_blockStart = false;
        m_blockBytes = 0;
        m_inTrailer = !line.startsWith("HTTP/");
        if (!m_inTrailer) m_statusLine = text.toByteArray();
    }
    m_blockBytes += line.size();
    if (m_blockBytes > HttpLimits::maxHeadSize) {
        refuse(Error::Protocol, m_inTrailer ? tr("The answer's trailer is too large.")
                                            : tr("The answer's header is too large."));
        return false;
    }
    if (!text.isEmpty()) return true;
    m_blockStart = true;
    return m_inTrailer || checkHead();
}

// The framing of a whole head, before any of its body: libcurl decodes
// chunked, and its other codings are not asked for; anything else would hand
// on bytes that are not the body.
bool HttpTransfer::checkHead() {
    long status = 0;
    long version = 0;
    curl_easy_getinfo(m_easy, CURLINFO_RESPONSE_CODE, &status);
    curl_easy_getinfo(m_easy, CURLINFO_HTTP_VERSION, &version);
    // libcurl lets "HTTP/200 x" pass as an HTTP/2 status line of code 0.
    if (status < 100 || (version != CURL_HTTP_VERSION_1_0 && version != CURL_HTTP_VERSION_1_1)) {
        refuse(Error::Protocol, tr("The server's answer is not HTTP."));
        return false;
    }
    if (status == 101) {  // never asked for
        refuse(Error::Protocol, tr("The server switched protocols."));
        return false;
    }
    if (status < 200) return true;
    m_headComplete = true;
    curl_header* h = nullptr;
    if (status >= 300 && status < 400 &&
        curl_easy_header(m_easy, "Location", 0, CURLH_HEADER, -1, &h) == CURLHE_OK)
        m_location = h->value;
    if (curl_easy_header(m_easy, "Transfer-Encoding", 0, CURLH_HEADER, -1, &h) == CURLHE_OK &&
        (h->amount != 1 ||
         QByteArrayView(h->value).trimmed().compare("chunked", Qt::CaseInsensitive) != 0)) {
        refuse(Error::Protocol, tr("The answer's transfer coding is not readable: %1")
                                    .arg(QString::fromLatin1(h->value)));
        return false;
    }
    // libcurl reads "12x" as 12 and takes one of several lengths; a length
    // must be digits only, and the same wherever it is given.
    QByteArray length;
    for (size_t i = 0;
         curl_easy_header(m_easy, "Content-Length", i, CURLH_HEADER, -1, &h) == CURLHE_OK; ++i) {
        const QByteArray value = QByteArray(h->value).trimmed();
        const bool digits =
            !value.isEmpty() &&
            std::all_of(value.cbegin(), value.cend(), [](char c) { return c >= '0' && c <= '9'; });
        if (!digits || (i > 0 && value != length)) {
            refuse(Error::Protocol, tr("The answer's length is unreadable."));
            return false;
        }
        length = value;
        if (i + 1 >= h->amount) break;
    }
    return true;
}

// Activity is marked by the engine for the socket the bytes came from.
bool HttpTransfer::takeBody(const char* data, size_t n) {
    noteProgress();
    QByteArray& body = m_result.body;
    const qint64 size = m_received + static_cast<qint64>(n);
    if (size > m_request.sizeLimit) {
        refuse(Error::TooLarge, tooLargeText(m_request.sizeLimit));
        return false;
    }
    m_received = size;
    if (m_request.bodySink) {
        if (m_request.bodySink(QByteArrayView(data, static_cast<qsizetype>(n)))) return true;
        refuse(Error::Aborted, tr("The answer could not be stored."));
        return false;
    }
    if (body.isEmpty()) {
        curl_off_t announced = -1;
        curl_easy_getinfo(m_easy, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &announced);
        if (announced > body.capacity() && announced <= m_request.sizeLimit)
            reserveBody(body, announced);
    }
    if (body.capacity() < size)
        body.reserve(
            std::min<qint64>(m_request.sizeLimit, std::max<qint64>(size, body.capacity() * 2)));
    body.append(data, static_cast<qsizetype>(n));
    return true;
}

// Progress is told from the event loop, never from inside libcurl, so that
// a receiver may abort the transfer.
void HttpTransfer::noteProgress() {
    if (m_progressQueued) return;
    m_progressQueued = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_progressQueued = false;
            if (m_running) emit progress();
        },
        Qt::QueuedConnection);
}

void HttpTransfer::done(int curlCode) {
    if (!m_running) return;
    const auto code = static_cast<CURLcode>(curlCode);
    // libcurl takes an answer that ends inside its head for a whole one.
    if (code == CURLE_OK && !m_headComplete)
        return fail(Error::CutShort, tr("The connection ended inside the answer's header."));
    if (code == CURLE_OK) {
        long status = 0;
        curl_easy_getinfo(m_easy, CURLINFO_RESPONSE_CODE, &status);
        m_result.status = static_cast<int>(status);
        const qsizetype afterVersion = m_statusLine.indexOf(' ');
        const qsizetype afterCode = m_statusLine.indexOf(' ', afterVersion + 1);
        m_result.reason =
            afterVersion < 0 || afterCode < 0 ? QByteArray() : m_statusLine.mid(afterCode + 1);
        m_result.headers.clear();
        curl_header* h = nullptr;
        while ((h = curl_easy_nextheader(m_easy, CURLH_HEADER, -1, h)))
            m_result.headers.emplaceBack(QByteArray(h->name), QByteArray(h->value));
        m_result.error = Error::None;
        m_result.errorText.clear();
        return finish();
    }
    if (m_refusal != Error::None) return fail(m_refusal, m_refusalText);

    const QString why = QString::fromUtf8(m_curlError.get()).simplified();
    const QString said = why.isEmpty() ? QString::fromUtf8(curl_easy_strerror(code)) : why;
    long status = 0;
    curl_easy_getinfo(m_easy, CURLINFO_RESPONSE_CODE, &status);
    const auto cannotConnect = [&] {
        return tr("Cannot connect to %1: %2").arg(QString::fromLatin1(m_hostHeader), said);
    };
    switch (code) {
        case CURLE_COULDNT_RESOLVE_HOST:
            return fail(Error::HostNotFound, cannotConnect());
        case CURLE_COULDNT_RESOLVE_PROXY:
        case CURLE_PROXY:
            return fail(Error::Connect, cannotConnect());
        case CURLE_COULDNT_CONNECT: {
            long osError = 0;
            curl_easy_getinfo(m_easy, CURLINFO_OS_ERRNO, &osError);
            return fail(osError == ECONNREFUSED ? Error::Refused : Error::Connect, cannotConnect());
        }
        case CURLE_PEER_FAILED_VERIFICATION:
            return fail(Error::Tls, tr("The server's certificate was refused: %1").arg(said));
        case CURLE_SSL_CONNECT_ERROR:
        case CURLE_SSL_CERTPROBLEM:
        case CURLE_SSL_CIPHER:
        case CURLE_SSL_CACERT_BADFILE:
        case CURLE_SSL_ISSUER_ERROR:
        case CURLE_SSL_INVALIDCERTSTATUS:
        case CURLE_SSL_PINNEDPUBKEYNOTMATCH:
        case CURLE_SSL_CRL_BADFILE:
        case CURLE_USE_SSL_FAILED:
            return fail(Error::Tls, tr("The secure connection failed: %1").arg(said));
        case CURLE_GOT_NOTHING:
            return fail(Error::NoAnswer, tr("The server closed the connection without answering."));
        case CURLE_SEND_ERROR:
        case CURLE_RECV_ERROR: {
            // A broken connection, or libcurl refusing what it read.
            long osError = 0;
            curl_easy_getinfo(m_easy, CURLINFO_OS_ERRNO, &osError);
            if (osError == 0 && code == CURLE_RECV_ERROR && m_anyAnswer) break;
            if (!m_anyAnswer)
                return fail(Error::NoAnswer,
                            tr("The server closed the connection without answering."));
            return fail(Error::CutShort, tr("The connection ended before the whole answer."));
        }
        case CURLE_PARTIAL_FILE: {
            curl_off_t announced = -1;
            curl_easy_getinfo(m_easy, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &announced);
            if (announced >= 0)
                return fail(Error::CutShort, tr("The connection ended after %1 of %2 bytes.")
                                                 .arg(m_received)
                                                 .arg(announced));
            return fail(Error::CutShort, tr("The connection ended before the whole answer."));
        }
        case CURLE_FILESIZE_EXCEEDED:
            return fail(Error::TooLarge, tooLargeText(m_request.sizeLimit));
        case CURLE_TOO_MANY_REDIRECTS:
            return fail(Error::Redirect, tr("Too many redirects."));
        case CURLE_UNSUPPORTED_PROTOCOL:
        case CURLE_URL_MALFORMAT:
            if (status >= 300 && status < 400) {
                // Where it pointed: libcurl's resolved address, or the
                // Location as written where libcurl could not resolve it.
                const char* next = nullptr;
                curl_easy_getinfo(m_easy, CURLINFO_REDIRECT_URL, &next);
                return fail(
                    Error::Redirect,
                    tr("Refused a redirect to %1")
                        .arg(QString::fromUtf8(next ? QByteArray(next) : m_location).simplified()));
            }
            break;
        case CURLE_OPERATION_TIMEDOUT:
            return fail(Error::TimedOut, said);
        default:
            break;
    }
    fail(Error::Protocol, tr("The server's answer is not readable HTTP: %1").arg(said));
}

void HttpTransfer::onStallCheck() {
    if (!m_running) return;
    const qint64 quiet = m_lastActivity.elapsed();
    const qint64 limit = m_request.stallTimeout.count();
    if (quiet < limit) {
        m_stall.start(static_cast<int>(limit - quiet));
        return;
    }
    fail(Error::Stalled, (m_anyAnswer ? tr("The server sent nothing for %1 seconds.")
                                      : tr("The server sent no answer within %1 seconds."))
                             .arg(seconds(m_request.stallTimeout)));
}

void HttpTransfer::fail(HttpResult::Error error, const QString& text) {
    if (!m_running) return;
    m_result.error = error;
    m_result.errorText = text;
    m_result.body = QByteArray();
    finish();
}

void HttpTransfer::finish() {
    if (!m_running) return;
    stop();
    emit ended();
    emit finished();  // last: a receiver may delete this transfer
}

void HttpTransfer::abort() {
    if (!m_running) return;
    m_result.error = Error::Aborted;
    m_result.errorText = tr("The transfer was cancelled.");
    m_result.body = QByteArray();
    stop();
    emit ended();
}

void HttpTransfer::stop() {
    m_running = false;
    m_stall.stop();
    m_overall.stop();
    if (m_easy) {
        m_engine.driver().remove(this);
        curl_easy_cleanup(m_easy);
        m_easy = nullptr;
    }
    curl_slist_free_all(m_headerList);
    m_headerList = nullptr;
}
