#include "desktop/QtDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

IDialogs::Result QtDialogs::messageBox(const QString& text, const QString& title, Icon icon,
                                       Buttons buttons) {
    return detailedMessageBox(text, title, icon, buttons, QString());
}

IDialogs::Result QtDialogs::detailedMessageBox(const QString& text, const QString& title, Icon icon,
                                               Buttons buttons, const QString& details) {
    QMessageBox box(
        icon == Icon::Information ? QMessageBox::Information : QMessageBox::Warning, title, text,
        buttons == Buttons::Ok ? QMessageBox::Ok : (QMessageBox::Ok | QMessageBox::Cancel));
    box.setDefaultButton(buttons == Buttons::OkCancelDefaultCancel ? QMessageBox::Cancel
                                                                   : QMessageBox::Ok);
    if (!details.isEmpty()) box.setDetailedText(details);
    return box.exec() == QMessageBox::Ok ? Result::Ok : Result::Cancel;
}

QString QtDialogs::saveFileName(const QString& title, const QString& suggested,
                                const QString& filter) {
    // The dialog asks before replacing an existing file.
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), title, suggested, filter);
}
