#include "core/model/unitsystems.h"

#include <gtest/gtest.h>

namespace kora {
namespace {

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
