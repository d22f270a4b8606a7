#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>
#include <QTimer>
#include <memory>

#include "Fakes.h"
#include "FormControls.h"
#include "TestEnv.h"
#include "TestHttpServer.h"
#include "config/Globals.h"
#include "net/HttpEngine.h"
#include "translate/OutsideTranslation.h"
#include "translate/TranslateCommand.h"
#include "ui/frmTranslate.h"

namespace {

const QByteArray kUserAgentValue = "Mozilla/4.0 (compatible;\"MSIE 6.0; Windows NT 5.1)\"\"";

// The service document of these tests (translate-config.xml), its engines
// pointed at the loopback server and its Features and limit message chosen
// per test.
QByteArray documentFor(const QString& base, const QByteArray& features,
                       const QByteArray& messageLimit = "maxtranslation=\"Limit reached.\"") {
    QByteArray xml = TestEnv::readFile(TestEnv::sourceDir() +
                                       QStringLiteral("/tests/translate/translate-config.xml"));
    xml.replace("FEATURES", features);
    xml.replace("MESSAGE_LIMIT", messageLimit);
    xml.replace("BASE", base.toUtf8());
    return xml;
}

int closedPort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

// The main window over a document, with recording dialogs.
struct Window : FormControls {
    TestEnv env;
    Globals globals;
    FakeDialogs dialogs;
    FakeUrlOpener opener;
    FakePauser pauser;
    std::unique_ptr<frmTranslate> form;

    explicit Window(const QByteArray& xml) {
        globals.service.clear();
        if (!xml.isEmpty()) {
            QByteArray doc = xml;
            doc.replace("PORT0", QByteArray::number(closedPort()));
            if (!globals.service.loadFromBytes(doc)) qFatal("test document does not parse");
            globals.gelmMessages =
                globals.service.selectSingleNode(ConfigDocument::messagesQuery());
        }
        globals.gblnConfigLoaded = true;
        Platform platform;
        platform.dialogs = &dialogs;
        platform.urlOpener = &opener;
        platform.pauser = &pauser;
        form = std::make_unique<frmTranslate>(globals, platform);
        findControls(form.get());
    }

    // Puts the given items into the lists and selects them. The engine
    // list's change handler (which refills the languages from the document)
    // is held off so that names the document lacks can be selected too.
    void select(const QString& engine, const QString& language) {
        const QSignalBlocker hold(cboEngines);
        cboEngines->clear();
        cboLanguages->clear();
        cboEngines->addItem(QStringLiteral("Other"));
        cboEngines->addItem(engine);
        cboEngines->setCurrentIndex(1);
        cboLanguages->addItem(language);
        cboLanguages->setCurrentIndex(0);
    }

    TranslateCommand& command() { return form->translateCommand(); }

    bool allEnabled() const {
        for (QWidget* w : inputControls())
            if (!w->isEnabled()) return false;
        return true;
    }
    bool noneEnabled() const {
        for (QWidget* w : inputControls())
            if (w->isEnabled()) return false;
        return true;
    }

    // Clicks Translate and waits until the window is idle again.
    bool translate(const QString& text, int timeoutMs = 5000) {
        txtFrom->setPlainText(text);
        form->cmdTranslate_Click();
        return QTest::qWaitFor([this] { return allEnabled(); }, timeoutMs);
    }
};

}  // namespace

class TestTranslateCommand : public QObject {
    Q_OBJECT

    std::unique_ptr<TestHttpServer> m_server;
    const QByteArray kFeatures = "<Features maxtranslation=\"100\" tray=\"0\"/>";

    std::unique_ptr<Window> window(
        const QByteArray& features = QByteArray(),
        const QByteArray& messageLimit = "maxtranslation=\"Limit reached.\"") {
        return std::make_unique<Window>(documentFor(
            m_server->baseUrl(), features.isNull() ? kFeatures : features, messageLimit));
    }

    // The requests the server has had, apart from a probe sent now and
    // waited for. The probe goes out after anything the command could have
    // sent, on the same connections, so a request sent late is counted too.
    int requestsBesideAProbe() {
        HttpRequest probe;
        probe.address = m_server->baseUrl() + "/probe";
        if (!QCoro::waitFor(HttpEngine::forThread().fetch(probe)).ok()) return -1;
        int count = 0;
        for (const RecordedRequest& r : m_server->requests()) count += r.path() != "/probe";
        return count;
    }

private slots:
    void init() {
        m_server = std::make_unique<TestHttpServer>();
        QVERIFY(m_server->start());
        m_server->setDefaultResponse(ScriptedResponse::text("<p>[[ hola mundo \r\n]]</p>"));
    }
    void cleanup() { m_server.reset(); }

