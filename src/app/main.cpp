#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

#include "app/AppCommandLine.h"
#include "app/Translations.h"
#include "app/mMain.h"
#include "cli/HeadlessCommandLine.h"
#include "config/Globals.h"
#include "desktop/DesktopUrlOpener.h"
#include "desktop/QtDialogs.h"
#include "desktop/QtSoundOutput.h"
#include "desktop/QtTrayHost.h"
#include "desktop/ThreadPauser.h"
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
int runHeadless(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    Translations::install(app);
    QCommandLineParser parser;
    AppCommandLine::describe(parser);
    if (!parser.parse(app.arguments())) {
        QTextStream(stderr) << HeadlessTranslation::prefix() << parser.errorText() << Qt::endl;
        return HeadlessTranslation::Usage;
    }
    const int status = HeadlessCommandLine::run(parser);
    // The network objects of the last request are released with deleteLater;
    // release them before the application object goes.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}

int runWindow(int argc, char** argv) {
    QApplication app(argc, argv);
    Translations::install(app);
    QGuiApplication::setDesktopFileName(QString::fromLatin1(desktopFileName));
    // The program lives as long as the main window is loaded, also while it
    // is hidden in the tray.
    app.setQuitOnLastWindowClosed(false);

    QtDialogs dialogs;
    DesktopUrlOpener urlOpener;
    ThreadPauser pauser;
    QtSoundOutput sound;
    QtTrayHost tray;
    Platform platform;
    platform.dialogs = &dialogs;
    platform.urlOpener = &urlOpener;
    platform.pauser = &pauser;
    platform.sound = &sound;
    platform.tray = &tray;

    Globals globals;
    // The old switches are read from the line as the application object
    // sees it, as they always were.
    globals.commandLine = CommandLine::fromArguments(app.arguments());

    const std::unique_ptr<frmTranslate> window = mMain::Main(globals, platform);
    if (!window) return 0;
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
            return runHeadless(argc, argv);
        case AppCommand::Kind::RunWindow:
            break;
    }
    return runWindow(argc, argv);
}
