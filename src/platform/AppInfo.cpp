#include "platform/AppInfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryFile>

namespace AppInfo {

namespace {
QString& folderOverride() {
    static QString folder;
    return folder;
}

bool isWritableFolder(const QString& folder) {
    const QFileInfo fi(folder);
    if (!fi.isDir()) return false;
    // Permission bits lie for root and for some file systems: try it.
    QTemporaryFile probe(folder + QStringLiteral("/.parlamo-probe-XXXXXX"));
    return probe.open();
}

bool isInstalledFolder(const QString& programFolder) {
    // Canonical, so that /bin on a merged /usr and a symlinked prefix count.
    const QString folder = QFileInfo(programFolder).canonicalFilePath();
    if (folder.isEmpty()) return false;
    static const QStringList systemFolders{
        QStringLiteral("/usr/bin"), QStringLiteral("/usr/local/bin"), QStringLiteral("/bin"),
        QStringLiteral("/usr/games"), QStringLiteral("/usr/local/games")};
    if (systemFolders.contains(folder)) return true;
    // The prefix is not known when the program is built (a package is laid
    // out under /usr, `cmake --install --prefix` anywhere), but the way from
    // its bin folder to the metainfo is.
    return QFileInfo::exists(folder + QStringLiteral("/" PARLAMO_INSTALLED_MARKER));
}
}  // namespace

QString versionText() {
    return QStringLiteral("%1.%2.%3").arg(versionMajor).arg(versionMinor).arg(versionRevision);
}

QString title() {
    return QStringLiteral("Parlamo v%1.%2").arg(versionMajor).arg(versionMinor);
}

QString exeName() {
    // The running executable, so that a renamed copy starts itself at log-on;
    // the path is that of the file a symlink leads to.
    const QString path =
        QCoreApplication::instance() ? QCoreApplication::applicationFilePath() : QString();
    const QString name = QFileInfo(path).fileName();
    return name.isEmpty() ? QStringLiteral("RaDudezozad") : name;
}

QString programFolder() {
    if (!folderOverride().isEmpty()) return folderOverride();
    return QCoreApplication::applicationDirPath();
}

void setProgramFolder(const QString& folder) {
    folderOverride() = folder;
}

QString dataFolder() {
    QString program = programFolder();
    if (!isInstalledFolder(program) && isWritableFolder(program)) return program;
    QString base = qEnvironmentVariable("XDG_DATA_HOME");
    if (base.isEmpty()) base = QDir::homePath() + QStringLiteral("/.local/share");
    QString folder = base + QStringLiteral("/Velmor/Parlamo");
    QDir().mkpath(folder);
    return folder;
}

QString configHost() {
    QString env = qEnvironmentVariable("PARLAMO_CONFIG_HOST");
    if (!env.isEmpty()) return env;
    return QStringLiteral(PARLAMO_DEFAULT_CONFIG_HOST);
}

}  // namespace AppInfo
