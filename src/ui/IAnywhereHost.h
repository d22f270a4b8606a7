#pragma once

#include <QString>

class QWidget;

// What translations outside the main window (the popup, D-Bus) need of it:
// the engine and pair chosen there, its status line, a parent for the
// shortcut dialog, and where "open in the window" goes. The main window
// implements it.
class IAnywhereHost {
public:
    virtual ~IAnywhereHost() = default;
    // Empty when none is chosen.
    virtual QString chosenEngine() const = 0;
    virtual QString chosenPair() const = 0;
    virtual QString statusText() const = 0;
    virtual void setStatusText(const QString& text) = 0;
    virtual void openTexts(const QString& source, const QString& result) = 0;
    virtual QWidget* dialogParent() = 0;
};
