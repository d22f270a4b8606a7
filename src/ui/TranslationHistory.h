#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <memory>

class cVeRegistry;
class HistoryStore;
class HistoryWindow;
class IDialogs;
class QWidget;

// The main window's side of the history: records what reaches the result
// box, opens the History window on demand, and hands a chosen entry back.
class TranslationHistory : public QObject {
    Q_OBJECT
public:
    // databasePath empty: HistoryStore::defaultPath().
    TranslationHistory(cVeRegistry* settings, IDialogs* dialogs, QWidget* mainWindow,
                       const QString& databasePath = QString());
    ~TranslationHistory() override;

    // A translation shown in the result box. Returns a sentence for the
    // status line when the history has just turned out to be off (once).
    QString record(const QString& engine, const QString& pair, const QString& source,
                   const QString& result);

    // Opens (or raises) the History window.
    void showWindow();

    HistoryStore& store() { return *m_store; }
    HistoryWindow* window() const;

signals:
    void entryChosen(const QString& source, const QString& result, const QString& engine,
                     const QString& pair);

private:
    std::unique_ptr<HistoryStore> m_store;
    IDialogs* m_dialogs;
    QPointer<QWidget> m_mainWindow;
    QPointer<HistoryWindow> m_window;
};
