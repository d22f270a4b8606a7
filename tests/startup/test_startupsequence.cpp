#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QTest>
#include <QUrl>

#include "Fakes.h"
#include "TestEnv.h"
#include "TestHttpServer.h"
#include "config/Globals.h"
#include "config/Settings.h"
#include "config/StartEntry.h"
#include "platform/AppInfo.h"
#include "startup/ISplashScreen.h"
#include "startup/StartupSequence.h"

namespace {

using Icon = IDialogs::Icon;
using Buttons = IDialogs::Buttons;
using Result = IDialogs::Result;

// One log for the screen, the pauses and the message boxes, so that their
// order can be checked.
struct Journal {
    QStringList events;
    QString status;
    int bar = -1;
    QString state() const { return status + "|" + QString::number(bar); }
};

class JournalScreen : public ISplashScreen {
public:
    explicit JournalScreen(Journal& j) : m_j(j) {}
    void setVersionText(const QString& t) override { m_j.events << "version " + t; }
    QString status() const override { return m_j.status; }
    void setStatus(const QString& t) override {
        m_j.status = t;
        m_j.events << "status " + t;
    }
    void setBarMinimum(int v) override { m_j.events << QString("min %1").arg(v); }
    void setBarMaximum(int v) override { m_j.events << QString("max %1").arg(v); }
    void setBarValue(int v) override {
        m_j.bar = v;
        m_j.events << QString("bar %1").arg(v);
    }
    void Repaint() override { m_j.events << "repaint"; }
    void Navigate(const QString& to) override { m_j.events << "navigate " + to; }
    void Unload() override { m_j.events << "unload"; }

private:
    Journal& m_j;
};

class JournalPauser : public FakePauser {
public:
    explicit JournalPauser(Journal& j) : m_j(j) {}
    QCoro::Task<> pause(int ms) override {
        pauses << ms;
        m_j.events << QString("pause %1").arg(ms);
        states << m_j.state();
        co_return;
    }
    QStringList states;

private:
    Journal& m_j;
};

class JournalDialogs : public FakeDialogs {
public:
    explicit JournalDialogs(Journal& j) : m_j(j) {}
    Result messageBox(const QString& text, const QString& title, Icon icon,
                      Buttons buttons) override {
        m_j.events << "box " + text;
        states << m_j.state();
        return FakeDialogs::messageBox(text, title, icon, buttons);
    }
    QStringList states;

private:
    Journal& m_j;
};

QByteArray sample() {
    return TestEnv::readFile(TestEnv::sampleConfigPath());
}

QByteArray sampleWith(const QByteArray& from, const QByteArray& to) {
    return sample().replace(from, to);
}

const QString program = cVeRegistry::programSection();

// Everything one start needs, against a loopback configuration server.
struct Start {
    TestEnv env;
    TestHttpServer server;
    Journal journal;
    JournalScreen screen{journal};
    JournalPauser pauser{journal};
    JournalDialogs dialogs{journal};
    FakeUrlOpener opener;
    Globals globals;
    QByteArray oldHost = qgetenv("PARLAMO_CONFIG_HOST");

    Start() {
        server.start();
        qputenv("PARLAMO_CONFIG_HOST", server.hostPort().toUtf8());
    }
    ~Start() { qputenv("PARLAMO_CONFIG_HOST", oldHost); }

    // A screen that opens addresses through the fake, as frmSplash does
    // through the real seam.
    struct OpeningScreen : JournalScreen {
        OpeningScreen(Journal& j, FakeUrlOpener& o) : JournalScreen(j), opener(o) {}
        void Navigate(const QString& to) override {
            JournalScreen::Navigate(to);
            opener.open(to);
        }
        FakeUrlOpener& opener;
    } openingScreen{journal, opener};

