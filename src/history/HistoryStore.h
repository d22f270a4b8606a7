#pragma once

#include <QList>
#include <QMutex>
#include <QObject>
#include <QString>
#include <QThread>
#include <optional>

#include "history/HistoryEntry.h"
#include "history/HistoryList.h"

class cVeRegistry;
class HistoryWorker;

// The translation history: kept in memory for the window, stored in an
// SQLite database through Qt SQL. The database is opened, read and written
// on a thread of its own, so no translation ever waits for the disk. A
// database that cannot be used (corrupt, locked, unwritable, no driver)
// turns the history off for the run; nothing else is affected.
class HistoryStore : public QObject {
    Q_OBJECT
public:
    // settings: where "Keep a history" is remembered (none: on, not kept).
    explicit HistoryStore(const QString& databasePath, cVeRegistry* settings = nullptr,
                          QObject* parent = nullptr);
    // Writes what is still pending, then closes the database.
    ~HistoryStore() override;

    // $XDG_DATA_HOME/Velmor/Parlamo/history.sqlite (default ~/.local/share).
    static QString defaultPath();

    // Newest first; grows with add() at once, and with the stored entries
    // once the database has been read.
    const HistoryList& entries() const { return m_list; }

    // The database has been read, or the history is off.
    bool isReady() const { return m_loaded || m_off; }
    bool isOff() const { return m_off; }
    QString offReason() const { return m_offReason; }
    // "History is off for this run: " and the reason; empty while it is on.
    QString offSentence() const;
    // Once after the history went off: that sentence. Empty otherwise.
    QString takeOffNotice();

    // "Keep a history": on unless the user turned it off (remembered).
    bool keeping() const { return m_keeping; }
    void setKeeping(bool keep);

    // Records a translation (time now, when not set) unless the history is
    // not kept or off.
    void add(HistoryEntry entry);
    // Forgets every entry, in memory and in the database.
    void clear();

signals:
    // The entries changed (read, added, cleared).
    void changed();
    // Ready, off or keeping changed.
    void stateChanged();

private:
    friend class HistoryWorker;
    void loaded(const QList<HistoryEntry>& older);
    void turnOff(const QString& reason);
    // The worker committed this many more entries.
    void stored(int count);
    QList<std::optional<HistoryEntry>> takePending();

    HistoryList m_list;
    cVeRegistry* m_settings;
    bool m_keeping = true;
    bool m_loaded = false;
    bool m_off = false;
    bool m_noticeGiven = false;
    bool m_discardStored = false;  // cleared before the stored entries came
    QString m_offReason;
    // Entries added, entries committed (or discarded by a clear before they
    // were written), and the count added at the last clear: what the list
    // holds beyond these is not in the database yet, and goes when a write
    // fails.
    qint64 m_added = 0;
    qint64 m_stored = 0;
    qint64 m_addedAtClear = 0;

    QMutex m_pendingLock;
    // Added, not yet written; nothing stands for a clear.
    QList<std::optional<HistoryEntry>> m_pending;

    QThread m_thread;
    HistoryWorker* m_worker = nullptr;
};
