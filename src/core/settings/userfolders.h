#pragma once

#include <string>

namespace kora {

// The user's number format is never touched: every number the program reads or writes, in files
// and dialogs alike, is C-locale text from core/base/numberformat.h with "." as the decimal
// separator, so there is no separator to switch at start-up and restore at exit.

// The per-user folders of the program, each ending with "/": the data folder holds KORA.INI and
// the example projects, the temp folder the temporary files, the application folder the program.
struct UserFolders {
    std::string UserDataFolder;
    std::string UserTempFolder;
    std::string AppFolder;
};

// The user's documents folder + "MyTERVA/" and + "MyTERVA/Temp/", created when missing. When the
// documents folder is empty or does not exist, or a folder cannot be created, the application
// folder takes its place.
UserFolders InitUserFolders(const std::string& documentsFolder, const std::string& appFolder);

} // namespace kora
