#include "net/HttpTransfer.h"

#include <curl/curl.h>

#include <algorithm>

#ifdef Q_OS_LINUX
#include <sys/mman.h>
#endif

#include "net/CurlDriver.h"
#include "net/CurlEnd.h"
#include "net/CurlRequest.h"
#include "net/HttpAddress.h"
#include "net/HttpAnswerHead.h"
#include "net/HttpEngine.h"

namespace {

using Error = HttpResult::Error;

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
    if (const std::optional<QString> why = CurlRequest::refusal(m_request)) return badRequest(*why);
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
    ok = ok && set(CURLOPT_HEADERFUNCTION, &HttpTransfer::onHeader) &&
         set(CURLOPT_HEADERDATA, this) && set(CURLOPT_WRITEFUNCTION, &HttpTransfer::onBody) &&
         set(CURLOPT_WRITEDATA, this) &&
         set(CURLOPT_PREREQFUNCTION, &HttpTransfer::beforeRequest) && set(CURLOPT_PREREQDATA, this);
    return ok && CurlRequest::configure(e, m_request, m_secure, &m_headerList);
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
    t->m_head.restart();
    return CURL_PREREQFUNC_OK;
}

void HttpTransfer::refuse(HttpResult::Error error, const QString& text) {
    if (m_refusal != Error::None) return;
    m_refusal = error;
    m_refusalText = text;
}

bool HttpTransfer::takeHeaderLine(QByteArrayView line) {
    touch();
    m_anyAnswer = true;
    noteProgress();
    QString why;
    if (m_head.take(m_easy, line, &why)) return true;
    refuse(Error::Protocol, why);
    return false;
}

// Activity is marked by the engine for the socket the bytes came from.
bool HttpTransfer::takeBody(const char* data, size_t n) {
    noteProgress();
    QByteArray& body = m_result.body;
    const qint64 size = m_received + static_cast<qint64>(n);
    if (size > m_request.sizeLimit) {
        refuse(Error::TooLarge, CurlEnd::tooLargeText(m_request.sizeLimit));
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
    if (code == CURLE_OK && !m_head.complete())
        return fail(Error::CutShort, tr("The connection ended inside the answer's header."));
    if (code == CURLE_OK) {
        long status = 0;
        curl_easy_getinfo(m_easy, CURLINFO_RESPONSE_CODE, &status);
        m_result.status = static_cast<int>(status);
        const QByteArray& statusLine = m_head.statusLine();
        const qsizetype afterVersion = statusLine.indexOf(' ');
        const qsizetype afterCode = statusLine.indexOf(' ', afterVersion + 1);
        m_result.reason =
            afterVersion < 0 || afterCode < 0 ? QByteArray() : statusLine.mid(afterCode + 1);
        m_result.headers.clear();
        curl_header* h = nullptr;
        while ((h = curl_easy_nextheader(m_easy, CURLH_HEADER, -1, h)))
            m_result.headers.emplaceBack(QByteArray(h->name), QByteArray(h->value));
        m_result.error = Error::None;
        m_result.errorText.clear();
        return finish();
    }
    if (m_refusal != Error::None) return fail(m_refusal, m_refusalText);

    CurlEnd end;
    end.easy = m_easy;
    end.code = curlCode;
    end.curlText = QString::fromUtf8(m_curlError.get());
    end.hostHeader = m_hostHeader;
    end.anyAnswer = m_anyAnswer;
    end.received = m_received;
    end.sizeLimit = m_request.sizeLimit;
    end.location = m_head.location();
    const CurlEnd::Failure failure = end.failure();
    fail(failure.error, failure.text);
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
