#pragma once

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QString>

class QThread;
class ProxyListener;

// A small HTTP proxy on 127.0.0.1 in a thread of its own, for the proxy
// tests: plain requests in absolute form are passed on in origin form,
// CONNECT opens a tunnel. Every host ending in ".invalid" is 127.0.0.1 to
// it, so the client never has to look a name up. It keeps the head of every
// request it was asked, as it arrived.
class TestProxy {
public:
    TestProxy();
    ~TestProxy();
    TestProxy(const TestProxy&) = delete;
    TestProxy& operator=(const TestProxy&) = delete;

    bool start();
    quint16 port() const { return m_port; }
    // "http://[credentials@]127.0.0.1:PORT"
    QString address(const QString& credentials = QString()) const;

    // "user:password" that a request must carry in Proxy-Authorization;
    // empty: none needed.
    void requireCredentials(const QByteArray& userAndPassword);

    QList<QByteArray> heads() const;
    void clear();

    // Used by the listener's thread.
    void record(const QByteArray& head);
    QByteArray credentials() const;

private:
    mutable QMutex m_mutex;
    QList<QByteArray> m_heads;
    QByteArray m_credentials;
    QThread* m_thread = nullptr;
    ProxyListener* m_listener = nullptr;
    quint16 m_port = 0;
};
