#pragma once

#include <QString>

// What the speak command needs of the window that shows a translation: the
// translation with the engine and language pair it was made with, and a
// line for the command's state. The main window implements it; so can any
// other window that shows a translation.
class ISpeakView {
public:
    virtual ~ISpeakView() = default;
    virtual QString speakText() const = 0;
    virtual QString speakEngine() const = 0;
    virtual QString speakPair() const = 0;
    // "Speaking..." while the sound is fetched, then how it ended.
    virtual void setSpeakStatus(const QString& text) = 0;
};
