#pragma once

#include <QObject>
#include <QString>
#include <memory>

class QLocalServer;
class QLocalSocket;
class QLockFile;

// One running copy per user, by one way chosen at start: the lock file
// org.velmor.Parlamo.lock with a local socket beside it in a runtime folder
// that is ours alone; where no such folder can be had, the session bus name
// org.velmor.Parlamo; where neither can, none (the program says why and runs
// as the only copy it can know of). A later start finds the running copy,
// hands its request over and ends, before it has fetched or shown anything.
// A lock left behind by a copy that crashed or was killed is taken over: its
// process is gone, or nobody answers on its socket. The D-Bus interface
// itself is DBusInterface's; here the bus name only says who runs.
class RunningCopy : public QObject {
    Q_OBJECT
public:
    // What a later start asks of the running copy.
    enum class Request {
        Nothing,             // "/startup": there is one already, nothing to do
        Show,                // a plain start: show the window
        TranslateSelection,  // --translate-selection
        // --translate-screen-area
        TranslateScreenArea,
    };
    enum class Outcome {
        First,        // this is the running copy now; requests come as requested()
        HandedOver,   // another copy runs and has the request
        Unreachable,  // another copy holds the name or the lock but does not answer
    };
    enum class Way { LockFile, BusName, None };

    // Chooses the way from the environment: XDG_RUNTIME_DIR, the session bus.
    explicit RunningCopy(QObject* parent = nullptr);
    ~RunningCopy() override;

    Way way() const { return m_way; }

    // why gets the reason for Unreachable, or, with First, why this copy
    // cannot know of others (empty when it can).
    Outcome claim(Request request, QString* why = nullptr);

    // A folder for the lock and the socket that no one else can enter or
    // change: runtimeDir (XDG_RUNTIME_DIR) when it is such a folder, else
    // ownFolder, made with mode 0700 when it is not there. A folder of
    // another user, one that others may use, or a link, is never taken. No
    // path when neither will do; why then says why.
    struct Folder {
        QString path;
        QString why;
    };
    static Folder privateFolder(const QString& runtimeDir, const QString& ownFolder);
    // The same for this process: XDG_RUNTIME_DIR, else parlamo-UID in the
    // temporary folder.
    static Folder privateFolder();

    // The words a later start sends over the socket, one line each.
    static QByteArray wordFor(Request request);

signals:
    // A later start's request (by the lock file's socket; by the bus name
    // requests come as the D-Bus interface's calls).
    void requested(RunningCopy::Request request);

private:
    Outcome claimBusName(Request request, QString* why);
    Outcome claimLock(Request request, QString* why);
    enum class Delivery { Delivered, NoAnswer, NobodyListens };
    // Sends request to the copy listening on the socket.
    Delivery handOverBySocket(Request request) const;
    void listen();
    void serve(QLocalSocket* socket);
    QString lockPath() const;
    QString socketPath() const;

    Way m_way = Way::None;
    QString m_folder;
    QString m_noWayBecause;
    bool m_ownsName = false;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer* m_server = nullptr;
};
