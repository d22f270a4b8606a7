#include "translate/OutsideTranslation.h"

#include "config/Failure.h"
#include "config/Globals.h"
#include "translate/TranslateCommand.h"

OutsideTranslation::OutsideTranslation(TranslateCommand& window, const Globals& globals,
                                       QObject* parent)
    : QObject(parent), m_window(window), m_globals(globals) {}

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
    const ConfigDocument* doc = m_globals.gdocConfig.get();
    if (!doc)
        return emit failed(TranslateCommand::failureText(
            TranslationPipeline::Fault::Unusable, tr("no configuration document"), QString()));
    try {
        const QString limit = m_window.reserveOutside();
        if (!limit.isEmpty()) return emit failed(limit);
    } catch (const Failure& e) {
        return emit failed(TranslateCommand::failureText(TranslationPipeline::Fault::Unusable,
                                                         e.message(), QString()));
    }
    m_reserved = true;

    m_pipeline = new TranslationPipeline(this);
    connect(m_pipeline, &TranslationPipeline::finished, this, [this](const QString& shown) {
        end(true);
        emit finished(shown);
    });
    connect(m_pipeline, &TranslationPipeline::failed, this,
            [this](TranslationPipeline::Fault fault, const QString& detail) {
                const QString server = m_pipeline ? m_pipeline->serverName() : QString();
                end(false);
                emit failed(TranslateCommand::failureText(fault, detail, server));
            });
    TranslationPipeline::Failed why;
    if (!m_pipeline->start(*doc, engine, pair, text, &why)) {
        end(false);
        emit failed(TranslateCommand::failureText(why.fault, why.detail, QString()));
    }
}

bool OutsideTranslation::cancel() {
    if (!m_reserved) return false;
    end(false);
    return true;
}

void OutsideTranslation::end(bool translated) {
    if (m_reserved) m_window.endOutside(translated);
    m_reserved = false;
    if (TranslationPipeline* old = m_pipeline) {
        m_pipeline = nullptr;
        disconnect(old, nullptr, this, nullptr);
        old->cancel();
        // It may be the sender of the signal being handled right now.
        old->deleteLater();
    }
}
