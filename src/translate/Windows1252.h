#pragma once

#include <QByteArray>
#include <QString>

// The Western single-byte code page. Codes 0x80 to 0x9F hold typographic
// characters (euro sign, curly quotes, dashes); the five codes the code page
// leaves undefined map to the C1 controls of the same number, as the host
// conversion routines of that platform do.
namespace Windows1252 {

// The character that a code maps to.
char16_t toUnicode(unsigned char code);

// The code of a character, or -1 when the code page cannot represent it.
int fromUnicode(char32_t character);

QString decode(const QByteArray& bytes);

}  // namespace Windows1252
