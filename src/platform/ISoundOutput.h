#pragma once

#include <QString>

// The system's simple sound call: plays a wave file with the classic flag
// word, and says how many wave output devices there are.
class ISoundOutput {
public:
    // Flags of play(), with their classic values.
    static constexpr unsigned SND_SYNC = 0x0000;       // return when the sound has ended
    static constexpr unsigned SND_ASYNC = 0x0001;      // start it and return at once
    static constexpr unsigned SND_NODEFAULT = 0x0002;  // no fallback sound when it fails
    static constexpr unsigned SND_LOOP = 0x0008;       // repeat until another sound
    static constexpr unsigned SND_NOSTOP = 0x0010;     // leave a playing sound alone

    virtual ~ISoundOutput() = default;
    virtual int deviceCount() = 0;
    // Plays the file as the flags say; a file that is missing or not a
    // playable wave plays nothing, and nothing is reported.
    virtual void play(const QString& file, unsigned flags) = 0;
};
