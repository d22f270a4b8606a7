#pragma once

#include <QString>
#include <QStringList>

class ConfigDocument;

// What the engine and language lists hold and which item they select, read
// from the configuration document. Every function throws ConfigError when
// the document cannot answer (a missing element or name, a number that is
// not one, a selection outside the list).
namespace EngineLists {

struct List {
    QStringList names;  // item texts in document order
    int selected = -1;  // -1: nothing selected
};

// The engines, with the Engines default selected.
List engines(const ConfigDocument& doc);

// The language pairs of the named engine after a change of engine. A pair
// selected before (previous) stays selected by its index up to the Engines
// commonlanguages; a higher one gives way to the engine's Languages default.
List languages(const ConfigDocument& doc, const QString& engineName, int previous);

// index itself, when it selects an item of a list of count items or nothing
// (-1); what names the value in the error otherwise.
int checkedIndex(int index, int count, const QString& what);

}  // namespace EngineLists
