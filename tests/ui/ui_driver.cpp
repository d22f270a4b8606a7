// A small program that builds the main window from a configuration file,
// without the start-up and its configuration server, for tests and
// screenshots under a real X server. It reports what happens as lines in a
// marker file: "icon" once the tray icon is added, "shown" and "hidden" as
// the window appears and goes, "unloaded" at the end.
#include <QApplication>
#include <QComboBox>
#include <QCommandLineParser>
#include <QFile>
#include <QPlainTextEdit>

#include "config/ConfigDocument.h"
#include "config/Globals.h"
#include "config/cVeRegistry.h"
#include "desktop/DesktopUrlOpener.h"
#include "desktop/QtDialogs.h"
#include "desktop/QtTrayHost.h"
#include "ui/frmTranslate.h"

namespace {

class Marker : public QObject {
public:
    explicit Marker(QString path) : m_path(std::move(path)) {}
    void write(const char* line) const {
        if (m_path.isEmpty()) return;
        QFile f(m_path);
        if (f.open(QIODevice::Append)) f.write(QByteArray(line) + '\n');
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) write("shown");
        if (event->type() == QEvent::Hide) write("hidden");
        return QObject::eventFilter(watched, event);
    }

private:
    QString m_path;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOption({"config", "The configuration document.", "file"});
    parser.addOption({"tray", "Ask for tray mode whatever the document says."});
    parser.addOption({"command-line", "The program's command line (\"/startup\", ...).", "text"});
    parser.addOption({"marker", "Append what happens to this file.", "file"});
    parser.addOption({"text", "Source text to put in the window.", "text"});
    parser.addOption({"language", "Select this language pair after loading.", "index"});
    parser.process(app);

    Globals globals;
    globals.service.clear();
    if (!globals.service.loadFromFile(parser.value("config"))) {
        qCritical("cannot load %s: %s", qPrintable(parser.value("config")),
                  qPrintable(globals.service.lastError()));
        return 2;
    }
    if (parser.isSet("tray")) {
        pugi::xml_node features =
            globals.service.selectSingleNode(ConfigDocument::featuresQuery()).node();
        if (!features.attribute("tray")) features.append_attribute("tray");
        features.attribute("tray").set_value("1");
    }
    globals.gelmMessages = globals.service.selectSingleNode(ConfigDocument::messagesQuery());
    globals.gobjRegistry = std::make_unique<cVeRegistry>();
    globals.commandLine = parser.value("command-line");
    globals.gblnConfigLoaded = true;

    QtDialogs dialogs;
    DesktopUrlOpener opener;
    QtTrayHost tray;
    Platform platform;
    platform.dialogs = &dialogs;
    platform.urlOpener = &opener;
    platform.tray = &tray;

    Marker marker(parser.value("marker"));
    frmTranslate form(globals, platform);
    form.installEventFilter(&marker);
    QObject::connect(&form, &frmTranslate::unloaded, &app, [&] {
        marker.write("unloaded");
        QCoreApplication::quit();
    });
    form.Form_Load();
    if (parser.isSet("text"))
        form.findChild<QPlainTextEdit*>("txtFrom")->setPlainText(parser.value("text"));
    if (parser.isSet("language"))
        form.findChild<QComboBox*>("cboLanguages")
            ->setCurrentIndex(parser.value("language").toInt());
    if (tray.hasIcon()) marker.write("icon");
    return app.exec();
}
