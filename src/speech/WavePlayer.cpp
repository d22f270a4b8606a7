#include "speech/WavePlayer.h"

#include "platform/ISoundOutput.h"

bool WavePlayer::SoundEnabled() const {
    return m_output.deviceCount() > 0;
}

void WavePlayer::PlayWave(const QString& WaveFile, bool Wait, bool Repeat, bool Interupt) const {
    ISoundOutput::PlayOptions options;
    options.wait = Wait;
    options.loop = Repeat;
    options.doNotInterrupt = !Interupt;
    (void)m_output.play(WaveFile, options);  // the classic call's answer is not passed on
}
