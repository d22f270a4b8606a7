#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QtTest>

#include "FormFixture.h"
#include "config/Settings.h"

using namespace FormDocs;

namespace {

const char* const absent = nullptr;

int px(double twips, double twipsPerPixel) {
    return qRound(twips / twipsPerPixel);
}

}  // namespace

// Loading the main window: captions, tray or window, the lists, the size.
class TestFrmTranslate : public QObject {
    Q_OBJECT
private slots:
    void initialWindow();
    void trayOrWindow_data();
    void trayOrWindow();
    void balloonAndIcon();
    void enginesAndDefaults_data();
    void enginesAndDefaults();
    void engineSwitchKeepsCommonLanguage_data();
    void engineSwitchKeepsCommonLanguage();
    void oneEngineHidesTheList();
    void configErrorsEndTheProgramCleanly_data();
    void configErrorsEndTheProgramCleanly();
    void engineSwitchErrorIsReported();
    void startEntryChecksLoadOnStartup_data();
    void startEntryChecksLoadOnStartup();
    void loadOnStartupToggles();
    void storedSizeRestoredAndSaved();
    void unusableStoredSizeIgnored_data();
    void unusableStoredSizeIgnored();
    void centredWhenFirstShown();
    void userResizeSavesAndSpringsBack();
    void minimisedOrDisabledChangesNothing();
    void impossibleSizesKeepTheLastLayout();
};

void TestFrmTranslate::initialWindow() {
    FormFixture f(sample());
    frmTranslate& w = *f.form;
    QVERIFY(w.windowTitle().isEmpty());
    QCOMPARE(f.cmdTranslate->text(), QString());
    QVERIFY(!w.allowUnload());
    QVERIFY(!w.sizeRestored());
    const QList<QSize> sizes = w.windowIcon().availableSizes();
    QVERIFY(sizes.contains(QSize(16, 16)) && sizes.contains(QSize(32, 32)));

    // The client area, below the menu bar, is 5385 x 1785 twips.
    const int clientW = w.width();
    const int clientH = w.height() - w.menuBar()->sizeHint().height();
    QCOMPARE(clientW, px(5385, w.twipsPerPixelX()));
    QCOMPARE(clientH, px(1785, w.twipsPerPixelY()));
    QCOMPARE(f.txtHearIt->geometry(),
             QRect(px(2160, w.twipsPerPixelX()), px(1140, w.twipsPerPixelY()),
                   px(1785, w.twipsPerPixelX()), px(285, w.twipsPerPixelY())));

    // Tab order over the focusable controls.
    const QList<QWidget*> order{f.txtFrom, f.cboLanguages, f.cboEngines, f.cmdTranslate,
                                f.txtTo,   f.txtHearIt,    f.cmdHearIt};
    for (int i = 0; i + 1 < order.size(); ++i) {
        QWidget* next = order[i]->nextInFocusChain();
        while (next->focusPolicy() == Qt::NoFocus) next = next->nextInFocusChain();
        QCOMPARE(next->objectName(), order[i + 1]->objectName());
    }

    // The tray menu is never in the menu bar.
    QVERIFY(!w.menuBar()->actions().contains(f.mnuTray->menuAction()));
    QCOMPARE(w.menuBar()->actions().size(), 3);
}

void TestFrmTranslate::trayOrWindow_data() {
    QTest::addColumn<QString>("tray");  // "-" for no attribute
    QTest::addColumn<QString>("commandLine");
    QTest::addColumn<bool>("trayAvailable");
    QTest::addColumn<bool>("iconAdded");
    QTest::addColumn<bool>("balloon");
    // Shown windows also allow unloading; hidden ones do not.
    QTest::addRow("tray, no switches") << "1"
                                       << "" << true << true << true;
    QTest::addRow("tray, /startup") << "1"
                                    << "/startup" << true << true << false;
    QTest::addRow("tray, /startup among others") << "1"
                                                 << "-x /startup  " << true << true << false;
    QTest::addRow("tray, /Startup is no switch") << "1"
                                                 << "/Startup" << true << true << true;
    QTest::addRow("tray, /debug") << "1"
                                  << "/debug" << true << false << false;
    QTest::addRow("tray, /debug inside") << "1"
                                         << "a/debugb" << true << false << false;
    QTest::addRow("tray, /DEBUG is no switch") << "1"
                                               << "/DEBUG" << true << true << true;
    QTest::addRow("tray, /startup /debug") << "1"
                                           << "/startup /debug" << true << false << false;
    QTest::addRow("tray 0") << "0"
                            << "" << true << false << false;
    QTest::addRow("tray other text") << "1 "
                                     << "" << true << false << false;
    QTest::addRow("tray absent") << "-"
                                 << "" << true << false << false;
    QTest::addRow("tray, no notification area") << "1"
                                                << "" << false << false << false;
}

