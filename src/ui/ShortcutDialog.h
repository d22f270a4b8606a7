#pragma once

#include <QDialog>

class QKeySequenceEdit;
class QLabel;
class QPushButton;

// Options > Selection Shortcut...: the key that translates the selection
// from any application. The user presses the new key, or clears it to turn
// the shortcut off.
class ShortcutDialog : public QDialog {
    Q_OBJECT
public:
    ShortcutDialog(const QString& key, QWidget* parent = nullptr);

    // The chosen key in portable text ("Ctrl+Alt+E"); empty: none. Only its
    // first key counts when several were pressed.
    QString key() const;
    // Titled and explained for the screen area shortcut instead.
    void describeScreenArea();

    QKeySequenceEdit* keySelectionShortcut = nullptr;
    QPushButton* cmdClear = nullptr;

private:
    QLabel* m_explanation = nullptr;
};
