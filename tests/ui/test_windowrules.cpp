#include <QTest>

#include "ui/WindowGeometry.h"

// The main window's size bookkeeping as plain code: between twips, pixels
// and the frame. (The language list after an engine change is the service
// document's rule: tests/service.)
class TestWindowRules : public QObject {
    Q_OBJECT
private slots:
    void storedSize_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<double>("limit");
        QTest::addColumn<double>("used");  // the current size is 5000
        QTest::addRow("as stored") << "6000" << 20000.0 << 6000.0;
        QTest::addRow("fraction") << "6000.25" << 20000.0 << 6000.25;
        QTest::addRow("not a number") << "6000x" << 20000.0 << 5000.0;
        QTest::addRow("negative") << "-1" << 20000.0 << 5000.0;
        QTest::addRow("zero") << "0" << 20000.0 << 5000.0;
        QTest::addRow("beyond the screen") << "3e38" << 20000.0 << 20000.0;
        QTest::addRow("no screen to compare with") << "30000" << 0.0 << 30000.0;
    }
    void storedSize() {
        QFETCH(QString, stored);
        QFETCH(double, limit);
        QTEST(WindowGeometry::restored(stored, 5000, limit), "used");
        QCOMPARE(WindowGeometry::settingText(6000), QStringLiteral("6000"));
        QCOMPARE(WindowGeometry::settingText(4000.5), QStringLiteral("4000.5"));
    }

    void frameArrivesAfterTheSize() {
        WindowGeometry g;
        g.setTwips({6000, 4000});
        // 15 twips a pixel: 400 x 267 outside; no frame is known yet.
        QCOMPARE(g.clientSizeToRequest(15, 15), QSize(400, 267));
        // The window system frames it: ask again, less the frame.
        QCOMPARE(g.frameSeen(QSize(10, 40), QSize(400, 267)), std::optional(QSize(390, 227)));
        QCOMPARE(g.frameSeen(QSize(10, 40), QSize(390, 227)), std::nullopt);
        // The size asked for keeps its exact twips.
        g.resized(QSize(390, 227), 15, 15);
        QCOMPARE(g.twips().width, 6000.0);
        QCOMPARE(g.twips().height, 4000.0);
        QCOMPARE(g.centredIn(QRect(0, 0, 1000, 800)), QPoint(300, 266));
        // The user drags it: the twips follow the pixels, frame included.
        g.resized(QSize(490, 260), 15, 15);
        QCOMPARE(g.twips().width, 500 * 15.0);
        QCOMPARE(g.twips().height, 300 * 15.0);
        // A frame that changes after the user sized the window asks nothing.
        QCOMPARE(g.frameSeen(QSize(12, 44), QSize(480, 250)), std::nullopt);
    }
};

QTEST_GUILESS_MAIN(TestWindowRules)
#include "test_windowrules.moc"
