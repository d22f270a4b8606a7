#include "cli/HistoryCommandLine.h"

#include <QCommandLineParser>
#include <QTextStream>

#include "cli/HeadlessTranslation.h"
#include "history/HistoryExport.h"
#include "history/HistoryList.h"
#include "history/HistoryReader.h"
#include "history/HistoryStore.h"
#include "platform/OneLine.h"

namespace {

const QString kHistory = QStringLiteral("history");
const QString kSearch = QStringLiteral("search");
const QString kFormat = QStringLiteral("format");

}  // namespace

void HistoryCommandLine::addOptions(QCommandLineParser& parser) {
    parser.addOption({kHistory, tr("Print the translation history, newest first, without "
                                   "opening a window.")});
    parser.addOption({kSearch,
                      tr("With --history: only the entries whose text or translation holds "
                         "WORD, in any letter case."),
                      tr("WORD")});
    parser.addOption({kFormat,
                      tr("With --history: tsv (the default: tab-separated, no header) or csv "
                         "(RFC 4180, with a header row)."),
                      QStringLiteral("tsv|csv")});
}

bool HistoryCommandLine::isRequested(const QCommandLineParser& parser) {
    return parser.isSet(kHistory) || parser.isSet(kSearch) || parser.isSet(kFormat);
}

int HistoryCommandLine::run(const QCommandLineParser& parser, QTextStream& out, QTextStream& err,
                            const QString& databasePath) {
    const auto fail = [&err](int code, const QString& line) {
        err << HeadlessTranslation::prefix() << oneLine(line) << Qt::endl;
        return code;
    };
    if (!parser.isSet(kHistory))
        return fail(HeadlessTranslation::Usage, tr("--search and --format need --history"));
    for (const char* other : {"translate", "list", "engine", "pair"}) {
        if (parser.isSet(QString::fromLatin1(other)))
            return fail(HeadlessTranslation::Usage,
                        tr("--history cannot be used with --%1").arg(QString::fromLatin1(other)));
    }
    const QString formatName =
        parser.isSet(kFormat) ? parser.value(kFormat) : QStringLiteral("tsv");
    const std::optional<HistoryExport::Format> format = HistoryExport::formatNamed(formatName);
    if (!format)
        return fail(HeadlessTranslation::Usage,
                    tr("unknown format \"%1\": tsv or csv").arg(formatName));

    const QString path = databasePath.isEmpty() ? HistoryStore::defaultPath() : databasePath;
    const HistoryReader::Result read = HistoryReader::readOnly(path, HistoryList::defaultLimit);
    if (!read.ok)
        return fail(HeadlessTranslation::Failed,
                    tr("cannot read the history in %1: %2").arg(path, read.error));

    // The History window's own search, over the same list.
    HistoryList list;
    list.appendOlder(read.entries);
    QList<HistoryEntry> found;
    for (const int i : list.search(parser.value(kSearch))) found.append(list.at(i));
    out << HistoryExport::text(found, *format);
    out.flush();
    return out.status() == QTextStream::Ok ? HeadlessTranslation::Success
                                           : HeadlessTranslation::Failed;
}
