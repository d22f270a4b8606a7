#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include "translate/TranslationPipeline.h"

struct Globals;
class TranslateCommand;

// One translation asked for outside the main window (the selection popup,
// D-Bus) with the window's engine and pair: a TranslationPipeline of its
// own, so the window's command goes on undisturbed, under the window's
// per-run limit and count, and with its status texts. The window takes
// whatever page comes; so does this.
//
// start() reports once, through finished() or failed(), and may do so
// before it returns (nothing to translate, the limit reached, nothing
// sent). cancel() and destroying the object end it without either.
class OutsideTranslation : public QObject {
    Q_OBJECT
public:
    OutsideTranslation(TranslateCommand& window, const Globals& globals, QObject* parent = nullptr);
    ~OutsideTranslation() override;

    void start(const QString& engine, const QString& pair, const QString& text);
    bool cancel();
    bool isRunning() const { return m_reserved; }

    // The status texts of a translation that cannot start.
    static QString noPairText();
    static QString noTextText();

signals:
    void finished(const QString& shown);
    // The sentence the window's status line would show, or the document's
    // limit message.
    void failed(const QString& status);

private:
    void end(bool translated);

    TranslateCommand& m_window;
    const Globals& m_globals;
    QPointer<TranslationPipeline> m_pipeline;
    bool m_reserved = false;
};
