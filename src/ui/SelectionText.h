#pragma once

#include <QString>
#include <functional>

class QObject;

// What the user has selected or copied anywhere on the desktop. The program
// never waits for it: on X11 the text comes from the program that owns the
// selection, which may be slow or stopped, so it is asked on a connection of
// our own and the answer comes through the event loop.
namespace SelectionText {

enum class Source {
    Selection,  // X11's PRIMARY selection, or the clipboard when that is empty or there is none
    Clipboard,
};
struct Result {
    QString text;
    bool ownerSilent = false;  // the owner did not hand the text over in time
};
using Done = std::function<void(const Result&)>;

// How long the owner of a selection has to hand its text over.
inline constexpr int answerWaitMs = 2000;

// Reads source and calls done once with what came (text that is not valid
// UTF-8 comes decoded the clipboard's way), unless context is gone by then.
// Where nobody else can hold the program up (no X11) the text is read at
// once, and done is called before read returns.
void read(Source source, QObject* context, const Done& done);

// Wayland hands the selection and the clipboard only to the window that
// has the keyboard; X11 to anyone.
bool readableOnlyWithFocus();

}  // namespace SelectionText
