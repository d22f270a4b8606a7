#pragma once

#include <QCoreApplication>
#include <QCoro/QCoroTask>
#include <QPointer>
#include <QString>

#include "service/ConfigLoader.h"

struct Globals;
class IDialogs;
class IPauser;
class ISplashScreen;

// The start-up: preferences, first start, installation date, the
// configuration load, the server's notices, and the two flags left for Main
// (gblnConfigLoaded, gblnShowMain). Runs once, on the start-up screen's
// activation, as one coroutine: the load and the pauses are co_awaited, and
// the event loop paints the screen meanwhile. The sequence must outlive the
// job; a screen that is a QObject and is destroyed meanwhile ends it at the
// next step, untouched.
class StartupSequence {
    Q_DECLARE_TR_FUNCTIONS(StartupSequence)

public:
    StartupSequence(Globals& globals, IDialogs& dialogs, IPauser& pauser, ISplashScreen& screen);

    void setLoadTimeout(int milliseconds) { m_timeoutMs = milliseconds; }
    QCoro::Task<> run();

    static QString versionLabel();  // "v3.1 build 108"
    // Now in the locale's general date form: short date, long time with seconds.
    static QString installDateText();
    static QString noConnectionMessage();
    // The details part of that message: the address and what went wrong.
    static QString failureDetails(const QString& address, const QString& failure);
    // The address of the last load, for whoever wants to show it.
    QString requestAddress() const { return m_address; }
    // Why the last load failed; empty after a good one.
    QString failureReason() const { return m_failure; }

private:
    QCoro::Task<> loadedPath();
    bool screenGone() const;

    Globals& m_globals;
    IDialogs& m_dialogs;
    IPauser& m_pauser;
    ISplashScreen& m_screen;
    QPointer<QObject> m_screenObject;
    bool m_screenIsObject = false;
    int m_timeoutMs = ConfigLoader::defaultTimeoutMs;
    QString m_address;
    QString m_failure;
};
