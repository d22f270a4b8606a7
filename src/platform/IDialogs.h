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
};
