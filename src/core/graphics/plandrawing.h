#pragma once

#include "core/graphics/planlayout.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kora {

struct Settings;

// What a plan drawing shows besides the pillar outlines, and in which units its labels are.
struct PlanDrawOptions {
    int LabelMode = 1;          // PlanLabelMode: 1 dimensions, 2 strength, 3 strength (R),
                                // 4 capacity, 5 capacity (R)
    bool PlanWindowCase = true; // false inside the parameters dialog: outlines only
    std::int16_t PlotEntryDims = 1;
    std::int16_t PlotXcutDims = 1;
    std::int16_t OutputStrUnits = 0;
    std::int16_t OutputStrGradUnits = 0;
    int UnitSystem = 0;

    static PlanDrawOptions from(const Settings& s, int unitSystem, int labelMode,
                                bool planWindowCase);
};

enum class PlanLineKind { Outline, Dimension, Tick };

// A straight line in world coordinates.
struct PlanLine {
    float X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    PlanLineKind Kind = PlanLineKind::Outline;

    bool operator==(const PlanLine&) const = default;
};

enum class PlanTextKind { EntryDimension, CrosscutDimension, PillarLabel, Caption };

// Current: the surface's own font, unrotated. RotatedArial: face "Arial", height 1.5 times the
// surface's font size, normal weight, rotated counter-clockwise by Angle degrees about the
// current position; the surface's font is in use again afterwards.
enum class PlanTextFont { Current, RotatedArial };

// Corrections the painter applies to (X, Y) once it knows the width w of the text measured in the
// surface's current font, in world units: HalfWidthLeft moves the current x by -w/2 (text centred
// on X), HalfWidthDown moves the current y by -w/2 (upright text centred on Y along a vertical
// line).
enum class PlanTextShift { None, HalfWidthLeft, HalfWidthDown };

// A text printed at the surface's current position (X, Y) in world coordinates, exactly as the
// surface prints at its current position: the top-left corner of the text's box, rotated with
// the text for rotated fonts.
struct PlanText {
    std::string Text;
    float X = 0, Y = 0;
    float Angle = 0;
    PlanTextFont Font = PlanTextFont::Current;
    PlanTextShift Shift = PlanTextShift::None;
    PlanTextKind Kind = PlanTextKind::Caption;

    bool operator==(const PlanText&) const = default;
};

// Everything a painter needs for one plan: the world (x from 0 at the left to PlotW, y from 0 at
// the bottom to PlotH at the top), the lines and the texts, in painting order. When Valid is
// false the lists are empty and the plan window says InvalidPlanMessage instead.
struct PlanDrawing {
    bool Valid = false;
    float PlotW = 0;
    float PlotH = 0;
    std::vector<PlanLine> Lines;
    std::vector<PlanText> Texts;
};

// Describes a computed layout as the plan window (or the parameters dialog's picture) draws it:
// the outline of every drawn pillar (corners 1-2-4-3); in the plan window case also the entry
// spacing dimensions (row 1), the crosscut spacing dimensions (every row), each with ticks of
// half-length PlotW / 75, the pillar labels (row 4) and the caption at (10, PlotH). Primitives
// that coincide exactly (the crosscut dimensions of all columns share one line unless the
// crosscuts are angled, and the caption belongs to every pillar) are listed once.
PlanDrawing DescribePlan(const PlanGeometry& g, int mode, const PlanLayout& l,
                         const PlanDrawOptions& options, const PlanLabelValues& values);

} // namespace kora
