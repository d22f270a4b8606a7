// parlamo-server: the reference configuration and pronunciation service.
#include <pthread.h>
#include <signal.h>  // NOLINT(modernize-deprecated-headers): POSIX sigwait, not std::signal

#include <atomic>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "ListenSocket.h"
#include "ReferenceService.h"
#include "ServerOptions.h"

namespace {
int fail(const std::string& message) {
    std::fprintf(stderr, "parlamo-server: %s\n", message.c_str());
    return 1;
}
}  // namespace

int main(int argc, char** argv) {
    const auto parsed = parseServerOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (parsed.helpRequested) {
        std::fputs(serverUsage().c_str(), stdout);
        return 0;
    }
    if (!parsed.ok) {
        std::fprintf(stderr, "parlamo-server: %s\n%s", parsed.error.c_str(), serverUsage().c_str());
        return 2;
    }
    const ServerOptions& options = parsed.options;

    // Taken before any thread runs: it unsets variables of the environment.
    std::string error;
    const int passedSocket = takeListenSocket(error);
    if (!error.empty()) return fail(error);

    auto document = ServiceDocument::fromFile(options.document, error);
    if (!document) return fail(error);
    for (const std::string& warning : document->warnings())
        std::fprintf(stderr, "parlamo-server: warning: %s\n", warning.c_str());

    RequestLog log;
    if (!options.logFile.empty() && !log.open(options.logFile, error)) return fail(error);

    // Signals are taken by one thread with sigwait, so stopping the server
    // happens in ordinary code and not in a signal handler. The mask is set
    // before any thread exists so that every thread inherits it.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGHUP);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
    signal(SIGPIPE, SIG_IGN);

    SpeechSynthesizer synthesizer;
    ReferenceService service(
        std::move(*document),
        ReferenceService::Settings{options.pagesDir, options.cacheDir, options.configDelayMs},
        synthesizer, log);
    if (!service.prepare(error)) return fail(error);
    if (passedSocket >= 0 ? !service.adopt(passedSocket, error)
                          : !service.bind(options.host, options.port, error))
        return fail(error);

    std::atomic<bool> finished{false};
    std::thread signalThread([&] {
        int sig = 0;
        sigwait(&stopSignals, &sig);
        if (!finished) service.stop();
    });

    if (passedSocket >= 0)
        std::fprintf(stderr, "parlamo-server: serving on the socket passed by systemd (port %d)\n",
                     service.port());
    else
        std::fprintf(stderr, "parlamo-server: listening on http://%s:%d\n", options.host.c_str(),
                     service.port());
    std::fflush(stderr);
    const bool ok = service.run();

    finished = true;
    // Wakes sigwait if still waiting: SIGTERM is blocked in every thread, so it
    // ends nothing. NOLINTNEXTLINE(bugprone-bad-signal-to-kill-thread)
    pthread_kill(signalThread.native_handle(), SIGTERM);
    signalThread.join();
    return ok ? 0 : fail("the server stopped unexpectedly");
}
