#pragma once

#include <QString>
#include <optional>

class ConfigDocument;

// How the main window starts: shown, or hidden behind a tray icon, with or
// without the balloon that says so.
struct StartMode {
    bool tray = false;
    bool balloon = false;

    // Tray mode when the Features tray attribute is "1" and the command line
    // has no "/debug". Without a notification area the icon could never be
    // clicked and the hidden window never reached, so the window is shown
    // as with "/debug". "/startup" (the start entry) goes to the tray
    // silently.
    static StartMode decide(const std::optional<QString>& trayAttribute, const QString& commandLine,
                            bool trayAvailable);
    // The same with the document's Features element; throws Failure
    // when there is none.
    static StartMode decide(const ConfigDocument& doc, const QString& commandLine,
                            bool trayAvailable);
};
