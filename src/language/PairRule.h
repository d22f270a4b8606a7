#pragma once

#include <QList>
#include <QString>

#include "service/EngineLists.h"

// Which of an engine's pairs translates a text whose language was detected,
// and which one translates a translation back. Plain functions over the
// pairs' codes (EngineLists::Pair); no widget, no detection of their own.
namespace PairRule {

struct Choice {
    enum class Why {
        Detected,  // the pair follows the detected language
        NotSure,   // the language could not be told
        NoCodes,   // the pairs do not say which languages they join
        NoMatch,   // no pair joins the languages wanted
    };
    int index = -1;  // the pair to use: the current one unless Detected
    Why why = Why::NoMatch;
};

// The pair for a text in the detected language (empty: not sure), given
// the current pair. Without a target: the pair from the detected language
// into the current pair's target language; when the text already is in that
// language, the pair from it into the current pair's source language (so a
// Spanish text with English to Spanish chosen goes into English). With a
// target (a BCP 47 code): the pair from the detected language into it.
// With neither (no pair chosen yet): the first pair out of the detected
// language. Anything else keeps the current pair (-1 for none) and says why.
Choice choose(const QString& detected, const QList<EngineLists::Pair>& pairs, int current,
              const QString& target = QString());

// What to say when asked to detect with pairs that have no codes.
QString noCodesText();

// The pair that translates pairs[index]'s translation back: the one with
// the two codes swapped, or, for a pair without codes, the pair the names
// or values make its reverse (service/ReversePair). -1 when there is none.
int reverse(const QList<EngineLists::Pair>& pairs, int index);

// Two codes name the same language: equal but for letter case, or one is
// the other with more subtags ("pt" and "pt-BR").
bool sameLanguage(const QString& a, const QString& b);

// The language's name in the program's words ("German"); the code itself
// for one Qt does not know.
QString languageName(const QString& code);

// The line that says what a choice did: "German → English (detected)", or
// the pair used (its name) and, when detection had something to say, why it
// did not decide.
QString describe(const Choice& choice, const QList<EngineLists::Pair>& pairs,
                 const QString& detected);

}  // namespace PairRule
