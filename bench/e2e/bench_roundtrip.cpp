// One translation round trip against a real Apertium APy through the
// client's TranslationPipeline (the request built from an engine entry, a new
// transfer object with the user-agent line, the answer collected in
// 1024-byte pieces with events let through, decoded and cut between the
// markers), side by side with curl sending the same request.
// APy is started here on a free loopback port and stopped at the end.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <memory>

#include "config/ServiceDocument.h"
#include "translate/AnswerDecoding.h"
#include "translate/TranslationPipeline.h"
#include "translate/TranslationRequest.h"

namespace {

const QString kExpected = QStringLiteral("La casa es muy vieja");
const QString kSource = QStringLiteral("The house is very old");
QString g_url;
ServiceDocument g_document;

int freePort() {
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHost, 0)) return 0;
    return probe.serverPort();
}

// The client's path; nothing when the transfer failed or the cut found nothing.
std::optional<QString> clientRoundTrip() {
    const TranslationPipeline::Result result = QCoro::waitFor(TranslationPipeline::run(
        g_document, QStringLiteral("Apertium"), QStringLiteral("en-es"), kSource, {}));
    if (!result.ok()) return std::nullopt;
    return result.shown;
}

void BM_RoundTrip_ClientTransfer(benchmark::State& state) {
    for (auto _ : state) {
        const auto result = clientRoundTrip();
        if (!result || *result != kExpected) {
            state.SkipWithError("wrong or no translation");
            return;
        }
    }
}
BENCHMARK(BM_RoundTrip_ClientTransfer)->UseRealTime()->Unit(benchmark::kMillisecond)->MinTime(3);

struct CurlRun {
    bool ok = false;
    double transferSeconds = 0;  // curl's own time, without starting the process
};

// curl as a user would run it: one process per request, with the same
// user-agent.
CurlRun curlRoundTrip(const QString& curl) {
    static const QString agent =
        TranslationRequest::userAgentHeader().mid(QStringLiteral("user-agent:").size());
    CurlRun run;
    QProcess p;
    p.start(curl, {QStringLiteral("-sS"), QStringLiteral("-A"), agent, QStringLiteral("-w"),
                   QStringLiteral("\n%{time_total}"), g_url});
    if (!p.waitForFinished(30000) || p.exitCode() != 0) return run;
    const QByteArray out = p.readAllStandardOutput();
    const qsizetype nl = out.lastIndexOf('\n');
    run.transferSeconds = out.mid(nl + 1).toDouble();
    run.ok = decodeAnswer(out.left(nl), "application/json; charset=utf-8")
                 .contains(QStringLiteral("\"translatedText\": \"") + kExpected + QLatin1Char('"'));
    return run;
}

void BM_RoundTrip_Curl(benchmark::State& state) {
    const QString curl = QStandardPaths::findExecutable(QStringLiteral("curl"));
    if (curl.isEmpty()) {
        state.SkipWithError("curl is not installed");
        return;
    }
    double transfer = 0;
    for (auto _ : state) {
        const CurlRun run = curlRoundTrip(curl);
        if (!run.ok) {
            state.SkipWithError("wrong or no translation from curl");
            return;
        }
        transfer += run.transferSeconds;
    }
    state.counters["curl_transfer_ms"] =
        benchmark::Counter(transfer * 1000.0 / static_cast<double>(state.iterations()));
}
BENCHMARK(BM_RoundTrip_Curl)->UseRealTime()->Unit(benchmark::kMillisecond)->MinTime(3);

// Both, one after the other in every iteration, so that a busy machine slows
// both alike; the ratios are the figures to read.
void BM_RoundTrip_SideBySide(benchmark::State& state) {
    const QString curl = QStandardPaths::findExecutable(QStringLiteral("curl"));
    if (curl.isEmpty()) {
        state.SkipWithError("curl is not installed");
        return;
    }
    using Clock = std::chrono::steady_clock;
    double client = 0, process = 0, transfer = 0;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        const auto result = clientRoundTrip();
        const auto t1 = Clock::now();
        const CurlRun run = curlRoundTrip(curl);
        const auto t2 = Clock::now();
        if (!result || *result != kExpected || !run.ok) {
            state.SkipWithError("wrong or no translation");
            return;
        }
        client += std::chrono::duration<double>(t1 - t0).count();
        process += std::chrono::duration<double>(t2 - t1).count();
        transfer += run.transferSeconds;
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["client_ms"] = client * 1000.0 / n;
    state.counters["curl_ms"] = process * 1000.0 / n;
    state.counters["curl_own_ms"] = transfer * 1000.0 / n;
    state.counters["client_per_curl"] = client / process;
    state.counters["client_per_curl_own"] = client / transfer;
}
BENCHMARK(BM_RoundTrip_SideBySide)->UseRealTime()->Unit(benchmark::kMillisecond)->MinTime(5);

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);

    const QString apy = QStandardPaths::findExecutable(QStringLiteral("apertium-apy"));
    if (apy.isEmpty()) {
        std::fprintf(stderr, "apertium-apy is not installed (scripts/install-deps.sh)\n");
        return 1;
    }
    const int port = freePort();
    QTemporaryDir dir;
    QProcess server;
    server.setWorkingDirectory(dir.path());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    server.setProcessEnvironment(env);
    server.setStandardOutputFile(dir.filePath(QStringLiteral("apy.log")));
    server.setStandardErrorFile(dir.filePath(QStringLiteral("apy.log")));
    server.start(apy, {QStringLiteral("-p"), QString::number(port),
                       QStringLiteral("/usr/share/apertium/modes")});
    g_url = QStringLiteral(
                "http://127.0.0.1:%1/translate?q=The%20house%20is%20very%20old&"
                "langpair=eng%7Cspa&markUnknown=no")
                .arg(port);
    // The demo document's engine entry for APy, which asks the same address.
    const bool parsed = g_document.loadFromBytes(
        QStringLiteral(R"(<Parlamo><Engines default="0" commonlanguages="0">
  <Engine name="Apertium" url="http://127.0.0.1:%1/translate" textstring="q"
          languagestring="langpair" otherstring="&amp;markUnknown=no" method="GET"
          tokenbefore="&quot;translatedText&quot;: &quot;"
          tokenafter="&quot;}, &quot;responseDetails&quot;">
    <Languages default="0"><Language name="en-es" value="eng|spa"/></Languages>
  </Engine></Engines></Parlamo>)")
            .arg(port)
            .toUtf8());
    if (!parsed) {
        std::fprintf(stderr, "the engine entry does not parse\n");
        return 1;
    }

    // Ready when it translates; the first request also starts the pipeline.
    bool ready = false;
    for (int i = 0; i < 300 && !ready; ++i) {
        ready = clientRoundTrip() == std::optional<QString>(kExpected);
        if (!ready) QThread::msleep(100);
    }
    int rc = 1;
    if (ready) {
        benchmark::RunSpecifiedBenchmarks();
        rc = 0;
    } else {
        std::fprintf(stderr, "APy did not translate on port %d\n", port);
    }
    benchmark::Shutdown();
    server.terminate();
    if (!server.waitForFinished(5000)) server.kill();
    server.waitForFinished(2000);
    return rc;
}
