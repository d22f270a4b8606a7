#include "ReferenceService.h"

#include "LookupPage.h"
#include "SoundName.h"
#include "WaveFile.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fstream>
#include <iterator>
#include <thread>

namespace {

constexpr int kTailMs = 300;

bool isPageName(const std::string& name) {
    if (name.empty() || name.size() > 100) return false;
    const auto ok = [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
               c == '_' || c == '-' || c == '.';
    };
    if (name[0] == '.' || name.find("..") != std::string::npos) return false;
    for (const char c : name)
        if (!ok(c)) return false;
    return true;
}

const char* pageType(const std::filesystem::path& file) {
    const std::string ext = file.extension().string();
    if (ext == ".html" || ext == ".htm") return "text/html; charset=utf-8";
    if (ext == ".css") return "text/css; charset=utf-8";
    if (ext == ".txt") return "text/plain; charset=utf-8";
    if (ext == ".png") return "image/png";
    if (ext == ".svg") return "image/svg+xml";
    return nullptr;
}

}  // namespace

ReferenceService::ReferenceService(ServiceDocument document, Settings settings,
                                   SpeechSynthesizer& synthesizer, RequestLog& log)
    : m_document(std::move(document)),
      m_settings(std::move(settings)),
      m_synthesizer(synthesizer),
      m_log(log),
      m_cache(m_settings.cacheDir, m_document.wav().voice) {
    // Read-only after construction, so the worker threads share it freely.
    for (const std::string& voice : speakVoices())
        m_speakCaches.emplace(voice, SoundCache(m_settings.cacheDir / "speak", voice));
    m_server.Get(".*",
                 [this](const httplib::Request& req, httplib::Response& res) { route(req, res); });
    m_server.set_logger([this](const httplib::Request& req, const httplib::Response& res) {
        logRequest(req, res);
    });
    m_server.set_payload_max_length(64 * 1024);
    // Short waits on idle connections: each holds one of the few worker
    // threads, and a stop waits for them.
    m_server.set_read_timeout(3);
    m_server.set_keep_alive_timeout(2);
    m_server.set_write_timeout(10);
}

const std::vector<std::string>& ReferenceService::speakVoices() {
    static const std::vector<std::string> voices{"en", "en-us", "es", "ca", "fr", "de", "it", "pt"};
    return voices;
}

bool ReferenceService::prepare(std::string& error) {
    if (!m_document.wav().enabled) {
        // Speech is then only for /speak, which says so when it is missing.
        std::string ignored;
        m_synthesizer.initialize(ignored);
        return true;
    }
    if (!m_synthesizer.initialize(error)) return false;
    if (!m_synthesizer.hasVoice(m_document.wav().voice)) {
        error = "espeak-ng has no voice \"" + m_document.wav().voice + "\"";
        return false;
    }
    return m_cache.prepare(error);
}

bool ReferenceService::bind(const std::string& host, int port, std::string& error) {
    if (port == 0) {
        m_port = m_server.bind_to_any_port(host);
        if (m_port > 0) return true;
    } else if (m_server.bind_to_port(host, port)) {
        m_port = port;
        return true;
    }
    error = "cannot listen on " + host + ":" + std::to_string(port) +
            " (in use, or not an address of this machine)";
    return false;
}

