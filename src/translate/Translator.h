#pragma once

#include <QCoro/QCoroTask>
#include <QObject>
#include <QString>
#include <cstdint>
#include <memory>

#include "translate/TranslationPipeline.h"

struct Globals;

// The program's one way to translate: every way in (the window, the popup,
// D-Bus, the command line) hands it a value request and gets one value
// result. It holds the per-run limit (the Features maxtranslation): a
// translation is reserved when it starts and counted when it succeeds, so
// those still running count as made and no way in can pass the limit
// together with another.
class Translator : public QObject {
    Q_OBJECT
public:
    using Fault = TranslationPipeline::Fault;
    using Result = TranslationPipeline::Result;
    using Cancel = TranslationPipeline::Cancel;

    enum class Origin { Window, Popup, DBus, CommandLine };
    struct Request {
        QString engine;
        QString pair;
        QString text;
        Origin origin = Origin::Window;
        TranslationPipeline::StatusPolicy policy = TranslationPipeline::StatusPolicy::AnyStatus;
        std::chrono::milliseconds stallTimeout = HttpLimits::translationStallTimeout;
        // Optional: lets the caller break the translation off.
        std::shared_ptr<Cancel> cancel;
    };

    explicit Translator(const Globals& globals, QObject* parent = nullptr);

    // The job of one translation. Refused at once, sending nothing, with
    // Fault::Limit (detail: the document's limit message) when the limit is
    // reached, or Fault::Unusable when the document cannot tell the limit
    // or has no message for it. The job may outlive this object: it then ends
    // without counting.
    QCoro::Task<Result> translate(Request request);

    // Whether a translation started now would be refused by the limit.
    // Throws Failure when the document cannot tell.
    bool limitReached() const;

    // Translations completed in this run, and those still running.
    std::int32_t translations() const { return m_done; }
    std::int32_t running() const { return m_running; }

signals:
    // A translation has succeeded and was counted.
    void translated(const Translator::Request& request, const QString& shown);

private:
    const Globals& m_globals;
    std::int32_t m_done = 0;
    std::int32_t m_running = 0;
};
