#include "WaveFile.h"

namespace WaveFile {

namespace {
void put16(std::string& out, std::uint16_t v) {
    out += static_cast<char>(v & 0xff);
    out += static_cast<char>((v >> 8) & 0xff);
}
void put32(std::string& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out += static_cast<char>((v >> (8 * i)) & 0xff);
}
std::uint32_t get32(const std::string& s, std::size_t at) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(s[at + i]);
    return v;
}
std::uint16_t get16(const std::string& s, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(s[at]) |
                                      (static_cast<unsigned char>(s[at + 1]) << 8));
}
}  // namespace

std::string encode(const std::vector<std::int16_t>& samples, int sampleRate, int tailMs) {
    const std::size_t tail = static_cast<std::size_t>(sampleRate) *
                             static_cast<std::size_t>(tailMs < 0 ? 0 : tailMs) / 1000;
    const std::uint32_t dataSize = static_cast<std::uint32_t>((samples.size() + tail) * 2);
    std::string out;
    out.reserve(kHeaderSize + dataSize);
    out += "RIFF";
    put32(out, 36 + dataSize);
    out += "WAVE";
    out += "fmt ";
    put32(out, 16);  // PCM format chunk size
    put16(out, 1);   // PCM
    put16(out, 1);   // mono
    put32(out, static_cast<std::uint32_t>(sampleRate));
    put32(out, static_cast<std::uint32_t>(sampleRate) * 2);  // byte rate
    put16(out, 2);                                           // block align
    put16(out, 16);                                          // bits per sample
    out += "data";
    put32(out, dataSize);
    for (const std::int16_t s : samples) put16(out, static_cast<std::uint16_t>(s));
    out.append(tail * 2, '\0');
    return out;
}

std::optional<Format> parse(const std::string& bytes) {
    if (bytes.size() < kHeaderSize) return std::nullopt;
    if (bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "WAVE") != 0 ||
        bytes.compare(12, 4, "fmt ") != 0 || bytes.compare(36, 4, "data") != 0)
        return std::nullopt;
    if (get32(bytes, 4) != bytes.size() - 8 || get32(bytes, 16) != 16 || get16(bytes, 20) != 1)
        return std::nullopt;
    Format f;
    f.channels = get16(bytes, 22);
    f.sampleRate = static_cast<int>(get32(bytes, 24));
    f.bitsPerSample = get16(bytes, 34);
    f.dataSize = get32(bytes, 40);
    if (f.dataSize != bytes.size() - kHeaderSize) return std::nullopt;
    if (get32(bytes, 28) !=
        static_cast<std::uint32_t>(f.sampleRate * f.channels * f.bitsPerSample / 8))
        return std::nullopt;
    return f;
}

}  // namespace WaveFile
