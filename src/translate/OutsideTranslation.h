#pragma once

#include <QCoro/QCoroTask>
#include <QObject>
#include <QString>
#include <memory>

#include "translate/Translator.h"

// One translation asked for outside the main window (the selection popup,
// D-Bus) with the window's engine and pair: a job of the Translator of its
// own, so the window's command goes on undisturbed, under the shared
// per-run limit, and with the window's status texts. The window takes
// whatever page comes; so does this.
//
// start() reports once, through finished() or failed(), and may do so
// before it returns (nothing to translate, the limit reached, nothing
// sent). cancel() and destroying the object end it without either.
class OutsideTranslation : public QObject {
    Q_OBJECT
public:
    OutsideTranslation(Translator& translator, Translator::Origin origin,
                       QObject* parent = nullptr);
    ~OutsideTranslation() override;

    void start(const QString& engine, const QString& pair, const QString& text);
    bool cancel();
    bool isRunning() const { return m_cancel != nullptr; }

    // The status texts of a translation that cannot start.
    static QString noPairText();
    static QString noTextText();

signals:
    void finished(const QString& shown);
    // The sentence the window's status line would show, or the document's
    // limit message.
    void failed(const QString& status);

private:
    QCoro::Task<> run(Translator::Request request);

    Translator& m_translator;
    Translator::Origin m_origin;
    std::shared_ptr<Translator::Cancel> m_cancel;
};
