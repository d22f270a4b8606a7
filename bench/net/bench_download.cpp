// Loopback downloads by cVeNetWrapper::Download against curl fetching the
// same body from the same server, side by side. The server is a plain
// blocking socket loop that sends from one buffer, so that the clients, not
// the server, set the pace.
//
// Like for like: Hear It's fetch of a file into the wav folder (Download,
// then the file written as the cache writes it) against "curl -o" into the
// same folder, for a 50 MB and a 40 KB body.
#include <arpa/inet.h>
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <atomic>
#include <chrono>
#include <cstring>
#include <string>
#include <thread>

#include "net/cVeNetWrapper.h"
#include "speech/WaveCache.h"

namespace {
constexpr qint64 bodySize = 50 * 1000 * 1000;
constexpr qint64 smallSize = 40 * 1000;

class BulkServer {
public:
    BulkServer() : m_body(static_cast<size_t>(bodySize), 'x') {
        for (size_t i = 0; i < m_body.size(); ++i) m_body[i] = static_cast<char>(i * 13 % 251);
        m_listen = ::socket(AF_INET, SOCK_STREAM, 0);
        const int one = 1;
        ::setsockopt(m_listen, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        addr.sin_port = 0;
        ::bind(m_listen, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
        ::listen(m_listen, 8);
        socklen_t len = sizeof addr;
        ::getsockname(m_listen, reinterpret_cast<sockaddr*>(&addr), &len);
        m_port = ntohs(addr.sin_port);
        m_thread = std::thread([this] { serve(); });
    }
    ~BulkServer() {
        m_stop = true;
        ::shutdown(m_listen, SHUT_RDWR);
        ::close(m_listen);
        m_thread.join();
    }
    int port() const { return m_port; }

private:
    void serve() {
        const auto head = [](size_t size) {
            return "HTTP/1.1 200 OK\r\nContent-Type: application/octet-stream\r\n"
                   "Content-Length: " +
                   std::to_string(size) + "\r\nConnection: close\r\n\r\n";
        };
        while (!m_stop) {
            const int c = ::accept(m_listen, nullptr, nullptr);
            if (c < 0) continue;
            std::string request;
            char buf[4096];
            while (request.find("\r\n\r\n") == std::string::npos) {
                const ssize_t n = ::recv(c, buf, sizeof buf, 0);
                if (n <= 0) break;
                request.append(buf, static_cast<size_t>(n));
            }
            const size_t size = request.find(" /small ") != std::string::npos
                                    ? static_cast<size_t>(smallSize)
                                    : m_body.size();
            const std::string h = head(size);
            sendAll(c, h.data(), h.size());
            sendAll(c, m_body.data(), size);
            ::shutdown(c, SHUT_WR);
            while (::recv(c, buf, sizeof buf, 0) > 0) {
            }
            ::close(c);
        }
    }
    static void sendAll(int fd, const char* data, size_t size) {
        while (size > 0) {
            const ssize_t n = ::send(fd, data, size, MSG_NOSIGNAL);
            if (n <= 0) return;
            data += n;
            size -= static_cast<size_t>(n);
        }
    }

    std::string m_body;
    int m_listen = -1;
    int m_port = 0;
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};

BulkServer* server = nullptr;

QString address(const char* path = "big") {
    return QStringLiteral("http://127.0.0.1:%1/%2").arg(server->port()).arg(QLatin1String(path));
}

// The wav folder of the runs that write files: beside the program, like an
// unpacked copy's.
QString wavFolder() {
    static QTemporaryDir folder(QCoreApplication::applicationDirPath() + "/wav-XXXXXX");
    return folder.path();
}

const char* pathFor(qint64 size) {
    return size == smallSize ? "small" : "big";
}

QByteArray fetch(cVeNetWrapper& net, const QString& at) {
    return QCoro::waitFor([](cVeNetWrapper& n, QString a) -> QCoro::Task<QByteArray> {
        try {
            co_return co_await n.Download(a, QString(), 80);
        } catch (...) {
        }
        co_return QByteArray();
    }(net, at));
}

// Hear It's fetch of a file, as it does it: the download written into the
// wav folder as it arrives, then put in place. Seconds; negative when it
// fell short.
double timedFetchIntoFolder(qint64 size) {
    const auto start = std::chrono::steady_clock::now();
    cVeNetWrapper net;
    const std::unique_ptr<SafeFile::Writer> file =
        WaveCache::begin(wavFolder(), QStringLiteral("ours.wav"));
    const bool whole =
        file &&
        QCoro::waitFor([](cVeNetWrapper& n, QString at, SafeFile::Writer& f) -> QCoro::Task<bool> {
            try {
                co_await n.DownloadInto(at, QString(), 80,
                                        [&f](QByteArrayView bytes) { return f.write(bytes); });
                co_return true;
            } catch (...) {
            }
            co_return false;
        }(net, address(pathFor(size)), *file));
    const QString path = whole ? file->commit() : QString();
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    return !path.isEmpty() && QFileInfo(path).size() == size ? took.count() : -1;
}

// curl's own measure of a transfer to output ("-o"): seconds, or negative
// when it failed or fetched fewer than size bytes. curl starts through
// posix_spawn, which shares this process's memory until the exec: a fork
// (as QProcess does it here) would leave every page of this process to be
// copied on its next write, and the next download measured would pay for it.
double curlSeconds(const QString& output, const QString& at, qint64 size) {
    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC) != 0) return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    const QByteArray out = QFile::encodeName(output);
    const QByteArray url = at.toUtf8();
    const char* argv[] = {"curl",          "-s",   "-o",
                          out.constData(), "-w",   "%{time_total} %{size_download}",
                          url.constData(), nullptr};
    pid_t pid = -1;
    const int spawned =
        ::posix_spawnp(&pid, "curl", &actions, nullptr, const_cast<char* const*>(argv), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeFds[1]);
    std::string said;
    char buf[256];
    for (ssize_t n; spawned == 0 && (n = ::read(pipeFds[0], buf, sizeof buf)) != 0;)
        if (n > 0)
            said.append(buf, static_cast<size_t>(n));
        else if (errno != EINTR)
            break;
    ::close(pipeFds[0]);
    int status = 0;
    if (spawned != 0 || ::waitpid(pid, &status, 0) != pid || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0)
        return -1;
    const QList<QByteArray> fields = QByteArray::fromStdString(said).split(' ');
    return fields.value(1).toLongLong() == size ? fields.value(0).toDouble() : -1;
}

// curl -o into the same folder, by curl's own measure (without the start of
// its process). Seconds; negative when it failed.
double timedCurlIntoFolder(qint64 size) {
    return curlSeconds(wavFolder() + "/curl.wav", address(pathFor(size)), size);
}

// One timed Download of the body, in seconds; negative when it came back short.
double timedDownload() {
    const auto start = std::chrono::steady_clock::now();
    cVeNetWrapper net;
    const QByteArray body = fetch(net, address());
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    return body.size() == bodySize ? took.count() : -1;
}

// curl's own measure of the same transfer, without the start of the process;
// negative when it failed.
double timedCurl() {
    return curlSeconds(QStringLiteral("/dev/null"), address(), bodySize);
}

void BM_Download(benchmark::State& state) {
    for (auto _ : state) {
        const double s = timedDownload();
        if (s < 0) return state.SkipWithError("short body");
        state.SetIterationTime(s);
    }
    state.SetBytesProcessed(state.iterations() * bodySize);
}

void BM_Curl(benchmark::State& state) {
    for (auto _ : state) {
        const double s = timedCurl();
        if (s < 0) return state.SkipWithError("curl failed");
        state.SetIterationTime(s);
    }
    state.SetBytesProcessed(state.iterations() * bodySize);
}

// Both clients in turn, so that the load of a shared machine falls on both
// alike, each writing the file into the wav folder; the argument is the
// body's size. ratio is curl's time over ours (for 50 MB: our throughput
// over curl's).
void BM_SideBySide(benchmark::State& state) {
    const qint64 size = state.range(0);
    double ours = 0, theirs = 0;
    for (auto _ : state) {
        const double a = timedFetchIntoFolder(size);
        const double b = timedCurlIntoFolder(size);
        if (a < 0 || b < 0) return state.SkipWithError("transfer failed");
        ours += a;
        theirs += b;
        state.SetIterationTime(a + b);
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["download_MBps"] = n * size / ours / 1e6;
    state.counters["curl_MBps"] = n * size / theirs / 1e6;
    state.counters["download_ms"] = ours / n * 1e3;
    state.counters["curl_ms"] = theirs / n * 1e3;
    state.counters["ratio"] = theirs / ours;
}

BENCHMARK(BM_Download)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_Curl)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_SideBySide)
    ->Arg(bodySize)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);
BENCHMARK(BM_SideBySide)
    ->Arg(smallSize)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(200);
}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    BulkServer bulk;
    server = &bulk;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    server = nullptr;
    return 0;
}
