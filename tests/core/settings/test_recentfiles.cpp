#include "core/settings/recentfiles.h"

#include <gtest/gtest.h>

namespace kora {
namespace {

using Paths = std::vector<std::string>;

Paths longPaths(const RecentFiles& r) {
    return {r.LastFileLong.begin(), r.LastFileLong.begin() + r.RecentCount};
}

TEST(RecentFilesTest, NewPathsGoToTheFrontAndTheOldestFallsOff) {
    RecentFiles r;
    Settings s;
    for (const char* p : {"/d/a.kor", "/d/b.kor", "/d/c.kor", "/d/e.kor", "/d/f.kor"})
        EXPECT_TRUE(UpdateRecentFiles(r, p, s));
    EXPECT_EQ(longPaths(r), (Paths{"/d/f.kor", "/d/e.kor", "/d/c.kor", "/d/b.kor"}));
    EXPECT_EQ(r.LastFile, (std::array<std::string, 4>{"f.kor", "e.kor", "c.kor", "b.kor"}));
    EXPECT_EQ(r.LastFileMode[3], 1);

    // A removed entry leaves no gap.
    EXPECT_TRUE(RemoveRecentFile(r, 2));
    EXPECT_EQ(longPaths(r), (Paths{"/d/f.kor", "/d/c.kor", "/d/b.kor"}));
    EXPECT_EQ(r.LastFile, (std::array<std::string, 4>{"f.kor", "c.kor", "b.kor", ""}));
    EXPECT_FALSE(RemoveRecentFile(r, 4));

    // A known path is swapped with the first, and nothing needs writing.
    EXPECT_FALSE(UpdateRecentFiles(r, "/d/f.kor", s));
    EXPECT_EQ(longPaths(r), (Paths{"/d/f.kor", "/d/c.kor", "/d/b.kor"}));
    EXPECT_FALSE(UpdateRecentFiles(r, "/d/b.kor", s));
    EXPECT_EQ(longPaths(r), (Paths{"/d/b.kor", "/d/c.kor", "/d/f.kor"}));
    EXPECT_EQ(r.LastFile[2], "f.kor");
}

TEST(RecentFilesTest, ShortNamesAndKeepFileNames) {
    RecentFiles r;
    Settings s;
    s.ShortRecentFiles = 1;
    UpdateRecentFiles(r, "/d/a.kor", s);
    UpdateRecentFiles(r, "/d/b.kor", s);
    EXPECT_EQ(RecentCaption(r, 1, s), "b.kor");
    // Short names match by file name and take the new path.
    EXPECT_FALSE(UpdateRecentFiles(r, "/other/a.kor", s));
    EXPECT_EQ(longPaths(r), (Paths{"/other/a.kor", "/d/b.kor"}));
    s.ShortRecentFiles = 0;
    EXPECT_EQ(RecentCaption(r, 2, s), "/d/b.kor");
    EXPECT_EQ(RecentCaption(r, 3, s), "");

    RecentFiles none;
    s.KeepFileNames = 0;
    EXPECT_FALSE(UpdateRecentFiles(none, "/d/a.kor", s));
    EXPECT_EQ(none.RecentCount, 0);
}

} // namespace
} // namespace kora
