#include "desktop/LazySoundOutput.h"

#include <QFileInfo>
#include <QPluginLoader>
#include <QtDebug>

#include "platform/AppInfo.h"
#include "platform/PluginFiles.h"

namespace {

constexpr char libraryName[] = "libparlamo_sound.so";

QString untrustedBecause(const QString& file) {
    switch (PluginFiles::trust(file)) {
        case PluginFiles::Trust::OtherOwner:
            return LazySoundOutput::tr("%1 belongs to another user").arg(file);
        case PluginFiles::Trust::OthersMayChange:
            return LazySoundOutput::tr("other users may change %1").arg(file);
        case PluginFiles::Trust::Trusted:
            break;
    }
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
    QStringList candidates = PluginFiles::beside(programFolder, QLatin1String(libraryName));
    candidates << QStringLiteral(PARLAMO_SOUND_MODULE_BUILT)
               << QStringLiteral(PARLAMO_SOUND_MODULE_INSTALLED);
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
