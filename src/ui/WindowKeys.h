#pragma once

class QWidget;
struct frmTranslateUi;
struct Globals;

// The main window's keys that have no control of their own: Ctrl+R turns
// the language pair round, Ctrl+Shift+C copies the translation to the
// clipboard, Ctrl+D (and Options > Detect Language) picks the pair for the
// source text's language. The tooltips of the pair list and the result box
// name them.
namespace WindowKeys {

void install(QWidget& window, frmTranslateUi& ui, const Globals& globals);

// Selects the pair that translates the other way (see ReversePair). False,
// and nothing changes, when there is none or the window is busy.
bool reversePair(frmTranslateUi& ui, const Globals& globals);

// Selects the pair for the source text's language (language/PairRule) as
// a click in the list would, and says in the status line what it found.
// Nothing while the window is busy.
void detectLanguage(frmTranslateUi& ui, const Globals& globals);

// Puts the translation on the clipboard; false when the box is empty.
bool copyTranslation(const frmTranslateUi& ui);

}  // namespace WindowKeys
