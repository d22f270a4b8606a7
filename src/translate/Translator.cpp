#include "translate/Translator.h"

#include <QPointer>
#include <utility>

#include "config/ConfigDocument.h"
#include "config/Failure.h"
#include "config/Globals.h"

Translator::Translator(const Globals& globals, QObject* parent)
    : QObject(parent), m_globals(globals) {}

bool Translator::limitReached() const {
    return qint64(m_done) + m_running >= m_globals.service.maxTranslations();
}

QCoro::Task<Translator::Result> Translator::translate(Request request) {
    Result refused;
    try {
        if (limitReached()) {
            refused.fault = Fault::Limit;
            const ConfigElement messages =
                m_globals.gelmMessages ? m_globals.gelmMessages : m_globals.service.messages();
            refused.detail = messages.requireText("maxtranslation");
            co_return refused;
        }
    } catch (const Failure& e) {
        refused.fault = Fault::Unusable;
        refused.detail = e.message();
        co_return refused;
    }

    const QPointer<Translator> self(this);
    // Reserved until the job ends, or given back the moment it is cancelled.
    ++m_running;
    const auto reserved = std::make_shared<bool>(true);
    const auto release = [self, reserved] {
        if (!std::exchange(*reserved, false) || !self) return;
        --self->m_running;
    };
    if (request.cancel) request.cancel->whenCancelled(release);
    TranslationPipeline::Options options;
    options.policy = request.policy;
    options.stallTimeout = request.stallTimeout;
    options.cancel = request.cancel;
    // A named job: GCC 12 destroys the temporaries of a co_await
    // expression (here the copies of the texts and options) twice.
    QCoro::Task<Result> job = TranslationPipeline::run(m_globals.service, request.engine,
                                                       request.pair, request.text, options);
    Result result = co_await job;
    release();
    if (!self) co_return result;
    if (result.ok()) {
        ++m_done;
        emit translated(request, result.shown);
    }
    co_return result;
}
