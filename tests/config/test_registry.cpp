#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include "TestEnv.h"
#include "config/AutostartEntry.h"
#include "config/IniFile.h"
#include "config/Settings.h"
#include "config/cVeRegistry.h"

namespace {

const QString program = cVeRegistry::programSection();
const QString run = cVeRegistry::runSection();
const QString entry = Settings::name(Settings::Key::StartEntry);

bool writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

ino_t inodeOf(const QString& path) {
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_ino : 0;
}

}  // namespace

Q_DECLARE_METATYPE(Settings::Key)

class TestRegistry : public QObject {
    Q_OBJECT

private slots:
    void neverWrittenGivesTheDefault_data() {
        QTest::addColumn<QString>("fallback");
        QTest::addRow("empty") << QString("");
        QTest::addRow("marker 1") << QString("1");
        QTest::addRow("Null") << QString("Null");
    }
    void neverWrittenGivesTheDefault() {
        QFETCH(QString, fallback);
        TestEnv env;
        cVeRegistry reg;
        QCOMPARE(reg.GetSetting(program, "installdate", fallback), fallback);
        QVERIFY(reg.SaveSetting(program, "uid", "x"));
        // The section exists now; the value still does not.
        QCOMPARE(reg.GetSetting(program, "installdate", fallback), fallback);
        QCOMPARE(reg.GetSetting(run, entry, fallback), fallback);
    }

