#pragma once

#include <QWidget>

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
// window (Enter or a double click).
class HistoryWindow : public QWidget {
    Q_OBJECT
public:
    HistoryWindow(HistoryStore& store, IDialogs* dialogs, QWidget* parent = nullptr);

    QLineEdit* txtSearch = nullptr;
    QTreeView* lstHistory = nullptr;
    QPushButton* cmdClear = nullptr;
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
    void showState();
    void selectFirst();

    HistoryStore& m_store;
    IDialogs* m_dialogs;
    HistoryModel* m_model;
};
