#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QCoro/QCoroTask>
#include <QTextStream>
#include <cstdio>
#include <memory>

#include "app/AppCommandLine.h"
#include "app/AppRequests.h"
#include "app/DBusInterface.h"
#include "app/RunningCopy.h"
#include "app/Translations.h"
#include "app/WindowRequests.h"
#include "app/mMain.h"
#include "cli/HeadlessCommandLine.h"
#include "config/Globals.h"
#include "desktop/DesktopUrlOpener.h"
#include "desktop/LazySoundOutput.h"
#include "desktop/PortalGlobalShortcut.h"
#include "desktop/QtDialogs.h"
#include "desktop/QtTrayHost.h"
#include "desktop/ScreenAreaPicker.h"
#include "desktop/ThreadPauser.h"
#include "desktop/X11GlobalShortcut.h"
#include "platform/Platform.h"
#include "startup/CommandLine.h"
#include "ui/frmTranslate.h"

namespace {

// The installed desktop entry, icon and metainfo carry this name; announcing
// it lets the desktop match the window to its entry and icon.
constexpr auto desktopFileName = "org.velmor.Parlamo";

int printAndExit(int argc, char** argv) {
    // A core application only to carry the translations of the help: it
    // needs no display and reads or writes nothing.
    QCoreApplication app(argc, argv);
    Translations::install(app);
    const AppCommand command = AppCommandLine::parse(QCoreApplication::arguments());
    const QByteArray text = command.output.toLocal8Bit();
    std::fwrite(text.constData(), 1, static_cast<std::size_t>(text.size()), stdout);
    return std::fflush(stdout) == 0 ? command.exitCode : 1;
}

// The headless mode must not need a display, so it never gets a
// QApplication.
int runHeadless(int argc, char** argv, bool needsDisplay) {
    // Said plainly rather than by Qt's abort.
    if (needsDisplay && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        QTextStream(stderr) << HeadlessTranslation::prefix()
                            << QCoreApplication::translate("main",
                                                           "reading the screen needs a display")
                            << Qt::endl;
        return HeadlessTranslation::Failed;
    }
    const std::unique_ptr<QCoreApplication> application =
        needsDisplay ? std::make_unique<QGuiApplication>(argc, argv)
                     : std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication& app = *application;
    Translations::install(app);
    QCommandLineParser parser;
    AppCommandLine::describe(parser);
    if (!parser.parse(app.arguments())) {
        QTextStream(stderr) << HeadlessTranslation::prefix() << parser.errorText() << Qt::endl;
        return HeadlessTranslation::Usage;
    }
    // The job runs on the application's own loop, which it ends with its
    // exit code (queued: it may be done before the loop runs).
    QCoro::connect(HeadlessCommandLine::run(parser), &app, [](int code) {
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [code] { QCoreApplication::exit(code); },
            Qt::QueuedConnection);
    });
    const int status = QCoreApplication::exec();
    // The network objects of the last request are released with deleteLater;
    // release them before the application object goes.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}

// The selection shortcut's way on this window system: a key grab on X11,
// the desktop portal on Wayland, none elsewhere (offscreen, for one).
std::unique_ptr<IGlobalShortcut> globalShortcut() {
    const QString system = QGuiApplication::platformName();
    if (system == QLatin1String("xcb")) return std::make_unique<X11GlobalShortcut>();
    if (system.startsWith(QLatin1String("wayland")))
        return std::make_unique<PortalGlobalShortcut>();
    return nullptr;
}

// What a start asks of a copy that already runs.
RunningCopy::Request handedOverRequest(const AppCommand& command, const QString& commandLine) {
    if (command.translateSelection) return RunningCopy::Request::TranslateSelection;
    if (command.translateScreenArea) return RunningCopy::Request::TranslateScreenArea;
    // The log-on start finds the program running: nothing to do.
    if (CommandLine::hasStartupSwitch(commandLine)) return RunningCopy::Request::Nothing;
    return RunningCopy::Request::Show;
}

int runWindow(int argc, char** argv, const AppCommand& command) {
    QApplication app(argc, argv);
    Translations::install(app);
    QGuiApplication::setDesktopFileName(QString::fromLatin1(desktopFileName));
    // The program lives as long as the main window is loaded, also while it
    // is hidden in the tray.
    app.setQuitOnLastWindowClosed(false);

    // One copy per user: a later start hands its request over before it
    // reads a setting or fetches anything.
    const QString commandLine = CommandLine::fromArguments(app.arguments());
    AppRequests requests;
    DBusInterface dbus(requests, QDBusConnection::sessionBus());
    dbus.publishObject();
    RunningCopy copy;
    QObject::connect(&copy, &RunningCopy::requested, &requests, [&requests](auto request) {
        if (request == RunningCopy::Request::Show) requests.show();
        if (request == RunningCopy::Request::TranslateSelection) requests.translateSelection();
        if (request == RunningCopy::Request::TranslateScreenArea) requests.translateScreenArea();
    });
    QString why;
    switch (copy.claim(handedOverRequest(command, commandLine), &why)) {
        case RunningCopy::Outcome::HandedOver:
            return 0;
        case RunningCopy::Outcome::Unreachable:
            QTextStream(stderr) << HeadlessTranslation::prefix() << why << Qt::endl;
            return 1;
        case RunningCopy::Outcome::First:
            // Without a way to know of other copies, this one goes on alone.
            if (!why.isEmpty())
                QTextStream(stderr) << HeadlessTranslation::prefix() << why << Qt::endl;
            break;
    }
    // By the bus name the name is ours already.
    if (copy.way() != RunningCopy::Way::BusName) dbus.publishName();

    QtDialogs dialogs;
    DesktopUrlOpener urlOpener;
    ThreadPauser pauser;
    LazySoundOutput sound;
    QtTrayHost tray;
    const std::unique_ptr<IGlobalShortcut> shortcut = globalShortcut();
    Platform platform;
    platform.dialogs = &dialogs;
    platform.urlOpener = &urlOpener;
    platform.pauser = &pauser;
    platform.sound = &sound;
    platform.tray = &tray;
    platform.shortcut = shortcut.get();
    // The screen area: our own picker where the program can read the screen,
    // the desktop's through the portal on Wayland; its key as the selection's.
    const QString system = QGuiApplication::platformName();
    const bool wayland = system.startsWith(QLatin1String("wayland"));
    ScreenAreaPicker screenArea(wayland ? ScreenAreaPicker::Way::Portal
                                        : ScreenAreaPicker::Way::Overlay);
    std::unique_ptr<IGlobalShortcut> areaShortcut;
    if (system == QLatin1String("xcb"))
        areaShortcut =
            std::make_unique<X11GlobalShortcut>(nullptr, X11GlobalShortcut::Purpose::ScreenArea);
    else if (wayland)
        areaShortcut = std::make_unique<PortalGlobalShortcut>(
            QDBusConnection::sessionBus(), nullptr, PortalGlobalShortcut::Purpose::ScreenArea);
    platform.areaShortcut = areaShortcut.get();
    platform.screenArea = &screenArea;

    Globals globals;
    // The old switches are read from the line as the application object
    // sees it, as they always were.
    globals.commandLine = commandLine;

    // Waits for the window like the requests of other programs.
    if (command.translateSelection) requests.translateSelection();
    if (command.translateScreenArea) requests.translateScreenArea();
    const std::unique_ptr<frmTranslate> window = mMain::Main(globals, platform);
    if (!window) {
        requests.abandon(QCoreApplication::translate("main", "Parlamo could not start."));
        return 0;
    }
    connectWindowRequests(requests, *window);
    QObject::connect(window.get(), &frmTranslate::unloaded, &app, &QCoreApplication::quit);
    return app.exec();
}

}  // namespace

int main(int argc, char** argv) {
    // Decided before any application object exists: --help and --version
    // need no display, and read or write nothing.
    const AppCommand command = AppCommandLine::parse(AppCommandLine::argumentsOf(argc, argv));
    switch (command.kind) {
        case AppCommand::Kind::PrintAndExit:
            return printAndExit(argc, argv);
        case AppCommand::Kind::Headless:
            return runHeadless(argc, argv, command.headlessNeedsDisplay);
        case AppCommand::Kind::RunWindow:
            break;
    }
    return runWindow(argc, argv, command);
}
