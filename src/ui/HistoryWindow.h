#pragma once

#include <QWidget>
#include <optional>

#include "history/HistoryEntry.h"

class HistoryModel;
class HistoryStore;
class IDialogs;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeView;

// The History window: the kept translations, newest first, a search box
// that narrows them while typing, and the way to put one back into the main
// window (Enter or a double click). Export... writes the listed entries to a
// CSV file the user picks; Escape closes the window.
class HistoryWindow : public QWidget {
    Q_OBJECT
public:
    HistoryWindow(HistoryStore& store, IDialogs* dialogs, QWidget* parent = nullptr);

    QLineEdit* txtSearch = nullptr;
    QTreeView* lstHistory = nullptr;
    QPushButton* cmdClear = nullptr;
    QPushButton* cmdExport = nullptr;
    QCheckBox* chkKeep = nullptr;
    QLabel* lblState = nullptr;

    HistoryModel& model() { return *m_model; }

    // Puts back the entry of that row (of the filtered list).
    void putBack(int row);

signals:
    void entryChosen(const QString& source, const QString& result, const QString& engine,
                     const QString& pair);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void clearHistory();
    void exportHistory();
    // After the list was rebuilt: the entry that was current stays so, or
    // the first one becomes it, so that Enter always has a row.
    void keepSelection();
    void showState();
    void selectFirst();

    HistoryStore& m_store;
    IDialogs* m_dialogs;
    HistoryModel* m_model;
    std::optional<HistoryEntry> m_current;  // the current row's, kept across a rebuild
};
