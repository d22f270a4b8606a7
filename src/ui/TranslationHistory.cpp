#include "ui/TranslationHistory.h"

#include <QLineEdit>

#include "history/HistoryStore.h"
#include "ui/HistoryWindow.h"

TranslationHistory::TranslationHistory(cVeRegistry* settings, IDialogs* dialogs,
                                       QWidget* mainWindow, const QString& databasePath)
    : m_settings(settings),
      m_databasePath(databasePath.isEmpty() ? HistoryStore::defaultPath() : databasePath),
      m_dialogs(dialogs),
      m_mainWindow(mainWindow) {}

TranslationHistory::~TranslationHistory() {
    delete m_window;  // before the store it shows
}

HistoryStore& TranslationHistory::store() {
    if (!m_store) {
        m_store = std::make_unique<HistoryStore>(m_databasePath, m_settings);
        // Opened with the first translation, the store finds an unusable
        // database only after it has been shown.
        connect(m_store.get(), &HistoryStore::stateChanged, this, [this] {
            if (m_recorded && m_store->isOff()) emit wentOff();
        });
    }
    return *m_store;
}

void TranslationHistory::record(const QString& engine, const QString& pair, const QString& source,
                                const QString& result) {
    store().add({QDateTime(), engine, pair, source, result});
    m_recorded = true;
    if (m_store->isOff()) emit wentOff();
}

QString TranslationHistory::offNotice() {
    return tr("History is off for this run.");
}

QString TranslationHistory::takeOffNotice() {
    return m_store ? m_store->takeOffNotice() : QString();
}

HistoryWindow* TranslationHistory::window() const {
    return m_window;
}

void TranslationHistory::showWindow() {
    if (!m_window) {
        // Its own top-level window, kept above the main window.
        m_window = new HistoryWindow(store(), m_dialogs, m_mainWindow);
        connect(m_window, &HistoryWindow::entryChosen, this, &TranslationHistory::entryChosen);
    }
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
    m_window->txtSearch->setFocus();
}
