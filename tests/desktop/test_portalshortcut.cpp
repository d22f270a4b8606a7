#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QProcess>
#include <QTest>
#include <optional>

#include "PrivateBus.h"
#include "desktop/PortalGlobalShortcut.h"

// The selection shortcut through the desktop portal, against a fake portal
// (tests/support/fake_portal.py, python-dbusmock) on a private bus: the
// session and the binding it asks for, presses, letting go, and every way
// the portal can say no, each said once.
class TestPortalShortcut : public QObject {
    Q_OBJECT

    PrivateBus m_bus;
    QString m_address;
    int m_connections = 0;

    // The fake's test interface, asked from a connection of its own.
    QDBusMessage ask(const QString& method, const QVariantList& arguments = {}) {
        QDBusMessage m =
            QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.portal.Desktop"),
                                           QStringLiteral("/org/freedesktop/portal/desktop"),
                                           QStringLiteral("org.velmor.Test.Portal"), method);
        m.setArguments(arguments);
        return QDBusConnection::connectToBus(m_address, QStringLiteral("caller")).call(m);
    }

private slots:
    void initTestCase() {
        QString why;
        QVERIFY2(m_bus.start(&why), qPrintable(why));
        m_address = m_bus.address();
    }
    void cleanupTestCase() { QDBusConnection::disconnectFromBus(QStringLiteral("caller")); }

    void trigger_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("trigger");
        QTest::addRow("the default") << "Ctrl+Alt+E"
                                     << "CTRL+ALT+e";
        QTest::addRow("function key, all modifiers") << "Ctrl+Alt+Shift+Meta+F5"
                                                     << "CTRL+ALT+SHIFT+LOGO+F5";
        QTest::addRow("a key named by its keysym") << "Alt+,"
                                                   << "ALT+comma";
        QTest::addRow("special key") << "Ctrl+Return"
                                     << "CTRL+Return";
        QTest::addRow("two keys in a row") << "Ctrl+E, X" << QString();
        QTest::addRow("modifiers alone") << "Ctrl+Alt" << QString();
    }
    void trigger() {
        QFETCH(QString, key);
        QFETCH(QString, trigger);
        QCOMPARE(PortalGlobalShortcut::trigger(key), trigger);
    }

    void portal_data() {
        QTest::addColumn<QString>("parameters");  // for the fake; empty: no portal
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("refusal");  // a part of the sentence; empty: bound
        QTest::addColumn<bool>("available");
        QTest::addRow("bound") << "{}"
                               << "Ctrl+Alt+E" << QString() << true;
        QTest::addRow("answers before its replies") << R"({"early": true})"
                                                    << "Ctrl+Alt+E" << QString() << true;
        QTest::addRow("the user cancels the session")
            << R"({"create": 1})"
            << "Ctrl+Alt+E"
            << "the desktop's question was cancelled" << true;
        QTest::addRow("binding fails") << R"({"bind": 2})"
                                       << "Ctrl+Alt+E"
                                       << "The desktop did not bind" << true;
        QTest::addRow("binding is an error") << R"({"bind_error": true})"
                                             << "Ctrl+Alt+E"
                                             << "no shortcuts here" << true;
        QTest::addRow("no portal") << QString() << "Ctrl+Alt+E"
                                   << "--translate-selection\" to a key" << false;
        // The screen area's key beside the selection's on one connection,
        // as the program binds them: each in a session of its own.
        QTest::addRow("screen area: bound") << "{}"
                                            << "Ctrl+Alt+O" << QString() << true;
        QTest::addRow("screen area: no portal") << QString() << "Ctrl+Alt+O"
                                                << "--translate-screen-area\" to a key" << false;
        QTest::addRow("not one key") << "{}"
                                     << "Ctrl+E, X"
                                     << "not a key the desktop can bind" << true;
    }
    void portal() {
        QFETCH(QString, parameters);
        QFETCH(QString, key);
        QFETCH(QString, refusal);
        QFETCH(bool, available);

        QProcess fake;
        const auto stopFake = qScopeGuard([&] {
            fake.terminate();
            fake.waitForFinished();
        });
        // The program's own connection, a new one for each row.
        const QString name = QStringLiteral("program%1").arg(++m_connections);
        const auto disconnect = qScopeGuard([&] { QDBusConnection::disconnectFromBus(name); });
        QDBusConnection bus = QDBusConnection::connectToBus(m_address, name);
        QVERIFY(bus.isConnected());
        QString why;
        if (!parameters.isEmpty())
            QVERIFY2(m_bus.startFake(fake, QStringLiteral("fake_portal.py"), parameters, bus,
                                     QStringLiteral("org.freedesktop.portal.Desktop"), 20000, &why),
                     qPrintable(why));

        const bool area = QByteArray(QTest::currentDataTag()).startsWith("screen area");
        PortalGlobalShortcut shortcut(bus, nullptr,
                                      area ? PortalGlobalShortcut::Purpose::ScreenArea
                                           : PortalGlobalShortcut::Purpose::Selection);
        int presses = 0;
        QStringList refusals;
        std::optional<PortalGlobalShortcut> selection;
        int selections = 0;
        if (area && refusal.isEmpty()) {
            selection.emplace(bus, nullptr, PortalGlobalShortcut::Purpose::Selection);
            selection->setKey(
                "Ctrl+Alt+E", [&] { ++selections; }, [&](const QString& why) { refusals << why; });
        }
        shortcut.setKey(
            key, [&] { ++presses; }, [&](const QString& why) { refusals << why; });

        if (!refusal.isEmpty()) {
            QVERIFY(QTest::qWaitFor([&] { return !refusals.isEmpty(); }, 10000));
            QTest::qWait(200);  // nothing more comes
            QCOMPARE(refusals.size(), 1);
            QVERIFY2(refusals[0].contains(refusal), qPrintable(refusals[0]));
            QVERIFY2(refusals[0].contains(key), qPrintable(refusals[0]));
            QCOMPARE(shortcut.isAvailable(), available);
            QCOMPARE(shortcut.key(), QString());
            if (!parameters.isEmpty()) ask(QStringLiteral("Activate"), {shortcut.id()});
            QTest::qWait(200);
            QCOMPARE(presses, 0);
            return;
        }

        QVERIFY(QTest::qWaitFor(
            [&] {
                return !refusals.isEmpty() ||
                       (shortcut.key() == key && (!selection || !selection->key().isEmpty()));
            },
            10000));
        QVERIFY2(refusals.isEmpty(), qPrintable(refusals.join(QLatin1Char('\n'))));
        QVERIFY(
            ask(QStringLiteral("Bound"))
                .arguments()
                .value(0)
                .toString()
                .contains(area ? "translate-screen-area|CTRL+ALT+o|Translate an area of the screen"
                               : "translate-selection|CTRL+ALT+e|Translate the selection"));
        ask(QStringLiteral("Activate"), {QStringLiteral("another-shortcut")});
        ask(QStringLiteral("Activate"), {shortcut.id()});
        QVERIFY(QTest::qWaitFor([&] { return presses > 0; }, 5000));
        if (selection) {
            ask(QStringLiteral("Activate"), {selection->id()});
            QVERIFY(QTest::qWaitFor([&] { return selections > 0; }, 5000));
        }
        QTest::qWait(200);
        QCOMPARE(presses, 1);
        QCOMPARE(selections, selection ? 1 : 0);

        // Letting go closes the session; a late press does nothing.
        shortcut.setKey(QString(), nullptr, nullptr);
        QVERIFY(QTest::qWaitFor(
            [&] { return ask(QStringLiteral("Closed")).arguments().value(0).toInt() == 1; }, 5000));
        ask(QStringLiteral("Activate"), {shortcut.id()});
        QTest::qWait(200);
        QCOMPARE(presses, 1);
        QVERIFY(refusals.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestPortalShortcut)
#include "test_portalshortcut.moc"
