#include "language/Cld2Detector.h"

// The one entry the program looks up when it loads this library.
extern "C" Q_DECL_EXPORT ILanguageDetector* parlamo_create_language_detector() {
    return new Cld2Detector;
}
