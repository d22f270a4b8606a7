#include "ui/TranslateAnywhere.h"

#include <QCursor>
#include <QGuiApplication>
#include <QTimer>
#include <QWindow>
#include <optional>

#include "config/Failure.h"
#include "config/Globals.h"
#include "config/Settings.h"
#include "language/LanguageDetector.h"
#include "language/PairRule.h"
#include "ocr/OcrLanguage.h"
#include "ocr/TextRecognizer.h"
#include "platform/IGlobalShortcut.h"
#include "platform/IScreenArea.h"
#include "translate/OutsideTranslation.h"
#include "ui/IAnywhereHost.h"
#include "ui/SelectionPopup.h"
#include "ui/SelectionText.h"
#include "ui/ShortcutDialog.h"

namespace {

// Only X11 tells a program where the pointer is while another program's
// window is under it.
std::optional<QPoint> pointerPosition() {
    if (QGuiApplication::platformName() == QLatin1String("xcb")) return QCursor::pos();
    return std::nullopt;
}

// Where the pair of that name is in the list; -1 when it is not.
int indexOf(const QList<EngineLists::Pair>& pairs, const QString& name) {
    for (qsizetype i = 0; i < pairs.size(); ++i)
        if (pairs.at(i).name == name) return static_cast<int>(i);
    return -1;
}

}  // namespace

TranslateAnywhere::TranslateAnywhere(IAnywhereHost& window, Translator& translator,
                                     const Globals& globals, Platform platform)
    : m_window(window), m_translator(translator), m_globals(globals), m_platform(platform) {}

void TranslateAnywhere::windowUnloading() {
    // Exit: nothing of this may outlive the window on screen or on the keyboard.
    m_platform.shortcut->setKey(QString(), nullptr, nullptr);
    m_platform.areaShortcut->setKey(QString(), nullptr, nullptr);
    if (m_recognizer) m_recognizer->cancel();
    if (m_popup) m_popup->close();
}

TranslateAnywhere::~TranslateAnywhere() {
    m_platform.shortcut->setKey(QString(), nullptr, nullptr);
    m_platform.areaShortcut->setKey(QString(), nullptr, nullptr);
    delete m_popup;
}

namespace {
Settings::Key settingOf(bool area) {
    return area ? Settings::Key::ScreenAreaShortcut : Settings::Key::SelectionShortcut;
}
}  // namespace

QString TranslateAnywhere::storedKey(GlobalKey which) const {
    const Settings::Key setting = settingOf(which == GlobalKey::ScreenArea);
    cVeRegistry* store = m_globals.gobjRegistry.get();
    return store ? Settings(*store).get(setting) : Settings::defaultText(setting);
}

void TranslateAnywhere::storeKey(GlobalKey which, const QString& key) {
    if (cVeRegistry* store = m_globals.gobjRegistry.get())
        Settings(*store).set(settingOf(which == GlobalKey::ScreenArea), key);
    hold(which, key);
}

void TranslateAnywhere::hold(GlobalKey which, const QString& key) {
    const bool area = which == GlobalKey::ScreenArea;
    const QPointer<TranslateAnywhere> self(this);
    (area ? m_platform.areaShortcut : m_platform.shortcut)
        ->setKey(
            key,
            [self, area] {
                if (!self) return;
                if (area)
                    self->translateScreenArea();
                else
                    self->translateSelection();
            },
            [self, area](const QString& why) {
                if (!self) return;
                // Where the desktop holds no keys at all, another key would
                // not help.
                const bool available = area ? self->m_platform.areaShortcut->isAvailable()
                                            : self->m_platform.shortcut->isAvailable();
                const QString elsewhere =
                    area ? tr("Choose another one under Options > Screen Area Shortcut...")
                         : tr("Choose another one under Options > Selection Shortcut...");
                self->sayInStatusLine(available ? why + QLatin1Char(' ') + elsewhere : why);
            });
}

QString TranslateAnywhere::shortcut() const {
    return storedKey(GlobalKey::Selection);
}

QString TranslateAnywhere::areaShortcut() const {
    return storedKey(GlobalKey::ScreenArea);
}

