#include <QTest>

#include "config/ConfigDocument.h"
#include "translate/AnswerDecoding.h"
#include "translate/ResultExtraction.h"
#include "translate/TranslationRequest.h"

class TestTranslationCore : public QObject {
    Q_OBJECT

    static ConfigDocument* load(const QByteArray& xml) {
        auto* doc = new ConfigDocument;
        if (!doc->loadFromBytes(xml)) qFatal("test document does not parse");
        return doc;
    }

private slots:
    void requestAddress_data() {
        QTest::addColumn<QByteArray>("engine");
        QTest::addColumn<QByteArray>("language");
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("operation");
        QTest::addRow("all parts")
            << QByteArray(R"(url="http://h/t" textstring="q" languagestring="lp" )"
                          R"(otherstring="&amp;x=1" method="get")")
            << QByteArray(R"(value="en|es")") << "http://h/t?q=E&lp=en|es&x=1"
            << "GET";
        QTest::addRow("absent attributes keep the separators")
            << QByteArray(R"(method="Post")") << QByteArray() << "?=E&="
            << "POST";
        QTest::addRow("no otherstring ends with the value")
            << QByteArray(R"(url="u" textstring="t" languagestring="l")")
            << QByteArray(R"(value="v")") << "u?t=E&l=v"
            << "";
        QTest::addRow("escaped ampersand entity becomes &")
            << QByteArray(R"(url="u" textstring="t" languagestring="l" )"
                          R"(otherstring="&amp;amp;a=1&amp;amp;b=2")")
            << QByteArray(R"(value="x&amp;amp;y")") << "u?t=E&l=x&y&a=1&b=2"
            << "";
        QTest::addRow("one pass, no rescan")
            << QByteArray(R"(url="u" otherstring="&amp;amp;amp;")") << QByteArray() << "u?=E&=&amp;"
            << "";
        QTest::addRow("case-sensitive entity")
            << QByteArray(R"(url="u" otherstring="&amp;AMP;")") << QByteArray() << "u?=E&=&AMP;"
            << "";
    }
    void requestAddress() {
        QFETCH(QByteArray, engine);
        QFETCH(QByteArray, language);
        QFETCH(QString, url);
        QFETCH(QString, operation);
        std::unique_ptr<ConfigDocument> doc(load("<r><Engines><Engine name=\"e\" " + engine +
                                                 "><Languages><Language name=\"l\" " + language +
                                                 "/></Languages></Engine></Engines></r>"));
        const TranslationRequest r = TranslationRequest::build(
            doc->selectSingleNode(ConfigDocument::engineQuery("e")),
            doc->selectSingleNode(ConfigDocument::languageQuery("e", "l")), "E");
        QCOMPARE(r.url, url);
        QCOMPARE(r.operation, operation);
        QCOMPARE(r.headers, TranslationRequest::userAgentHeader());
    }

    void userAgentLine() {
        const QString line = TranslationRequest::userAgentHeader();
        QCOMPARE(line.size(), 63);
        QCOMPARE(line, QString::fromLatin1(
                           "user-agent:Mozilla/4.0 (compatible;\"MSIE 6.0; Windows NT 5.1)\"\""));
    }

