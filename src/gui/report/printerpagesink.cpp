#include "gui/report/printerpagesink.h"

#include "gui/report/reportfont.h"

#include "core/base/koraerror.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPrinter>

namespace kora::gui {

namespace {

QString qtext(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

[[noreturn]] void printerError() {
    throw KoraError(err::PrinterError, "Printer error");
}

} // namespace

PrinterPageSink::PrinterPageSink(QPrinter& printer)
    : m_printer(printer), m_dpiX(printer.logicalDpiX()), m_dpiY(printer.logicalDpiY()) {
    if (m_dpiX <= 0 || m_dpiY <= 0 || !m_painter.begin(&m_printer)) printerError();
}

PrinterPageSink::~PrinterPageSink() {
    if (!m_ended && m_painter.isActive()) {
        m_printer.abort();
        m_painter.end();
    }
}

double PrinterPageSink::pageWidth() const {
    return m_printer.pageLayout().paintRectPixels(m_printer.resolution()).width() * TwipsPerInch /
           m_dpiX;
}

double PrinterPageSink::pageHeight() const {
    return m_printer.pageLayout().paintRectPixels(m_printer.resolution()).height() * TwipsPerInch /
           m_dpiY;
}

std::vector<std::string> PrinterPageSink::fontNames() const {
    std::vector<std::string> names;
    for (const QString& family : QFontDatabase::families()) names.push_back(family.toStdString());
    return names;
}

void PrinterPageSink::setFont(const std::string& name, double points, bool bold) {
    QFont font = DeviceFont(QString::fromStdString(name));
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    m_painter.setFont(font);
}

double PrinterPageSink::textWidth(std::string_view text) const {
    const QFontMetricsF fm(m_painter.font(), &m_printer);
    return fm.horizontalAdvance(qtext(text)) * TwipsPerInch / m_dpiX;
}

double PrinterPageSink::textHeight(std::string_view) const {
    const QFontMetricsF fm(m_painter.font(), &m_printer);
    return fm.lineSpacing() * TwipsPerInch / m_dpiY;
}

void PrinterPageSink::drawText(double x, double y, std::string_view text) {
    const QFontMetricsF fm(m_painter.font(), &m_printer);
    m_painter.drawText(QPointF(toDeviceX(x), toDeviceY(y) + fm.ascent()), qtext(text));
}

void PrinterPageSink::newPage() {
    if (!m_printer.newPage()) printerError();
}

void PrinterPageSink::end() {
    m_ended = true;
    if (!m_painter.end()) printerError();
}

} // namespace kora::gui