void TestFrmTranslate::trayOrWindow() {
    QFETCH(QString, tray);
    QFETCH(QString, commandLine);
    QFETCH(bool, trayAvailable);
    QFETCH(bool, iconAdded);
    QFETCH(bool, balloon);
    const QByteArray trayValue = tray.toUtf8();
    FormFixture f(sample(attr("//Features", "tray", tray == "-" ? absent : trayValue.constData())),
                  commandLine);
    f.tray.available = trayAvailable;
    f.form->Form_Load();
    QVERIFY(f.dialogs.asked.isEmpty());
    QCOMPARE(f.tray.adds, iconAdded ? 1 : 0);
    QCOMPARE(f.tray.balloons.size(), balloon ? 1 : 0);
    QCOMPARE(f.form->isVisible(), !iconAdded);
    QCOMPARE(f.form->allowUnload(), !iconAdded);
    // The lists are filled in both modes.
    QCOMPARE(f.cboEngines->count(), 2);
    QCOMPARE(f.cboLanguages->count(), 4);
}

void TestFrmTranslate::balloonAndIcon() {
    FormFixture f(sample(
        all({attr("//Features", "tray", "1"), attr("//Messages", "titlemsgbox", "Parlamo Tray")})));
    f.form->Form_Load();
    QCOMPARE(f.tray.lastTip, QStringLiteral("Parlamo Tray"));
    QVERIFY(!f.tray.lastIcon.isNull());
    QCOMPARE(f.tray.lastIcon.cacheKey(), f.form->windowIcon().cacheKey());
    QCOMPARE(f.tray.balloons.size(), 1);
    const FakeTrayHost::Balloon& b = f.tray.balloons.first();
    QCOMPARE(b.title, QStringLiteral("Parlamo Tray"));
    QCOMPARE(b.text, QStringLiteral("Loaded, and mimized to tray.\r\nDouble-click to open."));
    QCOMPARE(b.icon, ITrayHost::BalloonIcon::Information);
    QCOMPARE(b.milliseconds, 3000);
}

void TestFrmTranslate::enginesAndDefaults_data() {
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<int>("engine");
    QTest::addColumn<QStringList>("languages");
    QTest::addColumn<int>("language");
    QTest::addRow("sample: first engine, nothing selected")
        << sample() << 0
        << QStringList{"English to Spanish", "Spanish to English", "English to Catalan",
                       "Catalan to English"}
        << -1;
    QTest::addRow("default 1 of 3")
        << generated(3, 3, 1) << 1 << QStringList{"E1 P0", "E1 P1", "E1 P2"} << -1;
    QTest::addRow("commonlanguages 5: none selected")
        << generated(2, 4, 0, 5, 2) << 0 << QStringList{"E0 P0", "E0 P1", "E0 P2", "E0 P3"} << -1;
    QTest::addRow("commonlanguages -2: the default")
        << generated(2, 4, 0, -2, 2) << 0 << QStringList{"E0 P0", "E0 P1", "E0 P2", "E0 P3"} << 2;
    QTest::addRow("commonlanguages -1: none selected")
        << generated(2, 4, 1, -1, 3) << 1 << QStringList{"E1 P0", "E1 P1", "E1 P2", "E1 P3"} << -1;
}

void TestFrmTranslate::enginesAndDefaults() {
    QFETCH(QByteArray, xml);
    FormFixture f(xml);
    f.form->Form_Load();
    QVERIFY(f.dialogs.asked.isEmpty());
    QVERIFY(!f.form->loadFailed());
    QTEST(f.cboEngines->currentIndex(), "engine");
    QTEST(FormFixture::items(f.cboLanguages), "languages");
    QTEST(f.cboLanguages->currentIndex(), "language");
    QVERIFY(f.cboEngines->isVisibleTo(f.form.get()));
}

void TestFrmTranslate::engineSwitchKeepsCommonLanguage_data() {
    QTest::addColumn<int>("common");
    QTest::addColumn<int>("selected");
    QTest::addColumn<int>("afterSwitch");
    // The second engine's Languages default is 3.
    QTest::addRow("index 2, common 5: kept") << 5 << 2 << 2;
    QTest::addRow("index 2, common 1: default") << 1 << 2 << 3;
    QTest::addRow("nothing selected, common 1") << 1 << -1 << -1;
}