    void getRequestAndShownResult() {
        auto w = window();
        w->select("Get", "English to Spanish");
        w->txtTo->setPlainText("previous");
        w->txtFrom->setPlainText(QString::fromUtf8("Hello, wörld & 100% + 'x'\n"));
        w->form->cmdTranslate_Click();

        // Busy while the request is out: the previous result stays, greyed.
        QVERIFY(w->noneEnabled());
        QCOMPARE(w->form->statusText(), QString("Translating from English to Spanish"));
        QCOMPARE(w->txtTo->toPlainText(), QString("previous"));

        QVERIFY(QTest::qWaitFor([&] { return w->allEnabled(); }, 5000));
        QCOMPARE(m_server->requestCount(), 1);
        const RecordedRequest r = m_server->lastRequest();
        QCOMPARE(r.method, QByteArray("GET"));
        // "|" of the language code travels escaped; everything else as built.
        QCOMPARE(r.target, QByteArray("/get?q=Hello%2C%20w%C3%B6rld%20%26%20100%25%20%2B%20%27x%27"
                                      "%0D%0A&langpair=eng%7Cspa&markUnknown=no"));
        QCOMPARE(r.header("user-agent"), kUserAgentValue);
        QVERIFY(r.body.isEmpty());

        QCOMPARE(w->txtTo->toPlainText(), QString("hola mundo"));
        QCOMPARE(w->form->statusText(), QString("Translated."));
        QCOMPARE(w->command().translations(), 1);
    }

    void spacesOnlyIsText() {
        auto w = window();
        w->select("Get", "English to Spanish");
        QVERIFY(w->translate("   "));
        QCOMPARE(m_server->requestCount(), 1);
        QVERIFY(m_server->lastRequest().target.startsWith("/get?q=%20%20%20&"));
    }

    void missingInputDoesNothing_data() {
        QTest::addColumn<bool>("engine");
        QTest::addColumn<bool>("language");
        QTest::addColumn<QString>("text");
        QTest::addRow("no text") << true << true << "";
        QTest::addRow("no engine selected") << false << true << "x";
        QTest::addRow("no language selected") << true << false << "x";
    }
    void missingInputDoesNothing() {
        QFETCH(bool, engine);
        QFETCH(bool, language);
        QFETCH(QString, text);
        // Checked before the limit: even a broken limit goes unnoticed.
        auto w = window("<Features/>");
        w->select("Get", "English to Spanish");
        if (!engine) {
            const QSignalBlocker hold(w->cboEngines);
            w->cboEngines->setCurrentIndex(-1);
        }
        if (!language) w->cboLanguages->setCurrentIndex(-1);
        w->form->setStatusText("untouched");
        w->txtFrom->setPlainText(text);
        w->form->cmdTranslate_Click();
        QCOMPARE(w->form->statusText(), QString("untouched"));
        QVERIFY(w->allEnabled());
        QVERIFY(w->dialogs.asked.isEmpty());
        QCOMPARE(requestsBesideAProbe(), 0);
        QVERIFY(!w->command().isRunning());
    }

    void limitBoundary_data() {
        QTest::addColumn<int>("limit");
        QTest::addColumn<bool>("sent");
        QTest::addRow("one below the limit") << 2 << true;
        QTest::addRow("equal to the limit") << 1 << false;
    }
    void limitBoundary() {
        QFETCH(int, limit);
        QFETCH(bool, sent);
        auto w = window("<Features maxtranslation=\"" + QByteArray::number(limit) + "\"/>");
        w->select("Get", "English to Spanish");
        QVERIFY(w->translate("one"));
        QCOMPARE(w->command().translations(), 1);
        w->form->setStatusText("after first");

        w->txtFrom->setPlainText("two");
        w->form->cmdTranslate_Click();
        if (sent) {
            QVERIFY(w->noneEnabled());
            QVERIFY(QTest::qWaitFor([&] { return w->allEnabled(); }, 5000));
            QCOMPARE(m_server->requestCount(), 2);
            QCOMPARE(w->command().translations(), 2);
            QVERIFY(w->dialogs.asked.isEmpty());
        } else {
            QCOMPARE(requestsBesideAProbe(), 1);
            QCOMPARE(w->dialogs.asked.size(), 1);
            const FakeDialogs::Asked& a = w->dialogs.asked.at(0);
            QCOMPARE(a.text, QString("Limit reached."));
            QCOMPARE(a.title, QString("Parlamo Test"));
            QCOMPARE(a.icon, IDialogs::Icon::Information);
            QCOMPARE(a.buttons, IDialogs::Buttons::Ok);
            QCOMPARE(w->form->statusText(), QString("after first"));  // never busy
            QVERIFY(w->allEnabled());
            QCOMPARE(w->command().translations(), 1);
        }
    }

