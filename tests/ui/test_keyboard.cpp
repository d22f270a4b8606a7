#include <QFileInfo>
#include <QTest>

#include "FormFixture.h"
#include "TestHttpServer.h"
#include "speech/HearItCommand.h"
#include "translate/TranslateCommand.h"

using namespace FormDocs;

// The window without the mouse: Ctrl+Enter translates, Enter hears the
// word, Escape ends a running command; and what a screen reader is told.
class TestKeyboard : public QObject {
    Q_OBJECT

    TestHttpServer m_server;

    // The sample document with its first engine and the pronunciation
    // service on the loopback server.
    QByteArray document() const {
        const QByteArray base = m_server.baseUrl().toUtf8();
        const QByteArray translate = base + "/t", look = base + "/look?w=", snd = base + "/snd";
        return sample(all({loopbackEngine(translate), attr("//Wav", "url", look.constData()),
                           attr("//Wav", "urltoplay", snd.constData())}));
    }

    // A loaded, shown and active window with a pair selected.
    static bool ready(FormFixture& f) {
        f.form->Form_Load();
        f.form->activateWindow();
        return QTest::qWaitForWindowActive(f.form.get()) && f.cboLanguages->currentIndex() == 0;
    }

    static bool idle(const FormFixture& f) {
        for (QWidget* w : f.inputControls())
            if (!w->isEnabled()) return false;
        return true;
    }

private slots:
    void initTestCase() { QVERIFY(m_server.start()); }
    void init() {
        m_server.clearRequests();
        m_server.setDefaultResponse(ScriptedResponse::withStatus(404));
        m_server.setResponse("/t", ScriptedResponse::text("[[hola]]"));
        m_server.setResponse("/look", ScriptedResponse::text("[[hello]]"));
        m_server.setResponse("/snd/h/hello.wav", ScriptedResponse::text("RIFF", "audio/wav"));
    }

