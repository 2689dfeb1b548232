#pragma once

#include "core/base/unitconstants.h"
#include "core/report/pageprinter.h"

#include <QPainter>

class QPrinter;

namespace kora::gui {

// The report page printer's page on a real printer (or a PDF file): twips positions become the
// printer's device units, measured from the top-left corner of the printable area. The job
// starts when the sink is made; a sink dropped before end() abandons its job, so a failed print
// sends nothing half-done to the printer.
class PrinterPageSink : public PageSink {
public:
    // Raises KoraError 482 when the printer cannot start a job.
    explicit PrinterPageSink(QPrinter& printer);
    ~PrinterPageSink() override;

    double pageWidth() const override;
    double pageHeight() const override;
    std::vector<std::string> fontNames() const override;
    void setFont(const std::string& name, double points, bool bold) override;
    double textWidth(std::string_view text) const override;
    double textHeight(std::string_view text) const override;
    void drawText(double x, double y, std::string_view text) override;
    void newPage() override;
    void end() override;

private:
    double toDeviceX(double twips) const { return twips * m_dpiX / TwipsPerInch; }
    double toDeviceY(double twips) const { return twips * m_dpiY / TwipsPerInch; }

    QPrinter& m_printer;
    QPainter m_painter;
    double m_dpiX;
    double m_dpiY;
    bool m_ended = false;
};

} // namespace kora::gui
