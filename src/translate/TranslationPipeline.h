#pragma once

#include <QCoreApplication>
#include <QCoro/QCoroTask>
#include <QString>
#include <chrono>
#include <functional>
#include <memory>

#include "net/HttpLimits.h"

class ServiceDocument;
class HttpTransfer;

// One translation, the same for every way in (the Translator runs it for
// each of them): it looks the engine and the language pair up in the
// service document, builds the request, sends it once, decodes the answer's
// charset, cuts the translation out between the engine's markers and
// applies its decode attribute. The outcome is one value.
class TranslationPipeline {
    Q_DECLARE_TR_FUNCTIONS(TranslationPipeline)

public:
    // What went wrong; the adapters put it in their own words.
    enum class Fault {
        None,
        Unusable,       // the document cannot answer the lookups (detail: why); nothing sent
        NotSent,        // the request cannot be started (detail: why); nothing sent
        Unreachable,    // the transfer failed or was cut short (detail: its reason)
        HttpStatus,     // an error status where only success counts (detail: the status)
        TimedOut,       // nothing arrived within the stall time-out
        NoTranslation,  // the engine's markers are not in the answer, or it names none
        Limit,          // the per-run limit is reached (detail: the document's message, if any)
        Cancelled,      // broken off by its owner; nothing of it is shown
    };

    // Whether an HTTP error status ends the translation. The window takes
    // whatever page comes (an error page goes through the markers like any
    // other); the command line refuses anything but a 2xx status.
    enum class StatusPolicy { AnyStatus, SuccessOnly };

    struct Result {
        QString shown;  // the translation as it is to be shown, when fault is None
        Fault fault = Fault::None;
        QString detail;
        QString server;  // the engine's server as messages name it, once known
        bool ok() const { return fault == Fault::None; }
    };

    // Breaks a running translation off: its transfer is aborted at once and
    // its result says Cancelled. Shared by the owner and the job, so either
    // may go first.
    class Cancel {
    public:
        void operator()();
        bool requested() const { return m_requested; }
        // Called once, at the moment of cancelling (the Translator gives the
        // job's place under the limit back at once).
        void whenCancelled(std::function<void()> f) { m_whenCancelled = std::move(f); }

    private:
        friend class TranslationPipeline;
        bool m_requested = false;
        HttpTransfer* m_running = nullptr;
        std::function<void()> m_whenCancelled;
    };

    struct Options {
        StatusPolicy policy = StatusPolicy::AnyStatus;
        // Restarted by every piece of the answer that arrives.
        std::chrono::milliseconds stallTimeout = HttpLimits::translationStallTimeout;
        std::shared_ptr<Cancel> cancel;
    };
    static constexpr int defaultStallTimeoutMs =
        static_cast<int>(HttpLimits::translationStallTimeout.count());

    // Looks up the engine and the pair by the Translate command's queries
    // and sends text, its line breaks as CR LF. The document is read only
    // before the job first waits. A request address longer than
    // HttpLimits::maxRequestAddress is not sent (NotSent, see tooLong()).
    static QCoro::Task<Result> run(const ServiceDocument& doc, QString engine, QString pair,
                                   QString text, Options options);

    // Every line break, whatever its form, as carriage return and line feed:
    // how a typed line break is sent.
    static QString withCrLf(QString text);
    // The text as a request address carries it: line breaks as CR LF, then
    // UrlEncode in the system's code page. The translation request and
    // anything else that sends a text of the user's use this one encoding.
    static QString encodedText(const QString& text);
    // The reason given for a text too long to send.
    static QString tooLong(qsizetype characters);
};
