#include "core/report/inputlisting.h"

#include "core/base/numberformat.h"
#include "core/base/textutil.h"
#include "core/model/projectrecord.h"
#include "core/model/reportbuffer.h"
#include "core/model/settings.h"
#include "core/model/unitsystems.h"
#include "core/model/workingset.h"
#include "core/project/description.h"
#include "core/report/buildstring.h"

#include <string>
#include <string_view>

namespace kora {

namespace {

constexpr int LabelWidth = 50;
constexpr std::string_view Degrees = " (deg)";

class Listing {
public:
    explicit Listing(std::string& page) : m_page(page) { m_page.clear(); }

    void line(std::string_view text = {}) {
        m_page += text;
        m_page += CRLF;
    }

    void value(std::string_view label, float v, std::string_view unitLabel = {}) {
        line(PadDots(label, LabelWidth) + FormatGeneral(v) + std::string(unitLabel));
    }

private:
    std::string& m_page;
};

std::string numbered(std::string_view label, int i) {
    return std::string(label) + Format(i, "0");
}

} // namespace

void LoadOutBuf0(bool mode, const ProjectRecord& p, const WorkingSet& w, const Settings& settings,
                 ReportBuffer& buffer) {
    Listing out(buffer.OutBuf[0]);
    const int units = p.UnitSystem;
    const std::string& length = UnitLabel(units, unit::Length);
    const int columns = p.NumEntries - 1;

    if (settings.PrintModuleHeader == 1) {
        out.line("KORA module build: " + BuildString());
        out.line(WrapText("Project File: " + p.ProjectPath, 70));
        out.line("Input Units: " + UnitLabel(units, unit::Length) + UnitLabel(units, unit::Stress));
        out.line();
    }

    out.line("[PROJECT TITLE]");
    out.line(p.ProjectTitle);
    out.line();

    out.line("[PROJECT DESCRIPTION]");
    out.line(NormalizeDescription(p.ProjectDescription));
    out.line();

    out.line("[GEOMETRY PARAMETERS]");
    out.value("Entry Height", p.EntryHeight, length);
    out.value("Depth of Cover", p.DepthOfCover, length);
    out.value("Panel Width", p.PanelWidth, length);
    out.value("Entry Width", p.EntryWidth, length);
    out.value("Number of Entries", p.NumEntries);
    for (int i = 1; i <= columns; ++i)
        out.value(numbered("Center to Center Distance #", i), p.CenterDistance[i], length);

    const bool advancedBlock = mode ? w.AdvCalc != 0 : p.AdvGeometry == 1;
    if (!mode || w.AdvCalc == 0) out.value("Crosscut Spacing", p.CrosscutSpacing, length);
    if (advancedBlock) {
        out.line();
        out.line("[ADVANCED GEOMETRY PARAMETERS]");
        for (int i = 1; i <= columns; ++i) {
            out.value(numbered("Angle for Pillar Column#", i), p.XcutAngle[i], Degrees);
            out.value(numbered("Crosscut Spacing for Pillar Column#", i), p.XcutSpacing[i], length);
        }
    }

    out.line();
    out.line("[DEFAULT PARAMETERS]");
    out.value("In Situ Coal Strength", p.CoalStrength, UnitLabel(units, unit::Stress));
    out.value("Abutment Angle", p.AbutmentAngle, Degrees);
    out.value("Unit Weight of Overburden", p.UnitWeight, UnitLabel(units, unit::UnitWeight));
    out.line();

    if (w.SizingRun) {
        out.line("[PILLAR SIZING PARAMETERS]");
        out.line(PadDots("Pillar Configuration Mode", LabelWidth) + ConfigModeName(p.ConfigMode));
        if (p.UseCMRR == 0) {
            out.value("Headgate Stability Factor", p.HeadgateSF);
            out.value("Tailgate Stability Factor", p.TailgateSF);
            out.value("Bleeder  Stability Factor", p.BleederSF);
        } else {
            out.line("Calculating Stability Factors from CMRR Values");
            out.value("CMRR Value:", p.CMRRValue);
        }
        if (p.ConfigMode == 1 || p.ConfigMode == 2)
            out.value("Yield Pillar Width", p.YieldPillarWidth, length);
        out.line();
    }
}

} // namespace kora
