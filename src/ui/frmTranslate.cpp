#include "ui/frmTranslate.h"

#include <QAbstractEventDispatcher>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QSessionManager>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QThread>
#include <QTimer>
#include <algorithm>

#include "config/ConfigError.h"
#include "config/ConfigValue.h"
#include "config/Globals.h"
#include "net/HttpLimits.h"
#include "platform/AppInfo.h"
#include "platform/IDialogs.h"
#include "platform/ITrayHost.h"
#include "platform/IUrlOpener.h"
#include "speech/HearItCommand.h"
#include "startup/CommandLine.h"
#include "startup/StartEntry.h"
#include "translate/TranslateCommand.h"
#include "ui/ElidedLabel.h"
#include "ui/mGlobal.h"

namespace {

// Twips of the client area before any code runs.
constexpr double clientWidthTwips = 5385;
constexpr double clientHeightTwips = 1785;

// A size as the settings store keeps it: decimal text of a single-precision
// number (6000 as "6000").
QString singleText(double value) {
    return QString::number(static_cast<double>(static_cast<float>(value)), 'g', 7);
}

}  // namespace

// The icons live in a static library: pull its resources in explicitly.
static void initResources() {
    Q_INIT_RESOURCE(parlamo_ui);
}

frmTranslate::frmTranslate(Globals& globals, Platform platform, QWidget* parent)
    : QMainWindow(parent), m_globals(globals), m_platform(platform) {
    initResources();
    setObjectName(QStringLiteral("frmTranslate"));
    setWindowTitle(QString());
    // The sizes of the installed icon theme entry, so that the taskbar,
    // window switchers and the tray get a sharp picture at any size.
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/parlamo-%1.png").arg(size), QSize(size, size));
    setWindowIcon(icon);

    buildControls();
    buildMenus();
    m_translate = std::make_unique<TranslateCommand>(*this);
    m_hearIt = std::make_unique<HearItCommand>(*this);
    connect(cmdTranslate, &QPushButton::clicked, this, &frmTranslate::cmdTranslate_Click);
    connect(cmdHearIt, &QPushButton::clicked, this, &frmTranslate::cmdHearIt_Click);
    // Every change of the selected engine, by the user or by code.
    connect(cboEngines, &QComboBox::currentIndexChanged, this, &frmTranslate::cboEngines_Click);
    connect(mnuExit, &QAction::triggered, this, &frmTranslate::mnuExit_Click);
    connect(mnuLoad, &QAction::triggered, this, &frmTranslate::mnuLoad_Click);
    connect(mnuOnlineHelp, &QAction::triggered, this, &frmTranslate::mnuOnlineHelp_Click);
    connect(mnuSupport, &QAction::triggered, this, &frmTranslate::mnuSupport_Click);
    connect(mnuTrayOpen, &QAction::triggered, this, &frmTranslate::mnuTrayOpen_Click);
    connect(mnuTrayExit, &QAction::triggered, this, &frmTranslate::mnuTrayExit_Click);

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
    m_outerTwips = {clientWidthTwips, clientHeightTwips + menuTwips};
    applyOuterSize();
    applyBoxes();
    fitHintFont();
}

void frmTranslate::fitHintFont() {
    // The hint keeps its width, measured for a narrower font than most
    // desktops use; a slightly smaller font keeps the whole text readable.
    QFont f = lblHint->font();
    const QString text = lblHint->text();
    while (f.pointSizeF() > 6.5 && QFontMetricsF(f).horizontalAdvance(text) > lblHint->width())
        f.setPointSizeF(f.pointSizeF() - 0.5);
    lblHint->setFont(f);
}

frmTranslate::~frmTranslate() {
    if (m_idleConnection) disconnect(m_idleConnection);
}

