#pragma once

#include <QCoreApplication>
#include <QString>

class QCommandLineParser;
class QTextStream;

// The history for other programs, without a window and without writing
// anything:
//   --history [--search WORD] [--format tsv|csv]
// prints the stored translations newest first (see HistoryExport for the
// formats); --search keeps those whose text or translation holds WORD in
// any letter case, as the History window's search box does.
class HistoryCommandLine {
    Q_DECLARE_TR_FUNCTIONS(HistoryCommandLine)

public:
    static void addOptions(QCommandLineParser& parser);
    // True when the parsed line names one of these options.
    static bool isRequested(const QCommandLineParser& parser);

    // Prints the history of the database at path (empty: the program's own)
    // and gives the exit code: 0, also for a history not yet made; 1 when
    // the database cannot be read (damaged, locked, not a file); 2 for a
    // misuse. A failure is one line on err and nothing on out.
    static int run(const QCommandLineParser& parser, QTextStream& out, QTextStream& err,
                   const QString& databasePath = QString());
};
