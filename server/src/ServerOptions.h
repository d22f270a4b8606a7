#pragma once

#include <filesystem>
#include <string>
#include <vector>

// Command line of parlamo-server.
struct ServerOptions {
    std::string host = "127.0.0.1";
    int port = 8780;                 // 0 picks a free port
    std::filesystem::path document;  // the service configuration document (required)
    std::filesystem::path cacheDir;  // synthesised sounds
    std::filesystem::path pagesDir;  // help and support pages
    std::filesystem::path logFile;   // empty: standard error
    int configDelayMs = 0;           // hold the document answer back (start-up screenshots)
};

struct ServerOptionsResult {
    bool ok = false;
    bool helpRequested = false;
    std::string error;  // when !ok and !helpRequested
    ServerOptions options;
};

// args without the program name. Defaults: pages beside the document, the cache
// in $CACHE_DIRECTORY (systemd's), else under $XDG_CACHE_HOME (or ~/.cache)/parlamo-server.
ServerOptionsResult parseServerOptions(const std::vector<std::string>& args);
std::string serverUsage();
