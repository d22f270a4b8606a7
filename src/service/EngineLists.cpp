#include "service/EngineLists.h"

#include "config/ConfigDocument.h"
#include "config/Failure.h"

namespace EngineLists {

namespace {

ConfigElement enginesElement(const ConfigDocument& doc) {
    const ConfigElement engines = doc.selectSingleNode(ConfigDocument::enginesQuery());
    if (engines.isNull()) throw Failure(QStringLiteral("the document has no Engines element"));
    return engines;
}

ConfigElement languagesElement(const ConfigDocument& doc, const QString& engineName) {
    const ConfigElement languages =
        doc.selectSingleNode(ConfigDocument::languagesQuery(engineName));
    if (languages.isNull())
        throw Failure(QStringLiteral("no Languages element for the engine \"") + engineName +
                      QStringLiteral("\""));
    return languages;
}

QStringList names(const ConfigElement& parent) {
    QStringList out;
    for (const ConfigElement& child : parent.childNodes()) out.append(child.requireText("name"));
    return out;
}

}  // namespace

int checkedIndex(int index, int count, const QString& what) {
    if (index < -1 || index >= count)
        throw Failure(what + QStringLiteral(" ") + QString::number(index) +
                      QStringLiteral(" selects no entry of ") + QString::number(count));
    return index;
}

List engines(const ConfigDocument& doc) {
    const ConfigElement engines = enginesElement(doc);
    List list{names(engines), -1};
    list.selected = checkedIndex(engines.requireInt16("default"), int(list.names.size()),
                                 QStringLiteral("Engines@default"));
    return list;
}

List pairs(const ConfigDocument& doc, const QString& engineName) {
    const ConfigElement languages = languagesElement(doc, engineName);
    List list{names(languages), -1};
    if (!list.names.isEmpty())
        list.selected = checkedIndex(languages.requireInt16("default"), int(list.names.size()),
                                     QStringLiteral("Languages@default"));
    return list;
}

List languages(const ConfigDocument& doc, const QString& engineName, int previous) {
    const ConfigElement engines = enginesElement(doc);
    const ConfigElement languages = languagesElement(doc, engineName);
    List list{names(languages), -1};
    const int count = int(list.names.size());
    if (previous > engines.requireInt32("commonlanguages"))
        list.selected = checkedIndex(languages.requireInt16("default"), count,
                                     QStringLiteral("Languages@default"));
    else
        list.selected = checkedIndex(previous, count, QStringLiteral("the kept language"));
    return list;
}

int pick(const List& list, const QString& name, const QString& what) {
    if (name.isEmpty()) {
        if (list.selected < 0)
            throw Failure(what + QStringLiteral(" -1 selects no entry of ") +
                          QString::number(list.names.size()));
        return list.selected;
    }
    return int(list.names.indexOf(name));
}

}  // namespace EngineLists
