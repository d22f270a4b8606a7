#pragma once

#include <QCoro/QCoroTask>
#include <QObject>
#include <memory>

#include "platform/Platform.h"

struct Globals;
class IHearItView;
class cVeNetWrapper;

// The Hear It command of the main window: looks the typed word up at the
// pronunciation service, stores its wave file in the "wav" cache folder and
// plays it. Also clears the word box whenever it gets the focus.
class HearItCommand : public QObject {
    Q_OBJECT
public:
    HearItCommand(IHearItView& view, const Globals& globals, Platform platform);
    ~HearItCommand() override;

    void cmdHearIt_Click();
    void txtHearIt_GotFocus();

    // Ends a running command at the user's wish (or because the window is
    // going): its download is broken off, nothing is stored or played, and
    // the window is idle with "Cancelled." in the status line. False when
    // no command was running.
    bool cancel();
    bool isRunning() const { return m_net != nullptr; }

private:
    QCoro::Task<> run();

    IHearItView& m_view;
    const Globals& m_globals;
    Platform m_platform;
    cVeNetWrapper* m_net = nullptr;     // the running command's downloader
    std::shared_ptr<bool> m_cancelled;  // the running command's: set by cancel()
};
