#pragma once

#include <QHash>
#include <QObject>
#include <QTimer>

class HttpTransfer;
class QSocketNotifier;

// libcurl's multi interface run by the Qt event loop of one thread: libcurl
// names the sockets and the time-out it waits for, QSocketNotifier and a
// QTimer say when they are due, and curl_multi_socket_action does the work
// in small steps, so the window is never blocked by a transfer.
class CurlDriver : public QObject {
public:
    CurlDriver();
    ~CurlDriver() override;
    CurlDriver(const CurlDriver&) = delete;
    CurlDriver& operator=(const CurlDriver&) = delete;

    // The transfer's easy handle joins or leaves the multi handle. Neither
    // may be called from inside one of libcurl's callbacks.
    bool add(HttpTransfer* transfer);
    void remove(HttpTransfer* transfer);

private:
    // What is watched on one socket for libcurl.
    struct Watch {
        void* easy = nullptr;
        QSocketNotifier* read = nullptr;
        QSocketNotifier* write = nullptr;
    };
    static int onSocket(void* easy, int fd, int what, void* self, void* unused);
    static int onTimer(void* multi, long timeoutMs, void* self);
    void watch(void* easy, int fd, int what);
    void act(int fd, int events);
    void collectDone();

    void* m_multi = nullptr;
    QTimer m_timer;
    QHash<void*, HttpTransfer*> m_transfers;  // by easy handle
    QHash<int, Watch> m_watches;              // by socket
};
