#pragma once

class IDialogs;
class IUrlOpener;
class IPauser;
class ISoundOutput;
class ITrayHost;

// The host facilities the windows use, handed to their constructors. The
// program wires the real ones in main.cpp; tests pass recording fakes.
struct Platform {
    IDialogs* dialogs = nullptr;
    IUrlOpener* urlOpener = nullptr;
    IPauser* pauser = nullptr;
    ISoundOutput* sound = nullptr;
    ITrayHost* tray = nullptr;
};
