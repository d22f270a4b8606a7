#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

#include "TestEnv.h"
#include "config/Settings.h"
#include "config/StartEntry.h"
#include "config/cVeRegistry.h"
#include "platform/AppInfo.h"
#include "startup/CommandLine.h"

namespace {
QString readEntry(cVeRegistry& reg) {
    return reg.GetSetting(cVeRegistry::runSection(), Settings::name(Settings::Key::StartEntry),
                          "<absent>");
}
}  // namespace

class TestStartEntry : public QObject {
    Q_OBJECT

private slots:
    void commandIsFolderExeAndSwitch_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("command");
        // The name is that of the running program: this test.
        QTest::addRow("plain") << "/opt/parlamo"
                               << "/opt/parlamo/test_startentry /startup";
        QTest::addRow("root folder") << "/"
                                     << "//test_startentry /startup";
        QTest::addRow("spaces") << "/home/a b/My Apps"
                                << "/home/a b/My Apps/test_startentry /startup";
    }
    void commandIsFolderExeAndSwitch() {
        QFETCH(QString, folder);
        QFETCH(QString, command);
        TestEnv env;
        AppInfo::setProgramFolder(folder);
        QCOMPARE(StartEntry::command(), command);
        cVeRegistry reg;
        QVERIFY(StartEntry::create(reg));
        QCOMPARE(readEntry(reg), command);
        QVERIFY(StartEntry::isOn(reg));
    }

    void toggleTwiceRestoresTheState() {
        TestEnv env;
        cVeRegistry reg;
        QVERIFY(!StartEntry::isOn(reg));
        QCOMPARE(StartEntry::toggle(reg), true);
        QCOMPARE(readEntry(reg), StartEntry::command());
        QCOMPARE(StartEntry::toggle(reg), false);
        QCOMPARE(readEntry(reg), QString("<absent>"));
        QVERIFY(!StartEntry::isOn(reg));
    }

    void emptyEntryCountsAsOff() {
        TestEnv env;
        cVeRegistry reg;
        QVERIFY(reg.SaveSetting(cVeRegistry::runSection(),
                                Settings::name(Settings::Key::StartEntry), ""));
        QVERIFY(!StartEntry::isOn(reg));
        QCOMPARE(StartEntry::toggle(reg), true);
        QCOMPARE(readEntry(reg), StartEntry::command());
    }

    void entryOfAnotherCopyCountsAsOn() {
        TestEnv env;
        cVeRegistry reg;
        QVERIFY(reg.SaveSetting(cVeRegistry::runSection(),
                                Settings::name(Settings::Key::StartEntry),
                                "/elsewhere/RaDudezozad /startup"));
        QCOMPARE(StartEntry::toggle(reg), false);
        QCOMPARE(readEntry(reg), QString("<absent>"));
        QCOMPARE(StartEntry::toggle(reg), true);
        QCOMPARE(readEntry(reg), env.programFolder() + "/test_startentry /startup");
    }

    // A copy of the program under another name, started directly or through
    // a symlink elsewhere, names the file it runs from.
    void commandNamesTheRunningCopy_data() {
        QTest::addColumn<bool>("throughLink");
        QTest::addRow("renamed copy") << false;
        QTest::addRow("symlink to the copy") << true;
    }
    void commandNamesTheRunningCopy() {
        QFETCH(bool, throughLink);
        QTemporaryDir dir;
        QVERIFY(QDir().mkpath(dir.path() + "/bin") && QDir().mkpath(dir.path() + "/links"));
        const QString copy = dir.path() + "/bin/parlamo";
        QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), copy));
        const QString link = dir.path() + "/links/other";
        QVERIFY(QFile::link(copy, link));
        QProcess run;
        run.start(throughLink ? link : copy, {QStringLiteral("--print-start-command")});
        QVERIFY(run.waitForFinished(20000));
        QCOMPARE(run.exitCode(), 0);
        const QString real = QFileInfo(dir.path()).canonicalFilePath() + "/bin/parlamo";
        QCOMPARE(QString::fromUtf8(run.readAllStandardOutput()), real + " /startup");
    }

    void checkMarkFollowsTheActionWhenTheStoreFails() {
        TestEnv env;
        QFile file(env.root() + "/plainfile");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        cVeRegistry reg(env.root() + "/plainfile/config");
        QCOMPARE(StartEntry::toggle(reg), true);  // nothing stored, mark set all the same
        QVERIFY(!StartEntry::isOn(reg));
    }

    void switches_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("startup");
        QTest::addColumn<bool>("debug");
        QTest::addRow("none") << QStringList{"RaDudezozad"} << "" << false << false;
        QTest::addRow("startup") << QStringList{"RaDudezozad", "/startup"} << "/startup" << true
                                 << false;
        QTest::addRow("other case") << QStringList{"RaDudezozad", "/Startup", "/DEBUG"}
                                    << "/Startup /DEBUG" << false << false;
        QTest::addRow("inside a word") << QStringList{"x", "a/startupz", "--/debugging"}
                                       << "a/startupz --/debugging" << true << true;
        QTest::addRow("padded") << QStringList{"x", " /startup ", "/debug"} << " /startup  /debug"
                                << true << true;
        QTest::addRow("split by a space")
            << QStringList{"x", "/start", "up"} << "/start up" << false << false;
    }
    void switches() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, line);
        QFETCH(bool, startup);
        QFETCH(bool, debug);
        QCOMPARE(CommandLine::fromArguments(arguments), line);
        QCOMPARE(CommandLine::hasStartupSwitch(line), startup);
        QCOMPARE(CommandLine::hasDebugSwitch(line), debug);
    }
};

// "--print-start-command": print the start entry's command and end (for a
// copy of this program started by commandNamesTheRunningCopy).
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc == 2 && qstrcmp(argv[1], "--print-start-command") == 0) {
        QTextStream(stdout) << StartEntry::command();
        return 0;
    }
    TestStartEntry test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_startentry.moc"
