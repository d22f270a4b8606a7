#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QString>

#include "history/HistoryEntry.h"

class HistoryStore;

// The history as a table for the History window: newest first, narrowed to
// the entries whose source or result holds the filter text.
class HistoryModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { TimeColumn, EngineColumn, PairColumn, SourceColumn, ResultColumn, ColumnCount };

    explicit HistoryModel(HistoryStore& store, QObject* parent = nullptr);

    QString filter() const { return m_filter; }
    void setFilter(const QString& text);

    const HistoryEntry& entry(int row) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    void refresh();

    HistoryStore& m_store;
    QString m_filter;
    QList<int> m_rows;  // positions in the store's entries
};
