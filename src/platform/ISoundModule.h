#pragma once

#include <QString>
#include <QtPlugin>
#include <functional>
#include <memory>

#include "platform/ISoundOutput.h"

// The sound module, loaded with QPluginLoader at the first sound
// (desktop/LazySoundOutput): it makes players that play one sound at a time
// through Qt Multimedia. Plain C++ across the boundary, so that the module
// carries no code of the program's own libraries.
class ISoundModule {
public:
    class Player {
    public:
        virtual ~Player() = default;
        virtual int deviceCount() = 0;
        virtual bool play(const QString& file, ISoundOutput::PlayOptions options) = 0;
        virtual void stop() = 0;
        virtual bool isPlaying() const = 0;
        // Called, on the event loop's thread, whenever a sound that play()
        // started stops: at its end, on a failure, stopped or replaced.
        virtual void setEndedHandler(std::function<void()> handler) = 0;
    };

    virtual ~ISoundModule() = default;
    // A new player, for the event loop's thread.
    virtual std::unique_ptr<Player> createPlayer() = 0;
};

#define ISoundModule_iid "org.velmor.Parlamo.ISoundModule/1"
Q_DECLARE_INTERFACE(ISoundModule, ISoundModule_iid)
