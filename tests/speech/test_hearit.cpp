#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>
#include <QTimer>

#include "FakeSoundOutput.h"
#include "Fakes.h"
#include "FormControls.h"
#include "TestEnv.h"
#include "TestHttpServer.h"
#include "config/Globals.h"
#include "platform/AppInfo.h"
#include "speech/HearItCommand.h"
#include "ui/frmTranslate.h"

namespace {
const QColor red(255, 0, 0);

QByteArray waveBytes(int size) {
    QByteArray out = "RIFF\x24\x08\0\0WAVEfmt ";
    while (out.size() < size) out.append(static_cast<char>(out.size() * 31 % 256));
    return out.left(size);
}

QString xmlEscaped(const QString& s) {
    return s.toHtmlEscaped();
}

// Every file below the folder, for "nothing else was written" checks.
QStringList filesBelow(const QString& folder) {
    QStringList out;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) out << it.next();
    out.sort();
    return out;
}
}  // namespace

// The main window with a document whose Wav element points at the loopback
// server, recording fakes for the platform.
struct Rig : FormControls {
    explicit Rig(const QString& wavElement, bool withSound = true) {
        globals.service.clear();
        const QString xml = "<Parlamo><Messages titlemsgbox=\"T\"/>" + wavElement + "</Parlamo>";
        globals.service.loadFromBytes(xml.toUtf8());
        Platform p;
        p.dialogs = &dialogs;
        p.pauser = &pauser;
        p.urlOpener = &opener;
        p.sound = withSound ? &sound : nullptr;
        form = new frmTranslate(globals, p);
        findControls(form);
    }
    ~Rig() { delete form; }
    // Clicks Hear It and waits for the command to end.
    void hearIt(const QString& word) {
        txtHearIt->setText(word);
        cmdHearIt->click();
        QVERIFY(
            QTest::qWaitFor([this] { return !form || !form->hearItCommand().isRunning(); }, 20000));
    }
    QString wavFolder() const { return env.programFolder() + "/wav"; }

    TestEnv env;
    Globals globals;
    FakeDialogs dialogs;
    FakePauser pauser;
    FakeUrlOpener opener;
    FakeSoundOutput sound;
    QPointer<frmTranslate> form;
};

class TestHearIt : public QObject {
    Q_OBJECT

    TestHttpServer m_server;

    QString wav(const QString& padbefore = "[[", const QString& padafter = "]]") const {
        return QStringLiteral(
                   "<Wav url=\"%1/look?w=\" padbefore=\"%2\" padafter=\"%3\" "
                   "urltoplay=\"%1/snd\"/>")
            .arg(m_server.baseUrl(), xmlEscaped(padbefore), xmlEscaped(padafter));
    }
    void servePage(const QByteArray& page) {
        m_server.setResponse("/look", ScriptedResponse::text(page));
    }
    QList<QByteArray> targets() const {
        QList<QByteArray> out;
        for (const auto& r : m_server.requests()) out << r.target;
        return out;
    }
    static void verifyIdle(const Rig& rig) {
        QCOMPARE(rig.form->statusText(), QStringLiteral("Translated."));
        for (QWidget* w : rig.inputControls())
            QVERIFY2(w->isEnabled(), qPrintable(w->objectName()));
    }
    // A message in the narrow box starts at its first character and is whole
    // in the tooltip.
    static void verifyMessage(QLineEdit* box, const QString& text) {
        QCOMPARE(box->text(), text);
        QCOMPARE(box->cursorPosition(), 0);
        QCOMPARE(box->toolTip(), text);
    }
    static void verifyFailed(Rig& rig) {
        verifyMessage(rig.txtHearIt, QStringLiteral("No Sound file found."));
        QCOMPARE(rig.txtHearIt->palette().color(QPalette::Text), red);
        verifyIdle(rig);
        QVERIFY(rig.dialogs.asked.isEmpty());
        QVERIFY(rig.sound.played.isEmpty());
    }

private slots:
    void initTestCase() { QVERIFY(m_server.start()); }
    void init() {
        m_server.clearRequests();
        m_server.setHandler(nullptr);
        m_server.setDefaultResponse(ScriptedResponse::withStatus(404, "<html>nope</html>"));
    }

