#pragma once

#include <string>
#include <string_view>

namespace kora {

// Writes a whole text file, replacing an existing file of that path only once the new content is
// completely on disk: the text goes to a temporary file beside the target, every write, the flush
// and the close are checked, and the temporary file is then renamed over the target. A failure
// leaves any previous file untouched, removes the temporary file and throws KoraError with the
// classic number: 76 "Path not found", 70 "Permission denied", 61 "Disk full", 57 "Device I/O
// error" or 75 "Path/File access error".
void WriteTextFile(const std::string& path, std::string_view content);

} // namespace kora
