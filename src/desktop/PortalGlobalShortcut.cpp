#include "desktop/PortalGlobalShortcut.h"

#include <xkbcommon/xkbcommon.h>

#include <QDBusArgument>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QPointer>
#include <algorithm>
#include <array>
#include <optional>
#include <utility>

#include "desktop/PortalNames.h"
#include "desktop/ShortcutKey.h"
#include "desktop/ShownKey.h"
#include "platform/AppInfo.h"

namespace {

const QString shortcutsInterface = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");
const QString sessionInterface = QStringLiteral("org.freedesktop.portal.Session");

// What the portal's responses mean besides 0 (done).
constexpr uint cancelledByUser = 1;

// The errors of a bus where no portal answers for global shortcuts: none
// at all, or one without this interface.
bool meansNoPortal(QDBusError::ErrorType type) {
    switch (type) {
        case QDBusError::ServiceUnknown:
        case QDBusError::UnknownInterface:
        case QDBusError::UnknownMethod:
        case QDBusError::UnknownObject:
        case QDBusError::Disconnected:
            return true;
        default:
            return false;
    }
}

}  // namespace

// One shortcut as BindShortcuts takes it and its Response lists it:
// (id, {description, preferred_trigger...}).
struct PortalShortcut {
    QString id;
    QVariantMap details;
};
Q_DECLARE_METATYPE(PortalShortcut)

QDBusArgument& operator<<(QDBusArgument& argument, const PortalShortcut& shortcut) {
    argument.beginStructure();
    argument << shortcut.id << shortcut.details;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, PortalShortcut& shortcut) {
    argument.beginStructure();
    argument >> shortcut.id >> shortcut.details;
    argument.endStructure();
    return argument;
}

PortalGlobalShortcut::PortalGlobalShortcut(QDBusConnection bus, QObject* parent, Purpose purpose)
    : QObject(parent), m_bus(std::move(bus)), m_purpose(purpose) {
    qDBusRegisterMetaType<PortalShortcut>();
    qDBusRegisterMetaType<QList<PortalShortcut>>();
}

PortalGlobalShortcut::~PortalGlobalShortcut() {
    release();
}

QString PortalGlobalShortcut::trigger(const QString& key) {
    const std::optional<ShortcutKey::Parsed> parsed = ShortcutKey::parse(key);
    if (!parsed) return QString();
    std::array<char, 64> name{};
    if (xkb_keysym_get_name(parsed->keysym, name.data(), name.size()) <= 0) return QString();
    const Qt::KeyboardModifiers m = parsed->modifiers;
    QStringList parts;
    if (m & Qt::ControlModifier) parts << QStringLiteral("CTRL");
    if (m & Qt::AltModifier) parts << QStringLiteral("ALT");
    if (m & Qt::ShiftModifier) parts << QStringLiteral("SHIFT");
    if (m & Qt::MetaModifier) parts << QStringLiteral("LOGO");
    parts << QString::fromLatin1(name.data());
    return parts.join(QLatin1Char('+'));
}

QString PortalGlobalShortcut::id() const {
    return m_purpose == Purpose::ScreenArea ? QStringLiteral("translate-screen-area")
                                            : shortcutId();
}

QString PortalGlobalShortcut::requestPath(const QString& token) const {
    // The portal names a request after the caller's unique name (":1.42"
    // gives "1_42") and the caller's token.
    QString sender = m_bus.baseService().mid(1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    return PortalNames::path + QStringLiteral("/request/") + sender + QLatin1Char('/') + token;
}

void PortalGlobalShortcut::setKey(const QString& key, PressedHandler onPressed,
                                  RefusedHandler onRefused) {
    release();
    if (key.isEmpty()) return;
    m_asked = key;
    m_onPressed = std::move(onPressed);
    m_onRefused = std::move(onRefused);
    if (trigger(key).isEmpty())
        return refuse((m_purpose == Purpose::ScreenArea
                           ? tr("The screen area shortcut %1 is not a key the desktop can bind.")
                           : tr("The selection shortcut %1 is not a key the desktop can bind."))
                          .arg(shownKey(key)));
    if (!m_bus.isConnected()) {
        m_available = false;
        return refuse(QString());
    }
    m_step = Step::CreatingSession;
    const QString token = PortalNames::nextToken();
    request(QStringLiteral("CreateSession"),
            {QVariantMap{{QStringLiteral("handle_token"), token},
                         {QStringLiteral("session_handle_token"), token}}},
            token);
}

void PortalGlobalShortcut::request(const QString& method, const QVariantList& arguments,
                                   const QString& token) {
    // Listening starts before the call: the answer may come before the
    // call's own reply.
    const QString predicted = requestPath(token);
    listen(predicted);
    QDBusMessage call = QDBusMessage::createMethodCall(PortalNames::service, PortalNames::path,
                                                       shortcutsInterface, method);
    call.setArguments(arguments);
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    const quint64 attempt = m_attempt;
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, attempt, predicted](QDBusPendingCallWatcher* finished) {
                finished->deleteLater();
                if (attempt != m_attempt) return;
                const QDBusPendingReply<QDBusObjectPath> reply = *finished;
                if (reply.isError()) {
                    if (meansNoPortal(reply.error().type())) {
                        m_available = false;
                        return refuse(QString());
                    }
                    return refuse(
                        (m_purpose == Purpose::ScreenArea
                             ? tr("The desktop did not bind the screen area shortcut %1 (%2).")
                             : tr("The desktop did not bind the selection shortcut %1 (%2)."))
                            .arg(shownKey(m_asked), reply.error().message()));
                }
                m_available = true;
                // Older portals chose the request path themselves (unless
                // the answer came first and the next step is under way).
                const QString path = reply.value().path();
                if (m_request == predicted && path != predicted) {
                    stopListening();
                    listen(path);
                }
            });
}

