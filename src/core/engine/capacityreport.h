#pragma once

#include "core/base/messenger.h"
#include "core/model/projectrecord.h"
#include "core/model/reportbuffer.h"
#include "core/model/settings.h"
#include "core/model/workingset.h"

#include <string>

namespace kora {

// The units pages 2 to 4 print in, each label with its leading blank as in the unit label
// table: stresses in kPa (Metric), psf or psi (English, by OutputStrUnits; empty when the option
// names neither), loads in kN (Metric), tons (English with OutputStrGradUnits 1) or lbs, and
// lengths in the project's length unit.
struct CapacityUnits {
    bool metric = false;
    std::string stress;
    std::string load;
    std::string length;
};
CapacityUnits CapacityReportUnits(const ProjectRecord& p, const ReportOptions& options);

// A length of the working set (feet) in the project's length unit, as the pages print it.
double LengthOut(const CapacityUnits& units, float feet);

// Design load k (1 Development .. 5 Isolated, lb per ft of gate entry) in the pages' load unit.
float DesignLoadOut(const CapacityUnits& units, const WorkingSet& w, const ReportOptions& options,
                    int k);

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
