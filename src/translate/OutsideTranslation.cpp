#include "translate/OutsideTranslation.h"

#include <QPointer>
#include <utility>

#include "translate/TranslateCommand.h"

OutsideTranslation::OutsideTranslation(Translator& translator, Translator::Origin origin,
                                       QObject* parent)
    : QObject(parent), m_translator(translator), m_origin(origin) {}

OutsideTranslation::~OutsideTranslation() {
    cancel();
}

QString OutsideTranslation::noPairText() {
    return tr("Choose a language pair in the main window first.");
}

QString OutsideTranslation::noTextText() {
    return tr("There is no text to translate.");
}

void OutsideTranslation::start(const QString& engine, const QString& pair, const QString& text) {
    cancel();
    if (engine.isEmpty() || pair.isEmpty()) return emit failed(noPairText());
    if (text.isEmpty()) return emit failed(noTextText());
    Translator::Request request;
    request.engine = engine;
    request.pair = pair;
    request.text = text;
    request.origin = m_origin;
    request.cancel = std::make_shared<Translator::Cancel>();
    m_cancel = request.cancel;
    run(std::move(request));
}

QCoro::Task<> OutsideTranslation::run(Translator::Request request) {
    const QPointer<OutsideTranslation> self(this);
    // A named job: GCC 12 destroys the temporaries of a co_await
    // expression (here the request's copy) twice.
    QCoro::Task<Translator::Result> job = m_translator.translate(request);
    const Translator::Result result = co_await job;
    if (!self || result.fault == Translator::Fault::Cancelled) co_return;
    m_cancel.reset();
    if (result.ok()) co_return emit finished(result.shown);
    if (result.fault == Translator::Fault::Limit) co_return emit failed(result.detail);
    emit failed(TranslateCommand::failureText(result.fault, result.detail, result.server));
}

bool OutsideTranslation::cancel() {
    if (!m_cancel) return false;
    (*std::exchange(m_cancel, nullptr))();
    return true;
}
