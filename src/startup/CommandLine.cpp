#include "startup/CommandLine.h"

QString CommandLine::fromArguments(const QStringList& arguments) {
    return arguments.mid(1).join(QLatin1Char(' '));
}

bool CommandLine::hasStartupSwitch(const QString& commandLine) {
    return commandLine.trimmed().contains(QStringLiteral("/startup"), Qt::CaseSensitive);
}

bool CommandLine::hasDebugSwitch(const QString& commandLine) {
    return commandLine.contains(QStringLiteral("/debug"), Qt::CaseSensitive);
}
