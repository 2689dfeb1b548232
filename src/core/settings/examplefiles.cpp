#include "core/settings/examplefiles.h"

#include "core/base/koraerror.h"
#include "core/base/textfile.h"
#include "core/base/textutil.h"
#include "core/settings/pathchecks.h"
#include "core/settings/settingsfile.h"

#include <filesystem>

namespace kora {

namespace fs = std::filesystem;

bool CopyTextFile(const std::string& source, const std::string& target, Messenger& messenger) {
    if (!FileExists(source)) {
        messenger.ShowMessage("Requested File not found: " + source);
        return false;
    }
    const std::string in = ReadTextFile(source);
    std::string out;
    out.reserve(in.size() + in.size() / 16);
    std::size_t start = 0;
    for (std::size_t i = 0; i < in.size(); ++i) {
        if (in[i] != '\r' && in[i] != '\n') continue;
        out.append(in, start, i - start);
        out += "\r\n";
        if (in[i] == '\r' && i + 1 < in.size() && in[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < in.size()) {
        out.append(in, start, std::string::npos);
        out += "\r\n";
    }
    WriteTextFileAtomically(target, out);
    return true;
}

std::string ProgramDataFolder(const std::string& programFolder,
                              const std::string& installedDataFolder) {
    if (installedDataFolder.empty()) return programFolder;
    const fs::path installed = (fs::path(programFolder) / installedDataFolder).lexically_normal();
    std::error_code ec;
    if (!fs::is_directory(installed, ec)) return programFolder;
    std::string folder = installed.string();
    if (folder.back() != '/') folder += '/';
    return folder;
}

void CopyExampleProjects(const std::string& programFolder, const std::string& userDataFolder,
                         const Settings& settings, Messenger& messenger) {
    if (settings.CopyExampleFiles == 0) return;
    const std::string wanted = std::string(".") + DefaultFileExtension;
    std::error_code ec;
    for (fs::directory_iterator it(fs::path(programFolder), ec), end; !ec && it != end;
         it.increment(ec)) {
        try {
            const fs::path& source = it->path();
            const std::string name = source.filename().string();
            if (name.empty() || name.front() == '.') continue;
            std::error_code typeError;
            if (!it->is_regular_file(typeError)) continue;
            if (!SameIgnoringCase(source.extension().string(), wanted)) continue;
            const std::string target = (fs::path(userDataFolder) / name).string();
            if (FileExists(target)) continue;
            CopyTextFile(source.string(), target, messenger);
        } catch (const std::exception&) {
            // An example that cannot be copied is skipped.
        }
    }
}

} // namespace kora
