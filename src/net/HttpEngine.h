#pragma once

#include <QCoro/QCoroTask>
#include <functional>
#include <memory>

#include "net/HttpMessage.h"
#include "net/HttpTransfer.h"

class CurlDriver;

// The program's one HTTP client, libcurl's multi interface run by the Qt
// event loop of the thread. Each request goes to the wire exactly as built
// and goes out once, over a connection of its own (nothing is ever re-sent,
// also when a server closes without answering). HTTP/1.1, no content coding
// (the body is what the server sent, byte for byte), TLS with full
// certificate checks for https, redirects followed unless they lead from
// https to http or away from http(s), proxies as the system sets them (see
// SystemProxy). One engine per thread; transfers report on the thread that
// started them.
class HttpEngine {
public:
    static HttpEngine& forThread();
    ~HttpEngine();
    HttpEngine(const HttpEngine&) = delete;
    HttpEngine& operator=(const HttpEngine&) = delete;

    // Starts the request and returns at once; the transfer reports through
    // its signals. A request that cannot be sent at all (see
    // HttpResult::Error::BadRequest) comes back finished, without a signal.
    HttpTransferPtr start(const HttpRequest& request);

    // The request as a job to co_await: the result once the transfer is
    // over. started, when given, receives the running transfer, so that the
    // caller can abort() it meanwhile (the job then ends with Aborted), and
    // nullptr once it is over.
    QCoro::Task<HttpResult> fetch(HttpRequest request,
                                  std::function<void(HttpTransfer*)> started = {});

private:
    friend class HttpTransfer;
    HttpEngine();
    CurlDriver& driver();

    std::unique_ptr<CurlDriver> m_driver;  // made at the first transfer
};
