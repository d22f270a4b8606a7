#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class ConfigDocument;

// The engines and their language pairs as the document lists them, and the
// entries its defaults select. The window fills its two lists from these,
// the command line chooses by name from them. Every function throws Failure
// when the document cannot answer (a missing element or name, a number that
// is not one, a selection outside the list).
namespace EngineLists {

struct List {
    QStringList names;  // item texts in document order
    int selected = -1;  // -1: nothing selected
};

// The engines, with the Engines default selected.
List engines(const ConfigDocument& doc);

// A language pair with the BCP 47 codes of the languages it joins (the
// Language attributes from and to); both empty when the document does not
// say, and then nothing can be told about its languages.
struct Pair {
    QString name;
    QString value;
    QString from, to;
    bool hasCodes() const { return !from.isEmpty() && !to.isEmpty(); }
};

// The named engine's pairs in document order. A pair with only one of the
// two codes counts as one without codes.
QList<Pair> pairs(const ConfigDocument& doc, const QString& engineName);

// The names alone, in document order.
QStringList engineNames(const ConfigDocument& doc);
QStringList pairNames(const ConfigDocument& doc, const QString& engineName);

// The language pairs of the named engine after a change of engine in the
// window. A pair selected before (previous) stays selected by its index up
// to the Engines commonlanguages; a higher one gives way to the engine's
// Languages default.
List languages(const ConfigDocument& doc, const QString& engineName, int previous);

// The entry a name picks from those names: the first of equal names (as in
// every lookup of the document), -1 when none has it; for an empty name the
// document's default, which must then select an entry (and is read only
// then).
int pickEngine(const ConfigDocument& doc, const QStringList& engines, const QString& name);
int pickPair(const ConfigDocument& doc, const QString& engineName, const QStringList& pairs,
             const QString& name);

// index itself, when it selects an item of a list of count items or nothing
// (-1); what names the value in the error otherwise.
int checkedIndex(int index, int count, const QString& what);

}  // namespace EngineLists
