#include "cli/HeadlessTranslation.h"

#include <QLocale>
#include <QTextStream>

#include "config/ConfigDocument.h"
#include "config/ConfigElement.h"
#include "config/Failure.h"
#include "config/Globals.h"
#include "config/Settings.h"
#include "config/cVeRegistry.h"
#include "language/LanguageDetector.h"
#include "language/PairRule.h"
#include "platform/AppInfo.h"
#include "service/ConfigRequest.h"
#include "service/EngineLists.h"
#include "translate/Translator.h"

namespace {

// A failure line must stay one line, whatever a server or a document put in
// its texts.
QString asOneLine(const QString& text) {
    return text.simplified();
}

QString quoted(const QString& name) {
    return QLatin1Char('"') + name + QLatin1Char('"');
}

QString quotedList(const QStringList& names) {
    QStringList out;
    for (const QString& n : names) out += quoted(n);
    return out.isEmpty() ? HeadlessTranslation::tr("none") : out.join(QStringLiteral(", "));
}

}  // namespace

HeadlessTranslation::HeadlessTranslation(QTextStream& out, QTextStream& err)
    : m_out(out), m_err(err) {}

QString HeadlessTranslation::prefix() {
    return AppInfo::exeName() + QStringLiteral(": ");
}

int HeadlessTranslation::fail(int code, const QString& line) {
    m_err << prefix() << asOneLine(line) << Qt::endl;
    return code;
}

int HeadlessTranslation::detect(const QString& text) {
    const QString code = LanguageDetector::detect(text);
    if (!code.isEmpty()) {
        m_out << code << '\n';
        m_out.flush();
        return Success;
    }
    // A short text is not sure without the library; a longer one says when
    // the library is what is missing.
    const QString missing = LanguageDetector::loadError();
    return fail(Failed, missing.isEmpty()
                            ? tr("not sure")
                            : tr("language detection is not available: %1").arg(missing));
}

QCoro::Task<int> HeadlessTranslation::run(HeadlessRequest request) {
    if (request.detect) co_return detect(request.text);
    // The start-up's request with the values as stored; nothing is written,
    // so a missing date goes out as "Null" as when the store cannot keep one.
    cVeRegistry registry;
    m_host = AppInfo::configHost();
    const QString address = ConfigRequest::address(m_host, Settings(registry));

    Globals globals;
    ServiceDocument& doc = globals.service;
    QString why;
    // Jobs are named before they are awaited: GCC 12 destroys the
    // temporaries of a co_await expression (the copies of by-value
    // arguments) twice.
    QCoro::Task<bool> load = ConfigLoader::load(doc, address, m_configTimeoutMs, &why);
    if (!co_await load)
        co_return fail(Failed, tr("cannot load the configuration from %1: %2").arg(m_host, why));

    Translator translator(globals);
    try {
        const ConfigElement messages = doc.messages();
        if (!messages) throw Failure(tr("the document has no Messages element"));
        const QString endmessage = messages.joinedText("endmessage");
        if (!endmessage.isEmpty()) {
            const QString endurl = messages.joinedText("endurl");
            co_return fail(Refused, endurl.isEmpty() ? endmessage
                                                     : endmessage + QStringLiteral(" (") + endurl +
                                                           QLatin1Char(')'));
        }
        if (request.list) co_return list(doc);
        if (request.printSource) {  // nothing is translated
            QCoro::Task<int> job = translate(translator, doc, request);
            co_return co_await job;
        }

        // Refused before anything else is looked at; the message may be
        // missing here.
        // Translating back is a second translation.
        if (translator.limitReached() || (request.back && doc.maxTranslations() < 2)) {
            const QString text = messages.joinedText("maxtranslation");
            co_return fail(Refused,
                           text.isEmpty() ? tr("the service allows no translations now") : text);
        }
        QCoro::Task<int> job = translate(translator, doc, request);
        co_return co_await job;
    } catch (const Failure& e) {
        co_return fail(Failed,
                       tr("the configuration from %1 cannot be used: %2").arg(m_host, e.message()));
    }
}

int HeadlessTranslation::list(const ConfigDocument& doc) {
    const QStringList engines = EngineLists::engineNames(doc);
    const int defaultEngine = EngineLists::pickEngine(doc, engines, QString());
    const QString mark = QLatin1Char(' ') + tr("[default]");

    // Built in full first, so that a fault in the document prints nothing.
    QStringList lines;
    for (qsizetype e = 0; e < engines.size(); ++e) {
        const QString& engine = engines.at(e);
        const QList<EngineLists::Pair> pairs = EngineLists::pairs(doc, engine);
        const int defaultPair =
            pairs.isEmpty() ? -1
                            : EngineLists::pickPair(doc, engine,
                                                    EngineLists::pairNames(doc, engine), QString());
        QStringList shown;
        for (qsizetype p = 0; p < pairs.size(); ++p) {
            const EngineLists::Pair& pair = pairs.at(p);
            QString item = pair.name;
            if (pair.hasCodes()) item += QStringLiteral(" (%1 → %2)").arg(pair.from, pair.to);
            shown += p == defaultPair ? item + mark : item;
        }
        lines += (e == defaultEngine ? engine + mark : engine) + QStringLiteral(": ") +
                 shown.join(QStringLiteral(", "));
    }
    for (const QString& line : lines) m_out << line << '\n';
    m_out.flush();
    return Success;
}

