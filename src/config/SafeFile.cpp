#include "config/SafeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <algorithm>
#include <cerrno>

namespace {

constexpr int kSuffixLength = 6;

SafeFile::Status statusOfErrno(int error) {
    return error == ENOENT || error == ENOTDIR ? SafeFile::Status::Missing
                                               : SafeFile::Status::Failed;
}

// The temporary names of atomic writes: the final name, a dot and six letters
// or digits (the form the save files of the toolkit use as well).
QString temporaryName(const QString& path) {
    static const char alphabet[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QString out = path + QLatin1Char('.');
    for (int i = 0; i < kSuffixLength; ++i)
        out += QLatin1Char(alphabet[QRandomGenerator::global()->bounded(62)]);
    return out;
}

bool isTemporarySuffix(QStringView suffix) {
    if (suffix.size() != kSuffixLength) return false;
    bool lowerOnly = true;
    for (const QChar c : suffix) {
        const bool lower = c >= QLatin1Char('a') && c <= QLatin1Char('z');
        if (!(lower || c.isDigit() || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))))
            return false;
        lowerOnly = lowerOnly && lower;
    }
    // A lower-case word ("3.ini.backup") is a name somebody chose, not one of
    // ours: the random suffixes almost always hold a capital or a digit.
    return !lowerOnly;
}

bool writeAll(int fd, QByteArrayView bytes) {
    const char* p = bytes.constData();
    qint64 left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, static_cast<size_t>(left));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        p += n;
        left -= n;
    }
    return true;
}

}  // namespace

int SafeFile::openRegular(const QString& path, Status* status) {
    Status dummy;
    Status& st = status ? *status : dummy;
    const QByteArray native = QFile::encodeName(path);
    struct stat info {};
    // Look before opening: opening some devices does something by itself.
    if (::stat(native.constData(), &info) != 0) {
        st = statusOfErrno(errno);
        return -1;
    }
    if (!S_ISREG(info.st_mode)) {
        st = Status::NotRegular;
        return -1;
    }
    // Non-blocking, in case something else took the name meanwhile; fstat
    // then says what was really opened.
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        st = statusOfErrno(errno);
        return -1;
    }
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        st = Status::NotRegular;
        return -1;
    }
    st = Status::Ok;
    return fd;
}

SafeFile::ReadResult SafeFile::readRegular(const QString& path, qint64 maxSize) {
    ReadResult result;
    const int fd = openRegular(path, &result.status);
    if (fd < 0) return result;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || info.st_size > maxSize) {
        result.status = Status::TooLarge;
        ::close(fd);
        return result;
    }
    // Read one byte more than allowed: a file that grows meanwhile is still
    // caught.
    QByteArray bytes(static_cast<qsizetype>(info.st_size) + 1, Qt::Uninitialized);
    qint64 got = 0;
    for (;;) {
        if (got == bytes.size()) {
            if (got > maxSize) break;
            bytes.resize(std::min<qint64>(bytes.size() * 2, maxSize + 1));
        }
        const ssize_t n = ::read(fd, bytes.data() + got, static_cast<size_t>(bytes.size() - got));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            result.status = Status::Failed;
            ::close(fd);
            return result;
        }
        if (n == 0) break;
        got += n;
    }
    ::close(fd);
    if (got > maxSize) {
        result.status = Status::TooLarge;
        return result;
    }
    bytes.truncate(got);
    result.bytes = bytes;
    result.status = Status::Ok;
    return result;
}

namespace {
// A new temporary beside absolute: its descriptor, or -1.
int createTemporary(const QString& absolute, QString* temporary) {
    int fd = -1;
    for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
        *temporary = temporaryName(absolute);
        // O_EXCL with O_CREAT never follows a link; the mode goes through the
        // umask like any new file's.
        fd = ::open(QFile::encodeName(*temporary).constData(),
                    O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd < 0 && errno != EEXIST) return -1;
    }
    return fd;
}
}  // namespace

SafeFile::Writer::Writer(const QString& path) : m_path(QFileInfo(path).absoluteFilePath()) {
    m_fd = createTemporary(m_path, &m_temporary);
}

SafeFile::Writer::~Writer() {
    if (m_fd < 0) return;
    ::close(m_fd);
    ::unlink(QFile::encodeName(m_temporary).constData());
}

bool SafeFile::Writer::write(QByteArrayView bytes) {
    return m_fd >= 0 && writeAll(m_fd, bytes);
}

QString SafeFile::Writer::commit() {
    if (m_fd < 0) return QString();
    const QByteArray nativeTemporary = QFile::encodeName(m_temporary);
    const QByteArray nativePath = QFile::encodeName(m_path);
    bool ok = ::close(m_fd) == 0;
    // Not a rename over the old file: file systems such as ext4 take that for
    // a replacement that must survive a crash and write the whole new file
    // out before the rename returns, which for a large download takes as
    // long as the download itself. unlink() removes a link, never its target.
    if (ok) ::unlink(nativePath.constData());
    ok = ok && ::rename(nativeTemporary.constData(), nativePath.constData()) == 0;
    m_fd = -1;
    if (!ok) ::unlink(nativeTemporary.constData());
    return ok ? m_path : QString();
}

bool SafeFile::replaceWithoutFollowing(const QString& path, const QByteArray& bytes) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QString temporary;
    const int fd = createTemporary(absolute, &temporary);
    if (fd < 0) return false;
    const QByteArray nativeTemporary = QFile::encodeName(temporary);
    bool ok = writeAll(fd, bytes) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    // rename() replaces whatever entry has the name, a link included, and
    // never writes through it.
    if (ok)
        ok = ::rename(nativeTemporary.constData(), QFile::encodeName(absolute).constData()) == 0;
    if (!ok) ::unlink(nativeTemporary.constData());
    return ok;
}

int SafeFile::removeStaleTemporaries(const QString& path) {
    const QFileInfo info(path);
    const QString prefix = info.fileName() + QLatin1Char('.');
    QDir folder = info.absoluteDir();
    int removed = 0;
    const QStringList candidates =
        folder.entryList({prefix + QStringLiteral("*")}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : candidates) {
        if (!isTemporarySuffix(QStringView(name).mid(prefix.size()))) continue;
        // Only files: a link of that name is left alone, whatever it points at.
        const QFileInfo candidate(folder.filePath(name));
        if (candidate.isSymLink() || !candidate.isFile()) continue;
        if (folder.remove(name)) ++removed;
    }
    return removed;
}
