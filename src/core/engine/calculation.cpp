#include "core/engine/calculation.h"

#include "core/engine/analysis.h"
#include "core/engine/capacityreport.h"
#include "core/engine/kernel.h"
#include "core/engine/sizing.h"

namespace kora {

bool RunAnalysis(OutputCommand command, const ProjectRecord& p, WorkingSet& w, PlanGeometry& plan,
                 ReportBuffer& report, const ReportOptions& options, Messenger& messenger) {
    if (command != OutputCommand::Standard && command != OutputCommand::Advanced &&
        command != OutputCommand::Sizing)
        return false;
    try {
        if (!SetWorkParms(p, w, plan, messenger)) return false;

        // Pages 1 to 4 are written afresh, so they are built on an empty buffer.
        WorkingSet result = w;
        ReportBuffer pages;
        result.SizingRun = command == OutputCommand::Sizing;
        switch (command) {
        case OutputCommand::Standard:
            CalcSFStandard(result);
            ReportSFStandard(p, plan, result, pages, messenger);
            break;
        case OutputCommand::Advanced:
            CalcSFAdvanced(p, result, pages, messenger);
            break;
        case OutputCommand::Sizing:
            SizePillars(p, result, pages, messenger);
            break;
        }
        ReportLoadCapacity(command == OutputCommand::Sizing ? 2 : 1, p, result, pages, options,
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
