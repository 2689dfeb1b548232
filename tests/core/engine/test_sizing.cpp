#include "core/engine/kernel.h"
#include "core/engine/sizing.h"
#include "testprojects.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace kora {
namespace {

using test::EngineRun;
using test::Occurrences;
using test::WorkedExample;

constexpr const char* AdjustedNote = "NOTE: CROSSCUT SPACING HAS BEEN ADJUSTED SO THAT THE\r\n     "
                                     " ABUTMENT PILLARS ARE SQUARE\r\n\r\n";

TEST(SizingTest, RequiredFactorsFromCmrr) {
    ProjectRecord p = WorkedExample();
    p.UseCMRR = 1;
    p.CMRRValue = 50;
    EngineRun r;
    ASSERT_TRUE(r.run(OutputCommand::Sizing, p));
    const std::string& s = r.report.OutBuf[1];
    const auto rPass = s.find(" [KORA (R)]");
    ASSERT_NE(rPass, std::string::npos);
    for (const char* label : {"Headgate Loading          ", "Bleeder  Loading          ",
                              "Tailgate Loading          "}) {
        EXPECT_EQ(s.find(std::string(label) + "1.06"), s.find(label)) << label;
        EXPECT_GT(s.find(std::string(label) + "1.20"), rPass) << label;
    }
}

struct TailgateCase {
    const char* name;
    float tailgateSF;
    float width; // ft, about
    bool adjusted;
};

class TailgateWidthTest : public ::testing::TestWithParam<TailgateCase> {};

TEST_P(TailgateWidthTest, LengthFollowsWiderPillarsNoteOnlyBeyondCrosscutSpacing) {
    // Crosscuts at 100 ft, entries 20 ft wide: pillars are 80 ft long until a wider one is solved.
    ProjectRecord p = WorkedExample();
    p.HeadgateSF = 0.5f;
    p.BleederSF = 0.5f;
    p.TailgateSF = GetParam().tailgateSF;
    EngineRun r;
    ASSERT_TRUE(r.run(OutputCommand::Sizing, p));
    for (int c = 1; c <= 2; ++c) {
        EXPECT_LT(r.w.SizedWidthClassic[c], 80.0f);
        EXPECT_EQ(r.w.SizedLengthClassic[c], 80.0f);
    }
    EXPECT_NEAR(r.w.SizedWidthClassic[3], GetParam().width, 0.3f);
    EXPECT_EQ(r.w.SizedLengthClassic[3], r.w.SizedWidthClassic[3]);
    EXPECT_EQ(r.w.SizedLengthR[3], r.w.SizedWidthR[3]);
    EXPECT_EQ(r.w.XcutAdjustedClassic, GetParam().adjusted);
    EXPECT_EQ(r.w.XcutAdjustedRevised, GetParam().adjusted);
    EXPECT_EQ(Occurrences(r.report.OutBuf[1], AdjustedNote), GetParam().adjusted ? 2u : 0u);
    EXPECT_TRUE(r.messenger.boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, TailgateWidthTest,
                         ::testing::Values(TailgateCase{"Width95", 0.92f, 95.2f, false},
                                           TailgateCase{"Width105", 1.08f, 104.9f, true}),
                         test::CaseName());

TEST(SizingTest, LongerPillarsCarryOverToLaterCases) {
    ProjectRecord p = WorkedExample();
    p.HeadgateSF = 1.6f;
    p.BleederSF = 1.0f;
    p.TailgateSF = 0.5f;
    EngineRun carried;
    ASSERT_TRUE(carried.run(OutputCommand::Sizing, p));
    const CaseArray& width = carried.w.SizedWidthClassic;
    const CaseArray& length = carried.w.SizedLengthClassic;
    ASSERT_GT(width[1], 80.0f);
    EXPECT_EQ(length[1], width[1]);
    EXPECT_LT(width[2], width[1]);
    EXPECT_EQ(length[2], width[1]);
    EXPECT_EQ(length[3], width[1]);

    // The same bleeder case solved with the unadjusted 80 ft length needs a wider pillar.
    p.HeadgateSF = 0.5f;
    EngineRun fresh;
    ASSERT_TRUE(fresh.run(OutputCommand::Sizing, p));
    EXPECT_EQ(fresh.w.SizedLengthClassic[2], fresh.w.SizedWidthClassic[2]);
    EXPECT_GT(fresh.w.SizedWidthClassic[2], width[2] + 1);
    // Each pass starts again from the unadjusted length.
    EXPECT_EQ(carried.w.SizedLengthR[2], carried.w.SizedWidthR[1]);
}

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

struct ConfigCase {
    const char* name;
    std::int16_t mode;
    std::int16_t numPillars;
    std::vector<float> widths; // PillarW0 of the columns, abutment pillar 50 ft, yield 12 ft
};

class ConfigModeTest : public ::testing::TestWithParam<ConfigCase> {};

TEST_P(ConfigModeTest, PillarSystemAroundTheAbutmentPillar) {
    ProjectRecord p = WorkedExample();
    p.ConfigMode = GetParam().mode;
    WorkingSet w;
    w.WkHeight = 10;
    w.WkDepth = 1000;
    w.WkPanelWidth = 1000;
    w.WkEntryWidth = 20;
    w.WkCoalStrength = 129600;
    w.WkUnitWeight = 162;
    w.WkAbutAngle = 21;
    w.WkYieldWidth = 12;
    w.PillarW0[3] = 99;
    w.SizingLength = 80;
    w.SizingCase = 1;
    w.TargetSFClassic[1] = 1;
    SizingResidual(p, w, 50);
    ASSERT_EQ(w.NumPillars, GetParam().numPillars);
    float system = 0;
    for (int i = 1; i <= w.NumPillars; ++i) {
        EXPECT_EQ(w.PillarW0[i], GetParam().widths[static_cast<std::size_t>(i - 1)]);
        EXPECT_EQ(w.PillarCenters[i], w.PillarW0[i] + 20);
        EXPECT_EQ(w.PillarLength[i], 80.0f);
        system += w.PillarCenters[i];
    }
    EXPECT_EQ(w.SystemWidth, system);
    if (GetParam().mode == 1) {
        EXPECT_EQ(w.PillarW0[3], 0.0f);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, ConfigModeTest,
                         ::testing::Values(ConfigCase{"EqualSized", 0, 2, {50, 50}},
                                           ConfigCase{"YieldAbutment", 1, 2, {12, 50}},
                                           ConfigCase{"YieldAbutmentYield", 2, 3, {12, 50, 12}},
                                           ConfigCase{"TwoEntry", 3, 1, {50}}),
                         test::CaseName());

TEST(SquarePillarDimsTest, LengthDecidedAtTheLastColumn) {
    WorkingSet w;
    w.WkHeight = 10;
    w.SizingLength = 80;
    w.NumPillars = 3; // yield, abutment wider than the length, yield
    const float widths[] = {12, 120, 12};
    for (int i = 1; i <= 3; ++i) {
        w.PillarW0[i] = widths[i - 1];
        w.PillarL0[i] = 80;
        w.PillarCenters[i] = widths[i - 1] + 20;
    }
    SquarePillarDims(w);
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(w.PillarLength[i], 80.0f);
    EXPECT_EQ(w.PillarWidth[2], 120.0f); // never exchanged with the length
    EXPECT_EQ(w.WHRatio[2], 12.0f);
    EXPECT_EQ(w.SystemWidth, 204.0f);

    w.NumPillars = 2; // yield, abutment: the abutment pillar's width becomes everyone's length
    for (int i = 1; i <= 2; ++i) w.PillarL0[i] = 80;
    SquarePillarDims(w);
    EXPECT_EQ(w.PillarLength[1], 120.0f);
    EXPECT_EQ(w.PillarL0[1], 120.0f);
    EXPECT_EQ(w.PillarLength[2], 120.0f);
}

TEST(SizingTest, ClassicPillarsInPlaceRevisedInAlternates) {
    ProjectRecord p = WorkedExample();
    p.ConfigMode = 1;
    p.YieldPillarWidth = 10;
    EngineRun r;
    ASSERT_TRUE(r.run(OutputCommand::Sizing, p));
    ASSERT_EQ(r.w.NumPillars, 2);
    EXPECT_EQ(r.w.PillarWidth[1], 10.0f);
    EXPECT_NEAR(r.w.PillarWidth[2], r.w.SizedWidthClassic[3], 0.1f);
    EXPECT_NEAR(r.w.PillarWidthAlt[2], r.w.SizedWidthR[3], 0.1f);
    EXPECT_NE(r.w.PillarWidth[2], r.w.PillarWidthAlt[2]);
    EXPECT_EQ(r.w.PillarLength[1], r.w.PillarWidth[2]);
    EXPECT_EQ(r.w.PillarLengthAlt[1], r.w.PillarWidthAlt[2]);
    EXPECT_TRUE(r.w.SizingRun);
    EXPECT_EQ(r.w.AdvCalc, 0);
    EXPECT_EQ(r.messenger.history, (std::vector<std::string>{"KORA pillar sizing calculated",
                                                             "Additional output calculated"}));
}

TEST(SizingTest, MetricResultsInMetres) {
    const ProjectRecord english = WorkedExample();
    const ProjectRecord metric = test::MetricFromFeet(english);
    EngineRun e, m;
    ASSERT_TRUE(e.run(OutputCommand::Sizing, english));
    ASSERT_TRUE(m.run(OutputCommand::Sizing, metric));
    for (int c = 1; c <= 3; ++c) {
        EXPECT_NEAR(m.w.SizedWidthClassic[c] * FeetPerMetre, e.w.SizedWidthClassic[c], 0.05);
        EXPECT_NEAR(m.w.SizedLengthR[c] * FeetPerMetre, e.w.SizedLengthR[c], 0.05);
    }
    EXPECT_NE(
        m.report.OutBuf[1].find(" [KORA Classic]          FACTOR           (m)          (m)\r\n"),
        std::string::npos);
    EXPECT_NE(
        m.report.OutBuf[1].find("Headgate Loading          1.30            25.3          25.3\r\n"),
        std::string::npos)
        << m.report.OutBuf[1];
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
    EXPECT_EQ(r.messenger.boxes[0].title, "KORA");
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
    EXPECT_EQ(
        texts.front().rfind("Error in the Solution Routine: 6. Overflow: Solution Aborted.", 0),
        0u);
    EXPECT_EQ(texts.back(), "Error occurred: Overflow (6). Procedure Terminated");
    EXPECT_EQ(r.report.OutBuf, (std::array<std::string, 5>{"0", "1", "2", "3", "4"}));
}

} // namespace
} // namespace kora
