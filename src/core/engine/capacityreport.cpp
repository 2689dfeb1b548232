#include "core/engine/capacityreport.h"

#include "core/base/numberformat.h"
#include "core/base/textutil.h"
#include "core/base/unitconstants.h"
#include "core/model/unitsystems.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace kora {

namespace {

double psfToKPa(float v) {
    return v * PsiPerPsf * PascalPerPsi / 1000;
}

std::string perLength(const CapacityUnits& u) {
    return u.load + " /" + u.length + " of gate entry";
}

// The output-unit copies of the Classic and (R) unit strengths: kPa in Metric projects, psf or
// psi in English ones by the option; an option value other than 0 or 1 leaves them as they were.
void outputStrengths(bool metric, WorkingSet& w, const ReportOptions& options) {
    const int n = w.NumPillars;
    for (int j = 1; j <= n; ++j) {
        if (metric) {
            w.UnitStrengthOut[j] = float(psfToKPa(w.UnitStrength[j]));
            w.UnitStrengthROut[j] = float(psfToKPa(w.UnitStrengthR[j]));
        } else if (options.OutputStrUnits == 1) {
            w.UnitStrengthOut[j] = w.UnitStrength[j];
            w.UnitStrengthROut[j] = w.UnitStrengthR[j];
        } else if (options.OutputStrUnits == 0) {
            w.UnitStrengthOut[j] = float(w.UnitStrength[j] * PsiPerPsf);
            w.UnitStrengthROut[j] = float(w.UnitStrengthR[j] * PsiPerPsf);
        }
    }
}

// The output-unit copies of the capacities and their totals: kN per m in Metric projects, lbs or
// tons per ft in English ones by the option; another option value leaves them as they were.
void outputCapacities(bool metric, WorkingSet& w, const ReportOptions& options) {
    const int n = w.NumPillars;
    if (metric) {
        for (int j = 1; j <= n; ++j) {
            w.CapacityOut[j] = float(w.Capacity[j] * KNmPerLbft);
            w.CapacityROut[j] = float(w.CapacityR[j] * KNmPerLbft);
        }
        w.TotalCapacityOut = float(w.TotalCapacity * KNmPerLbft);
        w.TotalCapacityROut = float(w.TotalCapacityR * KNmPerLbft);
    } else if (options.OutputStrGradUnits == 0) {
        for (int j = 1; j <= n; ++j) {
            w.CapacityOut[j] = w.Capacity[j];
            w.CapacityROut[j] = w.CapacityR[j];
        }
        w.TotalCapacityOut = w.TotalCapacity;
        w.TotalCapacityROut = w.TotalCapacityR;
    } else if (options.OutputStrGradUnits == 1) {
        for (int j = 1; j <= n; ++j) {
            w.CapacityOut[j] = float(w.Capacity[j] / PoundsPerTon);
            w.CapacityROut[j] = float(w.CapacityR[j] / PoundsPerTon);
        }
        w.TotalCapacityOut = float(w.TotalCapacity / PoundsPerTon);
        w.TotalCapacityROut = float(w.TotalCapacityR / PoundsPerTon);
    }
}

// Rows of the capacity page: the label padded with dots to the value column, then the value.
constexpr int ValueColumn = 65;

void appendRow(std::string& page, const std::string& paddedLabel, const std::string& value) {
    page += paddedLabel;
    page += value;
    page += CRLF;
}

// Page 2, one block per pillar column: its width and length in the project's length unit, its
// width/height ratio, and its Classic unit strength and capacity followed by the (R) ones. After
// a sizing run the (R) pass sized its own pillars, so their blocks follow separately.
void appendPillarBlocks(std::string& page, const WorkingSet& w, const CapacityUnits& u) {
    const int n = w.NumPillars;
    // The working set keeps feet.
    auto length = [&](float feet) { return Format(LengthOut(u, feet), "##0.0"); };
    const std::string width = PadDots("  for Pillar Width" + u.length, ValueColumn);
    const std::string pillarLength = PadDots("  and Pillar Length" + u.length, ValueColumn);
    const std::string ratio = PadDots("  Width/Height Ratio", ValueColumn);
    const std::string strength = PadDots("  Unit Pillar Strength" + u.stress, ValueColumn);
    const std::string capacity =
        PadDots("  Pillar Load Bearing Capacity" + perLength(u), ValueColumn);
    const std::string strengthR = PadDots("  Unit Pillar Strength (R)" + u.stress, ValueColumn);
    const std::string capacityR =
        PadDots("  Pillar Load Bearing Capacity (R)" + perLength(u), ValueColumn);

    page.reserve(page.size() + 1024 + static_cast<std::size_t>(n) * 1000);
    for (int j = 1; j <= n; ++j) {
        page += "PILLAR #" + std::to_string(j) + CRLF;
        appendRow(page, width, length(w.PillarWidth[j]));
        appendRow(page, pillarLength, length(w.PillarLength[j]));
        const double whRatio =
            w.SizingRun ? double(w.PillarWidth[j]) / w.WkHeight : double(w.WHRatio[j]);
        appendRow(page, ratio, Format(whRatio, "##0.00"));
        appendRow(page, strength, Format(w.UnitStrengthOut[j], "##0"));
        appendRow(page, capacity, Format(w.CapacityOut[j], "0.00E+00"));
        page += CRLF;
        if (!w.SizingRun) {
            appendRow(page, strengthR, Format(w.UnitStrengthROut[j], "##0"));
            appendRow(page, capacityR, Format(w.CapacityROut[j], "0.00E+00"));
            page += CRLF;
        }
    }
    if (!w.SizingRun) return;
    for (int j = 1; j <= n; ++j) {
        page += "PILLAR #" + std::to_string(j) + " (Revised Pillar Strengh)" + CRLF;
        appendRow(page, width, length(w.PillarWidthAlt[j]));
        appendRow(page, pillarLength, length(w.PillarLengthAlt[j]));
        appendRow(page, ratio, Format(double(w.PillarWidthAlt[j]) / w.WkHeight, "##0.00"));
        appendRow(page, strengthR, Format(w.UnitStrengthROut[j], "##0"));
        appendRow(page, capacityR, Format(w.CapacityROut[j], "0.00E+00"));
        page += CRLF;
    }
}

// Page 2, the end: the total capacity of the pillar system by both models and, when the options
// ask for it, where to see the plots.
void appendSystemTotals(std::string& page, const WorkingSet& w, const CapacityUnits& u,
                        const ReportOptions& options) {
    const std::string totalLabel = PadDots("  Total Load" + perLength(u), ValueColumn);
    page += CRLF;
    page += "TOTAL PILLAR SYSTEM LOAD BEARING CAPACITY [KORA Classic]";
    page += CRLF;
    appendRow(page, totalLabel, Format(w.TotalCapacityOut, "0.00E+00"));
    page += CRLF;
    page += "TOTAL PILLAR SYSTEM LOAD BEARING CAPACITY [KORA (R)]";
    page += CRLF;
    appendRow(page, totalLabel, Format(w.TotalCapacityROut, "0.00E+00"));
    if (options.PrintPlotReminder == 1) {
        page += CRLF;
        page += "To view the distribution of Unit Pillar Loading\r\n"
                "select 'View Plots->Settings->Unit Pillar Loading'\r\n"
                "To view the distribution of Load Bearing Capacity\r\n"
                "select 'View Plots->Settings->Load Bearing Capacity'\r\n";
    }
    page += "\r\n\r\n\r\n";
}

// Page 3: the five design loads in the load unit, right-aligned to the widest of them.
std::string designLoadPage(const WorkingSet& w, const CapacityUnits& u,
                           const ReportOptions& options) {
    ConditionArray loads;
    for (int k = 1; k <= 5; ++k) loads[k] = DesignLoadOut(u, w, options, k);
    std::string page = "[DESIGN LOADINGS ON PILLAR SYSTEM" + perLength(u) + "]" + CRLF + CRLF;
    OneBased<std::string, 5> loadText;
    std::size_t fieldWidth = 0;
    for (int k = 1; k <= 5; ++k) {
        loadText[k] = Format(loads[k], "#,000");
        fieldWidth = std::max(fieldWidth, loadText[k].size());
    }
    static constexpr const char* conditionLabels[5] = {
        "    Development Loading", "    Headgate Loading", "    Bleeder Loading",
        "*** Tailgate Loading", "    Isolated Loading"};
    page.reserve(page.size() + 5 * 80 + 6);
    for (int k = 1; k <= 5; ++k) {
        page += PadDots(conditionLabels[k - 1], 55);
        page += PadLeft(loadText[k], static_cast<int>(fieldWidth));
        page += CRLF;
    }
    page += "\r\n\r\n\r\n";
    return page;
}

// The loading of each pillar column: the development load shared by tributary width, the
// abutment part by each column's share of the side abutment load (psf), and the copies of the
// development, headgate and bleeder loadings in the stress unit.
void individualPillarLoads(bool metric, WorkingSet& w, const ReportOptions& options) {
    const int n = w.NumPillars;
    float cumulativeWidth = 0;
    for (int j = 1; j <= n; ++j) {
        cumulativeWidth = float(double(cumulativeWidth) + w.PillarCenters[j]);
        w.CumShare[j] =
            float(1 - std::pow((double(w.AbutExtent) - cumulativeWidth) / w.AbutExtent, 3));
        if (w.CumShare[j] > 1) w.CumShare[j] = 1;
        w.IncShare[j] = j == 1 ? w.CumShare[1] : float(double(w.CumShare[j]) - w.CumShare[j - 1]);
    }
    for (int j = 1; j <= n; ++j) {
        const double X = w.AdvCalc != 0 ? double(w.XcutSpacingFt[j]) : double(w.WkXcutSpacing);
        const double area = double(w.PillarW0[j]) * w.PillarLength[j];
        w.UnitLoad[1][j] = float(X * w.DesignLoad[1] * w.PillarCenters[j] /
                                 (double(w.SystemWidth) * w.PillarW0[j] * w.PillarLength[j]));
        for (int k = 2; k <= 5; ++k) {
            const double abutment = double(w.DesignLoad[k]) - w.DesignLoad[1];
            if (w.AdvCalc != 0)
                w.UnitLoad[k][j] =
                    float(abutment * w.IncShare[j] * w.XcutSpacingFt[j] / area + w.UnitLoad[1][j]);
            else
                w.UnitLoad[k][j] = float(abutment * (1 / double(w.AbutFraction)) * w.IncShare[j] *
                                             w.WkXcutSpacing / area +
                                         w.UnitLoad[1][j]);
        }
    }
    for (int k = 1; k <= 3; ++k) {
        for (int j = 1; j <= n; ++j) {
            if (metric)
                w.UnitLoadOut[k][j] = float(psfToKPa(w.UnitLoad[k][j]));
            else if (options.OutputStrUnits == 1)
                w.UnitLoadOut[k][j] = w.UnitLoad[k][j];
            else if (options.OutputStrUnits == 0)
                w.UnitLoadOut[k][j] = float(w.UnitLoad[k][j] * PsiPerPsf);
        }
    }
}

// Page 4: one column per pillar with its development, headgate and bleeder loading and its
// Classic and (R) unit strength, in the stress unit.
std::string individualLoadingPage(const WorkingSet& w, const CapacityUnits& u) {
    const int n = w.NumPillars;
    std::string page;
    page.reserve(512 + static_cast<std::size_t>(n) * 80);
    page += "[INDIVIDUAL PILLAR LOADING";
    page += u.stress;
    page += "]\r\n\r\n   LOADING       ";
    for (int j = 1; j <= n; ++j) page += "       PILLAR";
    page += "\r\n   CONDITION     ";
    for (int j = 1; j <= n; ++j) {
        page += "           #";
        page += std::to_string(j);
    }
    auto appendColumns = [&](const char* label, auto value) {
        page += "\r\n";
        page += label;
        for (int j = 1; j <= n; ++j) page += PadLeft(Format(value(j), "0"), 13);
    };
    static constexpr const char* rowLabels[3] = {"Development      ", "Headgate         ",
                                                 "Bleeder          "};
    for (int k = 1; k <= 3; ++k)
        appendColumns(rowLabels[k - 1], [&](int j) { return w.UnitLoadOut[k][j]; });
    appendColumns("Unit Pill.Str.   ", [&](int j) { return w.UnitStrengthOut[j]; });
    appendColumns("Unit Pill.Str.(R)", [&](int j) { return w.UnitStrengthROut[j]; });
    page += "\r\n\r\nNOTE:  INDIVIDUAL PILLAR LOADINGS DO NOT CONSIDER LOAD\r\n"
            "       TRANSFER DUE TO PILLAR YIELDING!\r\n\r\n";
    return page;
}

} // namespace

