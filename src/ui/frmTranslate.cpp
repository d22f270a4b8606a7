#include "ui/frmTranslate.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QSessionManager>
#include <QSignalBlocker>
#include <QTimer>

#include "config/Failure.h"
#include "config/Globals.h"
#include "config/StartEntry.h"
#include "platform/AppInfo.h"
#include "platform/IDialogs.h"
#include "platform/ITrayHost.h"
#include "platform/IUrlOpener.h"
#include "service/EngineLists.h"
#include "service/Twips.h"
#include "startup/StartMode.h"
#include "translate/TranslateCommand.h"
#include "ui/ElidedLabel.h"
#include "ui/MainLoop.h"
#include "ui/TranslateAnywhere.h"
#include "ui/TranslationHistory.h"
#include "ui/WindowKeys.h"
#include "ui/mGlobal.h"

frmTranslate::frmTranslate(Globals& globals, Platform platform, QWidget* parent)
    : QMainWindow(parent), m_globals(globals), m_platform(platform) {
    m_ui.setupUi(this);
    m_parts = std::make_unique<WindowParts>(*this, m_ui, m_globals, m_platform);
    connectControls();
    WindowKeys::install(*this, m_ui, m_globals);

    // The program ends when this window unloads, not when its last visible
    // window closes: in the tray no window is visible at all.
    QApplication::setQuitOnLastWindowClosed(false);
    // A session that logs off or shuts down must not be held up by the tray
    // rule that turns closing into hiding.
    connect(qApp, &QGuiApplication::commitDataRequest, this,
            [this](QSessionManager&) { sessionEnding(); });
    connect(qApp, &QCoreApplication::aboutToQuit, this, &frmTranslate::sessionEnding);

    m_boxes = LayoutMath::initialControls();
    const double menuTwips = menuBar()->sizeHint().height() * twipsPerPixelY();
    applyOuterSize({LayoutMath::clientWidthTwips, LayoutMath::clientHeightTwips + menuTwips});
    m_ui.placeControls(m_boxes, twipsPerPixelX(), twipsPerPixelY());
    m_ui.fitHintFont();
}

frmTranslate::~frmTranslate() = default;  // the idle wait below ends with the window

void frmTranslate::connectControls() {
    connect(m_ui.cmdTranslate, &QPushButton::clicked, this, &frmTranslate::cmdTranslate_Click);
    // Every change of the selected engine, by the user or by code.
    connect(m_ui.cboEngines, &QComboBox::currentIndexChanged, this,
            &frmTranslate::cboEngines_Click);
    connect(m_ui.mnuExit, &QAction::triggered, this, &frmTranslate::mnuExit_Click);
    connect(m_ui.mnuLoad, &QAction::triggered, this, &frmTranslate::mnuLoad_Click);
    connect(m_ui.mnuOnlineHelp, &QAction::triggered, this, &frmTranslate::mnuOnlineHelp_Click);
    connect(m_ui.mnuSupport, &QAction::triggered, this, &frmTranslate::mnuSupport_Click);
    connect(m_ui.mnuTrayOpen, &QAction::triggered, this, &frmTranslate::mnuTrayOpen_Click);
    connect(m_ui.mnuTrayExit, &QAction::triggered, this, &frmTranslate::mnuTrayExit_Click);
}

QString frmTranslate::sourceText() const {
    return m_ui.txtFrom->toPlainText();
}

ITranslateView::Selection frmTranslate::selectedEngine() const {
    return {m_ui.cboEngines->currentIndex(), m_ui.cboEngines->currentText()};
}

ITranslateView::Selection frmTranslate::selectedLanguage() const {
    return {m_ui.cboLanguages->currentIndex(), m_ui.cboLanguages->currentText()};
}

QString frmTranslate::chosenEngine() const {
    const Selection engine = selectedEngine();
    return engine.index >= 0 ? engine.text : QString();
}

QString frmTranslate::chosenPair() const {
    const Selection pair = selectedLanguage();
    return pair.index >= 0 ? pair.text : QString();
}

void frmTranslate::showResult(const QString& text) {
    m_ui.txtTo->setPlainText(text);
}

QString frmTranslate::hearItText() const {
    return m_ui.txtHearIt->text();
}

void frmTranslate::setHearItText(const QString& text) {
    m_ui.setHearItText(text);
}

void frmTranslate::setHearItTextColour(const QColor& colour) {
    m_ui.setHearItTextColour(colour);
}

QString frmTranslate::speakText() const {
    return m_ui.txtTo->toPlainText();
}

QString frmTranslate::speakEngine() const {
    return m_ui.cboEngines->currentText();
}

