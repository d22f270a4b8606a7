#include "app/RunningCopy.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QThread>

#include "app/AppRequests.h"
#include "app/DBusInterface.h"

namespace {

constexpr int handOverTimeoutMs = 5000;
// Connecting to a socket nobody listens on fails at once; a copy that has
// just taken the lock listens a moment later. Tried this often before the
// lock counts as left behind.
constexpr int connectTries = 5;
constexpr int connectWaitMs = 200;
constexpr qint64 longestLine = 64;

const QByteArray okLine = "ok\n";

}  // namespace

RunningCopy::RunningCopy(AppRequests& requests, QObject* parent)
    : QObject(parent), m_requests(requests) {}

RunningCopy::~RunningCopy() {
    if (m_ownsName) {
        QDBusConnection bus = QDBusConnection::sessionBus();
        bus.unregisterObject(QString::fromLatin1(DBusInterface::objectPath));
        bus.unregisterService(QString::fromLatin1(DBusInterface::serviceName));
    }
    delete m_server;  // before the lock goes: a later start then finds neither
    m_lock.reset();
}

QString RunningCopy::lockPath() {
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) +
           QStringLiteral("/org.velmor.Parlamo.lock");
}

QString RunningCopy::socketPath() {
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) +
           QStringLiteral("/org.velmor.Parlamo.socket");
}

QByteArray RunningCopy::wordFor(Request request) {
    switch (request) {
        case Request::Show:
            return "show";
        case Request::TranslateSelection:
            return "translate-selection";
        case Request::TranslateScreenArea:
            return "translate-screen-area";
        case Request::Nothing:
            break;
    }
    return "nothing";
}

RunningCopy::Outcome RunningCopy::claim(Request request, QString* why) {
    const Outcome byBus = claimBusName(request, why);
    if (byBus != Outcome::First) return byBus;
    // A copy started without the session bus holds only the lock.
    const Outcome byLock = claimLock(request, why);
    if (byLock != Outcome::First && m_ownsName) {
        QDBusConnection bus = QDBusConnection::sessionBus();
        bus.unregisterObject(QString::fromLatin1(DBusInterface::objectPath));
        bus.unregisterService(QString::fromLatin1(DBusInterface::serviceName));
        m_ownsName = false;
    }
    return byLock;
}

RunningCopy::Outcome RunningCopy::claimBusName(Request request, QString* why) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface()) return Outcome::First;
    const QString service = QString::fromLatin1(DBusInterface::serviceName);
    const QString path = QString::fromLatin1(DBusInterface::objectPath);

    // The object first: a call that comes the moment the name is ours finds
    // it.
    if (!m_dbus) m_dbus = new DBusInterface(m_requests, bus, this);
    bus.registerObject(path, m_dbus, QDBusConnection::ExportAllSlots);
    const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> reply =
        bus.interface()->registerService(service, QDBusConnectionInterface::DontQueueService,
                                         QDBusConnectionInterface::DontAllowReplacement);
    if (reply.isValid() && reply.value() == QDBusConnectionInterface::ServiceRegistered) {
        m_ownsName = true;
        return Outcome::First;
    }
    bus.unregisterObject(path);
    if (!reply.isValid() || !bus.interface()->isServiceRegistered(service).value())
        return Outcome::First;  // the bus refused for another reason: run alone

    if (request == Request::Nothing) return Outcome::HandedOver;
    const QString method = request == Request::Show ? QStringLiteral("Show")
                           : request == Request::TranslateScreenArea
                               ? QStringLiteral("TranslateScreenArea")
                               : QStringLiteral("TranslateSelection");
    const QDBusMessage answer =
        bus.call(QDBusMessage::createMethodCall(
                     service, path, QString::fromLatin1(DBusInterface::interfaceName), method),
                 QDBus::Block, handOverTimeoutMs);
    if (answer.type() == QDBusMessage::ReplyMessage) return Outcome::HandedOver;
    if (why)
        *why =
            tr("Parlamo is already running but does not answer (%1).").arg(answer.errorMessage());
    return Outcome::Unreachable;
}

RunningCopy::Outcome RunningCopy::claimLock(Request request, QString* why) {
    QDir().mkpath(QFileInfo(lockPath()).absolutePath());
    m_lock = std::make_unique<QLockFile>(lockPath());
    // Never stale by age: a copy may run for weeks. A lock whose process is
    // gone is stale all the same.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0)) {
        listen();
        return Outcome::First;
    }
    if (m_lock->error() != QLockFile::LockFailedError) {
        // No place for a lock: run without one rather than not at all.
        m_lock.reset();
        return Outcome::First;
    }
    switch (handOverBySocket(request)) {
        case Delivery::Delivered:
            m_lock.reset();
            return Outcome::HandedOver;
        case Delivery::NoAnswer:
            // Someone listens: a live copy, busy for now. Its lock stays.
            m_lock.reset();
            if (why) *why = tr("Parlamo is already running but does not answer.");
            return Outcome::Unreachable;
        case Delivery::NobodyListens:
            break;
    }
    // Held by a process that lives but does not listen: a copy that died
    // and whose process number another program now has.
    m_lock->removeStaleLockFile();
    if (m_lock->tryLock(0)) {
        listen();
        return Outcome::First;
    }
    m_lock.reset();
    if (why) *why = tr("Parlamo is already running but does not answer.");
    return Outcome::Unreachable;
}

RunningCopy::Delivery RunningCopy::handOverBySocket(Request request) {
    for (int attempt = 0; attempt < connectTries; ++attempt) {
        QLocalSocket socket;
        socket.connectToServer(socketPath());
        if (!socket.waitForConnected(connectWaitMs)) {
            QThread::msleep(connectWaitMs);
            continue;
        }
        // Connected: a copy listens, whether or not it answers in time.
        socket.write(wordFor(request) + '\n');
        QByteArray line;
        if (socket.waitForBytesWritten(handOverTimeoutMs))
            while (!line.endsWith('\n') && line.size() < longestLine &&
                   socket.waitForReadyRead(handOverTimeoutMs))
                line += socket.readLine(longestLine);
        return line == okLine ? Delivery::Delivered : Delivery::NoAnswer;
    }
    return Delivery::NobodyListens;
}

void RunningCopy::listen() {
    // A socket file left by a copy that crashed would stop listen().
    QLocalServer::removeServer(socketPath());
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(socketPath())) {
        qWarning("RunningCopy: cannot listen on %s: %s", qPrintable(socketPath()),
                 qPrintable(m_server->errorString()));
        return;
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] { serve(socket); });
        }
    });
}

void RunningCopy::serve(QLocalSocket* socket) {
    if (!socket->canReadLine()) {
        if (socket->bytesAvailable() > longestLine) socket->abort();
        return;
    }
    const QByteArray word = socket->readLine(longestLine).trimmed();
    bool known = true;
    if (word == wordFor(Request::Show))
        m_requests.show();
    else if (word == wordFor(Request::TranslateSelection))
        m_requests.translateSelection();
    else if (word == wordFor(Request::TranslateScreenArea))
        m_requests.translateScreenArea();
    else if (word != wordFor(Request::Nothing))
        known = false;
    socket->write(known ? okLine : QByteArray("unknown\n"));
    socket->disconnectFromServer();
}
