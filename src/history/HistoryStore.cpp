#include "history/HistoryStore.h"

#include <QDir>
#include <QFileInfo>
#include <QMutexLocker>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <algorithm>
#include <atomic>

#include "config/Settings.h"
#include "history/HistoryReader.h"

namespace {

QString errorText(const QSqlError& error) {
    const QString text = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    return text.isEmpty() ? HistoryStore::tr("unknown database error") : text;
}

}  // namespace

// Lives on the store's thread and owns the one database connection there.
// Every failure turns the history off and the worker idle.
class HistoryWorker : public QObject {
public:
    HistoryWorker(HistoryStore* store, QString path)
        : m_store(store),
          m_path(std::move(path)),
          m_connection(QStringLiteral("parlamo-history-%1").arg(++s_connections)) {}

    void open();
    // Opens (creating when needed) and checks the database; false when it
    // cannot be used (the history is then off).
    bool connectDatabase();
    void write();
    void close();

private:
    QSqlDatabase database() const { return QSqlDatabase::database(m_connection, false); }
    bool exec(QSqlQuery& query, const QString& sql);
    void fail(const QString& reason);

    HistoryStore* m_store;
    QString m_path;
    QString m_connection;
    bool m_ok = false;
    bool m_connected = false;
    static inline std::atomic<int> s_connections{0};
};

bool HistoryWorker::exec(QSqlQuery& query, const QString& sql) {
    if (query.exec(sql)) return true;
    fail(errorText(query.lastError()));
    return false;
}

void HistoryWorker::fail(const QString& reason) {
    if (QSqlDatabase::contains(m_connection)) database().close();
    m_ok = false;
    QMetaObject::invokeMethod(m_store, [store = m_store, reason] { store->turnOff(reason); });
}

void HistoryWorker::open() {
    // No file yet: nothing to read, and none is made until there is
    // something to keep.
    if (!QFileInfo::exists(m_path)) {
        m_ok = true;
        QMetaObject::invokeMethod(m_store, [store = m_store] { store->loaded({}); });
        return;
    }
    if (!connectDatabase()) return;
    QString why;
    const std::optional<QList<HistoryEntry>> entries =
        HistoryReader::newest(database(), HistoryList::defaultLimit, &why);
    if (!entries) return fail(why);
    QMetaObject::invokeMethod(m_store,
                              [store = m_store, entries = *entries] { store->loaded(entries); });
}

bool HistoryWorker::connectDatabase() {
    m_connected = true;
    if (!QDir().mkpath(QFileInfo(m_path).absolutePath())) {
        fail(HistoryStore::tr("cannot create the folder of %1").arg(m_path));
        return false;
    }
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
        if (!db.isValid()) {
            fail(HistoryStore::tr("the SQLite driver of Qt SQL is not installed"));
            return false;
        }
        db.setDatabaseName(m_path);
        // Another running copy of the program may be writing just now.
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=1000"));
        if (!db.open()) {
            fail(errorText(db.lastError()));
            return false;
        }
    }
    m_ok = true;
    QSqlQuery q(database());
    if (!exec(q, QStringLiteral("PRAGMA quick_check"))) return false;
    if (!q.next() || q.value(0).toString() != QLatin1String("ok")) {
        fail(HistoryStore::tr("the history database is damaged"));
        return false;
    }
    if (!exec(q, QStringLiteral("CREATE TABLE IF NOT EXISTS history ("
                                "id INTEGER PRIMARY KEY AUTOINCREMENT, time INTEGER NOT NULL, "
                                "engine TEXT NOT NULL, pair TEXT NOT NULL, "
                                "source TEXT NOT NULL, result TEXT NOT NULL)")))
        return false;
    // A write now, so that a file we may read but not write is found out
    // before the first translation relies on it.
    if (!exec(q, QStringLiteral("PRAGMA user_version = 1"))) return false;
    return true;
}

void HistoryWorker::write() {
    const QList<std::optional<HistoryEntry>> batch = m_store->takePending();
    if (!m_ok || batch.isEmpty()) return;
    if (!m_connected && !connectDatabase()) return;
    QSqlDatabase db = database();
    if (!db.transaction()) {
        fail(errorText(db.lastError()));
        return;
    }
    QSqlQuery insert(db);
    insert.prepare(QStringLiteral(
        "INSERT INTO history (time, engine, pair, source, result) VALUES (?, ?, ?, ?, ?)"));
    QSqlQuery q(db);
    for (const std::optional<HistoryEntry>& e : batch) {
        bool ok;
        if (!e) {
            ok = q.exec(QStringLiteral("DELETE FROM history"));
        } else {
            insert.addBindValue(e->time.toMSecsSinceEpoch());
            insert.addBindValue(e->engine);
            insert.addBindValue(e->pair);
            insert.addBindValue(e->source);
            insert.addBindValue(e->result);
            ok = insert.exec();
        }
        if (!ok) {
            const QString reason = errorText(e ? insert.lastError() : q.lastError());
            db.rollback();
            fail(reason);
            return;
        }
    }
    if (!q.exec(QStringLiteral("DELETE FROM history WHERE id <= (SELECT id FROM history "
                               "ORDER BY id DESC LIMIT 1 OFFSET %1)")
                    .arg(HistoryList::defaultLimit))) {
        const QString reason = errorText(q.lastError());
        db.rollback();
        fail(reason);
        return;
    }
    if (!db.commit()) {
        const QString reason = errorText(db.lastError());
        db.rollback();
        fail(reason);
        return;
    }
    const int written = int(
        std::count_if(batch.cbegin(), batch.cend(), [](const auto& e) { return e.has_value(); }));
    QMetaObject::invokeMethod(m_store, [store = m_store, written] { store->stored(written); });
}

