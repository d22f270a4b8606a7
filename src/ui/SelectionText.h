#pragma once

#include <QString>

// What the user has selected or copied anywhere on the desktop, as the
// clipboard hands it over (text that is not valid UTF-8 comes decoded the
// clipboard's way).
namespace SelectionText {

// The selection: X11's PRIMARY selection, or the clipboard when that is
// empty or the window system has none.
QString selection();
QString clipboard();

// Wayland hands the selection and the clipboard only to the window that
// has the keyboard; X11 to anyone.
bool readableOnlyWithFocus();

}  // namespace SelectionText
