#include "history/HistoryList.h"

HistoryList::Row HistoryList::row(const HistoryEntry& entry) {
    return Row{entry, entry.source.toCaseFolded(), entry.result.toCaseFolded()};
}

void HistoryList::prepend(const HistoryEntry& entry) {
    m_rows.prepend(row(entry));
    if (m_rows.size() > m_limit) m_rows.resize(m_limit);
}

void HistoryList::appendOlder(const QList<HistoryEntry>& entries) {
    for (const HistoryEntry& entry : entries) {
        if (m_rows.size() >= m_limit) break;
        m_rows.append(row(entry));
    }
}

void HistoryList::dropNewest(int count) {
    m_rows.remove(0, qBound(0, count, int(m_rows.size())));
}

QList<int> HistoryList::search(const QString& text) const {
    QList<int> found;
    if (text.isEmpty()) {
        found.reserve(m_rows.size());
        for (int i = 0; i < m_rows.size(); ++i) found.append(i);
        return found;
    }
    const QString needle = text.toCaseFolded();
    for (int i = 0; i < m_rows.size(); ++i) {
        const Row& r = m_rows.at(i);
        if (r.foldedSource.contains(needle) || r.foldedResult.contains(needle)) found.append(i);
    }
    return found;
}
