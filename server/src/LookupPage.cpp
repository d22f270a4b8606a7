#include "LookupPage.h"

#include "SoundName.h"

namespace LookupPage {

namespace {
const char* const kHead =
    "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>Pronunciation</title>"
    "</head><body>\n";
const char* const kTail = "\n</body></html>\n";

bool cutGives(const std::string& page, const std::string& name, const WavContract& wav) {
    const auto cut = SoundName::cutBetween(page, wav.padBefore, wav.padAfter);
    return cut && *cut == name;
}
}  // namespace

std::string htmlEscape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\'':
                out += "&#39;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::optional<std::string> withSound(const std::string& name, const WavContract& wav) {
    const std::string marked = wav.padBefore + name + wav.padAfter;
    std::string page = std::string(kHead) + "<p>Sound: " + marked + "</p>" + kTail;
    if (cutGives(page, name, wav)) return page;
    // The page's own text got in the way of the markers: the bare marked name
    // still works unless a marker overlaps the name itself.
    if (cutGives(marked, name, wav)) return marked;
    return std::nullopt;
}

std::string withoutSound(std::string_view word, const WavContract& wav) {
    const auto contains = [&](const std::string& page) {
        return !wav.padAfter.empty() && page.find(wav.padAfter) != std::string::npos;
    };
    std::string page =
        std::string(kHead) + "<p>No sound for \"" + htmlEscape(word) + "\".</p>" + kTail;
    if (!contains(page)) return page;
    page = std::string(kHead) + "<p>No sound.</p>" + kTail;
    if (!contains(page)) return page;
    return std::string();
}

}  // namespace LookupPage
