#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFontMetricsF>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

#include "FormFixture.h"
#include "app/AppCommandLine.h"
#include "app/Translations.h"
#include "history/HistoryStore.h"
#include "ui/HistoryWindow.h"
#include "ui/SelectionPopup.h"
#include "ui/ShortcutDialog.h"

using namespace FormDocs;

namespace {

struct Message {
    QString context, source, translation, type;
};

// Every message of a Qt Linguist file, as lupdate writes them.
QList<Message> readTs(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return {};
    }
    QList<Message> messages;
    QString context;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        // TS and context are walked into; name and message are read whole.
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            Message m{context, {}, {}, {}};
            while (xml.readNextStartElement()) {
                if (xml.name() == u"source") {
                    m.source = xml.readElementText();
                } else if (xml.name() == u"translation") {
                    m.type = xml.attributes().value(QLatin1String("type")).toString();
                    m.translation = xml.readElementText();
                } else {
                    xml.skipCurrentElement();
                }
            }
            messages.append(m);
        }
    }
    if (xml.hasError()) *error = xml.errorString();
    return messages;
}

QSet<QString> placeholders(const QString& text) {
    static const QRegularExpression number(QStringLiteral("%\\d+"));
    QSet<QString> found;
    for (const QRegularExpressionMatch& m : number.globalMatch(text)) found.insert(m.captured());
    return found;
}

// The letter after a single "&", or nothing.
QChar accessKey(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text.at(i) != u'&') continue;
        if (text.at(i + 1) != u'&') return text.at(i + 1).toLower();
        ++i;
    }
    return {};
}

int accessKeyCount(const QString& text) {
    return int(text.count(u'&')) - 2 * int(text.count(QStringLiteral("&&")));
}

// What a sentence ends with that a translation must end with too: the mark
// itself, or the full-width one Chinese and Japanese write; French puts a
// space before the two-part marks, which is allowed.
bool endsAlike(const QString& translation, const QString& source) {
    static const QList<std::pair<QString, QString>> marks{
        {QStringLiteral("..."), QStringLiteral("…")}, {QStringLiteral("."), QStringLiteral("。")},
        {QStringLiteral("!"), QStringLiteral("！")},  {QStringLiteral("?"), QStringLiteral("？")},
        {QStringLiteral(":"), QStringLiteral("：")},  {QStringLiteral(")"), QStringLiteral("）")}};
    for (const auto& [mark, wide] : marks)
        if (source.endsWith(mark)) return translation.endsWith(mark) || translation.endsWith(wide);
    return true;
}

// Its translation by the Linguist file of language, or empty without one.
QString translated(const QString& language, const char* context, const char* source) {
    QString error;
    const QList<Message> messages = readTs(
        TestEnv::sourceDir() + QStringLiteral("/data/translations/parlamo_%1.ts").arg(language),
        &error);
    for (const Message& m : messages)
        if (m.context == QLatin1String(context) && m.source == QLatin1String(source))
            return m.translation;
    return QString();
}

// Tests' own translators go before the next row.
void removeTranslations() {
    qDeleteAll(qApp->findChildren<QTranslator*>());
}

QString sourceDir() {
    return TestEnv::sourceDir();
}

}  // namespace

// The program's own texts in the user's language: the Linguist files are
// complete and match the sources, the language comes from the locale as Qt
// reads it, and a German start shows German texts while the service's own
// texts stay as the document gives them.
class TestTranslations : public QObject {
    Q_OBJECT

    QSet<QString> m_inSources;  // "context|source" of every text in src/
    QTemporaryDir m_home;

    static QString key(const Message& m) { return m.context + u'|' + m.source; }

    // The program run as a user would, with nothing of the test's locale.
    QProcess* run(const QStringList& environment, const QStringList& arguments) {
        QProcessEnvironment env;
        env.insert(QStringLiteral("PATH"), qEnvironmentVariable("PATH"));
        env.insert(QStringLiteral("HOME"), m_home.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_home.path() + QStringLiteral("/config"));
        env.insert(QStringLiteral("XDG_DATA_HOME"), m_home.path() + QStringLiteral("/data"));
        env.insert(QStringLiteral("PARLAMO_CONFIG_HOST"), QStringLiteral("127.0.0.1:9"));
        for (const QString& pair : environment)
            env.insert(pair.section(u'=', 0, 0), pair.section(u'=', 1));
        auto* process = new QProcess(this);
        process->setProcessEnvironment(env);
        process->start(qEnvironmentVariable("PARLAMO_PROGRAM"), arguments);
        if (!process->waitForFinished(30000)) qFatal("the program did not end");
        return process;
    }

private slots:
    void initTestCase() {
        QVERIFY(m_home.isValid());
        // What lupdate finds in the sources now, to hold the files against.
        QTemporaryDir work;
        const QString probe = work.path() + QStringLiteral("/probe_xx.ts");
        QProcess lupdate;
        lupdate.setProcessChannelMode(QProcess::MergedChannels);
        lupdate.start(
            qEnvironmentVariable("PARLAMO_LUPDATE"),
            {QStringLiteral("-no-obsolete"), QStringLiteral("-locations"), QStringLiteral("none"),
             QStringLiteral("-I"), sourceDir() + QStringLiteral("/src"),
             sourceDir() + QStringLiteral("/src"), QStringLiteral("-ts"), probe});
        QVERIFY2(lupdate.waitForFinished(120000) && lupdate.exitCode() == 0,
                 lupdate.readAll().constData());
        QString error;
        for (const Message& m : readTs(probe, &error)) m_inSources.insert(key(m));
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QVERIFY(m_inSources.size() > 100);
    }

