#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// 16-bit mono PCM in a RIFF/WAVE container.
namespace WaveFile {

inline constexpr std::size_t kHeaderSize = 44;

// The file for `samples` at `sampleRate`, with `tailMs` of silence appended:
// Qt's sound effect player drops the last ~0.12 s of a file, so a word needs
// a quiet tail to be heard whole.
std::string encode(const std::vector<std::int16_t>& samples, int sampleRate, int tailMs);

struct Format {
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    std::uint32_t dataSize = 0;
};
// The format of a canonical 44-byte-header file whose sizes agree with its
// length; nullopt otherwise.
std::optional<Format> parse(const std::string& bytes);

}  // namespace WaveFile
