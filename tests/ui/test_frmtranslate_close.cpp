#include <QAction>
#include <QEventLoop>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QThread>
#include <QTimer>
#include <QtTest>

#include "FormFixture.h"
#include "TestHttpServer.h"
#include "translate/TranslateCommand.h"

using namespace FormDocs;
using Activation = ITrayHost::Activation;

namespace {

QByteArray trayDoc() {
    return sample(attr("//Features", "tray", "1"));
}

}  // namespace

// Menus, closing, Exit and the tray icon's clicks.
class TestFrmTranslateClose : public QObject {
    Q_OBJECT
private slots:
    void closingWithoutTrayEndsTheProgram();
    void closingInTrayModeOnlyHides();
    void exitEndsTheProgram_data();
    void exitEndsTheProgram();
    void trayClicks_data();
    void trayClicks();
    void trayMenuOpenAndExit();
    void sessionEndIsNotBlockedByTheTray();
    void exitWhileACommandLetsEventsRun_data();
    void exitWhileACommandLetsEventsRun();
    void destroyedWhileATranslationWaits();
    void helpLinks_data();
    void helpLinks();
};

void TestFrmTranslateClose::closingWithoutTrayEndsTheProgram() {
    FormFixture f(sample());
    QSignalSpy unloaded(f.form.get(), &frmTranslate::unloaded);
    f.form->Form_Load();
    QVERIFY(f.form->isVisible());
    QVERIFY(f.form->close());
    QVERIFY(!f.form->isVisible());
    QVERIFY(f.form->isUnloaded());
    QVERIFY(unloaded.wait(2000));
    QCOMPARE(unloaded.size(), 1);
    QCOMPARE(f.tray.adds, 0);
}

void TestFrmTranslateClose::closingInTrayModeOnlyHides() {
    FormFixture f(trayDoc());
    QSignalSpy unloaded(f.form.get(), &frmTranslate::unloaded);
    f.form->Form_Load();
    QVERIFY(!f.form->isVisible());
    f.tray.activate(Activation::DoubleClick);
    QVERIFY(f.form->isVisible());
    f.txtFrom->setPlainText(QStringLiteral("kept text"));
    f.txtTo->setPlainText(QStringLiteral("kept result"));
    const int engine = f.cboEngines->currentIndex();

    QVERIFY(!f.form->close());  // refused: only hidden
    QVERIFY(!f.form->isVisible());
    QVERIFY(!f.form->isUnloaded());
    QVERIFY(f.tray.hasIcon());
    QVERIFY(!unloaded.wait(200));

    f.tray.activate(Activation::DoubleClick);
    QVERIFY(f.form->isVisible());
    QCOMPARE(f.txtFrom->toPlainText(), QStringLiteral("kept text"));
    QCOMPARE(f.txtTo->toPlainText(), QStringLiteral("kept result"));
    QCOMPARE(f.cboEngines->currentIndex(), engine);
}

void TestFrmTranslateClose::exitEndsTheProgram_data() {
    QTest::addColumn<bool>("tray");
    QTest::addColumn<bool>("shownFirst");
    QTest::addRow("window mode") << false << true;
    QTest::addRow("tray, window hidden") << true << false;
    QTest::addRow("tray, window shown") << true << true;
}

void TestFrmTranslateClose::exitEndsTheProgram() {
    QFETCH(bool, tray);
    QFETCH(bool, shownFirst);
    FormFixture f(tray ? trayDoc() : sample());
    QSignalSpy unloaded(f.form.get(), &frmTranslate::unloaded);
    f.form->Form_Load();
    if (shownFirst) f.tray.activate(Activation::DoubleClick);
    QCOMPARE(f.form->isVisible(), shownFirst);

    f.mnuExit->trigger();
    QVERIFY(f.form->allowUnload());
    QVERIFY(f.form->isUnloaded());
    QVERIFY(!f.form->isVisible());
    QVERIFY(!f.tray.hasIcon());
    QVERIFY(f.tray.removes >= 1);  // also without an icon: harmless
    QVERIFY(unloaded.wait(2000));
    QCOMPARE(unloaded.size(), 1);
    // Clicks on a stale icon reach nothing.
    f.tray.activate(Activation::DoubleClick);
    QVERIFY(!f.form->isVisible());
    QCOMPARE(unloaded.size(), 1);
}

