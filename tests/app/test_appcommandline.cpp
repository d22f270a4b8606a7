#include <QTest>

#include "app/AppCommandLine.h"

using Kind = AppCommand::Kind;

class TestAppCommandLine : public QObject {
    Q_OBJECT
private slots:
    void parse_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QString>("output");  // expected start of what is printed

        const QString usage = QStringLiteral("Usage: RaDudezozad [options] [/startup] [/debug]\n");
        const QString version = QStringLiteral("RaDudezozad (Parlamo) 3.1.108\n");
        QTest::addRow("nothing") << QStringList{} << Kind::RunWindow << QString();
        QTest::addRow("old switches")
            << QStringList{"/startup", "/debug"} << Kind::RunWindow << QString();
        QTest::addRow("unknown options") << QStringList{"--frobnicate", "-x", "--helpme", "/debug"}
                                         << Kind::RunWindow << QString();
        QTest::addRow("word that starts like -v")
            << QStringList{"-verbose"} << Kind::RunWindow << QString();
        QTest::addRow("after --") << QStringList{"--", "--help"} << Kind::RunWindow << QString();
        QTest::addRow("help") << QStringList{"--help"} << Kind::PrintAndExit << usage;
        QTest::addRow("short help") << QStringList{"-h"} << Kind::PrintAndExit << usage;
        QTest::addRow("single-dash help") << QStringList{"-help"} << Kind::PrintAndExit << usage;
        QTest::addRow("help among the rest")
            << QStringList{"/startup", "--nope", "--help", "/debug"} << Kind::PrintAndExit << usage;
        QTest::addRow("help before version")
            << QStringList{"--version", "--help"} << Kind::PrintAndExit << usage;
        QTest::addRow("help before translating")
            << QStringList{"--translate", "x", "--help"} << Kind::PrintAndExit << usage;
        QTest::addRow("version") << QStringList{"--version"} << Kind::PrintAndExit << version;
        QTest::addRow("short version") << QStringList{"-v"} << Kind::PrintAndExit << version;
        QTest::addRow("version after unknown")
            << QStringList{"--nope", "-v", "/startup"} << Kind::PrintAndExit << version;
        QTest::addRow("translate")
            << QStringList{"--translate", "Good morning"} << Kind::Headless << QString();
        QTest::addRow("translate=")
            << QStringList{"--translate=hi", "--pair", "x"} << Kind::Headless << QString();
        QTest::addRow("list") << QStringList{"--list"} << Kind::Headless << QString();
        // The headless mode reports the missing value; the window must not
        // open instead.
        QTest::addRow("translate without text")
            << QStringList{"--translate"} << Kind::Headless << QString();
    }
    void parse() {
        QFETCH(QStringList, arguments);
        QFETCH(Kind, kind);
        QFETCH(QString, output);
        const AppCommand command =
            AppCommandLine::parse(QStringList{QStringLiteral("/usr/bin/RaDudezozad")} + arguments);
        QCOMPARE(command.kind, kind);
        QCOMPARE(command.exitCode, 0);
        QVERIFY2(command.output.startsWith(output), qPrintable(command.output));
        if (kind != Kind::PrintAndExit) QVERIFY(command.output.isEmpty());
    }

    // The help names what a user can type, the old switches included.
    void helpListsEverything() {
        const QString help = AppCommandLine::helpText();
        for (const char* word : {"--help", "--version", "--translate", "--list", "/startup",
                                 "/debug", "PARLAMO_CONFIG_HOST"})
            QVERIFY2(help.contains(QLatin1String(word)), word);
    }

    // --translate-selection starts (or reaches) the window; the headless
    // options and --help still win.
    void translateSelection() {
        const auto parse = [](const QStringList& arguments) {
            return AppCommandLine::parse(QStringList{QStringLiteral("RaDudezozad")} + arguments);
        };
        const AppCommand alone = parse({"--translate-selection"});
        QCOMPARE(alone.kind, AppCommand::Kind::RunWindow);
        QVERIFY(alone.translateSelection);
        QVERIFY(!parse({"/startup"}).translateSelection);
        QCOMPARE(parse({"--translate-selection", "--list"}).kind, AppCommand::Kind::Headless);
        QCOMPARE(parse({"--translate-selection", "--help"}).kind, AppCommand::Kind::PrintAndExit);
        QVERIFY(AppCommandLine::helpText().contains("--translate-selection"));
    }
};

QTEST_GUILESS_MAIN(TestAppCommandLine)
#include "test_appcommandline.moc"
