// A whole HTTP answer as a server sends it, through the program's transfer.
// Input: the answer's bytes, served on loopback to every request the
// transfer makes (a redirect comes back to the same server). Every outcome is
// the whole answer or one clean error, within the bounds.
#include <QCoreApplication>
#include <chrono>

#include "FuzzInput.h"
#include "RawAnswerServer.h"
#include "net/HttpEngine.h"

using namespace std::chrono_literals;
using Error = HttpResult::Error;

namespace {
struct Setup {
    int argc = 1;
    char name[5] = "fuzz";
    char* argv[2] = {name, nullptr};
    QCoreApplication app{argc, argv};
    RawAnswerServer server;

    Setup() {
        // The server is the proxy of every address, a redirect's too: nothing
        // leaves the machine and no name is ever looked up.
        const QByteArray proxy = "http://127.0.0.1:" + QByteArray::number(server.port());
        for (const char* variable : {"http_proxy", "https_proxy", "all_proxy"})
            qputenv(variable, proxy);
        for (const char* variable : {"HTTPS_PROXY", "ALL_PROXY", "no_proxy", "NO_PROXY"})
            qunsetenv(variable);
    }
};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Setup setup;
    fuzz::require(setup.server.port() != 0);
    setup.server.setAnswer({std::string(reinterpret_cast<const char*>(data), size), {}, 0});

    HttpRequest request;
    request.address = QStringLiteral("http://answer.invalid/a?b=%41");
    request.headerLines = {"user-agent:fuzz"};
    request.sizeLimit = 64 * 1024;
    request.stallTimeout = 2s;
    request.overallBound = 5s;
    const HttpResult got = QCoro::waitFor(HttpEngine::forThread().fetch(request));

    fuzz::require(got.error != Error::BadRequest && got.error != Error::Aborted);
    if (got.ok()) {
        fuzz::require(got.status >= 100 && got.status <= 999);
        // Nothing is added: the body is a part of one answer, under the cap.
        fuzz::require(got.body.size() <= request.sizeLimit);
        fuzz::require(static_cast<std::size_t>(got.body.size()) <= size);
    } else {
        fuzz::require(got.body.isEmpty());
        fuzz::require(!got.errorText.isEmpty() && !got.errorText.contains(QLatin1Char('\n')));
    }
    return 0;
}
