// Speaking a translation through the real sound output: the main window's
// Ctrl+Shift+S against a loopback server, good and hostile answers. Run by
// with_null_sink.sh against a PulseAudio null sink of its own.
#include <QApplication>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

#include "Fakes.h"
#include "FormControls.h"
#include "TestEnv.h"
#include "TestHttpServer.h"
#include "WaveBytes.h"
#include "config/Globals.h"
#include "desktop/LazySoundOutput.h"
#include "platform/AppInfo.h"
#include "speech/SpeakCommand.h"
#include "ui/SelectionPopup.h"
#include "ui/TranslateAnywhere.h"
#include "ui/frmTranslate.h"

namespace {

// "Speaks" has speech, "Silent" has none.
QByteArray document(const QString& base) {
    QByteArray xml = R"(<Parlamo>
  <Messages titlemsgbox="T" cmdTranslate="Go" helpurl="h" supporturl="s"/>
  <Features maxtranslation="100" tray="0"/>
  <Engines default="0" commonlanguages="-2">
    <Engine name="E" url="BASE/t" textstring="q" languagestring="l" method="GET"
            tokenbefore="[[" tokenafter="]]">
      <Languages default="0">
        <Language name="Speaks" value="en|es" speak="BASE/speak?voice=es&amp;text="/>
        <Language name="Silent" value="en|ca"/>
      </Languages>
    </Engine>
  </Engines>
  <Sizes minwidth="5500" minheight="3600" header="120" footer="1200" right="180" center="200"/>
</Parlamo>)";
    return xml.replace("BASE", base.toUtf8());
}

const QString kTranslation = QStringLiteral("Hola, ¿qué tal? 👋");
// As a translation request carries it: UTF-8, every byte but letters and
// digits as %XX.
const QByteArray kSpeakTarget =
    "/speak?voice=es&text=Hola%2C%20%C2%BFqu%C3%A9%20tal%3F%20%F0%9F%91%8B";

// The streams the sound server is playing right now.
QByteArray sinkInputs() {
    QProcess p;
    p.start(QStringLiteral("pactl"),
            {QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("sink-inputs")});
    p.waitForFinished(5000);
    return p.readAllStandardOutput().trimmed();
}

// The main window on the document above, with fake dialogs and the real
// sound output, the sound module loaded as the program loads it.
struct SpeakingWindow {
    Globals globals;
    FakeDialogs dialogs;
    explicit SpeakingWindow(const QString& module = QStringLiteral(PARLAMO_SOUND_MODULE))
        : output(QStringList{module}) {}
    LazySoundOutput output;
    Platform platform;
    std::unique_ptr<frmTranslate> form;

    // False when the document does not load.
    bool open(const QString& base) {
        globals.service.clear();
        if (!globals.service.loadFromBytes(document(base))) return false;
        globals.gelmMessages = globals.service.selectSingleNode(ConfigDocument::messagesQuery());
        platform.dialogs = &dialogs;
        platform.sound = &output;
        form = std::make_unique<frmTranslate>(globals, platform);
        return true;
    }
};

}  // namespace

class TestSpeak : public QObject {
    Q_OBJECT
private slots:
    void speak_data();
    void speak();
    void popup();
};

void TestSpeak::speak_data() {
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("status");
    QTest::addColumn<bool>("plays");
    QTest::addColumn<bool>("fetched");
    const QString notFetched = QStringLiteral("The spoken translation could not be fetched.");
    const QString notASound = QStringLiteral("The spoken translation is not a playable sound.");
    QTest::addRow("a wave") << ""
                            << "Spoken." << true << true;
    QTest::addRow("a link at the file name") << "link"
                                             << "Spoken." << true << true;
    QTest::addRow("an error page") << "html" << notASound << false << true;
    QTest::addRow("a wave of 3 Hz") << "rate3" << notASound << false << true;
    QTest::addRow("a wave with status 404") << "404" << notFetched << false << true;
    QTest::addRow("more than 64 MB") << "huge" << notFetched << false << true;
    QTest::addRow("a server that stalls") << "stall" << notFetched << false << true;
    QTest::addRow("Escape while fetching") << "escape"
                                           << "Cancelled." << false << true;
    QTest::addRow("a pair without speech") << "silent"
                                           << "No speech for this language pair." << false << false;
    QTest::addRow("no translation") << "empty"
                                    << "There is no translation to speak." << false << false;
    // The status line says why: the output's own sentence.
    QTest::addRow("no sound module") << "nomodule" << QString() << false << true;
}

