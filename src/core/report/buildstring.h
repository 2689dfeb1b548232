#pragma once

#include <string>

namespace kora {

// The program version as shown by the main window and printed at the top of the input listing:
// major + "." + minor + "." + revision, the revision with at least two digits ("5.0.01").
std::string BuildString();

} // namespace kora
