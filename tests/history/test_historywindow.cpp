#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTreeView>
#include <memory>

#include "Fakes.h"
#include "TestEnv.h"
#include "config/cVeRegistry.h"
#include "history/HistoryModel.h"
#include "history/HistoryStore.h"
#include "ui/HistoryWindow.h"

class TestHistoryWindow : public QObject {
    Q_OBJECT
private slots:
    void searchPutBackClear();
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

    // A new translation shows at once, under the current filter too.
    window.txtSearch->setText(QStringLiteral("casa"));
    store.add({{}, "E1", "P1", "house", "casa"});
    QCOMPARE(window.model().rowCount(), 3);

    window.chkKeep->click();
    QVERIFY(!store.keeping());
    QCOMPARE(settings.GetSetting(cVeRegistry::programSection(), "keepHistory", "-"), "0");

    // Clear only after a yes; the question is the program's own.
    dialogs.answers = {IDialogs::Result::Cancel, IDialogs::Result::Ok};
    window.cmdClear->click();
    QCOMPARE(store.entries().size(), 4);
    window.cmdClear->click();
    QCOMPARE(dialogs.asked.size(), 2);
    QCOMPARE(dialogs.asked.at(1).buttons, IDialogs::Buttons::OkCancel);
    QCOMPARE(store.entries().size(), 0);
    QCOMPARE(window.model().rowCount(), 0);
    QVERIFY(!window.cmdClear->isEnabled());
    QVERIFY(window.lblState->isHidden());
}

QTEST_MAIN(TestHistoryWindow)
#include "test_historywindow.moc"
