#include "engine/capacityreport.h"

#include "project/unitsystems.h"
#include "report/numberformat.h"
#include "report/textutil.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace kora {

namespace {

constexpr double PsiPerPsf = 0.006944444444444444;
constexpr double PascalPerPsi = 6894.757293;
constexpr double KNmPerLbft = 0.01459389924341607;

double psfToKPa(float v) { return v * PsiPerPsf * PascalPerPsi / 1000; }

std::string row(const std::string& label, const std::string& value) {
    return PadDots(label, 65) + value + CRLF;
}

} // namespace

void ReportLoadCapacity(int kind, const ProjectRecord& p, WorkingSet& w, ReportBuffer& report,
                        const ReportOptions& options, Messenger& messenger) {
    const bool metric = p.UnitSystem != English;
    const int n = w.NumPillars;

    std::string page2;
    if (kind == 1) page2 = "[PILLAR LOAD BEARING CAPACITY]" + std::string(CRLF) + CRLF;
    else if (kind == 2)
        page2 = "[PILLAR LOAD BEARING CAPACITY FOR TAILGATE LOADING]" + std::string(CRLF) + CRLF;
    else page2 = report.OutBuf[2];

    // Stresses: kPa in Metric projects, psf or psi in English ones.
    std::string stressLabel;
    if (metric) {
        stressLabel = UnitLabel(Metric, unit::SmallStress);
        for (int j = 1; j <= n; ++j) {
            w.UnitStrengthOut[j] = float(psfToKPa(w.UnitStrength[j]));
            w.UnitStrengthROut[j] = float(psfToKPa(w.UnitStrengthR[j]));
        }
    } else if (options.OutputStrUnits == 1) {
        stressLabel = UnitLabel(English, unit::SmallStress);
        for (int j = 1; j <= n; ++j) {
            w.UnitStrengthOut[j] = w.UnitStrength[j];
            w.UnitStrengthROut[j] = w.UnitStrengthR[j];
        }
    } else if (options.OutputStrUnits == 0) {
        stressLabel = UnitLabel(English, unit::Stress);
        for (int j = 1; j <= n; ++j) {
            w.UnitStrengthOut[j] = float(w.UnitStrength[j] * PsiPerPsf);
            w.UnitStrengthROut[j] = float(w.UnitStrengthR[j] * PsiPerPsf);
        }
    }

    // Loads per length of gate entry: kN per m in Metric projects, lbs or tons per ft in English.
    std::string loadLabel = UnitLabel(p.UnitSystem, unit::Load);
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
        loadLabel = UnitLabel(English, unit::LoadTons);
        for (int j = 1; j <= n; ++j) {
            w.CapacityOut[j] = float(w.Capacity[j] / 2000.0);
            w.CapacityROut[j] = float(w.CapacityR[j] / 2000.0);
        }
        w.TotalCapacityOut = float(w.TotalCapacity / 2000.0);
        w.TotalCapacityROut = float(w.TotalCapacityR / 2000.0);
    }

    // Widths and lengths are printed in the project's length unit; the working set keeps feet.
    const std::string& lengthLabel = UnitLabel(p.UnitSystem, unit::Length);
    auto length = [&](float feet) {
        return Format(metric ? feet / FeetPerMetre : double(feet), "##0.0");
    };
    const std::string capacityLabel =
        "  Pillar Load Bearing Capacity" + loadLabel + " /" + lengthLabel + " of gate entry";
    const std::string capacityLabelR =
        "  Pillar Load Bearing Capacity (R)" + loadLabel + " /" + lengthLabel + " of gate entry";

    for (int j = 1; j <= n; ++j) {
        page2 += "PILLAR #" + std::to_string(j) + CRLF;
        page2 += row("  for Pillar Width" + lengthLabel, length(w.PillarWidth[j]));
        page2 += row("  and Pillar Length" + lengthLabel, length(w.PillarLength[j]));
        const double ratio =
            w.SizingRun ? double(w.PillarWidth[j]) / w.WkHeight : double(w.WHRatio[j]);
        page2 += row("  Width/Height Ratio", Format(ratio, "##0.00"));
        page2 += row("  Unit Pillar Strength" + stressLabel, Format(w.UnitStrengthOut[j], "##0"));
        page2 += row(capacityLabel, Format(w.CapacityOut[j], "0.00E+00")) + CRLF;
        if (!w.SizingRun) {
            page2 += row("  Unit Pillar Strength (R)" + stressLabel,
                         Format(w.UnitStrengthROut[j], "##0"));
            page2 += row(capacityLabelR, Format(w.CapacityROut[j], "0.00E+00")) + CRLF;
        }
    }
    if (w.SizingRun) {
        for (int j = 1; j <= n; ++j) {
            page2 += "PILLAR #" + std::to_string(j) + " (Revised Pillar Strengh)" + CRLF;
            page2 += row("  for Pillar Width" + lengthLabel, length(w.PillarWidthAlt[j]));
            page2 += row("  and Pillar Length" + lengthLabel, length(w.PillarLengthAlt[j]));
            page2 += row("  Width/Height Ratio",
                         Format(double(w.PillarWidthAlt[j]) / w.WkHeight, "##0.00"));
            page2 += row("  Unit Pillar Strength (R)" + stressLabel,
                         Format(w.UnitStrengthROut[j], "##0"));
            page2 += row(capacityLabelR, Format(w.CapacityROut[j], "0.00E+00")) + CRLF;
        }
    }

    const std::string totalLabel = "  Total Load" + loadLabel + " /" + lengthLabel + " of gate entry";
    page2 += CRLF;
    page2 += "TOTAL PILLAR SYSTEM LOAD BEARING CAPACITY [KORA Classic]" + std::string(CRLF);
    page2 += row(totalLabel, Format(w.TotalCapacityOut, "0.00E+00")) + CRLF;
    page2 += "TOTAL PILLAR SYSTEM LOAD BEARING CAPACITY [KORA (R)]" + std::string(CRLF);
    page2 += row(totalLabel, Format(w.TotalCapacityROut, "0.00E+00"));
    if (options.PrintPlotReminder == 1) {
        page2 += CRLF;
        page2 += "To view the distribution of Unit Pillar Loading" + std::string(CRLF);
        page2 += "select 'View Plots->Settings->Unit Pillar Loading'" + std::string(CRLF);
        page2 += "To view the distribution of Load Bearing Capacity" + std::string(CRLF);
        page2 += "select 'View Plots->Settings->Load Bearing Capacity'" + std::string(CRLF);
    }
    page2 += std::string(CRLF) + CRLF + CRLF;

    // Design loads, right-aligned to the widest of the five.
    ConditionArray loads;
    for (int k = 1; k <= 5; ++k) {
        if (metric) loads[k] = float(w.DesignLoad[k] * KNmPerLbft);
        else if (options.OutputStrGradUnits == 1) loads[k] = float(w.DesignLoad[k] / 2000.0);
        else loads[k] = w.DesignLoad[k];
    }
    std::string page3 = "[DESIGN LOADINGS ON PILLAR SYSTEM" + loadLabel + " /" + lengthLabel +
                        " of gate entry]" + CRLF + CRLF;
    OneBased<std::string, 5> loadText;
    std::size_t fieldWidth = 0;
    for (int k = 1; k <= 5; ++k) {
        loadText[k] = Format(loads[k], "#,000");
        fieldWidth = std::max(fieldWidth, loadText[k].size());
    }
    static constexpr const char* conditionLabels[5] = {
        "    Development Loading", "    Headgate Loading", "    Bleeder Loading",
        "*** Tailgate Loading", "    Isolated Loading"};
    for (int k = 1; k <= 5; ++k)
        page3 += PadDots(conditionLabels[k - 1], 55) +
                 PadLeft(loadText[k], static_cast<int>(fieldWidth)) + CRLF;
    page3 += std::string(CRLF) + CRLF + CRLF;

    // Individual pillar loading: the development load shared by tributary width, the abutment
    // part by each column's share of the side abutment load.
    float cumulativeWidth = 0;
    for (int j = 1; j <= n; ++j) {
        cumulativeWidth = float(double(cumulativeWidth) + w.PillarCenters[j]);
        w.CumShare[j] = float(
            1 - std::pow((double(w.AbutExtent) - cumulativeWidth) / w.AbutExtent, 3));
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
                w.UnitLoad[k][j] = float(abutment * w.IncShare[j] * w.XcutSpacingFt[j] / area +
                                         w.UnitLoad[1][j]);
            else
                w.UnitLoad[k][j] =
                    float(abutment * (1 / double(w.AbutFraction)) * w.IncShare[j] *
                              w.WkXcutSpacing / area +
                          w.UnitLoad[1][j]);
        }
    }
    for (int k = 1; k <= 3; ++k) {
        for (int j = 1; j <= n; ++j) {
            if (metric) w.UnitLoadOut[k][j] = float(psfToKPa(w.UnitLoad[k][j]));
            else if (options.OutputStrUnits == 1) w.UnitLoadOut[k][j] = w.UnitLoad[k][j];
            else if (options.OutputStrUnits == 0)
                w.UnitLoadOut[k][j] = float(w.UnitLoad[k][j] * PsiPerPsf);
        }
    }

    auto columns = [&](auto value) {
        std::string s;
        for (int j = 1; j <= n; ++j) s += PadLeft(Format(value(j), "0"), 13);
        return s;
    };
    std::string page4 = "[INDIVIDUAL PILLAR LOADING" + stressLabel + "]" + CRLF;
    page4 += std::string(CRLF) + "   LOADING       ";
    for (int j = 1; j <= n; ++j) page4 += std::string(7, ' ') + "PILLAR";
    page4 += std::string(CRLF) + "   CONDITION     ";
    for (int j = 1; j <= n; ++j) page4 += std::string(11, ' ') + "#" + std::to_string(j);
    static constexpr const char* rowLabels[3] = {"Development      ", "Headgate         ",
                                                 "Bleeder          "};
    for (int k = 1; k <= 3; ++k)
        page4 += CRLF + std::string(rowLabels[k - 1]) +
                 columns([&](int j) { return w.UnitLoadOut[k][j]; });
    page4 += CRLF + std::string("Unit Pill.Str.   ") +
             columns([&](int j) { return w.UnitStrengthOut[j]; });
    page4 += CRLF + std::string("Unit Pill.Str.(R)") +
             columns([&](int j) { return w.UnitStrengthROut[j]; });
    page4 += CRLF;
    page4 += std::string(CRLF) + "NOTE:  INDIVIDUAL PILLAR LOADINGS DO NOT CONSIDER LOAD" + CRLF +
             "       TRANSFER DUE TO PILLAR YIELDING!" + CRLF + CRLF;

    report.OutBuf[2] = std::move(page2);
    report.OutBuf[3] = std::move(page3);
    report.OutBuf[4] = std::move(page4);
    messenger.AddHistory("Additional output calculated");
}

} // namespace kora
