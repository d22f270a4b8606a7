#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include "PrivateBus.h"
#include "desktop/ScreenAreaMath.h"
#include "desktop/ScreenAreaPicker.h"

// The area picker: which pixels of a screen's shot a drag selects (several
// screens, scale factors), and the Wayland way through the screenshot portal
// against a fake portal (tests/support/fake_portal.py) on a private bus.
class TestScreenArea : public QObject {
    Q_OBJECT

    PrivateBus m_bus;
    QString m_address;
    int m_connections = 0;
    QTemporaryDir m_folder;

private slots:
    void initTestCase() {
        QString why;
        QVERIFY2(m_bus.start(&why), qPrintable(why));
        m_address = m_bus.address();
    }

    // A drag in desktop coordinates on the overlay of the screen at
    // `screen`, whose shot has `shot` pixels.
    void pixels_data() {
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QSize>("shot");
        QTest::addColumn<QRect>("expected");
        const QRect left(0, 0, 1920, 1080), right(1920, 0, 1280, 800);
        QTest::addRow("one screen") << QPoint(100, 50) << QPoint(299, 149) << left
                                    << QSize(1920, 1080) << QRect(100, 50, 200, 100);
        QTest::addRow("dragged up and left") << QPoint(299, 149) << QPoint(100, 50) << left
                                             << QSize(1920, 1080) << QRect(100, 50, 200, 100);
        QTest::addRow("a click") << QPoint(100, 50) << QPoint(102, 53) << left << QSize(1920, 1080)
                                 << QRect();
        QTest::addRow("a thin drag is one") << QPoint(100, 50) << QPoint(400, 50) << left
                                            << QSize(1920, 1080) << QRect(100, 50, 301, 1);
        QTest::addRow("second screen at scale 2") << QPoint(2020, 10) << QPoint(2119, 59) << right
                                                  << QSize(2560, 1600) << QRect(200, 20, 200, 100);
        QTest::addRow("scale 1.25 rounds outwards") << QPoint(2021, 11) << QPoint(2022, 15) << right
                                                    << QSize(1600, 1000) << QRect(126, 13, 3, 7);
        QTest::addRow("screen left of the primary")
            << QPoint(-1200, 100) << QPoint(-1101, 199) << QRect(-1280, 0, 1280, 1024)
            << QSize(1280, 1024) << QRect(80, 100, 100, 100);
        QTest::addRow("drag past the screen's edge")
            << QPoint(1900, 1000) << QPoint(2100, 1200) << left << QSize(1920, 1080)
            << QRect(1900, 1000, 20, 80);
        QTest::addRow("another screen's area")
            << QPoint(2000, 100) << QPoint(2100, 200) << left << QSize(1920, 1080) << QRect();
    }
    void pixels() {
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        QFETCH(QRect, screen);
        QFETCH(QSize, shot);
        QFETCH(QRect, expected);
        QCOMPARE(ScreenAreaMath::shotPixels(ScreenAreaMath::dragged(from, to), screen, shot),
                 expected);
    }

    // What the portal answers, what the picker asked of it and what comes of
    // it: the area the desktop's picker gave, our own overlay over a shot
    // of the whole screen, or nothing (with a reason unless cancelled).
    void portal_data() {
        QTest::addColumn<QString>("parameters");  // for the fake; empty: no portal
        QTest::addColumn<QString>("asked");       // the interactive option of each request
        QTest::addColumn<QString>("outcome");     // "area", "overlay", "cancelled", "refused"
        QTest::addRow("the desktop's picker") << R"({"area": "AREA"})"
                                              << "true"
                                              << "area";
        QTest::addRow("the user cancels it") << R"({"area": "AREA", "area_code": 1})"
                                             << "true"
                                             << "cancelled";
        QTest::addRow("the whole screen from the picker") << R"({"area": "SCREEN"})"
                                                          << "true"
                                                          << "overlay";
        QTest::addRow("no picker: a shot of the screen")
            << R"({"area_code": 2, "screen": "SCREEN"})"
            << "true,false"
            << "overlay";
        QTest::addRow("no shot at all") << R"({"area_code": 2, "screen_code": 2})"
                                        << "true,false"
                                        << "refused";
        QTest::addRow("screenshots refused") << R"({"screenshot_error": true})"
                                             << "true,false"
                                             << "refused";
        QTest::addRow("no portal") << QString() << QString() << "refused";
    }
    void portal() {
        QFETCH(QString, parameters);
        QFETCH(QString, asked);
        QFETCH(QString, outcome);
        const QString area = m_folder.filePath(QStringLiteral("area.png"));
        const QString screen = m_folder.filePath(QStringLiteral("screen.png"));
        QImage(120, 40, QImage::Format_RGB32).save(area);
        const QScreen* primary = QGuiApplication::primaryScreen();
        QImage((QSizeF(primary->geometry().size()) * primary->devicePixelRatio()).toSize(),
               QImage::Format_RGB32)
            .save(screen);
        parameters.replace(QLatin1String("AREA"), area).replace(QLatin1String("SCREEN"), screen);

        QProcess fake;
        const auto stopFake = qScopeGuard([&] {
            fake.terminate();
            fake.waitForFinished();
        });
        const QString name = QStringLiteral("program%1").arg(++m_connections);
        const auto disconnect = qScopeGuard([&] { QDBusConnection::disconnectFromBus(name); });
        QDBusConnection bus = QDBusConnection::connectToBus(m_address, name);
        QVERIFY(bus.isConnected());
        QString why;
        if (!parameters.isEmpty())
            QVERIFY2(m_bus.startFake(fake, QStringLiteral("fake_portal.py"), parameters, bus,
                                     QStringLiteral("org.freedesktop.portal.Desktop"), 30000, &why),
                     qPrintable(why));

        ScreenAreaPicker picker(ScreenAreaPicker::Way::Portal, bus);
        QImage picked;
        std::optional<QString> refused;
        picker.pick([&](const QImage& image) { picked = image; },
                    [&](const QString& why) { refused = why; });
        QVERIFY(QTest::qWaitFor(
            [&] { return !picked.isNull() || refused || !picker.overlays().isEmpty(); }, 30000));
        if (outcome == QLatin1String("area")) {
            QCOMPARE(picked.size(), QSize(120, 40));
        } else if (outcome == QLatin1String("overlay")) {
            QCOMPARE(picker.overlays().size(), 1);
            picker.cancel();
            QVERIFY(picker.overlays().isEmpty());
            QCOMPARE(refused, QString());
        } else {
            QVERIFY(refused);
            QCOMPARE(refused->isEmpty(), outcome == QLatin1String("cancelled"));
        }
        if (!parameters.isEmpty()) {
            QDBusMessage question = QDBusMessage::createMethodCall(
                QStringLiteral("org.freedesktop.portal.Desktop"),
                QStringLiteral("/org/freedesktop/portal/desktop"),
                QStringLiteral("org.velmor.Test.Portal"), QStringLiteral("Screenshots"));
            QCOMPARE(bus.call(question).arguments().value(0).toString(), asked);
        }
    }
};

QTEST_MAIN(TestScreenArea)
#include "test_screenarea.moc"
