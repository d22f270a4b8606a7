#include "language/PairRule.h"

#include <QCoreApplication>
#include <QLocale>
#include <algorithm>

#include "service/ReversePair.h"

namespace PairRule {

namespace {

int find(const QList<EngineLists::Pair>& pairs, const QString& from, const QString& to) {
    for (int i = 0; i < pairs.size(); ++i)
        if (pairs.at(i).hasCodes() && sameLanguage(pairs.at(i).from, from) &&
            sameLanguage(pairs.at(i).to, to))
            return i;
    return -1;
}

QString tr(const char* text) {
    return QCoreApplication::translate("PairRule", text);
}

}  // namespace

bool sameLanguage(const QString& a, const QString& b) {
    if (a.isEmpty() || b.isEmpty()) return false;
    const QString& shorter = a.size() <= b.size() ? a : b;
    const QString& longer = a.size() <= b.size() ? b : a;
    if (!longer.startsWith(shorter, Qt::CaseInsensitive)) return false;
    return longer.size() == shorter.size() || longer.at(shorter.size()) == QLatin1Char('-');
}

Choice choose(const QString& detected, const QList<EngineLists::Pair>& pairs, int current,
              const QString& target) {
    using Why = Choice::Why;
    const bool hasCurrent = current >= 0 && current < pairs.size();
    const auto keep = [current](Why why) { return Choice{current, why}; };
    const bool anyCodes = std::any_of(pairs.begin(), pairs.end(),
                                      [](const EngineLists::Pair& p) { return p.hasCodes(); });
    if (!anyCodes || (target.isEmpty() && hasCurrent && !pairs.at(current).hasCodes()))
        return keep(Why::NoCodes);
    if (detected.isEmpty()) return keep(Why::NotSure);
    int found = -1;
    if (!target.isEmpty()) {
        found = find(pairs, detected, target);
    } else if (hasCurrent) {
        const EngineLists::Pair& now = pairs.at(current);
        found = find(pairs, detected, sameLanguage(detected, now.to) ? now.from : now.to);
    } else {
        // No pair chosen yet: the first one out of the detected language.
        for (int i = 0; i < pairs.size() && found < 0; ++i)
            if (sameLanguage(pairs.at(i).from, detected)) found = i;
    }
    return found >= 0 ? Choice{found, Why::Detected} : keep(Why::NoMatch);
}

QString noCodesText() {
    return tr(
        "The language pairs of this engine do not say which languages they join, so "
        "the language of a text cannot pick one.");
}

int reverse(const QList<EngineLists::Pair>& pairs, int index) {
    if (index < 0 || index >= pairs.size()) return -1;
    const EngineLists::Pair& pair = pairs.at(index);
    if (pair.hasCodes()) return find(pairs, pair.to, pair.from);
    QList<ReversePair::Pair> named;
    for (const EngineLists::Pair& p : pairs) named.append({p.name, p.value});
    return ReversePair::find(named, index);
}

QString languageName(const QString& code) {
    const QLocale locale(code);
    if (locale.language() == QLocale::C || !sameLanguage(QLocale::languageToCode(locale.language()),
                                                         code.section(QLatin1Char('-'), 0, 0)))
        return code;
    return QLocale::languageToString(locale.language());
}

QString describe(const Choice& choice, const QList<EngineLists::Pair>& pairs,
                 const QString& detected) {
    const bool valid = choice.index >= 0 && choice.index < pairs.size();
    QString used = valid ? pairs.at(choice.index).name : QString();
    switch (choice.why) {
        case Choice::Why::Detected: {
            const EngineLists::Pair& pair = pairs.at(choice.index);
            return tr("%1 → %2 (detected)").arg(languageName(pair.from), languageName(pair.to));
        }
        case Choice::Why::NotSure:
            return tr("%1 (the language of the text is not clear)").arg(used);
        case Choice::Why::NoMatch:
            return used.isEmpty() ? tr("No pair from %1").arg(languageName(detected))
                                  : tr("%1 (no pair from %2)").arg(used, languageName(detected));
        case Choice::Why::NoCodes:
            break;
    }
    return used;
}

}  // namespace PairRule
