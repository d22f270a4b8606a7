#include "ui/WindowKeys.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QShortcut>

#include "config/Failure.h"
#include "config/Globals.h"
#include "service/ReversePair.h"
#include "ui/frmTranslateUi.h"

namespace WindowKeys {

void install(QWidget& window, frmTranslateUi& ui, const Globals& globals) {
    QObject::connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_R), &window),
                     &QShortcut::activated, &window, [&ui, &globals] { reversePair(ui, globals); });
    QObject::connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), &window),
                     &QShortcut::activated, &window, [&ui] { copyTranslation(ui); });
}

bool reversePair(frmTranslateUi& ui, const Globals& globals) {
    // Busy: the pair may not change under a running request.
    if (!ui.cboLanguages->isEnabled() || !globals.service.isLoaded()) return false;
    int reverse = -1;
    try {
        reverse = ReversePair::find(globals.service, ui.cboEngines->currentText(),
                                    ui.cboLanguages->currentIndex());
    } catch (const Failure&) {
        return false;  // the lists came from this document; nothing to turn round
    }
    if (reverse < 0 || reverse >= ui.cboLanguages->count()) return false;
    ui.cboLanguages->setCurrentIndex(reverse);
    return true;
}

bool copyTranslation(const frmTranslateUi& ui) {
    const QString text = ui.txtTo->toPlainText();
    if (text.isEmpty()) return false;
    QApplication::clipboard()->setText(text, QClipboard::Clipboard);
    return true;
}

}  // namespace WindowKeys
