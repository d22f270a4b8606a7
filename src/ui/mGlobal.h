#pragma once

#include <QCoreApplication>
#include <QString>

#include "platform/ITrayHost.h"

class QIcon;
class frmTranslate;

// The tray routines of the main window: add the icon, annotate it with a
// balloon, remove it, and route the user's clicks on it to the window.
namespace mGlobal {

// Adds the icon with the window's picture and tip text, and routes its
// activations to TrayWindowProc and the loss of the tray to TrayLost.
void AddTrayIcon(ITrayHost& tray, frmTranslate& form, const QIcon& Icon, const QString& Tip);

// InfoFlags: 0 none, 1 information, 2 warning, 3 error. The balloon is asked
// to stay for three seconds.
void ShowTrayBalloon(ITrayHost& tray, int InfoFlags, const QString& Title, const QString& Text);
inline constexpr int balloonTimeout = 3000;
// The balloon's text when the window starts in the tray.
inline QString loadedText() {
    return QCoreApplication::translate("mGlobal", "Loaded, and mimized to tray.") +
           QStringLiteral("\r\n") + QCoreApplication::translate("mGlobal", "Double-click to open.");
}

void RemoveTrayIcon(ITrayHost& tray);

// What a click on the icon does, given whether the window is visible.
enum class TrayAction { None, ShowWindow, ActivateWindow, PopUpMenu };
TrayAction trayActionFor(ITrayHost::Activation reason, bool windowVisible);

// The notification area went away: a hidden window could never be reached
// again, so it is shown.
void TrayLost(frmTranslate& form);

// Carries out trayActionFor on the window.
void TrayWindowProc(frmTranslate& form, ITrayHost::Activation reason);

}  // namespace mGlobal
