#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

#include "cli/HeadlessCommandLine.h"
#include "config/Globals.h"
#include "platform/DesktopUrlOpener.h"
#include "platform/Platform.h"
#include "platform/QtDialogs.h"
#include "platform/QtSoundOutput.h"
#include "platform/QtTrayHost.h"
#include "platform/ThreadPauser.h"
#include "startup/CommandLine.h"
#include "startup/mMain.h"
#include "ui/frmTranslate.h"

namespace {

// The headless mode is decided before any application object exists: it must
// not need a display, so it never gets a QApplication.
bool wantsHeadless(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "--list" || arg == "--translate" || arg.startsWith("--translate=")) return true;
    }
    return false;
}

int runHeadless(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    HeadlessCommandLine::addOptions(parser);
    if (!parser.parse(app.arguments())) {
        QTextStream(stderr) << HeadlessTranslation::prefix() << parser.errorText() << Qt::endl;
        return HeadlessTranslation::Usage;
    }
    return HeadlessCommandLine::run(parser);
}

}  // namespace

int main(int argc, char** argv) {
    if (wantsHeadless(argc, argv)) return runHeadless(argc, argv);

    QApplication app(argc, argv);
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
    globals.commandLine = CommandLine::fromArguments(app.arguments());

    const std::unique_ptr<frmTranslate> window = mMain::Main(globals, platform);
    if (!window) return 0;
    QObject::connect(window.get(), &frmTranslate::unloaded, &app, &QCoreApplication::quit);
    return app.exec();
}
