#include "net/HttpEngine.h"

#include <QCoro/QCoroSignal>

#include "net/CurlDriver.h"

HttpEngine& HttpEngine::forThread() {
    thread_local HttpEngine engine;
    return engine;
}

HttpEngine::HttpEngine() = default;

HttpEngine::~HttpEngine() = default;

CurlDriver& HttpEngine::driver() {
    if (!m_driver) m_driver = std::make_unique<CurlDriver>();
    return *m_driver;
}

HttpTransferPtr HttpEngine::start(const HttpRequest& request) {
    HttpTransferPtr transfer(new HttpTransfer(*this, request));
    if (transfer->prepare()) transfer->begin();
    return transfer;
}

QCoro::Task<HttpResult> HttpEngine::fetch(HttpRequest request,
                                          std::function<void(HttpTransfer*)> started) {
    HttpTransferPtr transfer = start(request);
    if (transfer->isRunning()) {
        if (started) started(transfer.get());
        co_await qCoro(transfer.get(), &HttpTransfer::ended);
        if (started) started(nullptr);
    }
    co_return transfer->takeResult();
}
