#include "desktop/ScreenAreaPicker.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QUrl>
#include <QWidget>

#include "desktop/PortalNames.h"
#include "desktop/ScreenAreaMath.h"

namespace {

const QString screenshotInterface = QStringLiteral("org.freedesktop.portal.Screenshot");

// One screen's shot, dimmed, with the rectangle being dragged shown clear.
class AreaOverlay final : public QWidget {
public:
    AreaOverlay(ScreenAreaPicker& picker, ScreenAreaPicker::Shot shot)
        : QWidget(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool |
                               Qt::X11BypassWindowManagerHint),
          m_picker(picker),
          m_shot(std::move(shot)) {
        setObjectName(QStringLiteral("frmScreenArea"));
        setWindowTitle(QStringLiteral("Parlamo Screen Area"));
        setAttribute(Qt::WA_DeleteOnClose);
        setCursor(Qt::CrossCursor);
        setMouseTracking(false);
        setGeometry(m_shot.geometry);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.drawPixmap(rect(), m_shot.pixels);
        painter.fillRect(rect(), QColor(0, 0, 0, 110));
        if (m_dragging) {
            const QRect area = ScreenAreaMath::dragged(m_from, m_to);
            if (area.isEmpty()) return;
            const QRect local = area.translated(-m_shot.geometry.topLeft());
            painter.drawPixmap(
                local, m_shot.pixels,
                ScreenAreaMath::shotPixels(area, m_shot.geometry, m_shot.pixels.size()));
            painter.setPen(QPen(palette().highlight().color(), 1));
            painter.drawRect(local.adjusted(0, 0, -1, -1));
        }
    }
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() != Qt::LeftButton) return m_picker.cancel();
        m_dragging = true;
        m_from = m_to = event->globalPosition().toPoint();
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        if (!m_dragging) return;
        m_to = event->globalPosition().toPoint();
        update();
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (!m_dragging || event->button() != Qt::LeftButton) return;
        m_dragging = false;
        m_to = event->globalPosition().toPoint();
        m_picker.chosen(m_shot, ScreenAreaMath::dragged(m_from, m_to));
    }
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Escape) m_picker.cancel();
    }

private:
    ScreenAreaPicker& m_picker;
    ScreenAreaPicker::Shot m_shot;
    bool m_dragging = false;
    QPoint m_from, m_to;
};

ScreenAreaPicker::Shot shotOf(QScreen* screen) {
    ScreenAreaPicker::Shot shot;
    shot.pixels = screen->grabWindow(0);
    shot.geometry = screen->geometry();
    const double ratio = shot.geometry.width() > 0
                             ? double(shot.pixels.width()) / shot.geometry.width()
                             : screen->devicePixelRatio();
    shot.pixels.setDevicePixelRatio(ratio);
    shot.dpi = screen->logicalDotsPerInch() * ratio;
    return shot;
}

}  // namespace

ScreenAreaPicker::ScreenAreaPicker(Way way, QDBusConnection bus, QObject* parent)
    : QObject(parent), m_way(way), m_bus(std::move(bus)) {}

ScreenAreaPicker::~ScreenAreaPicker() {
    m_onPicked = nullptr;
    m_onRefused = nullptr;
    stopListening();
    for (const QPointer<QWidget>& overlay : std::as_const(m_overlays)) delete overlay;
}

QList<QWidget*> ScreenAreaPicker::overlays() const {
    QList<QWidget*> shown;
    for (const QPointer<QWidget>& overlay : m_overlays)
        if (overlay) shown << overlay;
    return shown;
}

void ScreenAreaPicker::pick(PickedHandler onPicked, RefusedHandler onRefused) {
    if (m_onPicked || m_onRefused) cancel();
    m_onPicked = std::move(onPicked);
    m_onRefused = std::move(onRefused);
    if (m_way == Way::Portal) return askPortal(true);
    QList<Shot> shots;
    for (QScreen* screen : QGuiApplication::screens()) {
        Shot shot = shotOf(screen);
        if (!shot.pixels.isNull()) shots << shot;
    }
    if (shots.isEmpty()) return finish({}, tr("The screen cannot be read on this desktop."));
    showOverlays(shots);
}