    void run(int timeoutMs = 5000) {
        StartupSequence seq(globals, dialogs, pauser, openingScreen);
        seq.setLoadTimeout(timeoutMs);
        QCoro::waitFor(seq.run());
        failure = seq.failureReason();
    }
    QString setting(const QString& name) {
        return cVeRegistry().GetSetting(program, name, "<absent>");
    }
    QString entry() {
        return cVeRegistry().GetSetting(cVeRegistry::runSection(),
                                        Settings::name(Settings::Key::StartEntry), "<absent>");
    }
    QString configXml() const { return env.programFolder() + "/config.xml"; }
    // As after an earlier start: not a first start, the start entry on.
    void earlierStart() {
        cVeRegistry reg;
        reg.SaveSetting(program, "firstStart", "0");
        reg.SaveSetting(program, "installdate", "1/2/24 3:04 PM");
        StartEntry::create(reg);
    }
    QString failure;
};

}  // namespace

class TestStartupSequence : public QObject {
    Q_OBJECT

private slots:
    void outcomes_data() {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("loaded");
        QTest::addColumn<bool>("showMain");
        QTest::addColumn<bool>("written");  // config.xml and ConfigLoaded
        QTest::addColumn<QString>("finalState");
        QTest::addColumn<QList<int>>("pauses");

        const QList<int> good{250, 250, 250, 500}, bad{250, 500};
        QTest::addRow("tray off") << sample() << 200 << true << true << true << "Initialized|4"
                                  << good;
        QTest::addRow("tray on") << sampleWith(R"(tray="0")", R"(tray="1")") << 200 << true << false
                                 << true << "Initialized, minimizing to tray.|4" << good;
        QTest::addRow("tray other than 1") << sampleWith(R"(tray="0")", R"(tray="yes")") << 200
                                           << true << true << true << "Initialized|4" << good;
        QTest::addRow("tray absent") << sampleWith(R"(tray="0")", "") << 200 << true << true << true
                                     << "Initialized|4" << good;
        QTest::addRow("end-of-service notice")
            << sampleWith(R"(endmessage="")", R"(endmessage="Service has ended.")") << 200 << false
            << false << true << "Loading updated server configuration|3"
            << QList<int>{250, 250, 500};
        QTest::addRow("HTTP 500 with a document")
            << sample() << 500 << false << false << false << "Loading preferences|2" << bad;
        QTest::addRow("HTTP 404") << QByteArray("not here") << 404 << false << false << false
                                  << "Loading preferences|2" << bad;
        QTest::addRow("not XML") << QByteArray("<html><body>oops") << 200 << false << false << false
                                 << "Loading preferences|2" << bad;
        QTest::addRow("empty answer")
            << QByteArray() << 200 << false << false << false << "Loading preferences|2" << bad;
    }
    void outcomes() {
        QFETCH(QByteArray, body);
        QFETCH(int, status);
        QFETCH(bool, loaded);
        QFETCH(bool, showMain);
        QFETCH(bool, written);
        QFETCH(QString, finalState);
        QFETCH(QList<int>, pauses);

        Start s;
        s.earlierStart();
        ScriptedResponse r = ScriptedResponse::withStatus(status, body);
        r.headers.append(qMakePair(QByteArray("Content-Type"), QByteArray("text/xml")));
        s.server.setDefaultResponse(r);
        s.run();

        QCOMPARE(s.globals.gblnConfigLoaded, loaded);
        QCOMPARE(s.globals.gblnShowMain, showMain);
        QCOMPARE(s.journal.state(), finalState);
        QCOMPARE(s.pauser.pauses, pauses);
        QCOMPARE(s.server.requestCount(), 1);
        if (written) {
            QCOMPARE(TestEnv::readFile(s.configXml()), body);  // byte for byte
            QCOMPARE(s.setting("ConfigLoaded"), QString("1"));
            QCOMPARE(s.entry(), StartEntry::command());
            QVERIFY(!s.globals.gelmMessages.isNull());
        } else {
            QVERIFY(!QFileInfo::exists(s.configXml()));
            QCOMPARE(s.setting("ConfigLoaded"), QString("<absent>"));
            QCOMPARE(s.entry(), QString("<absent>"));  // deleted by the failed load
            QCOMPARE(s.dialogs.asked.size(), 1);
            QCOMPARE(s.dialogs.asked[0].text, StartupSequence::noConnectionMessage());
            QCOMPARE(s.dialogs.asked[0].title, QString("Parlamo v3.1"));
            QCOMPARE(s.dialogs.asked[0].icon, Icon::Exclamation);
            QCOMPARE(s.dialogs.asked[0].buttons, Buttons::Ok);
            QCOMPARE(s.dialogs.states, QStringList{"Loading preferences|2"});
        }
        QCOMPARE(s.journal.events.last(), QString("unload"));
    }

