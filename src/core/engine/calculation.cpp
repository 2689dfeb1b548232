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

        // Pages 1 to 4 are written afresh, so they are built on an empty buffer.
        WorkingSet result = w;
        ReportBuffer pages;
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
        for (int page = 1; page <= 4; ++page) report.OutBuf[page] = std::move(pages.OutBuf[page]);
        return true;
    } catch (const KoraError& e) {
        HandleError(messenger, e);
        return false;
    }
}

} // namespace kora
