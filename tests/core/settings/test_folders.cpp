#include "core/settings/examplefiles.h"
#include "core/settings/pathchecks.h"
#include "core/settings/userfolders.h"

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

TEST(UserFoldersTest, CreatesTheDataAndTempFoldersOrFallsBack) {
    TempFolder docs;
    for (const std::string& given : {docs.path().string(), docs.folder()}) {
        const UserFolders f = InitUserFolders(given, "/opt/kora");
        EXPECT_EQ(f.UserDataFolder, docs.folder() + "MyTERVA/");
        EXPECT_EQ(f.UserTempFolder, docs.folder() + "MyTERVA/Temp/");
        EXPECT_EQ(f.AppFolder, "/opt/kora/");
        EXPECT_TRUE(fs::is_directory(f.UserTempFolder));
    }
    TempFolder other;
    other.write("MyTERVA", "not a folder"); // neither folder can be made
    for (const std::string& given : {docs.file("missing"), other.folder(), std::string()}) {
        const UserFolders f = InitUserFolders(given, "/opt/kora/");
        EXPECT_EQ(f.UserDataFolder + f.UserTempFolder, "/opt/kora//opt/kora/") << given;
    }
    EXPECT_FALSE(fs::exists(docs.file("missing")));
}

TEST(PathChecksTest, FilesAndFolders) {
    TempFolder dir;
    const std::string file = dir.write("a.kor", "x");
    EXPECT_TRUE(FileExists(file));
    EXPECT_FALSE(FileExists(dir.folder()));
    EXPECT_FALSE(FileExists(dir.file("b.kor")));
    EXPECT_FALSE(FileExists(""));

    ScriptedMessenger m;
    EXPECT_TRUE(ValidPath(dir.folder(), true, m));
    EXPECT_TRUE(ValidPath(dir.path().string()));
    EXPECT_FALSE(ValidPath(file));
    EXPECT_FALSE(ValidPath(file + "/sub/", false, m));
    EXPECT_TRUE(m.boxes.empty());
    EXPECT_FALSE(ValidPath(dir.file("none/"), true, m));
    EXPECT_EQ(m.texts(), std::vector<std::string>{"Invalid path: " + dir.file("none/")});
    EXPECT_FALSE(ValidPath(std::string("/tmp\0x", 6)));
}

TEST(ExampleFilesTest, CopyTextFileWritesCrLfLines) {
    TempFolder dir;
    const std::string src = dir.write("src.txt", "one\ntwo\r\nthree\rfour");
    ScriptedMessenger m;
    ASSERT_TRUE(CopyTextFile(src, dir.file("dst.txt"), m));
    EXPECT_EQ(ReadBytes(dir.file("dst.txt")), "one\r\ntwo\r\nthree\r\nfour\r\n");
    EXPECT_TRUE(m.boxes.empty());

    EXPECT_FALSE(CopyTextFile(dir.file("none.txt"), dir.file("x.txt"), m));
    EXPECT_EQ(m.texts(),
              std::vector<std::string>{"Requested File not found: " + dir.file("none.txt")});
    EXPECT_FALSE(fs::exists(dir.file("x.txt")));
}

TEST(ExampleFilesTest, CopiesMissingProjectFilesOnly) {
    TempFolder program, data;
    program.write("Example1.KOR", "KORA_500\n 0 \n");
    program.write("example2.kor", "KORA_500\r\n");
    program.write(".hidden.KOR", "x");
    program.write("readme.txt", "x");
    fs::create_directory(program.file("folder.KOR"));
    data.write("example2.kor", "user's own");
    Settings s;
    ScriptedMessenger m;
    CopyExampleProjects(program.folder(), data.folder(), s, m);
    EXPECT_EQ(ReadBytes(data.file("Example1.KOR")), "KORA_500\r\n 0 \r\n");
    EXPECT_EQ(ReadBytes(data.file("example2.kor")), "user's own");
    for (const char* skipped : {".hidden.KOR", "readme.txt", "folder.KOR"})
        EXPECT_FALSE(fs::exists(data.file(skipped))) << skipped;
    EXPECT_TRUE(m.boxes.empty());

    TempFolder none;
    s.CopyExampleFiles = 0;
    CopyExampleProjects(program.folder(), none.folder(), s, m);
    s.CopyExampleFiles = 1;
    CopyExampleProjects(program.file("missing"), none.folder(), s, m); // errors are ignored
    CopyExampleProjects(program.folder(), none.file("missing/"), s, m);
    EXPECT_TRUE(fs::is_empty(none.path()));
}

TEST(ExampleFilesTest, DataFolderOfAnInstallation) {
    TempFolder root;
    fs::create_directories(root.file("usr/bin"));
    const std::string bin = root.file("usr/bin") + "/";
    EXPECT_EQ(ProgramDataFolder(bin, "../share/kora"), bin); // a build: beside the executable
    fs::create_directories(root.file("usr/share/kora"));
    EXPECT_EQ(ProgramDataFolder(bin, "../share/kora"), root.file("usr/share/kora") + "/");
    EXPECT_EQ(ProgramDataFolder(bin, ""), bin);
}

} // namespace
} // namespace kora
