#pragma once

#include "core/model/projectrecord.h"

namespace kora {

// Converts the project in memory into the target unit system (0 English, 1 Metric): every length
// (factor 3.280839895013123 ft per m), the coal strength (145.0377 psi per MPa) and the unit
// weight (6.3663022639200495 pcf per kN/m3) are multiplied (target English) or divided (target
// Metric) and rounded to 2 decimals, a tie going to the even neighbour; the current unit system
// is not consulted. Only the pillar columns in use are converted. The file name gets "English_"
// or "Metric_" in front, in the same folder, and the project is marked unsaved. Writes no file.
// A value whose conversion would not fit a single raises KoraError 6 "Overflow" before anything
// is changed, so a project is never left half converted. Returns true.
bool ConvertProjectUnits(ProjectRecord& p, int targetUnits);

// x rounded to 2 decimals, a tie going to the even neighbour, judged on the exact double value.
double Round2(double x);

} // namespace kora
