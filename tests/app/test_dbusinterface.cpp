#include <QApplication>
#include <QClipboard>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusPendingReply>
#include <QProcess>
#include <QTest>
#include <memory>

#include "FormFixture.h"
#include "PrivateBus.h"
#include "TestHttpServer.h"
#include "app/AppRequests.h"
#include "app/DBusInterface.h"
#include "app/WindowRequests.h"
#include "language/LanguageDetector.h"
#include "translate/TranslateCommand.h"
#include "ui/SelectionPopup.h"
#include "ui/TranslateAnywhere.h"

using namespace FormDocs;

// The D-Bus interface on a private bus of this test's own: the program's
// side on one connection, a caller on another, both in this thread, so a
// method that held the program up would hold up the test too.
class TestDBusInterface : public QObject {
    Q_OBJECT

    TestHttpServer m_server;
    PrivateBus m_bus;
    QString m_address;

    QByteArray document() const {
        return sample(loopbackEngine(m_server.baseUrl().toUtf8() + "/t"));
    }

    // The program's side, and a caller.
    struct Bus {
        explicit Bus(const QString& address)
            : service(QDBusConnection::connectToBus(address, QStringLiteral("program"))),
              caller(QDBusConnection::connectToBus(address, QStringLiteral("caller"))),
              interface(requests, service) {
            service.registerObject(DBusInterface::objectPath, &interface,
                                   QDBusConnection::ExportAllSlots);
            service.interface()->registerService(DBusInterface::serviceName);
        }
        ~Bus() {
            QDBusConnection::disconnectFromBus(QStringLiteral("program"));
            QDBusConnection::disconnectFromBus(QStringLiteral("caller"));
        }
        QDBusPendingCall call(const QString& method, const QVariantList& arguments = {}) {
            QDBusMessage m = QDBusMessage::createMethodCall(DBusInterface::serviceName,
                                                            DBusInterface::objectPath,
                                                            DBusInterface::interfaceName, method);
            m.setArguments(arguments);
            return caller.asyncCall(m, 20000);
        }
        AppRequests requests;
        QDBusConnection service, caller;
        DBusInterface interface;
    };

    static bool finished(const QDBusPendingCall& call, int ms = 5000) {
        return QTest::qWaitFor([&] { return call.isFinished(); }, ms);
    }

private slots:
    void initTestCase() {
        LanguageDetector::useLibrary(QStringLiteral(PARLAMO_LANGUAGE_LIBRARY));
        QVERIFY(m_server.start());
        QString why;
        QVERIFY2(m_bus.start(&why), qPrintable(why));
        m_address = m_bus.address();
    }
    void init() {
        m_server.clearRequests();
        m_server.setDefaultResponse(ScriptedResponse::text("[[hola]]"));
    }

