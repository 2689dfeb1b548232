#include "core/model/chartparams.h"

#include "core/base/messenger.h"
#include "core/base/numberformat.h"
#include "core/model/unitsystems.h"

#include <algorithm>
#include <charconv>

namespace kora {

namespace {

constexpr const char* XAxisTitles[GraphKinds] = {"Entry Height", "Depth of Cover", "Panel Width",
                                                 "Crosscut Spacing"};

struct CurveEntry {
    const char* label;
    std::uint32_t color;
};

// Blue, indian red, black, dark green; the isolated and spare entries keep their small values.
constexpr CurveEntry CurveTable[6] = {
    {"Development Loading", 0xFF0000},
    {"Headgate Loading", 0x5C5CCD},
    {"Bleeder Loading", 0},
    {"TAILGATE Loading", 0x006400},
    {"Isolated", 4},
    {"", 5},
};

// The value as the program prints it (general form, at most 7 significant digits), as a double.
double asDecimal(float v) {
    const std::string text = FormatGeneral(v);
    double d = v;
    std::from_chars(text.data(), text.data() + text.size(), d);
    return d;
}

std::string trimmedLabel(const std::string& s) {
    const auto first = s.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

} // namespace

std::string DefaultXAxisTitle(int kind) {
    return kind >= 0 && kind < GraphKinds ? XAxisTitles[kind] : "";
}

void ResetGraphParams(ChartParams& params, int unitSystem) {
    for (int i = 0; i < GraphKinds; ++i)
        params.XAxisTitle[static_cast<std::size_t>(i)] =
            DefaultXAxisTitle(i) + UnitLabel(unitSystem, unit::Length);
    params.YAxisTitle[0] = "Stability Factor";
    params.GraphTitle = ProgramTitle;
    params.GridStyle = 0;
    params.GraphStyle = 3;
    params.CurveLegend = 1;
    params.SymbolSize = 5;
    params.TitleUnits = static_cast<std::int16_t>(unitSystem);
}

bool GraphTitlesNeedReset(const ChartParams& params, int kind, int unitSystem) {
    if (kind < 0 || kind >= GraphKinds) return false;
    return params.XAxisTitle[static_cast<std::size_t>(kind)].empty() ||
           params.TitleUnits != unitSystem;
}

std::string SeriesLabel(int index) {
    return index >= 0 && index < 6 ? CurveTable[index].label : "";
}

std::uint32_t CurveColor(int index) {
    return index >= 0 && index < 6 ? CurveTable[index].color : 0;
}

std::uint32_t CurveRgb(int index) {
    const std::uint32_t c = CurveColor(index);
    // The classic sixteen-colour palette, for the table's small values (4 dark red, 5 purple).
    constexpr std::uint32_t palette[16] = {
        0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
        0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
    if (c > 0 && c < 16) return palette[c];
    return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}

std::vector<ChartSeries> ChartSeriesOf(const GraphCurves& curves, bool revised, int numCurves) {
    std::vector<ChartSeries> out;
    const int n = std::min(curves.NumGraphPoints, curves.rows());
    for (int s = 1; s <= numCurves && s <= AllConditionCurves; ++s) {
        ChartSeries series;
        series.label = trimmedLabel(SeriesLabel(s - 1));
        for (int p = 1; p <= n; ++p) {
            const float x = revised ? curves.CurvesR(0, p) : curves.CurvesClassic(0, p);
            float y = revised ? curves.CurvesR(s, p) : curves.CurvesClassic(s, p);
            if (s == 5) y = revised ? curves.IsolatedR(p) : curves.IsolatedClassic(p);
            series.x.push_back(asDecimal(x));
            series.y.push_back(asDecimal(y));
        }
        out.push_back(std::move(series));
    }
    return out;
}

} // namespace kora
