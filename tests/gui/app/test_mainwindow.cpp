#include "guiharness.h"

#include "core/report/buildstring.h"
#include "gui/dialogs/frmkoraparm.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolBar>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace kora::gui::test {
namespace {

TEST(MainWindow, MenusCarryTheirCaptionsShortcutsHelpContextsAndEnabling) {
    GuiHarness h;
    h.preset("KORAOptions", "ShowInputScreenOnStart", "0"); // no dialog blocks the window
    MainWindow& w = h.start();
    struct Row {
        const char* name;
        const char* caption;
        const char* key;
        int help;
        bool enabled;
    };
    const Row rows[] = {
        {"mnuFileItem_0", "New", "Ctrl+N", 1100, true},
        {"mnuFileItem_1", "&Open...", "Ctrl+O", 1200, true},
        {"mnuFileItem_2", "&Save ", "Ctrl+S", 1300, true},
        {"mnuFileItem_3", "Save &As...", "", 1400, true},
        {"mnuFileItem_5", "Printer Set&up...", "", 1500, true},
        {"mnuFileItem_6", "&Print", "Ctrl+P", 1550, true},
        {"mnuFileItem_7", "Print Pre&view...", "", 1600, true},
        {"mnuFileItem_9", "&View Source Files...", "Ctrl+W", 1700, true},
        {"mnuFileItem_11", "E&xit", "", 1800, true},
        {"mnuEditItem_0", "Project &Description...", "", 2000, true},
        {"mnuEditItem_1", "Project &Parameters...", "Ctrl+E", 2000, true},
        {"mnuCalcItem_0", "Stability Factors (Standard Geometry)...", "", 3100, true},
        {"mnuCalcItem_1", "Stability Factors (Advanced Geometry)...", "", 3200, false},
        {"mnuCalcItem_3", "Size Pillars (Standard Geometry)...", "", 3300, true},
        {"mnuCalcItem_5", "Graph [KORA (Classic)]", "", 3500, true},
        {"mnuCalcItem_6", "Graph [KORA (R)]", "", 3500, true},
        {"mnuCalcGrafItem_0", "SF vs Entry Height", "", 3500, true},
        {"mnuCalcGrafRItem_3", "SF vs CrossCut Spacing", "", 3500, true},
        {"mnuUtilItem_0", "&Settings...", "", 4100, true},
        {"mnuUtilItem_1", "&Options...", "", 4200, true},
        {"mnuUtilItem_2", "&Unit Conversion...", "", 4300, true},
        {"mnuUtilItem_3", "&File Conversion...", "", 4400, true},
        {"mnuUtilItem_5", "&Clear History Window", "", 4000, false},
        {"mnuUtilItem_6", "Close History &Window", "", 4000, false},
        {"mnuUtilItem_7", "Co&py History &Window", "", 4000, false},
        {"mnuHelpItem_0", "Help &Contents...", "F1", 5000, true},
        {"mnuHelpItem_2", "Help in &PDF format...", "", 5000, true},
        {"mnuHelpItem_8", "Program Updates...", "", 5000, true},
        {"mnuHelpItem_10", "&About the Program...", "", 5000, true},
    };
    // The same after a dialog has disabled and enabled the main window again.
    for (bool blocked : {false, true}) {
        if (blocked) {
            w.setEnabled(false);
            w.setEnabled(true);
        }
        for (const Row& r : rows) {
            SCOPED_TRACE(testing::Message() << r.name << (blocked ? " after blocking" : ""));
            QAction* a = w.action(QString::fromLatin1(r.name));
            ASSERT_NE(a, nullptr);
            EXPECT_EQ(a->text(), QString::fromLatin1(r.caption));
            EXPECT_EQ(a->shortcut().toString(), QString::fromLatin1(r.key));
            EXPECT_EQ(a->property("helpContext").toInt(), r.help);
            EXPECT_EQ(a->isEnabled(), r.enabled);
        }
    }
    for (const char* separator : {"mnuFileItem_4", "mnuFileItem_8", "mnuFileItem_10",
                                  "mnuCalcItem_2", "mnuUtilItem_4", "mnuHelpItem_9"})
        EXPECT_TRUE(w.action(QString::fromLatin1(separator))->isSeparator()) << separator;
    const std::pair<const char*, const char*> menus[] = {{"mnuFile", "&File"},
                                                         {"mnuEdit", "&Input"},
                                                         {"mnuCalc", "&Output"},
                                                         {"mnuUtil", "&Utilities"},
                                                         {"mnuHelp", "&Help"}};
    for (const auto& [name, title] : menus) {
        auto* menu = w.findChild<QMenu*>(QString::fromLatin1(name));
        ASSERT_NE(menu, nullptr) << name;
        EXPECT_EQ(menu->title(), QString::fromLatin1(title));
        EXPECT_TRUE(w.menuBar()->actions().contains(menu->menuAction())) << name;
    }
}

TEST(MainWindow, ToolbarHasFiveButtonsWithTipsAndIcons) {
    GuiHarness h;
    MainWindow& w = h.start();
    const char* tips[] = {"Open Data File", "Save Data File", "Print Data File", "Edit Description",
                          "Edit Pillar Data"};
    for (int i = 1; i <= 5; ++i) {
        QAction* a = w.action(QStringLiteral("Toolbar1_%1").arg(i));
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->toolTip(), QString::fromLatin1(tips[i - 1]));
        EXPECT_FALSE(a->icon().pixmap(24, 24).isNull());
    }
    auto* version = w.findChild<QLabel*>(QStringLiteral("lblver"));
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(version->text().toStdString(), BuildString() + " ");
    EXPECT_NE(w.findChild<QWidget*>(QStringLiteral("Picture1")), nullptr);
}

