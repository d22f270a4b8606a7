#include "config/Settings.h"

#include "config/cVeRegistry.h"

namespace {

struct Entry {
    Settings::Key key;
    bool run;  // the Run section; the program's own section otherwise
    const char* name;
    const char* fallback;
};

// The sizes have no default of their own: the window reads them with its
// current size.
constexpr Entry table[] = {
    {Settings::Key::Uid, false, "uid", ""},
    {Settings::Key::FirstStart, false, "firstStart", "1"},
    {Settings::Key::InstallDate, false, "installdate", "Null"},
    {Settings::Key::ConfigLoaded, false, "ConfigLoaded", ""},
    {Settings::Key::Width, false, "width", ""},
    {Settings::Key::Height, false, "height", ""},
    {Settings::Key::KeepHistory, false, "keepHistory", "1"},
    {Settings::Key::SelectionShortcut, false, "selectionShortcut", "Ctrl+Alt+E"},
    {Settings::Key::ScreenAreaShortcut, false, "screenAreaShortcut", "Ctrl+Alt+O"},
    {Settings::Key::StartEntry, true, "Velmor Parlamo", ""},
};

const Entry& entry(Settings::Key key) {
    for (const Entry& e : table)
        if (e.key == key) return e;
    Q_UNREACHABLE();
}

}  // namespace

QString Settings::section(Key key) {
    return entry(key).run ? cVeRegistry::runSection() : cVeRegistry::programSection();
}

QString Settings::name(Key key) {
    return QString::fromLatin1(entry(key).name);
}

QString Settings::defaultText(Key key) {
    return QString::fromLatin1(entry(key).fallback);
}

QString Settings::get(Key key) const {
    return get(key, defaultText(key));
}

QString Settings::get(Key key, const QString& fallback) const {
    return m_store.GetSetting(section(key), name(key), fallback);
}

bool Settings::set(Key key, const QString& value) {
    return m_store.SaveSetting(section(key), name(key), value);
}

bool Settings::remove(Key key) {
    return m_store.DeleteSetting(section(key), name(key));
}
