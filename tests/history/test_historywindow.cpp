#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <memory>

#include <QDir>
#include <QFileInfo>
#include <QUrlQuery>

#include "Fakes.h"
#include "FormFixture.h"
#include "TestEnv.h"
#include "TestHttpServer.h"
#include "config/cVeRegistry.h"
#include "desktop/QtDialogs.h"
#include "history/HistoryModel.h"
#include "history/HistoryStore.h"
#include "ui/HistoryWindow.h"

class TestHistoryWindow : public QObject {
    Q_OBJECT
private slots:
    void searchPutBackClear();
    void enterKeepsAndEscapeCloses();
    void throughTheMainWindow();
    void corruptDatabaseDoesNotStopTranslating();
    void storeOpensWithTheFirstTranslation_data();
    void storeOpensWithTheFirstTranslation();
};

void TestHistoryWindow::searchPutBackClear() {
    TestEnv env;
    cVeRegistry settings(env.configHome());
    HistoryStore store(HistoryStore::defaultPath(), &settings);
    QVERIFY(QTest::qWaitFor([&] { return store.isReady(); }));
    store.add({{}, "E1", "P1", "The house", "La casa"});
    store.add({{}, "E2", "P2", "Good night", "Buenas noches"});
    store.add({{}, "E1", "P3", "Old HOUSE", "Casa vieja"});

    FakeDialogs dialogs;
    HistoryWindow window(store, &dialogs);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy chosen(&window, &HistoryWindow::entryChosen);

    // Typing narrows the list at every key; Enter in the box takes the first.
    QTest::keyClicks(window.txtSearch, "hous");
    QCOMPARE(window.model().rowCount(), 2);
    QCOMPARE(window.model().entry(0).source, QStringLiteral("Old HOUSE"));
    QTest::keyClick(window.txtSearch, Qt::Key_Down);
    QTest::keyClick(window.txtSearch, Qt::Key_Return);
    QCOMPARE(chosen.size(), 1);
    QCOMPARE(chosen.at(0), QVariantList({"The house", "La casa", "E1", "P1"}));

    window.txtSearch->clear();
    QCOMPARE(window.model().rowCount(), 3);
    const QModelIndex night = window.model().index(1, HistoryModel::ResultColumn);
    const QRect cell = window.lstHistory->visualRect(night);
    QTest::mouseClick(window.lstHistory->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(window.lstHistory->viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(chosen.size(), 2);
    QCOMPARE(chosen.at(1).at(1), QVariant("Buenas noches"));

    // A new translation shows at once, under the current filter too, and
    // the chosen row stays chosen, so Enter still puts it back.
    window.txtSearch->setText(QStringLiteral("casa"));
    QTest::keyClick(window.txtSearch, Qt::Key_Down);
    store.add({{}, "E1", "P1", "house", "casa"});
    QCOMPARE(window.model().rowCount(), 3);
    QCOMPARE(window.lstHistory->currentIndex().row(), 2);
    QTest::keyClick(window.lstHistory, Qt::Key_Return);
    QCOMPARE(chosen.size(), 3);
    QCOMPARE(chosen.at(2).at(0), QVariant("The house"));

    // Export writes the listed entries as CSV, replacing a link at the
    // chosen name rather than writing through it; a name that cannot be
    // written is said.
    const QString outside = env.root() + "/outside.csv";
    QVERIFY(QFile(outside).open(QIODevice::WriteOnly));
    const QString csv = env.root() + "/export.csv";
    QVERIFY(QFile::link(outside, csv));
    dialogs.savePaths = {csv, env.root() + "/no-such-folder/export.csv"};
    window.cmdExport->click();
    QVERIFY(!QFileInfo(csv).isSymLink());
    QCOMPARE(QFileInfo(outside).size(), 0);
    const QList<QByteArray> lines = TestEnv::readFile(csv).split('\n');
    QCOMPARE(lines.size(), 5);  // header, three entries, nothing after the last CR LF
    QCOMPARE(lines.at(0), QByteArray("time,engine,pair,text,translation\r"));
    QVERIFY2(lines.at(1).endsWith(",E1,P1,house,casa\r"), lines.at(1).constData());
    QVERIFY(dialogs.asked.isEmpty());
    window.cmdExport->click();
    QCOMPARE(dialogs.asked.size(), 1);
    QVERIFY(dialogs.asked.at(0).text.contains("no-such-folder/export.csv"));
    window.cmdExport->click();  // cancelled: nothing more
    QCOMPARE(dialogs.savesAsked.size(), 3);
    QCOMPARE(dialogs.asked.size(), 1);
    dialogs.asked.clear();

    window.chkKeep->click();
    QVERIFY(!store.keeping());
    QCOMPARE(settings.GetSetting(cVeRegistry::programSection(), "keepHistory", "-"), "0");

    // Clear only after a yes; the question is the program's own.
    dialogs.answers = {IDialogs::Result::Cancel, IDialogs::Result::Ok};
    window.cmdClear->click();
    QCOMPARE(store.entries().size(), 4);
    window.cmdClear->click();
    QCOMPARE(dialogs.asked.size(), 2);
    QCOMPARE(dialogs.asked.at(1).buttons, IDialogs::Buttons::OkCancelDefaultCancel);
    QCOMPARE(store.entries().size(), 0);
    QCOMPARE(window.model().rowCount(), 0);
    QVERIFY(!window.cmdClear->isEnabled());
    QVERIFY(window.lblState->isHidden());
}

// Through the real message box: Enter on the question keeps the history;
// Escape closes the window.
void TestHistoryWindow::enterKeepsAndEscapeCloses() {
    TestEnv env;
    HistoryStore store(HistoryStore::defaultPath());
    QVERIFY(QTest::qWaitFor([&] { return store.isReady(); }));
    store.add({{}, "E1", "P1", "The house", "La casa"});
    QtDialogs dialogs;
    HistoryWindow window(store, &dialogs);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    bool asked = false;
    QTimer::singleShot(0, [&] {
        QWidget* box = QApplication::activeModalWidget();
        asked = qobject_cast<QMessageBox*>(box) != nullptr;
        if (box) QTest::keyClick(box, Qt::Key_Return);
    });
    window.cmdClear->click();
    QVERIFY(asked);
    QCOMPARE(store.entries().size(), 1);

    window.activateWindow();  // no window manager gives it back
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(window.txtSearch, Qt::Key_Escape);
    QVERIFY(!window.isVisible());
}

namespace {

// Two engines over the loopback server, which answers "[[TEXT \"ok\"]]";
// the first decodes JSON escapes.
QByteArray twoEngines(const QString& base) {
    QByteArray xml = R"(<Parlamo>
  <Messages titlemsgbox="T" cmdTranslate="Go" helpurl="h" supporturl="s"/>
  <Features maxtranslation="100" tray="0"/>
  <Engines default="0" commonlanguages="-2">
    <Engine name="Json" url="BASE/t" textstring="q" languagestring="l" method="GET"
            tokenbefore="[[" tokenafter="]]" decode="json">
      <Languages default="0"><Language name="A to B" value="ab"/><Language name="B to A" value="ba"/></Languages>
    </Engine>
    <Engine name="Plain" url="BASE/t" textstring="q" languagestring="l" method="GET"
            tokenbefore="[[" tokenafter="]]">
      <Languages default="0"><Language name="A to B" value="ab"/></Languages>
    </Engine>
  </Engines>
  <Sizes minwidth="5500" minheight="3600" header="120" footer="1200" right="180" center="200"/>
</Parlamo>)";
    return xml.replace("BASE", base.toUtf8());
}

// The program starting again over the same settings and data.
void restart(FormFixture& f) {
    f.form.reset();
    Platform platform;
    platform.dialogs = &f.dialogs;
    platform.urlOpener = &f.opener;
    platform.pauser = &f.pauser;
    platform.tray = &f.tray;
    f.form = std::make_unique<frmTranslate>(f.globals, platform);
    f.findControls(f.form.get());
    f.form->Form_Load();
}

bool translate(FormFixture& f, const QString& text) {
    f.txtFrom->setPlainText(text);
    f.cmdTranslate->click();
    return QTest::qWaitFor(
        [&] { return f.cmdTranslate->isEnabled() && f.txtTo->toPlainText().startsWith(text); });
}

HistoryWindow* openHistory(FormFixture& f) {
    control<QAction>(f.form.get(), "mnuHistory")->trigger();
    auto* window = f.form->findChild<HistoryWindow*>(QStringLiteral("frmHistory"));
    return window && window->isVisible() ? window : nullptr;
}

}  // namespace

void TestHistoryWindow::throughTheMainWindow() {
    TestHttpServer server;
    QVERIFY(server.start());
    server.setHandler([](const RecordedRequest& r) {
        const QByteArray q = QUrlQuery(QString::fromUtf8(r.query())).queryItemValue("q").toUtf8();
        return ScriptedResponse::text("[[" + q + R"( \"ok\"]])");
    });
    FormFixture f(twoEngines(server.baseUrl()));
    f.form->Form_Load();
    QVERIFY(translate(f, "one"));
    QCOMPARE(f.txtTo->toPlainText(), QStringLiteral("one \"ok\""));
    f.cboLanguages->setCurrentIndex(1);
    QVERIFY(translate(f, "two"));

    // The new entry closes the Options menu, after its own entries.
    QAction* mnuHistory = control<QAction>(f.form.get(), "mnuHistory");
    QCOMPARE(control<QMenu>(f.form.get(), "mnuOptions")->actions().last(), mnuHistory);
    QVERIFY(mnuHistory->shortcut().isEmpty());
    HistoryWindow* window = openHistory(f);
    QVERIFY(window);
    QCOMPARE(window->model().rowCount(), 2);
    QCOMPARE(window->model().entry(0).pair, QStringLiteral("B to A"));
    QTest::keyClicks(window->txtSearch, "ONE");
    QCOMPARE(window->model().rowCount(), 1);

    f.cboEngines->setCurrentIndex(1);
    f.txtFrom->setPlainText(QStringLiteral("other"));
    QTest::keyClick(window->txtSearch, Qt::Key_Return);
    QCOMPARE(f.txtFrom->toPlainText(), QStringLiteral("one"));
    QCOMPARE(f.txtTo->toPlainText(), QStringLiteral("one \"ok\""));
    QCOMPARE(f.cboEngines->currentText(), QStringLiteral("Json"));
    QCOMPARE(f.cboLanguages->currentText(), QStringLiteral("A to B"));

    restart(f);
    window = openHistory(f);
    QVERIFY(window);
    QTRY_COMPARE(window->model().rowCount(), 2);
    QCOMPARE(window->model().entry(1).source, QStringLiteral("one"));
}

void TestHistoryWindow::corruptDatabaseDoesNotStopTranslating() {
    TestHttpServer server;
    QVERIFY(server.start());
    server.setDefaultResponse(ScriptedResponse::text("[[uno]]"));
    FormFixture f(twoEngines(server.baseUrl()));
    f.form.reset();
    const QString path = HistoryStore::defaultPath();
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(QByteArray(4096, 'x')) == 4096);
    file.close();
    restart(f);
    HistoryWindow* window = openHistory(f);
    QVERIFY(window);
    QTRY_VERIFY(!window->lblState->isHidden());

    // Said once, after the translation; translating goes on.
    QVERIFY(translate(f, "uno"));
    QCOMPARE(f.form->statusText(), QStringLiteral("Translated. History is off for this run."));
    QVERIFY(translate(f, "uno"));
    QCOMPARE(f.form->statusText(), QStringLiteral("Translated."));
    QCOMPARE(window->model().rowCount(), 0);
}

