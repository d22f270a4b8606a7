#pragma once

#include <QString>

#include "platform/IBusyView.h"

// What the Translate command needs of the window that runs it: the source
// text, the selected engine and pair, the result box, and the busy state
// with the status line. The main window implements it.
class ITranslateView : public virtual IBusyView {
public:
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
};