    void fetchesStoresAndPlays() {
        Rig rig(wav());
        ScriptedResponse page = ScriptedResponse::text("<html><p>[[hello]]</p></html>");
        page.delayMs = 150;
        m_server.setResponse("/look", page);
        const QByteArray wave = waveBytes(3000);
        m_server.setResponse("/snd/h/hello.wav", ScriptedResponse::text(wave, "audio/wav"));

        QString statusWhileBusy;
        bool buttonWhileBusy = true;
        QTimer::singleShot(50, rig.form, [&] {
            statusWhileBusy = rig.form->statusText();
            buttonWhileBusy = rig.cmdHearIt->isEnabled();
        });
        rig.hearIt("Hello");

        QCOMPARE(statusWhileBusy, QStringLiteral("Downloading Sound file..."));
        QVERIFY(!buttonWhileBusy);
        QCOMPARE(targets(), (QList<QByteArray>{"/look?w=Hello", "/snd/h/hello.wav"}));
        QCOMPARE(m_server.requests()[1].method, QByteArray("GET"));
        const QString file = rig.wavFolder() + "/hello.wav";
        QCOMPARE(TestEnv::readFile(file), wave);
        QCOMPARE(rig.sound.played.size(), 1);
        QCOMPARE(rig.sound.played[0].file, file);
        QVERIFY((rig.sound.played[0].options == ISoundOutput::PlayOptions{false, false, true}));
        QCOMPARE(rig.sound.played[0].bytes, wave);
        QCOMPARE(rig.txtHearIt->text(), QStringLiteral("Hello"));
        verifyIdle(rig);
        QVERIFY(rig.dialogs.asked.isEmpty());
    }

    void onlyTheFirstNameCounts() {
        Rig rig(wav());
        servePage("x]] [[one]] [[two]]");
        m_server.setResponse("/snd/o/one.wav", ScriptedResponse::text("1"));
        rig.hearIt("w");
        QCOMPARE(targets(), (QList<QByteArray>{"/look?w=w", "/snd/o/one.wav"}));
        QCOMPARE(filesBelow(rig.wavFolder()), QStringList{rig.wavFolder() + "/one.wav"});
    }

    void nameIsReadAsUtf8() {
        Rig rig(wav());
        servePage(
            "[[\xc3\xa9"
            "cole]]");
        m_server.setResponse("/snd/%C3%A9/%C3%A9cole.wav", ScriptedResponse::text("e"));
        rig.hearIt("ecole");
        QCOMPARE(targets().value(1), QByteArray("/snd/%C3%A9/%C3%A9cole.wav"));
        QCOMPARE(TestEnv::readFile(rig.wavFolder() + QString::fromUtf8("/\xc3\xa9"
                                                                       "cole.wav")),
                 QByteArray("e"));
    }

    void pageWithoutNameFails_data() {
        QTest::addColumn<QByteArray>("page");
        QTest::addRow("no padafter") << QByteArray("<p>[[hello</p>");
        QTest::addRow("no padbefore") << QByteArray("<p>hello]]</p>");
        QTest::addRow("empty page") << QByteArray();
    }
    void pageWithoutNameFails() {
        QFETCH(QByteArray, page);
        Rig rig(wav());
        servePage(page);
        rig.hearIt("hello");
        verifyFailed(rig);
        QCOMPARE(m_server.requestCount(), 1);
        QVERIFY(!QFileInfo::exists(rig.wavFolder()));
    }

