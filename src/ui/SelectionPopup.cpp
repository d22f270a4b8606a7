#include "ui/SelectionPopup.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSizeGrip>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/ISoundOutput.h"
#include "speech/SpeakCommand.h"

namespace {

template <class T>
T* popupNamed(T* object, const char* name) {
    object->setObjectName(QString::fromLatin1(name));
    return object;
}

QPlainTextEdit* readOnlyBox(QWidget* parent, const char* name) {
    auto* box = popupNamed(new QPlainTextEdit(parent), name);
    box->setReadOnly(true);
    box->setTabChangesFocus(true);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    return box;
}

// Below and right of the pointer, clear of the cursor's picture.
constexpr QPoint pointerGap{12, 18};

}  // namespace

SelectionPopup::SelectionPopup(const Globals& globals, Platform platform, QWidget* parent)
    : QFrame(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_platform(platform),
      m_speak(new SpeakCommand(*this, globals, platform, this)) {
    setObjectName(QStringLiteral("frmPopup"));
    setWindowTitle(tr("Parlamo Translation"));
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setAttribute(Qt::WA_DeleteOnClose, false);

    setAccessibleDescription(tr("The translation of the selected text."));
    txtPopupFrom = readOnlyBox(this, "txtPopupFrom");
    txtPopupFrom->setAccessibleName(tr("Source text"));
    txtPopupFrom->setAccessibleDescription(tr("The selected text."));
    txtPopupTo = readOnlyBox(this, "txtPopupTo");
    txtPopupTo->setAccessibleName(tr("Translation"));
    txtPopupTo->setAccessibleDescription(tr("Its translation, or what went wrong."));
    txtPopupTo->setToolTip(
        tr("The translation. Ctrl+Shift+C copies it, Ctrl+Shift+S speaks it, Esc closes."));
    txtPopupBack = readOnlyBox(this, "txtPopupBack");
    txtPopupBack->setAccessibleName(tr("Translation back"));
    txtPopupBack->hide();
    lblPopupStatus = popupNamed(new QLabel(this), "lblPopupStatus");
    lblPopupStatus->setWordWrap(true);
    lblPopupStatus->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Read as its text (no name of its own), so that every change is heard.
    lblPopupStatus->setAccessibleDescription(tr("What the translation is doing or has done."));
    cmdPopupCopy = popupNamed(new QPushButton(tr("&Copy"), this), "cmdPopupCopy");
    cmdPopupCopy->setToolTip(tr("Copy the translation to the clipboard (Ctrl+Shift+C)."));
    cmdPopupOpen = popupNamed(new QPushButton(tr("&Open in Window"), this), "cmdPopupOpen");
    cmdPopupOpen->setToolTip(tr("Show both texts in the main window (Ctrl+O)."));
    cmdPopupCopy->setAccessibleDescription(cmdPopupCopy->toolTip());
    cmdPopupOpen->setAccessibleDescription(cmdPopupOpen->toolTip());
    for (QPushButton* b : {cmdPopupCopy, cmdPopupOpen}) b->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(lblPopupStatus, 1);
    buttons->addWidget(cmdPopupCopy);
    buttons->addWidget(cmdPopupOpen);
    buttons->addWidget(new QSizeGrip(this), 0, Qt::AlignBottom | Qt::AlignRight);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 2, 2);
    layout->addWidget(txtPopupFrom, 1);
    layout->addWidget(txtPopupTo, 2);
    layout->addWidget(txtPopupBack, 2);
    layout->addLayout(buttons);
    QWidget::setTabOrder(txtPopupFrom, txtPopupTo);
    QWidget::setTabOrder(txtPopupTo, cmdPopupCopy);
    QWidget::setTabOrder(cmdPopupCopy, cmdPopupOpen);
    setMinimumSize(260, 150);
    resize(440, 220);

    connect(cmdPopupCopy, &QPushButton::clicked, this, &SelectionPopup::copyTranslation);
    connect(cmdPopupOpen, &QPushButton::clicked, this, [this] {
        const QString source = m_source, translation = m_translation;
        close();
        emit openInWindow(source, translation);
    });
    const auto key = [this](const QKeySequence& sequence, auto slot) {
        connect(new QShortcut(sequence, this), &QShortcut::activated, this, slot);
    };
    key(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), [this] { copyTranslation(); });
    key(QKeySequence(Qt::CTRL | Qt::Key_O), [this] { cmdPopupOpen->click(); });
    key(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), [this] { m_speak->speak(); });
    key(QKeySequence(Qt::Key_Escape), [this] { escape(); });
    key(QKeySequence(Qt::CTRL | Qt::Key_B), [this] { emit backRequested(); });
    for (const int enter : {int(Qt::Key_Return), int(Qt::Key_Enter)})
        connect(new QShortcut(QKeySequence(Qt::CTRL | enter), txtPopupFrom, nullptr, nullptr,
                              Qt::WidgetShortcut),
                &QShortcut::activated, this, [this] {
                    if (!txtPopupFrom->isReadOnly())
                        emit sourceEdited(txtPopupFrom->toPlainText().trimmed());
                });
}

