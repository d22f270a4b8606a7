#pragma once

#include <QString>

// Tells which language a text is written in. The one detector behind it
// lives in libparlamo_cld2, a library of its own that the program loads at
// the first detection (LanguageDetector), so that its tables take no memory
// in a program that never asks.
class ILanguageDetector {
public:
    virtual ~ILanguageDetector() = default;
    // The BCP 47 code of the text's language ("de", "zh-Hant"), or empty
    // when the detector is not sure: a text too short or too mixed to tell
    // gets no guess.
    virtual QString detect(const QString& text) = 0;
};