void TestHistoryWindow::storeOpensWithTheFirstTranslation_data() {
    QTest::addColumn<QString>("blocker");
    QTest::addColumn<QString>("reason");
    QTest::addRow("damaged database") << "file"
                                      << "file is not a database";
    // Root may write anywhere: a plain file where a folder must be made
    // stands for a folder that cannot be written.
    QTest::addRow("folder cannot be written") << "folder"
                                              << "cannot create the folder";
}

void TestHistoryWindow::storeOpensWithTheFirstTranslation() {
    // Nothing opened the store before this translation: the failure is
    // found after it has been shown, and said at once, short, with the
    // reason in the tooltip.
    QFETCH(QString, blocker);
    QFETCH(QString, reason);
    TestHttpServer server;
    QVERIFY(server.start());
    server.setDefaultResponse(ScriptedResponse::text("[[uno]]"));
    FormFixture f(twoEngines(server.baseUrl()));
    f.form.reset();
    const QString path = HistoryStore::defaultPath();
    const QString folder = QFileInfo(path).absolutePath();
    QVERIFY(QDir().mkpath(blocker == "file" ? folder : QFileInfo(folder).absolutePath()));
    QFile file(blocker == "file" ? path : folder);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(QByteArray(4096, 'x')) == 4096);
    file.close();
    restart(f);
    QVERIFY(translate(f, "uno"));
    const QString notice = QStringLiteral("Translated. History is off for this run.");
    QTRY_COMPARE(f.form->statusText(), notice);
    const QString tip = f.barStatusPanel1->toolTip();
    QVERIFY2(
        tip.startsWith(QStringLiteral("History is off for this run: ")) && tip.contains(reason),
        qPrintable(tip));
    QVERIFY(translate(f, "uno"));
    QTest::qWait(100);
    QCOMPARE(f.form->statusText(), QStringLiteral("Translated."));
    QCOMPARE(f.barStatusPanel1->toolTip(), QStringLiteral("Translated."));
    // What was never stored is not listed as kept.
    HistoryWindow* window = openHistory(f);
    QVERIFY(window);
    QCOMPARE(window->model().rowCount(), 0);
}

QTEST_MAIN(TestHistoryWindow)
#include "test_historywindow.moc"
