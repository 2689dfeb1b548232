#include "core/model/unitsystems.h"

#include <array>

namespace kora {

namespace {

const std::array<std::array<std::string, 15>, 2> labels = {{
    {" (ft)", " (psi)", " (pcf)", " (in)", " (psf)", " (lbs)", " (tons)", " (ft)", " (ksi)",
     " (tons)", " (tons/ft)", " (in)", " (tons)", " (tons/ft)", " (million psi)"},
    {" (m)", " (MPa)", " (kN/m3)", " (cm)", " (kPa)", " (kN)", " (tn)", " (cm)", " (MPa)", " (MN)",
     " (MN/m)", " (mm)", " (kN)", " (kN/m)", " (GPa)"},
}};

const std::string empty;

} // namespace

const std::string& UnitLabel(int system, int kind) {
    if (system < 0 || system > 1 || kind < 0 || kind > 14) return empty;
    return labels[static_cast<std::size_t>(system)][static_cast<std::size_t>(kind)];
}

const std::string& UnitSystemName(int system) {
    static const std::array<std::string, 2> names = {"ft, in, lbs, psi, pcf",
                                                     "m, cm, kN, MPa, kN/m3"};
    if (system < 0 || system > 1) return empty;
    return names[static_cast<std::size_t>(system)];
}

const std::string& ConfigModeName(int mode) {
    static const std::array<std::string, 4> names = {"Equal Sized Pillars", "Yield Abutment",
                                                     "Yield Abutment Yield", "2 Entry"};
    if (mode < 0 || mode > 3) return empty;
    return names[static_cast<std::size_t>(mode)];
}

} // namespace kora