void PortalGlobalShortcut::listen(const QString& requestPath) {
    m_request = requestPath;
    m_bus.connect(PortalNames::service, m_request, PortalNames::requestInterface,
                  QStringLiteral("Response"), this,
                  SLOT(answered(uint, QVariantMap, QDBusMessage)));
}

void PortalGlobalShortcut::stopListening() {
    if (m_request.isEmpty()) return;
    m_bus.disconnect(PortalNames::service, m_request, PortalNames::requestInterface,
                     QStringLiteral("Response"), this,
                     SLOT(answered(uint, QVariantMap, QDBusMessage)));
    m_request.clear();
}

void PortalGlobalShortcut::answered(uint response, const QVariantMap& results,
                                    const QDBusMessage& message) {
    // An answer already on its way when its request was given up is not
    // this one's.
    if (message.path() != m_request) return;
    stopListening();
    if (response == cancelledByUser)
        return refuse((m_purpose == Purpose::ScreenArea
                           ? tr("The screen area shortcut %1 was not bound: the desktop's "
                                "question was cancelled.")
                           : tr("The selection shortcut %1 was not bound: the desktop's question "
                                "was cancelled."))
                          .arg(shownKey(m_asked)));
    if (response != 0) return refuse(notBound());
    if (m_step == Step::CreatingSession) return bind(results);

    // Done: the shortcut is bound when the desktop lists it (the user may
    // have left it without a key).
    const auto bound =
        qdbus_cast<QList<PortalShortcut>>(results.value(QStringLiteral("shortcuts")));
    const bool listed = std::any_of(bound.cbegin(), bound.cend(),
                                    [this](const PortalShortcut& s) { return s.id == id(); });
    if (!listed) return refuse(notBound());
    m_step = Step::Bound;
    m_key = m_asked;
}

void PortalGlobalShortcut::bind(const QVariantMap& sessionResults) {
    // An object path that the portal sends as a string (or as a path).
    const QVariant handle = sessionResults.value(QStringLiteral("session_handle"));
    m_session = handle.metaType() == QMetaType::fromType<QDBusObjectPath>()
                    ? handle.value<QDBusObjectPath>().path()
                    : handle.toString();
    if (m_session.isEmpty()) return refuse(notBound());
    m_bus.connect(PortalNames::service, PortalNames::path, shortcutsInterface,
                  QStringLiteral("Activated"), this,
                  SLOT(activated(QDBusObjectPath, QString, qulonglong, QVariantMap)));

    m_step = Step::Binding;
    PortalShortcut shortcut;
    shortcut.id = id();
    shortcut.details = {
        {QStringLiteral("description"), m_purpose == Purpose::ScreenArea
                                            ? tr("Translate an area of the screen")
                                            : tr("Translate the selection")},
        {QStringLiteral("preferred_trigger"), trigger(m_asked)},
    };
    const QString token = PortalNames::nextToken();
    request(QStringLiteral("BindShortcuts"),
            {QVariant::fromValue(QDBusObjectPath(m_session)),
             QVariant::fromValue(QList<PortalShortcut>{shortcut}), QString(),
             QVariantMap{{QStringLiteral("handle_token"), token}}},
            token);
}

void PortalGlobalShortcut::activated(const QDBusObjectPath& session, const QString& shortcut,
                                     qulonglong /*timestamp*/, const QVariantMap& options) {
    if (m_step != Step::Bound || session.path() != m_session || shortcut != id()) return;
    // The desktop's leave for the window that the press opens to take the
    // keyboard; Qt's Wayland shell reads it when a window asks to be active.
    const QString token = options.value(QStringLiteral("activation_token")).toString();
    if (!token.isEmpty()) qputenv("XDG_ACTIVATION_TOKEN", token.toUtf8());
    if (m_onPressed) m_onPressed();
}

void PortalGlobalShortcut::refuse(const QString& why) {
    const RefusedHandler onRefused = std::move(m_onRefused);
    const QString key = m_asked;
    release();
    if (!onRefused) return;
    // No portal: the desktop's own keyboard settings can still start the
    // command that does the same.
    if (!why.isEmpty()) return onRefused(why);
    onRefused((m_purpose == Purpose::ScreenArea
                   ? tr("This desktop holds no keys for programs, so the screen area shortcut %1 "
                        "is off: bind \"%2 --translate-screen-area\" to a key in the desktop's "
                        "keyboard settings instead.")
                   : tr("This desktop holds no keys for programs, so the selection "
                        "shortcut %1 is off: bind \"%2 --translate-selection\" to a key "
                        "in the desktop's keyboard settings instead."))
                  .arg(shownKey(key), AppInfo::exeName()));
}

QString PortalGlobalShortcut::notBound() const {
    return (m_purpose == Purpose::ScreenArea
                ? tr("The desktop did not bind the screen area shortcut %1.")
                : tr("The desktop did not bind the selection shortcut %1."))
        .arg(shownKey(m_asked));
}

void PortalGlobalShortcut::release() {
    ++m_attempt;
    stopListening();
    if (!m_session.isEmpty()) {
        m_bus.disconnect(PortalNames::service, PortalNames::path, shortcutsInterface,
                         QStringLiteral("Activated"), this,
                         SLOT(activated(QDBusObjectPath, QString, qulonglong, QVariantMap)));
        // The portal lets go of the key with the session.
        m_bus.asyncCall(QDBusMessage::createMethodCall(PortalNames::service, m_session,
                                                       sessionInterface, QStringLiteral("Close")));
        m_session.clear();
    }
    m_step = Step::Idle;
    m_key.clear();
    m_asked.clear();
    m_onPressed = nullptr;
    m_onRefused = nullptr;
}
