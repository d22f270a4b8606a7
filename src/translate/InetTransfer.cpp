#include "translate/InetTransfer.h"

#include <QRegularExpression>

#include "config/Failure.h"
#include "net/HttpAddress.h"
#include "net/HttpEngine.h"

namespace {

bool isToken(const QString& s) {
    static const QRegularExpression token(QStringLiteral("^[!#$%&'*+.^_`|~0-9A-Za-z-]+$"));
    return token.match(s).hasMatch();
}

}  // namespace

InetTransfer::InetTransfer(QObject* parent) : QObject(parent) {}

InetTransfer::~InetTransfer() = default;

void InetTransfer::Execute(const QString& url, const QString& operation, const QByteArray& data,
                           const QString& headers) {
    if (StillExecuting()) throw Failure(tr("A request is still running."));
    if (!HttpAddress::parse(url)) throw Failure(tr("Invalid address: %1").arg(url));

    const QString verb = operation.isEmpty() ? QStringLiteral("GET") : operation;
    if (!isToken(verb)) throw Failure(tr("Invalid method: %1").arg(operation));

    HttpRequest request;
    request.method = verb.toLatin1();
    request.address = url;
    request.body = data;
    request.sizeLimit = kMaxBodySize;
    request.stallTimeout = HttpLimits::translationStallTimeout;
    const QStringList lines =
        headers.split(QRegularExpression(QStringLiteral("[\r\n]+")), Qt::SkipEmptyParts);
    for (const QString& line : lines) {
        const qsizetype colon = line.indexOf(QLatin1Char(':'));
        bool latin1 = true;
        for (const QChar c : line) latin1 = latin1 && c.unicode() <= 0xFF;
        if (colon < 0 || !isToken(line.left(colon).trimmed()) || !latin1)
            throw Failure(tr("Invalid header line: %1").arg(line));
        // Sent as written: "user-agent:..." keeps its case and its missing space.
        request.headerLines << line.toLatin1();
    }

    m_body = QByteArray();
    m_readPos = 0;
    m_state = icNone;
    m_contentType.clear();
    m_errorText.clear();
    m_httpStatus = 0;
    m_transfer = HttpEngine::forThread().start(request);
    if (!m_transfer->isRunning()) {
        const QString why = m_transfer->result().errorText;
        m_transfer.reset();
        throw Failure(why);
    }
    connect(m_transfer.get(), &HttpTransfer::progress, this, &InetTransfer::DataArrived);
    connect(m_transfer.get(), &HttpTransfer::finished, this, &InetTransfer::onFinished);
}

QByteArray InetTransfer::GetChunk(qint64 size) {
    if (m_state != icResponseCompleted || size <= 0 || m_readPos >= m_body.size()) {
        // Handed out in full: the memory is not needed any more.
        if (m_state == icResponseCompleted && m_readPos >= m_body.size()) m_body = QByteArray();
        return QByteArray();
    }
    QByteArray piece = m_body.mid(m_readPos, size);
    m_readPos += piece.size();
    return piece;
}

void InetTransfer::abort() {
    if (!m_transfer) return;
    disconnect(m_transfer.get(), nullptr, this, nullptr);
    m_transfer.reset();
    m_body = QByteArray();
    m_readPos = 0;
    m_state = icNone;
}

void InetTransfer::onFinished() {
    HttpResult result = m_transfer->takeResult();
    disconnect(m_transfer.get(), nullptr, this, nullptr);
    m_transfer.reset();
    m_readPos = 0;
    if (!result.ok()) {
        m_body = QByteArray();
        m_errorText = result.errorText;
        m_state = icError;
    } else {
        // Whatever the HTTP status: an error page is the answer too.
        m_body = std::move(result.body);
        m_contentType = result.header("Content-Type");
        m_httpStatus = result.status;
        m_state = icResponseCompleted;
    }
    emit StateChanged(m_state);
}
