#include "translate/ResultDecode.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <optional>
#include <utility>

namespace {

struct Entity {
    const char* name;
    char32_t code;
};

// The named character references of HTML 4, and &apos;, sorted by name.
constexpr Entity entities[] = {
    {"AElig", 0xC6},     {"Aacute", 0xC1},   {"Acirc", 0xC2},     {"Agrave", 0xC0},
    {"Alpha", 0x391},    {"Aring", 0xC5},    {"Atilde", 0xC3},    {"Auml", 0xC4},
    {"Beta", 0x392},     {"Ccedil", 0xC7},   {"Chi", 0x3A7},      {"Dagger", 0x2021},
    {"Delta", 0x394},    {"ETH", 0xD0},      {"Eacute", 0xC9},    {"Ecirc", 0xCA},
    {"Egrave", 0xC8},    {"Epsilon", 0x395}, {"Eta", 0x397},      {"Euml", 0xCB},
    {"Gamma", 0x393},    {"Iacute", 0xCD},   {"Icirc", 0xCE},     {"Igrave", 0xCC},
    {"Iota", 0x399},     {"Iuml", 0xCF},     {"Kappa", 0x39A},    {"Lambda", 0x39B},
    {"Mu", 0x39C},       {"Ntilde", 0xD1},   {"Nu", 0x39D},       {"OElig", 0x152},
    {"Oacute", 0xD3},    {"Ocirc", 0xD4},    {"Ograve", 0xD2},    {"Omega", 0x3A9},
    {"Omicron", 0x39F},  {"Oslash", 0xD8},   {"Otilde", 0xD5},    {"Ouml", 0xD6},
    {"Phi", 0x3A6},      {"Pi", 0x3A0},      {"Prime", 0x2033},   {"Psi", 0x3A8},
    {"Rho", 0x3A1},      {"Scaron", 0x160},  {"Sigma", 0x3A3},    {"THORN", 0xDE},
    {"Tau", 0x3A4},      {"Theta", 0x398},   {"Uacute", 0xDA},    {"Ucirc", 0xDB},
    {"Ugrave", 0xD9},    {"Upsilon", 0x3A5}, {"Uuml", 0xDC},      {"Xi", 0x39E},
    {"Yacute", 0xDD},    {"Yuml", 0x178},    {"Zeta", 0x396},     {"aacute", 0xE1},
    {"acirc", 0xE2},     {"acute", 0xB4},    {"aelig", 0xE6},     {"agrave", 0xE0},
    {"alefsym", 0x2135}, {"alpha", 0x3B1},   {"amp", 0x26},       {"and", 0x2227},
    {"ang", 0x2220},     {"apos", 0x27},     {"aring", 0xE5},     {"asymp", 0x2248},
    {"atilde", 0xE3},    {"auml", 0xE4},     {"bdquo", 0x201E},   {"beta", 0x3B2},
    {"brvbar", 0xA6},    {"bull", 0x2022},   {"cap", 0x2229},     {"ccedil", 0xE7},
    {"cedil", 0xB8},     {"cent", 0xA2},     {"chi", 0x3C7},      {"circ", 0x2C6},
    {"clubs", 0x2663},   {"cong", 0x2245},   {"copy", 0xA9},      {"crarr", 0x21B5},
    {"cup", 0x222A},     {"curren", 0xA4},   {"dArr", 0x21D3},    {"dagger", 0x2020},
    {"darr", 0x2193},    {"deg", 0xB0},      {"delta", 0x3B4},    {"diams", 0x2666},
    {"divide", 0xF7},    {"eacute", 0xE9},   {"ecirc", 0xEA},     {"egrave", 0xE8},
    {"empty", 0x2205},   {"emsp", 0x2003},   {"ensp", 0x2002},    {"epsilon", 0x3B5},
    {"equiv", 0x2261},   {"eta", 0x3B7},     {"eth", 0xF0},       {"euml", 0xEB},
    {"euro", 0x20AC},    {"exist", 0x2203},  {"fnof", 0x192},     {"forall", 0x2200},
    {"frac12", 0xBD},    {"frac14", 0xBC},   {"frac34", 0xBE},    {"frasl", 0x2044},
    {"gamma", 0x3B3},    {"ge", 0x2265},     {"gt", 0x3E},        {"hArr", 0x21D4},
    {"harr", 0x2194},    {"hearts", 0x2665}, {"hellip", 0x2026},  {"iacute", 0xED},
    {"icirc", 0xEE},     {"iexcl", 0xA1},    {"igrave", 0xEC},    {"image", 0x2111},
    {"infin", 0x221E},   {"int", 0x222B},    {"iota", 0x3B9},     {"iquest", 0xBF},
    {"isin", 0x2208},    {"iuml", 0xEF},     {"kappa", 0x3BA},    {"lArr", 0x21D0},
    {"lambda", 0x3BB},   {"lang", 0x2329},   {"laquo", 0xAB},     {"larr", 0x2190},
    {"lceil", 0x2308},   {"ldquo", 0x201C},  {"le", 0x2264},      {"lfloor", 0x230A},
    {"lowast", 0x2217},  {"loz", 0x25CA},    {"lrm", 0x200E},     {"lsaquo", 0x2039},
    {"lsquo", 0x2018},   {"lt", 0x3C},       {"macr", 0xAF},      {"mdash", 0x2014},
    {"micro", 0xB5},     {"middot", 0xB7},   {"minus", 0x2212},   {"mu", 0x3BC},
    {"nabla", 0x2207},   {"nbsp", 0xA0},     {"ndash", 0x2013},   {"ne", 0x2260},
    {"ni", 0x220B},      {"not", 0xAC},      {"notin", 0x2209},   {"nsub", 0x2284},
    {"ntilde", 0xF1},    {"nu", 0x3BD},      {"oacute", 0xF3},    {"ocirc", 0xF4},
    {"oelig", 0x153},    {"ograve", 0xF2},   {"oline", 0x203E},   {"omega", 0x3C9},
    {"omicron", 0x3BF},  {"oplus", 0x2295},  {"or", 0x2228},      {"ordf", 0xAA},
    {"ordm", 0xBA},      {"oslash", 0xF8},   {"otilde", 0xF5},    {"otimes", 0x2297},
    {"ouml", 0xF6},      {"para", 0xB6},     {"part", 0x2202},    {"permil", 0x2030},
    {"perp", 0x22A5},    {"phi", 0x3C6},     {"pi", 0x3C0},       {"piv", 0x3D6},
    {"plusmn", 0xB1},    {"pound", 0xA3},    {"prime", 0x2032},   {"prod", 0x220F},
    {"prop", 0x221D},    {"psi", 0x3C8},     {"quot", 0x22},      {"rArr", 0x21D2},
    {"radic", 0x221A},   {"rang", 0x232A},   {"raquo", 0xBB},     {"rarr", 0x2192},
    {"rceil", 0x2309},   {"rdquo", 0x201D},  {"real", 0x211C},    {"reg", 0xAE},
    {"rfloor", 0x230B},  {"rho", 0x3C1},     {"rlm", 0x200F},     {"rsaquo", 0x203A},
    {"rsquo", 0x2019},   {"sbquo", 0x201A},  {"scaron", 0x161},   {"sdot", 0x22C5},
    {"sect", 0xA7},      {"shy", 0xAD},      {"sigma", 0x3C3},    {"sigmaf", 0x3C2},
    {"sim", 0x223C},     {"spades", 0x2660}, {"sub", 0x2282},     {"sube", 0x2286},
    {"sum", 0x2211},     {"sup", 0x2283},    {"sup1", 0xB9},      {"sup2", 0xB2},
    {"sup3", 0xB3},      {"supe", 0x2287},   {"szlig", 0xDF},     {"tau", 0x3C4},
    {"there4", 0x2234},  {"theta", 0x3B8},   {"thetasym", 0x3D1}, {"thinsp", 0x2009},
    {"thorn", 0xFE},     {"tilde", 0x2DC},   {"times", 0xD7},     {"trade", 0x2122},
    {"uArr", 0x21D1},    {"uacute", 0xFA},   {"uarr", 0x2191},    {"ucirc", 0xFB},
    {"ugrave", 0xF9},    {"uml", 0xA8},      {"upsih", 0x3D2},    {"upsilon", 0x3C5},
    {"uuml", 0xFC},      {"weierp", 0x2118}, {"xi", 0x3BE},       {"yacute", 0xFD},
    {"yen", 0xA5},       {"yuml", 0xFF},     {"zeta", 0x3B6},     {"zwj", 0x200D},
    {"zwnj", 0x200C},
};

std::optional<char32_t> namedEntity(const QString& name) {
    const QByteArray key = name.toLatin1();
    const auto* end = std::end(entities);
    const auto* it =
        std::lower_bound(std::begin(entities), end, key, [](const Entity& e, const QByteArray& k) {
            return std::strcmp(e.name, k.constData()) < 0;
        });
    if (it == end || key != it->name) return std::nullopt;
    return it->code;
}

int hexDigit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9') return u - u'0';
    if (u >= u'a' && u <= u'f') return u - u'a' + 10;
    if (u >= u'A' && u <= u'F') return u - u'A' + 10;
    return -1;
}

