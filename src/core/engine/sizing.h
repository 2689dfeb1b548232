#pragma once

#include "core/base/messenger.h"
#include "core/model/projectrecord.h"
#include "core/model/reportbuffer.h"
#include "core/model/workingset.h"

namespace kora {

// Pillar sizing: for each model pass (Classic, then (R)) and each sizing case (1 Headgate,
// 2 Bleeder, 3 Tailgate) solves the abutment pillar width that reaches the required stability
// factor, in the pillar configuration of ConfigMode. A pillar wider than the current length
// lengthens the pillars for the later cases of the pass (crosscut spacing adjusted so that the
// abutment pillars are square). Leaves the Classic pass's pillars in PillarWidth/PillarLength and
// the (R) pass's in PillarWidthAlt/PillarLengthAlt, the sized dimensions in the project's length
// unit, and writes the sizing section into page 1 of the report.
void SizePillars(const ProjectRecord& p, WorkingSet& w, ReportBuffer& report, Messenger& messenger);

// Secant search on SizingResidual for the current SizingCase and pass (IsClassic); the answer
// is left in TrialWidth, within 0.05 ft or after 20 iterations. An arithmetic failure ends the
// search with a message; TrialWidth then keeps its last value.
void SolvePillarWidth(const ProjectRecord& p, WorkingSet& w, Messenger& messenger);

// Builds the pillar system of ConfigMode around an abutment pillar of width `width` (ft), runs
// the kernel in sizing mode and returns the current pass's stability factor for the sizing case
// minus the required one. Raises KoraError 6 or 11 on an arithmetic failure.
float SizingResidual(const ProjectRecord& p, WorkingSet& w, float width);

// The sizing variant of OrderPillarDims: widths are never exchanged with lengths; every column
// takes the length decided at the last column (its width when wider than SizingLength, else
// SizingLength).
void SquarePillarDims(WorkingSet& w);

} // namespace kora
