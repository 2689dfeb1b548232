#include "guiharness.h"
#include "guitest.h"

#include "gui/dialogs/frmkoraparm.h"

namespace kora::gui::test {
namespace {

TEST(MainWindow, InputCommandsOpenTheDialogsAndBlockTheWindowWhileTheyAreOpen) {
    GuiHarness h;
    frmMain& w = h.startQuiet();
    h.dialogs.dialogsShown.clear(); // the disclaimer

    // The description dialog is modal; "Next form" goes on to the parameters dialog.
    h.dialogs.dialogScripts.push_back([](QDialog& d) {
        child<QLineEdit>(d, "Text1")->setText(QStringLiteral("Pit 4"));
        click(d, "Command4");
        return d.result();
    });
    h.trigger("Toolbar1_4");
    ASSERT_EQ(h.dialogs.dialogsShown, std::vector<QString>{QStringLiteral("frmKORADesc")});
    EXPECT_EQ(w.windowTitle(), QStringLiteral("KORA: Untitled*"));
    ASSERT_NE(w.parametersDialog(), nullptr);
    w.parametersDialog()->reject();
    QApplication::processEvents();
    EXPECT_EQ(w.parametersDialog(), nullptr);

    // The parameters dialog blocks the window; the Graph submenus work again after it.
    for (const char* item : {"mnuEditItem_1", "Toolbar1_5"}) {
        h.trigger(item);
        ASSERT_NE(w.parametersDialog(), nullptr) << item;
        EXPECT_FALSE(w.isEnabled());
        w.parametersDialog()->reject();
        QApplication::processEvents();
        EXPECT_TRUE(w.isEnabled());
        EXPECT_TRUE(child<QMenu>(w, "mnuCalcItem_5_Menu")->isEnabled());
        EXPECT_TRUE(w.action(QStringLiteral("mnuCalcGrafRItem_3"))->isEnabled());
    }
}

TEST(MainWindow, ExitWithUnsavedChangesAsksAndKeepsRunningUnlessAnswered) {
    const struct {
        const char* what;
        bool changed;
        bool untitled;
        int answer;
        bool closes;
        bool written;
    } rows[] = {
        {"no change", false, false, 0, true, false},
        {"Cancel", true, false, mb::AnswerCancel, false, false},
        {"No", true, false, mb::AnswerNo, true, false},
        {"Yes", true, false, mb::AnswerYes, true, true},
        {"Yes, then Save As cancelled", true, true, mb::AnswerYes, false, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        GuiHarness h;
        frmMain& w = h.startQuiet();
        const std::string path = h.dataFolder() + "mine.KOR";
        std::filesystem::copy_file(h.example("Example_3Entry_Standard.KOR"), path);
        if (!row.untitled) h.openProject(path);
        if (row.changed) {
            h.state.project.ProjectTitle = "Edited";
            h.state.project.ProjectSaved = false;
        }
        h.dialogs.messages.clear();
        h.dialogs.messageAnswers = {row.answer};

        EXPECT_EQ(w.close(), row.closes);

        EXPECT_EQ(h.dialogs.messageTexts(),
                  row.changed ? QStringList{QString::fromStdString(
                                    "Save changes to: " + h.state.project.ProjectPath + "?")}
                              : QStringList{});
        EXPECT_TRUE(!row.changed ||
                    h.dialogs.messages[0].style == (mb::YesNoCancel | mb::Question));
        EXPECT_EQ(GuiHarness::readFile(path).find("\r\nEdited\r\n") != std::string::npos,
                  row.written);
    }
}

} // namespace
} // namespace kora::gui::test
