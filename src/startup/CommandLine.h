#pragma once

#include <QString>
#include <QStringList>

// The command line as the program sees it: the text after the program's
// name. The two switches are case-sensitive substring tests.
class CommandLine {
public:
    // The arguments after the program's name (arguments[0]), joined with
    // single spaces.
    static QString fromArguments(const QStringList& arguments);

    // "/startup" anywhere in the line after leading and trailing spaces are
    // removed. The start entry passes it.
    static bool hasStartupSwitch(const QString& commandLine);
    // "/debug" anywhere in the whole line.
    static bool hasDebugSwitch(const QString& commandLine);
};
