#include "ocr/OcrLanguage.h"

#include <QHash>

#include "config/ConfigDocument.h"
#include "config/ConfigElement.h"
#include "config/Failure.h"

namespace {

// ISO 639-1 codes (and the few three-letter ones in use) to Tesseract's
// names, which are ISO 639-2/T with a suffix where a script needs one.
const QHash<QString, QString>& tesseractNames() {
    static const QHash<QString, QString> names = {
        {"af", "afr"}, {"am", "amh"}, {"ar", "ara"}, {"az", "aze"}, {"be", "bel"},  {"bg", "bul"},
        {"bn", "ben"}, {"bs", "bos"}, {"ca", "cat"}, {"cs", "ces"}, {"cy", "cym"},  {"da", "dan"},
        {"de", "deu"}, {"el", "ell"}, {"en", "eng"}, {"eo", "epo"}, {"es", "spa"},  {"et", "est"},
        {"eu", "eus"}, {"fa", "fas"}, {"fi", "fin"}, {"fr", "fra"}, {"ga", "gle"},  {"gl", "glg"},
        {"gu", "guj"}, {"he", "heb"}, {"hi", "hin"}, {"hr", "hrv"}, {"hu", "hun"},  {"hy", "hye"},
        {"id", "ind"}, {"is", "isl"}, {"it", "ita"}, {"ja", "jpn"}, {"ka", "kat"},  {"kk", "kaz"},
        {"km", "khm"}, {"kn", "kan"}, {"ko", "kor"}, {"la", "lat"}, {"lo", "lao"},  {"lt", "lit"},
        {"lv", "lav"}, {"mk", "mkd"}, {"ml", "mal"}, {"mr", "mar"}, {"ms", "msa"},  {"mt", "mlt"},
        {"my", "mya"}, {"nb", "nor"}, {"ne", "nep"}, {"nl", "nld"}, {"nn", "nor"},  {"no", "nor"},
        {"oc", "oci"}, {"pa", "pan"}, {"pl", "pol"}, {"pt", "por"}, {"ro", "ron"},  {"ru", "rus"},
        {"sk", "slk"}, {"sl", "slv"}, {"sq", "sqi"}, {"sr", "srp"}, {"sv", "swe"},  {"sw", "swa"},
        {"ta", "tam"}, {"te", "tel"}, {"th", "tha"}, {"tl", "tgl"}, {"tr", "tur"},  {"uk", "ukr"},
        {"ur", "urd"}, {"uz", "uzb"}, {"vi", "vie"}, {"yi", "yid"}, {"ast", "ast"}, {"fil", "fil"},
    };
    return names;
}

}  // namespace

namespace OcrLanguage {

QString fromBcp47(const QString& code) {
    const QStringList subtags = code.trimmed().toLower().replace(u'_', u'-').split(u'-');
    const QString& primary = subtags.first();
    if (primary == u"zh"_qs) {
        // Traditional characters where the script or the region says so.
        const bool traditional = subtags.contains(u"hant"_qs) || subtags.contains(u"tw"_qs) ||
                                 subtags.contains(u"hk"_qs) || subtags.contains(u"mo"_qs);
        return traditional ? QStringLiteral("chi_tra") : QStringLiteral("chi_sim");
    }
    if (primary == u"sr"_qs && subtags.contains(u"latn"_qs)) return QStringLiteral("srp_latn");
    return tesseractNames().value(primary);
}

QString forPair(const ConfigDocument& doc, const QString& engineName, const QString& pairName) {
    try {
        const ConfigElement pair =
            doc.selectSingleNode(ConfigDocument::languageQuery(engineName, pairName));
        QString language = fromBcp47(pair.joinedText("from"));
        if (!language.isEmpty()) return language;
    } catch (const Failure&) {
        // A name the query cannot hold: the pair says nothing.
    }
    return QString::fromLatin1(fallback);
}

QString packageOf(const QString& language) {
    return QStringLiteral("tesseract-ocr-") + language.toLower().replace(u'_', u'-');
}

}  // namespace OcrLanguage
