#include "ui/frmTranslateUi.h"

#include <QAction>
#include <QComboBox>
#include <QFontMetricsF>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QShortcut>
#include <QStatusBar>
#include <QTimer>
#include <algorithm>

#include "service/Twips.h"
#include "translate/TranslationPipeline.h"
#include "ui/ElidedLabel.h"

namespace {

template <class T>
T* named(T* object, const char* name) {
    object->setObjectName(QString::fromLatin1(name));
    return object;
}

void describe(QWidget* w, const QString& name, const QString& description,
              const QString& toolTip = QString()) {
    w->setAccessibleName(name);
    w->setAccessibleDescription(description);
    if (!toolTip.isEmpty()) w->setToolTip(toolTip);
}

}  // namespace

// The icons live in a static library: pull its resources in explicitly.
static void initResources() {
    Q_INIT_RESOURCE(parlamo_ui);
}

void frmTranslateUi::setupUi(QMainWindow* window) {
    initResources();
    window->setObjectName(QStringLiteral("frmTranslate"));
    window->setWindowTitle(QString());  // set from the document by Form_Load
    // The sizes of the installed icon theme entry, so that the taskbar,
    // window switchers and the tray get a sharp picture at any size.
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/parlamo-%1.png").arg(size), QSize(size, size));
    window->setWindowIcon(icon);
    buildControls(window);
    buildMenus(window);
    describeControls();
    connectKeys();
}

void frmTranslateUi::buildControls(QMainWindow* window) {
    auto* client = named(new QWidget(window), "client");
    window->setCentralWidget(client);

    txtFrom = named(new QPlainTextEdit(client), "txtFrom");
    txtFrom->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtFrom->setTabChangesFocus(true);
    cboLanguages = named(new QComboBox(client), "cboLanguages");
    cboEngines = named(new QComboBox(client), "cboEngines");
    cmdTranslate = named(new QPushButton(client), "cmdTranslate");

    barStatus = named(new QStatusBar(window), "barStatus");
    barStatus->setSizeGripEnabled(true);
    barStatusPanel1 = named(new ElidedLabel(barStatus), "barStatusPanel1");
    barStatusCaps = named(new QLabel(tr("CAPS"), barStatus), "barStatusCaps");
    barStatusIns = named(new QLabel(tr("INS"), barStatus), "barStatusIns");
    barStatus->addWidget(barStatusPanel1, 1);
    barStatus->addPermanentWidget(barStatusCaps);
    barStatus->addPermanentWidget(barStatusIns);
    window->setStatusBar(barStatus);

    txtTo = named(new QPlainTextEdit(client), "txtTo");
    txtTo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtTo->setTabChangesFocus(true);
    txtHearIt = named(new QLineEdit(client), "txtHearIt");
    cmdHearIt = named(new QPushButton(tr("&Hear It!"), client), "cmdHearIt");
    lblHint = named(new QLabel(tr("Type a word to Hear It"), client), "lblHint");
    lblHint->setForegroundRole(QPalette::PlaceholderText);

    timTimeout = named(new QTimer(window), "timTimeout");
    timTimeout->setInterval(TranslationPipeline::defaultStallTimeoutMs);

    // The lists' names, for screen readers: on Linux a list is announced by
    // its current entry, and its label by the label that names it as buddy.
    // The window shows no such labels, so these stay hidden.
    lblLanguages = named(new QLabel(client), "lblLanguages");
    lblEngines = named(new QLabel(client), "lblEngines");
    lblLanguages->setBuddy(cboLanguages);
    lblEngines->setBuddy(cboEngines);
    lblLanguages->hide();
    lblEngines->hide();

    // Tab order: source text, languages, engines, Translate, result, Hear It.
    QWidget::setTabOrder(txtFrom, cboLanguages);
    QWidget::setTabOrder(cboLanguages, cboEngines);
    QWidget::setTabOrder(cboEngines, cmdTranslate);
    QWidget::setTabOrder(cmdTranslate, txtTo);
    QWidget::setTabOrder(txtTo, txtHearIt);
    QWidget::setTabOrder(txtHearIt, cmdHearIt);
}

