#include "guiharness.h"

#include "gui/dialogs/frmkoraparm.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QToolBar>

#include <gtest/gtest.h>

#include <filesystem>

namespace kora::gui::test {
namespace {

constexpr const char* Standard = "Example_3Entry_Standard.KOR";
constexpr const char* Sizing = "Example_YAY_Sizing_CMRR.KOR";

TEST(Startup, FirstStartMakesTheSettingsFileCopiesTheExamplesAndOffersTheParameters) {
    GuiHarness h;
    frmMain& w = h.start();

    const std::string ini = GuiHarness::readFile(h.dataFolder() + "KORA.INI");
    EXPECT_EQ(ini.rfind("[Version]\r\nINIFileVersion=050817\r\n", 0), 0u) << ini;
    for (const char* name : {Standard, Sizing, "Example_4Entry_Advanced_Metric.KOR"})
        EXPECT_TRUE(std::filesystem::exists(h.example(name))) << name;

    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.windowTitle(), QStringLiteral("KORA: Untitled"));
    // With no project named, the parameters dialog opens for the new project.
    ASSERT_NE(w.parametersDialog(), nullptr);
    EXPECT_TRUE(w.parametersDialog()->isVisible());
    EXPECT_FALSE(w.isEnabled());
    EXPECT_EQ(QDir::currentPath() + "/", QString::fromStdString(h.program));
    EXPECT_TRUE(h.state.project.ProjectEmpty);
    // The history is off by default: its pane is hidden and its commands greyed.
    EXPECT_FALSE(w.historyPane()->isVisible());
    for (const char* item : {"mnuUtilItem_5", "mnuUtilItem_6", "mnuUtilItem_7"})
        EXPECT_FALSE(w.action(QString::fromLatin1(item))->isEnabled()) << item;
}

TEST(Startup, AQuotedCommandLineOpensThatProject) {
    GuiHarness h;
    const std::string folder = h.root.path().toStdString() + "/My Projects/";
    std::filesystem::create_directories(folder);
    const std::string path = folder + "pit one.KOR";
    std::filesystem::copy_file(std::string(KORA_EXAMPLES_DIR) + "/" + Standard, path);
    h.preset("KORAOptions", "ShowInputScreenOnLoad", "0");

    frmMain& w = h.start("\"" + path + "\"");

    EXPECT_EQ(h.state.project.ProjectPath, path);
    EXPECT_FALSE(h.state.project.ProjectEmpty);
    EXPECT_EQ(w.windowTitle().toStdString(), CaptionText("KORA", path, true));
    // With a project named, the parameters dialog is not offered at start.
    EXPECT_EQ(w.parametersDialog(), nullptr);
    EXPECT_TRUE(w.isEnabled());
}

TEST(Startup, ARelativeCommandLineProjectIsTakenFromTheStartFolder) {
    GuiHarness h;
    const std::string folder = h.root.path().toStdString() + "/work";
    std::filesystem::create_directories(folder);
    std::filesystem::copy_file(std::string(KORA_EXAMPLES_DIR) + "/" + Standard,
                               folder + "/pit.KOR");
    h.preset("KORAOptions", "ShowInputScreenOnLoad", "0");
    QDir::setCurrent(QString::fromStdString(folder));
    h.start("pit.KOR");
    EXPECT_EQ(h.state.project.ProjectPath, folder + "/pit.KOR");
    EXPECT_FALSE(h.state.project.ProjectEmpty);
    EXPECT_EQ(h.state.recent.LastFileLong[0], folder + "/pit.KOR");
}

TEST(Startup, TheLastProjectOpensFirstAndTheCommandLineProjectAfterIt) {
    GuiHarness h;
    const std::string last = h.dataFolder() + Sizing;
    h.preset("Settings", "LoadLastInputFile", "1");
    h.preset("KORAOptions", "ShowInputScreenOnLoad", "0");
    h.preset("FileMenu", "MaxLastFiles", "1");
    h.preset("FileMenu", "LastFile1", Sizing);
    h.preset("FileMenu", "LastFileMode1", "1");
    h.preset("FileMenu", "LastFileLong1", last);

    GuiHarness h2;
    h2.preset("Settings", "LoadLastInputFile", "1");
    h2.preset("FileMenu", "MaxLastFiles", "1");
    h2.preset("FileMenu", "LastFile1", Sizing);
    h2.preset("FileMenu", "LastFileMode1", "1");
    h2.preset("FileMenu", "LastFileLong1", h2.dataFolder() + Sizing);
    h2.preset("KORAOptions", "ShowInputScreenOnLoad", "0");

    h.start();
    EXPECT_EQ(h.state.project.ProjectPath, last);
    EXPECT_FALSE(h.state.project.ProjectEmpty);

    const std::string named = h2.dataFolder() + Standard;
    h2.start(named);
    EXPECT_EQ(h2.state.project.ProjectPath, named);
    EXPECT_EQ(h2.state.recent.LastFileLong[0], named);
    EXPECT_EQ(h2.state.recent.LastFileLong[1], h2.dataFolder() + Sizing);
    EXPECT_TRUE(h2.dialogs.messages.empty()) << h2.dialogs.messageTexts().join('|').toStdString();
}

// The last project opens the parameters dialog, then the command-line project replaces it: the
// dialog left open must be the one of the project now loaded.
TEST(Startup, AnOpenParametersDialogNeverOutlivesItsProject) {
    GuiHarness h;
    h.preset("Settings", "LoadLastInputFile", "1");
    h.preset("KORAOptions", "ShowInputScreenOnLoad", "1");
    h.preset("FileMenu", "MaxLastFiles", "1");
    h.preset("FileMenu", "LastFile1", Sizing);
    h.preset("FileMenu", "LastFileMode1", "1");
    h.preset("FileMenu", "LastFileLong1", h.dataFolder() + Sizing);
    const std::string named = h.dataFolder() + Standard;
    frmMain& w = h.start(named);

    int shown = 0;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (qobject_cast<frmKORAParm*>(top) != nullptr && top->isVisible()) ++shown;
    EXPECT_EQ(shown, 1);
    frmKORAParm* dialog = w.parametersDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->findChild<QLineEdit*>(QStringLiteral("Text1"))->text(), "7.5");
    dialog->findChild<QPushButton*>(QStringLiteral("Command2"))->click();
    EXPECT_EQ(h.state.project.ProjectPath, named);
    EXPECT_EQ(h.state.project.EntryHeight, 7.5f);
}

