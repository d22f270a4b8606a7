#include <QPlainTextEdit>
#include <QStatusBar>
#include <QtTest>

#include "FormFixture.h"
#include "service/Twips.h"
#include "ui/ElidedLabel.h"

using namespace FormDocs;

// What the window does on its own behalf: no text widens it, and a tray that
// goes away does not leave it hidden for good.
class TestWindowGuards : public QObject {
    Q_OBJECT
private slots:
    void statusTextKeepsTheWindowSize_data();
    void statusTextKeepsTheWindowSize();
    void sizesBeyondAnyScreenStayDefined_data();
    void sizesBeyondAnyScreenStayDefined();
    void lostTrayShowsTheWindow_data();
    void lostTrayShowsTheWindow();
};

void TestWindowGuards::statusTextKeepsTheWindowSize_data() {
    QTest::addColumn<QString>("text");
    QTest::addRow("long pair name") << "Translating from " + QString(400, QLatin1Char('x'));
    QTest::addRow("long error with line breaks")
        << "Translation failed: " + QStringLiteral("the server said no\r\n").repeated(30);
    QTest::addRow("markup stays text") << "<h1>" + QString(200, QLatin1Char('W')) + "</h1>";
    QTest::addRow("short") << QStringLiteral("Translated.");
}

void TestWindowGuards::statusTextKeepsTheWindowSize() {
    QFETCH(QString, text);
    FormFixture f(sample());
    f.store("width", "6000");
    f.store("height", "4000");
    frmTranslate& w = *f.form;
    w.Form_Load();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QSize outer = w.frameGeometry().size();
    const int statusHeight = f.barStatus->height();

    w.setStatusText(text);
    QCoreApplication::sendPostedEvents();  // the layout requests a new label size posts
    QCoreApplication::processEvents();

    QCOMPARE(w.frameGeometry().size(), outer);
    QCOMPARE(f.barStatus->height(), statusHeight);
    QCOMPARE(w.Width(), 6000.0);
    QCOMPARE(f.stored("width"), QStringLiteral("6000"));
    QCOMPARE(f.stored("height"), QStringLiteral("4000"));
    // The whole text is kept and offered in the tooltip; the screen shows
    // what fits, in one line.
    QCOMPARE(w.statusText(), text);
    QCOMPARE(f.barStatusPanel1->toolTip(), text);
    const QString shown = f.barStatusPanel1->shownText();
    QVERIFY(!shown.contains(QLatin1Char('\n')));
    QVERIFY(f.barStatusPanel1->fontMetrics().horizontalAdvance(shown) <=
            f.barStatusPanel1->contentsRect().width());
    if (text.size() < 20)
        QCOMPARE(shown, text);
    else
        QVERIFY2(shown.endsWith(QChar(0x2026)) && shown.size() > 3, qPrintable(shown));
}

// The start-up refuses such documents; the window's own arithmetic must stay
// defined all the same (the sanitizer build turns any overflow into a failure).
void TestWindowGuards::sizesBeyondAnyScreenStayDefined_data() {
    QTest::addColumn<QString>("attribute");
    QTest::addColumn<QString>("value");
    for (const char* name : {"minwidth", "minheight"}) QTest::addRow("%s", name) << name << "3e38";
    QTest::addRow("right") << "right"
                           << "-3e38";
}

void TestWindowGuards::sizesBeyondAnyScreenStayDefined() {
    QFETCH(QString, attribute);
    QFETCH(QString, value);
    const QByteArray name = attribute.toLatin1(), text = value.toLatin1();
    FormFixture f(sample(attr("//Sizes", name.constData(), text.constData())));
    f.form->Form_Load();
    QVERIFY(!f.form->loadFailed());
    QCoreApplication::processEvents();
    constexpr int limit = Twips::pixelLimit;
    for (const QWidget* w : f.form->centralWidget()->findChildren<QWidget*>()) {
        const QRect g = w->geometry();
        QVERIFY2(std::abs(g.x()) <= limit && std::abs(g.y()) <= limit && g.width() <= limit &&
                     g.height() <= limit,
                 qPrintable(w->objectName()));
    }
}

void TestWindowGuards::lostTrayShowsTheWindow_data() {
    QTest::addColumn<bool>("shownBefore");
    QTest::addRow("window hidden in the tray") << false;
    QTest::addRow("window already shown") << true;
}

void TestWindowGuards::lostTrayShowsTheWindow() {
    QFETCH(bool, shownBefore);
    FormFixture f(sample(attr("//Features", "tray", "1")));
    QSignalSpy unloaded(f.form.get(), &frmTranslate::unloaded);
    frmTranslate& w = *f.form;
    w.Form_Load();
    if (shownBefore) f.mnuTrayOpen->trigger();
    QCOMPARE(w.isVisible(), shownBefore);
    f.txtFrom->setPlainText(QStringLiteral("kept text"));

    f.tray.loseTray();
    QVERIFY(w.isVisible());
    QVERIFY(!w.isUnloaded());
    QCOMPARE(f.txtFrom->toPlainText(), QStringLiteral("kept text"));

    // With no tray to hide in, closing ends the program as without a tray.
    QVERIFY(w.close());
    QVERIFY(w.isUnloaded());
    QVERIFY(unloaded.wait(2000));
}

QTEST_MAIN(TestWindowGuards)
#include "test_windowguards.moc"
