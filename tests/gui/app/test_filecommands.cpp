#include "guiharness.h"
#include "guitest.h"

#include "core/report/buildstring.h"

namespace kora::gui::test {
namespace {

constexpr const char* Standard = "Example_3Entry_Standard.KOR";
constexpr const char* Advanced = "Example_4Entry_Advanced_Metric.KOR";
constexpr const char* Sizing = "Example_YAY_Sizing_CMRR.KOR";

class FileCommands : public ::testing::Test {
protected:
    void SetUp() override { h.startQuiet(); }
    void open(const std::string& path) { h.openProject(path); }
    QString caption() const { return h.window->windowTitle(); }

    GuiHarness h;
};

TEST_F(FileCommands, OpenAsksInTheDataFolderLoadsAndListsTheProjectACancelChangesNothing) {
    const std::string path = h.example(Standard);
    open(path);
    ASSERT_EQ(h.dialogs.fileRequests.size(), 1u);
    const FileDialogRequest& r = h.dialogs.fileRequests[0];
    EXPECT_EQ(r.folder.toStdString() + "/", h.dataFolder());
    EXPECT_EQ(r.filters.value(r.selectedFilter), QStringLiteral("KORA Files (*.KOR)"));
    EXPECT_EQ(h.state.project.ProjectPath, path);
    EXPECT_EQ(caption().toStdString(), CaptionText("KORA", path, true));
    EXPECT_NE(GuiHarness::readFile(h.state.iniPath).find("LastFileLong1=" + path),
              std::string::npos);

    h.trigger("mnuFileItem_1"); // no answer queued: the dialog is cancelled
    EXPECT_EQ(h.state.project.ProjectPath, path);
    EXPECT_FALSE(h.state.project.ProjectEmpty);

    // The Advanced Geometry command follows the project.
    QAction* advanced = h.window->action(QStringLiteral("mnuCalcItem_1"));
    EXPECT_FALSE(advanced->isEnabled());
    open(h.example(Advanced));
    EXPECT_TRUE(advanced->isEnabled());
    h.trigger("mnuFileItem_0");
    EXPECT_FALSE(advanced->isEnabled());
}

// Open and New over unsaved changes ask about the project in memory: No goes on, Yes saves it
// first; Cancel, a cancelled Save As and a failed save each keep the changed project and its name.
TEST_F(FileCommands, OpenAndNewOverUnsavedChangesAskAboutTheProjectInMemory) {
    const std::string first = h.dataFolder() + "first.KOR";
    const std::string locked = h.dataFolder() + "locked.KOR";
    for (const std::string& copy : {first, locked})
        std::filesystem::copy_file(h.example(Standard), copy);
    std::filesystem::permissions(locked, std::filesystem::perms::owner_read);
    const struct {
        bool open;        // else New
        std::string path; // the changed project's name
        int answer;
        bool goesOn;
    } rows[] = {{true, first, mb::AnswerNo, true},       {true, first, mb::AnswerYes, true},
                {true, first, mb::AnswerCancel, false},  {true, "Untitled", mb::AnswerYes, false},
                {true, locked, mb::AnswerYes, false},    {false, first, mb::AnswerNo, true},
                {false, first, mb::AnswerCancel, false}, {false, "Untitled", mb::AnswerYes, false}};
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.open << " " << row.path << " " << row.answer);
        open(first);
        h.state.project.ProjectPath = row.path;
        h.state.project.EntryHeight = 9.5f;
        h.state.project.ProjectSaved = false;
        h.dialogs.messages.clear();
        h.dialogs.messageAnswers = {row.answer};
        row.open ? open(h.example(Sizing)) : h.trigger("mnuFileItem_0");
        ASSERT_FALSE(h.dialogs.messages.empty());
        EXPECT_EQ(h.dialogs.messages[0].text.toStdString(), "Save changes to: " + row.path + "?");
        EXPECT_EQ(h.dialogs.messages[0].style,
                  mb::YesNoCancel | mb::Question | (row.open ? mb::DefaultButton2 : 0));
        EXPECT_EQ(h.state.project.ProjectPath, !row.goesOn ? row.path
                                               : row.open  ? h.example(Sizing)
                                                           : "Untitled");
        EXPECT_EQ(h.state.project.EntryHeight == 9.5f, !row.goesOn);
        EXPECT_TRUE(!row.open || caption().endsWith(QLatin1Char('*')) != row.goesOn);
    }
    EXPECT_NE(GuiHarness::readFile(first).find("\r\n9.5\r\n"), std::string::npos);
    EXPECT_EQ(GuiHarness::readFile(locked), GuiHarness::readFile(h.example(Standard)));
}

