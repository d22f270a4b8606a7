#pragma once

#include <QImage>
#include <QString>
#include <atomic>

// What reading an image gives: the text, or why there is none.
struct TextReading {
    enum class Status {
        Read,             // text holds what was read (empty for an image without text)
        Cancelled,        // the reader was told to stop
        MissingLanguage,  // no data for the language: detail names it ("spa")
        Failed,           // the reader could not start or read: detail says why
    };
    Status status = Status::Failed;
    QString text;
    QString detail;
};

// The text reader of libparlamo_ocr_tesseract, which the program loads at the
// first image it reads (ocr/TextReaderLibrary), so that an idle program never
// loads Tesseract. Header only: the library links none of our own code.
class ITextReader {
public:
    virtual ~ITextReader() = default;

    // Reads the text of image in a Tesseract language ("eng", "spa", or
    // several joined by '+'). Lines of one paragraph come joined by a space,
    // paragraphs one to a line. Returns Cancelled soon after *cancel turns
    // true. One reading at a time: a second caller waits for the first.
    virtual TextReading read(const QImage& image, const QString& language,
                             const std::atomic<bool>& cancel) = 0;
};

// The library's one entry.
using CreateTextReader = ITextReader* (*)();
inline constexpr char createTextReaderEntry[] = "parlamo_create_text_reader";
