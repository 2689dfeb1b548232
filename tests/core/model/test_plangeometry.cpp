#include "core/model/plangeometry.h"
#include "core/model/projectrecord.h"

#include <gtest/gtest.h>
#include "core/model/unitsystems.h"

namespace kora {
namespace {

// The plan gets only the pillar columns of the project's entries; a damaged entry count never
// reaches beyond the five columns. (The copied geometry itself is checked by the calculation
// and output command tests.)
TEST(CopyPlanGeometryTest, CopiesScalarsAndTheShownColumnsOnly) {
    const std::pair<std::int16_t, int> cases[] = {{2, 1},     {3, 2}, {6, 5}, {7, 5},
                                                  {32767, 5}, {1, 0}, {-4, 0}};
    for (const auto& [entries, columns] : cases) {
        ProjectRecord p;
        p.NumEntries = entries;
        for (int i = 1; i <= 5; ++i) {
            p.CenterDistance[i] = 70.5f + float(i);
            p.XcutAngle[i] = 50.25f + float(i);
            p.XcutSpacing[i] = 110.5f + float(i);
        }
        PlanGeometry g;
        g.PlanCenterDistance.fill(-1);
        g.DrawXcutAngle.fill(-2);
        g.DrawXcutSpacing.fill(-3);
        ASSERT_NO_THROW(CopyPlanGeometry(p, g)) << entries;
        EXPECT_EQ(g.PlanEntries, entries);
        for (int i = 1; i <= 5; ++i) {
            const bool copied = i <= columns;
            EXPECT_EQ(g.PlanCenterDistance[i], copied ? p.CenterDistance[i] : -1) << entries;
            EXPECT_EQ(g.DrawXcutAngle[i], copied ? p.XcutAngle[i] : -2) << entries;
            EXPECT_EQ(g.DrawXcutSpacing[i], copied ? p.XcutSpacing[i] : -3) << entries;
        }
    }
}

// The labels themselves are fixed by the reports that print them; outside the table there is
// no label rather than a read beyond it.
TEST(UnitLabelTest, OutsideTheTableIsEmpty) {
    EXPECT_EQ(UnitLabel(English, unit::Length) + UnitLabel(Metric, unit::Length), " (ft) (m)");
    for (const auto& [system, kind] : {std::pair{2, 0}, {3, 14}, {0, 15}, {-1, 0}, {1, -1}})
        EXPECT_EQ(UnitLabel(system, kind), "") << system << " " << kind;
    EXPECT_EQ(UnitSystemName(0), "ft, in, lbs, psi, pcf");
    EXPECT_EQ(UnitSystemName(1), "m, cm, kN, MPa, kN/m3");
    EXPECT_EQ(ConfigModeName(4), "");
}

} // namespace
} // namespace kora
