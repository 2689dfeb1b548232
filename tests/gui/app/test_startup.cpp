#include "guiharness.h"
#include "guitest.h"

#include "gui/dialogs/frmkoraparm.h"

namespace kora::gui::test {
namespace {

constexpr const char* Standard = "Example_3Entry_Standard.KOR";
constexpr const char* Sizing = "Example_YAY_Sizing_CMRR.KOR";

// Settings that reopen the example sizing project as the last one used.
void rememberTheSizingProject(GuiHarness& h, const char* inputScreenOnLoad) {
    h.preset("Settings", "LoadLastInputFile", "1");
    h.preset("KORAOptions", "ShowInputScreenOnLoad", inputScreenOnLoad);
    h.preset("FileMenu", "MaxLastFiles", "1");
    h.preset("FileMenu", "LastFile1", Sizing);
    h.preset("FileMenu", "LastFileMode1", "1");
    h.preset("FileMenu", "LastFileLong1", h.dataFolder() + Sizing);
}

TEST(Startup, FirstStartMakesTheSettingsFileCopiesTheExamplesAndOffersTheParameters) {
    GuiHarness h;
    frmMain& w = h.start();
    const std::string ini = GuiHarness::readFile(h.dataFolder() + "KORA.INI");
    EXPECT_EQ(ini.rfind("[Version]\r\nINIFileVersion=050817\r\n", 0), 0u) << ini;
    for (const char* name : {Standard, Sizing, "Example_4Entry_Advanced_Metric.KOR"})
        EXPECT_TRUE(std::filesystem::exists(h.example(name))) << name;
    ASSERT_NE(w.parametersDialog(), nullptr); // no project named: the parameters of a new one
    EXPECT_TRUE(w.parametersDialog()->isVisible());
    EXPECT_FALSE(w.isEnabled());
    EXPECT_FALSE(w.historyPane()->isVisible()); // the history is off by default
}

// A command-line project opens instead of the parameters dialog: quoted with blanks in its
// path, or relative to the folder the program was started in.
TEST(Startup, TheCommandLineProjectOpens) {
    for (bool relative : {false, true}) {
        GuiHarness h;
        const std::string folder = h.root.path().toStdString() + "/My Projects/";
        std::filesystem::create_directories(folder);
        const std::string path = folder + "pit one.KOR";
        std::filesystem::copy_file(std::string(KORA_EXAMPLES_DIR) + "/" + Standard, path);
        h.preset("KORAOptions", "ShowInputScreenOnLoad", "0");
        if (relative) QDir::setCurrent(QString::fromStdString(folder));
        frmMain& w = h.start(relative ? "\"pit one.KOR\"" : "\"" + path + "\"");
        EXPECT_EQ(h.state.project.ProjectPath, path);
        EXPECT_EQ(h.state.recent.LastFileLong[0], path);
        EXPECT_EQ(w.parametersDialog(), nullptr);
    }
}

// The last project opens first and a command-line project after it, quietly. A parameters
// dialog the last project opened is replaced by the one of the project now loaded.
TEST(Startup, TheLastProjectOpensFirstAndTheCommandLineProjectAfterIt) {
    {
        GuiHarness last;
        rememberTheSizingProject(last, "0");
        last.start();
        EXPECT_EQ(last.state.project.ProjectPath, last.dataFolder() + Sizing);
    }

    GuiHarness h;
    rememberTheSizingProject(h, "1");
    const std::string named = h.dataFolder() + Standard;
    frmMain& w = h.start(named);
    EXPECT_EQ(h.state.recent.LastFileLong[0], named);
    EXPECT_EQ(h.state.recent.LastFileLong[1], h.dataFolder() + Sizing);
    int shown = 0;
    for (QWidget* top : QApplication::topLevelWidgets())
        shown += qobject_cast<frmKORAParm*>(top) != nullptr && top->isVisible();
    EXPECT_EQ(shown, 1);
    ASSERT_NE(w.parametersDialog(), nullptr);
    EXPECT_EQ(child<QLineEdit>(*w.parametersDialog(), "Text1")->text(), "7.5");
    click(*w.parametersDialog(), "Command2");
    EXPECT_EQ(h.state.project.ProjectPath, named);
    EXPECT_EQ(h.state.project.EntryHeight, 7.5f);
    EXPECT_TRUE(h.dialogs.messages.empty()) << h.dialogs.messageTexts().join('|').toStdString();
}

// A settings file that cannot be made (a folder in its place) is not read: the program runs on
// the initial defaults and says so once in the history. One of another version is replaced.
TEST(Startup, ASettingsFileThatCannotBeMadeOrIsOfAnotherVersionLeavesTheDefaults) {
    GuiHarness h;
    QDir().mkpath(QString::fromStdString(h.dataFolder() + "KORA.INI/x"));
    h.start();
    EXPECT_EQ(h.state.settings.ShowInputScreenOnStart, 1);
    const std::string line = "The settings file " + h.state.iniPath +
                             " could not be written: Path/File access error (75). The default "
                             "settings are used.";
    const std::string& log = h.state.history.text();
    ASSERT_NE(log.find(line), std::string::npos) << log;
    EXPECT_EQ(log.find(line), log.rfind(line));

    GuiHarness old;
    old.preset("Settings", "DisplayHistoryWin", "1");
    old.preset("Version", "INIFileVersion", "040101");
    old.start();
    EXPECT_EQ(old.state.settings.DisplayHistoryWin, 0);
    EXPECT_NE(GuiHarness::readFile(old.state.iniPath).find("INIFileVersion=050817"),
              std::string::npos);
}

// The disclaimer opens centred on the screen and shows until the user ticks it off; the update
// reminder shows from the 361st day after the release.
TEST(Startup, TheDisclaimerAndTheUpdateReminder) {
    GuiHarness h;
    h.preset("KORAOptions", "ShowInputScreenOnStart", "0");
    QRect shown;
    h.dialogs.dialogScripts.push_back([&shown](QDialog& d) {
        d.show();
        shown = d.frameGeometry();
        child<QCheckBox>(d, "chkShow")->setChecked(true);
        click(d, "Command1");
        return d.result();
    });
    h.today = QDate(2013, 8, 20).addDays(360);
    h.start();
    // Within the window frame, which is not known before the window opens.
    const QPoint offCentre =
        shown.center() - QGuiApplication::primaryScreen()->availableGeometry().center();
    EXPECT_LE(offCentre.manhattanLength(), 8) << shown.x() << "," << shown.y();
    EXPECT_EQ(h.dialogs.dialogsShown, std::vector<QString>{QStringLiteral("frmDisclaimer")});
    EXPECT_NE(GuiHarness::readFile(h.state.iniPath).find("ShowDisclaim=0"), std::string::npos);

    h.today = QDate(2013, 8, 20).addDays(361);
    h.restart();
    EXPECT_EQ(h.dialogs.dialogsShown, std::vector<QString>{QStringLiteral("frmUpdate")});
}

} // namespace
} // namespace kora::gui::test
