#include "ui/TranslationHistory.h"

#include <QLineEdit>

#include "history/HistoryStore.h"
#include "ui/HistoryWindow.h"

TranslationHistory::TranslationHistory(cVeRegistry* settings, IDialogs* dialogs,
                                       QWidget* mainWindow, const QString& databasePath)
    : m_store(std::make_unique<HistoryStore>(
          databasePath.isEmpty() ? HistoryStore::defaultPath() : databasePath, settings)),
      m_dialogs(dialogs),
      m_mainWindow(mainWindow) {}

TranslationHistory::~TranslationHistory() {
    delete m_window;  // before the store it shows
}

QString TranslationHistory::record(const QString& engine, const QString& pair,
                                   const QString& source, const QString& result) {
    m_store->add({QDateTime(), engine, pair, source, result});
    return m_store->takeOffNotice();
}

HistoryWindow* TranslationHistory::window() const {
    return m_window;
}

void TranslationHistory::showWindow() {
    if (!m_window) {
        // Its own top-level window, kept above the main window.
        m_window = new HistoryWindow(*m_store, m_dialogs, m_mainWindow);
        connect(m_window, &HistoryWindow::entryChosen, this, &TranslationHistory::entryChosen);
    }
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
    m_window->txtSearch->setFocus();
}
