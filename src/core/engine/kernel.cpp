#include "core/engine/kernel.h"

#include "core/base/unitconstants.h"
#include "core/engine/singlearith.h"
#include "core/model/unitsystems.h"

#include <cmath>
#include <string>

namespace kora {

namespace {

// "Not greater than zero": also refuses a value that is not a number.
bool notPositive(float v) {
    return !(v > 0);
}

bool refuse(Messenger& messenger, const std::string& text) {
    messenger.ShowMessage(text, mb::OK);
    return false;
}

} // namespace

bool SetWorkParms(const ProjectRecord& p, WorkingSet& w, PlanGeometry& plan, Messenger& messenger) {
    w.WkNumEntries = p.NumEntries;
    w.NumPillars = static_cast<std::int16_t>(p.NumEntries - 1);
    w.WkAbutAngle = p.AbutmentAngle;

    if (p.UnitSystem != 0) {
        const double k = FeetPerMetre;
        w.WkHeight = float(p.EntryHeight * k);
        w.WkDepth = float(p.DepthOfCover * k);
        w.WkPanelWidth = float(p.PanelWidth * k);
        w.WkEntryWidth = float(p.EntryWidth * k);
        w.WkXcutSpacing = float(p.CrosscutSpacing * k);
        w.WkYieldWidth = float(p.YieldPillarWidth * k);
        w.WkCoalStrength = float(p.CoalStrength / PascalPerPsi * 1e6 * PsfPerPsi);
        w.WkUnitWeight = float(p.UnitWeight * PcfPerKNm3);
        for (int i = 1; i <= w.NumPillars; ++i) {
            w.PillarCenters[i] = float(p.CenterDistance[i] * k);
            w.XcutSpacingFt[i] = float(p.XcutSpacing[i] * k);
        }
    } else {
        w.WkHeight = p.EntryHeight;
        w.WkDepth = p.DepthOfCover;
        w.WkPanelWidth = p.PanelWidth;
        w.WkEntryWidth = p.EntryWidth;
        w.WkXcutSpacing = p.CrosscutSpacing;
        w.WkYieldWidth = p.YieldPillarWidth;
        w.WkCoalStrength = float(double(p.CoalStrength) * PsfPerPsi);
        w.WkUnitWeight = p.UnitWeight;
        for (int i = 1; i <= w.NumPillars; ++i) {
            w.PillarCenters[i] = p.CenterDistance[i];
            w.XcutSpacingFt[i] = p.XcutSpacing[i];
        }
    }

    for (int i = 1; i <= w.NumPillars; ++i) {
        plan.DrawXcutAngle[i] = p.XcutAngle[i];
        plan.DrawXcutSpacing[i] = p.XcutSpacing[i];
    }

    for (int k = 1; k <= 3; ++k) {
        if (p.UseCMRR == 0) {
            const float sf = k == 1 ? p.HeadgateSF : k == 2 ? p.BleederSF : p.TailgateSF;
            w.TargetSFClassic[k] = sf;
            w.TargetSFR[k] = sf;
        } else {
            const SuggestedSF suggested = CmrrSuggestedSF(p.CMRRValue);
            w.TargetSFClassic[k] = suggested.Classic;
            w.TargetSFR[k] = suggested.Revised;
        }
    }

    return CheckWorkParms(p, w, messenger);
}

SuggestedSF CmrrSuggestedSF(double cmrr) {
    return {float(1.76 - 0.014 * cmrr), float(2.0 - 0.016 * cmrr)};
}

bool CheckWorkParms(const ProjectRecord& p, const WorkingSet& w, Messenger& messenger) {
    if (notPositive(p.EntryHeight)) return refuse(messenger, "Invalid entry height");
    if (notPositive(p.DepthOfCover)) return refuse(messenger, "Invalid depth of cover");
    if (notPositive(p.PanelWidth)) return refuse(messenger, "Invalid panel width");
    if (notPositive(p.EntryWidth)) return refuse(messenger, "Invalid entry width");
    if (notPositive(p.CrosscutSpacing)) return refuse(messenger, "Invalid crosscut spacing");
    if (notPositive(p.CoalStrength)) return refuse(messenger, "Invalid coal strength");
    if (notPositive(p.UnitWeight)) return refuse(messenger, "Invalid unit weight");
    for (int i = 1; i <= p.NumEntries - 1; ++i) {
        if (notPositive(p.CenterDistance[i]))
            return refuse(messenger, "Invalid center-to-center distance #" + std::to_string(i));
    }
    for (int k = 1; k <= 3; ++k) {
        if (notPositive(w.TargetSFClassic[k]))
            return refuse(messenger, "Invalid Stability factor for pillar sizing");
    }

    if (p.AdvGeometry != 1) return true;
    bool ok = true;
    for (int i = 1; i <= p.NumEntries - 1; ++i) {
        if (notPositive(p.XcutSpacing[i]))
            ok = refuse(messenger, "Invalid advanced geometry xcut spacing #" + std::to_string(i));
        if (!(p.XcutAngle[i] > 45))
            ok = refuse(messenger, "Invalid advanced geometry xcut angles #" + std::to_string(i));
    }
    return ok;
}

void OrderPillarDims(WorkingSet& w) {
    w.SystemWidth = 0;
    for (int i = 1; i <= w.NumPillars; ++i) {
        w.PillarWidth[i] = w.PillarW0[i];
        if (w.PillarL0[i] < w.PillarWidth[i]) {
            w.PillarWidth[i] = w.PillarL0[i];
            w.PillarL0[i] = w.PillarW0[i];
        }
        w.PillarLength[i] = w.PillarL0[i];
        w.WHRatio[i] = float(double(w.PillarWidth[i]) / w.WkHeight);
        w.SystemWidth = float(double(w.SystemWidth) + w.PillarCenters[i]);
    }
}

void CalcPillarSF(WorkingSet& w, int mode) {
    const SingleArith a(mode == 2);
    const double h = w.WkHeight;
    const double H = w.WkDepth;
    const double PW = w.WkPanelWidth;
    const double S1 = w.WkCoalStrength;
    const double g = w.WkUnitWeight;
    const double we = w.WkEntryWidth;

    if (w.IsClassic)
        w.TotalCapacity = 0;
    else
        w.TotalCapacityR = 0;

    for (int i = 1; i <= w.NumPillars; ++i) {
        const double wd = w.PillarWidth[i];
        const double L = w.PillarLength[i];
        if (mode == 1) {
            const double C = w.AdvCalc != 0 ? double(w.XcutSpacingFt[i]) : double(w.WkXcutSpacing);
            w.UnitStrength[i] = float((wd / h * 0.36 + 0.64) * S1);
            w.Capacity[i] = float(wd * w.UnitStrength[i] * L / C);
            if (wd != 0 && L != 0)
                w.UnitStrengthR[i] =
                    float((0.54 * wd / h - 0.18 * (wd * wd) / (h * L) + 0.64) * S1);
            else
                w.UnitStrengthR[i] = 0;
            w.CapacityR[i] = float(w.UnitStrengthR[i] * wd * L / C);
        } else if (mode == 2) {
            if (w.IsClassic) {
                w.UnitStrength[i] = a.store((a.divide(wd, h) * 0.36 + 0.64) * S1);
                w.Capacity[i] = a.store(a.divide(wd * w.UnitStrength[i] * L, we + L));
            } else {
                w.UnitStrengthR[i] = a.store(
                    (a.divide(0.54 * wd, h) - a.divide(0.18 * (wd * wd), h * L) + 0.64) * S1);
                w.CapacityR[i] = a.store(a.divide(w.UnitStrengthR[i] * wd * L, we + L));
            }
        }
        if (w.IsClassic)
            w.TotalCapacity = a.store(double(w.TotalCapacity) + w.Capacity[i]);
        else
            w.TotalCapacityR = a.store(double(w.TotalCapacityR) + w.CapacityR[i]);
    }

    w.DevLoad = a.store(double(w.SystemWidth) * H * g);

    const double t = std::tan(double(w.WkAbutAngle) * RadiansPerDegree);
    if (float(PW / 2) <= float(H * t))
        w.SideAbutLoad = a.store((PW * H / 2 - a.divide(PW * PW, 8 * t)) * g);
    else
        w.SideAbutLoad = a.store(H * H * t * g / 2);

    w.AbutExtent = a.store(9.3 * std::sqrt(H));
    w.AbutFraction =
        a.store(1 - std::pow(a.divide(double(w.AbutExtent) - w.SystemWidth, w.AbutExtent), 3));
    if (w.AbutFraction > 1) w.AbutFraction = 1;

    const double Ls = w.SideAbutLoad;
    const double R = w.AbutFraction;
    const double Ld = w.DevLoad;
    w.DesignLoad[1] = a.store(Ld);
    w.DesignLoad[2] = a.store(Ld + 0.5 * R * Ls);
    w.DesignLoad[3] = a.store(Ld + R * Ls);
    w.DesignLoad[4] = a.store(Ld + Ls + 0.7 * Ls);
    w.DesignLoad[5] = a.store(Ld + 2 * Ls);

    for (int k = 1; k <= 5; ++k) {
        if (w.IsClassic)
            w.SFClassic[k] = a.store(a.divide(w.TotalCapacity, w.DesignLoad[k]));
        else
            w.SFRevised[k] = a.store(a.divide(w.TotalCapacityR, w.DesignLoad[k]));
    }
}

namespace {

bool finite(float v) {
    return std::isfinite(v);
}

template <typename Array> bool columnsFinite(const Array& a, int n) {
    for (int i = 1; i <= n && i <= Array::size(); ++i)
        if (!finite(a[i])) return false;
    return true;
}

} // namespace

bool ResultsFinite(const WorkingSet& w) {
    const int n = w.NumPillars;
    for (const ColumnArray* a :
         {&w.PillarCenters, &w.PillarW0, &w.PillarL0, &w.PillarWidth, &w.PillarLength, &w.WHRatio,
          &w.UnitStrength, &w.UnitStrengthR, &w.Capacity, &w.CapacityR, &w.CumShare, &w.IncShare,
          &w.UnitStrengthOut, &w.UnitStrengthROut, &w.CapacityOut, &w.CapacityROut}) {
        if (!columnsFinite(*a, n)) return false;
    }
    for (int k = 1; k <= 5; ++k) {
        if (!columnsFinite(w.UnitLoad[k], n) || !columnsFinite(w.UnitLoadOut[k], n)) return false;
        if (!finite(w.DesignLoad[k]) || !finite(w.SFClassic[k]) || !finite(w.SFRevised[k]))
            return false;
    }
    if (w.SizingRun) {
        if (!columnsFinite(w.PillarWidthAlt, n) || !columnsFinite(w.PillarLengthAlt, n))
            return false;
        for (int k = 1; k <= 3; ++k) {
            for (float v : {w.TargetSFClassic[k], w.TargetSFR[k], w.SizedWidthClassic[k],
                            w.SizedLengthClassic[k], w.SizedWidthR[k], w.SizedLengthR[k]})
                if (!finite(v)) return false;
        }
    }
    for (float v : {w.SystemWidth, w.TotalCapacity, w.TotalCapacityR, w.TotalCapacityOut,
                    w.TotalCapacityROut, w.DevLoad, w.SideAbutLoad, w.AbutExtent, w.AbutFraction})
        if (!finite(v)) return false;
    return true;
}

} // namespace kora
