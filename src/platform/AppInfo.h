#pragma once

#include <QString>

// What the application object told the original program: version and title,
// fixed at build time here, and the running executable's name and folder.
namespace AppInfo {

inline constexpr int versionMajor = PARLAMO_VERSION_MAJOR;
inline constexpr int versionMinor = PARLAMO_VERSION_MINOR;
inline constexpr int versionRevision = PARLAMO_VERSION_REVISION;

QString versionText();  // "3.1.108"
QString title();        // "Parlamo v3.1"
// The running executable's file name ("RaDudezozad" as built); the built
// name when there is no application object yet.
QString exeName();

// The folder of the running executable, unless a test has set another one.
QString programFolder();
void setProgramFolder(const QString& folder);  // empty restores the default

// Where files "beside the program" go: the program's folder when it runs
// from a folder of its own (a build or an unpacked copy) that is writable;
// otherwise, and always for an installed program, even one run as root,
// $XDG_DATA_HOME/Velmor/Parlamo (created on demand). Installed means a
// system folder of programs (/usr/bin, /usr/local/bin...) or the bin folder
// of an installation made by `cmake --install` or the package, known by the
// metainfo file installed with it under the same prefix.
QString dataFolder();

// The configuration server: PARLAMO_CONFIG_HOST when set, else the built-in
// default. "host" or "host:port".
QString configHost();

}  // namespace AppInfo
