#include "SoundCache.h"

#include "SoundName.h"
#include "WaveFile.h"

#include <unistd.h>
#include <atomic>
#include <fstream>
#include <iterator>

SoundCache::SoundCache(const std::filesystem::path& root, const std::string& voice)
    : m_voiceDir(root / voice) {}

bool SoundCache::prepare(std::string& error) {
    std::error_code ec;
    std::filesystem::create_directories(m_voiceDir, ec);
    if (ec || !std::filesystem::is_directory(m_voiceDir)) {
        error = "cannot create the sound cache " + m_voiceDir.string() +
                (ec ? ": " + ec.message() : std::string());
        return false;
    }
    return true;
}

std::optional<std::filesystem::path> SoundCache::fileFor(const std::string& name) const {
    if (!SoundName::isValid(name)) return std::nullopt;
    return m_voiceDir / name.substr(0, 1) / (name + ".wav");
}

std::optional<std::string> SoundCache::read(const std::string& name) const {
    const auto file = fileFor(name);
    if (!file) return std::nullopt;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(*file, ec)) return std::nullopt;
    const auto size = std::filesystem::file_size(*file, ec);
    if (ec || size > kMaxFileSize) return std::nullopt;
    std::ifstream in(*file, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad() || !WaveFile::parse(bytes)) return std::nullopt;
    return bytes;
}

bool SoundCache::store(const std::string& name, const std::string& bytes) const {
    const auto file = fileFor(name);
    if (!file) return false;
    std::error_code ec;
    std::filesystem::create_directories(file->parent_path(), ec);
    if (ec) return false;
    static std::atomic<unsigned> counter{0};
    const std::filesystem::path temp =
        file->parent_path() / ("." + name + "." + std::to_string(::getpid()) + "." +
                               std::to_string(counter.fetch_add(1)) + ".tmp");
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            std::filesystem::remove(temp, ec);
            return false;
        }
    }
    std::filesystem::rename(temp, *file, ec);
    if (ec) {
        std::filesystem::remove(temp, ec);
        return false;
    }
    return true;
}
