#include "core/engine/analysis.h"
#include "core/engine/kernel.h"
#include "core/engine/sweeps.h"
#include "golden.h"
#include "testprojects.h"
#include "thrown.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace kora {
namespace {

namespace fs = std::filesystem;
using test::MetricExample;
using test::Split;
using test::WorkedExample;

// What a sweep or study command touches, and the lines of the study file it wrote.
struct Sweep {
    test::TempFolder dir;
    WorkingSet w;
    PlanGeometry plan;
    GraphCurves curves;
    test::ScriptedMessenger m;

    bool chart(int index, const ProjectRecord& p) {
        return ChartSweep(index, p, w, plan, curves, m);
    }
    bool solid(const ProjectRecord& p) {
        return DoParametricSolid(p, w, plan, curves, dir.folder(), m);
    }
    bool partial(const ProjectRecord& p, StudyOutcome* outcome = nullptr) {
        return DoParametricPartial(p, w, plan, curves, dir.folder(), m, outcome);
    }
    std::vector<std::string> lines(const char* file) const {
        const std::string text = test::ReadBytes(dir.file(file));
        EXPECT_TRUE(text.empty() || text.ends_with("\r\n"));
        return Split(text, "\r\n");
    }
};

TEST(ChartSweepTest, FromHalfToOneAndAHalfTimesTheValue) {
    const ProjectRecord p = WorkedExample();
    Sweep s;
    ASSERT_TRUE(s.chart(1, p));
    EXPECT_TRUE(s.m.boxes.empty());
    EXPECT_EQ(s.curves.rows(), 12);
    ASSERT_EQ(s.curves.NumGraphPoints, 11);
    for (int pt = 1; pt <= 11; ++pt) {
        EXPECT_EQ(s.curves.CurvesClassic(0, pt), 400 + 100 * pt);
        EXPECT_EQ(s.curves.CurvesClassic(5, pt), 0); // isolated loading only in the height sweep
    }
    // The point at the project's own depth is the project's standard analysis, the isolated
    // factors included (they are kept for every kind of sweep: the five-curve chart shows them).
    test::EngineRun r;
    ASSERT_TRUE(r.run(OutputCommand::Standard, p));
    for (int k = 1; k <= 4; ++k) {
        EXPECT_EQ(s.curves.CurvesClassic(k, 6), r.w.SFClassic[k]) << k;
        EXPECT_EQ(s.curves.CurvesR(k, 6), r.w.SFRevised[k]) << k;
    }
    EXPECT_EQ(s.curves.IsolatedClassic(6) + s.curves.IsolatedR(6),
              r.w.SFClassic[5] + r.w.SFRevised[5]);

    // Each index sweeps its quantity from half the project value in tenths, in the project unit.
    const float values[] = {3, 300, 300, 30};
    for (int index = 0; index < 4; ++index) {
        Sweep metric;
        ASSERT_TRUE(metric.chart(index, MetricExample()));
        const GraphCurves& c = metric.curves;
        for (int pt : {1, 10})
            EXPECT_NEAR(c.CurvesClassic(0, pt), (0.4 + 0.1 * pt) * values[index],
                        1e-4 * values[index]);
        EXPECT_EQ(c.CurvesClassic(5, 1) > 0, index == 0) << index;
        EXPECT_NE(c.CurvesClassic(2, 1), c.CurvesClassic(2, 10)) << index;
    }
}

// A refused project and absurd inputs end in one message, never in a chart of infinities or in a
// sweep that cannot end, and leave the curves.
TEST(ChartSweepTest, RefusedAndOverflowingProjectsLeaveTheCurves) {
    const std::string overflow = "Error occurred: Overflow (6). Procedure Terminated";
    struct Case {
        int index;
        void (*spoil)(ProjectRecord&);
        std::string message;
    };
    using P = ProjectRecord&;
    // The Metric depth is beyond single precision only once in feet.
    // clang-format off
    const Case cases[] = {
        {0, [](P p) { p.CenterDistance[2] = 0; }, "Invalid center-to-center distance #2"},
        {0, [](P p) { p.CenterDistance[1] = 3e38f; }, overflow},
        {1, [](P p) { p.DepthOfCover = 3e38f; }, overflow},
        {1, [](P p) { p.UnitSystem = Metric, p.DepthOfCover = 3e38f; }, overflow},
        {3, [](P p) { p.CoalStrength = 3e38f; }, overflow}};
    // clang-format on
    for (const Case& c : cases) {
        ProjectRecord p = WorkedExample();
        c.spoil(p);
        Sweep s;
        s.curves.Recreate(2);
        s.curves.CurvesClassic(1, 1) = 4.5f;
        EXPECT_FALSE(s.chart(c.index, p)) << c.message;
        EXPECT_EQ(s.m.texts(), std::vector<std::string>{c.message});
        EXPECT_EQ(s.curves.rows(), 2);
        EXPECT_EQ(s.curves.CurvesClassic(1, 1), 4.5f);
    }
}

TEST(StudyTest, LineFields) {
    EXPECT_EQ(StudyLine(200, 40, 0.85f, 1.234567f, 80, 50),
              " 200 \t 40 \t .85 \t 1.234567 \t 80 \t50.0\r\n");
    EXPECT_EQ(StudyLine(725, -0.5f, 12.5f, 0, 5000, 33.649),
              " 725 \t-.5 \t 12.5 \t 0 \t 5000 \t33.6\r\n");
    EXPECT_EQ(StudyLine(200, 40.31496f, 1e-8f, 3, 80, 999),
              " 200 \t 40.31496 \t 1E-08 \t 3 \t 80 \t999.0\r\n");
}

// The whole study of the worked example is kept in golden/study/solid_worked.txt: 33 centre
// distances from 60 ft, 21 depths each from 200 to 700 ft; without crosscuts (5000 ft) C = 60 ft,
// e = 2 has a system width of 40 ft and an extraction of (1 - 40 x 4980 / (5000 x 60)) = 33.6 %.
TEST(StudyTest, SolidStudy) {
    Sweep s;
    StudyOutcome written;
    ASSERT_TRUE(
        DoParametricSolid(WorkedExample(), s.w, s.plan, s.curves, s.dir.folder(), s.m, &written));
    EXPECT_EQ(written.path + written.skipped, s.dir.file("SF-width-Solid.txt"));
    test::ExpectGolden("study/solid_worked.txt", test::ReadBytes(written.path));
    // The curves keep the last depth sweep.
    EXPECT_EQ(s.curves.NumGraphPoints, 21);
    EXPECT_EQ(s.curves.CurvesClassic(0, 21), 700);
    // A Metric project writes feet; its curves show metres.
    ASSERT_TRUE(s.solid(MetricExample()));
    EXPECT_EQ(Split(s.lines("SF-width-Solid.txt").at(0), "\t").at(1), " 40.31496 "); // 60 ft - 6 m
    EXPECT_NEAR(s.curves.CurvesClassic(0, 1), 200 / FeetPerMetre, 1e-4);
}

TEST(StudyTest, PartialStudy) {
    ProjectRecord p = WorkedExample();
    p.NumEntries = 4;
    p.CenterDistance[3] = 100;
    Sweep s;
    ASSERT_TRUE(s.partial(p));
    const auto lines = s.lines("SF-width-Partial.txt");
    ASSERT_EQ(lines.size(), 221u * 3u * 13u);
    // C = 60 ft with 20 ft entries: crosscuts at 40 x 20 / 10 = 80 ft; extraction
    // (1 - 40 x 60 / (80 x 60)) x 100 = 50 %. Then e = 3 and e = 4 at the same centre distance:
    // only B changes. C = 62: (42 x 20) / 11. Three pillar columns take part in every analysis.
    EXPECT_EQ(lines[0], " 200 \t 40 \t 2.916197 \t 3.252681 \t 80 \t50.0");
    EXPECT_EQ(lines[13], " 200 \t 100 \t 2.916197 \t 3.252681 \t 80 \t50.0");
    EXPECT_EQ(lines[26], " 200 \t 160 \t 2.916197 \t 3.252681 \t 80 \t50.0");
    EXPECT_EQ(lines[39], " 200 \t 42 \t 3.046525 \t 3.319266 \t 76.36364 \t50.0");
    EXPECT_EQ(s.curves.NumGraphPoints, 13);
    EXPECT_EQ(s.w.WkNumEntries, 4);

    // Centre distances without a positive crosscut spacing (0.5 C <= entry width) are skipped, with
    // a note in the history and the outcome; with none left the study is refused.
    struct Case {
        float entryWidth;
        std::size_t centres;
        std::string note;
    };
    const std::string why = " ft) skipped: no crosscut spacing follows unless half the centre "
                            "distance exceeds the entry width (";
    const Case cases[] = {
        {30, 220, "Partial study: 1 of 221 centre distances (60" + why + "30 ft)"},
        {35, 215, "Partial study: 6 of 221 centre distances (60 to 70" + why + "35 ft)"},
        {250, 0,
         "Message: Partial study not written: no centre distance from 60 to 500 ft is more than "
         "twice the entry width (250 ft)"}};
    for (const Case& c : cases) {
        p = WorkedExample();
        p.EntryWidth = c.entryWidth;
        p.CenterDistance[1] = p.CenterDistance[2] = p.CrosscutSpacing = 600;
        s.m.history = {""};
        StudyOutcome written;
        fs::remove(s.dir.file("SF-width-Partial.txt"));
        EXPECT_EQ(s.partial(p, &written), c.centres > 0);
        EXPECT_EQ(s.m.history.back(), c.note);
        EXPECT_EQ(written.skipped, c.centres > 0 ? c.note : "");
        const auto wide = s.lines("SF-width-Partial.txt");
        EXPECT_EQ(wide.size(), c.centres * 2 * 13) << c.entryWidth;
        for (const auto& line : wide) EXPECT_GT(std::stod(Split(line, "\t").at(4)), 0) << line;
    }
}

TEST(StudyTest, RefusedOverflowingAndUnwritableStudiesLeaveNoNewFile) {
    Sweep s;
    s.dir.write("SF-width-Solid.txt", "an older study\r\n");
    ProjectRecord p = WorkedExample();
    p.EntryHeight = 0;
    EXPECT_FALSE(s.solid(p));
    EXPECT_EQ(s.m.texts(), std::vector<std::string>{"Invalid entry height"});
    EXPECT_FALSE(s.partial(p));
    EXPECT_FALSE(fs::exists(s.dir.file("SF-width-Partial.txt")));
    p = WorkedExample();
    p.CoalStrength = 3e38f; // the project is refused as a calculation refuses it
    EXPECT_FALSE(s.solid(p));
    EXPECT_EQ(s.m.texts().back(), "Error occurred: Overflow (6). Procedure Terminated");
    EXPECT_EQ(s.lines("SF-width-Solid.txt"), std::vector<std::string>{"an older study"});

    StudyOutcome written{"unchanged", ""};
    const test::Thrown e = test::ThrownBy([&] {
        DoParametricSolid(WorkedExample(), s.w, s.plan, s.curves, s.dir.file("none"), s.m,
                          &written);
    });
    EXPECT_EQ(e.number, err::PathNotFound);
    EXPECT_EQ(e.description, "Path not found");
    EXPECT_EQ(written.path, "unchanged");
    ASSERT_TRUE(s.solid(WorkedExample()));
    EXPECT_EQ(s.lines("SF-width-Solid.txt").size(), 693u); // an older file is replaced
}

} // namespace
} // namespace kora
