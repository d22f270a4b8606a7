#include "sound/SoundPlugin.h"

#include "sound/QtSoundOutput.h"

std::unique_ptr<ISoundModule::Player> SoundPlugin::createPlayer() {
    return std::make_unique<QtSoundOutput>();
}