QCoro::Task<int> HeadlessTranslation::translate(Translator& translator, const ConfigDocument& doc,
                                                HeadlessRequest request) {
    if (request.text.isEmpty() && !request.textSource)
        co_return fail(Usage, tr("there is no text to translate"));

    const QStringList engines = EngineLists::engineNames(doc);
    const int e = EngineLists::pickEngine(doc, engines, request.engine);
    if (e < 0)
        co_return fail(Usage, tr("unknown engine %1; the engines are %2")
                                  .arg(quoted(request.engine), quotedList(engines)));
    const QString& engine = engines.at(e);
    const QStringList pairs = EngineLists::pairNames(doc, engine);
    const bool automatic = request.pair == QLatin1String("auto") && !pairs.contains(request.pair);
    int p = EngineLists::pickPair(doc, engine, pairs, automatic ? QString() : request.pair);
    if (p < 0)
        co_return fail(Usage, tr("unknown language pair %1 of engine %2; its pairs are %3")
                                  .arg(quoted(request.pair), quoted(engine), quotedList(pairs)));
    QString text = request.text;
    if (request.textSource) {
        QString why;
        const std::optional<QString> made = request.textSource(doc, engine, pairs.at(p), &why);
        if (!made) co_return fail(Failed, why);
        if (request.printSource) {
            m_out << *made << '\n';
            m_out.flush();
            co_return Success;
        }
        text = *made;
    }

    const QList<EngineLists::Pair> coded = EngineLists::pairs(doc, engine);
    if (automatic) {
        // The rule the popup follows, from the engine's default pair.
        using Why = PairRule::Choice::Why;
        if (PairRule::choose(QString(), coded, p, request.to).why == Why::NoCodes)
            co_return fail(Usage, PairRule::noCodesText());
        const QString detected = LanguageDetector::detect(text);
        const PairRule::Choice choice = PairRule::choose(detected, coded, p, request.to);
        if (!request.to.isEmpty() && choice.why == Why::NotSure)
            co_return fail(Failed, tr("not sure which language the text is in"));
        if (!request.to.isEmpty() && choice.why == Why::NoMatch)
            co_return fail(Usage, tr("engine %1 has no language pair from %2 to %3")
                                      .arg(quoted(engine), detected, request.to));
        p = choice.index;
    }
    const int back = request.back ? PairRule::reverse(coded, p) : -1;
    if (request.back && back < 0)
        co_return fail(Usage, tr("engine %1 has no language pair that translates back from %2")
                                  .arg(quoted(engine), quoted(pairs.at(p))));

    QString shown, again;
    if (const int code = co_await send(translator, engine, pairs.at(p), text, &shown);
        code != Success)
        co_return code;
    if (request.back) {
        if (const int code = co_await send(translator, engine, pairs.at(back), shown, &again);
            code != Success)
            co_return code;
    }
    m_out << shown << '\n';
    if (request.back) m_out << again << '\n';
    m_out.flush();
    co_return Success;
}

QCoro::Task<int> HeadlessTranslation::send(Translator& translator, const QString& engine,
                                           const QString& pair, const QString& text,
                                           QString* shown) {
    Translator::Request ask;
    ask.engine = engine;
    ask.pair = pair;
    ask.text = text;
    ask.origin = Translator::Origin::CommandLine;
    ask.policy = TranslationPipeline::StatusPolicy::SuccessOnly;
    ask.stallTimeout = std::chrono::milliseconds(m_translateTimeoutMs);
    QCoro::Task<Translator::Result> job = translator.translate(ask);
    const Translator::Result result = co_await job;

    if (result.ok()) {
        *shown = result.shown;
        co_return Success;
    }
    const QString what = tr("engine %1 at %2").arg(quoted(engine), result.server);
    const TranslationPipeline::Result& failure = result;
    switch (failure.fault) {
        case TranslationPipeline::Fault::Unusable:
            throw Failure(failure.detail);  // said like every other fault of the document
        case TranslationPipeline::Fault::NotSent:
            co_return fail(Failed, tr("cannot ask %1: %2").arg(what, failure.detail));
        case TranslationPipeline::Fault::Unreachable:
            co_return fail(Failed, tr("cannot reach %1: %2").arg(what, failure.detail));
        case TranslationPipeline::Fault::TimedOut:
            co_return fail(Failed,
                           tr("%1 sent no answer within %2 s")
                               .arg(what, QString::number(m_translateTimeoutMs / 1000.0, 'g',
                                                          QLocale::FloatingPointShortest)));
        case TranslationPipeline::Fault::HttpStatus:
            co_return fail(Failed, tr("%1 answered with HTTP status %2").arg(what, failure.detail));
        default:
            break;
    }
    co_return fail(
        Failed,
        tr("no translation found in the answer of %1 (its markers do not occur in it)").arg(what));
}
