#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>

#include "platform/Platform.h"
#include "service/EngineLists.h"
#include "ui/SelectionText.h"

struct Globals;
class IAnywhereHost;
class OutsideTranslation;
class SelectionPopup;
class ShortcutDialog;
class Translator;
class TextRecognizer;
class QImage;

// Translations asked for outside the main window: the selection shortcut
// and the popup it opens (for the selection or the clipboard), and the texts
// D-Bus callers send. Each runs as an OutsideTranslation with the window's
// current engine and pair (in the popup and for translateAuto, the pair
// language detection picks: language/PairRule) through the program's one
// Translator, which counts it toward the per-run limit and from which the
// history keeps it. The shortcut is the settings key
// selectionShortcut (Ctrl+Alt+E when absent, none when empty), held through
// the platform's IGlobalShortcut. The screen area shortcut (screenAreaShortcut,
// Ctrl+Alt+O) lets the user pick an area of the screen whose text is read
// (ocr/TextRecognizer, in the language of the pair's source) and translated
// in the popup, where the text read can be corrected and translated again.
class TranslateAnywhere : public QObject {
    Q_OBJECT
public:
    TranslateAnywhere(IAnywhereHost& window, Translator& translator, const Globals& globals,
                      Platform platform);
    ~TranslateAnywhere() override;

    // Takes the stored shortcut; once the window is loaded.
    void start();
    // The window unloads: the shortcuts are let go, a reading stops and the
    // popup closes.
    void windowUnloading();

    // The shortcut as stored (portable key text; empty: none).
    QString shortcut() const;
    // Stores a new shortcut and takes it in place of the old one; empty
    // turns it off. A key that cannot be had is said in the status line.
    void setShortcut(const QString& key);
    // Options > Selection Shortcut...: the dialog, modal to the window, is
    // shown and this returns at once (a screen reader's action on the menu
    // entry gets its answer); the key is taken when it is accepted.
    void chooseShortcut();
    // The same for the screen area shortcut (Options > Screen Area Shortcut...).
    QString areaShortcut() const;
    void setAreaShortcut(const QString& key);
    void chooseAreaShortcut();

    // The popup with the desktop's selection (PRIMARY, else the clipboard),
    // with the clipboard, or with a text.
    void translateSelection();
    void translateClipboard();
    void translateInPopup(const QString& text);
    // The user picks an area of the screen; the popup says it is reading,
    // then shows the text read and its translation.
    void translateScreenArea();
    void translateImage(const QImage& image);

    // A text from another program (D-Bus): done gets, once, either true and
    // the translation or false and what the status line would say.
    using Reply = std::function<void(bool ok, const QString& text)>;
    void translate(const QString& text, const Reply& done);
    // The same with the pair picked by the text's language; a target code
    // asks for the pair from that language into it, and without one a text
    // whose language or pair cannot be told is refused.
    void translateAuto(const QString& text, const QString& target, const Reply& done);
    // Ctrl+B in the popup: its translation with the reverse pair, shown
    // under it.
    void translateBack();

    // The popup; null until it was first needed.
    SelectionPopup* popup() const;

    // Where the selection can only be read by the active window, how long
    // the popup waits to become active before it reads anyway.
    static constexpr int activationWaitMs = 2000;

signals:
    // The popup shows a translation (for the benchmark and tests).
    void popupTranslated();

private:
    struct Choice {
        QString engine, pair;
    };
    // The two global keys, each in its settings key and held by its seam.
    enum class GlobalKey { Selection, ScreenArea };
    QString storedKey(GlobalKey which) const;
    void storeKey(GlobalKey which, const QString& key);
    // Asks the platform for the key; a refusal goes to the status line.
    void hold(GlobalKey which, const QString& key);
    Choice currentChoice() const;
    // The engine's pairs with their codes; none when the document cannot
    // say.
    QList<EngineLists::Pair> pairsOf(const QString& engine) const;
    // The choice for a text by its language, and the line that says so.
    Choice detectedChoice(const QString& text, QString* line) const;
    void translateWith(const Choice& choice, const QString& text, const Reply& done);
    // A popup's translation (popup) or a D-Bus caller's.
    OutsideTranslation* newTranslation(QObject* parent, bool popup);
    void sayInStatusLine(const QString& text);
    SelectionPopup& ensurePopup();
    // Opens the popup for text; for an empty one it says whenEmpty and
    // sends nothing.
    void popUpWith(const QString& text, const QString& whenEmpty, bool move = true);
    // Opens the popup for what source holds: read at once (the program goes
    // on while its owner hands it over), or, where only the active window
    // may read it, once the popup is active (saying `reading` meanwhile).
    void popUpReading(SelectionText::Source source, const QString& reading,
                      const QString& whenEmpty);

    IAnywhereHost& m_window;
    Translator& m_translator;
    const Globals& m_globals;
    Platform m_platform;
    QPointer<SelectionPopup> m_popup;
    QPointer<ShortcutDialog> m_shortcutDialog;
    QPointer<OutsideTranslation> m_popupTranslation;
    Choice m_popupChoice;                    // of the translation the popup shows
    TextRecognizer* m_recognizer = nullptr;  // made at the first reading
    // Each wait for the popup to become active; a newer one or closing the
    // popup ends the earlier.
    quint64 m_readings = 0;
};
