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
class ScopedEnv {
public:
    ScopedEnv(const char* name, const std::string& value) : m_name(name) {
        if (const char* old = std::getenv(name)) m_old = old;
        m_had = std::getenv(name) != nullptr;
        setenv(name, value.c_str(), 1);
    }
    ~ScopedEnv() {
        if (m_had)
            setenv(m_name, m_old.c_str(), 1);
        else
            unsetenv(m_name);
    }

private:
    const char* m_name;
    std::string m_old;
    bool m_had = false;
};

TEST(FileAssociationTest, NoWritesNothing) {
    TempFolder home;
    ScriptedMessenger m;
    m.answers = {mb::AnswerNo};
    EXPECT_FALSE(CreateFileAssociation(home.folder(), "/opt/kora/bin/kora", "KOR", m));
    ASSERT_EQ(m.boxes.size(), 1u);
    EXPECT_EQ(m.boxes[0].text, Question);
    EXPECT_EQ(mb::buttons(m.boxes[0].style), mb::YesNo);
    EXPECT_TRUE(fs::is_empty(home.path()));
}

TEST(FileAssociationTest, YesWritesMimeTypeAndDesktopEntry) {
    TempFolder home, bin;
    ScopedEnv path("PATH", bin.path().string()); // no cache tools installed: still done
    ScriptedMessenger m;
    m.answers = {mb::AnswerYes};
    ASSERT_TRUE(CreateFileAssociation(home.folder(), "/opt/my $app/kora", "KOR", m));

    const std::string command = "\"/opt/my \\$app/kora\" %f";
    ASSERT_EQ(m.texts(),
              (std::vector<std::string>{Question, "The file association for KOR has been made to " +
                                                      command}));
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
    EXPECT_EQ(a.MimeType, "application/x-kora-document");
    const std::string xml = ReadBytes(a.MimeFile);
    for (const char* glob : {"*.Kor", "*.KOR", "*.kor"})
        EXPECT_NE(xml.find(std::string("pattern=\"") + glob + "\""), std::string::npos) << glob;
    // With shared-mime-info installed its cache now knows the type.
    if (fs::exists("/usr/bin/update-mime-database")) {
        EXPECT_NE(ReadBytes(home.file("mime/globs2")).find("*.kor"), std::string::npos);
    }
}

TEST(FileAssociationTest, AnUnwritableDataHomeIsAnErrorNotASuccess) {
    TempFolder dir;
    const std::string notAFolder = dir.write("file", "x");
    ScriptedMessenger m;
    m.answers = {mb::AnswerYes};
    EXPECT_THROW(CreateFileAssociation(notAFolder, "/usr/bin/kora", "KOR", m), KoraError);
    EXPECT_EQ(m.boxes.size(), 1u); // the question only
}

} // namespace
} // namespace kora
