#pragma once

#include <QString>

class QColor;

// What the Hear It command needs of the window that runs it: the word box,
// the busy state and the status line. The main window implements it.
class IHearItView {
public:
    virtual ~IHearItView() = default;

    // The word box: the typed word, and the messages the command leaves. A
    // message shows from its first character and whole in the tooltip.
    virtual QString hearItText() const = 0;
    virtual void setHearItText(const QString& text) = 0;
    // An invalid colour gives the box the theme's own text colour again.
    virtual void setHearItTextColour(const QColor& colour) = 0;

    // The busy state: Disable and Enable switch the seven input controls
    // and write the status line.
    virtual void Disable() = 0;
    virtual void Enable() = 0;
    virtual void setStatusText(const QString& text) = 0;
};
