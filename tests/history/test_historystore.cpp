#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <memory>

#include "TestEnv.h"
#include "config/cVeRegistry.h"
#include "history/HistoryList.h"
#include "history/HistoryStore.h"

namespace {

HistoryEntry entry(const QString& source, const QString& result = QStringLiteral("r")) {
    return {QDateTime(), QStringLiteral("Engine"), QStringLiteral("Pair"), source, result};
}

std::unique_ptr<HistoryStore> openStore(const QString& path, cVeRegistry* settings = nullptr) {
    auto store = std::make_unique<HistoryStore>(path, settings);
    if (!QTest::qWaitFor([&] { return store->isReady(); }, 10000)) return nullptr;
    return store;
}

QStringList sources(const HistoryList& list) {
    QStringList out;
    for (int i = 0; i < list.size(); ++i) out << list.at(i).source;
    return out;
}

}  // namespace

class TestHistoryStore : public QObject {
    Q_OBJECT
private slots:
    void search_data();
    void search();
    void keptAcrossRunsNewestFirst();
    void keepsTheNewestTenThousand();
    void clearAndKeepSetting();
    void unusableDatabaseTurnsHistoryOff_data();
    void unusableDatabaseTurnsHistoryOff();
};

void TestHistoryStore::search_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("found");
    // Entries, newest first: 0 "Good Morning"/"Buenos días", 1 "ÉTÉ"/"verano",
    // 2 "night"/"noche".
    QTest::addRow("empty matches all") << QString() << QList<int>{0, 1, 2};
    QTest::addRow("source, any case") << QStringLiteral("MORNING") << QList<int>{0};
    QTest::addRow("result") << QStringLiteral("noch") << QList<int>{2};
    QTest::addRow("both texts") << QStringLiteral("n") << QList<int>{0, 1, 2};
    QTest::addRow("beyond Latin-1 case") << QStringLiteral("été") << QList<int>{1};
    QTest::addRow("accent counts") << QStringLiteral("ete") << QList<int>{};
    QTest::addRow("not across the texts") << QStringLiteral("nightnoche") << QList<int>{};
}

void TestHistoryStore::search() {
    QFETCH(QString, text);
    QFETCH(QList<int>, found);
    HistoryList list;
    list.prepend(entry(QStringLiteral("night"), QStringLiteral("noche")));
    list.prepend(entry(QStringLiteral("ÉTÉ"), QStringLiteral("verano")));
    list.prepend(entry(QStringLiteral("Good Morning"), QStringLiteral("Buenos días")));
    QCOMPARE(list.search(text), found);
}

void TestHistoryStore::keptAcrossRunsNewestFirst() {
    TestEnv env;
    const QString path = HistoryStore::defaultPath();
    QVERIFY(path.startsWith(env.dataHome() + QStringLiteral("/Velmor/Parlamo/")));
    const QDateTime when = QDateTime::fromMSecsSinceEpoch(1700000000123, Qt::UTC);
    {
        auto store = openStore(path);
        QVERIFY(store && !store->isOff());
        HistoryEntry first{when, QStringLiteral("Apertium"), QStringLiteral("English to Spanish"),
                           QStringLiteral("line\r\none"), QStringLiteral("línea \"uno\"")};
        store->add(first);
        store->add(entry(QStringLiteral("second")));
        QCOMPARE(sources(store->entries()), QStringList({"second", "line\r\none"}));
    }
    auto store = openStore(path);
    QVERIFY(store && !store->isOff());
    QCOMPARE(sources(store->entries()), QStringList({"second", "line\r\none"}));
    const HistoryEntry& back = store->entries().at(1);
    QCOMPARE(back.time, when);
    QCOMPARE(back.engine, QStringLiteral("Apertium"));
    QCOMPARE(back.pair, QStringLiteral("English to Spanish"));
    QCOMPARE(back.result, QStringLiteral("línea \"uno\""));
    QVERIFY(store->entries().at(0).time.isValid());
}

