#pragma once

#include <QString>
#include <memory>
#include <optional>

class QTemporaryFile;

// Decides with libsndfile whether a file is a wave file that the sound output
// can play, before any of it reaches the output. The output's own reader
// trusts the header: a rate of a few hertz there ends the program.
class WaveCheck {
public:
    // What the sound output accepts.
    static constexpr int minimumRate = 8000;
    static constexpr int maximumRate = 192000;
    static constexpr int maximumChannels = 8;
    static constexpr qint64 maximumFileSize = qint64(64) * 1024 * 1024;
    static constexpr qint64 maximumSamples = qint64(32) * 1024 * 1024;  // over all channels

    struct Format {
        int channels = 0;
        int rate = 0;
        qint64 frames = 0;
    };

    // The format of a playable wave file: a regular file holding RIFF/WAVE
    // with PCM or float samples, within the limits above and not empty.
    // Nothing for anything else.
    static std::optional<Format> inspect(const QString& path);

    // A playable file copied as plain 16-bit PCM by libsndfile to a temporary
    // file, which is what the output gets: it then never reads a header of the
    // server's making. Nothing when the file is not playable.
    static std::unique_ptr<QTemporaryFile> playableCopy(const QString& path);
};