void frmTranslate::buildControls() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);

    txtFrom = new QPlainTextEdit(client);
    txtFrom->setObjectName(QStringLiteral("txtFrom"));
    txtFrom->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtFrom->setTabChangesFocus(true);

    cboLanguages = new QComboBox(client);
    cboLanguages->setObjectName(QStringLiteral("cboLanguages"));

    cboEngines = new QComboBox(client);
    cboEngines->setObjectName(QStringLiteral("cboEngines"));

    cmdTranslate = new QPushButton(client);
    cmdTranslate->setObjectName(QStringLiteral("cmdTranslate"));

    barStatus = new QStatusBar(this);
    barStatus->setObjectName(QStringLiteral("barStatus"));
    barStatus->setSizeGripEnabled(true);
    barStatusPanel1 = new ElidedLabel(barStatus);
    barStatusPanel1->setObjectName(QStringLiteral("barStatusPanel1"));
    barStatusCaps = new QLabel(QStringLiteral("CAPS"), barStatus);
    barStatusCaps->setObjectName(QStringLiteral("barStatusCaps"));
    barStatusIns = new QLabel(QStringLiteral("INS"), barStatus);
    barStatusIns->setObjectName(QStringLiteral("barStatusIns"));
    barStatus->addWidget(barStatusPanel1, 1);
    barStatus->addPermanentWidget(barStatusCaps);
    barStatus->addPermanentWidget(barStatusIns);
    setStatusBar(barStatus);

    txtTo = new QPlainTextEdit(client);
    txtTo->setObjectName(QStringLiteral("txtTo"));
    txtTo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtTo->setTabChangesFocus(true);

    txtHearIt = new QLineEdit(client);
    txtHearIt->setObjectName(QStringLiteral("txtHearIt"));

    cmdHearIt = new QPushButton(QStringLiteral("&Hear It!"), client);
    cmdHearIt->setObjectName(QStringLiteral("cmdHearIt"));

    lblHint = new QLabel(QStringLiteral("Type a word to Hear It"), client);
    lblHint->setObjectName(QStringLiteral("lblHint"));
    lblHint->setForegroundRole(QPalette::PlaceholderText);

    timTimeout = new QTimer(this);
    timTimeout->setObjectName(QStringLiteral("timTimeout"));
    timTimeout->setInterval(HttpLimits::translationStallTimeout);

    // Tab order: source text, languages, engines, Translate, result, Hear It.
    setTabOrder(txtFrom, cboLanguages);
    setTabOrder(cboLanguages, cboEngines);
    setTabOrder(cboEngines, cmdTranslate);
    setTabOrder(cmdTranslate, txtTo);
    setTabOrder(txtTo, txtHearIt);
    setTabOrder(txtHearIt, cmdHearIt);
}

void frmTranslate::buildMenus() {
    mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuExit = mnuFile->addAction(QStringLiteral("&Exit"));
    mnuExit->setObjectName(QStringLiteral("mnuExit"));

    mnuOptions = menuBar()->addMenu(QStringLiteral("&Options"));
    mnuOptions->setObjectName(QStringLiteral("mnuOptions"));
    mnuLoad = mnuOptions->addAction(QStringLiteral("&Load on Startup"));
    mnuLoad->setObjectName(QStringLiteral("mnuLoad"));
    mnuLoad->setCheckable(true);

    mnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuOnlineHelp = mnuHelp->addAction(QStringLiteral("&Online Help"));
    mnuOnlineHelp->setObjectName(QStringLiteral("mnuOnlineHelp"));
    mnuSupport = mnuHelp->addAction(QStringLiteral("Online &Support"));
    mnuSupport->setObjectName(QStringLiteral("mnuSupport"));

    mnuTray = new QMenu(QStringLiteral("TrayIcon"), this);
    mnuTray->setObjectName(QStringLiteral("mnuTray"));
    mnuTrayOpen = mnuTray->addAction(QStringLiteral("&Open"));
    mnuTrayOpen->setObjectName(QStringLiteral("mnuTrayOpen"));
    mnuTrayExit = mnuTray->addAction(QStringLiteral("&Exit"));
    mnuTrayExit->setObjectName(QStringLiteral("mnuTrayExit"));
}

QString frmTranslate::statusText() const {
    return barStatusPanel1->text();
}

void frmTranslate::setStatusText(const QString& text) {
    barStatusPanel1->setText(text);
}

