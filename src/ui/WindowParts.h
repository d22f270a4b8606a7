#pragma once

#include <QObject>
#include <QString>
#include <memory>

#include "platform/Platform.h"
#include "translate/Translator.h"

struct Globals;
struct frmTranslateUi;
class frmTranslate;
class HearItCommand;
class SpeakCommand;
class TranslateAnywhere;
class TranslateCommand;
class TranslationHistory;

// What the main window works with but is not: the one Translator, the
// Translate, Hear It and Speak commands, the history and the translations
// asked for outside the window. Made with the window, they see it only
// through its view interfaces; the buttons, menu entries and keys that start
// them are connected here, not in the window.
class WindowParts : public QObject {
    Q_OBJECT
public:
    WindowParts(frmTranslate& window, frmTranslateUi& ui, Globals& globals, Platform platform);
    ~WindowParts() override;

    Translator& translator() { return *m_translator; }
    TranslateCommand& translateCommand() { return *m_translate; }
    HearItCommand& hearItCommand() { return *m_hearIt; }
    SpeakCommand& speakCommand() { return *m_speak; }
    TranslateAnywhere& anywhere() { return *m_anywhere; }

    // The history's notice that came while the window was busy; empty when
    // there is none, or the history has already gone with the window.
    QString takeHistoryNotice();

    // Ends the running Translate or Hear It command (Escape, or the window
    // is going); with none running, the speaking of a translation and any
    // sound.
    void cancelCommand();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectControls();
    void recordTranslation(const Translator::Request& request, const QString& shown);

    frmTranslate& m_window;
    frmTranslateUi& m_ui;
    // Made in this order; gone in the reverse one, so a command that ends
    // as it goes finds the history already gone.
    std::unique_ptr<Translator> m_translator;
    std::unique_ptr<TranslateCommand> m_translate;
    std::unique_ptr<HearItCommand> m_hearIt;
    std::unique_ptr<SpeakCommand> m_speak;
    std::unique_ptr<TranslationHistory> m_history;
    std::unique_ptr<TranslateAnywhere> m_anywhere;
};
