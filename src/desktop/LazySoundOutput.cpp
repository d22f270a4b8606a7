#include "desktop/LazySoundOutput.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPluginLoader>
#include <QtDebug>

#include "platform/AppInfo.h"

namespace {

constexpr char libraryName[] = "libparlamo_sound.so";

// Code is loaded only from a file that its owner or root could have put
// there and that nobody else may change: the places recorded at build time
// may be gone and made again by someone else.
QString untrustedBecause(const QString& file) {
    struct stat info {};
    if (::stat(QFile::encodeName(file).constData(), &info) != 0) return QString();
    if (info.st_uid != 0 && info.st_uid != ::geteuid())
        return LazySoundOutput::tr("%1 belongs to another user").arg(file);
    if ((info.st_mode & (S_IWGRP | S_IWOTH)) != 0)
        return LazySoundOutput::tr("other users may change %1").arg(file);
    return QString();
}

}  // namespace

LazySoundOutput::LazySoundOutput(QObject* parent)
    : LazySoundOutput(candidatesBeside(AppInfo::programFolder()), parent) {}

LazySoundOutput::LazySoundOutput(QStringList candidates, QObject* parent)
    : ISoundOutput(parent), m_candidates(std::move(candidates)) {}

// The module stays loaded to the end (nothing unloads it), so the player's
// code outlives the player, which goes here while the application still runs.
LazySoundOutput::~LazySoundOutput() {
    if (m_player) m_player->setEndedHandler(nullptr);
}

QStringList LazySoundOutput::candidatesBeside(const QString& programFolder) {
    const QDir folder(programFolder);
    QStringList candidates{
        folder.filePath(QLatin1String(libraryName)),
        QDir::cleanPath(folder.filePath(QStringLiteral(PARLAMO_PRIVATE_LIBDIR_FROM_BIN "/") +
                                        QLatin1String(libraryName))),
        QStringLiteral(PARLAMO_SOUND_MODULE_BUILT),
        QStringLiteral(PARLAMO_SOUND_MODULE_INSTALLED),
    };
    candidates.removeDuplicates();
    return candidates;
}

ISoundModule::Player* LazySoundOutput::player() {
    if (m_tried) return m_player.get();
    m_tried = true;
    QStringList reasons;
    for (const QString& candidate : std::as_const(m_candidates)) {
        if (!QFileInfo(candidate).isFile()) continue;
        if (const QString why = untrustedBecause(candidate); !why.isEmpty()) {
            reasons << why;
            continue;
        }
        QPluginLoader loader(candidate);
        auto* module = qobject_cast<ISoundModule*>(loader.instance());
        if (!module) {
            reasons << loader.errorString();
            continue;
        }
        m_player = module->createPlayer();
        m_player->setEndedHandler([this] { emit ended(); });
        m_loadedFrom = candidate;
        return m_player.get();
    }
    m_unavailable =
        reasons.isEmpty()
            ? tr("No sound: the sound module %1 was not found.").arg(QLatin1String(libraryName))
            : tr("No sound: the sound module could not be loaded (%1).").arg(reasons.join(u"; "));
    qWarning().noquote() << m_unavailable << "Looked in:" << m_candidates.join(u", ");
    return nullptr;
}

int LazySoundOutput::deviceCount() {
    ISoundModule::Player* const sound = player();
    return sound ? sound->deviceCount() : 0;
}

bool LazySoundOutput::play(const QString& file, PlayOptions options) {
    ISoundModule::Player* const sound = player();
    return sound && sound->play(file, options);
}

void LazySoundOutput::stop() {
    if (m_player) m_player->stop();  // nothing plays before the first sound
}

bool LazySoundOutput::isPlaying() const {
    return m_player && m_player->isPlaying();
}
