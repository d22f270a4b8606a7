#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <optional>

#include "history/HistoryEntry.h"

class QSqlDatabase;

// Reads the stored history. The store reads it through here when it opens;
// the command line reads it alone, read-only, writing nothing at all.
class HistoryReader {
    Q_DECLARE_TR_FUNCTIONS(HistoryReader)

public:
    struct Result {
        bool ok = false;
        QList<HistoryEntry> entries;  // newest first
        QString error;                // why not, when not ok
    };

    // The entries of an open database, newest first, at most `limit`.
    // Nothing, with the reason in *error, when they cannot be read.
    static std::optional<QList<HistoryEntry>> newest(const QSqlDatabase& db, int limit,
                                                     QString* error);

    // Opens the database at path read-only (never creating it, never
    // writing, not even a journal), checks it and reads it. A database that
    // is not there, or holds no history yet, is an empty history; a damaged
    // one, one that stays locked by a writer, or something that is not a
    // file, is an error.
    static Result readOnly(const QString& path, int limit);
};
