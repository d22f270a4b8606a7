#pragma once

#include <QIcon>
#include <QList>
#include <QMenu>
#include <QPointer>
#include <QString>

#include "platform/ITrayHost.h"

// Records what the program asks of the notification area and lets a test
// click the icon (activate()).
class FakeTrayHost : public ITrayHost {
public:
    struct Balloon {
        QString title, text;
        BalloonIcon icon;
        int milliseconds;
    };

    bool isAvailable() const override { return available; }
    void addIcon(const QIcon& icon, const QString& tip, ActivationHandler onActivated) override {
        ++adds;
        shown = true;
        lastIcon = icon;
        lastTip = tip;
        m_handler = std::move(onActivated);
    }
    void showBalloon(const QString& title, const QString& text, BalloonIcon icon,
                     int milliseconds) override {
        balloons.append({title, text, icon, milliseconds});
    }
    void removeIcon() override {
        ++removes;
        shown = false;
        m_handler = nullptr;
        m_lost = nullptr;
    }
    void setLostHandler(LostHandler onLost) override { m_lost = std::move(onLost); }
    bool hasIcon() const override { return shown; }
    void popUpMenu(QMenu& menu) override { poppedUp.append(&menu); }

    // A click on the icon; nothing happens when there is no icon.
    void activate(Activation reason) {
        if (ActivationHandler h = m_handler) h(reason);
    }

    // The notification area goes away (its host quits).
    void loseTray() {
        available = false;
        if (LostHandler h = m_lost) h();
    }

    bool available = true;
    bool shown = false;
    int adds = 0, removes = 0;
    QIcon lastIcon;
    QString lastTip;
    QList<Balloon> balloons;
    QList<QPointer<QMenu>> poppedUp;

private:
    ActivationHandler m_handler;
    LostHandler m_lost;
};