    void extract_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("result");
        QTest::addRow("plain") << "<p>[[hola]]</p>"
                               << "[["
                               << "]]"
                               << "hola";
        QTest::addRow("first before wins") << "[[one]] [[two]]"
                                           << "[["
                                           << "]]"
                                           << "one";
        QTest::addRow("after before the before is ignored") << "]] x [[mid]] y ]]"
                                                            << "[["
                                                            << "]]"
                                                            << "mid";
        QTest::addRow("empty before starts at the beginning") << "abc|def"
                                                              << ""
                                                              << "|"
                                                              << "abc";
        QTest::addRow("empty after gives nothing") << "[[abc]]"
                                                   << "[["
                                                   << ""
                                                   << "";
        QTest::addRow("markers are case-sensitive") << "<B>x</b><b>y</b>"
                                                    << "<b>"
                                                    << "</b>"
                                                    << "y";
        QTest::addRow("trailing CRLF repeated then spaces") << "[[  text \r\n\r\n\n\r]]"
                                                            << "[["
                                                            << "]]"
                                                            << "text";
        QTest::addRow("line break then spaces keeps the break") << "[[text\n   ]]"
                                                                << "[["
                                                                << "]]"
                                                                << "text\n";
        QTest::addRow("leading spaces before a break go") << "[[   \nword]]"
                                                          << "[["
                                                          << "]]"
                                                          << "\nword";
        QTest::addRow("leading break keeps its spaces") << "[[\n   word]]"
                                                        << "[["
                                                        << "]]"
                                                        << "\n   word";
        QTest::addRow("tabs stay") << "[[\tword\t]]"
                                   << "[["
                                   << "]]"
                                   << "\tword\t";
        QTest::addRow("no-break space is not a space") << QString("[[\u00A0w\u00A0]]") << "[["
                                                       << "]]" << QString("\u00A0w\u00A0");
        QTest::addRow("markup kept") << "[[a<br/>b &amp; c]]"
                                     << "[["
                                     << "]]"
                                     << "a<br/>b &amp; c";
        QTest::addRow("only spaces") << "[[    ]]"
                                     << "[["
                                     << "]]"
                                     << "";
        QTest::addRow("overlapping markers") << "aaab"
                                             << "aa"
                                             << "ab"
                                             << "";
    }
    void extract() {
        QFETCH(QString, answer);
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(QString, result);
        const std::optional<QString> got = ExtractResult(answer, before, after);
        QVERIFY(got.has_value());
        QCOMPARE(*got, result);
    }

    void extractFindsNothing_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::addRow("no before") << "<html>error</html>"
                                   << "[["
                                   << "]]";
        QTest::addRow("after only before the before") << "]] [[text"
                                                      << "[["
                                                      << "]]";
        QTest::addRow("empty answer") << ""
                                      << "[["
                                      << "]]";
        QTest::addRow("empty answer, empty before") << ""
                                                    << ""
                                                    << "]]";
    }
    void extractFindsNothing() {
        QFETCH(QString, answer);
        QFETCH(QString, before);
        QFETCH(QString, after);
        QVERIFY(!ExtractResult(answer, before, after).has_value());
    }

    void decode_data() {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QByteArray>("contentType");
        QTest::addColumn<QString>("text");
        QTest::addRow("utf-8 named")
            << QByteArray("caf\xc3\xa9") << QByteArray("text/html; charset=utf-8")
            << QString::fromUtf8("café");
        QTest::addRow("quoted upper-case name")
            << QByteArray("caf\xe9") << QByteArray("text/html;Charset=\"ISO-8859-1\"")
            << QString::fromUtf8("café");
        QTest::addRow("latin-1 label reads as windows-1252")
            << QByteArray("\x93q\x94") << QByteArray("text/html; charset=iso-8859-1")
            << QString::fromUtf8("“q”");
        QTest::addRow("named charset wins over valid utf-8")
            << QByteArray("caf\xc3\xa9") << QByteArray("text/plain; charset=windows-1252")
            << QString::fromUtf8("cafÃ©");
        QTest::addRow("other named charset")
            << QByteArray("\xf0\xd2\xc9") << QByteArray("text/plain; charset=koi8-r")
            << QString::fromUtf8("При");
        QTest::addRow("no charset, valid utf-8")
            << QByteArray("\xe2\x82\xac") << QByteArray("text/html") << QString::fromUtf8("€");
        QTest::addRow("no charset, not utf-8")
            << QByteArray("caf\xe9 \x80") << QByteArray() << QString::fromUtf8("café €");
        // A last byte that starts a multi-byte sequence is still decoded.
        QTest::addRow("no charset, accent at the end")
            << QByteArray("caf\xe9") << QByteArray() << QString::fromUtf8("café");
        QTest::addRow("windows-1252, accent at the end")
            << QByteArray("caf\xe9") << QByteArray("text/html; charset=Windows-1252")
            << QString::fromUtf8("café");
        QTest::addRow("labelled utf-8, cut sequence at the end")
            << QByteArray("caf\xe9") << QByteArray("text/html; charset=utf-8")
            << QString::fromUtf8("caf\xef\xbf\xbd");
        QTest::addRow("unknown charset falls back")
            << QByteArray("caf\xc3\xa9") << QByteArray("text/html; charset=x-nonsense")
            << QString::fromUtf8("café");
        QTest::addRow("utf-8 byte order mark skipped")
            << QByteArray("\xef\xbb\xbfok") << QByteArray() << QString("ok");
        QTest::addRow("empty") << QByteArray() << QByteArray() << QString();
    }
    void decode() {
        QFETCH(QByteArray, body);
        QFETCH(QByteArray, contentType);
        QFETCH(QString, text);
        QCOMPARE(decodeAnswer(body, contentType), text);
    }
};

QTEST_GUILESS_MAIN(TestTranslationCore)
#include "test_translationcore.moc"
