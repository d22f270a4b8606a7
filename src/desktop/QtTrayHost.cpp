#include "desktop/QtTrayHost.h"

#include <QCursor>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusServiceWatcher>
#include <QDBusVariant>
#include <QIcon>
#include <QLoggingCategory>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QTimer>

namespace {

// Enabled with QT_LOGGING_RULES="parlamo.tray.debug=true": which clicks
// actually reach the program from the desktop's tray.
Q_LOGGING_CATEGORY(lcTray, "parlamo.tray", QtWarningMsg)

const char* activationName(ITrayHost::Activation a) {
    switch (a) {
        case ITrayHost::Activation::Trigger:
            return "Trigger";
        case ITrayHost::Activation::DoubleClick:
            return "DoubleClick";
        case ITrayHost::Activation::Context:
            return "Context";
        case ITrayHost::Activation::MiddleClick:
            return "MiddleClick";
        case ITrayHost::Activation::Unknown:
            break;
    }
    return "Unknown";
}

const QString watcherService = QStringLiteral("org.kde.StatusNotifierWatcher");

// As Qt asks before it shows the icon as a StatusNotifierItem: a watcher
// on the session bus that knows a host.
bool statusNotifierHostThere() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface()->isServiceRegistered(watcherService)) return false;
    QDBusMessage get = QDBusMessage::createMethodCall(
        watcherService, QStringLiteral("/StatusNotifierWatcher"),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get.setArguments({watcherService, QStringLiteral("IsStatusNotifierHostRegistered")});
    const QDBusMessage reply = bus.call(get, QDBus::Block, 5000);
    return reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty() &&
           reply.arguments().constFirst().value<QDBusVariant>().variant().toBool();
}

}  // namespace

QtTrayHost::QtTrayHost(QObject* parent) : QObject(parent), m_watch(new QTimer(this)) {
    m_watch->setInterval(watchIntervalMs);
    connect(m_watch, &QTimer::timeout, this, &QtTrayHost::watch);
}

QtTrayHost::~QtTrayHost() {
    delete m_icon.data();
}

bool QtTrayHost::isAvailable() const {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void QtTrayHost::addIcon(const QIcon& icon, const QString& tip, ActivationHandler onActivated) {
    removeIcon();
    m_onActivated = std::move(onActivated);
    m_statusNotifier = statusNotifierHostThere();
    m_icon = new QSystemTrayIcon(icon, this);
    m_icon->setToolTip(tip);
    connect(m_icon, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                Activation a = Activation::Unknown;
                switch (reason) {
                    case QSystemTrayIcon::Trigger:
                        // A StatusNotifierItem host's activation: the one
                        // click it has for opening.
                        a = m_statusNotifier ? Activation::DoubleClick : Activation::Trigger;
                        break;
                    case QSystemTrayIcon::DoubleClick:
                        a = Activation::DoubleClick;
                        break;
                    case QSystemTrayIcon::Context:
                        a = Activation::Context;
                        break;
                    case QSystemTrayIcon::MiddleClick:
                        a = Activation::MiddleClick;
                        break;
                    case QSystemTrayIcon::Unknown:
                        break;
                }
                qCDebug(lcTray, "activated %s", activationName(a));
                // Copy: the handler may remove the icon (and with it this slot).
                if (ActivationHandler handler = m_onActivated) handler(a);
            });
    m_icon->show();
    m_trayThere = isAvailable();
    if (!m_statusNotifier) {
        m_watch->start();
        return;
    }
    // Asking Qt whether the tray is there would open a bus connection each
    // time: the bus says when the watcher leaves.
    m_watcherGone = new QDBusServiceWatcher(watcherService, QDBusConnection::sessionBus(),
                                            QDBusServiceWatcher::WatchForUnregistration, this);
    connect(m_watcherGone, &QDBusServiceWatcher::serviceUnregistered, this, &QtTrayHost::lose);
}

void QtTrayHost::setLostHandler(LostHandler onLost) {
    m_onLost = std::move(onLost);
}

void QtTrayHost::watch() {
    const bool there = isAvailable();
    const bool lost = m_trayThere && !there;
    m_trayThere = there;
    if (lost) lose();
}

void QtTrayHost::lose() {
    qCDebug(lcTray, "the notification area went away");
    m_trayThere = false;
    if (LostHandler handler = m_onLost) handler();
}

void QtTrayHost::setIconMenu(QMenu& menu) {
    if (!m_icon || !m_statusNotifier) return;
    // A menu of its own with the same items: Qt hands the icon's menu to
    // the bus, and the window's menu stays a plain pop-up.
    m_iconMenu = std::make_unique<QMenu>();
    m_iconMenu->addActions(menu.actions());
    m_icon->setContextMenu(m_iconMenu.get());
}

void QtTrayHost::showBalloon(const QString& title, const QString& text, BalloonIcon icon,
                             int milliseconds) {
    if (!m_icon) return;
    QSystemTrayIcon::MessageIcon kind = QSystemTrayIcon::NoIcon;
    switch (icon) {
        case BalloonIcon::None:
            break;
        case BalloonIcon::Information:
            kind = QSystemTrayIcon::Information;
            break;
        case BalloonIcon::Warning:
            kind = QSystemTrayIcon::Warning;
            break;
        case BalloonIcon::Critical:
            kind = QSystemTrayIcon::Critical;
            break;
    }
    // Line breaks come as CR LF; the balloon wants plain line feeds.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_icon->showMessage(title, shown, kind, milliseconds);
}

void QtTrayHost::removeIcon() {
    m_onActivated = nullptr;
    m_onLost = nullptr;
    m_watch->stop();
    if (m_watcherGone) m_watcherGone->deleteLater();  // may be in its signal
    m_watcherGone = nullptr;
    if (!m_icon) return;
    m_icon->hide();
    m_icon->setContextMenu(nullptr);
    // Later: this may run inside a slot of the icon itself, and so may the
    // menu's click.
    m_icon->deleteLater();
    m_icon.clear();
    if (m_iconMenu) m_iconMenu.release()->deleteLater();
}

bool QtTrayHost::hasIcon() const {
    return !m_icon.isNull();
}

void QtTrayHost::popUpMenu(QMenu& menu) {
    menu.popup(QCursor::pos());
}
