#include "speech/WavePlayer.h"

#include "platform/ISoundOutput.h"

bool WavePlayer::SoundEnabled() const {
    return m_output && m_output->deviceCount() > 0;
}

unsigned WavePlayer::playFlags(bool Wait, bool Repeat, bool Interupt) {
    unsigned flags = ISoundOutput::SND_NODEFAULT;
    if (!Wait) flags |= ISoundOutput::SND_ASYNC;
    if (Repeat) flags |= ISoundOutput::SND_LOOP;
    if (!Interupt) flags |= ISoundOutput::SND_NOSTOP;
    return flags;
}

void WavePlayer::PlayWave(const QString& WaveFile, bool Wait, bool Repeat, bool Interupt) const {
    if (!m_output) return;
    m_output->play(WaveFile, playFlags(Wait, Repeat, Interupt));
}
