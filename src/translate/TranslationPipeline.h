#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <memory>
#include <optional>

#include "net/HttpLimits.h"

class ConfigDocument;
class InetTransfer;

// One translation, the same for every way in: the window, the command line
// and whatever comes next are adapters of it. It looks the engine and the
// language pair up in the service document, builds the request, sends it
// once, collects the answer in pieces (letting pending events run between
// them), decodes the answer's charset, cuts the translation out between the
// engine's markers and applies its decode attribute. The outcome arrives
// once, as finished() or failed(), on the thread that started it; cancel()
// and destroying the object end it without either. One object runs one
// translation.
class TranslationPipeline : public QObject {
    Q_OBJECT
public:
    // What went wrong; the adapters put it in their own words.
    enum class Fault {
        Unusable,       // the document cannot answer the lookups (detail: why); nothing sent
        NotSent,        // the request cannot be started (detail: why); nothing sent
        Unreachable,    // the transfer failed or was cut short (detail: its reason)
        HttpStatus,     // an error status where only success counts (detail: the status)
        TimedOut,       // nothing arrived within the stall time-out
        NoTranslation,  // the engine's markers are not in the answer, or it names none
    };
    Q_ENUM(Fault)
    struct Failed {
        Fault fault = Fault::Unusable;
        QString detail;
    };

    // Whether an HTTP error status ends the translation. The window takes
    // whatever page comes (an error page goes through the markers like any
    // other); the command line refuses anything but a 2xx status.
    enum class StatusPolicy { AnyStatus, SuccessOnly };

    explicit TranslationPipeline(QObject* parent = nullptr);
    ~TranslationPipeline() override;

    void setStatusPolicy(StatusPolicy policy) { m_policy = policy; }
    // The stall time-out: started once the request is out, started afresh by
    // every piece of the answer that arrives, stopped when the answer is
    // complete. Its own timer (defaultStallTimeoutMs) unless
    // the caller hands one, as the window does with its timTimeout; a tick
    // of a handed timer also stops it.
    void setStallTimer(QTimer* timer);
    void setStallTimeout(int milliseconds);
    static constexpr int defaultStallTimeoutMs =
        static_cast<int>(HttpLimits::translationStallTimeout.count());

    // Looks up the engine and the pair by the Translate command's queries
    // and sends text, its line breaks as CR LF. False, with the reason in
    // *why and no signal to follow, when nothing could be sent: among
    // others a request address longer than HttpLimits::maxRequestAddress
    // (NotSent, see tooLong()).
    bool start(const ConfigDocument& doc, const QString& engine, const QString& pair,
               const QString& text, Failed* why = nullptr);

    // Ends a running translation: its transfer is aborted, nothing more is
    // collected and no signal follows. False when none runs.
    bool cancel();
    bool isRunning() const { return m_running; }

    // The engine's server as messages name it ("host" or "host:port"), once
    // the request has been built.
    QString serverName() const { return m_server; }
    // The transfer of the request; null before it was made.
    InetTransfer* transfer() const;

    // Every line break, whatever its form, as carriage return and line feed:
    // how a typed line break is sent.
    static QString withCrLf(QString text);
    // The text as a request address carries it: line breaks as CR LF, then
    // UrlEncode in the system's code page. The translation request and
    // anything else that sends a text of the user's use this one encoding.
    static QString encodedText(const QString& text);
    // The reason given for a text too long to send.
    static QString tooLong(qsizetype characters);

signals:
    // The translation as it is to be shown.
    void finished(const QString& shown);
    void failed(TranslationPipeline::Fault fault, const QString& detail);

private:
    void onStateChanged(int state);
    void onStalled();
    void fail(Fault fault, const QString& detail = QString());
    void stopTimer();

    StatusPolicy m_policy = StatusPolicy::AnyStatus;
    QTimer m_ownTimer;
    QPointer<QTimer> m_timer;
    QMetaObject::Connection m_timerConnection;
    QPointer<InetTransfer> m_transfer;
    QString m_server;
    // What the engine says about its answer, kept from the lookup.
    std::optional<QString> m_tokenBefore, m_tokenAfter;
    QString m_decode;
    bool m_running = false;
    bool m_collecting = false;
    // Cleared by the destructor: the collection lets events run, and they
    // may destroy this object; the loop holds a copy to learn so.
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
};
