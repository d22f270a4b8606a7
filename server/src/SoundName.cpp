#include "SoundName.h"

namespace SoundName {

namespace {
bool isNameChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c == '-';
}
bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
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
