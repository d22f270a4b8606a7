#include "app/DBusInterface.h"

#include <QDBusConnectionInterface>
#include <QDBusReply>
#include <QPointer>
#include <utility>

#include "app/AppRequests.h"
#include "language/LanguageDetector.h"

DBusInterface::DBusInterface(AppRequests& requests, QDBusConnection bus, QObject* parent)
    : QObject(parent), m_requests(requests), m_bus(std::move(bus)) {}

DBusInterface::~DBusInterface() {
    const QList<quint64> calls = m_waiting.keys();
    for (const quint64 call : calls) answer(call, false, tr("Parlamo has ended."));
    if (m_namePublished) m_bus.unregisterService(QString::fromLatin1(serviceName));
    if (m_objectPublished) m_bus.unregisterObject(QString::fromLatin1(objectPath));
}

bool DBusInterface::publishObject() {
    if (!m_bus.isConnected()) return false;
    m_objectPublished = m_bus.registerObject(QString::fromLatin1(objectPath), this,
                                             QDBusConnection::ExportAllSlots);
    return m_objectPublished;
}

bool DBusInterface::publishName() {
    if (!m_bus.isConnected() || !m_bus.interface()) return false;
    const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> reply =
        m_bus.interface()->registerService(QString::fromLatin1(serviceName),
                                           QDBusConnectionInterface::DontQueueService,
                                           QDBusConnectionInterface::DontAllowReplacement);
    m_namePublished =
        reply.isValid() && reply.value() == QDBusConnectionInterface::ServiceRegistered;
    return m_namePublished;
}

QString DBusInterface::Translate(const QString& text) {
    return delayed(
        [this, text](const AppRequests::Reply& done) { m_requests.translate(text, done); });
}

QString DBusInterface::TranslateAuto(const QString& text, const QString& to) {
    return delayed([this, text, to](const AppRequests::Reply& done) {
        m_requests.translateAuto(text, to, done);
    });
}

QString DBusInterface::Detect(const QString& text) {
    return LanguageDetector::detect(text);
}

QString DBusInterface::delayed(const Start& start) {
    setDelayedReply(true);
    const quint64 call = ++m_nextCall;
    m_waiting.insert(call, message());
    const QPointer<DBusInterface> self(this);
    start([self, call](bool ok, const QString& result) {
        if (self) self->answer(call, ok, result);
    });
    return QString();
}

void DBusInterface::answer(quint64 call, bool ok, const QString& text) {
    if (!m_waiting.contains(call)) return;
    const QDBusMessage asked = m_waiting.take(call);
    m_bus.send(ok ? asked.createReply(text)
                  : asked.createErrorReply(QString::fromLatin1(failedError), text));
}

void DBusInterface::TranslateSelection() {
    m_requests.translateSelection();
}

void DBusInterface::TranslateClipboard() {
    m_requests.translateClipboard();
}

void DBusInterface::TranslateScreenArea() {
    m_requests.translateScreenArea();
}

void DBusInterface::Show() {
    m_requests.show();
}

void DBusInterface::Quit() {
    m_requests.quit();
}