    void keys_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("busy");
        QTest::addColumn<QByteArray>("sent");  // the path asked for, empty for none
        const int ctrl = Qt::ControlModifier;
        QTest::addRow("Ctrl+Return in the source text")
            << "txtFrom" << int(Qt::Key_Return) << ctrl << false << QByteArray("/t");
        QTest::addRow("Ctrl+Enter of the keypad")
            << "txtFrom" << int(Qt::Key_Enter) << (ctrl | int(Qt::KeypadModifier)) << false
            << QByteArray("/t");
        QTest::addRow("Return alone is a line break")
            << "txtFrom" << int(Qt::Key_Return) << 0 << false << QByteArray();
        QTest::addRow("Ctrl+Return while busy")
            << "txtFrom" << int(Qt::Key_Return) << ctrl << true << QByteArray();
        QTest::addRow("Return in the word box")
            << "txtHearIt" << int(Qt::Key_Return) << 0 << false << QByteArray("/look");
        QTest::addRow("Return in the word box while busy")
            << "txtHearIt" << int(Qt::Key_Return) << 0 << true << QByteArray();
    }
    void keys() {
        QFETCH(QString, box);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, busy);
        QFETCH(QByteArray, sent);
        FormFixture f(document());
        QVERIFY(ready(f));
        f.txtFrom->setPlainText(QStringLiteral("hello"));
        QWidget* target = control<QWidget>(f.form.get(), qPrintable(box));
        target->setFocus();
        f.txtHearIt->setText(QStringLiteral("hello"));  // the focus cleared it
        if (busy) f.form->Disable();
        QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));

        if (sent.isEmpty()) {
            // Both commands decide at once whether to send: nothing started
            // means nothing can arrive later.
            QVERIFY(!f.form->translateCommand().isRunning());
            QCOMPARE(m_server.requestCount(), 0);
            if (!busy && box == "txtFrom")
                QCOMPARE(f.txtFrom->toPlainText(), QStringLiteral("\nhello"));
            return;
        }
        QVERIFY(QTest::qWaitFor([&] { return idle(f); }, 5000));
        QCOMPARE(m_server.requests().first().path(), sent);
        if (box == "txtFrom") QCOMPARE(f.txtTo->toPlainText(), QStringLiteral("hola"));
    }

    // Escape ends a command that waits for a server that stalls: the window
    // is idle again at once, and nothing of the answer shows up.
    void escapeCancels_data() {
        QTest::addColumn<bool>("hearIt");
        QTest::addColumn<bool>("stallMidway");  // else the server never answers
        QTest::addRow("translation, no answer") << false << false;
        QTest::addRow("translation, answer stalls") << false << true;
        QTest::addRow("Hear It, no lookup page") << true << false;
        QTest::addRow("Hear It, wave file stalls") << true << true;
    }
    void escapeCancels() {
        QFETCH(bool, hearIt);
        QFETCH(bool, stallMidway);
        ScriptedResponse stall = ScriptedResponse::text("[[" + QByteArray(5000, 'x') + "]]");
        if (stallMidway)
            stall.stallAfterBodyBytes = 1000;
        else
            stall.neverAnswer = true;
        const QByteArray stalled = hearIt ? (stallMidway ? "/snd/h/hello.wav" : "/look") : "/t";
        m_server.setResponse(stalled, stall);
        const int requests = hearIt && stallMidway ? 2 : 1;
        FormFixture f(document());
        QVERIFY(ready(f));
        f.txtTo->setPlainText(QStringLiteral("kept"));
        f.txtFrom->setPlainText(QStringLiteral("hello"));
        f.txtHearIt->setText(QStringLiteral("hello"));

        // Escape once the stalling request is out.
        bool busyAtEscape = false;
        QTimer poll;
        connect(&poll, &QTimer::timeout, [&] {
            if (m_server.requestCount() < requests) return;
            poll.stop();
            busyAtEscape = !idle(f);
            QTest::keyClick(f.form.get(), Qt::Key_Escape);
        });
        poll.start(5);
        (hearIt ? f.cmdHearIt : f.cmdTranslate)->click();
        QVERIFY(QTest::qWaitFor([&] { return !poll.isActive(); }, 5000));
        QVERIFY(busyAtEscape);
        QVERIFY(idle(f));
        QCOMPARE(f.form->statusText(), QStringLiteral("Cancelled."));
        QVERIFY(!f.form->translateCommand().isRunning() && !f.form->hearItCommand().isRunning());
        QCOMPARE(f.txtTo->toPlainText(), QStringLiteral("kept"));
        QCOMPARE(f.txtHearIt->text(), QStringLiteral("hello"));
        QVERIFY(!QFileInfo::exists(f.env.programFolder() + "/wav/hello.wav"));
        QCOMPARE(f.form->translateCommand().translations(), 0);

        // Nothing was left hanging: the next command runs through.
        m_server.setResponse(stalled, hearIt ? ScriptedResponse::text("[[hello]]")
                                             : ScriptedResponse::text("[[again]]"));
        if (hearIt) {
            f.cmdHearIt->click();
            QVERIFY(QTest::qWaitFor([&] { return idle(f); }, 5000));
            QCOMPARE(f.txtHearIt->text(),
                     QStringLiteral("Unable to detect WAV device in this system."));
        } else {
            f.cmdTranslate->click();
            QVERIFY(QTest::qWaitFor([&] { return idle(f); }, 5000));
            QCOMPARE(f.txtTo->toPlainText(), QStringLiteral("again"));
        }
        QCOMPARE(f.form->statusText(), QStringLiteral("Translated."));
        // Escape on an idle window changes nothing.
        QTest::keyClick(f.form.get(), Qt::Key_Escape);
        QVERIFY(idle(f));
    }

    void screenReaderNamesAndTooltips_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("shortcut");  // in the tooltip
        QTest::addRow("txtFrom") << "txtFrom"
                                 << "Ctrl+Enter";
        QTest::addRow("cmdTranslate") << "cmdTranslate"
                                      << "Ctrl+Enter";
        QTest::addRow("txtHearIt") << "txtHearIt"
                                   << "Enter";
        QTest::addRow("cmdHearIt") << "cmdHearIt"
                                   << "Enter";
        // The status line has no fixed name: it is read as its text (the
        // accessibility bus test checks it).
        for (const char* other : {"cboLanguages", "cboEngines", "txtTo", "lblHint", "barStatus",
                                  "barStatusCaps", "barStatusIns"})
            QTest::addRow("%s", other) << other << QString();
    }
    void screenReaderNamesAndTooltips() {
        QFETCH(QString, name);
        QFETCH(QString, shortcut);
        FormFixture f(document());
        const QWidget* w = control<QWidget>(f.form.get(), qPrintable(name));
        QVERIFY(!w->accessibleName().isEmpty());
        QVERIFY(!w->accessibleDescription().isEmpty());
        if (!shortcut.isEmpty())
            QVERIFY2(w->toolTip().contains(shortcut), qPrintable(w->toolTip()));
        // The menus keep their access keys and have no shortcut keys.
        for (const QAction* a : f.form->findChildren<QAction*>())
            if (a->objectName().startsWith("mnu")) QVERIFY(a->shortcut().isEmpty());
    }
};

QTEST_MAIN(TestKeyboard)
#include "test_keyboard.moc"
