#include <QFile>
#include <QTest>

#include "language/LanguageDetector.h"
#include "language/PairRule.h"

namespace {

using Why = PairRule::Choice::Why;

// An engine's pairs: some with codes, two only named as each other's
// reverse, one with a region subtag.
QList<EngineLists::Pair> enginePairs(bool withCodes) {
    QList<EngineLists::Pair> pairs{
        {"English to Spanish", "eng|spa", "en", "es"},        // 0
        {"Spanish to English", "spa|eng", "es", "en"},        // 1
        {"German to Spanish", "deu|spa", "de", "es"},         // 2
        {"German to English", "deu|eng", "de", "en"},         // 3
        {"English to German", "eng|deu", "en", "de"},         // 4
        {"French to Italian", "fr|it", "", ""},               // 5
        {"Italian to French", "it|fr", "", ""},               // 6
        {"Brazilian to English", "pt-BR|en", "pt-BR", "en"},  // 7
    };
    if (!withCodes)
        for (EngineLists::Pair& p : pairs) p.from = p.to = QString();
    return pairs;
}

bool cld2InProcess() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libcld2");
}

}  // namespace

class TestLanguage : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { LanguageDetector::useLibrary(QStringLiteral(PARLAMO_LANGUAGE_LIBRARY)); }

    // Detected language x current pair (x target) -> the pair used, and the
    // pair that translates its translation back.
    void pairRule_data() {
        QTest::addColumn<QString>("detected");  // empty: not sure
        QTest::addColumn<int>("current");
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("codes");
        QTest::addColumn<int>("index");
        QTest::addColumn<Why>("why");
        QTest::addColumn<int>("back");
        QTest::addRow("into the current target")
            << "de" << 0 << "" << true << 2 << Why::Detected << -1;
        QTest::addRow("already in the target: swapped")
            << "es" << 0 << "" << true << 1 << Why::Detected << 0;
        QTest::addRow("the current source") << "en" << 0 << "" << true << 0 << Why::Detected << 1;
        QTest::addRow("not sure keeps the pair") << "" << 3 << "" << true << 3 << Why::NotSure << 4;
        QTest::addRow("no pair from the language")
            << "it" << 0 << "" << true << 0 << Why::NoMatch << 1;
        QTest::addRow("current pair without codes")
            << "de" << 5 << "" << true << 5 << Why::NoCodes << 6;
        QTest::addRow("no pair has codes") << "de" << 0 << "" << false << 0 << Why::NoCodes << 1;
        QTest::addRow("target asked for") << "de" << 0 << "en" << true << 3 << Why::Detected << 4;
        QTest::addRow("target without a pair")
            << "es" << 0 << "de" << true << 0 << Why::NoMatch << 1;
        QTest::addRow("subtags: pt is pt-BR")
            << "pt" << 1 << "" << true << 7 << Why::Detected << -1;
        QTest::addRow("letter case") << "DE" << 1 << "" << true << 3 << Why::Detected << 4;
        QTest::addRow("de-AT is not the pair of de-CH")
            << "de-AT" << 1 << "de-CH" << true << 1 << Why::NoMatch << 0;
        QTest::addRow("nothing chosen: first pair from it")
            << "de" << -1 << "" << true << 2 << Why::Detected << -1;
    }
    void pairRule() {
        QFETCH(QString, detected);
        QFETCH(int, current);
        QFETCH(QString, target);
        QFETCH(bool, codes);
        QFETCH(int, index);
        QFETCH(Why, why);
        const QList<EngineLists::Pair> pairs = enginePairs(codes);
        const PairRule::Choice choice = PairRule::choose(detected, pairs, current, target);
        QCOMPARE(choice.index, index);
        QCOMPARE(choice.why, why);
        QTEST(PairRule::reverse(pairs, choice.index), "back");
    }

    // Sentences of the demo's languages and four more; short or mixed texts
    // are not sure, and those do not even load the detector.
    void detection_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("loaded");  // the library is in the process after this row
        QTest::addRow("one word") << "Bonjour"
                                  << "" << false;
        QTest::addRow("eleven letters") << "Guten Tag, Ana!"
                                        << "" << false;
        QTest::addRow("en") << "She has been learning to play the piano since she was six."
                            << "en" << true;
        QTest::addRow("es") << "Nosotros vamos a la playa todos los veranos con la familia."
                            << "es" << true;
        QTest::addRow("ca") << "Aquest matí he comprat pa i llet a la botiga del barri."
                            << "ca" << true;
        QTest::addRow("de") << "Wir fahren morgen mit dem Zug nach Berlin zu meiner Tante."
                            << "de" << true;
        QTest::addRow("fr") << "Elle a acheté une nouvelle voiture rouge la semaine dernière."
                            << "fr" << true;
        QTest::addRow("it") << "Domani andiamo al mare con tutta la famiglia e gli amici."
                            << "it" << true;
        QTest::addRow("pt") << "Os meninos jogam futebol na praia todos os domingos de manhã."
                            << "pt" << true;
        QTest::addRow("letters, but no language") << "qwrtzp lkjhgfd mnbvcxy"
                                                  << "" << true;
        QTest::addRow("a long text: its start")
            << QString("Ich habe heute keine Zeit, weil ich arbeiten muss. ").repeated(200) + "x"
            << "de" << true;
    }
    void detection() {
        QFETCH(QString, text);
        QTEST(LanguageDetector::detect(text), "code");
        QTEST(cld2InProcess(), "loaded");
    }
};

QTEST_GUILESS_MAIN(TestLanguage)
#include "test_language.moc"
