#include <signal.h>

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QKeySequenceEdit>
#include <QProcess>
#include <QTest>
#include <QTimer>

#include "FormFixture.h"
#include "TestHttpServer.h"
#include "history/HistoryModel.h"
#include "language/LanguageDetector.h"
#include "translate/TranslateCommand.h"
#include "ui/HistoryWindow.h"
#include "ui/SelectionPopup.h"
#include "ui/ShortcutDialog.h"
#include "ui/TranslateAnywhere.h"

using namespace FormDocs;

// Translations asked for outside the main window: the selection shortcut
// with its popup, and the window's own keys Ctrl+R and Ctrl+Shift+C. The
// offscreen clipboard stands for the desktop's (it has no selection, so the
// selection comes from the clipboard, as on any desktop without one).
class TestAnywhere : public QObject {
    Q_OBJECT

    TestHttpServer m_server;

    // The sample document, its first engine on the loopback server, the
    // first pair selected at start.
    QByteArray document() const {
        return sample(loopbackEngine(m_server.baseUrl().toUtf8() + "/t"));
    }

    static SelectionPopup* popupOf(FormFixture& f) { return f.form->anywhere().popup(); }
    static bool settled(FormFixture& f) {
        SelectionPopup* p = popupOf(f);
        return p && !p->isBusy();
    }
    static int historyRows(FormFixture& f) {
        control<QAction>(f.form.get(), "mnuHistory")->trigger();
        auto* window = f.form->findChild<HistoryWindow*>(QStringLiteral("frmHistory"));
        if (!window || !QTest::qWaitFor([&] { return window->model().rowCount() > 0; }, 2000))
            return 0;
        return window->model().rowCount();
    }

private slots:
    void initTestCase() {
        LanguageDetector::useLibrary(QStringLiteral(PARLAMO_LANGUAGE_LIBRARY));
        QVERIFY(m_server.start());
    }
    void init() {
        m_server.clearRequests();
        m_server.setDefaultResponse(ScriptedResponse::text("<p>[[ hola ]]</p>"));
        QApplication::clipboard()->clear();
    }

    void popup_data() {
        QTest::addColumn<QString>("way");  // "shortcut", "clipboard", "text"
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<QString>("translation");
        QTest::addColumn<QString>("status");  // the popup's status line, from its start
        QTest::addColumn<int>("requests");
        const QByteArray fine = "[[ hola ]]";
        const QString huge(3 * 1024 * 1024, QLatin1Char('w'));
        QTest::addRow("the shortcut translates the selection") << "shortcut"
                                                               << "hello" << fine << "hola"
                                                               << "English to Spanish" << 1;
        QTest::addRow("TranslateClipboard") << "clipboard"
                                            << "hello" << fine << "hola"
                                            << "English to Spanish" << 1;
        QTest::addRow("a Spanish selection goes into English")
            << "shortcut"
            << "Nosotros vamos a la playa todos los veranos con la familia." << fine << "hola"
            << "Spanish → English (detected)" << 1;
        QTest::addRow("empty selection: a message, nothing sent") << "shortcut"
                                                                  << "" << fine << ""
                                                                  << "No text is selected." << 0;
        QTest::addRow("empty clipboard") << "clipboard"
                                         << "" << fine << ""
                                         << "The clipboard holds no text." << 0;
        QTest::addRow("the engine's answer holds no translation")
            << "text"
            << "hello" << QByteArray("nothing") << ""
            << "No translation found in the answer of 127.0.0.1:" << 1;
        QTest::addRow("megabytes are refused, not sent")
            << "shortcut" << huge << fine << ""
            << "Translation failed: The text is too long to send" << 0;
    }
    void popup() {
        QFETCH(QString, way);
        QFETCH(QString, text);
        QFETCH(QByteArray, answer);
        QFETCH(QString, translation);
        QFETCH(QString, status);
        m_server.setDefaultResponse(ScriptedResponse::text(answer));
        FormFixture f(document());
        f.form->Form_Load();
        QApplication::clipboard()->setText(text);

        if (way == "shortcut")
            QVERIFY(f.shortcut.press());
        else if (way == "clipboard")
            f.form->anywhere().translateClipboard();
        else
            f.form->anywhere().translateInPopup(text);
        SelectionPopup* popup = popupOf(f);
        QVERIFY(popup && popup->isVisible());
        QVERIFY(QTest::qWaitFor([&] { return settled(f); }, 5000));

        QCOMPARE(popup->txtPopupTo->toPlainText(), translation);
        QVERIFY2(popup->lblPopupStatus->text().startsWith(status),
                 qPrintable(popup->lblPopupStatus->text()));
        QCOMPARE(popup->cmdPopupCopy->isEnabled(), !translation.isEmpty());
        QTEST(int(m_server.requestCount()), "requests");
        // The whole text is kept; the window shows a bounded part of it.
        QCOMPARE(popup->sourceText(), text);
        QVERIFY(popup->txtPopupFrom->toPlainText().size() <= SelectionPopup::shownSourceLimit + 1);
        // Counted and kept like the window's own.
        QCOMPARE(f.form->translateCommand().translations(), translation.isEmpty() ? 0 : 1);
        QCOMPARE(historyRows(f), translation.isEmpty() ? 0 : 1);
        QVERIFY(f.cmdTranslate->isEnabled());
    }