void frmTranslateUi::connectKeys() {
    // Ctrl+Enter in the source text is a click on Translate, and Enter in
    // the word box one on Hear It: nothing happens while they are disabled.
    for (const Qt::Key enter : {Qt::Key_Return, Qt::Key_Enter})
        QObject::connect(new QShortcut(QKeySequence(Qt::CTRL | enter), txtFrom, nullptr, nullptr,
                                       Qt::WidgetShortcut),
                         &QShortcut::activated, cmdTranslate, &QPushButton::click);
    QObject::connect(txtHearIt, &QLineEdit::returnPressed, cmdHearIt, &QPushButton::click);
}

void frmTranslateUi::buildMenus(QMainWindow* window) {
    // No entry has a shortcut key: the access keys of the captions are all.
    QMenuBar* bar = window->menuBar();
    mnuFile = named(bar->addMenu(tr("&File")), "mnuFile");
    mnuExit = named(mnuFile->addAction(tr("&Exit")), "mnuExit");

    mnuOptions = named(bar->addMenu(tr("&Options")), "mnuOptions");
    mnuLoad = named(mnuOptions->addAction(tr("&Load on Startup")), "mnuLoad");
    mnuLoad->setCheckable(true);
    mnuSelectionShortcut =
        named(mnuOptions->addAction(tr("&Selection Shortcut...")), "mnuSelectionShortcut");
    // Ctrl+D is the window's key for it (frmTranslate), as Ctrl+R is for
    // turning the pair round.
    mnuDetectLanguage = named(mnuOptions->addAction(tr("&Detect Language")), "mnuDetectLanguage");
    mnuScreenAreaShortcut =
        named(mnuOptions->addAction(tr("Screen &Area Shortcut...")), "mnuScreenAreaShortcut");
    mnuHistory = named(mnuOptions->addAction(tr("&History...")), "mnuHistory");

    mnuHelp = named(bar->addMenu(tr("&Help")), "mnuHelp");
    mnuOnlineHelp = named(mnuHelp->addAction(tr("&Online Help")), "mnuOnlineHelp");
    mnuSupport = named(mnuHelp->addAction(tr("Online &Support")), "mnuSupport");

    mnuTray = named(new QMenu(QStringLiteral("TrayIcon"), window), "mnuTray");
    mnuTrayOpen = named(mnuTray->addAction(tr("&Open")), "mnuTrayOpen");
    mnuTrayExit = named(mnuTray->addAction(tr("&Exit")), "mnuTrayExit");
    // After the two entries the menu always had, so that they keep their places.
    mnuTray->addSeparator();
    mnuTrayScreenArea =
        named(mnuTray->addAction(tr("Translate an &Area of the Screen")), "mnuTrayScreenArea");
}

void frmTranslateUi::describeControls() {
    describe(txtFrom, tr("Source text"), tr("The text to translate."),
             tr("The text to translate. Ctrl+Enter translates it."));
    lblLanguages->setText(tr("Language pair"));
    lblEngines->setText(tr("Engine"));
    describe(cboLanguages, lblLanguages->text(), tr("From which language into which one."),
             tr("The language pair (Ctrl+R: the other way round)"));
    describe(cboEngines, lblEngines->text(), tr("The online service that translates."),
             tr("The translation engine"));
    describe(cmdTranslate, tr("Translate"),
             tr("Sends the source text to the engine and shows the translation."),
             tr("Translate the text (Ctrl+Enter in the text). Esc cancels."));
    describe(txtTo, tr("Translation"), tr("The translated text of the last translation."),
             tr("The translation. Ctrl+Shift+C copies it."));
    describe(txtHearIt, tr("Word to hear"),
             tr("A word to hear spoken; messages about the sound show here too."), hearItHint());
    describe(cmdHearIt, tr("Hear It"), tr("Fetches and plays the pronunciation of the word."),
             tr("Hear the word spoken (Enter in the word box). Esc cancels."));
    describe(lblHint, tr("Hint"), lblHint->text());
    describe(barStatus, tr("Status bar"),
             tr("What the program is doing, and the keyboard's state."));
    // No fixed name: a screen reader reads the status line as its text, and
    // hears of every change (a label without a name of its own reports its
    // text as its name).
    describe(barStatusPanel1, QString(), tr("What the program is doing or has just done."));
    describe(barStatusCaps, tr("Caps Lock"), tr("Caps Lock indicator."));
    describe(barStatusIns, tr("Insert"), tr("Insert indicator."));
}

