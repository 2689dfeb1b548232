#include "gui/graphics/planimage.h"

#include "gui/common/dialogservice.h"
#include "gui/graphics/planpainter.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>

#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

#include <cmath>

namespace kora::gui {

namespace {

constexpr double MetresPerInch = 0.0254;
constexpr int VectorDpi = 1200;

bool paintOn(QPaintDevice& device, const PlanDrawing& drawing, const QFont& font,
             const QRectF& area) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    PlanPainter(drawing, font).paint(painter, area, true);
    return painter.end();
}

} // namespace

std::optional<PlanImageFormat> PlanImageFormatOf(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("svg")) return PlanImageFormat::Svg;
    if (suffix == QLatin1String("pdf")) return PlanImageFormat::Pdf;
    if (suffix == QLatin1String("png")) return PlanImageFormat::Png;
    return std::nullopt;
}

bool WritePlanImage(const PlanDrawing& drawing, const QFont& font, double inches,
                    const QString& path, PlanImageFormat format, int dpi) {
    if (!(inches > 0) || dpi <= 0) return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    bool painted = false;
    switch (format) {
    case PlanImageFormat::Svg: {
        const int side = int(std::lround(inches * VectorDpi));
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setResolution(VectorDpi);
        svg.setSize(QSize(side, side));
        svg.setViewBox(QRect(0, 0, side, side));
        svg.setTitle(QStringLiteral("KORA plan"));
        painted = paintOn(svg, drawing, font, QRectF(0, 0, side, side));
        break;
    }
    case PlanImageFormat::Pdf: {
        QPdfWriter pdf(&file);
        pdf.setResolution(VectorDpi);
        pdf.setTitle(QStringLiteral("KORA plan"));
        pdf.setPageLayout(QPageLayout(QPageSize(QSizeF(inches, inches), QPageSize::Inch),
                                      QPageLayout::Portrait, QMarginsF()));
        painted = paintOn(pdf, drawing, font, QRectF(0, 0, pdf.width(), pdf.height()));
        break;
    }
    case PlanImageFormat::Png: {
        const int side = int(std::lround(inches * dpi));
        QImage image(side, side, QImage::Format_RGB32);
        const int dotsPerMetre = int(std::lround(dpi / MetresPerInch));
        image.setDotsPerMeterX(dotsPerMetre);
        image.setDotsPerMeterY(dotsPerMetre);
        painted = !image.isNull() && paintOn(image, drawing, font, QRectF(0, 0, side, side)) &&
                  image.save(&file, "PNG");
        break;
    }
    }
    // A failed write (a full disk) leaves the previous file as it was.
    if (!painted || file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

std::optional<int> AskImageResolution(QWidget* parent, DialogService& dialogs, int dpi) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("frmImageResolution"));
    dialog.setWindowTitle(QStringLiteral("Image Resolution"));
    auto* resolution = new QSpinBox(&dialog);
    resolution->setObjectName(QStringLiteral("txtDpi"));
    resolution->setRange(72, 600);
    resolution->setSingleStep(50);
    resolution->setSuffix(QStringLiteral(" dpi"));
    resolution->setValue(dpi);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QFormLayout(&dialog);
    layout->addRow(QStringLiteral("Resolution of the PNG image:"), resolution);
    layout->addRow(buttons);
    if (dialogs.execDialog(dialog) != QDialog::Accepted) return std::nullopt;
    return resolution->value();
}

} // namespace kora::gui
