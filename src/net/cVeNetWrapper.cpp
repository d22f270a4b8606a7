#include "net/cVeNetWrapper.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslConfiguration>
#include <QTimer>
#include <algorithm>

#ifdef Q_OS_LINUX
#include <sys/mman.h>
#endif

#include "net/DownloadAddress.h"
#include "net/DownloadError.h"

namespace {
const char* const formHeader = "application/x-www-form-urlencoded";

// Room for a body of known size. A large body is written once into fresh
// memory, and faulting it in 4 KiB pages costs more than copying it; on
// Linux ask for huge pages where the buffer spans them (a hint, ignored
// where not supported).
void reserveBody(QByteArray& result, qint64 size) {
    result.reserve(size);
#ifdef Q_OS_LINUX
    constexpr quintptr huge = quintptr(2) * 1024 * 1024;
    const quintptr start = reinterpret_cast<quintptr>(result.constData());
    const quintptr begin = (start + huge - 1) & ~(huge - 1);
    const quintptr end = (start + static_cast<quintptr>(size)) & ~(huge - 1);
    if (end > begin) madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
#endif
}
}  // namespace

cVeNetWrapper::cVeNetWrapper() : m_session(std::make_unique<QNetworkAccessManager>()) {}

cVeNetWrapper::~cVeNetWrapper() = default;

void cVeNetWrapper::raiseDownloadError() {
    throw DownloadError(errorNumber, QStringLiteral("cVeNetWrapper.Download"),
                        QStringLiteral("Download Error, cannot read file."));
}

QByteArray cVeNetWrapper::Download(const QString& strUrl, const QString& strPostData,
                                   qint32 lngPort) {
    if (m_cancelled) raiseDownloadError();
    const std::optional<DownloadAddress> address = DownloadAddress::split(strUrl);
    if (!address) raiseDownloadError();
    const std::optional<int> port = DownloadAddress::portFromArgument(lngPort);
    if (!port) raiseDownloadError();

    QUrl url = address->toUrl(*port);
    if (!url.isValid() || url.isEmpty()) return QByteArray();  // no host to connect to
    if (!m_username.isEmpty()) url.setUserName(m_username);
    if (!m_password.isEmpty()) url.setPassword(m_password);

    const bool secure = *port == 443;
    QNetworkRequest request(url);
    request.setRawHeader("User-Agent", userAgent);
    // The body is handed on byte for byte (a wave file is stored as is), so ask
    // for it without any content coding.
    request.setRawHeader("Accept-Encoding", "identity");
    if (secure) {
        QSslConfiguration tls = request.sslConfiguration();
        tls.setPeerVerifyMode(QSslSocket::VerifyPeer);
        request.setSslConfiguration(tls);
    } else {
        request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                             QNetworkRequest::AlwaysNetwork);
        request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
        request.setRawHeader("Cache-Control", "no-cache");
        request.setRawHeader("Pragma", "no-cache");
    }

    QNetworkReply* reply = nullptr;
    if (strPostData.isEmpty()) {
        reply = m_session->get(request);
    } else {
        request.setRawHeader("Content-Type", formHeader);
        reply = m_session->post(request, strPostData.toUtf8());
    }
    const std::unique_ptr<QNetworkReply> owner(reply);

    QByteArray result;
    QEventLoop loop;
    QTimer stall;
    stall.setSingleShot(true);
    bool finished = false;
    bool requestSent = false;
    bool unreachable = false;
    bool failed = false;

    const auto fail = [&] {
        failed = true;
        reply->abort();
        loop.quit();
    };
    m_breakOff = fail;
    struct ForgetBreakOff {
        std::function<void()>& f;
        ~ForgetBreakOff() { f = nullptr; }
    } forget{m_breakOff};

    // Everything that has arrived, in as few copies as the reply allows.
    const auto drain = [&] {
        while (!failed && reply->bytesAvailable() > 0) {
            const qint64 n = reply->bytesAvailable();
            if (result.size() + n > m_maximumBodySize) return fail();
            if (result.capacity() < result.size() + n)
                result.reserve(std::min<qint64>(
                    m_maximumBodySize, std::max<qint64>(result.size() + n, result.capacity() * 2)));
            const qsizetype before = result.size();
            result.resize(before + n);
            const qint64 got = reply->read(result.data() + before, n);
            result.resize(before + std::max<qint64>(got, 0));
            if (got <= 0) break;
        }
    };
    // Marking activity is only a clock read; the timer is re-armed for the
    // time left when it fires, not on every piece of data.
    QElapsedTimer lastActivity;
    lastActivity.start();
    const auto alive = [&] { lastActivity.restart(); };

    QObject::connect(reply, &QNetworkReply::readyRead, &loop, [&] {
        alive();
        drain();
    });
    QObject::connect(reply, &QNetworkReply::metaDataChanged, &loop, [&] {
        alive();
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (!length.isValid()) return;
        const qint64 announced = length.toLongLong();
        if (announced > m_maximumBodySize) return fail();
        if (announced > result.capacity()) reserveBody(result, announced);
    });
    QObject::connect(reply, &QNetworkReply::requestSent, &loop, [&] {
        requestSent = true;
        alive();
    });
    QObject::connect(reply, &QNetworkReply::downloadProgress, &loop, alive);
    QObject::connect(reply, &QNetworkReply::uploadProgress, &loop, alive);
    QObject::connect(reply, &QNetworkReply::finished, &loop, [&] {
        finished = true;
        loop.quit();
    });
    QObject::connect(&stall, &QTimer::timeout, &loop, [&] {
        const qint64 quiet = lastActivity.elapsed();
        if (quiet < m_stallTimeout.count()) {
            stall.start(static_cast<int>(m_stallTimeout.count() - quiet));
            return;
        }
        // Silence before the request went out is a host that cannot be
        // reached, which is no error; silence from a server that has the
        // request is.
        if (!requestSent && result.isEmpty()) {
            unreachable = true;
            reply->abort();
            loop.quit();
            return;
        }
        fail();
    });

    stall.start(m_stallTimeout);
    if (reply->isFinished())
        finished = true;
    else
        loop.exec();
    stall.stop();

    if (failed) raiseDownloadError();
    if (!finished && !unreachable) {
        // The loop was ended from outside (the application is quitting): what
        // has arrived is not the whole body.
        QObject::disconnect(reply, nullptr, &loop, nullptr);
        reply->abort();
        raiseDownloadError();
    }
    drain();
    if (failed) raiseDownloadError();
    return result;
}

void cVeNetWrapper::Cancel() {
    m_cancelled = true;
    if (m_breakOff) m_breakOff();
}