    void incompleteWavElementFails_data() {
        QTest::addColumn<QString>("element");
        QTest::addColumn<int>("requests");
        const QString base = m_server.baseUrl();
        QTest::addRow("no Wav element") << "<Other/>" << 0;
        QTest::addRow("no padbefore")
            << "<Wav url=\"" + base + "/look?w=\" padafter=\"]]\" urltoplay=\"" + base + "/snd\"/>"
            << 1;
        QTest::addRow("no padafter")
            << "<Wav url=\"" + base + "/look?w=\" padbefore=\"[[\" urltoplay=\"" + base + "/snd\"/>"
            << 1;
        QTest::addRow("no urltoplay")
            << "<Wav url=\"" + base + "/look?w=\" padbefore=\"[[\" padafter=\"]]\"/>" << 1;
        QTest::addRow("lookup address without a host")
            << "<Wav url=\"http://server\" padbefore=\"[[\" padafter=\"]]\" urltoplay=\"x\"/>" << 0;
    }
    void incompleteWavElementFails() {
        QFETCH(QString, element);
        QFETCH(int, requests);
        Rig rig(element);
        servePage("[[hello]]");
        rig.hearIt("");
        verifyFailed(rig);
        QCOMPARE(m_server.requestCount(), requests);
    }

    // Without url the typed word is the whole lookup address.
    void missingUrlMeansTheWordAlone() {
        Rig rig("<Wav padbefore=\"[[\" padafter=\"]]\" urltoplay=\"" + m_server.baseUrl() +
                "/snd\"/>");
        servePage("[[hello]]");
        m_server.setResponse("/snd/h/hello.wav", ScriptedResponse::text("w"));
        rig.hearIt(m_server.baseUrl() + "/look?w=hi");
        QCOMPARE(targets(), (QList<QByteArray>{"/look?w=hi", "/snd/h/hello.wav"}));
        QCOMPARE(rig.sound.played.size(), 1);
    }

    void unreachableServiceFails() {
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        const QString base = QStringLiteral("http://127.0.0.1:%1").arg(closed.serverPort());
        closed.close();
        Rig rig("<Wav url=\"" + base + "/look?w=\" padbefore=\"\" padafter=\"\" urltoplay=\"" +
                base + "\"/>");
        rig.hearIt("hello");
        verifyFailed(rig);
    }

    void secondFetchReplacesWithShorterFile() {
        Rig rig(wav());
        servePage("[[hello]]");
        m_server.setResponse("/snd/h/hello.wav", ScriptedResponse::text(waveBytes(5000)));
        rig.hearIt("hello");
        m_server.setResponse("/snd/h/hello.wav", ScriptedResponse::text(waveBytes(100)));
        rig.hearIt("hello");
        QCOMPARE(m_server.requestCount(), 4);
        QCOMPARE(TestEnv::readFile(rig.wavFolder() + "/hello.wav"), waveBytes(100));
        QCOMPARE(filesBelow(rig.wavFolder()).size(), 1);  // no temporary left behind
    }

    void unsafeNamesAreRefused_data() {
        QTest::addColumn<QByteArray>("name");
        const QByteArray abs =
            "/tmp/parlamo-hearit-" + QByteArray::number(QCoreApplication::applicationPid());
        QTest::addRow("parent folder") << QByteArray("../evil");
        QTest::addRow("absolute") << abs;
        QTest::addRow("empty") << QByteArray();
        QTest::addRow("NUL") << QByteArray("evil\0.txt", 9);
    }
    void unsafeNamesAreRefused() {
        QFETCH(QByteArray, name);
        Rig rig(wav());
        const QStringList before = filesBelow(rig.env.root());
        servePage("[[" + name + "]]");
        m_server.setDefaultResponse(ScriptedResponse::text("EVIL"));
        rig.hearIt("x");
        verifyFailed(rig);
        QCOMPARE(m_server.requestCount(), 1);  // no wave fetched
        QCOMPARE(filesBelow(rig.env.root()), before);
        QVERIFY(!QFileInfo::exists(rig.wavFolder()));
        if (name.startsWith('/')) QVERIFY(!QFileInfo::exists(QString::fromUtf8(name) + ".wav"));
    }

