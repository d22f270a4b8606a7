#pragma once

#include <QString>
#include <optional>

// Cuts the translation out of an engine's answer page: the text after the
// first tokenBefore up to the first tokenAfter that follows it, trimmed with
// trimResult(). Nothing when tokenBefore does not occur, or tokenAfter does
// not occur after it. Markers are plain, case-sensitive text.
std::optional<QString> ExtractResult(const QString& answer, const QString& tokenBefore,
                                     const QString& tokenAfter);

// Removes trailing line feeds and carriage returns, then spaces (code 32
// only) from both ends. Tabs and leading line breaks stay.
QString trimResult(QString text);
