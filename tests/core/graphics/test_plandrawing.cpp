#include "core/graphics/plandrawing.h"
#include "testprojects.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace kora {
namespace {

using test::ThreeEntryPlan;

template <typename T, typename Kind> std::vector<T> ofKind(const std::vector<T>& all, Kind kind) {
    std::vector<T> out;
    std::copy_if(all.begin(), all.end(), std::back_inserter(out),
                 [kind](const T& item) { return item.Kind == kind; });
    return out;
}

bool hasLine(const std::vector<PlanLine>& lines, double x1, double y1, double x2, double y2) {
    return std::any_of(lines.begin(), lines.end(), [&](const PlanLine& l) {
        return std::abs(l.X1 - x1) < 1e-3 && std::abs(l.Y1 - y1) < 1e-3 &&
               std::abs(l.X2 - x2) < 1e-3 && std::abs(l.Y2 - y2) < 1e-3;
    });
}

// A text with its kind, position (to 0.001), angle, font and shift, as one comparable line.
std::string describe(const PlanText& t) {
    char place[96];
    std::snprintf(place, sizeof place, " k%d @%.3f,%.3f a%g f%d s%d", int(t.Kind), t.X, t.Y,
                  t.Angle, int(t.Font), int(t.Shift));
    return t.Text + place;
}

TEST(DescribePlanTest, WorkedExampleInThePlanWindow) {
    const PlanGeometry g = ThreeEntryPlan();
    PlanLayout l;
    ASSERT_TRUE(ComputePlanLayout(g, 0, true, l));
    const PlanDrawing d = DescribePlan(g, 0, l, PlanDrawOptions{}, PlanLabelValues{});
    ASSERT_TRUE(d.Valid);
    EXPECT_EQ(d.PlotW, l.PlotW);
    EXPECT_EQ(d.PlotH, l.PlotH);
    const double base = 340.0 / 3, t = l.PlotW / 75.0;

    // Outlines 1-2, 2-4, 4-3, 3-1 of each of the eight pillars.
    const auto outlines = ofKind(d.Lines, PlanLineKind::Outline);
    EXPECT_EQ(outlines.size(), 32u);
    const double y1 = base + 320, y2 = base + 400;
    EXPECT_TRUE(hasLine(outlines, 185, y1, 185, y2) && hasLine(outlines, 185, y2, 255, y2) &&
                hasLine(outlines, 255, y2, 255, y1) && hasLine(outlines, 255, y1, 185, y1));

    // Entry spacing in row 1 between entry centre lines, half a crosscut spacing below the pillar;
    // crosscut spacing of every row at M / 2, half an entry width below the pillar. The chains
    // share their inner ticks, and both columns share the crosscut dimensions.
    const double ye = base + 20 - 50;
    const auto dims = ofKind(d.Lines, PlanLineKind::Dimension);
    EXPECT_EQ(dims.size(), 6u);
    EXPECT_TRUE(hasLine(dims, 95, ye, 175, ye) && hasLine(dims, 175, ye, 265, ye));
    for (int j = 1; j <= 4; ++j) {
        const double bottom = base + 100 * (j - 1) + 10;
        EXPECT_TRUE(hasLine(dims, 42.5, bottom, 42.5, bottom + 100)) << j;
    }
    const auto ticks = ofKind(d.Lines, PlanLineKind::Tick);
    EXPECT_EQ(ticks.size(), 3u + 5u);
    EXPECT_TRUE(hasLine(ticks, 175, ye - t, 175, ye + t));
    EXPECT_TRUE(hasLine(ticks, 42.5 - t, base + 410, 42.5 + t, base + 410));

    using F = PlanTextFont;
    using S = PlanTextShift;
    using K = PlanTextKind;
    std::vector<PlanText> want = {
        {"80", 135, float(ye), 0, F::Current, S::HalfWidthLeft, K::EntryDimension},
        {"90", 220, float(ye), 0, F::Current, S::HalfWidthLeft, K::EntryDimension},
        {"60x80", 114, float(base + 360), 45, F::RotatedArial, S::None, K::PillarLabel},
        {"70x80", 195.5f, float(base + 360), 45, F::RotatedArial, S::None, K::PillarLabel},
        {"KORA: Actual Pillar Dimensions (width*length, ft).  Entries shown from left to right.",
         10, l.PlotH, 0, F::Current, S::None, K::Caption}};
    for (int j = 0; j < 4; ++j)
        want.push_back({"100", 42.5f, float(base + 100 * j + 60), 90, F::RotatedArial,
                        S::HalfWidthDown, K::CrosscutDimension});
    std::vector<std::string> texts, wanted;
    for (const PlanText& text : d.Texts) texts.push_back(describe(text));
    for (const PlanText& text : want) wanted.push_back(describe(text));
    std::sort(texts.begin(), texts.end());
    std::sort(wanted.begin(), wanted.end());
    EXPECT_EQ(texts, wanted);
}

TEST(DescribePlanTest, DimensionOptionsAndTheDialogPicture) {
    struct Case {
        bool planWindow;
        std::int16_t entryDims, xcutDims;
        std::size_t lines, entryTexts, xcutTexts, labels, captions;
    };
    // clang-format off
    const Case cases[] = {
        {true, 1, 1, 46, 2, 4, 2, 1}, {true, 0, 1, 41, 0, 4, 2, 1}, {true, 1, 0, 37, 2, 0, 2, 1},
        {true, 0, 0, 32, 0, 0, 2, 1}, {true, 2, 2, 32, 0, 0, 2, 1}, {false, 1, 1, 32, 0, 0, 0, 0}};
    // clang-format on
    const PlanGeometry g = ThreeEntryPlan();
    for (const Case& c : cases) {
        PlanLayout l;
        ASSERT_TRUE(ComputePlanLayout(g, 0, c.planWindow, l));
        PlanDrawOptions o;
        o.PlanWindowCase = c.planWindow;
        o.PlotEntryDims = c.entryDims;
        o.PlotXcutDims = c.xcutDims;
        const PlanDrawing d = DescribePlan(g, 0, l, o, PlanLabelValues{});
        EXPECT_EQ(d.Lines.size(), c.lines) << c.planWindow << c.entryDims << c.xcutDims;
        EXPECT_EQ(ofKind(d.Texts, PlanTextKind::EntryDimension).size(), c.entryTexts);
        EXPECT_EQ(ofKind(d.Texts, PlanTextKind::CrosscutDimension).size(), c.xcutTexts);
        EXPECT_EQ(ofKind(d.Texts, PlanTextKind::PillarLabel).size(), c.labels);
        EXPECT_EQ(ofKind(d.Texts, PlanTextKind::Caption).size(), c.captions);
    }
    PlanLayout l; // not drawable: nothing to draw
    PlanGeometry one = g;
    one.PlanEntries = 1;
    EXPECT_FALSE(ComputePlanLayout(one, 0, true, l));
    const PlanDrawing d = DescribePlan(one, 0, l, PlanDrawOptions{}, PlanLabelValues{});
    EXPECT_FALSE(d.Valid);
    EXPECT_TRUE(d.Lines.empty() && d.Texts.empty());
    EXPECT_STREQ(InvalidPlanMessage, "Invalid Pillar Dimensions");
}

TEST(DescribePlanTest, AngledCrosscutsCarryTheirOwnDimensionsAndLabels) {
    PlanGeometry g = ThreeEntryPlan();
    g.PlanAdvGeometry = 1;
    g.DrawXcutAngle[1] = 60;
    g.DrawXcutAngle[2] = 75;
    g.DrawXcutSpacing[1] = 100;
    g.DrawXcutSpacing[2] = 120;
    PlanLayout l;
    ASSERT_TRUE(ComputePlanLayout(g, 1, true, l));
    PlanLabelValues v;
    v.CapacityROut[1] = 31000000;
    v.CapacityROut[2] = 32500000.4f;
    PlanDrawOptions o;
    o.LabelMode = 5;
    o.UnitSystem = 1;
    const PlanDrawing d = DescribePlan(g, 1, l, o, v);

    // Each column's crosscut dimension stands at (i / N) * M with its own pitch.
    const auto xcutTexts = ofKind(d.Texts, PlanTextKind::CrosscutDimension);
    ASSERT_EQ(xcutTexts.size(), 8u);
    for (int j = 0; j < 4; ++j) {
        EXPECT_NEAR(xcutTexts[j].X, l.PlotMargin / 3, 1e-3);
        EXPECT_EQ(xcutTexts[j].Text, "100");
        EXPECT_NEAR(xcutTexts[j].Y, l.y1[1][j + 1] - 10 + 50, 1e-3);
        EXPECT_NEAR(xcutTexts[4 + j].X, 2 * l.PlotMargin / 3, 1e-3);
        EXPECT_EQ(xcutTexts[4 + j].Text, "120");
    }
    // Entry dimensions still sit half the project's crosscut spacing below row 1.
    const auto entryTexts = ofKind(d.Texts, PlanTextKind::EntryDimension);
    ASSERT_EQ(entryTexts.size(), 2u);
    EXPECT_NEAR(entryTexts[1].Y, l.y1[2][1] - 50, 1e-3);

    const auto labels = ofKind(d.Texts, PlanTextKind::PillarLabel);
    ASSERT_EQ(labels.size(), 2u);
    EXPECT_EQ(labels[0].Text + " " + labels[1].Text, "31,000,000 32,500,000");
    EXPECT_NEAR(labels[0].Angle, 30, 1e-5);
    EXPECT_NEAR(labels[1].Angle, 15, 1e-5);
    EXPECT_NEAR(labels[1].Y, l.y1[2][4] + 0.5 * (l.y4[2][4] - l.y1[2][4]), 1e-3);
    EXPECT_EQ(ofKind(d.Texts, PlanTextKind::Caption).at(0).Text,
              "KORA: Pillar Load Bearing Capacity (R) (kN)/ (m).  Entries shown from left to "
              "right.");
}

} // namespace
} // namespace kora
