#include "service/EngineLists.h"

#include <QCoreApplication>

#include "config/ConfigDocument.h"
#include "config/Failure.h"

namespace EngineLists {

namespace {

ConfigElement enginesElement(const ConfigDocument& doc) {
    const ConfigElement engines = doc.selectSingleNode(ConfigDocument::enginesQuery());
    if (engines.isNull())
        throw Failure(
            QCoreApplication::translate("EngineLists", "the document has no Engines element"));
    return engines;
}

ConfigElement languagesElement(const ConfigDocument& doc, const QString& engineName) {
    const ConfigElement languages =
        doc.selectSingleNode(ConfigDocument::languagesQuery(engineName));
    if (languages.isNull())
        throw Failure(
            QCoreApplication::translate("EngineLists", "no Languages element for the engine \"%1\"")
                .arg(engineName));
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
        throw Failure(QCoreApplication::translate("EngineLists", "%1 %2 selects no entry of %3")
                          .arg(what, QString::number(index), QString::number(count)));
    return index;
}

List engines(const ConfigDocument& doc) {
    const ConfigElement engines = enginesElement(doc);
    List list{names(engines), -1};
    list.selected = checkedIndex(engines.requireInt16("default"), int(list.names.size()),
                                 QStringLiteral("Engines@default"));
    return list;
}

QStringList engineNames(const ConfigDocument& doc) {
    return names(enginesElement(doc));
}

QStringList pairNames(const ConfigDocument& doc, const QString& engineName) {
    return names(languagesElement(doc, engineName));
}

QList<Pair> pairs(const ConfigDocument& doc, const QString& engineName) {
    QList<Pair> out;
    for (const ConfigElement& language : languagesElement(doc, engineName).childNodes()) {
        Pair pair{language.requireText("name"), language.joinedText("value"),
                  language.joinedText("from").trimmed(), language.joinedText("to").trimmed()};
        if (!pair.hasCodes()) pair.from = pair.to = QString();
        out.append(pair);
    }
    return out;
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
        list.selected = checkedIndex(
            previous, count, QCoreApplication::translate("EngineLists", "the kept language"));
    return list;
}

namespace {

int picked(const ConfigElement& holder, const QStringList& names, const QString& name,
           const QString& what) {
    if (!name.isEmpty()) return int(names.indexOf(name));
    const int count = int(names.size());
    const int index = checkedIndex(holder.requireInt16("default"), count, what);
    if (index < 0)
        throw Failure(QCoreApplication::translate("EngineLists", "%1 %2 selects no entry of %3")
                          .arg(what, QString::number(index), QString::number(count)));
    return index;
}

}  // namespace

int pickEngine(const ConfigDocument& doc, const QStringList& engines, const QString& name) {
    return picked(enginesElement(doc), engines, name, QStringLiteral("Engines@default"));
}

int pickPair(const ConfigDocument& doc, const QString& engineName, const QStringList& pairs,
             const QString& name) {
    return picked(languagesElement(doc, engineName), pairs, name,
                  QStringLiteral("Languages@default"));
}

}  // namespace EngineLists
