#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

// A shortcut's key text (Qt's portable text, "Ctrl+Alt+E") read once for
// both back ends: the key as an X keysym, which the key grab on X11 and the
// portal's trigger names (through xkbcommon) both start from, and its
// modifiers. Nothing for a text that is not exactly one key with its
// modifiers, or a key without a keysym here.
namespace ShortcutKey {

struct Parsed {
    quint32 keysym = 0;
    Qt::KeyboardModifiers modifiers;
};
std::optional<Parsed> parse(const QString& key);

}  // namespace ShortcutKey
