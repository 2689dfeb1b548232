#pragma once

#include "core/model/graphcurves.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace kora {

// The four graph kinds of the Output menu: the quantity the chart sweep varies.
inline constexpr int GraphKinds = 4; // 0 entry height, 1 depth of cover, 2 panel width,
                                     // 3 crosscut spacing

// How the chart of stability factors looks: one set for the whole program run, kept in the
// "Graph" section of the settings file, edited by the chart options dialog and read back from
// the open chart. The member initialisers are the initial defaults of a new settings file; the
// defaults the chart resets to are those of ResetGraphParams.
struct ChartParams {
    std::int16_t GraphParamSource = 0; // 0 the default format parameters, 1 the last used ones
    std::int16_t GridStyle = 0;        // 0 none, 1 horizontal, 2 vertical, 3 both grids
    std::int16_t GraphStyle = 3;       // 1 lines only, 2 symbols only, 3 lines and symbols
    std::int16_t CurveLegend = 1;      // 1: the curve labels are shown in the legend
    std::int16_t SymbolSize = 5;       // 3..20
    std::int16_t TitleUnits = 0;       // the unit system the X-axis titles were built for
    std::string GraphTitle = "KORA";
    std::array<std::string, GraphKinds> XAxisTitle; // one per graph kind
    std::array<std::string, 1> YAxisTitle;
    // Chart all five loading conditions instead of development and headgate loading only.
    std::int16_t ShowAllConditions = 0;
};

inline constexpr int MinSymbolSize = 3;
inline constexpr int MaxSymbolSize = 20;

// "Entry Height", "Depth of Cover", "Panel Width", "Crosscut Spacing"; "" for another kind.
std::string DefaultXAxisTitle(int kind);

// Back to the defaults: the default X-axis titles with the length unit of `unitSystem`,
// "Stability Factor", the program title, no grid, lines and symbols, the legend on, symbol size 5,
// and TitleUnits = `unitSystem`. The source of the parameters and the all-conditions choice are
// the user's and stay.
void ResetGraphParams(ChartParams& params, int unitSystem);

// The reset rule of a new chart: the kind's X-axis title is empty, or the titles were built for
// another unit system.
bool GraphTitlesNeedReset(const ChartParams& params, int kind, int unitSystem);

inline bool HorizontalGrid(int gridStyle) {
    return gridStyle == 1 || gridStyle == 3;
}
inline bool VerticalGrid(int gridStyle) {
    return gridStyle == 2 || gridStyle == 3;
}
inline int GridStyleOf(bool horizontal, bool vertical) {
    return (horizontal ? 1 : 0) + (vertical ? 2 : 0);
}
inline bool StyleHasLines(int graphStyle) {
    return graphStyle == 1 || graphStyle == 3;
}
inline bool StyleHasSymbols(int graphStyle) {
    return graphStyle == 2 || graphStyle == 3;
}

// The curve table: curve s (1-based) is loading condition s, labelled SeriesLabel(s - 1) and drawn
// in CurveColor(s - 1), a colour value with red in the low byte and blue in the high byte.
// Indexes outside 0..5 give "" and 0.
std::string SeriesLabel(int index);
std::uint32_t CurveColor(int index);

// The colour curve s is drawn in, as 0xRRGGBB. The table's small values 4 and 5 are read as the
// classic sixteen-colour palette's dark red and purple, so the isolated-loading curve does not
// look like the black bleeder curve.
std::uint32_t CurveRgb(int index);

// Curves in a chart: development and headgate loading, or all five loading conditions.
inline constexpr int DescribedCurves = 2;
inline constexpr int AllConditionCurves = 5;
inline int NumCurvesFor(const ChartParams& params) {
    return params.ShowAllConditions != 0 ? AllConditionCurves : DescribedCurves;
}

// One charted curve: its label and its points. The values are the decimal numbers the program
// prints for the single-precision results (at most 7 significant digits).
struct ChartSeries {
    std::string label;
    std::vector<double> x;
    std::vector<double> y;
};

// Curves 1..numCurves (at most 5) of the last sweep, from the (R) results when `revised`, else
// from the Classic ones. The isolated-loading curve comes from every sweep kind.
std::vector<ChartSeries> ChartSeriesOf(const GraphCurves& curves, bool revised, int numCurves);

} // namespace kora
