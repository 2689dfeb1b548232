#include "core/base/koraerror.h"
#include "core/graphics/planlayout.h"
#include "testprojects.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace kora {
namespace {

constexpr double Rad = 3.14159265358979323846 / 180;

using kora::test::ThreeEntryPlan;

PlanGeometry advanced(float angle1, float angle2) {
    PlanGeometry g = ThreeEntryPlan();
    g.PlanAdvGeometry = 1;
    g.DrawXcutAngle[1] = angle1;
    g.DrawXcutAngle[2] = angle2;
    g.DrawXcutSpacing[1] = 100;
    g.DrawXcutSpacing[2] = 120;
    return g;
}

int drawnCount(const PlanLayout& l) {
    int n = 0;
    for (int i = 1; i <= 5; ++i)
        for (int j = 1; j <= 10; ++j) n += l.PillarDrawn[i][j];
    return n;
}

TEST(PlanLayoutModeTest, DialogFollowsFlagResultsFollowLastCalculation) {
    struct Case {
        int fromResults, advCalc, advGeometry, mode;
    };
    const Case cases[] = {
        {0, 0, 0, 0}, {0, 0, 1, 1},  {0, 1, 0, 0}, {0, 1, 1, 1}, {2, 1, 1, 1}, // dialog
        {1, 1, 0, 1}, {1, 1, 1, 1},  {1, 0, 1, 2}, {1, 0, 0, 0},               // results
        {0, 0, 2, 0}, {1, 0, -1, 0},                                           // damaged flags
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PlanLayoutMode(c.fromResults, c.advCalc, c.advGeometry), c.mode)
            << c.fromResults << c.advCalc << c.advGeometry;
    }
}

TEST(PlanLayoutTest, WorkedExampleInThePlanWindow) {
    const PlanGeometry g = ThreeEntryPlan();
    PlanLayout l;
    ASSERT_TRUE(ComputePlanLayout(g, 0, true, l));

    EXPECT_FLOAT_EQ(l.PlotMargin, 85);
    for (int k = 1; k <= 3; ++k) EXPECT_FLOAT_EQ(l.ColumnBase[k], 340.0f / 3);
    EXPECT_NEAR(l.PlotW, 626.6667, 1e-3);
    EXPECT_EQ(l.PlotW, l.PlotH);
    EXPECT_EQ(drawnCount(l), 8);

    struct Column {
        int i;
        float left, right;
    };
    for (const Column c : {Column{1, 105, 165}, Column{2, 185, 255}}) {
        for (int j = 1; j <= 4; ++j) {
            EXPECT_EQ(l.PillarDrawn[c.i][j], 1);
            EXPECT_EQ(l.x1[c.i][j], c.left);
            EXPECT_EQ(l.x2[c.i][j], c.left);
            EXPECT_EQ(l.x3[c.i][j], c.right);
            EXPECT_EQ(l.x4[c.i][j], c.right);
            const double top = 340.0 / 3 + 100 * j;
            EXPECT_NEAR(l.y2[c.i][j], top, 1e-4);
            EXPECT_NEAR(l.y1[c.i][j], top - 80, 1e-4);
            EXPECT_EQ(l.y3[c.i][j], l.y1[c.i][j]);
            EXPECT_EQ(l.y4[c.i][j], l.y2[c.i][j]);
        }
        EXPECT_EQ(l.PillarDrawn[c.i][5], 0);
    }
    EXPECT_EQ(l.PillarDrawn[3][1], 0);
}

TEST(PlanLayoutTest, DialogPictureUsesNarrowMargins) {
    PlanLayout l;
    ASSERT_TRUE(ComputePlanLayout(ThreeEntryPlan(), 0, false, l));
    // M = W / N = 170 / 3, world W = 170 + M, margin M / 2, column base W / (N + 2).
    const double m = 170.0 / 3;
    const double w = 170 + m;
    EXPECT_NEAR(l.PlotMargin, m / 2, 1e-4);
    EXPECT_NEAR(l.ColumnBase[1], w / 5, 1e-4);
    EXPECT_NEAR(l.x1[1][1], m / 2 + 20, 1e-4);
    EXPECT_NEAR(l.x3[2][4], m / 2 + 170, 1e-4);
    EXPECT_NEAR(l.PlotH, 2 * w / 5 + 400, 1e-3); // taller than wide: the world is PlotH square
    EXPECT_EQ(l.PlotW, l.PlotH);
}

