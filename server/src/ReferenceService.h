#pragma once

#include <httplib.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "RequestLog.h"
#include "ServiceDocument.h"
#include "SoundCache.h"
#include "SpeechSynthesizer.h"

// The HTTP side: the configuration document, the pronunciation service of
// the document's Wav element, and the static help pages.
class ReferenceService {
public:
    struct Settings {
        std::filesystem::path pagesDir;
        std::filesystem::path cacheDir;
        int configDelayMs = 0;
    };

    ReferenceService(ServiceDocument document, Settings settings, SpeechSynthesizer& synthesizer,
                     RequestLog& log);
    ReferenceService(const ReferenceService&) = delete;
    ReferenceService& operator=(const ReferenceService&) = delete;

    // Cache folder and voice; false with a reason when the service cannot run.
    bool prepare(std::string& error);
    // Port 0 picks a free port; port() tells which.
    bool bind(const std::string& host, int port, std::string& error);
    // Serves on a listening socket opened by someone else (systemd). stop()
    // then leaves it listening: connections that arrive meanwhile wait in its
    // queue for the next start.
    bool adopt(int listeningSocket, std::string& error);
    int port() const { return m_port; }
    bool run();  // blocks until stop()
    void stop();
    bool isRunning() const { return m_server.is_running(); }

    static constexpr const char* kConfigPath = "/translator/3/config.asp";
    static constexpr std::uintmax_t kMaxPageSize = 4 * 1024 * 1024;
    // A whole translation spoken: /speak?voice=V&text=T answers a wave file.
    static constexpr const char* kSpeakPath = "/speak";
    static constexpr int kMaxSpeakSeconds = 90;
    // The voices /speak accepts (when eSpeak NG has them).
    static const std::vector<std::string>& speakVoices();

private:
    enum class SoundState { Ok, Busy, Unknown };
    struct Sound {
        SoundState state = SoundState::Unknown;
        std::string wave;
    };

    void route(const httplib::Request& req, httplib::Response& res);
    void answerConfig(const httplib::Request& req, httplib::Response& res);
    void answerLookup(const std::string& word, httplib::Response& res);
    bool answerPlay(const std::string& rest, httplib::Response& res);
    bool answerPage(const std::string& path, httplib::Response& res);
    void answerSpeak(const httplib::Request& req, httplib::Response& res);
    void logRequest(const httplib::Request& req, const httplib::Response& res);
    Sound sound(const std::string& name);

    static void plain(httplib::Response& res, int status, const std::string& text);

    ServiceDocument m_document;
    Settings m_settings;
    SpeechSynthesizer& m_synthesizer;
    RequestLog& m_log;
    SoundCache m_cache;
    std::map<std::string, SoundCache> m_speakCaches;  // by voice, made in the constructor
    // httplib's server, able to serve on a socket it did not open.
    class Server : public httplib::Server {
    public:
        void adopt(int fd) { svr_sock_ = fd; }
        // Ends the accept loop at its next idle wake-up without shutting the
        // socket down: a shutdown would stop it listening for its owner too.
        void release() { svr_sock_ = INVALID_SOCKET; }
    };

    Server m_server;
    int m_port = 0;
    bool m_adopted = false;
};
