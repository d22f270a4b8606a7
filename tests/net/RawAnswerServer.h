#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <string>
#include <thread>

// A loopback server that answers every connection with the bytes a test
// gives, exactly as given: no framing of its own, so that broken and hostile
// answers reach the client as written. Plain sockets and a thread of its own,
// so it serves while the client's thread waits, also inside a fuzz target.
class RawAnswerServer {
public:
    struct Answer {
        std::string bytes;
        // Sent again and again after bytes, until the client goes away (an
        // endless trailer, a stream of interim answers).
        std::string repeat;
        int repeatEveryMs = 0;
    };

    RawAnswerServer() {
        m_listen = ::socket(AF_INET, SOCK_STREAM, 0);
        const int one = 1;
        ::setsockopt(m_listen, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t len = sizeof addr;
        if (::bind(m_listen, reinterpret_cast<sockaddr*>(&addr), len) != 0 ||
            ::listen(m_listen, 16) != 0 ||
            ::getsockname(m_listen, reinterpret_cast<sockaddr*>(&addr), &len) != 0)
            return;
        m_port = ntohs(addr.sin_port);
        m_thread = std::thread([this] { serve(); });
    }
    ~RawAnswerServer() {
        m_stop = true;
        ::shutdown(m_listen, SHUT_RDWR);
        ::close(m_listen);
        if (m_thread.joinable()) m_thread.join();
    }
    RawAnswerServer(const RawAnswerServer&) = delete;
    RawAnswerServer& operator=(const RawAnswerServer&) = delete;

    int port() const { return m_port; }  // 0 when it could not listen
    void setAnswer(Answer answer) {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_answer = std::move(answer);
    }
    int connections() const { return m_connections; }
    std::string lastRequest() const {
        const std::lock_guard<std::mutex> lock(m_mutex);
        return m_lastRequest;
    }

private:
    void serve() {
        while (!m_stop) {
            const int c = ::accept(m_listen, nullptr, nullptr);
            if (c < 0) continue;
            ++m_connections;
            // A client that stops reading must not hold the server forever.
            const timeval wait{2, 0};
            ::setsockopt(c, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
            ::setsockopt(c, SOL_SOCKET, SO_SNDTIMEO, &wait, sizeof wait);
            std::string request;
            char buf[4096];
            while (request.find("\r\n\r\n") == std::string::npos) {
                const ssize_t n = ::recv(c, buf, sizeof buf, 0);
                if (n <= 0) break;
                request.append(buf, static_cast<size_t>(n));
            }
            Answer answer;
            {
                const std::lock_guard<std::mutex> lock(m_mutex);
                m_lastRequest = request;
                answer = m_answer;
            }
            bool open = sendAll(c, answer.bytes);
            while (open && !m_stop && !answer.repeat.empty()) {
                open = sendAll(c, answer.repeat);
                if (answer.repeatEveryMs > 0)
                    std::this_thread::sleep_for(std::chrono::milliseconds(answer.repeatEveryMs));
            }
            // Closed only once the client has read everything, so that a
            // reset does not cut off the end of the answer.
            ::shutdown(c, SHUT_WR);
            while (::recv(c, buf, sizeof buf, 0) > 0) {
            }
            ::close(c);
        }
    }
    static bool sendAll(int fd, const std::string& data) {
        size_t done = 0;
        while (done < data.size()) {
            const ssize_t n = ::send(fd, data.data() + done, data.size() - done, MSG_NOSIGNAL);
            if (n <= 0) return false;
            done += static_cast<size_t>(n);
        }
        return true;
    }

    int m_listen = -1;
    int m_port = 0;
    std::atomic<bool> m_stop{false};
    std::atomic<int> m_connections{0};
    mutable std::mutex m_mutex;
    Answer m_answer;
    std::string m_lastRequest;
    std::thread m_thread;
};
