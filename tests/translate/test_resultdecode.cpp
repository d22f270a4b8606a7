#include <QTest>

#include "translate/ResultDecode.h"

class TestResultDecode : public QObject {
    Q_OBJECT
private slots:
    void decode_data();
    void decode();
};

void TestResultDecode::decode_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    const QString same = QStringLiteral(R"(He said \"hi\" &amp; <b>left</b>)");
    QTest::addRow("absent") << QString() << same << same;
    QTest::addRow("unknown value") << QStringLiteral("JSON") << same << same;

    QTest::addRow("json quotes, backslash, slash") << "json"
                                                   << R"(He said \"hi\" \\o/ a\/b)"
                                                   << R"(He said "hi" \o/ a/b)";
    QTest::addRow("json controls") << "json"
                                   << R"(a\nb\r\tc\bd\fe)" << QStringLiteral("a\nb\r\tc\bd\fe");
    QTest::addRow("json \\u, any case")
        << "json"
        << R"(caf\u00e9 \u00C9t\u00e9)" << QStringLiteral("café Été");
    QTest::addRow("json surrogate pair") << "json"
                                         << R"(\ud83d\ude00!)" << QStringLiteral("\U0001F600!");
    QTest::addRow("json escaped backslash before n") << "json"
                                                     << R"(C:\\new)"
                                                     << R"(C:\new)";
    QTest::addRow("json invalid escapes stay") << "json"
                                               << R"(\x \u12 \u12G4 \ud83d alone \ude00 end\)"
                                               << R"(\x \u12 \u12G4 \ud83d alone \ude00 end\)";

    QTest::addRow("html references")
        << "html"
        << "&lt;&amp;&gt; &quot;&apos; &eacute;t&#233; &#xE9;&#X20AC;&euro;&nbsp;"
        << QStringLiteral("<&> \"' été é€€\u00A0");
    QTest::addRow("html br forms") << "html"
                                   << "a<br>b<BR>c<br/>d<br />e<Br clear=\"all\">f"
                                   << "a\nb\nc\nd\ne\nf";
    QTest::addRow("html other tags dropped")
        << "html"
        << R"(<span class="t">Hola</span> <!-- x --><b>mundo</b></bread>)"
        << "Hola mundo";
    QTest::addRow("html decoded markup is text") << "html"
                                                 << "&lt;br&gt;"
                                                 << "<br>";
    QTest::addRow("html not tags or references stay")
        << "html"
        << "a < b, 3<4, x & y, &bogus; &#0; &#xD800; &#1114112; &amp <br"
        << "a < b, 3<4, x & y, &bogus; &#0; &#xD800; &#1114112; &amp <br";
}

void TestResultDecode::decode() {
    QFETCH(QString, how);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(decodeResult(text, how), expected);
}

QTEST_APPLESS_MAIN(TestResultDecode)
#include "test_resultdecode.moc"
