#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

#include <QProcess>
#include <QScopeGuard>
#include <QTest>
#include <cstdlib>

#include "desktop/X11GlobalShortcut.h"

namespace {

// xdotool as the user's keyboard.
bool type(const QString& keys) {
    return QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("key"), keys}) == 0;
}

}  // namespace

// The selection shortcut's key grab on a real X server (x11_test.sh starts
// Xvfb): which key texts it can hold, that presses reach the handler with
// Caps Lock or Num Lock on, and that a key another program holds is
// refused rather than taken.
class TestX11Shortcut : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        X11GlobalShortcut probe;
        QVERIFY2(probe.isAvailable(), "needs QT_QPA_PLATFORM=xcb and an X display");
    }

    void combination_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<uint>("keysym");  // 0: not a key to grab
        QTest::addColumn<uint>("modifiers");
        const uint ctrl = XCB_MOD_MASK_CONTROL, alt = XCB_MOD_MASK_1, shift = XCB_MOD_MASK_SHIFT,
                   meta = XCB_MOD_MASK_4;
        QTest::addRow("the default") << "Ctrl+Alt+E" << 0x65u << (ctrl | alt);
        QTest::addRow("function key") << "Meta+Shift+F12" << 0xffc9u << (shift | meta);
        QTest::addRow("special key") << "Ctrl+PgDown" << 0xff56u << ctrl;
        QTest::addRow("two keys in a row") << "Ctrl+E, X" << 0u << 0u;
        QTest::addRow("modifiers alone") << "Ctrl+Alt" << 0u << 0u;
    }
    void combination() {
        QFETCH(QString, key);
        QFETCH(uint, keysym);
        QFETCH(uint, modifiers);
        const auto c = X11GlobalShortcut::combination(key);
        QCOMPARE(c.has_value(), keysym != 0);
        if (!c) return;
        QCOMPARE(uint(c->keysym), keysym);
        QCOMPARE(uint(c->modifiers), modifiers);
    }

    void presses_data() {
        QTest::addColumn<QString>("lock");  // a lock key to turn on first, or ""
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("presses");
        QTest::addRow("the key") << ""
                                 << "ctrl+alt+e" << 1;
        QTest::addRow("with Caps Lock on") << "Caps_Lock"
                                           << "ctrl+alt+e" << 1;
        QTest::addRow("with Num Lock on") << "Num_Lock"
                                          << "ctrl+alt+e" << 1;
        QTest::addRow("another modifier too") << ""
                                              << "ctrl+alt+shift+e" << 0;
        QTest::addRow("a modifier short") << ""
                                          << "ctrl+e" << 0;
    }
    void presses() {
        QFETCH(QString, lock);
        QFETCH(QString, keys);
        QFETCH(int, presses);
        X11GlobalShortcut shortcut;
        int pressed = 0;
        QString refused;
        shortcut.setKey(
            "Ctrl+Alt+E", [&] { ++pressed; }, [&](const QString& why) { refused = why; });
        QVERIFY2(refused.isEmpty(), qPrintable(refused));
        QCOMPARE(shortcut.key(), QString("Ctrl+Alt+E"));
        if (!lock.isEmpty()) QVERIFY(type(lock));
        // Turned off again however the row ends.
        const auto unlock = qScopeGuard([&] {
            if (!lock.isEmpty()) type(lock);
        });
        QVERIFY(type(keys));
        // And one that always counts, to know the first has been handled.
        QVERIFY(type("ctrl+alt+e"));
        QVERIFY(QTest::qWaitFor([&] { return pressed >= 1; }, 5000));
        QTest::qWait(100);
        QCOMPARE(pressed, presses + 1);

        // Let go: no more presses.
        shortcut.setKey(QString(), nullptr, nullptr);
        QVERIFY(type("ctrl+alt+e"));
        QTest::qWait(200);
        QCOMPARE(pressed, presses + 1);
    }

    // Another program grabs the key first: refused with a reason, nothing
    // held; once it lets go the key can be had.
    void takenKeyIsRefused() {
        xcb_connection_t* other = xcb_connect(nullptr, nullptr);
        QVERIFY(!xcb_connection_has_error(other));
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(other)).data->root;
        xcb_key_symbols_t* symbols = xcb_key_symbols_alloc(other);
        xcb_keycode_t* codes = xcb_key_symbols_get_keycode(symbols, 0x65);
        QVERIFY(codes && codes[0]);
        const xcb_keycode_t e = codes[0];
        std::free(codes);  // NOLINT(cppcoreguidelines-no-malloc)
        xcb_key_symbols_free(symbols);
        const quint16 mods = XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1;
        QVERIFY(!xcb_request_check(
            other, xcb_grab_key_checked(other, 0, root, mods, e, XCB_GRAB_MODE_ASYNC,
                                        XCB_GRAB_MODE_ASYNC)));

        X11GlobalShortcut shortcut;
        QStringList refused;
        shortcut.setKey(
            "Ctrl+Alt+E", [] {}, [&](const QString& why) { refused << why; });
        QCOMPARE(refused.size(), 1);
        QVERIFY2(refused.at(0).contains("taken by another program"), qPrintable(refused.at(0)));
        QVERIFY(shortcut.key().isEmpty());

        // Let go, and known to be done once a round trip has come back.
        xcb_ungrab_key(other, e, root, mods);
        std::free(xcb_get_input_focus_reply(other, xcb_get_input_focus(other), nullptr));  // NOLINT
        xcb_disconnect(other);
        int pressed = 0;
        shortcut.setKey(
            "Ctrl+Alt+E", [&] { ++pressed; }, [&](const QString& why) { refused << why; });
        QCOMPARE(refused.size(), 1);
        QVERIFY(type("ctrl+alt+e"));
        QVERIFY(QTest::qWaitFor([&] { return pressed == 1; }, 5000));
    }
};

QTEST_MAIN(TestX11Shortcut)
#include "test_x11shortcut.moc"
