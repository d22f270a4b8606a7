#include "app/AppRequests.h"

AppRequests::AppRequests(QObject* parent) : QObject(parent) {}

AppRequests::~AppRequests() {
    abandon(tr("Parlamo has ended."));
}

bool AppRequests::isWaiting() const {
    return !m_attached && !m_detached && !m_abandoned;
}

void AppRequests::whenAttached(std::function<void()> run,
                               std::function<void(const QString&)> refuse) {
    if (m_attached && !m_detached) return run();
    if (m_abandoned || m_detached) {
        if (refuse) refuse(m_detached ? tr("Parlamo is closing.") : m_why);
        return;
    }
    m_waiting.push_back({std::move(run), std::move(refuse)});
}

void AppRequests::attach() {
    m_attached = true;
    std::vector<Waiting> waiting;
    waiting.swap(m_waiting);
    for (Waiting& w : waiting) whenAttached(std::move(w.run), std::move(w.refuse));
}

void AppRequests::detach() {
    if (m_attached) m_detached = true;
}

void AppRequests::abandon(const QString& why) {
    if (m_abandoned) return;
    m_abandoned = true;
    m_why = why;
    std::vector<Waiting> waiting;
    waiting.swap(m_waiting);
    for (Waiting& w : waiting)
        if (w.refuse) w.refuse(why);
}

void AppRequests::translate(const QString& text, const Reply& done) {
    whenAttached([this, text, done] { emit translateRequested(text, done); },
                 [done](const QString& why) { done(false, why); });
}

void AppRequests::translateAuto(const QString& text, const QString& target, const Reply& done) {
    whenAttached([this, text, target, done] { emit translateAutoRequested(text, target, done); },
                 [done](const QString& why) { done(false, why); });
}

void AppRequests::translateSelection() {
    whenAttached([this] { emit translateSelectionRequested(); });
}

void AppRequests::translateClipboard() {
    whenAttached([this] { emit translateClipboardRequested(); });
}

void AppRequests::translateScreenArea() {
    whenAttached([this] { emit translateScreenAreaRequested(); });
}

void AppRequests::show() {
    whenAttached([this] { emit showRequested(); });
}

void AppRequests::quit() {
    whenAttached([this] { emit quitRequested(); });
}
