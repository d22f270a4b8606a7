#pragma once

#include <QObject>
#include <QPointer>
#include <memory>

#include "platform/ITrayHost.h"

class QDBusServiceWatcher;
class QMenu;
class QSystemTrayIcon;
class QTimer;

// The notification area through QSystemTrayIcon (an XEmbed tray or a
// StatusNotifierItem host, whichever the desktop offers). Qt takes the
// StatusNotifierItem way when a host is registered with the session bus's
// org.kde.StatusNotifierWatcher as the program starts. Such a host draws the
// icon's menu itself and has no double click: its activation (a left click)
// counts as one, and the icon is gone when the watcher leaves the bus.
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
    void setIconMenu(QMenu& menu) override;

    // The icon is shown through a StatusNotifierItem host.
    bool isStatusNotifierItem() const { return m_statusNotifier; }

    // How often the notification area is looked for while the icon is up:
    // Qt says nothing when it goes away.
    static constexpr int watchIntervalMs = 500;

private:
    void watch();
    void lose();

    QPointer<QSystemTrayIcon> m_icon;
    std::unique_ptr<QMenu> m_iconMenu;
    QDBusServiceWatcher* m_watcherGone = nullptr;
    bool m_statusNotifier = false;
    ActivationHandler m_onActivated;
    LostHandler m_onLost;
    QTimer* m_watch = nullptr;
    bool m_trayThere = false;
};
