#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QTest>

#include "FakeTrayHost.h"
#include "Fakes.h"
#include "TestEnv.h"
#include "TestHttpServer.h"
#include "app/mMain.h"
#include "config/Globals.h"
#include "startup/StartupSequence.h"
#include "startup/frmSplash.h"
#include "ui/frmTranslate.h"

namespace {

QByteArray sample() {
    return TestEnv::readFile(TestEnv::sampleConfigPath());
}

// Remembers what the status label and the bar showed when they were last
// painted.
class PaintWatch : public QObject {
public:
    PaintWatch(QLabel* label, QProgressBar* bar) : m_label(label), m_bar(bar) {
        label->installEventFilter(this);
        bar->installEventFilter(this);
    }
    QString paintedStatus;
    int paintedBar = -100;

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint) {
            if (o == m_label) paintedStatus = m_label->text();
            if (o == m_bar) paintedBar = m_bar->value();
        }
        return false;
    }

private:
    QLabel* m_label;
    QProgressBar* m_bar;
};

// At every pause, notes whether the screen on display matches its state.
class CheckingPauser : public FakePauser {
public:
    frmSplash* splash = nullptr;
    PaintWatch* watch = nullptr;
    QStringList seen;
    bool tryToClose = false;
    QCoro::Task<> pause(int ms) override {
        pauses << ms;
        seen << QString("%1 %2/%3 painted %4/%5")
                    .arg(ms)
                    .arg(splash->lblSplash->text())
                    .arg(splash->barLoading->value())
                    .arg(watch->paintedStatus)
                    .arg(watch->paintedBar);
        if (tryToClose) {
            tryToClose = false;
            splash->reject();  // Escape
            splash->close();
            seen << QString("still visible %1").arg(splash->isVisible());
        }
        co_return;
    }
};

struct Host {
    QByteArray old = qgetenv("PARLAMO_CONFIG_HOST");
    explicit Host(const QString& hostPort) { qputenv("PARLAMO_CONFIG_HOST", hostPort.toUtf8()); }
    ~Host() { qputenv("PARLAMO_CONFIG_HOST", old); }
};

int countVisible(const char* className) {
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->inherits(className) && w->isVisible()) ++n;
    return n;
}

// A start-up screen over recording fakes, in a private home.
struct SplashRig {
    TestEnv env;
    Globals g;
    FakeDialogs dialogs;
    FakePauser pauser;
    Platform platform = [this] {
        Platform p;
        p.dialogs = &dialogs;
        p.pauser = &pauser;
        return p;
    }();
    frmSplash splash{g, platform};
};

}  // namespace

