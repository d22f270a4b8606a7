#pragma once

#include <QString>

// The text work of the Hear It command: checking that the sound's name (cut
// out of the lookup page between its markers) can name a file, and the
// wave's address.
namespace SoundLookup {

// Whether name + ".wav" is one plain file name in the cache folder: not
// empty, not "." or "..", no "/" or "\", no control character (NUL
// included), and at most 255 bytes in UTF-8. Anything else could write
// outside the folder or cannot be created at all.
bool isPlainFileName(const QString& name);

// urltoplay "/" first character "/" name ".wav"; the first character is a
// whole one even outside the Basic Multilingual Plane.
QString waveAddress(const QString& urltoplay, const QString& name);

// The cache file's name for a sound.
inline QString cacheFileName(const QString& name) {
    return name + QStringLiteral(".wav");
}

}  // namespace SoundLookup
