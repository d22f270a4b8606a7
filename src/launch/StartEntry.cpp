#include "launch/StartEntry.h"

#include "config/cVeRegistry.h"
#include "platform/AppInfo.h"

QString StartEntry::command() {
    return AppInfo::programFolder() + QLatin1Char('/') + AppInfo::exeName() +
           QStringLiteral(" /startup");
}

bool StartEntry::create(cVeRegistry& registry) {
    return registry.SaveSetting(cVeRegistry::runSection(), cVeRegistry::startEntryName(),
                                command());
}

bool StartEntry::remove(cVeRegistry& registry) {
    return registry.DeleteSetting(cVeRegistry::runSection(), cVeRegistry::startEntryName());
}

bool StartEntry::isOn(cVeRegistry& registry) {
    return !registry.GetSetting(cVeRegistry::runSection(), cVeRegistry::startEntryName(), QString())
                .isEmpty();
}

bool StartEntry::toggle(cVeRegistry& registry) {
    if (!isOn(registry)) {
        create(registry);
        return true;
    }
    remove(registry);
    return false;
}
