#include "cli/HeadlessTranslation.h"

#include <QEventLoop>
#include <QTextStream>
#include <QTimer>
#include <vector>

#include "config/ConfigDocument.h"
#include "config/ConfigElement.h"
#include "config/ConfigError.h"
#include "config/cVeRegistry.h"
#include "platform/AppInfo.h"
#include "translate/AnswerCollection.h"
#include "translate/AnswerDecoding.h"
#include "translate/InetTransfer.h"
#include "translate/ResultDecode.h"
#include "translate/ResultExtraction.h"
#include "translate/TransferError.h"
#include "translate/TranslationRequest.h"
#include "translate/UrlEncode.h"

namespace {

// A failure line must stay one line, whatever a server or a document put in
// its texts.
QString oneLine(const QString& text) {
    return text.simplified();
}

QString quoted(const QString& name) {
    return QLatin1Char('"') + name + QLatin1Char('"');
}

QString quotedList(const QStringList& names) {
    QStringList out;
    for (const QString& n : names) out += quoted(n);
    return out.isEmpty() ? QStringLiteral("none") : out.join(QStringLiteral(", "));
}

struct Named {
    QString name;
    ConfigElement element;
};

// The children of a list element with their names, in document order.
std::vector<Named> namedChildren(const ConfigElement& parent) {
    std::vector<Named> out;
    for (const ConfigElement& child : parent.childNodes())
        out.push_back({child.requireText("name"), child});
    return out;
}

QStringList namesOf(const std::vector<Named>& list) {
    QStringList names;
    for (const Named& n : list) names += n.name;
    return names;
}

// The entry at a document's default position, as the window selects it.
const Named& atDefault(const std::vector<Named>& list, const ConfigElement& holder,
                       const char* what) {
    const int index = holder.requireInt16("default");
    if (index < 0 || index >= static_cast<int>(list.size()))
        throw ConfigError(QStringLiteral("the %1 default %2 selects none of %3 entries")
                              .arg(QLatin1String(what))
                              .arg(index)
                              .arg(list.size()));
    return list[static_cast<std::size_t>(index)];
}

const Named* byName(const std::vector<Named>& list, const QString& name) {
    // The first of equal names counts, as in every lookup of the document.
    for (const Named& n : list)
        if (n.name == name) return &n;
    return nullptr;
}

// The window sends a line break as carriage return and line feed, whatever
// form it came in.
QString withCrLf(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

}  // namespace

HeadlessTranslation::HeadlessTranslation(QTextStream& out, QTextStream& err)
    : m_out(out), m_err(err) {}

QString HeadlessTranslation::prefix() {
    return AppInfo::exeName() + QStringLiteral(": ");
}

int HeadlessTranslation::fail(int code, const QString& line) {
    m_err << prefix() << oneLine(line) << Qt::endl;
    return code;
}

int HeadlessTranslation::run(const HeadlessRequest& request) {
    // The start-up's request with the values as stored; nothing is written,
    // so a missing date goes out as "Null" as when the store cannot keep one.
    cVeRegistry registry;
    const QString section = cVeRegistry::programSection();
    const QString uid = registry.GetSetting(section, QStringLiteral("uid"), QString());
    const QString installdate =
        registry.GetSetting(section, QStringLiteral("installdate"), QStringLiteral("Null"));
    m_host = AppInfo::configHost();
    const QString address = ConfigLoader::requestAddress(m_host, uid, installdate);

    ConfigDocument doc;
    QString why;
    if (!ConfigLoader::load(doc, address, m_configTimeoutMs, &why))
        return fail(Failed, QStringLiteral("cannot load the configuration from ") + m_host +
                                QStringLiteral(": ") + why);

    try {
        const ConfigElement messages = doc.selectSingleNode(ConfigDocument::messagesQuery());
        if (!messages) throw ConfigError(QStringLiteral("the document has no Messages element"));
        const QString endmessage = messages.joinedText("endmessage");
        if (!endmessage.isEmpty()) {
            const QString endurl = messages.joinedText("endurl");
            return fail(Refused, endurl.isEmpty() ? endmessage
                                                  : endmessage + QStringLiteral(" (") + endurl +
                                                        QLatin1Char(')'));
        }
        if (request.list) return list(doc);

        // No translation has been made in this run, so the limit refuses
        // only when it is 0 or below.
        const ConfigElement features = doc.selectSingleNode(ConfigDocument::featuresQuery());
        if (features.requireInt32("maxtranslation") <= 0) {
            const QString text = messages.joinedText("maxtranslation");
            return fail(Refused, text.isEmpty()
                                     ? QStringLiteral("the service allows no translations now")
                                     : text);
        }
        return translate(doc, request);
    } catch (const ConfigError& e) {
        return fail(Failed, QStringLiteral("the configuration from ") + m_host +
                                QStringLiteral(" cannot be used: ") + e.message());
    }
}

int HeadlessTranslation::list(const ConfigDocument& doc) {
    const ConfigElement engines = doc.selectSingleNode(ConfigDocument::enginesQuery());
    if (!engines) throw ConfigError(QStringLiteral("the document has no Engines element"));
    const std::vector<Named> all = namedChildren(engines);
    const QString defaultEngine = atDefault(all, engines, "Engines").name;
    const QString mark = QStringLiteral(" [default]");

    // Built in full first, so that a fault in the document prints nothing.
    QStringList lines;
    for (const Named& engine : all) {
        const ConfigElement languages =
            doc.selectSingleNode(ConfigDocument::languagesQuery(engine.name));
        if (!languages)
            throw ConfigError(QStringLiteral("engine ") + quoted(engine.name) +
                              QStringLiteral(" has no Languages element"));
        const std::vector<Named> pairs = namedChildren(languages);
        const Named* defaultPair =
            pairs.empty() ? nullptr : &atDefault(pairs, languages, "Languages");
        QStringList shown;
        for (const Named& pair : pairs)
            shown += &pair == defaultPair ? pair.name + mark : pair.name;
        lines += (engine.name == defaultEngine ? engine.name + mark : engine.name) +
                 QStringLiteral(": ") + shown.join(QStringLiteral(", "));
    }
    for (const QString& line : lines) m_out << line << '\n';
    m_out.flush();
    return Success;
}

int HeadlessTranslation::translate(const ConfigDocument& doc, const HeadlessRequest& request) {
    if (request.text.isEmpty()) return fail(Usage, QStringLiteral("there is no text to translate"));

    const ConfigElement engines = doc.selectSingleNode(ConfigDocument::enginesQuery());
    if (!engines) throw ConfigError(QStringLiteral("the document has no Engines element"));
    const std::vector<Named> all = namedChildren(engines);
    const Named* engine = request.engine.isEmpty() ? &atDefault(all, engines, "Engines")
                                                   : byName(all, request.engine);
    if (!engine)
        return fail(Usage, QStringLiteral("unknown engine ") + quoted(request.engine) +
                               QStringLiteral("; the engines are ") + quotedList(namesOf(all)));

    const ConfigElement languages =
        doc.selectSingleNode(ConfigDocument::languagesQuery(engine->name));
    if (!languages)
        throw ConfigError(QStringLiteral("engine ") + quoted(engine->name) +
                          QStringLiteral(" has no Languages element"));
    const std::vector<Named> pairs = namedChildren(languages);
    const Named* pair = request.pair.isEmpty() ? &atDefault(pairs, languages, "Languages")
                                               : byName(pairs, request.pair);
    if (!pair)
        return fail(Usage, QStringLiteral("unknown language pair ") + quoted(request.pair) +
                               QStringLiteral(" of engine ") + quoted(engine->name) +
                               QStringLiteral("; its pairs are ") + quotedList(namesOf(pairs)));

    // The lookups of the Translate command, by the same expressions.
    const ConfigElement engineElement =
        doc.selectSingleNode(ConfigDocument::engineQuery(engine->name));
    const ConfigElement languageElement =
        doc.selectSingleNode(ConfigDocument::languageQuery(engine->name, pair->name));
    const TranslationRequest wire = TranslationRequest::build(
        engineElement, languageElement, UrlEncode(withCrLf(request.text), systemCodePage()));
    const QString what = QStringLiteral("engine ") + quoted(engine->name) + QStringLiteral(" at ") +
                         wire.serverName();

    InetTransfer transfer;
    try {
        transfer.Execute(wire.url, wire.operation, QByteArray(), wire.headers);
    } catch (const TransferError& e) {
        return fail(Failed,
                    QStringLiteral("cannot ask ") + what + QStringLiteral(": ") + e.message());
    }

    QEventLoop loop;
    QTimer stalled;
    stalled.setSingleShot(true);
    stalled.setInterval(m_translateTimeoutMs);
    QObject::connect(&transfer, &InetTransfer::StateChanged, &loop, [&loop](int state) {
        if (state == InetTransfer::icError || state == InetTransfer::icResponseCompleted)
            loop.quit();
    });
    QObject::connect(&transfer, &InetTransfer::DataArrived, &stalled,
                     [&stalled] { stalled.start(); });
    QObject::connect(&stalled, &QTimer::timeout, &loop, &QEventLoop::quit);
    stalled.start();
    if (transfer.state() == InetTransfer::icNone) loop.exec();

    if (transfer.state() == InetTransfer::icNone) {
        transfer.abort();
        return fail(
            Failed,
            what +
                QStringLiteral(" sent no answer within %1 s").arg(m_translateTimeoutMs / 1000.0));
    }
    if (transfer.state() == InetTransfer::icError)
        return fail(Failed, QStringLiteral("cannot reach ") + what + QStringLiteral(": ") +
                                transfer.errorText());
    const int status = transfer.httpStatus();
    if (status < 200 || status > 299)
        return fail(Failed,
                    what + QStringLiteral(" answered with HTTP status ") + QString::number(status));

    const std::optional<QByteArray> body = collectAnswer(&transfer, {});
    const QString answer = decodeAnswer(body.value_or(QByteArray()), transfer.contentType());
    const std::optional<QString> before = engineElement.getAttribute("tokenbefore");
    const std::optional<QString> after = engineElement.getAttribute("tokenafter");
    const std::optional<QString> result =
        before && after ? ::ExtractResult(answer, *before, *after) : std::nullopt;
    if (!result)
        return fail(Failed, QStringLiteral("no translation found in the answer of ") + what +
                                QStringLiteral(" (its markers do not occur in it)"));

    m_out << decodeResult(*result, engineElement.getAttribute("decode").value_or(QString()))
          << '\n';
    m_out.flush();
    return Success;
}
