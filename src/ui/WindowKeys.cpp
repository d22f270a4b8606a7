#include "ui/WindowKeys.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QShortcut>

#include "config/Failure.h"
#include "config/Globals.h"
#include "language/LanguageDetector.h"
#include "language/PairRule.h"
#include "service/EngineLists.h"
#include "service/ReversePair.h"
#include "ui/ElidedLabel.h"
#include "ui/frmTranslateUi.h"

namespace WindowKeys {

void install(QWidget& window, frmTranslateUi& ui, const Globals& globals) {
    const auto detect = [&ui, &globals] { detectLanguage(ui, globals); };
    QObject::connect(ui.mnuDetectLanguage, &QAction::triggered, &window, detect);
    QObject::connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_D), &window),
                     &QShortcut::activated, &window, detect);
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

void detectLanguage(frmTranslateUi& ui, const Globals& globals) {
    // While a command runs the list is disabled, and so is a click in it.
    if (!ui.cboLanguages->isEnabled() || !globals.service.isLoaded()) return;
    QList<EngineLists::Pair> pairs;
    try {
        pairs = EngineLists::pairs(globals.service, ui.cboEngines->currentText());
    } catch (const Failure&) {
    }
    const int current = ui.cboLanguages->currentIndex();
    if (PairRule::choose(QString(), pairs, current).why == PairRule::Choice::Why::NoCodes)
        return ui.barStatusPanel1->setText(PairRule::noCodesText());
    const QString detected = LanguageDetector::detect(ui.txtFrom->toPlainText());
    const PairRule::Choice choice = PairRule::choose(detected, pairs, current);
    if (choice.why == PairRule::Choice::Why::Detected && choice.index < ui.cboLanguages->count())
        ui.cboLanguages->setCurrentIndex(choice.index);
    ui.barStatusPanel1->setText(PairRule::describe(choice, pairs, detected));
}

bool copyTranslation(const frmTranslateUi& ui) {
    const QString text = ui.txtTo->toPlainText();
    if (text.isEmpty()) return false;
    QApplication::clipboard()->setText(text, QClipboard::Clipboard);
    return true;
}

}  // namespace WindowKeys