void TestFrmTranslateClose::trayClicks_data() {
    QTest::addColumn<int>("reason");
    QTest::addColumn<bool>("visibleBefore");
    QTest::addColumn<bool>("visibleAfter");
    QTest::addColumn<bool>("menu");
    const auto r = [](Activation a) { return int(a); };
    QTest::addRow("double click, hidden") << r(Activation::DoubleClick) << false << true << false;
    QTest::addRow("double click, shown: no toggle")
        << r(Activation::DoubleClick) << true << true << false;
    QTest::addRow("context, hidden: menu") << r(Activation::Context) << false << false << true;
    QTest::addRow("context, shown: no menu") << r(Activation::Context) << true << true << false;
    QTest::addRow("single click, hidden") << r(Activation::Trigger) << false << false << false;
    QTest::addRow("middle click, hidden") << r(Activation::MiddleClick) << false << false << false;
    QTest::addRow("unknown, shown") << r(Activation::Unknown) << true << true << false;
}

void TestFrmTranslateClose::trayClicks() {
    QFETCH(int, reason);
    QFETCH(bool, visibleBefore);
    FormFixture f(trayDoc());
    f.form->Form_Load();
    if (visibleBefore) f.mnuTrayOpen->trigger();
    QCOMPARE(f.form->isVisible(), visibleBefore);

    f.tray.activate(Activation(reason));
    QTEST(f.form->isVisible(), "visibleAfter");
    QFETCH(bool, menu);
    QCOMPARE(f.tray.poppedUp.size(), menu ? 1 : 0);
    if (menu) QCOMPARE(f.tray.poppedUp.first().data(), f.mnuTray);
    QVERIFY(!f.form->isUnloaded());
    QVERIFY(f.tray.hasIcon());
}

void TestFrmTranslateClose::trayMenuOpenAndExit() {
    FormFixture f(trayDoc());
    QSignalSpy unloaded(f.form.get(), &frmTranslate::unloaded);
    f.form->Form_Load();
    f.tray.activate(Activation::Context);
    QCOMPARE(f.tray.poppedUp.size(), 1);
    f.mnuTrayOpen->trigger();
    QVERIFY(f.form->isVisible());
    QVERIFY(!f.mnuTray->isVisible());

    QVERIFY(!f.form->close());
    f.tray.activate(Activation::Context);
    QCOMPARE(f.tray.poppedUp.size(), 2);
    f.mnuTrayExit->trigger();
    QVERIFY(!f.tray.hasIcon());
    QVERIFY(unloaded.wait(2000));
}

void TestFrmTranslateClose::sessionEndIsNotBlockedByTheTray() {
    FormFixture f(trayDoc());
    QSignalSpy unloaded(f.form.get(), &frmTranslate::unloaded);
    f.form->Form_Load();
    f.tray.activate(Activation::DoubleClick);
    f.form->sessionEnding();
    QVERIFY(f.form->close());
    QVERIFY(!f.tray.hasIcon());
    QVERIFY(unloaded.wait(2000));
}

void TestFrmTranslateClose::exitWhileACommandLetsEventsRun_data() {
    QTest::addColumn<bool>("nestedLoop");  // else a processEvents() spin
    QTest::addRow("answer collection (processEvents)") << false;
    QTest::addRow("download (local event loop)") << true;
}

