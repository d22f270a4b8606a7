#include "service/Markers.h"

namespace Markers {

std::optional<QString> between(const QString& page, const QString& before, const QString& after) {
    const qsizetype found = page.indexOf(before, 0, Qt::CaseSensitive);
    if (found < 0) return std::nullopt;
    const qsizetype start = found + before.size();
    const qsizetype end = page.indexOf(after, start, Qt::CaseSensitive);
    if (end < 0) return std::nullopt;
    return page.mid(start, end - start);
}

}  // namespace Markers
