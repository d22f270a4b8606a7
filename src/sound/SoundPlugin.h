#pragma once

#include <QObject>
#include <memory>

#include "platform/ISoundModule.h"

// The sound module's root object, which QPluginLoader creates when the
// program loads the module at its first sound. It holds nothing itself: the
// players it makes belong to their callers and go with them.
class SoundPlugin : public QObject, public ISoundModule {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID ISoundModule_iid)
    Q_INTERFACES(ISoundModule)
public:
    std::unique_ptr<Player> createPlayer() override;
};
