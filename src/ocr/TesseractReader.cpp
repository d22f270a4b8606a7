#include "ocr/TesseractReader.h"

#include <tesseract/baseapi.h>
#include <tesseract/ocrclass.h>
#include <tesseract/resultiterator.h>

#include <dlfcn.h>

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QtGlobal>
#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Line heights (ascender to descender) below this are scaled up; the factor
// brings them to about scaledLineHeight, at least 2x and at most 3x.
constexpr double smallLineHeight = 20.0;
constexpr double scaledLineHeight = 32.0;
constexpr double minScale = 2.0;
constexpr double maxScale = 3.0;
constexpr int defaultDpi = 96;
// A whole screen of small text is not scaled beyond this many pixels.
constexpr double maxScaledPixels = 40e6;

bool cancelRequested(void* flag, int /*words*/) {
    return static_cast<const std::atomic<bool>*>(flag)->load();
}

// The resolution the image says it has, or a screen's usual one.
int dotsPerInch(const QImage& image) {
    const int dpi = qRound(image.dotsPerMeterY() * 0.0254);
    return dpi >= 50 && dpi <= 2400 ? dpi : defaultDpi;
}

// Grey levels, with the darker colour as the ink: the engine expects dark
// text on a light ground.
QImage prepared(const QImage& image) {
    QImage grey;
    if (image.hasAlphaChannel()) {
        // Transparent pixels are usually black ones with no cover: seen as
        // they would be on a light page, not as a black ground.
        QImage page(image.size(), QImage::Format_RGB32);
        page.fill(Qt::white);
        QPainter painter(&page);
        painter.drawImage(0, 0, image);
        painter.end();
        grey = page.convertToFormat(QImage::Format_Grayscale8);
    } else {
        grey = image.convertToFormat(QImage::Format_Grayscale8);
    }
    qint64 sum = 0;
    for (int y = 0; y < grey.height(); ++y) {
        const uchar* line = grey.constScanLine(y);
        for (int x = 0; x < grey.width(); ++x) sum += line[x];
    }
    const qint64 pixels = qint64(grey.width()) * grey.height();
    if (pixels > 0 && sum / pixels < 128) grey.invertPixels();
    return grey;
}

}  // namespace

TesseractReader::TesseractReader() : m_api(std::make_unique<tesseract::TessBaseAPI>()) {
    // Tesseract's OpenMP threads fight each other on a machine with few cores
    // and make a reading several times slower: one thread reads a screen's
    // worth of text fastest. The thread library is loaded with Qt already,
    // before an OMP_THREAD_LIMIT set now could count; no active parallel
    // level serialises every region. A limit the user set is kept. Looked up
    // rather than linked: a Tesseract built without OpenMP has no threads.
    using SetLevels = void (*)(int);
    if (qEnvironmentVariableIsSet("OMP_THREAD_LIMIT")) return;
    if (const auto set =
            reinterpret_cast<SetLevels>(dlsym(RTLD_DEFAULT, "omp_set_max_active_levels")))
        set(0);
}

TesseractReader::~TesseractReader() = default;

QString TesseractReader::dataFolder() {
    const QString prefix = qEnvironmentVariable("TESSDATA_PREFIX");
    return prefix.isEmpty() ? QStringLiteral("/usr/share/tesseract-ocr/5/tessdata") : prefix;
}

