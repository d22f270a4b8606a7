#include "startup/frmSplash.h"

#include <QCloseEvent>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QProgressBar>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include "config/Globals.h"
#include "platform/IUrlOpener.h"
#include "service/Twips.h"
#include "startup/StartupSequence.h"

// Resources of a static library must be registered by name.
static void initStartupResources() {
    Q_INIT_RESOURCE(startup);
}

frmSplash::frmSplash(Globals& globals, Platform platform, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      m_globals(globals),
      m_platform(platform) {
    initStartupResources();
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QString());
    setModal(true);
    setFixedSize(twipsToPixels(3600), twipsToPixels(3600));

    pctSplash = new QLabel(this);
    pctSplash->setObjectName(QStringLiteral("pctSplash"));
    place(pctSplash, 0, 0, 3600, 3600);
    pctSplash->setScaledContents(true);
    pctSplash->setPixmap(QPixmap(QStringLiteral(":/startup/splash.png")));

    lblVersion = new QLabel(this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    place(lblVersion, 1800, 2340, 1320, 195);
    QPalette white = lblVersion->palette();
    white.setColor(QPalette::WindowText, Qt::white);
    lblVersion->setPalette(white);
    m_versionPointSize = lblVersion->font().pointSizeF();

    lblSplash = new QLabel(this);
    lblSplash->setObjectName(QStringLiteral("lblSplash"));
    place(lblSplash, 180, 2700, 3255, 240);
    QPalette black = lblSplash->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    lblSplash->setPalette(black);
    QFont arial(QStringLiteral("Arial"));
    arial.setPointSizeF(statusPointSize);
    lblSplash->setFont(arial);

    barLoading = new QProgressBar(this);
    barLoading->setObjectName(QStringLiteral("barLoading"));
    place(barLoading, 180, 2970, 3255, 240);
    barLoading->setTextVisible(false);
}

frmSplash::~frmSplash() = default;

int frmSplash::twipsToPixels(int twips) const {
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    return Twips::toPixels(twips, Twips::perPixel(s ? s->logicalDotsPerInch() : 96.0));
}

void frmSplash::place(QWidget* w, int left, int top, int width, int height) {
    w->setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                   twipsToPixels(height));
}

void frmSplash::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* s = screen()) {
        QRect r = frameGeometry();
        r.moveCenter(s->availableGeometry().center());
        move(r.topLeft());
    }
    if (m_activated || m_scheduled) return;
    m_scheduled = true;
    // The start-up runs once the screen is on display: its explicit repaints
    // draw nothing before that. Should the desktop never say so, it runs
    // anyway after a moment.
    QWindow* window = windowHandle();
    if (window && window->isExposed())
        QTimer::singleShot(0, this, &frmSplash::Form_Activate);
    else if (window)
        window->installEventFilter(this);
    QTimer::singleShot(exposeWaitMs, this, &frmSplash::Form_Activate);
}

bool frmSplash::eventFilter(QObject* watched, QEvent* event) {
    if (watched == windowHandle() && event->type() == QEvent::Expose && !m_activated &&
        windowHandle()->isExposed()) {
        watched->removeEventFilter(this);
        // After this expose has been painted.
        QTimer::singleShot(0, this, &frmSplash::Form_Activate);
    }
    return QDialog::eventFilter(watched, event);
}

void frmSplash::Form_Activate() {
    if (m_activated) return;
    m_activated = true;
    m_running = true;
    // The sequence goes on from the event loop and ends by unloading this
    // screen; it lives in the coroutine's frame until then.
    [](frmSplash* screen) -> QCoro::Task<> {
        StartupSequence sequence(screen->m_globals, *screen->m_platform.dialogs,
                                 *screen->m_platform.pauser, *screen);
        sequence.setLoadTimeout(screen->m_timeoutMs);
        co_await sequence.run();
    }(this);
}

void frmSplash::reject() {
    // Escape does not cut the start-up short, nor skip it before it began.
    if (m_activated && !m_running) QDialog::reject();
}

void frmSplash::closeEvent(QCloseEvent* event) {
    if (m_running || !m_activated)
        event->ignore();
    else
        QDialog::closeEvent(event);
}

void frmSplash::setVersionText(const QString& text) {
    lblVersion->setText(text);
    fitText(lblVersion, m_versionPointSize);
}
QString frmSplash::status() const {
    return lblSplash->text();
}
void frmSplash::setStatus(const QString& text) {
    lblSplash->setText(text);
    fitText(lblSplash, statusPointSize);
}

void frmSplash::fitText(QLabel* label, double designedPointSize) {
    // The labels are sized for Arial, which fontconfig answers with
    // Liberation Sans (same metrics) where that is installed. Should a wider
    // font stand in, a slightly smaller size keeps the whole text readable.
    QFont f = label->font();
    f.setPointSizeF(designedPointSize);
    const int room = label->contentsRect().width();
    while (f.pointSizeF() > 6.0 && QFontMetricsF(f).horizontalAdvance(label->text()) > room)
        f.setPointSizeF(f.pointSizeF() - 0.25);
    label->setFont(f);
}
void frmSplash::setBarMinimum(int value) {
    barLoading->setMinimum(value);
}
void frmSplash::setBarMaximum(int value) {
    barLoading->setMaximum(value);
}
void frmSplash::setBarValue(int value) {
    barLoading->setValue(value);
}

void frmSplash::Repaint() {
    // Paints now, without letting any other event through.
    repaint();
}

void frmSplash::Navigate(const QString& NavTo) {
    m_platform.urlOpener->open(NavTo);
}

void frmSplash::Unload() {
    // Ends the modal show once the activation handler has returned.
    m_running = false;
    accept();
}
