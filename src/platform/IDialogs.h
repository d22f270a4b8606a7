#pragma once

#include <QString>

// Modal message boxes. The program asks through this seam so that tests can
// script the answers and record what was asked.
class IDialogs {
public:
    enum class Icon { Information, Exclamation };
    enum class Buttons { Ok, OkCancel };
    enum class Result { Ok, Cancel };

    virtual ~IDialogs() = default;
    virtual Result messageBox(const QString& text, const QString& title, Icon icon,
                              Buttons buttons) = 0;
    // The same box with a details part the user can unfold: what exactly
    // went wrong, for a message whose text must stay short and fixed.
    // Dialogs that have no such part show the box without it.
    virtual Result detailedMessageBox(const QString& text, const QString& title, Icon icon,
                                      Buttons buttons, const QString& /*details*/) {
        return messageBox(text, title, icon, buttons);
    }
};