void TestSpeak::speak() {
    QFETCH(QString, change);
    QFETCH(QString, status);
    QFETCH(bool, plays);
    QFETCH(bool, fetched);

    TestEnv env;
    TestHttpServer server;
    QVERIFY(server.start());
    server.setResponse("/t", ScriptedResponse::text("[[" + kTranslation.toUtf8() + "]]"));
    // 0.6 s of tone and a quiet tail.
    const QByteArray wave = WaveBytes::wave(1, 1, 22050, 16, 16, 13230, 6615);
    ScriptedResponse answer = ScriptedResponse::text(wave, "audio/wav");
    if (change == "html") answer = ScriptedResponse::text("<html>nothing</html>");
    if (change == "rate3") answer.body = WaveBytes::wave(1, 1, 3, 16);
    if (change == "404") answer.status = 404;
    if (change == "huge") answer.generatedBodySize = qint64(65) * 1024 * 1024;
    if (change == "stall" || change == "escape") answer.neverAnswer = true;
    server.setResponse("/speak", answer);

    if (SpeakingWindow().output.deviceCount() == 0)
        QSKIP("no sound device: run through with_null_sink.sh");
    SpeakingWindow window(change == "nomodule" ? env.root() + "/libparlamo_sound.so"
                                               : QStringLiteral(PARLAMO_SOUND_MODULE));
    QVERIFY(window.open(server.baseUrl()));
    frmTranslate& form = *window.form;
    LazySoundOutput& output = window.output;
    FormControls c;
    c.findControls(&form);
    form.Form_Load();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.speakCommand().setStallTimeout(std::chrono::milliseconds(300));

    if (change == "silent") c.cboLanguages->setCurrentIndex(1);
    if (change != "empty") {
        c.txtFrom->setPlainText(QStringLiteral("Hello, how are you?"));
        c.cmdTranslate->click();
        QTRY_COMPARE(c.txtTo->toPlainText(), kTranslation);
    }
    const QString wavFile = AppInfo::dataFolder() + "/wav/" + SpeakCommand::fileName();
    const QString outside = env.root() + "/outside.wav";
    if (change == "link") {
        QVERIFY(QFile(outside).open(QIODevice::WriteOnly));
        QVERIFY(QDir().mkpath(AppInfo::dataFolder() + "/wav"));
        QVERIFY(QFile::link(outside, wavFile));
    }

    QSignalSpy finished(&form.speakCommand(), &SpeakCommand::finished);
    QTest::keyClick(&form, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    if (change == "escape") {
        QTRY_COMPARE(server.requestCount(), 2);
        QCOMPARE(form.statusText(), QStringLiteral("Speaking..."));
        QVERIFY(c.cmdTranslate->isEnabled());  // the window stays usable meanwhile
        QTest::keyClick(&form, Qt::Key_Escape);
    }
    QVERIFY(finished.count() == 1 || finished.wait(15000));
    if (change == "nomodule") {
        QVERIFY(!output.unavailable().isEmpty());
        status = output.unavailable();
    }
    QCOMPARE(form.statusText(), status);

    QList<QByteArray> speakTargets;
    for (const RecordedRequest& r : server.requests())
        if (r.path() == "/speak") speakTargets << r.target;
    QCOMPARE(speakTargets, fetched ? QList<QByteArray>{kSpeakTarget} : QList<QByteArray>{});

    QCOMPARE(output.isPlaying(), plays);
    if (plays) {
        QCOMPARE(TestEnv::readFile(wavFile), wave);
        QVERIFY(QTest::qWaitFor([] { return !sinkInputs().isEmpty(); }, 5000));
        QTest::keyClick(&form, Qt::Key_Escape);  // silences it
        QVERIFY(!output.isPlaying());
    }
    if (change == "link") {
        QVERIFY(!QFileInfo(wavFile).isSymLink());
        QCOMPARE(QFileInfo(outside).size(), 0);
    }
}

// The selection popup speaks its own translation with its engine and pair;
// Escape silences it first and closes the popup the second time.
void TestSpeak::popup() {
    TestEnv env;
    TestHttpServer server;
    QVERIFY(server.start());
    server.setResponse("/t", ScriptedResponse::text("[[" + kTranslation.toUtf8() + "]]"));
    const QByteArray wave = WaveBytes::wave(1, 1, 22050, 16, 16, 44100, 6615);  // 2 s
    server.setResponse("/speak", ScriptedResponse::text(wave, "audio/wav"));
    SpeakingWindow window;
    if (window.output.deviceCount() == 0) QSKIP("no sound device: run through with_null_sink.sh");
    QVERIFY(window.open(server.baseUrl()));
    frmTranslate& form = *window.form;
    LazySoundOutput& output = window.output;
    form.Form_Load();

    form.anywhere().translateInPopup(QStringLiteral("Hello, how are you?"));
    SelectionPopup* popup = form.anywhere().popup();
    QVERIFY(popup);
    QTRY_COMPARE(popup->translation(), kTranslation);
    QVERIFY(QTest::qWaitForWindowActive(popup));
    QSignalSpy finished(&popup->speakCommand(), &SpeakCommand::finished);
    QTest::keyClick(popup, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(finished.wait(15000));
    QCOMPARE(popup->lblPopupStatus->text(), QStringLiteral("Spoken."));
    QCOMPARE(server.requests().constLast().target, kSpeakTarget);
    QVERIFY(output.isPlaying());

    QTest::keyClick(popup, Qt::Key_Escape);
    QVERIFY(!output.isPlaying());
    QVERIFY(popup->isVisible());
    QTest::keyClick(popup, Qt::Key_Escape);
    QVERIFY(!popup->isVisible());
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    TestSpeak test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_speak.moc"