void TestFrmTranslate::engineSwitchKeepsCommonLanguage() {
    QFETCH(int, common);
    QFETCH(int, selected);
    FormFixture f(generated(2, 5, 0, common, 3));
    f.form->Form_Load();
    f.cboLanguages->setCurrentIndex(selected);
    f.cboEngines->setCurrentIndex(1);
    QCOMPARE(FormFixture::items(f.cboLanguages).first(), QStringLiteral("E1 P0"));
    QTEST(f.cboLanguages->currentIndex(), "afterSwitch");
}

void TestFrmTranslate::oneEngineHidesTheList() {
    FormFixture f(sample(removeNode("//Engine[2]")));
    f.form->Form_Load();
    QVERIFY(f.dialogs.asked.isEmpty());
    QVERIFY(f.form->isVisible());
    QVERIFY(!f.cboEngines->isVisibleTo(f.form.get()));
    QCOMPARE(f.cboEngines->count(), 1);
    QCOMPARE(f.cboEngines->currentIndex(), 0);
    QCOMPARE(f.cboLanguages->count(), 4);
    QCOMPARE(f.cboLanguages->itemText(0), QStringLiteral("English to Spanish"));
}

void TestFrmTranslate::configErrorsEndTheProgramCleanly_data() {
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<bool>("tray");
    QTest::addRow("no titlemsgbox") << sample(attr("//Messages", "titlemsgbox", absent)) << false;
    QTest::addRow("no Features") << sample(removeNode("//Features")) << false;
    QTest::addRow("no Engines") << sample(removeNode("//Engines")) << false;
    QTest::addRow("engine without name, tray")
        << sample(all({attr("//Features", "tray", "1"), attr("//Engine[2]", "name", absent)}))
        << true;
    QTest::addRow("default beyond the engines") << generated(3, 2, 3) << false;
    QTest::addRow("default -1") << generated(3, 2, -1) << false;
    QTest::addRow("default not a number") << sample(attr("//Engines", "default", "first")) << false;
    QTest::addRow("no commonlanguages, tray")
        << sample(
               all({attr("//Features", "tray", "1"), attr("//Engines", "commonlanguages", absent)}))
        << true;
    QTest::addRow("engine name with an apostrophe")
        << sample(attr("//Engine[1]", "name", "O'Brien")) << false;
    QTest::addRow("Languages default beyond the pairs") << generated(2, 3, 0, -2, 3) << false;
}

void TestFrmTranslate::configErrorsEndTheProgramCleanly() {
    QFETCH(QByteArray, xml);
    QFETCH(bool, tray);
    FormFixture f(xml);
    QSignalSpy unloaded(f.form.get(), &frmTranslate::unloaded);
    f.form->Form_Load();
    QVERIFY(f.form->loadFailed());
    QCOMPARE(f.dialogs.asked.size(), 1);
    QCOMPARE(f.dialogs.asked.first().icon, IDialogs::Icon::Exclamation);
    QVERIFY(f.dialogs.asked.first().text.contains(QStringLiteral("could not be used")));
    QCOMPARE(f.tray.adds, tray ? 1 : 0);
    QVERIFY(!f.tray.hasIcon());  // no icon left behind
    QVERIFY(!f.form->isVisible());
    QVERIFY(unloaded.wait(2000));
    QCOMPARE(unloaded.size(), 1);
    // Start-up code that shows the window afterwards shows nothing.
    f.form->show();
    QVERIFY(!f.form->isVisible());
}

void TestFrmTranslate::engineSwitchErrorIsReported() {
    FormFixture f(sample(removeNode("//Engine[2]/Languages")));
    f.form->Form_Load();
    QVERIFY(f.dialogs.asked.isEmpty());
    f.cboEngines->setCurrentIndex(1);
    QCOMPARE(f.dialogs.asked.size(), 1);
    QVERIFY(f.dialogs.asked.first().text.contains(QStringLiteral("Lumen Post")));
    QVERIFY(f.form->isVisible());
    QVERIFY(!f.form->isUnloaded());
    // Back to the good engine: its pairs again.
    f.cboEngines->setCurrentIndex(0);
    QCOMPARE(f.cboLanguages->count(), 4);
}

void TestFrmTranslate::startEntryChecksLoadOnStartup_data() {
    QTest::addColumn<QString>("entry");  // "-" for none
    QTest::addColumn<bool>("checked");
    QTest::addRow("none") << "-" << false;
    QTest::addRow("empty") << "" << false;
    QTest::addRow("this program") << "/opt/parlamo/RaDudezozad /startup" << true;
}

