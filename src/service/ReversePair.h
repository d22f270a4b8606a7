#pragma once

#include <QList>
#include <QString>

class ConfigDocument;

// The language pair that translates the other way: for "X to Y" the pair
// named "Y to X", else the one whose value is the selected value's two codes
// swapped around their separator ("eng|spa" and "spa|eng"). The name decides
// first; the first match in the engine's list counts.
namespace ReversePair {

struct Pair {
    QString name;
    QString value;  // empty for a pair without one
};

// The index of the reverse of pairs[selected], or -1 when there is none
// (also for a selection outside the list).
int find(const QList<Pair>& pairs, int selected);

// The same over the named engine's pairs in the document; throws Failure
// when the document cannot answer.
int find(const ConfigDocument& doc, const QString& engineName, int selected);

}  // namespace ReversePair
