#include "gui/graphics/frmpicture.h"

#include "gui/graphics/planwidget.h"
#include "gui/report/reportprinter.h"
#include "scripteddialogservice.h"
#include "scriptedmessenger.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QPdfWriter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

namespace kora::gui {
namespace {

class PlanWindowTest : public ::testing::Test {
protected:
    QWidget owner;
    Settings settings;
    kora::test::ScriptedMessenger messenger;
    test::ScriptedDialogService dialogs;
    ReportPrinter printer{dialogs};
    PlanGeometry geometry;
    PlanLabelValues values;

    PlanWindowTest() {
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
        return showPlanWindow(&owner, source, geometry, values, settings, 0, 0, messenger, printer);
    }

    static QAction* item(frmPicture& w, const char* name) {
        auto* a = w.findChild<QAction*>(QString::fromLatin1(name));
        EXPECT_NE(a, nullptr) << name;
        return a;
    }

    static std::vector<std::string> labels(const frmPicture& w) {
        std::vector<std::string> out;
        for (const PlanText& t : w.planArea()->drawing().Texts)
            if (t.Kind == PlanTextKind::PillarLabel) out.push_back(t.Text);
        return out;
    }
};

TEST_F(PlanWindowTest, FromTheParametersDialogOnlyDimensionsCanBeShown) {
    frmPicture* w = open(PlanSource::ParametersDialog);
    EXPECT_EQ(w->windowTitle(), "View Plan");
    EXPECT_FALSE(owner.isEnabled());
    EXPECT_TRUE(item(*w, "mnuPlotSetItem_0")->isEnabled());
    EXPECT_TRUE(item(*w, "mnuPlotSetItem_0")->isChecked());
    for (const char* name :
         {"mnuPlotSetItem_1", "mnuPlotSetItem_2", "mnuPlotSetItem_3", "mnuPlotSetItem_4"})
        EXPECT_FALSE(item(*w, name)->isEnabled()) << name;
    w->setLabelMode(4);
    EXPECT_EQ(w->state().PlanLabelMode, 1);
    EXPECT_EQ(labels(*w), (std::vector<std::string>{"60x80", "70x80"}));
    EXPECT_TRUE(messenger.boxes.empty());

    QSignalSpy closed(w, &frmPicture::closed);
    w->close();
    EXPECT_EQ(closed.count(), 1);
    EXPECT_TRUE(owner.isEnabled());
}

TEST_F(PlanWindowTest, FromResultsTheSettingsMenuChoosesTheLabels) {
    frmPicture* w = open(PlanSource::Results);
    EXPECT_EQ(w->state().PlanFromResults, 1);
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(item(*w, ("mnuPlotSetItem_" + std::to_string(i)).c_str())->isEnabled());
    item(*w, "mnuPlotSetItem_3")->trigger();
    EXPECT_EQ(w->state().PlanLabelMode, 4);
    EXPECT_TRUE(item(*w, "mnuPlotSetItem_3")->isChecked());
    EXPECT_FALSE(item(*w, "mnuPlotSetItem_0")->isChecked());
    EXPECT_EQ(labels(*w), (std::vector<std::string>{"12,346", "2,500"}));
    const auto& texts = w->planArea()->drawing().Texts;
    const bool captioned = std::any_of(texts.begin(), texts.end(), [](const PlanText& t) {
        return t.Kind == PlanTextKind::Caption &&
               t.Text == "KORA: Pillar Load Bearing Capacity (lbs)/ (ft).  Entries shown from left "
                         "to right.";
    });
    EXPECT_TRUE(captioned);
    w->close();
}

TEST_F(PlanWindowTest, ZeroExtentSaysInvalidAndDrawsNothing) {
    geometry.PlanCenterDistance[1] = 0;
    geometry.PlanCenterDistance[2] = 0;
    frmPicture* w = open(PlanSource::Results);
    ASSERT_EQ(messenger.boxes.size(), 1u);
    EXPECT_EQ(messenger.boxes[0].text, "Invalid Pillar Dimensions");
    EXPECT_FALSE(w->planArea()->drawing().Valid);
    w->close();
    EXPECT_TRUE(owner.isEnabled());
}

TEST_F(PlanWindowTest, ClicksStepTheFontSize) {
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
    item(*w, "mnuEditItem_2")->trigger(); // below the smallest size: nothing changes
    EXPECT_EQ(area->font().pointSize(), 2);
    EXPECT_TRUE(area->drawing().Valid);
    w->close();
}

TEST_F(PlanWindowTest, DrawingAreaStaysSquare) {
    frmPicture* w = open(PlanSource::ParametersDialog);
    EXPECT_TRUE(QTest::qWaitFor([&] { return w->planArea()->width() == w->planArea()->height(); }));
    w->resize(700, w->height());
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return w->planArea()->width() == 700 && w->planArea()->height() == 700; }));
    w->resize(w->width(), 400 + (w->height() - w->planArea()->height()));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return w->planArea()->height() == 400 && w->planArea()->width() == 400; }));
    w->close();
}

TEST_F(PlanWindowTest, CopyPutsTheDrawingAreaOnTheClipboard) {
    frmPicture* w = open(PlanSource::ParametersDialog);
    QApplication::clipboard()->clear();
    item(*w, "mnuEditItem_0")->trigger();
    const QImage image = QApplication::clipboard()->image();
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), w->planArea()->grab().size());
    w->close();
}

TEST_F(PlanWindowTest, PrintsTheDrawingToPdf) {
    frmPicture* w = open(PlanSource::Results);
    QTemporaryDir dir;
    const QString path = dir.filePath("plan.pdf");
    {
        QPdfWriter pdf(path);
        pdf.setPageSize(QPageSize(QPageSize::Letter));
        EXPECT_TRUE(w->printOn(pdf));
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith("%PDF"));
    w->close();
}

} // namespace
} // namespace kora::gui
