#include "core/project/projectfile.h"

#include "scriptedmessenger.h"
#include "tempfolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace kora {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::ScriptedMessenger;
using test::TempFolder;

std::vector<std::string> entries(const TempFolder& dir) {
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
    p.ProjectDescription = "a description long enough to make the file larger than the old one";
    return p;
}

int errorNumberOf(ProjectRecord& p, ScriptedMessenger& m) {
    try {
        FileSave(p, m);
    } catch (const KoraError& e) {
        return e.number();
    }
    return 0;
}

TEST(ProjectSaveTest, ReplacesTheFileAndLeavesNoTemporaryFile) {
    TempFolder dir;
    const std::string path = dir.write("gate.kor", "old contents");
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ProjectRecord p = changedProject(path);
    ScriptedMessenger m;
    ASSERT_TRUE(FileSave(p, m));
    EXPECT_TRUE(p.ProjectSaved);
    EXPECT_EQ(m.history, std::vector<std::string>{"Saving: " + path});
    EXPECT_EQ(ReadBytes(path), ProjectFileText(p));
    EXPECT_EQ(entries(dir), std::vector<std::string>{"gate.kor"});
    EXPECT_EQ(fs::status(path).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST(ProjectSaveTest, SavingNormalisesTheDescriptionInMemory) {
    TempFolder dir;
    ProjectRecord p = changedProject(dir.file("n.kor"));
    p.ProjectDescription = "one\r\n\r\n  \r\ntwo\r\n";
    ScriptedMessenger m;
    ASSERT_TRUE(FileSave(p, m));
    EXPECT_EQ(p.ProjectDescription, "one\r\ntwo");
}

TEST(ProjectSaveTest, FollowsASymbolicLink) {
    TempFolder dir;
    const std::string real = dir.write("real.kor", "old");
    const std::string link = dir.file("link.kor");
    fs::create_symlink(real, link);
    ProjectRecord p = changedProject(link);
    ScriptedMessenger m;
    ASSERT_TRUE(FileSave(p, m));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadBytes(real), ProjectFileText(p));
    // A link to no file yet creates the file it names and stays a link.
    const std::string dangling = dir.file("dangling.kor");
    fs::create_symlink("new.kor", dangling);
    p.ProjectPath = dangling;
    ASSERT_TRUE(FileSave(p, m));
    EXPECT_TRUE(fs::is_symlink(dangling));
    EXPECT_EQ(ReadBytes(dir.file("new.kor")), ProjectFileText(p));
}

struct FailureCase {
    const char* name;
    int number;
};

TEST(ProjectSaveTest, FailuresRaiseTheClassicErrorAndKeepTheProjectUnsaved) {
    TempFolder dir;
    ScriptedMessenger m;

    ProjectRecord missing = changedProject(dir.file("no/such/folder/x.kor"));
    missing.ProjectSaved = true;
    EXPECT_EQ(errorNumberOf(missing, m), 76);
    EXPECT_FALSE(missing.ProjectSaved);

    fs::create_directory(dir.file("folder.kor"));
    ProjectRecord folder = changedProject(dir.file("folder.kor"));
    EXPECT_EQ(errorNumberOf(folder, m), 75);
    EXPECT_FALSE(folder.ProjectSaved);
    EXPECT_TRUE(fs::is_directory(dir.file("folder.kor")));

    const std::string kept = dir.write("seven.kor", "previous");
    ProjectRecord seven = changedProject(kept);
    seven.NumEntries = 7;
    EXPECT_EQ(errorNumberOf(seven, m), 9);
    EXPECT_EQ(ReadBytes(kept), "previous");

    // A read-only file (mode 444) in a writable folder is refused as a read-only folder is.
    const std::string locked = dir.write("locked.kor", "locked");
    fs::permissions(locked, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    ProjectRecord lockedProject = changedProject(locked);
    EXPECT_EQ(errorNumberOf(lockedProject, m), 70);
    EXPECT_EQ(ReadBytes(locked), "locked");

    EXPECT_EQ(entries(dir), (std::vector<std::string>{"folder.kor", "locked.kor", "seven.kor"}));
}

} // namespace
} // namespace kora
