#pragma once

#include <QList>
#include <QString>

#include "history/HistoryEntry.h"

// The history in memory, newest first, at most `limit` entries. Keeps a
// case-folded copy of every text so that a search while typing stays fast
// over the full history.
class HistoryList {
public:
    static constexpr int defaultLimit = 10000;

    explicit HistoryList(int limit = defaultLimit) : m_limit(limit) {}

    int size() const { return int(m_rows.size()); }
    const HistoryEntry& at(int index) const { return m_rows.at(index).entry; }
    int limit() const { return m_limit; }

    // A newer entry goes first; the oldest beyond the limit go.
    void prepend(const HistoryEntry& entry);
    // Entries older than all held ones (newest first), as far as the limit allows.
    void appendOlder(const QList<HistoryEntry>& entries);
    void clear() { m_rows.clear(); }
    // Forgets the `count` newest entries.
    void dropNewest(int count);

    // Positions, newest first, of the entries whose source or result holds
    // `text` regardless of letter case. Empty text matches every entry.
    QList<int> search(const QString& text) const;

private:
    struct Row {
        HistoryEntry entry;
        QString foldedSource;
        QString foldedResult;
    };
    static Row row(const HistoryEntry& entry);

    QList<Row> m_rows;
    int m_limit;
};
