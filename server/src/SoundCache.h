#pragma once

#include <filesystem>
#include <optional>
#include <string>

// Synthesised sounds on disk: <root>/<voice>/<first char>/<name>.wav, so that
// a change of voice never serves the old voice's files. Names must be valid
// SoundName names; anything else is refused before it can touch a path.
class SoundCache {
public:
    SoundCache(const std::filesystem::path& root, const std::string& voice);

    bool prepare(std::string& error);  // creates the voice folder
    std::optional<std::filesystem::path> fileFor(const std::string& name) const;
    // A stored, well-formed wave file, or nullopt.
    std::optional<std::string> read(const std::string& name) const;
    // Written to a temporary file and renamed, so readers never see half a file.
    bool store(const std::string& name, const std::string& bytes) const;

    static constexpr std::uintmax_t kMaxFileSize = 16 * 1024 * 1024;

private:
    std::filesystem::path m_voiceDir;
};
