#pragma once

#include <QString>
#include <QStringList>

class QCommandLineParser;

// What the program's arguments ask for, decided before any application object
// exists: "--help" and "--version" must work without a display and without
// touching the settings or the network.
//
// Only the options listed here are recognised; anything else, unknown options
// included, is left alone and the window starts as usual. The old switches
// "/startup" and "/debug" are not options: the start-up reads them from the
// whole line later (startup/CommandLine).
struct AppCommand {
    enum class Kind {
        RunWindow,     // the usual start
        PrintAndExit,  // print `output` to standard output, end with `exitCode`
        Headless,      // translate or list without a window (cli/HeadlessCommandLine)
    };
    Kind kind = Kind::RunWindow;
    QString output;
    int exitCode = 0;
    // --translate-selection: the popup with the selection, in the running
    // copy (or in this one once its window is loaded).
    bool translateSelection = false;
    // --translate-screen-area: the area picker, then the popup, likewise.
    bool translateScreenArea = false;
    // The headless mode reads the screen (--read-screen): it needs a display.
    bool headlessNeedsDisplay = false;
};

namespace AppCommandLine {

// arguments[0] is the program's name.
AppCommand parse(const QStringList& arguments);

// Every option the program knows, and how single-dash words are read; the
// headless mode parses its line with the same description.
void describe(QCommandLineParser& parser);

// argv as text, the way QCoreApplication would read it, for use before one
// exists.
QStringList argumentsOf(int argc, const char* const* argv);

QString helpText();
QString versionText();  // "RaDudezozad (Parlamo) 3.1.108"

}  // namespace AppCommandLine
