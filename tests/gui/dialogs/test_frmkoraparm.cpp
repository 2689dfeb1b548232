#include "gui/dialogs/frmkoraparm.h"

#include "core/model/plangeometry.h"
#include "core/model/projectrecord.h"
#include "core/model/settings.h"
#include "core/model/unitsystems.h"
#include "gui/graphics/frmpicture.h"
#include "gui/graphics/planwidget.h"
#include "gui/report/reportprinter.h"
#include "scripteddialogservice.h"
#include "scriptedmessenger.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

namespace kora::gui {
namespace {

class ParametersDialogTest : public ::testing::Test {
protected:
    ProjectRecord project;
    Settings settings;
    PlanGeometry plan;
    kora::test::ScriptedMessenger messenger;
    test::ScriptedDialogService dialogs;
    ReportPrinter printer{dialogs};
    int captions = 0;
    std::vector<bool> calcAdv;
    std::vector<ParametricStudy> studies;

    // A project that passes every check: 3 entries, standard geometry.
    void makeValid() {
        project.EntryHeight = 7;
        project.DepthOfCover = 500;
        project.PanelWidth = 800;
        project.EntryWidth = 20;
        project.CrosscutSpacing = 100;
        project.NumEntries = 3;
        project.CenterDistance[1] = 80;
        project.CenterDistance[2] = 90;
        project.ProjectEmpty = false;
        project.DescriptionSet = true;
    }

    std::unique_ptr<frmKORAParm> open() {
        ParametersHooks hooks;
        hooks.setCaption = [this] { ++captions; };
        hooks.setCalcAdv = [this](bool advanced) { calcAdv.push_back(advanced); };
        hooks.runStudy = [this](ParametricStudy s) -> std::optional<std::string> {
            studies.push_back(s);
            return std::string(s == ParametricStudy::Partial ? "/data/SF-width-Partial.txt"
                                                             : "/data/SF-width-Solid.txt");
        };
        auto d = std::make_unique<frmKORAParm>(project, settings, plan, messenger, printer, hooks);
        d->show();
        d->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(d.get()));
        return d;
    }

    template <typename T = QLineEdit> static T* child(QWidget& w, const QString& name) {
        T* c = w.findChild<T*>(name);
        EXPECT_NE(c, nullptr) << name.toStdString();
        return c;
    }
    static QString text(QWidget& w, const QString& name) { return child(w, name)->text(); }
    static void set(QWidget& w, const QString& name, const QString& value) {
        child(w, name)->setText(value);
    }
    static int tab(QWidget& w) { return child<QTabWidget>(w, "SSTab1")->currentIndex(); }
    static void press(QWidget& w, const char* button) {
        QTest::mouseClick(child<QPushButton>(w, button), Qt::LeftButton);
    }

