#include "core/base/koraerror.h"
#include "core/engine/analysis.h"
#include "core/engine/kernel.h"
#include "core/engine/sweeps.h"
#include "core/model/plangeometry.h"
#include "core/model/projectrecord.h"
#include "core/model/unitsystems.h"
#include "core/model/workingset.h"
#include "scriptedmessenger.h"
#include "testprojects.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace kora {
namespace {

namespace fs = std::filesystem;

using test::MetricExample;
using test::WorkedExample;

// Isolated-loading stability factors of n equal square-cut columns, from the strength and loading
// relations worked in double precision: (Classic, (R)).
std::pair<double, double> isolatedSF(double h, double depth, double panel, double we,
                                     double centers, double crosscut, int columns) {
    const double s1 = 900 * 144.0, g = 162, t = std::tan(21 * 0.017453292519943278);
    const double w = centers - we, l = crosscut - we;
    const double width = std::min(w, l), length = std::max(w, l);
    const double classic = (width / h * 0.36 + 0.64) * s1 * width * length / crosscut;
    const double revised = (0.54 * width / h - 0.18 * width * width / (h * length) + 0.64) * s1 *
                           width * length / crosscut;
    const double dev = columns * centers * depth * g;
    const double side = panel / 2 <= depth * t ? (panel * depth / 2 - panel * panel / (8 * t)) * g
                                               : depth * depth * t * g / 2;
    const double isolated = dev + 2 * side;
    return {columns * classic / isolated, columns * revised / isolated};
}

std::vector<std::string> readLines(const fs::path& p, std::string* raw = nullptr) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    const std::string text = s.str();
    if (raw) *raw = text;
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (auto pos = text.find("\r\n"); pos != std::string::npos; pos = text.find("\r\n", start)) {
        lines.push_back(text.substr(start, pos - start));
        start = pos + 2;
    }
    EXPECT_EQ(start, text.size()) << "text after the last CR LF";
    return lines;
}

std::vector<std::string> fields(const std::string& line) {
    std::vector<std::string> f;
    std::size_t start = 0;
    for (auto pos = line.find('\t'); pos != std::string::npos; pos = line.find('\t', start)) {
        f.push_back(line.substr(start, pos - start));
        start = pos + 1;
    }
    f.push_back(line.substr(start));
    return f;
}

class StudyTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("kora_study_" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    fs::path dir;
    WorkingSet w;
    PlanGeometry plan;
    GraphCurves curves;
    test::ScriptedMessenger m;
};

TEST(ChartSweepTest, DepthOfCoverFromHalfToOneAndAHalf) {
    const ProjectRecord p = WorkedExample();
    WorkingSet w;
    PlanGeometry plan;
    GraphCurves curves;
    test::ScriptedMessenger m;
    ASSERT_TRUE(ChartSweep(1, p, w, plan, curves, m));
    EXPECT_TRUE(m.boxes.empty());
    EXPECT_EQ(curves.GraphCommandIndex, 1);
    EXPECT_EQ(curves.rows(), 12);
    ASSERT_GE(curves.NumGraphPoints, 10);
    ASSERT_LE(curves.NumGraphPoints, 11);

    float x = 500;
    for (int pt = 1; pt <= curves.NumGraphPoints; ++pt, x += 100) {
        EXPECT_EQ(curves.CurvesClassic(0, pt), x);
        EXPECT_EQ(curves.CurvesR(0, pt), x);
        // Every point is the standard analysis at that depth, all else as prepared.
        WorkingSet ref;
        PlanGeometry refPlan;
        ASSERT_TRUE(SetWorkParms(p, ref, refPlan, m));
        ref.WkDepth = x;
        CalcSFStandard(ref);
        for (int k = 1; k <= 4; ++k) {
            EXPECT_EQ(curves.CurvesClassic(k, pt), ref.SFClassic[k]) << pt << " " << k;
            EXPECT_EQ(curves.CurvesR(k, pt), ref.SFRevised[k]) << pt << " " << k;
        }
        EXPECT_EQ(curves.CurvesClassic(5, pt), 0); // isolated loading only in the height sweep
        EXPECT_EQ(curves.IsolatedClassic(pt), ref.SFClassic[5]);
        EXPECT_EQ(curves.IsolatedR(pt), ref.SFRevised[5]);
        EXPECT_EQ(curves.CurvesR(6, pt), 0);
    }
    EXPECT_EQ(curves.CurvesClassic(0, 12), 0); // the spare row stays empty
}

