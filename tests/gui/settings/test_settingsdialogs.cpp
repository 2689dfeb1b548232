#include "guiharness.h"

#include "core/settings/inifile.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolBar>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>

namespace kora::gui::test {
namespace {

namespace fs = std::filesystem;

template <typename W> W* child(QObject& parent, const char* name) {
    W* w = parent.findChild<W*>(QString::fromLatin1(name));
    if (w == nullptr) throw std::runtime_error(std::string("no control ") + name);
    return w;
}

void click(QObject& dialog, const char* name) {
    child<QAbstractButton>(dialog, name)->click();
}

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
    struct Case {
        const char* path; // "data": the data folder without its trailing separator
        const char* size;
        const char* typed;   // the extension as typed
        const char* message; // "" when accepted
        const char* storedExtension;
    };
    const Case cases[] = {
        {"data", "4096", "kor2", "", "KOR2"},
        {"data", "16384", "", "", ""},
        {"data/missing", "4096", "KOR", "Invalid Path for Data Files", nullptr},
        {"  ", "4096", "KOR", "Invalid Path for Data Files", nullptr},
        {"data", "4095", "KOR",
         "Size of Command History Window: Value '4095' is outside input range\r\n"
         "Valid range is: 4096-16384",
         nullptr},
        {"data", "16385", "KOR",
         "Size of Command History Window: Value '16385' is outside input range\r\n"
         "Valid range is: 4096-16384",
         nullptr},
        {"data", "4096", "k-r", "Invalid character in file extension", nullptr},
        {"data", "4096", "\xc3\xa9", "Invalid character in file extension", nullptr},
    };
    for (const Case& c : cases) {
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
        const std::string msg = c.message;
        SCOPED_TRACE(std::string(c.path) + " " + c.size + " " + c.typed);
        EXPECT_EQ(shownExtension, QString::fromUtf8(c.typed).toUpper());
        if (msg.empty()) {
            EXPECT_TRUE(h.dialogs.messages.empty());
            EXPECT_EQ(shownPath.toStdString(), h.dataFolder());
            EXPECT_EQ(h.state.settings.DataPath, h.dataFolder());
            EXPECT_EQ(h.state.settings.FileExtension, c.storedExtension);
            EXPECT_EQ(ReadIniString("Settings", "DataPath", h.state.iniPath), h.dataFolder());
            EXPECT_EQ(ReadIniString("Settings", "MaxDisplaySize", h.state.iniPath), c.size);
        } else {
            ASSERT_EQ(h.dialogs.messages.size(), 1u);
            EXPECT_EQ(h.dialogs.messages[0].text.toStdString(), msg);
            EXPECT_EQ(mb::icon(h.dialogs.messages[0].style), mb::Critical);
            EXPECT_TRUE(h.dialogs.messages[0].title.startsWith(QStringLiteral("Settings: ")));
            const char* box = msg.starts_with("Invalid Path") ? "Text2"
                              : msg.starts_with("Size")       ? "Text3"
                                                              : "Text1";
            EXPECT_EQ(focus, QString::fromLatin1(box));
            EXPECT_EQ(h.readFile(h.state.iniPath), before);
            EXPECT_EQ(h.state.settings.FileExtension, "KOR");
        }
    }
}

TEST(SettingsDialog, AppliesToTheMainWindowAtOnce) {
    GuiHarness h;
    frmMain& w = h.start(); // history log off, toolbar on
    auto enabled = [&](const char* name) {
        return h.window->action(QString::fromLatin1(name))->isEnabled();
    };
    ASSERT_FALSE(enabled("mnuUtilItem_5") || enabled("mnuUtilItem_6") || enabled("mnuUtilItem_7"));
    h.dialogs.fontAnswers.push_back(QFont(QStringLiteral("Liberation Mono"), 12, QFont::Bold));
    runDialog(h, "mnuUtilItem_0", [&](QDialog& d) {
        EXPECT_FALSE(child<QLineEdit>(d, "Text3")->isEnabled());
        click(d, "chkDispHist");
        click(d, "Command5");
        // The font is stored and shown at once.
        EXPECT_EQ(h.state.settings.DisplayFontName, "Liberation Mono");
        EXPECT_EQ(h.state.settings.DisplayFontBold, -1);
        EXPECT_EQ(w.historyPane()->font().pointSizeF(), 12.0);
        child<QLineEdit>(d, "Text3")->setText(QStringLiteral("5000"));
        click(d, "chkEnableTB");
        click(d, "Command2");
    });
    EXPECT_FALSE(w.findChild<QToolBar*>(QStringLiteral("Toolbar1"))->isVisible());
    EXPECT_TRUE(w.historyPane()->isVisible());
    EXPECT_EQ(h.state.history.maxDisplaySize(), 5000);
    EXPECT_TRUE(w.historyPane()->toPlainText().contains(QStringLiteral("Settings Modified")));
    EXPECT_EQ(ReadIniString("Settings", "DisplayFontName", h.state.iniPath), "Liberation Mono");
    // The history pane's menu items work from now on.
    h.trigger("mnuUtilItem_7");
    EXPECT_TRUE(QGuiApplication::clipboard()->text().contains(QStringLiteral("Settings Modified")));
    h.trigger("mnuUtilItem_5");
    EXPECT_TRUE(w.historyPane()->toPlainText().isEmpty());
    h.trigger("mnuUtilItem_6");
    EXPECT_FALSE(w.historyPane()->isVisible());
    EXPECT_EQ(h.window->action(QStringLiteral("mnuUtilItem_6"))->text(),
              QStringLiteral("Restore History &Window"));
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
        click(d, "chkCopyExamples"); // untick: no message
        click(d, "chkCopyExamples");
        click(d, "chkKeepRecentFL");
        EXPECT_FALSE(child<QCheckBox>(d, "chkShortNames")->isEnabled());
    });
    runDialog(h, "mnuUtilItem_1", [&](QDialog& d) { click(d, "Option1_1"); });
    EXPECT_EQ(
        h.dialogs.messageTexts(),
        (QStringList{QStringLiteral("Not a program: ") + QString::fromStdString(h.state.iniPath),
                     QStringLiteral("When this option is enabled, every time the program "
                                    "runs, it will try to copy the example files from the "
                                    "install directory to the ") +
                         QString::fromStdString(h.dataFolder()) +
                         QStringLiteral(" directory. The modified files will not be "
                                        "overridden, but missing files will be replaced. ")}));
    ASSERT_EQ(h.dialogs.fileRequests.size(), 2u);
    EXPECT_EQ(h.dialogs.fileRequests[0].caption, QStringLiteral("Select External Editor"));
    EXPECT_EQ(h.dialogs.fileRequests[0].selectedFilter, 1);
    EXPECT_EQ(h.readFile(h.state.iniPath), before);
    EXPECT_EQ(h.state.settings.ExternalEditor, settings.ExternalEditor);
    EXPECT_EQ(h.state.settings.FileExtension, settings.FileExtension);
    EXPECT_EQ(h.state.settings.OutputStrUnits, settings.OutputStrUnits);
    const QString log = h.window->historyPane()->toPlainText();
    EXPECT_TRUE(log.contains(QStringLiteral("Settings Not Modified")));
    EXPECT_TRUE(log.contains(QStringLiteral("Options Not Modified")));
}

