#include "ui/mGlobal.h"

#include <QIcon>
#include <QPointer>

#include "ui/frmTranslate.h"

namespace mGlobal {

void AddTrayIcon(ITrayHost& tray, frmTranslate& form, const QIcon& Icon, const QString& Tip) {
    // The icon may outlive the window (the host belongs to the program).
    QPointer<frmTranslate> window(&form);
    tray.addIcon(Icon, Tip, [window](ITrayHost::Activation reason) {
        if (window) TrayWindowProc(*window, reason);
    });
    tray.setLostHandler([window] {
        if (window) TrayLost(*window);
    });
}

void TrayLost(frmTranslate& form) {
    if (form.isUnloaded() || form.isVisible()) return;
    form.mnuTrayOpen_Click();
}

void ShowTrayBalloon(ITrayHost& tray, int InfoFlags, const QString& Title, const QString& Text) {
    ITrayHost::BalloonIcon icon = ITrayHost::BalloonIcon::None;
    switch (InfoFlags) {
        case 1:
            icon = ITrayHost::BalloonIcon::Information;
            break;
        case 2:
            icon = ITrayHost::BalloonIcon::Warning;
            break;
        case 3:
            icon = ITrayHost::BalloonIcon::Critical;
            break;
        default:
            break;
    }
    tray.showBalloon(Title, Text, icon, balloonTimeout);
}

void RemoveTrayIcon(ITrayHost& tray) {
    tray.removeIcon();
}

TrayAction trayActionFor(ITrayHost::Activation reason, bool windowVisible) {
    switch (reason) {
        case ITrayHost::Activation::DoubleClick:
            return TrayAction::ShowWindow;
        case ITrayHost::Activation::Context:
            return windowVisible ? TrayAction::ActivateWindow : TrayAction::PopUpMenu;
        default:
            return TrayAction::None;
    }
}

void TrayWindowProc(frmTranslate& form, ITrayHost::Activation reason) {
    if (form.isUnloaded()) return;
    switch (trayActionFor(reason, form.isVisible())) {
        case TrayAction::ShowWindow:
            form.mnuTrayOpen_Click();
            break;
        case TrayAction::ActivateWindow:
            form.raise();
            form.activateWindow();
            break;
        case TrayAction::PopUpMenu:
            form.popUpTrayMenu();
            break;
        case TrayAction::None:
            break;
    }
}

}  // namespace mGlobal
