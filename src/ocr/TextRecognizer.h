#pragma once

#include <QCoreApplication>
#include <QImage>
#include <QList>
#include <QObject>
#include <QString>
#include <atomic>
#include <memory>

#include "ocr/ITextReader.h"

class QThread;

// Reads the text of an image on a worker thread, so that the window and the
// popup stay responsive, and reports back through finished() in the thread
// it lives in. The reader is loaded at the first reading.
class TextRecognizer : public QObject {
    Q_OBJECT

public:
    explicit TextRecognizer(QObject* parent = nullptr);
    // Cancels a reading that still runs and waits for its thread.
    ~TextRecognizer() override;

    // Reads image in a Tesseract language (OcrLanguage). A reading still
    // running is cancelled first and reports nothing.
    void start(const QImage& image, const QString& language);
    // The running reading ends without a finished().
    void cancel();
    bool isBusy() const { return m_cancel != nullptr; }

    // The same reading in the calling thread, for the command line.
    static TextReading readNow(const QImage& image, const QString& language);

    // A failed reading as the user reads it; empty for text that was read.
    static QString describe(const TextReading& reading);

signals:
    void finished(const TextReading& reading);

private:
    std::shared_ptr<std::atomic<bool>> m_cancel;  // the running reading's
    QList<QThread*> m_threads;
};
