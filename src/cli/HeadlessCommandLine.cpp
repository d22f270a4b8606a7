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
    parser.addOption(
        {kList, tr("List the engines and their language pairs; the defaults are marked.")});
    HistoryCommandLine::addOptions(parser);
    ImageCommandLine::addOptions(parser);
}

bool HeadlessCommandLine::isRequested(const QCommandLineParser& parser) {
    return parser.isSet(kTranslate) || parser.isSet(kList) || parser.isSet(kEngine) ||
           parser.isSet(kPair) || HistoryCommandLine::isRequested(parser) ||
           ImageCommandLine::isRequested(parser);
}

std::optional<HeadlessRequest> HeadlessCommandLine::request(const QCommandLineParser& parser,
                                                            QIODevice& input, QString* error) {
    const auto misuse = [error](const QString& why) {
        if (error) *error = why;
        return std::nullopt;
    };
    HeadlessRequest r;
    r.list = parser.isSet(kList);
    if (r.list && parser.isSet(kTranslate))
        return misuse(tr("--list and --translate cannot be used together"));
    if (!r.list && !parser.isSet(kTranslate))
        return misuse(tr("--engine and --pair need --translate"));
    r.engine = parser.value(kEngine);
    r.pair = parser.value(kPair);
    if (r.list) return r;

    r.text = parser.value(kTranslate);
    if (r.text == QLatin1String("-")) {
        const QByteArray bytes = input.readAll();
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        r.text = utf8.decode(bytes);
        if (utf8.hasError()) return misuse(tr("standard input is not UTF-8 text"));
        // "echo text |" ends the text with a line break that is not part of it.
        if (r.text.endsWith(QLatin1Char('\n'))) r.text.chop(1);
        if (r.text.endsWith(QLatin1Char('\r'))) r.text.chop(1);
    }
    return r;
}

int HeadlessCommandLine::run(const QCommandLineParser& parser) {
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (HistoryCommandLine::isRequested(parser)) return HistoryCommandLine::run(parser, out, err);
    if (ImageCommandLine::isRequested(parser)) return ImageCommandLine::run(parser, out, err);
    QFile input;
    if (!input.open(stdin, QIODevice::ReadOnly)) {
        err << HeadlessTranslation::prefix() << tr("cannot read standard input") << Qt::endl;
        return HeadlessTranslation::Usage;
    }
    QString why;
    const std::optional<HeadlessRequest> request =
        HeadlessCommandLine::request(parser, input, &why);
    if (!request) {
        err << HeadlessTranslation::prefix() << why << Qt::endl;
        return HeadlessTranslation::Usage;
    }
    HeadlessTranslation headless(out, err);
    return headless.run(*request);
}
