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
