#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QStringList>

#include "history/HistoryList.h"

namespace {

// A full history of 10 000 translations of one to three sentences each, in
// the mix of languages and letter cases people use.
HistoryList fullHistory() {
    const QStringList sources = {
        QStringLiteral("The house is very old and the garden needs work."),
        QStringLiteral("Where is the nearest train station? I have a meeting at noon."),
        QStringLiteral("Größe und Straße: bitte die Rechnung für Tisch 4."),
        QStringLiteral("Le café est fermé le dimanche, mais la crème brûlée est délicieuse."),
        QStringLiteral("Could you send me the REPORT before Friday, please?"),
    };
    const QStringList results = {
        QStringLiteral("La casa es muy vieja y el jardín necesita trabajo."),
        QStringLiteral(
            "¿Dónde está la estación de tren más cercana? Tengo una reunión al mediodía."),
        QStringLiteral("Size and street: the bill for table 4, please."),
        QStringLiteral("The café is closed on Sundays, but the crème brûlée is delicious."),
        QStringLiteral("¿Podrías enviarme el INFORME antes del viernes, por favor?"),
    };
    HistoryList list;
    for (int i = 0; i < HistoryList::defaultLimit; ++i) {
        const int k = i % int(sources.size());
        QString source = sources.at(k);
        for (int extra = 0; extra < i % 3; ++extra)
            source += QLatin1Char(' ') + sources.at((k + extra + 1) % 5);
        list.prepend({QDateTime::currentDateTimeUtc(), QStringLiteral("Apertium"),
                      QStringLiteral("English to Spanish"),
                      source + QStringLiteral(" #") + QString::number(i),
                      results.at(k) + QStringLiteral(" #") + QString::number(i)});
    }
    return list;
}

// The search box filters at every key: each typed prefix is one search.
void BM_HistorySearch(benchmark::State& state, const QString& text) {
    const HistoryList list = fullHistory();
    qsizetype found = 0;
    for (auto _ : state) {
        const QList<int> rows = list.search(text);
        found = rows.size();
        benchmark::DoNotOptimize(rows.constData());
    }
    state.counters["entries"] = list.size();
    state.counters["found"] = double(found);
}

BENCHMARK_CAPTURE(BM_HistorySearch, one_letter, QStringLiteral("e"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_HistorySearch, word_any_case, QStringLiteral("INFORME"))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_HistorySearch, accented, QStringLiteral("BRÛLÉE"))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_HistorySearch, one_entry, QStringLiteral("#9999"))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_HistorySearch, nothing, QStringLiteral("zebra crossing"))
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
