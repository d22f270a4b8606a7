#include "ServerOptions.h"

#include <charconv>
#include <cstdlib>

namespace {

bool parseInt(const std::string& text, int min, int max, int& out) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end || value < min || value > max) return false;
    out = value;
    return true;
}

std::filesystem::path defaultCacheDir() {
    // Set by systemd for a service with CacheDirectory= (several are
    // separated by colons; the first is ours).
    if (const char* given = std::getenv("CACHE_DIRECTORY"); given && *given) {
        const std::string first = std::string(given).substr(0, std::string(given).find(':'));
        if (!first.empty()) return first;
    }
    if (const char* xdg = std::getenv("XDG_CACHE_HOME"); xdg && *xdg)
        return std::filesystem::path(xdg) / "parlamo-server";
    if (const char* home = std::getenv("HOME"); home && *home)
        return std::filesystem::path(home) / ".cache" / "parlamo-server";
    return std::filesystem::temp_directory_path() / "parlamo-server-cache";
}

}  // namespace

std::string serverUsage() {
    return "usage: parlamo-server [options] DOCUMENT\n"
           "  DOCUMENT               service configuration document answered at\n"
           "                         /translator/3/config.asp\n"
           "  --host HOST            address to listen on (default 127.0.0.1)\n"
           "  --port PORT            port (default 8780; 0 picks a free one)\n"
           "  --cache DIR            folder for synthesised sounds (default\n"
           "                         $CACHE_DIRECTORY, else $XDG_CACHE_HOME/parlamo-server)\n"
           "  --pages DIR            folder of the help pages (default: the document's folder)\n"
           "  --log FILE             append the request log to FILE (default: standard error)\n"
           "  --config-delay MS      answer the document only after MS milliseconds\n"
           "Started by systemd's socket activation, it serves the socket passed and\n"
           "ignores --host and --port.\n";
}

ServerOptionsResult parseServerOptions(const std::vector<std::string>& args) {
    ServerOptionsResult result;
    ServerOptions& o = result.options;
    auto fail = [&](std::string message) {
        result.ok = false;
        result.error = std::move(message);
        return result;
    };

    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string arg = args[i];
        std::string value;
        bool hasInlineValue = false;
        if (arg.rfind("--", 0) == 0) {
            if (const auto eq = arg.find('='); eq != std::string::npos) {
                value = arg.substr(eq + 1);
                arg = arg.substr(0, eq);
                hasInlineValue = true;
            }
        }
        auto takeValue = [&]() -> bool {
            if (hasInlineValue) return true;
            if (i + 1 >= args.size()) return false;
            value = args[++i];
            return true;
        };

        if (arg == "-h" || arg == "--help") {
            result.helpRequested = true;
            return result;
        } else if (arg == "--host") {
            if (!takeValue() || value.empty()) return fail("--host needs an address");
            o.host = value;
        } else if (arg == "--port") {
            if (!takeValue() || !parseInt(value, 0, 65535, o.port))
                return fail("--port needs a number from 0 to 65535");
        } else if (arg == "--cache") {
            if (!takeValue() || value.empty()) return fail("--cache needs a folder");
            o.cacheDir = value;
        } else if (arg == "--pages") {
            if (!takeValue() || value.empty()) return fail("--pages needs a folder");
            o.pagesDir = value;
        } else if (arg == "--log") {
            if (!takeValue() || value.empty()) return fail("--log needs a file");
            o.logFile = value;
        } else if (arg == "--config-delay") {
            if (!takeValue() || !parseInt(value, 0, 60000, o.configDelayMs))
                return fail("--config-delay needs milliseconds from 0 to 60000");
        } else if (arg.size() > 1 && arg[0] == '-') {
            return fail("unknown option " + arg);
        } else if (o.document.empty()) {
            o.document = arg;
        } else {
            return fail("only one document can be served");
        }
    }

    if (o.document.empty()) return fail("the configuration document is required");
    if (o.cacheDir.empty()) o.cacheDir = defaultCacheDir();
    if (o.pagesDir.empty()) {
        o.pagesDir = o.document.parent_path();
        if (o.pagesDir.empty()) o.pagesDir = ".";
    }
    result.ok = true;
    return result;
}
