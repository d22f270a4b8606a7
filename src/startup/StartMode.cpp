#include "startup/StartMode.h"

#include <QCoreApplication>

#include "config/ConfigDocument.h"
#include "config/Failure.h"
#include "startup/CommandLine.h"

StartMode StartMode::decide(const std::optional<QString>& trayAttribute, const QString& commandLine,
                            bool trayAvailable) {
    StartMode mode;
    mode.tray = trayAttribute == QStringLiteral("1") && !CommandLine::hasDebugSwitch(commandLine) &&
                trayAvailable;
    mode.balloon = mode.tray && !CommandLine::hasStartupSwitch(commandLine);
    return mode;
}

StartMode StartMode::decide(const ConfigDocument& doc, const QString& commandLine,
                            bool trayAvailable) {
    const ConfigElement features = doc.selectSingleNode(ConfigDocument::featuresQuery());
    if (features.isNull())
        throw Failure(
            QCoreApplication::translate("StartMode", "the document has no Features element"));
    return decide(features.getAttribute("tray"), commandLine, trayAvailable);
}
