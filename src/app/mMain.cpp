#include "app/mMain.h"

#include <QCoreApplication>

#include "config/Failure.h"
#include "config/Globals.h"
#include "platform/AppInfo.h"
#include "platform/IDialogs.h"
#include "startup/frmSplash.h"
#include "ui/frmTranslate.h"

namespace mMain {

std::unique_ptr<frmTranslate> Main(Globals& globals, Platform platform, int configTimeoutMs) {
    {
        frmSplash splash(globals, platform);  // 1. load
        splash.setLoadTimeout(configTimeoutMs);
        splash.exec();  // 2. modal; its activation runs the start-up and closes it
    }                   // 3. unload

    std::unique_ptr<frmTranslate> window;
    if (globals.gblnConfigLoaded) {  // 4.
        window = std::make_unique<frmTranslate>(globals, platform);
        try {
            window->Form_Load();
        } catch (const Failure& e) {
            // The document was checked at start-up; should the window still
            // find something it cannot use, say so and end instead of
            // crashing.
            platform.dialogs->messageBox(
                QCoreApplication::translate("mMain",
                                            "The configuration sent by the server cannot be "
                                            "used: %1")
                    .arg(e.message()),
                AppInfo::title(), IDialogs::Icon::Exclamation, IDialogs::Buttons::Ok);
            return nullptr;
        }
        // A window that gave up while loading (and said why) leaves nothing
        // to run for.
        if (window->isUnloaded()) return nullptr;
    }
    if (globals.gblnShowMain && window) window->show();  // 5.
    return window;                                       // 6.
}

}  // namespace mMain
