#include "translate/TranslationPipeline.h"

#include <QRegularExpression>
#include <utility>

#include "config/Failure.h"
#include "config/ServiceDocument.h"
#include "net/HttpEngine.h"
#include "translate/AnswerDecoding.h"
#include "translate/ResultDecode.h"
#include "translate/ResultExtraction.h"
#include "translate/TranslationRequest.h"
#include "translate/UrlEncode.h"

void TranslationPipeline::Cancel::operator()() {
    if (m_requested) return;
    m_requested = true;
    if (m_running) m_running->abort();
    if (m_whenCancelled) std::exchange(m_whenCancelled, nullptr)();
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

QCoro::Task<TranslationPipeline::Result> TranslationPipeline::run(const ServiceDocument& doc,
                                                                  QString engine, QString pair,
                                                                  QString text, Options options) {
    Result out;
    const auto fail = [&out](Fault fault, const QString& detail = QString()) {
        out.fault = fault;
        out.detail = detail;
        return out;
    };
    if (options.cancel && options.cancel->requested()) co_return fail(Fault::Cancelled);
    // Every character of the text takes at least one in the address: a text
    // this long is refused before it is encoded.
    if (text.size() > HttpLimits::maxRequestAddress)
        co_return fail(Fault::NotSent, tooLong(text.size()));

    TranslationRequest built;
    std::optional<QString> tokenBefore, tokenAfter;
    QString decode;
    try {
        const ConfigElement engineElement = doc.engine(engine);
        const ConfigElement languageElement = doc.pair(engine, pair);
        if (!engineElement) throw Failure(tr("no engine named %1").arg(engine));
        if (!languageElement) throw Failure(tr("no language pair named %1").arg(pair));
        built = TranslationRequest::build(engineElement, languageElement, encodedText(text));
        tokenBefore = engineElement.getAttribute("tokenbefore");
        tokenAfter = engineElement.getAttribute("tokenafter");
        decode = engineElement.getAttribute("decode").value_or(QString());
    } catch (const Failure& e) {
        co_return fail(Fault::Unusable, e.message());
    }
    if (built.url.size() > HttpLimits::maxRequestAddress)
        co_return fail(Fault::NotSent, tooLong(built.url.size()));
    out.server = built.serverName();

    HttpRequest request;
    request.method = built.operation.isEmpty() ? QByteArray("GET") : built.operation.toLatin1();
    request.address = built.url;
    request.sizeLimit = HttpLimits::translationMaxBody;
    request.stallTimeout = options.stallTimeout;
    // The engine's extra line, sent as written ("user-agent:..." keeps its
    // case and its missing space); the engine checks the rest.
    const QStringList lines =
        built.headers.split(QRegularExpression(QStringLiteral("[\r\n]+")), Qt::SkipEmptyParts);
    for (const QString& line : lines) {
        for (const QChar c : line)
            if (c.unicode() > 0xFF)
                co_return fail(Fault::NotSent,
                               HttpTransfer::tr("Not a usable header line: %1").arg(line));
        request.headerLines << line.toLatin1();
    }

    // The job is a named local and its callback holds a plain pointer (the
    // frame keeps options): GCC 12 destroys the temporaries of a co_await
    // expression twice, which let go of the caller's Cancel once too often.
    Cancel* const watching = options.cancel.get();
    QCoro::Task<HttpResult> job =
        HttpEngine::forThread().fetch(std::move(request), [watching](HttpTransfer* t) {
            if (watching) watching->m_running = t;
        });
    const HttpResult result = co_await job;
    if (watching && watching->requested()) co_return fail(Fault::Cancelled);
    switch (result.error) {
        case HttpResult::Error::None:
            break;
        case HttpResult::Error::BadRequest:
            co_return fail(Fault::NotSent, result.errorText);
        case HttpResult::Error::Stalled:
            co_return fail(Fault::TimedOut);
        default:
            co_return fail(Fault::Unreachable, result.errorText);
    }
    if (options.policy == StatusPolicy::SuccessOnly && (result.status < 200 || result.status > 299))
        co_return fail(Fault::HttpStatus, QString::number(result.status));

    const QString answer = decodeAnswer(result.body, result.header("Content-Type"));
    const std::optional<QString> cut =
        tokenBefore && tokenAfter ? ExtractResult(answer, *tokenBefore, *tokenAfter) : std::nullopt;
    if (!cut) co_return fail(Fault::NoTranslation);
    out.shown = decodeResult(*cut, decode);
    co_return out;
}
