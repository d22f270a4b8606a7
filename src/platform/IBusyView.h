#pragma once

#include <QString>

// The busy state of the window that runs a command: Disable and Enable
// switch its seven input controls and write the status line. The
// translation and the Hear It commands share it; the main window implements
// it once.
class IBusyView {
public:
    virtual ~IBusyView() = default;
    virtual void Disable() = 0;
    virtual void Enable() = 0;
    virtual void setStatusText(const QString& text) = 0;
};