    void cleanup() { removeTranslations(); }

    void linguistFiles_data() {
        QTest::addColumn<QString>("path");
        const QDir folder(sourceDir() + QStringLiteral("/data/translations"));
        const QStringList files = folder.entryList({QStringLiteral("parlamo_*.ts")});
        for (const char* wanted : {"de", "es", "fr"})
            QVERIFY2(files.contains(QStringLiteral("parlamo_%1.ts").arg(QLatin1String(wanted))),
                     wanted);
        for (const QString& file : files) QTest::newRow(qPrintable(file)) << folder.filePath(file);
    }

    // Complete, in step with the sources, and built into the program; every
    // translation keeps the placeholders, the access key and the closing
    // mark of its text.
    void linguistFiles() {
        QFETCH(QString, path);
        QString error;
        const QList<Message> messages = readTs(path, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QSet<QString> inFile;
        for (const Message& m : messages) {
            const QByteArray where = (key(m) + QStringLiteral(" -> ") + m.translation).toUtf8();
            inFile.insert(key(m));
            QVERIFY2(m.type.isEmpty(), (m.type.toUtf8() + ": " + where).constData());
            QVERIFY2(!m.translation.isEmpty(), where.constData());
            QVERIFY2(placeholders(m.translation) == placeholders(m.source), where.constData());
            QVERIFY2(accessKeyCount(m.translation) == accessKeyCount(m.source), where.constData());
            QVERIFY2(endsAlike(m.translation, m.source), where.constData());
            QVERIFY2((m.translation.startsWith(u", ") || m.translation.startsWith(u'，')) ==
                         m.source.startsWith(u", "),
                     where.constData());
        }
        for (const QString& k : m_inSources)
            QVERIFY2(inFile.contains(k), qPrintable(QStringLiteral("not in the file: ") + k));
        for (const QString& k : inFile)
            QVERIFY2(m_inSources.contains(k),
                     qPrintable(QStringLiteral("no longer in the sources: ") + k));
        const QString language = QFileInfo(path).completeBaseName().section(u'_', 1);
        QVERIFY2(Translations::available().contains(language), qPrintable(language));
    }

    void commandLine_data() {
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>(
            "firstLine");  // standard output's, or standard error's on failure
        QTest::addColumn<QString>("alsoShown");  // a line further on, the parser's own

        const QStringList help{QStringLiteral("--help")};
        const QString de = QStringLiteral("LANG=de_DE.UTF-8");
        const QString deUsage =
            QStringLiteral("Aufruf: RaDudezozad [Optionen] [/startup] [/debug]");
        const QString frUsage =
            QStringLiteral("Utilisation : RaDudezozad [options] [/startup] [/debug]");
        const QString esUsage = QStringLiteral("Uso: RaDudezozad [opciones] [/startup] [/debug]");
        const QString enUsage = QStringLiteral("Usage: RaDudezozad [options] [/startup] [/debug]");
        QTest::addRow("de_DE") << QStringList{de} << help << 0 << deUsage << "Optionen:";
        QTest::addRow("es_ES") << QStringList{"LANG=es_ES.UTF-8"} << help << 0 << esUsage
                               << "Opciones:";
        QTest::addRow("fr_FR") << QStringList{"LANG=fr_FR.UTF-8"} << help << 0 << frUsage
                               << "Options :";
        QTest::addRow("pl_PL") << QStringList{"LANG=pl_PL.UTF-8"} << help << 0
                               << QStringLiteral(
                                      "Sposób użycia: RaDudezozad [opcje] [/startup] [/debug]")
                               << "Opcje:";
        QTest::addRow("LANGUAGE over LANG")
            << QStringList{"LANGUAGE=fr", de} << help << 0 << frUsage << "Options :";
        QTest::addRow("LC_ALL over LANG")
            << QStringList{"LC_ALL=es_ES.UTF-8", de} << help << 0 << esUsage << "Opciones:";
        QTest::addRow("LANGUAGE falls through to one we have")
            << QStringList{"LANGUAGE=ko:de", "LANG=C.UTF-8"} << help << 0 << deUsage << "Optionen:";
        QTest::addRow("English before German in LANGUAGE")
            << QStringList{"LANGUAGE=en_GB:de", de} << help << 0 << enUsage << "Options:";
        QTest::addRow("German error of our own")
            << QStringList{de} << QStringList{"--history", "--format", "xml"} << 2
            << "RaDudezozad: unbekanntes Format \"xml\": tsv oder csv" << QString();
        QTest::addRow("German error of the parser")
            << QStringList{de} << QStringList{"--translate"} << 2
            << "RaDudezozad: Nach '--translate' fehlt der Wert." << QString();
    }

    void commandLine() {
        QFETCH(QStringList, environment);
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, firstLine);
        QFETCH(QString, alsoShown);
        QProcess* process = run(environment, arguments);
        const QString out = QString::fromUtf8(process->readAllStandardOutput());
        const QString err = QString::fromUtf8(process->readAllStandardError());
        QCOMPARE(process->exitCode(), exitCode);
        if (exitCode == 0) {
            QCOMPARE(out.section(u'\n', 0, 0), firstLine);
            QVERIFY2(out.split(u'\n').contains(alsoShown), qPrintable(out));
            QCOMPARE(err, QString());  // no word about the locale either
        } else {
            QCOMPARE(out, QString());
            QCOMPARE(err, firstLine + u'\n');
        }
    }

