#pragma once

#include <QMainWindow>
#include <memory>

#include "platform/Platform.h"

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QLineEdit;
class QPushButton;
class QStatusBar;
class QTimer;
struct Globals;
class TranslateCommand;
class HearItCommand;

// The program's one working window. Every control carries its documented
// name as objectName; handlers are thin and call the commands of their rooms.
class frmTranslate : public QMainWindow {
    Q_OBJECT
public:
    frmTranslate(Globals& globals, Platform platform, QWidget* parent = nullptr);
    ~frmTranslate() override;

    // Busy state: the seven input controls and the status line.
    void Disable();
    void Enable();

    QString statusText() const;
    void setStatusText(const QString& text);

    // Controls, for the commands of the other rooms and for tests.
    QPlainTextEdit* txtFrom = nullptr;
    QComboBox* cboLanguages = nullptr;
    QComboBox* cboEngines = nullptr;
    QPushButton* cmdTranslate = nullptr;
    QStatusBar* barStatus = nullptr;
    QLabel* barStatusPanel1 = nullptr;  // the status line
    QLabel* barStatusCaps = nullptr;
    QLabel* barStatusIns = nullptr;
    QPlainTextEdit* txtTo = nullptr;
    QLineEdit* txtHearIt = nullptr;
    QPushButton* cmdHearIt = nullptr;
    QLabel* lblHint = nullptr;
    QTimer* timTimeout = nullptr;

    QMenu* mnuFile = nullptr;
    QAction* mnuExit = nullptr;
    QMenu* mnuOptions = nullptr;
    QAction* mnuLoad = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuOnlineHelp = nullptr;
    QAction* mnuSupport = nullptr;
    QMenu* mnuTray = nullptr;  // never in the menu bar; the tray icon's pop-up
    QAction* mnuTrayOpen = nullptr;
    QAction* mnuTrayExit = nullptr;

    Globals& globals() { return m_globals; }
    Platform& platform() { return m_platform; }
    TranslateCommand& translateCommand() { return *m_translate; }
    HearItCommand& hearItCommand() { return *m_hearIt; }

    // Runs once, after the start-up has loaded the configuration document.
    void Form_Load();

signals:
    // The window has been unloaded: the program ends.
    void unloaded();

public slots:
    void cmdTranslate_Click();
    void cmdHearIt_Click();

private:
    void buildControls();
    void buildMenus();

    Globals& m_globals;
    Platform m_platform;
    std::unique_ptr<TranslateCommand> m_translate;
    std::unique_ptr<HearItCommand> m_hearIt;
};
