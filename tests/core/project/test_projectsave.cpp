#include "core/project/projectfile.h"

#include "scriptedmessenger.h"
#include "tempfolder.h"
#include "thrown.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace kora {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;

std::vector<std::string> entries(const test::TempFolder& dir) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir.path())) names.push_back(e.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

ProjectRecord changedProject(const std::string& path) {
    ProjectRecord p;
    p.ProjectPath = path;
    p.ProjectSaved = false;
    p.ProjectTitle = "Changed";
    p.ProjectDescription = "one\r\n\r\n  \r\ntwo, long enough to make the file larger than before";
    return p;
}

int saveError(ProjectRecord& p) {
    test::ScriptedMessenger m;
    return test::ThrownBy([&] { FileSave(p, m); }).number;
}

TEST(ProjectSaveTest, ReplacesTheFileKeepsItsModeAndFollowsLinks) {
    test::TempFolder dir;
    const std::string path = dir.write("gate.kor", "old contents");
    const auto mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(path, mode);
    ProjectRecord p = changedProject(path);
    test::ScriptedMessenger m;
    ASSERT_TRUE(FileSave(p, m));
    EXPECT_TRUE(p.ProjectSaved);
    EXPECT_EQ(p.ProjectDescription, "one\r\ntwo, long enough to make the file larger than before");
    EXPECT_EQ(m.history, std::vector<std::string>{"Saving: " + path});
    EXPECT_EQ(ReadBytes(path), ProjectFileText(p));
    EXPECT_EQ(fs::status(path).permissions(), mode);

    const std::string link = dir.file("link.kor");
    fs::create_symlink(path, link);
    ProjectRecord viaLink = changedProject(link);
    viaLink.ProjectTitle = "Through the link";
    ASSERT_TRUE(FileSave(viaLink, m));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadBytes(path), ProjectFileText(viaLink));
    EXPECT_EQ(entries(dir), (std::vector<std::string>{"gate.kor", "link.kor"})); // no temporary
    // A link to no file yet creates the file it names and stays a link.
    const std::string dangling = dir.file("dangling.kor");
    fs::create_symlink("new.kor", dangling);
    viaLink.ProjectPath = dangling;
    ASSERT_TRUE(FileSave(viaLink, m));
    EXPECT_TRUE(fs::is_symlink(dangling));
    EXPECT_EQ(ReadBytes(dir.file("new.kor")), ProjectFileText(viaLink));
}

TEST(ProjectSaveTest, FailuresRaiseTheClassicErrorAndKeepTheProjectUnsaved) {
    test::TempFolder dir;
    ProjectRecord missing = changedProject(dir.file("no/such/folder/x.kor"));
    missing.ProjectSaved = true;
    EXPECT_EQ(saveError(missing), 76);
    EXPECT_FALSE(missing.ProjectSaved);

    fs::create_directory(dir.file("folder.kor"));
    ProjectRecord folder = changedProject(dir.file("folder.kor"));
    EXPECT_EQ(saveError(folder), 75);
    EXPECT_FALSE(folder.ProjectSaved);
    EXPECT_TRUE(fs::is_directory(dir.file("folder.kor")));

    ProjectRecord seven = changedProject(dir.write("seven.kor", "previous"));
    seven.NumEntries = 7;
    EXPECT_EQ(saveError(seven), 9);
    EXPECT_EQ(ReadBytes(dir.file("seven.kor")), "previous");

    // A read-only file (mode 444) in a writable folder is refused as a read-only folder is.
    ProjectRecord locked = changedProject(dir.write("locked.kor", "locked"));
    fs::permissions(locked.ProjectPath,
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_EQ(saveError(locked), 70);
    EXPECT_EQ(ReadBytes(locked.ProjectPath), "locked");
    EXPECT_EQ(entries(dir), (std::vector<std::string>{"folder.kor", "locked.kor", "seven.kor"}));
}

} // namespace
} // namespace kora
