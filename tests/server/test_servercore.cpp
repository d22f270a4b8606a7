// The reference service's plain parts: sound names, the client's cut, the
// lookup pages, wave files, the document's Wav element, the command line.
#include <QtTest>

#include "LookupPage.h"
#include "ServerOptions.h"
#include "ServiceDocument.h"
#include "SoundName.h"
#include "WaveFile.h"

namespace {
std::string docWithWav(const std::string& wavAttributes) {
    return "<?xml version=\"1.0\"?><R><Messages titlemsgbox=\"t\"/><Wav " + wavAttributes +
           "/></R>";
}
WavContract contract(const std::string& before, const std::string& after) {
    WavContract c;
    c.enabled = true;
    c.padBefore = before;
    c.padAfter = after;
    return c;
}
}  // namespace

class TestServerCore : public QObject {
    Q_OBJECT
private slots:
    void soundNameForWord_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("name");  // empty: no name
        QTest::addRow("lower-cased") << "Hello"
                                     << "hello";
        QTest::addRow("blanks trimmed") << " hello\t"
                                        << "hello";
        QTest::addRow("digits and dash") << "R2-d2_x"
                                         << "r2-d2_x";
        QTest::addRow("non-ASCII refused") << "naïve"
                                           << "";
        QTest::addRow("inner space refused") << "ice cream"
                                             << "";
        QTest::addRow("slash refused") << "a/b"
                                       << "";
        QTest::addRow("dots refused") << "../etc"
                                      << "";
        QTest::addRow("leading dash refused") << "-rf"
                                              << "";
        QTest::addRow("empty") << ""
                               << "";
        QTest::addRow("blank only") << "   "
                                    << "";
        QTest::addRow("longest") << QString(64, 'a') << QString(64, 'a');
        QTest::addRow("too long") << QString(65, 'a') << "";
    }
    void soundNameForWord() {
        QFETCH(QString, word);
        QFETCH(QString, name);
        const auto got = SoundName::forWord(word.toStdString());
        if (name.isEmpty())
            QVERIFY(!got);
        else
            QCOMPARE(QString::fromStdString(got.value_or("<none>")), name);
    }

    // Only well-formed UTF-8 of a bounded length gets a cache name.
    void soundNameForText_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("named");
        QTest::addRow("plain") << QByteArray(
                                      "Buenos d\xC3\xAD"
                                      "as")
                               << true;
        QTest::addRow("four-byte") << QByteArray("\xF0\x9F\x98\x80") << true;
        QTest::addRow("longest") << QByteArray(1000, 'a') << true;
        QTest::addRow("too long") << QByteArray(1001, 'a') << false;
        QTest::addRow("empty") << QByteArray() << false;
        QTest::addRow("Latin-1") << QByteArray("caf\xE9") << false;
        QTest::addRow("overlong") << QByteArray("\xC0\xAF") << false;
        QTest::addRow("surrogate") << QByteArray("\xED\xA0\x80") << false;
        QTest::addRow("cut short") << QByteArray("x\xE2\x82") << false;
    }
    void soundNameForText() {
        QFETCH(QByteArray, text);
        QFETCH(bool, named);
        const auto name = SoundName::forText(text.toStdString());
        QCOMPARE(name.has_value(), named);
        if (!name) return;
        QVERIFY(SoundName::isValid(*name));
        QVERIFY(SoundName::forText(text.toStdString() + "!") != name);
    }

    void cutBetween_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("expected");  // "<none>": the client finds nothing
        QTest::addRow("plain") << "x [[hello]] y"
                               << "hello";
        QTest::addRow("first occurrences only") << "[[a]] [[b]]"
                                                << "a";
        QTest::addRow("no closing marker") << "[[hello"
                                           << "<none>";
        QTest::addRow("closing before opening") << "]] [[x"
                                                << "<none>";
        // Without the opening marker the cut starts at its length from the start.
        QTest::addRow("no opening marker") << "abcd]]"
                                           << "cd";
    }
    void cutBetween() {
        QFETCH(QString, page);
        QFETCH(QString, expected);
        const auto got = SoundName::cutBetween(page.toStdString(), "[[", "]]");
        QCOMPARE(got ? QString::fromStdString(*got) : QStringLiteral("<none>"), expected);
    }

    void lookupPageCarriesTheName_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::addColumn<bool>("possible");
        QTest::addRow("brackets") << "[["
                                  << "]]" << true;
        QTest::addRow("tags") << "<b>"
                              << "</b>" << true;
        QTest::addRow("markers that the page also uses") << "<p>"
                                                         << "</p>" << true;
        QTest::addRow("opening marker inside the page head") << "<"
                                                             << ">" << true;
        QTest::addRow("empty opening marker") << ""
                                              << "|" << true;
        QTest::addRow("closing marker inside the name") << "["
                                                        << "l" << false;
    }
    void lookupPageCarriesTheName() {
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(bool, possible);
        const WavContract c = contract(before.toStdString(), after.toStdString());
        const auto page = LookupPage::withSound("hello", c);
        QCOMPARE(page.has_value(), possible);
        if (page) {
            const auto cut = SoundName::cutBetween(*page, c.padBefore, c.padAfter);
            QCOMPARE(QString::fromStdString(cut.value_or("<none>")), QStringLiteral("hello"));
        }
    }

    void pageWithoutSoundHasNoClosingMarker_data() {
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("word");
        QTest::addRow("brackets") << "]]"
                                  << "na]]ve";
        QTest::addRow("closing paragraph") << "</p>"
                                           << "x";
        QTest::addRow("quote") << "\""
                               << "x";
        QTest::addRow("angle") << ">"
                               << "x";
    }
    void pageWithoutSoundHasNoClosingMarker() {
        QFETCH(QString, after);
        QFETCH(QString, word);
        const std::string page =
            LookupPage::withoutSound(word.toStdString(), contract("[[", after.toStdString()));
        QVERIFY(page.find(after.toStdString()) == std::string::npos);
    }

    void htmlEscapeKeepsMarkupOut() {
        QCOMPARE(QString::fromStdString(LookupPage::htmlEscape("<a href=\"x\">&'")),
                 QStringLiteral("&lt;a href=&quot;x&quot;&gt;&amp;&#39;"));
    }

    void waveFileHeaderAndTail() {
        const std::vector<std::int16_t> samples{1, -1, 32767, -32768};
        const std::string wav = WaveFile::encode(samples, 22050, 300);
        const std::size_t tail = 22050 * 300 / 1000;
        QCOMPARE(wav.size(), WaveFile::kHeaderSize + (samples.size() + tail) * 2);
        const auto f = WaveFile::parse(wav);
        QVERIFY(f);
        QCOMPARE(f->channels, 1);
        QCOMPARE(f->sampleRate, 22050);
        QCOMPARE(f->bitsPerSample, 16);
        QCOMPARE(f->dataSize, static_cast<std::uint32_t>((samples.size() + tail) * 2));
        // Samples little-endian, then silence only.
        QCOMPARE(static_cast<unsigned char>(wav[44 + 4]), 0xffu);
        QCOMPARE(static_cast<unsigned char>(wav[44 + 5]), 0x7fu);
        QCOMPARE(static_cast<unsigned char>(wav[44 + 7]), 0x80u);
        QVERIFY(wav.find_first_not_of('\0', 44 + samples.size() * 2) == std::string::npos);
        QVERIFY(!WaveFile::parse(wav.substr(0, wav.size() - 2)));  // sizes disagree
        QVERIFY(!WaveFile::parse("RIFF"));
    }

    void wavElement_data() {
        QTest::addColumn<QString>("attributes");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<QString>("lookupPath");
        QTest::addColumn<QString>("wordParameter");
        QTest::addColumn<QString>("playPath");
        QTest::addColumn<QString>("voice");
        const QString markers = "padbefore=\"[[\" padafter=\"]]\" ";
        QTest::addRow("query key")
            << markers + "url=\"http://h:1/wav/lookup?w=\" urltoplay=\"http://h:1/wav/play/\""
            << true << "/wav/lookup"
            << "w"
            << "/wav/play"
            << "en";
        QTest::addRow("last of several keys, voice")
            << markers +
                   "url=\"http://h/l?lang=es&amp;word=\" urltoplay=\"http://h/s\" voice=\"es\""
            << true << "/l"
            << "word"
            << "/s"
            << "es";
        QTest::addRow("word in the path")
            << markers + "url=\"http://h/say/\" urltoplay=\"http://h\"" << true << "/say/"
            << ""
            << ""
            << "en";
        QTest::addRow("no query key")
            << markers + "url=\"http://h/l?\" urltoplay=\"http://h/s\"" << false << ""
            << ""
            << ""
            << "en";
        QTest::addRow("not an address")
            << markers + "url=\"ftp://h/l?w=\" urltoplay=\"http://h/s\"" << false << ""
            << ""
            << ""
            << "en";
        QTest::addRow("missing padafter")
            << "padbefore=\"[[\" url=\"http://h/l?w=\" urltoplay=\"http://h/s\"" << false << ""
            << ""
            << ""
            << "en";
        QTest::addRow("voice with a path")
            << markers + "url=\"http://h/l?w=\" urltoplay=\"http://h/s\" voice=\"../x\"" << false
            << ""
            << ""
            << ""
            << "en";
    }
    void wavElement() {
        QFETCH(QString, attributes);
        QFETCH(bool, enabled);
        std::string error;
        const auto doc = ServiceDocument::fromBytes(docWithWav(attributes.toStdString()), error);
        QVERIFY2(doc, error.c_str());
        const WavContract& w = doc->wav();
        QCOMPARE(w.enabled, enabled);
        QCOMPARE(doc->warnings().empty(), enabled);
        if (!enabled) return;
        QTEST(QString::fromStdString(w.lookupPath), "lookupPath");
        QTEST(QString::fromStdString(w.wordParameter), "wordParameter");
        QTEST(QString::fromStdString(w.playPath), "playPath");
        QTEST(QString::fromStdString(w.voice), "voice");
    }

    void documentBytesKeptAndBrokenDocumentRefused() {
        std::string error;
        const std::string bytes = docWithWav("url=\"x\"") + "\n<!-- tail -->\n";
        const auto doc = ServiceDocument::fromBytes(bytes, error);
        QVERIFY(doc);
        QVERIFY(doc->bytes() == bytes);
        QVERIFY(!ServiceDocument::fromBytes("<R><Wav></R>", error));
        QVERIFY(!error.empty());
        QVERIFY(!ServiceDocument::fromFile("/nonexistent/config.xml", error));
    }

    void commandLine_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("port");
        QTest::addColumn<QString>("pages");
        QTest::addRow("defaults") << QStringList{"d/config.xml"} << true << 8780 << "d";
        QTest::addRow("port zero, pages")
            << QStringList{"--port=0", "--pages", "p", "c.xml"} << true << 0 << "p";
        QTest::addRow("bare document") << QStringList{"c.xml"} << true << 8780 << ".";
        QTest::addRow("port too large")
            << QStringList{"--port", "65536", "c.xml"} << false << 0 << "";
        QTest::addRow("port not a number")
            << QStringList{"--port", "80x", "c.xml"} << false << 0 << "";
        QTest::addRow("no document") << QStringList{"--port", "1"} << false << 0 << "";
        QTest::addRow("two documents") << QStringList{"a.xml", "b.xml"} << false << 0 << "";
        QTest::addRow("unknown option") << QStringList{"--verbose", "c.xml"} << false << 0 << "";
        QTest::addRow("missing value") << QStringList{"c.xml", "--log"} << false << 0 << "";
    }
    void commandLine() {
        QFETCH(QStringList, args);
        QFETCH(bool, ok);
        std::vector<std::string> v;
        for (const QString& a : args) v.push_back(a.toStdString());
        const auto r = parseServerOptions(v);
        QCOMPARE(r.ok, ok);
        QCOMPARE(r.error.empty(), ok);
        if (!ok) return;
        QTEST(r.options.port, "port");
        QTEST(QString::fromStdString(r.options.pagesDir.string()), "pages");
        QCOMPARE(r.options.host, std::string("127.0.0.1"));
        QVERIFY(!r.options.cacheDir.empty());
    }
};

QTEST_GUILESS_MAIN(TestServerCore)
#include "test_servercore.moc"
