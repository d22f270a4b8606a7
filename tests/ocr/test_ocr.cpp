#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include "config/ConfigDocument.h"
#include "ocr/OcrLanguage.h"
#include "ocr/TextRecognizer.h"
#include "platform/AppInfo.h"

namespace {

const QString english = QStringLiteral(
    "The library opens at nine in the morning and closes at six in the evening. "
    "Visitors may borrow up to five books for three weeks, and a book that nobody "
    "else has asked for can be kept for another three weeks.");
const QString spanish = QStringLiteral(
    "La biblioteca abre a las nueve de la mañana y cierra a las seis de la tarde. "
    "Los lectores pueden llevarse hasta cinco libros durante tres semanas; el préstamo "
    "de un libro que nadie más ha pedido se amplía otras tres semanas.");

// The text drawn wrapped into lines of about 60 characters, as a window
// would show it.
QImage drawn(const QString& text, int pixelSize, QColor ink, QColor ground) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    const int width = pixelSize * 34;
    QImage image(width + 2 * pixelSize, pixelSize * 12,
                 ground.alpha() < 255 ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    image.fill(ground);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(ink);
    painter.drawText(QRect(pixelSize, pixelSize, width, image.height()), Qt::TextWordWrap, text);
    return image;
}

// Edits (insertions, deletions, substitutions) from one text to the other,
// over the characters.
int editDistance(const QString& a, const QString& b) {
    QList<int> row(b.size() + 1);
    for (qsizetype j = 0; j <= b.size(); ++j) row[j] = int(j);
    for (qsizetype i = 1; i <= a.size(); ++i) {
        int diagonal = row[0];
        row[0] = int(i);
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const int above = row[j];
            row[j] = std::min({above + 1, row[j - 1] + 1, diagonal + (a[i - 1] != b[j - 1])});
            diagonal = above;
        }
    }
    return row[b.size()];
}

}  // namespace

class TestOcr : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { AppInfo::setProgramFolder(QStringLiteral(PARLAMO_OCR_LIBRARY_DIR)); }
    void language_data();
    void language();
    void reading_data();
    void reading();
};

// A pair's `from` code picks the reading language; anything else reads
// English.
void TestOcr::language_data() {
    QTest::addColumn<QString>("fromAttribute");  // the Language element's, as written
    QTest::addColumn<QString>("expected");
    QTest::addRow("en") << "from=\"en\""
                        << "eng";
    QTest::addRow("es with a region") << "from=\"es-MX\""
                                      << "spa";
    QTest::addRow("German, upper case") << "from=\"DE\""
                                        << "deu";
    QTest::addRow("fr") << "from=\"fr\""
                        << "fra";
    QTest::addRow("pt-BR") << "from=\"pt-BR\""
                           << "por";
    QTest::addRow("ca") << "from=\"ca\""
                        << "cat";
    QTest::addRow("Chinese, traditional by script") << "from=\"zh-Hant\""
                                                    << "chi_tra";
    QTest::addRow("Chinese, traditional by region") << "from=\"zh_TW\""
                                                    << "chi_tra";
    QTest::addRow("Chinese") << "from=\"zh\""
                             << "chi_sim";
    QTest::addRow("Serbian in Latin letters") << "from=\"sr-Latn\""
                                              << "srp_latn";
    QTest::addRow("no from") << ""
                             << "eng";
    QTest::addRow("empty from") << "from=\"\""
                                << "eng";
    QTest::addRow("a code with no data") << "from=\"qaa\""
                                         << "eng";
}

void TestOcr::language() {
    QFETCH(QString, fromAttribute);
    QFETCH(QString, expected);
    ConfigDocument doc;
    QVERIFY(doc.loadFromBytes(QStringLiteral("<Parlamo><Engines><Engine name=\"E\"><Languages>"
                                             "<Language name=\"other\" from=\"ja\"/>"
                                             "<Language name=\"P\" value=\"x\" %1/>"
                                             "</Languages></Engine></Engines></Parlamo>")
                                  .arg(fromAttribute)
                                  .toUtf8()));
    QCOMPARE(OcrLanguage::forPair(doc, "E", "P"), expected);
}

// Screen text read through the worker thread: few misread characters from
// 12 px (the line breaks of a paragraph count as errors), small text and
// light text on a dark ground included; a language without data is named
// with its package.
void TestOcr::reading_data() {
    QTest::addColumn<QImage>("image");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<double>("maxErrorRate");
    const QColor black(Qt::black), white(Qt::white);
    QTest::addRow("English 10 px") << drawn(english, 10, black, white) << "eng" << english << 0.02;
    QTest::addRow("English 12 px") << drawn(english, 12, black, white) << "eng" << english << 0.01;
    QTest::addRow("Spanish 12 px") << drawn(spanish, 12, black, white) << "spa" << spanish << 0.01;
    QTest::addRow("Spanish 24 px") << drawn(spanish, 24, black, white) << "spa" << spanish << 0.01;
    QTest::addRow("English 14 px, light on dark")
        << drawn(english, 14, QColor(230, 230, 230), QColor(30, 34, 40)) << "eng" << english
        << 0.01;
    QTest::addRow("English 14 px, black on transparent")
        << drawn(english, 14, black, Qt::transparent) << "eng" << english << 0.01;
    QTest::addRow("no data") << drawn(english, 14, black, white) << "qqq"
                             << "" << -1.0;
}

void TestOcr::reading() {
    QFETCH(QImage, image);
    QFETCH(QString, language);
    QFETCH(QString, expected);
    QFETCH(double, maxErrorRate);
    TextRecognizer recognizer;
    QSignalSpy finished(&recognizer, &TextRecognizer::finished);
    recognizer.start(image, language);
    QVERIFY(recognizer.isBusy());
    QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 120000);
    const auto reading = finished.at(0).at(0).value<TextReading>();
    if (maxErrorRate < 0) {
        QCOMPARE(reading.status, TextReading::Status::MissingLanguage);
        QVERIFY(TextRecognizer::describe(reading).contains("tesseract-ocr-qqq"));
        return;
    }
    QCOMPARE(reading.status, TextReading::Status::Read);
    const double rate = double(editDistance(reading.text, expected)) / expected.size();
    if (rate > maxErrorRate) qWarning().noquote() << reading.text;
    QVERIFY2(rate <= maxErrorRate, qPrintable(QString::number(rate)));
}

QTEST_MAIN(TestOcr)
#include "test_ocr.moc"
