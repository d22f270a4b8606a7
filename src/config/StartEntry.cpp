#include "config/StartEntry.h"

#include "config/Settings.h"
#include "platform/AppInfo.h"

QString StartEntry::command() {
    return AppInfo::programFolder() + QLatin1Char('/') + AppInfo::exeName() +
           QStringLiteral(" /startup");
}

bool StartEntry::create(cVeRegistry& registry) {
    return Settings(registry).set(Settings::Key::StartEntry, command());
}

bool StartEntry::remove(cVeRegistry& registry) {
    return Settings(registry).remove(Settings::Key::StartEntry);
}

bool StartEntry::isOn(cVeRegistry& registry) {
    return !Settings(registry).get(Settings::Key::StartEntry).isEmpty();
}

bool StartEntry::toggle(cVeRegistry& registry) {
    if (!isOn(registry)) {
        create(registry);
        return true;
    }
    remove(registry);
    return false;
}
