#include "core/engine/calculation.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// A Messenger that drops everything, so the figures are the engine's own.
class SilentMessenger : public kora::Messenger {
public:
    void AddHistory(const std::string&) override {}

protected:
    int showBox(const std::string&, int, const std::string&) override { return kora::mb::AnswerOK; }
};

// Six entries (five pillar columns), English units, default strength, angle and unit weight.
kora::ProjectRecord sixEntryProject() {
    kora::ProjectRecord p;
    p.EntryHeight = 8;
    p.DepthOfCover = 900;
    p.PanelWidth = 1100;
    p.EntryWidth = 20;
    p.CrosscutSpacing = 110;
    p.NumEntries = 6;
    const float centres[] = {70, 90, 110, 90, 70};
    for (int i = 1; i <= 5; ++i) p.CenterDistance[i] = centres[i - 1];
    p.ConfigMode = 2;
    p.YieldPillarWidth = 15;
    p.ProjectEmpty = false;
    return p;
}

void runCommand(benchmark::State& state, kora::OutputCommand analysis) {
    const kora::ProjectRecord p = sixEntryProject();
    kora::WorkingSet w;
    kora::PlanGeometry plan;
    kora::ReportBuffer report;
    const kora::ReportOptions options;
    SilentMessenger messenger;
    for (auto _ : state) {
        const bool ok = kora::RunAnalysis(analysis, p, w, plan, report, options, messenger);
        if (!ok) state.SkipWithError("calculation refused");
        benchmark::DoNotOptimize(report.OutBuf[4].data());
    }
}

// Standard analysis with its report pages 1 to 4.
void BM_StandardAnalysisWithReports(benchmark::State& state) {
    runCommand(state, kora::OutputCommand::Standard);
}
BENCHMARK(BM_StandardAnalysisWithReports)->Unit(benchmark::kMicrosecond);

// Pillar sizing (both models, three cases each) with its report pages 1 to 4.
void BM_PillarSizingWithReports(benchmark::State& state) {
    runCommand(state, kora::OutputCommand::Sizing);
}
BENCHMARK(BM_PillarSizingWithReports)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
