#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>

#include "history/HistoryEntry.h"

// The history as text for other programs, one entry a line in the order
// given (newest first as the history keeps it), with the fields time,
// engine, pair, text and translation.
//
// TSV has no header; a tab, line feed, carriage return or backslash inside
// a field is written \t, \n, \r or \\, so every entry is one line and
// splitting at tabs gives the fields back. CSV follows RFC 4180: a header
// row, lines ended by CR LF, and a field that holds a comma, a quotation
// mark or a line break in quotation marks, its quotation marks doubled.
namespace HistoryExport {

enum class Format { Tsv, Csv };

// "tsv" or "csv" in any letter case; nothing for anything else.
std::optional<Format> formatNamed(const QString& name);

// The time of an entry: local time in ISO 8601 with its offset from UTC,
// "2026-12-01T14:03:22+01:00".
QString timeText(const QDateTime& time);

QString tsvField(const QString& text);
QString csvField(const QString& text);

QString text(const QList<HistoryEntry>& entries, Format format);

}  // namespace HistoryExport
