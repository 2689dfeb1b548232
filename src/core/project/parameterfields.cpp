#include "core/project/parameterfields.h"

#include "core/base/numberformat.h"
#include "core/base/textutil.h"
#include "core/model/plangeometry.h"
#include "core/model/projectrecord.h"
#include "core/model/unitsystems.h"
#include "core/project/fieldchecks.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace kora {

namespace {

using P = ProjectRecord;
using G = PlanGeometry;
using enum ParameterTab;
using enum FieldFormat;
using enum FieldRule;

constexpr double NoLimit = std::numeric_limits<double>::infinity();
constexpr int NoUnit = -1;

// clang-format off
constexpr std::array<ParameterField, 16> Fields = {{
    {"Text1", Standard, &P::EntryHeight, nullptr, General, AboveLow, 0, NoLimit,
     "Invalid entry height", false, "Label1", unit::Length, &G::EntryHeight, nullptr},
    {"Text2", Standard, &P::DepthOfCover, nullptr, General, AboveLow, 0, NoLimit,
     "Invalid depth of cover", false, "Label2", unit::Length, &G::DepthOfCover, nullptr},
    {"Text3", Standard, &P::PanelWidth, nullptr, General, AboveLow, 0, NoLimit,
     "Invalid panel width", false, "Label3", unit::Length, &G::PanelWidth, nullptr},
    {"Text4", Standard, &P::EntryWidth, nullptr, General, Within, 1, NoLimit,
     "Invalid entry width. Should be >= 1 ", true, "Label4", unit::Length, &G::PlanEntryWidth,
     nullptr},
    {"Text5", Standard, &P::CrosscutSpacing, nullptr, General, AboveLow, 0, NoLimit,
     "Invalid crosscut spacing", false, "Label5", unit::Length, &G::PlanXcutSpacing, nullptr},
    {"Text14", Standard, nullptr, &P::CenterDistance, General, AboveLow, 0, NoLimit,
     "Invalid entry spacing", false, "Label22", unit::Length, nullptr, &G::PlanCenterDistance},
    {"txtCoalStrength", Defaults, &P::CoalStrength, nullptr, TwoDecimals, AboveLow, 0, NoLimit,
     "Invalid in situ coal strength", false, "lblCoalStrength", unit::Stress, nullptr, nullptr},
    {"txtAbutmentAngle", Defaults, &P::AbutmentAngle, nullptr, General, CheckRange, 0, 90,
     "", false, "", NoUnit, nullptr, nullptr},
    {"txtUnitWeight", Defaults, &P::UnitWeight, nullptr, TwoDecimals, AboveLow, 0, NoLimit,
     "Invalid overburden unit weight", false, "lblGamma", unit::UnitWeight, nullptr, nullptr},
    {"Text10", Sizing, &P::HeadgateSF, nullptr, General, CheckRange, 0.1, 10,
     "", false, "", NoUnit, nullptr, nullptr},
    {"Text11", Sizing, &P::BleederSF, nullptr, General, CheckRange, 0.1, 10,
     "", false, "", NoUnit, nullptr, nullptr},
    {"Text12", Sizing, &P::TailgateSF, nullptr, General, CheckRange, 0.1, 10,
     "", false, "", NoUnit, nullptr, nullptr},
    {"Text16", Sizing, &P::YieldPillarWidth, nullptr, General, AboveLow, 0, NoLimit,
     "Invalid width of Yield Pillar(s)", false, "label16", unit::Length, nullptr, nullptr},
    {"Text13", Sizing, &P::CMRRValue, nullptr, General, CheckRange, 0, 100,
     "", false, "", NoUnit, nullptr, nullptr},
    {"Text22", Advanced, nullptr, &P::XcutAngle, General, Within, 45, 90,
     "Invalid crosscut angle. Valid range is 45-90 degrees.", false, "", NoUnit, nullptr,
     &G::DrawXcutAngle},
    {"Text23", Advanced, nullptr, &P::XcutSpacing, General, AboveLow, 0, NoLimit,
     "Invalid crosscut spacing", false, "Label15", unit::Length, nullptr, &G::DrawXcutSpacing},
}};
// clang-format on

const ParameterField& field(std::string_view control) {
    return *FindParameterField(control);
}

std::string shown(const ParameterField& f, float value) {
    return f.format == TwoDecimals ? Format(value, "#.##") : FormatGeneral(value);
}

// The Single a box stores: the project's own value while the box holds the text it was opened
// with, else the number typed.
float stored(const ParameterForm& form, const ParameterForm& opened, const std::string& box,
             float current) {
    const auto was = opened.text.find(box);
    if (was != opened.text.end() && was->second == form.at(box)) return current;
    return float(form.value(box));
}

std::optional<FieldFailure> fail(const ParameterField& f, const std::string& box,
                                 std::string message) {
    return FieldFailure{std::move(message), f.tab, box};
}

// The field's own check of one of its boxes.
std::optional<FieldFailure> check(const ParameterForm& form, const ParameterField& f, int column,
                                  int unitSystem) {
    const std::string box = BoxName(f, column);
    const double v = form.value(box);
    switch (f.rule) {
    case AboveLow:
        if (v <= f.low) return fail(f, box, std::string(f.invalid));
        break;
    case Within:
        if (v < f.low || v > f.high)
            return fail(f, box,
                        std::string(f.invalid) +
                            (f.messageUnit ? UnitLabel(unitSystem, f.unit) : std::string()));
        break;
    case CheckRange:
        if (auto message = RangeMessage(form.at(box), f.low, f.high, ""))
            return fail(f, box, std::move(*message));
        break;
    }
    return std::nullopt;
}

} // namespace