QString frmTranslate::speakPair() const {
    return m_ui.cboLanguages->currentText();
}

void frmTranslate::setSpeakStatus(const QString& text) {
    // A running Translate or Hear It command keeps its busy text.
    if (m_ui.cmdTranslate->isEnabled()) setStatusText(text);
}

QString frmTranslate::statusText() const {
    return m_ui.barStatusPanel1->text();
}

void frmTranslate::setStatusText(const QString& text) {
    m_ui.barStatusPanel1->setText(text);
}

void frmTranslate::Disable() {
    // Disabling the control that has the focus would hand the focus on to
    // the next one, and the Hear It box clears itself when it gets the focus.
    // Take the focus off instead, and give it back when the window is idle.
    if (QWidget* focused = focusWidget(); m_ui.inputControls().contains(focused)) {
        m_focusBeforeBusy = focused;
        focused->clearFocus();
    }
    m_ui.setTranslationControlsEnabled(false);
    setStatusText(tr("Translating from %1").arg(m_ui.cboLanguages->currentText()));
    m_ui.setHearItControlsEnabled(false);
}

void frmTranslate::Enable() {
    m_ui.setTranslationControlsEnabled(true);
    setStatusText(tr("Translated."));
    if (m_parts) showHistoryNotice(m_parts->takeHistoryNotice());  // one that came while busy
    m_ui.setHearItControlsEnabled(true);
    if (QWidget* w = m_focusBeforeBusy) {
        m_focusBeforeBusy = nullptr;
        // Not into the Hear It box: that would clear the word just typed.
        if (w != m_ui.txtHearIt && !focusWidget()) w->setFocus(Qt::OtherFocusReason);
    }
}

void frmTranslate::Form_Load() {
    m_loading = true;
    try {
        loadSteps();
    } catch (const Failure& e) {
        m_loading = false;
        // Nothing useful can be shown from a document the window cannot
        // read: say so and end, leaving no hidden window or tray icon behind.
        m_loadFailed = true;
        mGlobal::RemoveTrayIcon(*m_platform.tray);
        mblnAllowUnload = true;
        hide();
        m_platform.dialogs->messageBox(
            tr("The service configuration could not be used (%1). The program will close.")
                .arg(e.message()),
            AppInfo::title(), IDialogs::Icon::Exclamation, IDialogs::Buttons::Ok);
        Unload();
        return;
    }
    m_loading = false;
}

void frmTranslate::loadSteps() {
    restoreSize();

    // The start entry's presence is the check mark.
    cVeRegistry* registry = m_globals.gobjRegistry.get();
    if (registry && StartEntry::isOn(*registry)) m_ui.mnuLoad->setChecked(true);
    saveSize(false, true);

    // Captions from the document.
    const ConfigElement& messages = m_globals.gelmMessages;
    setWindowTitle(messages.requireText("titlemsgbox"));
    m_ui.setTranslateCaption(messages.requireText("cmdTranslate"));

    if (!m_globals.service.isLoaded()) throw Failure(tr("no configuration document"));
    const StartMode mode =
        StartMode::decide(m_globals.service, m_globals.commandLine, m_platform.tray->isAvailable());
    if (mode.tray) {
        mGlobal::AddTrayIcon(*m_platform.tray, *this, windowIcon(), windowTitle());
        m_platform.tray->setIconMenu(*m_ui.mnuTray);
        if (mode.balloon)
            mGlobal::ShowTrayBalloon(*m_platform.tray, 1, windowTitle(), mGlobal::loadedText());
    } else {
        show();
        mblnAllowUnload = true;
    }

    fillEngines();
    LoadLanguages();
    anywhere().start();
}

void frmTranslate::restoreSize() {
    // The layout passes this starts do not save, so the stored width
    // survives until it has been read.
    mblnSizeRestored = false;
    if (cVeRegistry* registry = m_globals.gobjRegistry.get()) {
        const QSize room = screen() ? screen()->availableVirtualSize() : QSize();
        const LayoutMath::OuterSize stored = m_geometry.storedSize(
            *registry, {room.width() * twipsPerPixelX(), room.height() * twipsPerPixelY()});
        setHeight(stored.height);
        setWidth(stored.width);
    }
    mblnSizeRestored = true;
}

void frmTranslate::fillEngines() {
    const EngineLists::List engines = EngineLists::engines(m_globals.service);
    {
        // Filled without a click: a filled list would select its first item.
        const QSignalBlocker quiet(m_ui.cboEngines);
        frmTranslateUi::refill(m_ui.cboEngines, engines.names, -1);
    }
    // Selecting the default engine fills the languages at once.
    setEnginesListIndex(engines.selected);
    // A single engine needs no list to choose from (it keeps its selection).
    if (m_ui.cboEngines->count() == 1) m_ui.cboEngines->setVisible(false);
}

