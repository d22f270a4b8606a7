#include "net/HttpTransfer.h"

#include <QSslSocket>
#include <QTcpSocket>
#include <algorithm>

#ifdef Q_OS_LINUX
#include <sys/mman.h>
#endif

#include "net/HttpEngine.h"

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

// Header names the engine writes itself.
bool isFramingHeader(QByteArrayView name) {
    for (const char* own : {"host", "content-length", "transfer-encoding", "connection"})
        if (name.compare(own, Qt::CaseInsensitive) == 0) return true;
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

bool isRedirect(int status) {
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
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
    : m_engine(engine), m_request(std::move(request)), m_method(m_request.method) {
    m_stall.setSingleShot(true);
    m_overall.setSingleShot(true);
    connect(&m_stall, &QTimer::timeout, this, &HttpTransfer::onStallCheck);
    connect(&m_overall, &QTimer::timeout, this, [this] {
        fail(Error::TimedOut, QStringLiteral("The transfer took longer than %1 seconds.")
                                  .arg(seconds(m_request.overallBound)));
    });
}

HttpTransfer::~HttpTransfer() {
    abort();
}

// Checks the request and builds its head; false (with the result set) when
// it cannot be sent.
bool HttpTransfer::prepare(const QString& address) {
    const std::optional<HttpAddress> parsed = HttpAddress::parse(address);
    if (!parsed) {
        m_result.error = Error::BadRequest;
        m_result.errorText = QStringLiteral("Not a usable address: ") + address;
        return false;
    }
    if (!isToken(m_method)) {
        m_result.error = Error::BadRequest;
        m_result.errorText =
            QStringLiteral("Not a usable method: ") + QString::fromLatin1(m_method);
        return false;
    }
    m_address = *parsed;

    QByteArray head =
        m_method + ' ' + m_address.target + " HTTP/1.1\r\nHost: " + m_address.hostHeader + "\r\n";
    const QString user = m_request.username.isEmpty() ? m_address.username : m_request.username;
    const QString password = m_request.username.isEmpty() ? m_address.password : m_request.password;
    if (!user.isEmpty())
        head += "Authorization: Basic " + (user + u':' + password).toUtf8().toBase64() + "\r\n";
    for (const QByteArray& line : std::as_const(m_request.headerLines)) {
        const qsizetype colon = line.indexOf(':');
        const QByteArray name = line.left(colon).trimmed();
        if (colon < 0 || !isToken(name) || isFramingHeader(name) || line.contains('\r') ||
            line.contains('\n') || line.contains('\0')) {
            m_result.error = Error::BadRequest;
            m_result.errorText =
                QStringLiteral("Not a usable header line: ") + QString::fromLatin1(line);
            return false;
        }
        head += line + "\r\n";
    }
    const bool formMethod = m_method == "POST" || m_method == "PUT" || m_method == "PATCH";
    if (!m_request.body.isEmpty() || formMethod)
        head += "Content-Length: " + QByteArray::number(m_request.body.size()) + "\r\n";
    m_head = head + "\r\n";
    return true;
}

void HttpTransfer::connectNow() {
    if (!m_running) return;
    dropSocket();
    m_phase = Phase::Connecting;
    m_framing = Framing::None;
    m_in.clear();
    m_inPos = 0;
    m_anyAnswer = false;
    m_result.status = 0;
    m_result.reason.clear();
    m_result.headers.clear();
    m_result.body.clear();

    m_socket = m_engine.openSocket(m_address.secure, this);
    connect(m_socket, &QTcpSocket::readyRead, this, &HttpTransfer::onReadyRead);
    connect(m_socket, &QTcpSocket::bytesWritten, this, [this] { touch(); });
    connect(m_socket, &QTcpSocket::errorOccurred, this, &HttpTransfer::onSocketError);
    connect(m_socket, &QTcpSocket::disconnected, this, &HttpTransfer::onClosed);
    touch();
    m_stall.start(m_request.stallTimeout);
    if (auto* tls = qobject_cast<QSslSocket*>(m_socket)) {
        connect(tls, &QSslSocket::encrypted, this, &HttpTransfer::sendRequest);
        connect(tls, &QSslSocket::sslErrors, this, [this](const QList<QSslError>& errors) {
            QStringList texts;
            for (const QSslError& e : errors) texts << e.errorString();
            fail(Error::Tls, QStringLiteral("The server's certificate was refused: ") +
                                 texts.join(QStringLiteral("; ")));
        });
        tls->connectToHostEncrypted(m_address.host, m_address.port, m_address.host);
    } else {
        connect(m_socket, &QTcpSocket::connected, this, &HttpTransfer::sendRequest);
        m_socket->connectToHost(m_address.host, m_address.port);
    }
}

void HttpTransfer::sendRequest() {
    if (!m_socket || m_phase != Phase::Connecting) return;
    touch();
    m_phase = Phase::Head;
    m_socket->write(m_head);
    if (!m_request.body.isEmpty()) m_socket->write(m_request.body);
}

void HttpTransfer::onReadyRead() {
    if (!m_socket) return;
    touch();
    m_anyAnswer = true;
    if (!readIncoming()) return;
    emit progress();
}

// Takes in what the socket holds; false once this exchange is over (done,
// failed or redirected).
bool HttpTransfer::readIncoming() {
    while (m_socket && m_socket->bytesAvailable() > 0) {
        if (m_phase == Phase::Head) {
            m_in.append(m_socket->readAll());
            if (!parseHead()) return false;
            continue;
        }
        if (m_phase != Phase::Body) {
            m_socket->readAll();  // nothing is expected before the request is out
            continue;
        }
        if (m_framing == Framing::Chunked) {
            m_in.append(m_socket->readAll());
            if (!readChunks()) return false;
            continue;
        }
        qint64 n = m_socket->bytesAvailable();
        if (m_framing == Framing::Length) n = std::min(n, m_remaining);
        QByteArray& body = m_result.body;
        if (body.size() + n > m_request.sizeLimit) {
            failTooLarge();
            return false;
        }
        if (body.capacity() < body.size() + n)
            body.reserve(std::min<qint64>(m_request.sizeLimit,
                                          std::max<qint64>(body.size() + n, body.capacity() * 2)));
        const qsizetype before = body.size();
        body.resize(before + n);
        const qint64 got = m_socket->read(body.data() + before, n);
        body.resize(before + std::max<qint64>(got, 0));
        if (got <= 0) break;
        if (m_framing == Framing::Length) {
            m_remaining -= got;
            if (m_remaining == 0) {
                complete();
                return false;
            }
        }
    }
    return m_socket != nullptr;
}

// Reads the status line and headers once they are all in; false once this
// exchange is over.
bool HttpTransfer::parseHead() {
    for (;;) {
        qsizetype end = m_in.indexOf("\r\n\r\n");
        qsizetype skip = 4;
        const qsizetype bare = m_in.indexOf("\n\n");
        if (bare >= 0 && (end < 0 || bare < end)) {
            end = bare;
            skip = 2;
        }
        if (end < 0) {
            if (m_in.size() <= HttpLimits::maxHeadSize) return true;
            fail(Error::Protocol, QStringLiteral("The answer's header is too large."));
            return false;
        }
        const QList<QByteArray> lines = m_in.left(end).split('\n');
        const QByteArray rest = m_in.mid(end + skip);
        m_in.clear();

        const QByteArray statusLine = lines.first().trimmed();
        const QList<QByteArray> parts = statusLine.split(' ');
        bool ok = false;
        const int status = parts.value(1).toInt(&ok);
        if (!statusLine.startsWith("HTTP/1.") || !ok || status < 100 || status > 999 ||
            parts.value(1).size() != 3) {
            fail(Error::Protocol, QStringLiteral("The server's answer is not HTTP."));
            return false;
        }
        if (status >= 100 && status < 200) {
            if (status == 101) {
                fail(Error::Protocol, QStringLiteral("The server switched protocols."));
                return false;
            }
            m_in = rest;  // an interim answer: the real one follows
            continue;
        }
        m_result.status = status;
        m_result.reason = statusLine.mid(statusLine.indexOf(' ', 9) + 1);
        if (parts.size() < 3) m_result.reason.clear();
        m_result.headers.clear();
        for (qsizetype i = 1; i < lines.size(); ++i) {
            QByteArray line = lines[i];
            if (line.endsWith('\r')) line.chop(1);
            if ((line.startsWith(' ') || line.startsWith('\t')) && !m_result.headers.isEmpty()) {
                m_result.headers.last().second += ' ' + line.trimmed();
                continue;
            }
            const qsizetype colon = line.indexOf(':');
            if (colon <= 0) continue;
            m_result.headers.emplaceBack(line.left(colon).trimmed(), line.mid(colon + 1).trimmed());
        }

        const QByteArray location = m_result.header("Location");
        if (isRedirect(status) && !location.isEmpty()) {
            const QString next = m_address.resolve(location);
            const std::optional<HttpAddress> target = HttpAddress::parse(next);
            if (!target || (m_address.secure && !target->secure)) {
                fail(Error::Redirect, QStringLiteral("Refused a redirect to ") + next);
                return false;
            }
            if (++m_redirects > HttpLimits::maxRedirects) {
                fail(Error::Redirect, QStringLiteral("Too many redirects."));
                return false;
            }
            if (status == 303 || ((status == 301 || status == 302) && m_method == "POST")) {
                if (m_method != "HEAD") m_method = "GET";
                m_request.body.clear();
            }
            // Credentials stay with the server they were given for.
            if (target->origin() != m_address.origin()) {
                m_request.username.clear();
                m_request.password.clear();
            }
            dropSocket();
            if (!prepare(next)) {
                finish();
                return false;
            }
            QMetaObject::invokeMethod(this, &HttpTransfer::connectNow, Qt::QueuedConnection);
            return false;
        }

        m_phase = Phase::Body;
        const QByteArray coding = m_result.header("Transfer-Encoding").trimmed().toLower();
        const QByteArray length = m_result.header("Content-Length");
        if (m_method == "HEAD" || status == 204 || status == 304) {
            m_framing = Framing::None;
        } else if (!coding.isEmpty()) {
            m_framing = coding.endsWith("chunked") ? Framing::Chunked : Framing::Close;
        } else if (!length.isNull()) {
            qint64 n = -1;
            for (const auto& h : std::as_const(m_result.headers)) {
                if (h.first.compare("Content-Length", Qt::CaseInsensitive) != 0) continue;
                bool valid = !h.second.isEmpty();
                for (const char c : h.second) valid = valid && c >= '0' && c <= '9';
                const qint64 v = valid && h.second.size() <= 18 ? h.second.toLongLong() : -2;
                if (v < 0 || (n >= 0 && v != n)) {
                    fail(Error::Protocol, QStringLiteral("The answer's length is unreadable."));
                    return false;
                }
                n = v;
            }
            if (n > m_request.sizeLimit) {
                failTooLarge();
                return false;
            }
            m_framing = Framing::Length;
            m_remaining = n;
            if (n > m_result.body.capacity()) reserveBody(m_result.body, n);
        } else {
            m_framing = Framing::Close;
        }
        if (m_framing == Framing::None || (m_framing == Framing::Length && m_remaining == 0)) {
            complete();
            return false;
        }
        if (m_framing == Framing::Chunked) {
            m_chunkState = ChunkState::Size;
            m_in = rest;
            m_inPos = 0;
            return readChunks();
        }
        return takeBody(rest.constData(), rest.size());
    }
}

// Body bytes that arrived with the header; false once this exchange is over.
bool HttpTransfer::takeBody(const char* data, qint64 n) {
    if (m_framing == Framing::Length) n = std::min(n, m_remaining);
    if (m_result.body.size() + n > m_request.sizeLimit) {
        failTooLarge();
        return false;
    }
    m_result.body.append(data, n);
    if (m_framing == Framing::Length) {
        m_remaining -= n;
        if (m_remaining == 0) {
            complete();
            return false;
        }
    }
    return true;
}

// Works through the chunked framing in m_in; false once this exchange is over.
bool HttpTransfer::readChunks() {
    for (;;) {
        if (m_chunkState == ChunkState::Data) {
            const qint64 n = std::min<qint64>(m_remaining, m_in.size() - m_inPos);
            if (n == 0) break;
            if (m_result.body.size() + n > m_request.sizeLimit) {
                failTooLarge();
                return false;
            }
            m_result.body.append(m_in.constData() + m_inPos, n);
            m_inPos += n;
            m_remaining -= n;
            if (m_remaining == 0) m_chunkState = ChunkState::DataEnd;
            continue;
        }
        const qsizetype nl = m_in.indexOf('\n', m_inPos);
        if (nl < 0) {
            if (m_in.size() - m_inPos > HttpLimits::maxHeadSize) {
                fail(Error::Protocol, QStringLiteral("The answer's chunks are unreadable."));
                return false;
            }
            break;
        }
        QByteArray line = m_in.mid(m_inPos, nl - m_inPos);
        m_inPos = nl + 1;
        if (line.endsWith('\r')) line.chop(1);
        if (m_chunkState == ChunkState::DataEnd) {
            if (!line.isEmpty()) {
                fail(Error::Protocol, QStringLiteral("The answer's chunks are unreadable."));
                return false;
            }
            m_chunkState = ChunkState::Size;
        } else if (m_chunkState == ChunkState::Size) {
            const qsizetype semicolon = line.indexOf(';');
            const QByteArray digits = (semicolon < 0 ? line : line.left(semicolon)).trimmed();
            bool ok = !digits.isEmpty() && digits.size() <= 15;
            const qint64 size = ok ? digits.toLongLong(&ok, 16) : -1;
            if (!ok || size < 0) {
                fail(Error::Protocol, QStringLiteral("The answer's chunks are unreadable."));
                return false;
            }
            m_remaining = size;
            m_chunkState = size == 0 ? ChunkState::Trailer : ChunkState::Data;
        } else if (line.isEmpty()) {  // the end of the trailer
            complete();
            return false;
        }
    }
    if (m_inPos > 0) {
        m_in.remove(0, m_inPos);
        m_inPos = 0;
    }
    return true;
}

void HttpTransfer::onSocketError() {
    if (!m_socket) return;
    const QAbstractSocket::SocketError e = m_socket->error();
    if (e == QAbstractSocket::RemoteHostClosedError) return onClosed();
    if (m_phase == Phase::Connecting) {
        const bool tls = e == QAbstractSocket::SslHandshakeFailedError ||
                         e == QAbstractSocket::SslInternalError ||
                         e == QAbstractSocket::SslInvalidUserDataError;
        const Error kind = tls                                            ? Error::Tls
                           : e == QAbstractSocket::ConnectionRefusedError ? Error::Refused
                           : e == QAbstractSocket::HostNotFoundError      ? Error::HostNotFound
                                                                          : Error::Connect;
        return fail(kind,
                    QStringLiteral("Cannot connect to %1: %2")
                        .arg(QString::fromLatin1(m_address.hostHeader), m_socket->errorString()));
    }
    onClosed();
}

void HttpTransfer::onClosed() {
    if (!m_socket) return;
    if (!readIncoming()) return;
    if (m_phase == Phase::Body && m_framing == Framing::Close) return complete();
    if (m_phase == Phase::Connecting)
        return fail(Error::Connect,
                    QStringLiteral("Cannot connect to %1: %2")
                        .arg(QString::fromLatin1(m_address.hostHeader), m_socket->errorString()));
    if (m_phase == Phase::Head && !m_anyAnswer)
        return fail(Error::NoAnswer, QStringLiteral("The server closed the connection without "
                                                    "answering."));
    if (m_framing == Framing::Length)
        return fail(Error::CutShort, QStringLiteral("The connection ended after %1 of %2 bytes.")
                                         .arg(m_result.body.size())
                                         .arg(m_result.body.size() + m_remaining));
    fail(Error::CutShort, QStringLiteral("The connection ended before the whole answer."));
}

void HttpTransfer::onStallCheck() {
    if (!m_running) return;
    const qint64 quiet = m_lastActivity.elapsed();
    const qint64 limit = m_request.stallTimeout.count();
    if (quiet < limit) {
        m_stall.start(static_cast<int>(limit - quiet));
        return;
    }
    fail(Error::Stalled,
         (m_anyAnswer ? QStringLiteral("The server sent nothing for %1 seconds.")
                      : QStringLiteral("The server sent no answer within %1 seconds."))
             .arg(seconds(m_request.stallTimeout)));
}

void HttpTransfer::failTooLarge() {
    const qint64 limit = m_request.sizeLimit;
    const qint64 mib = 1024 * 1024;
    fail(Error::TooLarge, QStringLiteral("The answer is larger than %1.")
                              .arg(limit % mib == 0 ? QString::number(limit / mib) + " MiB"
                                                    : QString::number(limit) + " bytes"));
}

void HttpTransfer::complete() {
    m_result.error = Error::None;
    m_result.errorText.clear();
    finish();
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
    emit finished();  // last: a receiver may delete this transfer
}

void HttpTransfer::abort() {
    if (!m_running) return;
    m_result.error = Error::Aborted;
    m_result.errorText = QStringLiteral("The transfer was cancelled.");
    m_result.body = QByteArray();
    stop();
}

void HttpTransfer::stop() {
    m_running = false;
    m_phase = Phase::Done;
    m_stall.stop();
    m_overall.stop();
    dropSocket();
    m_in = QByteArray();
    if (m_waitLoop) m_waitLoop->quit();
}

void HttpTransfer::dropSocket() {
    if (!m_socket) return;
    QTcpSocket* socket = m_socket;
    m_socket = nullptr;
    disconnect(socket, nullptr, this, nullptr);
    socket->abort();
    // It may be the sender of the signal being handled right now.
    socket->deleteLater();
}

HttpResult HttpTransfer::wait(QEventLoop::ProcessEventsFlags flags) {
    if (m_running) {
        QEventLoop loop;
        m_waitLoop = &loop;
        loop.exec(flags);
        m_waitLoop = nullptr;
        if (m_running) {
            abort();  // the loop was ended from outside
            m_result.errorText = QStringLiteral("The wait for the transfer was broken off.");
        }
    }
    return m_result;
}
