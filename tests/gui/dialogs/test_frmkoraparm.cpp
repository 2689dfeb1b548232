// The parameters dialog's wiring: what it shows, which box and tab a failed check brings up, what
// OK stores, the warnings and questions it asks, and the typing filter of its boxes. The rules
// behind them are the core's parameter field table, tested there.
#include "gui/dialogs/frmkoraparm.h"

#include "core/model/plangeometry.h"
#include "core/model/projectrecord.h"
#include "core/model/settings.h"
#include "core/model/unitsystems.h"
#include "gui/dialogs/fieldfilter.h"
#include "gui/graphics/frmpicture.h"
#include "gui/graphics/planwidget.h"
#include "gui/report/reportprinter.h"
#include "scripteddialogservice.h"
#include "scriptedmessenger.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace kora::gui {
namespace {

using Texts = std::vector<std::string>;

class ParametersDialog : public ::testing::Test {
protected:
    ProjectRecord project;
    Settings settings;
    PlanGeometry plan;
    kora::test::ScriptedMessenger messenger;
    test::ScriptedDialogService dialogs;
    ReportPrinter printer{dialogs};
    std::vector<bool> calcAdv;
    std::unique_ptr<frmKORAParm> d;

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
    }

    void open() {
        ParametersHooks hooks;
        hooks.setCalcAdv = [this](bool advanced) { calcAdv.push_back(advanced); };
        d = std::make_unique<frmKORAParm>(project, settings, plan, messenger, dialogs, printer,
                                          hooks);
        d->show();
        d->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(d.get()));
        messenger.boxes.clear();
    }

    template <typename T = QLineEdit> T* child(const char* name) {
        T* c = d->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(c, nullptr) << name;
        return c;
    }
    QString text(const char* name) { return child(name)->text(); }
    QString texts(std::initializer_list<const char*> names) {
        QStringList t;
        for (const char* name : names) t << text(name);
        return t.join(' ');
    }
    void set(const char* name, const char* value) { child(name)->setText(value); }
    void check(const char* option) { child<QRadioButton>(option)->setChecked(true); }
    void showTab(ParameterTab tab) { child<QTabWidget>("SSTab1")->setCurrentIndex(int(tab)); }
    void press(const char* button) {
        QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton);
    }
};

TEST_F(ParametersDialog, OpensOnTheProjectInItsUnitsAndOkReportsTheFirstFailure) {
    for (int units : {English, Metric}) {
        project.UnitSystem = std::int16_t(units);
        SetDefaultInputs(project);
        open();
        const bool metric = units == Metric;
        EXPECT_EQ(text("txtCoalStrength"), metric ? "6.21" : "900.");
        EXPECT_EQ(child<QLabel>("lblGamma")->text(),
                  metric ? "Overburden Unit Weight (kN/m3)" : "Overburden Unit Weight (pcf)");
        EXPECT_TRUE(child<QLabel>("Label22")->text().endsWith(metric ? "(m)" : "(ft)"));
        EXPECT_EQ(child<QComboBox>("Combo1")->currentText(), "2");
        EXPECT_EQ(texts({"Text19", "Text33"}), "1.27 1.44");
        EXPECT_FALSE(child("Text16")->isEnabled());
        EXPECT_FALSE(d->ParametersChanged());
        press("Command2");
        ASSERT_EQ(messenger.texts(), Texts{"Invalid entry height"});
        EXPECT_EQ(messenger.boxes[0].style, 16);
        EXPECT_EQ(messenger.boxes[0].title, "Project Parameters: Range Error");
        EXPECT_EQ(d->focusWidget()->objectName(), "Text1");
        EXPECT_TRUE(d->isVisible());
    }
    EXPECT_EQ(messenger.history.front(), "Editing Project Parameters");
}

TEST_F(ParametersDialog, AFailedCheckBringsUpItsTabAndFocusesItsBox) {
    makeValid();
    const std::tuple<const char*, const char*, ParameterTab> rows[] = {
        {"txtAbutmentAngle", "91", ParameterTab::Defaults},
        {"Text16", "3x0", ParameterTab::Sizing},
        {"Text14_2", "0", ParameterTab::Standard}};
    for (const auto& [box, value, tab] : rows) {
        open();
        check("Option1_1"); // a yield pillar width is needed
        set("Text16", "30");
        showTab(ParameterTab::Advanced);
        set(box, value);
        EXPECT_FALSE(d->ValidateParameters()) << box;
        EXPECT_EQ(messenger.boxes.size(), 1u);
        EXPECT_EQ(child<QTabWidget>("SSTab1")->currentIndex(), int(tab)) << box;
        EXPECT_EQ(d->focusWidget()->objectName(), box);
    }
}

