#pragma once

#include <QString>
#include <functional>

class QIcon;
class QMenu;

// The desktop's notification area: one icon per program, a balloon on it,
// the user's clicks on it, and a pop-up menu at the mouse position.
class ITrayHost {
public:
    // What the user did on the icon. A double click arrives after the
    // Trigger of its first click.
    enum class Activation { Trigger, DoubleClick, Context, MiddleClick, Unknown };
    enum class BalloonIcon { None, Information, Warning, Critical };
    using ActivationHandler = std::function<void(Activation)>;

    virtual ~ITrayHost() = default;

    // False when the desktop has no notification area: an icon added then
    // could never be clicked.
    virtual bool isAvailable() const = 0;
    // Adds the icon (replacing an earlier one) and routes its clicks.
    virtual void addIcon(const QIcon& icon, const QString& tip, ActivationHandler onActivated) = 0;
    virtual void showBalloon(const QString& title, const QString& text, BalloonIcon icon,
                             int milliseconds) = 0;
    // Removing an icon that is not there does nothing.
    virtual void removeIcon() = 0;
    virtual bool hasIcon() const = 0;
    // Called when the notification area goes away while the icon is there
    // (its host quit or crashed): nobody can click the icon any more. Set
    // after addIcon; removeIcon forgets it.
    using LostHandler = std::function<void()>;
    virtual void setLostHandler(LostHandler onLost) = 0;
    // Pops the menu up at the mouse position and returns at once.
    virtual void popUpMenu(QMenu& menu) = 0;
    // The icon's menu, for notification areas that draw it themselves (a
    // StatusNotifierItem host): they show it on a right click whatever the
    // window's state. Set after addIcon; others ignore it.
    virtual void setIconMenu(QMenu& /*menu*/) {}
};