    // Without a translation the texts are the ones written in the program,
    // byte for byte.
    void englishAndC() {
        const QByteArray written = AppCommandLine::helpText().toUtf8();
        for (const QString& locale : {QStringLiteral("LANG=C"), QStringLiteral("LC_ALL=C.UTF-8"),
                                      QStringLiteral("LANG=en_US.UTF-8")}) {
            QProcess* process = run({locale}, {QStringLiteral("--help")});
            QCOMPARE(process->readAllStandardOutput(), written);
        }
    }

    void window_data() {
        QTest::addColumn<QStringList>("uiLanguages");
        QTest::addColumn<QString>("loaded");
        QTest::addColumn<QStringList>("menus");  // File, Exit, Hear It!, Cancel (Qt's own)
        QTest::addColumn<QString>("busy");
        QTest::addColumn<QString>("idle");

        QTest::addRow("de_DE") << QStringList{"de-DE", "de"} << "de_DE"
                               << QStringList{"&Datei", "&Beenden", "&Anhören!", "Abbrechen"}
                               << "Wird übersetzt: %1"
                               << "Übersetzt.";
        QTest::addRow("es_ES") << QStringList{"es-ES", "es"} << "es_ES"
                               << QStringList{"&Archivo", "&Salir", "¡&Escuchar!", "Cancelar"}
                               << "Traduciendo: %1"
                               << "Traducido.";
        QTest::addRow("fr after ko") << QStringList{"ko-KR", "fr-FR"} << "fr_FR"
                                     << QStringList{"&Fichier", "&Quitter", "É&couter !", "Annuler"}
                                     << "Traduction en cours : %1"
                                     << "Traduit.";
        QTest::addRow("en_US") << QStringList{"en-US", "de-DE"} << QString()
                               << QStringList{"&File", "&Exit", "&Hear It!", "Cancel"}
                               << "Translating from %1"
                               << "Translated.";

        // The further languages with their own words as their files give
        // them and Qt's Cancel; a row whose file is not there is skipped.
        struct Further {
            const char* row;
            QStringList uiLanguages;
            QString loaded, file, cancel;
        };
        const QList<Further> further{
            {"it_IT", {"it-IT", "it"}, "it_IT", "it", "Annulla"},
            {"pt_BR", {"pt-BR", "pt-Latn-BR", "pt"}, "pt_BR", "pt_BR", "Cancelar"},
            {"pt_PT takes pt_BR", {"pt-Latn-PT", "pt-PT"}, "pt_Latn_PT", "pt_BR", "Cancelar"},
            {"nl_BE", {"nl-BE"}, "nl_BE", "nl", "Annuleren"},
            {"pl_PL", {"pl-PL", "pl"}, "pl_PL", "pl", "Anuluj"},
            {"ru_RU", {"ru-RU", "ru"}, "ru_RU", "ru", QStringLiteral("Отмена")},
            {"uk_UA", {"uk-UA", "uk"}, "uk_UA", "uk", QStringLiteral("Скасувати")},
            {"zh_CN", {"zh-CN", "zh-Hans-CN", "zh"}, "zh_CN", "zh_CN", QStringLiteral("取消")},
            {"zh_SG takes zh_CN",
             {"zh-Hans-SG", "zh-SG"},
             "zh_Hans_SG",
             "zh_CN",
             QStringLiteral("取消")},
            {"ja_JP", {"ja-JP", "ja-Jpan-JP", "ja"}, "ja_JP", "ja", QStringLiteral("キャンセル")}};
        for (const Further& l : further) {
            QStringList menus{translated(l.file, "frmTranslate", "&File"),
                              translated(l.file, "frmTranslate", "&Exit"),
                              translated(l.file, "frmTranslate", "&Hear It!"), l.cancel};
            if (menus.first().isEmpty()) menus.clear();
            QTest::addRow("%s", l.row) << l.uiLanguages << l.loaded << menus
                                       << translated(l.file, "frmTranslate", "Translating from %1")
                                       << translated(l.file, "frmTranslate", "Translated.");
        }
        // Traditional Chinese is not the Simplified one we have.
        QTest::addRow("zh_TW stays English")
            << QStringList{"zh-TW", "zh-Hant-TW"} << QString()
            << QStringList{"&File", "&Exit", "&Hear It!", "Cancel"} << "Translating from %1"
            << "Translated.";
    }