void TestFrmTranslate::startEntryChecksLoadOnStartup() {
    QFETCH(QString, entry);
    FormFixture f(sample());
    if (entry != "-")
        f.globals.gobjRegistry->SaveSetting(cVeRegistry::runSection(),
                                            Settings::name(Settings::Key::StartEntry), entry);
    f.form->Form_Load();
    QTEST(f.mnuLoad->isChecked(), "checked");
}

void TestFrmTranslate::loadOnStartupToggles() {
    FormFixture f(sample());
    cVeRegistry& store = *f.globals.gobjRegistry;
    const auto entry = [&] {
        return store.GetSetting(cVeRegistry::runSection(),
                                Settings::name(Settings::Key::StartEntry), QString());
    };
    store.SaveSetting(cVeRegistry::runSection(), Settings::name(Settings::Key::StartEntry),
                      QString());
    f.form->Form_Load();
    QVERIFY(!f.mnuLoad->isChecked());  // an empty entry counts as off
    f.mnuLoad->trigger();
    QVERIFY(f.mnuLoad->isChecked());
    QVERIFY(entry().endsWith(QStringLiteral("/test_frmtranslate /startup")));
    f.mnuLoad->trigger();
    QVERIFY(!f.mnuLoad->isChecked());
    QVERIFY(entry().isEmpty());
}

void TestFrmTranslate::storedSizeRestoredAndSaved() {
    FormFixture f(sample());
    f.store("height", "4000");
    f.store("width", "6000");
    f.form->Form_Load();
    QVERIFY(f.form->sizeRestored());
    QCOMPARE(f.form->Width(), 6000.0);
    QCOMPARE(f.form->Height(), 4000.0);
    // The window system may add its frame a little later.
    QTRY_COMPARE(f.form->frameGeometry().size(),
                 QSize(px(6000, f.form->twipsPerPixelX()), px(4000, f.form->twipsPerPixelY())));
    // Neither was overwritten before it had been read.
    QCOMPARE(f.stored("width"), QStringLiteral("6000"));
    QCOMPARE(f.stored("height"), QStringLiteral("4000"));

    // The controls at that size, rounded to pixels on their way to the screen.
    QCOMPARE(f.form->controlBoxes().cboLanguages.top, 1302.5);
    const double tx = f.form->twipsPerPixelX(), ty = f.form->twipsPerPixelY();
    QCOMPARE(f.txtFrom->geometry(), QRect(0, px(120, ty), px(5820, tx), px(1140, ty)));
    QCOMPARE(f.cmdTranslate->geometry().topLeft(), QPoint(px(4500, tx), px(1317.5, ty)));
    QCOMPARE(f.txtTo->geometry(), QRect(0, px(1617.5, ty), px(5820, tx), px(1140, ty)));
    QCOMPARE(f.txtHearIt->geometry().topLeft(), QPoint(px(2650, tx), px(2850, ty)));
    QCOMPARE(f.lblHint->geometry().topLeft(), QPoint(px(865, tx), px(2920, ty)));

    // The next start opens at the same size.
    FormFixture g(sample());
    g.store("height", f.stored("height"));
    g.store("width", f.stored("width"));
    g.form->Form_Load();
    QCOMPARE(g.form->Width(), 6000.0);
    QCOMPARE(g.form->Height(), 4000.0);
}

void TestFrmTranslate::unusableStoredSizeIgnored_data() {
    QTest::addColumn<QString>("height");
    QTest::addColumn<QString>("width");
    QTest::addColumn<double>("wantHeight");
    QTest::addColumn<double>("wantWidth");
    QTest::addRow("not numbers") << "tall"
                                 << "6000x" << 3600.0 << 5500.0;
    QTest::addRow("negative") << "-4000"
                              << "-1" << 3600.0 << 5500.0;
    QTest::addRow("below the minimum") << "100"
                                       << "200" << 3600.0 << 5500.0;
    QTest::addRow("fraction") << "4000.5"
                              << "6000.25" << 4000.5 << 6000.25;
}

void TestFrmTranslate::unusableStoredSizeIgnored() {
    QFETCH(QString, height);
    QFETCH(QString, width);
    FormFixture f(sample());
    if (height != "-") f.store("height", height);
    if (width != "-") f.store("width", width);
    f.form->Form_Load();
    QVERIFY(f.dialogs.asked.isEmpty());
    QVERIFY(!f.form->loadFailed());
    QTEST(f.form->Height(), "wantHeight");
    QTEST(f.form->Width(), "wantWidth");
    QCOMPARE(f.stored("height"), QString::number(f.form->Height(), 'g', 7));
    QCOMPARE(f.stored("width"), QString::number(f.form->Width(), 'g', 7));
}

