#pragma once

#include <QString>

// The code page whose codes the encoder writes as %XX.
enum class CodePage {
    Windows1252,  // one byte per character; characters outside it stay as they are
    Utf8,         // every byte of the character's UTF-8 form
};

// The system's text encoding, which is UTF-8 on this platform.
CodePage systemCodePage();

// Percent-encodes text for a request address: ASCII letters and digits pass,
// code 0 passes, every other character the code page can represent becomes
// "%" and two upper-case hexadecimal digits per byte (a space is %20, never
// "+"). Characters the code page cannot represent stay as they are. One pass
// over the text; cannot fail.
QString UrlEncode(const QString& text, CodePage codePage);