    // Keys of the popup: Ctrl+Shift+C copies, Ctrl+O opens the texts in the
    // window, Escape closes; closing while busy drops the request.
    void popupKeys() {
        FormFixture f(document());
        f.form->Form_Load();
        f.form->anywhere().translateInPopup("hello");
        SelectionPopup* popup = popupOf(f);
        QVERIFY(QTest::qWaitForWindowActive(popup));
        QVERIFY(QTest::qWaitFor([&] { return settled(f); }, 5000));

        QTest::keyClick(popup, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(QApplication::clipboard()->text(), QString("hola"));
        // Ctrl+B: the translation back with the reverse pair, counted.
        m_server.setDefaultResponse(ScriptedResponse::text("[[hello back]]"));
        QTest::keyClick(popup, Qt::Key_B, Qt::ControlModifier);
        QVERIFY(QTest::qWaitFor([&] { return popup->txtPopupBack->isVisible(); }, 5000));
        QCOMPARE(popup->txtPopupBack->toPlainText(), QString("hello back"));
        QVERIFY(m_server.requests().last().target.contains("langpair=spa%7Ceng&"));
        QCOMPARE(f.form->translateCommand().translations(), 2);
        m_server.setDefaultResponse(ScriptedResponse::text("[[hola]]"));
        QTest::keyClick(popup, Qt::Key_Escape);
        QVERIFY(!popup->isVisible());

        f.form->anywhere().translateInPopup("hello again");
        QVERIFY(QTest::qWaitForWindowActive(popup));
        QVERIFY(QTest::qWaitFor([&] { return settled(f); }, 5000));
        QTest::keyClick(popup, Qt::Key_O, Qt::ControlModifier);
        QVERIFY(!popup->isVisible());
        QVERIFY(f.form->isVisible());
        QCOMPARE(f.txtFrom->toPlainText(), QString("hello again"));
        QCOMPARE(f.txtTo->toPlainText(), QString("hola"));

        ScriptedResponse slow = ScriptedResponse::text("[[late]]");
        slow.delayMs = 300;
        m_server.setDefaultResponse(slow);
        f.form->anywhere().translateInPopup("slow");
        QVERIFY(QTest::qWaitForWindowActive(popup));
        QVERIFY(popup->isBusy());
        QTest::keyClick(popup, Qt::Key_Escape);
        QTest::qWait(500);
        QCOMPARE(f.form->translateCommand().translations(), 3);
        QVERIFY(popup->translation().isEmpty());
    }

    // The key comes from the settings (Ctrl+Alt+E unless changed), empty
    // turns it off, and a key another program holds is said once in the
    // status line while the program goes on.
    void shortcutSetting() {
        FormFixture f(document());
        f.form->Form_Load();
        QCOMPARE(f.shortcut.asked, QStringList{"Ctrl+Alt+E"});
        QCOMPARE(f.form->anywhere().shortcut(), QString("Ctrl+Alt+E"));

        f.form->anywhere().setShortcut("");
        QCOMPARE(f.stored("selectionShortcut"), QString(""));
        QVERIFY(!f.shortcut.press());

        f.shortcut.refusing = true;
        f.form->setStatusText(QString());
        f.form->anywhere().setShortcut("Ctrl+Shift+F12");
        QCOMPARE(f.stored("selectionShortcut"), QString("Ctrl+Shift+F12"));
        QVERIFY2(f.form->statusText().startsWith("Taken: Ctrl+Shift+F12."),
                 qPrintable(f.form->statusText()));
        QVERIFY(f.form->statusText().contains("Options > Selection Shortcut..."));
        QVERIFY(f.cmdTranslate->isEnabled());
        // A desktop that holds no keys at all: another key would not help.
        f.shortcut.available = false;
        f.form->setStatusText(QString());
        f.form->anywhere().setShortcut("Ctrl+Shift+F11");
        QCOMPARE(f.form->statusText(), QString("Taken: Ctrl+Shift+F11."));
        f.shortcut.available = true;

        // Options > Selection Shortcut...: the key pressed in the dialog.
        f.shortcut.refusing = false;
        // Shown without waiting for it; a second time raises the same one.
        control<QAction>(f.form.get(), "mnuSelectionShortcut")->trigger();
        control<QAction>(f.form.get(), "mnuSelectionShortcut")->trigger();
        QCOMPARE(f.form->findChildren<ShortcutDialog*>().size(), 1);
        auto* dialog = f.form->findChild<ShortcutDialog*>();
        QVERIFY(dialog->isVisible());
        dialog->cmdClear->click();
        QTest::keyClick(dialog->keySelectionShortcut, Qt::Key_T,
                        Qt::ControlModifier | Qt::AltModifier);
        dialog->accept();
        QCOMPARE(f.stored("selectionShortcut"), QString("Ctrl+Alt+T"));
        QCOMPARE(f.shortcut.key(), QString("Ctrl+Alt+T"));

        // A new start reads what was stored.
        f.shortcut.refusing = false;
        FormFixture again(document());
        again.store("selectionShortcut", "Meta+T");
        again.form->Form_Load();
        QCOMPARE(again.shortcut.asked, QStringList{"Meta+T"});
        QVERIFY(control<QAction>(again.form.get(), "mnuSelectionShortcut")->shortcut().isEmpty());
    }

    // Ctrl+R turns the pair round and back; nothing without a reverse or
    // while busy. Ctrl+Shift+C copies the translation.
    void windowKeys() {
        FormFixture f(document());
        f.form->Form_Load();
        f.form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.form.get()));
        const auto ctrlR = [&] { QTest::keyClick(f.txtFrom, Qt::Key_R, Qt::ControlModifier); };
        ctrlR();
        QCOMPARE(f.cboLanguages->currentText(), QString("Spanish to English"));
        ctrlR();
        QCOMPARE(f.cboLanguages->currentText(), QString("English to Spanish"));
        f.cboLanguages->setCurrentIndex(2);  // English to Catalan, whose reverse is listed
        ctrlR();
        QCOMPARE(f.cboLanguages->currentText(), QString("Catalan to English"));
        f.form->Disable();
        ctrlR();
        QCOMPARE(f.cboLanguages->currentText(), QString("Catalan to English"));
        f.form->Enable();

