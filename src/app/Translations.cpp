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
    for (QString language : uiLanguages) {
        language.replace(QLatin1Char('-'), QLatin1Char('_'));
        if (isSourceLanguage(QLocale(language))) return QString();
        // load() also tries the name cut at each "_": de_Latn_AT finds de.
        auto* own = new QTranslator(&app);
        if (!own->load(cataloguePrefix + language, catalogueFolder)) {
            delete own;
            continue;
        }
        QCoreApplication::installTranslator(own);
        // Qt's own texts in the same language; a system without them
        // (qt6-translations-l10n) shows Qt's in English and ours translated.
        auto* qt = new QTranslator(&app);
        if (qt->load(QStringLiteral("qtbase_") + language,
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qt);
        else
            delete qt;
        return language;
    }
    return QString();
}

}  // namespace Translations
