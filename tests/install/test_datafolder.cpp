#include <QDir>
#include <QFile>
#include <QTest>

#include "TestEnv.h"
#include "platform/AppInfo.h"

// Where config.xml and wav/ go: beside a program run from a writable folder
// of its own, and under XDG_DATA_HOME for an installed program, whose folder
// may be writable too (a prefix in the home; /usr/bin for root).
class TestDataFolder : public QObject {
    Q_OBJECT
private slots:
    void dataFolder_data() {
        QTest::addColumn<QString>("program");  // absolute, or under the test's folder
        QTest::addColumn<bool>("beside");
        QTest::addRow("own folder") << "program" << true;
        QTest::addRow("installed under a prefix") << "prefix/bin" << false;
        QTest::addRow("system folder") << "/usr/bin" << false;
        QTest::addRow("link to a system folder") << "usrbin" << false;
    }
    void dataFolder() {
        QFETCH(QString, program);
        QFETCH(bool, beside);
        TestEnv env;
        const QString root = env.root() + QLatin1Char('/');
        // What `cmake --install --prefix` lays out, and a link to /usr/bin.
        QVERIFY(QDir().mkpath(root + "prefix/bin"));
        QVERIFY(QDir().mkpath(root + "prefix/share/metainfo"));
        QFile metainfo(root + "prefix/share/metainfo/org.velmor.Parlamo.metainfo.xml");
        QVERIFY(metainfo.open(QIODevice::WriteOnly));
        QVERIFY(QFile::link("/usr/bin", root + "usrbin"));
        const QString folder = QDir::isAbsolutePath(program) ? program : root + program;
        AppInfo::setProgramFolder(folder);

        QCOMPARE(AppInfo::dataFolder(), beside ? folder : env.dataHome() + "/Velmor/Parlamo");
    }
};

QTEST_GUILESS_MAIN(TestDataFolder)
#include "test_datafolder.moc"