// The four hex digits of a \u escape at text[at], or nothing.
std::optional<char16_t> hex4(const QString& text, qsizetype at) {
    if (at + 4 > text.size()) return std::nullopt;
    char16_t value = 0;
    for (qsizetype i = at; i < at + 4; ++i) {
        const int d = hexDigit(text.at(i));
        if (d < 0) return std::nullopt;
        value = char16_t(value * 16 + d);
    }
    return value;
}

bool isValidScalar(char32_t c) {
    return c > 0 && c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF);
}

// A character reference at text[at] == '&': the character and the length
// of the reference, or nothing when it is not one we know.
std::optional<std::pair<char32_t, qsizetype>> reference(const QString& text, qsizetype at) {
    const qsizetype semicolon = text.indexOf(QLatin1Char(';'), at + 1);
    // Longer than any name or number: not a reference.
    if (semicolon < 0 || semicolon - at > 33) return std::nullopt;
    const QString body = text.mid(at + 1, semicolon - at - 1);
    const qsizetype length = semicolon - at + 1;
    if (body.startsWith(QLatin1Char('#'))) {
        const bool hex = body.size() > 1 && (body.at(1) == u'x' || body.at(1) == u'X');
        const QString digits = body.mid(hex ? 2 : 1);
        if (digits.isEmpty()) return std::nullopt;
        char32_t value = 0;
        for (QChar c : digits) {
            const int d =
                hex ? hexDigit(c) : (c.isDigit() && c.unicode() < 128 ? c.unicode() - u'0' : -1);
            if (d < 0) return std::nullopt;
            value = value * (hex ? 16 : 10) + char32_t(d);
            if (value > 0x10FFFF) return std::nullopt;
        }
        if (!isValidScalar(value)) return std::nullopt;
        return std::make_pair(value, length);
    }
    if (const std::optional<char32_t> named = namedEntity(body))
        return std::make_pair(*named, length);
    return std::nullopt;
}

