#include "app/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace Translations {

namespace {

// Where the build embeds the compiled catalogues (see src/app/CMakeLists.txt).
const QString catalogueFolder = QStringLiteral(":/i18n");
const QString cataloguePrefix = QStringLiteral("parlamo_");

bool isSourceLanguage(const QLocale& locale) {
    return locale.language() == QLocale::English || locale.language() == QLocale::C;
}

// The catalogue of ours for the language of wanted in its script, or empty.
// QLocale fills in the likely script ("zh_CN" is Simplified Han).
QString sameScript(const QLocale& wanted, const QStringList& ours) {
    for (const QString& name : ours) {
        const QLocale have(name);
        if (have.language() == wanted.language() && have.script() == wanted.script()) return name;
    }
    return QString();
}

}  // namespace

QStringList available() {
    QStringList languages;
    const QStringList files =
        QDir(catalogueFolder).entryList({cataloguePrefix + QStringLiteral("*.qm")});
    for (const QString& file : files)
        languages << file.mid(cataloguePrefix.size()).chopped(3);  // without ".qm"
    return languages;
}

QString install(QCoreApplication& app) {
    return install(app, QLocale::system().uiLanguages());
}

QString install(QCoreApplication& app, const QStringList& uiLanguages) {
    const QStringList ours = available();
    for (QString language : uiLanguages) {
        language.replace(QLatin1Char('-'), QLatin1Char('_'));
        const QLocale wanted(language);
        if (isSourceLanguage(wanted)) return QString();
        // load() also tries the name cut at each "_": de_Latn_AT finds de.
        auto* own = new QTranslator(&app);
        QString found = language;
        if (!own->load(cataloguePrefix + language, catalogueFolder)) {
            // Else one for the same language in the same script, whatever
            // the country: zh_SG (Simplified) takes zh_CN, zh_TW
            // (Traditional) does not; pt_PT takes pt_BR.
            found = sameScript(wanted, ours);
            if (found.isEmpty() || !own->load(cataloguePrefix + found, catalogueFolder)) {
                delete own;
                continue;
            }
        }
        QCoreApplication::installTranslator(own);
        // Qt's own texts in the same language; a system without them
        // (qt6-translations-l10n) shows Qt's in English and ours translated.
        auto* qt = new QTranslator(&app);
        if (qt->load(QStringLiteral("qtbase_") + found,
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qt);
        else
            delete qt;
        return language;
    }
    return QString();
}

}  // namespace Translations