TEST(PlanLayoutTest, AngledCrosscutsSlantAndStagger) {
    const PlanGeometry g = advanced(60, 60);
    PlanLayout l;
    ASSERT_TRUE(ComputePlanLayout(g, 1, true, l));

    const double slant = std::tan(30 * Rad);
    const double cut = 20 / std::sin(60 * Rad); // crosscut width along the entry
    EXPECT_NEAR(l.ColumnBase[2] - l.ColumnBase[1], 80 / std::tan(60 * Rad), 1e-4);
    struct Column {
        int i;
        double width, pitch;
    };
    for (const Column c : {Column{1, 60, 100}, Column{2, 70, 120}}) {
        for (int j = 1; j <= 4; ++j) {
            EXPECT_NEAR(l.y2[c.i][j], l.ColumnBase[c.i] + j * c.pitch, 1e-3);
            EXPECT_NEAR(l.y2[c.i][j] - l.y1[c.i][j], c.pitch - cut, 1e-3);
            EXPECT_NEAR(l.y3[c.i][j] - l.y1[c.i][j], c.width * slant, 1e-3);
            EXPECT_NEAR(l.y4[c.i][j] - l.y2[c.i][j], c.width * slant, 1e-3);
        }
    }
    // The world reaches the highest top right corner plus the bottom margin.
    const double top = std::max(l.y4[1][4], l.y4[2][4]);
    EXPECT_NEAR(l.PlotH, top + l.ColumnBase[1], 1e-3);
    EXPECT_EQ(l.PlotW, l.PlotH);
}

TEST(PlanLayoutTest, SquareCrosscutsInAdvancedGeometry) {
    // An angle of 0 stands for 90: no stagger, no slant, a crosscut exactly one entry width wide.
    EXPECT_EQ(SinDeg(0), 1.0);
    EXPECT_NEAR(SinDeg(30), 0.5, 1e-15);
    for (float angle : {0.0f, 90.0f}) {
        PlanLayout l;
        ASSERT_TRUE(ComputePlanLayout(advanced(angle, angle), 1, true, l)) << angle;
        EXPECT_NEAR(l.ColumnBase[2], l.ColumnBase[1], 1e-4) << angle;
        for (int i = 1; i <= 2; ++i) {
            for (int j = 1; j <= 4; ++j) {
                EXPECT_NEAR(l.y3[i][j], l.y1[i][j], 1e-4) << angle;
                EXPECT_NEAR(l.y4[i][j], l.y2[i][j], 1e-4) << angle;
                EXPECT_NEAR(l.y2[i][j] - l.y1[i][j], (i == 1 ? 100 : 120) - 20, 1e-4) << angle;
            }
        }
    }
}

TEST(PlanLayoutTest, UniformModesIgnoreColumnSpacingsAndAngles) {
    // Modes 0 and 2 draw the project's crosscut spacing with square crosscuts.
    for (int mode : {0, 2}) {
        PlanLayout l;
        ASSERT_TRUE(ComputePlanLayout(advanced(60, 70), mode, true, l));
        EXPECT_EQ(l.ColumnBase[2], l.ColumnBase[1]);
        EXPECT_NEAR(l.y2[2][3] - l.y1[2][3], 80, 1e-4);
        EXPECT_EQ(l.y4[2][3], l.y2[2][3]);
    }
}

TEST(PillarPlanDimsTest, WidthIsTheSmallerDimension) {
    struct Case {
        float centre, spacing, angle;
        float width, length;
        bool swapped;
    };
    const double s60 = std::sin(60 * Rad);
    const Case cases[] = {
        {80, 100, 90, 60, 80, false},
        {80, 100, 0, 60, 80, false},
        {80, 100, 60, 60, float(100 - 20 / s60), false},
        {120, 60, 90, 40, 100, true},
        {120, 60, 60, float(s60 * 60 - 20), float(100 / s60), true},
    };
    for (const Case& c : cases) {
        PlanGeometry g;
        g.PlanEntries = 2;
        g.PlanEntryWidth = 20;
        g.PlanCenterDistance[1] = c.centre;
        g.DrawXcutSpacing[1] = c.spacing;
        g.DrawXcutAngle[1] = c.angle;
        const PillarDims d = PillarPlanDims(g, 1);
        EXPECT_NEAR(d.Width, c.width, 1e-4) << c.centre << " " << c.angle;
        EXPECT_NEAR(d.Length, c.length, 1e-4) << c.centre << " " << c.angle;
        EXPECT_EQ(d.Swapped, c.swapped) << c.centre << " " << c.angle;
    }
}