void frmTranslate::Disable() {
    // Disabling the control that has the focus would hand the focus on to
    // the next one, and the Hear It box clears itself when it gets the focus.
    // Take the focus off instead, and give it back when the window is idle.
    QWidget* focused = focusWidget();
    for (QWidget* w : {static_cast<QWidget*>(txtFrom), static_cast<QWidget*>(txtTo),
                       static_cast<QWidget*>(cboEngines), static_cast<QWidget*>(cboLanguages),
                       static_cast<QWidget*>(cmdTranslate), static_cast<QWidget*>(txtHearIt),
                       static_cast<QWidget*>(cmdHearIt)})
        if (focused == w) {
            m_focusBeforeBusy = w;
            w->clearFocus();
        }
    txtFrom->setEnabled(false);
    txtTo->setEnabled(false);
    cboEngines->setEnabled(false);
    cboLanguages->setEnabled(false);
    cmdTranslate->setEnabled(false);
    setStatusText(QStringLiteral("Translating from ") + cboLanguages->currentText());
    txtHearIt->setEnabled(false);
    cmdHearIt->setEnabled(false);
}

void frmTranslate::Enable() {
    txtFrom->setEnabled(true);
    txtTo->setEnabled(true);
    cboEngines->setEnabled(true);
    cboLanguages->setEnabled(true);
    cmdTranslate->setEnabled(true);
    setStatusText(QStringLiteral("Translated."));
    txtHearIt->setEnabled(true);
    cmdHearIt->setEnabled(true);
    if (QWidget* w = m_focusBeforeBusy) {
        m_focusBeforeBusy = nullptr;
        // Not into the Hear It box: that would clear the word just typed.
        if (w != txtHearIt && !focusWidget()) w->setFocus(Qt::OtherFocusReason);
    }
}

// ---- Loading ---------------------------------------------------------------

void frmTranslate::Form_Load() {
    m_loading = true;
    try {
        loadSteps();
    } catch (const ConfigError& e) {
        m_loading = false;
        // Nothing useful can be shown from a document the window cannot
        // read: say so and end, leaving no hidden window or tray icon behind.
        m_loadFailed = true;
        mGlobal::RemoveTrayIcon(m_platform.tray);
        mblnAllowUnload = true;
        hide();
        if (m_platform.dialogs)
            m_platform.dialogs->messageBox(
                QStringLiteral("The service configuration could not be used (") + e.message() +
                    QStringLiteral("). The program will close."),
                AppInfo::title(), IDialogs::Icon::Exclamation, IDialogs::Buttons::Ok);
        Unload();
        return;
    }
    m_loading = false;
}

void frmTranslate::loadSteps() {
    const QString section = cVeRegistry::programSection();
    cVeRegistry* registry = m_globals.gobjRegistry.get();

    // The stored outer size. The layout passes this starts do not save, so
    // the stored width survives until it has been read.
    mblnSizeRestored = false;
    if (registry) {
        const QSize room = screen() ? screen()->availableVirtualSize() : QSize();
        const auto restored = [&](const char* key, double current, double limit) {
            const QString text =
                registry->GetSetting(section, QString::fromLatin1(key), singleText(current));
            const auto value = ConfigValue::toSingle(text);
            // A damaged value must not keep the program from starting, and a
            // size far beyond the screen is of no use to anyone.
            if (!value || !(*value > 0)) return current;
            return limit > 0 ? std::min<double>(*value, limit) : double(*value);
        };
        setHeight(restored("height", Height(), room.height() * twipsPerPixelY()));
        setWidth(restored("width", Width(), room.width() * twipsPerPixelX()));
    }
    mblnSizeRestored = true;

    // The start entry's presence is the check mark.
    if (registry && StartEntry::isOn(*registry)) mnuLoad->setChecked(true);

    saveSize("width", Width());

    // Captions from the document.
    const ConfigElement& messages = m_globals.gelmMessages;
    setWindowTitle(messages.requireText("titlemsgbox"));
    cmdTranslate->setText(messages.requireText("cmdTranslate"));

    if (!m_globals.gdocConfig || !m_globals.gdocConfig->isLoaded())
        throw ConfigError(QStringLiteral("no configuration document"));
    const ConfigDocument& doc = *m_globals.gdocConfig;

    // Tray mode, or the window shown.
    const ConfigElement features = doc.selectSingleNode(ConfigDocument::featuresQuery());
    if (features.isNull())
        throw ConfigError(QStringLiteral("the document has no Features element"));
    const QString& commandLine = m_globals.commandLine;
    const bool trayMode = features.getAttribute("tray") == QStringLiteral("1") &&
                          !CommandLine::hasDebugSwitch(commandLine);
    // Without a notification area an icon could never be clicked, and the
    // hidden window would never be reached: open it as with "/debug".
    ITrayHost* tray = m_platform.tray;
    if (trayMode && tray && tray->isAvailable()) {
        mGlobal::AddTrayIcon(tray, *this, windowIcon(), windowTitle());
        if (!CommandLine::hasStartupSwitch(commandLine))
            mGlobal::ShowTrayBalloon(
                tray, 1, windowTitle(),
                QStringLiteral("Loaded, and mimized to tray.\r\nDouble-click to open."));
    } else {
        show();
        mblnAllowUnload = true;
    }

    // The engines, in document order, none selected yet.
    const ConfigElement engines = doc.selectSingleNode(ConfigDocument::enginesQuery());
    if (engines.isNull()) throw ConfigError(QStringLiteral("the document has no Engines element"));
    {
        QStringList names;
        for (const ConfigElement& engine : engines.childNodes())
            names.append(engine.requireText("name"));
        const QSignalBlocker quiet(cboEngines);
        const int keep = cboEngines->currentIndex();
        cboEngines->addItems(names);
        cboEngines->setCurrentIndex(keep);  // adding to an empty list selects nothing
    }

    // Selecting the default engine fills the languages at once.
    setEnginesListIndex(engines.requireInt16("default"));

    // A single engine needs no list to choose from (it keeps its selection).
    if (cboEngines->count() == 1) cboEngines->setVisible(false);

    LoadLanguages();
}

