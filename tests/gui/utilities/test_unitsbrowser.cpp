#include "guitest.h"

#include "gui/app/appstate.h"
#include "gui/common/guimessenger.h"
#include "gui/utilities/frmtextbrow.h"
#include "gui/utilities/frmunits.h"

#include "core/settings/inifile.h"
#include "scriptedmessenger.h"
#include "tempfolder.h"

namespace kora::gui::test {
namespace {

namespace fs = std::filesystem;
using kora::test::ReadBytes;

QString text(const QObject& w, const char* name) {
    return child<QLineEdit>(w, name)->text();
}

TEST(UnitCalculator, OpensOnLengthWithZerosAndConvertsAsTyped) {
    kora::test::ScriptedMessenger m;
    frmUnits d(m);
    EXPECT_EQ(child<QTabWidget>(d, "SSTab1")->currentIndex(), 0);
    for (const QLineEdit* box : d.findChildren<QLineEdit*>())
        EXPECT_EQ(box->text(), QStringLiteral("0")) << box->objectName().toStdString();
    // The option clicked, the value typed (nullptr: the new unit reinterprets the text), the
    // outputs Text<first>.. and what they show.
    const std::tuple<const char*, const char*, const char*, int, QStringList> cases[] = {
        {"txtLength", "Option2_1", "1", 7, {"12", "1", "30.48", "0.3048"}},
        {"txtLength",
         "Option2_3",
         nullptr,
         7,
         {"39.3700787401575", "3.28083989501312", "100", "1"}},
        {"txtStress",
         "Option1_4",
         "1",
         2,
         {"145.037737733751", "0.145037737733751", "20885.4342336601", "1000000", "1"}},
    };
    for (const auto& [input, option, typed, first, expected] : cases) {
        click(d, option);
        if (typed != nullptr) child<QLineEdit>(d, input)->setText(QString::fromLatin1(typed));
        QStringList shown;
        for (int n = first; n < first + expected.size(); ++n)
            shown << text(d, ("Text" + std::to_string(n)).c_str());
        EXPECT_EQ(shown, expected) << input << " " << option;
    }
}

// A browser over a data folder of project and text files, one with a hostile name, and a
// temporary folder whose name is hostile too.
class TextBrowser : public ::testing::Test {
protected:
    void SetUp() override {
        data = root.folder() + "data/";
        temp = root.folder() + "tmp it's; \"q\" \xc3\xa9/";
        fs::create_directories(data + "sub");
        fs::create_directories(temp);
        for (const auto& [name, text] : files) std::ofstream(data + name, std::ios::binary) << text;
        state.settings.DataPath = data;
        state.folders.UserTempFolder = temp;
        state.iniPath = root.file("KORA.INI");
    }

    QStringList listed(frmTextBrow& b) {
        QStringList names;
        auto* list = child<QListWidget>(b, "File1");
        for (int i = 0; i < list->count(); ++i) names << list->item(i)->text();
        return names;
    }

