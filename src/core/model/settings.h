#pragma once

#include "core/model/chartparams.h"

#include <array>
#include <cstdint>
#include <string>

namespace kora {

// The program's preferences, as kept in KORA.INI. The member initialisers are the initial
// defaults written into a new settings file; reading applies the read defaults and the range
// corrections (see settingsfile.h). The "Graph" section holds the chart parameters.
struct Settings : ChartParams {
    // [Settings]
    std::int16_t DefaultUnits = 0;
    std::int16_t DisplayHistoryWin = 0;
    std::int16_t MaxDisplaySize = 2048;
    std::string DisplayFontName = "Arial";
    float DisplayFontSize = 10;
    std::int16_t DisplayFontBold = 0;
    std::int16_t DisplayFontItalic = 0;
    std::int16_t KeepFileNames = 1;
    std::int16_t ShowDisclaim = 1;
    std::int16_t MaxMainMenu = 0;
    std::int16_t EnableMainMenuToolbar = 1;
    std::int16_t ShortRecentFiles = 0;
    std::int16_t LoadLastInputFile = 0;
    std::int16_t RemindAnnualUpdates = 1;
    std::int16_t CopyExampleFiles = 1;
    std::string DataPath; // ends with the path separator; the user data folder by default
    std::string FileExtension = "KOR";
    std::string ExternalEditor = "Notepad.exe";

    // [TextBrowse]
    std::string BrowseFontName = "Arial";
    float BrowseFontSize = 10;
    std::int16_t BrowseFontBold = 0;
    std::int16_t BrowseFontItalic = 0;
    std::string BrowseDefaultFilter;
    std::int16_t BrowseUseNotepad = 0;

    // [KORAOptions]
    std::int16_t OutputStrUnits = 0;     // English stresses: 0 psi, 1 psf
    std::int16_t OutputStrGradUnits = 0; // English loads per length: 0 lbs, 1 tons
    std::int16_t ShowInputScreenOnLoad = 1;
    std::int16_t ShowInputScreenOnStart = 1;
    std::int16_t IssueWarningCancel = 1;
    std::int16_t ViewChildWindow = 1;
    std::int16_t PrintModuleHeader = 1;
    std::int16_t PlotEntryDims = 1;
    std::int16_t PlotXcutDims = 1;
    std::int16_t PrintPlotReminder = 1;
    std::int16_t AskOfficeInstall = 1;
};

// The report options the engine's load bearing capacity report reads.
struct ReportOptions {
    std::int16_t OutputStrUnits = 0;
    std::int16_t OutputStrGradUnits = 0;
    std::int16_t PrintPlotReminder = 1;

    static ReportOptions from(const Settings& s) {
        return {s.OutputStrUnits, s.OutputStrGradUnits, s.PrintPlotReminder};
    }
};

} // namespace kora
