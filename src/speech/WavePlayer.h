#pragma once

#include <QString>

class ISoundOutput;

// Wave playback for the Hear It command: device detection and the classic
// call's three switches, passed on as what the caller intends.
class WavePlayer {
public:
    explicit WavePlayer(ISoundOutput& output) : m_output(output) {}

    // At least one wave output device.
    bool SoundEnabled() const;

    // Plays the file: at once and in the background unless Wait, repeated
    // when Repeat, and cutting off a sound that is playing only when
    // Interupt.
    void PlayWave(const QString& WaveFile, bool Wait, bool Repeat, bool Interupt) const;

private:
    ISoundOutput& m_output;
};
