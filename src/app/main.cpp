#include <QApplication>

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

int main(int argc, char** argv) {
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