void TranslateAnywhere::setShortcut(const QString& key) {
    storeKey(GlobalKey::Selection, key);
}

void TranslateAnywhere::setAreaShortcut(const QString& key) {
    storeKey(GlobalKey::ScreenArea, key);
}

void TranslateAnywhere::start() {
    hold(GlobalKey::Selection, shortcut());
    hold(GlobalKey::ScreenArea, areaShortcut());
}

void TranslateAnywhere::chooseAreaShortcut() {
    ShortcutDialog dialog(areaShortcut(), m_window.dialogParent());
    dialog.describeScreenArea();
    if (dialog.exec() == QDialog::Accepted) setAreaShortcut(dialog.key());
}

void TranslateAnywhere::chooseShortcut() {
    if (!m_shortcutDialog) {
        m_shortcutDialog = new ShortcutDialog(shortcut(), m_window.dialogParent());
        m_shortcutDialog->setAttribute(Qt::WA_DeleteOnClose);
        connect(m_shortcutDialog, &QDialog::accepted, this,
                [this, dialog = m_shortcutDialog] { setShortcut(dialog->key()); });
    }
    m_shortcutDialog->open();
    m_shortcutDialog->raise();
    m_shortcutDialog->activateWindow();
}

void TranslateAnywhere::sayInStatusLine(const QString& text) {
    const QString now = m_window.statusText();
    m_window.setStatusText(now.isEmpty() ? text : now + QLatin1Char(' ') + text);
}

TranslateAnywhere::Choice TranslateAnywhere::currentChoice() const {
    return {m_window.chosenEngine(), m_window.chosenPair()};
}

QList<EngineLists::Pair> TranslateAnywhere::pairsOf(const QString& engine) const {
    if (!m_globals.service.isLoaded() || engine.isEmpty()) return {};
    try {
        return EngineLists::pairs(m_globals.service, engine);
    } catch (const Failure&) {
        return {};
    }
}

TranslateAnywhere::Choice TranslateAnywhere::detectedChoice(const QString& text,
                                                            QString* line) const {
    Choice choice = currentChoice();
    const QList<EngineLists::Pair> pairs = pairsOf(choice.engine);
    const int current = indexOf(pairs, choice.pair);
    // Pairs without codes leave nothing to detect for: the detector is not
    // even loaded.
    const QString detected =
        PairRule::choose(QString(), pairs, current).why == PairRule::Choice::Why::NoCodes
            ? QString()
            : LanguageDetector::detect(text);
    const PairRule::Choice picked = PairRule::choose(detected, pairs, current);
    const bool byLanguage = picked.why == PairRule::Choice::Why::Detected;
    if (byLanguage) choice.pair = pairs.at(picked.index).name;
    // One line: the languages when they decided, else the pair as always.
    if (line) *line = byLanguage ? PairRule::describe(picked, pairs, detected) : choice.pair;
    return choice;
}

OutsideTranslation* TranslateAnywhere::newTranslation(QObject* parent, bool popup) {
    return new OutsideTranslation(
        m_translator, popup ? Translator::Origin::Popup : Translator::Origin::DBus, parent);
}

SelectionPopup* TranslateAnywhere::popup() const {
    return m_popup;
}

SelectionPopup& TranslateAnywhere::ensurePopup() {
    if (!m_popup) {
        m_popup = new SelectionPopup(m_globals, m_platform);
        connect(m_popup, &SelectionPopup::openInWindow, this,
                [this](const QString& source, const QString& translation) {
                    m_window.openTexts(source, translation);
                });
        connect(m_popup, &SelectionPopup::backRequested, this, &TranslateAnywhere::translateBack);
        // Closed while it waits: the answer would have nowhere to go, and a
        // selection still to be read is no longer wanted.
        connect(m_popup, &SelectionPopup::closed, this, [this] {
            delete m_popupTranslation;
            ++m_readings;
            if (m_recognizer) m_recognizer->cancel();
        });
        // The text read from the screen, corrected by the user.
        connect(m_popup, &SelectionPopup::sourceEdited, this, [this](const QString& text) {
            popUpWith(text, OutsideTranslation::noTextText(), false);
        });
    }
    return *m_popup;
}

