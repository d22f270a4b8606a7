#pragma once

#include <QString>

// Modal message boxes. The program asks through this seam so that tests can
// script the answers and record what was asked.
class IDialogs {
public:
    enum class Icon { Information, Exclamation };
    // OK is the default button (Enter) unless the name says otherwise: a
    // question whose OK cannot be undone defaults to Cancel.
    enum class Buttons { Ok, OkCancel, OkCancelDefaultCancel };
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
    // Asks for the name of a file to write, starting at suggested (a path);
    // filter as Qt's file dialogs take it ("CSV files (*.csv)"). Empty when
    // the user cancels; dialogs that cannot ask give empty too.
    virtual QString saveFileName(const QString& /*title*/, const QString& /*suggested*/,
                                 const QString& /*filter*/) {
        return QString();
    }
};