    // The service does not have the sound: its error page is what is stored.
    void errorPageIsStoredUnderTheName() {
        Rig rig(wav());
        servePage("[[ghost]]");
        const QByteArray page = "<html><body>404 Not Found</body></html>";
        m_server.setResponse("/snd/g/ghost.wav", ScriptedResponse::withStatus(404, page));
        rig.hearIt("ghost");
        QCOMPARE(TestEnv::readFile(rig.wavFolder() + "/ghost.wav"), page);
        QCOMPARE(rig.sound.played.size(), 1);
        QCOMPARE(rig.txtHearIt->text(), QStringLiteral("ghost"));
        QVERIFY(rig.dialogs.asked.isEmpty());
    }

    // The server chooses the bytes: nothing is written through a link in the
    // cache, and a cache folder that is a link is not used at all.
    void linksInTheCacheAreNotFollowed_data() {
        QTest::addColumn<QString>("link");
        QTest::addColumn<bool>("targetExists");
        QTest::addRow("file links to a file") << "wav/hello.wav" << true;
        QTest::addRow("dangling file link") << "wav/hello.wav" << false;
        QTest::addRow("folder links to a folder") << "wav" << true;
        QTest::addRow("dangling folder link") << "wav" << false;
    }
    void linksInTheCacheAreNotFollowed() {
        QFETCH(QString, link);
        QFETCH(bool, targetExists);
        Rig rig(wav());
        const bool folderLink = link == "wav";
        const QString outside = rig.env.root() + (folderLink ? "/outside" : "/outside.wav");
        if (targetExists && folderLink) QVERIFY(QDir().mkpath(outside));
        if (targetExists && !folderLink) QVERIFY(QFile(outside).open(QIODevice::WriteOnly));
        QVERIFY(QDir().mkpath(folderLink ? rig.env.programFolder() : rig.wavFolder()));
        QVERIFY(QFile::link(outside, rig.env.programFolder() + "/" + link));
        servePage("[[hello]]");
        m_server.setResponse("/snd/h/hello.wav", ScriptedResponse::text("EVIL"));
        rig.hearIt("hello");
        QCOMPARE(m_server.requestCount(), 2);
        if (folderLink) {
            verifyFailed(rig);
            QVERIFY(QFileInfo(rig.wavFolder()).isSymLink());
            QCOMPARE(filesBelow(rig.env.root() + "/outside"), QStringList());
            return;
        }
        QVERIFY(!QFileInfo(rig.wavFolder() + "/hello.wav").isSymLink());
        QCOMPARE(TestEnv::readFile(rig.wavFolder() + "/hello.wav"), QByteArray("EVIL"));
        QCOMPARE(QFileInfo::exists(outside), targetExists);
        if (targetExists) QCOMPARE(QFileInfo(outside).size(), 0);
        QCOMPARE(rig.sound.played.size(), 1);
    }

