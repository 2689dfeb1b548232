#include "core/model/plangeometry.h"
#include "core/model/projectrecord.h"

#include <gtest/gtest.h>

namespace kora {
namespace {

ProjectRecord geometryProject(std::int16_t entries) {
    ProjectRecord p;
    p.EntryHeight = 7.5f;
    p.PanelWidth = 1000;
    p.DepthOfCover = 650;
    p.EntryWidth = 20;
    p.CrosscutSpacing = 100;
    p.NumEntries = entries;
    p.AdvGeometry = 1;
    for (int i = 1; i <= 5; ++i) {
        p.CenterDistance[i] = 70.5f + float(i);
        p.XcutAngle[i] = 50.25f + float(i);
        p.XcutSpacing[i] = 110.5f + float(i);
    }
    return p;
}

TEST(CopyPlanGeometryTest, CopiesScalarsAndTheShownColumnsOnly) {
    struct Case {
        std::int16_t entries;
        int columnsCopied;
    };
    const Case cases[] = {{2, 1}, {3, 2}, {6, 5}, {7, 5}, {32767, 5}, {1, 0}, {0, 0}, {-4, 0}};
    for (const Case& c : cases) {
        const ProjectRecord p = geometryProject(c.entries);
        PlanGeometry g;
        g.PlanCenterDistance.fill(-1);
        g.DrawXcutAngle.fill(-2);
        g.DrawXcutSpacing.fill(-3);
        ASSERT_NO_THROW(CopyPlanGeometry(p, g)) << c.entries;

        EXPECT_EQ(g.EntryHeight, 7.5f);
        EXPECT_EQ(g.PanelWidth, 1000);
        EXPECT_EQ(g.DepthOfCover, 650);
        EXPECT_EQ(g.PlanEntryWidth, 20);
        EXPECT_EQ(g.PlanXcutSpacing, 100);
        EXPECT_EQ(g.PlanEntries, c.entries);
        EXPECT_EQ(g.PlanAdvGeometry, 1);
        for (int i = 1; i <= 5; ++i) {
            const bool copied = i <= c.columnsCopied;
            EXPECT_EQ(g.PlanCenterDistance[i], copied ? p.CenterDistance[i] : -1) << c.entries << i;
            EXPECT_EQ(g.DrawXcutAngle[i], copied ? p.XcutAngle[i] : -2) << c.entries << i;
            EXPECT_EQ(g.DrawXcutSpacing[i], copied ? p.XcutSpacing[i] : -3) << c.entries << i;
        }
    }
}

} // namespace
} // namespace kora
