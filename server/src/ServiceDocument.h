#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// How this server answers the pronunciation service that the document's Wav
// element describes. Only the paths of the addresses matter here: the host in
// them is the operator's business.
struct WavContract {
    bool enabled = false;
    std::string lookupPath;     // e.g. "/wav/lookup"
    std::string wordParameter;  // query key that carries the word; empty: the
                                // word follows lookupPath in the path itself
    std::string padBefore;
    std::string padAfter;
    std::string playPath;      // e.g. "/wav/play"; files at playPath/<c>/<name>.wav
    std::string voice = "en";  // our own attribute `voice`, optional
};

// The operator's configuration document: answered byte for byte, and read
// once here for the Wav element.
class ServiceDocument {
public:
    static std::optional<ServiceDocument> fromFile(const std::filesystem::path& file,
                                                   std::string& error);
    static std::optional<ServiceDocument> fromBytes(std::string bytes, std::string& error);

    const std::string& bytes() const { return m_bytes; }
    const WavContract& wav() const { return m_wav; }
    // Things an operator should hear about that do not stop the server.
    const std::vector<std::string>& warnings() const { return m_warnings; }

    // The path of an address ("http://h:p/a/b?x" gives "/a/b?x"), or nullopt
    // when it is neither an absolute http(s) address nor a path.
    static std::optional<std::string> pathOfAddress(const std::string& address);
    static bool isValidVoiceName(const std::string& voice);

private:
    std::string m_bytes;
    WavContract m_wav;
    std::vector<std::string> m_warnings;
};