TEST(ChartSweepTest, EachIndexSweepsItsQuantityInTheProjectUnit) {
    const ProjectRecord metric = MetricExample();
    struct Case {
        int index;
        float projectValue;
        int isolatedColumn;
    };
    const Case cases[] = {{0, 3, 5}, {1, 300, 0}, {2, 300, 0}, {3, 30, 0}};
    for (const auto& c : cases) {
        WorkingSet w;
        PlanGeometry plan;
        GraphCurves curves;
        test::ScriptedMessenger m;
        ASSERT_TRUE(ChartSweep(c.index, metric, w, plan, curves, m));
        ASSERT_GE(curves.NumGraphPoints, 10) << c.index;
        // x values in metres: half the project value first, then tenths of it.
        EXPECT_NEAR(curves.CurvesClassic(0, 1), 0.5 * c.projectValue, 1e-4 * c.projectValue);
        EXPECT_NEAR(curves.CurvesClassic(0, 2), 0.6 * c.projectValue, 1e-4 * c.projectValue);
        EXPECT_NEAR(curves.CurvesClassic(0, 10), 1.4 * c.projectValue, 1e-4 * c.projectValue);
        if (c.isolatedColumn == 5) {
            EXPECT_GT(curves.CurvesClassic(5, 1), 0);
            EXPECT_GT(curves.CurvesR(5, 10), 0);
        } else {
            EXPECT_EQ(curves.CurvesClassic(5, 1), 0) << c.index;
        }
        // The stability factors rise with entry height falling, depth falling...: at least they
        // change from point to point, so the swept quantity reached the analysis.
        EXPECT_NE(curves.CurvesClassic(2, 1), curves.CurvesClassic(2, 10)) << c.index;
    }
}

TEST(ChartSweepTest, RefusedProjectLeavesTheCurves) {
    ProjectRecord p = WorkedExample();
    p.CenterDistance[2] = 0;
    WorkingSet w;
    PlanGeometry plan;
    GraphCurves curves;
    curves.Recreate(3);
    curves.NumGraphPoints = 3;
    curves.CurvesClassic(1, 2) = 4.5f;
    test::ScriptedMessenger m;
    EXPECT_FALSE(ChartSweep(0, p, w, plan, curves, m));
    EXPECT_EQ(m.texts(), std::vector<std::string>{"Invalid center-to-center distance #2"});
    EXPECT_EQ(curves.NumGraphPoints, 3);
    EXPECT_EQ(curves.CurvesClassic(1, 2), 4.5f);
}

// Absurd inputs must end in the overflow message, never in a chart of infinities or in a
// sweep that cannot end.
TEST(ChartSweepTest, OverflowingProjectsAreReportedAndLeaveTheCurves) {
    struct Case {
        int index;
        void (*spoil)(ProjectRecord&);
    };
    const Case cases[] = {
        {0, [](ProjectRecord& p) { p.CenterDistance[1] = 3e38f; }},
        {1, [](ProjectRecord& p) { p.DepthOfCover = 3e38f; }},
        {1,
         [](ProjectRecord& p) {
             p.UnitSystem = Metric;
             p.DepthOfCover = 3e38f; // beyond single precision once in feet
         }},
        {3, [](ProjectRecord& p) { p.CoalStrength = 3e38f; }},
    };
    for (const Case& c : cases) {
        ProjectRecord p = WorkedExample();
        c.spoil(p);
        WorkingSet w;
        PlanGeometry plan;
        GraphCurves curves;
        curves.Recreate(2);
        curves.CurvesClassic(1, 1) = 4.5f;
        test::ScriptedMessenger m;
        EXPECT_FALSE(ChartSweep(c.index, p, w, plan, curves, m)) << c.index;
        EXPECT_EQ(m.texts(),
                  std::vector<std::string>{"Error occurred: Overflow (6). Procedure Terminated"});
        EXPECT_EQ(curves.rows(), 2);
        EXPECT_EQ(curves.CurvesClassic(1, 1), 4.5f);
    }
}

TEST(GraphCurvesTest, OutsideTheArraysIsSubscriptOutOfRange) {
    GraphCurves c;
    c.Recreate(2);
    EXPECT_EQ(c.CurvesClassic(6, 2), 0);
    for (auto [column, point] : {std::pair{7, 1}, {-1, 1}, {0, 0}, {0, 3}}) {
        try {
            (void)c.CurvesR(column, point);
            ADD_FAILURE() << column << "," << point;
        } catch (const KoraError& e) {
            EXPECT_EQ(e.number(), err::SubscriptOutOfRange);
        }
    }
}

