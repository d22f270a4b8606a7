#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <cstdint>
#include <memory>

#include "platform/Platform.h"
#include "translate/InetTransfer.h"

struct Globals;
class ITranslateView;

// The Translate command of the main window and the collection of its answer.
// The window is busy from the accepted click until the answer is shown or
// the request has failed, timed out, been cancelled or brought no
// translation.
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
    // The transfer of the last request (null before the first).
    InetTransfer* currentTransfer() const { return mintCurrent; }

signals:
    // A translation has reached the result box and the window is idle.
    void translated(const QString& result);

private:
    void mintCurrent_StateChanged(int State);
    void timTimeout_Timer();
    void ExtractResult(const QString& answer);
    void releaseTransfer();
    void endBusy(const QString& status);

    ITranslateView& m_view;
    const Globals& m_globals;
    Platform m_platform;
    QPointer<InetTransfer> mintCurrent;
    std::int32_t mlngTranslations = 0;
    // The engine's server of the running request, for the failure texts.
    QString m_server;
    bool m_running = false;
    bool m_collecting = false;
    // Cleared by the destructor; the collection loop, which lets the window's
    // events run (Exit among them), holds a copy to learn that it must stop.
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
};