        f.txtTo->setPlainText("La casa");
        QApplication::clipboard()->clear();
        QTest::keyClick(f.txtFrom, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(QApplication::clipboard()->text(), QString("La casa"));
        QVERIFY(f.txtTo->toolTip().contains("Ctrl+Shift+C"));
        // Ctrl+D picks the pair for the source text's language, nothing else.
        const QString spanish = "Nosotros vamos a la playa todos los veranos con la familia.";
        f.txtFrom->setPlainText(spanish);
        QTest::keyClick(f.txtFrom, Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(f.cboLanguages->currentText(), QString("Spanish to English"));
        QCOMPARE(f.txtFrom->toPlainText(), spanish);
        QCOMPARE(f.txtTo->toPlainText(), QString("La casa"));
        QVERIFY(f.cboLanguages->toolTip().contains("Ctrl+R"));

        FormFixture lone(sample(removeNode("//Engine[1]/Languages/Language[2]")));
        lone.form->Form_Load();
        lone.form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(lone.form.get()));
        lone.cboLanguages->setCurrentIndex(0);
        QTest::keyClick(lone.txtFrom, Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(lone.cboLanguages->currentIndex(), 0);
    }

    // The selection as another program on X11 holds it (xclip, run again
    // under Xvfb as test_anywhere_x11): the program goes on while the
    // owner hands it over, and an owner that never does (stopped) is said
    // in the popup within three seconds.
    void selectionOwner_data() {
        QTest::addColumn<QString>("selection");  // primary, clipboard, or own (this program's)
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("stopped");
        QTest::addColumn<QString>("status");
        const QString huge(3 * 1024 * 1024, QLatin1Char('w'));
        QTest::addRow("an owner that answers") << "primary"
                                               << "hello" << false << "English";
        QTest::addRow("nothing selected: the clipboard") << "clipboard"
                                                         << "hello" << false << "English";
        QTest::addRow("megabytes, handed over in pieces")
            << "primary" << huge << false << "Translation failed: The text is too long";
        QTest::addRow("an owner that never answers")
            << "primary"
            << "hello" << true << "The selection's owner did not answer.";
        QTest::addRow("this program holds the selection") << "own"
                                                          << "hello" << false << "English";
    }
    void selectionOwner() {
        if (QGuiApplication::platformName() != "xcb") QSKIP("needs X11 (test_anywhere_x11)");
        QFETCH(QString, selection);
        QFETCH(QString, text);
        QFETCH(bool, stopped);
        QFETCH(QString, status);
        QProcess owner;
        if (selection == "own") {
            QApplication::clipboard()->setText(text, QClipboard::Selection);
        } else {
            owner.start("xclip", {"-quiet", "-selection", selection, "-i"});
            QVERIFY2(owner.waitForStarted(), "xclip (scripts/install-deps.sh installs it)");
            owner.write(text.toUtf8());
            owner.closeWriteChannel();
            const auto held = [&] {
                QProcess out;
                out.start("xclip", {"-o", "-selection", selection});
                return out.waitForFinished(2000) &&
                       out.readAllStandardOutput().size() == text.size();
            };
            QVERIFY(QTest::qWaitFor(held, 10000));
        }
        if (stopped) QCOMPARE(::kill(pid_t(owner.processId()), SIGSTOP), 0);
        struct Resume {
            QProcess& p;
            ~Resume() {
                if (p.processId() == 0) return;
                ::kill(pid_t(p.processId()), SIGCONT);
                p.kill();
                p.waitForFinished();
            }
        } resume{owner};

        FormFixture f(document());
        f.form->Form_Load();
        // The event loop keeps turning: the longest gap between ticks.
        QElapsedTimer sinceTick;
        qint64 longestGap = 0;
        QTimer ticks;
        QObject::connect(&ticks, &QTimer::timeout,
                         [&] { longestGap = qMax(longestGap, sinceTick.restart()); });
        ticks.start(20);
        sinceTick.start();
        QElapsedTimer took;
        took.start();
        f.form->anywhere().translateSelection();
        QVERIFY(QTest::qWaitFor([&] { return settled(f) && popupOf(f)->isVisible(); }, 3000));
        QVERIFY2(popupOf(f)->lblPopupStatus->text().startsWith(status),
                 qPrintable(popupOf(f)->lblPopupStatus->text()));
        QCOMPARE(popupOf(f)->sourceText(), stopped ? QString() : text);
        QVERIFY2(longestGap < 1000, qPrintable(QString::number(longestGap)));
        QVERIFY(took.elapsed() < 3000);
    }
};

QTEST_MAIN(TestAnywhere)
#include "test_anywhere.moc"
