#include "desktop/DesktopUrlOpener.h"

#include <QDesktopServices>
#include <QUrl>

void DesktopUrlOpener::open(const QString& address) {
    // The result is not looked at: a failure to open shows nothing.
    QDesktopServices::openUrl(QUrl::fromUserInput(address));
}
