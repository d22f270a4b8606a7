#pragma once

#include <QString>
#include <functional>

// A key that reaches the program whichever window has the keyboard: the
// selection shortcut. Each desktop has its own way to hold one (a key grab
// on the X11 root window; on Wayland the desktop portal), each a facility
// behind this seam.
class IGlobalShortcut {
public:
    using PressedHandler = std::function<void()>;
    using RefusedHandler = std::function<void(const QString& why)>;

    virtual ~IGlobalShortcut() = default;

    // False where this desktop offers no way to hold a key, as far as known:
    // a key grab knows at once, the desktop portal from its first answer.
    virtual bool isAvailable() const = 0;
    // Holds key, in Qt's portable key text ("Ctrl+Alt+E"), in place of the
    // key held before; an empty key only lets go. onPressed runs on the
    // user-interface thread at every press. A key that cannot be held
    // (another program holds it, or it is no key on this desktop) is let go
    // and onRefused gets a sentence for the status line: at once, or later
    // where the desktop answers later.
    virtual void setKey(const QString& key, PressedHandler onPressed, RefusedHandler onRefused) = 0;
    // The key held now, in portable text; empty when none.
    virtual QString key() const = 0;
};
