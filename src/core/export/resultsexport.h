#pragma once

#include "core/engine/calculation.h"
#include "core/model/graphcurves.h"
#include "core/model/projectrecord.h"
#include "core/model/settings.h"
#include "core/model/workingset.h"

#include <string>

namespace kora {

// The numbers behind the report of a calculation, as JSON (one object, two-space indents, LF
// line ends): the inputs in the project's units, the stability factors of both models for the
// five loading conditions (stability factor commands) or the required factors and sized pillar
// dimensions (sizing), and per pillar column its width, length, width/height ratio, unit
// strength, capacity and the loading of page 4, the total capacities and the design loads, in
// the units the report prints, each unit named in "units". The values are the calculation's own,
// unrounded; printed with the report's patterns they give the report's text. `w` holds the
// results of `command` as RunAnalysis and ReportLoadCapacity left them.
std::string ReportJson(OutputCommand command, const ProjectRecord& p, const WorkingSet& w,
                       const ReportOptions& options);

// The points of a chart sweep (index 0 entry height, 1 depth of cover, 2 panel width, 3 crosscut
// spacing) as CSV: a header line, then per point x and the five Classic and five (R) stability
// factors in the general form, separated by commas, LF line ends. The isolated-loading columns
// are filled by the entry-height sweep only, as in the chart.
std::string GraphCsv(const GraphCurves& curves, int index, const ProjectRecord& p);

// The same points as JSON: the swept quantity and its unit, and per point x with the factors of
// both models by loading condition (isolated loading only for the entry-height sweep).
std::string GraphJson(const GraphCurves& curves, int index, const ProjectRecord& p);

} // namespace kora
