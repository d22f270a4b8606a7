#include <QTest>
#include <limits>

#include "TestEnv.h"
#include "config/ConfigDocument.h"
#include "config/Failure.h"
#include "service/ConfigCheck.h"
#include "service/EngineLists.h"
#include "service/Markers.h"
#include "service/ReversePair.h"
#include "service/Twips.h"

namespace {

QByteArray sample() {
    return TestEnv::readFile(TestEnv::sampleConfigPath());
}

}  // namespace

// The service document as the program reads it: the start-up check, the
// language list after an engine change, the markers around what is taken
// out of a page, twips to pixels, the pair the other way round.
class TestService : public QObject {
    Q_OBJECT
private slots:
    void documentCheck_data() {
        QTest::addColumn<QByteArray>("doc");
        QTest::addColumn<QStringList>("missing");
        QTest::addRow("sample") << sample() << QStringList{};
        QTest::addRow("end notice needs only Messages")
            << QByteArray(R"(<r><Messages titlemsgbox="T" endmessage="Bye"/></r>)")
            << QStringList{};
        QTest::addRow("end notice without a title")
            << QByteArray(R"(<r><Messages endmessage="Bye"/></r>)")
            << QStringList{"the Messages attribute titlemsgbox"};
        QTest::addRow("sections found at any depth")
            << QByteArray(R"(<r><x><Messages titlemsgbox="T" cmdTranslate="Go"/>
                <Features/><Engines default="0" commonlanguages="-2">
                <Engine name="E"><Languages default="-1"/></Engine></Engines>
                <Sizes header="1" footer="2" right="3" center="4.5"/></x></r>)")
            << QStringList{};
        QTest::addRow("largest sizes a screen holds")
            << QByteArray(R"(<r><Messages titlemsgbox="T" cmdTranslate="Go"/>
                <Features/><Engines default="0" commonlanguages="1">
                <Engine name="E"><Languages default="0"><Language name="P"/></Languages>
                </Engine></Engines><Sizes minwidth="491505" minheight="-491505" header="0"
                footer="491505" right="-5" center="1e-30"/></r>)")
            << QStringList{};
        QTest::addRow("engine without Languages")
            << QByteArray(R"(<r><Messages titlemsgbox="T" cmdTranslate="Go"/>
                <Features/><Engines default="0" commonlanguages="1"><Engine name="E"/></Engines>
                <Sizes header="1" footer="2" right="3" center="4"/></r>)")
            << QStringList{"the Languages element of engine E"};
        QTest::addRow("language without a name")
            << QByteArray(R"(<r><Messages titlemsgbox="T" cmdTranslate="Go"/>
                <Features/><Engines default="0" commonlanguages="1"><Engine name="E">
                <Languages default="0"><Language value="x"/></Languages></Engine></Engines>
                <Sizes header="1" footer="2" right="3" center="4"/></r>)")
            << QStringList{"the name of language 1 of engine E"};
        QTest::addRow("several at once")
            << QByteArray(R"(<r><Messages titlemsgbox="T"/><Engines default="0"
                commonlanguages="1"/></r>)")
            << QStringList{"the Messages attribute cmdTranslate", "the Features element",
                           "an engine at the Engines default 0 (there are 0)", "the Sizes element"};
    }
    void documentCheck() {
        QFETCH(QByteArray, doc);
        QFETCH(QStringList, missing);
        ConfigDocument d;
        QVERIFY(d.loadFromBytes(doc));
        QCOMPARE(ConfigCheck::missing(d), missing);
    }