    bool logged(const std::string& line) const {
        return std::count(messenger.history.begin(), messenger.history.end(), line) > 0;
    }
};

TEST_F(ParametersDialogTest, NewEnglishProjectShowsTheDefaultsAndRefusesOk) {
    auto d = open();
    EXPECT_EQ(d->windowTitle(), "Parameters");
    for (const char* name : {"Text1", "Text2", "Text3", "Text4", "Text5"})
        EXPECT_EQ(text(*d, name), "0") << name;
    EXPECT_EQ(child<QComboBox>(*d, "Combo1")->currentText(), "2");
    EXPECT_EQ(child<QComboBox>(*d, "Combo1")->count(), 4);
    EXPECT_EQ(text(*d, "Text6"), "2");
    EXPECT_FALSE(child(*d, "Text6")->isVisible());
    EXPECT_EQ(text(*d, "txtCoalStrength"), "900.");
    EXPECT_EQ(text(*d, "txtAbutmentAngle"), "21");
    EXPECT_EQ(text(*d, "txtUnitWeight"), "162.");
    for (const char* name : {"Text10", "Text11", "Text12"}) EXPECT_EQ(text(*d, name), "1.3");
    EXPECT_EQ(text(*d, "Text13"), "35");
    EXPECT_EQ(text(*d, "Text19"), "1.27");
    EXPECT_EQ(text(*d, "Text33"), "1.44");
    EXPECT_EQ(child<QLabel>(*d, "Label1")->text(), "Entry Height (ft)");
    EXPECT_EQ(child<QLabel>(*d, "Label22")->text(), "Center-to-center entry spacing (ft)");
    EXPECT_EQ(child<QLabel>(*d, "lblCoalStrength")->text(), "In situ Coal Strength (psi)");
    EXPECT_EQ(child<QLabel>(*d, "lblGamma")->text(), "Overburden Unit Weight (pcf)");
    EXPECT_EQ(child<QLabel>(*d, "label16")->text(), "Width of Yield Pillar(s) (ft)");
    EXPECT_EQ(child<QLabel>(*d, "Label15")->text(), "Crosscut Spacing (ft)");
    EXPECT_TRUE(child(*d, "Text14_1")->isVisible());
    EXPECT_FALSE(child(*d, "Text14_2")->isVisible());
    EXPECT_EQ(child(*d, "Text1")->maxLength(), 7);
    EXPECT_EQ(child(*d, "Text13")->maxLength(), 5);
    EXPECT_FALSE(child<QPushButton>(*d, "cmd50")->isVisible());
    EXPECT_FALSE(child<QPushButton>(*d, "cmd100")->isVisible());
    EXPECT_TRUE(child<QRadioButton>(*d, "Option1_0")->isChecked());
    EXPECT_FALSE(child(*d, "Text16")->isEnabled());
    EXPECT_TRUE(child<QRadioButton>(*d, "Option2_0")->isChecked());
    EXPECT_EQ(messenger.history, std::vector<std::string>{"Editing Project Parameters"});
    EXPECT_FALSE(d->ParametersChanged());

    press(*d, "Command2");
    ASSERT_EQ(messenger.boxes.size(), 1u);
    EXPECT_EQ(messenger.boxes[0].text, "Invalid entry height");
    EXPECT_EQ(messenger.boxes[0].style, 16);
    EXPECT_EQ(messenger.boxes[0].title, "Project Parameters: Range Error");
    EXPECT_EQ(tab(*d), 0);
    EXPECT_EQ(d->focusWidget()->objectName(), "Text1");
    EXPECT_TRUE(d->isVisible());
}

TEST_F(ParametersDialogTest, UntouchedMetricProjectIsNoChangeAndGivesNoWarning) {
    project.UnitSystem = Metric;
    SetDefaultInputs(project);
    auto d = open();
    EXPECT_EQ(text(*d, "txtCoalStrength"), "6.21");
    EXPECT_EQ(text(*d, "txtUnitWeight"), "25.45");
    EXPECT_EQ(child<QLabel>(*d, "Label1")->text(), "Entry Height (m)");
    EXPECT_EQ(child<QLabel>(*d, "lblCoalStrength")->text(), "In situ Coal Strength (MPa)");
    EXPECT_EQ(child<QLabel>(*d, "lblGamma")->text(), "Overburden Unit Weight (kN/m3)");
    child<QTabWidget>(*d, "SSTab1")->setCurrentIndex(1);
    for (const char* name : {"txtCoalStrength", "txtAbutmentAngle", "txtUnitWeight"}) {
        child(*d, name)->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
    }
    child(*d, "txtAbutmentAngle")->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_TRUE(messenger.boxes.empty());
    EXPECT_FALSE(d->ParametersChanged());
    press(*d, "Command1");
    EXPECT_FALSE(d->isVisible());
    EXPECT_TRUE(messenger.boxes.empty());
    EXPECT_EQ(messenger.history.back(), "Project Parameters Not Modified");
    EXPECT_EQ(project.CoalStrength, float(900 / PsiPerMPa));
}

struct CheckCase {
    std::vector<std::pair<const char*, const char*>> fields;
    const char* option; // a configuration option to switch on, or nullptr
    const char* message;
    int tab;
    const char* focus;
};

class ValidationTest : public ParametersDialogTest,
                       public ::testing::WithParamInterface<CheckCase> {};

TEST_P(ValidationTest, FirstFailingCheckIsReportedOnItsTab) {
    makeValid();
    auto d = open();
    const CheckCase& c = GetParam();
    child<QTabWidget>(*d, "SSTab1")->setCurrentIndex(c.tab == 0 ? 1 : 0);
    for (const auto& [name, value] : c.fields) set(*d, name, value);
    if (c.option) child<QRadioButton>(*d, c.option)->setChecked(true);
    messenger.boxes.clear();
    EXPECT_FALSE(d->ValidateParameters());
    ASSERT_EQ(messenger.boxes.size(), 1u);
    EXPECT_EQ(messenger.boxes[0].text, c.message);
    EXPECT_EQ(messenger.boxes[0].style, 16);
    EXPECT_EQ(messenger.boxes[0].title, "Project Parameters: Range Error");
    EXPECT_EQ(tab(*d), c.tab);
    EXPECT_EQ(d->focusWidget()->objectName(), c.focus);
}

INSTANTIATE_TEST_SUITE_P(
    Checks, ValidationTest,
    ::testing::Values(
        CheckCase{{{"Text1", "0"}}, nullptr, "Invalid entry height", 0, "Text1"},
        CheckCase{{{"Text1", "x"}, {"Text2", ""}}, nullptr, "Invalid entry height", 0, "Text1"},
        CheckCase{{{"Text2", ""}}, nullptr, "Invalid depth of cover", 0, "Text2"},
        CheckCase{{{"Text3", "-5"}}, nullptr, "Invalid panel width", 0, "Text3"},
        CheckCase{
            {{"Text4", "0.5"}}, nullptr, "Invalid entry width. Should be >= 1  (ft)", 0, "Text4"},
        CheckCase{{{"Text4", "400"}},
                  nullptr,
                  "Invalid entry width. Should be less that 1/2 of panel width",
                  0,
                  "Text4"},
        CheckCase{{{"Text5", "20"}}, nullptr, "Invalid crosscut spacing", 0, "Text5"},
        CheckCase{{{"Text5", "0"}}, nullptr, "Invalid crosscut spacing", 0, "Text5"},
        CheckCase{{{"txtCoalStrength", "0"}},
                  nullptr,
                  "Invalid in situ coal strength",
                  1,
                  "txtCoalStrength"},
        CheckCase{{{"txtAbutmentAngle", "91"}},
                  nullptr,
                  "Value '91' is outside input range\r\nValid range is: 0-90",
                  1,
                  "txtAbutmentAngle"},
        CheckCase{{{"txtUnitWeight", "0"}},
                  nullptr,
                  "Invalid overburden unit weight",
                  1,
                  "txtUnitWeight"},
        CheckCase{{{"Text10", "0.05"}},
                  nullptr,
                  "Value '0.05' is outside input range\r\nValid range is: 0.1-10",
                  2,
                  "Text10"},
        CheckCase{{{"Text11", "12"}},
                  nullptr,
                  "Value '12' is outside input range\r\nValid range is: 0.1-10",
                  2,
                  "Text11"},
        CheckCase{{{"Text12", " "}}, nullptr, "Blank field not allowed", 2, "Text12"},
        CheckCase{{{"Text13", ""}}, nullptr, "Blank field not allowed", 2, "Text13"},
        CheckCase{{{"Text16", "0"}}, "Option1_1", "Invalid width of Yield Pillar(s)", 2, "Text16"},
        CheckCase{{{"Text16", ""}}, "Option1_2", "Invalid width of Yield Pillar(s)", 2, "Text16"},
        CheckCase{
            {{"Text16", "3x0"}}, "Option1_1", "Invalid width of Yield Pillar(s)", 2, "Text16"},
        CheckCase{{{"Text14_2", "0"}}, nullptr, "Invalid entry spacing", 0, "Text14_2"},
        CheckCase{{{"Text14_1", "20"}},
                  nullptr,
                  "Entry spacing should be more than Entry Width",
                  0,
                  "Text14_1"},
        CheckCase{{{"Text22_1", "60"}, {"Text23_1", "100"}, {"Text22_2", "60"}, {"Text23_2", "0"}},
                  nullptr,
                  "Invalid crosscut spacing",
                  3,
                  "Text23_2"},
        CheckCase{{{"Text22_1", "60"}, {"Text23_1", "100"}, {"Text23_2", "100"}},
                  nullptr,
                  "Invalid crosscut angle. Valid range is 45-90 degrees.",
                  3,
                  "Text22_2"},
        CheckCase{{{"Text22_1", "44"}, {"Text23_1", "100"}},
                  nullptr,
                  "Invalid crosscut angle. Valid range is 45-90 degrees.",
                  3,
                  "Text22_1"},
        CheckCase{{{"Text22_1", "90.5"}, {"Text23_1", "100"}},
                  nullptr,
                  "Invalid crosscut angle. Valid range is 45-90 degrees.",
                  3,
                  "Text22_1"}));

TEST_F(ParametersDialogTest, BoundaryValuesPass) {
    makeValid();
    auto d = open();
    set(*d, "Text10", "0.1");
    set(*d, "Text11", "10");
    set(*d, "txtAbutmentAngle", "90");
    set(*d, "Text16", "0");
    child<QRadioButton>(*d, "Option1_3")->setChecked(true); // "2 entry" needs no yield width
    set(*d, "Text22_1", "45");
    set(*d, "Text23_1", "100");
    set(*d, "Text22_2", "90");
    set(*d, "Text23_2", "110");
    EXPECT_TRUE(d->ValidateParameters());
    EXPECT_TRUE(messenger.boxes.empty());
    EXPECT_EQ(plan.PlanAdvGeometry, 1);
    EXPECT_TRUE(child<QRadioButton>(*d, "Option2_1")->isChecked());
}

TEST_F(ParametersDialogTest, OkStoresEveryFieldAndTheFlags) {
    makeValid();
    project.ProjectSaved = true;
    project.DescriptionSet = false;
    project.CenterDistance[3] = 55; // beyond the columns: kept
    auto d = open();
    set(*d, "Text1", "8.5");
    set(*d, "Text2", "600");
    set(*d, "Text3", "900");
    set(*d, "Text4", "18");
    set(*d, "Text5", "110");
    set(*d, "Text14_1", "70");
    set(*d, "Text14_2", "75");
    set(*d, "Text10", "1.5");
    set(*d, "Text11", "1.6");
    set(*d, "Text12", "1.7");
    set(*d, "Text13", "50");
    child<QCheckBox>(*d, "Check1")->setChecked(true);
    child<QRadioButton>(*d, "Option1_2")->setChecked(true);
    set(*d, "Text16", "30");
    EXPECT_TRUE(d->ParametersChanged());
    QSignalSpy finished(d.get(), &QDialog::finished);
    press(*d, "Command2");
    EXPECT_EQ(finished.count(), 1);
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(d->result(), QDialog::Accepted);
    EXPECT_EQ(project.EntryHeight, 8.5f);
    EXPECT_EQ(project.DepthOfCover, 600);
    EXPECT_EQ(project.PanelWidth, 900);
    EXPECT_EQ(project.EntryWidth, 18);
    EXPECT_EQ(project.CrosscutSpacing, 110);
    EXPECT_EQ(project.NumEntries, 3);
    EXPECT_EQ(project.CenterDistance[1], 70);
    EXPECT_EQ(project.CenterDistance[2], 75);
    EXPECT_EQ(project.CenterDistance[3], 55);
    EXPECT_EQ(project.HeadgateSF, 1.5f);
    EXPECT_EQ(project.BleederSF, 1.6f);
    EXPECT_EQ(project.TailgateSF, 1.7f);
    EXPECT_EQ(project.CMRRValue, 50);
    EXPECT_EQ(project.UseCMRR, 1);
    EXPECT_EQ(project.ConfigMode, 2);
    EXPECT_EQ(project.YieldPillarWidth, 30);
    EXPECT_EQ(project.AdvGeometry, 0);
    EXPECT_FALSE(project.ProjectSaved);
    EXPECT_FALSE(project.ProjectEmpty);
    EXPECT_TRUE(project.DescriptionSet);
    EXPECT_EQ(captions, 1);
    EXPECT_EQ(calcAdv, std::vector<bool>{false});
    EXPECT_EQ(messenger.history.back(), "Project Parameters Modified");
}

TEST_F(ParametersDialogTest, DefaultsWarningHoldsTheFirstOkOpen) {
    makeValid();
    auto d = open();
    child<QTabWidget>(*d, "SSTab1")->setCurrentIndex(1);
    QLineEdit* angle = child(*d, "txtAbutmentAngle");
    angle->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(QTest::qWaitFor([&] { return angle->selectedText() == "21"; }));
    QTest::keyClicks(angle, "25");
    EXPECT_EQ(angle->text(), "25");
    QTest::keyClick(angle, Qt::Key_Return); // OK is the default button
    ASSERT_EQ(messenger.boxes.size(), 1u);
    EXPECT_EQ(messenger.boxes[0].text,
              "Warning: The KORA case history data base was analyzed with abutment angles of 21 "
              "degrees.  Stability Factors (SF) obtained with different abutment angles may not be "
              "comparable to the suggested SF values obtained from TERVA's analysis of the data "
              "base.  For more information, see Help/Project Input Parameters.");
    EXPECT_EQ(messenger.boxes[0].style, 0);
    EXPECT_EQ(messenger.boxes[0].title, "KORA");
    EXPECT_TRUE(d->isVisible());
    EXPECT_TRUE(d->isAccepted());
    EXPECT_EQ(project.AbutmentAngle, 21);

    press(*d, "Command2");
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(messenger.boxes.size(), 1u);
    EXPECT_EQ(project.AbutmentAngle, 25);
}

TEST_F(ParametersDialogTest, WarningFlagClearsAfterTheTimer) {
    makeValid();
    project.UnitSystem = Metric;
    auto d = open();
    child<QTabWidget>(*d, "SSTab1")->setCurrentIndex(1);
    child(*d, "txtCoalStrength")->setFocus(Qt::TabFocusReason);
    set(*d, "txtCoalStrength", "6.2");
    child(*d, "txtUnitWeight")->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(QTest::qWaitFor([&] { return d->warningShown(); }));
    ASSERT_EQ(messenger.boxes.size(), 1u);
    EXPECT_EQ(messenger.boxes[0].text.rfind("Warning: The KORA case history data base was analyzed "
                                            "with an in situ coal strength of 900 psi.",
                                            0),
              0u);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !d->warningShown(); }, 1000));
    set(*d, "txtUnitWeight", "25.5");
    child(*d, "txtCoalStrength")->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(QTest::qWaitFor([&] { return messenger.boxes.size() == 2; }));
    EXPECT_EQ(messenger.boxes[1].text.rfind("Warning: The KORA case history data base was analyzed "
                                            "with an overburden unit weight of 162 pcf.",
                                            0),
              0u);
}

