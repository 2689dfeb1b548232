#include "guiharness.h"

#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace kora::gui::test {
namespace {

class FileConversion : public ::testing::Test {
protected:
    void SetUp() override {
        h.startQuiet();
        h.dialogs.dialogsShown.clear(); // the disclaimer
    }

    void open(const std::string& name) {
        h.openProject(h.example(name));
        h.dialogs.messages.clear();
    }

    static QRadioButton* option(QDialog& d, const char* name) {
        return d.findChild<QRadioButton*>(QString::fromLatin1(name));
    }

    GuiHarness h;
};

TEST_F(FileConversion, RefusesAnEmptyOrUnsavedProject) {
    h.dialogs.messages.clear();
    h.trigger("mnuUtilItem_3");
    ASSERT_EQ(h.dialogs.messages.size(), 1u);
    EXPECT_EQ(h.dialogs.messages[0].text, QStringLiteral("Current file is empty"));
    EXPECT_EQ(h.dialogs.messages[0].style, 256);

    open("Example_3Entry_Standard.KOR");
    h.state.project.ProjectSaved = false;
    h.trigger("mnuUtilItem_3");
    ASSERT_EQ(h.dialogs.messages.size(), 1u);
    EXPECT_EQ(h.dialogs.messages[0].text,
              QStringLiteral("Save Current File before accessing this option"));
    EXPECT_EQ(h.dialogs.messages[0].style, 0);
    EXPECT_TRUE(h.dialogs.dialogsShown.empty());
}

TEST_F(FileConversion, ConvertsIntoTheOtherSystemOnly) {
    struct Row {
        const char* project;
        const char* offered; // the option that is on and enabled
        const char* refused; // the project's own system: off and disabled
        int target;
        const char* prefix;
    };
    const Row rows[] = {
        {"Example_3Entry_Standard.KOR", "Option1_1", "Option1_0", 1, "Metric_"},
        {"Example_4Entry_Advanced_Metric.KOR", "Option1_0", "Option1_1", 0, "English_"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.project);
        open(row.project);
        const ProjectRecord before = h.state.project;
        bool looked = false;
        h.dialogs.dialogScripts.push_back([&](QDialog& d) {
            looked = true;
            EXPECT_EQ(d.windowTitle(), QStringLiteral("File Conversion Utility"));
            EXPECT_TRUE(option(d, row.offered)->isChecked());
            EXPECT_TRUE(option(d, row.offered)->isEnabled());
            EXPECT_FALSE(option(d, row.refused)->isChecked());
            EXPECT_FALSE(option(d, row.refused)->isEnabled());
            EXPECT_TRUE(option(d, "Option2_0")->isChecked());
            EXPECT_EQ(option(d, "Option2_0")->text(), QStringLiteral("Load converted project "));
            EXPECT_FALSE(option(d, "Option2_1")->isEnabled());
            d.findChild<QPushButton*>(QStringLiteral("Command2"))->click();
            return d.result();
        });
        h.trigger("mnuUtilItem_3");
        ASSERT_TRUE(looked);
        EXPECT_EQ(h.dialogs.dialogsShown.back(), QStringLiteral("frmConvert"));
        EXPECT_EQ(h.dialogs.messageTexts().back(),
                  QStringLiteral("Conversion Completed: The conversion form will be closed"));
        EXPECT_EQ(h.dialogs.messages.back().title, QStringLiteral("KORA"));
        EXPECT_EQ(h.state.project.UnitSystem, row.target);
        // The converted project belongs beside the original file.
        const std::string converted = h.dataFolder() + row.prefix + row.project;
        EXPECT_EQ(h.state.project.ProjectPath, converted);
        EXPECT_NE(h.state.project.CoalStrength, before.CoalStrength);
        EXPECT_FALSE(h.state.project.ProjectSaved);
        EXPECT_TRUE(h.window->windowTitle().endsWith(QLatin1Char('*')));
        EXPECT_NE(h.state.history.text().find("Loading File Conversion Form"), std::string::npos);
        h.trigger("mnuFileItem_2");
        EXPECT_TRUE(h.state.project.ProjectSaved);
        EXPECT_EQ(h.state.recent.LastFileLong[0], converted);
        EXPECT_EQ(GuiHarness::readFile(converted).substr(0, 8), "KORA_500");
    }
}

TEST_F(FileConversion, CancelLeavesTheProjectAsItWas) {
    open("Example_3Entry_Standard.KOR");
    const ProjectRecord before = h.state.project;
    h.dialogs.dialogScripts.push_back([](QDialog& d) {
        d.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
        return d.result();
    });
    h.trigger("mnuUtilItem_3");
    EXPECT_EQ(h.state.project.ProjectPath, before.ProjectPath);
    EXPECT_EQ(h.state.project.UnitSystem, before.UnitSystem);
    EXPECT_EQ(h.state.project.CoalStrength, before.CoalStrength);
    EXPECT_TRUE(h.state.project.ProjectSaved);
    EXPECT_EQ(h.state.ConvertFileOption, 0);
}

} // namespace
} // namespace kora::gui::test
