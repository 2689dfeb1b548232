#include "core/model/projectrecord.h"

#include "core/base/unitconstants.h"
#include "core/model/unitsystems.h"

namespace kora {

void SetDefaultInputs(ProjectRecord& p) {
    p.EntryHeight = p.PanelWidth = p.DepthOfCover = p.EntryWidth = p.CrosscutSpacing = 0;
    p.NumEntries = 2;
    p.CenterDistance.fill(0);
    p.XcutAngle.fill(0);
    p.XcutSpacing.fill(0);
    p.ConfigMode = 0;
    p.AbutmentAngle = 21;
    if (p.UnitSystem == Metric) {
        p.CoalStrength = static_cast<float>(900 / PsiPerMPa);
        p.UnitWeight = static_cast<float>(162 / PcfPerKNm3);
    } else {
        p.CoalStrength = 900;
        p.UnitWeight = 162;
    }
    p.CMRRValue = 35;
    p.HeadgateSF = p.BleederSF = p.TailgateSF = 1.3f;
    p.YieldPillarWidth = 0;
    p.AdvGeometry = 0;
    p.ProjectDescription.clear();
    p.ProjectTitle.clear();
}

} // namespace kora
