#include "app/AppRequests.h"

#include "ui/TranslateAnywhere.h"
#include "ui/frmTranslate.h"

AppRequests::AppRequests(QObject* parent) : QObject(parent) {}

AppRequests::~AppRequests() {
    abandon(tr("Parlamo has ended."));
}

bool AppRequests::isWaiting() const {
    return !m_window && !m_abandoned;
}

void AppRequests::whenLoaded(std::function<void(frmTranslate&)> run,
                             std::function<void(const QString&)> refuse) {
    frmTranslate* window = m_window;
    if (window && !window->isUnloaded()) return run(*window);
    if (m_abandoned || window) {
        if (refuse) refuse(window ? tr("Parlamo is closing.") : m_why);
        return;
    }
    m_waiting.push_back({std::move(run), std::move(refuse)});
}

void AppRequests::setWindow(frmTranslate* window) {
    m_window = window;
    std::vector<Waiting> waiting;
    waiting.swap(m_waiting);
    for (Waiting& w : waiting) whenLoaded(std::move(w.run), std::move(w.refuse));
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
    whenLoaded([text, done](frmTranslate& w) { w.anywhere().translate(text, done); },
               [done](const QString& why) { done(false, why); });
}

void AppRequests::translateAuto(const QString& text, const QString& target, const Reply& done) {
    whenLoaded(
        [text, target, done](frmTranslate& w) { w.anywhere().translateAuto(text, target, done); },
        [done](const QString& why) { done(false, why); });
}

void AppRequests::translateSelection() {
    whenLoaded([](frmTranslate& w) { w.anywhere().translateSelection(); });
}

void AppRequests::translateClipboard() {
    whenLoaded([](frmTranslate& w) { w.anywhere().translateClipboard(); });
}

void AppRequests::translateScreenArea() {
    whenLoaded([](frmTranslate& w) { w.anywhere().translateScreenArea(); });
}

void AppRequests::show() {
    whenLoaded([](frmTranslate& w) { w.showFromTray(); });
}

void AppRequests::quit() {
    whenLoaded([](frmTranslate& w) { w.mnuExit_Click(); });
}
