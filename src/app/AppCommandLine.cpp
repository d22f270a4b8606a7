#include "app/AppCommandLine.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>

#include "cli/HeadlessCommandLine.h"
#include "cli/ImageCommandLine.h"
#include "platform/AppInfo.h"

namespace AppCommandLine {

namespace {

// The installed command's name; the running file may be a renamed copy, but
// the help and the version speak of the program.
const QString programName = QStringLiteral("RaDudezozad");

// Made afresh each time: the help is described again once the
// translations are installed.
QCommandLineOption helpOption() {
    return {{QStringLiteral("h"), QStringLiteral("help")},
            QCoreApplication::translate("AppCommandLine", "Show this help and exit.")};
}

QCommandLineOption versionOption() {
    return {{QStringLiteral("v"), QStringLiteral("version")},
            QCoreApplication::translate("AppCommandLine", "Show the version and exit.")};
}

QCommandLineOption translateSelectionOption() {
    return {QStringLiteral("translate-selection"),
            QCoreApplication::translate(
                "AppCommandLine",
                "Translate the selected text in a small window (the running program's, "
                "or this one's once its window is loaded). Meant for a desktop shortcut.")};
}

QCommandLineOption translateScreenAreaOption() {
    return {QStringLiteral("translate-screen-area"),
            QCoreApplication::translate(
                "AppCommandLine",
                "Pick an area of the screen, read its text and translate it in a small window "
                "(the running program's, or this one's once its window is loaded).")};
}

}  // namespace

void describe(QCommandLineParser& parser) {
    // "-help" means --help, not -h -e -l -p; a word that merely starts with
    // "-h" or "-v" must not end the program.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QCoreApplication::translate(
        "AppCommandLine",
        "Parlamo, a desktop client for online translation. At every start it fetches its\n"
        "service configuration from the configuration server (built in; override it with\n"
        "PARLAMO_CONFIG_HOST=host[:port]).\n"
        "Proxies come from http_proxy, https_proxy, all_proxy and no_proxy (also\n"
        "HTTPS_PROXY, ALL_PROXY, NO_PROXY), as curl reads them; without any of them, from\n"
        "the desktop's proxy setting.\n"
        "Without --help, --version, --translate, --list or --history the window starts,\n"
        "and other options are ignored. See RaDudezozad(1)."));
    parser.addOption(helpOption());
    parser.addOption(versionOption());
    HeadlessCommandLine::addOptions(parser);
    parser.addOption(translateSelectionOption());
    parser.addOption(translateScreenAreaOption());
    parser.addPositionalArgument(
        QStringLiteral("/startup"),
        QCoreApplication::translate(
            "AppCommandLine", "Started at log-on: in tray mode, go to the tray without a notice."),
        QStringLiteral("[/startup] [/debug]"));
    parser.addPositionalArgument(
        QStringLiteral("/debug"),
        QCoreApplication::translate("AppCommandLine",
                                    "Show the window, without a tray icon, even in tray mode."));
}

QStringList argumentsOf(int argc, const char* const* argv) {
    QStringList arguments;
    arguments.reserve(argc);
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

QString helpText() {
    QCommandLineParser parser;
    describe(parser);
    // The parser names the program after the running file, which may be a
    // renamed copy, and may have no application object to ask: write the
    // usage line ourselves.
    return QCoreApplication::translate("AppCommandLine", "Usage: %1 [options] [/startup] [/debug]")
               .arg(programName) +
           QLatin1Char('\n') + parser.helpText().section(QLatin1Char('\n'), 1);
}

QString versionText() {
    return QStringLiteral("%1 (Parlamo) %2\n").arg(programName, AppInfo::versionText());
}

AppCommand parse(const QStringList& arguments) {
    QCommandLineParser parser;
    describe(parser);
    // An unknown option makes parse() report an error after reading the whole
    // line; it is not one for this program, so the result is not looked at.
    (void)parser.parse(arguments);
    AppCommand command;
    if (parser.isSet(helpOption())) {
        command.kind = AppCommand::Kind::PrintAndExit;
        command.output = helpText();
    } else if (parser.isSet(versionOption())) {
        command.kind = AppCommand::Kind::PrintAndExit;
        command.output = versionText();
    } else if (HeadlessCommandLine::isRequested(parser)) {
        command.kind = AppCommand::Kind::Headless;
        command.headlessNeedsDisplay = ImageCommandLine::needsDisplay(parser);
    }
    command.translateSelection = parser.isSet(translateSelectionOption());
    command.translateScreenArea = parser.isSet(translateScreenAreaOption());
    return command;
}

}  // namespace AppCommandLine
