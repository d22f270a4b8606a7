#include "platform/ISoundOutput.h"
#include "sound/QtSoundOutput.h"

// The one entry the program looks up when it loads this library.
extern "C" Q_DECL_EXPORT ISoundOutput* parlamo_create_sound_output() {
    return new QtSoundOutput;
}
