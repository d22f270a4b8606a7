#pragma once

#include <QString>
#include <QStringList>

class ITextReader;

// libparlamo_ocr_tesseract, loaded at the first reading so that an idle
// program never maps Tesseract. Looked for where the sound library is:
// beside the executable (a build or an unpacked folder), then where the
// install puts it.
namespace TextReaderLibrary {

QStringList candidatesBeside(const QString& programFolder);

// The one reader of the process, loaded on the first call; nullptr, with
// the reason in *why, when no candidate loads. Call it from the main thread.
ITextReader* reader(QString* why = nullptr);

}  // namespace TextReaderLibrary
