#include "core/graphics/planlayout.h"

#include "core/base/numberformat.h"
#include "core/base/unitconstants.h"
#include "core/model/unitsystems.h"
#include "core/model/workingset.h"

#include <algorithm>
#include <cmath>

namespace kora {

namespace {

constexpr int MaxEntries = 6;
constexpr int RowsShown = 4;

bool entriesDrawable(int n) {
    return n >= 2 && n <= MaxEntries;
}

// Distance between the crosscut lines of column i along the entries.
float rowPitch(const PlanGeometry& g, int mode, int i) {
    return mode == 1 ? g.DrawXcutSpacing[i] : g.PlanXcutSpacing;
}

// An angle of 0 stands for a square crosscut (90 degrees).
double effectiveAngle(float angle) {
    return angle == 0 ? 90.0 : double(angle);
}

// cot of the crosscut angle: how far the crosscut line rises per unit across the entries.
double crosscutSlope(float angle) {
    if (angle == 0) return 0;
    const double a = double(angle) * RadiansPerDegree;
    return std::cos(a) / std::sin(a);
}

// tan(90 - angle), the rise of a pillar's top and bottom edges per unit of its width.
double edgeSlant(float angle) {
    if (angle == 0) return 0;
    return std::tan((90.0 - double(angle)) * RadiansPerDegree);
}

void markNotDrawable(PlanLayout& l) {
    for (auto& column : l.PillarDrawn) column.fill(0);
    l.PlotW = 0;
    l.PlotH = 0;
}

bool geometryDrawable(const PlanGeometry& g, int mode) {
    const int n = g.PlanEntries;
    if (!entriesDrawable(n)) return false;
    double width = 0;
    for (int i = 1; i <= n - 1; ++i) {
        const float pitch = rowPitch(g, mode, i);
        if (!(pitch > 0) || !std::isfinite(pitch)) return false;
        width += g.PlanCenterDistance[i];
    }
    return width > 0 && std::isfinite(width);
}

bool cornersFinite(const PlanLayout& l, int i, int j) {
    for (const PlanTable* t : {&l.x1, &l.y1, &l.x2, &l.y2, &l.x3, &l.y3, &l.x4, &l.y4}) {
        if (!std::isfinite((*t)[i][j])) return false;
    }
    return true;
}

std::string lengthTail(int unitSystem) {
    const std::string& label = UnitLabel(unitSystem, unit::Length);
    return label.size() > 2 ? label.substr(2) : std::string();
}

const std::string& stressLabel(int unitSystem, int outputStrUnits) {
    if (unitSystem == English && outputStrUnits == 0) return UnitLabel(English, unit::Stress);
    return UnitLabel(unitSystem, unit::SmallStress);
}

const std::string& loadLabel(int unitSystem, int outputStrGradUnits) {
    if (unitSystem == English && outputStrGradUnits == 1) return UnitLabel(English, unit::LoadTons);
    return UnitLabel(unitSystem, unit::Load);
}

} // namespace

PlanLabelValues PlanLabelValues::from(const WorkingSet& w) {
    return {w.UnitStrengthOut, w.UnitStrengthROut, w.CapacityOut, w.CapacityROut};
}

double SinDeg(double angle) {
    if (angle == 0) return 1.0;
    return std::sin(angle * RadiansPerDegree);
}

int PlanLayoutMode(int planFromResults, int lastCalcAdvanced, int planAdvGeometry) {
    const bool advancedDefined = planAdvGeometry == 1;
    if (planFromResults != 1) return advancedDefined ? 1 : 0;
    if (lastCalcAdvanced != 0) return 1;
    return advancedDefined ? 2 : 0;
}

void ComputePlanExtents(const PlanGeometry& g, bool planWindowCase, PlanLayout& l) {
    const int n = g.PlanEntries;
    if (!entriesDrawable(n)) {
        l.PlotMargin = 0;
        l.ColumnBase.fill(0);
        markNotDrawable(l);
        return;
    }
    float w = 0;
    for (int i = 1; i <= n - 1; ++i) w = float(double(w) + g.PlanCenterDistance[i]);
    float m = planWindowCase ? float(2.0 * w / (n - 1)) : float(double(w) / n);
    w = float(double(w) + m);
    m = float(double(m) / 2);
    l.PlotMargin = m;
    const float base = planWindowCase ? float(double(w) / n) : float(double(w) / (n + 2));
    for (int k = 1; k <= std::min(n, l.ColumnBase.size()); ++k) l.ColumnBase[k] = base;
}

void ComputePillarCorners(const PlanGeometry& g, int mode, int i, int j, PlanLayout& l) {
    double entryLeft = l.PlotMargin;
    for (int k = 1; k < i; ++k) entryLeft += g.PlanCenterDistance[k];
    const float e = g.PlanEntryWidth;
    const float pitch = rowPitch(g, mode, i);
    const float angle = g.DrawXcutAngle[i];

    const float xLeft = float(entryLeft + e);
    const float xRight = float(entryLeft + g.PlanCenterDistance[i]);
    const float yTop = float(double(l.ColumnBase[i]) + double(j) * pitch);
    const double crosscutWidth = mode == 1 ? e / SinDeg(angle) : double(e);
    const float yBottom = float(double(yTop) - pitch + crosscutWidth);

    l.x1[i][j] = xLeft;
    l.x2[i][j] = xLeft;
    l.x3[i][j] = xRight;
    l.x4[i][j] = xRight;
    l.y1[i][j] = yBottom;
    l.y2[i][j] = yTop;
    if (mode == 1) {
        const double rise = (double(xRight) - xLeft) * edgeSlant(angle);
        l.y3[i][j] = float(yBottom + rise);
        l.y4[i][j] = float(yTop + rise);
    } else {
        l.y3[i][j] = yBottom;
        l.y4[i][j] = yTop;
    }
}

void ComputePlanPillars(const PlanGeometry& g, int mode, PlanLayout& l) {
    if (!geometryDrawable(g, mode)) {
        markNotDrawable(l);
        return;
    }
    const int columns = g.PlanEntries - 1;
    if (mode == 1) {
        for (int k = 2; k <= columns; ++k) {
            l.ColumnBase[k] =
                float(double(l.ColumnBase[k - 1]) +
                      g.PlanCenterDistance[k - 1] * crosscutSlope(g.DrawXcutAngle[k - 1]));
        }
    }
    for (auto& column : l.PillarDrawn) column.fill(0);
    float topY = 0;
    float rightX = 0;
    for (int i = 1; i <= columns; ++i) {
        for (int j = 1; j <= RowsShown; ++j) {
            l.PillarDrawn[i][j] = 1;
            ComputePillarCorners(g, mode, i, j, l);
            if (!cornersFinite(l, i, j)) {
                markNotDrawable(l);
                return;
            }
        }
        if (i == 1 || l.y4[i][RowsShown] > topY) topY = l.y4[i][RowsShown];
        if (i == 1 || l.x4[i][RowsShown] > rightX) rightX = l.x4[i][RowsShown];
    }
    l.PlotH = float(double(topY) + l.ColumnBase[1]);
    l.PlotW = float(double(rightX) + l.PlotMargin);
    const float side = std::max(l.PlotW, l.PlotH);
    l.PlotW = side;
    l.PlotH = side;
    if (!PlanDrawable(l)) markNotDrawable(l);
}

bool ComputePlanLayout(const PlanGeometry& g, int mode, bool planWindowCase, PlanLayout& l) {
    ComputePlanExtents(g, planWindowCase, l);
    ComputePlanPillars(g, mode, l);
    return PlanDrawable(l);
}

bool PlanDrawable(const PlanLayout& l) {
    return l.PlotW != 0 && l.PlotH != 0 && std::isfinite(l.PlotW) && std::isfinite(l.PlotH);
}

PillarDims PillarPlanDims(const PlanGeometry& g, int i) {
    const double e = g.PlanEntryWidth;
    const double c = g.PlanCenterDistance[i];
    const double s = g.DrawXcutSpacing[i];
    const double sine = SinDeg(g.DrawXcutAngle[i]);
    PillarDims d;
    d.Width = float(c - e);
    d.Length = float(s - e / sine);
    if (d.Width > d.Length) {
        d.Width = float(sine * s - e);
        d.Length = float((c - e) / sine);
        d.Swapped = true;
    }
    return d;
}

float PillarLabelAngle(const PlanGeometry& g, int mode, int i) {
    if (mode == 0) return 45;
    return float(90.0 - effectiveAngle(g.DrawXcutAngle[i]));
}

std::string PillarLabelText(int labelMode, const PlanGeometry& g, int mode, const PlanLayout& l,
                            const PlanLabelValues& v, int i, int j) {
    switch (labelMode) {
    case 2:
        return Format(v.UnitStrengthOut[i], "###,###,##0");
    case 3:
        return Format(v.UnitStrengthROut[i], "###,###,##0");
    case 4:
        return Format(v.CapacityOut[i], "###,###,##0");
    case 5:
        return Format(v.CapacityROut[i], "###,###,##0");
    default:
        break;
    }
    float width = 0;
    float length = 0;
    if (mode == 1) {
        const PillarDims d = PillarPlanDims(g, i);
        width = d.Width;
        length = d.Length;
    } else {
        width = float(double(l.x3[i][j]) - l.x1[i][j]);
        length = float(double(l.y2[i][j]) - l.y1[i][j]);
    }
    return Format(width, "#0") + "x" + Format(length, "#0");
}

std::string PlanCaption(int labelMode, int unitSystem, int outputStrUnits, int outputStrGradUnits) {
    std::string title;
    const std::string& length = UnitLabel(unitSystem, unit::Length);
    switch (labelMode) {
    case 2:
        title = "Unit Pillar Strength" + stressLabel(unitSystem, outputStrUnits);
        break;
    case 3:
        title = "Unit Pillar Strength (R)" + stressLabel(unitSystem, outputStrUnits);
        break;
    case 4:
        title = "Pillar Load Bearing Capacity" + loadLabel(unitSystem, outputStrGradUnits) + "/" +
                length;
        break;
    case 5:
        title = "Pillar Load Bearing Capacity (R)" + loadLabel(unitSystem, outputStrGradUnits) +
                "/" + length;
        break;
    default:
        title = "Actual Pillar Dimensions (width*length, " + lengthTail(unitSystem);
        break;
    }
    return "KORA: " + title + ".  Entries shown from left to right.";
}

} // namespace kora