    // A download that did not arrive whole takes the failure path and leaves
    // the stored file as it was.
    // The wave is written as it arrives: a download that falls short leaves
    // the folder as it was, the file before it, or no folder at all.
    void failedDownloadKeepsTheStoredFile_data() {
        QTest::addColumn<QString>("failure");
        QTest::addColumn<bool>("storedBefore");
        QTest::addRow("connection refused") << "refused" << true;
        QTest::addRow("cut short") << "cut" << true;
        QTest::addRow("cut short, no folder yet") << "cut" << false;
    }
    void failedDownloadKeepsTheStoredFile() {
        QFETCH(QString, failure);
        QFETCH(bool, storedBefore);
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        const QString refused = QStringLiteral("http://127.0.0.1:%1").arg(closed.serverPort());
        closed.close();
        Rig rig(QStringLiteral("<Wav url=\"%1/look?w=\" padbefore=\"[[\" padafter=\"]]\" "
                               "urltoplay=\"%2\"/>")
                    .arg(m_server.baseUrl(),
                         failure == "refused" ? refused : m_server.baseUrl() + "/snd"));
        const QByteArray good = waveBytes(3000);
        if (storedBefore) {
            QVERIFY(QDir().mkpath(rig.wavFolder()));
            QFile stored(rig.wavFolder() + "/hello.wav");
            QVERIFY(stored.open(QIODevice::WriteOnly) && stored.write(good) == good.size());
        }
        servePage("[[hello]]");
        ScriptedResponse cut = ScriptedResponse::text(waveBytes(5000), "audio/wav");
        cut.cutAfterBodyBytes = 1000;
        m_server.setResponse("/snd/h/hello.wav", cut);
        rig.hearIt("hello");
        verifyFailed(rig);
        QCOMPARE(QFileInfo::exists(rig.wavFolder()), storedBefore);
        if (!storedBefore) return;
        QCOMPARE(TestEnv::readFile(rig.wavFolder() + "/hello.wav"), good);
        QCOMPARE(filesBelow(rig.wavFolder()).size(), 1);
    }

    void noDeviceKeepsTheFileAndSaysSo_data() {
        QTest::addColumn<bool>("withSound");
        QTest::addColumn<QString>("why");  // no sound at all, said on the status line
        QTest::addRow("no device") << true << QString();
        QTest::addRow("no sound seam") << false << QString();
        QTest::addRow("the sound module could not be loaded") << true << "No sound: it is gone.";
    }
    void noDeviceKeepsTheFileAndSaysSo() {
        QFETCH(bool, withSound);
        QFETCH(QString, why);
        Rig rig(wav(), withSound);
        rig.sound.devices = 0;
        rig.sound.why = why;
        servePage("[[hello]]");
        m_server.setResponse("/snd/h/hello.wav", ScriptedResponse::text("wave"));
        rig.hearIt("hello");
        QCOMPARE(TestEnv::readFile(rig.wavFolder() + "/hello.wav"), QByteArray("wave"));
        QVERIFY(rig.sound.played.isEmpty());
        verifyMessage(rig.txtHearIt, QStringLiteral("Unable to detect WAV device in this system."));
        if (why.isEmpty())
            verifyIdle(rig);
        else
            QCOMPARE(rig.form->statusText(), why);
        QVERIFY(rig.dialogs.asked.isEmpty());
    }

    // An installed program's folder is not writable: the cache goes to the
    // data folder instead.
    void cacheFallsBackToTheDataFolder() {
        Rig rig(wav());
        AppInfo::setProgramFolder(rig.env.root() + "/not-there");
        servePage("[[hello]]");
        m_server.setResponse("/snd/h/hello.wav", ScriptedResponse::text("wave"));
        rig.hearIt("hello");
        QCOMPARE(TestEnv::readFile(rig.env.dataHome() + "/Velmor/Parlamo/wav/hello.wav"),
                 QByteArray("wave"));
    }

    void cacheFolderThatCannotBeMadeFails() {
        Rig rig(wav());
        QFile blocker(rig.wavFolder());
        QVERIFY(blocker.open(QIODevice::WriteOnly));  // a file where the folder should be
        blocker.close();
        servePage("[[hello]]");
        m_server.setResponse("/snd/h/hello.wav", ScriptedResponse::text("wave"));
        rig.hearIt("hello");
        verifyFailed(rig);
    }

