#pragma once

#include <QString>

// What an engine's `decode` attribute asks to be done to the translation
// after it has been cut out of the answer and trimmed:
//   "json"  JSON string escapes (\" \\ \/ \b \f \n \r \t \uXXXX, surrogate
//           pairs included); an escape that is not valid stays as it is;
//   "html"  character references (&#233; &#xE9;) and the named entities of
//           HTML 4 and &apos;; <br> in any form becomes a line break and every
//           other tag and comment is dropped; a reference that names nothing
//           stays as it is.
// Any other value, and an absent attribute (empty), leave the text unchanged.
QString decodeResult(const QString& text, const QString& decode);

QString decodeJsonEscapes(const QString& text);
QString decodeHtml(const QString& text);
