#include "translate/TranslationPipeline.h"

#include "config/ConfigDocument.h"
#include "config/Failure.h"
#include "translate/AnswerCollection.h"
#include "translate/AnswerDecoding.h"
#include "translate/InetTransfer.h"
#include "translate/ResultDecode.h"
#include "translate/ResultExtraction.h"
#include "translate/TranslationRequest.h"
#include "translate/UrlEncode.h"

TranslationPipeline::TranslationPipeline(QObject* parent) : QObject(parent) {
    m_ownTimer.setInterval(defaultStallTimeoutMs);
    m_timer = &m_ownTimer;
}

TranslationPipeline::~TranslationPipeline() {
    *m_alive = false;
    stopTimer();
    if (InetTransfer* transfer = m_transfer) {
        disconnect(transfer, nullptr, this, nullptr);
        transfer->abort();
        // It may be the sender of the signal being handled right now.
        transfer->setParent(nullptr);
        transfer->deleteLater();
    }
}

InetTransfer* TranslationPipeline::transfer() const {
    return m_transfer;
}

void TranslationPipeline::setStallTimer(QTimer* timer) {
    m_timer = timer ? timer : &m_ownTimer;
}

void TranslationPipeline::setStallTimeout(int milliseconds) {
    m_ownTimer.setInterval(milliseconds);
}

QString TranslationPipeline::tooLong(qsizetype characters) {
    return tr("The text is too long to send (%1 characters in its request; at most %2).")
        .arg(characters)
        .arg(HttpLimits::maxRequestAddress);
}

QString TranslationPipeline::withCrLf(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

QString TranslationPipeline::encodedText(const QString& text) {
    return UrlEncode(withCrLf(text), systemCodePage());
}

bool TranslationPipeline::start(const ConfigDocument& doc, const QString& engine,
                                const QString& pair, const QString& text, Failed* why) {
    const auto refuse = [why](Fault fault, const QString& detail) {
        if (why) *why = {fault, detail};
        return false;
    };
    if (m_transfer) return refuse(Fault::NotSent, tr("This pipeline has sent its request."));
    // Every character of the text takes at least one in the address: a text
    // this long is refused before it is encoded.
    if (text.size() > HttpLimits::maxRequestAddress)
        return refuse(Fault::NotSent, tooLong(text.size()));

    TranslationRequest request;
    try {
        const ConfigElement engineElement =
            doc.selectSingleNode(ConfigDocument::engineQuery(engine));
        const ConfigElement languageElement =
            doc.selectSingleNode(ConfigDocument::languageQuery(engine, pair));
        if (!engineElement) throw Failure(tr("no engine named %1").arg(engine));
        if (!languageElement) throw Failure(tr("no language pair named %1").arg(pair));
        request = TranslationRequest::build(engineElement, languageElement, encodedText(text));
        m_tokenBefore = engineElement.getAttribute("tokenbefore");
        m_tokenAfter = engineElement.getAttribute("tokenafter");
        m_decode = engineElement.getAttribute("decode").value_or(QString());
    } catch (const Failure& e) {
        return refuse(Fault::Unusable, e.message());
    }
    if (request.url.size() > HttpLimits::maxRequestAddress)
        return refuse(Fault::NotSent, tooLong(request.url.size()));
    m_server = request.serverName();

    auto* transfer = new InetTransfer(this);
    try {
        transfer->Execute(request.url, request.operation, QByteArray(), request.headers);
    } catch (const Failure& e) {
        delete transfer;
        return refuse(Fault::NotSent, e.message());
    }
    m_transfer = transfer;
    connect(transfer, &InetTransfer::StateChanged, this, &TranslationPipeline::onStateChanged);
    // A request that stalls times out, not a slow answer that keeps coming.
    connect(transfer, &InetTransfer::DataArrived, this, [this] {
        if (m_timerConnection && m_timer && m_timer->isActive()) m_timer->start();
    });
    m_running = true;
    if (m_timer) {
        m_timerConnection =
            connect(m_timer, &QTimer::timeout, this, &TranslationPipeline::onStalled);
        m_timer->start();
    }
    return true;
}

bool TranslationPipeline::cancel() {
    if (!m_running) return false;
    m_running = false;
    stopTimer();
    if (m_transfer) m_transfer->abort();
    return true;
}

void TranslationPipeline::stopTimer() {
    // Only while this translation holds it: a handed timer may serve the
    // next one by the time this object goes.
    if (!m_timerConnection) return;
    disconnect(m_timerConnection);
    m_timerConnection = {};
    if (m_timer) m_timer->stop();
}

void TranslationPipeline::fail(Fault fault, const QString& detail) {
    m_running = false;
    stopTimer();
    emit failed(fault, detail);
}

void TranslationPipeline::onStalled() {
    if (m_timer) m_timer->stop();
    if (!m_running || m_collecting || !m_transfer || !m_transfer->StillExecuting()) return;
    m_transfer->abort();
    fail(Fault::TimedOut);
}

void TranslationPipeline::onStateChanged(int state) {
    if (!m_running || !m_transfer) return;
    if (state == InetTransfer::icError) return fail(Fault::Unreachable, m_transfer->errorText());
    if (state != InetTransfer::icResponseCompleted) return;

    stopTimer();
    InetTransfer* const transfer = m_transfer;
    const int status = transfer->httpStatus();
    if (m_policy == StatusPolicy::SuccessOnly && (status < 200 || status > 299))
        return fail(Fault::HttpStatus, QString::number(status));

    const std::shared_ptr<bool> alive = m_alive;
    m_collecting = true;
    // The window's events run between pieces; they may cancel this
    // translation or destroy this object, so only the shared flag is read
    // first.
    const std::optional<QByteArray> body =
        collectAnswer(transfer, [alive, this] { return *alive && m_running; });
    if (!*alive) return;
    m_collecting = false;
    if (!body) return;

    const QString answer = decodeAnswer(*body, transfer->contentType());
    const std::optional<QString> result = m_tokenBefore && m_tokenAfter
                                              ? ExtractResult(answer, *m_tokenBefore, *m_tokenAfter)
                                              : std::nullopt;
    if (!result) return fail(Fault::NoTranslation);
    m_running = false;
    emit finished(decodeResult(*result, m_decode));
}
