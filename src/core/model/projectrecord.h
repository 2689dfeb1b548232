#pragma once

#include "core/base/onebased.h"

#include <cstdint>
#include <string>

namespace kora {

// The one gate-entry design the program works on: the inputs in the project's own unit system
// (ft, psi, pcf or m, MPa, kN/m3), its title and description, and the flags of the open project.
// Per-column arrays hold pillar columns 1..5 (at most 6 entries); slots beyond NumEntries - 1
// take no part in any calculation and keep whatever they hold.
struct ProjectRecord {
    float EntryHeight = 0;
    float PanelWidth = 0;
    float DepthOfCover = 0;
    float EntryWidth = 0;
    float CrosscutSpacing = 0;
    std::int16_t NumEntries = 2;
    OneBased<float, 5> CenterDistance;
    float CoalStrength = 900;
    float AbutmentAngle = 21;
    float UnitWeight = 162;
    float CMRRValue = 35;
    std::int16_t UseCMRR = 0;
    float HeadgateSF = 1.3f;
    float BleederSF = 1.3f;
    float TailgateSF = 1.3f;
    std::int16_t ConfigMode = 0;
    float YieldPillarWidth = 0;
    std::int16_t AdvGeometry = 0;
    OneBased<float, 5> XcutAngle;
    OneBased<float, 5> XcutSpacing;

    std::int16_t UnitSystem = 0; // 0 English, 1 Metric
    std::string ProjectTitle;
    std::string ProjectDescription; // lines joined by CR LF

    // State of the open project.
    std::string ProjectPath = "Untitled";
    std::string PreviousPath;
    bool ProjectSaved = true;
    bool ProjectEmpty = true;
    bool DescriptionSet = false;
};

// Resets the inputs (not the flags, the path or UseCMRR) to the values of a new project in the
// record's current unit system.
void SetDefaultInputs(ProjectRecord& p);

} // namespace kora
