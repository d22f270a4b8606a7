#include "net/HttpAnswerHead.h"

#include <curl/curl.h>

#include <algorithm>

#include "net/HttpLimits.h"
#include "net/HttpTransfer.h"

namespace {
bool refuse(QString* why, const QString& text) {
    if (why) *why = text;
    return false;
}
}  // namespace

// One line of a head or of a trailer, whole, as libcurl read it. Each block
// of lines is capped, so neither an endless head nor an endless trailer
// takes more memory than the cap.
bool HttpAnswerHead::take(void* easy, QByteArrayView line, QString* why) {
    // A lone CR is no line end: libcurl would take "\rLocation: …" for the
    // end of the head and the rest for the body.
    const QByteArrayView text = line.endsWith("\r\n") ? line.chopped(2)
                                : line.endsWith('\n') ? line.chopped(1)
                                                      : line;
    if (text.size() == line.size() || text.contains('\r')) {
        return refuse(why, HttpTransfer::tr("The answer's header has a broken line."));
    }
    if (m_blockStart) {
        m_blockStart = false;
        m_blockBytes = 0;
        m_inTrailer = !line.startsWith("HTTP/");
        if (!m_inTrailer) m_statusLine = text.toByteArray();
    }
    m_blockBytes += line.size();
    if (m_blockBytes > HttpLimits::maxHeadSize) {
        return refuse(why, m_inTrailer ? HttpTransfer::tr("The answer's trailer is too large.")
                                       : HttpTransfer::tr("The answer's header is too large."));
    }
    if (!text.isEmpty()) return true;
    m_blockStart = true;
    return m_inTrailer || check(easy, why);
}

// The framing of a whole head, before any of its body: libcurl decodes
// chunked, and its other codings are not asked for; anything else would hand
// on bytes that are not the body.
bool HttpAnswerHead::check(void* easy, QString* why) {
    long status = 0;
    long version = 0;
    curl_easy_getinfo(easy, CURLINFO_RESPONSE_CODE, &status);
    curl_easy_getinfo(easy, CURLINFO_HTTP_VERSION, &version);
    // libcurl lets "HTTP/200 x" pass as an HTTP/2 status line of code 0.
    if (status < 100 || (version != CURL_HTTP_VERSION_1_0 && version != CURL_HTTP_VERSION_1_1)) {
        return refuse(why, HttpTransfer::tr("The server's answer is not HTTP."));
    }
    if (status == 101) {  // never asked for
        return refuse(why, HttpTransfer::tr("The server switched protocols."));
    }
    if (status < 200) return true;
    m_complete = true;
    curl_header* h = nullptr;
    if (status >= 300 && status < 400 &&
        curl_easy_header(easy, "Location", 0, CURLH_HEADER, -1, &h) == CURLHE_OK)
        m_location = h->value;
    if (curl_easy_header(easy, "Transfer-Encoding", 0, CURLH_HEADER, -1, &h) == CURLHE_OK &&
        (h->amount != 1 ||
         QByteArrayView(h->value).trimmed().compare("chunked", Qt::CaseInsensitive) != 0)) {
        return refuse(why, HttpTransfer::tr("The answer's transfer coding is not readable: %1")
                               .arg(QString::fromLatin1(h->value)));
    }
    // libcurl reads "12x" as 12 and takes one of several lengths; a length
    // must be digits only, and the same wherever it is given.
    QByteArray length;
    for (size_t i = 0;
         curl_easy_header(easy, "Content-Length", i, CURLH_HEADER, -1, &h) == CURLHE_OK; ++i) {
        const QByteArray value = QByteArray(h->value).trimmed();
        const bool digits =
            !value.isEmpty() &&
            std::all_of(value.cbegin(), value.cend(), [](char c) { return c >= '0' && c <= '9'; });
        if (!digits || (i > 0 && value != length)) {
            return refuse(why, HttpTransfer::tr("The answer's length is unreadable."));
        }
        length = value;
        if (i + 1 >= h->amount) break;
    }
    return true;
}