TEST_F(ParametersDialogTest, CancelAsksBeforeDiscardingChanges) {
    makeValid();
    auto d = open();
    EXPECT_FALSE(d->ParametersChanged());
    set(*d, "Text1", "9");
    EXPECT_TRUE(d->ParametersChanged());
    messenger.answers = {7};
    press(*d, "Command1");
    ASSERT_EQ(messenger.boxes.size(), 1u);
    EXPECT_EQ(messenger.boxes[0].text, "Changes in Input Data will be discarded. Proceed?");
    EXPECT_EQ(messenger.boxes[0].style, 4);
    EXPECT_TRUE(d->isVisible());
    messenger.answers = {6};
    d->close(); // the close box asks the same
    EXPECT_EQ(messenger.boxes.size(), 2u);
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(project.EntryHeight, 7);
    EXPECT_EQ(messenger.history.back(), "Project Parameters Not Modified");
    EXPECT_EQ(calcAdv, std::vector<bool>{false});
}

TEST_F(ParametersDialogTest, NoDiscardQuestionWhenTheOptionIsOff) {
    makeValid();
    settings.IssueWarningCancel = 0;
    auto d = open();
    set(*d, "Text1", "9");
    press(*d, "Command1");
    EXPECT_TRUE(messenger.boxes.empty());
    EXPECT_FALSE(d->isVisible());
}