TEST(PillarLabelTest, TextsOfTheFiveLabelModes) {
    PlanLabelValues v;
    v.UnitStrengthOut[2] = 1234.4f;
    v.UnitStrengthROut[2] = 987.5f;
    v.CapacityOut[2] = 29200000;
    v.CapacityROut[2] = 1234567.6f;
    const PlanGeometry g = ThreeEntryPlan();
    PlanLayout l;
    ASSERT_TRUE(ComputePlanLayout(g, 0, true, l));

    struct Case {
        int labelMode, i;
        const char* text;
    };
    const Case cases[] = {{1, 1, "60x80"}, {1, 2, "70x80"},      {2, 2, "1,234"},
                          {3, 2, "988"},   {4, 2, "29,200,000"}, {5, 2, "1,234,568"},
                          {0, 2, "70x80"}, {9, 1, "60x80"}};
    for (const Case& c : cases) {
        EXPECT_EQ(PillarLabelText(c.labelMode, g, 0, l, v, c.i, 4), c.text) << c.labelMode;
    }

    // Advanced layout: the turned dimensions, smaller first.
    PlanGeometry turned = ThreeEntryPlan();
    turned.PlanCenterDistance[1] = 120;
    turned.DrawXcutAngle[1] = 60;
    turned.DrawXcutSpacing[1] = 60;
    turned.DrawXcutAngle[2] = 90;
    turned.DrawXcutSpacing[2] = 100;
    ASSERT_TRUE(ComputePlanLayout(turned, 1, true, l));
    EXPECT_EQ(PillarLabelText(1, turned, 1, l, v, 1, 4), "32x115");
    EXPECT_EQ(PillarLabelText(1, turned, 1, l, v, 2, 4), "70x80");
    // The same geometry drawn with square crosscuts labels the drawn rectangle.
    ASSERT_TRUE(ComputePlanLayout(turned, 2, true, l));
    EXPECT_EQ(PillarLabelText(1, turned, 2, l, v, 1, 4), "100x80");
}

TEST(PillarLabelTest, Angles) {
    const PlanGeometry g = advanced(60, 0);
    EXPECT_EQ(PillarLabelAngle(g, 0, 1), 45);
    EXPECT_EQ(PillarLabelAngle(g, 1, 1), 30);
    EXPECT_EQ(PillarLabelAngle(g, 2, 1), 30);
    EXPECT_EQ(PillarLabelAngle(g, 1, 2), 0); // square crosscut
}

TEST(PlanCaptionTest, TitlesAndUnitLabels) {
    struct Case {
        int labelMode, units, strUnits, gradUnits;
        const char* title;
    };
    const Case cases[] = {
        {1, 0, 0, 0, "Actual Pillar Dimensions (width*length, ft)"},
        {1, 1, 0, 0, "Actual Pillar Dimensions (width*length, m)"},
        {2, 0, 0, 0, "Unit Pillar Strength (psi)"},
        {2, 0, 1, 0, "Unit Pillar Strength (psf)"},
        {2, 1, 0, 1, "Unit Pillar Strength (kPa)"},
        {2, 1, 1, 0, "Unit Pillar Strength (kPa)"},
        {3, 0, 0, 1, "Unit Pillar Strength (R) (psi)"},
        {3, 0, 1, 0, "Unit Pillar Strength (R) (psf)"},
        {3, 1, 0, 0, "Unit Pillar Strength (R) (kPa)"},
        {4, 0, 0, 0, "Pillar Load Bearing Capacity (lbs)/ (ft)"},
        {4, 0, 1, 1, "Pillar Load Bearing Capacity (tons)/ (ft)"},
        {4, 1, 0, 1, "Pillar Load Bearing Capacity (kN)/ (m)"},
        {5, 0, 0, 0, "Pillar Load Bearing Capacity (R) (lbs)/ (ft)"},
        {5, 0, 0, 1, "Pillar Load Bearing Capacity (R) (tons)/ (ft)"},
        {5, 1, 1, 1, "Pillar Load Bearing Capacity (R) (kN)/ (m)"},
        {0, 0, 0, 0, "Actual Pillar Dimensions (width*length, ft)"},
        {1, 3, 0, 0, "Actual Pillar Dimensions (width*length, "},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PlanCaption(c.labelMode, c.units, c.strUnits, c.gradUnits),
                  std::string("KORA: ") + c.title + ".  Entries shown from left to right.")
            << c.labelMode << c.units << c.strUnits << c.gradUnits;
    }
}