    void noServerAtAll() {
        Start s;
        s.earlierStart();
        quint16 closedPort;
        {
            TestHttpServer gone;
            QVERIFY(gone.start());
            closedPort = gone.port();
        }
        qputenv("PARLAMO_CONFIG_HOST", QByteArray("127.0.0.1:") + QByteArray::number(closedPort));
        s.run();
        QVERIFY(!s.globals.gblnConfigLoaded);
        QVERIFY(!s.globals.gblnShowMain);
        QCOMPARE(s.entry(), QString("<absent>"));
        QCOMPARE(s.dialogs.asked.size(), 1);
        QCOMPARE(s.dialogs.asked[0].text, StartupSequence::noConnectionMessage());
        QVERIFY(!QFileInfo::exists(s.configXml()));
    }

    void serverThatNeverAnswersIsGivenUpOn() {
        Start s;
        ScriptedResponse silent;
        silent.neverAnswer = true;
        s.server.setDefaultResponse(silent);
        s.run(300);
        QCOMPARE(s.server.requestCount(), 1);
        QVERIFY(!s.globals.gblnConfigLoaded);
        QVERIFY2(s.failure.contains("no answer"), qPrintable(s.failure));
        QCOMPARE(s.dialogs.asked.size(), 1);
        QCOMPARE(s.dialogs.asked[0].text, StartupSequence::noConnectionMessage());
        QCOMPARE(s.pauser.pauses, (QList<int>{250, 500}));
    }

