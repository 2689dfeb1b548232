#include "core/commands/filecommands.h"
#include "core/commands/korastate.h"
#include "core/commands/outputcommand.h"
#include "core/project/projectfile.h"
#include "scriptedmessenger.h"
#include "tempfolder.h"

#include <gtest/gtest.h>

namespace kora {
namespace {

// The example projects shipped with the program and copied to the user's data folder: each is
// written as the program writes it and runs the calculation it is meant for without a warning.
TEST(ExampleProjectsTest, OpenSaveByteForByteAndRunTheirCalculation) {
    struct Example {
        const char* file;
        OutputCommand command;
        std::int16_t units, entries, advGeometry, useCMRR, configMode;
    };
    const Example examples[] = {
        {"Example_3Entry_Standard.KOR", OutputCommand::Standard, 0, 3, 0, 0, 0},
        {"Example_4Entry_Advanced_Metric.KOR", OutputCommand::Advanced, 1, 4, 1, 0, 0},
        {"Example_YAY_Sizing_CMRR.KOR", OutputCommand::Sizing, 0, 4, 0, 1, 2}};
    for (const Example& e : examples) {
        SCOPED_TRACE(e.file);
        KoraState st;
        test::ScriptedMessenger m;
        const ProjectRecord& p = st.project;
        st.project.ProjectPath = std::string(KORA_EXAMPLES_DIR) + "/" + e.file;
        ASSERT_TRUE(FileOpen(st, m));
        EXPECT_EQ(
            (std::vector<int>{p.UnitSystem, p.NumEntries, p.AdvGeometry, p.UseCMRR, p.ConfigMode}),
            (std::vector<int>{e.units, e.entries, e.advGeometry, e.useCMRR, e.configMode}));
        EXPECT_FALSE(p.ProjectTitle.empty() || p.ProjectDescription.empty());
        EXPECT_EQ(ProjectFileText(p), test::ReadBytes(p.ProjectPath));

        ASSERT_TRUE(RunOutputCommand(e.command, st, m));
        EXPECT_TRUE(m.boxes.empty());
        EXPECT_EQ(st.report.OutBuf[1].find("[WARNINGS]"), std::string::npos);
        for (int k = 1; k <= 5; ++k) {
            EXPECT_GT(st.work.SFClassic[k], 0.5f) << k;
            EXPECT_LT(st.work.SFClassic[k], 10.0f) << k;
        }
    }
}

} // namespace
} // namespace kora
