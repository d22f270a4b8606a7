#pragma once

#include <QByteArray>
#include <QtEndian>
#include <cmath>

// Wave files made byte by byte, good and hostile, for the sound tests.
namespace WaveBytes {

template <typename T>
void put(QByteArray& out, T value) {
    char bytes[sizeof(T)];
    qToLittleEndian(value, bytes);
    out.append(bytes, sizeof(T));
}

// A RIFF/WAVE file with one fmt chunk as given and a data chunk of a quiet
// tone, 0.2 s at 22050 frames a second whatever the header says, then
// silentFrames of silence (Qt's sound effect drops the last moment).
inline QByteArray wave(quint16 tag, quint16 channels, quint32 rate, quint16 bits,
                       quint32 fmtSize = 16, int frames = 4410, int silentFrames = 0) {
    const int bytesPerFrame = channels * ((bits + 7) / 8);
    QByteArray data;
    for (int i = 0; i < frames * bytesPerFrame; ++i)
        data.append(static_cast<char>(64 * std::sin(i * 0.3)));
    data.append(QByteArray(qsizetype(silentFrames) * bytesPerFrame, '\0'));
    QByteArray fmt;
    put<quint16>(fmt, tag);
    put<quint16>(fmt, channels);
    put<quint32>(fmt, rate);
    put<quint32>(fmt, rate * bytesPerFrame);
    put<quint16>(fmt, bytesPerFrame);
    put<quint16>(fmt, bits);
    fmt = fmt.left(fmtSize);
    QByteArray out = "RIFF";
    put<quint32>(out, 4 + 8 + fmt.size() + 8 + data.size());
    out += "WAVEfmt ";
    put<quint32>(out, fmt.size());
    out += fmt + "data";
    put<quint32>(out, data.size());
    return out + data;
}

}  // namespace WaveBytes
