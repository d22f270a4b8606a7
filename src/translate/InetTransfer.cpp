#include "translate/InetTransfer.h"

#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QRegularExpression>
#include <QUrl>

#include "translate/TransferError.h"

namespace {

bool isToken(const QString& s) {
    static const QRegularExpression token(QStringLiteral("^[!#$%&'*+.^_`|~0-9A-Za-z-]+$"));
    return token.match(s).hasMatch();
}

// Replies that failed only because of their HTTP status still carry the
// server's page, which counts as the answer.
bool isHttpStatusError(QNetworkReply::NetworkError e) {
    return (e >= QNetworkReply::ContentAccessDenied && e <= QNetworkReply::UnknownContentError) ||
           (e >= QNetworkReply::ProtocolInvalidOperationError &&
            e < QNetworkReply::ProtocolFailure) ||
           (e >= QNetworkReply::InternalServerError && e <= QNetworkReply::UnknownServerError);
}

// One manager for every transfer of the thread: a new manager per request
// would pay its set-up and lose the kept-alive connection each time.
QNetworkAccessManager* sharedManager() {
    thread_local QPointer<QNetworkAccessManager> manager;
    if (!manager) manager = new QNetworkAccessManager(QCoreApplication::instance());
    return manager;
}

}  // namespace

InetTransfer::InetTransfer(QObject* parent) : QObject(parent), m_nam(sharedManager()) {}

InetTransfer::~InetTransfer() {
    abort();
}

void InetTransfer::Execute(const QString& url, const QString& operation, const QByteArray& data,
                           const QString& headers) {
    if (m_reply) throw TransferError(QStringLiteral("A request is still running."));

    // fromEncoded keeps the %XX the caller wrote (QUrl only folds escapes of
    // letters, digits and "-._~", which mean the same to every server).
    const QUrl target = QUrl::fromEncoded(url.toUtf8(), QUrl::TolerantMode);
    if (!target.isValid() || target.isRelative() || target.host().isEmpty())
        throw TransferError(QStringLiteral("Invalid address: ") + url);
    const QString scheme = target.scheme().toLower();
    if (scheme != QLatin1String("http") && scheme != QLatin1String("https"))
        throw TransferError(QStringLiteral("Unsupported protocol: ") + target.scheme());

    const QString verb = operation.isEmpty() ? QStringLiteral("GET") : operation;
    if (!isToken(verb)) throw TransferError(QStringLiteral("Invalid method: ") + operation);

    QNetworkRequest request(target);
    const QStringList lines =
        headers.split(QRegularExpression(QStringLiteral("[\r\n]+")), Qt::SkipEmptyParts);
    for (const QString& line : lines) {
        const qsizetype colon = line.indexOf(QLatin1Char(':'));
        const QString name = colon < 0 ? QString() : line.left(colon).trimmed();
        const QString value = line.mid(colon + 1).trimmed();
        bool latin1 = true;
        for (const QChar c : value) latin1 = latin1 && c.unicode() <= 0xFF;
        if (!isToken(name) || !latin1)
            throw TransferError(QStringLiteral("Invalid header line: ") + line);
        request.setRawHeader(name.toLatin1(), value.toLatin1());
    }

    m_body.clear();
    m_readPos = 0;
    m_contentType.clear();
    m_errorText.clear();
    m_httpStatus = 0;
    m_state = icNone;

    if (verb == QLatin1String("GET") && data.isEmpty()) {
        m_reply = m_nam->get(request);
    } else {
        // Also for POST: an empty body goes out as "Content-Length: 0".
        m_reply = m_nam->sendCustomRequest(request, verb.toLatin1(), data);
    }
    connect(m_reply, &QNetworkReply::metaDataChanged, this, &InetTransfer::onMetaData);
    connect(m_reply, &QNetworkReply::readyRead, this, &InetTransfer::onReadyRead);
    connect(m_reply, &QNetworkReply::finished, this, &InetTransfer::onFinished);
}

QByteArray InetTransfer::GetChunk(qint64 size) {
    if (m_state != icResponseCompleted || size <= 0 || m_readPos >= m_body.size()) {
        // Handed out in full: the memory is not needed any more.
        if (m_state == icResponseCompleted && m_readPos >= m_body.size()) m_body = QByteArray();
        return QByteArray();
    }
    const QByteArray piece = m_body.mid(m_readPos, size);
    m_readPos += piece.size();
    return piece;
}

void InetTransfer::abort() {
    if (!m_reply) return;
    dropReply();
    m_body = QByteArray();
    m_readPos = 0;
    m_state = icNone;
}

void InetTransfer::dropReply() {
    QNetworkReply* reply = m_reply;
    m_reply = nullptr;
    disconnect(reply, nullptr, this, nullptr);
    reply->abort();
    reply->deleteLater();
}

void InetTransfer::onMetaData() {
    m_contentType = m_reply->header(QNetworkRequest::ContentTypeHeader).toByteArray();
    m_httpStatus = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    // Refuse an announced oversized body before any of it is stored.
    const QVariant length = m_reply->header(QNetworkRequest::ContentLengthHeader);
    if (length.isValid() && length.toLongLong() > kMaxBodySize &&
        m_reply->rawHeader("Content-Encoding").isEmpty()) {
        fail(QStringLiteral("The answer is larger than 32 MiB."));
    }
}

void InetTransfer::onReadyRead() {
    // readyRead may come in few large batches: take all that is there.
    while (m_reply && m_reply->bytesAvailable() > 0) {
        const qint64 room = kMaxBodySize - m_body.size();
        const QByteArray piece = m_reply->read(qMin<qint64>(m_reply->bytesAvailable(), room + 1));
        if (piece.size() > room) {
            fail(QStringLiteral("The answer is larger than 32 MiB."));
            return;
        }
        m_body.append(piece);
        emit DataArrived();
    }
}

void InetTransfer::onFinished() {
    if (!m_reply) return;
    onReadyRead();
    if (!m_reply) return;  // failed while reading the rest
    const QNetworkReply::NetworkError error = m_reply->error();
    const bool answered = error == QNetworkReply::NoError ||
                          (isHttpStatusError(error) &&
                           m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid());
    if (!answered) {
        fail(m_reply->errorString());
        return;
    }
    m_contentType = m_reply->header(QNetworkRequest::ContentTypeHeader).toByteArray();
    m_httpStatus = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    m_reply->deleteLater();
    disconnect(m_reply, nullptr, this, nullptr);
    m_reply = nullptr;
    m_readPos = 0;
    m_state = icResponseCompleted;
    emit StateChanged(m_state);
}

void InetTransfer::fail(const QString& reason) {
    dropReply();
    m_body = QByteArray();
    m_readPos = 0;
    m_errorText = reason;
    m_state = icError;
    emit StateChanged(m_state);
}
