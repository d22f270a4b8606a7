#include "config/cVeRegistry.h"

#include <QDir>

cVeRegistry::cVeRegistry(const QString& configHome) : m_configHome(configHome) {
    if (m_configHome.isEmpty()) m_configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (m_configHome.isEmpty()) m_configHome = QDir::homePath() + QStringLiteral("/.config");
}

QString cVeRegistry::programSection() { return QStringLiteral("Software\\Velmor\\Rorererizu\\3"); }
QString cVeRegistry::runSection() {
    return QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Run");
}
QString cVeRegistry::startEntryName() { return QStringLiteral("Velmor Parlamo"); }

bool cVeRegistry::DeleteSetting(const QString&, const QString&) { return false; }
QString cVeRegistry::GetSetting(const QString&, const QString&, const QString& Default) {
    return Default;
}
bool cVeRegistry::SaveSetting(const QString&, const QString&, const QString&) { return false; }
