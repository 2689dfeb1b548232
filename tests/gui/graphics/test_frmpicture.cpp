#include "gui/graphics/frmpicture.h"
#include "guitest.h"

#include "gui/graphics/planwidget.h"
#include "gui/report/reportprinter.h"
#include "scriptedmessenger.h"

namespace kora::gui {
namespace {

class PlanWindow : public ::testing::Test {
protected:
    QWidget owner;
    Settings settings;
    kora::test::ScriptedMessenger messenger;
    test::ScriptedDialogService dialogs;
    ReportPrinter printer{dialogs};
    PlanGeometry geometry;
    PlanLabelValues values;

    PlanWindow() {
        geometry.PlanEntries = 3;
        geometry.PlanEntryWidth = 20;
        geometry.PlanXcutSpacing = 100;
        geometry.PlanCenterDistance[1] = 80;
        geometry.PlanCenterDistance[2] = 90;
        values.CapacityOut[1] = 12345.6f;
        values.CapacityOut[2] = 2500;
        owner.show();
    }

    frmPicture* open(PlanSource source) {
        return showPlanWindow(&owner, source, geometry, values, settings, 0, 0, messenger, dialogs,
                              printer);
    }

    static QAction* item(frmPicture& w, int index) {
        return w.findChild<QAction*>(QStringLiteral("mnuPlotSetItem_%1").arg(index));
    }

    static std::vector<std::string> labels(const frmPicture& w) {
        std::vector<std::string> out;
        for (const PlanText& t : w.planArea()->drawing().Texts)
            if (t.Kind == PlanTextKind::PillarLabel) out.push_back(t.Text);
        return out;
    }
};

// Opened from the parameters dialog only the dimensions can be shown; from the results every
// label mode, the chosen one checked.
TEST_F(PlanWindow, TheSettingsMenuOffersTheLabelsOfItsSource) {
    frmPicture* w = open(PlanSource::ParametersDialog);
    EXPECT_FALSE(owner.isEnabled());
    for (int i = 1; i < 5; ++i) EXPECT_FALSE(item(*w, i)->isEnabled()) << i;
    w->setLabelMode(4);
    EXPECT_EQ(labels(*w), (std::vector<std::string>{"60x80", "70x80"}));
    w->close();
    EXPECT_TRUE(owner.isEnabled());

    w = open(PlanSource::Results);
    item(*w, 3)->trigger();
    EXPECT_TRUE(item(*w, 3)->isChecked() && !item(*w, 0)->isChecked());
    EXPECT_EQ(labels(*w), (std::vector<std::string>{"12,346", "2,500"}));
    w->close();
    EXPECT_TRUE(messenger.boxes.empty());
    // A zero extent says so and draws nothing.
    geometry.PlanCenterDistance[1] = geometry.PlanCenterDistance[2] = 0;
    w = open(PlanSource::Results);
    EXPECT_EQ(messenger.texts(), std::vector<std::string>{"Invalid Pillar Dimensions"});
    EXPECT_FALSE(w->planArea()->drawing().Valid);
    w->close();
}

TEST_F(PlanWindow, ClicksStepTheFontSizeTheAreaStaysSquareAndCopies) {
    frmPicture* w = open(PlanSource::ParametersDialog);
    PlanWidget* area = w->planArea();
    QFont f = area->font();
    f.setPointSize(9);
    area->setFont(f);
    QTest::mouseClick(area, Qt::LeftButton);
    EXPECT_EQ(area->font().pointSize(), 10);
    QTest::mouseClick(area, Qt::RightButton);
    QTest::mouseClick(area, Qt::RightButton);
    EXPECT_EQ(area->font().pointSize(), 8);
    f.setPointSize(2);
    area->setFont(f);
    w->decreaseFontSize(); // below the smallest size: nothing changes
    EXPECT_EQ(area->font().pointSize(), 2);

    w->resize(700, w->height()); // the area stays square
    EXPECT_TRUE(QTest::qWaitFor([&] { return area->width() == 700 && area->height() == 700; }));

    QApplication::clipboard()->clear();
    w->findChild<QAction*>(QStringLiteral("mnuEditItem_0"))->trigger();
    EXPECT_EQ(QApplication::clipboard()->image().size(), area->grab().size());
    w->close();
}

} // namespace
} // namespace kora::gui
