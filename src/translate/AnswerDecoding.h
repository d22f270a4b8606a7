#pragma once

#include <QByteArray>
#include <QString>

// Turns an answer's bytes into text: the charset of the Content-Type when it
// names one this program knows, else UTF-8 when the bytes are valid UTF-8,
// else Windows-1252 (which accepts any bytes).
QString decodeAnswer(const QByteArray& body, const QByteArray& contentType);

// The charset parameter of a Content-Type value, unquoted; empty when absent.
QByteArray charsetOf(const QByteArray& contentType);
