#include "net/HttpEngine.h"

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

HttpResult HttpEngine::fetch(const HttpRequest& request, QEventLoop::ProcessEventsFlags flags,
                             const std::function<void(HttpTransfer*)>& started) {
    HttpTransferPtr transfer = start(request);
    if (started) started(transfer.get());
    HttpResult result = transfer->wait(flags);
    if (started) started(nullptr);
    return result;
}
