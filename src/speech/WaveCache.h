#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

#include "config/SafeFile.h"

// The "wav" folder where Hear It keeps the wave files it fetched.
class WaveCache {
public:
    // Stores a whole download as fileName in folder, making the folder when
    // it is missing, and returns the stored file's path; empty on failure.
    // The server chose the bytes, so nothing is written through a link: a
    // folder that is a link is refused, and a link at the file's name is
    // replaced by the new file. The earlier file stays as it was until the
    // new one is complete.
    static QString store(const QString& folder, const QString& fileName, const QByteArray& bytes);

    // The same for a download written as it arrives: the file to write, or
    // nothing when the folder is refused or cannot be made (*madeFolder
    // says whether this call made it). The name is replaced at commit().
    static std::unique_ptr<SafeFile::Writer> begin(const QString& folder, const QString& fileName,
                                                   bool* madeFolder = nullptr);
};
