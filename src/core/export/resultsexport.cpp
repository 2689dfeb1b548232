#include "core/export/resultsexport.h"

#include "core/base/messenger.h"
#include "core/base/numberformat.h"
#include "core/engine/capacityreport.h"
#include "core/model/unitsystems.h"
#include "core/report/buildstring.h"

#include <nlohmann/json.hpp>

#include <charconv>
#include <string_view>

namespace kora {

namespace {

using Json = nlohmann::ordered_json;

// A single-precision result as the JSON number of its shortest text, so 7.5 stays 7.5 and 3.04
// does not become 3.0399999618530273.
double number(float value) {
    char text[32];
    const auto written = std::to_chars(text, text + sizeof text, value);
    double d = value;
    std::from_chars(text, written.ptr, d);
    return d;
}

// A unit label of the report (" (ft)") as a plain unit name ("ft").
std::string unitName(std::string_view label) {
    if (label.size() >= 3 && label.substr(0, 2) == " (" && label.back() == ')')
        label = label.substr(2, label.size() - 3);
    return std::string(label);
}

constexpr const char* ConditionKeys[5] = {"development", "headgate", "bleeder", "tailgate",
                                          "isolated"};
constexpr const char* QuantityNames[4] = {"Entry Height", "Depth of Cover", "Panel Width",
                                          "Crosscut Spacing"};

const char* calculationName(OutputCommand command) {
    switch (command) {
    case OutputCommand::Advanced:
        return "advanced";
    case OutputCommand::Sizing:
        return "sizing";
    default:
        return "standard";
    }
}

Json inputs(const ProjectRecord& p, const WorkingSet& w) {
    const int columns = p.NumEntries - 1;
    Json in;
    in["entryHeight"] = number(p.EntryHeight);
    in["depthOfCover"] = number(p.DepthOfCover);
    in["panelWidth"] = number(p.PanelWidth);
    in["entryWidth"] = number(p.EntryWidth);
    in["numberOfEntries"] = p.NumEntries;
    in["centerDistances"] = Json::array();
    for (int i = 1; i <= columns; ++i) in["centerDistances"].push_back(number(p.CenterDistance[i]));
    in["crosscutSpacing"] = number(p.CrosscutSpacing);
    if (w.AdvCalc != 0) {
        in["advancedGeometry"] = Json::array();
        for (int i = 1; i <= columns; ++i)
            in["advancedGeometry"].push_back(
                {{"angle", number(p.XcutAngle[i])}, {"crosscutSpacing", number(p.XcutSpacing[i])}});
    }
    in["coalStrength"] = number(p.CoalStrength);
    in["abutmentAngle"] = number(p.AbutmentAngle);
    in["unitWeight"] = number(p.UnitWeight);
    if (w.SizingRun) {
        Json sizing;
        sizing["configuration"] = ConfigModeName(p.ConfigMode);
        if (p.UseCMRR == 0)
            sizing["requiredStabilityFactors"] = {{"headgate", number(p.HeadgateSF)},
                                                  {"bleeder", number(p.BleederSF)},
                                                  {"tailgate", number(p.TailgateSF)}};
        else
            sizing["cmrr"] = number(p.CMRRValue);
        if (p.ConfigMode == 1 || p.ConfigMode == 2)
            sizing["yieldPillarWidth"] = number(p.YieldPillarWidth);
        in["sizing"] = std::move(sizing);
    }
    return in;
}

Json factors(const ConditionArray& sf) {
    Json f;
    for (int k = 1; k <= 5; ++k) f[ConditionKeys[k - 1]] = number(sf[k]);
    return f;
}

// One model's sizing cases (1 Headgate, 2 Bleeder, 3 Tailgate loading).
Json sizingPass(const CaseArray& target, const CaseArray& length, const CaseArray& width,
                bool adjusted) {
    Json pass;
    pass["crosscutAdjusted"] = adjusted;
    pass["cases"] = Json::array();
    for (int c = 1; c <= 3; ++c)
        pass["cases"].push_back({{"loading", ConditionKeys[c]},
                                 {"stabilityFactor", number(target[c])},
                                 {"length", number(length[c])},
                                 {"width", number(width[c])}});
    return pass;
}

// Page 2's block of one pillar column for one model, and page 4's loading of the column. After a
// sizing run the (R) pass sized its own pillars.
Json pillar(const WorkingSet& w, const CapacityUnits& u, int j) {
    auto block = [&](float width, float length, double ratio, float strength, float capacity) {
        return Json{{"width", number(float(LengthOut(u, width)))},
                    {"length", number(float(LengthOut(u, length)))},
                    {"ratio", number(float(ratio))},
                    {"strength", number(strength)},
                    {"capacity", number(capacity)}};
    };
    const double ratio = w.SizingRun ? double(w.PillarWidth[j]) / w.WkHeight : double(w.WHRatio[j]);
    Json column;
    column["column"] = j;
    column["classic"] =
        block(w.PillarWidth[j], w.PillarLength[j], ratio, w.UnitStrengthOut[j], w.CapacityOut[j]);
    if (w.SizingRun)
        column["revised"] = block(w.PillarWidthAlt[j], w.PillarLengthAlt[j],
                                  double(w.PillarWidthAlt[j]) / w.WkHeight, w.UnitStrengthROut[j],
                                  w.CapacityROut[j]);
    else
        column["revised"] = block(w.PillarWidth[j], w.PillarLength[j], ratio, w.UnitStrengthROut[j],
                                  w.CapacityROut[j]);
    Json loading;
    for (int k = 1; k <= 3; ++k) loading[ConditionKeys[k - 1]] = number(w.UnitLoadOut[k][j]);
    column["loading"] = std::move(loading);
    return column;
}

Json header(const ProjectRecord& p) {
    return Json{{"program", ProgramTitle},
                {"build", BuildString()},
                {"project", p.ProjectPath},
                {"title", p.ProjectTitle}};
}

std::string dump(const Json& j) {
    // Text that is not valid UTF-8 (a Latin-1 title) is replaced rather than refused.
    return j.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

} // namespace

std::string ReportJson(OutputCommand command, const ProjectRecord& p, const WorkingSet& w,
                       const ReportOptions& options) {
    const CapacityUnits u = CapacityReportUnits(p, options);
    Json j = header(p);
    j["calculation"] = calculationName(command);
    j["units"] = {{"system", p.UnitSystem == English ? "English" : "Metric"},
                  {"length", unitName(u.length)},
                  {"stress", unitName(UnitLabel(p.UnitSystem, unit::Stress))},
                  {"unitWeight", unitName(UnitLabel(p.UnitSystem, unit::UnitWeight))},
                  {"angle", "deg"},
                  {"pillarStress", unitName(u.stress)},
                  {"loadPerLength", unitName(u.load) + "/" + unitName(u.length)}};
    j["inputs"] = inputs(p, w);
    if (w.SizingRun)
        j["sizing"] = {{"classic", sizingPass(w.TargetSFClassic, w.SizedLengthClassic,
                                              w.SizedWidthClassic, w.XcutAdjustedClassic)},
                       {"revised", sizingPass(w.TargetSFR, w.SizedLengthR, w.SizedWidthR,
                                              w.XcutAdjustedRevised)}};
    else
        j["stabilityFactors"] = {{"classic", factors(w.SFClassic)},
                                 {"revised", factors(w.SFRevised)}};
    j["pillars"] = Json::array();
    for (int c = 1; c <= w.NumPillars; ++c) j["pillars"].push_back(pillar(w, u, c));
    j["totalCapacity"] = {{"classic", number(w.TotalCapacityOut)},
                          {"revised", number(w.TotalCapacityROut)}};
    Json loads;
    for (int k = 1; k <= 5; ++k)
        loads[ConditionKeys[k - 1]] = number(DesignLoadOut(u, w, options, k));
    j["designLoads"] = std::move(loads);
    return dump(j);
}

std::string GraphCsv(const GraphCurves& curves, int index, const ProjectRecord& p) {
    const bool valid = index >= 0 && index <= 3;
    std::string text = (valid ? QuantityNames[index] : "x") + UnitLabel(p.UnitSystem, unit::Length);
    for (const char* model : {"", " (R)"})
        for (const char* condition : {"Development", "Headgate", "Bleeder", "Tailgate", "Isolated"})
            text += std::string(",") + condition + model;
    text += '\n';
    for (int point = 1; point <= curves.NumGraphPoints; ++point) {
        text += FormatGeneral(curves.CurvesClassic(0, point));
        for (int k = 1; k <= 5; ++k) text += ',' + FormatGeneral(curves.CurvesClassic(k, point));
        for (int k = 1; k <= 5; ++k) text += ',' + FormatGeneral(curves.CurvesR(k, point));
        text += '\n';
    }
    return text;
}

std::string GraphJson(const GraphCurves& curves, int index, const ProjectRecord& p) {
    const bool valid = index >= 0 && index <= 3;
    const int conditions = index == 0 ? 5 : 4;
    Json j = header(p);
    j["quantity"] = valid ? QuantityNames[index] : "";
    j["unit"] = unitName(UnitLabel(p.UnitSystem, unit::Length));
    j["points"] = Json::array();
    for (int point = 1; point <= curves.NumGraphPoints; ++point) {
        Json classic;
        Json revised;
        for (int k = 1; k <= conditions; ++k) {
            classic[ConditionKeys[k - 1]] = number(curves.CurvesClassic(k, point));
            revised[ConditionKeys[k - 1]] = number(curves.CurvesR(k, point));
        }
        j["points"].push_back({{"x", number(curves.CurvesClassic(0, point))},
                               {"classic", std::move(classic)},
                               {"revised", std::move(revised)}});
    }
    return dump(j);
}

} // namespace kora
