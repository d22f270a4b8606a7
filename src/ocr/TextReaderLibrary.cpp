#include "ocr/TextReaderLibrary.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <memory>

#include "ocr/ITextReader.h"
#include "platform/AppInfo.h"

namespace {
constexpr char libraryName[] = "libparlamo_ocr_tesseract.so";
}  // namespace

namespace TextReaderLibrary {

QStringList candidatesBeside(const QString& programFolder) {
    const QDir folder(programFolder);
    return {folder.filePath(QLatin1String(libraryName)),
            QDir::cleanPath(folder.filePath(QStringLiteral(PARLAMO_PRIVATE_LIBDIR_FROM_BIN "/") +
                                            QLatin1String(libraryName)))};
}

ITextReader* reader(QString* why) {
    static std::unique_ptr<ITextReader> loaded;
    static QString failure;
    static bool tried = false;
    if (!tried) {
        tried = true;
        QStringList reasons;
        const QStringList candidates = candidatesBeside(AppInfo::programFolder());
        for (const QString& candidate : candidates) {
            if (!QFileInfo(candidate).isFile()) continue;
            QLibrary library(candidate);
            const auto create =
                reinterpret_cast<CreateTextReader>(library.resolve(createTextReaderEntry));
            if (!create) {
                reasons << library.errorString();
                continue;
            }
            loaded.reset(create());
            // Released with the application object, while the library's own
            // data it refers to still exists.
            qAddPostRoutine([] { loaded.reset(); });
            break;
        }
        if (!loaded) {
            if (reasons.isEmpty())
                reasons << QStringLiteral("none of %1").arg(candidates.join(u", "));
            failure = reasons.join(u"; ");
        }
    }
    if (!loaded && why) *why = failure;
    return loaded.get();
}

}  // namespace TextReaderLibrary
