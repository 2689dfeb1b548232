#include "gui/graphics/planpainter.h"

#include "gui/report/reportfont.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>

#include <algorithm>

namespace kora::gui {

namespace {

// Line widths are given for a 96 dpi screen and grow with the device's resolution, so a printed
// or exported plan has the same weight of line as the one on screen.
double deviceUnitsPerPixel(const QPainter& painter) {
    const QPaintDevice* device = painter.device();
    if (device == nullptr) return 1.0;
    return std::max(1.0, device->logicalDpiX() / 96.0);
}

QPen penFor(PlanLineKind kind, double unit) {
    switch (kind) {
    case PlanLineKind::Outline:
        return QPen(QColor(0, 0, 0), 1.25 * unit);
    case PlanLineKind::Dimension:
    case PlanLineKind::Tick:
        return QPen(QColor(40, 70, 140), 0.9 * unit);
    }
    return QPen(Qt::black, unit);
}

} // namespace

PlanPainter::PlanPainter(const PlanDrawing& drawing, const QFont& font)
    : m_drawing(drawing), m_font(font) {}

QFont PlanPainter::rotatedFont(const QFont& surfaceFont) {
    QFont f = DeviceFont(QStringLiteral("Arial"));
    if (surfaceFont.pointSizeF() > 0) {
        f.setPointSizeF(1.5 * surfaceFont.pointSizeF());
    } else {
        f.setPixelSize(std::max(1, int(1.5 * surfaceFont.pixelSize() + 0.5)));
    }
    f.setWeight(QFont::Normal);
    f.setItalic(false);
    return f;
}

QRectF PlanPainter::worldSquare(const QRectF& target) const {
    const double side = std::min(target.width(), target.height());
    return QRectF(target.center().x() - side / 2, target.center().y() - side / 2, side, side);
}

QTransform PlanPainter::worldToDevice(const QRectF& target) const {
    const QRectF square = worldSquare(target);
    const double world = std::max(double(m_drawing.PlotW), double(m_drawing.PlotH));
    if (!(world > 0)) return QTransform();
    const double scale = square.width() / world;
    // x' = left + x * scale, y' = top + (PlotH - y) * scale
    return QTransform(scale, 0, 0, -scale, square.left(),
                      square.top() + double(m_drawing.PlotH) * scale);
}

void PlanPainter::paint(QPainter& painter, const QRectF& target, bool fillBackground) const {
    painter.save();
    painter.setClipRect(target);
    if (fillBackground) painter.fillRect(target, Qt::white);
    const double world = std::max(double(m_drawing.PlotW), double(m_drawing.PlotH));
    if (m_drawing.Valid && world > 0 && target.width() > 0 && target.height() > 0) {
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setRenderHint(QPainter::TextAntialiasing, true);
        const QTransform toDevice = worldToDevice(target);
        const double scale = worldSquare(target).width() / world;
        const double unit = deviceUnitsPerPixel(painter);
        for (const PlanLine& line : m_drawing.Lines) {
            painter.setPen(penFor(line.Kind, unit));
            painter.drawLine(toDevice.map(QPointF(line.X1, line.Y1)),
                             toDevice.map(QPointF(line.X2, line.Y2)));
        }
        painter.setPen(Qt::black);
        for (const PlanText& text : m_drawing.Texts) paintText(painter, text, toDevice, scale);
    }
    painter.restore();
}

void PlanPainter::paintText(QPainter& painter, const PlanText& text, const QTransform& toDevice,
                            double scale) const {
    const QString s = QString::fromStdString(text.Text);
    double x = text.X;
    double y = text.Y;
    if (text.Shift != PlanTextShift::None) {
        // The shift is measured in the surface's own font, whatever font the text is printed in.
        const QFontMetricsF surface(m_font, painter.device());
        const double halfWidth = surface.horizontalAdvance(s) / scale / 2;
        if (text.Shift == PlanTextShift::HalfWidthLeft) x -= halfWidth;
        if (text.Shift == PlanTextShift::HalfWidthDown) y -= halfWidth;
    }
    const QFont font = text.Font == PlanTextFont::RotatedArial ? rotatedFont(m_font) : m_font;
    const QFontMetricsF metrics(font, painter.device());
    painter.save();
    painter.setFont(font);
    painter.translate(toDevice.map(QPointF(x, y)));
    // The position is the top-left corner of the text's box, turned with the text
    // (counter-clockwise on the page, which is clockwise-negative in device coordinates).
    painter.rotate(-double(text.Angle));
    painter.drawText(QPointF(0, metrics.ascent()), s);
    painter.restore();
}

} // namespace kora::gui