void TestFrmTranslateClose::exitWhileACommandLetsEventsRun() {
    QFETCH(bool, nestedLoop);
    // As in the program: the main loop runs, the receiver of unloaded()
    // deletes the window, and a command that lets events run is busy when
    // the tray menu's Exit is chosen.
    auto* f = new FormFixture(trayDoc());
    QPointer<frmTranslate> window = f->form.release();
    window->Form_Load();
    QEventLoop mainLoop;
    connect(window, &frmTranslate::unloaded, window, &QObject::deleteLater);
    connect(window, &frmTranslate::unloaded, &mainLoop, &QEventLoop::quit);
    bool aliveAfterCommand = false;
    int unloadedDuringCommand = -1;
    QSignalSpy unloaded(window.data(), &frmTranslate::unloaded);

    QTimer::singleShot(0, window, [&] {
        window->Disable();
        QTimer::singleShot(5, f->mnuTrayExit, &QAction::trigger);
        if (nestedLoop) {
            QEventLoop download;
            QTimer::singleShot(100, &download, &QEventLoop::quit);
            download.exec();
        } else {
            for (int i = 0; i < 50; ++i) {
                QCoreApplication::processEvents();
                QThread::msleep(2);
            }
        }
        unloadedDuringCommand = unloaded.size();
        aliveAfterCommand = !window.isNull();
        if (window) {
            // The command finishes with the window it started from.
            f->txtTo->setPlainText(QStringLiteral("late answer"));
            window->Enable();
        }
    });
    QTimer::singleShot(5000, &mainLoop, &QEventLoop::quit);
    mainLoop.exec();

    QVERIFY(aliveAfterCommand);
    QCOMPARE(unloadedDuringCommand, 0);
    QCOMPARE(unloaded.size(), 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(window.isNull());
    QVERIFY(!f->tray.hasIcon());
    delete f;
}

void TestFrmTranslateClose::destroyedWhileATranslationWaits() {
    // The window's parts (commands, history, popup) go with it while a
    // request is still out: the command ends after the history it fed.
    TestHttpServer server;
    QVERIFY(server.start());
    ScriptedResponse silent;
    silent.neverAnswer = true;
    server.setDefaultResponse(silent);
    FormFixture f(sample(loopbackEngine(server.baseUrl().toUtf8() + "/t")));
    f.form->Form_Load();
    f.txtFrom->setPlainText(QStringLiteral("hello"));
    f.form->cmdTranslate_Click();
    QTRY_COMPARE(server.requestCount(), 1);
    QVERIFY(f.form->translateCommand().isRunning());
    f.form.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestFrmTranslateClose::helpLinks_data() {
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<QStringList>("opened");
    QTest::addColumn<int>("messages");
    QTest::addRow("both set") << sample()
                              << QStringList{"http://127.0.0.1:8780/help.html",
                                             "http://127.0.0.1:8780/support.html"}
                              << 0;
    QTest::addRow("help absent") << sample(attr("//Messages", "helpurl", nullptr))
                                 << QStringList{"http://127.0.0.1:8780/support.html"} << 1;
    QTest::addRow("support empty") << sample(attr("//Messages", "supporturl", " "))
                                   << QStringList{"http://127.0.0.1:8780/help.html"} << 1;
}

void TestFrmTranslateClose::helpLinks() {
    QFETCH(QByteArray, xml);
    FormFixture f(xml);
    f.form->Form_Load();
    f.mnuOnlineHelp->trigger();
    f.mnuSupport->trigger();
    QTEST(f.opener.opened, "opened");
    QTEST(int(f.dialogs.asked.size()), "messages");
    for (const FakeDialogs::Asked& a : f.dialogs.asked) {
        QCOMPARE(a.title, QStringLiteral("Parlamo"));
        QCOMPARE(a.icon, IDialogs::Icon::Information);
    }
    QVERIFY(f.form->isVisible());
}

QTEST_MAIN(TestFrmTranslateClose)
#include "test_frmtranslate_close.moc"
