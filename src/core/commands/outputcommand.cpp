#include "report/outputcommand.h"

#include "base/messenger.h"
#include "engine/commands.h"
#include "engine/workingset.h"
#include "graphics/plangeometry.h"
#include "project/projectrecord.h"
#include "report/inputlisting.h"
#include "report/reportbuffer.h"
#include "settings/settings.h"

namespace kora {

bool RunOutputCommand(int index, ProjectRecord& p, WorkingSet& w, PlanGeometry& plan,
                      ReportBuffer& buffer, const Settings& settings, Messenger& m) {
    if (p.ProjectEmpty) {
        m.ShowMessage(EmptyProjectMessage);
        return false;
    }
    buffer.LastPage = 4;
    CopyPlanGeometry(p, plan);

    Analysis analysis = Analysis::Standard;
    switch (index) {
    case 0:
        analysis = Analysis::Standard;
        break;
    case 1:
        if (p.AdvGeometry == 0) {
            m.ShowMessage(NoAdvancedGeometryMessage);
            return false;
        }
        analysis = Analysis::Advanced;
        break;
    case 3:
        analysis = Analysis::Sizing;
        break;
    default:
        return false;
    }
    if (!RunAnalysis(analysis, p, w, plan, buffer, ReportOptions::from(settings), m)) return false;
    LoadOutBuf0(true, p, w, settings, buffer);
    return true;
}

std::string OutputCaptionSuffix(int index) {
    switch (index) {
    case 0:
        return "Standard Geometry";
    case 1:
        return "Advanced Geometry";
    case 3:
        return "Pillar Sizing";
    default:
        return {};
    }
}

} // namespace kora
