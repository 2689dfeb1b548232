#include "core/project/unitconversion.h"

#include "core/model/unitsystems.h"
#include "thrown.h"

#include <gtest/gtest.h>

#include <cfloat>

namespace kora {
namespace {

TEST(Round2Test, TiesGoToTheEvenNeighbour) {
    EXPECT_EQ(Round2(0.125), 0.12);
    EXPECT_EQ(Round2(-0.125), -0.12);
    EXPECT_EQ(Round2(2.675), 2.67); // 2.675 is stored just below the tie
    EXPECT_EQ(Round2(6.20530300), 6.21);
}

TEST(ConvertProjectUnitsTest, ThereAndBackRoundsToHundredths) {
    ProjectRecord p;
    p.ProjectPath = "/home/u/MyTERVA/gate.kor";
    p.ProjectSaved = true;
    p.NumEntries = 3;
    for (int i = 1; i <= 5; ++i) {
        p.CenterDistance[i] = 100;
        p.XcutSpacing[i] = 50;
        p.XcutAngle[i] = 75;
    }
    p.EntryHeight = 10;
    p.DepthOfCover = 20;
    p.PanelWidth = 30;
    p.EntryWidth = 40;
    p.CrosscutSpacing = 50;
    p.YieldPillarWidth = 1000;
    ASSERT_TRUE(ConvertProjectUnits(p, Metric));
    EXPECT_EQ(p.UnitSystem, Metric);
    EXPECT_FALSE(p.ProjectSaved);
    EXPECT_EQ(p.ProjectPath, "/home/u/MyTERVA/Metric_gate.kor");
    EXPECT_EQ(
        (std::vector<float>{p.EntryHeight, p.DepthOfCover, p.PanelWidth, p.EntryWidth,
                            p.CrosscutSpacing, p.YieldPillarWidth, p.CoalStrength, p.UnitWeight}),
        (std::vector<float>{3.05f, 6.10f, 9.14f, 12.19f, 15.24f, 304.8f, 6.21f, 25.45f}));
    // Only the columns in use change; angles, CMRR and factors have no unit.
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(p.CenterDistance[i], i <= 2 ? 30.48f : 100) << i;
        EXPECT_EQ(p.XcutSpacing[i], i <= 2 ? 15.24f : 50) << i;
        EXPECT_EQ(p.XcutAngle[i], 75) << i;
    }
    EXPECT_EQ(p.AbutmentAngle, 21);

    ASSERT_TRUE(ConvertProjectUnits(p, English));
    EXPECT_EQ(p.CoalStrength, 900.68f);
    EXPECT_EQ(p.UnitWeight, 162.02f);
    EXPECT_EQ(p.YieldPillarWidth, 1000.0f);
    EXPECT_EQ(p.ProjectPath, "/home/u/MyTERVA/English_Metric_gate.kor");
}

TEST(ConvertProjectUnitsTest, AValueBeyondTheSingleRangeChangesNothing) {
    ProjectRecord p;
    p.ProjectPath = "gate.kor";
    p.EntryHeight = 10;
    p.PanelWidth = FLT_MAX / 2;
    const test::Thrown e = test::ThrownBy([&] { ConvertProjectUnits(p, English); });
    EXPECT_EQ(e.number, 6);
    EXPECT_EQ(e.description, "Overflow");
    EXPECT_EQ(p.EntryHeight, 10);
    EXPECT_EQ(p.ProjectPath, "gate.kor");
    EXPECT_EQ(p.UnitSystem, English);
    EXPECT_TRUE(ConvertProjectUnits(p, Metric)); // the other direction makes it smaller
}

} // namespace
} // namespace kora
