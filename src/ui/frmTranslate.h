#pragma once

#include <QMainWindow>
#include <QPointer>
#include <memory>

#include "platform/Platform.h"
#include "speech/IHearItView.h"
#include "speech/ISpeakView.h"
#include "translate/ITranslateView.h"
#include "ui/IAnywhereHost.h"
#include "ui/LayoutMath.h"
#include "ui/WindowGeometry.h"
#include "ui/WindowParts.h"
#include "ui/frmTranslateUi.h"

struct Globals;

// The program's one working window. Its controls are its own (tests find
// them by their documented objectNames); the commands and other parts it
// works with are WindowParts', made with it, and see the window through
// their view interfaces. Geometry is kept in twips, as the configuration document
// measures it, and reaches the screen rounded to whole pixels.
class frmTranslate : public QMainWindow,
                     public ITranslateView,
                     public IHearItView,
                     public ISpeakView,
                     public IAnywhereHost {
    Q_OBJECT
public:
    frmTranslate(Globals& globals, Platform platform, QWidget* parent = nullptr);
    ~frmTranslate() override;

    // Busy state: the seven input controls and the status line.
    void Disable() override;
    void Enable() override;

    QString statusText() const override;
    void setStatusText(const QString& text) override;

    TranslateCommand& translateCommand() { return m_parts->translateCommand(); }
    // The one way to translate, for every way in.
    Translator& translator() { return m_parts->translator(); }
    HearItCommand& hearItCommand() { return m_parts->hearItCommand(); }
    // Ctrl+Shift+S speaks the translation shown.
    SpeakCommand& speakCommand() { return m_parts->speakCommand(); }
    // Translations asked for outside the window: popup, shortcut, D-Bus.
    TranslateAnywhere& anywhere() { return m_parts->anywhere(); }

    // Runs once, after the start-up has loaded the configuration document.
    // A document it cannot use is reported to the user and ends the program
    // (unloaded() follows); loadFailed() tells so.
    void Form_Load();
    bool loadFailed() const { return m_loadFailed; }

    // Refills the language list for the selected engine. Throws Failure
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
    // Pops the tray menu up at the mouse position.
    void popUpTrayMenu();
    // Shows the window with these texts in its boxes (from the popup); the
    // boxes stay as they are while the window is busy.
    void openTexts(const QString& source, const QString& result) override;
    // The engine and pair the popup and D-Bus translate with.
    QString chosenEngine() const override;
    QString chosenPair() const override;
    QWidget* dialogParent() override { return this; }
    // The history has gone off: a short notice after the status line, the
    // reason in its tooltip.
    void showHistoryNotice(const QString& reason);
    // A history entry back in the window: texts, and engine and pair when
    // the document still has them. Nothing while the window is busy.
    void putBack(const QString& source, const QString& result, const QString& engine,
                 const QString& pair);

    // The window's outer size (frame, caption and menu bar included) in
    // twips, as the window system reports it. Setting it runs a layout pass.
    double Width() const { return m_geometry.twips().width; }
    double Height() const { return m_geometry.twips().height; }
    void setWidth(double twips) { setOuterSize({twips, Height()}); }
    void setHeight(double twips) { setOuterSize({Width(), twips}); }
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
    // The window is being unloaded: commands still running end now.
    void unloading();

public slots:
    void cmdTranslate_Click();
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
    // ITranslateView and IHearItView: what the commands read and write.
    QString sourceText() const override;
    Selection selectedEngine() const override;
    Selection selectedLanguage() const override;
    void showResult(const QString& text) override;
    QString hearItText() const override;
    void setHearItText(const QString& text) override;
    void setHearItTextColour(const QColor& colour) override;
    // ISpeakView: the translation shown, for the selected engine and pair.
    QString speakText() const override;
    QString speakEngine() const override;
    QString speakPair() const override;
    void setSpeakStatus(const QString& text) override;

    void connectControls();
    void loadSteps();
    void restoreSize();
    void fillEngines();
    void setEnginesListIndex(int index);
    void setOuterSize(LayoutMath::OuterSize twips);
    void applyOuterSize(LayoutMath::OuterSize twips);
    void resizePass();
    void saveSize(bool height, bool width);
    bool settleFrame();
    void reportLayoutError(const QString& detail);
    void openMessagesLink(const char* attribute, const QString& what);
    bool Unload();
    void finishUnloadWhenOutermost();
    QString messageTitle() const;

    frmTranslateUi m_ui;
    Globals& m_globals;
    Platform m_platform;
    std::unique_ptr<WindowParts> m_parts;

    bool mblnAllowUnload = false;
    bool mblnSizeRestored = false;

    WindowGeometry m_geometry;
    LayoutMath::Controls m_boxes;
    bool m_placed = false;  // centred on its first showing
    int m_resizeDepth = 0;
    bool m_layoutErrorReported = false;

    bool m_loading = false;
    bool m_loadFailed = false;
    QString m_clickError;  // a failure of cboEngines_Click during Form_Load

    bool m_unloaded = false;
    QPointer<QWidget> m_focusBeforeBusy;  // given back by Enable()
};
