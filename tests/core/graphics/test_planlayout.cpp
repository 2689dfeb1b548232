#include "core/graphics/planlayout.h"
#include "core/model/plangeometry.h"
#include "core/model/projectrecord.h"
#include "core/model/unitsystems.h"
#include "testprojects.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace kora {
namespace {

constexpr float NaN = std::numeric_limits<float>::quiet_NaN();
constexpr float Inf = std::numeric_limits<float>::infinity();

using test::ThreeEntryPlan;
constexpr auto advanced = test::AngledThreeEntryPlan;

int drawnCount(const PlanLayout& l) {
    int n = 0;
    for (int i = 1; i <= 5; ++i)
        for (int j = 1; j <= 10; ++j) n += l.PillarDrawn[i][j];
    return n;
}

TEST(PlanLayoutTest, ModeFollowsTheFlagInTheDialogAndTheLastCalculationInTheResults) {
    struct Case {
        int fromResults, advCalc, advGeometry, mode;
    };
    // The last two rows: damaged flags.
    // clang-format off
    const Case cases[] = {
        {0, 0, 0, 0}, {0, 0, 1, 1}, {0, 1, 0, 0}, {0, 1, 1, 1}, {2, 1, 1, 1}, {1, 1, 0, 1},
        {1, 1, 1, 1}, {1, 0, 1, 2}, {1, 0, 0, 0}, {0, 0, 2, 0}, {1, 0, -1, 0}};
    // clang-format on
    for (const Case& c : cases)
        EXPECT_EQ(PlanLayoutMode(c.fromResults, c.advCalc, c.advGeometry), c.mode)
            << c.fromResults << c.advCalc << c.advGeometry;
}

TEST(PlanLayoutTest, DegenerateGeometryIsNotDrawable) {
    struct Case {
        int mode;
        void (*spoil)(PlanGeometry&);
    };
    using G = PlanGeometry&;
    // clang-format off
    const Case cases[] = {
        {0, [](G g) { g.PlanEntries = 0; }}, {0, [](G g) { g.PlanEntries = 1; }},
        {1, [](G g) { g.PlanEntries = -3; }}, {0, [](G g) { g.PlanEntries = 7; }},
        {1, [](G g) { g.PlanEntries = 32767; }}, {0, [](G g) { g.PlanCenterDistance.fill(0); }},
        {0, [](G g) { g.PlanCenterDistance[1] = -100; }}, {0, [](G g) { g.PlanXcutSpacing = 0; }},
        {1, [](G g) { g.DrawXcutSpacing[2] = 0; }}, {0, [](G g) { g.PlanEntryWidth = NaN; }},
        {1, [](G g) { g.DrawXcutAngle[1] = NaN; }}, {0, [](G g) { g.PlanCenterDistance[2] = Inf; }},
        {0, [](G g) { g.PlanXcutSpacing = Inf; }}};
    // clang-format on
    for (std::size_t k = 0; k < std::size(cases); ++k) {
        PlanGeometry g = advanced(60, 60);
        cases[k].spoil(g);
        for (bool planWindow : {true, false}) {
            PlanLayout l;
            ASSERT_TRUE(ComputePlanLayout(advanced(60, 60), 1, true, l)); // a stale valid plan
            bool drawable = true;
            ASSERT_NO_THROW(drawable = ComputePlanLayout(g, cases[k].mode, planWindow, l)) << k;
            EXPECT_FALSE(drawable || PlanDrawable(l)) << k;
            EXPECT_EQ(l.PlotW + l.PlotH, 0) << k;
            EXPECT_EQ(drawnCount(l), 0) << k;
        }
    }
}

// The turned pillar's dimensions are fixed by the label texts.
TEST(PillarLabelTest, DimensionsTextsAndAngles) {
    PlanLabelValues v;
    v.UnitStrengthOut[2] = 1234.4f;
    v.UnitStrengthROut[2] = 987.5f;
    v.CapacityOut[2] = 29200000;
    v.CapacityROut[2] = 1234567.6f;
    const PlanGeometry g = ThreeEntryPlan();
    PlanLayout l;
    ASSERT_TRUE(ComputePlanLayout(g, 0, true, l));
    const std::pair<int, const char*> texts[] = {{1, "70x80"},      {2, "1,234"},     {3, "988"},
                                                 {4, "29,200,000"}, {5, "1,234,568"}, {0, "70x80"}};
    for (const auto& [labelMode, text] : texts)
        EXPECT_EQ(PillarLabelText(labelMode, g, 0, l, v, 2, 4), text) << labelMode;
    EXPECT_EQ(PillarLabelText(9, g, 0, l, v, 1, 4), "60x80");

    // Advanced layout: the turned dimensions, smaller first; with square crosscuts the drawn
    // rectangle.
    PlanGeometry turned = ThreeEntryPlan();
    turned.PlanCenterDistance[1] = 120;
    turned.DrawXcutAngle[1] = 60;
    turned.DrawXcutSpacing[1] = 60;
    turned.DrawXcutAngle[2] = 90;
    turned.DrawXcutSpacing[2] = 100;
    ASSERT_TRUE(ComputePlanLayout(turned, 1, true, l));
    EXPECT_EQ(PillarLabelText(1, turned, 1, l, v, 1, 4), "32x115");
    EXPECT_EQ(PillarLabelText(1, turned, 1, l, v, 2, 4), "70x80");
    ASSERT_TRUE(ComputePlanLayout(turned, 2, true, l));
    EXPECT_EQ(PillarLabelText(1, turned, 2, l, v, 1, 4), "100x80");

    const PlanGeometry angled = advanced(60, 0);
    EXPECT_EQ(PillarLabelAngle(angled, 0, 1), 45);
    EXPECT_EQ(PillarLabelAngle(angled, 1, 1), 30);
    EXPECT_EQ(PillarLabelAngle(angled, 2, 1), 30);
    EXPECT_EQ(PillarLabelAngle(angled, 1, 2), 0); // square crosscut
}

// The plan window's caption; the dimension caption in feet and the (R) capacity caption in kN
// are fixed by the drawing tests.
TEST(PlanCaptionTest, TitlesAndUnitLabels) {
    struct Case {
        int labelMode, units, strUnits, gradUnits;
        const char* title;
    };
    // clang-format off
    const Case cases[] = {
        {2, 0, 0, 0, "Unit Pillar Strength (psi)"}, {2, 0, 1, 0, "Unit Pillar Strength (psf)"},
        {2, 1, 0, 1, "Unit Pillar Strength (kPa)"},
        {3, 0, 1, 0, "Unit Pillar Strength (R) (psf)"},
        {4, 0, 1, 1, "Pillar Load Bearing Capacity (tons)/ (ft)"},
        {5, 0, 0, 1, "Pillar Load Bearing Capacity (R) (tons)/ (ft)"},
        {1, 3, 0, 0, "Actual Pillar Dimensions (width*length, "}};
    // clang-format on
    for (const Case& c : cases)
        EXPECT_EQ(PlanCaption(c.labelMode, c.units, c.strUnits, c.gradUnits),
                  std::string("KORA: ") + c.title + ".  Entries shown from left to right.")
            << c.labelMode << c.units << c.strUnits << c.gradUnits;
}

// The plan gets only the pillar columns of the project's entries; a damaged entry count never
// reaches beyond the five columns. (The copied geometry itself is checked by the calculation
// and output command tests.)
TEST(CopyPlanGeometryTest, CopiesTheShownColumnsOnly) {
    const std::pair<std::int16_t, int> cases[] = {{3, 2}, {7, 5}, {32767, 5}, {1, 0}, {-4, 0}};
    for (const auto& [entries, columns] : cases) {
        ProjectRecord p = test::WithAngles(ProjectRecord{}, {51, 52, 53, 54, 55}, {1, 2, 3, 4, 5});
        p.NumEntries = entries;
        for (int i = 1; i <= 5; ++i) p.CenterDistance[i] = 70.0f + float(i);
        PlanGeometry g;
        ASSERT_NO_THROW(CopyPlanGeometry(p, g)) << entries;
        EXPECT_EQ(g.PlanEntries, entries);
        for (int i = 1; i <= 5; ++i) {
            EXPECT_EQ(g.PlanCenterDistance[i], i <= columns ? 70 + i : 0) << entries;
            EXPECT_EQ(g.DrawXcutAngle[i], i <= columns ? 50 + i : 0) << entries;
            EXPECT_EQ(g.DrawXcutSpacing[i], i <= columns ? i : 0) << entries;
        }
    }
}

} // namespace
} // namespace kora
