#pragma once

#include "language/ILanguageDetector.h"

// Detection with CLD2 (Compact Language Detector 2) over plain UTF-8 text.
// Only what CLD2 itself calls reliable is an answer.
class Cld2Detector final : public ILanguageDetector {
public:
    QString detect(const QString& text) override;

    // CLD2's code for a language as BCP 47: its few old or private codes
    // ("iw", "jw", "zh") in today's form; empty for its codes that name no
    // language ("un", "xx-...").
    static QString bcp47(const QString& cld2Code);
};
