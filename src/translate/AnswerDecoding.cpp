#include "translate/AnswerDecoding.h"

#include <QList>
#include <QStringDecoder>

#include "translate/Windows1252.h"

QByteArray charsetOf(const QByteArray& contentType) {
    const QList<QByteArray> parts = contentType.split(';');
    for (qsizetype i = 1; i < parts.size(); ++i) {
        const QByteArray p = parts.at(i).trimmed();
        const qsizetype eq = p.indexOf('=');
        if (eq < 0 || p.left(eq).trimmed().toLower() != "charset") continue;
        QByteArray value = p.mid(eq + 1).trimmed();
        if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"'))
            value = value.mid(1, value.size() - 2);
        return value.trimmed();
    }
    return QByteArray();
}

QString decodeAnswer(const QByteArray& body, const QByteArray& contentType) {
    const QByteArray charset = charsetOf(contentType).toLower();
    // Pages labelled Latin-1 or ASCII are Windows-1252 in practice (curly
    // quotes and the euro sign sit in 0x80..0x9F), as browsers read them.
    if (charset == "windows-1252" || charset == "cp1252" || charset == "iso-8859-1" ||
        charset == "latin1" || charset == "us-ascii" || charset == "ascii") {
        return Windows1252::decode(body);
    }
    // The body is whole: every decoder is stateless, so a sequence cut off at
    // the end is an error (or a replacement character), not a byte held back
    // for a next piece that never comes.
    if (!charset.isEmpty()) {
        QStringDecoder named(charset.constData(), QStringConverter::Flag::Stateless);
        if (named.isValid()) return named.decode(body);
    }
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(body);
    if (!utf8.hasError()) return text;
    return Windows1252::decode(body);
}
