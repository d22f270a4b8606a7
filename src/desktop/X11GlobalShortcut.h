#pragma once

#include <QAbstractNativeEventFilter>
#include <QList>
#include <QObject>
#include <optional>

#include "platform/IGlobalShortcut.h"

struct xcb_connection_t;

// The selection shortcut on X11: a passive key grab on the root window,
// made on Qt's own xcb connection, once plain and once with each of Caps
// Lock and Num Lock and both, so that neither lock stops the key. A native
// event filter sees the presses; they reach the handler from the event loop.
// Not available on any other window system.
class X11GlobalShortcut : public QObject,
                          public QAbstractNativeEventFilter,
                          public IGlobalShortcut {
    Q_OBJECT
public:
    // What the key is for, as the refusals name it.
    enum class Purpose { Selection, ScreenArea };
    explicit X11GlobalShortcut(QObject* parent = nullptr, Purpose purpose = Purpose::Selection);
    ~X11GlobalShortcut() override;

    bool isAvailable() const override { return m_connection != nullptr; }
    void setKey(const QString& key, PressedHandler onPressed, RefusedHandler onRefused) override;
    QString key() const override { return m_key; }

    // A key text as X11 knows it: the keysym and the modifier mask (Shift,
    // Control, Mod1 for Alt, Mod4 for Meta). Nothing for a text that is not
    // exactly one key with its modifiers, or a key without a keysym here.
    struct Combination {
        quint32 keysym = 0;
        quint16 modifiers = 0;
    };
    static std::optional<Combination> combination(const QString& key);

protected:
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    Purpose m_purpose = Purpose::Selection;
    void release();
    // The modifier masks the key is grabbed with beside its own: none, Caps
    // Lock, Num Lock, both.
    QList<quint16> lockVariants() const;

    xcb_connection_t* m_connection = nullptr;
    QList<quint32> m_roots;
    QList<quint8> m_keycodes;
    quint16 m_modifiers = 0;
    quint16 m_numLock = 0;
    QString m_key;
    PressedHandler m_onPressed;
    // A key held down repeats; one press is one translation.
    bool m_down = false;
    quint32 m_lastPress = 0;
};
