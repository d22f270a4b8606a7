#pragma once

#include <QKeySequence>
#include <QString>

// A key as the user reads it in messages: in the desktop's own words and
// language ("Strg+Alt+E"), the stored portable text where Qt cannot read it.
inline QString shownKey(const QString& portable) {
    const QString native =
        QKeySequence(portable, QKeySequence::PortableText).toString(QKeySequence::NativeText);
    return native.isEmpty() ? portable : native;
}
