#include "startup/StartupSequence.h"

#include <QDateTime>
#include <QLocale>

#include "config/Globals.h"
#include "config/Settings.h"
#include "config/StartEntry.h"
#include "platform/AppInfo.h"
#include "platform/IDialogs.h"
#include "platform/IPauser.h"
#include "service/ConfigCheck.h"
#include "service/ConfigRequest.h"
#include "startup/ISplashScreen.h"

StartupSequence::StartupSequence(Globals& globals, IDialogs& dialogs, IPauser& pauser,
                                 ISplashScreen& screen)
    : m_globals(globals),
      m_dialogs(dialogs),
      m_pauser(pauser),
      m_screen(screen),
      m_screenObject(dynamic_cast<QObject*>(&screen)),
      m_screenIsObject(m_screenObject) {}

QString StartupSequence::versionLabel() {
    return tr("v%1.%2 build %3")
        .arg(AppInfo::versionMajor)
        .arg(AppInfo::versionMinor)
        .arg(AppInfo::versionRevision);
}

namespace {
// Qt's long time form ends with the time zone ("t"), which the regional
// settings' general date form does not carry: drop every unquoted run of "t"
// with the blanks before it.
QString withoutTimeZone(const QString& format) {
    QString out;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == QLatin1Char('\'')) quoted = !quoted;
        if (!quoted && c == QLatin1Char('t')) {
            while (!out.isEmpty() && out.back().isSpace()) out.chop(1);
            continue;
        }
        out += c;
    }
    return out.trimmed();
}
}  // namespace

QString StartupSequence::installDateText() {
    // The general date form: the short date and the long time, seconds included.
    const QLocale locale = QLocale::system();
    return locale.toString(QDateTime::currentDateTime(),
                           locale.dateFormat(QLocale::ShortFormat) + QLatin1Char(' ') +
                               withoutTimeZone(locale.timeFormat(QLocale::LongFormat)));
}

QString StartupSequence::noConnectionMessage() {
    return tr("You are not connected to the internet. Please connect, and start again.");
}

QString StartupSequence::failureDetails(const QString& address, const QString& failure) {
    return tr("Address asked for: %1").arg(address) + QLatin1Char('\n') +
           tr("What went wrong: %1").arg(failure);
}

bool StartupSequence::screenGone() const {
    return m_screenObject.isNull() && m_screenIsObject;
}

QCoro::Task<> StartupSequence::run() {
    Globals& g = m_globals;
    g.service.clear();

    m_screen.setVersionText(versionLabel());
    m_screen.setBarMinimum(1);
    m_screen.setBarMaximum(4);
    m_screen.Repaint();

    m_screen.setStatus(tr("Loading preferences"));
    m_screen.setBarValue(1);
    m_screen.Repaint();

    g.gobjRegistry = std::make_unique<cVeRegistry>();
    cVeRegistry& reg = *g.gobjRegistry;
    Settings settings(reg);
    g.gstrUid = settings.get(Settings::Key::Uid);

    co_await m_pauser.pause(250);
    if (screenGone()) co_return;
    m_screen.setBarValue(2);
    m_screen.Repaint();

    if (settings.get(Settings::Key::FirstStart) == QStringLiteral("1")) {
        StartEntry::create(reg);
        settings.set(Settings::Key::FirstStart, QStringLiteral("0"));
    }

    // "1" marks a date that is not there yet.
    if (settings.get(Settings::Key::InstallDate, QStringLiteral("1")) == QStringLiteral("1"))
        settings.set(Settings::Key::InstallDate, installDateText());
    // Read again: when the write did not stick, the request says so with
    // "Null".
    m_address = ConfigRequest::address(AppInfo::configHost(), g.gstrUid,
                                       settings.get(Settings::Key::InstallDate));
    m_failure.clear();
    // A named job: GCC 12 destroys the temporaries of a co_await
    // expression (here the address's copy) twice.
    QCoro::Task<bool> load = ConfigLoader::load(g.service, m_address, m_timeoutMs, &m_failure);
    bool loaded = co_await load;
    if (screenGone()) co_return;
    if (loaded) {
        // A document the window cannot open with is refused here, like one
        // that never arrived, rather than failing inside the window later.
        const QStringList missing = ConfigCheck::missing(g.service);
        if (!missing.isEmpty()) {
            loaded = false;
            m_failure = tr("the document was refused: it lacks %1").arg(missing.join(u"; "));
            g.service.clear();
        }
    }
    g.gblnConfigLoaded = loaded;

    if (loaded) {
        co_await loadedPath();
        if (screenGone()) co_return;
    } else {
        StartEntry::remove(reg);
        m_dialogs.detailedMessageBox(noConnectionMessage(), AppInfo::title(),
                                     IDialogs::Icon::Exclamation, IDialogs::Buttons::Ok,
                                     failureDetails(m_address, m_failure));
        g.gblnConfigLoaded = false;
    }

    co_await m_pauser.pause(500);
    if (screenGone()) co_return;
    m_screen.Unload();
}

QCoro::Task<> StartupSequence::loadedPath() {
    Globals& g = m_globals;
    Settings settings(*g.gobjRegistry);

    m_screen.setStatus(tr("Loading updated server configuration"));
    m_screen.setBarValue(3);
    m_screen.Repaint();
    co_await m_pauser.pause(250);
    if (screenGone()) co_return;

    g.gelmMessages = g.service.messages();
    const QString title = g.gelmMessages.joinedText("titlemsgbox");

    const QString endmessage = g.gelmMessages.joinedText("endmessage");
    if (!endmessage.isEmpty()) {
        const QString endurl = g.gelmMessages.joinedText("endurl");
        if (!endurl.isEmpty()) {
            if (m_dialogs.messageBox(endmessage, title, IDialogs::Icon::Information,
                                     IDialogs::Buttons::OkCancel) == IDialogs::Result::Ok)
                m_screen.Navigate(endurl);
        } else {
            m_dialogs.messageBox(endmessage, title, IDialogs::Icon::Information,
                                 IDialogs::Buttons::Ok);
        }
        g.gblnConfigLoaded = false;
    }

    if (g.gblnConfigLoaded) {
        const QString open = g.gelmMessages.joinedText("open");
        if (!open.isEmpty())
            m_dialogs.messageBox(open, title, IDialogs::Icon::Information, IDialogs::Buttons::Ok);

        m_screen.setStatus(tr("Initialized"));
        m_screen.setBarValue(4);
        m_screen.Repaint();

        const ConfigElement features = g.service.features();
        if (features.getAttribute("tray") == QStringLiteral("1")) {
            g.gblnShowMain = false;
            m_screen.setStatus(m_screen.status() + tr(", minimizing to tray."));
            m_screen.Repaint();
        } else {
            g.gblnShowMain = true;
        }
        // Kept for its own sake: nothing reads ConfigLoaded, and it is set to
        // "1" below in every case.
        if (features.getAttribute("cache") == QStringLiteral("0"))
            settings.set(Settings::Key::ConfigLoaded, QString());

        co_await m_pauser.pause(250);
        if (screenGone()) co_return;
    }

    // Also after an end-of-service notice. A copy that cannot be written is
    // not reported; nothing reads it back.
    g.service.save(AppInfo::dataFolder() + QStringLiteral("/config.xml"));
    settings.set(Settings::Key::ConfigLoaded, QStringLiteral("1"));
}