TEST(MainWindow, InputCommandsOpenTheDescriptionAndParametersDialogs) {
    GuiHarness h;
    h.preset("KORAOptions", "ShowInputScreenOnStart", "0");
    MainWindow& w = h.start();
    h.dialogs.dialogsShown.clear(); // the disclaimer

    // The description dialog is modal; "Next form" goes on to the parameters dialog.
    h.dialogs.dialogScripts.push_back([](QDialog& d) {
        d.findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("Pit 4"));
        d.findChild<QPushButton*>(QStringLiteral("Command4"))->click();
        return d.result();
    });
    h.trigger("Toolbar1_4");
    ASSERT_EQ(h.dialogs.dialogsShown, std::vector<QString>{QStringLiteral("frmKORADesc")});
    EXPECT_EQ(h.state.project.ProjectTitle, "Pit 4");
    EXPECT_EQ(w.windowTitle(), QStringLiteral("KORA: Untitled*"));
    ASSERT_NE(w.parametersDialog(), nullptr);
    EXPECT_TRUE(w.parametersDialog()->isVisible());
    EXPECT_FALSE(w.isEnabled());
    w.parametersDialog()->reject();
    QApplication::processEvents();
    EXPECT_TRUE(w.isEnabled());
    EXPECT_EQ(w.parametersDialog(), nullptr);

    // The hourglass shows while the dialog is built and first shown, and goes afterwards.
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
    }
}

TEST(MainWindow, TheHiddenStudyButtonsWriteTheirFileIntoTheDataFolder) {
    GuiHarness h;
    h.preset("KORAOptions", "ShowInputScreenOnStart", "0");
    h.preset("KORAOptions", "ShowInputScreenOnLoad", "0");
    MainWindow& w = h.start();
    h.dialogs.fileAnswers.push_back(
        QString::fromStdString(h.example("Example_3Entry_Standard.KOR")));
    h.trigger("mnuFileItem_1");
    h.trigger("mnuEditItem_1");
    ASSERT_NE(w.parametersDialog(), nullptr);
    h.dialogs.messages.clear();
    w.parametersDialog()->findChild<QPushButton*>(QStringLiteral("cmd50"))->click();
    const std::string path = h.dataFolder() + "SF-width-Partial.txt";
    ASSERT_EQ(h.dialogs.messages.size(), 1u);
    EXPECT_EQ(h.dialogs.messages[0].text.toStdString(), "Parametric study written to: " + path);
    EXPECT_FALSE(GuiHarness::readFile(path).empty());
    w.parametersDialog()->reject();
}