void frmTranslate::setListIndex(QComboBox* list, int index, const QString& what) {
    if (index < -1 || index >= list->count())
        throw ConfigError(what + QStringLiteral(" ") + QString::number(index) +
                          QStringLiteral(" selects no entry of ") + QString::number(list->count()));
    list->setCurrentIndex(index);
}

void frmTranslate::setEnginesListIndex(int index) {
    m_clickError.clear();
    if (index == cboEngines->currentIndex() && index >= -1 && index < cboEngines->count())
        cboEngines_Click();  // no change signal for the same index; the click runs all the same
    else
        setListIndex(cboEngines, index, QStringLiteral("Engines@default"));
    if (!m_clickError.isEmpty()) throw ConfigError(m_clickError);
}

void frmTranslate::cboEngines_Click() {
    try {
        LoadLanguages();
    } catch (const ConfigError& e) {
        if (m_loading) {
            m_clickError = e.message();  // Form_Load reports it
        } else if (m_platform.dialogs) {
            m_platform.dialogs->messageBox(
                QStringLiteral("The languages of this engine could not be listed (") + e.message() +
                    QStringLiteral(")."),
                messageTitle(), IDialogs::Icon::Exclamation, IDialogs::Buttons::Ok);
        }
    }
}

void frmTranslate::LoadLanguages() {
    if (!m_globals.gdocConfig || !m_globals.gdocConfig->isLoaded()) return;
    const ConfigDocument& doc = *m_globals.gdocConfig;
    const int previous = cboLanguages->currentIndex();

    const ConfigElement engines = doc.selectSingleNode(ConfigDocument::enginesQuery());
    if (engines.isNull()) throw ConfigError(QStringLiteral("the document has no Engines element"));
    const int engineIndex = cboEngines->currentIndex();
    const QString engineName = engineIndex >= 0 ? cboEngines->itemText(engineIndex) : QString();
    const ConfigElement languages =
        doc.selectSingleNode(ConfigDocument::languagesQuery(engineName));
    if (languages.isNull())
        throw ConfigError(QStringLiteral("no Languages element for the engine \"") + engineName +
                          QStringLiteral("\""));

    cboLanguages->clear();
    QStringList names;
    for (const ConfigElement& language : languages.childNodes())
        names.append(language.requireText("name"));
    cboLanguages->addItems(names);
    cboLanguages->setCurrentIndex(-1);  // a refilled list starts without a selection

    const std::int32_t common = engines.requireInt32("commonlanguages");
    if (previous > common)
        setListIndex(cboLanguages, languages.requireInt16("default"),
                     QStringLiteral("Languages@default"));
    else
        setListIndex(cboLanguages, previous, QStringLiteral("the kept language"));
}

// ---- Size and layout -------------------------------------------------------

double frmTranslate::twipsPerPixelX() const {
    return LayoutMath::twipsPerPixel(screen() ? screen()->logicalDotsPerInchX() : 96.0);
}

