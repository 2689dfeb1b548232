#include "core/base/numberformat.h"
#include "core/engine/sweeps.h"
#include "core/graphics/niceaxis.h"
#include "core/model/chartparams.h"
#include "core/model/plangeometry.h"
#include "core/model/workingset.h"
#include "core/settings/inifile.h"
#include "core/settings/settingsfile.h"
#include "scriptedmessenger.h"
#include "tempfolder.h"
#include "testprojects.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kora {
namespace {

TEST(ChartParamsTest, ResetAndItsRule) {
    ChartParams p;
    p.GraphParamSource = 1;
    p.ShowAllConditions = 1;
    p.GridStyle = 3;
    p.SymbolSize = 17;
    ResetGraphParams(p, Metric);
    EXPECT_EQ(p.XAxisTitle[3], "Crosscut Spacing (m)");
    EXPECT_EQ((std::array{p.GridStyle, p.GraphStyle, p.CurveLegend, p.SymbolSize, p.TitleUnits}),
              (std::array<std::int16_t, 5>{0, 3, 1, 5, 1}));
    // The user's choices of source and curves are no format parameters.
    EXPECT_EQ(p.GraphParamSource, 1);
    EXPECT_EQ(p.ShowAllConditions, 1);

    struct Case {
        const char* title;
        int titleUnits, kind, unitSystem;
        bool reset;
    };
    const Case cases[] = {{"", English, 0, English, true},
                          {"Height", English, 0, Metric, true},
                          {"Height", Metric, 2, Metric, false},
                          {"Height", English, 7, Metric, false}};
    for (const Case& c : cases) {
        ChartParams q;
        q.XAxisTitle.fill(c.title);
        q.TitleUnits = static_cast<std::int16_t>(c.titleUnits);
        EXPECT_EQ(GraphTitlesNeedReset(q, c.kind, c.unitSystem), c.reset) << c.title << c.kind;
    }
}

// The series of a depth sweep of oblong pillars, where the two models differ.
TEST(ChartParamsTest, SeriesOfTheSweepPerModelAndCurveCount) {
    WorkingSet w;
    PlanGeometry plan;
    GraphCurves curves;
    test::ScriptedMessenger m;
    ProjectRecord p = test::WorkedExample();
    p.CrosscutSpacing = 140;
    ASSERT_TRUE(ChartSweep(1, p, w, plan, curves, m));
    const auto classic = ChartSeriesOf(curves, false, DescribedCurves);
    const auto revised = ChartSeriesOf(curves, true, DescribedCurves);
    const auto all = ChartSeriesOf(curves, false, AllConditionCurves);
    ASSERT_EQ(classic.size() + all.size(), 7u);
    EXPECT_EQ(classic[1].label + all[4].label, "Headgate LoadingIsolated");
    EXPECT_EQ(classic[0].x, revised[0].x);
    EXPECT_NE(classic[0].y, revised[0].y);
    // Printed values, not float noise: 0.1f would come back as 0.100000001. The depth sweep
    // leaves column 5 empty, yet the isolated curve has its factors.
    EXPECT_EQ(classic[1].y[0], std::stod(FormatGeneral(curves.CurvesClassic(2, 1))));
    EXPECT_EQ(all[4].y[0], std::stod(FormatGeneral(curves.IsolatedClassic(1))));
    // Colours 0xRRGGBB from the table's values with red in the low byte; isolated loading is not
    // drawn in the bleeder curve's black.
    EXPECT_EQ((std::array{CurveRgb(0), CurveRgb(1), CurveRgb(2), CurveRgb(3), CurveRgb(4)}),
              (std::array<std::uint32_t, 5>{0x0000FF, 0xCD5C5C, 0, 0x006400, 0x800000}));
}

TEST(NiceAxisTest, BoundsOnNiceTicksWithTheDataInside) {
    struct Case {
        double lo, hi;
        double min, max, tick;
        int ticks;
    };
    const Case cases[] = {
        {5, 15, 4, 16, 2, 7},           // entry height 10 ft: the end points stay off the frame
        {500, 1500, 400, 1600, 200, 7}, // depth of cover 1000 ft
        {0.83, 2.61, 0.5, 3, 0.5, 6},   // stability factors
        {0, 2.2, 0, 2.5, 0.5, 6},       // a zero value: no negative axis
        {-1, 1, -1.5, 1.5, 0.5, 7},     // negative values keep their margin
        {2, 2, 1.7, 2.3, 0.1, 7},       // one value: a range around it
        {0, 0, 0, 1.2, 0.2, 7},         // zero alone
        {3, 1, 0, 1, 0.2, 6},           // no values
        {0, INFINITY, 0, 1, 0.2, 6},    // nothing drawable
    };
    for (const Case& c : cases) {
        const AxisScale a = NiceAxis(c.lo, c.hi);
        EXPECT_NEAR(a.min, c.min, 1e-9) << c.lo << ".." << c.hi;
        EXPECT_NEAR(a.max, c.max, 1e-9) << c.lo << ".." << c.hi;
        EXPECT_NEAR(a.tick, c.tick, 1e-9) << c.lo << ".." << c.hi;
        EXPECT_EQ(a.tickCount, c.ticks) << c.lo << ".." << c.hi;
    }
}

// The all-conditions choice lives under a key of its own, which a file whose user never switched
// it on does not get.
TEST(ChartParamsTest, AllConditionsKeyOnlyOnceSwitchedOn) {
    test::TempFolder dir;
    const std::string ini = dir.file("KORA.INI");
    test::ScriptedMessenger m;
    Settings s;
    RecentFiles r;
    ASSERT_TRUE(SaveSettings(s, r, ini, settingsPart::Graph, m));
    EXPECT_FALSE(IniFile(ini).hasKey("Graph", "ShowAllConditions"));
    for (std::int16_t value : {1, 0}) {
        s.ShowAllConditions = value;
        ASSERT_TRUE(SaveSettings(s, r, ini, settingsPart::Graph, m));
        EXPECT_EQ(ReadIniString("Graph", "ShowAllConditions", ini), std::to_string(value));
        Settings back;
        back.ShowAllConditions = 7;
        ReadSettings(back, r, ini, settingsPart::Graph, {}, dir.folder());
        EXPECT_EQ(back.ShowAllConditions, value);
    }
}

} // namespace
} // namespace kora
