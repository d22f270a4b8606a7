#pragma once

#include <QString>
#include <optional>

// The service document names text markers around what the program takes out
// of a server's page: an engine's translation (tokenbefore, tokenafter) and
// the pronunciation service's sound name (padbefore, padafter).
namespace Markers {

// The text after the first `before` up to the first `after` that follows
// it; an `after` earlier in the page plays no part. Markers are plain,
// case-sensitive text. Nothing when `before` does not occur, or `after`
// does not occur after it.
std::optional<QString> between(const QString& page, const QString& before, const QString& after);

}  // namespace Markers
