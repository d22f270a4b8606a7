#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

// Words to samples through libespeak-ng. The library keeps global state and is
// not thread-safe, so every call into it is serialised; callers beyond
// `maxPending` (the running one included) are turned away instead of queueing
// without bound.
class SpeechSynthesizer {
public:
    enum class Status { Ok, Busy, Failed };
    struct Result {
        Status status = Status::Failed;
        std::vector<std::int16_t> samples;
    };

    explicit SpeechSynthesizer(int maxPending = 4);
    SpeechSynthesizer(const SpeechSynthesizer&) = delete;
    SpeechSynthesizer& operator=(const SpeechSynthesizer&) = delete;

    // Loads the library once per process; false (with a reason) when it cannot.
    bool initialize(std::string& error);
    bool hasVoice(const std::string& voice);
    int sampleRate() const;

    // Ok only when the text produced audible samples, at most `maxSeconds`
    // of them.
    Result synthesize(const std::string& text, const std::string& voice,
                      int maxSeconds = kMaxSeconds);

    static constexpr int kMaxSeconds = 20;  // of speech for one word

private:
    int m_maxPending;
    std::atomic<int> m_pending{0};
};
