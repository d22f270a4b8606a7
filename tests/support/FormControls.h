#pragma once

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>

#include "ui/ElidedLabel.h"

// The main window's controls, found by their documented objectNames. A
// control that is missing or of another kind stops the test at once.
template <class T>
T* control(const QObject* form, const char* name) {
    T* found = form->findChild<T*>(QString::fromLatin1(name));
    if (!found) qFatal("the window has no %s", name);
    return found;
}

struct FormControls {
    void findControls(const QObject* form) {
        txtFrom = control<QPlainTextEdit>(form, "txtFrom");
        cboLanguages = control<QComboBox>(form, "cboLanguages");
        cboEngines = control<QComboBox>(form, "cboEngines");
        cmdTranslate = control<QPushButton>(form, "cmdTranslate");
        barStatus = control<QStatusBar>(form, "barStatus");
        barStatusPanel1 = control<ElidedLabel>(form, "barStatusPanel1");
        txtTo = control<QPlainTextEdit>(form, "txtTo");
        txtHearIt = control<QLineEdit>(form, "txtHearIt");
        cmdHearIt = control<QPushButton>(form, "cmdHearIt");
        lblHint = control<QLabel>(form, "lblHint");
        timTimeout = control<QTimer>(form, "timTimeout");
        mnuExit = control<QAction>(form, "mnuExit");
        mnuLoad = control<QAction>(form, "mnuLoad");
        mnuOnlineHelp = control<QAction>(form, "mnuOnlineHelp");
        mnuSupport = control<QAction>(form, "mnuSupport");
        mnuTray = control<QMenu>(form, "mnuTray");
        mnuTrayOpen = control<QAction>(form, "mnuTrayOpen");
        mnuTrayExit = control<QAction>(form, "mnuTrayExit");
    }

    // The seven input controls of the busy state.
    QList<QWidget*> inputControls() const {
        return {txtFrom, txtTo, cboEngines, cboLanguages, cmdTranslate, txtHearIt, cmdHearIt};
    }

    QPlainTextEdit* txtFrom = nullptr;
    QComboBox* cboLanguages = nullptr;
    QComboBox* cboEngines = nullptr;
    QPushButton* cmdTranslate = nullptr;
    QStatusBar* barStatus = nullptr;
    ElidedLabel* barStatusPanel1 = nullptr;  // the status line
    QPlainTextEdit* txtTo = nullptr;
    QLineEdit* txtHearIt = nullptr;
    QPushButton* cmdHearIt = nullptr;
    QLabel* lblHint = nullptr;
    QTimer* timTimeout = nullptr;
    QAction* mnuExit = nullptr;
    QAction* mnuLoad = nullptr;
    QAction* mnuOnlineHelp = nullptr;
    QAction* mnuSupport = nullptr;
    QMenu* mnuTray = nullptr;
    QAction* mnuTrayOpen = nullptr;
    QAction* mnuTrayExit = nullptr;
};
