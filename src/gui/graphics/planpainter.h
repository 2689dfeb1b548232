#pragma once

#include "core/graphics/plandrawing.h"

#include <QFont>
#include <QRectF>
#include <QTransform>

class QPainter;

namespace kora::gui {

// Paints a plan drawing with QPainter on any paint device (a widget, an image, a printer or a
// PDF file) as vector graphics, so it stays crisp at any size and resolution. The world runs
// from 0 to PlotW across and from 0 at the bottom to PlotH at the top; it is square, and is
// scaled uniformly and centred in the target rectangle. Texts in the surface's font use `font`;
// rotated texts use "Arial" (metric-compatible Liberation Sans where Arial is missing) at 1.5
// times its size, as the plan window always wrote its pillar labels and crosscut dimensions.
class PlanPainter {
public:
    PlanPainter(const PlanDrawing& drawing, const QFont& font);

    // Paints into `target` (in the painter's device coordinates), clipped to it, on a white
    // background when `fillBackground` is set. An invalid drawing paints only the background.
    void paint(QPainter& painter, const QRectF& target, bool fillBackground = true) const;

    // The square that the world occupies inside `target`.
    QRectF worldSquare(const QRectF& target) const;

    // World to device coordinates for `target` (y turned upwards).
    QTransform worldToDevice(const QRectF& target) const;

    // The font of the rotated texts for a surface font.
    static QFont rotatedFont(const QFont& surfaceFont);

private:
    void paintText(QPainter& painter, const PlanText& text, const QTransform& toDevice,
                   double scale) const;

    const PlanDrawing& m_drawing;
    QFont m_font;
};

} // namespace kora::gui
