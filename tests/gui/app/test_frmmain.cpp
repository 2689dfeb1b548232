#include "guiharness.h"

#include "gui/dialogs/frmkoraparm.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <utility>

namespace kora::gui::test {
namespace {

TEST(MainWindow, InputCommandsOpenTheDialogsAndBlockTheWindowWhileTheyAreOpen) {
    GuiHarness h;
    frmMain& w = h.startQuiet();
    h.dialogs.dialogsShown.clear(); // the disclaimer

    // The description dialog is modal; "Next form" goes on to the parameters dialog.
    h.dialogs.dialogScripts.push_back([](QDialog& d) {
        d.findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("Pit 4"));
        d.findChild<QPushButton*>(QStringLiteral("Command4"))->click();
        return d.result();
    });
    h.trigger("Toolbar1_4");
    ASSERT_EQ(h.dialogs.dialogsShown, std::vector<QString>{QStringLiteral("frmKORADesc")});
    EXPECT_EQ(w.windowTitle(), QStringLiteral("KORA: Untitled*"));
    ASSERT_NE(w.parametersDialog(), nullptr);
    w.parametersDialog()->reject();
    QApplication::processEvents();
    EXPECT_EQ(w.parametersDialog(), nullptr);

    // The hourglass shows while the dialog is built and first shown, and goes afterwards. The
    // Graph submenus can be used again when the window is enabled again.
    struct PointerWatch : QObject {
        std::vector<Qt::CursorShape> seen;
        bool eventFilter(QObject* o, QEvent* e) override {
            if (o->objectName() == QStringLiteral("frmKORAParm") &&
                (e->type() == QEvent::ChildAdded || e->type() == QEvent::Show)) {
                const QCursor* c = QGuiApplication::overrideCursor();
                seen.push_back(c ? c->shape() : Qt::ArrowCursor);
            }
            return false;
        }
    };
    for (const char* item : {"mnuEditItem_1", "Toolbar1_5"}) {
        PointerWatch watch;
        qApp->installEventFilter(&watch);
        h.trigger(item);
        qApp->removeEventFilter(&watch);
        ASSERT_FALSE(watch.seen.empty());
        EXPECT_EQ(std::count(watch.seen.begin(), watch.seen.end(), Qt::WaitCursor),
                  std::ptrdiff_t(watch.seen.size()));
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
        ASSERT_NE(w.parametersDialog(), nullptr) << item;
        EXPECT_FALSE(w.isEnabled());
        w.parametersDialog()->reject();
        QApplication::processEvents();
        EXPECT_TRUE(w.isEnabled());
        EXPECT_TRUE(w.findChild<QMenu*>(QStringLiteral("mnuCalcItem_5_Menu"))->isEnabled());
        EXPECT_TRUE(w.action(QStringLiteral("mnuCalcGrafRItem_3"))->isEnabled());
    }
}

// The File and Utilities items that open a modal window each open their own.
TEST(MainWindow, FileAndUtilitiesItemsOpenTheirWindows) {
    GuiHarness h;
    h.startQuiet();
    h.openProject(h.example("Example_3Entry_Standard.KOR"));
    const std::pair<const char*, const char*> rows[] = {{"mnuFileItem_9", "frmTextBrow"},
                                                        {"mnuUtilItem_0", "frmSet"},
                                                        {"mnuUtilItem_1", "frmKORAOpts"},
                                                        {"mnuUtilItem_2", "frmUnits"},
                                                        {"mnuUtilItem_3", "frmConvert"}};
    for (const auto& [item, window] : rows) {
        h.dialogs.dialogsShown.clear();
        h.trigger(item);
        EXPECT_EQ(h.dialogs.dialogsShown, std::vector<QString>{QString::fromLatin1(window)})
            << item;
    }
}

TEST(MainWindow, TheHiddenStudyButtonsWriteTheirFileIntoTheDataFolder) {
    GuiHarness h;
    frmMain& w = h.startQuiet();
    h.openProject(h.example("Example_3Entry_Standard.KOR"));
    h.trigger("mnuEditItem_1");
    ASSERT_NE(w.parametersDialog(), nullptr);
    h.dialogs.messages.clear();
    w.parametersDialog()->findChild<QPushButton*>(QStringLiteral("cmd50"))->click();
    const std::string path = h.dataFolder() + "SF-width-Partial.txt";
    EXPECT_EQ(h.dialogs.messageTexts(),
              QStringList{QString::fromStdString("Parametric study written to: " + path)});
    EXPECT_FALSE(GuiHarness::readFile(path).empty());
    w.parametersDialog()->reject();
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
        if (row.changed) {
            EXPECT_EQ(h.dialogs.messages[0].style, mb::YesNoCancel | mb::Question);
        }
        EXPECT_EQ(GuiHarness::readFile(path).find("\r\nEdited\r\n") != std::string::npos,
                  row.written);
    }
}

} // namespace
} // namespace kora::gui::test
