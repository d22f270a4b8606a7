#include "translate/ResultExtraction.h"

#include "service/Markers.h"

std::optional<QString> ExtractResult(const QString& answer, const QString& tokenBefore,
                                     const QString& tokenAfter) {
    const std::optional<QString> cut = Markers::between(answer, tokenBefore, tokenAfter);
    if (!cut) return std::nullopt;
    return trimResult(*cut);
}

QString trimResult(QString text) {
    qsizetype end = text.size();
    while (end > 0 && (text.at(end - 1) == u'\n' || text.at(end - 1) == u'\r')) --end;
    while (end > 0 && text.at(end - 1) == u' ') --end;
    qsizetype begin = 0;
    while (begin < end && text.at(begin) == u' ') ++begin;
    text.truncate(end);
    return begin ? text.mid(begin) : text;
}
