#include "core/engine/kernel.h"
#include "core/engine/sizing.h"
#include "testprojects.h"

#include <gtest/gtest.h>

namespace kora {
namespace {

using test::EngineRun;
using test::WorkedExample;

// The sized widths are printed to 0.1 ft; the search itself must meet the required factor.
TEST(SizingTest, SearchConvergesOnTheRequiredFactor) {
    // Modes whose last column is the abutment pillar, so that the pillars stay square; in mode 2
    // the (R) strength of a pillar wider than long falls again and the factor may be out of reach.
    for (std::int16_t mode : {0, 1, 3}) {
        ProjectRecord p = WorkedExample();
        p.ConfigMode = mode;
        p.YieldPillarWidth = 12;
        WorkingSet w;
        PlanGeometry plan;
        test::ScriptedMessenger m;
        ASSERT_TRUE(SetWorkParms(p, w, plan, m));
        w.SizingLength = 80;
        for (bool classic : {true, false}) {
            w.IsClassic = classic;
            for (std::int16_t c = 1; c <= 3; ++c) {
                w.SizingCase = c;
                SolvePillarWidth(p, w, m);
                EXPECT_NEAR(SizingResidual(p, w, w.TrialWidth), 0.0f, 2e-3f)
                    << "mode " << mode << " case " << c << " classic " << classic;
            }
        }
        EXPECT_TRUE(m.boxes.empty());
    }
}

TEST(SizingTest, ArithmeticFailureEndsTheSearchWithAFiniteReport) {
    // A required factor so large that the residual does not change in single precision: the
    // secant step divides by f - f_prev = 0 in both passes.
    ProjectRecord p = WorkedExample();
    p.TailgateSF = 1e9f;
    EngineRun r;
    ASSERT_TRUE(r.run(OutputCommand::Sizing, p));
    const std::string message = "Error in the Solution Routine: 11. Division by zero: Solution "
                                "Aborted. Check input data for logical errors";
    EXPECT_EQ(r.messenger.texts(), (std::vector<std::string>{message, message}));
    EXPECT_EQ(r.messenger.boxes[0].style, mb::OK);
    // TrialWidth kept its last value, the first guess H / 10.
    EXPECT_EQ(r.w.SizedWidthClassic[3], 100.0f);
    EXPECT_EQ(r.w.SizedWidthR[3], 100.0f);
    const std::string all = r.pages();
    EXPECT_EQ(all.find("Inf"), std::string::npos);
    EXPECT_EQ(all.find("NaN"), std::string::npos);
    EXPECT_NE(all.find("Tailgate Loading          1000000000.00           100.0         100.0\r\n"),
              std::string::npos);
}

TEST(SizingTest, RunawaySearchWithUnprintableResultsIsRefused) {
    ProjectRecord p = WorkedExample();
    p.DepthOfCover = 1e20f;
    EngineRun r;
    r.report.OutBuf = {"0", "1", "2", "3", "4"};
    EXPECT_FALSE(r.run(OutputCommand::Sizing, p));
    const auto texts = r.messenger.texts();
    ASSERT_GE(texts.size(), 2u);
    EXPECT_TRUE(
        texts.front().starts_with("Error in the Solution Routine: 6. Overflow: Solution Aborted."));
    EXPECT_EQ(texts.back(), "Error occurred: Overflow (6). Procedure Terminated");
    EXPECT_EQ(r.report.OutBuf, (std::array<std::string, 5>{"0", "1", "2", "3", "4"}));
}

} // namespace
} // namespace kora
