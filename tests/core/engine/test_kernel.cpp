#include "core/engine/analysis.h"
#include "core/engine/calculation.h"
#include "core/engine/kernel.h"
#include "core/engine/sizing.h"
#include "testprojects.h"
#include "thrown.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace kora {
namespace {

using test::ScriptedMessenger;
using test::WorkedExample;

WorkingSet standardAnalysis(const ProjectRecord& p) {
    WorkingSet w;
    PlanGeometry plan;
    ScriptedMessenger m;
    EXPECT_TRUE(SetWorkParms(p, w, plan, m));
    CalcSFStandard(w);
    return w;
}

TEST(KernelTest, SideAbutmentLoadAndShare) {
    struct Case {
        const char* name;
        void (*change)(ProjectRecord&);
        double sideAbutLoad, abutFraction;
    };
    const Case cases[] = {
        // PW / 2 = 300 ft is not above H t = 383.86 ft: sub-critical, (PW H / 2 - PW^2 / 8t) g.
        {"SubCritical", [](ProjectRecord& p) { p.PanelWidth = 600; }, 29608900.7, 0.96725034},
        // No abutment angle: t = 0 counts as super-critical and carries no side load.
        {"ZeroAngle", [](ProjectRecord& p) { p.AbutmentAngle = 0; }, 0, 0.96725034},
        // A system wider than the abutment zone takes the whole side abutment load.
        {"WiderThanAbutment",
         [](ProjectRecord& p) {
             p.NumEntries = 5;
             for (int i = 1; i <= 4; ++i) p.CenterDistance[i] = 100;
         },
         31092986.8, 1.0}};
    for (const Case& c : cases) {
        ProjectRecord p = WorkedExample();
        c.change(p);
        const WorkingSet w = standardAnalysis(p);
        EXPECT_NEAR(w.SideAbutLoad, c.sideAbutLoad, 50) << c.name;
        EXPECT_NEAR(w.AbutFraction, c.abutFraction, 1e-5) << c.name;
        EXPECT_FLOAT_EQ(w.DesignLoad[3], float(double(w.DevLoad) + w.AbutFraction * w.SideAbutLoad))
            << c.name;
    }
}

// The unit conversions into the working set are fixed by the Metric golden reports.
TEST(KernelTest, RequiredFactorsAsGivenOrFromTheCmrr) {
    ProjectRecord p = WorkedExample();
    p.HeadgateSF = 1.1f;
    p.BleederSF = 1.2f;
    p.TailgateSF = 1.5f;
    p.CMRRValue = 50;
    WorkingSet w = standardAnalysis(p);
    EXPECT_EQ((std::vector<float>{w.TargetSFClassic[1], w.TargetSFR[2], w.TargetSFClassic[3]}),
              (std::vector<float>{1.1f, 1.2f, 1.5f}));
    p.UseCMRR = 1; // 1.76 - 0.014 CMRR and 2.0 - 0.016 CMRR
    w = standardAnalysis(p);
    for (int k = 1; k <= 3; ++k) {
        EXPECT_FLOAT_EQ(w.TargetSFClassic[k], 1.06f);
        EXPECT_FLOAT_EQ(w.TargetSFR[k], 1.20f);
    }
}

// Refused projects (one message per failed check, in order) and failing calculations leave the
// report and the results of the last calculation as they were.
TEST(KernelTest, RefusalsAndFailuresLeaveReportAndResults) {
    struct Case {
        void (*change)(ProjectRecord&);
        std::vector<std::string> messages; // empty: accepted
        bool advanced = false;             // with 90 degree crosscuts at 100 ft in both columns
        OutputCommand analysis = OutputCommand::Standard;
    };
    using P = ProjectRecord&;
    const std::string angle = "Invalid advanced geometry xcut angles #";
    const std::string overflow = "Error occurred: Overflow (6). Procedure Terminated";
    const Case cases[] = {
        {[](P) {}, {}},
        {[](P p) { p.EntryHeight = p.DepthOfCover = 0; }, {"Invalid entry height"}},
        {[](P p) { p.PanelWidth = p.EntryWidth = 0; }, {"Invalid panel width"}},
        {[](P p) { p.EntryWidth = 0; }, {"Invalid entry width"}},
        {[](P p) { p.CrosscutSpacing = 0; }, {"Invalid crosscut spacing"}},
        {[](P p) { p.CoalStrength = 0; }, {"Invalid coal strength"}},
        {[](P p) { p.UnitWeight = 0; }, {"Invalid unit weight"}},
        {[](P p) { p.UnitWeight = std::numeric_limits<float>::quiet_NaN(); },
         {"Invalid unit weight"}},
        // Only the used centre distances are examined, before the factors.
        {[](P p) { p.CenterDistance[2] = p.CenterDistance[3] = 0; },
         {"Invalid center-to-center distance #2"}},
        {[](P p) { p.CenterDistance[3] = -5; }, {}},
        {[](P p) { p.CenterDistance[1] = p.HeadgateSF = 0; },
         {"Invalid center-to-center distance #1"}},
        {[](P p) { p.TailgateSF = 0; }, {"Invalid Stability factor for pillar sizing"}},
        // 1.76 - 0.014 x 130 is negative; the (R) relation is not examined.
        {[](P p) { p.UseCMRR = 1, p.CMRRValue = 130; },
         {"Invalid Stability factor for pillar sizing"}},
        {[](P p) { p.UseCMRR = 1, p.CMRRValue = 125; }, {}},
        // Advanced geometry: the basic checks first, then every column, spacing before angle.
        {[](P p) { p.UnitWeight = 0, p.XcutAngle[1] = 30; }, {"Invalid unit weight"}, true},
        {[](P p) { p.XcutAngle[1] = 40, p.XcutAngle[2] = 30; }, {angle + "1", angle + "2"}, true},
        {[](P p) { p.XcutSpacing[2] = p.XcutAngle[2] = 0; },
         {"Invalid advanced geometry xcut spacing #2", angle + "2"},
         true},
        {[](P p) { p.XcutAngle[2] = 45; }, {angle + "2"}, true},
        // Advanced data are not examined without the flag.
        {[](P p) { p.XcutAngle[1] = 10; }, {}},
        // Loads beyond the single-precision range; no pillar column to divide the loads by; a
        // yield pillar without width, without plan area to carry its load.
        {[](P p) { p.DepthOfCover = 1e36f; }, {overflow}},
        {[](P p) { p.NumEntries = 1; }, {overflow}},
        {[](P p) { p.ConfigMode = 1, p.YieldPillarWidth = 0; },
         {overflow},
         false,
         OutputCommand::Sizing},
        // More entries than the data model holds.
        {[](P p) { p.NumEntries = 7; },
         {"Error occurred: Subscript out of range (9). Procedure Terminated"}}};
    const std::array<std::string, 5> previous = {"0", "1", "2", "3", "4"};
    for (const Case& c : cases) {
        ProjectRecord p =
            c.advanced ? test::WithAngles(WorkedExample(), {90, 90}, {100, 100}) : WorkedExample();
        test::EngineRun r;
        ASSERT_TRUE(r.run(OutputCommand::Standard, p));
        const WorkingSet before = r.w;
        r.report.OutBuf = previous;
        r.messenger.boxes.clear();
        c.change(p);
        const bool accepted = r.run(c.analysis, p);
        EXPECT_EQ(r.messenger.texts(), c.messages);
        EXPECT_EQ(accepted, c.messages.empty());
        for (const auto& box : r.messenger.boxes)
            EXPECT_TRUE(box.style == mb::OK || box.text.starts_with("Error occurred: "));
        if (accepted) continue;
        EXPECT_EQ(r.report.OutBuf, previous);
        EXPECT_EQ(r.w.SFClassic, before.SFClassic);
        EXPECT_EQ(r.w.UnitStrengthOut, before.UnitStrengthOut);
        EXPECT_EQ(r.w.DesignLoad, before.DesignLoad);
    }
}

TEST(KernelTest, ArithmeticFailures) {
    // A pillar without width has no (R) strength rather than a division by zero.
    ProjectRecord p = WorkedExample();
    p.CenterDistance[1] = p.EntryWidth;
    WorkingSet w = standardAnalysis(p);
    EXPECT_EQ(w.UnitStrengthR[1] + w.CapacityR[1], 0.0f);
    EXPECT_TRUE(std::isfinite(w.SFRevised[4]));

    // The sizing search raises them instead of storing infinities.
    w = standardAnalysis(WorkedExample());
    w.PillarLength[1] = 0; // w^2 / (h L) of the (R) model
    w.IsClassic = false;
    const test::Thrown division = test::ThrownBy([&] { CalcPillarSF(w, 2); });
    EXPECT_EQ(division.number, 11);
    EXPECT_EQ(division.description, "Division by zero");
    w = standardAnalysis(WorkedExample());
    w.WkCoalStrength = 3e38f;
    w.IsClassic = true;
    const test::Thrown overflow = test::ThrownBy([&] { CalcPillarSF(w, 2); });
    EXPECT_EQ(overflow.number, 6);
    EXPECT_EQ(overflow.description, "Overflow");
}

using test::EngineRun;

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
