#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include "language/LanguageDetector.h"

namespace {

// About 1 KB of UTF-8 in each language: sentences repeated and cut.
QString kilobyte(const char* sentence) {
    const QString one = QString::fromUtf8(sentence);
    QString text;
    while (text.toUtf8().size() < 1024) text += one + QLatin1Char(' ');
    while (text.toUtf8().size() > 1024) text.chop(1);
    return text;
}

void BM_Detect_1KB(benchmark::State& state, const char* sentence) {
    const QString text = kilobyte(sentence);
    // The first detection loads the library: not what is measured.
    if (LanguageDetector::detect(text).isEmpty()) {
        state.SkipWithError("not detected (is libparlamo_cld2 built?)");
        return;
    }
    for (auto _ : state) benchmark::DoNotOptimize(LanguageDetector::detect(text));
    state.SetBytesProcessed(state.iterations() * 1024);
}
BENCHMARK_CAPTURE(BM_Detect_1KB, en,
                  "The weather was lovely yesterday, so we walked down to the harbour and "
                  "watched the boats come in before dinner.")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Detect_1KB, de,
                  "Gestern war das Wetter so schön, dass wir zum Hafen hinunter gegangen sind "
                  "und den Booten zugesehen haben.")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Detect_1KB, ca,
                  "Ahir feia tan bon temps que vam baixar al port a veure com arribaven les "
                  "barques abans de sopar.")
    ->Unit(benchmark::kMicrosecond);

// The longest text the detector looks at (it reads only the start of more).
void BM_Detect_Sample(benchmark::State& state) {
    QString text;
    while (text.size() < LanguageDetector::sampleLimit)
        text += QStringLiteral("Nosotros vamos a la playa todos los veranos con la familia. ");
    for (auto _ : state) benchmark::DoNotOptimize(LanguageDetector::detect(text));
}
BENCHMARK(BM_Detect_Sample)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    LanguageDetector::useLibrary(QStringLiteral(PARLAMO_LANGUAGE_LIBRARY));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
