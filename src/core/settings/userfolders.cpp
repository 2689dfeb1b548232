#include "core/settings/userfolders.h"

#include "core/settings/pathchecks.h"

#include <filesystem>

namespace kora {

namespace {

std::string withSeparator(std::string folder) {
    if (!folder.empty() && folder.back() != '/' && folder.back() != '\\') folder += '/';
    return folder;
}

// Creates the folder when missing (errors are ignored: the existence test decides).
std::string makeFolder(const std::string& folder, const std::string& fallback) {
    std::error_code ec;
    std::filesystem::create_directory(std::filesystem::path(folder), ec);
    return ValidPath(folder) ? folder : fallback;
}

} // namespace

UserFolders InitUserFolders(const std::string& documentsFolder, const std::string& appFolder) {
    UserFolders f;
    f.AppFolder = withSeparator(appFolder);
    if (!ValidPath(documentsFolder)) {
        f.UserDataFolder = f.UserTempFolder = f.AppFolder;
        return f;
    }
    const std::string base = withSeparator(documentsFolder);
    f.UserDataFolder = makeFolder(base + "MyTERVA/", f.AppFolder);
    f.UserTempFolder = makeFolder(base + "MyTERVA/Temp/", f.AppFolder);
    return f;
}

} // namespace kora
