#include "translate/UrlEncode.h"

#include <array>
#include <cstdint>
#include <cstring>

#include "translate/Windows1252.h"

namespace {

constexpr bool passes(int c) {
    return c == 0 || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

constexpr char16_t kDigits[] = u"0123456789ABCDEF";

// What one character below the table's size becomes: three slots always
// written, advance 1 (the character itself) or 3 ("%XX"). Writing the same
// amount every time keeps the loop free of branches the processor cannot
// predict in ordinary text.
struct Step {
    char16_t out[3];
    std::uint16_t advance;
};

constexpr Step keep(int c) {
    return {{static_cast<char16_t>(c), 0, 0}, 1};
}
constexpr Step escape(int b) {
    return {{u'%', kDigits[b >> 4], kDigits[b & 0xF]}, 3};
}

// Characters below 256 in Windows-1252. Of U+0080..U+009F only the five
// codes the code page leaves undefined are in it; the rest stay as they are.
constexpr auto kSteps1252 = [] {
    std::array<Step, 256> t{};
    for (int c = 0; c < 256; ++c) {
        const bool inPage =
            c < 0x80 || c >= 0xA0 || c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D;
        t[c] = passes(c) || !inPage ? keep(c) : escape(c);
    }
    return t;
}();

// UTF-8 below U+0800 (ASCII, and the two-byte forms of Latin, Greek,
// Cyrillic, Hebrew, Arabic): up to six slots.
struct WideStep {
    char16_t out[6];
    std::uint16_t advance;
};

constexpr auto kStepsUtf8 = [] {
    std::array<WideStep, 0x800> t{};
    for (int c = 0; c < 0x800; ++c) {
        if (c < 0x80) {
            const Step s = passes(c) ? keep(c) : escape(c);
            t[c] = {{s.out[0], s.out[1], s.out[2], 0, 0, 0}, s.advance};
        } else {
            const Step hi = escape(0xC0 | (c >> 6));
            const Step lo = escape(0x80 | (c & 0x3F));
            t[c] = {{hi.out[0], hi.out[1], hi.out[2], lo.out[0], lo.out[1], lo.out[2]}, 6};
        }
    }
    return t;
}();

inline char16_t* put(char16_t* dst, const WideStep& s) {
    std::memcpy(dst, s.out, sizeof s.out);
    return dst + s.advance;
}

inline char16_t* put(char16_t* dst, const Step& s) {
    std::memcpy(dst, s.out, sizeof s.out);
    return dst + s.advance;
}

inline char16_t* putByte(char16_t* dst, unsigned int byte) {
    return put(dst, escape(static_cast<int>(byte & 0xFF)));
}

// The text is encoded block by block into a buffer on the stack, each block
// appended to the result: one pass over the text, no per-character appends.
constexpr qsizetype kBlock = 1024;
// A block's worst case: a surrogate pair (two units) gives 12 output units,
// any other unit at most 9; plus the slots a step writes ahead of its advance.
constexpr qsizetype kBlockOut = kBlock * 9 + 6;

// UTF-8: a surrogate pair is one character; a lone half has no form.
inline bool pairAt(const char16_t* src, qsizetype i, qsizetype n) {
    return QChar::isHighSurrogate(src[i]) && i + 1 < n && QChar::isLowSurrogate(src[i + 1]);
}

template <CodePage page>
QString encode(const char16_t* src, qsizetype n) {
    QString out;
    out.reserve(n + n / 2);
    char16_t buffer[kBlockOut];
    qsizetype i = 0;
    while (i < n) {
        // A block may end one unit late, to keep a surrogate pair together.
        const qsizetype blockEnd = qMin(n, i + kBlock);
        char16_t* dst = buffer;
        for (; i < blockEnd; ++i) {
            const char16_t c = src[i];
            if constexpr (page == CodePage::Windows1252) {
                if (c < 256) {
                    dst = put(dst, kSteps1252[c]);
                } else {
                    const int code = Windows1252::fromUnicode(c);
                    dst = code < 0 ? put(dst, keep(c))
                                   : putByte(dst, static_cast<unsigned int>(code));
                }
            } else if (c < 0x800) {
                dst = put(dst, kStepsUtf8[c]);
            } else if (!QChar::isSurrogate(c)) {
                dst = putByte(dst, 0xE0 | (c >> 12));
                dst = putByte(dst, 0x80 | ((c >> 6) & 0x3F));
                dst = putByte(dst, 0x80 | (c & 0x3F));
            } else if (pairAt(src, i, n)) {
                const char32_t u = QChar::surrogateToUcs4(c, src[i + 1]);
                ++i;
                dst = putByte(dst, 0xF0 | (u >> 18));
                dst = putByte(dst, 0x80 | ((u >> 12) & 0x3F));
                dst = putByte(dst, 0x80 | ((u >> 6) & 0x3F));
                dst = putByte(dst, 0x80 | (u & 0x3F));
            } else {
                dst = put(dst, keep(c));
            }
        }
        out.append(reinterpret_cast<const QChar*>(buffer), dst - buffer);
    }
    return out;
}

}  // namespace

CodePage systemCodePage() {
    return CodePage::Utf8;
}

QString UrlEncode(const QString& text, CodePage codePage) {
    const qsizetype n = text.size();
    if (n == 0) return QString();
    const char16_t* src = reinterpret_cast<const char16_t*>(text.constData());
    return codePage == CodePage::Windows1252 ? encode<CodePage::Windows1252>(src, n)
                                             : encode<CodePage::Utf8>(src, n);
}
