// The main window with a large configuration document: 500 engines with 200
// language pairs each. Form_Load (goal <= 50 ms) and one engine switch,
// which refills the language list (goal <= 5 ms).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QTemporaryDir>
#include <memory>

#include "config/ConfigDocument.h"
#include "config/Globals.h"
#include "config/cVeRegistry.h"
#include "ui/frmTranslate.h"

namespace {

constexpr int engines = 500;
constexpr int pairs = 200;

const QByteArray& bigDocument() {
    static const QByteArray xml = [] {
        QByteArray x =
            R"(<Parlamo><Messages titlemsgbox="Parlamo" cmdTranslate="&amp;Translate" helpurl="h" supporturl="s"/>)"
            R"(<Features maxtranslation="100" tray="0"/><Engines default="0" commonlanguages="10">)";
        for (int e = 0; e < engines; ++e) {
            x += "<Engine name=\"Engine " + QByteArray::number(e) +
                 "\" url=\"http://127.0.0.1:2737/translate\" textstring=\"q\" "
                 "languagestring=\"langpair\" otherstring=\"\" method=\"get\" "
                 "tokenbefore=\"&quot;translatedText&quot;: &quot;\" "
                 "tokenafter=\"&quot;}, &quot;responseDetails&quot;\"><Languages default=\"3\">";
            for (int p = 0; p < pairs; ++p)
                x += "<Language name=\"Language pair " + QByteArray::number(p) + "\" value=\"l" +
                     QByteArray::number(p) + "|m" + QByteArray::number(p) + "\"/>";
            x += "</Languages></Engine>";
        }
        x +=
            R"(</Engines><Sizes minwidth="5500" minheight="3600" header="120" footer="1200" right="180" center="200"/></Parlamo>)";
        return x;
    }();
    return xml;
}

struct Window {
    Window() : home() {
        globals.service.clear();
        globals.service.loadFromBytes(bigDocument());
        globals.gelmMessages = globals.service.selectSingleNode(ConfigDocument::messagesQuery());
        globals.gobjRegistry = std::make_unique<cVeRegistry>(home.path());
        form = std::make_unique<frmTranslate>(globals, Platform{});
    }
    QTemporaryDir home;
    Globals globals;
    std::unique_ptr<frmTranslate> form;
};

void BM_FormLoad(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto w = std::make_unique<Window>();
        state.ResumeTiming();
        w->form->Form_Load();
        state.PauseTiming();
        if (w->form->findChild<QComboBox*>("cboEngines")->count() != engines)
            state.SkipWithError("engines not listed");
        w.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FormLoad)->Unit(benchmark::kMillisecond)->Iterations(20);

// Alternates between the first and the last engine: the last one is the
// furthest for the lookup of its language pairs.
void BM_EngineSwitch(benchmark::State& state) {
    Window w;
    w.form->Form_Load();
    auto* cboEngines = w.form->findChild<QComboBox*>("cboEngines");
    auto* cboLanguages = w.form->findChild<QComboBox*>("cboLanguages");
    cboLanguages->setCurrentIndex(5);
    int next = engines - 1;
    for (auto _ : state) {
        cboEngines->setCurrentIndex(next);
        next = engines - 1 - next;
    }
    if (cboLanguages->count() != pairs) state.SkipWithError("pairs not listed");
}
BENCHMARK(BM_EngineSwitch)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
