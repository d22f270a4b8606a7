#pragma once

#include <QString>

#include "platform/IBusyView.h"

class QColor;

// What the Hear It command needs of the window that runs it: the word box,
// and the busy state with the status line. The main window implements it.
class IHearItView : public virtual IBusyView {
public:
    // The word box: the typed word, and the messages the command leaves. A
    // message shows from its first character and whole in the tooltip.
    virtual QString hearItText() const = 0;
    virtual void setHearItText(const QString& text) = 0;
    // An invalid colour gives the box the theme's own text colour again.
    virtual void setHearItTextColour(const QColor& colour) = 0;
};