void frmTranslateUi::setTranslateCaption(const QString& caption) {
    cmdTranslate->setText(caption);
    // As a screen reader says it: without the access key's marker.
    QString spoken = caption;
    spoken.replace(QRegularExpression(QStringLiteral("&(.)")), QStringLiteral("\\1"));
    cmdTranslate->setAccessibleName(spoken);
}

void frmTranslateUi::setHearItText(const QString& text) {
    txtHearIt->setText(text);
    txtHearIt->setCursorPosition(0);
    txtHearIt->setToolTip(text.isEmpty() ? hearItHint() : text);
}

void frmTranslateUi::setHearItTextColour(const QColor& colour) {
    if (!colour.isValid()) {
        txtHearIt->setPalette(QPalette());  // inherits the theme again
        return;
    }
    QPalette palette = txtHearIt->palette();
    palette.setColor(QPalette::Text, colour);
    txtHearIt->setPalette(palette);
}

QString frmTranslateUi::hearItHint() {
    return tr("Type a word and press Enter to hear it.");
}

void frmTranslateUi::fitHintFont() {
    // The hint keeps its width, measured for a narrower font than most
    // desktops use; a slightly smaller font keeps the whole text readable.
    QFont f = lblHint->font();
    const QString text = lblHint->text();
    while (f.pointSizeF() > 6.5 && QFontMetricsF(f).horizontalAdvance(text) > lblHint->width())
        f.setPointSizeF(f.pointSizeF() - 0.5);
    lblHint->setFont(f);
}

QList<QWidget*> frmTranslateUi::inputControls() const {
    return {txtFrom, txtTo, cboEngines, cboLanguages, cmdTranslate, txtHearIt, cmdHearIt};
}

void frmTranslateUi::setTranslationControlsEnabled(bool enabled) {
    txtFrom->setEnabled(enabled);
    txtTo->setEnabled(enabled);
    cboEngines->setEnabled(enabled);
    cboLanguages->setEnabled(enabled);
    cmdTranslate->setEnabled(enabled);
}

void frmTranslateUi::setHearItControlsEnabled(bool enabled) {
    txtHearIt->setEnabled(enabled);
    cmdHearIt->setEnabled(enabled);
}

void frmTranslateUi::showEntry(const QString& source, const QString& result, const QString& engine,
                               const QString& pair) {
    const int engineIndex = cboEngines->findText(engine, Qt::MatchExactly);
    if (engineIndex >= 0) {
        cboEngines->setCurrentIndex(engineIndex);
        const int pairIndex = cboLanguages->findText(pair, Qt::MatchExactly);
        if (pairIndex >= 0) cboLanguages->setCurrentIndex(pairIndex);
    }
    txtFrom->setPlainText(source);
    txtTo->setPlainText(result);
}

void frmTranslateUi::refill(QComboBox* list, const QStringList& items, int selected) {
    list->clear();
    list->addItems(items);
    list->setCurrentIndex(selected);
}

void frmTranslateUi::placeControls(const LayoutMath::Controls& boxes, double twipsX,
                                   double twipsY) {
    const auto put = [twipsX, twipsY](QWidget* w, const LayoutMath::Box& b) {
        using Twips::toPixels;
        w->setGeometry(toPixels(b.left, twipsX), toPixels(b.top, twipsY),
                       std::max(0, toPixels(b.width, twipsX)),
                       std::max(0, toPixels(b.height, twipsY)));
    };
    put(txtFrom, boxes.txtFrom);
    put(cboLanguages, boxes.cboLanguages);
    put(cboEngines, boxes.cboEngines);
    put(cmdTranslate, boxes.cmdTranslate);
    put(txtTo, boxes.txtTo);
    put(txtHearIt, boxes.txtHearIt);
    put(cmdHearIt, boxes.cmdHearIt);
    put(lblHint, boxes.lblHint);
}