    // Translate: the window's engine and pair; a failure is an error with
    // the status line's sentence; a huge text is refused, never sent.
    // TranslateAuto: the pair the text's language picks; Detect its code.
    void translate_data() {
        QTest::addColumn<QString>("method");
        QTest::addColumn<QString>("to");        // TranslateAuto's target
        QTest::addColumn<QString>("langpair");  // of the request sent, when one is
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<QString>("reply");  // the translation, or the error's message start
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("requests");
        const QString spanish = "Nosotros vamos a la playa todos los veranos con la familia.";
        QTest::addRow("detected") << "Detect"
                                  << ""
                                  << "" << spanish << QByteArray() << "es" << true << 0;
        QTest::addRow("detection not sure") << "Detect"
                                            << ""
                                            << ""
                                            << "hola" << QByteArray() << "" << true << 0;
        QTest::addRow("auto: Spanish with English to Spanish goes into English")
            << "TranslateAuto"
            << ""
            << "spa%7Ceng" << spanish << QByteArray("[[we go]]") << "we go" << true << 1;
        QTest::addRow("auto: into a language asked for")
            << "TranslateAuto"
            << "ca"
            << "eng%7Ccat"
            << "She has been learning to play the piano since she was six."
            << QByteArray("[[anem]]") << "anem" << true << 1;
        QTest::addRow("auto: no pair into the language asked for")
            << "TranslateAuto"
            << "de"
            << "" << spanish << QByteArray() << "No language pair" << false << 0;
        QTest::addRow("translated")
            << "Translate"
            << ""
            << "eng%7Cspa"
            << "hello world" << QByteArray("[[hola]]") << "hola" << true << 1;
        QTest::addRow("no translation in the answer")
            << "Translate"
            << ""
            << ""
            << "hello" << QByteArray("]][[") << "No translation found in the answer of" << false
            << 1;
        QTest::addRow("eight megabytes")
            << "Translate"
            << ""
            << "" << QString(8 * 1024 * 1024, QLatin1Char('x')) << QByteArray()
            << "Translation failed: The text is too long to send" << false << 0;
    }
    void translate() {
        QFETCH(QString, method);
        QFETCH(QString, to);
        QFETCH(QString, langpair);
        QFETCH(QString, text);
        QFETCH(QByteArray, answer);
        QFETCH(QString, reply);
        QFETCH(bool, ok);
        m_server.setDefaultResponse(ScriptedResponse::text(answer));
        FormFixture f(document());
        f.form->Form_Load();
        Bus bus(m_address);
        connectWindowRequests(bus.requests, *f.form);

        const QDBusPendingReply<QString> call = bus.call(
            method, method == "TranslateAuto" ? QVariantList{text, to} : QVariantList{text});
        QVERIFY(finished(call));
        if (ok) {
            QVERIFY2(!call.isError(), qPrintable(call.error().message()));
            QCOMPARE(call.value(), reply);
        } else {
            QVERIFY(call.isError());
            QCOMPARE(call.error().name(), QString(DBusInterface::failedError));
            QVERIFY2(call.error().message().startsWith(reply), qPrintable(call.error().message()));
        }
        QTEST(int(m_server.requestCount()), "requests");
        if (!langpair.isEmpty())
            QVERIFY(m_server.requests().last().target.contains("langpair=" + langpair.toUtf8()));
        QCOMPARE(f.form->translateCommand().translations(), ok && method != "Detect" ? 1 : 0);
    }

    // Calls before the window is loaded wait for it; while one waits for a
    // slow engine, others are answered; a program that ends answers those
    // still waiting with an error.
    void callsWaitAndOverlap() {
        FormFixture f(document());
        Bus bus(m_address);
        const QDBusPendingCall early = bus.call("Translate", {"early"});
        const QDBusPendingCall show = bus.call("Show");
        QVERIFY(finished(show));  // returns at once; the window shows once loaded
        QVERIFY(!early.isFinished());
        f.form->Form_Load();
        f.form->hide();
        connectWindowRequests(bus.requests, *f.form);
        QVERIFY(f.form->isVisible());
        QVERIFY(finished(early));
        QCOMPARE(QDBusPendingReply<QString>(early).value(), QString("hola"));

        ScriptedResponse slow = ScriptedResponse::text("[[despacio]]");
        slow.delayMs = 800;
        m_server.setDefaultResponse(slow);
        const QDBusPendingCall slowCall = bus.call("Translate", {"slow"});
        QTest::qWait(100);
        m_server.setDefaultResponse(ScriptedResponse::text("[[pronto]]"));
        const QDBusPendingCall quick = bus.call("Translate", {"quick"});
        QVERIFY(finished(quick));
        QCOMPARE(QDBusPendingReply<QString>(quick).value(), QString("pronto"));
        QVERIFY(!slowCall.isFinished());
        QVERIFY(finished(slowCall));
        QCOMPARE(QDBusPendingReply<QString>(slowCall).value(), QString("despacio"));

        QApplication::clipboard()->setText("from the clipboard");
        QVERIFY(finished(bus.call("TranslateClipboard")));
        SelectionPopup* popup = f.form->anywhere().popup();
        QVERIFY(popup && popup->isVisible());
        QCOMPARE(popup->sourceText(), QString("from the clipboard"));

        QVERIFY(finished(bus.call("Quit")));
        QVERIFY(f.form->isUnloaded());
        const QDBusPendingCall late = bus.call("Translate", {"late"});
        QVERIFY(finished(late));
        QCOMPARE(late.error().message(), QString("Parlamo is closing."));
    }

    void abandonedCallsAreAnswered() {
        Bus bus(m_address);
        const QDBusPendingCall waiting = bus.call("Translate", {"x"});
        QTest::qWait(50);
        QVERIFY(!waiting.isFinished());
        bus.requests.abandon("Parlamo could not start.");
        QVERIFY(finished(waiting));
        QCOMPARE(waiting.error().message(), QString("Parlamo could not start."));
    }
};

QTEST_MAIN(TestDBusInterface)
#include "test_dbusinterface.moc"
