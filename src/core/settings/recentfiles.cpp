#include "core/settings/recentfiles.h"

#include "core/project/projectfile.h"

#include <utility>

namespace kora {

std::string RecentCaption(const RecentFiles& recent, int item, const Settings& settings) {
    if (item < 1 || item > recent.RecentCount || item > 4) return {};
    const auto k = static_cast<std::size_t>(item - 1);
    return settings.ShortRecentFiles == 1 ? recent.LastFile[k] : recent.LastFileLong[k];
}

bool RemoveRecentFile(RecentFiles& recent, int item) {
    if (item < 1 || item > recent.RecentCount || item > 4) return false;
    for (std::size_t k = static_cast<std::size_t>(item - 1); k + 1 < 4; ++k) {
        recent.LastFile[k] = std::move(recent.LastFile[k + 1]);
        recent.LastFileLong[k] = std::move(recent.LastFileLong[k + 1]);
        recent.LastFileMode[k] = recent.LastFileMode[k + 1];
    }
    recent.LastFile[3].clear();
    recent.LastFileLong[3].clear();
    recent.LastFileMode[3] = 0;
    --recent.RecentCount;
    return true;
}

bool UpdateRecentFiles(RecentFiles& recent, const std::string& projectPath,
                       const Settings& settings) {
    const std::string caption =
        settings.ShortRecentFiles == 1 ? FileNamePart(projectPath, false) : projectPath;
    if (settings.KeepFileNames == 0) return false;
    if (recent.RecentCount < 0 || recent.RecentCount > 4) recent.RecentCount = 0;

    for (int i = 1; i <= recent.RecentCount; ++i) {
        if (RecentCaption(recent, i, settings) != caption) continue;
        const auto k = static_cast<std::size_t>(i - 1);
        std::swap(recent.LastFile[k], recent.LastFile[0]);
        std::swap(recent.LastFileLong[k], recent.LastFileLong[0]);
        std::swap(recent.LastFileMode[k], recent.LastFileMode[0]);
        recent.LastFileLong[0] = projectPath;
        return false;
    }

    if (recent.RecentCount < 4) ++recent.RecentCount;
    for (int j = recent.RecentCount - 1; j >= 1; --j) {
        const auto k = static_cast<std::size_t>(j);
        recent.LastFile[k] = recent.LastFile[k - 1];
        recent.LastFileLong[k] = recent.LastFileLong[k - 1];
        recent.LastFileMode[k] = recent.LastFileMode[k - 1];
    }
    recent.LastFile[0] = FileNamePart(projectPath, false);
    recent.LastFileLong[0] = projectPath;
    recent.LastFileMode[0] = 1;
    return true;
}

} // namespace kora
