#pragma once

#include <QString>

// The system's simple sound call: plays a wave file as the caller intends,
// and says how many wave output devices there are.
class ISoundOutput {
public:
    struct PlayOptions {
        bool wait = false;            // return only when the sound has ended
        bool loop = false;            // repeat until another sound replaces it
        bool doNotInterrupt = false;  // a sound already playing goes on; this one is dropped
        bool operator==(const PlayOptions&) const = default;
    };

    virtual ~ISoundOutput() = default;
    virtual int deviceCount() = 0;
    // A file that is missing or not a playable wave plays nothing. True when
    // the sound started (with wait, when it has been played); callers that
    // keep the classic call's silence ignore it.
    virtual bool play(const QString& file, PlayOptions options) = 0;
    // Ends the sound that is playing, if any.
    virtual void stop() = 0;
    // A sound is playing (or being loaded to play); where that cannot be
    // told, none is.
    virtual bool isPlaying() const { return false; }
};