TEST_F(ParametersDialog, OkStoresEveryKindOfControlAndTellsTheMainWindow) {
    makeValid();
    open();
    set("Text14_2", "75");
    set("Text13", "50");
    child<QCheckBox>("Check1")->setChecked(true);
    check("Option1_2");
    set("Text16", "30");
    for (const char* box : {"Text22_1", "Text22_2"}) set(box, "60");
    for (const char* box : {"Text23_1", "Text23_2"}) set(box, "120");
    press("Command2");
    ASSERT_FALSE(d->isVisible());
    EXPECT_EQ(d->result(), QDialog::Accepted);
    EXPECT_EQ(project.CenterDistance[2], 75);
    EXPECT_EQ(project.CMRRValue, 50);
    EXPECT_EQ(project.UseCMRR, 1);
    EXPECT_EQ(project.ConfigMode, 2);
    EXPECT_EQ(project.YieldPillarWidth, 30);
    EXPECT_EQ(project.XcutSpacing[2], 120);
    EXPECT_EQ(project.AdvGeometry, 1);
    EXPECT_FALSE(project.ProjectSaved || project.ProjectEmpty);
    EXPECT_TRUE(project.DescriptionSet);
    EXPECT_EQ(calcAdv, std::vector<bool>{true});
    EXPECT_EQ(messenger.history.back(), "Project Parameters Modified");
}

TEST_F(ParametersDialog, ADefaultsWarningHoldsTheFirstOkOpen) {
    makeValid();
    open();
    showTab(ParameterTab::Defaults);
    QLineEdit* angle = child("txtAbutmentAngle");
    angle->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(QTest::qWaitFor([&] { return angle->selectedText() == "21"; }));
    QTest::keyClicks(angle, "25");
    QTest::keyClick(angle, Qt::Key_Return); // OK is the default button
    ASSERT_EQ(messenger.boxes.size(), 1u);
    EXPECT_EQ(messenger.boxes[0].text.rfind("Warning: The KORA case history data base was "
                                            "analyzed with abutment angles of 21 degrees.",
                                            0),
              0u);
    EXPECT_TRUE(d->isVisible() && d->isAccepted());
    EXPECT_EQ(project.AbutmentAngle, 21);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !d->warningShown(); }, 1000)); // the timer
    press("Command2");
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(messenger.boxes.size(), 1u);
    EXPECT_EQ(project.AbutmentAngle, 25);
}

TEST_F(ParametersDialog, ChangesAreDiscardedOnlyWhenTheUserAgrees) {
    const struct {
        int option;   // IssueWarningCancel
        bool discard; // closed because another project replaces this one
        int answer;
        bool asked, closes;
    } rows[] = {{1, false, mb::AnswerNo, true, false},
                {1, false, mb::AnswerYes, true, true},
                {0, false, 0, false, true},
                {1, true, 0, false, true}};
    makeValid();
    for (const auto& row : rows) {
        settings.IssueWarningCancel = std::int16_t(row.option);
        open();
        set("Text1", "9");
        messenger.answers = {row.answer};
        row.discard ? d->discard() : press("Command1");
        EXPECT_EQ(messenger.texts(), row.asked ? Texts{"Changes in Input Data will be discarded. "
                                                       "Proceed?"}
                                               : Texts{});
        EXPECT_EQ(d->isVisible(), !row.closes);
        EXPECT_EQ(project.EntryHeight, 7);
    }
}

