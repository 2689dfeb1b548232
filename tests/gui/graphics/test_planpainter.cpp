#include "gui/graphics/planpainter.h"

#include "core/graphics/planlayout.h"

#include "testprojects.h"
#include <QFile>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace kora::gui {
namespace {

using kora::test::ThreeEntryPlan;

PlanDrawing describe(const PlanGeometry& g, bool planWindowCase, int labelMode = 1) {
    PlanLayout l;
    EXPECT_TRUE(ComputePlanLayout(g, 0, planWindowCase, l));
    PlanDrawOptions o;
    o.LabelMode = labelMode;
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

TEST(PlanPainterTest, TextGrowsWithTheFontButLinesKeepTheirPlace) {
    const PlanDrawing d = describe(ThreeEntryPlan(), true);
    PlanDrawing captionOnly = d;
    captionOnly.Lines.clear();
    std::erase_if(captionOnly.Texts,
                  [](const PlanText& t) { return t.Kind != PlanTextKind::Caption; });
    const QRect small =
        inkBox(render(captionOnly, QSize(600, 600), QFont("Arial", 6)), QRect(0, 0, 600, 80));
    const QRect large =
        inkBox(render(captionOnly, QSize(600, 600), QFont("Arial", 9)), QRect(0, 0, 600, 80));
    ASSERT_FALSE(small.isEmpty());
    EXPECT_GT(large.width(), small.width());
    EXPECT_GT(large.height(), small.height());
}

TEST(PlanPainterTest, RotatedTextUsesArialAtOneAndAHalfTimesTheSize) {
    const QFont f = PlanPainter::rotatedFont(QFont("Courier New", 10));
    EXPECT_EQ(f.family(), "Arial");
    EXPECT_DOUBLE_EQ(f.pointSizeF(), 15.0);
    EXPECT_EQ(f.weight(), QFont::Normal);
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

TEST(PlanPainterTest, InvalidDrawingPaintsOnlyTheBackground) {
    const QImage image = render(PlanDrawing{}, QSize(50, 50));
    EXPECT_TRUE(inkBox(image, image.rect()).isEmpty());
    EXPECT_EQ(image.pixel(25, 25), qRgb(255, 255, 255));
}

TEST(PlanPainterTest, PrintsAsVectorPdf) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("plan.pdf");
    const PlanDrawing d = describe(ThreeEntryPlan(), true);
    {
        QPdfWriter pdf(path);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setResolution(1200);
        QPainter p(&pdf);
        PlanPainter(d, QFont("Arial", 9)).paint(p, QRectF(0, 0, pdf.width(), pdf.height()), false);
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_GT(bytes.size(), 1000);
}

} // namespace
} // namespace kora::gui
