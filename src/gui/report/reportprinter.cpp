#include "gui/report/reportprinter.h"

#include "gui/app/dialogservice.h"
#include "gui/report/printerpagesink.h"

#include "core/report/pageprinter.h"

#include <QPrinter>

namespace kora::gui {

ReportPrinter::ReportPrinter(DialogService& dialogs) : m_dialogs(dialogs) {}

ReportPrinter::~ReportPrinter() = default;

QPrinter& ReportPrinter::printer() {
    if (!m_printer) m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_printer;
}

bool ReportPrinter::askPrinter(QWidget* parent, Dialog dialog) {
    // Page ranges are left out: the text to print is chosen before the dialog opens. Printing
    // to a file stays, as that is how a PDF of the report is made.
    QAbstractPrintDialog::PrintDialogOptions options =
        QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize;
    if (dialog == Dialog::Full) options |= QAbstractPrintDialog::PrintCollateCopies;
    return m_dialogs.printDialog(parent, printer(), options);
}

bool ReportPrinter::pageSetup(QWidget* parent) {
    return m_dialogs.pageSetupDialog(parent, printer());
}

void ReportPrinter::printPages(const std::string& text) {
    QPrinter& target = printer();
    std::unique_ptr<PageSink> sink =
        m_sinkFactory ? m_sinkFactory(target) : std::make_unique<PrinterPageSink>(target);
    PagePrinter pagePrinter(*sink);
    PrintPages(pagePrinter, text);
}

} // namespace kora::gui