TEST_F(FileCommands, ARefusedOrDamagedFileLeavesAnEmptyUntitledProject) {
    struct Row {
        const char* name;
        std::string content;
        std::string message;
    };
    const Row rows[] = {
        {"notkora.KOR", "HELLO\r\n0\r\n", "Invalid file format"},
        {"truncated.KOR", "KORA_500\r\n0\r\nTitle\r\n##StartDesc##\r\n", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        open(h.example(Standard));
        const std::string path = h.dataFolder() + row.name;
        std::ofstream(path, std::ios::binary) << row.content;
        h.dialogs.messages.clear();
        open(path);
        ASSERT_FALSE(h.dialogs.messages.empty());
        if (!row.message.empty())
            EXPECT_EQ(h.dialogs.messages[0].text.toStdString(), row.message);
        else // the classic text and number, then the file and the line where reading stopped
            EXPECT_EQ(
                h.dialogs.messages[0].text.toStdString(),
                "Error occurred: Input past end of file (62)\r\nReading stopped at line 5 of " +
                    path);
        EXPECT_TRUE(h.state.project.ProjectEmpty);
        // A later Save must not write an empty project over the file that was refused.
        EXPECT_EQ(h.state.project.ProjectPath, "Untitled");
        EXPECT_EQ(caption(), QStringLiteral("KORA: Untitled"));
        EXPECT_EQ(GuiHarness::readFile(path), row.content);
    }
}

// Save asks for a name only for an untitled project, Save As always; a failed Save As keeps the
// old name and the unsaved mark.
TEST_F(FileCommands, SaveAsksForANameOnlyWhenTheProjectHasNone) {
    const std::string path = h.dataFolder() + "new.KOR";
    h.dialogs.fileAnswers.push_back(QString::fromStdString(path));
    h.trigger("mnuFileItem_2");
    ASSERT_EQ(h.dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(GuiHarness::readFile(path).substr(0, 13), "KORA_500\r\n 0 ");
    EXPECT_EQ(caption().toStdString(), CaptionText("KORA", path, true));

    h.state.project.ProjectTitle = "Changed title";
    h.state.project.ProjectSaved = false;
    h.trigger("mnuFileItem_2");
    EXPECT_EQ(h.dialogs.fileRequests.size(), 1u);
    EXPECT_NE(GuiHarness::readFile(path).find("Changed title"), std::string::npos);
    EXPECT_FALSE(caption().endsWith(QLatin1Char('*')));

    const std::string copy = h.dataFolder() + "copy.KOR";
    h.dialogs.fileAnswers.push_back(QString::fromStdString(copy));
    h.trigger("mnuFileItem_3");
    EXPECT_EQ(h.dialogs.fileRequests.back().fileName, QStringLiteral("new.KOR"));
    EXPECT_EQ(GuiHarness::readFile(copy), GuiHarness::readFile(path));
    EXPECT_EQ(h.state.project.ProjectPath, copy);

    h.state.project.ProjectSaved = false;
    h.dialogs.fileAnswers.push_back(QString::fromStdString(h.dataFolder() + "no such/x.KOR"));
    h.dialogs.messages.clear();
    h.trigger("mnuFileItem_3");
    ASSERT_FALSE(h.dialogs.messages.empty());
    EXPECT_TRUE(h.dialogs.messages[0].text.startsWith(QStringLiteral("Error occurred: ")));
    EXPECT_EQ(h.state.project.ProjectPath, copy);
    EXPECT_TRUE(caption().endsWith(QLatin1Char('*')));
}

// Recent files reopen and move to the top; one moved or deleted since can be taken off the list.
TEST_F(FileCommands, RecentFilesReopenReorderAndAMissingOneCanBeRemoved) {
    const std::string gone = h.dataFolder() + "gone.KOR";
    std::filesystem::copy_file(h.example(Standard), gone);
    for (const std::string& path : {gone, h.example(Sizing), h.example(Advanced)}) open(path);
    auto captions = [&] {
        std::vector<std::string> c;
        for (int k = 1; k <= 4; ++k) {
            QAction* a = h.window->action(QStringLiteral("mnuFileArray_%1").arg(k));
            if (a->isVisible()) c.push_back(a->text().toStdString());
        }
        return c;
    };
    EXPECT_EQ(captions(), (std::vector{h.example(Advanced), h.example(Sizing), gone}));
    h.trigger("mnuFileArray_3");
    EXPECT_EQ(h.state.project.ProjectPath, gone);
    EXPECT_EQ(captions(), (std::vector{gone, h.example(Sizing), h.example(Advanced)}));

    open(h.example(Sizing));
    ASSERT_EQ(captions()[1], gone);
    std::filesystem::remove(gone);
    for (int answer : {mb::AnswerNo, mb::AnswerYes}) {
        h.dialogs.messages.clear();
        h.dialogs.messageAnswers = {answer};
        h.trigger("mnuFileArray_2");
        EXPECT_EQ(h.dialogs.messageTexts(),
                  QStringList{QString::fromStdString(
                      "File not found: " + gone + "\r\nRemove it from the list of recent files?")});
        EXPECT_EQ(h.state.project.ProjectPath, h.example(Sizing));
        EXPECT_EQ(h.state.recent.RecentCount, answer == mb::AnswerNo ? 3 : 2);
    }
    EXPECT_EQ(captions(), (std::vector{h.example(Sizing), h.example(Advanced)}));
    EXPECT_NE(GuiHarness::readFile(h.state.iniPath).find("MaxLastFiles=2\r\n"), std::string::npos);
}

TEST_F(FileCommands, PrintAsksAboutAnEmptyProjectAndPrintsTheInputListing) {
    // Empty project: No stops, Yes goes on to the print dialog.
    h.dialogs.messageAnswers = {mb::AnswerNo};
    h.trigger("mnuFileItem_6");
    EXPECT_EQ(h.dialogs.messages.back().text, QStringLiteral("Current file is empty. Continue?"));
    EXPECT_EQ(h.dialogs.printDialogs, 0);

    h.dialogs.messageAnswers = {mb::AnswerYes};
    h.trigger("mnuFileItem_6"); // print dialog cancelled
    EXPECT_EQ(h.dialogs.printDialogs, 1);
    EXPECT_TRUE(h.jobs.empty());

    open(h.example(Standard));
    h.dialogs.printScripts.push_back([](QPrinter&) { return true; });
    h.trigger("mnuFileItem_6");
    ASSERT_EQ(h.jobs.size(), 1u);
    const std::string log = h.jobs[0].log.str();
    EXPECT_TRUE(log.starts_with("font courier new 9\n") && log.ends_with("end\n")) << log;
    const auto lines = BodyLines(h.jobs[0]);
    EXPECT_EQ(lines, kora::test::Split(h.state.report.OutBuf[0], "\r\n"));
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0], "KORA module build: " + BuildString());
}

} // namespace
} // namespace kora::gui::test
