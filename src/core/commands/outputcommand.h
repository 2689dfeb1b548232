#pragma once

#include "core/engine/calculation.h"

#include <optional>
#include <string>
#include <string_view>

namespace kora {

struct KoraState;
class Messenger;

// The calculation commands of the Output menu (OutputCommand), shared by the main window and
// kora-cli.
//
// Refuses an empty project ("Current file is empty") and, for Advanced, a project without
// advanced geometry ("Advanced geometry not defined"; the window greys that menu item out
// instead). Then sets LastPage to 4, refreshes the plan's geometry copy, runs the calculation
// (whose input check shows its own message when it refuses) and rebuilds the input listing on
// page 0. True when the report is complete and the results viewer should open; false when the
// command was refused or names no calculation. File and arithmetic failures propagate as
// KoraError to the command's error handler.
bool RunOutputCommand(OutputCommand command, KoraState& state, Messenger& messenger);

// The end of the results viewer's caption: "Standard Geometry", "Advanced Geometry",
// "Pillar Sizing"; empty for a value that names no calculation.
std::string OutputCaptionSuffix(OutputCommand command);

// The names of the calculation commands on kora-cli's command line.
struct OutputCommandName {
    const char* name;
    OutputCommand command;
};
inline constexpr OutputCommandName OutputCommandNames[] = {
    {"standard", OutputCommand::Standard},
    {"advanced", OutputCommand::Advanced},
    {"sizing", OutputCommand::Sizing},
};

// The command of that name; none for a name not in OutputCommandNames.
std::optional<OutputCommand> OutputCommandNamed(std::string_view name);

inline constexpr const char* EmptyProjectMessage = "Current file is empty";
inline constexpr const char* NoAdvancedGeometryMessage = "Advanced geometry not defined";

} // namespace kora
