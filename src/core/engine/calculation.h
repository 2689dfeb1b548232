#pragma once

#include "core/base/messenger.h"
#include "core/model/plangeometry.h"
#include "core/model/projectrecord.h"
#include "core/model/reportbuffer.h"
#include "core/model/settings.h"
#include "core/model/workingset.h"

namespace kora {

// The three calculation commands of the Output menu, numbered as its items: stability factors
// for standard geometry, for advanced geometry, and pillar sizing.
enum class OutputCommand { Standard = 0, Advanced = 1, Sizing = 3 };

// Runs one calculation command from the project to pages 1 to 4 of the report: SetWorkParms
// (a refused project shows its message and leaves the report untouched), the stability factor
// analysis or the pillar sizing with its page 1, and the load bearing capacity pages.
// The results and the report are built on copies and committed together at the end, so a
// calculation that ends in values that cannot be printed (an overflow from absurd inputs) or in
// a runtime error is reported through HandleError and leaves the report and the previous results
// as they were. Returns true when the report holds the new results.
// Page 0 (the input listing) is not written here.
bool RunAnalysis(OutputCommand command, const ProjectRecord& p, WorkingSet& w, PlanGeometry& plan,
                 ReportBuffer& report, const ReportOptions& options, Messenger& messenger);

} // namespace kora
