#pragma once

#include "core/model/graphcurves.h"

#include <string>

namespace kora {

struct ProjectRecord;
struct WorkingSet;
struct PlanGeometry;
class Messenger;

// The chart sweep behind the graph commands: index 0 entry height, 1 depth of cover, 2 panel
// width, 3 crosscut spacing. Prepares the working set (false, with the check's message shown,
// when the project is refused), then runs the standard-geometry analysis while the chosen
// quantity steps from half to one and a half times its value in tenths (11 points, or 10 when the
// single-precision steps overshoot the end), filling the curves. Another index leaves the curves
// as they were. True when the chart is to be shown.
bool ChartSweep(int index, const ProjectRecord& project, WorkingSet& work, PlanGeometry& plan,
                GraphCurves& curves, Messenger& messenger);

// The parametric studies started from the parameters dialog: isolated-loading stability factors
// of both models against entry centre distance and depth of cover, written as tab-separated lines
// (depth, system width less one entry, SF Classic, SF (R), crosscut spacing, extraction ratio)
// into "SF-width-Partial.txt" or "SF-width-Solid.txt" in `folder` (the current folder when
// empty), replacing an existing file. Values are in feet whatever the project's units.
//
// The partial study derives the crosscut spacing from each centre distance C as
// (C - entry width) x entry width / (0.5 C - entry width); centre distances for which the divisor
// is zero or negative (entry widths of 30 ft or more) give no meaningful spacing and are skipped,
// with a note in the history that says how many and why. When every centre distance would be
// skipped the study is refused with a message. The solid study uses 5000 ft crosscut spacing (no
// crosscuts).
//
// False when the project is refused (its check failed, nothing to write, or stability factors
// that overflow, reported as "Overflow" through HandleError); nothing is written then. A file that
// cannot be created or written throws KoraError (76, 70, 61, 75, ...) for the command's error
// handler to report with HandleError; the previous file stays as it was.
struct StudyOutcome {
    std::string path;    // the file written
    std::string skipped; // the note on skipped centre distances; empty when none was skipped
};
bool DoParametricPartial(const ProjectRecord& project, WorkingSet& work, PlanGeometry& plan,
                         GraphCurves& curves, const std::string& folder, Messenger& messenger,
                         StudyOutcome* outcome = nullptr);
bool DoParametricSolid(const ProjectRecord& project, WorkingSet& work, PlanGeometry& plan,
                       GraphCurves& curves, const std::string& folder, Messenger& messenger,
                       StudyOutcome* outcome = nullptr);

inline constexpr const char* PartialStudyFileName = "SF-width-Partial.txt";
inline constexpr const char* SolidStudyFileName = "SF-width-Solid.txt";

// One line of a study file, CR LF included: five number fields (blank or minus sign, the general
// form without a zero before the decimal point, blank) and the extraction ratio as "0.0",
// separated by tabs.
std::string StudyLine(float depth, float systemWidth, float sfClassic, float sfRevised,
                      float crosscutSpacing, double extractionRatio);

} // namespace kora
