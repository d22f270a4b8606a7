#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// A value of the Run section as an XDG autostart entry: the value
// "Velmor Parlamo" is the file autostart/velmor-parlamo.desktop, and the
// command text is its Exec line, quoted the way the Desktop Entry format
// wants, so that a program folder with spaces still starts.
class AutostartEntry {
public:
    // "velmor-parlamo.desktop" for "Velmor Parlamo"; empty for a name that
    // yields no usable file name.
    static QString fileName(const QString& valueName);

    // The command text of the entry in that file: nothing when there is no
    // readable entry (missing, unreadable, not a desktop entry), the empty
    // text when the entry is switched off (Hidden=true, autostart disabled,
    // an empty or unusable Exec).
    static std::optional<QString> read(const QString& path);

    // The whole file for a command text; an empty command gives an entry
    // that reads back as empty and that the desktop ignores.
    static QByteArray render(const QString& valueName, const QString& command);

    // The command text split into the program and its arguments. The program
    // is the longest run of words before a space that names an existing file;
    // without one, trailing switches ("/startup", "-x") are the arguments and
    // the rest is the program.
    static QStringList splitCommand(const QString& command);
    // The Exec value as it stands in the file (after the file's own escapes).
    static QString execLine(const QString& command);
    // The arguments of an Exec value, unquoted; nothing when it is malformed.
    static std::optional<QStringList> parseExec(const QString& execValue);
};