TEST_F(ParametersDialogTest, SinglePrecisionValuesLeftAsTheyAreAreNoChange) {
    makeValid();
    project.HeadgateSF = 1.3f;
    project.CoalStrength = 6.2053f; // shown as 6.21
    auto d = open();
    EXPECT_FALSE(d->ParametersChanged());
    set(*d, "Text10", "1.30"); // typed, but stores the same Single
    EXPECT_FALSE(d->ParametersChanged());
    set(*d, "txtCoalStrength", "6.21"); // the shown text typed again is no change either
    EXPECT_FALSE(d->ParametersChanged());
    set(*d, "txtCoalStrength", "6.22");
    EXPECT_TRUE(d->ParametersChanged());
}

TEST_F(ParametersDialogTest, LongValuesShowWholeAndStayUnlessTheirBoxIsEdited) {
    makeValid();
    const struct {
        float ProjectRecord::*field;
        float value;
        const char* box;
        const char* shown;
        const char* typed; // typed over the whole text, or nullptr: left alone
        float stored;
    } cases[] = {
        {&ProjectRecord::DepthOfCover, 1234.5678f, "Text2", "1234.568", nullptr, 1234.5678f},
        {&ProjectRecord::PanelWidth, 12345678.f, "Text3", "1.234568E+07", nullptr, 12345678.f},
        {&ProjectRecord::CMRRValue, 35.125f, "Text13", "35.125", nullptr, 35.125f}, // 5 typed
        {&ProjectRecord::CoalStrength, 950.125f, "txtCoalStrength", "950.13", nullptr, 950.125f},
        {&ProjectRecord::EntryHeight, 1.f / 3, "Text1", "0.3333333", nullptr, 1.f / 3},
        {&ProjectRecord::CrosscutSpacing, 100.12345f, "Text5", "100.1235", "99.1234567", 99.1234f},
    };
    for (const auto& c : cases) project.*c.field = c.value;
    auto d = open();
    for (const auto& c : cases) EXPECT_EQ(text(*d, c.box), c.shown) << c.box;
    EXPECT_FALSE(d->ParametersChanged());
    QLineEdit* full = child(*d, "Text2");
    full->setFocus();
    full->end(false);
    QTest::keyClicks(full, "9"); // the limit holds for typing
    EXPECT_EQ(full->text(), "1234.568");
    for (const auto& c : cases) {
        if (c.typed == nullptr) continue;
        child(*d, c.box)->selectAll();
        QTest::keyClicks(child(*d, c.box), c.typed);
        EXPECT_EQ(text(*d, c.box), QString::fromLatin1(c.typed).left(7));
    }
    EXPECT_TRUE(d->ParametersChanged());
    press(*d, "Command2");
    ASSERT_FALSE(d->isVisible());
    for (const auto& c : cases) EXPECT_EQ(project.*c.field, c.stored) << c.box;
}

