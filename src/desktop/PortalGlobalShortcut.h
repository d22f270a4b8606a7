#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <QVariantMap>

#include "platform/IGlobalShortcut.h"

class QDBusMessage;
class QDBusObjectPath;

// The selection shortcut on Wayland, where no program may grab a key: the
// desktop portal's GlobalShortcuts interface. A session is created, one
// shortcut is bound in it with the key as its preferred trigger, and the
// portal's Activated signal is a press. The portal answers each step later
// (it may ask the user first, and the user may pick another key), so a
// refusal comes later too, once per setKey. Without a portal the desktop
// has no way to hold a key for a program: isAvailable() turns false and
// the refusal names the command to bind in the desktop's keyboard settings.
class PortalGlobalShortcut : public QObject, public IGlobalShortcut {
    Q_OBJECT
public:
    // What the key is for: its id at the portal, its description and the
    // refusals' words.
    enum class Purpose { Selection, ScreenArea };
    explicit PortalGlobalShortcut(QDBusConnection bus = QDBusConnection::sessionBus(),
                                  QObject* parent = nullptr, Purpose purpose = Purpose::Selection);
    ~PortalGlobalShortcut() override;

    bool isAvailable() const override { return m_available; }
    void setKey(const QString& key, PressedHandler onPressed, RefusedHandler onRefused) override;
    // The key once the desktop has bound it.
    QString key() const override { return m_key; }

    // The key as a portal trigger: the modifiers CTRL, ALT, SHIFT and LOGO
    // and the key's xkbcommon name, joined by "+" ("Ctrl+Alt+E" is
    // "CTRL+ALT+e"); empty for a text that is not exactly one key.
    static QString trigger(const QString& key);
    static QString shortcutId() { return QStringLiteral("translate-selection"); }
    QString id() const;

private slots:
    void answered(uint response, const QVariantMap& results, const QDBusMessage& message);
    void activated(const QDBusObjectPath& session, const QString& shortcut, qulonglong timestamp,
                   const QVariantMap& options);

private:
    enum class Step { Idle, CreatingSession, Binding, Bound };

    // Calls a portal method whose outcome comes as a Response signal on the
    // request object named by token.
    void request(const QString& method, const QVariantList& arguments, const QString& token);
    void listen(const QString& requestPath);
    void stopListening();
    void bind(const QVariantMap& sessionResults);
    void refuse(const QString& why);
    QString notBound() const;
    void release();
    QString requestPath(const QString& token) const;

    QDBusConnection m_bus;
    Purpose m_purpose = Purpose::Selection;
    bool m_available = true;
    Step m_step = Step::Idle;
    // Each setKey is one attempt; answers to an earlier one are dropped.
    quint64 m_attempt = 0;
    QString m_request;  // the request path whose Response is awaited
    QString m_session;
    QString m_asked;  // the key of the running attempt
    QString m_key;
    PressedHandler m_onPressed;
    RefusedHandler m_onRefused;
};
