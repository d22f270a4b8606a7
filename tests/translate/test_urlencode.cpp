#include <QTest>

#include "ReferenceUrlEncode.h"
#include "translate/UrlEncode.h"
#include "translate/Windows1252.h"

class TestUrlEncode : public QObject {
    Q_OBJECT
private slots:
    void windows1252_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("encoded");
        QTest::addRow("empty") << QString() << QString();
        QTest::addRow("letters and digits") << "AbcXYZ019xyz"
                                            << "AbcXYZ019xyz";
        QTest::addRow("space") << "a b"
                               << "a%20b";
        QTest::addRow("percent") << "100%"
                                 << "100%25";
        QTest::addRow("looks encoded") << "%41"
                                       << "%2541";
        QTest::addRow("query punctuation") << "+&=?'\"#/"
                                           << "%2B%26%3D%3F%27%22%23%2F";
        QTest::addRow("unreserved too") << "-._~"
                                        << "%2D%2E%5F%7E";
        QTest::addRow("code 1") << QString(QChar(1)) << "%01";
        QTest::addRow("code 15") << QString(QChar(15)) << "%0F";
        QTest::addRow("code 16") << QString(QChar(16)) << "%10";
        QTest::addRow("tab CR LF") << "a\tb\r\nc"
                                   << "a%09b%0D%0Ac";
        QTest::addRow("e acute") << QString::fromUtf8("é") << "%E9";
        QTest::addRow("euro") << QString::fromUtf8("€") << "%80";
        QTest::addRow("y diaeresis 0x9F") << QString::fromUtf8("Ÿ") << "%9F";
        QTest::addRow("no-break space") << QString(QChar(0xA0)) << "%A0";
        QTest::addRow("undefined 0x81 slot") << QString(QChar(0x81)) << "%81";
        // U+0080 is not in the code page: 0x80 is the euro sign there.
        QTest::addRow("C1 control outside") << QString(QChar(0x80)) << QString(QChar(0x80));
        QTest::addRow("greek stays") << QString::fromUtf8("aλb c") << QString::fromUtf8("aλb%20c");
        QTest::addRow("arabic stays") << QString::fromUtf8("سلام") << QString::fromUtf8("سلام");
        QTest::addRow("code 0 stays") << QString(QChar(0)) + "x" << QString(QChar(0)) + "x";
        QTest::addRow("emoji stays") << QString::fromUtf8("😀!") << QString::fromUtf8("😀%21");
    }
    void windows1252() {
        QFETCH(QString, text);
        QFETCH(QString, encoded);
        QCOMPARE(UrlEncode(text, CodePage::Windows1252), encoded);
    }

    void utf8_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("encoded");
        QTest::addRow("empty") << QString() << QString();
        QTest::addRow("alnum") << "Hello42"
                               << "Hello42";
        QTest::addRow("ascii") << "a b%+&\t"
                               << "a%20b%25%2B%26%09";
        QTest::addRow("two bytes") << QString::fromUtf8("é") << "%C3%A9";
        QTest::addRow("euro three bytes") << QString::fromUtf8("€") << "%E2%82%AC";
        QTest::addRow("greek") << QString::fromUtf8("λ") << "%CE%BB";
        QTest::addRow("four bytes") << QString::fromUtf8("😀") << "%F0%9F%98%80";
        QTest::addRow("U+0080") << QString(QChar(0x80)) << "%C2%80";
        QTest::addRow("code 0 stays") << QString(QChar(0)) << QString(QChar(0));
        QTest::addRow("lone surrogate stays")
            << QString(QChar(0xD800)) + "a" << QString(QChar(0xD800)) + "a";
    }
    void utf8() {
        QFETCH(QString, text);
        QFETCH(QString, encoded);
        QCOMPARE(UrlEncode(text, CodePage::Utf8), encoded);
    }

    void utf8DecodesBackToTheText() {
        const QString text = QString::fromUtf8("Ünïcödé – ½ € 😀 \r\n%41 'x' \"y\" ~");
        const QString encoded = UrlEncode(text, CodePage::Utf8);
        for (const QChar c : encoded) QVERIFY(c.unicode() < 0x80);
        QCOMPARE(QString::fromUtf8(QByteArray::fromPercentEncoding(encoded.toLatin1())), text);
    }

    void onePassEqualsTheWholeTextRule() {
        QString all;
        for (int n = 0; n <= 255; ++n) all += QChar(Windows1252::toUnicode(static_cast<uchar>(n)));
        all += QString::fromUtf8("λ%41%%25 € Straße ‰\u0080");
        QCOMPARE(UrlEncode(all, CodePage::Windows1252), referenceEncode1252(all));
    }

    void longTextsAcrossBlocks() {
        // Longer than the encoder's working blocks, with a character pair
        // (one UTF-8 character) straddling each possible block edge.
        QString text;
        for (int i = 0; i < 300; ++i) text += QString::fromUtf8("ab é€λ%~\n😀");
        QCOMPARE(UrlEncode(text, CodePage::Windows1252), referenceEncode1252(text));
        QCOMPARE(QString::fromUtf8(
                     QByteArray::fromPercentEncoding(UrlEncode(text, CodePage::Utf8).toLatin1())),
                 text);
        for (const int before : {1022, 1023, 1024, 2047}) {
            const QString edge = QString(before, QLatin1Char('a')) + QString::fromUtf8("😀b");
            QCOMPARE(UrlEncode(edge, CodePage::Utf8),
                     QString(before, QLatin1Char('a')) + "%F0%9F%98%80b");
        }
    }

    void codePageTableRoundTrips() {
        for (int n = 0; n <= 255; ++n)
            QCOMPARE(Windows1252::fromUnicode(Windows1252::toUnicode(static_cast<uchar>(n))), n);
        QCOMPARE(Windows1252::fromUnicode(U'λ'), -1);
        QCOMPARE(Windows1252::fromUnicode(0x80), -1);
        QCOMPARE(Windows1252::decode("caf\xe9 \x80\x96"), QString::fromUtf8("café €–"));
    }
};

QTEST_GUILESS_MAIN(TestUrlEncode)
#include "test_urlencode.moc"
