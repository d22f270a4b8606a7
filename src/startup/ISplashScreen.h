#pragma once

#include <QString>

// What the start-up sequence does to its screen. frmSplash is the real one;
// tests record the calls.
class ISplashScreen {
public:
    virtual ~ISplashScreen() = default;
    virtual void setVersionText(const QString& text) = 0;  // lblVersion
    virtual QString status() const = 0;                    // lblSplash
    virtual void setStatus(const QString& text) = 0;
    virtual void setBarMinimum(int value) = 0;  // barLoading
    virtual void setBarMaximum(int value) = 0;
    virtual void setBarValue(int value) = 0;
    // Redraws the screen at once: the sequence never returns to the event
    // loop, so nothing else would.
    virtual void Repaint() = 0;
    virtual void Navigate(const QString& NavTo) = 0;
    // Closes the screen, which ends its modal show.
    virtual void Unload() = 0;
};