TEST(MainWindow, HistoryPaneCanBeHiddenRestoredClearedAndCopied) {
    GuiHarness h;
    h.preset("Settings", "DisplayHistoryWin", "1");
    MainWindow& w = h.start();
    QPlainTextEdit* pane = w.historyPane();
    QAction* clear = w.action(QStringLiteral("mnuUtilItem_5"));
    QAction* toggle = w.action(QStringLiteral("mnuUtilItem_6"));
    QAction* copy = w.action(QStringLiteral("mnuUtilItem_7"));
    EXPECT_TRUE(pane->isVisible());
    EXPECT_EQ(pane->palette().color(QPalette::Base), QColor(0xC0, 0xC0, 0xC0));
    EXPECT_TRUE(pane->toPlainText().startsWith(QStringLiteral("1. ")));

    toggle->trigger();
    EXPECT_FALSE(pane->isVisible());
    EXPECT_EQ(toggle->text(), QStringLiteral("Restore History &Window"));
    EXPECT_FALSE(clear->isEnabled());
    EXPECT_FALSE(copy->isEnabled());

    toggle->trigger();
    EXPECT_TRUE(pane->isVisible());
    EXPECT_EQ(toggle->text(), QStringLiteral("Close History &Window"));
    EXPECT_TRUE(clear->isEnabled());
    EXPECT_TRUE(copy->isEnabled());

    copy->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), pane->toPlainText());
    EXPECT_FALSE(pane->toPlainText().isEmpty());

    clear->trigger();
    EXPECT_TRUE(pane->toPlainText().isEmpty());
    h.messenger.AddHistory("after clearing");
    EXPECT_TRUE(pane->toPlainText().endsWith(QStringLiteral(". after clearing")));
}

TEST(MainWindow, ExitWithUnsavedChangesAsksAndKeepsRunningUnlessAnswered) {
    struct Row {
        const char* what;
        bool untitled;
        int answer;
        bool closes;
        bool written;
    };
    const Row rows[] = {
        {"Cancel", false, mb::AnswerCancel, false, false},
        {"No", false, mb::AnswerNo, true, false},
        {"Yes", false, mb::AnswerYes, true, true},
        {"Yes, then Save As cancelled", true, mb::AnswerYes, false, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        GuiHarness h;
        h.preset("KORAOptions", "ShowInputScreenOnLoad", "0");
        h.preset("KORAOptions", "ShowInputScreenOnStart", "0");
        MainWindow& w = h.start();
        const std::string path = h.dataFolder() + "mine.KOR";
        std::filesystem::copy_file(h.example("Example_3Entry_Standard.KOR"), path);
        if (!row.untitled) {
            h.dialogs.fileAnswers.push_back(QString::fromStdString(path));
            h.trigger("mnuFileItem_1");
        }
        const std::string before = GuiHarness::readFile(path);
        h.state.project.ProjectTitle = "Edited";
        h.state.project.ProjectSaved = false;
        h.dialogs.messages.clear();
        h.dialogs.messageAnswers = {row.answer};

        const bool closed = w.close();

        ASSERT_FALSE(h.dialogs.messages.empty());
        EXPECT_EQ(h.dialogs.messages[0].text.toStdString(),
                  "Save changes to: " + h.state.project.ProjectPath + "?");
        EXPECT_EQ(h.dialogs.messages[0].style, mb::YesNoCancel | mb::Question);
        EXPECT_EQ(closed, row.closes);
        EXPECT_EQ(w.isVisible(), !row.closes);
        const std::string after = GuiHarness::readFile(path);
        EXPECT_EQ(after != before, row.written);
        if (row.written) {
            EXPECT_NE(after.find("\r\nEdited\r\n"), std::string::npos);
        }
        if (row.closes) {
            const std::string ini = GuiHarness::readFile(h.state.iniPath);
            EXPECT_NE(ini.find("[FileMenu]"), std::string::npos);
        }
    }
}

TEST(MainWindow, ExitWithoutChangesAsksNothing) {
    GuiHarness h;
    MainWindow& w = h.start();
    h.dialogs.messages.clear();
    EXPECT_TRUE(w.close());
    EXPECT_TRUE(h.dialogs.messages.empty());
}

} // namespace
} // namespace kora::gui::test