double frmTranslate::twipsPerPixelY() const {
    return LayoutMath::twipsPerPixel(screen() ? screen()->logicalDotsPerInchY() : 96.0);
}

void frmTranslate::setWidth(double twips) {
    m_outerTwips.width = twips;
    applyOuterSize();
    resizePass();
}

void frmTranslate::setHeight(double twips) {
    m_outerTwips.height = twips;
    applyOuterSize();
    resizePass();
}

void frmTranslate::applyOuterSize() {
    const QSize outer(std::max(1, LayoutMath::toPixels(m_outerTwips.width, twipsPerPixelX())),
                      std::max(1, LayoutMath::toPixels(m_outerTwips.height, twipsPerPixelY())));
    // The window system sizes the client area; the frame goes around it.
    m_appliedOuterPx = outer;
    m_requestedClientPx = (outer - m_frameSize).expandedTo(QSize(1, 1));
    resize(m_requestedClientPx);
}

bool frmTranslate::settleFrame() {
    if (!isVisible()) return false;
    const QSize frame = frameGeometry().size() - size();
    if (frame == m_frameSize) return false;
    m_frameSize = frame;
    // The window manager has framed the window (or changed its frame). An
    // outer size asked for before then did not count the frame: ask again,
    // unless the user has sized the window since.
    if (size() != m_requestedClientPx) return false;
    m_requestedClientPx = (m_appliedOuterPx - frame).expandedTo(QSize(1, 1));
    if (m_requestedClientPx == size()) return false;
    resize(m_requestedClientPx);
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
    if (!m_globals.gdocConfig || !m_globals.gdocConfig->isLoaded()) return;
    LayoutMath::Sizes sizes;
    try {
        sizes = LayoutMath::readSizes(
            m_globals.gdocConfig->selectSingleNode(ConfigDocument::sizesQuery()));
    } catch (const ConfigError& e) {
        if (!m_layoutErrorReported && m_platform.dialogs) {
            m_layoutErrorReported = true;
            // Not from inside the resize event: the box would re-enter it.
            const QString text = QStringLiteral("The window layout could not be applied (") +
                                 e.message() + QStringLiteral(").");
            QTimer::singleShot(0, this, [this, text] {
                m_platform.dialogs->messageBox(text, messageTitle(), IDialogs::Icon::Exclamation,
                                               IDialogs::Buttons::Ok);
            });
        }
        return;
    }
    if (isMinimized() || !isEnabled()) return;

    const LayoutMath::OuterSize sprung = LayoutMath::springBack(sizes, m_outerTwips);
    if (sprung.width != m_outerTwips.width || sprung.height != m_outerTwips.height) {
        m_outerTwips = sprung;
        applyOuterSize();
    }

    const LayoutMath::Result result = LayoutMath::layout(sizes, m_outerTwips, m_boxes);
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
    applyBoxes();

    if (mblnSizeRestored) {
        saveSize("height", m_outerTwips.height);
        saveSize("width", m_outerTwips.width);
    }
}

void frmTranslate::saveSize(const char* key, double twips) {
    cVeRegistry* registry = m_globals.gobjRegistry.get();
    if (!registry) return;
    const QString text = singleText(twips);
    // Every pass saves; rewriting the same text again (nested passes, the
    // many events of one drag) would only cost disk writes.
    QString& last = key[0] == 'h' ? m_savedHeight : m_savedWidth;
    if (text == last) return;
    if (registry->SaveSetting(cVeRegistry::programSection(), QString::fromLatin1(key), text))
        last = text;
}

void frmTranslate::applyBoxes() {
    const double tx = twipsPerPixelX(), ty = twipsPerPixelY();
    const auto put = [tx, ty](QWidget* w, const LayoutMath::Box& b) {
        using LayoutMath::toPixels;
        w->setGeometry(toPixels(b.left, tx), toPixels(b.top, ty),
                       std::max(0, toPixels(b.width, tx)), std::max(0, toPixels(b.height, ty)));
    };
    put(txtFrom, m_boxes.txtFrom);
    put(cboLanguages, m_boxes.cboLanguages);
    put(cboEngines, m_boxes.cboEngines);
    put(cmdTranslate, m_boxes.cmdTranslate);
    put(txtTo, m_boxes.txtTo);
    put(txtHearIt, m_boxes.txtHearIt);
    put(cmdHearIt, m_boxes.cmdHearIt);
    put(lblHint, m_boxes.lblHint);
}

