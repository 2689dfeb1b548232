#include "core/engine/sizing.h"

#include "core/base/numberformat.h"
#include "core/base/textutil.h"
#include "core/base/unitconstants.h"
#include "core/engine/kernel.h"
#include "core/engine/singlearith.h"
#include "core/model/unitsystems.h"

#include <cmath>
#include <string>
#include <utility>

namespace kora {

namespace {

// The required factors and sized dimensions of one model pass, as its half of the sizing
// section prints them.
struct PassResults {
    const char* heading;
    const CaseArray& target;
    const CaseArray& length;
    const CaseArray& width;
    bool adjusted;
};

// Solves the three sizing cases of the current pass; a pillar wider than the current length
// lengthens the pillars of the later cases.
void solvePass(const ProjectRecord& p, WorkingSet& w, Messenger& messenger, CaseArray& widths,
               CaseArray& lengths, bool& adjusted) {
    for (int c = 1; c <= 3; ++c) {
        w.SizingCase = static_cast<std::int16_t>(c);
        SolvePillarWidth(p, w, messenger);
        if (w.TrialWidth > w.SizingLength) w.SizingLength = w.TrialWidth;
        widths[c] = w.TrialWidth;
        lengths[c] = w.SizingLength;
        if (w.SizingLength > w.WkXcutSpacing) adjusted = true;
    }
}

std::string passSection(const PassResults& r, const ProjectRecord& p,
                        const std::string& lengthLabel) {
    static constexpr const char* caseLabels[3] = {
        "Headgate Loading          ", "Bleeder  Loading          ", "Tailgate Loading          "};
    std::string s = "THE REQUIRED STABILITY FACTORS AND ABUTMENT PILLAR DIMENSIONS ARE:";
    s += CRLF;
    s += "LOADING CONDITION       STABILITY    PILLAR LENGTH  PILLAR WIDTH";
    s += CRLF;
    s += r.heading + std::string(8, ' ') + lengthLabel + std::string(9, ' ') + lengthLabel + CRLF;
    for (int c = 1; c <= 3; ++c) {
        s += caseLabels[c - 1] + PadLeft(Format(r.target[c], "#.00"), 4) + std::string(10, ' ') +
             PadLeft(Format(r.length[c], "0.0"), 6) + std::string(8, ' ') +
             PadLeft(Format(r.width[c], "0.0"), 6) + CRLF;
    }
    s += CRLF;
    if (r.adjusted) {
        s += "NOTE: CROSSCUT SPACING HAS BEEN ADJUSTED SO THAT THE";
        s += CRLF;
        s += "      ABUTMENT PILLARS ARE SQUARE";
        s += CRLF;
        s += CRLF;
    }
    if (p.AdvGeometry == 1) {
        s += "NOTE: THESE RESULTS ASSUME 90 DEGREE CROSSCUTS.";
        s += CRLF;
        s += CRLF;
    }
    s += "NOTE: THESE RESULTS ARE ACTUAL PILLAR DIMENSIONS, NOT CENTERS!";
    s += CRLF;
    s += CRLF;
    return s;
}

} // namespace

void SquarePillarDims(WorkingSet& w) {
    w.SystemWidth = 0;
    float v = 0;
    for (int i = 1; i <= w.NumPillars; ++i) {
        w.PillarWidth[i] = w.PillarW0[i];
        if (w.PillarL0[i] < w.PillarWidth[i]) {
            v = w.PillarW0[i];
            w.PillarL0[i] = w.PillarW0[i];
        } else {
            v = w.SizingLength;
        }
        w.PillarLength[i] = w.PillarL0[i];
        w.WHRatio[i] = float(double(w.PillarWidth[i]) / w.WkHeight);
        w.SystemWidth = float(double(w.SystemWidth) + w.PillarCenters[i]);
    }
    for (int i = 1; i <= w.NumPillars; ++i) {
        w.PillarL0[i] = v;
        w.PillarLength[i] = v;
    }
}

float SizingResidual(const ProjectRecord& p, WorkingSet& w, float width) {
    const SingleArith a(true);
    switch (p.ConfigMode) {
    case 0:
        w.NumPillars = 2;
        w.PillarW0[1] = width;
        w.PillarW0[2] = width;
        break;
    case 1:
        w.NumPillars = 2;
        w.PillarW0[1] = w.WkYieldWidth;
        w.PillarW0[2] = width;
        w.PillarW0[3] = 0;
        break;
    case 2:
        w.NumPillars = 3;
        w.PillarW0[1] = w.WkYieldWidth;
        w.PillarW0[2] = width;
        w.PillarW0[3] = w.WkYieldWidth;
        break;
    case 3:
        w.NumPillars = 1;
        w.PillarW0[1] = width;
        break;
    default:
        break;
    }

    w.SystemWidth = 0;
    for (int i = 1; i <= w.NumPillars; ++i) {
        w.PillarCenters[i] = a.store(double(w.WkEntryWidth) + w.PillarW0[i]);
        w.SystemWidth = a.store(double(w.SystemWidth) + w.PillarCenters[i]);
    }
    for (int i = 1; i <= w.NumPillars; ++i) w.PillarL0[i] = w.SizingLength;
    SquarePillarDims(w);
    CalcPillarSF(w, 2);

    const int k = w.SizingCase;
    if (w.IsClassic) return a.store(double(w.SFClassic[k + 1]) - w.TargetSFClassic[k]);
    return a.store(double(w.SFRevised[k + 1]) - w.TargetSFR[k]);
}

void SolvePillarWidth(const ProjectRecord& p, WorkingSet& w, Messenger& messenger) {
    const SingleArith a(true);
    try {
        w.SecantGuess1 = a.store(double(w.WkDepth) / 10);
        w.SecantGuess2 = a.store(1.1 * w.SecantGuess1);
        w.TrialWidth = w.SecantGuess2;
        w.SecantResidualNew = SizingResidual(p, w, w.TrialWidth);
        w.SecantResidualPrev = w.SecantResidualNew;
        w.TrialWidth = w.SecantGuess1;
        w.SecantStep = a.store(double(w.SecantGuess1) - w.SecantGuess2);
        for (w.SecantIteration = 1; w.SecantIteration <= 20; ++w.SecantIteration) {
            w.SecantResidualNew = SizingResidual(p, w, w.TrialWidth);
            w.SecantResidual = w.SecantResidualNew;
            const double f = w.SecantResidual;
            w.SecantStep = a.store(a.divide(-f * w.SecantStep, f - w.SecantResidualPrev));
            w.TrialWidth = a.store(double(w.TrialWidth) + w.SecantStep);
            if (std::fabs(w.SecantStep) <= 0.05f) break;
            w.SecantResidualPrev = w.SecantResidual;
        }
    } catch (const KoraError& e) {
        messenger.ShowMessage("Error in the Solution Routine: " + std::to_string(e.number()) +
                                  ". " + e.description() +
                                  ": Solution Aborted. Check input data for logical errors",
                              mb::OK);
    }
}

void SizePillars(const ProjectRecord& p, WorkingSet& w, ReportBuffer& report,
                 Messenger& messenger) {
    w.AdvCalc = 0;
    w.XcutAdjustedClassic = false;
    w.XcutAdjustedRevised = false;

    w.SizingLength = float(double(w.WkXcutSpacing) - w.WkEntryWidth);
    w.IsClassic = true;
    solvePass(p, w, messenger, w.SizedWidthClassic, w.SizedLengthClassic, w.XcutAdjustedClassic);
    for (int i = 1; i <= w.NumPillars; ++i) {
        w.PillarLengthAlt[i] = w.PillarLength[i];
        w.PillarWidthAlt[i] = w.PillarWidth[i];
    }

    w.SizingLength = float(double(w.WkXcutSpacing) - w.WkEntryWidth);
    w.IsClassic = false;
    solvePass(p, w, messenger, w.SizedWidthR, w.SizedLengthR, w.XcutAdjustedRevised);
    for (int i = 1; i <= w.NumPillars; ++i) {
        std::swap(w.PillarLength[i], w.PillarLengthAlt[i]);
        std::swap(w.PillarWidth[i], w.PillarWidthAlt[i]);
    }

    if (p.UnitSystem == Metric) {
        for (CaseArray* a :
             {&w.SizedWidthClassic, &w.SizedLengthClassic, &w.SizedWidthR, &w.SizedLengthR})
            for (float& v : *a) v = float(v / FeetPerMetre);
    }

    const std::string& lengthLabel = UnitLabel(p.UnitSystem, unit::Length);
    std::string s = "[KORA PILLAR SIZING RESULTS]" + std::string(CRLF) + CRLF;
    s += "Sizing mode: " + ConfigModeName(p.ConfigMode) + CRLF + CRLF;
    if (p.ConfigMode == 1 || p.ConfigMode == 2)
        s += "Yield pillar width:" + SignBlank(p.YieldPillarWidth) + lengthLabel + CRLF + CRLF;
    s += passSection({" [KORA Classic]          FACTOR  ", w.TargetSFClassic, w.SizedLengthClassic,
                      w.SizedWidthClassic, w.XcutAdjustedClassic},
                     p, lengthLabel);
    s += CRLF;
    s += passSection({" [KORA (R)]              FACTOR  ", w.TargetSFR, w.SizedLengthR,
                      w.SizedWidthR, w.XcutAdjustedRevised},
                     p, lengthLabel);
    report.OutBuf[1] = std::move(s);
    messenger.AddHistory("KORA pillar sizing calculated");
}

} // namespace kora
