#pragma once

#include "core/base/messenger.h"
#include "core/model/settings.h"

#include <string>

namespace kora {

// Copies a text file line by line, every line ending in CR LF; an existing target is replaced
// (atomically). A missing source shows "Requested File not found: " + source and gives false.
// Raises KoraError when the source cannot be read or the target cannot be written.
bool CopyTextFile(const std::string& source, const std::string& target, Messenger& messenger);

// The folder that holds the example projects, the PDF manual and the reference documents, with a
// trailing separator: beside the executable in a build, in the program's data folder of an
// installation (the executable in <prefix>/bin, the data in <prefix>/share/kora). The data folder
// is given relative to the program folder; the program folder is the answer when that folder does
// not exist.
std::string ProgramDataFolder(const std::string& programFolder,
                              const std::string& installedDataFolder);

// When CopyExampleFiles is set, copies every project file ("*.KOR" in any letter case, names
// beginning with "." skipped) of the program folder that the user data folder does not hold yet.
// Errors are ignored: an example that cannot be copied is skipped.
void CopyExampleProjects(const std::string& programFolder, const std::string& userDataFolder,
                         const Settings& settings, Messenger& messenger);

} // namespace kora
