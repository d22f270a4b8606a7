#include "speech/WaveCache.h"

#include <QDir>
#include <QFileInfo>

#include "config/SafeFile.h"

QString WaveCache::store(const QString& folder, const QString& fileName, const QByteArray& bytes) {
    const QFileInfo info(folder);
    // A link, even a dangling one, could lead anywhere.
    if (info.isSymLink()) return QString();
    if (!info.exists() && !QDir().mkdir(folder)) return QString();
    if (!QFileInfo(folder).isDir()) return QString();
    const QString path = folder + QLatin1Char('/') + fileName;
    return SafeFile::replaceWithoutFollowing(path, bytes) ? path : QString();
}

std::unique_ptr<SafeFile::Writer> WaveCache::begin(const QString& folder, const QString& fileName,
                                                   bool* madeFolder) {
    const QFileInfo info(folder);
    if (info.isSymLink()) return nullptr;
    const bool missing = !info.exists();
    if (missing && !QDir().mkdir(folder)) return nullptr;
    if (madeFolder) *madeFolder = missing;
    if (!QFileInfo(folder).isDir()) return nullptr;
    auto writer = std::make_unique<SafeFile::Writer>(folder + QLatin1Char('/') + fileName);
    return writer->isOpen() ? std::move(writer) : nullptr;
}