TEST_F(ParametersDialogTest, ABoxTheDialogFillsOnOpeningIsAChange) {
    makeValid();
    project.CenterDistance[2] = 0; // column 2 takes the spacing of column 1
    auto d = open();
    EXPECT_EQ(text(*d, "Text14_2"), "80");
    EXPECT_TRUE(d->ParametersChanged());
    messenger.answers = {7};
    press(*d, "Command1");
    ASSERT_EQ(messenger.boxes.size(), 1u);
    EXPECT_EQ(messenger.boxes[0].text, "Changes in Input Data will be discarded. Proceed?");
    press(*d, "Command2");
    ASSERT_FALSE(d->isVisible());
    EXPECT_EQ(project.CenterDistance[2], 80);
}

TEST_F(ParametersDialogTest, MoreEntriesStartFromColumnOneFewerKeepHiddenTexts) {
    makeValid();
    project.NumEntries = 2;
    project.CenterDistance[2] = 44; // not shown, not stored
    project.XcutAngle[1] = 60;
    project.XcutSpacing[1] = 100;
    project.AdvGeometry = 1;
    auto d = open();
    EXPECT_EQ(text(*d, "Text14_2"), "");
    child<QComboBox>(*d, "Combo1")->setCurrentIndex(2); // "4"
    EXPECT_EQ(text(*d, "Text6"), "4");
    for (const char* name : {"Text14_2", "Text14_3"}) EXPECT_EQ(text(*d, name), "80") << name;
    for (const char* name : {"Text22_2", "Text22_3"}) EXPECT_EQ(text(*d, name), "60") << name;
    for (const char* name : {"Text23_2", "Text23_3"}) EXPECT_EQ(text(*d, name), "100") << name;
    EXPECT_TRUE(child(*d, "Text14_3")->isVisible());
    EXPECT_FALSE(child(*d, "Text14_4")->isVisible());
    EXPECT_TRUE(child(*d, "Text15_4")->isVisible());
    EXPECT_FALSE(child(*d, "Text15_5")->isVisible());
    EXPECT_TRUE(child<QLabel>(*d, "Label24_3")->isVisible());
    EXPECT_EQ(text(*d, "Text14_4"), "");

    set(*d, "Text14_2", "95");
    child<QComboBox>(*d, "Combo1")->setCurrentIndex(0); // back to "2"
    EXPECT_FALSE(child(*d, "Text14_2")->isVisible());
    EXPECT_FALSE(child<QLabel>(*d, "Label23_2")->isVisible());
    EXPECT_EQ(text(*d, "Text14_2"), "95");
    press(*d, "Command2");
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(project.NumEntries, 2);
    EXPECT_EQ(project.CenterDistance[1], 80);
    EXPECT_EQ(project.CenterDistance[2], 44);
}

