#include "core/engine/analysis.h"
#include "core/engine/kernel.h"
#include "testprojects.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

namespace kora {
namespace {

using test::EngineRun;
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

TEST(KernelTest, WorkedEnglishExample) {
    const WorkingSet w = standardAnalysis(WorkedExample());
    for (int i = 1; i <= 2; ++i) {
        EXPECT_EQ(w.PillarWidth[i], 80.0f);
        EXPECT_EQ(w.PillarLength[i], 80.0f);
        EXPECT_EQ(w.WHRatio[i], 8.0f);
        // S1 (0.64 + 0.36 x 8) = 900 x 144 x 3.52, and a square pillar gets the same (R) strength.
        EXPECT_FLOAT_EQ(w.UnitStrength[i], 456192.0f);
        EXPECT_FLOAT_EQ(w.UnitStrengthR[i], 456192.0f);
        // 80 x 456192 x 80 / 100 lb per ft of gate entry.
        EXPECT_FLOAT_EQ(w.Capacity[i], 29196288.0f);
    }
    EXPECT_EQ(w.SystemWidth, 200.0f);
    EXPECT_EQ(w.DevLoad, 32400000.0f);
    // H t = 383.86 ft is below PW / 2 = 500 ft: super-critical, H^2 t g / 2.
    EXPECT_NEAR(w.SideAbutLoad, 31093000.0f, 100.0f);
    EXPECT_NEAR(w.AbutExtent, 294.09f, 0.005f);
    EXPECT_NEAR(w.AbutFraction, 0.967f, 0.0005f);

    const double Ls = w.SideAbutLoad, R = w.AbutFraction, Ld = w.DevLoad;
    EXPECT_FLOAT_EQ(w.DesignLoad[1], float(Ld));
    EXPECT_FLOAT_EQ(w.DesignLoad[2], float(Ld + 0.5 * R * Ls));
    EXPECT_FLOAT_EQ(w.DesignLoad[3], float(Ld + R * Ls));
    EXPECT_FLOAT_EQ(w.DesignLoad[4], float(Ld + 1.7 * Ls)); // full side load, not its share
    EXPECT_FLOAT_EQ(w.DesignLoad[5], float(Ld + 2 * Ls));
    EXPECT_NEAR(w.SFClassic[1], 1.80f, 0.005f);
    EXPECT_NEAR(w.SFClassic[4], 0.68f, 0.005f);
    for (int k = 1; k <= 5; ++k) EXPECT_EQ(w.SFClassic[k], w.SFRevised[k]);
}

struct LoadingCase {
    const char* name;
    std::function<void(ProjectRecord&)> change;
    double sideAbutLoad;
    double abutFraction;
};

class LoadingTest : public ::testing::TestWithParam<LoadingCase> {};

TEST_P(LoadingTest, SideAbutmentLoadAndShare) {
    ProjectRecord p = WorkedExample();
    GetParam().change(p);
    const WorkingSet w = standardAnalysis(p);
    EXPECT_NEAR(w.SideAbutLoad, GetParam().sideAbutLoad, 50);
    EXPECT_NEAR(w.AbutFraction, GetParam().abutFraction, 1e-5);
    if (w.AbutFraction == 1.0f) {
        EXPECT_FLOAT_EQ(w.DesignLoad[2], float(double(w.DevLoad) + 0.5 * w.SideAbutLoad));
        EXPECT_FLOAT_EQ(w.DesignLoad[3], float(double(w.DevLoad) + w.SideAbutLoad));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LoadingTest,
    ::testing::Values(
        // PW / 2 = 300 ft is not above H t = 383.86 ft: sub-critical, (PW H / 2 - PW^2 / 8t) g.
        LoadingCase{"SubCritical", [](ProjectRecord& p) { p.PanelWidth = 600; }, 29608900.7,
                    0.96725034},
        // No abutment angle: t = 0 counts as super-critical and carries no side load.
        LoadingCase{"ZeroAngle", [](ProjectRecord& p) { p.AbutmentAngle = 0; }, 0, 0.96725034},
        // A system wider than the abutment zone takes the whole side abutment load.
        LoadingCase{"WiderThanAbutment",
                    [](ProjectRecord& p) {
                        p.NumEntries = 5;
                        for (int i = 1; i <= 4; ++i) p.CenterDistance[i] = 100;
                    },
                    31092986.8, 1.0}),
    test::CaseName());

TEST(KernelTest, MetricInputsAreConvertedToFeetPsfPcf) {
    ProjectRecord p = test::MetricFromFeet(WorkedExample());
    p.EntryHeight = 3;
    p.XcutAngle[1] = 60;
    p.XcutSpacing[1] = 25;
    WorkingSet w;
    PlanGeometry plan;
    ScriptedMessenger m;
    ASSERT_TRUE(SetWorkParms(p, w, plan, m));
    EXPECT_NEAR(w.WkHeight, 9.8425f, 0.0001f);
    EXPECT_NEAR(w.WkDepth, 1000.0f, 0.001f);
    EXPECT_NEAR(w.PillarCenters[2], 100.0f, 0.0001f);
    EXPECT_NEAR(w.XcutSpacingFt[1], 82.021f, 0.001f);
    EXPECT_NEAR(w.WkCoalStrength, 129600.0f, 0.05f); // 900 psi in psf
    EXPECT_NEAR(w.WkUnitWeight, 162.0f, 1e-4f);
    // The plan drawing keeps the project's own units.
    EXPECT_EQ(plan.DrawXcutAngle[1], 60.0f);
    EXPECT_EQ(plan.DrawXcutSpacing[1], 25.0f);
}

TEST(KernelTest, RequiredFactorsFromUserOrCmrr) {
    ProjectRecord p = WorkedExample();
    p.HeadgateSF = 1.1f;
    p.BleederSF = 1.2f;
    p.TailgateSF = 1.5f;
    p.CMRRValue = 50;
    WorkingSet w;
    PlanGeometry plan;
    ScriptedMessenger m;
    ASSERT_TRUE(SetWorkParms(p, w, plan, m));
    EXPECT_EQ(w.TargetSFClassic[1], 1.1f);
    EXPECT_EQ(w.TargetSFR[2], 1.2f);
    EXPECT_EQ(w.TargetSFClassic[3], 1.5f);
    p.UseCMRR = 1;
    ASSERT_TRUE(SetWorkParms(p, w, plan, m));
    for (int k = 1; k <= 3; ++k) {
        EXPECT_FLOAT_EQ(w.TargetSFClassic[k], 1.06f);
        EXPECT_FLOAT_EQ(w.TargetSFR[k], 1.20f);
    }
}

struct RefusalCase {
    const char* name;
    std::function<void(ProjectRecord&)> change;
    std::vector<std::string> messages; // empty: accepted
};

class RefusalTest : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(RefusalTest, MessagesInOrder) {
    ProjectRecord p = WorkedExample();
    GetParam().change(p);
    EngineRun r;
    r.report.OutBuf = {"page 0", "page 1", "page 2", "page 3", "page 4"};
    r.w.SFClassic[1] = 7;
    const bool accepted = r.run(OutputCommand::Standard, p);
    EXPECT_EQ(r.messenger.texts(), GetParam().messages);
    EXPECT_EQ(accepted, GetParam().messages.empty());
    for (const auto& box : r.messenger.boxes) {
        EXPECT_EQ(box.style, mb::OK);
        EXPECT_EQ(box.title, "KORA");
    }
    if (!accepted) {
        EXPECT_EQ(r.report.OutBuf[1], "page 1");
        EXPECT_EQ(r.report.OutBuf[4], "page 4");
        EXPECT_EQ(r.w.SFClassic[1], 7.0f);
    }
}

auto advanced(std::function<void(ProjectRecord&)> change) {
    return [change](ProjectRecord& p) {
        p.AdvGeometry = 1;
        for (int i = 1; i <= 2; ++i) {
            p.XcutAngle[i] = 90;
            p.XcutSpacing[i] = 100;
        }
        change(p);
    };
}

const float NaN = std::numeric_limits<float>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    Cases, RefusalTest,
    ::testing::Values(
        RefusalCase{"Valid", [](ProjectRecord&) {}, {}},
        RefusalCase{"HeightBeforeDepth",
                    [](ProjectRecord& p) {
                        p.EntryHeight = 0;
                        p.DepthOfCover = 0;
                    },
                    {"Invalid entry height"}},
        RefusalCase{
            "Depth", [](ProjectRecord& p) { p.DepthOfCover = -1; }, {"Invalid depth of cover"}},
        RefusalCase{"PanelBeforeEntryWidth",
                    [](ProjectRecord& p) {
                        p.PanelWidth = 0;
                        p.EntryWidth = 0;
                    },
                    {"Invalid panel width"}},
        RefusalCase{
            "EntryWidth", [](ProjectRecord& p) { p.EntryWidth = 0; }, {"Invalid entry width"}},
        RefusalCase{"CrosscutSpacing",
                    [](ProjectRecord& p) { p.CrosscutSpacing = 0; },
                    {"Invalid crosscut spacing"}},
        RefusalCase{"CoalStrength",
                    [](ProjectRecord& p) { p.CoalStrength = 0; },
                    {"Invalid coal strength"}},
        RefusalCase{
            "UnitWeight", [](ProjectRecord& p) { p.UnitWeight = 0; }, {"Invalid unit weight"}},
        RefusalCase{
            "NotANumber", [](ProjectRecord& p) { p.UnitWeight = NaN; }, {"Invalid unit weight"}},
        // Only the used centre distances are examined.
        RefusalCase{"CenterDistanceTwo",
                    [](ProjectRecord& p) {
                        p.CenterDistance[2] = 0;
                        p.CenterDistance[3] = 0;
                    },
                    {"Invalid center-to-center distance #2"}},
        RefusalCase{"UnusedCenterDistance", [](ProjectRecord& p) { p.CenterDistance[3] = -5; }, {}},
        RefusalCase{"CenterDistanceBeforeFactors",
                    [](ProjectRecord& p) {
                        p.CenterDistance[1] = 0;
                        p.HeadgateSF = 0;
                    },
                    {"Invalid center-to-center distance #1"}},
        RefusalCase{"UserFactor",
                    [](ProjectRecord& p) { p.TailgateSF = 0; },
                    {"Invalid Stability factor for pillar sizing"}},
        // 1.76 - 0.014 x 130 is negative; the (R) relation is not examined.
        RefusalCase{"CmrrFactor",
                    [](ProjectRecord& p) {
                        p.UseCMRR = 1;
                        p.CMRRValue = 130;
                    },
                    {"Invalid Stability factor for pillar sizing"}},
        RefusalCase{"CmrrFactorRNotTested",
                    [](ProjectRecord& p) {
                        p.UseCMRR = 1;
                        p.CMRRValue = 125;
                    },
                    {}},
        RefusalCase{"AdvancedBasicFirst",
                    advanced([](ProjectRecord& p) {
                        p.UnitWeight = 0;
                        p.XcutAngle[1] = 30;
                    }),
                    {"Invalid unit weight"}},
        RefusalCase{"AdvancedEveryColumn",
                    advanced([](ProjectRecord& p) {
                        p.XcutAngle[1] = 40;
                        p.XcutAngle[2] = 30;
                    }),
                    {"Invalid advanced geometry xcut angles #1",
                     "Invalid advanced geometry xcut angles #2"}},
        RefusalCase{"AdvancedSpacingThenAngle",
                    advanced([](ProjectRecord& p) {
                        p.XcutSpacing[2] = 0;
                        p.XcutAngle[2] = 0;
                    }),
                    {"Invalid advanced geometry xcut spacing #2",
                     "Invalid advanced geometry xcut angles #2"}},
        RefusalCase{"AngleOf45",
                    advanced([](ProjectRecord& p) { p.XcutAngle[2] = 45; }),
                    {"Invalid advanced geometry xcut angles #2"}},
        RefusalCase{
            "AngleAbove45", advanced([](ProjectRecord& p) { p.XcutAngle[2] = 45.01f; }), {}},
        // Without advanced geometry its data are not examined.
        RefusalCase{"AdvancedOff", [](ProjectRecord& p) { p.XcutAngle[1] = 10; }, {}}),
    test::CaseName());

TEST(KernelTest, OrderPillarDimsMakesTheSmallerDimensionTheWidth) {
    WorkingSet w;
    w.NumPillars = 2;
    w.WkHeight = 10;
    w.PillarCenters[1] = 120;
    w.PillarCenters[2] = 60;
    w.PillarW0[1] = 100;
    w.PillarL0[1] = 70;
    w.PillarW0[2] = 40;
    w.PillarL0[2] = 70;
    OrderPillarDims(w);
    EXPECT_EQ(w.PillarWidth[1], 70.0f);
    EXPECT_EQ(w.PillarLength[1], 100.0f);
    EXPECT_EQ(w.PillarL0[1], 100.0f); // rewritten by the exchange
    EXPECT_EQ(w.WHRatio[1], 7.0f);
    EXPECT_EQ(w.PillarWidth[2], 40.0f);
    EXPECT_EQ(w.PillarLength[2], 70.0f);
    EXPECT_EQ(w.SystemWidth, 180.0f);
}

TEST(KernelTest, AnalysisOfPillarWithoutWidthHasNoRevisedStrength) {
    ProjectRecord p = WorkedExample();
    p.CenterDistance[1] = p.EntryWidth;
    const WorkingSet w = standardAnalysis(p);
    EXPECT_EQ(w.PillarWidth[1], 0.0f);
    EXPECT_EQ(w.UnitStrengthR[1], 0.0f);
    EXPECT_EQ(w.CapacityR[1], 0.0f);
    EXPECT_TRUE(std::isfinite(w.SFRevised[4]));
}

TEST(KernelTest, SizingModeRaisesArithmeticFailures) {
    WorkingSet w = standardAnalysis(WorkedExample());
    w.PillarLength[1] = 0; // w^2 / (h L) of the (R) model
    w.IsClassic = false;
    try {
        CalcPillarSF(w, 2);
        FAIL() << "no error raised";
    } catch (const KoraError& e) {
        EXPECT_EQ(e.number(), 11);
        EXPECT_EQ(e.description(), "Division by zero");
    }
    w = standardAnalysis(WorkedExample());
    w.WkCoalStrength = 3e38f;
    w.IsClassic = true;
    try {
        CalcPillarSF(w, 2);
        FAIL() << "no error raised";
    } catch (const KoraError& e) {
        EXPECT_EQ(e.number(), 6);
        EXPECT_EQ(e.description(), "Overflow");
    }
}

} // namespace
} // namespace kora
