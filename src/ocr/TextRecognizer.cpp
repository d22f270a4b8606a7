#include "ocr/TextRecognizer.h"

#include <QThread>
#include <QTimer>

#include "ocr/OcrLanguage.h"
#include "ocr/TextReaderLibrary.h"

TextRecognizer::TextRecognizer(QObject* parent) : QObject(parent) {}

TextRecognizer::~TextRecognizer() {
    cancel();
    for (QThread* thread : std::as_const(m_threads)) {
        thread->wait();
        delete thread;
    }
}

void TextRecognizer::cancel() {
    if (m_cancel) m_cancel->store(true);
    m_cancel.reset();
}

void TextRecognizer::start(const QImage& image, const QString& language) {
    cancel();
    auto flag = std::make_shared<std::atomic<bool>>(false);
    m_cancel = flag;
    QString why;
    ITextReader* const reader = TextReaderLibrary::reader(&why);
    if (!reader) {
        TextReading failed;
        failed.detail = why;
        // Reported later, as a reading would be.
        QTimer::singleShot(0, this, [this, flag, failed] {
            if (m_cancel != flag) return;
            m_cancel.reset();
            emit finished(failed);
        });
        return;
    }
    auto result = std::make_shared<TextReading>();
    QThread* const thread = QThread::create([reader, image, language, flag, result] {
        *result = reader->read(image, language, *flag);
    });
    m_threads << thread;
    connect(thread, &QThread::finished, this, [this, thread, flag, result] {
        m_threads.removeOne(thread);
        thread->deleteLater();
        if (m_cancel != flag || flag->load()) return;
        m_cancel.reset();
        emit finished(*result);
    });
    thread->start();
}

TextReading TextRecognizer::readNow(const QImage& image, const QString& language) {
    QString why;
    ITextReader* const reader = TextReaderLibrary::reader(&why);
    if (!reader) {
        TextReading failed;
        failed.detail = why;
        return failed;
    }
    const std::atomic<bool> never(false);
    return reader->read(image, language, never);
}

QString TextRecognizer::describe(const TextReading& reading) {
    switch (reading.status) {
        case TextReading::Status::Read:
            return {};
        case TextReading::Status::Cancelled:
            return tr("The reading was cancelled.");
        case TextReading::Status::MissingLanguage:
            return tr("Text in this language cannot be read: its data (%1) is missing. Install "
                      "the package %2.")
                .arg(reading.detail, OcrLanguage::packageOf(reading.detail));
        case TextReading::Status::Failed:
            break;
    }
    return tr("The text could not be read: %1").arg(reading.detail);
}
