#include "core/project/projectfile.h"

#include "scriptedmessenger.h"
#include "tempfolder.h"
#include "thrown.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/resource.h>

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

// A write that fails part way (here: the process may not write files beyond 64 bytes, which
// holds even for root) leaves the previous file exactly as it was.
TEST(ProjectSaveTest, AFailedWriteKeepsThePreviousFile) {
    test::TempFolder dir;
    const std::string previous = "KORA_500\r\n previous project \r\n";
    ProjectRecord p = changedProject(dir.write("keep.kor", previous));
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 64;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const int number = saveError(p);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(number, 61);
    EXPECT_FALSE(p.ProjectSaved);
    EXPECT_EQ(ReadBytes(p.ProjectPath), previous);
    EXPECT_EQ(entries(dir), std::vector<std::string>{"keep.kor"});
}

} // namespace
} // namespace kora