    void languageSelection_data() {
        QTest::addColumn<int>("previous");
        QTest::addColumn<int>("common");
        QTest::addColumn<int>("languagesDefault");
        QTest::addColumn<int>("selected");  // -2: refused as unusable
        QTest::addRow("kept up to commonlanguages") << 2 << 2 << 1 << 2;
        QTest::addRow("above it: the default") << 2 << 1 << 1 << 1;
        QTest::addRow("nothing selected stays so") << -1 << 1 << 1 << -1;
        QTest::addRow("nothing selected, common below -1") << -1 << -2 << 1 << 1;
        QTest::addRow("kept index beyond the new list") << 3 << 5 << 0 << -2;
        QTest::addRow("default beyond the list") << 2 << 0 << 3 << -2;
        QTest::addRow("default -1 clears the selection") << 2 << 0 << -1 << -1;
    }
    void languageSelection() {
        QFETCH(int, previous);
        QFETCH(int, common);
        QFETCH(int, languagesDefault);
        QFETCH(int, selected);
        // Three pairs.
        ConfigDocument doc;
        QVERIFY(doc.loadFromBytes(
            QStringLiteral("<P><Engines default=\"0\" commonlanguages=\"%1\"><Engine name=\"E\">"
                           "<Languages default=\"%2\"><Language name=\"a\"/><Language name=\"b\"/>"
                           "<Language name=\"c\"/></Languages></Engine></Engines></P>")
                .arg(common)
                .arg(languagesDefault)
                .toUtf8()));
        try {
            const EngineLists::List list = EngineLists::languages(doc, "E", previous);
            QCOMPARE(list.names, (QStringList{"a", "b", "c"}));
            QCOMPARE(list.selected, selected);
        } catch (const Failure& e) {
            QVERIFY2(selected == -2, qPrintable(e.message()));
        }
    }

    // Choosing by name, as the command line does: the default is read only
    // when no name is given, and then must select an entry.
    void pickByName_data() {
        QTest::addColumn<QString>("enginesDefault");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("picked");  // -2: refused as unusable
        QTest::addRow("named") << "9"
                               << "B" << 1;
        QTest::addRow("first of equal names") << "0"
                                              << "A" << 0;
        QTest::addRow("unknown") << "0"
                                 << "Z" << -1;
        QTest::addRow("default") << "2"
                                 << "" << 2;
        QTest::addRow("default selects nothing") << "-1"
                                                 << "" << -2;
        QTest::addRow("default beyond the list") << "3"
                                                 << "" << -2;
        QTest::addRow("no default") << ""
                                    << "" << -2;
    }
    void pickByName() {
        QFETCH(QString, enginesDefault);
        QFETCH(QString, name);
        QFETCH(int, picked);
        ConfigDocument doc;
        QVERIFY(doc.loadFromBytes(
            QStringLiteral("<P><Engines %1><Engine name=\"A\"/><Engine name=\"B\"/>"
                           "<Engine name=\"A\"/></Engines></P>")
                .arg(enginesDefault.isEmpty()
                         ? QString()
                         : QStringLiteral("default=\"%1\"").arg(enginesDefault))
                .toUtf8()));
        const QStringList engines = EngineLists::engineNames(doc);
        QCOMPARE(engines, (QStringList{"A", "B", "A"}));
        try {
            QCOMPARE(EngineLists::pickEngine(doc, engines, name), picked);
        } catch (const Failure& e) {
            QVERIFY2(picked == -2, qPrintable(e.message()));
        }
    }