TEST_F(ParametersDialogTest, EntryCountsTheListDoesNotOfferOpenOnTheNearestOne) {
    makeValid();
    project.NumEntries = 6;
    for (int i = 1; i <= 5; ++i) project.CenterDistance[i] = 80;
    auto d = open();
    EXPECT_EQ(child<QComboBox>(*d, "Combo1")->currentText(), "5");
    EXPECT_EQ(text(*d, "Text6"), "5");
    EXPECT_TRUE(child(*d, "Text14_4")->isVisible());
    EXPECT_TRUE(d->ParametersChanged());
    d->close(); // discard: answered Yes by default
    EXPECT_EQ(project.NumEntries, 6);

    project.NumEntries = 1;
    messenger.boxes.clear();
    auto one = open();
    EXPECT_EQ(child<QComboBox>(*one, "Combo1")->currentText(), "2");
    EXPECT_TRUE(child(*one, "Text14_1")->isVisible());
    EXPECT_TRUE(one->ValidateParameters());
}

TEST_F(ParametersDialogTest, CmrrSuggestsBothFactors) {
    auto d = open();
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"35", "1.27", "1.44"}, {"0", "1.76", "2"}, {"100", "0.36", "0.4"}};
    for (const auto& [cmrr, classic, revised] : cases) {
        set(*d, "Text13", cmrr);
        EXPECT_EQ(text(*d, "Text19"), classic) << cmrr;
        EXPECT_EQ(text(*d, "Text33"), revised) << cmrr;
    }
    EXPECT_TRUE(messenger.boxes.empty());
    set(*d, "Text13", "101");
    ASSERT_EQ(messenger.boxes.size(), 1u);
    EXPECT_EQ(messenger.boxes[0].text, "Invalid CMRR");
    EXPECT_EQ(messenger.boxes[0].style, 16);
    EXPECT_EQ(messenger.boxes[0].title, "Project Parameters: Range Error");
    EXPECT_EQ(text(*d, "Text13"), "");
    EXPECT_EQ(text(*d, "Text19"), "1.76");
    EXPECT_EQ(text(*d, "Text33"), "2");

    child<QTabWidget>(*d, "SSTab1")->setCurrentIndex(2);
    QLineEdit* box = child(*d, "Text13");
    box->setFocus();
    QTest::keyClick(box, Qt::Key_4);
    EXPECT_EQ(text(*d, "Text19"), "1.704");
    EXPECT_EQ(text(*d, "Text33"), "1.936");
    QTest::keyClick(box, Qt::Key_5);
    EXPECT_EQ(text(*d, "Text19"), "1.13");
    EXPECT_EQ(text(*d, "Text33"), "1.28");
}

TEST_F(ParametersDialogTest, OutOfRangeCmrrFromTheProjectIsReportedWhileOpening) {
    project.CMRRValue = 150;
    auto d = open();
    ASSERT_EQ(messenger.boxes.size(), 1u);
    EXPECT_EQ(messenger.boxes[0].text, "Invalid CMRR");
    EXPECT_EQ(text(*d, "Text13"), "");
    EXPECT_EQ(text(*d, "Text19"), "1.76");
    EXPECT_TRUE(d->ParametersChanged()); // emptied by the dialog, not as the project holds it
}

