// The history for other programs: the two formats field by field, and
// --history end to end, the real executable against a database the store
// made.
#include <QDirIterator>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <ctime>

#include "TestEnv.h"
#include "history/HistoryExport.h"
#include "history/HistoryStore.h"

namespace {

const QDateTime kFirst(QDate(2026, 1, 2), QTime(3, 4, 5), Qt::UTC);

// Older first, as they were translated.
const QList<HistoryEntry> kEntries{
    {kFirst, "Apertium", "English to Spanish", "The house", "La casa"},
    {kFirst.addSecs(60), "Apertium", "English to Spanish", "Say \"hi\",\r\nfriend\tC:\\n",
     "Di \"hola\",\r\namigo"},
    {kFirst.addSecs(120), "Other", "English to Arabic", "Old HOUSE 👋🏽", "منزل قديم"},
    {kFirst.addSecs(180), "Other", "", "", ""},
};

// Every file below the folder with its size and time.
QStringList snapshot(const QString& folder) {
    QStringList out;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        out += info.filePath() + ' ' + QString::number(info.size()) + ' ' +
               QString::number(info.lastModified().toMSecsSinceEpoch());
    }
    out.sort();
    return out;
}

struct Run {
    int code = -1;
    QByteArray out, err;
};

// The program without a display, in UTC.
Run history(const QStringList& args) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.remove("QT_QPA_PLATFORM");
    env.insert("TZ", "UTC");
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(PARLAMO_EXE, args);
    if (!p.waitForFinished(30000)) return {};
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

}  // namespace

class TestHistoryFormats : public QObject {
    Q_OBJECT
private slots:
    // The child runs in UTC; so does the time written here.
    void initTestCase() {
        qputenv("TZ", "UTC");
        tzset();
    }
    void fields_data();
    void fields();
    void commandLine_data();
    void commandLine();
    void unreadableDatabase_data();
    void unreadableDatabase();
};

void TestHistoryFormats::fields_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("tsv");
    QTest::addColumn<QString>("csv");
    QTest::addRow("plain") << "La casa"
                           << "La casa"
                           << "La casa";
    QTest::addRow("empty") << ""
                           << ""
                           << "";
    QTest::addRow("tab") << "a\tb"
                         << "a\\tb"
                         << "a\tb";
    QTest::addRow("line breaks") << "a\r\nb\nc\r"
                                 << "a\\r\\nb\\nc\\r"
                                 << "\"a\r\nb\nc\r\"";
    QTest::addRow("backslashes") << "C:\\new\\\\x"
                                 << "C:\\\\new\\\\\\\\x"
                                 << "C:\\new\\\\x";
    QTest::addRow("comma") << "one, two"
                           << "one, two"
                           << "\"one, two\"";
    QTest::addRow("quotation marks") << "say \"hi\""
                                     << "say \"hi\""
                                     << "\"say \"\"hi\"\"\"";
    QTest::addRow("only a quotation mark") << "\""
                                           << "\""
                                           << "\"\"\"\"";
    QTest::addRow("emoji") << "👋🏽 hola 🏠"
                           << "👋🏽 hola 🏠"
                           << "👋🏽 hola 🏠";
    QTest::addRow("right to left") << "منزل قديم"
                                   << "منزل قديم"
                                   << "منزل قديم";
    QTest::addRow("right to left, comma") << "שלום, עולם"
                                          << "שלום, עולם"
                                          << "\"שלום, עולם\"";
    QTest::addRow("spaces kept") << "  x  "
                                 << "  x  "
                                 << "  x  ";
}

void TestHistoryFormats::fields() {
    QFETCH(QString, field);
    QFETCH(QString, tsv);
    QFETCH(QString, csv);
    QCOMPARE(HistoryExport::tsvField(field), tsv);
    QCOMPARE(HistoryExport::csvField(field), csv);
}

