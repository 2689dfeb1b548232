#include "core/commands/filecommands.h"
#include "core/commands/korastate.h"
#include "core/commands/outputcommand.h"
#include "core/model/projectrecord.h"
#include "core/model/reportbuffer.h"
#include "core/model/settings.h"
#include "core/project/projectfile.h"
#include "scriptedmessenger.h"
#include "tempfolder.h"

#include <gtest/gtest.h>

#include <string>

namespace kora {
namespace {

struct Example {
    const char* file;
    OutputCommand command; // the Output command the example is meant for
    std::int16_t units;
    std::int16_t entries;
    std::int16_t advGeometry;
    std::int16_t useCMRR;
    std::int16_t configMode;
};

// The example projects shipped with the program and copied to the user's data folder.
const Example examples[] = {
    {"Example_3Entry_Standard.KOR", OutputCommand::Standard, 0, 3, 0, 0, 0},
    {"Example_4Entry_Advanced_Metric.KOR", OutputCommand::Advanced, 1, 4, 1, 0, 0},
    {"Example_YAY_Sizing_CMRR.KOR", OutputCommand::Sizing, 0, 4, 0, 1, 2},
};

Example exampleNamed(const std::string& name) {
    for (const auto& e : examples)
        if (name == e.file) return e;
    return {};
}

TEST(ExampleProjectsTest, OpenAndSaveByteForByte) {
    for (const auto& e : examples) {
        const std::string path = std::string(KORA_EXAMPLES_DIR) + "/" + e.file;
        ProjectRecord p;
        ReportBuffer b;
        Settings s;
        test::ScriptedMessenger m;
        p.ProjectPath = path;
        ASSERT_TRUE(FileOpen(p, b, s, m)) << e.file;
        EXPECT_TRUE(m.boxes.empty()) << e.file;
        EXPECT_FALSE(p.ProjectEmpty);
        EXPECT_EQ(p.UnitSystem, e.units) << e.file;
        EXPECT_EQ(p.NumEntries, e.entries) << e.file;
        EXPECT_EQ(p.AdvGeometry, e.advGeometry) << e.file;
        EXPECT_EQ(p.UseCMRR, e.useCMRR) << e.file;
        EXPECT_EQ(p.ConfigMode, e.configMode) << e.file;
        EXPECT_FALSE(p.ProjectTitle.empty()) << e.file;
        EXPECT_FALSE(p.ProjectDescription.empty()) << e.file;
        // Written as the program writes it: saving changes no byte.
        EXPECT_EQ(ProjectFileText(p), test::ReadBytes(path)) << e.file;
    }
}

TEST(ExampleProjectsTest, EachRunsItsCalculationWithoutWarnings) {
    for (const auto& e : examples) {
        KoraState st;
        test::ScriptedMessenger m;
        st.project.ProjectPath = std::string(KORA_EXAMPLES_DIR) + "/" + e.file;
        ASSERT_TRUE(FileOpen(st, m)) << e.file;
        ASSERT_TRUE(RunOutputCommand(e.command, st, m)) << e.file;
        EXPECT_TRUE(m.boxes.empty()) << e.file;
        // Default loading parameters: no warning about the case history data base.
        EXPECT_EQ(st.report.OutBuf[1].find("[WARNINGS]"), std::string::npos) << e.file;
        for (int k = 1; k <= 5; ++k) {
            EXPECT_GT(st.work.SFClassic[k], 0.5f) << e.file << " " << k;
            EXPECT_LT(st.work.SFClassic[k], 10.0f) << e.file << " " << k;
        }
    }
}

TEST(ExampleProjectsTest, AdvancedExampleHasAngledCrosscuts) {
    const Example e = exampleNamed("Example_4Entry_Advanced_Metric.KOR");
    ProjectRecord p;
    ReportBuffer b;
    Settings s;
    test::ScriptedMessenger m;
    p.ProjectPath = std::string(KORA_EXAMPLES_DIR) + "/" + e.file;
    ASSERT_TRUE(FileOpen(p, b, s, m));
    bool angled = false;
    for (int i = 1; i < p.NumEntries; ++i) {
        EXPECT_GE(p.XcutAngle[i], 60) << i;
        EXPECT_LE(p.XcutAngle[i], 90) << i;
        EXPECT_GT(p.XcutSpacing[i], 0) << i;
        angled = angled || p.XcutAngle[i] < 90;
    }
    EXPECT_TRUE(angled);
}

} // namespace
} // namespace kora
