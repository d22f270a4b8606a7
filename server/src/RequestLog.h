#pragma once

#include <cstdio>
#include <filesystem>
#include <mutex>
#include <string>
#include <string_view>

// One line per request, to standard error or appended to a file. Values that
// come from clients are made printable and cut short first, so a request can
// neither forge lines nor flood the log.
class RequestLog {
public:
    RequestLog();  // standard error
    ~RequestLog();
    RequestLog(const RequestLog&) = delete;
    RequestLog& operator=(const RequestLog&) = delete;

    bool open(const std::filesystem::path& file, std::string& error);
    void write(const std::string& line);

    // Control and non-ASCII bytes as \xHH, quotes and backslashes escaped,
    // at most `limit` bytes of input.
    static std::string printable(std::string_view text, std::size_t limit = 256);

private:
    std::mutex m_mutex;
    std::FILE* m_file;
    bool m_owned = false;
};