// Values the boxes cannot show in seven characters show whole and stay as they are unless their
// box is edited; a box the dialog fills itself on opening counts as a change.
TEST_F(ParametersDialog, LongValuesShowWholeAndStayUnlessEdited) {
    makeValid();
    project.DepthOfCover = 1234.5678f;
    project.PanelWidth = 12345678.f;
    project.CenterDistance[2] = 0; // takes the spacing of column 1
    open();
    EXPECT_EQ(texts({"Text2", "Text3"}), "1234.568 1.234568E+07");
    EXPECT_EQ(text("Text14_2"), "80");
    EXPECT_TRUE(d->ParametersChanged());
    QLineEdit* depth = child("Text2");
    depth->setFocus();
    depth->end(false);
    QTest::keyClicks(depth, "9"); // the limit holds for typing
    EXPECT_EQ(depth->text(), "1234.568");
    QLineEdit* xcut = child("Text5");
    xcut->selectAll();
    QTest::keyClicks(xcut, "99.1234567");
    EXPECT_EQ(xcut->text(), "99.1234");
    press("Command2");
    ASSERT_FALSE(d->isVisible());
    EXPECT_EQ(project.DepthOfCover, 1234.5678f);
    EXPECT_EQ(project.PanelWidth, 12345678.f);
    EXPECT_EQ(project.CrosscutSpacing, 99.1234f);
    EXPECT_EQ(project.CenterDistance[2], 80);
}

TEST_F(ParametersDialog, MoreEntriesStartFromColumnOneAndFewerKeepTheHiddenTexts) {
    makeValid();
    project.NumEntries = 2;
    project.CenterDistance[2] = 44;
    project.XcutAngle[1] = 60;
    open();
    child<QComboBox>("Combo1")->setCurrentIndex(2); // "4"
    EXPECT_EQ(texts({"Text6", "Text14_3", "Text22_3"}), "4 80 60");
    EXPECT_TRUE(child("Text14_3")->isVisible() && child("Text15_4")->isVisible());
    EXPECT_FALSE(child("Text14_4")->isVisible());
    set("Text14_2", "95");
    child<QComboBox>("Combo1")->setCurrentIndex(0); // "2"
    EXPECT_FALSE(child<QLabel>("Label23_2")->isVisible());
    EXPECT_EQ(text("Text14_2"), "95");
    set("Text22_1", "0");
    press("Command2");
    ASSERT_FALSE(d->isVisible());
    EXPECT_EQ(project.NumEntries, 2);
    EXPECT_EQ(project.CenterDistance[2], 44);
}

TEST_F(ParametersDialog, CmrrSuggestionsFollowEveryKeystrokeAndAnInvalidValueIsEmptied) {
    open();
    showTab(ParameterTab::Sizing);
    QLineEdit* cmrr = child("Text13");
    cmrr->setFocus();
    cmrr->clear();
    QTest::keyClick(cmrr, Qt::Key_4);
    EXPECT_EQ(texts({"Text19", "Text33"}), "1.704 1.936");
    QTest::keyClick(cmrr, Qt::Key_5);
    EXPECT_EQ(texts({"Text19", "Text33"}), "1.13 1.28");
    set("Text13", "101");
    EXPECT_EQ(messenger.texts(), Texts{"Invalid CMRR"});
    EXPECT_EQ(text("Text13") + "|" + texts({"Text19", "Text33"}), "|1.76 2");
}

TEST_F(ParametersDialog, OptionStatusFillsSpacingsAndAsksBeforeZeroing) {
    makeValid();
    open();
    showTab(ParameterTab::Advanced);
    child<QRadioButton>("Option2_1")->click();
    EXPECT_EQ(texts({"Text23_1", "Text22_1"}), "80 0");
    EXPECT_TRUE(d->ValidateParameters()); // no angle: no advanced geometry after all
    EXPECT_TRUE(child<QRadioButton>("Option2_0")->isChecked());
    for (const char* box : {"Text22_1", "Text22_2"}) set(box, "70");
    child<QRadioButton>("Option2_1")->click();
    for (int answer : {mb::AnswerNo, mb::AnswerYes}) {
        messenger.boxes.clear();
        messenger.answers = {answer};
        child<QRadioButton>("Option2_0")->click();
        EXPECT_EQ(messenger.texts(),
                  Texts{"This action will zero all Advanced Geometry data. Continue?"});
        EXPECT_EQ(messenger.boxes[0].style, 292);
        EXPECT_EQ(child<QRadioButton>("Option2_1")->isChecked(), answer == mb::AnswerNo);
        EXPECT_EQ(text("Text22_2"), answer == mb::AnswerNo ? "70" : "0");
    }
    press("Command2");
    EXPECT_EQ(project.AdvGeometry, 0);
    EXPECT_EQ(calcAdv, std::vector<bool>{false});
}