void frmTranslate::setEnginesListIndex(int index) {
    m_clickError.clear();
    if (index == m_ui.cboEngines->currentIndex())
        cboEngines_Click();  // no change signal for the same index; the click runs all the same
    else
        m_ui.cboEngines->setCurrentIndex(index);
    if (!m_clickError.isEmpty()) throw Failure(m_clickError);
}

void frmTranslate::showHistoryNotice(const QString& reason) {
    if (reason.isEmpty()) return;
    m_ui.barStatusPanel1->setText(statusText() + QLatin1Char(' ') + TranslationHistory::offNotice(),
                                  reason);
}

void frmTranslate::putBack(const QString& source, const QString& result, const QString& engine,
                           const QString& pair) {
    if (m_ui.cmdTranslate->isEnabled()) m_ui.showEntry(source, result, engine, pair);
}

void frmTranslate::openTexts(const QString& source, const QString& result) {
    showFromTray();
    putBack(source, result, selectedEngine().text, selectedLanguage().text);
}

void frmTranslate::cboEngines_Click() {
    try {
        LoadLanguages();
    } catch (const Failure& e) {
        if (m_loading)
            m_clickError = e.message();  // Form_Load reports it
        else
            m_platform.dialogs->messageBox(
                tr("The languages of this engine could not be listed (%1).").arg(e.message()),
                messageTitle(), IDialogs::Icon::Exclamation, IDialogs::Buttons::Ok);
    }
}

void frmTranslate::LoadLanguages() {
    if (!m_globals.service.isLoaded()) return;
    const EngineLists::List languages = EngineLists::languages(
        m_globals.service, m_ui.cboEngines->currentText(), m_ui.cboLanguages->currentIndex());
    frmTranslateUi::refill(m_ui.cboLanguages, languages.names, languages.selected);
}

double frmTranslate::twipsPerPixelX() const {
    return Twips::perPixel(screen() ? screen()->logicalDotsPerInchX() : 96.0);
}

double frmTranslate::twipsPerPixelY() const {
    return Twips::perPixel(screen() ? screen()->logicalDotsPerInchY() : 96.0);
}

void frmTranslate::setOuterSize(LayoutMath::OuterSize twips) {
    applyOuterSize(twips);
    resizePass();
}

void frmTranslate::applyOuterSize(LayoutMath::OuterSize twips) {
    // The window system sizes the client area; the frame goes around it.
    m_geometry.setTwips(twips);
    resize(m_geometry.clientSizeToRequest(twipsPerPixelX(), twipsPerPixelY()));
}

bool frmTranslate::settleFrame() {
    if (!isVisible()) return false;
    const std::optional<QSize> again =
        m_geometry.frameSeen(frameGeometry().size() - size(), size());
    if (!again) return false;
    resize(*again);
    return true;
}

void frmTranslate::resizePass() {
    // A window system that keeps refusing the minimum size must not send
    // the spring-back into an endless recursion.
    if (m_resizeDepth > 3) return;
    ++m_resizeDepth;
    Form_Resize();
    --m_resizeDepth;
}

void frmTranslate::Form_Resize() {
    if (!m_globals.service.isLoaded()) return;
    LayoutMath::Sizes sizes;
    try {
        sizes = LayoutMath::readSizes(m_globals.service.sizes());
    } catch (const Failure& e) {
        reportLayoutError(e.message());
        return;
    }
    if (isMinimized() || !isEnabled()) return;

    const LayoutMath::OuterSize sprung = LayoutMath::springBack(sizes, m_geometry.twips());
    if (sprung.width != Width() || sprung.height != Height()) applyOuterSize(sprung);

    const LayoutMath::Result result = LayoutMath::layout(sizes, m_geometry.twips(), m_boxes);
    if (!result.ok) {
        // Too small for these sizes: the controls keep their last places
        // rather than taking impossible ones.
        if (!m_layoutErrorReported) {
            m_layoutErrorReported = true;
            qWarning("frmTranslate: layout pass refused: %s", qPrintable(result.error));
        }
        return;
    }
    m_boxes = result.controls;
    m_ui.placeControls(m_boxes, twipsPerPixelX(), twipsPerPixelY());

    if (mblnSizeRestored) saveSize(true, true);
}

