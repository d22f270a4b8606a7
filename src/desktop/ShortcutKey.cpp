#include "desktop/ShortcutKey.h"

#include <QKeySequence>
#include <utility>

namespace {

// Keysyms of the keys whose Qt code is not their Latin-1 character.
constexpr quint32 keysymF1 = 0xffbe;
constexpr std::pair<Qt::Key, quint32> specialKeys[] = {
    {Qt::Key_Escape, 0xff1b},     {Qt::Key_Tab, 0xff09},      {Qt::Key_Backspace, 0xff08},
    {Qt::Key_Return, 0xff0d},     {Qt::Key_Enter, 0xff8d},    {Qt::Key_Insert, 0xff63},
    {Qt::Key_Delete, 0xffff},     {Qt::Key_Pause, 0xff13},    {Qt::Key_Print, 0xff61},
    {Qt::Key_Home, 0xff50},       {Qt::Key_End, 0xff57},      {Qt::Key_Left, 0xff51},
    {Qt::Key_Up, 0xff52},         {Qt::Key_Right, 0xff53},    {Qt::Key_Down, 0xff54},
    {Qt::Key_PageUp, 0xff55},     {Qt::Key_PageDown, 0xff56}, {Qt::Key_Menu, 0xff67},
    {Qt::Key_ScrollLock, 0xff14},
};

}  // namespace

std::optional<ShortcutKey::Parsed> ShortcutKey::parse(const QString& key) {
    const QKeySequence sequence = QKeySequence::fromString(key, QKeySequence::PortableText);
    if (sequence.count() != 1) return std::nullopt;
    const QKeyCombination pressed = sequence[0];
    const Qt::Key k = pressed.key();
    Parsed parsed;
    if (k >= Qt::Key_F1 && k <= Qt::Key_F35)
        parsed.keysym = keysymF1 + quint32(k - Qt::Key_F1);
    else if ((k >= 0x20 && k <= 0x7e) || (k >= 0xa0 && k <= 0xff))
        // Latin-1 keysyms are the characters; Qt names letters in capitals.
        parsed.keysym = (k >= Qt::Key_A && k <= Qt::Key_Z) ? quint32(k) + 0x20 : quint32(k);
    else
        for (const auto& [qtKey, keysym] : specialKeys)
            if (k == qtKey) parsed.keysym = keysym;
    if (parsed.keysym == 0) return std::nullopt;
    parsed.modifiers = pressed.keyboardModifiers();
    return parsed;
}
