#include "speech/SpeakCommand.h"

#include "config/ConfigDocument.h"
#include "config/Failure.h"
#include "config/Globals.h"
#include "net/HttpEngine.h"
#include "net/cVeNetWrapper.h"
#include "platform/AppInfo.h"
#include "platform/ISoundOutput.h"
#include "speech/ISpeakView.h"
#include "speech/WaveCache.h"
#include "translate/TranslationPipeline.h"

SpeakCommand::SpeakCommand(ISpeakView& view, const Globals& globals, Platform platform,
                           QObject* parent)
    : QObject(parent), m_view(view), m_globals(globals), m_platform(platform) {}

// The transfer's owner aborts it: no signal of it reaches a command that is gone.
SpeakCommand::~SpeakCommand() = default;

std::optional<QString> SpeakCommand::address(const ConfigDocument& doc, const QString& engine,
                                             const QString& pair, const QString& text) {
    std::optional<QString> speak;
    try {
        speak =
            doc.selectSingleNode(ConfigDocument::languageQuery(engine, pair)).getAttribute("speak");
    } catch (const Failure&) {
        return std::nullopt;  // a name the query cannot hold (an apostrophe)
    }
    if (!speak || speak->trimmed().isEmpty()) return std::nullopt;
    // As in a translation request address, "&amp;" written twice over in the
    // document stands for "&"; the encoded text holds no "&" of its own.
    speak->replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return *speak + TranslationPipeline::encodedText(text);
}

void SpeakCommand::speak() {
    m_transfer.reset();  // the newer request wins
    const QString text = m_view.speakText();
    if (text.trimmed().isEmpty()) {
        m_view.setSpeakStatus(tr("There is no translation to speak."));
        emit finished();
        return;
    }
    const std::optional<QString> target =
        m_globals.service.isLoaded()
            ? address(m_globals.service, m_view.speakEngine(), m_view.speakPair(), text)
            : std::nullopt;
    if (!target) {
        m_view.setSpeakStatus(tr("No speech for this language pair."));
        emit finished();
        return;
    }

    // Hear It's downloader builds the request (address rules, headers,
    // limits); the port picks the scheme there, so https means 443.
    cVeNetWrapper net;
    net.setStallTimeout(m_stallTimeout);
    const bool secure = target->startsWith(QStringLiteral("https://"), Qt::CaseInsensitive);
    const std::optional<HttpRequest> request = net.request(*target, QString(), secure ? 443 : 80);
    if (!request) return end(tr("The spoken translation could not be fetched."));

    m_view.setSpeakStatus(tr("Speaking..."));
    m_transfer = HttpEngine::forThread().start(*request);
    // A request that cannot go out at all comes back finished, without a signal.
    if (!m_transfer->isRunning()) return fetched();
    connect(m_transfer.get(), &HttpTransfer::finished, this, &SpeakCommand::fetched);
}

void SpeakCommand::fetched() {
    // Deleted when this returns, safely also from inside its own signal.
    const HttpTransferPtr transfer = std::move(m_transfer);
    const HttpResult& result = transfer->result();
    // Only a whole answer that the server calls one: an error page is no sound.
    if (!result.ok() || result.status < 200 || result.status > 299)
        return end(tr("The spoken translation could not be fetched."));

    const QString path =
        WaveCache::store(AppInfo::dataFolder() + QStringLiteral("/wav"), fileName(), result.body);
    if (path.isEmpty()) return end(tr("The spoken translation could not be stored."));
    if (m_platform.sound->deviceCount() <= 0) {
        const QString why = m_platform.sound->unavailable();
        return end(why.isEmpty() ? tr("No sound output device was found.") : why);
    }
    // The user asked for this sound now: it cuts off one that is playing.
    ISoundOutput::PlayOptions options;
    options.doNotInterrupt = false;
    if (!m_platform.sound->play(path, options))
        return end(tr("The spoken translation is not a playable sound."));
    end(tr("Spoken."));
}

bool SpeakCommand::stop() {
    const bool fetching = isFetching();
    m_transfer.reset();
    m_platform.sound->stop();
    if (fetching) end(tr("Cancelled."));
    return fetching;
}

void SpeakCommand::end(const QString& status) {
    m_view.setSpeakStatus(status);
    emit finished();
}
