#include "ui/SelectionText.h"

#include <QClipboard>
#include <QGuiApplication>

namespace SelectionText {

QString selection() {
    const QClipboard* board = QGuiApplication::clipboard();
    if (board->supportsSelection()) {
        QString selected = board->text(QClipboard::Selection);
        if (!selected.isEmpty()) return selected;
    }
    return clipboard();
}

QString clipboard() {
    return QGuiApplication::clipboard()->text(QClipboard::Clipboard);
}

bool readableOnlyWithFocus() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

}  // namespace SelectionText
