#include "guiharness.h"
#include "guitest.h"

namespace kora::gui::test {
namespace {

namespace fs = std::filesystem;

// Opens a dialog of the Utilities menu with the script run on it; a dialog the script leaves
// open (a failed check) is cancelled.
void runDialog(GuiHarness& h, const char* item, std::function<void(QDialog&)> script) {
    h.dialogs.dialogScripts.push_back([script](QDialog& d) {
        d.show();
        script(d);
        if (d.isVisible()) click(d, "Command1");
        return d.result();
    });
    h.trigger(item);
}

TEST(SettingsDialog, OkChecksPathSizeAndExtensionInTurn) {
    const std::string range = "' is outside input range\r\nValid range is: 4096-16384";
    const struct {
        const char* path; // "data": the data folder without its trailing separator
        const char* size;
        const char* typed;   // the extension as typed
        std::string message; // "" when accepted
        const char* box;     // that has the focus after a refusal
    } cases[] = {
        {"data", "4096", "kor2", "", nullptr},
        {"data", "16384", "", "", nullptr},
        {"data/missing", "4096", "KOR", "Invalid Path for Data Files", "Text2"},
        {"  ", "4096", "KOR", "Invalid Path for Data Files", "Text2"},
        {"data", "4095", "KOR", "Size of Command History Window: Value '4095" + range, "Text3"},
        {"data", "16385", "KOR", "Size of Command History Window: Value '16385" + range, "Text3"},
        {"data", "4096", "k-r", "Invalid character in file extension", "Text1"},
        {"data", "4096", "\xc3\xa9", "Invalid character in file extension", "Text1"},
    };
    for (const auto& c : cases) {
        GuiHarness h;
        h.startQuiet();
        const std::string before = h.readFile(h.state.iniPath);
        std::string data = h.dataFolder();
        data.pop_back();
        const std::string path = std::string(c.path).starts_with("data")
                                     ? data + std::string(c.path).substr(4)
                                     : std::string(c.path);
        QString shownExtension, shownPath;
        QString focus; // the box that has the focus after OK
        runDialog(h, "mnuUtilItem_0", [&](QDialog& d) {
            child<QLineEdit>(d, "Text2")->setText(QString::fromStdString(path));
            child<QLineEdit>(d, "Text3")->setText(QString::fromLatin1(c.size));
            child<QLineEdit>(d, "Text1")->clear();
            child<QLineEdit>(d, "Text1")->insert(QString::fromUtf8(c.typed));
            shownExtension = child<QLineEdit>(d, "Text1")->text();
            click(d, "Command2");
            shownPath = child<QLineEdit>(d, "Text2")->text();
            if (d.focusWidget() != nullptr) focus = d.focusWidget()->objectName();
        });
        SCOPED_TRACE(std::string(c.path) + " " + c.size + " " + c.typed);
        EXPECT_EQ(shownExtension, QString::fromUtf8(c.typed).toUpper());
        if (c.message.empty()) {
            EXPECT_TRUE(h.dialogs.messages.empty());
            EXPECT_EQ(shownPath.toStdString(), h.dataFolder());
            EXPECT_EQ(h.state.settings.FileExtension, shownExtension.toStdString());
            EXPECT_EQ(ReadIniString("Settings", "DataPath", h.state.iniPath), h.dataFolder());
            EXPECT_EQ(ReadIniString("Settings", "MaxDisplaySize", h.state.iniPath), c.size);
        } else {
            ASSERT_EQ(h.dialogs.messages.size(), 1u);
            EXPECT_EQ(h.dialogs.messages[0].text.toStdString(), c.message);
            EXPECT_EQ(mb::icon(h.dialogs.messages[0].style), mb::Critical);
            EXPECT_EQ(focus, QString::fromLatin1(c.box));
            EXPECT_EQ(h.readFile(h.state.iniPath), before);
            EXPECT_EQ(h.state.settings.FileExtension, "KOR");
        }
    }
}

TEST(SettingsDialog, AppliesToTheMainWindowAtOnce) {
    GuiHarness h;
    frmMain& w = h.start(); // history log off, toolbar on
    ASSERT_FALSE(h.window->action(QStringLiteral("mnuUtilItem_7"))->isEnabled());
    h.dialogs.fontAnswers.push_back(QFont(QStringLiteral("Liberation Mono"), 12, QFont::Bold));
    runDialog(h, "mnuUtilItem_0", [&](QDialog& d) {
        EXPECT_FALSE(child<QLineEdit>(d, "Text3")->isEnabled());
        click(d, "chkDispHist");
        click(d, "Command5"); // the font is stored and shown at once
        EXPECT_EQ(h.state.settings.DisplayFontName, "Liberation Mono");
        EXPECT_EQ(w.historyPane()->font().pointSizeF(), 12.0);
        child<QLineEdit>(d, "Text3")->setText(QStringLiteral("5000"));
        click(d, "chkEnableTB");
        click(d, "Command2");
    });
    EXPECT_FALSE(w.findChild<QToolBar*>(QStringLiteral("Toolbar1"))->isVisible());
    EXPECT_TRUE(w.historyPane()->isVisible());
    EXPECT_EQ(h.state.history.maxDisplaySize(), 5000);
    EXPECT_EQ(ReadIniString("Settings", "DisplayFontName", h.state.iniPath), "Liberation Mono");
    // The history pane's menu items work from now on.
    h.trigger("mnuUtilItem_7");
    EXPECT_TRUE(QGuiApplication::clipboard()->text().contains(QStringLiteral("Settings Modified")));
    h.trigger("mnuUtilItem_5");
    EXPECT_TRUE(w.historyPane()->toPlainText().isEmpty());
}

TEST(SettingsDialog, CancelAndChoicesLeaveTheFileAlone) {
    GuiHarness h;
    h.startQuiet();
    const std::string before = h.readFile(h.state.iniPath);
    const Settings settings = h.state.settings;
    h.dialogs.fileAnswers = {QStringLiteral("/bin/sh"), QString::fromStdString(h.state.iniPath)};
    runDialog(h, "mnuUtilItem_0", [&](QDialog& d) {
        auto* viewer = child<QLineEdit>(d, "Text4");
        click(d, "cmdSelect");
        EXPECT_EQ(viewer->text(), QStringLiteral("/bin/sh"));
        click(d, "cmdSelect"); // not a program: refused
        EXPECT_EQ(viewer->text(), QStringLiteral("/bin/sh"));
        click(d, "cmdSetDefault");
        EXPECT_EQ(viewer->text(), QStringLiteral("Notepad.exe"));
        click(d, "chkKeepRecentFL");
        EXPECT_FALSE(child<QCheckBox>(d, "chkShortNames")->isEnabled());
    });
    runDialog(h, "mnuUtilItem_1", [&](QDialog& d) { click(d, "Option1_1"); });
    EXPECT_EQ(h.dialogs.messageTexts(),
              QStringList{"Not a program: " + QString::fromStdString(h.state.iniPath)});
    EXPECT_EQ(h.readFile(h.state.iniPath), before);
    EXPECT_EQ(h.state.settings.ExternalEditor, settings.ExternalEditor);
    EXPECT_EQ(h.state.settings.OutputStrUnits, settings.OutputStrUnits);
    EXPECT_TRUE(h.historyHas("Settings Not Modified"));
    EXPECT_TRUE(h.historyHas("Options Not Modified"));
}

TEST(OptionsDialog, OkStoresTheOptionsAndTheAssociationAsks) {
    GuiHarness h;
    h.startQuiet();
    const QTemporaryDir dataHome;
    const QByteArray oldHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());
    h.dialogs.messageAnswers = {mb::AnswerNo, mb::AnswerYes};
    const fs::path desktop = dataHome.path().toStdString() + "/applications";
    runDialog(h, "mnuUtilItem_1", [&](QDialog& d) {
        click(d, "cmdFileAssoc"); // No: nothing written
        EXPECT_FALSE(fs::exists(desktop));
        click(d, "cmdFileAssoc"); // Yes
        EXPECT_FALSE(fs::is_empty(desktop));
        click(d, "Option1_1");
        click(d, "Option2_0");
        for (const char* box : {"Check1", "Check3", "Check4", "chkOffice"}) click(d, box);
        click(d, "Command2");
    });
    oldHome.isNull() ? qunsetenv("XDG_DATA_HOME") : qputenv("XDG_DATA_HOME", oldHome);
    ASSERT_EQ(h.dialogs.messages.size(), 3u);
    EXPECT_TRUE(
        h.dialogs.messages[2].text.startsWith("The file association for KOR has been made"));
    const Settings& s = h.state.settings;
    EXPECT_EQ(std::tuple(s.OutputStrUnits, s.OutputStrGradUnits, s.ShowInputScreenOnLoad,
                         s.PrintModuleHeader, s.PlotEntryDims, s.AskOfficeInstall),
              std::tuple(1, 1, 1, 0, 0, 0));
    EXPECT_EQ(ReadIniString("KORAOptions", "OutputStrGradUnits", h.state.iniPath), "1");
    EXPECT_EQ(ReadIniString("KORAOptions", "AskOfficeInstall", h.state.iniPath), "0");
}

} // namespace
} // namespace kora::gui::test
