#include "core/units/unitcalculator.h"

#include "core/base/numberformat.h"
#include "core/base/textutil.h"
#include "core/base/unitconstants.h"

#include <array>

namespace kora {

namespace {

constexpr double K = 1000;
constexpr double M = 1000000;

// One factor of a conversion: the value is multiplied or divided by it.
struct Step {
    bool divide;
    double factor;
};
constexpr Step mul(double f) {
    return {false, f};
}
constexpr Step div(double f) {
    return {true, f};
}

// A conversion: the factors in the order they are applied, left to right.
using Cell = std::vector<Step>;
// Rows: the unit of the input; columns: the unit shown.
using Table = std::vector<std::vector<Cell>>;

constexpr double IN_CM = CentimetresPerInch;
constexpr double FT_IN = InchesPerFoot;
constexpr double M_CM = CentimetresPerMetre;
constexpr double LBF_KN = KilonewtonsPerPound;
constexpr double LBF_N = NewtonsPerPound;
constexpr double TON_KN = KilonewtonsPerTon;
constexpr double TON_LBF = PoundsPerTon;
constexpr double FT_PER_IN = FeetPerInch;
constexpr double LBFFT_KNM = KNmPerLbft;
constexpr double PSF_PSI = PsiPerPsf;
constexpr double PSI_PA = PascalPerPsi;
constexpr double PSIIN_PAM = PascalPerMetrePerPsiPerInch;

const Table lengthTable = {
    // in, ft, cm, m
    {{}, {div(FT_IN)}, {mul(IN_CM)}, {mul(IN_CM), div(M_CM)}},
    {{mul(FT_IN)}, {}, {mul(FT_IN), mul(IN_CM)}, {mul(FT_IN), mul(IN_CM), div(M_CM)}},
    {{div(IN_CM)}, {div(IN_CM), div(FT_IN)}, {}, {div(M_CM)}},
    {{mul(M_CM), div(IN_CM)}, {mul(M_CM), div(IN_CM), div(FT_IN)}, {mul(M_CM)}, {}},
};

const Table loadTable = {
    // lbsF, tonsF (short), kN, MN, kips
    {{}, {div(TON_LBF)}, {mul(LBF_KN)}, {mul(LBF_KN), div(K)}, {div(K)}},
    {{mul(TON_LBF)},
     {},
     {mul(TON_LBF), mul(LBF_KN)},
     {mul(TON_LBF), mul(LBF_KN), div(K)},
     {mul(TON_LBF), div(K)}},
    {{div(LBF_KN)}, {div(TON_KN)}, {}, {div(K)}, {div(LBF_N)}},
    {{mul(K), div(LBF_KN)},
     {mul(K), div(LBF_KN), div(TON_LBF)},
     {mul(K)},
     {},
     {mul(K), div(LBF_N)}},
    {{mul(K)}, {div(TON_LBF), mul(K)}, {mul(LBF_KN), mul(K)}, {mul(LBF_KN), div(K), mul(K)}, {}},
};

const Table loadGradTable = {
    // lbsF/in, lbsF/ft, kN/m, MN/m
    {{},
     {div(FT_PER_IN)},
     {div(FT_PER_IN), mul(LBFFT_KNM)},
     {div(FT_PER_IN), mul(LBFFT_KNM), div(K)}},
    {{mul(FT_PER_IN)}, {}, {mul(LBFFT_KNM)}, {mul(LBFFT_KNM), div(K)}},
    {{div(LBFFT_KNM), mul(FT_PER_IN)}, {div(LBFFT_KNM)}, {}, {div(K)}},
    {{mul(K), div(LBFFT_KNM), mul(FT_PER_IN)}, {mul(K), div(LBFFT_KNM)}, {mul(K)}, {}},
};

const Table stressTable = {
    // psi, ksi, psf, Pa, MPa
    {{}, {div(K)}, {div(PSF_PSI)}, {mul(PSI_PA)}, {mul(PSI_PA), div(M)}},
    {{mul(K)}, {}, {div(PSF_PSI), mul(K)}, {mul(PSI_PA), mul(K)}, {mul(PSI_PA), div(M), mul(K)}},
    {{mul(PSF_PSI)},
     {mul(PSF_PSI), div(K)},
     {},
     {mul(PSF_PSI), mul(PSI_PA)},
     {mul(PSF_PSI), mul(PSI_PA), div(M)}},
    {{div(PSI_PA)}, {div(PSI_PA), div(K)}, {div(PSI_PA), div(PSF_PSI)}, {}, {div(M)}},
    {{mul(M), div(PSI_PA)},
     {mul(M), div(PSI_PA), div(K)},
     {mul(M), div(PSI_PA), div(PSF_PSI)},
     {mul(M)},
     {}},
};

const Table stressGradTable = {
    // psi/in, psi/ft, Pa/m, MPa/m
    {{}, {div(FT_PER_IN)}, {mul(PSIIN_PAM)}, {mul(PSIIN_PAM), div(M)}},
    {{mul(FT_PER_IN)},
     {},
     {mul(FT_PER_IN), mul(PSIIN_PAM)},
     {mul(FT_PER_IN), mul(PSIIN_PAM), div(M)}},
    {{div(PSIIN_PAM)}, {div(PSIIN_PAM), div(FT_PER_IN)}, {}, {div(M)}},
    {{mul(M), div(PSIIN_PAM)}, {mul(M), div(PSIIN_PAM), div(FT_PER_IN)}, {mul(M)}, {}},
};

const std::array<UnitQuantityInfo, UnitQuantityCount> quantities = {{
    {"Length", "Length units", {"in", "ft", "cm", "m"}},
    {"Load", "Load units", {"lbsF", "tonsF (short)", "kN", "MN", "kips"}},
    {"Load Grad", "Load gradient units", {"lbsF/in", "lbsF/ft", "kN/m", "MN/m"}},
    {"Stress", "Pressure/stress units", {"psi", "ksi", "psf", "Pa", "MPa"}},
    {"Stress Grad", "Pressure/stress gradient units", {"psi/in", "psi/ft", "Pa/m", "MPa/m"}},
}};

const Table& tableOf(UnitQuantity q) {
    static const std::array<const Table*, UnitQuantityCount> tables = {
        &lengthTable, &loadTable, &loadGradTable, &stressTable, &stressGradTable};
    return *tables[static_cast<std::size_t>(q)];
}

} // namespace

const UnitQuantityInfo& UnitQuantityOf(UnitQuantity quantity) {
    return quantities[static_cast<std::size_t>(quantity)];
}

std::vector<double> ConvertUnits(UnitQuantity quantity, int from, double v) {
    const Table& table = tableOf(quantity);
    if (from < 0 || from >= static_cast<int>(table.size()))
        return std::vector<double>(UnitQuantityOf(quantity).units.size(), v);
    const auto& row = table[static_cast<std::size_t>(from)];
    std::vector<double> out;
    out.reserve(row.size());
    for (const Cell& cell : row) {
        double x = v;
        for (const Step& s : cell) x = s.divide ? x / s.factor : x * s.factor;
        out.push_back(x);
    }
    return out;
}

std::vector<std::string> ConvertUnitText(UnitQuantity quantity, int from, std::string_view input) {
    std::vector<std::string> out;
    for (double x : ConvertUnits(quantity, from, LeadingNumber(input)))
        out.push_back(FormatGeneralDouble(x));
    return out;
}

std::optional<UnitRef> FindUnit(std::string_view name) {
    for (int q = 0; q < UnitQuantityCount; ++q) {
        const auto& units = quantities[static_cast<std::size_t>(q)].units;
        for (std::size_t u = 0; u < units.size(); ++u) {
            const std::string_view caption = units[u];
            if (SameIgnoringCase(name, caption) ||
                SameIgnoringCase(name, caption.substr(0, caption.find(' '))))
                return UnitRef{static_cast<UnitQuantity>(q), static_cast<int>(u)};
        }
    }
    return std::nullopt;
}

} // namespace kora
