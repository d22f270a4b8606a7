#include "app/RunningCopy.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QThread>
#include <cerrno>

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

// Why path is no folder for the lock: not a folder of ours that no one else
// may use. Empty when it is. The link itself is looked at, never followed.
QString notPrivate(const QString& path) {
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return RunningCopy::tr("%1 cannot be made (%2).").arg(path, qt_error_string(errno));
    if (!S_ISDIR(info.st_mode)) return RunningCopy::tr("%1 is not a folder.").arg(path);
    if (info.st_uid != ::geteuid()) return RunningCopy::tr("%1 belongs to another user.").arg(path);
    if ((info.st_mode & (S_IRWXG | S_IRWXO)) != 0)
        return RunningCopy::tr("Other users may use %1.").arg(path);
    return QString();
}

}  // namespace

RunningCopy::RunningCopy(QObject* parent) : QObject(parent) {
    const Folder folder = privateFolder();
    if (!folder.path.isEmpty()) {
        m_way = Way::LockFile;
        m_folder = folder.path;
        return;
    }
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (bus.isConnected() && bus.interface()) {
        m_way = Way::BusName;
        return;
    }
    m_noWayBecause = folder.why;
}

RunningCopy::~RunningCopy() {
    if (m_ownsName)
        QDBusConnection::sessionBus().unregisterService(
            QString::fromLatin1(DBusInterface::serviceName));
    delete m_server;  // before the lock goes: a later start then finds neither
    m_lock.reset();
}

RunningCopy::Folder RunningCopy::privateFolder(const QString& runtimeDir,
                                               const QString& ownFolder) {
    if (!runtimeDir.isEmpty() && QDir::isAbsolutePath(runtimeDir)) {
        const QString path = QDir::cleanPath(runtimeDir);
        if (notPrivate(path).isEmpty()) return {path, QString()};
    }
    const QString own = QDir::cleanPath(ownFolder);
    // Made here, or found: either way it must be ours alone, since anyone
    // may have made it first.
    if (::mkdir(QFile::encodeName(own).constData(), 0700) != 0 && errno != EEXIST)
        return {QString(), tr("%1 cannot be made (%2).").arg(own, qt_error_string(errno))};
    const QString why = notPrivate(own);
    if (!why.isEmpty()) return {QString(), why};
    return {own, QString()};
}

RunningCopy::Folder RunningCopy::privateFolder() {
    return privateFolder(qEnvironmentVariable("XDG_RUNTIME_DIR"),
                         QDir::tempPath() + QStringLiteral("/parlamo-%1").arg(::geteuid()));
}

QString RunningCopy::lockPath() const {
    return m_folder + QStringLiteral("/org.velmor.Parlamo.lock");
}

QString RunningCopy::socketPath() const {
    return m_folder + QStringLiteral("/org.velmor.Parlamo.socket");
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
    switch (m_way) {
        case Way::LockFile:
            return claimLock(request, why);
        case Way::BusName:
            return claimBusName(request, why);
        case Way::None:
            break;
    }
    if (why)
        *why = tr("Cannot make sure that only one copy of Parlamo runs: %1").arg(m_noWayBecause);
    return Outcome::First;
}

RunningCopy::Outcome RunningCopy::claimBusName(Request request, QString* why) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    const QString service = QString::fromLatin1(DBusInterface::serviceName);
    const QString path = QString::fromLatin1(DBusInterface::objectPath);
    const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> reply =
        bus.interface()->registerService(service, QDBusConnectionInterface::DontQueueService,
                                         QDBusConnectionInterface::DontAllowReplacement);
    if (reply.isValid() && reply.value() == QDBusConnectionInterface::ServiceRegistered) {
        m_ownsName = true;
        return Outcome::First;
    }
    if (!reply.isValid() || !bus.interface()->isServiceRegistered(service).value()) {
        // The bus refused for another reason: run alone.
        if (why)
            *why = tr("Cannot make sure that only one copy of Parlamo runs: %1")
                       .arg(reply.error().message());
        return Outcome::First;
    }

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
    m_lock = std::make_unique<QLockFile>(lockPath());
    // Never stale by age: a copy may run for weeks. A lock whose process is
    // gone is stale all the same.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0)) {
        listen();
        return Outcome::First;
    }
    if (m_lock->error() != QLockFile::LockFailedError) {
        // No lock can be made: run without one rather than not at all.
        const int cause = m_lock->error() == QLockFile::PermissionError ? EACCES : EIO;
        m_lock.reset();
        if (why)
            *why = tr("Cannot make sure that only one copy of Parlamo runs: %1")
                       .arg(tr("%1 cannot be made (%2).").arg(lockPath(), qt_error_string(cause)));
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

RunningCopy::Delivery RunningCopy::handOverBySocket(Request request) const {
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
        emit requested(Request::Show);
    else if (word == wordFor(Request::TranslateSelection))
        emit requested(Request::TranslateSelection);
    else if (word == wordFor(Request::TranslateScreenArea))
        emit requested(Request::TranslateScreenArea);
    else if (word != wordFor(Request::Nothing))
        known = false;
    socket->write(known ? okLine : QByteArray("unknown\n"));
    socket->disconnectFromServer();
}
