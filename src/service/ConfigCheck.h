#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class ConfigDocument;

// What the main window needs of a loaded document before it can open, so that
// an incomplete document is refused at start-up with a clear message instead
// of failing half-way through opening the window.
class ConfigCheck {
    Q_DECLARE_TR_FUNCTIONS(ConfigCheck)

public:
    // One readable item per missing or unusable part; empty when the document
    // will do. A document with an end-of-service notice only needs what the
    // notice needs (Messages with titlemsgbox), since no window follows it.
    static QStringList missing(const ConfigDocument& document);

    // The text shown to the user for such a document.
    static QString refusalMessage(const QStringList& missing);
};
