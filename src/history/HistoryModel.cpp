#include "history/HistoryModel.h"

#include "history/HistoryStore.h"
#include "platform/OneLine.h"

HistoryModel::HistoryModel(HistoryStore& store, QObject* parent)
    : QAbstractTableModel(parent), m_store(store) {
    connect(&m_store, &HistoryStore::changed, this, &HistoryModel::refresh);
    refresh();
}

void HistoryModel::setFilter(const QString& text) {
    if (text == m_filter) return;
    m_filter = text;
    refresh();
}

void HistoryModel::refresh() {
    beginResetModel();
    m_rows = m_store.entries().search(m_filter);
    endResetModel();
}

const HistoryEntry& HistoryModel::entry(int row) const {
    return m_store.entries().at(m_rows.at(row));
}

int HistoryModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_rows.size());
}

int HistoryModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant HistoryModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_rows.size()) return {};
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return {};
    const HistoryEntry& e = entry(index.row());
    switch (index.column()) {
        case TimeColumn:
            return e.time.toLocalTime().toString(role == Qt::ToolTipRole
                                                     ? QStringLiteral("yyyy-MM-dd HH:mm:ss")
                                                     : QStringLiteral("yyyy-MM-dd HH:mm"));
        case EngineColumn:
            return e.engine;
        case PairColumn:
            return e.pair;
        case SourceColumn:
            return role == Qt::ToolTipRole ? e.source : oneLine(e.source);
        case ResultColumn:
            return role == Qt::ToolTipRole ? e.result : oneLine(e.result);
        default:
            return {};
    }
}

QVariant HistoryModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    switch (section) {
        case TimeColumn:
            return tr("Time");
        case EngineColumn:
            return tr("Engine");
        case PairColumn:
            return tr("Languages");
        case SourceColumn:
            return tr("Text");
        case ResultColumn:
            return tr("Translation");
        default:
            return {};
    }
}
