#include "gui/graphics/frmpicture.h"

#include "core/graphics/planlayout.h"
#include "gui/graphics/planpainter.h"
#include "gui/graphics/planwidget.h"
#include "gui/report/reportprinter.h"
#include "scripteddialogservice.h"
#include "scriptedmessenger.h"
#include "testprojects.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

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
    EXPECT_EQ(w->state().PlanLabelMode, 1);
    EXPECT_EQ(labels(*w), (std::vector<std::string>{"60x80", "70x80"}));
    QSignalSpy closed(w, &frmPicture::closed);
    w->close();
    EXPECT_EQ(closed.count(), 1);
    EXPECT_TRUE(owner.isEnabled());

    w = open(PlanSource::Results);
    item(*w, 3)->trigger();
    EXPECT_EQ(w->state().PlanLabelMode, 4);
    EXPECT_TRUE(item(*w, 3)->isChecked());
    EXPECT_FALSE(item(*w, 0)->isChecked());
    EXPECT_EQ(labels(*w), (std::vector<std::string>{"12,346", "2,500"}));
    w->close();
    EXPECT_TRUE(messenger.boxes.empty());
}

TEST_F(PlanWindow, AZeroExtentSaysInvalidAndDrawsNothing) {
    geometry.PlanCenterDistance[1] = geometry.PlanCenterDistance[2] = 0;
    frmPicture* w = open(PlanSource::Results);
    EXPECT_EQ(messenger.texts(), std::vector<std::string>{"Invalid Pillar Dimensions"});
    EXPECT_FALSE(w->planArea()->drawing().Valid);
    w->close();
    EXPECT_TRUE(owner.isEnabled());
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

    w->resize(700, w->height());
    EXPECT_TRUE(QTest::qWaitFor([&] { return area->width() == 700 && area->height() == 700; }));
    w->resize(w->width(), 400 + (w->height() - area->height()));
    EXPECT_TRUE(QTest::qWaitFor([&] { return area->height() == 400 && area->width() == 400; }));

    QApplication::clipboard()->clear();
    w->findChild<QAction*>(QStringLiteral("mnuEditItem_0"))->trigger();
    EXPECT_EQ(QApplication::clipboard()->image().size(), area->grab().size());
    w->close();
}

using kora::test::ThreeEntryPlan;

PlanDrawing describe(const PlanGeometry& g, bool planWindowCase) {
    PlanLayout l;
    EXPECT_TRUE(ComputePlanLayout(g, 0, planWindowCase, l));
    PlanDrawOptions o;
    o.PlanWindowCase = planWindowCase;
    return DescribePlan(g, 0, l, o, PlanLabelValues{});
}

QImage render(const PlanDrawing& d, QSize size, const QFont& font = QFont("Arial", 9)) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::gray);
    QPainter p(&image);
    PlanPainter(d, font).paint(p, QRectF(QPointF(0, 0), QSizeF(size)));
    p.end();
    return image;
}

// Ink: anything clearly darker than the white background (lines are antialiased).
bool dark(QRgb c) {
    return qGray(c) < 200;
}

// The pixel that contains a device point.
QPoint pixelAt(QPointF p) {
    return QPoint(int(std::floor(p.x())), int(std::floor(p.y())));
}

// Bounding box of the dark pixels of a region.
QRect inkBox(const QImage& image, const QRect& region) {
    QRect box;
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x)
            if (dark(image.pixel(x, y))) box |= QRect(x, y, 1, 1);
    return box;
}

TEST(PlanPainterTest, WorldMapsUniformlyIntoTheCentredSquare) {
    const PlanDrawing d = describe(ThreeEntryPlan(), false);
    ASSERT_TRUE(d.Valid);
    const PlanPainter painter(d, QFont());
    const QRectF target(0, 0, 400, 200);
    EXPECT_EQ(painter.worldSquare(target), QRectF(100, 0, 200, 200));
    const QTransform t = painter.worldToDevice(target);
    EXPECT_EQ(t.map(QPointF(0, 0)), QPointF(100, 200));           // bottom left
    EXPECT_EQ(t.map(QPointF(d.PlotW, d.PlotH)), QPointF(300, 0)); // top right
    const QPointF mid = t.map(QPointF(d.PlotW / 2, d.PlotH / 2));
    EXPECT_NEAR(mid.x(), 200, 1e-9);
    EXPECT_NEAR(mid.y(), 100, 1e-9);
}

