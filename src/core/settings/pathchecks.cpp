#include "core/settings/pathchecks.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

namespace kora {

namespace fs = std::filesystem;

namespace {

enum class PathState { Folder, Invalid, Internal };

PathState checkFolder(const std::string& path) {
    if (path.empty() || path.find('\0') != std::string::npos) return PathState::Invalid;
    std::error_code ec;
    const auto st = fs::status(fs::path(path), ec);
    if (!ec) return fs::is_directory(st) ? PathState::Folder : PathState::Invalid;
    switch (ec.value()) {
    case ENOENT:
    case ENOTDIR:
    case ENAMETOOLONG:
    case EACCES:
    case EPERM:
    case ELOOP:
    case EINVAL:
        return PathState::Invalid;
    default:
        return PathState::Internal;
    }
}

} // namespace

bool FileExists(const std::string& path) {
    if (path.empty() || path.find('\0') != std::string::npos) return false;
    std::error_code ec;
    const auto st = fs::status(fs::path(path), ec);
    return !ec && fs::exists(st) && !fs::is_directory(st);
}

bool ValidPath(const std::string& path) {
    return checkFolder(path) == PathState::Folder;
}

bool ValidPath(const std::string& path, bool showMessage, Messenger& messenger) {
    const PathState state = checkFolder(path);
    if (state == PathState::Folder) return true;
    if (showMessage) {
        if (state == PathState::Invalid)
            messenger.ShowMessage("Invalid path: " + path, mb::OK | mb::Exclamation);
        else
            messenger.ShowMessage("Internal Error in ValidPath Function: Contact Developer",
                                  mb::OK | mb::Critical);
    }
    return false;
}

} // namespace kora
