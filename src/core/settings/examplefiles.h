#pragma once

#include "core/base/messenger.h"
#include "core/model/settings.h"

#include <string>

namespace kora {

// Copies a text file line by line, every line ending in CR LF; an existing target is replaced
// (atomically). A missing source shows "Requested File not found: " + source and gives false.
// Raises KoraError when the source cannot be read or the target cannot be written.
bool CopyTextFile(const std::string& source, const std::string& target, Messenger& messenger);

// When CopyExampleFiles is set, copies every project file ("*.KOR" in any letter case, names
// beginning with "." skipped) of the program folder that the user data folder does not hold yet.
// Errors are ignored: an example that cannot be copied is skipped.
void CopyExampleProjects(const std::string& programFolder, const std::string& userDataFolder,
                         const Settings& settings, Messenger& messenger);

} // namespace kora