TEST(PlanPainterTest, OutlinesLandWhereTheLayoutPutsThePillars) {
    const PlanGeometry g = ThreeEntryPlan();
    PlanLayout l;
    ASSERT_TRUE(ComputePlanLayout(g, 0, false, l));
    PlanDrawOptions o;
    o.PlanWindowCase = false;
    const PlanDrawing d = DescribePlan(g, 0, l, o, PlanLabelValues{});
    const QImage image = render(d, QSize(300, 300));
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 255, 255)); // background painted white
    EXPECT_TRUE(inkBox(render(PlanDrawing{}, QSize(50, 50)), QRect(0, 0, 50, 50)).isEmpty());

    const QTransform t = PlanPainter(d, QFont()).worldToDevice(QRectF(0, 0, 300, 300));
    // The middle of the left edge of pillar (1, 2) is ink; the middle of the pillar is not.
    const QPointF edge = t.map(QPointF(l.x1[1][2], (l.y1[1][2] + l.y2[1][2]) / 2));
    const QPointF inside =
        t.map(QPointF((l.x1[1][2] + l.x3[1][2]) / 2, (l.y1[1][2] + l.y2[1][2]) / 2));
    EXPECT_TRUE(dark(image.pixel(pixelAt(edge))));
    EXPECT_FALSE(dark(image.pixel(pixelAt(inside))));
    // Outlines only: nothing is written inside the top pillar in the dialog's picture.
    const QPointF top =
        t.map(QPointF((l.x1[1][4] + l.x3[1][4]) / 2, (l.y1[1][4] + l.y2[1][4]) / 2));
    EXPECT_TRUE(inkBox(image, QRect(top.toPoint() - QPoint(5, 5), QSize(10, 10))).isEmpty());
}

TEST(PlanPainterTest, LabelsAndCaptionAreWrittenInThePlanWindowCase) {
    const PlanGeometry g = ThreeEntryPlan();
    const PlanDrawing withText = describe(g, true);
    PlanDrawing outlinesOnly = withText;
    outlinesOnly.Texts.clear();
    const QImage a = render(withText, QSize(900, 900));
    const QImage b = render(outlinesOnly, QSize(900, 900));
    // The caption stands at the top left, from x = 10 world units, as wide as the font says
    // ("KORA: Actual Pillar Dimensions (width*length, ft). ..."), whichever face stands in for
    // Arial on this machine.
    const auto caption =
        std::find_if(withText.Texts.begin(), withText.Texts.end(),
                     [](const PlanText& t) { return t.Kind == PlanTextKind::Caption; });
    ASSERT_NE(caption, withText.Texts.end());
    const QFontMetricsF metrics(QFont("Arial", 9), &a);
    const double advance = metrics.horizontalAdvance(QString::fromStdString(caption->Text));
    const QRect captionBand(0, 0, 900, int(std::ceil(metrics.height())) + 4);
    const QRect ink = inkBox(a, captionBand);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_NEAR(ink.width(), advance, 0.05 * advance + 3);
    EXPECT_LE(ink.height(), metrics.height() + 2);
    EXPECT_TRUE(inkBox(b, captionBand).isEmpty());
    EXPECT_NE(a, b);
}

TEST(PlanPainterTest, CrosscutDimensionReadsUpwardsAlongItsLine) {
    // A single rotated text: its ink is taller than wide; the position is the top-left corner of
    // the turned text box, so the letters' tops face -x and the text lies right of and above it.
    PlanDrawing d;
    d.Valid = true;
    d.PlotW = d.PlotH = 100;
    d.Texts.push_back(PlanText{"12345", 50, 20, 90, PlanTextFont::RotatedArial, PlanTextShift::None,
                               PlanTextKind::CrosscutDimension});
    const QImage image = render(d, QSize(400, 400));
    const QRect ink = inkBox(image, image.rect());
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GT(ink.height(), ink.width());
    EXPECT_GE(ink.left(), 198);
    EXPECT_LE(ink.bottom(), 322); // world y 20 is device y 320; the text runs up from there
}

} // namespace
} // namespace kora::gui
