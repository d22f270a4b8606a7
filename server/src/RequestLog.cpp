#include "RequestLog.h"

#include <cerrno>
#include <cstring>
#include <ctime>

RequestLog::RequestLog() : m_file(stderr) {}

RequestLog::~RequestLog() {
    if (m_owned) std::fclose(m_file);
}

bool RequestLog::open(const std::filesystem::path& file, std::string& error) {
    std::FILE* f = std::fopen(file.c_str(), "a");
    if (!f) {
        error = "cannot open the log " + file.string() + ": " + std::strerror(errno);
        return false;
    }
    std::lock_guard lock(m_mutex);
    if (m_owned) std::fclose(m_file);
    m_file = f;
    m_owned = true;
    return true;
}

void RequestLog::write(const std::string& line) {
    char stamp[32] = {};
    const std::time_t now = std::time(nullptr);
    std::tm tm{};
    gmtime_r(&now, &tm);
    std::strftime(stamp, sizeof stamp, "%Y-%m-%dT%H:%M:%SZ", &tm);
    std::lock_guard lock(m_mutex);
    std::fprintf(m_file, "%s %s\n", stamp, line.c_str());
    std::fflush(m_file);
}

std::string RequestLog::printable(std::string_view text, std::size_t limit) {
    static const char* const hex = "0123456789abcdef";
    std::string out;
    const bool cut = text.size() > limit;
    if (cut) text = text.substr(0, limit);
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += ch;
        } else if (c < 0x20 || c >= 0x7f) {
            out += "\\x";
            out += hex[c >> 4];
            out += hex[c & 15];
        } else {
            out += ch;
        }
    }
    if (cut) out += "...";
    return out;
}
