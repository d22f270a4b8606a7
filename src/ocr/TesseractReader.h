#pragma once

#include <QImage>
#include <QString>
#include <memory>
#include <mutex>

#include "ocr/ITextReader.h"

namespace tesseract {
class TessBaseAPI;
}

// Reading with Tesseract's LSTM engine. Screen text is small and has 72 to 96
// dots per inch, which the engine reads badly: lines lower than about 20
// pixels are scaled up smoothly before they are read, and light text on a
// dark ground is inverted. The engine keeps the last language's data loaded
// between readings.
class TesseractReader final : public ITextReader {
public:
    TesseractReader();
    ~TesseractReader() override;

    TextReading read(const QImage& image, const QString& language,
                     const std::atomic<bool>& cancel) override;

    // Where the language data is looked for: TESSDATA_PREFIX, else the
    // folder Debian's packages fill.
    static QString dataFolder();

private:
    double medianLineHeight();
    QString joinedText();

    std::mutex m_mutex;
    std::unique_ptr<tesseract::TessBaseAPI> m_api;
    QString m_language;  // whose data m_api holds; empty: none
};
