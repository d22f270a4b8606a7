#include "translate/TranslateCommand.h"

#include <QPointer>
#include <exception>
#include <utility>

#include "config/Failure.h"
#include "config/Globals.h"
#include "platform/IDialogs.h"
#include "translate/ITranslateView.h"

TranslateCommand::TranslateCommand(ITranslateView& view, const Globals& globals,
                                   Translator& translator, Platform platform)
    : m_view(view), m_globals(globals), m_translator(translator), m_platform(platform) {}

TranslateCommand::~TranslateCommand() {
    // The running job ends as cancelled and finds this command gone.
    if (m_cancel) (*m_cancel)();
}

void TranslateCommand::cmdTranslate_Click() {
    // The button is disabled while a request runs; should the handler be
    // called anyway, the newest request wins and the other is not heard.
    if (m_cancel) (*std::exchange(m_cancel, nullptr))();
    run();
}

// The command's steps in order; the request is co_awaited, so the window's
// menus and tray stay usable, and the window may be closed meanwhile: after
// the co_await nothing of this command is touched until the guard says it
// is still there.
QCoro::Task<> TranslateCommand::run() {
    const QPointer<TranslateCommand> self(this);
    // 1. An engine, a language pair and some text.
    const ITranslateView::Selection engineItem = m_view.selectedEngine();
    const ITranslateView::Selection languageItem = m_view.selectedLanguage();
    if (languageItem.index < 0 || engineItem.index < 0 || m_view.sourceText().isEmpty()) co_return;

    // 2. The request, refused at once when the per-run limit is reached.
    Translator::Request request;
    request.engine = engineItem.text;
    request.pair = languageItem.text;
    request.text = m_view.sourceText();
    request.origin = Translator::Origin::Window;
    request.stallTimeout = m_stallTimeout;
    request.cancel = std::make_shared<Translator::Cancel>();
    QCoro::Task<Translator::Result> job = m_translator.translate(request);
    // 3. Busy while it runs.
    if (!job.isReady()) {
        m_cancel = request.cancel;
        m_view.Disable();
    }
    const Translator::Result result = co_await job;
    // Gone, or cancelled (cancel() has said so, and a new request may run).
    if (!self || result.fault == Translator::Fault::Cancelled) co_return;
    m_cancel.reset();

    // 4. Shown, or the status line says why not.
    try {
        switch (result.fault) {
            case Translator::Fault::None:
                m_view.showResult(result.shown);
                m_view.Enable();
                co_return;
            case Translator::Fault::Limit: {
                const QString title = m_globals.gelmMessages.requireText("titlemsgbox");
                m_platform.dialogs->messageBox(result.detail, title, IDialogs::Icon::Information,
                                               IDialogs::Buttons::Ok);
                co_return;
            }
            default:
                co_return endBusy(failureText(result.fault, result.detail, result.server));
        }
    } catch (const std::exception& e) {
        // The command's one error handler: nothing is left busy or running.
        endBusy(tr("Translation failed: %1").arg(QString::fromStdString(e.what())));
    }
}

bool TranslateCommand::cancel() {
    if (!m_cancel) return false;
    // The job ends as cancelled and leaves the window to this.
    const std::shared_ptr<Translator::Cancel> cancel = std::move(m_cancel);
    (*cancel)();
    endBusy(tr("Cancelled."));
    return true;
}

QString TranslateCommand::failureText(Translator::Fault fault, const QString& detail,
                                      const QString& server) {
    switch (fault) {
        case Translator::Fault::Unreachable:
            return tr("Translation failed at %1: %2").arg(server, detail);
        case Translator::Fault::TimedOut:
            return tr("Translation timed out: %1 did not answer.").arg(server);
        case Translator::Fault::NoTranslation:
            return tr("No translation found in the answer of %1.").arg(server);
        default:
            break;
    }
    return tr("Translation failed: %1").arg(detail);
}

void TranslateCommand::endBusy(const QString& status) {
    m_view.Enable();
    m_view.setStatusText(status);
}