TEST_F(ParametersDialog, TheConfigurationSwitchesTheYieldWidth) {
    open();
    const std::pair<const char*, bool> steps[] = {
        {"Option1_1", true}, {"Option1_3", true}, {"Option1_0", false}, {"Option1_3", false}};
    for (const auto& [option, enabled] : steps) {
        check(option);
        EXPECT_EQ(child("Text16")->isEnabled() && child<QLabel>("label16")->isEnabled(), enabled)
            << option;
    }
}

TEST_F(ParametersDialog, ViewPlanChecksFirstAndDrawsTheEditedGeometry) {
    settings.ViewChildWindow = 0;
    open();
    press("cmdView");
    EXPECT_EQ(messenger.texts(), Texts{"Invalid entry height"});
    makeValid();
    open();
    const bool offered[] = {true, false, false, true};
    for (int tab = 3; tab >= 0; --tab) {
        showTab(ParameterTab(tab));
        EXPECT_EQ(child<QPushButton>("cmdView")->isEnabled(), offered[tab]) << tab;
    }
    set("Text14_1", "100");
    press("cmdView");
    const PlanDrawing& standard = child<PlanWidget>("Picture2")->drawing();
    EXPECT_EQ(standard.Lines.size(), 32u); // two columns of four pillars, outlines only
    EXPECT_EQ(plan.PlanCenterDistance[1], 100);
    EXPECT_EQ(project.CenterDistance[1], 80);

    settings.ViewChildWindow = 1;
    press("cmdView");
    frmPicture* window = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* p = qobject_cast<frmPicture*>(w); p != nullptr && p->isVisible()) window = p;
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->state().Source, PlanSource::ParametersDialog);
    EXPECT_FALSE(d->isEnabled());
    window->close();
    EXPECT_TRUE(d->isEnabled());
}

struct KeyCase {
    const char* text; // "[..]" marks the selection, "|" the cursor; without a mark it is at the end
    char typed;
    bool taken;
};

class FilterNumericKeyTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(FilterNumericKeyTest, TakesWhatKeepsTheBoxANumber) {
    const KeyCase& c = GetParam();
    QString text = QString::fromLatin1(c.text);
    int cursor = int(text.size()), start = -1, length = 0;
    if (text.contains(QLatin1Char('['))) {
        start = int(text.indexOf(QLatin1Char('[')));
        length = int(text.indexOf(QLatin1Char(']'))) - start - 1;
        text.remove(QLatin1Char('[')).remove(QLatin1Char(']'));
        cursor = start + length;
    } else if (text.contains(QLatin1Char('|'))) {
        cursor = int(text.indexOf(QLatin1Char('|')));
        text.remove(QLatin1Char('|'));
    }
    EXPECT_EQ(FilterNumericKey(text, cursor, start, length, QChar::fromLatin1(c.typed)), c.taken)
        << "'" << c.text << "' + '" << c.typed << "'";
}

INSTANTIATE_TEST_SUITE_P(
    Keys, FilterNumericKeyTest,
    ::testing::Values(KeyCase{"", '7', true}, KeyCase{"12", '.', true}, KeyCase{"12.", '5', true},
                      KeyCase{"12.5", '.', false}, KeyCase{"12", 'a', false},
                      KeyCase{"12", ',', false}, KeyCase{"12", ' ', true},
                      KeyCase{"12 ", '3', false}, KeyCase{"abc", '\b', true},
                      KeyCase{"abc", '\t', true},
                      // The beginning of a number is taken: one more digit completes it.
                      KeyCase{"", '.', true}, KeyCase{"", '-', true}, KeyCase{"1", 'e', true},
                      KeyCase{"-", '-', false}, KeyCase{"", 'e', false},
                      // The key replaces the selection or goes in at the cursor.
                      KeyCase{"[1.3]", '.', true}, KeyCase{"[1.]5", '.', true},
                      KeyCase{"1.[5]", '.', false}, KeyCase{"[12]", 'x', false},
                      KeyCase{"|12", '-', true}, KeyCase{"1|2", '.', true},
                      KeyCase{"|1.5", '.', false}, KeyCase{"12|.5", '.', false}));

} // namespace
} // namespace kora::gui
