#include "SpeechSynthesizer.h"

#include <espeak-ng/speak_lib.h>

#include <algorithm>
#include <mutex>

namespace {

// The library's one instance, shared by every synthesizer object.
struct Engine {
    std::mutex mutex;
    bool initialized = false;
    int sampleRate = 0;
};
Engine& engine() {
    static Engine e;
    return e;
}

struct Collector {
    std::vector<std::int16_t>* samples;
    std::size_t limit;
    bool overflow = false;
};

int collect(short* wav, int count, espeak_EVENT* events) {
    auto* c = events ? static_cast<Collector*>(events->user_data) : nullptr;
    if (!c || !wav || count <= 0) return 0;
    if (c->samples->size() + static_cast<std::size_t>(count) > c->limit) {
        c->overflow = true;
        return 1;  // stop synthesis
    }
    c->samples->insert(c->samples->end(), wav, wav + count);
    return 0;
}

}  // namespace

SpeechSynthesizer::SpeechSynthesizer(int maxPending) : m_maxPending(std::max(1, maxPending)) {}

bool SpeechSynthesizer::initialize(std::string& error) {
    Engine& e = engine();
    std::lock_guard lock(e.mutex);
    if (e.initialized) return true;
    const int rate =
        espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 500, nullptr, espeakINITIALIZE_DONT_EXIT);
    if (rate <= 0) {
        error = "libespeak-ng could not be initialised (is espeak-ng-data installed?)";
        return false;
    }
    espeak_SetSynthCallback(collect);
    e.sampleRate = rate;
    e.initialized = true;
    return true;
}

int SpeechSynthesizer::sampleRate() const {
    return engine().sampleRate;
}

bool SpeechSynthesizer::hasVoice(const std::string& voice) {
    Engine& e = engine();
    std::lock_guard lock(e.mutex);
    return e.initialized && espeak_SetVoiceByName(voice.c_str()) == EE_OK;
}

SpeechSynthesizer::Result SpeechSynthesizer::synthesize(const std::string& text,
                                                        const std::string& voice, int maxSeconds) {
    Result result;
    if (m_pending.fetch_add(1) >= m_maxPending) {
        m_pending.fetch_sub(1);
        result.status = Status::Busy;
        return result;
    }
    struct Release {
        std::atomic<int>& n;
        ~Release() { n.fetch_sub(1); }
    } release{m_pending};

    Engine& e = engine();
    std::lock_guard lock(e.mutex);
    if (!e.initialized || text.empty()) return result;
    if (espeak_SetVoiceByName(voice.c_str()) != EE_OK) return result;

    Collector collector{&result.samples, static_cast<std::size_t>(e.sampleRate) *
                                             static_cast<std::size_t>(std::max(1, maxSeconds))};
    const espeak_ERROR rc = espeak_Synth(text.c_str(), text.size() + 1, 0, POS_CHARACTER, 0,
                                         espeakCHARS_UTF8, nullptr, &collector);
    if (rc != EE_OK || collector.overflow) {
        result.samples.clear();
        return result;
    }
    const bool audible = std::any_of(result.samples.begin(), result.samples.end(),
                                     [](std::int16_t s) { return s != 0; });
    if (!audible) {
        result.samples.clear();
        return result;
    }
    result.status = Status::Ok;
    return result;
}