void TranslateAnywhere::translateSelection() {
    popUpReading(SelectionText::Source::Selection, tr("Reading the selection..."),
                 tr("No text is selected. Select a text, then press the key again."));
}

void TranslateAnywhere::translateClipboard() {
    popUpReading(SelectionText::Source::Clipboard, tr("Reading the clipboard..."),
                 tr("The clipboard holds no text."));
}

void TranslateAnywhere::popUpReading(SelectionText::Source source, const QString& reading,
                                     const QString& whenEmpty) {
    if (m_recognizer) m_recognizer->cancel();
    ensurePopup().setSourceEditable(false);
    const quint64 ticket = ++m_readings;
    // Reads now; what comes is shown unless the popup was closed or a newer
    // request came meanwhile.
    const auto readNow = [this, ticket, source, whenEmpty] {
        if (ticket != m_readings) return;
        const quint64 mine = ++m_readings;
        SelectionText::read(
            source, this, [this, mine, whenEmpty](const SelectionText::Result& got) {
                if (mine != m_readings) return;
                ++m_readings;
                if (got.ownerSilent)
                    popUpWith(QString(), tr("The selection's owner did not answer."));
                else
                    popUpWith(got.text, whenEmpty);
            });
    };
    if (!SelectionText::readableOnlyWithFocus()) return readNow();

    // The window system hands the selection only to the window that has the
    // keyboard: the popup comes first and reads once it is active, or when
    // the desktop has not made it so within a while.
    SelectionPopup& popup = ensurePopup();
    delete m_popupTranslation;
    popup.setEngineAndPair(QString(), QString());
    popup.showBusy(QString(), reading);
    popup.popUp(pointerPosition());
    auto* wait = new QObject(this);
    const auto readOnce = [wait, readNow] {
        wait->deleteLater();
        readNow();
    };
    if (popup.isActiveWindow()) return readOnce();
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, wait, [this, readOnce](QWindow* focus) {
        if (focus && m_popup && focus == m_popup->windowHandle()) readOnce();
    });
    QTimer::singleShot(activationWaitMs, wait, readOnce);
}

void TranslateAnywhere::translateInPopup(const QString& text) {
    if (m_recognizer) m_recognizer->cancel();
    ensurePopup().setSourceEditable(false);
    popUpWith(text, OutsideTranslation::noTextText());
}

void TranslateAnywhere::translateScreenArea() {
    const QPointer<TranslateAnywhere> self(this);
    m_platform.screenArea->pick(
        [self](const QImage& area) {
            if (self) self->translateImage(area);
        },
        [self](const QString& why) {
            if (self && !why.isEmpty()) self->sayInStatusLine(why);  // empty: cancelled
        });
}

void TranslateAnywhere::translateImage(const QImage& image) {
    SelectionPopup& popup = ensurePopup();
    delete m_popupTranslation;
    ++m_readings;
    popup.setSourceEditable(true);
    popup.setEngineAndPair(QString(), QString());
    popup.showBusy(QString(), tr("Reading the screen..."));
    popup.popUp(pointerPosition());

    if (!m_recognizer) {
        m_recognizer = new TextRecognizer(this);
        connect(m_recognizer, &TextRecognizer::finished, this, [this](const TextReading& reading) {
            if (!m_popup || !m_popup->isVisible()) return;
            if (reading.status == TextReading::Status::Read)
                popUpWith(reading.text, tr("No text was found in the area."), false);
            else
                m_popup->showFailure(TextRecognizer::describe(reading));
        });
    }
    // The pair's source language, when the document gives it; else English.
    const Choice choice = currentChoice();
    m_recognizer->start(image,
                        m_globals.service.isLoaded()
                            ? OcrLanguage::forPair(m_globals.service, choice.engine, choice.pair)
                            : QString::fromLatin1(OcrLanguage::fallback));
}