    void limitZeroRefusesEveryCommand() {
        auto w = window("<Features maxtranslation=\"0\"/>");
        w->select("Get", "English to Spanish");
        w->txtFrom->setPlainText("x");
        w->form->cmdTranslate_Click();
        QCOMPARE(w->dialogs.asked.size(), 1);
        QCOMPARE(m_server->requestCount(), 0);
    }

    // Failures before the request is out end through the one error handler:
    // idle window, nothing sent, no message box, and the status line says
    // the translation failed rather than "Translated.".
    void commandErrorsEndIdle_data() {
        QTest::addColumn<QByteArray>("features");
        QTest::addColumn<QByteArray>("messageLimit");
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QString>("language");
        const QByteArray ok = "<Features maxtranslation=\"5\"/>";
        const QByteArray msg = "maxtranslation=\"Limit reached.\"";
        QTest::addRow("no Features") << QByteArray(" ") << msg << "Get"
                                     << "English to Spanish";
        QTest::addRow("no maxtranslation") << QByteArray("<Features tray=\"1\"/>") << msg << "Get"
                                           << "English to Spanish";
        QTest::addRow("maxtranslation not a number")
            << QByteArray("<Features maxtranslation=\"ten\"/>") << msg << "Get"
            << "English to Spanish";
        QTest::addRow("maxtranslation beyond 32 bits")
            << QByteArray("<Features maxtranslation=\"2147483648\"/>") << msg << "Get"
            << "English to Spanish";
        QTest::addRow("limit message absent")
            << QByteArray("<Features maxtranslation=\"0\"/>") << QByteArray() << "Get"
            << "English to Spanish";
        QTest::addRow("apostrophe in engine name") << ok << msg << "O'Brien"
                                                   << "Pair";
        QTest::addRow("apostrophe in language name") << ok << msg << "Get"
                                                     << "It's odd";
        QTest::addRow("engine not in the document") << ok << msg << "Gone"
                                                    << "Pair";
        QTest::addRow("language not in the document") << ok << msg << "Get"
                                                      << "Klingon";
        QTest::addRow("transfer cannot start") << ok << msg << "Ftp"
                                               << "Pair";
    }
    void commandErrorsEndIdle() {
        QFETCH(QByteArray, features);
        QFETCH(QByteArray, messageLimit);
        QFETCH(QString, engine);
        QFETCH(QString, language);
        auto w = window(features, messageLimit);
        w->select(engine, language);
        w->txtTo->setPlainText("kept");
        w->txtFrom->setPlainText("text");
        w->form->cmdTranslate_Click();
        QVERIFY(w->allEnabled());
        QVERIFY2(w->form->statusText().startsWith("Translation failed: "),
                 qPrintable(w->form->statusText()));
        QVERIFY(w->dialogs.asked.isEmpty());
        QCOMPARE(w->txtTo->toPlainText(), QString("kept"));
        QCOMPARE(w->command().translations(), 0);
        QCOMPARE(requestsBesideAProbe(), 0);
    }

    void emptyTokenAfterClearsAndCounts() {
        auto w = window();
        w->select("EmptyAfter", "Pair");
        w->txtTo->setPlainText("old");
        QVERIFY(w->translate("x"));
        QCOMPARE(w->txtTo->toPlainText(), QString());
        QCOMPARE(w->command().translations(), 1);
        QCOMPARE(w->form->statusText(), QString("Translated."));
    }

    void markupAndErrorPagesGoThroughExtraction() {
        m_server->setDefaultResponse(ScriptedResponse::withStatus(500, "oops [[a<br>&amp;b]]"));
        auto w = window();
        w->select("Get", "English to Spanish");
        QVERIFY(w->translate("x"));
        QCOMPARE(w->txtTo->toPlainText(), QString("a<br>&amp;b"));
        QCOMPARE(w->command().translations(), 1);
    }

