#include "language/Cld2Detector.h"

#include <QByteArray>
#include <cstdio>  // the CLD2 header uses FILE without including it

#include <cld2/public/compact_lang_det.h>

QString Cld2Detector::bcp47(const QString& cld2Code) {
    if (cld2Code.isEmpty() || cld2Code == QLatin1String("un") ||
        cld2Code.startsWith(QLatin1String("xx")))
        return QString();
    // CLD2 keeps the codes of older standards for these.
    static const struct {
        const char* cld2;
        const char* bcp47;
    } renamed[] = {{"iw", "he"}, {"jw", "jv"}, {"in", "id"}, {"zh", "zh-Hans"}, {"no", "nb"}};
    for (const auto& r : renamed)
        if (cld2Code == QLatin1String(r.cld2)) return QString::fromLatin1(r.bcp47);
    return cld2Code;
}

QString Cld2Detector::detect(const QString& text) {
    // QString::toUtf8 gives valid UTF-8 (a lone surrogate becomes U+FFFD),
    // which is what DetectLanguage asks for.
    const QByteArray utf8 = text.toUtf8();
    bool reliable = false;
    const CLD2::Language language =
        CLD2::DetectLanguage(utf8.constData(), int(utf8.size()), true, &reliable);
    if (!reliable || language == CLD2::UNKNOWN_LANGUAGE) return QString();
    return bcp47(QString::fromLatin1(CLD2::LanguageCode(language)));
}
