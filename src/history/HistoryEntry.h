#pragma once

#include <QDateTime>
#include <QString>

// One translation as it reached the target box.
struct HistoryEntry {
    QDateTime time;  // UTC
    QString engine;
    QString pair;
    QString source;
    QString result;

    friend bool operator==(const HistoryEntry&, const HistoryEntry&) = default;
};
