#pragma once

#include <QObject>
#include <QPointer>

#include "platform/ITrayHost.h"

class QSystemTrayIcon;

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
    void popUpMenu(QMenu& menu) override;

private:
    QPointer<QSystemTrayIcon> m_icon;
    ActivationHandler m_onActivated;
};
