#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A private home for one test: XDG_CONFIG_HOME, XDG_DATA_HOME and a program
// folder inside one temporary folder, restored when it goes away.
class TestEnv {
public:
    TestEnv();
    ~TestEnv();
    TestEnv(const TestEnv&) = delete;
    TestEnv& operator=(const TestEnv&) = delete;

    QString root() const { return m_dir.path(); }
    QString configHome() const { return m_dir.path() + QStringLiteral("/config"); }
    QString dataHome() const { return m_dir.path() + QStringLiteral("/data"); }
    QString programFolder() const { return m_dir.path() + QStringLiteral("/program"); }

    // The source tree (for data/ files).
    static QString sourceDir();
    static QString sampleConfigPath();  // data/sample-config.xml
    static QByteArray readFile(const QString& path);

private:
    QTemporaryDir m_dir;
    QByteArray m_oldConfig, m_oldData;
    bool m_hadConfig, m_hadData;
};
