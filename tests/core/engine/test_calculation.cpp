#include "core/engine/calculation.h"
#include "testprojects.h"

#include <gtest/gtest.h>

namespace kora {
namespace {

using test::EngineRun;
using test::WorkedExample;

const std::array<std::string, 5> Previous = {"page 0", "page 1", "page 2", "page 3", "page 4"};

TEST(RunAnalysisTest, WritesPagesOneToFourTheFlagsAndTheHistory) {
    struct Case {
        OutputCommand analysis;
        bool metric;
        const char* first; // the first history line; "Additional output calculated" follows
    };
    const Case cases[] = {{OutputCommand::Standard, false, "KORA stability factors calculated"},
                          {OutputCommand::Advanced, false, "KORA stability factors calculated"},
                          {OutputCommand::Sizing, false, "KORA pillar sizing calculated"},
                          {OutputCommand::Sizing, true, "KORA pillar sizing calculated"}};
    for (const Case& c : cases) {
        ProjectRecord p = test::WithAngles(WorkedExample(), {75, 75}, {120, 120});
        p.ConfigMode = 2;
        p.YieldPillarWidth = 15;
        if (c.metric) p = test::MetricFromFeet(p);
        EngineRun r;
        r.report.OutBuf = Previous;
        r.report.LastPage = 2;
        r.w.SizingRun = c.analysis != OutputCommand::Sizing;
        ASSERT_TRUE(r.run(c.analysis, p)) << c.first;
        EXPECT_EQ(r.report.OutBuf[0], "page 0");
        EXPECT_EQ(r.report.LastPage, 2);
        for (int page = 1; page <= 4; ++page) EXPECT_NE(r.report.OutBuf[page], Previous[page]);
        EXPECT_EQ(r.w.SizingRun, c.analysis == OutputCommand::Sizing);
        EXPECT_EQ(r.w.AdvCalc, c.analysis == OutputCommand::Advanced ? 1 : 0);
        EXPECT_EQ(r.messenger.history,
                  (std::vector<std::string>{c.first, "Additional output calculated"}));
        EXPECT_TRUE(r.messenger.boxes.empty());
        // The plan drawing gets the crosscut geometry in the project's units.
        EXPECT_EQ(r.plan.DrawXcutAngle[2], p.XcutAngle[2]);
        EXPECT_EQ(r.plan.DrawXcutSpacing[2], p.XcutSpacing[2]);
    }
}

TEST(RunAnalysisTest, NoCalculationHasTheNumberTwo) {
    EngineRun none;
    none.report.OutBuf = Previous;
    EXPECT_FALSE(none.run(static_cast<OutputCommand>(2), WorkedExample()));
    EXPECT_EQ(none.report.OutBuf, Previous);
    EXPECT_TRUE(none.messenger.history.empty());
}

} // namespace
} // namespace kora
