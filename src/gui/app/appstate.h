#pragma once

#include "engine/sweeps.h"
#include "engine/workingset.h"
#include "graphics/plangeometry.h"
#include "project/projectrecord.h"
#include "project/recentfiles.h"
#include "report/history.h"
#include "report/reportbuffer.h"
#include "settings/settings.h"
#include "settings/userfolders.h"

#include <string>

namespace kora::gui {

// Everything the program knows while it runs: the one project with its working set and report,
// the history log, the settings and recent files, and the folders found at start-up. main()
// owns it and hands it to the windows by reference; a test builds as many as it likes.
struct AppState {
    ProjectRecord project;
    WorkingSet work;
    PlanGeometry plan;
    ReportBuffer report;
    GraphCurves curves; // the last chart sweep or parametric study
    History history;
    Settings settings;
    RecentFiles recent;
    UserFolders folders;

    std::string iniPath;       // KORA.INI in the user data folder
    std::string programFolder; // the folder of the executable, ends with the separator

    int ConvertFileOption = 0; // the file conversion dialog's remembered "File options" choice
};

} // namespace kora::gui
