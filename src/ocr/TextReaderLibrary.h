#pragma once

#include <QString>

class ITextReader;

// libparlamo_ocr_tesseract, loaded at the first reading so that an idle
// program never maps Tesseract. Looked for where the other plugins are
// (platform/PluginFiles).
namespace TextReaderLibrary {

// The one reader of the process, loaded on the first call; nullptr, with
// the reason in *why, when no candidate loads. Call it from the main thread.
ITextReader* reader(QString* why = nullptr);

}  // namespace TextReaderLibrary
