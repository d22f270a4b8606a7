#include <QDir>
#include <QTest>

#include "TestEnv.h"
#include "config/cVeRegistry.h"
#include "platform/AppInfo.h"
#include "startup/CommandLine.h"
#include "startup/StartEntry.h"

namespace {
QString readEntry(cVeRegistry& reg) {
    return reg.GetSetting(cVeRegistry::runSection(), cVeRegistry::startEntryName(), "<absent>");
}
}  // namespace

class TestStartEntry : public QObject {
    Q_OBJECT

private slots:
    void commandIsFolderExeAndSwitch_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("command");
        QTest::addRow("plain") << "/opt/parlamo"
                               << "/opt/parlamo/RaDudezozad /startup";
        QTest::addRow("root folder") << "/"
                                     << "//RaDudezozad /startup";
        QTest::addRow("spaces") << "/home/a b/My Apps"
                                << "/home/a b/My Apps/RaDudezozad /startup";
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
        QVERIFY(reg.SaveSetting(cVeRegistry::runSection(), cVeRegistry::startEntryName(), ""));
        QVERIFY(!StartEntry::isOn(reg));
        QCOMPARE(StartEntry::toggle(reg), true);
        QCOMPARE(readEntry(reg), StartEntry::command());
    }

    void entryOfAnotherCopyCountsAsOn() {
        TestEnv env;
        cVeRegistry reg;
        QVERIFY(reg.SaveSetting(cVeRegistry::runSection(), cVeRegistry::startEntryName(),
                                "/elsewhere/RaDudezozad /startup"));
        QCOMPARE(StartEntry::toggle(reg), false);
        QCOMPARE(readEntry(reg), QString("<absent>"));
        QCOMPARE(StartEntry::toggle(reg), true);
        QCOMPARE(readEntry(reg), env.programFolder() + "/RaDudezozad /startup");
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

QTEST_GUILESS_MAIN(TestStartEntry)
#include "test_startentry.moc"
