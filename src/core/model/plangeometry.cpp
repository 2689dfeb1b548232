#include "core/model/plangeometry.h"

#include "core/model/projectrecord.h"

#include <algorithm>

namespace kora {

void CopyPlanGeometry(const ProjectRecord& p, PlanGeometry& g) {
    g.EntryHeight = p.EntryHeight;
    g.PanelWidth = p.PanelWidth;
    g.DepthOfCover = p.DepthOfCover;
    g.PlanEntryWidth = p.EntryWidth;
    g.PlanXcutSpacing = p.CrosscutSpacing;
    g.PlanEntries = p.NumEntries;
    g.PlanAdvGeometry = p.AdvGeometry;
    const int columns = std::min(p.NumEntries - 1, g.PlanCenterDistance.size());
    for (int i = 1; i <= columns; ++i) {
        g.PlanCenterDistance[i] = p.CenterDistance[i];
        g.DrawXcutAngle[i] = p.XcutAngle[i];
        g.DrawXcutSpacing[i] = p.XcutSpacing[i];
    }
}

} // namespace kora
