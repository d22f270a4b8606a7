#include "ui/mGlobal.h"

#include <QIcon>
#include <QMenu>
#include <QPointer>

#include "ui/frmTranslate.h"

namespace mGlobal {

void AddTrayIcon(ITrayHost* tray, frmTranslate& form, const QIcon& Icon, const QString& Tip) {
    if (!tray) return;
    // The icon may outlive the window (the host belongs to the program).
    QPointer<frmTranslate> window(&form);
    tray->addIcon(Icon, Tip, [window](ITrayHost::Activation reason) {
        if (window) TrayWindowProc(*window, reason);
    });
    tray->setLostHandler([window] {
        if (window) TrayLost(*window);
    });
}

void TrayLost(frmTranslate& form) {
    if (form.isUnloaded() || form.isVisible()) return;
    form.mnuTray->hide();
    form.showFromTray();
}

void ShowTrayBalloon(ITrayHost* tray, int InfoFlags, const QString& Title, const QString& Text) {
    if (!tray) return;
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
    tray->showBalloon(Title, Text, icon, balloonTimeout);
}

void RemoveTrayIcon(ITrayHost* tray) {
    if (tray) tray->removeIcon();
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
            form.mnuTray->hide();
            form.showFromTray();
            break;
        case TrayAction::ActivateWindow:
            form.raise();
            form.activateWindow();
            break;
        case TrayAction::PopUpMenu:
            if (ITrayHost* tray = form.platform().tray) tray->popUpMenu(*form.mnuTray);
            break;
        case TrayAction::None:
            break;
    }
}

}  // namespace mGlobal
