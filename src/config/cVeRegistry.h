#pragma once

#include <QString>

// The settings store: named text values in named sections, kept as
// human-readable INI files under $XDG_CONFIG_HOME (default ~/.config). The
// program's section "Software\Velmor\Rorererizu\3" is the file
// Velmor/Rorererizu/3.ini there. The Run section
// "Software\Microsoft\Windows\CurrentVersion\Run" is the desktop's autostart
// folder: the value "Velmor Parlamo" is autostart/velmor-parlamo.desktop.
// No method throws; failures show only in the results.
class cVeRegistry {
public:
    // configHome empty: $XDG_CONFIG_HOME, or ~/.config when that is unset.
    explicit cVeRegistry(const QString& configHome = QString());

    bool DeleteSetting(const QString& Section, const QString& Key);
    QString GetSetting(const QString& Section, const QString& Key, const QString& Default);
    bool SaveSetting(const QString& Section, const QString& Key, const QString& Setting);

    static QString programSection();  // "Software\Velmor\Rorererizu\3"
    static QString runSection();      // "Software\Microsoft\Windows\CurrentVersion\Run"
    static QString startEntryName();  // "Velmor Parlamo"

    QString configHome() const { return m_configHome; }

private:
    QString m_configHome;
};
