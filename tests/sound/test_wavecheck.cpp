// Wave files, good and hostile, through the check and the real sound output.
// Run by with_null_sink.sh against a PulseAudio null sink of its own.
#include <sys/stat.h>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "WaveBytes.h"
#include "desktop/LazySoundOutput.h"
#include "sound/QtSoundOutput.h"
#include "sound/WaveCheck.h"

using WaveBytes::wave;

class TestWaveCheck : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void hostileFilesPlayNothing_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("playable");
        QTest::addRow("16-bit mono 22050 Hz") << wave(1, 1, 22050, 16) << true;
        QTest::addRow("8-bit stereo 8000 Hz") << wave(1, 2, 8000, 8) << true;
        QTest::addRow("24-bit mono 44100 Hz") << wave(1, 1, 44100, 24) << true;
        QTest::addRow("float mono 48000 Hz") << wave(3, 1, 48000, 32) << true;
        QByteArray overstated = wave(1, 1, 22050, 16);
        qToLittleEndian<quint32>(50000000, overstated.data() + 40);
        QTest::addRow("data size beyond the file") << overstated << true;
        // Qt Multimedia divides by zero on these a few seconds into playing.
        for (const quint32 rate : {1u, 2u, 10u, 45u})
            QTest::addRow("%u Hz", rate) << wave(1, 1, rate, 16) << false;
        QTest::addRow("7999 Hz") << wave(1, 1, 7999, 16) << false;
        QTest::addRow("384000 Hz") << wave(1, 1, 384000, 16) << false;
        QTest::addRow("negative rate") << wave(1, 1, 0x80000000u, 16) << false;
        QTest::addRow("no channels") << wave(1, 0, 22050, 16) << false;
        QTest::addRow("9 channels") << wave(1, 9, 22050, 16) << false;
        QTest::addRow("mu-law") << wave(7, 1, 8000, 8) << false;
        QTest::addRow("12-bit samples in 16-bit words") << wave(1, 1, 22050, 12) << true;
        QTest::addRow("IMA ADPCM") << wave(0x11, 1, 22050, 4) << false;
        QTest::addRow("fmt chunk of 2 bytes") << wave(1, 1, 22050, 16, 2) << false;
        QTest::addRow("no samples") << wave(1, 1, 22050, 16, 16, 0) << false;
        QTest::addRow("header cut short") << wave(1, 1, 22050, 16).left(30) << false;
        QTest::addRow("error page") << QByteArray("<html>404 Not Found</html>") << false;
        QTest::addRow("empty file") << QByteArray() << false;
    }
    void hostileFilesPlayNothing() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, playable);
        const QString path = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()) + ".wav");
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
        f.close();
        QCOMPARE(WaveCheck::inspect(path).has_value(), playable);

        QtSoundOutput output;
        if (output.deviceCount() == 0) QSKIP("no sound device: run through with_null_sink.sh");
        output.play(path, {});
        QCOMPARE(output.isBusy(), playable);
        // A playable sound runs to its end; the program is still here.
        QVERIFY(QTest::qWaitFor([&] { return !output.isBusy(); }, 5000));
    }

    // The program's sound output is loaded at the first sound from the first
    // candidate that is the sound module, also by a copy of the program in a
    // folder of its own; without one nothing plays, nothing breaks, and the
    // output says why.
    void soundLibraryLoadsFromFirstGood_data() {
        QTest::addColumn<QStringList>("candidates");
        QTest::addColumn<QString>("loadedFrom");
        const QString built = QStringLiteral(PARLAMO_SOUND_MODULE);
        const QString none = m_dir.filePath("none/libparlamo_sound.so");
        const QString junk = m_dir.filePath("junk/libparlamo_sound.so");
        QVERIFY(QDir().mkpath(m_dir.filePath("junk")));
        QFile f(junk);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write("not a library\n") > 0);
        const QString open = m_dir.filePath("open/libparlamo_sound.so");
        QVERIFY(QDir().mkpath(m_dir.filePath("open")));
        QVERIFY(QFile::copy(built, open));
        QVERIFY(::chmod(QFile::encodeName(open).constData(), 0777) == 0);
        const QString folder = m_dir.filePath("program");
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(QFile::link(built, folder + "/libparlamo_sound.so"));
        const QString alone = m_dir.filePath("alone");
        QVERIFY(QDir().mkpath(alone));
        QTest::addRow("nothing there") << QStringList{none} << QString();
        QTest::addRow("not a library") << QStringList{junk} << QString();
        QTest::addRow("others may change it") << QStringList{open} << QString();
        QTest::addRow("missing, then a broken one, then the module")
            << QStringList{none, junk, built} << built;
        QTest::addRow("beside the program")
            << LazySoundOutput::candidatesBeside(folder) << folder + "/libparlamo_sound.so";
        QTest::addRow("a copy of the program in a folder of its own")
            << LazySoundOutput::candidatesBeside(alone) << built;
    }
    void soundLibraryLoadsFromFirstGood() {
        QFETCH(QStringList, candidates);
        QFETCH(QString, loadedFrom);
        LazySoundOutput output(candidates);
        output.stop();  // before the first sound: nothing to load for it
        QVERIFY(output.loadedFrom().isEmpty());
        const QString path = m_dir.filePath("good.wav");
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(wave(1, 1, 22050, 16)) > 0);
        f.close();
        QSignalSpy ended(&output, &ISoundOutput::ended);
        const bool played = output.play(path, {});
        QCOMPARE(output.loadedFrom(), loadedFrom);
        QCOMPARE(output.unavailable().isEmpty(), !loadedFrom.isEmpty());
        if (loadedFrom.isEmpty()) {
            QVERIFY(!played);
            QCOMPARE(output.deviceCount(), 0);
        } else if (output.deviceCount() > 0) {
            QVERIFY(played && output.isPlaying());
            // The end of the sound comes as a signal.
            QVERIFY(ended.wait(10000));
            QVERIFY(!output.isPlaying());
        }
    }

    // Names that are not files play nothing, and at once.
    void specialFilesPlayNothing() {
        const QString fifo = m_dir.filePath("fifo.wav");
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        const QString zero = m_dir.filePath("zero.wav");
        QVERIFY(QFile::link("/dev/zero", zero));
        for (const QString& path : {fifo, zero, m_dir.path()})
            QVERIFY2(!WaveCheck::inspect(path), qPrintable(path));
    }
};

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    TestWaveCheck test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_wavecheck.moc"