TextReading TesseractReader::read(const QImage& image, const QString& language,
                                  const std::atomic<bool>& cancel) {
    const std::lock_guard lock(m_mutex);
    TextReading reading;
    if (image.isNull() || image.width() < 3 || image.height() < 3) {
        reading.status = TextReading::Status::Failed;
        reading.detail = QStringLiteral("the image is empty");
        return reading;
    }
    if (cancel) {
        reading.status = TextReading::Status::Cancelled;
        return reading;
    }
    if (m_language != language) {
        const QDir folder(dataFolder());
        for (const QString& name : language.split(QLatin1Char('+'))) {
            if (!QFileInfo(folder.filePath(name + QStringLiteral(".traineddata"))).isFile()) {
                reading.status = TextReading::Status::MissingLanguage;
                reading.detail = name;
                return reading;
            }
        }
        m_language.clear();
        if (m_api->Init(QFile::encodeName(folder.path()).constData(), language.toUtf8().constData(),
                        tesseract::OEM_LSTM_ONLY) != 0) {
            reading.status = TextReading::Status::Failed;
            reading.detail = QStringLiteral("Tesseract cannot load its data for \"%1\" from %2")
                                 .arg(language, folder.path());
            return reading;
        }
        m_language = language;
    }

    const int dpi = dotsPerInch(image);
    QImage grey = prepared(image);
    m_api->SetImage(grey.constBits(), grey.width(), grey.height(), 1, int(grey.bytesPerLine()));
    m_api->SetSourceResolution(dpi);
    const double lineHeight = medianLineHeight();
    if (lineHeight > 0 && lineHeight < smallLineHeight) {
        const double pixels = double(grey.width()) * grey.height();
        const double scale = std::min(std::clamp(scaledLineHeight / lineHeight, minScale, maxScale),
                                      std::max(1.0, std::sqrt(maxScaledPixels / pixels)));
        grey = grey.scaled(qRound(grey.width() * scale), qRound(grey.height() * scale),
                           Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        m_api->SetImage(grey.constBits(), grey.width(), grey.height(), 1, int(grey.bytesPerLine()));
        m_api->SetSourceResolution(qRound(dpi * scale));
    }

    tesseract::ETEXT_DESC monitor;
    monitor.cancel = cancelRequested;
    monitor.cancel_this = const_cast<std::atomic<bool>*>(&cancel);
    const bool recognised = m_api->Recognize(&monitor) == 0;
    if (cancel) {
        reading.status = TextReading::Status::Cancelled;
    } else if (!recognised) {
        reading.status = TextReading::Status::Failed;
        reading.detail = QStringLiteral("Tesseract could not read the image");
    } else {
        reading.status = TextReading::Status::Read;
        reading.text = joinedText();
    }
    m_api->Clear();
    return reading;
}

// The median height of the text lines a layout pass finds; 0 without lines.
double TesseractReader::medianLineHeight() {
    std::unique_ptr<tesseract::PageIterator> it(m_api->AnalyseLayout());
    if (!it) return 0;
    std::vector<int> heights;
    do {
        int left = 0, top = 0, right = 0, bottom = 0;
        if (it->BoundingBox(tesseract::RIL_TEXTLINE, &left, &top, &right, &bottom))
            heights.push_back(bottom - top);
    } while (it->Next(tesseract::RIL_TEXTLINE));
    if (heights.empty()) return 0;
    const auto middle = heights.begin() + std::ptrdiff_t(heights.size() / 2);
    std::nth_element(heights.begin(), middle, heights.end());
    return *middle;
}

// One paragraph to a line: the line breaks inside a paragraph are only where
// the text met the edge of its box.
QString TesseractReader::joinedText() {
    std::unique_ptr<tesseract::ResultIterator> it(m_api->GetIterator());
    QStringList paragraphs;
    if (!it) return {};
    do {
        const bool newParagraph = it->IsAtBeginningOf(tesseract::RIL_PARA);
        const std::unique_ptr<char[]> utf8(it->GetUTF8Text(tesseract::RIL_TEXTLINE));
        const QString line = utf8 ? QString::fromUtf8(utf8.get()).trimmed() : QString();
        if (line.isEmpty()) continue;
        if (newParagraph || paragraphs.isEmpty()) {
            paragraphs << line;
        } else {
            QString& paragraph = paragraphs.last();
            // A word broken at the edge keeps its hyphen and loses the gap.
            if (!(paragraph.endsWith(QLatin1Char('-')) && paragraph.size() > 1 &&
                  paragraph.at(paragraph.size() - 2).isLetter()))
                paragraph += QLatin1Char(' ');
            paragraph += line;
        }
    } while (it->Next(tesseract::RIL_TEXTLINE));
    return paragraphs.join(QLatin1Char('\n'));
}

// The one entry the program looks up when it loads this library.
extern "C" Q_DECL_EXPORT ITextReader* parlamo_create_text_reader() {
    return new TesseractReader;
}
