// Plays wave files through the real sound output and checks what the sound
// server saw. Run by test_playback.sh against a PulseAudio null sink.
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>
#include <cstdio>

#include "sound/QtSoundOutput.h"

namespace {
int failures = 0;
void check(bool ok, const char* what) {
    std::printf("%s: %s\n", ok ? "ok" : "FAILED", what);
    if (!ok) ++failures;
}

// The streams the sound server is playing right now.
QByteArray sinkInputs() {
    QProcess p;
    p.start(QStringLiteral("pactl"),
            {QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("sink-inputs")});
    p.waitForFinished(5000);
    return p.readAllStandardOutput().trimmed();
}

// The classic call's switches; with Wait, until ended() says the sound is
// over (the output itself never waits).
struct Player {
    QtSoundOutput& output;
    void PlayWave(const QString& file, bool wait, bool repeat, bool interrupt) const {
        QSignalSpy ended(&output, &QtSoundOutput::ended);
        const bool started = output.play(file, {wait, repeat, !interrupt});
        if (wait && started) ended.wait(30000);
    }
};
}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc < 6) {
        std::printf("usage: playback_probe first.wav second.wav long.wav first-s long-s\n");
        return 2;
    }
    const QString first = QString::fromLocal8Bit(argv[1]);
    const QString second = QString::fromLocal8Bit(argv[2]);
    const QString longer = QString::fromLocal8Bit(argv[3]);
    const qint64 firstMs = static_cast<qint64>(QByteArray(argv[4]).toDouble() * 1000);
    const qint64 longerMs = static_cast<qint64>(QByteArray(argv[5]).toDouble() * 1000);

    QtSoundOutput output;
    const Player player{output};
    check(output.deviceCount() > 0, "a device with the null sink");

    QElapsedTimer t;
    t.start();
    player.PlayWave(first, true, false, false);
    qint64 waited = t.elapsed();
    std::printf("waited %lld ms for a %lld ms sound\n", static_cast<long long>(waited),
                static_cast<long long>(firstMs));
    check(waited >= firstMs / 2 && !output.isBusy(), "ended() comes when the sound is over");

    t.restart();
    player.PlayWave(first, false, false, false);
    check(t.elapsed() < firstMs / 2, "without Wait the call returns at once");
    check(output.isBusy() && output.currentFile() == first, "the sound is playing");
    const bool seen = QTest::qWaitFor([] { return !sinkInputs().isEmpty(); }, 3000);
    check(seen, "the stream reached the sink (pactl list sink-inputs)");

    player.PlayWave(second, false, false, false);
    check(output.currentFile() == first, "a playing sound is left alone without Interupt");
    player.PlayWave(second, false, false, true);
    check(output.currentFile() == second, "Interupt cuts the playing sound off");
    check(QTest::qWaitFor([&] { return !output.isBusy(); }, 10000), "the second sound ends");

    player.PlayWave(first, false, true, true);
    QTest::qWait(static_cast<int>(firstMs * 2 + 500));
    check(output.isBusy(), "Repeat keeps the sound going past its length");
    player.PlayWave(QString(), false, false, true);
    check(!output.isBusy(), "another sound call stops the loop");

    t.restart();
    player.PlayWave(QStringLiteral("/nonexistent/none.wav"), true, false, true);
    check(t.elapsed() < 1000 && !output.isBusy(), "a missing file plays nothing, at once");

    // The cache file is rewritten under the same name: the new sound must be
    // played, not the one decoded before.
    const QString rewritten = first + QStringLiteral(".cache.wav");
    QFile::copy(first, rewritten);
    player.PlayWave(rewritten, true, false, true);
    QFile::remove(rewritten);
    QFile::copy(longer, rewritten);
    t.restart();
    player.PlayWave(rewritten, true, false, true);
    waited = t.elapsed();
    std::printf("waited %lld ms for the rewritten %lld ms sound\n", static_cast<long long>(waited),
                static_cast<long long>(longerMs));
    check(waited >= longerMs * 8 / 10, "a rewritten file plays its new sound");

    // Let the last stream drain before the recorder stops.
    QTest::qWait(300);
    return failures == 0 ? 0 : 1;
}
