#pragma once

#include <QString>

class cVeRegistry;

// The start entry: the value "Velmor Parlamo" of the Run section, which the
// store keeps as the desktop's autostart entry. It is on when it reads as a
// non-empty text.
class StartEntry {
public:
    // The program's folder, "/", the executable's name and " /startup". The
    // folder is taken as reported, so a root folder "/" gives
    // "//RaDudezozad /startup".
    static QString command();

    static bool create(cVeRegistry& registry);
    static bool remove(cVeRegistry& registry);
    static bool isOn(cVeRegistry& registry);

    // What the Load on Startup menu entry does: off -> create, on -> delete.
    // Returns the new check mark, which follows the action taken, not
    // whether the store managed it.
    static bool toggle(cVeRegistry& registry);
};
