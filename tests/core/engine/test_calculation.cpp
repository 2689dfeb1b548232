#include "core/engine/calculation.h"
#include "testprojects.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace kora {
namespace {

using test::EngineRun;
using test::WorkedExample;

const std::array<std::string, 5> Previous = {"page 0", "page 1", "page 2", "page 3", "page 4"};

struct CommandCase {
    const char* name;
    OutputCommand analysis;
    std::function<void(ProjectRecord&)> change;
    std::vector<std::string> history;
};

class RunAnalysisTest : public ::testing::TestWithParam<CommandCase> {};

TEST_P(RunAnalysisTest, WritesPagesOneToFourAndTheHistory) {
    ProjectRecord p = WorkedExample();
    p.AdvGeometry = 1;
    for (int i = 1; i <= 2; ++i) {
        p.XcutAngle[i] = 75;
        p.XcutSpacing[i] = 120;
    }
    GetParam().change(p);
    EngineRun r;
    r.report.OutBuf = Previous;
    r.report.LastPage = 2;
    r.w.SizingRun = GetParam().analysis != OutputCommand::Sizing;
    ASSERT_TRUE(r.run(GetParam().analysis, p));
    EXPECT_EQ(r.report.OutBuf[0], "page 0");
    EXPECT_EQ(r.report.LastPage, 2);
    for (int page = 1; page <= 4; ++page) EXPECT_NE(r.report.OutBuf[page], Previous[page]);
    EXPECT_EQ(r.w.SizingRun, GetParam().analysis == OutputCommand::Sizing);
    EXPECT_EQ(r.w.AdvCalc, GetParam().analysis == OutputCommand::Advanced ? 1 : 0);
    EXPECT_EQ(r.messenger.history, GetParam().history);
    EXPECT_TRUE(r.messenger.boxes.empty());
    // The plan drawing gets the crosscut geometry in the project's units.
    EXPECT_EQ(r.plan.DrawXcutAngle[2], p.XcutAngle[2]);
    EXPECT_EQ(r.plan.DrawXcutSpacing[2], p.XcutSpacing[2]);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RunAnalysisTest,
    ::testing::Values(
        CommandCase{"Standard",
                    OutputCommand::Standard,
                    [](ProjectRecord&) {},
                    {"KORA stability factors calculated", "Additional output calculated"}},
        CommandCase{"Advanced",
                    OutputCommand::Advanced,
                    [](ProjectRecord&) {},
                    {"KORA stability factors calculated", "Additional output calculated"}},
        CommandCase{"Sizing",
                    OutputCommand::Sizing,
                    [](ProjectRecord& p) {
                        p.ConfigMode = 2;
                        p.YieldPillarWidth = 15;
                    },
                    {"KORA pillar sizing calculated", "Additional output calculated"}},
        CommandCase{"MetricSizing",
                    OutputCommand::Sizing,
                    [](ProjectRecord& p) { p = test::MetricFromFeet(p); },
                    {"KORA pillar sizing calculated", "Additional output calculated"}}),
    test::CaseName());

struct FailureCase {
    const char* name;
    OutputCommand analysis;
    std::function<void(ProjectRecord&)> change;
    std::string message;
};

class FailedCommandTest : public ::testing::TestWithParam<FailureCase> {};

TEST_P(FailedCommandTest, LeavesReportAndResultsAsTheyWere) {
    ProjectRecord p = WorkedExample();
    EngineRun r;
    ASSERT_TRUE(r.run(OutputCommand::Standard, p));
    const WorkingSet before = r.w;
    r.report.OutBuf = Previous;
    r.messenger.boxes.clear();
    GetParam().change(p);
    EXPECT_FALSE(r.run(GetParam().analysis, p));
    ASSERT_FALSE(r.messenger.boxes.empty());
    EXPECT_EQ(r.messenger.boxes.back().text, GetParam().message);
    EXPECT_EQ(r.report.OutBuf, Previous);
    EXPECT_EQ(r.w.SFClassic, before.SFClassic);
    EXPECT_EQ(r.w.UnitStrengthOut, before.UnitStrengthOut);
    EXPECT_EQ(r.w.DesignLoad, before.DesignLoad);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FailedCommandTest,
    ::testing::Values(
        FailureCase{"RefusedProject", OutputCommand::Standard,
                    [](ProjectRecord& p) { p.EntryWidth = 0; }, "Invalid entry width"},
        // Loads beyond the single-precision range.
        FailureCase{"Overflow", OutputCommand::Standard,
                    [](ProjectRecord& p) { p.DepthOfCover = 1e36f; },
                    "Error occurred: Overflow (6). Procedure Terminated"},
        FailureCase{"OverflowAdvanced", OutputCommand::Advanced,
                    [](ProjectRecord& p) {
                        p.AdvGeometry = 1;
                        for (int i = 1; i <= 2; ++i) {
                            p.XcutAngle[i] = 80;
                            p.XcutSpacing[i] = 100;
                        }
                        p.CoalStrength = 3e36f;
                    },
                    "Error occurred: Overflow (6). Procedure Terminated"},
        // No pillar column at all leaves nothing to divide the loads by.
        FailureCase{"NoPillars", OutputCommand::Standard,
                    [](ProjectRecord& p) { p.NumEntries = 1; },
                    "Error occurred: Overflow (6). Procedure Terminated"},
        // A yield pillar without width has no plan area to carry its load.
        FailureCase{"YieldPillarWithoutWidth", OutputCommand::Sizing,
                    [](ProjectRecord& p) {
                        p.ConfigMode = 1;
                        p.YieldPillarWidth = 0;
                    },
                    "Error occurred: Overflow (6). Procedure Terminated"},
        // More entries than the data model holds.
        FailureCase{"TooManyEntries", OutputCommand::Standard,
                    [](ProjectRecord& p) { p.NumEntries = 7; },
                    "Error occurred: Subscript out of range (9). Procedure Terminated"}),
    test::CaseName());

TEST(RunAnalysisTest, UnknownAnalysisDoesNothing) {
    EngineRun r;
    r.report.OutBuf = Previous;
    EXPECT_FALSE(r.run(static_cast<OutputCommand>(2), WorkedExample()));
    EXPECT_EQ(r.report.OutBuf, Previous);
    EXPECT_TRUE(r.messenger.history.empty());
}

} // namespace
} // namespace kora
