#include "SoundName.h"

#include <cstdint>
#include <cstdio>

namespace SoundName {

namespace {
bool isNameChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c == '-';
}
bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
bool isUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        std::size_t more = 0;
        char32_t min = 0;
        char32_t cp = 0;
        if (c < 0x80) {
            ++i;
            continue;
        }
        if ((c & 0xE0) == 0xC0) {
            more = 1, min = 0x80, cp = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            more = 2, min = 0x800, cp = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            more = 3, min = 0x10000, cp = c & 0x07;
        } else {
            return false;
        }
        if (i + more >= text.size()) return false;
        for (std::size_t k = 1; k <= more; ++k) {
            const auto t = static_cast<unsigned char>(text[i + k]);
            if ((t & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (t & 0x3F);
        }
        if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
        i += more + 1;
    }
    return true;
}

std::uint64_t fnv1a(std::string_view bytes, std::uint64_t basis) {
    std::uint64_t h = basis;
    for (const char c : bytes) {
        h ^= static_cast<unsigned char>(c);
        h *= 0x100000001b3ULL;
    }
    return h;
}

}  // namespace

bool isValid(std::string_view name) {
    if (name.empty() || name.size() > kMaxNameLength) return false;
    if (name[0] == '_' || name[0] == '-') return false;
    for (const char c : name)
        if (!isNameChar(c)) return false;
    return true;
}

std::optional<std::string> forWord(std::string_view word) {
    if (word.size() > kMaxWordLength) return std::nullopt;
    while (!word.empty() && isBlank(word.front())) word.remove_prefix(1);
    while (!word.empty() && isBlank(word.back())) word.remove_suffix(1);
    std::string name(word);
    for (char& c : name)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (!isValid(name)) return std::nullopt;
    return name;
}

std::optional<std::string> forText(std::string_view text) {
    if (text.empty() || text.size() > kMaxTextLength || !isUtf8(text)) return std::nullopt;
    char hex[34];
    std::snprintf(hex, sizeof hex, "%016llx%016llx",
                  static_cast<unsigned long long>(fnv1a(text, 0xcbf29ce484222325ULL)),
                  static_cast<unsigned long long>(fnv1a(text, 0x84222325cbf29ce4ULL)));
    return "s" + std::string(hex, 32);
}

std::optional<std::string> cutBetween(std::string_view page, std::string_view before,
                                      std::string_view after) {
    const std::size_t at = page.find(before);
    // Without the marker the client starts at the marker's length from the start.
    const std::size_t start = (at == std::string_view::npos) ? before.size() : at + before.size();
    if (start > page.size()) return std::nullopt;
    const std::string_view rest = page.substr(start);
    const std::size_t end = rest.find(after);
    if (end == std::string_view::npos) return std::nullopt;
    return std::string(rest.substr(0, end));
}

}  // namespace SoundName