    void textSurvivesAFreshInstance_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addRow("empty text") << "ConfigLoaded"
                                    << "";
        QTest::addRow("spaces") << "installdate"
                                << "6/3/24 2:05 PM";
        QTest::addRow("backslashes") << "path"
                                     << "C:\\Apps\\\\Parlamo\\";
        QTest::addRow("trailing space") << "a"
                                        << "value ";
        QTest::addRow("leading spaces and tab") << "a"
                                                << "  \tvalue";
        QTest::addRow("only spaces") << "a"
                                     << "   ";
        QTest::addRow("quotes") << "a"
                                << "\"quoted\" and \"";
        QTest::addRow("comment and section signs") << "a"
                                                   << "; # [x] = y";
        QTest::addRow("line breaks") << "a"
                                     << "one\ntwo\r\nthree";
        QTest::addRow("no-break space at the end") << "a" << QString("x") + QChar(0xa0);
        QTest::addRow("non-ASCII") << "a" << QString::fromUtf8("Grüße – día");
        QTest::addRow("name with equals sign") << "a=b"
                                               << "c=d";
        QTest::addRow("name with spaces") << " padded name "
                                          << "v";
        QTest::addRow("name like a comment") << ";c"
                                             << "v";
        QTest::addRow("name like a section") << "[s]"
                                             << "v";
        QTest::addRow("name @ is not the default") << "@"
                                                   << "at";
        QTest::addRow("quote in the name") << "\"n"
                                           << "v";
    }
    void textSurvivesAFreshInstance() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        TestEnv env;
        {
            cVeRegistry reg;
            QVERIFY(reg.SaveSetting(program, "before", "b"));
            QVERIFY(reg.SaveSetting(program, name, text));
            QVERIFY(reg.SaveSetting(program, "after", "c"));
        }
        cVeRegistry fresh;
        QCOMPARE(fresh.GetSetting(program, name, "default"), text);
        QCOMPARE(fresh.GetSetting(program, "before", "default"), QString("b"));
        QCOMPARE(fresh.GetSetting(program, "after", "default"), QString("c"));
        if (name != "@") QCOMPARE(fresh.GetSetting(program, "*", "none"), QString("none"));
    }

    void programSectionIsAReadableIniFile() {
        TestEnv env;
        cVeRegistry reg;
        QVERIFY(reg.SaveSetting(program, "uid", "ab12"));
        QVERIFY(reg.SaveSetting(program, "folder", "C:\\Apps\\"));
        const QString path = env.configHome() + "/Velmor/Rorererizu/3.ini";
        QCOMPARE(reg.sectionFile(program), path);
        const QByteArray text = TestEnv::readFile(path);
        QVERIFY2(text.contains("\nuid=ab12\n"), text.constData());
        QVERIFY2(text.contains("\nfolder=C:\\Apps\\\n"), text.constData());
        // Rewriting one value changes only its line.
        QVERIFY(reg.SaveSetting(program, "uid", "cd34"));
        QByteArray expected = text;
        expected.replace("uid=ab12", "uid=cd34");
        QCOMPARE(TestEnv::readFile(path), expected);
    }

    // The program's keys keep the names and defaults the stored files have
    // always had: a renamed key would lose what users kept.
    void settingsKeys_data() {
        QTest::addColumn<Settings::Key>("key");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("fallback");
        using K = Settings::Key;
        QTest::addRow("uid") << K::Uid << "uid"
                             << "";
        QTest::addRow("firstStart") << K::FirstStart << "firstStart"
                                    << "1";
        QTest::addRow("installdate") << K::InstallDate << "installdate"
                                     << "Null";
        QTest::addRow("ConfigLoaded") << K::ConfigLoaded << "ConfigLoaded"
                                      << "";
        QTest::addRow("width") << K::Width << "width"
                               << "";
        QTest::addRow("height") << K::Height << "height"
                                << "";
        QTest::addRow("keepHistory") << K::KeepHistory << "keepHistory"
                                     << "1";
        QTest::addRow("start entry") << K::StartEntry << "Velmor Parlamo"
                                     << "";
    }
    void settingsKeys() {
        QFETCH(Settings::Key, key);
        QFETCH(QString, name);
        QFETCH(QString, fallback);
        TestEnv env;
        cVeRegistry reg;
        Settings settings(reg);
        QCOMPARE(settings.get(key), fallback);
        QVERIFY(settings.set(key, "v 1"));
        if (key == Settings::Key::StartEntry) {
            QCOMPARE(reg.GetSetting(run, name, "-"), QString("v 1"));
            QVERIFY(QFileInfo::exists(reg.autostartFile(name)));
        } else {
            const QByteArray text = TestEnv::readFile(reg.sectionFile(program));
            QVERIFY2(text.contains("\n" + name.toUtf8() + "=v 1\n"), text.constData());
        }
        QVERIFY(settings.remove(key));
        QCOMPARE(settings.get(key, "gone"), QString("gone"));
    }

    void missingLevelsAreCreated() {
        TestEnv env;
        cVeRegistry reg;
        const QString section = "Software\\Velmor\\New\\Deeper\\4";
        QVERIFY(!QFileInfo::exists(env.configHome() + "/Velmor/New"));
        QVERIFY(reg.SaveSetting(section, "k", "v"));
        QVERIFY(QFileInfo(env.configHome() + "/Velmor/New/Deeper/4.ini").isFile());
        QCOMPARE(reg.GetSetting(section, "k", ""), QString("v"));
        // Levels are separate: the parent section has no such value.
        QCOMPARE(reg.GetSetting("Software\\Velmor\\New\\Deeper", "k", "no"), QString("no"));
    }

    void starIsTheUnnamedValue() {
        TestEnv env;
        cVeRegistry reg;
        QVERIFY(reg.SaveSetting(program, "*", "unnamed"));
        QCOMPARE(reg.GetSetting(program, "*", ""), QString("unnamed"));
        QCOMPARE(reg.GetSetting(program, "", ""), QString("unnamed"));
        QCOMPARE(reg.GetSetting(program, "@", "not this"), QString("not this"));
        QVERIFY(reg.SaveSetting(program, "", "via empty name"));
        QCOMPARE(cVeRegistry().GetSetting(program, "*", ""), QString("via empty name"));
        // The empty name never deletes; "*" does.
        QVERIFY(reg.DeleteSetting(program, ""));
        QCOMPARE(reg.GetSetting(program, "*", "gone"), QString("via empty name"));
        QVERIFY(reg.DeleteSetting(program, "*"));
        QCOMPARE(reg.GetSetting(program, "*", "gone"), QString("gone"));
    }

    void deleteResults() {
        TestEnv env;
        cVeRegistry reg;
        QVERIFY(reg.DeleteSetting("Software\\Nowhere", ""));  // empty name: True, always
        QVERIFY(!reg.DeleteSetting("Software\\Nowhere", "k"));
        QVERIFY(reg.SaveSetting(program, "k", "v"));
        QVERIFY(reg.SaveSetting(program, "other", "o"));
        QVERIFY(!reg.DeleteSetting(program, "missing"));
        QVERIFY(reg.DeleteSetting(program, "k"));
        QCOMPARE(reg.GetSetting(program, "k", "def"), QString("def"));
        QCOMPARE(reg.GetSetting(program, "other", "def"), QString("o"));
        QVERIFY(!reg.DeleteSetting(program, "k"));
    }

    void corruptFileReadsAsAbsentAndIsKeptAside() {
        TestEnv env;
        cVeRegistry reg;
        const QString path = reg.sectionFile(program);
        // The literal is split so that the hex escape stops at 01.
        const char raw[] =
            "uid=x\n\xff\xfe\x00\x01"
            "binary";
        QByteArray garbage(raw, sizeof raw - 1);
        QVERIFY(writeFile(path, garbage));
        QCOMPARE(reg.GetSetting(program, "uid", "def"), QString("def"));
        QVERIFY(reg.SaveSetting(program, "firstStart", "0"));
        QCOMPARE(reg.GetSetting(program, "firstStart", "1"), QString("0"));
        QCOMPARE(TestEnv::readFile(path + ".corrupt"), garbage);
    }

    void linesNotUnderstoodAreSkippedAndKept() {
        TestEnv env;
        cVeRegistry reg;
        const QString path = reg.sectionFile(program);
        const QByteArray hand =
            "; edited by hand\r\n[Software\\Velmor\\Rorererizu\\3]\r\nno equals sign\r\n"
            "\"unterminated=1\r\n  width = 7200  \r\nwidth=9999\r\n";
        QVERIFY(writeFile(path, hand));
        QCOMPARE(reg.GetSetting(program, "width", ""), QString("7200"));  // first one counts
        QCOMPARE(reg.GetSetting(program, "\"unterminated", "def"), QString("def"));
        QVERIFY(reg.SaveSetting(program, "height", "3600"));
        const QByteArray after = TestEnv::readFile(path);
        QVERIFY2(after.startsWith("; edited by hand\n[Software\\Velmor\\Rorererizu\\3]\n"
                                  "no equals sign\n\"unterminated=1\n  width = 7200  \n"),
                 after.constData());
        QVERIFY2(after.endsWith("height=3600\n"), after.constData());
        QCOMPARE(reg.GetSetting(program, "width", ""), QString("7200"));
    }

    void writesReplaceTheFileAndLeaveNoTemporaries() {
        TestEnv env;
        cVeRegistry reg;
        QVERIFY(reg.SaveSetting(program, "a", "1"));
        const QString path = reg.sectionFile(program);
        const ino_t before = inodeOf(path);
        QVERIFY(before != 0);
        QVERIFY(reg.SaveSetting(program, "a", "2"));
        // A new file renamed over the old one, never the old one rewritten.
        QVERIFY(inodeOf(path) != before);
        QCOMPARE(QDir(QFileInfo(path).absolutePath()).entryList(QDir::Files), QStringList{"3.ini"});
    }

    void unwritableStore() {
        TestEnv env;
        // A settings home below a regular file cannot be created, even by root.
        QVERIFY(writeFile(env.root() + "/plainfile", "x"));
        cVeRegistry reg(env.root() + "/plainfile/config");
        QVERIFY(!reg.SaveSetting(program, "firstStart", "0"));
        QCOMPARE(reg.GetSetting(program, "firstStart", "1"), QString("1"));
        QVERIFY(!reg.SaveSetting(run, entry, "/x/RaDudezozad /startup"));
        QCOMPARE(reg.GetSetting(run, entry, ""), QString(""));
        QVERIFY(!reg.DeleteSetting(program, "firstStart"));
    }

    void readOnlyFolder() {
        if (::geteuid() == 0) QSKIP("permission bits do not bind root");
        TestEnv env;
        cVeRegistry reg;
        QVERIFY(reg.SaveSetting(program, "a", "1"));
        const QString folder = QFileInfo(reg.sectionFile(program)).absolutePath();
        QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
        const bool saved = reg.SaveSetting(program, "a", "2");
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(!saved);
        QCOMPARE(reg.GetSetting(program, "a", ""), QString("1"));
    }

    void unreadableSectionIsNotOverwritten() {
        TestEnv env;
        cVeRegistry reg;
        // A folder where the file should be: nothing can be read, and a write
        // must not pretend to have kept the value.
        QVERIFY(QDir().mkpath(reg.sectionFile(program)));
        QCOMPARE(reg.GetSetting(program, "a", "def"), QString("def"));
        QVERIFY(!reg.SaveSetting(program, "a", "1"));
        QVERIFY(!reg.DeleteSetting(program, "a"));
    }

    void sectionsCannotLeaveTheStore_data() {
        QTest::addColumn<QString>("section");
        QTest::addRow("dot dot") << "Software\\..\\..\\escape";
        QTest::addRow("empty level") << "Software\\Velmor\\\\3";
        QTest::addRow("slash") << "Software\\Velmor/../../escape";
        QTest::addRow("empty") << "";
    }
    void sectionsCannotLeaveTheStore() {
        QFETCH(QString, section);
        TestEnv env;
        cVeRegistry reg;
        QVERIFY(!reg.SaveSetting(section, "k", "v"));
        QCOMPARE(reg.GetSetting(section, "k", "def"), QString("def"));
        QCOMPARE(QDir(env.root()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(),
                 3);  // config, data, program: nothing new
        QVERIFY(QDir(env.configHome()).isEmpty());
        QVERIFY(!QFileInfo::exists(env.root() + "/../escape.ini"));
        QVERIFY(!QFileInfo::exists(env.root() + "/escape.ini"));
    }

    // Whatever stands at the name instead of a file, reading gives the
    // default at once: no blocking open, no endless read.
    void specialFilesAreNotRead_data() {
        QTest::addColumn<bool>("startEntry");
        QTest::addColumn<QString>("kind");
        for (const bool startEntry : {false, true}) {
            const char* where = startEntry ? "start entry" : "settings";
            for (const char* kind : {"fifo", "/dev/zero", "/dev/urandom", "over 1 MiB"})
                QTest::addRow("%s: %s", where, kind) << startEntry << QString(kind);
        }
    }
    void specialFilesAreNotRead() {
        QFETCH(bool, startEntry);
        QFETCH(QString, kind);
        TestEnv env;
        cVeRegistry reg;
        const QString path = startEntry ? reg.autostartFile(entry) : reg.sectionFile(program);
        QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
        QByteArray big;
        if (kind == "fifo") {
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else if (kind.startsWith('/')) {
            QVERIFY(QFile::link(kind, path));
        } else {
            // Valid, but larger than any file of ours: treated as corrupt.
            big = "[Desktop Entry]\nExec=/x/RaDudezozad\nuid=big\n" + QByteArray(1 << 20, '#');
            QVERIFY(writeFile(path, big));
        }
        const QString section = startEntry ? run : program;
        const QString name = startEntry ? entry : QString("uid");
        QCOMPARE(reg.GetSetting(section, name, "def"), QString("def"));
        if (startEntry || kind != "over 1 MiB") return;
        // An oversized settings file starts afresh, kept aside whole.
        QVERIFY(reg.SaveSetting(program, "uid", "new"));
        QCOMPARE(reg.GetSetting(program, "uid", "def"), QString("new"));
        QCOMPARE(TestEnv::readFile(path + ".corrupt"), big);
    }

    // A line read with one carriage return too many must mean the same after
    // the file has been written back, and must not come to hide a value saved
    // later under its name.
    void extraCarriageReturnsKeepTheirMeaning() {
        TestEnv env;
        cVeRegistry reg;
        const QString path = reg.sectionFile(program);
        QVERIFY(writeFile(path, "width=\"7200\"\r\r\nheight=3600\r\r\n"));
        QCOMPARE(reg.GetSetting(program, "width", "def"), QString("7200"));
        QCOMPARE(reg.GetSetting(program, "height", "def"), QString("3600"));
        QVERIFY(reg.SaveSetting(program, "width", "9000"));
        QVERIFY(reg.SaveSetting(program, "uid", "x"));  // rewrites the height line as read
        QCOMPARE(reg.GetSetting(program, "width", "def"), QString("9000"));
        QCOMPARE(reg.GetSetting(program, "height", "def"), QString("3600"));
    }

    void staleTemporariesAreSweptAtStart() {
        TestEnv env;
        const QString path = cVeRegistry().sectionFile(program);
        const QStringList stale{"3.ini.a1B2c3", "3.ini.ZZZZZZ"};
        const QStringList kept{"3.ini", "3.ini.corrupt", "3.ini.tmp", "3.ini.backup",
                               "4.ini.a1B2c3"};
        for (const QString& name : stale + kept)
            QVERIFY(writeFile(QFileInfo(path).absolutePath() + "/" + name, "uid=x\n"));
        cVeRegistry reg;
        QStringList expected = kept;
        expected.sort();
        QCOMPARE(QDir(QFileInfo(path).absolutePath()).entryList(QDir::Files, QDir::Name), expected);
        QCOMPARE(reg.GetSetting(program, "uid", "def"), QString("x"));
    }

    // People keep their settings in a dotfile folder and link them in: the
    // settings file is written where the link points, and the link stays.
    void settingsFileFollowsItsLink() {
        TestEnv env;
        cVeRegistry reg;
        const QString path = reg.sectionFile(program);
        const QString kept = env.root() + "/dotfiles/3.ini";
        QVERIFY(writeFile(kept, "uid=x\n"));
        QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
        QVERIFY(QFile::link(kept, path));
        QVERIFY(reg.SaveSetting(program, "width", "9000"));
        QVERIFY(QFileInfo(path).isSymLink());
        QCOMPARE(TestEnv::readFile(kept),
                 QByteArray("[Software\\Velmor\\Rorererizu\\3]\nuid=x\nwidth=9000\n"));
    }

    // --- the Run section: XDG autostart ---

    void startEntryIsAnAutostartFile() {
        TestEnv env;
        cVeRegistry reg;
        const QString command = env.programFolder() + "/RaDudezozad /startup";
        QVERIFY(reg.SaveSetting(run, entry, command));
        const QString path = env.configHome() + "/autostart/velmor-parlamo.desktop";
        QCOMPARE(reg.autostartFile(entry), path);
        const QByteArray text = TestEnv::readFile(path);
        QVERIFY2(text.startsWith("[Desktop Entry]\n"), text.constData());
        QVERIFY(text.contains("\nType=Application\n"));
        QVERIFY(text.contains("\nName=Velmor Parlamo\n"));
        QVERIFY2(text.contains("\nExec=" + command.toUtf8() + "\n"), text.constData());
        QCOMPARE(cVeRegistry().GetSetting(run, entry, ""), command);
        // Registry key names ignore letter case.
        QCOMPARE(reg.GetSetting(run.toUpper(), entry, ""), command);
        QVERIFY(reg.DeleteSetting(run, entry));
        QVERIFY(!QFileInfo::exists(path));
        QCOMPARE(reg.GetSetting(run, entry, "off"), QString("off"));
        QVERIFY(!reg.DeleteSetting(run, entry));
    }

    void folderWithSpacesStillStarts_data() {
        QTest::addColumn<bool>("programExists");
        QTest::addRow("program present") << true;
        QTest::addRow("program not there yet") << false;
    }
    void folderWithSpacesStillStarts() {
        QFETCH(bool, programExists);
        TestEnv env;
        const QString folder = env.root() + "/My Apps/Par la mo $HOME";
        QVERIFY(QDir().mkpath(folder));
        if (programExists) QVERIFY(writeFile(folder + "/RaDudezozad", "#!/bin/sh\n"));
        const QString command = folder + "/RaDudezozad /startup";
        cVeRegistry reg;
        QVERIFY(reg.SaveSetting(run, entry, command));
        const QByteArray text = TestEnv::readFile(reg.autostartFile(entry));
        const QByteArray quoted =
            "\nExec=\"" + folder.toUtf8().replace("$", "\\\\$") + "/RaDudezozad\" /startup\n";
        QVERIFY2(text.contains(quoted), text.constData());
        // What a launcher makes of the line: the program and one switch.
        const QString exec = AutostartEntry::execLine(command);
        QCOMPARE(AutostartEntry::parseExec(exec).value(),
                 (QStringList{folder + "/RaDudezozad", "/startup"}));
        QCOMPARE(reg.GetSetting(run, entry, ""), command);
    }

    void commandsSurviveQuoting_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QStringList>("argv");
        QTest::addRow("root folder")
            << "//RaDudezozad /startup" << QStringList{"//RaDudezozad", "/startup"};
        QTest::addRow("percent") << "/opt/100%/RaDudezozad /startup"
                                 << QStringList{"/opt/100%/RaDudezozad", "/startup"};
        QTest::addRow("quote and backslash") << "/opt/a\"b\\c/RaDudezozad /startup"
                                             << QStringList{"/opt/a\"b\\c/RaDudezozad", "/startup"};
        QTest::addRow("apostrophe") << "/home/o'neil/RaDudezozad /startup"
                                    << QStringList{"/home/o'neil/RaDudezozad", "/startup"};
        QTest::addRow("no switch") << "/opt/x/RaDudezozad" << QStringList{"/opt/x/RaDudezozad"};
        QTest::addRow("two spaces kept")
            << "/opt/x/RaDudezozad  /startup" << QStringList{"/opt/x/RaDudezozad ", "/startup"};
    }
    void commandsSurviveQuoting() {
        QFETCH(QString, command);
        QFETCH(QStringList, argv);
        TestEnv env;
        QCOMPARE(AutostartEntry::parseExec(AutostartEntry::execLine(command)).value(), argv);
        cVeRegistry reg;
        QVERIFY(reg.SaveSetting(run, entry, command));
        QCOMPARE(cVeRegistry().GetSetting(run, entry, ""), command);
    }

    void handWrittenEntries_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("expected");
        const QByteArray head = "[Desktop Entry]\nType=Application\nName=Velmor Parlamo\n";
        QTest::addRow("quoted program") << head + "Exec=\"/opt/my apps/RaDudezozad\" /startup\n"
                                        << "/opt/my apps/RaDudezozad /startup";
        QTest::addRow("field code dropped") << head + "Exec=/opt/p/RaDudezozad %U\n"
                                            << "/opt/p/RaDudezozad";
        QTest::addRow("escaped space") << head + "Exec=/opt/my\\sapps/RaDudezozad\n"
                                       << "/opt/my apps/RaDudezozad";
        QTest::addRow("hidden") << head + "Exec=/opt/p/RaDudezozad /startup\nHidden=true\n"
                                << "";
        QTest::addRow("disabled")
            << head + "Exec=/opt/p/RaDudezozad\nX-GNOME-Autostart-enabled=false\n"
            << "";
        QTest::addRow("empty Exec") << head + "Exec=\n"
                                    << "";
        QTest::addRow("unterminated quote") << head + "Exec=\"/opt/p/RaDudezozad\n"
                                            << "";
        QTest::addRow("other group only") << QByteArray("[Other]\nExec=/x\n") << "<default>";
        QTest::addRow("not text") << QByteArray("\xff\xfe\x00[Desktop Entry]", 18) << "<default>";
    }
    void handWrittenEntries() {
        QFETCH(QByteArray, file);
        QFETCH(QString, expected);
        TestEnv env;
        cVeRegistry reg;
        QVERIFY(writeFile(reg.autostartFile(entry), file));
        QCOMPARE(reg.GetSetting(run, entry, "<default>"), expected);
    }

    void emptyStartEntryReadsAsEmpty() {
        TestEnv env;
        cVeRegistry reg;
        QVERIFY(reg.SaveSetting(run, entry, ""));
        QCOMPARE(reg.GetSetting(run, entry, "default"), QString(""));
        QVERIFY(TestEnv::readFile(reg.autostartFile(entry)).contains("\nHidden=true\n"));
    }
};

QTEST_GUILESS_MAIN(TestRegistry)
#include "test_registry.moc"
