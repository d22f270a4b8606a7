// Start-up time from Main to the main window on display, against a loopback
// configuration server, with the start-up's pauses (1.25 s in all) taken out
// by a pauser that does not wait. Goal: at most 100 ms.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <chrono>
#include <memory>

#include "Fakes.h"
#include "TestEnv.h"
#include "TestHttpServer.h"
#include "app/mMain.h"
#include "config/ConfigDocument.h"
#include "config/Globals.h"
#include "platform/ITrayHost.h"
#include "service/ConfigLoader.h"
#include "service/ConfigRequest.h"
#include "ui/frmTranslate.h"

namespace {

using Clock = std::chrono::steady_clock;

QByteArray sample() {
    return TestEnv::readFile(TestEnv::sampleConfigPath());
}

struct Server {
    TestHttpServer http;
    Server() {
        http.start();
        http.setDefaultResponse(ScriptedResponse::text(sample(), "text/xml"));
        qputenv("PARLAMO_CONFIG_HOST", http.hostPort().toUtf8());
    }
};

// Main through to the shown window. firstStart: a clean store every time
// (start entry and date written); otherwise one store for all runs.
void runMain(benchmark::State& state, bool firstStart) {
    Server server;
    FakeDialogs dialogs;
    FakePauser pauser;
    FakeUrlOpener opener;
    Platform platform{&dialogs, &opener, &pauser, nullptr, nullptr};
    auto env = std::make_unique<TestEnv>();
    for (auto _ : state) {
        if (firstStart) env = std::make_unique<TestEnv>();
        Globals globals;
        const auto start = Clock::now();
        std::unique_ptr<frmTranslate> window = mMain::Main(globals, platform, 5000);
        const auto end = Clock::now();
        if (!window || !window->isVisible()) {
            state.SkipWithError("the main window was not shown");
            break;
        }
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
        window.reset();
        QCoreApplication::processEvents();
    }
}

void BM_MainToWindowShown_FirstStart(benchmark::State& state) {
    runMain(state, true);
}
void BM_MainToWindowShown_LaterStart(benchmark::State& state) {
    runMain(state, false);
}

// The configuration load alone, for comparison.
void BM_ConfigLoad(benchmark::State& state) {
    Server server;
    const QString address = ConfigRequest::address(server.http.hostPort(), "", "1/2/24 3:04 PM");
    for (auto _ : state) {
        ConfigDocument doc;
        if (!QCoro::waitFor(ConfigLoader::load(doc, address, 5000))) {
            state.SkipWithError("load failed");
            break;
        }
    }
}

}  // namespace

BENCHMARK(BM_MainToWindowShown_FirstStart)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MainToWindowShown_LaterStart)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ConfigLoad)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
