#pragma once

#include <QFrame>
#include <QPoint>
#include <optional>

#include "platform/Platform.h"
#include "speech/ISpeakView.h"

struct Globals;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class SpeakCommand;

// The small window that shows a translation asked for outside the main
// window: the source text, its translation (or what went wrong, or that
// there was nothing to translate) and a status line. Frameless, near the
// pointer, and resizable by its corner grip. Ctrl+Shift+C copies the
// translation to the clipboard, Ctrl+Shift+S speaks it (as the main window
// does, through a speak command of its own), Ctrl+B asks for it translated
// back (shown under it), Ctrl+O opens both texts in the
// main window, Escape silences the speaking or else closes it, and leaving
// it for another window closes it too. It only shows; the translation
// itself is run by TranslateAnywhere.
class SelectionPopup : public QFrame, public ISpeakView {
    Q_OBJECT
public:
    SelectionPopup(const Globals& globals, Platform platform, QWidget* parent = nullptr);
    ~SelectionPopup() override;

    // Busy: the source, no translation yet, and the status line saying so.
    void showBusy(const QString& source, const QString& status);
    void showTranslation(const QString& translation, const QString& status);
    // The translation translated back, under the translation (empty hides
    // it again), and the status line.
    void showBack(const QString& back, const QString& status);
    // Only the status line changes.
    void showStatus(const QString& status);
    // Nothing to show but the status line (a failure, nothing selected).
    void showFailure(const QString& status);
    // The engine and pair of the translation shown next, for speaking it.
    void setEngineAndPair(const QString& engine, const QString& pair);
    bool isBusy() const { return m_busy; }
    // The source can be corrected (a text read from the screen): Ctrl+Enter
    // in it asks for its translation again through sourceEdited().
    void setSourceEditable(bool editable);

    QString sourceText() const { return m_source; }
    QString translation() const { return m_translation; }

    // Shows and activates the window near the pointer, on the pointer's
    // screen; centred on the primary screen when the pointer is not known.
    void popUp(std::optional<QPoint> pointer);
    // Where the window goes for a pointer, within the screen's free area.
    static QPoint placeNear(QPoint pointer, QSize size, QRect available);

    // Puts the translation on the clipboard; nothing without one.
    void copyTranslation();
    SpeakCommand& speakCommand() { return *m_speak; }

    // ISpeakView: the translation shown, with its engine and pair.
    QString speakText() const override { return m_translation; }
    QString speakEngine() const override { return m_engine; }
    QString speakPair() const override { return m_pair; }
    void setSpeakStatus(const QString& text) override;

    // The longest part of a source text the window shows; the whole text
    // goes to the main window.
    static constexpr int shownSourceLimit = 10000;

    QPlainTextEdit* txtPopupFrom = nullptr;
    QPlainTextEdit* txtPopupTo = nullptr;
    QPlainTextEdit* txtPopupBack = nullptr;  // hidden until Ctrl+B
    QLabel* lblPopupStatus = nullptr;
    QPushButton* cmdPopupOpen = nullptr;
    QPushButton* cmdPopupCopy = nullptr;

signals:
    // The user asked for the texts in the main window.
    void openInWindow(const QString& source, const QString& translation);
    // Ctrl+B: the translation shown, translated back.
    void backRequested();
    // The window was closed (Escape, another window took over, Open).
    void closed();
    // Ctrl+Enter in the editable source: translate this text instead.
    void sourceEdited(const QString& text);

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void setSource(const QString& source);
    // Escape: what is being said first, the window after.
    void escape();

    Platform m_platform;
    SpeakCommand* m_speak = nullptr;
    QString m_source;
    QString m_translation;
    QString m_engine, m_pair;
    bool m_busy = false;
    bool m_wasActive = false;
};
