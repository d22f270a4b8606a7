#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include "ReferenceUrlEncode.h"
#include "TestHttpServer.h"
#include "net/HttpEngine.h"
#include "translate/ResultExtraction.h"
#include "translate/UrlEncode.h"
#include "translate/Windows1252.h"

namespace {

// 64 KiB of text as people type it: words, punctuation, accents, a euro
// sign, line breaks, now and then a Greek word.
QString mixedText() {
    const QString sample = QString::fromUtf8(
        "The café's menu: crème brûlée, 3.50 € (tax incl.)\r\n"
        "Größe & Straße; 100% \"quoted\" + more? λόγος - naïve_test~\t");
    QString text;
    while (text.size() < 64 * 1024) text += sample;
    text.truncate(64 * 1024);
    return text;
}

void BM_UrlEncode_OnePass_Windows1252(benchmark::State& state) {
    const QString text = mixedText();
    for (auto _ : state) benchmark::DoNotOptimize(UrlEncode(text, CodePage::Windows1252));
    state.SetBytesProcessed(state.iterations() * text.size() * 2);
}
BENCHMARK(BM_UrlEncode_OnePass_Windows1252);

void BM_UrlEncode_OnePass_Utf8(benchmark::State& state) {
    const QString text = mixedText();
    for (auto _ : state) benchmark::DoNotOptimize(UrlEncode(text, CodePage::Utf8));
    state.SetBytesProcessed(state.iterations() * text.size() * 2);
}
BENCHMARK(BM_UrlEncode_OnePass_Utf8);

void BM_UrlEncode_255Pass_Windows1252(benchmark::State& state) {
    const QString text = mixedText();
    if (referenceEncode1252(text) != UrlEncode(text, CodePage::Windows1252)) {
        state.SkipWithError("the two encoders disagree");
        return;
    }
    for (auto _ : state) benchmark::DoNotOptimize(referenceEncode1252(text));
    state.SetBytesProcessed(state.iterations() * text.size() * 2);
}
BENCHMARK(BM_UrlEncode_255Pass_Windows1252)->Unit(benchmark::kMillisecond);

void BM_ExtractResult_1MiB(benchmark::State& state) {
    // Markers near the end, as on a long page with the result at the bottom.
    QString page;
    const QString filler = QStringLiteral("<div class=\"x\">filler text &amp; markup</div>\n");
    while (page.size() < 1024 * 1024 - 200) page += filler;
    page += QStringLiteral("<span id=\"result\">  la casa es muy vieja \r\n</span>");
    while (page.size() < 1024 * 1024) page += QLatin1Char(' ');
    const QString before = QStringLiteral("<span id=\"result\">");
    const QString after = QStringLiteral("</span>");
    for (auto _ : state) benchmark::DoNotOptimize(ExtractResult(page, before, after));
    state.SetBytesProcessed(state.iterations() * page.size() * 2);
}
BENCHMARK(BM_ExtractResult_1MiB)->Unit(benchmark::kMicrosecond);

bool fetch(TestHttpServer& server) {
    HttpRequest request;
    request.address = server.baseUrl() + QStringLiteral("/answer");
    const HttpResult result = QCoro::waitFor(HttpEngine::forThread().fetch(request));
    return result.ok() && result.body.size() == 1024 * 1024;
}

// A loopback server that answers every request with 1 MiB.
bool startMiBServer(TestHttpServer& server) {
    if (!server.start()) return false;
    ScriptedResponse r;
    r.generatedBodySize = 1024 * 1024;
    server.setDefaultResponse(r);
    return true;
}

// A whole request over loopback: send, receive 1 MiB.
void BM_Request_1MiB(benchmark::State& state) {
    TestHttpServer server;
    if (!startMiBServer(server)) {
        state.SkipWithError("no loopback server");
        return;
    }
    for (auto _ : state) {
        if (!fetch(server)) {
            state.SkipWithError("transfer failed");
            break;
        }
    }
    state.SetBytesProcessed(state.iterations() * 1024 * 1024);
}
BENCHMARK(BM_Request_1MiB)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
