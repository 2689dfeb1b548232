#pragma once

#include "core/base/onebased.h"

#include <cstdint>

namespace kora {

struct ProjectRecord;

// The drawing's own copy of the project geometry, in the project's length unit. Refreshed from
// the project before every calculation (CopyPlanGeometry), from the parameters dialog's fields
// when it shows a plan (SaveWorkParms), and, for the per-column crosscut angles and spacings, by
// the engine's preparation step.
struct PlanGeometry {
    float EntryHeight = 0;
    float PanelWidth = 0;
    float DepthOfCover = 0;
    float PlanEntryWidth = 0;
    float PlanXcutSpacing = 0;
    std::int16_t PlanEntries = 0;
    OneBased<float, 5> PlanCenterDistance;
    std::int16_t PlanAdvGeometry = 0;
    OneBased<float, 5> DrawXcutAngle;
    OneBased<float, 5> DrawXcutSpacing;
};

// Copies the project's geometry, unchanged and in its own units, into the drawing's copy: height,
// panel width, depth, entry width, crosscut spacing, number of entries, advanced-geometry flag,
// and for pillar columns 1..NumEntries-1 the centre distances, crosscut angles and spacings.
// Column slots beyond those keep what they hold. A damaged entry count is copied as it is (the
// layout then reports the plan as not drawable); only the columns 1..5 that exist are copied.
void CopyPlanGeometry(const ProjectRecord& p, PlanGeometry& g);

} // namespace kora