void SelectionPopup::setSourceEditable(bool editable) {
    txtPopupFrom->setReadOnly(!editable);
    txtPopupFrom->setTextInteractionFlags(editable ? Qt::TextEditorInteraction
                                                   : Qt::TextSelectableByMouse |
                                                         Qt::TextSelectableByKeyboard);
    txtPopupFrom->setToolTip(editable ? tr("The text read from the screen. Correct it and press "
                                           "Ctrl+Enter to translate it again.")
                                      : QString());
    // Ready for a correction.
    if (editable) txtPopupFrom->setFocus();
}

// The speak command is a child: it goes with the window.
SelectionPopup::~SelectionPopup() = default;

void SelectionPopup::escape() {
    if (m_speak->isFetching() || m_platform.sound->isPlaying()) {
        m_speak->stop();
        return;
    }
    close();
}

void SelectionPopup::setSpeakStatus(const QString& text) {
    lblPopupStatus->setText(text);
}

void SelectionPopup::setEngineAndPair(const QString& engine, const QString& pair) {
    m_engine = engine;
    m_pair = pair;
}

void SelectionPopup::setSource(const QString& source) {
    m_source = source;
    // A selection of megabytes would only make the window slow; the whole
    // text still goes to the engine and to the main window.
    txtPopupFrom->setPlainText(
        source.size() > shownSourceLimit ? source.left(shownSourceLimit) + QChar(0x2026) : source);
}

void SelectionPopup::showBusy(const QString& source, const QString& status) {
    m_busy = true;
    setSource(source);
    m_translation.clear();
    txtPopupTo->clear();
    txtPopupTo->setEnabled(false);
    showBack(QString(), status);
    cmdPopupCopy->setEnabled(false);
    lblPopupStatus->setText(status);
}

void SelectionPopup::showTranslation(const QString& translation, const QString& status) {
    m_busy = false;
    m_translation = translation;
    txtPopupTo->setEnabled(true);
    txtPopupTo->setPlainText(translation);
    cmdPopupCopy->setEnabled(true);
    lblPopupStatus->setText(status);
}

void SelectionPopup::showBack(const QString& back, const QString& status) {
    txtPopupBack->setPlainText(back);
    txtPopupBack->setVisible(!back.isEmpty());
    lblPopupStatus->setText(status);
}

void SelectionPopup::showStatus(const QString& status) {
    lblPopupStatus->setText(status);
}

void SelectionPopup::showFailure(const QString& status) {
    m_busy = false;
    m_translation.clear();
    txtPopupTo->clear();
    txtPopupTo->setEnabled(true);
    showBack(QString(), status);
    cmdPopupCopy->setEnabled(false);
    lblPopupStatus->setText(status);
}

void SelectionPopup::copyTranslation() {
    if (m_translation.isEmpty()) return;
    QApplication::clipboard()->setText(m_translation, QClipboard::Clipboard);
    lblPopupStatus->setText(tr("Copied to the clipboard."));
}

QPoint SelectionPopup::placeNear(QPoint pointer, QSize size, QRect available) {
    QPoint at = pointer + pointerGap;
    // No room right of or below the pointer: the other side of it.
    if (at.x() + size.width() > available.right() + 1)
        at.setX(pointer.x() - pointerGap.x() - size.width());
    if (at.y() + size.height() > available.bottom() + 1)
        at.setY(pointer.y() - pointerGap.y() - size.height());
    at.setX(std::clamp(at.x(), available.left(),
                       std::max(available.left(), available.right() + 1 - size.width())));
    at.setY(std::clamp(at.y(), available.top(),
                       std::max(available.top(), available.bottom() + 1 - size.height())));
    return at;
}

void SelectionPopup::popUp(std::optional<QPoint> pointer) {
    QScreen* screen = pointer ? QGuiApplication::screenAt(*pointer) : nullptr;
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (screen) {
        const QRect available = screen->availableGeometry();
        const QSize size = frameGeometry().size().boundedTo(available.size());
        move(pointer && available.contains(*pointer)
                 ? placeNear(*pointer, size, available)
                 : available.center() - QPoint(size.width() / 2, size.height() / 2));
    }
    // Shown again while it has the keyboard (its text came later): it
    // still closes when another window takes over.
    m_wasActive = isVisible() && isActiveWindow();
    show();
    raise();
    activateWindow();
}

void SelectionPopup::changeEvent(QEvent* event) {
    QFrame::changeEvent(event);
    if (event->type() != QEvent::ActivationChange) return;
    // Another window took the keyboard: the popup has served its turn.
    if (isActiveWindow())
        m_wasActive = true;
    else if (m_wasActive && isVisible())
        close();
}

void SelectionPopup::closeEvent(QCloseEvent* event) {
    QFrame::closeEvent(event);
    m_wasActive = false;
    emit closed();
}
