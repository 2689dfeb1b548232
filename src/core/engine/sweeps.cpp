#include "core/engine/sweeps.h"

#include "core/base/koraerror.h"
#include "core/base/numberformat.h"
#include "core/base/textfilewriter.h"
#include "core/base/textutil.h"
#include "core/base/unitconstants.h"
#include "core/engine/analysis.h"
#include "core/engine/kernel.h"
#include "core/model/plangeometry.h"
#include "core/model/projectrecord.h"
#include "core/model/unitsystems.h"
#include "core/model/workingset.h"

#include <cmath>
#include <filesystem>

namespace kora {

namespace {

// The x value of a point in the project's length unit.
float projectLength(const ProjectRecord& p, float feet) {
    return p.UnitSystem != English ? static_cast<float>(feet / FeetPerMetre) : feet;
}

// Stores point NumGraphPoints + 1 of the current analysis: its x value and the stability factors
// of loading conditions 1..lastCondition, and the isolated-loading factors aside.
void storePoint(GraphCurves& curves, const WorkingSet& w, float x, int lastCondition) {
    curves.NumGraphPoints += 1;
    const int point = curves.NumGraphPoints;
    curves.CurvesClassic(0, point) = x;
    curves.CurvesR(0, point) = x;
    for (int k = 1; k <= lastCondition; ++k) {
        curves.CurvesClassic(k, point) = w.SFClassic[k];
        curves.CurvesR(k, point) = w.SFRevised[k];
    }
    curves.IsolatedClassic(point) = w.SFClassic[5];
    curves.IsolatedR(point) = w.SFRevised[5];
}

struct StudyPlan {
    const char* fileName;
    int firstCenter, lastCenter, centerStep;
    bool derivedCrosscut; // partial study: crosscut spacing from the centre distance
    bool allEntryCounts;  // partial study: e = 2 .. NumEntries; solid: e = 2 only
    int lastDepth;
    int rows;
};

constexpr StudyPlan PartialStudy{PartialStudyFileName, 60, 500, 2, true, true, 500, 300 / 25 + 2};
constexpr StudyPlan SolidStudy{SolidStudyFileName, 60, 220, 5, false, false, 700, 500 / 25 + 2};
constexpr float SolidCrosscutSpacing = 5000;

// The partial study derives no crosscut spacing from a centre distance C unless 0.5 C exceeds the
// entry width: such centre distances are skipped. Says how many in the history and in
// `outcome`; refuses the study (false) with a message when none is left.
bool checkSkippedCentres(const StudyPlan& plan, double entryWidth, Messenger& m,
                         StudyOutcome* outcome) {
    if (!plan.derivedCrosscut) return true;
    int all = 0, skipped = 0, lastSkipped = 0;
    for (int c = plan.firstCenter; c <= plan.lastCenter; c += plan.centerStep) {
        ++all;
        if (0.5 * c - entryWidth <= 0) {
            ++skipped;
            lastSkipped = c;
        }
    }
    const std::string width = FormatGeneral(static_cast<float>(entryWidth)) + " ft";
    if (skipped == all) {
        m.ShowMessage("Partial study not written: no centre distance from " +
                          std::to_string(plan.firstCenter) + " to " +
                          std::to_string(plan.lastCenter) +
                          " ft is more than twice the entry width (" + width + ")",
                      mb::Exclamation);
        return false;
    }
    if (skipped > 0) {
        std::string range = std::to_string(plan.firstCenter);
        if (lastSkipped != plan.firstCenter) range += " to " + std::to_string(lastSkipped);
        const std::string note = "Partial study: " + std::to_string(skipped) + " of " +
                                 std::to_string(all) + " centre distances (" + range +
                                 " ft) skipped: no crosscut spacing follows unless half the "
                                 "centre distance exceeds the entry width (" +
                                 width + ")";
        m.AddHistory(note);
        if (outcome != nullptr) outcome->skipped = note;
    }
    return true;
}

bool runStudy(const StudyPlan& plan, const ProjectRecord& p, WorkingSet& w, PlanGeometry& geom,
              GraphCurves& curves, const std::string& folder, Messenger& m, StudyOutcome* outcome) {
    if (!SetWorkParms(p, w, geom, m)) return false;
    if (!plan.derivedCrosscut) w.WkXcutSpacing = SolidCrosscutSpacing;
    const double we = w.WkEntryWidth;
    const int lastEntries = plan.allEntryCounts ? p.NumEntries : 2;
    if (!checkSkippedCentres(plan, we, m, outcome)) return false;

    const std::string path = (std::filesystem::path(folder) / plan.fileName).string();
    TextFileWriter file(path);
    for (int c = plan.firstCenter; c <= plan.lastCenter; c += plan.centerStep) {
        if (plan.derivedCrosscut) {
            const double divisor = 0.5 * c - we;
            if (divisor <= 0) continue; // skipped: no crosscut spacing follows
            w.WkXcutSpacing = static_cast<float>((c - we) * we / divisor);
        }
        for (int j = 1; j <= 5; ++j) w.PillarCenters[j] = static_cast<float>(c);

        for (int e = 2; e <= lastEntries; ++e) {
            w.WkNumEntries = static_cast<std::int16_t>(e);
            double s = 0;
            double pillars = 0;
            for (int j = 1; j <= e - 1; ++j) {
                s += w.PillarCenters[j];
                pillars += w.PillarCenters[j] - we;
            }
            const double systemWidth = s - we;
            const double area = static_cast<double>(w.WkXcutSpacing) * s;
            const double extraction =
                area != 0 ? (1 - pillars * (w.WkXcutSpacing - we) / area) * 100 : 999;

            curves.Recreate(plan.rows);
            curves.NumGraphPoints = 0;
            for (w.WkDepth = 200; w.WkDepth <= static_cast<float>(plan.lastDepth);
                 w.WkDepth += 25) {
                CalcSFStandard(w);
                // Infinite or undefined factors (absurd strengths or weights) make the study
                // meaningless: the project is refused as a calculation refuses it, and the file
                // is not written.
                if (!ResultsFinite(w)) {
                    HandleError(m, err::Overflow, "Overflow");
                    return false;
                }
                storePoint(curves, w, projectLength(p, w.WkDepth), 4);
                file.write(StudyLine(w.WkDepth, static_cast<float>(systemWidth), w.SFClassic[5],
                                     w.SFRevised[5], w.WkXcutSpacing, extraction));
            }
        }
    }
    file.commit();
    if (outcome != nullptr) outcome->path = path;
    return true;
}

} // namespace

std::string StudyLine(float depth, float systemWidth, float sfClassic, float sfRevised,
                      float crosscutSpacing, double extractionRatio) {
    std::string line;
    line.reserve(80);
    for (float v : {depth, systemWidth, sfClassic, sfRevised, crosscutSpacing}) {
        line += FileNativeReal(v);
        line += '\t';
    }
    line += Format(extractionRatio, "0.0");
    line += CRLF;
    return line;
}

bool ChartSweep(int index, const ProjectRecord& p, WorkingSet& w, PlanGeometry& geom,
                GraphCurves& curves, Messenger& m) {
    if (!SetWorkParms(p, w, geom, m)) return false;
    curves.NumGraphPoints = 0;
    curves.GraphCommandIndex = static_cast<std::int16_t>(index);

    float* swept = nullptr;
    switch (index) {
    case 0:
        swept = &w.WkHeight;
        break;
    case 1:
        swept = &w.WkDepth;
        break;
    case 2:
        swept = &w.WkPanelWidth;
        break;
    case 3:
        swept = &w.WkXcutSpacing;
        break;
    default:
        return true;
    }

    const float q = *swept;
    const float start = static_cast<float>(0.5 * q);
    const float end = static_cast<float>(1.5 * q);
    float step = static_cast<float>(0.1 * q);
    if (step == 0) step = 1;
    // A swept value so large that its range leaves single precision cannot be charted (and a
    // loop over it would never end): report it as the overflow it is.
    if (!std::isfinite(start) || !std::isfinite(end) || !std::isfinite(step)) {
        HandleError(m, err::Overflow, "Overflow");
        return false;
    }
    const double n = (static_cast<double>(end) - start) / step + 2;
    GraphCurves sweep;
    sweep.GraphCommandIndex = curves.GraphCommandIndex;
    sweep.Recreate(static_cast<int>(std::nearbyint(n)));

    const int lastCondition = index == 0 ? 5 : 4;
    // A counted loop over a single-precision variable: the end is passed once the running value
    // exceeds it (falls below it for a negative step). The curve rows bound it as well.
    for (float x = start; (step > 0 ? x <= end : x >= end) && sweep.NumGraphPoints < sweep.rows();
         x += step) {
        *swept = x;
        CalcSFStandard(w);
        // Absurd inputs can overflow the factors; a chart of infinities shows nothing.
        if (!ResultsFinite(w)) {
            HandleError(m, err::Overflow, "Overflow");
            return false;
        }
        storePoint(sweep, w, projectLength(p, x), lastCondition);
    }
    curves = std::move(sweep);
    return true;
}

bool DoParametricPartial(const ProjectRecord& p, WorkingSet& w, PlanGeometry& geom,
                         GraphCurves& curves, const std::string& folder, Messenger& m,
                         StudyOutcome* outcome) {
    return runStudy(PartialStudy, p, w, geom, curves, folder, m, outcome);
}

bool DoParametricSolid(const ProjectRecord& p, WorkingSet& w, PlanGeometry& geom,
                       GraphCurves& curves, const std::string& folder, Messenger& m,
                       StudyOutcome* outcome) {
    return runStudy(SolidStudy, p, w, geom, curves, folder, m, outcome);
}

} // namespace kora
