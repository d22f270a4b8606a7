// The encoder for text that goes into a request address.
#include <QChar>
#include <QString>
#include <algorithm>
#include <cstring>

#include "FuzzInput.h"
#include "translate/UrlEncode.h"
#include "translate/Windows1252.h"

namespace {

bool isAscii(const QString& s) {
    return std::all_of(s.begin(), s.end(), [](QChar c) { return c.unicode() < 0x80; });
}

bool inWindows1252(const QString& s) {
    return std::all_of(s.begin(), s.end(),
                       [](QChar c) { return Windows1252::fromUnicode(c.unicode()) >= 0; });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Text as typed. In UTF-8 every character has a form, so the address is
    // plain ASCII and undoing the escapes gives the text's bytes back.
    const QString text = QString::fromUtf8(fuzz::bytes(data, size));
    const QString utf8 = UrlEncode(text, CodePage::Utf8);
    fuzz::require(isAscii(utf8));
    fuzz::require(QByteArray::fromPercentEncoding(utf8.toLatin1()) == text.toUtf8());

    const QString page = UrlEncode(text, CodePage::Windows1252);
    if (inWindows1252(text)) {
        fuzz::require(isAscii(page));
        fuzz::require(Windows1252::decode(QByteArray::fromPercentEncoding(page.toLatin1())) ==
                      text);
    }

    // Any UTF-16 a text box can hold, lone surrogate halves included.
    QString units(static_cast<qsizetype>(size / 2), Qt::Uninitialized);
    std::memcpy(units.data(), data, size / 2 * 2);
    UrlEncode(units, CodePage::Utf8);
    UrlEncode(units, CodePage::Windows1252);
    return 0;
}
