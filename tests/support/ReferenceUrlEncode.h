#pragma once

#include <QString>

#include "translate/Windows1252.h"

// The encoding rule as first written, whole-text replacements: percent signs
// first, then one pass per code of the Windows-1252 code page except letters
// and digits. The one-pass encoder must give the same text, only faster.
inline QString referenceEncode1252(QString text) {
    text.replace(QStringLiteral("%"), QStringLiteral("%25"));
    for (int n = 1; n <= 255; ++n) {
        if (n == 37 || (n >= 48 && n <= 57) || (n >= 65 && n <= 90) || (n >= 97 && n <= 122))
            continue;
        const QString code = QString::number(n, 16).toUpper().rightJustified(2, QLatin1Char('0'));
        text.replace(QChar(Windows1252::toUnicode(static_cast<unsigned char>(n))),
                     QLatin1Char('%') + code);
    }
    return text;
}
