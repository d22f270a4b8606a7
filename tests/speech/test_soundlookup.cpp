#include <QTest>

#include "FakeSoundOutput.h"
#include "platform/Platform.h"
#include "speech/SoundLookup.h"
#include "speech/WavePlayer.h"

// The text rules of Hear It and the flag word of the sound call.
class TestSoundLookup : public QObject {
    Q_OBJECT
private slots:
    void isPlainFileName_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("plain");
        QTest::addRow("word") << "hello" << true;
        QTest::addRow("dots inside") << "a.b..c" << true;
        QTest::addRow("non-ASCII") << QString::fromUtf8(
                                          "\xc3\xa9"
                                          "cole")
                                   << true;
        QTest::addRow("251 bytes") << QString(251, 'a') << true;
        QTest::addRow("252 bytes") << QString(252, 'a') << false;
        QTest::addRow("two-byte letters over 255")
            << QString(126, QChar(0xE9)) << false;  // 252 bytes + ".wav"
        QTest::addRow("empty") << "" << false;
        QTest::addRow("dot") << "." << false;
        QTest::addRow("dot dot") << ".." << false;
        QTest::addRow("parent") << "../evil" << false;
        QTest::addRow("absolute") << "/tmp/abs" << false;
        QTest::addRow("backslash") << "a\\b" << false;
        QTest::addRow("NUL") << QString::fromLatin1("a\0b", 3) << false;
        QTest::addRow("tab") << "a\tb" << false;
        QTest::addRow("newline") << "a\n" << false;
        QTest::addRow("DEL") << "a\x7f" << false;
        QTest::addRow("C1 control") << QString(QChar(0x85)) << false;
    }
    void isPlainFileName() {
        QFETCH(QString, name);
        QFETCH(bool, plain);
        QCOMPARE(SoundLookup::isPlainFileName(name), plain);
    }

    void waveAddress_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("address");
        QTest::addRow("grouped by first letter") << "hello"
                                                 << "http://s/snd/h/hello.wav";
        QTest::addRow("one letter") << "a"
                                    << "http://s/snd/a/a.wav";
        QTest::addRow("surrogate pair kept whole")
            << QString::fromUtf8(
                   "\xf0\x9f\x94\x8a"
                   "x")
            << QString::fromUtf8(
                   "http://s/snd/\xf0\x9f\x94\x8a/\xf0\x9f\x94\x8a"
                   "x.wav");
    }
    void waveAddress() {
        QFETCH(QString, name);
        QFETCH(QString, address);
        QCOMPARE(SoundLookup::waveAddress("http://s/snd", name), address);
    }

    void playWaveOptions_data() {
        QTest::addColumn<bool>("wait");
        QTest::addColumn<bool>("repeat");
        QTest::addColumn<bool>("interupt");
        QTest::addColumn<bool>("doNotInterrupt");
        QTest::addRow("background, leave playing") << false << false << false << true;
        QTest::addRow("background, cut off") << false << false << true << false;
        QTest::addRow("wait, leave playing") << true << false << false << true;
        QTest::addRow("background loop, cut off") << false << true << true << false;
        QTest::addRow("wait, cut off") << true << false << true << false;
        QTest::addRow("wait loop, leave playing") << true << true << false << true;
    }
    void playWaveOptions() {
        QFETCH(bool, wait);
        QFETCH(bool, repeat);
        QFETCH(bool, interupt);
        QFETCH(bool, doNotInterrupt);
        FakeSoundOutput out;
        WavePlayer(out).PlayWave("/x/a.wav", wait, repeat, interupt);
        QCOMPARE(out.played.size(), 1);
        QCOMPARE(out.played[0].file, QStringLiteral("/x/a.wav"));
        QVERIFY((out.played[0].options == ISoundOutput::PlayOptions{wait, repeat, doNotInterrupt}));
    }

    void soundEnabledFollowsTheDevices() {
        FakeSoundOutput out;
        QVERIFY(WavePlayer(out).SoundEnabled());
        out.devices = 0;
        QVERIFY(!WavePlayer(out).SoundEnabled());
        // A platform without sound: no device, and playing does nothing.
        const Platform none;
        QVERIFY(!WavePlayer(*none.sound).SoundEnabled());
        WavePlayer(*none.sound).PlayWave("/x/a.wav", false, false, false);
    }
};

QTEST_GUILESS_MAIN(TestSoundLookup)
#include "test_soundlookup.moc"
