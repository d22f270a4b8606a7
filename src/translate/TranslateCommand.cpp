#include "translate/TranslateCommand.h"

#include <QTimer>
#include <exception>

#include "config/ConfigDocument.h"
#include "config/Failure.h"
#include "config/Globals.h"
#include "platform/IDialogs.h"
#include "translate/ITranslateView.h"
#include "translate/InetTransfer.h"

namespace {

const ConfigDocument& document(const Globals& globals) {
    const ConfigDocument* doc = globals.gdocConfig.get();
    if (!doc) throw Failure(TranslateCommand::tr("no configuration document"));
    return *doc;
}

}  // namespace

TranslateCommand::TranslateCommand(ITranslateView& view, const Globals& globals, Platform platform)
    : m_view(view), m_globals(globals), m_platform(platform) {
    // A tick ends the wait; the running request, if any, hears it too.
    QTimer& timer = m_view.timeoutTimer();
    connect(&timer, &QTimer::timeout, &timer, &QTimer::stop);
}

TranslateCommand::~TranslateCommand() {
    // Gone at once: a collection that is letting events run learns so and
    // stops.
    delete m_pipeline;
}

InetTransfer* TranslateCommand::currentTransfer() const {
    return m_pipeline ? m_pipeline->transfer() : nullptr;
}

void TranslateCommand::cmdTranslate_Click() {
    try {
        const ConfigDocument& doc = document(m_globals);
        const ConfigElement features = doc.selectSingleNode(ConfigDocument::featuresQuery());

        const ITranslateView::Selection engineItem = m_view.selectedEngine();
        const ITranslateView::Selection languageItem = m_view.selectedLanguage();
        const bool haveLanguage = languageItem.index >= 0;
        const bool haveEngine = engineItem.index >= 0;
        const bool haveText = !m_view.sourceText().isEmpty();
        if (!haveLanguage || !haveEngine || !haveText) return;

        if (mlngTranslations >= features.requireInt32("maxtranslation")) {
            const ConfigElement& messages = m_globals.gelmMessages;
            const QString text = messages.requireText("maxtranslation");
            const QString title = messages.requireText("titlemsgbox");
            m_platform.dialogs->messageBox(text, title, IDialogs::Icon::Information,
                                           IDialogs::Buttons::Ok);
            return;
        }

        m_view.Disable();

        // A new pipeline per request; only its signals reach this command.
        releasePipeline();
        m_pipeline = new TranslationPipeline(this);
        m_pipeline->setStallTimer(&m_view.timeoutTimer());
        connect(m_pipeline, &TranslationPipeline::finished, this,
                &TranslateCommand::showTranslation);
        connect(m_pipeline, &TranslationPipeline::failed, this, &TranslateCommand::showFailure);
        TranslationPipeline::Failed why;
        if (!m_pipeline->start(doc, engineItem.text, languageItem.text, m_view.sourceText(),
                               &why)) {
            releasePipeline();
            endBusy(tr("Translation failed: %1").arg(why.detail));
            return;
        }
        m_running = true;
    } catch (const std::exception& e) {
        // The command's one error handler: nothing is left busy or running.
        endBusy(tr("Translation failed: %1").arg(QString::fromStdString(e.what())));
    }
}

bool TranslateCommand::cancel() {
    if (!m_running) return false;
    // Released first: an answer that is being collected is dropped with it.
    releasePipeline();
    endBusy(tr("Cancelled."));
    return true;
}

void TranslateCommand::showTranslation(const QString& shown) {
    m_view.showResult(shown);
    ++mlngTranslations;
    m_running = false;
    m_view.Enable();
    emit translated(shown);
}

void TranslateCommand::showFailure(TranslationPipeline::Fault fault, const QString& detail) {
    endBusy(failureText(fault, detail, m_pipeline ? m_pipeline->serverName() : QString()));
}

QString TranslateCommand::failureText(TranslationPipeline::Fault fault, const QString& detail,
                                      const QString& server) {
    switch (fault) {
        case TranslationPipeline::Fault::Unreachable:
            return tr("Translation failed at %1: %2").arg(server, detail);
        case TranslationPipeline::Fault::TimedOut:
            return tr("Translation timed out: %1 did not answer.").arg(server);
        case TranslationPipeline::Fault::NoTranslation:
            return tr("No translation found in the answer of %1.").arg(server);
        case TranslationPipeline::Fault::Unusable:
        case TranslationPipeline::Fault::NotSent:
        case TranslationPipeline::Fault::HttpStatus:
            break;
    }
    return tr("Translation failed: %1").arg(detail);
}

QString TranslateCommand::reserveOutside() {
    const ConfigDocument& doc = document(m_globals);
    const ConfigElement features = doc.selectSingleNode(ConfigDocument::featuresQuery());
    // Those still running count as made: they could all complete.
    if (qint64(mlngTranslations) + m_outside >= features.requireInt32("maxtranslation"))
        return m_globals.gelmMessages.requireText("maxtranslation");
    ++m_outside;
    return QString();
}

void TranslateCommand::endOutside(bool translated) {
    if (m_outside > 0) --m_outside;
    if (translated) ++mlngTranslations;
}

void TranslateCommand::releasePipeline() {
    if (!m_pipeline) return;
    TranslationPipeline* old = m_pipeline;
    m_pipeline = nullptr;
    disconnect(old, nullptr, this, nullptr);
    old->cancel();
    // It may be the sender of the signal being handled right now.
    old->deleteLater();
}

void TranslateCommand::endBusy(const QString& status) {
    m_running = false;
    m_view.timeoutTimer().stop();
    m_view.Enable();
    m_view.setStatusText(status);
}
