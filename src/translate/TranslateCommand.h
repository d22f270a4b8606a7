#pragma once

#include <QCoro/QCoroTask>
#include <QObject>
#include <QString>
#include <chrono>
#include <cstdint>
#include <memory>

#include "platform/Platform.h"
#include "translate/Translator.h"

struct Globals;
class ITranslateView;

// The Translate command of the main window: its input checks, the busy
// state and the status line around one job of the Translator per request.
// The window is busy from the accepted click until the answer is shown or
// the request has failed, timed out, been cancelled or brought no
// translation.
class TranslateCommand : public QObject {
    Q_OBJECT
public:
    TranslateCommand(ITranslateView& view, const Globals& globals, Translator& translator,
                     Platform platform);
    ~TranslateCommand() override;

    void cmdTranslate_Click();

    // Ends a running request at the user's wish: it is aborted, nothing of
    // its answer is shown, and the window is idle with "Cancelled." in the
    // status line. False when no request was running.
    bool cancel();
    bool isRunning() const { return m_cancel != nullptr; }

    // Translations made in this run (by every way in: the limit is shared).
    std::int32_t translations() const { return m_translator.translations(); }

    // The stall time-out of the window's requests.
    void setStallTimeout(std::chrono::milliseconds timeout) { m_stallTimeout = timeout; }

    // What the status line says about a failed translation.
    static QString failureText(Translator::Fault fault, const QString& detail,
                               const QString& server);

private:
    QCoro::Task<> run();
    void endBusy(const QString& status);

    ITranslateView& m_view;
    const Globals& m_globals;
    Translator& m_translator;
    Platform m_platform;
    std::chrono::milliseconds m_stallTimeout = HttpLimits::translationStallTimeout;
    // The running request's way to be broken off; null when none runs.
    std::shared_ptr<Translator::Cancel> m_cancel;
};
