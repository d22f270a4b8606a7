#pragma once

#include <QMainWindow>
#include <QMetaObject>
#include <QPointer>
#include <memory>

#include "platform/Platform.h"
#include "ui/LayoutMath.h"

class QAction;
class ElidedLabel;
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
// Geometry is kept in twips, as the configuration document measures it, and
// reaches the screen rounded to whole pixels.
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
    ElidedLabel* barStatusPanel1 = nullptr;  // the status line, cut to the room it has
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
    // A document it cannot use is reported to the user and ends the program
    // (unloaded() follows); loadFailed() tells so.
    void Form_Load();
    bool loadFailed() const { return m_loadFailed; }

    // Refills the language list for the selected engine. Throws ConfigError
    // when the document cannot answer.
    void LoadLanguages();

    // One layout pass at the window's current size (also run by every size
    // change, including the ones this window makes itself).
    void Form_Resize();

    // Cancel set: the window only hides (tray mode).
    void Form_Unload(bool& Cancel);

    // Opens an address in the user's default handler.
    void Navigate(const QString& NavTo);

    // Shows the window from the tray (double click, Open): restored from a
    // minimised state and brought to the front.
    void showFromTray();

    // The window's outer size (frame, caption and menu bar included) in
    // twips, as the window system reports it. Setting it runs a layout pass.
    double Width() const { return m_outerTwips.width; }
    double Height() const { return m_outerTwips.height; }
    void setWidth(double twips);
    void setHeight(double twips);
    double twipsPerPixelX() const;
    double twipsPerPixelY() const;

    // The controls' boxes in twips as the last layout pass left them.
    const LayoutMath::Controls& controlBoxes() const { return m_boxes; }

    bool allowUnload() const { return mblnAllowUnload; }
    bool sizeRestored() const { return mblnSizeRestored; }
    // The window has been unloaded; unloaded() is emitted (or about to be).
    bool isUnloaded() const { return m_unloaded; }

signals:
    // The window has been unloaded: the program ends. Emitted once, from the
    // outermost event loop, never from inside a command that lets events
    // run, so a receiver may delete the window.
    void unloaded();
    // The window is being unloaded: commands still running should end now.
    void unloading();

public slots:
    void cmdTranslate_Click();
    void cmdHearIt_Click();
    void cboEngines_Click();
    void mnuLoad_Click();
    void mnuOnlineHelp_Click();
    void mnuSupport_Click();
    void mnuExit_Click();
    void mnuTrayOpen_Click();
    void mnuTrayExit_Click();
    // The desktop session is ending: closing must unload, even in tray mode.
    void sessionEnding();

public:
    void setVisible(bool visible) override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void buildMenus();
    void loadSteps();
    void setEnginesListIndex(int index);
    void setListIndex(QComboBox* list, int index, const QString& what);
    void applyOuterSize();
    void resizePass();
    void applyBoxes();
    void centreOnScreen();
    void fitHintFont();
    void saveSize(const char* key, double twips);
    bool settleFrame();
    void reportConfigError(const QString& detail);
    void openMessagesLink(const char* attribute, const QString& what);
    bool Unload();
    void finishUnloadWhenOutermost();
    QString messageTitle() const;

    Globals& m_globals;
    Platform m_platform;
    std::unique_ptr<TranslateCommand> m_translate;
    std::unique_ptr<HearItCommand> m_hearIt;

    bool mblnAllowUnload = false;
    bool mblnSizeRestored = false;

    LayoutMath::OuterSize m_outerTwips;
    LayoutMath::Controls m_boxes;
    QSize m_appliedOuterPx;     // the outer size in pixels last asked for
    QSize m_requestedClientPx;  // the client size that went with it
    QSize m_frameSize{0, 0};    // frame width and height as last seen (none until shown)
    bool m_placed = false;      // centred on its first showing
    int m_resizeDepth = 0;
    bool m_layoutErrorReported = false;
    QString m_savedHeight, m_savedWidth;  // as last written by this window

    bool m_loading = false;
    bool m_loadFailed = false;
    QString m_clickError;  // a failure of cboEngines_Click during Form_Load

    bool m_unloaded = false;
    QPointer<QWidget> m_focusBeforeBusy;  // given back by Enable()
    QMetaObject::Connection m_idleConnection;
};
