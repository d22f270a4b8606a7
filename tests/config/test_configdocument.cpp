#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include "TestEnv.h"
#include "config/ConfigDocument.h"
#include "config/ConfigValue.h"
#include "config/Failure.h"
#include "config/ServiceDocument.h"

class TestConfigDocument : public QObject {
    Q_OBJECT

    static QByteArray nested() {
        return R"(<?xml version="1.0"?>
<root><wrap>
  <Messages titlemsgbox="T" open=""/>
  <Features maxtranslation="5"/>
  <Engines default="0" commonlanguages="1">
    <Engine name="A" url="u1"><Languages default="0">
        <Language name="x" value="1"/><Language name="y" value="2"/></Languages></Engine>
    <Engine name="A" url="u2"><Languages default="0"/></Engine>
    <Engine name="B" otherstring="&amp;amp;k=v"><Languages default="0"/></Engine>
  </Engines>
</wrap><Messages titlemsgbox="second"/></root>)";
    }

private slots:
    void sectionsAtAnyDepthFirstMatchWins() {
        ConfigDocument doc;
        QVERIFY(doc.loadFromBytes(nested()));
        QCOMPARE(doc.selectSingleNode(ConfigDocument::messagesQuery()).requireText("titlemsgbox"),
                 QString("T"));
        // Duplicate names: the first in document order.
        QCOMPARE(doc.selectSingleNode(ConfigDocument::engineQuery("A")).joinedText("url"),
                 QString("u1"));
        const ConfigElement langs = doc.selectSingleNode(ConfigDocument::languagesQuery("A"));
        QCOMPARE(langs.childNodes().size(), size_t(2));  // whitespace is no child
        QCOMPARE(doc.selectSingleNode(ConfigDocument::languageQuery("A", "y")).joinedText("value"),
                 QString("2"));
        QVERIFY(doc.selectSingleNode(ConfigDocument::wavQuery()).isNull());
        QVERIFY(doc.selectSingleNode(ConfigDocument::engineQuery("a")).isNull());  // case matters
        QCOMPARE(doc.selectSingleNode(ConfigDocument::enginesQuery()).childNodes().size(),
                 size_t(3));
    }

    // The typed accessors answer from the document as it is when asked:
    // the same first match as the lookups, and a failure at that moment.
    void serviceDocumentAccessors_data() {
        QTest::addColumn<QByteArray>("xml");  // empty: loaded, then cleared
        QTest::addColumn<QString>("ask");
        QTest::addColumn<QString>("answer");  // null: throws Failure; "<null>": no element
        const QByteArray doc = nested();
        QTest::addRow("messages, first match") << doc << "messages"
                                               << "T";
        QTest::addRow("engine, first of two") << doc << "engine A"
                                              << "u1";
        QTest::addRow("pair") << doc << "pair A y"
                              << "2";
        QTest::addRow("absent section") << doc << "wav"
                                        << "<null>";
        QTest::addRow("limit") << doc << "limit"
                               << "5";
        QTest::addRow("limit not a number")
            << QByteArray("<r><Features maxtranslation=\"5x\"/></r>") << "limit" << QString();
        QTest::addRow("limit without Features") << QByteArray("<r/>") << "limit" << QString();
        QTest::addRow("apostrophe in a name") << doc << "engine O'B" << QString();
        QTest::addRow("cleared") << QByteArray() << "messages" << QString();
    }
    void serviceDocumentAccessors() {
        QFETCH(QByteArray, xml);
        QFETCH(QString, ask);
        QFETCH(QString, answer);
        ServiceDocument doc;
        QVERIFY(doc.loadFromBytes(xml.isEmpty() ? nested() : xml));
        if (xml.isEmpty()) doc.clear();
        const QStringList words = ask.split(' ');
        const auto element = [&]() -> std::pair<ConfigElement, const char*> {
            if (words[0] == "messages") return {doc.messages(), "titlemsgbox"};
            if (words[0] == "engine") return {doc.engine(words[1]), "url"};
            if (words[0] == "pair") return {doc.pair(words[1], words[2]), "value"};
            return {doc.wav(), "url"};
        };
        QString got;
        try {
            if (words[0] == "limit") {
                got = QString::number(doc.maxTranslations());
            } else {
                const auto [e, attribute] = element();
                got = e.isNull() ? QStringLiteral("<null>") : e.joinedText(attribute);
            }
        } catch (const Failure&) {
            got = QString();
        }
        QCOMPARE(got, answer);
    }

    void absentIsNotEmpty() {
        ConfigDocument doc;
        QVERIFY(doc.loadFromBytes(nested()));
        const ConfigElement m = doc.selectSingleNode("//Messages");
        QVERIFY(m.getAttribute("open").has_value());
        QVERIFY(m.getAttribute("open")->isEmpty());
        QVERIFY(!m.getAttribute("endmessage").has_value());
        QCOMPARE(m.joinedText("endmessage"), QString());
        QVERIFY_THROWS_EXCEPTION(Failure, m.requireText("endmessage"));
        // A literal "&amp;" survives parsing when escaped twice.
        QCOMPARE(doc.selectSingleNode(ConfigDocument::engineQuery("B")).joinedText("otherstring"),
                 QString("&amp;k=v"));
        // A null element answers absent for everything, and throws when required.
        QVERIFY(!ConfigElement().getAttribute("x"));
        QVERIFY_THROWS_EXCEPTION(Failure, ConfigElement().requireInt32("x"));
    }

    void apostropheMakesTheQueryInvalid() {
        ConfigDocument doc;
        QVERIFY(doc.loadFromBytes(nested()));
        QVERIFY_THROWS_EXCEPTION(Failure,
                                 doc.selectSingleNode(ConfigDocument::engineQuery("O'Neil")));
        QVERIFY_THROWS_EXCEPTION(Failure,
                                 doc.selectSingleNode(ConfigDocument::languageQuery("A", "it's")));
        ConfigDocument empty;
        QVERIFY_THROWS_EXCEPTION(Failure, empty.selectSingleNode("//Messages"));
    }

    void malformedDocumentsFailToLoad_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addRow("empty") << QByteArray();
        QTest::addRow("text") << QByteArray("not xml at all");
        QTest::addRow("unclosed") << QByteArray("<a><b></a>");
        QTest::addRow("html error page") << QByteArray("<html><body>500<br></body></html>");
    }
    void malformedDocumentsFailToLoad() {
        QFETCH(QByteArray, bytes);
        ConfigDocument doc;
        QVERIFY(!doc.loadFromBytes(bytes));
        QVERIFY(!doc.isLoaded());
        QVERIFY(!doc.lastError().isEmpty());
    }

    void conversions_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("int16ok");
        QTest::addColumn<bool>("int32ok");
        QTest::addColumn<bool>("singleok");
        QTest::addRow("zero") << "0" << true << true << true;
        QTest::addRow("minus two") << "-2" << true << true << true;
        QTest::addRow("int16 max") << "32767" << true << true << true;
        QTest::addRow("int16 overflow") << "32768" << false << true << true;
        QTest::addRow("int32 min") << "-2147483648" << false << true << true;
        QTest::addRow("int32 overflow") << "2147483648" << false << false << true;
        QTest::addRow("fraction") << "1302.5" << false << false << true;
        QTest::addRow("word") << "five" << false << false << false;
        QTest::addRow("empty") << "" << false << false << false;
        QTest::addRow("inf") << "inf" << false << false << false;
        QTest::addRow("huge") << "1e300" << false << false << false;
    }
    void conversions() {
        QFETCH(QString, text);
        QFETCH(bool, int16ok);
        QFETCH(bool, int32ok);
        QFETCH(bool, singleok);
        QCOMPARE(ConfigValue::toInt16(text).has_value(), int16ok);
        QCOMPARE(ConfigValue::toInt32(text).has_value(), int32ok);
        QCOMPARE(ConfigValue::toSingle(text).has_value(), singleok);
    }

    void sampleDocumentAndRawCopy() {
        ConfigDocument doc;
        QVERIFY(doc.loadFromFile(TestEnv::sampleConfigPath()));
        QCOMPARE(doc.selectSingleNode("//Engines").childNodes().size(), size_t(2));
        QCOMPARE(doc.selectSingleNode("//Sizes").requireSingle("header"), 120.0f);
        TestEnv env;
        const QString out = env.root() + "/config.xml";
        QVERIFY(doc.save(out));
        QCOMPARE(TestEnv::readFile(out), TestEnv::readFile(TestEnv::sampleConfigPath()));
    }

    // The copy holds the server's bytes: a link at its name is replaced by
    // the copy, and what the link pointed at is left alone.
    void copyReplacesALinkAtItsName_data() {
        QTest::addColumn<bool>("dangling");
        QTest::addRow("link to a file") << false;
        QTest::addRow("dangling link") << true;
    }
    void copyReplacesALinkAtItsName() {
        QFETCH(bool, dangling);
        TestEnv env;
        const QString out = env.root() + "/config.xml";
        const QString target = env.root() + "/elsewhere";
        if (!dangling) QVERIFY(QFile(target).open(QIODevice::WriteOnly));
        QVERIFY(QFile::link(target, out));
        ConfigDocument doc;
        QVERIFY(doc.loadFromBytes("<Parlamo/>"));
        QVERIFY(doc.save(out));
        QVERIFY(!QFileInfo(out).isSymLink());
        QCOMPARE(TestEnv::readFile(out), QByteArray("<Parlamo/>"));
        QCOMPARE(QFileInfo::exists(target), !dangling);
        if (!dangling) QCOMPARE(QFileInfo(target).size(), 0);
        QCOMPARE(QDir(env.root()).entryList(QDir::Files | QDir::Hidden).size(), dangling ? 1 : 2);
    }
};

QTEST_GUILESS_MAIN(TestConfigDocument)
#include "test_configdocument.moc"
