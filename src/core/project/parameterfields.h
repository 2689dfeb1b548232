#pragma once

#include "core/base/onebased.h"

#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace kora {

struct PlanGeometry;
struct ProjectRecord;

// The four tabs of the parameters dialog.
enum class ParameterTab { Standard = 0, Defaults = 1, Sizing = 2, Advanced = 3 };

// How a box shows its value: the general number form, or "#.##" (900 shows as "900.").
enum class FieldFormat { General, TwoDecimals };

// A field's own check on OK: a value above `low`; a value within low..high; or CheckRange (no
// blank box, a value within low..high) with CheckRange's message.
enum class FieldRule { AboveLow, Within, CheckRange };

// One numeric field of the parameters dialog: the control that shows it, its tab, the member of
// the project record it edits (a single value, or one per pillar column shown in the boxes
// control_1 .. control_4), how it is shown, its check and the message of a failed check (followed
// by the unit label when `messageUnit`), the caption label that carries its unit and the unit
// kind, and the member of the plan geometry copy that the plan view takes it into.
struct ParameterField {
    std::string_view control;
    ParameterTab tab;
    float ProjectRecord::*value;
    OneBased<float, 5> ProjectRecord::*columns;
    FieldFormat format;
    FieldRule rule;
    double low;
    double high;
    std::string_view invalid;
    bool messageUnit;
    std::string_view label; // empty: no unit in its caption
    int unit;
    float PlanGeometry::*plan;
    OneBased<float, 5> PlanGeometry::*planColumns;

    bool perColumn() const { return columns != nullptr; }
};

// The fields in the order the dialog compares and stores them.
std::span<const ParameterField> ParameterFields();

// The field shown by a control or one of its boxes ("Text1", "Text14", "Text14_2"); nullptr for
// any other name.
const ParameterField* FindParameterField(std::string_view box);

// The number of entries the dialog's list offers, and the pillar columns it has boxes for.
inline constexpr int MinEntriesShown = 2;
inline constexpr int MaxEntriesShown = 5;
inline constexpr int ColumnBoxes = MaxEntriesShown - 1;

// The box of a field: the control itself, or control_column for a per-column field.
std::string BoxName(const ParameterField& field, int column);

// What the dialog holds: the text of every box by its name ("Text1", "Text14_2", and "Text6" the
// number of entries; a box not listed reads as empty), the pillar configuration (Option1), the
// CMRR check box and the advanced-geometry option that is on (Option2).
struct ParameterForm {
    std::map<std::string, std::string, std::less<>> text;
    int configMode = 0;
    bool useCmrr = false;
    int advanced = 0;

    std::string_view at(std::string_view box) const;
    double value(std::string_view box) const; // the leading number of the text, 0 without one
    int entries() const;                      // Text6 rounded to a whole number
};

// The form as the dialog opens on a project: every field in its format, the pillar columns of the
// number of entries shown (the nearest the list offers), a configuration outside 0..3 as 0.
ParameterForm ParameterFormOf(const ProjectRecord& p);

// Stores the form into the project (StoreParameters): every number, the number of entries (the
// nearest the list offers), the columns up to it, the configuration and the CMRR choice. A box
// still holding the text it was opened with keeps the project's value as it is, even where the
// text cannot give back the Single it came from. Neither the advanced-geometry flag nor the
// project's state flags are touched.
void StoreParameterFields(const ParameterForm& form, const ParameterForm& opened, ProjectRecord& p);

// True when storing the form would change the project (ParametersChanged).
bool ParameterFieldsChanged(const ParameterForm& form, const ParameterForm& opened,
                            const ProjectRecord& p);

// Copies the form's geometry, as typed, into the plan geometry copy for the plan view
// (SaveWorkParms).
void SaveFormGeometry(const ParameterForm& form, PlanGeometry& g);

// True when a shown pillar column has both a crosscut angle and a crosscut spacing: the project
// then has advanced geometry (CheckKORAAdvParm).
bool HasAdvancedData(const ParameterForm& form);

// The first check of OK that fails: its message, the tab to bring up and the box to focus.
struct FieldFailure {
    std::string message;
    ParameterTab tab;
    std::string box;
};

// The checks of OK in their order (ValidateParameters); nothing when every check passes.
std::optional<FieldFailure> ValidateParameterFields(const ParameterForm& form, int unitSystem);

// The values the case-history data base was analysed with. A Defaults box that holds another
// value warns that its stability factors may not be comparable with the suggested ones.
inline constexpr double ReferenceCoalStrengthPsi = 900;
inline constexpr double ReferenceCoalStrengthMPa = 6.21;
inline constexpr double ReferenceAbutmentAngle = 21;
inline constexpr double ReferenceUnitWeightPcf = 162;
inline constexpr double ReferenceUnitWeightKNm3 = 25.45;

// The warning of a Defaults box (txtCoalStrength, txtAbutmentAngle, txtUnitWeight) holding
// `value`, or nothing when the value is the reference one or the box is no Defaults box.
std::optional<std::string_view> DefaultsWarning(std::string_view box, double value, int unitSystem);

} // namespace kora
