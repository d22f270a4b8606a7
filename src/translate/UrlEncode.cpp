#include "translate/UrlEncode.h"

#include "translate/Windows1252.h"

namespace {

bool passesUnchanged(char32_t c) {
    return c == 0 || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

void appendByte(QString& out, unsigned int byte) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    out.append(QLatin1Char('%'));
    out.append(QLatin1Char(kHex[(byte >> 4) & 0xF]));
    out.append(QLatin1Char(kHex[byte & 0xF]));
}

void appendUtf8(QString& out, char32_t c) {
    if (c < 0x80) {
        appendByte(out, c);
    } else if (c < 0x800) {
        appendByte(out, 0xC0 | (c >> 6));
        appendByte(out, 0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        appendByte(out, 0xE0 | (c >> 12));
        appendByte(out, 0x80 | ((c >> 6) & 0x3F));
        appendByte(out, 0x80 | (c & 0x3F));
    } else {
        appendByte(out, 0xF0 | (c >> 18));
        appendByte(out, 0x80 | ((c >> 12) & 0x3F));
        appendByte(out, 0x80 | ((c >> 6) & 0x3F));
        appendByte(out, 0x80 | (c & 0x3F));
    }
}

}  // namespace

CodePage systemCodePage() {
    return CodePage::Utf8;
}

QString UrlEncode(const QString& text, CodePage codePage) {
    QString out;
    out.reserve(text.size() * 3);
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t unit = text.at(i).unicode();
        if (passesUnchanged(unit)) {
            out.append(QChar(unit));
            continue;
        }
        if (codePage == CodePage::Windows1252) {
            const int code = Windows1252::fromUnicode(unit);
            if (code < 0) {
                out.append(QChar(unit));  // not in the code page: left as it is
            } else {
                appendByte(out, static_cast<unsigned int>(code));
            }
            continue;
        }
        if (QChar::isHighSurrogate(unit) && i + 1 < n && text.at(i + 1).isLowSurrogate()) {
            appendUtf8(out, QChar::surrogateToUcs4(unit, text.at(i + 1).unicode()));
            ++i;
        } else if (QChar::isSurrogate(unit)) {
            out.append(QChar(unit));  // a lone half has no UTF-8 form
        } else {
            appendUtf8(out, unit);
        }
    }
    return out;
}