    void markers_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("name");  // null: no name
        QTest::addRow("plain") << "<b>[[hello]]</b>"
                               << "[["
                               << "]]"
                               << "hello";
        QTest::addRow("first of two") << "[[one]] [[two]]"
                                      << "[["
                                      << "]]"
                                      << "one";
        QTest::addRow("after searched after before") << "x]] [[one]]"
                                                     << "[["
                                                     << "]]"
                                                     << "one";
        QTest::addRow("long markers") << "<a href=\"/s/hello\">x</a>"
                                      << "href=\"/s/"
                                      << "\">"
                                      << "hello";
        QTest::addRow("empty name") << "[[]]"
                                    << "[["
                                    << "]]"
                                    << "";
        QTest::addRow("no after") << "[[hello"
                                  << "[["
                                  << "]]" << QString();
        QTest::addRow("no before") << "hello]]"
                                   << "[["
                                   << "]]" << QString();
        QTest::addRow("case-sensitive") << "<B>x</B>"
                                        << "<b>"
                                        << "</b>" << QString();
        QTest::addRow("empty page") << ""
                                    << "[["
                                    << "]]" << QString();
        QTest::addRow("empty before: from the start") << "abc]]"
                                                      << ""
                                                      << "]]"
                                                      << "abc";
    }
    void markers() {
        QFETCH(QString, page);
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(QString, name);
        const auto got = Markers::between(page, before, after);
        QCOMPARE(got.has_value(), !name.isNull());
        if (got) QCOMPARE(*got, name);
    }

    void toPixelsIsDefinedEverywhere_data() {
        QTest::addColumn<double>("twips");
        QTest::addColumn<int>("pixels");
        const double inf = std::numeric_limits<double>::infinity();
        QTest::addRow("half away from zero") << 37.5 << 3;
        QTest::addRow("largest window side") << Twips::largest << Twips::pixelLimit;
        QTest::addRow("3e38 twips") << 3e38 << Twips::pixelLimit;
        QTest::addRow("-3e38 twips") << -3e38 << -Twips::pixelLimit;
        QTest::addRow("infinity") << inf << Twips::pixelLimit;
        QTest::addRow("nan") << std::numeric_limits<double>::quiet_NaN() << 0;
    }

    void toPixelsIsDefinedEverywhere() {
        QFETCH(double, twips);
        QTEST(Twips::toPixels(twips, 15.0), "pixels");
    }

    // Pairs as "name=value", the selected index, the reverse's index.
    void reversePair_data() {
        QTest::addColumn<QStringList>("pairs");
        QTest::addColumn<int>("selected");
        QTest::addColumn<int>("reverse");
        const QStringList demo{"English to Spanish=eng|spa", "Spanish to English=spa|eng",
                               "English to Catalan=eng|cat", "Catalan to English=cat|eng"};
        QTest::addRow("by name, there") << demo << 0 << 1;
        QTest::addRow("by name, and back") << demo << 1 << 0;
        QTest::addRow("further down the list") << demo << 3 << 2;
        QTest::addRow("name decides before value")
            << QStringList{"A to B=x-y", "Other=y-x", "B to A=q"} << 0 << 2;
        QTest::addRow("by value, any separator")
            << QStringList{"EN>ES=en_es", "ES>EN=es_en"} << 0 << 1;
        QTest::addRow("no reverse")
            << QStringList{"English to Spanish=eng|spa", "x=eng|cat"} << 0 << -1;
        QTest::addRow("same language both sides")
            << QStringList{"English to English=en|en", "y=en|en"} << 0 << -1;
        QTest::addRow("not two codes")
            << QStringList{"a=abc", "b=cba", "c=a|b|c", "d=c|b|a"} << 2 << -1;
        QTest::addRow("nothing selected") << demo << -1 << -1;
    }
    void reversePair() {
        QFETCH(QStringList, pairs);
        QFETCH(int, selected);
        QList<ReversePair::Pair> list;
        for (const QString& p : pairs) list.append({p.section('=', 0, 0), p.section('=', 1)});
        QTEST(ReversePair::find(list, selected), "reverse");
    }

    // The same through the document: the engine's Language elements in order.
    void reversePairInTheDocument() {
        ConfigDocument doc;
        QVERIFY(doc.loadFromBytes(sample()));
        QCOMPARE(ReversePair::find(doc, "Lumen Post", 3), 2);
        QCOMPARE(ReversePair::find(doc, "Lumen Post", 0), 1);
        QVERIFY_THROWS_EXCEPTION(Failure, ReversePair::find(doc, "Gone", 0));
    }
};

QTEST_GUILESS_MAIN(TestService)
#include "test_service.moc"
