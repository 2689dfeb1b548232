#include "core/engine/analysis.h"

#include "core/base/numberformat.h"
#include "core/base/textutil.h"
#include "core/base/unitconstants.h"
#include "core/engine/kernel.h"
#include "core/model/unitsystems.h"

#include <cmath>
#include <string>

namespace kora {

namespace {

constexpr const char* ConditionLabels[5] = {"    Development Loading", "    Headgate Loading",
                                            "    Bleeder Loading", "*** Tailgate Loading",
                                            "    Isolated Loading"};

constexpr const char* UnitWeightWarning =
    "The KORA case history data base was analyzed with an overburden unit weight of 162 pcf.  "
    "Stability Factors (SF) obtained with a different overburden unit weight may not be "
    "comparable to the suggested SF values obtained from TERVA's analysis of the data base.";
constexpr const char* CoalStrengthWarning =
    "The KORA case history data base was analyzed with an in situ coal strength of 900 psi.  "
    "Stability Factors (SF) obtained with a different in situ coal strength may not be "
    "comparable to the suggested SF values obtained from TERVA's analysis of the data base.  "
    "Also, TERVA research has shown that the reliability of the KORA design method decreases "
    "substantially when laboratory coal strengths were used in place of the default value.  "
    "For more information, see Help/Project Input Parameters.";
constexpr const char* AbutmentAngleWarning =
    "The KORA case history data base was analyzed with abutment angles of 21 degrees.  "
    "Stability Factors (SF) obtained with different abutment angles may not be comparable to "
    "the suggested SF values obtained from TERVA's analysis of the data base.  For more "
    "information, see Help/Project Input Parameters.";

std::string factor(float sf) {
    return PadLeft(Format(sf, "##0.00"), 6);
}

// The five rows of both models; the advanced table right-aligns the (R) value in 16 characters
// instead of 10 blanks and a 6-character field.
std::string factorTable(const WorkingSet& w, bool advanced) {
    std::string s = std::string(30, ' ') + "Classic KORA        KORA (R)" + CRLF;
    for (int k = 1; k <= 5; ++k) {
        s += PadDots(ConditionLabels[k - 1], 35) + factor(w.SFClassic[k]);
        if (advanced)
            s += PadLeft(Format(w.SFRevised[k], "##0.00"), 16);
        else
            s += std::string(10, ' ') + factor(w.SFRevised[k]);
        s += CRLF;
    }
    s += CRLF;
    s += CRLF;
    return s;
}

// Inputs that differ from those of the case history data base (compared exactly, in single
// precision, with the Metric values as the data base's Metric equivalents).
std::string warnings(const ProjectRecord& p) {
    const bool metric = p.UnitSystem != English;
    std::string s;
    if (p.UnitWeight != (metric ? 25.45f : 162.0f)) s += WrapText(UnitWeightWarning, 70) + CRLF;
    if (p.CoalStrength != (metric ? 6.21f : 900.0f)) s += WrapText(CoalStrengthWarning, 70) + CRLF;
    if (p.AbutmentAngle != 21.0f) s += WrapText(AbutmentAngleWarning, 70) + CRLF;
    if (s.empty()) return s;
    return "[WARNINGS]" + std::string(CRLF) + s;
}

} // namespace

void CalcSFStandard(WorkingSet& w) {
    w.AdvCalc = 0;
    for (int i = 1; i <= w.NumPillars; ++i) {
        w.PillarW0[i] = float(double(w.PillarCenters[i]) - w.WkEntryWidth);
        w.PillarL0[i] = float(double(w.WkXcutSpacing) - w.WkEntryWidth);
    }
    OrderPillarDims(w);
    w.IsClassic = true;
    CalcPillarSF(w, 1);
    w.IsClassic = false;
    CalcPillarSF(w, 1);
}

void ReportSFStandard(const ProjectRecord& p, const PlanGeometry& /*plan*/, const WorkingSet& w,
                      ReportBuffer& report, Messenger& messenger) {
    // The note quotes the project's crosscut spacing; the plan's geometry copy holds the same
    // value once the command has refreshed it, and the project value does not depend on that.
    std::string s = "[KORA STABILITY FACTORS - STANDARD GEOMETRY]" + std::string(CRLF) + CRLF;
    s += factorTable(w, false);
    if (p.AdvGeometry == 1) {
        s += "[NOTES]" + std::string(CRLF);
        s += WrapText("THESE RESULTS ASSUME 90 DEGREE CROSSCUTS AND A CROSSCUT SPACING OF " +
                          FormatGeneral(p.CrosscutSpacing) + UnitLabel(p.UnitSystem, unit::Length),
                      60) +
             CRLF;
    }
    s += warnings(p);
    s += CRLF;
    report.OutBuf[1] = std::move(s);
    messenger.AddHistory("KORA stability factors calculated");
}

void CalcSFAdvanced(const ProjectRecord& p, WorkingSet& w, ReportBuffer& report,
                    Messenger& messenger) {
    w.AdvCalc = 1;
    const double we = w.WkEntryWidth;
    for (int i = 1; i <= w.NumPillars; ++i) {
        w.PillarW0[i] = float(w.PillarCenters[i] - we);
        w.PillarL0[i] = float(w.XcutSpacingFt[i] - we);
    }
    OrderPillarDims(w);

    // Crosscuts at angle theta to the entries make each pillar a parallelogram: a is the
    // distance between neighbouring crosscuts measured square to them, b the pillar side along
    // a crosscut.
    for (int i = 1; i <= w.NumPillars; ++i) {
        const double s = std::sin(double(p.XcutAngle[i]) * RadiansPerDegree);
        const double C = w.PillarCenters[i];
        const double X = w.XcutSpacingFt[i];
        const double a = (X - we / s) * s;
        const double b = (C - we) * (1 / s);
        if (a <= w.PillarWidth[i]) {
            w.PillarW0[i] = float(a);
            w.PillarL0[i] = float(b);
        } else {
            w.PillarW0[i] = float(C - we);
            w.PillarL0[i] = float(a / s);
        }
    }
    OrderPillarDims(w);
    w.IsClassic = true;
    CalcPillarSF(w, 1);
    w.IsClassic = false;
    CalcPillarSF(w, 1);

    std::string s = "[KORA STABILITY FACTORS - ADVANCED GEOMETRY]" + std::string(CRLF) + CRLF;
    s += factorTable(w, true);
    s += warnings(p);
    report.OutBuf[1] = std::move(s);
    messenger.AddHistory("KORA stability factors calculated");
}

} // namespace kora
