#include "guiharness.h"
#include "guitest.h"

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

    GuiHarness h;
};

TEST_F(FileConversion, RefusesAnEmptyOrUnsavedProject) {
    open("Example_3Entry_Standard.KOR");
    h.state.project.ProjectSaved = false;
    h.trigger("mnuUtilItem_3");
    EXPECT_EQ(h.dialogs.messageTexts(),
              (QStringList{QStringLiteral("Save Current File before accessing this option")}));
    h.state.project.ProjectEmpty = true;
    h.trigger("mnuUtilItem_3");
    EXPECT_EQ(h.dialogs.messageTexts().back(), QStringLiteral("Current file is empty"));
    EXPECT_EQ(h.dialogs.messages.back().style, 256);
    EXPECT_TRUE(h.dialogs.dialogsShown.empty());
}

// Only the other system can be chosen; the converted project is named beside the original and
// stays unsaved until saved. Cancel leaves the project as it was.
TEST_F(FileConversion, ConvertsIntoTheOtherSystemOnly) {
    const struct {
        const char* project;
        const char* offered; // on and enabled
        const char* refused; // the project's own system: off and disabled
        const char* button;  // OK or Cancel
        int units;           // after the dialog
        const char* prefix;  // of the converted project's name
    } rows[] = {
        {"Example_3Entry_Standard.KOR", "Option1_1", "Option1_0", "Command2", 1, "Metric_"},
        {"Example_4Entry_Advanced_Metric.KOR", "Option1_0", "Option1_1", "Command2", 0, "English_"},
        {"Example_3Entry_Standard.KOR", "Option1_1", "Option1_0", "Command1", 0, ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.project) + " " + row.button);
        open(row.project);
        const ProjectRecord before = h.state.project;
        h.dialogs.dialogScripts.push_back([&](QDialog& d) {
            auto* offered = child<QRadioButton>(d, row.offered);
            auto* refused = child<QRadioButton>(d, row.refused);
            EXPECT_TRUE(offered->isChecked() && offered->isEnabled());
            EXPECT_FALSE(refused->isChecked() || refused->isEnabled());
            click(d, row.button);
            return d.result();
        });
        h.trigger("mnuUtilItem_3");
        ASSERT_EQ(h.dialogs.dialogsShown.back(), QStringLiteral("frmConvert"));
        EXPECT_EQ(h.state.project.UnitSystem, row.units);
        if (*row.prefix == '\0') {
            EXPECT_EQ(h.state.project.ProjectPath, before.ProjectPath);
            EXPECT_EQ(h.state.project.CoalStrength, before.CoalStrength);
            EXPECT_TRUE(h.state.project.ProjectSaved);
            continue;
        }
        EXPECT_EQ(h.dialogs.messageTexts().back(),
                  QStringLiteral("Conversion Completed: The conversion form will be closed"));
        const std::string converted = h.dataFolder() + row.prefix + row.project;
        EXPECT_EQ(h.state.project.ProjectPath, converted);
        EXPECT_NE(h.state.project.CoalStrength, before.CoalStrength);
        EXPECT_TRUE(h.window->windowTitle().endsWith(QLatin1Char('*')));
        // The original stays as it was; Save writes the converted project under its new name.
        const std::string original = GuiHarness::readFile(before.ProjectPath);
        h.trigger("mnuFileItem_2");
        EXPECT_EQ(GuiHarness::readFile(before.ProjectPath), original);
        EXPECT_EQ(h.state.recent.LastFileLong[0], converted);
        EXPECT_EQ(GuiHarness::readFile(converted).substr(0, 8), "KORA_500");
    }
}

} // namespace
} // namespace kora::gui::test