void frmTranslate::reportLayoutError(const QString& detail) {
    if (m_layoutErrorReported) return;
    m_layoutErrorReported = true;
    // Not from inside the resize event: the box would re-enter it.
    const QString text = tr("The window layout could not be applied (%1).").arg(detail);
    QTimer::singleShot(0, this, [this, text] {
        m_platform.dialogs->messageBox(text, messageTitle(), IDialogs::Icon::Exclamation,
                                       IDialogs::Buttons::Ok);
    });
}

void frmTranslate::saveSize(bool height, bool width) {
    if (cVeRegistry* registry = m_globals.gobjRegistry.get())
        m_geometry.save(*registry, height, width);
}

void frmTranslate::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (settleFrame()) return;  // sized again to count the frame; that size's event follows
    m_geometry.resized(size(), twipsPerPixelX(), twipsPerPixelY());
    resizePass();
}

void frmTranslate::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    settleFrame();
}

void frmTranslate::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    settleFrame();
}

void frmTranslate::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) {
        const auto* change = static_cast<QWindowStateChangeEvent*>(event);
        // Restored from the task bar: a full pass, which also saves.
        if ((change->oldState() & Qt::WindowMinimized) && !isMinimized()) resizePass();
    }
}

void frmTranslate::setVisible(bool visible) {
    // A window that failed to load or has been unloaded stays out of sight.
    if (visible && (m_loadFailed || m_unloaded)) return;
    if (visible && !m_placed && screen()) {
        m_placed = true;
        move(m_geometry.centredIn(screen()->availableGeometry()));
    }
    QMainWindow::setVisible(visible);
}

QString frmTranslate::messageTitle() const {
    return m_globals.gelmMessages.getAttribute("titlemsgbox").value_or(AppInfo::title());
}

void frmTranslate::Navigate(const QString& NavTo) {
    m_platform.urlOpener->open(NavTo);
}

void frmTranslate::openMessagesLink(const char* attribute, const QString& what) {
    const std::optional<QString> address = m_globals.gelmMessages.getAttribute(attribute);
    if (!address || address->trimmed().isEmpty()) {
        m_platform.dialogs->messageBox(
            tr("No address for %1 has been configured. Please try again later.").arg(what),
            messageTitle(), IDialogs::Icon::Information, IDialogs::Buttons::Ok);
        return;
    }
    Navigate(*address);
}

void frmTranslate::mnuOnlineHelp_Click() {
    openMessagesLink("helpurl", tr("Online Help"));
}

void frmTranslate::mnuSupport_Click() {
    openMessagesLink("supporturl", tr("Online Support"));
}

void frmTranslate::mnuLoad_Click() {
    // The check mark follows the action taken, not whether the store managed it.
    cVeRegistry* registry = m_globals.gobjRegistry.get();
    m_ui.mnuLoad->setChecked(registry && StartEntry::toggle(*registry));
}

void frmTranslate::mnuExit_Click() {
    m_ui.mnuTray->hide();
    mblnAllowUnload = true;
    mGlobal::RemoveTrayIcon(*m_platform.tray);
    close();
    if (!m_unloaded) Unload();  // a window never shown may not see the close event
}

void frmTranslate::mnuTrayOpen_Click() {
    m_ui.mnuTray->hide();
    showFromTray();
}

void frmTranslate::mnuTrayExit_Click() {
    mnuExit_Click();
}

void frmTranslate::showFromTray() {
    if (isMinimized()) setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void frmTranslate::popUpTrayMenu() {
    m_platform.tray->popUpMenu(*m_ui.mnuTray);
}

void frmTranslate::sessionEnding() {
    mblnAllowUnload = true;
}

void frmTranslate::Form_Unload(bool& Cancel) {
    // Hiding only makes sense with a tray icon to come back through.
    if (!mblnAllowUnload && m_platform.tray->isAvailable()) {
        Cancel = true;
        hide();
    }
}

bool frmTranslate::Unload() {
    if (m_unloaded) return true;
    bool Cancel = false;
    Form_Unload(Cancel);
    if (Cancel) return false;
    m_unloaded = true;
    emit unloading();
    m_ui.mnuTray->hide();
    mGlobal::RemoveTrayIcon(*m_platform.tray);
    QMainWindow::setVisible(false);
    finishUnloadWhenOutermost();
    return true;
}

void frmTranslate::closeEvent(QCloseEvent* event) {
    if (Unload())
        event->accept();
    else
        event->ignore();
}

void frmTranslate::finishUnloadWhenOutermost() {
    // Exit may come from inside a modal loop (a message box, the tray menu);
    // the receiver of unloaded() may delete this window.
    MainLoop::whenIdle(this, [this] { emit unloaded(); });
}

void frmTranslate::cmdTranslate_Click() {
    translateCommand().cmdTranslate_Click();
}
