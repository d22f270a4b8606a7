#include "history/HistoryExport.h"

#include <QStringList>
#include <algorithm>

namespace HistoryExport {

std::optional<Format> formatNamed(const QString& name) {
    if (name.compare(QLatin1String("tsv"), Qt::CaseInsensitive) == 0) return Format::Tsv;
    if (name.compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0) return Format::Csv;
    return std::nullopt;
}

QString timeText(const QDateTime& time) {
    return time.toOffsetFromUtc(time.toLocalTime().offsetFromUtc()).toString(Qt::ISODate);
}

QString tsvField(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
            case '\\':
                out += QLatin1String("\\\\");
                break;
            case '\t':
                out += QLatin1String("\\t");
                break;
            case '\n':
                out += QLatin1String("\\n");
                break;
            case '\r':
                out += QLatin1String("\\r");
                break;
            default:
                out += c;
        }
    }
    return out;
}

QString csvField(const QString& text) {
    static const QString special = QStringLiteral(",\"\r\n");
    if (std::none_of(text.begin(), text.end(), [](QChar c) { return special.contains(c); }))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString text(const QList<HistoryEntry>& entries, Format format) {
    const bool csv = format == Format::Csv;
    const QString separator = csv ? QStringLiteral(",") : QStringLiteral("\t");
    const QString lineEnd = csv ? QStringLiteral("\r\n") : QStringLiteral("\n");
    QString out;
    if (csv) out += QStringLiteral("time,engine,pair,text,translation") + lineEnd;
    for (const HistoryEntry& e : entries) {
        const QStringList fields{timeText(e.time), e.engine, e.pair, e.source, e.result};
        for (qsizetype i = 0; i < fields.size(); ++i) {
            if (i > 0) out += separator;
            out += csv ? csvField(fields.at(i)) : tsvField(fields.at(i));
        }
        out += lineEnd;
    }
    return out;
}

}  // namespace HistoryExport
