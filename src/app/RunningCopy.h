#pragma once

#include <QObject>
#include <QString>
#include <memory>

class AppRequests;
class DBusInterface;
class QLocalServer;
class QLocalSocket;
class QLockFile;

// One running copy per user. The first start owns the session bus name
// org.velmor.Parlamo and, so that one copy holds without D-Bus too, the lock
// file org.velmor.Parlamo.lock with a local socket beside it in
// $XDG_RUNTIME_DIR. A later start finds either, hands its request to the
// running copy and ends, before it has fetched or shown anything. A lock
// left behind by a copy that crashed or was killed is taken over: its
// process is gone, or nobody answers on its socket.
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
        First,        // this is the running copy now; requests go to AppRequests
        HandedOver,   // another copy runs and has the request
        Unreachable,  // another copy holds the name or the lock but does not answer
    };

    explicit RunningCopy(AppRequests& requests, QObject* parent = nullptr);
    ~RunningCopy() override;

    // why gets the reason for Unreachable.
    Outcome claim(Request request, QString* why = nullptr);

    // Where the lock and the socket are: $XDG_RUNTIME_DIR, or Qt's private
    // fallback for it.
    static QString lockPath();
    static QString socketPath();
    // The words a later start sends over the socket, one line each.
    static QByteArray wordFor(Request request);

private:
    Outcome claimBusName(Request request, QString* why);
    Outcome claimLock(Request request, QString* why);
    enum class Delivery { Delivered, NoAnswer, NobodyListens };
    // Sends request to the copy listening on the socket.
    static Delivery handOverBySocket(Request request);
    void listen();
    void serve(QLocalSocket* socket);

    AppRequests& m_requests;
    DBusInterface* m_dbus = nullptr;
    bool m_ownsName = false;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer* m_server = nullptr;
};
