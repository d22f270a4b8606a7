#include "config/cVeRegistry.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <utility>

#include "config/AutostartEntry.h"
#include "config/IniFile.h"
#include "config/SafeFile.h"

namespace {

QString valueName(const QString& key) {
    // "*" names the unnamed default value, as the empty name does.
    return key == QStringLiteral("*") ? QString() : key;
}

QString titleLine(const QString& section) {
    return QLatin1Char('[') + section + QLatin1Char(']');
}

}  // namespace

cVeRegistry::cVeRegistry(QString configHome) : m_configHome(std::move(configHome)) {
    if (m_configHome.isEmpty()) m_configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (m_configHome.isEmpty()) m_configHome = QDir::homePath() + QStringLiteral("/.config");
    // A write killed before its rename leaves its temporary beside the file;
    // the store is made once, at the start, which is the time to sweep them.
    SafeFile::removeStaleTemporaries(sectionFile(programSection()));
}

QString cVeRegistry::programSection() {
    return QStringLiteral("Software\\Velmor\\Rorererizu\\3");
}
QString cVeRegistry::runSection() {
    return QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Run");
}

bool cVeRegistry::isRunSection(const QString& Section) {
    // Registry key names do not care about letter case.
    return Section.compare(runSection(), Qt::CaseInsensitive) == 0;
}

QString cVeRegistry::sectionFile(const QString& Section) const {
    QStringList levels = Section.split(QLatin1Char('\\'));
    if (levels.size() > 1 &&
        levels.front().compare(QStringLiteral("Software"), Qt::CaseInsensitive) == 0)
        levels.removeFirst();
    for (const QString& level : levels) {
        // Nothing may lead out of the settings folder or into a file name of
        // another level.
        if (level.isEmpty() || level == QStringLiteral(".") || level == QStringLiteral("..") ||
            level.contains(QLatin1Char('/')) || level.contains(QChar(0)))
            return QString();
    }
    return m_configHome + QLatin1Char('/') + levels.join(QLatin1Char('/')) + QStringLiteral(".ini");
}

QString cVeRegistry::autostartFile(const QString& Key) const {
    const QString name = AutostartEntry::fileName(valueName(Key));
    if (name.isEmpty()) return QString();
    return m_configHome + QStringLiteral("/autostart/") + name;
}

QString cVeRegistry::GetSetting(const QString& Section, const QString& Key,
                                const QString& Default) {
    if (isRunSection(Section)) {
        const QString path = autostartFile(Key);
        if (path.isEmpty()) return Default;
        return AutostartEntry::read(path).value_or(Default);
    }
    const QString path = sectionFile(Section);
    if (path.isEmpty()) return Default;
    return IniFile::read(path).value(valueName(Key)).value_or(Default);
}

bool cVeRegistry::SaveSetting(const QString& Section, const QString& Key, const QString& Setting) {
    if (isRunSection(Section)) {
        const QString path = autostartFile(Key);
        if (path.isEmpty()) return false;
        return IniFile::writeAtomically(path, AutostartEntry::render(valueName(Key), Setting));
    }
    const QString path = sectionFile(Section);
    if (path.isEmpty()) return false;
    IniFile file = IniFile::read(path);
    switch (file.state()) {
        case IniFile::State::Unreadable:
            // Writing now would throw away every other value of the section.
            return false;
        case IniFile::State::Corrupt:
            // Starts afresh, but keeps what was there for whoever wants it.
            QFile::remove(path + QStringLiteral(".corrupt"));
            if (!QFile::copy(path, path + QStringLiteral(".corrupt"))) return false;
            file = IniFile::parse(QByteArray());
            break;
        case IniFile::State::Missing:
        case IniFile::State::Ok:
            break;
    }
    file.setValue(valueName(Key), Setting);
    return IniFile::writeAtomically(path, file.serialize(titleLine(Section)));
}

bool cVeRegistry::DeleteSetting(const QString& Section, const QString& Key) {
    if (Key.isEmpty()) return true;
    if (isRunSection(Section)) {
        const QString path = autostartFile(Key);
        if (path.isEmpty()) return false;
        return QFile::remove(path);
    }
    const QString path = sectionFile(Section);
    if (path.isEmpty()) return false;
    IniFile file = IniFile::read(path);
    if (file.state() != IniFile::State::Ok) return false;
    if (!file.remove(valueName(Key))) return false;
    return IniFile::writeAtomically(path, file.serialize(titleLine(Section)));
}
