#include "speech/HearItCommand.h"

#include <QColor>
#include <QDir>
#include <QPointer>
#include <QScopeGuard>
#include <exception>
#include <memory>
#include <optional>
#include <utility>

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

namespace {

// The wave file being fetched: opened at its first bytes (or at the end, for
// an empty one); dropped without commit(), it leaves nothing behind, not
// even the folder it made.
struct WaveFile {
    WaveFile(QString f, QString n) : folder(std::move(f)), name(std::move(n)) {}
    WaveFile(const WaveFile&) = delete;
    WaveFile& operator=(const WaveFile&) = delete;
    QString folder;
    QString name;
    std::unique_ptr<SafeFile::Writer> writer;
    bool madeFolder = false;
    bool refused = false;
    bool committed = false;

    bool open() {
        if (!writer && !refused) {
            writer = WaveCache::begin(folder, name, &madeFolder);
            refused = !writer;
        }
        return writer != nullptr;
    }
    bool write(QByteArrayView bytes) { return open() && writer->write(bytes); }
    QString commit() {
        QString path = open() ? writer->commit() : QString();
        committed = !path.isEmpty();
        return path;
    }
    ~WaveFile() {
        writer.reset();
        if (madeFolder && !committed) QDir().rmdir(folder);
    }
};

}  // namespace

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
    // The window is idle at once; the command, when its download comes
    // back broken off, finds itself cancelled and touches nothing.
    *std::exchange(m_cancelled, nullptr) = true;
    std::exchange(m_net, nullptr)->Cancel();
    m_view.Enable();
    m_view.setStatusText(tr("Cancelled."));
    return true;
}

void HearItCommand::cmdHearIt_Click() {
    if (m_net) return;  // one command at a time (the button is disabled meanwhile)
    run();
}

// The command's steps in order. Each download is co_awaited: the window's
// events run meanwhile, and the window may be closed (taking this command
// with it, which breaks the download off) or the user may cancel. After
// each co_await only locals are used until the guard says the command is
// still there.
QCoro::Task<> HearItCommand::run() {
    const QPointer<HearItCommand> self(this);
    cVeNetWrapper net;
    const auto cancelled = std::make_shared<bool>(false);
    m_net = &net;
    m_cancelled = cancelled;
    const auto finish = qScopeGuard([&self, &net] {
        if (self && self->m_net == &net) {
            self->m_net = nullptr;
            self->m_cancelled.reset();
        }
    });
    // Gone with the window, or cancelled (which has said so).
    const auto over = [&self, &cancelled] { return !self || *cancelled; };
    const auto failed = [this] {
        m_view.setHearItText(tr("No Sound file found."));
        m_view.setHearItTextColour(QColor(255, 0, 0));
        m_view.Enable();
    };

    try {
        // 1. Busy, with the status line saying so.
        m_view.Disable();
        m_view.setStatusText(tr("Downloading Sound file..."));

        // 2. The pronunciation service's element and the lookup address.
        const ConfigElement wav = m_globals.service.wav();
        if (wav.isNull()) co_return failed();
        const QString lookupAddress = wav.joinedText("url") + m_view.hearItText();
        const std::optional<QString> padbefore = wav.getAttribute("padbefore");
        const std::optional<QString> padafter = wav.getAttribute("padafter");
        const std::optional<QString> urltoplay = wav.getAttribute("urltoplay");

        // 3. The lookup page, and the sound's name cut out of it.
        // Jobs are named before they are awaited: GCC 12 destroys the
        // temporaries of a co_await expression twice.
        QCoro::Task<QByteArray> lookup = net.Download(lookupAddress, QString(), 80);
        const QByteArray page = co_await lookup;
        // Nothing of a cancelled command is stored, played or shown.
        if (over()) co_return;
        if (!padbefore || !padafter) co_return failed();
        // A page without padbefore has no sound name in it either.
        const std::optional<QString> name =
            Markers::between(QString::fromUtf8(page), *padbefore, *padafter);
        if (!name || !urltoplay) co_return failed();
        // The name comes from the server and becomes a file name: anything
        // that could leave the cache folder is refused before any download.
        if (!SoundLookup::isPlainFileName(*name)) co_return failed();

        // 4. The wave, written into the cache folder as it arrives. Only a
        // download that arrived whole gets past it (Download raises on
        // anything less), and it replaces the stored file in one step;
        // anything less leaves the folder as it was.
        WaveFile file(AppInfo::dataFolder() + QStringLiteral("/wav"),
                      SoundLookup::cacheFileName(*name));
        QCoro::Task<QByteArray> wave =
            net.DownloadInto(SoundLookup::waveAddress(*urltoplay, *name), QString(), 80,
                             [&file](QByteArrayView bytes) { return file.write(bytes); });
        co_await wave;
        // Nothing of a cancelled command is stored, played or shown.
        if (over()) co_return;
        const QString path = file.commit();
        if (path.isEmpty()) co_return failed();

        // 5. Played, or the word box says there is nothing to play it on.
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
        // Nothing of a cancelled command is stored, played or shown.
        if (over()) co_return;
        failed();
    }
}
