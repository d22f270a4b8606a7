#include "desktop/QtDialogs.h"

#include <QMessageBox>

IDialogs::Result QtDialogs::messageBox(const QString& text, const QString& title, Icon icon,
                                       Buttons buttons) {
    return detailedMessageBox(text, title, icon, buttons, QString());
}

IDialogs::Result QtDialogs::detailedMessageBox(const QString& text, const QString& title, Icon icon,
                                               Buttons buttons, const QString& details) {
    QMessageBox box(
        icon == Icon::Information ? QMessageBox::Information : QMessageBox::Warning, title, text,
        buttons == Buttons::OkCancel ? (QMessageBox::Ok | QMessageBox::Cancel) : QMessageBox::Ok);
    box.setDefaultButton(QMessageBox::Ok);
    if (!details.isEmpty()) box.setDetailedText(details);
    return box.exec() == QMessageBox::Ok ? Result::Ok : Result::Cancel;
}