TEST(StudyLineTest, NumberFieldsAndExtractionRatio) {
    EXPECT_EQ(StudyLine(200, 40, 0.85f, 1.234567f, 80, 50),
              " 200 \t 40 \t .85 \t 1.234567 \t 80 \t50.0\r\n");
    EXPECT_EQ(StudyLine(725, -0.5f, 12.5f, 0, 5000, 33.649),
              " 725 \t-.5 \t 12.5 \t 0 \t 5000 \t33.6\r\n");
    EXPECT_EQ(StudyLine(200, 40.31496f, 1e-8f, 3, 80, 999),
              " 200 \t 40.31496 \t 1E-08 \t 3 \t 80 \t999.0\r\n");
}

TEST_F(StudyTest, SolidStudyLinesAndFirstLine) {
    std::string path;
    ASSERT_TRUE(DoParametricSolid(WorkedExample(), w, plan, curves, dir.string(), m, &path));
    EXPECT_EQ(path, (dir / "SF-width-Solid.txt").string());
    const auto lines = readLines(path);
    ASSERT_EQ(lines.size(), 693u); // 33 centre distances x 21 depths

    // C = 60 ft, e = 2, H = 200 ft: system width less one entry 40 ft, no crosscuts (5000 ft),
    // extraction (1 - 40 x 4980 / (5000 x 60)) x 100 = 33.6 %.
    const auto f = fields(lines[0]);
    ASSERT_EQ(f.size(), 6u);
    EXPECT_EQ(f[0], " 200 ");
    EXPECT_EQ(f[1], " 40 ");
    EXPECT_EQ(f[4], " 5000 ");
    EXPECT_EQ(f[5], "33.6");
    const auto sf = isolatedSF(10, 200, 1000, 20, 60, 5000, 2);
    EXPECT_NEAR(std::stod(f[2]), sf.first, 1e-5 * sf.first);
    EXPECT_NEAR(std::stod(f[3]), sf.second, 1e-5 * sf.second);

    // The 21 depths run 200..700; then the next centre distance.
    EXPECT_EQ(fields(lines[20])[0], " 700 ");
    EXPECT_EQ(fields(lines[21])[0], " 200 ");
    EXPECT_EQ(fields(lines[21])[1], " 45 ");
    EXPECT_EQ(fields(lines[692])[1], " 200 ");

    // The curves keep the last depth sweep; the working set is left one step beyond it.
    EXPECT_EQ(curves.rows(), 22);
    EXPECT_EQ(curves.NumGraphPoints, 21);
    EXPECT_EQ(curves.CurvesClassic(0, 21), 700);
    EXPECT_EQ(w.WkDepth, 725);
    EXPECT_EQ(w.PillarCenters[5], 220);
}

TEST_F(StudyTest, PartialStudyLinesAndCrosscutSpacing) {
    ProjectRecord p = WorkedExample();
    p.NumEntries = 4;
    p.CenterDistance[3] = 100;
    std::string path;
    ASSERT_TRUE(DoParametricPartial(p, w, plan, curves, dir.string(), m, &path));
    std::string raw;
    const auto lines = readLines(dir / "SF-width-Partial.txt", &raw);
    ASSERT_EQ(lines.size(), 221u * 3u * 13u);

    // C = 60 ft with 20 ft entries: crosscuts at 40 x 20 / 10 = 80 ft; extraction
    // (1 - 40 x 60 / (80 x 60)) x 100 = 50 %. Three pillar columns take part in every analysis.
    const auto sf = isolatedSF(10, 200, 1000, 20, 60, 80, 3);
    const auto f = fields(lines[0]);
    EXPECT_EQ(f[0], " 200 ");
    EXPECT_EQ(f[1], " 40 ");
    EXPECT_EQ(f[4], " 80 ");
    EXPECT_EQ(f[5], "50.0");
    EXPECT_NEAR(std::stod(f[2]), sf.first, 1e-5 * sf.first);
    EXPECT_NEAR(std::stod(f[3]), sf.second, 1e-5 * sf.second);
    EXPECT_EQ(raw.substr(0, 6), " 200 \t");

    // Then e = 3 and e = 4 at the same centre distance: only B and the extraction change.
    EXPECT_EQ(fields(lines[12])[0], " 500 ");
    EXPECT_EQ(fields(lines[13])[1], " 100 ");
    EXPECT_EQ(fields(lines[13])[2], f[2]);
    EXPECT_EQ(fields(lines[26])[1], " 160 ");
    // C = 62: (42 x 20) / 11.
    EXPECT_EQ(fields(lines[39])[1], " 42 ");
    EXPECT_EQ(fields(lines[39])[4], " 76.36364 ");
    EXPECT_EQ(curves.rows(), 14);
    EXPECT_EQ(curves.NumGraphPoints, 13);
    EXPECT_EQ(w.WkNumEntries, 4);
}

