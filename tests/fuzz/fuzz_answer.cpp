// A translation answer: its bytes decoded after the Content-Type, then the
// result cut out between the engine's markers.
// Input: content type NUL marker-before NUL marker-after NUL body.
#include <QStringDecoder>

#include "FuzzInput.h"
#include "translate/AnswerDecoding.h"
#include "translate/ResultExtraction.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QList<QByteArray> f = fuzz::fields(fuzz::bytes(data, size), 4);
    const QByteArray& contentType = f[0];
    const QByteArray& body = f[3];

    const QString text = decodeAnswer(body, contentType);
    // Unlabelled bytes that are not UTF-8 read as one character per byte:
    // none may go missing, the last one included.
    if (contentType.isEmpty()) {
        QStringDecoder utf8(QStringConverter::Utf8);
        (void)utf8.decode(body);
        if (utf8.hasError()) fuzz::require(text.size() == body.size());
    }

    const auto result = ExtractResult(text, QString::fromUtf8(f[1]), QString::fromUtf8(f[2]));
    if (result) {
        fuzz::require(text.contains(*result));
        fuzz::require(!result->startsWith(QLatin1Char(' ')));
    }
    return 0;
}
