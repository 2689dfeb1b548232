#pragma once

#include "core/base/onebased.h"
#include "core/model/plangeometry.h"

#include <cstdint>
#include <string>

namespace kora {

struct WorkingSet;

// One value per pillar column (5) and row along the entries (10; every column shows rows 1..4).
using PlanTable = OneBased<OneBased<float, 10>, 5>;
using PlanFlags = OneBased<OneBased<std::int16_t, 10>, 5>;

// The computed plan of the pillar layout in world units (the project's length unit), y running
// up the entries and x across them from entry 1 on the left. Corner k of pillar (i, j) is
// (xk[i][j], yk[i][j]): 1 bottom left, 2 top left, 3 bottom right, 4 top right.
struct PlanLayout {
    PlanTable x1, y1, x2, y2, x3, y3, x4, y4;
    PlanFlags PillarDrawn;         // 1 for every pillar that is drawn
    float PlotW = 0;               // extent of the world; equal to PlotH once the plan is drawable,
    float PlotH = 0;               // both 0 when it is not ("Invalid Pillar Dimensions")
    float PlotMargin = 0;          // left margin M; entry 1 starts at x = M
    OneBased<float, 5> ColumnBase; // y at which column i starts (bottom margin plus stagger)
};

// Plan dimensions of one pillar of an advanced geometry; Width is always the smaller one, and
// Swapped tells that the pillar had to be turned to make it so.
struct PillarDims {
    float Width = 0;
    float Length = 0;
    bool Swapped = false;
};

// The per-column output-unit results a pillar label can show (filled by the load bearing capacity
// report), kept apart so a viewer can hold the copy it was opened with.
struct PlanLabelValues {
    OneBased<float, 5> UnitStrengthOut;
    OneBased<float, 5> UnitStrengthROut;
    OneBased<float, 5> CapacityOut;
    OneBased<float, 5> CapacityROut;

    static PlanLabelValues from(const WorkingSet& w);
};

// The message the plan window shows instead of a drawing that is not drawable.
inline constexpr const char* InvalidPlanMessage = "Invalid Pillar Dimensions";

// Sine of an angle in degrees; an angle of exactly 0 stands for a square crosscut and gives 1.
double SinDeg(double angle);

// How the plan is laid out: 1 per-column crosscut spacings with angled crosscuts, 0 and 2 the
// uniform crosscut spacing with square crosscuts (2 still writes the labels along the crosscut
// direction, 0 at 45 degrees). A plan asked for by the parameters dialog (planFromResults not 1)
// follows its advanced-geometry flag; one asked for by the results viewer follows the last
// calculation (lastCalcAdvanced is the engine's AdvCalc). Flags other than 1 count as 0.
int PlanLayoutMode(int planFromResults, int lastCalcAdvanced, int planAdvGeometry);

// Margin, world width and column bases for the geometry. The plan window (planWindowCase: the
// child-window option is on, or the plan comes from results) leaves wider margins for the
// dimension lines and labels than the picture inside the parameters dialog. An entry count
// outside 2..6 leaves an empty layout.
void ComputePlanExtents(const PlanGeometry& g, bool planWindowCase, PlanLayout& l);

// Corners of every pillar (columns 1..N-1, rows 1..4) and the square world around them, after
// ComputePlanExtents (mode 1 staggers the column bases along the crosscut line, so the extents
// must be computed afresh each time). A geometry without a width or a row pitch, with a
// non-finite value, or with an entry count outside 2..6 leaves no pillar drawn and PlotW = PlotH
// = 0, which the caller reports as "Invalid Pillar Dimensions".
void ComputePlanPillars(const PlanGeometry& g, int mode, PlanLayout& l);

// Corners of pillar (i, j): x from the left edge of entry i to the left edge of entry i+1, y from
// one crosscut width above the previous crosscut line to the row's crosscut line; in mode 1 the
// right-hand corners are shifted up the entry by the crosscut slant. Indices outside the tables
// raise KoraError 9.
void ComputePillarCorners(const PlanGeometry& g, int mode, int i, int j, PlanLayout& l);

// Both runs of the layout; true when the result is drawable.
bool ComputePlanLayout(const PlanGeometry& g, int mode, bool planWindowCase, PlanLayout& l);

// True when the layout has a finite, non-zero extent, so it can be drawn.
bool PlanDrawable(const PlanLayout& l);

// Plan dimensions of a pillar of column i between angled crosscuts (layout mode 1).
PillarDims PillarPlanDims(const PlanGeometry& g, int i);

// Rotation in degrees (counter-clockwise) of the pillar labels of column i.
float PillarLabelAngle(const PlanGeometry& g, int mode, int i);

// The label written in pillar (i, j) for a label mode: 1 width "x" length ("60x80"; turned
// dimensions in layout mode 1, the drawn rectangle otherwise); 2..5 the column's unit pillar
// strength, (R) strength, load bearing capacity or (R) capacity, "###,###,##0". A label mode
// outside 1..5 counts as 1.
std::string PillarLabelText(int labelMode, const PlanGeometry& g, int mode, const PlanLayout& l,
                            const PlanLabelValues& v, int i, int j);

// The caption line of the plan window for a label mode, with the unit labels the load bearing
// capacity report used: "KORA: " + title + ".  Entries shown from left to right." (a label mode
// outside 1..5 counts as 1).
std::string PlanCaption(int labelMode, int unitSystem, int outputStrUnits, int outputStrGradUnits);

} // namespace kora