    // The ways a request can end without a translation. Each leaves the
    // window idle with the previous result and the count untouched.
    void endsWithoutTranslation_data() {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("status");
        // HOST: the loopback server that the engines ask.
        const QString none = "No translation found in the answer of HOST.";
        QTest::addRow("tokenbefore missing") << "Get" << 0 << none;
        QTest::addRow("tokenafter missing after it") << "Get" << 1 << none;
        QTest::addRow("engine without markers") << "NoMarkers" << 2 << none;
        QTest::addRow("connection refused") << "Refused" << 2 << "Translation failed at 127.0.0.1:";
        QTest::addRow("answer cut off") << "Get" << 3 << "Translation failed at HOST: ";
        QTest::addRow("answer over 32 MiB")
            << "Get" << 4 << "Translation failed at HOST: The answer is larger than 32 MiB.";
        QTest::addRow("never answered")
            << "Get" << 5 << "Translation timed out: HOST did not answer.";
        QTest::addRow("stalls midway")
            << "Get" << 6 << "Translation timed out: HOST did not answer.";
    }
    void endsWithoutTranslation() {
        QFETCH(QString, engine);
        QFETCH(int, answer);
        QFETCH(QString, status);
        ScriptedResponse r;
        switch (answer) {
            case 0:
                r = ScriptedResponse::text("no markers here ]]");
                break;
            case 1:
                r = ScriptedResponse::text("]] [[ no end");
                break;
            case 2:
                r = ScriptedResponse::text("[[fine]]");
                break;
            case 3:
                r = ScriptedResponse::text("[[" + QByteArray(5000, 'x') + "]]");
                r.cutAfterBodyBytes = 100;
                break;
            case 4:
                r.generatedBodySize = HttpLimits::translationMaxBody + 1;
                break;
            case 5:
                r.neverAnswer = true;
                break;
            case 6:
                r = ScriptedResponse::text("[[" + QByteArray(5000, 'x') + "]]");
                r.stallAfterBodyBytes = 1000;
                break;
        }
        m_server->setDefaultResponse(r);
        auto w = window();
        w->select(engine, engine == "Get" ? "English to Spanish" : "Pair");
        w->command().setStallTimeout(std::chrono::milliseconds(300));
        w->txtTo->setPlainText("kept");
        w->txtFrom->setPlainText("x");
        w->form->cmdTranslate_Click();
        QVERIFY(w->noneEnabled());
        QVERIFY(QTest::qWaitFor([&] { return w->allEnabled(); }, 10000));
        status.replace("HOST", m_server->hostPort());
        QVERIFY2(w->form->statusText().startsWith(status), qPrintable(w->form->statusText()));
        if (status.endsWith(": ")) QVERIFY(w->form->statusText().size() > status.size());
        QCOMPARE(w->txtTo->toPlainText(), QString("kept"));
        QCOMPARE(w->command().translations(), 0);
        QVERIFY(!w->command().isRunning());

        // Nothing is left hanging: the next request works.
        m_server->setDefaultResponse(ScriptedResponse::text("[[again]]"));
        w->select("Get", "English to Spanish");
        QVERIFY(w->translate("y"));
        QCOMPARE(w->txtTo->toPlainText(), QString("again"));
        QCOMPARE(w->command().translations(), 1);
    }

    void nextRequestTimesOutToo() {
        // The request before it leaves the window's timer to the new one.
        auto w = window();
        w->select("Get", "English to Spanish");
        QVERIFY(w->translate("one"));
        ScriptedResponse silent;
        silent.neverAnswer = true;
        m_server->setDefaultResponse(silent);
        w->command().setStallTimeout(std::chrono::milliseconds(300));
        QVERIFY(w->translate("two", 5000));
        QVERIFY2(w->form->statusText().startsWith("Translation timed out: "),
                 qPrintable(w->form->statusText()));
    }

    void slowAnswerThatKeepsComingIsNotTimedOut() {
        // Ten pieces 120 ms apart under a 300 ms time-out: 1.2 s in all.
        ScriptedResponse slow = ScriptedResponse::text("[[" + QByteArray(978, 's') + "]]");
        slow.chunkSize = 100;
        slow.pieceDelayMs = 120;
        m_server->setDefaultResponse(slow);
        auto w = window();
        w->select("Get", "English to Spanish");
        w->command().setStallTimeout(std::chrono::milliseconds(300));
        w->txtFrom->setPlainText("x");
        w->form->cmdTranslate_Click();
        QVERIFY(QTest::qWaitFor([&] { return w->allEnabled(); }, 10000));
        QCOMPARE(w->form->statusText(), QString("Translated."));
        QCOMPARE(w->txtTo->toPlainText(), QString(978, QChar('s')));
    }

