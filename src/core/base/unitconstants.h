#pragma once

namespace kora {

// The conversion factors between the units the program works in, each defined once. The engine
// works in feet, psf, pcf and lb per foot of gate entry; Metric projects hold m, MPa and kN/m3 and
// their reports show kPa and kN per m.

// Project units: the file conversion and the Metric defaults of a new project use these. The
// strength factor is a rounded one; the engine converts strengths through PascalPerPsi.
inline constexpr double FeetPerMetre = 3.280839895013123; // 1 / 0.3048
inline constexpr double PsiPerMPa = 145.0377;
inline constexpr double PcfPerKNm3 = 6.3663022639200495;

// Stresses and loads.
inline constexpr double PascalPerPsi = 6894.757293;
inline constexpr double PsfPerPsi = 144;
inline constexpr double PsiPerPsf = 0.006944444444444444;
inline constexpr double KNmPerLbft = 0.01459389924341607; // kN per m from lb per ft
inline constexpr double PoundsPerTon = 2000;              // short ton

// The unit calculator's further factors: lengths, forces and stress gradients.
inline constexpr double CentimetresPerInch = 2.54;
inline constexpr double InchesPerFoot = 12;
inline constexpr double CentimetresPerMetre = 100;
inline constexpr double FeetPerInch = 0.08333333333333333;
inline constexpr double KilonewtonsPerPound = 0.004448220489393218;
inline constexpr double NewtonsPerPound = 4.448220489393218;   // also kN per kip
inline constexpr double KilonewtonsPerTon = 8.896440978786435; // short ton-force
inline constexpr double PoundsPerKip = 1000;
inline constexpr double PascalPerMetrePerPsiPerInch = 271447.137519685;

// Angles.
inline constexpr double RadiansPerDegree = 0.017453292519943278;

// Printed page positions are in twips.
inline constexpr int TwipsPerInch = 1440;

} // namespace kora
