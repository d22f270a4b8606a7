#pragma once

#include <QString>

// A text for a place that shows one line: every line break (CR LF, LF or
// CR) becomes one space. The whole text belongs in a tooltip beside it.
inline QString oneLine(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return text;
}