TEST(PlanLayoutTest, DegenerateGeometryIsNotDrawable) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    struct Case {
        const char* what;
        int mode;
        PlanGeometry g;
    };
    std::vector<Case> cases;
    auto add = [&](const char* what, int mode, auto change) {
        PlanGeometry g = advanced(60, 60);
        change(g);
        cases.push_back({what, mode, g});
    };
    add("no entries", 0, [](PlanGeometry& g) { g.PlanEntries = 0; });
    add("one entry", 0, [](PlanGeometry& g) { g.PlanEntries = 1; });
    add("negative count", 1, [](PlanGeometry& g) { g.PlanEntries = -3; });
    add("seven entries", 0, [](PlanGeometry& g) { g.PlanEntries = 7; });
    add("huge count", 1, [](PlanGeometry& g) { g.PlanEntries = 32767; });
    add("all distances zero", 0, [](PlanGeometry& g) { g.PlanCenterDistance.fill(0); });
    add("negative width", 0, [](PlanGeometry& g) { g.PlanCenterDistance[1] = -100; });
    add("no crosscut spacing", 0, [](PlanGeometry& g) { g.PlanXcutSpacing = 0; });
    add("no column spacing", 1, [](PlanGeometry& g) { g.DrawXcutSpacing[2] = 0; });
    add("nan entry width", 0, [nan](PlanGeometry& g) { g.PlanEntryWidth = nan; });
    add("nan angle", 1, [nan](PlanGeometry& g) { g.DrawXcutAngle[1] = nan; });
    add("infinite distance", 0, [inf](PlanGeometry& g) { g.PlanCenterDistance[2] = inf; });
    add("infinite spacing", 0, [inf](PlanGeometry& g) { g.PlanXcutSpacing = inf; });

    for (const Case& c : cases) {
        for (bool planWindow : {true, false}) {
            PlanLayout l;
            ASSERT_TRUE(ComputePlanLayout(advanced(60, 60), 1, true, l)); // a stale valid plan
            bool drawable = true;
            ASSERT_NO_THROW(drawable = ComputePlanLayout(c.g, c.mode, planWindow, l)) << c.what;
            EXPECT_FALSE(drawable) << c.what;
            EXPECT_FALSE(PlanDrawable(l)) << c.what;
            EXPECT_EQ(l.PlotW, 0) << c.what;
            EXPECT_EQ(l.PlotH, 0) << c.what;
            EXPECT_EQ(drawnCount(l), 0) << c.what;
        }
    }
}

TEST(PlanLayoutTest, SixEntriesFillEveryColumn) {
    PlanGeometry g;
    g.PlanEntries = 6;
    g.PlanEntryWidth = 18;
    g.PlanXcutSpacing = 90;
    g.PlanCenterDistance.fill(60);
    PlanLayout l;
    ASSERT_TRUE(ComputePlanLayout(g, 0, true, l));
    EXPECT_EQ(drawnCount(l), 20);
    EXPECT_NEAR(l.PlotMargin, 60, 1e-4); // 2 * 300 / 5 halved
    EXPECT_NEAR(l.x3[5][4], 60 + 300, 1e-4);
}

TEST(PlanLayoutTest, CornerIndicesOutsideTheTablesAreRefused) {
    const PlanGeometry g = ThreeEntryPlan();
    PlanLayout l;
    ComputePlanExtents(g, true, l);
    EXPECT_THROW(ComputePillarCorners(g, 0, 6, 1, l), KoraError);
    EXPECT_THROW(ComputePillarCorners(g, 0, 1, 11, l), KoraError);
    EXPECT_THROW(ComputePillarCorners(g, 0, 0, 1, l), KoraError);
    EXPECT_NO_THROW(ComputePillarCorners(g, 0, 2, 10, l));
    EXPECT_NEAR(l.y2[2][10], 340.0 / 3 + 1000, 1e-3);
}

} // namespace
} // namespace kora
