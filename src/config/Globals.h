#pragma once

#include <QString>
#include <memory>

#include "config/ConfigElement.h"
#include "config/ServiceDocument.h"
#include "config/cVeRegistry.h"

// The program-wide state that the start-up leaves for the main window. One
// instance lives from the start-up to the end of the program; tests make
// their own.
struct Globals {
    // The service document; not loaded until the start-up has loaded it.
    ServiceDocument service;
    ConfigElement gelmMessages;
    std::unique_ptr<cVeRegistry> gobjRegistry;
    QString gstrUid;
    bool gblnConfigLoaded = false;
    bool gblnShowMain = false;
    // The command line: the text after the program's name, arguments joined
    // by single spaces.
    QString commandLine;
};
