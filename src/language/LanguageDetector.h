#pragma once

#include <QString>
#include <QStringList>

// The program's language detection: libparlamo_cld2 loaded at the first
// text worth looking at, looked for beside the executable (a build or an
// unpacked folder), then where the install puts it. Thread-safe.
//
// A text with fewer than minimumLetters letters is "not sure" without
// asking; of a long text only the first sampleLimit characters are looked
// at, so that a detection stays short enough for the event loop. Without
// the library every text is "not sure", and loadError() says why.
namespace LanguageDetector {

inline constexpr int minimumLetters = 12;
inline constexpr int sampleLimit = 4096;

// The BCP 47 code of the text's language, or empty for "not sure".
QString detect(const QString& text);

// True once the library is loaded, or when it can be loaded now.
bool isAvailable();
// Why the library could not be loaded; empty before the first try or
// after a load.
QString loadError();

// Loads from this file instead (tests, benchmarks); before the first use.
void useLibrary(const QString& file);

}  // namespace LanguageDetector