// A settings file that cannot be made (a folder in its place) is not read: the program runs on
// the initial defaults and says so once in the history.
TEST(Startup, ASettingsFileThatCannotBeMadeLeavesTheDefaults) {
    GuiHarness h;
    QDir().mkpath(QString::fromStdString(h.dataFolder() + "KORA.INI/x"));
    h.start();
    const Settings& s = h.state.settings;
    EXPECT_EQ(s.EnableMainMenuToolbar, 1);
    EXPECT_EQ(s.ShowDisclaim, 1);
    EXPECT_EQ(s.RemindAnnualUpdates, 1);
    EXPECT_EQ(s.ShowInputScreenOnStart, 1);
    EXPECT_EQ(s.CopyExampleFiles, 1);
    const std::string line = "The settings file " + h.state.iniPath +
                             " could not be written: Path/File access error (75). The default "
                             "settings are used.";
    const std::string& log = h.state.history.text();
    ASSERT_NE(log.find(line), std::string::npos) << log;
    EXPECT_EQ(log.find(line), log.rfind(line));
}

TEST(Startup, WindowSettingsAreApplied) {
    GuiHarness h;
    h.preset("Settings", "EnableMainMenuToolbar", "0");
    h.preset("Settings", "DisplayHistoryWin", "1");
    h.preset("Settings", "DisplayFontSize", "12");
    h.preset("Settings", "DisplayFontBold", "-1");
    h.preset("Settings", "MaxMainMenu", "1");
    frmMain& w = h.start();

    EXPECT_FALSE(w.findChild<QToolBar*>(QStringLiteral("Toolbar1"))->isVisible());
    EXPECT_TRUE(w.windowState() & Qt::WindowMaximized);
    QPlainTextEdit* pane = w.historyPane();
    EXPECT_TRUE(pane->isVisible());
    EXPECT_EQ(pane->font().pointSizeF(), 12.0);
    EXPECT_TRUE(pane->font().bold());
    // Start-up's own steps are in the log.
    EXPECT_TRUE(pane->toPlainText().contains(
        QStringLiteral(". File initialized. Use Edit-Project Parameters to enter data")));
}

TEST(Startup, ASettingsFileOfAnotherVersionIsReplacedByDefaults) {
    GuiHarness h;
    h.preset("Settings", "DisplayHistoryWin", "1");
    h.preset("Version", "INIFileVersion", "040101");
    frmMain& w = h.start();
    EXPECT_EQ(h.state.settings.DisplayHistoryWin, 0);
    EXPECT_FALSE(w.historyPane()->isVisible());
    EXPECT_NE(GuiHarness::readFile(h.state.iniPath).find("INIFileVersion=050817"),
              std::string::npos);
}

