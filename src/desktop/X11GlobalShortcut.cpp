#include "desktop/X11GlobalShortcut.h"

#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdlib>
#include <memory>

#include "desktop/ShortcutKey.h"
#include "desktop/ShownKey.h"

namespace {

constexpr quint32 keysymNumLock = 0xff7f;

// The modifiers that tell one shortcut from another; the locks and the
// rest never do.
constexpr quint16 significant =
    XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1 | XCB_MOD_MASK_4;

// Autorepeat sends presses about every 30 ms; a press this long after the
// last one while the key seems down is a new one (its release was lost).
constexpr quint32 repeatWindowMs = 500;

struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }  // NOLINT(cppcoreguidelines-no-malloc)
};
template <class T>
using XcbReply = std::unique_ptr<T, FreeDeleter>;

struct KeySymbols {
    explicit KeySymbols(xcb_connection_t* c) : syms(xcb_key_symbols_alloc(c)) {}
    ~KeySymbols() {
        if (syms) xcb_key_symbols_free(syms);
    }
    KeySymbols(const KeySymbols&) = delete;
    KeySymbols& operator=(const KeySymbols&) = delete;
    QList<quint8> keycodes(quint32 keysym) const {
        QList<quint8> out;
        if (!syms) return out;
        const XcbReply<xcb_keycode_t> codes(xcb_key_symbols_get_keycode(syms, keysym));
        for (const xcb_keycode_t* c = codes.get(); c && *c != XCB_NO_SYMBOL; ++c)
            if (!out.contains(*c)) out.append(*c);
        return out;
    }
    xcb_key_symbols_t* syms;
};

// The modifier Num Lock sets: Mod2 nearly everywhere, but the keyboard map
// decides.
quint16 numLockMask(xcb_connection_t* c, const KeySymbols& symbols) {
    const QList<quint8> numLock = symbols.keycodes(keysymNumLock);
    const XcbReply<xcb_get_modifier_mapping_reply_t> map(
        xcb_get_modifier_mapping_reply(c, xcb_get_modifier_mapping(c), nullptr));
    if (map && !numLock.isEmpty()) {
        const xcb_keycode_t* codes = xcb_get_modifier_mapping_keycodes(map.get());
        const int perModifier = map->keycodes_per_modifier;
        for (int modifier = 0; modifier < 8; ++modifier)
            for (int k = 0; k < perModifier; ++k)
                if (numLock.contains(codes[modifier * perModifier + k]))
                    return quint16(1U << modifier);
    }
    return XCB_MOD_MASK_2;
}

}  // namespace

X11GlobalShortcut::X11GlobalShortcut(QObject* parent, Purpose purpose)
    : QObject(parent), m_purpose(purpose) {
    const auto* x11 =
        qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection()) return;
    m_connection = x11->connection();
    for (xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(m_connection));
         it.rem > 0; xcb_screen_next(&it))
        m_roots.append(it.data->root);
    QCoreApplication::instance()->installNativeEventFilter(this);
}

X11GlobalShortcut::~X11GlobalShortcut() {
    if (!m_connection) return;
    release();
    if (QCoreApplication* app = QCoreApplication::instance()) app->removeNativeEventFilter(this);
}

std::optional<X11GlobalShortcut::Combination> X11GlobalShortcut::combination(const QString& key) {
    const std::optional<ShortcutKey::Parsed> parsed = ShortcutKey::parse(key);
    if (!parsed) return std::nullopt;
    Combination c;
    c.keysym = parsed->keysym;
    const Qt::KeyboardModifiers m = parsed->modifiers;
    if (m & Qt::ShiftModifier) c.modifiers |= XCB_MOD_MASK_SHIFT;
    if (m & Qt::ControlModifier) c.modifiers |= XCB_MOD_MASK_CONTROL;
    if (m & Qt::AltModifier) c.modifiers |= XCB_MOD_MASK_1;
    if (m & Qt::MetaModifier) c.modifiers |= XCB_MOD_MASK_4;
    return c;
}

