#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <cstdint>

#include "platform/Platform.h"
#include "translate/TranslationPipeline.h"

struct Globals;
class ITranslateView;
class InetTransfer;

// The Translate command of the main window: its input and limit checks, the
// busy state and the status line around one TranslationPipeline per
// request, with the window's timTimeout as its stall time-out. The window is
// busy from the accepted click until the answer is shown or the request has
// failed, timed out, been cancelled or brought no translation.
class TranslateCommand : public QObject {
    Q_OBJECT
public:
    TranslateCommand(ITranslateView& view, const Globals& globals, Platform platform);
    ~TranslateCommand() override;

    void cmdTranslate_Click();

    // Ends a running request at the user's wish: it is aborted, nothing of
    // its answer is shown, and the window is idle with "Cancelled." in the
    // status line. False when no request was running.
    bool cancel();
    bool isRunning() const { return m_running; }

    // Translations shown since the window was created.
    std::int32_t translations() const { return mlngTranslations; }

    // Translations asked for outside the window (the selection popup, D-Bus)
    // share its per-run limit and its count. reserveOutside() returns the
    // document's limit message when none may start now (those still running
    // outside count as made), else nothing, and the caller ends what it
    // reserved with endOutside(). Throws Failure when the document cannot
    // answer.
    QString reserveOutside();
    void endOutside(bool translated);

    // What the status line says about a failed translation.
    static QString failureText(TranslationPipeline::Fault fault, const QString& detail,
                               const QString& server);
    // The transfer of the last request (null before the first).
    InetTransfer* currentTransfer() const;

signals:
    // A translation has reached the result box and the window is idle.
    void translated(const QString& result);

private:
    void showTranslation(const QString& shown);
    void showFailure(TranslationPipeline::Fault fault, const QString& detail);
    void releasePipeline();
    void endBusy(const QString& status);

    ITranslateView& m_view;
    const Globals& m_globals;
    Platform m_platform;
    // The request's pipeline; replaced by every request, like the transfer
    // object it holds (mintCurrent).
    QPointer<TranslationPipeline> m_pipeline;
    std::int32_t mlngTranslations = 0;
    std::int32_t m_outside = 0;  // reserved by translations outside the window
    bool m_running = false;
};
