#pragma once

#include "core/base/messenger.h"
#include "core/model/projectrecord.h"
#include "core/model/reportbuffer.h"
#include "core/model/settings.h"
#include "core/model/workingset.h"

namespace kora {

// Pages 2 to 4 of the report after a calculation: the load bearing capacity of each pillar
// column with the system totals (kind 1 after a stability factor command, 2 after a sizing
// command, which heads it "FOR TAILGATE LOADING"; SizingRun adds the (R) pass's pillars as
// separate blocks), the five design loads, and the loading of each pillar against its unit
// strength. Fills the output-unit copies (UnitStrengthOut, CapacityOut, TotalCapacityOut,
// UnitLoadOut, ...) that the plan drawing labels pillars with: psi or psf and lbs or tons per ft
// in English projects by the options, kPa and kN per m in Metric ones. An option value other
// than 0 or 1 leaves its copies as they were; the pages then name no stress unit, and print
// loads in lbs.
void ReportLoadCapacity(int kind, const ProjectRecord& p, WorkingSet& w, ReportBuffer& report,
                        const ReportOptions& options, Messenger& messenger);

} // namespace kora
