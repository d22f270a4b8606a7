#include "speech/HearItCommand.h"

#include <QColor>
#include <QPointer>
#include <exception>
#include <optional>

#include "config/ConfigDocument.h"
#include "config/Globals.h"
#include "net/cVeNetWrapper.h"
#include "platform/AppInfo.h"
#include "platform/ISoundOutput.h"
#include "service/Markers.h"
#include "speech/IHearItView.h"
#include "speech/SoundLookup.h"
#include "speech/WaveCache.h"
#include "speech/WavePlayer.h"

HearItCommand::HearItCommand(IHearItView& view, const Globals& globals, Platform platform)
    : m_view(view), m_globals(globals), m_platform(platform) {}

HearItCommand::~HearItCommand() {
    // A download still waiting ends now; the click handler below finds the
    // command gone and touches nothing.
    if (m_net) m_net->Cancel();
}

void HearItCommand::txtHearIt_GotFocus() {
    m_view.setHearItTextColour(QColor());
    m_view.setHearItText(QString());
}

bool HearItCommand::cancel() {
    if (!m_net) return false;
    m_cancelled = true;
    m_net->Cancel();
    return true;
}

void HearItCommand::cmdHearIt_Click() {
    if (m_net) return;  // one command at a time
    // Download lets the window's events run: the window may be closed and
    // destroyed meanwhile, taking this command with it, or the user may
    // cancel. After each download only locals are used until the guard
    // says the command is still there.
    const QPointer<HearItCommand> self(this);
    cVeNetWrapper net;
    m_net = &net;
    m_cancelled = false;
    struct Finish {
        const QPointer<HearItCommand>& self;
        ~Finish() {
            if (self) self->m_net = nullptr;
        }
    } finish{self};
    const auto failed = [this] {
        m_view.setHearItText(tr("No Sound file found."));
        m_view.setHearItTextColour(QColor(255, 0, 0));
        m_view.Enable();
    };
    // Nothing of a cancelled command is stored, played or shown.
    const auto cancelled = [this] {
        m_view.Enable();
        m_view.setStatusText(tr("Cancelled."));
    };

    try {
        m_view.Disable();
        m_view.setStatusText(tr("Downloading Sound file..."));

        const ConfigDocument* doc = m_globals.gdocConfig.get();
        if (!doc) return failed();
        const ConfigElement wav = doc->selectSingleNode(ConfigDocument::wavQuery());
        if (wav.isNull()) return failed();
        const QString lookupAddress = wav.joinedText("url") + m_view.hearItText();
        const std::optional<QString> padbefore = wav.getAttribute("padbefore");
        const std::optional<QString> padafter = wav.getAttribute("padafter");
        const std::optional<QString> urltoplay = wav.getAttribute("urltoplay");

        const QByteArray page = net.Download(lookupAddress, QString(), 80);
        if (!self) return;
        if (m_cancelled) return cancelled();
        if (!padbefore || !padafter) return failed();
        // A page without padbefore has no sound name in it either.
        const std::optional<QString> name =
            Markers::between(QString::fromUtf8(page), *padbefore, *padafter);
        if (!name || !urltoplay) return failed();
        // The name comes from the server and becomes a file name: anything
        // that could leave the cache folder is refused before any download.
        if (!SoundLookup::isPlainFileName(*name)) return failed();

        const QByteArray wave =
            net.Download(SoundLookup::waveAddress(*urltoplay, *name), QString(), 80);
        if (!self) return;
        if (m_cancelled) return cancelled();

        // Only a download that arrived whole gets here (Download raises on
        // anything less), and it replaces the stored file in one step.
        const QString path = WaveCache::store(AppInfo::dataFolder() + QStringLiteral("/wav"),
                                              SoundLookup::cacheFileName(*name), wave);
        if (path.isEmpty()) return failed();

        const WavePlayer player(*m_platform.sound);
        if (player.SoundEnabled())
            player.PlayWave(path, false, false, false);
        else
            m_view.setHearItText(tr("Unable to detect WAV device in this system."));
        m_view.Enable();
        // No sound at all here, not just no device: the status line says why.
        if (const QString why = m_platform.sound->unavailable(); !why.isEmpty())
            m_view.setStatusText(why);
    } catch (const std::exception&) {
        // DownloadError, Failure and anything else on the way.
        if (!self) return;
        if (m_cancelled) return cancelled();
        failed();
    }
}