void TestHistoryFormats::commandLine_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QList<int>>("entries");  // positions in kEntries, as printed
    QTest::addColumn<bool>("csv");
    QTest::addRow("tsv, newest first")
        << QStringList{"--history"} << QList<int>{3, 2, 1, 0} << false;
    QTest::addRow("search in any letter case")
        << QStringList{"--history", "--search", "hOuSe"} << QList<int>{2, 0} << false;
    QTest::addRow("search in the translation")
        << QStringList{"--history", "--search", "AMIGO"} << QList<int>{1} << false;
    QTest::addRow("search finds nothing")
        << QStringList{"--history", "--search", "zebra"} << QList<int>{} << false;
    QTest::addRow("csv") << QStringList{"--history", "--format", "csv"} << QList<int>{3, 2, 1, 0}
                         << true;
    QTest::addRow("csv, searched")
        << QStringList{"--format", "CSV", "--search", "منزل", "--history"} << QList<int>{2} << true;
}

void TestHistoryFormats::commandLine() {
    QFETCH(QStringList, args);
    QFETCH(QList<int>, entries);
    QFETCH(bool, csv);
    TestEnv env;
    {
        HistoryStore store(HistoryStore::defaultPath());
        for (const HistoryEntry& e : kEntries) store.add(e);
    }  // written before it goes
    const QStringList before = snapshot(env.root());

    const Run run = history(args);
    QCOMPARE(run.err, QByteArray());
    QCOMPARE(run.code, 0);
    QCOMPARE(snapshot(env.root()), before);  // nothing written, not even a journal
    // The fields are checked above; here the lines, their order and the header.
    QList<HistoryEntry> expected;
    for (const int i : entries) expected.append(kEntries.at(i));
    const auto format = csv ? HistoryExport::Format::Csv : HistoryExport::Format::Tsv;
    QCOMPARE(QString::fromUtf8(run.out), HistoryExport::text(expected, format));
    QCOMPARE(run.out.startsWith("time,engine,pair,text,translation\r\n"), csv);
    if (!csv) QCOMPARE(run.out.count('\n'), expected.size());  // one line each
}

void TestHistoryFormats::unreadableDatabase_data() {
    QTest::addColumn<QString>("database");  // what lies where the database belongs
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("errPart");
    QTest::addRow("missing") << "none" << QStringList{"--history"} << 0 << QByteArray();
    QTest::addRow("damaged") << "damaged" << QStringList{"--history"} << 1
                             << QByteArray("history.sqlite");
    QTest::addRow("locked by a writer")
        << "locked" << QStringList{"--history"} << 1 << QByteArray("locked");
    QTest::addRow("a folder") << "folder" << QStringList{"--history"} << 1
                              << QByteArray("not a file");
    QTest::addRow("search alone") << "none" << QStringList{"--search", "x"} << 2
                                  << QByteArray("--history");
    QTest::addRow("unknown format")
        << "none" << QStringList{"--history", "--format", "xml"} << 2 << QByteArray("\"xml\"");
    QTest::addRow("with --translate")
        << "none" << QStringList{"--history", "--translate", "x"} << 2 << QByteArray("--translate");
}

void TestHistoryFormats::unreadableDatabase() {
    QFETCH(QString, database);
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, errPart);
    TestEnv env;
    const QString path = HistoryStore::defaultPath();
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QSqlDatabase locker;
    if (database == "damaged") {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(QByteArray(4096, 'x')) == 4096);
    } else if (database == "folder") {
        QVERIFY(QDir().mkpath(path));
    } else if (database == "locked") {
        {
            HistoryStore store(path);
            store.add(kEntries.at(0));
        }
        locker = QSqlDatabase::addDatabase("QSQLITE", "locker");
        locker.setDatabaseName(path);
        QVERIFY(locker.open());
        QSqlQuery q(locker);
        QVERIFY(q.exec("BEGIN EXCLUSIVE"));
        QVERIFY(q.exec("DELETE FROM history"));
    }
    const QStringList before = snapshot(env.root());

    const Run run = history(args);
    QCOMPARE(run.code, exitCode);
    QCOMPARE(run.out, QByteArray());
    if (errPart.isEmpty()) {
        QCOMPARE(run.err, QByteArray());
    } else {
        QVERIFY2(run.err.contains(errPart) && run.err.count('\n') == 1, run.err.constData());
    }
    QCOMPARE(snapshot(env.root()), before);
    if (locker.isValid()) {
        locker.close();
        locker = QSqlDatabase();
        QSqlDatabase::removeDatabase("locker");
    }
}

QTEST_GUILESS_MAIN(TestHistoryFormats)
#include "test_historyformats.moc"
