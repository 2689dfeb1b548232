#pragma once

#include "core/base/messenger.h"
#include "core/model/plangeometry.h"
#include "core/model/projectrecord.h"
#include "core/model/reportbuffer.h"
#include "core/model/workingset.h"

namespace kora {

// Standard geometry: every column has square crosscuts at the project's crosscut spacing.
// Derives the pillar plan dimensions and runs the Classic and the (R) pass of the kernel.
void CalcSFStandard(WorkingSet& w);

// Writes the standard-geometry stability factor section into page 1 of the report, with the
// 90-degree note of a project that has advanced geometry and the warnings about inputs that
// differ from those of the case history data base. The note quotes the project's crosscut
// spacing, which the plan's refreshed geometry copy holds too.
void ReportSFStandard(const ProjectRecord& p, const PlanGeometry& plan, const WorkingSet& w,
                      ReportBuffer& report, Messenger& messenger);

// Advanced geometry: each column has its own crosscut spacing and angle, so its pillars are
// parallelograms. Derives their plan dimensions, runs both passes (capacities per column
// crosscut spacing) and writes the advanced-geometry section into page 1.
void CalcSFAdvanced(const ProjectRecord& p, WorkingSet& w, ReportBuffer& report,
                    Messenger& messenger);

} // namespace kora
