#include "TestEnv.h"

#include <QDir>
#include <QFile>

#include "platform/AppInfo.h"

TestEnv::TestEnv()
    : m_oldConfig(qgetenv("XDG_CONFIG_HOME")),
      m_oldData(qgetenv("XDG_DATA_HOME")),
      m_hadConfig(qEnvironmentVariableIsSet("XDG_CONFIG_HOME")),
      m_hadData(qEnvironmentVariableIsSet("XDG_DATA_HOME")) {
    QDir().mkpath(configHome());
    QDir().mkpath(dataHome());
    QDir().mkpath(programFolder());
    qputenv("XDG_CONFIG_HOME", configHome().toLocal8Bit());
    qputenv("XDG_DATA_HOME", dataHome().toLocal8Bit());
    AppInfo::setProgramFolder(programFolder());
}

TestEnv::~TestEnv() {
    AppInfo::setProgramFolder(QString());
    if (m_hadConfig)
        qputenv("XDG_CONFIG_HOME", m_oldConfig);
    else
        qunsetenv("XDG_CONFIG_HOME");
    if (m_hadData)
        qputenv("XDG_DATA_HOME", m_oldData);
    else
        qunsetenv("XDG_DATA_HOME");
}

QString TestEnv::sourceDir() {
    const QString env = qEnvironmentVariable("PARLAMO_SOURCE_DIR");
    return env.isEmpty() ? QStringLiteral(PARLAMO_SOURCE_DIR_DEFAULT) : env;
}

QString TestEnv::sampleConfigPath() {
    return sourceDir() + QStringLiteral("/data/sample-config.xml");
}

QByteArray TestEnv::readFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return QByteArray();
    return f.readAll();
}