    // A start in the language: menus, buttons, status lines and Qt's
    // standard buttons translated, access keys unique, and the service's
    // captions as the document gives them, even where a text of ours reads
    // the same.
    void window() {
        QFETCH(QStringList, uiLanguages);
        QFETCH(QString, loaded);
        QFETCH(QStringList, menus);
        QFETCH(QString, busy);
        QFETCH(QString, idle);
        if (menus.isEmpty()) QSKIP("no Linguist file for this language in this tree");
        QCOMPARE(Translations::install(*qApp, uiLanguages), loaded);

        FormFixture f(sample(all({attr("//Messages", "titlemsgbox", "Translated."),
                                  attr("//Messages", "cmdTranslate", "Translate")})));
        f.form->Form_Load();
        QMenuBar* bar = f.form->menuBar();
        QCOMPARE(bar->actions().at(0)->text(), menus.at(0));
        QCOMPARE(f.mnuExit->text(), menus.at(1));
        QCOMPARE(f.cmdHearIt->text(), menus.at(2));
        QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        QCOMPARE(box.button(QDialogButtonBox::Cancel)->text(), menus.at(3));
        QCOMPARE(f.form->windowTitle(), QStringLiteral("Translated."));
        QCOMPARE(f.cmdTranslate->text(), QStringLiteral("Translate"));

        // The hint beside the word box has a fixed width; the font may only
        // shrink so far.
        QVERIFY2(QFontMetricsF(f.lblHint->font()).horizontalAdvance(f.lblHint->text()) <=
                     f.lblHint->width(),
                 qPrintable(f.lblHint->text()));

        f.form->Disable();
        QCOMPARE(f.barStatusPanel1->text(), busy.arg(f.cboLanguages->currentText()));
        f.form->Enable();
        QCOMPARE(f.barStatusPanel1->text(), idle);

        // Alt+letter must reach one thing: across the menu bar and Hear It,
        // and within each menu. (The English captions are given as they
        // are, Alt+H for both Help and Hear It among them.)
        if (loaded.isEmpty()) return;
        QList<QStringList> groups{{f.cmdHearIt->text()}};
        for (QAction* title : bar->actions()) {
            groups.first() << title->text();
            QStringList entries;
            for (QAction* entry : title->menu()->actions()) entries << entry->text();
            groups << entries;
        }
        groups << QStringList{f.mnuTrayOpen->text(), f.mnuTrayExit->text()};
        // The popup's buttons, the Selection Shortcut dialog's own (Qt's
        // OK and Cancel carry no access key), and the History window's.
        const SelectionPopup popup(f.globals, Platform{});
        const ShortcutDialog dialog{QString()};
        const QTemporaryDir data;
        HistoryStore store(data.filePath(QStringLiteral("history.sqlite")));
        const HistoryWindow history(store, nullptr);
        for (const QWidget* w : std::initializer_list<const QWidget*>{&popup, &dialog, &history}) {
            QStringList buttons;
            for (const QAbstractButton* b : w->findChildren<QAbstractButton*>())
                if (accessKeyCount(b->text()) > 0) buttons << b->text();
            QVERIFY2(!buttons.isEmpty(), qPrintable(w->objectName()));
            groups << buttons;
        }
        for (const QStringList& group : groups) {
            QSet<QChar> keys;
            for (const QString& text : group) {
                const QChar k = accessKey(text);
                QVERIFY2(!k.isNull(), qPrintable(text));
                QVERIFY2(!keys.contains(k), qPrintable(group.join(u", ")));
                keys.insert(k);
            }
        }
    }
};

QTEST_MAIN(TestTranslations)
#include "test_translations.moc"
