#include "sound/WaveCheck.h"

#include <fcntl.h>
#include <sndfile.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QTemporaryFile>
#include <vector>

namespace {

struct SndCloser {
    void operator()(SNDFILE* f) const { sf_close(f); }
};
using SndFile = std::unique_ptr<SNDFILE, SndCloser>;

// A descriptor of the file when it is a plain file, else -1. Looked at
// before opening, since opening some devices does something by itself; then
// opened without blocking, in case something else took the name meanwhile,
// and fstat says what was really opened.
int openRegular(const QString& path) {
    const QByteArray native = QFile::encodeName(path);
    struct stat info {};
    if (::stat(native.constData(), &info) != 0 || !S_ISREG(info.st_mode)) return -1;
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return -1;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// Opens the file for reading when it passes every check; info then holds
// its format.
SndFile openPlayable(const QString& path, SF_INFO& info) {
    const int fd = openRegular(path);
    if (fd < 0) return nullptr;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || st.st_size > WaveCheck::maximumFileSize) {
        ::close(fd);
        return nullptr;
    }
    info = SF_INFO{};
    SndFile file(sf_open_fd(fd, SFM_READ, &info, SF_TRUE));  // closes fd in every case
    if (!file) return nullptr;

    const int major = info.format & SF_FORMAT_TYPEMASK;
    const int minor = info.format & SF_FORMAT_SUBMASK;
    if (major != SF_FORMAT_WAV && major != SF_FORMAT_WAVEX) return nullptr;
    switch (minor) {
        case SF_FORMAT_PCM_U8:
        case SF_FORMAT_PCM_16:
        case SF_FORMAT_PCM_24:
        case SF_FORMAT_PCM_32:
        case SF_FORMAT_FLOAT:
        case SF_FORMAT_DOUBLE:
            break;
        default:  // compressed or exotic sample formats
            return nullptr;
    }
    if (info.channels < 1 || info.channels > WaveCheck::maximumChannels) return nullptr;
    if (info.samplerate < WaveCheck::minimumRate || info.samplerate > WaveCheck::maximumRate)
        return nullptr;
    if (info.frames <= 0 || info.frames > WaveCheck::maximumSamples / info.channels) return nullptr;
    return file;
}

}  // namespace

std::optional<WaveCheck::Format> WaveCheck::inspect(const QString& path) {
    SF_INFO info{};
    if (!openPlayable(path, info)) return std::nullopt;
    return Format{info.channels, info.samplerate, static_cast<qint64>(info.frames)};
}

std::unique_ptr<QTemporaryFile> WaveCheck::playableCopy(const QString& path) {
    SF_INFO in{};
    const SndFile source = openPlayable(path, in);
    if (!source) return nullptr;

    auto copy = std::make_unique<QTemporaryFile>(QDir::tempPath() +
                                                 QStringLiteral("/parlamo-sound-XXXXXX.wav"));
    if (!copy->open()) return nullptr;
    SF_INFO out{};
    out.channels = in.channels;
    out.samplerate = in.samplerate;
    out.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    // The temporary file keeps its own descriptor; libsndfile gets a second one.
    const int fd = ::dup(copy->handle());
    if (fd < 0) return nullptr;
    SndFile target(sf_open_fd(fd, SFM_WRITE, &out, SF_TRUE));
    if (!target) return nullptr;
    // Float samples beyond full scale are clipped, not wrapped round.
    sf_command(source.get(), SFC_SET_CLIPPING, nullptr, SF_TRUE);
    sf_command(target.get(), SFC_SET_CLIPPING, nullptr, SF_TRUE);

    std::vector<short> buffer(4096 * static_cast<size_t>(in.channels));
    sf_count_t copied = 0;
    for (;;) {
        const sf_count_t got = sf_readf_short(source.get(), buffer.data(), 4096);
        if (got <= 0) break;
        if (sf_writef_short(target.get(), buffer.data(), got) != got) return nullptr;
        copied += got;
    }
    // The header may promise more than the file holds; what was there plays.
    if (copied == 0) return nullptr;
    target.reset();  // writes the final header
    return copy;
}
