#pragma once

#include <QObject>
#include <QPointer>

#include "platform/ITrayHost.h"

class QSystemTrayIcon;
class QTimer;

// The notification area through QSystemTrayIcon (an XEmbed tray or a
// StatusNotifierItem host, whichever the desktop offers).
class QtTrayHost : public QObject, public ITrayHost {
    Q_OBJECT
public:
    explicit QtTrayHost(QObject* parent = nullptr);
    ~QtTrayHost() override;

    bool isAvailable() const override;
    void addIcon(const QIcon& icon, const QString& tip, ActivationHandler onActivated) override;
    void showBalloon(const QString& title, const QString& text, BalloonIcon icon,
                     int milliseconds) override;
    void removeIcon() override;
    bool hasIcon() const override;
    void setLostHandler(LostHandler onLost) override;
    void popUpMenu(QMenu& menu) override;

    // How often the notification area is looked for while the icon is up:
    // Qt says nothing when it goes away.
    static constexpr int watchIntervalMs = 500;

private:
    void watch();

    QPointer<QSystemTrayIcon> m_icon;
    ActivationHandler m_onActivated;
    LostHandler m_onLost;
    QTimer* m_watch = nullptr;
    bool m_trayThere = false;
};