    // The fixed message gains a details part that says what was asked and
    // what went wrong.
    void noConnectionDetails_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("why");
        QTest::addRow("refused") << "refused"
                                 << "the connection was refused";
        QTest::addRow("timed out") << "silent"
                                   << "timed out";
        QTest::addRow("HTTP status") << "503"
                                     << "the server answered with HTTP status 503";
        QTest::addRow("not well-formed") << "broken"
                                         << "not a well-formed document";
        QTest::addRow("document refused") << "incomplete"
                                          << "the document was refused: it lacks the Sizes element";
    }
    void noConnectionDetails() {
        QFETCH(QString, kind);
        QFETCH(QString, why);
        Start s;
        QString host = s.server.hostPort();
        if (kind == "refused") {
            TestHttpServer gone;
            QVERIFY(gone.start());
            host = gone.hostPort();
        }
        qputenv("PARLAMO_CONFIG_HOST", host.toUtf8());
        ScriptedResponse r = ScriptedResponse::text(
            kind == "broken" ? QByteArray("<Parlamo>") : sampleWith("<Sizes ", "<Sized "),
            "text/xml");
        r.neverAnswer = kind == "silent";
        if (kind == "503") r = ScriptedResponse::withStatus(503);
        s.server.setDefaultResponse(r);
        s.run(300);

        QCOMPARE(s.dialogs.asked.size(), 1);
        const FakeDialogs::Asked& box = s.dialogs.asked[0];
        QCOMPARE(box.text, StartupSequence::noConnectionMessage());
        QCOMPARE(box.title, QString("Parlamo v3.1"));
        QCOMPARE(box.icon, Icon::Exclamation);
        QVERIFY2(box.details.startsWith("Address asked for: http://" + host +
                                        "/translator/3/config.asp?uid="),
                 qPrintable(box.details));
        QVERIFY2(box.details.contains("\nWhat went wrong: " + why), qPrintable(box.details));
    }

    void endlessAnswerIsAFailedLoad_data() {
        QTest::addColumn<bool>("announced");
        QTest::addRow("announced length") << true;
        QTest::addRow("no length, keeps sending") << false;
    }
    void endlessAnswerIsAFailedLoad() {
        QFETCH(bool, announced);
        Start s;
        ScriptedResponse endless;
        endless.generatedBodySize = 40 * 1024 * 1024;
        endless.omitContentLength = !announced;
        s.server.setDefaultResponse(endless);
        s.run();
        QVERIFY(!s.globals.gblnConfigLoaded);
        QVERIFY2(s.failure.contains("32 MiB"), qPrintable(s.failure));
        QCOMPARE(s.dialogs.asked.size(), 1);
        QCOMPARE(s.dialogs.asked[0].text, StartupSequence::noConnectionMessage());
    }

    void endOfServiceNotice_data() {
        QTest::addColumn<QByteArray>("endurl");
        QTest::addColumn<QList<Result>>("answers");
        QTest::addColumn<Buttons>("buttons");
        QTest::addColumn<QStringList>("opened");
        QTest::addRow("no address")
            << QByteArray("") << QList<Result>{} << Buttons::Ok << QStringList{};
        QTest::addRow("address, OK")
            << QByteArray("http://127.0.0.1:1/next") << QList<Result>{Result::Ok}
            << Buttons::OkCancel << QStringList{"http://127.0.0.1:1/next"};
        QTest::addRow("address, Cancel")
            << QByteArray("http://127.0.0.1:1/next") << QList<Result>{Result::Cancel}
            << Buttons::OkCancel << QStringList{};
    }
    void endOfServiceNotice() {
        QFETCH(QByteArray, endurl);
        QFETCH(QList<Result>, answers);
        QFETCH(Buttons, buttons);
        QFETCH(QStringList, opened);
        Start s;
        QByteArray doc = sampleWith(R"(endmessage="")", R"(endmessage="We have closed.")");
        doc.replace(R"(endurl="")", "endurl=\"" + endurl + "\"");
        doc.replace(R"(open="")", R"(open="Not shown after an end notice")");
        s.server.setDefaultResponse(ScriptedResponse::text(doc, "text/xml"));
        s.dialogs.answers = answers;
        s.run();
        QCOMPARE(s.dialogs.asked.size(), 1);
        QCOMPARE(s.dialogs.asked[0].text, QString("We have closed."));
        QCOMPARE(s.dialogs.asked[0].title, QString("Parlamo"));  // titlemsgbox
        QCOMPARE(s.dialogs.asked[0].icon, Icon::Information);
        QCOMPARE(s.dialogs.asked[0].buttons, buttons);
        QCOMPARE(s.dialogs.states, QStringList{"Loading updated server configuration|3"});
        QCOMPARE(s.opener.opened, opened);
        QVERIFY(!s.globals.gblnConfigLoaded);
        QVERIFY(!s.globals.gblnShowMain);
        QCOMPARE(TestEnv::readFile(s.configXml()), doc);
        QCOMPARE(s.setting("ConfigLoaded"), QString("1"));
    }

    void openingNoticeComesBeforeInitialized() {
        Start s;
        s.server.setDefaultResponse(ScriptedResponse::text(
            sampleWith(R"(open="")", R"(open="Welcome &amp; hello")"), "text/xml"));
        s.run();
        QCOMPARE(s.dialogs.asked.size(), 1);
        QCOMPARE(s.dialogs.asked[0].text, QString("Welcome & hello"));
        QCOMPARE(s.dialogs.asked[0].title, QString("Parlamo"));
        QCOMPARE(s.dialogs.asked[0].icon, Icon::Information);
        QCOMPARE(s.dialogs.asked[0].buttons, Buttons::Ok);
        QCOMPARE(s.dialogs.states, QStringList{"Loading updated server configuration|3"});
        QVERIFY(s.globals.gblnConfigLoaded);
        QVERIFY(s.globals.gblnShowMain);
    }

    void stepsInOrder_data() {
        QTest::addColumn<bool>("good");
        QTest::addColumn<QStringList>("events");
        const QStringList head{"version v3.1 build 108",
                               "min 1",
                               "max 4",
                               "repaint",
                               "status Loading preferences",
                               "bar 1",
                               "repaint",
                               "pause 250",
                               "bar 2",
                               "repaint"};
        QTest::addRow("successful start, tray on")
            << true
            << head + QStringList{"status Loading updated server configuration",
                                  "bar 3",
                                  "repaint",
                                  "pause 250",
                                  "status Initialized",
                                  "bar 4",
                                  "repaint",
                                  "status Initialized, minimizing to tray.",
                                  "repaint",
                                  "pause 250",
                                  "pause 500",
                                  "unload"};
        QTest::addRow("failed load")
            << false
            << head + QStringList{"box " + StartupSequence::noConnectionMessage(), "pause 500",
                                  "unload"};
    }
    void stepsInOrder() {
        QFETCH(bool, good);
        QFETCH(QStringList, events);
        Start s;
        s.server.setDefaultResponse(
            good ? ScriptedResponse::text(sampleWith(R"(tray="0")", R"(tray="1")"), "text/xml")
                 : ScriptedResponse::withStatus(503));
        s.run();
        QCOMPARE(s.journal.events, events);
    }

    void firstStartThenLaterStarts() {
        Start s;
        s.server.setDefaultResponse(ScriptedResponse::text(sample(), "text/xml"));
        const QDateTime before = QDateTime::currentDateTime();
        s.run();
        const QDateTime after = QDateTime::currentDateTime();
        // First start: entry created, marker cleared, date stored and sent.
        QCOMPARE(s.entry(), s.env.programFolder() + "/test_startupsequence /startup");
        QCOMPARE(s.setting("firstStart"), QString("0"));
        // The general date form of the regional settings (ctest runs this in
        // en_US): the short date and the long time, with seconds.
        const QString date = s.setting("installdate");
        const QLocale locale = QLocale::system();
        // en_US's long time is "h:mm:ss AP t"; the general form has no zone.
        const QString form = locale.dateFormat(QLocale::ShortFormat) + ' ' +
                             locale.timeFormat(QLocale::LongFormat).remove(" t");
        QVERIFY(form.contains("ss") && !form.contains('t'));
        QStringList expected;
        for (QDateTime t = before.addMSecs(-before.time().msec()); t <= after; t = t.addSecs(1))
            expected << locale.toString(t, form);
        QVERIFY2(expected.contains(date), qPrintable(date + " not in " + expected.join(", ")));
        const QString sent =
            QUrl::fromPercentEncoding(s.server.lastRequest().target.split('=').last());
        QCOMPARE(sent, date);

        // The user switches the entry off; later starts do not bring it back,
        // and keep the first date.
        cVeRegistry reg;
        QVERIFY(StartEntry::remove(reg));
        QVERIFY(reg.SaveSetting(program, "installdate", "7/8/21 9:10 AM"));
        Globals again;
        StartupSequence seq(again, s.dialogs, s.pauser, s.openingScreen);
        QCoro::waitFor(seq.run());
        QVERIFY(again.gblnConfigLoaded);
        QCOMPARE(s.entry(), QString("<absent>"));
        QCOMPARE(s.setting("installdate"), QString("7/8/21 9:10 AM"));
        QCOMPARE(s.server.lastRequest().target,
                 QByteArray("/translator/3/config.asp?uid=&version=3.1.108"
                            "&installdate=7/8/21%209:10%20AM"));
    }

    void requestAddress_data() {
        QTest::addColumn<QString>("uid");
        QTest::addColumn<QByteArray>("target");
        QTest::addRow("empty uid") << ""
                                   << QByteArray(
                                          "/translator/3/config.asp?uid=&version=3.1.108"
                                          "&installdate=1/2/24%203:04%20PM");
        QTest::addRow("uid") << "ab12-CD"
                             << QByteArray(
                                    "/translator/3/config.asp?uid=ab12-CD&version=3.1.108"
                                    "&installdate=1/2/24%203:04%20PM");
        // Not escaped by the program: what it holds goes out as it stands,
        // only made fit for a request line.
        QTest::addRow("uid with a space and an ampersand")
            << "a b&c"
            << QByteArray(
                   "/translator/3/config.asp?uid=a%20b&c&version=3.1.108"
                   "&installdate=1/2/24%203:04%20PM");
    }
    void requestAddress() {
        QFETCH(QString, uid);
        QFETCH(QByteArray, target);
        Start s;
        s.earlierStart();
        cVeRegistry().SaveSetting(program, "uid", uid);
        s.server.setDefaultResponse(ScriptedResponse::text(sample(), "text/xml"));
        s.run();
        QCOMPARE(s.globals.gstrUid, uid);
        QCOMPARE(s.server.lastRequest().method, QByteArray("GET"));
        QCOMPARE(s.server.lastRequest().target, target);
        QCOMPARE(s.server.lastRequest().header("Host"), s.server.hostPort().toUtf8());
    }

    void unwritableStoreSendsNullEveryTime() {
        Start s;
        QFile plain(s.env.root() + "/plainfile");
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();
        qputenv("XDG_CONFIG_HOME", (s.env.root() + "/plainfile/config").toLocal8Bit());
        s.server.setDefaultResponse(ScriptedResponse::text(sample(), "text/xml"));
        for (int run = 0; run < 2; ++run) {
            Globals g;
            StartupSequence seq(g, s.dialogs, s.pauser, s.openingScreen);
            QCoro::waitFor(seq.run());
            QVERIFY(g.gblnConfigLoaded);
            QCOMPARE(s.server.lastRequest().target,
                     QByteArray("/translator/3/config.asp?uid=&version=3.1.108&installdate=Null"));
        }
        QCOMPARE(s.server.requestCount(), 2);
    }

    void copyGoesToTheDataFolderWhenTheProgramFolderIsReadOnly() {
        Start s;
        QFile plain(s.env.root() + "/plainfile");
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();
        AppInfo::setProgramFolder(s.env.root() + "/plainfile/program");
        s.server.setDefaultResponse(ScriptedResponse::text(sample(), "text/xml"));
        s.run();
        QVERIFY(s.globals.gblnConfigLoaded);
        QCOMPARE(TestEnv::readFile(s.env.dataHome() + "/Velmor/Parlamo/config.xml"), sample());
    }

    void incompleteDocumentIsRefused_data() {
        QTest::addColumn<QByteArray>("from");
        QTest::addColumn<QByteArray>("to");
        QTest::addColumn<QString>("named");
        QTest::addRow("no titlemsgbox") << QByteArray(R"(titlemsgbox="Parlamo")") << QByteArray()
                                        << "the Messages attribute titlemsgbox";
        QTest::addRow("no cmdTranslate") << QByteArray(R"(cmdTranslate="&amp;Translate")")
                                         << QByteArray() << "the Messages attribute cmdTranslate";
        QTest::addRow("no Features")
            << QByteArray("<Features ") << QByteArray("<Featured ") << "the Features element";
        QTest::addRow("no Engines")
            << QByteArray("Engines") << QByteArray("Enginez") << "the Engines element";
        QTest::addRow("default not a number") << QByteArray(R"(default="0" commonlanguages)")
                                              << QByteArray(R"(default="first" commonlanguages)")
                                              << "a numeric Engines attribute default";
        QTest::addRow("default past the last engine")
            << QByteArray(R"(default="0" commonlanguages)")
            << QByteArray(R"(default="2" commonlanguages)")
            << "an engine at the Engines default 2 (there are 2)";
        QTest::addRow("default -1") << QByteArray(R"(default="0" commonlanguages)")
                                    << QByteArray(R"(default="-1" commonlanguages)")
                                    << "an engine at the Engines default -1";
        QTest::addRow("no commonlanguages") << QByteArray(R"(commonlanguages="1")") << QByteArray()
                                            << "a numeric Engines attribute commonlanguages";
        QTest::addRow("engine without a name")
            << QByteArray(R"(name="Lumen Post")") << QByteArray() << "the name of engine 2";
        QTest::addRow("apostrophe")
            << QByteArray(R"(name="Lumen Post")") << QByteArray("name=\"Lumen's\"")
            << "an engine name without an apostrophe (Lumen's)";
        QTest::addRow("no Sizes") << QByteArray("<Sizes ") << QByteArray("<Sized ")
                                  << "the Sizes element";
        QTest::addRow("footer not a number")
            << QByteArray(R"(footer="1200")") << QByteArray(R"(footer="tall")")
            << "a numeric Sizes attribute footer";
        QTest::addRow("no Messages")
            << QByteArray("<Messages ") << QByteArray("<Message ") << "the Messages element";
        QTest::addRow("minwidth beyond any screen")
            << QByteArray(R"(minwidth="5500")") << QByteArray(R"(minwidth="3e38")")
            << "a Sizes attribute minwidth that a screen can hold (at most 491505 twips, not "
               "3e+38)";
        QTest::addRow("minheight not a number")
            << QByteArray(R"(minheight="3600")") << QByteArray(R"(minheight="tall")")
            << "a numeric Sizes attribute minheight";
        QTest::addRow("Languages default past the last pair")
            << QByteArray(R"(<Languages default="1">)") << QByteArray(R"(<Languages default="4">)")
            << "a language at the Languages default 4 of engine Lumen Post (there are 4)";
        QTest::addRow("Languages default below none")
            << QByteArray(R"(<Languages default="0">)") << QByteArray(R"(<Languages default="-2">)")
            << "a language at the Languages default -2 of engine Lumen (there are 4)";
    }
    void incompleteDocumentIsRefused() {
        QFETCH(QByteArray, from);
        QFETCH(QByteArray, to);
        QFETCH(QString, named);
        Start s;
        s.earlierStart();
        const QByteArray doc = sampleWith(from, to);
        QVERIFY(doc != sample());
        s.server.setDefaultResponse(ScriptedResponse::text(doc, "text/xml"));
        s.run();
        QVERIFY(!s.globals.gblnConfigLoaded);
        QVERIFY(!s.globals.gblnShowMain);
        QCOMPARE(s.dialogs.asked.size(), 1);
        QCOMPARE(s.dialogs.asked[0].text, StartupSequence::noConnectionMessage());
        QVERIFY2(s.dialogs.asked[0].details.contains(named),
                 qPrintable(s.dialogs.asked[0].details));
        QCOMPARE(s.dialogs.asked[0].title, QString("Parlamo v3.1"));
        QCOMPARE(s.dialogs.asked[0].icon, Icon::Exclamation);
        QCOMPARE(s.dialogs.asked[0].buttons, Buttons::Ok);
        // Otherwise exactly a failed load.
        QCOMPARE(s.pauser.pauses, (QList<int>{250, 500}));
        QVERIFY(!QFileInfo::exists(s.configXml()));
        QCOMPARE(s.setting("ConfigLoaded"), QString("<absent>"));
        QCOMPARE(s.entry(), QString("<absent>"));
        QVERIFY(s.globals.gelmMessages.isNull());
    }
};

QTEST_GUILESS_MAIN(TestStartupSequence)
#include "test_startupsequence.moc"