CapacityUnits CapacityReportUnits(const ProjectRecord& p, const ReportOptions& options) {
    CapacityUnits u;
    u.metric = p.UnitSystem != English;
    if (u.metric)
        u.stress = UnitLabel(Metric, unit::SmallStress);
    else if (options.OutputStrUnits == 1)
        u.stress = UnitLabel(English, unit::SmallStress);
    else if (options.OutputStrUnits == 0)
        u.stress = UnitLabel(English, unit::Stress);
    u.load = !u.metric && options.OutputStrGradUnits == 1 ? UnitLabel(English, unit::LoadTons)
                                                          : UnitLabel(p.UnitSystem, unit::Load);
    u.length = UnitLabel(p.UnitSystem, unit::Length);
    return u;
}

double LengthOut(const CapacityUnits& units, float feet) {
    return units.metric ? feet / FeetPerMetre : double(feet);
}

float DesignLoadOut(const CapacityUnits& units, const WorkingSet& w, const ReportOptions& options,
                    int k) {
    if (units.metric) return float(w.DesignLoad[k] * KNmPerLbft);
    if (options.OutputStrGradUnits == 1) return float(w.DesignLoad[k] / PoundsPerTon);
    return w.DesignLoad[k];
}

void ReportLoadCapacity(int kind, const ProjectRecord& p, WorkingSet& w, ReportBuffer& report,
                        const ReportOptions& options, Messenger& messenger) {
    const CapacityUnits u = CapacityReportUnits(p, options);
    outputStrengths(u.metric, w, options);
    outputCapacities(u.metric, w, options);

    std::string page2;
    if (kind == 1)
        page2 = "[PILLAR LOAD BEARING CAPACITY]" + std::string(CRLF) + CRLF;
    else if (kind == 2)
        page2 = "[PILLAR LOAD BEARING CAPACITY FOR TAILGATE LOADING]" + std::string(CRLF) + CRLF;
    else
        page2 = report.OutBuf[2];
    appendPillarBlocks(page2, w, u);
    appendSystemTotals(page2, w, u, options);

    std::string page3 = designLoadPage(w, u, options);
    individualPillarLoads(u.metric, w, options);
    std::string page4 = individualLoadingPage(w, u);

    report.OutBuf[2] = std::move(page2);
    report.OutBuf[3] = std::move(page3);
    report.OutBuf[4] = std::move(page4);
    messenger.AddHistory("Additional output calculated");
}

} // namespace kora
