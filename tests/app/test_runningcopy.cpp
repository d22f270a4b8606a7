#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "app/RunningCopy.h"

// Where the lock file and its socket go: only into a folder that is ours
// alone. A folder that another user made first, or one that others may
// use, is never taken, whichever of the two places it is.
class TestRunningCopy : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    int m_row = 0;

    // Makes path as kind says: absent, ours (0700), open (ours, 0755),
    // nobody's (0700), a file, or a link to a private folder of ours.
    static bool make(const QString& path, const QString& kind) {
        const QByteArray native = QFile::encodeName(path);
        if (kind == "absent") return true;
        if (kind == "file") return QFile(path).open(QIODevice::WriteOnly);
        if (kind == "link")
            return make(path + ".target", "ours") && QFile::link(path + ".target", path);
        if (::mkdir(native.constData(), 0700) != 0) return false;
        if (kind == "open") return ::chmod(native.constData(), 0755) == 0;
        if (kind == "nobody") {
            const passwd* nobody = ::getpwnam("nobody");
            return nobody && ::chown(native.constData(), nobody->pw_uid, nobody->pw_gid) == 0;
        }
        return kind == "ours";
    }

private slots:
    void privateFolder_data() {
        QTest::addColumn<QString>("runtime");  // XDG_RUNTIME_DIR; "unset", "relative" or a kind
        QTest::addColumn<QString>("own");      // the folder of our own, as it is found
        QTest::addColumn<QString>("chosen");   // runtime, own or none
        QTest::addRow("runtime folder ours, 0700") << "ours"
                                                   << "absent"
                                                   << "runtime";
        QTest::addRow("runtime folder others may use") << "open"
                                                       << "absent"
                                                       << "own";
        QTest::addRow("runtime folder of another user") << "nobody"
                                                        << "absent"
                                                        << "own";
        QTest::addRow("runtime folder is a file") << "file"
                                                  << "absent"
                                                  << "own";
        QTest::addRow("runtime folder is a link") << "link"
                                                  << "absent"
                                                  << "own";
        QTest::addRow("runtime folder missing") << "absent"
                                                << "absent"
                                                << "own";
        QTest::addRow("unset: our own folder, made 0700") << "unset"
                                                          << "absent"
                                                          << "own";
        QTest::addRow("relative") << "relative"
                                  << "absent"
                                  << "own";
        QTest::addRow("own folder there already, ours") << "unset"
                                                        << "ours"
                                                        << "own";
        QTest::addRow("own folder made first by another user") << "unset"
                                                               << "nobody"
                                                               << "none";
        QTest::addRow("own folder others may use") << "open"
                                                   << "open"
                                                   << "none";
        QTest::addRow("own folder is a link") << "unset"
                                              << "link"
                                              << "none";
    }
    void privateFolder() {
        QFETCH(QString, runtime);
        QFETCH(QString, own);
        QFETCH(QString, chosen);
        if ((runtime == "nobody" || own == "nobody") && ::geteuid() != 0)
            QSKIP("handing a folder to another user needs root");
        QVERIFY(m_dir.isValid());
        const QString row = m_dir.filePath(QString::number(++m_row));
        QVERIFY(QDir().mkpath(row));
        const QString runtimePath = row + "/run";
        const QString ownPath = row + "/own";
        QString runtimeArg = runtimePath;
        if (runtime == "unset")
            runtimeArg.clear();
        else if (runtime == "relative")
            runtimeArg = "run";
        else
            QVERIFY(make(runtimePath, runtime));
        QVERIFY(make(ownPath, own));

        const RunningCopy::Folder folder = RunningCopy::privateFolder(runtimeArg, ownPath);
        if (chosen == "none") {
            QVERIFY(folder.path.isEmpty());
            QVERIFY(!folder.why.isEmpty());
            return;
        }
        QCOMPARE(folder.path, chosen == "runtime" ? runtimePath : ownPath);
        struct stat info {};
        QCOMPARE(::lstat(QFile::encodeName(folder.path).constData(), &info), 0);
        QVERIFY(S_ISDIR(info.st_mode));
        QCOMPARE(info.st_uid, ::geteuid());
        QCOMPARE(info.st_mode & 0777, 0700U);
    }
};

QTEST_GUILESS_MAIN(TestRunningCopy)
#include "test_runningcopy.moc"
