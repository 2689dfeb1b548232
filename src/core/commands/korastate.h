#pragma once

#include "core/model/graphcurves.h"
#include "core/model/plangeometry.h"
#include "core/model/projectrecord.h"
#include "core/model/reportbuffer.h"
#include "core/model/settings.h"
#include "core/model/workingset.h"
#include "core/report/history.h"
#include "core/settings/recentfiles.h"
#include "core/settings/userfolders.h"

namespace kora {

// Everything a command works on: the one project with its working set, plan geometry, report and
// chart curves, the history log, the settings and recent files, and the user's folders. The
// desktop program and kora-cli each own one and hand it to the commands by reference; a test
// builds as many as it likes.
struct KoraState {
    ProjectRecord project;
    WorkingSet work;
    PlanGeometry plan;
    ReportBuffer report;
    GraphCurves curves; // the last chart sweep or parametric study
    History history;
    Settings settings;
    RecentFiles recent;
    UserFolders folders;
};

} // namespace kora
