// The parameters dialog's wiring: what it shows, which box and tab a failed check brings up, what
// OK stores, the warnings and questions it asks, and the typing filter of its boxes. The rules
// behind them are the core's parameter field table, tested there.
#include "gui/dialogs/frmkoraparm.h"
#include "guitest.h"

#include "core/model/plangeometry.h"
#include "core/model/projectrecord.h"
#include "core/model/settings.h"
#include "core/model/unitsystems.h"
#include "gui/dialogs/fieldfilter.h"
#include "gui/report/reportprinter.h"
#include "scriptedmessenger.h"

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
        ProjectRecord& p = project;
        std::tie(p.EntryHeight, p.DepthOfCover, p.PanelWidth, p.EntryWidth, p.CrosscutSpacing,
                 p.NumEntries, p.CenterDistance[1], p.CenterDistance[2]) =
            std::tuple(7.f, 500.f, 800.f, 20.f, 100.f, 3, 80.f, 90.f);
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
        return test::child<T>(*d, name);
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
        EXPECT_EQ(texts({"Text19", "Text33"}), "1.27 1.44");
        EXPECT_FALSE(d->ParametersChanged());
        press("Command2");
        ASSERT_EQ(messenger.texts(), Texts{"Invalid entry height"});
        EXPECT_EQ(messenger.boxes[0].title, "Project Parameters: Range Error");
        EXPECT_EQ(d->focusWidget()->objectName(), "Text1");
        EXPECT_TRUE(d->isVisible());
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
    EXPECT_EQ(std::tuple(project.CenterDistance[2], project.CMRRValue, project.UseCMRR,
                         project.ConfigMode, project.YieldPillarWidth, project.XcutSpacing[2]),
              std::tuple(75.f, 50.f, 1, 2, 30.f, 120.f));
    EXPECT_FALSE(project.ProjectSaved || project.ProjectEmpty);
    EXPECT_EQ(calcAdv, std::vector<bool>{true});
    EXPECT_EQ(messenger.history.back(), "Project Parameters Modified");
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
    EXPECT_EQ(texts({"Text2", "Text3", "Text14_2"}), "1234.568 1.234568E+07 80");
    EXPECT_TRUE(d->ParametersChanged());
    QLineEdit* depth = child("Text2");
    depth->setFocus();
    depth->end(false);
    QTest::keyClicks(depth, "9"); // the limit holds for typing
    EXPECT_EQ(depth->text(), "1234.568");
    child("Text5")->selectAll();
    QTest::keyClicks(child("Text5"), "99.1234567");
    EXPECT_EQ(text("Text5"), "99.1234");
    press("Command2");
    ASSERT_FALSE(d->isVisible());
    EXPECT_EQ(std::tuple(project.DepthOfCover, project.PanelWidth, project.CrosscutSpacing,
                         project.CenterDistance[2]),
              std::tuple(1234.5678f, 12345678.f, 99.1234f, 80.f));
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
        EXPECT_EQ(child<QRadioButton>("Option2_1")->isChecked(), answer == mb::AnswerNo);
        EXPECT_EQ(text("Text22_2"), answer == mb::AnswerNo ? "70" : "0");
    }
    press("Command2");
    EXPECT_EQ(project.AdvGeometry, 0);
    EXPECT_EQ(calcAdv, std::vector<bool>{false});
}

// The typing filter of the number boxes: "[..]" marks the selection, "|" the cursor; without a
// mark it is at the end. The beginning of a number is taken: one more digit completes it.
TEST(FilterNumericKey, TakesWhatKeepsTheBoxANumber) {
    const std::tuple<const char*, char, bool> keys[] = {
        {"", '7', true},      {"12", '.', true},     {"12.", '5', true},   {"12.5", '.', false},
        {"12", 'a', false},   {"12", ',', false},    {"12", ' ', true},    {"12 ", '3', false},
        {"abc", '\b', true},  {"abc", '\t', true},   {"", '.', true},      {"", '-', true},
        {"1", 'e', true},     {"-", '-', false},     {"", 'e', false},     {"[1.3]", '.', true},
        {"[1.]5", '.', true}, {"1.[5]", '.', false}, {"[12]", 'x', false}, {"|12", '-', true},
        {"1|2", '.', true},   {"|1.5", '.', false},  {"12|.5", '.', false}};
    for (const auto& [marked, typed, taken] : keys) {
        QString text = QString::fromLatin1(marked);
        int cursor = int(text.size()), start = -1, length = 0;
        if (text.contains('[')) {
            start = int(text.indexOf('['));
            length = int(text.indexOf(']')) - start - 1;
            text.remove('[').remove(']');
            cursor = start + length;
        } else if (text.contains('|')) {
            cursor = int(text.indexOf('|'));
            text.remove('|');
        }
        EXPECT_EQ(FilterNumericKey(text, cursor, start, length, QChar::fromLatin1(typed)), taken)
            << "'" << marked << "' + '" << typed << "'";
    }
}

} // namespace
} // namespace kora::gui