TEST_F(StudyTest, WideEntriesSkipCentreDistancesWithoutCrosscutSpacing) {
    struct Case {
        float entryWidth;
        std::size_t centres; // centre distances with 0.5 C > entry width
    };
    for (const Case& c : {Case{29.9f, 221}, Case{30, 220}, Case{35, 215}, Case{250, 0}}) {
        ProjectRecord p = WorkedExample();
        p.EntryWidth = c.entryWidth;
        p.CenterDistance[1] = p.CenterDistance[2] = 600;
        p.CrosscutSpacing = 600;
        ASSERT_TRUE(DoParametricPartial(p, w, plan, curves, dir.string(), m));
        const auto lines = readLines(dir / "SF-width-Partial.txt");
        EXPECT_EQ(lines.size(), c.centres * 2 * 13) << c.entryWidth;
        for (const auto& line : lines) {
            const double spacing = std::stod(fields(line)[4]);
            EXPECT_GT(spacing, 0) << line;
        }
    }
}

TEST_F(StudyTest, MetricProjectWritesFeet) {
    const ProjectRecord p = MetricExample();
    ASSERT_TRUE(DoParametricSolid(p, w, plan, curves, dir.string(), m));
    const auto f = fields(readLines(dir / "SF-width-Solid.txt").at(0));
    EXPECT_EQ(f[0], " 200 ");
    EXPECT_EQ(f[1], " 40.31496 "); // 60 ft less 6 m
    // The curves show the depth in metres.
    EXPECT_NEAR(curves.CurvesClassic(0, 1), 200 / FeetPerMetre, 1e-4);
}

TEST_F(StudyTest, ReplacesAnExistingFileAndWritesNothingForARefusedProject) {
    {
        std::ofstream old(dir / "SF-width-Solid.txt", std::ios::binary);
        old << "an older study that is longer than nothing\r\n";
    }
    ProjectRecord p = WorkedExample();
    p.EntryHeight = 0;
    EXPECT_FALSE(DoParametricSolid(p, w, plan, curves, dir.string(), m));
    EXPECT_EQ(m.texts(), std::vector<std::string>{"Invalid entry height"});
    EXPECT_EQ(readLines(dir / "SF-width-Solid.txt").size(), 1u);
    EXPECT_FALSE(DoParametricPartial(p, w, plan, curves, dir.string(), m));
    EXPECT_FALSE(fs::exists(dir / "SF-width-Partial.txt"));

    ASSERT_TRUE(DoParametricSolid(WorkedExample(), w, plan, curves, dir.string(), m));
    EXPECT_EQ(readLines(dir / "SF-width-Solid.txt").size(), 693u);
}

TEST_F(StudyTest, OverflowingFactorsAbandonTheStudyWithoutAFile) {
    ProjectRecord p = WorkedExample();
    p.CoalStrength = 3e38f;
    try {
        DoParametricSolid(p, w, plan, curves, dir.string(), m);
        ADD_FAILURE() << "no error";
    } catch (const KoraError& e) {
        EXPECT_EQ(e.number(), err::Overflow);
    }
    EXPECT_FALSE(fs::exists(dir / "SF-width-Solid.txt"));
}

TEST_F(StudyTest, UnwritableFolderIsAnErrorForTheCommandHandler) {
    std::string path = "unchanged";
    try {
        DoParametricSolid(WorkedExample(), w, plan, curves, (dir / "no such folder").string(), m,
                          &path);
        ADD_FAILURE() << "no error";
    } catch (const KoraError& e) {
        EXPECT_EQ(e.number(), err::PathNotFound);
        EXPECT_EQ(HandleError(m, e), errorAnswer::Terminated);
        EXPECT_EQ(m.texts().back(), "Error occurred: Path not found (76). Procedure Terminated");
    }
    EXPECT_EQ(path, "unchanged");
}

} // namespace
} // namespace kora
