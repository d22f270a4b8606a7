#include "cli/HeadlessCommandLine.h"

#include <QCommandLineParser>
#include <QFile>
#include <QStringDecoder>
#include <QTextStream>
#include <cstdio>

#include "cli/HistoryCommandLine.h"
#include "cli/ImageCommandLine.h"

namespace {

const QString kTranslate = QStringLiteral("translate");
const QString kEngine = QStringLiteral("engine");
const QString kPair = QStringLiteral("pair");
const QString kList = QStringLiteral("list");
const QString kDetect = QStringLiteral("detect");
const QString kTo = QStringLiteral("to");
const QString kBack = QStringLiteral("back");

// UTF-8 text to its end, without the last line's line break; nothing for
// bytes that are not UTF-8.
std::optional<QString> readText(QIODevice& input) {
    const QByteArray bytes = input.readAll();
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError()) return std::nullopt;
    // "echo text |" ends the text with a line break that is not part of it.
    if (text.endsWith(QLatin1Char('\n'))) text.chop(1);
    if (text.endsWith(QLatin1Char('\r'))) text.chop(1);
    return text;
}

}  // namespace

void HeadlessCommandLine::addOptions(QCommandLineParser& parser) {
    parser.addOption({kTranslate,
                      tr("Translate TEXT without opening a window and print the result; \"-\" "
                         "reads the text from standard input."),
                      tr("TEXT")});
    parser.addOption(
        {kEngine, tr("The engine to translate with (default: the service's)."), tr("NAME")});
    parser.addOption(
        {kPair, tr("The language pair to translate with (default: the engine's)."), tr("NAME")});
    parser.addOption({kList, tr("List the engines and their language pairs, with the codes of "
                                "their languages where known; the defaults are marked.")});
    parser.addOption({kDetect, tr("Print the code of the language of TEXT (the arguments, or "
                                  "standard input for none or \"-\"); exit 1 when not sure.")});
    parser.addOption({kTo,
                      tr("With --pair auto: translate into the language of this code (\"en\") "
                         "from the text's language."),
                      tr("CODE")});
    parser.addOption(
        {kBack, tr("With --translate: print the translation, then on the next line the "
                   "translation translated back with the reverse pair.")});
    HistoryCommandLine::addOptions(parser);
    ImageCommandLine::addOptions(parser);
}

bool HeadlessCommandLine::isRequested(const QCommandLineParser& parser) {
    return parser.isSet(kTranslate) || parser.isSet(kList) || parser.isSet(kEngine) ||
           parser.isSet(kPair) || parser.isSet(kDetect) || parser.isSet(kTo) ||
           parser.isSet(kBack) || HistoryCommandLine::isRequested(parser) ||
           ImageCommandLine::isRequested(parser);
}

std::optional<HeadlessRequest> HeadlessCommandLine::request(const QCommandLineParser& parser,
                                                            QIODevice& input, QString* error) {
    const auto misuse = [error](const QString& why) {
        if (error) *error = why;
        return std::nullopt;
    };
    HeadlessRequest r;
    r.detect = parser.isSet(kDetect);
    if (r.detect) {
        if (parser.isSet(kTranslate) || parser.isSet(kList))
            return misuse(tr("--detect cannot be used with --translate or --list"));
        QStringList words = parser.positionalArguments();
        words.removeIf([](const QString& w) {
            return w.compare(QLatin1String("/startup"), Qt::CaseInsensitive) == 0 ||
                   w.compare(QLatin1String("/debug"), Qt::CaseInsensitive) == 0;
        });
        if (!words.isEmpty() && words != QStringList{QStringLiteral("-")}) {
            r.text = words.join(QLatin1Char(' '));
            return r;
        }
        const std::optional<QString> text = readText(input);
        if (!text) return misuse(tr("standard input is not UTF-8 text"));
        r.text = *text;
        return r;
    }
    r.list = parser.isSet(kList);
    if (r.list && parser.isSet(kTranslate))
        return misuse(tr("--list and --translate cannot be used together"));
    if (!r.list && !parser.isSet(kTranslate))
        return misuse(tr("--engine and --pair need --translate"));
    r.engine = parser.value(kEngine);
    r.pair = parser.value(kPair);
    r.to = parser.value(kTo);
    r.back = parser.isSet(kBack);
    if (!r.to.isEmpty() && r.pair != QLatin1String("auto"))
        return misuse(tr("--to needs --pair auto"));
    if (r.list) return r;

    r.text = parser.value(kTranslate);
    if (r.text == QLatin1String("-")) {
        const std::optional<QString> text = readText(input);
        if (!text) return misuse(tr("standard input is not UTF-8 text"));
        r.text = *text;
    }
    return r;
}

QCoro::Task<int> HeadlessCommandLine::run(const QCommandLineParser& parser) {
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (HistoryCommandLine::isRequested(parser))
        co_return HistoryCommandLine::run(parser, out, err);
    if (ImageCommandLine::isRequested(parser))
        co_return co_await ImageCommandLine::run(parser, out, err);
    QFile input;
    if (!input.open(stdin, QIODevice::ReadOnly)) {
        err << HeadlessTranslation::prefix() << tr("cannot read standard input") << Qt::endl;
        co_return HeadlessTranslation::Usage;
    }
    QString why;
    const std::optional<HeadlessRequest> request =
        HeadlessCommandLine::request(parser, input, &why);
    if (!request) {
        err << HeadlessTranslation::prefix() << why << Qt::endl;
        co_return HeadlessTranslation::Usage;
    }
    HeadlessTranslation headless(out, err);
    // Named before it is awaited: GCC 12 destroys the temporaries of a
    // co_await expression (the request's copy) twice.
    QCoro::Task<int> job = headless.run(*request);
    co_return co_await job;
}