    const std::vector<std::pair<std::string, std::string>> files = {
        {"a.KOR", "line1\r\nline2\r\n"},
        {"b.kor", "b"},
        {"c.txt", "c"},
        {"it's; \"odd\" n\xc3\xa9.KOR", "hostile\n"}};
    const QString hostile = QString::fromUtf8("it's; \"odd\" n\xc3\xa9.KOR");
    kora::test::TempFolder root;
    std::string data, temp;
    AppState state;
    ScriptedDialogService dialogs;
    GuiMessenger messenger{state.history, dialogs};
};

TEST_F(TextBrowser, ListsByPatternShowsFilesAndRemembersItsFolder) {
    {
        frmTextBrow b(state, state.iniPath, state.BrowseFolder, messenger);
        auto* pane = child<QPlainTextEdit>(b, "RichTextBox1");
        EXPECT_EQ(listed(b), (QStringList{"a.KOR", "b.kor", hostile}));
        const std::pair<const char*, QStringList> patterns[] = {
            {" *.TXT ; a.* ", {"a.KOR", "c.txt"}}, {"", {"a.KOR", "b.kor", "c.txt", hostile}}};
        for (const auto& [pattern, expected] : patterns) {
            child<QLineEdit>(b, "Text2")->setText(QString::fromLatin1(pattern));
            EXPECT_EQ(listed(b), expected) << pattern;
        }

        b.showFile(hostile);
        EXPECT_EQ(pane->toPlainText(), QStringLiteral("hostile\n"));

        // A file removed after it was listed: a message, an empty pane, and off the list.
        fs::remove(data + "b.kor");
        b.showFile(QStringLiteral("b.kor"));
        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_TRUE(dialogs.messages[0].text.startsWith("Error occurred: File not found (53)"));
        EXPECT_TRUE(pane->toPlainText().isEmpty());
        EXPECT_FALSE(listed(b).contains(QStringLiteral("b.kor")));
        dialogs.fontAnswers.push_back(QFont(QStringLiteral("Liberation Mono"), 30));
        click(b, "cmdSetFont"); // at most 24 points
        EXPECT_EQ(pane->font().pointSizeF(), 24.0);
        b.setFolder(QString::fromStdString(data + "sub"));
        click(b, "Command1");
    }
    EXPECT_EQ(ReadIniString("TextBrowse", "BrowseFontSize", state.iniPath), "24");
    frmTextBrow again(state, state.iniPath, state.BrowseFolder, messenger);
    EXPECT_EQ(again.folder().toStdString(), data + "sub");
    EXPECT_EQ(text(again, "Text2"), QStringLiteral("*.KOR"));
}

TEST_F(TextBrowser, ExternalViewerGetsOnlyATemporaryCopyAndNoShell) {
    const std::string args = root.file("args.txt");
    const std::string pwned = root.file("pwned");
    const std::string viewer =
        root.write("viewer.sh", "#!/bin/sh\nprintf '%s\\n' \"$#\" \"$1\" > '" + args + "'\n");
    fs::permissions(viewer, fs::perms::owner_all);
    const std::string copy = temp + "~tmpbr.tmp";
    const struct {
        std::string viewer;
        QString file;
        bool desktopOpens;
        QString message; // the start of the message, empty when none
    } cases[] = {
        {"Notepad.exe", hostile, true, {}},
        {"notepad.EXE", QStringLiteral("a.KOR"), false,
         QStringLiteral("The desktop has no viewer for text files to show ")},
        {viewer, hostile, false, {}},
        {"sh -c 'touch " + pwned + "'", hostile, false,
         QStringLiteral("The external viewer could not be started: sh -c")},
        {root.file("no-such-viewer"), hostile, false,
         QStringLiteral("The external viewer could not be started: ")},
        {"Notepad.exe", QStringLiteral("gone.KOR"), true,
         QString::fromStdString("Requested File not found: " + data + "gone.KOR")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.viewer);
        fs::remove(copy);
        dialogs = ScriptedDialogService{};
        dialogs.openUrlResult = c.desktopOpens;
        state.settings.ExternalEditor = c.viewer;
        state.settings.BrowseUseNotepad = 1;
        frmTextBrow b(state, state.iniPath, state.BrowseFolder, messenger);
        b.showFile(c.file);
        if (c.message.isEmpty()) {
            EXPECT_TRUE(dialogs.messages.empty());
        } else {
            ASSERT_EQ(dialogs.messages.size(), 1u);
            EXPECT_TRUE(dialogs.messages[0].text.startsWith(c.message))
                << dialogs.messages[0].text.toStdString();
        }
        if (c.file == QStringLiteral("gone.KOR")) continue;
        EXPECT_EQ(ReadBytes(copy), c.file == hostile ? "hostile\r\n" : "line1\r\nline2\r\n");
        const std::vector<QUrl> opened{QUrl::fromLocalFile(QString::fromStdString(copy))};
        const bool desktop = QString::fromStdString(c.viewer).toLower() == "notepad.exe";
        EXPECT_EQ(dialogs.openedUrls, desktop ? opened : std::vector<QUrl>{});
    }
    // The program got the copy as its one argument; the file itself is untouched.
    EXPECT_TRUE(QTest::qWaitFor([&] { return ReadBytes(args).size() > copy.size(); }, 5000));
    EXPECT_EQ(ReadBytes(args), "1\n" + copy + "\n");
    EXPECT_EQ(ReadBytes(data + hostile.toStdString()), "hostile\n");
    EXPECT_FALSE(fs::exists(pwned));
}

} // namespace
} // namespace kora::gui::test
