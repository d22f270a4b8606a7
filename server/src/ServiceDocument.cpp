#include "ServiceDocument.h"

#include <pugixml.hpp>

#include <cctype>
#include <fstream>
#include <iterator>
#include <sstream>

namespace {

constexpr std::uintmax_t kMaxDocumentSize = 4 * 1024 * 1024;

bool startsWithNoCase(const std::string& text, const std::string& prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        const auto a = static_cast<unsigned char>(text[i]);
        const auto b = static_cast<unsigned char>(prefix[i]);
        if (std::tolower(a) != std::tolower(b)) return false;
    }
    return true;
}

}  // namespace

std::optional<std::string> ServiceDocument::pathOfAddress(const std::string& address) {
    if (!address.empty() && address[0] == '/') return address;
    std::size_t authority = 0;
    if (startsWithNoCase(address, "http://"))
        authority = 7;
    else if (startsWithNoCase(address, "https://"))
        authority = 8;
    else
        return std::nullopt;
    const std::size_t slash = address.find_first_of("/?", authority);
    if (slash == std::string::npos) return std::string("/");
    if (address[slash] == '?') {
        // Built by appending rather than as "/" + substr: GCC 12 at -O3 warns
        // about that form with a false -Wrestrict (GCC bug 105651).
        std::string path(1, '/');
        path.append(address, slash);
        return path;
    }
    return address.substr(slash);
}

bool ServiceDocument::isValidVoiceName(const std::string& voice) {
    if (voice.empty() || voice.size() > 40) return false;
    for (const char c : voice) {
        const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                        (c >= '0' && c <= '9') || c == '-' || c == '_' || c == '+';
        if (!ok) return false;
    }
    return true;
}

std::optional<ServiceDocument> ServiceDocument::fromFile(const std::filesystem::path& file,
                                                         std::string& error) {
    std::error_code ec;
    const auto size = std::filesystem::file_size(file, ec);
    if (ec) {
        error = "cannot read " + file.string() + ": " + ec.message();
        return std::nullopt;
    }
    if (size > kMaxDocumentSize) {
        error = file.string() + " is too large for a configuration document";
        return std::nullopt;
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        error = "cannot open " + file.string();
        return std::nullopt;
    }
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) {
        error = "cannot read " + file.string();
        return std::nullopt;
    }
    auto doc = fromBytes(std::move(bytes), error);
    if (!doc) error = file.string() + ": " + error;
    return doc;
}

std::optional<ServiceDocument> ServiceDocument::fromBytes(std::string bytes, std::string& error) {
    pugi::xml_document xml;
    const pugi::xml_parse_result parsed = xml.load_buffer(bytes.data(), bytes.size());
    if (!parsed) {
        std::ostringstream s;
        s << "not a well-formed document (" << parsed.description() << " at byte " << parsed.offset
          << ")";
        error = s.str();
        return std::nullopt;
    }

    ServiceDocument doc;
    doc.m_bytes = std::move(bytes);

    const pugi::xml_node wav = xml.select_node("//Wav").node();
    if (!wav) {
        doc.m_warnings.push_back("the document has no Wav element: no pronunciation service");
        return doc;
    }

    WavContract& c = doc.m_wav;
    auto disable = [&](const std::string& why) {
        doc.m_warnings.push_back(why + ": no pronunciation service");
        c = WavContract{};
        return doc;
    };

    const pugi::xml_attribute url = wav.attribute("url");
    const pugi::xml_attribute before = wav.attribute("padbefore");
    const pugi::xml_attribute after = wav.attribute("padafter");
    const pugi::xml_attribute play = wav.attribute("urltoplay");
    if (!url || !before || !after || !play)
        return disable("Wav needs url, padbefore, padafter and urltoplay");

    const auto lookup = pathOfAddress(url.value());
    if (!lookup) return disable("Wav url is not an http address");
    if (const auto q = lookup->find('?'); q != std::string::npos) {
        // "…/lookup?w=": the word is the value of the last key, which the
        // client appends directly.
        const std::string query = lookup->substr(q + 1);
        if (query.empty() || query.back() != '=')
            return disable("Wav url must end with a query key and '='");
        const std::size_t amp = query.rfind('&', query.size() - 2);
        c.wordParameter = query.substr(amp == std::string::npos ? 0 : amp + 1);
        c.wordParameter.pop_back();
        if (c.wordParameter.empty()) return disable("Wav url has an empty query key");
        c.lookupPath = lookup->substr(0, q);
    } else {
        c.lookupPath = *lookup;  // the word follows in the path
    }

    const auto playPath = pathOfAddress(play.value());
    if (!playPath || playPath->find('?') != std::string::npos)
        return disable("Wav urltoplay is not an http address without a query");
    c.playPath = *playPath;
    while (!c.playPath.empty() && c.playPath.back() == '/') c.playPath.pop_back();

    c.padBefore = before.value();
    c.padAfter = after.value();
    if (c.padAfter.empty())
        doc.m_warnings.push_back(
            "Wav padafter is empty: the client cannot tell an unknown word from a known one");

    if (const pugi::xml_attribute voice = wav.attribute("voice")) {
        if (!isValidVoiceName(voice.value()))
            return disable("Wav voice must be a voice name such as en or es");
        c.voice = voice.value();
    }
    c.enabled = true;
    return doc;
}
