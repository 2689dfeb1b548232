#pragma once

#include "core/model/settings.h"

#include <array>
#include <cstdint>
#include <string>

namespace kora {

// The recently used projects shown at the end of the File menu, newest first (element 0).
// Stored in the "FileMenu" section of the settings file.
struct RecentFiles {
    std::array<std::string, 4> LastFile;        // file name part of the path
    std::array<std::string, 4> LastFileLong;    // full path
    std::array<std::int16_t, 4> LastFileMode{}; // always 1
    std::int16_t RecentCount = 0;               // entries shown, 0..4
};

// Puts the project path at the head of the list. An entry already in the list (same caption) is
// swapped with the first one and takes the path; otherwise every entry moves one place down, the
// last one falling off a full list. Nothing happens when KeepFileNames is 0. Returns true when
// the list gained an entry and the "FileMenu" section must be written.
bool UpdateRecentFiles(RecentFiles& recent, const std::string& projectPath,
                       const Settings& settings);

// Takes item 1..RecentCount out of the list; the entries after it move up one place. Returns
// false (nothing changed) for an item outside the list.
bool RemoveRecentFile(RecentFiles& recent, int item);

// The menu caption of item 1..4: the file name part when ShortRecentFiles is 1, else the full
// path. Empty for an item outside 1..RecentCount.
std::string RecentCaption(const RecentFiles& recent, int item, const Settings& settings);

} // namespace kora
