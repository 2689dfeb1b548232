#include "core/engine/analysis.h"
#include "core/engine/kernel.h"
#include "testprojects.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace kora {
namespace {

using test::EngineRun;
using test::WorkedExample;

ProjectRecord advancedProject(float angle, float spacing) {
    ProjectRecord p = WorkedExample();
    p.AdvGeometry = 1;
    for (int i = 1; i <= 2; ++i) {
        p.XcutAngle[i] = angle;
        p.XcutSpacing[i] = spacing;
    }
    return p;
}

TEST(AdvancedGeometryTest, ParallelogramPillars) {
    // a = (100 - 20 / sin 60) sin 60 = 66.6 ft does not exceed the width of 80 ft: the pillar
    // is a wide and (C - we) / sin 60 = 92.4 ft long.
    EngineRun r;
    ASSERT_TRUE(r.run(OutputCommand::Advanced, advancedProject(60, 100)));
    EXPECT_EQ(r.w.AdvCalc, 1);
    EXPECT_NEAR(r.w.PillarWidth[1], 66.60f, 0.005f);
    EXPECT_NEAR(r.w.PillarLength[1], 92.38f, 0.005f);
    EXPECT_FLOAT_EQ(r.w.Capacity[1], float(double(r.w.PillarWidth[1]) * r.w.UnitStrength[1] *
                                           r.w.PillarLength[1] / 100));

    // Crosscuts 200 ft apart: a = 153.2 ft exceeds the width, so the pillar keeps C - we across
    // the gate and is a / sin 60 = 176.9 ft long.
    ASSERT_TRUE(r.run(OutputCommand::Advanced, advancedProject(60, 200)));
    EXPECT_NEAR(r.w.PillarWidth[1], 80.0f, 1e-4f);
    EXPECT_NEAR(r.w.PillarLength[1], 176.91f, 0.005f);
    EXPECT_FLOAT_EQ(r.w.Capacity[1], float(double(r.w.PillarWidth[1]) * r.w.UnitStrength[1] *
                                           r.w.PillarLength[1] / 200));
}

TEST(AdvancedGeometryTest, SquareCrosscutsEqualTheStandardAnalysis) {
    ProjectRecord p = WorkedExample();
    p.NumEntries = 5;
    const float centres[] = {90, 75, 105, 60}; // pillars no wider than long
    for (int i = 1; i <= 4; ++i) p.CenterDistance[i] = centres[i - 1];
    p.CrosscutSpacing = 110;
    p.AdvGeometry = 1;
    for (int i = 1; i <= 4; ++i) {
        p.XcutAngle[i] = 90;
        p.XcutSpacing[i] = 110;
    }
    EngineRun standard, advanced;
    ASSERT_TRUE(standard.run(OutputCommand::Standard, p));
    ASSERT_TRUE(advanced.run(OutputCommand::Advanced, p));
    EXPECT_EQ(standard.w.SFClassic, advanced.w.SFClassic);
    EXPECT_EQ(standard.w.SFRevised, advanced.w.SFRevised);
    for (int page = 2; page <= 4; ++page)
        EXPECT_EQ(standard.report.OutBuf[page], advanced.report.OutBuf[page]) << "page " << page;
}

constexpr const char* UnitWeightLine =
    "The KORA case history data base was analyzed with an overburden unit";
constexpr const char* CoalStrengthLine =
    "The KORA case history data base was analyzed with an in situ coal";
constexpr const char* AbutmentAngleLine =
    "The KORA case history data base was analyzed with abutment angles of";

struct WarningCase {
    const char* name;
    std::function<void(ProjectRecord&)> change;
    bool unitWeight, coalStrength, abutmentAngle;
};

class WarningTest : public ::testing::TestWithParam<WarningCase> {};

TEST_P(WarningTest, PrintedForInputsOffTheDataBase) {
    ProjectRecord p = WorkedExample();
    GetParam().change(p);
    for (OutputCommand a : {OutputCommand::Standard, OutputCommand::Advanced}) {
        if (a == OutputCommand::Advanced) {
            p.AdvGeometry = 1;
            for (int i = 1; i <= 2; ++i) {
                p.XcutAngle[i] = 90;
                p.XcutSpacing[i] = p.CrosscutSpacing;
            }
        }
        EngineRun r;
        ASSERT_TRUE(r.run(a, p));
        const std::string& s = r.report.OutBuf[1];
        const auto has = [&](const char* line) { return s.find(line) != std::string::npos; };
        const bool any =
            GetParam().unitWeight || GetParam().coalStrength || GetParam().abutmentAngle;
        EXPECT_EQ(has("[WARNINGS]\r\n"), any);
        EXPECT_EQ(has(UnitWeightLine), GetParam().unitWeight);
        EXPECT_EQ(has(CoalStrengthLine), GetParam().coalStrength);
        EXPECT_EQ(has(AbutmentAngleLine), GetParam().abutmentAngle);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WarningTest,
    ::testing::Values(WarningCase{"Defaults", [](ProjectRecord&) {}, false, false, false},
                      WarningCase{"AbutmentAngle20", [](ProjectRecord& p) { p.AbutmentAngle = 20; },
                                  false, false, true},
                      WarningCase{"UnitWeight", [](ProjectRecord& p) { p.UnitWeight = 162.5f; },
                                  true, false, false},
                      WarningCase{"AllThree",
                                  [](ProjectRecord& p) {
                                      p.UnitWeight = 150;
                                      p.CoalStrength = 1000;
                                      p.AbutmentAngle = 25;
                                  },
                                  true, true, true},
                      // Metric projects compare with 25.45 kN/m3 and 6.21 MPa; 6.2 MPa is off the
                      // data base although the warning quotes 900 psi.
                      WarningCase{"Metric62",
                                  [](ProjectRecord& p) {
                                      p = test::MetricFromFeet(p);
                                      p.UnitWeight = 25.45f;
                                      p.CoalStrength = 6.2f;
                                  },
                                  false, true, false},
                      WarningCase{"MetricDataBaseValues",
                                  [](ProjectRecord& p) {
                                      p = test::MetricFromFeet(p);
                                      p.UnitWeight = 25.45f;
                                      p.CoalStrength = 6.21f;
                                  },
                                  false, false, false},
                      WarningCase{"MetricNewProjectDefaults",
                                  [](ProjectRecord& p) { p = test::MetricFromFeet(p); }, true, true,
                                  false}),
    test::CaseName());

TEST(FactorTableTest, ColumnsAndWideValues) {
    WorkingSet w;
    for (int k = 1; k <= 5; ++k) {
        w.SFClassic[k] = 1.5f;
        w.SFRevised[k] = 0.5f;
    }
    w.SFClassic[1] = 12.345f;
    w.SFRevised[1] = 1234.567f;
    ProjectRecord p = WorkedExample();
    ReportBuffer report;
    test::ScriptedMessenger m;
    ReportSFStandard(p, PlanGeometry{}, w, report, m);
    EXPECT_NE(
        report.OutBuf[1].find("\r\n    Development Loading............ 12.35          1234.57\r\n"
                              "    Headgate Loading...............  1.50            0.50\r\n"),
        std::string::npos)
        << report.OutBuf[1];
    EXPECT_EQ(m.history, std::vector<std::string>{"KORA stability factors calculated"});
}

struct NoteCase {
    const char* name;
    bool metric;
    std::string note;
};

class NoteTest : public ::testing::TestWithParam<NoteCase> {};

TEST_P(NoteTest, NinetyDegreeNoteOfAdvancedProjects) {
    ProjectRecord p = advancedProject(60, 100);
    if (GetParam().metric) p = test::MetricFromFeet(p);
    EngineRun r;
    ASSERT_TRUE(r.run(OutputCommand::Standard, p));
    EXPECT_NE(r.report.OutBuf[1].find("\r\n\r\n\r\n[NOTES]\r\n" + GetParam().note + "\r\n\r\n"),
              std::string::npos)
        << r.report.OutBuf[1];
    p.AdvGeometry = 0;
    ASSERT_TRUE(r.run(OutputCommand::Standard, p));
    EXPECT_EQ(r.report.OutBuf[1].find("[NOTES]"), std::string::npos);
    // The advanced section itself carries no note.
    p.AdvGeometry = 1;
    ASSERT_TRUE(r.run(OutputCommand::Advanced, p));
    EXPECT_EQ(r.report.OutBuf[1].find("[NOTES]"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NoteTest,
    ::testing::Values(
        NoteCase{"English", false,
                 "THESE RESULTS ASSUME 90 DEGREE CROSSCUTS AND A CROSSCUT\r\nSPACING OF 100 (ft)"},
        NoteCase{
            "Metric", true,
            "THESE RESULTS ASSUME 90 DEGREE CROSSCUTS AND A CROSSCUT\r\nSPACING OF 30.48 (m)"}),
    test::CaseName());

} // namespace
} // namespace kora
