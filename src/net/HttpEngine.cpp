#include "net/HttpEngine.h"

#include <QSslSocket>
#include <QTcpSocket>

HttpEngine& HttpEngine::forThread() {
    thread_local HttpEngine engine;
    return engine;
}

QTcpSocket* HttpEngine::openSocket(bool secure, QObject* parent) {
    if (!secure) return new QTcpSocket(parent);
    auto* socket = new QSslSocket(parent);
    // Chain and host name are checked in full; nothing is ever ignored.
    socket->setPeerVerifyMode(QSslSocket::VerifyPeer);
    return socket;
}

HttpTransferPtr HttpEngine::start(const HttpRequest& request) {
    HttpTransferPtr transfer(new HttpTransfer(*this, request));
    if (transfer->prepare(request.address)) {
        transfer->m_running = true;
        transfer->m_overall.start(request.overallBound);
        // Connect from the event loop, so that every report of the transfer
        // reaches a caller that connects to its signals after start().
        QMetaObject::invokeMethod(
            transfer.get(), [t = transfer.get()] { t->connectNow(); }, Qt::QueuedConnection);
    }
    return transfer;
}

HttpResult HttpEngine::fetch(const HttpRequest& request, QEventLoop::ProcessEventsFlags flags,
                             const std::function<void(HttpTransfer*)>& started) {
    HttpTransferPtr transfer = start(request);
    if (started) started(transfer.get());
    HttpResult result = transfer->wait(flags);
    if (started) started(nullptr);
    return result;
}
