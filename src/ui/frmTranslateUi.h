#pragma once

#include <QCoreApplication>
#include <QList>
#include <QStringList>

#include "ui/LayoutMath.h"

class ElidedLabel;
class QColor;
class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMainWindow;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QStatusBar;
class QTimer;
class QWidget;

// The controls and menus of the main window, each under its documented
// objectName, with their tab order, tooltips and accessible names. The
// window keeps them to itself; tests find them by name.
struct frmTranslateUi {
    // The window's texts are translated as the window's own.
    Q_DECLARE_TR_FUNCTIONS(frmTranslate)

public:
    // Builds everything into the window (its central widget, menu bar and
    // status bar).
    void setupUi(QMainWindow* window);
    // The button's caption from the document, which is also its name to a
    // screen reader.
    void setTranslateCaption(const QString& caption);
    // The word box's tooltip while it holds no message.
    static QString hearItHint();
    // The box is narrow: a message shows from its start, and whole in the
    // tooltip; an emptied box gets its hint back.
    void setHearItText(const QString& text);
    void setHearItTextColour(const QColor& colour);
    // Shrinks the hint's font until its text fits the label's width.
    void fitHintFont();

    // The seven input controls of the busy state, in the order it switches
    // them: the five of the translation, then the two of Hear It.
    QList<QWidget*> inputControls() const;
    void setTranslationControlsEnabled(bool enabled);
    void setHearItControlsEnabled(bool enabled);

    // Puts a history entry back: the texts, and the engine and pair when the
    // lists hold them (choosing the engine refills the pairs first).
    void showEntry(const QString& source, const QString& result, const QString& engine,
                   const QString& pair);
    // Replaces a list's items and selects one (-1: none).
    static void refill(QComboBox* list, const QStringList& items, int selected);

    // Moves the controls to their boxes (in twips), rounded to pixels.
    void placeControls(const LayoutMath::Controls& boxes, double twipsX, double twipsY);

    QPlainTextEdit* txtFrom = nullptr;
    QComboBox* cboLanguages = nullptr;
    QComboBox* cboEngines = nullptr;
    // Never shown: they name the lists to screen readers (see buildControls).
    QLabel* lblLanguages = nullptr;
    QLabel* lblEngines = nullptr;
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
    QAction* mnuHistory = nullptr;
    QAction* mnuSelectionShortcut = nullptr;
    QAction* mnuDetectLanguage = nullptr;  // Ctrl+D
    QAction* mnuScreenAreaShortcut = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuOnlineHelp = nullptr;
    QAction* mnuSupport = nullptr;
    QMenu* mnuTray = nullptr;  // never in the menu bar; the tray icon's pop-up
    QAction* mnuTrayOpen = nullptr;
    QAction* mnuTrayScreenArea = nullptr;
    QAction* mnuTrayExit = nullptr;

private:
    void buildControls(QMainWindow* window);
    void buildMenus(QMainWindow* window);
    void describeControls();
    void connectKeys();
};
