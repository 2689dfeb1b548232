#pragma once

#include "core/base/unitconstants.h"

#include <string>

namespace kora {

inline constexpr int English = 0;
inline constexpr int Metric = 1;

// Unit label kinds of the label table.
namespace unit {
inline constexpr int Length = 0;
inline constexpr int Stress = 1;
inline constexpr int UnitWeight = 2;
inline constexpr int SmallLength = 3;
inline constexpr int SmallStress = 4;
inline constexpr int Load = 5;
inline constexpr int LoadTons = 6;
} // namespace unit

// The unit suffix, with its leading blank, for a unit system (0..3; only 0 English and 1 Metric
// are filled, 2 and 3 give empty strings) and a kind (0..14). Out-of-range arguments give "".
const std::string& UnitLabel(int system, int kind);

// "ft, in, lbs, psi, pcf" and "m, cm, kN, MPa, kN/m3".
const std::string& UnitSystemName(int system);

// "Equal Sized Pillars", "Yield Abutment", "Yield Abutment Yield", "2 Entry"; "" outside 0..3.
const std::string& ConfigModeName(int mode);

} // namespace kora