QList<quint16> X11GlobalShortcut::lockVariants() const {
    const auto capsLock = quint16(XCB_MOD_MASK_LOCK);
    return {0, capsLock, m_numLock, quint16(capsLock | m_numLock)};
}

void X11GlobalShortcut::release() {
    if (!m_connection) return;
    for (const quint32 root : m_roots)
        for (const quint8 keycode : m_keycodes)
            for (const quint16 lock : lockVariants())
                xcb_ungrab_key(m_connection, keycode, root, m_modifiers | lock);
    xcb_flush(m_connection);
    m_keycodes.clear();
    m_key.clear();
    m_onPressed = nullptr;
    m_down = false;
}

void X11GlobalShortcut::setKey(const QString& key, PressedHandler onPressed,
                               RefusedHandler onRefused) {
    release();
    if (!m_connection || key.isEmpty()) return;
    const auto refuse = [&](const QString& why) {
        release();
        if (onRefused) onRefused(why);
    };
    const std::optional<Combination> c = combination(key);
    const KeySymbols symbols(m_connection);
    const QList<quint8> keycodes = c ? symbols.keycodes(c->keysym) : QList<quint8>();
    if (keycodes.isEmpty())
        return refuse((m_purpose == Purpose::ScreenArea
                           ? tr("The screen area shortcut %1 is not a key this keyboard has.")
                           : tr("The selection shortcut %1 is not a key this keyboard has."))
                          .arg(shownKey(key)));

    m_keycodes = keycodes;
    m_modifiers = c->modifiers;
    m_numLock = numLockMask(m_connection, symbols);
    // Every grab is checked: one that another program holds fails with
    // BadAccess, and the key is then nobody's to take.
    QList<xcb_void_cookie_t> cookies;
    for (const quint32 root : m_roots)
        for (const quint8 keycode : m_keycodes)
            for (const quint16 lock : lockVariants())
                cookies.append(xcb_grab_key_checked(m_connection, 0, root, m_modifiers | lock,
                                                    keycode, XCB_GRAB_MODE_ASYNC,
                                                    XCB_GRAB_MODE_ASYNC));
    bool taken = false;
    for (const xcb_void_cookie_t cookie : cookies)
        if (const XcbReply<xcb_generic_error_t> error(xcb_request_check(m_connection, cookie));
            error)
            taken = true;
    if (taken)
        return refuse((m_purpose == Purpose::ScreenArea
                           ? tr("The screen area shortcut %1 is taken by another program.")
                           : tr("The selection shortcut %1 is taken by another program."))
                          .arg(shownKey(key)));
    m_key = key;
    m_onPressed = std::move(onPressed);
}

bool X11GlobalShortcut::nativeEventFilter(const QByteArray& eventType, void* message,
                                          qintptr* /*result*/) {
    if (m_keycodes.isEmpty() || eventType != "xcb_generic_event_t") return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    const quint8 type = event->response_type & 0x7f;
    if (type != XCB_KEY_PRESS && type != XCB_KEY_RELEASE) return false;
    // Press and release events have the same layout.
    const auto* key = reinterpret_cast<const xcb_key_press_event_t*>(event);
    if (!m_roots.contains(key->event) || !m_keycodes.contains(key->detail)) return false;
    if (type == XCB_KEY_RELEASE) {
        m_down = false;
        return false;
    }
    if ((key->state & significant) != m_modifiers) return false;
    const bool repeat = m_down && key->time - m_lastPress < repeatWindowMs;
    m_down = true;
    m_lastPress = key->time;
    if (repeat) return false;
    // Not from inside Qt's event dispatch: the handler may open windows.
    // Qt still sees the event, for the time of the last user action that
    // a window opened now is activated with.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (m_onPressed) m_onPressed();
        },
        Qt::QueuedConnection);
    return false;
}
