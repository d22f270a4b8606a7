#pragma once

#include <QObject>
#include <QString>

// The system's simple sound call: plays a wave file as the caller intends,
// and says how many wave output devices there are. play() never waits for
// the sound: ended() says when it is over.
class ISoundOutput : public QObject {
    Q_OBJECT
public:
    struct PlayOptions {
        bool wait = false;            // the caller waits for ended(): never looped
        bool loop = false;            // repeat until another sound replaces it
        bool doNotInterrupt = false;  // a sound already playing goes on; this one is dropped
        bool operator==(const PlayOptions&) const = default;
    };

    using QObject::QObject;
    virtual int deviceCount() = 0;
    // A file that is missing or not a playable wave plays nothing. True when
    // the sound started; callers that keep the classic call's silence ignore
    // it.
    virtual bool play(const QString& file, PlayOptions options) = 0;
    // Ends the sound that is playing, if any.
    virtual void stop() = 0;
    // A sound is playing (or being loaded to play); where that cannot be
    // told, none is.
    virtual bool isPlaying() const { return false; }
    // Why no sound can be played here at all (the sound module could not be
    // loaded), for the status line; empty when sound works or before it was
    // first needed.
    virtual QString unavailable() const { return QString(); }

signals:
    // A sound that play() started has stopped: played to its end, failed,
    // stopped, or replaced by another.
    void ended();
};
