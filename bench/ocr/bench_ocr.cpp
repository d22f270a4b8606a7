// Reading a 1000x300 area with six lines of 14 px text: the whole
// `RaDudezozad --read-image` process against the `tesseract` command (with
// its defaults) on the same image saved as PNG, alternating, with the
// character error rate of each.
#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>

namespace {

const QStringList lines = {
    QStringLiteral("Please save your changes before you close the editor window."),
    QStringLiteral("The update will restart the computer in about fifteen minutes."),
    QStringLiteral("Your subscription ends on 14 March; renew it to keep your files."),
    QStringLiteral("Three new messages arrived while you were away from the desk."),
    QStringLiteral("Select the items you want to copy, then choose Paste from the menu."),
    QStringLiteral("The printer is out of paper: load the tray and press Continue."),
};

QString imageFile;

void drawImage(const QString& file) {
    QImage image(1000, 300, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(14);
    painter.setFont(font);
    painter.setPen(Qt::black);
    for (qsizetype i = 0; i < lines.size(); ++i)
        painter.drawText(24, 40 + int(i) * 44, lines.at(i));
    painter.end();
    image.save(file);
}

int editDistance(const QString& a, const QString& b) {
    QList<int> row(b.size() + 1);
    for (qsizetype j = 0; j <= b.size(); ++j) row[j] = int(j);
    for (qsizetype i = 1; i <= a.size(); ++i) {
        int diagonal = row[0];
        row[0] = int(i);
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const int above = row[j];
            row[j] = std::min({above + 1, row[j - 1] + 1, diagonal + (a[i - 1] != b[j - 1])});
            diagonal = above;
        }
    }
    return row[b.size()];
}

// Misread characters: line and paragraph breaks are whitespace here, as the
// two programs lay the lines out differently.
int errors(const QByteArray& output) {
    return editDistance(QString::fromUtf8(output).simplified(), lines.join(QLatin1Char(' ')));
}

// Seconds the process took, and its output; a negative time when it failed.
double timed(const QString& program, const QStringList& arguments, QByteArray* output) {
    QProcess process;
    process.setProcessChannelMode(QProcess::SeparateChannels);
    QElapsedTimer clock;
    clock.start();
    process.start(program, arguments);
    if (!process.waitForFinished(120000) || process.exitCode() != 0) return -1;
    const double seconds = double(clock.nsecsElapsed()) / 1e9;
    *output = process.readAllStandardOutput();
    return seconds;
}

void BM_SideBySide(benchmark::State& state) {
    double ours = 0, theirs = 0;
    int ourErrors = 0, theirErrors = 0;
    for (auto _ : state) {
        QByteArray a, b;
        const double mine = timed(QStringLiteral(PARLAMO_EXE), {"--read-image", imageFile}, &a);
        const double other = timed(QStringLiteral("tesseract"), {imageFile, "-"}, &b);
        if (mine < 0 || other < 0) return state.SkipWithError("a reading failed");
        ours += mine;
        theirs += other;
        ourErrors = std::max(ourErrors, errors(a));
        theirErrors = std::max(theirErrors, errors(b));
        state.SetIterationTime(mine + other);
    }
    const double n = double(state.iterations());
    state.counters["ours_s"] = ours / n;
    state.counters["tesseract_s"] = theirs / n;
    state.counters["ratio"] = ours / theirs;
    // The worst reading of each, in characters out of the six lines' 381.
    state.counters["ours_errors"] = ourErrors;
    state.counters["tesseract_errors"] = theirErrors;
}

BENCHMARK(BM_SideBySide)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(8);

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QTemporaryDir folder;
    imageFile = folder.filePath(QStringLiteral("six-lines.png"));
    drawImage(imageFile);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
