#pragma once

#include "core/base/onebased.h"

#include <cstdint>

namespace kora {

using ColumnArray = OneBased<float, 5>;    // pillar columns 1..5
using ConditionArray = OneBased<float, 5>; // loading conditions 1 Development .. 5 Isolated
using CaseArray = OneBased<float, 3>;      // sizing cases 1 Headgate, 2 Bleeder, 3 Tailgate
using ConditionColumnTable = OneBased<OneBased<float, 5>, 5>; // (loading condition, column)

// The engine's working set in feet, psf, pcf and lb per foot of gate entry, with the results
// and the flags that steer a calculation. Built afresh by SetWorkParms for every calculation.
struct WorkingSet {
    float WkHeight = 0;
    float WkDepth = 0;
    float WkPanelWidth = 0;
    float WkXcutSpacing = 0;
    float WkEntryWidth = 0;
    std::int16_t WkNumEntries = 0;
    std::int16_t NumPillars = 0;
    float WkAbutAngle = 0;
    float WkCoalStrength = 0; // psf
    float WkUnitWeight = 0;   // pcf
    float WkYieldWidth = 0;

    ColumnArray PillarCenters;
    ColumnArray XcutSpacingFt;
    ColumnArray PillarW0;
    ColumnArray PillarL0;
    ColumnArray PillarWidth;
    ColumnArray PillarLength;
    ColumnArray WHRatio;
    float SystemWidth = 0;

    ColumnArray UnitStrength;  // Classic, psf
    ColumnArray UnitStrengthR; // (R), psf
    ColumnArray Capacity;      // lb per ft of gate entry
    ColumnArray CapacityR;
    float TotalCapacity = 0;
    float TotalCapacityR = 0;

    float DevLoad = 0;
    float SideAbutLoad = 0;
    float AbutExtent = 0;
    float AbutFraction = 0;
    ConditionArray DesignLoad;

    CaseArray TargetSFClassic;
    CaseArray TargetSFR;

    // Pillar sizing state, including the secant search.
    float SizingLength = 0;
    std::int16_t SizingCase = 0;
    float TrialWidth = 0;
    float SecantGuess1 = 0;
    float SecantGuess2 = 0;
    float SecantStep = 0;
    float SecantResidual = 0;
    float SecantResidualPrev = 0;
    float SecantResidualNew = 0;
    std::int16_t SecantIteration = 0;
    ColumnArray PillarWidthAlt;
    ColumnArray PillarLengthAlt;

    // Load bearing capacity report: shares of the side abutment load and unit loads (psf), and
    // the copies in output units read by the plan drawing.
    ColumnArray CumShare;
    ColumnArray IncShare;
    ConditionColumnTable UnitLoad;
    ColumnArray UnitStrengthOut;
    ColumnArray UnitStrengthROut;
    ColumnArray CapacityOut;
    ColumnArray CapacityROut;
    float TotalCapacityOut = 0;
    float TotalCapacityROut = 0;
    ConditionColumnTable UnitLoadOut;

    // Results.
    ConditionArray SFClassic;
    ConditionArray SFRevised;
    CaseArray SizedWidthClassic;
    CaseArray SizedLengthClassic;
    CaseArray SizedWidthR;
    CaseArray SizedLengthR;

    // Flags.
    bool IsClassic = true;
    std::int16_t AdvCalc = 0;
    bool SizingRun = false;
    bool XcutAdjustedClassic = false;
    bool XcutAdjustedRevised = false;
};

} // namespace kora
