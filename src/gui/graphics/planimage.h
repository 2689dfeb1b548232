#pragma once

#include "core/graphics/plandrawing.h"

#include <QFont>
#include <QSizeF>
#include <QString>

#include <optional>

class QWidget;

namespace kora::gui {

class DialogService;

// The image files the plan window saves: SVG and PDF as vector drawings, PNG as pixels.
enum class PlanImageFormat { Svg, Pdf, Png };

// The format a file name asks for by its suffix (".svg", ".pdf", ".png", in any letter case);
// nothing for another suffix.
std::optional<PlanImageFormat> PlanImageFormatOf(const QString& path);

// Writes the plan drawing as the window shows it (texts in `font`, the label mode and dimension
// lines the drawing was made with) on a white square of `inches`: an SVG or a one-page PDF of that
// size, or a PNG of `dpi` pixels per inch, its texts and lines scaled alike. An existing file is
// replaced only once the new one is complete. False when the file cannot be written.
bool WritePlanImage(const PlanDrawing& drawing, const QFont& font, double inches,
                    const QString& path, PlanImageFormat format, int dpi);

// The resolution of a PNG image, asked in the dialog "Image Resolution" (frmImageResolution, its
// box txtDpi, 72 to 600 dots per inch, starting at `dpi`); nothing when cancelled.
std::optional<int> AskImageResolution(QWidget* parent, DialogService& dialogs, int dpi);

} // namespace kora::gui
