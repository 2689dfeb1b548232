#include "core/commands/filecommands.h"
#include "core/commands/korastate.h"
#include "core/commands/outputcommand.h"
#include "core/export/resultsexport.h"
#include "golden.h"
#include "testprojects.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace kora {
namespace {

struct JsonCase {
    const char* name;
    const char* example;
    OutputCommand command;
    int strUnits, gradUnits, useCMRR; // report options (psf, tons) and the sizing input
};

// The results of each calculation of the examples as JSON, kept in golden/json/<name>.json (the
// build and the project path, which differ from one checkout to the next, blanked).
class ReportJsonGolden : public ::testing::TestWithParam<JsonCase> {};

TEST_P(ReportJsonGolden, Results) {
    const JsonCase& c = GetParam();
    KoraState s;
    test::ScriptedMessenger m;
    s.project.ProjectPath = std::string(KORA_EXAMPLES_DIR) + "/" + c.example;
    ASSERT_TRUE(FileOpen(s, m));
    s.settings.OutputStrUnits = std::int16_t(c.strUnits);
    s.settings.OutputStrGradUnits = std::int16_t(c.gradUnits);
    s.project.UseCMRR = std::int16_t(c.useCMRR);
    ASSERT_TRUE(RunOutputCommand(c.command, s, m));
    EXPECT_TRUE(m.boxes.empty());
    nlohmann::json j = nlohmann::json::parse(
        ReportJson(c.command, s.project, s.work, ReportOptions::from(s.settings)));
    EXPECT_EQ(j["project"], s.project.ProjectPath);
    j["build"] = j["project"] = "";
    test::ExpectGolden(std::string("json/") + c.name + ".json", j.dump(1) + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Examples, ReportJsonGolden,
    ::testing::Values(
        JsonCase{"standard", "Example_3Entry_Standard.KOR", OutputCommand::Standard, 0, 0, 0},
        JsonCase{"standard_psf_tons", "Example_3Entry_Standard.KOR", OutputCommand::Standard, 1, 1,
                 0},
        JsonCase{"advanced_metric", "Example_4Entry_Advanced_Metric.KOR", OutputCommand::Advanced,
                 0, 0, 0},
        JsonCase{"sizing_cmrr", "Example_YAY_Sizing_CMRR.KOR", OutputCommand::Sizing, 0, 0, 1},
        JsonCase{"sizing", "Example_YAY_Sizing_CMRR.KOR", OutputCommand::Sizing, 0, 0, 0}),
    test::CaseName());

} // namespace
} // namespace kora