    // Under a dark theme: the failure is pure red, and the focus gives the
    // box the theme's text colour back (black would be unreadable).
    void focusClearsTheBox() {
        const QPalette before = QApplication::palette();
        QPalette dark = before;
        dark.setColor(QPalette::Base, QColor(30, 30, 30));
        dark.setColor(QPalette::Text, QColor(230, 230, 230));
        QApplication::setPalette(dark);
        const auto restore = qScopeGuard([&] { QApplication::setPalette(before); });
        Rig rig(wav());
        servePage("nothing");
        rig.hearIt("hello");
        verifyFailed(rig);
        QFocusEvent focusIn(QEvent::FocusIn, Qt::MouseFocusReason);
        QApplication::sendEvent(rig.txtHearIt, &focusIn);
        QCOMPARE(rig.txtHearIt->text(), QString());
        QVERIFY(!rig.txtHearIt->toolTip().contains(QStringLiteral("No Sound")));
        QCOMPARE(rig.txtHearIt->palette().color(QPalette::Text), QColor(230, 230, 230));
    }

    void busyStateAndReturningFocusKeepTheWord() {
        Rig rig(wav());
        rig.form->show();
        QVERIFY(QTest::qWaitForWindowActive(rig.form));
        rig.txtHearIt->setText("hello");
        rig.cmdTranslate->setFocus();
        QCOMPARE(QApplication::focusWidget(), rig.cmdTranslate);
        rig.form->Disable();
        rig.form->Enable();
        QCOMPARE(rig.txtHearIt->text(), QString("hello"));
        QCOMPARE(QApplication::focusWidget(), rig.cmdTranslate);
        for (Qt::FocusReason reason : {Qt::ActiveWindowFocusReason, Qt::PopupFocusReason}) {
            QFocusEvent focusIn(QEvent::FocusIn, reason);
            QApplication::sendEvent(rig.txtHearIt, &focusIn);
            QCOMPARE(rig.txtHearIt->text(), QString("hello"));
        }
    }

    void exitDuringASlowDownloadEndsIt() {
        Rig rig(wav());
        // About 10 s of lookup page, ten bytes at a time.
        ScriptedResponse page = ScriptedResponse::text("[[hello]]" + QByteArray(2000, '.'));
        page.chunkSize = 10;
        page.pieceDelayMs = 50;
        m_server.setResponse("/look", page);
        QSignalSpy unloaded(rig.form.data(), &frmTranslate::unloaded);
        rig.txtHearIt->setText("hello");
        frmTranslate* f = rig.form;
        QTimer::singleShot(300, f, [f] { f->mnuExit_Click(); });
        QElapsedTimer clock;
        clock.start();
        rig.cmdHearIt->click();
        QVERIFY2(clock.elapsed() < 3000, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(unloaded.count() == 1 || unloaded.wait(2000));
        QCOMPARE(m_server.requestCount(), 1);
        QVERIFY(!QFileInfo::exists(rig.wavFolder()));
        QVERIFY(rig.sound.played.isEmpty());
    }

    // The window goes away while a download lets events run: the command
    // must end without touching it, and write nothing.
    void windowDestroyedDuringDownload_data() {
        QTest::addColumn<bool>("duringWave");
        QTest::addRow("during the lookup") << false;
        QTest::addRow("during the wave") << true;
    }
    void windowDestroyedDuringDownload() {
        QFETCH(bool, duringWave);
        Rig rig(wav());
        ScriptedResponse page = ScriptedResponse::text("[[hello]]");
        ScriptedResponse wave = ScriptedResponse::text("wave");
        (duringWave ? wave : page).delayMs = 300;
        m_server.setResponse("/look", page);
        m_server.setResponse("/snd/h/hello.wav", wave);
        m_server.setHandler(nullptr);
        rig.txtHearIt->setText("hello");
        frmTranslate* f = rig.form;
        QTimer::singleShot(duringWave ? 150 : 50, [f] { delete f; });
        rig.cmdHearIt->click();
        QTRY_VERIFY_WITH_TIMEOUT(rig.form.isNull(), 10000);
        // What the broken-off command still has queued runs now.
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        QCOMPARE(m_server.requestCount(), duringWave ? 2 : 1);
        QVERIFY(!QFileInfo::exists(rig.wavFolder()));
        QVERIFY(rig.sound.played.isEmpty());
    }
};

QTEST_MAIN(TestHearIt)
#include "test_hearit.moc"
