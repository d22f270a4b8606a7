#include "cli/ImageCommandLine.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QImageReader>
#include <QPixmap>
#include <QRect>
#include <QScreen>
#include <QTextStream>

#include "cli/HeadlessTranslation.h"
#include "ocr/OcrLanguage.h"
#include "ocr/TextRecognizer.h"

namespace {

const QString kReadImage = QStringLiteral("read-image");
const QString kTranslateImage = QStringLiteral("translate-image");
const QString kReadScreen = QStringLiteral("read-screen");
const QString kEngineOption = QStringLiteral("engine");
const QString kPairOption = QStringLiteral("pair");

// The area of the screens, grabbed from the screen its top left corner is on.
QImage grabbed(const QRect& area, QString* why) {
    QScreen* screen = QGuiApplication::screenAt(area.topLeft());
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) {
        *why = ImageCommandLine::tr("there is no screen to read");
        return {};
    }
    const QRect geometry = screen->geometry();
    QImage image = screen
                       ->grabWindow(0, area.x() - geometry.x(), area.y() - geometry.y(),
                                    area.width(), area.height())
                       .toImage();
    if (image.isNull()) {
        *why = ImageCommandLine::tr("the screen cannot be read here");
        return {};
    }
    const double dotsPerMeter = screen->logicalDotsPerInch() * screen->devicePixelRatio() / 0.0254;
    image.setDotsPerMeterX(qRound(dotsPerMeter));
    image.setDotsPerMeterY(qRound(dotsPerMeter));
    return image;
}

}  // namespace

void ImageCommandLine::addOptions(QCommandLineParser& parser) {
    parser.addOption({kReadImage,
                      tr("Print the text read from an image file (PNG, JPEG...) in the "
                         "language of --pair's source, else in English."),
                      tr("FILE")});
    parser.addOption({kTranslateImage,
                      tr("Print the translation of the text read from an image file."),
                      tr("FILE")});
    parser.addOption({kReadScreen,
                      tr("Print the text read from an area of the screen (needs a display)."),
                      tr("X,Y,W,H")});
}

bool ImageCommandLine::isRequested(const QCommandLineParser& parser) {
    return parser.isSet(kReadImage) || parser.isSet(kTranslateImage) || parser.isSet(kReadScreen);
}

bool ImageCommandLine::needsDisplay(const QCommandLineParser& parser) {
    return parser.isSet(kReadScreen);
}

std::optional<QRect> ImageCommandLine::parseArea(const QString& text) {
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 4) return std::nullopt;
    int numbers[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        numbers[i] = parts.at(i).trimmed().toInt(&ok);
        if (!ok) return std::nullopt;
    }
    if (numbers[2] <= 0 || numbers[3] <= 0) return std::nullopt;
    return QRect(numbers[0], numbers[1], numbers[2], numbers[3]);
}

QCoro::Task<int> ImageCommandLine::run(const QCommandLineParser& parser, QTextStream& out,
                                       QTextStream& err) {
    const auto fail = [&err](int code, const QString& line) {
        err << HeadlessTranslation::prefix() << line << Qt::endl;
        return code;
    };
    const int asked = int(parser.isSet(kReadImage)) + int(parser.isSet(kTranslateImage)) +
                      int(parser.isSet(kReadScreen));
    if (asked > 1 || parser.isSet(QStringLiteral("translate")) ||
        parser.isSet(QStringLiteral("list")))
        co_return fail(HeadlessTranslation::Usage,
                       tr("--read-image, --translate-image, --read-screen, --translate and --list "
                          "cannot be used together"));

    QImage image;
    QString why;
    if (parser.isSet(kReadScreen)) {
        const std::optional<QRect> area = parseArea(parser.value(kReadScreen));
        if (!area)
            co_return fail(HeadlessTranslation::Usage,
                           tr("--read-screen wants X,Y,W,H with a positive width and height"));
        image = grabbed(*area, &why);
        if (image.isNull()) co_return fail(HeadlessTranslation::Failed, why);
    } else {
        const QString file = parser.value(parser.isSet(kReadImage) ? kReadImage : kTranslateImage);
        QImageReader reader(file);
        reader.setAutoTransform(true);
        image = reader.read();
        if (image.isNull())
            co_return fail(HeadlessTranslation::Failed,
                           tr("cannot read the image %1: %2").arg(file, reader.errorString()));
    }

    // The reading, in the language it is asked for; nothing, with the reason,
    // when it fails.
    const auto read = [&image](const QString& language, QString* reason) -> std::optional<QString> {
        const TextReading reading = TextRecognizer::readNow(image, language);
        if (reading.status != TextReading::Status::Read) {
            *reason = TextRecognizer::describe(reading);
            return std::nullopt;
        }
        return reading.text;
    };

    const bool translating = parser.isSet(kTranslateImage);
    if (!translating && !parser.isSet(kEngineOption) && !parser.isSet(kPairOption)) {
        const std::optional<QString> text = read(QString::fromLatin1(OcrLanguage::fallback), &why);
        if (!text) co_return fail(HeadlessTranslation::Failed, why);
        out << *text << '\n';
        out.flush();
        co_return HeadlessTranslation::Success;
    }

    HeadlessRequest request;
    request.engine = parser.value(kEngineOption);
    request.pair = parser.value(kPairOption);
    request.printSource = !translating;
    request.textSource = [&](const ConfigDocument& doc, const QString& engine, const QString& pair,
                             QString* reason) -> std::optional<QString> {
        std::optional<QString> text = read(OcrLanguage::forPair(doc, engine, pair), reason);
        if (text && text->isEmpty() && translating) {
            *reason = tr("no text was found in the image");
            return std::nullopt;
        }
        return text;
    };
    HeadlessTranslation headless(out, err);
    // Named before it is awaited: GCC 12 destroys the temporaries of a
    // co_await expression (the request's copy) twice.
    QCoro::Task<int> job = headless.run(request);
    co_return co_await job;
}