void TranslateAnywhere::popUpWith(const QString& text, const QString& whenEmpty, bool move) {
    SelectionPopup& popup = ensurePopup();
    delete m_popupTranslation;  // the newest request wins
    QString line;
    const Choice choice = text.isEmpty() ? currentChoice() : detectedChoice(text, &line);
    m_popupChoice = choice;
    popup.setEngineAndPair(choice.engine, choice.pair);
    if (text.isEmpty()) {
        // Nothing to send: say so where the translation would have shown.
        popup.showBusy(QString(), QString());
        popup.showFailure(whenEmpty);
        if (move) popup.popUp(pointerPosition());
        return;
    }
    popup.showBusy(text, tr("Translating from %1").arg(choice.pair));
    if (move) popup.popUp(pointerPosition());

    OutsideTranslation* translation = newTranslation(this, true);
    m_popupTranslation = translation;
    connect(translation, &OutsideTranslation::finished, this,
            [this, translation, line](const QString& shown) {
                translation->deleteLater();
                if (!m_popup) return;
                m_popup->showTranslation(shown, line);
                emit popupTranslated();
            });
    connect(translation, &OutsideTranslation::failed, this,
            [this, translation](const QString& status) {
                translation->deleteLater();
                if (m_popup) m_popup->showFailure(status);
            });
    translation->start(choice.engine, choice.pair, text);
}

void TranslateAnywhere::translate(const QString& text, const Reply& done) {
    translateWith(currentChoice(), text, done);
}

void TranslateAnywhere::translateAuto(const QString& text, const QString& target,
                                      const Reply& done) {
    if (target.isEmpty()) return translateWith(detectedChoice(text, nullptr), text, done);
    Choice choice = currentChoice();
    const QList<EngineLists::Pair> pairs = pairsOf(choice.engine);
    const QString detected = LanguageDetector::detect(text);
    const PairRule::Choice picked =
        PairRule::choose(detected, pairs, indexOf(pairs, choice.pair), target);
    switch (picked.why) {
        case PairRule::Choice::Why::Detected:
            choice.pair = pairs.at(picked.index).name;
            return translateWith(choice, text, done);
        case PairRule::Choice::Why::NoCodes:
            return done(false, PairRule::noCodesText());
        case PairRule::Choice::Why::NotSure:
            return done(false, tr("The language of the text is not clear."));
        case PairRule::Choice::Why::NoMatch:
            break;
    }
    done(false, tr("No language pair translates %1 into %2.")
                    .arg(PairRule::languageName(detected), PairRule::languageName(target)));
}

void TranslateAnywhere::translateWith(const Choice& choice, const QString& text,
                                      const Reply& done) {
    OutsideTranslation* translation = newTranslation(this, false);
    connect(translation, &OutsideTranslation::finished, this,
            [translation, done](const QString& shown) {
                translation->deleteLater();
                done(true, shown);
            });
    connect(translation, &OutsideTranslation::failed, this,
            [translation, done](const QString& status) {
                translation->deleteLater();
                done(false, status);
            });
    translation->start(choice.engine, choice.pair, text);
}

void TranslateAnywhere::translateBack() {
    if (!m_popup || m_popup->isBusy() || m_popup->translation().isEmpty()) return;
    const QList<EngineLists::Pair> pairs = pairsOf(m_popupChoice.engine);
    int index = -1;
    for (int i = 0; i < pairs.size() && index < 0; ++i)
        if (pairs.at(i).name == m_popupChoice.pair) index = i;
    const int back = PairRule::reverse(pairs, index);
    if (back < 0)
        return m_popup->showStatus(
            tr("No language pair translates back from %1.").arg(m_popupChoice.pair));
    const Choice choice{m_popupChoice.engine, pairs.at(back).name};
    const QString text = m_popup->translation();
    m_popup->showStatus(tr("Translating back from %1").arg(choice.pair));
    // Its own request, under the same limit; a newer popup request ends it.
    delete m_popupTranslation;
    OutsideTranslation* translation = newTranslation(this, true);
    m_popupTranslation = translation;
    connect(translation, &OutsideTranslation::finished, this,
            [this, translation, choice](const QString& shown) {
                translation->deleteLater();
                if (m_popup) m_popup->showBack(shown, tr("Back: %1").arg(choice.pair));
            });
    connect(translation, &OutsideTranslation::failed, this,
            [this, translation](const QString& status) {
                translation->deleteLater();
                if (m_popup) m_popup->showStatus(status);
            });
    translation->start(choice.engine, choice.pair, text);
}
