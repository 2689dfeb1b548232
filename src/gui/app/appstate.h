#pragma once

#include "core/commands/korastate.h"

#include <string>

namespace kora::gui {

// Everything the program knows while it runs: the core's state (the one project with its working
// set and report, the history log, the settings, recent files and folders) and what only the
// desktop program keeps. main() owns it and hands it to the windows by reference; a test builds
// as many as it likes.
struct AppState : KoraState {
    std::string iniPath;       // KORA.INI in the user data folder
    std::string programFolder; // the folder of the executable, ends with the separator

    int ConvertFileOption = 0; // the file conversion dialog's remembered "File options" choice
    std::string BrowseFolder;  // the text file browser's folder when it was last closed
};

} // namespace kora::gui
