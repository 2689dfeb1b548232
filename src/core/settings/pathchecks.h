#pragma once

#include "core/base/messenger.h"

#include <string>

namespace kora {

// True when a file (not a folder) of that path exists.
bool FileExists(const std::string& path);

// True when the folder exists. A path or file-access failure (the folder is missing, a part of
// the path is not a folder, the name is bad or too long, access is denied) gives false and, with
// showMessage, the message "Invalid path: " + path; any other failure shows
// "Internal Error in ValidPath Function: Contact Developer".
bool ValidPath(const std::string& path, bool showMessage, Messenger& messenger);

// ValidPath without any message.
bool ValidPath(const std::string& path);

} // namespace kora
