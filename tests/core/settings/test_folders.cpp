#include "core/settings/examplefiles.h"
#include "core/settings/pathchecks.h"
#include "core/settings/userfolders.h"

#include "core/settings/fileassociation.h"
#include "scriptedmessenger.h"
#include "tempfolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
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

// Copies get CR LF line ends whatever the line ends of the originals.
TEST(ExampleFilesTest, CopiesMissingProjectFilesOnly) {
    TempFolder program, data;
    program.write("Example1.KOR", "KORA_500\n 0 \r\nx\ry");
    program.write("example2.kor", "KORA_500\r\n");
    program.write(".hidden.KOR", "x");
    program.write("readme.txt", "x");
    fs::create_directory(program.file("folder.KOR"));
    data.write("example2.kor", "user's own");
    Settings s;
    ScriptedMessenger m;
    CopyExampleProjects(program.folder(), data.folder(), s, m);
    EXPECT_EQ(ReadBytes(data.file("Example1.KOR")), "KORA_500\r\n 0 \r\nx\r\ny\r\n");
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

const char* Question = "This operation may break an existing association of file extension KOR "
                       "with other programs on this computer. Proceed?";

// Sets an environment variable for the lifetime of the object.
struct ScopedEnv {
    const char* name;
    std::string old;
    bool had;
    ScopedEnv(const char* n, const std::string& value)
        : name(n), old(std::getenv(n) ? std::getenv(n) : ""), had(std::getenv(n) != nullptr) {
        setenv(name, value.c_str(), 1);
    }
    ~ScopedEnv() { had ? setenv(name, old.c_str(), 1) : unsetenv(name); }
};

TEST(FileAssociationTest, NoWritesNothingYesWritesMimeTypeAndDesktopEntry) {
    TempFolder home, bin;
    ScriptedMessenger no;
    no.answers = {mb::AnswerNo};
    EXPECT_FALSE(CreateFileAssociation(home.folder(), "/opt/kora/bin/kora", "KOR", no));
    EXPECT_EQ(no.texts(), std::vector<std::string>{Question});
    EXPECT_EQ(mb::buttons(no.boxes[0].style), mb::YesNo);
    EXPECT_TRUE(fs::is_empty(home.path()));

    ScopedEnv path("PATH", bin.path().string()); // no cache tools installed: still done
    ScriptedMessenger m;
    m.answers = {mb::AnswerYes};
    ASSERT_TRUE(CreateFileAssociation(home.folder(), "/opt/my $app/kora", "KOR", m));
    EXPECT_EQ(m.texts(),
              (std::vector<std::string>{Question, "The file association for KOR has been made to "
                                                  "\"/opt/my \\$app/kora\" %f"}));
    EXPECT_EQ(m.history.back(), "/opt/my $app/ kora KOR");
    EXPECT_EQ(ReadBytes(home.file("mime/packages/kora.Document.xml")),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
              "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
              "  <mime-type type=\"application/x-kora-document\">\n"
              "    <comment>kora Document</comment>\n"
              "    <glob pattern=\"*.KOR\"/>\n"
              "    <glob pattern=\"*.kor\"/>\n"
              "  </mime-type>\n"
              "</mime-info>\n");
    EXPECT_EQ(ReadBytes(home.file("applications/kora.Document.desktop")),
              "[Desktop Entry]\nType=Application\nName=kora\nComment=kora Document\n"
              "Exec=\"/opt/my \\\\$app/kora\" %f\nMimeType=application/x-kora-document;\n"
              "NoDisplay=true\nTerminal=false\n");
}

TEST(FileAssociationTest, DefaultDataHomeAndCacheRefresh) {
    TempFolder home;
    ScopedEnv xdg("XDG_DATA_HOME", home.path().string());
    ScriptedMessenger m;
    const FileAssociation a = AssociateExtension("", "/usr/bin/KORA", "Kor", m);
    EXPECT_EQ(a.MimeFile, home.file("mime/packages/KORA.Document.xml"));
    EXPECT_EQ(a.Description, "KORA Document");
    const std::string xml = ReadBytes(a.MimeFile);
    for (const char* glob : {"*.Kor", "*.KOR", "*.kor"})
        EXPECT_NE(xml.find(std::string("pattern=\"") + glob + "\""), std::string::npos) << glob;
    // With shared-mime-info installed its cache now knows the type.
    if (fs::exists("/usr/bin/update-mime-database")) {
        EXPECT_NE(ReadBytes(home.file("mime/globs2")).find("*.kor"), std::string::npos);
    }

    // An unwritable data home is an error, not a success.
    m.answers = {mb::AnswerYes};
    m.boxes.clear();
    EXPECT_THROW(CreateFileAssociation(home.write("file", "x"), "/usr/bin/kora", "KOR", m),
                 KoraError);
    EXPECT_EQ(m.boxes.size(), 1u); // the question only
}

} // namespace
} // namespace kora
