#include "desktop/LazySoundOutput.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QtDebug>

#include "platform/AppInfo.h"

namespace {
constexpr char libraryName[] = "libparlamo_sound.so";
constexpr char entryName[] = "parlamo_create_sound_output";
}  // namespace

LazySoundOutput::LazySoundOutput() : LazySoundOutput(candidatesBeside(AppInfo::programFolder())) {}

LazySoundOutput::LazySoundOutput(QStringList candidates) : m_candidates(std::move(candidates)) {}

// The library stays loaded to the end (QLibrary does not unload it unless
// told to), so the output's code outlives the output.
LazySoundOutput::~LazySoundOutput() = default;

QStringList LazySoundOutput::candidatesBeside(const QString& programFolder) {
    const QDir folder(programFolder);
    return {folder.filePath(QLatin1String(libraryName)),
            QDir::cleanPath(folder.filePath(QStringLiteral(PARLAMO_PRIVATE_LIBDIR_FROM_BIN "/") +
                                            QLatin1String(libraryName)))};
}

ISoundOutput* LazySoundOutput::output() {
    if (m_tried) return m_output.get();
    m_tried = true;
    QStringList reasons;
    for (const QString& candidate : std::as_const(m_candidates)) {
        if (!QFileInfo(candidate).isFile()) continue;
        QLibrary library(candidate);
        using Create = ISoundOutput* (*)();
        const auto create = reinterpret_cast<Create>(library.resolve(entryName));
        if (!create) {
            reasons << library.errorString();
            continue;
        }
        m_output.reset(create());
        m_loadedFrom = candidate;
        return m_output.get();
    }
    if (reasons.isEmpty()) reasons << QStringLiteral("none of %1").arg(m_candidates.join(u", "));
    qWarning().noquote() << "No sound output:" << reasons.join(u"; ");
    return nullptr;
}

int LazySoundOutput::deviceCount() {
    ISoundOutput* const sound = output();
    return sound ? sound->deviceCount() : 0;
}

bool LazySoundOutput::play(const QString& file, PlayOptions options) {
    ISoundOutput* const sound = output();
    return sound && sound->play(file, options);
}

void LazySoundOutput::stop() {
    if (m_output) m_output->stop();  // nothing plays before the first sound
}

bool LazySoundOutput::isPlaying() const {
    return m_output && m_output->isPlaying();
}
