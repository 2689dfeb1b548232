#pragma once

#include <string>

namespace kora {

struct ProjectRecord;
struct WorkingSet;
struct PlanGeometry;
struct ReportBuffer;
struct Settings;
class Messenger;

// The calculation commands of the Output menu, shared by the main window and kora-cli:
// index 0 stability factors for standard geometry, 1 for advanced geometry, 3 pillar sizing.
//
// Refuses an empty project ("Current file is empty") and, for index 1, a project without advanced
// geometry ("Advanced geometry not defined"; the window greys that menu item out instead). Then
// sets LastPage to 4, refreshes the plan's geometry copy, runs the analysis (whose input check
// shows its own message when it refuses) and rebuilds the input listing on page 0. True when the
// report is complete and the results viewer should open; false when the command was refused or
// the index names no calculation. File and arithmetic failures propagate as KoraError to the
// command's error handler.
bool RunOutputCommand(int index, ProjectRecord& project, WorkingSet& work, PlanGeometry& plan,
                      ReportBuffer& buffer, const Settings& settings, Messenger& messenger);

// The end of the results viewer's caption for a calculation index: "Standard Geometry",
// "Advanced Geometry", "Pillar Sizing"; empty for any other index.
std::string OutputCaptionSuffix(int index);

inline constexpr const char* EmptyProjectMessage = "Current file is empty";
inline constexpr const char* NoAdvancedGeometryMessage = "Advanced geometry not defined";

} // namespace kora
