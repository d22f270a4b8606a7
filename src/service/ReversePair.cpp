#include "service/ReversePair.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <optional>
#include <utility>

#include "config/ConfigDocument.h"
#include "config/Failure.h"

namespace ReversePair {

namespace {

// "X to Y" as its two sides; nothing for a name that is not of that form.
std::optional<std::pair<QString, QString>> sides(const QString& name) {
    const QString to = QStringLiteral(" to ");
    const qsizetype at = name.indexOf(to);
    if (at <= 0 || name.indexOf(to, at + 1) >= 0) return std::nullopt;
    const QString from = name.left(at), into = name.mid(at + to.size());
    if (from.trimmed().isEmpty() || into.trimmed().isEmpty()) return std::nullopt;
    return std::make_pair(from, into);
}

// Two codes around one separator that is neither letter nor digit, as
// "eng|spa", "en-es" or "en_es"; the value with them swapped, or nothing.
QString swapped(const QString& value) {
    static const QRegularExpression codes(
        QStringLiteral("^([[:alnum:]]+)([^[:alnum:]])([[:alnum:]]+)$"));
    const QRegularExpressionMatch m = codes.match(value);
    if (!m.hasMatch() || m.captured(1) == m.captured(3)) return QString();
    return m.captured(3) + m.captured(2) + m.captured(1);
}

}  // namespace

int find(const QList<Pair>& pairs, int selected) {
    if (selected < 0 || selected >= pairs.size()) return -1;
    const Pair& from = pairs.at(selected);
    if (const auto s = sides(from.name)) {
        const QString reverse = s->second + QStringLiteral(" to ") + s->first;
        for (int i = 0; i < pairs.size(); ++i)
            if (i != selected && pairs.at(i).name == reverse) return i;
    }
    const QString reverse = swapped(from.value);
    if (reverse.isEmpty()) return -1;
    for (int i = 0; i < pairs.size(); ++i)
        if (i != selected && pairs.at(i).value == reverse) return i;
    return -1;
}

int find(const ConfigDocument& doc, const QString& engineName, int selected) {
    const ConfigElement languages =
        doc.selectSingleNode(ConfigDocument::languagesQuery(engineName));
    if (!languages)
        throw Failure(QCoreApplication::translate("ReversePair", "no language pairs for engine %1")
                          .arg(engineName));
    QList<Pair> pairs;
    for (const ConfigElement& language : languages.childNodes())
        pairs.append({language.joinedText("name"), language.joinedText("value")});
    return find(pairs, selected);
}

}  // namespace ReversePair