std::span<const ParameterField> ParameterFields() {
    return Fields;
}

const ParameterField* FindParameterField(std::string_view box) {
    const std::string_view control = box.substr(0, box.find('_'));
    for (const ParameterField& f : Fields)
        if (f.control == control) return &f;
    return nullptr;
}

std::string BoxName(const ParameterField& f, int column) {
    std::string name(f.control);
    if (f.perColumn()) name += '_' + std::to_string(column);
    return name;
}

std::string_view ParameterForm::at(std::string_view box) const {
    const auto found = text.find(box);
    return found == text.end() ? std::string_view() : std::string_view(found->second);
}

double ParameterForm::value(std::string_view box) const {
    return LeadingNumber(at(box));
}

int ParameterForm::entries() const {
    return int(std::lround(value("Text6")));
}

ParameterForm ParameterFormOf(const ProjectRecord& p) {
    ParameterForm form;
    const int entries = std::clamp(int(p.NumEntries), MinEntriesShown, MaxEntriesShown);
    form.text["Text6"] = std::to_string(entries);
    for (const ParameterField& f : Fields) {
        if (!f.perColumn()) {
            form.text[BoxName(f, 0)] = shown(f, p.*f.value);
            continue;
        }
        for (int i = 1; i <= entries - 1; ++i)
            form.text[BoxName(f, i)] = shown(f, (p.*f.columns)[i]);
    }
    form.configMode = p.ConfigMode >= 0 && p.ConfigMode <= 3 ? p.ConfigMode : 0;
    form.useCmrr = p.UseCMRR != 0;
    form.advanced = p.AdvGeometry == 1 ? 1 : 0;
    return form;
}

void StoreParameterFields(const ParameterForm& form, const ParameterForm& opened,
                          ProjectRecord& p) {
    p.NumEntries = std::int16_t(std::clamp(form.entries(), MinEntriesShown, MaxEntriesShown));
    for (const ParameterField& f : Fields) {
        if (!f.perColumn()) {
            p.*f.value = stored(form, opened, BoxName(f, 0), p.*f.value);
            continue;
        }
        for (int i = 1; i <= p.NumEntries - 1; ++i)
            (p.*f.columns)[i] = stored(form, opened, BoxName(f, i), (p.*f.columns)[i]);
    }
    p.ConfigMode = std::int16_t(form.configMode);
    p.UseCMRR = form.useCmrr ? 1 : 0;
}

bool ParameterFieldsChanged(const ParameterForm& form, const ParameterForm& opened,
                            const ProjectRecord& p) {
    auto differs = [&](const std::string& box, float current) {
        return stored(form, opened, box, current) != current;
    };
    if (form.entries() != p.NumEntries) return true;
    const int columns = std::min(p.NumEntries - 1, ColumnBoxes);
    for (const ParameterField& f : Fields) {
        if (!f.perColumn()) {
            if (differs(BoxName(f, 0), p.*f.value)) return true;
            continue;
        }
        for (int i = 1; i <= columns; ++i)
            if (differs(BoxName(f, i), (p.*f.columns)[i])) return true;
    }
    return form.configMode != p.ConfigMode || form.useCmrr != (p.UseCMRR != 0) ||
           form.advanced != p.AdvGeometry;
}

