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
    // databasePath empty: HistoryStore::defaultPath(). The store opens on
    // first use (a translation, the History window), not with the window.
    TranslationHistory(cVeRegistry* settings, IDialogs* dialogs, QWidget* mainWindow,
                       const QString& databasePath = QString());
    ~TranslationHistory() override;

    // A translation made. wentOff() says when the history is off, now or
    // once the write has failed.
    void record(const QString& engine, const QString& pair, const QString& source,
                const QString& result);
    // The same sentence when the history went off after a translation was
    // recorded (the store opens with the first one); empty once said.
    QString takeOffNotice();
    // What the status line says of it; the sentence above goes in its tooltip.
    static QString offNotice();

    // Opens (or raises) the History window.
    void showWindow();

    HistoryStore& store();
    HistoryWindow* window() const;

signals:
    // The history is off and a translation has been recorded:
    // takeOffNotice() has the sentence.
    void wentOff();
    void entryChosen(const QString& source, const QString& result, const QString& engine,
                     const QString& pair);

private:
    cVeRegistry* m_settings;
    QString m_databasePath;
    std::unique_ptr<HistoryStore> m_store;
    bool m_recorded = false;
    IDialogs* m_dialogs;
    QPointer<QWidget> m_mainWindow;
    QPointer<HistoryWindow> m_window;
};
