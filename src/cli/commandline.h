#pragma once

#include <ostream>

namespace kora::cli {

// Exit statuses of kora-cli.
inline constexpr int ExitDone = 0;
inline constexpr int ExitError = 1; // usage, file or runtime errors
// The project was refused: not a project file, a failed input check, no advanced geometry,
// already in the units, stability factors that overflow, a study with nothing to write, a file
// too large to be opened again.
inline constexpr int ExitRefused = 2;

// Runs one kora-cli command line: report, graph, study, convert, resave or units. Results go to
// `out` (report text byte for byte), messages to `err`, one per line. Returns the exit status.
int Run(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

} // namespace kora::cli
