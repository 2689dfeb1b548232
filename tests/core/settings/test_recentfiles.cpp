#include "core/settings/recentfiles.h"

#include <gtest/gtest.h>

namespace kora {
namespace {

std::vector<std::string> longPaths(const RecentFiles& r) {
    return {r.LastFileLong.begin(), r.LastFileLong.begin() + r.RecentCount};
}

TEST(RecentFilesTest, NewPathsGoToTheFrontAndTheOldestFallsOff) {
    RecentFiles r;
    Settings s;
    for (const char* p : {"/d/a.kor", "/d/b.kor", "/d/c.kor", "/d/e.kor"})
        EXPECT_TRUE(UpdateRecentFiles(r, p, s));
    EXPECT_EQ(longPaths(r),
              (std::vector<std::string>{"/d/e.kor", "/d/c.kor", "/d/b.kor", "/d/a.kor"}));
    EXPECT_EQ(r.LastFile[0], "e.kor");
    EXPECT_EQ(r.LastFileMode[3], 1);

    EXPECT_TRUE(UpdateRecentFiles(r, "/d/f.kor", s));
    EXPECT_EQ(r.RecentCount, 4);
    EXPECT_EQ(longPaths(r),
              (std::vector<std::string>{"/d/f.kor", "/d/e.kor", "/d/c.kor", "/d/b.kor"}));
    EXPECT_EQ(r.LastFile, (std::array<std::string, 4>{"f.kor", "e.kor", "c.kor", "b.kor"}));

    // A removed entry leaves no gap.
    EXPECT_TRUE(RemoveRecentFile(r, 2));
    EXPECT_EQ(longPaths(r), (std::vector<std::string>{"/d/f.kor", "/d/c.kor", "/d/b.kor"}));
    EXPECT_EQ(r.LastFile, (std::array<std::string, 4>{"f.kor", "c.kor", "b.kor", ""}));
    EXPECT_FALSE(RemoveRecentFile(r, 4));
    EXPECT_EQ(r.RecentCount, 3);
}

TEST(RecentFilesTest, AKnownPathIsSwappedWithTheFirstWithoutWriting) {
    RecentFiles r;
    Settings s;
    for (const char* p : {"/d/a.kor", "/d/b.kor", "/d/c.kor"}) UpdateRecentFiles(r, p, s);
    EXPECT_FALSE(UpdateRecentFiles(r, "/d/c.kor", s)); // already first: order unchanged
    EXPECT_EQ(longPaths(r), (std::vector<std::string>{"/d/c.kor", "/d/b.kor", "/d/a.kor"}));
    EXPECT_FALSE(UpdateRecentFiles(r, "/d/a.kor", s)); // the third swaps with the first
    EXPECT_EQ(longPaths(r), (std::vector<std::string>{"/d/a.kor", "/d/b.kor", "/d/c.kor"}));
    EXPECT_EQ(r.LastFile[2], "c.kor");
}

TEST(RecentFilesTest, ShortNamesMatchByFileNameAndTakeTheNewPath) {
    RecentFiles r;
    Settings s;
    s.ShortRecentFiles = 1;
    UpdateRecentFiles(r, "/d/a.kor", s);
    UpdateRecentFiles(r, "/d/b.kor", s);
    EXPECT_EQ(RecentCaption(r, 1, s), "b.kor");
    EXPECT_FALSE(UpdateRecentFiles(r, "/other/a.kor", s));
    EXPECT_EQ(longPaths(r), (std::vector<std::string>{"/other/a.kor", "/d/b.kor"}));
    s.ShortRecentFiles = 0;
    EXPECT_EQ(RecentCaption(r, 2, s), "/d/b.kor");
    EXPECT_EQ(RecentCaption(r, 3, s), "");
}

TEST(RecentFilesTest, NothingIsKeptWithoutKeepFileNames) {
    RecentFiles r;
    Settings s;
    s.KeepFileNames = 0;
    EXPECT_FALSE(UpdateRecentFiles(r, "/d/a.kor", s));
    EXPECT_EQ(r.RecentCount, 0);
}

} // namespace
} // namespace kora
