#pragma once

#include <QCoreApplication>
#include <QString>
#include <optional>

#include "cli/HeadlessTranslation.h"

class QCommandLineParser;
class QIODevice;

// The options of the headless mode:
//   --translate TEXT [--engine NAME] [--pair NAME|auto [--to CODE]] [--back]
//                                          ("-" reads standard input)
//   --detect [TEXT|-]
//   --list
//   --history [--search WORD] [--format tsv|csv]   (cli/HistoryCommandLine)
class HeadlessCommandLine {
    Q_DECLARE_TR_FUNCTIONS(HeadlessCommandLine)

public:
    static void addOptions(QCommandLineParser& parser);
    // True when the parsed line asks for the headless mode.
    static bool isRequested(const QCommandLineParser& parser);

    // The request the parsed line describes, reading the text from input for
    // "--translate -" (UTF-8, to its end, without the last line's line
    // break). Nothing, with the reason in *error, for a misuse.
    static std::optional<HeadlessRequest> request(const QCommandLineParser& parser,
                                                  QIODevice& input, QString* error);

    // Runs the parsed line against standard input, output and error and
    // gives the exit code once done. Needs a QCoreApplication whose loop
    // runs the job (and no more).
    static QCoro::Task<int> run(const QCommandLineParser& parser);
};