TEST_F(ParametersDialogTest, EnablingAdvancedGeometryFillsSpacingsButTheFlagFollowsTheData) {
    makeValid();
    project.CenterDistance[1] = 60;
    project.CenterDistance[2] = 70;
    auto d = open();
    child<QTabWidget>(*d, "SSTab1")->setCurrentIndex(3);
    child<QRadioButton>(*d, "Option2_1")->click();
    EXPECT_EQ(text(*d, "Text23_1"), "60");
    EXPECT_EQ(text(*d, "Text23_2"), "70");
    EXPECT_EQ(text(*d, "Text22_1"), "0");
    EXPECT_TRUE(d->ValidateParameters());
    EXPECT_EQ(plan.PlanAdvGeometry, 0);
    EXPECT_TRUE(child<QRadioButton>(*d, "Option2_0")->isChecked());

    set(*d, "Text22_1", "60");
    EXPECT_FALSE(d->ValidateParameters());
    ASSERT_FALSE(messenger.boxes.empty());
    EXPECT_EQ(messenger.boxes.back().text, "Invalid crosscut angle. Valid range is 45-90 degrees.");
    EXPECT_EQ(d->focusWidget()->objectName(), "Text22_2");

    set(*d, "Text22_1", "0");
    press(*d, "Command2");
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(project.AdvGeometry, 0);
    EXPECT_EQ(project.XcutSpacing[1], 60);
    EXPECT_EQ(project.XcutSpacing[2], 70);
    EXPECT_EQ(calcAdv, std::vector<bool>{false});
}

TEST_F(ParametersDialogTest, DisablingAdvancedGeometryAsksBeforeZeroing) {
    makeValid();
    project.AdvGeometry = 1;
    project.XcutAngle[1] = project.XcutAngle[2] = 60;
    project.XcutSpacing[1] = project.XcutSpacing[2] = 100;
    auto d = open();
    EXPECT_TRUE(child<QRadioButton>(*d, "Option2_1")->isChecked());
    child<QTabWidget>(*d, "SSTab1")->setCurrentIndex(3);

    messenger.answers = {7};
    child<QRadioButton>(*d, "Option2_0")->click();
    ASSERT_EQ(messenger.boxes.size(), 1u);
    EXPECT_EQ(messenger.boxes[0].text,
              "This action will zero all Advanced Geometry data. Continue?");
    EXPECT_EQ(messenger.boxes[0].style, 292);
    EXPECT_TRUE(child<QRadioButton>(*d, "Option2_1")->isChecked());
    EXPECT_EQ(text(*d, "Text22_2"), "60");

    messenger.answers = {6};
    child<QRadioButton>(*d, "Option2_0")->click();
    for (const char* name : {"Text22_1", "Text22_2", "Text23_1", "Text23_2"})
        EXPECT_EQ(text(*d, name), "0") << name;
    press(*d, "Command2");
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(project.AdvGeometry, 0);
    EXPECT_EQ(calcAdv, std::vector<bool>{false});
}

TEST_F(ParametersDialogTest, AdvancedDataOnOkSetsTheFlag) {
    makeValid();
    auto d = open();
    set(*d, "Text22_1", "60");
    set(*d, "Text23_1", "100");
    set(*d, "Text22_2", "75");
    set(*d, "Text23_2", "120");
    press(*d, "Command2");
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(project.AdvGeometry, 1);
    EXPECT_EQ(project.XcutAngle[2], 75);
    EXPECT_EQ(project.XcutSpacing[2], 120);
    EXPECT_EQ(calcAdv, std::vector<bool>{true});
}

TEST_F(ParametersDialogTest, ConfigurationEnablesTheYieldWidth) {
    auto d = open();
    QLineEdit* width = child(*d, "Text16");
    auto* label = child<QLabel>(*d, "label16");
    child<QRadioButton>(*d, "Option1_1")->setChecked(true);
    EXPECT_TRUE(width->isEnabled());
    EXPECT_TRUE(label->isEnabled());
    child<QRadioButton>(*d, "Option1_3")->setChecked(true); // leaves them as they are
    EXPECT_TRUE(width->isEnabled());
    child<QRadioButton>(*d, "Option1_0")->setChecked(true);
    EXPECT_FALSE(width->isEnabled());
    EXPECT_FALSE(label->isEnabled());
    child<QRadioButton>(*d, "Option1_3")->setChecked(true);
    EXPECT_FALSE(width->isEnabled());
}

TEST_F(ParametersDialogTest, ViewPlanIsOfferedOnTheStandardAndAdvancedTabs) {
    auto d = open();
    auto* tabs = child<QTabWidget>(*d, "SSTab1");
    auto* view = child<QPushButton>(*d, "cmdView");
    const bool expected[4] = {true, false, false, true};
    for (int i = 0; i < 4; ++i) {
        tabs->setCurrentIndex(i);
        EXPECT_EQ(view->isEnabled(), expected[i]) << i;
    }
}

