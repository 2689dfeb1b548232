#include "core/graphics/plandrawing.h"
#include "golden.h"
#include "testprojects.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

namespace kora {
namespace {

using test::ThreeEntryPlan;
constexpr auto advanced = test::AngledThreeEntryPlan;

// The drawing as text, one line per world size, line (kind x1,y1 x2,y2) and text ("text" kind @x,y
// angle font shift), to 0.01; lines and texts sorted, so that only what is drawn counts.
std::string dump(const PlanDrawing& d) {
    char buf[160];
    std::vector<std::string> rows;
    for (const PlanLine& l : d.Lines) {
        std::snprintf(buf, sizeof buf, "L%d %.2f,%.2f %.2f,%.2f\n", int(l.Kind), l.X1, l.Y1, l.X2,
                      l.Y2);
        rows.push_back(buf);
    }
    for (const PlanText& t : d.Texts) {
        std::snprintf(buf, sizeof buf, "\" T%d @%.2f,%.2f a%g f%d s%d\n", int(t.Kind), t.X, t.Y,
                      t.Angle, int(t.Font), int(t.Shift));
        rows.push_back("T\"" + t.Text + buf);
    }
    std::sort(rows.begin(), rows.end());
    std::snprintf(buf, sizeof buf, "valid %d world %.2f x %.2f\n", int(d.Valid), d.PlotW, d.PlotH);
    std::string text = buf;
    for (const std::string& r : rows) text += r;
    return text;
}

struct DrawingCase {
    const char* name;
    PlanGeometry geometry;
    int mode;
    PlanDrawOptions options;
    PlanLabelValues values;
};

PlanDrawOptions options(int labelMode, bool planWindow, int units) {
    PlanDrawOptions o;
    o.LabelMode = labelMode;
    o.PlanWindowCase = planWindow;
    o.UnitSystem = units;
    return o;
}

PlanLabelValues capacities() {
    PlanLabelValues v;
    v.CapacityROut[1] = 31000000;
    v.CapacityROut[2] = 32500000.4f;
    return v;
}

// Whole drawings kept in golden/plan/<name>.txt: the worked plan in the plan window (dimension
// chains at M / 2, labels at 45 degrees) and in the dialog (outlines only, margin M / 2 of
// M = W / N); angled crosscuts slanting and staggering column by column with each column's
// crosscut dimension at (i / N) M; an angle of 0 drawn as 90; modes 0 and 2 drawing the
// project's crosscut spacing with square crosscuts.
class PlanDrawingGolden : public ::testing::TestWithParam<DrawingCase> {};

TEST_P(PlanDrawingGolden, LinesAndTexts) {
    const DrawingCase& c = GetParam();
    PlanLayout l;
    ASSERT_TRUE(ComputePlanLayout(c.geometry, c.mode, c.options.PlanWindowCase, l));
    const PlanDrawing d = DescribePlan(c.geometry, c.mode, l, c.options, c.values);
    EXPECT_EQ(d.PlotW, l.PlotW);
    test::ExpectGolden(std::string("plan/") + c.name + ".txt", dump(d));
}

INSTANTIATE_TEST_SUITE_P(
    Plans, PlanDrawingGolden,
    ::testing::Values(DrawingCase{"worked_plan_window", ThreeEntryPlan(), 0, {}, {}},
                      DrawingCase{"worked_dialog", ThreeEntryPlan(), 0, options(1, false, 0), {}},
                      DrawingCase{"angled_capacity_metric", advanced(60, 75), 1,
                                  options(5, true, 1), capacities()},
                      DrawingCase{"zero_and_ninety_degrees", advanced(0, 90), 1, {}, {}},
                      DrawingCase{"angled_drawn_square", advanced(60, 70), 2, {}, {}}),
    test::CaseName());

TEST(DescribePlanTest, DimensionOptions) {
    struct Case {
        std::int16_t entryDims, xcutDims;
        std::size_t lines, entryTexts, xcutTexts;
    };
    const Case cases[] = {{0, 1, 41, 0, 4}, {1, 0, 37, 2, 0}, {2, 2, 32, 0, 0}};
    const PlanGeometry g = ThreeEntryPlan();
    PlanLayout l;
    ASSERT_TRUE(ComputePlanLayout(g, 0, true, l));
    for (const Case& c : cases) {
        PlanDrawOptions o;
        o.PlotEntryDims = c.entryDims;
        o.PlotXcutDims = c.xcutDims;
        const PlanDrawing d = DescribePlan(g, 0, l, o, PlanLabelValues{});
        EXPECT_EQ(d.Lines.size(), c.lines) << c.entryDims << c.xcutDims;
        std::size_t entry = 0, xcut = 0;
        for (const PlanText& t : d.Texts) {
            entry += t.Kind == PlanTextKind::EntryDimension;
            xcut += t.Kind == PlanTextKind::CrosscutDimension;
        }
        EXPECT_EQ(entry, c.entryTexts);
        EXPECT_EQ(xcut, c.xcutTexts);
    }
    PlanGeometry one = g; // not drawable: nothing to draw
    one.PlanEntries = 1;
    EXPECT_FALSE(ComputePlanLayout(one, 0, true, l));
    const PlanDrawing d = DescribePlan(one, 0, l, PlanDrawOptions{}, PlanLabelValues{});
    EXPECT_FALSE(d.Valid);
    EXPECT_TRUE(d.Lines.empty() && d.Texts.empty());
}

} // namespace
} // namespace kora
