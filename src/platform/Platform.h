#pragma once

class IDialogs;
class IGlobalShortcut;
class IUrlOpener;
class IPauser;
class IScreenArea;
class ISoundOutput;
class ITrayHost;

// The facility a seam falls back to when nothing was wired: it does nothing
// and answers as a host without it would (no device, no tray, OK).
template <class T>
T& doNothing();
template <>
IDialogs& doNothing<IDialogs>();
template <>
IUrlOpener& doNothing<IUrlOpener>();
template <>
IPauser& doNothing<IPauser>();
template <>
ISoundOutput& doNothing<ISoundOutput>();
template <>
ITrayHost& doNothing<ITrayHost>();
template <>
IGlobalShortcut& doNothing<IGlobalShortcut>();
template <>
IScreenArea& doNothing<IScreenArea>();

// One host facility. Never null: left out (or given nullptr) it is the
// do-nothing one, so callers use it without asking first.
template <class T>
class Seam {
public:
    Seam() = default;
    Seam(T* facility) : m_facility(facility ? facility : &doNothing<T>()) {}  // NOLINT
    T* operator->() const { return m_facility; }
    T& operator*() const { return *m_facility; }

private:
    T* m_facility = &doNothing<T>();
};

// The host facilities the windows use, handed to their constructors. The
// program wires the real ones in main.cpp; tests pass recording fakes.
struct Platform {
    Seam<IDialogs> dialogs;
    Seam<IUrlOpener> urlOpener;
    Seam<IPauser> pauser;
    Seam<ISoundOutput> sound;
    Seam<ITrayHost> tray;
    Seam<IGlobalShortcut> shortcut = {};      // the selection shortcut
    Seam<IGlobalShortcut> areaShortcut = {};  // the screen area shortcut
    Seam<IScreenArea> screenArea = {};
};
