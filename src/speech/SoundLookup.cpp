#include "speech/SoundLookup.h"

namespace SoundLookup {

bool isPlainFileName(const QString& name) {
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..")) return false;
    for (const QChar c : name) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\')) return false;
        if (c.category() == QChar::Other_Control) return false;
    }
    return cacheFileName(name).toUtf8().size() <= 255;
}

QString waveAddress(const QString& urltoplay, const QString& name) {
    const qsizetype first =
        name.size() >= 2 && name.at(0).isHighSurrogate() && name.at(1).isLowSurrogate() ? 2 : 1;
    return urltoplay + QLatin1Char('/') + name.left(first) + QLatin1Char('/') + name +
           QStringLiteral(".wav");
}

}  // namespace SoundLookup