void ScreenAreaPicker::showOverlays(const QList<Shot>& shots) {
    for (const Shot& shot : shots) {
        auto* overlay = new AreaOverlay(*this, shot);
        m_overlays << overlay;
        if (QGuiApplication::platformName() == QLatin1String("xcb")) {
            overlay->show();
        } else {
            overlay->showFullScreen();
        }
        overlay->raise();
        overlay->activateWindow();
    }
    // Escape must reach an overlay whichever window had the keyboard.
    if (!m_overlays.isEmpty() && m_overlays.first()) m_overlays.first()->grabKeyboard();
}

void ScreenAreaPicker::chosen(const Shot& shot, const QRect& area) {
    const QRect pixels = ScreenAreaMath::shotPixels(area, shot.geometry, shot.pixels.size());
    if (pixels.isEmpty()) return cancel();  // a click: no area
    QImage image = shot.pixels.copy(pixels).toImage();
    image.setDevicePixelRatio(1);
    const int dotsPerMeter = qRound(shot.dpi / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    finish(image, QString());
}

void ScreenAreaPicker::cancel() {
    finish({}, QString());
}

void ScreenAreaPicker::finish(const QImage& image, const QString& why) {
    for (const QPointer<QWidget>& overlay : std::as_const(m_overlays))
        if (overlay) {
            overlay->releaseKeyboard();
            overlay->close();
        }
    m_overlays.clear();
    stopListening();
    const PickedHandler picked = std::exchange(m_onPicked, nullptr);
    const RefusedHandler refused = std::exchange(m_onRefused, nullptr);
    if (!image.isNull()) {
        if (picked) picked(image);
    } else if (refused) {
        refused(why);
    }
}

void ScreenAreaPicker::askPortal(bool interactive) {
    m_interactive = interactive;
    const QString token = PortalNames::nextToken();
    QString sender = m_bus.baseService().mid(1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    stopListening();
    // Listened for before asking, as the answer may come before the reply.
    m_request = PortalNames::path + QStringLiteral("/request/") + sender + QLatin1Char('/') + token;
    m_bus.connect(PortalNames::service, m_request, PortalNames::requestInterface,
                  QStringLiteral("Response"), this, SLOT(portalAnswered(uint, QVariantMap)));
    QDBusMessage call = QDBusMessage::createMethodCall(
        PortalNames::service, PortalNames::path, screenshotInterface, QStringLiteral("Screenshot"));
    call << QString()
         << QVariantMap{{QStringLiteral("handle_token"), token},
                        {QStringLiteral("interactive"), interactive},
                        {QStringLiteral("modal"), true}};
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, interactive] {
        watcher->deleteLater();
        const QDBusPendingReply<QDBusObjectPath> reply = *watcher;
        if (!reply.isError()) return;  // the answer comes as Response
        if (interactive) return askPortal(false);
        finish({}, tr("The desktop does not let Parlamo read the screen (%1).")
                       .arg(reply.error().message()));
    });
}

void ScreenAreaPicker::stopListening() {
    if (m_request.isEmpty()) return;
    m_bus.disconnect(PortalNames::service, m_request, PortalNames::requestInterface,
                     QStringLiteral("Response"), this, SLOT(portalAnswered(uint, QVariantMap)));
    m_request.clear();
}

void ScreenAreaPicker::portalAnswered(uint response, const QVariantMap& results) {
    const bool interactive = m_interactive;
    stopListening();
    if (response == 1) return cancel();  // the user cancelled the desktop's picker
    const QUrl uri(results.value(QStringLiteral("uri")).toString());
    QImage image;
    if (response == 0 && uri.isLocalFile()) image.load(uri.toLocalFile());
    if (image.isNull()) {
        if (interactive) return askPortal(false);
        return finish({}, tr("The desktop gave no picture of the screen."));
    }
    QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInch() : 96.0;
    const QSize wholeScreen =
        screen ? (QSizeF(screen->geometry().size()) * screen->devicePixelRatio()).toSize()
               : QSize();
    if (interactive && image.size() != wholeScreen) {
        // The desktop's own picker: the file is the area.
        const int dotsPerMeter = qRound(dpi / 0.0254);
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        return finish(image, QString());
    }
    // The whole screen: our own overlay picks the area from it.
    Shot shot;
    shot.pixels = QPixmap::fromImage(image);
    shot.geometry = screen ? screen->geometry() : QRect(QPoint(0, 0), image.size());
    const double ratio =
        shot.geometry.width() > 0 ? double(image.width()) / shot.geometry.width() : 1.0;
    shot.pixels.setDevicePixelRatio(ratio);
    shot.dpi = dpi * ratio;
    showOverlays({shot});
}
