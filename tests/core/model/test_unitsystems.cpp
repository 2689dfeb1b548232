#include "core/model/projectrecord.h"
#include "core/model/unitsystems.h"

#include <gtest/gtest.h>

namespace kora {
namespace {

TEST(UnitLabelTest, Table) {
    const char* english[] = {" (ft)",      " (psi)",  " (pcf)",  " (in)",      " (psf)",
                             " (lbs)",     " (tons)", " (ft)",   " (ksi)",     " (tons)",
                             " (tons/ft)", " (in)",   " (tons)", " (tons/ft)", " (million psi)"};
    const char* metric[] = {" (m)",    " (MPa)", " (kN/m3)", " (cm)",   " (kPa)",
                            " (kN)",   " (tn)",  " (cm)",    " (MPa)",  " (MN)",
                            " (MN/m)", " (mm)",  " (kN)",    " (kN/m)", " (GPa)"};
    for (int k = 0; k < 15; ++k) {
        EXPECT_EQ(UnitLabel(English, k), english[k]) << k;
        EXPECT_EQ(UnitLabel(Metric, k), metric[k]) << k;
        EXPECT_EQ(UnitLabel(2, k), "");
        EXPECT_EQ(UnitLabel(3, k), "");
    }
    EXPECT_EQ(UnitLabel(0, 15), "");
    EXPECT_EQ(UnitLabel(-1, 0), "");
    EXPECT_EQ(std::string("Entry Height") + UnitLabel(English, unit::Length), "Entry Height (ft)");
    EXPECT_EQ(std::string("Entry Height") + UnitLabel(Metric, unit::Length), "Entry Height (m)");
}

TEST(UnitSystemNameTest, NamesAndModes) {
    EXPECT_EQ(UnitSystemName(0), "ft, in, lbs, psi, pcf");
    EXPECT_EQ(UnitSystemName(1), "m, cm, kN, MPa, kN/m3");
    EXPECT_EQ(ConfigModeName(0), "Equal Sized Pillars");
    EXPECT_EQ(ConfigModeName(1), "Yield Abutment");
    EXPECT_EQ(ConfigModeName(2), "Yield Abutment Yield");
    EXPECT_EQ(ConfigModeName(3), "2 Entry");
    EXPECT_EQ(ConfigModeName(4), "");
}

TEST(DefaultsTest, EnglishAndMetric) {
    ProjectRecord p;
    p.EntryHeight = 9;
    p.CenterDistance[3] = 70;
    p.UseCMRR = 1;
    SetDefaultInputs(p);
    EXPECT_EQ(p.EntryHeight, 0);
    EXPECT_EQ(p.CenterDistance[3], 0);
    EXPECT_EQ(p.NumEntries, 2);
    EXPECT_EQ(p.CoalStrength, 900);
    EXPECT_EQ(p.AbutmentAngle, 21);
    EXPECT_EQ(p.UnitWeight, 162);
    EXPECT_EQ(p.CMRRValue, 35);
    EXPECT_EQ(p.HeadgateSF, 1.3f);
    EXPECT_EQ(p.UseCMRR, 1); // a new project keeps the CMRR choice

    p.UnitSystem = Metric;
    SetDefaultInputs(p);
    EXPECT_NEAR(p.CoalStrength, 6.2053, 1e-4);
    EXPECT_EQ(p.CoalStrength, static_cast<float>(900 / 145.0377));
    EXPECT_NEAR(p.UnitWeight, 25.4465, 1e-4);
    EXPECT_EQ(p.UnitWeight, static_cast<float>(162 / 6.3663022639200495));
}

} // namespace
} // namespace kora
