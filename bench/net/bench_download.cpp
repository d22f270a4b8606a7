// Loopback throughput of cVeNetWrapper::Download against curl fetching the
// same 50 MB body from the same server, side by side. The server is a plain
// blocking socket loop that sends from one buffer, so that the clients, not
// the server, set the pace.
#include <arpa/inet.h>
#include <benchmark/benchmark.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QProcess>
#include <atomic>
#include <chrono>
#include <cstring>
#include <string>
#include <thread>

#include "net/cVeNetWrapper.h"

namespace {
constexpr qint64 bodySize = 50 * 1000 * 1000;

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
        const std::string head =
            "HTTP/1.1 200 OK\r\nContent-Type: application/octet-stream\r\n"
            "Content-Length: " +
            std::to_string(m_body.size()) + "\r\nConnection: close\r\n\r\n";
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
            sendAll(c, head.data(), head.size());
            sendAll(c, m_body.data(), m_body.size());
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

QString address() {
    return QStringLiteral("http://127.0.0.1:%1/big").arg(server->port());
}

// One timed Download of the body, in seconds; negative when it came back short.
double timedDownload() {
    const auto start = std::chrono::steady_clock::now();
    cVeNetWrapper net;
    const QByteArray body = QCoro::waitFor([](cVeNetWrapper& n) -> QCoro::Task<QByteArray> {
        try {
            co_return co_await n.Download(address(), QString(), 80);
        } catch (...) {
        }
        co_return QByteArray();
    }(net));
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    return body.size() == bodySize ? took.count() : -1;
}

// curl's own measure of the same transfer, without the start of the process;
// negative when it failed.
double timedCurl() {
    QProcess curl;
    curl.start(QStringLiteral("curl"),
               {QStringLiteral("-s"), QStringLiteral("-o"), QStringLiteral("/dev/null"),
                QStringLiteral("-w"), QStringLiteral("%{time_total} %{size_download}"), address()});
    if (!curl.waitForFinished(60000) || curl.exitCode() != 0) return -1;
    const QList<QByteArray> out = curl.readAllStandardOutput().split(' ');
    return out.value(1).toLongLong() == bodySize ? out.value(0).toDouble() : -1;
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
// alike; ratio is Download's throughput over curl's.
void BM_SideBySide(benchmark::State& state) {
    double ours = 0, theirs = 0;
    for (auto _ : state) {
        const double a = timedDownload();
        const double b = timedCurl();
        if (a < 0 || b < 0) return state.SkipWithError("transfer failed");
        ours += a;
        theirs += b;
        state.SetIterationTime(a + b);
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["download_MBps"] = n * bodySize / ours / 1e6;
    state.counters["curl_MBps"] = n * bodySize / theirs / 1e6;
    state.counters["ratio"] = theirs / ours;
}

BENCHMARK(BM_Download)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_Curl)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_SideBySide)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
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
