#include "ui/EngineLists.h"

#include "config/ConfigDocument.h"
#include "config/ConfigError.h"

namespace EngineLists {

namespace {

ConfigElement enginesElement(const ConfigDocument& doc) {
    const ConfigElement engines = doc.selectSingleNode(ConfigDocument::enginesQuery());
    if (engines.isNull()) throw ConfigError(QStringLiteral("the document has no Engines element"));
    return engines;
}

QStringList names(const ConfigElement& parent) {
    QStringList out;
    for (const ConfigElement& child : parent.childNodes()) out.append(child.requireText("name"));
    return out;
}

}  // namespace

int checkedIndex(int index, int count, const QString& what) {
    if (index < -1 || index >= count)
        throw ConfigError(what + QStringLiteral(" ") + QString::number(index) +
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

List languages(const ConfigDocument& doc, const QString& engineName, int previous) {
    const ConfigElement engines = enginesElement(doc);
    const ConfigElement languages =
        doc.selectSingleNode(ConfigDocument::languagesQuery(engineName));
    if (languages.isNull())
        throw ConfigError(QStringLiteral("no Languages element for the engine \"") + engineName +
                          QStringLiteral("\""));
    List list{names(languages), -1};
    const int count = int(list.names.size());
    if (previous > engines.requireInt32("commonlanguages"))
        list.selected = checkedIndex(languages.requireInt16("default"), count,
                                     QStringLiteral("Languages@default"));
    else
        list.selected = checkedIndex(previous, count, QStringLiteral("the kept language"));
    return list;
}

}  // namespace EngineLists
