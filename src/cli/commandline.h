#pragma once

#include <ostream>

namespace kora::cli {

// Exit statuses of kora-cli.
inline constexpr int ExitDone = 0;
inline constexpr int ExitError = 1;   // usage, file or runtime errors
inline constexpr int ExitRefused = 2; // the project was refused: not a project file, a failed
                                      // input check, no advanced geometry, already in the units

// Runs one kora-cli command line: report, graph, study, convert, resave or units. Results go to
// `out` (report text byte for byte), messages to `err`, one per line. Returns the exit status.
int Run(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

} // namespace kora::cli