void SaveFormGeometry(const ParameterForm& form, PlanGeometry& g) {
    g.PlanEntries = std::int16_t(form.entries());
    g.PlanAdvGeometry = std::int16_t(form.advanced);
    const int columns = std::min(form.entries() - 1, ColumnBoxes);
    for (const ParameterField& f : Fields) {
        if (f.plan != nullptr) g.*f.plan = float(form.value(BoxName(f, 0)));
        if (f.planColumns == nullptr) continue;
        for (int i = 1; i <= columns; ++i) (g.*f.planColumns)[i] = float(form.value(BoxName(f, i)));
    }
}

bool HasAdvancedData(const ParameterForm& form) {
    const int columns = std::min(form.entries() - 1, ColumnBoxes);
    for (int i = 1; i <= columns; ++i) {
        if (form.value(BoxName(field("Text23"), i)) != 0 &&
            form.value(BoxName(field("Text22"), i)) != 0)
            return true;
    }
    return false;
}

std::optional<FieldFailure> ValidateParameterFields(const ParameterForm& form, int unitSystem) {
    auto own = [&](const char* control, int column = 0) {
        return check(form, field(control), column, unitSystem);
    };
    const double entryWidth = form.value("Text4");
    for (const char* control : {"Text1", "Text2", "Text3", "Text4"})
        if (auto failure = own(control)) return failure;
    if (entryWidth >= 0.5 * form.value("Text3"))
        return fail(field("Text4"), "Text4",
                    "Invalid entry width. Should be less that 1/2 of panel width");
    if (auto failure = own("Text5")) return failure;
    if (entryWidth >= form.value("Text5"))
        return fail(field("Text5"), "Text5", std::string(field("Text5").invalid));
    for (const char* control : {"txtCoalStrength", "txtAbutmentAngle", "txtUnitWeight", "Text10",
                                "Text11", "Text12", "Text13"})
        if (auto failure = own(control)) return failure;

    // The yield pillar box takes any character: "3x0" is refused, not stored as 3. A width is
    // needed only where the configuration has yield pillars.
    const ParameterField& yield = field("Text16");
    const std::string yieldText = Trim(form.at("Text16"));
    if (!yieldText.empty() && !IsNumericText(yieldText))
        return fail(yield, "Text16", std::string(yield.invalid));
    if (form.configMode != 0 && form.configMode != 3)
        if (auto failure = own("Text16")) return failure;

    const int entries = form.entries();
    if (entries <= 0) return std::nullopt;
    const int columns = std::min(entries - 1, ColumnBoxes);
    for (int i = 1; i <= columns; ++i) {
        if (auto failure = own("Text14", i)) return failure;
        if (entryWidth >= form.value(BoxName(field("Text14"), i)))
            return fail(field("Text14"), BoxName(field("Text14"), i),
                        "Entry spacing should be more than Entry Width");
    }
    if (!HasAdvancedData(form)) return std::nullopt;
    for (int i = 1; i <= columns; ++i) {
        if (auto failure = own("Text23", i)) return failure;
        if (auto failure = own("Text22", i)) return failure;
    }
    return std::nullopt;
}

std::optional<std::string_view> DefaultsWarning(std::string_view box, double value,
                                                int unitSystem) {
    const bool metric = unitSystem == Metric;
    if (box == "txtCoalStrength" &&
        value != (metric ? ReferenceCoalStrengthMPa : ReferenceCoalStrengthPsi))
        return "Warning: The KORA case history data base was analyzed with an in situ coal "
               "strength of 900 psi.  Stability Factors (SF) obtained with a different in situ "
               "coal strength may not be comparable to the suggested SF values obtained from "
               "TERVA's analysis of the data base.  Also, TERVA research has shown that the "
               "reliability of the KORA design method decreases substantially when laboratory "
               "coal strengths were used in place of the default value.  For more information, "
               "see Help/Project Input Parameters.";
    if (box == "txtAbutmentAngle" && value != ReferenceAbutmentAngle)
        return "Warning: The KORA case history data base was analyzed with abutment angles of 21 "
               "degrees.  Stability Factors (SF) obtained with different abutment angles may not "
               "be comparable to the suggested SF values obtained from TERVA's analysis of the "
               "data base.  For more information, see Help/Project Input Parameters.";
    if (box == "txtUnitWeight" &&
        value != (metric ? ReferenceUnitWeightKNm3 : ReferenceUnitWeightPcf))
        return "Warning: The KORA case history data base was analyzed with an overburden unit "
               "weight of 162 pcf.  Stability Factors (SF) obtained with a different overburden "
               "unit weight may not be comparable to the suggested SF values obtained from "
               "TERVA's analysis of the data base.";
    return std::nullopt;
}

} // namespace kora
