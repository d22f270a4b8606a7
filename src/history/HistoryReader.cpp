#include "history/HistoryReader.h"

#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <atomic>

namespace {

QString readerErrorText(const QSqlError& error) {
    const QString text = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    return text.isEmpty() ? HistoryReader::tr("unknown database error") : text;
}

}  // namespace

std::optional<QList<HistoryEntry>> HistoryReader::newest(const QSqlDatabase& db, int limit,
                                                         QString* error) {
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT time, engine, pair, source, result FROM history "
                               "ORDER BY id DESC LIMIT %1")
                    .arg(limit))) {
        if (error) *error = readerErrorText(q.lastError());
        return std::nullopt;
    }
    QList<HistoryEntry> entries;
    while (q.next()) {
        entries.append({QDateTime::fromMSecsSinceEpoch(q.value(0).toLongLong(), Qt::UTC),
                        q.value(1).toString(), q.value(2).toString(), q.value(3).toString(),
                        q.value(4).toString()});
    }
    // A read that ends early (a damaged page, a lock) is an error, not a
    // shorter history.
    if (q.lastError().isValid()) {
        if (error) *error = readerErrorText(q.lastError());
        return std::nullopt;
    }
    return entries;
}

HistoryReader::Result HistoryReader::readOnly(const QString& path, int limit) {
    Result result;
    const QFileInfo info(path);
    if (!info.exists()) {  // a dangling link too: nothing was ever stored there
        result.ok = true;
        return result;
    }
    // SQLite would wait for ever on a FIFO, and a folder is no database.
    if (!info.isFile()) {
        result.error = tr("%1 is not a file").arg(path);
        return result;
    }

    static std::atomic<int> connections{0};
    const QString name = QStringLiteral("parlamo-history-reader-%1").arg(++connections);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        if (!db.isValid()) {
            result.error = tr("the SQLite driver of Qt SQL is not installed");
        } else {
            db.setDatabaseName(path);
            // A running copy of the program may be writing just now.
            db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=1000"));
            if (!db.open()) {
                result.error = readerErrorText(db.lastError());
            } else {
                QSqlQuery q(db);
                if (!q.exec(QStringLiteral("PRAGMA quick_check")) || !q.next()) {
                    result.error = readerErrorText(q.lastError());
                } else if (q.value(0).toString() != QLatin1String("ok")) {
                    result.error = tr("the history database is damaged");
                } else if (!db.tables().contains(QStringLiteral("history"))) {
                    result.ok = true;  // made, nothing kept yet
                } else if (std::optional<QList<HistoryEntry>> entries =
                               newest(db, limit, &result.error)) {
                    result.ok = true;
                    result.entries = std::move(*entries);
                }
                q.finish();
                db.close();
            }
        }
    }
    QSqlDatabase::removeDatabase(name);
    return result;
}