void HistoryWorker::close() {
    write();
    if (QSqlDatabase::contains(m_connection)) {
        database().close();
        QSqlDatabase::removeDatabase(m_connection);
    }
    m_ok = false;
}

HistoryStore::HistoryStore(const QString& databasePath, cVeRegistry* settings, QObject* parent)
    : QObject(parent), m_settings(settings) {
    if (m_settings)
        m_keeping = Settings(*m_settings).get(Settings::Key::KeepHistory) != QLatin1String("0");
    m_thread.setObjectName(QStringLiteral("history"));
    m_worker = new HistoryWorker(this, databasePath);
    m_worker->moveToThread(&m_thread);
    m_thread.start(QThread::LowPriority);
    QMetaObject::invokeMethod(m_worker, [w = m_worker] { w->open(); });
}

HistoryStore::~HistoryStore() {
    // Blocking, so that the writes queued before it are done first.
    QMetaObject::invokeMethod(
        m_worker, [w = m_worker] { w->close(); }, Qt::BlockingQueuedConnection);
    m_thread.quit();
    m_thread.wait();
    delete m_worker;
}

QString HistoryStore::defaultPath() {
    QString base = qEnvironmentVariable("XDG_DATA_HOME");
    if (base.isEmpty()) base = QDir::homePath() + QStringLiteral("/.local/share");
    return base + QStringLiteral("/Velmor/Parlamo/history.sqlite");
}

QString HistoryStore::offSentence() const {
    return m_off ? tr("History is off for this run: %1.").arg(m_offReason) : QString();
}

QString HistoryStore::takeOffNotice() {
    if (!m_off || m_noticeGiven) return QString();
    m_noticeGiven = true;
    return offSentence();
}

void HistoryStore::setKeeping(bool keep) {
    if (keep == m_keeping) return;
    m_keeping = keep;
    if (m_settings)
        Settings(*m_settings)
            .set(Settings::Key::KeepHistory, keep ? QStringLiteral("1") : QStringLiteral("0"));
    emit stateChanged();
}

void HistoryStore::add(HistoryEntry entry) {
    if (!m_keeping || m_off) return;
    if (!entry.time.isValid()) entry.time = QDateTime::currentDateTimeUtc();
    m_list.prepend(entry);
    ++m_added;
    bool post = false;
    {
        QMutexLocker lock(&m_pendingLock);
        post = m_pending.isEmpty();
        m_pending.append(entry);
    }
    // One write per batch: whatever piles up while the worker is busy goes
    // into its next transaction.
    if (post) QMetaObject::invokeMethod(m_worker, [w = m_worker] { w->write(); });
    emit changed();
}

void HistoryStore::clear() {
    m_list.clear();
    // The worker may be reading the stored entries just now; they are gone.
    if (!m_loaded) m_discardStored = true;
    // In the queue of writes, so that it falls between the entries before
    // and after it; what was still pending needs no writing.
    {
        QMutexLocker lock(&m_pendingLock);
        for (const std::optional<HistoryEntry>& e : std::as_const(m_pending))
            if (e) ++m_stored;  // never to be written: nothing left to take back
        m_pending = {std::nullopt};
    }
    m_addedAtClear = m_added;
    QMetaObject::invokeMethod(m_worker, [w = m_worker] { w->write(); });
    emit changed();
}

QList<std::optional<HistoryEntry>> HistoryStore::takePending() {
    QMutexLocker lock(&m_pendingLock);
    return std::exchange(m_pending, {});
}

void HistoryStore::loaded(const QList<HistoryEntry>& older) {
    if (m_off) return;
    m_loaded = true;
    if (!m_discardStored) m_list.appendOlder(older);
    emit changed();
    emit stateChanged();
}

void HistoryStore::stored(int count) {
    m_stored += count;
}

void HistoryStore::turnOff(const QString& reason) {
    if (m_off) return;
    m_off = true;
    m_offReason = reason;
    // What never reached the database is not listed as kept: it would be
    // gone after a restart.
    const qint64 unstored = m_added - std::max(m_stored, m_addedAtClear);
    if (unstored > 0) {
        m_list.dropNewest(int(std::min<qint64>(unstored, m_list.size())));
        emit changed();
    }
    emit stateChanged();
}
