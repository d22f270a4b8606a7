#pragma once

#include <QString>

class ISoundOutput;

// Wave playback for the Hear It command: device detection and the flag word
// of the classic sound call.
class WavePlayer {
public:
    explicit WavePlayer(ISoundOutput* output) : m_output(output) {}

    // At least one wave output device.
    bool SoundEnabled() const;

    // Plays the file: at once and in the background unless Wait, repeated
    // when Repeat, and cutting off a sound that is playing only when
    // Interupt.
    void PlayWave(const QString& WaveFile, bool Wait, bool Repeat, bool Interupt) const;

    static unsigned playFlags(bool Wait, bool Repeat, bool Interupt);

private:
    ISoundOutput* m_output;
};