    void timerStandsStillWhenIdle() {
        auto w = window();
        w->select("Get", "English to Spanish");
        QVERIFY(w->translate("x"));
        // A stray tick (the window may run its timer) must not disturb an
        // idle window.
        QSignalSpy ticks(w->timTimeout, &QTimer::timeout);
        w->timTimeout->start(10);
        QVERIFY(ticks.wait(2000));
        QCOMPARE(w->form->statusText(), QString("Translated."));
        QCOMPARE(w->txtTo->toPlainText(), QString("hola mundo"));
    }

    void onlyTheCurrentTransferIsHeard() {
        // A second command while the first is still out (the button is
        // disabled, but the handler must cope): the first one's answer, had
        // it come, is not shown.
        ScriptedResponse slow = ScriptedResponse::text("[[first]]");
        slow.delayMs = 400;
        m_server->setResponse("/get", slow);
        m_server->setResponse("/post", ScriptedResponse::text("<b>second</b>"));
        auto w = window();
        w->select("Get", "English to Spanish");
        w->txtFrom->setPlainText("one");
        w->form->cmdTranslate_Click();
        w->select("Post", "Spanish to English");
        QVERIFY(w->translate("two"));
        QCOMPARE(w->txtTo->toPlainText(), QString("second"));
        QTest::qWait(600);
        QCOMPARE(w->txtTo->toPlainText(), QString("second"));
        QCOMPARE(w->command().translations(), 1);
    }

    void windowClosedWhileWaiting() {
        // The window (and its command) go away while the request is out: the
        // answer that comes later finds nothing to touch.
        ScriptedResponse slow = ScriptedResponse::text("[[late]]");
        slow.delayMs = 200;
        m_server->setDefaultResponse(slow);
        auto w = window();
        w->select("Get", "English to Spanish");
        w->txtFrom->setPlainText("x");
        w->form->cmdTranslate_Click();
        QVERIFY(QTest::qWaitFor([&] { return m_server->requestCount() == 1; }, 5000));
        w->form.reset();
        QCOMPARE(requestsBesideAProbe(), 1);
    }

    // Translations from outside the window (popup, D-Bus): what each ends
    // with, in the window's own words, and what reaches the engine.
    void outsideTranslation_data() {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QString>("pair");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");   // null: failed instead
        QTest::addColumn<QString>("status");  // what failed() says, from its start
        QTest::addColumn<int>("requests");
        const QString none;
        const QString tooLong(int(HttpLimits::maxRequestAddress) + 1, QLatin1Char('a'));
        QTest::addRow("translated") << "Get"
                                    << "English to Spanish"
                                    << "hello"
                                    << "hola mundo" << none << 1;
        QTest::addRow("no pair selected")
            << "Get"
            << ""
            << "hello" << none << OutsideTranslation::noPairText() << 0;
        QTest::addRow("no text") << "Get"
                                 << "English to Spanish"
                                 << "" << none << OutsideTranslation::noTextText() << 0;
        QTest::addRow("too long, refused before it is encoded")
            << "Get"
            << "English to Spanish" << tooLong << none
            << "Translation failed: The text is too long to send" << 0;
        QTest::addRow("too long once encoded")
            << "Get"
            << "English to Spanish" << QString(int(HttpLimits::maxRequestAddress) / 2, '&') << none
            << "Translation failed: The text is too long to send" << 0;
        QTest::addRow("server unreachable, as the window says it")
            << "Refused"
            << "Pair"
            << "x" << none << "Translation failed at 127.0.0.1:" << 0;
    }
    void outsideTranslation() {
        QFETCH(QString, engine);
        QFETCH(QString, pair);
        QFETCH(QString, text);
        QFETCH(QString, shown);
        QFETCH(QString, status);
        auto w = window();
        OutsideTranslation outside(w->form->translator(), Translator::Origin::Popup);
        QSignalSpy finished(&outside, &OutsideTranslation::finished);
        QSignalSpy failed(&outside, &OutsideTranslation::failed);
        outside.start(engine, pair, text);
        QVERIFY(QTest::qWaitFor([&] { return finished.size() + failed.size() > 0; }, 5000));
        QTest::qWait(20);
        QCOMPARE(finished.size() + failed.size(), 1);
        if (!shown.isNull()) {
            QCOMPARE(finished.at(0).at(0).toString(), shown);
        } else {
            QVERIFY2(failed.at(0).at(0).toString().startsWith(status),
                     qPrintable(failed.at(0).at(0).toString()));
        }
        QTEST(int(m_server->requestCount()), "requests");
        QCOMPARE(w->command().translations(), shown.isNull() ? 0 : 1);
        QVERIFY(!outside.isRunning());
        QVERIFY(w->allEnabled());  // the window's own command is untouched
    }