// The end (one past '>') of a tag or comment that starts at text[at] ==
// '<', and whether it is a line break; nothing when this '<' starts none
// (a lone "a < b" stays).
std::optional<std::pair<qsizetype, bool>> tag(const QString& text, qsizetype at) {
    if (text.mid(at, 4) == QLatin1String("<!--")) {
        const qsizetype end = text.indexOf(QLatin1String("-->"), at + 4);
        if (end < 0) return std::nullopt;
        return std::make_pair(end + 3, false);
    }
    qsizetype i = at + 1;
    if (i < text.size() && (text.at(i) == u'/' || text.at(i) == u'!')) ++i;
    if (i >= text.size() || !(text.at(i).isLetter() && text.at(i).unicode() < 128))
        return std::nullopt;
    const qsizetype nameStart = i;
    while (i < text.size() && text.at(i).isLetterOrNumber() && text.at(i).unicode() < 128) ++i;
    const bool lineBreak =
        text.at(at + 1) != u'/' &&
        text.mid(nameStart, i - nameStart).compare(QLatin1String("br"), Qt::CaseInsensitive) == 0;
    const qsizetype end = text.indexOf(QLatin1Char('>'), i);
    if (end < 0) return std::nullopt;
    return std::make_pair(end + 1, lineBreak);
}

}  // namespace

QString decodeResult(const QString& text, const QString& decode) {
    if (decode == QLatin1String("json")) return decodeJsonEscapes(text);
    if (decode == QLatin1String("html")) return decodeHtml(text);
    return text;
}

QString decodeJsonEscapes(const QString& text) {
    QString out;
    out.reserve(text.size());
    qsizetype i = 0;
    while (i < text.size()) {
        const QChar c = text.at(i);
        if (c != u'\\' || i + 1 >= text.size()) {
            out.append(c);
            ++i;
            continue;
        }
        const char16_t e = text.at(i + 1).unicode();
        char16_t plain = 0;
        switch (e) {
            case u'"':
                plain = u'"';
                break;
            case u'\\':
                plain = u'\\';
                break;
            case u'/':
                plain = u'/';
                break;
            case u'b':
                plain = u'\b';
                break;
            case u'f':
                plain = u'\f';
                break;
            case u'n':
                plain = u'\n';
                break;
            case u'r':
                plain = u'\r';
                break;
            case u't':
                plain = u'\t';
                break;
            default:
                break;
        }
        if (plain) {
            out.append(QChar(plain));
            i += 2;
            continue;
        }
        if (e == u'u') {
            if (const std::optional<char16_t> unit = hex4(text, i + 2)) {
                const char16_t u = *unit;
                if (QChar::isHighSurrogate(u) && text.mid(i + 6, 2) == QLatin1String("\\u")) {
                    const std::optional<char16_t> low = hex4(text, i + 8);
                    if (low && QChar::isLowSurrogate(*low)) {
                        out.append(QChar(u));
                        out.append(QChar(*low));
                        i += 12;
                        continue;
                    }
                }
                // A surrogate without its partner would make the text invalid.
                if (!QChar::isSurrogate(u)) {
                    out.append(QChar(u));
                    i += 6;
                    continue;
                }
            }
        }
        // Not an escape we know: keep it as it stands.
        out.append(c);
        ++i;
    }
    return out;
}

QString decodeHtml(const QString& text) {
    QString out;
    out.reserve(text.size());
    qsizetype i = 0;
    while (i < text.size()) {
        const QChar c = text.at(i);
        if (c == u'<') {
            if (const auto t = tag(text, i)) {
                if (t->second) out.append(QLatin1Char('\n'));
                i = t->first;
                continue;
            }
        } else if (c == u'&') {
            if (const auto r = reference(text, i)) {
                const char32_t code = r->first;
                out.append(QString::fromUcs4(&code, 1));
                i += r->second;
                continue;
            }
        }
        out.append(c);
        ++i;
    }
    return out;
}