TEST_F(ParametersDialogTest, ViewPlanInsideTheDialogDrawsOutlinesOfTheEditedGeometry) {
    makeValid();
    settings.ViewChildWindow = 0;
    auto d = open();
    set(*d, "Text14_1", "100");
    press(*d, "cmdView");
    const PlanDrawing& standard = child<PlanWidget>(*d, "Picture2")->drawing();
    ASSERT_TRUE(standard.Valid);
    EXPECT_EQ(standard.Lines.size(), 32u); // two columns of four pillars, outlines only
    EXPECT_TRUE(standard.Texts.empty());
    EXPECT_EQ(plan.PlanCenterDistance[1], 100);
    EXPECT_EQ(plan.PlanEntries, 3);
    EXPECT_EQ(project.CenterDistance[1], 80);
    EXPECT_FALSE(child<PlanWidget>(*d, "Picture1")->drawing().Valid);

    child<QTabWidget>(*d, "SSTab1")->setCurrentIndex(3);
    set(*d, "Text22_1", "60");
    set(*d, "Text23_1", "100");
    set(*d, "Text22_2", "60");
    set(*d, "Text23_2", "100");
    press(*d, "cmdView");
    EXPECT_TRUE(child<PlanWidget>(*d, "Picture1")->drawing().Valid);
    EXPECT_EQ(plan.PlanAdvGeometry, 1);
    EXPECT_EQ(plan.DrawXcutAngle[2], 60);
}

TEST_F(ParametersDialogTest, ViewPlanInTheChildWindowDisablesTheDialogUntilItCloses) {
    makeValid();
    settings.ViewChildWindow = 1;
    auto d = open();
    press(*d, "cmdView");
    frmPicture* window = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "frmPicture" && w->isVisible())
            window = qobject_cast<frmPicture*>(w);
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(d->isEnabled());
    EXPECT_EQ(window->state().Source, PlanSource::ParametersDialog);
    EXPECT_FALSE(window->findChild<QAction*>("mnuPlotSetItem_1")->isEnabled());
    EXPECT_FALSE(window->planArea()->drawing().Texts.empty()); // labels and caption
    window->close();
    EXPECT_TRUE(d->isEnabled());
}

TEST_F(ParametersDialogTest, ViewPlanChecksTheFieldsFirst) {
    settings.ViewChildWindow = 0;
    auto d = open();
    press(*d, "cmdView");
    ASSERT_EQ(messenger.boxes.size(), 1u);
    EXPECT_EQ(messenger.boxes[0].text, "Invalid entry height");
    EXPECT_FALSE(child<PlanWidget>(*d, "Picture2")->drawing().Valid);
}

TEST_F(ParametersDialogTest, HiddenStudyButtonsAnswerTheirShortcuts) {
    makeValid();
    auto d = open();
    set(*d, "Text1", "9");
    QTest::keyClick(d.get(), Qt::Key_5, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_EQ(studies, std::vector<ParametricStudy>{ParametricStudy::Partial});
    EXPECT_EQ(project.EntryHeight, 9); // stored before the study
    EXPECT_FALSE(project.ProjectSaved);
    ASSERT_EQ(messenger.boxes.size(), 1u);
    EXPECT_EQ(messenger.boxes[0].text, "Parametric study written to: /data/SF-width-Partial.txt");
    QTest::keyClick(d.get(), Qt::Key_1, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(studies.size(), 2u);
    EXPECT_EQ(studies.back(), ParametricStudy::Solid);
    press(*d, "Command1"); // nothing left to discard
    EXPECT_EQ(messenger.history.back(), "Project Parameters Modified");
}

TEST_F(ParametersDialogTest, CopyImageAndHelp) {
    auto d = open();
    QApplication::clipboard()->clear();
    press(*d, "Command5");
    EXPECT_FALSE(QApplication::clipboard()->image().isNull());
    ASSERT_EQ(messenger.boxes.size(), 1u);
    EXPECT_EQ(messenger.boxes[0].text, "Screenshot of dialog copied to clipboard");
    press(*d, "Command3");
    ASSERT_EQ(messenger.boxes.size(), 2u);
    EXPECT_EQ(
        messenger.boxes[1].text,
        "Position the cursor on any item on the form and press F1 for context-sensitive Help");
    EXPECT_EQ(messenger.boxes[1].style, 48);
    EXPECT_EQ(messenger.boxes[1].title, "Help");

    const std::pair<const char*, int> contexts[] = {
        {"Frame1", 2200}, {"Text1", 2201},    {"txtUnitWeight", 2201}, {"Text10", 2202},
        {"Check1", 2202}, {"Text22_1", 2203}, {"Option2_0", 2203},     {"Command3", 5001}};
    for (const auto& [name, context] : contexts)
        EXPECT_EQ(child<QWidget>(*d, name)->property("helpContext").toInt(), context) << name;
}

} // namespace
} // namespace kora::gui
