#include "translate/ResultExtraction.h"

std::optional<QString> ExtractResult(const QString& answer, const QString& tokenBefore,
                                     const QString& tokenAfter) {
    const qsizetype before = answer.indexOf(tokenBefore, 0, Qt::CaseSensitive);
    if (before < 0) return std::nullopt;
    const qsizetype start = before + tokenBefore.size();
    const qsizetype after = answer.indexOf(tokenAfter, start, Qt::CaseSensitive);
    if (after < 0) return std::nullopt;
    return trimResult(answer.mid(start, after - start));
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
