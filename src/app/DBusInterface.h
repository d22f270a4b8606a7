#pragma once

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QHash>
#include <QObject>
#include <QString>
#include <functional>

#include "app/AppRequests.h"

// The program's D-Bus interface, org.velmor.Parlamo at /org/velmor/Parlamo
// on the session bus. Translate answers later (a delayed reply), so the
// program goes on while the engine works and any number of callers wait at
// once; a failure is the error org.velmor.Parlamo.Error.Failed with the
// status line's sentence. TranslateAuto answers the same way; the other
// methods return at once.
class DBusInterface : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.velmor.Parlamo")
public:
    static constexpr const char* serviceName = "org.velmor.Parlamo";
    static constexpr const char* objectPath = "/org/velmor/Parlamo";
    static constexpr const char* interfaceName = "org.velmor.Parlamo";
    static constexpr const char* failedError = "org.velmor.Parlamo.Error.Failed";

    DBusInterface(AppRequests& requests, QDBusConnection bus, QObject* parent = nullptr);
    // Callers still waiting get an error rather than a time-out; what
    // publish() put on the bus leaves it.
    ~DBusInterface() override;

    // Puts the object on the bus: before the name is ours, so that a call
    // that comes the moment it is finds it. False without a bus.
    bool publishObject();
    // Takes the name, unless another program holds it. False then.
    bool publishName();

public slots:
    // The text translated with the main window's engine and pair.
    QString Translate(const QString& text);
    // The BCP 47 code of the text's language; empty when not sure.
    QString Detect(const QString& text);
    // The text translated with the pair its language picks: into `to` (a
    // BCP 47 code), or, with `to` empty, as the popup picks it.
    QString TranslateAuto(const QString& text, const QString& to);
    // The popup with the desktop's selection, or with the clipboard.
    void TranslateSelection();
    void TranslateClipboard();
    // The user picks an area of the screen; its text is read and translated
    // in the popup.
    void TranslateScreenArea();
    // The main window, also out of the tray.
    void Show();
    void Quit();

private:
    using Start = std::function<void(const AppRequests::Reply&)>;
    QString delayed(const Start& start);
    void answer(quint64 call, bool ok, const QString& text);

    AppRequests& m_requests;
    QDBusConnection m_bus;
    QHash<quint64, QDBusMessage> m_waiting;
    bool m_objectPublished = false;
    bool m_namePublished = false;
    quint64 m_nextCall = 0;
};
