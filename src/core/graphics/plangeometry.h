#pragma once

#include "base/onebased.h"

#include <cstdint>

namespace kora {

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

} // namespace kora
