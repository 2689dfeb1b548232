#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kora {

// The unit calculator: one value typed in one unit of a quantity, shown in every unit of that
// quantity. Five quantities, in the order of the calculator's tabs.
enum class UnitQuantity { Length, Load, LoadGrad, Stress, StressGrad };

inline constexpr int UnitQuantityCount = 5;

// One quantity: its tab and frame captions and its units, in the order of the option buttons and
// output boxes.
struct UnitQuantityInfo {
    const char* tab;
    const char* frame;
    std::vector<const char*> units;
};

const UnitQuantityInfo& UnitQuantityOf(UnitQuantity quantity);

// The value v given in unit `from` of the quantity, in every unit of the quantity (the unit's
// own column is v). Each factor of the conversion is applied in turn, in double precision, so
// that the result is exactly the one the calculator's tables give. A unit index outside the
// quantity gives every column v.
std::vector<double> ConvertUnits(UnitQuantity quantity, int from, double v);

// The calculator's texts for a typed input: the leading numeric part of the text (0 without
// one), converted and written in the general form with up to 15 significant digits.
std::vector<std::string> ConvertUnitText(UnitQuantity quantity, int from, std::string_view input);

// A unit named by its caption ("psi/in", "tonsF (short)") or by the caption's first word
// ("tonsF"), in any letter case.
struct UnitRef {
    UnitQuantity quantity;
    int unit;
};
std::optional<UnitRef> FindUnit(std::string_view name);

} // namespace kora
