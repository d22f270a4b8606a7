#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

// The program's own texts in the user's language, with Qt's translations of
// its standard texts (dialog buttons, the command line's "Options:") for the
// same language. Texts from the service document never pass through here.
namespace Translations {

// Installs the translations for the user's languages as Qt reads them from
// the locale (LANGUAGE first, then LC_ALL, LC_MESSAGES, LANG) on app, which
// owns them. Returns the language served ("de_DE"), or empty when the texts
// stay as written.
QString install(QCoreApplication& app);

// The same for a given list in the form of QLocale::uiLanguages(), most
// wanted first. The first language that is English or that we have wins:
// English is what the texts are written in, so "en_US:de" stays English.
// A language without a catalogue for its country takes one for another
// country in the same script: pt_PT the Brazilian texts, zh_SG the
// Simplified Chinese ones, zh_TW none.
QString install(QCoreApplication& app, const QStringList& uiLanguages);

// The languages the program has its own translations for ("de", "es", ...).
QStringList available();

}  // namespace Translations
