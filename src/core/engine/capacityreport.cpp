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

// Rows of the capacity page: the label padded with dots to the value column, then the value.
constexpr int ValueColumn = 65;

struct RowLabels {
    std::string width, length, ratio, strength, capacity, strengthR, capacityR;
};

void appendRow(std::string& page, const std::string& paddedLabel, const std::string& value) {
    page += paddedLabel;
    page += value;
    page += CRLF;
}

} // namespace

void ReportLoadCapacity(int kind, const ProjectRecord& p, WorkingSet& w, ReportBuffer& report,
                        const ReportOptions& options, Messenger& messenger) {
    const bool metric = p.UnitSystem != English;
    const int n = w.NumPillars;

    std::string page2;
    if (kind == 1)
        page2 = "[PILLAR LOAD BEARING CAPACITY]" + std::string(CRLF) + CRLF;
    else if (kind == 2)
        page2 = "[PILLAR LOAD BEARING CAPACITY FOR TAILGATE LOADING]" + std::string(CRLF) + CRLF;
    else
        page2 = report.OutBuf[2];

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
            w.CapacityOut[j] = float(w.Capacity[j] / PoundsPerTon);
            w.CapacityROut[j] = float(w.CapacityR[j] / PoundsPerTon);
        }
        w.TotalCapacityOut = float(w.TotalCapacity / PoundsPerTon);
        w.TotalCapacityROut = float(w.TotalCapacityR / PoundsPerTon);
    }

    // Widths and lengths are printed in the project's length unit; the working set keeps feet.
    const std::string& lengthLabel = UnitLabel(p.UnitSystem, unit::Length);
    auto length = [&](float feet) {
        return Format(metric ? feet / FeetPerMetre : double(feet), "##0.0");
    };
    const std::string perLength = loadLabel + " /" + lengthLabel + " of gate entry";
    const RowLabels labels{PadDots("  for Pillar Width" + lengthLabel, ValueColumn),
                           PadDots("  and Pillar Length" + lengthLabel, ValueColumn),
                           PadDots("  Width/Height Ratio", ValueColumn),
                           PadDots("  Unit Pillar Strength" + stressLabel, ValueColumn),
                           PadDots("  Pillar Load Bearing Capacity" + perLength, ValueColumn),
                           PadDots("  Unit Pillar Strength (R)" + stressLabel, ValueColumn),
                           PadDots("  Pillar Load Bearing Capacity (R)" + perLength, ValueColumn)};

    page2.reserve(page2.size() + 1024 + static_cast<std::size_t>(n) * 1000);
    for (int j = 1; j <= n; ++j) {
        page2 += "PILLAR #" + std::to_string(j) + CRLF;
        appendRow(page2, labels.width, length(w.PillarWidth[j]));
        appendRow(page2, labels.length, length(w.PillarLength[j]));
        const double ratio =
            w.SizingRun ? double(w.PillarWidth[j]) / w.WkHeight : double(w.WHRatio[j]);
        appendRow(page2, labels.ratio, Format(ratio, "##0.00"));
        appendRow(page2, labels.strength, Format(w.UnitStrengthOut[j], "##0"));
        appendRow(page2, labels.capacity, Format(w.CapacityOut[j], "0.00E+00"));
        page2 += CRLF;
        if (!w.SizingRun) {
            appendRow(page2, labels.strengthR, Format(w.UnitStrengthROut[j], "##0"));
            appendRow(page2, labels.capacityR, Format(w.CapacityROut[j], "0.00E+00"));
            page2 += CRLF;
        }
    }
    if (w.SizingRun) {
        for (int j = 1; j <= n; ++j) {
            page2 += "PILLAR #" + std::to_string(j) + " (Revised Pillar Strengh)" + CRLF;
            appendRow(page2, labels.width, length(w.PillarWidthAlt[j]));
            appendRow(page2, labels.length, length(w.PillarLengthAlt[j]));
            appendRow(page2, labels.ratio,
                      Format(double(w.PillarWidthAlt[j]) / w.WkHeight, "##0.00"));
            appendRow(page2, labels.strengthR, Format(w.UnitStrengthROut[j], "##0"));
            appendRow(page2, labels.capacityR, Format(w.CapacityROut[j], "0.00E+00"));
            page2 += CRLF;
        }
    }

    const std::string totalLabel = PadDots("  Total Load" + perLength, ValueColumn);
    page2 += CRLF;
    page2 += "TOTAL PILLAR SYSTEM LOAD BEARING CAPACITY [KORA Classic]";
    page2 += CRLF;
    appendRow(page2, totalLabel, Format(w.TotalCapacityOut, "0.00E+00"));
    page2 += CRLF;
    page2 += "TOTAL PILLAR SYSTEM LOAD BEARING CAPACITY [KORA (R)]";
    page2 += CRLF;
    appendRow(page2, totalLabel, Format(w.TotalCapacityROut, "0.00E+00"));
    if (options.PrintPlotReminder == 1) {
        page2 += CRLF;
        page2 += "To view the distribution of Unit Pillar Loading\r\n"
                 "select 'View Plots->Settings->Unit Pillar Loading'\r\n"
                 "To view the distribution of Load Bearing Capacity\r\n"
                 "select 'View Plots->Settings->Load Bearing Capacity'\r\n";
    }
    page2 += "\r\n\r\n\r\n";

    // Design loads, right-aligned to the widest of the five.
    ConditionArray loads;
    for (int k = 1; k <= 5; ++k) {
        if (metric)
            loads[k] = float(w.DesignLoad[k] * KNmPerLbft);
        else if (options.OutputStrGradUnits == 1)
            loads[k] = float(w.DesignLoad[k] / PoundsPerTon);
        else
            loads[k] = w.DesignLoad[k];
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
    page3.reserve(page3.size() + 5 * 80 + 6);
    for (int k = 1; k <= 5; ++k) {
        page3 += PadDots(conditionLabels[k - 1], 55);
        page3 += PadLeft(loadText[k], static_cast<int>(fieldWidth));
        page3 += CRLF;
    }
    page3 += "\r\n\r\n\r\n";

    // Individual pillar loading: the development load shared by tributary width, the abutment
    // part by each column's share of the side abutment load.
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

    std::string page4;
    page4.reserve(512 + static_cast<std::size_t>(n) * 80);
    page4 += "[INDIVIDUAL PILLAR LOADING";
    page4 += stressLabel;
    page4 += "]\r\n\r\n   LOADING       ";
    for (int j = 1; j <= n; ++j) page4 += "       PILLAR";
    page4 += "\r\n   CONDITION     ";
    for (int j = 1; j <= n; ++j) {
        page4 += "           #";
        page4 += std::to_string(j);
    }
    auto appendColumns = [&](const char* label, auto value) {
        page4 += "\r\n";
        page4 += label;
        for (int j = 1; j <= n; ++j) page4 += PadLeft(Format(value(j), "0"), 13);
    };
    static constexpr const char* rowLabels[3] = {"Development      ", "Headgate         ",
                                                 "Bleeder          "};
    for (int k = 1; k <= 3; ++k)
        appendColumns(rowLabels[k - 1], [&](int j) { return w.UnitLoadOut[k][j]; });
    appendColumns("Unit Pill.Str.   ", [&](int j) { return w.UnitStrengthOut[j]; });
    appendColumns("Unit Pill.Str.(R)", [&](int j) { return w.UnitStrengthROut[j]; });
    page4 += "\r\n\r\nNOTE:  INDIVIDUAL PILLAR LOADINGS DO NOT CONSIDER LOAD\r\n"
             "       TRANSFER DUE TO PILLAR YIELDING!\r\n\r\n";

    report.OutBuf[2] = std::move(page2);
    report.OutBuf[3] = std::move(page3);
    report.OutBuf[4] = std::move(page4);
    messenger.AddHistory("Additional output calculated");
}

} // namespace kora
