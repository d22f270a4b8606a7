#pragma once

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>

#include "TestEnv.h"

// A session bus of the test's own (dbus-daemon), and the python-dbusmock
// fakes of tests/support started on it (Debian's python3-dbusmock, for
// Debian's Python).
class PrivateBus {
public:
    ~PrivateBus() {
        m_daemon.terminate();
        m_daemon.waitForFinished();
    }

    // Starts the daemon; false, with why, when it cannot.
    bool start(QString* why) {
        m_daemon.start(QStringLiteral("dbus-daemon"),
                       {"--session", "--nofork", "--nopidfile", "--print-address=1"});
        if (!m_daemon.waitForStarted()) {
            *why = QStringLiteral("dbus-daemon (scripts/install-deps.sh installs it)");
            return false;
        }
        if (!QTest::qWaitFor([&] { return m_daemon.canReadLine(); }, 10000)) {
            *why = QStringLiteral("dbus-daemon told no address");
            return false;
        }
        m_address = QString::fromUtf8(m_daemon.readLine().trimmed());
        return true;
    }

    QString address() const { return m_address; }

    // Starts the fake tests/support/fakeFile with its parameters (JSON) and
    // waits up to ms until it owns name, as bus sees it; false, with why,
    // when it does not.
    bool startFake(QProcess& fake, const QString& fakeFile, const QString& parameters,
                   const QDBusConnection& bus, const QString& name, int ms, QString* why) const {
        fake.setProcessChannelMode(QProcess::ForwardedChannels);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), m_address);
        fake.setProcessEnvironment(env);
        fake.start(QStringLiteral("/usr/bin/python3"),
                   {"-m", "dbusmock", "--session", "-t",
                    TestEnv::sourceDir() + "/tests/support/" + fakeFile, "-p", parameters});
        if (!fake.waitForStarted()) {
            *why = QStringLiteral("python3-dbusmock (scripts/install-deps.sh)");
            return false;
        }
        if (!QTest::qWaitFor([&] { return bus.interface()->isServiceRegistered(name); }, ms)) {
            *why = QStringLiteral("the fake %1 did not come up").arg(fakeFile);
            return false;
        }
        return true;
    }

private:
    QProcess m_daemon;
    QString m_address;
};