TEST(SettingsDialog, FolderPickerStartsAtItsFourPlaces) {
    GuiHarness h;
    h.startQuiet();
    const std::string missing = h.dataFolder() + "gone/deeper/";
    struct Case {
        const char* option;
        const char* button; // Command2 OK, Command1 Cancel
        std::string expected;
    };
    const Case cases[] = {
        {"Option1_0", "Command2", h.state.folders.UserDataFolder},
        {"Option1_1", "Command2", h.state.programFolder},
        {"Option1_3", "Command2", h.state.folders.UserTempFolder},
        {"Option1_2", "Command2", h.dataFolder()}, // the nearest folder that exists
        {"Option1_0", "Command1", missing},
    };
    for (const Case& c : cases) {
        QString shown;
        h.dialogs.dialogScripts.clear();
        runDialog(h, "mnuUtilItem_0", [&](QDialog& d) {
            child<QLineEdit>(d, "Text2")->setText(QString::fromStdString(missing));
            h.dialogs.dialogScripts.push_front([&](QDialog& picker) {
                EXPECT_EQ(picker.windowTitle(), QStringLiteral("Select Path"));
                EXPECT_TRUE(child<QRadioButton>(picker, "Option1_2")->isChecked());
                click(picker, c.option);
                click(picker, c.button);
                return picker.result();
            });
            click(d, "cmdSetPath");
            shown = child<QLineEdit>(d, "Text2")->text();
        });
        EXPECT_EQ(shown.toStdString(), c.expected) << c.option << " " << c.button;
    }
}

TEST(OptionsDialog, OkStoresTheOptionsAndTheAssociationAsks) {
    GuiHarness h;
    h.startQuiet();
    const QTemporaryDir dataHome;
    const bool hadHome = qEnvironmentVariableIsSet("XDG_DATA_HOME");
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
    if (hadHome)
        qputenv("XDG_DATA_HOME", oldHome);
    else
        qunsetenv("XDG_DATA_HOME");
    ASSERT_EQ(h.dialogs.messages.size(), 3u);
    EXPECT_TRUE(h.dialogs.messages[2].text.startsWith(
        QStringLiteral("The file association for KOR has been made to ")));
    const Settings& s = h.state.settings;
    EXPECT_EQ(s.OutputStrUnits, 1);     // psf
    EXPECT_EQ(s.OutputStrGradUnits, 1); // tons per foot
    EXPECT_EQ(s.ShowInputScreenOnLoad, 1);
    EXPECT_EQ(s.PrintModuleHeader, 0);
    EXPECT_EQ(s.PlotEntryDims, 0);
    EXPECT_EQ(s.AskOfficeInstall, 0);
    EXPECT_EQ(ReadIniString("KORAOptions", "OutputStrGradUnits", h.state.iniPath), "1");
    EXPECT_EQ(ReadIniString("KORAOptions", "AskOfficeInstall", h.state.iniPath), "0");
}

} // namespace
} // namespace kora::gui::test