bool ReferenceService::adopt(int listeningSocket, std::string& error) {
    sockaddr_storage address{};
    socklen_t length = sizeof address;
    if (::getsockname(listeningSocket, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        error = std::string("cannot use the socket passed: ") + std::strerror(errno);
        return false;
    }
    if (address.ss_family == AF_INET)
        m_port = ntohs(reinterpret_cast<const sockaddr_in*>(&address)->sin_port);
    else if (address.ss_family == AF_INET6)
        m_port = ntohs(reinterpret_cast<const sockaddr_in6*>(&address)->sin6_port);
    m_server.adopt(listeningSocket);
    // The accept loop wakes this often to see whether it was released.
    m_server.set_idle_interval(0, 200 * 1000);
    m_adopted = true;
    return true;
}

bool ReferenceService::run() {
    return m_server.listen_after_bind();
}

void ReferenceService::stop() {
    if (m_adopted)
        m_server.release();
    else
        m_server.stop();
}

void ReferenceService::plain(httplib::Response& res, int status, const std::string& text) {
    res.status = status;
    res.set_content(text + "\n", "text/plain; charset=utf-8");
}

void ReferenceService::route(const httplib::Request& req, httplib::Response& res) {
    const std::string& path = req.path;
    if (path == kConfigPath) return answerConfig(req, res);
    if (path == kSpeakPath) return answerSpeak(req, res);

    const WavContract& wav = m_document.wav();
    if (wav.enabled) {
        if (!wav.wordParameter.empty() && path == wav.lookupPath) {
            if (!req.has_param(wav.wordParameter.c_str()))
                return plain(res, 400, "missing " + wav.wordParameter);
            return answerLookup(req.get_param_value(wav.wordParameter.c_str()), res);
        }
        if (wav.wordParameter.empty() && path.size() > wav.lookupPath.size() &&
            path.compare(0, wav.lookupPath.size(), wav.lookupPath) == 0)
            return answerLookup(path.substr(wav.lookupPath.size()), res);
        const std::string playPrefix = wav.playPath + "/";
        if (path.compare(0, playPrefix.size(), playPrefix) == 0 &&
            answerPlay(path.substr(playPrefix.size()), res))
            return;
    }
    if (answerPage(path, res)) return;
    plain(res, 404, "not found");
}

void ReferenceService::answerConfig(const httplib::Request&, httplib::Response& res) {
    if (m_settings.configDelayMs > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(m_settings.configDelayMs));
    res.status = 200;
    res.set_content(m_document.bytes(), "text/xml");
}

void ReferenceService::answerLookup(const std::string& word, httplib::Response& res) {
    const WavContract& wav = m_document.wav();
    if (word.size() > SoundName::kMaxWordLength) return plain(res, 400, "word too long");
    const auto name = SoundName::forWord(word);
    auto noSound = [&] {
        res.status = 404;
        res.set_content(LookupPage::withoutSound(word, wav), "text/html; charset=utf-8");
    };
    if (!name) return noSound();
    const Sound s = sound(*name);
    if (s.state == SoundState::Busy) {
        res.set_header("Retry-After", "1");
        return plain(res, 503, "busy, try again");
    }
    if (s.state != SoundState::Ok) return noSound();
    const auto page = LookupPage::withSound(*name, wav);
    if (!page) return noSound();
    res.status = 200;
    res.set_content(*page, "text/html; charset=utf-8");
}

bool ReferenceService::answerPlay(const std::string& rest, httplib::Response& res) {
    // rest is "<first char>/<name>.wav"
    const std::size_t slash = rest.find('/');
    if (slash != 1) return false;
    std::string file = rest.substr(2);
    constexpr std::string_view ext = ".wav";
    if (file.size() <= ext.size() || file.compare(file.size() - ext.size(), ext.size(), ext) != 0)
        return false;
    const std::string name = file.substr(0, file.size() - ext.size());
    if (!SoundName::isValid(name) || name[0] != rest[0]) return false;
    const Sound s = sound(name);
    if (s.state == SoundState::Busy) {
        res.set_header("Retry-After", "1");
        plain(res, 503, "busy, try again");
        return true;
    }
    if (s.state != SoundState::Ok) return false;
    res.status = 200;
    res.set_content(s.wave, "audio/wav");
    return true;
}

bool ReferenceService::answerPage(const std::string& path, httplib::Response& res) {
    if (path.size() < 2 || path[0] != '/') return false;
    const std::string name = path.substr(1);
    if (!isPageName(name)) return false;
    const std::filesystem::path file = m_settings.pagesDir / name;
    const char* type = pageType(file);
    std::error_code ec;
    if (!type || !std::filesystem::is_regular_file(file, ec)) return false;
    const auto size = std::filesystem::file_size(file, ec);
    if (ec || size > kMaxPageSize) return false;
    std::ifstream in(file, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return false;
    res.status = 200;
    res.set_content(bytes, type);
    return true;
}

void ReferenceService::answerSpeak(const httplib::Request& req, httplib::Response& res) {
    if (!req.has_param("voice") || !req.has_param("text"))
        return plain(res, 400, "voice and text are required");
    const std::string voice = req.get_param_value("voice");
    const auto cache = m_speakCaches.find(voice);
    if (cache == m_speakCaches.end() || !m_synthesizer.hasVoice(voice))
        return plain(res, 404, "no such voice");
    const std::string text = req.get_param_value("text");
    const auto name = SoundName::forText(text);
    if (!name) return plain(res, 400, "the text must be UTF-8, 1 to 1000 bytes");

    std::string wave;
    if (auto cached = cache->second.read(*name)) {
        wave = std::move(*cached);
    } else {
        const auto r = m_synthesizer.synthesize(text, voice, kMaxSpeakSeconds);
        if (r.status == SpeechSynthesizer::Status::Busy) {
            res.set_header("Retry-After", "1");
            return plain(res, 503, "busy, try again");
        }
        if (r.status != SpeechSynthesizer::Status::Ok) return plain(res, 404, "nothing to speak");
        wave = WaveFile::encode(r.samples, m_synthesizer.sampleRate(), kTailMs);
        cache->second.store(*name, wave);
    }
    res.status = 200;
    res.set_content(wave, "audio/wav");
}

ReferenceService::Sound ReferenceService::sound(const std::string& name) {
    Sound s;
    if (auto cached = m_cache.read(name)) {
        s.state = SoundState::Ok;
        s.wave = std::move(*cached);
        return s;
    }
    const auto r = m_synthesizer.synthesize(name, m_document.wav().voice);
    if (r.status == SpeechSynthesizer::Status::Busy) {
        s.state = SoundState::Busy;
        return s;
    }
    if (r.status != SpeechSynthesizer::Status::Ok) return s;
    s.wave = WaveFile::encode(r.samples, m_synthesizer.sampleRate(), kTailMs);
    s.state = SoundState::Ok;
    // A cache that cannot be written costs speed only: the sound is served anyway.
    m_cache.store(name, s.wave);
    return s;
}

void ReferenceService::logRequest(const httplib::Request& req, const httplib::Response& res) {
    std::string line = req.remote_addr + " " + RequestLog::printable(req.method, 16) + " \"" +
                       RequestLog::printable(req.target, 512) + "\" " + std::to_string(res.status);
    if (req.path == kConfigPath) {
        for (const char* key : {"uid", "version", "installdate"}) {
            line += " ";
            line += key;
            if (req.has_param(key))
                line += "=\"" + RequestLog::printable(req.get_param_value(key), 128) + "\"";
            else
                line += "=(absent)";
        }
    }
    m_log.write(line);
}
