#include "core/base/messenger.h"
#include "core/engine/sweeps.h"
#include "core/model/plangeometry.h"
#include "core/model/projectrecord.h"
#include "core/model/workingset.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>

extern char** environ;

namespace {

class QuietMessenger : public kora::Messenger {
public:
    void AddHistory(const std::string&) override {}

protected:
    int showBox(const std::string&, int, const std::string&) override { return kora::mb::AnswerOK; }
};

// Six entries (five pillar columns) 100 ft apart, 20 ft entries.
kora::ProjectRecord fiveColumnProject() {
    kora::ProjectRecord p;
    p.EntryHeight = 8;
    p.DepthOfCover = 900;
    p.PanelWidth = 1200;
    p.EntryWidth = 20;
    p.CrosscutSpacing = 100;
    p.NumEntries = 6;
    for (int i = 1; i <= 5; ++i) p.CenterDistance[i] = 100;
    p.ProjectEmpty = false;
    return p;
}

std::string benchFolder() {
    const auto dir = std::filesystem::temp_directory_path() / "kora_bench_sweeps";
    std::filesystem::create_directories(dir);
    return dir.string();
}

using Study = bool (*)(const kora::ProjectRecord&, kora::WorkingSet&, kora::PlanGeometry&,
                       kora::GraphCurves&, const std::string&, kora::Messenger&,
                       kora::StudyOutcome*);

// One study of the 5-column project per iteration, its file written to a temporary folder.
void runStudy(benchmark::State& state, Study study) {
    const auto p = fiveColumnProject();
    const std::string folder = benchFolder();
    kora::WorkingSet w;
    kora::PlanGeometry plan;
    kora::GraphCurves curves;
    QuietMessenger m;
    for (auto _ : state) benchmark::DoNotOptimize(study(p, w, plan, curves, folder, m, nullptr));
}

void BM_SolidStudy(benchmark::State& state) {
    runStudy(state, kora::DoParametricSolid);
}
BENCHMARK(BM_SolidStudy)->Unit(benchmark::kMillisecond);

void BM_PartialStudyFiveColumns(benchmark::State& state) {
    runStudy(state, kora::DoParametricPartial);
}
BENCHMARK(BM_PartialStudyFiveColumns)->Unit(benchmark::kMillisecond);

// `kora-cli report` on the standard example as a whole process, output discarded.
void BM_CliReportProcess(benchmark::State& state) {
    const std::string cli = KORA_CLI_PATH;
    const std::string project = std::string(KORA_EXAMPLES_DIR) + "/Example_3Entry_Standard.KOR";
    for (auto _ : state) {
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        const char* argv[] = {cli.c_str(), "report", project.c_str(), nullptr};
        pid_t pid = 0;
        if (posix_spawn(&pid, cli.c_str(), &actions, nullptr, const_cast<char* const*>(argv),
                        environ) != 0) {
            state.SkipWithError("cannot start kora-cli");
            break;
        }
        int status = 0;
        waitpid(pid, &status, 0);
        posix_spawn_file_actions_destroy(&actions);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("kora-cli report failed");
            break;
        }
    }
}
BENCHMARK(BM_CliReportProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
