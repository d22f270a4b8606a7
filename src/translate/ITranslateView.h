#pragma once

#include <QString>

class QTimer;

// What the Translate command needs of the window that runs it: the source
// text, the selected engine and pair, the result box, the busy state and
// the status line. The main window implements it.
class ITranslateView {
public:
    virtual ~ITranslateView() = default;

    // The source box's text; its line breaks are bare line feeds.
    virtual QString sourceText() const = 0;
    // The selected item of a list: its index (-1 for none) and its text.
    struct Selection {
        int index = -1;
        QString text;
    };
    virtual Selection selectedEngine() const = 0;
    virtual Selection selectedLanguage() const = 0;

    // Shows a translation in the result box.
    virtual void showResult(const QString& text) = 0;

    // The busy state: Disable and Enable switch the seven input controls
    // and write the status line.
    virtual void Disable() = 0;
    virtual void Enable() = 0;
    virtual void setStatusText(const QString& text) = 0;

    // The window's time-out timer, timTimeout.
    virtual QTimer& timeoutTimer() = 0;
};
