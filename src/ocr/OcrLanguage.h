#pragma once

#include <QString>

class ConfigDocument;

// Which of Tesseract's languages reads a text, and which Debian package
// holds its data.
namespace OcrLanguage {

// English: what is read when nothing says otherwise.
inline constexpr char fallback[] = "eng";

// Tesseract's name for a BCP 47 code ("es" -> "spa", "pt-BR" -> "por",
// "zh-Hant" -> "chi_tra"); empty for a code it has no data for.
QString fromBcp47(const QString& code);

// The language of a pair's source text: its Language element's `from` code,
// when it has one Tesseract knows; English otherwise.
QString forPair(const ConfigDocument& doc, const QString& engineName, const QString& pairName);

// The package that installs a language's data: "chi_sim" ->
// "tesseract-ocr-chi-sim".
QString packageOf(const QString& language);

}  // namespace OcrLanguage
