// The history for other programs: the two formats field by field, and
// --history end to end, the real executable against a database the store
// made.
#include <QDirIterator>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

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

    QList<QStringList> expected;
    for (const int i : entries) {
        const HistoryEntry& e = kEntries.at(i);
        expected.append({e.time.toString(Qt::ISODate), e.engine, e.pair, e.source, e.result});
    }
    if (!csv) {
        // One line per entry; unescaped, the fields come back whole.
        QStringList lines = QString::fromUtf8(run.out).split('\n');
        QCOMPARE(lines.takeLast(), QString());
        QCOMPARE(lines.size(), expected.size());
        for (int i = 0; i < lines.size(); ++i) {
            QStringList fields = lines.at(i).split('\t');
            for (QString& f : fields) {
                QString plain;
                for (int k = 0; k < f.size(); ++k) {
                    if (f.at(k) != '\\' || k + 1 == f.size()) {
                        plain += f.at(k);
                        continue;
                    }
                    const QChar next = f.at(++k);
                    plain += next == 't'   ? QChar('\t')
                             : next == 'n' ? QChar('\n')
                             : next == 'r' ? QChar('\r')
                                           : next;
                }
                f = plain;
            }
            QCOMPARE(fields, expected.at(i));
        }
        return;
    }
    // Read back by Python's csv module, an RFC 4180 reader of its own.
    QProcess python;
    python.start("python3", {"-c",
                             "import csv, json, sys\n"
                             "rows = list(csv.reader(open(0, encoding='utf-8', newline='')))\n"
                             "sys.stdout.write(json.dumps(rows))\n"});
    QVERIFY(python.waitForStarted());
    python.write(run.out);
    python.closeWriteChannel();
    QVERIFY(python.waitForFinished(30000));
    QCOMPARE(python.exitCode(), 0);
    const QJsonArray rows = QJsonDocument::fromJson(python.readAllStandardOutput()).array();
    QCOMPARE(rows.size(), expected.size() + 1);
    QCOMPARE(rows.at(0).toVariant().toStringList(),
             QStringList({"time", "engine", "pair", "text", "translation"}));
    for (int i = 0; i < expected.size(); ++i)
        QCOMPARE(rows.at(i + 1).toVariant().toStringList(), expected.at(i));
    QVERIFY(run.out.endsWith("\r\n"));
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
