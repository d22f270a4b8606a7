#include "translate/TranslateCommand.h"

#include <QTimer>
#include <exception>

#include "config/ConfigDocument.h"
#include "config/ConfigError.h"
#include "config/Globals.h"
#include "platform/IDialogs.h"
#include "translate/AnswerCollection.h"
#include "translate/AnswerDecoding.h"
#include "translate/ITranslateView.h"
#include "translate/InetTransfer.h"
#include "translate/ResultDecode.h"
#include "translate/ResultExtraction.h"
#include "translate/TranslationRequest.h"
#include "translate/UrlEncode.h"

namespace {

const ConfigDocument& document(const Globals& globals) {
    const ConfigDocument* doc = globals.gdocConfig.get();
    if (!doc) throw ConfigError(QStringLiteral("no configuration document"));
    return *doc;
}

// The box keeps line breaks as a bare line feed; a typed line break is a
// carriage return and a line feed, and is sent as such.
QString sentText(const ITranslateView& view) {
    QString text = view.sourceText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

}  // namespace

TranslateCommand::TranslateCommand(ITranslateView& view, const Globals& globals, Platform platform)
    : m_view(view), m_globals(globals), m_platform(platform) {
    connect(&m_view.timeoutTimer(), &QTimer::timeout, this, &TranslateCommand::timTimeout_Timer);
}

TranslateCommand::~TranslateCommand() {
    *m_alive = false;
    releaseTransfer();
}

void TranslateCommand::cmdTranslate_Click() {
    bool replaced = false;
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

        const QString& engineName = engineItem.text;
        const QString& languageName = languageItem.text;
        const ConfigElement engine = doc.selectSingleNode(ConfigDocument::engineQuery(engineName));
        const ConfigElement language =
            doc.selectSingleNode(ConfigDocument::languageQuery(engineName, languageName));
        if (!engine) throw ConfigError(QStringLiteral("no engine named ") + engineName);
        if (!language) throw ConfigError(QStringLiteral("no language pair named ") + languageName);

        // A new transfer per request; only its events reach this command.
        releaseTransfer();
        mintCurrent = new InetTransfer(this);
        replaced = true;
        connect(mintCurrent, &InetTransfer::StateChanged, this,
                &TranslateCommand::mintCurrent_StateChanged);
        // The time-out is for a request that stalls, not for a slow answer
        // that keeps coming: every piece that arrives starts it afresh.
        connect(mintCurrent, &InetTransfer::DataArrived, this, [this] {
            if (m_view.timeoutTimer().isActive()) m_view.timeoutTimer().start();
        });

        const TranslationRequest request = TranslationRequest::build(
            engine, language, UrlEncode(sentText(m_view), systemCodePage()));
        m_server = request.serverName();
        mintCurrent->Execute(request.url, request.operation, QByteArray(), request.headers);
        m_running = true;
        m_view.timeoutTimer().start();
    } catch (const std::exception& e) {
        // The command's one error handler: nothing is left busy or running.
        if (replaced) releaseTransfer();
        endBusy(QStringLiteral("Translation failed: ") + QString::fromStdString(e.what()));
    }
}

bool TranslateCommand::cancel() {
    if (!m_running) return false;
    // Released first: an answer that is being collected is dropped with it.
    releaseTransfer();
    endBusy(QStringLiteral("Cancelled."));
    return true;
}

void TranslateCommand::mintCurrent_StateChanged(int State) {
    if (!mintCurrent) return;
    if (State == InetTransfer::icError) {
        endBusy(QStringLiteral("Translation failed at ") + m_server + QStringLiteral(": ") +
                mintCurrent->errorText());
        return;
    }
    if (State != InetTransfer::icResponseCompleted) return;

    m_view.timeoutTimer().stop();
    InetTransfer* const transfer = mintCurrent;
    const std::shared_ptr<bool> alive = m_alive;
    m_collecting = true;
    // The window's events run between pieces; Exit may release this command
    // (and the window) meanwhile, so only the shared flag is read first.
    const std::optional<QByteArray> answer = collectAnswer(
        transfer, [alive, this, transfer] { return *alive && mintCurrent == transfer; });
    if (!*alive) return;
    m_collecting = false;
    if (!answer) return;  // a newer request took over, or this one was cancelled
    ExtractResult(decodeAnswer(*answer, transfer->contentType()));
}

void TranslateCommand::ExtractResult(const QString& answer) {
    try {
        const ConfigElement engine = document(m_globals).selectSingleNode(
            ConfigDocument::engineQuery(m_view.selectedEngine().text));
        const std::optional<QString> before = engine.getAttribute("tokenbefore");
        const std::optional<QString> after = engine.getAttribute("tokenafter");
        const std::optional<QString> result =
            before && after ? ::ExtractResult(answer, *before, *after) : std::nullopt;
        if (!result) {
            endBusy(QStringLiteral("No translation found in the answer of ") + m_server +
                    QLatin1Char('.'));
            return;
        }
        const QString shown =
            decodeResult(*result, engine.getAttribute("decode").value_or(QString()));
        m_view.showResult(shown);
        ++mlngTranslations;
        m_running = false;
        m_view.Enable();
        emit translated(shown);
    } catch (const std::exception& e) {
        endBusy(QStringLiteral("Translation failed: ") + QString::fromStdString(e.what()));
    }
}

void TranslateCommand::timTimeout_Timer() {
    m_view.timeoutTimer().stop();
    if (m_collecting || !mintCurrent || !mintCurrent->StillExecuting()) return;
    mintCurrent->abort();
    endBusy(QStringLiteral("Translation timed out: ") + m_server +
            QStringLiteral(" did not answer."));
}

void TranslateCommand::releaseTransfer() {
    m_view.timeoutTimer().stop();
    if (!mintCurrent) return;
    InetTransfer* old = mintCurrent;
    mintCurrent = nullptr;
    disconnect(old, nullptr, this, nullptr);
    old->abort();
    // It may be the sender of the signal being handled right now.
    old->setParent(nullptr);
    old->deleteLater();
}

void TranslateCommand::endBusy(const QString& status) {
    m_running = false;
    m_view.timeoutTimer().stop();
    m_view.Enable();
    m_view.setStatusText(status);
}
