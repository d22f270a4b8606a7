#include "speech/HearItCommand.h"

#include <QColor>
#include <QEvent>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPalette>
#include <QPointer>
#include <exception>
#include <optional>

#include "config/ConfigDocument.h"
#include "config/Globals.h"
#include "net/cVeNetWrapper.h"
#include "platform/AppInfo.h"
#include "speech/SoundLookup.h"
#include "speech/WaveCache.h"
#include "speech/WavePlayer.h"
#include "ui/frmTranslate.h"

namespace {
void setTextColour(QLineEdit* box, const QColor& colour) {
    QPalette palette = box->palette();
    palette.setColor(QPalette::Text, colour);
    box->setPalette(palette);
}

// A message in the narrow word box: shown from its first character, and
// whole in the tooltip.
void showMessage(QLineEdit* box, const QString& text) {
    box->setText(text);
    box->setCursorPosition(0);
    box->setToolTip(text);
}
}  // namespace

HearItCommand::HearItCommand(frmTranslate& form) : m_form(form) {
    m_form.txtHearIt->installEventFilter(this);
}

HearItCommand::~HearItCommand() = default;

bool HearItCommand::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_form.txtHearIt && event->type() == QEvent::FocusIn) {
        // Only the user moving into the box counts: the focus coming back
        // with the window or from a closed menu leaves the word alone.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            txtHearIt_GotFocus();
    }
    return QObject::eventFilter(watched, event);
}

void HearItCommand::txtHearIt_GotFocus() {
    setTextColour(m_form.txtHearIt, QColor(0, 0, 0));
    m_form.txtHearIt->setText(QString());
    m_form.txtHearIt->setToolTip(QString());
}

void HearItCommand::cmdHearIt_Click() {
    // Download lets the window's events run, and the window may be closed
    // and destroyed meanwhile, taking this command with it. After each
    // download only locals are used until the guard says the window is
    // still there.
    const QPointer<frmTranslate> form(&m_form);
    const auto failed = [&form] {
        if (!form) return;
        showMessage(form->txtHearIt, QStringLiteral("No Sound file found."));
        setTextColour(form->txtHearIt, QColor(255, 0, 0));
        form->Enable();
    };

    try {
        form->Disable();
        form->setStatusText(QStringLiteral("Downloading Sound file..."));
        cVeNetWrapper net;
        // Exit while a download waits: end it now rather than keep a program
        // without a window running until the server is done.
        const QMetaObject::Connection cancelOnUnload =
            connect(form, &frmTranslate::unloading, [&net] { net.Cancel(); });
        struct Disconnect {
            QMetaObject::Connection c;
            ~Disconnect() { QObject::disconnect(c); }
        } disconnectAtEnd{cancelOnUnload};

        const ConfigDocument* doc = form->globals().gdocConfig.get();
        if (!doc) return failed();
        const ConfigElement wav = doc->selectSingleNode(ConfigDocument::wavQuery());
        if (wav.isNull()) return failed();
        const QString lookupAddress = wav.joinedText("url") + form->txtHearIt->text();
        const std::optional<QString> padbefore = wav.getAttribute("padbefore");
        const std::optional<QString> padafter = wav.getAttribute("padafter");
        const std::optional<QString> urltoplay = wav.getAttribute("urltoplay");

        const QByteArray page = net.Download(lookupAddress, QString(), 80);
        if (!form) return;
        if (!padbefore || !padafter) return failed();
        // A page without padbefore has no sound name in it either.
        const std::optional<QString> name =
            SoundLookup::cutSoundName(QString::fromUtf8(page), *padbefore, *padafter);
        if (!name || !urltoplay) return failed();
        // The name comes from the server and becomes a file name: anything
        // that could leave the cache folder is refused before any download.
        if (!SoundLookup::isPlainFileName(*name)) return failed();

        const QByteArray wave =
            net.Download(SoundLookup::waveAddress(*urltoplay, *name), QString(), 80);
        if (!form) return;

        // Only a download that arrived whole gets here (Download raises on
        // anything less), and it replaces the stored file in one step.
        const QString path = WaveCache::store(AppInfo::dataFolder() + QStringLiteral("/wav"),
                                              SoundLookup::cacheFileName(*name), wave);
        if (path.isEmpty()) return failed();

        const WavePlayer player(form->platform().sound);
        if (player.SoundEnabled())
            player.PlayWave(path, false, false, false);
        else
            showMessage(form->txtHearIt,
                        QStringLiteral("Unable to detect WAV device in this system."));
        form->Enable();
    } catch (const std::exception&) {
        // DownloadError, ConfigError and anything else on the way.
        failed();
    }
}
