#pragma once

#include <QString>

class cVeRegistry;

// The values the program keeps in the settings store, by key. Each key's
// section, value name and the default it is read with are written once, in
// the table in Settings.cpp; the values are text, stored by cVeRegistry as
// they always were.
class Settings {
public:
    enum class Key {
        Uid,                // the installation's identifier, sent with the configuration request
        FirstStart,         // "1" until the first start has been completed, then "0"
        InstallDate,        // the date and time of the first start
        ConfigLoaded,       // "1" after a configuration document was loaded; never read
        Width,              // the main window's outer width in twips
        Height,             // its outer height in twips
        KeepHistory,        // "0" once the user has turned the history off
        SelectionShortcut,  // the key that translates the selection anywhere; empty: none
        StartEntry,         // the command that starts the program at log-on (Run section)
        // the key that reads and translates an area of the screen; empty: none
        ScreenAreaShortcut,
    };

    explicit Settings(cVeRegistry& store) : m_store(store) {}

    // The stored text, or the key's default when it cannot be read.
    QString get(Key key) const;
    // The same with the caller's default: the window's current size for the
    // sizes, or a marker that tells a missing value from a stored one.
    QString get(Key key, const QString& fallback) const;
    bool set(Key key, const QString& value);
    bool remove(Key key);

    static QString section(Key key);
    static QString name(Key key);
    static QString defaultText(Key key);

private:
    cVeRegistry& m_store;
};
