#pragma once

#include <QDBusConnection>
#include <QImage>
#include <QList>
#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <QRect>

#include "platform/IScreenArea.h"

class QDBusMessage;
class QWidget;

// The screen area picker. With a display server that lets programs read the
// screen (X11), every screen is grabbed and shown dimmed under a full-screen
// overlay of its own; the user drags a rectangle on one of them (Escape, or
// a click without a drag, cancels). On Wayland, the desktop portal's
// Screenshot with `interactive` set, so that the desktop shows its own area
// picker; where the portal is missing or answers without an area, a shot of
// the whole screen through it and our own overlay over that.
class ScreenAreaPicker : public QObject, public IScreenArea {
    Q_OBJECT
public:
    enum class Way { Overlay, Portal };
    explicit ScreenAreaPicker(Way way, QDBusConnection bus = QDBusConnection::sessionBus(),
                              QObject* parent = nullptr);
    ~ScreenAreaPicker() override;

    void pick(PickedHandler onPicked, RefusedHandler onRefused) override;

    // The overlays shown now, one a screen (for tests).
    QList<QWidget*> overlays() const;

    // One screen's shot, where it sits on the desktop.
    struct Shot {
        QPixmap pixels;
        QRect geometry;     // logical desktop coordinates
        double dpi = 96.0;  // of the shot's pixels
    };
    // The overlay's choice: an area in desktop coordinates on one shot.
    void chosen(const Shot& shot, const QRect& area);
    void cancel();

private slots:
    void portalAnswered(uint response, const QVariantMap& results);

private:
    void showOverlays(const QList<Shot>& shots);
    void askPortal(bool interactive);
    void stopListening();
    void finish(const QImage& image, const QString& why);

    Way m_way;
    QDBusConnection m_bus;
    PickedHandler m_onPicked;
    RefusedHandler m_onRefused;
    QList<QPointer<QWidget>> m_overlays;
    QString m_request;           // the portal request waited for
    bool m_interactive = false;  // what was asked of the portal
};
