#include "core/graphics/plandrawing.h"

#include "core/base/numberformat.h"
#include "core/model/settings.h"

#include <algorithm>
#include <cmath>

namespace kora {

namespace {

// Collects the primitives, listing once those that coincide on any surface: positions that
// differ only by single-precision rounding (far below a millionth of the world) count as equal,
// so that overdrawn antialiased text does not turn bold.
class Builder {
public:
    explicit Builder(PlanDrawing& d) : m_d(d), m_tolerance(1e-6 * double(d.PlotW)) {}

    void line(double x1, double y1, double x2, double y2, PlanLineKind kind) {
        const PlanLine item{float(x1), float(y1), float(x2), float(y2), kind};
        const bool known = std::any_of(m_d.Lines.begin(), m_d.Lines.end(), [&](const PlanLine& l) {
            return l.Kind == item.Kind && near(l.X1, item.X1) && near(l.Y1, item.Y1) &&
                   near(l.X2, item.X2) && near(l.Y2, item.Y2);
        });
        if (!known) m_d.Lines.push_back(item);
    }

    void text(std::string s, double x, double y, float angle, PlanTextFont font,
              PlanTextShift shift, PlanTextKind kind) {
        PlanText item{std::move(s), float(x), float(y), angle, font, shift, kind};
        const bool known = std::any_of(m_d.Texts.begin(), m_d.Texts.end(), [&](const PlanText& t) {
            return t.Kind == item.Kind && t.Text == item.Text && t.Angle == item.Angle &&
                   t.Font == item.Font && t.Shift == item.Shift && near(t.X, item.X) &&
                   near(t.Y, item.Y);
        });
        if (!known) m_d.Texts.push_back(std::move(item));
    }

private:
    bool near(float a, float b) const { return std::abs(double(a) - b) <= m_tolerance; }

    PlanDrawing& m_d;
    double m_tolerance;
};

void describePillar(const PlanGeometry& g, int mode, const PlanLayout& l, const PlanDrawOptions& o,
                    const PlanLabelValues& v, int i, int j, Builder& b) {
    const float x1 = l.x1[i][j], y1 = l.y1[i][j], x2 = l.x2[i][j], y2 = l.y2[i][j];
    const float x3 = l.x3[i][j], y3 = l.y3[i][j], x4 = l.x4[i][j], y4 = l.y4[i][j];
    b.line(x1, y1, x2, y2, PlanLineKind::Outline);
    b.line(x2, y2, x4, y4, PlanLineKind::Outline);
    b.line(x4, y4, x3, y3, PlanLineKind::Outline);
    b.line(x3, y3, x1, y1, PlanLineKind::Outline);
    if (!o.PlanWindowCase) return;

    const double e = g.PlanEntryWidth;
    const double tick = double(l.PlotW) / 75;

    if (o.PlotEntryDims == 1 && j == 1) {
        const double y = y1 - double(g.PlanXcutSpacing) / 2;
        const double left = x1 - e / 2;
        const double right = x3 + e / 2;
        b.line(left, y, right, y, PlanLineKind::Dimension);
        b.line(left, y - tick, left, y + tick, PlanLineKind::Tick);
        b.line(right, y - tick, right, y + tick, PlanLineKind::Tick);
        b.text(Format(right - left, "#0"), (left + right) / 2, y, 0, PlanTextFont::Current,
               PlanTextShift::HalfWidthLeft, PlanTextKind::EntryDimension);
    }

    if (o.PlotXcutDims == 1) {
        const double pitch = mode == 1 ? g.DrawXcutSpacing[i] : g.PlanXcutSpacing;
        const double x =
            mode == 1 ? double(i) / g.PlanEntries * l.PlotMargin : double(l.PlotMargin) / 2;
        const double bottom = y1 - e / 2;
        const double top = bottom + pitch;
        b.line(x, bottom, x, top, PlanLineKind::Dimension);
        b.line(x - tick, bottom, x + tick, bottom, PlanLineKind::Tick);
        b.line(x - tick, top, x + tick, top, PlanLineKind::Tick);
        b.text(Format(pitch, "#0"), x, (bottom + top) / 2, 90, PlanTextFont::RotatedArial,
               PlanTextShift::HalfWidthDown, PlanTextKind::CrosscutDimension);
    }

    if (j == 4) {
        b.text(PillarLabelText(o.LabelMode, g, mode, l, v, i, j), x1 + 0.15 * (double(x3) - x1),
               y1 + 0.5 * (double(y4) - y1), PillarLabelAngle(g, mode, i),
               PlanTextFont::RotatedArial, PlanTextShift::None, PlanTextKind::PillarLabel);
    }

    b.text(PlanCaption(o.LabelMode, o.UnitSystem, o.OutputStrUnits, o.OutputStrGradUnits), 10,
           l.PlotH, 0, PlanTextFont::Current, PlanTextShift::None, PlanTextKind::Caption);
}

} // namespace

PlanDrawOptions PlanDrawOptions::from(const Settings& s, int unitSystem, int labelMode,
                                      bool planWindowCase) {
    PlanDrawOptions o;
    o.LabelMode = labelMode;
    o.PlanWindowCase = planWindowCase;
    o.PlotEntryDims = s.PlotEntryDims;
    o.PlotXcutDims = s.PlotXcutDims;
    o.OutputStrUnits = s.OutputStrUnits;
    o.OutputStrGradUnits = s.OutputStrGradUnits;
    o.UnitSystem = unitSystem;
    return o;
}

PlanDrawing DescribePlan(const PlanGeometry& g, int mode, const PlanLayout& l,
                         const PlanDrawOptions& options, const PlanLabelValues& values) {
    PlanDrawing d;
    if (!PlanDrawable(l)) return d;
    d.Valid = true;
    d.PlotW = l.PlotW;
    d.PlotH = l.PlotH;
    Builder b(d);
    for (int i = 1; i <= l.PillarDrawn.size(); ++i) {
        for (int j = 1; j <= l.PillarDrawn[i].size(); ++j) {
            if (l.PillarDrawn[i][j] == 1) describePillar(g, mode, l, options, values, i, j, b);
        }
    }
    return d;
}

} // namespace kora