class TestSplash : public QObject {
    Q_OBJECT

private slots:
    void controlsAsLaidOut() {
        SplashRig rig;
        frmSplash& splash = rig.splash;
        QVERIFY(splash.windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(splash.windowTitle().isEmpty());
        QCOMPARE(splash.findChild<QLabel*>("pctSplash"), splash.pctSplash);
        QCOMPARE(splash.findChild<QLabel*>("lblVersion"), splash.lblVersion);
        QCOMPARE(splash.findChild<QLabel*>("lblSplash"), splash.lblSplash);
        QCOMPARE(splash.findChild<QProgressBar*>("barLoading"), splash.barLoading);

        // 15 twips a pixel at 96 dpi; other resolutions scale.
        const qreal dpi = splash.screen()->logicalDotsPerInch();
        auto px = [dpi](int twips) { return qRound(twips * dpi / 1440.0); };
        if (qFuzzyCompare(dpi, 96.0)) QCOMPARE(splash.size(), QSize(240, 240));
        QCOMPARE(splash.size(), QSize(px(3600), px(3600)));
        QCOMPARE(splash.minimumSize(), splash.maximumSize());
        QCOMPARE(splash.pctSplash->geometry(), QRect(0, 0, px(3600), px(3600)));
        QCOMPARE(splash.lblVersion->geometry(), QRect(px(1800), px(2340), px(1320), px(195)));
        QCOMPARE(splash.lblSplash->geometry(), QRect(px(180), px(2700), px(3255), px(240)));
        QCOMPARE(splash.barLoading->geometry(), QRect(px(180), px(2970), px(3255), px(240)));

        QVERIFY(!splash.pctSplash->pixmap().isNull());
        QCOMPARE(splash.pctSplash->pixmap().size(), QSize(240, 240));
        QCOMPARE(splash.lblVersion->palette().color(QPalette::WindowText), QColor(Qt::white));
        QCOMPARE(splash.lblSplash->palette().color(QPalette::WindowText), QColor(Qt::black));
        QCOMPARE(splash.lblSplash->font().family(), QString("Arial"));
        QCOMPARE(splash.lblSplash->font().pointSizeF(), 9.75);
        QVERIFY(splash.lblVersion->text().isEmpty());
        QVERIFY(splash.lblSplash->text().isEmpty());
    }

    // Every status the start-up shows fits its label whole; with Liberation
    // Sans installed (Arial's metrics) it does so at the designed size.
    void statusTextFitsItsLabel_data() {
        QTest::addColumn<QString>("text");
        QTest::addRow("preferences") << "Loading preferences";
        QTest::addRow("server configuration") << "Loading updated server configuration";
        QTest::addRow("tray") << "Initialized, minimizing to tray.";
        QTest::addRow("version") << "v3.1 build 108";
    }
    void statusTextFitsItsLabel() {
        QFETCH(QString, text);
        SplashRig rig;
        const bool version = text.startsWith('v');
        QLabel* label = version ? rig.splash.lblVersion : rig.splash.lblSplash;
        if (version)
            rig.splash.setVersionText(text);
        else
            rig.splash.setStatus(text);
        QCOMPARE(label->text(), text);
        QVERIFY(QFontMetricsF(label->font()).horizontalAdvance(text) <=
                label->contentsRect().width());
        if (!version && QFontDatabase::families().contains("Liberation Sans")) {
            QCOMPARE(QFontInfo(label->font()).family(), QString("Liberation Sans"));
            QCOMPARE(label->font().pointSizeF(), 9.75);
        }
    }

    void cannotBeClosedBeforeTheStartUpRan() {
        SplashRig rig;
        frmSplash& splash = rig.splash;
        splash.show();
        splash.reject();  // Escape before the sequence began
        splash.close();
        QVERIFY(splash.isVisible());
        QVERIFY(rig.dialogs.asked.isEmpty());
    }

    void showsEachStepAsItHappens_data() {
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("seen");
        QTest::addRow("good start") << 200
                                    << QStringList{
                                           "250 Loading preferences/1 painted Loading "
                                           "preferences/1",
                                           "still visible 1",
                                           "250 Loading updated server configuration/3 painted "
                                           "Loading updated server configuration/3",
                                           "250 Initialized/4 painted Initialized/4",
                                           "500 Initialized/4 painted Initialized/4"};
        QTest::addRow("failed load")
            << 500
            << QStringList{"250 Loading preferences/1 painted Loading preferences/1",
                           "still visible 1",
                           "500 Loading preferences/2 painted Loading preferences/2"};
    }
    void showsEachStepAsItHappens() {
        QFETCH(int, status);
        QFETCH(QStringList, seen);
        TestEnv env;
        TestHttpServer server;
        QVERIFY(server.start());
        server.setDefaultResponse(ScriptedResponse::withStatus(status, sample()));
        Host host(server.hostPort());
        Globals g;
        FakeDialogs dialogs;
        CheckingPauser pauser;
        Platform platform;
        platform.dialogs = &dialogs;
        platform.pauser = &pauser;
        frmSplash splash(g, platform);
        PaintWatch watch(splash.lblSplash, splash.barLoading);
        pauser.splash = &splash;
        pauser.watch = &watch;
        pauser.tryToClose = true;
        QCOMPARE(splash.exec(), int(QDialog::Accepted));
        QCOMPARE(pauser.seen, seen);
        QVERIFY(!splash.isVisible());
        QCOMPARE(splash.lblVersion->text(), QString("v3.1 build 108"));
        QCOMPARE(splash.barLoading->minimum(), 1);
        QCOMPARE(splash.barLoading->maximum(), 4);
    }

    void centredOnTheScreen() {
        SplashRig rig;
        frmSplash& splash = rig.splash;
        splash.show();
        const QPoint centre = splash.screen()->availableGeometry().center();
        QVERIFY2((splash.frameGeometry().center() - centre).manhattanLength() <= 2,
                 qPrintable(QString("%1,%2")
                                .arg(splash.frameGeometry().center().x())
                                .arg(splash.frameGeometry().center().y())));
        splash.hide();
    }

    void mainOutcomes_data() {
        QTest::addColumn<QByteArray>("doc");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<bool>("windowLoaded");
        QTest::addColumn<bool>("windowShown");
        QTest::addRow("tray off") << sample() << 200 << "" << true << true;
        QTest::addRow("tray off, /startup") << sample() << 200 << "/startup" << true << true;
        QTest::addRow("tray on") << sample().replace(R"(tray="0")", R"(tray="1")") << 200 << ""
                                 << true << false;
        QTest::addRow("tray on, /startup")
            << sample().replace(R"(tray="0")", R"(tray="1")") << 200 << "/startup" << true << false;
        QTest::addRow("tray on, /debug")
            << sample().replace(R"(tray="0")", R"(tray="1")") << 200 << "/debug" << true << true;
        QTest::addRow("end-of-service notice")
            << sample().replace(R"(endmessage="")", R"(endmessage="Closed")") << 200 << "" << false
            << false;
        QTest::addRow("no connection") << QByteArray() << 503 << "" << false << false;
    }
    void mainOutcomes() {
        QFETCH(QByteArray, doc);
        QFETCH(int, status);
        QFETCH(QString, commandLine);
        QFETCH(bool, windowLoaded);
        QFETCH(bool, windowShown);
        TestEnv env;
        TestHttpServer server;
        QVERIFY(server.start());
        server.setDefaultResponse(ScriptedResponse::withStatus(status, doc));
        Host host(server.hostPort());
        Globals g;
        g.commandLine = commandLine;
        FakeDialogs dialogs;
        FakePauser pauser;
        FakeUrlOpener opener;
        FakeTrayHost tray;
        Platform platform{&dialogs, &opener, &pauser, nullptr, &tray};

        std::unique_ptr<frmTranslate> window = mMain::Main(g, platform, 5000);
        QCOMPARE(window != nullptr, windowLoaded);
        QCOMPARE(countVisible("frmSplash"), 0);
        if (window) QCOMPARE(window->isVisible(), windowShown);
        QCOMPARE(countVisible("frmTranslate"), windowShown ? 1 : 0);
        QCOMPARE(tray.hasIcon(), windowLoaded && !windowShown);
        // The balloon is left out when the start entry started the program.
        QCOMPARE(int(tray.balloons.size()),
                 int(windowLoaded && !windowShown && commandLine.isEmpty()));
        QCOMPARE(pauser.pauses.size(), status == 200 ? (windowLoaded ? 4 : 3) : 2);
        QCOMPARE(server.requestCount(), 1);
    }

    void endNoticeOpensTheAddressOnOk_data() {
        QTest::addColumn<IDialogs::Result>("answer");
        QTest::addColumn<QStringList>("opened");
        QTest::addRow("OK") << IDialogs::Result::Ok << QStringList{"http://127.0.0.1:9/bye"};
        QTest::addRow("Cancel") << IDialogs::Result::Cancel << QStringList{};
    }
    void endNoticeOpensTheAddressOnOk() {
        QFETCH(IDialogs::Result, answer);
        QFETCH(QStringList, opened);
        TestEnv env;
        TestHttpServer server;
        QVERIFY(server.start());
        server.setDefaultResponse(ScriptedResponse::text(
            sample()
                .replace(R"(endmessage="")", R"(endmessage="Closed")")
                .replace(R"(endurl="")", "endurl=\"http://127.0.0.1:9/bye\""),
            "text/xml"));
        Host host(server.hostPort());
        Globals g;
        FakeDialogs dialogs;
        dialogs.answers = {answer};
        FakePauser pauser;
        FakeUrlOpener opener;
        Platform platform{&dialogs, &opener, &pauser, nullptr, nullptr};
        QVERIFY(!mMain::Main(g, platform, 5000));
        QCOMPARE(dialogs.asked.size(), 1);
        QCOMPARE(dialogs.asked[0].buttons, IDialogs::Buttons::OkCancel);
        QCOMPARE(opener.opened, opened);
    }
};

QTEST_MAIN(TestSplash)
#include "test_splash.moc"
