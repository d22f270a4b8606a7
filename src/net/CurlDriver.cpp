#include "net/CurlDriver.h"

#include <curl/curl.h>

#include <poll.h>

#include <QSocketNotifier>
#include <algorithm>
#include <climits>
#include <mutex>

#include "net/HttpTransfer.h"

namespace {
constexpr int maxReadsPerEvent = 32;

// Notifiers may be retired from inside their own signal: they are disabled
// at once and deleted later (children of the driver, so never lost).
void retire(QSocketNotifier*& notifier) {
    if (!notifier) return;
    notifier->setEnabled(false);
    notifier->disconnect();
    notifier->deleteLater();
    notifier = nullptr;
}
}  // namespace

CurlDriver::CurlDriver() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
    m_multi = curl_multi_init();
    curl_multi_setopt(m_multi, CURLMOPT_SOCKETFUNCTION, &CurlDriver::onSocket);
    curl_multi_setopt(m_multi, CURLMOPT_SOCKETDATA, this);
    curl_multi_setopt(m_multi, CURLMOPT_TIMERFUNCTION, &CurlDriver::onTimer);
    curl_multi_setopt(m_multi, CURLMOPT_TIMERDATA, this);
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, [this] { act(CURL_SOCKET_TIMEOUT, 0); });
}

CurlDriver::~CurlDriver() {
    for (auto it = m_transfers.cbegin(); it != m_transfers.cend(); ++it)
        curl_multi_remove_handle(m_multi, it.key());
    curl_multi_cleanup(m_multi);
}

bool CurlDriver::add(HttpTransfer* transfer) {
    if (curl_multi_add_handle(m_multi, transfer->m_easy) != CURLM_OK) return false;
    m_transfers.insert(transfer->m_easy, transfer);
    return true;
}

void CurlDriver::remove(HttpTransfer* transfer) {
    if (m_transfers.remove(transfer->m_easy) > 0)
        curl_multi_remove_handle(m_multi, transfer->m_easy);
}

int CurlDriver::onSocket(void* easy, int fd, int what, void* self, void* /*unused*/) {
    static_cast<CurlDriver*>(self)->watch(easy, fd, what);
    return 0;
}

int CurlDriver::onTimer(void* /*multi*/, long timeoutMs, void* self) {
    // Never act from inside libcurl: the timer fires from the event loop.
    auto* driver = static_cast<CurlDriver*>(self);
    if (timeoutMs < 0)
        driver->m_timer.stop();
    else
        driver->m_timer.start(static_cast<int>(std::min<long>(timeoutMs, INT_MAX)));
    return 0;
}

void CurlDriver::watch(void* easy, int fd, int what) {
    if (what == CURL_POLL_REMOVE) {
        auto it = m_watches.find(fd);
        if (it == m_watches.end()) return;
        retire(it->read);
        retire(it->write);
        m_watches.erase(it);
        return;
    }
    Watch& w = m_watches[fd];
    w.easy = easy;
    const auto arm = [this, fd](QSocketNotifier*& notifier, QSocketNotifier::Type type, bool on,
                                int events) {
        if (!on) {
            if (notifier) notifier->setEnabled(false);
            return;
        }
        if (!notifier) {
            notifier = new QSocketNotifier(fd, type, this);
            connect(notifier, &QSocketNotifier::activated, this,
                    [this, fd, events] { act(fd, events); });
        }
        notifier->setEnabled(true);
    };
    arm(w.read, QSocketNotifier::Read, (what & CURL_POLL_IN) != 0, CURL_CSELECT_IN);
    arm(w.write, QSocketNotifier::Write, (what & CURL_POLL_OUT) != 0, CURL_CSELECT_OUT);
}

void CurlDriver::act(int fd, int events) {
    // Anything moving on a socket keeps its transfer from counting as stalled.
    if (fd != CURL_SOCKET_TIMEOUT) {
        const auto it = m_watches.constFind(fd);
        if (it != m_watches.cend())
            if (HttpTransfer* transfer = m_transfers.value(it->easy)) transfer->touch();
    }
    int running = 0;
    curl_multi_socket_action(m_multi, fd, events, &running);
    // libcurl reads one buffer per call: while more has arrived, read it
    // now rather than one buffer per pass of the event loop (a large body
    // arrives several times faster so). Bounded, so that the loop's other
    // events still come between.
    for (int more = 0; more < maxReadsPerEvent && (events & CURL_CSELECT_IN) != 0 &&
                       fd != CURL_SOCKET_TIMEOUT && m_watches.contains(fd);
         ++more) {
        pollfd readable{fd, POLLIN, 0};
        if (::poll(&readable, 1, 0) != 1 || (readable.revents & POLLIN) == 0) break;
        curl_multi_socket_action(m_multi, fd, events, &running);
    }
    collectDone();
}

void CurlDriver::collectDone() {
    int left = 0;
    while (CURLMsg* msg = curl_multi_info_read(m_multi, &left)) {
        if (msg->msg != CURLMSG_DONE) continue;
        // Copied first: the message goes away with the handle.
        void* const easy = msg->easy_handle;
        const CURLcode code = msg->data.result;
        if (HttpTransfer* transfer = m_transfers.value(easy)) transfer->done(code);
    }
}