TEST(Startup, TheDisclaimerShowsUntilTheUserTicksItOff) {
    GuiHarness h;
    h.preset("KORAOptions", "ShowInputScreenOnStart", "0");
    QRect shown;
    h.dialogs.dialogScripts.push_back([&shown](QDialog& d) {
        d.show(); // where it opens: centred on the screen, not over the unplaced main window
        shown = d.frameGeometry();
        d.findChild<QCheckBox*>(QStringLiteral("chkShow"))->setChecked(true);
        d.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
        return d.result();
    });
    h.start();
    // Within the window frame, which is not known before the window opens.
    const QPoint offCentre =
        shown.center() - QGuiApplication::primaryScreen()->availableGeometry().center();
    EXPECT_LE(offCentre.manhattanLength(), 8) << shown.x() << "," << shown.y();
    EXPECT_EQ(h.dialogs.dialogsShown, std::vector<QString>{QStringLiteral("frmDisclaimer")});
    EXPECT_NE(GuiHarness::readFile(h.state.iniPath).find("ShowDisclaim=0"), std::string::npos);

    h.restart();
    EXPECT_TRUE(h.dialogs.dialogsShown.empty());
    EXPECT_EQ(h.state.settings.ShowDisclaim, 0);
}

TEST(Startup, TheUpdateReminderShowsFromThe361stDayAfterTheRelease) {
    const QDate release(2013, 8, 20);
    struct Row {
        int days;
        int remind;
        bool shown;
    };
    const Row rows[] = {{360, 1, false}, {361, 1, true}, {2000, 1, true}, {2000, 0, false}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.days);
        GuiHarness h;
        h.preset("Settings", "ShowDisclaim", "0");
        h.preset("Settings", "RemindAnnualUpdates", std::to_string(row.remind));
        h.preset("KORAOptions", "ShowInputScreenOnStart", "0");
        h.today = release.addDays(row.days);
        h.start();
        const bool shown = !h.dialogs.dialogsShown.empty() &&
                           h.dialogs.dialogsShown[0] == QStringLiteral("frmUpdate");
        EXPECT_EQ(shown, row.shown);
    }
}

// Sets an environment variable for the life of a test and puts the old value back.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const QByteArray& value)
        : m_name(name), m_had(qEnvironmentVariableIsSet(name)), m_old(qgetenv(name)) {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    ~ScopedEnv() {
        if (m_had)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }

private:
    const char* m_name;
    bool m_had;
    QByteArray m_old;
};

TEST(Startup, TheSystemEnvironmentFallsBackToTheHomeFolderWithoutDocuments) {
    // A fresh account: a home folder without Documents or Desktop folder and no folder settings.
    QTemporaryDir fresh;
    ASSERT_TRUE(fresh.isValid());
    const ScopedEnv home("HOME", QFile::encodeName(fresh.path()));
    const ScopedEnv config("XDG_CONFIG_HOME", QByteArray());
    ASSERT_EQ(QDir::homePath(), fresh.path());
    const StartupEnvironment env = StartupEnvironment::fromSystem(
        {QStringLiteral("kora"), QStringLiteral("\"/p/a"), QStringLiteral("b.KOR\"")});
    EXPECT_EQ(env.documentsFolder, fresh.path().toStdString());
    EXPECT_EQ(env.commandLine, "\"/p/a b.KOR\"");
    EXPECT_EQ(CommandLineProject(env.commandLine), "/p/a b.KOR");
    EXPECT_FALSE(env.availableFonts.empty());
    EXPECT_EQ(env.programFolder.back(), '/');
    // Once the account has a documents folder, that is the one.
    ASSERT_TRUE(QDir(fresh.path()).mkdir(QStringLiteral("Documents")));
    EXPECT_EQ(StartupEnvironment::fromSystem({QStringLiteral("kora")}).documentsFolder,
              fresh.path().toStdString() + "/Documents");
}

TEST(Startup, CommandLineQuotesAreRemoved) {
    EXPECT_EQ(CommandLineProject("\"/home/a b/c.KOR\""), "/home/a b/c.KOR");
    EXPECT_EQ(CommandLineProject("/x/\"y\".KOR"), "/x/y.KOR");
    EXPECT_EQ(CommandLineProject("\"\""), "");
}

} // namespace
} // namespace kora::gui::test
