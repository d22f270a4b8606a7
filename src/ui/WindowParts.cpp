#include "ui/WindowParts.h"

#include <QAction>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

#include "config/Globals.h"
#include "speech/HearItCommand.h"
#include "speech/SpeakCommand.h"
#include "translate/TranslateCommand.h"
#include "ui/TranslateAnywhere.h"
#include "ui/TranslationHistory.h"
#include "ui/frmTranslate.h"

WindowParts::WindowParts(frmTranslate& window, frmTranslateUi& ui, Globals& globals,
                         Platform platform)
    : m_window(window), m_ui(ui) {
    m_translator = std::make_unique<Translator>(globals);
    m_translate = std::make_unique<TranslateCommand>(window, globals, *m_translator, platform);
    m_hearIt = std::make_unique<HearItCommand>(window, globals, platform);
    m_speak = std::make_unique<SpeakCommand>(window, globals, platform);
    m_history = std::make_unique<TranslationHistory>(globals.gobjRegistry.get(), &*platform.dialogs,
                                                     &window);
    m_anywhere = std::make_unique<TranslateAnywhere>(window, *m_translator, globals, platform);
    connect(&window, &frmTranslate::unloading, m_anywhere.get(),
            &TranslateAnywhere::windowUnloading);
    connectControls();
}

WindowParts::~WindowParts() = default;

void WindowParts::connectControls() {
    connect(m_ui.cmdHearIt, &QPushButton::clicked, m_hearIt.get(), &HearItCommand::cmdHearIt_Click);
    connect(m_ui.mnuHistory, &QAction::triggered, m_history.get(), &TranslationHistory::showWindow);
    connect(m_ui.mnuSelectionShortcut, &QAction::triggered, m_anywhere.get(),
            &TranslateAnywhere::chooseShortcut);
    connect(m_ui.mnuScreenAreaShortcut, &QAction::triggered, m_anywhere.get(),
            &TranslateAnywhere::chooseAreaShortcut);
    connect(m_ui.mnuTrayScreenArea, &QAction::triggered, m_anywhere.get(),
            &TranslateAnywhere::translateScreenArea);
    connect(m_history.get(), &TranslationHistory::entryChosen, &m_window, &frmTranslate::putBack);
    connect(m_history.get(), &TranslationHistory::wentOff, this, [this] {
        // Said once, as soon as the write failed, after whatever the status
        // line says; while a command runs, when the window is idle again.
        if (m_ui.cmdTranslate->isEnabled()) m_window.showHistoryNotice(m_history->takeOffNotice());
    });
    // Every translation of this program, whichever way it came in, is kept
    // here, once.
    connect(m_translator.get(), &Translator::translated, this, &WindowParts::recordTranslation);
    // Exit while a command waits: end it now rather than keep a program
    // without a window running until the server is done.
    connect(&m_window, &frmTranslate::unloading, this, &WindowParts::cancelCommand);
    m_ui.txtHearIt->installEventFilter(this);
    // Escape ends a running Translate or Hear It command, or else the
    // speaking of a translation and any sound.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), &m_window), &QShortcut::activated, this,
            &WindowParts::cancelCommand);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), &m_window),
            &QShortcut::activated, m_speak.get(), &SpeakCommand::speak);
}

bool WindowParts::eventFilter(QObject* watched, QEvent* event) {
    // Only the user moving into the word box clears it: the focus coming
    // back with the window or from a closed menu leaves the word alone.
    if (watched == m_ui.txtHearIt && event->type() == QEvent::FocusIn) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            m_hearIt->txtHearIt_GotFocus();
    }
    return QObject::eventFilter(watched, event);
}

void WindowParts::recordTranslation(const Translator::Request& request, const QString& shown) {
    m_history->record(request.engine, request.pair, request.text, shown);
}

QString WindowParts::takeHistoryNotice() {
    return m_history ? m_history->takeOffNotice() : QString();
}

void WindowParts::cancelCommand() {
    if (!m_translate->cancel() && !m_hearIt->cancel()) m_speak->stop();
}