void TestFrmTranslate::centredWhenFirstShown() {
    FormFixture f(sample());
    f.form->Form_Load();
    QVERIFY(QTest::qWaitForWindowExposed(f.form.get()));
    const QRect room = f.form->screen()->availableGeometry();
    QTRY_VERIFY2((f.form->frameGeometry().center() - room.center()).manhattanLength() <= 2,
                 qPrintable(QStringLiteral("window at %1,%2")
                                .arg(f.form->frameGeometry().center().x())
                                .arg(f.form->frameGeometry().center().y())));
    // Later showings leave it where the user put it.
    f.form->move(room.topLeft() + QPoint(10, 10));
    QTRY_COMPARE(f.form->frameGeometry().topLeft(), room.topLeft() + QPoint(10, 10));
    f.form->hide();
    f.form->show();
    QTRY_COMPARE(f.form->frameGeometry().topLeft(), room.topLeft() + QPoint(10, 10));
}

void TestFrmTranslate::userResizeSavesAndSpringsBack() {
    FormFixture f(sample());
    f.store("height", "4000");
    f.store("width", "6000");
    f.form->Form_Load();
    QVERIFY(QTest::qWaitForWindowExposed(f.form.get()));
    const double tx = f.form->twipsPerPixelX(), ty = f.form->twipsPerPixelY();
    const QSize frame = f.form->frameGeometry().size() - f.form->size();

    // Dragged larger: the outer size in twips is stored.
    f.form->resize(QSize(500, 320) - frame);
    QTRY_COMPARE(f.stored("width"), QString::number(500 * tx, 'g', 7));
    QCOMPARE(f.stored("height"), QString::number(320 * ty, 'g', 7));
    QCOMPARE(f.form->controlBoxes().txtFrom.width, 500 * tx - 180);

    // Dragged below the minimum: back to it, and that is stored.
    f.form->resize(QSize(100, 100) - frame);
    QTRY_COMPARE(f.form->frameGeometry().size(), QSize(px(5500, tx), px(3600, ty)));
    QCOMPARE(f.stored("width"), QStringLiteral("5500"));
    QCOMPARE(f.stored("height"), QStringLiteral("3600"));
    QCOMPARE(f.form->Width(), 5500.0);
}

void TestFrmTranslate::minimisedOrDisabledChangesNothing() {
    FormFixture f(sample());
    f.store("height", "4000");
    f.store("width", "6000");
    f.form->Form_Load();
    const LayoutMath::Controls before = f.form->controlBoxes();

    f.form->setWindowState(Qt::WindowMinimized);
    QVERIFY(f.form->isMinimized());
    f.form->setHeight(5000);
    QVERIFY(f.form->controlBoxes() == before);
    QCOMPARE(f.stored("height"), QStringLiteral("4000"));

    // Restored: a full pass, which saves.
    f.form->setWindowState(Qt::WindowNoState);
    QCOMPARE(f.stored("height"), QStringLiteral("5000"));
    QVERIFY(!(f.form->controlBoxes() == before));

    const LayoutMath::Controls restored = f.form->controlBoxes();
    f.form->setEnabled(false);
    f.form->setWidth(7000);
    QVERIFY(f.form->controlBoxes() == restored);
    QCOMPARE(f.stored("width"), QStringLiteral("6000"));
    f.form->setEnabled(true);
    f.form->Form_Resize();
    QCOMPARE(f.stored("width"), QStringLiteral("7000"));
}

void TestFrmTranslate::impossibleSizesKeepTheLastLayout() {
    // Without a minimum height nothing stops the text boxes going negative.
    FormFixture f(sample(attr("//Sizes", "minheight", absent)));
    f.store("height", "4000");
    f.store("width", "6000");
    f.form->Form_Load();
    const LayoutMath::Controls before = f.form->controlBoxes();
    const QRect txtFrom = f.txtFrom->geometry();
    f.form->setHeight(1500);
    QVERIFY(f.form->controlBoxes() == before);
    QCOMPARE(f.txtFrom->geometry(), txtFrom);
    QCOMPARE(f.stored("height"), QStringLiteral("4000"));
    QVERIFY(f.dialogs.asked.isEmpty());
    // A size that works again lays out and saves again.
    f.form->setHeight(4500);
    QCOMPARE(f.stored("height"), QStringLiteral("4500"));
}

QTEST_MAIN(TestFrmTranslate)
#include "test_frmtranslate.moc"