    // Every way in shares one per-run limit: those still running count, so
    // however they start together no request beyond the limit reaches the
    // engine, and each way in hears the refusal; a cancelled one gives its
    // place back at once.
    void everyWayInSharesTheLimit_data() {
        QTest::addColumn<QString>("order");  // w: window, p: popup, d: D-Bus
        // The window runs one request at a time: it is refused only when idle.
        QTest::addRow("window first") << "wpdpd";
        QTest::addRow("popup first") << "pdpwdp";
        QTest::addRow("D-Bus first") << "dpdwpd";
    }
    void everyWayInSharesTheLimit() {
        QFETCH(QString, order);
        ScriptedResponse slow = ScriptedResponse::text("[[hola]]");
        slow.delayMs = 150;
        m_server->setDefaultResponse(slow);
        auto w = window("<Features maxtranslation=\"3\"/>");
        w->select("Get", "English to Spanish");
        std::vector<std::unique_ptr<OutsideTranslation>> outside;
        QStringList refusals;
        for (const QChar way : order) {
            if (way == 'w') {
                const qsizetype asked = w->dialogs.asked.size();
                w->txtFrom->setPlainText("w");
                w->form->cmdTranslate_Click();
                if (w->dialogs.asked.size() > asked) refusals << w->dialogs.asked.last().text;
                continue;
            }
            auto t = std::make_unique<OutsideTranslation>(
                w->form->translator(),
                way == 'p' ? Translator::Origin::Popup : Translator::Origin::DBus);
            connect(t.get(), &OutsideTranslation::failed, this,
                    [&refusals](const QString& why) { refusals << why; });
            t->start("Get", "English to Spanish", QString(way));
            outside.push_back(std::move(t));
        }
        QVERIFY(QTest::qWaitFor([&] { return w->form->translator().running() == 0; }, 5000));
        QCOMPARE(requestsBesideAProbe(), 3);
        QCOMPARE(w->command().translations(), 3);
        QCOMPARE(refusals, QStringList(order.size() - 3, "Limit reached."));

        // A cancelled one gives its place back.
        auto v = window("<Features maxtranslation=\"1\"/>");
        OutsideTranslation cancelled(v->form->translator(), Translator::Origin::Popup),
            next(v->form->translator(), Translator::Origin::DBus);
        QSignalSpy nextFinished(&next, &OutsideTranslation::finished);
        cancelled.start("Get", "English to Spanish", "a");
        QVERIFY(cancelled.cancel());
        next.start("Get", "English to Spanish", "b");
        QVERIFY(QTest::qWaitFor([&] { return nextFinished.size() == 1; }, 5000));
        QCOMPARE(v->command().translations(), 1);
        v->select("Get", "English to Spanish");
        v->txtFrom->setPlainText("c");
        v->form->cmdTranslate_Click();
        QCOMPARE(v->dialogs.asked.size(), 1);
        QCOMPARE(v->dialogs.asked.at(0).text, QString("Limit reached."));
    }

    void busyStateTexts() {
        auto w = window();
        w->select("Get", "English to Spanish");
        w->form->Disable();
        QVERIFY(w->noneEnabled());
        QCOMPARE(w->form->statusText(), QString("Translating from English to Spanish"));
        w->cboLanguages->setItemText(0, " B ");
        w->form->Disable();
        QCOMPARE(w->form->statusText(), QString("Translating from  B "));
        w->form->Enable();
        QVERIFY(w->allEnabled());
        QCOMPARE(w->form->statusText(), QString("Translated."));
        w->form->setStatusText("x");
        w->form->Enable();
        QCOMPARE(w->form->statusText(), QString("Translated."));
    }
};

QTEST_MAIN(TestTranslateCommand)
#include "test_translatecommand.moc"
