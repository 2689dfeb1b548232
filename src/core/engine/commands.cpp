#include "engine/commands.h"

#include "engine/analysis.h"
#include "engine/capacityreport.h"
#include "engine/kernel.h"
#include "engine/sizing.h"

namespace kora {

bool RunAnalysis(Analysis analysis, const ProjectRecord& p, WorkingSet& w, PlanGeometry& plan,
                 ReportBuffer& report, const ReportOptions& options, Messenger& messenger) {
    if (analysis != Analysis::Standard && analysis != Analysis::Advanced &&
        analysis != Analysis::Sizing)
        return false;
    try {
        if (!SetWorkParms(p, w, plan, messenger)) return false;

        WorkingSet result = w;
        ReportBuffer pages = report;
        result.SizingRun = analysis == Analysis::Sizing;
        switch (analysis) {
        case Analysis::Standard:
            CalcSFStandard(result);
            ReportSFStandard(p, plan, result, pages, messenger);
            break;
        case Analysis::Advanced:
            CalcSFAdvanced(p, result, pages, messenger);
            break;
        case Analysis::Sizing:
            SizePillars(p, result, pages, messenger);
            break;
        }
        ReportLoadCapacity(analysis == Analysis::Sizing ? 2 : 1, p, result, pages, options,
                           messenger);

        if (!ResultsFinite(result)) {
            HandleError(messenger, err::Overflow, "Overflow");
            return false;
        }
        w = result;
        report = std::move(pages);
        return true;
    } catch (const KoraError& e) {
        HandleError(messenger, e);
        return false;
    }
}

} // namespace kora
