#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

// The program's own plugin libraries (sound, language detection, text
// reading): where they are looked for and which files may be loaded.
namespace PluginFiles {

// libraryName beside the executable (a build or an unpacked folder), then
// in the private library folder of an installation, in that order.
QStringList beside(const QString& programFolder, const QString& libraryName);

// Whether code may be loaded from file: only from a file that its owner or
// root could have put there and that nobody else may change (a folder
// recorded at build time may be gone and made again by someone else).
enum class Trust { Trusted, OtherOwner, OthersMayChange };
Trust trust(const QString& file);

// The first of candidates that exists, may be trusted and has the entry
// function: the function (its library stays loaded to the end of the
// program). None when no file has it, and why: each file's reason, or the
// files looked for when none exists.
QFunctionPointer resolveFirst(const QStringList& candidates, const char* entry, QString* why);

}  // namespace PluginFiles
