#pragma once

#include <memory>

#include "platform/Platform.h"
#include "service/ConfigLoader.h"

struct Globals;
class frmTranslate;

// The program's entry procedure.
namespace mMain {

// Shows the start-up screen modally (which loads everything), then loads the
// main window when the configuration stayed loaded and shows it unless it
// goes to the tray. Returns the loaded window, or nothing when the program
// is to end now. The program runs as long as the returned window lives.
std::unique_ptr<frmTranslate> Main(Globals& globals, Platform platform,
                                   int configTimeoutMs = ConfigLoader::defaultTimeoutMs);

}  // namespace mMain