void TestHistoryStore::keepsTheNewestTenThousand() {
    TestEnv env;
    const int total = HistoryList::defaultLimit + 5;
    {
        auto store = openStore(HistoryStore::defaultPath());
        QVERIFY(store);
        for (int i = 0; i < total; ++i) store->add(entry(QString::number(i)));
        QCOMPARE(store->entries().size(), HistoryList::defaultLimit);
    }
    auto store = openStore(HistoryStore::defaultPath());
    QVERIFY(store);
    QCOMPARE(store->entries().size(), HistoryList::defaultLimit);
    QCOMPARE(store->entries().at(0).source, QString::number(total - 1));
    QCOMPARE(store->entries().at(HistoryList::defaultLimit - 1).source, QStringLiteral("5"));
}

void TestHistoryStore::clearAndKeepSetting() {
    TestEnv env;
    cVeRegistry settings(env.configHome());
    {
        auto store = openStore(HistoryStore::defaultPath(), &settings);
        QVERIFY(store && store->keeping());
        store->add(entry(QStringLiteral("a")));
        store->clear();
        store->add(entry(QStringLiteral("b")));
        store->setKeeping(false);
        store->add(entry(QStringLiteral("not kept")));
        QCOMPARE(sources(store->entries()), QStringList({"b"}));
    }
    auto store = openStore(HistoryStore::defaultPath(), &settings);
    QVERIFY(store);
    QVERIFY(!store->keeping());
    QCOMPARE(sources(store->entries()), QStringList({"b"}));
}

void TestHistoryStore::unusableDatabaseTurnsHistoryOff_data() {
    QTest::addColumn<QString>("kind");
    QTest::addRow("corrupt") << QStringLiteral("corrupt");
    QTest::addRow("folder is a file") << QStringLiteral("folder");
    QTest::addRow("locked") << QStringLiteral("locked");
    QTest::addRow("locked after an entry was stored") << QStringLiteral("locked later");
}

void TestHistoryStore::unusableDatabaseTurnsHistoryOff() {
    QFETCH(QString, kind);
    TestEnv env;
    QString path = HistoryStore::defaultPath();
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    const QByteArray garbage(4096, 'x');
    QSqlDatabase locker;
    const auto lock = [&locker, &path] {
        locker = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("locker"));
        locker.setDatabaseName(path);
        return locker.open();
    };
    if (kind == QLatin1String("corrupt")) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(garbage) == garbage.size());
    } else if (kind == QLatin1String("folder")) {
        QFile f(env.root() + QStringLiteral("/plain"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        path = f.fileName() + QStringLiteral("/history.sqlite");
    } else if (kind == QLatin1String("locked")) {
        QVERIFY(lock());
        QSqlQuery q(locker);
        QVERIFY(q.exec(QStringLiteral("BEGIN EXCLUSIVE")));
        QVERIFY(q.exec(QStringLiteral("CREATE TABLE other (x)")));
    }

    auto store = openStore(path);
    QVERIFY(store);
    QStringList kept;
    if (kind == QLatin1String("locked later")) {
        store->add(entry(QStringLiteral("kept")));
        kept << QStringLiteral("kept");
        QVERIFY(QTest::qWaitFor([&] { return QFileInfo::exists(path); }, 10000));
        QVERIFY(lock());
        QVERIFY(QTest::qWaitFor(
            [&] {
                QSqlQuery q(locker);
                return q.exec(QStringLiteral("SELECT count(*) FROM history")) && q.next() &&
                       q.value(0).toInt() == 1;
            },
            10000));
        QSqlQuery q(locker);
        QVERIFY(q.exec(QStringLiteral("BEGIN EXCLUSIVE")));
    }
    // A database that is not there yet is only made for the first entry.
    store->add(entry(QStringLiteral("first")));
    QTRY_VERIFY_WITH_TIMEOUT(store->isOff(), 15000);
    store->add(entry(QStringLiteral("lost")));
    // Only what was stored stays listed.
    QCOMPARE(sources(store->entries()), kept);
    const QString notice = store->takeOffNotice();
    QVERIFY2(notice.startsWith(QStringLiteral("History is off for this run: ")),
             qPrintable(notice));
    QCOMPARE(store->takeOffNotice(), QString());
    store.reset();

    if (kind == QLatin1String("corrupt")) QCOMPARE(TestEnv::readFile(path), garbage);
    if (locker.isValid()) {
        locker.close();
        locker = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("locker"));
    }
}

QTEST_GUILESS_MAIN(TestHistoryStore)
#include "test_historystore.moc"
