#pragma once

#include <QComboBox>
#include <QSignalSpy>
#include <QStringList>
#include <functional>
#include <memory>
#include <pugixml.hpp>
#include <sstream>

#include "FakeGlobalShortcut.h"
#include "FakeTrayHost.h"
#include "Fakes.h"
#include "FormControls.h"
#include "TestEnv.h"
#include "config/ConfigDocument.h"
#include "config/Globals.h"
#include "config/cVeRegistry.h"
#include "ui/frmTranslate.h"

// Documents for the window's tests: the sample document with changes, or a
// generated one with any number of engines and pairs.
namespace FormDocs {

using Edit = std::function<void(pugi::xml_document&)>;

inline QByteArray sample(const Edit& edit = {}) {
    pugi::xml_document doc;
    const QByteArray bytes = TestEnv::readFile(TestEnv::sampleConfigPath());
    doc.load_buffer(bytes.constData(), size_t(bytes.size()));
    if (edit) edit(doc);
    std::ostringstream out;
    doc.save(out);
    return QByteArray::fromStdString(out.str());
}

inline pugi::xml_node node(pugi::xml_document& doc, const char* xpath) {
    return doc.select_node(xpath).node();
}

// Sets (or, with nullptr, removes) one attribute of the first match.
inline Edit attr(const char* xpath, const char* name, const char* value) {
    return [=](pugi::xml_document& doc) {
        pugi::xml_node n = node(doc, xpath);
        if (!value) {
            n.remove_attribute(name);
            return;
        }
        if (!n.attribute(name)) n.append_attribute(name);
        n.attribute(name).set_value(value);
    };
}

inline Edit removeNode(const char* xpath) {
    return [=](pugi::xml_document& doc) {
        pugi::xml_node n = node(doc, xpath);
        n.parent().remove_child(n);
    };
}

inline Edit all(std::initializer_list<Edit> edits) {
    std::vector<Edit> list(edits);
    return [list](pugi::xml_document& doc) {
        for (const Edit& e : list) e(doc);
    };
}

// The sample's first engine answering at URL between "[[" and "]]", with the
// first pair selected at start.
inline Edit loopbackEngine(const QByteArray& url) {
    return [url](pugi::xml_document& doc) {
        all({attr("//Engine[1]", "url", url.constData()), attr("//Engine[1]", "tokenbefore", "[["),
             attr("//Engine[1]", "tokenafter", "]]"), attr("//Languages", "default", "0"),
             attr("//Engines", "commonlanguages", "-2")})(doc);
    };
}

// Engines "E0".."E<n-1>", each with pairs "E<i> P0".."E<i> P<m-1>".
inline QByteArray generated(int engines, int pairs, int engineDefault = 0, int common = 1,
                            int languagesDefault = 0) {
    QByteArray xml =
        R"(<Parlamo><Messages titlemsgbox="Parlamo" cmdTranslate="&amp;Translate" helpurl="h" supporturl="s"/>)"
        R"(<Features tray="0"/>)";
    xml += "<Engines default=\"" + QByteArray::number(engineDefault) + "\" commonlanguages=\"" +
           QByteArray::number(common) + "\">";
    for (int e = 0; e < engines; ++e) {
        xml += "<Engine name=\"E" + QByteArray::number(e) + "\"><Languages default=\"" +
               QByteArray::number(languagesDefault) + "\">";
        for (int p = 0; p < pairs; ++p)
            xml += "<Language name=\"E" + QByteArray::number(e) + " P" + QByteArray::number(p) +
                   "\" value=\"a|b\"/>";
        xml += "</Languages></Engine>";
    }
    xml +=
        R"(</Engines><Sizes minwidth="5500" minheight="3600" header="120" footer="1200" right="180" center="200"/></Parlamo>)";
    return xml;
}

}  // namespace FormDocs

// One window with fakes for every platform facility and its own settings.
struct FormFixture : FormControls {
    explicit FormFixture(const QByteArray& xml, const QString& commandLine = QString()) {
        globals.service.clear();
        globals.service.loadFromBytes(xml);
        globals.gelmMessages = globals.service.selectSingleNode(ConfigDocument::messagesQuery());
        globals.gobjRegistry = std::make_unique<cVeRegistry>(env.configHome());
        globals.commandLine = commandLine;
        globals.gblnConfigLoaded = true;
        Platform platform;
        platform.dialogs = &dialogs;
        platform.urlOpener = &opener;
        platform.pauser = &pauser;
        platform.tray = &tray;
        platform.shortcut = &shortcut;
        form = std::make_unique<frmTranslate>(globals, platform);
        findControls(form.get());
    }

    QString stored(const char* key) {
        return globals.gobjRegistry->GetSetting(cVeRegistry::programSection(),
                                                QString::fromLatin1(key), QStringLiteral("-"));
    }
    void store(const char* key, const QString& value) {
        globals.gobjRegistry->SaveSetting(cVeRegistry::programSection(), QString::fromLatin1(key),
                                          value);
    }

    static QStringList items(const QComboBox* list) {
        QStringList out;
        for (int i = 0; i < list->count(); ++i) out << list->itemText(i);
        return out;
    }

    TestEnv env;
    Globals globals;
    FakeDialogs dialogs;
    FakeUrlOpener opener;
    FakePauser pauser;
    FakeTrayHost tray;
    FakeGlobalShortcut shortcut;
    std::unique_ptr<frmTranslate> form;
};
