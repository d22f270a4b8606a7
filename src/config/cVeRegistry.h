#pragma once

#include <QString>

// The settings store: named text values in named sections, kept as
// human-readable INI files under $XDG_CONFIG_HOME (default ~/.config). The
// program's section "Software\Velmor\Rorererizu\3" is the file
// Velmor/Rorererizu/3.ini there. The Run section
// "Software\Microsoft\Windows\CurrentVersion\Run" is the desktop's autostart
// folder: the value "Velmor Parlamo" is autostart/velmor-parlamo.desktop.
// No method throws; failures show only in the results.
//
// The value name "*" and the empty name both mean the section's unnamed
// default value (DeleteSetting ignores the empty name). A value stored as
// the empty text reads back as the empty text, not as the default.
class cVeRegistry {
public:
    // configHome empty: $XDG_CONFIG_HOME, or ~/.config when that is unset.
    explicit cVeRegistry(QString configHome = QString());

    // True when the value was there and is gone. The empty name deletes
    // nothing and gives True.
    bool DeleteSetting(const QString& Section, const QString& Key);
    // The stored text, or Default when the section or value is missing or
    // cannot be read.
    QString GetSetting(const QString& Section, const QString& Key, const QString& Default);
    // True when the value has been written to disk; missing folders are
    // created, the file is replaced atomically.
    bool SaveSetting(const QString& Section, const QString& Key, const QString& Setting);

    static QString programSection();  // "Software\Velmor\Rorererizu\3"
    static QString runSection();      // "Software\Microsoft\Windows\CurrentVersion\Run"

    QString configHome() const { return m_configHome; }

    // Where a section's values live: the INI file, or for the Run section the
    // autostart folder. Empty for a section that maps to no safe path (an
    // empty level, "." or "..", a slash inside a level).
    QString sectionFile(const QString& Section) const;
    // The desktop file of a value of the Run section; empty when unusable.
    QString autostartFile(const QString& Key) const;
    static bool isRunSection(const QString& Section);

private:
    QString m_configHome;
};
