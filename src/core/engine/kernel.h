#pragma once

#include "core/base/messenger.h"
#include "core/model/plangeometry.h"
#include "core/model/projectrecord.h"
#include "core/model/workingset.h"

namespace kora {

// The preparation step of every calculation: converts the project inputs into the working set
// in feet, psf and pcf (Metric projects are converted, English ones copied), copies the
// per-column crosscut angles and spacings into the plan drawing's geometry (in the project's own
// units), derives the required stability factors for sizing (the user's three values, or the
// CMRR relations 1.76 - 0.014 CMRR for Classic and 2.0 - 0.016 CMRR for (R)) and returns the
// verdict of CheckWorkParms. A calculation command stops when it returns false.
bool SetWorkParms(const ProjectRecord& p, WorkingSet& w, PlanGeometry& plan, Messenger& messenger);

// The required stability factors the case histories suggest for a roof of the given CMRR:
// 1.76 - 0.014 CMRR for Classic and 2.0 - 0.016 CMRR for (R), worked in double and held as Single.
// Sizing uses them when the project says so; the parameters dialog shows them beside the user's.
struct SuggestedSF {
    float Classic;
    float Revised;
};
SuggestedSF CmrrSuggestedSF(double cmrr);

// The pre-calculation check of the whole project, on the project values in their own units.
// The first failing basic test (lengths, strength, unit weight, centre distances, required
// Classic factors) shows its message and refuses; with advanced geometry defined, every column's
// crosscut spacing and angle are then checked and every failure is shown before refusing.
bool CheckWorkParms(const ProjectRecord& p, const WorkingSet& w, Messenger& messenger);

// Makes the smaller plan dimension of each column its width (PillarL0 is rewritten when the two
// are exchanged) and sets PillarLength, WHRatio and SystemWidth.
void OrderPillarDims(WorkingSet& w);

// The kernel: strength and capacity of every pillar column, development and side abutment loads,
// the five design loads and the stability factors of the pass chosen by IsClassic.
// Mode 1 (analysis) evaluates both strength models per column and divides the capacities by the
// crosscut spacing (per column when AdvCalc is set); it uses plain IEEE arithmetic, so absurd
// inputs leave infinities or NaN that the caller must check (ResultsFinite).
// Mode 2 (sizing search) evaluates only the current pass's model with the crosscut centre
// spacing implied by the pillar length, and raises KoraError 6 or 11 on an arithmetic failure
// before storing anything non-finite.
void CalcPillarSF(WorkingSet& w, int mode);

// True when every quantity the report pages print from the working set is finite: the columns
// in use with their output-unit copies and unit loads, the loads, the stability factors and,
// after a sizing run, the required factors and sized dimensions.
bool ResultsFinite(const WorkingSet& w);

} // namespace kora
