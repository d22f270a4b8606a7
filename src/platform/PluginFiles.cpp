#include "platform/PluginFiles.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>

namespace PluginFiles {

QStringList beside(const QString& programFolder, const QString& libraryName) {
    const QDir folder(programFolder);
    return {folder.filePath(libraryName),
            QDir::cleanPath(folder.filePath(QStringLiteral(PARLAMO_PRIVATE_LIBDIR_FROM_BIN "/") +
                                            libraryName))};
}

Trust trust(const QString& file) {
    struct stat info {};
    if (::stat(QFile::encodeName(file).constData(), &info) != 0) return Trust::Trusted;
    if (info.st_uid != 0 && info.st_uid != ::geteuid()) return Trust::OtherOwner;
    if ((info.st_mode & (S_IWGRP | S_IWOTH)) != 0) return Trust::OthersMayChange;
    return Trust::Trusted;
}

QFunctionPointer resolveFirst(const QStringList& candidates, const char* entry, QString* why) {
    QStringList reasons;
    for (const QString& file : candidates) {
        if (!QFileInfo(file).isFile()) continue;
        if (trust(file) != Trust::Trusted) {
            reasons
                << QStringLiteral("%1 may be changed by others than its owner or root").arg(file);
            continue;
        }
        QLibrary library(file);
        if (const QFunctionPointer found = library.resolve(entry)) return found;
        reasons << library.errorString();
    }
    if (why)
        *why = reasons.isEmpty() ? QStringLiteral("none of %1").arg(candidates.join(u", "))
                                 : reasons.join(u"; ");
    return nullptr;
}

}  // namespace PluginFiles