void frmTranslate::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (settleFrame()) return;  // sized again to count the frame; that size's event follows
    // A size that differs from the one last asked for came from the user or
    // the window system; one that matches keeps its exact twips.
    const QSize outer = size() + m_frameSize;
    if (outer != m_appliedOuterPx) {
        m_appliedOuterPx = outer;
        m_requestedClientPx = size();
        m_outerTwips = {outer.width() * twipsPerPixelX(), outer.height() * twipsPerPixelY()};
    }
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
    if (visible && !m_placed) {
        m_placed = true;
        centreOnScreen();
    }
    QMainWindow::setVisible(visible);
}

void frmTranslate::centreOnScreen() {
    const QScreen* s = screen();
    if (!s) return;
    const QRect room = s->availableGeometry();
    move(room.x() + std::max(0, (room.width() - m_appliedOuterPx.width()) / 2),
         room.y() + std::max(0, (room.height() - m_appliedOuterPx.height()) / 2));
}

// ---- Menus and closing -----------------------------------------------------

QString frmTranslate::messageTitle() const {
    return m_globals.gelmMessages.getAttribute("titlemsgbox").value_or(AppInfo::title());
}

void frmTranslate::Navigate(const QString& NavTo) {
    if (m_platform.urlOpener) m_platform.urlOpener->open(NavTo);
}

void frmTranslate::openMessagesLink(const char* attribute, const QString& what) {
    const std::optional<QString> address = m_globals.gelmMessages.getAttribute(attribute);
    if (!address || address->trimmed().isEmpty()) {
        if (m_platform.dialogs)
            m_platform.dialogs->messageBox(
                QStringLiteral("No address for ") + what +
                    QStringLiteral(" has been configured. Please try again later."),
                messageTitle(), IDialogs::Icon::Information, IDialogs::Buttons::Ok);
        return;
    }
    Navigate(*address);
}

void frmTranslate::mnuOnlineHelp_Click() {
    openMessagesLink("helpurl", QStringLiteral("Online Help"));
}

void frmTranslate::mnuSupport_Click() {
    openMessagesLink("supporturl", QStringLiteral("Online Support"));
}

void frmTranslate::mnuLoad_Click() {
    // The check mark follows the action taken, not whether the store managed it.
    if (cVeRegistry* registry = m_globals.gobjRegistry.get())
        mnuLoad->setChecked(StartEntry::toggle(*registry));
    else
        mnuLoad->setChecked(false);
}

void frmTranslate::mnuExit_Click() {
    mnuTray->hide();
    mblnAllowUnload = true;
    mGlobal::RemoveTrayIcon(m_platform.tray);
    close();
    if (!m_unloaded) Unload();  // a window never shown may not see the close event
}

void frmTranslate::mnuTrayOpen_Click() {
    mnuTray->hide();
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

void frmTranslate::sessionEnding() {
    mblnAllowUnload = true;
}

void frmTranslate::Form_Unload(bool& Cancel) {
    // Hiding only makes sense with a tray icon to come back through.
    const bool trayThere = m_platform.tray && m_platform.tray->isAvailable();
    if (!mblnAllowUnload && trayThere) {
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
    mnuTray->hide();
    mGlobal::RemoveTrayIcon(m_platform.tray);
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
    // Exit may come from inside a command that lets events run (the answer
    // collection, a download, the tray menu). The receiver of unloaded() may
    // delete this window, so wait until the main loop itself is idle again:
    // the dispatcher announces that it is about to block only from an event
    // loop, never from a processEvents() spin, and the loop level tells the
    // main loop from a nested one.
    QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance(thread());
    if (!dispatcher) {
        emit unloaded();
        return;
    }
    m_idleConnection = connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, [this] {
        if (QThread::currentThread()->loopLevel() > 1) return;
        disconnect(m_idleConnection);
        emit unloaded();
    });
    QTimer::singleShot(0, this, [] {});  // make sure the loop wakes up and comes back to idle
}

void frmTranslate::cmdTranslate_Click() {
    m_translate->cmdTranslate_Click();
}

void frmTranslate::cmdHearIt_Click() {
    m_hearIt->cmdHearIt_Click();
}
